// TwPlotDataCursor: the keys, the snapping of pointers onto data points and
// the GetInterpolatedYValue probe.
#include <algorithm>
#include <cmath>

#include "plot/wPlotAxis.h"
#include "plot/wPlotChannel.h"
#include "plot/wPlotComponent.h"
#include "plot/wPlotDataCursor.h"
#include "plot/wPlotDataView.h"

namespace {

double ClampPercent(double Value) {
  if (!(Value >= 0)) return 0;
  return Value > 100 ? 100 : Value;
}

int PointCount(const TwPlotChannelCustom* c) { return c->Count(); }
double PointX(const TwPlotChannelCustom* c, int i) { return c->GetDataX(i); }

}  // namespace

// ---- keys ----

void TwPlotDataCursor::DoKeyDown(int& CharCode, Qt::KeyboardModifiers Shift, TwPlotPopupMenu* PopupMenu) {
  TwPlotManagerObject::DoKeyDown(CharCode, Shift, PopupMenu);
  if (!FDataView) return;
  if (SnapToDataPoint) KeySnap(CharCode, Shift);
  else KeyMove(CharCode, Shift);
}

void TwPlotDataCursor::KeyMove(int CharCode, Qt::KeyboardModifiers Shift) {
  const double px = std::fabs(FDataView->PixelsXToPositionPercent(101) - FDataView->PixelsXToPositionPercent(100));
  const double py = std::fabs(FDataView->PixelsYToPositionPercent(100) - FDataView->PixelsYToPositionPercent(101));
  const bool ctrl = Shift & Qt::ControlModifier;
  if (ctrl && !FPointer2Show) return;
  double& pointer = ctrl ? FPointer2Position : FPointer1Position;
  const TwOrientation orientation = ctrl ? FPointer2Orientation : FPointer1Orientation;
  const bool shown = ctrl ? FPointer2Show : FPointer1Show;
  const double page = 5 * (orientation == ioHorizontal ? py : px);
  switch (CharCode) {
    case Qt::Key_PageUp: pointer += page; break;
    case Qt::Key_PageDown: pointer -= page; break;
    case Qt::Key_End: pointer = 100; break;
    case Qt::Key_Home: pointer = 0; break;
    case Qt::Key_Left:
    case Qt::Key_Right: {
      const double step = CharCode == Qt::Key_Right ? px : -px;
      if (!ctrl && FHintShow && FHintOrientation == ioHorizontal) FHintPosition += step;
      if (shown && orientation == ioVertical) pointer += step;
      break;
    }
    case Qt::Key_Up:
    case Qt::Key_Down: {
      const double step = CharCode == Qt::Key_Up ? py : -py;
      if (!ctrl && FHintShow && FHintOrientation == ioVertical) FHintPosition += step;
      if (shown && orientation == ioHorizontal) pointer += step;
      break;
    }
    default: return;
  }
  ClampPositions();
  RepaintNow();
}

void TwPlotDataCursor::StepHint(bool Increase) {
  if (!FDataView) return;
  const double step = FHintOrientation == ioVertical
                          ? std::fabs(FDataView->PixelsYToPositionPercent(100) -
                                      FDataView->PixelsYToPositionPercent(101))
                          : std::fabs(FDataView->PixelsXToPositionPercent(101) -
                                      FDataView->PixelsXToPositionPercent(100));
  FHintPosition = ClampPercent(FHintPosition + (Increase ? step : -step));
  RepaintNow();
}

void TwPlotDataCursor::KeySnap(int CharCode, Qt::KeyboardModifiers Shift) {
  const bool ctrl = Shift & Qt::ControlModifier;
  if (ctrl && !FPointer2Show) return;
  const int n = ctrl ? 2 : 1;
  switch (CharCode) {
    case Qt::Key_PageUp: case Qt::Key_PageDown: case Qt::Key_End: case Qt::Key_Home:
    case Qt::Key_Left: case Qt::Key_Right: case Qt::Key_Up: case Qt::Key_Down: break;
    default: return;
  }
  SnapPointer(n);
  // Without a fresh snap (ipcsDeltaY never snaps) the point keys have nothing
  // to step from; the hint keys still work.
  const bool points = FStyle != ipcsDeltaY;
  auto move = [&](int Steps) {
    if (points) MovePointerToDataPoint(FSnapToIndexChannel, FSnapToIndexData, Steps, n);
  };
  const bool reversed = XYAxesReversed();
  switch (CharCode) {
    case Qt::Key_PageUp: move(5); break;
    case Qt::Key_PageDown: move(-5); break;
    case Qt::Key_End:
    case Qt::Key_Home: {
      TwPlotComponent* p = Owner();
      if (!points || !p || FSnapToIndexChannel < 0 || FSnapToIndexChannel >= p->ChannelCount()) break;
      const int count = PointCount(p->GetChannelCustom(FSnapToIndexChannel));
      MovePointerToDataPoint(FSnapToIndexChannel, CharCode == Qt::Key_End ? count - 1 : 0, 0, n);
      break;
    }
    case Qt::Key_Left: reversed ? StepHint(false) : move(-1); break;
    case Qt::Key_Right: reversed ? StepHint(true) : move(1); break;
    case Qt::Key_Up: reversed ? move(1) : StepHint(true); break;
    case Qt::Key_Down: reversed ? move(-1) : StepHint(false); break;
    default: break;
  }
}

