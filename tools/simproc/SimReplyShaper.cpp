#include "simproc/SimReplyShaper.h"

#include <algorithm>

namespace {
constexpr std::uint8_t kDle = 0x10;
constexpr std::uint8_t kStx = 0x02;
}  // namespace

std::uint8_t SimReplyShaper::NextRandom() {
  garbageSeed_ = garbageSeed_ * 1103515245u + 12345u;
  return static_cast<std::uint8_t>(garbageSeed_ >> 16);
}

std::uint8_t SimReplyShaper::NoiseByte() {
  std::uint8_t b = NextRandom();
  while (b == kDle || b == kStx) b = NextRandom();
  return b;
}

Bytes SimReplyShaper::Garbage(std::size_t count) {
  Bytes out;
  while (out.size() < count) {
    const std::size_t left = count - out.size();
    const int kind = NextRandom() % 4;
    if (kind == 0 && left >= 2) {
      out.push_back(kDle);  // a DLE that starts nothing
      out.push_back(NoiseByte());
    } else if (kind == 1 && left >= 5) {
      // 10 02 with a length byte of 0: a start the reader gives up at once
      out.insert(out.end(), {kDle, kStx, NoiseByte(), NoiseByte(), 0x00});
    } else if (kind == 2) {
      out.push_back(kDle);  // lone DLE, perhaps right before the reply
    } else {
      out.push_back(NoiseByte());
    }
  }
  return out;
}

std::vector<SimChunk> SimReplyShaper::Shape(std::vector<Bytes> replies, const SimFaults& faults) {
  std::vector<SimChunk> chunks;
  for (Bytes& reply : replies) {
    held_.push_back(std::move(reply));
    if (static_cast<int>(held_.size()) < std::max(1, faults.RunTogether)) continue;

    Bytes write = Garbage(static_cast<std::size_t>(std::max(0, faults.GarbageBytes)));
    for (const Bytes& frame : held_) write.insert(write.end(), frame.begin(), frame.end());
    held_.clear();

    const std::size_t pieces = static_cast<std::size_t>(std::clamp(faults.SplitPieces, 1, 64));
    const std::size_t step = (write.size() + pieces - 1) / pieces;
    for (std::size_t at = 0; at < write.size(); at += step) {
      SimChunk chunk;
      chunk.DelayMs = at == 0 ? std::max(0, faults.DelayMs) : std::max(0, faults.PieceGapMs);
      chunk.Data.assign(write.begin() + static_cast<std::ptrdiff_t>(at),
                        write.begin() + static_cast<std::ptrdiff_t>(std::min(write.size(), at + step)));
      chunks.push_back(std::move(chunk));
    }
  }
  return chunks;
}
