// Hex strings for byte-level tables: "10 02 00 01" <-> bytes.
#pragma once

#include "link/Lcmd.h"

#include <cstdio>
#include <sstream>
#include <string>

inline Bytes Hex(const std::string& text) {
  Bytes out;
  std::istringstream in(text);
  std::string token;
  while (in >> token) out.push_back(static_cast<std::uint8_t>(std::stoul(token, nullptr, 16)));
  return out;
}

inline std::string ToHex(const Bytes& bytes) {
  std::string out;
  char buffer[4];
  for (std::uint8_t b : bytes) {
    std::snprintf(buffer, sizeof buffer, "%02X ", b);
    out += buffer;
  }
  if (!out.empty()) out.pop_back();
  return out;
}
