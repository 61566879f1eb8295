// The automix window: per input a strip with the automix switch, the weight
// knob and text and the level bar; beside them the effect gain and the ratio
// and time settings (the time group lies beneath the ratio group).
#pragma once

#include "platform/Form.h"

class TfmAutoMix : public platform::Form {
 public:
  TfmAutoMix();
  void FormShow() override;
};

extern TfmAutoMix* fmAutoMix;
