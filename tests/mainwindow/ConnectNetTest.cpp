#include <QLabel>
#include <QTcpServer>
#include <QNetworkDatagram>
#include <QUdpSocket>

#include <QListWidget>

#include <algorithm>
#include <map>
#include <mutex>

#include "controls/UxBmpButton.h"
#include "controls/UxComboBox.h"
#include "ConnectFixture.h"
#include "dialogs/FHidData.h"
#include "dialogs/FProcess.h"
#include "link/Lnet.h"
#include "simproc/SimNetServer.h"

namespace {

// A TCP port free on all three simulator addresses.
std::uint16_t FreePort(const std::vector<std::string>& addresses) {
  for (int attempt = 0; attempt < 20; ++attempt) {
    QTcpServer probe;
    if (!probe.listen(QHostAddress(QString::fromStdString(addresses[0])), 0)) continue;
    const quint16 port = probe.serverPort();
    probe.close();
    bool free = true;
    for (const std::string& a : addresses) {
      QTcpServer other;
      free = free && other.listen(QHostAddress(QString::fromStdString(a)), port);
    }
    if (free) return port;
  }
  return 0;
}

// Three simulated processors on loopback addresses; discovery reaches them
// through a relay standing where the multicast group would be.
class NetConnectTest : public ConnectTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(relay.bind(QHostAddress::LocalHost, 0));
    const std::vector<std::string> addresses = {"127.0.0.20", "127.0.0.5", "127.0.0.9"};
    tcpPort = FreePort(addresses);
    udpPort = FreePort(addresses);
    ASSERT_NE(tcpPort, 0);
    ConnectTest::SetUp();
    fmMain->Endpoints = platform::NetworkEndpoints::Loopback(relay.localPort(), relay.localPort(), tcpPort, udpPort);
    for (const std::string& address : addresses) {
      auto sim = std::make_unique<SimNetServer>();
      ASSERT_TRUE(sim->Start(SimNetConfig::Loopback(address, tcpPort, udpPort))) << sim->LastError();
      sims[address] = std::move(sim);
    }
  }
  void TearDown() override {
    ConnectTest::TearDown();
    sims.clear();
  }
  // The editor's discovery arrives at the relay; each simulator answers it,
  // in the order given.
  void AnswerDiscovery(const std::vector<std::string>& order) {
    ASSERT_TRUE(testsupport::WaitFor([&] { return relay.hasPendingDatagrams(); }));
    QHostAddress from;
    quint16 port = 0;
    QByteArray datagram(int(relay.pendingDatagramSize()), '\0');
    relay.readDatagram(datagram.data(), datagram.size(), &from, &port);
    while (relay.hasPendingDatagrams()) relay.receiveDatagram();
    EXPECT_EQ(datagram, QByteArray("Discovery: Who is out there?", 29));
    for (const std::string& address : order) {
      ASSERT_TRUE(sims[address]->Announce("127.0.0.1", port));
      testsupport::RunEventLoop(30);
    }
  }
  // Every request frame the simulator reads from TCP, as hex of its code and
  // payload.
  void RecordTcpRequests(SimNetServer& sim) {
    sim.SetRequestLog([this](const Bytes& frame) {
      std::lock_guard guard(requestLock);
      requests.push_back(testsupport::Hex(Bytes(frame.begin() + 5, frame.end() - 3)));
    });
  }
  std::vector<std::string> TcpRequests() {
    std::lock_guard guard(requestLock);
    return requests;
  }
  QStringList Listed() const {
    QStringList out;
    auto* list = fmMain->FindControl<TUxComboBox>("uxcIpAddress");
    for (int i = 0; i < list->Count(); ++i) out << list->Item(i);
    return out;
  }

  QUdpSocket relay;
  quint16 tcpPort = 0;
  quint16 udpPort = 0;
  std::map<std::string, std::unique_ptr<SimNetServer>> sims;
  std::mutex requestLock;
  std::vector<std::string> requests;
};


}  // namespace

