// The echo and reverb window: four echo faders, four reverb faders and the
// effect volume, each with its value box and label.
#pragma once

#include "platform/Form.h"

class TfmRvb : public platform::Form {
 public:
  TfmRvb();
  void FormShow() override;
};

extern TfmRvb* fmRvb;
