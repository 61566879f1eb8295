// TwPlotChannel: points, time sources, draw range, search and readout.
#include "plot/wPlotChannel.h"

#include <QDateTime>

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "controls/wException.h"
#include "plot/wPlotAxis.h"
#include "plot/wPlotComponent.h"

double PlotNow() {
  const QDateTime now = QDateTime::currentDateTime();
  // Local wall-clock time, counted from 30 December 1899.
  const qint64 local = now.toMSecsSinceEpoch() + qint64(now.offsetFromUtc()) * 1000;
  return 25569.0 + double(local) / 86400000.0;
}

// ---- points ----

void TwPlotChannel::CheckXOrder(double X) const {
  if (FAllowOutOfOrderXValues || Count() <= 1) return;
  if (GetDataX(1) >= GetDataX(0)) {
    if (XLast() > X) throw TwException("New Data-Point X-Value is out of order");
  } else if (XLast() < X) {
    throw TwException("New Data-Point X-Value is out of order.");
  }
}

void TwPlotChannel::ResetOnFirstPoint() {
  if (FResetStartTimeOnFirstDataPoint && Count() == 0) ResetElapsedStartTime();
}

int TwPlotChannel::AddXY(double X, double Y) {
  ResetOnFirstPoint();
  CheckXOrder(X);
  return AddPoint(X, Y, false, false);
}

int TwPlotChannel::AddXNull(double X) {
  ResetOnFirstPoint();
  CheckXOrder(X);
  return AddPoint(X, 0, true, false);
}

int TwPlotChannel::AddXEmpty(double X) {
  ResetOnFirstPoint();
  CheckXOrder(X);
  return AddPoint(X, 0, false, true);
}

int TwPlotChannel::AddHighLow(double X, double High, double Low, double Open, double Close) {
  ResetOnFirstPoint();
  CheckXOrder(X);
  TwPlotDataCustomList& list = DataListRef();
  const int i = list.Add(X, 0, false, false);
  list.SetHigh(i, High);
  list.SetLow(i, Low);
  list.SetOpen(i, Open);
  list.SetClose(i, Close);
  if (XAxisTrackingEnabled())
    if (TwPlotAxis* x = XAxis()) x->NewTrackingData(X);
  if (YAxisTrackingEnabled())
    if (TwPlotAxis* y = YAxis())
      for (double v : {High, Low, Open, Close}) y->NewTrackingData(v);
  DoChange();
  return i;
}

int TwPlotChannel::AddYNow(double Y) {
  ResetOnFirstPoint();
  return AddPoint(PlotNow(), Y, false, false);
}

int TwPlotChannel::AddYElapsedTime(double Y) {
  ResetOnFirstPoint();
  return AddPoint(PlotNow() - FElapsedStartTime, Y, false, false);
}

int TwPlotChannel::AddYElapsedSeconds(double Y) {
  ResetOnFirstPoint();
  return AddPoint((PlotNow() - FElapsedStartTime) * 86400.0, Y, false, false);
}

void TwPlotChannel::AddYArray(double XInterval, const std::vector<double>& YData) {
  ResetOnFirstPoint();
  const double base = Count() ? XLast() : 0.0;
  for (std::size_t i = 0; i < YData.size(); ++i) AddPoint(base + double(i) * XInterval, YData[i], false, false);
}

// ---- search ----

bool TwPlotChannel::XIncreasing() const { return Count() < 2 || GetDataX(1) >= GetDataX(0); }

int TwPlotChannel::SearchAscending(double X) const {
  int lo = 0, hi = Count() - 1, result = -1;
  while (hi >= lo) {
    const int mid = (lo + hi) / 2;
    result = mid;
    const double v = GetDataX(mid);
    if (v == X) break;
    if (X < v)
      hi = mid - 1;
    else
      lo = mid + 1;
  }
  return result;
}

int TwPlotChannel::SearchDescending(double X) const {
  int lo = 0, hi = Count() - 1, result = -1;
  while (hi >= lo) {
    const int mid = (lo + hi) / 2;
    result = mid;
    const double v = GetDataX(mid);
    if (v == X) break;
    if (X < v)
      lo = mid + 1;
    else
      hi = mid - 1;
  }
  return result;
}

void TwPlotChannel::CalcDrawStartIndex() {
  FStartIndex = -1;
  const TwPlotAxis* x = XAxis();
  if (!x || Count() == 0) return;
  int s;
  if (FDrawOutOfOrderXValues) {
    s = Count() - 1;
    for (int i = 0; i < Count(); ++i)
      if (x->PointOnScale(GetDataX(i))) {
        s = i;
        break;
      }
    --s;
  } else if (XIncreasing()) {
    s = SearchAscending(x->Min());
    if (GetDataX(s) > x->Min()) --s;
  } else {
    s = SearchDescending(x->Max());
    if (GetDataX(s) < x->Max()) --s;
  }
  FStartIndex = std::clamp(s, 0, Count() - 1);
}

