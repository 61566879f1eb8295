// In-process stand-in for a link transport, for tests of the discipline and
// of everything above it. Frames the worker writes are recorded; bytes
// injected from the test (or produced by a responder for each write) reach
// the worker through a pipe, just as a serial port's bytes would.
#pragma once

#include "link/LinkTransport.h"

#include <functional>
#include <memory>
#include <mutex>
#include <vector>

class FakeTransport : public LinkTransport {
 public:
  // Called on the worker for each write; the bytes it returns are received
  // as if the other side had answered.
  using Responder = std::function<Bytes(const Bytes& written)>;

  // The fake stays alive while a link owns it, so tests keep a shared view.
  struct Shared {
    std::mutex lock;
    std::vector<Bytes> writes;
    Responder responder;
    bool closed = false;
    int readFd = -1;
    int writeFd = -1;
  };

  FakeTransport();
  ~FakeTransport() override;

  std::shared_ptr<Shared> View() const { return shared_; }

  int ReadFd() const override { return shared_->readFd; }
  bool ReadAvailable(Bytes& out) override;
  bool Write(std::span<const std::uint8_t> bytes, int stopFd) override;
  void Close() override;

  // Helpers on the shared view, usable after the link took the transport.
  static void Inject(Shared& shared, std::span<const std::uint8_t> bytes);
  static std::vector<Bytes> Writes(Shared& shared);

 private:
  std::shared_ptr<Shared> shared_;
};
