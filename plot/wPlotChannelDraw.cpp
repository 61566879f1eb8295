// TwPlotChannelCustom: the point-to-point trace, segment clipping and markers.
#include "plot/wPlotChannelCustom.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "plot/wPlotAxis.h"
#include "plot/wPlotComponent.h"
#include "plot/wPlotDataView.h"

using platform::TPoint;
using platform::TRect;

namespace {

// Width 1 is drawn as the cosmetic one-pixel pen.
int CanvasPenWidth(int Width) { return Width == 1 ? 0 : Width; }

platform::TPenStyle PenStyleOf(TwPlotLineStyle Style) { return static_cast<platform::TPenStyle>(Style); }

}  // namespace

// ---- trace ----

void TwPlotChannelCustom::DrawTrace(platform::Canvas& Canvas, bool XYReversed, platform::TColor BackGroundColor) {
  if (!FTraceVisible) return;
  Canvas.Pen.Color = Color();
  Canvas.Brush.Style = platform::bsClear;
  Canvas.Pen.Style = PenStyleOf(TraceLineStyle());
  Canvas.Pen.Width = CanvasPenWidth(TraceLineWidth());
  if (FStopIndex <= FStartIndex) return;
  bool first = true;
  double px = 0, py = 0;
  for (int i = FStartIndex; i <= FStopIndex; ++i) {
    double x, y;
    bool empty, null;
    GetXYEmptyNull(i, x, y, empty, null);
    if (empty) continue;
    if (null) {
      first = true;
      continue;
    }
    if (first) {
      first = false;
    } else {
      Canvas.Pen.Color = GetDataTraceColor(i);
      Canvas.Pen.Style = PenStyleOf(GetDataTraceStyle(i));
      Canvas.Pen.Width = CanvasPenWidth(GetDataTraceWidth(i));
      // Dashed pens have the background between their dashes.
      Canvas.Brush.Color = BackGroundColor;
      DrawSegment(Canvas, XYReversed, px, py, x, y, false);
    }
    px = x;
    py = y;
  }
}

double TwPlotChannelCustom::LineYAtX(double X1, double Y1, double X2, double Y2, double X) {
  if (X2 == X1) return 0;
  const double s = (Y2 - Y1) / (X2 - X1);
  return s * X + (Y1 - s * X1);
}

double TwPlotChannelCustom::LineXAtY(double X1, double Y1, double X2, double Y2, double Y) {
  if (X2 == X1) return X1;
  const double s = (Y2 - Y1) / (X2 - X1);
  return (Y - (Y1 - s * X1)) / s;
}

void TwPlotChannelCustom::DrawSegment(platform::Canvas& Canvas, bool XYReversed, double X1, double Y1, double X2,
                                      double Y2, bool YPercent) {
  const TwPlotAxis* xAxis = XAxis();
  const TwPlotAxis* yAxis = YAxis();
  if (!xAxis || !yAxis) return;
  double xl = X1, yl = Y1, xr = X2, yr = Y2;
  if (X1 > X2) {
    std::swap(xl, xr);
    std::swap(yl, yr);
  }
  const double xMin = xAxis->Min(), xMax = xAxis->Max();
  const auto inX = [&](double v) { return v >= xMin && v <= xMax; };
  if (!((xl < xMin && xr > xMax) || inX(xl) || inX(xr))) return;
  const bool yClip = !YPercent && FClipToAxes;
  const double yMin = yAxis->Min(), yMax = yAxis->Max();
  const auto inY = [&](double v) { return v >= yMin && v <= yMax; };
  if (yClip && !((yl < yMin && yr > yMax) || (yl > yMax && yr < yMin) || inY(yl) || inY(yr))) return;

  if (xl < xMin) {
    yl = LineYAtX(xl, yl, xr, yr, xMin);
    xl = xMin;
  }
  if (xr > xMax) {
    yr = LineYAtX(xl, yl, xr, yr, xMax);
    xr = xMax;
  }
  bool startOk, endOk;
  if (!yClip) {
    startOk = xAxis->ValueOnScale(xl);
    endOk = xAxis->ValueOnScale(xr);
  } else {
    if (yl > yMax) {
      xl = LineXAtY(xl, yl, xr, yr, yMax);
      yl = yMax;
    } else if (yl < yMin) {
      xl = LineXAtY(xl, yl, xr, yr, yMin);
      yl = yMin;
    }
    if (yr > yMax) {
      xr = LineXAtY(xl, yl, xr, yr, yMax);
      yr = yMax;
    } else if (yr < yMin) {
      xr = LineXAtY(xl, yl, xr, yr, yMin);
      yr = yMin;
    }
    startOk = xAxis->ValueOnScale(xl) && yAxis->ValueOnScale(yl);
    endOk = xAxis->ValueOnScale(xr) && yAxis->ValueOnScale(yr);
  }
  if (!FClipToAxes) startOk = endOk = true;
  if (!startOk || !endOk) return;

  const int px1 = xAxis->PositionToPixels(xl), px2 = xAxis->PositionToPixels(xr);
  int py1, py2;
  if (YPercent && Owner() && Owner()->DataViewCount()) {
    const TwPlotDataView* view = Owner()->GetDataView(0);
    py1 = XYReversed ? view->PositionPercentToPixelsX(yl) : view->PositionPercentToPixelsY(yl);
    py2 = XYReversed ? view->PositionPercentToPixelsX(yr) : view->PositionPercentToPixelsY(yr);
  } else {
    py1 = yAxis->PositionToPixels(yl);
    py2 = yAxis->PositionToPixels(yr);
  }
  const std::array<TPoint, 2> line = XYReversed ? std::array<TPoint, 2>{TPoint{py1, px1}, TPoint{py2, px2}}
                                                : std::array<TPoint, 2>{TPoint{px1, py1}, TPoint{px2, py2}};
  Canvas.Polyline(line);
}

