#include "controls/wOPCLibrary.h"

#include "controls/wException.h"

#include <type_traits>

namespace {

std::shared_ptr<TwOPCLibrary>& Installed() {
  static std::shared_ptr<TwOPCLibrary> library;
  return library;
}

// The library, checked for the export; the export is then called and the
// library's error text of the call raised.
TwOPCLibrary& Export(const char* Name) {
  EnsureOPCLibrary();
  TwOPCLibrary& lib = *Installed();
  if (!lib.HasExport(QLatin1String(Name))) RaiseOPCFunctionMissing(QLatin1String(Name));
  return lib;
}

template <class F>
auto Call(const char* Name, F&& f) {
  TwOPCLibrary& lib = Export(Name);
  if constexpr (std::is_void_v<decltype(f(lib))>) {
    f(lib);
    CheckOPCLastError();
  } else {
    auto result = f(lib);
    CheckOPCLastError();
    return result;
  }
}

}  // namespace

bool OPCLibraryMissing() { return !Installed(); }

void EnsureOPCLibrary() {
  if (OPCLibraryMissing()) throw TwException("Tavrin OPC DLL Not Found.");
}

void RaiseOPCFunctionMissing(const QString& Name) {
  throw TwException(QStringLiteral("Function \"%1\" not found in \"vAZI2.dll\".").arg(Name).toStdString());
}

void CheckOPCLastError() {
  const QString text = TwOPCBinding::GetLastCallErrorString();
  if (!text.isEmpty()) throw TwException(text.toStdString());
}

bool ManagerCreated() {
  TwOPCLibrary* lib = Installed().get();
  return lib && lib->HasExport(QStringLiteral("ManagerCreated")) && lib->ManagerCreated();
}

void ManagerDestroyed() {
  TwOPCLibrary* lib = Installed().get();
  if (lib && lib->HasExport(QStringLiteral("ManagerDestroyed"))) lib->ManagerDestroyed();
}

void TwOPCBinding::Install(std::shared_ptr<TwOPCLibrary> Library) { Installed() = std::move(Library); }
void TwOPCBinding::Uninstall() { Installed().reset(); }
TwOPCLibrary* TwOPCBinding::Library() { return Installed().get(); }

QString TwOPCBinding::GetLastCallErrorString() {
  TwOPCLibrary* lib = Installed().get();
  QString text;
  if (lib && lib->HasExport(QStringLiteral("GetLastCallErrorString"))) lib->GetLastCallErrorString(text);
  return text;
}

void TwOPCBinding::SignalAdd(int& Handle, const QString& ComputerName, const QString& ServerName,
                             const QString& ItemName, const QString& GroupName, int UpdateRate, bool Suspended,
                             int DataType, IwOPCItemNotify* Notify) {
  Call("SignalAdd", [&](TwOPCLibrary& l) {
    l.SignalAdd(Handle, ComputerName, ServerName, ItemName, GroupName, UpdateRate, Suspended, DataType, Notify);
  });
}

void TwOPCBinding::SignalRemove(int Handle) {
  Call("SignalRemove", [&](TwOPCLibrary& l) { l.SignalRemove(Handle); });
}
void TwOPCBinding::SignalSuspend(int Handle) {
  Call("SignalSuspend", [&](TwOPCLibrary& l) { l.SignalSuspend(Handle); });
}
void TwOPCBinding::SignalResume(int Handle) {
  Call("SignalResume", [&](TwOPCLibrary& l) { l.SignalResume(Handle); });
}

bool TwOPCBinding::SignalGetActive(int Handle) {
  return Call("SignalGetActive", [&](TwOPCLibrary& l) {
    bool active = false;
    l.SignalGetActive(Handle, active);
    return active;
  });
}

bool TwOPCBinding::SignalGetUpdateSuspended(int Handle) {
  return Call("SignalGetUpdateSuspended", [&](TwOPCLibrary& l) {
    bool suspended = false;
    l.SignalGetUpdateSuspended(Handle, suspended);
    return suspended;
  });
}

void TwOPCBinding::SignalSendData(int Handle, const QVariant& Value) {
  Call("SignalSendData", [&](TwOPCLibrary& l) { l.SignalSendData(Handle, Value); });
}
void TwOPCBinding::SignalGetDataNow(int Handle) {
  Call("SignalGetDataNow", [&](TwOPCLibrary& l) { l.SignalGetDataNow(Handle); });
}

QVariant TwOPCBinding::SignalGetData(int Handle) {
  return Call("SignalGetData", [&](TwOPCLibrary& l) {
    QVariant value;
    l.SignalGetData(Handle, value);
    return value;
  });
}

QDateTime TwOPCBinding::SignalGetTimeStamp(int Handle) {
  return Call("SignalGetTimeStamp", [&](TwOPCLibrary& l) {
    QDateTime t;
    l.SignalGetTimeStamp(Handle, t);
    return t;
  });
}

quint16 TwOPCBinding::SignalGetQuality(int Handle) {
  return Call("SignalGetQuality", [&](TwOPCLibrary& l) {
    quint16 q = 0;
    l.SignalGetQuality(Handle, q);
    return q;
  });
}

void TwOPCBinding::GroupAdd(int& Handle, const QString& Name, const QString& ComputerName,
                            const QString& OPCServerName, int UpdateRate, IwOPCManagerNotify* Notify) {
  Call("GroupAdd", [&](TwOPCLibrary& l) { l.GroupAdd(Handle, Name, ComputerName, OPCServerName, UpdateRate, Notify); });
}

void TwOPCBinding::GroupDelete(int Handle) {
  Call("GroupDelete", [&](TwOPCLibrary& l) { l.GroupDelete(Handle); });
}
void TwOPCBinding::GroupResume(int Handle) {
  Call("GroupResume", [&](TwOPCLibrary& l) { l.GroupResume(Handle); });
}
void TwOPCBinding::GroupSuspend(int Handle) {
  Call("GroupSuspend", [&](TwOPCLibrary& l) { l.GroupSuspend(Handle); });
}
void TwOPCBinding::GroupSetUpdateRate(int Handle, int UpdateRate) {
  Call("GroupSetUpdateRate", [&](TwOPCLibrary& l) { l.GroupSetUpdateRate(Handle, UpdateRate); });
}
void TwOPCBinding::CloseAllServerConnections() {
  Call("CloseAllServerConnections", [&](TwOPCLibrary& l) { l.CloseAllServerConnections(); });
}
int TwOPCBinding::ServerConnectionGetCount() {
  return Call("ServerConnectionGetCount", [&](TwOPCLibrary& l) { return l.ServerConnectionGetCount(); });
}

QString TwOPCBinding::ServerConnectionGetName(int Index) {
  return Call("ServerConnectionGetName", [&](TwOPCLibrary& l) {
    QString name;
    l.ServerConnectionGetName(name, Index);
    return name;
  });
}
