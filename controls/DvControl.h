// The Dv control family's base: double-buffered controls that paint into an
// off-screen bitmap and copy it to the screen in one step, three persistent
// objects (a bevel, a two-colour palette and a 3-D text style) and the
// drawing routines the family shares. The power and demo buttons and the
// level bars build on it. Every control reports Version "1.4.5"; IsLoading is
// always false, since no form is streamed.
//
// TDvCustomControl (windowed: may take the focus)
//   Caption, Color, Font (a GDI-style font, so forms can name Windows faces),
//   Tag and HelpContext. UpdateControl repaints unless updates are held:
//   BeginUpdate ... EndUpdate brackets any number of changes into one repaint
//   at the final EndUpdate. MouseEnter/MouseLeave/FontChanged/TextChanged run
//   their events.
// TDvCustomImageControl
//   Each paint sizes the bitmap to the control, lets Paint draw into it through
//   a Canvas, then copies it to the screen.
// TDvGraphicControl / TDvGraphicImageControl (windowless: never take the
//   focus) the same, plus AutoSizeBounds and RefreshBounds, which re-apply
//   the current bounds through the virtual SetBounds (where a subclass snaps
//   its size) and repaint when they changed. A Transparent graphic image
//   control starts each paint from a fully transparent picture, so whatever
//   Qt painted beneath it shows through.
//
// Drawing routines follow GDI conventions (platform/Canvas.h): a TRect
// excludes its right and bottom edge.
#pragma once

#include <QColor>
#include <QImage>
#include <QObject>
#include <QWidget>

#include <functional>

#include "platform/Canvas.h"
#include "platform/Graphics.h"

// ---- persistent objects ----------------------------------------------------

// Base of the objects a control owns: every changed property fires OnChange,
// unless changes are held between BeginUpdate and EndUpdate.
class TDvPersistent : public QObject {
  Q_OBJECT
 public:
  explicit TDvPersistent(QObject* parent = nullptr) : QObject(parent) {}
  void BeginUpdate() { ++FUpdateCount; }
  // Never lets the counter fall below 0; fires OnChange once it is 0.
  void EndUpdate();
  int UpdateCount() const { return FUpdateCount; }

  std::function<void(QObject* Sender)> OnChange;

 protected:
  void Changed();

 private:
  int FUpdateCount = 0;
};

// Two colours chosen by an index: Low for 0 or less, High otherwise.
class TDvPalette : public TDvPersistent {
  Q_OBJECT
 public:
  explicit TDvPalette(QObject* parent = nullptr);
  QColor Low() const { return FLow; }
  void SetLow(const QColor& v);
  QColor High() const { return FHigh; }
  void SetHigh(const QColor& v);
  QColor GetColor(int index) const { return index <= 0 ? FLow : FHigh; }
  void Assign(const TDvPalette* source);

 private:
  QColor FLow, FHigh;
};

enum TDvFont3DStyle { f3dNone, f3dRaised, f3dSunken, f3dShadow };

// Raised, sunken or shadowed text: copies of the text in the highlight and
// shadow colours offset by their depths, then the text itself.
class TDvFont3D : public TDvPersistent {
  Q_OBJECT
 public:
  explicit TDvFont3D(QObject* parent = nullptr);
  TDvFont3DStyle Style() const { return FStyle; }
  void SetStyle(TDvFont3DStyle v);
  QColor HighlightColor() const { return FHighlightColor; }
  void SetHighlightColor(const QColor& v);
  QColor ShadowColor() const { return FShadowColor; }
  void SetShadowColor(const QColor& v);
  int HighlightDepth() const { return FHighlightDepth; }
  void SetHighlightDepth(int v);
  int ShadowDepth() const { return FShadowDepth; }
  void SetShadowDepth(int v);
  void Assign(const TDvFont3D* source);

  // Draws text in r with the DrawText flags in the canvas's font; clear
  // brush; the canvas's font colour is left as it was.
  void Paint(platform::Canvas& c, const platform::TRect& r, unsigned format, const QString& text) const;

