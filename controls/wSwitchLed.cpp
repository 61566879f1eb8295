#include "controls/wSwitchLed.h"

#include "controls/UxDraw.h"

#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {
struct SwitchDefaults {
  QColor active{0, 255, 0};
  QColor background{240, 240, 240};
  QColor highlight{255, 255, 255};
  QColor shadow{160, 160, 160};
  QColor dark{105, 105, 105};
  QColor caption{0, 0, 0};
  int indicatorHeight = 4;
  int indicatorWidth = 10;
  int indicatorMargin = 5;
  int captionMargin = 2;
};
const SwitchDefaults kSwitch;
}  // namespace

TwSwitchLed::TwSwitchLed(QWidget* parent)
    : QWidget(parent), FActiveColor(kSwitch.active), FBackGroundColor(kSwitch.background), FCaption("On") {
  setFocusPolicy(Qt::StrongFocus);
  resize(40, 28);
}

int TwSwitchLed::Tag() const { return uxdraw::ControlTag(this); }
void TwSwitchLed::SetTag(int v) { uxdraw::SetControlTag(this, v); }

void TwSwitchLed::SetActive(bool v) {
  if (v == FActive) return;
  FActive = v;
  update();
  if (OnChange) OnChange(this);
  if (FUserGenerated && OnChangeUser) OnChangeUser(this);
}

void TwSwitchLed::SetActiveNoEvent(bool v) {
  auto keep = std::move(OnChange);
  OnChange = nullptr;
  SetActive(v);
  OnChange = std::move(keep);
}

void TwSwitchLed::UserToggle() {
  FUserGenerated = true;
  SetActive(!FActive);
  FUserGenerated = false;
}

void TwSwitchLed::SetActiveColor(const QColor& v) { if (v != FActiveColor) { FActiveColor = v; update(); } }
void TwSwitchLed::SetCaption(const QString& v) { if (v != FCaption) { FCaption = v; update(); } }
void TwSwitchLed::SetIndicatorAlignment(TwSideAlignment v) { if (v != FIndicatorAlignment) { FIndicatorAlignment = v; update(); } }
void TwSwitchLed::SetBackGroundColor(const QColor& v) { if (v != FBackGroundColor) { FBackGroundColor = v; update(); } }
void TwSwitchLed::SetBorderSize(int v) {
  v = std::max(2, v);
  if (v != FBorderSize) { FBorderSize = v; update(); }
}

QRect TwSwitchLed::LampRect() const {
  const int c = FBorderSize - 2;
  const QRect box(c, c, width() - 2 * c - 1, height() - 2 * c - 1);
  const int m = kSwitch.indicatorMargin;
  const QPoint ctr = rect().center();
  switch (FIndicatorAlignment) {
    case isaBottom: case isaTop: {
      const int w = box.width() - 2 * m, h = kSwitch.indicatorHeight;
      const int top = FIndicatorAlignment == isaBottom ? box.bottom() - m - h : box.top() + m;
      return QRect(ctr.x() - w / 2, top, w, h);
    }
    default: {
      const int w = kSwitch.indicatorWidth, h = box.height() - 2 * m;
      const int left = FIndicatorAlignment == isaLeft ? box.left() + m : box.right() - m - w;
      return QRect(left, ctr.y() - h / 2, w, h);
    }
  }
}

QRect TwSwitchLed::CaptionRect() const {
  const int c = FBorderSize - 2;
  const QRect box(c, c, width() - 2 * c - 1, height() - 2 * c - 1);
  const QRect lamp = LampRect();
  const int cm = kSwitch.captionMargin;
  switch (FIndicatorAlignment) {
    case isaBottom: return QRect(QPoint(box.left(), box.top()), QPoint(box.right(), lamp.top() - cm));
    case isaTop: return QRect(QPoint(box.left(), lamp.bottom() + cm), box.bottomRight());
    case isaLeft: return QRect(QPoint(lamp.right() + cm, box.top()), box.bottomRight());
    case isaRight: return QRect(box.topLeft(), QPoint(lamp.left() - cm, box.bottom()));
  }
  return box;
}

