// A plot for input tests: the forms' XY plot (so only the data view and the
// channels are reachable) whose private timer runs on test-driven time, fake
// objects of any kind with fixed hit rectangles and hint texts that record
// what reaches them, and mouse, wheel and leave events sent straight to the
// plot.
#pragma once

#include <QApplication>
#include <QMouseEvent>
#include <QWheelEvent>

#include <functional>
#include <string>
#include <vector>

#include "plot/wPlotChannel.h"
#include "plot/wXYPlot.h"

// Records the entry points that reach it; a pressed fake reports its click
// on release, as the concrete objects do.
template <class Base>
class Fake : public Base {
 public:
  explicit Fake(TwPlotComponent* Plot)
      : Base(Plot, Plot->Master()->ChangeHook(), Plot->Master()->InsertHook(), Plot->Master()->RemoveHook(),
             Plot->Master()->RenameHook()) {}

  QRect rect;
  // The hint at a mouse X; none when empty.
  std::function<QString(int X)> hint;
  // Repeat presses on the other axes, as a master axis does.
  bool repeat = false;
  TCursor cursor = crDefault;
  std::vector<std::string> calls;

  // The fake's cursor, as the plot's handler leaves it.
  TCursor GetMouseCursor(const TwPlotMouseData&) override {
    TCursor c = cursor;
    this->Owner()->DoGetMouseCursorEvent(this, c);
    return c;
  }

 protected:
  bool DoHitTest(const TwPlotMouseData& d) override { return rect.contains(d.X, d.Y); }
  void DoMouseHint(const TwPlotMouseData& d, TwHintData& h) override {
    if (!hint) return;
    h.Text = hint(d.X);
    h.Left = d.X + 8;
    h.Top = d.Y + 8;
    h.Width = 40;
    h.Height = 16;
  }
  void DoMouseLeft(const TwPlotMouseData& d) override {
    calls.push_back("left");
    if (repeat) this->Owner()->RepeatAxisMouseLeft(this, d);
  }
  void DoMouseRight(const TwPlotMouseData&) override { calls.push_back("right"); }
  void DoMouseMove(const TwPlotMouseData&) override { calls.push_back("move"); }
  void DoMouseUp(const TwPlotMouseData&) override {
    if (!this->MouseDown()) return;
    calls.push_back("up");
    this->Owner()->DoClickEvent(this);
  }
  bool DoMouseWheel(int, Qt::KeyboardModifiers, int, int) override {
    calls.push_back("wheel");
    return false;
  }
};

// A toolbar whose one button takes the mouse over its rectangle.
class FakeToolBar : public Fake<TwPlotToolBar> {
 public:
  explicit FakeToolBar(TwPlotComponent* Plot) : Fake<TwPlotToolBar>(Plot), button(Plot) {}
  TwPlotObject* GetMouseOverObject(int X, int Y) override {
    if (button.HitTest(X, Y)) {
      FMouseOverObject = &button;
      return &button;
    }
    return Fake<TwPlotToolBar>::GetMouseOverObject(X, Y);
  }
  TwPlotToolBarButton button;
};

class InputPlot : public TwXYPlot {
 public:
  InputPlot() {
    resize(400, 300);
    SetupFormPlot(this);
    ReCalcLayout();
  }

  template <class T>
  T* Add(const QRect& r) {
    auto* o = new T(this);
    o->rect = r;
    o->DoInsert();
    return o;
  }

  // ---- the private timer on test time ----
  bool TimerActive() override { return FActive; }
  void TimerStart(int FirstDelay, int Interval) override {
    if (FActive || (FirstDelay == 0 && Interval == 0)) return;
    FActive = true;
    FElapsed = 0;
    FNext = FirstDelay != 0 ? FirstDelay : Interval;
    FInterval = Interval;
  }
  void TimerStop() override { FActive = false; }
  int TimerInterval() const { return FInterval; }
  // Lets Ms milliseconds pass, ticking the timer when due.
  void Advance(int Ms) {
    while (FActive) {
      if (Ms < FNext - FElapsed) {
        FElapsed += Ms;
        return;
      }
      Ms -= FNext - FElapsed;
      FElapsed = 0;
      FNext = FInterval;
      if (OnInternalTimer) OnInternalTimer(this);
    }
  }

  // ---- events sent straight to the plot ----
  void Send(QEvent::Type Type, QPoint P, Qt::MouseButton Button, Qt::MouseButtons Buttons,
            Qt::KeyboardModifiers Mods = {}) {
    QMouseEvent e(Type, QPointF(P), QPointF(mapToGlobal(P)), Button, Buttons, Mods);
    QApplication::sendEvent(this, &e);
  }
  void Press(QPoint P, Qt::MouseButton B = Qt::LeftButton, Qt::KeyboardModifiers Mods = {}) {
    Send(QEvent::MouseButtonPress, P, B, B, Mods);
  }
  void Release(QPoint P, Qt::MouseButton B = Qt::LeftButton, Qt::KeyboardModifiers Mods = {}) {
    Send(QEvent::MouseButtonRelease, P, B, Qt::NoButton, Mods);
  }
  void Click(QPoint P, Qt::MouseButton B = Qt::LeftButton, Qt::KeyboardModifiers Mods = {}) {
    Press(P, B, Mods);
    Release(P, B, Mods);
  }
  // As Qt reports it: the second press comes as the double click.
  void DoubleClick(QPoint P) {
    Click(P);
    Send(QEvent::MouseButtonDblClick, P, Qt::LeftButton, Qt::LeftButton);
    Release(P);
  }
  void Move(QPoint P, Qt::MouseButtons Buttons = Qt::NoButton) { Send(QEvent::MouseMove, P, Qt::NoButton, Buttons); }
  // Whether the plot took the turn.
  bool Wheel(QPoint P, int Delta = 120) {
    QWheelEvent e(QPointF(P), QPointF(mapToGlobal(P)), QPoint(), QPoint(0, Delta), Qt::NoButton, Qt::NoModifier,
                  Qt::NoScrollPhase, false);
    e.setAccepted(false);
    QApplication::sendEvent(this, &e);
    return e.isAccepted();
  }
  void Leave() {
    QEvent e(QEvent::Leave);
    QApplication::sendEvent(this, &e);
  }

 private:
  bool FActive = false;
  int FElapsed = 0, FNext = 0, FInterval = 0;
};
