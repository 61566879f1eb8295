// The USB link: the processor as a HID device (vendor 0x0168, product 0x0821).
//
// LUsbProc is the request/reply discipline with the USB profile (128-byte send
// buffer, 5000 ms keep-alive time-out, status 0 at the fifth time-out after
// the last resend, no status of its own otherwise). It does no device I/O: its
// transport LUsb hands every write and resend, on the link's worker, to the
// owner's writer (the main window's WriteUsbFrame), and the owner delivers the
// frame of every input report with DeliverReceived. The link lists "USB W" for
// every write and resend; the owner lists "USB R" for each input report.
//
// LUsbDevice is the owner's side of that: it keeps the one processor device
// checked out of the controller (found by the enumeration, known by its
// identity and path), writes frames to it as output reports, and turns input
// reports into the bytes to deliver. Its lock keeps a check-in on the UI
// thread from destroying the device under a write on the worker.
#pragma once

#include "link/HidControllerClass.h"
#include "link/RequestReplyDiscipline.h"

#include <cstdint>
#include <functional>
#include <mutex>
#include <span>
#include <string>

inline constexpr std::uint16_t kUsbVendorID = 0x0168;
inline constexpr std::uint16_t kUsbProductID = 0x0821;

class LUsb : public LinkTransport {
 public:
  // Writes one frame; false when nothing could be written. stopFd turns
  // readable when the link is closing: a write to a stalled device ends then.
  using Writer = std::function<bool(std::span<const std::uint8_t> frame, int stopFd)>;

  explicit LUsb(Writer writer) : writer_(std::move(writer)) {}
  bool Write(std::span<const std::uint8_t> bytes, int stopFd) override;

 private:
  Writer writer_;
};

class LUsbProc : public RequestReplyDiscipline {
 public:
  static LinkProfile Profile();

  LUsbProc(LinkOwner owner, std::uint8_t pollDeviceId, LUsb::Writer writeUsbFrame);
  ~LUsbProc() override;

  // Starts the worker (UI thread); false when this link was opened before.
  bool Open();

 protected:
  // "USB W 00  10 02 ...": the report ID, two blanks, then the frame.
  std::string TrafficLine(bool write, const Bytes& frame) const override;

 private:
  LUsb::Writer writer_;
};

class LUsbDevice {
 public:
  // The controller must outlive this object, which checks its device in when
  // it goes.
  explicit LUsbDevice(THidDeviceController& controller) : controller_(controller) {}
  ~LUsbDevice();
  LUsbDevice(const LUsbDevice&) = delete;
  LUsbDevice& operator=(const LUsbDevice&) = delete;

  static bool IsProcessor(const THidDevice* device);

  // The enumeration handler's work (UI thread): checks the processor out
  // when no processor is held yet; true when it did. Only one processor is
  // checked out at a time, so a second one cannot feed replies alongside.
  bool Enumerate(THidDevice* HidDev, int Idx);
  // The unplug handler's work (UI thread): checks the device in when it is
  // the held processor; true when it was.
  bool Unplug(THidDevice* HidDev);
  // Checks the held processor in and out again, found by identity and path.
  void Recheckout();
  // Checks the held processor in.
  void Release();

  THidDevice* HidDevice() const;
  int HidDeviceIndex() const;

  // WriteUsbFrame (any thread, the link's worker): report ID 0, the frame,
  // zeros up to the output report length. False when no device is held, the
  // frame does not fit or the write failed; a write to a stalled device
  // gives up when stopFd (-1: none) turns readable.
  bool WriteFrame(std::span<const std::uint8_t> frame, int stopFd = -1);
  std::string LastError() const;

  // The output report for a frame, or empty when it does not fit.
  static Bytes OutputReport(std::span<const std::uint8_t> frame, std::size_t reportLength);
  // The bytes of an input report's data to deliver to the link: the frame
  // it begins with (LEN + 8 bytes), never more than the data hold.
  static std::span<const std::uint8_t> ReplyBytes(const std::uint8_t* Data, std::uint16_t Size);

 private:
  void setDevice(THidDevice* device, int index);

  THidDeviceController& controller_;
  mutable std::mutex lock_;  // held by writes and by every change of device_
  THidDevice* device_ = nullptr;
  int index_ = -1;
  std::string identity_;
  std::string path_;
  std::string lastError_;
};
