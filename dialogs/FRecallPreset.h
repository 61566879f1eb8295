// The preset recall list: the factory preset F00 and the user presets U01..U21.
#pragma once

#include "dialogs/PresetListWindow.h"

class TfmRecallPreset : public TPresetListWindow {
 public:
  TfmRecallPreset();
};

extern TfmRecallPreset* fmRecallPreset;
