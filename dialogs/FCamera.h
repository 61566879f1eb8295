// The camera-tracking window: the position the processor reports, the
// threshold, attack and release faders, and the inputs that take part, each
// with its lamp. The default-camera group is hidden.
#pragma once

#include "platform/Form.h"

class TfmCamera : public platform::Form {
 public:
  TfmCamera();
  void FormShow() override;
};

extern TfmCamera* fmCamera;
