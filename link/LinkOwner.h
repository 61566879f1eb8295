// What a link reports to its owner (the main window), and how.
//
// OnFrame is the reply hand-over (the window message WM_LINK_FRAME): it runs
// on the UI thread while the link's worker waits for it to return, and it may
// submit further frames to the same link or even close it. With the reply it
// gets the frame in flight that the reply answers, or nothing when the reply
// answers none (a late copy, a wrong number, a reply sent unasked). OnStatus is a
// change of link state (WM_LINK_STATUS), posted to the UI thread. OnTraffic
// gets one traffic-monitor line per frame written or received, posted to the
// UI thread. Each callback gets its data by value; empty callbacks are skipped.
// Callbacks that refer to the owner itself carry the owner's Receiver guard:
// none of them runs once the owner has ended.
#pragma once

#include "link/Lcmd.h"
#include "platform/UiBridge.h"

#include <functional>
#include <string>

inline constexpr unsigned WM_LINK_FRAME = 0x550;
inline constexpr unsigned WM_LINK_STATUS = 0x551;

// Status codes of WM_LINK_STATUS.
enum LinkStatus : int {
  kLinkNoReply = 0,         // no reply after the retry limit; value: device ID of the frame
  kLinkPortFailed = 1,      // serial: waiting for port events failed; the worker has ended
  kLinkCloseTimedOut = 5,   // kept for the code table; Close always joins its worker
  kLinkWaitFailed = 6,      // serial: the worker's wait failed; the worker has ended
};

struct LinkOwner {
  std::function<void(const Bytes& frame, const Bytes& answered)> OnFrame;
  std::function<void(int status, int value)> OnStatus;
  std::function<void(const std::string& line)> OnTraffic;
  platform::UiGuard Receiver;
};
