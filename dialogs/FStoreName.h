// The preset name window, modeless over the preset lists: the name to store
// (store mode) or the chosen preset's name to confirm a recall.
#pragma once

#include <QLabel>
#include <QLineEdit>

#include "platform/Form.h"

class TUxBmpButton;

class TfmStoreName : public platform::Form {
 public:
  TfmStoreName();
  void FormShow() override;

  QLabel* lblPresetName;
  QLabel* lTitle;
  QLineEdit* edName;
  TUxBmpButton* btnOK;
  TUxBmpButton* bnCancel;
};

extern TfmStoreName* fmStoreName;
