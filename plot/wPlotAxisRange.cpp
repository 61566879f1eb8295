// TwPlotAxis: the visible range. Clamping setters and their events,
// SetMinSpan, tracking, the resume values, zooming, scrolling, and the mouse,
// wheel and keys on an axis.
#include <algorithm>
#include <cmath>

#include "controls/wMath.h"
#include "plot/wPlotAxis.h"
#include "plot/wPlotChannelCustom.h"
#include "plot/wPlotComponent.h"

namespace {
constexpr double kLimit = 1e300;
constexpr double kSmallest = 1e-300;
}  // namespace

// ---- events ----

void TwPlotAxis::FireMinChange(double OldValue, double NewValue) {
  if (!Owner()) return;
  if (IsXAxis()) Owner()->DoXAxisMinChangeEvent(this, OldValue, NewValue);
  else Owner()->DoYAxisMinChangeEvent(this, OldValue, NewValue);
}

void TwPlotAxis::FireSpanChange(double OldValue, double NewValue) {
  if (!Owner()) return;
  if (IsXAxis()) Owner()->DoXAxisSpanChangeEvent(this, OldValue, NewValue);
  else Owner()->DoYAxisSpanChangeEvent(this, OldValue, NewValue);
}

void TwPlotAxis::FireMinSpanChange(double OldMin, double OldSpan, double NewMin, double NewSpan) {
  if (!Owner()) return;
  if (IsXAxis()) Owner()->DoXAxisMinSpanChangeEvent(this, OldMin, OldSpan, NewMin, NewSpan);
  else Owner()->DoYAxisMinSpanChangeEvent(this, OldMin, OldSpan, NewMin, NewSpan);
}

void TwPlotAxis::FireMinSpanChangeFinished(double OldMin, double OldSpan, double NewMin, double NewSpan) {
  if (!Owner()) return;
  if (IsXAxis()) Owner()->DoXAxisMinSpanChangeFinishedEvent(this, OldMin, OldSpan, NewMin, NewSpan);
  else Owner()->DoYAxisMinSpanChangeFinishedEvent(this, OldMin, OldSpan, NewMin, NewSpan);
}

// ---- setters ----

void TwPlotAxis::SetMin(double Value) {
  if (std::isnan(Value) || Value > kLimit) Value = kLimit;
  else if (Value < -kLimit) Value = -kLimit;
  if (Value == FMin) return;
  const double old = FMin;
  FMin = Value;
  DoChange();
  if (FBlockMinSpanEvents) return;
  FireMinChange(old, FMin);
  FireMinSpanChange(old, FSpan, FMin, FSpan);
}

void TwPlotAxis::SetSpan(double Value) {
  if (std::isnan(Value) || Value > kLimit) Value = kLimit;
  else if (Value < kSmallest) Value = kSmallest;
  if (Value == FSpan) return;
  const double old = FSpan;
  FSpan = Value;
  DoChange();
  if (FBlockMinSpanEvents) return;
  FireSpanChange(old, FSpan);
  FireMinSpanChange(FMin, old, FMin, FSpan);
}

void TwPlotAxis::SetDesiredIncrement(double Value) {
  if (Value > kLimit) Value = kLimit;
  else if (std::isnan(Value) || Value < 0) Value = 0;
  SetDoubleProperty(Value, FDesiredIncrement, ipnChange);
}

void TwPlotAxis::SetMinSpan(double NewMin, double NewSpan) {
  if (FScaleType == ipstLog10) {
    if (NewMin <= 0) NewMin = 1;
    if (NewSpan <= 0) NewSpan = 1;
  }
  if (NewMin == FMin && NewSpan == FSpan) return;
  const double oldMin = FMin, oldSpan = FSpan;
  FBlockMinSpanEvents = true;
  try {
    SetMin(NewMin);
    SetSpan(NewSpan);
  } catch (...) {
    FBlockMinSpanEvents = false;
    throw;
  }
  FBlockMinSpanEvents = false;
  if (NewMin != oldMin) FireMinChange(oldMin, NewMin);
  if (NewSpan != oldSpan) FireSpanChange(oldSpan, NewSpan);
  FireMinSpanChange(oldMin, oldSpan, FMin, FSpan);
}

void TwPlotAxis::UpdateResumeValues() {
  FPreviousMin = FMin;
  FPreviousSpan = FSpan;
  FPreviousLabelsMinLength = FLabelsMinLength;
}

