// TwPlotChannel: the channel of the time-series plot (TwPlot), whose points
// follow one another along X, rising or falling. Because its data are ordered
// it finds the visible part of the store by bisection, interpolates Y at any
// X, and draws in more ways than the XY channel.
//
// Data order: with two points or more the data rise when X(1) >= X(0), else
// they fall (an empty or one-point channel counts as rising). With
// AllowOutOfOrderXValues off, AddXY, AddXNull, AddXEmpty and AddHighLow raise
// "New Data-Point X-Value is out of order" (rising data) or "New Data-Point
// X-Value is out of order." (falling data) for an X against that order.
//
// Time sources: a date-time is days since 30 December 1899, local time.
// ElapsedStartTime is set at construction and by ResetElapsedStartTime, and,
// with ResetStartTimeOnFirstDataPoint, by the first point of an empty channel.
// AddYNow, AddYElapsedTime (days) and AddYElapsedSeconds take X from the
// clock; AddYArray adds its values at XInterval steps from the last X (0 on an
// empty channel), the first one at that X itself.
//
// Draw range: the points on the X axis's range plus one beyond each edge
// (found by bisection, or by a scan with DrawOutOfOrderXValues).
// CalcIndex(T) is the index of the first point at or past T in the data's
// direction (-1 outside the data); GetYInterpolated interpolates linearly in
// pixel space between that point and the one before (a digital channel holds
// the previous value); Null and Empty points end the interpolation.
//
// Drawing (wPlotChannelStyles.cpp), inside a guard that drops the channel for
// one paint on any failure: the fill down to FillReference, bars, the trace
// (fast trace merging pixel columns, point to point, steps, digital levels,
// cubic spline, polynomial, rational), markers, then high-low bars or
// candlesticks. Smooth traces break at Null points and skip Empty ones; a run
// of falling X is evaluated reversed; two equal X in a run raise the
// routine's error and so drop the channel for that paint.
//
// Data cursor readout (wPlotChannelReadout.cpp): the X under pointer 1 with
// the Y that GetYAtX finds there ("High" or "Low" for a digital channel);
// DeltaX scaled by the X axis's CursorScaler; InverseDeltaX in the axis's
// cursor format; DeltaY as |y1 - y2| on the Y axis, unscaled. Without both
// axes or a data view the channel reports nothing.
//
// A right click within 10 pixels of the trace (along Y) hits the channel.
//
// Item binding (wPlotChannelOPC.cpp): item 0 feeds Y with X by
// OPCXValueSource (the server's time stamp, the clock, the elapsed time or
// seconds); with iopcxvsOPCItem items 0 and 1 share one group and every group
// update adds (item 0, item 1).
#pragma once

#include <memory>
#include <vector>

#include "plot/wPlotChannelCustom.h"

class TwOPCItem;
class TwOPCItemManager;
class TwOPCManager;

enum TwPlotInterpolationStyle {
  ipistStraightLine,
  ipistCubicSpline,
  ipistPolynomial,
  ipistRational,
  ipistDifferential,
  ipistDifferentialTerminated
};
enum TwPlotDigitalReferenceStyle { ipdrScale, ipdrPercent };
enum TwPlotHighLowStyle { iphlsOpenClose, iphlsCandleStick };
enum TwOPCXValueSourceStyle {
  iopcxvsOPCServerTimeStamp,
  iopcxvsSystemTimeStamp,
  iopcxvsElapsedTime,
  iopcxvsElapsedSeconds,
  iopcxvsOPCItem
};

// One pixel column of the X axis: the Y value a smooth trace drew there.
struct TwPlotPixelPoint {
  bool Null = true;
  int XPixel = 0;
  double YValue = 0;
};

// The current local time as days since 30 December 1899.
double PlotNow();

class TwPlotChannel : public TwPlotChannelCustom {
 public:
  TwPlotChannel(TwPlotComponent* AOwner, TwNotifyEvent AOnChange, TwNotifyEvent AOnInsert, TwNotifyEvent AOnRemove,
                TwNotifyEvent AOnRename);
  ~TwPlotChannel() override;

