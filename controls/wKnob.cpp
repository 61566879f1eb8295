#include "controls/wKnob.h"

#include <QImage>

#include <algorithm>
#include <climits>
#include <cmath>
#include <numbers>

#include "controls/UxDraw.h"
#include "controls/wClock.h"

using platform::Canvas;
using platform::TColor;
using platform::TPoint;

namespace {

// Wheel notches closer than this make one step.
constexpr std::int64_t kWheelGapMs = 30;

// Sets the position component's user flag for one change.
class UserChange {
 public:
  explicit UserChange(bool& flag) : flag_(flag) { flag_ = true; }
  ~UserChange() { flag_ = false; }

 private:
  bool& flag_;
};

TColor ToTColor(const QColor& c) { return platform::FromQColor(c); }
QColor ToColor(TColor c) { return platform::ToQColor(platform::ColorToRGB(c)); }

}  // namespace

TwKnob::TwKnob(QWidget* parent) : TwScaleComponent(parent) {
  setFocusPolicy(Qt::StrongFocus);
  resize(150, 150);
  SetShowDisabledState(true);
  ScaleObject().SetTickLabelMargin(15);
}

int TwKnob::KeyCode(int QtKey) {
  switch (QtKey) {
    case Qt::Key_PageUp: return 33;
    case Qt::Key_PageDown: return 34;
    case Qt::Key_End: return 35;
    case Qt::Key_Home: return 36;
    case Qt::Key_Left: return 37;
    case Qt::Key_Up: return 38;
    case Qt::Key_Right: return 39;
    case Qt::Key_Down: return 40;
    default: return 0;
  }
}

int TwKnob::Tag() const { return uxdraw::ControlTag(this); }
void TwKnob::SetTag(int v) { uxdraw::SetControlTag(this, v); }

// ---- properties -------------------------------------------------------------

void TwKnob::SetKnobStyle(TwKnobStyle v) {
  if (v == FKnobStyle) return;
  FKnobStyle = v;
  BackGroundChange();
}

void TwKnob::SetIndicatorStyle(TwKnobIndicatorStyle v) {
  if (v == FIndicatorStyle) return;
  FIndicatorStyle = v;
  BackGroundChange();
}

QColor TwKnob::IndicatorActiveColor() const { return ToColor(FIndicatorActiveColor); }
void TwKnob::SetIndicatorActiveColor(const QColor& v) { SetIndicatorActiveColor(ToTColor(v)); }
QColor TwKnob::IndicatorInactiveColor() const { return ToColor(FIndicatorInactiveColor); }
void TwKnob::SetIndicatorInactiveColor(const QColor& v) { SetIndicatorInactiveColor(ToTColor(v)); }
QColor TwKnob::Color() const { return ToColor(FColor); }
void TwKnob::SetColor(const QColor& v) { SetColor(ToTColor(v)); }
QColor TwKnob::BackGroundColor() const { return ToColor(TwScaleComponent::BackGroundColor()); }
void TwKnob::SetBackGroundColor(const QColor& v) { TwScaleComponent::SetBackGroundColor(ToTColor(v)); }

void TwKnob::SetPositionDisplayUnits(const QString& v) {
  SetStringProperty(v.trimmed().isEmpty() ? QString() : v, FPositionDisplayUnits, 0);
}

void TwKnob::SetPositionDisplayFont(const platform::TFont& v) {
  if (v == FPositionDisplayFont) return;
  FPositionDisplayFont = v;
  InvalidateChange();
}

// ---- angles -----------------------------------------------------------------

double TwKnob::ValueToDegrees(double v) const { return FRotationStartDegrees - ValueToPercent(v) * FRotationMaxDegrees; }

double TwKnob::GetPositionDegrees() const {
  if (PositionMin() == PositionMax()) return FRotationStartDegrees;
  return ValueToPercent(Position()) * FRotationMaxDegrees;
}

