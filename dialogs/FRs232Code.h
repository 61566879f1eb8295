// The Chinese edition of the serial remote-control protocol document.
#pragma once

#include "dialogs/Rs232CodeWindow.h"

class TfmRs232Code : public TRs232CodeWindow {
 public:
  TfmRs232Code();
};

extern TfmRs232Code* fmRs232Code;
