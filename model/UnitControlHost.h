// What the parameter image needs of its owner (the main window): the device
// ID for every command, whether the window is loading the image into its
// controls, a way to send a command, and a way to have a channel's response
// curves redrawn. Tests use a recording fake.
#pragma once

#include <cstdint>

#include "link/Lcmd.h"

class UnitControlHost {
 public:
  // The ID every command carries (1 to 250).
  virtual std::uint8_t GetDeviceId() const = 0;
  // True while the owner copies the image into its controls; the setters
  // then store without sending, except the few that always send.
  virtual bool IsUpdating() const = 0;
  // Frames the command and queues it on the open link; drops it when no link
  // is open. An unforced command may replace a waiting one of the same code.
  virtual void SendCommand(const LCmd& cmd, bool force) = 0;
  // The channel's response curves are out of date on every plot of its side.
  virtual void MarkCurveDirty(int channel) = 0;

 protected:
  ~UnitControlHost() = default;
};
