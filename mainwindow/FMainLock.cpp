// The operation lock: the menu entries that open the lock setting, and the
// entry that shows the unlock window while connecting to a locked processor.
#include "dialogs/FLockPassWord.h"
#include "dialogs/FLockSetup.h"
#include "mainwindow/FMain.h"
#include "platform/MenuItem.h"
#include "platform/Timer.h"

namespace {
constexpr int kLinkStateUnlock = 8;
constexpr int kUnlockDelayMs = 100;
constexpr int kUnlockDelayNetMs = 1200;
}  // namespace

void TfmMain::BindLockCommands() {
  if (auto* item = MenuItem("Lock")) item->OnClick = [this](QObject* s) { LockClick(s); };
  if (auto* item = MenuItem("LockSetup")) item->OnClick = [this](QObject* s) { LockSetupClick(s); };
  tmUnlock = new platform::Timer(this, kUnlockDelayMs);
  Register(tmUnlock, "tmUnlock");
  tmUnlock->OnTimer = [this](QObject* s) { tmUnlockTimer(s); };
}

void TfmMain::LockClick(QObject*) {
  if (fmLockSetup) fmLockSetup->ShowModal();
}

void TfmMain::LockSetupClick(QObject*) {
  if (fmLockSetup) fmLockSetup->ShowModal();
}

void TfmMain::OnOperationLockSet() {
  LinkState = kLinkStateUnlock;
  tmUnlock->SetInterval(NetProc ? kUnlockDelayNetMs : kUnlockDelayMs);
  tmUnlock->SetEnabled(true);
}

void TfmMain::tmUnlockTimer(QObject*) {
  tmUnlock->SetEnabled(false);
  if (fmLockPassWord) fmLockPassWord->ShowModal();
}
