// The GDI+ drawing unit: the object layer (GdipObjects.h), the colour and
// gradient routines (GdipColors.h) and TZodOVODPicture.
//
// TZodOVODPicture is the picture of the fills, the splash screen and the
// picture container. Like TGDIPPicture it keeps an image file's bytes as
// loaded (its form "Data" is the file) and decodes them when measured or
// drawn; it differs in that:
// - an empty stream loads nothing, and ReadData measures (still silent);
// - LoadFromFile takes the size from the file's header (ImageSizeReaders.h):
//   a ".tif" or unknown extension measures 0 x 0 until GetImageSizes; a file
//   that cannot be read, or a BMP too short for its header, leaves it empty;
// - Draw puts a BMP at its own size at the rectangle's top-left;
// - GDIPDraw draws onto a TGPGraphics. With Transparent set, a BMP is drawn
//   with a colour key: the fixed BitmapTransparentColor (tmFixed) or its
//   bottom-left pixel (tmAuto); into a TRect at its own size, into a TGPRectF
//   stretched. Other images are scaled into the rectangle (a TGPRectF's
//   coordinates rounded). GDIPDraw records the image's pixel format. A
//   GDIPDraw into a TGPRectF made while one runs draws nothing.
// - FillRect and FillPath tile the picture as a texture.
//
// Events: OnChange after loading or assigning; OnClear on loading a file
// (before OnChange) and after OnChange when nothing is assigned.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QObject>
#include <QRectF>

#include <cstddef>
#include <functional>

#include "controls/GDIPicture.h"
#include "controls/GdipColors.h"
#include "controls/GdipObjects.h"
#include "platform/Canvas.h"
#include "platform/Graphics.h"

class QIODevice;
class QPainter;

// How the key colour of a transparent bitmap is chosen.
enum TTransparentMode { tmAuto, tmFixed };

class TZodOVODPicture : public QObject {
  Q_OBJECT
 public:
  explicit TZodOVODPicture(QObject* parent = nullptr);

  // The stream's content from its start, measured, OnChange; nothing for
  // nullptr or an empty stream.
  void LoadFromStream(QIODevice* stream);
  void LoadFromData(const QByteArray& bytes);
  // OnClear, size from the header, OnChange; false (and empty) on failure.
  bool LoadFromFile(const QString& fileName);
  void LoadFromResourceName(const QString& resName);
  // Throws std::runtime_error "Resource <id> not found" when there is none.
  void LoadFromResourceID(int resID);
  // "RES://name" or "FILE://path", the prefix in any case; anything else does nothing.
  void LoadFromURL(const QString& url);
  void SaveToStream(QIODevice* stream) const;
  // Form streaming of "Data": ReadData ignores an empty stream, measures and fires nothing.
  void ReadData(QIODevice* stream);
  void WriteData(QIODevice* stream) const { SaveToStream(stream); }
  const QByteArray& Data() const { return FBytes.Data(); }

  // Copies another picture's bytes (empty when they are) and fires OnChange;
  // nullptr clears the bytes, fires OnChange then OnClear and keeps the size.
  void Assign(const TZodOVODPicture* source);
  void Assign(std::nullptr_t) { Assign(static_cast<const TZodOVODPicture*>(nullptr)); }
  // Another graphic: a TGDIPPicture's file bytes, a bitmap as PNG bytes. A
  // null or empty one is no graphic: the picture becomes empty, nothing fires.
  void Assign(const TGDIPPicture* source);
  void Assign(const QImage& bitmap);

  bool GetEmpty() const { return FIsEmpty; }
  bool Empty() const { return FIsEmpty; }
  // Decodes the bytes to learn Width and Height; false when there is nothing to open.
  bool GetImageSizes() { return !FIsEmpty && FBytes.Measure(); }
  // The size from the header of the named file; always false (nothing read
  // when the picture is empty). Throws std::runtime_error when the file
  // cannot be read or a BMP is too short for its header.
  bool GetImageSizesFromFileName(const QString& fileName);
  int Width() const { return FBytes.Width(); }
  int Height() const { return FBytes.Height(); }
  void SetWidth(int) {}
  void SetHeight(int) {}

  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool v);
  TTransparentMode BitmapTransparentMode() const { return FBitmapTransparentMode; }
  void SetBitmapTransparentMode(TTransparentMode v) { FBitmapTransparentMode = v; }
  platform::TColor BitmapTransparentColor() const { return FBitmapTransparentColor; }
  void SetBitmapTransparentColor(platform::TColor v) { FBitmapTransparentColor = v; }

  // The pixel format of the last GDIPDraw.
  int PixelDepth() const { return FPixelDepth; }
  bool HasAlpha() const { return FHasAlpha; }
  bool HasPalette() const { return FHasPalette; }
  int PixelFormat() const { return FPixelFormat; }

  // The decoded image (never keyed), null when empty or undecodable.
  QImage Image() const { return FIsEmpty ? QImage() : FBytes.Image(); }
  // A BMP keyed at its own size at r's top-left; other formats scaled into r.
  void Draw(QPainter& canvas, const QRectF& r) const;
  void Draw(platform::Canvas& canvas, const platform::TRect& r) const { Draw(canvas.Painter(), QRectF(platform::ToQRect(r))); }
  void GDIPDraw(TGPGraphics& graphics, const platform::TRect& rect) const;
  void GDIPDraw(TGPGraphics& graphics, const TGPRectF& rect) const;
  // As the TGPRectF form, on a painter.
  void GDIPDraw(QPainter& graphics, const QRectF& r) const;
  void FillRect(TGPGraphics& graphics, const TGPRectF& r) const;
  void FillPath(TGPGraphics& graphics, const TGPGraphicsPath* path) const;

  std::function<void(QObject* Sender)> OnChange;
  std::function<void(QObject* Sender)> OnClear;

 private:
  void Changed();
  void Cleared();
  // The decoded image; nullptr when there is nothing to draw. GDIPDraw
  // records its pixel format and size.
  std::unique_ptr<TGPImage> Open(bool record) const;
  void DrawKeyed(TGPGraphics& graphics, TGPImage& image, const TGPRectF& dest) const;
  void Fill(TGPGraphics& graphics, const TGPRectF* r, const TGPGraphicsPath* path) const;

  mutable bool FDrawing = false;
  picturebytes::ImageBytes FBytes{false};
  bool FIsEmpty = true;
  bool FTransparent = false;
  TTransparentMode FBitmapTransparentMode = tmAuto;
  platform::TColor FBitmapTransparentColor = 0xFFFFFF;
  mutable int FPixelDepth = 0;
  mutable bool FHasAlpha = false;
  mutable bool FHasPalette = false;
  mutable int FPixelFormat = 0;
};
