// The quit confirmation: shown modelessly by the main window's close request
// and modally from File > Exit. OK sends the end command, confirms the exit
// and starts the main window's close timer; the dialog stays up until the
// program ends. Cancel closes it and withdraws the confirmation, so the main
// window refuses to close again until a new OK.
#pragma once

#include "dialogs/ConfirmationForm.h"

class TfmExit : public TConfirmationForm {
 public:
  TfmExit();
  void btnOKClick(QObject* Sender) override;
  void bnCancelClick(QObject* Sender) override;

  QLabel* const lbExit = Message;
  TUxBmpButton* const btnCancel = Cancel;
};

extern TfmExit* fmExit;
