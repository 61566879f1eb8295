// The segmented level bar: ticks, zones and lit ticks, the size snapping to
// whole ticks, the setter rules and events, and the painted ticks.
#include "controls/DvLevelBar.h"

#include <QImage>
#include <gtest/gtest.h>

#include <string>
#include <vector>

using platform::TRect;

namespace {

const QColor kBlack(0, 0, 0), kLime(0, 255, 0), kGreen(0, 128, 0), kOlive(128, 128, 0), kYellow(255, 255, 0),
    kRed(255, 0, 0), kMaroon(128, 0, 0);

// One of the automix dialog's bars.
void MakeAutomixBar(TDvLevelBar& bar) {
  TDvBevel* bevel = bar.Bevel();
  bevel->SetInnerStyle(TDvBevelStyle::bsNone);
  bevel->SetOuterStyle(TDvBevelStyle::bsNone);
  bevel->SetInnerWidth(1);
  bevel->SetInnerSpace(0);
  bevel->SetOuterOutline(osOuter);
  bar.SetBounds(0, 0, 12, 121);
  bar.SetMinValue(-60);
  bar.SetMaxValue(20);
  bar.SetPosition(-60);
  bar.SetPercent1(75);
  bar.SetPercent2(15);
}

QImage Shot(QWidget& w) { return w.grab().toImage().convertToFormat(QImage::Format_RGB32); }

TEST(DvLevelBar, Defaults) {
  TDvLevelBar bar;
  EXPECT_EQ(bar.MinValue(), 0);
  EXPECT_EQ(bar.MaxValue(), 100);
  EXPECT_EQ(bar.Position(), 0);
  EXPECT_EQ(bar.Percent1(), 60);
  EXPECT_EQ(bar.Percent2(), 25);
  EXPECT_EQ(bar.Orientation(), voVertical);
  EXPECT_EQ(bar.Style(), psBottomLeft);
  EXPECT_EQ(bar.Spacing(), 1);
  EXPECT_EQ(bar.TickHeight(), 1);
  EXPECT_EQ(bar.Step(), 10);
  EXPECT_EQ(bar.Color(), kBlack);
  EXPECT_EQ(bar.Palette1()->Low(), kGreen);
  EXPECT_EQ(bar.Palette1()->High(), kLime);
  EXPECT_EQ(bar.Palette2()->Low(), kOlive);
  EXPECT_EQ(bar.Palette2()->High(), kYellow);
  EXPECT_EQ(bar.Palette3()->Low(), kMaroon);
  EXPECT_EQ(bar.Palette3()->High(), kRed);
  EXPECT_EQ(bar.Bevel()->InnerStyle(), TDvBevelStyle::bsLowered);
  EXPECT_EQ(bar.Bevel()->InnerWidth(), 2);
  EXPECT_EQ(bar.Bevel()->InnerColor(), platform::clBlack);
  // 20 x 170 inside a 5-pixel bevel snaps to 80 ticks: 10 + 80 x 2 - 1.
  EXPECT_EQ(bar.size(), QSize(20, 169));
  EXPECT_EQ(bar.TickCount(), 80);
}

TEST(DvLevelBar, AutomixZonesAndLitTicks) {
  TDvLevelBar bar;
  MakeAutomixBar(bar);
  ASSERT_EQ(bar.TickCount(), 60);
  EXPECT_EQ(bar.ZoneOf(0), 1);
  EXPECT_EQ(bar.ZoneOf(44), 1);
  EXPECT_EQ(bar.ZoneOf(45), 2);
  EXPECT_EQ(bar.ZoneOf(53), 2);
  EXPECT_EQ(bar.ZoneOf(54), 3);
  EXPECT_EQ(bar.ZoneOf(59), 3);
  struct Case { int position, lit; };
  const Case cases[] = {{0, 45}, {12, 54}, {20, 60}, {-59, 0}, {-60, 0}, {-100, 0}, {200, 60}};
  for (const Case& c : cases) {
    bar.SetPosition(c.position);
    EXPECT_EQ(bar.LitCount(), c.lit) << c.position;
  }
}

TEST(DvLevelBar, AutomixPixels) {
  TDvLevelBar bar;
  MakeAutomixBar(bar);
  bar.SetPosition(0);
  QImage img = Shot(bar);
  EXPECT_EQ(img.pixelColor(5, 31), kLime) << "tick 44, the last lit one";
  EXPECT_EQ(img.pixelColor(5, 29), kOlive) << "tick 45, unlit zone 2";
  EXPECT_EQ(img.pixelColor(5, 30), kBlack) << "the gap";
  EXPECT_EQ(img.pixelColor(0, 0), kBlack) << "the outline";
  EXPECT_EQ(img.pixelColor(5, 119), kLime) << "tick 0 on the view port's last row";
  EXPECT_EQ(img.pixelColor(5, 1), kMaroon);
  bar.SetPosition(20);
  img = Shot(bar);
  EXPECT_EQ(img.pixelColor(5, 1), kRed) << "tick 59";
  EXPECT_EQ(img.pixelColor(1, 1), kRed) << "ticks span the view port";
  EXPECT_EQ(img.pixelColor(11, 1), kBlack);
}

TEST(DvLevelBar, LengthSnapsToWholeTicks) {
  TDvLevelBar bar;
  MakeAutomixBar(bar);
  EXPECT_EQ(bar.height(), 121);
  bar.SetBounds(0, 0, 12, 122);
  EXPECT_EQ(bar.size(), QSize(12, 121));
  // A size given as Qt's geometry snaps as well.
  bar.setGeometry(0, 0, 12, 124);
  Shot(bar);
  EXPECT_EQ(bar.size(), QSize(12, 123));
  bar.SetTickHeight(2);  // step 3: (121 + 1) / 3 = 40 ticks, 2 + 120 - 1
  EXPECT_EQ(bar.height(), 121);
  EXPECT_EQ(bar.TickCount(), 40);
  bar.SetTickHeight(0);
  EXPECT_EQ(bar.TickHeight(), 2);
}

TEST(DvLevelBar, OrientationSwapsTheSizeAndStyleMovesTickZero) {
  TDvLevelBar bar;
  MakeAutomixBar(bar);
  bar.SetStyle(psTopRight);
  EXPECT_EQ(bar.TickRect(0), (TRect{1, 1, 11, 2}));
  bar.SetOrientation(voHorizontal);
  EXPECT_EQ(bar.size(), QSize(121, 12));
  EXPECT_EQ(bar.TickRect(0), (TRect{119, 1, 120, 11}));
  bar.SetStyle(psBottomLeft);
  EXPECT_EQ(bar.TickRect(0), (TRect{1, 1, 2, 11}));
  EXPECT_EQ(bar.TickRect(59), (TRect{119, 1, 120, 11}));
  bar.SetPosition(0);
  const QImage img = Shot(bar);
  EXPECT_EQ(img.pixelColor(89, 5), kLime) << "tick 44";
  EXPECT_EQ(img.pixelColor(91, 5), kOlive) << "tick 45";
}

TEST(DvLevelBar, BevelChangeKeepsTheViewPort) {
  TDvLevelBar bar;  // 20 x 169, view port 10 x 159
  ASSERT_EQ(bar.ViewPort(), (TRect{5, 5, 15, 164}));
  bar.Bevel()->SetInnerStyle(TDvBevelStyle::bsNone);  // 2 pixels less each side
  EXPECT_EQ(bar.size(), QSize(16, 165));
  EXPECT_EQ(bar.ViewPort(), (TRect{3, 3, 13, 162}));
}

TEST(DvLevelBar, PositionEventsInOrder) {
  TDvLevelBar bar;
  MakeAutomixBar(bar);
  bar.SetPosition(0);
  std::vector<std::string> events;
  bar.OnChange = [&](QObject* s) {
    EXPECT_EQ(s, &bar);
    events.push_back("change");
  };
  bar.OnMinValue = [&](QObject*) { events.push_back("min"); };
  bar.OnMaxValue = [&](QObject*) { events.push_back("max"); };
  bar.SetPosition(-100);
  EXPECT_EQ(bar.Position(), -60);
  EXPECT_EQ(events, (std::vector<std::string>{"change", "min"}));
  bar.SetPosition(-100);
  EXPECT_EQ(events.size(), 2u) << "no change, no events";
  events.clear();
  bar.SetPosition(25);
  EXPECT_EQ(events, (std::vector<std::string>{"change", "max"}));
  events.clear();
  bar.StepBy(-5);
  bar.SetStep(3);
  bar.StepIt();
  EXPECT_EQ(bar.Position(), 18);
  EXPECT_EQ(events, (std::vector<std::string>{"change", "change"}));
}

TEST(DvLevelBar, RangeAndPercentRules) {
  TDvLevelBar bar;
  MakeAutomixBar(bar);
  bar.SetPercent2(30);
  EXPECT_EQ(bar.Percent2(), 15) << "75 + 30 would exceed 100";
  bar.SetPercent1(90);
  EXPECT_EQ(bar.Percent1(), 85);
  bar.SetMaxValue(-60);
  EXPECT_EQ(bar.MaxValue(), 20) << "equal to MinValue";
  bar.SetMinValue(20);
  EXPECT_EQ(bar.MinValue(), -60) << "not below MaxValue";
  bar.SetPosition(10);
  int changes = 0;
  bar.OnChange = [&](QObject*) { ++changes; };
  bar.SetMaxValue(5);
  EXPECT_EQ(bar.Position(), 5) << "lowered with the maximum";
  bar.SetMinValue(8);
  EXPECT_EQ(bar.MinValue(), -60) << "not below the new maximum";
  bar.SetMinValue(0);
  EXPECT_EQ(bar.Position(), 5);
  bar.SetPosition(0);
  bar.SetMinValue(2);
  EXPECT_EQ(bar.Position(), 2) << "raised with the minimum";
  EXPECT_EQ(changes, 3);
}

}  // namespace
