// Presets in the processor: store and recall, the acknowledgement steps that
// every transfer of presets shares, and the unit-file transfers -- reading
// every stored preset (0x19, then 0x24 / 0x28 x 31 per preset) and writing a
// unit file back (0x23, 0x1A, then 0x25 x 31 per preset, and a restart).
// Each step waits for the processor's reply or plain acknowledgement.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>

#include <algorithm>

#include "controls/ExProgressBar.h"
#include "controls/UxBmpButton.h"
#include "dialogs/FInformation.h"
#include "dialogs/FProcess.h"
#include "mainwindow/FMain.h"
#include "model/Lunitcontrol.h"
#include "model/PresetFiles.h"
#include "platform/Dialogs.h"
#include "platform/Format.h"
#include "platform/TextCodec.h"
#include "platform/Timer.h"

namespace {

constexpr std::uint8_t kAcknowledge = 0x01;
constexpr std::uint8_t kMcuReset = 0x04;
constexpr std::uint8_t kEndOfTransfer = 0x12;
constexpr std::uint8_t kSystemBytesReply = 0x19;
constexpr std::uint8_t kRecall = 0x20;
constexpr std::uint8_t kStore = 0x21;
constexpr std::uint8_t kPrepareDownload = 0x23;
constexpr std::uint8_t kSelectStored = 0x24;
constexpr std::uint8_t kDownloadReply = 0x25;
constexpr std::uint8_t kStoredBlock = 0x28;
constexpr std::uint8_t kWriteEeprom = 0x1A;
constexpr std::uint8_t kPresetName = 0x26;
constexpr std::uint8_t kChannelCopy = 0x2A;
constexpr int kPresetFileMode = 12;

constexpr int kLastBlock = kBlockCount - 1;       // 30
constexpr int kEndSlot = 22;                      // reading: one past U21
constexpr int kDownloadEnd = 23;                  // writing: one past image 22
constexpr std::size_t kLastBlockBytes = kPresetStreamSize - kLastBlock * kBlockSize;  // 8

std::uint8_t Lo(int v) { return static_cast<std::uint8_t>(v); }

void SetProgress(const QString& status, int max) {
  if (!fmProcess) return;
  fmProcess->StatusBar->showMessage(status);
  fmProcess->ProgressBar->SetMax(max);
  fmProcess->ProgressBar->SetPosition(0);
}

void SetProgressPosition(int position) {
  if (fmProcess) fmProcess->ProgressBar->SetPosition(position);
}

int ProgressPosition() { return fmProcess ? fmProcess->ProgressBar->Position() : 0; }

// The command whose acknowledgement completes each step. A state of no step
// (none, or the unlock) is ended by any acknowledgement.
bool IsStepCommand(int state, std::uint8_t code) {
  switch (state) {
    case 1: return code == kRecall;
    case 2: return code == kPresetName;
    case 9: return code == kStore;
    case 3: case 10: return code == kPrepareDownload;  // the factory reset's 0x23 starts a download too
    case 4: return code == kSelectStored;
    case 5: return code == kWriteEeprom;
    case 6: return code == kEndOfTransfer || code == kChannelCopy;
    default: return true;
  }
}

}  // namespace

void TfmMain::InstallPresetHandlers() {
  SetReplyHandler(kAcknowledge, [this](std::uint8_t, const Bytes&) { OnAcknowledge(answeredCode_); });
  SetReplyHandler(kSystemBytesReply, [this](std::uint8_t id, const Bytes& p) { OnSystemBytesReply(id, p); });
  SetReplyHandler(kStoredBlock, [this](std::uint8_t id, const Bytes& p) { OnPresetBlockReply(id, p); });
  SetReplyHandler(kDownloadReply, [this](std::uint8_t id, const Bytes& p) { OnPresetDownloadReply(id, p); });
  SetReplyHandler(0x0F, [this](std::uint8_t id, const Bytes& p) { OnBulkLoadEndReply(id, p); });
  tmUpload->OnTimer = [this](QObject* sender) { tmUploadTimer(sender); };
  if (auto* b = FindControl<TUxBmpButton>("bStore")) b->OnClick = [this](QObject* s) { bStoreClick(s); };
  if (auto* b = FindControl<TUxBmpButton>("bRecall")) b->OnClick = [this](QObject* s) { bRecallClick(s); };
  for (int level = 0; level < 5; ++level)
    if (auto* b = FindControl<TUxBmpButton>(QStringLiteral("uxbFbtLevel%1InA").arg(level)))
      b->OnClick = [this](QObject* s) { uxbFbtLevel0InAClick(s); };
}

