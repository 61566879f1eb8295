// The 27 sections of a plot, their curves on the grid and the total curve.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "display/FrequencyResponse.h"
#include "display/Plot.h"
#include "display/ResponsePlotModel.h"

namespace display {
namespace {

TEST(ResponseGrid, PointsAndPositions) {
    const ResponseGrid& g = ResponseGrid::Get();
    EXPECT_EQ(g.Frequency[0], 1.0);
    EXPECT_NEAR(g.Frequency[4095], 47874.0, 1.0);
    EXPECT_NEAR(GridX(1000.0), 2624.94, 0.005);
    EXPECT_NEAR(g.Frequency[2625], 1000.0, 0.2);  // the point nearest 1 kHz
    EXPECT_NEAR(GridX(g.Frequency[1234]), 1234.0, 1e-9);
}

TEST(Plot, NewPlotIsExactlyFlatInBothModes) {
    Plot plot(nullptr);
    for (std::uint8_t mode : {0, 1}) {
        plot.SetPhaseMode(mode);
        for (auto& s : plot.Sections) {
            EXPECT_EQ(s->Type, PlotFilterType::HighShelf);
            s->ComputeResponse();
        }
        plot.DrawSum(0);
        for (int s = 0; s < Plot::SectionCount; ++s)
            for (int i = 0; i < kResponsePoints; ++i)
                ASSERT_EQ(plot.Sections[s]->Response[i], 0.0) << "mode " << int(mode) << " section " << s << " point " << i;
    }
}

TEST(Plot, PeakOfSixDecibelsAtOneKilohertz) {
    PlotSection boost, cut;
    boost.SetFilter(6.0, 1000.0, 1.0, PlotFilterType::Peak);
    cut.SetFilter(-6.0, 1000.0, 1.0, PlotFilterType::Peak);
    EXPECT_NEAR(boost.Response[2625], 6.0, 1e-6);
    EXPECT_NEAR(boost.Response[0], 0.0, 1e-3);
    EXPECT_NEAR(boost.Response[4095], 0.0, 0.05);
    for (int i = 0; i < kResponsePoints; ++i)
        ASSERT_NEAR(cut.Response[i], -boost.Response[i], 1e-9) << i;
}

TEST(Plot, ShelvesReachTheirGainAtTheirOwnEnd) {
    PlotSection low, high;
    low.SetFilter(6.0, 1000.0, 0.7, PlotFilterType::LowShelf);
    high.SetFilter(6.0, 1000.0, 0.7, PlotFilterType::HighShelf);
    EXPECT_NEAR(low.Response[0], 6.0, 1e-3);
    EXPECT_NEAR(low.Response[4095], 0.0, 1e-3);
    EXPECT_NEAR(high.Response[0], 0.0, 1e-3);
    EXPECT_NEAR(high.Response[4095], 6.0, 1e-3);
}

TEST(Plot, SecondOrderPassesInBothModes) {
    const int atF0 = static_cast<int>(std::lround(GridX(1000.0)));
    PlotSection hp, lp;
    hp.SetFilter(0.0, 1000.0, 0.707, PlotFilterType::HighPass2);
    lp.SetFilter(0.0, 1000.0, 0.707, PlotFilterType::LowPass2);
    EXPECT_NEAR(hp.Response[0], -120.0, 0.1);  // 12 dB an octave, ten octaves down
    EXPECT_NEAR(hp.Response[4095], 0.0, 0.01);

    hp.PhaseFlag = lp.PhaseFlag = true;
    hp.ComputeResponse();
    lp.ComputeResponse();
    for (int i = 0; i < kResponsePoints; ++i) {
        ASSERT_GE(hp.Response[i], 0.0);
        ASSERT_LE(hp.Response[i], 18.0);
        ASSERT_NEAR(lp.Response[i], hp.Response[i] - 18.0, 1e-9) << i;  // mirror
    }
    EXPECT_NEAR(hp.Response[0], 18.0, 0.01);
    EXPECT_NEAR(hp.Response[atF0], 9.0, 0.01);
}

TEST(Plot, AllpassPhaseTurnsOverAtItsFrequency) {
    PlotSection ap;
    ap.PhaseFlag = true;
    ap.SetFilter(0.0, 1000.0, 0.707, PlotFilterType::Allpass2);
    const int firstAbove = static_cast<int>(std::floor(GridX(1000.0))) + 1;
    EXPECT_NEAR(ap.Response[0], 0.0, 0.05);
    EXPECT_NEAR(ap.Response[firstAbove - 1], -18.0, 0.1);
    EXPECT_NEAR(ap.Response[firstAbove], 18.0, 0.1);
    EXPECT_NEAR(ap.Response[4095], 0.0, 0.5);
    for (int i = 1; i < kResponsePoints; ++i) {
        if (i != firstAbove) {
            ASSERT_LE(ap.Response[i], ap.Response[i - 1] + 1e-12) << i;  // falls everywhere else
        }
    }
}

TEST(Plot, BandPassAndBandStopAtTheirFrequency) {
    PlotSection bp, bs;
    const double f0 = ResponseGrid::Get().Frequency[2625];
    bp.SetFilter(0.0, f0, 2.0, PlotFilterType::BandPass);
    bs.SetFilter(0.0, f0, 2.0, PlotFilterType::BandStop);
    EXPECT_NEAR(bp.Response[2625], 0.0, 1e-9);
    EXPECT_LT(bs.Response[2625], -60.0);
}

TEST(Plot, PhaseSumWrapsFullyIntoTheChart) {
    const double cases[][2] = {{25, -11}, {40, 4}, {-20, 16}, {18, 18}, {-18, -18}, {0, 0},
                               {100, -8}, {-100, 8}, {54, 18}, {-54, -18}, {90.5, 18.5 - 36}};
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(WrapPhaseSum(c[0]), c[1]) << c[0];
}

// A steep low cut (five second-order scratch sections summed into section 10,
// as the cut cascade does) and low allpass bands sum far beyond two turns.
TEST(Plot, SteepCutSumStaysOnTheChart) {
    Plot plot(nullptr);
    plot.SetPhaseMode(1);
    for (auto& s : plot.Sections)
        s->ComputeResponse();
    ResponseCurve& lowCut = plot.Sections[10]->Response;
    lowCut.fill(0.0);
    for (int s = 13; s <= 17; ++s) {
        plot.Sections[s]->SetCutFilter(0.0, 300.0, 0.05, PlotFilterType::LowCut2, 0.6f, 0.0f);
        for (int i = 0; i < kResponsePoints; ++i)
            lowCut[i] += plot.Sections[s]->Response[i];
    }
    for (int band = 0; band < 4; ++band)
        plot.Sections[band]->SetFilter(0.0, 2.0, 0.707, PlotFilterType::Allpass2);

    ResponseCurve raw{};
    for (int s = 0; s < 12; ++s)
        for (int i = 0; i < kResponsePoints; ++i)
            raw[i] += plot.Sections[s]->Response[i];
    double highest = 0.0;
    for (double v : raw)
        highest = std::max(highest, v);
    ASSERT_GT(highest, 90.0) << "the case must need more than two corrections";

    plot.DrawSum(0);
    for (int i = 0; i < kResponsePoints; ++i) {
        const double v = plot.Sections[12]->Response[i];
        ASSERT_LE(v, 18.0) << i;
        ASSERT_GE(v, -18.0) << i;
        const double turns = (raw[i] - v) / 36.0;
        ASSERT_NEAR(turns, std::round(turns), 1e-9) << i;
    }
}

TEST(Plot, DrawSumSumsTheTwelveSectionsAndDrawsKey12) {
    ResponsePlotModel model;
    model.SetYAutoScale(false);
    model.SetXAutoScale(false);
    Plot plot(&model);
    plot.Sections[0]->SetFilter(6.0, 1000.0, 1.0, PlotFilterType::Peak);
    plot.Sections[11]->SetFilter(0.0, 5000.0, 0.707, PlotFilterType::LowPass2);
    plot.Sections[12]->SetFilter(9.0, 100.0, 1.0, PlotFilterType::Peak);  // overwritten by the sum
    plot.Sections[20]->SetFilter(9.0, 100.0, 1.0, PlotFilterType::Peak);  // overlays take no part
    plot.DrawSum(3);

    const TPlotListMember* sum = model.PlotList().Find(12);
    ASSERT_NE(sum, nullptr);
    EXPECT_EQ(sum->PlotColor, Rgb(0, 0, 128));
    ASSERT_EQ(sum->NumPoints(), kResponsePoints);
    for (int i = 0; i < kResponsePoints; i += 5) {
        const double want = plot.Sections[0]->Response[i] + plot.Sections[11]->Response[i];
        ASSERT_EQ(plot.Sections[12]->Response[i], want) << i;
        ASSERT_EQ(sum->YValues[i], want);
        ASSERT_EQ(sum->XValues[i], i);
    }
}

TEST(Plot, ChannelColours) {
    EXPECT_EQ(ChannelCurveColour(0), Rgb(128, 0, 0));
    EXPECT_EQ(ChannelCurveColour(6), Rgb(58, 110, 165));
    EXPECT_EQ(ChannelCurveColour(15), Rgb(255, 251, 240));
    // The effect channel gets a defined colour of its own, as does anything
    // else beyond the table.
    const TColor effect = ChannelCurveColour(18);
    for (int c = 0; c < kChannelCurveColours; ++c)
        EXPECT_NE(ChannelCurveColour(c), effect);
    EXPECT_EQ(ChannelCurveColour(-1), effect);
    EXPECT_EQ(ChannelCurveColour(16), effect);
    EXPECT_EQ(BandHandleColours[0], Rgb(255, 0, 0));
    EXPECT_EQ(BandHandleColours[13], Rgb(0, 0, 128));
    EXPECT_EQ(BandHandleColours[14 + 10], Rgb(255, 251, 240));
}

TEST(Plot, SectionsAreDrawnByKeyAndRemoved) {
    ResponsePlotModel model;
    Plot plot(&model);
    plot.DrawSection(5, Rgb(1, 2, 3));
    plot.DrawSection(5, Rgb(9, 9, 9));  // a replaced curve keeps its first colour
    plot.DrawSection(27, Rgb(9, 9, 9));
    plot.DrawSection(-1, Rgb(9, 9, 9));
    ASSERT_EQ(model.PlotList().Members().size(), 1u);
    EXPECT_EQ(model.PlotList().Find(5)->PlotColor, Rgb(1, 2, 3));
    plot.RemoveCurve(5);
    EXPECT_TRUE(model.PlotList().Empty());
}

TEST(Plot, SetPhaseModeOnlyFlagsTheSections) {
    Plot plot(nullptr);
    plot.Sections[0]->SetFilter(6.0, 1000.0, 1.0, PlotFilterType::Peak);
    const double before = plot.Sections[0]->Response[2625];
    plot.SetPhaseMode(1);
    EXPECT_EQ(plot.PhaseMode, 1);
    for (auto& s : plot.Sections)
        EXPECT_TRUE(s->PhaseFlag);
    EXPECT_EQ(plot.Sections[0]->Response[2625], before);
}

// Coefficients that make the fast path's input degenerate fall back to the
// library functions: a zero numerator is minus infinity, its phase (0/0)
// reads 0.
TEST(FrequencyResponse, DegenerateTransfersFallBack) {
    ResponseCurve out{};
    EvaluateMagnitude({0, 0, 0, 1, 0, 0}, out);
    EXPECT_EQ(out[100], -std::numeric_limits<double>::infinity());
    EvaluatePhase({0, 0, 0, 1, 0, 0}, out);
    EXPECT_EQ(out[100], 0.0);
    EvaluatePhase({0, 1, 0, 1, 0, 0}, out);  // z^-1: a pure delay, phase -w
    EXPECT_NEAR(out[4000], -ResponseGrid::Get().Frequency[4000] / 48000.0 * 180.0 / 10.0 + 18.0, 1e-9);
}

// The fast logarithm and arc tangent against the library over a wide sweep.
TEST(FrequencyResponse, FastPathMatchesTheLibraryFunctions) {
    // A first-order section b0 = g gives 20 log10 g exactly: sweep g.
    ResponseCurve out{};
    for (double g = 1e-150; g < 1e150; g *= 7.3) {
        EvaluateMagnitude({g, 0, 0, 1, 0, 0}, out);
        ASSERT_NEAR(out[0], 20.0 * std::log10(g), 1e-11 * std::max(1.0, std::fabs(20.0 * std::log10(g)))) << g;
    }
    // H = (1 + j t)-like phase through b1: sweep the quotient across all three
    // ranges of the arc tangent.
    const ResponseGrid& grid = ResponseGrid::Get();
    for (double t : {1e-9, 0.1, 0.4, 0.66, 0.7, 1.0, 2.4, 2.5, 10.0, 1e6}) {
        for (double sign : {1.0, -1.0}) {
            // N = 1 + b1 e^-jw, D = 1: pick b1 so that Im/Re at point 3000 is sign*t.
            const double c = grid.Cos1[3000], s = grid.Sin1[3000];
            const double b1 = sign * t / (s - sign * t * c);
            EvaluatePhase({1, b1, 0, 1, 0, 0}, out);
            ASSERT_NEAR(out[3000], std::atan(sign * t) * PhaseUnitScale, 1e-12) << sign * t;
        }
    }
}

}  // namespace
}  // namespace display

