// The appearance objects of the track bar (controls/ExTrackBar.h): Thumb,
// Slider, TickMark, Buttons and TrackLabel. Each setter stores a value and,
// when it changed, fires the object's OnChange, which the bar binds to a
// repaint (the tick mark's first re-measures its text height). Pictures are
// owned TGDIPPicture objects: their setters copy bytes in (Assign), never
// share the picture. Colours are QColor; an invalid or fully transparent
// colour is "none": that part is not painted.
//
// Pictures size their object: a thumb Picture sets the thumb's Size (across
// the track) and Width (along it) from its image by the bar's orientation,
// and Size/Width cannot be written while it holds one; a slider Picture sets
// the slider's Size and clears its BorderColor; a Min or Max button picture
// sets the buttons' Size.
#pragma once

#include "controls/GDIPicture.h"
#include "platform/Canvas.h"

#include <QColor>
#include <QObject>
#include <QString>

#include <functional>

class TCustomTrackBar;

// Kind of a glass fill half.
enum TGDIPGradient { ggRadial, ggVertical, ggDiagonalForward, ggDiagonalBackward };
// Direction of a banded gradient.
enum TGradientDirection { gdHorizontal, gdVertical, gdHorizontalInOut, gdVerticalInOut };
enum TThumbShape {
  tsPointer, tsRectangle, tsRoundRect, tsRound, tsLine, tsPointerLeftUp, tsPointerRightUp, tsTriangle,
  tsTriangleLeft, tsTriangleRight
};
enum TThumbStyle { tstOffice2007, tstCustom };
enum TThumbPointer { tpLeft, tpCenter, tpRight };
enum TTickMark { tmBottomRight, tmTopLeft, tmBoth };
enum TTickStyle { tsNone, tsAuto, tsManual };
enum TTrackButtonShape { bsRound, bsRectangle };
enum TLabelPosition { lpTopCenter, lpTopLeft, lpTopRight, lpBottomCenter, lpBottomLeft, lpBottomRight };

namespace trackbar {
// "None" is an invalid or fully transparent colour.
inline bool IsSet(const QColor& c) { return c.isValid() && c.alpha() != 0; }
// A colour from its number: red in the lowest byte; clNone gives none.
inline QColor Tc(platform::TColor c) { return platform::ToQColor(c); }
// Stores v into field; true when it changed.
template <class T>
bool Store(T& field, const T& v) {
  if (field == v) return false;
  field = v;
  return true;
}
}  // namespace trackbar

