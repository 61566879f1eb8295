#include "dialogs/FChNameList.h"

#include <QLabel>

#include "controls/UxBmpButton.h"
#include "dialogs/DialogLook.h"
#include "mainwindow/FMain.h"

TfmChNameList* fmChNameList = nullptr;

TfmChNameList::TfmChNameList() {
  setObjectName(QStringLiteral("fmChNameList"));
  setWindowTitle(QStringLiteral("Channel Name"));
  setFixedSize(380, 320);
  dialogs::ApplyDialogLook(this);
  auto row = [this](const QString& label, const QString& name, const QString& text, int x, int y) {
    auto* l = new QLabel(label, this);
    l->setGeometry(x, y, 40, 24);
    auto* edit = Create<QLineEdit>(this, name);
    edit->setGeometry(x + 44, y, 120, 24);
    edit->setMaxLength(8);
    edit->setText(text);
    return std::make_pair(l, edit);
  };
  for (int i = 0; i < 8; ++i) {
    edMatrixChNameIn[i] = row(QStringLiteral("In%1").arg(i + 1), QStringLiteral("edMatrixChNameIn") + QChar('A' + i),
                              QStringLiteral("Input%1").arg(i + 1), 16, 16 + i * 30).second;
    edMatrixChNameOut[i] = row(QStringLiteral("Out%1").arg(i + 1), QStringLiteral("edMatrixChNameOut%1").arg(i + 1),
                               QStringLiteral("Output%1").arg(i + 1), 200, 16 + i * 30).second;
  }
  auto [effLabel, effEdit] = row(QStringLiteral("AUX"), QStringLiteral("edMatrixChNameEff"), QStringLiteral("Effect"),
                                 16, 256);
  effLabel->setVisible(false);
  effEdit->setVisible(false);
  edMatrixChNameEff = effEdit;
  btnOK = Create<TUxBmpButton>(this, "btnOK");
  dialogs::SetButtonFaces(btnOK, QRect(80, 272, 90, 30));
  btnCancel = Create<TUxBmpButton>(this, "btnCancel");
  dialogs::SetButtonFaces(btnCancel, QRect(210, 272, 90, 30));
}

void TfmChNameList::FormShow() {
  if (!fmMain) return;
  setWindowTitle(fmMain->TranslateSid("SID_CH_NAME_LIST"));
  btnOK->SetCaption(fmMain->TranslateSid("SID_SET"));
  btnCancel->SetCaption(fmMain->TranslateSid("SID_EXIT"));
}
