#include "controls/ZodOVOD.h"

#include <QFile>
#include <QPainter>

#include <cmath>
#include <stdexcept>

#include "controls/ImageSizeReaders.h"

namespace {

bool SplitUrl(const QString& url, const char* prefix, QString& rest) {
  if (!url.startsWith(QLatin1String(prefix), Qt::CaseInsensitive)) return false;
  rest = url.mid(qsizetype(qstrlen(prefix)));
  return !rest.isEmpty();
}

int Round(double v) { return int(std::nearbyint(v)); }

}  // namespace

TZodOVODPicture::TZodOVODPicture(QObject* parent) : QObject(parent) {}

void TZodOVODPicture::Changed() {
  if (OnChange) OnChange(this);
}

void TZodOVODPicture::Cleared() {
  if (OnClear) OnClear(this);
}

void TZodOVODPicture::SetTransparent(bool v) {
  if (FTransparent == v) return;
  FTransparent = v;
  Changed();
}

void TZodOVODPicture::LoadFromData(const QByteArray& bytes) {
  if (bytes.isEmpty()) return;
  FBytes.SetData(bytes);
  FIsEmpty = false;
  GetImageSizes();
  Changed();
}

void TZodOVODPicture::LoadFromStream(QIODevice* stream) {
  if (!stream) return;
  if (!stream->isSequential()) stream->seek(0);
  LoadFromData(stream->readAll());
}

void TZodOVODPicture::ReadData(QIODevice* stream) {
  if (!stream) return;
  const QByteArray bytes = stream->readAll();
  if (bytes.isEmpty()) return;
  FBytes.SetData(bytes);
  FIsEmpty = false;
  GetImageSizes();
}

void TZodOVODPicture::SaveToStream(QIODevice* stream) const {
  if (stream) stream->write(Data());
}

bool TZodOVODPicture::GetImageSizesFromFileName(const QString& fileName) {
  if (FIsEmpty || Data().isEmpty()) return false;
  TImageSize size;
  if (!ReadImageSizeFromFile(fileName, size)) throw std::runtime_error("Read error: " + fileName.toStdString());
  FBytes.SetSize(size.Width, size.Height);
  return false;
}

bool TZodOVODPicture::LoadFromFile(const QString& fileName) {
  try {
    QFile f(fileName);
    if (!f.open(QIODevice::ReadOnly)) throw std::runtime_error("Cannot open file " + fileName.toStdString());
    FBytes.SetData(f.readAll());
    FIsEmpty = false;
    Cleared();
    GetImageSizesFromFileName(fileName);
    Changed();
  } catch (...) {
    FIsEmpty = true;
    return false;
  }
  return true;
}

void TZodOVODPicture::LoadFromResourceName(const QString& resName) {
  QByteArray bytes;
  if (picturebytes::ReadResource(resName, bytes)) LoadFromData(bytes);
}

void TZodOVODPicture::LoadFromResourceID(int resID) {
  QByteArray bytes;
  if (!picturebytes::ReadResource(QString::number(resID), bytes))
    throw std::runtime_error("Resource " + std::to_string(resID) + " not found");
  LoadFromData(bytes);
}

void TZodOVODPicture::LoadFromURL(const QString& url) {
  QString rest;
  if (SplitUrl(url, "RES://", rest)) LoadFromResourceName(rest);
  else if (SplitUrl(url, "FILE://", rest)) LoadFromFile(rest);
}

