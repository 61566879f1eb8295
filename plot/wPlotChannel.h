// TwPlotChannel: the channel of the time-series plot, whose points follow
// one another along X. Only its class exists so far: the plot's wheel relay
// reports wheel turns on channels of this class and not on XY channels.
#pragma once

#include "plot/wPlotChannelCustom.h"

class TwPlotChannel : public TwPlotChannelCustom {
 public:
  using TwPlotChannelCustom::TwPlotChannelCustom;
};
