#include "controls/wOPCFake.h"

#include <QCoreApplication>
#include <QTimer>

namespace {

// Runs Fn on the UI thread's event loop.
template <class F>
void Queue(F&& Fn) {
  QTimer::singleShot(0, QCoreApplication::instance(), std::forward<F>(Fn));
}

}  // namespace

TwOPCFakeLibrary::Signal* TwOPCFakeLibrary::Find(int Handle) {
  auto it = FSignals.find(Handle);
  return it == FSignals.end() ? nullptr : &it->second;
}

int TwOPCFakeLibrary::HandleOf(const QString& ItemName) const {
  for (const auto& [handle, s] : FSignals)
    if (s.ItemName == ItemName) return handle;
  return 0;
}

void TwOPCFakeLibrary::PushData(int Handle, const QVariant& Value, quint16 Quality, const QDateTime& TimeStamp) {
  Signal* s = Find(Handle);
  if (!s) return;
  s->Value = Value;
  s->Quality = Quality;
  s->TimeStamp = TimeStamp.isValid() ? TimeStamp : QDateTime::currentDateTime();
  Queue([this, alive = std::weak_ptr<int>(FToken), Handle] {
    if (alive.expired()) return;
    if (Signal* s = Find(Handle))
      if (s->Notify) s->Notify->NewData(0);
  });
}

void TwOPCFakeLibrary::BeginGroupUpdate(int GroupHandle) {
  Queue([this, alive = std::weak_ptr<int>(FToken), GroupHandle] {
    if (alive.expired()) return;
    auto it = FGroups.find(GroupHandle);
    if (it != FGroups.end() && it->second.Notify) it->second.Notify->BeforeGroupUpdate(GroupHandle);
  });
}

void TwOPCFakeLibrary::EndGroupUpdate(int GroupHandle) {
  Queue([this, alive = std::weak_ptr<int>(FToken), GroupHandle] {
    if (alive.expired()) return;
    auto it = FGroups.find(GroupHandle);
    if (it != FGroups.end() && it->second.Notify) it->second.Notify->AfterGroupUpdate(GroupHandle);
  });
}

void TwOPCFakeLibrary::SignalAdd(int& Handle, const QString& ComputerName, const QString& ServerName,
                                 const QString& ItemName, const QString& GroupName, int UpdateRate, bool Suspended,
                                 int DataType, IwOPCItemNotify* Notify) {
  Handle = ++FNextHandle;
  Signal s;
  s.ComputerName = ComputerName;
  s.ServerName = ServerName;
  s.ItemName = ItemName;
  s.GroupName = GroupName;
  s.UpdateRate = UpdateRate;
  s.Suspended = Suspended;
  s.DataType = DataType;
  s.Notify = Notify;
  FSignals[Handle] = s;
}

void TwOPCFakeLibrary::SignalSuspend(int Handle) {
  if (Signal* s = Find(Handle)) s->Suspended = true;
}

void TwOPCFakeLibrary::SignalResume(int Handle) {
  if (Signal* s = Find(Handle)) s->Suspended = false;
}

void TwOPCFakeLibrary::SignalGetActive(int Handle, bool& Active) {
  Signal* s = Find(Handle);
  Active = s && s->Active;
}

void TwOPCFakeLibrary::SignalGetUpdateSuspended(int Handle, bool& Suspended) {
  Signal* s = Find(Handle);
  Suspended = s && s->Suspended;
}

void TwOPCFakeLibrary::SignalGetData(int Handle, QVariant& Value) {
  Signal* s = Find(Handle);
  Value = s ? s->Value : QVariant();
}

void TwOPCFakeLibrary::SignalGetTimeStamp(int Handle, QDateTime& TimeStamp) {
  Signal* s = Find(Handle);
  TimeStamp = s ? s->TimeStamp : QDateTime();
}

void TwOPCFakeLibrary::SignalGetQuality(int Handle, quint16& Quality) {
  Signal* s = Find(Handle);
  Quality = s ? s->Quality : 0;
}

void TwOPCFakeLibrary::GroupAdd(int& Handle, const QString& Name, const QString& ComputerName,
                                const QString& OPCServerName, int UpdateRate, IwOPCManagerNotify* Notify) {
  Handle = ++FNextHandle;
  FGroups[Handle] = Group{Name, ComputerName, OPCServerName, UpdateRate, false, Notify};
}

void TwOPCFakeLibrary::GroupResume(int Handle) {
  auto it = FGroups.find(Handle);
  if (it != FGroups.end()) it->second.Suspended = false;
}

void TwOPCFakeLibrary::GroupSuspend(int Handle) {
  auto it = FGroups.find(Handle);
  if (it != FGroups.end()) it->second.Suspended = true;
}

void TwOPCFakeLibrary::GroupSetUpdateRate(int Handle, int UpdateRate) {
  auto it = FGroups.find(Handle);
  if (it != FGroups.end()) it->second.UpdateRate = UpdateRate;
}

void TwOPCFakeLibrary::GetLastCallErrorString(QString& Text) {
  Text = FLastError;
  FLastError.clear();
}
