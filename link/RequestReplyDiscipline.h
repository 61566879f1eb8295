// The one request/reply discipline of the serial, USB and Ethernet links.
//
// One frame is in flight at a time and waits for its reply; frames submitted
// meanwhile wait in a queue. An unforced frame takes the place of the last
// unforced frame still waiting when both set the same thing (FrameTarget: the
// same code for the same channel, band, ...) and the frame submitted just
// before it had the same code; every other frame is appended, and a forced
// frame for that same target ends the replacing, so no later value overtakes
// it. While a frame awaits its answer, each reply time-out writes it again,
// up to RetryLimit resends; then status 0 is posted and the frame is not
// written again (the queue stays blocked until its answer comes or the owner
// closes the link). Only the answer to the frame in flight ends its flight
// and starts the next waiting frame: the reply the command layer pairs with
// it (ReplyAnswers: the reading requests' own code and number, the plain
// acknowledgement for every other command). Any other reply (a late copy
// after a resend, one with a wrong number, one the processor sends unasked)
// is handed to the owner as answering nothing and moves nothing: the frame in
// flight is resent on its time-out as before. So the queue never loses a
// frame and never has two in flight, and a lost or misnumbered answer ends in
// a resend or, at the retry limit, in status 0, never in a hang. The owner
// learns which frame each reply answered, so a step that waits for the
// acknowledgement of its own command is not advanced by another's. A frame
// that needed resends may still have late copies of its answer on the way,
// which a processor slower than the time-out sends before it gets to the next
// frame: while one of them can still be answered (AnswerHorizon), that
// frame's time-outs neither write nor count, and each late answer restarts
// its time-out, so such a processor is not buried under resends. Nor is
// it resent in the first place once its pace is known: the reply time-out in
// force is a quarter above the latest latency, when that is longer than the
// one set, but at most kStretchLimit times the one set. A latency is learnt
// only from an answer tied to the write it answers: the only write of its
// frame, the latest when no earlier copy can still be answered, or, for the
// late copies of an answered frame, the copies in the order written. So
// replies lost before a resend's answer do not make a quick processor look
// slow. Only answers set the latency, and the whole wait for one frame is
// bounded by kStretchLimit times the plain link's (its retries and failure
// time-outs at the time-out set), so a processor that stops answering ends in
// status 0 at most that much later than without it; a new link starts
// without it. Over the serial and Ethernet links a reply answers only when it
// carries the device ID the link polls with (LinkProfile::RepliesCarryId);
// one with another ID is handed over as answering nothing. Once a frame is
// answered no time-out writes it again: a store or a factory reset never runs
// twice. A keep-alive 0x12 goes out PollInterval after the latest submission
// while nothing is in flight or waiting, so never while an answer is owed.
//
// Threads: the owner's (UI) thread opens and closes the link, submits frames,
// changes the settings and runs the keep-alive timer; one worker per open
// link writes, resends, reads the transport, assembles replies and hands each
// one to the owner synchronously through the UI bridge, then writes the next
// waiting frame. The worker holds no lock while it waits for the hand-over,
// so the owner's reply handler may submit frames to this link or close it.
// Close stops the worker (its hand-over is abortable) and joins it before
// anything is freed.
//
// A link is this class plus a LinkTransport; the links (LCommProc, and the
// USB and Ethernet links) differ only in the transport and a LinkProfile.
// The worker calls TrafficLine, so a derived link calls Close in its own
// destructor.
#pragma once

#include "link/FrameAssembler.h"
#include "link/Lcmd.h"
#include "link/LinkOwner.h"
#include "link/LinkTransport.h"

#include <atomic>
#include <chrono>
#include <list>
#include <memory>
#include <mutex>
#include <optional>
#include <stop_token>
#include <string>
#include <thread>
#include <vector>

class QTimer;

