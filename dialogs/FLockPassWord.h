// The unlock prompt the main window shows while connecting to a processor
// whose operation lock is set: the password of four characters, OK and
// Cancel, and the two polling timers.
#pragma once

#include <QLabel>
#include <QLineEdit>

#include "platform/Form.h"

class TUxBmpButton;
namespace platform {
class Timer;
}

class TfmLockPassWord : public platform::Form {
 public:
  TfmLockPassWord();
  void FormShow() override;

  QLineEdit* edName;
  QLabel* lblLockPassword;
  TUxBmpButton* btnOK;
  TUxBmpButton* bnCancel;
  platform::Timer* tmCheck;
  platform::Timer* tmCmd;
};

extern TfmLockPassWord* fmLockPassWord;
