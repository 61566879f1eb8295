// Channel base: deleting, statistics, DataStyle, axes, marker-widened values.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "ChannelFixture.h"
#include "controls/wException.h"

namespace {

using channeltest::AxesPlot;

std::string ErrorOf(const std::function<void()>& f) {
  try {
    f();
  } catch (const TwException& e) {
    return e.what();
  }
  return {};
}

TEST(Channel, DeletePointsEmptiesOrKeepsTheNewest) {
  const struct {
    int size;
    int left;
    std::string error;
  } cases[] = {{3, 0, ""}, {2, 1, ""}, {0, 3, ""}, {4, 3, "Delete size out of Range"}, {-1, 3, "Delete size out of Range"}};
  for (const auto& c : cases) {
    TwXYPlot plot;
    TwXYPlotChannel* ch = plot.GetChannel(0);
    for (double x : {1, 2, 3}) ch->AddXY(x, 10 * x);
    EXPECT_EQ(ErrorOf([&] { ch->DeletePoints(c.size); }), c.error) << c.size;
    EXPECT_EQ(ch->Count(), c.left) << c.size;
    if (c.left == 1) EXPECT_EQ(ch->GetDataX(0), 3);
  }
}

TEST(Channel, EmptyChannelReadings) {
  TwXYPlot plot;
  TwXYPlotChannel* ch = plot.GetChannel(0);
  EXPECT_EQ(ErrorOf([&] { ch->DeletePoints(0); }), "");
  EXPECT_EQ(ch->GetXMax(), -1e300);
  EXPECT_EQ(ch->GetXMin(), 1e300);
  EXPECT_EQ(ch->GetXMean(), 0);
  EXPECT_EQ(ch->XFirst(), -1);
  EXPECT_EQ(ch->YLast(), -1);
  EXPECT_EQ(ch->IndexFirst(), -1);
  EXPECT_EQ(ch->IndexLast(), -1);
  EXPECT_EQ(ch->DrawStartIndex(), -1);
}

TEST(Channel, RunningStatistics) {
  TwXYPlot plot;
  TwXYPlotChannel* ch = plot.GetChannel(0);
  ch->AddXY(1, 10);
  ch->AddXY(3, 30);
  EXPECT_EQ(ch->RunningXMin(), 1);
  EXPECT_EQ(ch->RunningXMax(), 3);
  EXPECT_EQ(ch->RunningYMean(), 20);
  // Deleting keeps the running values; the statistics on demand rescan.
  ch->DeletePoints(1);
  EXPECT_EQ(ch->RunningXMin(), 1);
  EXPECT_EQ(ch->GetXMin(), 3);
  EXPECT_EQ(ch->RunningXMin(), 3);
  ch->Clear();
  ch->AddXY(5, 50);
  EXPECT_EQ(ch->RunningXMean(), 5);
  EXPECT_EQ(ch->RunningYMean(), 50);

  // Null and Empty points count in the running values but not on demand.
  ch->Clear();
  ch->AddXY(2, 4);
  ch->AddNull();
  ch->AddEmpty();
  ch->AddXY(4, 8);
  EXPECT_EQ(ch->Count(), 4);
  EXPECT_EQ(ch->GetXMean(), 3);
  EXPECT_EQ(ch->GetYMax(), 8);
  EXPECT_EQ(ch->GetYMin(), 4);
  ch->ReCalcRunningMinMaxMean();
  EXPECT_EQ(ch->RunningXMin(), 2);
  EXPECT_EQ(ch->RunningYMean(), 6);
}

TEST(Channel, LongDoubleTotalsKeepTheMean) {
  // 1e16 + 1 is lost in a double sum, not in an 80-bit one.
  TwXYPlot plot;
  TwXYPlotChannel* ch = plot.GetChannel(0);
  ch->SetXAxisTrackingEnabled(false);
  ch->SetYAxisTrackingEnabled(false);
  ch->AddXY(1e16, 0);
  for (int i = 0; i < 4; ++i) ch->AddXY(1, 0);
  ch->AddXY(-1e16, 0);
  EXPECT_DOUBLE_EQ(ch->RunningXMean(), 4.0 / 6);
}

TEST(Channel, DataStyleChangeDropsPointsKeepsStyle) {
  TwXYPlot plot;
  TwXYPlotChannel* ch = plot.GetChannel(0);
  ch->SetColor(platform::clAqua);
  ch->SetMarkersSize(9);
  ch->SetRingBufferSize(5);
  for (double x : {1, 2, 3}) ch->AddXY(x, x);
  ch->SetDataStyle(ipdsCompactInterval);
  EXPECT_EQ(ch->Count(), 0);
  EXPECT_EQ(ch->Color(), platform::clAqua);
  EXPECT_EQ(ch->MarkersSize(), 9);
  EXPECT_EQ(ch->RingBufferSize(), 5);
  EXPECT_EQ(ch->DataPointSize(), 4);
  EXPECT_EQ(ch->MemoryUsed(), 20);
}

TEST(Channel, CountSetterOnARing) {
  TwXYPlot plot;
  TwXYPlotChannel* ch = plot.GetChannel(0);
  ch->SetRingBufferSize(3);
  ch->SetCount(0);
  EXPECT_EQ(ch->Capacity(), 1);
  ch->AddXY(1, 1);
  ch->AddXY(2, 2);
  EXPECT_EQ(ch->Count(), 1);
  EXPECT_EQ(ch->GetDataX(0), 2);
  EXPECT_EQ(ErrorOf([&] { ch->SetCount(-1); }), "Index out of Bounds");
  EXPECT_EQ(ErrorOf([&] { ch->SetRingBufferSize(-1); }), "Index out of Bounds");
  EXPECT_EQ(ch->RingBufferSize(), 1);
}

TEST(Channel, AxesByName) {
  TwXYPlot plot;
  TwXYPlotChannel* ch = plot.GetChannel(0);
  EXPECT_EQ(ch->XAxisName(), "X-Axis 1");
  EXPECT_EQ(ch->XAxis(), plot.GetXAxis(0));
  plot.GetXAxis(0)->SetName("Level");
  EXPECT_EQ(ch->XAxisName(), "Level") << "a renamed axis keeps its channels";
  ch->SetXAxisName("Nothing");
  EXPECT_EQ(ch->XAxis(), nullptr);
  EXPECT_FALSE(ch->AxesAssigned());
  EXPECT_EQ(ch->GetXValueText(1), "No X-Axis");
  ch->SetXAxisName("Level");
  ASSERT_NE(ch->XAxis(), nullptr);
  plot.DeleteXAxis(0);
  EXPECT_EQ(ch->XAxis(), nullptr) << "a removed axis is forgotten";
  EXPECT_EQ(ch->GetYValueText(-3), plot.GetYAxis(0)->GetLabelText(-3));
}

TEST(Channel, MarkerWidenedValues) {
  AxesPlot a(0, 100, 0, 100);  // 100 units over 500 pixels both ways
  TwXYPlotChannel* ch = a.channel;
  ch->AddXY(50, 20);
  EXPECT_EQ(ch->XPlusMarker(0), 50) << "without markers the plain value";
  ch->SetMarkersVisible(true);
  ch->SetMarkersSize(5);
  EXPECT_DOUBLE_EQ(ch->XPlusMarker(0), 51);
  EXPECT_DOUBLE_EQ(ch->XMinusMarker(0), 49);
  EXPECT_DOUBLE_EQ(ch->YPlusMarker(0), 21);
  EXPECT_DOUBLE_EQ(ch->YMinusMarker(0), 19);
  ch->AddNull();
  EXPECT_EQ(ErrorOf([&] { ch->XPlusMarker(1); }), "Data Point Null");
  ch->SetYAxisName("none");
  EXPECT_EQ(ErrorOf([&] { ch->YPlusMarker(0); }), "Y-Axis not assigned");
}

TEST(Channel, TracksItsAxesWithTheMarkerWidth) {
  AxesPlot a(0, 100, 0, 100);  // 100 units over 500 pixels
  TwPlotXAxis* x = a.plot.GetXAxis(0);
  x->SetTrackingEnabled(true);
  x->SetTrackingAlignFirstStyle(ipafsMin);
  x->SetTrackingStyle(iptsScrollSmooth);
  std::vector<double> mins;
  a.plot.OnXAxisMinChange = [&](int, double, double NewValue) { mins.push_back(NewValue); };
  a.channel->SetMarkersVisible(true);
  a.channel->SetMarkersSize(5);
  a.channel->AddXY(50, 20);
  ASSERT_EQ(mins.size(), 2u);
  EXPECT_DOUBLE_EQ(mins[0], 51);
  EXPECT_DOUBLE_EQ(mins[1], 49);

  // Without markers the plain X.
  mins.clear();
  a.channel->SetMarkersVisible(false);
  a.channel->AddXY(30, 20);
  EXPECT_EQ(mins, (std::vector<double>{30}));
}

TEST(Channel, AddXYArraysAndArray) {
  TwXYPlot plot;
  TwXYPlotChannel* ch = plot.GetChannel(0);
  ch->AddXYArrays({1, 2}, 3, 4, {10, 20}, 3, 4);
  ch->AddXYArray({{5, 6}, {50, 60}});
  ASSERT_EQ(ch->Count(), 4);
  EXPECT_EQ(ch->GetDataX(3), 6);
  EXPECT_EQ(ch->GetDataY(1), 20);
  EXPECT_EQ(ErrorOf([&] { ch->AddXYArrays({1}, 0, 0, {1}, 1, 1); }),
            "X-Data and Y-Data low bound dimension must match");
  EXPECT_EQ(ErrorOf([&] { ch->AddXYArrays({1, 2}, 0, 1, {1}, 0, 0); }),
            "X-Data and Y-Data hogh bound dimension must match");
  EXPECT_EQ(ErrorOf([&] { ch->AddXYArray({{1}, {2}, {3}}); }), "Array First Dimension Must Be 2 Elements");
  EXPECT_EQ(ErrorOf([&] { ch->AddXYArray({{1, 2}, {2}}); }), "Array Must Be 2 Dimensional");
  EXPECT_EQ(ch->Count(), 4) << "nothing added when a check fails";
}

TEST(Channel, TransferChannelData) {
  TwXYPlot plot;
  plot.AddChannel();
  TwXYPlotChannel* from = plot.GetChannel(0);
  from->AddXY(1, 1);
  from->AddNull();
  from->AddXY(3, 3);
  from->AddEmpty();
  plot.TransferChannelData(0, 1, 1, 3);
  TwXYPlotChannel* to = plot.GetChannel(1);
  ASSERT_EQ(to->Count(), 3);
  EXPECT_TRUE(to->GetDataNull(0));
  EXPECT_EQ(to->GetDataX(1), 3);
  EXPECT_TRUE(to->GetDataEmpty(2));
  plot.TransferChannelData(0, 1, 2, 1);
  EXPECT_EQ(to->Count(), 3) << "StopIndex below StartIndex copies nothing";
  EXPECT_EQ(ErrorOf([&] { plot.TransferChannelData(0, 1, -1, 2); }), "Start Index Must be 0 or Greater");
  EXPECT_EQ(ErrorOf([&] { plot.TransferChannelData(0, 1, 0, 4); }), "StopIndex Must Out Of Range");
}

// Deleting and adding over and over (the pages' update) leaves exactly the
// new points; the sanitizer build checks the memory.
TEST(Channel, RepeatedDeleteAndAdd) {
  TwXYPlot plot;
  TwXYPlotChannel* ch = plot.GetChannel(0);
  for (int round = 0; round < 1000; ++round) {
    ch->DeletePoints(ch->Count());
    for (int i = 0; i < 3; ++i) ch->AddXY(round + i, -i);
  }
  EXPECT_EQ(ch->Count(), 3);
  EXPECT_EQ(ch->GetDataX(0), 999);
  EXPECT_EQ(ch->GetDataY(2), -2);
}

TEST(Channel, StyleDefaultsAndNotifications) {
  TwXYPlot plot;
  TwXYPlotChannel* ch = plot.GetChannel(0);
  EXPECT_EQ(ch->TraceLineWidth(), 1);
  EXPECT_EQ(ch->MarkersSize(), 3);
  EXPECT_EQ(ch->MarkersStyle(), ipmsCircle);
  EXPECT_EQ(ch->MarkersPenColor(), platform::clRed);
  EXPECT_EQ(ch->MarkersFont().Color, platform::clWhite);
  EXPECT_EQ(ch->MarkersFont().Style, platform::fsBold);
  EXPECT_TRUE(ch->TraceVisible());
  EXPECT_TRUE(ch->XAxisTrackingEnabled());
  EXPECT_EQ(ch->DataStyle(), ipdsStandard);
  int changes = 0;
  ch->OnChange = [&](TwPersistent*) { ++changes; };
  ch->SetColor(ch->Color());
  EXPECT_EQ(changes, 1) << "a store-backed value notifies on every write";
  ch->SetClipToAxes(false);
  EXPECT_EQ(changes, 1) << "a plain value notifies only on a change";
}

}  // namespace
