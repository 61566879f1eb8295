#include "dialogs/FLockPassWord.h"

#include "controls/UxBmpButton.h"
#include "dialogs/DialogLook.h"
#include "dialogs/DialogEdits.h"
#include "mainwindow/FMain.h"
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
}

void TfmLockPassWord::FormShow() {
  if (!fmMain) return;
  setWindowTitle(fmMain->TranslateSid("SID_UNLOCK_TITLE"));
  lblLockPassword->setText(fmMain->TranslateSid("SID_UNLOCK_PASSWORD"));
  btnOK->SetCaption(fmMain->TranslateSid("SID_EXIT_OK"));
  bnCancel->SetCaption(fmMain->TranslateSid("SID_EXIT_CANCEL"));
}
