// The connect-time upload: each reply handler on its own, then the whole
// chain against the simulated processor over a pseudo-terminal (serial) and
// over a USB link whose writer feeds the simulator directly, followed by the
// meter polling it starts.
#include <QElapsedTimer>
#include <QStatusBar>
#include <QTableWidget>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <map>
#include <memory>
#include <set>

#include <QLabel>

#include "controls/ExProgressBar.h"
#include "controls/ExTrackBar.h"
#include "controls/UxBmpButton.h"
#include "controls/UxComboBox.h"
#include "display/MyPEQAllpassBandPassStop.h"
#include "display/Plot.h"
#include "dialogs/FProcess.h"
#include "dialogs/FRecallPreset.h"
#include "dialogs/FStorePreset.h"
#include "display/LProgressBar.h"
#include "link/Lnet.h"
#include "link/Lusb.h"
#include "MainWindowFixture.h"
#include "model/Lunitcontrol.h"
#include "platform/MenuItem.h"
#include "platform/Timer.h"
#include "simproc/SimNetServer.h"
#include "simproc/SimSerialServer.h"
#include "support/UiFixture.h"

namespace {

struct Submitted {
  std::uint8_t code;
  Bytes payload;
  bool force;
  qint64 ms;  // since the recording started
};

// The main window with the progress window and both preset lists. Every
// frame the window submits is recorded.
class UploadTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    CreateMain();
    fmMain->tmStartConnect->SetEnabled(false);
    fmProcess = new TfmProcess();
    fmRecallPreset = new TfmRecallPreset();
    fmStorePreset = new TfmStorePreset();
    clock.start();
    fmMain->OnSubmit = [this](const Bytes& frame, bool force) {
      submitted.push_back({frame[5], Bytes(frame.begin() + 6, frame.end() - 3), force, clock.elapsed()});
    };
    // A progress window left open by a failing chain must not hang the test.
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] {
      if (fmProcess && fmProcess->isVisible()) fmProcess->SetModalResult(0);
    });
    guard.start(60000);
  }
  void TearDown() override {
    guard.stop();
    fmMain->tmProcessShow->SetEnabled(false);
    MainWindowTest::TearDown();  // closes the link first
    delete fmProcess;
    delete fmRecallPreset;
    delete fmStorePreset;
    fmProcess = nullptr;
    fmRecallPreset = nullptr;
    fmStorePreset = nullptr;
  }

  // A link that takes every frame and answers none: enough to see what the
  // handlers ask for next.
  void AttachSilentLink(bool usb) {
    auto swallow = [](std::span<const std::uint8_t>, int = -1) { return true; };
    if (usb) {
      fmMain->UsbProc = std::make_unique<LUsbProc>(LinkOwner{}, 1, swallow);
      ASSERT_TRUE(fmMain->UsbProc->Open());
    } else {
      fmMain->NetProc = std::make_unique<LNetProc>(LinkOwner{}, 1, swallow);
      ASSERT_TRUE(fmMain->NetProc->Open());
    }
  }
  // A USB link answered by the simulated processor.
  void AttachSimulatedUsb() {
    LinkOwner owner;
    owner.OnFrame = [](const Bytes& frame, const Bytes& answered) { fmMain->OnDeviceReply(frame, answered); };
    fmMain->UsbProc = std::make_unique<LUsbProc>(owner, 1, [this](std::span<const std::uint8_t> frame, int) {
      for (const Bytes& reply : processor->Receive(frame)) usbLink.load()->DeliverReceived(reply);
      return true;
    });
    usbLink = fmMain->UsbProc.get();
    ASSERT_TRUE(fmMain->UsbProc->Open());
  }

  std::vector<Submitted> Taken() {
    std::vector<Submitted> out;
    out.swap(submitted);
    return out;
  }
  static QString RowName(TPresetListWindow* list, int row) {
    QTableWidgetItem* item = list->vledPresetName->item(row, 1);
    return item ? item->text().trimmed() : QString();
  }
  // Gives the simulated processor a state of its own: a stored preset, a
  // current preset that differs from the default, and group controls.
  static void Personalise(SimProcessor& sim) {
    auto send = [&sim](const LCmd& cmd) { sim.Answer(cmd.BuildFrame(1)); };
    const std::string name = "Board Room 3  ";
    send(LCmd(1, 0x26, Bytes(name.begin(), name.end())));
    sim.StorePreset(2);
    send(CM_MCS_CMD(1, 0x20, 3));               // recall U03: current preset number 3
    send(CM_MCS_CMD(1, 0x34, 1, 0x2C, 0x01));  // input B gain 300
    send(CM_MCS_CMD(1, 0x35, 10, 1));           // output 3 muted
    send(CM_MCS_CMD(1, 0x38, 12, 0x40, 0x02));  // output 5 delay 576
    send(CM_MCS_CMD(1, 0x3A, 18, 0x05, 0x00));  // inputs A and C on the effect bus
    send(CM_MCS_CMD(1, 0x6B, 2, 77, 1, 0x0C));  // group 2: 77 %, muted, C and D
  }

  QElapsedTimer clock;
  std::vector<Submitted> submitted;
  QTimer guard;
  std::shared_ptr<SimProcessor> processor = std::make_shared<SimProcessor>();
  std::unique_ptr<SimSerialServer> server;  // outlives the window's link
  std::unique_ptr<SimNetServer> netServer;
  std::atomic<RequestReplyDiscipline*> usbLink{nullptr};
};

