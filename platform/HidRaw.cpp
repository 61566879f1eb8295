// Linux hidraw backend: devices from sysfs, I/O on /dev/hidrawN, change
// notification from a libudev monitor.
#include "platform/HidBackend.h"
#include "platform/HidReportDescriptor.h"

#include <fcntl.h>
#include <libudev.h>
#include <linux/hidraw.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

namespace platform {
namespace {

namespace fs = std::filesystem;

// A report is a few dozen bytes; a device that takes none for this long is
// stuck, and the link writes the frame again at its next time-out.
constexpr int kWriteTimeoutMs = 1000;

std::string errnoText(int error) { return std::strerror(error); }

// hidraw0, hidraw2, hidraw10: by number, so the order does not depend on
// the directory's.
bool byNumber(const std::string& a, const std::string& b) {
  auto number = [](const std::string& s) {
    std::size_t i = s.find_first_of("0123456789");
    return i == std::string::npos ? -1L : std::strtol(s.c_str() + i, nullptr, 10);
  };
  const long na = number(a), nb = number(b);
  return na != nb ? na < nb : a < b;
}

bool readFile(const fs::path& path, std::string& out) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream text;
  text << in.rdbuf();
  out = text.str();
  return true;
}

// HID_ID=0003:00000168:00000821 (bus:vendor:product, hexadecimal).
bool parseUevent(const std::string& text, HidDeviceInfo& info) {
  bool haveId = false;
  std::istringstream lines(text);
  std::string line;
  while (std::getline(lines, line)) {
    if (line.rfind("HID_ID=", 0) == 0) {
      unsigned bus = 0, vendor = 0, product = 0;
      if (std::sscanf(line.c_str() + 7, "%x:%x:%x", &bus, &vendor, &product) == 3 &&
          vendor <= 0xFFFF && product <= 0xFFFF) {
        info.VendorID = std::uint16_t(vendor);
        info.ProductID = std::uint16_t(product);
        haveId = true;
      }
    } else if (line.rfind("HID_NAME=", 0) == 0) {
      info.ProductName = line.substr(9);
    } else if (line.rfind("HID_UNIQ=", 0) == 0) {
      info.SerialNumber = line.substr(9);
    }
  }
  return haveId;
}

class RawConnection : public HidConnection {
 public:
  RawConnection(int fd, std::string path, fs::path sysDescriptor)
      : fd_(fd), path_(std::move(path)), sysDescriptor_(std::move(sysDescriptor)) {
    stop_ = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
  }
  ~RawConnection() override {
    if (fd_ >= 0) ::close(fd_);
    if (stop_ >= 0) ::close(stop_);
  }

  bool Init(std::string& error) {
    if (stop_ < 0) {
      error = "cannot create the stop descriptor for " + path_ + ": " + errnoText(errno);
      return false;
    }
    // Whether input reports carry their ID decides how reads are framed; an
    // unreadable descriptor is taken as unnumbered, the usual case.
    std::vector<std::uint8_t> descriptor;
    std::string ignored;
    if (ReportDescriptor(descriptor, ignored)) {
      const HidDescriptorResult parsed = ParseHidReportDescriptor(descriptor);
      numbered_ = parsed.ok && parsed.lengths.Numbered;
    }
    return true;
  }

  bool ReportDescriptor(std::vector<std::uint8_t>& descriptor, std::string& error) override {
    if (fd_ >= 0) {
      int size = 0;
      if (ioctl(fd_, HIDIOCGRDESCSIZE, &size) == 0) {
        if (size < 0 || size > HID_MAX_DESCRIPTOR_SIZE) {
          error = "report descriptor size " + std::to_string(size) + " of " + path_ + " out of range";
          return false;
        }
        hidraw_report_descriptor raw{};
        raw.size = std::uint32_t(size);
        if (ioctl(fd_, HIDIOCGRDESC, &raw) != 0) {
          error = "cannot read the report descriptor of " + path_ + ": " + errnoText(errno);
          return false;
        }
        descriptor.assign(raw.value, raw.value + size);
        return true;
      }
    }
    // Without the node (query access) sysfs still offers the descriptor.
    std::string bytes;
    if (!readFile(sysDescriptor_, bytes)) {
      error = "cannot read the report descriptor of " + path_;
      return false;
    }
    if (bytes.size() > HID_MAX_DESCRIPTOR_SIZE) {
      error = "report descriptor of " + path_ + " too long";
      return false;
    }
    descriptor.assign(bytes.begin(), bytes.end());
    return true;
  }

