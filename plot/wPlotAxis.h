// TwPlotAxis (TwPlotXAxis, TwPlotYAxis): the scale of one plot direction. An
// axis maps values to pixels and back for everything drawn in the plot
// (channels, limits, annotations, the data cursor and the grid), keeps a list
// of major and minor ticks with their label texts, and draws its scale line,
// tick marks, labels, title and selection frame. X axes stand horizontal and
// Y axes vertical unless the plot exchanges them.
//
// Scale. The range is Min .. Max = Min + Span (0 .. 100 for a new axis),
// linear or log10 (ScaleType), growing right/up or, with ReverseScale,
// left/down. CalcScaleRect (run by the layout with the draw rectangle and the
// stacked flags set) insets stacked ends by half a label and fixes the pixel
// of Min (ActualStart) and of Max (ActualStop). PositionToPixels rounds half to
// even and, on a linear scale, clamps to -32000 .. 32000; a degenerate scale
// maps everything to its middle pixel.
//
// Ticks and texts (wPlotAxisTicks.cpp). Every paint calls UpdateTicks, which
// counts the labels that fit and builds the majors (every DesiredIncrement when
// that many fit, else a 1-2-5 step; one of them on DesiredStart) with
// MinorCount minors between them; TickListCustom keeps a program's own list.
// Every text that shows a value of the axis (labels, legend, data cursor)
// comes from FormatAxisValue, which the plot's customize-label event may
// change.
//
// Range (wPlotAxisRange.cpp). The Min, Span and DesiredIncrement setters clamp
// to +-1e300 (Span at least 1e-300); Min and Span changes fire the plot's
// OnX/YAxisMinChange, ...SpanChange and ...MinSpanChange; SetMinSpan fires one
// set for both. NewTrackingData lets the axis follow the values its channels
// add (TrackingStyle, margins, TrackingSpanMinimum); Zoom, ZoomToFit
// (channels implementing TwPlotFitExtents), ZoomToRect, scroll limits, and the
// mouse, wheel and keys (Mode: scroll or zoom, Ctrl exchanges them for the
// mouse) change the range and switch tracking off.
//
// Every property setter stores a changed value and fires the object's change
// notification; equal values change nothing.
#pragma once

#include <QString>

#include <memory>
#include <vector>

#include "controls/wDraw.h"
#include "plot/wPlotObjects.h"

enum TwPlotScaleType { ipstLinear, ipstLog10 };
enum TwPlotTextFormat { iptfValue, iptfExponent, iptfPrefix, iptfDateTime, iptfPrice32nds, iptfThousands };
// Axes drawn across the data view instead of beside it.
enum TwPlotCartesianStyle { ipcsNone, ipcsMaster, ipcsChild };
enum TwPlotTrackingStyle {
  iptsScaleMinMax, iptsScaleMax, iptsScaleMin, iptsScrollSmooth, iptsScrollPage, iptsExpandCollapse,
  iptsExpandCollapseFast, iptsExpandMinMax
};
enum TwPlotTrackingIncrementStyle { iptisMinimum, iptisMajor, iptisMinor };
enum TwPlotAlignFirstStyle { ipafsMin, ipafsMax, ipafsAuto, ipafsNone };
enum TwPlotAxisMode { ipamScroll, ipamZoom };
enum TwPlotGridLineStyle { ipglsSolid, ipglsDash, ipglsDot };
enum TwPlotTickType { ipttMajor, ipttMinor };
enum TwQuadSide { iqsLeft, iqsTop, iqsRight, iqsBottom };

// One tick of an axis: its value, its pixel and whether it lay on the scale
// at the last placement, and the label of a major tick.
struct TwPlotTickObject {
  TwPlotTickType TickType = ipttMajor;
  double Position = 0;
  int PositionPixels = 0;
  QString Text;
  bool Show = false;
};

// What zoom-to-fit reads from a channel: the extents of its data (fit) and
// the running extents kept while points are added. Channels implement it; an
// axis asks every channel of the plot that names it (XAxisName or YAxisName).
class TwPlotFitExtents {
 public:
  virtual ~TwPlotFitExtents() = default;
  virtual double GetFitXMin() = 0;
  virtual double GetFitXMax() = 0;
  virtual double GetFitYMin() = 0;
  virtual double GetFitYMax() = 0;
  virtual double RunningXMin() const = 0;
  virtual double RunningXMax() const = 0;
  virtual double RunningYMin() const = 0;
  virtual double RunningYMax() const = 0;
};

