#include "plot/wPlotAnnotation.h"

#include <QFile>

#include <algorithm>
#include <cmath>

#include "plot/wPlotAxis.h"
#include "plot/wPlotChannelCustom.h"
#include "plot/wPlotComponent.h"
#include "plot/wPlotDataView.h"

using platform::Canvas;
using platform::TPoint;
using platform::TRect;


TwPlotAnnotation::TwPlotAnnotation(TwPlotComponent* AOwner, TwNotifyEvent AOnChange, TwNotifyEvent AOnInsert,
                                   TwNotifyEvent AOnRemove, TwNotifyEvent AOnRename)
    : TwPlotManagerObject(AOwner, std::move(AOnChange), std::move(AOnInsert), std::move(AOnRemove),
                          std::move(AOnRename)) {
  FFont.Name = QStringLiteral("Arial");
  FFont.Color = platform::clWhite;
}

TwPlotAnnotation::~TwPlotAnnotation() = default;

// ---- properties ----

void TwPlotAnnotation::FireCoordinatesChange() {
  if (!Owner()->IsLoading()) Owner()->DoAnnotationCoordinatesChangeEvent(this);
}

void TwPlotAnnotation::SetCoordinate(double& Field, double Value) {
  if (Field == Value) return;
  Field = Value;
  DoChange();
  FireCoordinatesChange();
}

void TwPlotAnnotation::SetFont(const platform::TFont& Value) {
  if (Value == FFont) return;
  FFont = Value;
  DoChange();
}

void TwPlotAnnotation::SetChannelName(const QString& Value) {
  if (Value == FChannelName) return;
  FChannelName = Value;
  FChannel = nullptr;
  DoChange();
}

int TwPlotAnnotation::PolyPointAdd(double X, double Y) {
  FPolyPoints.push_back({X, Y});
  DoChange();
  return PolyPointsCount() - 1;
}

void TwPlotAnnotation::PolyPointsClear() {
  FPolyPoints.clear();
  DoChange();
}

void TwPlotAnnotation::SetImage(const QImage& Value) {
  if (Value.isNull()) FImage.reset();
  else if (!FImage) FImage = std::make_unique<QImage>(Value);
  else *FImage = Value;
  DoChange();
}

void TwPlotAnnotation::ImageClear() {
  if (!FImage) return;
  FImage.reset();
  DoChange();
}

void TwPlotAnnotation::ImageLoadFromFile(const QString& FileName) {
  if (!QFile::exists(FileName))
    throw TwException(QStringLiteral("Cannot open file \"%1\"").arg(FileName).toStdString());
  QImage image;
  if (!image.load(FileName)) throw TwException("Bitmap image is not valid");
  SetImage(image);
}

// ---- references and conversions ----

TwPlotChannelCustom* TwPlotAnnotation::Channel() {
  if (!FChannel) FChannel = Owner()->GetChannelByName(FChannelName);
  return FChannel;
}

bool TwPlotAnnotation::PositionXOnChannel() const {
  if (FReferencePositionX != ipriAuto) return FReferencePositionX == ipriChannel;
  return FReference == iprtChannel || FReference == iprtXChannelYDataView;
}
bool TwPlotAnnotation::PositionYOnChannel() const {
  if (FReferencePositionY != ipriAuto) return FReferencePositionY == ipriChannel;
  return FReference == iprtChannel || FReference == iprtXDataViewYChannel;
}
bool TwPlotAnnotation::SizeXOnChannel() const {
  if (FReferenceSizeX != ipriAuto) return FReferenceSizeX == ipriChannel;
  return FReference == iprtChannel || FReference == iprtXChannelYDataView;
}
bool TwPlotAnnotation::SizeYOnChannel() const {
  if (FReferenceSizeY != ipriAuto) return FReferenceSizeY == ipriChannel;
  return FReference == iprtChannel || FReference == iprtXDataViewYChannel;
}

bool TwPlotAnnotation::ChannelAxes(TwPlotAxis*& XAxis, TwPlotAxis*& YAxis) {
  TwPlotChannelCustom* channel = Channel();
  XAxis = channel ? channel->XAxis() : nullptr;
  YAxis = channel ? channel->YAxis() : nullptr;
  return XAxis && YAxis;
}

int TwPlotAnnotation::ToPixels(double Value, bool OnChannel, bool AlongX) {
  if (OnChannel) {
    TwPlotAxis *x, *y;
    if (!ChannelAxes(x, y)) return 0;
    return (AlongX ? x : y)->PositionToPixels(Value);
  }
  if (!FDataView) return 0;
  // The X percent runs along the screen's Y while the axes are exchanged.
  const bool screenX = AlongX != XYAxesReversed();
  return screenX ? FDataView->PositionPercentToPixelsX(Value) : FDataView->PositionPercentToPixelsY(Value);
}

