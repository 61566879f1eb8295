#include "controls/GDIPicture.h"

#include <QBuffer>
#include <QFile>
#include <QPainter>

#include <map>
#include <mutex>
#include <new>
#include <stdexcept>

namespace picturebytes {

QImage Decode(const QByteArray& bytes) { return gdipdetail::DecodeImage(bytes).image; }

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

void ImageBytes::SetData(const QByteArray& bytes) {
  make_ = nullptr;
  data_ = bytes;
  decodedValid_ = keyedValid_ = false;
  decoded_ = {};
  keyed_ = QImage();
}

void ImageBytes::SetDeferred(std::function<QByteArray()> make) {
  SetData({});
  make_ = std::move(make);
}

void ImageBytes::Make() const {
  const std::function<QByteArray()> make = std::exchange(make_, nullptr);
  data_ = make();
}

void ImageBytes::Set(const QByteArray& bytes) {
  SetData(bytes);
  if (!Measure()) width_ = height_ = 0;
}

namespace {

// Pictures that hold the same bytes (copies of one QByteArray share its
// buffer) share one decode, and one keyed image: a QImage copy shares its
// pixels. Entries are found by buffer address and length; an entry's own copy
// of the bytes pins the buffer, so no other bytes can come to that address
// while it lives. An entry goes once no picture shares its images.
struct CachedDecode {
  QByteArray bytes;
  gdipdetail::ImageData decoded;
  QImage keyed;
};

std::mutex cacheLock;
std::map<std::pair<const char*, qsizetype>, CachedDecode> decodeCache;

bool Unshared(const CachedDecode& entry) {
  return entry.decoded.image.isDetached() && (entry.keyed.isNull() || entry.keyed.isDetached());
}

CachedDecode& CachedEntry(const QByteArray& bytes) {
  const auto key = std::make_pair(bytes.constData(), bytes.size());
  if (auto it = decodeCache.find(key); it != decodeCache.end()) return it->second;
  for (auto it = decodeCache.begin(); it != decodeCache.end();)
    it = Unshared(it->second) ? decodeCache.erase(it) : std::next(it);
  CachedDecode entry{bytes, gdipdetail::DecodeImage(bytes), {}};
  return decodeCache.emplace(key, std::move(entry)).first->second;
}

}  // namespace

const gdipdetail::ImageData& ImageBytes::Decoded() const {
  if (!decodedValid_) {
    try {
      const std::lock_guard<std::mutex> guard(cacheLock);
      const QByteArray& bytes = Data();
      const CachedDecode& entry = CachedEntry(bytes);
      decoded_ = entry.decoded;
      // An undecodable file has no image to share: its entry goes at once.
      if (entry.decoded.image.isNull()) decodeCache.erase(std::make_pair(bytes.constData(), bytes.size()));
    } catch (const std::bad_alloc&) {
      throw std::runtime_error("Could not allocate memory for image");
    }
    decodedValid_ = true;
  }
  return decoded_;
}

bool ImageBytes::Measure() const {
  if (Data().isEmpty()) return false;
  const QImage& img = Decoded().image;
  width_ = img.width();
  height_ = img.height();
  return true;
}

QImage ImageBytes::Image() const {
  if (Data().isEmpty()) return {};
  if (!keyBmp_ || Decoded().format != ifBMP) return Decoded().image;
  if (!keyedValid_) {
    const gdipdetail::ImageData& decoded = Decoded();
    const std::lock_guard<std::mutex> guard(cacheLock);
    if (auto it = decodeCache.find(std::make_pair(data_.constData(), data_.size())); it != decodeCache.end()) {
      if (it->second.keyed.isNull()) it->second.keyed = KeyBottomLeft(decoded.image);
      keyed_ = it->second.keyed;
    } else {
      keyed_ = KeyBottomLeft(decoded.image);
    }
    keyedValid_ = true;
  }
  return keyed_;
}

void ImageBytes::Draw(QPainter& painter, const QRectF& r) const {
  const QImage img = Image();
  if (img.isNull() || r.isEmpty()) return;
  painter.save();
  painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
  painter.drawImage(r, img);
  painter.restore();
}

bool ReadResource(const QString& name, QByteArray& bytes) {
  if (name.isEmpty()) return false;
  QFile f(QStringLiteral(":/") + name);
  if (!f.open(QIODevice::ReadOnly)) return false;
  bytes = f.readAll();
  return true;
}

}  // namespace picturebytes

namespace {

QByteArray WholeStream(QIODevice* stream) {
  if (!stream->isSequential()) stream->seek(0);
  return stream->readAll();
}

// The path of a "FILE://" URL, the name of a "RES://" one; empty for neither.
bool SplitUrl(const QString& url, const char* prefix, QString& rest) {
  if (!url.startsWith(QLatin1String(prefix), Qt::CaseInsensitive)) return false;
  rest = url.mid(qsizetype(qstrlen(prefix)));
  return !rest.isEmpty();
}

}  // namespace