std::vector<std::uint8_t> Codes(const std::vector<Submitted>& frames) {
  std::vector<std::uint8_t> codes;
  for (const Submitted& s : frames) codes.push_back(s.code);
  return codes;
}

// The requests of one upload after the identity check.
std::vector<std::uint8_t> ExpectedChain(bool usb) {
  std::vector<std::uint8_t> codes{0x22, 0x14};
  if (usb) codes.push_back(0xB0);
  codes.insert(codes.end(), 21, 0x29);
  codes.push_back(0x6C);
  codes.insert(codes.end(), 31, 0x27);
  codes.push_back(0x12);
  return codes;
}

// The block and name numbers asked for, and the force flags: everything
// forced but the closing 0x12.
void ExpectChainDetails(const std::vector<Submitted>& chain) {
  int name = 0, block = 0;
  for (const Submitted& s : chain) {
    if (s.code == 0x29) {
      EXPECT_EQ(s.payload, Bytes{static_cast<std::uint8_t>(name++)});
    } else if (s.code == 0x27) {
      EXPECT_EQ(s.payload, Bytes{static_cast<std::uint8_t>(block++)});
    } else if (s.code == 0x6C) {
      EXPECT_EQ(s.payload, Bytes{0});
    }
    if (s.code != 0x22) {
      EXPECT_EQ(s.force, s.code != 0x12) << int(s.code);
    }
  }
}

// Between the start of the read and its last block request, only the read's
// own requests reach the processor: no keep-alive while a reply is owed.
void ExpectNoKeepAliveDuringTheRead(const std::vector<LCmd>& requests) {
  auto start = std::find_if(requests.begin(), requests.end(), [](const LCmd& c) { return c.GetCode() == 0x22; });
  auto last = std::find_if(requests.rbegin(), requests.rend(), [](const LCmd& c) { return c.GetCode() == 0x27; });
  ASSERT_NE(start, requests.end());
  ASSERT_NE(last, requests.rend());
  for (auto it = start; it != last.base(); ++it) EXPECT_NE(it->GetCode(), 0x12) << "request " << (it - requests.begin());
}

void ExpectImageEqualsProcessor(const LUnitControl& image, const SimProcessor& sim) {
  const StreamBytes mine = image.EncodeStream();
  const SimProcessor::Stream theirs = sim.CurrentStream();
  for (std::size_t i = kStreamNameOffset; i < kStreamSize; ++i)
    ASSERT_EQ(mine[i], theirs[i]) << "stream byte " << i;
  const auto groups = sim.GroupControls();
  for (int n = 0; n < 8; ++n) {
    const GroupCtrlEntry e = image.GetGroupCtrl(n);
    EXPECT_EQ(e.Volume, groups[3 * n]) << n;
    EXPECT_EQ(e.Mute, groups[3 * n + 1]) << n;
    EXPECT_EQ(e.Members, groups[3 * n + 2]) << n;
  }
  for (int n = 0; n < kPresetCount; ++n) EXPECT_EQ(image.IsPresetStored(n), sim.IsStored(n)) << n;
}

}  // namespace

