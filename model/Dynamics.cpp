#include "model/Dynamics.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

#include "platform/Format.h"

const char* const RatioTexts[16] = {"1.0", "1.1", "1.3", "1.5", "1.7", "2.0", "2.5",  "3.0",
                                    "3.5", "4.0", "5.0", "6.0", "8.0", "10.0", "20.0", "Limit"};
const double RatioValues[16] = {1.0, 1.1, 1.3, 1.5, 1.7, 2.0, 2.5, 3.0, 3.5, 4.0, 5.0, 6.0, 8.0, 10.0, 20.0, 20.1};

namespace dynamics {

namespace {

constexpr int kLimit = 15;

std::vector<XY> Marker(double level) { return {{level + 0.2, level - 0.4}}; }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A number as the boxes read it: leading blanks, an optional sign, digits, an
// optional point and digits; reading stops at the first other character.
// None when no digit is read.
struct Number {
  bool negative = false;
  std::string integer;   // digits before the point
  std::string fraction;  // digits after it
  double Value() const {
    const std::string s = (integer.empty() ? std::string("0") : integer) + (fraction.empty() ? "" : "." + fraction);
    double v = 0;
    std::from_chars(s.data(), s.data() + s.size(), v);
    return negative ? -v : v;
  }
};

std::optional<Number> ReadNumber(const std::string& text) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  Number n;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) n.negative = text[i++] == '-';
  while (i < text.size() && IsDigit(text[i])) n.integer += text[i++];
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && IsDigit(text[i])) n.fraction += text[i++];
  }
  if (n.integer.empty() && n.fraction.empty()) return std::nullopt;
  return n;
}

std::string DropSuffixes(std::string text, const char* const (&suffixes)[4]) {
  for (const char* s : suffixes)
    if (text.find(s) != std::string::npos) text.erase(text.size() >= 2 ? text.size() - 2 : 0);
  return text;
}

const char* const kDb[4] = {"dB", "DB", "db", "Db"};
const char* const kMs[4] = {"ms", "Ms", "mS", "MS"};

bool OnlyFrom(const std::string& text, const char* accepted) {
  return std::all_of(text.begin(), text.end(),
                     [&](char c) { return IsDigit(c) || std::string_view(accepted).find(c) != std::string_view::npos; });
}

// The checks of the signed members (threshold, AGC target, matrix level),
// with the texts that have no defined result rejected as well.
bool SignedTextValid(const std::string& text, bool lowFractionNeedsInteger) {
  if (text.empty() || text == "-" || text == ".") return false;
  if (!OnlyFrom(text, ".,-+ ")) return false;
  if (std::count(text.begin(), text.end(), '.') > 1 || std::count(text.begin(), text.end(), '-') > 1) return false;
  if (text.back() == '.') return false;
  const std::size_t point = text.find('.');
  if (point != std::string::npos) {
    if (!IsDigit(text[point + 1])) return false;
    const bool digitBefore = point > 0 && IsDigit(text[point - 1]);
    if (lowFractionNeedsInteger && !digitBefore && text[point + 1] <= '4') return false;
  }
  return true;
}

std::optional<int> HalfDb(const std::string& text, TypedMember member, int min, int max, int agcThreshold) {
  if (!SignedTextValid(text, true)) return std::nullopt;
  const auto n = ReadNumber(text);
  if (!n) return std::nullopt;
  double x = n->Value();
  if (member == TypedMember::Threshold) {
    x = std::clamp(x, -90.0, 20.0);
  } else {
    if (x > 0) x = 0;
    if (x < agcThreshold / 2.0) x = agcThreshold / 2.0;
  }
  return std::clamp(static_cast<int>(std::trunc(2 * x)), min, max);
}

std::optional<int> Time(const std::string& text, int min, int max) {
  if (text.empty() || !OnlyFrom(text, ".,  ")) return std::nullopt;
  const auto n = ReadNumber(text);
  if (!n || n->integer.empty()) return std::nullopt;
  // Saturate long digit strings; anything past Max + 1 is Max + 1.
  long long v = 0;
  for (char c : n->integer) v = std::min<long long>(v * 10 + (c - '0'), std::numeric_limits<int>::max());
  if (v <= min + 1LL) v = min + 1LL;
  if (v >= max + 1LL) v = max + 1LL;
  return static_cast<int>(v - 1);
}

