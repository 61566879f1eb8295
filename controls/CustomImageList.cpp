#include "controls/CustomImageList.h"

#include <QPainter>

#include <algorithm>

TCustomImageList::TCustomImageList(int width, int height, QObject* parent)
    : QObject(parent), FWidth(std::max(1, width)), FHeight(std::max(1, height)) {}

void TCustomImageList::Changed() {
  if (OnChange) OnChange(this);
}

void TCustomImageList::SetSize(int width, int height) {
  width = std::max(1, width);
  height = std::max(1, height);
  if (width == FWidth && height == FHeight) return;
  FWidth = width;
  FHeight = height;
  FImages.clear();
  Changed();
}

int TCustomImageList::Add(const QImage& image) {
  if (image.isNull()) return -1;
  const int first = Count();
  const int pieces = std::max(1, image.width() / FWidth);
  const QImage argb = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  for (int i = 0; i < pieces; ++i) {
    QImage cell(FWidth, FHeight, QImage::Format_ARGB32_Premultiplied);
    cell.fill(Qt::transparent);
    QPainter p(&cell);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(QPoint(0, 0), argb, QRect(i * FWidth, 0, FWidth, FHeight));
    p.end();
    FImages.push_back(cell);
  }
  Changed();
  return first;
}

void TCustomImageList::Delete(int index) {
  if (index < 0 || index >= Count()) return;
  FImages.erase(FImages.begin() + index);
  Changed();
}

void TCustomImageList::Clear() {
  if (FImages.empty()) return;
  FImages.clear();
  Changed();
}

QImage TCustomImageList::Image(int index) const {
  return index >= 0 && index < Count() ? FImages[std::size_t(index)] : QImage();
}

void TCustomImageList::Draw(QPainter& painter, int x, int y, int index, bool enabled) const {
  if (index < 0 || index >= Count()) return;
  const QImage& img = FImages[std::size_t(index)];
  if (enabled) {
    painter.drawImage(QPoint(x, y), img);
    return;
  }
  // Greyed: each pixel's grey level lifted halfway to white, alpha kept.
  QImage grey = img.convertToFormat(QImage::Format_ARGB32);
  for (int row = 0; row < grey.height(); ++row) {
    auto* line = reinterpret_cast<QRgb*>(grey.scanLine(row));
    for (int col = 0; col < grey.width(); ++col) {
      const int g = (qGray(line[col]) + 255) / 2;
      line[col] = qRgba(g, g, g, qAlpha(line[col]));
    }
  }
  painter.drawImage(QPoint(x, y), grey);
}
