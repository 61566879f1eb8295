// Fader: position writes and their events, geometry, mouse, wheel, keys and thumb pictures.
#include "controls/ExTrackBar.h"

#include <QBuffer>
#include <QImage>
#include <QtTest/QTest>
#include <gtest/gtest.h>

namespace {

struct Fader {
  TExTrackBar bar;
  int changes = 0;
  explicit Fader(int min = -280, int max = 120, int pos = 0) {
    bar.SetOrientation(trVertical);
    bar.resize(27, 180);
    bar.SetMin(min);
    bar.SetMax(max);
    bar.SetPosition(pos);
    bar.OnChange = [this](QObject* s) {
      EXPECT_EQ(s, &bar);
      ++changes;
    };
  }
};

TEST(TrackBar, NewBarHasLibraryDefaults) {
  TExTrackBar bar;
  EXPECT_EQ(bar.Min(), 0);
  EXPECT_EQ(bar.Max(), 10);
  EXPECT_EQ(bar.Position(), 0);
  EXPECT_EQ(bar.PageSize(), 1);
  EXPECT_EQ(bar.Orientation(), trHorizontal);
}

// Each write, in order, with the stored value and the events it must give.
TEST(TrackBar, PositionWritesClampAndFireOncePerEffectiveWrite) {
  Fader f;
  struct Step { int write, stored, events; };
  const Step steps[] = {
      {500, 120, 1},   // above Max: clamped, fires
      {120, 120, 0},   // equal to the stored value: nothing
      {-300, -280, 1}, // below Min: clamped, fires
      {-280, -280, 0},
      {-281, -280, 1}, // clamps back to the stored value and still fires
      {0, 0, 1},
  };
  for (const Step& s : steps) {
    f.changes = 0;
    f.bar.SetPosition(s.write);
    EXPECT_EQ(f.bar.Position(), s.stored) << "write " << s.write;
    EXPECT_EQ(f.changes, s.events) << "write " << s.write;
  }
}

TEST(TrackBar, NarrowingTheRangeMovesPositionAndFires) {
  Fader f(0, 100, 80);
  f.bar.SetMax(50);
  EXPECT_EQ(f.bar.Position(), 50);
  EXPECT_EQ(f.changes, 1);
  f.bar.SetMin(-10);
  EXPECT_EQ(f.changes, 1) << "a bound that leaves the position inside fires nothing";
  f.bar.SetPosition(0);
  f.bar.SetMin(30);  // Min above the position: moved up to it
  EXPECT_EQ(f.bar.Position(), 30);
  EXPECT_EQ(f.changes, 3);
  f.bar.SetMin(70);  // crossed bounds: a value above Max becomes Max
  EXPECT_EQ(f.bar.Position(), 50);
}

TEST(TrackBar, ThumbGeometryOfASystemFader) {
  Fader f(-180, 40, 40);
  EXPECT_EQ(f.bar.ThumbRect(), QRect(6, 3, 16, 29));  // Max at the top
  f.bar.SetPosition(-180);
  EXPECT_EQ(f.bar.ThumbRect(), QRect(6, 148, 16, 29));  // Min at the bottom
  f.bar.SetPosition(-70);  // offset 72.5 rounds to even: 72
  EXPECT_EQ(f.bar.ThumbRect().bottom() + 1, 177 - 72);
}

TEST(TrackBar, DragMovesThumbWithoutJump) {
  Fader f(0, 145, 0);  // one unit per pixel of travel
  const QRect thumb = f.bar.ThumbRect();
  const QPoint grab(thumb.center().x(), thumb.top() + 2);  // grabbed near its upper edge
  QTest::mousePress(&f.bar, Qt::LeftButton, {}, grab);
  QTest::mouseMove(&f.bar, grab);
  EXPECT_EQ(f.bar.Position(), 0) << "grabbing must not jump";
  QTest::mouseMove(&f.bar, grab - QPoint(0, 40));
  EXPECT_EQ(f.bar.Position(), 40);
  QTest::mouseRelease(&f.bar, Qt::LeftButton, {}, grab - QPoint(0, 40));
  EXPECT_GE(f.changes, 1);
}

TEST(TrackBar, PressOnTrackPagesTowardThePress) {
  Fader f(0, 998, 500);
  f.bar.SetPageSize(10);
  const QRect thumb = f.bar.ThumbRect();
  QTest::mouseClick(&f.bar, Qt::LeftButton, {}, QPoint(thumb.center().x(), 10));
  EXPECT_EQ(f.bar.Position(), 510);
  QTest::mouseClick(&f.bar, Qt::LeftButton, {}, QPoint(thumb.center().x(), 170));
  EXPECT_EQ(f.bar.Position(), 500);
}

TEST(TrackBar, WheelAndKeysStepWithinRange) {
  Fader f(0, 10, 9);
  auto wheel = [&](int delta) {
    QWheelEvent e(QPointF(13, 90), QPointF(13, 90), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                  Qt::NoScrollPhase, false);
    QApplication::sendEvent(&f.bar, &e);
  };
  wheel(120);
  wheel(120);  // already at Max: no step past it
  EXPECT_EQ(f.bar.Position(), 10);
  EXPECT_EQ(f.changes, 1);
  wheel(-120);
  EXPECT_EQ(f.bar.Position(), 9);
  QTest::keyClick(&f.bar, Qt::Key_End);  // vertical: End is Min
  EXPECT_EQ(f.bar.Position(), 0);
  QTest::keyClick(&f.bar, Qt::Key_Home);
  EXPECT_EQ(f.bar.Position(), 10);
  QTest::keyClick(&f.bar, Qt::Key_Down, Qt::ShiftModifier);  // Shift blocks keys
  EXPECT_EQ(f.bar.Position(), 10);
}

TEST(TrackBar, MouseDownHandlerRunsFirst) {
  Fader f(0, 100, 0);
  int seenPosition = -1;
  f.bar.OnMouseDown = [&](QObject*, Qt::MouseButton b, Qt::KeyboardModifiers, int, int) {
    EXPECT_EQ(b, Qt::LeftButton);
    seenPosition = f.bar.Position();
  };
  QTest::mouseClick(&f.bar, Qt::LeftButton, {}, QPoint(f.bar.ThumbRect().center().x(), 10));
  EXPECT_EQ(seenPosition, 0);
  EXPECT_GT(f.bar.Position(), 0);
}

QByteArray PngOf(const QColor& c) {
  QImage img(16, 29, QImage::Format_ARGB32);
  img.fill(c);
  QByteArray bytes;
  QBuffer buf(&bytes);
  buf.open(QIODevice::WriteOnly);
  img.save(&buf, "PNG");
  return bytes;
}

TEST(TrackBar, ThumbPicturesAreCopiesAndDrawnByState) {
  TGDIPPicture blue, red;
  blue.LoadFromData(PngOf(Qt::blue));
  red.LoadFromData(PngOf(Qt::red));
  Fader f(0, 100, 50);
  f.bar.Thumb()->SetPicture(&blue);
  f.bar.Thumb()->SetPictureDisabled(&red);
  blue.LoadFromData(PngOf(Qt::green));  // the fader keeps its own copy
  const QPoint mid = f.bar.ThumbRect().center();
  EXPECT_EQ(f.bar.grab().toImage().pixelColor(mid), QColor(Qt::blue));
  f.bar.SetEnabled(false);
  EXPECT_EQ(f.bar.grab().toImage().pixelColor(mid), QColor(Qt::red));
}

}  // namespace
