// Helpers for link tests: an owner that records what the link reports, and
// waiting while the event loop runs (hand-overs and posted states need it).
#pragma once

#include "link/LinkOwner.h"

#include <QCoreApplication>

#include <chrono>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

// Runs the event loop until pred holds or timeoutMs passes; returns pred().
inline bool WaitUntil(const std::function<bool()>& pred, int timeoutMs = 3000) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  while (!pred()) {
    if (std::chrono::steady_clock::now() >= end) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return true;
}

// Runs the event loop for ms.
inline void Spin(int ms) {
  WaitUntil([] { return false; }, ms);
}

struct Recorder {
  std::vector<Bytes> frames;
  std::vector<Bytes> answered;  // per frame: the frame in flight it answered, or empty
  std::vector<std::pair<int, int>> statuses;
  std::vector<std::string> traffic;
  std::function<void(const Bytes&)> onFrame;  // runs inside the hand-over

  // The owner refers to the recorder through a shared pointer, so late posted
  // calls after a test ends touch nothing freed.
  static LinkOwner OwnerOf(const std::shared_ptr<Recorder>& r) {
    LinkOwner owner;
    owner.OnFrame = [r](const Bytes& frame, const Bytes& answered) {
      r->frames.push_back(frame);
      r->answered.push_back(answered);
      if (r->onFrame) r->onFrame(frame);
    };
    owner.OnStatus = [r](int status, int value) { r->statuses.emplace_back(status, value); };
    owner.OnTraffic = [r](const std::string& line) { r->traffic.push_back(line); };
    return owner;
  }
};