class TwPlotAxis : public TwPlotLayoutObject {
 public:
  TwPlotAxis(TwPlotComponent* AOwner, TwNotifyEvent AOnChange, TwNotifyEvent AOnInsert, TwNotifyEvent AOnRemove,
             TwNotifyEvent AOnRename);
  ~TwPlotAxis() override;

  // ---- range ----
  double Min() const { return FMin; }
  void SetMin(double Value);
  double Span() const { return FSpan; }
  void SetSpan(double Value);
  double Max() const { return FMin + FSpan; }
  double Mid() const { return FMin + FSpan / 2; }
  // Both at once, with one set of events.
  void SetMinSpan(double NewMin, double NewSpan);
  TwPlotScaleType ScaleType() const { return FScaleType; }
  void SetScaleType(TwPlotScaleType Value);
  bool ReverseScale() const { return FReverseScale; }
  void SetReverseScale(bool Value);

  // ---- ticks ----
  double DesiredStart() const { return FDesiredStart; }
  void SetDesiredStart(double Value) { SetDoubleProperty(Value, FDesiredStart, ipnChange); }
  double DesiredIncrement() const { return FDesiredIncrement; }
  void SetDesiredIncrement(double Value);
  int MinorCount() const { return FMinorCount; }
  void SetMinorCount(int Value) { SetIntegerProperty(Value, FMinorCount, ipnChange); }
  int MajorLength() const { return FMajorLength; }
  void SetMajorLength(int Value) { SetIntegerProperty(Value, FMajorLength, ipnChange); }
  int MinorLength() const { return FMinorLength; }
  void SetMinorLength(int Value) { SetIntegerProperty(Value, FMinorLength, ipnChange); }
  int InnerMargin() const { return FInnerMargin; }
  void SetInnerMargin(int Value) { SetIntegerProperty(Value, FInnerMargin, ipnChange); }
  int OuterMargin() const { return FOuterMargin; }
  void SetOuterMargin(int Value) { SetIntegerProperty(Value, FOuterMargin, ipnChange); }
  bool TickListCustom() const { return FTickListCustom; }
  void SetTickListCustom(bool Value) { FTickListCustom = Value; }

  // ---- labels ----
  bool LabelsVisible() const { return FLabelsVisible; }
  void SetLabelsVisible(bool Value) { SetBooleanProperty(Value, FLabelsVisible, ipnChange); }
  double LabelsMargin() const { return FLabelsMargin; }
  void SetLabelsMargin(double Value) { SetDoubleProperty(Value, FLabelsMargin, ipnChange); }
  const platform::TFont& LabelsFont() const { return FLabelsFont; }
  void SetLabelsFont(const platform::TFont& Value);
  double LabelSeparation() const { return FLabelSeparation; }
  void SetLabelSeparation(double Value) { SetDoubleProperty(Value, FLabelSeparation, ipnChange); }
  TwRotationAngle LabelsRotation() const { return FLabelsRotation; }
  void SetLabelsRotation(TwRotationAngle Value);
  int LabelsPrecision() const { return FLabelsPrecision; }
  void SetLabelsPrecision(int Value) { SetIntegerProperty(Value, FLabelsPrecision, ipnChange); }
  TwPrecisionStyle LabelsPrecisionStyle() const { return FLabelsPrecisionStyle; }
  void SetLabelsPrecisionStyle(TwPrecisionStyle Value);
  TwPlotTextFormat LabelsFormatStyle() const { return FLabelsFormatStyle; }
  void SetLabelsFormatStyle(TwPlotTextFormat Value);
  QString DateTimeFormat() const { return FDateTimeFormat; }
  void SetDateTimeFormat(const QString& Value) { SetStringProperty(Value, FDateTimeFormat, ipnChange); }
  double LabelsMinLength() const { return FLabelsMinLength; }
  void SetLabelsMinLength(double Value) { SetDoubleProperty(Value, FLabelsMinLength, ipnChange); }
  bool LabelsMinLengthAutoAdjust() const { return FLabelsMinLengthAutoAdjust; }
  void SetLabelsMinLengthAutoAdjust(bool Value) { SetBooleanProperty(Value, FLabelsMinLengthAutoAdjust, ipnChange); }

