// Item binding of the instrument and plot controls: TwOPCItem binds one
// published property of a control to an item of an OPC server through the
// binding layer (wOPCLibrary.h); TwOPCItemManager is a control's list of
// them (each TwWinComponent owns one, and so can any object that binds, a
// plot channel say).
//
// TwOPCItem. Activate adds the item's signal in the library (an existing one
// is removed first), given a PropertyName, a GroupName or ServerName, and an
// ItemName; ActivateSuspend adds it suspended; Deactivate removes it. All
// three do nothing without the library, without a manager, or at design
// time. Changing ServerName, ComputerName, ItemName, UpdateRate or GroupName
// re-activates an active item; PropertyName asks the manager's OnGetType for
// the property's kind (a string property binds with DataType 8).
//
// Incoming values: the library calls NewData, which reads the value, its
// time stamp and quality; a good value (quality bits 0xC0 set) is scaled
// (integers times Scalar, rounded half to even; floats times Scalar), then
// offset the same way, each step only when not 0; with AutoError the
// control's error state follows the quality; then the manager's OnNewData
// runs (for a control: TwWinComponent::OPCNewData). Writing Data sends a
// value to the item. Without the library Active, UpdateSuspended and
// GetDataNow give false / empty.
//
// The manager owns its items (Add, Delete, Clear). Its three hooks are set
// by its owner: OnGetDesigning, OnNewData and OnGetType. UI thread only.
#pragma once

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QVariant>

#include <functional>
#include <memory>
#include <vector>

#include "controls/wOPCLibrary.h"

class TwOPCItemManager;

class TwOPCItem : public IwOPCItemNotify {
 public:
  explicit TwOPCItem(TwOPCItemManager* Owner = nullptr) : FOwner(Owner) {}
  // Deactivates, ignoring any failure.
  virtual ~TwOPCItem();
  TwOPCItem(const TwOPCItem&) = delete;
  TwOPCItem& operator=(const TwOPCItem&) = delete;

  void Activate();
  void ActivateSuspend();
  void Deactivate();
  // After the item's settings are made: error state, and Activate with
  // AutoConnect (not at design time); failures are swallowed.
  void Loaded();
  void UpdateResume();
  void UpdateSuspend();
  // Reads a fresh value at once (no Scalar or Offset); Quality gets its
  // quality. Empty without the library.
  QVariant GetDataNow(quint16& Quality);

  QString PropertyName() const { return FPropertyName; }
  void SetPropertyName(const QString& Value);
  // The property's type kind (wProperties.h), from the manager's OnGetType.
  int PropertyType() const { return FPropertyType; }
  QString GroupName() const { return FGroupName; }
  void SetGroupName(const QString& Value);
  QString ComputerName() const { return FComputerName; }
  void SetComputerName(const QString& Value);
  QString ServerName() const { return FServerName; }
  void SetServerName(const QString& Value);
  QString ItemName() const { return FItemName; }
  void SetItemName(const QString& Value);
  bool AutoConnect() const { return FAutoConnect; }
  void SetAutoConnect(bool Value);
  int UpdateRate() const { return FUpdateRate; }
  void SetUpdateRate(int Value);
  double Scalar() const { return FScalar; }
  void SetScalar(double Value) { FScalar = Value; }
  double Offset() const { return FOffset; }
  void SetOffset(double Value) { FOffset = Value; }
  bool AutoError() const { return FAutoError; }
  void SetAutoError(bool Value);
  bool UpdateSuspended() const;

  // The latest value (scaled); writing sends a value to the item.
  QVariant Data() const { return FData; }
  void SetData(const QVariant& Value);
  QDateTime TimeStamp() const { return FTimeStamp; }
  quint16 Quality() const { return FQuality; }
  bool Active() const;
  bool QualityGood() const { return (FQuality & 0xC0) == 0xC0; }
  // The library's handle of the item's signal; 0 when none.
  int SignalHandle() const { return FSignalHandle; }
  TwOPCItemManager* Owner() const { return FOwner; }

  // The library's notification: a new value has arrived.
  void NewData(int Unused) override;

 private:
  void AddSignal(bool Suspended);
  void UpdateErrorState();
  bool Skip() const;
  bool Designing() const;
  void Reactivate();

  QString FPropertyName;
  int FPropertyType = 0;
  QString FGroupName;
  QString FServerName;
  QString FComputerName = QStringLiteral("Local");
  QString FItemName;
  bool FAutoConnect = true;
  int FUpdateRate = 500;
  double FScalar = 0;
  double FOffset = 0;
  int FSignalHandle = 0;
  QVariant FData;
  QDateTime FTimeStamp;
  quint16 FQuality = 0;
  TwOPCItemManager* FOwner;
  bool FAutoError = false;
};

class TwOPCItemManager {
 public:
  using TGetDesigningEvent = std::function<void(QObject* Sender, bool& Designing)>;
  using TNewDataEvent = std::function<void(TwOPCItem* Item)>;
  using TOPCItemGetDataTypeEvent = std::function<void(const QString& PropertyName, int& AVarType)>;

  // Owner: the control (or object) whose properties the items bind.
  explicit TwOPCItemManager(QObject* Owner) : FOwner(Owner) {}
  ~TwOPCItemManager();
  TwOPCItemManager(const TwOPCItemManager&) = delete;
  TwOPCItemManager& operator=(const TwOPCItemManager&) = delete;

  // A new item owned by the manager, appended; its index.
  int Add();
  // Frees and removes; an index outside the list raises "List index out of
  // bounds (n)".
  void Delete(int Index);
  void Clear();
  int GetCount() const { return int(FList.size()); }
  TwOPCItem* GetItem(int Index) const;
  // -1 when the item is not in the list.
  int FindIndex(const TwOPCItem* Item) const;
  bool GetIsDesigning() const;
  QObject* Owner() const { return FOwner; }

  TGetDesigningEvent OnGetDesigning;
  TNewDataEvent OnNewData;
  TOPCItemGetDataTypeEvent OnGetType;

 private:
  std::vector<std::unique_ptr<TwOPCItem>> FList;
  QObject* FOwner;
};
