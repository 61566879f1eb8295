// Filter design of the response arithmetic: the section codes of a channel's
// response plot and their first- and second-order digital designs at the
// sections' 96 kHz rate. Pure arithmetic; every design is returned by value.
#pragma once

#include <optional>

namespace display {

// Section codes (`PlotSection::Type`). Codes 0 and 6 are unused.
namespace PlotFilterType {
inline constexpr int Peak = 1;
inline constexpr int LowShelf = 2;
inline constexpr int HighShelf = 3;
inline constexpr int HighPass2 = 4;
inline constexpr int LowPass2 = 5;
inline constexpr int Allpass1 = 7;
inline constexpr int LowPass1 = 8;
inline constexpr int HighPass1 = 9;
inline constexpr int Flat = 10;
inline constexpr int HighCut1 = 11;   // 1/(1 + a s)
inline constexpr int HighCut2 = 12;   // 1/(1 + a s + s^2)
inline constexpr int HighCut2b = 13;  // 1/(1 + a s + b s^2)
inline constexpr int LowCut1 = 14;    // 1/(1 + a/s)
inline constexpr int LowCut2 = 15;    // 1/(1 + a/s + 1/s^2)
inline constexpr int LowCut2b = 16;   // 1/(1 + a/s + b/s^2)
inline constexpr int Allpass2 = 17;
inline constexpr int BandPass = 18;
inline constexpr int BandStop = 19;
}  // namespace PlotFilterType

// Rate at which every section is designed and evaluated.
inline constexpr double kSectionSampleRate = 96000.0;

// H(z) = (b0 + b1 z^-1 + b2 z^-2) / (a0 + a1 z^-1 + a2 z^-2); a0 is always 1.
struct BiquadCoefficients {
    double b0 = 1.0, b1 = 0.0, b2 = 0.0;
    double a0 = 1.0, a1 = 0.0, a2 = 0.0;
};

// What a design reads: f0 in Hz, gain in dB (peak and shelves; for the shelves
// q is their slope), and the prototype coefficients a and b of the cut sections.
struct SectionDesign {
    int Type = PlotFilterType::Flat;
    double Freq = 1000.0;
    double Gain = 0.0;
    double Q = 0.4;
    float CutA = 0.0f;
    float CutB = 0.0f;
};

// The design of one section; nullopt for a code that has none. Callers keep
// the divisors nonzero (Q, a for code 11, b for code 13) and f0 below 48 kHz.
std::optional<BiquadCoefficients> DesignBiquad(const SectionDesign& design);

// Equaliser band type (0 peak ... 8 band stop) to section code. A type from a
// file or the processor outside that range shows as flat rather than as
// whatever an unknown code would compute.
int PeqTypeToPlotFilterType(int peqType);

}  // namespace display
