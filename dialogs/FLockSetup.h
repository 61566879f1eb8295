// The operation-lock setting: the password of four characters, Set and Exit,
// and the timer that closes the window after a setting.
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

  QLineEdit* edName;
  QLabel* lblLockPassword;
  TUxBmpButton* btnOK;
  TUxBmpButton* btnExit;
  platform::Timer* tmClose;
};

extern TfmLockSetup* fmLockSetup;
