// TwScaleObject: the tick scale of an instrument (tick counts, lengths,
// colours, label font and precision) and the drawing of straight vertical or
// horizontal scales between two pixel ends. Its setters store a changed value
// and fire OnChange; TickMajorCount is kept in 2..100, TickMinorCount in
// 1..100, the tick lengths at least 1 and TickLabelPrecision at least 0.
//
// TwScaleComponent: a position component with a scale object (whose change
// redraws the background) and an automatic scale. With AutoScaleEnabled,
// setting a range bound runs AutoScale instead: iassAutoMinMax widens the
// range to tidy ends with a tidy tick count; iassFixedMinMax keeps the range
// and finds the tidy first and last major tick inside it.
#pragma once

#include <QString>

#include <functional>

#include "controls/wPositionComponent.h"

class TwScaleObject {
 public:
  using TOnCustomizeTickLabel = std::function<void(TwScaleObject* Sender, int Index, QString& DisplayText)>;

  TwScaleObject();

  bool ShowTicksAxis() const { return FShowTicksAxis; }
  void SetShowTicksAxis(bool Value) { Set(FShowTicksAxis, Value); }
  bool ShowTicksMinor() const { return FShowTicksMinor; }
  void SetShowTicksMinor(bool Value) { Set(FShowTicksMinor, Value); }
  bool ShowTicksMajor() const { return FShowTicksMajor; }
  void SetShowTicksMajor(bool Value) { Set(FShowTicksMajor, Value); }
  bool ShowTickLabels() const { return FShowTickLabels; }
  void SetShowTickLabels(bool Value) { Set(FShowTickLabels, Value); }
  bool ShowTicksMajorFirstLast() const { return FShowTicksMajorFirstLast; }
  void SetShowTicksMajorFirstLast(bool Value) { Set(FShowTicksMajorFirstLast, Value); }
  int TickMinorCount() const { return FTickMinorCount; }
  void SetTickMinorCount(int Value) { Set(FTickMinorCount, std::min(std::max(Value, 1), 100)); }
  int TickMinorLength() const { return FTickMinorLength; }
  void SetTickMinorLength(int Value) { Set(FTickMinorLength, std::max(Value, 1)); }
  int TickMajorLength() const { return FTickMajorLength; }
  void SetTickMajorLength(int Value) { Set(FTickMajorLength, std::max(Value, 1)); }
  int TickMargin() const { return FTickMargin; }
  void SetTickMargin(int Value) { Set(FTickMargin, Value); }
  int TickMajorCount() const { return FTickMajorCount; }
  void SetTickMajorCount(int Value) { Set(FTickMajorCount, std::min(std::max(Value, 2), 100)); }
  int TickLabelPrecision() const { return FTickLabelPrecision; }
  void SetTickLabelPrecision(int Value) { Set(FTickLabelPrecision, std::max(Value, 0)); }
  int TickLabelMargin() const { return FTickLabelMargin; }
  void SetTickLabelMargin(int Value) { Set(FTickLabelMargin, Value); }
  platform::TColor TickMinorColor() const { return FTickMinorColor; }
  void SetTickMinorColor(platform::TColor Value) { Set(FTickMinorColor, Value); }
  platform::TColor TickMajorColor() const { return FTickMajorColor; }
  void SetTickMajorColor(platform::TColor Value) { Set(FTickMajorColor, Value); }
  const platform::TFont& TickLabelFont() const { return FTickLabelFont; }
  void SetTickLabelFont(const platform::TFont& Value) { Set(FTickLabelFont, Value); }
  TwTickMinorAlignment TickMinorAlignment() const { return FTickMinorAlignment; }
  void SetTickMinorAlignment(TwTickMinorAlignment Value) { Set(FTickMinorAlignment, Value); }
  TwOrientation Orientation() const { return FOrientation; }
  void SetOrientation(TwOrientation Value) { Set(FOrientation, Value); }
  TwOrientationSide OrientationTickMarks() const { return FOrientationTickMarks; }
  void SetOrientationTickMarks(TwOrientationSide Value) { Set(FOrientationTickMarks, Value); }
  TwBevelStyle TickMajorStyle() const { return FTickMajorStyle; }
  void SetTickMajorStyle(TwBevelStyle Value) { Set(FTickMajorStyle, Value); }
  TwBevelStyle TickMinorStyle() const { return FTickMinorStyle; }
  void SetTickMinorStyle(TwBevelStyle Value) { Set(FTickMinorStyle, Value); }
  bool ReverseTickMinorAlign() const { return FReverseTickMinorAlign; }
  void SetReverseTickMinorAlign(bool Value) { Set(FReverseTickMinorAlign, Value); }
  bool ReverseScale() const { return FReverseScale; }
  void SetReverseScale(bool Value) { Set(FReverseScale, Value); }
  TwPrecisionStyle PrecisionStyle() const { return FPrecisionStyle; }
  void SetPrecisionStyle(TwPrecisionStyle Value) { Set(FPrecisionStyle, Value); }

