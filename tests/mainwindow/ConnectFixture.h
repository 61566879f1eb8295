// Every start-up window created as the program does, with the network on
// loopback, a fake USB backend and the serial port list under the test's
// control; the start-connect timer is stopped so each test starts the
// connection itself.
#pragma once

#include <QCoreApplication>
#include <QTimer>
#include <gtest/gtest.h>

#include <memory>

#include "link/LComm.h"
#include "mainwindow/StartupWindows.h"
#include "platform/HidFake.h"
#include "platform/Network.h"
#include "platform/Timer.h"
#include "simproc/SimProcessor.h"
#include "support/FormCreator.h"
#include "support/UiFixture.h"

class ConnectTest : public ::testing::Test {
 protected:
  void SetUp() override {
    hid = std::make_shared<platform::HidFakeBackend>();
    TfmMain::StartHidBackend = hid;
    TfmMain::StartEndpoints = platform::NetworkEndpoints::Loopback(1, 2, 3, 4);
    TfmNetwork::PortLister = [this] { return ports; };
    creator = std::make_unique<testsupport::FormCreator>();
    CreateStartupWindowsWith(*creator);
    fmMain->tmStartConnect->SetEnabled(false);
    fmMain->OnSubmit = [this](const Bytes& frame, bool) { frames.Record(frame); };
  }
  void TearDown() override {
    creator.reset();
    TfmMain::StartHidBackend.reset();
    TfmNetwork::PortLister = [] { return platform::ListSerialPorts(); };
  }

  // The codes of the frames submitted so far, in order.
  std::vector<int> Codes() const {
    std::vector<int> codes;
    for (const auto& f : frames.Frames())
      if (f.size() > 5) codes.push_back(f[5]);
    return codes;
  }
  // Presses the link button (which shows the connect dialog modally) from the
  // event loop and waits until the condition holds.
  bool PressLinkAndWait(const std::function<bool()>& condition, int ms) {
    QTimer::singleShot(0, fmMain, [] { fmMain->uxbMenuLinkClick(fmMain); });
    return testsupport::WaitFor(condition, ms);
  }
  // The connect dialog runs modally, so its state is watched from inside its
  // own loop: once the condition holds there, the dialog is closed (as with
  // its Demo button) and true is returned.
  bool WaitForDialog(const std::function<bool()>& condition, int ms) {
    bool seen = false;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
      if (seen || !condition()) return;
      seen = true;
      if (fmNetwork->isVisible()) fmNetwork->SetModalResult(platform::mrCancel);
    });
    watch.start(10);
    return testsupport::WaitFor([&] { return seen && !fmNetwork->isVisible(); }, ms);
  }
  // Runs a one-shot timer's handler now, as if it had fired: the steps of a
  // scan are driven without waiting for their intervals.
  static void Fire(platform::Timer* timer) {
    ASSERT_TRUE(timer->Enabled()) << timer->objectName().toStdString() << " is not running";
    timer->OnTimer(timer);
  }
  // Online over serial or Ethernet, once the upload is over: a reply that
  // carries another device ID is dropped, and the link stays open and online;
  // once the IDs match again the replies are handled.
  void ExpectForeignRepliesDroppedWhileOnline(SimProcessor& processor) {
    ASSERT_TRUE(testsupport::WaitFor([] { return fmMain->UploadRefreshCount == 1; }, 30000));
    fmMain->tmInLevelDet->SetEnabled(false);
    // Each request below gets exactly one reply: no frame of the upload or
    // meter poll is still owed one, and no time-out writes a request again.
    ASSERT_TRUE(testsupport::WaitFor([] { return !fmMain->OpenLink()->IsBusy(); }, 30000));
    fmMain->SetLinkTimeout(60000);
    // Counters the handlers share, so none dangles when an assertion ends
    // the check early.
    auto answered = std::make_shared<int>(0);
    auto scanChecks = std::make_shared<int>(0);
    // An echo-canceller register read: a reply code of its own (the plain
    // acknowledgement 0x01 also answers every keep-alive).
    fmMain->SetReplyHandler(0x5F, [answered](std::uint8_t, const Bytes&) { ++*answered; });
    const platform::Handler scan = fmMain->tmComScan->OnTimer;
    fmMain->tmComScan->OnTimer = [scanChecks, scan](QObject* s) {
      ++*scanChecks;
      scan(s);
    };
    SimFaults foreign;
    foreign.ReplyDeviceId = fmMain->DeviceId + 1;
    processor.SetFaults(foreign);
    const auto id = static_cast<std::uint8_t>(fmMain->DeviceId);
    fmMain->SendCommand(CM_MCS_CMD(id, 0x5F, 0, 0), true, true);
    ASSERT_TRUE(testsupport::WaitFor([&] { return *scanChecks >= 1; }, 30000));
    EXPECT_EQ(*answered, 0);
    EXPECT_NE(fmMain->OpenLink(), nullptr);
    EXPECT_TRUE(fmMain->Online);
    EXPECT_TRUE(fmMain->IdentityAccepted);
    // The foreign reply answered nothing: the request is asked again on its
    // time-out, and its own answer and the next request's both come.
    processor.SetFaults(SimFaults{});
    fmMain->SendCommand(CM_MCS_CMD(id, 0x5F, 0, 0), true, true);
    fmMain->SetLinkTimeout(200);
    EXPECT_TRUE(testsupport::WaitFor([&] { return *answered >= 2; }, 30000));
    ASSERT_NE(fmMain->OpenLink(), nullptr);
    EXPECT_TRUE(testsupport::WaitFor([] { return !fmMain->OpenLink()->IsBusy(); }, 30000));
    EXPECT_EQ(*answered, 2);
    EXPECT_TRUE(fmMain->Online);
  }
  // Closes the information box (shown modally) shortly after it opens.
  void AnswerInformationBox() {
    QTimer::singleShot(20, fmInformation, [] { fmInformation->SetModalResult(platform::mrOk); });
  }

  std::shared_ptr<platform::HidFakeBackend> hid;
  std::vector<platform::SerialPortInfo> ports;
  std::unique_ptr<testsupport::FormCreator> creator;
  testsupport::FrameRecorder frames;
};