void TwKnob::SetPositionDegrees(double d) {
  if (FRotationMaxDegrees == 0) return;  // no turn maps to a value
  SetPosition(PositionMin() + (PositionMax() - PositionMin()) * d / FRotationMaxDegrees);
}

double TwKnob::MouseDegrees(int X, int Y) const {
  const TPoint c = GetCenterPoint();
  return std::atan2(double(Y - c.Y), double(X - c.X)) * 180.0 / M_PI;
}

void TwKnob::UserSetPosition(double v) {
  UserChange user(FUserGenerated);
  SetPosition(v);
}

QString TwKnob::TickLabel(double v) const {
  return QString::fromStdString(FixedText(v, GetAutoTickLabelPrecision())).trimmed();
}

QString TwKnob::PositionDisplayText() const {
  const double magnitude = std::max({std::fabs(PositionMin()), std::fabs(PositionMax()), std::fabs(Position())});
  const int decimals = SignificantDecimals(magnitude, FPositionDisplayPrecision);
  return QString::fromStdString(FixedText(Position(), decimals)).trimmed() +
         FPositionDisplayUnits;
}

// ---- size and paint ---------------------------------------------------------

void TwKnob::CalcAutoSize() {
  // In 64 bits: margins and tick lengths from a file may be near the int limits.
  long long d = std::min(width(), height()) - 2LL * FOuterMargin;
  const TwScaleObject& s = ScaleObject();
  if (s.ShowTickLabels()) {
    QImage scratch(1, 1, QImage::Format_RGB32);
    Canvas measure(&scratch);
    measure.Font = s.TickLabelFont();
    const double lo = s.AutoScaleEnabled && s.AutoScaleStyle == iassFixedMinMax ? AutoScaleMinTick() : PositionMin();
    const double hi = s.AutoScaleEnabled && s.AutoScaleStyle == iassFixedMinMax ? AutoScaleMaxTick() : PositionMax();
    const double step = (hi - lo) / (s.TickMajorCount() - 1);
    int widest = 0;
    for (int i = 0; i < s.TickMajorCount(); ++i) {
      const double v = lo + i * step, a = ValueToDegrees(v) * M_PI / 180.0;
      const QString t = TickLabel(v);
      widest = std::max({widest, int(measure.TextWidth(t) * std::fabs(std::round(std::cos(a)))),
                         int(measure.TextHeight(t) * std::fabs(std::round(std::sin(a))))});
    }
    d -= widest;
    d -= 2 * ((long long)s.TickMargin() + s.TickMajorLength() + s.TickLabelMargin() + 4);
  } else if (s.ShowTicksMajor() || s.ShowTicksMinor()) {
    d -= 2 * ((long long)s.TickMargin() + s.TickMajorLength());
  }
  FKnobRadius = int(std::clamp<long long>(d / 2, INT_MIN, INT_MAX));
}

void TwKnob::DrawStatic(Canvas& Canvas) {
  if (FAutoSize) CalcAutoSize();
  DrawBackGround(Canvas, TwScaleComponent::BackGroundColor());
  DrawKnob(Canvas);
  DrawTicks(Canvas);
}

void TwKnob::DoPaint(Canvas& Canvas) {
  FCenterPoint = GetCenterPoint();
  if (UsesBackGroundCache()) {
    if (BackGroundChanged()) {
      platform::Canvas background(&GetBackGroundBitmap());
      DrawStatic(background);
      ClearBackGroundChanged();
    }
    DrawBackGroundBitmap(Canvas);
  } else {
    DrawStatic(Canvas);
  }
  DrawPositionDisplay(Canvas);
  DrawIndicator(Canvas);
  if (FShowFocusRect && HasFocus())
    FillFocusRectangle(Canvas, {0, 0, width(), height()}, TwScaleComponent::BackGroundColor());
}

