#include "platform/SerialPort.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace platform {
namespace {

int TrailingNumber(const std::string& name) {
  std::size_t start = name.size();
  while (start > 0 && name[start - 1] >= '0' && name[start - 1] <= '9') --start;
  if (start == name.size() || name.size() - start > 6) return -1;
  return std::stoi(name.substr(start));
}

bool BaudConstant(int baud, speed_t& speed) {
  static const std::pair<int, speed_t> kRates[] = {
      {1200, B1200},   {2400, B2400},   {4800, B4800},   {9600, B9600},     {19200, B19200},
      {38400, B38400}, {57600, B57600}, {115200, B115200}, {230400, B230400},
  };
  for (const auto& [rate, constant] : kRates) {
    if (rate == baud) {
      speed = constant;
      return true;
    }
  }
  return false;
}

}  // namespace

std::vector<SerialPortInfo> ListSerialPorts(const std::string& sysClassTty, const std::string& devDir) {
  namespace fs = std::filesystem;
  std::vector<SerialPortInfo> ports;
  // "tty0 ttyS0": every device the kernel writes its messages to.
  std::vector<std::string> consoles;
  std::ifstream active(fs::path(sysClassTty) / "console" / "active");
  for (std::string name; active >> name;) consoles.push_back(name);
  std::error_code ec;
  for (fs::directory_iterator it(sysClassTty, ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code linkEc;
    if (!fs::exists(it->path() / "device", linkEc)) continue;
    if (std::find(consoles.begin(), consoles.end(), it->path().filename().string()) != consoles.end()) continue;
    // A UART slot the kernel reserves without hardware behind it has type 0.
    std::ifstream type(it->path() / "type");
    int uartType = -1;
    if (type >> uartType && uartType == 0) continue;
    SerialPortInfo info;
    info.name = it->path().filename().string();
    info.path = (fs::path(devDir) / info.name).string();
    info.number = TrailingNumber(info.name);
    ports.push_back(std::move(info));
  }
  std::sort(ports.begin(), ports.end(), [](const SerialPortInfo& a, const SerialPortInfo& b) {
    if (a.number != b.number) return a.number < b.number;
    return a.name < b.name;
  });
  return ports;
}

SerialPort::~SerialPort() { Close(); }

bool SerialPort::Fail(const std::string& what) {
  error_ = what + " " + path_ + ": " + std::strerror(errno);
  return false;
}

bool SerialPort::Open(const std::string& path, int baud, int dataBits, Parity parity, int stopBits) {
  Close();
  path_ = path;
  error_.clear();
  speed_t speed;
  if (!BaudConstant(baud, speed) || dataBits < 5 || dataBits > 8 || (stopBits != 1 && stopBits != 2)) {
    error_ = "unsupported line settings for " + path;
    return false;
  }
  const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return Fail("cannot open");
  auto abandon = [&](const char* what) {
    const int saved = errno;
    ::close(fd);
    errno = saved;
    return Fail(what);
  };
  // The flock keeps out other programs even where TIOCEXCL does not (root).
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) return abandon("port is in use:");
  if (::ioctl(fd, TIOCEXCL) != 0) return abandon("cannot get exclusive access to");

  termios tio{};
  if (::tcgetattr(fd, &tio) != 0) return abandon("cannot read the settings of");
  ::cfmakeraw(&tio);
  tio.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY | ICRNL | INLCR | IGNCR);
  tio.c_oflag &= ~static_cast<tcflag_t>(OPOST | ONLCR | OCRNL);
  tio.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | PARODD | CSTOPB | CRTSCTS);
  tio.c_cflag |= CLOCAL | CREAD;
  static const tcflag_t kSizes[] = {CS5, CS6, CS7, CS8};
  tio.c_cflag |= kSizes[dataBits - 5];
  if (parity != Parity::None) tio.c_cflag |= PARENB | (parity == Parity::Odd ? PARODD : 0);
  if (stopBits == 2) tio.c_cflag |= CSTOPB;
  tio.c_cc[VMIN] = 0;
  tio.c_cc[VTIME] = 0;
  if (::cfsetispeed(&tio, speed) != 0 || ::cfsetospeed(&tio, speed) != 0 || ::tcsetattr(fd, TCSANOW, &tio) != 0) {
    return abandon("cannot apply the settings of");
  }
  fd_ = fd;
  Purge();
  return true;
}

void SerialPort::Close() {
  if (fd_ < 0) return;
  Purge();
  // The exclusive flag outlives this descriptor while another one is open
  // (a simulator holding a pseudo-terminal), so clear it explicitly.
  ::ioctl(fd_, TIOCNXCL);
  ::close(fd_);  // releases the flock too
  fd_ = -1;
}

void SerialPort::Purge() {
  if (fd_ >= 0) ::tcflush(fd_, TCIOFLUSH);
}

bool SerialPort::ReadAvailable(std::vector<std::uint8_t>& out) {
  if (fd_ < 0) {
    error_ = "port is not open";
    return false;
  }
  std::uint8_t buffer[512];
  for (;;) {
    const ssize_t n = ::read(fd_, buffer, sizeof buffer);
    if (n > 0) {
      out.insert(out.end(), buffer, buffer + n);
      continue;
    }
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) return true;
    if (n == 0) {
      // With VMIN 0 a plain read of nothing is 0 as well; a hang-up shows in poll.
      pollfd pfd{fd_, POLLIN, 0};
      if (::poll(&pfd, 1, 0) > 0 && (pfd.revents & (POLLHUP | POLLERR | POLLNVAL))) {
        error_ = "the line of " + path_ + " hung up";
        return false;
      }
      return true;
    }
    return Fail("cannot read from");
  }
}

SerialPort::ReadResult SerialPort::Read(std::vector<std::uint8_t>& out, int timeoutMs, int stopFd) {
  if (fd_ < 0) {
    error_ = "port is not open";
    return ReadResult::Error;
  }
  pollfd fds[2] = {{fd_, POLLIN, 0}, {stopFd, POLLIN, 0}};
  const nfds_t count = stopFd >= 0 ? 2 : 1;
  int r;
  do {
    r = ::poll(fds, count, timeoutMs);
  } while (r < 0 && errno == EINTR);
  if (r < 0) {
    Fail("cannot wait for");
    return ReadResult::Error;
  }
  if (count == 2 && fds[1].revents) return ReadResult::Stopped;
  if (r == 0) return ReadResult::Timeout;
  const std::size_t before = out.size();
  if (!ReadAvailable(out)) return ReadResult::Error;
  return out.size() > before ? ReadResult::Data : ReadResult::Timeout;
}

bool SerialPort::Write(std::span<const std::uint8_t> bytes, int timeoutMs, int stopFd) {
  if (fd_ < 0) {
    error_ = "port is not open";
    return false;
  }
  using Clock = std::chrono::steady_clock;
  const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd_, bytes.data() + done, bytes.size() - done);
    if (n > 0) {
      done += static_cast<std::size_t>(n);
      continue;
    }
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK) return Fail("cannot write to");
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    if (left <= 0) {
      error_ = "write to " + path_ + " timed out";
      return false;
    }
    pollfd fds[2] = {{fd_, POLLOUT, 0}, {stopFd, POLLIN, 0}};
    const int r = ::poll(fds, stopFd >= 0 ? 2 : 1, static_cast<int>(left));
    if (r < 0 && errno != EINTR) return Fail("cannot wait to write to");
    if (stopFd >= 0 && fds[1].revents) {
      error_ = "write to " + path_ + " stopped";
      return false;
    }
  }
  return true;
}

}  // namespace platform