void TfmMain::ShowInformation(const char* key) {
  if (!fmInformation) return;
  fmInformation->lbMessage->setText(TranslateSid(QString::fromLatin1(key)));
  fmInformation->ShowModal();
}

// ---- Store and recall ------------------------------------------------------------

void TfmMain::StorePreset(int n, const std::string& name) {
  if (!Online) return;
  LinkState = 2;
  tmInLevelDet->SetEnabled(false);
  ResetMeters();
  CurrentPreset = n + 1;
  UnitControl->MarkPresetStored(n);
  UnitControl->SetPresetName(std::span(reinterpret_cast<const std::uint8_t*>(name.data()), name.size()));
  if (auto* label = FindControl<QLabel>("lbPstNum"))
    label->setText(QString::fromStdString(platform::FormatC("U%02d", n + 1)));
  if (auto* label = FindControl<QLabel>("lbPstName"))
    label->setText(QString::fromStdString(UnitControl->GetPresetNameText()));
  SetLinkTimeout(10000);
  SendCommand(CM_MCS_PRESETNAME(GetDeviceId(), UnitControl->GetPresetName()), true, true);
  SetProgress(TranslateSid("SID_STORE_PRESET"), 2);
  // Modal, so it opens once the caller has returned.
  tmProcessShow->SetEnabled(true);
}

void TfmMain::RecallPreset(int n) {
  if (!Online) return;
  LinkState = 1;
  tmInLevelDet->SetEnabled(false);
  ResetMeters();
  SetLinkTimeout(10000);
  CurrentPreset = n;
  SendCommand(CM_MCS_CMD(GetDeviceId(), kRecall, Lo(n)), true, true);
  SetProgress(TranslateSid("SID_LOAD_PRESET"), kBlockCount);
  tmProcessShow->SetEnabled(true);
}

// Only the acknowledgement of the step's own command completes it: one of a
// parameter command sent meanwhile, or of a command of an earlier connection,
// leaves the step waiting.
void TfmMain::OnAcknowledge(std::uint8_t acknowledgedCode) {
  if (!IsStepCommand(LinkState, acknowledgedCode)) return;
  const int state = LinkState;
  LinkState = 0;
  switch (state) {
    case 1:
      SetLinkTimeout(5000);
      RequestParameterBlock(0);
      break;
    case 2:
      SetLinkTimeout(10000);
      SendCommand(CM_MCS_CMD(GetDeviceId(), kStore, Lo(CurrentPreset)), true, true);
      SetProgressPosition(1);
      LinkState = 9;
      break;
    case 9:
      if (fmProcess) SetProgressPosition(fmProcess->ProgressBar->Max());
      RestoreOnlineLinkTimeout();
      SendCommand(CM_MCS_CMD(GetDeviceId(), kEndOfTransfer), false, true);
      tmProcessShow->SetEnabled(false);
      if (fmProcess) fmProcess->SetModalResult(QDialog::Accepted);
      tmInLevelDet->SetEnabled(true);
      break;
    case 3:
      SetLinkTimeout(5000);
      SendCommand(CM_MCS_MCU_RESET(GetDeviceId()), true, true);
      tmDisconnect->SetEnabled(true);
      break;
    case 4:
      SetLinkTimeout(5000);
      SendCommand(CM_MCS_CMD(GetDeviceId(), kStoredBlock, 0), true, true);
      break;
    case 10:
      SendCommand(CM_MCS_WRITE_EEPROM(GetDeviceId(), 1, kSystemByteCount - 1,
                                      std::span(UnitSystemBytes).subspan(1)),
                  true, true);
      LinkState = 5;
      break;
    case 5:
      DownloadNextPreset(PresetDownloadSlot);
      break;
    case 6:
      SetLinkTimeout(5000);
      StartUpload(true);
      break;
    default:
      if (TransferMode == kPresetFileMode) SetProgressPosition(ProgressPosition() + 1);
      break;
  }
}

