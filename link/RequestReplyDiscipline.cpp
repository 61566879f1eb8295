#include "link/RequestReplyDiscipline.h"

#include "platform/Format.h"
#include "platform/UiBridge.h"

#include <QMetaObject>
#include <QThread>
#include <QTimer>

#include <cerrno>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <algorithm>
#include <utility>

RequestReplyDiscipline::RequestReplyDiscipline(LinkOwner owner, LinkProfile profile, std::uint8_t pollDeviceId)
    : owner_(std::move(owner)), profile_(std::move(profile)), assembler_(profile_.SendBufSize),
      pollDeviceId_(pollDeviceId) {}

RequestReplyDiscipline::~RequestReplyDiscipline() { Close(); }

bool RequestReplyDiscipline::OpenTransport(std::unique_ptr<LinkTransport> transport) {
  if (started_ || !transport) return false;
  started_ = true;
  wakeFd_ = ::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
  stopFd_ = ::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
  if (wakeFd_ < 0 || stopFd_ < 0) {
    transport->Close();
    Close();
    return false;
  }
  pollTimer_ = std::make_unique<QTimer>();
  pollTimer_->setTimerType(Qt::PreciseTimer);  // the keep-alive never comes before 2 s of quiet
  QObject::connect(pollTimer_.get(), &QTimer::timeout, [this] { PollTimerTick(); });
  pollTimer_->start(pollInterval_.load());

  transport_ = std::move(transport);
  isOpen_.store(true);
  worker_ = std::jthread([this](std::stop_token stop) { Run(stop); });
  return true;
}

void RequestReplyDiscipline::Close() {
  if (pollTimer_) pollTimer_->stop();
  {
    std::lock_guard guard(queueLock_);
    pending_.clear();
    lastUnforced_.reset();
  }
  if (worker_.joinable()) {
    worker_.request_stop();  // also abandons a hand-over the worker waits in
    Wake(stopFd_);
    worker_.join();
  }
  isOpen_.store(false);
  if (transport_) {
    transport_->Close();
    transport_.reset();
  }
  pollTimer_.reset();
  for (int* fd : {&wakeFd_, &stopFd_}) {
    if (*fd >= 0) ::close(*fd);
    *fd = -1;
  }
}

void RequestReplyDiscipline::QueueFrame(Bytes frame, bool force) {
  if (!IsOpen() || frame.empty() || frame.size() > profile_.SendBufSize) return;
  RestartPollTimer();
  const std::uint8_t code = frame.size() > 5 ? frame[5] : 0;
  bool written = false;
  {
    std::lock_guard guard(queueLock_);
    if (!busy_) {
      busy_ = true;
      WriteFrame(frame);
      written = true;
    } else if (force) {
      // A later value for the waiting unforced frame's target must not
      // overtake this one.
      if (lastUnforced_ && FrameTarget(**lastUnforced_) == FrameTarget(frame)) lastUnforced_.reset();
      pending_.push_back(std::move(frame));
    } else if (lastUnforced_ && code == lastCode_ && FrameTarget(**lastUnforced_) == FrameTarget(frame)) {
      **lastUnforced_ = std::move(frame);  // keeps the waiting frame's place
    } else {
      pending_.push_back(std::move(frame));
      lastUnforced_ = std::prev(pending_.end());
    }
    lastCode_ = code;
  }
  // Outside the lock: on the UI thread the traffic line is handled at once.
  if (written && !profile_.TraceEveryWrite) Trace(true, frame);
}

void RequestReplyDiscipline::DeliverReceived(std::span<const std::uint8_t> bytes) {
  if (bytes.empty()) return;
  {
    std::lock_guard guard(rxLock_);
    rxBuf_.insert(rxBuf_.end(), bytes.begin(), bytes.end());
  }
  Wake(wakeFd_);
}

void RequestReplyDiscipline::PollTimerTick() {
  {
    std::lock_guard guard(queueLock_);
    if (busy_ || !pending_.empty() || pollSuspended_.load()) return;
  }
  SetReplyTimeout(profile_.KeepAliveReplyTimeout);
  QueueFrame(LCmd(pollDeviceId_.load(), kKeepAliveCode).BuildFrame(1), false);
}

bool RequestReplyDiscipline::IsBusy() const {
  std::lock_guard guard(queueLock_);
  return busy_;
}

bool RequestReplyDiscipline::AllWritten() const {
  {
    std::lock_guard guard(queueLock_);
    if (!pending_.empty()) return false;
  }
  std::lock_guard guard(sendLock_);
  return !sendRequested_;
}

std::vector<Bytes> RequestReplyDiscipline::PendingFrames() const {
  std::lock_guard guard(queueLock_);
  return {pending_.begin(), pending_.end()};
}

std::string RequestReplyDiscipline::TrafficLine(bool write, const Bytes& frame) const {
  std::string line = profile_.TrafficTag + (write ? " W " : " R ");
  for (std::uint8_t b : frame) line += platform::FormatC("%02X ", b);
  return line;
}