 private:
  TDvFont3DStyle FStyle = f3dNone;
  QColor FHighlightColor, FShadowColor;
  int FHighlightDepth = 1, FShadowDepth = 1;
};

// Styles of a bevel's outer and inner part (scoped: the shape button's
// border style has a bsNone of its own).
enum class TDvBevelStyle { bsNone, bsLowered, bsRaised };
// Where a part's one-pixel black outline lies: outside or inside its bevel.
enum TDvBevelOutline { osOuter, osInner, osNone };

// A frame of nested bands drawn inward: BorderWidth lines in BorderColor;
// then the outer part (black outline if osOuter, OuterWidth lines raised or
// lowered, black outline if osInner, OuterSpace lines in OuterColor); then the
// inner part likewise. GetVisibleArea is the rectangle left inside.
class TDvBevel : public TDvPersistent {
  Q_OBJECT
 public:
  explicit TDvBevel(QObject* parent = nullptr) : TDvPersistent(parent) {}

  int BorderWidth() const { return FBorderWidth; }
  void SetBorderWidth(int v) { Set(FBorderWidth, v); }
  platform::TColor BorderColor() const { return FBorderColor; }
  void SetBorderColor(platform::TColor v) { Set(FBorderColor, v); }
  platform::TColor InnerShadow() const { return FInnerShadow; }
  void SetInnerShadow(platform::TColor v) { Set(FInnerShadow, v); }
  platform::TColor InnerHighlight() const { return FInnerHighlight; }
  void SetInnerHighlight(platform::TColor v) { Set(FInnerHighlight, v); }
  int InnerWidth() const { return FInnerWidth; }
  void SetInnerWidth(int v) { Set(FInnerWidth, v); }
  TDvBevelStyle InnerStyle() const { return FInnerStyle; }
  void SetInnerStyle(TDvBevelStyle v) { Set(FInnerStyle, v); }
  TDvBevelOutline InnerOutline() const { return FInnerOutline; }
  void SetInnerOutline(TDvBevelOutline v) { Set(FInnerOutline, v); }
  int InnerSpace() const { return FInnerSpace; }
  void SetInnerSpace(int v) { Set(FInnerSpace, v); }
  platform::TColor InnerColor() const { return FInnerColor; }
  void SetInnerColor(platform::TColor v) { Set(FInnerColor, v); }
  platform::TColor OuterShadow() const { return FOuterShadow; }
  void SetOuterShadow(platform::TColor v) { Set(FOuterShadow, v); }
  platform::TColor OuterHighlight() const { return FOuterHighlight; }
  void SetOuterHighlight(platform::TColor v) { Set(FOuterHighlight, v); }
  int OuterWidth() const { return FOuterWidth; }
  void SetOuterWidth(int v) { Set(FOuterWidth, v); }
  TDvBevelStyle OuterStyle() const { return FOuterStyle; }
  void SetOuterStyle(TDvBevelStyle v) { Set(FOuterStyle, v); }
  TDvBevelOutline OuterOutline() const { return FOuterOutline; }
  void SetOuterOutline(TDvBevelOutline v) { Set(FOuterOutline, v); }
  int OuterSpace() const { return FOuterSpace; }
  void SetOuterSpace(int v) { Set(FOuterSpace, v); }
  platform::TColor OuterColor() const { return FOuterColor; }
  void SetOuterColor(platform::TColor v) { Set(FOuterColor, v); }
  bool Visible() const { return FVisible; }
  void SetVisible(bool v) { Set(FVisible, v); }
  void Assign(const TDvBevel* source);

  // Draws the bands inward from r; nothing when not Visible.
  void Paint(platform::Canvas& c, const platform::TRect& r) const;
  // r less the width of every band (r itself when not Visible).
  platform::TRect GetVisibleArea(const platform::TRect& r) const;

 private:
  template <typename T>
  void Set(T& field, T v) {
    if (field == v) return;
    field = v;
    Changed();
  }

