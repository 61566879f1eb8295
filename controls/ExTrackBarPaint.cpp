// The track bar's drawing routines: gradients, blends, frames and glass
// fills; the thumb without a picture; tick marks; end buttons; the position
// label.
#include "controls/CustomImageList.h"
#include "controls/ExTrackBar.h"
#include "controls/ExTrackBarDraw.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <vector>

using platform::Canvas;
using platform::TRect;
using trackbar::IsSet;

namespace trackbar {

namespace {
int Nearest(double v) { return int(std::nearbyint(v)); }
platform::TColor Tcol(const QColor& c) { return platform::FromQColor(c); }
}  // namespace

QColor Blend(const QColor& a, const QColor& b, int percent) {
  if (percent >= 100) return a;
  if (percent <= 0) return b;
  const double p = percent / 100.0;
  auto mix = [p](int x, int y) { return std::clamp(Nearest(p * x + (1 - p) * y), 0, 255); };
  return QColor(mix(a.red(), b.red()), mix(a.green(), b.green()), mix(a.blue(), b.blue()));
}

void SteppedGradient(Canvas& c, const QColor& a, const QColor& b, bool horizontal, const TRect& r, int steps) {
  if (steps <= 0) steps = 1;
  const int start = horizontal ? r.Left : r.Top;
  const int extent = (horizontal ? r.Right : r.Bottom) - 1 - start;
  const double d = double(extent) / steps;
  const QColor ca = a.toRgb(), cb = b.toRgb();
  c.Save();
  for (int i = 0; i < steps; ++i) {
    auto ch = [&](int x, int y) { return std::clamp(x + Nearest(double(i) * (y - x) / steps), 0, 255); };
    const QColor band(ch(ca.red(), cb.red()), ch(ca.green(), cb.green()), ch(ca.blue(), cb.blue()));
    const int from = start + Nearest(i * d);
    const int to = from + Nearest(d) + 1;
    c.Pen = {Tcol(band), 1, platform::psSolid, platform::pmCopy};
    c.Brush = {Tcol(band), platform::bsSolid};
    if (horizontal) c.Rectangle(from, r.Top, to, r.Bottom);
    else c.Rectangle(r.Left, from, r.Right, to);
  }
  c.Restore();
}

void DirectedGradient(Canvas& c, const QColor& a, const QColor& b, TGradientDirection dir, const TRect& r,
                      int steps) {
  switch (dir) {
    case gdHorizontal: SteppedGradient(c, a, b, true, r, steps); break;
    case gdVertical: SteppedGradient(c, a, b, false, r, steps); break;
    case gdHorizontalInOut: {
      const int mid = r.Left + r.Width() / 2;
      SteppedGradient(c, a, b, true, {r.Left, r.Top, mid + 1, r.Bottom}, steps);
      SteppedGradient(c, b, a, true, {mid, r.Top, r.Right, r.Bottom}, steps);
      break;
    }
    case gdVerticalInOut: {
      const int mid = r.Top + r.Height() / 2;
      SteppedGradient(c, a, b, false, {r.Left, r.Top, r.Right, mid + 1}, steps);
      SteppedGradient(c, b, a, false, {r.Left, mid, r.Right, r.Bottom}, steps);
      break;
    }
  }
}

void FillSolid(Canvas& c, const TRect& r, const QColor& color) {
  c.Save();
  c.Brush = {Tcol(color), platform::bsSolid};
  c.FillRect(r);
  c.Restore();
}

void FrameRect(Canvas& c, const TRect& r, const QColor& color) {
  c.Save();
  c.Brush = {Tcol(color), platform::bsSolid};
  c.FrameRect(r);
  c.Restore();
}

void Line(Canvas& c, int x1, int y1, int x2, int y2, const QColor& color) {
  c.Save();
  c.Pen = {Tcol(color), 1, platform::psSolid, platform::pmCopy};
  c.MoveTo(x1, y1);
  c.LineTo(x2, y2);
  c.Restore();
}

void RoundOutline(Canvas& c, const TRect& r, const QColor& color) {
  c.Save();
  c.Pen = {Tcol(color), 1, platform::psSolid, platform::pmCopy};
  c.Brush.Style = platform::bsClear;
  c.RoundRect(r.Left, r.Top, r.Right, r.Bottom, 7, 7);
  c.Restore();
}

void TwoColourFrame(Canvas& c, const TRect& r, const QColor& color) {
  const QColor inner = Blend(color, Qt::white, 10);
  if (r.Height() > 2) Line(c, r.Left, r.Top, r.Left, r.Bottom, color);
  Line(c, r.Left, r.Top, r.Right, r.Top, color);
  Line(c, r.Right - 2, r.Top, r.Right - 2, r.Bottom, color);
  Line(c, r.Left, r.Bottom - 2, r.Right, r.Bottom - 2, color);
  Line(c, r.Left + 1, r.Bottom - 1, r.Right, r.Bottom - 1, inner);
  Line(c, r.Right - 1, r.Top + 1, r.Right - 1, r.Bottom, inner);
  Line(c, r.Left + 1, r.Top + 1, r.Left + 1, r.Bottom - 1, inner);
  Line(c, r.Left + 1, r.Top + 1, r.Right - 1, r.Top + 1, inner);
}

QPainterPath RoundRectPath(double x, double y, double w, double h, double r) {
  QPainterPath path;
  if (r <= 0) {
    path.addRect(QRectF(x, y, w, h));
    return path;
  }
  const double d = 2 * r;
  path.arcMoveTo(x, y, d, d, 180);
  path.arcTo(x, y, d, d, 180, -90);
  path.arcTo(x + w - d, y, d, d, 90, -90);
  path.arcTo(x + w - d, y + h - d, d, d, 0, -90);
  path.arcTo(x, y + h - d, d, d, 270, -90);
  path.closeSubpath();
  return path;
}

bool GlassColours::Complete() const { return IsSet(color) && IsSet(colorTo) && IsSet(mirror) && IsSet(mirrorTo); }

namespace {
void FillHalf(QPainter& p, const QRectF& half, const QColor& a, const QColor& b, TGDIPGradient kind, bool upper) {
  if (kind == ggRadial) {
    p.fillRect(half, upper ? a : b);
    QRectF ellipse = half;
    if (upper) ellipse.translate(0, -(half.height() / 2 - 2));
    const QPointF centre(half.center().x(), upper ? half.top() : half.bottom());
    QRadialGradient g(centre, std::max(ellipse.width(), ellipse.height()) / 2);
    g.setColorAt(0, upper ? b : a);
    g.setColorAt(1, upper ? a : b);
    QPainterPath path;
    path.addEllipse(ellipse);
    p.fillPath(path, g);
    return;
  }
  QLinearGradient g;
  switch (kind) {
    case ggDiagonalForward: g = QLinearGradient(half.topLeft(), half.bottomRight()); break;
    case ggDiagonalBackward: g = QLinearGradient(half.topRight(), half.bottomLeft()); break;
    default: g = QLinearGradient(half.topLeft(), half.bottomLeft()); break;
  }
  g.setColorAt(0, a);
  g.setColorAt(1, b);
  p.fillRect(half, g);
}
}  // namespace

void GlassFill(QPainter& p, const QRectF& r, const GlassColours& g, const QPainterPath& clip) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing, true);
  if (!clip.isEmpty()) p.setClipPath(clip, Qt::IntersectClip);
  const double mid = r.top() + r.height() / 2;
  FillHalf(p, QRectF(r.left(), mid - 1, r.width(), r.bottom() - mid + 1), g.mirrorTo, g.mirror, g.gradientMirror,
           false);
  FillHalf(p, QRectF(r.left(), r.top(), r.width(), mid + 1 - r.top()), g.color, g.colorTo, g.gradient, true);
  p.restore();
}

