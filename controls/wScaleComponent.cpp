#include "controls/wScaleComponent.h"

#include <cmath>

using platform::Canvas;
using platform::TColor;

namespace {

// Multiples of a step counted with a tolerance, so that 0.3 / 0.1 is 3.
constexpr double kSlack = 1e-9;
double CeilSteps(double x) { return std::ceil(x - kSlack); }
double FloorSteps(double x) { return std::floor(x + kSlack); }

double SpanBase(double s) {
  double base = std::pow(10.0, std::trunc(std::log10(s)));
  if (s < 1) base /= 10;
  return base;
}

bool TidyMantissa(double step) {
  if (!(step > 0) || !std::isfinite(step)) return false;
  const long m = std::lround(step / std::pow(10.0, std::trunc(std::log10(step))) * 1000);
  for (long tidy : {100L, 200L, 250L, 500L, 750L, 1000L, 2000L, 2500L, 5000L, 7500L})
    if (m == tidy) return true;
  return false;
}

bool AlignAutoRange(double Min, double Max, double L, int n, double& low, double& high) {
  const double step = L / (n - 1);
  if (Max > 0 && Min < 0) {
    low = L - CeilSteps((L - Min) / step) * step;
    high = low + L;
  } else if (Max > 0) {
    high = std::max(0.0, CeilSteps(Max / step)) * step;
    low = high - L;
    if (Min >= 0 && low < 0) {
      const double up = CeilSteps(-low / step) * step;
      low += up;
      high += up;
    }
  } else {
    low = -std::max(0.0, CeilSteps(-Min / step)) * step;
    high = low + L;
    if (high > 0) {
      low -= step;
      high -= step;
    }
  }
  return low <= Min && Max <= high;
}

bool AlignFixedRange(double Min, double Max, double L, int n, double& low, double& high) {
  const double step = L / (n - 1);
  if (Max > 0 && Min < 0) {
    low = L - FloorSteps((L - Min) / step) * step;
    high = low + L;
  } else if (Min >= 0) {
    low = std::max(0.0, CeilSteps(Min / step)) * step;
    high = low + L;
  } else {
    high = -std::max(0.0, CeilSteps(-Max / step)) * step;
    low = high - L;
  }
  return Min <= low + kSlack * step && high <= Max + kSlack * step && Max < high + step;
}

QString LabelText(double Value, int Precision) {
  return QString::fromStdString(FixedText(Value, Precision)).trimmed();
}

}  // namespace

// ---- scale object -----------------------------------------------------------

TwScaleObject::TwScaleObject() = default;

double TwScaleObject::TickRangeMin() const {
  return AutoScaleEnabled && AutoScaleStyle == iassFixedMinMax ? AutoScaleMinTick : FPositionMin;
}

double TwScaleObject::TickRangeMax() const {
  return AutoScaleEnabled && AutoScaleStyle == iassFixedMinMax ? AutoScaleMaxTick : FPositionMax;
}

int TwScaleObject::GetLabelPrecision() const {
  return CalcAutoPrecision(FTickLabelPrecision, FPrecisionStyle, FPositionMin, FPositionMax);
}

int TwScaleObject::ValueToPixels(double Value) const {
  int a = FStart, b = FStop;
  if (FReverseScale) std::swap(a, b);
  const double range = FPositionMax - FPositionMin;
  if (range == 0) return (a + b) / 2;
  // Halves go to the even neighbour, as every pixel rounding here. A value an
  // endless range cannot place (or one past the int range) lands far off the
  // scale instead of going through an undefined conversion.
  const double offset = std::nearbyint((Value - FPositionMin) / range * (b - a));
  constexpr double kFarOff = 1 << 20;
  if (!(std::abs(offset) < kFarOff)) return a + int(offset < 0 ? -kFarOff : kFarOff);
  return a + int(offset);
}

double TwScaleObject::PixelsToValue(int Pixels) const {
  int a = FStart, b = FStop;
  if (FReverseScale) std::swap(a, b);
  if (a == b) return (FPositionMin + FPositionMax) / 2;
  return FPositionMin + double(Pixels - a) / (b - a) * (FPositionMax - FPositionMin);
}