namespace display {
namespace {

// Records what a plot hands the control for its handles and band display.
struct RecordingOverlays : PlotOverlayTarget {
    struct Block { double y, x; TColor colour; int index; bool hidden; int kind; };
    struct Param { int index; double frequency, gain, q; int type; };
    std::vector<Block> blocks;
    std::vector<Param> params;
    std::vector<std::string> calls;
    double paramGain = 0, paramX = 0, paramQ = 0;
    float paramFrequency = 0;
    int paramKind = -1;
    TColor paramColour = 0;
    const double* fill = nullptr;
    int fillCount = 0;
    bool display = false;
    void DrawBlock(double y, double x, TColor colour, int index, bool hidden, int kind) override {
        blocks.push_back({y, x, colour, index, hidden, kind});
        calls.push_back("block");
    }
    int SetBlockParameter(int index, double frequency, double gain, double q, int type) override {
        params.push_back({index, frequency, gain, q, type});
        calls.push_back("parameter");
        return 0;
    }
    void DrawParam(int kind, double gain, double x, float frequency, double q, TColor colour) override {
        paramKind = kind, paramGain = gain, paramX = x, paramFrequency = frequency, paramQ = q, paramColour = colour;
        calls.push_back("param");
    }
    void DrawCurveFill(int, const double* values, int count) override {
        fill = values, fillCount = count;
        calls.push_back("fill");
    }
    bool SetCurveDisplay(bool value) override {
        display = value;
        calls.push_back(value ? "on" : "off");
        return true;
    }
};

TEST(PlotHandles, HandleAndBandDisplayGoToTheControl) {
    ResponsePlotModel model;
    RecordingOverlays overlays;
    model.SetOverlayTarget(&overlays);
    Plot plot(&model);
    plot.Sections[3]->SetFilter(4.5, 1000.0, 2.0, PlotFilterType::Peak);
    plot.DrawHandle(3, 4.5f, 1);
    ASSERT_EQ(overlays.blocks.size(), 1u);
    EXPECT_NEAR(overlays.blocks[0].x, 2624.94, 0.005);
    EXPECT_EQ(overlays.blocks[0].y, 4.5);
    EXPECT_EQ(overlays.blocks[0].colour, Rgb(0, 255, 255));
    EXPECT_EQ(overlays.blocks[0].index, 3);
    EXPECT_FALSE(overlays.blocks[0].hidden);
    EXPECT_EQ(overlays.blocks[0].kind, 1);
    ASSERT_EQ(overlays.params.size(), 1u);
    EXPECT_EQ(overlays.params[0].frequency, 1000.0);
    EXPECT_EQ(overlays.params[0].gain, 4.5);
    EXPECT_EQ(overlays.params[0].q, 2.0);
    EXPECT_EQ(overlays.params[0].type, PlotFilterType::Peak);
    plot.DrawHandle(10, 0.0f, 3);
    EXPECT_EQ(overlays.blocks[1].colour, Rgb(255, 251, 240));
    EXPECT_EQ(overlays.blocks[1].kind, 3);

    // Section -1 counts as section 0.
    plot.Sections[0]->SetFilter(-3.0, 125.0, 0.7, PlotFilterType::LowShelf);
    overlays.calls.clear();
    plot.DrawSectionFilled(1, -1, -3.0f, 0.7f, true);
    EXPECT_EQ(overlays.calls, (std::vector<std::string>{"param", "fill", "on"}));
    EXPECT_EQ(overlays.paramKind, 1);
    EXPECT_NEAR(overlays.paramX, GridX(125.0), 1e-9);
    EXPECT_EQ(overlays.paramFrequency, 125.0f);
    EXPECT_EQ(overlays.paramGain, -3.0);
    EXPECT_NEAR(overlays.paramQ, 0.7, 1e-6);
    EXPECT_EQ(overlays.paramColour, Rgb(255, 255, 0));
    EXPECT_EQ(overlays.fill, plot.Sections[0]->Response.data());
    EXPECT_EQ(overlays.fillCount, kResponsePoints);
    overlays.calls.clear();
    plot.DrawSectionFilled(1, 0, 0.0f, 0.4f, false);
    EXPECT_EQ(overlays.calls, std::vector<std::string>{"off"});

    // A model without a control draws nothing and does not fail.
    model.SetOverlayTarget(nullptr);
    plot.DrawHandle(0, 0.0f, 1);
    plot.DrawSectionFilled(0, 0, 0.0f, 0.4f, true);
    EXPECT_EQ(overlays.blocks.size(), 2u);
}

}  // namespace
}  // namespace display
