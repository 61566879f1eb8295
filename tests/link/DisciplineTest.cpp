// The request/reply discipline on the in-process fake transport.
#include "HexBytes.h"
#include "LinkTestSupport.h"
#include "link/FakeTransport.h"
#include "link/LComm.h"
#include "link/Lnet.h"
#include "link/Lusb.h"
#include "link/RequestReplyDiscipline.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <stop_token>
#include <thread>

namespace {

// A link over the fake transport with the serial profile.
class FakeLink : public RequestReplyDiscipline {
 public:
  FakeLink(LinkOwner owner, LinkProfile profile = LinkProfile())
      : RequestReplyDiscipline(std::move(owner), std::move(profile), 1) {}
  ~FakeLink() override { Close(); }
  void SetGraceResends(int n) { SetGraceResendsImpl(n); }
};

Bytes Gain(std::uint16_t value, std::uint8_t channel = 0) { return CM_MCS_GAIN(1, channel, value).BuildFrame(1); }
Bytes Mute() { return CM_MCS_MUTE(1, 0, 1).BuildFrame(1); }
Bytes Band(std::uint8_t band, std::uint16_t gain) { return CM_MCS_PEQ(1, 2, band, gain, 0x0501, 0).BuildFrame(1); }
Bytes CurrentPreset() { return CM_MCS_CMD(1, 0x14).BuildFrame(1); }
Bytes Identity() { return CM_MCS_CMD(1, 0x13).BuildFrame(1); }
Bytes Ack() { return Hex("10 02 01 00 01 01 10 03 00"); }
Bytes IdentityReply() { return Hex("10 02 01 00 04 13 51 52 56 10 03 42"); }
Bytes NameRequest(std::uint8_t n) { return CM_MCS_CMD(1, 0x29, n).BuildFrame(1); }
// A reply as the processor frames it: its device ID in byte 2.
Bytes Reply(std::uint8_t code, Bytes payload = {}) {
  Bytes frame = LCmd(0, code, std::move(payload)).BuildFrame(1);
  frame[2] = 1;
  frame.back() ^= 1;
  return frame;
}
Bytes NameReply(std::uint8_t n) { return Reply(0x29, {n, 'N', 'a', 'm', 'e'}); }
// The same reply from the processor with another device ID.
Bytes FromId(Bytes reply, std::uint8_t id) {
  reply.back() ^= static_cast<std::uint8_t>(reply[2] ^ id);
  reply[2] = id;
  return reply;
}

class DisciplineTest : public ::testing::Test {
 protected:
  void Open(LinkProfile profile = LinkProfile()) {
    link = std::make_unique<FakeLink>(Recorder::OwnerOf(recorder), std::move(profile));
    auto transport = std::make_unique<FakeTransport>();
    fake = transport->View();
    ASSERT_TRUE(link->OpenTransport(std::move(transport)));
  }
  std::vector<Bytes> Writes() { return FakeTransport::Writes(*fake); }
  bool WaitWrites(std::size_t n, int ms = 3000) {
    return WaitUntil([&] { return Writes().size() >= n; }, ms);
  }
  void Answer() { FakeTransport::Inject(*fake, Ack()); }

  std::shared_ptr<Recorder> recorder = std::make_shared<Recorder>();
  std::unique_ptr<FakeLink> link;
  std::shared_ptr<FakeTransport::Shared> fake;
};

// A processor slower than the reply time-out, as on a serial line: it
// answers every frame written to it, resent copies included, in the order
// they came, each Delay after it got to it. Once silenced it answers nothing.
class SlowProcessor {
 public:
  SlowProcessor(std::shared_ptr<FakeTransport::Shared> fake, std::chrono::milliseconds delay)
      : state_(std::make_shared<State>()) {
    state_->fake = fake;
    {
      std::lock_guard guard(fake->lock);
      fake->responder = [state = state_](const Bytes& written) {
        std::lock_guard lock(state->lock);
        state->arrived.push_back({Clock::now(), written});
        state->wake.notify_all();
        return Bytes{};
      };
    }
    thread_ = std::jthread([state = state_, delay](std::stop_token stop) { Serve(*state, delay, stop); });
  }
  void Silence() { state_->silent = true; }
  // When each frame was written, in order.
  std::vector<std::chrono::steady_clock::time_point> WriteTimes() {
    std::lock_guard lock(state_->lock);
    std::vector<Clock::time_point> times;
    for (const auto& [at, frame] : state_->arrived) times.push_back(at);
    return times;
  }

