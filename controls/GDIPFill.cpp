#include "controls/GDIPFill.h"

#include <QBuffer>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <memory>

#include "controls/GdipColors.h"
#include "controls/GdipObjects.h"
#include "platform/Canvas.h"

namespace {
// Defaults of a new fill, in one place.
struct FillDefaults {
  QColor color{192, 192, 192};
  QColor colorTo{128, 128, 128};
  QColor shadow{128, 128, 128};
  QColor glow{255, 255, 255};
};
const FillDefaults kDefaults;

bool IsNone(const QColor& c) { return !c.isValid() || c.alpha() == 0; }
ARGB Argb(int alpha, const QColor& c) { return MakeARGB(alpha, c.red(), c.green(), c.blue()); }
platform::TColor ToTColor(const QColor& c) { return IsNone(c) ? platform::clNone : platform::FromQColor(c); }
int Effective(int argument, int own) { return argument >= 0 && argument < 255 ? argument : own; }
// GDI+ draws nothing into a rectangle without area; Qt would mirror it.
bool HasArea(const QRectF& r) { return r.width() > 0 && r.height() > 0; }

std::unique_ptr<TGPGraphicsPath> ToGP(const QPainterPath& path) {
  auto data = std::make_unique<gdipdetail::PathData>();
  data->path = path;
  data->newFigure = true;
  return std::make_unique<TGPGraphicsPath>(std::move(data));
}

// Keeps the caller's clip: clips within it and gives it back afterwards.
class ClipScope {
 public:
  ClipScope(TGPGraphics& g, const QPainterPath& area) : p_(*g.Painter()) {
    p_.save();
    auto path = ToGP(area);
    g.SetClip(path.get(), CombineModeIntersect);
  }
  ~ClipScope() { p_.restore(); }

 private:
  QPainter& p_;
};
}  // namespace

QColor TGDIPFill::* const TGDIPFill::kColorFields[8] = {
    &TGDIPFill::FColor,       &TGDIPFill::FColorTo,     &TGDIPFill::FColorMirror,       &TGDIPFill::FColorMirrorTo,
    &TGDIPFill::FBorderColor, &TGDIPFill::FShadowColor, &TGDIPFill::FGlowGradientColor, &TGDIPFill::FGlowRadialColor,
};

TGDIPFill::TGDIPFill(QObject* parent)
    : QObject(parent),
      FColor(kDefaults.color),
      FColorTo(kDefaults.colorTo),
      FShadowColor(kDefaults.shadow),
      FGlowGradientColor(kDefaults.glow),
      FGlowRadialColor(kDefaults.glow) {
  for (int k = 0; k < 8; ++k) FStored[k] = ToTColor(this->*kColorFields[k]);
  FPicture.OnChange = [this](QObject*) { NotifyChange(); };
  FBackGroundPicture.OnChange = [this](QObject*) { NotifyChange(); };
}

void TGDIPFill::Assign(const TGDIPFill* s) {
  if (!s || s == this) return;
  ++FUpdateCount;
  FPictureAspectRatio = s->FPictureAspectRatio;
  FPictureAspectMode = s->FPictureAspectMode;
  FBackGroundPictureAspectRatio = s->FBackGroundPictureAspectRatio;
  FBackGroundPictureAspectMode = s->FBackGroundPictureAspectMode;
  FColor = s->FColor; FColorTo = s->FColorTo; FColorMirror = s->FColorMirror; FColorMirrorTo = s->FColorMirrorTo;
  FGradientType = s->FGradientType; FGradientMirrorType = s->FGradientMirrorType;
  FHatchStyle = s->FHatchStyle; FHatchStyleMirror = s->FHatchStyleMirror;
  FBackGroundPicture.Assign(&s->FBackGroundPicture);
  FBackGroundPicturePosition = s->FBackGroundPicturePosition;
  FBackGroundPictureLeft = s->FBackGroundPictureLeft; FBackGroundPictureTop = s->FBackGroundPictureTop;
  FPicture.Assign(&s->FPicture);
  FPicturePosition = s->FPicturePosition; FPictureLeft = s->FPictureLeft; FPictureTop = s->FPictureTop;
  FPictureSize = s->FPictureSize; FPictureWidth = s->FPictureWidth; FPictureHeight = s->FPictureHeight;
  FOpacity = s->FOpacity; FOpacityTo = s->FOpacityTo; FOpacityMirror = s->FOpacityMirror;
  FOpacityMirrorTo = s->FOpacityMirrorTo;
  FBorderColor = s->FBorderColor; FBorderWidth = s->FBorderWidth;
  FRounding = s->FRounding; FRoundingType = s->FRoundingType;
  FShadowColor = s->FShadowColor; FShadowOffset = s->FShadowOffset; FShadowType = s->FShadowType;
  FAngle = s->FAngle; FBorderOpacity = s->FBorderOpacity; FBackGroundPictureMode = s->FBackGroundPictureMode;
  FGlowGradientColor = s->FGlowGradientColor; FGlowRadialColor = s->FGlowRadialColor; FGlow = s->FGlow;
  std::copy(std::begin(s->FStored), std::end(s->FStored), std::begin(FStored));
  --FUpdateCount;
  NotifyChange();
}

