// Creates the main window offscreen with every socket on loopback: discovery
// goes to two local UDP receivers standing in for the multicast group and the
// subnet broadcast.
#pragma once

#include <QUdpSocket>
#include <gtest/gtest.h>

#include <memory>

#include "mainwindow/FMain.h"
#include "platform/Network.h"
#include "support/LoopbackNetwork.h"

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(network.Open());
    TfmMain::StartEndpoints = network.Endpoints();
  }
  void TearDown() override {
    delete fmMain;
    fmMain = nullptr;
  }
  // Creates the window and runs its creation handler, as the main routine does.
  TfmMain* CreateMain() {
    fmMain = new TfmMain();
    fmMain->FormCreate();
    return fmMain;
  }
  static QList<QByteArray> Datagrams(QUdpSocket& socket) {
    QList<QByteArray> out;
    while (socket.hasPendingDatagrams()) {
      QByteArray d(int(socket.pendingDatagramSize()), '\0');
      socket.readDatagram(d.data(), d.size());
      out << d;
    }
    return out;
  }

  testsupport::LoopbackNetwork network;
  QUdpSocket& multicast = network.multicast;
  QUdpSocket& broadcast = network.broadcast;
};