// ---- The handlers one by one -------------------------------------------------

TEST_F(UploadTest, StartReplyMarksStoredPresetsResetsNamesAndPreparesProgress) {
  AttachSilentLink(false);
  fmRecallPreset->vledPresetName->item(4, 1)->setText("old");
  fmStorePreset->vledPresetName->item(20, 1)->setText("old");
  fmProcess->ProgressBar->SetMax(2);
  fmProcess->ProgressBar->SetPosition(2);
  Bytes flags(21, 0);
  flags[5] = 255;
  flags[6] = 254;
  fmMain->OnUploadStartReply(1, flags);

  const auto sent = Taken();
  ASSERT_EQ(sent.size(), 1u);
  EXPECT_EQ(sent[0].code, 0x14);
  EXPECT_TRUE(sent[0].force);
  for (int n = 0; n < 21; ++n) EXPECT_EQ(fmMain->UnitControl->IsPresetStored(n), n == 5) << n;
  EXPECT_EQ(RowName(fmRecallPreset, 4), "Default Preset");
  EXPECT_EQ(RowName(fmStorePreset, 20), "Default Preset");
  EXPECT_EQ(fmProcess->StatusBar->currentMessage(), "Upload parameters now , please wait...");
  EXPECT_EQ(fmProcess->ProgressBar->Position(), 0);
  EXPECT_EQ(fmProcess->ProgressBar->Max(), 31);
  // The window itself opens from the timer, after the handler has returned.
  EXPECT_FALSE(fmProcess->isVisible());
  EXPECT_TRUE(fmMain->tmProcessShow->Enabled());
}

TEST_F(UploadTest, CurrentPresetReplyAsksForTheAddressOnlyOverUsb) {
  struct Case {
    bool usb;
    std::uint8_t next;
    Bytes payload;
  };
  const Case cases[] = {{false, 0x29, {0}}, {true, 0xB0, {}}};
  for (const Case& c : cases) {
    AttachSilentLink(c.usb);
    fmMain->OnCurrentPresetReply(1, Bytes{7});
    EXPECT_EQ(fmMain->CurrentPreset, 7);
    const auto sent = Taken();
    ASSERT_EQ(sent.size(), 1u) << c.usb;
    EXPECT_EQ(sent[0].code, c.next) << c.usb;
    EXPECT_EQ(sent[0].payload, c.payload) << c.usb;
    fmMain->UsbProc.reset();
    fmMain->NetProc.reset();
  }
}

TEST_F(UploadTest, EmptyCurrentPresetReplyKeepsTheNumberAndGoesOn) {
  AttachSilentLink(false);
  fmMain->CurrentPreset = 4;
  fmMain->OnCurrentPresetReply(1, {});
  EXPECT_EQ(fmMain->CurrentPreset, 4);
  EXPECT_EQ(Codes(Taken()), std::vector<std::uint8_t>{0x29});
}

TEST_F(UploadTest, AddressReplyStoresTheAddressUnlessShort) {
  AttachSilentLink(true);
  fmMain->OnDeviceIpReply(1, Bytes{10, 0, 0, 7});
  EXPECT_EQ(fmMain->DeviceIp, (std::array<std::uint8_t, 4>{10, 0, 0, 7}));
  fmMain->OnDeviceIpReply(1, Bytes{192, 168});
  EXPECT_EQ(fmMain->DeviceIp, (std::array<std::uint8_t, 4>{10, 0, 0, 7}));
  const auto sent = Taken();
  ASSERT_EQ(Codes(sent), (std::vector<std::uint8_t>{0x29, 0x29}));
  EXPECT_EQ(sent[0].payload, Bytes{0});
}