struct LinkProfile {
  std::string TrafficTag = "COM";       // traffic lines: "<tag> W ..." and "<tag> R ..."
  bool TraceEveryWrite = false;         // a "W" line per transport write, resends included
                                        // (else one per frame taken for writing)
  bool TraceReplies = true;             // an "R" line per completed reply (else the owner
                                        // lists what arrives)
  std::size_t SendBufSize = 1024;       // longest frame the link writes
  int KeepAliveReplyTimeout = 2000;     // ms, set by every keep-alive
  int FailureTimeouts = 1;              // time-outs after the last resend before status 0
  bool GraceResends = false;            // serial: extra uncounted resends on request
  int TransportFailedStatus = kLinkPortFailed;  // -1: no status, the worker just ends
  int WaitFailedStatus = kLinkWaitFailed;       // -1: no status, the worker just ends
  bool RepliesCarryId = true;           // only a reply with the poll device ID answers
                                        // (USB: the window takes the ID from the reply)
};

class RequestReplyDiscipline {
 public:
  static constexpr std::uint8_t kKeepAliveCode = 0x12;
  // How far a slow processor's latency may stretch the reply time-out set. At
  // the serial read's 1000 ms, answers within 3.2 s need no resend, and a
  // processor gone silent breaks the link at most four times as late. A copy
  // written longer ago than this many set time-outs (or latencies, when
  // longer) is taken as lost.
  static constexpr int kStretchLimit = 4;

  RequestReplyDiscipline(LinkOwner owner, LinkProfile profile, std::uint8_t pollDeviceId);
  virtual ~RequestReplyDiscipline();
  RequestReplyDiscipline(const RequestReplyDiscipline&) = delete;
  RequestReplyDiscipline& operator=(const RequestReplyDiscipline&) = delete;

  // Starts the keep-alive timer and the worker over an opened transport (UI
  // thread). False when the link was opened before: a link never reopens.
  bool OpenTransport(std::unique_ptr<LinkTransport> transport);

  // Submits one serialised frame (UI thread). Dropped when the link is not
  // open, when it is empty or when it is longer than the send buffer.
  void QueueFrame(Bytes frame, bool force);
  // Same rule as QueueFrame with force false.
  void SendFrame(Bytes frame) { QueueFrame(std::move(frame), false); }
  void SendBuffer(const std::uint8_t* bytes, std::size_t length) { SendFrame(Bytes(bytes, bytes + length)); }

  // Stops the keep-alive, discards the waiting frames, stops and joins the
  // worker and releases the transport. Safe to call twice, and from inside
  // the owner's OnFrame. Never call it on the worker thread.
  void Close();
  // True from a successful open until the worker ends.
  bool IsOpen() const { return isOpen_.load(); }

  // Bytes received outside the worker (USB reports, network reads): queued
  // for the worker's assembler. Any thread.
  void DeliverReceived(std::span<const std::uint8_t> bytes);

  // Takes effect at once: the worker starts a new wait.
  void SetReplyTimeout(int ms) {
    replyTimeout_.store(ms);
    Wake(wakeFd_);
  }
  int ReplyTimeout() const { return replyTimeout_.load(); }
  void SetRetryLimit(int n) { retryLimit_.store(n); }
  int RetryLimit() const { return retryLimit_.load(); }
  void SetPollSuspended(bool suspended) { pollSuspended_.store(suspended); }
  bool PollSuspended() const { return pollSuspended_.load(); }
  void SetPollDeviceId(std::uint8_t id) { pollDeviceId_.store(id); }
  std::uint8_t PollDeviceId() const { return pollDeviceId_.load(); }
  // Keep-alive interval in ms; takes effect at the next submission or open.
  void SetPollInterval(int ms) { pollInterval_.store(ms); }
  int PollInterval() const { return pollInterval_.load(); }

  // The keep-alive's tick, run by the timer every PollInterval (UI thread).
  void PollTimerTick();

  // Views of the queue for the owner and for tests.
  bool IsBusy() const;
  // True when every frame submitted so far has been written at least once:
  // none waits in the queue or for the worker.
  bool AllWritten() const;
  std::vector<Bytes> PendingFrames() const;

