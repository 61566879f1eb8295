#include "link/HidControllerClass.h"

#include <QMetaObject>
#include <QSocketNotifier>
#include <QTimer>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <optional>

#include "platform/UiBridge.h"

namespace {

// The largest report hidraw passes, plus the report ID; used when a device's
// descriptor gives no input length.
constexpr std::size_t kMaxReportBytes = 4096 + 1;

template <typename Fn>
std::shared_ptr<const Fn> share(Fn fn) {
  return fn ? std::make_shared<const Fn>(std::move(fn)) : nullptr;
}

}  // namespace

// ---- THidDeviceReadThread ---------------------------------------------------

THidDeviceReadThread::THidDeviceReadThread(THidDevice* device, std::size_t reportLength)
    : device_(device),
      backend_(device->backend_),
      info_(device->FPnPInfo.Info),
      controller_(device->FMyController),
      sleepTime_(&device->FThreadSleepTime),
      reportLength_(reportLength) {}

THidDeviceReadThread::~THidDeviceReadThread() { Stop(); }

void THidDeviceReadThread::Start() {
  thread_ = std::jthread([this](std::stop_token stop) { Execute(stop); });
}

void THidDeviceReadThread::RequestStop() { thread_.request_stop(); }

void THidDeviceReadThread::Stop() {
  if (!thread_.joinable()) return;
  thread_.request_stop();
  thread_.join();
}

void THidDeviceReadThread::Pause(const std::stop_token& stop) {
  std::mutex m;
  std::condition_variable_any cv;
  std::unique_lock lock(m);
  cv.wait_for(lock, stop, std::chrono::milliseconds(sleepTime_->load()), [] { return false; });
}

void THidDeviceReadThread::Execute(std::stop_token stop) {
  // Declared before the stop callback, so the callback is gone first.
  std::unique_ptr<platform::HidConnection> connection;
  std::optional<std::stop_callback<std::function<void()>>> wake;
  std::vector<std::uint8_t> report(reportLength_);
  THidDevice* device = device_;

  auto reportError = [&](std::uint32_t error) {
    FErr = error;
    platform::UiSend([device, error] { device->DoDataError(error); }, stop);
    // A failing device must not keep the thread busy: one sleep interval.
    Pause(stop);
  };

  while (!stop.stop_requested()) {
    if (!connection) {
      std::string error;
      connection = backend_->Open(info_, platform::HidOpen::Read, error);
      if (!connection) {
        reportError(EIO);
        continue;
      }
      platform::HidConnection* c = connection.get();
      wake.emplace(stop, std::function<void()>([c] { c->Interrupt(); }));
    }
    std::fill(report.begin(), report.end(), 0);
    const platform::HidIoResult r = connection->Read(report, sleepTime_->load());
    switch (r.status) {
      case platform::HidIo::Ok:
        if (r.bytes > 0) {
          platform::UiSend([device, report, bytes = r.bytes] { device->DoData(report, bytes); }, stop);
        }
        break;
      case platform::HidIo::Timeout:
        break;
      case platform::HidIo::Interrupted:
        return;
      case platform::HidIo::Gone:
        // The device has been pulled out: end, and let the controller see it.
        platform::UiPost([controller = controller_] {
          if (controller) controller->DeviceChangeMessage(0);
        });
        return;
      case platform::HidIo::Failed:
        reportError(std::uint32_t(r.error));
        break;
    }
  }
}

// ---- THidDevice -------------------------------------------------------------

THidDevice::THidDevice(THidPnPInfo info, THidDeviceController* controller)
    : FMyController(controller), backend_(controller->backend_), FPnPInfo(std::move(info)) {
  FAttributes.VendorID = FPnPInfo.Info.VendorID;
  FAttributes.ProductID = FPnPInfo.Info.ProductID;
  FAttributes.VersionNumber = FPnPInfo.Info.VersionNumber;
  FData = controller->FDevDataEvent;
  FUnplug = controller->FDevUnplugEvent;
}

THidDevice::~THidDevice() {
  FData.reset();
  FUnplug.reset();
  StopThread();
  CloseFile();
}

