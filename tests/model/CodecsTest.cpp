#include "model/Codecs.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(QCodec, EveryTableEntryRoundTrips) {
  for (int code = 0; code <= kQCodeMax; ++code) {
    SCOPED_TRACE(code);
    EXPECT_EQ(QToCode(kQTable[static_cast<std::size_t>(code)]), code);
    EXPECT_EQ(CodeToQ(static_cast<std::uint8_t>(code)), kQTable[static_cast<std::size_t>(code)]);
  }
  EXPECT_EQ(kQTable[0], 0.4);
  EXPECT_EQ(kQTable[16], 1.0);
  EXPECT_EQ(kQTable[44], 5.0);
  EXPECT_EQ(kQTable[100], 128.0);
}

// Q values whose step ratio is a whole number k must give 100 - k: the
// floating ratio often prints as "8" with no decimal point and must not be
// rounded up to the next step.
TEST(QCodec, WholeStepRatiosAreNotBumped) {
  for (int k = 0; k <= kQCodeMax; ++k) {
    SCOPED_TRACE(k);
    EXPECT_EQ(QToCode(128.0 / std::pow(1.0596, k)), kQCodeMax - k);
  }
}

TEST(QCodec, RoundsHalfUp) {
  // Ratio k + 0.5 goes to the next step, just under stays.
  EXPECT_EQ(QToCode(128.0 / std::pow(1.0596, 10.5)), 89);
  EXPECT_EQ(QToCode(128.0 / std::pow(1.0596, 10.49)), 90);
  EXPECT_EQ(QToCode(128.0 / std::pow(1.0596, 10.51)), 89);
}

TEST(QCodec, OutOfRangeInputsStayInTheTable) {
  struct Case { double q; int code; };
  const Case cases[] = {
      {0.0, 0}, {-1.0, 0}, {kNaN, 0}, {-kInf, 0},  // no Q: the lowest code
      {0.01, 0}, {0.3, 0},                         // below the table
      {128.0, 100}, {200.0, 100}, {1e300, 100}, {kInf, 100},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.q);
    EXPECT_EQ(QToCode(c.q), c.code);
  }
  // A raw code from a file or the processor beyond the table shows as Q 128.
  EXPECT_EQ(CodeToQ(101), 128.0);
  EXPECT_EQ(CodeToQ(255), 128.0);
}

TEST(DisplayClamp, QCode) {
  EXPECT_EQ(ClampQCode(-3), 0);
  EXPECT_EQ(ClampQCode(57), 57);
  EXPECT_EQ(ClampQCode(200), 100);
}

TEST(FrequencyCodec, KnownCodes) {
  struct Case { double hz; int code; };
  const Case cases[] = {
      {440.0, 134}, {1000.0, 170}, {20.0, 1}, {20000.0, 300}, {19.686, 0},
      {0.0, 0}, {-50.0, 0}, {kNaN, 0}, {1e-300, 0}, {-kInf, 0},  // nothing above zero
      {25000.0, 300}, {1e300, 300}, {kInf, 300},                  // above the grid
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.hz);
    EXPECT_EQ(FrequencyToCode(c.hz), c.code);
  }
  EXPECT_EQ(CodeToFrequency(170), 1000.0);
  EXPECT_NEAR(CodeToFrequency(0), 19.686, 0.001);
  EXPECT_NEAR(CodeToFrequency(300), 20158.7, 0.05);
}

TEST(FrequencyCodec, EveryCodeRoundTrips) {
  for (int code = kFrequencyCodeMin; code <= kFrequencyCodeMax; ++code) {
    EXPECT_EQ(FrequencyToCode(CodeToFrequency(code)), code) << code;
  }
}

// Exactly half way between two codes rounds down; a hair above rounds up.
TEST(FrequencyCodec, ExactHalfRoundsDown) {
  for (int code : {0, 1, 2, 3}) {
    SCOPED_TRACE(code);
    const double half = 1000.0 * std::pow(kFrequencyStepRatio, code - 170 + 0.5);
    ASSERT_EQ(std::log(half * 0.001) / std::log(kFrequencyStepRatio) + 170, code + 0.5);
    EXPECT_EQ(FrequencyToCode(half), code);
    EXPECT_EQ(FrequencyToCode(half * (1 + 1e-9)), code + 1);
    EXPECT_EQ(FrequencyToCode(half * (1 - 1e-9)), code);
  }
}