  // ---- title and scale lines ----
  QString Title() const { return FTitle; }
  void SetTitle(const QString& Value) { SetStringProperty(Value, FTitle, ipnChange); }
  bool TitleShow() const { return FTitleShow; }
  void SetTitleShow(bool Value) { SetBooleanProperty(Value, FTitleShow, ipnChange); }
  bool TitleRotated() const { return FTitleRotated; }
  void SetTitleRotated(bool Value) { SetBooleanProperty(Value, FTitleRotated, ipnChange); }
  double TitleMargin() const { return FTitleMargin; }
  void SetTitleMargin(double Value) { SetDoubleProperty(Value, FTitleMargin, ipnChange); }
  const platform::TFont& TitleFont() const { return FTitleFont; }
  void SetTitleFont(const platform::TFont& Value);
  bool ScaleLineShow() const { return FScaleLineShow; }
  void SetScaleLineShow(bool Value) { SetBooleanProperty(Value, FScaleLineShow, ipnChange); }
  bool ScaleLinesShow() const { return FScaleLinesShow; }
  void SetScaleLinesShow(bool Value) { SetBooleanProperty(Value, FScaleLinesShow, ipnChange); }
  platform::TColor ScaleLinesColor() const { return FScaleLinesColor; }
  void SetScaleLinesColor(platform::TColor Value) { SetColorProperty(Value, FScaleLinesColor, ipnChange); }
  double StackingEndsMargin() const { return FStackingEndsMargin; }
  void SetStackingEndsMargin(double Value) { SetDoubleProperty(Value, FStackingEndsMargin, ipnChange); }
  bool GridLinesVisible() const { return FGridLinesVisible; }
  void SetGridLinesVisible(bool Value) { SetBooleanProperty(Value, FGridLinesVisible, ipnChange); }

  // ---- cursor and legend texts ----
  bool CursorUseDefaultFormat = true;
  TwPlotTextFormat CursorFormatStyle = iptfValue;
  QString CursorDateTimeFormat = QStringLiteral("hh:nn:ss");
  TwPrecisionStyle CursorPrecisionStyle = ipsSignificantDigits;
  int CursorPrecision = 3;
  double CursorMinLength = 5.0;
  bool CursorMinLengthAutoAdjust = false;
  bool LegendUseDefaultFormat = true;
  TwPlotTextFormat LegendFormatStyle = iptfValue;
  QString LegendDateTimeFormat = QStringLiteral("hh:nn:ss");
  TwPrecisionStyle LegendPrecisionStyle = ipsSignificantDigits;
  int LegendPrecision = 3;
  double LegendMinLength = 5.0;
  bool LegendMinLengthAutoAdjust = false;
  double CursorScaler = 1.0;

  // ---- cartesian and aligned axes ----
  TwPlotCartesianStyle CartesianStyle() const { return FCartesianStyle; }
  void SetCartesianStyle(TwPlotCartesianStyle Value);
  QString CartesianChildRefAxisName() const { return FCartesianChildRefAxisName; }
  void SetCartesianChildRefAxisName(const QString& Value);
  double CartesianChildRefValue() const { return FCartesianChildRefValue; }
  void SetCartesianChildRefValue(double Value) { SetDoubleProperty(Value, FCartesianChildRefValue, ipnChange); }
  QString AlignRefAxisName() const { return FAlignRefAxisName; }
  void SetAlignRefAxisName(const QString& Value);
  // The axis of the other kind a cartesian child crosses at
  // CartesianChildRefValue, and the axis of the same kind whose extent this
  // one takes; null when the name matches none.
  TwPlotAxis* GetCartesianRefAxis();
  TwPlotAxis* GetAlignRefAxis();

