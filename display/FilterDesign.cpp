#include "display/FilterDesign.h"

#include <cmath>
#include <numbers>

namespace display {

namespace {

// Divides the five free coefficients by d; a0 stays 1.
BiquadCoefficients Normalised(double d, double b0, double b1, double b2, double a1, double a2) {
    return {b0 / d, b1 / d, b2 / d, 1.0, a1 / d, a2 / d};
}

}  // namespace

std::optional<BiquadCoefficients> DesignBiquad(const SectionDesign& s) {
    namespace T = PlotFilterType;
    const double K = std::tan(std::numbers::pi * s.Freq / kSectionSampleRate);
    const double K2 = K * K;
    const double Q = s.Q;
    const bool boost = s.Gain >= 0.0;  // 0 dB takes the boost branch: b == a
    const double V = std::pow(10.0, 0.05 * std::fabs(s.Gain));
    const double R = std::sqrt(V);
    const double a = s.CutA;
    const double b = s.CutB;

    switch (s.Type) {
    case T::Peak:
        if (boost)
            return Normalised(1 + K / Q + K2, 1 + V * K / Q + K2, 2 * (K2 - 1), 1 - V * K / Q + K2,
                              2 * (K2 - 1), 1 - K / Q + K2);
        return Normalised(1 + V * K / Q + K2, 1 + K / Q + K2, 2 * (K2 - 1), 1 - K / Q + K2, 2 * (K2 - 1),
                          1 - V * K / Q + K2);
    case T::LowShelf:
        if (boost)
            return Normalised(1 + K / Q + K2, 1 + R * K / Q + V * K2, 2 * (V * K2 - 1), 1 - R * K / Q + V * K2,
                              2 * (K2 - 1), 1 - K / Q + K2);
        return Normalised(1 + R * K / Q + V * K2, 1 + K / Q + K2, 2 * (K2 - 1), 1 - K / Q + K2,
                          2 * (V * K2 - 1), 1 - R * K / Q + V * K2);
    case T::HighShelf: {
        if (boost)
            return Normalised(1 + K / Q + K2, V + R * K / Q + K2, 2 * (K2 - V), V - R * K / Q + K2,
                              2 * (K2 - 1), 1 - K / Q + K2);
        // The exact inverse of the boost: numerator over d, denominator over d / V.
        const double d = V + R * K / Q + K2;
        const double dv = 1 + K / (R * Q) + K2 / V;
        return BiquadCoefficients{(1 + K / Q + K2) / d, 2 * (K2 - 1) / d, (1 - K / Q + K2) / d, 1.0,
                                  2 * (K2 / V - 1) / dv, (1 - K / (R * Q) + K2 / V) / dv};
    }
    case T::HighPass2:
        return Normalised(1 + K / Q + K2, 1, -2, 1, 2 * (K2 - 1), 1 - K / Q + K2);
    case T::LowPass2:
        return Normalised(1 + K / Q + K2, K2, 2 * K2, K2, 2 * (K2 - 1), 1 - K / Q + K2);
    case T::Allpass1: {
        const double c = (K - 1) / (K + 1);
        return BiquadCoefficients{c, 1.0, 0.0, 1.0, c, 0.0};
    }
    case T::LowPass1:
        return Normalised(1 + K, K, K, 0, K - 1, 0);
    case T::HighPass1:
        return Normalised(1 + K, -1, 1, 0, K - 1, 0);
    case T::Flat:
        return BiquadCoefficients{};
    case T::HighCut1:
        return Normalised(1 + K / a, K / a, K / a, 0, K / a - 1, 0);
    case T::HighCut2:
        return Normalised(1 + a * K + K2, K2, 2 * K2, K2, 2 * (K2 - 1), 1 - a * K + K2);
    case T::HighCut2b:
        return Normalised(1 + (a / b) * K + K2 / b, K2 / b, 2 * K2 / b, K2 / b, 2 * (K2 / b - 1),
                          1 - (a / b) * K + K2 / b);
    case T::LowCut1:
        return Normalised(1 + a * K, 1, -1, 0, a * K - 1, 0);
    case T::LowCut2:
        return Normalised(1 + a * K + K2, 1, -2, 1, 2 * (K2 - 1), 1 - a * K + K2);
    case T::LowCut2b:
        return Normalised(1 + a * K + b * K2, 1, -2, 1, 2 * (b * K2 - 1), 1 - a * K + b * K2);
    case T::Allpass2:
        return Normalised(1 + K / Q + K2, 1 - K / Q + K2, 2 * K2 - 2, 1 + K / Q + K2, 2 * K2 - 2, 1 - K / Q + K2);
    case T::BandPass:
        return Normalised(K + Q + Q * K2, K, 0, -K, 2 * Q * (K2 - 1), Q - K + Q * K2);
    case T::BandStop:
        return Normalised(K + Q + Q * K2, Q * (K2 + 1), 2 * Q * (K2 - 1), Q * (K2 + 1), 2 * Q * (K2 - 1),
                          Q - K + Q * K2);
    default:
        return std::nullopt;
    }
}

int PeqTypeToPlotFilterType(int peqType) {
    namespace T = PlotFilterType;
    switch (peqType) {
    case 0: return T::Peak;
    case 1: return T::LowShelf;
    case 2: return T::HighShelf;
    case 3: return T::LowPass2;   // "Low Pass", a high cut
    case 4: return T::HighPass2;  // "High Pass", a low cut
    case 5: return T::Allpass1;
    case 6: return T::Allpass2;
    case 7: return T::BandPass;
    case 8: return T::BandStop;
    default: return T::Flat;
    }
}

}  // namespace display
