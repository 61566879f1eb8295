// The track bar's interaction: press, drag, track paging with its repeat,
// end buttons, keys, wheel, focus, hot tracking and the drag hint window.
#include "controls/ExTrackBar.h"

#include <QApplication>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QWheelEvent>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>

namespace {
int Nearest(long double v) { return int(std::nearbyint(v)); }
// A position moved by a step, held in int: SetPosition then clamps it to the range.
int Stepped(int position, long long step) {
  return int(std::clamp<long long>(position + step, INT_MIN, INT_MAX));
}
}  // namespace

// ---- TTrackHintWindow --------------------------------------------------------

TTrackHintWindow::TTrackHintWindow(QWidget* owner)
    : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::NoDropShadowWindowHint) {
  Q_UNUSED(owner);
  setAttribute(Qt::WA_ShowWithoutActivating);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, platform::ToQColor(platform::clInfoBk));
  setPalette(pal);
}

QRect TTrackHintWindow::CalcHintRect() const {
  const QFontMetrics fm(font());
  return QRect(0, 0, fm.horizontalAdvance(FText), fm.height());
}

void TTrackHintWindow::ActivateHint(const QRect& rect, const QString& hint) {
  FText = hint;
  const QRect text = CalcHintRect();
  FTextWidth = text.width();
  FTextHeight = text.height();
  QRect r(rect.topLeft(), QSize(FTextWidth + 16, FTextHeight + 4));
  QScreen* screen = QGuiApplication::screenAt(r.topLeft());
  if (!screen) screen = QGuiApplication::primaryScreen();
  if (screen) {
    const QRect s = screen->geometry();
    if (r.right() > s.right() - 2) r.moveRight(s.right() - 2);
    if (r.bottom() > s.bottom() - 2) r.moveBottom(s.bottom() - 2);
  }
  setGeometry(r);
  show();
  update();
}

void TTrackHintWindow::paintEvent(QPaintEvent*) {
  platform::Canvas c(this);
  const platform::TRect r{0, 0, width(), height()};
  c.Brush = {platform::clInfoBk, platform::bsSolid};
  c.FillRect(r);
  c.Pen.Color = platform::cl3DLight;
  const platform::TPoint light[] = {{r.Left, r.Bottom - 2}, {r.Left, r.Top}, {r.Right - 1, r.Top}};
  c.Polyline(light);
  c.Pen.Color = platform::cl3DDkShadow;
  const platform::TPoint dark[] = {{r.Left, r.Bottom - 1}, {r.Right - 1, r.Bottom - 1}, {r.Right - 1, r.Top - 1}};
  c.Polyline(dark);
  c.Font.Color = platform::clInfoText;
  c.BkMode = platform::bkTransparent;
  platform::TRect tr = r;
  c.DrawText(FText, tr, platform::DT_CENTER | platform::DT_VCENTER | platform::DT_SINGLELINE);
}

// ---- press -------------------------------------------------------------------

void TCustomTrackBar::mousePressEvent(QMouseEvent* e) {
  const QPoint pt = e->position().toPoint();
  if (OnMouseDown) OnMouseDown(this, e->button(), e->modifiers(), pt.x(), pt.y());
  if (!hasFocus()) setFocus(Qt::MouseFocusReason);
  if (!isEnabled()) return;
  const bool left = e->button() == Qt::LeftButton;
  if (left) FPressed = true;
  const bool onMin = FButtons->Visible() && MinButtonRect().contains(pt);
  const bool onMax = FButtons->Visible() && MaxButtonRect().contains(pt);
  const QRect thumb = ThumbRect();
  const bool rating = RatingMode();
  if (!rating && !thumb.contains(pt) && left && FMoveOnClick != mcStep && !onMin && !onMax) {
    const QRect t = TrackRect();
    const int travel = TrackTravel();
    const long double n = FOrientation == trVertical ? (long double)(t.top() + t.height() - FThumb->Width() - pt.y())
                                                     : (long double)(pt.x() - t.left() - TickOffset());
    int v = travel == 0 ? FPosition : Nearest(n / travel * ((long double)FMax - FMin) + FMin);
    if (v < FMin) v = FMin;
    if (v > FMax) v = FMax;
    if (!IsValidPosition(v)) v = FPosition;
    SetPosition(v);
    if (FMoveOnClick == mcMoveSlide) FThumbDown = FSliding = true;
    return;
  }
  if (!left || rating) return;
  if (thumb.contains(pt) && AllowThumbDrag()) {
    FSliding = FThumbDown = true;
    FThumbCenterOffsetX = pt.x() - (thumb.left() + thumb.width() / 2);
    FThumbCenterOffsetY = pt.y() - (thumb.top() + thumb.height() / 2);
    PaintThumbNow();
    return;
  }
  if (!thumb.contains(pt) && TrackRect().adjusted(-4, -4, 4, 4).contains(pt) && AllowTrackClick()) {
    FSliderButtonDown = true;
    FSliderDownPt = pt;
    FPageDirection = 0;
    PageTowardClick();
    StartRepeatTimer();
    return;
  }
  if (FButtons->Visible()) {
    if (onMin && !FMinButtonDown) {
      FMinButtonDown = true;
      UpdateButton(false);
      if (FButtons->RepeatClick) StartRepeatTimer();
    } else if (onMax && !FMaxButtonDown) {
      FMaxButtonDown = true;
      UpdateButton(true);
      if (FButtons->RepeatClick) StartRepeatTimer();
    }
  }
}

