#include "plot/wPlotDataView.h"

#include <cmath>
#include <cstdlib>

#include "plot/wPlotComponent.h"
#include "plot/wPlotKinds.h"

using platform::Canvas;
using platform::TColor;
using platform::TRect;

namespace {
const QString kAll = QStringLiteral("<ALL>");
int RoundEven(double v) { return int(std::nearbyint(v)); }
}  // namespace

TwPlotDataView::TwPlotDataView(TwPlotComponent* AOwner, TwNotifyEvent AOnChange, TwNotifyEvent AOnInsert,
                               TwNotifyEvent AOnRemove, TwNotifyEvent AOnRename)
    : TwPlotLayoutObject(AOwner, std::move(AOnChange), std::move(AOnInsert), std::move(AOnRemove),
                         std::move(AOnRename)) {}

void TwPlotDataView::SetGridXAxisName(const QString& v) {
  FXAxis = nullptr;
  SetStringProperty(v, FGridXAxisName, ipnChange);
}

void TwPlotDataView::SetGridYAxisName(const QString& v) {
  FYAxis = nullptr;
  SetStringProperty(v, FGridYAxisName, ipnChange);
}

void TwPlotDataView::SetGridStyle(TwPlotGridLineStyle& Field, TwPlotGridLineStyle Value) {
  if (Field == Value) return;
  Field = Value;
  DoChange();
}

void TwPlotDataView::SetGridLineMajorStyle(TwPlotGridLineStyle v) { SetGridStyle(FGridLineMajorStyle, v); }
void TwPlotDataView::SetGridLineMinorStyle(TwPlotGridLineStyle v) { SetGridStyle(FGridLineMinorStyle, v); }

// ---- percentages ----

double TwPlotDataView::PixelsXToPositionPercent(int X) const { return double(X - Left()) / Width() * 100; }
double TwPlotDataView::PixelsYToPositionPercent(int Y) const { return (1 - double(Y - Top()) / Height()) * 100; }
int TwPlotDataView::PositionPercentToPixelsX(double Percent) const { return RoundEven(Width() * Percent / 100 + Left()); }
int TwPlotDataView::PositionPercentToPixelsY(double Percent) const {
  return RoundEven(Height() * (100 - Percent) / 100 + Top());
}

// ---- painting ----

void TwPlotDataView::DrawBackground(Canvas& Canvas) {
  if (FBackgroundTransparent || FBackgroundColor == platform::clNone) return;
  Canvas.Brush = platform::TBrush{FBackgroundColor, platform::bsSolid};
  Canvas.FillRect(DrawRect());
}

std::vector<TwPlotAxis*> TwPlotDataView::Axes(bool X) const {
  std::vector<TwPlotAxis*> axes;
  TwPlotComponent* plot = Owner();
  if (!plot) return axes;
  if (X)
    for (int i = 0; i < plot->XAxisCount(); ++i) axes.push_back(plot->GetXAxis(i));
  else
    for (int i = 0; i < plot->YAxisCount(); ++i) axes.push_back(plot->GetYAxis(i));
  return axes;
}

void TwPlotDataView::DrawGridDirection(Canvas& Canvas, bool X, TColor) {
  const TwGridPen& major = X ? FXMajor : FYMajor;
  const TwGridPen& minor = X ? FXMinor : FYMinor;
  const TColor majorColor = major.Custom ? major.Color : FGridLineColor;
  const int majorWidth = major.Custom ? major.Width : 0;
  const TwPlotGridLineStyle majorStyle = major.Custom ? major.Style : FGridLineMajorStyle;
  const TColor minorColor = minor.Custom ? minor.Color : FGridLineColor;
  const int minorWidth = minor.Custom ? minor.Width : 0;
  const TwPlotGridLineStyle minorStyle = minor.Custom ? minor.Style : FGridLineMinorStyle;
  const bool showMinors = X ? FGridLineShowXMinors : FGridLineShowYMinors;
  const bool showMajors = X ? FGridLineShowXMajors : FGridLineShowYMajors;
  const QString& name = X ? FGridXAxisName : FGridYAxisName;
  std::vector<TwPlotAxis*> axes;
  if (name.compare(kAll, Qt::CaseInsensitive) == 0) {
    axes = Axes(X);
  } else {
    TwPlotAxis*& cached = X ? FXAxis : FYAxis;
    if (!cached && Owner())
      cached = X ? static_cast<TwPlotAxis*>(Owner()->GetXAxisByName(name)) : Owner()->GetYAxisByName(name);
    if (cached) axes.push_back(cached);
  }
  for (TwPlotAxis* a : axes)
    a->DrawGridLines(Canvas, DrawRect(), minorWidth, majorWidth, minorColor, majorColor, minorStyle, majorStyle,
                     showMinors, showMajors);
}

