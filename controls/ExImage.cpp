#include "controls/ExImage.h"

#include <QMouseEvent>
#include <QPainter>

TExImage::TExImage(QWidget* parent)
    : QWidget(parent), FOfficeHint(new TExHintInfo(this)), FIPicture(new TGDIPPicture(this)) {
  FIPicture->OnChange = [this](QObject* sender) { PictureChanged(sender); };
  setFocusPolicy(Qt::NoFocus);
  setAutoFillBackground(false);
  resize(128, 128);
}

TExImage::~TExImage() { FIPicture->OnChange = nullptr; }

void TExImage::SetPicture(const TGDIPPicture* value) {
  FIPicture->Assign(value);
  update();
}

void TExImage::SetCenter(bool value) {
  if (FCenter == value) return;
  FCenter = value;
  update();
}

void TExImage::SetStretch(bool value) {
  if (FStretch == value) return;
  FStretch = value;
  update();
}

void TExImage::SetOfficeHint(const TExHintInfo* value) { FOfficeHint->Assign(value); }

std::uint32_t TExImage::GetVersionNr() const { return (1u << 24) | (1u << 16); }

QString TExImage::Version() const {
  const std::uint32_t v = GetVersionNr();
  return QStringLiteral("%1.%2.%3.%4").arg(v >> 24).arg((v >> 16) & 0xFF).arg((v >> 8) & 0xFF).arg(v & 0xFF);
}

void TExImage::PictureChanged(QObject*) { update(); }

QRect TExImage::PictureRect() {
  if (FIPicture->GetEmpty() || !FIPicture->GetImageSizes()) return {};
  const int w = FIPicture->Width(), h = FIPicture->Height();
  if (FStretch) return rect();
  // Integer division truncating toward zero, as the picture may be larger.
  if (FCenter) return QRect((width() - w) / 2, (height() - h) / 2, w, h);
  return QRect(0, 0, w, h);
}

void TExImage::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  DrawPicture(painter);
}

void TExImage::DrawPicture(QPainter& canvas) {
  const QRect r = PictureRect();
  if (r.isEmpty()) return;
  canvas.save();
  canvas.setClipRect(rect(), Qt::IntersectClip);
  FIPicture->Draw(canvas, QRectF(r));
  canvas.restore();
}

void TExImage::enterEvent(QEnterEvent* event) {
  QWidget::enterEvent(event);
  FMouseInControl = true;
  if (OnMouseEnter) OnMouseEnter(this);
}

void TExImage::leaveEvent(QEvent* event) {
  QWidget::leaveEvent(event);
  FMouseInControl = false;
  if (OnMouseLeave) OnMouseLeave(this);
}

void TExImage::mousePressEvent(QMouseEvent* event) {
  FPressed = event->button() == Qt::LeftButton;
  const QPoint p = event->position().toPoint();
  if (OnMouseDown) OnMouseDown(this, event->button(), event->modifiers(), p.x(), p.y());
}

void TExImage::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  const bool click = FPressed && event->button() == Qt::LeftButton && rect().contains(p);
  FPressed = false;
  if (OnMouseUp) OnMouseUp(this, event->button(), event->modifiers(), p.x(), p.y());
  if (click && OnClick) OnClick(this);
}

void TExImage::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && OnDblClick) OnDblClick(this);
}

void TExImage::mouseMoveEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  if (OnMouseMove) OnMouseMove(this, event->modifiers(), p.x(), p.y());
}
