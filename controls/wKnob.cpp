#include "controls/wKnob.h"

#include "controls/UxDraw.h"

#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QRadialGradient>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace {
struct KnobDefaults {
  QColor face{255, 255, 255};           // window colour
  QColor background{240, 240, 240};     // button face
  QColor indicatorActive{0, 255, 255};  // aqua
  QColor indicatorInactive{255, 0, 0};  // red
  QColor tickMajor{0, 0, 0};
  QColor tickMinor{128, 128, 128};
  QColor tickDisabled{160, 160, 160};
  QColor label{0, 0, 0};
  int tickMargin = 5;
  int tickMajorLength = 7;
  int tickMinorLength = 3;
  int tickLabelMargin = 15;
  int wheelGapMs = 30;
};
const KnobDefaults kKnob;

QPointF PolarPoint(const QPointF& c, double r, double degrees) {
  const double a = degrees * M_PI / 180.0;
  return {c.x() + r * std::cos(a), c.y() - r * std::sin(a)};
}
}  // namespace

TwKnob::TwKnob(QWidget* parent)
    : QWidget(parent),
      FIndicatorActiveColor(kKnob.indicatorActive),
      FIndicatorInactiveColor(kKnob.indicatorInactive),
      FColor(kKnob.face),
      FBackGroundColor(kKnob.background) {
  setFocusPolicy(Qt::StrongFocus);
  resize(150, 150);
}

int TwKnob::Tag() const { return uxdraw::ControlTag(this); }
void TwKnob::SetTag(int v) { uxdraw::SetControlTag(this, v); }

// ---- position --------------------------------------------------------------

void TwKnob::SetPosition(double v) {
  if (v > FPositionMax) v = FPositionMax;
  if (v < FPositionMin) v = FPositionMin;
  if (v == FPosition) return;
  FPosition = v;
  FPositionDirty = true;
  update();
  if (OnPositionChange) OnPositionChange(this);
  if (FUserGenerated && OnPositionChangeUser) OnPositionChangeUser(this);
}

void TwKnob::SetPositionNoEvent(double v) {
  auto keep = std::move(OnPositionChange);
  OnPositionChange = nullptr;
  SetPosition(v);
  OnPositionChange = std::move(keep);
}

void TwKnob::SetPositionMin(double v) { if (v != FPositionMin) SetMinMax(v, FPositionMax); }
void TwKnob::SetPositionMax(double v) { if (v != FPositionMax) SetMinMax(FPositionMin, v); }

void TwKnob::SetMinMax(double min, double max) {
  if (min == FPositionMin && max == FPositionMax) return;
  FPositionMin = min;
  FPositionMax = max;
  ClampPosition();
  update();
}

void TwKnob::ClampPosition() {
  if (FPosition < FPositionMin) SetPosition(FPositionMin);
  if (FPosition > FPositionMax) SetPosition(FPositionMax);
}

double TwKnob::ValueToPercent(double v) const {
  if (v > FPositionMax) return 1;
  if (v >= FPositionMin && FPositionMax != FPositionMin) return (v - FPositionMin) / (FPositionMax - FPositionMin);
  return 0;
}

double TwKnob::ValueToDegrees(double v) const { return FRotationStartDegrees - ValueToPercent(v) * FRotationMaxDegrees; }

double TwKnob::GetPositionDegrees() const {
  if (FPositionMin == FPositionMax) return FRotationStartDegrees;
  return ValueToPercent(FPosition) * FRotationMaxDegrees;
}

void TwKnob::SetPositionDegrees(double d) {
  if (FRotationMaxDegrees == 0) return;
  SetPosition(FPositionMin + (FPositionMax - FPositionMin) * d / FRotationMaxDegrees);
}

void TwKnob::UserSetPosition(double v) {
  FUserGenerated = true;
  SetPosition(v);
  FUserGenerated = false;
}

void TwKnob::DoPositionChangeFinished() {
  if (!FPositionDirty) return;
  FPositionDirty = false;
  if (OnPositionChangeFinished) OnPositionChangeFinished(this);
}

// ---- appearance setters ----------------------------------------------------

#define KNOB_SETTER(Name, Field, Type)         \
  void TwKnob::Set##Name(Type v) {             \
    if (v == Field) return;                    \
    Field = v;                                 \
    update();                                  \
  }
