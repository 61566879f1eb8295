#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <functional>

#include "controls/UxBmpButton.h"
#include "ConnectFixture.h"
#include "dialogs/FHidData.h"
#include "dialogs/FIdSelect.h"
#include "dialogs/FNetworkSetup.h"
#include "link/Lusb.h"
#include "simproc/SimProcessor.h"

namespace {

// A processor on the fake USB backend: every output report goes to a
// simulated processor whose replies come back as input reports.
class UsbConnectTest : public ConnectTest {
 protected:
  void SetUp() override {
    ConnectTest::SetUp();
    device = hid->Plug();
    hid->SetResponder(device, [this](std::span<const std::uint8_t> data) {
      std::vector<std::vector<std::uint8_t>> replies;
      for (Bytes& reply : sim.Receive(data)) replies.push_back(std::move(reply));
      return replies;
    });
    ASSERT_TRUE(testsupport::WaitFor([] { return fmMain->HasUsbProcessor(); }, 30000));
  }
  // Connects through the link button and waits for the upload's end; meter
  // polling is stopped so that only what a test sends is submitted.
  void ConnectAndUpload() {
    ASSERT_TRUE(PressLinkAndWait([] { return fmMain->UploadRefreshCount == 1 && !fmNetwork->isVisible(); }, 30000));
    fmMain->tmInLevelDet->SetEnabled(false);
  }
  // Opens a dialog modally; `during` runs inside its loop and must close it.
  static void RunModal(platform::Form* dialog, const std::function<void()>& open, const std::function<void()>& during) {
    QTimer::singleShot(0, dialog, during);
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, dialog, [dialog] {
      ADD_FAILURE() << dialog->objectName().toStdString() << " stayed open";
      dialog->SetModalResult(platform::mrCancel);
    });
    guard.start(30000);
    open();
  }
  static void OpenNetworkSetup() { fmMain->NetworkSetupClick(fmMain); }
  static QString Typed() {
    QStringList bytes;
    for (QLineEdit* field : fmNetworkSetup->edIp) bytes << field->text();
    return bytes.join('.');
  }
  SimProcessor sim{9};
  std::string device;
};

}  // namespace

TEST_F(UsbConnectTest, ScanConnectsOverUsbAndAdoptsTheProcessorsId) {
  ASSERT_TRUE(PressLinkAndWait([] { return fmMain->IdentityAccepted && !fmNetwork->isVisible(); }, 30000));
  EXPECT_NE(fmMain->UsbProc, nullptr);
  EXPECT_EQ(fmMain->DeviceId, 9);
  EXPECT_EQ(fmMain->FindControl<QLabel>("lbShowIdNumber")->text(), "ID : 9");
  EXPECT_EQ(fmMain->FindControl<QLabel>("lbShowIp")->text(), "USB");
  const auto written = hid->Written(device);
  ASSERT_FALSE(written.empty());
  std::vector<std::uint8_t> connect(written.front().begin(), written.front().begin() + 10);
  EXPECT_EQ(testsupport::Hex(connect), "00 10 02 00 01 01 10 10 03 11");
  EXPECT_EQ(written.front().size(), 65u);
}

