// The preset store list: the user presets U01..U21.
#pragma once

#include "dialogs/PresetListWindow.h"

class TfmStorePreset : public TPresetListWindow {
 public:
  TfmStorePreset();
};

extern TfmStorePreset* fmStorePreset;
