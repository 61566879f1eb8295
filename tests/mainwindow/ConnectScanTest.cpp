// The connect window's scan, step by step: its timers are fired by hand, so
// no step waits for its interval and every watchdog is read, not waited for.
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>

#include "controls/ExProgressBar.h"
#include "controls/UxBmpButton.h"
#include "ConnectFixture.h"
#include "platform/SerialPort.h"
#include "simproc/SimSerialServer.h"

namespace {

std::string Text(const QString& text) { return text.toStdString(); }

struct Step {
  const char* label;
  const char* count;  // n/N
  int watchdog;       // ms
  const char* run;    // the run timer the step starts
  const char* port;   // the serial port it names, or null
};

struct ScanCase {
  const char* name;
  bool usb;      // a processor checked out on USB
  bool address;  // a processor address other than 0.0.0.0
  int ports;     // serial ports listed, from ttyS0, ttyUSB1
  std::vector<Step> steps;
};

class ConnectScanTest : public ConnectTest {
 protected:
  static void PressEscape() {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(fmNetwork, &press);
  }
  static bool ButtonsEnabled() {
    return fmNetwork->btnOK->Enabled() && fmNetwork->btnId->Enabled() && fmNetwork->btnExit->Enabled();
  }
};

}  // namespace

TEST_F(ConnectScanTest, StepsNameWhatTheyTryAndArmTheirWatchdog) {
  const std::vector<ScanCase> cases = {
      {"USB, then both ports", true, true, 2,
       {{"Scan USB", "1/3", 6000, "tmRunUsbConnect", nullptr},
        {"ScaningttyS0 ......", "2/3", 10000, "tmRunComConnect", "ttyS0"},
        {"ScaningttyUSB1 ......", "3/3", 10000, "tmRunComConnect", "ttyUSB1"}}},
      {"Ethernet, then the port", false, true, 1,
       {{"Scan Ethernet", "1/2", 2000, "tmRunNetConnect", nullptr},
        {"ScaningttyS0 ......", "2/2", 10000, "tmRunComConnect", "ttyS0"}}},
      {"ports only", false, false, 2,
       {{"ScaningttyS0 ......", "1/2", 10000, "tmRunComConnect", "ttyS0"},
        {"ScaningttyUSB1 ......", "2/2", 10000, "tmRunComConnect", "ttyUSB1"}}},
      {"nothing to try", false, false, 0, {}},
  };
  const std::vector<platform::SerialPortInfo> all = {{"ttyS0", "/dev/ttyS0", 0}, {"ttyUSB1", "/dev/ttyUSB1", 1}};
  std::string usb;
  for (const ScanCase& c : cases) {
    SCOPED_TRACE(c.name);
    if (c.usb && usb.empty()) usb = hid->Plug();
    if (!c.usb && !usb.empty()) {
      hid->Unplug(usb);
      usb.clear();
    }
    ASSERT_TRUE(testsupport::WaitFor([&] { return fmMain->HasUsbProcessor() == c.usb; }, 30000));
    fmMain->DeviceIp = c.address ? std::array<std::uint8_t, 4>{127, 0, 0, 1} : std::array<std::uint8_t, 4>{};
    ports.assign(all.begin(), all.begin() + c.ports);

    fmNetwork->StartScan();
    for (const Step& step : c.steps) {
      SCOPED_TRACE(step.count);
      EXPECT_EQ(Text(fmNetwork->lblScan->text()), step.label);
      EXPECT_EQ(Text(fmNetwork->lblDeviceID->text()), step.count);
      EXPECT_EQ(fmNetwork->pbScan->Position(), fmNetwork->ScanStep);
      EXPECT_EQ(fmNetwork->pbScan->Max(), int(c.steps.size()));
      EXPECT_TRUE(fmNetwork->tmWatchDog->Enabled());
      EXPECT_EQ(fmNetwork->tmWatchDog->Interval(), step.watchdog);
      auto* run = fmNetwork->FindControl<platform::Timer>(step.run);
      ASSERT_NE(run, nullptr);
      EXPECT_TRUE(run->Enabled());
      run->SetEnabled(false);  // as if it had run and the try had failed
      if (step.port) {
        EXPECT_EQ(Text(fmMain->ComPortName), step.port);
        EXPECT_EQ(Text(fmMain->ComPortPath), std::string("/dev/") + step.port);
      }
      EXPECT_FALSE(ButtonsEnabled());
      fmNetwork->ReportConnectResult(0);
      Fire(fmNetwork->tmConnect);
    }
    if (c.steps.empty()) {
      // The scan ends at once; its evaluation 100 ms later enables the buttons.
      EXPECT_EQ(Text(fmNetwork->lblScan->text()), "No Device found.");
      EXPECT_FALSE(ButtonsEnabled());
      Fire(fmNetwork->tmConnect);
    }
    EXPECT_EQ(Text(fmNetwork->lblScan->text()), "No Device found.");
    EXPECT_EQ(Text(fmNetwork->lblDeviceID->text()), "");
    EXPECT_EQ(fmNetwork->pbScan->Position(), fmNetwork->pbScan->Max());
    EXPECT_TRUE(ButtonsEnabled());
    fmNetwork->tmWatchDog->SetEnabled(false);
  }
}