TEST_F(UsbConnectTest, TrafficMonitorListsEveryWriteResendsIncludedAndEachReplyOnce) {
  // The processor misses the first connect request, so it is written twice.
  std::atomic<int> writes{0}, replies{0};
  hid->SetResponder(device, [this, &writes, &replies](std::span<const std::uint8_t> data) {
    std::vector<std::vector<std::uint8_t>> out;
    if (writes++ == 0) return out;
    for (Bytes& reply : sim.Receive(data)) out.push_back(std::move(reply));
    replies += static_cast<int>(out.size());
    return out;
  });
  fmHidData->Show();
  fmMain->ConnectUsb();
  ASSERT_TRUE(testsupport::WaitFor([] { return fmMain->UploadRefreshCount == 1; }, 30000));
  // No meter poll or keep-alive from here on: once the last frame is
  // answered the counts stay put, whenever this thread gets to run.
  fmMain->tmInLevelDet->SetEnabled(false);
  fmMain->SetPollSuspended(true);
  ASSERT_TRUE(testsupport::WaitFor([] { return !fmMain->OpenLink()->IsBusy(); }, 30000));
  // The worker posts its lines; on a loaded machine they come late.
  auto listed = [](const char* prefix) {
    int n = 0;
    for (int i = 0; i < fmHidData->hbHidData->count(); ++i) n += fmHidData->hbHidData->item(i)->text().startsWith(prefix);
    return n;
  };
  testsupport::WaitFor([&] { return listed("USB W ") >= writes && listed("USB R ") >= replies; }, 30000);
  testsupport::RunEventLoop(100);

  QStringList w, r;
  for (int i = 0; i < fmHidData->hbHidData->count(); ++i) {
    const QString line = fmHidData->hbHidData->item(i)->text();
    (line.startsWith("USB W ") ? w : r) << line;
  }
  EXPECT_EQ(w.size(), writes.load());
  EXPECT_EQ(r.size(), replies.load());
  for (const QString& line : r) EXPECT_TRUE(line.startsWith("USB R 00  10 02 09 00 ")) << line.toStdString();
  ASSERT_GE(w.size(), 3);
  ASSERT_FALSE(r.isEmpty()) << "no USB R line";
  EXPECT_EQ(w[0], "USB W 00  10 02 00 01 01 10 10 03 11 ");
  EXPECT_EQ(w[1], w[0]);
  EXPECT_EQ(r[0], "USB R 00  10 02 09 00 01 10 10 03 19 ");
  // The reply follows the unanswered first write; on a busy machine the
  // 100 ms time-out may write the connect request once more before it
  // arrives. The worker lists a write once the device has taken it, and this
  // device answers inside the write, so the reply's line may come before
  // that of the write it answers: the resend is only known to be listed.
  int firstReply = 0;
  while (!fmHidData->hbHidData->item(firstReply)->text().startsWith("USB R ")) ++firstReply;
  EXPECT_GE(firstReply, 1) << "the reply follows the unanswered write";
  for (int i = 0; i < firstReply; ++i) EXPECT_EQ(fmHidData->hbHidData->item(i)->text(), w[0]) << i;
}

TEST_F(UsbConnectTest, SettingIdAndAddressSendsBothCommandsForTheNewId) {
  ASSERT_TRUE(PressLinkAndWait([] { return fmMain->IdentityAccepted && !fmNetwork->isVisible(); }, 30000));
  fmMain->SetDeviceId(1);
  frames.Clear();
  fmNetworkSetup->FormShow();
  fmNetworkSetup->edId->setText("7");
  const char* address[] = {"192", "168", "1", "50"};
  for (int i = 0; i < 4; ++i) fmNetworkSetup->edIp[i]->setText(address[i]);
  fmNetworkSetup->bnSetClick(fmNetworkSetup->bnSet);
  EXPECT_EQ(frames.HexFrames(), (std::vector<std::string>{"10 02 00 07 02 BB 07 10 03 B8",
                                                          "10 02 00 07 05 B8 C0 A8 01 32 10 03 E0"}));
  EXPECT_EQ(fmMain->DeviceId, 7);
  // The same address again sends no 0xB8.
  frames.Clear();
  fmNetworkSetup->bnSetClick(fmNetworkSetup->bnSet);
  EXPECT_EQ(frames.HexFrames(), (std::vector<std::string>{"10 02 00 07 02 BB 07 10 03 B8"}));
}