void TGDIPFill::NotifyChange() {
  if (FUpdateCount == 0 && OnChange) OnChange(this);
}

void TGDIPFill::StoreColor(TFillColorKind kind, const QColor& v) {
  QColor& field = this->*kColorFields[kind];
  if (field == v) return;
  field = v;
  FStored[kind] = ToTColor(v);
  NotifyChange();
}

void TGDIPFill::SetStoredColor(TFillColorKind kind, platform::TColor v) {
  if (v == FStored[kind]) return;
  FStored[kind] = v;
  this->*kColorFields[kind] = v == platform::clNone ? QColor() : platform::ToQColor(v);
  NotifyChange();
}

void TGDIPFill::SetColor(const QColor& v) { StoreColor(fcColor, v); }
void TGDIPFill::SetColorTo(const QColor& v) { StoreColor(fcColorTo, v); }
void TGDIPFill::SetColorMirror(const QColor& v) { StoreColor(fcColorMirror, v); }
void TGDIPFill::SetColorMirrorTo(const QColor& v) { StoreColor(fcColorMirrorTo, v); }
void TGDIPFill::SetGradientType(TExGradientType v) { Store(FGradientType, v); }
void TGDIPFill::SetGradientMirrorType(TExGradientType v) { Store(FGradientMirrorType, v); }
void TGDIPFill::SetHatchStyle(int v) { Store(FHatchStyle, v); }
void TGDIPFill::SetHatchStyleMirror(int v) { Store(FHatchStyleMirror, v); }
void TGDIPFill::SetOpacity(int v) { Store(FOpacity, v); }
void TGDIPFill::SetOpacityTo(int v) { Store(FOpacityTo, v); }
void TGDIPFill::SetOpacityMirror(int v) { Store(FOpacityMirror, v); }
void TGDIPFill::SetOpacityMirrorTo(int v) { Store(FOpacityMirrorTo, v); }
void TGDIPFill::SetBorderColor(const QColor& v) { StoreColor(fcBorderColor, v); }
void TGDIPFill::SetBorderOpacity(int v) { Store(FBorderOpacity, v); }
void TGDIPFill::SetBorderWidth(int v) { Store(FBorderWidth, v); }
void TGDIPFill::SetRounding(int v) { Store(FRounding, v); }
void TGDIPFill::SetRoundingType(TFillRoundingType v) { Store(FRoundingType, v); }
void TGDIPFill::SetShadowColor(const QColor& v) { StoreColor(fcShadowColor, v); }
void TGDIPFill::SetShadowOffset(int v) { Store(FShadowOffset, v); }
void TGDIPFill::SetShadowType(TShadowType v) { Store(FShadowType, v); }
void TGDIPFill::SetAngle(int v) { Store(FAngle, v); }
void TGDIPFill::SetGlow(TGlowMode v) { Store(FGlow, v); }
void TGDIPFill::SetGlowGradientColor(const QColor& v) { StoreColor(fcGlowGradientColor, v); }
void TGDIPFill::SetGlowRadialColor(const QColor& v) { StoreColor(fcGlowRadialColor, v); }
void TGDIPFill::SetBackGroundPictureMode(TFillPictureMode v) { Store(FBackGroundPictureMode, v); }
void TGDIPFill::SetBackGroundPicturePosition(TFillPicturePosition v) { Store(FBackGroundPicturePosition, v); }
void TGDIPFill::SetBackGroundPictureLeft(int v) { Store(FBackGroundPictureLeft, v); }
void TGDIPFill::SetBackGroundPictureTop(int v) { Store(FBackGroundPictureTop, v); }
void TGDIPFill::SetBackGroundPictureAspectRatio(bool v) { Store(FBackGroundPictureAspectRatio, v); }
void TGDIPFill::SetBackGroundPictureAspectMode(TPictureMode v) { Store(FBackGroundPictureAspectMode, v); }
void TGDIPFill::SetPicturePosition(TFillPicturePosition v) { Store(FPicturePosition, v); }
void TGDIPFill::SetPictureLeft(int v) { Store(FPictureLeft, v); }
void TGDIPFill::SetPictureTop(int v) { Store(FPictureTop, v); }
void TGDIPFill::SetPictureSize(TFillPictureSize v) { Store(FPictureSize, v); }
void TGDIPFill::SetPictureWidth(int v) { Store(FPictureWidth, v); }
void TGDIPFill::SetPictureHeight(int v) { Store(FPictureHeight, v); }
void TGDIPFill::SetPictureAspectRatio(bool v) { Store(FPictureAspectRatio, v); }
void TGDIPFill::SetPictureAspectMode(TPictureMode v) { Store(FPictureAspectMode, v); }