void TZodOVODPicture::Assign(const TZodOVODPicture* source) {
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

void TZodOVODPicture::Assign(const TGDIPPicture* source) {
  FIsEmpty = true;
  if (!source || source->Empty()) return;
  FBytes.SetData(source->Data());
  FIsEmpty = false;
  Changed();
  GetImageSizes();
}

void TZodOVODPicture::Assign(const QImage& bitmap) {
  FIsEmpty = true;
  if (bitmap.isNull()) return;
  FBytes.SetData(picturebytes::EncodePng(bitmap));
  FIsEmpty = false;
  Changed();
  GetImageSizes();
}

std::unique_ptr<TGPImage> TZodOVODPicture::Open(bool record) const {
  if (FIsEmpty || Data().isEmpty()) return nullptr;
  auto image = std::make_unique<TGPImage>(std::make_unique<gdipdetail::ImageData>(FBytes.Decoded()), Ok);
  if (!record) return image;
  FHasAlpha = image->HasAlphaChannel();
  FHasPalette = image->HasPalette();
  FPixelDepth = image->GetPixelDepth();
  FPixelFormat = image->GetPixelFormat();
  FBytes.SetSize(int(image->GetWidth()), int(image->GetHeight()));
  return image;
}

void TZodOVODPicture::DrawKeyed(TGPGraphics& graphics, TGPImage& image, const TGPRectF& dest) const {
  ARGB key = AlphaColorToARGB(255, FBitmapTransparentColor);
  if (FBitmapTransparentMode == tmAuto) {
    TGPBitmap bitmap(image.Image());
    bitmap.GetPixel(0, Height() - 1, key);
  }
  TGPImageAttributes attributes;
  attributes.SetColorKey(key, key, ColorAdjustTypeDefault);
  graphics.DrawImage(&image, dest, 0, 0, float(Width()), float(Height()), UnitPixel, &attributes);
}

void TZodOVODPicture::GDIPDraw(TGPGraphics& graphics, const platform::TRect& rect) const {
  const std::unique_ptr<TGPImage> image = Open(true);
  if (!image) return;
  if (image->GetFormat() == ifBMP && FTransparent) {
    DrawKeyed(graphics, *image, TGPRectF{float(rect.Left), float(rect.Top), float(Width()), float(Height())});
    return;
  }
  graphics.DrawImage(image.get(), float(rect.Left), float(rect.Top), float(rect.Width()), float(rect.Height()));
}

void TZodOVODPicture::GDIPDraw(TGPGraphics& graphics, const TGPRectF& rect) const {
  if (FDrawing) return;
  FDrawing = true;
  struct Done {
    bool& flag;
    ~Done() { flag = false; }
  } done{FDrawing};
  const std::unique_ptr<TGPImage> image = Open(true);
  if (!image) return;
  if (image->GetFormat() == ifBMP && FTransparent) {
    DrawKeyed(graphics, *image, rect);
    return;
  }
  graphics.DrawImage(image.get(), float(Round(rect.X)), float(Round(rect.Y)), float(Round(rect.Width)),
                     float(Round(rect.Height)));
}

void TZodOVODPicture::GDIPDraw(QPainter& graphics, const QRectF& r) const {
  TGPGraphics g(graphics);
  GDIPDraw(g, TGPRectF::FromQt(r));
}

void TZodOVODPicture::Draw(QPainter& canvas, const QRectF& r) const {
  if (FIsEmpty || Data().isEmpty()) return;
  const gdipdetail::ImageData& decoded = FBytes.Decoded();
  if (decoded.image.isNull()) return;
  if (decoded.format == ifBMP) {
    // A bitmap with automatic transparency, at its own size.
    canvas.drawImage(r.topLeft(), picturebytes::KeyBottomLeft(decoded.image));
    return;
  }
  FBytes.SetSize(decoded.image.width(), decoded.image.height());
  TGPGraphics graphics(canvas);
  TGPImage image(std::make_unique<gdipdetail::ImageData>(decoded), Ok);
  graphics.DrawImage(&image, float(r.x()), float(r.y()), float(r.width()), float(r.height()));
}

void TZodOVODPicture::Fill(TGPGraphics& graphics, const TGPRectF* r, const TGPGraphicsPath* path) const {
  const std::unique_ptr<TGPImage> image = Open(false);
  if (!image) return;
  TGPTextureBrush brush(image.get(), WrapModeTile);
  if (r) graphics.FillRectangle(&brush, *r);
  else graphics.FillPath(&brush, path);
}

void TZodOVODPicture::FillRect(TGPGraphics& graphics, const TGPRectF& r) const { Fill(graphics, &r, nullptr); }

void TZodOVODPicture::FillPath(TGPGraphics& graphics, const TGPGraphicsPath* path) const {
  Fill(graphics, nullptr, path);
}