TEST_F(ConnectTest, AddressFieldsAndIdAreLimitedNotWrapped) {
  QLineEdit* field = fmNetworkSetup->edIp[0];
  field->setText("300");
  emit field->returnPressed();
  EXPECT_EQ(field->text(), "255");
  fmNetworkSetup->edId->setText("999");
  emit fmNetworkSetup->edId->returnPressed();
  EXPECT_EQ(fmNetworkSetup->edId->text(), "250");
  fmNetworkSetup->edId->setText("0");
  emit fmNetworkSetup->edId->returnPressed();
  EXPECT_EQ(fmNetworkSetup->edId->text(), "1");
}

// Online over serial or Ethernet the ID and address can be seen but not
// changed: the fields are disabled and their text stays dark on the silver.
TEST_F(ConnectTest, DisabledIdAndAddressFieldsStayReadable) {
  fmMain->FindControl<TUxBmpButton>("uxbMenuLink")->SetCaption(fmMain->TranslateSid("SID_ONLINE"));
  std::vector<QLineEdit*> fields(fmNetworkSetup->edIp.begin(), fmNetworkSetup->edIp.end());
  fields.push_back(fmNetworkSetup->edId);
  std::vector<QImage> shots;
  bool anyEnabled = false;
  QTimer::singleShot(50, fmNetworkSetup, [&] {
    for (QLineEdit* field : fields) {
      anyEnabled = anyEnabled || field->isEnabled();
      shots.push_back(field->grab().toImage());
    }
    fmNetworkSetup->SetModalResult(platform::mrCancel);
  });
  fmMain->NetworkSetupClick(fmMain);
  EXPECT_FALSE(anyEnabled);
  ASSERT_EQ(shots.size(), fields.size());
  for (std::size_t i = 0; i < shots.size(); ++i) {
    const QImage& shot = shots[i];
    int darkest = 255, lightest = 0;
    for (int y = 4; y < shot.height() - 4; ++y)
      for (int x = 4; x < shot.width() - 4; ++x) {
        darkest = std::min(darkest, qGray(shot.pixel(x, y)));
        lightest = std::max(lightest, qGray(shot.pixel(x, y)));
      }
    EXPECT_GE(lightest - darkest, 120) << fields[i]->objectName().toStdString() << " text " << darkest
                                       << " on " << lightest;
  }
}

TEST_F(ConnectTest, DeviceIdOnlyChangesWithinRange) {
  for (int id : {0, 251, 1}) {
    fmMain->SetDeviceId(id);
    EXPECT_EQ(fmMain->DeviceId, 1) << id;
  }
  fmMain->SetDeviceId(7);
  EXPECT_EQ(fmMain->FindControl<QLabel>("lbShowIdNumber")->text(), "ID : 7");
}

// An Exit leaves typed digits in the address fields; the next show puts the
// editor's address back, so Set applies that and sends no address.
TEST_F(UsbConnectTest, TheIdAndIpWindowShowsTheEditorsAddressEachTimeItOpens) {
  ASSERT_NO_FATAL_FAILURE(ConnectAndUpload());
  const QString address = fmMain->DeviceIpText();
  RunModal(fmNetworkSetup, OpenNetworkSetup, [] {
    const char* typed[] = {"10", "0", "0", "9"};
    for (int i = 0; i < 4; ++i) fmNetworkSetup->edIp[i]->setText(typed[i]);
    fmNetworkSetup->bnExitClick(fmNetworkSetup->bnExit);
  });
  frames.Clear();
  QString shown;
  RunModal(fmNetworkSetup, OpenNetworkSetup, [&shown] {
    shown = Typed();
    fmNetworkSetup->bnSetClick(fmNetworkSetup->bnSet);
  });
  EXPECT_EQ(shown.toStdString(), address.toStdString());
  EXPECT_EQ(fmMain->DeviceIpText().toStdString(), address.toStdString());
  EXPECT_EQ(Codes(), std::vector<int>{0xBB});
}