bool THidDevice::Identify(std::string& error) {
  std::lock_guard guard(ioLock_);
  std::string rwError;
  FHidFileHandle = backend_->Open(FPnPInfo.Info, platform::HidOpen::ReadWrite, rwError);
  FHasReadWriteAccess.store(FHidFileHandle != nullptr);
  if (!FHidFileHandle) {
    std::string queryError;
    FHidFileHandle = backend_->Open(FPnPInfo.Info, platform::HidOpen::Query, queryError);
    if (!FHidFileHandle) {
      error = "device cannot be opened: " + rwError;
      return false;
    }
    lastError_ = rwError;
  }
  FHidFileHandle.reset();
  return true;
}

bool THidDevice::IsAccessible() const {
  return FIsPluggedIn.load() && (FIsCheckedOut.load() || FIsEnumerated.load());
}

bool THidDevice::openLocked() {
  if (!IsAccessible()) return FHidFileHandle != nullptr;
  if (FHidFileHandle) return true;
  std::string error;
  FHidFileHandle = backend_->Open(FPnPInfo.Info, platform::HidOpen::ReadWrite, error);
  FHasReadWriteAccess.store(FHidFileHandle != nullptr);
  if (!FHidFileHandle) {
    lastError_ = error;
    FHidFileHandle = backend_->Open(FPnPInfo.Info, platform::HidOpen::Query, error);
  }
  return FHidFileHandle != nullptr;
}

bool THidDevice::OpenFile() {
  std::lock_guard guard(ioLock_);
  return openLocked();
}

void THidDevice::CloseFile() {
  std::lock_guard guard(ioLock_);
  FHidFileHandle.reset();
}

THidCaps THidDevice::Caps() {
  std::lock_guard guard(ioLock_);
  if (capsRead_) return caps_;
  if (!IsAccessible()) return {};
  const bool wasOpen = FHidFileHandle != nullptr;
  if (!openLocked()) return {};
  std::vector<std::uint8_t> descriptor;
  std::string error;
  if (FHidFileHandle->ReportDescriptor(descriptor, error)) {
    const platform::HidDescriptorResult parsed = platform::ParseHidReportDescriptor(descriptor);
    if (parsed.ok) {
      caps_ = parsed.lengths;
      capsRead_ = true;
    } else {
      lastError_ = "report descriptor of " + FPnPInfo.DevicePath + ": " + parsed.error;
    }
  } else {
    lastError_ = error;
  }
  if (!wasOpen) FHidFileHandle.reset();
  return caps_;
}

bool THidDevice::WriteFile(const std::uint8_t* Report, std::uint32_t ToWrite, std::uint32_t& BytesWritten,
                           int stopFd) {
  BytesWritten = 0;
  std::lock_guard guard(ioLock_);
  if (!Report || ToWrite == 0) return false;
  if (!IsAccessible() || !openLocked()) {
    if (!IsAccessible()) lastError_ = FPnPInfo.DevicePath + " is not checked out";
    return false;
  }
  const platform::HidIoResult r = FHidFileHandle->Write({Report, ToWrite}, stopFd);
  if (r.status != platform::HidIo::Ok) {
    lastError_ = r.text;
    return false;
  }
  BytesWritten = std::uint32_t(r.bytes);
  return true;
}

std::string THidDevice::LastError() const {
  std::lock_guard guard(ioLock_);
  return lastError_;
}

bool THidDevice::CheckOut() {
  return FMyController && FIsPluggedIn.load() && FMyController->checkOutDevice(this);
}

void THidDevice::SetOnData(THidDataEvent handler) { SetDataEvent(share(std::move(handler))); }
void THidDevice::SetOnDataError(THidDataErrorEvent handler) { FDataError = share(std::move(handler)); }
void THidDevice::SetOnUnplug(THidPlugEvent handler) { FUnplug = share(std::move(handler)); }

void THidDevice::SetThreadSleepTime(int ms) {
  if (ms >= 10 && ms <= 10000) FThreadSleepTime.store(ms);
}

void THidDevice::SetDataEvent(Shared<THidDataEvent> handler) {
  if (!handler) StopThread();
  FData = std::move(handler);
  StartThread();
}

