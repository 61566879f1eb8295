// TGDIPFill: how a rectangle is painted: an optional shadow, a body in one
// piece or in two halves (upper part and lower mirror half, each a gradient
// with its own colours and opacities), a border, a glow and a foreground
// picture, inside a rectangle whose corners may be rounded.
//
// Controls own fills and call Fill from their paint. Every setter stores a
// changed value and fires OnChange (unless inside BeginUpdate); an equal value
// does nothing. An invalid QColor means "none": a part coloured none is not
// painted (a missing end colour makes that part solid, a missing mirror colour
// paints the body in one piece).
//
// New fill: Color silver, ColorTo grey, no mirror colours, vertical gradient,
// solid mirror, opacities 255, no border, border width 1, Rounding 0,
// RoundingType rtBoth, no shadow, no glow, no pictures.
#pragma once

#include "controls/ZodOVOD.h"

#include <QColor>
#include <QObject>
#include <QRectF>

#include <functional>

class QPainter;
class QPainterPath;

enum TFillRoundingType { rtNone, rtTop, rtBottom, rtBoth, rtLeft, rtRight };
enum TShadowType { stRightBottom, stBottom, stSurround };
enum TGlowMode { gmNone, gmGradient, gmRadial, gmRadialGradient };

class TGDIPFill : public QObject {
  Q_OBJECT
 public:
  explicit TGDIPFill(QObject* parent = nullptr);

  void Assign(const TGDIPFill* source);
  void BeginUpdate() { ++FUpdateCount; }
  void EndUpdate() { if (FUpdateCount > 0) --FUpdateCount; }

  QColor Color() const { return FColor; }
  void SetColor(const QColor& v);
  QColor ColorTo() const { return FColorTo; }
  void SetColorTo(const QColor& v);
  QColor ColorMirror() const { return FColorMirror; }
  void SetColorMirror(const QColor& v);
  QColor ColorMirrorTo() const { return FColorMirrorTo; }
  void SetColorMirrorTo(const QColor& v);
  TExGradientType GradientType() const { return FGradientType; }
  void SetGradientType(TExGradientType v);
  TExGradientType GradientMirrorType() const { return FGradientMirrorType; }
  void SetGradientMirrorType(TExGradientType v);
  int Opacity() const { return FOpacity; }
  void SetOpacity(int v);
  int OpacityTo() const { return FOpacityTo; }
  void SetOpacityTo(int v);
  int OpacityMirror() const { return FOpacityMirror; }
  void SetOpacityMirror(int v);
  int OpacityMirrorTo() const { return FOpacityMirrorTo; }
  void SetOpacityMirrorTo(int v);
  QColor BorderColor() const { return FBorderColor; }
  void SetBorderColor(const QColor& v);
  int BorderOpacity() const { return FBorderOpacity; }
  void SetBorderOpacity(int v);
  int BorderWidth() const { return FBorderWidth; }
  void SetBorderWidth(int v);
  int Rounding() const { return FRounding; }
  void SetRounding(int v);
  TFillRoundingType RoundingType() const { return FRoundingType; }
  void SetRoundingType(TFillRoundingType v);
  QColor ShadowColor() const { return FShadowColor; }
  void SetShadowColor(const QColor& v);
  int ShadowOffset() const { return FShadowOffset; }
  void SetShadowOffset(int v);
  TShadowType ShadowType() const { return FShadowType; }
  void SetShadowType(TShadowType v);
  int Angle() const { return FAngle; }
  void SetAngle(int v);
  TGlowMode Glow() const { return FGlow; }
  void SetGlow(TGlowMode v);
  QColor GlowGradientColor() const { return FGlowGradientColor; }
  void SetGlowGradientColor(const QColor& v);
  QColor GlowRadialColor() const { return FGlowRadialColor; }
  void SetGlowRadialColor(const QColor& v);

  // The foreground picture, drawn last, at its own size in the top-left corner.
  TZodOVODPicture* Picture() { return &FPicture; }
  void SetPicture(const TZodOVODPicture* v) { FPicture.Assign(v); }
  // Texture of the body when GradientType is gtTexture (tiled).
  TZodOVODPicture* BackGroundPicture() { return &FBackGroundPicture; }
  void SetBackGroundPicture(const TZodOVODPicture* v) { FBackGroundPicture.Assign(v); }

  // Paints into r. Each opacity argument below 255 overrides the fill's own
  // value for this call; 255 (or -1) keeps the property. Returns the body
  // rectangle (r less the shadow).
  QRectF Fill(QPainter& graphics, const QRectF& r, int borderOpacity = 255, int opacity = 255, int opacityTo = 255,
              int opacityMirror = 255, int opacityMirrorTo = 255) const;

  // The outline of r with rounded corners by type (no rounding: the rectangle).
  static QPainterPath BuildRoundedPath(const QRectF& r, qreal radius, TFillRoundingType type);

  std::function<void(QObject* Sender)> OnChange;

 protected:
  virtual void drawShadow(QPainter& g, const QRectF& body) const;
  virtual void drawBody(QPainter& g, const QRectF& r, bool mirror, int oc, int octo) const;
  virtual void drawBorder(QPainter& g, const QRectF& r, int opacity) const;
  virtual void drawGlow(QPainter& g, const QRectF& r) const;

 private:
  void NotifyChange();
  template <class T> void Store(T& field, const T& v) {
    if (field == v) return;
    field = v;
    NotifyChange();
  }

  QColor FColor, FColorTo, FColorMirror, FColorMirrorTo;
  TExGradientType FGradientType = gtVertical;
  TExGradientType FGradientMirrorType = gtSolid;
  int FOpacity = 255, FOpacityTo = 255, FOpacityMirror = 255, FOpacityMirrorTo = 255;
  QColor FBorderColor;
  int FBorderOpacity = 255;
  int FBorderWidth = 1;
  int FRounding = 0;
  TFillRoundingType FRoundingType = rtBoth;
  QColor FShadowColor;
  int FShadowOffset = 0;
  TShadowType FShadowType = stRightBottom;
  int FAngle = 0;
  TGlowMode FGlow = gmNone;
  QColor FGlowGradientColor, FGlowRadialColor;
  TZodOVODPicture FPicture;
  TZodOVODPicture FBackGroundPicture;
  int FUpdateCount = 0;
};