  // ---- published properties ----
  bool FastDrawEnabled() const { return FFastDrawEnabled; }
  void SetFastDrawEnabled(bool Value) { SetBooleanProperty(Value, FFastDrawEnabled, ipnChange); }
  bool AllowOutOfOrderXValues() const { return FAllowOutOfOrderXValues; }
  void SetAllowOutOfOrderXValues(bool Value) { SetBooleanProperty(Value, FAllowOutOfOrderXValues, ipnChange); }
  bool DrawOutOfOrderXValues() const { return FDrawOutOfOrderXValues; }
  void SetDrawOutOfOrderXValues(bool Value) { SetBooleanProperty(Value, FDrawOutOfOrderXValues, ipnChange); }
  bool ResetStartTimeOnFirstDataPoint() const { return FResetStartTimeOnFirstDataPoint; }
  void SetResetStartTimeOnFirstDataPoint(bool Value) {
    SetBooleanProperty(Value, FResetStartTimeOnFirstDataPoint, ipnChange);
  }
  TwPlotInterpolationStyle InterpolationStyle() const { return FInterpolationStyle; }
  void SetInterpolationStyle(TwPlotInterpolationStyle Value) { SetEnum(Value, FInterpolationStyle); }
  bool FillEnabled() const { return FFillEnabled; }
  void SetFillEnabled(bool Value) { SetBooleanProperty(Value, FFillEnabled, ipnChange); }
  double FillReference() const { return FFillReference; }
  void SetFillReference(double Value) { SetDoubleProperty(Value, FFillReference, ipnChange); }
  platform::TBrushStyle FillStyle() const { return FFillStyle; }
  void SetFillStyle(platform::TBrushStyle Value) { SetEnum(Value, FFillStyle); }
  platform::TColor FillColor() const { return FFillColor; }
  void SetFillColor(platform::TColor Value) { SetColorProperty(Value, FFillColor, ipnChange); }
  bool FillUseChannelColor() const { return FFillUseChannelColor; }
  void SetFillUseChannelColor(bool Value) { SetBooleanProperty(Value, FFillUseChannelColor, ipnChange); }
  bool DigitalEnabled() const { return FDigitalEnabled; }
  void SetDigitalEnabled(bool Value) { SetBooleanProperty(Value, FDigitalEnabled, ipnChange); }
  TwPlotDigitalReferenceStyle DigitalReferenceStyle() const { return FDigitalReferenceStyle; }
  void SetDigitalReferenceStyle(TwPlotDigitalReferenceStyle Value) { SetEnum(Value, FDigitalReferenceStyle); }
  double DigitalReferenceLow() const { return FDigitalReferenceLow; }
  void SetDigitalReferenceLow(double Value) { SetDoubleProperty(Value, FDigitalReferenceLow, ipnChange); }
  double DigitalReferenceHigh() const { return FDigitalReferenceHigh; }
  void SetDigitalReferenceHigh(double Value) { SetDoubleProperty(Value, FDigitalReferenceHigh, ipnChange); }
  TwPlotHighLowStyle HighLowStyle() const { return FHighLowStyle; }
  void SetHighLowStyle(TwPlotHighLowStyle Value) { SetEnum(Value, FHighLowStyle); }
  bool HighLowEnabled() const { return FHighLowEnabled; }
  void SetHighLowEnabled(bool Value) { SetBooleanProperty(Value, FHighLowEnabled, ipnChange); }
  platform::TColor HighLowBarColor() const { return FHighLowBarColor; }
  void SetHighLowBarColor(platform::TColor Value) { SetColorProperty(Value, FHighLowBarColor, ipnChange); }
  double HighLowBarWidth() const { return FHighLowBarWidth; }
  void SetHighLowBarWidth(double Value) { SetDoubleProperty(Value, FHighLowBarWidth, ipnChange); }
  bool HighLowOpenShow() const { return FHighLowOpenShow; }
  void SetHighLowOpenShow(bool Value) { SetBooleanProperty(Value, FHighLowOpenShow, ipnChange); }
  platform::TColor HighLowOpenColor() const { return FHighLowOpenColor; }
  void SetHighLowOpenColor(platform::TColor Value) { SetColorProperty(Value, FHighLowOpenColor, ipnChange); }
  double HighLowOpenWidth() const { return FHighLowOpenWidth; }
  void SetHighLowOpenWidth(double Value) { SetDoubleProperty(Value, FHighLowOpenWidth, ipnChange); }
  double HighLowOpenHeight() const { return FHighLowOpenHeight; }
  void SetHighLowOpenHeight(double Value) { SetDoubleProperty(Value, FHighLowOpenHeight, ipnChange); }
  bool HighLowCloseShow() const { return FHighLowCloseShow; }
  void SetHighLowCloseShow(bool Value) { SetBooleanProperty(Value, FHighLowCloseShow, ipnChange); }
  platform::TColor HighLowCloseColor() const { return FHighLowCloseColor; }
  void SetHighLowCloseColor(platform::TColor Value) { SetColorProperty(Value, FHighLowCloseColor, ipnChange); }
  double HighLowCloseWidth() const { return FHighLowCloseWidth; }
  void SetHighLowCloseWidth(double Value) { SetDoubleProperty(Value, FHighLowCloseWidth, ipnChange); }
  double HighLowCloseHeight() const { return FHighLowCloseHeight; }
  void SetHighLowCloseHeight(double Value) { SetDoubleProperty(Value, FHighLowCloseHeight, ipnChange); }
  platform::TColor HighLowShadowColor() const { return FHighLowShadowColor; }
  void SetHighLowShadowColor(platform::TColor Value) { SetColorProperty(Value, FHighLowShadowColor, ipnChange); }
  platform::TColor HighLowBullishColor() const { return FHighLowBullishColor; }
  void SetHighLowBullishColor(platform::TColor Value) { SetColorProperty(Value, FHighLowBullishColor, ipnChange); }
  platform::TColor HighLowBearishColor() const { return FHighLowBearishColor; }
  void SetHighLowBearishColor(platform::TColor Value) { SetColorProperty(Value, FHighLowBearishColor, ipnChange); }
  bool BarEnabled() const { return FBarEnabled; }
  void SetBarEnabled(bool Value) { SetBooleanProperty(Value, FBarEnabled, ipnChange); }
  bool BarPenUseChannelColor() const { return FBarPenUseChannelColor; }
  void SetBarPenUseChannelColor(bool Value) { SetBooleanProperty(Value, FBarPenUseChannelColor, ipnChange); }
  bool BarBrushUseChannelColor() const { return FBarBrushUseChannelColor; }
  void SetBarBrushUseChannelColor(bool Value) { SetBooleanProperty(Value, FBarBrushUseChannelColor, ipnChange); }
  // The Bar values live in the store's stored values: every write notifies.
  double BarReference() const { return DataList().Stored().BarReference; }
  void SetBarReference(double Value) { StoreBar(&TwPlotStoredStyle::BarReference, Value); }
  double BarWidth() const { return DataList().Stored().BarWidth; }
  void SetBarWidth(double Value) { StoreBar(&TwPlotStoredStyle::BarWidth, Value); }
  platform::TColor BarPenColor() const { return DataList().Stored().BarPenColor; }
  void SetBarPenColor(platform::TColor Value) { StoreBar(&TwPlotStoredStyle::BarPenColor, Value); }
  int BarPenWidth() const { return DataList().Stored().BarPenWidth; }
  void SetBarPenWidth(int Value) { StoreBar(&TwPlotStoredStyle::BarPenWidth, Value); }
  platform::TPenStyle BarPenStyle() const { return DataList().Stored().BarPenStyle; }
  void SetBarPenStyle(platform::TPenStyle Value) { StoreBar(&TwPlotStoredStyle::BarPenStyle, Value); }
  platform::TColor BarBrushColor() const { return DataList().Stored().BarBrushColor; }
  void SetBarBrushColor(platform::TColor Value) { StoreBar(&TwPlotStoredStyle::BarBrushColor, Value); }
  platform::TBrushStyle BarBrushStyle() const { return DataList().Stored().BarBrushStyle; }
  void SetBarBrushStyle(platform::TBrushStyle Value) { StoreBar(&TwPlotStoredStyle::BarBrushStyle, Value); }

