// dspsim: the simulated processor on a pseudo-terminal, a serial port or the
// network.
//
//   dspsim --pty [options]          prints the slave path to open, then serves
//   dspsim --serial PATH [options]  serves a serial port
//   dspsim --net ADDRESS [options]  answers discovery and serves TCP 9761 and
//                                   UDP 39030/30303 on ADDRESS (0.0.0.0: all)
// --log FILE writes the code of each request read from the line or from TCP
// there, one hex byte a line.
// Options: --id N (device ID, default 1), --silent, --reply-id N, --split N,
// --gap MS, --together N, --delay MS, --delay-from HEX (replies are delayed
// only from the first request with this code on, e.g. 22: the connect-time
// read after a connect at full speed), --garbage N, --udp-answers (network: the
// UDP copy of a command is answered on TCP too), --drop-reply N (the Nth reply
// is lost), --misnumber N (the Nth reply carries its first payload byte plus
// one, as a name reply for 5 that says 6), --preset N (the current
// preset's number, 0-21), --stream FILE (the current parameter stream: the
// file's bytes from stream byte 0, at most 1550), --password TEXT (the
// operation-lock password to start with: up to 4 bytes, zero bytes after a
// shorter text), --groups HEX (the eight group controls, which lie outside
// the stream: 48 hexadecimal digits, volume, mute and member mask of group 0
// first). Runs until interrupted.
#include "simproc/SimNetServer.h"
#include "simproc/SimSerialServer.h"

#include "platform/Format.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <csignal>
#include <pthread.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

