#include "dialogs/FFactory.h"

#include "controls/UxBmpButton.h"
#include "dialogs/DialogLook.h"
#include "mainwindow/FMain.h"

TfmFactory* fmFactory = nullptr;

TfmFactory::TfmFactory() {
  setObjectName(QStringLiteral("fmFactory"));
  setWindowTitle(QStringLiteral("Informaion"));
  setFixedSize(330, 140);
  dialogs::ApplyDialogLook(this);
  Image1 = Create<QLabel>(this, "Image1");
  dialogs::SetPicture(Image1, dialogs::Picture::Question, QRect(18, 20, 48, 48));
  lbMessage = Create<QLabel>(this, "lbMessage");
  lbMessage->setGeometry(80, 20, 234, 48);
  lbMessage->setWordWrap(true);
  lbMessage->setText(QStringLiteral("Are you Sure to Return Factory Default?"));
  btnOK = Create<TUxBmpButton>(this, "btnOK");
  dialogs::SetButtonFaces(btnOK, QRect(66, 92, 90, 30));
  btnOK->OnClick = [this](QObject* s) { btnOKClick(s); };
  bnCancel = Create<TUxBmpButton>(this, "bnCancel");
  dialogs::SetButtonFaces(bnCancel, QRect(174, 92, 90, 30));
  bnCancel->OnClick = [this](QObject* s) { bnCancelClick(s); };
}

void TfmFactory::FormShow() {
  if (!fmMain) return;
  setWindowTitle(fmMain->TranslateSid("SID_INFO_TITLE"));
  lbMessage->setText(fmMain->TranslateSid("SID_FACTORY_DEFAULT"));
  btnOK->SetCaption(fmMain->TranslateSid("SID_EXIT_OK"));
  bnCancel->SetCaption(fmMain->TranslateSid("SID_EXIT_CANCEL"));
}

void TfmFactory::btnOKClick(QObject*) {
  if (fmMain) fmMain->SendFactoryReset();
  close();
}

void TfmFactory::bnCancelClick(QObject*) { close(); }
