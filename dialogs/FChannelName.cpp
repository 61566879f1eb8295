#include "dialogs/FChannelName.h"

#include <QEvent>

#include "controls/UxBmpButton.h"
#include "dialogs/DeviceText.h"
#include "dialogs/DialogLook.h"
#include "mainwindow/FMain.h"

TfmChannelName* fmChannelName = nullptr;

TfmChannelName::TfmChannelName() {
  setObjectName(QStringLiteral("fmChannelName"));
  setWindowTitle(QStringLiteral("Channel Name"));
  setFixedSize(280, 140);
  dialogs::ApplyDialogLook(this);
  lbChannelName = Create<QLabel>(this, "lbChannelName");
  lbChannelName->setGeometry(20, 12, 240, 22);
  lbChannelName->setText(QStringLiteral("Channel Name"));
  lbChannel = Create<QLabel>(this, "lbChannel");
  lbChannel->setGeometry(20, 44, 60, 24);
  lbChannel->setText(QStringLiteral("In1 :"));
  edName = Create<QLineEdit>(this, "edName");
  edName->setGeometry(84, 44, 170, 24);
  dialogs::LimitDeviceBytes(edName, static_cast<int>(kChannelNameSize));
  edName->setText(QStringLiteral("Input1"));
  btnOK = Create<TUxBmpButton>(this, "btnOK");
  dialogs::SetButtonFaces(btnOK, QRect(40, 90, 90, 30));
  bnCancel = Create<TUxBmpButton>(this, "bnCancel");
  dialogs::SetButtonFaces(bnCancel, QRect(150, 90, 90, 30));
  btnOK->OnClick = [this](QObject* s) { btnOKClick(s); };
  bnCancel->OnClick = [this](QObject* s) { bnCancelClick(s); };
  dialogs::OnKeyDown(edName, [this](QObject* s, int& key, Qt::KeyboardModifiers shift) { edNameKeyDown(s, key, shift); });
}

bool TfmChannelName::event(QEvent* e) {
  if (e->type() == QEvent::WindowActivate) FormActivate();
  return platform::Form::event(e);
}

void TfmChannelName::SetChannel(int channel) {
  channel_ = channel;
  if (channel == 18) lbChannel->setText(QStringLiteral("Eff:"));
  else if (channel >= 0 && channel < 8) lbChannel->setText(QStringLiteral("In%1 :").arg(channel + 1));
  else if (channel >= 8 && channel < 16) lbChannel->setText(QStringLiteral("Out%1 :").arg(channel - 7));
}

void TfmChannelName::ShowChannelName(const QString& name) {
  QString text = name;
  while (!text.isEmpty() && (text.back() == u' ' || text.back() == u'\r')) text.chop(1);
  edName->setText(text);
}

void TfmChannelName::FormActivate() {
  edName->setEnabled(true);
  edName->setFocus();
  edName->selectAll();
}

void TfmChannelName::btnOKClick(QObject*) {
  const ChannelNameField name = dialogs::ChannelNameBytes(edName->text());
  edName->setText(dialogs::ChannelNameText(name));
  close();
  if (fmMain) fmMain->SetChannelName(channel_, name);
}

void TfmChannelName::bnCancelClick(QObject*) { close(); }

void TfmChannelName::edNameKeyDown(QObject*, int& Key, Qt::KeyboardModifiers) {
  if (!dialogs::IsEnterKey(Key)) return;
  Key = 0;
  btnOKClick(btnOK);
}

void TfmChannelName::FormShow() {
  if (!fmMain) return;
  setWindowTitle(fmMain->TranslateSid("SID_CH_NAME"));
  lbChannelName->setText(fmMain->TranslateSid("SID_CH_NAME"));
  btnOK->SetCaption(fmMain->TranslateSid("SID_EXIT_OK"));
  bnCancel->SetCaption(fmMain->TranslateSid("SID_EXIT_CANCEL"));
}