void TwPlotAxis::SetTrackingEnabled(bool Value) {
  if (Value == FTrackingEnabled) return;
  FTrackingEnabled = Value;
  if (FRestoreValuesOnResume) {
    if (Value) {
      SetMinSpan(FPreviousMin, FPreviousSpan);
      FLabelsMinLength = FPreviousLabelsMinLength;
    } else {
      UpdateResumeValues();
    }
  }
  DoChange();
}

// ---- tracking ----

void TwPlotAxis::NewTrackingData(double Value) {
  if (!FTrackingEnabled) return;
  const double m = FMin, s = FSpan, M = Max();
  double newMin = m, newSpan = s;
  if (!FFirstAlignDone) {
    FFirstAlignDone = true;
    switch (FTrackingAlignFirstStyle) {
      case ipafsMin: newMin = Value; break;
      case ipafsMax: newMin = Value - FSpan; break;
      case ipafsAuto:
        if (Value < m || Value > M) newMin = Value;
        break;
      case ipafsNone: return;
    }
    SetMinSpan(newMin, newSpan);
    return;
  }
  switch (FTrackingStyle) {
    case iptsScaleMinMax:
      if (m + FSpan < Value) newSpan = Value - m;
      if (Value < m) newMin = Value;
      SetMinSpan(newMin, newSpan);
      AlignToIncrement();
      break;
    case iptsScaleMax:
      if (M < Value) newSpan = Value - M + FSpan;
      SetMinSpan(newMin, newSpan);
      AlignToIncrement();
      break;
    case iptsScaleMin:
      if (Value < FMin) {
        newMin = Value;
        newSpan = M - Value;
      }
      SetMinSpan(newMin, newSpan);
      AlignToIncrement();
      break;
    case iptsScrollSmooth:
    case iptsScrollPage: {
      const bool page = FTrackingStyle == iptsScrollPage;
      if (Value > m + FSpan) {
        if (FTrackingScrollCompressMax != 0) {
          if (Value - m > FSpan) newSpan = Value - m;
          if (FSpan > FTrackingScrollCompressMax) newSpan = FTrackingScrollCompressMax;
        }
        newMin = page ? m + newSpan : Value - newSpan;
      } else if (Value < FMin) {
        newMin = page ? m - newSpan : Value;
      }
      SetMinSpan(newMin, newSpan);
      break;
    }
    case iptsExpandCollapse:
      ZoomToFit();
      AlignToIncrement();
      break;
    case iptsExpandCollapseFast:
      ZoomToFitFast();
      AlignToIncrement();
      break;
    case iptsExpandMinMax:
      if (M < Value) newSpan = s + Value - M;
      if (Value < FMin) {
        newSpan = FMin - Value + FSpan;
        newMin = Value;
      }
      SetMinSpan(newMin, newSpan);
      AlignToIncrement();
      break;
  }
  if (FTrackingSpanMinimum != 0 && FSpan < FTrackingSpanMinimum)
    SetMinSpan(Mid() - FTrackingSpanMinimum / 2, FTrackingSpanMinimum);
  if (FTrackingMinMargin != 0) {
    const double t = FMin + FTrackingMinMargin;
    if (t > Value) SetMinSpan(FMin - (t - Value), FSpan);
  }
  if (FTrackingMaxMargin != 0) {
    const double t = Max() - FTrackingMaxMargin;
    if (Value > t) SetMinSpan(FMin, Value - t + FSpan);
  }
}

void TwPlotAxis::AlignToIncrement() {
  if (FTrackingIncrementStyle == iptisMinimum) return;
  const double i = FTrackingIncrementStyle == iptisMajor ? FMajorIncrement : FMinorIncrement;
  // Before any tick build there is no increment to align to.
  if (i == 0) return;
  double newMax = Max(), newMin = FMin;
  if (std::fmod(newMax, i) != 0) {
    const double t = std::trunc(newMax / i) * i;
    newMax = t < newMax ? t + i : t;
  }
  if (std::fmod(newMin, i) != 0) {
    const double t = std::trunc(newMin / i) * i;
    newMin = t > newMin ? t - i : t;
  }
  if (newMax != Max() || newMin != FMin) SetMinSpan(newMin, newMax - newMin);
}

// ---- zoom ----

void TwPlotAxis::Zoom(double Factor) {
  if (FScaleType == ipstLinear) {
    if (Factor <= 0) throw TwException("Linear Scale Zoom Factor must be Greater than Zero");
    const double newSpan = FSpan * Factor;
    SetMinSpan((Max() + FMin) / 2 - newSpan / 2, newSpan);
  } else {
    const double f = MathPower(10, Factor);
    SetMinSpan(FMin / f, FSpan * f);
  }
}

