// The about box: product name and version; OK closes it.
#pragma once

#include <QLabel>

#include "platform/Form.h"

class TUxBmpButton;

class TfmAbout : public platform::Form {
 public:
  TfmAbout();
  void FormShow() override;
  void btnOKClick(QObject* Sender);

  QLabel* ProductName;
  QLabel* Version;
  TUxBmpButton* btnOK;
};

extern TfmAbout* fmAbout;
