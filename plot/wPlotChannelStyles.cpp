// TwPlotChannel: the drawing styles (fill, bars, high-low, fast, step,
// digital and smooth traces, digital markers).
#include <algorithm>
#include <cmath>

#include "controls/wDataTypes.h"
#include "controls/wException.h"
#include "controls/wMath.h"
#include "plot/wPlotAxis.h"
#include "plot/wPlotChannel.h"

using platform::TPoint;
using platform::TRect;

namespace {

int CanvasPenWidth(int Width) { return Width == 1 ? 0 : Width; }

TRect Ordered(int X1, int Y1, int X2, int Y2) {
  return {std::min(X1, X2), std::min(Y1, Y2), std::max(X1, X2), std::max(Y1, Y2)};
}

}  // namespace

void TwPlotChannel::Draw(platform::Canvas& Canvas, platform::TColor BackGroundColor) {
  const TwPlotAxis* x = XAxis();
  const TwPlotAxis* y = YAxis();
  if (!x || !y) return;
  Canvas.Save();
  try {
    const bool reversed = XYAxesReversed();
    if (ClipToAxes()) {
      int x1 = x->GetMinPixels(), y1 = y->GetMinPixels(), x2 = x->GetMaxPixels(), y2 = y->GetMaxPixels();
      if (reversed) {
        std::swap(x1, y1);
        std::swap(x2, y2);
      }
      Canvas.IntersectClipRect(Ordered(x1, y1, x2, y2));
    }
    DrawFill(Canvas, reversed, BackGroundColor);
    DrawBars(Canvas, reversed, BackGroundColor);
    DrawTrace(Canvas, reversed, BackGroundColor);
    DrawMarkers(Canvas, reversed, BackGroundColor);
    if (FHighLowStyle == iphlsOpenClose)
      DrawOpenClose(Canvas, reversed, BackGroundColor);
    else
      DrawCandleStick(Canvas, reversed, BackGroundColor);
  } catch (const std::exception&) {
    // A channel that cannot draw simply stops for this paint.
  }
  Canvas.Restore();
}

// ---- shared ----

platform::TColor TwPlotChannel::FillBrushColor() const { return FFillUseChannelColor ? Color() : FFillColor; }

void TwPlotChannel::SetFillBrush(platform::Canvas& Canvas, platform::TColor) const {
  Canvas.Brush.Style = FFillStyle;
  Canvas.Brush.Color = FillBrushColor();
}

void TwPlotChannel::FillPolygon(platform::Canvas& Canvas, bool XYReversed, double X1, double Y1, double X2, double Y2,
                                double X3, double Y3, double X4, double Y4) {
  const TwPlotAxis* x = XAxis();
  const TwPlotAxis* y = YAxis();
  auto p = [&](double vx, double vy) {
    const int px = x->PositionToPixels(vx), py = y->PositionToPixels(vy);
    return XYReversed ? TPoint{py, px} : TPoint{px, py};
  };
  const TPoint points[4] = {p(X1, Y1), p(X2, Y2), p(X3, Y3), p(X4, Y4)};
  Canvas.Polygon(points);
}

TRect TwPlotChannel::ValueRectToPixels(bool XYReversed, double X1, double Y1, double X2, double Y2) const {
  const TwPlotAxis* x = XAxis();
  const TwPlotAxis* y = YAxis();
  const int px1 = x->PositionToPixels(X1), px2 = x->PositionToPixels(X2);
  const int py1 = y->PositionToPixels(Y1), py2 = y->PositionToPixels(Y2);
  return XYReversed ? Ordered(py1, px1, py2, px2) : Ordered(px1, py1, px2, py2);
}

void TwPlotChannel::SetPixelPoint(int XPixel, double YValue) {
  if (XPixel < FPixelListStart || XPixel > FPixelListStop) throw TwException("Pixel List XPixel out of Range");
  TwPlotPixelPoint& p = FPixelList[std::size_t(XPixel - FPixelListStart)];
  p.Null = false;
  p.XPixel = XPixel;
  p.YValue = YValue;
}

// ---- fill and bars ----

