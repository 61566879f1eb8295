#include "controls/wPositionComponent.h"

#include "controls/wException.h"

namespace {

bool Differs(double a, double b) { return a < b || a > b; }

}  // namespace

TwPositionComponent::TwPositionComponent(QWidget* parent) : TwCustomComponent(parent) {}

TwPositionComponent::~TwPositionComponent() = default;

void TwPositionComponent::SetPosition(double Value) {
  if (IsLoading()) {
    FPosition = Value;
    return;
  }
  if (Value > FPositionMax) Value = FPositionMax;
  if (Value < FPositionMin) Value = FPositionMin;
  if (!Differs(Value, FPosition)) return;
  bool canEdit = true;
  if (OnRequestEdit) OnRequestEdit(this, QStringLiteral("Position"), canEdit);
  if (!canEdit) return;
  FPosition = Value;
  FPositionDirty = true;
  TrackPosition(Value);
  InvalidateChange();
  DoPositionChange();
}

void TwPositionComponent::SetPositionNoEvent(double Value) {
  platform::Handler keep = std::move(OnPositionChange);
  OnPositionChange = nullptr;
  struct Restore {
    platform::Handler& slot;
    platform::Handler& kept;
    ~Restore() { slot = std::move(kept); }
  } restore{OnPositionChange, keep};
  SetPosition(Value);
}

void TwPositionComponent::SetPositionMin(double Value) {
  if (Differs(Value, FPositionMin)) SetMinMax(Value, FPositionMax);
}

void TwPositionComponent::SetPositionMax(double Value) {
  if (Differs(Value, FPositionMax)) SetMinMax(FPositionMin, Value);
}

void TwPositionComponent::SetMinMax(double Min, double Max) {
  if (!Differs(Min, FPositionMin) && !Differs(Max, FPositionMax)) return;
  FPositionMin = Min;
  FPositionMax = Max;
  ClampCurrentMinMax();
  ClampPosition();
  BackGroundChange();
}

void TwPositionComponent::ClampPosition() {
  if (IsLoading()) return;
  if (GetPosition() < FPositionMin) SetPosition(FPositionMin);
  if (GetPosition() > FPositionMax) SetPosition(FPositionMax);
}

void TwPositionComponent::SetPositionPercent(double Value) {
  SetPosition(FPositionMin + (FPositionMax - FPositionMin) * Value);
}

double TwPositionComponent::ValueToPercent(double Value) const {
  if (Value > FPositionMax) return 1;
  if (Value >= FPositionMin && Differs(FPositionMax, FPositionMin))
    return (Value - FPositionMin) / (FPositionMax - FPositionMin);
  return 0;
}

// ---- trackers ---------------------------------------------------------------

void TwPositionComponent::TrackPosition(double p) {
  if (FMinMaxFixed || GetDesigning()) return;
  if (p > CurrentMax()) {
    SetCurrentMax(p);
    if (OnPositionOverMax) OnPositionOverMax(this);
  }
  if (p < CurrentMin()) {
    SetCurrentMin(p);
    if (OnPositionUnderMin) OnPositionUnderMin(this);
  }
  for (int i = 0; i < LimitCount(); ++i) {
    if (p > FLimitList[size_t(i)]->UpperValue && OnPositionOverLimit) OnPositionOverLimit(this, i);
    if (i < LimitCount() && p < FLimitList[size_t(i)]->LowerValue && OnPositionUnderLimit)
      OnPositionUnderLimit(this, i);
  }
}

void TwPositionComponent::SetCurrentMin(double Value) {
  const bool loading = IsLoading();
  if (!loading) Value = std::min(std::max(Value, FPositionMin), FPositionMax);
  if (!Differs(Value, FMinPointer.Position())) return;
  FMinPointer.SetPosition(Value);
  if (FShowMinPointer) InvalidateChange();
  if (loading) return;
  if (OnCurrentMinChange) OnCurrentMinChange(this);
  if (CurrentMin() > GetPosition() && OnPositionUnderMin) OnPositionUnderMin(this);
}

void TwPositionComponent::SetCurrentMax(double Value) {
  const bool loading = IsLoading();
  if (!loading) Value = std::min(std::max(Value, FPositionMin), FPositionMax);
  if (!Differs(Value, FMaxPointer.Position())) return;
  FMaxPointer.SetPosition(Value);
  if (FShowMaxPointer) InvalidateChange();
  if (loading) return;
  if (OnCurrentMaxChange) OnCurrentMaxChange(this);
  if (CurrentMax() < GetPosition() && OnPositionOverMax) OnPositionOverMax(this);
}

void TwPositionComponent::ClampCurrentMinMax() {
  if (IsLoading() || FMinMaxFixed) return;
  if (CurrentMin() < FPositionMin) SetCurrentMin(FPositionMin);
  if (CurrentMax() > FPositionMax) SetCurrentMax(FPositionMax);
}

void TwPositionComponent::ResetMinMax() {
  SetCurrentMax(GetPosition());
  SetCurrentMin(GetPosition());
}

// ---- limits -----------------------------------------------------------------

void TwPositionComponent::AddLimit(int PointerSize, int PointerMargin, bool DrawScaleSide, double UpperValue,
                                   double LowerValue, platform::TColor UpperPointerColor,
                                   platform::TColor LowerPointerColor) {
  auto limit = std::make_unique<TwLimitObject>();
  limit->PointerSize = PointerSize;
  limit->PointerMargin = PointerMargin;
  limit->DrawScaleSide = DrawScaleSide;
  limit->UpperValue = UpperValue;
  limit->LowerValue = LowerValue;
  limit->UpperPointerColor = UpperPointerColor;
  limit->LowerPointerColor = LowerPointerColor;
  FLimitList.push_back(std::move(limit));
  BackGroundChange();
}

void TwPositionComponent::RemoveLimit(int Index) {
  if (Index < 0 || Index >= LimitCount()) throw TwException("Limit Index out of bounds");
  FLimitList.erase(FLimitList.begin() + Index);
  BackGroundChange();
}

void TwPositionComponent::RemoveAllLimits() {
  while (LimitCount() > 0) RemoveLimit(0);
}

const TwLimitObject& TwPositionComponent::Limit(int Index) const {
  if (Index < 0 || Index >= LimitCount()) throw TwException("Limit Index out of bounds");
  return *FLimitList[size_t(Index)];
}

// ---- events -----------------------------------------------------------------

void TwPositionComponent::DoPositionChange() {
  if (IsLoading()) return;
  if (!FUserGenerated) DoOPCPositionChange();
  if (OnChangeProtected) OnChangeProtected(this, QStringLiteral("Position"));
  if (OnPositionChange) OnPositionChange(this);
  if (FUserGenerated && OnPositionChangeUser) OnPositionChangeUser(this);
}

void TwPositionComponent::DoPositionChangeFinished() {
  if (IsLoading() || !FPositionDirty) return;
  FPositionDirty = false;
  DoOPCPositionChange();
  if (OnPositionChangeFinished) OnPositionChangeFinished(this);
}