 private:
  using Clock = std::chrono::steady_clock;
  struct State {
    std::weak_ptr<FakeTransport::Shared> fake;  // its responder holds this state
    std::mutex lock;
    std::condition_variable_any wake;
    std::vector<std::pair<Clock::time_point, Bytes>> arrived;
    std::atomic<bool> silent{false};
  };

  static void Serve(State& state, std::chrono::milliseconds delay, std::stop_token stop) {
    Clock::time_point free{};  // when it is done with the frame before
    for (std::size_t next = 0;; ++next) {
      std::unique_lock lock(state.lock);
      if (!state.wake.wait(lock, stop, [&] { return state.arrived.size() > next; })) return;
      const auto [at, frame] = state.arrived[next];
      free = std::max(free, at) + delay;
      if (state.wake.wait_until(lock, stop, free, [] { return false; }) || stop.stop_requested()) return;
      lock.unlock();
      if (state.silent) continue;
      const bool name = frame.size() > 6 && frame[5] == 0x29;
      if (const auto fake = state.fake.lock()) FakeTransport::Inject(*fake, name ? NameReply(frame[6]) : Ack());
    }
  }

  std::shared_ptr<State> state_;
  std::jthread thread_;
};

struct Submission {
  Bytes frame;
  bool force;
};

struct QueueCase {
  const char* name;
  std::vector<Submission> submissions;  // made while a frame is in flight
  std::vector<Bytes> waiting;
};

TEST_F(DisciplineTest, QueueRuleWhileAFrameIsInFlight) {
  const QueueCase cases[] = {
      {"three unforced gains leave the last", {{Gain(1), false}, {Gain(2), false}, {Gain(3), false}}, {Gain(3)}},
      {"gain, mute, gain all wait", {{Gain(1), false}, {Mute(), false}, {Gain(2), false}}, {Gain(1), Mute(), Gain(2)}},
      {"gains for inputs A and B both wait", {{Gain(1, 0), false}, {Gain(2, 1), false}}, {Gain(1, 0), Gain(2, 1)}},
      {"gains for A, B, A all wait", {{Gain(1, 0), false}, {Gain(2, 1), false}, {Gain(3, 0), false}},
       {Gain(1, 0), Gain(2, 1), Gain(3, 0)}},
      {"one equaliser band twice leaves the last", {{Band(3, 1), false}, {Band(3, 2), false}}, {Band(3, 2)}},
      {"two bands of one channel both wait", {{Band(3, 1), false}, {Band(4, 2), false}}, {Band(3, 1), Band(4, 2)}},
      {"an unforced frame never takes the place of another code",
       {{Gain(1), false}, {Identity(), true}, {Identity(), false}}, {Gain(1), Identity(), Identity()}},
      {"forced frames always append", {{Gain(1), true}, {Gain(2), true}}, {Gain(1), Gain(2)}},
      {"unforced same target replaces across a forced frame for another target",
       {{Gain(1, 0), false}, {Gain(5, 1), true}, {Gain(2, 0), false}}, {Gain(2, 0), Gain(5, 1)}},
      {"a forced frame for the same target is never overtaken",
       {{Gain(1), false}, {Gain(5), true}, {Gain(2), false}}, {Gain(1), Gain(5), Gain(2)}},
  };
  for (const QueueCase& c : cases) {
    recorder = std::make_shared<Recorder>();
    Open();
    link->QueueFrame(CM_MCS_CMD(1, 0x10).BuildFrame(1), true);  // in flight, never answered
    for (const Submission& s : c.submissions) link->QueueFrame(s.frame, s.force);
    EXPECT_EQ(link->PendingFrames(), c.waiting) << c.name;
    link->Close();
  }
}

TEST_F(DisciplineTest, ReplyWritesTheOldestWaitingFrameAfterTheHandOver) {
  Open();
  std::size_t writesDuringHandOver = 0;
  recorder->onFrame = [&](const Bytes&) { writesDuringHandOver = Writes().size(); };
  link->QueueFrame(Identity(), true);
  link->QueueFrame(Gain(1), false);
  link->QueueFrame(Mute(), false);
  ASSERT_TRUE(WaitWrites(1));
  FakeTransport::Inject(*fake, IdentityReply());
  ASSERT_TRUE(WaitWrites(2));
  EXPECT_EQ(writesDuringHandOver, 1u);
  EXPECT_EQ(Writes()[1], Gain(1));
  EXPECT_EQ(link->PendingFrames(), std::vector<Bytes>{Mute()});
  Answer();
  ASSERT_TRUE(WaitWrites(3));
  EXPECT_EQ(Writes()[2], Mute());
  Answer();
  EXPECT_TRUE(WaitUntil([&] { return !link->IsBusy(); }));
  EXPECT_EQ(recorder->frames.size(), 3u);
  // Traffic lines for every write (resends excluded) and every reply.
  EXPECT_TRUE(WaitUntil([&] { return recorder->traffic.size() == 6; }));
  EXPECT_EQ(recorder->traffic.front(), "COM W 10 02 00 01 01 13 10 03 12 ");
  EXPECT_EQ(recorder->traffic[1], "COM R 10 02 01 00 04 13 51 52 56 10 03 42 ");
}

TEST_F(DisciplineTest, TwoRepliesInOneReadStartOnlyTheNextFrame) {
  // A late duplicate arrives together with the reply: only the first ends the
  // flight; the waiting frames go out one at a time, none lost.
  Open();
  link->QueueFrame(Identity(), true);
  link->QueueFrame(Gain(1), false);
  link->QueueFrame(Mute(), false);
  link->QueueFrame(CurrentPreset(), true);
  ASSERT_TRUE(WaitWrites(1));
  Bytes two = IdentityReply();
  two.insert(two.end(), two.begin(), two.end());
  FakeTransport::Inject(*fake, two);
  ASSERT_TRUE(WaitUntil([&] { return recorder->frames.size() == 2; }));
  Spin(100);
  EXPECT_EQ(Writes(), (std::vector<Bytes>{Identity(), Gain(1)}));
  EXPECT_EQ(link->PendingFrames(), (std::vector<Bytes>{Mute(), CurrentPreset()}));
  for (std::size_t n = 3; n <= 4; ++n) {
    Answer();
    ASSERT_TRUE(WaitWrites(n));
    Spin(50);
    EXPECT_EQ(Writes().size(), n);
  }
  EXPECT_EQ(Writes(), (std::vector<Bytes>{Identity(), Gain(1), Mute(), CurrentPreset()}));
  FakeTransport::Inject(*fake, Reply(0x14, {3}));
  EXPECT_TRUE(WaitUntil([&] { return !link->IsBusy(); }));
}

TEST_F(DisciplineTest, AReplyThatAnswersAnotherRequestLeavesTheFrameInFlight) {
  // Each arrives on its own read, after the name request for 5 was written.
  // None ends its flight: the next frame keeps waiting, the owner learns that
  // the reply answered nothing, and the request is written again on its
  // time-out; its own answer then moves the queue on.
  struct Case {
    const char* name;
    Bytes stray;
    LinkProfile profile = LCommProc::Profile();
  };
  const Case cases[] = {
      {"a late copy of the previous name", NameReply(4)},
      {"the wrong number", NameReply(6)},
      {"another request's reply", Reply(0x14, {3})},
      {"an acknowledgement", Ack()},
      {"another processor's ID, serial", FromId(NameReply(5), 2)},
      {"another processor's ID, Ethernet", FromId(NameReply(5), 2), LNetProc::Profile()},
  };
  for (const Case& c : cases) {
    recorder = std::make_shared<Recorder>();
    Open(c.profile);
    link->SetReplyTimeout(100);
    link->SetRetryLimit(3);
    link->QueueFrame(NameRequest(5), true);
    link->QueueFrame(Gain(1), false);
    ASSERT_TRUE(WaitWrites(1)) << c.name;
    FakeTransport::Inject(*fake, c.stray);
    ASSERT_TRUE(WaitUntil([&] { return recorder->frames.size() == 1; })) << c.name;
    EXPECT_TRUE(recorder->answered[0].empty()) << c.name;
    ASSERT_TRUE(WaitWrites(2)) << c.name;
    EXPECT_EQ(Writes()[1], NameRequest(5)) << c.name << ": resent, not the next frame";
    EXPECT_EQ(link->PendingFrames(), std::vector<Bytes>{Gain(1)}) << c.name;
    FakeTransport::Inject(*fake, NameReply(5));
    ASSERT_TRUE(WaitUntil([&] { return recorder->frames.size() == 2; })) << c.name;
    EXPECT_EQ(recorder->answered[1], NameRequest(5)) << c.name;
    EXPECT_TRUE(WaitUntil([&] { return Writes().back() == Gain(1); })) << c.name;
    link->Close();
  }
}

TEST_F(DisciplineTest, OverUsbAReplyAnswersWhateverItsDeviceId) {
  // The window takes the processor's ID from its USB replies.
  Open(LUsbProc::Profile());
  link->SetReplyTimeout(1000);
  link->QueueFrame(NameRequest(5), true);
  link->QueueFrame(Gain(1), true);
  ASSERT_TRUE(WaitWrites(1));
  FakeTransport::Inject(*fake, FromId(NameReply(5), 2));
  ASSERT_TRUE(WaitUntil([&] { return recorder->frames.size() == 1; }));
  EXPECT_EQ(recorder->answered[0], NameRequest(5));
  EXPECT_TRUE(WaitUntil([&] { return Writes().size() == 2; }));
  EXPECT_EQ(Writes(), (std::vector<Bytes>{NameRequest(5), Gain(1)}));
}

// Every write the fake processor saw, with when it saw it (any thread).
struct TimedWrites {
  std::mutex lock;
  std::vector<std::pair<std::chrono::steady_clock::time_point, Bytes>> writes;
};

TEST_F(DisciplineTest, ADeadProcessorIsReportedWithinFourTimesThePlainLinksWait) {
  // A name request whose first replies are lost (none to three of them) is
  // answered on a resend; then the processor dies. The next request still
  // goes out once and RetryLimit times again and ends in status 0 within four
  // times the plain link's wait (RetryLimit resends and the failure time-out,
  // at the time-out set): lost replies do not make a quick processor look
  // slow. Slow processors keep their one write per request (the test above).
  // The rows take about half the bound: long time-outs leave a loaded
  // machine's late wake-ups well inside the other half.
  constexpr int kTimeout = 300;
  using Clock = std::chrono::steady_clock;
  for (int lost = 0; lost <= 3; ++lost) {
    SCOPED_TRACE(lost);
    recorder = std::make_shared<Recorder>();
    Open();
    link->SetReplyTimeout(kTimeout);
    link->SetRetryLimit(3);
    auto seen = std::make_shared<TimedWrites>();
    {
      std::lock_guard guard(fake->lock);
      fake->responder = [seen, lost](const Bytes& written) {
        std::lock_guard lock(seen->lock);
        seen->writes.emplace_back(Clock::now(), written);
        const auto copies = std::count_if(seen->writes.begin(), seen->writes.end(),
                                          [&](const auto& w) { return w.second == written; });
        return written == NameRequest(1) && copies == lost + 1 ? NameReply(1) : Bytes{};
      };
    }
    link->QueueFrame(NameRequest(1), true);
    ASSERT_TRUE(WaitUntil([&] { return recorder->frames.size() == 1; }));
    ASSERT_EQ(recorder->answered[0], NameRequest(1));
    link->QueueFrame(NameRequest(2), true);
    ASSERT_TRUE(WaitUntil([&] { return !recorder->statuses.empty(); }, 30000));
    const auto reported = Clock::now();
    std::vector<Clock::time_point> second;
    {
      std::lock_guard lock(seen->lock);
      for (const auto& [at, frame] : seen->writes)
        if (frame == NameRequest(2)) second.push_back(at);
    }
    EXPECT_EQ(second.size(), 1u + link->RetryLimit()) << "once and every resend";
    ASSERT_FALSE(second.empty());
    const auto plain = std::chrono::milliseconds(kTimeout) * (link->RetryLimit() + LinkProfile().FailureTimeouts);
    EXPECT_LE(reported - second.front(), RequestReplyDiscipline::kStretchLimit * plain);
    link->Close();
  }
}

TEST_F(DisciplineTest, TheNextFrameIsNotResentWhileALateCopyCanStillBeAnswered) {
  // A request answered after a resend may still have the resent copy's
  // answer on the way: the next request is not written again until that
  // copy is kStretchLimit time-outs old. (However late a busy machine runs,
  // the resend only comes later.)
  constexpr int kTimeout = 60;
  using Clock = std::chrono::steady_clock;
  Open();
  link->SetReplyTimeout(kTimeout);
  link->SetRetryLimit(10);
  auto seen = std::make_shared<TimedWrites>();
  {
    std::lock_guard guard(fake->lock);
    fake->responder = [seen](const Bytes& written) {
      std::lock_guard lock(seen->lock);
      seen->writes.emplace_back(Clock::now(), written);
      return Bytes{};
    };
  }
  link->QueueFrame(NameRequest(1), true);
  link->QueueFrame(NameRequest(2), true);
  ASSERT_TRUE(WaitWrites(2));
  FakeTransport::Inject(*fake, NameReply(1));
  ASSERT_TRUE(WaitUntil([&] {
    const std::vector<Bytes> writes = Writes();
    return std::count(writes.begin(), writes.end(), NameRequest(2)) >= 2;
  }));
  std::lock_guard lock(seen->lock);
  Clock::time_point lastCopy{}, resent{};
  int seconds = 0;
  for (const auto& [at, frame] : seen->writes) {
    if (frame == NameRequest(1)) lastCopy = at;
    if (frame == NameRequest(2) && ++seconds == 2) resent = at;
  }
  EXPECT_GE(resent - lastCopy, std::chrono::milliseconds(kTimeout) * RequestReplyDiscipline::kStretchLimit);
}

TEST_F(DisciplineTest, TheWholeWaitForOneFrameIsBounded) {
  // A request answered after two resends; the answer to the first resent
  // copy comes two time-outs after the next request went out, so the
  // processor looks slow and the other resent copy worth waiting for, far
  // longer. Then the processor dies. The next request is given up (status
  // 0) once it has waited four times the plain link's wait: it was resent
  // at most once, not RetryLimit times.
  Open();
  link->SetReplyTimeout(200);
  link->SetRetryLimit(10);
  link->QueueFrame(NameRequest(1), true);
  link->QueueFrame(NameRequest(2), true);
  ASSERT_TRUE(WaitWrites(3));
  FakeTransport::Inject(*fake, NameReply(1));
  ASSERT_TRUE(WaitUntil([&] { return Writes().back() == NameRequest(2); }));
  link->SetRetryLimit(3);
  Spin(400);
  FakeTransport::Inject(*fake, NameReply(1));
  ASSERT_TRUE(WaitUntil([&] { return !recorder->statuses.empty(); }, 30000));
  const std::vector<Bytes> writes = Writes();
  EXPECT_LE(std::count(writes.begin(), writes.end(), NameRequest(2)), 2);
}

TEST_F(DisciplineTest, OnlyWrongAnswersEndInStatusZeroWithoutKeepAlives) {
  // A processor that numbers every name reply wrongly: the request goes out
  // once and RetryLimit times again, then status 0; no keep-alive goes out
  // while its answer is owed.
  Open();
  link->SetReplyTimeout(60);
  link->SetRetryLimit(3);
  {
    std::lock_guard guard(fake->lock);
    fake->responder = [](const Bytes&) { return NameReply(6); };
  }
  link->QueueFrame(NameRequest(5), true);
  ASSERT_TRUE(WaitUntil([&] { return !recorder->statuses.empty(); }));
  link->PollTimerTick();
  Spin(100);
  EXPECT_EQ(Writes(), std::vector<Bytes>(4, NameRequest(5)));
  EXPECT_TRUE(link->IsBusy());
  for (const Bytes& answered : recorder->answered) EXPECT_TRUE(answered.empty());
}

TEST_F(DisciplineTest, AProcessorSlowerThanTheReplyTimeOutIsReadWithOneWritePerRequest) {
  // Name requests 1 to 12, each submitted from the answer to the one before,
  // as the connect-time read does. Only the first is resent: the answers
  // teach the link the processor's pace. Without that, every request would
  // be resent and answered twice, and at 2.5 time-outs the copies would pile
  // up until the retry limit broke the link. No keep-alive goes out between.
  struct Case {
    const char* name;
    int delay;  // ms, against a reply time-out of 60
  };
  const Case cases[] = {{"1.5 time-outs late", 90}, {"2.5 time-outs late", 150}};
  constexpr std::uint8_t kRequests = 12;
  for (const Case& c : cases) {
    recorder = std::make_shared<Recorder>();
    Open();
    SlowProcessor processor(fake, std::chrono::milliseconds(c.delay));
    link->SetReplyTimeout(60);
    link->SetRetryLimit(3);
    link->SetPollInterval(40);  // a keep-alive would come between every two requests
    int answered = 0;
    recorder->onFrame = [&](const Bytes&) {
      if (recorder->answered.back().empty()) return;
      if (++answered < kRequests) link->QueueFrame(NameRequest(static_cast<std::uint8_t>(answered + 1)), true);
    };
    link->QueueFrame(NameRequest(1), true);
    ASSERT_TRUE(WaitUntil([&] { return answered == kRequests || !recorder->statuses.empty(); }, 60000)) << c.name;
    EXPECT_TRUE(recorder->statuses.empty()) << c.name << ": the link broke";
    ASSERT_EQ(answered, kRequests) << c.name;
    const std::vector<Bytes> writes = Writes();
    const auto last = std::find(writes.begin(), writes.end(), NameRequest(kRequests));
    const auto firsts = std::count(writes.begin(), last, NameRequest(1));
    EXPECT_LE(firsts, 4) << c.name;
    EXPECT_EQ(std::count_if(writes.begin(), last, [](const Bytes& w) { return w[5] == 0x12; }), 0)
        << c.name << ": a keep-alive while an answer was owed";
    // A busy machine may hold an answer past the stretched time-out now and
    // then; each such costs one resend.
    EXPECT_LE(last - writes.begin() + 1 - firsts, kRequests - 1 + 2) << c.name << ": resends of answered requests";
    link->Close();
  }
}

TEST_F(DisciplineTest, AnAnswersLatencyStretchesTheTimeOutAtMostFourTimes) {
  // The first name request, under a long time-out, teaches a latency of six
  // short time-outs; the second then waits four, not the 7.5 the latency
  // asks for, before it is resent.
  Open();
  SlowProcessor processor(fake, std::chrono::milliseconds(360));
  link->SetRetryLimit(3);
  link->SetReplyTimeout(1000);
  link->QueueFrame(NameRequest(1), true);
  ASSERT_TRUE(WaitUntil([&] { return recorder->frames.size() == 1; }));
  link->SetReplyTimeout(60);
  link->QueueFrame(NameRequest(2), true);
  ASSERT_TRUE(WaitUntil([&] { return recorder->frames.size() == 2; }));
  EXPECT_EQ(recorder->answered[1], NameRequest(2));
  EXPECT_EQ(Writes(), (std::vector<Bytes>{NameRequest(1), NameRequest(2), NameRequest(2)}));
  EXPECT_TRUE(recorder->statuses.empty());
}

TEST_F(DisciplineTest, ASlowProcessorThatFallsSilentStillBreaksTheLink) {
  // An answer 2.5 time-outs late teaches the link to wait longer; once the
  // processor stops answering, the next request still goes out RetryLimit
  // times more and ends in status 0, each resend a stretched time-out after
  // the one before. Time-outs without an answer stretch nothing.
  constexpr auto kDelay = std::chrono::milliseconds(150);
  Open();
  SlowProcessor processor(fake, kDelay);
  link->SetRetryLimit(3);
  link->SetReplyTimeout(1000);  // written once, so its answer is tied to that write
  link->QueueFrame(NameRequest(1), true);
  ASSERT_TRUE(WaitUntil([&] { return recorder->frames.size() == 1; }));
  link->SetReplyTimeout(60);
  processor.Silence();
  link->QueueFrame(NameRequest(2), true);
  ASSERT_TRUE(WaitUntil([&] { return !recorder->statuses.empty(); }, 30000));
  const std::vector<Bytes> writes = Writes();
  const auto first = std::find(writes.begin(), writes.end(), NameRequest(2));
  ASSERT_EQ(writes.end() - first, 4) << "once and three resends";
  EXPECT_EQ(std::count(first, writes.end(), NameRequest(2)), 4);
  const auto times = processor.WriteTimes();
  for (std::size_t i = first - writes.begin() + 1; i < times.size(); ++i)
    EXPECT_GE(times[i] - times[i - 1], kDelay + kDelay / 4) << "resend " << i;
}

TEST_F(DisciplineTest, FramesSubmittedFromTheReplyHandlerQueueBehind) {
  Open();
  recorder->onFrame = [&](const Bytes& frame) {
    if (LCmd(frame, 1).GetCode() == 0x01 && recorder->frames.size() == 1) link->QueueFrame(Gain(9), true);
  };
  link->QueueFrame(Mute(), true);
  ASSERT_TRUE(WaitWrites(1));
  Answer();
  ASSERT_TRUE(WaitWrites(2));
  EXPECT_EQ(Writes()[1], Gain(9));
}

TEST_F(DisciplineTest, RetryLimitThenStatusZeroAndNoFurtherWrites) {
  Open();
  link->SetReplyTimeout(60);
  link->SetRetryLimit(3);
  link->QueueFrame(CM_MCS_CMD(7, 0x10).BuildFrame(1), true);
  ASSERT_TRUE(WaitUntil([&] { return !recorder->statuses.empty(); }));
  EXPECT_EQ(Writes().size(), 4u) << "once and three resends";
  EXPECT_EQ(recorder->statuses.front(), std::make_pair(0, 7)) << "status 0 with the frame's device ID";
  // The queue stays blocked and the frame is not written again; the status repeats.
  link->QueueFrame(Gain(1), false);
  ASSERT_TRUE(WaitUntil([&] { return recorder->statuses.size() >= 2; }));
  EXPECT_EQ(Writes().size(), 4u);
  EXPECT_EQ(link->PendingFrames(), std::vector<Bytes>{Gain(1)});
}

TEST_F(DisciplineTest, FailureGraceOfEachLink) {
  // With RetryLimit 3: four writes a time-out apart, then status 0 at the
  // fourth time-out (serial, Ethernet) or the eighth (USB). The time-outs
  // are counted in the gap between the last write and the status.
  struct Case {
    const char* name;
    LinkProfile profile;
    int timeoutsAfterLastWrite;
  };
  const Case cases[] = {{"serial", LCommProc::Profile(), 1},
                        {"Ethernet", LNetProc::Profile(), 1},
                        {"USB", LUsbProc::Profile(), 5}};
  // Long enough that a loaded machine's late wake-ups stay well inside the
  // half time-out the bounds leave.
  constexpr int kTimeout = 300;
  using Clock = std::chrono::steady_clock;
  for (const Case& c : cases) {
    recorder = std::make_shared<Recorder>();
    Open(c.profile);
    std::vector<Clock::time_point> writeTimes;
    {
      std::lock_guard guard(fake->lock);
      fake->responder = [&writeTimes](const Bytes&) {
        writeTimes.push_back(Clock::now());
        return Bytes{};
      };
    }
    link->SetReplyTimeout(kTimeout);
    link->SetRetryLimit(3);
    link->QueueFrame(Identity(), true);
    ASSERT_TRUE(WaitUntil([&] { return !recorder->statuses.empty(); }, 30000)) << c.name;
    const auto status = Clock::now();
    link->Close();
    ASSERT_EQ(writeTimes.size(), 4u) << c.name;
    const double gap = std::chrono::duration<double, std::milli>(status - writeTimes.back()).count() / kTimeout;
    EXPECT_GT(gap, c.timeoutsAfterLastWrite - 0.4) << c.name;
    EXPECT_LT(gap, c.timeoutsAfterLastWrite + 0.6) << c.name;
  }
}

TEST_F(DisciplineTest, TrafficLinesOfEveryWriteAndOfTheOwnersReplies) {
  // The USB and Ethernet profiles list every write, resends included; the
  // USB owner lists the replies itself.
  Open(LUsbProc::Profile());
  link->SetReplyTimeout(50);
  link->SetRetryLimit(2);
  link->QueueFrame(Identity(), true);
  ASSERT_TRUE(WaitWrites(2));
  FakeTransport::Inject(*fake, IdentityReply());
  ASSERT_TRUE(WaitUntil([&] { return recorder->frames.size() == 1; }));
  Spin(150);
  const std::size_t writes = Writes().size();
  ASSERT_TRUE(WaitUntil([&] { return recorder->traffic.size() >= writes; }));
  Spin(20);
  EXPECT_EQ(recorder->traffic, std::vector<std::string>(writes, "USB W 10 02 00 01 01 13 10 03 12 "));

  recorder = std::make_shared<Recorder>();
  Open(LNetProc::Profile());
  link->SetReplyTimeout(50);
  link->QueueFrame(Identity(), true);
  ASSERT_TRUE(WaitWrites(2));
  FakeTransport::Inject(*fake, IdentityReply());
  ASSERT_TRUE(WaitUntil([&] { return recorder->frames.size() == 1; }));
  Spin(150);
  // The Ethernet link lists its replies too, each once.
  const std::vector<std::string>& lines = recorder->traffic;
  EXPECT_EQ(std::count(lines.begin(), lines.end(), "NET R 10 02 01 00 04 13 51 52 56 10 03 42 "), 1);
  EXPECT_EQ(std::count(lines.begin(), lines.end(), "NET W 10 02 00 01 01 13 10 03 12 "),
            static_cast<std::ptrdiff_t>(Writes().size()));
  EXPECT_EQ(lines.size(), Writes().size() + 1);
}

TEST_F(DisciplineTest, GraceResendsAreNotCounted) {
  LinkProfile serial;
  serial.GraceResends = true;
  Open(serial);
  link->SetReplyTimeout(40);
  link->SetRetryLimit(1);
  link->SetGraceResends(2);
  link->QueueFrame(Identity(), true);
  ASSERT_TRUE(WaitUntil([&] { return !recorder->statuses.empty(); }));
  EXPECT_EQ(Writes().size(), 4u) << "once, two grace resends, one counted resend";
}

TEST_F(DisciplineTest, AnsweredFrameIsNeverWrittenAgain) {
  Open();
  link->SetReplyTimeout(30);
  link->QueueFrame(CM_MCS_CMD(1, 0x21, 5).BuildFrame(1), true);  // store: must run once
  ASSERT_TRUE(WaitWrites(1));
  Answer();
  ASSERT_TRUE(WaitUntil([&] { return !link->IsBusy(); }));
  Spin(300);
  EXPECT_EQ(Writes().size(), 1u);
  EXPECT_TRUE(recorder->statuses.empty());
}

TEST_F(DisciplineTest, KeepAliveAfterIdleIntervalUnlessSuspended) {
  Open();
  link->SetPollInterval(150);
  link->SetPollDeviceId(7);
  FakeTransport::Shared& shared = *fake;
  {
    std::lock_guard guard(shared.lock);
    shared.responder = [](const Bytes&) { return FromId(Ack(), 7); };  // processor 7 answers
  }
  link->QueueFrame(Gain(1), false);  // restarts the timer with the new interval
  ASSERT_TRUE(WaitWrites(2, 2000));
  EXPECT_EQ(ToHex(Writes()[1]), "10 02 00 07 01 12 10 03 15");
  EXPECT_EQ(link->ReplyTimeout(), 2000) << "the keep-alive sets the serial reply time-out";

  link->SetPollSuspended(true);
  Spin(100);
  const std::size_t before = Writes().size();
  Spin(500);
  EXPECT_EQ(Writes().size(), before);
}

TEST_F(DisciplineTest, NoKeepAliveWhileFramesWait) {
  Open();
  link->SetPollInterval(50);
  link->QueueFrame(Identity(), true);
  link->QueueFrame(Gain(1), false);
  link->PollTimerTick();
  EXPECT_EQ(link->PendingFrames(), std::vector<Bytes>{Gain(1)});
}

TEST_F(DisciplineTest, CloseWithFramesWaitingAndHandOverPendingJoinsQuickly) {
  Open();
  link->QueueFrame(Identity(), true);
  link->QueueFrame(Gain(1), false);
  link->QueueFrame(Mute(), false);
  ASSERT_TRUE(WaitWrites(1));
  Answer();
  // Let the worker reach the hand-over without running the event loop, so the
  // hand-over is still pending when Close comes.
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
  const auto start = std::chrono::steady_clock::now();
  link->Close();
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10)) << "Close waited for the UI";
  EXPECT_FALSE(link->IsOpen());
  EXPECT_TRUE(link->PendingFrames().empty());
  Spin(50);
  EXPECT_TRUE(recorder->frames.empty()) << "an abandoned hand-over never runs";
  EXPECT_EQ(Writes().size(), 1u);
  link->QueueFrame(Gain(2), false);  // dropped: not open
  EXPECT_TRUE(link->PendingFrames().empty());
}

