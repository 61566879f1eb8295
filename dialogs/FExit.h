// The quit confirmation: shown modelessly by the main window's close request
// and modally from File > Exit. OK sends the end command, confirms the exit
// and starts the main window's close timer; the dialog stays up until the
// program ends. Cancel closes it and withdraws the confirmation, so the main
// window refuses to close again until a new OK.
#pragma once

#include <QLabel>

#include "platform/Form.h"

class TUxBmpButton;

class TfmExit : public platform::Form {
 public:
  TfmExit();
  void FormShow() override;
  void btnOKClick(QObject* Sender);
  void bnCancelClick(QObject* Sender);

  QLabel* lbExit;
  TUxBmpButton* btnOK;
  TUxBmpButton* btnCancel;
  QLabel* Image1;
};

extern TfmExit* fmExit;
