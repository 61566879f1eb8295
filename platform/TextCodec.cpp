#include "platform/TextCodec.h"

#include <iconv.h>

#include <cerrno>
#include <mutex>
#include <vector>

namespace platform {
namespace {

// iconv descriptors are not thread-safe; one pair guarded by one lock is plenty
// for name-sized strings.
struct Converters {
  iconv_t toUtf8 = iconv_open("UTF-8", "GBK");
  iconv_t toGbk = iconv_open("GBK", "UTF-8");
  std::mutex lock;
};

Converters& converters() {
  static Converters c;
  return c;
}

// Converts exactly one character starting at in; returns the bytes it used
// (0 when the input is invalid or incomplete) and appends its output.
std::size_t convertOne(iconv_t cd, const char* in, std::size_t avail, std::size_t maxLen, std::string& out) {
  for (std::size_t len = 1; len <= maxLen && len <= avail; ++len) {
    char buf[8];
    char* src = const_cast<char*>(in);
    std::size_t srcLeft = len;
    char* dst = buf;
    std::size_t dstLeft = sizeof buf;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    if (iconv(cd, &src, &srcLeft, &dst, &dstLeft) != static_cast<std::size_t>(-1) && srcLeft == 0) {
      out.append(buf, dst);
      return len;
    }
    if (errno != EINVAL) return 0;  // EILSEQ: invalid at this length
  }
  return 0;
}

std::size_t utf8Length(unsigned char lead) {
  if (lead < 0x80) return 1;
  if ((lead & 0xE0) == 0xC0) return 2;
  if ((lead & 0xF0) == 0xE0) return 3;
  if ((lead & 0xF8) == 0xF0) return 4;
  return 1;
}

}  // namespace

std::string DeviceToUtf8(const std::uint8_t* bytes, std::size_t size) {
  auto& c = converters();
  std::lock_guard guard(c.lock);
  std::string out;
  const char* p = reinterpret_cast<const char*>(bytes);
  std::size_t i = 0;
  while (i < size && p[i] != '\0') {
    std::size_t used = convertOne(c.toUtf8, p + i, size - i, 2, out);
    if (used == 0) {
      out.push_back('?');
      used = 1;
    }
    i += used;
  }
  return out;
}

std::string DeviceToUtf8(std::string_view bytes) {
  return DeviceToUtf8(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

std::string Utf8ToDeviceString(std::string_view utf8, std::size_t maxBytes) {
  auto& c = converters();
  std::lock_guard guard(c.lock);
  std::string out;
  std::size_t i = 0;
  while (i < utf8.size()) {
    std::size_t len = utf8Length(static_cast<unsigned char>(utf8[i]));
    if (len > utf8.size() - i) len = utf8.size() - i;
    std::string one;
    if (convertOne(c.toGbk, utf8.data() + i, len, len, one) != len) one = "?";
    if (out.size() + one.size() > maxBytes) break;
    out += one;
    i += len;
  }
  return out;
}

std::size_t Utf8ToDevice(std::string_view utf8, std::uint8_t* field, std::size_t fieldSize) {
  std::string bytes = Utf8ToDeviceString(utf8, fieldSize);
  for (std::size_t i = 0; i < bytes.size(); ++i) field[i] = static_cast<std::uint8_t>(bytes[i]);
  return bytes.size();
}

}  // namespace platform