  int FBorderWidth = 0;
  platform::TColor FBorderColor = platform::clBtnFace;
  platform::TColor FInnerShadow = platform::clBtnShadow, FInnerHighlight = platform::clBtnHighlight;
  int FInnerWidth = 1;
  TDvBevelStyle FInnerStyle = TDvBevelStyle::bsLowered;
  TDvBevelOutline FInnerOutline = osNone;
  int FInnerSpace = 1;
  platform::TColor FInnerColor = platform::clBtnFace;
  platform::TColor FOuterShadow = platform::clBtnShadow, FOuterHighlight = platform::clBtnHighlight;
  int FOuterWidth = 1;
  TDvBevelStyle FOuterStyle = TDvBevelStyle::bsRaised;
  TDvBevelOutline FOuterOutline = osOuter;
  int FOuterSpace = 0;
  platform::TColor FOuterColor = platform::clBtnFace;
  bool FVisible = true;
};

// ---- drawing routines ------------------------------------------------------

namespace dvdraw {

inline int RectWidth(const platform::TRect& r) { return r.Right - r.Left; }
inline int RectHeight(const platform::TRect& r) { return r.Bottom - r.Top; }
inline bool RectsEqual(const platform::TRect& a, const platform::TRect& b) { return a == b; }

// trunc(total * percent / 100).
int PercentOf(int percent, int total);
// 0 when total is 0, else trunc(part * 100 / total).
int PercentDone(int part, int total);

// `count` nested one-pixel frames just inside r: left and top edge in
// topLeft, right and bottom edge in bottomRight; r is left shrunk by count.
void DrawBevelFrame(platform::Canvas& c, platform::TRect& r, const QColor& topLeft, int count,
                    const QColor& bottomRight);

// Caption centred on one line; disabled, embossed (highlight one pixel
// down-right, shadow on top).
void DrawButtonText(platform::Canvas& c, const QString& text, const platform::TRect& r, bool enabled);

// The bitmap repeated from r's top-left corner while its start lies in r.
void TileBitmap(platform::Canvas& c, const platform::TRect& r, const QImage& bitmap);

enum TDvImageLayout { ImageLeft, ImageRight, ImageTop, ImageBottom };

struct TImageTextPlace {
  platform::TPoint Image;     // top-left of the image
  platform::TRect Caption;    // the caption's bounds
};

// Places an image and the caption inside area as a glyph button does.
// margin -1 centres the pair (with spacing -1 too, margin and both gaps are
// equal); spacing -1 spreads the caption into the room left after the margin.
TImageTextPlace CalcImageTextLayout(platform::Canvas& c, const QString& caption, const platform::TRect& area,
                                    platform::TPoint offset, platform::TSize image, int spacing, int margin,
                                    TDvImageLayout layout);

}  // namespace dvdraw

// ---- controls --------------------------------------------------------------

class TDvCustomControl : public QWidget {
  Q_OBJECT
  // Forms and the language switch set captions through the property system.
  Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
 public:
  explicit TDvCustomControl(QWidget* parent = nullptr);

  QString Version() const { return QStringLiteral("1.4.5"); }
  bool IsLoading() const { return false; }
  QString Caption() const { return FCaption; }
  void SetCaption(const QString& v);
  QColor Color() const { return FColor; }
  void SetColor(const QColor& v);
  platform::TFont Font() const { return FFont; }
  void SetFont(const platform::TFont& v);
  bool Enabled() const { return isEnabled(); }
  void SetEnabled(bool v) { setEnabled(v); }
  // Whether Tab and a click give the control the keyboard focus.
  bool TabStop() const { return FTabStop; }
  void SetTabStop(bool v);
  int Tag() const;
  void SetTag(int v);
  int HelpContext() const { return FHelpContext; }
  void SetHelpContext(int v) { FHelpContext = v; }

  void BeginUpdate() { ++FUpdateCount; }
  void EndUpdate();
  int UpdateCount() const { return FUpdateCount; }

  std::function<void(QObject* Sender)> OnMouseEnter;
  std::function<void(QObject* Sender)> OnMouseLeave;
  std::function<void(QObject* Sender)> OnFontChanged;
  std::function<void(QObject* Sender)> OnTextChanged;

 protected:
  // Repaints unless updates are held.
  virtual void UpdateControl();
  virtual void MouseEnter();
  virtual void MouseLeave();
  virtual void FontChanged();
  virtual void TextChanged();

