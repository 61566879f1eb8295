#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <gtest/gtest.h>

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

TEST(Timer, EnablingRunningTimerDoesNotRestartButNewIntervalDoes) {
  Timer timer(nullptr, 100);
  int ticks = 0;
  timer.OnTimer = [&](QObject*) { ++ticks; };
  timer.SetEnabled(true);
  testsupport::RunEventLoop(60);
  timer.SetEnabled(true);  // no restart: still fires at about 100 ms
  testsupport::RunEventLoop(70);
  EXPECT_EQ(ticks, 1);
  timer.SetInterval(200);  // restarts
  testsupport::RunEventLoop(120);
  EXPECT_EQ(ticks, 1);
  timer.SetEnabled(false);
  testsupport::RunEventLoop(150);
  EXPECT_EQ(ticks, 1);
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
