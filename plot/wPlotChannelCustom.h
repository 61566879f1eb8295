// TwPlotChannelCustom: the data side of every plot channel. It owns one point
// store (wPlotDataList.h, chosen by DataStyle), the channel's style values, its
// binding to an X and a Y axis by name, running statistics, and the public
// operations through which callers add, delete and read points. It draws its
// points as a point-to-point trace with markers and lets the user click and
// drag them. TwXYPlotChannel and TwPlotChannel supply the draw range and the
// zoom-to-fit extents.
//
// The channel manager names a new channel "Channel n", titles it so, gives it
// the next palette colour and the names of X axis 0 and Y axis 0.
//
// Points. AddXY appends a point and returns its index; DeletePoints(n)
// removes the n oldest points, and clears the channel when n is the point
// count (also 0 on an empty channel); other sizes outside 0 .. Count - 1 raise
// "Delete size out of Range". A Null point breaks the trace; an Empty point is
// a placeholder that drawing, the statistics on demand and hit testing skip
// (the trace continues across it). Only the standard and full-feature stores
// keep these flags. The running statistics (RunningXMin ... RunningYMean,
// long double totals) count every added point and are reset by Clear only;
// GetXMin ... GetYMean rescan the valid points and store their result.
//
// Style. Color, TraceLineStyle, TraceLineWidth and the Markers... values
// (except MarkersFont and the switches) live in the store's stored values:
// every write stores and notifies, and a DataStyle change carries them (and
// RingBufferSize) into the new store, dropping the points. The other
// properties notify only when they change. Every change asks the plot for a
// repaint (the object's change hook).
//
// Axes. XAxis / YAxis resolve XAxisName / YAxisName through the plot and cache
// the answer; a removed axis is forgotten, a renamed one keeps its channels.
// With markers, AddXY tracks the axes with the value widened by the marker
// (XPlusMarker, XMinusMarker, ...), so the whole marker stays in view.
//
// Drawing goes through platform::Canvas with its GDI rules (no anti-aliasing,
// pens wider than one pixel solid with round ends, width 1 set as 0). The
// trace joins the points of the draw range in order; DrawSegment clips each
// segment to the X range always and to the Y range with ClipToAxes. Markers
// (twelve shapes, MarkersStyle) sit on every drawable point unless more than
// MarkersTurnOffLimit points are in the draw range (0: never turned off).
//
// Mouse. A click on the channel's legend entry fires OnClickChannel. While the
// first toolbar is in its select state the points are hit by their marker
// rectangles: hints with ShowDataPointHints, the data-point mouse and click
// events, and with UserCanMoveDataPoints a drag by UserCanMoveDataPointsStyle
// (a compact-interval channel moves Y only), ending in OnDataPointMoved.
//
// Failures throw TwException: the store's texts, "Data Point Null", "X-Axis
// not assigned", "Y-Axis not assigned", the array checks of AddXYArrays /
// AddXYArray, and "Log File Name can not be changed while logging is active.".
#pragma once

#include <QString>
#include <QVariant>

#include <memory>
#include <vector>

#include "controls/wDraw.h"
#include "plot/wPlotAxis.h"
#include "plot/wPlotDataList.h"
#include "plot/wPlotObjects.h"

class TwPlotAxis;
class TwPlotDataCursor;
class TwPlotXAxis;
class TwPlotYAxis;

enum TwPlotChannelDataPointMoveStyle { ipcdpmsXandY, ipcdpmsXOnly, ipcdpmsYOnly };
enum TwPlotDataPointStatus { ipdpsValid, ipdpsNull, ipdpsEmpty };

class TwPlotChannelCustom : public TwPlotManagerObject, public TwPlotFitExtents {
 public:
  TwPlotChannelCustom(TwPlotComponent* AOwner, TwNotifyEvent AOnChange, TwNotifyEvent AOnInsert,
                      TwNotifyEvent AOnRemove, TwNotifyEvent AOnRename);
  ~TwPlotChannelCustom() override;

