#include "dialogs/FAbout.h"

#include "controls/UxBmpButton.h"
#include "dialogs/DialogLook.h"
#include "mainwindow/FMain.h"

TfmAbout* fmAbout = nullptr;

TfmAbout::TfmAbout() {
  setObjectName(QStringLiteral("fmAbout"));
  setWindowTitle(QStringLiteral("About"));
  setFixedSize(420, 140);
  dialogs::ApplyDialogLook(this);
  ProductName = Create<QLabel>(this, "ProductName");
  ProductName->setGeometry(24, 22, 380, 24);
  ProductName->setText(QStringLiteral("Product Name : ") + TfmMain::kWindowTitle);
  Version = Create<QLabel>(this, "Version");
  Version->setGeometry(24, 50, 380, 24);
  Version->setText(QStringLiteral("Version : ") + TfmMain::kVersionText);
  btnOK = Create<TUxBmpButton>(this, "btnOK");
  dialogs::SetButtonFaces(btnOK, QRect(165, 94, 90, 30));
  btnOK->SetCaption(QStringLiteral("OK"));
  btnOK->OnClick = [this](QObject* s) { btnOKClick(s); };
}

void TfmAbout::FormShow() {
  if (!fmMain) return;
  setWindowTitle(fmMain->TranslateSid("SID_ABOUT"));
  btnOK->SetCaption(fmMain->TranslateSid("SID_EXIT_OK"));
}

void TfmAbout::btnOKClick(QObject*) { close(); }