void GlassOutline(QPainter& p, const QRectF& r, bool round, const QColor& light, const QColor& border) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setBrush(Qt::NoBrush);
  if (round) {
    const double d = std::min(r.width(), r.height()) - 1;
    const QRectF circle(r.center().x() - d / 2, r.center().y() - d / 2, d, d);
    p.setPen(QPen(light, 1));
    p.drawEllipse(circle);
    p.setPen(QPen(border, 1));
    p.drawEllipse(circle.adjusted(1, 1, -1, -1));
  } else {
    p.setPen(QPen(light, 1));
    p.drawPath(RoundRectPath(r.left() + 0.5, r.top() + 0.5, r.width() - 1, r.height() - 1, 0));
    p.setPen(QPen(border, 1));
    p.drawPath(RoundRectPath(r.left() + 1.5, r.top() + 1.5, r.width() - 3, r.height() - 3, 0));
  }
  p.restore();
}

}  // namespace trackbar

using namespace trackbar;

// ---- thumb shapes ------------------------------------------------------------

namespace {
// The polygon kind of the triangle and slanted shapes.
int ShapeKind(TThumbShape shape, bool vertical, TTickMark ticks) {
  if (shape == tsTriangleLeft) return vertical ? 2 : 0;
  if (shape == tsTriangleRight) return vertical ? 3 : 1;
  switch (ticks) {
    case tmTopLeft: return vertical ? 0 : 2;
    case tmBoth: return vertical ? 4 : 5;
    case tmBottomRight: return vertical ? 1 : 3;
  }
  return 0;
}

QPolygon TrianglePolygon(int kind, const TRect& R) {
  const int l = R.Left, t = R.Top, r = R.Right - 1, b = R.Bottom - 1;
  const int mx = (l + r) / 2, my = (t + b) / 2;
  switch (kind) {
    case 0: return QPolygon({QPoint(l, t), QPoint(r, my), QPoint(l, b)});
    case 1: return QPolygon({QPoint(r, t), QPoint(l, my), QPoint(r, b)});
    case 2: return QPolygon({QPoint(mx, t), QPoint(r, b), QPoint(l, b)});
    case 3: return QPolygon({QPoint(l, t), QPoint(r, t), QPoint(mx, b)});
    default: return QPolygon({QPoint(mx, t), QPoint(r, my), QPoint(mx, b), QPoint(l, my)});
  }
}

QPolygon SlantedPolygon(int kind, const TRect& R, bool leftUp) {
  const int l = R.Left, t = R.Top, r = R.Right - 1, b = R.Bottom - 1;
  const int hh = R.Height() / 2, hw = R.Width() / 2;
  if (leftUp) {
    switch (kind) {
      case 0: kind = 1; break;
      case 1: kind = 0; break;
      case 2: return QPolygon({QPoint(l, t), QPoint(r, t + hw), QPoint(r, b), QPoint(l, b)});
      case 3: return QPolygon({QPoint(l, t), QPoint(r, t), QPoint(r, b - hw), QPoint(l, b)});
      case 5: return QPolygon({QPoint(l, t), QPoint(r, t + hw), QPoint(r, b - hw), QPoint(l, b)});
      default: break;
    }
  }
  switch (kind) {
    case 0: return QPolygon({QPoint(l, t), QPoint(r, t), QPoint(r, b), QPoint(l + hh, b)});
    case 1: return QPolygon({QPoint(l, t), QPoint(r, t), QPoint(r - hh, b), QPoint(l, b)});
    case 2: return QPolygon({QPoint(l, t + hw), QPoint(r, t), QPoint(r, b), QPoint(l, b)});
    case 3: return QPolygon({QPoint(l, t), QPoint(r, t), QPoint(r, b), QPoint(l, b - hw)});
    case 4: return QPolygon({QPoint(l, t), QPoint(r, t), QPoint(r - hh, b), QPoint(l + hh, b)});
    default: return QPolygon({QPoint(l, t + hw), QPoint(r, t), QPoint(r, b), QPoint(l, b - hw)});
  }
}

TGradientDirection DirectionOf(TGDIPGradient g) { return TGradientDirection(int(g)); }
}  // namespace

