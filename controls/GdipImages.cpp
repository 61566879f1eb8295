// Images, bitmaps and image attributes of the GDI+ layer.
#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QImageWriter>

#include <algorithm>
#include <cmath>
#include <new>

#include "controls/GdipObjects.h"

namespace {

unsigned U8(const QByteArray& b, int i) { return i < b.size() ? unsigned(static_cast<unsigned char>(b[i])) : 0u; }
unsigned LE16(const QByteArray& b, int i) { return U8(b, i) | (U8(b, i + 1) << 8); }
unsigned LE32(const QByteArray& b, int i) { return LE16(b, i) | (LE16(b, i + 2) << 16); }

// The pixel format GDI+ reports for a decoded file, from its header where the
// decoded image no longer tells (a 24-bit BMP decodes to 32 bits).
int PixelFormatOf(TGPImageFormat format, const QByteArray& bytes, const QImage& image) {
  if (format == ifBMP && bytes.size() >= 30) {
    switch (LE16(bytes, 28)) {
      case 1: return PixelFormat1bppIndexed;
      case 4: return PixelFormat4bppIndexed;
      case 8: return PixelFormat8bppIndexed;
      case 16: return PixelFormat16bppRGB555;
      case 24: return PixelFormat24bppRGB;
      case 32: return PixelFormat32bppRGB;
      default: break;
    }
  }
  if (format == ifPNG && bytes.size() >= 26) {
    const unsigned depth = U8(bytes, 24), type = U8(bytes, 25);
    switch (type) {
      case 0: return depth == 16 ? PixelFormat16bppGrayScale : PixelFormat8bppIndexed;
      case 2: return depth == 16 ? PixelFormat48bppRGB : PixelFormat24bppRGB;
      case 3: return depth == 1 ? PixelFormat1bppIndexed : depth <= 4 ? PixelFormat4bppIndexed : PixelFormat8bppIndexed;
      case 4: case 6: return depth == 16 ? PixelFormat64bppARGB : PixelFormat32bppARGB;
      default: break;
    }
  }
  if (format == ifGIF) return PixelFormat8bppIndexed;
  if (format == ifJPEG) return image.isGrayscale() ? PixelFormat8bppIndexed : PixelFormat24bppRGB;
  if (image.isNull()) return PixelFormatUndefined;
  if (image.format() == QImage::Format_Mono || image.format() == QImage::Format_MonoLSB) return PixelFormat1bppIndexed;
  if (image.format() == QImage::Format_Indexed8) return PixelFormat8bppIndexed;
  return image.hasAlphaChannel() ? PixelFormat32bppARGB : PixelFormat24bppRGB;
}

QImage::Format QtFormatOf(int pixelFormat) {
  if (pixelFormat & PixelFormatPAlpha) return QImage::Format_ARGB32_Premultiplied;
  if (pixelFormat & PixelFormatAlpha) return QImage::Format_ARGB32;
  return QImage::Format_RGB32;
}

QByteArray WriterFormat(const QByteArray& mime) {
  static const std::pair<const char*, const char*> kEncoders[] = {
      {"image/png", "png"}, {"image/bmp", "bmp"}, {"image/jpeg", "jpeg"}, {"image/tiff", "tiff"}, {"image/gif", "gif"}};
  for (const auto& [m, f] : kEncoders)
    if (mime == m) return f;
  return {};
}

}  // namespace

