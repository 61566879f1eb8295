#include <QTcpSocket>
#include <QThreadPool>
#include <QUdpSocket>
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "platform/Network.h"
#include "platform/UiBridge.h"
#include "support/ThreadExit.h"
#include "support/UiFixture.h"

using namespace std::chrono;

TEST(UiBridge, SendRunsOnUiThreadAndWaits) {
  std::atomic<bool> ran{false}, onUi{false}, result{false};
  std::jthread worker([&](std::stop_token stop) {
    result = platform::UiSend([&] { onUi = platform::OnUiThread(); ran = true; }, stop);
  });
  EXPECT_TRUE(testsupport::WaitFor([&] { return result.load(); }));
  EXPECT_TRUE(ran);
  EXPECT_TRUE(onUi);
}

TEST(UiBridge, BlockedSendReturnsPromptlyOnStopWhileUiIsBusy) {
  std::atomic<bool> returned{false}, handled{false}, ran{false};
  std::stop_source stop;
  std::jthread worker([&] {
    handled = platform::UiSend([&] { ran = true; }, stop.get_token());
    returned = true;
  });
  // The UI thread is busy (not processing events) while the stop is requested.
  std::this_thread::sleep_for(50ms);
  // The UI thread stays busy until the call returned or gave up: a call that
  // waited for the UI rather than the stop never returns here.
  auto asked = steady_clock::now();
  stop.request_stop();
  while (!returned && steady_clock::now() - asked < 20s) std::this_thread::sleep_for(1ms);
  EXPECT_TRUE(returned);
  EXPECT_FALSE(handled);
  worker.join();
  testsupport::RunEventLoop(20);  // the abandoned call never runs
  EXPECT_FALSE(ran);
}

TEST(UiBridge, PostIsQueued) {
  std::atomic<int> count{0};
  std::jthread worker([&] { platform::UiPost([&] { ++count; }); });
  worker.join();
  EXPECT_EQ(count, 0);
  EXPECT_TRUE(testsupport::WaitFor([&] { return count == 1; }));
}

TEST(UiBridge, CallsForAnEndedReceiverNeverRun) {
  platform::UiReceiver live, ended;
  std::atomic<int> liveRuns{0}, endedRuns{0};
  std::jthread([&, l = live.Guard(), e = ended.Guard()] {
    platform::UiPost(l, [&] { ++liveRuns; });
    platform::UiPost(e, [&] { ++endedRuns; });
  }).join();
  ended.End();  // as a window's destructor does, with both calls still queued
  testsupport::RunEventLoop(20);
  EXPECT_EQ(liveRuns, 1);
  EXPECT_EQ(endedRuns, 0);

  // A send for an ended receiver is dropped, and its worker goes on without
  // waiting for a stop.
  std::atomic<int> sent{-1};
  std::stop_source stop;
  std::jthread worker([&, e = ended.Guard()] { sent = platform::UiSend(e, [&] { ++endedRuns; }, stop.get_token()); });
  EXPECT_TRUE(testsupport::WaitFor([&] { return sent >= 0; }, 2000));
  stop.request_stop();
  EXPECT_EQ(sent, 0);
  EXPECT_EQ(endedRuns, 0);
}

TEST(NetworkGuard, RefusesDestinationsOutsideLoopback) {
  ASSERT_TRUE(platform::LoopbackOnly());
  QUdpSocket socket;
  ASSERT_TRUE(socket.bind(QHostAddress::LocalHost, 0));
  QString error;
  EXPECT_FALSE(platform::SendDatagram(socket, "x", QHostAddress("192.168.1.101"), 39030, &error));
  EXPECT_TRUE(error.contains("192.168.1.101")) << error.toStdString();
  EXPECT_FALSE(platform::MaySendTo(QHostAddress("239.254.50.123")));
  EXPECT_TRUE(platform::MaySendTo(QHostAddress("127.0.0.20")));

  QUdpSocket receiver;
  ASSERT_TRUE(receiver.bind(QHostAddress::LocalHost, 0));
  EXPECT_TRUE(platform::SendDatagram(socket, "ok", QHostAddress::LocalHost, receiver.localPort()));
  EXPECT_TRUE(testsupport::WaitFor([&] { return receiver.hasPendingDatagrams(); }));
}

TEST(NetworkEndpoints, DefaultsAndLoopback) {
  platform::NetworkEndpoints e;
  EXPECT_EQ(e.multicastGroup.toString(), "239.254.50.123");
  EXPECT_EQ(e.multicastPort, 39030);
  EXPECT_EQ(e.broadcastPort, 30303);
  EXPECT_EQ(e.tcpPort, 9761);
  EXPECT_EQ(e.defaultProcessorAddress, "192.168.1.101");
  auto l = platform::NetworkEndpoints::Loopback(1, 2, 3, 4);
  EXPECT_TRUE(platform::MaySendTo(l.multicastGroup));
  EXPECT_TRUE(platform::MaySendTo(l.broadcastAddress));
}

// No system proxy carries the processor's link, and no proxy lookup starts a
// thread of Qt's own that could still be on its way out when the program ends.
TEST(NetworkProxy, SocketsOpenDirectAndStartNoThread) {
  const int before = testsupport::ThreadCount();
  QUdpSocket udp;
  ASSERT_TRUE(udp.bind(QHostAddress::AnyIPv4, 0));
  QTcpSocket tcp;
  ASSERT_TRUE(platform::ConnectTcp(tcp, QHostAddress::LocalHost, udp.localPort()));
  tcp.abort();
  // Idle pool threads of earlier tests may end meanwhile; none may start.
  EXPECT_LE(testsupport::ThreadCount(), before);
}

TEST(ThreadExit, WorkerThreadsAreJoinedBeforeTheProgramEnds) {
  for (int i = 0; i < 4; ++i) QThreadPool::globalInstance()->start([] {});
  EXPECT_TRUE(testsupport::JoinWorkerThreads(std::chrono::seconds(30)));
  EXPECT_EQ(testsupport::ThreadCount(), 1);
}
