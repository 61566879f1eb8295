// Response plots set up as the main window sets its nineteen plots, and the
// band scenes the tests and the screenshot sheet draw on them.
#pragma once

#include <QApplication>
#include <QColor>
#include <QImage>

#include <memory>
#include <vector>

#include "display/FilterDesign.h"
#include "display/FrequencyResponse.h"
#include "display/LMyFFTDrawHpLp6dB.h"
#include "display/Plot.h"
#include "platform/Graphics.h"

namespace responseplottest {

using display::LMyFFTDrawHpLp6dB;

// The properties every plot of the main window carries.
inline void ApplyMainWindowSettings(LMyFFTDrawHpLp6dB& w, int width = 1070, int height = 255) {
    display::ResponsePlotModel& m = w.Model();
    w.SetColor(platform::clBlack);
    m.SetYAutoScale(false);
    m.SetXAutoScale(false);
    m.SetAxisColor(35840);
    m.SetYLabelScale(1.0);
    m.SetYMax(18.0);
    m.SetYMin(-18.0);
    m.SetXMax(3840.0);
    m.SetXMin(966.0);
    m.SetYLabelPrecision(5);
    m.SetVertTickLength(0);
    m.SetHorzTickLength(0);
    m.SetNumVertGrid(10);
    m.SetNumHorzGrid(11);
    m.SetGridColor(18432);
    m.SetShowXTitle(false);
    m.SetShowYTitle(false);
    m.SetShowPlotTitle(false);
    m.SetYLabel("dB");
    display::PlotFont font{.Name = "Tahoma", .Height = -11, .Color = display::clLime};
    m.SetPlotTitleFont(font);
    m.SetAxisTitleFont(font);
    m.SetMouseCoordFont(font);
    font.Color = platform::clActiveBorder;
    m.SetAxisLabelFont(font);
    m.SetFFTNuimber(display::TFFTNumber::n4096);
    m.SetSampleRate(display::TSampleRate::n96000);
    w.resize(width, height);
}

// The phase view's axis: -180 ... +180 degrees held in tens of degrees.
inline void ApplyPhaseAxis(LMyFFTDrawHpLp6dB& w) {
    w.Model().SetNumHorzGrid(7);
    w.Model().SetYLabel("");
    w.Model().SetYLabelScale(10.0);
    w.Model().SetYMax(18.0);
    w.Model().SetYMin(-18.0);
}

struct Band {
    int PeqType;  // 0 peak, 1 low shelf, 2 high shelf ...
    double Frequency;
    double Gain;
    double Q;
};

// Draws bands (and optionally both cut handles) the way the channel pages do:
// sections, handles with their parameters, the selected band's text and fill,
// the sum curve, then the plot area presented.
inline void DrawChannel(LMyFFTDrawHpLp6dB& w, display::Plot& plot, int channel, const std::vector<Band>& bands,
                        int selected, bool cuts) {
    using namespace display;
    for (int n = 0; n < static_cast<int>(bands.size()); ++n) {
        const Band& b = bands[n];
        const int code = PeqTypeToPlotFilterType(b.PeqType);
        plot.Sections[n]->SetFilter(b.Gain, b.Frequency, b.Q, code);
        w.DrawBlock(b.Gain, GridX(b.Frequency), BandHandleColours[n], n, false, LMyFFTDrawHpLp6dB::BlockCircle);
        w.SetBlockParameter(n, b.Frequency, b.Gain, b.Q, code);
    }
    if (cuts) {
        plot.Sections[10]->SetCutFilter(0.0, 60.0, 0.7, PlotFilterType::LowCut2b, 1.4142f, 1.0f);
        plot.Sections[11]->SetCutFilter(0.0, 15000.0, 0.7, PlotFilterType::HighCut2b, 1.4142f, 1.0f);
        w.DrawBlock(0.0, GridX(60.0), BandHandleColours[10], 10, false, LMyFFTDrawHpLp6dB::BlockHighPass);
        w.DrawBlock(0.0, GridX(15000.0), BandHandleColours[11], 11, false, LMyFFTDrawHpLp6dB::BlockLowPass);
    }
    if (selected >= 0) {
        const Band& b = bands[selected];
        w.DrawParam(b.PeqType, b.Gain, GridX(b.Frequency), static_cast<float>(b.Frequency), b.Q, platform::clYellow);
        w.DrawCurveFill(b.PeqType, plot.Sections[selected]->Response.data(), kResponsePoints);
        w.SetCurveDisplay(true);
    }
    plot.DrawSum(channel);
    w.UpdateCurvePage();
}

inline bool Near(const QColor& c, int r, int g, int b, int tolerance = 0) {
    return std::abs(c.red() - r) <= tolerance && std::abs(c.green() - g) <= tolerance &&
           std::abs(c.blue() - b) <= tolerance;
}

}  // namespace responseplottest
