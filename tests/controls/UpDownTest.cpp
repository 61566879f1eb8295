// The up-down: user steps ask OnChangingEx first (also beyond the range),
// the handler may refuse or place the position itself, then OnClick runs;
// a position written by code fires nothing.
#include <QApplication>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/UpDown.h"

namespace {

struct Events {
  std::vector<std::string> log;
  bool allow = true;
  int place = -1000;  // a position the handler writes itself, when set
  void Bind(TUpDown& ud) {
    ud.OnChangingEx = [this, &ud](QObject* s, bool& allowChange, int value, TUpDownDirection d) {
      EXPECT_EQ(s, &ud);
      log.push_back("changing " + std::to_string(value) + (d == TUpDownDirection::updUp ? " up" : " down"));
      allowChange = allow;
      if (place != -1000) ud.SetPosition(place);
    };
    ud.OnClick = [this](QObject*, TUDBtnType b) { log.push_back(b == TUDBtnType::btNext ? "click up" : "click down"); };
  }
};

TEST(UpDown, UserStepsAskFirstThenClick) {
  TUpDown ud;
  ud.resize(17, 24);
  ud.SetMin(-2);
  ud.SetMax(3);
  ud.SetIncrement(2);
  ud.SetPosition(2);
  Events e;
  e.Bind(ud);
  ud.show();

  QTest::mouseClick(&ud, Qt::LeftButton, {}, QPoint(8, 3));  // up: 4 is asked for, 3 is kept
  EXPECT_EQ(ud.Position(), 3);
  QTest::keyClick(&ud, Qt::Key_Down);
  EXPECT_EQ(ud.Position(), 1);
  QWheelEvent wheel(QPointF(5, 5), ud.mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120), Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(&ud, &wheel);
  EXPECT_EQ(ud.Position(), -1);
  EXPECT_EQ(e.log, (std::vector<std::string>{"changing 4 up", "click up", "changing 1 down", "click down",
                                             "changing -1 down", "click down"}));

  // Refused: the position stays, the click still runs.
  e.log.clear();
  e.allow = false;
  QTest::mouseClick(&ud, Qt::LeftButton, {}, QPoint(8, 20));
  EXPECT_EQ(ud.Position(), -1);
  EXPECT_EQ(e.log, (std::vector<std::string>{"changing -3 down", "click down"}));

  // The handler places it elsewhere and refuses the step.
  e.place = 0;
  ud.Step(TUDBtnType::btNext);
  EXPECT_EQ(ud.Position(), 0);

  // Code writes fire nothing and stay in range.
  e.log.clear();
  ud.SetPosition(99);
  EXPECT_EQ(ud.Position(), 3);
  ud.SetMax(1);
  EXPECT_EQ(ud.Position(), 1);
  EXPECT_TRUE(e.log.empty());

  ud.SetEnabled(false);
  ud.Step(TUDBtnType::btPrev);
  EXPECT_TRUE(e.log.empty());
  ud.SetTag(7);
  ud.SetHelpContext(3);
  EXPECT_EQ(ud.Tag(), 7);
  EXPECT_EQ(ud.HelpContext(), 3);
  EXPECT_EQ(ud.property("HelpContext").toInt(), 3);
}

}  // namespace
