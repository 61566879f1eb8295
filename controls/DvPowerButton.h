// The power and demo buttons of the Dv family (controls/DvControl.h).
//
// TDvPowerButton: a toggle button with a small LED beside its caption; the LED
// shows Palette.High when Active, Palette.Low when not, and the button's Color
// when disabled. A user's click (press, release over the button) or Space
// toggles Active first and then runs OnClick, so the handler sees the new
// state; pressing, dragging out and releasing outside changes nothing.
// SetActive from code only repaints: it never runs OnClick. The caption's
// accelerator runs OnClick without toggling.
// Layout: inside the client rectangle less BevelWidth + OutlineWidth, the LED
// (LedWidth x LedHeight) and caption are placed by Layout, Margin and Spacing
// (margin -1 centres the pair); LedRect() and CaptionRect() are that layout.
// Frames: OutlineWidth lines in OutlineColor (FocusColor when focused), then
// BevelWidth lines raised, or sunken while pressed.
//
// TDvDemoButton: a push button with a caption drawn through Font3D in
// FontEnter while the mouse is over it and FontLeave otherwise
// (DisabledTextColor when disabled), aligned by TextAlignment, on Color with an
// optional tiled Bitmap. Flat buttons show their raised bevel only while the
// mouse is over them; pressed ones are sunken with the face and caption moved
// one pixel down-right. OnClick runs when the mouse is released over the
// button after a press on it, or on Space.
#pragma once

#include "controls/DvControl.h"

#include <QImage>

#include <functional>

class TDvPowerButton : public TDvCustomImageControl {
  Q_OBJECT
 public:
  explicit TDvPowerButton(QWidget* parent = nullptr);

  bool Active() const { return FActive; }
  // Stores and repaints; never runs OnClick.
  void SetActive(bool v);
  int LedWidth() const { return FLedWidth; }
  void SetLedWidth(int v);
  int LedHeight() const { return FLedHeight; }
  void SetLedHeight(int v);
  dvdraw::TDvImageLayout Layout() const { return FLayout; }
  void SetLayout(dvdraw::TDvImageLayout v);
  int Margin() const { return FMargin; }
  void SetMargin(int v);
  int Spacing() const { return FSpacing; }
  void SetSpacing(int v);
  // Changing the palette repaints the button.
  TDvPalette* Palette() { return &FPalette; }
  void SetPalette(const TDvPalette* v) { FPalette.Assign(v); }
  QColor FocusColor() const { return FFocusColor; }
  void SetFocusColor(const QColor& v);
  QColor OutlineColor() const { return FOutlineColor; }
  void SetOutlineColor(const QColor& v);
  int OutlineWidth() const { return FOutlineWidth; }
  void SetOutlineWidth(int v);
  QColor HighlightColor() const { return FHighlightColor; }
  void SetHighlightColor(const QColor& v);
  QColor ShadowColor() const { return FShadowColor; }
  void SetShadowColor(const QColor& v);
  int BevelWidth() const { return FBevelWidth; }
  void SetBevelWidth(int v);

  // Left button held on the button, and armed (held over it).
  bool IsDown() const { return FDown; }
  bool IsPressed() const { return FPressed; }
  // Where the LED and the caption lie.
  platform::TRect LedRect() const;
  platform::TRect CaptionRect() const;

  std::function<void(QObject* Sender)> OnClick;

  QSize sizeHint() const override { return QSize(125, 25); }

 protected:
  void Paint(platform::Canvas& c) override;
  virtual void drawOutline(platform::Canvas& c, platform::TRect& r);
  virtual void drawBevel(platform::Canvas& c, platform::TRect& r);
  virtual void PaintLed(platform::Canvas& c, const platform::TRect& r);
  virtual void drawCaption(platform::Canvas& c, const platform::TRect& r);
  // Places the LED and caption, then repaints.
  void UpdateLayout();
  void FontChanged() override;
  void TextChanged() override;

  bool event(QEvent*) override;
  void mousePressEvent(QMouseEvent*) override;
  void mouseDoubleClickEvent(QMouseEvent*) override;
  void mouseMoveEvent(QMouseEvent*) override;
  void mouseReleaseEvent(QMouseEvent*) override;
  void keyPressEvent(QKeyEvent*) override;
  void keyReleaseEvent(QKeyEvent*) override;
  void focusInEvent(QFocusEvent*) override;
  void focusOutEvent(QFocusEvent*) override;
  void resizeEvent(QResizeEvent*) override;

