// The operation-lock windows: the lock setting, the unlock prompt with its
// verdict polling (timer ticks called directly), the dispatcher's route of
// the verdict and the main window's entries that open both windows.
#include <QtTest/QTest>

#include <functional>

#include "LinkedDialogFixture.h"
#include "controls/UxBmpButton.h"
#include "dialogs/FLockPassWord.h"
#include "dialogs/FLockSetup.h"
#include "link/Lnet.h"
#include "platform/MenuItem.h"

namespace {

const Sent kSubmitAbcd{"10 02 00 01 06 2D 00 41 42 43 44 10 03 2F", true};
const Sent kEnd{"10 02 00 01 01 11 10 03 10", true};
const Sent kUploadStart{"10 02 00 01 01 22 10 03 23", false};

}  // namespace

class LockTest : public LinkedDialogTest {
 protected:
  static void SetUpTestSuite() {
    CreateWindows([](testsupport::FormCreator& f) {
      f.CreateForm(fmLockSetup);
      f.CreateForm(fmLockPassWord);
    });
  }
  void TearDown() override {
    for (platform::Timer* t : {fmLockPassWord->tmCheck, fmLockPassWord->tmCmd, fmLockSetup->tmClose, fmMain->tmUnlock})
      t->SetEnabled(false);
    fmMain->LinkState = 0;
    LinkedDialogTest::TearDown();
  }
  // The unlock window shown, "abcd" typed and OK pressed.
  void SubmitAbcd() {
    fmLockPassWord->Show();
    fmLockPassWord->edName->selectAll();
    QTest::keyClicks(fmLockPassWord->edName, QStringLiteral("abcd"));
    fmLockPassWord->btnOK->Click();
  }
  // The processor's reply 0x2D as the link hands it over.
  void Verdict(std::uint8_t lead, std::uint8_t state) {
    const std::uint8_t payload[] = {lead, state};
    fmMain->OnDeviceReply(SimProcessor::ReplyFrame(1, 0x2D, payload));
  }
  bool Polling() const { return fmLockPassWord->tmCheck->Enabled() || fmLockPassWord->tmCmd->Enabled(); }
};

TEST_F(LockTest, SetupProposes0947AtEveryShowing) {
  for (int showing = 0; showing < 2; ++showing) {
    fmLockSetup->Show();
    EXPECT_EQ(fmLockSetup->edName->text(), "0947");
    EXPECT_EQ(fmLockSetup->edName->selectedText(), "0947");
    fmLockSetup->edName->setText(QStringLiteral("12"));
    fmLockSetup->btnExit->Click();
    EXPECT_FALSE(fmLockSetup->isVisible());
  }
  EXPECT_TRUE(sent.empty()) << "Exit sends nothing";
}

TEST_F(LockTest, SetupSendsTheFourBytesAndEndsTheConnection) {
  struct Case {
    QString typed;
    Sent frame;
  } cases[] = {
      {QString(), {"10 02 00 01 05 2F 30 39 34 37 10 03 20", true}},  // the proposal
      {QStringLiteral("12"), {"10 02 00 01 05 2F 31 32 00 00 10 03 29", true}},
      {QStringLiteral("ab9z"), {"10 02 00 01 05 2F 41 42 39 5A 10 03 4A", true}},
  };
  for (const Case& c : cases) {
    sent.clear();
    fmMain->tmDisconnect->SetEnabled(false);
    fmLockSetup->Show();
    if (!c.typed.isEmpty()) {
      fmLockSetup->edName->selectAll();
      QTest::keyClicks(fmLockSetup->edName, c.typed);
    }
    QTest::keyClick(fmLockSetup->edName, Qt::Key_Return);
    EXPECT_EQ(sent, std::vector<Sent>{c.frame}) << c.typed.toStdString();
    EXPECT_TRUE(fmLockSetup->tmClose->Enabled());
    EXPECT_TRUE(fmLockSetup->isVisible()) << "open until the close timer";
    EXPECT_FALSE(fmMain->tmDisconnect->Enabled());
    fmLockSetup->tmCloseTimer(fmLockSetup->tmClose);
    EXPECT_FALSE(fmLockSetup->tmClose->Enabled());
    EXPECT_TRUE(fmMain->tmDisconnect->Enabled());
    EXPECT_FALSE(fmLockSetup->isVisible());
  }
}

