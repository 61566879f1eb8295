#include "controls/UxDraw.h"

#include <QEvent>
#include <QLinearGradient>
#include <QPainterPath>

#include <algorithm>

namespace uxdraw {

QColor Shade(const QColor& c, int amount) {
  if (!c.isValid()) return c;
  const int a = std::clamp(amount, -255, 255);
  auto mix = [a](int v) { return a >= 0 ? v + (255 - v) * a / 255 : v + v * a / 255; };
  return QColor(mix(c.red()), mix(c.green()), mix(c.blue()), c.alpha());
}

QColor ScaleColor(const QColor& c, int by) {
  if (!c.isValid() || by == 0) return c;
  return QColor(c.red() / by, c.green() / by, c.blue() / by, c.alpha());
}

void DrawBevel(QPainter& p, const QRect& r, TBevel bevel, int width, const QColor& light, const QColor& dark) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing, false);
  const QColor tl = bevel == TBevel::Raised ? light : dark;
  const QColor br = bevel == TBevel::Raised ? dark : light;
  QRect q = r;
  for (int i = 0; i < width; ++i) {
    p.setPen(tl);
    p.drawLine(q.topLeft(), q.topRight());
    p.drawLine(q.topLeft(), q.bottomLeft());
    p.setPen(br);
    p.drawLine(q.bottomLeft(), q.bottomRight());
    p.drawLine(q.topRight(), q.bottomRight());
    q.adjust(1, 1, -1, -1);
  }
  p.restore();
}

void DrawButtonFace(QPainter& p, const QRect& r, const QColor& face, bool sunken, bool hot, bool enabled) {
  if (r.width() <= 0 || r.height() <= 0) return;
  p.save();
  p.setRenderHint(QPainter::Antialiasing, true);
  const QColor base = !enabled ? Shade(face, 40) : hot && !sunken ? Shade(face, 35) : face;
  QLinearGradient g(r.topLeft(), r.bottomLeft());
  if (sunken) {
    g.setColorAt(0, Shade(base, -45));
    g.setColorAt(1, Shade(base, 10));
  } else {
    g.setColorAt(0, Shade(base, 70));
    g.setColorAt(0.5, base);
    g.setColorAt(1, Shade(base, -30));
  }
  QPainterPath path;
  path.addRoundedRect(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
  p.fillPath(path, g);
  p.setPen(QPen(Shade(base, -110), 1));
  p.drawPath(path);
  // Inner highlight line gives the raised look; a pressed face shows an inner shadow instead.
  QPainterPath inner;
  inner.addRoundedRect(QRectF(r).adjusted(1.5, 1.5, -1.5, -1.5), 2, 2);
  p.setPen(QPen(sunken ? Shade(base, -70) : Shade(base, 110), 1));
  p.setClipRect(QRect(r.left(), r.top(), r.width(), r.height() / 2));
  p.drawPath(inner);
  p.restore();
}

void DrawDropDownArrow(QPainter& p, const QRect& r, const QColor& color) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing, true);
  const QPointF c = QRectF(r).center();
  const qreal w = std::min<qreal>(8, r.width() * 0.5);
  const QPointF pts[3] = {{c.x() - w / 2, c.y() - w / 4}, {c.x() + w / 2, c.y() - w / 4}, {c.x(), c.y() + w / 4}};
  p.setPen(Qt::NoPen);
  p.setBrush(color);
  p.drawPolygon(pts, 3);
  p.restore();
}

void DrawTextCentered(QPainter& p, const QRect& r, const QString& text, const QColor& color, bool enabled,
                      int flags) {
  if (text.isEmpty()) return;
  p.save();
  if (!enabled) {
    p.setPen(Qt::white);
    p.drawText(r.translated(1, 1), flags, text);
    p.setPen(QColor(128, 128, 128));
  } else {
    p.setPen(color);
  }
  p.drawText(r, flags, text);
  p.restore();
}

}  // namespace uxdraw