// A field left empty does not convert: the error is reported, nothing is
// set or sent, and the window stays open with what was typed.
TEST_F(UsbConnectTest, AFieldThatIsNoNumberIsReportedAndSetSendsNothing) {
  ASSERT_NO_FATAL_FAILURE(ConnectAndUpload());
  const int id = fmMain->DeviceId;
  const auto ip = fmMain->DeviceIp;
  // The message boxes shown; afterwards each box is answered as the test
  // program's own provider does.
  struct Reported : QStringList {
    Reported() {
      platform::SetMessageProvider([this](const platform::MessageRequest& r) {
        *this << r.text;
        return int(platform::mrOk);
      });
    }
    ~Reported() {
      platform::SetMessageProvider([](const platform::MessageRequest& r) {
        return r.yesNo ? int(platform::mrYes) : int(platform::mrOk);
      });
    }
  } reported;
  struct FieldCase {
    platform::Form* dialog;
    QLineEdit* field;
  };
  const FieldCase cases[] = {
      {fmNetworkSetup, fmNetworkSetup->edId},   {fmNetworkSetup, fmNetworkSetup->edIp[0]},
      {fmNetworkSetup, fmNetworkSetup->edIp[1]}, {fmNetworkSetup, fmNetworkSetup->edIp[2]},
      {fmNetworkSetup, fmNetworkSetup->edIp[3]}, {fmIdSelect, fmIdSelect->edId},
  };
  for (const FieldCase& c : cases) {
    SCOPED_TRACE((c.dialog->objectName() + " " + c.field->objectName()).toStdString());
    reported.clear();
    frames.Clear();
    bool stayed = false;
    const auto open = [&c] {
      if (c.dialog == fmIdSelect) fmMain->SettingIDClick(fmMain);
      else OpenNetworkSetup();
    };
    RunModal(c.dialog, open, [&c, &stayed] {
      // Values that Set would send, but for the empty field.
      fmNetworkSetup->edId->setText("7");
      const char* typed[] = {"192", "168", "1", "50"};
      for (int i = 0; i < 4; ++i) fmNetworkSetup->edIp[i]->setText(typed[i]);
      fmIdSelect->edId->setText("7");
      c.field->clear();
      if (c.dialog == fmIdSelect) fmIdSelect->bnSetClick(fmIdSelect->bnSet);
      else fmNetworkSetup->bnSetClick(fmNetworkSetup->bnSet);
      stayed = c.dialog->isVisible();
      c.dialog->SetModalResult(platform::mrCancel);
    });
    EXPECT_EQ(reported.join(" | ").toStdString(), "'' is not a valid integer value");
    EXPECT_TRUE(stayed);
    EXPECT_EQ(frames.HexFrames(), std::vector<std::string>{});
    EXPECT_EQ(fmMain->DeviceId, id);
    EXPECT_EQ(fmMain->DeviceIp, ip);
  }
}

// Pulling the processor out while online drops the connection 300 ms later,
// and the connect window's state is "Link Broken".
TEST_F(UsbConnectTest, UnplugWhileOnlineDisconnects) {
  ASSERT_NO_FATAL_FAILURE(ConnectAndUpload());
  hid->Unplug(device);
  ASSERT_TRUE(testsupport::WaitFor([] { return fmMain->UsbProc == nullptr; }, 30000));
  EXPECT_FALSE(fmMain->HasUsbProcessor());
  EXPECT_FALSE(fmMain->Online);
  EXPECT_FALSE(fmMain->IdentityAccepted);
  EXPECT_EQ(fmMain->FindControl<QLabel>("lbShowIp")->text(), "Disconnected");
  auto* link = fmMain->FindControl<TUxBmpButton>("uxbMenuLink");
  EXPECT_EQ(link->Caption(), "OffLine");
  EXPECT_TRUE(link->Enabled());
  EXPECT_TRUE(testsupport::WaitFor([] { return fmNetwork->lblScan->text() == "Link Broken"; }, 30000));
}
