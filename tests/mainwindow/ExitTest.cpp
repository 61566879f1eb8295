#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

#include "controls/UxBmpButton.h"
#include "dialogs/FExit.h"
#include "link/LComm.h"
#include "MainWindowFixture.h"
#include "platform/MenuItem.h"
#include "platform/Timer.h"
#include "simproc/SimSerialServer.h"
#include "support/UiFixture.h"

namespace {

// The main window with the exit window and an open serial link to a
// simulated processor on a pseudo-terminal.
class ExitTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    CreateMain();
    fmExit = new TfmExit();
    ASSERT_TRUE(sim.StartPty()) << sim.LastError();
    fmMain->CommProc = std::make_unique<LCommProc>(LinkOwner{}, 1);
    ASSERT_TRUE(fmMain->CommProc->Open(sim.SlavePath())) << fmMain->CommProc->LastError();
    fmMain->show();
  }
  void TearDown() override {
    delete fmExit;
    fmExit = nullptr;
    MainWindowTest::TearDown();
    sim.Stop();
  }
  bool SimReceived(std::uint8_t code) {
    for (const LCmd& c : sim.Processor().Requests())
      if (c.GetCode() == code) return true;
    return false;
  }
  // Runs the application's loop until the program ends it (or the guard
  // gives up on it);
  // returns how long after `from` it ended.
  qint64 RunUntilQuit(const QElapsedTimer& from) {
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, QCoreApplication::instance(), [] { QCoreApplication::exit(99); });
    guard.start(30000);
    const int code = QCoreApplication::exec();
    EXPECT_NE(code, 99) << "the program did not end";
    return from.elapsed();
  }

  SimSerialServer sim;
};

}  // namespace

TEST_F(ExitTest, CloseRequestShowsTheExitWindowAndCancelKeepsRunning) {
  fmMain->close();
  EXPECT_TRUE(fmMain->isVisible());
  EXPECT_TRUE(fmExit->isVisible());
  EXPECT_EQ(fmExit->lbExit->text(), "Are you sure to quit ?");
  testsupport::Click(fmExit->btnCancel);
  EXPECT_FALSE(fmExit->isVisible());
  EXPECT_FALSE(fmMain->ExitConfirmed);
  fmMain->close();  // asks again
  EXPECT_TRUE(fmMain->isVisible());
  EXPECT_TRUE(fmExit->isVisible());
  testsupport::RunEventLoop(100);
  EXPECT_FALSE(SimReceived(0x11));
}

TEST_F(ExitTest, OkSendsTheEndCommandAndTheProgramEndsAbout300msLater) {
  testsupport::FrameRecorder frames;
  fmMain->OnSubmit = [&](const Bytes& frame, bool) { frames.Record(frame); };
  fmMain->close();
  QElapsedTimer clock;
  QTimer::singleShot(0, fmExit, [&] {
    clock.start();
    testsupport::Click(fmExit->btnOK);
  });
  const qint64 ended = RunUntilQuit(clock);
  EXPECT_GE(ended, 250);  // no upper bound: a loaded machine delays timers; the guard catches "never"
  EXPECT_EQ(frames.HexFrames(), std::vector<std::string>{"10 02 00 01 01 11 10 03 10"});
  EXPECT_EQ(fmMain->CommProc, nullptr);  // closed and freed on the way out
  EXPECT_TRUE(SimReceived(0x11));
}

TEST_F(ExitTest, FileExitEndsTheProgramAlthoughTheModalWindowNeverCloses) {
  QElapsedTimer clock;
  QTimer::singleShot(0, fmMain, [] { fmMain->MenuItem("Exit")->Click(); });
  QTimer::singleShot(50, fmExit, [&] {
    EXPECT_TRUE(fmExit->IsModal());
    clock.start();
    testsupport::Click(fmExit->btnOK);
  });
  const qint64 ended = RunUntilQuit(clock);
  EXPECT_GE(ended, 250);  // no upper bound: a loaded machine delays timers; the guard catches "never"
  EXPECT_TRUE(SimReceived(0x11));
}
