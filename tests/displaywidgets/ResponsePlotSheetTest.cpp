// A screenshot sheet of the response plots as the channel pages show them:
// magnitude with the selected band's fill, the same channel in phase, the
// parameter texts of all bands with the equaliser bypassed, and the two
// narrow Gain-page plots with several channels' curves.
#include <gtest/gtest.h>

#include <QPainter>

#include <string>
#include <vector>

#include "ResponsePlotFixture.h"
#include "display/LMyFFTDrawPhase.h"
#include "support/UiFixture.h"

namespace responseplottest {
namespace {

using display::Plot;

const std::vector<Band> kInputBands = {
    {1, 90.0, 4.0, 1.0},    // low shelf
    {0, 350.0, -5.0, 2.0},  // peak
    {0, 2500.0, 6.0, 1.4},  // peak, selected
    {0, 6000.0, -3.5, 3.0},
    {2, 10000.0, 2.5, 1.0},  // high shelf
};

const std::vector<Band> kOutputBands = {
    {0, 120.0, 3.0, 1.0},
    {0, 800.0, -4.0, 1.2},
    {0, 4000.0, 2.0, 2.0},
};

void ChannelPlot(LMyFFTDrawHpLp6dB& w, Plot& plot, bool phase) {
    if (phase) {
        ApplyPhaseAxis(w);
        plot.SetPhaseMode(1);
    }
    DrawChannel(w, plot, 0, kInputBands, 2, true);
    // Input B's sum as an overlay copy, in its own colour.
    Plot other(nullptr);
    other.SetPhaseMode(phase ? 1 : 0);
    other.Sections[0]->SetFilter(-6.0, 1500.0, 0.8, display::PlotFilterType::Peak);
    other.Sections[1]->SetFilter(3.0, 200.0, 1.0, display::PlotFilterType::LowShelf);
    other.DrawSum(1);
    plot.Sections[19]->Response = other.Sections[Plot::SumSection]->Response;
    plot.DrawSection(19, display::ChannelCurveColour(1));
    w.UpdateCurvePage();
}

TEST(ResponsePlotSheet, WritesTheScreenshotSheet) {
    LMyFFTDrawHpLp6dB magnitude, phase, showAll;
    display::LMyFFTDrawPhase twin;
    LMyFFTDrawHpLp6dB gainIn, gainOut;
    for (LMyFFTDrawHpLp6dB* w : {&magnitude, &phase, &showAll, static_cast<LMyFFTDrawHpLp6dB*>(&twin)})
        ApplyMainWindowSettings(*w);
    ApplyMainWindowSettings(gainIn, 530, 255);
    ApplyMainWindowSettings(gainOut, 530, 255);
    for (QWidget* w : std::vector<QWidget*>{&magnitude, &phase, &showAll, &twin, &gainIn, &gainOut})
        w->show();

    Plot pm(&magnitude.Model()), pp(&phase.Model()), pt(&twin.Model());
    ChannelPlot(magnitude, pm, false);
    ChannelPlot(phase, pp, true);
    ChannelPlot(twin, pt, true);

    Plot ps(&showAll.Model());
    DrawChannel(showAll, ps, 8, kOutputBands, -1, true);
    showAll.SetParameterDisplay(true);
    showAll.DrawTextA(showAll.width() / 3, showAll.height() / 4, 60, platform::clBtnFace, "Times New Roman", "BYPASS");
    showAll.UpdateCurvePage();

    // The Gain page: every channel's sum in its colour.
    Plot gi(&gainIn.Model()), go(&gainOut.Model());
    for (int c = 0; c < 4; ++c) {
        Plot source(nullptr);
        source.Sections[0]->SetFilter(-6.0 + 4.0 * c, 150.0 * (c + 1) * (c + 1), 1.0 + c * 0.5,
                                      display::PlotFilterType::Peak);
        source.Sections[10]->SetCutFilter(0.0, 40.0 + 30.0 * c, 0.7, display::PlotFilterType::LowCut2b, 1.4142f,
                                          1.0f);
        source.DrawSum(c);
        gi.Sections[c]->Response = source.Sections[Plot::SumSection]->Response;
        gi.DrawSection(c, display::ChannelCurveColour(c + 8));
        source.Sections[11]->SetCutFilter(0.0, 5000.0 * (c + 1), 0.7, display::PlotFilterType::HighCut2b, 1.4142f,
                                          1.0f);
        source.DrawSum(c);
        go.Sections[8 + c]->Response = source.Sections[Plot::SumSection]->Response;
        go.DrawSection(8 + c, display::ChannelCurveColour(c + 10));
    }
    gainIn.UpdateCurvePage();
    gainOut.UpdateCurvePage();

    struct Panel {
        QWidget* widget;
        const char* caption;
    };
    const std::vector<std::vector<Panel>> rows = {
        {{&magnitude, "Input A, magnitude: five bands, band 3 selected, low and high cut, input B's curve"}},
        {{&phase, "Input A, phase"}},
        {{&twin, "LMyFFTDrawPhase, the same phase picture (its texts differ only by kind)"}},
        {{&showAll, "Output 1: SHOW ALL EQ, equaliser bypassed"}},
        {{&gainIn, "Gain page, inputs"}, {&gainOut, "Gain page, outputs"}},
    };
    const int margin = 10, caption = 20;
    int height = margin;
    for (const auto& row : rows)
        height += caption + row.front().widget->height() + margin;
    QImage sheet(1070 + 2 * margin, height, QImage::Format_RGB32);
    sheet.fill(QColor(240, 240, 240));
    QPainter painter(&sheet);
    painter.setFont(platform::ToQFont(platform::TFont{.Name = "Tahoma", .Height = -12}));
    int y = margin;
    for (const auto& row : rows) {
        int x = margin;
        for (const Panel& p : row) {
            painter.setPen(Qt::black);
            painter.drawText(x, y + 14, QString::fromUtf8(p.caption));
            painter.drawImage(x, y + caption, p.widget->grab().toImage());
            x += p.widget->width() + margin;
        }
        y += caption + row.front().widget->height() + margin;
    }
    painter.end();
    const std::string path = testsupport::OutputPath("response_plot_sheet.png");
    ASSERT_TRUE(sheet.save(QString::fromStdString(path)));

    // The two modes differ, and the Gain plots carry four curves each.
    EXPECT_NE(magnitude.grab().toImage(), phase.grab().toImage());
    EXPECT_EQ(gainIn.Model().PlotList().Members().size(), 4u);
    EXPECT_EQ(gainOut.Model().PlotList().Members().size(), 4u);
}

}  // namespace
}  // namespace responseplottest
