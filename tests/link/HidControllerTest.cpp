// The HID device controller, its devices and read threads, on the fake backend.
#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <memory>
#include <vector>

#include "link/HidControllerClass.h"
#include "platform/HidFake.h"
#include "platform/UiBridge.h"
#include "support/UiFixture.h"

using testsupport::RunEventLoop;
using testsupport::WaitFor;

namespace {

using Clock = std::chrono::steady_clock;

struct Received {
  std::uint8_t reportId = 0xFF;
  std::vector<std::uint8_t> data;
  bool onUiThread = false;
};

class HidControllerTest : public ::testing::Test {
 protected:
  void SetUp() override { Make(); }

  void Make() {
    ctl = std::make_unique<THidDeviceController>(nullptr, fake);
    ctl->SetRescanInterval(0);  // the fake notifies like udev; timer tests turn it back on
    ctl->SetOnDeviceChange([this](QObject* sender) {
      EXPECT_EQ(sender, ctl.get());
      ++changes;
    });
  }

  // A data handler that records each report.
  void RecordData() {
    ctl->SetOnDeviceData([this](THidDevice*, std::uint8_t id, const std::uint8_t* data, std::uint16_t size) {
      received.push_back({id, std::vector<std::uint8_t>(data, data + size), platform::OnUiThread()});
    });
  }

  static std::vector<std::uint8_t> Report(std::uint8_t first) {
    std::vector<std::uint8_t> r(65, 0);
    for (int i = 1; i < 65; ++i) r[i] = std::uint8_t(first + i - 1);
    return r;
  }

