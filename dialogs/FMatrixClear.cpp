#include "dialogs/FMatrixClear.h"

#include "controls/UxBmpButton.h"
#include "dialogs/DialogLook.h"
#include "mainwindow/FMain.h"

TfmMatrixClear* fmMatrixClear = nullptr;

TfmMatrixClear::TfmMatrixClear() {
  setObjectName(QStringLiteral("fmMatrixClear"));
  setWindowTitle(QStringLiteral("Informaion"));
  setFixedSize(330, 140);
  dialogs::ApplyDialogLook(this);
  Image1 = Create<QLabel>(this, "Image1");
  dialogs::SetPicture(Image1, dialogs::Picture::Question, QRect(18, 20, 48, 48));
  lbReset = Create<QLabel>(this, "lbReset");
  lbReset->setGeometry(80, 20, 234, 48);
  lbReset->setWordWrap(true);
  lbReset->setText(QStringLiteral("Are you sure to CLEAR Matrix ?"));
  btnOK = Create<TUxBmpButton>(this, "btnOK");
  dialogs::SetButtonFaces(btnOK, QRect(66, 92, 90, 30));
  btnOK->OnClick = [this](QObject* s) { btnOKClick(s); };
  btnCancel = Create<TUxBmpButton>(this, "btnCancel");
  dialogs::SetButtonFaces(btnCancel, QRect(174, 92, 90, 30));
  btnCancel->OnClick = [this](QObject* s) { bnCancelClick(s); };
}

void TfmMatrixClear::FormShow() {
  if (!fmMain) return;
  setWindowTitle(fmMain->TranslateSid("SID_PEQRST"));
  lbReset->setText(fmMain->TranslateSid("SID_MATRIX_CLEAR_MSG"));
  btnOK->SetCaption(fmMain->TranslateSid("SID_PEQRST_OK"));
  btnCancel->SetCaption(fmMain->TranslateSid("SID_PEQRST_CANCEL"));
}

void TfmMatrixClear::btnOKClick(QObject*) {
  hide();
  if (fmMain) fmMain->ClearMatrix();
  close();
}

void TfmMatrixClear::bnCancelClick(QObject*) { close(); }
