// LEDs, the switch LED and the knob: state changes, their events and their looks.
#include "controls/wKnob.h"
#include "controls/wLed.h"
#include "controls/wSwitchLed.h"

#include <QApplication>
#include <QWheelEvent>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(Led, SetActiveFiresOnlyOnChange) {
  TwLedRectangle led;
  int changes = 0;
  led.OnChange = [&](QObject* s) { EXPECT_EQ(s, &led); ++changes; };
  led.SetActive(false);
  EXPECT_EQ(changes, 0);
  led.SetActive(true);
  led.SetActive(true);
  EXPECT_EQ(changes, 1);
  led.SetActiveNoEvent(false);
  EXPECT_FALSE(led.Active());
  EXPECT_EQ(changes, 1);
}

TEST(Led, LampColoursLitAndUnlit) {
  struct Case { bool autoInactive; bool active; QColor expected; };
  const Case cases[] = {
      {true, true, QColor(255, 255, 0)},
      {true, false, QColor(85, 85, 0)},   // a third of the lit colour
      {false, false, QColor(128, 128, 0)}, // the stored inactive colour
  };
  for (const Case& c : cases) {
    TwLedRectangle led;
    led.resize(30, 14);
    led.SetActiveColor(QColor(255, 255, 0));
    led.SetInactiveColor(QColor(128, 128, 0));
    led.SetAutoInactiveColor(c.autoInactive);
    led.SetActive(c.active);
    EXPECT_EQ(led.LampColor(), c.expected);
    const QColor shown = led.grab().toImage().pixelColor(15, 7);
    EXPECT_NEAR(shown.red(), c.expected.red(), 8);
    EXPECT_NEAR(shown.green(), c.expected.green(), 8);
    EXPECT_NEAR(shown.blue(), c.expected.blue(), 8);
  }
}

TEST(Led, RoundLedStaysRoundAndGlowsWhenLit) {
  TwLedRound led;
  led.show();  // the square rule acts on resize events
  led.resize(12, 12);
  led.resize(20, 12);  // a changed width wins
  EXPECT_EQ(led.size(), QSize(20, 20));
  led.resize(20, 30);  // only the height changed
  EXPECT_EQ(led.size(), QSize(30, 30));
  const QColor off = led.grab().toImage().pixelColor(15, 15);
  led.SetActive(true);
  const QColor on = led.grab().toImage().pixelColor(15, 15);
  EXPECT_GT(on.green(), off.green() + 100);
}

TEST(SwitchLed, UserEventOnlyForUserChanges) {
  TwSwitchLed sw;
  sw.resize(45, 28);
  int changes = 0, user = 0;
  sw.OnChange = [&](QObject*) { ++changes; };
  sw.OnChangeUser = [&](QObject* s) { EXPECT_EQ(s, &sw); ++user; };
  sw.SetActive(true);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(user, 0);
  QTest::mouseClick(&sw, Qt::LeftButton, {}, QPoint(20, 14));
  EXPECT_FALSE(sw.Active());
  EXPECT_EQ(changes, 2);
  EXPECT_EQ(user, 1);
  QTest::mousePress(&sw, Qt::LeftButton, {}, QPoint(20, 14));  // release outside cancels
  QTest::mouseRelease(&sw, Qt::LeftButton, {}, QPoint(90, 14));
  EXPECT_FALSE(sw.Active());
  QTest::keyClick(&sw, Qt::Key_Space);
  EXPECT_TRUE(sw.Active());
  EXPECT_EQ(user, 2);
}

// The automix knob's settings.
struct AutomixKnob {
  TwKnob knob;
  int changes = 0, user = 0;
  AutomixKnob() {
    knob.resize(40, 40);
    knob.SetMinMax(-280, 120);
    knob.SetKeyArrowStepSize(0.5);
    knob.SetKeyPageStepSize(10);
    knob.SetShowTicksMajor(false);
    knob.SetShowTicksMinor(false);
    knob.SetShowTickLabels(false);
    knob.SetOuterMargin(0);
    knob.OnPositionChange = [this](QObject* s) { EXPECT_EQ(s, &knob); ++changes; };
    knob.OnPositionChangeUser = [this](QObject*) { ++user; };
  }
  void Wheel(int delta) {
    QWheelEvent e(QPointF(20, 20), QPointF(20, 20), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                  Qt::NoScrollPhase, false);
    QApplication::sendEvent(&knob, &e);
  }
};

