// Puts a SimProcessor on a byte line: the master side of a fresh
// pseudo-terminal pair (the editor opens the slave path like a serial port)
// or a real serial port. One thread reads requests and writes the shaped
// replies.
#pragma once

#include "link/FrameAssembler.h"
#include "simproc/SimProcessor.h"
#include "simproc/SimReplyShaper.h"
#include "platform/SerialPort.h"

#include <functional>
#include <memory>
#include <mutex>
#include <span>
#include <string>
#include <thread>

class SimSerialServer {
 public:
  explicit SimSerialServer(std::shared_ptr<SimProcessor> processor = std::make_shared<SimProcessor>());
  ~SimSerialServer();
  SimSerialServer(const SimSerialServer&) = delete;
  SimSerialServer& operator=(const SimSerialServer&) = delete;

  // Opens a pseudo-terminal pair in raw mode and starts serving its master;
  // SlavePath() names the side the editor opens.
  bool StartPty();
  // Serves a serial port (115200 8N1, raw, exclusive).
  bool StartSerial(const std::string& path);
  // Stops the thread and closes the line; the editor side then sees a hang-up.
  void Stop();

  const std::string& SlavePath() const { return slavePath_; }
  const std::string& LastError() const { return error_; }
  SimProcessor& Processor() { return *processor_; }

  // Writes bytes as one write, outside the request/reply flow.
  bool Inject(std::span<const std::uint8_t> bytes);

  // Called on the server's thread with every request frame read; set it
  // before starting.
  void SetRequestLog(std::function<void(const Bytes& frame)> log) { log_ = std::move(log); }

 private:
  bool StartThread();
  void Run(std::stop_token stop);
  bool WriteAll(std::span<const std::uint8_t> bytes);

  std::shared_ptr<SimProcessor> processor_;
  FrameAssembler assembler_;
  std::function<void(const Bytes&)> log_;
  SimReplyShaper shaper_;
  platform::SerialPort serial_;
  int lineFd_ = -1;     // the fd served: pty master or the serial port
  int masterFd_ = -1;   // owned in pty mode
  int slaveFd_ = -1;    // kept open in pty mode so the line survives the editor's close
  int stopFd_ = -1;
  std::mutex writeLock_;
  std::string slavePath_;
  std::string error_;
  std::jthread thread_;
};