 protected:
  void SetGraceResendsImpl(int n) { graceResends_.store(n); }
  int GraceResendsImpl() const { return graceResends_.load(); }
  // The traffic-monitor line of a frame written (write) or received.
  virtual std::string TrafficLine(bool write, const Bytes& frame) const;

 private:
  using Clock = std::chrono::steady_clock;

  void Run(std::stop_token stop);
  // The frame becomes the frame in flight; the worker writes it (any thread).
  // The caller puts the traffic line out once it holds no lock.
  void WriteFrame(const Bytes& frame);
  void SendNextQueued();
  // Hands a complete reply to the owner, with the frame in flight when it
  // answers that frame (ReplyAnswers); an answer ends the flight and starts
  // the next waiting frame.
  void OnFrameComplete(const Bytes& frame, std::stop_token stop);
  void OnReplyTimeout();
  // Status 0: the frame in flight is given up and not written again.
  void GiveUp();
  // The longest a copy's answer is awaited: kStretchLimit set time-outs, or
  // kStretchLimit latencies when those are longer (a slow processor's
  // copies queue behind each other).
  Clock::duration AnswerHorizon() const;
  // When the frame in flight has waited as long as a dead processor may
  // keep it: kStretchLimit times the plain link's retries and failure
  // time-outs, from its first write (or its latest status 0).
  Clock::time_point FrameDeadline() const;
  // A reply that answers no frame in flight but repeats the answer of the
  // frame answered last: the answer to its oldest late copy, whose latency
  // it gives; the frame in flight's time-out counts from here.
  void OnLateCopy(const LCmd& reply);
  // The reply time-out in force: the one set, or longer for a processor
  // whose answers have been seen to take longer.
  std::chrono::milliseconds ReplyWait() const;
  void WriteSendBuf();
  void Wake(int fd);
  void Post(int status, int value);
  void Trace(bool write, const Bytes& frame);
  void RestartPollTimer();

  const LinkOwner owner_;
  const LinkProfile profile_;

  // Queue state: Pending, LastUnforced, LastCode, Busy.
  mutable std::mutex queueLock_;
  std::list<Bytes> pending_;
  std::optional<std::list<Bytes>::iterator> lastUnforced_;
  std::uint8_t lastCode_ = 0;
  bool busy_ = false;

  // The frame in flight, filled on either thread, written by the worker.
  mutable std::mutex sendLock_;
  Bytes sendBuf_;
  bool sendRequested_ = false;

  // Bytes delivered from outside for the worker.
  std::mutex rxLock_;
  Bytes rxBuf_;

  // Worker-only state.
  FrameAssembler assembler_;
  bool awaitingReply_ = false;  // the frame written last has had no answer yet
  Bytes inFlight_;              // that frame
  std::vector<Clock::time_point> writeTimes_;  // of its copies, oldest first (the latest few)
  int graceAtStart_ = 0;        // uncounted resends granted when it was first written
  bool frameAbandoned_ = false;  // given up after the retries: never written again
  Clock::time_point lastWrite_{};
  Clock::time_point frameStart_{};  // its first write, or its latest status 0
  Clock::duration latency_{};       // of the latest answer tied to its write
  // The frame answered last and the write times of its copies whose answers
  // may still come: while one can, the next frame's time-outs neither
  // write nor count.
  Bytes answeredLast_;
  std::vector<Clock::time_point> lateCopies_;
  int retryCount_ = 0;
  int failTimeouts_ = 0;

  std::atomic<int> replyTimeout_{800};
  std::atomic<int> retryLimit_{2};
  std::atomic<int> graceResends_{0};
  std::atomic<bool> pollSuspended_{false};
  std::atomic<std::uint8_t> pollDeviceId_;
  std::atomic<int> pollInterval_{2000};

  std::atomic<bool> isOpen_{false};
  bool started_ = false;
  int wakeFd_ = -1;  // eventfd: send request or delivered bytes
  int stopFd_ = -1;  // eventfd: signalled once by Close, never drained
  std::unique_ptr<LinkTransport> transport_;
  std::unique_ptr<QTimer> pollTimer_;
  std::jthread worker_;
};