void TCustomTrackBar::DrawThumbShape(Canvas& c, const TRect& R) {
  TTrackBarThumb* th = FThumb;
  GlassColours g;
  if (!isEnabled()) {
    g = {th->ColorDisabled(), th->ColorDisabledTo(), th->ColorMirrorDisabled(), th->ColorMirrorDisabledTo(),
         th->BorderColorDisabled()};
  } else if (FThumbDown) {
    g = {th->ColorDown(), th->ColorDownTo(), th->ColorMirrorDown(), th->ColorMirrorDownTo(), th->BorderColorDown()};
  } else if (FThumbHot) {
    g = {th->ColorHot(), th->ColorHotTo(), th->ColorMirrorHot(), th->ColorMirrorHotTo(), th->BorderColorHot()};
  } else {
    g = {th->Color(), th->ColorTo(), th->ColorMirror(), th->ColorMirrorTo(), th->BorderColor()};
  }
  g.gradient = th->Gradient();
  g.gradientMirror = th->GradientMirror();
  const bool vertical = FOrientation == trVertical;
  const bool office = th->Style() == tstOffice2007;
  const TTickMark ticks = FTickMark->Position();
  QPainter& p = c.Painter();
  const QRectF rf(R.Left, R.Top, R.Width(), R.Height());
  const int midX = R.Left + R.Width() / 2, midY = R.Top + R.Height() / 2;

  // The fill rule shared by the pointer, rectangles and round shape.
  auto fillShape = [&](const QPainterPath& shape) {
    const bool two = IsSet(g.color) && IsSet(g.colorTo);
    if (two && g.Complete()) {
      GlassFill(p, rf, g, shape);
    } else if (two || IsSet(g.color)) {
      p.save();
      p.setClipPath(shape, Qt::IntersectClip);
      if (two) DirectedGradient(c, g.color, g.colorTo, DirectionOf(g.gradient), R, th->Steps());
      else FillSolid(c, R, g.color);
      p.restore();
    }
  };
  auto gripAcross = [&](int lengthV, int lengthH) {
    if (!IsSet(g.border)) return;
    if (vertical) Line(c, midX - lengthV / 2, midY, midX - lengthV / 2 + lengthV, midY, g.border);
    else Line(c, midX, midY - lengthH / 2, midX, midY - lengthH / 2 + lengthH, g.border);
  };

  switch (th->Shape()) {
    case tsPointer: {
      // Body with tips toward the ticks.
      QPolygon poly;
      const int l = R.Left, t = R.Top, r = R.Right - 1, b = R.Bottom - 1;
      const bool tipLow = ticks == tmBottomRight || ticks == tmBoth;
      const bool tipHigh = ticks == tmTopLeft || ticks == tmBoth;
      if (vertical) {
        const int d = R.Height() / 2;
        const int bl = l + (tipHigh ? d : 0), br = r - (tipLow ? d : 0);
        poly << QPoint(bl, t) << QPoint(br, t);
        if (tipLow) poly << QPoint(r, midY);
        poly << QPoint(br, b) << QPoint(bl, b);
        if (tipHigh) poly << QPoint(l, midY);
      } else {
        const int d = R.Width() / 2;
        const int bt = t + (tipHigh ? d : 0), bb = b - (tipLow ? d : 0);
        poly << QPoint(l, bt);
        if (tipHigh) poly << QPoint(midX, t);
        poly << QPoint(r, bt) << QPoint(r, bb);
        if (tipLow) poly << QPoint(midX, b);
        poly << QPoint(l, bb);
      }
      QPainterPath shape;
      shape.addPolygon(QPolygonF(poly));
      shape.closeSubpath();
      fillShape(shape);
      if (IsSet(g.border)) {
        p.save();
        p.setBrush(Qt::NoBrush);
        const QColor pens[] = {Qt::white, g.border, Qt::white};
        const QPointF centre = rf.center();
        for (int k = 0; k < 3; ++k) {
          QPolygonF inset;
          for (QPoint pt : poly) {
            const QPointF v = QPointF(pt) - centre;
            const double len = std::hypot(v.x(), v.y());
            inset << (len > 0 ? QPointF(pt) - v / len * k : QPointF(pt));
          }
          p.setPen(QPen(pens[k], 1));
          p.drawPolygon(inset);
        }
        p.restore();
      }
      if (office && vertical) gripAcross(R.Width() / 2 - 3, 0);
      else if (IsSet(g.border)) {
        const int len = R.Height() / 2 - 2;
        Line(c, midX, midY - len / 2, midX, midY - len / 2 + len, g.border);
      }
      break;
    }
    case tsRectangle:
    case tsRoundRect: {
      if (!office) break;
      const int corner = th->Shape() == tsRectangle ? 1 : 8;
      const QPainterPath shape = RoundRectPath(R.Left, R.Top, R.Width(), R.Height(), corner);
      fillShape(shape);
      if (IsSet(g.border)) {
        p.save();
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(Qt::white, 1));
        p.drawPath(RoundRectPath(R.Left + 0.5, R.Top + 0.5, R.Width() - 1, R.Height() - 1, corner));
        p.setPen(QPen(g.border, 1));
        p.drawPath(RoundRectPath(R.Left + 1.5, R.Top + 1.5, R.Width() - 3, R.Height() - 3, corner));
        p.restore();
        if (th->Shape() == tsRectangle) FrameRect(c, {R.Left + 2, R.Top + 2, R.Right - 2, R.Bottom - 2}, Qt::white);
      }
      gripAcross(R.Width() / 2 - 2, R.Height() / 2 - 2);
      break;
    }
    case tsRound: {
      const double radius = th->Size() / 2;
      const QPainterPath shape = RoundRectPath(R.Left, R.Top, R.Width(), R.Height(), radius);
      fillShape(shape);
      if (office) {
        if (g.Complete() && IsSet(g.border)) GlassOutline(p, rf, true, Qt::white, g.border);
        if (IsSet(g.border)) FillSolid(c, {midX - 2, midY - 2, midX + 2, midY + 2}, g.border);
      } else if (IsSet(g.border)) {
        p.save();
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(Qt::white, 1));
        p.drawPath(RoundRectPath(R.Left + 0.5, R.Top + 0.5, R.Width() - 1, R.Height() - 1, radius));
        p.setPen(QPen(g.border, 1));
        p.drawPath(RoundRectPath(R.Left + 1.5, R.Top + 1.5, R.Width() - 3, R.Height() - 3, radius - 1));
        p.restore();
      }
      break;
    }
    case tsLine: {
      if (!office) break;
      const QColor lines[] = {g.colorTo, g.color, Blend(g.color, Qt::white, 60), Blend(g.color, Qt::white, 10)};
      for (int k = 0; k < 4; ++k) {
        if (!IsSet(lines[k])) continue;
        if (vertical) Line(c, R.Left, midY - 1 + k, R.Right, midY - 1 + k, lines[k]);
        else Line(c, midX - 1 + k, R.Top, midX - 1 + k, R.Bottom, lines[k]);
      }
      break;
    }
    case tsTriangle:
    case tsTriangleLeft:
    case tsTriangleRight:
    case tsPointerLeftUp:
    case tsPointerRightUp: {
      const int kind = ShapeKind(th->Shape() == tsPointerLeftUp || th->Shape() == tsPointerRightUp ? tsTriangle
                                                                                                   : th->Shape(),
                                 vertical, ticks);
      const bool triangle = th->Shape() == tsTriangle || th->Shape() == tsTriangleLeft || th->Shape() == tsTriangleRight;
      const QPolygon poly = triangle ? TrianglePolygon(kind, R) : SlantedPolygon(kind, R, th->Shape() == tsPointerLeftUp);
      QPainterPath shape;
      shape.addPolygon(QPolygonF(poly));
      shape.closeSubpath();
      if (IsSet(g.color) && IsSet(g.colorTo)) {
        p.save();
        p.setClipPath(shape, Qt::IntersectClip);
        DirectedGradient(c, g.color, g.colorTo, DirectionOf(g.gradient), R, th->Steps());
        p.restore();
      }
      if (IsSet(g.border)) {
        p.save();
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(g.border, 1));
        p.drawPolygon(poly);
        QPolygon inner;
        const QPoint centre(midX, midY);
        for (QPoint pt : poly) {
          const QPoint v = centre - pt;
          inner << pt + QPoint(v.x() > 0 ? 1 : v.x() < 0 ? -1 : 0, v.y() > 0 ? 1 : v.y() < 0 ? -1 : 0);
        }
        p.setPen(QPen(Qt::white, 1));
        p.drawPolygon(inner);
        p.restore();
        gripAcross(R.Width() / 2 - 3, R.Height() / 2 - 3);
      }
      break;
    }
  }
}