double TwPlotAnnotation::ToPosition(int Pixels, bool OnChannel, bool AlongX) {
  if (OnChannel) {
    TwPlotAxis *x, *y;
    if (!ChannelAxes(x, y)) return 0;
    return (AlongX ? x : y)->PixelsToPosition(Pixels);
  }
  if (!FDataView) return 0;
  const bool screenX = AlongX != XYAxesReversed();
  return screenX ? FDataView->PixelsXToPositionPercent(Pixels) : FDataView->PixelsYToPositionPercent(Pixels);
}

int TwPlotAnnotation::SizeToPixels(double Size, bool OnChannel, bool AlongX) {
  double base = 0;
  if (OnChannel) {
    TwPlotAxis *x, *y;
    if (!ChannelAxes(x, y)) return 0;
    base = (AlongX ? x : y)->Min();
  }
  return std::abs(ToPixels(Size + base, OnChannel, AlongX) - ToPixels(base, OnChannel, AlongX));
}

double TwPlotAnnotation::SizeToPosition(int Low, int High, bool OnChannel, bool AlongX) {
  return std::abs(ToPosition(High, OnChannel, AlongX) - ToPosition(Low, OnChannel, AlongX));
}

int TwPlotAnnotation::PositionXToPixels(double Value) { return ToPixels(Value, PositionXOnChannel(), true); }
int TwPlotAnnotation::PositionYToPixels(double Value) { return ToPixels(Value, PositionYOnChannel(), false); }
double TwPlotAnnotation::PixelsXToPosition(int Pixels) { return ToPosition(Pixels, PositionXOnChannel(), true); }
double TwPlotAnnotation::PixelsYToPosition(int Pixels) { return ToPosition(Pixels, PositionYOnChannel(), false); }

bool TwPlotAnnotation::Resizable() const {
  return FUserCanSize && (FStyle == ipasRectangle || FStyle == ipasTextRectangle || FStyle == ipasEllipse ||
                          FStyle == ipasEllipse2 || FStyle == ipasRectangle2);
}

// ---- notifications ----

void TwPlotAnnotation::NotificationRemove(TwPersistent* Sender) {
  if (Sender == static_cast<TwPersistent*>(FDataView)) FDataView = nullptr;
  if (Sender == static_cast<TwPersistent*>(FChannel)) FChannel = nullptr;
}

void TwPlotAnnotation::NotificationRename(TwPersistent* Sender) {
  auto* channel = dynamic_cast<TwPlotChannelCustom*>(Sender);
  if (!channel) return;
  if (channel == FChannel || FChannelName.compare(channel->NameOld(), Qt::CaseInsensitive) == 0) {
    FChannelName = channel->Name();
    FChannel = channel;
  }
}

void TwPlotAnnotation::NotificationSetFocus(TwPersistent* Sender) {
  if (Sender != this) SetUserSelected(false);
}

// ---- mouse ----

bool TwPlotAnnotation::DoHitTest(const TwPlotMouseData& MouseData) {
  if (!FShowing) return false;
  if (FSelectModeOnlyInteraction && !Owner()->GetToolBarSelectActive()) return false;
  const TPoint p{MouseData.X, MouseData.Y};
  if (FClickRect.Contains(p)) return true;
  return FHasHandles && (FSizeTopLeftRect.Contains(p) || FSizeTopRightRect.Contains(p) ||
                         FSizeBottomLeftRect.Contains(p) || FSizeBottomRightRect.Contains(p));
}

TCursor TwPlotAnnotation::GetMouseCursor(const TwPlotMouseData& MouseData) {
  FMouseOverObject = this;
  TCursor cursor = crHandPoint;
  if (Resizable() && UserSelected() && FHasHandles) {
    const TPoint p{MouseData.X, MouseData.Y};
    if (FSizeTopLeftRect.Contains(p) || FSizeBottomRightRect.Contains(p)) cursor = crSizeNWSE;
    else if (FSizeTopRightRect.Contains(p) || FSizeBottomLeftRect.Contains(p)) cursor = crSizeNESW;
  }
  Owner()->DoGetMouseCursorEvent(this, cursor);
  return cursor;
}