  std::shared_ptr<platform::HidFakeBackend> fake = std::make_shared<platform::HidFakeBackend>();
  std::unique_ptr<THidDeviceController> ctl;
  int changes = 0;
  std::vector<Received> received;
};

TEST_F(HidControllerTest, StartupScanWithoutDevicesReportsOnceAndFindsNothing) {
  int enumerated = -1;
  ctl->SetOnDeviceChange([&](QObject*) {
    ++changes;
    enumerated = ctl->Enumerate();
  });
  EXPECT_EQ(changes, 0) << "no scan before the event loop runs";
  RunEventLoop(50);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(enumerated, 0);
  // The periodic rescan finds no change and reports none.
  ctl->SetRescanInterval(20);
  RunEventLoop(150);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(ctl->Count(), 0);
}

TEST_F(HidControllerTest, DirectScanReportsOnlyRealChangesOnceNotificationsCame) {
  fake->SetNotify(false);
  ctl->DeviceChange();  // before any notification: always reported
  EXPECT_EQ(changes, 1);
  RunEventLoop(30);  // the start-up scan, which always reports
  EXPECT_EQ(changes, 2);
  ctl->DeviceChange();
  EXPECT_EQ(changes, 3) << "still no notification from the system";
  ctl->SetRescanInterval(20);  // rescans stand in for the system's notifications
  RunEventLoop(70);
  ctl->SetRescanInterval(0);
  EXPECT_EQ(changes, 3) << "rescans that find nothing new report nothing";
  ctl->DeviceChange();
  EXPECT_EQ(changes, 3) << "nothing changed";
  fake->Plug();
  ctl->DeviceChange();
  EXPECT_EQ(changes, 4);
  EXPECT_EQ(ctl->Count(), 1);
}

TEST_F(HidControllerTest, PluggedDeviceIsFoundByNotificationOrByThePeriodicRescan) {
  RunEventLoop(30);
  ASSERT_EQ(changes, 1);
  fake->Plug();
  ASSERT_TRUE(WaitFor([&] { return changes == 2; }, 1000)) << "udev-like notification";
  EXPECT_EQ(ctl->Count(), 1);
  EXPECT_EQ(ctl->NumCheckedInDevices(), 1);

  fake->SetNotify(false);
  fake->Plug({0x046D, 0xC52B, "Mouse", {0x05, 0x01}, true});
  RunEventLoop(100);
  EXPECT_EQ(changes, 2) << "no notification, no rescan yet";
  ctl->SetRescanInterval(50);
  ASSERT_TRUE(WaitFor([&] { return changes == 3; }, 1000)) << "periodic rescan";
  ASSERT_EQ(ctl->Count(), 2);
  EXPECT_EQ(ctl->Device(1)->Attributes().VendorID, 0x046D);
  EXPECT_EQ(ctl->Device(1)->ProductName(), "Mouse");
}

// Notes when each scan runs.
class TimedBackend : public platform::HidFakeBackend {
 public:
  std::vector<platform::HidDeviceInfo> Enumerate(std::string& error) override {
    scans.push_back(Clock::now());
    return HidFakeBackend::Enumerate(error);
  }
  std::vector<Clock::time_point> scans;
};

// The clock gives lower bounds only: a loaded machine makes a rescan late, a
// coarse timer may make it early.
TEST_F(HidControllerTest, PeriodicRescanNeverComesEarly) {
  auto timed = std::make_shared<TimedBackend>();
  timed->SetNotify(false);
  THidDeviceController own(nullptr, timed);
  own.SetRescanInterval(0);
  ASSERT_TRUE(WaitFor([&] { return timed->scans.size() == 1; }, 30000)) << "the start-up scan";
  const Clock::time_point start = Clock::now();
  own.SetRescanInterval(110);
  ASSERT_TRUE(WaitFor([&] { return timed->scans.size() >= 13; }, 60000));
  own.SetRescanInterval(0);
  for (std::size_t k = 1; k < timed->scans.size(); ++k)
    EXPECT_GE(timed->scans[k] - start, std::chrono::milliseconds(110 * k)) << "rescan " << k;
}

TEST_F(HidControllerTest, CheckedOutDeviceDeliversInputReportsOnTheUiThread) {
  const std::string id = fake->Plug();
  RecordData();
  RunEventLoop(30);
  THidDevice* dev = nullptr;
  ASSERT_TRUE(ctl->CheckOutByID(dev, 0x0168, 0x0821));
  EXPECT_TRUE(dev->IsCheckedOut());
  EXPECT_TRUE(dev->HasReadThread());
  EXPECT_EQ(ctl->NumCheckedOutDevices(), 1);
  EXPECT_EQ(ctl->NumCheckedInDevices(), 0);
  EXPECT_EQ(dev->Caps().InputReportByteLength, 65);
  EXPECT_EQ(dev->Caps().OutputReportByteLength, 65);
  ASSERT_TRUE(WaitFor([&] { return fake->OpenConnections(id) == 1; })) << "the read thread's handle";

  fake->Input(id, Report(1));
  fake->Input(id, Report(100));
  ASSERT_TRUE(WaitFor([&] { return received.size() == 2; }));
  for (const Received& r : received) {
    EXPECT_EQ(r.reportId, 0);
    EXPECT_EQ(r.data.size(), 64u);
    EXPECT_TRUE(r.onUiThread);
  }
  EXPECT_EQ(received[0].data.front(), 1);
  EXPECT_EQ(received[0].data.back(), 64);
  EXPECT_EQ(received[1].data.front(), 100);

  // A second check-out of the same device fails and leaves null.
  THidDevice* again = reinterpret_cast<THidDevice*>(1);
  EXPECT_FALSE(ctl->CheckOutByIndex(again, 0));
  EXPECT_EQ(again, nullptr);
  EXPECT_FALSE(ctl->CheckOutByIndex(again, 5));
  // The controller goes with the device still checked out: its thread stops.
}

TEST_F(HidControllerTest, ReadThreadFollowsTheDataHandler) {
  fake->Plug();
  RunEventLoop(30);
  THidDevice* dev = nullptr;
  ASSERT_TRUE(ctl->CheckOut(dev));
  EXPECT_FALSE(dev->HasReadThread()) << "no data handler, no thread";
  RecordData();
  EXPECT_TRUE(dev->HasReadThread());
  ctl->SetOnDeviceData(nullptr);
  EXPECT_FALSE(dev->HasReadThread());
  // A device with a handler of its own keeps it when the controller's changes.
  dev->SetOnData([](THidDevice*, std::uint8_t, const std::uint8_t*, std::uint16_t) {});
  RecordData();
  ctl->SetOnDeviceData(nullptr);
  EXPECT_TRUE(dev->HasReadThread());
  ctl->CheckIn(dev);
  EXPECT_EQ(dev, nullptr);
  EXPECT_EQ(ctl->NumCheckedInDevices(), 1);
  ctl->CheckIn(dev);  // null: nothing
  EXPECT_EQ(ctl->NumCheckedInDevices(), 1);
}

TEST_F(HidControllerTest, QueryOnlyDeviceGetsNoReadThreadAndCannotBeWritten) {
  platform::HidFakeBackend::DeviceSpec spec;
  spec.ReadWriteAccess = false;
  fake->Plug(spec);
  RecordData();
  RunEventLoop(30);
  THidDevice* dev = nullptr;
  ASSERT_TRUE(ctl->CheckOutByIndex(dev, 0));
  EXPECT_FALSE(dev->HasReadWriteAccess());
  EXPECT_FALSE(dev->HasReadThread());
  EXPECT_EQ(dev->Caps().OutputReportByteLength, 65) << "query access still gives the lengths";
  const std::uint8_t report[65] = {};
  std::uint32_t written = 99;
  EXPECT_FALSE(dev->WriteFile(report, sizeof report, written));
  EXPECT_EQ(written, 0u);
  EXPECT_NE(dev->LastError(), "");
}

TEST_F(HidControllerTest, UnplugWhileCheckedOutCallsTheHandlerOnceAndCheckInDestroys) {
  const std::string id = fake->Plug();
  RecordData();
  std::vector<THidDevice*> unplugged;
  ctl->SetOnDeviceUnplug([&](THidDevice* d) { unplugged.push_back(d); });
  RunEventLoop(30);
  THidDevice* dev = nullptr;
  ASSERT_TRUE(ctl->CheckOut(dev));
  ASSERT_TRUE(WaitFor([&] { return fake->OpenConnections(id) == 1; }));

  fake->Unplug(id);
  ASSERT_TRUE(WaitFor([&] { return !unplugged.empty(); }));
  RunEventLoop(100);  // the read thread's own rescan request finds nothing new
  EXPECT_EQ(unplugged, std::vector<THidDevice*>{dev});
  EXPECT_FALSE(dev->IsPluggedIn());
  EXPECT_EQ(ctl->Count(), 1) << "kept until checked in";
  EXPECT_EQ(ctl->NumUnpluggedDevices(), 1);
  EXPECT_EQ(ctl->NumCheckedOutDevices(), 0);
  EXPECT_EQ(ctl->Enumerate(), 0) << "unplugged devices are not enumerated";

  // Plugged in again while the old object is still checked out: a second entry.
  fake->Plug();
  ASSERT_TRUE(WaitFor([&] { return ctl->Count() == 2; }));
  EXPECT_EQ(unplugged.size(), 1u);

  ctl->CheckIn(dev);
  EXPECT_EQ(dev, nullptr);
  EXPECT_EQ(ctl->Count(), 1);
  EXPECT_EQ(ctl->NumUnpluggedDevices(), 0);
  EXPECT_TRUE(ctl->Device(0)->IsPluggedIn());
}

TEST_F(HidControllerTest, UnplugHandlerMayCheckTheDeviceInAtOnce) {
  const std::string id = fake->Plug();
  RecordData();
  int removals = 0;
  ctl->SetOnRemoval([&](THidDevice*) { ++removals; });
  ctl->SetOnDeviceUnplug([&](THidDevice* d) { ctl->CheckIn(d); });
  RunEventLoop(30);
  THidDevice* dev = nullptr;
  ASSERT_TRUE(ctl->CheckOut(dev));
  const int before = changes;
  fake->Unplug(id);
  ASSERT_TRUE(WaitFor([&] { return ctl->Count() == 0; }));
  EXPECT_EQ(changes, before + 1);
  EXPECT_EQ(removals, 0) << "no removal event for a device already checked in";
}

TEST_F(HidControllerTest, DeviceGoneEndsTheReadAndAsksForARescan) {
  fake->SetNotify(false);  // only the read thread can notice
  const std::string id = fake->Plug();
  RecordData();
  int unplugs = 0;
  ctl->SetOnDeviceUnplug([&](THidDevice* d) {
    ++unplugs;
    ctl->CheckIn(d);
  });
  RunEventLoop(30);
  THidDevice* dev = nullptr;
  ASSERT_TRUE(ctl->CheckOut(dev));
  ASSERT_TRUE(WaitFor([&] { return fake->OpenConnections(id) == 1; }));
  fake->Unplug(id);
  ASSERT_TRUE(WaitFor([&] { return unplugs == 1; }, 1000));
  EXPECT_EQ(ctl->Count(), 0);
}

TEST_F(HidControllerTest, FailingReadsAreReportedOncePerSleepIntervalNotInATightLoop) {
  const std::string id = fake->Plug();
  RecordData();
  RunEventLoop(30);
  int errors = 0;
  std::uint32_t lastError = 0;
  ctl->SetOnDeviceDataError([&](THidDevice*, std::uint32_t e) {
    ++errors;
    lastError = e;
  });
  THidDevice* dev = nullptr;
  ASSERT_TRUE(ctl->CheckOut(dev));
  ASSERT_TRUE(WaitFor([&] { return fake->OpenConnections(id) == 1; }));
  dev->SetThreadSleepTime(50);
  const auto failing = Clock::now();
  fake->SetReadError(id, EPROTO);
  ASSERT_TRUE(WaitFor([&] { return errors >= 3; }, 30000));
  RunEventLoop(100);
  // At most one report per sleep interval since the reads began to fail, plus
  // the first: however slow the machine, a tight loop reports more.
  const auto failingMs = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - failing).count();
  EXPECT_LE(errors, failingMs / 50 + 1);
  EXPECT_EQ(lastError, std::uint32_t(EPROTO));
}

