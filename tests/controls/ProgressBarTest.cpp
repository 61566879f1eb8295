// The levelled progress bar: percentages, repaint requests, the Format text,
// the block layout, the endless band and the painted pixels.
#include "controls/ExProgressBar.h"

#include "PaintCounter.h"
#include "support/UiFixture.h"

#include <QElapsedTimer>
#include <QImage>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include <vector>

namespace {

const QColor kWhite(255, 255, 255), kLime(0, 255, 0), kRed(255, 0, 0), kParent(0, 0, 200);

// The progress window's bar on a blue parent.
struct BarFixture : ::testing::Test {
  QWidget parent;
  TExProgressBar* bar = new TExProgressBar(&parent);
  void SetUp() override {
    parent.resize(455, 70);
    parent.setAutoFillBackground(true);
    QPalette pal = parent.palette();
    pal.setColor(QPalette::Window, kParent);
    parent.setPalette(pal);
    bar->setGeometry(12, 14, 431, 41);
    bar->SetFont(platform::TFont{.Name = "Verdana", .Height = -13});
  }
  QImage Shot() {
    return parent.grab(bar->geometry()).toImage().convertToFormat(QImage::Format_RGB32);
  }
  bool ColumnHolds(const QImage& img, int x, const QColor& c) {
    for (int y = 0; y < img.height(); ++y)
      if (img.pixelColor(x, y) == c) return true;
    return false;
  }
  // Lengths of the coloured runs along the middle line.
  std::vector<int> Runs(const QImage& img) {
    std::vector<int> runs;
    int run = 0;
    for (int x = 2; x < img.width() - 1; ++x) {
      if (img.pixelColor(x, 20) != kWhite) {
        ++run;
      } else if (run) {
        runs.push_back(run);
        run = 0;
      }
    }
    if (run) runs.push_back(run);
    return runs;
  }
  // Whether a change asked for a repaint of the shown bar.
  template <typename F>
  bool Repaints(F change) {
    testsupport::RunEventLoop(5);
    PaintCounter counter(bar);
    change();
    testsupport::RunEventLoop(10);
    return counter.paints > 0;
  }
};

TEST(ExProgressBar, PercentagesAndTexts) {
  struct Case { int min, max, write, stored, percent; const char* text; };
  const Case cases[] = {
      {0, 31, 0, 0, 0, "0%"},       {0, 31, 10, 10, 32, "32%"},   {0, 31, 31, 31, 100, "100%"},
      {0, 31, 40, 31, 100, "100%"}, {0, 31, -5, 0, 0, "0%"},      {0, 8, 1, 1, 12, "12%"},
      {0, 8, 3, 3, 38, "38%"},      {0, 40, 23, 23, 58, "58%"},   {0, 8, 5, 5, 62, "62%"},
      {0, 0, 0, 0, 0, "0%"},        {50, 150, 100, 100, 50, "50%"}, {50, 150, 10, 50, 0, "0%"},
      {-60, 20, 0, 0, 75, "75%"},
  };
  for (const Case& c : cases) {
    TExProgressBar bar;
    bar.SetMin(c.min);
    bar.SetMax(c.max);
    bar.SetPosition(c.write);
    EXPECT_EQ(bar.Position(), c.stored) << c.min << ".." << c.max << " / " << c.write;
    EXPECT_EQ(bar.Percent(), c.percent) << c.min << ".." << c.max << " / " << c.write;
    EXPECT_EQ(bar.PositionText(), c.text);
  }
}

TEST(ExProgressBar, FormatAndValueTexts) {
  TExProgressBar bar;
  bar.SetMax(8);
  bar.SetPosition(3);
  bar.SetShowPercentage(false);
  EXPECT_EQ(bar.PositionText(), "3");
  bar.SetFormat("%d of %d");
  EXPECT_EQ(bar.PositionText(), "3 of 8");
  bar.SetFormat("%03d/%x%%");
  EXPECT_EQ(bar.PositionText(), "003/8%");
  // Conversions that would read other argument types are not applied.
  // Nor are widths and precisions past a line of text.
  for (const char* f : {"%s", "%f", "%d %d %d", "%*d", "%n", "%ld", "%2147483647d", "%d of %.100000000d"}) {
    bar.SetFormat(f);
    EXPECT_EQ(bar.PositionText(), f);
  }
  EXPECT_EQ(bar.Version(), "1.2.0.1");
  bar.SetVersion("2");
  EXPECT_EQ(bar.Version(), "1.2.0.1");
}

TEST_F(BarFixture, RepaintRequests) {
  parent.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&parent));
  bar->SetMax(31);
  bar->SetPosition(30);
  EXPECT_TRUE(Repaints([&] { bar->SetPosition(40); })) << "stored at the bound, and shown";
  EXPECT_EQ(bar->Position(), 31);
  EXPECT_EQ(bar->Percent(), 100);
  EXPECT_TRUE(Repaints([&] { bar->SetPosition(-1); }));
  bar->SetMax(1000);
  bar->SetPosition(502);
  EXPECT_FALSE(Repaints([&] { bar->SetPosition(503); })) << "same block, same percentage";
  EXPECT_TRUE(Repaints([&] { bar->SetPosition(510); })) << "a multiple of the increment";
  EXPECT_TRUE(Repaints([&] { bar->SetPosition(515); })) << "52 %";
  bar->SetPosition(600);
  EXPECT_FALSE(Repaints([&] { bar->SetPosition(604); }));
  EXPECT_FALSE(Repaints([&] { bar->SetPosition(605); })) << "60.5 rounds to the even 60";
  EXPECT_TRUE(Repaints([&] { bar->SetPosition(606); })) << "61 %";
  EXPECT_TRUE(Repaints([&] { bar->SetFont(platform::TFont{.Name = "Verdana", .Height = -11}); }));
}

