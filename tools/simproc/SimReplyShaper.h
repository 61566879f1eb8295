// Turns the simulator's reply frames into the writes a faulty line would
// make: replies held back and run together, a delay, garbage bytes ahead,
// each write cut into pieces with pauses between them. Transport-free, so the
// pseudo-terminal and (later) network front-ends share it.
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
  std::vector<Bytes> held_;
  unsigned garbageSeed_ = 0x5A;
};
