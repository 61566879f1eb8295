// Values of the dynamics pages without widgets: the ratio scale, the static
// transfer curves of the compressor, gate and AGC plots, and the rules that
// turn a typed value-box text into a control position and a position back
// into the box's text.
//
// Positions are the controls' own: thresholds and the AGC target in half
// decibels, times in milliseconds minus one, ratios 0-15 on the ratio scale,
// matrix levels -280..0 (0.1 dB steps down to -20 dB, 0.5 dB below).
#pragma once

#include <optional>
#include <string>
#include <vector>

// The ratio scale: positions 0-15 meaning 1.0 to 20.0 and "Limit".
extern const char* const RatioTexts[16];
extern const double RatioValues[16];

namespace dynamics {

struct XY {
  double x;
  double y;
};
// The points of each plot channel, index = channel (0 the curve, then markers).
using CurvePoints = std::vector<std::vector<XY>>;

// Compressor: curve (20, T + offset), (T, T), (-100, -100); threshold marker.
CurvePoints CompCurve(int thresholdPosition, int ratioPosition);
// Gate: curve (20, 20), (T, T), (T, -100); threshold marker.
CurvePoints GateCurve(int thresholdPosition);
// AGC, in single precision: four curve points, threshold and target markers.
CurvePoints AgcCurve(int thresholdPosition, int targetPosition, int ratioPosition);

// "1:2.0" ... "1:20.0", "Limit" at 15; empty outside 0-15.
std::string RatioText(int position);

// The members of the typed entry: each accepts its own characters, removes
// its unit suffixes and reads the text its own way.
enum class TypedMember { Threshold, AgcTarget, Time, CompRatio, AgcRatio, MatrixLevel };

// The position a typed text asks for, already within the companion's range
// [min, max]; none when the text is invalid. agcThreshold is the AGC
// threshold fader's position (the lower bound of the AGC target).
std::optional<int> TypedPosition(TypedMember member, const std::string& text, int min, int max,
                                 int agcThreshold = -120);
// The text a value box shows for its companion's position.
std::string TypedText(TypedMember member, int position);

}  // namespace dynamics
