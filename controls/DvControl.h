// The Dv control family's base: double-buffered controls that paint into an
// off-screen bitmap and copy it to the screen in one step, two small
// persistent objects (a two-colour palette and a 3-D text style) and the
// drawing routines the family shares. The power and demo buttons build on it.
//
// TDvCustomControl
//   Caption, Color, Font (a GDI-style font, so forms can name Windows faces),
//   Tag and HelpContext. UpdateControl repaints unless updates are held:
//   BeginUpdate ... EndUpdate brackets any number of changes into one repaint
//   at the final EndUpdate. MouseEnter/MouseLeave/FontChanged/TextChanged run
//   their events.
// TDvCustomImageControl
//   Each paint sizes the bitmap to the control, lets Paint draw into it through
//   a Canvas, then copies it to the screen.
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

// ---- drawing routines ------------------------------------------------------

namespace dvdraw {

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
  // The off-screen picture of the last paint.
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
