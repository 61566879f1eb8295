#include <QLabel>

#include <chrono>
#include <thread>

#include "controls/UxBmpButton.h"
#include "ConnectFixture.h"
#include "simproc/SimSerialServer.h"

namespace {

class SerialConnectTest : public ConnectTest {
 protected:
  void SetUp() override {
    ConnectTest::SetUp();
    ASSERT_TRUE(sim.StartPty()) << sim.LastError();
    ports = {{"ttySIM1", sim.SlavePath(), 1}};
    fmMain->DeviceIp = {0, 0, 0, 0};  // no Ethernet step: USB absent, address 0.0.0.0
  }
  void TearDown() override {
    ConnectTest::TearDown();
    sim.Stop();
  }
  SimSerialServer sim;
};

}  // namespace

TEST_F(SerialConnectTest, ScanFindsTheProcessorOnASerialPort) {
  ASSERT_TRUE(PressLinkAndWait([] { return fmMain->IdentityAccepted && !fmNetwork->isVisible(); }, 30000));
  const std::vector<int> codes = Codes();
  ASSERT_GE(codes.size(), 3u);
  EXPECT_EQ(std::vector<int>(codes.begin(), codes.begin() + 3), (std::vector<int>{0x10, 0x13, 0x22}));
  EXPECT_TRUE(fmMain->Online);
  EXPECT_EQ(fmMain->FindControl<QLabel>("lbShowIp")->text(), "ttySIM1");
  EXPECT_EQ(fmMain->FindControl<TUxBmpButton>("uxbMenuLink")->Caption(), "OnLine");
  EXPECT_TRUE(fmMain->FindControl<TUxBmpButton>("uxbMenuLink")->Down());
}

TEST_F(SerialConnectTest, AProcessorAnsweringWithAnotherIdIsIgnoredAndTheScanEnds) {
  SimFaults faults;
  faults.ReplyDeviceId = 9;
  sim.Processor().SetFaults(faults);
  QTimer::singleShot(0, fmMain, [] { fmMain->uxbMenuLinkClick(fmMain); });
  ASSERT_TRUE(WaitForDialog(
      [] { return fmNetwork->lblScan->text() == "No Device found." && fmNetwork->btnOK->Enabled(); }, 30000));
  EXPECT_FALSE(fmMain->Online);
  EXPECT_EQ(fmMain->OpenLink(), nullptr);
}

TEST_F(SerialConnectTest, WhileOnlineRepliesWithAnotherIdAreDroppedAndTheLinkStays) {
  ASSERT_TRUE(PressLinkAndWait([] { return fmMain->IdentityAccepted && !fmNetwork->isVisible(); }, 30000));
  ExpectForeignRepliesDroppedWhileOnline(sim.Processor());
}

TEST_F(SerialConnectTest, AProcessorFallingSilentWhileOnlineGivesLinkBroken) {
  ASSERT_TRUE(PressLinkAndWait([] { return fmMain->IdentityAccepted && !fmNetwork->isVisible(); }, 30000));
  SimFaults silent;
  silent.Silent = true;
  sim.Processor().SetFaults(silent);
  // The next keep-alive goes unanswered: four writes a second apart, then the
  // link reports, the editor disconnects and shows the dialog again.
  ASSERT_TRUE(WaitForDialog([] { return fmNetwork->lblScan->text() == "Link Broken"; }, 30000));
  EXPECT_FALSE(fmMain->Online);
  EXPECT_FALSE(fmMain->IdentityAccepted);
  EXPECT_EQ(fmMain->FindControl<QLabel>("lbShowIp")->text(), "Disconnected");
}

TEST_F(SerialConnectTest, TrafficMonitorListsTheFramesWhileShown) {
  fmHidData->Show();
  ASSERT_TRUE(PressLinkAndWait([] { return fmMain->IdentityAccepted && !fmNetwork->isVisible(); }, 30000));
  ASSERT_GE(fmHidData->hbHidData->count(), 2);
  EXPECT_EQ(fmHidData->hbHidData->item(0)->text(), "COM W 10 02 00 01 01 10 10 03 11 ");
  EXPECT_TRUE(fmHidData->hbHidData->item(1)->text().startsWith("COM R 10 02 01 00 01 10 10 03"));
  EXPECT_EQ(fmHidData->hbHidData->currentRow(), fmHidData->hbHidData->count() - 1);
  fmHidData->hide();
  const int lines = fmHidData->hbHidData->count();
  fmMain->SendCommand(CM_MCS_CMD(1, 0x12), true, true);
  testsupport::RunEventLoop(200);
  EXPECT_EQ(fmHidData->hbHidData->count(), lines);
}

namespace {

struct IdentityCase {
  const char* payload;
  const char* message;  // null: accepted
};

}  // namespace

