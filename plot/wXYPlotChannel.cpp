#include "plot/wXYPlotChannel.h"

#include <algorithm>

#include "plot/wPlotAxis.h"

int TwXYPlotChannel::AddNull() { return AddToStore(0, 0, true, false); }
int TwXYPlotChannel::AddEmpty() { return AddToStore(0, 0, false, true); }

void TwXYPlotChannel::CalcDrawStartIndex() { FStartIndex = Count() ? 0 : -1; }
void TwXYPlotChannel::CalcDrawStopIndex() { FStopIndex = Count() - 1; }

void TwXYPlotChannel::PrepareDraw(platform::Canvas&) {
  FCanDraw = false;
  if (!AxesAssigned() || !Visible() || Count() == 0) return;
  CalcDrawStartIndex();
  CalcDrawStopIndex();
  FCanDraw = FStartIndex != -1 && FStopIndex != -1;
}

void TwXYPlotChannel::Draw(platform::Canvas& Canvas, platform::TColor BackGroundColor) {
  const TwPlotAxis* x = XAxis();
  const TwPlotAxis* y = YAxis();
  if (!x || !y) return;
  try {
    Canvas.Save();
    if (ClipToAxes()) {
      int x1 = x->GetMinPixels(), y1 = y->GetMinPixels(), x2 = x->GetMaxPixels(), y2 = y->GetMaxPixels();
      if (XYAxesReversed()) {
        std::swap(x1, y1);
        std::swap(x2, y2);
      }
      Canvas.IntersectClipRect({std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)});
    }
    DrawTrace(Canvas, XYAxesReversed(), BackGroundColor);
    DrawMarkers(Canvas, XYAxesReversed(), BackGroundColor);
    Canvas.Restore();
  } catch (const std::exception&) {
    // A channel that cannot draw simply stops for this paint.
    Canvas.Restore();
  }
}

template <class F>
double TwXYPlotChannel::Fit(double Start, F Value, bool Larger) {
  CalcDrawStartIndex();
  CalcDrawStopIndex();
  if (!AxesAssigned() || !Visible() || FStartIndex == -1 || FStopIndex == -1) return Start;
  double v = Start;
  for (int i = 0; i < Count(); ++i) {
    if (!GetDataValid(i)) continue;
    const double w = Value(i);
    v = Larger ? std::max(v, w) : std::min(v, w);
  }
  return v;
}

double TwXYPlotChannel::GetFitXMax() { return Fit(-1e300, [this](int i) { return XPlusMarker(i); }, true); }
double TwXYPlotChannel::GetFitXMin() { return Fit(1e300, [this](int i) { return XMinusMarker(i); }, false); }
double TwXYPlotChannel::GetFitYMax() { return Fit(-1e300, [this](int i) { return YPlusMarker(i); }, true); }
double TwXYPlotChannel::GetFitYMin() { return Fit(1e300, [this](int i) { return YMinusMarker(i); }, false); }