  // ---- item binding ----
  QString OPCGroupName() const;
  void SetOPCGroupName(const QString& Value);
  QString OPCComputerName() const;
  void SetOPCComputerName(const QString& Value);
  QString OPCServerName() const;
  void SetOPCServerName(const QString& Value);
  QString OPCItemName() const;
  void SetOPCItemName(const QString& Value);
  QString OPCItem2Name() const;
  void SetOPCItem2Name(const QString& Value);
  int OPCUpdateRate() const;
  void SetOPCUpdateRate(int Value);
  double OPCScalar() const;
  void SetOPCScalar(double Value);
  double OPCOffset() const;
  void SetOPCOffset(double Value);
  double OPCScalar2() const;
  void SetOPCScalar2(double Value);
  double OPCOffset2() const;
  void SetOPCOffset2(double Value);
  bool OPCAutoConnect() const;
  void SetOPCAutoConnect(bool Value);
  TwOPCXValueSourceStyle OPCXValueSource() const { return FOPCXValueSource; }
  void SetOPCXValueSource(TwOPCXValueSourceStyle Value) { SetEnum(Value, FOPCXValueSource); }
  bool OPCActive() const;
  bool OPCQualityGood() const;
  void OPCActivate();
  void OPCActivateSuspend();
  void OPCDeactivate();
  void OPCUpdateSuspend();
  void OPCUpdateResume();
  TwOPCManager* OPCManager() const { return FOPCManager.get(); }
  TwOPCItem* OPCItem(int Index) const;