  // ---- tracking, zoom and scroll ----
  bool TrackingEnabled() const { return FTrackingEnabled; }
  void SetTrackingEnabled(bool Value);
  TwPlotTrackingStyle TrackingStyle() const { return FTrackingStyle; }
  void SetTrackingStyle(TwPlotTrackingStyle Value);
  TwPlotTrackingIncrementStyle TrackingIncrementStyle() const { return FTrackingIncrementStyle; }
  void SetTrackingIncrementStyle(TwPlotTrackingIncrementStyle Value);
  TwPlotAlignFirstStyle TrackingAlignFirstStyle() const { return FTrackingAlignFirstStyle; }
  void SetTrackingAlignFirstStyle(TwPlotAlignFirstStyle Value);
  double TrackingScrollCompressMax() const { return FTrackingScrollCompressMax; }
  void SetTrackingScrollCompressMax(double Value) { SetDoubleProperty(Value, FTrackingScrollCompressMax, ipnChange); }
  double TrackingSpanMinimum() const { return FTrackingSpanMinimum; }
  void SetTrackingSpanMinimum(double Value) { SetDoubleProperty(Value, FTrackingSpanMinimum, ipnChange); }
  double TrackingMaxMargin() const { return FTrackingMaxMargin; }
  void SetTrackingMaxMargin(double Value) { SetDoubleProperty(Value, FTrackingMaxMargin, ipnChange); }
  double TrackingMinMargin() const { return FTrackingMinMargin; }
  void SetTrackingMinMargin(double Value) { SetDoubleProperty(Value, FTrackingMinMargin, ipnChange); }
  bool RestoreValuesOnResume() const { return FRestoreValuesOnResume; }
  void SetRestoreValuesOnResume(bool Value) { SetBooleanProperty(Value, FRestoreValuesOnResume, ipnChange); }
  bool ScrollMinMaxEnabled() const { return FScrollMinMaxEnabled; }
  void SetScrollMinMaxEnabled(bool Value) { SetBooleanProperty(Value, FScrollMinMaxEnabled, ipnChange); }
  double ScrollMin() const { return FScrollMin; }
  void SetScrollMin(double Value) { SetDoubleProperty(Value, FScrollMin, ipnChange); }
  double ScrollMax() const { return FScrollMax; }
  void SetScrollMax(double Value) { SetDoubleProperty(Value, FScrollMax, ipnChange); }
  bool MasterUIInput() const { return FMasterUIInput; }
  void SetMasterUIInput(bool Value) { SetBooleanProperty(Value, FMasterUIInput, ipnChange); }
  TwPlotAxisMode Mode() const { return FMode; }
  void SetMode(TwPlotAxisMode Value) { FMode = Value; }
  // Min and Span changes fire no events while blocked (the cursor's probe).
  void SetBlockMinSpanEvents(bool Value) { FBlockMinSpanEvents = Value; }

  // A value a channel adds on this axis.
  void NewTrackingData(double Value);
  // The next tracked value aligns the axis again.
  void ResetFirstAlign() { FFirstAlignDone = false; }
  // The range tracking returns to when switched on again.
  void UpdateResumeValues();
  // Linear: Span times Factor about the middle ("Linear Scale Zoom Factor must
  // be Greater than Zero" for Factor <= 0); log10: by 10^Factor.
  void Zoom(double Factor);
  // The range of the data of the channels on this axis, with the tracking
  // margins; nothing without data or with all data at one value.
  void ZoomToFit();
  // The same over the running extents, without TrackingSpanMinimum.
  void ZoomToFitFast();
  // The pixel rectangle of a zoom box (its part along this axis).
  void ZoomToRect(const platform::TRect& Rect);
  // Zoom by 10^Exponent about the middle, and scroll by a fraction of the span
  // (within ScrollMin .. ScrollMax when ScrollMinMaxEnabled).
  void ZoomBy(double AMin, double ASpan, double AMax, double Exponent);
  void ScrollBy(double AMin, double ASpan, double AMax, double Fraction);
  // Widens the range to whole increments (TrackingIncrementStyle).
  void AlignToIncrement();

  // ---- values and pixels ----
  int PositionToPixels(double Value) const;
  double PixelsToPosition(int Pixels) const;
  int WidthToPixels(double Value) const;
  // Whether the pixel of Value lies on the scale, both ends included.
  bool PointOnScale(double Value) const;
  bool ValueOnScale(double Value) const { return PointOnScale(Value); }
  // A fraction of the span (0 at Min), and back through the axis's percent range.
  double PositionToPercent(double Value) const;
  double PercentToPosition(double Fraction) const;
  int GetMinPixels() const { return PositionToPixels(FMin); }
  int GetMaxPixels() const { return PositionToPixels(Max()); }
  // The pixels of Min and of Max and the scale's rectangle, as the last
  // CalcScaleRect set them.
  int ActualStart() const { return FActualStart; }
  int ActualStop() const { return FActualStop; }
  // Pixels per value unit along a linear scale (0 for an infinite one).
  double PixelsPerSpanUnit() const;
  platform::TRect ScaleRect() const { return FScaleRect; }
  platform::TRect FocusRect() const { return FFocusRect; }
  TwQuadSide QuadSide() const { return FQuadSide; }
  double MajorIncrement() const { return FMajorIncrement; }
  double MinorIncrement() const { return FMinorIncrement; }