int TwScaleObject::StepsBetween(double From, double To, double Step, int Cap) {
  if (!(Step > 0) || !std::isfinite(Step) || !std::isfinite(From)) return 0;
  const double n = FloorSteps((To - From) / Step);
  if (!(n > 0)) return 0;
  return n >= Cap ? Cap : int(n);
}

void TwScaleObject::DrawLine3D(Canvas& Canvas, int X1, int Y1, int X2, int Y2, TwBevelStyle Style) {
  const bool vertical = X1 == X2;
  const int dx = vertical ? 1 : 0, dy = vertical ? 0 : 1;
  auto line = [&](TColor c, int ox, int oy) {
    if (c != platform::clNone) Canvas.Pen.Color = c;
    Canvas.MoveTo(X1 + ox, Y1 + oy);
    Canvas.LineTo(X2 + ox, Y2 + oy);
  };
  if (Style == ibsRaised) {
    line(platform::clWhite, 0, 0);
    line(platform::clBlack, dx, dy);
  } else if (Style == ibsLowered) {
    line(platform::clBlack, 0, 0);
    line(platform::clWhite, dx, dy);
  } else {
    line(platform::clNone, 0, 0);
  }
}

void TwScaleObject::DrawScaleLine(Canvas& Canvas, bool Enabled) {
  if (!FShowTicksAxis) return;
  const bool vertical = FOrientation == ioVertical;
  const int sign = FOrientationTickMarks == iosTopLeft ? -1 : 1;
  const int p1 = ValueToPixels(FPositionMin), p2 = ValueToPixels(FPositionMax);
  const int across = FEdge + sign * FTickMajorLength;
  auto at = [&](int along, int off) { return OrientedPoint(vertical, along, off); };
  if (!Enabled) {
    const platform::TPoint a = at(p1, across), b = at(p2, across);
    DrawLine3D(Canvas, a.X, a.Y, b.X, b.Y, ibsLowered);
    return;
  }
  Canvas.Pen.Color = FTickMajorColor;
  for (int off : {across, across + sign}) {
    const platform::TPoint a = at(p1, off), b = at(p2, off);
    Canvas.MoveTo(a.X, a.Y);
    Canvas.LineTo(b.X, b.Y);
  }
}

void TwScaleObject::DrawTick(Canvas& Canvas, double Value, int From, int Length, TwBevelStyle Style, bool Enabled) {
  const bool vertical = FOrientation == ioVertical;
  const int along = ValueToPixels(Value);
  const platform::TPoint a = OrientedPoint(vertical, along, From), b = OrientedPoint(vertical, along, From + Length);
  DrawLine3D(Canvas, a.X, a.Y, b.X, b.Y, Enabled ? Style : ibsLowered);
}

