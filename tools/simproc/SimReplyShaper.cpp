#include "simproc/SimReplyShaper.h"

#include <algorithm>

std::vector<SimChunk> SimReplyShaper::Shape(std::vector<Bytes> replies, const SimFaults& faults) {
  std::vector<SimChunk> chunks;
  for (Bytes& reply : replies) {
    held_.push_back(std::move(reply));
    if (static_cast<int>(held_.size()) < std::max(1, faults.RunTogether)) continue;

    Bytes write;
    for (int i = 0; i < faults.GarbageBytes; ++i) {
      // Never 0x10: garbage must not start a frame of its own.
      garbageSeed_ = garbageSeed_ * 1103515245u + 12345u;
      std::uint8_t b = static_cast<std::uint8_t>(garbageSeed_ >> 16);
      write.push_back(b == 0x10 ? 0x11 : b);
    }
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
