#include "dialogs/FInformation.h"

#include "controls/UxBmpButton.h"
#include "dialogs/DialogLook.h"
#include "mainwindow/FMain.h"

TfmInformation* fmInformation = nullptr;

TfmInformation::TfmInformation() {
  setObjectName(QStringLiteral("fmInformation"));
  setWindowTitle(QStringLiteral("Information"));
  setFixedSize(330, 130);
  dialogs::ApplyDialogLook(this);
  lbMessage = Create<QLabel>(this, "lbMessage");
  lbMessage->setGeometry(16, 18, 298, 50);
  lbMessage->setAlignment(Qt::AlignCenter);
  lbMessage->setWordWrap(true);
  lbMessage->setText(QStringLiteral("You Must Connect First !!"));
  btnOK = Create<TUxBmpButton>(this, "btnOK");
  dialogs::SetButtonFaces(btnOK, QRect(120, 84, 90, 30));
  btnOK->OnClick = [this](QObject* s) { btnOKClick(s); };
}

// The message is the caller's; showing sets only the caption and the button.
void TfmInformation::FormShow() {
  if (!fmMain) return;
  setWindowTitle(fmMain->TranslateSid("SID_INFO_TITLE"));
  btnOK->SetCaption(fmMain->TranslateSid("SID_EXIT_OK"));
}

void TfmInformation::btnOKClick(QObject*) { close(); }
