// The main window's sockets: the UDP socket that sends discovery, receives
// the answers and carries the UDP copies of frames, and the TCP client of the
// Ethernet link. Both live on the UI thread; the Ethernet worker's writes are
// handed over to it.
#include <QAbstractButton>
#include <QElapsedTimer>
#include <QLabel>
#include <QTcpSocket>
#include <QUdpSocket>

#include "controls/UxBmpButton.h"
#include "controls/UxComboBox.h"
#include "dialogs/DialogEdits.h"
#include "dialogs/FNetwork.h"
#include "dialogs/FNetworkSetup.h"
#include "link/Lnet.h"
#include "mainwindow/FMain.h"

#include "platform/Format.h"
#include "platform/UiBridge.h"

namespace {

const QByteArray kDiscovery("Discovery: Who is out there?", 29);  // with its closing zero byte

// Sort key of an address: its first dotted number in the lowest byte, so the
// addresses of one subnet sort by their last number.
quint32 SortKey(const QHostAddress& address) {
  const quint32 ip = address.toIPv4Address();
  return ((ip & 0xFF) << 24) | ((ip & 0xFF00) << 8) | ((ip >> 8) & 0xFF00) | (ip >> 24);
}

}  // namespace

void TfmMain::OpenSockets() {
  UdpServer = new QUdpSocket(this);
  UdpServer->bind(QHostAddress(QHostAddress::AnyIPv4), 0);
  connect(UdpServer, &QUdpSocket::readyRead, this, [this] { UdpServerUDPRead(); });
  ClientSocket = new QTcpSocket(this);
  connect(ClientSocket, &QTcpSocket::readyRead, this, [this] { ClientSocketRead(); });
  connect(ClientSocket, &QTcpSocket::stateChanged, this, [this](QAbstractSocket::SocketState state) {
    if (!fmNetwork) return;
    if (state == QAbstractSocket::ConnectingState) fmNetwork->SetScanText(QStringLiteral("Network Connecting"));
    else if (state == QAbstractSocket::ConnectedState)
      fmNetwork->SetScanText(QStringLiteral("Connecting IP:") + ClientSocket->peerAddress().toString());
  });
  // Socket errors are suppressed.
  QHostAddress start(Endpoints.defaultProcessorAddress);
  const quint32 ip = start.toIPv4Address();
  DeviceIp = {std::uint8_t(ip >> 24), std::uint8_t(ip >> 16), std::uint8_t(ip >> 8), std::uint8_t(ip)};
  UdpTarget = start;
  UdpTargetPort = Endpoints.udpCommandPort;
  ClientSocketAddress = start.toString();
  ClientSocketPort = Endpoints.tcpPort;
}

void TfmMain::FindLocalAddress() {
  LocalIpText = Endpoints.localAddress.toString().left(19);
  BroadcastText = Endpoints.broadcastAddress.toString();
}

QString TfmMain::DeviceIpText() const {
  return QString::fromStdString(platform::FormatC("%d.%d.%d.%d", DeviceIp[0], DeviceIp[1], DeviceIp[2], DeviceIp[3]));
}

void TfmMain::SendDiscovery() {
  if (!UdpServer) return;
  // A failed multicast does not keep the broadcast from going.
  platform::SendDatagram(*UdpServer, kDiscovery, Endpoints.multicastGroup, Endpoints.multicastPort);
  if (!BroadcastText.isEmpty())
    platform::SendDatagram(*UdpServer, kDiscovery, QHostAddress(BroadcastText), Endpoints.broadcastPort);
  PointAtDeviceIp();
}

void TfmMain::PointAtDeviceIp() {
  UdpTarget = QHostAddress(DeviceIpText());
  UdpTargetPort = Endpoints.udpCommandPort;
  ClientSocketAddress = DeviceIpText();
  ClientSocketPort = Endpoints.tcpPort;
}

void TfmMain::ActivateClientSocket() {
  if (!ClientSocket) return;
  // Activating an active client changes nothing, unless it was pointed at
  // another processor meanwhile.
  const QString target = ClientSocketAddress + ':' + QString::number(ClientSocketPort);
  if (ClientSocket->state() != QAbstractSocket::UnconnectedState && clientTarget_ == target) return;
  ClientSocket->abort();
  clientTarget_ = target;
  platform::ConnectTcp(*ClientSocket, QHostAddress(ClientSocketAddress), ClientSocketPort);
}

bool TfmMain::WriteNetFrame(std::span<const std::uint8_t> frame) {
  // Runs on the Ethernet worker; the sockets belong to the UI thread, which
  // writes the frames in the order the worker produced them.
  {
    std::lock_guard guard(netOutboxLock_);
    netOutbox_.emplace_back(reinterpret_cast<const char*>(frame.data()), int(frame.size()));
  }
  platform::UiPost(uiReceiver_.Guard(), [this] { WriteNetOutbox(NetProc != nullptr); });
  return true;
}

void TfmMain::WriteNetOutbox(bool write) {
  std::vector<QByteArray> frames;
  {
    std::lock_guard guard(netOutboxLock_);
    frames.swap(netOutbox_);
  }
  if (!write) return;
  auto* list = FindControl<TUxComboBox>("uxcIpAddress");
  for (const QByteArray& bytes : frames) {
    if (UdpServer && list && list->ItemIndex() >= 0)
      platform::SendDatagram(*UdpServer, bytes, UdpTarget, UdpTargetPort);
    // A frame written while the connection is still being made waits in the
    // socket and goes out once it is made.
    QTcpSocket* socket = ClientSocket;
    if (socket && (socket->state() == QAbstractSocket::ConnectedState ||
                   socket->state() == QAbstractSocket::ConnectingState ||
                   socket->state() == QAbstractSocket::HostLookupState))
      socket->write(bytes);
  }
}

