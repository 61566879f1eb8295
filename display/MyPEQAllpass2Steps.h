// TMyPEQAllpass2Steps: the equaliser grid with seven filter types (no band
// pass or band stop) and gain steps of 0.2 dB. Typed gains stay within
// +-20 dB and move down to a multiple of 0.2 dB toward zero ("0.3" shows
// 0.2dB); the gain up-down spans +-24 dB. The type names are entries 0 ... 6
// of the type strings and the bypass caption entry 7. Everything else is the
// grid of TMyPEQAllpassBandPassStop.
#pragma once

#include "display/MyPEQAllpassBandPassStop.h"

class TMyPEQAllpass2Steps : public TMyPEQAllpassBandPassStop {
  Q_OBJECT
 public:
  explicit TMyPEQAllpass2Steps(QWidget* parent = nullptr);
};
