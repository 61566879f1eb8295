// One channel's name of eight characters, opened from the matrix page's
// channel labels.
#pragma once

#include <QLabel>
#include <QLineEdit>

#include "platform/Form.h"

class TUxBmpButton;

class TfmChannelName : public platform::Form {
 public:
  TfmChannelName();
  void FormShow() override;

  QLabel* lbChannelName;
  QLabel* lbChannel;
  QLineEdit* edName;
  TUxBmpButton* btnOK;
  TUxBmpButton* bnCancel;
};

extern TfmChannelName* fmChannelName;
