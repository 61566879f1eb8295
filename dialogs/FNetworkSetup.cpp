#include "dialogs/FNetworkSetup.h"

#include <QHostAddress>

#include <algorithm>

#include "controls/UxBmpButton.h"
#include "controls/UxGroupBox.h"
#include "dialogs/DialogEdits.h"
#include "dialogs/DialogLook.h"
#include "dialogs/FInformation.h"
#include "mainwindow/FMain.h"

TfmNetworkSetup* fmNetworkSetup = nullptr;

TfmNetworkSetup::TfmNetworkSetup() {
  setObjectName(QStringLiteral("fmNetworkSetup"));
  setWindowTitle(QStringLiteral("Setting ID/IP"));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint);
  setFixedSize(280, 220);
  dialogs::ApplyDialogLook(this);
  Image1 = Create<QLabel>(this, "Image1");
  dialogs::SetPicture(Image1, dialogs::Picture::Panel, QRect(0, 0, 280, 220));

  gbIdSetting = Create<TUxGroupBox>(this, "gbIdSetting");
  dialogs::StyleGroupBox(gbIdSetting, QRect(14, 10, 252, 64), QStringLiteral(" Input ID Number"));
  lbMessage = Create<QLabel>(gbIdSetting, "lbMessage");
  lbMessage->setGeometry(20, 28, 90, 24);
  lbMessage->setText(QStringLiteral("Number :"));
  edId = Create<QLineEdit>(gbIdSetting, "edId");
  edId->setGeometry(120, 28, 60, 24);
  dialogs::MakeDigitEdit(edId, 3, true);
  edId->setText(QStringLiteral("1"));

  gbIpSetting = Create<TUxGroupBox>(this, "gbIpSetting");
  dialogs::StyleGroupBox(gbIpSetting, QRect(14, 84, 252, 76), QStringLiteral(" Input IP Address"));
  const char* bytes[4] = {"192", "168", "1", "101"};
  for (int i = 0; i < 4; ++i) {
    edIp[i] = Create<QLineEdit>(gbIpSetting, QStringLiteral("edIp%1").arg(i + 1));
    edIp[i]->setGeometry(16 + i * 58, 30, 44, 24);
    dialogs::MakeDigitEdit(edIp[i], 3, true);
    edIp[i]->setAttribute(Qt::WA_InputMethodEnabled, false);
    edIp[i]->setText(QString::fromLatin1(bytes[i]));
    if (i < 3) {
      Label[i] = Create<QLabel>(gbIpSetting, QStringLiteral("Label%1").arg(i + 1));
      Label[i]->setGeometry(62 + i * 58, 30, 10, 24);
      Label[i]->setAlignment(Qt::AlignCenter);
      Label[i]->setText(QStringLiteral("."));
    }
  }
  rbManualSetting = Create<QRadioButton>(gbIpSetting, "rbManualSetting");
  rbManualSetting->setGeometry(16, 56, 110, 18);
  rbManualSetting->setText(QStringLiteral("Manual Setting"));
  rbManualSetting->setChecked(true);
  rbManualSetting->setVisible(false);
  rbAutoSetting = Create<QRadioButton>(gbIpSetting, "rbAutoSetting");
  rbAutoSetting->setGeometry(130, 56, 110, 18);
  rbAutoSetting->setText(QStringLiteral("Auto Setting"));
  rbAutoSetting->setVisible(false);

  bnSet = Create<TUxBmpButton>(this, "bnSet");
  dialogs::SetButtonFaces(bnSet, QRect(40, 174, 90, 30));
  bnExit = Create<TUxBmpButton>(this, "bnExit");
  dialogs::SetButtonFaces(bnExit, QRect(150, 174, 90, 30));

  bnSet->OnClick = [this](QObject* s) { bnSetClick(s); };
  bnExit->OnClick = [this](QObject* s) { bnExitClick(s); };
  // Leaving a field or pressing Enter limits what was typed: the ID to
  // 1..250, an address byte to 255 (never taken modulo 256).
  dialogs::LimitOnExit(edId, 1, 250);
  for (QLineEdit* field : edIp) dialogs::LimitOnExit(field, 0, 255);
  connect(rbManualSetting, &QRadioButton::clicked, this, [this] {
    for (QLineEdit* field : edIp) dialogs::SetInputEnabled(field, true);
  });
  connect(rbAutoSetting, &QRadioButton::clicked, this, [this] {
    for (QLineEdit* field : edIp) dialogs::SetInputEnabled(field, false);
  });
}

void TfmNetworkSetup::ShowDeviceId() {
  if (fmMain) edId->setText(QString::number(fmMain->GetDeviceId()));
}

QString TfmNetworkSetup::DeviceIpText() const { return fmMain ? fmMain->DeviceIpText() : QString(); }

void TfmNetworkSetup::ShowDeviceIp() {
  if (!fmMain) return;
  for (int i = 0; i < 4; ++i) edIp[i]->setText(QString::number(fmMain->DeviceIp[i]));
  fmMain->ClientSocketAddress = AddressFromFields();
}

QString TfmNetworkSetup::AddressFromFields() const {
  QStringList parts;
  for (QLineEdit* field : edIp) parts << QString::number(std::clamp(field->text().toInt(), 0, 255));
  return parts.join('.');
}

void TfmNetworkSetup::bnSetClick(QObject*) {
  if (!fmMain) return;
  if (!gbIdSetting->isEnabled()) {
    close();
    return;
  }
  // Every field is converted before anything is applied: one that does not
  // convert is reported and nothing is set or sent.
  const std::optional<int> number = dialogs::FieldNumber(edId);
  if (!number) return;
  if (rbManualSetting->isChecked())
    for (QLineEdit* field : edIp)
      if (!dialogs::FieldNumber(field)) return;
  const int id = *number;
  if (id < 1 || id > 250) {
    if (fmInformation) {
      fmInformation->lbMessage->setText(fmMain->TranslateSid("SID_ID_NUMBER_ERROR"));
      fmInformation->ShowModal();
    }
    ShowDeviceId();
  } else {
    fmMain->SetDeviceId(id);
    fmMain->SendCommand(CM_MCS_CMD(static_cast<std::uint8_t>(id), 0xBB, static_cast<std::uint8_t>(id)), true, true);
  }
  if (rbManualSetting->isChecked()) {
    const QString text = AddressFromFields();
    fmMain->ClientSocketAddress = text;
    fmMain->SetDeviceIp(QHostAddress(text).toIPv4Address());
  }
  close();
}

void TfmNetworkSetup::bnExitClick(QObject*) {
  ShowDeviceId();
  close();
}

void TfmNetworkSetup::FormShow() {
  if (!fmMain) return;
  // What an earlier Exit left typed gives way to the editor's address.
  for (int i = 0; i < 4; ++i) edIp[i]->setText(QString::number(fmMain->DeviceIp[i]));
  setWindowTitle(fmMain->TranslateSid("SID_SET_NETWORK"));
  gbIdSetting->SetCaption(fmMain->TranslateSid("SID_INPUT_ID"));
  lbMessage->setText(fmMain->TranslateSid("SID_IP_NUMBER"));
  gbIpSetting->SetCaption(fmMain->TranslateSid("SID_IP_ADDRESS"));
  rbManualSetting->setText(fmMain->TranslateSid("SID_MANU_NETWORK"));
  rbAutoSetting->setText(fmMain->TranslateSid("SID_AUTO_NETWORK"));
  bnSet->SetCaption(fmMain->TranslateSid("SID_SET"));
  bnExit->SetCaption(fmMain->TranslateSid("SID_EXIT"));
}
