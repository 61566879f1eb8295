#include "dialogs/FRs232Code.h"

TfmRs232Code* fmRs232Code = nullptr;

TfmRs232Code::TfmRs232Code() : TRs232CodeWindow(true) { setObjectName(QStringLiteral("fmRs232Code")); }