  // ---- published properties ----
  QString TitleText() const { return FTitleText; }
  void SetTitleText(const QString& Value) { SetStringProperty(Value, FTitleText, ipnChange); }
  bool VisibleInLegend() const { return FVisibleInLegend; }
  void SetVisibleInLegend(bool Value) { SetBooleanProperty(Value, FVisibleInLegend, ipnChange); }
  bool ClipToAxes() const { return FClipToAxes; }
  void SetClipToAxes(bool Value) { SetBooleanProperty(Value, FClipToAxes, ipnChange); }
  bool ShowDataPointHints() const { return FShowDataPointHints; }
  void SetShowDataPointHints(bool Value) { FShowDataPointHints = Value; }
  bool UserCanMoveDataPoints() const { return FUserCanMoveDataPoints; }
  void SetUserCanMoveDataPoints(bool Value) { FUserCanMoveDataPoints = Value; }
  TwPlotChannelDataPointMoveStyle UserCanMoveDataPointsStyle() const { return FUserCanMoveDataPointsStyle; }
  void SetUserCanMoveDataPointsStyle(TwPlotChannelDataPointMoveStyle Value) { FUserCanMoveDataPointsStyle = Value; }
  int RingBufferSize() const { return FDataList->RingBufferSize(); }
  void SetRingBufferSize(int Value);
  bool TraceVisible() const { return FTraceVisible; }
  void SetTraceVisible(bool Value) { SetBooleanProperty(Value, FTraceVisible, ipnChange); }
  platform::TColor Color() const { return Stored().TraceLineColor; }
  void SetColor(platform::TColor Value) { StoreStyle(Stored().TraceLineColor, Value); }
  TwPlotLineStyle TraceLineStyle() const { return Stored().TraceLineStyle; }
  void SetTraceLineStyle(TwPlotLineStyle Value) { StoreStyle(Stored().TraceLineStyle, Value); }
  int TraceLineWidth() const { return Stored().TraceLineWidth; }
  void SetTraceLineWidth(int Value) { StoreStyle(Stored().TraceLineWidth, Value); }
  bool MarkersAllowIndividual() const { return FMarkersAllowIndividual; }
  void SetMarkersAllowIndividual(bool Value) { SetBooleanProperty(Value, FMarkersAllowIndividual, ipnChange); }
  bool MarkersPenUseChannelColor() const { return FMarkersPenUseChannelColor; }
  void SetMarkersPenUseChannelColor(bool Value) { SetBooleanProperty(Value, FMarkersPenUseChannelColor, ipnChange); }
  bool MarkersBrushUseChannelColor() const { return FMarkersBrushUseChannelColor; }
  void SetMarkersBrushUseChannelColor(bool Value) {
    SetBooleanProperty(Value, FMarkersBrushUseChannelColor, ipnChange);
  }
  int MarkersTurnOffLimit() const { return FMarkersTurnOffLimit; }
  void SetMarkersTurnOffLimit(int Value) { SetIntegerProperty(Value, FMarkersTurnOffLimit, ipnChange); }
  bool MarkersVisible() const { return Stored().MarkerVisible; }
  void SetMarkersVisible(bool Value) { StoreStyle(Stored().MarkerVisible, Value); }
  // Half the marker's extent in pixels.
  int MarkersSize() const { return Stored().MarkerSize; }
  void SetMarkersSize(int Value) { StoreStyle(Stored().MarkerSize, Value); }
  TwPlotMarkerStyle MarkersStyle() const { return Stored().MarkerStyle; }
  void SetMarkersStyle(TwPlotMarkerStyle Value) { StoreStyle(Stored().MarkerStyle, Value); }
  platform::TColor MarkersPenColor() const { return Stored().MarkerPenColor; }
  void SetMarkersPenColor(platform::TColor Value) { StoreStyle(Stored().MarkerPenColor, Value); }
  platform::TPenStyle MarkersPenStyle() const { return Stored().MarkerPenStyle; }
  void SetMarkersPenStyle(platform::TPenStyle Value) { StoreStyle(Stored().MarkerPenStyle, Value); }
  int MarkersPenWidth() const { return Stored().MarkerPenWidth; }
  void SetMarkersPenWidth(int Value) { StoreStyle(Stored().MarkerPenWidth, Value); }
  platform::TColor MarkersBrushColor() const { return Stored().MarkerBrushColor; }
  void SetMarkersBrushColor(platform::TColor Value) { StoreStyle(Stored().MarkerBrushColor, Value); }
  platform::TBrushStyle MarkersBrushStyle() const { return Stored().MarkerBrushStyle; }
  void SetMarkersBrushStyle(platform::TBrushStyle Value) { StoreStyle(Stored().MarkerBrushStyle, Value); }
  // Character markers' font: white and bold at first.
  const platform::TFont& MarkersFont() const { return FMarkersFont; }
  void SetMarkersFont(const platform::TFont& Value);
  QString XAxisName() const { return FXAxisName; }
  void SetXAxisName(const QString& Value);
  QString YAxisName() const { return FYAxisName; }
  void SetYAxisName(const QString& Value);
  bool XAxisTrackingEnabled() const { return FXAxisTrackingEnabled; }
  void SetXAxisTrackingEnabled(bool Value) { SetBooleanProperty(Value, FXAxisTrackingEnabled, ipnChange); }
  bool YAxisTrackingEnabled() const { return FYAxisTrackingEnabled; }
  void SetYAxisTrackingEnabled(bool Value) { SetBooleanProperty(Value, FYAxisTrackingEnabled, ipnChange); }
  QString LogFileName() const { return FLogFileName; }
  void SetLogFileName(const QString& Value);
  int LogBufferSize() const { return FLogBufferSize; }
  void SetLogBufferSize(int Value) { FLogBufferSize = Value; }
  bool LoggingActive() const { return FLoggingActive; }
  TwPlotDataStyle DataStyle() const { return FDataStyle; }
  // Replaces the store: the points go, style values and ring size stay.
  void SetDataStyle(TwPlotDataStyle Value);
  QVariant Tag() const { return FTag; }
  void SetTag(const QVariant& Value) { FTag = Value; }

