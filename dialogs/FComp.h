// The effect channel's compressor window: threshold, attack, release and
// ratio faders with their value boxes, the activity lamp and the transfer
// curve plot (channel 0 the curve, channel 1 the marker).
#pragma once

#include "platform/Form.h"

class TfmComp : public platform::Form {
 public:
  TfmComp();
  void FormShow() override;
};

extern TfmComp* fmComp;
