// A recording stand-in for the main window as the parameter image's host.
#pragma once

#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "link/Lcmd.h"
#include "model/UnitControlHost.h"

struct SentCommand {
  LCmd Cmd;
  bool Force = false;
};

class FakeUnitHost : public UnitControlHost {
 public:
  std::uint8_t GetDeviceId() const override { return deviceId; }
  bool IsUpdating() const override { return updating; }
  void SendCommand(const LCmd& cmd, bool force) override { sent.push_back({cmd, force}); }
  void MarkCurveDirty(int channel) override { dirty.push_back(channel); }

  std::uint8_t deviceId = 1;
  bool updating = false;
  std::vector<SentCommand> sent;
  std::vector<int> dirty;
};

// "10 02 00" -> bytes.
inline Bytes Hex(const std::string& text) {
  Bytes out;
  std::istringstream in(text);
  std::string byte;
  while (in >> byte) out.push_back(static_cast<std::uint8_t>(std::stoul(byte, nullptr, 16)));
  return out;
}

inline std::string ToHex(const Bytes& bytes) {
  std::string out;
  static const char* digits = "0123456789ABCDEF";
  for (std::uint8_t b : bytes) {
    if (!out.empty()) out += ' ';
    out += digits[b >> 4];
    out += digits[b & 15];
  }
  return out;
}