  HidIoResult Write(std::span<const std::uint8_t> report, int stopFd) override {
    if (fd_ < 0) return {HidIo::Failed, 0, EBADF, path_ + " is open for queries only"};
    if (report.empty()) return {HidIo::Failed, 0, EINVAL, "empty report for " + path_};
    // The node is non-blocking: a device that takes no report is waited for
    // here, where the stop request is seen.
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::milliseconds(kWriteTimeoutMs);
    for (;;) {
      const ssize_t n = ::write(fd_, report.data(), report.size());
      if (n >= 0) return {HidIo::Ok, std::size_t(n), 0, {}};
      if (errno == EINTR) continue;
      if (errno != EAGAIN) return failure(errno, "cannot write to ");
      const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
      if (left.count() <= 0) return {HidIo::Timeout, 0, ETIMEDOUT, path_ + " takes no report"};
      pollfd fds[2] = {{fd_, POLLOUT, 0}, {stopFd, POLLIN, 0}};
      if (::poll(fds, stopFd >= 0 ? 2 : 1, int(left.count())) < 0 && errno != EINTR) {
        return failure(errno, "cannot wait for ");
      }
      if (stopFd >= 0 && (fds[1].revents & POLLIN)) return {HidIo::Interrupted, 0, 0, {}};
      if ((fds[0].revents & (POLLHUP | POLLERR | POLLNVAL)) && !(fds[0].revents & POLLOUT)) {
        return {HidIo::Gone, 0, ENODEV, path_ + " has gone"};
      }
    }
  }

  HidIoResult Read(std::span<std::uint8_t> report, int timeoutMs) override {
    if (fd_ < 0) return {HidIo::Failed, 0, EBADF, path_ + " is open for queries only"};
    if (report.size() < 2) return {HidIo::Failed, 0, EINVAL, "report buffer too small for " + path_};
    pollfd fds[2] = {{fd_, POLLIN, 0}, {stop_, POLLIN, 0}};
    const int ready = ::poll(fds, 2, timeoutMs);
    if (ready < 0) {
      if (errno == EINTR) return {HidIo::Timeout, 0, 0, {}};
      return failure(errno, "cannot wait for ");
    }
    if (fds[1].revents & POLLIN) return {HidIo::Interrupted, 0, 0, {}};
    if (ready == 0) return {HidIo::Timeout, 0, 0, {}};
    if (fds[0].revents & POLLIN) {
      // Prefer data over a hang-up that comes with it.
      std::span<std::uint8_t> into = numbered_ ? report : report.subspan(1);
      const ssize_t n = ::read(fd_, into.data(), into.size());
      if (n < 0) {
        if (errno == EAGAIN || errno == EINTR) return {HidIo::Timeout, 0, 0, {}};
        return failure(errno, "cannot read from ");
      }
      if (n == 0) return {HidIo::Gone, 0, 0, path_ + " reached its end"};
      if (numbered_) return {HidIo::Ok, std::size_t(n), 0, {}};
      report[0] = 0;
      return {HidIo::Ok, std::size_t(n) + 1, 0, {}};
    }
    if (fds[0].revents & (POLLHUP | POLLERR | POLLNVAL)) {
      return {HidIo::Gone, 0, ENODEV, path_ + " has gone"};
    }
    return {HidIo::Timeout, 0, 0, {}};
  }

  void Interrupt() override {
    const std::uint64_t one = 1;
    if (stop_ >= 0) (void)!::write(stop_, &one, sizeof one);
  }

 private:
  HidIoResult failure(int error, const char* what) const {
    // hidraw answers ENODEV on write and EIO on read once the device is gone.
    const bool gone = error == ENODEV || error == EIO || error == ESHUTDOWN;
    return {gone ? HidIo::Gone : HidIo::Failed, 0, error, what + path_ + ": " + errnoText(error)};
  }

