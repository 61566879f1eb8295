// TwPlotComponent's input: the object under the mouse, press, move,
// release, double click, wheel and keys, the hover hint and the repetition
// of one axis's input on the other axes.
#include <QMouseEvent>

#include "plot/wPlotAxis.h"
#include "plot/wPlotChannelCustom.h"
#include "plot/wPlotComponent.h"
#include "plot/wPlotDataView.h"
#include "plot/wPlotKinds.h"

using platform::TRect;

namespace {

bool IsToolBarButton(const TwPlotObject* o) { return dynamic_cast<const TwPlotToolBarButton*>(o) != nullptr; }

// Windows PtInRect: an empty rectangle holds no point.
bool PtInRect(const TRect& r, int X, int Y) { return X >= r.Left && X < r.Right && Y >= r.Top && Y < r.Bottom; }

void SetPlotCursor(QWidget* w, TCursor Cursor) {
  if (Cursor == crDefault) w->unsetCursor();
  else w->setCursor(CursorShapeOf(Cursor));
}

}  // namespace

// ---- the object under the mouse ----

void TwPlotComponent::SetAxisPixels(TwPlotMouseData& MouseData) const {
  const bool reverse = XYAxesReverse();
  MouseData.XAxisPixels = reverse ? MouseData.Y : MouseData.X;
  MouseData.YAxisPixels = reverse ? MouseData.X : MouseData.Y;
}

TwPlotObject* TwPlotComponent::GetObjectUnderMouse(const TwPlotMouseData& MouseData) {
  TwPlotObjectManager* om = GetPlotObjectManager();
  if (!om) return nullptr;
  auto underlay = [](const TwPlotObject* o) {
    return dynamic_cast<const TwPlotDataView*>(o) || dynamic_cast<const TwPlotLegend*>(o);
  };
  auto usable = [&](TwPlotObject* o) { return o->Enabled() && o->Visible() && o->DoHitTest(MouseData); };
  // Selected objects first, then the others; data views and legends, which
  // lie under everything, last.
  for (int pass = 1; pass <= 3; ++pass) {
    for (int i = 0; i < om->Count(); ++i) {
      TwPlotObject* o = om->GetPlotObject(i);
      if (dynamic_cast<TwPlotDataViewLayout*>(o)) continue;
      if ((pass == 3) != underlay(o)) continue;
      if (pass == 1 && !o->UserSelected()) continue;
      if (usable(o)) return o->GetMouseOverObject(MouseData.X, MouseData.Y);
    }
  }
  return nullptr;
}

QPoint TwPlotComponent::ScreenOf(int X, int Y) const { return mapToGlobal(QPoint(X, Y)); }

void TwPlotComponent::SetAllShiftState(Qt::KeyboardModifiers Shift) {
  FShiftState = Shift;
  if (TwPlotObjectManager* om = GetPlotObjectManager()) om->SetShiftState(Shift);
}

// ---- press, move, release ----