KNOB_SETTER(KnobRadius, FKnobRadius, int)
KNOB_SETTER(KnobEdgeWidth, FKnobEdgeWidth, int)
KNOB_SETTER(KnobStyle, FKnobStyle, TwKnobStyle)
KNOB_SETTER(IndicatorStyle, FIndicatorStyle, TwKnobIndicatorStyle)
KNOB_SETTER(IndicatorActiveColor, FIndicatorActiveColor, const QColor&)
KNOB_SETTER(IndicatorInactiveColor, FIndicatorInactiveColor, const QColor&)
KNOB_SETTER(IndicatorMargin, FIndicatorMargin, int)
KNOB_SETTER(RotationStartDegrees, FRotationStartDegrees, int)
KNOB_SETTER(RotationMaxDegrees, FRotationMaxDegrees, int)
KNOB_SETTER(AutoSize, FAutoSize, bool)
KNOB_SETTER(OuterMargin, FOuterMargin, int)
KNOB_SETTER(ShowTicksMajor, FShowTicksMajor, bool)
KNOB_SETTER(ShowTicksMinor, FShowTicksMinor, bool)
KNOB_SETTER(ShowTickLabels, FShowTickLabels, bool)
KNOB_SETTER(ShowPostionDisplay, FShowPositionDisplay, bool)
KNOB_SETTER(PositionDisplayUnits, FPositionDisplayUnits, const QString&)
KNOB_SETTER(Color, FColor, const QColor&)
KNOB_SETTER(BackGroundColor, FBackGroundColor, const QColor&)
KNOB_SETTER(Transparent, FTransparent, bool)
#undef KNOB_SETTER

void TwKnob::SetIndicatorSize(int v) {
  v = v <= 0 ? 1 : v;
  if (v != FIndicatorSize) { FIndicatorSize = v; update(); }
}
void TwKnob::SetTickMajorCount(int v) {
  v = std::clamp(v, 2, 100);
  if (v != FTickMajorCount) { FTickMajorCount = v; update(); }
}
void TwKnob::SetTickMinorCount(int v) {
  v = std::clamp(v, 1, 100);
  if (v != FTickMinorCount) { FTickMinorCount = v; update(); }
}
void TwKnob::SetTickLabelPrecision(int v) {
  v = std::max(0, v);
  if (v != FTickLabelPrecision) { FTickLabelPrecision = v; update(); }
}
void TwKnob::SetPositionDisplayPrecision(int v) {
  v = std::max(0, v);
  if (v != FPositionDisplayPrecision) { FPositionDisplayPrecision = v; update(); }
}

// ---- geometry and painting -------------------------------------------------

QPointF TwKnob::CenterPoint() const { return QPointF(width() / 2, height() / 2); }

QString TwKnob::TickLabel(double v) const { return QString::number(v, 'f', FTickLabelPrecision).trimmed(); }

QString TwKnob::PositionDisplayText() const {
  return QString::number(FPosition, 'f', FPositionDisplayPrecision).trimmed() + FPositionDisplayUnits;
}

void TwKnob::CalcAutoSize() {
  int d = std::min(width(), height()) - 2 * FOuterMargin;
  if (FShowTickLabels) {
    const QFontMetrics fm = fontMetrics();
    int widest = 0;
    const double step = (FPositionMax - FPositionMin) / (FTickMajorCount - 1);
    for (int i = 0; i < FTickMajorCount; ++i) {
      const double v = FPositionMin + i * step, a = ValueToDegrees(v) * M_PI / 180.0;
      const QString t = TickLabel(v);
      widest = std::max({widest, int(fm.horizontalAdvance(t) * std::abs(std::round(std::cos(a)))),
                         int(fm.height() * std::abs(std::round(std::sin(a))))});
    }
    d -= widest + 2 * (kKnob.tickMargin + kKnob.tickMajorLength + kKnob.tickLabelMargin + 4);
  } else if (FShowTicksMajor || FShowTicksMinor) {
    d -= 2 * (kKnob.tickMargin + kKnob.tickMajorLength);
  }
  FKnobRadius = std::max(1, d / 2);
}

void TwKnob::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing, true);
  if (FAutoSize) CalcAutoSize();
  drawBackground(p);
  drawKnob(p);
  drawTicks(p);
  drawPositionDisplay(p);
  drawIndicator(p);
  if (hasFocus()) {
    p.setPen(QPen(Qt::black, 1, Qt::DotLine));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
  }
}

void TwKnob::drawBackground(QPainter& p) {
  if (!FTransparent) p.fillRect(rect(), FBackGroundColor);
}

