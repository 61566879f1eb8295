#include "controls/GDIPicture.h"

#include <QEvent>
#include <QBuffer>
#include <QFile>
#include <QPainter>

namespace picturebytes {

QImage Decode(const QByteArray& bytes) {
  QImage img;
  if (bytes.isEmpty() || !img.loadFromData(bytes)) return {};
  return img;
}

bool IsBmp(const QByteArray& bytes) { return bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M'; }

QImage KeyBottomLeft(const QImage& image) {
  if (image.isNull()) return image;
  QImage out = image.convertToFormat(QImage::Format_ARGB32);
  const QRgb key = out.pixel(0, out.height() - 1) & 0x00FFFFFF;
  for (int y = 0; y < out.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < out.width(); ++x)
      if ((line[x] & 0x00FFFFFF) == key) line[x] = 0;
  }
  return out;
}

QByteArray EncodePng(const QImage& image) {
  QByteArray bytes;
  if (image.isNull()) return bytes;
  QBuffer buf(&bytes);
  buf.open(QIODevice::WriteOnly);
  image.save(&buf, "PNG");
  return bytes;
}

}  // namespace picturebytes

TGDIPPicture::TGDIPPicture(QObject* parent) : QObject(parent) {}

void TGDIPPicture::LoadFromData(const QByteArray& bytes) {
  FData = bytes;
  Changed();
}

bool TGDIPPicture::LoadFromFile(const QString& fileName) {
  QFile f(fileName);
  if (!f.open(QIODevice::ReadOnly)) return false;
  LoadFromData(f.readAll());
  return true;
}

void TGDIPPicture::Assign(const TGDIPPicture* source) {
  if (source == this) return;
  FData = source ? source->FData : QByteArray();
  Changed();
}

void TGDIPPicture::Assign(const QImage& bitmap) {
  FData = picturebytes::EncodePng(bitmap);
  Changed();
}

void TGDIPPicture::Clear() {
  if (FData.isEmpty()) return;
  FData.clear();
  Changed();
}

bool TGDIPPicture::GetImageSizes() {
  const QImage img = Image();
  if (img.isNull()) return false;
  FWidth = img.width();
  FHeight = img.height();
  return true;
}

QImage TGDIPPicture::Image() const {
  if (!FCacheValid) {
    FCache = picturebytes::Decode(FData);
    if (picturebytes::IsBmp(FData)) FCache = picturebytes::KeyBottomLeft(FCache);
    FCacheValid = true;
  }
  return FCache;
}

void TGDIPPicture::Draw(QPainter& canvas, const QRectF& r) const {
  const QImage img = Image();
  if (img.isNull() || r.isEmpty()) return;
  canvas.save();
  canvas.setRenderHint(QPainter::SmoothPixmapTransform, true);
  canvas.drawImage(r, img);
  canvas.restore();
}

void TGDIPPicture::Changed() {
  FCacheValid = false;
  FCache = QImage();
  if (!GetImageSizes()) FWidth = FHeight = 0;
  if (OnChange) OnChange(this);
}
