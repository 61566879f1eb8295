#include "platform/HidFake.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>

#include "platform/HidReportDescriptor.h"

namespace platform {

std::vector<std::uint8_t> ProcessorReportDescriptor() {
  return {
      0x06, 0x00, 0xFF,  // usage page (vendor defined 0xFF00)
      0x09, 0x01,        // usage 1
      0xA1, 0x01,        // collection (application)
      0x09, 0x02,        //   usage 2
      0x15, 0x00,        //   logical minimum 0
      0x26, 0xFF, 0x00,  //   logical maximum 255
      0x75, 0x08,        //   report size 8
      0x95, 0x40,        //   report count 64
      0x81, 0x02,        //   input (data, variable, absolute)
      0x09, 0x03,        //   usage 3
      0x15, 0x00,        //   logical minimum 0
      0x26, 0xFF, 0x00,  //   logical maximum 255
      0x75, 0x08,        //   report size 8
      0x95, 0x40,        //   report count 64
      0x91, 0x02,        //   output (data, variable, absolute)
      0xC0,              // end collection
  };
}

namespace {

struct Reader {
  std::deque<std::vector<std::uint8_t>> reports;
  bool interrupted = false;
};

struct Device {
  HidDeviceInfo info;
  HidFakeBackend::DeviceSpec spec;
  bool plugged = true;
  HidFakeBackend::Responder responder;
  std::vector<std::vector<std::uint8_t>> written;
  std::vector<std::shared_ptr<Reader>> readers;
  int connections = 0;
  int readError = 0;
  bool writeStalled = false;
  int writesWaiting = 0;
};

}  // namespace

struct HidFakeBackend::State {
  mutable std::mutex lock;
  std::condition_variable_any changed;
  std::vector<std::shared_ptr<Device>> devices;  // plugged in, in the order plugged
  std::vector<int> monitorFds;
  int nextNumber = 1;
  bool notify = true;

  std::shared_ptr<Device> find(const std::string& identity) const {
    for (const auto& d : devices)
      if (d->info.Identity == identity) return d;
    return nullptr;
  }
  void notifyMonitors() {
    if (!notify) return;
    const std::uint64_t one = 1;
    for (int fd : monitorFds) (void)!::write(fd, &one, sizeof one);
  }
  void queueInput(Device& device, std::vector<std::uint8_t> report) {
    for (auto& reader : device.readers) reader->reports.push_back(report);
    changed.notify_all();
  }
};

namespace {

class FakeConnection : public HidConnection {
 public:
  FakeConnection(std::shared_ptr<HidFakeBackend::State> state, std::shared_ptr<Device> device,
                 HidOpen mode)
      : state_(std::move(state)), device_(std::move(device)), mode_(mode) {
    std::lock_guard guard(state_->lock);
    ++device_->connections;
    if (mode_ == HidOpen::Read) {
      reader_ = std::make_shared<Reader>();
      device_->readers.push_back(reader_);
    }
  }
  ~FakeConnection() override {
    std::lock_guard guard(state_->lock);
    --device_->connections;
    std::erase(device_->readers, reader_);
  }

  bool ReportDescriptor(std::vector<std::uint8_t>& descriptor, std::string& error) override {
    std::lock_guard guard(state_->lock);
    if (!device_->plugged) {
      error = device_->info.Path + " has gone";
      return false;
    }
    descriptor = device_->spec.Descriptor;
    return true;
  }

  HidIoResult Write(std::span<const std::uint8_t> report, int stopFd) override {
    HidFakeBackend::Responder responder;
    {
      std::unique_lock guard(state_->lock);
      if (device_->writeStalled) {
        ++device_->writesWaiting;
        while (device_->writeStalled && device_->plugged) {
          guard.unlock();
          pollfd stop = {stopFd, POLLIN, 0};
          const bool stopped = ::poll(&stop, stopFd >= 0 ? 1 : 0, 5) > 0 && (stop.revents & POLLIN);
          guard.lock();
          if (stopped) {
            --device_->writesWaiting;
            return {HidIo::Interrupted, 0, 0, {}};
          }
        }
        --device_->writesWaiting;
      }
      if (!device_->plugged) return {HidIo::Gone, 0, 19, device_->info.Path + " has gone"};
      if (mode_ != HidOpen::ReadWrite) return {HidIo::Failed, 0, 9, device_->info.Path + " not open for writing"};
      if (report.empty()) return {HidIo::Failed, 0, 22, "empty report"};
      device_->written.emplace_back(report.begin(), report.end());
      responder = device_->responder;
    }
    if (responder) {
      const auto replies = responder(report.subspan(1));
      std::lock_guard guard(state_->lock);
      if (device_->plugged) {
        const HidDescriptorResult parsed = ParseHidReportDescriptor(device_->spec.Descriptor);
        const std::size_t dataSize =
            parsed.ok && parsed.lengths.InputReportByteLength > 1 ? parsed.lengths.InputReportByteLength - 1 : 64;
        for (const auto& reply : replies) {
          for (std::size_t at = 0; at < reply.size(); at += dataSize) {
            std::vector<std::uint8_t> input(dataSize + 1, 0);
            const std::size_t n = std::min(dataSize, reply.size() - at);
            std::copy_n(reply.begin() + std::ptrdiff_t(at), n, input.begin() + 1);
            state_->queueInput(*device_, std::move(input));
          }
        }
      }
    }
    return {HidIo::Ok, report.size(), 0, {}};
  }