void TwKnob::drawKnob(QPainter& p) {
  const QColor face = (FMouseDown || FKeyDown) ? uxdraw::Shade(FColor, 16) : FColor;
  const QPointF c = CenterPoint();
  const double r = FKnobRadius;
  const bool raised = FKnobStyle == iksRaisedEdge || FKnobStyle == iksRaised;
  // Shaded disk: light from the top left on a raised knob, from the bottom right on a sunken one.
  QLinearGradient g(c - QPointF(r, r) * 0.7, c + QPointF(r, r) * 0.7);
  g.setColorAt(0, raised ? uxdraw::Shade(face, 150) : uxdraw::Shade(face, -110));
  g.setColorAt(1, raised ? uxdraw::Shade(face, -110) : uxdraw::Shade(face, 150));
  p.setPen(QPen(uxdraw::Shade(face, -150), 1));
  p.setBrush(g);
  p.drawEllipse(c, r - 0.5, r - 0.5);
  if (FKnobStyle == iksRaisedEdge || FKnobStyle == iksSunkenEdge) {
    const double inner = r - FKnobEdgeWidth;
    QRadialGradient rg(c - QPointF(inner, inner) * 0.3, inner * 1.3);
    rg.setColorAt(0, uxdraw::Shade(face, 40));
    rg.setColorAt(1, face);
    p.setPen(Qt::NoPen);
    p.setBrush(rg);
    p.drawEllipse(c, inner, inner);
  }
}

void TwKnob::drawTicks(QPainter& p) {
  if (!FShowTicksMajor && !FShowTicksMinor && !FShowTickLabels) return;
  const QPointF c = CenterPoint();
  const double ri = kKnob.tickMargin + FKnobRadius - 1, ro = kKnob.tickMargin + FKnobRadius + kKnob.tickMajorLength;
  const double major = (FPositionMax - FPositionMin) / (FTickMajorCount - 1);
  const double minor = major / (FTickMinorCount + 1);
  const bool on = isEnabled();
  for (int i = 0; i < FTickMajorCount; ++i) {
    const double v = FPositionMin + i * major, a = ValueToDegrees(v);
    if (FShowTicksMajor) {
      p.setPen(QPen(on ? kKnob.tickMajor : kKnob.tickDisabled, 1.2));
      p.drawLine(PolarPoint(c, ri, a), PolarPoint(c, ro, a));
    }
    if (FShowTickLabels) {
      const QString t = TickLabel(v);
      const QPointF at = PolarPoint(c, ro + kKnob.tickLabelMargin + 4, a);
      const QSizeF s = p.fontMetrics().size(Qt::TextSingleLine, t);
      p.setPen(on ? kKnob.label : kKnob.tickDisabled);
      p.drawText(QRectF(at - QPointF(s.width() / 2, s.height() / 2), s), Qt::AlignCenter, t);
    }
    if (FShowTicksMinor && i + 1 < FTickMajorCount) {
      p.setPen(QPen(on ? kKnob.tickMinor : kKnob.tickDisabled, 1));
      for (int j = 1; j <= FTickMinorCount; ++j) {
        const double am = ValueToDegrees(v + j * minor);
        p.drawLine(PolarPoint(c, ri, am), PolarPoint(c, ri + kKnob.tickMinorLength, am));
      }
    }
  }
}

void TwKnob::drawPositionDisplay(QPainter& p) {
  if (!FShowPositionDisplay) return;
  p.setPen(kKnob.label);
  const QPointF c = CenterPoint();
  p.drawText(QRectF(c.x() - FKnobRadius, c.y() - FKnobRadius, 2 * FKnobRadius, 2 * FKnobRadius), Qt::AlignCenter,
             PositionDisplayText());
}