namespace gdipdetail {

TGPImageFormat SniffFormat(const QByteArray& b) {
  if (b.startsWith("\x89PNG\r\n\x1a\n")) return ifPNG;
  if (b.startsWith("BM")) return ifBMP;
  if (U8(b, 0) == 0xFF && U8(b, 1) == 0xD8) return U8(b, 3) == 0xE1 ? ifEXIF : ifJPEG;
  if (b.startsWith("GIF8")) return ifGIF;
  if (b.startsWith(QByteArray("II*\0", 4)) || b.startsWith(QByteArray("MM\0*", 4))) return ifTIFF;
  if (LE32(b, 0) == 0x00010000) return ifIcon;
  if (LE32(b, 0) == 1 && LE32(b, 40) == 0x464D4520) return ifEMF;
  if (LE32(b, 0) == 0x9AC6CDD7 || ((LE16(b, 0) == 1 || LE16(b, 0) == 2) && LE16(b, 2) == 9)) return ifWMF;
  return ifUndefined;
}

ImageData DecodeImage(const QByteArray& bytes) {
  ImageData d;
  const TGPImageFormat sniffed = SniffFormat(bytes);
  if (sniffed == ifEMF || sniffed == ifWMF) {
    d.format = sniffed;  // no vector reader: they measure 0 x 0
    return d;
  }
  QBuffer buffer;
  buffer.setData(bytes);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer);
  reader.setAutoTransform(false);
  if (!reader.read(&d.image)) return {};
  d.format = sniffed != ifUndefined ? sniffed : ifUndefined;
  if (d.format == ifUndefined) {
    const QByteArray f = reader.format();
    d.format = f == "png" ? ifPNG : f == "bmp" ? ifBMP : f == "jpeg" || f == "jpg" ? ifJPEG : f == "gif" ? ifGIF
             : f == "tiff" || f == "tif" ? ifTIFF : f == "ico" ? ifIcon : ifUndefined;
  }
  d.pixelFormat = PixelFormatOf(d.format, bytes, d.image);
  return d;
}

}  // namespace gdipdetail

// ---- Images ----

TGPImage::TGPImage(const QString& filename, bool) {
  QFile f(filename);
  if (!f.open(QIODevice::ReadOnly)) {
    lastResult = f.exists() ? AccessDenied : FileNotFound;
    return;
  }
  auto d = std::make_unique<gdipdetail::ImageData>(gdipdetail::DecodeImage(f.readAll()));
  if (d->format == ifUndefined) {
    lastResult = UnknownImageFormat;
    return;
  }
  nativeImage = std::move(d);
}

TGPImage::TGPImage(QIODevice* stream, bool) {
  if (!stream) {
    lastResult = InvalidParameter;
    return;
  }
  auto d = std::make_unique<gdipdetail::ImageData>(gdipdetail::DecodeImage(stream->readAll()));
  if (d->format == ifUndefined) {
    lastResult = UnknownImageFormat;
    return;
  }
  nativeImage = std::move(d);
}

TGPImage::TGPImage(std::unique_ptr<gdipdetail::ImageData> image, TStatus status)
    : nativeImage(std::move(image)), lastResult(status) {}

TGPImage::~TGPImage() = default;

TStatus TGPImage::SetStatus(TStatus status) {
  if (status != Ok) lastResult = status;
  return status;
}

TStatus TGPImage::GetLastStatus() {
  const TStatus s = lastResult;
  lastResult = Ok;
  return s;
}

const QImage& TGPImage::Image() const {
  static const QImage none;
  return nativeImage ? nativeImage->image : none;
}

unsigned TGPImage::GetWidth() {
  if (!nativeImage) {
    SetStatus(InvalidParameter);
    return 0;
  }
  return unsigned(std::max(0, nativeImage->image.width()));
}

unsigned TGPImage::GetHeight() {
  if (!nativeImage) {
    SetStatus(InvalidParameter);
    return 0;
  }
  return unsigned(std::max(0, nativeImage->image.height()));
}

int TGPImage::GetPixelFormat() {
  if (!nativeImage) {
    SetStatus(InvalidParameter);
    return PixelFormatUndefined;
  }
  return nativeImage->pixelFormat;
}

TGPImageFormat TGPImage::GetFormat() {
  if (!nativeImage) {
    SetStatus(InvalidParameter);
    return ifUndefined;
  }
  return nativeImage->format;
}

TGPImage* TGPImage::GetThumbnailImage(unsigned thumbWidth, unsigned thumbHeight, void*, void*) {
  auto d = std::make_unique<gdipdetail::ImageData>();
  if (!nativeImage || Image().isNull()) {
    SetStatus(InvalidParameter);
  } else {
    const int w = thumbWidth ? int(thumbWidth) : 120, h = thumbHeight ? int(thumbHeight) : 120;
    d->image = Image().scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                   .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    d->format = ifMemoryBMP;
    d->pixelFormat = PixelFormat32bppPARGB;
  }
  return new TGPImage(std::move(d), lastResult);
}

