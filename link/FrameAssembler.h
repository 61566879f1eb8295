// Assembles device frames from a byte stream by counting LEN.
//
// Bytes before a 10 02 start are dropped. A start whose LEN is 0 or would make
// the frame larger than the link can hold, or a counted frame without 10 03
// right after its payload, is not a frame: the assembler discards it and
// looks for the next 10 02 among the bytes it had taken, so one damaged
// length byte costs one frame, not the frames that follow it.
#pragma once

#include "link/Lcmd.h"

#include <cstddef>
#include <span>
#include <vector>

class FrameAssembler {
 public:
  explicit FrameAssembler(std::size_t maxFrameSize = kMaxFrameSize) : maxFrameSize_(maxFrameSize) {}

  // Feeds bytes in order and returns the frames they completed, oldest first.
  std::vector<Bytes> Push(std::span<const std::uint8_t> bytes);

  void Clear() { partial_.clear(); }
  // Bytes of the frame being assembled.
  std::size_t PendingSize() const { return partial_.size(); }

 private:
  // Takes one byte; a frame it completes is moved into out.
  void Take(std::uint8_t byte, std::vector<Bytes>& out);
  void Resync(std::vector<Bytes>& out);

  std::size_t maxFrameSize_;
  Bytes partial_;
};