TEST_F(BarFixture, BlocksOfSevenWithAShorterLastOne) {
  bar->SetShowPosition(false);
  struct Case { int position; std::vector<int> runs; };
  std::vector<int> half(23, 7), third(15, 7);
  half.push_back(6);
  const Case cases[] = {
      {50, half},   // 429 x 50 % = 214.5 -> 214 = 23 x 9 + 7
      {32, third},  // 137.28 -> 137 = 15 x 9 + 2: no last block
      {2, {8}},     // 8.58 -> 9 pixels: one block of 8
      {0, {}},
  };
  for (const Case& c : cases) {
    bar->SetPosition(c.position);
    EXPECT_EQ(Runs(Shot()), c.runs) << c.position;
  }
  bar->SetCompletionSmooth(true);
  bar->SetPosition(50);
  EXPECT_EQ(Runs(Shot()), std::vector<int>{212}) << "from x 2 to 214";
  bar->SetCompletionSmooth(false);
  bar->SetStacked(true);
  bar->SetPosition(100);
  // Segments of 70 %, 20 % and the rest, each with a full colour on the middle line.
  const QImage img = Shot();
  EXPECT_EQ(img.pixelColor(2 + 150, 20), kLime);
  EXPECT_EQ(img.pixelColor(2 + 300 + 50, 20), QColor(255, 255, 0));
  EXPECT_EQ(img.pixelColor(2 + 386 + 20, 20), QColor(255, 169, 83));
  EXPECT_EQ(img.pixelColor(429, 20), QColor(255, 169, 83)) << "the last segment fills the rest";
}

TEST_F(BarFixture, PixelsOnTheProgressWindow) {
  bar->SetPosition(32);
  QImage img = Shot();
  EXPECT_TRUE(ColumnHolds(img, 5, kLime));
  EXPECT_EQ(img.pixelColor(5, 20), kLime) << "the middle line";
  EXPECT_EQ(img.pixelColor(5, 2), QColor(225, 255, 225)) << "the edge colour";
  EXPECT_EQ(img.pixelColor(9, 20), kWhite) << "the gap after the first block";
  EXPECT_EQ(img.pixelColor(0, 0), kParent) << "the rounded corner";
  EXPECT_EQ(img.pixelColor(215, 0), QColor(128, 128, 128)) << "the border";
  bar->SetPosition(100);
  img = Shot();
  EXPECT_TRUE(ColumnHolds(img, 5, kRed));
  EXPECT_FALSE(ColumnHolds(img, 5, kLime));
  bar->SetPosition(80);
  EXPECT_TRUE(ColumnHolds(Shot(), 5, QColor(255, 255, 0)));
  bar->SetPosition(95);
  EXPECT_TRUE(ColumnHolds(Shot(), 5, QColor(255, 169, 83)));
}