void TwKnob::drawIndicator(QPainter& p) {
  const QPointF c = CenterPoint();
  const double angle = FRotationStartDegrees - GetPositionDegrees();
  const QColor col = (FMouseDown || FKeyDown) ? FIndicatorActiveColor : FIndicatorInactiveColor;
  const double r1 = FKnobRadius - FIndicatorMargin, r2 = r1 - FIndicatorSize;
  const QPointF pt = PolarPoint(c, r2, angle);
  p.setPen(QPen(col, 1));
  p.setBrush(col);
  switch (FIndicatorStyle) {
    case ikisDotLowered: case ikisDotRaised: case ikisDot: {
      const double s = FIndicatorSize;
      p.drawEllipse(pt, s, s);
      if (FIndicatorStyle == ikisDot) break;
      const bool lowered = FIndicatorStyle == ikisDotLowered;
      const QRectF box(pt.x() - s, pt.y() - s, 2 * s, 2 * s);
      p.setBrush(Qt::NoBrush);
      p.setPen(QPen(lowered ? QColor(128, 128, 128) : Qt::white, 1));
      p.drawArc(box, 45 * 16, 180 * 16);
      p.setPen(QPen(lowered ? Qt::white : QColor(128, 128, 128), 1));
      p.drawArc(box, 225 * 16, 180 * 16);
      break;
    }
    case ikisLineCenter:
      p.setPen(QPen(col, 2));
      p.drawLine(PolarPoint(c, r1, angle), c);
      break;
    case ikisLineCustom:
      p.setPen(QPen(col, 2));
      p.drawLine(PolarPoint(c, r1, angle), pt);
      break;
    case ikisTriangle: {
      const QPointF tri[3] = {PolarPoint(c, r1, angle), PolarPoint(pt, FIndicatorSize / 2.0, angle + 90),
                              PolarPoint(pt, FIndicatorSize / 2.0, angle - 90)};
      p.drawPolygon(tri, 3);
      break;
    }
  }
}

// ---- input -----------------------------------------------------------------

double TwKnob::MouseDegrees(const QPointF& pt) const {
  const QPointF c = CenterPoint();
  return std::atan2(pt.y() - c.y(), pt.x() - c.x()) * 180.0 / M_PI;
}

void TwKnob::mousePressEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton || !isEnabled()) return;
  FPositionDirty = false;
  setFocus(Qt::MouseFocusReason);
  const QPointF d = e->position() - CenterPoint();
  if (std::lround(std::hypot(d.x(), d.y())) < FKnobRadius) {
    FMouseDown = true;
    FMouseDownDegrees = MouseDegrees(e->position());
    update();
  }
}

void TwKnob::mouseMoveEvent(QMouseEvent* e) {
  if (FMouseDown) {
    const double a = MouseDegrees(e->position());
    double d = FMouseDownDegrees - a;
    if (d > 200) d -= 360;
    if (d < -200) d += 360;
    FUserGenerated = true;
    SetPositionDegrees(GetPositionDegrees() - d);
    FUserGenerated = false;
    FMouseDownDegrees = a;
  }
  if (OnMouseMove) OnMouseMove(this, e->modifiers(), int(e->position().x()), int(e->position().y()));
}

void TwKnob::mouseReleaseEvent(QMouseEvent*) {
  update();
  if (!FMouseDown) return;
  FMouseDown = false;
  DoPositionChangeFinished();
}

void TwKnob::keyPressEvent(QKeyEvent* e) {
  if (!FUseKeyboard) return QWidget::keyPressEvent(e);
  double target = FPosition;
  switch (e->key()) {
    case Qt::Key_Left: case Qt::Key_Down: target -= FKeyArrowStepSize; break;
    case Qt::Key_Right: case Qt::Key_Up: target += FKeyArrowStepSize; break;
    case Qt::Key_PageUp: target += FKeyPageStepSize; break;
    case Qt::Key_PageDown: target -= FKeyPageStepSize; break;
    case Qt::Key_Home: target = FPositionMin; break;
    case Qt::Key_End: target = FPositionMax; break;
    default: return QWidget::keyPressEvent(e);
  }
  FKeyDown = true;
  UserSetPosition(target);
  update();
}

void TwKnob::keyReleaseEvent(QKeyEvent* e) {
  if (!FKeyDown || e->isAutoRepeat()) return QWidget::keyReleaseEvent(e);
  FKeyDown = false;
  update();
  DoPositionChangeFinished();
}

void TwKnob::wheelEvent(QWheelEvent* e) {
  e->accept();
  const int delta = e->angleDelta().y();
  if (delta == 0 || !isEnabled()) return;
  if (FLastWheel.isValid() && FLastWheel.elapsed() < kKnob.wheelGapMs) return;
  FLastWheel.start();
  UserSetPosition(FPosition + (delta > 0 ? 1 : -1) * FMouseWheelStepSize);
  DoPositionChangeFinished();
}

void TwKnob::focusOutEvent(QFocusEvent* e) {
  FMouseDown = FKeyDown = false;
  update();
  QWidget::focusOutEvent(e);
}

void TwKnob::changeEvent(QEvent* e) {
  if (e->type() == QEvent::EnabledChange) update();
  QWidget::changeEvent(e);
}
