// In-process fake HID devices for tests, behind the same interface as hidraw.
//
// A test plugs devices in and pulls them out, feeds input reports, and looks
// at what was written. A device may have a responder: every output report
// written to it is passed (without its report ID) to the responder, and each
// reply it returns comes back as input reports of the device's input length
// (report ID 0, zero padding; a reply longer than one report is split).
// Plugging and unplugging notify through the monitor like udev does, unless
// notification is turned off to leave it to a periodic rescan.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "platform/HidBackend.h"

namespace platform {

// A vendor-defined device with unnumbered 64-byte input and output reports,
// as the processor describes itself: lengths 65 and 65 with the report ID.
std::vector<std::uint8_t> ProcessorReportDescriptor();

class HidFakeBackend : public HidBackend {
 public:
  using Responder =
      std::function<std::vector<std::vector<std::uint8_t>>(std::span<const std::uint8_t> data)>;

  struct DeviceSpec {
    std::uint16_t VendorID = 0x0168;
    std::uint16_t ProductID = 0x0821;
    std::string ProductName = "DSP Processor";
    std::vector<std::uint8_t> Descriptor = ProcessorReportDescriptor();
    bool ReadWriteAccess = true;  // false: only query access, like a node without a udev rule
  };

  HidFakeBackend();
  ~HidFakeBackend() override;

  // Plugs a device in; returns its identity, new for every plug.
  std::string Plug(DeviceSpec spec);
  std::string Plug() { return Plug(DeviceSpec{}); }
  // Pulls the device out: its open connections report Gone from then on.
  void Unplug(const std::string& identity);
  void SetResponder(const std::string& identity, Responder responder);
  // Queues an input report (ID first) for every reader of the device.
  void Input(const std::string& identity, std::vector<std::uint8_t> report);
  // Output reports written so far, ID first.
  std::vector<std::vector<std::uint8_t>> Written(const std::string& identity) const;
  // Connections of the device that are still open.
  int OpenConnections(const std::string& identity) const;
  void SetNotify(bool notify);
  // Reads of the device fail with this errno from now on (0: they work).
  void SetReadError(const std::string& identity, int error);
  // A stalled device takes no output report: each write waits until the
  // stall ends, the device is pulled out or the write's stop descriptor
  // turns readable.
  void SetWriteStalled(const std::string& identity, bool stalled);
  // Writes waiting on the stall now.
  int WritesWaiting(const std::string& identity) const;

  std::vector<HidDeviceInfo> Enumerate(std::string& error) override;
  std::unique_ptr<HidConnection> Open(const HidDeviceInfo& device, HidOpen mode,
                                      std::string& error) override;
  std::unique_ptr<HidChangeMonitor> NewMonitor() override;

  struct State;

 private:
  std::shared_ptr<State> state_;
};

}  // namespace platform
