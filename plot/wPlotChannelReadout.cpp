// TwPlotChannel: the data cursor's readout.
#include <cmath>
#include <limits>

#include "plot/wPlotAxis.h"
#include "plot/wPlotChannel.h"
#include "plot/wPlotDataCursor.h"
#include "plot/wPlotDataView.h"

namespace {
// The value of Axis under a pointer at Percent of the data view, taken
// through the view's pixels along the axis's direction (reversed axes stand
// the X axis upright).
double ValueAt(const TwPlotAxis* Axis, const TwPlotDataView* View, double Percent) {
  return Axis->PixelsToPosition(Axis->Horizontal() ? View->PositionPercentToPixelsX(Percent)
                                                   : View->PositionPercentToPixelsY(Percent));
}
}  // namespace

void TwPlotChannel::UpdateDataCursor(TwPlotDataCursor* DataCursor) {
  const TwPlotAxis* xAxis = XAxis();
  const TwPlotAxis* yAxis = YAxis();
  const TwPlotDataView* view = DataCursor->DataView();
  if (!xAxis || !yAxis || !view) return;
  const double p1 = DataCursor->Pointer1Position(), p2 = DataCursor->Pointer2Position();
  const double x1 = ValueAt(xAxis, view, p1), x2 = ValueAt(xAxis, view, p2);
  TwPlotDataPointStatus status = ipdpsValid;
  double X = 0, Y = 0;
  switch (DataCursor->Style()) {
    case ipcsValueXY:
    case ipcsValueX:
    case ipcsValueY:
      X = x1;
      status = GetYAtX(x1, Y);
      break;
    case ipcsDeltaX: X = xAxis->CursorScaler * std::fabs(x1 - x2); break;
    case ipcsInverseDeltaX: {
      const double d = std::fabs(x1 - x2);
      X = d != 0 && xAxis->CursorScaler != 0 ? 1 / (d * xAxis->CursorScaler)
                                             : std::numeric_limits<double>::infinity();
      break;
    }
    case ipcsDeltaY: Y = std::fabs(ValueAt(yAxis, view, p1) - ValueAt(yAxis, view, p2)); break;
  }
  DataCursor->SetValues(status, X, Y);
  BuildDataCursorText(DataCursor, status, Y, X);
}

QString TwPlotChannel::DataCursorValidYText(double Y) const {
  if (!FDigitalEnabled) return GetYValueText(Y);
  return TranslateText(Y != 0 ? QStringLiteral("High") : QStringLiteral("Low"));
}

QString TwPlotChannel::DataCursorInverseXText(double X) const { return XAxis()->GetCursorValueText(X); }
