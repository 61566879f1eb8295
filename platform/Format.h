// Number formatting and parsing in the C locale, whatever the user's locale:
// the processor's texts, the traffic monitor and the value boxes all use '.'.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace platform {

// printf-style formatting in the C locale: FormatC("%4.1f", 12.5) == "12.5".
std::string FormatC(const char* format, ...) __attribute__((format(printf, 1, 2)));

// The widest field width or precision CountConversions accepts: more than a
// control's line of text holds.
inline constexpr int kMaxFormatField = 255;

// The number of conversions of a printf format (flags, width and precision
// allowed, "%%" not counted), or -1 when a conversion letter is not one of
// `letters` or a width or precision exceeds kMaxFormatField: a format from a
// property must neither read an argument of another type nor ask for a text
// of gigabytes, so callers check it before handing it to FormatC.
int CountConversions(std::string_view format, const char* letters);

// Parses a whole decimal number (leading and trailing blanks allowed) in the C
// locale; nullopt when anything else remains or the text is empty.
std::optional<double> ParseDoubleC(std::string_view text);
std::optional<long> ParseLongC(std::string_view text, int base = 10);

}  // namespace platform
