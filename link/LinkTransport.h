// Bytes in and out of one link, beneath the request/reply discipline. A
// transport knows nothing of frames or commands; the discipline's worker is
// the only thread that calls it once the link is open.
#pragma once

#include "link/Lcmd.h"

#include <span>
#include <string>

class LinkTransport {
 public:
  virtual ~LinkTransport() = default;

  // Descriptor the worker waits on for incoming bytes, or -1 when the bytes
  // are delivered from outside (RequestReplyDiscipline::DeliverReceived).
  virtual int ReadFd() const { return -1; }
  // Appends the bytes waiting on ReadFd without blocking; false when the
  // transport has failed (the worker then ends with the link's failure status).
  virtual bool ReadAvailable(Bytes& out) {
    (void)out;
    return true;
  }
  // Writes one frame. stopFd becomes readable when the link is closing, so a
  // write that waits for room must give up then. A failed write is not
  // reported upward: the frame goes again at the next reply time-out.
  virtual bool Write(std::span<const std::uint8_t> bytes, int stopFd) = 0;
  // Releases the transport; the worker has ended.
  virtual void Close() {}
  // What went wrong last, for the owner's error text.
  virtual std::string LastError() const { return {}; }
};
