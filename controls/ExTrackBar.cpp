#include "controls/ExTrackBar.h"

#include "controls/UxDraw.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QTimer>
#include <QWheelEvent>

#include <cmath>
#include <cstdlib>

namespace {
// Geometry and colour defaults of the bar, in one place.
struct TrackDefaults {
  int borderWidth = 1;     // frame line
  int offset = 2;          // inner margin
  int sliderOffset = 10;   // track start across the bar
  int sliderSize = 3;      // groove thickness
  int trackGrow = 4;       // press area around the track that pages
  int initialRepeat = 400;
  int repeat = 100;
  QColor sliderColor{255, 255, 255};
  QColor sliderColorTo{0, 0, 0};
  QColor sliderBorder{160, 160, 164};
  QColor thumbFace{196, 200, 206};
  QColor thumbMark{30, 90, 200};
};
const TrackDefaults kTrack;

// Rounds halves to even, as the position arithmetic requires.
int Nearest(double v) { return static_cast<int>(std::nearbyint(v)); }

// Rectangles here use exclusive right/bottom edges.
QRect FromEdges(int l, int t, int r, int b) { return QRect(l, t, r - l, b - t); }
}  // namespace

// ---- TTrackBarThumb --------------------------------------------------------

TTrackBarThumb::TTrackBarThumb(QObject* parent) : QObject(parent) {
  for (TGDIPPicture* pic : {&FPicture, &FPictureHot, &FPictureDown, &FPictureDisabled})
    pic->OnChange = [this](QObject*) { Changed(); };
}

void TTrackBarThumb::SetSize(int v) {
  if (v == FSize) return;
  FSize = v;
  Changed();
}

void TTrackBarThumb::SetWidth(int v) {
  if (v == FWidth) return;
  FWidth = v;
  Changed();
}

void TTrackBarThumb::SetColor(const QColor& v) {
  if (v == FColor) return;
  FColor = v;
  Changed();
}

void TTrackBarThumb::Changed() {
  if (OnChange) OnChange(this);
}

// ---- TExTrackBar -----------------------------------------------------------

TExTrackBar::TExTrackBar(QWidget* parent)
    : QWidget(parent),
      FSliderColor(kTrack.sliderColor),
      FSliderColorTo(kTrack.sliderColorTo),
      FSliderBorderColor(kTrack.sliderBorder) {
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(true);
  FThumb.OnChange = [this](QObject*) { update(); };
  resize(150, 45);
}

QSize TExTrackBar::sizeHint() const { return FOrientation == trVertical ? QSize(27, 180) : QSize(180, 27); }

int TExTrackBar::Tag() const { return uxdraw::ControlTag(this); }
void TExTrackBar::SetTag(int value) { uxdraw::SetControlTag(this, value); }

void TExTrackBar::SetPosition(int value) {
  if (value == FPosition) return;
  if (value < FMin) value = FMin;
  else if (value > FMax) value = FMax;
  const QRect before = ThumbRect().adjusted(-1, -1, 1, 1);
  FPosition = value;
  update(before);
  update(ThumbRect().adjusted(-1, -1, 1, 1));
  if (OnChange) OnChange(this);
}

void TExTrackBar::SetMin(int value) {
  if (value == FMin) return;
  FMin = value;
  if (FPosition < FMin) SetPosition(FMin);
  update();
}

void TExTrackBar::SetMax(int value) {
  if (value == FMax) return;
  FMax = value;
  if (FPosition > FMax) SetPosition(FMax);
  update();
}

void TExTrackBar::SetOrientation(TTrackBarOrientation value) {
  if (value == FOrientation) return;
  FOrientation = value;
  update();
}

void TExTrackBar::SetShowFocus(bool value) {
  if (value == FShowFocus) return;
  FShowFocus = value;
  update();
}

void TExTrackBar::SetThumb(const TTrackBarThumb* value) {
  if (!value || value == &FThumb) return;
  FThumb.SetPicture(value->Picture());
  FThumb.SetPictureHot(value->PictureHot());
  FThumb.SetPictureDown(value->PictureDown());
  FThumb.SetPictureDisabled(value->PictureDisabled());
  FThumb.SetSize(value->Size());
  FThumb.SetWidth(value->Width());
  FThumb.SetColor(value->Color());
}

