#include "plot/wPlotLimit.h"

#include <algorithm>
#include <array>

#include "plot/wPlotAxis.h"
#include "plot/wPlotComponent.h"

using platform::Canvas;
using platform::TPoint;
using platform::TRect;

TwPlotLimit::TwPlotLimit(TwPlotComponent* AOwner, TwNotifyEvent AOnChange, TwNotifyEvent AOnInsert,
                         TwNotifyEvent AOnRemove, TwNotifyEvent AOnRename)
    : TwPlotManagerObject(AOwner, std::move(AOnChange), std::move(AOnInsert), std::move(AOnRemove),
                          std::move(AOnRename)) {}

TwPlotLimit::~TwPlotLimit() = default;

// ---- properties ----

void TwPlotLimit::SetLineStyle(platform::TPenStyle Value) {
  if (Value == FLineStyle) return;
  FLineStyle = Value;
  DoChange();
}

void TwPlotLimit::SetFillStyle(platform::TBrushStyle Value) {
  if (Value == FFillStyle) return;
  FFillStyle = Value;
  DoChange();
}

void TwPlotLimit::SetStyle(TwPlotLimitStyle Value) {
  if (Value == FStyle) return;
  FStyle = Value;
  DoChange();
}

void TwPlotLimit::SetXAxisName(const QString& Value) {
  if (Value == FXAxisName) return;
  FXAxisName = Value;
  FXAxis = nullptr;
  DoChange();
}

void TwPlotLimit::SetYAxisName(const QString& Value) {
  if (Value == FYAxisName) return;
  FYAxisName = Value;
  FYAxis = nullptr;
  DoChange();
}

void TwPlotLimit::SetLine1Position(double Value) {
  if (Value == FLine1Position) return;
  const double old = FLine1Position;
  FLine1Position = Value;
  DoChange();
  Owner()->DoLimitLine1PositionChangeEvent(this, old, Value);
}

void TwPlotLimit::SetLine2Position(double Value) {
  if (Value == FLine2Position) return;
  const double old = FLine2Position;
  FLine2Position = Value;
  DoChange();
  Owner()->DoLimitLine2PositionChangeEvent(this, old, Value);
}

void TwPlotLimit::AddBandElement(double Position, double UpperLimit, double LowerLimit) {
  if (LowerLimit > UpperLimit) throw TwException("the Upper Limit must be greater than or equal to the Lower Limit");
  FPointList.Add(Position, UpperLimit, LowerLimit);
  DoChange();
}

void TwPlotLimit::ClearAllElements() {
  FPointList.Clear();
  DoChange();
}

bool TwPlotLimit::FillsArea() const {
  if (FStyle == iplsBandX || FStyle == iplsBandY) return FFillStyle != platform::bsClear;
  return FStyle == iplsPolyBandX || FStyle == iplsPolyBandY;
}

TwPlotAxis* TwPlotLimit::XAxis() {
  if (!FXAxis) FXAxis = Owner()->GetXAxisByName(FXAxisName);
  return FXAxis;
}

TwPlotAxis* TwPlotLimit::YAxis() {
  if (!FYAxis) FYAxis = Owner()->GetYAxisByName(FYAxisName);
  return FYAxis;
}

// ---- notifications ----

void TwPlotLimit::NotificationRemove(TwPersistent* Sender) {
  if (Sender == static_cast<TwPersistent*>(FXAxis)) FXAxis = nullptr;
  if (Sender == static_cast<TwPersistent*>(FYAxis)) FYAxis = nullptr;
}

void TwPlotLimit::NotificationRename(TwPersistent* Sender) {
  auto* axis = dynamic_cast<TwPlotAxis*>(Sender);
  if (!axis) return;
  if (dynamic_cast<TwPlotXAxis*>(axis) && FXAxisName.compare(axis->NameOld(), Qt::CaseInsensitive) == 0)
    FXAxisName = axis->Name();
  if (dynamic_cast<TwPlotYAxis*>(axis) && FYAxisName.compare(axis->NameOld(), Qt::CaseInsensitive) == 0)
    FYAxisName = axis->Name();
}

void TwPlotLimit::NotificationSetFocus(TwPersistent* Sender) {
  if (Sender != this) SetUserSelected(false);
}

// ---- drawing ----