 private:
  void SetPressed(bool v);
  void Toggle();
  // Lays out again when the size moved since the last layout (a hidden
  // widget gets its resize event only when shown).
  void EnsureLayout() const;
  void Place() const;

  TDvPalette FPalette;
  bool FActive = false;
  int FLedWidth = 12, FLedHeight = 12;
  dvdraw::TDvImageLayout FLayout = dvdraw::ImageLeft;
  int FMargin = -1, FSpacing = 5;
  QColor FFocusColor, FOutlineColor, FHighlightColor, FShadowColor;
  int FOutlineWidth = 1, FBevelWidth = 2;
  bool FDown = false, FPressed = false, FSpaceDown = false;
  int FAccelerator = 0;
  mutable platform::TRect FLedRect, FCaptionRect;
  mutable QSize FLayoutSize;
};

enum TDvTextAlignment {
  vtaLeft, vtaCenter, vtaRight, vtaTopLeft, vtaTop, vtaTopRight, vtaBottomLeft, vtaBottom, vtaBottomRight
};

class TDvDemoButton : public TDvCustomImageControl {
  Q_OBJECT
 public:
  explicit TDvDemoButton(QWidget* parent = nullptr);

  platform::TFont FontEnter() const { return FFontEnter; }
  void SetFontEnter(const platform::TFont& v);
  platform::TFont FontLeave() const { return FFontLeave; }
  void SetFontLeave(const platform::TFont& v);
  // Tiled over the face; empty for none.
  const QImage& Bitmap() const { return FBitmap; }
  void SetBitmap(const QImage& v);
  QColor OutlineColor() const { return FOutlineColor; }
  void SetOutlineColor(const QColor& v);
  QColor ShadowColor() const { return FShadowColor; }
  void SetShadowColor(const QColor& v);
  QColor HighlightColor() const { return FHighlightColor; }
  void SetHighlightColor(const QColor& v);
  int BevelWidth() const { return FBevelWidth; }
  void SetBevelWidth(int v);
  int OutlineWidth() const { return FOutlineWidth; }
  void SetOutlineWidth(int v);
  TDvTextAlignment TextAlignment() const { return FTextAlignment; }
  void SetTextAlignment(TDvTextAlignment v);
  QColor DisabledTextColor() const { return FDisabledTextColor; }
  void SetDisabledTextColor(const QColor& v);
  QColor FocusColor() const { return FFocusColor; }
  void SetFocusColor(const QColor& v);
  // Changing the 3-D style repaints the button.
  TDvFont3D* Font3D() { return &FFont3D; }
  void SetFont3D(const TDvFont3D* v) { FFont3D.Assign(v); }
  bool Flat() const { return FFlat; }
  void SetFlat(bool v);

  bool IsDown() const { return FDown; }
  bool IsPressed() const { return FPressed; }
  bool MouseInside() const { return FMouseInside; }
  // The DrawText flags of a text alignment.
  static unsigned AlignmentFormat(TDvTextAlignment a);

  std::function<void(QObject* Sender)> OnClick;

  QSize sizeHint() const override { return QSize(150, 25); }

 protected:
  void Paint(platform::Canvas& c) override;
  virtual void drawBackground(platform::Canvas& c);
  virtual void drawOutline(platform::Canvas& c, platform::TRect& r);
  virtual void drawBevel(platform::Canvas& c, platform::TRect& r);
  virtual void drawCaption(platform::Canvas& c, const platform::TRect& r);
  // Arms the button when pt lies in it.
  void Press(const QPoint& pt);
  void TextChanged() override;
  void MouseEnter() override;
  void MouseLeave() override;

  bool event(QEvent*) override;
  void mousePressEvent(QMouseEvent*) override;
  void mouseDoubleClickEvent(QMouseEvent*) override;
  void mouseMoveEvent(QMouseEvent*) override;
  void mouseReleaseEvent(QMouseEvent*) override;
  void keyPressEvent(QKeyEvent*) override;
  void keyReleaseEvent(QKeyEvent*) override;
  void focusInEvent(QFocusEvent*) override;
  void focusOutEvent(QFocusEvent*) override;

 private:

  platform::TFont FFontEnter, FFontLeave;
  QImage FBitmap;
  QColor FOutlineColor, FShadowColor, FHighlightColor, FDisabledTextColor, FFocusColor;
  int FBevelWidth = 2, FOutlineWidth = 1;
  TDvTextAlignment FTextAlignment = vtaCenter;
  TDvFont3D FFont3D;
  bool FFlat = false;
  bool FDown = false, FPressed = false, FMouseInside = false;
  int FAccelerator = 0;
};
