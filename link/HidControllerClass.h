// The HID device controller, the device objects it lends out, and their read
// threads.
//
// THidDeviceController keeps the list of HID devices present, notices devices
// coming and going, lends a device to the application (check-out) and takes it
// back (check-in). It reports through events: a change of the device set, each
// present device during Enumerate, every input report of a checked-out device,
// a failed read, and the unplugging of a checked-out device. All of that runs
// on the UI thread.
//
// Device changes reach the controller from the backend's monitor (udev) and,
// as a fallback where no such events come, from a periodic rescan; the first
// scan runs once the event loop runs and always reports a change. Later scans
// report only a real change, except a direct DeviceChange call made before any
// notification arrived.
//
// THidDevice is one device as the controller hands it out: its identity
// (PnPInfo: DeviceID and DevicePath), Attributes (vendor and product ID), Caps
// (the report lengths, report ID included), the synchronous WriteFile, and the
// read thread that hands each input report to the UI thread as OnData. Only
// the controller creates and destroys devices; only a device creates its read
// thread. Report parser wrappers, feature reports, indexed strings, physical
// descriptors and input-buffer counts are not offered: nothing here uses them
// and hidraw has no counterpart for most of them.
//
// A read thread whose device has gone (ENODEV, hang-up) ends and asks the
// controller for a rescan; one whose read fails otherwise reports the error
// and waits one ThreadSleepTime before it tries again. Stopping a read thread
// returns at once: its wait is woken and a hand-over it waits in is dropped.
#pragma once

#include <QObject>
#include <QPointer>

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <stop_token>
#include <string>
#include <thread>
#include <vector>

#include "platform/HidBackend.h"
#include "platform/HidReportDescriptor.h"

class QSocketNotifier;
class QTimer;
class THidDevice;
class THidDeviceController;

using THidPlugEvent = std::function<void(THidDevice* HidDev)>;
using THidEnumerateEvent = std::function<bool(THidDevice* HidDev, int Idx)>;
using TNotifyEvent = std::function<void(QObject* Sender)>;
// Data: the bytes after the report ID; Size: how many.
using THidDataEvent = std::function<void(THidDevice* HidDev, std::uint8_t ReportID,
                                         const std::uint8_t* Data, std::uint16_t Size)>;
using THidDataErrorEvent = std::function<void(THidDevice* HidDev, std::uint32_t Error)>;
using THidCheckCallback = std::function<bool(THidDevice* HidDev)>;

class EHidClientError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct THidAttributes {
  std::uint32_t Size = 12;
  std::uint16_t VendorID = 0;
  std::uint16_t ProductID = 0;
  std::uint16_t VersionNumber = 0;
};

using THidCaps = platform::HidReportLengths;

// Where a device was found. DeviceID is the backend's stable identity: two
// scans see the same device when their DeviceIDs are equal.
struct THidPnPInfo {
  std::string DeviceID;
  std::string DevicePath;
  platform::HidDeviceInfo Info;
};

class THidDeviceReadThread {
 public:
  ~THidDeviceReadThread();
  THidDeviceReadThread(const THidDeviceReadThread&) = delete;
  THidDeviceReadThread& operator=(const THidDeviceReadThread&) = delete;

  THidDevice* Device() const { return device_; }

 private:
  friend class THidDevice;
  THidDeviceReadThread(THidDevice* device, std::size_t reportLength);
  void Start();
  // Asks the thread to end without waiting for it.
  void RequestStop();
  // Asks the thread to end and waits until it has.
  void Stop();
  void Execute(std::stop_token stop);
  void Pause(const std::stop_token& stop);

  THidDevice* device_;
  std::shared_ptr<platform::HidBackend> backend_;
  platform::HidDeviceInfo info_;
  QPointer<THidDeviceController> controller_;
  const std::atomic<int>* sleepTime_;
  std::size_t reportLength_;
  std::uint32_t FErr = 0;
  std::jthread thread_;
};

class THidDevice {
 public:
  THidDevice(const THidDevice&) = delete;
  THidDevice& operator=(const THidDevice&) = delete;

