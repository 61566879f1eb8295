#include "dialogs/FChNameList.h"

#include <algorithm>

#include "controls/UxBmpButton.h"
#include "dialogs/DeviceText.h"
#include "dialogs/DialogLook.h"
#include "mainwindow/FMain.h"
#include "model/Lunitcontrol.h"

TfmChNameList* fmChNameList = nullptr;

namespace {
constexpr int kChannels[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 18};
}  // namespace

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
    dialogs::LimitDeviceBytes(edit, static_cast<int>(kChannelNameSize));
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
  lbEff = effLabel;
  edMatrixChNameEff = effEdit;
  btnOK = Create<TUxBmpButton>(this, "btnOK");
  dialogs::SetButtonFaces(btnOK, QRect(80, 272, 90, 30));
  btnCancel = Create<TUxBmpButton>(this, "btnCancel");
  dialogs::SetButtonFaces(btnCancel, QRect(210, 272, 90, 30));
  btnOK->OnClick = [this](QObject* s) { btnOKClick(s); };
  btnCancel->OnClick = [this](QObject* s) { btnCancelClick(s); };
}

QLineEdit* TfmChNameList::NameEdit(int channel) const {
  if (channel >= 0 && channel < 8) return edMatrixChNameIn[static_cast<std::size_t>(channel)];
  if (channel >= 8 && channel < 16) return edMatrixChNameOut[static_cast<std::size_t>(channel - 8)];
  return channel == 18 ? edMatrixChNameEff : nullptr;
}

void TfmChNameList::FormShow() {
  if (!fmMain) return;
  setWindowTitle(fmMain->TranslateSid("SID_CH_NAME_LIST"));
  btnOK->SetCaption(fmMain->TranslateSid("SID_SET"));
  btnCancel->SetCaption(fmMain->TranslateSid("SID_EXIT"));
  for (std::size_t k = 0; k < std::size(kChannels); ++k) {
    shown_[k] = fmMain->GetChannelName(kChannels[k]);
    NameEdit(kChannels[k])->setText(shown_[k]);
  }
}

void TfmChNameList::btnOKClick(QObject*) {
  if (fmMain && fmMain->UnitControl) {
    for (std::size_t k = 0; k < std::size(kChannels); ++k) {
      const int c = kChannels[k];
      QLineEdit* edit = NameEdit(c);
      if (edit->text() == shown_[k]) continue;
      const ChannelNameField stored = fmMain->UnitControl->GetChannelName(c);
      const std::string storedBytes(stored.begin(), std::find(stored.begin(), stored.end(), 0));
      if (dialogs::DeviceBytes(edit->text()) == storedBytes) continue;
      const ChannelNameField name = dialogs::ChannelNameBytes(edit->text());
      edit->setText(dialogs::ChannelNameText(name));
      fmMain->SetChannelName(c, name);
    }
  }
  close();
}

void TfmChNameList::btnCancelClick(QObject*) { close(); }
