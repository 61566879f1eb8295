// TwCheckBox: a self-drawn check box on the instrument base. A 13-pixel box
// with a three-pixel tick and the caption beside it, on BackGroundColor;
// Alignment taRightJustify puts the box left and the caption right of it,
// taLeftJustify the caption left and the box at the right edge.
//
// SetChecked with a new value asks OnRequestEdit("Checked") first; when
// allowed it stores, repaints and runs the change step DoChange
// (OnChangeProtected("Checked"), OnChange, and OnChangeUser for the user's
// own mouse or Space key), then hands "Checked" to the item binding. Nothing
// fires while loading. Subclasses extend DoChange.
//
// With AutoSize the control is TextWidth(Caption) + 20 wide and
// TextHeight(Caption) + 4 high after every change of Caption, Font or
// AutoSize; taLeftJustify keeps the right edge where it was.
//
// Input: a left press takes the focus and greys the box; the release toggles
// only inside the control. Space down greys it, Space up toggles.
#pragma once

#include <QString>

#include "controls/wWinComponent.h"

enum TLeftRight { taLeftJustify, taRightJustify };

class TwCheckBox : public TwCustomComponent {
  Q_OBJECT
 public:
  explicit TwCheckBox(QWidget* parent = nullptr);

  bool Checked() const { return FChecked; }
  void SetChecked(bool Value);
  QString Caption() const { return FCaption; }
  void SetCaption(const QString& Value);
  TLeftRight Alignment() const { return FAlignment; }
  void SetAlignment(TLeftRight Value);
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool Value);
  const platform::TFont& Font() const { return FFont; }
  void SetFont(const platform::TFont& Value);
  bool TabStop() const { return focusPolicy() != Qt::NoFocus; }
  void SetTabStop(bool Value) { setFocusPolicy(Value ? Qt::StrongFocus : Qt::NoFocus); }

  // The box and the caption as painted.
  platform::TRect BoxRect() const;
  platform::TRect CaptionRect() const;

  platform::Handler OnChange;
  platform::Handler OnChangeUser;

 protected:
  virtual void DoChange();
  void DoAutoSize();

  void DoPaint(platform::Canvas& Canvas) override;
  virtual void drawBox(platform::Canvas& Canvas);
  virtual void drawCaption(platform::Canvas& Canvas);
  virtual void drawCheck(platform::Canvas& Canvas);
  virtual void drawFocus(platform::Canvas& Canvas);

  void DoMouseDown(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y) override;
  void DoMouseUp(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y) override;
  void DoKeyDown(int& Key, Qt::KeyboardModifiers Shift) override;
  void DoKeyUp(int& Key, Qt::KeyboardModifiers Shift) override;
  void DoKillFocus() override;

 private:
  platform::TSize CaptionSize() const;

  bool FChecked = false;
  QString FCaption = QStringLiteral("Caption");
  bool FAutoSize = true;
  bool FDoingAutoSize = false;
  TLeftRight FAlignment = taRightJustify;
  platform::TFont FFont;
  bool FMouseDown = false;
  bool FKeyDown = false;
};