void TwPlotComponent::DoMouseDown(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y) {
  SetAllShiftState(Shift);
  FMouseDown = true;
  TwPlotMouseData d;
  d.X = X;
  d.Y = Y;
  d.Button = Button;
  d.Shift = Shift;
  d.DblClickActive = FDBLClickActive;
  SetAxisPixels(d);
  setFocus(Qt::MouseFocusReason);
  HideHint();
  const QPoint screen = ScreenOf(X, Y);
  d.ScreenX = screen.x();
  d.ScreenY = screen.y();
  TwPlotObjectManager* om = GetPlotObjectManager();
  if (Button == Qt::RightButton) om->ClearAllUserSelections();
  TwPlotObject* target = GetObjectUnderMouse(d);
  FMouseDownObject = target;
  FLastMouseClickObject = nullptr;
  if (!target) {
    om->ClearAllUserSelections();
    return;
  }
  const bool axis = dynamic_cast<TwPlotAxis*>(target) != nullptr;
  if (Shift & Qt::ShiftModifier) {
    FSelectingActive = axis;
    target->SetUserSelected(true);
  } else if (Shift & Qt::ControlModifier) {
    FSelectingActive = axis;
    target->SetUserSelected(axis ? !target->UserSelected() : true);
  } else if (!dynamic_cast<TwPlotToolBar*>(target) && target->CanFocus()) {
    target->SetUserSelected(true);
  }
  // Qt grabs the mouse for the press by itself.
  const bool alone = Button == Qt::RightButton || dynamic_cast<TwPlotAnnotation*>(target) ||
                     dynamic_cast<TwPlotButton*>(target) || dynamic_cast<TwPlotLimit*>(target) ||
                     !target->CanFocus();
  if (alone) target->wMouseDown(Button, Shift, X, Y, d.ScreenX, d.ScreenY, FPopupMenu.get());
  else om->MouseDownFocusObjects(Button, Shift, X, Y, d.ScreenX, d.ScreenY, FPopupMenu.get());
}

void TwPlotComponent::mouseMoveEvent(QMouseEvent* e) {
  FMoveButtons = e->buttons();
  TwCustomComponent::mouseMoveEvent(e);
}

void TwPlotComponent::DoMouseMove(Qt::KeyboardModifiers Shift, int X, int Y) {
  if (GetDesigning() || FSelectingActive) return;
  try {
    SetAllShiftState(Shift);
    TwPlotMouseData d;
    d.X = X;
    d.Y = Y;
    d.Shift = Shift;
    d.DblClickActive = FDBLClickActive;
    SetAxisPixels(d);
    const QPoint screen = ScreenOf(X, Y);
    d.ScreenX = screen.x();
    d.ScreenY = screen.y();
    TwPlotObjectManager* om = GetPlotObjectManager();
    // Drag: the pressed object, or the selected ones.
    if ((FMoveButtons & (Qt::LeftButton | Qt::RightButton)) && FMouseDownObject) {
      TwHintData hint;
      TwPlotObject* o = FMouseDownObject;
      if (dynamic_cast<TwPlotAnnotation*>(o) || dynamic_cast<TwPlotToolBar*>(o) || !o->CanFocus())
        o->wMouseMove(hint, Shift, X, Y, d.ScreenX, d.ScreenY, FDBLClickActive);
      else
        om->MouseMoveFocusObjects(hint, Shift, X, Y, d.ScreenX, d.ScreenY, FDBLClickActive);
      SetPlotCursor(this, crDefault);
      return;
    }
    // Objects ignore a release they did not see pressed.
    if (FMouseDownObject)
      FMouseDownObject->wMouseUp(Qt::LeftButton, Shift, X, Y, d.ScreenX, d.ScreenY, FDBLClickActive,
                                 FPopupMenu.get());
    om->MouseUpFocusObjects(Qt::LeftButton, Shift, X, Y, d.ScreenX, d.ScreenY, FDBLClickActive, FPopupMenu.get());
    TwPlotObject* target = GetObjectUnderMouse(d);
    if (FLastMouseOverObject && FLastMouseOverObject != target) {
      FLastMouseOverObject->DoMouseNotOver();
      FLastMouseOverObject = nullptr;
    }
    if (!target) {
      SetPlotCursor(this, crDefault);
      return;
    }
    SetPlotCursor(this, target->GetMouseCursor(d));
    TwHintData hint;
    target->wMouseMove(hint, Shift, X, Y, d.ScreenX, d.ScreenY, FDBLClickActive);
    if (FHintsShow) HintSteps(target, hint, X, Y);
    FLastMouseOverObject = target;
  } catch (const std::exception&) {
    // The move is dropped.
  }
}

