// The factory-default confirmation, opened only while a processor is
// connected: OK asks the main window to send the factory reset, then closes.
#pragma once

#include <QLabel>

#include "platform/Form.h"

class TUxBmpButton;

class TfmFactory : public platform::Form {
 public:
  TfmFactory();
  void FormShow() override;
  void btnOKClick(QObject* Sender);
  void bnCancelClick(QObject* Sender);

  QLabel* lbMessage;
  TUxBmpButton* btnOK;
  TUxBmpButton* bnCancel;
  QLabel* Image1;
};

extern TfmFactory* fmFactory;
