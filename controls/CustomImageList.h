// TCustomImageList: a list of equally sized images, drawn by index either as
// they are or greyed (the look of a disabled control). The fader's tick
// images, the splash screen's and the value box's images and the plot's image
// lists are of this kind.
//
// Add takes an image strip: an image wider than Width adds one image per
// Width pixels (at least one); each is cut or padded to Width x Height.
#pragma once

#include <QImage>
#include <QObject>

#include <functional>
#include <vector>

class QPainter;

class TCustomImageList : public QObject {
  Q_OBJECT
 public:
  explicit TCustomImageList(QObject* parent = nullptr) : QObject(parent) {}
  TCustomImageList(int width, int height, QObject* parent = nullptr);

  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  // A new size clears the list, as the framework's list does.
  void SetSize(int width, int height);
  int Count() const { return int(FImages.size()); }

  // The index of the first image added; -1 for a null image.
  int Add(const QImage& image);
  void Delete(int index);
  void Clear();
  QImage Image(int index) const;

  // Draws image index with its top-left at (x, y); greyed when not enabled.
  // Nothing for an index out of range.
  void Draw(QPainter& painter, int x, int y, int index, bool enabled = true) const;

  // Fired when images are added, removed or the size changes.
  std::function<void(QObject* Sender)> OnChange;

 private:
  void Changed();

  int FWidth = 16;
  int FHeight = 16;
  std::vector<QImage> FImages;
};
