// TGDIPFill: how a rectangle is painted through the GDI+ layer: an optional
// soft shadow, a body in one piece or in two halves (an upper part and a lower
// mirror half, each a gradient, hatch, texture or radial fill with its own
// colours and opacities), a background picture, a border, a glow overlay, a
// dotted focus outline and a foreground picture, all inside a rectangle whose
// corners may be rounded.
//
// Controls own fills and call Fill from their paint with anti-aliasing
// switched on; the rectangle is in GDI+ coordinates (pixel centres on
// integers), so a control of w x h pixels fills (0, 0, w - 1, h - 1). Every
// setter stores a changed value and fires OnChange (unless inside
// BeginUpdate; EndUpdate does not fire); an equal value does nothing. A
// picture setter copies the picture in and fires twice: once through the
// picture's own change, once for the setter.
//
// A colour is "none" when it is invalid or fully transparent: a part coloured
// none is not painted (a missing end colour makes that part solid, a missing
// mirror colour paints the body in one piece). Each colour is also kept as
// given (StoredColor): a system colour set by its TColor name keeps the name
// there, and the files write it so (clBtnFace as -16777201); drawing uses it
// resolved.
//
// New fill: Color silver, ColorTo grey, no mirror colours, vertical gradient,
// solid mirror, opacities 255, no border, border width 1, Rounding 0,
// RoundingType rtBoth, shadow grey with offset 0, no glow, no pictures,
// pictures at ppTopLeft, custom picture size 50 x 50.
//
// Persistence: SaveToFile/LoadFromFile write and read one INI section (the
// colours as signed TColor numbers, pictures as hexadecimal text);
// SaveToClipBoard/LoadFromClipBoard carry every property under a private
// clipboard type.
#pragma once

#include "controls/ZodOVOD.h"
#include "platform/Graphics.h"

#include <QByteArray>
#include <QColor>
#include <QObject>
#include <QRectF>

#include <functional>

class QIODevice;
class QPainter;
class QPainterPath;
class TGPGraphics;
class TGPGraphicsPath;

namespace platform {
class IniFile;
}

enum TFillRoundingType { rtNone, rtTop, rtBottom, rtBoth, rtLeft, rtRight };
enum TShadowType { stRightBottom, stBottom, stSurround };
enum TGlowMode { gmNone, gmGradient, gmRadial, gmRadialGradient };
enum TFillPicturePosition {
  ppTopLeft, ppTopCenter, ppTopRight, ppBottomLeft, ppBottomCenter, ppBottomRight, ppTiled, ppStretched,
  ppCenterLeft, ppCenterCenter, ppCenterRight, ppCustom
};
enum TFillPictureSize { psOriginal, psCustom };
// The fill's eight colours, for StoredColor and SetStoredColor.
enum TFillColorKind {
  fcColor, fcColorTo, fcColorMirror, fcColorMirrorTo, fcBorderColor, fcShadowColor, fcGlowGradientColor,
  fcGlowRadialColor
};
enum TFillPictureMode { pmInsideFill, pmOutsideFill };
enum TPictureMode { pmStretch, pmNormal };

// The clipboard type that stands for the "GDI+ Fill" format.
inline constexpr const char* kFillMimeType = "application/x-gdiplus-fill";

class TGDIPFill : public QObject {
  Q_OBJECT
 public:
  explicit TGDIPFill(QObject* parent = nullptr);

  // Copies every published setting (not Focus, FocusColor or OnChange) and
  // fires OnChange once.
  void Assign(const TGDIPFill* source);
  void BeginUpdate() { ++FUpdateCount; }
  void EndUpdate() { if (FUpdateCount > 0) --FUpdateCount; }