void TwPlotComponent::DoMouseUp(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y) {
  if (GetDesigning()) return;
  FMouseDown = false;
  SetAllShiftState(Shift);
  HideHint();
  FSelectingActive = false;
  const QPoint screen = ScreenOf(X, Y);
  if (FMouseDownObject)
    FMouseDownObject->wMouseUp(Button, Shift, X, Y, screen.x(), screen.y(), FDBLClickActive, FPopupMenu.get());
  if (TwPlotObjectManager* om = GetPlotObjectManager())
    om->MouseUpFocusObjects(Button, Shift, X, Y, screen.x(), screen.y(), FDBLClickActive, FPopupMenu.get());
  FLastMouseClickObject = FMouseDownObject;
  FLastMouseClickButton = Button;
  FLastMouseClickShift = Shift;
  FLastMouseClickX = X;
  FLastMouseClickY = Y;
  FLastMouseClickScreenX = screen.x();
  FLastMouseClickScreenY = screen.y();
  FMouseDownObject = nullptr;
  FDBLClickActive = false;
}

// Qt reports the double click as a second press that follows this call.
void TwPlotComponent::DoDblClick() { FDBLClickActive = true; }

bool TwPlotComponent::DoMouseWheel(int WheelDelta, Qt::KeyboardModifiers Shift, QPoint MousePos) {
  if (TwPlotObjectManager* om = GetPlotObjectManager()) om->MouseWheelFocusObjects(WheelDelta, Shift, MousePos);
  return true;
}

// ---- keys ----

namespace {
bool IsArrowKey(int Key) {
  return Key == Qt::Key_Left || Key == Qt::Key_Up || Key == Qt::Key_Right || Key == Qt::Key_Down;
}
}  // namespace

void TwPlotComponent::DoWantSpecialKey(int& CharCode, int& Result) {
  if (IsArrowKey(CharCode)) Result = 1;
}

void TwPlotComponent::DoKeyDown(int& CharCode, Qt::KeyboardModifiers Shift) {
  const bool arrow = IsArrowKey(CharCode);
  if (TwPlotObjectManager* om = GetPlotObjectManager()) om->KeyDownFocusObjects(CharCode, Shift, FPopupMenu.get());
  // Taken here, so that the arrows never move the focus.
  if (arrow) CharCode = 0;
}

// ---- leaving ----

void TwPlotComponent::WMCaptureChanged() {
  HideHint();
  FJustReleasedCapture = true;
  if (FHintShowing) InvalidateNow();
  if (FLastMouseOverObject) {
    TwPlotObject* o = FLastMouseOverObject;
    FLastMouseOverObject = nullptr;
    o->DoMouseNotOver();
  }
}

void TwPlotComponent::leaveEvent(QEvent* e) {
  TwCustomComponent::leaveEvent(e);
  WMCaptureChanged();
}

void TwPlotComponent::DoKillFocus() {
  TwCustomComponent::DoKillFocus();
  WMCaptureChanged();
}

// ---- hint ----

void TwPlotComponent::HintSteps(TwPlotObject* Target, const TwHintData& Hint, int X, int Y) {
  FHintData.Text = Hint.Text;
  FHintData.Left = Hint.Left;
  FHintData.Top = Hint.Top;
  FHintData.Width = Hint.Width;
  FHintData.Height = Hint.Height;
  if (FMouseDown) {
    HideHint();
  } else if (Hint.Text.isEmpty()) {
    HideHint();
    FLastHintObject = nullptr;
    FLastHintShowRect = {};
  } else if (FLastHintObject && FLastHintObject != Target && !IsToolBarButton(FLastHintObject)) {
    HideHint();
    FLastHintObject = nullptr;
  } else if (TimerActive() && !FHintData.Visible) {
    // Pending: shown only after the mouse rested HintsPause.
    TimerStop();
    TimerStart(0, FHintsPause);
  } else if (TimerActive()) {
    // Shown: a channel's or a toolbar button's box follows the mouse.
    if (IsToolBarButton(FLastHintObject) || dynamic_cast<TwPlotChannelCustom*>(FLastHintObject)) {
      TimerStop();
      TimerStart(0, FHintsHidePause);
    } else {
      HideHint();
    }
  } else if (!PtInRect(FLastHintShowRect, X, Y) && FLastHintObject != Target) {
    FLastHintX = X;
    FLastHintY = Y;
    FLastHintObject = Target;
    TimerStop();
    TimerStart(0, FHintsPause);
  }
  if (FHintData.Visible) InvalidateNow();
}

