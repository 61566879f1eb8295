// The response frequency grid shared by every section, plot and plot axis,
// and the evaluation of one section's magnitude or phase on it.
//
// Point i stands for f(i) = 48000^(i/4096) Hz (1 Hz ... about 47.9 kHz) and is
// evaluated as a digital filter at 96 kHz. Everything that depends on the grid
// alone (frequencies, cos/sin of w and 2w) is computed once; a section then
// costs a few multiply-adds, a division and a logarithm or arc tangent a point.
#pragma once

#include <array>
#include <numbers>
#include <span>

#include "display/FilterDesign.h"

namespace display {

inline constexpr int kResponsePoints = 4096;
inline constexpr double kGridTopFrequency = 48000.0;

// Phase unit of the curves: tens of degrees, so that magnitude (dB) and phase
// share one Y range of +-18.
inline constexpr double PhaseUnitScale = 18.0 / std::numbers::pi;
inline constexpr double PhaseHalfTurn = 18.0;

using ResponseCurve = std::array<double, kResponsePoints>;

struct ResponseGrid {
    ResponseCurve Frequency;  // f(i) in Hz
    ResponseCurve Cos1, Sin1;  // cos(-w), sin(-w), w = pi f(i) / 48000
    ResponseCurve Cos2, Sin2;  // cos(-2w), sin(-2w)

    // Built on first use; read-only afterwards.
    static const ResponseGrid& Get();
};

// Frequency of grid point i.
double GridFrequency(int i);

// Fractional grid index of a frequency: log10(f) / log10(48000) * 4096
// (1000 Hz lies at 2624.94).
double GridX(double frequency);

// 20 log10 |H(e^jw)| at every grid point.
void EvaluateMagnitude(const BiquadCoefficients& c, std::span<double, kResponsePoints> out);

// arctan(Im / Re) of H(e^jw) in phase units at every grid point: a value in
// [-9, 9] before any fold (the quotient's arc tangent, not the two-argument
// form). A point where H is 0/0 reads 0.
void EvaluatePhase(const BiquadCoefficients& c, std::span<double, kResponsePoints> out);

}  // namespace display
