#include "platform/Timer.h"

namespace platform {

Timer::Timer(QObject* parent, int interval) : QObject(parent), interval_(interval) {
  // A coarse timer may fire up to 5 % early; periods such as the meter poll
  // and the watchdogs must never be shorter than set.
  timer_.setTimerType(Qt::PreciseTimer);
  connect(&timer_, &QTimer::timeout, this, [this] {
    if (enabled_ && OnTimer) OnTimer(this);
  });
}

void Timer::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  restart();
}

void Timer::SetInterval(int interval) {
  if (interval == interval_) return;
  interval_ = interval;
  restart();
}

void Timer::restart() {
  timer_.stop();
  if (enabled_ && interval_ > 0) timer_.start(interval_);
}

}  // namespace platform
