// Bitmap button: Down rule, groups, Click, user clicks and faces.
#include "controls/UxBmpButton.h"

#include <QtTest/QTest>
#include <gtest/gtest.h>

#include <memory>

namespace {

// Three buttons sharing a parent and a group, with click counters.
struct Group {
  QWidget parent;
  TUxBmpButton* b[3];
  int clicks[3] = {0, 0, 0};
  explicit Group(bool allowAllUp = false) {
    for (int i = 0; i < 3; ++i) {
      b[i] = new TUxBmpButton(&parent);
      b[i]->setGeometry(i * 60, 0, 50, 24);
      b[i]->SetGroupIndex(7);
      b[i]->SetAllowAllUp(allowAllUp);
      b[i]->OnClick = [this, i](QObject* s) {
        EXPECT_EQ(s, b[i]);
        ++clicks[i];
      };
    }
    b[0]->SetDown(true);
  }
  bool Down(int i) const { return b[i]->Down(); }
};

TEST(BmpButton, SettingOneDownRaisesTheRestOfItsGroup) {
  Group g;
  ASSERT_TRUE(g.Down(0));
  g.b[1]->SetDown(true);
  EXPECT_FALSE(g.Down(0));
  EXPECT_TRUE(g.Down(1));
  EXPECT_FALSE(g.Down(2));
  EXPECT_EQ(g.clicks[0] + g.clicks[1] + g.clicks[2], 0) << "writing Down never clicks";
}

TEST(BmpButton, ClickRunsOnClickOnceAndLeavesGroupAlone) {
  Group g;
  g.b[2]->Click();
  EXPECT_EQ(g.clicks[2], 1);
  EXPECT_TRUE(g.Down(0));
  EXPECT_FALSE(g.Down(2));
}

TEST(BmpButton, UserClickMakesGroupButtonDownThenClicks) {
  Group g;
  bool downSeenInHandler = false;
  g.b[2]->OnClick = [&](QObject*) { downSeenInHandler = g.Down(2); };
  QTest::mouseClick(g.b[2], Qt::LeftButton, {}, QPoint(10, 10));
  EXPECT_TRUE(g.Down(2));
  EXPECT_FALSE(g.Down(0));
  EXPECT_TRUE(downSeenInHandler);
}

TEST(BmpButton, DownRuleTable) {
  // A down button of a radio group stays down when set up directly.
  Group radio;
  radio.b[0]->SetDown(false);
  EXPECT_TRUE(radio.Down(0));
  // Clicking the latched radio button still clicks but keeps it down.
  QTest::mouseClick(radio.b[0], Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_TRUE(radio.Down(0));
  EXPECT_EQ(radio.clicks[0], 1);

  // With AllowAllUp the group may be all up; a click toggles.
  Group toggles(true);
  toggles.b[0]->SetDown(false);
  EXPECT_FALSE(toggles.Down(0));
  QTest::mouseClick(toggles.b[1], Qt::LeftButton, {}, QPoint(5, 5));
  QTest::mouseClick(toggles.b[1], Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_FALSE(toggles.Down(1));
  EXPECT_EQ(toggles.clicks[1], 2);

  // A button without a group is never down; a click only clicks.
  TUxBmpButton plain;
  int clicks = 0;
  plain.OnClick = [&](QObject*) { ++clicks; };
  plain.SetDown(true);
  EXPECT_FALSE(plain.Down());
  QTest::mouseClick(&plain, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_FALSE(plain.Down());
  EXPECT_EQ(clicks, 1);
}

TEST(BmpButton, ReleaseOutsideIsNoClick) {
  Group g;
  QTest::mousePress(g.b[1], Qt::LeftButton, {}, QPoint(5, 5));
  QTest::mouseMove(g.b[1], QPoint(200, 5));
  QTest::mouseRelease(g.b[1], Qt::LeftButton, {}, QPoint(200, 5));
  EXPECT_EQ(g.clicks[1], 0);
  EXPECT_FALSE(g.Down(1));
}

TEST(BmpButton, DisabledButtonIgnoresClicks) {
  Group g;
  g.b[1]->SetEnabled(false);
  QTest::mouseClick(g.b[1], Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(g.clicks[1], 0);
  EXPECT_FALSE(g.Down(1));
}

TEST(BmpButton, FacesKeyOutTransparentColourAndFollowState) {
  QWidget parent;
  parent.setAutoFillBackground(true);
  QPalette pal;
  pal.setColor(QPalette::Window, QColor(10, 20, 30));
  parent.setPalette(pal);
  parent.resize(100, 40);
  auto* b = new TUxBmpButton(&parent);
  b->SetGroupIndex(1);
  b->SetAllowAllUp(true);
  b->SetButtonSize(bszStretchToButton);
  b->setGeometry(0, 0, 40, 20);
  QImage up(8, 4, QImage::Format_RGB32), stay(8, 4, QImage::Format_RGB32);
  up.fill(QColor(0, 200, 0));
  up.setPixelColor(0, 0, QColor(128, 128, 0));  // olive: transparent
  stay.fill(QColor(200, 0, 0));
  b->Bitmaps()->SetUp(up);
  b->Bitmaps()->SetStayDown(stay);
  EXPECT_EQ(b->size(), QSize(40, 20)) << "stretched, not resized to the bitmap";
  QImage shot = parent.grab().toImage();
  EXPECT_EQ(shot.pixelColor(20, 10), QColor(0, 200, 0));
  EXPECT_EQ(shot.pixelColor(1, 1), QColor(10, 20, 30)) << "keyed-out corner shows the parent";
  b->SetDown(true);
  EXPECT_EQ(parent.grab().toImage().pixelColor(20, 10), QColor(200, 0, 0));

  // The default size rule follows the Up bitmap.
  TUxBmpButton sized;
  sized.Bitmaps()->SetUp(up);
  EXPECT_EQ(sized.size(), up.size());
}

TEST(BmpButton, TagIsTheSharedObjectProperty) {
  TUxBmpButton b;
  b.SetTag(12);
  EXPECT_EQ(b.Tag(), 12);
  EXPECT_EQ(b.property("Tag").toInt(), 12);
}

}  // namespace