TStatus TGPImage::Save(QIODevice* stream, const QByteArray& encoder, const void*) {
  if (!stream || Image().isNull()) return SetStatus(InvalidParameter);
  const QByteArray format = WriterFormat(encoder);
  if (format.isEmpty()) return SetStatus(InvalidParameter);
  QImageWriter writer(stream, format);
  if (!writer.canWrite()) return SetStatus(NotImplemented);
  return writer.write(Image()) ? Ok : SetStatus(Win32Error);
}

TStatus TGPImage::Save(const QString& filename, const QByteArray& encoder, const void* encoderParams) {
  QFile f(filename);
  if (!f.open(QIODevice::WriteOnly)) return SetStatus(Win32Error);
  return Save(&f, encoder, encoderParams);
}

TStatus TGPImage::SaveAdd(TGPImage* newImage, const void*) {
  if (!newImage) return SetStatus(InvalidParameter);
  return SetStatus(NotImplemented);  // no multi-frame writer
}

TStatus TGPImage::RotateFlip(int rotateFlipType) {
  if (!nativeImage || rotateFlipType < RotateNoneFlipNone || rotateFlipType > Rotate270FlipX)
    return SetStatus(InvalidParameter);
  QImage& img = nativeImage->image;
  const int turns = rotateFlipType & 3;
  if (turns) img = img.transformed(QTransform().rotate(90.0 * turns));
  if (rotateFlipType & 4) img = img.mirrored(true, false);
  return Ok;
}

// ---- Bitmaps ----

TGPBitmap::TGPBitmap(QIODevice* stream, bool useEmbeddedColorManagement)
    : TGPImage(stream, useEmbeddedColorManagement) {}

TGPBitmap::TGPBitmap(int width, int height, int format) {
  if (width <= 0 || height <= 0) {
    lastResult = InvalidParameter;
    return;
  }
  auto d = std::make_unique<gdipdetail::ImageData>();
  d->image = QImage(width, height, QtFormatOf(format));
  if (d->image.isNull()) {
    lastResult = OutOfMemory;
    return;
  }
  d->image.fill(0);
  d->format = ifMemoryBMP;
  d->pixelFormat = format;
  nativeImage = std::move(d);
}

TGPBitmap::TGPBitmap(const QImage& image) {
  auto d = std::make_unique<gdipdetail::ImageData>();
  d->image = image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
  d->format = ifMemoryBMP;
  d->pixelFormat = image.hasAlphaChannel() ? PixelFormat32bppARGB : PixelFormat32bppRGB;
  if (d->image.isNull()) lastResult = InvalidParameter;
  nativeImage = std::move(d);
}

TStatus TGPBitmap::GetHBITMAP(ARGB, void** hbmReturn) {
  if (hbmReturn) *hbmReturn = nullptr;
  return SetStatus(NotImplemented);
}

TStatus TGPBitmap::GetPixel(int x, int y, ARGB& color) {
  if (!nativeImage || !nativeImage->image.valid(x, y)) return SetStatus(InvalidParameter);
  color = nativeImage->image.pixel(x, y);
  return Ok;
}

TStatus TGPBitmap::SetPixel(int x, int y, ARGB color) {
  if (!nativeImage || !nativeImage->image.valid(x, y)) return SetStatus(InvalidParameter);
  QImage& img = nativeImage->image;
  if (img.format() == QImage::Format_Indexed8 || img.format() == QImage::Format_Mono ||
      img.format() == QImage::Format_MonoLSB)
    return SetStatus(InvalidParameter);
  img.setPixelColor(x, y, QColor::fromRgba(color));
  return Ok;
}

// ---- Image attributes ----