  // ---- time ----
  double ElapsedStartTime() const { return FElapsedStartTime; }
  void SetElapsedStartTime(double Value) { FElapsedStartTime = Value; }
  void ResetElapsedStartTime() { FElapsedStartTime = PlotNow(); }

  // ---- points ----
  int AddXY(double X, double Y) override;
  int AddXNull(double X);
  int AddXEmpty(double X);
  // High, Low, Open and Close on a point of Y 0 (kept by the full-feature
  // store only); tracks the axes, no statistics and no log.
  int AddHighLow(double X, double High, double Low, double Open, double Close);
  int AddYNow(double Y);
  int AddYElapsedTime(double Y);
  int AddYElapsedSeconds(double Y);
  void AddYArray(double XInterval, const std::vector<double>& YData);

  // ---- search and readout ----
  bool XIncreasing() const;
  int CalcIndex(double TargetValue) const;
  bool GetYInterpolated(double XValue, double& YValue) const;
  // The value a data cursor shows at X: valid, Null (a smooth trace did not
  // draw that column) or Empty (nothing there).
  TwPlotDataPointStatus GetYAtX(double X, double& Y) const;
  void UpdateDataCursor(TwPlotDataCursor* DataCursor) override;

  // ---- drawing ----
  void PrepareDraw(platform::Canvas& Canvas) override;
  void Draw(platform::Canvas& Canvas, platform::TColor BackGroundColor) override;
  void DrawTrace(platform::Canvas& Canvas, bool XYReversed, platform::TColor BackGroundColor) override;
  void DrawMarkers(platform::Canvas& Canvas, bool XYReversed, platform::TColor BackGroundColor) override;
  void CalcDrawStartIndex() override;
  void CalcDrawStopIndex() override;
  double GetFitXMax() override;
  double GetFitXMin() override;
  double GetFitYMax() override;
  double GetFitYMin() override;
  const std::vector<TwPlotPixelPoint>& PixelList() const { return FPixelList; }
  int PixelListStart() const { return FPixelListStart; }
  int PixelListStop() const { return FPixelListStop; }

  void DoInsert() override;

 protected:
  bool DoHitTest(const TwPlotMouseData& MouseData) override;
  QString DataCursorValidYText(double Y) const override;
  QString DataCursorInverseXText(double X) const override;

 private:
  template <class T>
  void SetEnum(T Value, T& Field) {
    if (Value == Field) return;
    Field = Value;
    DoChange();
  }
  template <class T>
  void StoreBar(T TwPlotStoredStyle::*Field, T Value) {
    DataListRef().Stored().*Field = Value;
    DoChange();
  }
  void CheckXOrder(double X) const;
  void ResetOnFirstPoint();
  int SearchAscending(double X) const;
  int SearchDescending(double X) const;

