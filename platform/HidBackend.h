// The small HID layer under the HID device controller: enumerate HID devices,
// open one, read its report descriptor, write an output report, read input
// reports, and notice devices coming and going.
//
// Two implementations: Linux hidraw with a libudev monitor (HidRaw.cpp,
// NewHidRawBackend) and an in-process fake for tests (HidFake.h). Reports are
// always passed with the report ID in byte 0; a backend whose device does not
// number its reports supplies the ID 0 on input and drops it on output.
//
// Thread use: Enumerate and Open run on the UI thread; a connection is used
// by one thread at a time, except Interrupt, which any thread may call.
// Errors come back as values with a text naming the device; nothing throws.
// Plain C++, no Qt.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace platform {

struct HidDeviceInfo {
  // Stable for as long as the device stays plugged in; a device plugged in
  // again may get a new one.
  std::string Identity;
  std::string Path;  // what Open takes, e.g. /dev/hidraw3
  std::uint16_t VendorID = 0;
  std::uint16_t ProductID = 0;
  std::uint16_t VersionNumber = 0;
  std::string ProductName;   // as the system names the device
  std::string SerialNumber;  // empty when the device has none
};

enum class HidOpen {
  ReadWrite,  // for writing output reports and reading the descriptor
  Query,      // descriptor only; used when read/write access is refused
  Read,       // for the read thread: reading input reports
};

enum class HidIo {
  Ok,
  Timeout,      // nothing arrived in time
  Interrupted,  // Interrupt was called
  Gone,         // the device has been unplugged
  Failed,       // another error; see error and text
};

struct HidIoResult {
  HidIo status = HidIo::Failed;
  std::size_t bytes = 0;  // bytes of the report, ID included
  int error = 0;          // errno of a failure
  std::string text;
};

class HidConnection {
 public:
  virtual ~HidConnection() = default;

  // The raw report descriptor; false with a text when it cannot be read.
  virtual bool ReportDescriptor(std::vector<std::uint8_t>& descriptor, std::string& error) = 0;
  // Writes one output report; report[0] is the report ID. A device that
  // takes no report holds the write for at most about a second (Timeout);
  // the write gives up at once with Interrupted when stopFd (-1: none) turns
  // readable, so a stalled device never holds the writer's owner.
  virtual HidIoResult Write(std::span<const std::uint8_t> report, int stopFd) = 0;
  // Waits up to timeoutMs for one input report and copies it, ID first, into
  // report (cut to its size).
  virtual HidIoResult Read(std::span<std::uint8_t> report, int timeoutMs) = 0;
  // Ends a Read in progress and every later one with Interrupted.
  virtual void Interrupt() = 0;
};

class HidChangeMonitor {
 public:
  virtual ~HidChangeMonitor() = default;
  // A descriptor that turns readable when devices may have changed; -1 when
  // the platform gives no notification (a periodic rescan stands in).
  virtual int Fd() const = 0;
  // Consumes the pending notifications; true when one concerned HID devices.
  virtual bool Drain() = 0;
};

class HidBackend {
 public:
  virtual ~HidBackend() = default;

  // The HID devices present now, in a stable order. error is set (and the
  // list is what could be read) when the device list itself cannot be read.
  virtual std::vector<HidDeviceInfo> Enumerate(std::string& error) = 0;
  virtual std::unique_ptr<HidConnection> Open(const HidDeviceInfo& device, HidOpen mode,
                                              std::string& error) = 0;
  // Null when the backend cannot notify at all.
  virtual std::unique_ptr<HidChangeMonitor> NewMonitor() = 0;
};

// hidraw devices under sysRoot (normally /sys/class/hidraw) whose nodes are
// devRoot/<name> (normally /dev).
std::shared_ptr<HidBackend> NewHidRawBackend(std::string sysRoot = "/sys/class/hidraw",
                                             std::string devRoot = "/dev");

}  // namespace platform