void TwKnob::DrawKnob(Canvas& Canvas) {
  const TColor face = FMouseDown || FKeyDown ? Lighten16(FColor) : FColor;
  if (FKnobStyle == iksRaisedEdge || FKnobStyle == iksRaised)
    DrawRaisedDisk(Canvas, face, FCenterPoint, FKnobRadius);
  else
    DrawSunkenDisk(Canvas, face, FCenterPoint, FKnobRadius);
  if (FKnobStyle == iksRaisedEdge || FKnobStyle == iksSunkenEdge) {
    const long long r = (long long)FKnobRadius - FKnobEdgeWidth;
    Canvas.Pen = platform::TPen{face, 1, platform::psSolid};
    Canvas.Brush = platform::TBrush{face, platform::bsSolid};
    // A face that covers the whole clip is the clip filled, at any radius.
    const platform::TRect clip = Canvas.ClipRect();
    const double far = std::max(std::hypot(double(clip.Left) - FCenterPoint.X, double(clip.Top) - FCenterPoint.Y),
                                std::hypot(double(clip.Right) - FCenterPoint.X, double(clip.Bottom) - FCenterPoint.Y));
    const double farOther =
        std::max(std::hypot(double(clip.Right) - FCenterPoint.X, double(clip.Top) - FCenterPoint.Y),
                 std::hypot(double(clip.Left) - FCenterPoint.X, double(clip.Bottom) - FCenterPoint.Y));
    if (std::max(far, farOther) + 2 < double(r))
      Canvas.FillRect(clip);
    else if (r > 0)
      Canvas.Ellipse(FCenterPoint.X - int(r), FCenterPoint.Y - int(r), FCenterPoint.X + int(r), FCenterPoint.Y + int(r));
  }
}

void TwKnob::DrawTicks(Canvas& Canvas) {
  const TwScaleObject& s = ScaleObject();
  if (!s.ShowTicksMajor() && !s.ShowTicksMinor() && !s.ShowTickLabels()) return;
  const bool fixed = AutoScaleEnabled() && AutoScaleStyle() == iassFixedMinMax;
  const double lo = fixed ? AutoScaleMinTick() : PositionMin();
  const double hi = fixed ? AutoScaleMaxTick() : PositionMax();
  const double major = (hi - lo) / (s.TickMajorCount() - 1);
  const double minor = major / (s.TickMinorCount() + 1);
  // Radii in 64 bits: a file may set any of them near the int limits.
  const long long ri = (long long)s.TickMargin() + FKnobRadius - 1;
  const long long ro = (long long)s.TickMargin() + FKnobRadius + s.TickMajorLength();
  long long minorFrom = ri;
  if (s.TickMinorAlignment() == itmnaCenter) minorFrom = (ri + ro) / 2 - s.TickMinorLength() / 2;
  if (s.TickMinorAlignment() == itmnaOutside) minorFrom = ro - s.TickMinorLength();
  const bool grey = !isEnabled() && ShowDisabledState();
  const bool textEnabled = isEnabled() || !ShowDisabledState();
  Canvas.Brush.Style = platform::bsClear;
  Canvas.BkMode = platform::bkTransparent;
  auto line = [&](double v, double from, double to, TColor color) {
    const double a = ValueToDegrees(v);
    Canvas.Pen = platform::TPen{grey ? platform::clBtnShadow : color, 1, platform::psSolid};
    const TPoint p1 = PolarPoint(FCenterPoint, from, a), p2 = PolarPoint(FCenterPoint, to, a);
    Canvas.MoveTo(p1.X, p1.Y);
    Canvas.LineTo(p2.X, p2.Y);
  };
  auto minorTick = [&](double v) {
    line(v, double(minorFrom), double(minorFrom) + s.TickMinorLength(), s.TickMinorColor());
  };
  for (int i = 0; i < s.TickMajorCount(); ++i) {
    const double v = lo + i * major;
    if (s.ShowTicksMajor()) line(v, double(ri), double(ro), s.TickMajorColor());
    if (s.ShowTickLabels()) {
      QString text = TickLabel(v);
      if (OnCustomizeTickLabel) OnCustomizeTickLabel(&ScaleObject(), i, text);
      Canvas.Font = s.TickLabelFont();
      const TPoint at = PolarPoint(FCenterPoint, double(ro) + s.TickLabelMargin() + 4, ValueToDegrees(v));
      platform::TRect box = CenteredRect(at.X, at.Y, Canvas.TextWidth(text), Canvas.TextHeight(text));
      DrawTextFlags(Canvas, text, box, TwScaleComponent::BackGroundColor(), textEnabled,
                    itfCenter | itfVCenter | itfSingleLine);
    }
    if (s.ShowTicksMinor() && i < s.TickMajorCount() - 1)
      for (int j = 1; j <= s.TickMinorCount(); ++j) minorTick(v + j * minor);
  }
  if (fixed && s.ShowTicksMinor()) {
    // Ticks closer than a pixel of the outer arc cannot be told apart.
    // Nor can more than the control's own outline holds be told apart.
    const double arc = std::ceil(double(ro) * std::fabs(double(FRotationMaxDegrees)) * std::numbers::pi / 180) + 1;
    const int cap = int(std::min(arc, 8.0 * (width() + height()) + 1));
    const int above = TwScaleObject::StepsBetween(hi, PositionMax(), minor, cap);
    const int below = TwScaleObject::StepsBetween(PositionMin(), lo, minor, cap);
    for (int k = 1; k <= above; ++k) minorTick(hi + k * minor);
    for (int k = 1; k <= below; ++k) minorTick(lo - k * minor);
  }
}

