// The serial link over a pseudo-terminal pair, against the simulated processor.
#include "HexBytes.h"
#include "LinkTestSupport.h"
#include "link/LComm.h"
#include "simproc/SimSerialServer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>

namespace {

using namespace std::chrono_literals;

class SerialLinkTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(server.StartPty()) << server.LastError();
    link = std::make_unique<LCommProc>(Recorder::OwnerOf(recorder), 1);
    ASSERT_TRUE(link->Open(server.SlavePath())) << link->LastError();
  }
  void TearDown() override {
    link.reset();
    server.Stop();
  }
  void Faults(const SimFaults& faults) { server.Processor().SetFaults(faults); }
  bool WaitFrames(std::size_t n, int ms = 3000) {
    return WaitUntil([&] { return recorder->frames.size() >= n; }, ms);
  }
  std::size_t RequestsWithCode(std::uint8_t code) {
    const auto requests = server.Processor().Requests();
    return std::count_if(requests.begin(), requests.end(), [&](const LCmd& c) { return c.GetCode() == code; });
  }

  std::shared_ptr<Recorder> recorder = std::make_shared<Recorder>();
  SimSerialServer server;
  std::unique_ptr<LCommProc> link;
};

TEST_F(SerialLinkTest, ConnectGetsItsReplyAndKeepAliveFollowsAfterTwoSecondsIdle) {
  const auto submitted = std::chrono::steady_clock::now();
  link->QueueFrame(CM_MCS_CMD(1, 0x10).BuildFrame(1), true);
  ASSERT_TRUE(WaitFrames(1));
  EXPECT_EQ(ToHex(recorder->frames[0]), "10 02 01 00 01 10 10 03 11");
  EXPECT_EQ(RequestsWithCode(0x12), 0u);

  // Never before two quiet seconds (the timer never fires early); how late it
  // comes depends on the machine's load, so the period is read from the link.
  ASSERT_TRUE(WaitUntil([&] { return RequestsWithCode(0x12) == 1; }, 30000));
  const auto idle = std::chrono::steady_clock::now() - submitted;
  EXPECT_GE(idle, 2000ms);
  EXPECT_EQ(link->PollInterval(), 2000);
  ASSERT_TRUE(WaitFrames(2));
  EXPECT_EQ(LCmd(recorder->frames[1], 1).GetCode(), 0x01) << "the keep-alive is acknowledged";
  EXPECT_TRUE(recorder->statuses.empty());
}

TEST_F(SerialLinkTest, ReplyInThreePiecesReachesTheOwnerAsOneFrame) {
  SimFaults faults;
  faults.SplitPieces = 3;
  faults.PieceGapMs = 30;
  Faults(faults);
  link->QueueFrame(CM_MCS_CMD(1, 0x13).BuildFrame(1), true);
  ASSERT_TRUE(WaitFrames(1));
  Spin(100);
  ASSERT_EQ(recorder->frames.size(), 1u);
  const LCmd reply(recorder->frames[0], 1);
  EXPECT_EQ(reply.GetCode(), 0x13);
  EXPECT_EQ(std::string(reply.GetPayload().begin(), reply.GetPayload().end()), "QRV512 V011");
}

TEST_F(SerialLinkTest, TwoRepliesWrittenTogetherGiveTwoHandOvers) {
  const Bytes two = Hex("10 02 01 00 01 10 10 03 11 10 02 01 00 02 14 05 10 03 13");
  ASSERT_TRUE(server.Inject(two));
  ASSERT_TRUE(WaitFrames(2));
  EXPECT_EQ(ToHex(recorder->frames[0]), "10 02 01 00 01 10 10 03 11");
  EXPECT_EQ(ToHex(recorder->frames[1]), "10 02 01 00 02 14 05 10 03 13");
}

TEST_F(SerialLinkTest, ControlBytesPassUnchangedBothWays) {
  link->QueueFrame(CM_MCS_CMD(1, 0x5E, 0x11, 0x13, 0x0D, 0x0A).BuildFrame(1), true);
  ASSERT_TRUE(WaitFrames(1));
  const auto requests = server.Processor().Requests();
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_EQ(requests[0].GetPayload(), (Bytes{0x11, 0x13, 0x0D, 0x0A}));

  const Bytes reply = Hex("10 02 01 00 05 5F 11 13 0D 0A 10 03 5F");
  ASSERT_TRUE(server.Inject(reply));
  ASSERT_TRUE(WaitFrames(2));
  EXPECT_EQ(recorder->frames[1], reply);
}