  HidIoResult Read(std::span<std::uint8_t> report, int timeoutMs) override {
    if (!reader_) return {HidIo::Failed, 0, 9, device_->info.Path + " not open for reading"};
    std::unique_lock guard(state_->lock);
    state_->changed.wait_for(guard, std::chrono::milliseconds(timeoutMs), [&] {
      return reader_->interrupted || !reader_->reports.empty() || !device_->plugged || device_->readError;
    });
    if (reader_->interrupted) return {HidIo::Interrupted, 0, 0, {}};
    if (device_->readError) return {HidIo::Failed, 0, device_->readError, device_->info.Path + " read failed"};
    if (!reader_->reports.empty()) {
      const auto next = std::move(reader_->reports.front());
      reader_->reports.pop_front();
      const std::size_t n = std::min(next.size(), report.size());
      std::copy_n(next.begin(), n, report.begin());
      return {HidIo::Ok, n, 0, {}};
    }
    if (!device_->plugged) return {HidIo::Gone, 0, 19, device_->info.Path + " has gone"};
    return {HidIo::Timeout, 0, 0, {}};
  }

  void Interrupt() override {
    std::lock_guard guard(state_->lock);
    if (reader_) reader_->interrupted = true;
    state_->changed.notify_all();
  }

 private:
  std::shared_ptr<HidFakeBackend::State> state_;
  std::shared_ptr<Device> device_;
  HidOpen mode_;
  std::shared_ptr<Reader> reader_;
};

class FakeMonitor : public HidChangeMonitor {
 public:
  explicit FakeMonitor(std::shared_ptr<HidFakeBackend::State> state) : state_(std::move(state)) {
    fd_ = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    std::lock_guard guard(state_->lock);
    state_->monitorFds.push_back(fd_);
  }
  ~FakeMonitor() override {
    {
      std::lock_guard guard(state_->lock);
      std::erase(state_->monitorFds, fd_);
    }
    if (fd_ >= 0) ::close(fd_);
  }
  int Fd() const override { return fd_; }
  bool Drain() override {
    std::uint64_t count = 0;
    return ::read(fd_, &count, sizeof count) == sizeof count && count > 0;
  }

 private:
  std::shared_ptr<HidFakeBackend::State> state_;
  int fd_;
};

}  // namespace

HidFakeBackend::HidFakeBackend() : state_(std::make_shared<State>()) {}
HidFakeBackend::~HidFakeBackend() = default;

std::string HidFakeBackend::Plug(DeviceSpec spec) {
  std::lock_guard guard(state_->lock);
  auto device = std::make_shared<Device>();
  const int number = state_->nextNumber++;
  device->info.Identity = "fake:" + std::to_string(number);
  device->info.Path = "/dev/fakehid" + std::to_string(number);
  device->info.VendorID = spec.VendorID;
  device->info.ProductID = spec.ProductID;
  device->info.ProductName = spec.ProductName;
  device->spec = std::move(spec);
  state_->devices.push_back(device);
  state_->notifyMonitors();
  return device->info.Identity;
}

void HidFakeBackend::Unplug(const std::string& identity) {
  std::lock_guard guard(state_->lock);
  auto device = state_->find(identity);
  if (!device) return;
  device->plugged = false;
  std::erase(state_->devices, device);
  state_->changed.notify_all();
  state_->notifyMonitors();
}

void HidFakeBackend::SetResponder(const std::string& identity, Responder responder) {
  std::lock_guard guard(state_->lock);
  if (auto device = state_->find(identity)) device->responder = std::move(responder);
}

void HidFakeBackend::Input(const std::string& identity, std::vector<std::uint8_t> report) {
  std::lock_guard guard(state_->lock);
  if (auto device = state_->find(identity)) state_->queueInput(*device, std::move(report));
}

std::vector<std::vector<std::uint8_t>> HidFakeBackend::Written(const std::string& identity) const {
  std::lock_guard guard(state_->lock);
  auto device = state_->find(identity);
  return device ? device->written : std::vector<std::vector<std::uint8_t>>{};
}

int HidFakeBackend::OpenConnections(const std::string& identity) const {
  std::lock_guard guard(state_->lock);
  auto device = state_->find(identity);
  return device ? device->connections : 0;
}

void HidFakeBackend::SetReadError(const std::string& identity, int error) {
  std::lock_guard guard(state_->lock);
  if (auto device = state_->find(identity)) device->readError = error;
  state_->changed.notify_all();
}

void HidFakeBackend::SetWriteStalled(const std::string& identity, bool stalled) {
  std::lock_guard guard(state_->lock);
  if (auto device = state_->find(identity)) device->writeStalled = stalled;
}

int HidFakeBackend::WritesWaiting(const std::string& identity) const {
  std::lock_guard guard(state_->lock);
  auto device = state_->find(identity);
  return device ? device->writesWaiting : 0;
}

void HidFakeBackend::SetNotify(bool notify) {
  std::lock_guard guard(state_->lock);
  state_->notify = notify;
}

std::vector<HidDeviceInfo> HidFakeBackend::Enumerate(std::string&) {
  std::lock_guard guard(state_->lock);
  std::vector<HidDeviceInfo> list;
  for (const auto& d : state_->devices) list.push_back(d->info);
  return list;
}

std::unique_ptr<HidConnection> HidFakeBackend::Open(const HidDeviceInfo& info, HidOpen mode,
                                                    std::string& error) {
  std::shared_ptr<Device> device;
  {
    std::lock_guard guard(state_->lock);
    device = state_->find(info.Identity);
    if (!device) {
      error = "cannot open " + info.Path + ": no such device";
      return nullptr;
    }
    if (mode != HidOpen::Query && !device->spec.ReadWriteAccess) {
      error = "cannot open " + info.Path + ": permission denied";
      return nullptr;
    }
  }
  return std::make_unique<FakeConnection>(state_, device, mode);
}

std::unique_ptr<HidChangeMonitor> HidFakeBackend::NewMonitor() {
  return std::make_unique<FakeMonitor>(state_);
}

}  // namespace platform
