// Destroying the main window while its links are busy: nothing they posted
// runs afterwards, and a device that takes no report does not hold it.
#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "ConnectFixture.h"
#include "link/Lnet.h"
#include "link/Lusb.h"

namespace {

class TeardownTest : public ConnectTest {
 protected:
  void DestroyMain() {
    delete fmMain;
    fmMain = nullptr;
  }
};

// Runs action unless stopped within ms: a way out for a test whose code
// under test would otherwise wait for ever.
class Watchdog {
 public:
  Watchdog(int ms, std::function<void()> action)
      : thread_([this, ms, action = std::move(action)](std::stop_token stop) {
          std::unique_lock lock(m_);
          if (!cv_.wait_for(lock, stop, std::chrono::milliseconds(ms), [] { return false; }) &&
              !stop.stop_requested()) {
            action();
            fired_ = true;
          }
        }) {}
  bool Stop() {
    thread_.request_stop();
    thread_.join();
    return fired_;
  }

 private:
  std::mutex m_;
  std::condition_variable_any cv_;
  std::atomic<bool> fired_{false};
  std::jthread thread_;
};

}  // namespace

TEST_F(TeardownTest, FramesTheEthernetWorkerHandedOverAreDroppedWithTheWindow) {
  fmMain->ConnectNet();
  ASSERT_NE(fmMain->NetProc, nullptr);
  const std::uint8_t frame[] = {0x10, 0x02, 0x00, 0x01, 0x01, 0x12, 0x10, 0x03, 0x13};
  // As the worker does: the socket write is posted to the UI thread.
  std::thread([&frame] { fmMain->WriteNetFrame(frame); }).join();
  DestroyMain();
  testsupport::RunEventLoop(50);  // under the address sanitizer, a late write would be a use after free
}

TEST_F(TeardownTest, ClosingTheWindowStopsTheUsbLinkBeforeItsDeviceAndEndsAStalledWrite) {
  const std::string device = hid->Plug();
  ASSERT_TRUE(testsupport::WaitFor([] { return fmMain->HasUsbProcessor(); }, 30000));
  hid->SetWriteStalled(device, true);
  fmMain->ConnectUsb();
  ASSERT_NE(fmMain->UsbProc, nullptr);
  ASSERT_TRUE(testsupport::WaitFor([&] { return hid->WritesWaiting(device) == 1; }, 30000));
  Watchdog watchdog(30000, [&] { hid->SetWriteStalled(device, false); });
  DestroyMain();
  EXPECT_FALSE(watchdog.Stop()) << "the window waited for the stalled write";
  EXPECT_EQ(hid->WritesWaiting(device), 0);
  EXPECT_EQ(hid->OpenConnections(device), 0);  // checked in, every handle closed
}
