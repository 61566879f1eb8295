// The response model behind one response plot: the 27 filter sections of a
// channel, each with its curve on the response grid, and the total curve.
//
// Sections of a channel plot: 0-9 equaliser bands, 10 low-cut total, 11
// high-cut total, 12 the sum of 0-11, 13-17 scratch sections of the cut
// cascade, 18-25 copies of other channels' sums (overlays), 26 unused. A
// `Plot` knows nothing of the parameter image or the device: the editing pages
// set sections and ask it to draw on the plot model it is bound to.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>

#include "display/FilterDesign.h"
#include "display/FrequencyResponse.h"
#include "display/PlotList.h"

namespace display {

class ResponsePlotModel;

// Curve colour of the total curve of each channel; 0-15 are the inputs and
// outputs, any other index (the effect channel 18) gets a colour of its own.
TColor ChannelCurveColour(int channel);
inline constexpr int kChannelCurveColours = 16;

// Handle colour of each section (index = section; 0-11 are drawn): fourteen
// colours, repeated three times.
inline constexpr std::array<TColor, 42> BandHandleColours = [] {
    constexpr TColor kBase[14] = {Rgb(255, 0, 0),     Rgb(255, 255, 0), Rgb(255, 0, 255),   Rgb(0, 255, 255),
                                  Rgb(0, 255, 0),     Rgb(0, 0, 255),   Rgb(166, 202, 240), Rgb(128, 0, 128),
                                  Rgb(0, 128, 128),   Rgb(128, 0, 0),   Rgb(255, 251, 240), Rgb(128, 128, 0),
                                  Rgb(128, 128, 128), Rgb(0, 0, 128)};
    std::array<TColor, 42> table{};
    for (int i = 0; i < 42; ++i)
        table[i] = kBase[i % 14];
    return table;
}();

// Total curve in phase mode, wrapped into [-18, 18]: 25 -> -11, 100 -> -8.
double WrapPhaseSum(double value);

// One first- or second-order section and its curve: dB in magnitude mode,
// tens of degrees in phase mode (`PhaseFlag`).
class PlotSection {
public:
    float CutA = 0.0f;
    float CutB = 0.0f;
    bool PhaseFlag = false;
    int Type = PlotFilterType::Flat;
    double Freq = 1000.0;
    double Gain = 0.0;
    double Q = 0.4;
    ResponseCurve Response{};

    // Stores the design and recomputes `Response`.
    void SetFilter(double gain, double frequency, double q, int code);
    // As SetFilter, with the cut prototype's a and b (codes 11 to 16).
    void SetCutFilter(double gain, double frequency, double q, int code, float a, float b);

    // The design of the current fields; nullopt for a code without one.
    std::optional<BiquadCoefficients> DesignBiquad() const;
    // Fills `Response` in the current mode. A code without a design shows a
    // flat curve.
    void ComputeResponse();

private:
    void FoldPhase();
};

class Plot {
public:
    static constexpr int SectionCount = 27;
    static constexpr int SumSection = 12;

    // Every section starts as a 0 dB high shelf at 1 kHz, Q 0.4: exactly flat.
    // `draw` may be null (nothing is drawn); it is not owned.
    explicit Plot(ResponsePlotModel* draw);
    Plot(const Plot&) = delete;
    Plot& operator=(const Plot&) = delete;

    std::uint8_t PhaseMode = 0;  // 0 magnitude, 1 phase
    ResponsePlotModel* Draw;
    std::array<std::unique_ptr<PlotSection>, SectionCount> Sections;

    // Stores the mode in every section without recomputing anything: the
    // caller sets every section again.
    void SetPhaseMode(std::uint8_t mode);

    // Draws a section's curve with key = section; a replaced key keeps its
    // first colour. Sections outside 0-26 are ignored.
    void DrawSection(int section, TColor colour);
    void RemoveCurve(int key);

    // Sums sections 0-11 into section 12 (wrapped in phase mode) and draws it
    // with key 12 in the channel's colour.
    void DrawSum(int channel);

    // The section's handle block at X = GridX(Freq) and the given Y, in its
    // BandHandleColours entry; then the section's frequency, gain, Q and code
    // go to the control for hit-testing. Shapes: 1 a band's numbered circle,
    // 2 the high cut's "LPF", 3 the low cut's "HPF".
    void DrawHandle(int section, float y, int shape);
    // With show: the section's parameter text (kind, gain, Q; yellow) at its
    // frequency, the fill under its curve, and the band display on; a
    // negative section counts as 0. Without show: only the display off.
    void DrawSectionFilled(int kind, int section, float gain, float q, bool show);
};

}  // namespace display
