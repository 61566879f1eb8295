// The channel copy window: one input onto another, or one output onto
// another.
#pragma once

#include "platform/Form.h"

class TUxBmpButton;
class TUxComboBox;

class TfmCopy : public platform::Form {
 public:
  TfmCopy();
  void FormShow() override;

  TUxComboBox* cbInSource;
  TUxComboBox* cbInDestination;
  TUxBmpButton* bnInChCopy;
  TUxComboBox* cbOutSource;
  TUxComboBox* cbOutDestination;
  TUxBmpButton* bnOutChCopy;
  TUxBmpButton* bnExit;
};

extern TfmCopy* fmCopy;