TGDIPPicture::TGDIPPicture(QObject* parent) : QObject(parent) {}

void TGDIPPicture::Changed() {
  if (OnChange) OnChange(this);
}

void TGDIPPicture::Cleared() {
  if (OnClear) OnClear(this);
}

void TGDIPPicture::LoadFromData(const QByteArray& bytes) {
  FBytes.SetData(bytes);
  FIsEmpty = false;
  GetImageSizes();
  Changed();
}

void TGDIPPicture::LoadFromStream(QIODevice* stream) {
  if (stream) LoadFromData(WholeStream(stream));
}

bool TGDIPPicture::LoadFromFile(const QString& fileName) {
  QFile f(fileName);
  if (!f.open(QIODevice::ReadOnly)) {
    FIsEmpty = true;
    return false;
  }
  try {
    FBytes.SetData(f.readAll());
    FIsEmpty = false;
    Cleared();
    GetImageSizes();
    Changed();
  } catch (...) {
    FIsEmpty = true;
    return false;
  }
  return true;
}

void TGDIPPicture::LoadFromResourceName(const QString& resName) {
  QByteArray bytes;
  if (picturebytes::ReadResource(resName, bytes)) LoadFromData(bytes);
}

void TGDIPPicture::LoadFromResourceID(int resID) {
  QByteArray bytes;
  if (!picturebytes::ReadResource(QString::number(resID), bytes))
    throw std::runtime_error("Resource " + std::to_string(resID) + " not found");
  LoadFromData(bytes);
}

void TGDIPPicture::LoadFromURL(const QString& url) {
  QString rest;
  if (SplitUrl(url, "RES://", rest)) LoadFromResourceName(rest);
  else if (SplitUrl(url, "FILE://", rest)) LoadFromFile(rest);
}

void TGDIPPicture::SaveToStream(QIODevice* stream) const {
  if (stream) stream->write(Data());
}

void TGDIPPicture::ReadData(QIODevice* stream) {
  if (!stream) return;
  FBytes.SetData(stream->readAll());
  FIsEmpty = false;
}

void TGDIPPicture::ReadDeferred(std::function<QByteArray()> make) {
  FBytes.SetDeferred(std::move(make));
  FIsEmpty = false;
}

void TGDIPPicture::WriteData(QIODevice* stream) const { SaveToStream(stream); }

void TGDIPPicture::Assign(const TGDIPPicture* source) {
  if (source == this) return;
  FIsEmpty = true;
  if (!source) {
    FBytes.SetData({});
    Changed();
    Cleared();
    return;
  }
  FBytes.SetData(source->Data());
  FIsEmpty = Data().isEmpty();
  Changed();
  GetImageSizes();
}

void TGDIPPicture::Assign(const QImage& bitmap) {
  FIsEmpty = true;
  if (bitmap.isNull()) return;
  FBytes.SetData(picturebytes::EncodePng(bitmap));
  FIsEmpty = false;
  Changed();
  GetImageSizes();
}

void TGDIPPicture::Clear() {
  if (FIsEmpty && Data().isEmpty()) return;
  FBytes.SetData({});
  FIsEmpty = true;
  Changed();
}

void TGDIPPicture::DrawImage(TGPGraphics* graphics, int x, int y) const {
  if (FIsEmpty || Data().isEmpty() || !graphics) return;
  TGPImage image(std::make_unique<gdipdetail::ImageData>(FBytes.Decoded()), Ok);
  graphics->DrawImage(&image, x, y);
}

void TGDIPPicture::DrawImageRect(TGPGraphics* graphics, int x, int y, int w, int h) const {
  if (FIsEmpty || Data().isEmpty() || !graphics) return;
  TGPImage image(std::make_unique<gdipdetail::ImageData>(FBytes.Decoded()), Ok);
  graphics->DrawImageRect(&image, x, y, w, h);
}

void TGDIPPicture::Draw(QPainter& canvas, const QRectF& r) const {
  if (FIsEmpty || Data().isEmpty()) return;
  const gdipdetail::ImageData& decoded = FBytes.Decoded();
  if (decoded.format == ifBMP) {
    // Through a bitmap with automatic transparency, stretched pixel by pixel.
    const QImage keyed = FBytes.Image();
    if (keyed.isNull() || r.isEmpty()) return;
    canvas.save();
    canvas.setRenderHint(QPainter::SmoothPixmapTransform, false);
    canvas.drawImage(r, keyed);
    canvas.restore();
    return;
  }
  FBytes.SetSize(decoded.image.width(), decoded.image.height());
  if (decoded.image.isNull() || r.isEmpty()) return;
  TGPGraphics graphics(canvas);
  TGPImage image(std::make_unique<gdipdetail::ImageData>(decoded), Ok);
  graphics.DrawImage(&image, float(r.x()), float(r.y()), float(r.width()), float(r.height()));
}