TEST_F(UploadTest, NameRepliesFillBothListsAndAskForTheNext) {
  AttachSilentLink(false);
  fmMain->CurrentPreset = 3;
  auto reply = [](int n, const std::string& name) {
    Bytes p{static_cast<std::uint8_t>(n)};
    p.insert(p.end(), name.begin(), name.end());
    return p;
  };

  const std::string before = fmMain->UnitControl->GetPresetNameText();
  fmMain->OnPresetNameReply(1, reply(0, std::string("Lec\0ure Hall  ", 14)));
  EXPECT_EQ(RowName(fmRecallPreset, 1), "Lec ure Hall");
  EXPECT_EQ(RowName(fmStorePreset, 0), "Lec ure Hall");
  EXPECT_EQ(fmMain->UnitControl->GetPresetNameText(), before);

  fmMain->OnPresetNameReply(1, reply(3, "Training Room "));
  EXPECT_EQ(fmMain->UnitControl->GetPresetNameText(), "Training Room");
  EXPECT_EQ(RowName(fmRecallPreset, 4), "Training Room");

  fmMain->OnPresetNameReply(1, reply(20, "Last One      "));
  EXPECT_EQ(RowName(fmRecallPreset, 21), "Last One");
  EXPECT_EQ(RowName(fmStorePreset, 20), "Last One");

  const auto sent = Taken();
  ASSERT_EQ(Codes(sent), (std::vector<std::uint8_t>{0x29, 0x29, 0x6C}));
  EXPECT_EQ(sent[0].payload, Bytes{1});
  EXPECT_EQ(sent[1].payload, Bytes{4});
  EXPECT_EQ(sent[2].payload, Bytes{0});
}

TEST_F(UploadTest, NameRepliesPastTheListOrWithoutNumberEndTheChain) {
  AttachSilentLink(false);
  fmMain->OnPresetNameReply(1, Bytes{22, 'x'});
  fmMain->OnPresetNameReply(1, {});
  EXPECT_TRUE(Taken().empty());
  // 21 still closes the names (it has no row of its own).
  fmMain->OnPresetNameReply(1, Bytes{21});
  EXPECT_EQ(Codes(Taken()), std::vector<std::uint8_t>{0x6C});
}

TEST_F(UploadTest, BlocksAdvanceTheProgressAndBlock30EndsTheTransfer) {
  AttachSilentLink(false);
  fmProcess->ProgressBar->SetMax(31);
  auto block = [](int n) {
    Bytes p{static_cast<std::uint8_t>(n)};
    p.resize(51, 0);
    return p;
  };
  fmMain->OnParameterBlockReply(1, block(0));
  EXPECT_EQ(fmProcess->ProgressBar->Position(), 0);
  fmMain->OnParameterBlockReply(1, block(29));
  EXPECT_EQ(fmProcess->ProgressBar->Position(), 29);
  auto sent = Taken();
  ASSERT_EQ(Codes(sent), (std::vector<std::uint8_t>{0x27, 0x27}));
  EXPECT_EQ(sent[1].payload, Bytes{30});

  // Nothing ends on an empty reply or a block number past the last.
  fmMain->OnParameterBlockReply(1, {});
  fmMain->OnParameterBlockReply(1, block(31));
  EXPECT_TRUE(Taken().empty());
  EXPECT_EQ(fmMain->UploadRefreshCount, 0);

  auto* link = fmMain->FindControl<TUxBmpButton>("uxbMenuLink");
  ASSERT_NE(link, nullptr);
  link->SetEnabled(false);
  fmMain->tmProcessShow->SetEnabled(true);  // the window has not opened yet
  fmMain->OnParameterBlockReply(1, block(30));
  sent = Taken();
  ASSERT_EQ(Codes(sent), std::vector<std::uint8_t>{0x12});
  EXPECT_FALSE(sent[0].force);
  EXPECT_EQ(fmProcess->ProgressBar->Position(), 31);
  EXPECT_FALSE(fmMain->tmProcessShow->Enabled());
  EXPECT_EQ(fmMain->UploadRefreshCount, 1);
  EXPECT_TRUE(fmMain->tmInLevelDet->Enabled());
  EXPECT_TRUE(link->isEnabled());
  EXPECT_TRUE(link->Down());
  fmMain->tmInLevelDet->SetEnabled(false);
}