  // A colour as stored (clNone for none) and its setter, which resolves a
  // system colour for drawing and keeps its name.
  platform::TColor StoredColor(TFillColorKind kind) const { return FStored[kind]; }
  void SetStoredColor(TFillColorKind kind, platform::TColor v);

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
  // GDI+ hatch styles (HatchStyleHorizontal ...) of the two parts.
  int HatchStyle() const { return FHatchStyle; }
  void SetHatchStyle(int v);
  int HatchStyleMirror() const { return FHatchStyleMirror; }
  void SetHatchStyleMirror(int v);
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
  // Degrees of a gtAngle gradient.
  int Angle() const { return FAngle; }
  void SetAngle(int v);
  TGlowMode Glow() const { return FGlow; }
  void SetGlow(TGlowMode v);
  QColor GlowGradientColor() const { return FGlowGradientColor; }
  void SetGlowGradientColor(const QColor& v);
  QColor GlowRadialColor() const { return FGlowRadialColor; }
  void SetGlowRadialColor(const QColor& v);

  // The background picture: drawn only when GradientType is gtTexture; at
  // ppTiled it is the body's texture, otherwise placed inside the body
  // (pmInsideFill, clipped to it) or over everything but the foreground
  // picture (pmOutsideFill).
  TZodOVODPicture* BackGroundPicture() { return &FBackGroundPicture; }
  void SetBackGroundPicture(const TZodOVODPicture* v);
  TFillPictureMode BackGroundPictureMode() const { return FBackGroundPictureMode; }
  void SetBackGroundPictureMode(TFillPictureMode v);
  TFillPicturePosition BackGroundPicturePosition() const { return FBackGroundPicturePosition; }
  void SetBackGroundPicturePosition(TFillPicturePosition v);
  int BackGroundPictureLeft() const { return FBackGroundPictureLeft; }
  void SetBackGroundPictureLeft(int v);
  int BackGroundPictureTop() const { return FBackGroundPictureTop; }
  void SetBackGroundPictureTop(int v);
  bool BackGroundPictureAspectRatio() const { return FBackGroundPictureAspectRatio; }
  void SetBackGroundPictureAspectRatio(bool v);
  TPictureMode BackGroundPictureAspectMode() const { return FBackGroundPictureAspectMode; }
  void SetBackGroundPictureAspectMode(TPictureMode v);

  // The foreground picture, drawn last (ppTiled draws nothing).
  TZodOVODPicture* Picture() { return &FPicture; }
  void SetPicture(const TZodOVODPicture* v);
  TFillPicturePosition PicturePosition() const { return FPicturePosition; }
  void SetPicturePosition(TFillPicturePosition v);
  int PictureLeft() const { return FPictureLeft; }
  void SetPictureLeft(int v);
  int PictureTop() const { return FPictureTop; }
  void SetPictureTop(int v);
  // psCustom draws the picture at PictureWidth x PictureHeight.
  TFillPictureSize PictureSize() const { return FPictureSize; }
  void SetPictureSize(TFillPictureSize v);
  int PictureWidth() const { return FPictureWidth; }
  void SetPictureWidth(int v);
  int PictureHeight() const { return FPictureHeight; }
  void SetPictureHeight(int v);
  // A stretched picture keeps its aspect; pmNormal keeps a smaller picture's size.
  bool PictureAspectRatio() const { return FPictureAspectRatio; }
  void SetPictureAspectRatio(bool v);
  TPictureMode PictureAspectMode() const { return FPictureAspectMode; }
  void SetPictureAspectMode(TPictureMode v);

  // The dotted focus outline, inset by BorderWidth; FocusRect is where the
  // last Fill put it (also without Focus).
  bool Focus() const { return FFocus; }
  void SetFocus(bool v) { FFocus = v; }
  QColor FocusColor() const { return FFocusColor; }
  void SetFocusColor(const QColor& v) { FFocusColor = v; }
  QRectF FocusRect() const { return FFocusRect; }

  // Paints into r on the painter's own smoothing mode. An opacity argument
  // of 255 or below 0 selects the property, any other value stands for it in
  // this call. Returns the body rectangle (r less the shadow). An inactive
  // painter paints nothing and gets r back.
  QRectF Fill(QPainter& graphics, const QRectF& r, int borderOpacity = 255, int opacity = 255, int opacityTo = 255,
              int opacityMirror = 255, int opacityMirrorTo = 255) const;

