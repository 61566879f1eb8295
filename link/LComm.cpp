#include "link/LComm.h"

namespace {

// A frame of at most 1024 bytes takes under 100 ms at 115200 baud; a port
// that takes far longer is stuck, and the frame goes again at the time-out.
constexpr int kWriteTimeoutMs = 1000;

}  // namespace

bool LComm::Open(const std::string& path, int baud, int byteSize, int parity, int stopBits) {
  if (parity < 0 || parity > 2 || (stopBits != 0 && stopBits != 2)) {
    error_ = "unsupported line settings for " + path;
    return false;
  }
  error_.clear();
  return port_.Open(path, baud, byteSize, static_cast<platform::SerialPort::Parity>(parity),
                    stopBits == 2 ? 2 : 1);
}

bool LComm::Write(std::span<const std::uint8_t> bytes, int stopFd) {
  return port_.Write(bytes, kWriteTimeoutMs, stopFd);
}

LinkProfile LCommProc::Profile() {
  LinkProfile profile;
  profile.TrafficTag = "COM";
  profile.SendBufSize = 1024;
  profile.KeepAliveReplyTimeout = 2000;
  profile.FailureTimeouts = 1;
  profile.GraceResends = true;
  profile.RepliesCarryId = true;
  profile.TransportFailedStatus = kLinkPortFailed;
  profile.WaitFailedStatus = kLinkWaitFailed;
  return profile;
}

LCommProc::LCommProc(LinkOwner owner, std::uint8_t pollDeviceId)
    : RequestReplyDiscipline(std::move(owner), Profile(), pollDeviceId) {}

LCommProc::~LCommProc() { Close(); }

bool LCommProc::Open(const std::string& portPath, int baud, int byteSize, int parity, int stopBits) {
  auto port = std::make_unique<LComm>();
  if (!port->Open(portPath, baud, byteSize, parity, stopBits)) {
    error_ = port->LastError();
    return false;
  }
  if (!OpenTransport(std::move(port))) {
    error_ = "the link on " + portPath + " cannot be started";
    return false;
  }
  error_.clear();
  return true;
}