  // ---- ticks and texts ----
  // Rebuilds (unless TickListCustom) and places the ticks for this paint.
  void UpdateTicks(platform::Canvas& Canvas);
  // The tick builder for LabelCount labels that fit: steps that follow the
  // label count in UpdateTicks, then the placement.
  void BuildTicks(int LabelCount);
  // Places every tick on the current scale (Show, PositionPixels).
  void PlaceTicks();
  void AddAutoTick(TwPlotTickType Type, double Value);
  void TickListClear();
  // Index of the new tick; "Log Scale Requires Position to be Greater Than
  // Zero" on a log10 axis for Position <= 0.
  int TickListAdd(double Position, const QString& Label, TwPlotTickType Style);
  int TickListCount() const { return int(FTickList.size()); }
  const TwPlotTickObject& TickListItem(int Index) const { return *FTickList.at(Index); }

  QString GetLabelText(double Value);
  QString GetCursorText(double Value);
  QString GetLegendText(double Value);
  QString GetCursorValueText(double Value);
  QString FormatAxisValue(TwPlotTextFormat Style, const QString& ADateTimeFormat, double Value,
                          TwPrecisionStyle PrecisionStyle, int Precision, bool AutoAdjust, double& MinLength);
  // From inside the plot's customize-label event: the label becomes Text.
  void SetCustomizeLabelEventText(const QString& Text);

  // ---- layout and drawing ----
  void CalcScaleRect(platform::Canvas& Canvas);
  int GetRequiredWidth(platform::Canvas& Canvas) override;
  int GetEndsOverhang(platform::Canvas& Canvas) override;
  int MaxLabelWidth(platform::Canvas& Canvas, const platform::TFont& Font);
  int LegendMinWidth(platform::Canvas& Canvas, const platform::TFont& Font);
  int CursorMinWidth(platform::Canvas& Canvas, const platform::TFont& Font);
  void PrepareDraw(platform::Canvas& Canvas) override;
  void Draw(platform::Canvas& Canvas, platform::TColor BackGroundColor) override;
  // The data view's grid: a line across Rect at every shown tick of the kinds asked for.
  void DrawGridLines(platform::Canvas& Canvas, const platform::TRect& Rect, int MinorWidth, int MajorWidth,
                     platform::TColor MinorColor, platform::TColor MajorColor, TwPlotGridLineStyle MinorStyle,
                     TwPlotGridLineStyle MajorStyle, bool ShowMinors, bool ShowMajors);

  void NotificationRemove(TwPersistent* Sender) override;
  void NotificationRename(TwPersistent* Sender) override;
  void NotificationSetFocus(TwPersistent* Sender) override;
  void AddMenuItems(TwPlotPopupMenu* PopupMenu) override;
  TCursor GetMouseCursor(const TwPlotMouseData& MouseData) override;
  void DoKeyDown(int& CharCode, Qt::KeyboardModifiers Shift, TwPlotPopupMenu* PopupMenu) override;

  // Input from the data view and the plot's repetition.
  void DoMouseLeft(const TwPlotMouseData& MouseData) override;
  void DoMouseMove(const TwPlotMouseData& MouseData) override;
  void DoMouseUp(const TwPlotMouseData& MouseData) override;
  bool DoMouseWheel(int WheelDelta, Qt::KeyboardModifiers Shift, int X, int Y) override;

 protected:
  bool DoHitTest(const TwPlotMouseData& MouseData) override;
  void DoMouseHint(const TwPlotMouseData& MouseData, TwHintData& HintData) override;

  bool IsXAxis() const;
  bool IsCartesian() const { return FCartesianStyle != ipcsNone; }
  // Scroll or zoom, exchanged while Ctrl is held.
  TwPlotAxisMode GetEffectiveMode(Qt::KeyboardModifiers Shift) const;
  void FireMinChange(double OldValue, double NewValue);
  void FireSpanChange(double OldValue, double NewValue);
  void FireMinSpanChange(double OldMin, double OldSpan, double NewMin, double NewSpan);
  void FireMinSpanChangeFinished(double OldMin, double OldSpan, double NewMin, double NewSpan);
  void DoMouseCustomizeHint(QString& Text);

  // Drawing steps.
  void DrawScale(platform::Canvas& Canvas);
  void DrawScaleLine(platform::Canvas& Canvas);
  void DrawTickMark(platform::Canvas& Canvas, const TwPlotTickObject& Tick);
  void DrawLabel(platform::Canvas& Canvas, const TwPlotTickObject& Tick);
  void DrawTitle(platform::Canvas& Canvas);
  // The label extent across (Across) or along the axis.
  int LabelExtent(platform::Canvas& Canvas, bool Across);