void RequestReplyDiscipline::WriteFrame(const Bytes& frame) {
  {
    std::lock_guard guard(sendLock_);
    sendBuf_ = frame;
    sendRequested_ = true;
  }
  Wake(wakeFd_);
}

void RequestReplyDiscipline::SendNextQueued() {
  Bytes next;
  {
    std::lock_guard guard(queueLock_);
    if (pending_.empty()) {
      busy_ = false;
      return;
    }
    if (lastUnforced_ && *lastUnforced_ == pending_.begin()) lastUnforced_.reset();
    next = std::move(pending_.front());
    pending_.pop_front();
    WriteFrame(next);
  }
  if (!profile_.TraceEveryWrite) Trace(true, next);
}

void RequestReplyDiscipline::OnFrameComplete(const Bytes& frame, std::stop_token stop) {
  if (profile_.TraceReplies) Trace(false, frame);
  // Only an answer to the frame in flight ends its flight; anything else (a
  // late copy after a resend, a wrong number, another processor's ID, a frame
  // sent unasked) leaves it awaiting its answer, to be resent on its time-out.
  const LCmd reply(frame, 1);
  const bool ours = !profile_.RepliesCarryId || reply.GetDeviceId() == pollDeviceId_.load();
  Bytes answered;
  if (ours && awaitingReply_ && ReplyAnswers(LCmd(inFlight_, 1), reply)) {
    awaitingReply_ = false;
    answered = inFlight_;
    const auto now = Clock::now();
    const auto horizon = AnswerHorizon();
    // The copies whose answers may still come; the processor answers in
    // the order written, so this answer is the oldest one's.
    const auto live = std::find_if(writeTimes_.begin(), writeTimes_.end(),
                                   [&](Clock::time_point t) { return now - t < horizon; });
    // Tied to its write only when no other copy can still be answered: the
    // only write, or the latest when the earlier ones' answers were lost.
    if (!writeTimes_.empty() && (live == writeTimes_.end() || live + 1 == writeTimes_.end()))
      latency_ = now - writeTimes_.back();
    answeredLast_ = inFlight_;
    lateCopies_.assign(live == writeTimes_.end() ? live : live + 1, writeTimes_.end());
  } else if (ours) {
    OnLateCopy(reply);
  }
  if (owner_.OnFrame) {
    auto handler = owner_.OnFrame;
    if (!platform::UiSend(owner_.Receiver, [handler, frame, answered] { handler(frame, answered); }, stop))
      return;  // closing
  }
  if (!answered.empty()) SendNextQueued();
}

void RequestReplyDiscipline::OnLateCopy(const LCmd& reply) {
  if (lateCopies_.empty() || answeredLast_.empty() || !ReplyAnswers(LCmd(answeredLast_, 1), reply)) return;
  const auto now = Clock::now();
  latency_ = now - lateCopies_.front();
  lateCopies_.erase(lateCopies_.begin());
  // The processor gets to the frame in flight only now.
  lastWrite_ = now;
}

void RequestReplyDiscipline::WriteSendBuf() {
  Bytes frame;
  {
    std::lock_guard guard(sendLock_);
    frame = sendBuf_;
  }
  if (frame.empty()) return;
  // Enough to tell the copies apart within the horizon at any retry limit
  // a window sets.
  constexpr std::size_t kWriteTimesKept = 16;
  if (writeTimes_.size() == kWriteTimesKept) writeTimes_.erase(writeTimes_.begin());
  writeTimes_.push_back(Clock::now());
  if (transport_->Write(frame, stopFd_) && profile_.TraceEveryWrite) Trace(true, frame);
}

void RequestReplyDiscipline::OnReplyTimeout() {
  const auto now = Clock::now();
  lastWrite_ = now;  // the next time-out counts from here
  if (now >= FrameDeadline()) {
    GiveUp();
    return;
  }
  // The processor may still be answering the copies of the previous frame
  // before it gets to this one: wait without writing, and without counting,
  // while one of them can still be answered.
  const auto horizon = AnswerHorizon();
  std::erase_if(lateCopies_, [&](Clock::time_point t) { return now - t >= horizon; });
  if (!lateCopies_.empty()) return;
  // The UI thread may set a new grace between our read and write: take one
  // only from the value still there.
  int grace = graceResends_.load();
  while (profile_.GraceResends && grace > 0 && !graceResends_.compare_exchange_weak(grace, grace - 1)) {
  }
  if (profile_.GraceResends && grace > 0) {
    if (!frameAbandoned_) WriteSendBuf();
    return;
  }
  if (retryCount_ < retryLimit_.load()) {
    if (!frameAbandoned_) WriteSendBuf();
    ++retryCount_;
    return;
  }
  if (++failTimeouts_ < profile_.FailureTimeouts) return;
  GiveUp();
}

void RequestReplyDiscipline::GiveUp() {
  failTimeouts_ = 0;
  retryCount_ = 0;
  frameAbandoned_ = true;
  frameStart_ = Clock::now();
  graceAtStart_ = 0;
  int deviceId = 0;
  {
    std::lock_guard guard(sendLock_);
    if (sendBuf_.size() > 3) deviceId = sendBuf_[3];
  }
  Post(kLinkNoReply, deviceId);
}

