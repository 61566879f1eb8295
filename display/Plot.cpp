#include "display/Plot.h"

#include <cmath>

#include "display/ResponsePlotModel.h"

namespace display {

namespace {

constexpr TColor kChannelColours[kChannelCurveColours] = {
    Rgb(128, 0, 0),     Rgb(0, 128, 0),   Rgb(128, 128, 0), Rgb(0, 0, 128),   Rgb(128, 0, 128), Rgb(0, 128, 128),
    Rgb(58, 110, 165),  Rgb(128, 128, 128), Rgb(255, 0, 0), Rgb(0, 255, 0),   Rgb(255, 255, 0), Rgb(0, 0, 255),
    Rgb(255, 0, 255),   Rgb(0, 255, 255), Rgb(166, 202, 240), Rgb(255, 251, 240)};

// The effect channel (and any index beyond the table): orange, which no
// channel of the table uses.
constexpr TColor kOtherChannelColour = Rgb(255, 128, 0);

constexpr double kFullTurn = 2.0 * PhaseHalfTurn;

}  // namespace

TColor ChannelCurveColour(int channel) {
    if (channel >= 0 && channel < kChannelCurveColours)
        return kChannelColours[channel];
    return kOtherChannelColour;
}

double WrapPhaseSum(double value) {
    // As many turns as it takes: a steep cut sums to several half turns. The
    // bounds themselves stay.
    if (value > PhaseHalfTurn)
        return value - kFullTurn * std::ceil((value - PhaseHalfTurn) / kFullTurn);
    if (value < -PhaseHalfTurn)
        return value + kFullTurn * std::ceil((-PhaseHalfTurn - value) / kFullTurn);
    return value;
}

// ---- PlotSection ----

void PlotSection::SetFilter(double gain, double frequency, double q, int code) {
    Gain = gain;
    Freq = frequency;
    Q = q;
    Type = code;
    ComputeResponse();
}

void PlotSection::SetCutFilter(double gain, double frequency, double q, int code, float a, float b) {
    CutA = a;
    CutB = b;
    SetFilter(gain, frequency, q, code);
}

std::optional<BiquadCoefficients> PlotSection::DesignBiquad() const {
    return display::DesignBiquad({Type, Freq, Gain, Q, CutA, CutB});
}

void PlotSection::ComputeResponse() {
    const BiquadCoefficients c = DesignBiquad().value_or(BiquadCoefficients{});
    if (PhaseFlag) {
        EvaluatePhase(c, Response);
        FoldPhase();
    } else {
        EvaluateMagnitude(c, Response);
    }
}

// The arc tangent gives the phase modulo half a turn; each code whose phase
// leaves (-9, 9) is put back on its own side.
void PlotSection::FoldPhase() {
    namespace T = PlotFilterType;
    const double h = PhaseHalfTurn;
    switch (Type) {
    case T::HighPass2:
    case T::LowCut2:
    case T::LowCut2b:
        for (double& v : Response)
            v = v < 0.0 ? v + h : v;
        break;
    case T::LowPass2:
    case T::HighCut2:
    case T::HighCut2b:
    case T::Allpass1:
        for (double& v : Response)
            v = v > 0.0 ? v - h : v;
        break;
    case T::Allpass2: {
        const ResponseCurve& f = ResponseGrid::Get().Frequency;
        for (int i = 0; i < kResponsePoints; ++i) {
            double v = Response[i] > 0.0 ? Response[i] - h : Response[i];
            Response[i] = f[i] > Freq ? v + h : v;
        }
        break;
    }
    case T::LowShelf:
        if (Gain > 0.0)
            for (double& v : Response)
                v = v > 0.0 ? v - h : v;
        else if (Gain < 0.0)
            for (double& v : Response)
                v = v < 0.0 ? v + h : v;
        break;
    case T::HighShelf:
        if (Gain > 0.0)
            for (double& v : Response)
                v = v < 0.0 ? v + h : v;
        else if (Gain < 0.0)
            for (double& v : Response)
                v = v > 0.0 ? v - h : v;
        break;
    default:
        break;
    }
}

// ---- Plot ----

Plot::Plot(ResponsePlotModel* draw) : Draw(draw) {
    // Every section starts alike, so the flat design is evaluated once per
    // process and copied.
    static const PlotSection flat = [] {
        PlotSection s;
        s.SetFilter(0.0, 1000.0, 0.4, PlotFilterType::HighShelf);
        return s;
    }();
    for (auto& section : Sections)
        section = std::make_unique<PlotSection>(flat);
}

void Plot::SetPhaseMode(std::uint8_t mode) {
    PhaseMode = mode;
    for (auto& section : Sections)
        section->PhaseFlag = mode != 0;
}

void Plot::DrawSection(int section, TColor colour) {
    if (section < 0 || section >= SectionCount || !Draw)
        return;
    Draw->FFTDraw(Sections[section]->Response.data(), kResponsePoints, section, colour, 0);
}

void Plot::RemoveCurve(int key) {
    if (Draw)
        Draw->RemovePlot(key);
}

void Plot::DrawSum(int channel) {
    // One pass over the points, adding sections 0 to 11 in order from 0.0.
    const double* r[SumSection];
    for (int s = 0; s < SumSection; ++s)
        r[s] = Sections[s]->Response.data();
    ResponseCurve& sum = Sections[SumSection]->Response;
    for (int i = 0; i < kResponsePoints; ++i) {
        double v = 0.0;
        for (int s = 0; s < SumSection; ++s)
            v += r[s][i];
        sum[i] = v;
    }
    if (PhaseMode != 0)
        for (double& v : sum)
            v = WrapPhaseSum(v);
    if (Draw)
        Draw->FFTDraw(sum.data(), kResponsePoints, SumSection, ChannelCurveColour(channel), 0);
}

}  // namespace display

namespace display {

void Plot::DrawHandle(int section, float y, int shape) {
    if (section < 0 || section >= SectionCount || !Draw)
        return;
    PlotOverlayTarget* target = Draw->OverlayTarget();
    if (!target)
        return;
    const PlotSection& s = *Sections[section];
    const TColor colour = BandHandleColours[static_cast<std::size_t>(section) % BandHandleColours.size()];
    target->DrawBlock(y, GridX(s.Freq), colour, section, false, shape);
    target->SetBlockParameter(section, s.Freq, s.Gain, s.Q, s.Type);
}

void Plot::DrawSectionFilled(int kind, int section, float gain, float q, bool show) {
    PlotOverlayTarget* target = Draw ? Draw->OverlayTarget() : nullptr;
    if (!target)
        return;
    if (!show) {
        target->SetCurveDisplay(false);
        return;
    }
    if (section < 0)
        section = 0;
    if (section >= SectionCount)
        return;
    const PlotSection& s = *Sections[section];
    target->DrawParam(kind, gain, GridX(s.Freq), static_cast<float>(s.Freq), q, Rgb(255, 255, 0));
    target->DrawCurveFill(kind, s.Response.data(), kResponsePoints);
    target->SetCurveDisplay(true);
}

}  // namespace display
