// TUpDown: a pair of arrow buttons, up above down, that step an integer
// Position within Min ... Max by Increment.
//
// A step asked for by the user (a click on an arrow, the Up or Down key, the
// mouse wheel) first runs OnChangingEx with the requested value Position +-
// Increment and its direction, also when that value lies beyond Min or Max.
// The handler may refuse the step (AllowChange false) or set Position itself;
// when it allows the step, Position becomes the requested value kept within
// Min ... Max. Then OnClick runs with the arrow that stepped. Writing Position
// from code only stores (kept within Min ... Max) and repaints: no event runs.
// A disabled up-down takes no steps.
//
// Tag and HelpContext carry the indices of the row of controls it belongs to;
// HelpContext lives in the object's "HelpContext" property, where the pages'
// other controls keep theirs.
#pragma once

#include <QWidget>

#include <functional>

enum class TUpDownDirection { updNone, updUp, updDown };
enum class TUDBtnType { btNext, btPrev };

class TUpDown : public QWidget {
  Q_OBJECT
 public:
  explicit TUpDown(QWidget* parent = nullptr);

  int Min() const { return FMin; }
  void SetMin(int v);
  int Max() const { return FMax; }
  void SetMax(int v);
  int Position() const { return FPosition; }
  // Kept within Min ... Max; fires nothing.
  void SetPosition(int v);
  int Increment() const { return FIncrement; }
  void SetIncrement(int v) { FIncrement = v; }
  int Tag() const;
  void SetTag(int v);
  int HelpContext() const;
  void SetHelpContext(int v);
  bool Enabled() const { return isEnabled(); }
  void SetEnabled(bool v) { setEnabled(v); }

  // One user step, as an arrow click does.
  void Step(TUDBtnType button);
  // A request for value v that behaves like a user's step (OnChangingEx with
  // v, then Position := v kept within Min ... Max unless refused); no OnClick.
  // An equal value or a disabled up-down does nothing.
  void RequestPosition(int v);

  std::function<void(QObject* Sender, bool& AllowChange, int NewValue, TUpDownDirection Direction)> OnChangingEx;
  std::function<void(QObject* Sender, TUDBtnType Button)> OnClick;

  QSize sizeHint() const override { return QSize(17, 24); }

 protected:
  void paintEvent(QPaintEvent*) override;
  virtual void drawArrow(class QPainter& p, const QRect& r, bool up);
  // The two halves: up above, down below.
  QRect ArrowRect(bool up) const;
  void mousePressEvent(QMouseEvent*) override;
  void mouseReleaseEvent(QMouseEvent*) override;
  void keyPressEvent(QKeyEvent*) override;
  void wheelEvent(QWheelEvent*) override;

 private:
  int FMin = 0, FMax = 100, FPosition = 0, FIncrement = 1;
  int FPressed = 0;  // 1 up, -1 down, 0 none
};
