// TwPlotChannel: the channel of the time-series plot, whose points follow
// one another along X. So far it draws like an XY channel over its whole
// store; the plot's wheel relay reports wheel turns on channels of this class
// and not on XY channels.
#pragma once

#include "plot/wPlotChannelCustom.h"

class TwPlotChannel : public TwPlotChannelCustom {
 public:
  using TwPlotChannelCustom::TwPlotChannelCustom;

  void CalcDrawStartIndex() override { FStartIndex = Count() ? 0 : -1; }
  void CalcDrawStopIndex() override { FStopIndex = Count() - 1; }
  double GetFitXMax() override { return -1e300; }
  double GetFitXMin() override { return 1e300; }
  double GetFitYMax() override { return -1e300; }
  double GetFitYMin() override { return 1e300; }
};
