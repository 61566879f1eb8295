#include "dialogs/FIdSelect.h"

#include "controls/UxBmpButton.h"
#include "controls/UxGroupBox.h"
#include "dialogs/DialogEdits.h"
#include "dialogs/DialogLook.h"
#include "dialogs/FInformation.h"
#include "mainwindow/FMain.h"

TfmIdSelect* fmIdSelect = nullptr;

TfmIdSelect::TfmIdSelect() {
  setObjectName(QStringLiteral("fmIdSelect"));
  setWindowTitle(QStringLiteral("ID Number Select"));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  setFixedSize(257, 161);
  dialogs::ApplyDialogLook(this);
  imBase = Create<QLabel>(this, "imBase");
  dialogs::SetPicture(imBase, dialogs::Picture::Panel, QRect(0, 0, 257, 161));
  gnIdNumer = Create<TUxGroupBox>(this, "gnIdNumer");
  dialogs::StyleGroupBox(gnIdNumer, QRect(16, 12, 225, 84));
  lbMessage = Create<QLabel>(gnIdNumer, "lbMessage");
  lbMessage->setGeometry(10, 8, 205, 22);
  lbMessage->setText(QStringLiteral(" Input ID Number"));
  edId = Create<QLineEdit>(gnIdNumer, "edId");
  edId->setGeometry(62, 40, 100, 26);
  dialogs::MakeDigitEdit(edId, 4, true);
  bnSet = Create<TUxBmpButton>(this, "bnSet");
  dialogs::SetButtonFaces(bnSet, QRect(26, 112, 90, 30));
  bnExit = Create<TUxBmpButton>(this, "bnExit");
  dialogs::SetButtonFaces(bnExit, QRect(141, 112, 90, 30));
  bnSet->OnClick = [this](QObject* s) { bnSetClick(s); };
  bnExit->OnClick = [this](QObject*) { close(); };
}

void TfmIdSelect::bnSetClick(QObject*) {
  if (!fmMain) return;
  const std::optional<int> number = dialogs::FieldNumber(edId);
  if (!number) return;
  const int id = *number;
  if (id == fmMain->GetDeviceId()) return;
  if (id < 1 || id > 250) {
    if (fmInformation) {
      fmInformation->lbMessage->setText(fmMain->TranslateSid("SID_ID_NUMBER_ERROR"));
      fmInformation->ShowModal();
    }
    return;
  }
  fmMain->SetDeviceId(id);
  close();
  if (gnIdNumer->isEnabled())
    fmMain->SendCommand(CM_MCS_CMD(static_cast<std::uint8_t>(id), 0xBB, static_cast<std::uint8_t>(id)), true, true);
}

void TfmIdSelect::FormShow() {
  if (!fmMain) return;
  setWindowTitle(fmMain->TranslateSid("SID_SET_ID_TITLE"));
  lbMessage->setText(fmMain->TranslateSid("SID_INPUT_ID"));
  bnSet->SetCaption(fmMain->TranslateSid("SID_SET"));
  bnExit->SetCaption(fmMain->TranslateSid("SID_EXIT"));
  edId->setText(QString::number(fmMain->GetDeviceId()));
}