  void enterEvent(QEnterEvent*) override;
  void leaveEvent(QEvent*) override;
  void changeEvent(QEvent*) override;

 private:
  QString FCaption;
  QColor FColor;
  platform::TFont FFont;
  bool FTabStop = false;
  int FHelpContext = 0;
  int FUpdateCount = 0;
};

class TDvCustomImageControl : public TDvCustomControl {
  Q_OBJECT
 public:
  explicit TDvCustomImageControl(QWidget* parent = nullptr);
  // The off-screen picture of the last paint: the part it exposed, from
  // that part's top-left corner.
  const QImage& OffscreenBitmap() const { return FBitmap; }

 protected:
  void paintEvent(QPaintEvent*) override;
  // Draws the control into the off-screen bitmap.
  virtual void Paint(platform::Canvas& c) = 0;
  // Fills the bitmap with Color.
  virtual void ClearBitmapCanvas(platform::Canvas& c);

 private:
  QImage FBitmap;
};

// ---- windowless controls -----------------------------------------------------

class TDvGraphicControl : public QWidget {
  Q_OBJECT
  Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
 public:
  enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom };

  explicit TDvGraphicControl(QWidget* parent = nullptr);

  QString Version() const { return QStringLiteral("1.4.5"); }
  bool IsLoading() const { return false; }
  QString Caption() const { return FCaption; }
  void SetCaption(const QString& v);
  QColor Color() const { return FColor; }
  void SetColor(const QColor& v);
  platform::TFont Font() const { return FFont; }
  void SetFont(const platform::TFont& v);
  bool Enabled() const { return isEnabled(); }
  void SetEnabled(bool v) { setEnabled(v); }
  int Tag() const;
  void SetTag(int v);
  int HelpContext() const { return FHelpContext; }
  void SetHelpContext(int v) { FHelpContext = v; }
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool v);
  TAlign Align() const { return FAlign; }
  void SetAlign(TAlign v) { FAlign = v; }
  // Places the control; subclasses that keep a size of their own adjust the
  // bounds here.
  virtual void SetBounds(int left, int top, int width, int height);

  void BeginUpdate() { ++FUpdateCount; }
  void EndUpdate();
  int UpdateCount() const { return FUpdateCount; }

  std::function<void(QObject* Sender)> OnMouseEnter;
  std::function<void(QObject* Sender)> OnMouseLeave;
  std::function<void(QObject* Sender)> OnFontChanged;
  std::function<void(QObject* Sender)> OnTextChanged;

 protected:
  // Repaints unless updates are held.
  virtual void UpdateControl();
  // AutoSize with Align alNone to alRight: RefreshBounds; else UpdateControl.
  virtual void AutoSizeBounds();
  // Re-applies the current bounds; repaints when they changed.
  virtual void RefreshBounds();
  virtual void MouseEnter();
  virtual void MouseLeave();
  virtual void FontChanged();
  virtual void TextChanged();

  void enterEvent(QEnterEvent*) override;
  void leaveEvent(QEvent*) override;
  void changeEvent(QEvent*) override;

 private:
  QString FCaption;
  QColor FColor;
  platform::TFont FFont;
  int FHelpContext = 0;
  int FUpdateCount = 0;
  bool FAutoSize = false;
  TAlign FAlign = alNone;
};

class TDvGraphicImageControl : public TDvGraphicControl {
  Q_OBJECT
 public:
  explicit TDvGraphicImageControl(QWidget* parent = nullptr);
  // The off-screen picture of the last paint: the part it exposed, from
  // that part's top-left corner.
  const QImage& OffscreenBitmap() const { return FBitmap; }
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool v);

 protected:
  void paintEvent(QPaintEvent*) override;
  // Draws the control into the off-screen bitmap.
  virtual void Paint(platform::Canvas& c) = 0;
  // Fills the bitmap with Color; a transparent control's with nothing at all.
  virtual void ClearBitmapCanvas(platform::Canvas& c);

 private:
  QImage FBitmap;
  bool FTransparent = false;
};
