#include "platform/UiBridge.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QThread>

#include <condition_variable>
#include <memory>
#include <mutex>

namespace platform {
namespace {

struct Handover {
  std::mutex lock;
  std::condition_variable_any done;
  bool ran = false;
  bool dropped = false;  // the receiver had ended
  bool abandoned = false;
};

void queue(std::function<void()> call) {
  QCoreApplication* app = QCoreApplication::instance();
  if (!app) return;
  QMetaObject::invokeMethod(app, std::move(call), Qt::QueuedConnection);
}

}  // namespace

bool OnUiThread() {
  QCoreApplication* app = QCoreApplication::instance();
  return app && QThread::currentThread() == app->thread();
}

void UiPost(const UiGuard& receiver, std::function<void()> call) {
  if (OnUiThread()) {
    if (receiver.Alive()) call();
    return;
  }
  queue([receiver, call = std::move(call)] {
    if (receiver.Alive()) call();
  });
}

bool UiSend(const UiGuard& receiver, std::function<void()> call, std::stop_token stop) {
  if (OnUiThread()) {
    if (!receiver.Alive()) return false;
    call();
    return true;
  }
  if (!QCoreApplication::instance() || stop.stop_requested()) return false;
  auto state = std::make_shared<Handover>();
  queue([state, receiver, call = std::move(call)] {
    {
      std::lock_guard guard(state->lock);
      if (state->abandoned) return;
      if (!receiver.Alive()) {
        state->dropped = true;
        state->done.notify_all();
        return;
      }
    }
    // Run outside the lock: the call may take long, and an abandoning worker
    // must not block on it.
    call();
    std::lock_guard guard(state->lock);
    state->ran = true;
    state->done.notify_all();
  });
  std::unique_lock guard(state->lock);
  state->done.wait(guard, stop, [&] { return state->ran || state->dropped; });
  if (state->ran) return true;
  state->abandoned = true;
  return false;
}

}  // namespace platform
