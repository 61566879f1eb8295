#include "controls/wLed.h"

#include "controls/UxDraw.h"

#include <QEvent>
#include <QPainter>
#include <QRadialGradient>
#include <QResizeEvent>

namespace {
struct LedDefaults {
  QColor active{0, 255, 0};      // lime
  QColor inactive{0, 85, 0};     // dark green
  QColor bezel{240, 240, 240};   // button face the bezel is shaded from
  QColor labelActive{0, 0, 0};
  QColor labelInactive{255, 255, 255};
  int labelEndsMargin = 5;
};
const LedDefaults kLed;
}  // namespace

TwLed::TwLed(QWidget* parent) : QWidget(parent), FActiveColor(kLed.active), FInactiveColor(kLed.inactive) {
  resize(20, 20);
}

int TwLed::Tag() const { return uxdraw::ControlTag(this); }
void TwLed::SetTag(int v) { uxdraw::SetControlTag(this, v); }

void TwLed::SetActive(bool v) {
  if (v == FActive) return;
  FActive = v;
  Changed();
  if (OnChange) OnChange(this);
}

void TwLed::SetActiveNoEvent(bool v) {
  auto keep = std::move(OnChange);
  OnChange = nullptr;
  SetActive(v);
  OnChange = std::move(keep);
}

void TwLed::SetActiveColor(const QColor& v) { if (v != FActiveColor) { FActiveColor = v; Changed(); } }
void TwLed::SetInactiveColor(const QColor& v) { if (v != FInactiveColor) { FInactiveColor = v; Changed(); } }
void TwLed::SetAutoInactiveColor(bool v) { if (v != FAutoInactiveColor) { FAutoInactiveColor = v; Changed(); } }
void TwLed::SetBevelStyle(TwBevelStyle v) { if (v != FBevelStyle) { FBevelStyle = v; Changed(); } }
void TwLed::SetShowReflection(bool v) { if (v != FShowReflection) { FShowReflection = v; Changed(); } }

QColor TwLed::LampColor() const {
  if (FActive) return FActiveColor;
  return FAutoInactiveColor ? uxdraw::ScaleColor(FActiveColor, 3) : FInactiveColor;
}

void TwLed::paintEvent(QPaintEvent*) {
  QPainter p(this);
  DoPaint(p);
}

// ---- TwLedRound ------------------------------------------------------------

void TwLedRound::resizeEvent(QResizeEvent* e) {
  // The lamp stays round: a changed width wins, else the changed height.
  const QSize s = e->size(), o = e->oldSize();
  if (s.width() != s.height()) {
    const int side = (o.isValid() && s.width() == o.width()) ? s.height() : s.width();
    resize(side, side);
  }
  TwLed::resizeEvent(e);
}

void TwLedRound::DoPaint(QPainter& p) {
  p.setRenderHint(QPainter::Antialiasing, true);
  QRectF r(0, 0, width(), height());
  drawBezel(p, r);
  drawLamp(p, r);
  drawReflection(p, r);
}

void TwLedRound::drawBezel(QPainter& p, QRectF& r) {
  if (BevelStyle() == ibsNone) return;
  const QColor light = uxdraw::Shade(kLed.bezel, 32 * 255 / 100), dark = uxdraw::Shade(kLed.bezel, -64 * 255 / 100);
  QLinearGradient g(r.topLeft(), r.bottomRight());
  g.setColorAt(0, BevelStyle() == ibsRaised ? light : dark);
  g.setColorAt(1, BevelStyle() == ibsRaised ? dark : light);
  p.setPen(Qt::NoPen);
  p.setBrush(g);
  p.drawEllipse(r);
  r.adjust(2, 2, -2, -2);
}

void TwLedRound::drawLamp(QPainter& p, const QRectF& r) {
  const QColor c = LampColor();
  // A lit lamp glows from a bright core; a dark one is nearly flat.
  QRadialGradient g(r.center() - QPointF(r.width() * 0.15, r.height() * 0.15), r.width() * 0.65);
  g.setColorAt(0, Active() ? uxdraw::Shade(c, 150) : uxdraw::Shade(c, 25));
  g.setColorAt(0.6, c);
  g.setColorAt(1, uxdraw::Shade(c, -60));
  p.setPen(QPen(uxdraw::Shade(c, -90), 0.8));
  p.setBrush(g);
  p.drawEllipse(r.adjusted(0.4, 0.4, -0.4, -0.4));
}

void TwLedRound::drawReflection(QPainter& p, const QRectF& r) {
  if (!ShowReflection()) return;
  const qreal q = width() / 4.0;
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(255, 255, 255, 220), 1.2));
  const QRectF a = r.adjusted(q - 2, q - 2, -(q - 2), -(q - 2));
  p.drawArc(a, 100 * 16, 70 * 16);
  p.drawArc(a.adjusted(1, 1, -1, -1), 100 * 16, 70 * 16);
}

// ---- TwLedRectangle --------------------------------------------------------

TwLedRectangle::TwLedRectangle(QWidget* parent)
    : TwLed(parent), FLabelActive(kLed.labelActive), FLabelInactive(kLed.labelInactive) {}

void TwLedRectangle::SetCenterLabelText(const QString& v) { if (v != FCenterLabelText) { FCenterLabelText = v; Changed(); } }
void TwLedRectangle::SetCenterLabelFontActiveColor(const QColor& v) { if (v != FLabelActive) { FLabelActive = v; Changed(); } }
void TwLedRectangle::SetCenterLabelFontInactiveColor(const QColor& v) {
  if (v != FLabelInactive) { FLabelInactive = v; Changed(); }
}

void TwLedRectangle::DoPaint(QPainter& p) {
  const QRect r = rect();
  drawLamp(p, r);
  drawLabel(p, r);
}

void TwLedRectangle::drawLamp(QPainter& p, const QRect& r) {
  const QColor c = LampColor();
  QLinearGradient g(r.topLeft(), r.bottomLeft());
  g.setColorAt(0, Active() ? uxdraw::Shade(c, 110) : uxdraw::Shade(c, 20));
  g.setColorAt(0.5, c);
  g.setColorAt(1, uxdraw::Shade(c, -40));
  p.fillRect(r, g);
  if (BevelStyle() != ibsNone)
    uxdraw::DrawBevel(p, r, BevelStyle() == ibsRaised ? uxdraw::TBevel::Raised : uxdraw::TBevel::Lowered);
  if (ShowReflection()) {
    p.setPen(Qt::white);
    p.drawLine(3, 3, 5, 3);
  }
}

void TwLedRectangle::drawLabel(QPainter& p, const QRect& r) {
  if (FCenterLabelText.trimmed().isEmpty()) return;
  const int m = kLed.labelEndsMargin + 2;
  p.setPen(Active() ? FLabelActive : FLabelInactive);
  p.setFont(font());
  p.drawText(r.adjusted(m, 2, -m, -2), Qt::AlignCenter | Qt::TextDontClip, FCenterLabelText);
}