void TfmMain::AbandonTransfers() {
  // A link that stays open waits no longer than online for what comes next.
  if (IdentityAccepted && OpenLink()) RestoreOnlineLinkTimeout();
  LinkState = 0;
  PresetReadSlot = 255;
  PresetDownloadSlot = 0;
  chainRequest_.reset();
  const bool loading = TransferMode == kPresetFileMode;
  TransferMode = 0;
  if (!uiReceiver_.Guard().Alive()) return;  // the window is ending: nothing to show
  tmProcessShow->SetEnabled(false);
  if (fmProcess && fmProcess->isVisible()) fmProcess->close();
  setEnabled(true);  // a unit download disables the window
  if (loading) {
    // The image holds the file whether or not the processor got all of it.
    const bool updating = Updating;
    Updating = true;
    ApplyUnitModel();
    Updating = updating;
  }
}

// ---- Reading every stored preset -----------------------------------------------

void TfmMain::UploadStoredPresets() {
  if (!Online) {
    ShowInformation("SID_INFO_CON_FIRST");
    return;
  }
  PresetReadSlot = 255;
  int stored = 0;
  for (int n = 0; n < kPresetCount; ++n) {
    if (!UnitControl->IsPresetStored(n)) continue;
    if (stored++ == 0) PresetReadSlot = n + 1;
  }
  if (stored == 0) {
    ShowInformation("SID_INFO_NO_SAVE_EXIST");
    return;
  }
  tmInLevelDet->SetEnabled(false);
  ResetMeters();
  SendCommand(CM_MCS_READ_EEPROM(GetDeviceId(), 0, kSystemByteCount), true, true);
  // One step per block read, so the bar moves through every preset.
  SetProgress(TranslateSid("SID_UPLOAD_PRESET"), stored * kBlockCount);
  tmProcessShow->SetEnabled(true);
}

void TfmMain::OnSystemBytesReply(std::uint8_t, const Bytes& payload) {
  UnitControl->ApplySystemBytes(payload);
  if (PresetReadSlot >= 1 && PresetReadSlot <= kPresetCount) SelectPresetForRead(PresetReadSlot);
}

void TfmMain::SelectPresetForRead(int slot) {
  LinkState = 4;
  SendCommand(CM_MCS_CMD(GetDeviceId(), kSelectStored, Lo(slot)), true, true);
}

void TfmMain::OnPresetBlockReply(std::uint8_t, const Bytes& payload) {
  if (payload.empty()) return;
  const int n = payload[0];
  UnitControl->ApplyPresetBlock(PresetReadSlot, payload);
  SetProgressPosition(ProgressPosition() + 1);
  if (n < kLastBlock) {
    SendCommand(CM_MCS_CMD(GetDeviceId(), kStoredBlock, Lo(n + 1)), true, true);
    return;
  }
  // Past the last block, or no read under way: nothing to advance.
  if (n > kLastBlock || PresetReadSlot < 1 || PresetReadSlot >= kEndSlot) return;
  do {
    ++PresetReadSlot;
  } while (PresetReadSlot < kEndSlot && !UnitControl->IsPresetStored(PresetReadSlot - 1));
  if (PresetReadSlot < kEndSlot) {
    LinkState = 4;
    SendCommand(CM_MCS_CMD(GetDeviceId(), kSelectStored, Lo(PresetReadSlot)), true, true);
    return;
  }
  RestoreOnlineLinkTimeout();
  SendCommand(CM_MCS_CMD(GetDeviceId(), kEndOfTransfer), false, true);
  tmProcessShow->SetEnabled(false);
  if (fmProcess) fmProcess->SetModalResult(QDialog::Accepted);
  tmUpload->SetEnabled(true);
  tmInLevelDet->SetEnabled(true);
}

void TfmMain::tmUploadTimer(QObject*) {
  // A second event may have been queued before the timer stopped.
  if (!tmUpload->Enabled()) return;
  tmUpload->SetEnabled(false);
  const std::optional<QString> chosen = ChooseTransferFile(FileKind::Unit, true, "SID_UPLOAD");
  if (chosen) {
    const std::string path = presetfiles::WithExtension(QFile::encodeName(*chosen).toStdString(), "unt");
    if (!UnitControl->SaveUnitFile(path)) ShowInformation(presetfiles::kErrorFile);
  }
  QDir::setCurrent(QCoreApplication::applicationDirPath());
  // The meters start 300 ms later, without holding up the window meanwhile.
  platform::Timer* wait = new platform::Timer(this, 300);
  wait->OnTimer = [this, wait](QObject*) {
    wait->SetEnabled(false);
    tmInLevelDet->SetEnabled(true);
    wait->deleteLater();
  };
  wait->SetEnabled(true);
}

