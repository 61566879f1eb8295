#include "support/UiFixture.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTest>

#include <cstdio>
#include <sstream>

namespace testsupport {

void RunEventLoop(int milliseconds) {
  QElapsedTimer clock;
  clock.start();
  while (clock.elapsed() < milliseconds) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    QTest::qSleep(1);
  }
}

bool WaitFor(const std::function<bool()>& condition, int milliseconds) {
  QElapsedTimer clock;
  clock.start();
  while (!condition()) {
    if (clock.elapsed() >= milliseconds) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    QTest::qSleep(1);
  }
  return true;
}

void Click(QWidget* widget) {
  QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
}

void FrameRecorder::Record(std::vector<std::uint8_t> frame) {
  std::lock_guard guard(lock_);
  frames_.push_back(std::move(frame));
}

std::function<void(const std::vector<std::uint8_t>&)> FrameRecorder::Sink() {
  return [this](const std::vector<std::uint8_t>& frame) { Record(frame); };
}

std::vector<std::vector<std::uint8_t>> FrameRecorder::Frames() const {
  std::lock_guard guard(lock_);
  return frames_;
}

std::vector<std::string> FrameRecorder::HexFrames() const {
  std::vector<std::string> out;
  for (const auto& f : Frames()) out.push_back(Hex(f));
  return out;
}

void FrameRecorder::Clear() {
  std::lock_guard guard(lock_);
  frames_.clear();
}

std::string Hex(const std::vector<std::uint8_t>& bytes) {
  std::string out;
  char buf[4];
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    std::snprintf(buf, sizeof buf, i ? " %02X" : "%02X", bytes[i]);
    out += buf;
  }
  return out;
}

std::vector<std::uint8_t> Bytes(const std::string& hex) {
  std::vector<std::uint8_t> out;
  std::istringstream in(hex);
  std::string word;
  while (in >> word) out.push_back(static_cast<std::uint8_t>(std::stoul(word, nullptr, 16)));
  return out;
}

std::string OutputPath(const std::string& fileName) {
#ifdef DSP_TEST_OUT
  QDir().mkpath(QStringLiteral(DSP_TEST_OUT));
  return std::string(DSP_TEST_OUT) + "/" + fileName;
#else
  return fileName;
#endif
}

}  // namespace testsupport
