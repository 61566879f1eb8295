#include "controls/wGaugePointer.h"

#include <algorithm>

#include "controls/wException.h"

using platform::TColor;

// ---- pointer ----------------------------------------------------------------

TwGaugePointer::TwGaugePointer(TwGaugePointerManager* AOwner) : FOwner(AOwner) {
  if (FOwner) FOwner->InsertPointer(this);
}

TwGaugePointer::~TwGaugePointer() {
  if (FOwner) FOwner->RemovePointer(this);
}

void TwGaugePointer::NotifyChange() {
  if (FOwner && FOwner->FOnChange) FOwner->FOnChange(this);
}

void TwGaugePointer::SetPosition(double Value) {
  if (!(Value < FPosition || Value > FPosition)) return;
  FPosition = Value;
  NotifyChange();
  if (FOwner && FOwner->FOnPositionChanged) FOwner->FOnPositionChanged(this);
}

bool TwGaugePointer::wMouseHitTest(int X, int Y) const {
  return FEnabled && FVisible && !FRegion.isEmpty() && FRegion.contains(QPoint(X, Y));
}

Qt::CursorShape TwGaugePointer::GetMousePointer() const {
  return FUserCanMove ? Qt::PointingHandCursor : Qt::ArrowCursor;
}

TColor TwGaugePointer::GetColorDraw() const { return !FEnabled && FUseDisabledColor ? FDisabledColor : FColor; }

// ---- manager ----------------------------------------------------------------

TwGaugePointerManager::TwGaugePointerManager(TPointerEvent AOnChange, TPointerEvent AOnInsert,
                                             TPointerEvent AOnRemove, TPointerEvent APositionChanged) {
  if (!AOnChange) throw TwException("OnChange event handler can not be null");
  if (!AOnInsert) throw TwException("OnInsert event handler can not be null");
  if (!AOnRemove) throw TwException("OnRemove event handler can not be null");
  FOnChange = std::move(AOnChange);
  FOnInsert = std::move(AOnInsert);
  FOnRemove = std::move(AOnRemove);
  FOnPositionChanged = std::move(APositionChanged);
  FOnInsert(this);
}

TwGaugePointerManager::~TwGaugePointerManager() {
  Clear();
  FOnRemove(this);
}

TwGaugePointer* TwGaugePointerManager::CreateObject() { return new TwGaugePointer(this); }

int TwGaugePointerManager::Add() { return IndexOfObject(CreateObject()); }

void TwGaugePointerManager::Delete(int Index) { delete GetItem(Index); }

void TwGaugePointerManager::Clear() {
  while (!FList.empty()) delete FList.front();
}

void TwGaugePointerManager::ClearAllFocus() {
  for (TwGaugePointer* p : FList) p->SetFocused(false);
}

int TwGaugePointerManager::IndexOfObject(const TwGaugePointer* Pointer) const {
  const auto it = std::find(FList.begin(), FList.end(), Pointer);
  return it == FList.end() ? -1 : int(it - FList.begin());
}

TwGaugePointer* TwGaugePointerManager::GetItem(int Index) const {
  if (Index < 0 || Index >= GetCount()) throw TwException("Index out of Bounds");
  return FList[size_t(Index)];
}

void TwGaugePointerManager::InsertPointer(TwGaugePointer* Pointer) {
  if (IndexOfObject(Pointer) < 0) FList.push_back(Pointer);
  FOnInsert(Pointer);
  FOnChange(Pointer);
}

void TwGaugePointerManager::RemovePointer(TwGaugePointer* Pointer) {
  FOnRemove(Pointer);
  FOnChange(Pointer);
  const auto it = std::find(FList.begin(), FList.end(), Pointer);
  if (it != FList.end()) FList.erase(it);
}
