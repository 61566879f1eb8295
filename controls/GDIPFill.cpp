#include "controls/GDIPFill.h"

#include <QEvent>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

namespace {
// Defaults of a new fill, in one place.
struct FillDefaults {
  QColor color{192, 192, 192};
  QColor colorTo{128, 128, 128};
  QColor shadow{128, 128, 128};
  QColor glow{255, 255, 255};
};
const FillDefaults kDefaults;

QColor WithAlpha(QColor c, int alpha) {
  c.setAlpha(std::clamp(alpha, 0, 255));
  return c;
}

int Effective(int argument, int own) { return argument >= 0 && argument < 255 ? argument : own; }
}  // namespace

TGDIPFill::TGDIPFill(QObject* parent)
    : QObject(parent),
      FColor(kDefaults.color),
      FColorTo(kDefaults.colorTo),
      FShadowColor(kDefaults.shadow),
      FGlowGradientColor(kDefaults.glow),
      FGlowRadialColor(kDefaults.glow) {
  FPicture.OnChange = [this](QObject*) { NotifyChange(); };
  FBackGroundPicture.OnChange = [this](QObject*) { NotifyChange(); };
}

void TGDIPFill::Assign(const TGDIPFill* s) {
  if (!s || s == this) return;
  ++FUpdateCount;
  FColor = s->FColor; FColorTo = s->FColorTo; FColorMirror = s->FColorMirror; FColorMirrorTo = s->FColorMirrorTo;
  FGradientType = s->FGradientType; FGradientMirrorType = s->FGradientMirrorType;
  FOpacity = s->FOpacity; FOpacityTo = s->FOpacityTo; FOpacityMirror = s->FOpacityMirror;
  FOpacityMirrorTo = s->FOpacityMirrorTo;
  FBorderColor = s->FBorderColor; FBorderOpacity = s->FBorderOpacity; FBorderWidth = s->FBorderWidth;
  FRounding = s->FRounding; FRoundingType = s->FRoundingType;
  FShadowColor = s->FShadowColor; FShadowOffset = s->FShadowOffset; FShadowType = s->FShadowType;
  FAngle = s->FAngle; FGlow = s->FGlow; FGlowGradientColor = s->FGlowGradientColor;
  FGlowRadialColor = s->FGlowRadialColor;
  FPicture.Assign(&s->FPicture);
  FBackGroundPicture.Assign(&s->FBackGroundPicture);
  --FUpdateCount;
  NotifyChange();
}

void TGDIPFill::NotifyChange() {
  if (FUpdateCount == 0 && OnChange) OnChange(this);
}

void TGDIPFill::SetColor(const QColor& v) { Store(FColor, v); }
void TGDIPFill::SetColorTo(const QColor& v) { Store(FColorTo, v); }
void TGDIPFill::SetColorMirror(const QColor& v) { Store(FColorMirror, v); }
void TGDIPFill::SetColorMirrorTo(const QColor& v) { Store(FColorMirrorTo, v); }
void TGDIPFill::SetGradientType(TExGradientType v) { Store(FGradientType, v); }
void TGDIPFill::SetGradientMirrorType(TExGradientType v) { Store(FGradientMirrorType, v); }
void TGDIPFill::SetOpacity(int v) { Store(FOpacity, v); }
void TGDIPFill::SetOpacityTo(int v) { Store(FOpacityTo, v); }
void TGDIPFill::SetOpacityMirror(int v) { Store(FOpacityMirror, v); }
void TGDIPFill::SetOpacityMirrorTo(int v) { Store(FOpacityMirrorTo, v); }
void TGDIPFill::SetBorderColor(const QColor& v) { Store(FBorderColor, v); }
void TGDIPFill::SetBorderOpacity(int v) { Store(FBorderOpacity, v); }
void TGDIPFill::SetBorderWidth(int v) { Store(FBorderWidth, v); }
void TGDIPFill::SetRounding(int v) { Store(FRounding, v); }
void TGDIPFill::SetRoundingType(TFillRoundingType v) { Store(FRoundingType, v); }
void TGDIPFill::SetShadowColor(const QColor& v) { Store(FShadowColor, v); }
void TGDIPFill::SetShadowOffset(int v) { Store(FShadowOffset, v); }
void TGDIPFill::SetShadowType(TShadowType v) { Store(FShadowType, v); }
void TGDIPFill::SetAngle(int v) { Store(FAngle, v); }
void TGDIPFill::SetGlow(TGlowMode v) { Store(FGlow, v); }
void TGDIPFill::SetGlowGradientColor(const QColor& v) { Store(FGlowGradientColor, v); }
void TGDIPFill::SetGlowRadialColor(const QColor& v) { Store(FGlowRadialColor, v); }