  const THidPnPInfo& PnPInfo() const { return FPnPInfo; }
  const THidAttributes& Attributes() const { return FAttributes; }
  // The report lengths from the report descriptor (zero when it cannot be
  // read). Safe on the link's worker thread.
  THidCaps Caps();
  THidCaps GetCaps() { return Caps(); }
  std::string ProductName() const { return FPnPInfo.Info.ProductName; }
  std::string VendorName() const { return {}; }  // hidraw does not tell it apart
  std::string SerialNumber() const { return FPnPInfo.Info.SerialNumber; }

  bool IsPluggedIn() const { return FIsPluggedIn.load(); }
  bool IsCheckedOut() const { return FIsCheckedOut.load(); }
  bool IsAccessible() const;
  bool HasReadWriteAccess() const { return FHasReadWriteAccess.load(); }

  // The synchronous handle: read/write, or query only when read/write access
  // is refused. Needs the device to be accessible.
  bool OpenFile();
  void CloseFile();
  // Writes one output report (Report[0] is the report ID) through the
  // synchronous handle, which stays open. Any thread; false when the device
  // is not accessible or the write failed (LastError tells why). A stalled
  // device is given up at once when stopFd (-1: none) turns readable.
  bool WriteFile(const std::uint8_t* Report, std::uint32_t ToWrite, std::uint32_t& BytesWritten,
                 int stopFd = -1);
  std::string LastError() const;

  // The device's own check-out: needs a controller, the device plugged in and
  // not checked out.
  bool CheckOut();

  void SetOnData(THidDataEvent handler);
  void SetOnDataError(THidDataErrorEvent handler);
  void SetOnUnplug(THidPlugEvent handler);
  int ThreadSleepTime() const { return FThreadSleepTime.load(); }
  // Accepts 10 to 10000 ms; ignores other values.
  void SetThreadSleepTime(int ms);
  bool HasReadThread() const { return FDataThread != nullptr; }

  int Tag = 0;

 private:
  friend class THidDeviceController;
  friend class THidDeviceReadThread;
  template <typename Fn>
  using Shared = std::shared_ptr<const Fn>;

  THidDevice(THidPnPInfo info, THidDeviceController* controller);
  ~THidDevice();
  // Opens the device once to see that it can be; false with a text otherwise.
  bool Identify(std::string& error);

  void SetDataEvent(Shared<THidDataEvent> handler);
  void StartThread();
  void StopThread();
  void DoUnplug();
  void DoData(const std::vector<std::uint8_t>& report, std::size_t bytes);
  void DoDataError(std::uint32_t error);
  bool openLocked();

  THidDeviceController* FMyController;
  std::shared_ptr<platform::HidBackend> backend_;
  THidPnPInfo FPnPInfo;
  THidAttributes FAttributes;
  std::atomic<bool> FIsPluggedIn{true};
  std::atomic<bool> FIsCheckedOut{false};
  std::atomic<bool> FIsEnumerated{false};
  std::atomic<bool> FHasReadWriteAccess{false};
  std::atomic<int> FThreadSleepTime{100};

  // Guards the synchronous handle, the cached lengths and the error text:
  // the link writes from its worker while the UI thread opens and closes.
  mutable std::mutex ioLock_;
  std::unique_ptr<platform::HidConnection> FHidFileHandle;
  bool capsRead_ = false;
  THidCaps caps_;
  std::string lastError_;

  Shared<THidDataEvent> FData;
  Shared<THidDataErrorEvent> FDataError;
  Shared<THidPlugEvent> FUnplug;
  std::unique_ptr<THidDeviceReadThread> FDataThread;
  // Expires when the device is destroyed, so callers of handlers can tell.
  std::shared_ptr<int> alive_ = std::make_shared<int>(0);
};

class THidDeviceController : public QObject {
 public:
  // A null backend leaves the controller inert: no scans, an empty list, and
  // every check-out fails.
  explicit THidDeviceController(QObject* Owner,
                                std::shared_ptr<platform::HidBackend> backend = platform::NewHidRawBackend());
  // Destroys every device, checked out or not, after stopping its read
  // thread; no handler runs, since the owner is going away.
  ~THidDeviceController() override;

  void SetOnArrival(THidPlugEvent handler);
  void SetOnRemoval(THidPlugEvent handler);
  void SetOnEnumerate(THidEnumerateEvent handler);
  // Stores the handler and, once the first scan has run, scans at once.
  void SetOnDeviceChange(TNotifyEvent handler);
  // Devices whose handler is the controller's current one get the new one.
  void SetOnDeviceData(THidDataEvent handler);
  void SetOnDeviceDataError(THidDataErrorEvent handler);
  void SetOnDeviceUnplug(THidPlugEvent handler);
  int DevThreadSleepTime() const { return FDevThreadSleepTime; }
  void SetDevThreadSleepTime(int ms);
  std::string Version() const { return "1.0.0"; }

