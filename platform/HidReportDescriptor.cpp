#include "platform/HidReportDescriptor.h"

#include <algorithm>
#include <array>
#include <map>
#include <vector>

namespace platform {
namespace {

// A report may not exceed what the kernel buffers for one report.
constexpr std::uint64_t kMaxReportBits = 4096ull * 8;
constexpr std::size_t kMaxPushDepth = 16;

struct Globals {
  std::uint32_t reportSize = 0;
  std::uint32_t reportCount = 0;
  std::uint8_t reportId = 0;
  std::uint16_t usagePage = 0;
};

enum ReportKind { kInput, kOutput, kFeature, kKinds };

std::uint32_t unsignedValue(std::span<const std::uint8_t> data) {
  std::uint32_t v = 0;
  for (std::size_t i = 0; i < data.size(); ++i) v |= std::uint32_t(data[i]) << (8 * i);
  return v;
}

std::string at(std::size_t offset, const char* what) {
  return std::string(what) + " at byte " + std::to_string(offset);
}

}  // namespace

HidDescriptorResult ParseHidReportDescriptor(std::span<const std::uint8_t> d) {
  HidDescriptorResult result;
  Globals g;
  std::vector<Globals> stack;
  // Bits per report ID and kind.
  std::array<std::map<std::uint8_t, std::uint64_t>, kKinds> bits;
  bool usageSeen = false;
  bool topUsageSet = false;
  std::uint32_t pendingUsage = 0;
  int depth = 0;

  std::size_t i = 0;
  while (i < d.size()) {
    const std::uint8_t prefix = d[i];
    if (prefix == 0xFE) {  // long item: FE size tag data
      if (i + 2 >= d.size()) {
        result.error = at(i, "truncated long item");
        return result;
      }
      const std::size_t size = d[i + 1];
      if (i + 3 + size > d.size()) {
        result.error = at(i, "long item runs past the end");
        return result;
      }
      i += 3 + size;
      continue;
    }
    static constexpr std::size_t kSizes[4] = {0, 1, 2, 4};
    const std::size_t size = kSizes[prefix & 0x03];
    if (i + 1 + size > d.size()) {
      result.error = at(i, "item runs past the end");
      return result;
    }
    const auto data = d.subspan(i + 1, size);
    const std::uint32_t value = unsignedValue(data);
    const std::uint8_t type = (prefix >> 2) & 0x03;
    const std::uint8_t tag = prefix >> 4;

    if (type == 0) {  // main
      int kind = -1;
      if (tag == 0x8) kind = kInput;
      if (tag == 0x9) kind = kOutput;
      if (tag == 0xB) kind = kFeature;
      if (kind >= 0) {
        std::uint64_t& total = bits[kind][g.reportId];
        total += std::uint64_t(g.reportSize) * g.reportCount;
        if (total > kMaxReportBits) {
          result.error = at(i, "report longer than 4096 bytes");
          return result;
        }
      } else if (tag == 0xA) {  // collection
        if (depth == 0 && !topUsageSet && usageSeen) {
          // A 4-byte usage carries its own page in the high half.
          result.lengths.UsagePage = size == 4 ? std::uint16_t(pendingUsage >> 16) : g.usagePage;
          result.lengths.Usage = std::uint16_t(pendingUsage);
          topUsageSet = true;
        }
        ++depth;
      } else if (tag == 0xC) {  // end collection
        if (depth > 0) --depth;
      }
      usageSeen = false;
    } else if (type == 1) {  // global
      switch (tag) {
        case 0x0: g.usagePage = std::uint16_t(value); break;
        case 0x7: g.reportSize = value; break;
        case 0x8:
          if (value == 0 || value > 0xFF) {
            result.error = at(i, "report ID out of range");
            return result;
          }
          g.reportId = std::uint8_t(value);
          result.lengths.Numbered = true;
          break;
        case 0x9: g.reportCount = value; break;
        case 0xA:
          if (stack.size() >= kMaxPushDepth) {
            result.error = at(i, "push nested too deep");
            return result;
          }
          stack.push_back(g);
          break;
        case 0xB:
          if (stack.empty()) {
            result.error = at(i, "pop without push");
            return result;
          }
          g = stack.back();
          stack.pop_back();
          break;
        default: break;
      }
    } else if (type == 2) {  // local
      if (tag == 0x0 && !usageSeen) {
        pendingUsage = value;
        usageSeen = true;
      }
    }
    i += 1 + size;
  }

  auto length = [&](int kind) -> std::uint16_t {
    std::uint64_t most = 0;
    for (const auto& [id, n] : bits[kind]) most = std::max(most, n);
    if (most == 0) return 0;
    return std::uint16_t((most + 7) / 8 + 1);
  };
  result.lengths.InputReportByteLength = length(kInput);
  result.lengths.OutputReportByteLength = length(kOutput);
  result.lengths.FeatureReportByteLength = length(kFeature);
  result.ok = true;
  return result;
}

}  // namespace platform