TEST(GainCodec, TruncatesTowardZero) {
  struct Case { double dB; int code; };
  const Case cases[] = {
      {0.0, 120}, {-0.05, 120}, {0.05, 120}, {0.15, 121}, {-0.15, 119},
      {12.0, 240}, {-12.0, 0}, {6.5, 185},
      {12.5, 240}, {-30.0, 0}, {1e300, 240}, {-kInf, 0}, {kNaN, 120},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.dB);
    EXPECT_EQ(GainToCode(c.dB), c.code);
  }
  EXPECT_DOUBLE_EQ(CodeToGain(125), 0.5);
  EXPECT_DOUBLE_EQ(CodeToGain(0), -12.0);
  EXPECT_DOUBLE_EQ(CodeToGain(240), 12.0);
}

TEST(DelayCodec, UnitsAndLimits) {
  struct Case { double value; int unit; int samples; };
  const Case cases[] = {
      {1.0, kDelayMilliseconds, 48}, {1.0, kDelayMetres, 139}, {1.0, kDelayFeet, 42},
      {2.5, kDelayMilliseconds, 120}, {0.99, kDelayMetres, 138},
      {1.0, 3, 0}, {1.0, -1, 0},
      {-1.0, kDelayMilliseconds, 0}, {kNaN, kDelayMetres, 0},
      {1e300, kDelayMilliseconds, kMaxDelaySamples}, {kInf, kDelayFeet, kMaxDelaySamples},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.value) + " unit " + std::to_string(c.unit));
    EXPECT_EQ(DelayToSamples(c.value, c.unit), c.samples);
  }
}

TEST(NumericText, OnlyDigitsPointsCommasAndBlanks) {
  struct Case { const char* text; bool numeric; };
  const Case cases[] = {
      {"12,5 ", true}, {"", true}, {"0.25", true}, {" 1 000,5", true},
      {"1e5", false}, {"-3", false}, {"12ms", false}, {"\xEF\xBC\x91", false},  // full-width 1
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(IsNumericText(c.text), c.numeric);
  }
}

TEST(DeviceNames, ChannelNamesAreNulPaddedGbk) {
  EXPECT_EQ(ChannelNameToDevice("In1"), (ChannelNameField{'I', 'n', '1', 0, 0, 0, 0, 0}));
  EXPECT_EQ(ChannelNameToDevice("Microphone"), (ChannelNameField{'M', 'i', 'c', 'r', 'o', 'p', 'h', 'o'}));
  // "话筒" is BB B0 CD B2 in GBK.
  const ChannelNameField chinese = ChannelNameToDevice("\xE8\xAF\x9D\xE7\xAD\x92");
  EXPECT_EQ(chinese, (ChannelNameField{0xBB, 0xB0, 0xCD, 0xB2, 0, 0, 0, 0}));
  EXPECT_EQ(ChannelNameToUtf8(chinese), "\xE8\xAF\x9D\xE7\xAD\x92");
  // A two-byte character that would straddle the end is left out whole.
  const ChannelNameField cut = ChannelNameToDevice("1234567\xE8\xAF\x9D");
  EXPECT_EQ(cut, (ChannelNameField{'1', '2', '3', '4', '5', '6', '7', 0}));
  EXPECT_EQ(ChannelNameToUtf8(cut), "1234567");
}

TEST(DeviceNames, PresetNamesAreBlankPadded) {
  const PresetNameField field = PresetNameToDevice("Hall");
  EXPECT_EQ(std::string(field.begin(), field.end()), "Hall          ");
  EXPECT_EQ(PresetNameToUtf8(field), "Hall");
  EXPECT_EQ(PresetNameToUtf8(PresetNameToDevice("Default Preset")), "Default Preset");
}

}  // namespace
