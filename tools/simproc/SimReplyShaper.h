// Turns the simulator's reply frames into the writes a faulty line would
// make: replies held back and run together, a delay, garbage bytes ahead,
// each write cut into pieces with pauses between them. Transport-free, so the
// pseudo-terminal and network front-ends share it.
//
// Garbage is line noise a reader must skip: random bytes, DLE (0x10) bytes
// alone or followed by a byte other than 0x02, and false starts 10 02 whose
// length byte is 0. None of it can swallow the reply that follows: 0x02 only
// ever stands in a false start, so a DLE left over still leaves the reply's
// own 10 02 to start the frame.
#pragma once

#include "simproc/SimProcessor.h"

#include <vector>

struct SimChunk {
  int DelayMs = 0;  // pause before writing Bytes
  Bytes Data;
};

class SimReplyShaper {
 public:
  // The writes for these replies under the faults; replies held for
  // RunTogether stay inside the shaper until enough have come.
  std::vector<SimChunk> Shape(std::vector<Bytes> replies, const SimFaults& faults);
  // Replies held back so far.
  std::size_t Held() const { return held_.size(); }

 private:
  std::uint8_t NextRandom();
  std::uint8_t NoiseByte();  // neither 0x10 nor 0x02
  Bytes Garbage(std::size_t count);

  std::vector<Bytes> held_;
  unsigned garbageSeed_ = 0x5A;
};
