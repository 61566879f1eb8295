#include "dialogs/FLockSetup.h"

#include "controls/UxBmpButton.h"
#include "dialogs/DeviceText.h"
#include "dialogs/DialogEdits.h"
#include "dialogs/DialogLook.h"
#include "link/Lcmd.h"
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
  btnOK->OnClick = [this](QObject* s) { UxBmpButton1Click(s); };
  btnExit->OnClick = [this](QObject* s) { btnExitClick(s); };
  tmClose->OnTimer = [this](QObject* s) { tmCloseTimer(s); };
  dialogs::OnKeyDown(edName, [this](QObject* s, int& key, Qt::KeyboardModifiers shift) { edNameKeyDown(s, key, shift); });
}

void TfmLockSetup::FormShow() {
  if (fmMain) {
    setWindowTitle(fmMain->TranslateSid("SID_LOCK_TITLE"));
    lblLockPassword->setText(fmMain->TranslateSid("SID_LOCK_PASSWORD"));
    btnOK->SetCaption(fmMain->TranslateSid("SID_SET"));
    btnExit->SetCaption(fmMain->TranslateSid("SID_EXIT"));
  }
  edName->setText(QStringLiteral("0947"));
  edName->setFocus();
  edName->selectAll();
}

void TfmLockSetup::UxBmpButton1Click(QObject*) {
  if (fmMain)
    fmMain->SendCommand(CM_MCS_SET_LOCK(fmMain->GetDeviceId(), dialogs::LockPasswordBytes(edName->text())), true, true);
  tmClose->SetEnabled(true);
}

void TfmLockSetup::edNameKeyDown(QObject*, int& Key, Qt::KeyboardModifiers) {
  if (!dialogs::IsEnterKey(Key)) return;
  Key = 0;
  UxBmpButton1Click(btnOK);
}

void TfmLockSetup::btnExitClick(QObject*) { close(); }

void TfmLockSetup::tmCloseTimer(QObject*) {
  tmClose->SetEnabled(false);
  if (fmMain) fmMain->tmDisconnect->SetEnabled(true);
  close();
}
