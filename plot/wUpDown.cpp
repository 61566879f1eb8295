#include "plot/wUpDown.h"

#include <QMouseEvent>

#include <algorithm>

#include "controls/wDraw.h"
#include "plot/wEditorEdit.h"

using namespace platform;

TwUpDown::TwUpDown(QWidget* parent) : QWidget(parent) {
  resize(15, 21);
  FTimer.setTimerType(Qt::PreciseTimer);
  connect(&FTimer, &QTimer::timeout, this, &TwUpDown::TimerTick);
}

void TwUpDown::SetAssociate(TwComponentEditorEdit* Value) {
  FAssociate = Value;
  if (!Value) return;
  setGeometry(Value->x() + Value->width(), Value->y(), width(), Value->height());
}

int TwUpDown::AsInteger() const { return FAssociate ? FAssociate->AsInteger() : 0; }

void TwUpDown::SetAsInteger(int Value) {
  if (!FAssociate) return;
  if (FMin != 0 || FMax != 0) Value = std::clamp(Value, int(FMin), int(FMax));
  if (FUserGenerated)
    FAssociate->SetIntegerWithEvent(Value);
  else
    FAssociate->SetAsInteger(Value);
}

void TwUpDown::Disable() {
  setEnabled(false);
  if (FAssociate) FAssociate->Disable();
  update();
}

void TwUpDown::Enable() {
  setEnabled(true);
  if (FAssociate) FAssociate->Enable();
  update();
}

// ---- geometry -----------------------------------------------------------------

TRect TwUpDown::UpButtonRect() const {
  const int c = (height() - 1) / 2;
  return {0, 0, width(), c};
}

TRect TwUpDown::DownButtonRect() const {
  const int c = (height() - 1) / 2;
  return {0, height() - c, width(), height()};
}

void TwUpDown::CalcPressed() {
  const QPoint p(FMouseDownX, FMouseDownY);
  FUpButtonPressed = FMouseDown && ToQRect(UpButtonRect()).contains(p);
  FDownButtonPressed = FMouseDown && ToQRect(DownButtonRect()).contains(p);
}

// ---- paint --------------------------------------------------------------------

void TwUpDown::paintEvent(QPaintEvent*) {
  CalcPressed();
  Canvas canvas(this);
  drawButton(canvas, UpButtonRect(), FUpButtonPressed, true);
  drawButton(canvas, DownButtonRect(), FDownButtonPressed, false);
}

void TwUpDown::drawButton(Canvas& Canvas, const TRect& R, bool Pressed, bool Up) {
  Canvas.Brush = TBrush{clBtnFace, bsSolid};
  Canvas.FillRect(R);
  DrawBorder3D(Canvas, R, Pressed ? 0 : 1);
  const int s = std::min(height() / 2, width()) / 7;
  const int cx = (R.Left + R.Right) / 2, cy = (R.Top + R.Bottom) / 2;
  const TColor color = isEnabled() ? clBlack : TColor(0x808080);
  Canvas.Pen = TPen{color, 1, psSolid, pmCopy};
  Canvas.Brush = TBrush{color, bsSolid};
  if (Up) {
    const TPoint arrow[] = {{cx - 2 * s, cy + s}, {cx, cy - s}, {cx + 2 * s, cy + s}};
    Canvas.Polygon(arrow);
  } else {
    const TPoint arrow[] = {{cx - 2 * s, cy - s}, {cx + 2 * s, cy - s}, {cx, cy + s}};
    Canvas.Polygon(arrow);
  }
}

// ---- input --------------------------------------------------------------------

void TwUpDown::Step() {
  FUserGenerated = true;
  struct Clear {
    bool& f;
    ~Clear() { f = false; }
  } clear{FUserGenerated};
  SetAsInteger(AsInteger() + (FUpButtonPressed ? FIncrement : -FIncrement));
}

void TwUpDown::mousePressEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton) return;
  FMouseDownX = e->position().toPoint().x();
  FMouseDownY = e->position().toPoint().y();
  FMouseDown = true;
  CalcPressed();
  FTimer.start(500);
  FFirstTimerMessage = true;
  Step();
  update();
}

void TwUpDown::TimerTick() {
  if (FFirstTimerMessage) {
    FFirstTimerMessage = false;
    FTimer.setInterval(50);
  }
  CalcPressed();
  Step();
  update();
}

void TwUpDown::mouseMoveEvent(QMouseEvent* e) {
  FMouseDownX = e->position().toPoint().x();
  FMouseDownY = e->position().toPoint().y();
  if (FMouseDown) update();
}

void TwUpDown::mouseReleaseEvent(QMouseEvent*) {
  FMouseDown = false;
  FTimer.stop();
  CalcPressed();
  update();
}