void TwPlotChannel::DrawFill(platform::Canvas& Canvas, bool XYReversed, platform::TColor BackGroundColor) {
  if (!FFillEnabled || FFillStyle == platform::bsClear || FInterpolationStyle != ipistStraightLine ||
      FDigitalEnabled || FStartIndex < 0)
    return;
  SetFillBrush(Canvas, BackGroundColor);
  Canvas.Pen.Color = Canvas.Brush.Color;
  Canvas.Pen.Width = 0;
  Canvas.Pen.Style = platform::psClear;
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
    if (!first) FillPolygon(Canvas, XYReversed, x, FFillReference, x, y, px, py, px, FFillReference);
    first = false;
    px = x;
    py = y;
  }
}

void TwPlotChannel::DrawBars(platform::Canvas& Canvas, bool XYReversed, platform::TColor) {
  if (!FBarEnabled || FStartIndex < 0) return;
  const TwPlotDataCustomList& list = DataList();
  for (int i = FStartIndex; i <= FStopIndex; ++i) {
    if (!GetDataValid(i) || !list.GetBarVisible(i)) continue;
    Canvas.Brush.Color = FBarBrushUseChannelColor ? Color() : list.GetBarBrushColor(i);
    Canvas.Pen.Color = FBarPenUseChannelColor ? Color() : list.GetBarPenColor(i);
    Canvas.Pen.Width = list.GetBarPenWidth(i);
    Canvas.Pen.Style = list.GetBarPenStyle(i);
    Canvas.Brush.Style = list.GetBarBrushStyle(i);
    const double x = GetDataX(i), w = list.GetBarWidth(i) / 2;
    TRect r = ValueRectToPixels(XYReversed, x - w, list.GetBarReference(i), x + w, GetDataY(i));
    if (r.Left == r.Right) r.Right = r.Left + 1;
    Canvas.Rectangle(r);
  }
}

// ---- high-low ----

void TwPlotChannel::DrawOpenClose(platform::Canvas& Canvas, bool XYReversed, platform::TColor) {
  if (!FHighLowEnabled || FStartIndex < 0) return;
  const TwPlotAxis* xa = XAxis();
  const TwPlotAxis* ya = YAxis();
  const TwPlotDataCustomList& list = DataList();
  Canvas.Pen.Width = 0;
  Canvas.Pen.Style = platform::psSolid;
  Canvas.Brush.Style = platform::bsSolid;
  auto rect = [&](int X1, int Y1, int X2, int Y2) {
    return XYReversed ? Ordered(Y1, X1, Y2, X2) : Ordered(X1, Y1, X2, Y2);
  };
  auto paint = [&](const TRect& r, platform::TColor c) {
    Canvas.Pen.Color = c;
    Canvas.Brush.Color = c;
    Canvas.Rectangle(r);
  };
  for (int i = FStartIndex; i <= FStopIndex; ++i) {
    if (!GetDataValid(i)) continue;
    const int w = xa->WidthToPixels(FHighLowBarWidth);
    const int c = xa->PositionToPixels(GetDataX(i));
    const int lo = ya->PositionToPixels(list.GetLow(i));
    int hi = ya->PositionToPixels(list.GetHigh(i));
    int right = c + w - w / 2, left = c - w / 2;
    if (w == 0) {
      right = c;
      left = c + 1;
    }
    if (lo == hi) hi = lo + 1;
    const int mid = (right + left) / 2;
    auto tick = [&](double Value, double Width, double Height, bool Open, platform::TColor Colour) {
      const int o = xa->WidthToPixels(Width);
      const int h = ya->WidthToPixels(Height);
      const int p = ya->PositionToPixels(Value);
      int x1 = Open ? mid - o + 1 : mid;
      int x2 = Open ? mid : mid + o - 1;
      if (o == 1) x2 = mid + 1;
      int y1 = p - h / 2, y2 = p + h - h / 2 - 1;
      if (y1 == y2) ++y2;
      if (x1 == x2) ++x2;
      paint(rect(x1, y1, x2, y2), Colour);
    };
    if (FHighLowOpenShow) tick(list.GetOpen(i), FHighLowOpenWidth, FHighLowOpenHeight, true, FHighLowOpenColor);
    if (FHighLowCloseShow)
      tick(list.GetClose(i), FHighLowCloseWidth, FHighLowCloseHeight, false, FHighLowCloseColor);
    paint(rect(right, lo, left, hi), FHighLowBarColor);
  }
}

