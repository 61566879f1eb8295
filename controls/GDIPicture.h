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
}  // namespace picturebytes

class TGDIPPicture : public QObject {
  Q_OBJECT
 public:
  explicit TGDIPPicture(QObject* parent = nullptr);

  // Bytes of an image file, as a form or a file holds them. Fires OnChange and
  // measures the picture again.
  void LoadFromData(const QByteArray& bytes);
  bool LoadFromFile(const QString& fileName);
  const QByteArray& Data() const { return FData; }

  // Copies another picture's bytes (nullptr clears), fires OnChange, measures again.
  void Assign(const TGDIPPicture* source);
  // Keeps a bitmap as PNG bytes.
  void Assign(const QImage& bitmap);
  void Clear();

  bool GetEmpty() const { return FData.isEmpty(); }
  bool Empty() const { return GetEmpty(); }
  // Decodes the bytes and stores the size; false for an empty or undecodable picture.
  bool GetImageSizes();
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }

  // The decoded image (BMP already keyed), null when empty or undecodable.
  QImage Image() const;
  // Stretches the picture into r; nothing for an empty picture.
  void Draw(QPainter& canvas, const QRectF& r) const;

  // Fired after every change of the bytes.
  std::function<void(QObject* Sender)> OnChange;

 private:
  void Changed();

  QByteArray FData;
  int FWidth = 0;
  int FHeight = 0;
  mutable QImage FCache;
  mutable bool FCacheValid = false;
};
