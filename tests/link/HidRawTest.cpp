// The hidraw backend on a sysfs tree of our own, with FIFOs standing in for
// the /dev/hidraw nodes, and the controller on top of it.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/eventfd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <thread>

#include "link/HidControllerClass.h"
#include "platform/HidBackend.h"
#include "platform/HidFake.h"
#include "platform/HidReportDescriptor.h"
#include "support/UiFixture.h"

namespace fs = std::filesystem;
using testsupport::RunEventLoop;
using testsupport::WaitFor;

namespace {

class HidRawTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root = fs::temp_directory_path() / ("hidraw-test-" + std::to_string(::getpid()) + "-" +
                                        ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(root);
    fs::create_directories(sys());
    fs::create_directories(dev());
  }
  void TearDown() override {
    for (int fd : fds) ::close(fd);
    fs::remove_all(root);
  }

  fs::path sys() const { return root / "sys"; }
  fs::path dev() const { return root / "dev"; }

  // A hidraw entry as the kernel shows it: device/uevent, device/report_descriptor.
  void AddDevice(const std::string& name, const std::string& uevent,
                 const std::vector<std::uint8_t>& descriptor = platform::ProcessorReportDescriptor()) {
    const fs::path device = sys() / name / "device";
    fs::create_directories(device);
    std::ofstream(device / "uevent") << uevent;
    std::ofstream out(device / "report_descriptor", std::ios::binary);
    out.write(reinterpret_cast<const char*>(descriptor.data()), std::streamsize(descriptor.size()));
  }
  // A FIFO as the device node; returns a descriptor that writes into it.
  int AddNode(const std::string& name) {
    const fs::path node = dev() / name;
    EXPECT_EQ(::mkfifo(node.c_str(), 0600), 0);
    const int fd = ::open(node.c_str(), O_RDWR | O_CLOEXEC);
    fds.push_back(fd);
    return fd;
  }

  std::shared_ptr<platform::HidBackend> Backend() { return platform::NewHidRawBackend(sys(), dev()); }

  static std::string Processor(const char* name = "DSP Processor") {
    return std::string("DRIVER=hid-generic\nHID_ID=0003:00000168:00000821\nHID_NAME=") + name +
           "\nHID_PHYS=usb-0000:00:14.0-1/input0\nHID_UNIQ=\nMODALIAS=hid:b0003g0001v00000168p00000821\n";
  }

  fs::path root;
  std::vector<int> fds;
};

TEST_F(HidRawTest, MissingOrEmptyTreeGivesNoDevicesAndNoError) {
  for (const fs::path& where : {sys(), root / "absent"}) {
    std::string error;
    EXPECT_TRUE(platform::NewHidRawBackend(where, dev())->Enumerate(error).empty()) << where;
    EXPECT_EQ(error, "") << where;
  }
}

TEST_F(HidRawTest, EnumeratesInNumberOrderAndSkipsWhatCannotBeIdentified) {
  AddDevice("hidraw10", "HID_ID=0003:0000046D:0000C52B\nHID_NAME=Logitech Mouse\nHID_UNIQ=abc\n");
  AddDevice("hidraw2", Processor());
  AddDevice("hidraw1", "HID_NAME=no id line\n");
  AddDevice("hidraw0", "HID_ID=0003:00010000:00000001\n");  // vendor out of range
  fs::create_directories(sys() / "hidraw3");                   // no device directory
  std::string error;
  const auto list = Backend()->Enumerate(error);
  EXPECT_EQ(error, "");
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(list[0].Path, (dev() / "hidraw2").string());
  EXPECT_EQ(list[0].VendorID, 0x0168);
  EXPECT_EQ(list[0].ProductID, 0x0821);
  EXPECT_EQ(list[0].ProductName, "DSP Processor");
  EXPECT_EQ(list[0].Identity, fs::canonical(sys() / "hidraw2" / "device").string());
  EXPECT_EQ(list[1].Path, (dev() / "hidraw10").string());
  EXPECT_EQ(list[1].SerialNumber, "abc");
}

