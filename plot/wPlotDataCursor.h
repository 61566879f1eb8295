// TwPlotDataCursor: the measuring tool laid over the data view: one or two
// pointer lines the user drags, and a hint box beside them with what they
// measure on one channel (ChannelName; "<All>" lets every channel compute,
// for the legend, and shows no hint). The style decides the pointers:
//
//   Style               TwXYPlot                        other plots
//   ipcsValueXY         1 vertical, 2 horizontal        1 vertical
//   ipcsValueX          1 vertical                      1 vertical
//   ipcsValueY          2 horizontal                    1 vertical
//   ipcsDeltaX, ...InverseDeltaX   1 and 2 vertical     the same
//   ipcsDeltaY          1 and 2 horizontal              the same
//
// and reversed axes turn both pointers and the hint. Positions are percent
// of the data view (X from the left, Y from the bottom); the pointer setters
// clamp to 0 .. 100 (NaN gives 0), HintPosition is stored as given and the
// hint is pushed inside the data view when drawn.
//
// Values. The cursor only places the lines; the channels compute: on every
// paint (and while a pointer is dragged) UpdateValues fires
// OnBeforeDataCursorUpdate and has the cursor's channel (every channel with
// "<All>") run UpdateDataCursor, which reports through SetValues
// (OnDataCursorChange when anything differs) and writes the hint text. This
// path runs on every plot, the cursor hidden or not, and never raises.
//
// Drawing: the pointer lines in the channel's colour (UseChannelColor) or
// Color, one pixel while dragged; the hint box in clInfoBk beside the line on
// HintOrientationSide (turned for good when it would leave the data view),
// centred between the lines with a dotted connector for the two-pointer
// styles, with a focus frame while selected.
//
// Input: a press grabs the hint (while it shows), else pointer 1, else
// pointer 2; a drag keeps the part's offset to the mouse; the release snaps
// a pointer (SnapToDataPoint, time-series plots) and clicks
// (OnClickDataCursor). Keys while selected (wPlotDataCursorKeys.cpp): Page
// Up/Down by five pixels, Home/End, arrows by a pixel; Ctrl for pointer 2;
// with snapping the keys step through the data points. The popup menu offers
// Channel, Style, Options, "Snap to Data-Point" (time-series plots) and Edit.
#pragma once

#include <QString>

#include "controls/wDraw.h"
#include "plot/wPlotChannelCustom.h"
#include "plot/wPlotObjects.h"

class TwPlotChannel;
class TwPlotDataView;

enum TwPlotDataCursorStyle { ipcsValueXY, ipcsValueX, ipcsValueY, ipcsDeltaX, ipcsDeltaY, ipcsInverseDeltaX };

class TwPlotDataCursor : public TwPlotManagerObject {
 public:
  TwPlotDataCursor(TwPlotComponent* AOwner, TwNotifyEvent AOnChange, TwNotifyEvent AOnInsert,
                   TwNotifyEvent AOnRemove, TwNotifyEvent AOnRename);

