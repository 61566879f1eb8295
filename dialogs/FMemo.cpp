#include "dialogs/FMemo.h"

#include "controls/UxBmpButton.h"
#include "dialogs/DialogLook.h"

TfmMemo* fmMemo = nullptr;

TfmMemo::TfmMemo() {
  setObjectName(QStringLiteral("fmMemo"));
  setWindowTitle(QStringLiteral("Message List"));
  setFixedSize(420, 320);
  dialogs::ApplyDialogLook(this);
  Memo = Create<QPlainTextEdit>(this, "Memo");
  Memo->setGeometry(8, 8, 404, 262);
  Memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Memo->setPlainText(QStringLiteral("Memo"));
  bnClearMemo = Create<TUxBmpButton>(this, "bnClearMemo");
  dialogs::SetButtonFaces(bnClearMemo, QRect(165, 280, 90, 30));
  bnClearMemo->SetCaption(QStringLiteral("Clear"));
  bnClearMemo->OnClick = [this](QObject* s) { bnClearMemoClick(s); };
}

void TfmMemo::bnClearMemoClick(QObject*) { Memo->clear(); }
