#include "dialogs/FLockPassWord.h"

#include "controls/UxBmpButton.h"
#include "dialogs/DeviceText.h"
#include "dialogs/DialogEdits.h"
#include "dialogs/DialogLook.h"
#include "link/Lcmd.h"
#include "mainwindow/FMain.h"
#include "platform/Dialogs.h"
#include "platform/Timer.h"

TfmLockPassWord* fmLockPassWord = nullptr;

TfmLockPassWord::TfmLockPassWord() {
  setObjectName(QStringLiteral("fmLockPassWord"));
  setWindowTitle(QStringLiteral("UnLock Setting"));
  setFixedSize(300, 130);
  dialogs::ApplyDialogLook(this);
  lblLockPassword = Create<QLabel>(this, "lblLockPassword");
  lblLockPassword->setGeometry(20, 24, 130, 24);
  lblLockPassword->setText(QStringLiteral("UnLock Password"));
  edName = Create<QLineEdit>(this, "edName");
  edName->setGeometry(160, 24, 110, 24);
  dialogs::MakePasswordEdit(edName, 4);
  edName->setText(QStringLiteral("****"));
  btnOK = Create<TUxBmpButton>(this, "btnOK");
  dialogs::SetButtonFaces(btnOK, QRect(50, 80, 90, 30));
  bnCancel = Create<TUxBmpButton>(this, "bnCancel");
  dialogs::SetButtonFaces(bnCancel, QRect(160, 80, 90, 30));
  tmCheck = new platform::Timer(this, 100);
  Register(tmCheck, "tmCheck");
  tmCmd = new platform::Timer(this, 100);
  Register(tmCmd, "tmCmd");
  btnOK->OnClick = [this](QObject* s) { UxBmpButton1Click(s); };
  bnCancel->OnClick = [this](QObject* s) { bnCancelClick(s); };
  tmCheck->OnTimer = [this](QObject* s) { tmCheckTimer(s); };
  tmCmd->OnTimer = [this](QObject* s) { tmCmdTimer(s); };
  dialogs::OnKeyDown(edName, [this](QObject* s, int& key, Qt::KeyboardModifiers shift) { edNameKeyDown(s, key, shift); });
}

void TfmLockPassWord::FormShow() {
  if (fmMain) {
    setWindowTitle(fmMain->TranslateSid("SID_UNLOCK_TITLE"));
    lblLockPassword->setText(fmMain->TranslateSid("SID_UNLOCK_PASSWORD"));
    btnOK->SetCaption(fmMain->TranslateSid("SID_EXIT_OK"));
    bnCancel->SetCaption(fmMain->TranslateSid("SID_EXIT_CANCEL"));
  }
  RestartEntry();
}

void TfmLockPassWord::RestartEntry() {
  edName->setText(QStringLiteral("****"));
  edName->setFocus();
  edName->selectAll();
}

void TfmLockPassWord::UxBmpButton1Click(QObject*) {
  if (fmMain) {
    const dialogs::LockPassword password = dialogs::LockPasswordBytes(edName->text());
    fmMain->SendCommand(CM_MCS_PASS_SUBMIT(fmMain->GetDeviceId(), 0, password), true, true);
  }
  PollCount = 0;
  ReplyState = kWaiting;
  tmCheck->SetEnabled(true);
}

void TfmLockPassWord::edNameKeyDown(QObject*, int& Key, Qt::KeyboardModifiers) {
  if (!dialogs::IsEnterKey(Key)) return;
  Key = 0;
  UxBmpButton1Click(btnOK);
}

void TfmLockPassWord::bnCancelClick(QObject*) {
  // Ending the wait here keeps a late verdict from reading the state of a
  // closed connection, and a silent processor from timing out a second time.
  tmCheck->SetEnabled(false);
  tmCmd->SetEnabled(false);
  if (fmMain) {
    fmMain->SendCommand(CM_MCS_CMD(fmMain->GetDeviceId(), 0x11), true, true);
    fmMain->tmDisconnect->SetEnabled(true);
  }
  SetModalResult(platform::mrCancel);
}

void TfmLockPassWord::reject() { bnCancelClick(bnCancel); }

void TfmLockPassWord::tmCheckTimer(QObject*) {
  ++PollCount;
  tmCheck->SetEnabled(false);
  switch (ReplyState) {
    case kWaiting:
      if (PollCount > kMaxPolls) {
        platform::ShowMessage(QStringLiteral("Check Time Out!"));
        bnCancelClick(bnCancel);
      } else {
        tmCheck->SetEnabled(true);
      }
      break;
    case 1:
      tmCmd->SetEnabled(true);
      break;
    case 0:
      platform::ShowMessage(platform::MessageRequest{QString(), QStringLiteral("Password Error!!"),
                                                     platform::MessageKind::Information});
      RestartEntry();
      break;
    default:
      break;
  }
}

void TfmLockPassWord::tmCmdTimer(QObject*) {
  tmCmd->SetEnabled(false);
  if (fmMain) fmMain->StartUpload(false);
  SetModalResult(platform::mrOk);
}