  // ---- properties ----
  QString ChannelName() const { return FChannelName; }
  void SetChannelName(const QString& Value);
  bool ChannelAllowAll() const { return FChannelAllowAll; }
  void SetChannelAllowAll(bool Value) { SetBooleanProperty(Value, FChannelAllowAll, ipnChange); }
  bool ChannelShowAllInLegend() const { return FChannelShowAllInLegend; }
  void SetChannelShowAllInLegend(bool Value) { SetBooleanProperty(Value, FChannelShowAllInLegend, ipnChange); }
  TwPlotDataCursorStyle Style() const { return FStyle; }
  void SetStyle(TwPlotDataCursorStyle Value);
  const platform::TFont& Font() const { return FFont; }
  void SetFont(const platform::TFont& Value);
  platform::TColor Color() const { return FColor; }
  void SetColor(platform::TColor Value) { SetColorProperty(Value, FColor, ipnChange); }
  bool UseChannelColor() const { return FUseChannelColor; }
  void SetUseChannelColor(bool Value) { SetBooleanProperty(Value, FUseChannelColor, ipnChange); }
  bool HintShow() const { return FHintShow; }
  void SetHintShow(bool Value) { SetBooleanProperty(Value, FHintShow, ipnChange); }
  bool HintHideOnRelease() const { return FHintHideOnRelease; }
  void SetHintHideOnRelease(bool Value) { SetBooleanProperty(Value, FHintHideOnRelease, ipnChange); }
  TwOrientationSide HintOrientationSide() const { return FHintOrientationSide; }
  void SetHintOrientationSide(TwOrientationSide Value);
  double HintPosition() const { return FHintPosition; }
  void SetHintPosition(double Value) { SetDoubleProperty(Value, FHintPosition, ipnChange); }
  double Pointer1Position() const { return FPointer1Position; }
  void SetPointer1Position(double Value);
  double Pointer2Position() const { return FPointer2Position; }
  void SetPointer2Position(double Value);
  int PointerPenWidth() const { return FPointerPenWidth; }
  void SetPointerPenWidth(int Value) { SetIntegerProperty(Value, FPointerPenWidth, ipnChange); }
  bool MenuUserCanChangeOptions = true;
  bool SnapToDataPoint = false;
  bool UseCachedInterpolatedData = false;
  // Style items of the popup menu, in style order.
  bool MenuItemVisibleValueXY = true, MenuItemVisibleValueX = true, MenuItemVisibleValueY = true,
       MenuItemVisibleDeltaX = true, MenuItemVisibleDeltaY = true, MenuItemVisibleInverseDeltaX = true;
  QString MenuItemCaptionValueXY = QStringLiteral("Value X-Y"), MenuItemCaptionValueX = QStringLiteral("Value X"),
          MenuItemCaptionValueY = QStringLiteral("Value Y"), MenuItemCaptionDeltaX = QStringLiteral("Period"),
          MenuItemCaptionDeltaY = QStringLiteral("Peak-Peak"),
          MenuItemCaptionInverseDeltaX = QStringLiteral("Frequency");

  // ---- what the channels read and report ----
  TwPlotDataView* DataView() const { return FDataView; }
  void SetDataView(TwPlotDataView* Value) { FDataView = Value; }
  // Stores the values and fires OnDataCursorChange when any differs.
  void SetValues(TwPlotDataPointStatus Status, double X, double Y);
  QString CursorDisplayText() const { return FCursorDisplayText; }
  void SetCursorDisplayText(const QString& Value) { FCursorDisplayText = Value; }
  double ValueX() const { return FValueX; }
  double ValueY() const { return FValueY; }
  TwPlotDataPointStatus Status() const { return FStatus; }

  // ---- state the drawing and the tests read ----
  bool Pointer1Show() const { return FPointer1Show; }
  bool Pointer2Show() const { return FPointer2Show; }
  TwOrientation Pointer1Orientation() const { return FPointer1Orientation; }
  TwOrientation Pointer2Orientation() const { return FPointer2Orientation; }
  TwOrientation HintOrientation() const { return FHintOrientation; }
  platform::TRect Pointer1Rect() const { return FPointer1Rect; }
  platform::TRect Pointer2Rect() const { return FPointer2Rect; }
  platform::TRect HintRect() const { return FHintRect; }
  bool HintShowing() const { return FHintShowing; }
  int SnapToIndexChannel() const { return FSnapToIndexChannel; }
  int SnapToIndexData() const { return FSnapToIndexData; }

  // ---- operations ----
  // Has the channels compute the values (never raises).
  void UpdateValues();
  // The channel named ChannelName (cached); null for none.
  TwPlotChannelCustom* GetChannel();
  // Snaps pointer 1, then pointer 2, onto data points.
  void DoSnapToDataPoint();
  void SnapPointer(int N);
  // Index and distance of the point whose X is nearest T; -1 for none.
  int FindNearestIndex(TwPlotChannel* Channel, double T, double& Distance) const;
  void MovePointerToDataPoint(int ChannelIndex, int Index, int Step, int N);
  void StepHint(bool Increase);
  // The Y of a time-series channel at XValue, read through this cursor.
  TwPlotDataPointStatus GetInterpolatedYValue(const QString& AChannelName, double XValue, double& YValue);

