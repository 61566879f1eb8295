// The USB link over the HID controller, a fake HID device and the simulated
// processor, wired as the main window wires them.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "LinkTestSupport.h"
#include "link/HidControllerClass.h"
#include "link/Lusb.h"
#include "platform/HidFake.h"
#include "simproc/SimProcessor.h"
#include "support/UiFixture.h"

using testsupport::Hex;
using testsupport::RunEventLoop;
using testsupport::WaitFor;

namespace {

using Clock = std::chrono::steady_clock;

// The main window's share of the USB link: the controller's handlers, the
// processor device, and the link writing through it.
class UsbLinkTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ctl = std::make_unique<THidDeviceController>(nullptr, fake);
    ctl->SetRescanInterval(0);
    usb = std::make_unique<LUsbDevice>(*ctl);
    ctl->SetOnDeviceChange([this](QObject*) { ctl->Enumerate(); });
    ctl->SetOnEnumerate([this](THidDevice* d, int idx) {
      usb->Enumerate(d, idx);
      return true;
    });
    ctl->SetOnDeviceData([this](THidDevice*, std::uint8_t, const std::uint8_t* data, std::uint16_t size) {
      ++reports;
      if (link && link->IsOpen()) link->DeliverReceived(LUsbDevice::ReplyBytes(data, size));
    });
    ctl->SetOnDeviceUnplug([this](THidDevice* d) {
      if (usb->Unplug(d)) ++processorUnplugs;
    });
  }

  void TearDown() override {
    if (link) link->Close();
    link.reset();
    usb.reset();
    ctl.reset();
  }

  // Plugs a processor answered by the simulator.
  std::string PlugProcessor() {
    const std::string id = fake->Plug();
    fake->SetResponder(id, [this](std::span<const std::uint8_t> data) { return sim.Receive(data); });
    return id;
  }

  // Opens the link as the USB connect does: 100 ms for the connect reply,
  // three retries, then the connect command forced.
  void Connect() {
    auto write = [this](std::span<const std::uint8_t> frame, int stopFd) { return usb->WriteFrame(frame, stopFd); };
    link = std::make_unique<LUsbProc>(Recorder::OwnerOf(rec), 1, write);
    link->SetReplyTimeout(100);
    link->SetRetryLimit(3);
    ASSERT_TRUE(link->Open());
    connectAt = Clock::now();
    link->QueueFrame(LCmd(1, 0x10).BuildFrame(), true);
  }

  std::shared_ptr<platform::HidFakeBackend> fake = std::make_shared<platform::HidFakeBackend>();
  SimProcessor sim{1};
  std::unique_ptr<THidDeviceController> ctl;
  std::unique_ptr<LUsbDevice> usb;
  std::unique_ptr<LUsbProc> link;
  std::shared_ptr<Recorder> rec = std::make_shared<Recorder>();
  Clock::time_point connectAt;
  int reports = 0;
  int processorUnplugs = 0;
};

std::vector<std::uint8_t> ZeroFilled(const std::string& hex, std::size_t length) {
  std::vector<std::uint8_t> bytes = testsupport::Bytes(hex);
  bytes.resize(length, 0);
  return bytes;
}

TEST_F(UsbLinkTest, ConnectReportGoesOutZeroFilledAndTheReplyIsHandedOverOnce) {
  const std::string id = PlugProcessor();
  RunEventLoop(30);
  ASSERT_NE(usb->HidDevice(), nullptr) << "the enumeration checked the processor out";
  ASSERT_TRUE(WaitFor([&] { return fake->OpenConnections(id) >= 1; }));
  Connect();
  ASSERT_TRUE(WaitFor([&] { return rec->frames.size() == 1; }));
  RunEventLoop(300);  // three reply time-outs: nothing more may come

  const auto written = fake->Written(id);
  ASSERT_EQ(written.size(), 1u) << "an answered frame is not written again";
  EXPECT_EQ(written[0], ZeroFilled("00 10 02 00 01 01 10 10 03 11", 65));
  ASSERT_EQ(rec->frames.size(), 1u);
  EXPECT_EQ(Hex(rec->frames[0]), Hex(SimProcessor::ReplyFrame(1, 0x10)));
  EXPECT_EQ(reports, 1);
  EXPECT_TRUE(rec->statuses.empty());
  ASSERT_FALSE(rec->traffic.empty());
  EXPECT_EQ(rec->traffic.front(), "USB W 00  10 02 00 01 01 10 10 03 11 ");
}