  // ---- public state ----
  // The resolved axes; null when no axis of that name exists.
  TwPlotXAxis* XAxis() const;
  TwPlotYAxis* YAxis() const;
  bool AxesAssigned() const { return XAxis() && YAxis(); }
  int Count() const { return FDataList->Count(); }
  // Sets the store's capacity (a ring keeps 1 at least); a value below the
  // point count drops the newest points beyond it; negative raises.
  void SetCount(int Value);
  int Capacity() const { return FDataList->Capacity(); }
  int DataPointSize() const { return FDataList->DataPointSize(); }
  int MaxDataPoints() const { return FDataList->MaxDataPoints(); }
  long long MemoryUsed() const { return FDataList->MemoryUsed(); }
  int IndexFirst() const { return Count() ? 0 : -1; }
  int IndexLast() const { return Count() - 1; }
  double XFirst() const { return Count() ? GetDataX(0) : -1; }
  double XLast() const { return Count() ? GetDataX(Count() - 1) : -1; }
  double YFirst() const { return Count() ? GetDataY(0) : -1; }
  double YLast() const { return Count() ? GetDataY(Count() - 1) : -1; }
  int DrawStartIndex() const { return FStartIndex; }
  int DrawStopIndex() const { return FStopIndex; }
  double RunningXMin() const override { return FRunningXMin; }
  double RunningXMax() const override { return FRunningXMax; }
  double RunningXMean() const { return FRunningXMean; }
  double RunningYMin() const override { return FRunningYMin; }
  double RunningYMax() const override { return FRunningYMax; }
  double RunningYMean() const { return FRunningYMean; }
  QString DataCursorXText, DataCursorYText;
  double DataCursorXValue = 0, DataCursorYValue = 0;
  TwPlotDataPointStatus DataCursorStatus = ipdpsValid;
  // The point store (tests and the plot's data files read it).
  const TwPlotDataCustomList& DataList() const { return *FDataList; }

  // ---- points ----
  virtual int AddXY(double X, double Y);
  // Adds (XData[i], YData[i]) for i from Low to High; both sequences are
  // indexed from their own Low bound.
  void AddXYArrays(const std::vector<double>& XData, int XLow, int XHigh, const std::vector<double>& YData,
                   int YLow, int YHigh);
  // Adds (Data[0][j], Data[1][j]) for every j.
  void AddXYArray(const std::vector<std::vector<double>>& Data);
  virtual void Clear();
  void DeletePoints(int Size);
  void GetXYEmptyNull(int Index, double& X, double& Y, bool& Empty, bool& Null) const {
    FDataList->GetXYEmptyNull(Index, X, Y, Empty, Null);
  }

  // Statistics on demand over the valid points; each stores its result as
  // the running value.
  double GetXMin();
  double GetXMax();
  double GetXMean();
  double GetYMin();
  double GetYMax();
  double GetYMean();
  void ReCalcRunningMinMaxMean();

  // The axis's text for a value; "No X-Axis" / "No Y-Axis" without one.
  QString GetXValueText(double Value) const;
  QString GetYValueText(double Value) const;

