// TZodOVODPicture: the picture of the fills and of the value boxes' embedded
// buttons. Like TGDIPPicture it keeps an image file's bytes (PNG, JPEG, BMP) as
// loaded and decodes them when measured or drawn; it draws every format with
// its own alpha into a floating-point rectangle.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QObject>
#include <QRectF>

#include <functional>

class QPainter;

class TZodOVODPicture : public QObject {
  Q_OBJECT
 public:
  explicit TZodOVODPicture(QObject* parent = nullptr);

  void LoadFromData(const QByteArray& bytes);
  const QByteArray& Data() const { return FData; }

  // Copies another picture's bytes (nullptr clears) and fires OnChange.
  void Assign(const TZodOVODPicture* source);
  void Assign(const QImage& bitmap);

  bool Empty() const { return FData.isEmpty(); }
  // Decodes the bytes to learn Width and Height; false when that fails.
  bool GetImageSizes();
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }

  QImage Image() const;
  // Draws the picture stretched into r; nothing when empty or undecodable.
  void GDIPDraw(QPainter& graphics, const QRectF& r) const;

  std::function<void(QObject* Sender)> OnChange;

 private:
  void Changed();

  QByteArray FData;
  int FWidth = 0;
  int FHeight = 0;
  mutable QImage FCache;
  mutable bool FCacheValid = false;
};
