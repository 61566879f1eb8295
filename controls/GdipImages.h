// Images, bitmaps and image attributes of the GDI+ layer. Images are decoded
// with the Qt image readers; the raw format comes from the file's first bytes.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <array>
#include <memory>
#include <vector>

#include "controls/GdipTypes.h"

class QIODevice;

namespace gdipdetail {
struct ImageData {
  QImage image;
  TGPImageFormat format = ifUndefined;
  int pixelFormat = PixelFormatUndefined;
};
// Decodes an image file's bytes; format ifUndefined and a null image when no
// reader accepts them (EMF and WMF are recognised but measure 0 x 0).
ImageData DecodeImage(const QByteArray& bytes);
// The raw format named by an image file's first bytes.
TGPImageFormat SniffFormat(const QByteArray& bytes);
}  // namespace gdipdetail

class TGPImage : public TGdiplusBase {
 public:
  TGPImage(const QString& filename, bool useEmbeddedColorManagement = false);
  // Reads the stream from its current position to its end.
  TGPImage(QIODevice* stream, bool useEmbeddedColorManagement = false);
  TGPImage(std::unique_ptr<gdipdetail::ImageData> nativeImage, TStatus status);
  ~TGPImage() override;

  unsigned GetWidth();
  unsigned GetHeight();
  int GetPixelFormat();
  int GetPixelDepth() { return (GetPixelFormat() >> 8) & 0xFF; }
  bool HasAlphaChannel() { return (GetPixelFormat() & PixelFormatAlpha) != 0; }
  bool HasPalette() { return (GetPixelFormat() & PixelFormatIndexed) != 0; }
  TGPImageFormat GetFormat();
  // A new image scaled to the size; the caller frees it.
  TGPImage* GetThumbnailImage(unsigned thumbWidth, unsigned thumbHeight, void* callback = nullptr,
                              void* callbackData = nullptr);
  // encoder: an image MIME type ("image/png", "image/bmp", "image/jpeg" ...).
  TStatus Save(const QString& filename, const QByteArray& encoder, const void* encoderParams = nullptr);
  TStatus Save(QIODevice* stream, const QByteArray& encoder, const void* encoderParams = nullptr);
  TStatus SaveAdd(TGPImage* newImage, const void* encoderParams = nullptr);
  TStatus RotateFlip(int rotateFlipType);
  TStatus GetLastStatus();

  // The decoded pixels (null when there are none).
  const QImage& Image() const;
  gdipdetail::ImageData* Native() { return nativeImage.get(); }

 protected:
  TGPImage() = default;
  TStatus SetStatus(TStatus status);

  std::unique_ptr<gdipdetail::ImageData> nativeImage;
  TStatus lastResult = Ok;
};

class TGPBitmap : public TGPImage {
 public:
  TGPBitmap(QIODevice* stream, bool useEmbeddedColorManagement = false);
  TGPBitmap(int width, int height, int format = PixelFormat32bppARGB);
  explicit TGPBitmap(const QImage& image);
  static TGPBitmap* FromStream(QIODevice* stream, bool useEmbeddedColorManagement = false) {
    return new TGPBitmap(stream, useEmbeddedColorManagement);
  }
  TStatus GetHBITMAP(ARGB colorBackground, void** hbmReturn);
  TStatus GetPixel(int x, int y, ARGB& color);
  TStatus SetPixel(int x, int y, ARGB color);
};

namespace gdipdetail {
struct AdjustData {
  bool matrixOn = false;
  TColorMatrix matrix;
  bool thresholdOn = false;
  float threshold = 0;
  bool gammaOn = false;
  float gamma = 1;
  bool noOp = false;
  bool keyOn = false;
  ARGB keyLow = 0, keyHigh = 0;
  std::vector<TColorMap> remap;
};
struct ImageAttrData {
  std::array<AdjustData, ColorAdjustTypeCount> adjust;
  int wrapMode = WrapModeClamp;
  ARGB wrapColor = 0;
  // The image with the adjustments for bitmaps (or, when none are set, the
  // default ones) applied.
  QImage Apply(const QImage& image) const;
};
}  // namespace gdipdetail

class TGPImageAttributes : public TGdiplusBase {
 public:
  TGPImageAttributes();
  TGPImageAttributes(std::unique_ptr<gdipdetail::ImageAttrData> imageAttr, TStatus status);
  ~TGPImageAttributes() override;
  TGPImageAttributes* Clone() const;
  TStatus SetToIdentity(int type = ColorAdjustTypeDefault);
  TStatus Reset(int type = ColorAdjustTypeDefault);
  TStatus SetColorMatrix(const TColorMatrix& colorMatrix, int mode = ColorMatrixFlagsDefault,
                         int type = ColorAdjustTypeDefault);
  TStatus ClearColorMatrix(int type = ColorAdjustTypeDefault);
  TStatus SetColorMatrices(const TColorMatrix& colorMatrix, const TColorMatrix& grayMatrix,
                           int mode = ColorMatrixFlagsDefault, int type = ColorAdjustTypeDefault);
  TStatus ClearColorMatrices(int type = ColorAdjustTypeDefault);
  TStatus SetThreshold(float threshold, int type = ColorAdjustTypeDefault);
  TStatus ClearThreshold(int type = ColorAdjustTypeDefault);
  TStatus SetGamma(float gamma, int type = ColorAdjustTypeDefault);
  TStatus ClearGamma(int type = ColorAdjustTypeDefault);
  TStatus SetNoOp(int type = ColorAdjustTypeDefault);
  TStatus ClearNoOp(int type = ColorAdjustTypeDefault);
  TStatus SetColorKey(ARGB colorLow, ARGB colorHigh, int type = ColorAdjustTypeDefault);
  TStatus ClearColorKey(int type = ColorAdjustTypeDefault);
  TStatus SetOutputChannel(int channelFlags, int type = ColorAdjustTypeDefault);
  TStatus ClearOutputChannel(int type = ColorAdjustTypeDefault);
  TStatus SetOutputChannelColorProfile(const QString& colorProfileFilename, int type = ColorAdjustTypeDefault);
  TStatus ClearOutputChannelColorProfile(int type = ColorAdjustTypeDefault);
  TStatus SetRemapTable(int mapSize, const TColorMap* map, int type = ColorAdjustTypeDefault);
  TStatus ClearRemapTable(int type = ColorAdjustTypeDefault);
  TStatus SetBrushRemapTable(int mapSize, const TColorMap* map);
  TStatus ClearBrushRemapTable();
  TStatus SetWrapMode(int wrap, ARGB color = 0xFF000000, bool clamp = false);
  TStatus GetAdjustedPalette(void* colorPalette, int colorAdjustType);
  TStatus GetLastStatus();
  const gdipdetail::ImageAttrData* Native() const { return nativeImageAttr.get(); }

 private:
  TStatus SetStatus(TStatus status);
  gdipdetail::AdjustData* Adjust(int type);

  std::unique_ptr<gdipdetail::ImageAttrData> nativeImageAttr;
  TStatus lastResult = Ok;
};

// Never filled; families made in it are looked up among the installed ones.
