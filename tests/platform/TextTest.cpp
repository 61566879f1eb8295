#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include <unistd.h>

#include "platform/Format.h"
#include "platform/TextCodec.h"
#include "support/UiFixture.h"

using namespace platform;

TEST(TextCodec, NameFieldRoundTripsAndCutsAtCharacterBoundary) {
  // "会议室A" + "B": 3 Chinese characters of 2 bytes each, then 1-byte letters.
  const std::string seven = "会议室A";  // 7 GBK bytes
  std::uint8_t field[8];
  std::memset(field, 0, sizeof field);
  EXPECT_EQ(Utf8ToDevice(seven, field, sizeof field), 7u);
  EXPECT_EQ(DeviceToUtf8(field, sizeof field), seven);

  const std::string nine = "会议室会议";  // 10 GBK bytes: only 4 characters fit in 8... cut to 8
  std::uint8_t small[8];
  std::memset(small, 0xEE, sizeof small);
  EXPECT_EQ(Utf8ToDevice(nine, small, sizeof small), 8u);
  EXPECT_EQ(DeviceToUtf8(small, 8), "会议室会");

  const std::string odd = "AB会议室会";  // 2 + 8 bytes: "会" would straddle byte 8
  std::uint8_t nine_field[9];
  std::memset(nine_field, 0, sizeof nine_field);
  EXPECT_EQ(Utf8ToDevice(odd, nine_field, 9), 8u);
  EXPECT_EQ(DeviceToUtf8(nine_field, 9), "AB会议室");
}

TEST(TextCodec, InvalidBytesShowAsQuestionMark) {
  const std::uint8_t bytes[] = {'O', 'K', 0x81, 0x20, 0xFF, 'x', 0, 'y'};
  EXPECT_EQ(DeviceToUtf8(bytes, sizeof bytes), "OK? ?x");
}

// Switches the process to a German locale (decimal comma), compiling it into a
// private folder when the system has none installed. Compiling takes seconds,
// so a locale compiled by an earlier run is reused; each run compiles into a
// folder of its own and renames it into place, so runs side by side never
// read a half-written one.
static bool UseCommaLocale() {
  if (std::setlocale(LC_ALL, "de_DE.UTF-8")) return true;
  const std::string dir = testsupport::OutputPath("locale");
  setenv("LOCPATH", dir.c_str(), 1);
  if (std::setlocale(LC_ALL, "de_DE.UTF-8")) return true;
  const std::string scratch = dir + "/.de_DE." + std::to_string(::getpid());
  std::filesystem::create_directories(scratch);
  const std::string cmd = "localedef -i de_DE -f UTF-8 " + scratch + "/de_DE.UTF-8 >/dev/null 2>&1";
  const bool made = std::system(cmd.c_str()) == 0;
  std::error_code error;
  if (made) std::filesystem::rename(scratch + "/de_DE.UTF-8", dir + "/de_DE.UTF-8", error);
  std::filesystem::remove_all(scratch, error);
  if (made && std::setlocale(LC_ALL, "de_DE.UTF-8")) return true;
  unsetenv("LOCPATH");
  return false;
}

TEST(Format, UsesCLocaleWhateverTheUserLocale) {
  if (!UseCommaLocale()) GTEST_SKIP() << "no locale with a decimal comma";
  ASSERT_EQ(std::string(std::localeconv()->decimal_point), ",");
  EXPECT_EQ(FormatC("%4.1f", 12.5), "12.5");
  EXPECT_EQ(FormatC("%02X", 0xB), "0B");
  EXPECT_EQ(ParseDoubleC(" 12.5 "), 12.5);
  EXPECT_FALSE(ParseDoubleC("12,5").has_value());
  EXPECT_FALSE(ParseDoubleC("").has_value());
  EXPECT_EQ(ParseLongC("ff", 16), 255);
  std::setlocale(LC_ALL, "C");
  unsetenv("LOCPATH");
}