TEST_F(UsbLinkTest, SilentDeviceGivesStatusZeroAtTheEighthTimeout) {
  const std::string id = PlugProcessor();
  SimFaults silent;
  silent.Silent = true;
  sim.SetFaults(silent);
  RunEventLoop(30);
  Connect();
  ASSERT_TRUE(WaitFor([&] { return !rec->statuses.empty(); }, 30000));
  const auto after = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - connectAt).count();
  // Written at 0, resent at 100, 200 and 300 ms, four more time-outs pass,
  // and the fifth after the last resend (800 ms) reports. A loaded machine
  // only makes it later; DisciplineTest counts the time-outs exactly.
  EXPECT_GE(after, 780);
  EXPECT_EQ(rec->statuses.front(), std::make_pair(int(kLinkNoReply), 1));
  EXPECT_EQ(fake->Written(id).size(), 4u);
  EXPECT_TRUE(rec->frames.empty());
}

TEST_F(UsbLinkTest, KeepAliveReportAndItsTrafficLine) {
  const std::string id = PlugProcessor();
  RunEventLoop(30);
  Connect();
  ASSERT_TRUE(WaitFor([&] { return rec->frames.size() == 1 && !link->IsBusy(); }));
  link->PollTimerTick();
  ASSERT_TRUE(WaitFor([&] { return rec->frames.size() == 2; }));
  // A slow machine may let the link's own keep-alive (2 s idle) go out as
  // well: the same frame.
  const auto written = fake->Written(id);
  ASSERT_GE(written.size(), 2u);
  EXPECT_EQ(written[1], ZeroFilled("00 10 02 00 01 01 12 10 03 13", 65));
  EXPECT_EQ(link->ReplyTimeout(), 5000);
  EXPECT_NE(std::find(rec->traffic.begin(), rec->traffic.end(), "USB W 00  10 02 00 01 01 12 10 03 13 "),
            rec->traffic.end());
}

TEST_F(UsbLinkTest, TwoDeliveriesBeforeTheWorkerReadsLoseNothing) {
  PlugProcessor();
  SimFaults silent;
  silent.Silent = true;
  sim.SetFaults(silent);
  RunEventLoop(30);
  Connect();
  const std::vector<std::uint8_t> reply = SimProcessor::ReplyFrame(1, 0x10);
  // Both halves are delivered on the UI thread back to back.
  link->DeliverReceived(std::span(reply).first(4));
  link->DeliverReceived(std::span(reply).subspan(4));
  ASSERT_TRUE(WaitFor([&] { return rec->frames.size() == 1; }));
  EXPECT_EQ(rec->frames[0], reply);
}

TEST_F(UsbLinkTest, UnplugReleasesTheProcessorAndLaterWritesFail) {
  const std::string id = PlugProcessor();
  RunEventLoop(30);
  Connect();
  ASSERT_TRUE(WaitFor([&] { return rec->frames.size() == 1; }));
  fake->Unplug(id);
  ASSERT_TRUE(WaitFor([&] { return processorUnplugs == 1; }));
  EXPECT_EQ(usb->HidDevice(), nullptr);
  EXPECT_EQ(ctl->Count(), 0) << "checked in at once, so destroyed";
  const std::vector<std::uint8_t> frame = LCmd(1, 0x12).BuildFrame();
  EXPECT_FALSE(usb->WriteFrame(frame));
  EXPECT_EQ(usb->LastError(), "no USB device checked out");

  // Plugged in again: found and checked out anew.
  PlugProcessor();
  ASSERT_TRUE(WaitFor([&] { return usb->HidDevice() != nullptr; }));
  EXPECT_EQ(processorUnplugs, 1);
}

