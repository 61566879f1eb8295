#include "dialogs/FExit.h"

#include "controls/UxBmpButton.h"
#include "dialogs/DialogLook.h"
#include "link/Lcmd.h"
#include "mainwindow/FMain.h"
#include "platform/Timer.h"

TfmExit* fmExit = nullptr;

TfmExit::TfmExit() {
  setObjectName(QStringLiteral("fmExit"));
  setWindowTitle(QStringLiteral("Informaion"));
  setFixedSize(330, 140);
  dialogs::ApplyDialogLook(this);
  Image1 = Create<QLabel>(this, "Image1");
  dialogs::SetPicture(Image1, dialogs::Picture::Question, QRect(18, 20, 48, 48));
  lbExit = Create<QLabel>(this, "lbExit");
  lbExit->setGeometry(80, 20, 234, 48);
  lbExit->setWordWrap(true);
  lbExit->setText(QStringLiteral("Are you sure to quit ?"));
  btnOK = Create<TUxBmpButton>(this, "btnOK");
  dialogs::SetButtonFaces(btnOK, QRect(66, 92, 90, 30));
  btnOK->OnClick = [this](QObject* s) { btnOKClick(s); };
  btnCancel = Create<TUxBmpButton>(this, "btnCancel");
  dialogs::SetButtonFaces(btnCancel, QRect(174, 92, 90, 30));
  btnCancel->OnClick = [this](QObject* s) { bnCancelClick(s); };
}

void TfmExit::FormShow() {
  if (!fmMain) return;
  setWindowTitle(fmMain->TranslateSid("SID_INFO_TITLE"));
  lbExit->setText(fmMain->TranslateSid("SID_EXIT_QUIT"));
  btnOK->SetCaption(fmMain->TranslateSid("SID_EXIT_OK"));
  btnCancel->SetCaption(fmMain->TranslateSid("SID_EXIT_CANCEL"));
}

void TfmExit::btnOKClick(QObject*) {
  if (!fmMain) return;
  fmMain->SendCommand(CM_MCS_CMD(fmMain->GetDeviceId(), 0x11), true, true);
  fmMain->SetExitConfirmed(true);
  fmMain->tmClose->SetEnabled(true);
}

void TfmExit::bnCancelClick(QObject*) {
  close();
  if (fmMain) fmMain->SetExitConfirmed(false);
}
