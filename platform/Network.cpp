#include "platform/Network.h"

#include <QNetworkInterface>
#include <QNetworkProxy>
#include <QTcpSocket>
#include <QUdpSocket>

#include <atomic>

namespace platform {
namespace {
std::atomic<bool> loopbackOnly{false};
}

NetworkEndpoints NetworkEndpoints::FromSystem() {
  NetworkEndpoints e;
  FindLocalIPv4(e.localAddress, e.broadcastAddress);
  return e;
}

NetworkEndpoints NetworkEndpoints::Loopback(quint16 multicastPort, quint16 broadcastPort, quint16 tcpPort,
                                            quint16 udpCommandPort) {
  NetworkEndpoints e;
  e.multicastGroup = QHostAddress(QHostAddress::LocalHost);
  e.multicastPort = multicastPort;
  e.broadcastPort = broadcastPort;
  e.tcpPort = tcpPort;
  e.udpCommandPort = udpCommandPort;
  e.defaultProcessorAddress = QStringLiteral("127.0.0.1");
  e.localAddress = QHostAddress(QHostAddress::LocalHost);
  e.broadcastAddress = QHostAddress(QHostAddress::LocalHost);
  return e;
}

void FindLocalIPv4(QHostAddress& address, QHostAddress& broadcast) {
  address = QHostAddress();
  broadcast = QHostAddress();
  for (const QNetworkInterface& iface : QNetworkInterface::allInterfaces()) {
    const auto flags = iface.flags();
    if (!(flags & QNetworkInterface::IsUp) || (flags & QNetworkInterface::IsLoopBack)) continue;
    for (const QNetworkAddressEntry& entry : iface.addressEntries()) {
      if (entry.ip().protocol() != QAbstractSocket::IPv4Protocol) continue;
      address = entry.ip();
      broadcast = entry.broadcast().isNull() ? QHostAddress((address.toIPv4Address() & 0xFFFFFF00u) | 0xFFu)
                                             : entry.broadcast();
      return;
    }
  }
}

void UseDirectConnections() { QNetworkProxy::setApplicationProxy(QNetworkProxy(QNetworkProxy::NoProxy)); }

void SetLoopbackOnly(bool on) { loopbackOnly = on; }
bool LoopbackOnly() { return loopbackOnly; }

bool MaySendTo(const QHostAddress& address, QString* error) {
  if (!loopbackOnly) return true;
  bool v4 = false;
  quint32 ip = address.toIPv4Address(&v4);
  if ((v4 && (ip >> 24) == 127) || address == QHostAddress(QHostAddress::LocalHostIPv6)) return true;
  if (error)
    *error = QStringLiteral("refused: %1 is outside 127.0.0.0/8 (test build sends to loopback only)")
                 .arg(address.toString());
  return false;
}

bool SendDatagram(QUdpSocket& socket, const QByteArray& data, const QHostAddress& to, quint16 port, QString* error) {
  if (!MaySendTo(to, error)) return false;
  if (socket.writeDatagram(data, to, port) != data.size()) {
    if (error) *error = socket.errorString();
    return false;
  }
  return true;
}

bool ConnectTcp(QTcpSocket& socket, const QHostAddress& to, quint16 port, QString* error) {
  if (!MaySendTo(to, error)) return false;
  socket.connectToHost(to, port);
  return true;
}

}  // namespace platform