void TwPlotChannel::DrawCandleStick(platform::Canvas& Canvas, bool XYReversed, platform::TColor) {
  if (!FHighLowEnabled || FStartIndex < 0) return;
  const TwPlotAxis* xa = XAxis();
  const TwPlotAxis* ya = YAxis();
  const TwPlotDataCustomList& list = DataList();
  Canvas.Pen.Width = 0;
  Canvas.Pen.Style = platform::psSolid;
  Canvas.Brush.Style = platform::bsSolid;
  for (int i = FStartIndex; i <= FStopIndex; ++i) {
    if (!GetDataValid(i)) continue;
    const int c = xa->PositionToPixels(GetDataX(i));
    const int hi = ya->PositionToPixels(list.GetHigh(i)), lo = ya->PositionToPixels(list.GetLow(i));
    Canvas.Pen.Color = FHighLowShadowColor;
    if (XYReversed) {
      Canvas.MoveTo(hi, c);
      Canvas.LineTo(lo, c);
    } else {
      Canvas.MoveTo(c, hi);
      Canvas.LineTo(c, lo);
    }
    const int g = xa->WidthToPixels(FHighLowBarWidth) / 2;
    int x1 = c - g, x2 = c + g + 1;
    if (x1 == x2) ++x2;
    const double open = list.GetOpen(i), close = list.GetClose(i);
    int y1 = ya->PositionToPixels(open), y2 = ya->PositionToPixels(close);
    if (y1 == y2) ++y2;
    Canvas.Brush.Color = open > close ? FHighLowBearishColor : FHighLowBullishColor;
    Canvas.Rectangle(XYReversed ? Ordered(y1, x1, y2, x2) : Ordered(x1, y1, x2, y2));
  }
}

// ---- traces ----

void TwPlotChannel::DrawTrace(platform::Canvas& Canvas, bool XYReversed, platform::TColor BackGroundColor) {
  if (!TraceVisible()) return;
  Canvas.Pen.Color = Color();
  Canvas.Brush.Style = platform::bsClear;
  Canvas.Pen.Style = static_cast<platform::TPenStyle>(TraceLineStyle());
  Canvas.Pen.Width = CanvasPenWidth(TraceLineWidth());
  Canvas.Brush.Color = BackGroundColor;
  if (FDigitalEnabled) return DrawDigitalTrace(Canvas, XYReversed, BackGroundColor);
  switch (FInterpolationStyle) {
    case ipistStraightLine:
      if (FFastDrawEnabled)
        DrawFastTrace(Canvas, XYReversed);
      else
        TwPlotChannelCustom::DrawTrace(Canvas, XYReversed, BackGroundColor);
      break;
    case ipistCubicSpline:
    case ipistPolynomial:
    case ipistRational:
      DrawSmoothTrace(Canvas, XYReversed, BackGroundColor);
      break;
    case ipistDifferential:
    case ipistDifferentialTerminated:
      DrawStepTrace(Canvas, XYReversed, BackGroundColor);
      break;
  }
}

void TwPlotChannel::DrawFastTrace(platform::Canvas& Canvas, bool XYReversed) {
  if (FStartIndex < 0 || FStopIndex <= FStartIndex) return;
  const TwPlotAxis* xa = XAxis();
  TwPlotMinMaxPoint a, b, c;
  auto columns = [&] {
    for (const TwPlotMinMaxPoint* m : {&a, &b})
      if (!m->Empty && m->YMax != m->YMin) DrawSegment(Canvas, XYReversed, m->XValue, m->YMin, m->XValue, m->YMax, false);
    if (!a.Empty && !b.Empty) DrawSegment(Canvas, XYReversed, a.XValue, a.YLast, b.XValue, b.YFirst, false);
    if (!b.Empty && !c.Empty) DrawSegment(Canvas, XYReversed, b.XValue, b.YLast, c.XValue, c.YFirst, false);
  };
  for (int i = FStartIndex; i <= FStopIndex; ++i) {
    double x, y;
    bool empty, null;
    GetXYEmptyNull(i, x, y, empty, null);
    if (empty) continue;
    if (null) {
      columns();
      a.Clear();
      b.Clear();
      c.Clear();
      continue;
    }
    const int px = xa->PositionToPixels(x);
    if (a.Empty || px == a.XPixels) {
      a.AddData(x, y, px);
    } else if (b.Empty || px == b.XPixels) {
      b.AddData(x, y, px);
    } else {
      c.AddData(x, y, px);
      columns();
      a.AssignDown(c);
      b.Clear();
      c.Clear();
    }
  }
  columns();
}

