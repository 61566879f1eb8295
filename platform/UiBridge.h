// Hand-over from worker threads (the links) to the user-interface thread.
//
// Post queues a call and returns at once (link-state messages). Send queues a
// call and waits until the UI thread has run it (a reply frame), or until the
// worker's stop is requested. A call not yet started when its wait is abandoned
// never runs; one already running finishes while the worker goes on (it may be
// the very call that closes the link), so calls capture their data by value and
// refer to nothing the worker owns. Plain C++ interface; the Qt event loop is
// behind it. Called on the UI thread itself, both run the call at once.
//
// A call that refers to an object of the UI thread (a window, a controller) is
// posted with that object's guard: its receiver holds a UiReceiver, and a call
// whose receiver has ended by the time the UI thread gets to it is dropped
// unrun. The receiver ends on the UI thread, where the calls run, so a call
// never starts on a receiver that is gone. An empty guard belongs to calls that
// hold everything they touch by value; they always run.
#pragma once

#include <functional>
#include <memory>
#include <stop_token>

namespace platform {

class UiGuard {
 public:
  UiGuard() = default;
  // False once the receiver has ended; always true for an empty guard.
  // Meaningful on the UI thread.
  bool Alive() const { return !guarded_ || !token_.expired(); }

 private:
  friend class UiReceiver;
  explicit UiGuard(std::weak_ptr<const void> token) : token_(std::move(token)), guarded_(true) {}
  std::weak_ptr<const void> token_;
  bool guarded_ = false;
};

// Held by a receiver of posted calls; ends with it at the latest.
class UiReceiver {
 public:
  UiReceiver() = default;
  UiReceiver(const UiReceiver&) = delete;
  UiReceiver& operator=(const UiReceiver&) = delete;

  // Any thread may take the guard and post with it.
  UiGuard Guard() const { return UiGuard(weak_); }
  // Drops every call posted with the guard that has not run yet, and every
  // later one (UI thread). A receiver calls it first in its destructor,
  // before its members go.
  void End() { token_.reset(); }

 private:
  std::shared_ptr<const char> token_ = std::make_shared<const char>('\0');
  const std::weak_ptr<const void> weak_{token_};  // never written again: safe to copy anywhere
};

void UiPost(const UiGuard& receiver, std::function<void()> call);
inline void UiPost(std::function<void()> call) { UiPost(UiGuard(), std::move(call)); }

// Returns true when the UI thread ran the call, false when stop was requested
// first or the receiver had ended (the call is then dropped).
bool UiSend(const UiGuard& receiver, std::function<void()> call, std::stop_token stop);
inline bool UiSend(std::function<void()> call, std::stop_token stop) {
  return UiSend(UiGuard(), std::move(call), std::move(stop));
}

// True on the thread that runs the event loop.
bool OnUiThread();

}  // namespace platform
