// TGDIPPicture: a picture that keeps an image file's bytes exactly as loaded
// (PNG, JPEG, GIF, BMP, ICO, TIFF or anything the image readers take) and
// decodes them when measured or drawn. The faders' thumbs and the hint info's
// picture are of this kind; a form's "Data" of such a picture is the file
// itself. Assigning copies the bytes, never the picture.
//
// Empty is a flag of its own, not the byte count: a picture read from a form
// (ReadData) is not empty but measures 0 x 0 until something calls
// GetImageSizes or draws a non-bitmap image. Width and Height are those of the
// last measurement; SetWidth and SetHeight do nothing.
//
// Drawing: a BMP goes through a bitmap with automatic transparency (its
// bottom-left pixel's colour keyed out), stretched into the rectangle; every
// other format is drawn with its own alpha. Empty or undecodable pictures
// draw nothing. Opening the bytes when memory runs out throws
// std::runtime_error "Could not allocate memory for image".
//
// Events: OnChange after the bytes change (LoadFromStream, LoadFromFile,
// Assign); OnClear when a file is loaded (before OnChange) and when nothing
// is assigned (after OnChange). ReadData fires neither.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QObject>
#include <QRectF>

#include <cstddef>
#include <functional>
#include <utility>

#include "controls/GdipObjects.h"
#include "platform/Canvas.h"

class QIODevice;
class QPainter;

namespace picturebytes {
// Decodes an image file's bytes; a null image when no reader accepts them.
QImage Decode(const QByteArray& bytes);
bool IsBmp(const QByteArray& bytes);
// The image with the bottom-left pixel's colour made transparent.
QImage KeyBottomLeft(const QImage& image);
// PNG bytes of an image (how a bitmap is kept once assigned into a picture:
// PNG keeps its alpha).
QByteArray EncodePng(const QImage& image);

// An image file's bytes with the size of the last measurement and a cached
// decode: the core of both picture classes.
class ImageBytes {
 public:
  explicit ImageBytes(bool keyBmp) : keyBmp_(keyBmp) {}

  const QByteArray& Data() const {
    if (make_) Make();
    return data_;
  }
  // Stores the bytes and measures them (0 x 0 when they do not decode).
  void Set(const QByteArray& bytes);
  // Stores the bytes; the size stays that of the last measurement.
  void SetData(const QByteArray& bytes);
  // As SetData with the bytes `make` gives, made when something first reads,
  // measures or decodes them. `make` gives the same bytes whenever it runs.
  void SetDeferred(std::function<QByteArray()> make);
  // Decodes and stores the size (0 x 0 for undecodable bytes); false when
  // there are no bytes.
  bool Measure() const;
  void SetSize(int width, int height) const {
    width_ = width;
    height_ = height;
  }
  int Width() const { return width_; }
  int Height() const { return height_; }
  // The decoded file (format, pixel format, pixels); throws std::runtime_error
  // "Could not allocate memory for image" when memory runs out.
  const gdipdetail::ImageData& Decoded() const;
  // Null when empty or undecodable; a BMP is keyed when the holder asks.
  QImage Image() const;
  // Stretches the image into r, smoothly; nothing when there is none.
  void Draw(QPainter& painter, const QRectF& r) const;

 private:
  void Make() const;

  bool keyBmp_;
  mutable QByteArray data_;
  mutable std::function<QByteArray()> make_;
  mutable int width_ = 0;
  mutable int height_ = 0;
  mutable gdipdetail::ImageData decoded_;
  mutable bool decodedValid_ = false;
  mutable QImage keyed_;
  mutable bool keyedValid_ = false;
};

// The bytes of a Qt resource ":/name", for "RES://name"; false when missing.
bool ReadResource(const QString& name, QByteArray& bytes);
}  // namespace picturebytes

class TGDIPPicture : public QObject {
  Q_OBJECT
 public:
  explicit TGDIPPicture(QObject* parent = nullptr);

  // The stream's whole content from its start: not empty any more, measured,
  // OnChange. Nothing for nullptr.
  void LoadFromStream(QIODevice* stream);
  // The same with bytes in hand (an empty array too makes the picture non-empty).
  void LoadFromData(const QByteArray& bytes);
  // OnClear, measure, OnChange; false (and empty) when the file cannot be read.
  bool LoadFromFile(const QString& fileName);
  void LoadFromResourceName(const QString& resName);
  // Throws std::runtime_error "Resource <id> not found" when there is none.
  void LoadFromResourceID(int resID);
  // "RES://name" or "FILE://path", the prefix in any case; anything else does nothing.
  void LoadFromURL(const QString& url);
  void SaveToStream(QIODevice* stream) const;
  // Form streaming of "Data": ReadData neither measures nor fires events.
  void ReadData(QIODevice* stream);
  // As ReadData of the bytes `make` gives, which are made only when first
  // read, measured or drawn (see picturebytes::ImageBytes::SetDeferred).
  void ReadDeferred(std::function<QByteArray()> make);
  void WriteData(QIODevice* stream) const;
  const QByteArray& Data() const { return FBytes.Data(); }

  // Copies another picture's bytes (empty when they are), fires OnChange and
  // measures; nullptr clears the bytes, fires OnChange then OnClear and keeps
  // the size.
  void Assign(const TGDIPPicture* source);
  void Assign(std::nullptr_t) { Assign(static_cast<const TGDIPPicture*>(nullptr)); }
  // Keeps a bitmap as PNG bytes; a null image is no graphic: the picture
  // becomes empty and nothing fires.
  void Assign(const QImage& bitmap);
  // Removes the bytes (OnChange) unless there are none.
  void Clear();

  bool GetEmpty() const { return FIsEmpty; }
  bool Empty() const { return FIsEmpty; }
  // Decodes the bytes and stores the size; false when there is nothing to open.
  bool GetImageSizes() { return !FIsEmpty && FBytes.Measure(); }
  int Width() const { return FBytes.Width(); }
  int Height() const { return FBytes.Height(); }
  void SetWidth(int) {}
  void SetHeight(int) {}

  // The decoded image (BMP already keyed), null when empty or undecodable.
  QImage Image() const { return FIsEmpty ? QImage() : FBytes.Image(); }
  // At natural size / scaled into (x, y, w, h), through the graphics.
  void DrawImage(TGPGraphics* graphics, int x, int y) const;
  void DrawImageRect(TGPGraphics* graphics, int x, int y, int w, int h) const;
  // A BMP keyed and stretched into r; any other format scaled into r, which
  // also takes its size as the picture's.
  void Draw(QPainter& canvas, const QRectF& r) const;
  void Draw(platform::Canvas& canvas, const platform::TRect& r) const { Draw(canvas.Painter(), QRectF(platform::ToQRect(r))); }

  // Fired after every change of the bytes.
  std::function<void(QObject* Sender)> OnChange;
  std::function<void(QObject* Sender)> OnClear;

 private:
  void Changed();
  void Cleared();

  picturebytes::ImageBytes FBytes{true};
  bool FIsEmpty = true;
};
