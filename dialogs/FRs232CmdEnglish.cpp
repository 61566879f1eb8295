#include "dialogs/FRs232CmdEnglish.h"

TfmRs232CmdEnglish* fmRs232CmdEnglish = nullptr;

TfmRs232CmdEnglish::TfmRs232CmdEnglish() : TRs232CmdWindow(false) { setObjectName(QStringLiteral("fmRs232CmdEnglish")); }