void TwPlotAnnotation::DoMouseLeft(const TwPlotMouseData& MouseData) {
  if (!FShowing) return;
  const TPoint p{MouseData.X, MouseData.Y};
  FSelectStyle = ipassNone;
  if (Resizable() && FHasHandles) {
    if (FSizeTopLeftRect.Contains(p)) FSelectStyle = ipassSizeTopLeft;
    else if (FSizeBottomRightRect.Contains(p)) FSelectStyle = ipassSizeBottomRight;
    else if (FSizeTopRightRect.Contains(p)) FSelectStyle = ipassSizeTopRight;
    else if (FSizeBottomLeftRect.Contains(p)) FSelectStyle = ipassSizeBottomLeft;
  }
  if (FSelectStyle == ipassNone && FUserCanMove) FSelectStyle = ipassMove;
  FMouseDown = true;
  FMouseDownRect = FDrawRect;
  FMouseDownXValue = FX;
  FMouseDownYValue = FY;
  FMouseDownX2Value = FX2;
  FMouseDownY2Value = FY2;
  FMouseDownX = MouseData.X;
  FMouseDownY = MouseData.Y;
  FMouseDownWidth = FWidth;
  FMouseDownHeight = FHeight;
  // Along the axes: X along the X axis's direction, whichever way it stands.
  FMouseDownPositionPixelsX = PositionXToPixels(FX);
  FMouseDownPositionPixelsY = PositionYToPixels(FY);
  FRectChange = false;
}

void TwPlotAnnotation::DoMouseMove(const TwPlotMouseData& MouseData) {
  if (!UserSelected() || !FMouseDown) return;
  const int dx = MouseData.X - FMouseDownX, dy = MouseData.Y - FMouseDownY;
  const bool reversed = XYAxesReversed();
  if (FSelectStyle == ipassMove) {
    const double x = PixelsXToPosition(FMouseDownPositionPixelsX + (reversed ? dy : dx));
    const double y = PixelsYToPosition(FMouseDownPositionPixelsY + (reversed ? dx : dy));
    SetX(x);
    SetY(y);
    // The two-point shapes move whole.
    if (FStyle == ipasEllipse || FStyle == ipasRectangle2) {
      SetX2(FMouseDownX2Value - FMouseDownXValue + x);
      SetY2(FMouseDownY2Value - FMouseDownYValue + y);
    }
    FRectChange = true;
    DoChange();
    if (!Owner()->IsLoading()) {
      Owner()->DoAnnotationMoveUserEvent(this);
      Owner()->DoAnnotationCoordinatesChangeEvent(this);
    }
    DoChange();
    return;
  }
  if (FSelectStyle == ipassNone) {
    DoChange();
    return;
  }
  TRect r = FMouseDownRect;
  if (FSelectStyle == ipassSizeTopLeft || FSelectStyle == ipassSizeBottomLeft) r.Left += dx;
  else r.Right += dx;
  if (FSelectStyle == ipassSizeTopLeft || FSelectStyle == ipassSizeTopRight) r.Top += dy;
  else r.Bottom += dy;
  // Screen edges back to the quantities: with the axes exchanged X runs
  // along the screen's Y.
  const int xLow = reversed ? r.Top : r.Left, xHigh = reversed ? r.Bottom : r.Right;
  const int yLow = reversed ? r.Left : r.Top, yHigh = reversed ? r.Right : r.Bottom;
  if (FStyle == ipasEllipse || FStyle == ipasRectangle2) {
    FX = PixelsXToPosition(xLow);
    FY = PixelsYToPosition(yLow);
    FX2 = PixelsXToPosition(xHigh);
    FY2 = PixelsYToPosition(yHigh);
  } else {
    FX = (PixelsXToPosition(xLow) + PixelsXToPosition(xHigh)) / 2;
    FY = (PixelsYToPosition(yLow) + PixelsYToPosition(yHigh)) / 2;
    FWidth = SizeToPosition(xLow, xHigh, SizeXOnChannel(), true);
    FHeight = SizeToPosition(yLow, yHigh, SizeYOnChannel(), false);
  }
  FRectChange = true;
  DoChange();
  if (!Owner()->IsLoading()) {
    Owner()->DoAnnotationCoordinatesChangeEvent(this);
    Owner()->DoAnnotationResizeUserEvent(this);
  }
  DoChange();
}

void TwPlotAnnotation::DoMouseUp(const TwPlotMouseData& MouseData) {
  if (!FMouseDown) return;
  FMouseDown = false;
  if (DoHitTest(MouseData)) Owner()->DoClickEvent(this);
  if (FRectChange && !Owner()->IsLoading()) Owner()->DoAnnotationCoordinatesChangeFinishedEvent(this);
  FSelectStyle = ipassNone;
}
