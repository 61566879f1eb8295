// The remote-control code builder with English captions.
#pragma once

#include "dialogs/Rs232CmdWindow.h"

class TfmRs232CmdEnglish : public TRs232CmdWindow {
 public:
  TfmRs232CmdEnglish();
};

extern TfmRs232CmdEnglish* fmRs232CmdEnglish;
