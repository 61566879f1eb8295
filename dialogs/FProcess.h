// The transfer progress window: a passive display the transfer code drives
// (status text, bar position and maximum, modal show, hide at the end). It
// stays on top, has no system buttons and ignores Escape, so only the
// transfer that opened it can take it away.
#pragma once

#include <QStatusBar>

#include "platform/Form.h"

class TExProgressBar;

class TfmProcess : public platform::Form {
 public:
  TfmProcess();
  void FormShow() override;

  TExProgressBar* ProgressBar;
  QStatusBar* StatusBar;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};

extern TfmProcess* fmProcess;
