#include "controls/wOPCItem.h"

#include <cmath>

#include "controls/wComponent.h"
#include "controls/wException.h"
#include "controls/wProperties.h"

namespace {

// Value times (or plus) Factor, by the variant's type: integers rounded
// (half to even), floats as they come, each kept in its type; other types
// unchanged.
QVariant Scaled(const QVariant& Value, double Factor, bool Multiply) {
  switch (Value.typeId()) {
    case QMetaType::Int:
    case QMetaType::Short:
    case QMetaType::UInt:
    case QMetaType::UShort:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar: {
      const double v = Value.toDouble();
      QVariant r(qlonglong(std::nearbyint(Multiply ? v * Factor : v + Factor)));
      r.convert(Value.metaType());  // the item's own type again
      return r;
    }
    case QMetaType::Float:
    case QMetaType::Double: {
      const double v = Value.toDouble();
      QVariant r(Multiply ? v * Factor : v + Factor);
      r.convert(Value.metaType());
      return r;
    }
    default:
      return Value;
  }
}

}  // namespace

// ---- TwOPCItem -------------------------------------------------------------------

TwOPCItem::~TwOPCItem() {
  try {
    Deactivate();
  } catch (...) {
  }
}

bool TwOPCItem::Designing() const { return FOwner && FOwner->GetIsDesigning(); }

bool TwOPCItem::Skip() const { return OPCLibraryMissing() || !FOwner || Designing(); }

void TwOPCItem::AddSignal(bool Suspended) {
  if (Skip()) return;
  if (FAutoError) UpdateErrorState();
  if (FSignalHandle != 0) {
    const int old = FSignalHandle;
    FSignalHandle = 0;
    TwOPCBinding::SignalRemove(old);
  }
  if (FPropertyName.trimmed().isEmpty() || (FGroupName.trimmed().isEmpty() && FServerName.trimmed().isEmpty()) ||
      FItemName.trimmed().isEmpty())
    return;
  const int dataType = FPropertyType == tkString ? 8 : 0;
  int handle = 0;
  TwOPCBinding::SignalAdd(handle, FComputerName, FServerName, FItemName, FGroupName, FUpdateRate, Suspended, dataType,
                          this);
  FSignalHandle = handle;
}

void TwOPCItem::Activate() { AddSignal(false); }
void TwOPCItem::ActivateSuspend() { AddSignal(true); }

void TwOPCItem::Deactivate() {
  if (OPCLibraryMissing() || Designing()) return;
  const int handle = FSignalHandle;
  FSignalHandle = 0;
  TwOPCBinding::SignalRemove(handle);
}

void TwOPCItem::Loaded() {
  try {
    if (FAutoError) UpdateErrorState();
    if (FAutoConnect && !Designing()) Activate();
  } catch (const std::exception&) {
  }
}

void TwOPCItem::Reactivate() {
  if (!OPCLibraryMissing() && Active()) Activate();
}

void TwOPCItem::SetPropertyName(const QString& Value) {
  FPropertyName = Value;
  int kind = 0;
  if (FOwner && FOwner->OnGetType) FOwner->OnGetType(Value, kind);
  FPropertyType = kind;
}

void TwOPCItem::SetGroupName(const QString& Value) {
  FGroupName = Value;
  Reactivate();
}
void TwOPCItem::SetComputerName(const QString& Value) {
  FComputerName = Value;
  Reactivate();
}
void TwOPCItem::SetServerName(const QString& Value) {
  FServerName = Value;
  Reactivate();
}
void TwOPCItem::SetItemName(const QString& Value) {
  FItemName = Value;
  Reactivate();
}
void TwOPCItem::SetUpdateRate(int Value) {
  FUpdateRate = Value;
  Reactivate();
}

void TwOPCItem::SetAutoConnect(bool Value) {
  FAutoConnect = Value;
  if (OPCLibraryMissing() || !FOwner) return;
  auto* control = qobject_cast<TwComponent*>(FOwner->Owner());
  if (control && !control->IsLoading() && FAutoConnect) Activate();
}

void TwOPCItem::SetAutoError(bool Value) {
  FAutoError = Value;
  if (Value) UpdateErrorState();
}

bool TwOPCItem::Active() const {
  if (!FOwner || Designing() || OPCLibraryMissing()) return false;
  return TwOPCBinding::SignalGetActive(FSignalHandle);
}

bool TwOPCItem::UpdateSuspended() const {
  if (OPCLibraryMissing() || FSignalHandle == 0) return false;
  return TwOPCBinding::SignalGetUpdateSuspended(FSignalHandle);
}

void TwOPCItem::SetData(const QVariant& Value) {
  if (!OPCLibraryMissing()) TwOPCBinding::SignalSendData(FSignalHandle, Value);
}

QVariant TwOPCItem::GetDataNow(quint16& Quality) {
  if (OPCLibraryMissing()) return QVariant();
  TwOPCBinding::SignalGetDataNow(FSignalHandle);
  FData = TwOPCBinding::SignalGetData(FSignalHandle);
  FTimeStamp = TwOPCBinding::SignalGetTimeStamp(FSignalHandle);
  FQuality = TwOPCBinding::SignalGetQuality(FSignalHandle);
  Quality = FQuality;
  return FData;
}

void TwOPCItem::UpdateResume() {
  if (!OPCLibraryMissing()) TwOPCBinding::SignalResume(FSignalHandle);
}

void TwOPCItem::UpdateSuspend() {
  if (!OPCLibraryMissing()) TwOPCBinding::SignalSuspend(FSignalHandle);
}

void TwOPCItem::UpdateErrorState() {
  if (!FOwner || !Active()) return;
  if (auto* control = qobject_cast<TwComponent*>(FOwner->Owner())) control->SetErrorActive(!QualityGood());
}

void TwOPCItem::NewData(int) {
  FData = TwOPCBinding::SignalGetData(FSignalHandle);
  FTimeStamp = TwOPCBinding::SignalGetTimeStamp(FSignalHandle);
  FQuality = TwOPCBinding::SignalGetQuality(FSignalHandle);
  if (QualityGood()) {
    if (FScalar != 0) FData = Scaled(FData, FScalar, true);
    if (FOffset != 0) FData = Scaled(FData, FOffset, false);
  }
  if (FAutoError) UpdateErrorState();
  if (FOwner && FOwner->OnNewData) FOwner->OnNewData(this);
}

// ---- TwOPCItemManager -----------------------------------------------------------

TwOPCItemManager::~TwOPCItemManager() { Clear(); }

int TwOPCItemManager::Add() {
  FList.push_back(std::make_unique<TwOPCItem>(this));
  return int(FList.size()) - 1;
}

void TwOPCItemManager::Delete(int Index) {
  GetItem(Index);
  FList.erase(FList.begin() + Index);
}

void TwOPCItemManager::Clear() {
  while (!FList.empty()) FList.erase(FList.begin());
}

TwOPCItem* TwOPCItemManager::GetItem(int Index) const {
  if (Index < 0 || Index >= GetCount())
    throw TwException(QStringLiteral("List index out of bounds (%1)").arg(Index).toStdString());
  return FList[size_t(Index)].get();
}

int TwOPCItemManager::FindIndex(const TwOPCItem* Item) const {
  for (size_t i = 0; i < FList.size(); ++i)
    if (FList[i].get() == Item) return int(i);
  return -1;
}

bool TwOPCItemManager::GetIsDesigning() const {
  bool designing = false;
  if (OnGetDesigning) OnGetDesigning(FOwner, designing);
  return designing;
}
