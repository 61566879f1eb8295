// Preset files and the menu commands: saving and opening a ".prs" (the open
// sends the whole preset to a connected processor in one burst, closed by
// 0x0F), the unit-file commands, the factory reset, the working status, the
// device ID dialog, the store and recall buttons and the feedback buttons.
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPalette>

#include <exception>

#include "controls/ExProgressBar.h"
#include "controls/UxBmpButton.h"
#include "controls/UxGroupBox.h"
#include "dialogs/FFactory.h"
#include "dialogs/FHidData.h"
#include "dialogs/FIdSelect.h"
#include "dialogs/FMatrixClear.h"
#include "dialogs/FMemo.h"
#include "dialogs/FProcess.h"
#include "dialogs/FRecallPreset.h"
#include "dialogs/FStorePreset.h"
#include "display/LMyFFTDrawHpLp6dB.h"
#include "mainwindow/FMain.h"
#include "model/Lunitcontrol.h"
#include "model/PresetFiles.h"
#include "platform/Dialogs.h"
#include "platform/MenuItem.h"
#include "platform/Timer.h"

namespace {

constexpr std::uint8_t kBulkLoadEnd = 0x0F;
constexpr std::uint8_t kEndOfTransfer = 0x12;
constexpr std::uint8_t kFactoryReset = 0x23;
constexpr std::uint8_t kMemorizeMode = 0x6A;
constexpr int kPresetFileMode = 12;
constexpr int kBulkLoadProgressMax = 379;  // the bulk load's commands, one acknowledgement each

std::string LocalPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

}  // namespace

// ---- Preset files ------------------------------------------------------------------

std::optional<QString> TfmMain::ChooseTransferFile(FileKind kind, bool save, const char* commandKey) {
  const bool preset = kind == FileKind::Preset;
  const bool english = Language != QLatin1String("ChineseGB");
  const QString what = preset ? (english ? QStringLiteral("Preset files") : QString::fromUtf8("预设档案"))
                              : (english ? QStringLiteral("Unit files") : QString::fromUtf8("机台档案"));
  const QString suffix = preset ? QStringLiteral("prs") : QStringLiteral("unt");
  platform::FileRequest request;
  request.title = TranslateSid(QString::fromLatin1(commandKey));
  request.filter = what + " (*." + suffix + ")";
  request.defaultSuffix = suffix;
  request.save = save;
  request.mustExist = !save;
  // The program's own folder is seldom writable; the current folder is reset
  // to it after every transfer, so the window is given its folder.
  request.directory = !FileFolder.isEmpty() && QDir(FileFolder).exists() ? FileFolder : QDir::homePath();
  const std::optional<QString> chosen = platform::ChooseFile(request);
  if (chosen) FileFolder = QFileInfo(*chosen).absolutePath();
  return chosen;
}

void TfmMain::SavePresetFile() {
  presetfiles::FileBytes file = UnitControl->SerializePreset();
  file.push_back(0x0D);
  file.push_back(0x0A);
  const std::optional<QString> chosen = ChooseTransferFile(FileKind::Preset, true, "SID_SAVE");
  if (chosen) {
    const std::string path = presetfiles::WithExtension(LocalPath(*chosen), "prs");
    if (!presetfiles::SaveFileAtomically(path, file)) ShowInformation(presetfiles::kErrorFile);
  }
  QDir::setCurrent(QCoreApplication::applicationDirPath());
}

void TfmMain::OpenPresetFile() {
  const std::optional<QString> chosen = ChooseTransferFile(FileKind::Preset, false, "SID_OPEN");
  if (!chosen) return;
  ClearEqSelection();
  // A file larger than a preset file is refused without being read whole.
  const auto file = presetfiles::ReadWholeFile(LocalPath(*chosen), presetfiles::kPresetFileSize);
  const presetfiles::PresetFileRead read =
      file ? presetfiles::ReadPresetFile(*file) : presetfiles::PresetFileRead{{}, presetfiles::kErrorFile};
  if (read.Error) {
    ShowInformation(read.Error);
    return;
  }
  SetLinkTimeout(50000);
  if (Online) tmInLevelDet->SetEnabled(false);
  UnitControl->LoadPresetAndSend(read.Body);
  TransferMode = kPresetFileMode;
  if (!Online) {
    // No processor: no 0x0F will come, and the refresh runs now.
    OnBulkLoadEndReply(0, {});
    TransferMode = kPresetFileMode;
    return;
  }
  SendCommand(CM_MCS_CMD(GetDeviceId(), kBulkLoadEnd), true, true);
  if (fmProcess) {
    fmProcess->ProgressBar->SetMax(kBulkLoadProgressMax);
    fmProcess->StatusBar->showMessage(TranslateSid("SID_DOWNLOAD_PARAMETER"));
    fmProcess->ProgressBar->SetPosition(0);
  }
  tmProcessShow->SetEnabled(true);
}