// A port held by another program cannot be opened: "Link Broken" with the
// buttons enabled, and when the step's watchdog runs out the scan goes on
// with the next port, which it names, opens and connects on.
TEST_F(ConnectScanTest, ABusyPortShowsLinkBrokenThenTheWatchdogMovesOnToTheNextPort) {
  SimSerialServer busy, sim;
  ASSERT_TRUE(busy.StartPty()) << busy.LastError();
  ASSERT_TRUE(sim.StartPty()) << sim.LastError();
  platform::SerialPort holder;
  ASSERT_TRUE(holder.Open(busy.SlavePath())) << holder.LastError();
  ports = {{"ttySIM1", busy.SlavePath(), 1}, {"ttySIM2", sim.SlavePath(), 2}};
  fmMain->DeviceIp = {0, 0, 0, 0};

  fmNetwork->StartScan();
  EXPECT_EQ(Text(fmNetwork->lblScan->text()), "ScaningttySIM1 ......");
  Fire(fmNetwork->tmRunComConnect);
  EXPECT_EQ(fmMain->CommProc, nullptr);
  Fire(fmNetwork->tmLinkBroken);
  EXPECT_EQ(Text(fmNetwork->lblScan->text()), "Link Broken");
  EXPECT_EQ(Text(fmNetwork->lblDeviceID->text()), "");
  EXPECT_TRUE(ButtonsEnabled());

  Fire(fmNetwork->tmWatchDog);
  Fire(fmNetwork->tmConnect);
  EXPECT_EQ(Text(fmNetwork->lblScan->text()), "ScaningttySIM2 ......");
  EXPECT_EQ(Text(fmNetwork->lblDeviceID->text()), "2/2");
  EXPECT_EQ(fmNetwork->tmWatchDog->Interval(), 10000);
  Fire(fmNetwork->tmRunComConnect);
  ASSERT_TRUE(testsupport::WaitFor([] { return fmMain->IdentityAccepted; }, 30000));
  EXPECT_EQ(fmNetwork->LinkOk, 1u);
  // Online, the label names the port as the scan did, not its device file.
  EXPECT_EQ(Text(fmMain->FindControl<QLabel>("lbShowIp")->text()), "ttySIM2");
  fmMain->tmInLevelDet->SetEnabled(false);
  fmMain->Disconnect();
  sim.Stop();
  busy.Stop();
}

// Neither Escape nor a close request leaves the connect window: mid-scan
// that would strand the editor with its link button disabled, and after the
// scan only Demo re-enables it.
TEST_F(ConnectScanTest, OnlyItsOwnButtonsCloseTheConnectWindow) {
  ports = {};  // a single Ethernet step to an address nobody answers
  fmMain->DeviceIp = {127, 0, 0, 1};
  bool keptMidScan = false, keptAfterScan = false;
  QTimer::singleShot(0, fmNetwork, [&] {
    PressEscape();
    fmNetwork->close();
    keptMidScan = fmNetwork->isVisible() && !ButtonsEnabled();
    fmNetwork->tmRunNetConnect->SetEnabled(false);
    Fire(fmNetwork->tmWatchDog);
    Fire(fmNetwork->tmConnect);
    PressEscape();
    fmNetwork->close();
    keptAfterScan = fmNetwork->isVisible() && fmNetwork->lblScan->text() == "No Device found.";
    fmNetwork->btnExitClick(fmNetwork->btnExit);
  });
  QTimer guard;
  guard.setSingleShot(true);
  QObject::connect(&guard, &QTimer::timeout, fmNetwork, [] {
    ADD_FAILURE() << "the connect window stayed open";
    fmNetwork->SetModalResult(platform::mrCancel);
  });
  guard.start(30000);
  fmMain->uxbMenuLinkClick(fmMain);  // shows the window modally until Demo
  EXPECT_TRUE(keptMidScan);
  EXPECT_TRUE(keptAfterScan);
  EXPECT_FALSE(fmNetwork->isVisible());
  EXPECT_TRUE(fmMain->FindControl<TUxBmpButton>("uxbMenuLink")->Enabled());
}
