// Hand-over from worker threads (the links) to the user-interface thread.
//
// Post queues a call and returns at once (link-state messages). Send queues a
// call and waits until the UI thread has run it (a reply frame), or until the
// worker's stop is requested. A call not yet started when its wait is abandoned
// never runs; one already running finishes while the worker goes on (it may be
// the very call that closes the link), so calls capture their data by value and
// refer to nothing the worker owns. Plain C++ interface; the Qt event loop is
// behind it. Called on the UI thread itself, both run the call at once.
#pragma once

#include <functional>
#include <stop_token>

namespace platform {

void UiPost(std::function<void()> call);

// Returns true when the UI thread ran the call, false when stop was requested
// first (the call is then dropped).
bool UiSend(std::function<void()> call, std::stop_token stop);

// True on the thread that runs the event loop.
bool OnUiThread();

}  // namespace platform
