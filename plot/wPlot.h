// TwPlot: the time-series plot: a TwPlotComponent whose channels are
// TwPlotChannel, with the same default objects as TwXYPlot ("Toolbar 1",
// "Legend 1", "X-Axis 1", "Y-Axis 1", "Channel 1", "Data View 1", "Cursor 1"
// and the label "Title"), created inside one BeginUpdate ... EndUpdate so that
// they cause one repaint at most.
#pragma once

#include "plot/wPlotAxis.h"
#include "plot/wPlotChannel.h"
#include "plot/wPlotComponent.h"

class TwPlot : public TwPlotComponent {
  Q_OBJECT
 public:
  explicit TwPlot(QWidget* parent = nullptr);

  // Throws std::out_of_range("List index out of bounds (n)"), or
  // std::bad_cast for a channel of another class.
  TwPlotChannel* GetChannel(int Index) const;

  TwPlotXAxis* XAxis() const { return GetXAxis(0); }
  TwPlotYAxis* YAxis() const { return GetYAxis(0); }

  QSize sizeHint() const override { return QSize(500, 200); }
};