void TwScaleObject::Draw(Canvas& Canvas, bool Enabled, TColor ABackgroundColor) {
  const bool vertical = FOrientation == ioVertical;
  const int sign = FOrientationTickMarks == iosTopLeft ? -1 : 1;
  const double lo = TickRangeMin(), hi = TickRangeMax();
  const double major = (hi - lo) / (FTickMajorCount - 1);
  const double minor = major / (FTickMinorCount + 1);
  const int majorFrom = FEdge + sign * FTickMargin;
  const int majorLen = sign * FTickMajorLength;
  TwTickMinorAlignment align = FTickMinorAlignment;
  if (FReverseTickMinorAlign && align != itmnaCenter) align = align == itmnaInside ? itmnaOutside : itmnaInside;
  int minorFrom = majorFrom;
  if (align == itmnaCenter) minorFrom = majorFrom + sign * (FTickMajorLength - FTickMinorLength) / 2;
  if (align == itmnaOutside) minorFrom = majorFrom + sign * (FTickMajorLength - FTickMinorLength);
  const int minorLen = sign * FTickMinorLength;
  auto minorTick = [&](double v) {
    Canvas.Pen.Color = FTickMinorColor;
    DrawTick(Canvas, v, minorFrom, minorLen, FTickMinorStyle, Enabled);
  };
  const bool bothTicks = FShowTicksMajor && FShowTicksMinor;
  Canvas.Font = FTickLabelFont;
  for (int i = 0; i < FTickMajorCount; ++i) {
    const double v = lo + i * major;
    const bool end = i == 0 || i == FTickMajorCount - 1;
    if (FShowTicksMajor && (FShowTicksMajorFirstLast || !end)) {
      Canvas.Pen.Color = FTickMajorColor;
      DrawTick(Canvas, v, majorFrom, majorLen, FTickMajorStyle, Enabled);
    }
    if (FShowTickLabels) {
      QString text = LabelText(v, GetLabelPrecision());
      if (OnCustomizeTickLabel) OnCustomizeTickLabel(this, i, text);
      const int w = Canvas.TextWidth(text), h = Canvas.TextHeight(text);
      const int near = FEdge + sign * (FTickMargin + FTickMajorLength + FTickLabelMargin);
      const int along = ValueToPixels(v);
      platform::TRect box = vertical ? CenteredRect(near + sign * w / 2, along, w, h)
                                     : CenteredRect(along, near + sign * h / 2, w, h);
      DrawTextFlags(Canvas, text, box, ABackgroundColor, Enabled, itfCenter | itfVCenter | itfSingleLine);
    }
    if (bothTicks && i < FTickMajorCount - 1)
      for (int j = 1; j <= FTickMinorCount; ++j) minorTick(v + j * minor);
  }
  if (bothTicks && AutoScaleEnabled && AutoScaleStyle == iassFixedMinMax) {
    // Ticks closer than a pixel cannot be told apart.
    const int cap = std::abs(FStop - FStart) + 1;
    const int above = StepsBetween(hi, FPositionMax, minor, cap), below = StepsBetween(FPositionMin, lo, minor, cap);
    for (int k = 1; k <= above; ++k) minorTick(hi + k * minor);
    for (int k = 1; k <= below; ++k) minorTick(lo - k * minor);
  }
}

// ---- scale component --------------------------------------------------------

TwScaleComponent::TwScaleComponent(QWidget* parent)
    : TwPositionComponent(parent), FScaleObject(std::make_unique<TwScaleObject>()) {
  FScaleObject->SetPrecisionStyle(ipsFixedDecimalPoints);
  FScaleObject->SetRange(PositionMin(), PositionMax());
  FScaleObject->OnChange = [this](QObject*) { BackGroundChange(); };
  CopyAutoScale();
}

TwScaleComponent::~TwScaleComponent() { FScaleObject->OnChange = nullptr; }

void TwScaleComponent::CopyAutoScale() {
  FScaleObject->AutoScaleEnabled = FAutoScaleEnabled;
  FScaleObject->AutoScaleStyle = FAutoScaleStyle;
  FScaleObject->AutoScaleDesiredTicks = FAutoScaleDesiredTicks;
  FScaleObject->AutoScaleMaxTicks = FAutoScaleMaxTicks;
  FScaleObject->AutoScaleMinTick = FAutoScaleMinTick;
  FScaleObject->AutoScaleMaxTick = FAutoScaleMaxTick;
}

void TwScaleComponent::SetPositionMin(double Value) {
  if (FAutoScaleEnabled && !IsLoading())
    AutoScale(Value, PositionMax());
  else
    TwPositionComponent::SetPositionMin(Value);
  FScaleObject->SetRange(PositionMin(), PositionMax());
}

void TwScaleComponent::SetPositionMax(double Value) {
  if (FAutoScaleEnabled && !IsLoading())
    AutoScale(PositionMin(), Value);
  else
    TwPositionComponent::SetPositionMax(Value);
  FScaleObject->SetRange(PositionMin(), PositionMax());
}

