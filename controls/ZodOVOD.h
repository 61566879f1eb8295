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

#include "controls/GDIPicture.h"

class QPainter;

class TZodOVODPicture : public QObject {
  Q_OBJECT
 public:
  explicit TZodOVODPicture(QObject* parent = nullptr);

  void LoadFromData(const QByteArray& bytes);
  const QByteArray& Data() const { return FBytes.Data(); }

  // Copies another picture's bytes (nullptr clears) and fires OnChange.
  void Assign(const TZodOVODPicture* source);
  void Assign(const QImage& bitmap);

  bool Empty() const { return FBytes.Data().isEmpty(); }
  // Decodes the bytes to learn Width and Height; false when that fails.
  bool GetImageSizes() { return FBytes.Measure(); }
  int Width() const { return FBytes.Width(); }
  int Height() const { return FBytes.Height(); }

  QImage Image() const { return FBytes.Image(); }
  // Draws the picture stretched into r; nothing when empty or undecodable.
  void GDIPDraw(QPainter& graphics, const QRectF& r) const { FBytes.Draw(graphics, r); }

  std::function<void(QObject* Sender)> OnChange;

 private:
  void SetBytes(const QByteArray& bytes);

  picturebytes::ImageBytes FBytes{false};
};
