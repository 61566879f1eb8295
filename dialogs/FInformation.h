// The one-line information box through which the other windows report
// failures: the caller writes its message into lbMessage and shows the box
// modally; OK closes it. The message stays until a caller writes another.
#pragma once

#include <QLabel>

#include "platform/Form.h"

class TUxBmpButton;

class TfmInformation : public platform::Form {
 public:
  TfmInformation();
  void FormShow() override;
  void btnOKClick(QObject* Sender);

  QLabel* lbMessage;
  TUxBmpButton* btnOK;
};

extern TfmInformation* fmInformation;