  // ---- files and logging (wPlotChannelFiles.cpp) ----
  // One line per point, X and Y by the plot's column separator; a Null
  // point's Y is "Null", an Empty point has no line.
  void SaveDataToFile(const QString& FileName);
  // Ends logging first; lines with an empty X are skipped; "null" (any
  // case) gives a Null point.
  void LoadDataFromFile(const QString& FileName, bool ClearPreviousData);
  // Raise "Log File Name not Defined" / "Logging Already Active"; Append
  // needs the file, otherwise it is created empty.
  void LogActivate(bool Append);
  // Raises "Logging not Active"; writes the pending points.
  void LogDeactivate();
  // "File Type = Plot Channel Config", then the published properties under
  // "Channel". Failures read "Error Saving Properties - ..." /
  // "Error Loading Properties - ...".
  void SavePropertiesToFile(const QString& FileName);
  void LoadPropertiesFromFile(const QString& FileName);

  // ---- per-point accessors ----
  double GetDataX(int Index) const { return FDataList->GetX(Index); }
  double GetDataY(int Index) const { return FDataList->GetY(Index); }
  bool GetDataNull(int Index) const { return FDataList->GetNull(Index); }
  bool GetDataEmpty(int Index) const { return FDataList->GetEmpty(Index); }
  bool GetDataValid(int Index) const { return !GetDataEmpty(Index) && !GetDataNull(Index); }
  void SetDataX(int Index, double Value);
  void SetDataY(int Index, double Value);
  void SetDataNull(int Index, bool Value);
  void SetDataEmpty(int Index, bool Value);
  bool GetDataMarkerVisible(int Index) const { return FDataList->GetMarkerVisible(Index); }
  TwPlotMarkerStyle GetDataMarkerStyle(int Index) const { return FDataList->GetMarkerStyle(Index); }
  int GetDataMarkerSize(int Index) const { return FDataList->GetMarkerSize(Index); }
  platform::TColor GetDataMarkerPenColor(int Index) const { return FDataList->GetMarkerPenColor(Index); }
  int GetDataMarkerPenWidth(int Index) const { return FDataList->GetMarkerPenWidth(Index); }
  platform::TPenStyle GetDataMarkerPenStyle(int Index) const { return FDataList->GetMarkerPenStyle(Index); }
  platform::TColor GetDataMarkerBrushColor(int Index) const { return FDataList->GetMarkerBrushColor(Index); }
  platform::TBrushStyle GetDataMarkerBrushStyle(int Index) const { return FDataList->GetMarkerBrushStyle(Index); }
  QChar GetDataMarkerCharacter(int Index) const { return FDataList->GetMarkerCharacter(Index); }
  platform::TColor GetDataTraceColor(int Index) const { return FDataList->GetTraceLineColor(Index); }
  TwPlotLineStyle GetDataTraceStyle(int Index) const { return FDataList->GetTraceLineStyle(Index); }
  int GetDataTraceWidth(int Index) const { return FDataList->GetTraceLineWidth(Index); }
  // A point's value widened by its marker's extent on the axis (the plain
  // value without markers); raise for a Null point or an unresolved axis.
  double XPlusMarker(int Index) const;
  double XMinusMarker(int Index) const;
  double YPlusMarker(int Index) const;
  double YMinusMarker(int Index) const;

  // The legend entry's rectangle (set by the legend); a click in it is a
  // click on the channel.
  platform::TRect LegendRect() const { return FLegendRect; }
  void SetLegendRect(const platform::TRect& Value) { FLegendRect = Value; }

  // ---- draw range and zoom-to-fit, by the channel kind ----
  virtual void CalcDrawStartIndex() = 0;
  virtual void CalcDrawStopIndex() = 0;
  // GetFitXMax ... GetFitYMin (TwPlotFitExtents): the axes' zoom to fit.

  // ---- drawing ----
  virtual void DrawTrace(platform::Canvas& Canvas, bool XYReversed, platform::TColor BackGroundColor);
  virtual void DrawMarkers(platform::Canvas& Canvas, bool XYReversed, platform::TColor BackGroundColor);
  // One marker centred on Centre; Index -1 draws the legend sample.
  void DrawMarker(platform::Canvas& Canvas, int Index, platform::TColor BackGroundColor, platform::TPoint Centre);
  bool MarkerDrawable(int Index) const;
  platform::TPoint DataPointToPixel(int Index) const;
  platform::TRect MarkerRect(int Index) const;
  // One clipped segment as a two-point Polyline in the canvas's pen; with
  // YPercent the Y values are percent of data view 0.
  void DrawSegment(platform::Canvas& Canvas, bool XYReversed, double X1, double Y1, double X2, double Y2,
                   bool YPercent);
  static double LineYAtX(double X1, double Y1, double X2, double Y2, double X);
  static double LineXAtY(double X1, double Y1, double X2, double Y2, double Y);

