#include "controls/UxButton.h"

#include "controls/UxDraw.h"

#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {
struct ButtonDefaults {
  QColor color{240, 240, 240};
  QColor font{0, 0, 0};
  QColor focus{0, 0, 0};
};
const ButtonDefaults kButton;
}  // namespace

TUxButton::TUxButton(QWidget* parent) : QWidget(parent), FColor(kButton.color), FFontColor(kButton.font) {
  setFocusPolicy(Qt::StrongFocus);
  resize(75, 25);
}

int TUxButton::Tag() const { return uxdraw::ControlTag(this); }
void TUxButton::SetTag(int v) { uxdraw::SetControlTag(this, v); }

void TUxButton::SetCaption(const QString& v) { if (v != FCaption) { FCaption = v; update(); } }
void TUxButton::SetColor(const QColor& v) { if (v != FColor) { FColor = v; update(); } }
void TUxButton::SetThemeAware(bool v) { if (v != FThemeAware) { FThemeAware = v; update(); } }
void TUxButton::SetFontColor(const QColor& v) { if (v != FFontColor) { FFontColor = v; update(); } }

QColor TUxButton::FaceColor() const { return FThemeAware ? palette().color(QPalette::Button) : FColor; }

void TUxButton::Click() {
  if (OnClick) OnClick(this);
}

void TUxButton::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QRect r = rect();
  drawFace(p, r);
  drawCaption(p, r);
  drawFocus(p, r);
}

void TUxButton::drawFace(QPainter& p, const QRect& r) {
  uxdraw::DrawButtonFace(p, r, FaceColor(), FPressed, FHot, isEnabled());
}

void TUxButton::drawCaption(QPainter& p, const QRect& r) {
  p.setFont(font());
  uxdraw::DrawTextCentered(p, FPressed ? r.translated(1, 1) : r, FCaption, FFontColor, isEnabled(),
                           Qt::AlignCenter | Qt::TextSingleLine);
}

void TUxButton::drawFocus(QPainter& p, const QRect& r) {
  if (!hasFocus()) return;
  p.setPen(QPen(kButton.focus, 1, Qt::DotLine));
  p.setBrush(Qt::NoBrush);
  p.drawRect(r.adjusted(3, 3, -4, -4));
}

void TUxButton::mousePressEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton || !isEnabled()) return;
  setFocus(Qt::MouseFocusReason);
  FDragging = FPressed = true;
  update();
}

void TUxButton::mouseMoveEvent(QMouseEvent* e) {
  if (!FDragging) return;
  const bool inside = rect().contains(e->position().toPoint());
  if (inside != FPressed) {
    FPressed = inside;
    update();
  }
}

void TUxButton::mouseReleaseEvent(QMouseEvent* e) {
  if (!FDragging || e->button() != Qt::LeftButton) return;
  FDragging = FPressed = false;
  update();
  if (rect().contains(e->position().toPoint())) Click();
}

void TUxButton::keyPressEvent(QKeyEvent* e) {
  if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) return Click();
  if (e->key() == Qt::Key_Space && !e->isAutoRepeat()) {
    FPressed = true;
    update();
    return;
  }
  QWidget::keyPressEvent(e);
}

void TUxButton::keyReleaseEvent(QKeyEvent* e) {
  if (e->key() == Qt::Key_Space && !e->isAutoRepeat() && FPressed) {
    FPressed = false;
    update();
    Click();
    return;
  }
  QWidget::keyReleaseEvent(e);
}

void TUxButton::enterEvent(QEnterEvent* e) { FHot = true; update(); QWidget::enterEvent(e); }
void TUxButton::leaveEvent(QEvent* e) { FHot = false; update(); QWidget::leaveEvent(e); }

void TUxButton::changeEvent(QEvent* e) {
  if (e->type() == QEvent::EnabledChange || e->type() == QEvent::PaletteChange) update();
  QWidget::changeEvent(e);
}