QPainterPath TGDIPFill::BuildRoundedPath(const QRectF& r, qreal radius, TFillRoundingType type) {
  QPainterPath path;
  if (radius <= 0 || type == rtNone) {
    path.addRect(r);
    return path;
  }
  const qreal d = 2 * radius;
  const qreal x = r.x(), y = r.y(), right = r.right(), bottom = r.bottom();
  const bool tl = type == rtTop || type == rtBoth || type == rtLeft;
  const bool tr = type == rtTop || type == rtBoth || type == rtRight;
  const bool br = type == rtBottom || type == rtBoth || type == rtRight;
  const bool bl = type == rtBottom || type == rtBoth || type == rtLeft;
  if (tl) {
    path.arcMoveTo(x, y, d, d, 180);
    path.arcTo(x, y, d, d, 180, -90);
  } else {
    path.moveTo(x, y);
  }
  if (tr) path.arcTo(right - d, y, d, d, 90, -90);
  else path.lineTo(right, y);
  if (br) path.arcTo(right - d, bottom - d, d, d, 0, -90);
  else path.lineTo(right, bottom);
  if (bl) path.arcTo(x, bottom - d, d, d, 270, -90);
  else path.lineTo(x, bottom);
  path.closeSubpath();
  return path;
}

QRectF TGDIPFill::Fill(QPainter& g, const QRectF& r, int borderOpacity, int opacity, int opacityTo,
                       int opacityMirror, int opacityMirrorTo) const {
  g.save();
  g.setRenderHint(QPainter::Antialiasing, true);
  QRectF body = r;
  if (FShadowOffset > 0 && FShadowColor.isValid()) {
    switch (FShadowType) {
      case stRightBottom: body.adjust(0, 0, -FShadowOffset, -FShadowOffset); break;
      case stBottom: body.adjust(0, 0, 0, -FShadowOffset); break;
      case stSurround: body.adjust(FShadowOffset, FShadowOffset, -FShadowOffset, -FShadowOffset); break;
    }
    drawShadow(g, body);
  }
  const int oc = Effective(opacity, FOpacity), octo = Effective(opacityTo, FOpacityTo);
  const int ocm = Effective(opacityMirror, FOpacityMirror), ocmto = Effective(opacityMirrorTo, FOpacityMirrorTo);
  if (!FColorMirror.isValid()) {
    drawBody(g, body, false, oc, octo);
  } else {
    const QRectF top(body.x(), body.y(), body.width(), body.height() / 2);
    const QRectF bottom(body.x(), top.bottom(), body.width(), body.height() - top.height());
    drawBody(g, top, false, oc, octo);
    drawBody(g, bottom, true, ocm, ocmto);
  }
  drawBorder(g, body, Effective(borderOpacity, FBorderOpacity));
  drawGlow(g, body);
  if (!FPicture.Empty()) {
    const QImage img = FPicture.Image();
    if (!img.isNull()) FPicture.GDIPDraw(g, QRectF(body.topLeft(), QSizeF(img.size())));
  }
  g.restore();
  return body;
}

void TGDIPFill::drawShadow(QPainter& g, const QRectF& body) const {
  const qreal o = FShadowOffset;
  for (int i = 0; i < FShadowOffset; ++i) {
    // Layers of falling alpha give a soft edge.
    const QRectF s = FShadowType == stSurround ? body.adjusted(-o + i, -o + i, o - i, o - i)
                                               : body.translated(o - i, o - i);
    g.fillPath(BuildRoundedPath(s, FRounding, FRoundingType), WithAlpha(FShadowColor, 255 * (i + 1) / (FShadowOffset * 3)));
  }
}

