// LEDs, the switch LED and the knob: state changes, their events and their looks.
#include "controls/wKnob.h"
#include "controls/wLed.h"
#include "controls/wSwitchLed.h"

#include "controls/wClock.h"

#include <QApplication>
#include <QKeyEvent>
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
  AutomixKnob down;
  down.Wheel(-120);
  EXPECT_DOUBLE_EQ(down.knob.Position(), -1) << "the wheel turned down turns the knob down";
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

// ---- on the instrument base -------------------------------------------------

// A fake clock for the controls, restored at the end of the test.
struct FakeClock {
  std::int64_t now = 1000;
  FakeClock() { twclock::SetSource([this] { return now; }); }
  ~FakeClock() { twclock::SetSource(nullptr); }
};

TEST(Knob, KeysFollowUseKeyboard) {
  AutomixKnob k;
  struct Case { Qt::Key key; double from, to; };
  const Case cases[] = {{Qt::Key_Up, 0, 0.5}, {Qt::Key_Up, 119.8, 120}, {Qt::Key_Down, 0, -0.5},
                        {Qt::Key_End, 0, 120}, {Qt::Key_Home, 0, -280}, {Qt::Key_PageDown, 0, -10}};
  for (const Case& c : cases) {
    k.knob.SetPosition(c.from);
    QKeyEvent press(QEvent::KeyPress, c.key, Qt::NoModifier);
    QApplication::sendEvent(&k.knob, &press);
    EXPECT_TRUE(press.isAccepted()) << c.key;
    EXPECT_DOUBLE_EQ(k.knob.Position(), c.to) << c.key;
  }
  k.knob.SetUseKeyboard(false);
  k.knob.SetPosition(0);
  for (QEvent::Type type : {QEvent::ShortcutOverride, QEvent::KeyPress}) {
    QKeyEvent e(type, Qt::Key_Up, Qt::NoModifier);
    e.ignore();
    QApplication::sendEvent(&k.knob, &e);
    EXPECT_FALSE(e.isAccepted()) << type;
  }
  EXPECT_DOUBLE_EQ(k.knob.Position(), 0);
  k.knob.SetUseKeyboard(true);
  QKeyEvent claim(QEvent::ShortcutOverride, Qt::Key_Left, Qt::NoModifier);
  claim.ignore();
  QApplication::sendEvent(&k.knob, &claim);
  EXPECT_TRUE(claim.isAccepted());
}

TEST(Knob, WheelNotchesCloserThan30msMakeOneStep) {
  FakeClock clock;
  AutomixKnob k;
  struct Case { int gapMs; double after; };
  for (const Case& c : {Case{20, 1}, Case{40, 2}}) {
    k.knob.SetPosition(0);
    clock.now += 1000;
    k.Wheel(120);
    clock.now += c.gapMs;
    k.Wheel(120);
    EXPECT_DOUBLE_EQ(k.knob.Position(), c.after) << c.gapMs;
  }
}

TEST(Knob, DragAcrossTheLeftLineTurnsSmoothlyAndFinishesOnce) {
  AutomixKnob k;
  k.knob.SetPosition(-280);
  int finished = 0;
  k.knob.OnPositionChangeFinished = [&](QObject*) { ++finished; };
  k.user = 0;
  QTest::mousePress(&k.knob, Qt::LeftButton, {}, QPoint(8, 26));
  double last = k.knob.Position();
  const QPoint path[] = {{5, 20}, {5, 19}, {6, 14}, {10, 8}, {20, 4}, {30, 8}, {35, 20}, {30, 32}, {20, 36}, {8, 32}};
  for (QPoint p : path) {
    QTest::mouseMove(&k.knob, p);
    EXPECT_GE(k.knob.Position(), last) << p.x() << "," << p.y();
    EXPECT_LT(k.knob.Position() - last, 100) << p.x() << "," << p.y();  // no jump
    last = k.knob.Position();
  }
  EXPECT_GT(k.user, 0);
  EXPECT_EQ(finished, 0);
  QTest::mouseRelease(&k.knob, Qt::LeftButton, {}, QPoint(8, 32));
  EXPECT_DOUBLE_EQ(k.knob.Position(), 120);
  EXPECT_EQ(finished, 1);
  const int user = k.user;
  k.knob.SetPosition(0);
  EXPECT_EQ(k.user, user);
}

TEST(Knob, PositionWrittenByOnMouseMoveIsNotTheUsers) {
  AutomixKnob k;
  k.knob.SetPosition(0);
  int changesInHandler = 0, userInHandler = 0;
  k.knob.OnMouseMove = [&](QObject*, Qt::KeyboardModifiers, int, int) {
    const int changes = k.changes, user = k.user;
    k.knob.SetPosition(std::round(k.knob.Position()) + 0.25);
    changesInHandler += k.changes - changes;
    userInHandler += k.user - user;
  };
  QTest::mousePress(&k.knob, Qt::LeftButton, {}, QPoint(20, 8));
  QTest::mouseMove(&k.knob, QPoint(26, 9));
  QTest::mouseRelease(&k.knob, Qt::LeftButton, {}, QPoint(26, 9));
  EXPECT_GT(changesInHandler, 0);
  EXPECT_EQ(userInHandler, 0);
}

