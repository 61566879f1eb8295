#include "mainwindow/AppIcon.h"

#include <QColor>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <algorithm>
#include <cmath>

namespace appicon {
namespace {

// The picture is laid out on a 64-unit square; edges fall on multiples of 4
// units, so at 16 pixels every bar and the fader land on whole pixels.
constexpr double kGrid = 64.0;

struct Colours {
  QColor pageTop{39, 48, 58};      // the page frame
  QColor pageBottom{30, 37, 45};   // the window's client area
  QColor edge{86, 102, 120};       // the page frame line
  QColor meterOff{0, 0, 0};        // an unlit level bar
  QColor meterLow{0, 255, 0};
  QColor meterMid{255, 255, 0};
  QColor meterHigh{255, 0, 0};
  QColor slot{16, 20, 24};         // the fader's track
  QColor thumbLight{236, 239, 242};
  QColor thumbDark{150, 160, 172};
  QColor thumbLine{16, 20, 24};
  QColor curve{0, 255, 255};       // a channel's response curve
};

// One unit edge in pixels, on the pixel grid.
int Px(double units, int size) { return int(std::lround(units * size / kGrid)); }

QRect Box(double left, double top, double right, double bottom, int size) {
  const int l = Px(left, size), t = Px(top, size);
  return QRect(l, t, std::max(1, Px(right, size) - l), std::max(1, Px(bottom, size) - t));
}

void DrawPage(QPainter& p, int size, const Colours& c) {
  const double edge = std::max(1.0, size / 32.0);
  const QRectF r = QRectF(0, 0, size, size).adjusted(edge / 2, edge / 2, -edge / 2, -edge / 2);
  const double radius = size * 10.0 / kGrid;
  QLinearGradient fill(0, 0, 0, size);
  fill.setColorAt(0, c.pageTop);
  fill.setColorAt(1, c.pageBottom);
  p.setPen(QPen(c.edge, edge));
  p.setBrush(fill);
  p.drawRoundedRect(r, radius, radius);
}

// Three level bars, lit from the bottom: green, then yellow, then red at the
// top of the scale, like the editor's meters.
void DrawMeters(QPainter& p, int size, const Colours& c) {
  constexpr double kTop = 28, kBottom = 56, kYellow = 44, kRed = 34;
  const struct {
    double left, level;
  } bars[] = {{8, 38}, {20, 30}, {32, 46}};
  for (const auto& bar : bars) {
    p.fillRect(Box(bar.left, kTop, bar.left + 8, kBottom, size), c.meterOff);
    const auto lit = [&](double from, double to, const QColor& colour) {
      from = std::max(from, bar.level);
      if (from < to) p.fillRect(Box(bar.left, from, bar.left + 8, to, size), colour);
    };
    lit(kYellow, kBottom, c.meterLow);
    lit(kRed, kYellow, c.meterMid);
    lit(kTop, kRed, c.meterHigh);
  }
}

// A fader on the right: the track and a thumb with its centre line.
void DrawFader(QPainter& p, int size, const Colours& c) {
  p.fillRect(Box(48, 8, 52, 58, size), c.slot);
  const QRect thumb = Box(44, 28, 56, 40, size);
  QLinearGradient face(0, thumb.top(), 0, thumb.bottom() + 1);
  face.setColorAt(0, c.thumbLight);
  face.setColorAt(1, c.thumbDark);
  p.fillRect(thumb, face);
  const int line = std::max(1, Px(2, size));
  p.fillRect(QRect(thumb.left(), thumb.center().y() + (thumb.height() % 2) - line / 2 - (size <= 16 ? 1 : 0),
                   thumb.width(), line),
             c.thumbLine);
}

// An equaliser curve over the meters: flat, a bell, then a falling cut.
void DrawCurve(QPainter& p, int size, const Colours& c) {
  const double u = size / kGrid;
  QPainterPath path;
  path.moveTo(6 * u, 22 * u);
  path.cubicTo(12 * u, 22 * u, 14 * u, 8 * u, 20 * u, 8 * u);
  path.cubicTo(26 * u, 8 * u, 28 * u, 22 * u, 34 * u, 20 * u);
  path.cubicTo(38 * u, 19 * u, 40 * u, 18 * u, 42 * u, 24 * u);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(c.curve, std::max(1.5, 3 * u), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(path);
}

}  // namespace

QImage Draw(int size) {
  const Colours colours;
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  DrawPage(p, size, colours);
  p.setRenderHint(QPainter::Antialiasing, false);
  DrawMeters(p, size, colours);
  DrawFader(p, size, colours);
  p.setRenderHint(QPainter::Antialiasing);
  DrawCurve(p, size, colours);
  p.end();
  return image;
}

}  // namespace appicon

QIcon AppIcon() {
  QIcon icon;
  for (int size : appicon::kSizes) icon.addPixmap(QPixmap::fromImage(appicon::Draw(size)));
  return icon;
}
