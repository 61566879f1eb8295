// TUxButton: a push button drawn by the control itself, 75 x 25 by default.
//
// Look (visual themes are never active, so ThemeAware changes nothing): a
// one-pixel clWindowFrame ring while the button is the active default or
// focused and not pressed (or while its click runs); then the face border:
// with Color clBtnFace the system push frame (down while pressed), with any
// other Color the push frame tinted from Color; the face filled with Color;
// the caption by Alignment and AlignmentVertical in TextStyle, moved by
// (1, 1) while pressed, grey when disabled; a dotted focus outline while
// focused (ShowFocusRect). HotTrack draws the rounded hot-tracked look
// instead, with a gradient ring while the mouse is over it.
//
// Pressing: a left press takes the focus and shows the pressed look, which
// follows the pointer in and out; a release inside clicks. Space shows the
// pressed look and clicks when released; Enter clicks a focused button (the
// active default), Escape a Cancel button that has the focus; Alt with the
// caption's "&x" clicks.
//
// Dialog keys: Enter or Escape (without Shift, Ctrl or Alt) that the focused
// control of the window leaves unused reaches the window's active default
// button (Enter) or its Cancel button (Escape), if it is visible and enabled;
// the first such button in the window's child order clicks and the key is
// used up. A control that uses Enter or Escape itself accepts the key event
// and so keeps it.
//
// Groups: the TUxButtons with one parent and one non-zero GroupIndex (apart
// from the bitmap buttons' groups). A click on a grouped button flips Down;
// setting one down raises the others; a down button of a group without
// AllowAllUp stays down. A latched button is drawn lowered, over a dither
// pattern with ShowDownPattern.
//
// Default: while the focus is on any TUxButton or push button, the focused
// one is the active default; while it is elsewhere, the Default buttons are.
// Click: OnClick with the button as Sender; on a dialog shown modally a
// non-zero ModalResult then closes it with that value.
#pragma once

#include <QColor>
#include <QPointer>
#include <QWidget>

#include <functional>

#include "controls/UxBmpButton.h"
#include "controls/UxDraw.h"
#include "controls/UxPanel.h"

class TUxButton : public QWidget {
  Q_OBJECT
 public:
  explicit TUxButton(QWidget* parent = nullptr);

