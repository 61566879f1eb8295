// The unlock prompt the main window shows while connecting to a processor
// whose operation lock is set. The edit shows "*" for each character (at most
// four, letters turned to capitals as typed) and starts as "****".
//
// OK (or Enter) sends the password (CM_MCS_PASS_SUBMIT, leading byte 0, then
// 4 bytes of the device code page, zero bytes after a shorter text) forced,
// sets ReplyState to 255 (waiting) and PollCount to 0 and starts tmCheck. The
// reply dispatcher hands the processor's verdict to SetReplyState. Each
// tmCheck tick (one shot, 100 ms) counts a poll and looks at the verdict:
// still waiting polls again, and the 31st poll shows "Check Time Out!" and
// cancels; 1 starts tmCmd, which 100 ms later asks the main window to read the
// processor's state (0x22 through TfmMain::StartUpload) and closes the
// window; 0 shows "Password Error!!" and puts "****" back for another try;
// any other value stops polling.
//
// Cancel, Escape and the close box all cancel: both timers stop, the end
// command 0x11 is sent forced, the main window's tmDisconnect starts and the
// window closes.
#pragma once

#include <QLabel>
#include <QLineEdit>

#include <cstdint>

#include "platform/Form.h"

class TUxBmpButton;
namespace platform {
class Timer;
}

class TfmLockPassWord : public platform::Form {
 public:
  static constexpr std::uint8_t kWaiting = 255;
  static constexpr int kMaxPolls = 30;

  TfmLockPassWord();
  void FormShow() override;

  void SetReplyState(std::uint8_t state) { ReplyState = state; }
  void UxBmpButton1Click(QObject* Sender);  // btnOK
  void edNameKeyDown(QObject* Sender, int& Key, Qt::KeyboardModifiers Shift);
  void bnCancelClick(QObject* Sender);
  void tmCheckTimer(QObject* Sender);
  void tmCmdTimer(QObject* Sender);

  QLineEdit* edName;
  QLabel* lblLockPassword;
  TUxBmpButton* btnOK;
  TUxBmpButton* bnCancel;
  platform::Timer* tmCheck;
  platform::Timer* tmCmd;

  std::uint8_t ReplyState = kWaiting;  // 255 waiting, 1 accepted, 0 wrong
  std::int8_t PollCount = 0;           // polls since the last OK

 protected:
  // Escape and the close box end here.
  void reject() override;

 private:
  void RestartEntry();
};

extern TfmLockPassWord* fmLockPassWord;