  // The range and pixel span the scale is drawn over; set by the owner.
  double PositionMin() const { return FPositionMin; }
  double PositionMax() const { return FPositionMax; }
  void SetRange(double Min, double Max) { FPositionMin = Min; FPositionMax = Max; }
  void SetPixels(int Start, int Stop, int Edge) { FStart = Start; FStop = Stop; FEdge = Edge; }
  // The automatic scale's settings, copied from the owner.
  bool AutoScaleEnabled = false;
  TwAutoScaleStyle AutoScaleStyle = iassAutoMinMax;
  int AutoScaleMaxTicks = 6;
  int AutoScaleDesiredTicks = 5;
  double AutoScaleMinTick = 0;
  double AutoScaleMaxTick = 0;
  // The drawn range: the fixed automatic style's first and last tick, else
  // PositionMin..PositionMax.
  double TickRangeMin() const;
  double TickRangeMax() const;
  // Decimal places of the labels (CalcAutoPrecision on the range).
  int GetLabelPrecision() const;

  int ValueToPixels(double Value) const;
  double PixelsToValue(int Pixels) const;
  void DrawScaleLine(platform::Canvas& Canvas, bool Enabled);
  void Draw(platform::Canvas& Canvas, bool Enabled, platform::TColor ABackgroundColor);
  static void DrawLine3D(platform::Canvas& Canvas, int X1, int Y1, int X2, int Y2, TwBevelStyle Style);
  // How many whole steps of Step lead from From to To (To reached within a
  // hair), at most Cap; 0 when From or Step is not finite or Step is no step.
  // The minor ticks beyond the fixed style's end ticks are counted with it:
  // stepping a double would never end below the spacing of doubles at the
  // value or towards an infinite bound.
  static int StepsBetween(double From, double To, double Step, int Cap);

  platform::Handler OnChange;
  TOnCustomizeTickLabel OnCustomizeTickLabel;

 private:
  template <typename T>
  void Set(T& Field, const T& Value) {
    if (Field == Value) return;
    Field = Value;
    if (OnChange) OnChange(nullptr);
  }
  void DrawTick(platform::Canvas& Canvas, double Value, int From, int Length, TwBevelStyle Style, bool Enabled);

  bool FShowTicksAxis = true;
  bool FShowTicksMinor = true;
  bool FShowTicksMajor = true;
  bool FShowTickLabels = true;
  int FTickMinorCount = 4;
  int FTickMinorLength = 3;
  int FTickMajorLength = 7;
  int FTickMargin = 5;
  int FTickMajorCount = 5;
  int FTickLabelPrecision = 0;
  int FTickLabelMargin = 5;
  platform::TColor FTickMinorColor = platform::clGray;
  platform::TColor FTickMajorColor = platform::clBlack;
  platform::TFont FTickLabelFont;
  double FPositionMax = 100;
  double FPositionMin = 0;
  int FStart = 0;
  int FStop = 0;
  TwTickMinorAlignment FTickMinorAlignment = itmnaInside;
  TwOrientation FOrientation = ioVertical;
  TwOrientationSide FOrientationTickMarks = iosBottomRight;
  int FEdge = 0;
  TwBevelStyle FTickMajorStyle = ibsNone;
  TwBevelStyle FTickMinorStyle = ibsNone;
  bool FShowTicksMajorFirstLast = true;
  bool FReverseTickMinorAlign = false;
  bool FReverseScale = false;
  TwPrecisionStyle FPrecisionStyle = ipsFixedDecimalPoints;
};

class TwScaleComponent : public TwPositionComponent {
  Q_OBJECT
 public:
  explicit TwScaleComponent(QWidget* parent = nullptr);
  ~TwScaleComponent() override;

  TwScaleObject& ScaleObject() { return *FScaleObject; }
  const TwScaleObject& ScaleObject() const { return *FScaleObject; }

  void SetPositionMin(double Value) override;
  void SetPositionMax(double Value) override;

  bool AutoScaleEnabled() const { return FAutoScaleEnabled; }
  void SetAutoScaleEnabled(bool Value);
  int AutoScaleDesiredTicks() const { return FAutoScaleDesiredTicks; }
  // Values below 2 are ignored.
  void SetAutoScaleDesiredTicks(int Value);
  int AutoScaleMaxTicks() const { return FAutoScaleMaxTicks; }
  void SetAutoScaleMaxTicks(int Value);
  TwAutoScaleStyle AutoScaleStyle() const { return FAutoScaleStyle; }
  void SetAutoScaleStyle(TwAutoScaleStyle Value);
  double AutoScaleMinTick() const { return FAutoScaleMinTick; }
  double AutoScaleMaxTick() const { return FAutoScaleMaxTick; }

  // Runs only with AutoScaleEnabled and not while loading.
  void AutoScale(double Min, double Max);
  // Ends loading and applies the automatic scale once.
  virtual void Loaded();

  // Among 2..MaxCount ticks over Span, the tidy count nearest Desired (the
  // larger on a tie); MaxCount + 1 when none is tidy.
  static int TickCountForSpan(int Desired, int MaxCount, double Span);

  virtual int GetAutoTickLabelPrecision() const;

 private:
  void AutoScaleRange(double Min, double Max);
  void FixedScaleTicks(double Min, double Max);
  void CopyAutoScale();

  std::unique_ptr<TwScaleObject> FScaleObject;
  bool FAutoScaleEnabled = false;
  int FAutoScaleDesiredTicks = 5;
  int FAutoScaleMaxTicks = 6;
  TwAutoScaleStyle FAutoScaleStyle = iassAutoMinMax;
  double FAutoScaleMaxTick = 0;
  double FAutoScaleMinTick = 0;
};
