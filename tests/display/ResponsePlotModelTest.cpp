// The response plot's data model: curve list, properties, ranges and mapping.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "display/ResponsePlotModel.h"

namespace display {
namespace {

// Records the drawing steps the model asks for.
struct ModelFixture : ::testing::Test {
    ResponsePlotModel model;
    std::vector<PlotRedraw> steps;
    ModelFixture() {
        model.SetRedrawHandler([this](PlotRedraw step, int) { steps.push_back(step); });
    }
    // The main window's plots: fixed ranges, 4096 points at 96 kHz, 1070 px.
    void MainWindowSettings() {
        model.SetYAutoScale(false);
        model.SetXAutoScale(false);
        model.SetXMax(3840.0);
        model.SetXMin(966.0);
        model.SetSampleRate(TSampleRate::n96000);
        model.SetPlotArea(40, 10, 40 + 1070, 10 + 255);
        steps.clear();
    }
};

const double kThree[] = {3.0, 3.0, 3.0};

TEST(TPlotList, AddReplaceFindRemove) {
    TPlotList list;
    const double x[] = {0, 1}, y[] = {5, 6}, y2[] = {7, 8, 9}, x2[] = {0, 1, 2};
    EXPECT_FALSE(list.AddOrReplace(x, y, 2, 7, Rgb(1, 0, 0), 0));
    EXPECT_FALSE(list.AddOrReplace(x, y, 2, 8, Rgb(2, 0, 0), 1));
    EXPECT_EQ(list.Members().front().Key, 8);  // newest first
    EXPECT_TRUE(list.AddOrReplace(x2, y2, 3, 7, Rgb(3, 0, 0), 4));
    const TPlotListMember* m = list.Find(7);
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(m->NumPoints(), 3);
    EXPECT_EQ(m->YValues[2], 9.0);
    EXPECT_EQ(m->PlotColor, Rgb(1, 0, 0));  // first colour and style stay
    EXPECT_EQ(m->PlotStyle, 0);
    EXPECT_EQ(list.Members().back().Key, 7);  // and so does its place
    EXPECT_TRUE(list.Remove(7));
    EXPECT_FALSE(list.Remove(7));
    EXPECT_EQ(list.Find(7), nullptr);
    EXPECT_FALSE(list.AddOrReplace(nullptr, nullptr, -4, 9, 0, 0));
    EXPECT_EQ(list.Find(9)->NumPoints(), 0);
}

TEST(TPlotList, CopyHoldsMembersInReverseOrderAndAppendReplacesByKey) {
    TPlotList list;
    for (int key : {1, 2, 3})
        list.AddOrReplace(kThree, kThree, 3, key, 0, 0);  // head: 3, 2, 1
    const TPlotList copy(list);
    ASSERT_EQ(copy.Members().size(), 3u);
    EXPECT_EQ(copy.Members()[0].Key, 1);
    EXPECT_EQ(copy.Members()[2].Key, 3);
    EXPECT_NE(copy.Members()[0].YValues.data(), list.Members()[2].YValues.data());  // deep

    TPlotList other;
    const double y[] = {1.0};
    other.AddOrReplace(y, y, 1, 2, Rgb(9, 9, 9), 0);
    other.AddOrReplace(y, y, 1, 4, Rgb(9, 9, 9), 0);
    list.Append(other);
    EXPECT_EQ(list.Members().size(), 4u);
    EXPECT_EQ(list.Find(2)->NumPoints(), 1);
    EXPECT_EQ(list.Find(2)->PlotColor, 0u);
}

TEST_F(ModelFixture, FFTDrawReplacesByKeyAndRedrawsWithoutUpdate) {
    const double y[] = {1, 2, 3, 4};
    EXPECT_FALSE(model.FFTDraw(y, 4, 12, Rgb(1, 1, 1), 0));
    EXPECT_TRUE(model.FFTDraw(y, 2, 12, Rgb(2, 2, 2), 3));
    EXPECT_EQ(steps, (std::vector<PlotRedraw>{PlotRedraw::PlotsAndLabelsNoUpdate, PlotRedraw::PlotsAndLabelsNoUpdate}));
    std::vector<double> x;
    ASSERT_TRUE(model.GetPlotX(x, 12));
    EXPECT_EQ(x, (std::vector<double>{0, 1}));
    TColor colour = 0;
    int count = 0;
    EXPECT_TRUE(model.GetPlotColor(colour, 12));
    EXPECT_EQ(colour, Rgb(1, 1, 1));
    EXPECT_FALSE(model.GetPlotNumPoints(count, 99));
    EXPECT_EQ(count, 0);  // untouched

    // Evenly spread x values; a single point stands at the first x.
    model.FFTDraw(y, 3, 10.0, 20.0, 5, 0, 0);
    model.FFTDraw(y, 1, 10.0, 20.0, 6, 0, 0);
    model.GetPlotX(x, 5);
    EXPECT_EQ(x, (std::vector<double>{10, 15, 20}));
    model.GetPlotX(x, 6);
    EXPECT_EQ(x, (std::vector<double>{10}));
}

TEST_F(ModelFixture, RemovingAnUnknownKeyDoesNothing) {
    model.FFTDraw(kThree, 3, 1, 0, 0);
    steps.clear();
    EXPECT_FALSE(model.RemovePlot(2));
    EXPECT_TRUE(steps.empty());
    EXPECT_TRUE(model.RemovePlot(1));
    EXPECT_EQ(steps.size(), 1u);
}

TEST_F(ModelFixture, FixedRangesStayWhenCurvesChange) {
    MainWindowSettings();
    const double y[] = {-40, 50};
    model.FFTDraw(y, 2, 12, 0, 0);
    EXPECT_EQ(model.YMax(), 18.0);
    EXPECT_EQ(model.YMin(), -18.0);
    EXPECT_EQ(model.XMax(), 3840.0);
    EXPECT_EQ(model.XMin(), 966.0);
}

TEST_F(ModelFixture, AutoScale) {
    model.SetXAutoScale(false);
    model.FindYMaxMin();
    EXPECT_EQ(model.YMax(), 1.0);  // no curves
    EXPECT_EQ(model.YMin(), -1.0);
    model.FFTDraw(kThree, 3, 1, 0, 0);
    EXPECT_EQ(model.YMax(), 4.0);  // an empty range is widened
    EXPECT_EQ(model.YMin(), 3.0);
    model.SetYAxisFormat(TMyAxisFormat::Log);
    EXPECT_EQ(model.YMax(), 30.0);

    // An empty newest curve and infinite values take no part.
    const double y[] = {-5, -INFINITY, 7};
    model.SetYAxisFormat(TMyAxisFormat::Linear);
    model.FFTDraw(y, 3, 2, 0, 0);
    model.FFTDraw(nullptr, 0, 3, 0, 0);
    EXPECT_EQ(model.YMax(), 7.0);
    EXPECT_EQ(model.YMin(), -5.0);
}

TEST_F(ModelFixture, LogAxisRepairs) {
    model.SetYAutoScale(false);
    model.SetXAutoScale(false);
    model.SetYAxisFormat(TMyAxisFormat::Log);
    model.SetYMax(5.0);
    model.SetYMin(0.0);
    EXPECT_DOUBLE_EQ(model.YMin(), 0.05);
    model.SetXAxisFormat(TMyAxisFormat::Log);
    model.SetXMax(5.0);
    model.SetXMin(0.0);
    EXPECT_DOUBLE_EQ(model.XMin(), 0.5);
    EXPECT_DOUBLE_EQ(model.LogXMax(), std::log10(5.0));

    // Switching to Log with a non-positive range.
    ResponsePlotModel other;
    other.SetXAutoScale(false);
    other.SetXMax(-3.0);
    other.SetXAxisFormat(TMyAxisFormat::Log);
    EXPECT_EQ(other.XMax(), 10.0);
    EXPECT_EQ(other.XMin(), 1.0);
    other.SetXAxisFormat(TMyAxisFormat::Linear);  // leaves the range
    EXPECT_EQ(other.XMax(), 10.0);
}

TEST_F(ModelFixture, SettersKeepValuesInRange) {
    model.SetPointSize(-5);
    EXPECT_EQ(model.PointSize(), 1);
    model.SetPointSize(15);
    EXPECT_EQ(model.PointSize(), 10);
    model.SetNumHorzGrid(-2);
    EXPECT_EQ(model.NumHorzGrid(), 0);
    model.SetNumVertGrid(-1);
    EXPECT_EQ(model.NumVertGrid(), 0);
    model.SetHorzTickLength(900);
    EXPECT_EQ(model.HorzTickLength(), 500);
    model.SetVertTickLength(900);
    EXPECT_EQ(model.VertTickLength(), 250);
    model.SetVertTickLength(-3);
    EXPECT_EQ(model.VertTickLength(), 0);
    model.SetShowYLabel(false);
    model.SetXLabelPrecision(2);
    EXPECT_TRUE(model.ShowXLabel());
    EXPECT_FALSE(model.ShowYLabel());
}

TEST_F(ModelFixture, RedrawStepsFollowAutoRedraw) {
    model.SetYLabel("dB");  // unchanged: nothing at all
    EXPECT_TRUE(steps.empty());
    model.SetYLabel("");
    EXPECT_EQ(steps, (std::vector<PlotRedraw>{PlotRedraw::Layout, PlotRedraw::PlotsAndLabels}));
    steps.clear();
    model.SetAutoRedraw(false);
    model.SetYMax(20.0);
    model.SetShowXTitle(true);
    model.SetAxisColor(0x123456);
    EXPECT_EQ(steps, (std::vector<PlotRedraw>{PlotRedraw::Layout, PlotRedraw::Axis}));
    steps.clear();
    model.SetAutoRedraw(true);
    EXPECT_EQ(steps, (std::vector<PlotRedraw>{PlotRedraw::Redraw}));
}

TEST_F(ModelFixture, FrequencyPositionsOnTheMainWindowsAxis) {
    MainWindowSettings();
    EXPECT_EQ(model.PointCount(), 4096);
    EXPECT_EQ(model.TopFrequency(), 48000.0);
    EXPECT_NEAR(model.FrequencyToX(1000.0), 2624.9, 0.05);
    EXPECT_NEAR(model.FrequencyToX(20.0), 1138.4, 0.05);
    EXPECT_NEAR(model.FrequencyToX(20000.0), 3763.3, 0.05);
    EXPECT_NEAR(model.XToFrequency(model.FrequencyToX(1234.5)), 1234.5, 1e-9);
    model.SetSampleRate(TSampleRate::n192000);
    EXPECT_EQ(model.TopFrequency(), 72000.0);
}

TEST_F(ModelFixture, ScreenMappingAndItsInverse) {
    MainWindowSettings();
    EXPECT_DOUBLE_EQ(model.ScreenX(966.0), 0.0);
    EXPECT_DOUBLE_EQ(model.ScreenX(3840.0), 1070.0);
    EXPECT_DOUBLE_EQ(model.ScreenY(18.0), 0.0);
    EXPECT_DOUBLE_EQ(model.ScreenY(-18.0), 255.0);
    EXPECT_DOUBLE_EQ(model.ScreenY(0.0), 127.5);
    EXPECT_EQ(model.FFTScreenX(2000.0), model.ScreenX(2000.0));
    // Control pixels include the plot area's offset.
    for (double x : {966.0, 2624.94, 3500.0})
        EXPECT_NEAR(model.PlotX(model.ScreenX(x) + 40), x, 1e-9);
    for (double y : {-18.0, 6.0, 17.0})
        EXPECT_NEAR(model.PlotY(model.ScreenY(y) + 10), y, 1e-9);

    model.SetXAxisFormat(TMyAxisFormat::Log);
    model.SetYAxisFormat(TMyAxisFormat::Log);
    model.SetYMax(100.0);
    model.SetYMin(1.0);
    EXPECT_DOUBLE_EQ(model.ScreenY(10.0), 127.5);
    EXPECT_NEAR(model.PlotX(model.ScreenX(1500.0) + 40), 1500.0, 1e-9);
    EXPECT_NEAR(model.PlotY(model.ScreenY(42.0) + 10), 42.0, 1e-9);
    EXPECT_EQ(model.ScreenX(-1.0), model.ScreenX(model.XMin() * 0.1));  // non-positive values
}

TEST_F(ModelFixture, NoPlotAreaYetMapsToTheAxisMinimum) {
    model.SetXAutoScale(false);
    model.SetYAutoScale(false);
    EXPECT_EQ(model.GetPlotWidth(), 0);
    EXPECT_EQ(model.PlotX(300.0), model.XMin());
    EXPECT_EQ(model.PlotY(100.0), model.YMin());
    EXPECT_EQ(model.ScreenX(2000.0), 0.0);
}

TEST_F(ModelFixture, AssignCopiesCurvesAndPropertiesButNotTheSampleRate) {
    ResponsePlotModel source;
    source.SetXAutoScale(false);
    source.SetYAutoScale(false);
    source.SetYMax(30.0);
    source.SetPlotTitle("Other");
    source.SetSampleRate(TSampleRate::n96000);
    for (int key : {1, 2})
        source.FFTDraw(kThree, 3, key, 0, 0);
    model.AssignPlot(source);
    EXPECT_EQ(model.YMax(), 30.0);
    EXPECT_EQ(model.PlotTitle(), "Other");
    EXPECT_EQ(model.SampleRate(), TSampleRate::n48000);
    EXPECT_EQ(model.PlotList().Members().front().Key, 1);

    const ResponsePlotModel copy(source);
    EXPECT_EQ(copy.PlotList().Members().size(), 2u);
    EXPECT_EQ(copy.YMax(), 30.0);
}

}  // namespace
}  // namespace display
