// Report lengths from a HID report descriptor.
//
// The lengths count the report-ID byte, as the HID capabilities of the link
// expect: a device that does not number its reports still has a length of its
// largest report plus one (the leading report ID 0). Only the items that size
// reports are interpreted (Report Size, Report Count, Report ID, Push, Pop and
// the Input, Output and Feature main items); the rest are skipped by their
// declared sizes, which are checked against the end of the descriptor.
// Plain C++, no Qt.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace platform {

struct HidReportLengths {
  std::uint16_t InputReportByteLength = 0;
  std::uint16_t OutputReportByteLength = 0;
  std::uint16_t FeatureReportByteLength = 0;
  // Usage page and usage of the first top-level collection.
  std::uint16_t UsagePage = 0;
  std::uint16_t Usage = 0;
  // True when the descriptor declares report IDs; input reports then arrive
  // with their ID in front, otherwise the ID 0 has to be supplied.
  bool Numbered = false;
};

struct HidDescriptorResult {
  bool ok = false;
  HidReportLengths lengths;
  std::string error;  // what was wrong, with the byte offset
};

HidDescriptorResult ParseHidReportDescriptor(std::span<const std::uint8_t> descriptor);

}  // namespace platform
