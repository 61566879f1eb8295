#include "dialogs/FRecallPreset.h"

TfmRecallPreset* fmRecallPreset = nullptr;

TfmRecallPreset::TfmRecallPreset() : TPresetListWindow(true, "SID_RECALL_PRESET", QStringLiteral("Recall Preset")) {
  setObjectName(QStringLiteral("fmRecallPreset"));
}
