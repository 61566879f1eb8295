// Transfers broken by the link. At each step of a store, a recall, the read
// of the stored presets, a unit download, a preset-file load and a factory
// reset, the processor carries out the step's request but its answer never
// comes, and the link breaks as it does after its retries. Once the editor has
// connected again, the processor receives only the connect-time read and the
// meter polls: no step of the broken transfer fires on the new connection.
// And a restart written just before a disconnect reaches the processor.
#include <QLabel>
#include <QThread>

#include <functional>

#include "PresetsFixture.h"
#include "controls/ExTrackBar.h"
#include "link/LinkOwner.h"
#include "link/RequestReplyDiscipline.h"
#include "platform/Format.h"
#include "platform/MenuItem.h"
#include "simproc/SimNetServer.h"

namespace {

// The requests of the connect-time read over serial, from the connect request.
std::vector<std::uint8_t> ConnectRead() {
  std::vector<std::uint8_t> codes{0x10, 0x13, 0x22, 0x14};
  codes.insert(codes.end(), 21, 0x29);
  codes.push_back(0x6C);
  codes.insert(codes.end(), 31, 0x27);
  codes.push_back(0x12);
  return codes;
}

class LinkDropTest : public PresetsTest {
 protected:
  void SetUp() override {
    PresetsTest::SetUp();
    // A preset file whose name and input B gain differ from the processor's.
    PresetImage image = DefaultPresetImage();
    const std::string name = "Broken Load   ";
    std::copy(name.begin(), name.end(), image.Name.begin());
    image.Inputs[1].Gain = 300;
    presetPath = folder + "/load.prs";
    ASSERT_TRUE(presetfiles::SaveFileAtomically(presetPath, presetfiles::WritePresetFile(image)));
    // A unit file with U03 stored.
    presetfiles::UnitRecords records{};
    records[2][0] = 3;
    records[2][1] = presetfiles::kStoredMarker;
    unitPath = folder + "/unit.unt";
    ASSERT_TRUE(presetfiles::SaveFileAtomically(
        unitPath, presetfiles::WriteUnitFile({}, records, [](int r) { return r == 2; })));
  }

  // Starts a transfer; once the editor submits the nth request with the code,
  // the processor answers nothing from that request (`further` requests
  // later) on, and when it has received it the link breaks.
  void StartAndBreak(const std::function<void()>& start, std::uint8_t code, int nth, int further) {
    int silentFrom = 0;
    int seen = 0;
    auto record = fmMain->OnSubmit;
    fmMain->OnSubmit = [&, record](const Bytes& frame, bool force) {
      record(frame, force);
      if (frame[5] != code || ++seen != nth) return;
      // Frames waiting in the link go out first (a preset file's burst).
      const int ahead = fmMain->OpenLink() ? static_cast<int>(fmMain->OpenLink()->PendingFrames().size()) : 0;
      silentFrom = static_cast<int>(processor->Requests().size()) + ahead + 1 + further;
      SimFaults faults;
      faults.SilentFrom = silentFrom;
      processor->SetFaults(faults);
    };
    // The progress window may run modally: the break is watched from a timer.
    bool broken = false;
    QTimer breaker;
    QObject::connect(&breaker, &QTimer::timeout, [&] {
      if (broken || silentFrom == 0 || static_cast<int>(processor->Requests().size()) < silentFrom) return;
      broken = true;
      fmMain->OnLinkStateMessage(kLinkNoReply);  // as the link reports it after its retries
    });
    breaker.start(2);
    start();
    EXPECT_TRUE(testsupport::WaitFor([&] { return broken; }, 30000));
    fmMain->OnSubmit = record;
  }

  // Connects again and expects, up to two meter polls after the read, the
  // connect-time read and polls only.
  void ReconnectAndExpectOnlyTheRead(const std::string& step) {
    SCOPED_TRACE(step);
    processor->SetFaults({});
    const std::size_t mark = processor->Requests().size();
    const std::size_t submittedMark = frames.size();
    const int refreshes = fmMain->UploadRefreshCount;
    fmMain->ConnectCom();
    ASSERT_TRUE(testsupport::WaitFor([&] { return fmMain->UploadRefreshCount > refreshes; }, 30000));
    const std::vector<std::uint8_t> read = ConnectRead();
    auto codes = [&] {
      std::vector<std::uint8_t> out;
      const std::vector<LCmd> requests = processor->Requests();
      for (std::size_t i = mark; i < requests.size(); ++i) out.push_back(requests[i].GetCode());
      return out;
    };
    // A stale step would follow the acknowledgement of the read's closing
    // 0x12, before the first poll.
    EXPECT_TRUE(testsupport::WaitFor([&] {
      const std::vector<std::uint8_t> c = codes();
      return c.size() >= read.size() + 2 && std::count(c.begin() + long(read.size()), c.end(), 0x40) >= 2;
    }, 30000));
    // The window submits the read and polls only (polls are not recorded).
    const std::vector<std::uint8_t> submitted = Codes();
    EXPECT_EQ(std::vector<std::uint8_t>(submitted.begin() + long(submittedMark), submitted.end()), read);
    // The link adds its own keep-alive 0x12 after two seconds without a
    // submission, which a starved user-interface thread can leave between
    // the read's end and the first poll.
    const std::vector<std::uint8_t> got = codes();
    ASSERT_GE(got.size(), read.size());
    EXPECT_EQ(std::vector<std::uint8_t>(got.begin(), got.begin() + long(read.size())), read);
    for (std::size_t i = read.size(); i < got.size(); ++i)
      EXPECT_TRUE(got[i] == 0x40 || got[i] == 0x12) << "request " << i << ": " << int(got[i]);
    EXPECT_EQ(fmMain->LinkState, 0);
    EXPECT_TRUE(fmMain->isEnabled());
    EXPECT_FALSE(fmProcess->isVisible());
    const int number = processor->CurrentPreset();
    EXPECT_EQ(fmMain->FindControl<QLabel>("lbPstNum")->text().toStdString(),
              platform::FormatC(number >= 1 ? "U%02d" : "F%02d", number));
  }

