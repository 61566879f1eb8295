#include "dialogs/FStoreName.h"

#include "controls/UxBmpButton.h"
#include "dialogs/DialogLook.h"
#include "mainwindow/FMain.h"

TfmStoreName* fmStoreName = nullptr;

TfmStoreName::TfmStoreName() {
  setObjectName(QStringLiteral("fmStoreName"));
  setWindowTitle(QStringLiteral("Name"));
  setFixedSize(300, 140);
  dialogs::ApplyDialogLook(this);
  lblPresetName = Create<QLabel>(this, "lblPresetName");
  lblPresetName->setGeometry(20, 12, 260, 22);
  lblPresetName->setText(QStringLiteral("Name"));
  lTitle = Create<QLabel>(this, "lTitle");
  lTitle->setGeometry(20, 44, 60, 24);
  lTitle->setText(QStringLiteral("F00 : "));
  edName = Create<QLineEdit>(this, "edName");
  edName->setGeometry(84, 44, 190, 24);
  edName->setMaxLength(14);
  edName->setText(QStringLiteral("Default Preset"));
  btnOK = Create<TUxBmpButton>(this, "btnOK");
  dialogs::SetButtonFaces(btnOK, QRect(50, 90, 90, 30));
  bnCancel = Create<TUxBmpButton>(this, "bnCancel");
  dialogs::SetButtonFaces(bnCancel, QRect(160, 90, 90, 30));
}

void TfmStoreName::FormShow() {
  if (!fmMain) return;
  setWindowTitle(fmMain->TranslateSid("SID_PST_NAME"));
  lblPresetName->setText(fmMain->TranslateSid("SID_PST_NAME"));
  btnOK->SetCaption(fmMain->TranslateSid("SID_EXIT_OK"));
  bnCancel->SetCaption(fmMain->TranslateSid("SID_EXIT_CANCEL"));
}