TEST_F(UsbLinkTest, OnlyOneProcessorIsCheckedOutAndOtherDevicesAreIgnored) {
  const std::string first = PlugProcessor();
  RunEventLoop(30);
  THidDevice* held = usb->HidDevice();
  ASSERT_NE(held, nullptr);
  const std::string second = PlugProcessor();
  fake->Plug({0x046D, 0xC52B, "Mouse", platform::ProcessorReportDescriptor(), true});
  ASSERT_TRUE(WaitFor([&] { return ctl->Count() == 3; }));
  EXPECT_EQ(usb->HidDevice(), held) << "the processor in use stays";
  EXPECT_EQ(ctl->NumCheckedOutDevices(), 1);

  // Unplugging the other processor or the mouse leaves the held one alone.
  fake->Unplug(second);
  ASSERT_TRUE(WaitFor([&] { return ctl->Count() == 2; }));
  EXPECT_EQ(processorUnplugs, 0);
  EXPECT_EQ(usb->HidDevice(), held);

  // Checked in and out again by identity and path, not by a list index.
  const THidPnPInfo pnp = held->PnPInfo();
  usb->Recheckout();
  ASSERT_NE(usb->HidDevice(), nullptr);
  EXPECT_EQ(usb->HidDevice()->PnPInfo().DeviceID, pnp.DeviceID);
  EXPECT_TRUE(usb->HidDevice()->HasReadThread());
  EXPECT_EQ(ctl->Device(usb->HidDeviceIndex()), usb->HidDevice());

  // With the processor gone, the next one found is taken.
  fake->Unplug(first);
  ASSERT_TRUE(WaitFor([&] { return processorUnplugs == 1; }));
  PlugProcessor();
  ASSERT_TRUE(WaitFor([&] { return usb->HidDevice() != nullptr; }));
  EXPECT_EQ(ctl->NumCheckedOutDevices(), 1);
}

TEST(UsbReports, ReplyBytesTakeTheFrameAndNeverReadPastTheData) {
  std::vector<std::uint8_t> data(64, 0xEE);
  const std::vector<std::uint8_t> frame = testsupport::Bytes("10 02 01 00 04 40 01 02 03 10 03 00");
  std::copy(frame.begin(), frame.end(), data.begin());
  const struct {
    const char* name;
    std::uint16_t size;
    std::size_t expected;
  } cases[] = {
      {"LEN 4: 12 bytes, whatever follows", 64, 12},
      {"frame cut by the report", 10, 10},
      {"shorter than a head", 3, 3},
      {"empty", 0, 0},
  };
  for (const auto& c : cases) EXPECT_EQ(LUsbDevice::ReplyBytes(data.data(), c.size).size(), c.expected) << c.name;
  data[4] = 0xFF;  // a damaged length asks for 263 bytes of 64
  EXPECT_EQ(LUsbDevice::ReplyBytes(data.data(), 64).size(), 64u);
}

TEST(UsbReports, OutputReportIsIdZeroThenFrameThenZeros) {
  EXPECT_EQ(Hex(LUsbDevice::OutputReport(testsupport::Bytes("10 02 00 01 01 12 10 03 13"), 12)),
            "00 10 02 00 01 01 12 10 03 13 00 00");
  const std::vector<std::uint8_t> longest(64, 0x55);
  EXPECT_EQ(LUsbDevice::OutputReport(longest, 65).size(), 65u);
  const std::vector<std::uint8_t> tooLong(65, 0x55);
  EXPECT_TRUE(LUsbDevice::OutputReport(tooLong, 65).empty());
  EXPECT_TRUE(LUsbDevice::OutputReport(longest, 0).empty()) << "lengths unknown";
}

}  // namespace
