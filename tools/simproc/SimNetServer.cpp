#include "simproc/SimNetServer.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {

const char kDiscovery[] = "Discovery: Who is out there?";
const char kAnswer[] = "QRV512";

bool IsDiscovery(const std::uint8_t* data, std::size_t size) {
  return size >= sizeof kDiscovery - 1 && std::memcmp(data, kDiscovery, sizeof kDiscovery - 1) == 0;
}

sockaddr_in Endpoint(const std::string& address, std::uint16_t port) {
  sockaddr_in a{};
  a.sin_family = AF_INET;
  a.sin_port = htons(port);
  ::inet_pton(AF_INET, address.c_str(), &a.sin_addr);
  return a;
}

std::uint16_t BoundPort(int fd) {
  sockaddr_in a{};
  socklen_t len = sizeof a;
  ::getsockname(fd, reinterpret_cast<sockaddr*>(&a), &len);
  return ntohs(a.sin_port);
}

}  // namespace

SimNetServer::SimNetServer(std::shared_ptr<SimProcessor> processor) : processor_(std::move(processor)) {}

SimNetServer::~SimNetServer() { Stop(); }

bool SimNetServer::OpenUdp(std::uint16_t port, bool multicast, int& fd, std::uint16_t* bound) {
  fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
  const int one = 1;
  ::setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
  // Multicast and broadcast datagrams only reach a socket bound to the
  // wildcard address; one bound to a unicast address answers from it.
  sockaddr_in a = Endpoint(config_.Address, port);
  if (fd < 0 || ::bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0) {
    error_ = "cannot bind UDP port " + std::to_string(port) + ": " + std::strerror(errno);
    return false;
  }
  if (multicast && !config_.MulticastGroup.empty()) {
    ip_mreq m{};
    ::inet_pton(AF_INET, config_.MulticastGroup.c_str(), &m.imr_multiaddr);
    m.imr_interface.s_addr = htonl(INADDR_ANY);
    ::setsockopt(fd, IPPROTO_IP, IP_ADD_MEMBERSHIP, &m, sizeof m);  // a missing route only loses multicast
  }
  if (bound) *bound = BoundPort(fd);
  return true;
}

