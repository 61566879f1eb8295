#include "link/FakeTransport.h"

#include <fcntl.h>
#include <unistd.h>

FakeTransport::FakeTransport() : shared_(std::make_shared<Shared>()) {
  int fds[2];
  if (::pipe2(fds, O_NONBLOCK | O_CLOEXEC) == 0) {
    shared_->readFd = fds[0];
    shared_->writeFd = fds[1];
  }
}

FakeTransport::~FakeTransport() { Close(); }

bool FakeTransport::ReadAvailable(Bytes& out) {
  std::uint8_t buffer[256];
  ssize_t n;
  while ((n = ::read(shared_->readFd, buffer, sizeof buffer)) > 0) out.insert(out.end(), buffer, buffer + n);
  return true;
}

bool FakeTransport::Write(std::span<const std::uint8_t> bytes, int) {
  Bytes written(bytes.begin(), bytes.end());
  Responder responder;
  {
    std::lock_guard guard(shared_->lock);
    shared_->writes.push_back(written);
    responder = shared_->responder;
  }
  if (responder) Inject(*shared_, responder(written));
  return true;
}

void FakeTransport::Close() {
  std::lock_guard guard(shared_->lock);
  if (shared_->closed) return;
  shared_->closed = true;
  ::close(shared_->readFd);
  ::close(shared_->writeFd);
  shared_->readFd = shared_->writeFd = -1;
}

void FakeTransport::Inject(Shared& shared, std::span<const std::uint8_t> bytes) {
  std::lock_guard guard(shared.lock);
  if (shared.writeFd >= 0 && !bytes.empty()) {
    [[maybe_unused]] ssize_t n = ::write(shared.writeFd, bytes.data(), bytes.size());
  }
}

std::vector<Bytes> FakeTransport::Writes(Shared& shared) {
  std::lock_guard guard(shared.lock);
  return shared.writes;
}