namespace {
// The channels of the plot that name Axis, with their extents.
template <class F>
void ForAxisChannels(TwPlotAxis* Axis, bool XAxis, F Visit) {
  TwPlotComponent* plot = Axis->Owner();
  if (!plot) return;
  for (int i = 0; i < plot->ChannelCount(); ++i) {
    TwPlotChannelCustom* c = plot->GetChannelCustom(i);
    const QString name = XAxis ? c->XAxisName() : c->YAxisName();
    if (name.compare(Axis->Name(), Qt::CaseInsensitive) != 0) continue;
    if (auto* e = dynamic_cast<TwPlotFitExtents*>(c)) Visit(*e);
  }
}
}  // namespace

void TwPlotAxis::ZoomToFit() {
  double hi = -kLimit, lo = kLimit;
  const bool x = IsXAxis();
  ForAxisChannels(this, x, [&](TwPlotFitExtents& e) {
    hi = std::max(hi, x ? e.GetFitXMax() : e.GetFitYMax());
    lo = std::min(lo, x ? e.GetFitXMin() : e.GetFitYMin());
  });
  if (!(hi > -1e299 && lo < 1e299 && hi != lo)) return;
  double d = hi - lo;
  if (FTrackingSpanMinimum != 0 && d < FTrackingSpanMinimum) d = FTrackingSpanMinimum;
  SetMinSpan(lo - FTrackingMinMargin, d + FTrackingMaxMargin + FTrackingMinMargin);
}

void TwPlotAxis::ZoomToFitFast() {
  double hi = -kLimit, lo = kLimit;
  const bool x = IsXAxis();
  ForAxisChannels(this, x, [&](TwPlotFitExtents& e) {
    hi = std::max(hi, x ? e.RunningXMax() : e.RunningYMax());
    lo = std::min(lo, x ? e.RunningXMin() : e.RunningYMin());
  });
  if (!(hi > -1e299 && lo < 1e299 && hi != lo)) return;
  SetMinSpan(lo - FTrackingMinMargin, hi - lo + FTrackingMaxMargin + FTrackingMinMargin);
}

void TwPlotAxis::ZoomToRect(const platform::TRect& Rect) {
  int first = IsHorz() ? Rect.Left : Rect.Bottom;
  int second = IsHorz() ? Rect.Right : Rect.Top;
  if (FReverseScale) std::swap(first, second);
  const double newMin = PixelsToPosition(first);
  SetMinSpan(newMin, PixelsToPosition(second) - newMin);
}

void TwPlotAxis::ZoomBy(double AMin, double ASpan, double AMax, double Exponent) {
  const double f = MathPower(10, Exponent);
  if (FScaleType == ipstLinear) {
    const double newSpan = ASpan / f;
    SetMinSpan((AMax + AMin) / 2 - newSpan / 2, newSpan);
  } else {
    SetMinSpan(f * AMin, ASpan / f);
  }
}

void TwPlotAxis::ScrollBy(double AMin, double ASpan, double AMax, double Fraction) {
  if (FScaleType == ipstLinear) {
    double newMin = AMin + Fraction * ASpan;
    if (FScrollMinMaxEnabled) {
      if (newMin <= FScrollMin) newMin = FScrollMin;
      else if (newMin + ASpan >= FScrollMax) newMin = FScrollMax - ASpan;
    }
    SetMinSpan(newMin, ASpan);
    return;
  }
  const double L = MathLog10(AMax) - MathLog10(AMin);
  const double g = MathPower(10, Fraction * L);
  double newMin = AMin * g, newMax = AMax * g;
  if (FScrollMinMaxEnabled) {
    if (newMin <= FScrollMin) {
      newMin = FScrollMin;
      newMax = MathPower(10, L) * FScrollMin;
    } else if (newMin + ASpan >= FScrollMax) {
      newMin = FScrollMax / MathPower(10, L);
      newMax = FScrollMax;
    }
  }
  SetMinSpan(newMin, newMax - newMin);
}

// ---- mouse, wheel and keys ----

TwPlotAxisMode TwPlotAxis::GetEffectiveMode(Qt::KeyboardModifiers Shift) const {
  if (!(Shift & Qt::ControlModifier)) return FMode;
  return FMode == ipamScroll ? ipamZoom : ipamScroll;
}

