// The monotonic clock of the instrument controls: repaint throttling, the
// update sweep and input gaps read it, never the wall clock, so setting the
// system time back (end of summer time) freezes nothing. Tests install a fake
// source and move it by hand.
#pragma once

#include <cstdint>
#include <functional>

namespace twclock {

// Milliseconds from an arbitrary fixed start; never goes back.
std::int64_t NowMs();

// Replaces the source (tests); an empty function restores the steady clock.
void SetSource(std::function<std::int64_t()> source);

}  // namespace twclock