void TwKnob::DrawPositionDisplay(Canvas& Canvas) {
  if (!FShowPostionDisplay) return;
  const QString text = PositionDisplayText();
  Canvas.Font = FPositionDisplayFont;
  Canvas.Brush.Style = platform::bsClear;
  Canvas.TextOut(FCenterPoint.X - Canvas.TextWidth(text) / 2, FCenterPoint.Y - Canvas.TextHeight(text) / 2, text);
}

void TwKnob::DrawIndicator(Canvas& Canvas) {
  const double angle = IndicatorDegrees();
  const TColor color = FMouseDown || FKeyDown ? FIndicatorActiveColor : FIndicatorInactiveColor;
  Canvas.Pen = platform::TPen{color, 1, platform::psSolid};
  Canvas.Brush = platform::TBrush{color, platform::bsSolid};
  const double r1 = double(FKnobRadius) - FIndicatorMargin, r2 = r1 - FIndicatorSize;
  const TPoint p = PolarPoint(FCenterPoint, r2, angle);
  const int s = std::min(FIndicatorSize, 1 << 28);  // past that it is off any canvas
  switch (FIndicatorStyle) {
    case ikisDotLowered:
    case ikisDotRaised:
    case ikisDot: {
      Canvas.Ellipse(p.X - s, p.Y - s, p.X + s, p.Y + s);
      if (FIndicatorStyle == ikisDot) break;
      const bool lowered = FIndicatorStyle == ikisDotLowered;
      // Arcs run counter-clockwise: 45 to 225 degrees is the upper-left half.
      Canvas.Pen.Color = lowered ? platform::clGray : platform::clWhite;
      Canvas.Arc(p.X - s, p.Y - s, p.X + s, p.Y + s, p.X + s, p.Y - s, p.X - s, p.Y + s);
      Canvas.Pen.Color = lowered ? platform::clWhite : platform::clGray;
      Canvas.Arc(p.X - s, p.Y - s, p.X + s, p.Y + s, p.X - s, p.Y + s, p.X + s, p.Y - s);
      break;
    }
    case ikisLineCenter: {
      const TPoint a = PolarPoint(FCenterPoint, r1, angle);
      Canvas.MoveTo(a.X, a.Y);
      Canvas.LineTo(FCenterPoint.X, FCenterPoint.Y);
      break;
    }
    case ikisLineCustom: {
      const TPoint a = PolarPoint(FCenterPoint, r1, angle);
      Canvas.MoveTo(a.X, a.Y);
      Canvas.LineTo(p.X, p.Y);
      break;
    }
    case ikisTriangle: {
      const TPoint tri[3] = {PolarPoint(FCenterPoint, r1, angle), PolarPoint(p, s / 2.0, angle + 90),
                             PolarPoint(p, s / 2.0, angle - 90)};
      Canvas.Polygon(tri);
      break;
    }
  }
}