// ---- Writing a unit file ----------------------------------------------------------

void TfmMain::DownloadUnitFile() {
  if (!Online) {
    ShowInformation("SID_INFO_CON_FIRST");
    return;
  }
  const std::optional<QString> chosen = ChooseTransferFile(FileKind::Unit, false, "SID_DOWNLOAD");
  if (!chosen) return;
  // Anything far larger than a unit file is no unit file.
  const auto file = presetfiles::ReadWholeFile(QFile::encodeName(*chosen).toStdString(), 1 << 20);
  if (!file) {
    ShowInformation(presetfiles::kErrorDownload);
    return;
  }
  const presetfiles::UnitFileRead read = presetfiles::ReadUnitFile(*file);
  if (read.Error) {
    ShowInformation(read.Error);
    return;
  }
  UnitSystemBytes = read.Data.System;
  for (std::size_t r = 0; r < read.Data.Records.size(); ++r) StoredPresetImages[r + 1] = read.Data.Records[r];
  StoredPresetImages[kEndSlot] = {};

  PresetDownloadSlot = 1;
  tmInLevelDet->SetEnabled(false);
  ResetMeters();
  SetLinkTimeout(10000);
  LinkState = 10;
  SendCommand(CM_MCS_CMD(GetDeviceId(), kPrepareDownload), true, true);

  setEnabled(false);
  int stored = 0;
  for (int p = 1; p <= kPresetCount; ++p) stored += StoredPresetImages[static_cast<std::size_t>(p)][1] == presetfiles::kStoredMarker;
  // One step per block written.
  SetProgress(TranslateSid("SID_DOWNLOAD_PRESET"), stored * kBlockCount);
  if (fmProcess) fmProcess->show();
}

void TfmMain::DownloadNextPreset(int slot) {
  while (slot < kDownloadEnd) {
    const auto& image = StoredPresetImages[static_cast<std::size_t>(slot)];
    PresetDownloadSlot = slot;
    if (image[1] == presetfiles::kStoredMarker) {
      std::copy_n(image.begin() + 1, kBlockSize, DownloadBlock.begin());
      // Every block of a preset goes to index slot - 1.
      SendCommand(CM_MCS_DOWNLOAD(GetDeviceId(), Lo(slot - 1), 0, kBlockSize, DownloadBlock), true, true);
      return;
    }
    ++slot;
    PresetDownloadSlot = slot;
  }
  // Finish: the processor restarts with what it was given.
  if (fmProcess) {
    fmProcess->hide();
    fmProcess->StatusBar->clearMessage();
  }
  setEnabled(true);
  activateWindow();
  RestoreOnlineLinkTimeout();
  SendCommand(CM_MCS_MCU_RESET(GetDeviceId()), true, true);
  tmDisconnect->SetEnabled(true);
}

void TfmMain::OnPresetDownloadReply(std::uint8_t, const Bytes& payload) {
  if (payload.empty() || PresetDownloadSlot < 1 || PresetDownloadSlot > kEndSlot) return;
  const int b = payload[0];
  SetProgressPosition(ProgressPosition() + 1);
  const auto& image = StoredPresetImages[static_cast<std::size_t>(PresetDownloadSlot)];
  if (b < kLastBlock) {
    const int k = b + 1;
    const std::size_t count = k < kLastBlock ? kBlockSize : kLastBlockBytes;
    const auto from = image.begin() + 1 + static_cast<std::ptrdiff_t>(k * kBlockSize);
    std::copy_n(from, count, DownloadBlock.begin());
    SendCommand(CM_MCS_DOWNLOAD(GetDeviceId(), Lo(PresetDownloadSlot - 1), Lo(k), Lo(static_cast<int>(count)),
                                DownloadBlock),
                true, true);
    return;
  }
  ++PresetDownloadSlot;
  DownloadNextPreset(PresetDownloadSlot);
}