TEST_F(NetConnectTest, DiscoveryAnswersAreListedInOrderAndTheEditorConnectsOverTcp) {
  fmMain->SendDiscovery();
  AnswerDiscovery({"127.0.0.20", "127.0.0.5", "127.0.0.9"});
  EXPECT_EQ(Listed(), (QStringList{"127.0.0.5", "127.0.0.9", "127.0.0.20"}));
  EXPECT_EQ(fmMain->FindControl<TUxComboBox>("uxcIpAddress")->ItemIndex(), 0);
  EXPECT_EQ(fmMain->DeviceIpText(), "127.0.0.5");

  // An answer from a listed address selects it and changes nothing else.
  fmMain->AddDiscoveredAddress(QHostAddress("127.0.0.9"));
  EXPECT_EQ(fmMain->FindControl<TUxComboBox>("uxcIpAddress")->ItemIndex(), 1);
  EXPECT_EQ(fmMain->DeviceIpText(), "127.0.0.5");

  ASSERT_TRUE(PressLinkAndWait([] { return fmMain->IdentityAccepted && !fmNetwork->isVisible(); }, 30000));
  SimNetServer& sim = *sims["127.0.0.5"];
  EXPECT_TRUE(sim.TcpConnected());
  EXPECT_EQ(fmMain->FindControl<QLabel>("lbShowIp")->text(), "IP : 127.0.0.5");
  // With an entry selected, each frame also reaches the processor's UDP port.
  std::vector<int> udpCodes;
  for (const Bytes& f : sim.UdpFrames())
    if (f.size() > 5) udpCodes.push_back(f[5]);
  ASSERT_GE(udpCodes.size(), 3u);
  EXPECT_EQ(std::vector<int>(udpCodes.begin(), udpCodes.begin() + 3), (std::vector<int>{0x10, 0x13, 0x22}));
  EXPECT_FALSE(fmMain->FindControl<TUxComboBox>("uxcIpAddress")->isEnabled());
}

TEST_F(NetConnectTest, WithoutADiscoveryAnswerTheConnectGoesOverTcpOnly) {
  // No entry selected: no UDP copies; the connect command goes over TCP,
  // also when it is written while the connection is still being made.
  fmMain->DeviceIp = {127, 0, 0, 20};
  fmMain->PointAtDeviceIp();
  fmMain->ConnectNet();
  ASSERT_TRUE(testsupport::WaitFor([] { return fmMain->IdentityAccepted; }, 30000));
  EXPECT_TRUE(sims["127.0.0.20"]->UdpFrames().empty());
  const std::vector<int> codes = Codes();
  EXPECT_EQ(codes.front(), 0x10);
  EXPECT_EQ(std::count(codes.begin(), codes.end(), 0x10), 1);
}

TEST_F(NetConnectTest, WhileOnlineRepliesWithAnotherIdAreDroppedAndTheLinkStays) {
  fmMain->DeviceIp = {127, 0, 0, 20};
  fmMain->PointAtDeviceIp();
  fmMain->ConnectNet();
  ASSERT_TRUE(testsupport::WaitFor([] { return fmMain->IdentityAccepted; }, 30000));
  ExpectForeignRepliesDroppedWhileOnline(sims["127.0.0.20"]->Processor());
}