  // Drawing passes (wPlotChannelStyles.cpp).
  void SetFillBrush(platform::Canvas& Canvas, platform::TColor BackGroundColor) const;
  platform::TColor FillBrushColor() const;
  void FillPolygon(platform::Canvas& Canvas, bool XYReversed, double X1, double Y1, double X2, double Y2, double X3,
                   double Y3, double X4, double Y4);
  void DrawFill(platform::Canvas& Canvas, bool XYReversed, platform::TColor BackGroundColor);
  void DrawBars(platform::Canvas& Canvas, bool XYReversed, platform::TColor BackGroundColor);
  void DrawOpenClose(platform::Canvas& Canvas, bool XYReversed, platform::TColor BackGroundColor);
  void DrawCandleStick(platform::Canvas& Canvas, bool XYReversed, platform::TColor BackGroundColor);
  void DrawFastTrace(platform::Canvas& Canvas, bool XYReversed);
  void DrawStepTrace(platform::Canvas& Canvas, bool XYReversed, platform::TColor BackGroundColor);
  void DrawDigitalTrace(platform::Canvas& Canvas, bool XYReversed, platform::TColor BackGroundColor);
  void DrawSmoothTrace(platform::Canvas& Canvas, bool XYReversed, platform::TColor BackGroundColor);
  void DrawSmoothRun(platform::Canvas& Canvas, bool XYReversed, std::vector<double> XA, std::vector<double> YA);
  void SetPixelPoint(int XPixel, double YValue);
  platform::TRect ValueRectToPixels(bool XYReversed, double X1, double Y1, double X2, double Y2) const;

  // Item binding: each new value of item 0; each completed group update.
  void OPCNewData();
  void OPCAfterGroupUpdate();

  bool FFastDrawEnabled = true;
  bool FAllowOutOfOrderXValues = true;
  bool FDrawOutOfOrderXValues = false;
  bool FResetStartTimeOnFirstDataPoint = false;
  TwPlotInterpolationStyle FInterpolationStyle = ipistStraightLine;
  bool FFillEnabled = false;
  double FFillReference = 0;
  platform::TBrushStyle FFillStyle = platform::bsSolid;
  platform::TColor FFillColor = 0;
  bool FFillUseChannelColor = true;
  bool FDigitalEnabled = false;
  TwPlotDigitalReferenceStyle FDigitalReferenceStyle = ipdrScale;
  double FDigitalReferenceLow = 10;
  double FDigitalReferenceHigh = 90;
  TwPlotHighLowStyle FHighLowStyle = iphlsOpenClose;
  bool FHighLowEnabled = false;
  platform::TColor FHighLowBarColor = 0xFFFF00;
  double FHighLowBarWidth = 0.5;
  bool FHighLowOpenShow = true;
  platform::TColor FHighLowOpenColor = 0x00FF00;
  double FHighLowOpenWidth = 1;
  double FHighLowOpenHeight = 1;
  bool FHighLowCloseShow = true;
  platform::TColor FHighLowCloseColor = 0x0000FF;
  double FHighLowCloseWidth = 1;
  double FHighLowCloseHeight = 1;
  platform::TColor FHighLowShadowColor = 0x808080;
  platform::TColor FHighLowBullishColor = 0xFFFFFF;
  platform::TColor FHighLowBearishColor = 0x808080;
  bool FBarEnabled = false;
  bool FBarPenUseChannelColor = true;
  bool FBarBrushUseChannelColor = true;
  TwOPCXValueSourceStyle FOPCXValueSource = iopcxvsOPCServerTimeStamp;

  double FElapsedStartTime = 0;
  std::vector<TwPlotPixelPoint> FPixelList;
  int FPixelListStart = 0;
  int FPixelListStop = 0;
  int FPixelsHigh = 0;
  int FPixelsLow = 0;

  std::unique_ptr<TwOPCManager> FOPCManager;
  std::unique_ptr<TwOPCItemManager> FOPCItemManager;
};
