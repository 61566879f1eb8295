// Serial ports on POSIX termios: the list of the machine's ports and one open
// port in raw mode. Plain C++, no Qt.
//
// A port is opened exclusively (TIOCEXCL plus an advisory flock, which also
// holds against root), non-blocking, raw: no XON/XOFF, no CR/LF translation,
// no echo, so every byte value passes unchanged in both directions.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace platform {

struct SerialPortInfo {
  std::string name;  // "ttyS0", "ttyUSB1"
  std::string path;  // "/dev/ttyS0"
  int number = -1;   // trailing number of the name, -1 when it has none
};

// The ports under sysClassTty that have a device link (real hardware, not the
// virtual consoles), ordered by number, then by name. UART slots whose "type"
// reads 0 (no UART behind them) are left out, and so is every port that
// console/active names: the kernel console is never a processor's line.
std::vector<SerialPortInfo> ListSerialPorts(const std::string& sysClassTty = "/sys/class/tty",
                                            const std::string& devDir = "/dev");

class SerialPort {
 public:
  enum class Parity { None = 0, Odd = 1, Even = 2 };

  SerialPort() = default;
  ~SerialPort();
  SerialPort(const SerialPort&) = delete;
  SerialPort& operator=(const SerialPort&) = delete;

  // Opens path for reading and writing and applies the line settings. On
  // failure returns false, leaves the port closed and sets LastError.
  // stopBits: 1 or 2. Supported baud rates: the standard ones up to 230400.
  bool Open(const std::string& path, int baud = 115200, int dataBits = 8, Parity parity = Parity::None,
            int stopBits = 1);
  void Close();
  bool IsOpen() const { return fd_ >= 0; }
  int Fd() const { return fd_; }
  const std::string& Path() const { return path_; }
  const std::string& LastError() const { return error_; }

  // Discards what waits in either direction.
  void Purge();

  enum class ReadResult { Data, Timeout, Stopped, Error };
  // Waits up to timeoutMs (-1: no limit) for bytes, or until stopFd (when not
  // -1) becomes readable; appends every byte waiting to out.
  ReadResult Read(std::vector<std::uint8_t>& out, int timeoutMs, int stopFd = -1);
  // Appends the bytes waiting now without blocking. False on a read error or
  // a hang-up, with LastError set.
  bool ReadAvailable(std::vector<std::uint8_t>& out);
  // Writes all bytes, waiting for room up to timeoutMs in total; gives up
  // early when stopFd becomes readable. False with LastError when not all
  // bytes went out.
  bool Write(std::span<const std::uint8_t> bytes, int timeoutMs = 1000, int stopFd = -1);

 private:
  bool Fail(const std::string& what);

  int fd_ = -1;
  std::string path_;
  std::string error_;
};

}  // namespace platform