TEST_F(SerialConnectTest, IdentityCheck) {
  const IdentityCase cases[] = {
      {"QRV512 V011", nullptr},
      {"QRV512 V011 build 7", nullptr},
      {"QRV512 V012", "Unit's Version Error !!"},
      {"QRV51", "Unit's Type Error !!"},
      {"XRV512 V011", "Unit's Type Error !!"},
  };
  for (const IdentityCase& c : cases) {
    SCOPED_TRACE(c.payload);
    fmMain->SetComPortName(QString::fromStdString(sim.SlavePath()));
    fmMain->ConnectCom();
    ASSERT_NE(fmMain->OpenLink(), nullptr);
    ASSERT_TRUE(testsupport::WaitFor([] { return fmMain->Online && fmMain->IdentityAccepted; }, 30000));
    fmMain->IdentityAccepted = false;
    frames.Clear();
    fmInformation->lbMessage->clear();
    if (c.message) AnswerInformationBox();
    const std::string text = c.payload;
    fmMain->OnIdentityReply(1, Bytes(text.begin(), text.end()));
    if (c.message) {
      EXPECT_EQ(fmInformation->lbMessage->text(), c.message);
      EXPECT_FALSE(fmMain->Online);
      EXPECT_EQ(Codes().front(), 0x11);
      EXPECT_TRUE(fmMain->tmDisconnect->Enabled());
    } else {
      EXPECT_TRUE(fmMain->IdentityAccepted);
      EXPECT_EQ(Codes().front(), 0x22);
    }
    fmMain->tmDisconnect->SetEnabled(false);
    fmMain->Disconnect();
  }
}

TEST_F(SerialConnectTest, AStatusFromAClosedLinkDoesNotDropTheNextLink) {
  SimFaults silent;
  silent.Silent = true;
  sim.Processor().SetFaults(silent);
  fmMain->SetComPortName(QString::fromStdString(sim.SlavePath()));
  fmMain->ConnectCom();
  fmMain->SetLinkTimeout(20);
  // The first link gives up (status 0) while the UI thread is busy, so the
  // status waits in the queue while that link is replaced.
  std::this_thread::sleep_for(std::chrono::milliseconds(400));
  fmMain->Disconnect();
  sim.Processor().SetFaults(SimFaults{});
  fmMain->ConnectCom();
  ASSERT_NE(fmMain->CommProc, nullptr);
  ASSERT_TRUE(testsupport::WaitFor([] { return fmMain->IdentityAccepted; }, 30000));
  EXPECT_NE(fmMain->CommProc, nullptr);
}

TEST_F(SerialConnectTest, DisconnectAlwaysEndsTheOnlineState) {
  fmMain->SetComPortName(QString::fromStdString(sim.SlavePath()));
  fmMain->ConnectCom();
  ASSERT_TRUE(testsupport::WaitFor([] { return fmMain->Online; }, 30000));
  // No processor answered the dialog's last try (LinkOk 0): the captions
  // stay, but the link is closed and the editor is no longer online.
  fmNetwork->LinkOk = 0;
  fmMain->Disconnect();
  EXPECT_EQ(fmMain->OpenLink(), nullptr);
  EXPECT_FALSE(fmMain->Online);
}

TEST_F(SerialConnectTest, TheEndCommandWaitingBehindALateAnswerStillReachesTheProcessor) {
  // Going offline sends 0x11 behind a frame whose answer comes two ticks of
  // the disconnect timer late: the disconnect waits for 0x11 to be written.
  fmMain->SetComPortName(QString::fromStdString(sim.SlavePath()));
  fmMain->ConnectCom();
  ASSERT_TRUE(testsupport::WaitFor([] { return fmMain->UploadRefreshCount > 0; }, 30000));
  fmMain->tmInLevelDet->SetEnabled(false);
  ASSERT_TRUE(testsupport::WaitFor([] { return !fmMain->OpenLink()->IsBusy(); }, 30000));
  SimFaults late;
  late.DelayMs = 2 * fmMain->tmDisconnect->Interval() + 100;
  sim.Processor().SetFaults(late);
  fmMain->SendCommand(CM_MCS_MUTE(static_cast<std::uint8_t>(fmMain->DeviceId), 0, 1), true, true);
  fmMain->uxbMenuLinkClick(nullptr);
  ASSERT_TRUE(testsupport::WaitFor([] { return fmMain->OpenLink() == nullptr; }, 30000));
  const auto endCommand = [this] {
    for (const LCmd& r : sim.Processor().Requests())
      if (r.GetCode() == 0x11) return true;
    return false;
  };
  EXPECT_TRUE(testsupport::WaitFor(endCommand, 5000));
}