void TGDIPFill::SetPicture(const TZodOVODPicture* v) {
  if (v == &FPicture) return;
  FPicture.Assign(v);
  NotifyChange();
}

void TGDIPFill::SetBackGroundPicture(const TZodOVODPicture* v) {
  if (v == &FBackGroundPicture) return;
  FBackGroundPicture.Assign(v);
  NotifyChange();
}

QPainterPath TGDIPFill::BuildRoundedPath(const QRectF& r, qreal radius, TFillRoundingType type) {
  QPainterPath path;
  const qreal x = r.x(), y = r.y(), right = x + r.width(), bottom = y + r.height();
  if (radius <= 0) type = rtNone;
  const qreal d = 2 * radius;
  // GDI+ angles run clockwise; Qt's counter-clockwise.
  auto arc = [&](qreal ax, qreal ay, qreal start) {
    const QRectF box(ax, ay, d, d);
    if (path.elementCount() == 0) path.arcMoveTo(box, -start);
    path.arcTo(box, -start, -90);
  };
  auto line = [&](qreal x1, qreal y1, qreal x2, qreal y2) {
    if (path.elementCount() == 0) path.moveTo(x1, y1);
    else path.lineTo(x1, y1);
    path.lineTo(x2, y2);
  };
  switch (type) {
    case rtNone:
      line(x, y, right, y);
      line(right, y, right, bottom);
      line(right, bottom, x, bottom);
      line(x, bottom, x, y);
      break;
    case rtTop:
      arc(x, y, 180);
      line(x + radius, y, right - radius, y);
      arc(right - d, y, 270);
      line(right, y + radius, right, bottom);
      line(right, bottom, x, bottom);
      line(x, bottom, x, y + radius);
      break;
    case rtBottom:
      line(x, y, right, y);
      line(right, y, right, bottom - radius);
      arc(right - d, bottom - d, 0);
      line(right - radius, bottom, x + radius, bottom);
      arc(x, bottom - d, 90);
      line(x, bottom - radius, x, y);
      break;
    case rtBoth:
      arc(x, y, 180);
      line(x + radius, y, right - radius, y);
      arc(right - d, y, 270);
      line(right, y + radius, right, bottom - radius);
      arc(right - d, bottom - d, 0);
      line(right - radius, bottom, x + radius, bottom);
      arc(x, bottom - d, 90);
      line(x, bottom - radius, x, y + radius);
      break;
    case rtLeft:
      arc(x, y, 180);
      line(x + radius, y, right - radius, y);
      line(right, y, right, bottom);
      line(right - radius, bottom, x + radius, bottom);
      arc(x, bottom - d, 90);
      line(x, bottom - radius, x, y + radius);
      break;
    case rtRight:
      line(x, y, right - radius, y);
      arc(right - d, y, 270);
      line(right, y + radius, right, bottom - radius);
      arc(right - d, bottom - d, 0);
      line(right - radius, bottom, x, bottom);
      line(x, bottom - radius, x, y + radius);
      break;
  }
  if (path.elementCount() > 0) path.closeSubpath();
  return path;
}