TEST_F(HidRawTest, WithoutTheNodeOnlyQueryAccessRemains) {
  AddDevice("hidraw0", Processor());
  auto backend = Backend();
  std::string error;
  const auto list = backend->Enumerate(error);
  ASSERT_EQ(list.size(), 1u);
  EXPECT_EQ(backend->Open(list[0], platform::HidOpen::ReadWrite, error), nullptr);
  EXPECT_NE(error.find(list[0].Path), std::string::npos) << error;
  auto query = backend->Open(list[0], platform::HidOpen::Query, error);
  ASSERT_NE(query, nullptr) << error;
  std::vector<std::uint8_t> descriptor;
  ASSERT_TRUE(query->ReportDescriptor(descriptor, error)) << error;
  EXPECT_EQ(descriptor, platform::ProcessorReportDescriptor());
  const std::uint8_t report[65] = {};
  EXPECT_EQ(query->Write(report, -1).status, platform::HidIo::Failed);
}

TEST_F(HidRawTest, ReadsPrependReportIdZeroAndEndOnInterruptOrHangUp) {
  AddDevice("hidraw0", Processor());
  const int writer = AddNode("hidraw0");
  auto backend = Backend();
  std::string error;
  const auto list = backend->Enumerate(error);
  ASSERT_EQ(list.size(), 1u);
  auto reader = backend->Open(list[0], platform::HidOpen::Read, error);
  ASSERT_NE(reader, nullptr) << error;

  std::vector<std::uint8_t> data(64);
  for (int i = 0; i < 64; ++i) data[i] = std::uint8_t(i + 1);
  ASSERT_EQ(::write(writer, data.data(), data.size()), 64);
  std::vector<std::uint8_t> report(65, 0xEE);
  auto r = reader->Read(report, 1000);
  ASSERT_EQ(r.status, platform::HidIo::Ok) << r.text;
  EXPECT_EQ(r.bytes, 65u);
  EXPECT_EQ(report[0], 0);
  EXPECT_EQ(report[1], 1);
  EXPECT_EQ(report[64], 64);

  EXPECT_EQ(reader->Read(report, 20).status, platform::HidIo::Timeout);

  // The stop descriptor wakes a long wait at once.
  const auto start = std::chrono::steady_clock::now();
  std::thread stopper([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    reader->Interrupt();
  });
  EXPECT_EQ(reader->Read(report, 10000).status, platform::HidIo::Interrupted);
  stopper.join();
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(5000)) << "not the 10 s wait";

  // Hang-up: a writer that came after the reader opened, and then every
  // writer, goes.
  auto second = backend->Open(list[0], platform::HidOpen::Read, error);
  ASSERT_NE(second, nullptr);
  const int late = ::open((dev() / "hidraw0").c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
  ASSERT_GE(late, 0);
  ::close(late);
  ::close(writer);
  fds.clear();
  EXPECT_EQ(second->Read(report, 1000).status, platform::HidIo::Gone);
}

