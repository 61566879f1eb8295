// The toolbar's button pictures, drawn as plain glyphs on a 24-unit grid and
// scaled to 16 pixels for the SMALL set. No smoothing, so that the key colour
// (clTeal) stays exact around every glyph.
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>

#include "plot/wPlotToolBar.h"

namespace {

const QColor kKey(0, 128, 128);
const QColor kInk(0, 0, 0);
const QColor kPaper(255, 255, 255);
const QColor kGreen(0, 128, 0);
const QColor kBlue(0, 0, 160);
const QColor kGrey(128, 128, 128);
const QColor kRed(192, 0, 0);
const QColor kYellow(255, 255, 0);

void Magnifier(QPainter& p, int cx, int cy, int r) {
  p.setPen(QPen(kInk, 1));
  p.setBrush(QColor(200, 230, 255));
  p.drawEllipse(QPoint(cx, cy), r, r);
  p.setPen(QPen(kInk, 3, Qt::SolidLine, Qt::SquareCap));
  p.drawLine(cx + r - 1, cy + r - 1, cx + r + 5, cy + r + 5);
}

void Page(QPainter& p, const QRect& r) {
  p.setPen(QPen(kInk, 1));
  p.setBrush(kPaper);
  p.drawRect(r);
  p.setPen(QPen(kGrey, 1));
  for (int y = r.top() + 3; y < r.bottom() - 1; y += 3) p.drawLine(r.left() + 2, y, r.right() - 2, y);
}

void Arrow(QPainter& p, QPoint from, QPoint to) {
  p.setPen(QPen(kBlue, 2));
  p.drawLine(from, to);
  const QPointF d = QPointF(to - from) / std::max(1.0, std::hypot(double(to.x() - from.x()), double(to.y() - from.y())));
  const QPointF n(-d.y(), d.x());
  const QPointF tip(to);
  QPolygonF head;
  head << tip + d * 2 << tip - d * 3 + n * 3 << tip - d * 3 - n * 3;
  p.setPen(Qt::NoPen);
  p.setBrush(kBlue);
  p.drawPolygon(head);
}

using Glyph = std::function<void(QPainter&)>;

const std::map<QString, Glyph>& Glyphs() {
  static const std::map<QString, Glyph> glyphs = {
      {QStringLiteral("AUTO"),
       [](QPainter& p) {
         p.setPen(QPen(kInk, 1));
         p.setBrush(kGreen);
         p.drawPolygon(QPolygon({QPoint(7, 4), QPoint(19, 12), QPoint(7, 20)}));
       }},
      {QStringLiteral("PAUSE"),
       [](QPainter& p) {
         p.setPen(QPen(kInk, 1));
         p.setBrush(kBlue);
         p.drawRect(6, 5, 4, 14);
         p.drawRect(14, 5, 4, 14);
       }},
      {QStringLiteral("SCROLL"),
       [](QPainter& p) {
         Arrow(p, QPoint(12, 12), QPoint(3, 12));
         Arrow(p, QPoint(12, 12), QPoint(21, 12));
         Arrow(p, QPoint(12, 12), QPoint(12, 3));
         Arrow(p, QPoint(12, 12), QPoint(12, 21));
       }},
      {QStringLiteral("ZOOM"), [](QPainter& p) { Magnifier(p, 10, 10, 6); }},
      {QStringLiteral("ZOOMOUT"),
       [](QPainter& p) {
         Magnifier(p, 10, 10, 6);
         p.setPen(QPen(kInk, 2));
         p.drawLine(7, 10, 13, 10);
       }},
      {QStringLiteral("ZOOMIN"),
       [](QPainter& p) {
         Magnifier(p, 10, 10, 6);
         p.setPen(QPen(kInk, 2));
         p.drawLine(7, 10, 13, 10);
         p.drawLine(10, 7, 10, 13);
       }},
      {QStringLiteral("SELECT"),
       [](QPainter& p) {
         p.setPen(QPen(kInk, 1));
         p.setBrush(kPaper);
         p.drawPolygon(QPolygon({QPoint(7, 3), QPoint(7, 19), QPoint(11, 15), QPoint(14, 21), QPoint(16, 20),
                                 QPoint(13, 14), QPoint(18, 14)}));
       }},
      {QStringLiteral("SCROLLBOX"),
       [](QPainter& p) {
         p.setPen(QPen(kInk, 1, Qt::DashLine));
         p.setBrush(Qt::NoBrush);
         p.drawRect(3, 3, 14, 12);
         Magnifier(p, 15, 14, 4);
       }},
      {QStringLiteral("CURSOR"),
       [](QPainter& p) {
         p.setPen(QPen(kRed, 1));
         p.drawLine(12, 2, 12, 21);
         p.drawLine(2, 12, 21, 12);
         p.setPen(QPen(kInk, 1));
         p.setBrush(kYellow);
         p.drawRect(14, 4, 7, 5);
       }},
      {QStringLiteral("PROPERTIES"),
       [](QPainter& p) {
         Page(p, QRect(5, 3, 13, 17));
         p.setPen(QPen(kBlue, 2));
         p.drawLine(8, 9, 10, 11);
         p.drawLine(10, 11, 15, 6);
       }},
      {QStringLiteral("COPY"),
       [](QPainter& p) {
         Page(p, QRect(3, 3, 11, 13));
         Page(p, QRect(9, 8, 11, 13));
       }},
      {QStringLiteral("SAVE"),
       [](QPainter& p) {
         p.setPen(QPen(kInk, 1));
         p.setBrush(kBlue);
         p.drawRect(3, 3, 17, 17);
         p.setBrush(kPaper);
         p.drawRect(6, 3, 11, 7);
         p.setBrush(kGrey);
         p.drawRect(7, 14, 9, 6);
       }},
      {QStringLiteral("PRINTER"),
       [](QPainter& p) {
         Page(p, QRect(7, 2, 10, 8));
         p.setPen(QPen(kInk, 1));
         p.setBrush(kGrey);
         p.drawRect(3, 10, 17, 7);
         p.setBrush(kPaper);
         p.drawRect(7, 15, 10, 6);
         p.setBrush(kGreen);
         p.drawRect(16, 12, 2, 1);
       }},
      {QStringLiteral("PREVIEW"),
       [](QPainter& p) {
         Page(p, QRect(4, 2, 13, 18));
         Magnifier(p, 13, 13, 4);
       }},
  };
  return glyphs;
}

}  // namespace

QImage TwPlotToolBarImage(const QString& ImageName) {
  const bool small = ImageName.startsWith(QStringLiteral("SMALL"));
  const auto it = Glyphs().find(small ? ImageName.mid(5) : ImageName);
  if (it == Glyphs().end()) return {};
  const int size = small ? 16 : 24;
  QImage image(size, size, QImage::Format_RGB32);
  image.fill(kKey);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing, false);
  if (small) p.scale(16.0 / 24.0, 16.0 / 24.0);
  it->second(p);
  return image;
}
