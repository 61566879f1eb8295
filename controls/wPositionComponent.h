// TwPositionComponent: the windowed instrument base with a numeric Position
// in PositionMin..PositionMax (0..100 when made), min/max trackers, limits and
// the position events the knob and the dialogs rely on.
//
// SetPosition clamps to the range (above PositionMax first, so PositionMin
// wins when the bounds cross); an unchanged value does nothing; otherwise
// OnRequestEdit("Position") may veto, then the value is stored, tracked
// (CurrentMin/CurrentMax and the limits fire their events), repainted and
// DoPositionChange runs: DoOPCPositionChange for a change that is not the
// user's, OnChangeProtected("Position"), OnPositionChange, and
// OnPositionChangeUser when this class's own FUserGenerated is set (only the
// knob's input handlers set it: a Position written from a user's event
// handler is not the user's). DoPositionChangeFinished fires
// OnPositionChangeFinished once at the end of a gesture that moved it.
// While loading, values are stored raw and nothing fires.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "controls/wGaugePointer.h"
#include "controls/wWinComponent.h"

class TwLimitObject {
 public:
  double UpperValue = 0;
  double LowerValue = 0;
  int PointerSize = 0;
  int PointerMargin = 0;
  bool DrawScaleSide = false;
  platform::TColor UpperPointerColor = platform::clRed;
  platform::TColor LowerPointerColor = platform::clRed;
  bool ShowUpperPointer = true;
  bool ShowLowerPointer = true;
};

class TwPositionComponent : public TwCustomComponent {
  Q_OBJECT
 public:
  using TOnPositionLimit = std::function<void(QObject* Sender, int LimitIndex)>;

  explicit TwPositionComponent(QWidget* parent = nullptr);
  ~TwPositionComponent() override;

  double Position() const { return GetPosition(); }
  virtual double GetPosition() const { return FPosition; }
  virtual void SetPosition(double Value);
  // SetPosition without OnPositionChange; the other events fire.
  void SetPositionNoEvent(double Value);
  double PositionMin() const { return FPositionMin; }
  virtual void SetPositionMin(double Value);
  double PositionMax() const { return FPositionMax; }
  virtual void SetPositionMax(double Value);
  void SetMinMax(double Min, double Max);
  // Position as a fraction of the range; setting it moves Position.
  double PositionPercent() const { return ValueToPercent(GetPosition()); }
  void SetPositionPercent(double Value);
  // 1 above the range, 0 below it or on an empty range.
  double ValueToPercent(double Value) const;

  double CurrentMin() const { return FMinPointer.Position(); }
  void SetCurrentMin(double Value);
  double CurrentMax() const { return FMaxPointer.Position(); }
  void SetCurrentMax(double Value);
  // CurrentMax, then CurrentMin, to Position.
  void ResetMinMax();
  bool MinMaxFixed() const { return FMinMaxFixed; }
  void SetMinMaxFixed(bool Value) { FMinMaxFixed = Value; }
  bool MinMaxUserCanMove() const { return FMinMaxUserCanMove; }
  void SetMinMaxUserCanMove(bool Value) { FMinMaxUserCanMove = Value; }
  bool ShowMinPointer() const { return FShowMinPointer; }
  void SetShowMinPointer(bool Value) { SetBooleanProperty(Value, FShowMinPointer, 1); }
  bool ShowMaxPointer() const { return FShowMaxPointer; }
  void SetShowMaxPointer(bool Value) { SetBooleanProperty(Value, FShowMaxPointer, 1); }
  int MinMaxPointerSize() const { return FMinMaxPointerSize; }
  void SetMinMaxPointerSize(int Value) { SetIntegerProperty(Value, FMinMaxPointerSize, 1); }
  int MinMaxPointerMargin() const { return FMinMaxPointerMargin; }
  void SetMinMaxPointerMargin(int Value) { SetIntegerProperty(Value, FMinMaxPointerMargin, 1); }
  platform::TColor MinPointerColor() const { return FMinPointerColor; }
  void SetMinPointerColor(platform::TColor Value) { SetColorProperty(Value, FMinPointerColor, 1); }
  platform::TColor MaxPointerColor() const { return FMaxPointerColor; }
  void SetMaxPointerColor(platform::TColor Value) { SetColorProperty(Value, FMaxPointerColor, 1); }

  // A limit with both pointers shown.
  void AddLimit(int PointerSize, int PointerMargin, bool DrawScaleSide, double UpperValue, double LowerValue,
                platform::TColor UpperPointerColor, platform::TColor LowerPointerColor);
  // Raises "Limit Index out of bounds" outside 0..LimitCount-1.
  void RemoveLimit(int Index);
  void RemoveAllLimits();
  int LimitCount() const { return int(FLimitList.size()); }
  const TwLimitObject& Limit(int Index) const;

  platform::Handler OnPositionChange;
  platform::Handler OnPositionChangeUser;
  platform::Handler OnPositionChangeFinished;
  platform::Handler OnCurrentMaxChange;
  platform::Handler OnCurrentMinChange;
  platform::Handler OnPositionOverMax;
  platform::Handler OnPositionUnderMin;
  TOnPositionLimit OnPositionOverLimit;
  TOnPositionLimit OnPositionUnderLimit;

 protected:
  // The item-binding output of a change that is not the user's.
  virtual void DoOPCPositionChange() {}
  virtual void ClampPosition();
  void DoPositionChange();
  void DoPositionChangeFinished();

  // This class's own flag (it hides the base's input flag): set by the
  // knob's input handlers around the position changes they make.
  bool FUserGenerated = false;
  bool FPositionDirty = false;

 private:
  void TrackPosition(double p);
  void ClampCurrentMinMax();

  std::vector<std::unique_ptr<TwLimitObject>> FLimitList;
  double FPosition = 0;
  double FPositionMax = 100;
  double FPositionMin = 0;
  bool FShowMaxPointer = false;
  bool FShowMinPointer = false;
  int FMinMaxPointerMargin = 0;
  int FMinMaxPointerSize = 8;
  platform::TColor FMinPointerColor = platform::clYellow;
  platform::TColor FMaxPointerColor = platform::clAqua;
  bool FMinMaxFixed = false;
  bool FMinMaxUserCanMove = false;
  TwGaugePointer FMinPointer;
  TwGaugePointer FMaxPointer;
};