TEST_F(HidControllerTest, StoppingTheReadThreadDoesNotWaitForItsSleep) {
  const std::string id = fake->Plug();
  RecordData();
  RunEventLoop(30);
  THidDevice* dev = nullptr;
  ASSERT_TRUE(ctl->CheckOut(dev));
  dev->SetThreadSleepTime(10000);
  ASSERT_TRUE(WaitFor([&] { return fake->OpenConnections(id) == 1; }));
  // A report handed over but not yet run on the UI thread must not hold it up.
  fake->Input(id, Report(1));
  RunEventLoop(0);
  const auto start = Clock::now();
  ctl->CheckIn(dev);
  const auto took = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start);
  EXPECT_LT(took.count(), 5000) << "not the 10 s sleep";
  EXPECT_EQ(fake->OpenConnections(id), 0) << "every handle closed";
}

TEST_F(HidControllerTest, EnumerateCountsUntilTheHandlerSaysStop) {
  fake->Plug();
  fake->Plug({0x046D, 0xC52B, "Mouse", platform::ProcessorReportDescriptor(), true});
  RunEventLoop(30);
  ASSERT_EQ(ctl->Count(), 2);
  EXPECT_EQ(ctl->Enumerate(), 1) << "no handler: the first device only";
  std::vector<int> seen;
  ctl->SetOnEnumerate([&](THidDevice* d, int idx) {
    seen.push_back(idx);
    EXPECT_TRUE(d->IsAccessible());
    return false;
  });
  EXPECT_EQ(ctl->Enumerate(), 1);
  ctl->SetOnEnumerate([&](THidDevice*, int idx) {
    seen.push_back(idx);
    return true;
  });
  EXPECT_EQ(ctl->Enumerate(), 2);
  EXPECT_EQ(seen, (std::vector<int>{0, 0, 1}));
  EXPECT_FALSE(ctl->Device(0)->IsAccessible()) << "outside the event";

  EXPECT_EQ(ctl->CountByID(0x0168, 0x0821), 1);
  EXPECT_EQ(ctl->CountByID(0x046D, -1), 1);
  EXPECT_EQ(ctl->CountByProductName("Mouse"), 1);
  EXPECT_EQ(ctl->CountByProductName(""), 0);
  THidDevice* dev = nullptr;
  EXPECT_FALSE(ctl->CheckOutByProductName(dev, ""));
  ASSERT_TRUE(ctl->CheckOutByCallback(dev, [](THidDevice* d) { return d->ProductName() == "Mouse"; }));
  EXPECT_EQ(dev, ctl->Device(1));
  THidDevice* byIdentity = nullptr;
  EXPECT_FALSE(ctl->CheckOutByIdentity(byIdentity, dev->PnPInfo().DeviceID, dev->PnPInfo().DevicePath))
      << "already checked out";
  ctl->CheckIn(dev);
  EXPECT_TRUE(ctl->CheckOutByIdentity(byIdentity, ctl->Device(1)->PnPInfo().DeviceID,
                                      ctl->Device(1)->PnPInfo().DevicePath));
  EXPECT_EQ(byIdentity, ctl->Device(1));
  EXPECT_FALSE(ctl->CheckOutByIdentity(dev, ctl->Device(0)->PnPInfo().DeviceID, "/dev/other"));
}

