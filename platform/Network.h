// Where the editor's sockets send: one object holding every endpoint, handed
// to the main window before its creation handler runs, so tests can give it
// loopback addresses. In test builds a guard refuses every destination outside
// 127.0.0.0/8; every socket of the program sends and connects through it.
#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QString>

class QUdpSocket;
class QTcpSocket;

namespace platform {

struct NetworkEndpoints {
  QHostAddress multicastGroup{QStringLiteral("239.254.50.123")};
  quint16 multicastPort = 39030;
  quint16 broadcastPort = 30303;
  quint16 tcpPort = 9761;
  quint16 udpCommandPort = 39030;
  QString defaultProcessorAddress = QStringLiteral("192.168.1.101");
  // The PC's own IPv4 address and its subnet broadcast.
  QHostAddress localAddress;
  QHostAddress broadcastAddress;

  // The real defaults with the local address read from the network
  // interfaces (the host-name lookup gives 127.0.1.1 on Debian).
  static NetworkEndpoints FromSystem();
  // Everything on loopback: discovery to 127.0.0.1 on the given ports.
  static NetworkEndpoints Loopback(quint16 multicastPort, quint16 broadcastPort, quint16 tcpPort,
                                   quint16 udpCommandPort);
};

// The first up, non-loopback IPv4 interface address and its broadcast (its
// address with the last byte 255 when the interface gives none); null
// addresses when there is no such interface.
void FindLocalIPv4(QHostAddress& address, QHostAddress& broadcast);

// The processor sits on the local network: no socket of the program goes
// through a system proxy, and no proxy lookup runs (a lookup starts a resolver
// thread of Qt's own and may query the network). Call once, after the
// application object exists.
void UseDirectConnections();

// The guard. Off in the program, on in test builds.
void SetLoopbackOnly(bool on);
bool LoopbackOnly();
// Whether a socket may send to or connect to the address; error says why not.
bool MaySendTo(const QHostAddress& address, QString* error = nullptr);

// Guarded socket operations: return false with the error text when refused or
// failed, and send nothing then.
bool SendDatagram(QUdpSocket& socket, const QByteArray& data, const QHostAddress& to, quint16 port,
                  QString* error = nullptr);
bool ConnectTcp(QTcpSocket& socket, const QHostAddress& to, quint16 port, QString* error = nullptr);

}  // namespace platform
