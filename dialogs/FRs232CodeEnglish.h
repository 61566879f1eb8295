// The English edition of the serial remote-control protocol document.
#pragma once

#include "dialogs/Rs232CodeWindow.h"

class TfmRs232CodeEnglish : public TRs232CodeWindow {
 public:
  TfmRs232CodeEnglish();
};

extern TfmRs232CodeEnglish* fmRs232CodeEnglish;