  int fd_;
  int stop_ = -1;
  std::string path_;
  fs::path sysDescriptor_;
  bool numbered_ = false;
};

class UdevMonitor : public HidChangeMonitor {
 public:
  UdevMonitor() {
    udev_ = udev_new();
    if (!udev_) return;
    monitor_ = udev_monitor_new_from_netlink(udev_, "udev");
    if (!monitor_) return;
    if (udev_monitor_filter_add_match_subsystem_devtype(monitor_, "hidraw", nullptr) < 0 ||
        udev_monitor_enable_receiving(monitor_) < 0) {
      udev_monitor_unref(monitor_);
      monitor_ = nullptr;
      return;
    }
    fd_ = udev_monitor_get_fd(monitor_);
    if (fd_ >= 0) ::fcntl(fd_, F_SETFL, ::fcntl(fd_, F_GETFL) | O_NONBLOCK);
  }
  ~UdevMonitor() override {
    if (monitor_) udev_monitor_unref(monitor_);
    if (udev_) udev_unref(udev_);
  }
  int Fd() const override { return fd_; }
  bool Drain() override {
    bool any = false;
    if (!monitor_) return false;
    while (udev_device* device = udev_monitor_receive_device(monitor_)) {
      any = true;
      udev_device_unref(device);
    }
    return any;
  }

 private:
  udev* udev_ = nullptr;
  udev_monitor* monitor_ = nullptr;
  int fd_ = -1;
};

class RawBackend : public HidBackend {
 public:
  RawBackend(std::string sysRoot, std::string devRoot)
      : sysRoot_(std::move(sysRoot)), devRoot_(std::move(devRoot)) {}

  std::vector<HidDeviceInfo> Enumerate(std::string& error) override {
    std::vector<HidDeviceInfo> devices;
    std::error_code ec;
    if (!fs::exists(sysRoot_, ec)) return devices;  // no hidraw driver loaded: no devices
    std::vector<std::string> names;
    for (fs::directory_iterator it(sysRoot_, ec), end; !ec && it != end; it.increment(ec)) {
      names.push_back(it->path().filename().string());
    }
    if (ec) {
      error = "cannot list " + sysRoot_ + ": " + ec.message();
      return devices;
    }
    std::sort(names.begin(), names.end(), byNumber);
    for (const std::string& name : names) {
      const fs::path deviceDir = fs::path(sysRoot_) / name / "device";
      std::string uevent;
      HidDeviceInfo info;
      if (!readFile(deviceDir / "uevent", uevent) || !parseUevent(uevent, info)) continue;
      // The HID device's own sysfs directory: unique among present devices,
      // and a re-plugged device gets a new instance number in it.
      fs::path identity = fs::canonical(deviceDir, ec);
      info.Identity = ec ? deviceDir.string() : identity.string();
      ec.clear();
      info.Path = (fs::path(devRoot_) / name).string();
      devices.push_back(std::move(info));
    }
    return devices;
  }

  std::unique_ptr<HidConnection> Open(const HidDeviceInfo& device, HidOpen mode,
                                      std::string& error) override {
    const std::string name = fs::path(device.Path).filename().string();
    const fs::path sysDescriptor = fs::path(sysRoot_) / name / "device" / "report_descriptor";
    int fd = -1;
    if (mode == HidOpen::Query) {
      std::error_code ec;
      if (!fs::exists(sysDescriptor, ec)) {
        error = "cannot query " + device.Path + ": no report descriptor in sysfs";
        return nullptr;
      }
    } else {
      const int flags = (mode == HidOpen::ReadWrite ? O_RDWR : O_RDONLY) | O_NONBLOCK;
      fd = ::open(device.Path.c_str(), flags | O_CLOEXEC);
      if (fd < 0) {
        const int e = errno;
        error = "cannot open " + device.Path +
                (mode == HidOpen::ReadWrite ? " for reading and writing: " : " for reading: ") +
                errnoText(e);
        if (e == EACCES) error += " (a udev rule has to grant access to the device)";
        return nullptr;
      }
    }
    auto connection = std::make_unique<RawConnection>(fd, device.Path, sysDescriptor);
    if (!connection->Init(error)) return nullptr;
    return connection;
  }

  std::unique_ptr<HidChangeMonitor> NewMonitor() override {
    auto monitor = std::make_unique<UdevMonitor>();
    if (monitor->Fd() < 0) return nullptr;
    return monitor;
  }

 private:
  std::string sysRoot_;
  std::string devRoot_;
};

}  // namespace

std::shared_ptr<HidBackend> NewHidRawBackend(std::string sysRoot, std::string devRoot) {
  return std::make_shared<RawBackend>(std::move(sysRoot), std::move(devRoot));
}

}  // namespace platform