void TwPlotChannel::DrawStepTrace(platform::Canvas& Canvas, bool XYReversed, platform::TColor BackGroundColor) {
  if (Count() == 0) return;
  const platform::TColor trace = Canvas.Pen.Color;
  const bool fill = FFillEnabled && FFillStyle != platform::bsClear;
  bool have = false;
  double px = 0, py = 0;
  auto level = [&](double ToX) {
    if (fill) {
      SetFillBrush(Canvas, BackGroundColor);
      Canvas.Pen.Color = Canvas.Brush.Color;
      FillPolygon(Canvas, XYReversed, ToX, FFillReference, ToX, py, px, py, px, FFillReference);
      Canvas.Pen.Color = trace;
    }
    DrawSegment(Canvas, XYReversed, px, py, ToX, py, false);
  };
  if (FStartIndex == -1) {
    for (int i = Count() - 1; i >= 0; --i)
      if (GetDataValid(i)) {
        have = true;
        px = GetDataX(i);
        py = GetDataY(i);
        break;
      }
  } else {
    for (int i = FStartIndex; i <= FStopIndex; ++i) {
      double x, y;
      bool empty, null;
      GetXYEmptyNull(i, x, y, empty, null);
      if (empty) continue;
      if (null) {
        if (have) level(x);
        have = false;
        continue;
      }
      if (have) {
        level(x);
        DrawSegment(Canvas, XYReversed, x, py, x, y, false);
      }
      have = true;
      px = x;
      py = y;
    }
  }
  if (FInterpolationStyle == ipistDifferential && have) DrawSegment(Canvas, XYReversed, px, py, XAxis()->Max(), py, false);
}

void TwPlotChannel::DrawDigitalTrace(platform::Canvas& Canvas, bool XYReversed, platform::TColor BackGroundColor) {
  if (FStopIndex == FStartIndex || FStartIndex < 0) return;
  const bool percent = FDigitalReferenceStyle == ipdrPercent;
  const platform::TColor trace = Canvas.Pen.Color;
  TDigitalSequenceData run;
  run.Clear();
  auto levelOf = [&](bool High) { return High ? FDigitalReferenceHigh : FDigitalReferenceLow; };
  auto fillTo = [&](double ToX, bool PenInBrush) {
    if (!FFillEnabled || FFillStyle == platform::bsClear) return;
    SetFillBrush(Canvas, BackGroundColor);
    Canvas.Pen.Color = PenInBrush ? Canvas.Brush.Color : trace;
    const TwPlotAxis* ya = YAxis();
    // The level in Y units: percent levels are percent of the Y axis.
    const double l = percent ? ya->Min() + ya->Span() * levelOf(run.StartYValue) / 100 : levelOf(run.StartYValue);
    FillPolygon(Canvas, XYReversed, run.StartXValue, FFillReference, run.StartXValue, l, ToX, l, ToX, FFillReference);
    Canvas.Pen.Color = trace;
  };
  auto flush = [&] {
    if (run.TransitionSet) {
      fillTo(run.TransitionXValue, true);
      const double from = levelOf(run.StartYValue);
      DrawSegment(Canvas, XYReversed, run.StartXValue, from, run.TransitionXValue, from, percent);
      DrawSegment(Canvas, XYReversed, run.TransitionXValue, from, run.TransitionXValue, levelOf(!run.StartYValue),
                  percent);
    } else if (run.StartSet && run.StopSet) {
      fillTo(run.StopXValue, false);
      const double l = levelOf(run.StartYValue);
      DrawSegment(Canvas, XYReversed, run.StartXValue, l, run.StopXValue, l, percent);
    }
    run.Clear();
  };
  for (int i = FStartIndex; i <= FStopIndex; ++i) {
    double x, y;
    bool empty, null;
    GetXYEmptyNull(i, x, y, empty, null);
    if (empty) continue;
    if (null) {
      flush();
      continue;
    }
    const bool high = y != 0;
    if (!run.StartSet) {
      run.StartSet = true;
      run.StartXValue = x;
      run.StartYValue = high;
    } else if (high == run.StartYValue) {
      run.StopSet = true;
      run.StopXValue = x;
    } else {
      run.TransitionSet = true;
      run.TransitionXValue = x;
      flush();
      run.StartSet = true;
      run.StartXValue = x;
      run.StartYValue = high;
    }
  }
  flush();
}