void TwPlotDataView::DrawFrameEdges(Canvas& Canvas) {
  auto line = [&](int x1, int y1, int x2, int y2) {
    Canvas.MoveTo(x1, y1);
    Canvas.LineTo(x2, y2);
  };
  if (FGridLineShowLeft) line(Left(), Top(), Left(), Bottom());
  if (FGridLineShowRight) line(Right(), Top(), Right(), Bottom());
  if (FGridLineShowTop) line(Left(), Top(), Right(), Top());
  if (FGridLineShowBottom) line(Left(), Bottom(), Right() + 1, Bottom());
}

void TwPlotDataView::Draw(Canvas& Canvas, TColor BackGroundColor) {
  if (!Visible()) return;
  if (FGridShow) {
    Canvas.Brush.Color = BackGroundColor;
    DrawGridDirection(Canvas, true, BackGroundColor);
    DrawGridDirection(Canvas, false, BackGroundColor);
    Canvas.Pen = platform::TPen{FGridLineColor, 0, platform::psSolid, platform::pmCopy};
    DrawFrameEdges(Canvas);
  }
  if (UserSelected()) {
    Canvas.Pen = platform::TPen{BackGroundColor, 1, platform::psSolid, platform::pmCopy};
    Canvas.Brush.Style = platform::bsClear;
    DrawFrameEdges(Canvas);
    Canvas.Font.Color = platform::clWhite;
    DrawFocusRectangle(Canvas, {Left(), Top(), Right() + 1, Bottom() + 1});
  }
}

void TwPlotDataView::DrawZoomBox(Canvas& Canvas) {
  if (!FZoomBoxActive) return;
  Canvas.Font.Color = platform::clWhite;
  DrawFocusRectangle(Canvas, MakeOrderedRect(FMouseDownX, FMouseDownY, FMouseMoveX, FMouseMoveY));
}

// ---- notifications ----

void TwPlotDataView::NotificationRemove(TwPersistent* Sender) {
  if (Sender == FXAxis) FXAxis = nullptr;
  if (Sender == FYAxis) FYAxis = nullptr;
}

void TwPlotDataView::NotificationRename(TwPersistent* Sender) {
  auto* axis = dynamic_cast<TwPlotAxis*>(Sender);
  if (!axis) return;
  const bool x = dynamic_cast<TwPlotXAxis*>(axis) != nullptr;
  QString& name = x ? FGridXAxisName : FGridYAxisName;
  TwPlotAxis* cached = x ? FXAxis : FYAxis;
  if (axis == cached || name.compare(axis->NameOld(), Qt::CaseInsensitive) == 0) name = axis->Name();
}

void TwPlotDataView::NotificationSetFocus(TwPersistent* Sender) {
  if (Sender != this && UserSelected()) SetUserSelected(false);
}

void TwPlotDataView::AddMenuItems(TwPlotPopupMenu* PopupMenu) {
  TwPlotLayoutObject::AddMenuItems(PopupMenu);
  AddEditMenuItem(PopupMenu);
}

// ---- interaction ----

int TwPlotDataView::GetInteractionMode() const {
  TwPlotToolBar* toolbar = Owner() && Owner()->ToolBarCount() ? Owner()->GetToolBar(0) : nullptr;
  if (toolbar && toolbar->SelectActive() && !FAxesControlAllowInSelectMode) return 2;
  if (toolbar && toolbar->ZoomBoxActive()) return 1;
  if (FAxesControlEnabled) return 3;
  return 0;
}

TCursor TwPlotDataView::GetMouseCursor(const TwPlotMouseData& MouseData) {
  TwPlotLayoutObject::GetMouseCursor(MouseData);
  const int mode = GetInteractionMode();
  TCursor cursor = mode == 1 ? crDrag : mode == 3 ? crHandPoint : crDefault;
  if (Owner()) Owner()->DoGetMouseCursorEvent(this, cursor);
  return cursor;
}

void TwPlotDataView::RepaintNow() {
  if (OnInvalidateNow) OnInvalidateNow(this);
}

void TwPlotDataView::DoMouseLeft(const TwPlotMouseData& MouseData) {
  FDirectionLock = false;
  FDragDown = true;
  const int mode = GetInteractionMode();
  if (mode == 1) {
    if (Owner()) Owner()->DisableAllTracking();
    FMouseDownX = FMouseMoveX = MouseData.X;
    FMouseDownY = FMouseMoveY = MouseData.Y;
    FZoomBoxActive = true;
    RepaintNow();
  } else if (mode == 3) {
    FMouseDownX = FMouseMoveX = MouseData.X;
    FMouseDownY = FMouseMoveY = MouseData.Y;
    for (bool x : {true, false})
      for (TwPlotAxis* a : Axes(x)) a->DoMouseLeft(MouseData);
  }
}