  // ---- data cursor readout ----
  // Computes the cursor's values at its pointers and reports them to it.
  virtual void UpdateDataCursor(TwPlotDataCursor* /*DataCursor*/) {}
  // Fills DataCursorXText ... DataCursorStatus for the cursor's Style and
  // hands the cursor its hint text; the fixed words are translated.
  void BuildDataCursorText(TwPlotDataCursor* DataCursor, TwPlotDataPointStatus Status, double Y, double X);

  // ---- plot-object overrides ----
  void AddMenuItems(TwPlotPopupMenu* PopupMenu) override;
  void NotificationRemove(TwPersistent* Sender) override;
  void NotificationRename(TwPersistent* Sender) override;
  void NotificationSetFocus(TwPersistent* Sender) override;
  TCursor GetMouseCursor(const TwPlotMouseData& MouseData) override;

  // The point under the mouse from the last hit test; -1 for none.
  int SelectDataIndex() const { return FSelectDataIndex; }

 protected:
  // The readout's text of a valid Y value, and of an inverse X difference
  // (the time-series channel shows digital levels and the cursor format).
  virtual QString DataCursorValidYText(double Y) const { return GetYValueText(Y); }
  virtual QString DataCursorInverseXText(double X) const { return GetXValueText(X); }
  bool DoHitTest(const TwPlotMouseData& MouseData) override;
  void DoMouseHint(const TwPlotMouseData& MouseData, TwHintData& HintData) override;
  void DoMouseLeft(const TwPlotMouseData& MouseData) override;
  void DoMouseMove(const TwPlotMouseData& MouseData) override;
  void DoMouseUp(const TwPlotMouseData& MouseData) override;

  // AddXY and its kin: store, statistics, tracking, log count, change.
  int AddPoint(double X, double Y, bool Null, bool Empty);
  // Appends straight to the store (no statistics, tracking or log).
  int AddToStore(double X, double Y, bool Null, bool Empty);
  TwPlotDataCustomList& DataListRef() { return *FDataList; }
  // Appends the points added since the last flush to the log (the newest
  // that still exist); the count stays when writing fails.
  void FlushLog();
  void FlushPendingLog();

  int FStartIndex = -1;
  int FStopIndex = -1;

 private:
  const TwPlotStoredStyle& Stored() const { return FDataList->Stored(); }
  TwPlotStoredStyle& Stored() { return FDataList->Stored(); }
  template <class T>
  void StoreStyle(T& Field, T Value) {
    Field = Value;
    DoChange();
  }
  void ResetRunning();
  void TrackAxes(double X, double Y, bool Null, bool Empty);
  double MarkerWidened(int Index, bool XDirection, double Sign) const;
  int ChannelIndex() const;
  bool StoreMovesX() const;

  std::unique_ptr<TwPlotDataCustomList> FDataList;
  TwPlotDataStyle FDataStyle = ipdsStandard;
  QString FTitleText;
  bool FVisibleInLegend = true;
  bool FClipToAxes = false;
  bool FShowDataPointHints = false;
  bool FUserCanMoveDataPoints = false;
  TwPlotChannelDataPointMoveStyle FUserCanMoveDataPointsStyle = ipcdpmsXandY;
  bool FTraceVisible = true;
  bool FMarkersAllowIndividual = false;
  bool FMarkersPenUseChannelColor = true;
  bool FMarkersBrushUseChannelColor = true;
  int FMarkersTurnOffLimit = 0;
  platform::TFont FMarkersFont;
  QString FXAxisName, FYAxisName;
  bool FXAxisTrackingEnabled = true;
  bool FYAxisTrackingEnabled = true;
  QString FLogFileName;
  int FLogBufferSize = 0;
  bool FLoggingActive = false;
  QVariant FTag;

  mutable TwPlotXAxis* FXAxis = nullptr;
  mutable TwPlotYAxis* FYAxis = nullptr;
  int FRunningCount = 0;
  long double FRunningXTotal = 0, FRunningYTotal = 0;
  double FRunningXMin = 1e300, FRunningXMax = -1e300, FRunningXMean = 0;
  double FRunningYMin = 1e300, FRunningYMax = -1e300, FRunningYMean = 0;
  int FLogBufferCount = 0;
  platform::TRect FLegendRect;

  // Mouse state.
  int FSelectDataIndex = -1;
  platform::TRect FSelectHitTestRect;
  bool FSelectMouseDown = false;
  int FSelectMouseDownIndex = -1;
  int FMouseDownDataIndex = -1;
  platform::TRect FSelectDownRect;
  double FMouseDownValueX = 0, FMouseDownValueY = 0;
  int FMouseDownPixelX = 0, FMouseDownPixelY = 0;
};