TEST(Knob, AutoSizeAndPositionDisplay) {
  AutomixKnob k;
  k.knob.SetKnobRadius(7);
  k.knob.CalcAutoSize();
  EXPECT_EQ(k.knob.KnobRadius(), 20);
  k.knob.SetPositionDisplayUnits(" dB");
  k.knob.SetPositionDisplayPrecision(1);
  k.knob.SetPosition(-12.5);
  EXPECT_EQ(k.knob.PositionDisplayText(), "-12.5 dB");
  k.knob.SetPositionDisplayUnits("  ");
  EXPECT_EQ(k.knob.PositionDisplayUnits(), "");
}

// The focused knob's dotted frame inverts every other pixel of its edge,
// also where a transparent knob shows its parent.
TEST(Knob, FocusFrameIsVisibleAlsoOverTheParent) {
  const QColor parentColour(56, 66, 81);
  for (bool transparent : {true, false}) {
    SCOPED_TRACE(transparent ? "transparent" : "opaque");
    QWidget window;
    window.resize(60, 60);
    window.setAutoFillBackground(true);
    QPalette pal = window.palette();
    pal.setColor(QPalette::Window, parentColour);
    window.setPalette(pal);
    auto* knob = new TwKnob(&window);
    knob->setGeometry(10, 10, 40, 40);
    knob->SetKnobRadius(20);
    knob->SetOuterMargin(0);
    knob->SetShowTicksMajor(false);
    knob->SetShowTicksMinor(false);
    knob->SetShowTickLabels(false);
    knob->SetTransparent(transparent);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    knob->setFocus();
    ASSERT_TRUE(knob->hasFocus());
    const QColor beneath = transparent ? parentColour : knob->BackGroundColor();
    const QColor inverted(255 - beneath.red(), 255 - beneath.green(), 255 - beneath.blue());
    const QImage shot = window.grab().toImage();
    for (QPoint dot : {QPoint(0, 0), QPoint(2, 0), QPoint(0, 38), QPoint(39, 1)})
      EXPECT_EQ(shot.pixelColor(dot + QPoint(10, 10)), inverted) << dot.x() << "," << dot.y();
    for (QPoint gap : {QPoint(1, 0), QPoint(0, 1), QPoint(39, 0)})
      EXPECT_EQ(shot.pixelColor(gap + QPoint(10, 10)), beneath) << gap.x() << "," << gap.y();
    knob->clearFocus();
    EXPECT_EQ(window.grab().toImage().pixelColor(10, 10), beneath) << "no frame without the focus";
  }
}

// Counts the repaint requests that reach Qt.
class CountingLed : public TwLedRectangle {
 public:
  int requests = 0;

 protected:
  void Invalidate() override {
    ++requests;
    TwLedRectangle::Invalidate();
  }
};

TEST(Led, RectangleUnlitIsAThirdOfActiveColor) {
  struct Case { bool autoInactive, active; QColor shown; };
  const Case cases[] = {{true, false, QColor(85, 85, 0)}, {true, true, QColor(255, 255, 0)},
                        {false, false, QColor(128, 128, 0)}};
  for (const Case& c : cases) {
    TwLedRectangle led;
    led.resize(30, 14);
    led.SetActiveColor(platform::clYellow);
    led.SetInactiveColor(platform::clOlive);
    led.SetAutoInactiveColor(c.autoInactive);
    led.SetActive(c.active);
    EXPECT_EQ(led.grab().toImage().pixelColor(15, 7), c.shown) << c.autoInactive << c.active;
  }
}

TEST(Led, UnchangedStateIsSilentAndAVetoKeepsIt) {
  CountingLed led;
  int changes = 0;
  led.OnChange = [&](QObject*) { ++changes; };
  led.SetActive(true);
  EXPECT_EQ(changes, 1);
  led.requests = 0;
  led.SetActive(true);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(led.requests, 0);
  led.OnRequestEdit = [](QObject*, const QString& name, bool& canEdit) { canEdit = name != "Active"; };
  led.SetActive(false);
  EXPECT_TRUE(led.Active());
  EXPECT_EQ(changes, 1);
}

TEST(Led, RoundLedBoundsStaySquare) {
  TwLedRound led;
  led.SetBounds(0, 0, 20, 20);
  led.SetBounds(0, 0, 12, 20);  // the width changed: it wins
  EXPECT_EQ(led.size(), QSize(12, 12));
  led.SetBounds(0, 0, 12, 20);  // only the height changed
  EXPECT_EQ(led.size(), QSize(20, 20));
}