void TwPlotChannel::CalcDrawStopIndex() {
  FStopIndex = -1;
  const TwPlotAxis* x = XAxis();
  if (!x || Count() == 0) return;
  int s;
  if (FDrawOutOfOrderXValues) {
    s = 0;
    for (int i = Count() - 1; i >= 0; --i)
      if (x->PointOnScale(GetDataX(i))) {
        s = i;
        break;
      }
    ++s;
  } else if (XIncreasing()) {
    s = SearchAscending(x->Max());
    if (GetDataX(s) < x->Max()) ++s;
  } else {
    s = SearchDescending(x->Min());
    if (GetDataX(s) > x->Min()) ++s;
  }
  FStopIndex = std::clamp(s, 0, Count() - 1);
}

int TwPlotChannel::CalcIndex(double TargetValue) const {
  if (!XAxis() || Count() == 0) return -1;
  int i;
  if (XIncreasing()) {
    if (TargetValue < GetDataX(0) || TargetValue > XLast()) return -1;
    i = SearchAscending(TargetValue);
    if (TargetValue > GetDataX(i)) ++i;
  } else {
    if (TargetValue > GetDataX(0) || TargetValue < XLast()) return -1;
    i = SearchDescending(TargetValue);
    if (TargetValue > GetDataX(i)) --i;
  }
  return std::clamp(i, 0, Count() - 1);
}

bool TwPlotChannel::GetYInterpolated(double XValue, double& YValue) const {
  const int n = Count();
  if (n == 0) return false;
  if (GetDataValid(0) && GetDataX(0) == XValue) {
    YValue = GetDataY(0);
    return true;
  }
  if (GetDataValid(n - 1) && GetDataX(n - 1) == XValue) {
    YValue = GetDataY(n - 1);
    return true;
  }
  YValue = 0;
  const int i = CalcIndex(XValue);
  if (i == -1) return false;
  // The point before i in the data's direction.
  const int j = XIncreasing() ? i - 1 : i + 1;
  if (j < 0 || j >= n) return false;
  // Empty points hold no value to interpolate towards.
  auto gap = [this](int k) { return !GetDataValid(k); };
  if (!FDigitalEnabled && XValue != GetDataX(i)) {
    if (gap(i) || gap(j)) return false;
    const TwPlotAxis* x = XAxis();
    const int b = x->PositionToPixels(GetDataX(j));
    const int c = x->PositionToPixels(GetDataX(i));
    const int d = x->PositionToPixels(XValue);
    const int e = c;
    if (b != c && d != e) {
      YValue = GetDataY(i) + double(d - e) * (GetDataY(j) - GetDataY(i)) / double(b - c);
      return true;
    }
    YValue = GetDataY(i);
    return true;
  }
  if (!FDigitalEnabled) {
    YValue = GetDataY(i);
    return GetDataValid(i);
  }
  if (gap(j)) return false;
  YValue = GetDataY(j);
  return true;
}

TwPlotDataPointStatus TwPlotChannel::GetYAtX(double X, double& Y) const {
  Y = 0;
  const int n = Count();
  if (n == 0) return ipdpsEmpty;
  if ((X == GetDataX(0) && GetDataValid(0)) || (X == XLast() && GetDataValid(n - 1))) {
    Y = X == GetDataX(0) && GetDataValid(0) ? GetDataY(0) : YLast();
    return ipdpsValid;
  }
  const TwPlotInterpolationStyle style = FDigitalEnabled ? ipistStraightLine : FInterpolationStyle;
  switch (style) {
    case ipistStraightLine:
      return GetYInterpolated(X, Y) ? ipdpsValid : ipdpsEmpty;
    case ipistCubicSpline:
    case ipistPolynomial:
    case ipistRational: {
      const TwPlotAxis* x = XAxis();
      if (!x || (FPixelListStart == 0 && FPixelListStop == 0)) return ipdpsEmpty;
      const int c = x->PositionToPixels(X);
      const double lo = std::min(GetDataX(0), XLast()), hi = std::max(GetDataX(0), XLast());
      if (c < FPixelListStart || c > FPixelListStop || X < lo || X > hi) return ipdpsEmpty;
      const TwPlotPixelPoint& p = FPixelList[std::size_t(c - FPixelListStart)];
      Y = p.YValue;
      return p.Null ? ipdpsNull : ipdpsValid;
    }
    case ipistDifferential:
    case ipistDifferentialTerminated: {
      const int k = CalcIndex(X) - 1;
      if (k < 0) {
        if (style == ipistDifferential && GetDataValid(n - 1) && X > XLast()) {
          Y = YLast();
          return ipdpsValid;
        }
        return ipdpsEmpty;
      }
      Y = GetDataY(k);
      return ipdpsValid;
    }
  }
  return ipdpsEmpty;
}

