// Every section code against an independent evaluation of its design, and the
// standard audio-EQ biquads against their textbook formulas.
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

struct DesignCase {
    const char* name;
    int code;
    double freq, gain, q;
    float a, b;
};

void PrintTo(const DesignCase& c, std::ostream* os) { *os << c.name; }

// H(e^jw) straight from the coefficients, at the grid's own frequencies.
std::complex<double> Transfer(const BiquadCoefficients& c, int i) {
    const double f = std::pow(10.0, i * std::log10(48000.0) / 4096.0);
    const std::complex<double> z1 = std::polar(1.0, -kPi * f / 48000.0);
    return (c.b0 + c.b1 * z1 + c.b2 * z1 * z1) / (c.a0 + c.a1 * z1 + c.a2 * z1 * z1);
}

// Distance of two phases (tens of degrees) modulo the given period.
double PhaseDistance(double a, double b, double period) {
    const double d = std::fmod(std::fabs(a - b), period);
    return std::min(d, period - d);
}

class SectionResponse : public ::testing::TestWithParam<DesignCase> {};

TEST_P(SectionResponse, MatchesDirectEvaluationOfItsDesign) {
    const DesignCase& c = GetParam();
    PlotSection section;
    section.SetCutFilter(c.gain, c.freq, c.q, c.code, c.a, c.b);
    const auto design = section.DesignBiquad();
    ASSERT_TRUE(design.has_value());
    EXPECT_EQ(design->a0, 1.0);
    const ResponseCurve magnitude = section.Response;

    section.PhaseFlag = true;
    section.ComputeResponse();
    // The folded phase is the true phase for every code but 9, whose design is
    // the high pass negated and which is not folded: its phase is known only
    // modulo half a turn.
    const double period = c.code == PlotFilterType::HighPass1 ? 18.0 : 36.0;

    double worstMagnitude = 0.0, worstPhase = 0.0;
    for (int i = 0; i < kResponsePoints; ++i) {
        const std::complex<double> h = Transfer(*design, i);
        worstMagnitude = std::max(worstMagnitude, std::fabs(magnitude[i] - 20.0 * std::log10(std::abs(h))));
        worstPhase = std::max(worstPhase, PhaseDistance(section.Response[i], std::arg(h) * 18.0 / kPi, period));
        ASSERT_LE(section.Response[i], 18.0) << "point " << i;
        ASSERT_GE(section.Response[i], -18.0) << "point " << i;
    }
    EXPECT_LT(worstMagnitude, 1e-6);
    EXPECT_LT(worstPhase, 1e-6);
}

INSTANTIATE_TEST_SUITE_P(
    EveryCode, SectionResponse,
    ::testing::Values(DesignCase{"PeakBoost", 1, 1000, 6, 1, 0, 0}, DesignCase{"PeakCut", 1, 250, -12, 4, 0, 0},
                      DesignCase{"LowShelfBoost", 2, 200, 9, 0.7, 0, 0},
                      DesignCase{"LowShelfCut", 2, 200, -9, 0.7, 0, 0},
                      DesignCase{"LowShelfSteepBoost", 2, 500, 15, 2, 0, 0},
                      DesignCase{"HighShelfBoost", 3, 5000, 6, 0.5, 0, 0},
                      DesignCase{"HighShelfCut", 3, 5000, -6, 0.5, 0, 0},
                      DesignCase{"HighShelfSteepCut", 3, 2000, -15, 2, 0, 0},
                      DesignCase{"HighPass2", 4, 1000, 0, 0.707, 0, 0}, DesignCase{"LowPass2", 5, 1000, 0, 0.707, 0, 0},
                      DesignCase{"LowPass2HighQ", 5, 8000, 0, 5, 0, 0}, DesignCase{"Allpass1", 7, 700, 0, 1, 0, 0},
                      DesignCase{"LowPass1", 8, 3000, 0, 1, 0, 0}, DesignCase{"HighPass1", 9, 3000, 0, 1, 0, 0},
                      DesignCase{"Flat", 10, 1000, 0, 1, 0, 0}, DesignCase{"HighCut1", 11, 2000, 0, 0.05, 1.0f, 0},
                      DesignCase{"HighCut2", 12, 2000, 0, 0.05, 1.4142f, 0},
                      DesignCase{"HighCut2b", 13, 2000, 0, 0.05, 1.3617f, 0.618f},
                      DesignCase{"LowCut1", 14, 80, 0, 0.05, 1.0f, 0},
                      DesignCase{"LowCut2", 15, 80, 0, 0.05, 0.7654f, 0},
                      DesignCase{"LowCut2b", 16, 80, 0, 0.05, 1.3617f, 0.618f},
                      DesignCase{"Allpass2", 17, 1000, 0, 0.707, 0, 0}, DesignCase{"BandPass", 18, 1000, 0, 2, 0, 0},
                      DesignCase{"BandStop", 19, 1000, 0, 2, 0, 0}),
    [](const auto& info) { return std::string(info.param.name); });

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