TEST(Led, TransparentRoundLedShowsItsParent) {
  QWidget parent;
  parent.resize(40, 40);
  parent.setAutoFillBackground(true);
  QPalette pal = parent.palette();
  pal.setColor(QPalette::Window, Qt::red);
  parent.setPalette(pal);
  auto* led = new TwLedRound(&parent);
  led->setGeometry(10, 10, 12, 12);
  led->SetTransparent(true);
  const QImage image = parent.grab().toImage();
  EXPECT_EQ(image.pixelColor(10, 10), QColor(Qt::red));
  EXPECT_NE(image.pixelColor(16, 16), QColor(Qt::red));
}

// The automix dialog's switch.
struct AutomixSwitch {
  TwSwitchLed sw;
  int changes = 0, user = 0;
  AutomixSwitch() {
    sw.resize(45, 28);
    sw.SetCaption("Auto");
    sw.SetCaptionMargin(2);
    sw.SetBorderSize(2);
    sw.OnChange = [this](QObject*) { ++changes; };
    sw.OnChangeUser = [this](QObject*) { ++user; };
  }
};

TEST(SwitchLed, LayoutOfTheAutomixSwitch) {
  AutomixSwitch s;
  const platform::TRect lamp = s.sw.LampRect(), caption = s.sw.CaptionRect();
  EXPECT_EQ((std::vector<int>{lamp.Left, lamp.Top, lamp.Right, lamp.Bottom}), (std::vector<int>{5, 18, 39, 22}));
  EXPECT_EQ((std::vector<int>{caption.Left, caption.Top, caption.Right, caption.Bottom}),
            (std::vector<int>{0, 0, 44, 16}));
  s.sw.SetActive(true);
  EXPECT_EQ(s.sw.grab().toImage().pixelColor(20, 20), QColor(0, 255, 0));
  s.sw.SetActive(false);
  EXPECT_EQ(s.sw.grab().toImage().pixelColor(20, 20), QColor(0, 85, 0));
  s.sw.SetBorderSize(1);
  EXPECT_EQ(s.sw.BorderSize(), 2);
}

TEST(SwitchLed, MomentaryFollowsTheButton) {
  AutomixSwitch s;
  s.sw.SetMomentaryStyle(ismsSimple);
  QTest::mousePress(&s.sw, Qt::LeftButton, {}, QPoint(20, 14));
  EXPECT_TRUE(s.sw.Active());
  QTest::mouseRelease(&s.sw, Qt::LeftButton, {}, QPoint(90, 14));
  EXPECT_FALSE(s.sw.Active());
  EXPECT_EQ(s.user, 2);
  EXPECT_EQ(s.changes, 2);
}

// A held Space repeats presses only: the switch toggles once, at the real
// release. A press ends with the focus: a release after the focus has gone
// toggles nothing.
TEST(SwitchLed, HeldSpaceTogglesOnceAndFocusLossEndsAPress) {
  QWidget window;
  auto* sw = new TwSwitchLed(&window);
  sw->setGeometry(0, 0, 45, 28);
  auto* other = new QWidget(&window);
  other->setFocusPolicy(Qt::StrongFocus);
  other->setGeometry(50, 0, 20, 20);
  int user = 0;
  sw->OnChangeUser = [&](QObject*) { ++user; };
  window.show();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  sw->setFocus();
  auto space = [&](QEvent::Type type, bool autoRepeat) {
    QKeyEvent e(type, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), autoRepeat);
    QApplication::sendEvent(sw, &e);
  };
  space(QEvent::KeyPress, false);
  for (int i = 0; i < 3; ++i) {
    space(QEvent::KeyRelease, true);
    space(QEvent::KeyPress, true);
  }
  EXPECT_FALSE(sw->Active()) << "held";
  space(QEvent::KeyRelease, false);
  EXPECT_TRUE(sw->Active());
  EXPECT_EQ(user, 1);

  QTest::mousePress(sw, Qt::LeftButton, {}, QPoint(20, 14));
  other->setFocus();
  QTest::mouseRelease(sw, Qt::LeftButton, {}, QPoint(20, 14));
  EXPECT_TRUE(sw->Active()) << "mouse released after the focus went";
  sw->setFocus();
  space(QEvent::KeyPress, false);
  other->setFocus();
  sw->setFocus();
  space(QEvent::KeyRelease, false);
  EXPECT_TRUE(sw->Active()) << "Space released after the focus went and came back";
  EXPECT_EQ(user, 1);
}

TEST(SwitchLed, AltAcceleratorToggles) {
  QWidget window;
  auto* sw = new TwSwitchLed(&window);
  sw->SetCaption("&Auto");
  int user = 0;
  sw->OnChangeUser = [&](QObject*) { ++user; };
  window.show();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  QTest::keyClick(&window, Qt::Key_A);
  EXPECT_FALSE(sw->Active());
  QTest::keyClick(&window, Qt::Key_A, Qt::AltModifier);
  EXPECT_TRUE(sw->Active());
  EXPECT_EQ(user, 1);
}

}  // namespace