TEST_F(LockTest, UnlockShowsMaskHoldsCapitalsAndSubmitsForced) {
  fmLockPassWord->Show();
  EXPECT_EQ(fmLockPassWord->edName->text(), "****");
  EXPECT_EQ(fmLockPassWord->edName->selectedText(), "****");
  fmLockPassWord->edName->selectAll();
  QTest::keyClicks(fmLockPassWord->edName, QStringLiteral("abcd"));
  EXPECT_EQ(fmLockPassWord->edName->text(), "ABCD");
  EXPECT_EQ(fmLockPassWord->edName->displayText(), "****");
  QTest::keyClick(fmLockPassWord->edName, Qt::Key_Enter);
  EXPECT_EQ(sent, std::vector<Sent>{kSubmitAbcd});
  EXPECT_EQ(fmLockPassWord->ReplyState, 255);
  EXPECT_EQ(fmLockPassWord->PollCount, 0);
  EXPECT_TRUE(fmLockPassWord->tmCheck->Enabled());

  // A short password is padded with zero bytes.
  sent.clear();
  fmLockPassWord->edName->setText(QStringLiteral("7"));
  fmLockPassWord->btnOK->Click();
  EXPECT_EQ(sent, (std::vector<Sent>{{"10 02 00 01 06 2D 00 37 00 00 00 10 03 1C", true}}));
}

TEST_F(LockTest, AcceptedVerdictReadsTheStateOnePollLater) {
  SubmitAbcd();
  Verdict(0, 1);  // before the first poll
  EXPECT_EQ(fmLockPassWord->ReplyState, 1);
  fmLockPassWord->tmCheckTimer(fmLockPassWord->tmCheck);
  EXPECT_FALSE(fmLockPassWord->tmCheck->Enabled());
  EXPECT_TRUE(fmLockPassWord->tmCmd->Enabled());
  EXPECT_EQ(sent, std::vector<Sent>{kSubmitAbcd});
  fmLockPassWord->tmCmdTimer(fmLockPassWord->tmCmd);
  EXPECT_EQ(sent, (std::vector<Sent>{kSubmitAbcd, kUploadStart}));
  EXPECT_FALSE(fmLockPassWord->tmCmd->Enabled());
  EXPECT_FALSE(fmLockPassWord->isVisible());
  EXPECT_TRUE(messages.empty());
}

TEST_F(LockTest, WrongVerdictAsksAgain) {
  SubmitAbcd();
  Verdict(0, 0);
  fmLockPassWord->tmCheckTimer(fmLockPassWord->tmCheck);
  EXPECT_EQ(messages, std::vector<std::string>{"Password Error!!"});
  EXPECT_EQ(fmLockPassWord->edName->text(), "****");
  EXPECT_EQ(fmLockPassWord->edName->selectedText(), "****");
  EXPECT_FALSE(Polling());
  EXPECT_TRUE(fmLockPassWord->isVisible());
  EXPECT_EQ(sent, std::vector<Sent>{kSubmitAbcd});
}

TEST_F(LockTest, VerdictRouteAndOtherValues) {
  SubmitAbcd();
  Verdict(1, 1);  // not an answer to an unlock attempt
  EXPECT_EQ(fmLockPassWord->ReplyState, 255);
  const std::uint8_t shortPayload[] = {0};
  fmMain->OnDeviceReply(SimProcessor::ReplyFrame(1, 0x2D, shortPayload));  // too short
  EXPECT_EQ(fmLockPassWord->ReplyState, 255);
  Verdict(0, 7);
  fmLockPassWord->tmCheckTimer(fmLockPassWord->tmCheck);
  EXPECT_FALSE(Polling()) << "an unknown verdict stops polling";
  EXPECT_TRUE(messages.empty());
  EXPECT_TRUE(fmLockPassWord->isVisible());
}

