// The response plot widget: layout and labels, pixels of grid, axis and
// curves, handle blocks and parameter texts, handle drags, the phase twin's
// texts, and the sizes that leave no room.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

#include <cmath>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ResponsePlotFixture.h"
#include "display/LMyFFTDrawPhase.h"
#include "support/UiFixture.h"

namespace responseplottest {
namespace {

using display::GridX;
using display::HandleDrag;
using display::LMyFFTDrawPhase;
using display::PlacedText;
using display::Plot;
using display::TStringFloatFormat;

std::vector<std::string> Texts(const std::vector<PlacedText>& placed) {
    std::vector<std::string> texts;
    for (const PlacedText& t : placed)
        texts.push_back(t.Text);
    return texts;
}

// Pixel of the grabbed control at a plot-area pixel.
QColor PlotPixel(LMyFFTDrawHpLp6dB& w, const QImage& shot, int x, int y) {
    return shot.pixelColor(w.PlotRect().Left + x, w.PlotRect().Top + y);
}

int Sx(const LMyFFTDrawHpLp6dB& w, double frequency) {
    return static_cast<int>(w.Model().ScreenX(GridX(frequency)));
}

int Sy(const LMyFFTDrawHpLp6dB& w, double level) {
    return static_cast<int>(w.Model().ScreenY(level));
}

void SendMouse(QWidget& w, QEvent::Type type, Qt::MouseButton button, QPoint at) {
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent e(type, QPointF(at), w.mapToGlobal(QPointF(at)), type == QEvent::MouseMove ? Qt::NoButton : button,
                  held, Qt::NoModifier);
    QApplication::sendEvent(&w, &e);
}

// Whether any pixel of a text's cell (in plot-area coordinates) has the colour;
// the band fill lies over its own text, so the colour may be a little greyed.
bool TextInk(LMyFFTDrawHpLp6dB& w, const QImage& shot, const PlacedText& t, int r, int g, int b) {
    const QFontMetrics m(platform::ToQFont(platform::TFont{.Name = "Tahoma", .Height = -11}));
    const int width = m.horizontalAdvance(QString::fromStdString(t.Text)), height = m.height();
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (Near(PlotPixel(w, shot, t.At.X + x, t.At.Y + y), r, g, b, 70))
                return true;
    return false;
}

TEST(ResponsePlotLabels, FormatLabelValueGivesTheRuntimeTexts) {
    struct Case {
        double value;
        TStringFloatFormat format;
        int precision, digits;
        const char* text;
    } cases[] = {
        {19.999999986, TStringFloatFormat::sffGeneral, 4, 4, "20"},
        {-12.0, TStringFloatFormat::sffGeneral, 5, 4, "-12"},
        {0.0, TStringFloatFormat::sffGeneral, 5, 4, "0"},
        {-0.0, TStringFloatFormat::sffGeneral, 5, 4, "0"},
        {180.0, TStringFloatFormat::sffGeneral, 5, 4, "180"},
        {0.0314159, TStringFloatFormat::sffGeneral, 4, 4, "0.03142"},
        {31415.9, TStringFloatFormat::sffGeneral, 5, 4, "31416"},
        {314159.0, TStringFloatFormat::sffGeneral, 5, 4, "3.1416E0005"},
        {3.14159e-100, TStringFloatFormat::sffGeneral, 5, 4, "3.1416E-0100"},
        {99999.7, TStringFloatFormat::sffGeneral, 4, 2, "1E05"},
        {1234.5, TStringFloatFormat::sffExponent, 3, 2, "1.23E+03"},
        {1234.5, TStringFloatFormat::sffFixed, 4, 1, "1234.5"},
        {-1234567.891, TStringFloatFormat::sffNumber, 4, 2, "-1,234,567.89"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(display::FormatLabelValue(c.value, c.format, c.precision, c.digits), c.text) << c.value;
}

TEST(ResponsePlotLabels, FrequencyAndLevelLabelsOfTheChannelPlot) {
    LMyFFTDrawHpLp6dB w;
    ApplyMainWindowSettings(w);
    w.show();
    EXPECT_EQ(Texts(w.XAxisLabels()), (std::vector<std::string>{"20Hz", "100Hz", "1KHz", "10KHz", "20KHz", "50Hz",
                                                                 "200Hz", "500Hz", "2KHz", "5KHz"}));
    EXPECT_EQ(Texts(w.YAxisLabels()),
              (std::vector<std::string>{"+18dB", "-18dB", "-12dB", "-6dB", "0dB", "+6dB", "+12dB"}));

    // Plot area: 10 pixels from the top, the label row below it, the right margin.
    EXPECT_EQ(w.PlotRect().Top, 10);
    EXPECT_EQ(w.PlotRect().Right, 1060);
    EXPECT_EQ(w.XLabelRect().Top, w.PlotRect().Bottom);
    EXPECT_EQ(w.YLabelRect().Right, w.PlotRect().Left);

    // Each label is centred on its frequency or level, and its ink is on screen.
    const QImage shot = w.grab().toImage();
    const QFontMetrics m(platform::ToQFont(platform::TFont{.Name = "Tahoma", .Height = -11}));
    for (const PlacedText& t : w.XAxisLabels()) {
        const double f = t.Text.find('K') != std::string::npos ? 1000.0 * std::stod(t.Text) : std::stod(t.Text);
        const int centre = t.At.X + m.horizontalAdvance(QString::fromStdString(t.Text)) / 2;
        EXPECT_NEAR(centre, Sx(w, f), 1) << t.Text;
        bool ink = false;
        for (int y = 0; y < m.height() && !ink; ++y)
            for (int x = 0; x < m.horizontalAdvance(QString::fromStdString(t.Text)) && !ink; ++x)
                ink = shot.pixelColor(w.XLabelRect().Left + t.At.X + x, w.XLabelRect().Top + t.At.Y + y) !=
                      QColor(Qt::black);
        EXPECT_TRUE(ink) << t.Text;
    }
    for (const PlacedText& t : w.YAxisLabels()) {
        if (t.Text == "0dB") {
            EXPECT_NEAR(t.At.Y + m.height() / 2, Sy(w, 0.0), 1);
        }
    }
}

TEST(ResponsePlotLabels, NarrowPlotsShowTheShortList) {
    struct Case {
        int width;
        std::size_t labels;
    } cases[] = {{530, 4}, {799, 4}, {800, 10}, {1070, 10}};
    for (const Case& c : cases) {
        LMyFFTDrawHpLp6dB w;
        ApplyMainWindowSettings(w, c.width, 255);
        w.show();
        const std::vector<std::string> texts = Texts(w.XAxisLabels());
        ASSERT_EQ(texts.size(), c.labels) << c.width;
        EXPECT_EQ(std::vector<std::string>(texts.begin(), texts.begin() + 4),
                  (std::vector<std::string>{"20Hz", "100Hz", "1KHz", "10KHz"}));
    }
}

// A label row keeps its page while its texts, font and background stay; a
// cleared page and a new background draw it again.
TEST(ResponsePlotLabels, LabelRowsAreDrawnAgainAfterAClearOrANewBackground) {
    LMyFFTDrawHpLp6dB w;
    ApplyMainWindowSettings(w);
    w.show();
    QApplication::processEvents();
    const QImage before = w.ScreenImage();
    w.ClearPlot();
    w.DrawPlotsAndLabels();
    EXPECT_EQ(w.ScreenImage(), before);

    w.SetColor(display::Rgb(0, 0, 120));
    w.repaint();
    for (const auto& [row, name] : {std::pair{w.XLabelRect(), "x"}, std::pair{w.YLabelRect(), "y"}})
        EXPECT_TRUE(Near(w.ScreenImage().pixelColor(row.Left + 1, row.Bottom - 1), 0, 0, 120)) << name;
}

TEST(ResponsePlotLabels, PhaseAxisReadsDegrees) {
    for (bool twin : {false, true}) {
        std::unique_ptr<LMyFFTDrawHpLp6dB> w(twin ? new LMyFFTDrawPhase : new LMyFFTDrawHpLp6dB);
        ApplyMainWindowSettings(*w);
        ApplyPhaseAxis(*w);
        w->show();
        EXPECT_EQ(Texts(w->YAxisLabels()), (std::vector<std::string>{"+180", "-180", "-90", "0", "+90"}));
        // One grid line takes the labels of every second line away.
        w->Model().SetNumHorzGrid(1);
        EXPECT_EQ(Texts(w->YAxisLabels()), (std::vector<std::string>{"+180", "-180"}));
    }
}

class ResponsePlotPicture : public ::testing::Test {
protected:
    void SetUp() override {
        ApplyMainWindowSettings(w);
        w.show();
    }

    LMyFFTDrawHpLp6dB w;
    Plot plot{&w.Model()};
};

TEST_F(ResponsePlotPicture, GridAxisAndCurvePixels) {
    // A +6 dB peak at 1 kHz as the sum curve of output 1 (red).
    plot.Sections[0]->SetFilter(6.0, 1000.0, 1.0, display::PlotFilterType::Peak);
    plot.DrawSum(8);
    w.UpdateCurvePage();
    const QImage shot = w.grab().toImage();

    const int row = Sy(w, -10.0);  // between grid rows, far from the curve
    EXPECT_TRUE(Near(PlotPixel(w, shot, Sx(w, 1000.0), row), 0, 140, 0)) << "1 kHz in the axis colour";
    EXPECT_TRUE(Near(PlotPixel(w, shot, Sx(w, 2000.0), row), 0, 72, 0)) << "2 kHz in the grid colour";
    EXPECT_TRUE(Near(PlotPixel(w, shot, Sx(w, 1500.0), row), 0, 0, 0)) << "no line between";
    EXPECT_TRUE(Near(PlotPixel(w, shot, Sx(w, 1000.0) + 3, Sy(w, -9.0)), 0, 72, 0)) << "the -9 dB row";
    EXPECT_TRUE(Near(PlotPixel(w, shot, Sx(w, 1000.0) + 3, Sy(w, 0.0)), 0, 140, 0)) << "the 0 dB row";
    EXPECT_TRUE(Near(PlotPixel(w, shot, 0, row), 0, 140, 0)) << "the frame";

    const QColor peak = PlotPixel(w, shot, Sx(w, 1000.0), Sy(w, 6.0));
    EXPECT_TRUE(Near(peak, 255, 0, 0, 60)) << peak.name().toStdString();
    EXPECT_TRUE(Near(PlotPixel(w, shot, Sx(w, 1000.0) + 2, Sy(w, 6.0) - 4), 0, 0, 0)) << "nothing above the peak";
}

TEST_F(ResponsePlotPicture, HandleBlockAndBandTexts) {
    DrawChannel(w, plot, 8, {{0, 1000.0, 6.0, 1.0}}, 0, false);
    const display::ResponsePlotModel& m = w.Model();
    const double sx = m.ScreenX(GridX(1000.0)), sy = m.ScreenY(6.0);
    EXPECT_EQ(w.GetBlockPos(0), (platform::TPoint{static_cast<int>(sx), static_cast<int>(sy)}));

    const int tx = int(sx - 20.0);
    const std::vector<PlacedText> expected = {
        {{tx, int(sy + 20)}, "Q:1.00"}, {{tx, int(sy + 33)}, "1.00KHz"}, {{tx, int(sy + 46)}, " 6.0dB"}};
    EXPECT_EQ(w.BandDisplayTexts(), expected);
    const QImage shot = w.grab().toImage();
    for (const PlacedText& t : expected)
        EXPECT_TRUE(TextInk(w, shot, t, 255, 255, 0)) << "yellow ink of " << t.Text;
    // The block number stands above the handle in white.
    EXPECT_TRUE(TextInk(w, shot, {{int(sx) - 3, int(sy) - 23}, "1"}, 255, 255, 255));

    // The translucent grey lies between the curve and 0 dB, not below 0 dB.
    const QColor fill = PlotPixel(w, shot, Sx(w, 1000.0) + 3, Sy(w, 4.5));
    EXPECT_TRUE(fill.red() > 20 && fill.red() < 80 && fill.red() == fill.green() && fill.red() == fill.blue())
        << fill.name().toStdString();
    EXPECT_TRUE(Near(PlotPixel(w, shot, Sx(w, 1000.0) + 3, Sy(w, -7.5)), 0, 0, 0));

    // Presenting again composes the overlays afresh: the fill does not build up.
    for (int i = 0; i < 5; ++i)
        w.UpdateCurvePage();
    EXPECT_EQ(w.grab().toImage(), shot);
}

TEST_F(ResponsePlotPicture, ParameterTextPlacesAndFormats) {
    const double x = GridX(1000.0);
    const int sx = int(w.Model().ScreenX(x) - 20.0);
    const int sy0 = int(w.Model().ScreenY(0.0)), sy1 = int(w.Model().ScreenY(0.1));
    // At exactly 0 dB the lines stand above the handle; at +0.1 dB below it.
    EXPECT_EQ(w.ParamTexts(0, 0.0, x, 1000.0f, 1.0),
              (std::vector<PlacedText>{{{sx, sy0 - 69}, "Q:1.00"}, {{sx, sy0 - 56}, "1.00KHz"}, {{sx, sy0 - 43}, " 0.0dB"}}));
    EXPECT_EQ(w.ParamTexts(0, 0.1, x, 1000.0f, 1.0)[0].At, (platform::TPoint{sx, int(w.Model().ScreenY(0.1) + 20)}));
    EXPECT_EQ(sy1, int(w.Model().ScreenY(0.1)));
    // A frequency alone takes the gain line's place.
    EXPECT_EQ(w.ParamTexts(3, -3.0, x, 999.9f, 1.0),
              (std::vector<PlacedText>{{{sx, int(w.Model().ScreenY(-3.0) - 43)}, "999.9Hz"}}));
    EXPECT_EQ(w.ParamTexts(4, 3.0, x, 15000.0f, 0.7)[1].Text, "15.00KHz");
}

TEST_F(ResponsePlotPicture, ParameterDisplayShowsEveryOtherBand) {
    DrawChannel(w, plot, 0, {{0, 200.0, -6.0, 2.0}, {0, 3000.0, 4.0, 1.0}}, 1, false);
    const QImage selectedOnly = w.grab().toImage();
    const std::vector<PlacedText> band0 = w.ParamTexts(0, -6.0, GridX(200.0), 200.0f, 2.0);
    EXPECT_FALSE(TextInk(w, selectedOnly, band0[1], 255, 255, 255));
    w.SetParameterDisplay(true);
    w.UpdateCurvePage();
    const QImage all = w.grab().toImage();
    EXPECT_TRUE(TextInk(w, all, band0[1], 255, 255, 255)) << "band 1 in white";
    // The selected band keeps its one yellow text.
    EXPECT_FALSE(TextInk(w, all, w.ParamTexts(0, 4.0, GridX(3000.0), 3000.0f, 1.0)[0], 255, 255, 255));
}

// A band at either end of the axis keeps its whole text inside the plot: the
// lines move in together instead of being cut at the edge ("20.16KH"). The Q
// and gain lines read as in the middle of the axis, where their yellow ink
// is as wide; no line's ink touches the plot's edge.
TEST_F(ResponsePlotPicture, BandTextStaysInsideThePlotAtTheAxisEnds) {
    const int rowHeight = QFontMetrics(platform::ToQFont(platform::TFont{.Name = "Tahoma", .Height = -11})).height();
    struct Line {
        std::string text;
        int first, last;  // columns of its yellow ink
    };
    auto inks = [&](double f) {
        DrawChannel(w, plot, 0, {{0, f, -6.0, 2.0}}, 0, false);
        const QImage shot = w.grab().toImage();
        std::vector<Line> lines;
        for (const PlacedText& t : w.BandDisplayTexts()) {
            Line line{t.Text, -1, -1};
            for (int x = 0; x < w.GetPlotWidth(); ++x)
                for (int y = 0; y < rowHeight; ++y)
                    if (Near(PlotPixel(w, shot, x, t.At.Y + y), 255, 255, 0, 40)) {
                        if (line.first < 0) line.first = x;
                        line.last = x;
                    }
            lines.push_back(line);
        }
        return lines;
    };
    // The channel pages' plots and the Gain page's narrower ones.
    for (int width : {1070, 530}) {
    ApplyMainWindowSettings(w, width);
    const std::vector<Line> middle = inks(1000.0);
    ASSERT_EQ(middle.size(), 3u);
    for (double f : {20158.7, 19.7}) {
        SCOPED_TRACE(std::to_string(width) + " wide, " + std::to_string(f) + " Hz");
        const std::vector<Line> end = inks(f);
        ASSERT_EQ(end.size(), middle.size());
        for (std::size_t i = 0; i < end.size(); ++i) {
            SCOPED_TRACE(end[i].text);
            ASSERT_GE(end[i].first, 1);
            EXPECT_LT(end[i].last, w.GetPlotWidth() - 1);
            if (end[i].text == middle[i].text)
                EXPECT_EQ(end[i].last - end[i].first, middle[i].last - middle[i].first) << "whole";
        }
    }
    }
}

TEST(ResponsePlotTwin, TextsByLayoutKind) {
    using L = LMyFFTDrawHpLp6dB;
    const unsigned all = L::LineQ | L::LineFrequency | L::LineGain, qf = L::LineQ | L::LineFrequency,
                   f = L::LineFrequency;
    struct Case {
        int kind;
        unsigned plot, plotBand, twin, twinBand;
    } cases[] = {
        {-1, all, all, all, all}, {0, all, all, all, all}, {2, all, all, all, all}, {3, f, f, qf, qf},
        {4, qf, qf, qf, qf},      {5, f, f, f, f},         {6, qf, qf, qf, qf},     {7, f, f, 0, qf},
        {8, qf, qf, 0, qf},       {9, qf, qf, 0, qf},      {10, qf, qf, f, f},      {11, qf, qf, f, f},
        {12, qf, qf, 0, qf},
    };
    auto lines = [](const std::vector<PlacedText>& texts) {
        unsigned bits = 0;
        for (const PlacedText& t : texts)
            bits |= t.Text.rfind("Q:", 0) == 0 ? L::LineQ : t.Text.find("dB") != std::string::npos ? L::LineGain
                                                                                                   : L::LineFrequency;
        return bits;
    };
    L plotWidget;
    LMyFFTDrawPhase twin;
    for (L* w : {&plotWidget, static_cast<L*>(&twin)}) {
        ApplyMainWindowSettings(*w);
        w->show();
    }
    for (const Case& c : cases) {
        for (L* w : {&plotWidget, static_cast<L*>(&twin)}) {
            const bool isTwin = w == &twin;
            EXPECT_EQ(lines(w->ParamTexts(c.kind, 3.0, 2600.0, 1000.0f, 1.0)), isTwin ? c.twin : c.plot)
                << "kind " << c.kind << (isTwin ? " twin" : "");
            w->DrawParam(c.kind, 3.0, 2600.0, 1000.0f, 1.0, platform::clYellow);
            EXPECT_EQ(lines(w->BandDisplayTexts()), isTwin ? c.twinBand : c.plotBand)
                << "band display kind " << c.kind << (isTwin ? " twin" : "");
        }
    }
}

class ResponsePlotMouse : public ResponsePlotPicture {
protected:
    void SetUp() override {
        ResponsePlotPicture::SetUp();
        w.OnHandlePress = [this](QObject* sender, const HandleDrag& d) {
            EXPECT_EQ(sender, &w);
            events.push_back({'P', d});
        };
        w.OnHandleDrag = [this](QObject*, const HandleDrag& d) { events.push_back({'D', d}); };
        w.OnHandleRelease = [this](QObject*, const HandleDrag& d) { events.push_back({'R', d}); };
        w.OnMouseDown = [this](QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) { ++rawDowns; };
    }

    // Control pixel of a band handle.
    QPoint HandlePoint(int n) const {
        return QPoint(w.PlotRect().Left + w.GetBlockPos(n).X, w.PlotRect().Top + w.GetBlockPos(n).Y);
    }

    struct Event {
        char what;
        HandleDrag drag;
    };
    std::vector<Event> events;
    int rawDowns = 0;
};

TEST_F(ResponsePlotMouse, PressDragReleaseReportBandFrequencyAndGain) {
    DrawChannel(w, plot, 8, {{0, 300.0, -3.0, 1.0}, {0, 1000.0, 6.0, 1.0}}, 1, false);
    const QPoint grab = HandlePoint(1);
    EXPECT_EQ(w.HandleAt(grab.x(), grab.y()), 1);

    const QPoint to(w.PlotRect().Left + Sx(w, 2000.0), w.PlotRect().Top + Sy(w, 3.0));
    SendMouse(w, QEvent::MouseButtonPress, Qt::LeftButton, grab);
    SendMouse(w, QEvent::MouseMove, Qt::LeftButton, to);
    SendMouse(w, QEvent::MouseMove, Qt::LeftButton, to);  // same pixel: no report
    SendMouse(w, QEvent::MouseButtonRelease, Qt::LeftButton, to);

    ASSERT_EQ(events.size(), 3u);
    EXPECT_EQ(rawDowns, 1);
    EXPECT_EQ((std::string{events[0].what, events[1].what, events[2].what}), "PDR");
    for (const Event& e : events)
        EXPECT_EQ(e.drag.Handle, 1);
    EXPECT_NEAR(events[0].drag.Frequency, 1000.0, 10.0);
    EXPECT_NEAR(events[0].drag.Gain, 6.0, 0.2);
    const display::ResponsePlotModel& m = w.Model();
    for (int k : {1, 2}) {
        const HandleDrag& d = events[k].drag;
        EXPECT_DOUBLE_EQ(d.X, m.PlotX(to.x()));
        EXPECT_DOUBLE_EQ(d.Frequency, std::pow(10.0, d.X * std::log10(48000.0) / 4096.0));
        EXPECT_DOUBLE_EQ(d.Gain, m.PlotY(to.y()));
        EXPECT_NEAR(d.Frequency, 2000.0, 2000.0 * 0.01);  // one pixel is 0.75 %
        EXPECT_NEAR(d.Gain, 3.0, 0.2);
    }
    EXPECT_EQ(w.DraggedHandle(), -1);
}

TEST_F(ResponsePlotMouse, WhatAPressGrabs) {
    // Bands 0 and 1 on one spot, the low-cut handle on another band's spot.
    DrawChannel(w, plot, 8, {{0, 1000.0, 6.0, 1.0}, {0, 1000.0, 6.0, 2.0}, {0, 60.0, 0.0, 1.0}}, -1, true);
    w.DrawBlock(-6.0, GridX(5000.0), 0xFF, 3, true, LMyFFTDrawHpLp6dB::BlockCircle);

    struct Case {
        QPoint at;
        Qt::MouseButton button;
        int grabbed;
    } cases[] = {
        {HandlePoint(1), Qt::LeftButton, 0},                     // the lower band number wins
        {HandlePoint(1) + QPoint(4, 0), Qt::LeftButton, 0},      // within 5 pixels across
        {HandlePoint(1) + QPoint(5, 0), Qt::LeftButton, -1},
        {HandlePoint(10), Qt::LeftButton, 10},                   // the cut handle over band 2
        {HandlePoint(1), Qt::RightButton, -1},
        {HandlePoint(3), Qt::LeftButton, -1},                    // hidden
        {QPoint(w.PlotRect().Left + 5, w.PlotRect().Top + 5), Qt::LeftButton, -1},
    };
    for (const Case& c : cases) {
        events.clear();
        SendMouse(w, QEvent::MouseButtonPress, c.button, c.at);
        SendMouse(w, QEvent::MouseButtonRelease, c.button, c.at);
        if (c.grabbed < 0) {
            EXPECT_TRUE(events.empty()) << c.at.x() << "," << c.at.y();
        } else {
            ASSERT_EQ(events.size(), 2u);
            EXPECT_EQ(events[0].drag.Handle, c.grabbed);
        }
    }
    // A handle is in reach within 2 dB up or down.
    const QPoint band = HandlePoint(0);
    EXPECT_EQ(w.HandleAt(band.x(), w.PlotRect().Top + Sy(w, 7.8)), 0);
    EXPECT_EQ(w.HandleAt(band.x(), w.PlotRect().Top + Sy(w, 8.5)), -1);
}

TEST_F(ResponsePlotMouse, PanningMovesTheAxesOnlyWhenAskedFor) {
    const double xMin = w.Model().XMin(), yMin = w.Model().YMin();
    const QPoint from(w.PlotRect().Left + 100, w.PlotRect().Top + 100);
    auto drag = [&] {
        SendMouse(w, QEvent::MouseButtonPress, Qt::LeftButton, from);
        SendMouse(w, QEvent::MouseMove, Qt::LeftButton, from + QPoint(50, 20));
        SendMouse(w, QEvent::MouseButtonRelease, Qt::LeftButton, from + QPoint(50, 20));
    };
    drag();
    EXPECT_EQ(w.Model().XMin(), xMin);
    w.SetPanZoom(true);
    drag();
    const double perPixelX = (3840.0 - 966.0) / w.GetPlotWidth(), perPixelY = 36.0 / w.GetPlotHeight();
    EXPECT_NEAR(w.Model().XMin(), xMin - 50 * perPixelX, 1e-9);
    EXPECT_NEAR(w.Model().YMin(), yMin + 20 * perPixelY, 1e-9);
}

class CountingPlot : public LMyFFTDrawHpLp6dB {
public:
    int grids = 0;

protected:
    void drawGrid(platform::Canvas& c) override {
        ++grids;
        LMyFFTDrawHpLp6dB::drawGrid(c);
    }
};

// Whether the screen picture shows the red sum curve's +6 dB peak at 1 kHz.
bool ShowsPeak(LMyFFTDrawHpLp6dB& w) {
    return Near(PlotPixel(w, w.ScreenImage(), Sx(w, 1000.0), Sy(w, 6.0)), 255, 0, 0, 60);
}

TEST(ResponsePlotPages, ARepaintShowsTheLatestFinishedPicture) {
    const std::function<void(LMyFFTDrawHpLp6dB&)> repaints[] = {
        [](LMyFFTDrawHpLp6dB& w) { w.repaint(); },
        [](LMyFFTDrawHpLp6dB& w) {
            w.update();
            QApplication::processEvents();
        },
        [](LMyFFTDrawHpLp6dB& w) {
            w.hide();
            w.show();
            QApplication::processEvents();
        },
    };
    for (int way = 0; way < 3; ++way) {
        SCOPED_TRACE(way);
        CountingPlot w;
        ApplyMainWindowSettings(w);
        Plot plot(&w.Model());
        plot.DrawSum(8);  // hidden: nothing is drawn yet
        EXPECT_EQ(w.grids, 0);
        w.show();
        QApplication::processEvents();
        const QImage first = w.grab().toImage();
        const int afterShow = w.grids;
        EXPECT_GE(afterShow, 1);
        w.repaint();
        EXPECT_EQ(w.grids, afterShow) << "a repaint draws nothing again";
        EXPECT_EQ(w.grab().toImage(), first);

        // The sum curve is drawn, not presented: only the label rows are.
        plot.Sections[0]->SetFilter(6.0, 1000.0, 1.0, display::PlotFilterType::Peak);
        plot.DrawSum(8);
        QApplication::processEvents();
        EXPECT_EQ(w.grids, afterShow + 1);
        EXPECT_FALSE(ShowsPeak(w));
        repaints[way](w);
        EXPECT_TRUE(ShowsPeak(w));
        EXPECT_EQ(w.grids, afterShow + 1) << "shown from the finished picture, not drawn again";
    }
}

TEST(ResponsePlotPages, ARepaintShowsWhatAWriterDrew) {
    LMyFFTDrawHpLp6dB w;
    ApplyMainWindowSettings(w);
    w.show();
    QApplication::processEvents();
    const int row = Sy(w, -10.0);
    EXPECT_TRUE(Near(PlotPixel(w, w.ScreenImage(), Sx(w, 2000.0), row), 0, 72, 0));
    w.Model().SetGridColor(display::Rgb(0, 0, 200));  // redraws the plot area only
    w.repaint();
    EXPECT_TRUE(Near(PlotPixel(w, w.ScreenImage(), Sx(w, 2000.0), row), 0, 0, 200));
}

TEST(ResponsePlotPages, ZeroSizeDrawsNothingAndHitsNothing) {
    for (QSize size : {QSize(0, 255), QSize(1070, 0)}) {
        QWidget holder;  // a window of zero size is not allowed; a child is
        holder.resize(1100, 300);
        LMyFFTDrawHpLp6dB w(&holder);
        ApplyMainWindowSettings(w, size.width(), size.height());
        holder.show();
        Plot plot(&w.Model());
        w.DrawBlock(0.0, GridX(1000.0), 0xFF, 0, false, LMyFFTDrawHpLp6dB::BlockCircle);
        plot.DrawSum(0);
        w.UpdateCurvePage();
        w.repaint();
        EXPECT_EQ(w.GetPlotWidth(), 0);
        EXPECT_EQ(w.GetPlotHeight(), 0);
        EXPECT_TRUE(w.ScreenImage().isNull());
        int presses = 0;
        w.OnHandlePress = [&](QObject*, const HandleDrag&) { ++presses; };
        for (int x : {0, 1, 500})
            for (int y : {0, 1, 100}) {
                EXPECT_EQ(w.HandleAt(x, y), -1);
                SendMouse(w, QEvent::MouseButtonPress, Qt::LeftButton, QPoint(x, y));
                SendMouse(w, QEvent::MouseButtonRelease, Qt::LeftButton, QPoint(x, y));
            }
        EXPECT_EQ(presses, 0);
    }
}

TEST(ResponsePlotPages, TooSmallPlotDropsRowsOnceAndStops) {
    struct Case {
        int width, height;
        bool xLabels, yLabels;
    } cases[] = {
        {1070, 20, false, true},  // no room for the label row
        {1070, 5, false, true},   // no room even without it
        {30, 255, true, false},   // narrower than the level labels
        {3, 4, false, false},
    };
    for (const Case& c : cases) {
        LMyFFTDrawHpLp6dB w;
        ApplyMainWindowSettings(w, c.width, c.height);
        w.show();
        w.repaint();
        EXPECT_EQ(w.Model().ShowXLabel(), c.xLabels) << c.width << "x" << c.height;
        EXPECT_EQ(w.Model().ShowYLabel(), c.yLabels) << c.width << "x" << c.height;
        // Growing again and switching the rows back on restores the layout.
        w.resize(1070, 255);
        w.Model().SetShowXLabel(true);
        w.Model().SetShowYLabel(true);
        EXPECT_EQ(Texts(w.XAxisLabels()).size(), 10u);
        EXPECT_EQ(w.PlotRect().Top, 10);
    }
}

}  // namespace
}  // namespace responseplottest