// ---- tick marks --------------------------------------------------------------

void TCustomTrackBar::DrawTicks(Canvas& c) {
  TTrackBarTick* tk = FTickMark;
  if (RatingMode() || tk->Size() <= 0 || tk->Style() != tsAuto) return;
  const bool vertical = FOrientation == trVertical;
  TRect tl = TRectTopLeftTick(), br = TRectBottomRightTick();
  const bool hasTl = tk->Position() != tmBottomRight, hasBr = tk->Position() != tmTopLeft;
  const TRect& ref = tk->Position() == tmTopLeft ? tl : br;
  const int bound = (std::max(width(), height()) - 2 * (vertical ? ref.Top : ref.Left)) / 2;
  const int last = (OnDrawTick || tk->ShowText() || FMax < bound) ? FMax : bound;
  if (tk->ShowText()) {
    if (vertical) {
      tl.Left += FTextHeight;
      br.Right -= FTextHeight;
    } else {
      tl.Top += FTextHeight;
      br.Bottom -= FTextHeight;
    }
  }
  const TRect track = TRectTrack();
  // Values are counted in 64 bits: Max may be the largest int.
  const double spacing = last == FMin ? 0.0
                                      : double((vertical ? track.Height() : track.Width()) - FThumb->Width()) /
                                            (double(last) - double(FMin));
  int previous = -100;
  const bool on = isEnabled();
  QPainter& p = c.Painter();
  for (long long value = FMin; value <= last; ++value) {
    const int off = int(double(value - FMin) * spacing);
    if (!OnDrawTick && off <= previous + 1) {
      // Only ticks more than a pixel apart are considered: go straight to
      // the first value that can be one (a little early, for rounding),
      // rather than through every value of a wide range.
      if (spacing <= 0) break;
      const double first = std::ceil((previous + 2) / spacing) - 2;
      if (first > double(last) - double(FMin)) break;
      value = std::max(value, FMin + (long long)first - 1);
      continue;
    }
    previous = off;
    const int v = int(value);
    for (int side = 0; side < 2; ++side) {
      if ((side == 0 && !hasTl) || (side == 1 && !hasBr)) continue;
      const TRect& band = side == 0 ? tl : br;
      const int along = vertical ? band.Bottom - 1 - off : band.Left + off;
      bool draw = true;
      int length = tk->Size();
      QString text;
      if (tk->ShowText()) {
        text = QString::number(v);
        if (OnGetTickMarkText) OnGetTickMarkText(this, v, text);
      }
      QColor textColor = platform::ToQColor(tk->Font().Color);
      QColor color = on ? tk->Color() : tk->ColorDisabled();
      if (OnDrawTick) {
        const QPoint location = vertical ? QPoint(side == 0 ? band.Left : band.Right, along)
                                         : QPoint(along, side == 0 ? band.Top : band.Bottom);
        OnDrawTick(this, c, location, v, side == 0 ? tmTopLeft : tmBottomRight, length, color, textColor, text,
                   draw);
      }
      if ((tk->ShowImageAtThumbOnly() && v != FPosition) ||
          (tk->ShowImageAtSteps() > 1 && v % tk->ShowImageAtSteps() != 0))
        draw = false;
      if (!draw) continue;
      if (FImages && FImages->Count() > 0) {
        const int index = v < FImages->Count() ? v : 0;
        const int iw = FImages->Width(), ih = FImages->Height();
        int x, y;
        if (vertical) {
          y = along - ih / 2;
          x = side == 0 ? band.Left : band.Right - length;
        } else {
          x = along - iw / 2;
          y = side == 0 ? band.Top : band.Top;
        }
        FImages->Draw(p, x, y, index, on);
      } else {
        const QColor light = Blend(color, Qt::white, 10);
        if (vertical) {
          const int x0 = side == 0 ? band.Left : band.Right - length;
          Line(c, x0, along, x0 + length, along, color);
          if (tk->Line3D()) Line(c, x0, along - 1, x0 + length, along - 1, light);
        } else {
          const int y0 = side == 0 ? band.Top : band.Bottom - length;
          Line(c, along, y0, along, y0 + length, color);
          if (tk->Line3D()) Line(c, along + 1, y0, along + 1, y0 + length, light);
        }
      }
      if (text.isEmpty()) continue;
      p.save();
      const QFont font = platform::ToQFont(tk->Font());
      p.setFont(font);
      p.setPen(textColor);
      const QFontMetrics fm(font);
      const int tw = fm.horizontalAdvance(text);
      if (vertical && tk->RotateFontVert()) {
        if (side == 0) {
          p.translate(band.Left + FTickTextOffset - FTextHeight + fm.ascent(), along + tw / 2);
          p.rotate(-90);
        } else {
          p.translate(band.Right + FTextHeight - fm.ascent(), along - tw / 2);
          p.rotate(90);
        }
        p.drawText(0, 0, text);
      } else if (vertical) {
        const int y = along - fm.height() / 2 + fm.ascent();
        if (side == 0) p.drawText(band.Left - FTickTextOffset - tw, y, text);
        else p.drawText(band.Right + FTickTextOffset, y, text);
      } else {
        const int y = side == 0 ? band.Top + FTickTextOffset - FTextHeight : band.Bottom + FTickTextOffset;
        p.drawText(along - tw / 2, y + fm.ascent(), text);
      }
      p.restore();
    }
  }
}

