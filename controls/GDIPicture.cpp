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

void ImageBytes::Set(const QByteArray& bytes) {
  data_ = bytes;
  cacheValid_ = false;
  cache_ = QImage();
  if (!Measure()) width_ = height_ = 0;
}

bool ImageBytes::Measure() {
  const QImage img = Image();
  if (img.isNull()) return false;
  width_ = img.width();
  height_ = img.height();
  return true;
}

QImage ImageBytes::Image() const {
  if (!cacheValid_) {
    cache_ = Decode(data_);
    if (keyBmp_ && IsBmp(data_)) cache_ = KeyBottomLeft(cache_);
    cacheValid_ = true;
  }
  return cache_;
}

void ImageBytes::Draw(QPainter& painter, const QRectF& r) const {
  const QImage img = Image();
  if (img.isNull() || r.isEmpty()) return;
  painter.save();
  painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
  painter.drawImage(r, img);
  painter.restore();
}

}  // namespace picturebytes

TGDIPPicture::TGDIPPicture(QObject* parent) : QObject(parent) {}

void TGDIPPicture::LoadFromData(const QByteArray& bytes) { SetBytes(bytes); }

bool TGDIPPicture::LoadFromFile(const QString& fileName) {
  QFile f(fileName);
  if (!f.open(QIODevice::ReadOnly)) return false;
  LoadFromData(f.readAll());
  return true;
}

void TGDIPPicture::Assign(const TGDIPPicture* source) {
  if (source == this) return;
  SetBytes(source ? source->Data() : QByteArray());
}

void TGDIPPicture::Assign(const QImage& bitmap) { SetBytes(picturebytes::EncodePng(bitmap)); }

void TGDIPPicture::Clear() {
  if (Data().isEmpty()) return;
  SetBytes(QByteArray());
}

void TGDIPPicture::SetBytes(const QByteArray& bytes) {
  FBytes.Set(bytes);
  if (OnChange) OnChange(this);
}