// ---- The whole chain against the simulated processor ------------------------

TEST_F(UploadTest, SerialConnectReadsTheProcessorAndStartsThePolls) {
  server = std::make_unique<SimSerialServer>(processor);
  Personalise(*processor);
  // Slow replies keep the transfer running long enough for its window.
  SimFaults faults;
  faults.DelayMs = 4;
  processor->SetFaults(faults);
  ASSERT_TRUE(server->StartPty()) << server->LastError();

  bool windowSeen = false;
  std::set<int> inputALevels;
  QTimer watch;
  QObject::connect(&watch, &QTimer::timeout, [&] {
    windowSeen = windowSeen || fmProcess->isVisible();
    if (auto* bar = fmMain->FindControl<LProgressBar>("pbLevelBackupInA")) inputALevels.insert(bar->LitCount());
  });
  watch.start(10);

  fmMain->SetComPortName(QString::fromStdString(server->SlavePath()));
  fmMain->ConnectCom();
  ASSERT_TRUE(testsupport::WaitFor([] { return fmMain->UploadRefreshCount > 0; }, 30000));
  inputALevels.clear();
  auto pollCount = [this] {
    return std::count_if(submitted.begin(), submitted.end(), [](const Submitted& s) { return s.code == 0x40; });
  };
  // Waits for what it checks, however slow the machine: six polls and the bar moved.
  EXPECT_TRUE(testsupport::WaitFor([&] { return pollCount() >= 6 && inputALevels.size() >= 2; }, 60000));
  watch.stop();

  // What the processor was asked, after the identity check.
  std::vector<std::uint8_t> asked;
  for (const LCmd& c : processor->Requests()) asked.push_back(c.GetCode());
  const auto identity = std::find(asked.begin(), asked.end(), 0x13);
  ASSERT_NE(identity, asked.end());
  const std::vector<std::uint8_t> expected = ExpectedChain(false);
  ASSERT_GE(asked.end() - identity - 1, static_cast<std::ptrdiff_t>(expected.size()));
  EXPECT_EQ(std::vector<std::uint8_t>(identity + 1, identity + 1 + expected.size()), expected);
  for (auto it = identity + 1 + expected.size(); it != asked.end(); ++it) EXPECT_EQ(*it, 0x40);

  const auto sent = Taken();
  std::vector<Submitted> chain, polls;
  for (const Submitted& s : sent) {
    if (s.code == 0x40) polls.push_back(s);
    else if (s.code != 0x10 && s.code != 0x13) chain.push_back(s);
  }
  EXPECT_EQ(Codes(chain), expected);
  ExpectChainDetails(chain);

  ExpectImageEqualsProcessor(*fmMain->UnitControl, *processor);
  EXPECT_EQ(fmMain->CurrentPreset, 3);
  EXPECT_EQ(fmMain->UnitControl->GetPresetNameText(), "Board Room 3");
  EXPECT_EQ(RowName(fmRecallPreset, 3), "Board Room 3");
  EXPECT_EQ(fmMain->UploadRefreshCount, 1);
  EXPECT_TRUE(windowSeen);
  EXPECT_FALSE(fmProcess->isVisible());
  EXPECT_EQ(fmProcess->ProgressBar->Position(), 31);

  // Polls: unforced, every 300 ms from the end of the transfer. The timer
  // starts after the chain's last request went out and never fires early, so
  // poll k comes at least (k + 1) * 300 ms after that request, however loaded
  // the machine; a load only delays ticks, so the period itself is read from
  // the timer rather than from the clock.
  ASSERT_GE(polls.size(), 6u);
  ASSERT_FALSE(chain.empty());
  for (const Submitted& p : polls) EXPECT_FALSE(p.force);
  for (std::size_t k = 0; k < polls.size(); ++k)
    EXPECT_GE(polls[k].ms - chain.back().ms, 300 * qint64(k + 1)) << "poll " << k;
  EXPECT_EQ(fmMain->tmInLevelDet->Interval(), 300);
  // The simulated levels move, and so does the bar.
  EXPECT_GE(inputALevels.size(), 2u);
}