RequestReplyDiscipline::Clock::duration RequestReplyDiscipline::AnswerHorizon() const {
  const Clock::duration set = std::chrono::milliseconds(replyTimeout_.load());
  return std::max(set, latency_) * kStretchLimit;
}

RequestReplyDiscipline::Clock::time_point RequestReplyDiscipline::FrameDeadline() const {
  const int plainTimeouts = retryLimit_.load() + profile_.FailureTimeouts + graceAtStart_;
  return frameStart_ + std::chrono::milliseconds(replyTimeout_.load()) * kStretchLimit * plainTimeouts;
}

std::chrono::milliseconds RequestReplyDiscipline::ReplyWait() const {
  const auto set = std::chrono::milliseconds(replyTimeout_.load());
  const auto learnt = std::chrono::ceil<std::chrono::milliseconds>(latency_ + latency_ / 4);
  return std::clamp(learnt, set, set * kStretchLimit);
}

void RequestReplyDiscipline::Run(std::stop_token stop) {
  const int readFd = transport_->ReadFd();
  int endStatus = -1;
  while (!stop.stop_requested()) {
    int timeoutMs = -1;
    if (awaitingReply_) {
      const auto due = std::min(lastWrite_ + ReplyWait(), FrameDeadline());
      const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(due - Clock::now()).count();
      timeoutMs = left > 0 ? static_cast<int>(left) : 0;
    }
    pollfd fds[3] = {{wakeFd_, POLLIN, 0}, {stopFd_, POLLIN, 0}, {readFd, POLLIN, 0}};
    const int r = ::poll(fds, readFd >= 0 ? 3 : 2, timeoutMs);
    if (r < 0) {
      if (errno == EINTR) continue;
      endStatus = profile_.WaitFailedStatus;
      break;
    }
    if (stop.stop_requested() || fds[1].revents) break;
    if (fds[0].revents) {
      std::uint64_t count;
      while (::read(wakeFd_, &count, sizeof count) > 0) {
      }
    }

    // Received bytes first: a reply completes before the next frame is written.
    Bytes received;
    if (readFd >= 0 && fds[2].revents) {
      if (!transport_->ReadAvailable(received) ||
          (received.empty() && (fds[2].revents & (POLLERR | POLLHUP | POLLNVAL)))) {
        endStatus = profile_.TransportFailedStatus;
        break;
      }
    }
    {
      std::lock_guard guard(rxLock_);
      received.insert(received.end(), rxBuf_.begin(), rxBuf_.end());
      rxBuf_.clear();
    }
    for (const Bytes& frame : assembler_.Push(received)) {
      // The next frame is not written until the end of this pass, so later
      // replies of the same pass are matched against nothing.
      OnFrameComplete(frame, stop);
      if (stop.stop_requested()) break;
    }
    if (stop.stop_requested()) break;

    bool send;
    {
      std::lock_guard guard(sendLock_);
      send = std::exchange(sendRequested_, false);
    }
    if (send) {
      retryCount_ = 0;
      failTimeouts_ = 0;
      frameAbandoned_ = false;
      writeTimes_.clear();
      graceAtStart_ = profile_.GraceResends ? graceResends_.load() : 0;
      {
        std::lock_guard guard(sendLock_);
        inFlight_ = sendBuf_;
      }
      WriteSendBuf();
      awaitingReply_ = true;
      lastWrite_ = frameStart_ = Clock::now();
    } else if (awaitingReply_ &&
               Clock::now() >= std::min(lastWrite_ + ReplyWait(), FrameDeadline())) {
      OnReplyTimeout();
    }
  }
  isOpen_.store(false);
  if (endStatus >= 0) Post(endStatus, 0);
}

void RequestReplyDiscipline::Wake(int fd) {
  if (fd < 0) return;
  const std::uint64_t one = 1;
  [[maybe_unused]] ssize_t n = ::write(fd, &one, sizeof one);
}

void RequestReplyDiscipline::Post(int status, int value) {
  if (!owner_.OnStatus) return;
  auto handler = owner_.OnStatus;
  platform::UiPost(owner_.Receiver, [handler, status, value] { handler(status, value); });
}

void RequestReplyDiscipline::Trace(bool write, const Bytes& frame) {
  if (!owner_.OnTraffic) return;
  auto handler = owner_.OnTraffic;
  platform::UiPost(owner_.Receiver, [handler, line = TrafficLine(write, frame)] { handler(line); });
}

void RequestReplyDiscipline::RestartPollTimer() {
  QTimer* timer = pollTimer_.get();
  if (!timer) return;
  const int interval = pollInterval_.load();
  if (QThread::currentThread() == timer->thread()) {
    timer->start(interval);
  } else {
    QMetaObject::invokeMethod(timer, [timer, interval] { timer->start(interval); }, Qt::QueuedConnection);
  }
}