TEST(Knob, ProgramWritesClampAndFire) {
  AutomixKnob k;
  struct Step { double write, stored; int events; };
  const Step steps[] = {{-12.5, -12.5, 1}, {-12.5, -12.5, 0}, {500, 120, 1}, {-1000, -280, 1}, {-280, -280, 0}};
  for (const Step& s : steps) {
    k.changes = 0;
    k.knob.SetPosition(s.write);
    EXPECT_DOUBLE_EQ(k.knob.Position(), s.stored);
    EXPECT_EQ(k.changes, s.events);
  }
  EXPECT_EQ(k.user, 0);
  EXPECT_DOUBLE_EQ(k.knob.PositionMin(), -280);
}

TEST(Knob, IndicatorAngles) {
  AutomixKnob k;
  EXPECT_DOUBLE_EQ(k.knob.ValueToDegrees(-280), 225);
  EXPECT_DOUBLE_EQ(k.knob.ValueToDegrees(0), 36);
  EXPECT_DOUBLE_EQ(k.knob.ValueToDegrees(120), -45);
}

TEST(Knob, KeyAndWheelSteps) {
  AutomixKnob k;
  QTest::keyClick(&k.knob, Qt::Key_Up);
  EXPECT_DOUBLE_EQ(k.knob.Position(), 0.5);
  k.knob.SetPosition(119.8);
  QTest::keyClick(&k.knob, Qt::Key_Up);
  EXPECT_DOUBLE_EQ(k.knob.Position(), 120);
  QTest::keyClick(&k.knob, Qt::Key_Home);
  EXPECT_DOUBLE_EQ(k.knob.Position(), -280);
  QTest::keyClick(&k.knob, Qt::Key_PageUp);
  EXPECT_DOUBLE_EQ(k.knob.Position(), -270);
  QTest::keyClick(&k.knob, Qt::Key_End);
  EXPECT_DOUBLE_EQ(k.knob.Position(), 120);
  EXPECT_EQ(k.user, 5);
  k.knob.SetPosition(0);
  k.Wheel(120);
  k.Wheel(120);  // within 30 ms of the first: ignored
  EXPECT_DOUBLE_EQ(k.knob.Position(), 1);
}

TEST(Knob, DragTurnsClockwiseAndStopsAtMax) {
  AutomixKnob k;
  k.knob.SetPosition(-280);
  int moves = 0;
  k.knob.OnMouseMove = [&](QObject*, Qt::KeyboardModifiers, int, int) {
    ++moves;
    k.knob.SetPosition(std::round(k.knob.Position()));  // what the automix page does
  };
  // Press left of the centre, turn a quarter clockwise over the top.
  QTest::mousePress(&k.knob, Qt::LeftButton, {}, QPoint(10, 20));
  QTest::mouseMove(&k.knob, QPoint(13, 13));
  QTest::mouseMove(&k.knob, QPoint(20, 10));
  const double quarter = k.knob.Position();
  EXPECT_NEAR(quarter, -280 + 400.0 * 90 / 270, 2);
  EXPECT_EQ(quarter, std::round(quarter));
  EXPECT_GT(moves, 0);
  for (QPoint p : {QPoint(27, 13), QPoint(30, 20), QPoint(27, 27), QPoint(20, 30), QPoint(13, 27)})
    QTest::mouseMove(&k.knob, p);
  QTest::mouseRelease(&k.knob, Qt::LeftButton, {}, QPoint(13, 27));
  EXPECT_DOUBLE_EQ(k.knob.Position(), 120);
  EXPECT_GT(k.user, 0);
}

TEST(Knob, PressOutsideRadiusDoesNotDrag) {
  AutomixKnob k;
  k.knob.resize(100, 40);
  k.knob.SetPosition(0);
  QTest::mousePress(&k.knob, Qt::LeftButton, {}, QPoint(2, 2));
  QTest::mouseMove(&k.knob, QPoint(90, 2));
  QTest::mouseRelease(&k.knob, Qt::LeftButton, {}, QPoint(90, 2));
  EXPECT_DOUBLE_EQ(k.knob.Position(), 0);
}

}  // namespace