namespace gdipdetail {

QImage ImageAttrData::Apply(const QImage& image) const {
  const AdjustData& bitmap = adjust[ColorAdjustTypeBitmap];
  const bool bitmapSet = bitmap.matrixOn || bitmap.thresholdOn || bitmap.gammaOn || bitmap.noOp || bitmap.keyOn ||
                         !bitmap.remap.empty();
  const AdjustData& a = bitmapSet ? bitmap : adjust[ColorAdjustTypeDefault];
  if (a.noOp || image.isNull()) return image;
  if (!a.matrixOn && !a.thresholdOn && !a.gammaOn && !a.keyOn && a.remap.empty()) return image;
  QImage out = image.convertToFormat(QImage::Format_ARGB32);
  auto within = [](QRgb c, ARGB lo, ARGB hi) {
    for (int shift : {16, 8, 0}) {
      const unsigned v = (c >> shift) & 0xFF;
      if (v < ((lo >> shift) & 0xFF) || v > ((hi >> shift) & 0xFF)) return false;
    }
    return true;
  };
  for (int y = 0; y < out.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < out.width(); ++x) {
      QRgb c = line[x];
      for (const TColorMap& m : a.remap)
        if (c == m.oldColor) {
          c = m.newColor;
          break;
        }
      if (a.keyOn && within(c, a.keyLow, a.keyHigh)) {
        line[x] = 0;
        continue;
      }
      double v[4] = {qRed(c) / 255.0, qGreen(c) / 255.0, qBlue(c) / 255.0, qAlpha(c) / 255.0};
      if (a.matrixOn) {
        double r[4];
        for (int j = 0; j < 4; ++j)
          r[j] = v[0] * a.matrix.m[0][j] + v[1] * a.matrix.m[1][j] + v[2] * a.matrix.m[2][j] +
                 v[3] * a.matrix.m[3][j] + a.matrix.m[4][j];
        std::copy(r, r + 4, v);
      }
      for (int j = 0; j < 3; ++j) {
        v[j] = std::clamp(v[j], 0.0, 1.0);
        if (a.gammaOn && a.gamma > 0) v[j] = std::pow(v[j], double(a.gamma));
        if (a.thresholdOn) v[j] = v[j] > a.threshold ? 1.0 : 0.0;
      }
      auto b = [](double d) { return int(std::lround(std::clamp(d, 0.0, 1.0) * 255)); };
      line[x] = qRgba(b(v[0]), b(v[1]), b(v[2]), b(v[3]));
    }
  }
  return out;
}

}  // namespace gdipdetail

TGPImageAttributes::TGPImageAttributes() : nativeImageAttr(std::make_unique<gdipdetail::ImageAttrData>()) {}

TGPImageAttributes::TGPImageAttributes(std::unique_ptr<gdipdetail::ImageAttrData> imageAttr, TStatus status)
    : nativeImageAttr(std::move(imageAttr)), lastResult(status) {}

TGPImageAttributes::~TGPImageAttributes() = default;

TGPImageAttributes* TGPImageAttributes::Clone() const {
  auto copy = nativeImageAttr ? std::make_unique<gdipdetail::ImageAttrData>(*nativeImageAttr) : nullptr;
  return new TGPImageAttributes(std::move(copy), nativeImageAttr ? Ok : InvalidParameter);
}

TStatus TGPImageAttributes::SetStatus(TStatus status) {
  if (status != Ok) lastResult = status;
  return status;
}

TStatus TGPImageAttributes::GetLastStatus() {
  const TStatus s = lastResult;
  lastResult = Ok;
  return s;
}

gdipdetail::AdjustData* TGPImageAttributes::Adjust(int type) {
  if (!nativeImageAttr || type < ColorAdjustTypeDefault || type >= ColorAdjustTypeCount) return nullptr;
  return &nativeImageAttr->adjust[std::size_t(type)];
}

#define ADJUST_OR_FAIL(type)                          \
  gdipdetail::AdjustData* a = Adjust(type);           \
  if (!a) return SetStatus(InvalidParameter)

TStatus TGPImageAttributes::SetToIdentity(int type) {
  ADJUST_OR_FAIL(type);
  *a = gdipdetail::AdjustData();
  return Ok;
}

TStatus TGPImageAttributes::Reset(int type) { return SetToIdentity(type); }

