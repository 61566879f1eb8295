// The LED bar meter: how many segments a position lights, their colours and
// geometry, zone count and colour changes, and that an unchanged value
// repaints nothing.
#include "display/LProgressBar.h"

#include "support/UiFixture.h"

#include <QApplication>
#include <QEvent>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include <cmath>

namespace {

const QColor kRed(255, 0, 0), kYellow(255, 255, 0), kGreen(0, 255, 0);
const QColor kDarkRed(128, 0, 0), kDarkYellow(128, 128, 0), kDarkGreen(0, 128, 0);

void Configure(LProgressBar& m, int first, int second, int third, int max) {
  m.SetFirstNum(first);
  m.SetSecondNum(second);
  m.SetThirdNum(third);
  m.SetMax(max);
}

// The colours shown from the top down, one letter per segment: r/y/g lit,
// R/Y/G unlit (dark), ? anything else.
std::string Column(const LProgressBar& m) {
  std::string s;
  for (int i = 0; i < m.SegmentCount(); ++i) {
    const QColor c = m.SegmentColor(i);
    s += c == kRed ? 'r' : c == kYellow ? 'y' : c == kGreen ? 'g'
       : c == kDarkRed ? 'R' : c == kDarkYellow ? 'Y' : c == kDarkGreen ? 'G' : '?';
  }
  return s;
}

class PaintCounter : public QObject {
 public:
  int paints = 0;
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint) ++paints;
    return false;
  }
};

TEST(LProgressBar, NewMeterHasFiveUnlitSegmentsAndRange100) {
  LProgressBar m;
  EXPECT_EQ(m.size(), QSize(14, 132));
  EXPECT_EQ(m.GetMax(), 100);
  EXPECT_EQ(m.GetMin(), 0);
  EXPECT_EQ(Column(m), "RYGGG");
}

TEST(LProgressBar, PositionLightsSegmentsFromTheBottom) {
  struct Case { int first, second, third, max, min, value; int stored; const char* column; };
  const Case cases[] = {
      // input meter 1/2/6, Max 9
      {1, 2, 6, 9, 0, 0, 0, "RYYGGGGGG"},
      {1, 2, 6, 9, 0, 6, 6, "RYYgggggg"},
      {1, 2, 6, 9, 0, 9, 9, "ryygggggg"},
      {1, 2, 6, 9, 0, 12, 9, "ryygggggg"},
      {1, 2, 6, 9, 0, -4, 0, "RYYGGGGGG"},
      // output meter 1/3/4, Max 8
      {1, 3, 4, 8, 0, 5, 5, "RYYygggg"},
      // seven segments, Max 10: the step 10/7 truncates 10 to 6, full scale adds one
      {1, 2, 4, 10, 0, 10, 10, "ryygggg"},
      {1, 2, 4, 10, 0, 9, 9, "Ryygggg"},
      // a range that is not positive lights nothing
      {1, 2, 4, 0, 0, 10, 0, "RYYGGGG"},
      {1, 2, 4, 0, 0, 7, 0, "RYYGGGG"},
      {1, 2, 4, 0, -5, -3, -3, "RYYGGGG"},
      {1, 2, 4, -10, -20, -15, -15, "RYYGGGG"},
      // Min only clamps: the count runs from 0
      {1, 2, 4, 7, 3, 1, 3, "RYYGggg"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.first << "/" << c.second << "/" << c.third << " max "
                                    << c.max << " value " << c.value);
    LProgressBar m;
    Configure(m, c.first, c.second, c.third, c.max);
    m.SetMin(c.min);
    m.SetPosition(c.value);
    EXPECT_EQ(m.GetPosition(), c.stored);
    EXPECT_EQ(Column(m), c.column);
  }
}

TEST(LProgressBar, FallsBackWhenThePositionDrops) {
  LProgressBar m;
  Configure(m, 1, 2, 6, 9);
  m.SetPosition(9);
  m.SetPosition(2);
  EXPECT_EQ(Column(m), "RYYGGGGgg");
  EXPECT_EQ(m.LitCount(), 2);
}

TEST(LProgressBar, MeterWithoutSegmentsTakesPositions) {
  LProgressBar m;
  Configure(m, 0, 0, 0, 9);
  EXPECT_EQ(m.SegmentCount(), 0);
  m.SetPosition(9);
  m.SetPosition(4);
  EXPECT_EQ(m.GetPosition(), 4);
  m.grab();  // paints an empty panel
}

TEST(LProgressBar, LimiterLampShowsOneColourPerState) {
  LProgressBar m;
  Configure(m, 0, 1, 0, 1);
  m.SetSecondColor(QColor(155, 78, 0));
  m.SetLSecondColor(QColor(255, 163, 70));
  ASSERT_EQ(m.SegmentCount(), 1);
  EXPECT_EQ(m.SegmentColor(0), QColor(155, 78, 0));
  m.SetPosition(1);
  EXPECT_EQ(m.SegmentColor(0), QColor(255, 163, 70));
  m.SetPosition(0);
  EXPECT_EQ(m.SegmentColor(0), QColor(155, 78, 0));
}

TEST(LProgressBar, ZoneCountsKeepZonesInOrder) {
  LProgressBar m;
  m.SetFirstNum(0);
  m.SetThirdNum(0);
  ASSERT_EQ(m.SegmentCount(), 1);
  EXPECT_EQ(m.SegmentZone(0), 2);
  EXPECT_EQ(Column(m), "Y");

  m.SetFirstNum(2);
  m.SetThirdNum(3);
  m.SetSecondNum(3);
  EXPECT_EQ(Column(m), "RRYYYGGG");
  m.SetSecondNum(1);
  m.SetFirstNum(1);
  EXPECT_EQ(Column(m), "RYGGG");
  m.SetThirdNum(-2);  // taken as none
  EXPECT_EQ(m.GetThirdNum(), 0);
  EXPECT_EQ(Column(m), "RY");
}

