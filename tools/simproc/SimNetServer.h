// Puts a SimProcessor on the network as the processor's Ethernet side: it
// answers discovery datagrams (multicast group and subnet broadcast) with a
// datagram from its own address, serves commands over one TCP connection at a
// time, and records the UDP copies of frames that the editor sends to its
// command port. The UDP copies are recorded, not answered or applied: the TCP
// connection carries the conversation, so a command is never applied twice
// (unless the AnswerUdpCopies fault asks for the copy to be answered too).
// One thread serves every socket (POSIX, so it runs without a Qt loop).
#pragma once

#include "link/FrameAssembler.h"
#include "simproc/SimProcessor.h"
#include "simproc/SimReplyShaper.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

struct SimNetConfig {
  // Where every socket binds: the wildcard on a real network (multicast and
  // broadcast arrive), a loopback address in tests (answers come from it).
  std::string Address = "0.0.0.0";
  std::uint16_t TcpPort = 9761;                // commands
  std::uint16_t UdpPort = 39030;               // discovery (multicast) and the UDP copies
  std::uint16_t BroadcastPort = 30303;         // discovery (subnet broadcast); 0: none
  std::string MulticastGroup = "239.254.50.123";  // joined when not empty

  // A processor at a loopback address, as tests run it: commands and UDP
  // copies on the ports given, no broadcast or multicast discovery.
  static SimNetConfig Loopback(std::string address, std::uint16_t tcpPort, std::uint16_t udpPort) {
    SimNetConfig config;
    config.Address = std::move(address);
    config.TcpPort = tcpPort;
    config.UdpPort = udpPort;
    config.BroadcastPort = 0;
    config.MulticastGroup.clear();
    return config;
  }
};

class SimNetServer {
 public:
  explicit SimNetServer(std::shared_ptr<SimProcessor> processor = std::make_shared<SimProcessor>());
  ~SimNetServer();
  SimNetServer(const SimNetServer&) = delete;
  SimNetServer& operator=(const SimNetServer&) = delete;

  bool Start(const SimNetConfig& config);
  void Stop();
  const std::string& LastError() const { return error_; }
  SimProcessor& Processor() { return *processor_; }
  // The ports actually bound (a 0 in the config picks a free one).
  std::uint16_t TcpPort() const { return tcpPort_; }
  std::uint16_t UdpPort() const { return udpPort_; }

  // Sends a discovery answer to the editor's socket, as if its discovery had
  // arrived here (tests relay one discovery to several simulators this way).
  bool Announce(const std::string& editorAddress, std::uint16_t editorPort);

  // Called on the server's thread with every request frame read from TCP.
  void SetRequestLog(std::function<void(const Bytes& frame)> log) { log_ = std::move(log); }

  // Datagrams received on the command port that were not discovery.
  std::vector<Bytes> UdpFrames() const;
  int DiscoveriesAnswered() const;
  bool TcpConnected() const;

 private:
  void Run(std::stop_token stop);
  bool OpenUdp(std::uint16_t port, bool multicast, int& fd, std::uint16_t* bound);
  void ServeDatagram(int fd);
  void ServeTcp();
  void WriteShaped(std::vector<Bytes> replies);
  bool WriteTcp(const Bytes& bytes);

  std::shared_ptr<SimProcessor> processor_;
  SimNetConfig config_;
  SimReplyShaper shaper_;
  FrameAssembler assembler_;
  int listenFd_ = -1;
  int clientFd_ = -1;
  int udpFd_ = -1;
  int broadcastFd_ = -1;
  int stopFd_ = -1;
  std::uint16_t tcpPort_ = 0;
  std::uint16_t udpPort_ = 0;
  mutable std::mutex lock_;
  std::vector<Bytes> udpFrames_;
  int discoveries_ = 0;
  std::string error_;
  std::function<void(const Bytes&)> log_;
  std::jthread thread_;
};