TEST_F(UploadTest, RepliesSlowerThanTheReplyTimeOutGiveOneUpload) {
  // Every reply comes late, so the chain's first request is resent and
  // answered more than once, until the link has the processor's pace. Only
  // the answer to the outstanding request moves the chain: the upload runs
  // once, each request within the retry rule and hardly any resent, no
  // keep-alive comes between, and the progress window opens once. (In the
  // field: 1000 ms time-out, 1500 and 2500 ms delay; scaled down here.) The
  // second row reconnects to a fresh processor.
  struct Row {
    int delay;
  };
  constexpr int kTimeout = 60;
  const Row rows[] = {{90}, {150}};
  const auto record = fmMain->OnSubmit;
  for (const Row& row : rows) {
    SCOPED_TRACE(row.delay);
    processor = std::make_shared<SimProcessor>();
    server = std::make_unique<SimSerialServer>(processor);
    Personalise(*processor);
    ASSERT_TRUE(server->StartPty()) << server->LastError();
    fmMain->OnSubmit = [this, record, delay = row.delay](const Bytes& frame, bool force) {
      record(frame, force);
      if (frame[5] != 0x22) return;
      fmMain->SetLinkTimeout(kTimeout);  // the identity check has just set its own
      SimFaults slow;
      slow.DelayMs = delay;
      processor->SetFaults(slow);
    };
    testsupport::ShowCounter shown(fmProcess);
    const int refreshes = fmMain->UploadRefreshCount;
    guard.start(90000);

    fmMain->SetComPortName(QString::fromStdString(server->SlavePath()));
    fmMain->ConnectCom();
    ASSERT_TRUE(testsupport::WaitFor([&] { return fmMain->UploadRefreshCount > refreshes; }, 90000));
    fmMain->tmInLevelDet->SetEnabled(false);
    testsupport::RunEventLoop(4 * row.delay);

    std::map<Bytes, int> times;
    for (const LCmd& c : processor->Requests()) {
      Bytes key{c.GetCode()};
      key.insert(key.end(), c.GetPayload().begin(), c.GetPayload().end());
      ++times[key];
    }
    // Meter polls and keep-alives are fresh submissions each time.
    int requests = 0, resent = 0;
    for (const auto& [request, count] : times) {
      if (request[0] == 0x40 || request[0] == 0x12) continue;
      EXPECT_LE(count, 1 + 3) << testsupport::Hex(request);
      ++requests;
      resent += count > 1;
    }
    // A busy machine may hold an answer past the stretched time-out now and
    // then; a link that never learnt the pace resends every request.
    EXPECT_LT(resent * 4, requests) << resent << " of " << requests << " requests resent";
    // The first request's writes are bounded above with the others: a worker
    // that wakes late on a busy machine may find the answer before its
    // time-out, so how few went out says nothing. A second chain would be a
    // second upload, counted below.
    ExpectNoKeepAliveDuringTheRead(processor->Requests());
    const auto sent = Taken();
    std::vector<Submitted> chain;
    for (const Submitted& s : sent)
      if (s.code != 0x40 && s.code != 0x10 && s.code != 0x13) chain.push_back(s);
    EXPECT_EQ(Codes(chain), ExpectedChain(false));
    ExpectImageEqualsProcessor(*fmMain->UnitControl, *processor);
    EXPECT_EQ(fmMain->UploadRefreshCount, refreshes + 1);
    EXPECT_EQ(shown.Count(), 1);
    EXPECT_FALSE(fmProcess->isVisible());
    fmMain->Disconnect();  // before its server goes
  }
}

