// The POSIX serial layer: the port list and raw, exclusive ports.
#include "platform/SerialPort.h"

#include <gtest/gtest.h>

#include <fstream>

#include <fcntl.h>
#include <filesystem>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

TEST(SerialPortTest, ListHoldsTtysWithADeviceOrderedByNumber) {
  const fs::path root = fs::temp_directory_path() / ("tty-list-" + std::to_string(::getpid()));
  fs::remove_all(root);
  const fs::path device = root / "devices" / "serial";
  fs::create_directories(device);
  for (const char* name : {"ttyS10", "ttyS2", "ttyUSB0", "tty0", "console", "ttyACM", "ttyS3"}) {
    fs::create_directories(root / "class" / name);
  }
  for (const char* name : {"ttyS10", "ttyS2", "ttyUSB0", "ttyACM", "ttyS3"}) {
    fs::create_directory_symlink(device, root / "class" / name / "device");
  }
  std::ofstream(root / "class" / "ttyS2" / "type") << "4\n";
  std::ofstream(root / "class" / "ttyS3" / "type") << "0\n";  // a slot without a UART
  const auto ports = platform::ListSerialPorts((root / "class").string(), "/dev");
  std::vector<std::string> names;
  for (const auto& p : ports) names.push_back(p.name);
  EXPECT_EQ(names, (std::vector<std::string>{"ttyACM", "ttyUSB0", "ttyS2", "ttyS10"}));
  EXPECT_EQ(ports[2].path, "/dev/ttyS2");
  EXPECT_EQ(ports[3].number, 10);
  EXPECT_EQ(ports[0].number, -1);
  fs::remove_all(root);
  EXPECT_TRUE(platform::ListSerialPorts((root / "gone").string()).empty());
}

TEST(SerialPortTest, ListLeavesOutEveryKernelConsole) {
  const fs::path root = fs::temp_directory_path() / ("tty-console-" + std::to_string(::getpid()));
  const fs::path device = root / "devices" / "serial";
  struct Case {
    const char* active;  // nullptr: no console/active
    std::vector<std::string> listed;
  };
  const Case cases[] = {
      {"ttyS0\n", {"ttyS0x", "ttyUSB0", "ttyS1"}},
      {"tty0 ttyS0\n", {"ttyS0x", "ttyUSB0", "ttyS1"}},
      {"ttyUSB0 ttyS1", {"ttyS0x", "ttyS0"}},
      {nullptr, {"ttyS0x", "ttyS0", "ttyUSB0", "ttyS1"}},
  };
  for (const Case& c : cases) {
    fs::remove_all(root);
    fs::create_directories(device);
    for (const char* name : {"ttyS0", "ttyS1", "ttyUSB0", "ttyS0x"}) {
      fs::create_directories(root / "class" / name);
      fs::create_directory_symlink(device, root / "class" / name / "device");
    }
    fs::create_directories(root / "class" / "console");
    if (c.active) std::ofstream(root / "class" / "console" / "active") << c.active;
    std::vector<std::string> names;
    for (const auto& p : platform::ListSerialPorts((root / "class").string(), "/dev")) names.push_back(p.name);
    EXPECT_EQ(names, c.listed) << (c.active ? c.active : "no console");
  }
  fs::remove_all(root);
}

TEST(SerialPortTest, RawPortPassesEveryByteAndIsExclusive) {
  const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
  ASSERT_GE(master, 0);
  ASSERT_EQ(::grantpt(master), 0);
  ASSERT_EQ(::unlockpt(master), 0);
  const std::string slave = ::ptsname(master);

  platform::SerialPort port;
  ASSERT_TRUE(port.Open(slave)) << port.LastError();
  platform::SerialPort other;
  EXPECT_FALSE(other.Open(slave));
  EXPECT_NE(other.LastError().find(slave), std::string::npos) << other.LastError();

  std::vector<std::uint8_t> all(256);
  for (int i = 0; i < 256; ++i) all[i] = static_cast<std::uint8_t>(i);
  // Port to line: nothing translated, nothing swallowed.
  ASSERT_TRUE(port.Write(all));
  std::vector<std::uint8_t> seen;
  while (seen.size() < all.size()) {
    pollfd pfd{master, POLLIN, 0};
    ASSERT_GT(::poll(&pfd, 1, 2000), 0);
    std::uint8_t buffer[512];
    const ssize_t n = ::read(master, buffer, sizeof buffer);
    ASSERT_GT(n, 0);
    seen.insert(seen.end(), buffer, buffer + n);
  }
  EXPECT_EQ(seen, all);
  // Line to port.
  ASSERT_EQ(::write(master, all.data(), all.size()), 256);
  std::vector<std::uint8_t> got;
  while (got.size() < all.size()) {
    ASSERT_EQ(port.Read(got, 2000), platform::SerialPort::ReadResult::Data);
  }
  EXPECT_EQ(got, all);

  port.Close();
  EXPECT_TRUE(other.Open(slave)) << "free again after close: " << other.LastError();
  other.Close();
  ::close(master);
}

TEST(SerialPortTest, ReadStopsOnTheStopDescriptor) {
  const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
  ASSERT_GE(master, 0);
  ASSERT_EQ(::grantpt(master), 0);
  ASSERT_EQ(::unlockpt(master), 0);
  platform::SerialPort port;
  ASSERT_TRUE(port.Open(::ptsname(master))) << port.LastError();
  int stop[2];
  ASSERT_EQ(::pipe(stop), 0);
  std::vector<std::uint8_t> got;
  EXPECT_EQ(port.Read(got, 50, stop[0]), platform::SerialPort::ReadResult::Timeout);
  ASSERT_EQ(::write(stop[1], "x", 1), 1);
  EXPECT_EQ(port.Read(got, 5000, stop[0]), platform::SerialPort::ReadResult::Stopped);
  EXPECT_FALSE(port.Open("/dev/tty", 12345)) << "unsupported baud rate";
  ::close(stop[0]);
  ::close(stop[1]);
  ::close(master);
}

}  // namespace
