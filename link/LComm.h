// The serial link: LComm is the RS-232 port as a link transport, LCommProc
// the link the main window opens over it (the request/reply discipline with
// the serial profile: 1024-byte send buffer, 2000 ms keep-alive time-out,
// grace resends, statuses 1 and 6 when the port or the wait fails).
//
// Ports are opened by path (see platform::ListSerialPorts), exclusively, at
// 115200 baud 8N1 in raw mode, so bytes 11 13 0D 0A pass unchanged.
#pragma once

#include "link/RequestReplyDiscipline.h"
#include "platform/SerialPort.h"

#include <string>

class LComm : public LinkTransport {
 public:
  // byteSize 5-8; parity 0 none, 1 odd, 2 even; stopBits 0 one, 2 two.
  bool Open(const std::string& path, int baud, int byteSize, int parity, int stopBits);
  int ReadFd() const override { return port_.Fd(); }
  bool ReadAvailable(Bytes& out) override { return port_.ReadAvailable(out); }
  bool Write(std::span<const std::uint8_t> bytes, int stopFd) override;
  void Close() override { port_.Close(); }
  std::string LastError() const override { return error_.empty() ? port_.LastError() : error_; }

 private:
  platform::SerialPort port_;
  std::string error_;
};

class LCommProc : public RequestReplyDiscipline {
 public:
  static LinkProfile Profile();

  LCommProc(LinkOwner owner, std::uint8_t pollDeviceId);
  ~LCommProc() override;

  // Opens the port and starts the link (UI thread). False when the port
  // cannot be opened or configured (LastError tells why) or when this link
  // was opened before.
  bool Open(const std::string& portPath, int baud = 115200, int byteSize = 8, int parity = 0, int stopBits = 0);
  const std::string& LastError() const { return error_; }

  // Further time-outs on which the frame in flight is written again without
  // counting (the page change asks for one).
  void SetGraceResends(int n) { SetGraceResendsImpl(n); }
  int GraceResends() const { return GraceResendsImpl(); }

 private:
  std::string error_;
};