  QString Caption() const { return FCaption; }
  void SetCaption(const QString& v);
  QColor Color() const { return FColor; }
  void SetColor(const QColor& v);
  // Kept for the forms; themes are never active, so the face is always Color.
  bool ThemeAware() const { return FThemeAware; }
  void SetThemeAware(bool v);
  QColor FontColor() const { return FFontColor; }
  void SetFontColor(const QColor& v);
  bool Enabled() const { return isEnabled(); }
  void SetEnabled(bool v) { setEnabled(v); }
  int Tag() const;
  void SetTag(int v);
  // The colour the face is painted in.
  QColor FaceColor() const { return FColor; }

  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment v);
  uxdraw::TAlignmentVertical AlignmentVertical() const { return FAlignmentVertical; }
  void SetAlignmentVertical(uxdraw::TAlignmentVertical v);
  bool AllowAllUp() const { return FAllowAllUp; }
  void SetAllowAllUp(bool v);
  int GroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(int v);
  bool Down() const { return FDown; }
  void SetDown(bool v);
  bool Cancel() const { return FCancel; }
  void SetCancel(bool v);
  bool Default() const { return FDefault; }
  void SetDefault(bool v);
  // Whether the button is drawn and acts as the default one now.
  bool Active() const { return FActive; }
  bool DropDownOnEnter() const { return FDropDownOnEnter; }
  void SetDropDownOnEnter(bool v) { FDropDownOnEnter = v; }
  QColor FrameColor() const { return FFrameColor; }
  void SetFrameColor(const QColor& v);
  int ModalResult() const { return FModalResult; }
  void SetModalResult(int v) { FModalResult = v; }
  bool ShowDownPattern() const { return FShowDownPattern; }
  void SetShowDownPattern(bool v);
  bool ShowFocusRect() const { return FShowFocusRect; }
  void SetShowFocusRect(bool v);
  QColor HighlightColor() const { return FHighlightColor; }
  void SetHighlightColor(const QColor& v);
  bool HotTrack() const { return FHotTrack; }
  void SetHotTrack(bool v);
  QColor HotTrackColor() const { return FHotTrackColor; }
  void SetHotTrackColor(const QColor& v);
  uxdraw::TUxHotTrackColorType HotTrackColorType() const { return FHotTrackColorType; }
  void SetHotTrackColorType(uxdraw::TUxHotTrackColorType v);
  bool LightTextStyle() const { return FLightTextStyle; }
  void SetLightTextStyle(bool v);
  uxdraw::TTextStyle TextStyle() const { return FTextStyle; }
  void SetTextStyle(uxdraw::TTextStyle v);
  QColor TextHighlightColor() const { return FTextHighlightColor; }
  void SetTextHighlightColor(const QColor& v);
  QColor TextShadowColor() const { return FTextShadowColor; }
  void SetTextShadowColor(const QColor& v);
  int TextShadowDepth() const { return FTextShadowDepth; }
  void SetTextShadowDepth(int v);
  // The pressed look is shown (mouse or Space).
  bool ShowDownVersion() const { return FShowDownVersion; }
  // Set while a click caused by Enter runs (unless DropDownOnEnter).
  bool KeyWasPressed() const { return FKeyWasPressed; }

  // ModalResult (see above), then OnClick with the button as Sender.
  virtual void Click();

  std::function<void(QObject* Sender)> OnClick;

  QSize sizeHint() const override { return QSize(75, 25); }

 protected:
  void paintEvent(QPaintEvent*) override;
  // The paint steps, in order; each shrinks r to what lies inside it.
  virtual void drawFocusRing(platform::Canvas& c, platform::TRect& r);
  virtual void drawFace(platform::Canvas& c, platform::TRect& r);
  virtual void drawHotTrackFace(platform::Canvas& c, platform::TRect& r);
  virtual void drawDownPattern(platform::Canvas& c, const platform::TRect& r);
  virtual void PaintCaption(QPainter& p);
  virtual void drawFocusOutline(platform::Canvas& c);
  // The caption placed by AlignmentVertical in r, in TextStyle.
  virtual void DrawCaption(QPainter& p, const QRect& r, int flags);
  QRect GetCaptionRect() const;
  QRect FocusRect() const;
  // Colour by colour, the 8 x 8 pattern of a latched face.
  QImage CreateDownPattern() const;
  virtual void DoClick();
  virtual void RepaintButton() { update(); }

  bool event(QEvent*) override;
  bool eventFilter(QObject* watched, QEvent* e) override;
  void mousePressEvent(QMouseEvent*) override;
  void mouseMoveEvent(QMouseEvent*) override;
  void mouseReleaseEvent(QMouseEvent*) override;
  void keyPressEvent(QKeyEvent*) override;
  void keyReleaseEvent(QKeyEvent*) override;
  void focusInEvent(QFocusEvent*) override;
  void focusOutEvent(QFocusEvent*) override;
  void enterEvent(QEnterEvent*) override;
  void leaveEvent(QEvent*) override;
  void changeEvent(QEvent*) override;

 private:
  void AnnounceGroup();
  void GroupAnnounced(TUxButton* sender);
  void FocusMoved(QWidget* now);
  void SetActive(bool v);
  bool Grouped() const { return FGroupIndex != 0; }
  bool FaceIsBtnFace() const;
  void UpdateAccelerator();
  // Watches the window for dialog keys while Default or Cancel is set.
  void WatchWindow();
  // Whether an unused Enter or Escape in the window is this button's.
  bool TakesDialogKey(const QKeyEvent* e) const;
  void KeyClick(bool enter);

  QString FCaption;
  QColor FColor, FFontColor;
  bool FThemeAware = true;
  TAlignment FAlignment = taCenter;
  uxdraw::TAlignmentVertical FAlignmentVertical = uxdraw::avCenter;
  QColor FHotTrackColor;
  uxdraw::TUxHotTrackColorType FHotTrackColorType = uxdraw::htctActual;
  QColor FHighlightColor;
  bool FLightTextStyle = false;
  uxdraw::TTextStyle FTextStyle = uxdraw::tsNormal;
  QColor FTextHighlightColor, FTextShadowColor;
  int FTextShadowDepth = 2;
  bool FDragging = false;
  bool FHotTrack = false;
  bool FMouseOverButton = false;
  bool FShowDownVersion = false;
  bool FClicking = false;
  bool FDefault = false;
  bool FCancel = false;
  bool FActive = false;
  int FModalResult = 0;
  bool FKeyToggle = false;
  bool FAllowAllUp = false;
  bool FDown = false;
  int FGroupIndex = 0;
  bool FShowDownPattern = true;
  bool FShowFocusRect = true;
  bool FDropDownOnEnter = true;
  QColor FFrameColor;
  bool FKeyWasPressed = false;
  int FAccelerator = 0;
  QPointer<QWidget> FWatchedWindow;
};