void THidDevice::StartThread() {
  if (!FData || !FIsPluggedIn.load() || !FIsCheckedOut.load() || !FHasReadWriteAccess.load() || FDataThread) {
    return;
  }
  // The lengths are fetched here, on the UI thread, before the thread runs.
  const std::size_t length = Caps().InputReportByteLength;
  FDataThread.reset(new THidDeviceReadThread(this, length > 1 ? length : kMaxReportBytes));
  FDataThread->Start();
}

void THidDevice::StopThread() {
  if (!FDataThread) return;
  FDataThread->Stop();
  FDataThread.reset();
}

void THidDevice::DoUnplug() {
  // Unplugged first, so a write on the link's worker cannot reopen it.
  FIsPluggedIn.store(false);
  CloseFile();
  // The read thread's handle is its own: ask it to end now, so it does not
  // keep reading a device that has gone; check-in joins it.
  if (FDataThread) FDataThread->RequestStop();
  auto handler = std::move(FUnplug);
  FUnplug.reset();
  if (handler) (*handler)(this);  // may check the device in, which destroys it
}

void THidDevice::DoData(const std::vector<std::uint8_t>& report, std::size_t bytes) {
  auto handler = FData;
  if (!handler || bytes == 0 || report.empty()) return;
  bytes = std::min(bytes, report.size());
  (*handler)(this, report[0], report.data() + 1, std::uint16_t(bytes - 1));
}

void THidDevice::DoDataError(std::uint32_t error) {
  auto handler = FDataError;
  if (handler) (*handler)(this, error);
}

// ---- THidDeviceController ---------------------------------------------------

THidDeviceController::THidDeviceController(QObject* Owner, std::shared_ptr<platform::HidBackend> backend)
    : QObject(Owner), backend_(std::move(backend)) {
  if (!backend_) return;
  monitor_ = backend_->NewMonitor();
  if (monitor_ && monitor_->Fd() >= 0) {
    notifier_ = new QSocketNotifier(monitor_->Fd(), QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] { MonitorReady(); });
  }
  rescanTimer_ = new QTimer(this);
  rescanTimer_->setTimerType(Qt::PreciseTimer);  // never fires early
  rescanTimer_->setInterval(1000);
  connect(rescanTimer_, &QTimer::timeout, this, [this] { DeviceChangeMessage(0); });
  rescanTimer_->start();
  // The start-up scan runs once the event loop runs.
  QMetaObject::invokeMethod(this, [this] { DeviceChangeMessage(-1); }, Qt::QueuedConnection);
}

THidDeviceController::~THidDeviceController() {
  FDeviceChangeEvent.reset();
  FDevUnplugEvent.reset();
  FEnumerateEvent.reset();
  FArrivalEvent.reset();
  FRemovalEvent.reset();
  delete notifier_;
  notifier_ = nullptr;
  const std::vector<THidDevice*> devices = std::move(FList);
  FList.clear();
  for (THidDevice* device : devices) {
    device->FMyController = nullptr;
    destroy(device);
  }
}

void THidDeviceController::MonitorReady() {
  if (!monitor_ || !monitor_->Drain()) return;
  // Notifications work here: the periodic rescan is not needed.
  if (rescanTimer_) rescanTimer_->stop();
  DeviceChangeMessage(0);
}

void THidDeviceController::DeviceChangeMessage(int lParam) {
  if (FInDeviceChange) return;
  FLParam = lParam;
  loading_ = false;
  FInDeviceChange = true;
  DeviceChange();
  FInDeviceChange = false;
}

void THidDeviceController::SetRescanInterval(int ms) {
  if (!rescanTimer_) return;
  if (ms <= 0) {
    rescanTimer_->stop();
    return;
  }
  rescanTimer_->start(ms);
}

THidDevice* THidDeviceController::Device(int Idx) const {
  return Idx >= 0 && Idx < int(FList.size()) ? FList[std::size_t(Idx)] : nullptr;
}