void TfmMain::CloseClientSocket() {
  if (!ClientSocket) return;
  // What the link wrote last (the restart after a unit download, the end
  // command) goes out before the connection closes, but a peer that takes
  // nothing more cannot hold the window up for long.
  constexpr int kFlushMs = 1000;
  WriteNetOutbox(true);
  if (ClientSocket->state() == QAbstractSocket::ConnectedState) {
    QElapsedTimer waited;
    waited.start();
    while (ClientSocket->bytesToWrite() > 0 && waited.elapsed() < kFlushMs)
      ClientSocket->waitForBytesWritten(int(kFlushMs - waited.elapsed()));
  }
  ClientSocket->abort();
}

void TfmMain::ClientSocketRead() {
  // TCP is a byte stream: every byte read goes to the link's assembler, which
  // counts LEN across reads, whether a read holds part of a frame or several;
  // the link lists each reply it completes.
  const QByteArray bytes = ClientSocket->readAll();
  if (!NetProc || bytes.isEmpty()) return;
  const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.constData());
  NetProc->DeliverReceived({data, std::size_t(bytes.size())});
}

void TfmMain::UdpServerUDPRead() {
  while (UdpServer->hasPendingDatagrams()) {
    QHostAddress sender;
    QByteArray datagram(int(UdpServer->pendingDatagramSize()), '\0');
    UdpServer->readDatagram(datagram.data(), datagram.size(), &sender);
    if (NetProc) continue;
    bool v4 = false;
    const quint32 ip = sender.toIPv4Address(&v4);
    if (!v4) continue;
    AddDiscoveredAddress(QHostAddress(ip));
  }
}

void TfmMain::AddDiscoveredAddress(const QHostAddress& address) {
  auto* list = FindControl<TUxComboBox>("uxcIpAddress");
  if (!list) return;
  const QString text = address.toString();
  if (list->ItemIndex() >= 0 && list->FindItem(text)) return;  // listed: now selected
  if (list->ItemIndex() < 0) {
    list->Add(text);
  } else {
    int at = 0;
    while (at < list->Count() && SortKey(QHostAddress(list->Item(at))) < SortKey(address)) ++at;
    list->Insert(at, text);
  }
  list->SetItemIndex(0);
  const quint32 ip = QHostAddress(list->Item(0)).toIPv4Address();
  DeviceIp = {std::uint8_t(ip >> 24), std::uint8_t(ip >> 16), std::uint8_t(ip >> 8), std::uint8_t(ip)};
  PointAtDeviceIp();
  if (fmNetworkSetup) fmNetworkSetup->ShowDeviceIp();
  list->setVisible(true);
  if (auto* label = FindControl<QWidget>("lbIp")) label->setVisible(true);
  if (auto* scan = FindControl<QWidget>("sbIpScan")) scan->setEnabled(true);
}

void TfmMain::sbIpScanClick(QObject*) {
  if (auto* list = FindControl<TUxComboBox>("uxcIpAddress")) list->ClearItemsValues();
  FindLocalAddress();
  SendDiscovery();
}

void TfmMain::uxcIpAddressChange(QObject*) {
  auto* list = FindControl<TUxComboBox>("uxcIpAddress");
  if (!list || list->ItemIndex() < 0) return;
  const quint32 ip = QHostAddress(list->Item(list->ItemIndex())).toIPv4Address();
  DeviceIp = {std::uint8_t(ip >> 24), std::uint8_t(ip >> 16), std::uint8_t(ip >> 8), std::uint8_t(ip)};
  if (fmNetworkSetup) fmNetworkSetup->ShowDeviceIp();
}

void TfmMain::SetDeviceIp(std::uint32_t address) {
  const std::array<std::uint8_t, 4> bytes = {std::uint8_t(address >> 24), std::uint8_t(address >> 16),
                                             std::uint8_t(address >> 8), std::uint8_t(address)};
  if (bytes == DeviceIp) return;
  DeviceIp = bytes;
  SendCommand(CM_MCS_CMD(GetDeviceId(), 0xB8, bytes[0], bytes[1], bytes[2], bytes[3]), true, true);
  PointAtDeviceIp();
}

void TfmMain::NetworkSetupClick(QObject*) {
  if (!fmNetworkSetup) return;
  auto* link = FindControl<TUxBmpButton>("uxbMenuLink");
  const bool onlineSerialOrNet = !UsbProc && link && link->Caption() == TranslateSid("SID_ONLINE");
  for (const char* name : {"gbIpSetting", "rbManualSetting", "rbAutoSetting", "gbIdSetting"})
    if (auto* w = fmNetworkSetup->FindControl<QWidget>(name)) w->setEnabled(!onlineSerialOrNet);
  dialogs::SetInputEnabled(fmNetworkSetup->FindControl<QWidget>("edId"), !onlineSerialOrNet);
  auto* automatic = fmNetworkSetup->FindControl<QAbstractButton>("rbAutoSetting");
  const bool lockAddress = !UsbProc && ((automatic && automatic->isChecked()) || onlineSerialOrNet);
  for (const char* name : {"edIp1", "edIp2", "edIp3", "edIp4"})
    dialogs::SetInputEnabled(fmNetworkSetup->FindControl<QWidget>(name), !lockAddress);
  fmNetworkSetup->ShowModal();
}
