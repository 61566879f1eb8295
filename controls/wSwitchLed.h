// TwSwitchLed: a push button with a built-in lamp and a caption, on the
// instrument base. A click (press and release inside), the space bar or the
// caption's Alt accelerator toggles Active; with MomentaryStyle ismsSimple
// Active follows the mouse button instead (on while held).
//
// SetActive with a new state asks OnRequestEdit("Active"), stores, repaints
// and fires OnChangeProtected("Active"), OnChange, and OnChangeUser only for
// the user's own actions (never for SetActive from code); then the state goes
// to the item binding as "Active". Presses report "{MouseDown}" there too.
//
// Layout (LampRect, CaptionRect): inside the border the lamp sits on the
// IndicatorAlignment side, IndicatorMargin from the edge, sized from the
// inner box with AutoLedSize (or the glyph's size); the caption fills the
// rest, CaptionMargin from the lamp (islcaIndicator) or from the far edge
// (islcaOppisiteSide). All setters store a changed value and repaint;
// BorderSize is at least 2. The unlit lamp is a third of ActiveColor.
#pragma once

#include <QColor>
#include <QImage>
#include <QString>
#include <QStringList>

#include "controls/wWinComponent.h"

enum TwSwitchLedCaptionAlignment { islcaIndicator, islcaOppisiteSide };

class TwSwitchLed : public TwCustomComponent {
  Q_OBJECT
 public:
  explicit TwSwitchLed(QWidget* parent = nullptr);

  bool Active() const { return FActive; }
  void SetActive(bool v);
  // SetActive without OnChange.
  void SetActiveNoEvent(bool v);
  QColor ActiveColor() const;
  void SetActiveColor(const QColor& v);
  void SetActiveColor(platform::TColor v) { SetColorProperty(v, FActiveColor, 0); }
  bool AutoLedSize() const { return FAutoLedSize; }
  void SetAutoLedSize(bool v) { SetBooleanProperty(v, FAutoLedSize, 0); }
  QString Caption() const { return FCaption; }
  // Also the accelerator: the letter after "&" with Alt.
  void SetCaption(const QString& v);
  const platform::TFont& CaptionFont() const { return FCaptionFont; }
  void SetCaptionFont(const platform::TFont& v);
  int CaptionMargin() const { return FCaptionMargin; }
  void SetCaptionMargin(int v) { SetIntegerProperty(v, FCaptionMargin, 0); }
  TwSwitchLedCaptionAlignment CaptionAlignment() const { return FCaptionAlignment; }
  void SetCaptionAlignment(TwSwitchLedCaptionAlignment v);
  TwSideAlignment IndicatorAlignment() const { return FIndicatorAlignment; }
  void SetIndicatorAlignment(TwSideAlignment v);
  int IndicatorHeight() const { return FIndicatorHeight; }
  void SetIndicatorHeight(int v) { SetIntegerProperty(v, FIndicatorHeight, 0); }
  int IndicatorWidth() const { return FIndicatorWidth; }
  void SetIndicatorWidth(int v) { SetIntegerProperty(v, FIndicatorWidth, 0); }
  int IndicatorMargin() const { return FIndicatorMargin; }
  void SetIndicatorMargin(int v) { SetIntegerProperty(v, FIndicatorMargin, 0); }
  TwSwitchMomentaryStyle MomentaryStyle() const { return FMomentaryStyle; }
  void SetMomentaryStyle(TwSwitchMomentaryStyle v);
  bool ShowFocusRect() const { return FShowFocusRect; }
  void SetShowFocusRect(bool v) { SetBooleanProperty(v, FShowFocusRect, 0); }
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool v) { SetBooleanProperty(v, FWordWrap, 0); }
  int BorderSize() const { return FBorderSize; }
  // Values below 2 are stored as 2.
  void SetBorderSize(int v) { SetIntegerProperty(v < 2 ? 2 : v, FBorderSize, 0); }
  platform::TColor BorderHighlightColor() const { return FBorderHighlightColor; }
  void SetBorderHighlightColor(platform::TColor v) { SetColorProperty(v, FBorderHighlightColor, 0); }
  platform::TColor BorderShadowColor() const { return FBorderShadowColor; }
  void SetBorderShadowColor(platform::TColor v) { SetColorProperty(v, FBorderShadowColor, 0); }
  // Drawn in place of the lamp, its bottom-left colour left out; null when
  // none is set.
  const QImage& Glyph() const { return FGlyph; }
  void SetGlyph(const QImage& v);
  QColor BackGroundColor() const;
  using TwCustomComponent::SetBackGroundColor;
  void SetBackGroundColor(const QColor& v);
  int Tag() const;
  void SetTag(int v);

  // The lamp and the caption box, as painting uses them (unpressed).
  platform::TRect LampRect() const;
  platform::TRect CaptionRect() const;

  platform::Handler OnChange;
  platform::Handler OnChangeUser;

 protected:
  void DoPaint(platform::Canvas& Canvas) override;
  // The item-binding name this control sends besides its properties.
  void UpdateOPCSpecialList() override { FOPCSpecialList = {QStringLiteral("{MouseDown}")}; }
  virtual void DrawButtonBorder(platform::Canvas& Canvas);
  virtual void DrawCaption(platform::Canvas& Canvas);
  virtual void DrawLamp(platform::Canvas& Canvas);

  void DoKillFocus() override;
  void DoKeyDown(int& Key, Qt::KeyboardModifiers Shift) override;
  void DoKeyUp(int& Key, Qt::KeyboardModifiers Shift) override;
  void DoMouseDown(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y) override;
  void DoMouseUp(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y) override;
  bool event(QEvent* e) override;
  void keyReleaseEvent(QKeyEvent* e) override;

 private:
  void DoChange();
  void UserSetActive(bool v);
  bool Pressed() const { return FMouseDown || FKeyDown; }
  platform::TRect InnerBox() const;
  // The caption box and its alignment flags.
  platform::TRect CaptionBox(TwTextFlags& Flags) const;

  bool FMouseDown = false;
  bool FKeyDown = false;
  bool FActive = false;
  platform::TColor FActiveColor = platform::clLime;
  bool FAutoLedSize = true;
  QString FCaption = QStringLiteral("On");
  platform::TFont FCaptionFont;
  int FCaptionMargin = 2;
  int FIndicatorHeight = 4;
  TwSideAlignment FIndicatorAlignment = isaBottom;
  int FIndicatorMargin = 5;
  int FIndicatorWidth = 10;
  bool FShowFocusRect = true;
  TwSwitchLedCaptionAlignment FCaptionAlignment = islcaIndicator;
  // This class's own flag (it hides the base's input flag).
  bool FUserGenerated = false;
  bool FWordWrap = false;
  int FBorderSize = 2;
  QImage FGlyph;
  platform::TColor FBorderShadowColor = platform::clBtnShadow;
  platform::TColor FBorderHighlightColor = platform::clBtnHighlight;
  TwSwitchMomentaryStyle FMomentaryStyle = ismsNone;
  int FAccelerator = 0;
};
