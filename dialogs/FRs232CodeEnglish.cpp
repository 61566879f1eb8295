#include "dialogs/FRs232CodeEnglish.h"

TfmRs232CodeEnglish* fmRs232CodeEnglish = nullptr;

TfmRs232CodeEnglish::TfmRs232CodeEnglish() : TRs232CodeWindow(false) { setObjectName(QStringLiteral("fmRs232CodeEnglish")); }