void TExTrackBar::SetSliderColor(const QColor& v) { if (v != FSliderColor) { FSliderColor = v; update(); } }
void TExTrackBar::SetSliderColorTo(const QColor& v) { if (v != FSliderColorTo) { FSliderColorTo = v; update(); } }
void TExTrackBar::SetSliderBorderColor(const QColor& v) {
  if (v != FSliderBorderColor) { FSliderBorderColor = v; update(); }
}
void TExTrackBar::SetColor(const QColor& v) { if (v != FColor) { FColor = v; update(); } }

// ---- geometry --------------------------------------------------------------

QRect TExTrackBar::ContentRect() const {
  const int in = kTrack.borderWidth + kTrack.offset;
  return FromEdges(in, in, width() - in, height() - in);
}

QRect TExTrackBar::TrackRect() const {
  QRect c = ContentRect();
  if (FOrientation == trVertical) c.setLeft(c.left() + kTrack.sliderOffset);
  else c.setTop(c.top() + kTrack.sliderOffset);
  return c;
}

QRect TExTrackBar::SliderRect() const {
  const QRect t = TrackRect();
  if (FOrientation == trVertical) return QRect(t.left(), t.top(), kTrack.sliderSize, t.height());
  return QRect(t.left(), t.top(), t.width(), kTrack.sliderSize);
}

int TExTrackBar::TrackLength() const {
  const QRect t = TrackRect();
  return (FOrientation == trVertical ? t.height() : t.width()) - FThumb.Width();
}

QRect TExTrackBar::ThumbRect() const {
  const QRect s = SliderRect();
  const QRect t = TrackRect();
  const int span = FMax - FMin;
  const int offset = span == 0 ? 0 : Nearest(double(TrackLength()) * (double(FPosition - FMin) / span));
  if (FOrientation == trVertical) {
    const int left = s.left() + s.width() / 2 - FThumb.Size() / 2;
    const int bottom = t.top() + t.height() - offset;  // exclusive bottom edge
    return FromEdges(left, bottom - FThumb.Width(), left + FThumb.Size(), bottom);
  }
  const int top = s.top() + s.height() / 2 - FThumb.Size() / 2;
  const int left = t.left() + offset;
  return FromEdges(left, top, left + FThumb.Width(), top + FThumb.Size());
}

int TExTrackBar::ValueFromOffset(double offset) const {
  const int len = TrackLength();
  if (len <= 0) return FPosition;
  int v = Nearest(offset / len * (FMax - FMin) + FMin);
  if (v < FMin) v = FMin;
  if (v > FMax) v = FMax;
  return v;
}

// ---- painting --------------------------------------------------------------

void TExTrackBar::paintEvent(QPaintEvent*) {
  QPainter p(this);
  drawBackground(p);
  drawSlider(p);
  drawThumb(p);
  drawFocus(p);
}

void TExTrackBar::drawBackground(QPainter& p) {
  if (FColor.isValid()) p.fillRect(rect(), FColor);
}

void TExTrackBar::drawSlider(QPainter& p) {
  const QRect s = SliderRect();
  if (s.isEmpty()) return;
  QLinearGradient g = FOrientation == trVertical ? QLinearGradient(s.topLeft(), s.topRight() + QPoint(1, 0))
                                                 : QLinearGradient(s.topLeft(), s.bottomLeft() + QPoint(0, 1));
  const bool on = isEnabled();
  g.setColorAt(0, on ? FSliderColor : uxdraw::Shade(FSliderColorTo, 120));
  g.setColorAt(1, FSliderColorTo);
  p.fillRect(s, g);
  if (FSliderBorderColor.isValid()) {
    p.setPen(FSliderBorderColor);
    p.setBrush(Qt::NoBrush);
    p.drawRect(s.adjusted(0, 0, -1, -1).adjusted(-1, -1, 1, 1));
  }
}

const TGDIPPicture* TExTrackBar::ThumbPictureForState() const {
  if (!isEnabled() && !FThumb.PictureDisabled()->Empty()) return FThumb.PictureDisabled();
  if (isEnabled() && FThumbDown && !FThumb.PictureDown()->Empty()) return FThumb.PictureDown();
  if (isEnabled() && FThumbHot && !FThumb.PictureHot()->Empty()) return FThumb.PictureHot();
  return FThumb.Picture();
}

