// The operation lock against the simulated processor over a pseudo-terminal,
// connected through the whole connect chain: the unlock window's verdicts
// come from the processor, an accepted password reads the state again, and
// setting a lock leaves the editor offline.
#include <QElapsedTimer>
#include <QtTest/QTest>

#include <algorithm>

#include "ConnectFixture.h"
#include "controls/UxBmpButton.h"
#include "platform/Dialogs.h"
#include "platform/MenuItem.h"
#include "simproc/SimSerialServer.h"

class LockOnlineTest : public ConnectTest {
 protected:
  void SetUp() override {
    ConnectTest::SetUp();
    processor->SetPassword({'4', '7', '1', '1'});
    ASSERT_TRUE(server.StartPty()) << server.LastError();
    platform::SetMessageProvider([this](const platform::MessageRequest& r) {
      messages.push_back(r.text.toStdString());
      return int(platform::mrOk);
    });
    fmMain->SetComPortName(QString::fromStdString(server.SlavePath()));
    fmMain->ConnectCom();
    ASSERT_TRUE(testsupport::WaitFor([] { return fmMain->UploadRefreshCount == 1; }, 30000));
    ASSERT_TRUE(fmMain->IsOnline());
  }
  void TearDown() override {
    platform::SetMessageProvider({});
    ConnectTest::TearDown();
    server.Stop();
  }
  // The codes the processor was asked since the last clear, without the
  // meter polls and keep-alives.
  std::vector<int> Asked() const {
    std::vector<int> codes;
    for (const LCmd& c : processor->Requests())
      if (c.GetCode() != 0x40 && c.GetCode() != 0x12) codes.push_back(c.GetCode());
    return codes;
  }
  static void Type(QLineEdit* edit, const QString& text) {
    edit->selectAll();
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Return);
  }

  std::shared_ptr<SimProcessor> processor = std::make_shared<SimProcessor>();
  SimSerialServer server{processor};
  std::vector<std::string> messages;
};

TEST_F(LockOnlineTest, UnlockReadsTheStateAgainAndLockingGoesOffline) {
  processor->ClearRequests();
  // A wrong password first, then the processor's own, typed into the window
  // the main window opens.
  int stage = 0;
  QTimer driver;
  QObject::connect(&driver, &QTimer::timeout, [&] {
    if (stage == 0 && fmLockPassWord->isVisible()) {
      stage = 1;
      Type(fmLockPassWord->edName, QStringLiteral("0000"));
    } else if (stage == 1 && !messages.empty()) {
      stage = 2;
      Type(fmLockPassWord->edName, QStringLiteral("4711"));
    }
  });
  driver.start(10);
  fmMain->OnOperationLockSet();
  ASSERT_TRUE(testsupport::WaitFor([] { return fmMain->UploadRefreshCount == 2; }, 30000));
  driver.stop();
  EXPECT_EQ(stage, 2);
  EXPECT_EQ(messages, std::vector<std::string>{"Password Error!!"});
  EXPECT_FALSE(fmLockPassWord->isVisible());

  // Both submissions, then the whole reading of the state.
  std::vector<int> expected{0x2D, 0x2D, 0x22, 0x14};
  expected.insert(expected.end(), 21, 0x29);
  expected.push_back(0x6C);
  expected.insert(expected.end(), 31, 0x27);
  const std::vector<int> asked = Asked();
  ASSERT_GE(asked.size(), expected.size());
  EXPECT_EQ(std::vector<int>(asked.begin(), asked.begin() + expected.size()), expected);
  EXPECT_TRUE(fmMain->IsOnline());

  // Setting a lock: the processor keeps the password, the editor goes
  // offline 100 ms + 300 ms after OK.
  QElapsedTimer clock;
  QTimer setter;
  QObject::connect(&setter, &QTimer::timeout, [&] {
    if (clock.isValid() || !fmLockSetup->isVisible()) return;
    Type(fmLockSetup->edName, QStringLiteral("12"));
    clock.start();
  });
  setter.start(10);
  QTimer::singleShot(0, [] { fmMain->MenuItem("Lock")->Click(); });
  ASSERT_TRUE(testsupport::WaitFor([&] { return clock.isValid() && !fmMain->IsOnline(); }, 30000));
  // Not before the two timers (started by OK, a moment before the clock);
  // a loaded machine only makes it later.
  EXPECT_GE(clock.elapsed(), 370);
  EXPECT_FALSE(fmLockSetup->isVisible());
  EXPECT_EQ(fmMain->OpenLink(), nullptr);
  EXPECT_EQ(processor->Password(), (std::array<std::uint8_t, 4>{'1', '2', 0, 0}));
}