void TGDIPFill::FillRadialArea(TGPGraphics& g, const QRectF& r, const QColor& color, TFillRoundingType type,
                               int radius, bool atTop, int a, int b, const QColor& colorTo) const {
  if (!HasArea(r)) return;
  const QPainterPath outline = BuildRoundedPath(r, radius, type);
  {
    auto path = ToGP(outline);
    TGPSolidBrush solid(atTop ? Argb(b, color) : Argb(a, colorTo));
    g.FillPath(&solid, path.get());
  }
  ClipScope clip(g, outline);
  const qreal x = r.x(), y = r.y(), w = r.width(), h = r.height();
  TGPGraphicsPath ellipse;
  ellipse.AddEllipse(float(x), float(atTop ? y - h / 2 : y), float(w), float(1.5 * h));
  TGPPathGradientBrush brush(&ellipse);
  brush.SetCenterPoint(TGPPointF{float(x + w / 2), float(atTop ? y : y + h)});
  brush.SetCenterColor(atTop ? Argb(a, colorTo) : Argb(b, color));
  ARGB surround = atTop ? Argb(b, color) : Argb(a, colorTo);
  int count = 1;
  brush.SetSurroundColors(&surround, count);
  g.FillRectangle(&brush, TGPRectF::FromQt(r));
}

void TGDIPFill::DrawGradientBackGround(TGPGraphics& g, const QRectF& r, bool mirror, int oc, int octo, int ocmr,
                                       int ocmrto) const {
  if (!HasArea(r)) return;
  TExGradientType kind = mirror ? FGradientMirrorType : FGradientType;
  const QColor from = mirror ? FColorMirror : FColor;
  const QColor to = mirror ? FColorMirrorTo : FColorTo;
  if (IsNone(from)) kind = gtNone;
  else if (IsNone(to)) kind = gtSolid;
  if (kind == gtNone) return;

  std::unique_ptr<TGPGraphicsPath> path;
  if (FRounding != 0) {
    TFillRoundingType type = FRoundingType;
    if (!IsNone(FColorMirror)) {
      static const TFillRoundingType upper[] = {rtNone, rtTop, rtNone, rtTop, rtLeft, rtRight};
      static const TFillRoundingType lower[] = {rtNone, rtNone, rtBottom, rtBottom, rtLeft, rtRight};
      type = mirror ? lower[FRoundingType] : upper[FRoundingType];
    }
    path = ToGP(BuildRoundedPath(r, FRounding, type));
  }
  TGradientFillParams p;
  p.Graphics = &g;
  p.Path = path.get();
  p.UsePath = path != nullptr;
  p.Rect = TGPRectF::FromQt(r);
  p.GradientType = kind;
  p.StartColor = ToTColor(from);
  p.EndColor = kind == gtSolid ? p.StartColor : ToTColor(to);
  p.StartOpacity = mirror ? ocmr : oc;
  p.EndOpacity = mirror ? ocmrto : octo;
  p.HatchStyle = mirror ? FHatchStyleMirror : FHatchStyle;
  p.Angle = FAngle;
  p.Texture = FBackGroundPicturePosition == ppTiled ? const_cast<TZodOVODPicture*>(&FBackGroundPicture) : nullptr;
  p.BorderColor = platform::clNone;
  p.Mirror = mirror;
  const int smoothing = g.GetSmoothingMode();
  if (path) g.SetSmoothingMode(SmoothingModeAntiAlias);
  FillGdipGradient(p);
  if (path) g.SetSmoothingMode(smoothing);
}

