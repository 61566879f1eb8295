#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "link/HidControllerClass.h"
#include "platform/HidFake.h"
#include "platform/HidReportDescriptor.h"
#include "support/UiFixture.h"

using platform::ParseHidReportDescriptor;

namespace {

struct LengthCase {
  const char* name;
  const char* hex;
  int input, output, feature;
  bool numbered;
};

}  // namespace

TEST(HidReportDescriptor, ProcessorDescriptorGives65And65) {
  const auto r = ParseHidReportDescriptor(platform::ProcessorReportDescriptor());
  ASSERT_TRUE(r.ok) << r.error;
  EXPECT_EQ(r.lengths.InputReportByteLength, 65);
  EXPECT_EQ(r.lengths.OutputReportByteLength, 65);
  EXPECT_EQ(r.lengths.FeatureReportByteLength, 0);
  EXPECT_FALSE(r.lengths.Numbered);
  EXPECT_EQ(r.lengths.UsagePage, 0xFF00);
  EXPECT_EQ(r.lengths.Usage, 1);
}

TEST(HidReportDescriptor, LengthsCountTheReportIdByte) {
  const LengthCase cases[] = {
      {"empty", "", 0, 0, 0, false},
      {"no main item", "75 08 95 40", 0, 0, 0, false},
      // ID 1: 8 input bytes, ID 2: 32 input bytes, ID 1: 16 output bytes.
      {"numbered, longest wins",
       "85 01 75 08 95 08 81 02 85 02 95 20 81 02 85 01 95 10 91 02", 33, 17, 0, true},
      {"bits round up to a byte", "75 01 95 03 81 02 75 05 95 01 81 01", 2, 0, 0, false},
      {"bits round up past a byte", "75 01 95 09 81 02", 3, 0, 0, false},
      {"feature of one 16-bit value", "75 10 95 01 B1 02", 0, 0, 3, false},
      // Push keeps size 8; inside, size 16 adds 2 x 2 bytes; pop brings size 8 back.
      {"push and pop", "75 08 95 02 A4 75 10 81 02 B4 81 02", 7, 0, 0, false},
      {"long item skipped", "FE 02 10 AA BB 75 08 95 04 81 02", 5, 0, 0, false},
      {"4-byte count", "75 08 97 10 00 00 00 91 02", 0, 17, 0, false},
  };
  for (const auto& c : cases) {
    const auto r = ParseHidReportDescriptor(testsupport::Bytes(c.hex));
    ASSERT_TRUE(r.ok) << c.name << ": " << r.error;
    EXPECT_EQ(r.lengths.InputReportByteLength, c.input) << c.name;
    EXPECT_EQ(r.lengths.OutputReportByteLength, c.output) << c.name;
    EXPECT_EQ(r.lengths.FeatureReportByteLength, c.feature) << c.name;
    EXPECT_EQ(r.lengths.Numbered, c.numbered) << c.name;
  }
}

TEST(HidReportDescriptor, MalformedDescriptorsAreRefusedWithTheirOffset) {
  const struct {
    const char* hex;
    const char* error;
  } cases[] = {
      {"75 08 26 FF", "item runs past the end at byte 2"},
      {"75", "item runs past the end at byte 0"},
      {"FE 05 10 AA", "long item runs past the end at byte 0"},
      {"FE 00", "truncated long item at byte 0"},
      {"85 00", "report ID out of range at byte 0"},
      {"B4", "pop without push at byte 0"},
      // 8 bits x 0x7FFFFFFF cannot be a report.
      {"75 08 97 FF FF FF 7F 81 02", "report longer than 4096 bytes at byte 7"},
      {"75 08 96 00 04 81 02 81 02 81 02 81 02 81 02", "report longer than 4096 bytes at byte 13"},
  };
  for (const auto& c : cases) {
    const auto r = ParseHidReportDescriptor(testsupport::Bytes(c.hex));
    EXPECT_FALSE(r.ok) << c.hex;
    EXPECT_EQ(r.error, c.error) << c.hex;
  }
}

TEST(HidErrorString, TextsOfHidStatusCodes) {
  const struct {
    std::uint32_t code;
    const char* text;
  } cases[] = {
      {0x00110000, ""},  // success
      {0xC0120001, ""},  // another facility
      {0x00110001, ""},  // neither top bit set
      {0x80110001, "HID Error: device not plugged in"},
      {0xC0110003, "HID Error: invalid report length"},
      {0xC0110020, "HID Error: not implemented"},
      {0xC0110011, "HID Error: unknown HID error c0110011"},
  };
  for (const auto& c : cases) EXPECT_EQ(THidDeviceController::HidErrorString(c.code), c.text);
  EXPECT_NO_THROW(THidDeviceController::HidCheck(0x00110000));
  EXPECT_THROW(THidDeviceController::HidCheck(0xC0110004), EHidClientError);
}
