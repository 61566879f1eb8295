// TwPlotDataCursor: properties, styles, value gathering, channel lookup,
// notifications and hit test.
#include "plot/wPlotDataCursor.h"

#include <cmath>

#include "plot/wPlot.h"
#include "plot/wPlotComponent.h"
#include "plot/wPlotDataView.h"
#include "plot/wXYPlot.h"

TwPlotDataCursor::TwPlotDataCursor(TwPlotComponent* AOwner, TwNotifyEvent AOnChange, TwNotifyEvent AOnInsert,
                                   TwNotifyEvent AOnRemove, TwNotifyEvent AOnRename)
    : TwPlotManagerObject(AOwner, std::move(AOnChange), std::move(AOnInsert), std::move(AOnRemove),
                          std::move(AOnRename)) {
  TwPlotObject::SetVisible(false);
  ApplyStyle();
}

// ---- properties ----

void TwPlotDataCursor::SetChannelName(const QString& Value) {
  if (Value == FChannelName) return;
  FChannelName = Value;
  FChannel = nullptr;
  DoChange();
}

void TwPlotDataCursor::SetStyle(TwPlotDataCursorStyle Value) {
  if (Value == FStyle) return;
  FStyle = Value;
  ApplyStyle();
  DoChange();
}

void TwPlotDataCursor::SetFont(const platform::TFont& Value) {
  if (Value == FFont) return;
  FFont = Value;
  DoChange();
}

void TwPlotDataCursor::SetHintOrientationSide(TwOrientationSide Value) {
  if (Value == FHintOrientationSide) return;
  FHintOrientationSide = Value;
  DoChange();
}

namespace {
double ClampPercent(double Value) {
  if (!(Value >= 0)) return 0;
  return Value > 100 ? 100 : Value;
}
}  // namespace

void TwPlotDataCursor::SetPointer1Position(double Value) {
  SetDoubleProperty(ClampPercent(Value), FPointer1Position, ipnChange);
}

void TwPlotDataCursor::SetPointer2Position(double Value) {
  SetDoubleProperty(ClampPercent(Value), FPointer2Position, ipnChange);
}

void TwPlotDataCursor::ClampPositions() {
  FHintPosition = ClampPercent(FHintPosition);
  FPointer1Position = ClampPercent(FPointer1Position);
  FPointer2Position = ClampPercent(FPointer2Position);
}

void TwPlotDataCursor::SetVisible(bool Value) {
  TwPlotManagerObject::SetVisible(Value);
  if (Value) UpdateValues();
}

void TwPlotDataCursor::SetXYAxesReversed(bool Value) {
  TwPlotManagerObject::SetXYAxesReversed(Value);
  ApplyStyle();
}

// ---- style ----

bool TwPlotDataCursor::OwnerIsXY() const { return dynamic_cast<TwXYPlot*>(Owner()); }
bool TwPlotDataCursor::OwnerIsTimeSeries() const { return dynamic_cast<TwPlot*>(Owner()); }

void TwPlotDataCursor::ApplyStyle() {
  const bool xy = OwnerIsXY();
  switch (FStyle) {
    case ipcsValueXY:
      FPointer1Show = true;
      FPointer1Orientation = ioVertical;
      FPointer2Show = xy;
      if (xy) FPointer2Orientation = ioHorizontal;
      FHintOrientation = ioVertical;
      break;
    case ipcsValueX:
      FPointer1Show = true;
      FPointer1Orientation = ioVertical;
      FPointer2Show = false;
      FHintOrientation = ioVertical;
      break;
    case ipcsValueY:
      if (xy) {
        FPointer1Show = false;
        FPointer2Show = true;
        FPointer2Orientation = ioHorizontal;
        FHintOrientation = ioHorizontal;
      } else {
        FPointer1Show = true;
        FPointer1Orientation = ioVertical;
        FPointer2Show = false;
        FHintOrientation = ioVertical;
      }
      break;
    case ipcsDeltaX:
    case ipcsInverseDeltaX:
      FPointer1Show = FPointer2Show = true;
      FPointer1Orientation = FPointer2Orientation = ioVertical;
      FHintOrientation = ioVertical;
      break;
    case ipcsDeltaY:
      FPointer1Show = FPointer2Show = true;
      FPointer1Orientation = FPointer2Orientation = ioHorizontal;
      FHintOrientation = ioHorizontal;
      break;
  }
  if (XYAxesReversed()) {
    auto turn = [](TwOrientation& o) { o = o == ioVertical ? ioHorizontal : ioVertical; };
    turn(FPointer1Orientation);
    turn(FPointer2Orientation);
    turn(FHintOrientation);
  }
}

