// Loopback stand-ins for every place the editor sends to: UDP receivers for
// the discovery's multicast group and subnet broadcast and for the UDP
// command copies, and a TCP listener for the processor. Endpoints() hands
// them to the main window before it is created.
#pragma once

#include <QTcpServer>
#include <QUdpSocket>

#include "platform/Network.h"

namespace testsupport {

struct LoopbackNetwork {
  bool Open() {
    return multicast.bind(QHostAddress::LocalHost, 0) && broadcast.bind(QHostAddress::LocalHost, 0) &&
           udpCommands.bind(QHostAddress::LocalHost, 0) && processor.listen(QHostAddress::LocalHost, 0);
  }
  platform::NetworkEndpoints Endpoints() const {
    return platform::NetworkEndpoints::Loopback(multicast.localPort(), broadcast.localPort(), processor.serverPort(),
                                                udpCommands.localPort());
  }

  QUdpSocket multicast, broadcast, udpCommands;
  QTcpServer processor;
};

}  // namespace testsupport