TEST_F(BarFixture, LevelZonesBehindTheFill) {
  bar->SetShowPosition(false);
  bar->SetPosition(0);
  const QColor zone0(10, 10, 10), zone2(30, 30, 30);
  bar->SetLevel0BkColor(zone0);
  bar->SetLevel2BkColor(zone2);
  QImage img = Shot();
  EXPECT_EQ(img.pixelColor(1, 20), kWhite) << "zones start at x 2";
  EXPECT_EQ(img.pixelColor(2, 1), zone0);
  EXPECT_EQ(img.pixelColor(299, 20), zone0) << "[70 % of 429] = 300";
  EXPECT_EQ(img.pixelColor(300, 20), kWhite) << "zone 1 has no colour";
  EXPECT_EQ(img.pixelColor(385, 20), kWhite) << "[20 % of 429] = 86 more";
  EXPECT_EQ(img.pixelColor(386, 20), zone2);
  EXPECT_EQ(img.pixelColor(429, 20), zone2);
  EXPECT_EQ(img.pixelColor(430, 20), QColor(128, 128, 128));
  bar->SetPosition(50);
  EXPECT_EQ(Shot().pixelColor(5, 20), kLime) << "the fill covers its zone";
}

struct BandBar : TExProgressBar {
  using TExProgressBar::InfiniteTimer;
};

TEST(ExProgressBar, EndlessBandBouncesBetweenTheEnds) {
  BandBar bar;
  bar.SetInfinite(true);
  EXPECT_EQ(bar.InfinitePos(), 0);
  std::vector<int> positions;
  for (int i = 0; i < 27; ++i) {
    bar.InfiniteTimer();
    positions.push_back(bar.InfinitePos());
  }
  EXPECT_EQ(positions[24], 100) << "25 ticks";
  EXPECT_EQ(positions[25], 96);
  EXPECT_EQ(positions[26], 92);
  for (int i = 0; i < 30; ++i) bar.InfiniteTimer();
  EXPECT_EQ(bar.InfinitePos(), 28) << "down to 0 in 23 more ticks, then 7 up again";
}

// The band moves every InfiniteInterval (50 ms); the clock gives lower
// bounds only, since a loaded machine makes the ticks late.
TEST(ExProgressBar, EndlessBandNeverMovesEarly) {
  BandBar bar;
  EXPECT_EQ(bar.InfiniteInterval(), 50);
  bar.SetInfinite(true);
  std::vector<qint64> ticks;
  QElapsedTimer clock;
  clock.start();
  bar.SetAnimated(true);
  ASSERT_TRUE(testsupport::WaitForChanges([&] { return bar.InfinitePos(); }, 20, clock, ticks));
  bar.SetAnimated(false);
  for (std::size_t k = 0; k < ticks.size(); ++k) EXPECT_GE(ticks[k], 50 * qint64(k + 1)) << "tick " << k;
}

TEST_F(BarFixture, EndlessBandShowsA22PixelWindowInLevelZeroColours) {
  bar->SetShowPosition(false);
  bar->SetMax(100);
  bar->SetPosition(100);
  bar->SetInfinite(true);
  // The band at 0 is the window 10 pixels before and 12 after x 0.
  std::vector<int> runs = Runs(Shot());
  ASSERT_EQ(runs.size(), 2u);
  EXPECT_EQ(runs[0], 7);
  EXPECT_EQ(runs[1], 1);
  EXPECT_TRUE(ColumnHolds(Shot(), 5, kLime)) << "level-0 colours even at 100 %";
  bar->SetAnimated(true);
  EXPECT_EQ(bar->InfiniteInterval(), 50);
  bar->SetInfinite(false);
  EXPECT_EQ(Runs(Shot()).size(), 48u);
}

TEST(ExProgressBar, VerticalBarFillsUpwardWithTheTextTurned) {
  QWidget parent;
  auto* bar = new TExProgressBar(&parent);
  bar->setGeometry(0, 0, 41, 200);
  bar->SetOrientation(goVertical);
  bar->SetPosition(50);
  const QImage img = parent.grab(bar->geometry()).toImage().convertToFormat(QImage::Format_RGB32);
  EXPECT_EQ(img.pixelColor(20, 194), kLime) << "the first block at the bottom";
  EXPECT_EQ(img.pixelColor(20, 20), kWhite);
  // The text "50%" reads upward: taller than wide.
  QRect text;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x)
      if (img.pixelColor(x, y).lightness() < 60) text |= QRect(x, y, 1, 1);
  ASSERT_FALSE(text.isEmpty());
  EXPECT_GT(text.height(), text.width());
  EXPECT_NEAR(text.center().y(), 100, 4);
}

}  // namespace
