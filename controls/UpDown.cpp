#include "controls/UpDown.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>
#include <QWheelEvent>

#include <algorithm>
#include <limits>

#include "controls/UxDraw.h"

TUpDown::TUpDown(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::TabFocus);
  resize(sizeHint());
}

int TUpDown::Tag() const { return uxdraw::ControlTag(this); }
void TUpDown::SetTag(int v) { uxdraw::SetControlTag(this, v); }
int TUpDown::HelpContext() const { return property("HelpContext").toInt(); }
void TUpDown::SetHelpContext(int v) { setProperty("HelpContext", v); }

void TUpDown::SetMin(int v) {
  if (v == FMin) return;
  FMin = v;
  if (FMax < FMin) FMax = FMin;
  SetPosition(FPosition);
}

void TUpDown::SetMax(int v) {
  if (v == FMax) return;
  FMax = v;
  if (FMin > FMax) FMin = FMax;
  SetPosition(FPosition);
}

void TUpDown::SetPosition(int v) {
  v = std::clamp(v, FMin, FMax);
  if (v == FPosition) return;
  FPosition = v;
  update();
}

void TUpDown::Step(TUDBtnType button) {
  if (!isEnabled()) return;
  const bool up = button == TUDBtnType::btNext;
  // Wide arithmetic: a request beyond the range is passed on as it is.
  const long long requested = static_cast<long long>(FPosition) + (up ? FIncrement : -static_cast<long long>(FIncrement));
  const int newValue = static_cast<int>(std::clamp<long long>(requested, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
  bool allow = true;
  if (OnChangingEx) OnChangingEx(this, allow, newValue, up ? TUpDownDirection::updUp : TUpDownDirection::updDown);
  if (allow) SetPosition(newValue);
  if (OnClick) OnClick(this, button);
}

void TUpDown::RequestPosition(int v) {
  if (!isEnabled() || v == FPosition) return;
  bool allow = true;
  if (OnChangingEx) OnChangingEx(this, allow, v, v > FPosition ? TUpDownDirection::updUp : TUpDownDirection::updDown);
  if (allow) SetPosition(v);
}

QRect TUpDown::ArrowRect(bool up) const {
  const int half = height() / 2;
  return up ? QRect(0, 0, width(), half) : QRect(0, half, width(), height() - half);
}

void TUpDown::paintEvent(QPaintEvent*) {
  QPainter p(this);
  for (bool up : {true, false}) {
    const QRect r = ArrowRect(up);
    const bool pressed = FPressed == (up ? 1 : -1);
    p.fillRect(r, pressed ? palette().mid() : palette().button());
    p.setPen(palette().dark().color());
    p.drawRect(r.adjusted(0, 0, -1, -1));
    drawArrow(p, r, up);
  }
}

void TUpDown::drawArrow(QPainter& p, const QRect& r, bool up) {
  p.save();
  p.setPen(Qt::NoPen);
  p.setBrush(isEnabled() ? palette().buttonText() : palette().mid());
  const int cx = r.center().x(), cy = r.center().y();
  if (up)
    p.drawPolygon(QPolygon({QPoint(cx - 3, cy + 2), QPoint(cx + 3, cy + 2), QPoint(cx, cy - 1)}));
  else
    p.drawPolygon(QPolygon({QPoint(cx - 3, cy - 1), QPoint(cx + 3, cy - 1), QPoint(cx, cy + 2)}));
  p.restore();
}

void TUpDown::mousePressEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton || !isEnabled()) return;
  const bool up = ArrowRect(true).contains(e->position().toPoint());
  FPressed = up ? 1 : -1;
  update();
  Step(up ? TUDBtnType::btNext : TUDBtnType::btPrev);
}

void TUpDown::mouseReleaseEvent(QMouseEvent*) {
  if (FPressed == 0) return;
  FPressed = 0;
  update();
}

void TUpDown::keyPressEvent(QKeyEvent* e) {
  if (e->key() == Qt::Key_Up) return Step(TUDBtnType::btNext);
  if (e->key() == Qt::Key_Down) return Step(TUDBtnType::btPrev);
  QWidget::keyPressEvent(e);
}

void TUpDown::wheelEvent(QWheelEvent* e) {
  const int dy = e->angleDelta().y();
  if (dy == 0) return e->ignore();
  Step(dy > 0 ? TUDBtnType::btNext : TUDBtnType::btPrev);
  e->accept();
}