// ---- end buttons -------------------------------------------------------------

void TCustomTrackBar::DrawButtons(Canvas& c) {
  if (RatingMode() || !FButtons->Visible()) return;
  DrawButton(c, false);
  DrawButton(c, true);
}

void TCustomTrackBar::DrawButton(Canvas& c, bool maxEnd) {
  TTrackBarButtons* b = FButtons;
  const bool down = maxEnd ? FMaxButtonDown : FMinButtonDown;
  const bool hot = maxEnd ? FMaxButtonHot : FMinButtonHot;
  GlassColours g;
  TGDIPPicture* pic;
  if (down) {
    g = {b->ColorDown(), b->ColorDownTo(), b->ColorMirrorDown(), b->ColorMirrorDownTo(), b->BorderColorDown()};
    pic = maxEnd ? b->MaxPictureDown() : b->MinPictureDown();
  } else if (hot) {
    g = {b->ColorHot(), b->ColorHotTo(), b->ColorMirrorHot(), b->ColorMirrorHotTo(), b->BorderColorHot()};
    pic = maxEnd ? b->MaxPictureHot() : b->MinPictureHot();
  } else {
    g = {b->Color(), b->ColorTo(), b->ColorMirror(), b->ColorMirrorTo(), b->BorderColor()};
    pic = maxEnd ? b->MaxPicture() : b->MinPicture();
  }
  g.gradient = b->Gradient();
  g.gradientMirror = b->GradientMirror();
  const bool vertical = FOrientation == trVertical;
  const TRect strip = maxEnd ? TRectMaxButton() : TRectMinButton();
  QPainter& p = c.Painter();
  if (!pic->Empty()) {
    pic->GetImageSizes();
    const QImage image = pic->Image();
    if (image.isNull()) return;
    p.save();
    if (vertical) {
      int y = strip.Top;
      if (maxEnd && image.height() > b->Size()) y = strip.Bottom - image.height();
      p.drawImage(QPoint(strip.Left, y), image);
    } else {
      p.setClipRect(platform::ToQRect(strip), Qt::IntersectClip);
      p.drawImage(QPoint(strip.Left, strip.Top), image);
    }
    p.restore();
    return;
  }
  const int size = b->Size();
  const QColor light = Blend(g.border, Qt::white, 30);
  QRectF face;
  if (b->Shape() == bsRound) {
    if (vertical) face = QRectF(strip.Left + (strip.Width() - size) / 2, strip.Top, size, size);
    else face = QRectF(strip.Left, strip.Top + (strip.Height() - size) / 2, size, size);
    GlassFill(p, face, g, RoundRectPath(face.x(), face.y(), face.width(), face.height(), size / 2));
    GlassOutline(p, face, true, light, g.border);
  } else {
    face = QRectF(strip.Left, strip.Top, strip.Width(), strip.Height());
    GlassFill(p, face, g, QPainterPath());
    GlassOutline(p, face, false, light, g.border);
  }
  // The sign: a bar size/2 long and 4 thick, outlined in the fill colour with
  // two inner lines in the border colour; the plus crosses a second bar over
  // it. Both outlines go first, so that neither cuts the other's lines.
  const int cx = int(face.center().x()), cy = int(face.center().y());
  const int len = size / 2;
  auto barRect = [&](bool upright) {
    return upright ? TRect{cx - 2, cy - len / 2, cx + 2, cy - len / 2 + len}
                   : TRect{cx - len / 2, cy - 2, cx - len / 2 + len, cy + 2};
  };
  auto lines = [&](bool upright) {
    const TRect r = barRect(upright);
    if (upright) {
      Line(c, r.Left + 1, r.Top + 1, r.Left + 1, r.Bottom - 1, g.border);
      Line(c, r.Left + 2, r.Top + 1, r.Left + 2, r.Bottom - 1, g.border);
    } else {
      Line(c, r.Left + 1, r.Top + 1, r.Right - 1, r.Top + 1, g.border);
      Line(c, r.Left + 1, r.Top + 2, r.Right - 1, r.Top + 2, g.border);
    }
  };
  const std::vector<bool> bars =
      maxEnd ? std::vector<bool>{false, true} : std::vector<bool>{vertical && b->RotateText()};
  for (bool upright : bars) FrameRect(c, barRect(upright), g.color);
  for (bool upright : bars) lines(upright);
}

