// The self-drawn check box and radio group: auto-size, the edit veto, mouse
// and key toggling, the column layout, index limits and keyboard stepping.
#include <gtest/gtest.h>

#include <QTest>

#include "plot/wCheckBox.h"
#include "plot/wRadioGroup.h"

namespace {

platform::TSize TextSize(const QString& text) {
  QImage scratch(1, 1, QImage::Format_RGB32);
  platform::Canvas canvas(&scratch);
  canvas.Font = platform::TFont();
  return canvas.TextExtent(text);
}

TEST(CheckBox, AutoSizeFollowsTheCaptionAndLeftJustifyKeepsTheRightEdge) {
  TwCheckBox box;
  box.setGeometry(100, 10, 97, 17);
  box.SetAutoSize(false);
  box.SetAutoSize(true);
  const platform::TSize caption = TextSize(QStringLiteral("Caption"));
  EXPECT_EQ(box.width(), caption.cx + 20);
  EXPECT_EQ(box.height(), caption.cy + 4);
  EXPECT_EQ(box.x(), 100);  // taRightJustify: only the width changes

  box.SetAlignment(taLeftJustify);
  const int right = box.x() + box.width();
  box.SetCaption(QStringLiteral("A much longer caption"));
  EXPECT_EQ(box.width(), TextSize(QStringLiteral("A much longer caption")).cx + 20);
  EXPECT_EQ(box.x() + box.width(), right);
}

TEST(CheckBox, VetoKeepsCheckedAndRaisesNothing) {
  TwCheckBox box;
  int changes = 0;
  box.OnChange = [&](QObject*) { ++changes; };
  box.OnRequestEdit = [](QObject*, const QString& prop, bool& canEdit) {
    EXPECT_EQ(prop, QStringLiteral("Checked"));
    canEdit = false;
  };
  box.SetChecked(true);
  EXPECT_FALSE(box.Checked());
  EXPECT_EQ(changes, 0);
}

TEST(CheckBox, ClickTogglesOnlyWhenReleasedInsideAndSpaceToggles) {
  TwCheckBox box;
  box.resize(97, 17);
  int changes = 0, userChanges = 0;
  box.OnChange = [&](QObject*) { ++changes; };
  box.OnChangeUser = [&](QObject*) { ++userChanges; };
  QTest::mousePress(&box, Qt::LeftButton, {}, QPoint(5, 8));
  QTest::mouseRelease(&box, Qt::LeftButton, {}, QPoint(150, 8));
  EXPECT_FALSE(box.Checked());
  QTest::mousePress(&box, Qt::LeftButton, {}, QPoint(5, 8));
  QTest::mouseRelease(&box, Qt::LeftButton, {}, QPoint(6, 8));
  EXPECT_TRUE(box.Checked());
  QTest::keyClick(&box, Qt::Key_Space);
  EXPECT_FALSE(box.Checked());
  EXPECT_EQ(changes, 2);
  EXPECT_EQ(userChanges, 2);
  box.SetChecked(true);  // the program's change is not the user's
  EXPECT_EQ(changes, 3);
  EXPECT_EQ(userChanges, 2);
}

TEST(RadioGroup, FiveItemsInTwoColumnsFillThreeRowsColumnByColumn) {
  TwRadioGroup group;
  group.resize(200, 100);
  group.SetItems({"a", "b", "c", "d", "e"});
  group.SetColumns(2);
  EXPECT_EQ(group.MaxRows(), 3);
  const int x0 = group.ItemCenter(0).X, x1 = group.ItemCenter(3).X;
  for (int i : {0, 1, 2}) EXPECT_EQ(group.ItemCenter(i).X, x0) << i;
  for (int i : {3, 4}) EXPECT_EQ(group.ItemCenter(i).X, x1) << i;
  EXPECT_GT(x1, x0);
  EXPECT_EQ(group.ItemCenter(3).Y, group.ItemCenter(0).Y);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(group.ItemAt(group.ItemCenter(i).X, group.ItemCenter(i).Y), i) << i;
  group.SetColumns(0);
  EXPECT_EQ(group.Columns(), 2);
}

TEST(RadioGroup, IndexIsLimitedAndClearingItemsRaisesNothing) {
  TwRadioGroup group;
  group.SetItems({"a", "b", "c"});
  int changes = 0;
  group.OnChange = [&](QObject*) { ++changes; };
  group.SetItemIndex(7);
  EXPECT_EQ(group.ItemIndex(), 2);
  group.SetItemIndex(-5);
  EXPECT_EQ(group.ItemIndex(), -1);
  EXPECT_EQ(changes, 2);
  group.SetItemIndex(1);
  group.SetItems({});
  EXPECT_EQ(group.ItemIndex(), -1);
  EXPECT_EQ(changes, 3);
}

TEST(RadioGroup, ArrowKeysWrapAndAreNotTheUsersChange) {
  TwRadioGroup group;
  group.resize(120, 90);
  group.SetItems({"a", "b", "c"});
  group.SetItemIndex(0);
  int changes = 0, userChanges = 0;
  group.OnChange = [&](QObject*) { ++changes; };
  group.OnChangeUser = [&](QObject*) { ++userChanges; };
  QTest::keyClick(&group, Qt::Key_Up);
  EXPECT_EQ(group.ItemIndex(), 2);
  QTest::keyClick(&group, Qt::Key_Down);
  EXPECT_EQ(group.ItemIndex(), 0);
  QTest::keyClick(&group, Qt::Key_Right);
  EXPECT_EQ(group.ItemIndex(), 1);
  EXPECT_EQ(changes, 3);
  EXPECT_EQ(userChanges, 0);
  // A mouse choice is the user's.
  const platform::TPoint c = group.ItemCenter(2);
  QTest::mousePress(&group, Qt::LeftButton, {}, QPoint(c.X, c.Y));
  QTest::mouseRelease(&group, Qt::LeftButton, {}, QPoint(c.X, c.Y));
  EXPECT_EQ(group.ItemIndex(), 2);
  EXPECT_EQ(userChanges, 1);
}

}  // namespace
