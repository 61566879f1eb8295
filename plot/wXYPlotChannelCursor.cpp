// TwXYPlotChannel: the data cursor's readout.
#include <cmath>
#include <limits>

#include "plot/wPlotAxis.h"
#include "plot/wPlotDataCursor.h"
#include "plot/wPlotDataView.h"
#include "plot/wXYPlotChannel.h"

namespace {
// The value of an axis under a pointer at Percent of the data view. An axis
// over part of the data view goes through the view's pixels, so that the
// value is the one under the line.
double ValueAt(const TwPlotAxis* Axis, const TwPlotDataView* View, double Percent, bool XDirection) {
  if (View && (Axis->StartPercent() != 0 || Axis->StopPercent() != 100))
    return Axis->PixelsToPosition(XDirection ? View->PositionPercentToPixelsX(Percent)
                                             : View->PositionPercentToPixelsY(Percent));
  return Axis->PercentToPosition(Percent / 100);
}
}  // namespace

void TwXYPlotChannel::UpdateDataCursor(TwPlotDataCursor* DataCursor) {
  double X = 0, Y = 0;
  const TwPlotAxis* xAxis = XAxis();
  const TwPlotAxis* yAxis = YAxis();
  if (xAxis && yAxis) {
    const TwPlotDataView* view = DataCursor->DataView();
    const double p1 = DataCursor->Pointer1Position(), p2 = DataCursor->Pointer2Position();
    const double x1 = ValueAt(xAxis, view, p1, true), x2 = ValueAt(xAxis, view, p2, true);
    const double y1 = ValueAt(yAxis, view, p1, false), y2 = ValueAt(yAxis, view, p2, false);
    switch (DataCursor->Style()) {
      case ipcsValueXY:
        X = x1;
        Y = y2;
        break;
      case ipcsValueX: X = x1; break;
      case ipcsValueY: Y = y2; break;
      case ipcsDeltaX: X = std::fabs(x1 - x2); break;
      case ipcsDeltaY: Y = std::fabs(y1 - y2); break;
      case ipcsInverseDeltaX:
        X = x1 == x2 || xAxis->CursorScaler == 0 ? std::numeric_limits<double>::infinity()
                                                 : std::fabs(1 / (xAxis->CursorScaler * (x1 - x2)));
        break;
    }
  }
  DataCursor->SetValues(ipdpsValid, X, Y);
  BuildDataCursorText(DataCursor, ipdpsValid, Y, X);
}