void TGDIPFill::DrawGlow(TGPGraphics& g, const QRectF& r) const {
  if (FGlow == gmNone) return;
  QPainterPath clipArea;
  clipArea.addRect(r);
  ClipScope clip(g, clipArea);
  const float x = float(r.x() + 1), y = float(r.y() + 1), w = float(r.width() - 2), h = float(r.height() - 2);
  if (w <= 0 || h <= 0) return;
  if (FGlow == gmGradient || FGlow == gmRadialGradient) {
    {
      TGPPen pen(Argb(200, FGlowGradientColor), 1);
      auto outline = ToGP(BuildRoundedPath(QRectF(x, y, w, h), FRounding, FRoundingType));
      g.DrawPath(&pen, outline.get());
    }
    const TGPRectF top{x + 5, y, w - 10, 4};
    TGPLinearGradientBrush topBrush(TGPRectF{top.X - 1, top.Y - 1, top.Width + 2, top.Height + 2},
                                    Argb(175, FGlowGradientColor), Argb(0, FGlowGradientColor),
                                    LinearGradientModeVertical);
    const TGPPointF topLeft[] = {{x, y}, {x + 5, y}, {x + 5, y + 4}};
    const TGPPointF topRight[] = {{x + w, y}, {x + w - 5, y}, {x + w - 5, y + 4}};
    g.FillPolygon(&topBrush, topLeft, 3);
    g.FillPolygon(&topBrush, topRight, 3);
    g.FillRectangle(&topBrush, top);
    const TGPRectF bottom{x + 5, y + h - 7, w - 10, 7};
    TGPLinearGradientBrush bottomBrush(TGPRectF{bottom.X - 1, bottom.Y - 1, bottom.Width + 2, bottom.Height + 2},
                                       Argb(0, FGlowGradientColor), Argb(220, FGlowGradientColor),
                                       LinearGradientModeVertical);
    const TGPPointF bottomLeft[] = {{x, y + h}, {x + 5, y + h}, {x + 5, y + h - 7}};
    const TGPPointF bottomRight[] = {{x + w, y + h}, {x + w - 5, y + h}, {x + w - 5, y + h - 7}};
    g.FillPolygon(&bottomBrush, bottomLeft, 3);
    g.FillPolygon(&bottomBrush, bottomRight, 3);
    g.FillRectangle(&bottomBrush, bottom);
  }
  if ((FGlow == gmRadial || FGlow == gmRadialGradient) && w - 20 > 0 && h > 0) {
    TGPGraphicsPath ellipse;
    ellipse.AddEllipse(x + 10, y - h / 2, w - 20, 3 * h);
    TGPPathGradientBrush brush(&ellipse);
    brush.SetCenterPoint(TGPPointF{x + w / 2, y + h});
    brush.SetCenterColor(Argb(150, FGlowRadialColor));
    ARGB surround = Argb(0, FColor.isValid() ? FColor : QColor(0, 0, 0));
    int count = 1;
    brush.SetSurroundColors(&surround, count);
    g.FillPath(&brush, &ellipse);
  }
}

namespace {
// The size a picture of w x h takes in an area of dw x dh.
void FitPictureSize(double w, double h, double dw, double dh, TPictureMode mode, double& fw, double& fh) {
  if (w <= 0 || h <= 0 || dw <= 0 || dh <= 0) {
    fw = fh = 0;
  } else if (w < dw && h < dh && mode == pmNormal) {
    fw = w;
    fh = h;
  } else if (dw / dh > w / h) {
    fw = w * dh / h;
    fh = dh;
  } else {
    fw = dw;
    fh = h * dw / w;
  }
}
int RoundEven(double v) { return int(std::nearbyint(v)); }
}  // namespace

