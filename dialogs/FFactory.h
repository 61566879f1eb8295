// The factory-default confirmation, opened only while a processor is
// connected: OK asks the main window to send the factory reset, then closes.
#pragma once

#include "dialogs/ConfirmationForm.h"

class TfmFactory : public TConfirmationForm {
 public:
  TfmFactory();
  void btnOKClick(QObject* Sender) override;

  QLabel* const lbMessage = Message;
  TUxBmpButton* const bnCancel = Cancel;
};

extern TfmFactory* fmFactory;