void TCustomTrackBar::StartRepeatTimer() {
  if (!FRepeatTimer) {
    FRepeatTimer = new QTimer(this);
    FRepeatTimer->setTimerType(Qt::PreciseTimer);  // never fires early
    connect(FRepeatTimer, &QTimer::timeout, this, [this] { RepeatTimerExpired(); });
  }
  FRepeatTimer->setInterval(FButtons->InitRepeatPause);
  FRepeatTimer->start();
}

void TCustomTrackBar::PageTowardClick() {
  const long double span = (long double)FMax - FMin;
  const double r = FMax == FMin ? 0.0 : double(TrackTravel() / span);
  const QRect t = TrackRect();
  const QRect thumb = ThumbRect();
  const int e = TickOffset();
  int direction = 0;
  if (FOrientation == trVertical) {
    const int p = t.top() + t.height() - Nearest(((long double)FPosition - FMin) * r);
    int q = FSliderDownPt.y();
    if (q >= p) q = FSliderDownPt.y() + e;
    if (std::abs(q - p) >= r) direction = FSliderDownPt.y() < p ? 1 : -1;
  } else {
    const int p = t.left() + Nearest(((long double)FPosition - FMin) * r);
    int q = FSliderDownPt.x();
    if (q < p) q = FSliderDownPt.x() - e;
    if (std::abs(q - p) >= r) direction = FSliderDownPt.x() < p ? -1 : 1;
  }
  if (direction == 0) return;
  // A held press pages one way only, and stops once the thumb reaches the
  // press point: paging back would swing the value by a page each repeat.
  if (FPageDirection != 0 && direction != FPageDirection) return;
  const int y = FSliderDownPt.y(), x = FSliderDownPt.x();
  const bool reached = FOrientation == trVertical ? (direction > 0 ? thumb.top() <= y : thumb.bottom() >= y)
                                                  : (direction > 0 ? thumb.right() >= x : thumb.left() <= x);
  if (reached) return;
  FPageDirection = direction;
  SetPosition(Stepped(FPosition, (long long)direction * FPageSize));
}

void TCustomTrackBar::RepeatTimerExpired() {
  FRepeatTimer->setInterval(FButtons->RepeatPause);
  if (!FPressed) return;
  try {
    if (FSliderButtonDown) PageTowardClick();
    else if (FMinButtonDown) StepDown();
    else if (FMaxButtonDown) StepUp();
    else FRepeatTimer->stop();
  } catch (...) {
    FRepeatTimer->stop();
    throw;
  }
}

// ---- move --------------------------------------------------------------------

void TCustomTrackBar::mouseMoveEvent(QMouseEvent* e) {
  if (RatingMode()) return;
  const QPoint pt = e->position().toPoint();
  if (FSliding) {
    const QRect t = TrackRect();
    const int w = FThumb->Width();
    const long double n = FOrientation == trVertical
                              ? (long double)(t.top() + t.height() - (w - w / 2) + FThumbCenterOffsetY - pt.y())
                              : (long double)(pt.x() - t.left() - FThumbCenterOffsetX - w / 2);
    const int travel = TrackTravel();
    int v = travel == 0 ? FPosition : Nearest(n / travel * ((long double)FMax - FMin) + FMin);
    if (v < FMin) v = FMin;
    if (v > FMax) v = FMax;
    if (!IsValidPosition(v)) v = FPosition;
    if (v != FPosition && FTrackHint && v != FHintTickIndex) ShowDragHint(v, e->globalPosition().toPoint());
    FSliderButtonDown = false;
    SetPosition(v);
    return;
  }
  if (FButtons->Visible()) {
    for (bool maxEnd : {false, true}) {
      bool& hot = maxEnd ? FMaxButtonHot : FMinButtonHot;
      bool& down = maxEnd ? FMaxButtonDown : FMinButtonDown;
      const bool over = (maxEnd ? MaxButtonRect() : MinButtonRect()).contains(pt);
      if (over && !hot) {
        hot = true;
        UpdateButton(maxEnd);
      } else if (!over && hot) {
        hot = down = false;
        UpdateButton(maxEnd);
      }
    }
  }
  const bool over = ThumbRect().contains(pt) && AllowThumbDrag();
  if (over && !FThumbHot) {
    FThumbHot = true;
    PaintThumbNow();
  } else if (!over && FThumbHot) {
    FThumbHot = FThumbDown = false;
    PaintThumbNow();
  }
}