void TwPlotChannel::DrawSmoothTrace(platform::Canvas& Canvas, bool XYReversed, platform::TColor) {
  if (Count() < 2 || FStartIndex < 0 || FStopIndex < 0) return;
  // Only the draw range is interpolated, so the cost follows the points in
  // view. A spline's shape between two points still depends on the points
  // around them, fading by about a quarter per point: it takes a few more
  // on each side.
  constexpr int kSplineNeighbours = 16;
  const int extra = FInterpolationStyle == ipistCubicSpline ? kSplineNeighbours : 0;
  const int first = std::max(0, std::min(FStartIndex, FStopIndex) - extra);
  const int last = std::min(Count() - 1, std::max(FStartIndex, FStopIndex) + extra);
  // Runs of valid points: Null ends one, Empty is skipped. Tables are 1-based.
  std::vector<double> xa{0.0}, ya{0.0};
  auto flush = [&] {
    if (xa.size() > 2) DrawSmoothRun(Canvas, XYReversed, xa, ya);
    xa.assign(1, 0.0);
    ya.assign(1, 0.0);
  };
  for (int i = first; i <= last; ++i) {
    double x, y;
    bool empty, null;
    GetXYEmptyNull(i, x, y, empty, null);
    if (empty) continue;
    if (null) {
      flush();
      continue;
    }
    xa.push_back(x);
    ya.push_back(y);
  }
  flush();
}

void TwPlotChannel::DrawSmoothRun(platform::Canvas& Canvas, bool XYReversed, std::vector<double> XA,
                                  std::vector<double> YA) {
  const int n = int(XA.size()) - 1;
  // Falling X is evaluated reversed, so that the table rises.
  if (XA[n] < XA[1]) {
    std::reverse(XA.begin() + 1, XA.end());
    std::reverse(YA.begin() + 1, YA.end());
  }
  std::vector<double> y2;
  if (FInterpolationStyle == ipistCubicSpline) SplineSecondDerivatives(XA, YA, n, y2);
  const TwPlotAxis* xAxis = XAxis();
  const double x1 = std::max(XA[1], xAxis->Min()), xn = std::min(XA[n], xAxis->Max());
  if (x1 > xn) return;
  int c1 = xAxis->PositionToPixels(x1), c2 = xAxis->PositionToPixels(xn);
  if (c1 > c2) std::swap(c1, c2);
  const platform::TColor trace = Canvas.Pen.Color;
  const bool fill = FFillEnabled && FFillStyle != platform::bsClear;
  bool first = true;
  double px = 0, py = 0;
  for (int c = c1; c <= c2; ++c) {
    const double x = xAxis->PixelsToPosition(c);
    double y, dy;
    if (FInterpolationStyle == ipistCubicSpline)
      y = SplineInterpolate(XA, YA, y2, n, x);
    else if (FInterpolationStyle == ipistPolynomial)
      PolynomialInterpolate(XA, YA, n, x, y, dy);
    else
      RationalInterpolate(XA, YA, n, x, y, dy);
    if (fill) {
      Canvas.Pen.Color = FillBrushColor();
      DrawSegment(Canvas, XYReversed, x, FFillReference, x, y, false);
      Canvas.Pen.Color = trace;
    }
    if (first) {
      px = x;
      py = y;
      first = false;
    }
    DrawSegment(Canvas, XYReversed, px, py, x, y, false);
    SetPixelPoint(xAxis->PositionToPixels(x), y);
    px = x;
    py = y;
  }
}

// ---- markers ----

void TwPlotChannel::DrawMarkers(platform::Canvas& Canvas, bool XYReversed, platform::TColor BackGroundColor) {
  if (FStartIndex < 0 || !MarkersVisible()) return;
  if (!FDigitalEnabled) return TwPlotChannelCustom::DrawMarkers(Canvas, XYReversed, BackGroundColor);
  const TwPlotAxis* xa = XAxis();
  const TwPlotAxis* ya = YAxis();
  for (int i = FStartIndex; i <= FStopIndex; ++i) {
    if (!GetDataValid(i) || !GetDataMarkerVisible(i)) continue;
    if (!xa->ValueOnScale(GetDataX(i)) || !ya->ValueOnScale(GetDataY(i))) continue;
    const int px = xa->PositionToPixels(GetDataX(i));
    const int py = GetDataY(i) != 0 ? FPixelsHigh : FPixelsLow;
    DrawMarker(Canvas, i, BackGroundColor, XYReversed ? TPoint{py, px} : TPoint{px, py});
  }
}
