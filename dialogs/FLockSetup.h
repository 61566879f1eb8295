// The operation-lock setting. Every showing proposes the password "0947",
// wholly selected; letters are turned to capitals as typed, at most four
// characters. Set (or Enter in the edit) sends the password (CM_MCS_SET_LOCK,
// 4 bytes of the device code page, zero bytes after a shorter text) forced
// and starts tmClose; 100 ms later tmClose starts the main window's
// tmDisconnect and closes the window, so setting a lock always ends the
// connection. Exit, Escape and the close box close without sending.
#pragma once

#include <QLabel>
#include <QLineEdit>

#include "platform/Form.h"

class TUxBmpButton;
namespace platform {
class Timer;
}

class TfmLockSetup : public platform::Form {
 public:
  TfmLockSetup();
  void FormShow() override;
  void UxBmpButton1Click(QObject* Sender);  // btnOK
  void edNameKeyDown(QObject* Sender, int& Key, Qt::KeyboardModifiers Shift);
  void btnExitClick(QObject* Sender);
  void tmCloseTimer(QObject* Sender);

  QLineEdit* edName;
  QLabel* lblLockPassword;
  TUxBmpButton* btnOK;
  TUxBmpButton* btnExit;
  platform::Timer* tmClose;
};

extern TfmLockSetup* fmLockSetup;