// ---- values ----

int TwPlotDataCursor::Index() const {
  TwPlotComponent* p = Owner();
  if (!p) return -1;
  for (int i = 0; i < p->DataCursorCount(); ++i)
    if (p->GetDataCursor(i) == this) return i;
  return -1;
}

TwPlotChannelCustom* TwPlotDataCursor::GetChannel() {
  if (!FChannel && Owner()) FChannel = Owner()->GetChannelByName(FChannelName);
  return FChannel;
}

void TwPlotDataCursor::UpdateValues() {
  TwPlotComponent* p = Owner();
  if (!p) return;
  try {
    p->DoBeforeDataCursorUpdateEvent(this);
    if (IsAll()) {
      for (int i = 0; i < p->ChannelCount(); ++i) p->GetChannelCustom(i)->UpdateDataCursor(this);
    } else if (TwPlotChannelCustom* c = GetChannel()) {
      c->UpdateDataCursor(this);
    }
  } catch (...) {
    // A paint never fails for the cursor's values; the last report stays.
  }
}

void TwPlotDataCursor::SetValues(TwPlotDataPointStatus Status, double X, double Y) {
  auto differs = [](double a, double b) { return a != b && !(std::isnan(a) && std::isnan(b)); };
  if (!differs(X, FValueX) && !differs(Y, FValueY) && Status == FStatus) return;
  FValueX = X;
  FValueY = Y;
  FStatus = Status;
  if (Owner()) Owner()->DoDataCursorChangeEvent(this);
}

// ---- notifications ----

void TwPlotDataCursor::NotificationRemove(TwPersistent* Sender) {
  if (Sender && Sender == static_cast<TwPersistent*>(FChannel)) FChannel = nullptr;
  if (Sender && Sender == static_cast<TwPersistent*>(FDataView)) FDataView = nullptr;
}

void TwPlotDataCursor::NotificationRename(TwPersistent* Sender) {
  if (Sender && Sender == static_cast<TwPersistent*>(FChannel)) FChannelName = FChannel->Name();
}

void TwPlotDataCursor::NotificationSetFocus(TwPersistent* Sender) {
  auto* o = dynamic_cast<TwPlotObject*>(Sender);
  if (!o || o == this || !o->UserSelected()) return;
  if (auto* channel = dynamic_cast<TwPlotChannelCustom*>(o)) {
    if (channel == GetChannel()) return;
    if (UserSelected()) {
      SetChannelName(channel->Name());
      return;
    }
  }
  SetUserSelected(false);
}

void TwPlotDataCursor::DoGotFocus() {
  TwPlotManagerObject::DoGotFocus();
  if (TwPlotChannelCustom* c = GetChannel()) c->SetUserSelected(true);
}

// ---- hit test and mouse cursor ----

namespace {
bool Holds(const platform::TRect& r, int X, int Y) { return X >= r.Left && X < r.Right && Y >= r.Top && Y < r.Bottom; }
}  // namespace

bool TwPlotDataCursor::DoHitTest(const TwPlotMouseData& d) {
  if (!FDataView) return false;
  if (FPointer1Show && Holds(FPointer1Rect, d.X, d.Y)) return true;
  if (FPointer2Show && Holds(FPointer2Rect, d.X, d.Y)) return true;
  return FHintShowing && Holds(FHintRect, d.X, d.Y);
}

TCursor TwPlotDataCursor::GetMouseCursor(const TwPlotMouseData&) {
  TCursor c = crHandPoint;
  if (Owner()) Owner()->DoGetMouseCursorEvent(this, c);
  return c;
}

void TwPlotDataCursor::RepaintNow() {
  if (OnInvalidateNow) OnInvalidateNow(this);
}