void THidDeviceController::DeviceChange() {
  bool changed = FLParam == -1;  // the start-up scan always reports
  std::vector<platform::HidDeviceInfo> fresh;
  if (backend_) {
    std::string error;
    fresh = backend_->Enumerate(error);
    if (!error.empty()) lastError_ = error;
  }
  auto present = [&](const std::string& id) {
    return std::any_of(fresh.begin(), fresh.end(), [&](const auto& f) { return f.Identity == id; });
  };

  // Removals, last to first. Handlers may check devices in (destroying
  // them), so each entry is followed by its alive token, not its index.
  std::vector<std::pair<THidDevice*, std::weak_ptr<int>>> snapshot;
  for (THidDevice* d : FList) snapshot.emplace_back(d, d->alive_);
  for (auto it = snapshot.rbegin(); it != snapshot.rend(); ++it) {
    THidDevice* device = it->first;
    if (it->second.expired()) continue;
    if (device->IsPluggedIn() && present(device->FPnPInfo.DeviceID)) continue;
    changed = true;
    device->DoUnplug();
    if (it->second.expired()) continue;  // checked in by its unplug handler
    if (auto removal = FRemovalEvent) {
      device->FIsEnumerated.store(true);
      (*removal)(device);
      if (it->second.expired()) continue;
      device->FIsEnumerated.store(false);
    }
    if (!device->IsCheckedOut()) {
      remove(device);
      destroy(device);
    }
  }

  // Arrivals: known plugged-in devices keep their objects, check-out state
  // and read threads; only new identities get a device object.
  for (const platform::HidDeviceInfo& info : fresh) {
    const bool known = std::any_of(FList.begin(), FList.end(), [&](THidDevice* d) {
      return d->IsPluggedIn() && d->FPnPInfo.DeviceID == info.Identity;
    });
    if (known) continue;
    auto* device = new THidDevice(THidPnPInfo{info.Identity, info.Path, info}, this);
    std::string error;
    if (!device->Identify(error)) {
      lastError_ = error;  // skipped, like a device that cannot be identified
      destroy(device);
      continue;
    }
    FList.push_back(device);
    changed = true;
    if (auto arrival = FArrivalEvent) {
      std::weak_ptr<int> alive = device->alive_;
      device->FIsEnumerated.store(true);
      (*arrival)(device);
      if (!alive.expired()) device->FIsEnumerated.store(false);
    }
  }

  recount();
  if (changed) {
    if (auto handler = FDeviceChangeEvent) (*handler)(this);
  }
}

int THidDeviceController::Enumerate() {
  int count = 0;
  for (std::size_t i = 0; i < FList.size(); ++i) {
    THidDevice* device = FList[i];
    if (!device->IsPluggedIn()) continue;
    ++count;
    std::weak_ptr<int> alive = device->alive_;
    device->FIsEnumerated.store(true);
    bool goOn = false;
    if (auto handler = FEnumerateEvent) goOn = (*handler)(device, int(i));
    if (!alive.expired()) {
      device->FIsEnumerated.store(false);
      if (!device->IsCheckedOut()) device->CloseFile();
    }
    if (!goOn) break;
  }
  return count;
}

bool THidDeviceController::checkOutDevice(THidDevice* device) {
  if (!device || device->IsCheckedOut()) return false;
  device->FIsCheckedOut.store(true);
  recount();
  device->StartThread();
  return true;
}

template <typename Pred>
bool THidDeviceController::checkOutFirst(THidDevice*& HidDev, Pred pred) {
  HidDev = nullptr;
  for (THidDevice* device : FList) {
    if (!device->IsPluggedIn() || device->IsCheckedOut() || !pred(device)) continue;
    if (checkOutDevice(device)) {
      HidDev = device;
      return true;
    }
  }
  return false;
}

template <typename Pred>
int THidDeviceController::countPlugged(Pred pred) {
  int n = 0;
  for (THidDevice* device : FList)
    if (device->IsPluggedIn() && pred(device)) ++n;
  return n;
}

bool THidDeviceController::CheckOutByIndex(THidDevice*& HidDev, int Idx) {
  HidDev = nullptr;
  THidDevice* device = Device(Idx);
  if (!checkOutDevice(device)) return false;
  HidDev = device;
  return true;
}

bool THidDeviceController::CheckOut(THidDevice*& HidDev) {
  return checkOutFirst(HidDev, [](THidDevice*) { return true; });
}