// ---- draw range and fit ----

void TwPlotChannel::PrepareDraw(platform::Canvas&) {
  FCanDraw = false;
  TwPlotAxis* x = XAxis();
  TwPlotAxis* y = YAxis();
  if (!x || !y || !Visible() || Count() == 0) return;
  if (!FDrawOutOfOrderXValues) {
    if (XIncreasing()) {
      if (x->Min() > XLast() || XFirst() > x->Max()) return;
    } else if (XFirst() < x->Min() || XLast() > x->Max()) {
      return;
    }
  }
  CalcDrawStartIndex();
  CalcDrawStopIndex();
  const bool steps = FInterpolationStyle == ipistDifferential || FInterpolationStyle == ipistDifferentialTerminated;
  if (!steps && (FStartIndex == -1 || FStopIndex == -1)) return;
  if (FDigitalReferenceStyle == ipdrPercent) {
    FPixelsHigh = y->PositionToPixels(y->Span() * FDigitalReferenceHigh / 100 + y->Min());
    FPixelsLow = y->PositionToPixels(y->Span() * FDigitalReferenceLow / 100 + y->Min());
  } else {
    FPixelsHigh = y->PositionToPixels(FDigitalReferenceHigh);
    FPixelsLow = y->PositionToPixels(FDigitalReferenceLow);
  }
  FPixelListStart = std::min(x->GetMinPixels(), x->GetMaxPixels());
  FPixelListStop = std::max(x->GetMinPixels(), x->GetMaxPixels());
  const std::size_t size = std::size_t(FPixelListStop - FPixelListStart + 1);
  if (FPixelList.size() < size) FPixelList.resize(size);
  for (TwPlotPixelPoint& p : FPixelList) p.Null = true;
  FCanDraw = true;
}

double TwPlotChannel::GetFitXMax() {
  if (!AxesAssigned() || !Visible() || Count() == 0) return -1e300;
  if (XIncreasing()) {
    for (int i = Count() - 1; i >= 0; --i)
      if (GetDataValid(i)) return XPlusMarker(i);
  } else {
    for (int i = 0; i < Count(); ++i)
      if (GetDataValid(i)) return XPlusMarker(i);
  }
  return -1e300;
}

double TwPlotChannel::GetFitXMin() {
  if (!AxesAssigned() || !Visible() || Count() == 0) return 1e300;
  if (XIncreasing()) {
    for (int i = 0; i < Count(); ++i)
      if (GetDataValid(i)) return XMinusMarker(i);
  } else {
    for (int i = Count() - 1; i >= 0; --i)
      if (GetDataValid(i)) return XMinusMarker(i);
  }
  return 1e300;
}

double TwPlotChannel::GetFitYMax() {
  if (!AxesAssigned() || !Visible() || Count() == 0) return -1e300;
  CalcDrawStartIndex();
  CalcDrawStopIndex();
  double v = -1e300;
  if (FStartIndex < 0) return v;
  for (int i = FStartIndex; i <= FStopIndex; ++i)
    if (GetDataValid(i)) v = std::max(v, YPlusMarker(i));
  return v;
}

double TwPlotChannel::GetFitYMin() {
  if (!AxesAssigned() || !Visible() || Count() == 0) return 1e300;
  CalcDrawStartIndex();
  CalcDrawStopIndex();
  double v = 1e300;
  if (FStartIndex < 0) return v;
  for (int i = FStartIndex; i <= FStopIndex; ++i)
    if (GetDataValid(i)) v = std::min(v, YMinusMarker(i));
  return v;
}

// ---- mouse ----

bool TwPlotChannel::DoHitTest(const TwPlotMouseData& MouseData) {
  if (TwPlotChannelCustom::DoHitTest(MouseData)) return true;
  const TwPlotAxis* x = XAxis();
  const TwPlotAxis* y = YAxis();
  if (!x || !y || MouseData.Button != Qt::RightButton) return false;
  double value;
  if (!GetYInterpolated(x->PixelsToPosition(MouseData.XAxisPixels), value)) return false;
  const int py = y->PositionToPixels(value);
  return std::abs(py - MouseData.YAxisPixels) <= 10;
}
