#include "dialogs/FStoreName.h"

#include <QEvent>

#include "controls/UxBmpButton.h"
#include "dialogs/DialogLook.h"
#include "dialogs/FRecallPreset.h"
#include "dialogs/FStorePreset.h"
#include "mainwindow/FMain.h"
#include "platform/TextCodec.h"

namespace {
constexpr std::size_t kNameBytes = 14;
}  // namespace

TfmStoreName* fmStoreName = nullptr;

TfmStoreName::TfmStoreName() {
  setObjectName(QStringLiteral("fmStoreName"));
  setWindowTitle(QStringLiteral("Name"));
  setFixedSize(300, 140);
  dialogs::ApplyDialogLook(this);
  lblPresetName = Create<QLabel>(this, "lblPresetName");
  lblPresetName->setGeometry(20, 12, 260, 22);
  lblPresetName->setText(QStringLiteral("Name"));
  lTitle = Create<QLabel>(this, "lTitle");
  lTitle->setGeometry(20, 44, 60, 24);
  lTitle->setText(QStringLiteral("F00 : "));
  edName = Create<QLineEdit>(this, "edName");
  edName->setGeometry(84, 44, 190, 24);
  edName->setMaxLength(14);
  edName->setText(QStringLiteral("Default Preset"));
  btnOK = Create<TUxBmpButton>(this, "btnOK");
  dialogs::SetButtonFaces(btnOK, QRect(50, 90, 90, 30));
  bnCancel = Create<TUxBmpButton>(this, "bnCancel");
  dialogs::SetButtonFaces(bnCancel, QRect(160, 90, 90, 30));
  btnOK->OnClick = [this](QObject* s) { btnOKClick(s); };
  bnCancel->OnClick = [this](QObject* s) { bnCancelClick(s); };
  connect(edName, &QLineEdit::returnPressed, this, [this] { btnOKClick(btnOK); });
}

bool TfmStoreName::event(QEvent* e) {
  if (e->type() == QEvent::WindowActivate) FormActivate();
  return platform::Form::event(e);
}

void TfmStoreName::ShowPresetName(const QString& name) {
  QString text = name;
  while (!text.isEmpty() && (text.back() == u' ' || text.back() == u'\r')) text.chop(1);
  edName->setText(text);
}

void TfmStoreName::FormActivate() {
  edName->setEnabled(StoreMode);
  if (!StoreMode) return;
  edName->setFocus();
  edName->selectAll();
}

std::string TfmStoreName::PresetNameBytes(const QString& text) {
  std::string bytes = platform::Utf8ToDeviceString(text.toUtf8().toStdString(), kNameBytes);
  bytes.resize(kNameBytes, ' ');
  return bytes;
}

void TfmStoreName::btnOKClick(QObject*) {
  const std::string name = PresetNameBytes(edName->text());
  const QString shown = QString::fromStdString(platform::DeviceToUtf8(name));
  edName->setText(shown);
  TPresetListWindow* list = StoreMode ? static_cast<TPresetListWindow*>(fmStorePreset)
                                      : static_cast<TPresetListWindow*>(fmRecallPreset);
  const bool online = fmMain && fmMain->IsOnline();
  if (online && list) list->hide();
  close();
  if (list) list->close();
  if (StoreMode) {
    if (fmMain) fmMain->StorePreset(PresetIndex, name);
    if (fmRecallPreset) fmRecallPreset->SetRowName(PresetIndex + 1, shown);
    if (fmStorePreset) fmStorePreset->SetRowName(PresetIndex, shown);
  } else if (fmMain) {
    fmMain->RecallPreset(PresetIndex);
  }
}

void TfmStoreName::bnCancelClick(QObject*) { close(); }

void TfmStoreName::FormShow() {
  if (!fmMain) return;
  setWindowTitle(fmMain->TranslateSid("SID_PST_NAME"));
  lblPresetName->setText(fmMain->TranslateSid("SID_PST_NAME"));
  btnOK->SetCaption(fmMain->TranslateSid("SID_EXIT_OK"));
  bnCancel->SetCaption(fmMain->TranslateSid("SID_EXIT_CANCEL"));
}
