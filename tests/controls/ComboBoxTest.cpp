// Flat combo box: silent selection by program, OnChange for the user's pick, wheel, values.
#include "controls/UxComboBox.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QWheelEvent>
#include <QtTest/QTest>
#include <gtest/gtest.h>

namespace {

struct Combo {
  TUxComboBox box;
  int changes = 0;
  explicit Combo(TComboBoxStyle style = csDropDownList) {
    box.SetStyle(style);
    for (const char* t : {"BW -6", "BL -6", "BW -12", "LK -12"}) box.Add(t);
    box.OnChange = [this](QObject* s) {
      EXPECT_EQ(s, &box);
      ++changes;
    };
  }
  void Wheel(int delta) {
    QWheelEvent e(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                  Qt::NoScrollPhase, false);
    QApplication::sendEvent(&box, &e);
  }
};

TEST(ComboBox, ProgramSelectionFiresNothing) {
  for (TComboBoxStyle style : {csDropDownList, csOwnerDrawFixed, csDropDown}) {
    Combo c(style);
    EXPECT_EQ(c.box.ItemIndex(), -1);
    c.box.SetItemIndex(2);
    EXPECT_EQ(c.box.ItemIndex(), 2);
    EXPECT_TRUE(c.box.FindItem("bl -6"));  // whole text, any case
    EXPECT_EQ(c.box.ItemIndex(), 1);
    EXPECT_FALSE(c.box.FindItem("BL"));
    EXPECT_EQ(c.box.ItemIndex(), 1) << "a failed search leaves the selection";
    c.box.SetItemIndex(-1);
    EXPECT_EQ(c.box.ItemIndex(), -1);
    EXPECT_EQ(c.changes, 0) << "style " << style;
  }
}

TEST(ComboBox, UserPickFiresOnChangeOnce) {
  Combo c;
  c.box.SetItemIndex(0);
  c.box.showPopup();
  QAbstractItemView* view = c.box.view();
  const QRect item = view->visualRect(view->model()->index(3, 0));
  QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, item.center());
  EXPECT_EQ(c.box.ItemIndex(), 3);
  EXPECT_EQ(c.changes, 1);
  QTest::keyClick(&c.box, Qt::Key_Up);  // keyboard pick
  EXPECT_EQ(c.box.ItemIndex(), 2);
  EXPECT_EQ(c.changes, 2);
}

TEST(ComboBox, WheelStepsUnlessHandledAndStopsAtTheEnds) {
  Combo c;
  bool swallow = true;
  int wheels = 0;
  c.box.OnMouseWheel = [&](QObject*, Qt::KeyboardModifiers, int, QPoint, bool& handled) {
    ++wheels;
    handled = swallow;
  };
  c.box.SetItemIndex(3);
  c.Wheel(-120);
  EXPECT_EQ(c.box.ItemIndex(), 3);
  EXPECT_EQ(wheels, 1);
  swallow = false;
  c.Wheel(-120);  // down on the last item keeps it
  EXPECT_EQ(c.box.ItemIndex(), 3);
  EXPECT_EQ(c.changes, 0);
  c.Wheel(120);
  EXPECT_EQ(c.box.ItemIndex(), 2);
  EXPECT_EQ(c.changes, 1);
  c.box.SetItemIndex(0);
  c.Wheel(120);  // up on the first item: stays, silently
  EXPECT_EQ(c.box.ItemIndex(), 0);
  EXPECT_EQ(c.changes, 1);
}

TEST(ComboBox, ListEditingAndValues) {
  Combo c;
  c.box.Insert(1, "first-bis");
  EXPECT_EQ(c.box.Items(), QStringList({"BW -6", "first-bis", "BL -6", "BW -12", "LK -12"}));
  c.box.SetItemIndex(2);
  c.box.ClearItemsValues();
  EXPECT_EQ(c.box.Count(), 0);
  EXPECT_EQ(c.box.ItemIndex(), -1);
  c.box.AddItemValue("192.168.1.101", "dev1");
  c.box.Add("192.168.1.102");
  EXPECT_EQ(c.box.ItemIndex(), -1) << "adding selects nothing";
  EXPECT_EQ(c.box.GetItemValue(0), "dev1");
  EXPECT_EQ(c.box.GetItemValue(1), "192.168.1.102");
  EXPECT_EQ(c.changes, 0);
}

TEST(ComboBox, FaceColourFollowsState) {
  Combo c;
  c.box.resize(120, 21);
  c.box.SetColor(QColor(223, 255, 255));
  EXPECT_EQ(c.box.grab().toImage().pixelColor(10, 3), QColor(223, 255, 255));
  c.box.SetDisabledColor(QColor(200, 200, 200));
  c.box.SetEnabled(false);
  EXPECT_EQ(c.box.grab().toImage().pixelColor(10, 3), QColor(200, 200, 200));
}

}  // namespace