void TExTrackBar::drawThumb(QPainter& p) {
  const QRect r = ThumbRect();
  const TGDIPPicture* pic = ThumbPictureForState();
  if (!pic->Empty() && !pic->Image().isNull()) {
    pic->Draw(p, r);
    return;
  }
  // A fader cap: shaded body, dark outline, a coloured index line across the middle.
  p.save();
  p.setRenderHint(QPainter::Antialiasing, true);
  const bool on = isEnabled();
  QColor face = FThumb.Color().isValid() ? FThumb.Color() : kTrack.thumbFace;
  if (!on) face = uxdraw::Shade(face, 60);
  else if (FThumbDown) face = uxdraw::Shade(face, -25);
  else if (FThumbHot) face = uxdraw::Shade(face, 40);
  const QRectF body = QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5);
  const bool vertical = FOrientation == trVertical;
  QLinearGradient g = vertical ? QLinearGradient(body.topLeft(), body.bottomLeft())
                               : QLinearGradient(body.topLeft(), body.topRight());
  g.setColorAt(0.0, uxdraw::Shade(face, 90));
  g.setColorAt(0.45, face);
  g.setColorAt(0.55, uxdraw::Shade(face, -30));
  g.setColorAt(1.0, uxdraw::Shade(face, -70));
  QPainterPath path;
  path.addRoundedRect(body, 2.5, 2.5);
  p.fillPath(path, g);
  p.setPen(QPen(uxdraw::Shade(face, -140), 1));
  p.drawPath(path);
  // Grip ridges above and below the index line.
  p.setPen(QPen(uxdraw::Shade(face, -80), 1));
  const QPointF c = body.center();
  for (int k : {-8, -5, 5, 8}) {
    if (vertical) p.drawLine(QPointF(body.left() + 3, c.y() + k), QPointF(body.right() - 3, c.y() + k));
    else p.drawLine(QPointF(c.x() + k, body.top() + 3), QPointF(c.x() + k, body.bottom() - 3));
  }
  p.setPen(QPen(on ? kTrack.thumbMark : QColor(128, 128, 128), 2));
  if (vertical) p.drawLine(QPointF(body.left() + 1.5, c.y()), QPointF(body.right() - 1.5, c.y()));
  else p.drawLine(QPointF(c.x(), body.top() + 1.5), QPointF(c.x(), body.bottom() - 1.5));
  p.restore();
}

void TExTrackBar::drawFocus(QPainter& p) {
  if (!FShowFocus || !hasFocus()) return;
  p.save();
  p.setPen(QPen(QColor(0, 0, 0), 1, Qt::DotLine));
  p.setBrush(Qt::NoBrush);
  p.drawRect(rect().adjusted(0, 0, -1, -1));
  p.restore();
}

// ---- input -----------------------------------------------------------------

void TExTrackBar::mousePressEvent(QMouseEvent* e) {
  const QPoint pt = e->position().toPoint();
  if (OnMouseDown) OnMouseDown(this, e->button(), e->modifiers(), pt.x(), pt.y());
  if (!hasFocus()) setFocus(Qt::MouseFocusReason);
  if (e->button() != Qt::LeftButton || !isEnabled()) return;
  const QRect thumb = ThumbRect();
  if (thumb.contains(pt)) {
    FSliding = FThumbDown = true;
    FThumbCenterOffsetX = pt.x() - (thumb.left() + thumb.width() / 2);
    FThumbCenterOffsetY = pt.y() - (thumb.top() + thumb.height() / 2);
    update(thumb);
    return;
  }
  const QRect t = TrackRect();
  if (t.adjusted(-kTrack.trackGrow, -kTrack.trackGrow, kTrack.trackGrow, kTrack.trackGrow).contains(pt)) {
    FSliderButtonDown = true;
    FSliderDownPt = pt;
    PageTowardClick();
    if (!FRepeatTimer) {
      FRepeatTimer = new QTimer(this);
      connect(FRepeatTimer, &QTimer::timeout, this, [this] { RepeatTimerExpired(); });
    }
    FRepeatTimer->start(kTrack.initialRepeat);
  }
}