std::optional<int> Ratio(const std::string& text, const char* accepted, int min, int max) {
  if (text.empty() || text == ":" || text == ".") return std::nullopt;
  if (!OnlyFrom(text, accepted)) return std::nullopt;
  const auto colons = std::count(text.begin(), text.end(), ':');
  if (std::count(text.begin(), text.end(), '.') > 1 || colons > 1) return std::nullopt;
  if (colons == 1 && text[0] != '1') return std::nullopt;
  if (text.back() == '.') return std::nullopt;
  const auto n = ReadNumber(colons == 1 ? text.substr(std::min<std::size_t>(2, text.size())) : text);
  if (!n) return std::nullopt;
  const double x = n->Value();
  int q = kLimit;
  for (int i = 0; i < 16; ++i) {
    if (RatioValues[i] >= x) {
      q = i;
      break;
    }
  }
  return std::clamp(q, min, max);
}

// Worked on the characters: the text is cut one character behind the point,
// below -20 dB the tenth goes to 0 or 5 toward zero.
std::optional<int> MatrixLevel(const std::string& text, int min, int max) {
  if (!SignedTextValid(text, false)) return std::nullopt;
  auto n = ReadNumber(text);
  if (!n) return std::nullopt;
  if (n->fraction.size() > 1) n->fraction.resize(1);
  long long whole = 0;
  for (char c : n->integer) whole = std::min<long long>(whole * 10 + (c - '0'), 1000000);
  int tenth = n->fraction.empty() ? 0 : n->fraction[0] - '0';
  long long t = whole * 10 + tenth;
  if (n->negative) t = -t;
  if (t < -200) {
    tenth = tenth < 5 ? 0 : 5;
    t = -(whole * 10 + tenth);
  }
  t = std::clamp<long long>(t, -600, 0);
  const long long q = t >= -200 ? t : (t + 200) / 5 - 200;
  return std::clamp(static_cast<int>(q), min, max);
}

}  // namespace

CurvePoints CompCurve(int thresholdPosition, int ratioPosition) {
  const double t = thresholdPosition / 2.0;
  const double offset =
      ratioPosition == kLimit || ratioPosition < 0 || ratioPosition > kLimit ? 0 : (20 - t) / RatioValues[ratioPosition];
  return {{{20, t + offset}, {t, t}, {-100, -100}}, Marker(t)};
}

CurvePoints GateCurve(int thresholdPosition) {
  const double t = thresholdPosition / 2.0;
  return {{{20, 20}, {t, t}, {t, -100}}, Marker(t)};
}

CurvePoints AgcCurve(int thresholdPosition, int targetPosition, int ratioPosition) {
  const float t = thresholdPosition / 2.0f;
  const float g = targetPosition / 2.0f;
  float b = 0, c = g - t;
  if (ratioPosition >= 0 && ratioPosition < kLimit) {
    const float r = static_cast<float>(RatioValues[ratioPosition]);
    b = (20 - t) / r;
    c = (1 - 1 / r) * (g - t);
  }
  auto f = [](float v) { return static_cast<double>(v); };
  return {{{20, f(t + b + c)}, {f(t), f(t + c)}, {f(t), f(t)}, {-100, -100}},
          {{f(t + 0.2f), f(t - 0.4f)}},
          {{f(g + 0.2f), f(g - 0.4f)}}};
}

std::string RatioText(int position) {
  if (position == kLimit) return "Limit";
  if (position < 0 || position > kLimit) return {};
  return std::string("1:") + RatioTexts[position];
}

std::optional<int> TypedPosition(TypedMember member, const std::string& typed, int min, int max, int agcThreshold) {
  const std::string text = DropSuffixes(typed, member == TypedMember::Time ? kMs : kDb);
  switch (member) {
    case TypedMember::Threshold:
    case TypedMember::AgcTarget: return HalfDb(text, member, min, max, agcThreshold);
    case TypedMember::Time: return Time(text, min, max);
    case TypedMember::CompRatio: return Ratio(text, ":., ", min, max);
    case TypedMember::AgcRatio: return Ratio(text, ":.", min, max);
    case TypedMember::MatrixLevel: return MatrixLevel(text, min, max);
  }
  return std::nullopt;
}

std::string TypedText(TypedMember member, int p) {
  switch (member) {
    case TypedMember::Threshold: return platform::FormatC(p >= 0 ? "+%1.1fdB" : "%1.1fdB", p / 2.0);
    case TypedMember::AgcTarget: return platform::FormatC("%1.1f", p / 2.0);
    case TypedMember::Time: return platform::FormatC("%dms", p + 1);
    case TypedMember::CompRatio:
    case TypedMember::AgcRatio: return RatioText(p);
    case TypedMember::MatrixLevel: {
      if (p >= 0) return platform::FormatC("+%1.1fdB", p / 10.0);
      const double m = p >= -200 ? -p / 10.0 : 20 + (-p - 200) / 2.0;
      return platform::FormatC("-%1.1fdB", m);
    }
  }
  return {};
}

}  // namespace dynamics
