// The window timer the windows use: Enabled, Interval (ms), OnTimer.
// Enabling a running timer does not restart it; a new Interval restarts an
// enabled one; disabling stops it. Runs on the UI thread.
#pragma once

#include <QObject>
#include <QTimer>

#include "platform/Form.h"

namespace platform {

class Timer : public QObject {
 public:
  explicit Timer(QObject* parent = nullptr, int interval = 1000);

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  int Interval() const { return interval_; }
  void SetInterval(int interval);

  Handler OnTimer;

 private:
  void restart();

  QTimer timer_;
  bool enabled_ = false;
  int interval_;
};

}  // namespace platform