  // Tick builder steps.
  void ChooseNiceIncrement(int c, int& n);
  void ChooseDateTimeIncrement(int c, int& n);
  void ChoosePrice32ndsIncrement(int c, int& n);
  void AddLogTicks(int c);
  void FreeTicks();
  void AddTick(TwPlotTickType Type, double Value, const QString& Text);

 private:
  double FMin = 0, FSpan = 100, FDesiredStart = 0, FDesiredIncrement = 0;
  TwPlotScaleType FScaleType = ipstLinear;
  bool FReverseScale = false;
  int FInnerMargin = 5, FOuterMargin = 5, FMajorLength = 7, FMinorLength = 3, FMinorCount = 1;
  bool FLabelsVisible = true;
  double FLabelsMargin = 0.25;
  platform::TFont FLabelsFont;
  double FLabelSeparation = 2.0;
  TwRotationAngle FLabelsRotation = ira000;
  int FLabelsPrecision = 3;
  TwPrecisionStyle FLabelsPrecisionStyle = ipsSignificantDigits;
  TwPlotTextFormat FLabelsFormatStyle = iptfValue;
  QString FDateTimeFormat = QStringLiteral("hh:nn:ss");
  double FLabelsMinLength = 5.0;
  bool FLabelsMinLengthAutoAdjust = false;
  QString FTitle;
  bool FTitleShow = false, FTitleRotated = false;
  double FTitleMargin = 0.25;
  platform::TFont FTitleFont;
  bool FScaleLineShow = true, FScaleLinesShow = true;
  platform::TColor FScaleLinesColor = platform::clWhite;
  double FStackingEndsMargin = 0.5;
  bool FGridLinesVisible = true;
  TwPlotCartesianStyle FCartesianStyle = ipcsNone;
  QString FCartesianChildRefAxisName = QStringLiteral("<None>");
  double FCartesianChildRefValue = 0;
  QString FAlignRefAxisName = QStringLiteral("<None>");
  bool FTrackingEnabled = true;
  TwPlotTrackingStyle FTrackingStyle = iptsScaleMinMax;
  TwPlotTrackingIncrementStyle FTrackingIncrementStyle = iptisMinimum;
  TwPlotAlignFirstStyle FTrackingAlignFirstStyle = ipafsMin;
  double FTrackingScrollCompressMax = 0, FTrackingSpanMinimum = 0, FTrackingMaxMargin = 0, FTrackingMinMargin = 0;
  bool FRestoreValuesOnResume = true, FScrollMinMaxEnabled = false;
  double FScrollMin = 0, FScrollMax = 100;
  bool FMasterUIInput = false;
  TwPlotAxisMode FMode = ipamScroll;
  bool FTickListCustom = false;

  std::vector<std::unique_ptr<TwPlotTickObject>> FTickList;
  int FActualStart = 0, FActualStop = 0;
  platform::TRect FScaleRect, FFocusRect;
  TwQuadSide FQuadSide = iqsBottom;
  int FRequiredWidth = 0, FTitleOffset = 0;
  double FMajorIncrement = 0, FMinorIncrement = 0;
  bool FMonthModeEnabled = false, FYearModeEnabled = false, FAllowLabelMinAdjust = false;
  TwPlotAxis* FCartesianRefAxis = nullptr;
  TwPlotAxis* FAlignRefAxis = nullptr;
  QString FCustomizeLabelEventText;
  bool FCustomizeLabelEventModified = false;
  bool FBlockMinSpanEvents = false, FFirstAlignDone = false;
  double FPreviousMin = 0, FPreviousSpan = 100, FPreviousLabelsMinLength = 5.0;
  bool FAxisMouseDown = false;
  int FMouseDownX = 0, FMouseDownY = 0;
  double FMouseDownMin = 0, FMouseDownSpan = 0;

  friend class TwPlotXAxis;
  friend class TwPlotYAxis;
};

class TwPlotXAxis : public TwPlotAxis {
 public:
  TwPlotXAxis(TwPlotComponent* AOwner, TwNotifyEvent AOnChange, TwNotifyEvent AOnInsert, TwNotifyEvent AOnRemove,
              TwNotifyEvent AOnRename);
};

class TwPlotYAxis : public TwPlotAxis {
 public:
  TwPlotYAxis(TwPlotComponent* AOwner, TwNotifyEvent AOnChange, TwNotifyEvent AOnInsert, TwNotifyEvent AOnRemove,
              TwNotifyEvent AOnRename);
};
