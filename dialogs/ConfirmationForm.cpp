#include "dialogs/ConfirmationForm.h"

#include "controls/UxBmpButton.h"
#include "dialogs/DialogLook.h"
#include "mainwindow/FMain.h"

TConfirmationForm::TConfirmationForm(const Texts& texts) : texts_(texts) {
  setObjectName(QString::fromLatin1(texts.windowName));
  setWindowTitle(QStringLiteral("Informaion"));
  setFixedSize(330, 140);
  dialogs::ApplyDialogLook(this);
  Image1 = Create<QLabel>(this, "Image1");
  dialogs::SetPicture(Image1, dialogs::Picture::Question, QRect(18, 20, 48, 48));
  Message = Create<QLabel>(this, QString::fromLatin1(texts.messageName));
  Message->setGeometry(80, 20, 234, 48);
  Message->setWordWrap(true);
  Message->setText(QString::fromLatin1(texts.designMessage));
  btnOK = Create<TUxBmpButton>(this, "btnOK");
  dialogs::SetButtonFaces(btnOK, QRect(66, 92, 90, 30));
  btnOK->OnClick = [this](QObject* s) { btnOKClick(s); };
  Cancel = Create<TUxBmpButton>(this, QString::fromLatin1(texts.cancelName));
  dialogs::SetButtonFaces(Cancel, QRect(174, 92, 90, 30));
  Cancel->OnClick = [this](QObject* s) { bnCancelClick(s); };
}

void TConfirmationForm::FormShow() {
  if (!fmMain) return;
  setWindowTitle(fmMain->TranslateSid(texts_.captionKey));
  Message->setText(fmMain->TranslateSid(texts_.messageKey));
  btnOK->SetCaption(fmMain->TranslateSid(texts_.okKey));
  Cancel->SetCaption(fmMain->TranslateSid(texts_.cancelKey));
}

void TConfirmationForm::bnCancelClick(QObject*) { close(); }