TEST_F(NetConnectTest, RepliesSplitAcrossReadsOrRunTogetherAreEachHandledOnce) {
  fmMain->SendDiscovery();
  AnswerDiscovery({"127.0.0.9"});
  SimNetServer& sim = *sims["127.0.0.9"];
  RecordTcpRequests(sim);
  SimFaults faults;
  faults.SplitPieces = 3;
  faults.PieceGapMs = 15;
  sim.Processor().SetFaults(faults);
  std::map<int, int> handled;
  for (int code : {0x10, 0x13, 0x01}) {
    fmMain->SetReplyHandler(static_cast<std::uint8_t>(code), [&handled, code](std::uint8_t id, const Bytes& p) {
      ++handled[code];
      if (code != 0x10) return;
      fmMain->OnConnectReply(id, p);
      // Every frame is counted: no keep-alive after two seconds a starved
      // thread may leave between the test's steps.
      fmMain->SetPollSuspended(true);
    });
  }
  fmHidData->Show();
  fmMain->ConnectNet();
  ASSERT_TRUE(testsupport::WaitFor([&] { return handled[0x13] == 1; }, 30000));
  EXPECT_EQ(handled[0x10], 1);
  EXPECT_EQ(TcpRequests(), (std::vector<std::string>{"10", "13"}));

  // The processor answers the UDP copy too, and both answers come in one TCP
  // write: two replies per read. Each frame still goes out once, one at a
  // time, and the gains for inputs A and B both reach the processor.
  faults.SplitPieces = 1;
  faults.RunTogether = 2;
  faults.AnswerUdpCopies = true;
  sim.Processor().SetFaults(faults);
  fmMain->SendCommand(CM_MCS_CMD(1, 0x12), true, true);
  fmMain->SendCommand(CM_MCS_GAIN(1, 0, 0x80), false, true);
  fmMain->SendCommand(CM_MCS_GAIN(1, 1, 0x90), false, true);
  fmMain->SendCommand(CM_MCS_MUTE(1, 0, 1), false, true);
  fmMain->SendCommand(CM_MCS_CMD(1, 0x14), true, true);
  // Four acknowledgements answer the four acknowledged frames; their copies
  // answer nothing and reach no handler.
  ASSERT_TRUE(testsupport::WaitFor([&] { return handled[0x01] == 4; }, 30000));
  testsupport::WaitFor([&] { return TcpRequests().size() >= 7; }, 30000);
  testsupport::RunEventLoop(100);
  EXPECT_EQ(TcpRequests(), (std::vector<std::string>{"10", "13", "12", "34 00 80 00", "34 01 90 00", "35 00 01", "14"}));
  EXPECT_EQ(handled[0x13], 1);
  EXPECT_EQ(handled[0x10], 1);
  EXPECT_EQ(handled[0x01], 4);
  const SimProcessor::Stream stream = sim.Processor().CurrentStream();
  EXPECT_EQ(stream, [] {
    SimProcessor reference;
    reference.Answer(CM_MCS_GAIN(1, 0, 0x80).BuildFrame(1));
    reference.Answer(CM_MCS_GAIN(1, 1, 0x90).BuildFrame(1));
    reference.Answer(CM_MCS_MUTE(1, 0, 1).BuildFrame(1));
    return reference.CurrentStream();
  }());

  // The monitor: one line per frame written, one per reply.
  int written = 0, read = 0;
  auto count = [&] {
    written = read = 0;
    for (int i = 0; i < fmHidData->hbHidData->count(); ++i) {
      const QString line = fmHidData->hbHidData->item(i)->text();
      written += line.startsWith("NET W ");
      read += line.startsWith("NET R ");
    }
    return read >= 2 + 10;
  };
  testsupport::WaitFor(count, 30000);
  testsupport::RunEventLoop(50);
  count();
  EXPECT_EQ(written, 7);
  EXPECT_EQ(read, 2 + 10);
}

TEST_F(NetConnectTest, UploadWithDoubledRepliesSplitAndRunTogetherWritesEveryFrameOnce) {
  fmMain->SendDiscovery();
  AnswerDiscovery({"127.0.0.9"});
  SimNetServer& sim = *sims["127.0.0.9"];
  RecordTcpRequests(sim);
  SimFaults faults;
  faults.SplitPieces = 3;
  faults.PieceGapMs = 3;
  faults.RunTogether = 2;
  faults.AnswerUdpCopies = true;
  sim.Processor().SetFaults(faults);
  testsupport::ShowCounter shown(fmProcess);
  // A progress window that stays open (perhaps opened again inside itself)
  // must not hang the test.
  QTimer guard;
  QObject::connect(&guard, &QTimer::timeout, [] {
    if (fmProcess->isVisible()) fmProcess->SetModalResult(0);
  });
  guard.start(20000);
  fmMain->ConnectNet();
  ASSERT_TRUE(testsupport::WaitFor([] { return fmMain->UploadRefreshCount == 1; }, 30000));
  fmMain->tmInLevelDet->SetEnabled(false);

  std::vector<std::string> expected{"22", "14"};
  for (int n = 0; n < 21; ++n) expected.push_back(testsupport::Hex({0x29, std::uint8_t(n)}));
  expected.push_back("6C 00");
  for (int n = 0; n < 31; ++n) expected.push_back(testsupport::Hex({0x27, std::uint8_t(n)}));
  expected.push_back("12");
  // The closing 0x12 is on its way.
  testsupport::WaitFor([&] { return TcpRequests().size() >= 2 + expected.size(); }, 30000);
  testsupport::RunEventLoop(100);
  std::vector<std::string> asked = TcpRequests();
  const auto start = std::find(asked.begin(), asked.end(), "22");
  ASSERT_NE(start, asked.end());
  ASSERT_GE(asked.end() - start, std::ptrdiff_t(expected.size()));
  EXPECT_EQ(std::vector<std::string>(start, start + std::ptrdiff_t(expected.size())), expected);
  EXPECT_EQ(shown.Count(), 1);
  EXPECT_FALSE(fmProcess->isVisible());
}
