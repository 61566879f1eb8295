#include "dialogs/FStorePreset.h"

TfmStorePreset* fmStorePreset = nullptr;

TfmStorePreset::TfmStorePreset() : TPresetListWindow(false, "SID_SAVE_PRESET", QStringLiteral("Store Preset")) {
  setObjectName(QStringLiteral("fmStorePreset"));
}
