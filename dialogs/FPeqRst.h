// The equaliser-reset confirmation. The caller names the channel with
// SetChannel before showing it; OK hides the window first, resets that
// channel's equaliser through the main window, then closes.
#pragma once

#include "dialogs/ConfirmationForm.h"

class TfmPeqRst : public TConfirmationForm {
 public:
  TfmPeqRst();
  void btnOKClick(QObject* Sender) override;
  // The channel OK resets (0-15, 18 the effect channel).
  void SetChannel(int channel) { Channel = channel; }
  int Channel = 0;

  QLabel* const lbReset = Message;
  TUxBmpButton* const btnCancel = Cancel;
};

extern TfmPeqRst* fmPeqRst;
