// The one codec for the 8-bit strings of the processor and of the preset files
// (preset and channel names): GBK. Plain C++, no Qt.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

// Decodes a GBK byte field into UTF-8. Decoding stops at the first zero byte
// (or at the end of the field); bytes that are not valid GBK show as '?'.
std::string DeviceToUtf8(const std::uint8_t* bytes, std::size_t size);
std::string DeviceToUtf8(std::string_view bytes);

// Encodes UTF-8 text as GBK into a field of fieldSize bytes and returns the
// number of bytes written. Never writes past the field and never cuts a
// character in half: a character that does not fit ends the text. Characters
// GBK cannot represent become '?'. The rest of the field is left untouched.
std::size_t Utf8ToDevice(std::string_view utf8, std::uint8_t* field, std::size_t fieldSize);

// The GBK bytes of UTF-8 text, cut to at most maxBytes at a character boundary.
std::string Utf8ToDeviceString(std::string_view utf8, std::size_t maxBytes = SIZE_MAX);

}  // namespace platform