// ---- position label ----------------------------------------------------------

QSize TCustomTrackBar::LabelTextSize(QString& text) const {
  const_cast<TCustomTrackBar*>(this)->GetTrackLabelText(text);
  const QString measured = text.isEmpty() && OnGetTrackLabelText ? QStringLiteral("Pos") : text;
  const QFontMetrics fm(platform::ToQFont(FTrackLabel->Font()));
  return {fm.horizontalAdvance(measured), fm.height()};
}

TRect TCustomTrackBar::TRectLabelBand() const {
  if (!FTrackLabel->Visible()) return {0, 0, 0, 0};
  QString text;
  const QSize s = LabelTextSize(text);
  const int depth = s.height() + FTrackLabel->Spacing();
  const TRect c = TRectContent();
  const bool vertical = FOrientation == trVertical;
  if (FTrackLabel->Position() >= lpBottomCenter) {
    const TRect br = TRectBottomRightTick();
    const bool band = !(br.Left == -1 && br.Right == -1);
    if (vertical) {
      const int x = (band ? br.Right : TRectSlider().Right) + 1;
      return {x, c.Top, x + depth, c.Bottom};
    }
    const int y = (band ? br.Bottom : TRectSlider().Bottom) + 1;
    return {c.Left, y, c.Right, y + depth};
  }
  if (vertical) return {c.Left + FSlider->Offset(), c.Top, c.Left + FSlider->Offset() + depth, c.Bottom};
  return {c.Left, c.Top + FSlider->Offset(), c.Right, c.Top + FSlider->Offset() + depth};
}