void TwPlotAxis::DoMouseLeft(const TwPlotMouseData& MouseData) {
  if (FMasterUIInput && Owner()) Owner()->RepeatAxisMouseLeft(this, MouseData);
  FAxisMouseDown = true;
  FMouseDownX = MouseData.X;
  FMouseDownY = MouseData.Y;
  FMouseDownMin = FMin;
  FMouseDownSpan = FSpan;
}

void TwPlotAxis::DoMouseMove(const TwPlotMouseData& MouseData) {
  if (FMasterUIInput && Owner()) Owner()->RepeatAxisMouseMove(this, MouseData);
  if (!FAxisMouseDown || MouseData.DblClickActive) return;
  if (OnInvalidateNow) OnInvalidateNow(this);
  SetTrackingEnabled(false);
  const double length = IsHorz() ? FScaleRect.Right - FScaleRect.Left : FScaleRect.Bottom - FScaleRect.Top;
  double x = 0;
  if (length != 0) x = IsHorz() ? (MouseData.X - FMouseDownX) / length : (FMouseDownY - MouseData.Y) / length;
  if (FReverseScale) x = -x;
  if (GetEffectiveMode(MouseData.Shift) == ipamScroll) ScrollBy(FMin, FSpan, Max(), -x);
  else ZoomBy(FMin, FSpan, Max(), FScaleType == ipstLinear ? x / 4 : 2 * x);
  FMouseDownX = MouseData.X;
  FMouseDownY = MouseData.Y;
}

void TwPlotAxis::DoMouseUp(const TwPlotMouseData& MouseData) {
  if (FMasterUIInput && Owner()) Owner()->RepeatAxisMouseUp(this, MouseData);
  if (!FAxisMouseDown) return;
  if (DoHitTest(MouseData) && Owner()) Owner()->DoClickEvent(this);
  if (FMin != FMouseDownMin || FSpan != FMouseDownSpan)
    FireMinSpanChangeFinished(FMouseDownMin, FMouseDownSpan, FMin, FSpan);
  FAxisMouseDown = false;
}

bool TwPlotAxis::DoMouseWheel(int WheelDelta, Qt::KeyboardModifiers Shift, int X, int Y) {
  if (FMasterUIInput && Owner()) Owner()->RepeatAxisMouseWheel(this, WheelDelta, Shift, X, Y);
  if (WheelDelta == 0) return true;
  SetTrackingEnabled(false);
  const double w = WheelDelta > 0 ? 1 : -1;
  if (GetEffectiveMode(Shift) == ipamScroll) ScrollBy(FMin, FSpan, Max(), 0.05 * w);
  else ZoomBy(FMin, FSpan, Max(), (FScaleType == ipstLinear ? 0.025 : 0.05) * w);
  return true;
}

void TwPlotAxis::DoKeyDown(int& CharCode, Qt::KeyboardModifiers Shift, TwPlotPopupMenu* PopupMenu) {
  if (FMasterUIInput && Owner()) Owner()->RepeatAxisKeyDown(this, CharCode, Shift, PopupMenu);
  TwPlotLayoutObject::DoKeyDown(CharCode, Shift, PopupMenu);
  SetTrackingEnabled(false);
  FMouseDownMin = FMin;
  FMouseDownSpan = FSpan;
  double k = 0;
  switch (CharCode) {
    case Qt::Key_PageUp: case Qt::Key_End: k = 1; break;
    case Qt::Key_PageDown: case Qt::Key_Home: k = -1; break;
    case Qt::Key_Up: case Qt::Key_Right: k = 0.01; break;
    case Qt::Key_Left: case Qt::Key_Down: k = -0.01; break;
    default: break;
  }
  if (k != 0) {
    if (OnInvalidateNow) OnInvalidateNow(this);
    if (FMode == ipamScroll) ScrollBy(FMin, FSpan, Max(), k);
    else ZoomBy(FMin, FSpan, Max(), k);
  }
  if (FMin != FMouseDownMin || FSpan != FMouseDownSpan)
    FireMinSpanChangeFinished(FMouseDownMin, FMouseDownSpan, FMin, FSpan);
}

TCursor TwPlotAxis::GetMouseCursor(const TwPlotMouseData&) {
  TCursor cursor = FMode == ipamScroll ? crHandPoint : IsHorz() ? crSizeWE : crSizeNS;
  if (Owner()) Owner()->DoGetMouseCursorEvent(this, cursor);
  return cursor;
}
