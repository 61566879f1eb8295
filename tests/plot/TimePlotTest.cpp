// Time-series plot: construction, order check, time sources, draw range,
// search and readout, right-click hit.
#include <gtest/gtest.h>

#include <typeinfo>

#include "TimePlotFixture.h"

namespace {

using timetest::ErrorOf;
using timetest::TimeAxesPlot;

// Exposes the channel's hit test with a given mouse button.
struct HitProbe : TwPlotChannel {
  static bool Hit(TwPlotChannel* c, int X, int Y, Qt::MouseButton Button) {
    TwPlotMouseData d;
    d.X = d.XAxisPixels = X;
    d.Y = d.YAxisPixels = Y;
    d.Button = Button;
    return (c->*(&HitProbe::DoHitTest))(d);
  }
};

TEST(TimePlot, NewPlotHoldsTimeSeriesChannel) {
  TwPlot plot;
  EXPECT_EQ(plot.GetChannel(0)->Name(), "Channel 1");
  EXPECT_EQ(plot.GetLabel(0)->Name(), "Title");
  EXPECT_THROW(plot.GetChannel(1), std::out_of_range);
  EXPECT_EQ(plot.ChannelCount(), 1);
}

TEST(TimePlot, GetYInterpolatedBetweenPoints) {
  // 200 pixels over 20 units: 10 pixels a unit.
  const struct {
    double x;
    bool found;
    double y;
  } cases[] = {{15, true, 150}, {15.04, true, 150}, {19.96, true, 200}, {10, true, 100},
               {20, true, 200}, {5, false, 0},      {25, false, 0}};
  TimeAxesPlot f(0, 20, 0, 400, 0, 200);
  f.channel->AddXY(10, 100);
  f.channel->AddXY(20, 200);
  for (const auto& c : cases) {
    double y = -1;
    EXPECT_EQ(f.channel->GetYInterpolated(c.x, y), c.found) << c.x;
    if (c.found) EXPECT_DOUBLE_EQ(y, c.y) << c.x;
  }
  f.channel->SetDigitalEnabled(true);
  double y = 0;
  EXPECT_TRUE(f.channel->GetYInterpolated(15, y));
  EXPECT_EQ(y, 100);
}

TEST(TimePlot, GetYInterpolatedStopsAtNullAndEmpty) {
  for (bool null : {true, false}) {
    TimeAxesPlot f(0, 40, 0, 400, 0, 400);
    f.channel->AddXY(10, 100);
    if (null)
      f.channel->AddXNull(20);
    else
      f.channel->AddXEmpty(20);
    f.channel->AddXY(30, 300);
    double y = 0;
    EXPECT_FALSE(f.channel->GetYInterpolated(25, y)) << null;
    EXPECT_FALSE(f.channel->GetYInterpolated(15, y)) << null;
  }
}

TEST(TimePlot, FallingDataReadOut) {
  TimeAxesPlot f(0, 20, 0, 400, 0, 200);
  f.channel->AddXY(20, 200);
  f.channel->AddXY(10, 100);
  EXPECT_FALSE(f.channel->XIncreasing());
  double y = 0;
  EXPECT_TRUE(f.channel->GetYInterpolated(15, y));
  EXPECT_DOUBLE_EQ(y, 150);
}

TEST(TimePlot, CalcIndexAndDrawRange) {
  TimeAxesPlot f(0, 30, 0, 100);
  for (double x : {0, 10, 20}) f.channel->AddXY(x, 1);
  EXPECT_EQ(f.channel->CalcIndex(15), 2);
  EXPECT_EQ(f.channel->CalcIndex(10), 1);
  EXPECT_EQ(f.channel->CalcIndex(25), -1);
  EXPECT_EQ(f.channel->CalcIndex(-1), -1);

  TimeAxesPlot g(35, 30, 0, 100);
  for (int i = 0; i <= 10; ++i) g.channel->AddXY(10 * i, 1);
  g.channel->CalcDrawStartIndex();
  g.channel->CalcDrawStopIndex();
  EXPECT_EQ(g.channel->DrawStartIndex(), 3);
  EXPECT_EQ(g.channel->DrawStopIndex(), 7);
  // The same by a scan.
  g.channel->SetDrawOutOfOrderXValues(true);
  g.channel->CalcDrawStartIndex();
  g.channel->CalcDrawStopIndex();
  EXPECT_EQ(g.channel->DrawStartIndex(), 3);
  EXPECT_EQ(g.channel->DrawStopIndex(), 7);
}

TEST(TimePlot, OutOfOrderXRefused) {
  TimeAxesPlot f(0, 10, 0, 10);
  f.channel->SetAllowOutOfOrderXValues(false);
  for (double x : {1, 2, 3}) f.channel->AddXY(x, 0);
  EXPECT_EQ(ErrorOf([&] { f.channel->AddXY(2.5, 0); }), "New Data-Point X-Value is out of order");
  EXPECT_EQ(f.channel->Count(), 3);
  EXPECT_EQ(ErrorOf([&] { f.channel->AddYNow(1); }), "");

  TimeAxesPlot g(0, 10, 0, 10);
  g.channel->SetAllowOutOfOrderXValues(false);
  for (double x : {3, 2}) g.channel->AddXY(x, 0);
  EXPECT_EQ(ErrorOf([&] { g.channel->AddXY(2.5, 0); }), "New Data-Point X-Value is out of order.");
}

TEST(TimePlot, AddYArrayStepsFromTheLastX) {
  TimeAxesPlot f(0, 10, 0, 10);
  f.channel->AddYArray(0.5, {1, 2, 3});
  ASSERT_EQ(f.channel->Count(), 3);
  EXPECT_EQ(f.channel->GetDataX(0), 0);
  EXPECT_EQ(f.channel->GetDataX(1), 0.5);
  EXPECT_EQ(f.channel->GetDataX(2), 1);
  EXPECT_EQ(f.channel->GetDataY(2), 3);
  f.channel->AddYArray(2, {7});
  EXPECT_EQ(f.channel->GetDataX(3), 1);
}

TEST(TimePlot, TimeSources) {
  TimeAxesPlot f(0, 10, 0, 10);
  f.channel->SetElapsedStartTime(PlotNow() - 1.0 / 24);  // an hour ago
  f.channel->AddYElapsedSeconds(1);
  EXPECT_NEAR(f.channel->GetDataX(0), 3600, 2);
  f.channel->AddYElapsedTime(1);
  EXPECT_NEAR(f.channel->GetDataX(1), 1.0 / 24, 1e-4);
  f.channel->AddYNow(1);
  EXPECT_NEAR(f.channel->GetDataX(2), PlotNow(), 1e-4);
  // The first point of an empty channel restarts the clock.
  TimeAxesPlot g(0, 10, 0, 10);
  g.channel->SetResetStartTimeOnFirstDataPoint(true);
  g.channel->SetElapsedStartTime(0);
  g.channel->AddYElapsedSeconds(1);
  EXPECT_NEAR(g.channel->GetDataX(0), 0, 2);
}

TEST(TimePlot, AddHighLowKeepsItsValues) {
  TimeAxesPlot f(0, 10, 0, 100);
  f.channel->SetDataStyle(ipdsFullFeature);
  const int i = f.channel->AddHighLow(1, 40, 10, 20, 30);
  EXPECT_EQ(f.channel->GetDataY(i), 0);
  EXPECT_EQ(f.channel->DataList().GetHigh(i), 40);
  EXPECT_EQ(f.channel->DataList().GetLow(i), 10);
  EXPECT_EQ(f.channel->DataList().GetOpen(i), 20);
  EXPECT_EQ(f.channel->DataList().GetClose(i), 30);
}

TEST(TimePlot, RightClickNearTheTraceHits) {
  TimeAxesPlot f(0, 100, 0, 100);
  f.channel->AddXY(0, 50);
  f.channel->AddXY(100, 50);
  const platform::TPoint p = f.Pixel(50, 50);
  EXPECT_TRUE(HitProbe::Hit(f.channel, p.X, p.Y - 5, Qt::RightButton));
  EXPECT_FALSE(HitProbe::Hit(f.channel, p.X, p.Y - 15, Qt::RightButton));
  EXPECT_FALSE(HitProbe::Hit(f.channel, p.X, p.Y - 5, Qt::LeftButton));
}

TEST(TimePlot, FitExtents) {
  TimeAxesPlot f(0, 100, 0, 100);
  EXPECT_EQ(f.channel->GetFitXMax(), -1e300);
  f.channel->AddXY(10, 5);
  f.channel->AddXY(20, 50);
  f.channel->AddXNull(30);
  EXPECT_EQ(f.channel->GetFitXMax(), 20);
  EXPECT_EQ(f.channel->GetFitXMin(), 10);
  EXPECT_EQ(f.channel->GetFitYMax(), 50);
  EXPECT_EQ(f.channel->GetFitYMin(), 5);
}

}  // namespace