void TGDIPFill::PlaceFillPicture(TGPGraphics& g, bool aspectRatio, TPictureMode aspectMode,
                                 const TZodOVODPicture& picture, TFillPicturePosition position, int w, int h, int l,
                                 int t, int rr, int bt, int customLeft, int customTop) const {
  if (picture.Empty() || position == ppTiled) return;
  const int cx = l + (rr - l - w) / 2, cy = t + (bt - t - h) / 2;
  platform::TRect target;
  auto at = [&](int left, int top) { target = platform::Bounds(left, top, w, h); };
  switch (position) {
    case ppTopLeft: at(l, t); break;
    case ppTopCenter: at(cx, t); break;
    case ppTopRight: at(rr - w, t); break;
    case ppBottomLeft: at(l, bt - h); break;
    case ppBottomCenter: at(cx, bt - h); break;
    case ppBottomRight: at(rr - w, bt - h); break;
    case ppCenterLeft: at(l, cy); break;
    case ppCenterCenter: at(cx, cy); break;
    case ppCenterRight: at(rr - w, cy); break;
    case ppCustom: at(customLeft, customTop); break;
    case ppStretched: {
      double fw = rr - l, fh = bt - t;
      if (aspectRatio) FitPictureSize(w, h, rr - l, bt - t, aspectMode, fw, fh);
      target = platform::Bounds(RoundEven(l + (rr - l - fw) / 2), RoundEven(t + (bt - t - fh) / 2), RoundEven(fw),
                                RoundEven(fh));
      break;
    }
    case ppTiled: return;
  }
  if (target.Width() <= 0 || target.Height() <= 0) return;
  picture.GDIPDraw(g, target);
}

void TGDIPFill::DrawShadow(TGPGraphics& g, QRectF& r) const {
  const int s = FShadowOffset;
  if (s <= 0 || IsNone(FShadowColor)) return;
  auto soft = [&](const QPainterPath& outline) {
    auto path = ToGP(outline);
    TGPPathGradientBrush brush(path.get());
    brush.SetWrapMode(WrapModeClamp);
    const ARGB colors[] = {0x00000000, Argb(180, FShadowColor), Argb(180, FShadowColor)};
    const float positions[] = {0.0f, 0.1f, 1.0f};
    brush.SetInterpolationColors(colors, positions, 3);
    g.FillPath(&brush, path.get());
  };
  switch (FShadowType) {
    case stRightBottom:
      if (HasArea(r)) soft(BuildRoundedPath(r, FRounding, FRoundingType));
      r.setWidth(r.width() - s);
      r.setHeight(r.height() - s);
      break;
    case stSurround:
      if (HasArea(r)) soft(BuildRoundedPath(r, s, rtBoth));
      r = QRectF(r.x() + s, r.y() + s, r.width() - 2 * s, r.height() - 2 * s);
      break;
    case stBottom:
      FillRadialArea(g, QRectF(r.x(), r.y() + r.height() - 2 * s, r.width(), 2 * s), FShadowColor, rtBottom,
                     FRounding, true, 255, 0, FShadowColor);
      r.setHeight(r.height() - s);
      break;
  }
}

