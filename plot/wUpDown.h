// TwUpDown: two stacked arrow buttons beside an editor edit (its Associate)
// that step the edit's integer by Increment, within Min .. Max (unbounded
// when both are 0). Setting Associate puts the up-down at the edit's right
// edge with the edit's top and height; when the edit goes, the link goes.
//
// A left press steps once at once, then the repeat timer steps again after
// 500 ms and every 50 ms, in the direction of the button under the pointer
// at that moment (a pointer off both buttons steps down). Mouse steps are
// the user's: the edit is written with SetIntegerWithEvent (UserChange, then
// OnUpdate when the text changed); program writes of AsInteger are silent.
// Disable and Enable switch the up-down and its edit (Disable empties it).
//
// Geometry: with c = (Height - 1) div 2 the up button is (0, 0, Width, c),
// the down button (0, Height - c, Width, Height); UpButtonRect and
// DownButtonRect serve painting and hit-testing alike.
#pragma once

#include <QPointer>
#include <QTimer>
#include <QWidget>

#include "platform/Canvas.h"

class TwComponentEditorEdit;

class TwUpDown : public QWidget {
  Q_OBJECT
 public:
  explicit TwUpDown(QWidget* parent = nullptr);

  TwComponentEditorEdit* Associate() const { return FAssociate; }
  void SetAssociate(TwComponentEditorEdit* Value);
  int Min() const { return FMin; }
  void SetMin(int Value) { FMin = qint16(Value); }
  int Max() const { return FMax; }
  void SetMax(int Value) { FMax = qint16(Value); }
  int Increment() const { return FIncrement; }
  void SetIncrement(int Value) { FIncrement = Value; }
  int AsInteger() const;
  void SetAsInteger(int Value);

  void Disable();
  void Enable();

  platform::TRect UpButtonRect() const;
  platform::TRect DownButtonRect() const;
  bool UpButtonPressed() const { return FUpButtonPressed; }
  bool DownButtonPressed() const { return FDownButtonPressed; }

  // The repeat timer; its ticks run TimerTick (tests call it themselves).
  bool TimerActive() const { return FTimer.isActive(); }
  int TimerInterval() const { return FTimer.interval(); }
  void TimerTick();

 protected:
  void paintEvent(QPaintEvent* e) override;
  virtual void drawButton(platform::Canvas& Canvas, const platform::TRect& R, bool Pressed, bool Up);
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;

 private:
  void CalcPressed();
  void Step();

  QTimer FTimer;
  bool FFirstTimerMessage = false;
  QPointer<TwComponentEditorEdit> FAssociate;
  qint16 FMin = 0;
  qint16 FMax = 100;
  int FIncrement = 1;
  bool FMouseDown = false;
  int FMouseDownX = 0;
  int FMouseDownY = 0;
  bool FUpButtonPressed = false;
  bool FDownButtonPressed = false;
  bool FUserGenerated = false;
};