void TGDIPFill::drawBody(QPainter& g, const QRectF& r, bool mirror, int oc, int octo) const {
  TExGradientType kind = mirror ? FGradientMirrorType : FGradientType;
  const QColor from = mirror ? FColorMirror : FColor;
  const QColor to = mirror ? FColorMirrorTo : FColorTo;
  if (!from.isValid()) kind = gtNone;
  else if (!to.isValid()) kind = gtSolid;
  if (kind == gtNone) return;

  TFillRoundingType rt = FRoundingType;
  if (FColorMirror.isValid()) {
    static const TFillRoundingType upper[] = {rtNone, rtTop, rtNone, rtTop, rtLeft, rtRight};
    static const TFillRoundingType lower[] = {rtNone, rtNone, rtBottom, rtBottom, rtLeft, rtRight};
    rt = mirror ? lower[FRoundingType] : upper[FRoundingType];
  }
  const QPainterPath path = BuildRoundedPath(r, FRounding, rt);
  const QColor a = WithAlpha(from, oc), b = WithAlpha(to, octo);
  switch (kind) {
    case gtSolid: g.fillPath(path, a); break;
    case gtVertical: case gtHorizontal: case gtForwardDiagonal: case gtBackwardDiagonal: case gtAngle: {
      QLineF line(r.topLeft(), r.bottomLeft());
      if (kind == gtHorizontal) line = QLineF(r.topLeft(), r.topRight());
      else if (kind == gtForwardDiagonal) line = QLineF(r.topLeft(), r.bottomRight());
      else if (kind == gtBackwardDiagonal) line = QLineF(r.topRight(), r.bottomLeft());
      else if (kind == gtAngle) {
        const qreal rad = FAngle * M_PI / 180.0, half = std::hypot(r.width(), r.height()) / 2;
        const QPointF c = r.center(), d(std::cos(rad) * half, std::sin(rad) * half);
        line = QLineF(c - d, c + d);
      }
      QLinearGradient grad(line.p1(), line.p2());
      grad.setColorAt(0, a);
      grad.setColorAt(1, b);
      g.fillPath(path, grad);
      break;
    }
    case gtRadial: case gtPath: {
      QRadialGradient grad(r.center(), std::max(r.width(), r.height()) / 2);
      grad.setColorAt(0, b);
      grad.setColorAt(1, a);
      g.fillPath(path, grad);
      break;
    }
    case gtHatch:
      g.fillPath(path, a);
      g.fillPath(path, QBrush(b, Qt::DiagCrossPattern));
      break;
    case gtTexture: {
      const QImage tex = FBackGroundPicture.Image();
      g.fillPath(path, tex.isNull() ? QBrush(a) : QBrush(tex));
      break;
    }
    case gtNone: break;
  }
}

void TGDIPFill::drawBorder(QPainter& g, const QRectF& r, int opacity) const {
  if (!FBorderColor.isValid() || FBorderWidth <= 0) return;
  g.setPen(QPen(WithAlpha(FBorderColor, opacity), FBorderWidth));
  g.setBrush(Qt::NoBrush);
  g.drawPath(BuildRoundedPath(r, FRounding, FRoundingType));
}

void TGDIPFill::drawGlow(QPainter& g, const QRectF& r) const {
  if (FGlow == gmNone) return;
  g.save();
  g.setClipRect(r);
  const QRectF inner = r.adjusted(1, 1, -1, -1);
  if (FGlow == gmGradient || FGlow == gmRadialGradient) {
    g.setPen(QPen(WithAlpha(FGlowGradientColor, 200), 1));
    g.setBrush(Qt::NoBrush);
    g.drawPath(BuildRoundedPath(inner, FRounding, FRoundingType));
    QLinearGradient band(inner.topLeft(), QPointF(inner.left(), inner.top() + inner.height() / 2));
    band.setColorAt(0, WithAlpha(FGlowGradientColor, 175));
    band.setColorAt(1, WithAlpha(FGlowGradientColor, 0));
    g.fillRect(QRectF(inner.left(), inner.top(), inner.width(), inner.height() / 2), band);
  }
  if (FGlow == gmRadial || FGlow == gmRadialGradient) {
    QRadialGradient rg(QPointF(inner.center().x(), inner.bottom()), inner.width() / 2);
    rg.setColorAt(0, WithAlpha(FGlowRadialColor, 160));
    rg.setColorAt(1, WithAlpha(FGlowRadialColor, 0));
    g.fillRect(inner, rg);
  }
  g.restore();
}
