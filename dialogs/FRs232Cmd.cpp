#include "dialogs/FRs232Cmd.h"

TfmRs232Cmd* fmRs232Cmd = nullptr;

TfmRs232Cmd::TfmRs232Cmd() : TRs232CmdWindow(true) { setObjectName(QStringLiteral("fmRs232Cmd")); }