TPoint TwPlotLimit::Oriented(int A, int B) const { return XYAxesReversed() ? TPoint{B, A} : TPoint{A, B}; }

TPoint TwPlotLimit::At(int Along, int Across, bool AlongX) const {
  return AlongX ? Oriented(Along, Across) : Oriented(Across, Along);
}

TRect TwPlotLimit::GrabRect(int A, int B1, int B2, bool AlongX) const {
  const int a1 = A - 5, a2 = A + 6, b1 = std::min(B1, B2), b2 = std::max(B1, B2) + 1;
  const bool swap = AlongX == XYAxesReversed();
  return swap ? TRect{b1, a1, b2, a2} : TRect{a1, b1, a2, b2};
}

void TwPlotLimit::drawLine(Canvas& Canvas, TwPlotAxis* Along, TwPlotAxis* Across, bool AlongX) {
  if (FLine1Position < Along->Min() || FLine1Position > Along->Max()) return;
  Canvas.Pen = platform::TPen{FColor, FLineWidth, FLineStyle};
  const int a = Along->PositionToPixels(FLine1Position);
  const int b1 = Across->PositionToPixels(Across->Min()), b2 = Across->PositionToPixels(Across->Max());
  const std::array<TPoint, 2> line{At(a, b1, AlongX), At(a, b2, AlongX)};
  Canvas.Polyline(line);
  FLine1Show = true;
  FLine1ClickRect = GrabRect(a, b1, b2, AlongX);
}

void TwPlotLimit::drawBand(Canvas& Canvas, TwPlotAxis* Along, TwPlotAxis* Across, bool AlongX) {
  const int a = Along->PositionToPixels(FLine1Position), b = Along->PositionToPixels(FLine2Position);
  const int c1 = Across->PositionToPixels(Across->Min()), c2 = Across->PositionToPixels(Across->Max());
  FLine1ClickRect = GrabRect(a, c1, c2, AlongX);
  FLine2ClickRect = GrabRect(b, c1, c2, AlongX);
  FLine1Show = FLine2Show = true;
  Canvas.Brush = platform::TBrush{FColor, FFillStyle};
  auto lines = [&](int width) {
    Canvas.Pen = platform::TPen{FColor, width, FLineStyle};
    for (int p : {a, b}) {
      const std::array<TPoint, 2> line{At(p, c1, AlongX), At(p, c2, AlongX)};
      Canvas.Polyline(line);
    }
  };
  const TPoint p1 = At(a, c1, AlongX), p2 = At(b, c2, AlongX);
  const TRect box{std::min(p1.X, p2.X), std::min(p1.Y, p2.Y), std::max(p1.X, p2.X), std::max(p1.Y, p2.Y)};
  if (FFillStyle == platform::bsSolid) {
    Canvas.Pen = platform::TPen{FColor, 1, FLineStyle};
    Canvas.Rectangle(box);
  } else if (FFillStyle == platform::bsClear) {
    lines(FLineWidth);
  } else {
    Canvas.Pen = platform::TPen{FColor, 1, platform::psClear};
    Canvas.Rectangle(box);
    lines(1);
  }
}

void TwPlotLimit::drawPolyBand(Canvas& Canvas, TwPlotAxis* Position, TwPlotAxis* Limits, bool PositionY) {
  const int n = FPointList.Count();
  if (n < 2) return;
  const platform::TPen solid{FColor, 1, platform::psSolid};
  Canvas.Brush = platform::TBrush{FColor, FFillStyle};
  // A corner: the position along its axis, the limit along the other.
  auto corner = [&](double pos, double limit) {
    return At(Position->PositionToPixels(pos), Limits->PositionToPixels(limit), !PositionY);
  };
  for (int i = 0; i + 1 < n; ++i) {
    const double p0 = FPointList.GetPosition(i), p1 = FPointList.GetPosition(i + 1);
    if (p0 < Position->Min() && p1 < Position->Min()) continue;
    if (p0 > Position->Max()) break;
    const std::array<TPoint, 4> quad{corner(p0, FPointList.GetUpperLimit(i)), corner(p1, FPointList.GetUpperLimit(i + 1)),
                                     corner(p1, FPointList.GetLowerLimit(i + 1)), corner(p0, FPointList.GetLowerLimit(i))};
    if (FFillStyle == platform::bsSolid) {
      Canvas.Pen = solid;
      Canvas.Polygon(quad);
    } else {
      Canvas.Pen = platform::TPen{FColor, 1, platform::psClear};
      Canvas.Polygon(quad);
      Canvas.Pen = solid;
      const std::array<TPoint, 2> upper{quad[0], quad[1]}, lower{quad[3], quad[2]};
      Canvas.Polyline(upper);
      Canvas.Polyline(lower);
    }
  }
}