  std::string presetPath;
  std::string unitPath;
};

}  // namespace

TEST_F(LinkDropTest, NoStepOfABrokenTransferFiresOnTheNextConnection) {
  struct Step {
    const char* name;
    std::function<void()> start;
    std::uint8_t code;  // the request whose answer is lost
    int nth;
    int further = 0;
    bool loadsFile = false;
  };
  auto store = [this] { StoreFromList(4, "Kitchen"); };
  auto recall = [] { fmMain->RecallPreset(3); };
  auto read = [this] {
    chosen.reset();
    fmMain->UploadClick(nullptr);
  };
  auto download = [this] {
    chosen = QString::fromStdString(unitPath);
    fmMain->DownloadClick(nullptr);
  };
  auto load = [this] {
    chosen = QString::fromStdString(presetPath);
    fmMain->OpenClick(nullptr);
  };
  auto reset = [] { fmMain->MenuItem("FactoryDefault")->Click(); };
  const Step steps[] = {
      {"store: name", store, 0x26, 1},
      {"store: number", store, 0x21, 1},
      {"recall: preset", recall, 0x20, 1},
      {"recall: first block", recall, 0x27, 1},
      {"recall: a later block", recall, 0x27, 20},
      {"stored presets: system bytes", read, 0x19, 1},
      {"stored presets: select", read, 0x24, 1},
      {"stored presets: first block", read, 0x28, 1},
      {"stored presets: select the next", read, 0x24, 2},
      {"unit download: prepare", download, 0x23, 1},
      {"unit download: system bytes", download, 0x1A, 1},
      {"unit download: first block", download, 0x25, 1},
      {"unit download: last block", download, 0x25, 31},
      {"preset file: start", load, 0x68, 1, 0, true},
      {"preset file: amid the burst", load, 0x68, 1, 150, true},
      {"preset file: end", load, 0x0F, 1, 0, true},
      {"factory reset", reset, 0x23, 1},
  };
  Connect();
  for (const Step& step : steps) {
    SCOPED_TRACE(step.name);
    // U03 and U07 stored, so that every transfer has something to move.
    processor->StorePreset(2);
    processor->StorePreset(6);
    fmMain->UnitControl->MarkPresetStored(2);
    fmMain->UnitControl->MarkPresetStored(6);
    StartAndBreak(step.start, step.code, step.nth, step.further);
    EXPECT_FALSE(fmMain->Online);
    EXPECT_EQ(fmMain->TransferMode, 0);
    EXPECT_TRUE(fmMain->isEnabled());
    EXPECT_FALSE(fmProcess->isVisible());
    if (step.loadsFile) {
      // The image holds the file however far the processor got: so do the pages.
      EXPECT_EQ(fmMain->FindControl<QLabel>("lbPstName")->text().trimmed(), "Broken Load");
      EXPECT_EQ(fmMain->FindControl<TExTrackBar>("isGainBackupInB")->Position(), 20);
    }
    ReconnectAndExpectOnlyTheRead(step.name);
  }
}

TEST_F(LinkDropTest, TheRestartAfterAUnitDownloadReachesTheProcessorOverEthernet) {
  // The user-interface thread stalls for 400 ms right after the last block's
  // answer; when it resumes, the overdue disconnect runs before the thread
  // has handed the restart the link wrote to the socket. The restart still
  // goes out before the connection closes.
  SimNetServer net(processor);
  ASSERT_TRUE(net.Start(SimNetConfig::Loopback("127.0.0.2", fmMain->Endpoints.tcpPort, fmMain->Endpoints.udpCommandPort)))
      << net.LastError();
  fmMain->DeviceIp = {127, 0, 0, 2};
  fmMain->PointAtDeviceIp();
  auto record = fmMain->OnSubmit;
  fmMain->OnSubmit = [record](const Bytes& frame, bool force) {
    record(frame, force);
    if (frame[5] != 0x04) return;
    QTimer::singleShot(0, fmMain, [] {
      QThread::msleep(400);
      fmMain->tmDisconnectTimer(fmMain->tmDisconnect);
    });
  };
  chosen = QString::fromStdString(unitPath);
  for (int download = 1; download <= 20; ++download) {
    SCOPED_TRACE(download);
    const int refreshes = fmMain->UploadRefreshCount;
    fmMain->ConnectNet();
    ASSERT_TRUE(testsupport::WaitFor([&] { return fmMain->UploadRefreshCount > refreshes; }, 30000));
    fmMain->DownloadClick(nullptr);
    ASSERT_TRUE(testsupport::WaitFor([] { return !fmMain->Online; }, 30000));
    EXPECT_TRUE(testsupport::WaitFor([&] { return processor->Restarts() == download; }, 30000));
  }
  fmMain->OnSubmit = record;
}
