// The equaliser-reset confirmation. The caller names the channel with
// SetChannel before showing it; OK hides the window first, resets that
// channel's equaliser through the main window, then closes.
#pragma once

#include <QLabel>

#include "platform/Form.h"

class TUxBmpButton;

class TfmPeqRst : public platform::Form {
 public:
  TfmPeqRst();
  void FormShow() override;
  void btnOKClick(QObject* Sender);
  void bnCancelClick(QObject* Sender);
  // The channel OK resets (0-15, 18 the effect channel).
  void SetChannel(int channel) { Channel = channel; }
  int Channel = 0;

  QLabel* lbReset;
  TUxBmpButton* btnOK;
  TUxBmpButton* btnCancel;
  QLabel* Image1;
};

extern TfmPeqRst* fmPeqRst;
