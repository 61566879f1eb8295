#include "model/Codecs.h"

#include <cmath>

#include "platform/Format.h"
#include "platform/TextCodec.h"

const std::array<double, kQTableSize> kQTable = {
    0.4,  0.42, 0.45, 0.47, 0.5,  0.53, 0.56, 0.59, 0.63, 0.67,   //  0- 9
    0.71, 0.75, 0.79, 0.84, 0.89, 0.94, 1.0,  1.06, 1.12, 1.19,   // 10-19
    1.26, 1.3,  1.4,  1.5,  1.6,  1.7,  1.8,  1.9,  2.0,  2.1,    // 20-29
    2.2,  2.4,  2.5,  2.7,  2.8,  3.0,  3.2,  3.4,  3.6,  3.8,    // 30-39
    4.0,  4.2,  4.5,  4.8,  5.0,  5.3,  5.7,  6.0,  6.3,  6.7,    // 40-49
    7.1,  7.6,  8.0,  8.5,  9.0,  9.5,  10.1, 10.7, 11.3, 12.0,   // 50-59
    12.7, 13.5, 14.0, 15.0, 16.0, 17.0, 18.0, 19.0, 20.0, 21.0,   // 60-69
    23.0, 24.0, 25.0, 27.0, 29.0, 30.0, 32.0, 34.0, 36.0, 38.0,   // 70-79
    40.0, 43.0, 45.0, 48.0, 51.0, 54.0, 57.0, 60.0, 64.0, 68.0,   // 80-89
    72.0, 76.0, 81.0, 85.0, 91.0, 96.0, 102.0, 108.0, 114.0, 121.0, 128.0,  // 90-100
};

namespace {

constexpr double kQStepRatio = 1.0596;
constexpr double kQReference = 128.0;

}  // namespace

int GainToCode(double dB) {
  if (std::isnan(dB)) return kEqGainCodeZero;
  const double tenths = std::trunc(dB * 10.0);
  if (tenths <= kEqGainCodeMin - kEqGainCodeZero) return kEqGainCodeMin;
  if (tenths >= kEqGainCodeMax - kEqGainCodeZero) return kEqGainCodeMax;
  return static_cast<int>(tenths) + kEqGainCodeZero;
}

double CodeToGain(int code) { return (ClampEqGainCode(code) - kEqGainCodeZero) * 0.1; }

int FrequencyToCode(double hz) {
  if (!(hz > 0.0)) return kFrequencyCodeMin;
  const double a = std::log(hz * 0.001) / std::log(kFrequencyStepRatio) + kFrequencyCode1k;
  if (!(a >= kFrequencyCodeMin)) return kFrequencyCodeMin;
  if (a >= kFrequencyCodeMax) return kFrequencyCodeMax;
  int c = static_cast<int>(a);
  if (a - c > 0.5) ++c;  // an exact .5 stays down
  return c > kFrequencyCodeMax ? kFrequencyCodeMax : c;
}

double CodeToFrequency(int code) {
  return 1000.0 * std::pow(kFrequencyStepRatio, static_cast<double>(ClampFrequencyCode(code) - kFrequencyCode1k));
}

int QToCode(double q) {
  if (q == 0.0) return 0;
  if (!(q > 0.0)) return 0;  // negative or NaN
  const double r = std::log(kQReference / q) / std::log(kQStepRatio);
  if (!(r > 0.0)) return kQCodeMax;  // Q at or above 128 (or +inf)
  // Round half up on the value's 15 significant digits, so a ratio that lands
  // a hair below .5 through floating point still counts as .5. A whole number
  // is never bumped.
  const std::string text = platform::FormatC("%.15g", r);
  const double r15 = platform::ParseDoubleC(text).value_or(r);
  double d = std::trunc(r15);
  if (r15 - d >= 0.5) d += 1.0;
  if (d >= kQCodeMax) return 0;
  return kQCodeMax - static_cast<int>(d);
}

double CodeToQ(std::uint8_t code) { return kQTable[static_cast<std::size_t>(ClampQCode(code))]; }

int ClampQCode(int code) { return code < 0 ? 0 : code > kQCodeMax ? kQCodeMax : code; }

int ClampEqGainCode(int code) {
  return code < kEqGainCodeMin ? kEqGainCodeMin : code > kEqGainCodeMax ? kEqGainCodeMax : code;
}

int ClampFrequencyCode(int code) {
  return code < kFrequencyCodeMin ? kFrequencyCodeMin : code > kFrequencyCodeMax ? kFrequencyCodeMax : code;
}

int DelayToSamples(double value, int unit) {
  long double samples;
  const long double v = value;
  switch (unit) {
    case kDelayMilliseconds: samples = v * 48.0L; break;
    case kDelayMetres: samples = v * 48.0L * 1000.0L / 343.5L; break;
    case kDelayFeet: samples = v * 48.0L * 1000.0L / 343.5L * 0.30480370641307L; break;
    default: return 0;
  }
  if (!(samples > 0.0L)) return 0;  // negative, zero or NaN
  if (samples >= kMaxDelaySamples) return kMaxDelaySamples;
  return static_cast<int>(samples);
}

bool IsNumericText(std::string_view text) {
  for (char ch : text) {
    const bool ok = (ch >= '0' && ch <= '9') || ch == '.' || ch == ',' || ch == ' ';
    if (!ok) return false;
  }
  return true;
}

ChannelNameField ChannelNameToDevice(std::string_view utf8) {
  ChannelNameField field{};  // NUL padding
  platform::Utf8ToDevice(utf8, field.data(), field.size());
  return field;
}

PresetNameField PresetNameToDevice(std::string_view utf8) {
  PresetNameField field;
  field.fill(' ');
  platform::Utf8ToDevice(utf8, field.data(), field.size());
  return field;
}

std::string ChannelNameToUtf8(const ChannelNameField& field) {
  return platform::DeviceToUtf8(field.data(), field.size());
}

std::string PresetNameToUtf8(const PresetNameField& field) {
  std::string text = platform::DeviceToUtf8(field.data(), field.size());
  while (!text.empty() && text.back() == ' ') text.pop_back();
  return text;
}