  // The outline of r with the corners of the type rounded by radius; any
  // type on a radius of 0 or less is the plain rectangle path of rtNone.
  static QPainterPath BuildRoundedPath(const QRectF& r, qreal radius, TFillRoundingType type);

  // INI persistence. Keys missing from the section, ordinals outside their
  // enumeration and opacities outside 0-255 keep the current value; the
  // PictureSize property is not stored (its key holds the picture text's
  // length). A malformed picture text throws "No Hex-Number", leaving what
  // was read before it set and the picture as it was. Writing a file that
  // cannot be written throws.
  void SaveToFile(const QString& fileName, const QString& section) const;
  void SaveToFile(platform::IniFile& ini, const QString& section) const;
  void LoadFromFile(const QString& fileName, const QString& section);
  void LoadFromFile(const platform::IniFile& ini, const QString& section);
  // The clipboard form adds ShadowType and the aspect settings. Loading
  // ignores data of another type and throws on data of this type that does
  // not parse; each changed setting fires OnChange.
  void SaveToClipBoard() const;
  void LoadFromClipBoard();

  std::function<void(QObject* Sender)> OnChange;

 protected:
  void DrawGradientBackGround(TGPGraphics& g, const QRectF& r, bool mirror, int oc, int octo, int ocmr,
                              int ocmrto) const;
  void DrawGlow(TGPGraphics& g, const QRectF& r) const;
  void FillRadialArea(TGPGraphics& g, const QRectF& r, const QColor& color, TFillRoundingType type, int radius,
                      bool atTop, int a, int b, const QColor& colorTo) const;
  void PlaceFillPicture(TGPGraphics& g, bool aspectRatio, TPictureMode aspectMode, const TZodOVODPicture& picture,
                        TFillPicturePosition position, int w, int h, int left, int top, int right, int bottom,
                        int customLeft, int customTop) const;
  void DrawShadow(TGPGraphics& g, QRectF& r) const;

 private:
  void NotifyChange();
  template <class T> void Store(T& field, const T& v) {
    if (field == v) return;
    field = v;
    NotifyChange();
  }
  void StoreColor(TFillColorKind kind, const QColor& v);
  static QColor TGDIPFill::* const kColorFields[8];
  void WriteKeys(platform::IniFile& ini, const QString& section, bool all) const;
  void ReadKeys(const platform::IniFile& ini, const QString& section, bool all);

  QColor FColor, FColorTo, FColorMirror, FColorMirrorTo;
  TExGradientType FGradientType = gtVertical;
  TExGradientType FGradientMirrorType = gtSolid;
  int FHatchStyle = HatchStyleHorizontal, FHatchStyleMirror = HatchStyleHorizontal;
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
  TZodOVODPicture FBackGroundPicture;
  TFillPictureMode FBackGroundPictureMode = pmOutsideFill;
  TFillPicturePosition FBackGroundPicturePosition = ppTopLeft;
  int FBackGroundPictureLeft = 0, FBackGroundPictureTop = 0;
  bool FBackGroundPictureAspectRatio = false;
  TPictureMode FBackGroundPictureAspectMode = pmStretch;
  TZodOVODPicture FPicture;
  TFillPicturePosition FPicturePosition = ppTopLeft;
  int FPictureLeft = 0, FPictureTop = 0;
  TFillPictureSize FPictureSize = psOriginal;
  int FPictureWidth = 50, FPictureHeight = 50;
  bool FPictureAspectRatio = false;
  TPictureMode FPictureAspectMode = pmStretch;
  bool FFocus = false;
  QColor FFocusColor{0, 0, 0};
  platform::TColor FStored[8];
  mutable QRectF FFocusRect;
  int FUpdateCount = 0;
};

// Hexadecimal text of picture bytes: two upper-case digits a byte.
QString StreamToHex(QIODevice* stream);
// Throws std::runtime_error "No Hex-Number" on a character that is no digit.
quint8 HexPairToByte(QChar high, QChar low);
// The bytes of the text's digit pairs (an odd last digit is ignored).
QByteArray HexToStream(const QString& text);
