#include "dialogs/FCopy.h"

#include <QLabel>

#include "controls/UxBmpButton.h"
#include "controls/UxComboBox.h"
#include "dialogs/DialogLook.h"
#include "mainwindow/FMain.h"

TfmCopy* fmCopy = nullptr;

TfmCopy::TfmCopy() {
  setObjectName(QStringLiteral("fmCopy"));
  setWindowTitle(QStringLiteral("Channel Copy"));
  setFixedSize(360, 160);
  dialogs::ApplyDialogLook(this);
  auto list = [this](const char* name, const char* prefix, int selected, int x, int y) {
    auto* box = Create<TUxComboBox>(this, QString::fromLatin1(name));
    box->SetStyle(csDropDownList);
    for (int i = 1; i <= 8; ++i) box->Add(QString::fromLatin1(prefix) + QString::number(i));
    box->SetItemIndex(selected);
    box->setGeometry(x, y, 90, 24);
    return box;
  };
  auto arrow = [this](int y) {
    auto* l = new QLabel(QStringLiteral("\u2192"), this);
    l->setGeometry(112, y, 24, 24);
    l->setAlignment(Qt::AlignCenter);
  };
  cbInSource = list("cbInSource", "In", 0, 20, 20);
  arrow(20);
  cbInDestination = list("cbInDestination", "In", 1, 140, 20);
  bnInChCopy = Create<TUxBmpButton>(this, "bnInChCopy");
  dialogs::SetButtonFaces(bnInChCopy, QRect(250, 17, 90, 30));
  bnInChCopy->SetTag(0);
  bnInChCopy->OnClick = [this](QObject* s) { bnInChCopyClick(s); };
  cbOutSource = list("cbOutSource", "Out", 0, 20, 64);
  arrow(64);
  cbOutDestination = list("cbOutDestination", "Out", 1, 140, 64);
  bnOutChCopy = Create<TUxBmpButton>(this, "bnOutChCopy");
  dialogs::SetButtonFaces(bnOutChCopy, QRect(250, 61, 90, 30));
  bnOutChCopy->SetTag(1);
  bnOutChCopy->OnClick = [this](QObject* s) { bnInChCopyClick(s); };
  bnExit = Create<TUxBmpButton>(this, "bnExit");
  dialogs::SetButtonFaces(bnExit, QRect(135, 114, 90, 30));
  bnExit->OnClick = [this](QObject* s) { bnExitClick(s); };
}

void TfmCopy::FormShow() {
  if (!fmMain) return;
  setWindowTitle(fmMain->TranslateSid("SID_COPY_TITLE"));
  bnInChCopy->SetCaption(fmMain->TranslateSid("SID_COPY"));
  bnOutChCopy->SetCaption(fmMain->TranslateSid("SID_COPY"));
  bnExit->SetCaption(fmMain->TranslateSid("SID_EXIT"));
}

void TfmCopy::bnInChCopyClick(QObject* Sender) {
  const bool outputs = platform::Tag(Sender) != 0;
  const int source = (outputs ? cbOutSource : cbInSource)->ItemIndex();
  const int destination = (outputs ? cbOutDestination : cbInDestination)->ItemIndex();
  if (!fmMain || source < 0 || destination < 0) return;
  const int first = outputs ? 8 : 0;
  fmMain->CopyChannel(first + source, first + destination, true);
}

void TfmCopy::bnExitClick(QObject*) { SetModalResult(platform::mrCancel); }

void TfmCopy::reject() { bnExitClick(this); }
