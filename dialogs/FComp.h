// The effect channel's compressor window: threshold, attack, release and
// ratio faders with their value boxes, the activity lamp and the transfer
// curve plot (channel 0 the curve, channel 1 the marker).
#pragma once

#include <cstdint>

#include "platform/Form.h"

class TfmComp : public platform::Form {
 public:
  TfmComp();
  void FormShow() override;

  // Set while the main window moves the faders to the stored words: the
  // change handlers then only refresh their texts and the curve.
  std::uint8_t Loading = 0;
  void SetLoading(std::uint8_t v) { Loading = v; }
};

extern TfmComp* fmComp;