// ---- markers ----

TPoint TwPlotChannelCustom::DataPointToPixel(int Index) const {
  const int px = XAxis()->PositionToPixels(GetDataX(Index));
  const int py = YAxis()->PositionToPixels(GetDataY(Index));
  return XYAxesReversed() ? TPoint{py, px} : TPoint{px, py};
}

bool TwPlotChannelCustom::MarkerDrawable(int Index) const {
  if (!MarkersVisible()) return false;
  if (GetDataNull(Index) || GetDataEmpty(Index)) return false;
  const TwPlotAxis* x = XAxis();
  const TwPlotAxis* y = YAxis();
  if (!x || !y) return false;
  if (FMarkersAllowIndividual && !GetDataMarkerVisible(Index)) return false;
  if (FClipToAxes && (!x->ValueOnScale(GetDataX(Index)) || !y->ValueOnScale(GetDataY(Index)))) return false;
  return true;
}

TRect TwPlotChannelCustom::MarkerRect(int Index) const {
  const int s = FMarkersAllowIndividual ? GetDataMarkerSize(Index) : MarkersSize();
  const TPoint c = DataPointToPixel(Index);
  return {c.X - s, c.Y - s, c.X + s, c.Y + s};
}

void TwPlotChannelCustom::DrawMarkers(platform::Canvas& Canvas, bool, platform::TColor BackGroundColor) {
  if (!MarkersVisible()) return;
  Canvas.Font = FMarkersFont;
  if (FMarkersTurnOffLimit > 0 && std::abs(FStopIndex - FStartIndex) > FMarkersTurnOffLimit) return;
  if (FStartIndex < 0) return;
  for (int i = FStartIndex; i <= FStopIndex; ++i)
    if (MarkerDrawable(i)) DrawMarker(Canvas, i, BackGroundColor, DataPointToPixel(i));
}

void TwPlotChannelCustom::DrawMarker(platform::Canvas& Canvas, int Index, platform::TColor BackGroundColor,
                                     TPoint Centre) {
  if (!MarkersVisible()) return;
  TwPlotMarkerStyle style;
  int r;
  QChar character = QChar(0);
  if (Index == -1 || !FMarkersAllowIndividual) {
    style = MarkersStyle();
    r = Index == -1 ? std::min(MarkersSize(), 6) : MarkersSize();
    Canvas.Pen.Width = MarkersPenWidth();
    Canvas.Pen.Style = MarkersPenStyle();
    Canvas.Pen.Color = FMarkersPenUseChannelColor ? Color() : MarkersPenColor();
    Canvas.Brush.Color = FMarkersBrushUseChannelColor ? Color() : MarkersBrushColor();
    Canvas.Brush.Style = MarkersBrushStyle();
    character = Index == -1 ? Stored().MarkerCharacter : GetDataMarkerCharacter(Index);
  } else {
    style = GetDataMarkerStyle(Index);
    r = GetDataMarkerSize(Index);
    Canvas.Pen.Width = GetDataMarkerPenWidth(Index);
    Canvas.Pen.Style = GetDataMarkerPenStyle(Index);
    Canvas.Pen.Color = FMarkersPenUseChannelColor ? Color() : GetDataMarkerPenColor(Index);
    Canvas.Brush.Color = FMarkersBrushUseChannelColor ? Color() : GetDataMarkerBrushColor(Index);
    Canvas.Brush.Style = GetDataMarkerBrushStyle(Index);
    character = GetDataMarkerCharacter(Index);
  }
  const int x = Centre.X, y = Centre.Y;
  const auto polyline = [&](TPoint a, TPoint b) {
    const std::array<TPoint, 2> p{a, b};
    Canvas.Polyline(p);
  };
  const auto polygon = [&](std::initializer_list<TPoint> p) { Canvas.Polygon(std::span<const TPoint>(p.begin(), p.size())); };
  switch (style) {
    case ipmsCircle: Canvas.Ellipse(x - r, y - r, x + r, y + r); break;
    case ipmsSquare: Canvas.Rectangle(x - r, y - r, x + r, y + r); break;
    case ipmsDiamond: polygon({{x + r, y}, {x, y + r}, {x - r, y}, {x, y - r}}); break;
    case ipmsCross:
      polyline({x + r, y + r}, {x - r, y - r});
      polyline({x + r, y - r}, {x - r, y + r});
      break;
    case ipmsPlus:
      polyline({x, y + r}, {x, y - r});
      polyline({x + r, y}, {x - r, y});
      break;
    case ipmsTriangleUp: polygon({{x - r, y + r}, {x, y}, {x + r, y + r}}); break;
    case ipmsTriangleDown: polygon({{x - r, y - r}, {x, y}, {x + r, y - r}}); break;
    case ipmsTriangleLeft: polygon({{x + r, y - r}, {x, y}, {x + r, y + r}}); break;
    case ipmsTriangleRight: polygon({{x - r, y - r}, {x, y}, {x - r, y + r}}); break;
    case ipmsVerticalLine: polyline({x, y - r}, {x, y + r}); break;
    case ipmsHorizontalLine: polyline({x - r, y}, {x + r, y}); break;
    case ipmsCharacter: {
      if (character.unicode() == 0) break;
      Canvas.Brush.Style = platform::bsClear;
      Canvas.Brush.Color = BackGroundColor;
      TRect cell{x, y, x, y};
      DrawTextFlags(Canvas, QString(character), cell, Canvas.Font.Color, true,
                    itfCenter | itfVCenter | itfSingleLine | itfNoClip);
      break;
    }
  }
}
