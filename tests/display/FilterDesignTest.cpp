// Every section code against its analog prototype, and the standard audio-EQ
// biquads against their textbook formulas.
#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <numbers>
#include <string>

#include "display/FilterDesign.h"
#include "display/Plot.h"

namespace display {
namespace {

constexpr double kPi = std::numbers::pi;

using Complex = std::complex<double>;

// The analog prototype of each code at s (frequency normalised to f0).
Complex Prototype(int code, Complex s, double gain, double q, double a, double b) {
    const double v = std::pow(10.0, std::fabs(gain) / 20.0), r = std::sqrt(v);
    const bool boost = gain >= 0.0;
    const Complex poles = s * s + s / q + 1.0;
    switch (code) {
    case 1: {
        const Complex wide = s * s + v * s / q + 1.0;
        return boost ? wide / poles : poles / wide;
    }
    case 2: {
        const Complex shelf = s * s + r * s / q + v;
        return boost ? shelf / poles : poles / shelf;
    }
    case 3: {
        const Complex shelf = v * s * s + r * s / q + 1.0;
        return boost ? shelf / poles : poles / shelf;
    }
    case 4: return s * s / poles;
    case 5: return 1.0 / poles;
    case 7: return (1.0 - s) / (1.0 + s);
    case 8: return 1.0 / (1.0 + s);
    case 9: return s / (1.0 + s);
    case 10: return 1.0;
    case 11: return 1.0 / (1.0 + a * s);
    case 12: return 1.0 / (1.0 + a * s + s * s);
    case 13: return 1.0 / (1.0 + a * s + b * s * s);
    case 14: return 1.0 / (1.0 + a / s);
    case 15: return 1.0 / (1.0 + a / s + 1.0 / (s * s));
    case 16: return 1.0 / (1.0 + a / s + b / (s * s));
    case 17: return (s * s - s / q + 1.0) / poles;
    case 18: return (s / q) / poles;
    case 19: return (s * s + 1.0) / poles;
    }
    ADD_FAILURE() << "no prototype for code " << code;
    return 0.0;
}

// Each section's curve, in both modes, is its analog prototype at the
// frequency the bilinear transform (prewarped to f0) maps the grid point to:
// Omega = tan(pi f / 96000) / tan(pi f0 / 96000).
TEST(FilterDesign, EveryCodeFollowsItsAnalogPrototype) {
    struct Case {
        int code;
        double freq, gain, q;
        float a, b;
    } cases[] = {
        {1, 1000, 6, 1.4, 0, 0},      {1, 250, -12, 0.7, 0, 0},      {2, 200, 12, 3, 0, 0},
        {2, 500, -15, 2, 0, 0},       {3, 5000, 15, 2, 0, 0},        {3, 2000, -12, 3, 0, 0},
        {4, 1000, 0, 0.707, 0, 0},    {5, 8000, 0, 3, 0, 0},         {7, 700, 0, 1, 0, 0},
        {8, 3000, 0, 1, 0, 0},        {9, 3000, 0, 1, 0, 0},         {10, 1000, 0, 1, 0, 0},
        {11, 2000, 0, 0.05, 0.756f, 0}, {12, 2000, 0, 0.05, 0.7654f, 0}, {13, 2000, 0, 0.05, 1.3617f, 0.618f},
        {14, 80, 0, 0.05, 0.756f, 0}, {15, 80, 0, 0.05, 0.7654f, 0}, {16, 80, 0, 0.05, 1.3617f, 0.618f},
        {17, 1000, 0, 0.707, 0, 0},   {18, 1000, 0, 2, 0, 0},        {19, 1300, 0, 2, 0, 0},
    };
    for (const Case& c : cases) {
        // Points across the grid, and around f0 where steep shelves turn by
        // more than a quarter turn.
        const int near = static_cast<int>(std::lround(GridX(c.freq)));
        const int points[] = {400, 1200, 2000, 2625, 3250, 4000, near - 40, near, near + 40};
        SCOPED_TRACE("code " + std::to_string(c.code) + " f0 " + std::to_string(c.freq) + " gain " +
                     std::to_string(c.gain));
        PlotSection magnitude, phase;
        phase.PhaseFlag = true;
        magnitude.SetCutFilter(c.gain, c.freq, c.q, c.code, c.a, c.b);
        phase.SetCutFilter(c.gain, c.freq, c.q, c.code, c.a, c.b);
        const double k = std::tan(kPi * c.freq / 96000.0);
        for (int i : points) {
            const double f = std::pow(10.0, i * std::log10(48000.0) / 4096.0);
            const Complex h = Prototype(c.code, Complex(0.0, std::tan(kPi * f / 96000.0) / k), c.gain, c.q, c.a, c.b);
            EXPECT_NEAR(magnitude.Response[i], 20.0 * std::log10(std::abs(h)), 1e-6) << "point " << i;
            // The curve is in tens of degrees within one turn around 0.
            const double radians = phase.Response[i] / PhaseUnitScale;
            EXPECT_LE(std::fabs(phase.Response[i]), PhaseHalfTurn) << "point " << i;
            EXPECT_NEAR(std::remainder(radians - std::arg(h), 2.0 * kPi), 0.0, 1e-6) << "point " << i;
        }
    }
}

// Low pass, high pass, band pass (0 dB peak), band stop and second-order
// allpass are the standard audio-EQ biquads in another form.
TEST(FilterDesign, StandardBiquadsMatchTheTextbookFormulas) {
    const double cases[][2] = {{20, 0.5}, {1000, 0.707}, {15000, 4}, {40000, 1}};
    for (const auto& fq : cases) {
        const double f0 = fq[0], Q = fq[1];
        const double w0 = 2 * kPi * f0 / 96000, cw = std::cos(w0), alpha = std::sin(w0) / (2 * Q);
        const double a0 = 1 + alpha;
        struct Expected {
            int code;
            double b0, b1, b2;
        };
        const Expected expected[] = {
            {PlotFilterType::LowPass2, (1 - cw) / 2, 1 - cw, (1 - cw) / 2},
            {PlotFilterType::HighPass2, (1 + cw) / 2, -(1 + cw), (1 + cw) / 2},
            {PlotFilterType::BandPass, alpha, 0, -alpha},
            {PlotFilterType::BandStop, 1, -2 * cw, 1},
            {PlotFilterType::Allpass2, 1 - alpha, -2 * cw, 1 + alpha},
        };
        for (const Expected& e : expected) {
            SCOPED_TRACE("code " + std::to_string(e.code) + " f0 " + std::to_string(f0) + " Q " + std::to_string(Q));
            const auto c = DesignBiquad({e.code, f0, 0.0, Q, 0.0f, 0.0f});
            ASSERT_TRUE(c.has_value());
            auto near = [](double actual, double want) { EXPECT_NEAR(actual, want, 1e-8 * std::max(std::fabs(want), 1e-3)); };
            near(c->b0, e.b0 / a0);
            near(c->b1, e.b1 / a0);
            near(c->b2, e.b2 / a0);
            near(c->a1, -2 * cw / a0);
            near(c->a2, (1 - alpha) / a0);
        }
    }
}

TEST(FilterDesign, GainOfZeroIsExactlyFlatForPeakAndShelves) {
    for (int code : {PlotFilterType::Peak, PlotFilterType::LowShelf, PlotFilterType::HighShelf}) {
        const auto c = DesignBiquad({code, 3000.0, 0.0, 0.8, 0.0f, 0.0f});
        ASSERT_TRUE(c.has_value());
        EXPECT_EQ(c->b0, 1.0 * c->a0) << code;
        EXPECT_EQ(c->b1, c->a1) << code;
        EXPECT_EQ(c->b2, c->a2) << code;
    }
}

TEST(FilterDesign, CutIsTheExactInverseOfTheBoost) {
    for (int code : {PlotFilterType::Peak, PlotFilterType::LowShelf, PlotFilterType::HighShelf}) {
        PlotSection boost, cut;
        boost.SetFilter(7.5, 1500.0, 0.9, code);
        cut.SetFilter(-7.5, 1500.0, 0.9, code);
        for (int i = 0; i < kResponsePoints; i += 7)
            ASSERT_NEAR(boost.Response[i], -cut.Response[i], 1e-9) << "code " << code << " point " << i;
    }
}

TEST(FilterDesign, CodesWithoutADesign) {
    for (int code : {0, 6, 20, -1})
        EXPECT_FALSE(DesignBiquad({code, 1000.0, 3.0, 1.0, 1.0f, 1.0f}).has_value()) << code;
    // Such a section shows a flat curve, not a previous section's design.
    PlotSection section;
    section.SetFilter(6.0, 1000.0, 1.0, PlotFilterType::Peak);
    section.SetFilter(6.0, 1000.0, 1.0, 6);
    for (double v : section.Response)
        ASSERT_EQ(v, 0.0);
}

TEST(FilterDesign, PeqTypeMapsToSectionCodes) {
    const int expected[] = {1, 2, 3, 5, 4, 7, 17, 18, 19};
    for (int t = 0; t < 9; ++t)
        EXPECT_EQ(PeqTypeToPlotFilterType(t), expected[t]) << t;
    // An unknown type from a file or the processor shows as flat.
    for (int t : {-1, 9, 255, 1 << 20})
        EXPECT_EQ(PeqTypeToPlotFilterType(t), PlotFilterType::Flat) << t;
}

}  // namespace
}  // namespace display