TEST_F(DisciplineTest, CloseFromInsideTheReplyHandler) {
  Open();
  recorder->onFrame = [&](const Bytes&) { link->Close(); };
  link->QueueFrame(Identity(), true);
  link->QueueFrame(Gain(1), false);
  ASSERT_TRUE(WaitWrites(1));
  Answer();
  ASSERT_TRUE(WaitUntil([&] { return !link->IsOpen(); }));
  Spin(50);
  EXPECT_EQ(Writes().size(), 1u) << "the waiting gain was discarded";
  link.reset();
}

TEST_F(DisciplineTest, SubmissionsThatCannotBeWrittenAreDropped) {
  Open();
  link->QueueFrame({}, true);
  link->QueueFrame(Bytes(1025, 0x10), true);
  EXPECT_FALSE(link->IsBusy());
  FakeLink never(Recorder::OwnerOf(recorder));
  never.QueueFrame(Gain(1), true);
  EXPECT_FALSE(never.IsBusy());
}

TEST_F(DisciplineTest, DeliveredBytesAreAssembled) {
  LinkProfile net;
  net.TrafficTag = "NET";
  Open(net);
  link->QueueFrame(Identity(), true);
  ASSERT_TRUE(WaitWrites(1));
  const Bytes reply = Hex("10 02 01 00 04 13 51 52 56 10 03 42");
  link->DeliverReceived(std::span(reply).first(5));
  link->DeliverReceived(std::span(reply).subspan(5));
  ASSERT_TRUE(WaitUntil([&] { return recorder->frames.size() == 1; }));
  EXPECT_EQ(recorder->frames[0], reply);
}

}  // namespace