// A colour property with its setter that fires OnChange.
#define TRACKBAR_COLOR(Name)                                        \
  QColor Name() const { return F##Name; }                           \
  void Set##Name(const QColor& v) {                                 \
    if (trackbar::Store(F##Name, v)) Changed();                     \
  }

class TTrackBarPart : public QObject {
  Q_OBJECT
 public:
  using QObject::QObject;
  std::function<void(QObject* Sender)> OnChange;

 protected:
  void Changed() {
    if (OnChange) OnChange(this);
  }
};

class TTrackBarThumb : public TTrackBarPart {
  Q_OBJECT
 public:
  explicit TTrackBarThumb(QObject* parent = nullptr);

  TRACKBAR_COLOR(Color)
  TRACKBAR_COLOR(ColorTo)
  TRACKBAR_COLOR(ColorMirror)
  TRACKBAR_COLOR(ColorMirrorTo)
  TRACKBAR_COLOR(BorderColor)
  TRACKBAR_COLOR(ColorHot)
  TRACKBAR_COLOR(ColorHotTo)
  TRACKBAR_COLOR(BorderColorHot)
  TRACKBAR_COLOR(ColorDown)
  TRACKBAR_COLOR(ColorDownTo)
  TRACKBAR_COLOR(BorderColorDown)
  TRACKBAR_COLOR(ColorDisabled)
  TRACKBAR_COLOR(ColorDisabledTo)
  TRACKBAR_COLOR(ColorMirrorDisabled)
  TRACKBAR_COLOR(ColorMirrorDisabledTo)
  TRACKBAR_COLOR(BorderColorDisabled)
  // These four are written without an event.
  QColor ColorMirrorHot() const { return FColorMirrorHot; }
  void SetColorMirrorHot(const QColor& v) { FColorMirrorHot = v; }
  QColor ColorMirrorHotTo() const { return FColorMirrorHotTo; }
  void SetColorMirrorHotTo(const QColor& v) { FColorMirrorHotTo = v; }
  QColor ColorMirrorDown() const { return FColorMirrorDown; }
  void SetColorMirrorDown(const QColor& v) { FColorMirrorDown = v; }
  QColor ColorMirrorDownTo() const { return FColorMirrorDownTo; }
  void SetColorMirrorDownTo(const QColor& v) { FColorMirrorDownTo = v; }

  TGDIPGradient Gradient() const { return FGradient; }
  void SetGradient(TGDIPGradient v) { if (trackbar::Store(FGradient, v)) Changed(); }
  TGDIPGradient GradientMirror() const { return FGradientMirror; }
  void SetGradientMirror(TGDIPGradient v) { if (trackbar::Store(FGradientMirror, v)) Changed(); }

  // Copies of the given pictures (nullptr clears).
  void SetPicture(const TGDIPPicture* v) { FPicture.Assign(v); }
  void SetPictureHot(const TGDIPPicture* v) { FPictureHot.Assign(v); }
  void SetPictureDown(const TGDIPPicture* v) { FPictureDown.Assign(v); }
  void SetPictureDisabled(const TGDIPPicture* v) { FPictureDisabled.Assign(v); }
  TGDIPPicture* Picture() { return &FPicture; }
  TGDIPPicture* PictureHot() { return &FPictureHot; }
  TGDIPPicture* PictureDown() { return &FPictureDown; }
  TGDIPPicture* PictureDisabled() { return &FPictureDisabled; }
  const TGDIPPicture* Picture() const { return &FPicture; }
  const TGDIPPicture* PictureHot() const { return &FPictureHot; }
  const TGDIPPicture* PictureDown() const { return &FPictureDown; }
  const TGDIPPicture* PictureDisabled() const { return &FPictureDisabled; }

  TThumbShape Shape() const { return FShape; }
  void SetShape(TThumbShape v) { if (trackbar::Store(FShape, v)) Changed(); }
  // Extent across the track (Size) and along it (Width), in pixels; locked
  // while Picture holds an image.
  int Size() const { return FSize; }
  void SetSize(int v);
  int Width() const { return FWidth; }
  void SetWidth(int v);
  bool ShowAtMinMax() const { return FShowAtMinMax; }
  void SetShowAtMinMax(bool v) { if (trackbar::Store(FShowAtMinMax, v)) Changed(); }
  // Where along the thumb the ticks point; the owning bar may refuse a value.
  TThumbPointer ThumbPointer() const { return FThumbPointer; }
  void SetThumbPointer(TThumbPointer v);
  TThumbStyle Style() const { return FStyle; }
  void SetStyle(TThumbStyle v) { if (trackbar::Store(FStyle, v)) Changed(); }
  int Steps() const { return FSteps; }
  void SetSteps(int v) { if (trackbar::Store(FSteps, v)) Changed(); }
  bool PictureStretched() const { return FPictureStretched; }

  // Colours, steps, gradients, pictures, then Width, Shape, style, Size and
  // ThumbPointer through their setters (not ShowAtMinMax).
  void Assign(const TTrackBarThumb* source);
  // Sizes from Picture by the owner's orientation, then OnChange.
  void TakeSizeFromPicture();

  TCustomTrackBar* FExTrackBar = nullptr;

 private:
  void PictureChanged();

  int FSteps = 64;
  QColor FColor, FColorTo, FBorderColor, FColorHotTo, FColorHot, FBorderColorHot;
  int FWidth = 10;
  QColor FColorDisabledTo, FBorderColorDown, FBorderColorDisabled, FColorDown, FColorDownTo, FColorDisabled;
  TGDIPPicture FPicture;
  TThumbShape FShape = tsPointer;
  TThumbStyle FStyle = tstOffice2007;
  TGDIPPicture FPictureDisabled, FPictureDown, FPictureHot;
  QColor FColorMirrorHot, FColorMirror, FColorMirrorTo, FColorMirrorDisabledTo, FColorMirrorDisabled,
      FColorMirrorHotTo, FColorMirrorDown, FColorMirrorDownTo;
  TGDIPGradient FGradient = ggVertical;
  TGDIPGradient FGradientMirror = ggRadial;
  bool FPictureStretched = false;
  int FSize = 15;
  bool FShowAtMinMax = true;
  TThumbPointer FThumbPointer = tpCenter;
};

class TTrackBarSlider : public TTrackBarPart {
  Q_OBJECT
 public:
  explicit TTrackBarSlider(QObject* parent = nullptr);

  TRACKBAR_COLOR(Color)
  TRACKBAR_COLOR(ColorTo)
  TRACKBAR_COLOR(BorderColor)
  TRACKBAR_COLOR(ColorDisabled)
  TRACKBAR_COLOR(ColorDisabledTo)
  TRACKBAR_COLOR(BorderColorDisabled)
  TRACKBAR_COLOR(ColorCompleted)
  TRACKBAR_COLOR(ColorCompletedTo)
  TRACKBAR_COLOR(ColorCompletedDisabled)
  TRACKBAR_COLOR(ColorCompletedDisabledTo)
  TGradientDirection Direction() const { return FDirection; }
  void SetDirection(TGradientDirection v) { if (trackbar::Store(FDirection, v)) Changed(); }

  void SetPicture(const TGDIPPicture* v) { FPicture.Assign(v); }
  void SetPictureDisabled(const TGDIPPicture* v) { FPictureDisabled.Assign(v); }
  void SetPictureCompleted(const TGDIPPicture* v) { FPictureCompleted.Assign(v); }
  void SetPictureCompletedDisabled(const TGDIPPicture* v) { FPictureCompletedDisabled.Assign(v); }
  TGDIPPicture* Picture() { return &FPicture; }
  TGDIPPicture* PictureDisabled() { return &FPictureDisabled; }
  TGDIPPicture* PictureCompleted() { return &FPictureCompleted; }
  TGDIPPicture* PictureCompletedDisabled() { return &FPictureCompletedDisabled; }
  const TGDIPPicture* Picture() const { return &FPicture; }
  const TGDIPPicture* PictureCompleted() const { return &FPictureCompleted; }
  bool PictureStretched() const { return FPictureStretched; }
  void SetPictureStretched(bool v) { if (trackbar::Store(FPictureStretched, v)) Changed(); }

  int Size() const { return FSize; }
  void SetSize(int v) { if (trackbar::Store(FSize, v)) Changed(); }
  bool Border3D() const { return FBorder3D; }
  void SetBorder3D(bool v) { if (trackbar::Store(FBorder3D, v)) Changed(); }
  bool Rounded() const { return FRounded; }
  void SetRounded(bool v) { if (trackbar::Store(FRounded, v)) Changed(); }
  bool Visible() const { return FVisible; }
  void SetVisible(bool v) { if (trackbar::Store(FVisible, v)) Changed(); }
  int Offset() const { return FOffset; }
  void SetOffset(int v) { if (trackbar::Store(FOffset, v)) Changed(); }
  int Steps() const { return FSteps; }

  // Colours, Size, Rounded, Border3D, Visible, pictures, PictureStretched
  // and Offset (not Direction).
  void Assign(const TTrackBarSlider* source);

  TCustomTrackBar* FExTrackBar = nullptr;

 private:
  void PictureChanged();

  int FSteps = 20;
  QColor FColor, FColorTo;
  TGradientDirection FDirection = gdHorizontal;
  QColor FBorderColor;
  bool FRounded = false;
  bool FBorder3D = true;
  TGDIPPicture FPicture;
  QColor FColorDisabledTo, FBorderColorDisabled, FColorDisabled;
  TGDIPPicture FPictureDisabled;
  int FSize = 2;
  bool FVisible = true;
  bool FPictureStretched = false;
  QColor FColorCompletedDisabledTo, FColorCompletedTo, FColorCompleted, FColorCompletedDisabled;
  TGDIPPicture FPictureCompletedDisabled, FPictureCompleted;
  int FOffset = 10;
};

class TTrackBarTick : public TTrackBarPart {
  Q_OBJECT
 public:
  explicit TTrackBarTick(QObject* parent = nullptr);

  TRACKBAR_COLOR(Color)
  TRACKBAR_COLOR(ColorDisabled)
  // Stored, not drawn.
  void SetPicture(const TGDIPPicture* v) { FPicture.Assign(v); }
  void SetPictureDisabled(const TGDIPPicture* v) { FPictureDisabled.Assign(v); }
  TGDIPPicture* Picture() { return &FPicture; }
  TGDIPPicture* PictureDisabled() { return &FPictureDisabled; }
  TTickMark Position() const { return FPosition; }
  void SetPosition(TTickMark v) { if (trackbar::Store(FPosition, v)) Changed(); }
  // Ticks are drawn for tsAuto only; tsManual keeps their band.
  TTickStyle Style() const { return FStyle; }
  void SetStyle(TTickStyle v) { if (trackbar::Store(FStyle, v)) Changed(); }
  bool ShowText() const { return FShowText; }
  void SetShowText(bool v) { if (trackbar::Store(FShowText, v)) Changed(); }
  // Its colour is the text colour.
  const platform::TFont& Font() const { return FFont; }
  void SetFont(const platform::TFont& v) { if (trackbar::Store(FFont, v)) Changed(); }
  bool Line3D() const { return FLine3D; }
  void SetLine3D(bool v) { if (trackbar::Store(FLine3D, v)) Changed(); }
  bool ShowImageAtThumbOnly() const { return FShowImageAtThumbOnly; }
  void SetShowImageAtThumbOnly(bool v) { if (trackbar::Store(FShowImageAtThumbOnly, v)) Changed(); }
  int ShowImageAtSteps() const { return FShowImageAtSteps; }
  void SetShowImageAtSteps(int v) { if (trackbar::Store(FShowImageAtSteps, v)) Changed(); }
  int Spacing() const { return FSpacing; }
  void SetSpacing(int v) { if (trackbar::Store(FSpacing, v)) Changed(); }
  int Size() const { return FSize; }
  void SetSize(int v) { if (trackbar::Store(FSize, v)) Changed(); }
  bool RotateFontVert() const { return FRotateFontVert; }
  void SetRotateFontVert(bool v) { if (trackbar::Store(FRotateFontVert, v)) Changed(); }

  // Everything but RotateFontVert.
  void Assign(const TTrackBarTick* source);

 private:
  QColor FColor;
  TGDIPPicture FPicture;
  QColor FColorDisabled;
  TGDIPPicture FPictureDisabled;
  TTickMark FPosition = tmBottomRight;
  TTickStyle FStyle = tsAuto;
  bool FShowText = false;
  platform::TFont FFont;
  bool FLine3D = false;
  bool FShowImageAtThumbOnly = false;
  int FShowImageAtSteps = 1;
  int FSpacing = 8;
  int FSize = 4;
  bool FRotateFontVert = true;
};

class TTrackBarButtons : public TTrackBarPart {
  Q_OBJECT
 public:
  explicit TTrackBarButtons(QObject* parent = nullptr);

  bool Visible() const { return FVisible; }
  void SetVisible(bool v) { if (trackbar::Store(FVisible, v)) Changed(); }
  TRACKBAR_COLOR(Color)
  TRACKBAR_COLOR(ColorTo)
  TRACKBAR_COLOR(BorderColor)
  TRACKBAR_COLOR(ColorHot)
  TRACKBAR_COLOR(ColorHotTo)
  TRACKBAR_COLOR(BorderColorHot)
  TRACKBAR_COLOR(ColorDown)
  TRACKBAR_COLOR(ColorDownTo)
  TRACKBAR_COLOR(BorderColorDown)
  // The six mirror colours are plain fields.
  QColor FColorMirror, FColorMirrorTo, FColorMirrorHot, FColorMirrorHotTo, FColorMirrorDown, FColorMirrorDownTo;
  QColor ColorMirror() const { return FColorMirror; }
  QColor ColorMirrorTo() const { return FColorMirrorTo; }
  QColor ColorMirrorHot() const { return FColorMirrorHot; }
  QColor ColorMirrorHotTo() const { return FColorMirrorHotTo; }
  QColor ColorMirrorDown() const { return FColorMirrorDown; }
  QColor ColorMirrorDownTo() const { return FColorMirrorDownTo; }
  TGDIPGradient Gradient() const { return FGradient; }
  void SetGradient(TGDIPGradient v) { if (trackbar::Store(FGradient, v)) Changed(); }
  TGDIPGradient GradientMirror() const { return FGradientMirror; }
  void SetGradientMirror(TGDIPGradient v) { if (trackbar::Store(FGradientMirror, v)) Changed(); }

  void SetMinPicture(const TGDIPPicture* v) { FMinPicture.Assign(v); }
  void SetMinPictureHot(const TGDIPPicture* v) { FMinPictureHot.Assign(v); }
  void SetMinPictureDown(const TGDIPPicture* v) { FMinPictureDown.Assign(v); }
  void SetMaxPicture(const TGDIPPicture* v) { FMaxPicture.Assign(v); }
  void SetMaxPictureHot(const TGDIPPicture* v) { FMaxPictureHot.Assign(v); }
  void SetMaxPictureDown(const TGDIPPicture* v) { FMaxPictureDown.Assign(v); }
  TGDIPPicture* MinPicture() { return &FMinPicture; }
  TGDIPPicture* MinPictureHot() { return &FMinPictureHot; }
  TGDIPPicture* MinPictureDown() { return &FMinPictureDown; }
  TGDIPPicture* MaxPicture() { return &FMaxPicture; }
  TGDIPPicture* MaxPictureHot() { return &FMaxPictureHot; }
  TGDIPPicture* MaxPictureDown() { return &FMaxPictureDown; }

  TTrackButtonShape Shape() const { return FShape; }
  void SetShape(TTrackButtonShape v) { if (trackbar::Store(FShape, v)) Changed(); }
  // Depth of each button strip; locked while MinPicture or MaxPicture holds bytes.
  int Size() const { return FSize; }
  void SetSize(int v);
  int Spacing() const { return FSpacing; }
  void SetSpacing(int v) { if (trackbar::Store(FSpacing, v)) Changed(); }
  bool RotateText() const { return FRotateText; }
  void SetRotateText(bool v) { if (trackbar::Store(FRotateText, v)) Changed(); }
  // Plain fields.
  int Step = 1;
  bool RepeatClick = true;
  int InitRepeatPause = 400;
  int RepeatPause = 100;
  int FCornerRadius = 0;

  // Colours, pictures, Visible, Size, Shape, corner radius, repeat settings,
  // RotateText, Spacing and Step (not the gradients).
  void Assign(const TTrackBarButtons* source);
  // Size from the Min picture (else the Max picture) by the owner's orientation.
  void TakeSizeFromPicture();

  TCustomTrackBar* FExTrackBar = nullptr;

 private:
  bool FVisible = false;
  QColor FColorHot, FColor, FColorTo, FColorHotTo, FColorDownTo, FColorDown, FBorderColorDown, FBorderColorHot,
      FBorderColor;
  TGDIPPicture FMaxPictureHot, FMaxPictureDown, FMinPicture, FMaxPicture, FMinPictureHot, FMinPictureDown;
  TTrackButtonShape FShape = bsRound;
  TGDIPGradient FGradientMirror = ggVertical;
  TGDIPGradient FGradient = ggVertical;
  int FSize = 20;
  int FSpacing = 2;
  bool FRotateText = true;
};

class TTrackBarLabel : public TTrackBarPart {
  Q_OBJECT
 public:
  explicit TTrackBarLabel(QObject* parent = nullptr) : TTrackBarPart(parent) {}

  bool Visible() const { return FVisible; }
  void SetVisible(bool v) { if (trackbar::Store(FVisible, v)) Changed(); }
  // A printf format applied to Position ("Pos: %d").
  QString Format() const { return FFormat; }
  void SetFormat(const QString& v) { if (trackbar::Store(FFormat, v)) Changed(); }
  const platform::TFont& Font() const { return FFont; }
  void SetFont(const platform::TFont& v) { if (trackbar::Store(FFont, v)) Changed(); }
  TLabelPosition Position() const { return FPosition; }
  void SetPosition(TLabelPosition v) { if (trackbar::Store(FPosition, v)) Changed(); }
  int Spacing() const { return FSpacing; }
  void SetSpacing(int v) { if (trackbar::Store(FSpacing, v)) Changed(); }

  // Visible, Format, Font and Position (not Spacing).
  void Assign(const TTrackBarLabel* source);

 private:
  bool FVisible = false;
  QString FFormat = QStringLiteral("Pos: %d");
  platform::TFont FFont;
  TLabelPosition FPosition = lpTopCenter;
  int FSpacing = 4;
};