TEST_F(SerialLinkTest, CloseWithFramesWaitingAndHandOverPendingReturnsQuickly) {
  link->QueueFrame(CM_MCS_CMD(1, 0x13).BuildFrame(1), true);
  for (std::uint16_t v = 0; v < 5; ++v) link->QueueFrame(CM_MCS_GAIN(1, v, v).BuildFrame(1), true);
  // No event loop runs: the worker gets the reply and waits in the hand-over.
  std::this_thread::sleep_for(300ms);
  const auto start = std::chrono::steady_clock::now();
  link->Close();
  EXPECT_LT(std::chrono::steady_clock::now() - start, 1s);
  EXPECT_FALSE(link->IsOpen());
  Spin(50);
  EXPECT_TRUE(recorder->frames.empty());
  EXPECT_EQ(RequestsWithCode(0x34), 0u) << "waiting frames were discarded";
}

TEST_F(SerialLinkTest, PortHeldByTheLinkCannotBeOpenedAgain) {
  LCommProc second(Recorder::OwnerOf(recorder), 1);
  EXPECT_FALSE(second.Open(server.SlavePath()));
  EXPECT_NE(second.LastError().find(server.SlavePath()), std::string::npos) << second.LastError();
  second.QueueFrame(CM_MCS_CMD(1, 0x10).BuildFrame(1), true);
  Spin(100);
  EXPECT_TRUE(server.Processor().Requests().empty());
  EXPECT_FALSE(link->Open(server.SlavePath())) << "a link never reopens";

  LCommProc missing(Recorder::OwnerOf(recorder), 1);
  EXPECT_FALSE(missing.Open("/dev/no-such-port"));
  EXPECT_FALSE(missing.LastError().empty());
}

TEST_F(SerialLinkTest, LineHangUpEndsTheWorkerWithStatusOne) {
  server.Stop();
  ASSERT_TRUE(WaitUntil([&] { return !recorder->statuses.empty(); }));
  EXPECT_EQ(recorder->statuses[0].first, kLinkPortFailed);
  EXPECT_FALSE(link->IsOpen());
}

TEST_F(SerialLinkTest, SilentProcessorGivesStatusZeroAfterTheRetries) {
  SimFaults faults;
  faults.Silent = true;
  Faults(faults);
  link->SetReplyTimeout(80);
  link->SetRetryLimit(3);
  link->QueueFrame(CM_MCS_CMD(1, 0x10).BuildFrame(1), true);
  ASSERT_TRUE(WaitUntil([&] { return !recorder->statuses.empty(); }));
  EXPECT_EQ(recorder->statuses[0], std::make_pair(0, 1));
  EXPECT_EQ(RequestsWithCode(0x10), 4u);
}

TEST_F(SerialLinkTest, GarbageAheadOfRepliesIsSkipped) {
  // The noise holds DLE bytes and false starts; the reader resyncs on each
  // reply at once, so no request needs a resend.
  SimFaults faults;
  faults.GarbageBytes = 40;
  Faults(faults);
  link->SetReplyTimeout(2000);
  link->QueueFrame(CM_MCS_CMD(1, 0x14).BuildFrame(1), true);
  link->QueueFrame(CM_MCS_CMD(1, 0x22).BuildFrame(1), true);
  link->QueueFrame(CM_MCS_CMD(1, 0x29, 4).BuildFrame(1), true);
  ASSERT_TRUE(WaitFrames(3));
  EXPECT_EQ(LCmd(recorder->frames[0], 1).GetCode(), 0x14);
  EXPECT_EQ(LCmd(recorder->frames[1], 1).GetPayload().size(), 21u);
  EXPECT_EQ(LCmd(recorder->frames[2], 1).GetPayload().front(), 4);
  for (std::uint8_t code : {0x14, 0x22, 0x29}) EXPECT_EQ(RequestsWithCode(code), 1u) << int(code);
}

}  // namespace
