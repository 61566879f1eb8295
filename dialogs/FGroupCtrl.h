// The group control window: four input groups (A-D) and four output groups
// (1-4), each with its channel selection, volume and mute.
#pragma once

#include "platform/Form.h"

class TfmGroupCtrl : public platform::Form {
 public:
  TfmGroupCtrl();
  void FormShow() override;
};

extern TfmGroupCtrl* fmGroupCtrl;
