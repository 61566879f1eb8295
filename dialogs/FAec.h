// The echo-cancellation window: microphone, far-end (VCS) in and AEC out
// gains with their level bars, the noise-reduction level, the hidden speaker
// output group and meter labels, and two engineering panels placed outside
// the client area (register access of the AEC and of the codec).
#pragma once

#include "platform/Form.h"

class TfmAec : public platform::Form {
 public:
  TfmAec();
  void FormShow() override;
};

extern TfmAec* fmAec;