void TwSwitchLed::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), FBackGroundColor);
  drawButtonBorder(p);
  drawCaption(p);
  drawLamp(p);
  if (hasFocus()) {
    p.setPen(QPen(kSwitch.caption, 1, Qt::DotLine));
    p.setBrush(Qt::NoBrush);
    p.drawRect(rect().adjusted(3, 3, -4, -4));
  }
}

void TwSwitchLed::drawButtonBorder(QPainter& p) {
  const int w = width(), h = height();
  auto edges = [&](int a, const QColor& tl, const QColor& br) {
    p.setPen(tl);
    p.drawLine(a, a, w - 1 - a, a);
    p.drawLine(a, a, a, h - 1 - a);
    p.setPen(br);
    p.drawLine(w - 1 - a, h - 1 - a, w - 1 - a, a);
    p.drawLine(w - 1 - a, h - 1 - a, a, h - 1 - a);
  };
  if (Pressed()) {
    edges(0, Qt::black, Qt::black);
    edges(1, kSwitch.dark, kSwitch.dark);
    for (int i = 2; i < FBorderSize; ++i) edges(i, kSwitch.shadow, kSwitch.highlight);
  } else {
    edges(0, kSwitch.highlight, Qt::black);
    for (int i = 1; i < FBorderSize; ++i) edges(i, kSwitch.highlight, kSwitch.shadow);
  }
}

void TwSwitchLed::drawCaption(QPainter& p) {
  QRect r = CaptionRect();
  if (Pressed() && isEnabled()) r.translate(1, 1);
  int flags = Qt::AlignHCenter | Qt::AlignBottom;
  if (FIndicatorAlignment == isaTop) flags = Qt::AlignHCenter | Qt::AlignTop;
  else if (FIndicatorAlignment == isaLeft) flags = Qt::AlignLeft | Qt::AlignVCenter;
  else if (FIndicatorAlignment == isaRight) flags = Qt::AlignRight | Qt::AlignVCenter;
  p.setFont(font());
  uxdraw::DrawTextCentered(p, r, FCaption, kSwitch.caption, isEnabled(), flags | Qt::TextShowMnemonic | Qt::TextDontClip);
}

void TwSwitchLed::drawLamp(QPainter& p) {
  QRect l = LampRect();
  if (Pressed()) l.translate(1, 1);
  p.setPen(Qt::black);
  p.setBrush(FActive ? FActiveColor : uxdraw::ScaleColor(FActiveColor, 3));
  p.drawRect(l);
  p.setPen(Qt::white);
  p.drawLine(l.left(), l.bottom() + 1, l.right() + 1, l.bottom() + 1);
  p.drawLine(l.right() + 1, l.bottom() + 1, l.right() + 1, l.top());
}

void TwSwitchLed::mousePressEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton || !isEnabled()) return;
  setFocus(Qt::MouseFocusReason);
  FMouseDown = true;
  update();
}

void TwSwitchLed::mouseReleaseEvent(QMouseEvent* e) {
  if (!FMouseDown) return;
  FMouseDown = false;
  update();
  if (rect().contains(e->position().toPoint())) UserToggle();  // a release outside cancels
}

void TwSwitchLed::keyPressEvent(QKeyEvent* e) {
  if (e->key() != Qt::Key_Space || e->isAutoRepeat()) return QWidget::keyPressEvent(e);
  FMouseDown = false;
  FKeyDown = true;
  update();
}

void TwSwitchLed::keyReleaseEvent(QKeyEvent* e) {
  if (e->key() != Qt::Key_Space || e->isAutoRepeat() || !FKeyDown) return QWidget::keyReleaseEvent(e);
  FKeyDown = false;
  update();
  UserToggle();
}

void TwSwitchLed::focusOutEvent(QFocusEvent* e) {
  FMouseDown = FKeyDown = false;
  update();
  QWidget::focusOutEvent(e);
}

void TwSwitchLed::changeEvent(QEvent* e) {
  if (e->type() == QEvent::EnabledChange) update();
  QWidget::changeEvent(e);
}
