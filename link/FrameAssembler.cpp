#include "link/FrameAssembler.h"

std::vector<Bytes> FrameAssembler::Push(std::span<const std::uint8_t> bytes) {
  std::vector<Bytes> out;
  for (std::uint8_t b : bytes) Take(b, out);
  return out;
}

void FrameAssembler::Take(std::uint8_t byte, std::vector<Bytes>& out) {
  if (partial_.empty() && byte != 0x10) return;
  if (partial_.size() == 1 && byte != 0x02) {
    return;  // the 0x10 stays; a following 0x02 still starts a frame
  }
  partial_.push_back(byte);
  if (partial_.size() < 5) return;
  const std::size_t expected = ExpectedFrameSize(partial_);
  if (expected == 0 || expected > maxFrameSize_) {
    Resync(out);
    return;
  }
  if (partial_.size() < expected) return;
  if (ReadFrame(partial_)) {
    out.push_back(std::move(partial_));
    partial_.clear();
    return;
  }
  Resync(out);
}

void FrameAssembler::Resync(std::vector<Bytes>& out) {
  // Drop the false start and rescan what followed it; the rescan takes fewer
  // bytes than it was given, so this terminates.
  Bytes rest(partial_.begin() + 1, partial_.end());
  partial_.clear();
  for (std::uint8_t b : rest) Take(b, out);
}