bool SimNetServer::Start(const SimNetConfig& config) {
  config_ = config;
  error_.clear();
  listenFd_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  const int one = 1;
  ::setsockopt(listenFd_, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
  sockaddr_in a = Endpoint(config.Address, config.TcpPort);
  if (listenFd_ < 0 || ::bind(listenFd_, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0 ||
      ::listen(listenFd_, 2) != 0) {
    error_ = "cannot listen on TCP port " + std::to_string(config.TcpPort) + ": " + std::strerror(errno);
    Stop();
    return false;
  }
  tcpPort_ = BoundPort(listenFd_);
  if (!OpenUdp(config.UdpPort, true, udpFd_, &udpPort_) ||
      (config.BroadcastPort && !OpenUdp(config.BroadcastPort, false, broadcastFd_, nullptr))) {
    Stop();
    return false;
  }
  stopFd_ = ::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
  thread_ = std::jthread([this](std::stop_token stop) { Run(stop); });
  return true;
}

void SimNetServer::Stop() {
  if (thread_.joinable()) {
    thread_.request_stop();
    const std::uint64_t one = 1;
    [[maybe_unused]] ssize_t n = ::write(stopFd_, &one, sizeof one);
    thread_.join();
  }
  for (int* fd : {&stopFd_, &clientFd_, &listenFd_, &udpFd_, &broadcastFd_}) {
    if (*fd >= 0) ::close(*fd);
    *fd = -1;
  }
}

bool SimNetServer::Announce(const std::string& editorAddress, std::uint16_t editorPort) {
  if (udpFd_ < 0) return false;
  sockaddr_in to = Endpoint(editorAddress, editorPort);
  const bool sent = ::sendto(udpFd_, kAnswer, sizeof kAnswer - 1, 0, reinterpret_cast<sockaddr*>(&to), sizeof to) > 0;
  std::lock_guard guard(lock_);
  if (sent) ++discoveries_;
  return sent;
}

std::vector<Bytes> SimNetServer::UdpFrames() const {
  std::lock_guard guard(lock_);
  return udpFrames_;
}

int SimNetServer::DiscoveriesAnswered() const {
  std::lock_guard guard(lock_);
  return discoveries_;
}

bool SimNetServer::TcpConnected() const {
  std::lock_guard guard(lock_);
  return clientFd_ >= 0;
}

void SimNetServer::ServeDatagram(int fd) {
  std::uint8_t buffer[1500];
  sockaddr_in from{};
  socklen_t len = sizeof from;
  const ssize_t n = ::recvfrom(fd, buffer, sizeof buffer, 0, reinterpret_cast<sockaddr*>(&from), &len);
  if (n <= 0) return;
  if (IsDiscovery(buffer, std::size_t(n))) {
    if (processor_->Faults().Silent) return;
    if (::sendto(fd, kAnswer, sizeof kAnswer - 1, 0, reinterpret_cast<sockaddr*>(&from), len) > 0) {
      std::lock_guard guard(lock_);
      ++discoveries_;
    }
    return;
  }
  {
    std::lock_guard guard(lock_);
    udpFrames_.emplace_back(buffer, buffer + n);
  }
  // Some processors answer the copy as well, on the TCP connection, so two
  // replies come for one request.
  if (!processor_->Faults().AnswerUdpCopies || clientFd_ < 0) return;
  std::vector<Bytes> replies;
  if (std::optional<Bytes> reply = processor_->Answer({buffer, std::size_t(n)})) replies.push_back(std::move(*reply));
  WriteShaped(std::move(replies));
}

bool SimNetServer::WriteTcp(const Bytes& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::send(clientFd_, bytes.data() + done, bytes.size() - done, MSG_NOSIGNAL);
    if (n <= 0) return false;
    done += std::size_t(n);
  }
  return true;
}

void SimNetServer::ServeTcp() {
  std::uint8_t buffer[512];
  const ssize_t n = ::recv(clientFd_, buffer, sizeof buffer, 0);
  if (n <= 0) {
    std::lock_guard guard(lock_);
    ::close(clientFd_);
    clientFd_ = -1;
    assembler_.Clear();
    return;
  }
  std::vector<Bytes> replies;
  for (const Bytes& frame : assembler_.Push({buffer, std::size_t(n)})) {
    if (log_) log_(frame);
    if (std::optional<Bytes> reply = processor_->Answer(frame)) replies.push_back(std::move(*reply));
  }
  WriteShaped(std::move(replies));
}

void SimNetServer::WriteShaped(std::vector<Bytes> replies) {
  for (const SimChunk& chunk : shaper_.Shape(std::move(replies), processor_->Faults())) {
    if (chunk.DelayMs > 0) {
      pollfd pfd{stopFd_, POLLIN, 0};
      if (::poll(&pfd, 1, chunk.DelayMs) != 0) return;
    }
    WriteTcp(chunk.Data);
  }
}

void SimNetServer::Run(std::stop_token stop) {
  while (!stop.stop_requested()) {
    pollfd fds[5] = {{stopFd_, POLLIN, 0}, {listenFd_, POLLIN, 0}, {udpFd_, POLLIN, 0},
                     {broadcastFd_, POLLIN, 0}, {clientFd_, POLLIN, 0}};
    const int r = ::poll(fds, 5, -1);
    if (r < 0 && errno == EINTR) continue;
    if (r < 0 || fds[0].revents) break;
    if (fds[1].revents & POLLIN) {
      const int fd = ::accept4(listenFd_, nullptr, nullptr, SOCK_CLOEXEC);
      if (fd >= 0) {
        std::lock_guard guard(lock_);
        if (clientFd_ >= 0) ::close(clientFd_);  // the newest connection wins
        clientFd_ = fd;
        assembler_.Clear();
      }
    }
    if (fds[2].revents & POLLIN) ServeDatagram(udpFd_);
    if (broadcastFd_ >= 0 && (fds[3].revents & POLLIN)) ServeDatagram(broadcastFd_);
    if (clientFd_ >= 0 && (fds[4].revents & (POLLIN | POLLHUP))) ServeTcp();
  }
}
