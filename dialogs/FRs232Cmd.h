// The remote-control code builder with Chinese captions.
#pragma once

#include "dialogs/Rs232CmdWindow.h"

class TfmRs232Cmd : public TRs232CmdWindow {
 public:
  TfmRs232Cmd();
};

extern TfmRs232Cmd* fmRs232Cmd;