void TwScaleComponent::SetAutoScaleEnabled(bool Value) {
  if (Value == FAutoScaleEnabled) return;
  FAutoScaleEnabled = Value;
  CopyAutoScale();
  AutoScale(PositionMin(), PositionMax());
  BackGroundChange();
}

void TwScaleComponent::SetAutoScaleDesiredTicks(int Value) {
  if (Value < 2 || Value == FAutoScaleDesiredTicks) return;
  FAutoScaleDesiredTicks = Value;
  CopyAutoScale();
  AutoScale(PositionMin(), PositionMax());
}

void TwScaleComponent::SetAutoScaleMaxTicks(int Value) {
  if (Value < 2 || Value == FAutoScaleMaxTicks) return;
  FAutoScaleMaxTicks = Value;
  CopyAutoScale();
  AutoScale(PositionMin(), PositionMax());
}

void TwScaleComponent::SetAutoScaleStyle(TwAutoScaleStyle Value) {
  if (Value == FAutoScaleStyle) return;
  FAutoScaleStyle = Value;
  CopyAutoScale();
  AutoScale(PositionMin(), PositionMax());
  BackGroundChange();
}

void TwScaleComponent::Loaded() {
  SetLoading(false);
  FScaleObject->SetRange(PositionMin(), PositionMax());
  AutoScale(PositionMin(), PositionMax());
}

int TwScaleComponent::TickCountForSpan(int Desired, int MaxCount, double Span) {
  int best = MaxCount + 1;
  int bestDistance = 0;
  for (int n = 2; n <= MaxCount; ++n) {
    if (!TidyMantissa(Span / (n - 1))) continue;
    const int distance = std::abs(n - Desired);
    if (best > MaxCount || distance <= bestDistance) {
      best = n;
      bestDistance = distance;
    }
  }
  return best;
}

void TwScaleComponent::AutoScale(double Min, double Max) {
  if (!FAutoScaleEnabled || IsLoading()) return;
  if (FAutoScaleStyle == iassAutoMinMax)
    AutoScaleRange(Min, Max);
  else
    FixedScaleTicks(Min, Max);
  FScaleObject->SetRange(PositionMin(), PositionMax());
}

void TwScaleComponent::AutoScaleRange(double Min, double Max) {
  int count = 2;
  double low = Min, high = Max;
  if (Min != Max) {
    const double s = std::fabs(Max - Min), base = SpanBase(s);
    for (int i = 2; i <= 40; ++i) {
      const double L = base * 0.5 * i;
      if (s > L) continue;
      const int n = TickCountForSpan(FAutoScaleDesiredTicks, FAutoScaleMaxTicks, L);
      double lo = 0, hi = 0;
      if (n <= FAutoScaleMaxTicks && AlignAutoRange(Min, Max, L, n, lo, hi)) {
        count = n;
        low = lo;
        high = hi;
        break;
      }
    }
  }
  SetMinMax(low, high);
  FScaleObject->SetTickMajorCount(count);
}

void TwScaleComponent::FixedScaleTicks(double Min, double Max) {
  SetMinMax(Min, Max);
  const double s = std::fabs(Max - Min);
  if (s == 0) return;
  const double base = SpanBase(s);
  for (int k = 100; k >= 2; --k) {
    const double L = base * 0.1 * k;
    if (s < L) continue;
    for (int c = FAutoScaleMaxTicks; c >= 2; --c) {
      const int n = TickCountForSpan(FAutoScaleDesiredTicks, c, L);
      double lo = 0, hi = 0;
      if (c >= n && AlignFixedRange(Min, Max, L, n, lo, hi)) {
        FAutoScaleMinTick = lo;
        FAutoScaleMaxTick = hi;
        CopyAutoScale();
        FScaleObject->SetTickMajorCount(n);
        BackGroundChange();
        return;
      }
    }
  }
}

int TwScaleComponent::GetAutoTickLabelPrecision() const {
  return CalcAutoPrecision(FScaleObject->TickLabelPrecision(), FScaleObject->PrecisionStyle(), PositionMin(),
                           PositionMax());
}
