// The Ethernet link. LNetProc is the request/reply discipline with the
// Ethernet profile (128-byte send buffer, 5000 ms keep-alive time-out, status
// 0 at the first time-out after the last resend). It does no socket I/O: the
// sockets belong to the main window, on the UI thread. Its transport LNet
// hands every write and resend, on the link's worker, to the owner's writer
// (the main window's WriteNetFrame), and the owner delivers every TCP read
// with DeliverReceived; the discipline's assembler counts LEN across reads,
// so a read holding half a frame or two frames is handled like serial bytes.
// Traffic lines: "NET W" for every write and resend, "NET R" for every reply
// the assembler completes.
#pragma once

#include "link/RequestReplyDiscipline.h"

#include <functional>
#include <span>

class LNet : public LinkTransport {
 public:
  // Writes one frame; false when nothing could be written.
  using Writer = std::function<bool(std::span<const std::uint8_t> frame)>;

  explicit LNet(Writer writer) : writer_(std::move(writer)) {}
  bool Write(std::span<const std::uint8_t> bytes, int stopFd) override;

 private:
  Writer writer_;
};

class LNetProc : public RequestReplyDiscipline {
 public:
  static LinkProfile Profile();

  LNetProc(LinkOwner owner, std::uint8_t pollDeviceId, LNet::Writer writeNetFrame);
  ~LNetProc() override;

  // Starts the worker (UI thread); false when this link was opened before.
  bool Open();

 private:
  LNet::Writer writer_;
};
