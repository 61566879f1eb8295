// Value codecs: the small integer codes the processor stores for decibels,
// hertz, Q and delay, and the fixed-width device strings of preset and channel
// names. Pure functions without state. Plain C++, no Qt.
//
// Every function that takes a double accepts any double: NaN, infinities and
// values far outside the processor's ranges are clamped before they meet an
// integer conversion, so a stray value from a text box never becomes undefined
// behaviour or a wrapped 16-bit code.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// ---- Equaliser band gain: code = dB * 10 + 120, 0.1 dB per step ----------
inline constexpr int kEqGainCodeMin = 0;    // -12.0 dB
inline constexpr int kEqGainCodeZero = 120; //   0.0 dB
inline constexpr int kEqGainCodeMax = 240;  // +12.0 dB

// Truncates dB * 10 toward zero, then adds 120 (-0.05 dB gives 120). Results
// are limited to 0..240; NaN gives 120.
int GainToCode(double dB);
// A code outside 0..240 (from a file or the processor) reads as its nearer
// end, so every decoded gain is one a band can hold.
double CodeToGain(int code);

// ---- Frequency: f = 1000 * 2^((code - 170) / 30) Hz ------------------------
inline constexpr int kFrequencyCodeMin = 0;    // 19.69 Hz
inline constexpr int kFrequencyCode1k = 170;   // 1 kHz
inline constexpr int kFrequencyCodeMax = 300;  // 20,158.7 Hz
inline constexpr double kFrequencyStepRatio = 1.023373891996775;  // 2^(1/30)

// Rounds to the nearest code, with an exact .5 rounding down. Results are
// limited to 0..300; a frequency that is not above zero (or NaN) gives 0.
int FrequencyToCode(double hz);
// A code outside 0..300 (from a file or the processor) reads as its nearer
// end: 19.7 Hz or 20.16 kHz, never a frequency no curve can be drawn at.
double CodeToFrequency(int code);

// ---- Q: index into a 101-entry table, code 100 is Q 128 --------------------
inline constexpr int kQCodeMax = 100;
inline constexpr std::size_t kQTableSize = 101;
extern const std::array<double, kQTableSize> kQTable;

// 100 - round(ln(128 / q) / ln(1.0596)), rounded half up on 15 significant
// digits. Q 0 gives 0; results are limited to 0..100, so a Q above 128 gives
// 100 and a negative Q or NaN gives 0.
int QToCode(double q);
// The table entry of the code; a code above 100 (from a file or the
// processor) shows as Q 128.
double CodeToQ(std::uint8_t code);

// ---- Codes for display --------------------------------------------------------
// A code that arrived from a file or the processor stays raw in the parameter
// image; these give the value a control may show without indexing past its
// list.
inline constexpr int kPeqTypeCount = 9;  // peak ... band stop
int ClampQCode(int code);
int ClampEqGainCode(int code);     // 0..240
int ClampFrequencyCode(int code);  // 0..300

// ---- Delay ----------------------------------------------------------------------
// The delay display units stored in the image.
enum DelayDisplayUnit : int { kDelayMilliseconds = 0, kDelayMetres = 1, kDelayFeet = 2 };
inline constexpr double kSamplesPerMillisecond = 48.0;
inline constexpr double kSpeedOfSound = 343.5;           // m/s
inline constexpr double kMetresPerFoot = 0.30480370641307;  // 1 / 3.2808

// Samples at 48 kHz for a delay given in the unit, truncated toward zero:
// 1 ms gives 48, 1 m gives 139, 1 ft gives 42, any other unit 0. Negative
// values and NaN give 0; results are limited to kMaxDelaySamples.
inline constexpr int kMaxDelaySamples = 0xFFFF;  // the image keeps 16 bits
int DelayToSamples(double value, int unit);

// True when every character is a decimal digit, '.', ',' or a blank; an empty
// text is numeric. Takes UTF-8: any non-ASCII character makes it false.
bool IsNumericText(std::string_view text);

// ---- Device strings (GBK) ------------------------------------------------------
inline constexpr std::size_t kChannelNameSize = 8;   // NUL-padded
inline constexpr std::size_t kPresetNameSize = 14;   // blank-padded

using ChannelNameField = std::array<std::uint8_t, kChannelNameSize>;
using PresetNameField = std::array<std::uint8_t, kPresetNameSize>;

// UTF-8 text as a device field, cut at a character boundary and padded.
ChannelNameField ChannelNameToDevice(std::string_view utf8);
PresetNameField PresetNameToDevice(std::string_view utf8);
// A device name field as UTF-8: stops at the first zero byte; a preset name's
// padding blanks are removed.
std::string ChannelNameToUtf8(const ChannelNameField& field);
std::string PresetNameToUtf8(const PresetNameField& field);