QRectF TGDIPFill::Fill(QPainter& painter, const QRectF& rect, int borderOpacity, int opacity, int opacityTo,
                       int opacityMirror, int opacityMirrorTo) const {
  if (!painter.isActive()) return rect;
  TGPGraphics g(painter);
  painter.save();
  const int oc = Effective(opacity, FOpacity), octo = Effective(opacityTo, FOpacityTo);
  const int ocm = Effective(opacityMirror, FOpacityMirror), ocmto = Effective(opacityMirrorTo, FOpacityMirrorTo);
  const int bo = Effective(borderOpacity, FBorderOpacity);
  const bool border = FBorderWidth > 0 && !IsNone(FBorderColor);
  QRectF r = rect;
  const bool degenerate = r.height() == 1 || r.width() == 1;
  if (degenerate) {
    if (border) {
      TGPPen pen(Argb(bo, FBorderColor), float(FBorderWidth));
      g.DrawLine(&pen, float(r.x()), float(r.y()), float(r.right()), float(r.bottom()));
    }
  } else {
    DrawShadow(g, r);
  }
  const int ix = RoundEven(r.x()), iy = RoundEven(r.y()), iw = RoundEven(r.width()), ih = RoundEven(r.height());
  const QPainterPath outline = BuildRoundedPath(r, FRounding, FRoundingType);
  auto placeBackGround = [&] {
    auto& bg = const_cast<TZodOVODPicture&>(FBackGroundPicture);
    const bool sized = !bg.Empty() && bg.GetImageSizes();
    PlaceFillPicture(g, FBackGroundPictureAspectRatio, FBackGroundPictureAspectMode, bg, FBackGroundPicturePosition,
                     sized ? bg.Width() : 0, sized ? bg.Height() : 0, ix, iy, ix + iw, iy + ih, FBackGroundPictureLeft,
                     FBackGroundPictureTop);
  };
  if (!degenerate) {
    // The body: one piece, or an upper part and a lower half overlapping by 2 pixels.
    const QColor colorTo = IsNone(FColorTo) ? FColor : FColorTo;
    if (FGradientType == gtHatch || FGradientType == gtTexture || IsNone(FColorMirror)) {
      if (FGradientType == gtRadial) {
        if (!IsNone(FColor)) FillRadialArea(g, r, FColor, FRoundingType, FRounding, true, octo, oc, colorTo);
      } else {
        DrawGradientBackGround(g, r, false, oc, octo, ocm, ocmto);
      }
    } else {
      const qreal half = r.height() / 2;
      const QRectF upper(r.x(), r.y(), r.width(), r.height() - half + 1);
      const QRectF lower(r.x(), r.y() + half - 1, r.width(), r.height() - half + 1);
      if (FGradientType == gtRadial) {
        if (!IsNone(FColor)) FillRadialArea(g, upper, FColor, rtTop, FRounding, true, octo, oc, colorTo);
      } else {
        DrawGradientBackGround(g, upper, false, oc, octo, ocm, ocmto);
      }
      if (FGradientMirrorType == gtRadial) {
        const QColor mirrorTo = IsNone(FColorMirrorTo) ? FColorMirror : FColorMirrorTo;
        FillRadialArea(g, lower, FColorMirror, rtBottom, FRounding, false, ocmto, ocm, mirrorTo);
      } else {
        DrawGradientBackGround(g, lower, true, oc, octo, ocm, ocmto);
      }
    }
    if (FBackGroundPictureMode == pmInsideFill && FGradientType == gtTexture) {
      ClipScope clip(g, outline);
      placeBackGround();
    }
    if (border && HasArea(r)) {
      TGPPen pen(Argb(bo, FBorderColor), float(FBorderWidth));
      pen.SetDashStyle(DashStyleSolid);
      auto path = ToGP(outline);
      g.DrawPath(&pen, path.get());
    }
  }
  if (HasArea(r)) DrawGlow(g, r);
  const int bw = FBorderWidth;
  FFocusRect = QRectF(r.x() + bw, r.y() + bw, r.width() - 2 * bw, r.height() - 2 * bw);
  if (FFocus && HasArea(FFocusRect) && !IsNone(FFocusColor)) {
    TGPPen pen(Argb(oc, FFocusColor), 1);
    pen.SetDashStyle(DashStyleDot);
    const int smoothing = g.GetSmoothingMode();
    g.SetSmoothingMode(SmoothingModeDefault);
    auto path = ToGP(BuildRoundedPath(FFocusRect, FRounding - bw, FRoundingType));
    g.DrawPath(&pen, path.get());
    g.SetSmoothingMode(smoothing);
  }
  if (FBackGroundPictureMode == pmOutsideFill && FGradientType == gtTexture) placeBackGround();
  auto& fg = const_cast<TZodOVODPicture&>(FPicture);
  int pw = 0, ph = 0;
  if (!fg.Empty() && fg.GetImageSizes()) {
    pw = FPictureSize == psCustom ? FPictureWidth : fg.Width();
    ph = FPictureSize == psCustom ? FPictureHeight : fg.Height();
  }
  PlaceFillPicture(g, FPictureAspectRatio, FPictureAspectMode, fg, FPicturePosition, pw, ph, ix, iy, ix + iw, iy + ih,
                   FPictureLeft, FPictureTop);
  painter.restore();
  return r;
}