void TwPlotLimit::Draw(Canvas& Canvas, platform::TColor BackGroundColor) {
  FLine1Show = FLine2Show = false;
  if (!Visible()) return;
  TwPlotAxis* x = XAxis();
  TwPlotAxis* y = YAxis();
  if (!x || !y) return;
  if (FClipToAxes) {
    const TPoint p1 = Oriented(x->PositionToPixels(x->Min()), y->PositionToPixels(y->Min()));
    const TPoint p2 = Oriented(x->PositionToPixels(x->Max()), y->PositionToPixels(y->Max()));
    Canvas.IntersectClipRect({std::min(p1.X, p2.X), std::min(p1.Y, p2.Y), std::max(p1.X, p2.X) + 1,
                              std::max(p1.Y, p2.Y) + 1});
  }
  // The gap colour of dashed pens and hatches.
  Canvas.Brush.Color = BackGroundColor;
  switch (FStyle) {
    case iplsLineX: drawLine(Canvas, x, y, true); break;
    case iplsLineY: drawLine(Canvas, y, x, false); break;
    case iplsBandX: drawBand(Canvas, x, y, true); break;
    case iplsBandY: drawBand(Canvas, y, x, false); break;
    case iplsPolyBandX: drawPolyBand(Canvas, y, x, true); break;
    case iplsPolyBandY: drawPolyBand(Canvas, x, y, false); break;
  }
}

// ---- mouse ----

bool TwPlotLimit::DoHitTest(const TwPlotMouseData& MouseData) {
  if (FSelectModeOnlyInteraction && !Owner()->GetToolBarSelectActive()) return false;
  const TPoint p{MouseData.X, MouseData.Y};
  return (FLine1Show && FLine1ClickRect.Contains(p)) || (FLine2Show && FLine2ClickRect.Contains(p));
}

void TwPlotLimit::DoMouseLeft(const TwPlotMouseData& MouseData) {
  if (!FUserCanMove) return;
  const TPoint p{MouseData.X, MouseData.Y};
  if (FLine1Show && FLine1ClickRect.Contains(p)) FMouseDownLine1 = true;
  else if (FLine2Show && FLine2ClickRect.Contains(p)) FMouseDownLine2 = true;
  else return;
  if (OnInvalidateNow) OnInvalidateNow(this);
}

void TwPlotLimit::DoMouseMove(const TwPlotMouseData& MouseData) {
  if (!FMouseDownLine1 && !FMouseDownLine2) return;
  TwPlotAxis* axis = IsYLimit() ? YAxis() : XAxis();
  if (!axis) return;
  const double value = axis->PixelsToPosition(IsYLimit() ? MouseData.YAxisPixels : MouseData.XAxisPixels);
  if (FMouseDownLine1) SetLine1Position(value);
  else SetLine2Position(value);
}

void TwPlotLimit::DoMouseUp(const TwPlotMouseData& MouseData) {
  if (!FMouseDownLine1 && !FMouseDownLine2) return;
  FMouseDownLine1 = FMouseDownLine2 = false;
  if (DoHitTest(MouseData)) Owner()->DoClickEvent(this);
}

TCursor TwPlotLimit::GetMouseCursor(const TwPlotMouseData&) {
  FMouseOverObject = this;
  if (!FUserCanMove) return crDefault;
  TCursor cursor = crHandPoint;
  if (FLine1Show && FLine2Show) {
    const bool acrossY = IsYLimit() != XYAxesReversed();
    cursor = acrossY ? crSizeNS : crSizeWE;
  }
  Owner()->DoGetMouseCursorEvent(this, cursor);
  return cursor;
}

void TwPlotLimit::AddMenuItems(TwPlotPopupMenu* PopupMenu) {
  TwPlotManagerObject::AddMenuItems(PopupMenu);
  AddEditMenuItem(PopupMenu);
}