  // ---- plot-object overrides ----
  void SetVisible(bool Value) override;
  void SetXYAxesReversed(bool Value) override;
  void NotificationRemove(TwPersistent* Sender) override;
  void NotificationRename(TwPersistent* Sender) override;
  void NotificationSetFocus(TwPersistent* Sender) override;
  void Draw(platform::Canvas& Canvas, platform::TColor BackGroundColor) override;
  TCursor GetMouseCursor(const TwPlotMouseData& MouseData) override;
  void DoKeyDown(int& CharCode, Qt::KeyboardModifiers Shift, TwPlotPopupMenu* PopupMenu) override;
  void AddMenuItems(TwPlotPopupMenu* PopupMenu) override;

 protected:
  bool DoHitTest(const TwPlotMouseData& MouseData) override;
  void DoMouseLeft(const TwPlotMouseData& MouseData) override;
  void DoMouseMove(const TwPlotMouseData& MouseData) override;
  void DoMouseUp(const TwPlotMouseData& MouseData) override;
  void DoGotFocus() override;

  // Sets the pointers and the hint's direction for the style and the owner.
  void ApplyStyle();
  void DrawPointer(platform::Canvas& Canvas, double Position, TwOrientation Orientation, bool Dragged,
                   platform::TRect& GrabRect);
  void DrawHint(platform::Canvas& Canvas);
  // The colour of the lines and frames: the channel's or Color (NoChannel
  // without one: the box frame's black).
  platform::TColor LineColor(platform::TColor NoChannel);
  // The keys without and with snapping.
  void KeyMove(int CharCode, Qt::KeyboardModifiers Shift);
  void KeySnap(int CharCode, Qt::KeyboardModifiers Shift);
  // The owner is an XY plot (the style table's first column); the owner is
  // a time-series plot, the only one where snapping works.
  bool OwnerIsXY() const;
  bool OwnerIsTimeSeries() const;
  bool IsAll() const { return FChannelName == QStringLiteral("<All>"); }
  int Index() const;
  void RepaintNow();

 private:
  void ClampPositions();

  QString FChannelName;
  bool FChannelAllowAll = true;
  bool FChannelShowAllInLegend = true;
  TwPlotDataCursorStyle FStyle = ipcsValueXY;
  platform::TFont FFont;
  platform::TColor FColor = platform::clYellow;
  bool FUseChannelColor = true;
  bool FHintShow = true;
  bool FHintHideOnRelease = false;
  TwOrientationSide FHintOrientationSide = iosBottomRight;
  double FHintPosition = 50.0;
  double FPointer1Position = 50.0;
  double FPointer2Position = 60.0;
  int FPointerPenWidth = 1;

  int FMouseDownXPixels = 0, FMouseDownYPixels = 0, FMouseDownX = 0, FMouseDownY = 0;
  bool FMouseDownHint = false, FMouseDownPointer1 = false, FMouseDownPointer2 = false;
  platform::TRect FPointer1Rect, FPointer2Rect;
  bool FPointer1Show = true, FPointer2Show = true;
  TwOrientation FPointer1Orientation = ioVertical, FPointer2Orientation = ioHorizontal;
  platform::TRect FHintRect;
  TwOrientation FHintOrientation = ioVertical;
  bool FHintShowing = false;
  TwPlotChannelCustom* FChannel = nullptr;
  TwPlotDataView* FDataView = nullptr;
  int FHintHeight = 0, FHintWidth = 0;
  QString FCursorDisplayText;
  double FValueX = 0, FValueY = 0;
  TwPlotDataPointStatus FStatus = ipdpsValid;
  int FSnapToIndexChannel = 0, FSnapToIndexData = 0;
};
