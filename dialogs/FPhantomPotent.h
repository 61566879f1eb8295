// The analog input gain and phantom power window (modeless): per input a
// gain fader of -32..0 steps with its value box and the +48V switch.
#pragma once

#include "platform/Form.h"

class TUxGroupBox;

class TfmPhantomPotent : public platform::Form {
 public:
  TfmPhantomPotent();
};

extern TfmPhantomPotent* fmPhantomPotent;