bool THidDeviceController::CheckOutByID(THidDevice*& HidDev, int Vid, int Pid) {
  return checkOutFirst(HidDev, [&](THidDevice* d) {
    return d->Attributes().VendorID == Vid && (Pid == -1 || d->Attributes().ProductID == Pid);
  });
}

bool THidDeviceController::CheckOutByProductName(THidDevice*& HidDev, const std::string& ProductName) {
  HidDev = nullptr;
  if (ProductName.empty()) return false;
  return checkOutFirst(HidDev, [&](THidDevice* d) { return d->ProductName() == ProductName; });
}

bool THidDeviceController::CheckOutByVendorName(THidDevice*& HidDev, const std::string& VendorName) {
  HidDev = nullptr;
  if (VendorName.empty()) return false;
  return checkOutFirst(HidDev, [&](THidDevice* d) { return d->VendorName() == VendorName; });
}

bool THidDeviceController::CheckOutByClass(THidDevice*& HidDev, const std::string& ClassName) {
  HidDev = nullptr;
  (void)ClassName;  // hidraw has no device class description to compare
  return false;
}

bool THidDeviceController::CheckOutByCallback(THidDevice*& HidDev, const THidCheckCallback& Check) {
  HidDev = nullptr;
  if (!Check) return false;
  for (std::size_t i = 0; i < FList.size(); ++i) {
    THidDevice* device = FList[i];
    if (!device->IsPluggedIn() || device->IsCheckedOut()) continue;
    std::weak_ptr<int> alive = device->alive_;
    device->FIsEnumerated.store(true);
    const bool take = Check(device);
    if (alive.expired()) continue;
    device->FIsEnumerated.store(false);
    if (take && checkOutDevice(device)) {
      HidDev = device;
      return true;
    }
    if (!device->IsCheckedOut()) device->CloseFile();
  }
  return false;
}

bool THidDeviceController::CheckOutByIdentity(THidDevice*& HidDev, const std::string& DeviceID,
                                              const std::string& DevicePath) {
  return checkOutFirst(HidDev, [&](THidDevice* d) {
    return d->PnPInfo().DeviceID == DeviceID && d->PnPInfo().DevicePath == DevicePath;
  });
}

void THidDeviceController::CheckIn(THidDevice*& HidDev) {
  THidDevice* device = HidDev;
  HidDev = nullptr;
  if (!device) return;
  device->StopThread();
  device->CloseFile();
  if (device->IsPluggedIn()) {
    device->FIsCheckedOut.store(false);
  } else {
    remove(device);
    destroy(device);
  }
  recount();
}

int THidDeviceController::CountByID(int Vid, int Pid) {
  return countPlugged([&](THidDevice* d) {
    return d->Attributes().VendorID == Vid && (Pid == -1 || d->Attributes().ProductID == Pid);
  });
}

int THidDeviceController::CountByProductName(const std::string& ProductName) {
  if (ProductName.empty()) return 0;
  return countPlugged([&](THidDevice* d) { return d->ProductName() == ProductName; });
}

int THidDeviceController::CountByVendorName(const std::string& VendorName) {
  if (VendorName.empty()) return 0;
  return countPlugged([&](THidDevice* d) { return d->VendorName() == VendorName; });
}

int THidDeviceController::CountByClass(const std::string&) { return 0; }

int THidDeviceController::CountByCallback(const THidCheckCallback& Check) {
  if (!Check) return 0;
  int n = 0;
  for (std::size_t i = 0; i < FList.size(); ++i) {
    THidDevice* device = FList[i];
    if (!device->IsPluggedIn()) continue;
    std::weak_ptr<int> alive = device->alive_;
    device->FIsEnumerated.store(true);
    if (Check(device)) ++n;
    if (alive.expired()) continue;
    device->FIsEnumerated.store(false);
    if (!device->IsCheckedOut()) device->CloseFile();
  }
  return n;
}

void THidDeviceController::recount() {
  int in = 0, out = 0, unplugged = 0;
  for (THidDevice* d : FList) {
    if (d->IsCheckedOut()) ++out; else ++in;
    if (!d->IsPluggedIn()) ++unplugged;
  }
  FNumCheckedInDevices = in;
  FNumCheckedOutDevices = out - unplugged;
  FNumUnpluggedDevices = unplugged;
}