// ---- input ------------------------------------------------------------------

void TwKnob::DoKillFocus() {
  TwScaleComponent::DoKillFocus();
  FMouseDown = false;
  FKeyDown = false;
}

void TwKnob::DoWantSpecialKey(int& CharCode, int& Result) {
  const int code = KeyCode(CharCode);
  Result = FUseKeyboard && code >= 37 && code <= 40 ? 1 : 0;
}

void TwKnob::DoKeyDown(int& Key, Qt::KeyboardModifiers) {
  if (FUseKeyboard) {
    FKeyDown = true;
    UserChange user(FUserGenerated);
    switch (KeyCode(Key)) {
      case 37:
      case 40:
        SetPosition(Position() - FKeyArrowStepSize);
        Key = 0;
        break;
      case 38:
      case 39:
        SetPosition(Position() + FKeyArrowStepSize);
        Key = 0;
        break;
      case 33:
        SetPosition(Position() + FKeyPageStepSize);
        Key = 0;
        break;
      case 34:
        SetPosition(Position() - FKeyPageStepSize);
        Key = 0;
        break;
      case 36:
        SetPosition(PositionMin());
        Key = 0;
        break;
      case 35:
        SetPosition(PositionMax());
        Key = 0;
        break;
      default:
        break;
    }
  }
  BackGroundChange();
}

void TwKnob::DoKeyUp(int&, Qt::KeyboardModifiers) {
  BackGroundChange();
  if (!FKeyDown) return;
  FKeyDown = false;
  if (FPositionDirty) DoPositionChangeFinished();
}

void TwKnob::DoMouseDown(Qt::MouseButton Button, Qt::KeyboardModifiers, int X, int Y) {
  if (Button != Qt::LeftButton || !isEnabled()) return;
  FPositionDirty = false;
  setFocus(Qt::MouseFocusReason);
  const TPoint c = GetCenterPoint();
  if (std::lround(std::hypot(double(X - c.X), double(Y - c.Y))) < FKnobRadius) {
    FMouseDown = true;
    FMouseDownDegrees = MouseDegrees(X, Y);
    BackGroundChange();
  }
}

void TwKnob::DoMouseMove(Qt::KeyboardModifiers, int X, int Y) {
  if (!FMouseDown) return;
  const double a = MouseDegrees(X, Y);
  double d = FMouseDownDegrees - a;
  if (d > 200) d -= 360;
  if (d < -200) d += 360;
  {
    UserChange user(FUserGenerated);
    SetPositionDegrees(GetPositionDegrees() - d);
  }
  FMouseDownDegrees = a;
  InvalidateChange();
}

void TwKnob::DoMouseUp(Qt::MouseButton, Qt::KeyboardModifiers, int, int) {
  BackGroundChange();
  if (!FMouseDown) return;
  FMouseDown = false;
  DoPositionChangeFinished();
}

bool TwKnob::DoMouseWheel(int WheelDelta, Qt::KeyboardModifiers Shift, QPoint MousePos) {
  const bool result = TwScaleComponent::DoMouseWheel(WheelDelta, Shift, MousePos);
  const std::int64_t now = twclock::NowMs();
  if (FWheelSeen && now - FLastWheelTime < kWheelGapMs) return result;
  FWheelSeen = true;
  FLastWheelTime = now;
  UserSetPosition(Position() + (WheelDelta > 0 ? 1 : WheelDelta < 0 ? -1 : 0) * FMouseWheelStepSize);
  DoPositionChangeFinished();
  return true;
}

void TwKnob::DoOPCPositionChange() { OPCOutputData(QStringLiteral("Position"), QVariant(Position())); }
