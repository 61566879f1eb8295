// The sub control window: for the input side and the output side the
// channels under the sub volume, the volume and the mute.
#pragma once

#include "platform/Form.h"

class TfmSubCtrl : public platform::Form {
 public:
  TfmSubCtrl();
  void FormShow() override;
};

extern TfmSubCtrl* fmSubCtrl;