void TCustomTrackBar::ShowDragHint(int v, const QPoint& globalPos) {
  FHintTickIndex = v;
  QString text = QString::number(v);
  if (OnGetTrackHint) OnGetTrackHint(this, v, text);
  FTrackHintWnd->ActivateHint(QRect(globalPos + QPoint(10, 0), QSize(1, 1)), text);
  FTrackHintShow = true;
}

void TCustomTrackBar::HideDragHint() {
  if (!FTrackHintShow) return;
  FTrackHintWnd->hide();
  FTrackHintShow = false;
  FHintTickIndex = -1;
}

// ---- release -----------------------------------------------------------------

void TCustomTrackBar::mouseReleaseEvent(QMouseEvent* e) {
  if (FRepeatTimer) FRepeatTimer->stop();
  FSliderButtonDown = false;
  const QPoint pt = e->position().toPoint();
  const bool left = e->button() == Qt::LeftButton;
  if (left) FPressed = false;
  if (RatingMode()) {
    if (!left) return;
    const int shown = RateCellsShown();
    for (int k = 1; k <= shown; ++k) {
      if (RateCellRect(FMin + k).contains(pt)) {
        SetPosition(FMin + k);
        return;
      }
    }
    const QRect first = RateCellRect(FMin + 1);
    if (!first.isEmpty() && pt.x() >= first.left() - 4 && pt.x() < first.left() && pt.y() >= first.top() &&
        pt.y() <= first.top() + first.height())
      SetPosition(FMin);
    return;
  }
  if (!left) return;
  HideDragHint();
  FSliding = false;
  if (FThumbDown) {
    FThumbDown = false;
    if (!ThumbRect().contains(pt)) FThumbHot = false;
    PaintThumbNow();
  }
  if (FButtons->Visible()) {
    if (MinButtonRect().contains(pt) && FMinButtonDown) {
      FMinButtonDown = false;
      UpdateButton(false);
      StepDown();
    } else if (MaxButtonRect().contains(pt) && FMaxButtonDown) {
      FMaxButtonDown = false;
      UpdateButton(true);
      StepUp();
    }
  }
}

// ---- keys, wheel, focus, leave -----------------------------------------------

void TCustomTrackBar::keyPressEvent(QKeyEvent* e) {
  if (e->modifiers() & Qt::ShiftModifier) return QWidget::keyPressEvent(e);
  const bool vertical = FOrientation == trVertical;
  switch (e->key()) {
    case Qt::Key_PageUp: SetPosition(Stepped(FPosition, FPageSize)); break;
    case Qt::Key_PageDown: SetPosition(Stepped(FPosition, -(long long)FPageSize)); break;
    case Qt::Key_End: SetPosition(vertical ? FMin : FMax); break;
    case Qt::Key_Home: SetPosition(vertical ? FMax : FMin); break;
    case Qt::Key_Up:
    case Qt::Key_Right:
      if (FPosition < FMax) SetPosition(FPosition + 1);
      break;
    case Qt::Key_Down:
    case Qt::Key_Left:
      if (FPosition > FMin) SetPosition(FPosition - 1);
      break;
    default: return QWidget::keyPressEvent(e);
  }
  e->accept();
}

void TCustomTrackBar::wheelEvent(QWheelEvent* e) {
  e->accept();
  const int delta = e->angleDelta().y();
  if (delta < 0 && FPosition > FMin) SetPosition(FPosition - 1);
  else if (delta > 0 && FPosition < FMax) SetPosition(FPosition + 1);
}

void TCustomTrackBar::focusInEvent(QFocusEvent* e) {
  QWidget::focusInEvent(e);
  repaint();
}

void TCustomTrackBar::focusOutEvent(QFocusEvent* e) {
  QWidget::focusOutEvent(e);
  repaint();
}

void TCustomTrackBar::leaveEvent(QEvent* e) {
  for (bool maxEnd : {false, true}) {
    bool& hot = maxEnd ? FMaxButtonHot : FMinButtonHot;
    bool& down = maxEnd ? FMaxButtonDown : FMinButtonDown;
    if (hot || down) {
      hot = down = false;
      UpdateButton(maxEnd);
    }
  }
  if ((FThumbHot || FThumbDown) && !FSliding) {
    FThumbHot = FThumbDown = false;
    PaintThumbNow();
  }
  QWidget::leaveEvent(e);
}

void TCustomTrackBar::PaintThumbNow() { InvalidateRegion(QRegion(ThumbRect().adjusted(-1, -1, 1, 1))); }

void TCustomTrackBar::UpdateButton(bool maxEnd) {
  InvalidateRegion(QRegion(maxEnd ? MaxButtonRect() : MinButtonRect()));
}
