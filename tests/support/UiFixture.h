// Helpers for widget tests: run the event loop for a while, click controls by
// name, wait for a condition, and record the frames a program submits.
#pragma once

#include <QEvent>
#include <QString>
#include <QWidget>

#include <chrono>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "platform/Form.h"

namespace testsupport {

// Processes events for the given time.
void RunEventLoop(int milliseconds);
// Processes events until the condition holds or the time runs out; returns it.
// The time is a guard against a hang, not a measure: a starved test thread
// may take many seconds for what an idle one does at once.
bool WaitFor(const std::function<bool()>& condition, int milliseconds = 30000);

// Waits until the value read has changed count times, appending the clock's
// reading at each change seen to times. A change is seen only when it has
// happened, so the times can only read late: lower bounds on a timer's
// period hold on a busy machine.
template <typename Read, typename Clock>
bool WaitForChanges(Read read, std::size_t count, const Clock& clock, std::vector<qint64>& times,
                    int milliseconds = 60000) {
  auto last = read();
  return WaitFor(
      [&] {
        auto now = read();
        if (now != last) {
          last = now;
          times.push_back(clock.elapsed());
        }
        return times.size() >= count;
      },
      milliseconds);
}

// A left click in the middle of the widget.
void Click(QWidget* widget);
// Finds a control of the form by name and clicks it; false when not found.
template <typename Base>
bool ClickControl(const platform::FormT<Base>& form, const QString& name) {
  QWidget* w = form.template FindControl<QWidget>(name);
  if (!w) return false;
  Click(w);
  return true;
}

// Frames in the order they were submitted; thread-safe.
class FrameRecorder {
 public:
  void Record(std::vector<std::uint8_t> frame);
  std::function<void(const std::vector<std::uint8_t>&)> Sink();
  std::vector<std::vector<std::uint8_t>> Frames() const;
  // "10 02 00 01 01 12 10 03 13" for each frame.
  std::vector<std::string> HexFrames() const;
  void Clear();

 private:
  mutable std::mutex lock_;
  std::vector<std::vector<std::uint8_t>> frames_;
};

// Counts the times a window is shown while it lives.
class ShowCounter : public QObject {
 public:
  explicit ShowCounter(QWidget* window) : window_(window) { window_->installEventFilter(this); }
  ~ShowCounter() override { window_->removeEventFilter(this); }
  int Count() const { return count_; }
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == window_ && event->type() == QEvent::Show) ++count_;
    return false;
  }

 private:
  QWidget* window_;
  int count_ = 0;
};

std::string Hex(const std::vector<std::uint8_t>& bytes);
std::vector<std::uint8_t> Bytes(const std::string& hex);

// Where tests write pictures and other output; created on first use.
std::string OutputPath(const std::string& fileName);

}  // namespace testsupport