  int NumCheckedInDevices() const { return FNumCheckedInDevices; }
  int NumCheckedOutDevices() const { return FNumCheckedOutDevices; }
  int NumUnpluggedDevices() const { return FNumUnpluggedDevices; }
  int Count() const { return int(FList.size()); }
  // The device at Idx of the list, or null.
  THidDevice* Device(int Idx) const;

  // Scans now and reports a change through OnDeviceChange.
  void DeviceChange();
  // Calls OnEnumerate for each plugged-in device until it answers false (or
  // for the first only, without a handler); returns how many were visited.
  int Enumerate();

  bool CheckOutByIndex(THidDevice*& HidDev, int Idx);
  bool CheckOut(THidDevice*& HidDev);
  // Pid -1 matches any product.
  bool CheckOutByID(THidDevice*& HidDev, int Vid, int Pid);
  bool CheckOutByProductName(THidDevice*& HidDev, const std::string& ProductName);
  bool CheckOutByVendorName(THidDevice*& HidDev, const std::string& VendorName);
  bool CheckOutByClass(THidDevice*& HidDev, const std::string& ClassName);
  bool CheckOutByCallback(THidDevice*& HidDev, const THidCheckCallback& Check);
  // The plugged-in device with this identity and path; never a list index,
  // which a scan may have moved.
  bool CheckOutByIdentity(THidDevice*& HidDev, const std::string& DeviceID, const std::string& DevicePath);
  // Stops the read thread and closes the handles; destroys an unplugged
  // device. HidDev is null afterwards.
  void CheckIn(THidDevice*& HidDev);

  int CountByID(int Vid, int Pid);
  int CountByProductName(const std::string& ProductName);
  int CountByVendorName(const std::string& VendorName);
  int CountByClass(const std::string& ClassName);
  int CountByCallback(const THidCheckCallback& Check);

  // Fallback rescan interval in ms (default 1000); it stops once the
  // monitor has delivered an event. 0 turns it off.
  void SetRescanInterval(int ms);
  // What went wrong last while scanning or opening a device.
  const std::string& LastError() const { return lastError_; }

  static std::string HidErrorString(std::uint32_t code);
  static std::uint32_t HidCheck(std::uint32_t code);
  // Throws EHidClientError; for UI-thread callers only.
  static void HidError(std::uint32_t code);
  std::string HidVersion() const { return {}; }  // no HID library version on Linux

 private:
  friend class THidDevice;
  friend class THidDeviceReadThread;
  template <typename Fn>
  using Shared = std::shared_ptr<const Fn>;

  // A device-change notification: dropped while a scan from one runs.
  void DeviceChangeMessage(int lParam);
  void MonitorReady();
  bool checkOutDevice(THidDevice* device);
  template <typename Pred>
  bool checkOutFirst(THidDevice*& HidDev, Pred pred);
  template <typename Pred>
  int countPlugged(Pred pred);
  void recount();
  void remove(THidDevice* device);
  static void destroy(THidDevice* device);

  std::shared_ptr<platform::HidBackend> backend_;
  std::unique_ptr<platform::HidChangeMonitor> monitor_;
  QSocketNotifier* notifier_ = nullptr;
  QTimer* rescanTimer_ = nullptr;

  Shared<THidPlugEvent> FArrivalEvent;
  Shared<TNotifyEvent> FDeviceChangeEvent;
  Shared<THidEnumerateEvent> FEnumerateEvent;
  Shared<THidDataEvent> FDevDataEvent;
  Shared<THidDataErrorEvent> FDevDataErrorEvent;
  Shared<THidPlugEvent> FDevUnplugEvent;
  Shared<THidPlugEvent> FRemovalEvent;
  int FDevThreadSleepTime = 100;

  std::vector<THidDevice*> FList;
  int FNumCheckedInDevices = 0;
  int FNumCheckedOutDevices = 0;
  int FNumUnpluggedDevices = 0;
  bool FInDeviceChange = false;
  int FLParam = -1;
  bool loading_ = true;  // until the first scan: handlers are being bound
  std::string lastError_;
};
