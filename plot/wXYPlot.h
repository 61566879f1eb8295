// TwXYPlot: the plot control of the transfer curves: a TwPlotComponent whose
// channels are TwXYPlotChannel. A new plot holds "Toolbar 1" (top row 3),
// "Legend 1" (right, row 2), "X-Axis 1" (below the data view), "Y-Axis 1"
// (left of it), "Channel 1" (red, on those axes), "Data View 1" (grid on
// those axes), "Cursor 1" and the title label "Title" ("Untitled", top row
// 2). The windows fill channels through GetChannel(i).DeletePoints / AddXY.
#pragma once

#include "plot/wPlotAxis.h"
#include "plot/wPlotComponent.h"
#include "plot/wPlotDataView.h"
#include "plot/wPlotKinds.h"
#include "plot/wXYPlotChannel.h"

class TwXYPlot : public TwPlotComponent {
  Q_OBJECT
 public:
  explicit TwXYPlot(QWidget* parent = nullptr);

  // Throws std::out_of_range("List index out of bounds (n)"), or
  // std::bad_cast for a channel of another class.
  TwXYPlotChannel* GetChannel(int Index) const;

  TwPlotXAxis* XAxis() const { return GetXAxis(0); }
  TwPlotYAxis* YAxis() const { return GetYAxis(0); }

  int Tag() const;
  void SetTag(int v);

  QSize sizeHint() const override { return QSize(500, 200); }
};

// What the windows' forms set on each of their plots: the plot's own
// settings and the common settings of its default objects (toolbar, legend,
// title and cursor hidden; axes, legend and data view out of the mouse's way).
// Both axes run from -100 to +20 with a major tick on 20 every 10 (the main
// window's X axes take 20), yellow labels, no scale lines or tick marks and
// no tracking; the data view draws the grid of X axis 0 and Y axis 0.
void SetupFormPlot(TwXYPlot* Plot);

// What the transfer-curve forms set on their plot's channels, adding channels
// up to Channels: channel 0 is the curve (white, width 2); channels 1 and 2
// mark the threshold (RGB 255, 128, 128) and the target (RGB 255, 255, 128)
// with one circle marker of size 5 and pen width 3 (dotted trace of width 5).
// Every channel is a standard store on "X-Axis 1" / "Y-Axis 1" whose markers
// are never turned off. Set before the first AddXY: with
// MarkersAllowIndividual a point takes its marker bits when it is added.
void SetupTransferChannels(TwXYPlot* Plot, int Channels);