TRect TCustomTrackBar::TRectLabelText() const {
  if (!FTrackLabel->Visible()) return {0, 0, 0, 0};
  QString text;
  const QSize s = LabelTextSize(text);
  const TRect band = TRectLabelBand();
  const int extent = s.width() + 5;
  const TLabelPosition pos = FTrackLabel->Position();
  const bool left = pos == lpTopLeft || pos == lpBottomLeft, right = pos == lpTopRight || pos == lpBottomRight;
  if (FOrientation == trVertical) {
    int top;
    if (left) top = band.Bottom - extent;
    else if (right) top = band.Top;
    else top = band.Top + (band.Height() - extent) / 2;
    return {band.Left, top, band.Right, top + extent};
  }
  int x;
  if (left) x = band.Left;
  else if (right) x = band.Right - extent;
  else x = band.Left + (band.Width() - extent) / 2;
  return {x, band.Top, x + extent, band.Bottom};
}

void TCustomTrackBar::DrawTrackLabel(Canvas& c) {
  if (RatingMode() || !FTrackLabel->Visible()) return;
  QString text;
  GetTrackLabelText(text);
  const TRect band = TRectLabelBand();
  const TRect r = TRectLabelText();
  QPainter& p = c.Painter();
  p.save();
  const QFont font = platform::ToQFont(FTrackLabel->Font());
  const QFontMetrics fm(font);
  p.setFont(font);
  p.setPen(platform::ToQColor(FTrackLabel->Font().Color));
  const TLabelPosition pos = FTrackLabel->Position();
  if (FOrientation == trVertical) {
    p.translate(r.Left + 3 + fm.ascent(), r.Bottom);
    p.rotate(-90);
    p.drawText(0, 0, text);
  } else {
    int flags = Qt::TextSingleLine;
    if (pos == lpTopLeft || pos == lpBottomLeft) flags |= Qt::AlignLeft;
    else if (pos == lpTopRight || pos == lpBottomRight) flags |= Qt::AlignRight;
    else flags |= Qt::AlignHCenter;
    flags |= pos >= lpBottomCenter ? Qt::AlignBottom : Qt::AlignVCenter;
    p.drawText(platform::ToQRect(band), flags, text);
  }
  p.restore();
}