// ---- snapping ----

void TwPlotDataCursor::DoSnapToDataPoint() {
  SnapPointer(1);
  SnapPointer(2);
}

int TwPlotDataCursor::FindNearestIndex(TwPlotChannel* Channel, double T, double& Distance) const {
  Distance = 1e300;
  const int n = PointCount(Channel);
  if (n == 0) return -1;
  if (T >= PointX(Channel, n - 1)) {
    Distance = std::fabs(T - PointX(Channel, n - 1));
    return n - 1;
  }
  if (T <= PointX(Channel, 0)) {
    Distance = std::fabs(T - PointX(Channel, 0));
    return 0;
  }
  const int i = Channel->CalcIndex(T);
  if (i == -1) return -1;
  int result = i;
  double d = std::fabs(T - PointX(Channel, i));
  if (i > 0 && std::fabs(T - PointX(Channel, i - 1)) < d) {
    result = i - 1;
    d = std::fabs(T - PointX(Channel, i - 1));
  }
  if (i < n - 1 && std::fabs(T - PointX(Channel, i + 1)) < d) {
    result = i + 1;
    d = std::fabs(T - PointX(Channel, i + 1));
  }
  Distance = d;
  return result;
}

void TwPlotDataCursor::SnapPointer(int N) {
  TwPlotComponent* p = Owner();
  if (!SnapToDataPoint || !p || !OwnerIsTimeSeries() || FStyle == ipcsDeltaY) return;
  const double position = N == 1 ? FPointer1Position : FPointer2Position;
  double distance = 0;
  if (!IsAll()) {
    auto* c = dynamic_cast<TwPlotChannel*>(GetChannel());
    if (!c || !c->XAxis()) return;
    const int k = FindNearestIndex(c, c->XAxis()->PercentToPosition(position / 100), distance);
    FSnapToIndexChannel = p->GetChannelIndexByName(FChannelName);
    FSnapToIndexData = k;
  } else {
    double best = 1e300;
    FSnapToIndexChannel = FSnapToIndexData = -1;
    for (int i = 0; i < p->ChannelCount(); ++i) {
      auto* c = dynamic_cast<TwPlotChannel*>(p->GetChannelCustom(i));
      if (!c || !c->XAxis()) continue;
      const int k = FindNearestIndex(c, c->XAxis()->PercentToPosition(position / 100), distance);
      if (k != -1 && distance < best) {
        best = distance;
        FSnapToIndexChannel = i;
        FSnapToIndexData = k;
      }
    }
  }
  MovePointerToDataPoint(FSnapToIndexChannel, FSnapToIndexData, 0, N);
}

void TwPlotDataCursor::MovePointerToDataPoint(int ChannelIndex, int Index, int Step, int N) {
  TwPlotComponent* p = Owner();
  if (!p || !OwnerIsTimeSeries() || ChannelIndex < 0 || ChannelIndex >= p->ChannelCount()) return;
  TwPlotChannelCustom* c = p->GetChannelCustom(ChannelIndex);
  TwPlotAxis* axis = c->XAxis();
  if (!axis) return;
  const int count = PointCount(c);
  if (count == 0) return;
  int k = axis->ReverseScale() ? Index - Step : Index + Step;
  k = std::max(0, std::min(k, count - 1));
  const double x = PointX(c, k);
  const double span = axis->Span();
  if (!(x <= axis->Max())) axis->SetMin(x - span + span / 40);
  else if (x < axis->Min()) axis->SetMin(x - span / 40);
  const double percent = axis->PositionToPercent(x) * 100;
  if (N == 1) SetPointer1Position(percent);
  else SetPointer2Position(percent);
}

// ---- probe ----

TwPlotDataPointStatus TwPlotDataCursor::GetInterpolatedYValue(const QString& AChannelName, double XValue,
                                                              double& YValue) {
  YValue = 0;
  TwPlotComponent* p = Owner();
  auto* channel = p ? dynamic_cast<TwPlotChannel*>(p->GetChannelByName(AChannelName)) : nullptr;
  TwPlotAxis* axis = channel ? channel->XAxis() : nullptr;
  if (!axis) return ipdpsNull;
  axis->SetBlockMinSpanEvents(true);
  struct Unblock {
    TwPlotAxis* axis;
    ~Unblock() { axis->SetBlockMinSpanEvents(false); }
  } unblock{axis};
  const bool visible = Visible();
  const TwPlotDataCursorStyle style = FStyle;
  const QString name = FChannelName;
  const double pointer1 = FPointer1Position;
  const double min = axis->Min();
  SetVisible(true);
  SetStyle(ipcsValueXY);
  SetChannelName(AChannelName);
  if (UseCachedInterpolatedData) {
    SetPointer1Position(axis->PositionToPercent(XValue) * 100);
    UpdateValues();
  } else {
    SetPointer1Position(0);
    axis->SetMin(XValue);
    p->ReCalcLayout();
  }
  const TwPlotDataPointStatus result = FStatus;
  YValue = FValueY;
  SetVisible(visible);
  SetStyle(style);
  SetChannelName(name);
  SetPointer1Position(pointer1);
  axis->SetMin(min);
  return result;
}