// The refresh pass at the end of the upload, online: it submits nothing and
// every page shows the processor's preset.
TEST_F(UploadTest, RefreshAfterTheUploadShowsTheProcessorsPreset) {
  server = std::make_unique<SimSerialServer>(processor);
  processor->SetCurrentPreset(7);
  SimProcessor::Stream stream = SimProcessor::DefaultStream();
  const int inputC = 16 + 72 * 2;
  stream[inputC + 8] = 1;  // phantom byte
  stream[inputC + 9] = 0;  // line level
  const int output3 = 708 + 94 * 2;
  stream[output3 + 86] = 200;  // gain code 200: -8.0 dB
  stream[output3 + 87] = 0;
  processor->SetCurrentStream(stream);
  ASSERT_TRUE(server->StartPty()) << server->LastError();
  fmMain->CurrentChannel = 10;
  const int inputPanelGain = fmMain->FindControl<TExTrackBar>("isGainInA")->Position();

  fmMain->SetComPortName(QString::fromStdString(server->SlavePath()));
  fmMain->ConnectCom();
  ASSERT_TRUE(testsupport::WaitFor([] { return fmMain->UploadRefreshCount > 0; }, 30000));
  fmMain->tmInLevelDet->SetEnabled(false);

  // Only the transfer's own requests and the polls went out.
  const std::set<std::uint8_t> transfer{0x10, 0x13, 0x22, 0x14, 0x29, 0x6C, 0x27, 0x12, 0x40};
  for (const Submitted& s : Taken()) EXPECT_TRUE(transfer.count(s.code)) << "0x" << std::hex << int(s.code);
  EXPECT_FALSE(fmMain->Updating);
  EXPECT_EQ(fmMain->FindControl<QLabel>("lbPstNum")->text(), "U07");
  EXPECT_EQ(fmMain->FindControl<TExTrackBar>("isGainOut1")->Position(), -80);
  EXPECT_EQ(fmMain->FindControl<TExTrackBar>("isGainInA")->Position(), inputPanelGain);
  auto checkLine = [](const QString& s) {
    SCOPED_TRACE(s.toStdString());
    EXPECT_EQ(fmMain->FindControl<TUxBmpButton>("uxbLine" + s)->Caption(), "Line");
    auto* level = fmMain->FindControl<TUxComboBox>("uxcLine" + s);
    EXPECT_EQ(level->Item(level->ItemIndex()), "0 dB");
    EXPECT_FALSE(fmMain->FindControl<TUxBmpButton>("uxbPhantom" + s)->Down());
    for (const char* role : {"uxbPhantom", "uxcLine", "udLine"})
      EXPECT_FALSE(fmMain->FindControl<QWidget>(role + s)->isEnabled()) << role;
  };
  checkLine("BackupInC");
  ASSERT_TRUE(fmMain->SetPanelFromImage(2));
  checkLine("InA");
  for (int ch = 0; ch < 16; ++ch) {
    auto* grid = fmMain->FindControl<TMyPEQAllpassBandPassStop>(platform::ComposedName(ch < 8 ? "peqPeqIn" : "peqPeqOut", ch));
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->GetNowIndex(), 0) << ch;
    EXPECT_TRUE(fmMain->FindControl<TUxBmpButton>(QStringLiteral("uxbEq1") + (ch < 8 ? "In" : "Out") +
                                                  platform::ChannelSuffix(ch))->Down()) << ch;
    for (int b = 0; b < grid->GetChannelNumber(); ++b)
      EXPECT_DOUBLE_EQ(fmMain->Plots[ch]->Sections[b]->Freq, grid->GetFreqValue(b)) << ch << " band " << b;
  }
}

TEST_F(UploadTest, UsbUploadAlsoReadsTheAddress) {
  Personalise(*processor);
  AttachSimulatedUsb();
  fmMain->StartUpload(false);
  ASSERT_TRUE(testsupport::WaitFor([] { return fmMain->UploadRefreshCount > 0; }, 30000));
  fmMain->tmInLevelDet->SetEnabled(false);

  std::vector<Submitted> chain;
  for (const Submitted& s : Taken())
    if (s.code != 0x40) chain.push_back(s);
  EXPECT_EQ(Codes(chain), ExpectedChain(true));
  ExpectChainDetails(chain);
  EXPECT_EQ(fmMain->DeviceIp, (std::array<std::uint8_t, 4>{192, 168, 1, 101}));
  ExpectImageEqualsProcessor(*fmMain->UnitControl, *processor);
  EXPECT_EQ(fmMain->UploadRefreshCount, 1);
}

// ---- Lost, misnumbered and slow replies over both line links ----------------