void TwPlotComponent::HintTimer() {
  TimerStop();
  if (FHintData.Visible) {
    HideHint();
  } else {
    FHintData.Visible = true;
    FLastHintShowRect = {FLastHintX - 3, FLastHintY - 3, FLastHintX + 3, FLastHintY + 3};
    TimerStart(0, FHintsHidePause);
  }
  InvalidateNow();
}

void TwPlotComponent::HideHint() {
  TimerStop();
  FHintData.Visible = false;
  if (FHintShowing) InvalidateNow();
}

void TwPlotComponent::drawHint(platform::Canvas& Canvas) {
  FHintShowing = FHintData.Visible;
  if (!FHintShowing) return;
  Canvas.Font = FHintsFont;
  Canvas.Brush = platform::TBrush{platform::clInfoBk, platform::bsSolid};
  Canvas.Font.Color = platform::clInfoText;
  Canvas.Pen.Style = platform::psClear;
  const TRect r{FHintData.Left, FHintData.Top, FHintData.Left + FHintData.Width, FHintData.Top + FHintData.Height};
  Canvas.FillRect(r);
  Canvas.BkMode = platform::bkTransparent;
  TRect out;
  DrawTextRotated(Canvas, FHintData.Text, r, out, platform::clInfoText, true, iahCenter, ira000);
}

// ---- axis repetition ----

template <class F>
void TwPlotComponent::RepeatAxis(TwPlotObject* Axis, F Operation) {
  if (FMasterAxisBlock) return;
  FMasterAxisBlock = true;
  struct Unblock {
    bool& block;
    ~Unblock() { block = false; }
  } unblock{FMasterAxisBlock};
  if (dynamic_cast<TwPlotXAxis*>(Axis)) {
    for (int i = 0; i < XAxisCount(); ++i)
      if (GetXAxis(i) != Axis) Operation(GetXAxis(i));
  } else if (dynamic_cast<TwPlotYAxis*>(Axis)) {
    for (int i = 0; i < YAxisCount(); ++i)
      if (GetYAxis(i) != Axis) Operation(GetYAxis(i));
  }
}

void TwPlotComponent::RepeatAxisMouseLeft(TwPlotObject* Axis, const TwPlotMouseData& MouseData) {
  RepeatAxis(Axis, [&](TwPlotObject* a) { a->DoMouseLeft(MouseData); });
}

void TwPlotComponent::RepeatAxisMouseMove(TwPlotObject* Axis, const TwPlotMouseData& MouseData) {
  RepeatAxis(Axis, [&](TwPlotObject* a) { a->DoMouseMove(MouseData); });
}

void TwPlotComponent::RepeatAxisMouseUp(TwPlotObject* Axis, const TwPlotMouseData& MouseData) {
  RepeatAxis(Axis, [&](TwPlotObject* a) { a->DoMouseUp(MouseData); });
}

void TwPlotComponent::RepeatAxisMouseWheel(TwPlotObject* Axis, int WheelDelta, Qt::KeyboardModifiers Shift, int X,
                                           int Y) {
  RepeatAxis(Axis, [&](TwPlotObject* a) { a->DoMouseWheel(WheelDelta, Shift, X, Y); });
}

void TwPlotComponent::RepeatAxisKeyDown(TwPlotObject* Axis, int& CharCode, Qt::KeyboardModifiers Shift,
                                        TwPlotPopupMenu* PopupMenu) {
  RepeatAxis(Axis, [&](TwPlotObject* a) { a->DoKeyDown(CharCode, Shift, PopupMenu); });
}
