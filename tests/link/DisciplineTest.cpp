// The request/reply discipline on the in-process fake transport.
#include "HexBytes.h"
#include "LinkTestSupport.h"
#include "link/FakeTransport.h"
#include "link/RequestReplyDiscipline.h"

#include <gtest/gtest.h>

#include <chrono>

namespace {

// A link over the fake transport with the serial profile.
class FakeLink : public RequestReplyDiscipline {
 public:
  FakeLink(LinkOwner owner, LinkProfile profile = LinkProfile())
      : RequestReplyDiscipline(std::move(owner), std::move(profile), 1) {}
  ~FakeLink() override { Close(); }
  void SetGraceResends(int n) { SetGraceResendsImpl(n); }
};

Bytes Gain(std::uint16_t value) { return CM_MCS_GAIN(1, 0, value).BuildFrame(1); }
Bytes Mute() { return CM_MCS_MUTE(1, 0, 1).BuildFrame(1); }
Bytes Identity() { return CM_MCS_CMD(1, 0x13).BuildFrame(1); }
Bytes Ack() { return Hex("10 02 01 00 01 01 10 03 00"); }

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
      {"unforced after forced same code takes the unforced place",
       {{Gain(1), false}, {Identity(), true}, {Identity(), false}}, {Identity(), Identity()}},
      {"forced frames always append", {{Gain(1), true}, {Gain(2), true}}, {Gain(1), Gain(2)}},
      {"unforced same code replaces across a forced frame",
       {{Gain(1), false}, {Gain(5), true}, {Gain(2), false}}, {Gain(2), Gain(5)}},
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
  Answer();
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
  EXPECT_EQ(recorder->traffic[1], "COM R 10 02 01 00 01 01 10 03 00 ");
}

TEST_F(DisciplineTest, FramesSubmittedFromTheReplyHandlerQueueBehind) {
  Open();
  recorder->onFrame = [&](const Bytes& frame) {
    if (LCmd(frame, 1).GetCode() == 0x01 && recorder->frames.size() == 1) link->QueueFrame(Gain(9), true);
  };
  link->QueueFrame(Identity(), true);
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

TEST_F(DisciplineTest, FailureGraceOfTheProfile) {
  LinkProfile usb;
  usb.FailureTimeouts = 5;
  Open(usb);
  link->SetReplyTimeout(30);
  link->SetRetryLimit(3);
  const auto start = std::chrono::steady_clock::now();
  link->QueueFrame(Identity(), true);
  ASSERT_TRUE(WaitUntil([&] { return !recorder->statuses.empty(); }));
  const auto elapsed = std::chrono::steady_clock::now() - start;
  EXPECT_EQ(Writes().size(), 4u);
  EXPECT_GE(elapsed, std::chrono::milliseconds(8 * 30)) << "status at the eighth time-out";
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
    shared.responder = [](const Bytes&) { return Ack(); };
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
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
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
