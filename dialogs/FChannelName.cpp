#include "dialogs/FChannelName.h"

#include "controls/UxBmpButton.h"
#include "dialogs/DialogLook.h"
#include "mainwindow/FMain.h"

TfmChannelName* fmChannelName = nullptr;

TfmChannelName::TfmChannelName() {
  setObjectName(QStringLiteral("fmChannelName"));
  setWindowTitle(QStringLiteral("Channel Name"));
  setFixedSize(280, 140);
  dialogs::ApplyDialogLook(this);
  lbChannelName = Create<QLabel>(this, "lbChannelName");
  lbChannelName->setGeometry(20, 12, 240, 22);
  lbChannelName->setText(QStringLiteral("Channel Name"));
  lbChannel = Create<QLabel>(this, "lbChannel");
  lbChannel->setGeometry(20, 44, 60, 24);
  lbChannel->setText(QStringLiteral("In1 :"));
  edName = Create<QLineEdit>(this, "edName");
  edName->setGeometry(84, 44, 170, 24);
  edName->setMaxLength(8);
  edName->setText(QStringLiteral("Input1"));
  btnOK = Create<TUxBmpButton>(this, "btnOK");
  dialogs::SetButtonFaces(btnOK, QRect(40, 90, 90, 30));
  bnCancel = Create<TUxBmpButton>(this, "bnCancel");
  dialogs::SetButtonFaces(bnCancel, QRect(150, 90, 90, 30));
}

void TfmChannelName::FormShow() {
  if (!fmMain) return;
  setWindowTitle(fmMain->TranslateSid("SID_CH_NAME"));
  lbChannelName->setText(fmMain->TranslateSid("SID_CH_NAME"));
  btnOK->SetCaption(fmMain->TranslateSid("SID_EXIT_OK"));
  bnCancel->SetCaption(fmMain->TranslateSid("SID_EXIT_CANCEL"));
}