namespace {

int Usage() {
  std::fprintf(stderr,
               "usage: dspsim (--pty | --serial PATH | --net ADDRESS) [--id N] [--silent] [--reply-id N] [--split N]\n"
               "              [--gap MS] [--together N] [--delay MS] [--delay-from HEX] [--garbage N] [--udp-answers]\n"
               "              [--drop-reply N] [--misnumber N] [--preset N] [--log FILE]\n"
               "              [--stream FILE] [--password TEXT] [--groups HEX]\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  bool pty = false;
  std::string serialPath;
  std::string netAddress;
  std::string logPath;
  std::string streamPath;
  std::optional<std::string> password;
  std::optional<std::array<std::uint8_t, SimProcessor::kGroupBytes>> groups;
  int preset = -1;
  int deviceId = 1;
  SimFaults faults;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    auto number = [&](int& out, long lo, long hi) {
      if (i + 1 >= argc) return false;
      std::optional<long> v = platform::ParseLongC(argv[++i]);
      if (!v || *v < lo || *v > hi) return false;
      out = static_cast<int>(*v);
      return true;
    };
    bool ok = true;
    if (arg == "--pty") {
      pty = true;
    } else if (arg == "--serial" && i + 1 < argc) {
      serialPath = argv[++i];
    } else if (arg == "--net" && i + 1 < argc) {
      netAddress = argv[++i];
    } else if (arg == "--stream" && i + 1 < argc) {
      streamPath = argv[++i];
    } else if (arg == "--password" && i + 1 < argc && std::strlen(argv[i + 1]) <= 4) {
      password = argv[++i];
    } else if (arg == "--groups" && i + 1 < argc) {
      groups = SimProcessor::ParseGroupControls(argv[++i]);
      ok = groups.has_value();
    } else if (arg == "--preset") {
      ok = number(preset, 0, 21);
    } else if (arg == "--log" && i + 1 < argc) {
      logPath = argv[++i];
    } else if (arg == "--id") {
      ok = number(deviceId, 1, 250);
    } else if (arg == "--silent") {
      faults.Silent = true;
    } else if (arg == "--reply-id") {
      ok = number(faults.ReplyDeviceId, 0, 255);
    } else if (arg == "--split") {
      ok = number(faults.SplitPieces, 1, 64);
    } else if (arg == "--gap") {
      ok = number(faults.PieceGapMs, 0, 10000);
    } else if (arg == "--together") {
      ok = number(faults.RunTogether, 1, 16);
    } else if (arg == "--delay") {
      ok = number(faults.DelayMs, 0, 60000);
    } else if (arg == "--delay-from" && i + 1 < argc) {
      char* end = nullptr;
      const long code = std::strtol(argv[++i], &end, 16);
      ok = *argv[i] && !*end && code >= 0 && code <= 255;
      faults.DelayFrom = static_cast<int>(code);
    } else if (arg == "--garbage") {
      ok = number(faults.GarbageBytes, 0, 1000);
    } else if (arg == "--drop-reply") {
      ok = number(faults.DropReply, 1, 1000000);
    } else if (arg == "--misnumber") {
      ok = number(faults.MisnumberReply, 1, 1000000);
    } else if (arg == "--udp-answers") {
      faults.AnswerUdpCopies = true;
    } else {
      ok = false;
    }
    if (!ok) return Usage();
  }
  if (int(pty) + int(!serialPath.empty()) + int(!netAddress.empty()) != 1) return Usage();

  // Blocked before any thread starts, so only sigwait below takes them.
  sigset_t signals;
  sigemptyset(&signals);
  sigaddset(&signals, SIGINT);
  sigaddset(&signals, SIGTERM);
  pthread_sigmask(SIG_BLOCK, &signals, nullptr);

  auto processor = std::make_shared<SimProcessor>(static_cast<std::uint8_t>(deviceId));
  processor->SetFaults(faults);
  if (preset >= 0) processor->SetCurrentPreset(preset);
  if (groups) processor->SetGroupControls(*groups);
  if (password) {
    std::array<std::uint8_t, 4> bytes{};
    std::copy(password->begin(), password->end(), bytes.begin());
    processor->SetPassword(bytes);
  }
  if (!streamPath.empty()) {
    std::FILE* f = std::fopen(streamPath.c_str(), "rb");
    SimProcessor::Stream stream = processor->CurrentStream();
    const std::size_t n = f ? std::fread(stream.data(), 1, stream.size(), f) : 0;
    const bool tooLong = f && std::fgetc(f) != EOF;
    if (f) std::fclose(f);
    if (!f || n == 0 || tooLong) {
      std::fprintf(stderr, "dspsim: cannot use %s as a parameter stream (%s)\n", streamPath.c_str(),
                   !f ? std::strerror(errno) : n == 0 ? "empty" : "longer than 1550 bytes");
      return 1;
    }
    processor->SetCurrentStream(stream);
  }
  std::FILE* log = logPath.empty() ? nullptr : std::fopen(logPath.c_str(), "w");
  auto logRequest = [log](const Bytes& frame) {
    if (frame.size() > 5) std::fprintf(log, "%02X\n", frame[5]);
    std::fflush(log);
  };
  if (!netAddress.empty()) {
    SimNetServer net(processor);
    if (log) net.SetRequestLog(logRequest);
    SimNetConfig config;
    config.Address = netAddress;
    if (!net.Start(config)) {
      std::fprintf(stderr, "dspsim: %s\n", net.LastError().c_str());
      return 1;
    }
    std::printf("serving %s\n", netAddress.c_str());
    std::fflush(stdout);
    int received = 0;
    sigwait(&signals, &received);
    net.Stop();
    if (log) std::fclose(log);
    return 0;
  }

  SimSerialServer server(processor);
  if (log) server.SetRequestLog(logRequest);
  if (!(pty ? server.StartPty() : server.StartSerial(serialPath))) {
    std::fprintf(stderr, "dspsim: %s\n", server.LastError().c_str());
    return 1;
  }
  std::printf("%s\n", pty ? server.SlavePath().c_str() : serialPath.c_str());
  std::fflush(stdout);

  int received = 0;
  sigwait(&signals, &received);
  server.Stop();
  if (log) std::fclose(log);
  return 0;
}