void TwPlotDataView::DoMouseRight(const TwPlotMouseData& MouseData) {
  if (GetInteractionMode() != 3) return;
  FMouseDownRight = true;
  FMouseDownX = FMouseMoveX = MouseData.X;
  FMouseDownY = FMouseMoveY = MouseData.Y;
}

void TwPlotDataView::DoMouseMove(const TwPlotMouseData& MouseData) {
  if (!FDragDown && !FMouseDownRight) return;
  if (FZoomBoxActive) {
    if (MouseData.DblClickActive) return;
    FMouseMoveX = MouseData.X;
    FMouseMoveY = MouseData.Y;
    RepaintNow();
    return;
  }
  if (GetInteractionMode() != 3) return;
  if (FMouseDownRight) {
    if (std::abs(MouseData.X - FMouseDownX) > 5 || std::abs(MouseData.Y - FMouseDownY) >= 6) {
      FMouseMoveX = MouseData.X;
      FMouseMoveY = MouseData.Y;
      FZoomBoxActive = true;
      CancelMouseDownPopup();
      if (Owner()) Owner()->DisableAllTracking();
      RepaintNow();
    }
    return;
  }
  const bool shift = MouseData.Shift & Qt::ShiftModifier;
  switch (AxesControlMouseStyle) {
    case ipacsXAxis:
      FDirectionLock = true;
      FDirectionLockXAxis = !shift;
      break;
    case ipacsYAxis:
      FDirectionLock = true;
      FDirectionLockXAxis = shift;
      break;
    case ipacsBoth:
      if (!FDirectionLock && shift) {
        if (std::abs(MouseData.X - FMouseDownX) > 3) {
          FDirectionLock = true;
          FDirectionLockXAxis = true;
        } else if (std::abs(MouseData.Y - FMouseDownY) > 3) {
          FDirectionLock = true;
          FDirectionLockXAxis = false;
        }
      }
      break;
    case ipacsNone:
      return;
  }
  if (!FDirectionLock || FDirectionLockXAxis)
    for (TwPlotAxis* a : Axes(true)) a->DoMouseMove(MouseData);
  if (!FDirectionLock || !FDirectionLockXAxis)
    for (TwPlotAxis* a : Axes(false)) a->DoMouseMove(MouseData);
  RepaintNow();
}

void TwPlotDataView::DoMouseUp(const TwPlotMouseData& MouseData) {
  if (!FDragDown && !FMouseDownRight) return;
  if (FZoomBoxActive) {
    const bool rightDown = FMouseDownX < FMouseMoveX && FMouseDownY < FMouseMoveY;
    if (!MouseData.DblClickActive && rightDown) {
      TRect box{FMouseDownX, FMouseDownY, FMouseMoveX, FMouseMoveY};
      bool cancel = false;
      if (Owner()) Owner()->DoBeforeZoomBoxEvent(this, box, cancel);
      if (!cancel) {
        for (bool x : {true, false})
          for (TwPlotAxis* a : Axes(x)) a->ZoomToRect(box);
      }
      RepaintNow();
    }
  } else if (GetInteractionMode() == 3) {
    for (bool x : {true, false})
      for (TwPlotAxis* a : Axes(x)) a->DoMouseUp(MouseData);
  }
  const TRect r = DrawRect();
  if (MouseData.X >= r.Left && MouseData.X < r.Right && MouseData.Y >= r.Top && MouseData.Y < r.Bottom && Owner())
    Owner()->DoClickEvent(this);
  FDragDown = FMouseDownRight = FZoomBoxActive = false;
  RepaintNow();
}

bool TwPlotDataView::DoMouseWheel(int WheelDelta, Qt::KeyboardModifiers Shift, int X, int Y) {
  if (GetInteractionMode() != 3) return false;
  const bool shift = Shift & Qt::ShiftModifier;
  bool xAxes = false, yAxes = false;
  switch (AxesControlWheelStyle) {
    case ipacsXAxis: (shift ? yAxes : xAxes) = true; break;
    case ipacsYAxis: (shift ? xAxes : yAxes) = true; break;
    case ipacsBoth: xAxes = yAxes = true; break;
    case ipacsNone: return false;
  }
  if (xAxes)
    for (TwPlotAxis* a : Axes(true)) a->DoMouseWheel(WheelDelta, Shift, X, Y);
  if (yAxes)
    for (TwPlotAxis* a : Axes(false)) a->DoMouseWheel(WheelDelta, Shift, X, Y);
  return true;
}

void TwPlotDataView::DoKeyDown(int& CharCode, Qt::KeyboardModifiers Shift, TwPlotPopupMenu* PopupMenu) {
  TwPlotLayoutObject::DoKeyDown(CharCode, Shift, PopupMenu);
  if (CharCode == Qt::Key_Escape && FZoomBoxActive) {
    FZoomBoxActive = false;
    FDragDown = FMouseDownRight = false;
    RepaintNow();
  }
}
