#include "link/Lusb.h"

#include <algorithm>

#include "platform/Format.h"

// ---- LUsb / LUsbProc --------------------------------------------------------

bool LUsb::Write(std::span<const std::uint8_t> bytes, int stopFd) {
  return writer_ && writer_(bytes, stopFd);
}

LinkProfile LUsbProc::Profile() {
  LinkProfile profile;
  profile.TrafficTag = "USB";
  profile.TraceEveryWrite = true;
  profile.TraceReplies = false;  // the owner lists each input report with its report ID
  profile.SendBufSize = 128;
  profile.KeepAliveReplyTimeout = 5000;
  profile.FailureTimeouts = 5;
  profile.GraceResends = false;
  profile.RepliesCarryId = false;  // the window takes the processor's ID from its replies
  profile.TransportFailedStatus = -1;
  profile.WaitFailedStatus = -1;
  return profile;
}

LUsbProc::LUsbProc(LinkOwner owner, std::uint8_t pollDeviceId, LUsb::Writer writeUsbFrame)
    : RequestReplyDiscipline(std::move(owner), Profile(), pollDeviceId), writer_(std::move(writeUsbFrame)) {}

LUsbProc::~LUsbProc() { Close(); }

bool LUsbProc::Open() { return OpenTransport(std::make_unique<LUsb>(writer_)); }

std::string LUsbProc::TrafficLine(bool write, const Bytes& frame) const {
  std::string line = write ? "USB W 00  " : "USB R 00  ";
  for (std::uint8_t b : frame) line += platform::FormatC("%02X ", b);
  return line;
}

// ---- LUsbDevice -------------------------------------------------------------

LUsbDevice::~LUsbDevice() { Release(); }

bool LUsbDevice::IsProcessor(const THidDevice* device) {
  return device && device->Attributes().VendorID == kUsbVendorID &&
         device->Attributes().ProductID == kUsbProductID;
}

bool LUsbDevice::Enumerate(THidDevice* HidDev, int Idx) {
  if (!IsProcessor(HidDev)) return false;
  {
    std::lock_guard guard(lock_);
    // Keep the processor already held: taking another would cut its link.
    if (device_ && device_->IsPluggedIn()) return false;
  }
  THidDevice* device = nullptr;
  if (!controller_.CheckOutByIndex(device, Idx) || device != HidDev) {
    if (device) controller_.CheckIn(device);
    return false;
  }
  setDevice(device, Idx);
  return true;
}

bool LUsbDevice::Unplug(THidDevice* HidDev) {
  if (!IsProcessor(HidDev)) return false;
  std::lock_guard guard(lock_);
  if (HidDev != device_) {
    // A processor this editor does not hold (checked out by someone else).
    return false;
  }
  THidDevice* device = device_;
  device_ = nullptr;
  index_ = -1;
  controller_.CheckIn(device);
  return true;
}

void LUsbDevice::Recheckout() {
  std::lock_guard guard(lock_);
  if (!device_) return;
  THidDevice* device = device_;
  device_ = nullptr;
  index_ = -1;
  controller_.CheckIn(device);
  THidDevice* again = nullptr;
  if (controller_.CheckOutByIdentity(again, identity_, path_)) {
    device_ = again;
    for (int i = 0; i < controller_.Count(); ++i)
      if (controller_.Device(i) == again) index_ = i;
  }
}

void LUsbDevice::Release() {
  std::lock_guard guard(lock_);
  THidDevice* device = device_;
  device_ = nullptr;
  index_ = -1;
  controller_.CheckIn(device);
}

THidDevice* LUsbDevice::HidDevice() const {
  std::lock_guard guard(lock_);
  return device_;
}

int LUsbDevice::HidDeviceIndex() const {
  std::lock_guard guard(lock_);
  return index_;
}

void LUsbDevice::setDevice(THidDevice* device, int index) {
  std::lock_guard guard(lock_);
  device_ = device;
  index_ = index;
  identity_ = device->PnPInfo().DeviceID;
  path_ = device->PnPInfo().DevicePath;
}

bool LUsbDevice::WriteFrame(std::span<const std::uint8_t> frame, int stopFd) {
  std::lock_guard guard(lock_);
  if (!device_) {
    lastError_ = "no USB device checked out";
    return false;
  }
  const std::size_t length = device_->GetCaps().OutputReportByteLength;
  const Bytes report = OutputReport(frame, length);
  if (report.empty()) {
    lastError_ = "frame of " + std::to_string(frame.size()) + " bytes does not fit an output report of " +
                 std::to_string(length);
    return false;
  }
  std::uint32_t written = 0;
  if (!device_->WriteFile(report.data(), std::uint32_t(report.size()), written, stopFd)) {
    lastError_ = device_->LastError();
    return false;
  }
  return true;
}

std::string LUsbDevice::LastError() const {
  std::lock_guard guard(lock_);
  return lastError_;
}

Bytes LUsbDevice::OutputReport(std::span<const std::uint8_t> frame, std::size_t reportLength) {
  if (frame.empty() || frame.size() + 1 > reportLength) return {};
  Bytes report(reportLength, 0);
  std::copy(frame.begin(), frame.end(), report.begin() + 1);
  return report;
}

std::span<const std::uint8_t> LUsbDevice::ReplyBytes(const std::uint8_t* Data, std::uint16_t Size) {
  if (!Data || Size == 0) return {};
  if (Size < 5) return {Data, Size};
  const std::size_t frame = std::size_t(Data[4]) + kFrameOverhead;
  return {Data, std::min<std::size_t>(frame, Size)};
}
