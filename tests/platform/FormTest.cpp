#include <QElapsedTimer>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <gtest/gtest.h>

#include <vector>

#include "platform/Application.h"
#include "platform/Form.h"
#include "platform/MenuItem.h"
#include "platform/Timer.h"
#include "support/UiFixture.h"

using namespace platform;

namespace {

class TestForm : public Form {
 public:
  TestForm() {
    button = Create<QPushButton>(this, "uxbMenuInA");
    label = Create<QLabel>(this, "lbShowIdNumber");
  }
  void FormShow() override { ++shows; }
  void FormClose(CloseAction& action) override {
    ++closeRequests;
    if (keepOpen) action = CloseAction::Keep;
  }
  QPushButton* button;
  QLabel* label;
  int shows = 0;
  int closeRequests = 0;
  bool keepOpen = false;
};

}  // namespace

TEST(Form, FindsControlsIgnoringCaseAndChecksClass) {
  TestForm form;
  EXPECT_EQ(form.FindControl<QPushButton>("UXBMENUINA"), form.button);
  EXPECT_EQ(form.FindControl<QWidget>("uxbmenuina"), form.button);
  EXPECT_EQ(form.FindControl<QLabel>("uxbMenuInA"), nullptr);
  EXPECT_EQ(form.FindControl<QPushButton>("uxbMenuInB"), nullptr);
  ASSERT_EQ(form.Controls().size(), 2u);
  EXPECT_EQ(form.Controls()[0], form.button);
}

TEST(Form, ComposedChannelNames) {
  const std::pair<int, const char*> cases[] = {{0, "uxbMuteInA"}, {7, "uxbMuteInH"}, {8, "uxbMuteIn1"},
                                               {15, "uxbMuteIn8"}, {18, "uxbMuteInEff"}, {16, "uxbMuteIn"}};
  for (auto [channel, name] : cases) EXPECT_EQ(ComposedName("uxbMuteIn", channel), name) << channel;
}

TEST(Application, TitleIsNotTheDisplayNameTheWindowSystemAppends) {
  const QString before = QCoreApplication::applicationName();
  Application::SetTitle("KOVAS DSP Processor Editor V1.1");
  EXPECT_EQ(Application::Title(), "KOVAS DSP Processor Editor V1.1");
  // A display name nobody set follows the application name.
  QCoreApplication::setApplicationName("other");
  EXPECT_EQ(QGuiApplication::applicationDisplayName(), "other");
  QCoreApplication::setApplicationName(before);
}

TEST(Form, TagLivesOnAnyObject) {
  QObject o;
  EXPECT_EQ(Tag(&o), 0);
  SetTag(&o, 12);
  EXPECT_EQ(Tag(&o), 12);
}

TEST(Form, ShowHandlerRunsOnlyForProgramShowsAndCloseCanKeepOpen) {
  TestForm form;
  form.Show();
  EXPECT_EQ(form.shows, 1);
  form.hide();
  form.setVisible(true);  // a show the program did not ask for through Show
  EXPECT_EQ(form.shows, 1);
  form.keepOpen = true;
  form.close();
  EXPECT_TRUE(form.isVisible());
  form.keepOpen = false;
  form.close();
  EXPECT_FALSE(form.isVisible());
  EXPECT_EQ(form.closeRequests, 2);
}

TEST(Form, ModalResultEndsShowModal) {
  TestForm form;
  QTimer::singleShot(20, &form, [&] { form.SetModalResult(mrOk); });
  EXPECT_EQ(form.ShowModal(), mrOk);
  EXPECT_EQ(form.shows, 1);
}

// Times are read from a clock started before the timer, so a loaded machine
// only makes them later: the checks are lower bounds, or upper bounds with a
// margin of half a period and more.
TEST(Timer, EnablingRunningTimerDoesNotRestartButNewIntervalDoes) {
  QElapsedTimer clock;
  clock.start();
  Timer timer(nullptr, 1000);
  std::vector<qint64> ticks;
  timer.OnTimer = [&](QObject*) { ticks.push_back(clock.elapsed()); };
  timer.SetEnabled(true);
  ASSERT_TRUE(testsupport::WaitFor([&] { return clock.elapsed() >= 500; }, 5000));
  const qint64 reenabled = clock.elapsed();
  timer.SetEnabled(true);  // no restart: the tick stays due at 1000 ms
  ASSERT_TRUE(testsupport::WaitFor([&] { return !ticks.empty(); }, 60000));
  EXPECT_GE(ticks[0], 1000);
  EXPECT_LT(ticks[0], reenabled + 1000);

  ASSERT_TRUE(testsupport::WaitFor([&] { return clock.elapsed() >= ticks[0] + 300; }, 5000));
  const qint64 changed = clock.elapsed();
  timer.SetInterval(1200);  // restarts: the tick the old period had due is gone
  ASSERT_TRUE(testsupport::WaitFor([&] { return ticks.size() >= 2; }, 60000));
  EXPECT_GE(ticks[1], changed + 1200);

  timer.SetEnabled(false);
  testsupport::RunEventLoop(1500);
  EXPECT_EQ(ticks.size(), 2u);
}

TEST(Timer, NeverFiresBeforeItsPeriod) {
  QElapsedTimer clock;
  clock.start();
  Timer timer(nullptr, 110);
  std::vector<qint64> ticks;
  timer.OnTimer = [&](QObject*) { ticks.push_back(clock.elapsed()); };
  timer.SetEnabled(true);
  ASSERT_TRUE(testsupport::WaitFor([&] { return ticks.size() >= 20; }, 60000));
  for (std::size_t k = 0; k < ticks.size(); ++k) EXPECT_GE(ticks[k], 110 * qint64(k + 1)) << "tick " << k;
}

TEST(MenuItem, HandlerSeesOldCheckState) {
  MenuItem item("English", nullptr);
  item.SetChecked(false);
  bool seen = true;
  item.OnClick = [&](QObject*) { seen = item.Checked(); };
  item.trigger();
  EXPECT_FALSE(seen);
  EXPECT_FALSE(item.Checked());
  item.OnClick = [&](QObject*) { item.SetChecked(true); };
  item.trigger();
  EXPECT_TRUE(item.Checked());
}
