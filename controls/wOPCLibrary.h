// The binding layer of item binding: the external library that reaches OPC
// servers ("vAZI2.dll" where it exists), seen as the C++ interface
// TwOPCLibrary of the exports the controls call, and the wrappers that call
// it (TwOPCBinding).
//
// On Linux there is no such library and nothing is loaded: the library is
// missing for the whole run (OPCLibraryMissing). The item and group
// operations check for that and do nothing; a direct wrapper call raises
// "Tavrin OPC DLL Not Found." (EnsureOPCLibrary). Tests install a library
// (TwOPCFakeLibrary, wOPCFake.h) with TwOPCBinding::Install and remove it
// with Uninstall.
//
// Every wrapper runs EnsureOPCLibrary, then raises RaiseOPCFunctionMissing's
// message when the export is absent (Function "SignalAdd" not found in
// "vAZI2.dll".), calls the export, and then CheckOPCLastError: a non-empty
// GetLastCallErrorString is raised as it is. ManagerCreated,
// ManagerDestroyed and GetLastCallErrorString run only when the library and
// the export are there, and never raise. All raise TwException.
//
// The library calls back through IwOPCItemNotify (an item has a new value)
// and IwOPCManagerNotify (around a group's update); the callers apply values
// through the controls' setters, so those calls must arrive on the UI
// thread (the fake queues them there).
#pragma once

#include <QDateTime>
#include <QString>
#include <QVariant>

#include <memory>

// What an item offers the library: a new value has arrived.
class IwOPCItemNotify {
 public:
  virtual void NewData(int Unused) = 0;

 protected:
  ~IwOPCItemNotify() = default;
};

// What a group manager offers the library: a group's update starts / ends.
class IwOPCManagerNotify {
 public:
  virtual void BeforeGroupUpdate(int GroupHandle) = 0;
  virtual void AfterGroupUpdate(int GroupHandle) = 0;

 protected:
  ~IwOPCManagerNotify() = default;
};

// The exports the callers use. Texts are wide strings, values variants,
// handles integers; DataType is 8 for a string property, else 0.
class TwOPCLibrary {
 public:
  virtual ~TwOPCLibrary() = default;

  // Whether the library has the export of that name.
  virtual bool HasExport(const QString& Name) const = 0;

  virtual void SignalAdd(int& Handle, const QString& ComputerName, const QString& ServerName, const QString& ItemName,
                         const QString& GroupName, int UpdateRate, bool Suspended, int DataType,
                         IwOPCItemNotify* Notify) = 0;
  virtual void SignalRemove(int Handle) = 0;
  virtual void SignalSuspend(int Handle) = 0;
  virtual void SignalResume(int Handle) = 0;
  virtual void SignalGetActive(int Handle, bool& Active) = 0;
  virtual void SignalGetUpdateSuspended(int Handle, bool& Suspended) = 0;
  virtual void SignalSendData(int Handle, const QVariant& Value) = 0;
  virtual void SignalGetDataNow(int Handle) = 0;
  virtual void SignalGetData(int Handle, QVariant& Value) = 0;
  virtual void SignalGetTimeStamp(int Handle, QDateTime& TimeStamp) = 0;
  virtual void SignalGetQuality(int Handle, quint16& Quality) = 0;
  virtual void GroupAdd(int& Handle, const QString& Name, const QString& ComputerName, const QString& OPCServerName,
                        int UpdateRate, IwOPCManagerNotify* Notify) = 0;
  virtual void GroupDelete(int Handle) = 0;
  virtual void GroupResume(int Handle) = 0;
  virtual void GroupSuspend(int Handle) = 0;
  virtual void GroupSetUpdateRate(int Handle, int UpdateRate) = 0;
  virtual void CloseAllServerConnections() = 0;
  virtual int ServerConnectionGetCount() = 0;
  virtual void ServerConnectionGetName(QString& Name, int Index) = 0;
  // True for the first manager.
  virtual bool ManagerCreated() = 0;
  virtual void ManagerDestroyed() = 0;
  virtual void GetLastCallErrorString(QString& Text) = 0;
};

// True while no library is installed (always, outside tests).
bool OPCLibraryMissing();
// Raises "Tavrin OPC DLL Not Found." when the library is missing.
void EnsureOPCLibrary();
[[noreturn]] void RaiseOPCFunctionMissing(const QString& Name);
// Raises the library's error text of the last call, if any.
void CheckOPCLastError();
// False without the library or the export.
bool ManagerCreated();
void ManagerDestroyed();

class TwOPCBinding {
 public:
  // The library the wrappers call (test hook); Uninstall makes it missing.
  static void Install(std::shared_ptr<TwOPCLibrary> Library);
  static void Uninstall();
  static TwOPCLibrary* Library();

  static void SignalAdd(int& Handle, const QString& ComputerName, const QString& ServerName, const QString& ItemName,
                        const QString& GroupName, int UpdateRate, bool Suspended, int DataType,
                        IwOPCItemNotify* Notify);
  static void SignalRemove(int Handle);
  static void SignalSuspend(int Handle);
  static void SignalResume(int Handle);
  static bool SignalGetActive(int Handle);
  static bool SignalGetUpdateSuspended(int Handle);
  static void SignalSendData(int Handle, const QVariant& Value);
  static void SignalGetDataNow(int Handle);
  static QVariant SignalGetData(int Handle);
  static QDateTime SignalGetTimeStamp(int Handle);
  static quint16 SignalGetQuality(int Handle);
  static void GroupAdd(int& Handle, const QString& Name, const QString& ComputerName, const QString& OPCServerName,
                       int UpdateRate, IwOPCManagerNotify* Notify);
  static void GroupDelete(int Handle);
  static void GroupResume(int Handle);
  static void GroupSuspend(int Handle);
  static void GroupSetUpdateRate(int Handle, int UpdateRate);
  static void CloseAllServerConnections();
  static int ServerConnectionGetCount();
  static QString ServerConnectionGetName(int Index);
  static QString GetLastCallErrorString();
};