void THidDeviceController::remove(THidDevice* device) { std::erase(FList, device); }

void THidDeviceController::destroy(THidDevice* device) { delete device; }

// ---- Handlers ---------------------------------------------------------------

void THidDeviceController::SetOnArrival(THidPlugEvent handler) { FArrivalEvent = share(std::move(handler)); }
void THidDeviceController::SetOnRemoval(THidPlugEvent handler) { FRemovalEvent = share(std::move(handler)); }
void THidDeviceController::SetOnEnumerate(THidEnumerateEvent handler) {
  FEnumerateEvent = share(std::move(handler));
}

void THidDeviceController::SetOnDeviceChange(TNotifyEvent handler) {
  if (!handler && !FDeviceChangeEvent) return;
  FDeviceChangeEvent = share(std::move(handler));
  if (!loading_) DeviceChange();
}

void THidDeviceController::SetOnDeviceData(THidDataEvent handler) {
  auto next = share(std::move(handler));
  if (!next && !FDevDataEvent) return;
  for (THidDevice* d : std::vector<THidDevice*>(FList))
    if (d->FData == FDevDataEvent) d->SetDataEvent(next);
  FDevDataEvent = std::move(next);
}

void THidDeviceController::SetOnDeviceDataError(THidDataErrorEvent handler) {
  auto next = share(std::move(handler));
  if (!next && !FDevDataErrorEvent) return;
  for (THidDevice* d : FList)
    if (d->FDataError == FDevDataErrorEvent) d->FDataError = next;
  FDevDataErrorEvent = std::move(next);
}

void THidDeviceController::SetOnDeviceUnplug(THidPlugEvent handler) {
  auto next = share(std::move(handler));
  if (!next && !FDevUnplugEvent) return;
  for (THidDevice* d : FList)
    if (d->FUnplug == FDevUnplugEvent) d->FUnplug = next;
  FDevUnplugEvent = std::move(next);
}

void THidDeviceController::SetDevThreadSleepTime(int ms) {
  if (ms == FDevThreadSleepTime) return;
  for (THidDevice* d : FList)
    if (d->ThreadSleepTime() == FDevThreadSleepTime) d->SetThreadSleepTime(ms);
  FDevThreadSleepTime = ms;
}

// ---- HID status codes -------------------------------------------------------

std::string THidDeviceController::HidErrorString(std::uint32_t code) {
  if (((code >> 16) & 0xFF) != 0x11 || (code & 0xC0000000u) == 0) return {};
  static const struct {
    std::uint32_t code;
    const char* text;
  } kTexts[] = {
      {0x80110001, "device not plugged in"},
      {0xC0110001, "invalid preparsed data"},
      {0xC0110002, "invalid report type"},
      {0xC0110003, "invalid report length"},
      {0xC0110004, "usage not found"},
      {0xC0110005, "value out of range"},
      {0xC0110006, "bad logical or physical values"},
      {0xC0110007, "buffer too small"},
      {0xC0110008, "internal error"},
      {0xC0110009, "8042 key translation impossible"},
      {0xC011000A, "incompatible report ID"},
      {0xC011000B, "not a value array"},
      {0xC011000C, "is a value array"},
      {0xC011000D, "data index not found"},
      {0xC011000E, "data index out of range"},
      {0xC011000F, "button not pressed"},
      {0xC0110010, "report does not exist"},
      {0xC0110020, "not implemented"},
  };
  for (const auto& t : kTexts)
    if (t.code == code) return std::string("HID Error: ") + t.text;
  char text[40];
  std::snprintf(text, sizeof text, "unknown HID error %x", code);
  return std::string("HID Error: ") + text;
}

std::uint32_t THidDeviceController::HidCheck(std::uint32_t code) {
  if (code != 0x00110000) HidError(code);
  return code;
}

void THidDeviceController::HidError(std::uint32_t code) {
  const std::string text = HidErrorString(code);
  if (!text.empty()) throw EHidClientError(text);
}