TEST_F(HidRawTest, AWriteToADeviceThatTakesNothingGivesUpOnStopOrInTime) {
  AddDevice("hidraw0", Processor());
  const int node = AddNode("hidraw0");
  auto backend = Backend();
  std::string error;
  const auto list = backend->Enumerate(error);
  auto device = backend->Open(list.at(0), platform::HidOpen::ReadWrite, error);
  ASSERT_NE(device, nullptr) << error;
  // A full FIFO stands for a stalled device.
  ASSERT_EQ(::fcntl(node, F_SETFL, O_NONBLOCK), 0);
  const std::vector<std::uint8_t> filler(4096, 0);
  while (::write(node, filler.data(), filler.size()) > 0) {
  }
  while (::write(node, filler.data(), 1) == 1) {
  }
  auto drain = [node] {
    std::vector<std::uint8_t> sink(4096);
    while (::read(node, sink.data(), sink.size()) > 0) {
    }
  };
  // Should a write block after all, the device takes again after a while, so
  // the test ends and tells.
  std::atomic<bool> unstalled{false};
  std::jthread watchdog([&](std::stop_token stop) {
    std::mutex m;
    std::condition_variable_any cv;
    std::unique_lock lock(m);
    if (!cv.wait_for(lock, stop, std::chrono::seconds(4), [] { return false; }) && !stop.stop_requested()) {
      drain();
      unstalled = true;
    }
  });
  const int stopFd = ::eventfd(1, EFD_CLOEXEC);  // the link is closing
  ASSERT_GE(stopFd, 0);
  fds.push_back(stopFd);
  const std::uint8_t report[65] = {0, 0x10, 0x02};
  EXPECT_EQ(device->Write(report, stopFd).status, platform::HidIo::Interrupted);
  EXPECT_EQ(device->Write(report, -1).status, platform::HidIo::Timeout);
  watchdog.request_stop();
  watchdog.join();
  EXPECT_FALSE(unstalled);
  // With room again the report goes, stop or not.
  drain();
  EXPECT_EQ(device->Write(report, stopFd).status, platform::HidIo::Ok);
}

TEST_F(HidRawTest, NumberedReportsKeepTheirOwnId) {
  // Input report 5 of 4 bytes.
  AddDevice("hidraw0", Processor(), testsupport::Bytes("85 05 75 08 95 04 81 02"));
  const int writer = AddNode("hidraw0");
  auto backend = Backend();
  std::string error;
  const auto list = backend->Enumerate(error);
  auto reader = backend->Open(list.at(0), platform::HidOpen::Read, error);
  ASSERT_NE(reader, nullptr) << error;
  const std::uint8_t input[] = {5, 0xA, 0xB, 0xC, 0xD};
  ASSERT_EQ(::write(writer, input, sizeof input), 5);
  std::vector<std::uint8_t> report(5);
  const auto r = reader->Read(report, 1000);
  ASSERT_EQ(r.status, platform::HidIo::Ok);
  EXPECT_EQ(r.bytes, 5u);
  EXPECT_EQ(testsupport::Hex(report), "05 0A 0B 0C 0D");
}

TEST_F(HidRawTest, ControllerOnHidrawFindsTheDeviceAndReadsItsReports) {
  AddDevice("hidraw0", Processor());
  AddDevice("hidraw1", "HID_ID=0003:0000046D:0000C52B\nHID_NAME=Mouse\n");  // no node: query only
  const int writer = AddNode("hidraw0");
  THidDeviceController ctl(nullptr, Backend());
  ctl.SetRescanInterval(0);
  std::vector<std::uint16_t> sizes;
  ctl.SetOnDeviceData([&](THidDevice*, std::uint8_t id, const std::uint8_t*, std::uint16_t size) {
    EXPECT_EQ(id, 0);
    sizes.push_back(size);
  });
  RunEventLoop(30);
  ASSERT_EQ(ctl.Count(), 2);
  EXPECT_FALSE(ctl.Device(1)->HasReadWriteAccess());
  THidDevice* dev = nullptr;
  ASSERT_TRUE(ctl.CheckOutByID(dev, 0x0168, 0x0821));
  EXPECT_TRUE(dev->HasReadWriteAccess());
  EXPECT_EQ(dev->Caps().InputReportByteLength, 65);
  ASSERT_TRUE(dev->HasReadThread());
  RunEventLoop(30);  // the read thread opens its handle
  dev->SetThreadSleepTime(10000);  // the read after the report waits long
  const std::vector<std::uint8_t> data(64, 0x42);
  ASSERT_EQ(::write(writer, data.data(), data.size()), 64);
  ASSERT_TRUE(WaitFor([&] { return !sizes.empty(); }));
  EXPECT_EQ(sizes, std::vector<std::uint16_t>{64});
  const auto start = std::chrono::steady_clock::now();
  ctl.CheckIn(dev);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(5000)) << "not the 10 s read";
}

}  // namespace
