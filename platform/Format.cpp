#include "platform/Format.h"

#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <locale.h>

namespace platform {
namespace {

locale_t cLocale() {
  static locale_t loc = newlocale(LC_ALL_MASK, "C", nullptr);
  return loc;
}

// Runs f with the calling thread switched to the C locale.
template <typename F>
auto inCLocale(F f) {
  locale_t old = uselocale(cLocale());
  auto result = f();
  uselocale(old);
  return result;
}

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string_view trim(std::string_view s) {
  while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
  return s;
}

}  // namespace

std::string FormatC(const char* format, ...) {
  va_list args;
  va_start(args, format);
  std::string out = inCLocale([&] {
    va_list copy;
    va_copy(copy, args);
    int n = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    std::string s(n > 0 ? static_cast<std::size_t>(n) : 0, '\0');
    if (n > 0) std::vsnprintf(s.data(), s.size() + 1, format, args);
    return s;
  });
  va_end(args);
  return out;
}

std::optional<double> ParseDoubleC(std::string_view text) {
  std::string s(trim(text));
  if (s.empty()) return std::nullopt;
  return inCLocale([&]() -> std::optional<double> {
    char* end = nullptr;
    errno = 0;
    double v = std::strtod(s.c_str(), &end);
    if (end != s.c_str() + s.size() || errno == ERANGE) return std::nullopt;
    return v;
  });
}

std::optional<long> ParseLongC(std::string_view text, int base) {
  std::string s(trim(text));
  if (s.empty()) return std::nullopt;
  char* end = nullptr;
  errno = 0;
  long v = std::strtol(s.c_str(), &end, base);
  if (end != s.c_str() + s.size() || errno == ERANGE) return std::nullopt;
  return v;
}

int CountConversions(std::string_view f, const char* letters) {
  // A width or precision is a run of digits; false when it exceeds the limit.
  auto digits = [&f](std::size_t& i) {
    int value = 0;
    for (; i < f.size() && f[i] >= '0' && f[i] <= '9'; ++i) {
      value = value * 10 + (f[i] - '0');
      if (value > kMaxFormatField) return false;
    }
    return true;
  };
  int conversions = 0;
  for (std::size_t i = 0; i < f.size(); ++i) {
    if (f[i] != '%') continue;
    ++i;
    if (i < f.size() && f[i] == '%') continue;
    while (i < f.size() && std::strchr("-+ #0", f[i])) ++i;
    if (!digits(i)) return -1;
    if (i < f.size() && f[i] == '.' && !digits(++i)) return -1;
    if (i >= f.size() || f[i] == '\0' || !std::strchr(letters, f[i])) return -1;
    ++conversions;
  }
  return conversions;
}

}  // namespace platform
