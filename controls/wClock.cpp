#include "controls/wClock.h"

#include <chrono>

namespace twclock {
namespace {
std::function<std::int64_t()>& Source() {
  static std::function<std::int64_t()> source;
  return source;
}
}  // namespace

std::int64_t NowMs() {
  if (Source()) return Source()();
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void SetSource(std::function<std::int64_t()> source) { Source() = std::move(source); }

}  // namespace twclock
