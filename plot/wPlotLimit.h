// TwPlotLimit: a limit drawn on the plot's axes: a line at one X or Y value
// (iplsLineX, iplsLineY at Line1Position), a band between two values
// (iplsBandX, iplsBandY from Line1Position to Line2Position), or a poly band
// whose lower and upper edges follow its elements along the other axis
// (iplsPolyBandX: elements give a Y position and X limits; iplsPolyBandY: an
// X position and Y limits). The limit names its axes (XAxisName, YAxisName);
// one that does not resolve is neither drawn nor grabbed.
//
// Drawing. Lines are drawn only while their value lies on the axis, across
// the whole range of the other axis, in Color with LineStyle and LineWidth.
// A band with FillStyle bsSolid is an outlined rectangle; bsClear gives the
// two lines only; a hatched style a rectangle without outline plus the two
// lines. Poly bands fill each pair of consecutive elements as a quadrangle
// (outlined when solid, else with the upper and lower edges drawn) and stop
// at the first pair beyond the position axis. ClipToAxes clips the drawing to
// the axes' rectangle. FillsArea limits are painted before the data view's
// grid, the others after it.
//
// Mouse. Each drawn line has a grab rectangle 5 pixels either side of it.
// With SelectModeOnlyInteraction the mouse reaches the limit only while the
// plot's first toolbar is in select mode. With UserCanMove a press on a line
// drags it: every move writes Line1Position (or Line2Position) from the
// pointer, which notifies and fires the plot's OnLimitLine1PositionChange
// (OnLimitLine2PositionChange) with the old and new value; the release on a
// line fires OnClickLimit (OnDblClickLimit after a double click).
//
// AddBandElement raises "the Upper Limit must be greater than or equal to
// the Lower Limit" when LowerLimit > UpperLimit and adds nothing.
#pragma once

#include <QString>

#include "controls/wDataTypes.h"
#include "platform/Canvas.h"
#include "plot/wPlotObjects.h"

class TwPlotAxis;

enum TwPlotLimitStyle { iplsLineX, iplsLineY, iplsBandX, iplsBandY, iplsPolyBandX, iplsPolyBandY };

class TwPlotLimit : public TwPlotManagerObject {
 public:
  TwPlotLimit(TwPlotComponent* AOwner, TwNotifyEvent AOnChange, TwNotifyEvent AOnInsert, TwNotifyEvent AOnRemove,
              TwNotifyEvent AOnRename);
  ~TwPlotLimit() override;

  platform::TColor Color() const { return FColor; }
  void SetColor(platform::TColor Value) { SetColorProperty(Value, FColor, ipnChange); }
  platform::TPenStyle LineStyle() const { return FLineStyle; }
  void SetLineStyle(platform::TPenStyle Value);
  int LineWidth() const { return FLineWidth; }
  void SetLineWidth(int Value) { SetIntegerProperty(Value, FLineWidth, ipnChange); }
  platform::TBrushStyle FillStyle() const { return FFillStyle; }
  void SetFillStyle(platform::TBrushStyle Value);
  QString XAxisName() const { return FXAxisName; }
  void SetXAxisName(const QString& Value);
  QString YAxisName() const { return FYAxisName; }
  void SetYAxisName(const QString& Value);
  TwPlotLimitStyle Style() const { return FStyle; }
  void SetStyle(TwPlotLimitStyle Value);
  double Line1Position() const { return FLine1Position; }
  void SetLine1Position(double Value);
  double Line2Position() const { return FLine2Position; }
  void SetLine2Position(double Value);
  bool UserCanMove() const { return FUserCanMove; }
  void SetUserCanMove(bool Value) { SetBooleanProperty(Value, FUserCanMove, ipnChange); }
  bool SelectModeOnlyInteraction() const { return FSelectModeOnlyInteraction; }
  void SetSelectModeOnlyInteraction(bool Value) { FSelectModeOnlyInteraction = Value; }
  bool ClipToAxes() const { return FClipToAxes; }
  void SetClipToAxes(bool Value) { SetBooleanProperty(Value, FClipToAxes, ipnChange); }

  void AddBandElement(double Position, double UpperLimit, double LowerLimit);
  void ClearAllElements();
  int ElementCount() const { return FPointList.Count(); }

  // A line at a Y value: iplsLineY, iplsBandY and iplsPolyBandY.
  bool IsYLimit() const { return FStyle == iplsLineY || FStyle == iplsBandY || FStyle == iplsPolyBandY; }
  // Painted beneath the data view's grid: filled bands and poly bands.
  bool FillsArea() const;
  bool DrawBelowGrid() const { return FillsArea(); }
  // The axes the names resolve to; null when absent.
  TwPlotAxis* XAxis();
  TwPlotAxis* YAxis();
  bool Line1Show() const { return FLine1Show; }
  bool Line2Show() const { return FLine2Show; }
  platform::TRect Line1ClickRect() const { return FLine1ClickRect; }
  platform::TRect Line2ClickRect() const { return FLine2ClickRect; }

  void Draw(platform::Canvas& Canvas, platform::TColor BackGroundColor) override;
  void NotificationRemove(TwPersistent* Sender) override;
  void NotificationRename(TwPersistent* Sender) override;
  void NotificationSetFocus(TwPersistent* Sender) override;
  TCursor GetMouseCursor(const TwPlotMouseData& MouseData) override;
  void AddMenuItems(TwPlotPopupMenu* PopupMenu) override;

 protected:
  bool DoHitTest(const TwPlotMouseData& MouseData) override;
  void DoMouseLeft(const TwPlotMouseData& MouseData) override;
  void DoMouseMove(const TwPlotMouseData& MouseData) override;
  void DoMouseUp(const TwPlotMouseData& MouseData) override;

  // Drawing steps, with the axes resolved.
  void drawLine(platform::Canvas& Canvas, TwPlotAxis* Along, TwPlotAxis* Across, bool AlongX);
  void drawBand(platform::Canvas& Canvas, TwPlotAxis* Along, TwPlotAxis* Across, bool AlongX);
  void drawPolyBand(platform::Canvas& Canvas, TwPlotAxis* Position, TwPlotAxis* Limits, bool PositionY);
  // (A, B) on the screen: A along X and B along Y, exchanged while the plot
  // exchanges its axes.
  platform::TPoint Oriented(int A, int B) const;
  // A point at Along on the limit's own axis (X when AlongX) and Across on
  // the other.
  platform::TPoint At(int Along, int Across, bool AlongX) const;
  // The grab band of a line at pixel A, 5 pixels either side, across B1..B2.
  platform::TRect GrabRect(int A, int B1, int B2, bool AlongX) const;

 private:
  platform::TColor FColor = 255;
  platform::TPenStyle FLineStyle = platform::psSolid;
  int FLineWidth = 0;
  platform::TBrushStyle FFillStyle = platform::bsSolid;
  QString FXAxisName, FYAxisName;
  TwPlotLimitStyle FStyle = iplsLineY;
  double FLine1Position = 50, FLine2Position = 50;
  bool FUserCanMove = false;
  bool FSelectModeOnlyInteraction = true;
  bool FClipToAxes = false;

  TwLimitDataList FPointList;
  TwPlotAxis* FXAxis = nullptr;
  TwPlotAxis* FYAxis = nullptr;
  bool FLine1Show = false, FLine2Show = false;
  platform::TRect FLine1ClickRect, FLine2ClickRect;
  bool FMouseDownLine1 = false, FMouseDownLine2 = false;
};
