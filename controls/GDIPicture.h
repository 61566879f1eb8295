// TGDIPPicture: a picture that keeps an image file's bytes exactly as loaded
// (PNG, JPEG or BMP) and decodes them when measured or drawn. Pictures of the
// faders' thumbs and of the fills are of this kind; assigning copies the bytes,
// never shares them.
//
// A BMP is drawn with automatic transparency: the colour of its bottom-left
// pixel is keyed out. Other formats are drawn with their own alpha. An empty
// picture, or bytes that no image reader accepts, draw nothing.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QObject>
#include <QRectF>

#include <functional>

class QPainter;

namespace picturebytes {
// Decodes an image file's bytes; a null image when no reader accepts them.
QImage Decode(const QByteArray& bytes);
bool IsBmp(const QByteArray& bytes);
// The image with the bottom-left pixel's colour made transparent.
QImage KeyBottomLeft(const QImage& image);
// PNG bytes of an image (how a bitmap is kept once assigned into a picture).
QByteArray EncodePng(const QImage& image);

// An image file's bytes with the size and image decoded from them: the core
// of both picture classes. The image is decoded once per change of bytes.
class ImageBytes {
 public:
  explicit ImageBytes(bool keyBmp) : keyBmp_(keyBmp) {}

  const QByteArray& Data() const { return data_; }
  // Stores the bytes and measures them (0 x 0 when they do not decode).
  void Set(const QByteArray& bytes);
  // Decodes and stores the size; false for empty or undecodable bytes.
  bool Measure();
  int Width() const { return width_; }
  int Height() const { return height_; }
  // Null when empty or undecodable; a BMP is keyed when the holder asks.
  QImage Image() const;
  // Stretches the image into r, smoothly; nothing when there is none.
  void Draw(QPainter& painter, const QRectF& r) const;

 private:
  bool keyBmp_;
  QByteArray data_;
  int width_ = 0;
  int height_ = 0;
  mutable QImage cache_;
  mutable bool cacheValid_ = false;
};
}  // namespace picturebytes

class TGDIPPicture : public QObject {
  Q_OBJECT
 public:
  explicit TGDIPPicture(QObject* parent = nullptr);

  // Bytes of an image file, as a form or a file holds them. Fires OnChange and
  // measures the picture again.
  void LoadFromData(const QByteArray& bytes);
  bool LoadFromFile(const QString& fileName);
  const QByteArray& Data() const { return FBytes.Data(); }

  // Copies another picture's bytes (nullptr clears), fires OnChange, measures again.
  void Assign(const TGDIPPicture* source);
  // Keeps a bitmap as PNG bytes.
  void Assign(const QImage& bitmap);
  void Clear();

  bool GetEmpty() const { return FBytes.Data().isEmpty(); }
  bool Empty() const { return GetEmpty(); }
  // Decodes the bytes and stores the size; false for an empty or undecodable picture.
  bool GetImageSizes() { return FBytes.Measure(); }
  int Width() const { return FBytes.Width(); }
  int Height() const { return FBytes.Height(); }

  // The decoded image (BMP already keyed), null when empty or undecodable.
  QImage Image() const { return FBytes.Image(); }
  // Stretches the picture into r; nothing for an empty picture.
  void Draw(QPainter& canvas, const QRectF& r) const { FBytes.Draw(canvas, r); }

  // Fired after every change of the bytes.
  std::function<void(QObject* Sender)> OnChange;

 private:
  void SetBytes(const QByteArray& bytes);

  picturebytes::ImageBytes FBytes{true};
};