TEST(LProgressBar, CountChangeShowsUnlitUntilAnotherPosition) {
  LProgressBar m;
  Configure(m, 1, 2, 6, 9);
  m.SetPosition(5);
  m.SetThirdNum(5);
  EXPECT_EQ(Column(m), "RYYGGGGG");
  EXPECT_EQ(m.GetPosition(), 5);
  m.SetPosition(5);  // unchanged: nothing happens
  EXPECT_EQ(m.LitCount(), 0);
  m.SetPosition(6);
  EXPECT_EQ(m.LitCount(), 5);  // step 9/8: 6 / 1.125 = 5.33
}

TEST(LProgressBar, SegmentGeometryFollowsTheSize) {
  LProgressBar m;
  Configure(m, 1, 2, 6, 9);
  for (int h : {132, 208}) {
    m.resize(14, h);
    for (int i = 0; i < 9; ++i) {
      SCOPED_TRACE(testing::Message() << "height " << h << " segment " << i);
      const QRect r = m.SegmentRect(i);
      EXPECT_EQ(r.left(), 0);
      EXPECT_EQ(r.width(), 14);
      EXPECT_EQ(r.height(), h / 9 + 2);
      EXPECT_EQ(r.top(), static_cast<int>(std::trunc(double(h) / 9 * i)) - 1);
    }
  }
  EXPECT_EQ(m.SegmentRect(8).top(), 183);  // trunc(208 / 9 * 8) - 1
  EXPECT_EQ(m.SegmentRect(8).height(), 25);
  EXPECT_FALSE(m.SegmentRect(9).isValid());
}

TEST(LProgressBar, ColourSetters) {
  LProgressBar m;
  Configure(m, 1, 2, 6, 9);
  m.SetPosition(8);  // both yellows lit
  ASSERT_EQ(Column(m), "Ryygggggg");

  const QColor orange(255, 128, 0);
  m.SetLSecondColor(orange);  // the two lit yellows follow at once
  EXPECT_EQ(m.SegmentColor(1), orange);
  EXPECT_EQ(m.SegmentColor(2), orange);
  EXPECT_EQ(m.SegmentColor(0), kDarkRed);

  const QColor grey(60, 60, 60);
  m.SetSecondColor(grey);  // the whole zone reads unlit
  EXPECT_EQ(m.SegmentColor(1), grey);
  EXPECT_EQ(m.SegmentColor(2), grey);
  m.SetPosition(9);
  EXPECT_EQ(m.SegmentColor(1), orange);
  EXPECT_EQ(m.SegmentColor(0), kRed);
}

TEST(LProgressBar, UnchangedPositionRepaintsNothing) {
  LProgressBar m;
  Configure(m, 1, 2, 6, 9);
  m.show();
  testsupport::RunEventLoop(20);
  m.SetPosition(4);
  testsupport::RunEventLoop(20);
  PaintCounter counter;
  m.installEventFilter(&counter);
  m.SetPosition(4);
  testsupport::RunEventLoop(20);
  EXPECT_EQ(counter.paints, 0);
  m.SetPosition(5);
  testsupport::RunEventLoop(20);
  EXPECT_GT(counter.paints, 0);
  m.removeEventFilter(&counter);
}

TEST(LProgressBar, PaintsSegmentsWithDarkLinesBetween) {
  LProgressBar m;
  Configure(m, 1, 2, 6, 9);
  m.SetPosition(6);
  const QImage img = m.grab().toImage();
  auto centre = [&](int i) { return img.pixelColor(m.SegmentRect(i).center()); };
  EXPECT_EQ(centre(0), kDarkRed);
  EXPECT_EQ(centre(1), kDarkYellow);
  EXPECT_EQ(centre(3), kGreen);
  EXPECT_EQ(centre(8), kGreen);
  // The outline at the top of segment 4 separates it from segment 3.
  EXPECT_EQ(img.pixelColor(7, m.SegmentRect(4).top()), QColor(0, 0, 0));

  // A sheet of meters at several positions, for looking at.
  struct Meter { int first, second, third, max, value, height; };
  const Meter meters[] = {{1, 2, 6, 9, 0, 132}, {1, 2, 6, 9, 3, 132}, {1, 2, 6, 9, 6, 132},
                          {1, 2, 6, 9, 8, 132}, {1, 2, 6, 9, 12, 132}, {1, 3, 4, 8, 5, 132},
                          {1, 2, 4, 10, 10, 132}, {1, 2, 6, 9, 7, 208}, {0, 1, 0, 1, 1, 22},
                          {1, 2, 4, 0, 10, 132}};
  QImage sheet(10 * 24 + 10, 228, QImage::Format_RGB32);
  sheet.fill(QColor(200, 200, 200));
  QPainter p(&sheet);
  int x = 10;
  for (const Meter& mm : meters) {
    LProgressBar b;
    b.resize(14, mm.height);
    Configure(b, mm.first, mm.second, mm.third, mm.max);
    if (mm.first == 0) {
      b.SetSecondColor(QColor(155, 78, 0));
      b.SetLSecondColor(QColor(255, 163, 70));
    }
    b.SetPosition(mm.value);
    p.drawPixmap(x, 10, b.grab());
    x += 24;
  }
  p.end();
  EXPECT_TRUE(sheet.save(QString::fromStdString(testsupport::OutputPath("lprogressbar_sheet.png"))));
}

}  // namespace
