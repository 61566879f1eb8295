// The clear-matrix confirmation: OK hides the window first, so that it is
// gone before the main window clears every routing, then closes it.
#pragma once

#include "dialogs/ConfirmationForm.h"

class TfmMatrixClear : public TConfirmationForm {
 public:
  TfmMatrixClear();
  void btnOKClick(QObject* Sender) override;

  QLabel* const lbReset = Message;
  TUxBmpButton* const btnCancel = Cancel;
};

extern TfmMatrixClear* fmMatrixClear;