TEST_F(LockTest, NoVerdictTimesOutOnThe31stPoll) {
  SubmitAbcd();
  for (int poll = 1; poll <= 30; ++poll) {
    fmLockPassWord->tmCheckTimer(fmLockPassWord->tmCheck);
    ASSERT_TRUE(fmLockPassWord->tmCheck->Enabled()) << poll;
  }
  EXPECT_TRUE(messages.empty());
  EXPECT_EQ(sent, std::vector<Sent>{kSubmitAbcd});
  fmLockPassWord->tmCheckTimer(fmLockPassWord->tmCheck);
  EXPECT_EQ(fmLockPassWord->PollCount, 31);
  EXPECT_EQ(messages, std::vector<std::string>{"Check Time Out!"});
  EXPECT_EQ(sent, (std::vector<Sent>{kSubmitAbcd, kEnd}));
  EXPECT_TRUE(fmMain->tmDisconnect->Enabled());
  EXPECT_FALSE(Polling());
  EXPECT_FALSE(fmLockPassWord->isVisible());
}

TEST_F(LockTest, OkAgainRestartsTheCount) {
  SubmitAbcd();
  for (int poll = 1; poll <= 20; ++poll) fmLockPassWord->tmCheckTimer(fmLockPassWord->tmCheck);
  fmLockPassWord->btnOK->Click();
  for (int poll = 1; poll <= 30; ++poll) fmLockPassWord->tmCheckTimer(fmLockPassWord->tmCheck);
  EXPECT_TRUE(messages.empty());
  EXPECT_TRUE(fmLockPassWord->tmCheck->Enabled());
  EXPECT_EQ(sent, (std::vector<Sent>{kSubmitAbcd, kSubmitAbcd}));
}

TEST_F(LockTest, CancelEscapeAndCloseBoxEndTheWaitAndTheConnection) {
  const std::pair<const char*, std::function<void()>> ways[] = {
      {"Cancel", [] { fmLockPassWord->bnCancel->Click(); }},
      {"Escape", [] { QTest::keyClick(fmLockPassWord->edName, Qt::Key_Escape); }},
      {"close box", [] { fmLockPassWord->close(); }},
  };
  for (const auto& [name, cancel] : ways) {
    sent.clear();
    fmMain->tmDisconnect->SetEnabled(false);
    SubmitAbcd();
    fmLockPassWord->tmCheckTimer(fmLockPassWord->tmCheck);
    cancel();
    EXPECT_EQ(sent, (std::vector<Sent>{kSubmitAbcd, kEnd})) << name;
    EXPECT_FALSE(Polling()) << name;
    EXPECT_TRUE(fmMain->tmDisconnect->Enabled()) << name;
    EXPECT_FALSE(fmLockPassWord->isVisible()) << name;
    // A verdict arriving after the window closed starts nothing.
    Verdict(0, 1);
    EXPECT_FALSE(Polling()) << name;
  }
  EXPECT_TRUE(messages.empty());
}

TEST_F(LockTest, MenuEntriesOpenTheLockSetting) {
  for (const char* item : {"Lock", "LockSetup"}) {
    bool shown = false;
    WhileModal([item] { fmMain->MenuItem(item)->Click(); },
               [&] {
                 shown = fmLockSetup->isVisible();
                 fmLockSetup->btnExit->Click();
               });
    EXPECT_TRUE(shown) << item;
  }
  EXPECT_TRUE(sent.empty());
}

TEST_F(LockTest, LockReportShowsTheUnlockWindowFromAOneShotTimer) {
  fmMain->OnOperationLockSet();
  EXPECT_EQ(fmMain->LinkState, 8);
  EXPECT_TRUE(fmMain->tmUnlock->Enabled());
  EXPECT_EQ(fmMain->tmUnlock->Interval(), 100);
  EXPECT_FALSE(fmLockPassWord->isVisible());
  QString caption;
  WhileModal([] { fmMain->tmUnlockTimer(fmMain->tmUnlock); },
             [&] {
               caption = fmLockPassWord->windowTitle();
               fmLockPassWord->bnCancel->Click();
             });
  EXPECT_FALSE(fmMain->tmUnlock->Enabled());
  EXPECT_EQ(caption, "UnLock Setting");
  EXPECT_EQ(sent, std::vector<Sent>{kEnd});

  // While the Ethernet link is open the window waits longer.
  fmMain->CommProc.reset();
  fmMain->NetProc = std::make_unique<LNetProc>(LinkOwner{}, 1, [](std::span<const std::uint8_t>) { return true; });
  fmMain->OnOperationLockSet();
  EXPECT_EQ(fmMain->tmUnlock->Interval(), 1200);
  fmMain->tmUnlock->SetEnabled(false);
  fmMain->NetProc.reset();
}
