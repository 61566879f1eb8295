#include "controls/ZodOVOD.h"

#include "controls/GDIPicture.h"

#include <QEvent>
#include <QPainter>

TZodOVODPicture::TZodOVODPicture(QObject* parent) : QObject(parent) {}

void TZodOVODPicture::LoadFromData(const QByteArray& bytes) {
  FData = bytes;
  Changed();
}

void TZodOVODPicture::Assign(const TZodOVODPicture* source) {
  if (source == this) return;
  FData = source ? source->FData : QByteArray();
  Changed();
}

void TZodOVODPicture::Assign(const QImage& bitmap) {
  FData = picturebytes::EncodePng(bitmap);
  Changed();
}

bool TZodOVODPicture::GetImageSizes() {
  const QImage img = Image();
  if (img.isNull()) return false;
  FWidth = img.width();
  FHeight = img.height();
  return true;
}

QImage TZodOVODPicture::Image() const {
  if (!FCacheValid) {
    FCache = picturebytes::Decode(FData);
    FCacheValid = true;
  }
  return FCache;
}

void TZodOVODPicture::GDIPDraw(QPainter& graphics, const QRectF& r) const {
  const QImage img = Image();
  if (img.isNull() || r.isEmpty()) return;
  graphics.save();
  graphics.setRenderHint(QPainter::SmoothPixmapTransform, true);
  graphics.drawImage(r, img);
  graphics.restore();
}

void TZodOVODPicture::Changed() {
  FCacheValid = false;
  if (!GetImageSizes()) FWidth = FHeight = 0;
  if (OnChange) OnChange(this);
}