TStatus TGPImageAttributes::SetColorMatrix(const TColorMatrix& colorMatrix, int, int type) {
  ADJUST_OR_FAIL(type);
  a->matrixOn = true;
  a->matrix = colorMatrix;
  return Ok;
}

TStatus TGPImageAttributes::ClearColorMatrix(int type) {
  ADJUST_OR_FAIL(type);
  a->matrixOn = false;
  return Ok;
}

TStatus TGPImageAttributes::SetColorMatrices(const TColorMatrix& colorMatrix, const TColorMatrix&, int mode,
                                             int type) {
  // The grey matrix applies only in the grey-matrix mode, which no caller uses.
  return SetColorMatrix(colorMatrix, mode, type);
}

TStatus TGPImageAttributes::ClearColorMatrices(int type) { return ClearColorMatrix(type); }

TStatus TGPImageAttributes::SetThreshold(float threshold, int type) {
  ADJUST_OR_FAIL(type);
  a->thresholdOn = true;
  a->threshold = threshold;
  return Ok;
}

TStatus TGPImageAttributes::ClearThreshold(int type) {
  ADJUST_OR_FAIL(type);
  a->thresholdOn = false;
  return Ok;
}

TStatus TGPImageAttributes::SetGamma(float gamma, int type) {
  ADJUST_OR_FAIL(type);
  if (gamma <= 0) return SetStatus(InvalidParameter);
  a->gammaOn = true;
  a->gamma = gamma;
  return Ok;
}

TStatus TGPImageAttributes::ClearGamma(int type) {
  ADJUST_OR_FAIL(type);
  a->gammaOn = false;
  return Ok;
}

TStatus TGPImageAttributes::SetNoOp(int type) {
  ADJUST_OR_FAIL(type);
  a->noOp = true;
  return Ok;
}

TStatus TGPImageAttributes::ClearNoOp(int type) {
  ADJUST_OR_FAIL(type);
  a->noOp = false;
  return Ok;
}

TStatus TGPImageAttributes::SetColorKey(ARGB colorLow, ARGB colorHigh, int type) {
  ADJUST_OR_FAIL(type);
  a->keyOn = true;
  a->keyLow = colorLow;
  a->keyHigh = colorHigh;
  return Ok;
}

TStatus TGPImageAttributes::ClearColorKey(int type) {
  ADJUST_OR_FAIL(type);
  a->keyOn = false;
  return Ok;
}

TStatus TGPImageAttributes::SetOutputChannel(int, int) { return SetStatus(NotImplemented); }
TStatus TGPImageAttributes::ClearOutputChannel(int) { return SetStatus(NotImplemented); }
TStatus TGPImageAttributes::SetOutputChannelColorProfile(const QString&, int) { return SetStatus(NotImplemented); }
TStatus TGPImageAttributes::ClearOutputChannelColorProfile(int) { return SetStatus(NotImplemented); }
TStatus TGPImageAttributes::GetAdjustedPalette(void*, int) { return SetStatus(NotImplemented); }

TStatus TGPImageAttributes::SetRemapTable(int mapSize, const TColorMap* map, int type) {
  ADJUST_OR_FAIL(type);
  if (mapSize <= 0 || !map) return SetStatus(InvalidParameter);
  a->remap.assign(map, map + mapSize);
  return Ok;
}

TStatus TGPImageAttributes::ClearRemapTable(int type) {
  ADJUST_OR_FAIL(type);
  a->remap.clear();
  return Ok;
}

TStatus TGPImageAttributes::SetBrushRemapTable(int mapSize, const TColorMap* map) {
  return SetRemapTable(mapSize, map, ColorAdjustTypeBrush);
}

TStatus TGPImageAttributes::ClearBrushRemapTable() { return ClearRemapTable(ColorAdjustTypeBrush); }

TStatus TGPImageAttributes::SetWrapMode(int wrap, ARGB color, bool) {
  if (!nativeImageAttr || wrap < WrapModeTile || wrap > WrapModeClamp) return SetStatus(InvalidParameter);
  nativeImageAttr->wrapMode = wrap;
  nativeImageAttr->wrapColor = color;
  return Ok;
}

#undef ADJUST_OR_FAIL