TEST_F(UploadTest, ALostMisnumberedForeignOrLateReplyIsAskedAgainAndTheReadCompletes) {
  // From the start of the read: the eighth reply (the name of U06) is lost,
  // or says 6 for the request of 5, or carries another processor's device ID
  // (these links take only their own), or every reply up to the name of U08
  // comes later than the reply time-out. A lost, misnumbered or foreign
  // reply's request is written again on its time-out (late replies have
  // taught the link to wait longer by the eighth), the read completes and
  // the link stays up, with no keep-alive while a reply is owed. The late
  // replies' time-out is long enough for a scheduler on a busy machine not
  // to eat the spare one, and the late stretch short enough to keep the row
  // quick.
  struct Case {
    const char* name;
    bool net;
    SimFaults faults;
    int timeout = 0;     // reply time-out for the read; 0: the editor's own
    int lastFaulty = -1;  // the faults end with the reply to this name request; -1: never
    int leastWrites = 2;   // of the name request for 5
  };
  SimFaults lost, misnumbered, foreign, slow;
  lost.DropReply = 8;
  misnumbered.MisnumberReply = 8;
  foreign.ForeignIdReply = 8;
  slow.DelayMs = 225;
  const Case cases[] = {{"serial, lost", false, lost},          {"serial, misnumbered", false, misnumbered},
                        {"serial, foreign ID", false, foreign}, {"Ethernet, lost", true, lost},
                        {"Ethernet, misnumbered", true, misnumbered}, {"Ethernet, foreign ID", true, foreign},
                        {"Ethernet, late", true, slow, 150, 7, 1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    guard.start(60000);
    fmMain->Disconnect();
    processor = std::make_shared<SimProcessor>();
    Personalise(*processor);
    server.reset();
    netServer.reset();
    int ownTimeout = 0;
    fmMain->OnSubmit = [&](const Bytes& frame, bool) {
      if (c.lastFaulty >= 0 && frame[5] == 0x29 && frame[6] == c.lastFaulty + 1) {
        processor->SetFaults({});
        fmMain->SetLinkTimeout(ownTimeout);
      }
      if (frame[5] != 0x22) return;
      ownTimeout = fmMain->OpenLink()->ReplyTimeout();
      if (c.timeout) fmMain->SetLinkTimeout(c.timeout);
      processor->SetFaults(c.faults);
    };
    if (c.net) {
      netServer = std::make_unique<SimNetServer>(processor);
      const auto config = SimNetConfig::Loopback("127.0.0.2", fmMain->Endpoints.tcpPort, fmMain->Endpoints.udpCommandPort);
      ASSERT_TRUE(netServer->Start(config)) << netServer->LastError();
      fmMain->DeviceIp = {127, 0, 0, 2};
      fmMain->PointAtDeviceIp();
      fmMain->ConnectNet();
    } else {
      server = std::make_unique<SimSerialServer>(processor);
      ASSERT_TRUE(server->StartPty()) << server->LastError();
      fmMain->SetComPortName(QString::fromStdString(server->SlavePath()));
      fmMain->ConnectCom();
    }
    const int refreshes = fmMain->UploadRefreshCount;
    ASSERT_TRUE(testsupport::WaitFor([&] { return fmMain->UploadRefreshCount > refreshes; }, 60000));
    fmMain->tmInLevelDet->SetEnabled(false);
    const std::vector<LCmd> requests = processor->Requests();
    ExpectNoKeepAliveDuringTheRead(requests);
    ExpectImageEqualsProcessor(*fmMain->UnitControl, *processor);
    EXPECT_EQ(fmMain->UnitControl->GetPresetNameText(), "Board Room 3");
    int nameFive = 0;
    for (const LCmd& r : requests) nameFive += r.GetCode() == 0x29 && r.GetPayload() == Bytes{5};
    EXPECT_GE(nameFive, c.leastWrites) << "the request was written again";
    EXPECT_LE(nameFive, 1 + 3);
    EXPECT_TRUE(fmMain->Online && fmMain->OpenLink()) << "the link stays up";
  }
  fmMain->OnSubmit = nullptr;
}