void TExTrackBar::PageTowardClick() {
  const int span = FMax - FMin;
  const double r = span == 0 ? 0.0 : double(TrackLength()) / span;
  const QRect t = TrackRect();
  const int tickOffset = FThumb.Width() / 2;
  if (FOrientation == trVertical) {
    const int p = t.top() + t.height() - Nearest((FPosition - FMin) * r);
    int q = FSliderDownPt.y();
    if (q >= p) q = FSliderDownPt.y() + tickOffset;
    if (std::abs(q - p) >= r) SetPosition(FSliderDownPt.y() < p ? FPosition + FPageSize : FPosition - FPageSize);
  } else {
    const int p = t.left() + Nearest((FPosition - FMin) * r);
    int q = FSliderDownPt.x();
    if (q < p) q = FSliderDownPt.x() - tickOffset;
    if (std::abs(q - p) >= r) SetPosition(FSliderDownPt.x() < p ? FPosition - FPageSize : FPosition + FPageSize);
  }
}

void TExTrackBar::RepeatTimerExpired() {
  FRepeatTimer->setInterval(kTrack.repeat);
  if (FSliderButtonDown) PageTowardClick();
  else FRepeatTimer->stop();
}

void TExTrackBar::mouseMoveEvent(QMouseEvent* e) {
  const QPoint pt = e->position().toPoint();
  if (FSliding) {
    const QRect t = TrackRect();
    const int w = FThumb.Width();
    const double n = FOrientation == trVertical
                         ? double(t.top() + t.height() - (w - w / 2) + FThumbCenterOffsetY - pt.y())
                         : double(pt.x() - t.left() - FThumbCenterOffsetX - w / 2);
    FSliderButtonDown = false;
    SetPosition(ValueFromOffset(n));
    return;
  }
  const bool hot = isEnabled() && ThumbRect().contains(pt);
  if (hot != FThumbHot) {
    FThumbHot = hot;
    if (!hot) FThumbDown = false;
    update(ThumbRect());
  }
}

void TExTrackBar::mouseReleaseEvent(QMouseEvent* e) {
  if (FRepeatTimer) FRepeatTimer->stop();
  FSliderButtonDown = false;
  if (e->button() != Qt::LeftButton) return;
  FSliding = false;
  if (FThumbDown) {
    FThumbDown = false;
    if (!ThumbRect().contains(e->position().toPoint())) FThumbHot = false;
    update(ThumbRect());
  }
}

void TExTrackBar::wheelEvent(QWheelEvent* e) {
  e->accept();
  if (!isEnabled()) return;
  const int delta = e->angleDelta().y();
  if (delta < 0 && FPosition > FMin) SetPosition(FPosition - 1);
  else if (delta > 0 && FPosition < FMax) SetPosition(FPosition + 1);
}

void TExTrackBar::keyPressEvent(QKeyEvent* e) {
  if (e->modifiers() & Qt::ShiftModifier) return QWidget::keyPressEvent(e);
  const bool vertical = FOrientation == trVertical;
  switch (e->key()) {
    case Qt::Key_PageUp: SetPosition(FPosition + FPageSize); break;
    case Qt::Key_PageDown: SetPosition(FPosition - FPageSize); break;
    case Qt::Key_End: SetPosition(vertical ? FMin : FMax); break;
    case Qt::Key_Home: SetPosition(vertical ? FMax : FMin); break;
    case Qt::Key_Up: case Qt::Key_Right: if (FPosition < FMax) SetPosition(FPosition + 1); break;
    case Qt::Key_Down: case Qt::Key_Left: if (FPosition > FMin) SetPosition(FPosition - 1); break;
    default: return QWidget::keyPressEvent(e);
  }
  e->accept();
}

void TExTrackBar::leaveEvent(QEvent* e) {
  if ((FThumbHot || FThumbDown) && !FSliding) {
    FThumbHot = FThumbDown = false;
    update(ThumbRect());
  }
  QWidget::leaveEvent(e);
}

void TExTrackBar::changeEvent(QEvent* e) {
  if (e->type() == QEvent::EnabledChange) update();
  QWidget::changeEvent(e);
}