// The processor has digested the preset file (and, offline, the file is
// loaded): every control shows the image again and the meters restart.
void TfmMain::OnBulkLoadEndReply(std::uint8_t, const Bytes&) {
  if (TransferMode != kPresetFileMode) return;
  TransferMode = 0;
  if (Online) {
    SendCommand(CM_MCS_CMD(GetDeviceId(), kEndOfTransfer), false, true);
    tmProcessShow->SetEnabled(false);
    if (fmProcess) fmProcess->SetModalResult(QDialog::Accepted);
  }
  Updating = true;
  SetLinkTimeout(50000);
  ApplyUnitModel();
  Updating = false;
  tmInLevelDet->SetEnabled(true);
  RestoreOnlineLinkTimeout();
}

// ---- File menu -----------------------------------------------------------------------

void TfmMain::OpenClick(QObject*) {
  // Updating is cleared on every way out, or no later edit would be sent.
  struct ClearUpdating {
    TfmMain* form;
    ~ClearUpdating() { form->SetUpdating(0); }
  } clear{this};
  SetUpdating(1);
  try {
    OpenPresetFile();
  } catch (const std::exception&) {
    SetUpdating(0);
    ShowInformation(presetfiles::kErrorFile);
    return;
  }
  SetUpdating(0);
  for (int i = 0; i < 16; ++i)
    if (auto* plot = PlotWidget(i)) plot->update();
}

void TfmMain::SaveClick(QObject*) { SavePresetFile(); }
void TfmMain::UploadClick(QObject*) { UploadStoredPresets(); }
void TfmMain::DownloadClick(QObject*) { DownloadUnitFile(); }

void TfmMain::FactoryDefaultClick(QObject*) {
  if (!Online) {
    ShowInformation("SID_INFO_CON_FIRST");
    return;
  }
  if (fmFactory) fmFactory->ShowModal();
}

void TfmMain::SendFactoryReset() {
  LinkState = 3;
  tmInLevelDet->SetEnabled(false);
  ResetMeters();
  SetLinkTimeout(10000);
  SendCommand(CM_MCS_CMD(GetDeviceId(), kFactoryReset), true, true);
}

// ---- Other commands ------------------------------------------------------------------

void TfmMain::MemorizeClick(QObject* Sender) {
  const int t = platform::Tag(Sender);
  for (const char* name : {"Memorize", "Forget", "U01"})
    if (auto* item = MenuItem(QString::fromLatin1(name))) item->SetChecked(false);
  for (const char* name : {"Memorize", "Forget", "U01"})
    if (auto* item = MenuItem(QString::fromLatin1(name)); item && platform::Tag(item) == t) item->SetChecked(true);
  UnitControl->SetMemorizeMode(static_cast<std::uint16_t>(t));
  SendCommand(CM_MCS_CMD(GetDeviceId(), kMemorizeMode, static_cast<std::uint8_t>(t)), true, true);
  SetLinkTimeout(10000);
}

void TfmMain::SettingIDClick(QObject*) {
  if (!fmIdSelect) return;
  const auto* link = FindControl<TUxBmpButton>("uxbMenuLink");
  const bool lineOnline = !UsbProc && link && link->Caption() == TranslateSid("SID_ONLINE");
  fmIdSelect->gnIdNumer->setEnabled(!lineOnline);
  QPalette palette = fmIdSelect->edId->palette();
  palette.setColor(QPalette::Base, lineOnline ? QColor(192, 192, 192) : QApplication::palette().color(QPalette::Base));
  fmIdSelect->edId->setPalette(palette);
  fmIdSelect->ShowModal();
}

void TfmMain::MemoShowClick(QObject*) {
  if (fmMemo) fmMemo->show();
}

void TfmMain::HidDataClick(QObject*) {
  if (fmHidData) fmHidData->show();
}

void TfmMain::ClearMatrixClick(QObject*) {
  if (fmMatrixClear) fmMatrixClear->ShowModal();
}

void TfmMain::ConnectedClick(QObject*) {
  if (auto* link = FindControl<TUxBmpButton>("uxbMenuLink")) link->Click();
}

void TfmMain::ConnectHelpClick(QObject*) {}

void TfmMain::bStoreClick(QObject*) {
  if (!fmStorePreset) return;
  fmStorePreset->lPresetSelect->setText(QStringLiteral("Store Preset"));
  fmStorePreset->ShowModal();
}

void TfmMain::bRecallClick(QObject*) {
  if (!fmRecallPreset) return;
  fmRecallPreset->lPresetSelect->setText(QStringLiteral("Recall Preset"));
  fmRecallPreset->ShowModal();
}

void TfmMain::uxbFbtLevel0InAClick(QObject* Sender) {
  UnitControl->SetFeedbackLevel(EditChannel, static_cast<std::uint16_t>(platform::Tag(Sender)));
}
