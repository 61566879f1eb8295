// TwOPCFakeLibrary: an in-process binding library for tests (install it with
// TwOPCBinding::Install). It keeps signals and groups in memory, records
// every value sent, and delivers values pushed by a test to the item's
// notification, queued to the UI thread as a real library's would be (run
// the event loop, or QCoreApplication::processEvents, to deliver them). A
// delivery to a signal removed meanwhile is dropped.
//
// Test controls: RemoveExport makes an export absent; SetLastError sets the
// error text the next call reports (once); SetServerConnections lists the
// server connections; BeginGroupUpdate / EndGroupUpdate call a group's
// manager, also queued.
#pragma once

#include <QDateTime>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <map>
#include <memory>
#include <vector>

#include "controls/wOPCLibrary.h"

class TwOPCFakeLibrary : public TwOPCLibrary {
 public:
  struct Signal {
    QString ComputerName, ServerName, ItemName, GroupName;
    int UpdateRate = 0;
    bool Suspended = false;
    int DataType = 0;
    IwOPCItemNotify* Notify = nullptr;
    QVariant Value;
    QDateTime TimeStamp;
    quint16 Quality = 0;
    bool Active = true;
  };
  struct Sent {
    int Handle;
    QVariant Value;
  };
  struct Group {
    QString Name, ComputerName, OPCServerName;
    int UpdateRate = 0;
    bool Suspended = false;
    IwOPCManagerNotify* Notify = nullptr;
  };

  // ---- test controls ----
  void RemoveExport(const QString& Name) { FMissing.insert(Name); }
  void SetLastError(const QString& Text) { FLastError = Text; }
  void SetServerConnections(const QStringList& Names) { FConnections = Names; }
  // Stores the value of a signal and queues its notification.
  void PushData(int Handle, const QVariant& Value, quint16 Quality, const QDateTime& TimeStamp = QDateTime());
  void BeginGroupUpdate(int GroupHandle);
  void EndGroupUpdate(int GroupHandle);

  // ---- what the callers did ----
  const std::map<int, Signal>& Signals() const { return FSignals; }
  const std::map<int, Group>& Groups() const { return FGroups; }
  const std::vector<Sent>& SentData() const { return FSent; }
  void ClearSentData() { FSent.clear(); }
  // The handle of the signal bound to ItemName; 0 when none.
  int HandleOf(const QString& ItemName) const;
  int ManagersCreated() const { return FManagers; }
  int ManagersDestroyed() const { return FManagersDestroyed; }

  // ---- the exports ----
  bool HasExport(const QString& Name) const override { return !FMissing.contains(Name); }
  void SignalAdd(int& Handle, const QString& ComputerName, const QString& ServerName, const QString& ItemName,
                 const QString& GroupName, int UpdateRate, bool Suspended, int DataType,
                 IwOPCItemNotify* Notify) override;
  void SignalRemove(int Handle) override { FSignals.erase(Handle); }
  void SignalSuspend(int Handle) override;
  void SignalResume(int Handle) override;
  void SignalGetActive(int Handle, bool& Active) override;
  void SignalGetUpdateSuspended(int Handle, bool& Suspended) override;
  void SignalSendData(int Handle, const QVariant& Value) override { FSent.push_back({Handle, Value}); }
  void SignalGetDataNow(int) override {}
  void SignalGetData(int Handle, QVariant& Value) override;
  void SignalGetTimeStamp(int Handle, QDateTime& TimeStamp) override;
  void SignalGetQuality(int Handle, quint16& Quality) override;
  void GroupAdd(int& Handle, const QString& Name, const QString& ComputerName, const QString& OPCServerName,
                int UpdateRate, IwOPCManagerNotify* Notify) override;
  void GroupDelete(int Handle) override { FGroups.erase(Handle); }
  void GroupResume(int Handle) override;
  void GroupSuspend(int Handle) override;
  void GroupSetUpdateRate(int Handle, int UpdateRate) override;
  void CloseAllServerConnections() override { FConnections.clear(); }
  int ServerConnectionGetCount() override { return int(FConnections.size()); }
  void ServerConnectionGetName(QString& Name, int Index) override { Name = FConnections.value(Index); }
  bool ManagerCreated() override { return ++FManagers == 1; }
  void ManagerDestroyed() override { ++FManagersDestroyed; }
  void GetLastCallErrorString(QString& Text) override;

 private:
  Signal* Find(int Handle);

  QSet<QString> FMissing;
  QString FLastError;
  QStringList FConnections;
  std::map<int, Signal> FSignals;
  std::map<int, Group> FGroups;
  std::vector<Sent> FSent;
  int FNextHandle = 100;
  int FManagers = 0;
  int FManagersDestroyed = 0;
  // Queued deliveries check it: none after the fake is gone.
  std::shared_ptr<int> FToken = std::make_shared<int>(0);
};
