#include "simproc/SimSerialServer.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <sys/eventfd.h>
#include <termios.h>
#include <unistd.h>

#include <optional>
#include <vector>

namespace {

bool MakeRaw(int fd) {
  termios tio{};
  if (::tcgetattr(fd, &tio) != 0) return false;
  ::cfmakeraw(&tio);
  ::cfsetispeed(&tio, B115200);
  ::cfsetospeed(&tio, B115200);
  return ::tcsetattr(fd, TCSANOW, &tio) == 0;
}

}  // namespace

SimSerialServer::SimSerialServer(std::shared_ptr<SimProcessor> processor) : processor_(std::move(processor)) {}

SimSerialServer::~SimSerialServer() { Stop(); }

bool SimSerialServer::StartPty() {
  Stop();
  masterFd_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (masterFd_ < 0 || ::grantpt(masterFd_) != 0 || ::unlockpt(masterFd_) != 0) {
    error_ = std::string("cannot create a pseudo-terminal: ") + std::strerror(errno);
    Stop();
    return false;
  }
  char name[128];
  if (::ptsname_r(masterFd_, name, sizeof name) != 0) {
    error_ = std::string("cannot name the pseudo-terminal: ") + std::strerror(errno);
    Stop();
    return false;
  }
  slavePath_ = name;
  // Raw before the editor opens it: no echo, no CR/LF translation.
  slaveFd_ = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (slaveFd_ < 0 || !MakeRaw(slaveFd_)) {
    error_ = "cannot set up " + slavePath_ + ": " + std::strerror(errno);
    Stop();
    return false;
  }
  ::fcntl(masterFd_, F_SETFL, ::fcntl(masterFd_, F_GETFL) | O_NONBLOCK);
  lineFd_ = masterFd_;
  return StartThread();
}

bool SimSerialServer::StartSerial(const std::string& path) {
  Stop();
  if (!serial_.Open(path)) {
    error_ = serial_.LastError();
    return false;
  }
  lineFd_ = serial_.Fd();
  return StartThread();
}

bool SimSerialServer::StartThread() {
  stopFd_ = ::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
  if (stopFd_ < 0) {
    error_ = std::string("cannot create an event: ") + std::strerror(errno);
    Stop();
    return false;
  }
  thread_ = std::jthread([this](std::stop_token stop) { Run(stop); });
  return true;
}

void SimSerialServer::Stop() {
  if (thread_.joinable()) {
    thread_.request_stop();
    const std::uint64_t one = 1;
    [[maybe_unused]] ssize_t n = ::write(stopFd_, &one, sizeof one);
    thread_.join();
  }
  for (int* fd : {&stopFd_, &slaveFd_, &masterFd_}) {
    if (*fd >= 0) ::close(*fd);
    *fd = -1;
  }
  serial_.Close();
  lineFd_ = -1;
}

bool SimSerialServer::Inject(std::span<const std::uint8_t> bytes) {
  if (lineFd_ < 0) return false;
  return WriteAll(bytes);
}

bool SimSerialServer::WriteAll(std::span<const std::uint8_t> bytes) {
  std::lock_guard guard(writeLock_);
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(lineFd_, bytes.data() + done, bytes.size() - done);
    if (n > 0) {
      done += static_cast<std::size_t>(n);
    } else if (n < 0 && (errno == EAGAIN || errno == EINTR)) {
      pollfd pfd{lineFd_, POLLOUT, 0};
      if (::poll(&pfd, 1, 1000) <= 0) return false;
    } else {
      return false;
    }
  }
  return true;
}

void SimSerialServer::Run(std::stop_token stop) {
  std::uint8_t buffer[512];
  while (!stop.stop_requested()) {
    pollfd fds[2] = {{lineFd_, POLLIN, 0}, {stopFd_, POLLIN, 0}};
    const int r = ::poll(fds, 2, -1);
    if (r < 0 && errno == EINTR) continue;
    if (r < 0 || fds[1].revents) break;
    if (!(fds[0].revents & POLLIN)) {
      // A pty master reports a hang-up while no slave is open; wait for the
      // next open rather than spin.
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
      continue;
    }
    const ssize_t n = ::read(lineFd_, buffer, sizeof buffer);
    if (n <= 0) continue;
    std::vector<Bytes> replies;
    for (const Bytes& frame : assembler_.Push({buffer, static_cast<std::size_t>(n)})) {
      if (log_) log_(frame);
      if (std::optional<Bytes> reply = processor_->Answer(frame)) replies.push_back(std::move(*reply));
    }
    for (const SimChunk& chunk : shaper_.Shape(std::move(replies), processor_->Faults())) {
      if (chunk.DelayMs > 0) {
        pollfd pfd{stopFd_, POLLIN, 0};
        if (::poll(&pfd, 1, chunk.DelayMs) != 0) return;
      }
      WriteAll(chunk.Data);
    }
  }
}
