#include "dialogs/FLockSetup.h"

#include "controls/UxBmpButton.h"
#include "dialogs/DialogEdits.h"
#include "dialogs/DialogLook.h"
#include "mainwindow/FMain.h"
#include "platform/Timer.h"

TfmLockSetup* fmLockSetup = nullptr;

TfmLockSetup::TfmLockSetup() {
  setObjectName(QStringLiteral("fmLockSetup"));
  setWindowTitle(QStringLiteral("Lock Setting"));
  setFixedSize(300, 130);
  dialogs::ApplyDialogLook(this);
  lblLockPassword = Create<QLabel>(this, "lblLockPassword");
  lblLockPassword->setGeometry(20, 24, 130, 24);
  lblLockPassword->setText(QStringLiteral("Lock Password"));
  edName = Create<QLineEdit>(this, "edName");
  edName->setGeometry(160, 24, 110, 24);
  dialogs::MakeUpperCaseEdit(edName, 4);
  btnOK = Create<TUxBmpButton>(this, "btnOK");
  dialogs::SetButtonFaces(btnOK, QRect(50, 80, 90, 30));
  btnExit = Create<TUxBmpButton>(this, "btnExit");
  dialogs::SetButtonFaces(btnExit, QRect(160, 80, 90, 30));
  tmClose = new platform::Timer(this, 100);
  Register(tmClose, "tmClose");
}

void TfmLockSetup::FormShow() {
  if (!fmMain) return;
  setWindowTitle(fmMain->TranslateSid("SID_LOCK_TITLE"));
  lblLockPassword->setText(fmMain->TranslateSid("SID_LOCK_PASSWORD"));
  btnOK->SetCaption(fmMain->TranslateSid("SID_SET"));
  btnExit->SetCaption(fmMain->TranslateSid("SID_EXIT"));
}
