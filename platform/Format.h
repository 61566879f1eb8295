// Number formatting and parsing in the C locale, whatever the user's locale:
// the processor's texts, the traffic monitor and the value boxes all use '.'.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace platform {

// printf-style formatting in the C locale: FormatC("%4.1f", 12.5) == "12.5".
std::string FormatC(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Parses a whole decimal number (leading and trailing blanks allowed) in the C
// locale; nullopt when anything else remains or the text is empty.
std::optional<double> ParseDoubleC(std::string_view text);
std::optional<long> ParseLongC(std::string_view text, int base = 10);

}  // namespace platform
