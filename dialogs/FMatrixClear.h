// The clear-matrix confirmation: OK hides the window first, so that it is
// gone before the main window clears every routing, then closes it.
#pragma once

#include <QLabel>

#include "platform/Form.h"

class TUxBmpButton;

class TfmMatrixClear : public platform::Form {
 public:
  TfmMatrixClear();
  void FormShow() override;
  void btnOKClick(QObject* Sender);
  void bnCancelClick(QObject* Sender);

  QLabel* lbReset;
  TUxBmpButton* btnOK;
  TUxBmpButton* btnCancel;
  QLabel* Image1;
};

extern TfmMatrixClear* fmMatrixClear;