TEST_F(HidControllerTest, SleepTimeAcceptsOnly10To10000AndFollowsTheController) {
  fake->Plug();
  RunEventLoop(30);
  THidDevice* dev = ctl->Device(0);
  ASSERT_NE(dev, nullptr);
  for (int bad : {5, 9, 10001, 20000}) {
    dev->SetThreadSleepTime(bad);
    EXPECT_EQ(dev->ThreadSleepTime(), 100) << bad;
  }
  ctl->SetDevThreadSleepTime(250);
  EXPECT_EQ(dev->ThreadSleepTime(), 250);
  dev->SetThreadSleepTime(10);
  ctl->SetDevThreadSleepTime(300);
  EXPECT_EQ(dev->ThreadSleepTime(), 10) << "a device's own value stays";
  EXPECT_EQ(ctl->Version(), "1.0.0");
}

TEST(HidControllerInert, WithoutABackendNothingIsFoundButTheStartupScanReports) {
  THidDeviceController ctl(nullptr, nullptr);
  int changes = 0;
  ctl.SetOnDeviceChange([&](QObject*) { ++changes; });
  RunEventLoop(30);
  EXPECT_EQ(changes, 0) << "no system notifications at all";
  ctl.DeviceChange();
  EXPECT_EQ(changes, 1);
  THidDevice* dev = nullptr;
  EXPECT_FALSE(ctl.CheckOut(dev));
  EXPECT_EQ(dev, nullptr);
}

}  // namespace
