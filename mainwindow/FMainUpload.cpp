// The connect-time upload: after the identity check the processor's state is
// read as a chain of requests, each reply handler storing what arrived and
// asking for the next part. Stored-preset flags (0x22), current preset
// (0x14), over USB the processor's address (0xB0), the 21 stored-preset names
// (0x29), the group controls (0x6C) and the current preset in 31 blocks
// (0x27, answered by 0x24), closed by 0x12. The progress window runs
// meanwhile; at the end every control is loaded from the image and meter
// polling starts. The same block read serves the recall of a preset. Each
// request is the chain's outstanding one (SendChainRequest): a reply that
// does not answer it, such as a late duplicate after a resend, moves nothing.
#include <QCoreApplication>
#include <QDir>
#include <QTableWidget>

#include <algorithm>
#include <array>

#include "controls/ExProgressBar.h"
#include "controls/UxBmpButton.h"
#include "dialogs/FNetworkSetup.h"
#include "dialogs/FProcess.h"
#include "dialogs/FRecallPreset.h"
#include "dialogs/FStorePreset.h"
#include "mainwindow/FMain.h"
#include "model/Lunitcontrol.h"
#include "platform/MenuItem.h"
#include "platform/TextCodec.h"
#include "platform/Timer.h"

namespace {

constexpr std::uint8_t kUploadStart = 0x22;
constexpr std::uint8_t kCurrentPreset = 0x14;
constexpr std::uint8_t kDeviceIp = 0xB0;
constexpr std::uint8_t kPresetName = 0x29;
constexpr std::uint8_t kGroupCtrl = 0x6C;
constexpr std::uint8_t kReadBlock = 0x27;
constexpr std::uint8_t kBlockReply = 0x24;
constexpr std::uint8_t kEndOfTransfer = 0x12;

constexpr int kNameChars = 14;
constexpr int kLastNameRequest = 21;  // names 0-20; a reply for 22 or more stops the chain
constexpr int kLastBlockNumber = kBlockCount - 1;

// Rows the list does not have are left alone by the list itself.
void SetRowName(TPresetListWindow* list, int row, const QString& name) {
  if (list) list->SetRowName(row, name);
}

// Until the processor's names arrive every list row reads "Default Preset".
void SetDefaultPresetNames() {
  const QString name = QStringLiteral("Default Preset");
  for (int row = 1; row <= kPresetCount; ++row) SetRowName(fmRecallPreset, row, name);
  for (int row = 0; row < kPresetCount; ++row) SetRowName(fmStorePreset, row, name);
}

// The 14 name characters of a name reply (payload bytes 1-14). A NUL shows as
// a blank; a reply cut short reads as blanks where its bytes are missing.
std::array<std::uint8_t, kNameChars> NameBytes(const Bytes& payload) {
  std::array<std::uint8_t, kNameChars> name;
  name.fill(' ');
  for (int i = 0; i < kNameChars && static_cast<std::size_t>(i) + 1 < payload.size(); ++i)
    name[static_cast<std::size_t>(i)] = payload[static_cast<std::size_t>(i) + 1];
  return name;
}

// Stored preset n (0-20) shows in recall row row and store row row - 1.
void ShowStoredPresetName(int row, const Bytes& payload) {
  std::array<std::uint8_t, kNameChars> name = NameBytes(payload);
  std::replace(name.begin(), name.end(), std::uint8_t{0}, std::uint8_t{' '});
  const QString text = QString::fromStdString(platform::DeviceToUtf8(name.data(), name.size()));
  SetRowName(fmRecallPreset, row, text);
  SetRowName(fmStorePreset, row - 1, text);
}

void SetProgressPosition(int position) {
  if (fmProcess && fmProcess->ProgressBar) fmProcess->ProgressBar->SetPosition(position);
}

}  // namespace

void TfmMain::InstallUploadHandlers() {
  SetReplyHandler(kUploadStart, [this](std::uint8_t id, const Bytes& p) { OnUploadStartReply(id, p); });
  SetReplyHandler(kCurrentPreset, [this](std::uint8_t id, const Bytes& p) { OnCurrentPresetReply(id, p); });
  SetReplyHandler(kDeviceIp, [this](std::uint8_t id, const Bytes& p) { OnDeviceIpReply(id, p); });
  SetReplyHandler(kPresetName, [this](std::uint8_t id, const Bytes& p) { OnPresetNameReply(id, p); });
  SetReplyHandler(kGroupCtrl, [this](std::uint8_t id, const Bytes& p) { OnGroupCtrlReply(id, p); });
  SetReplyHandler(kBlockReply, [this](std::uint8_t id, const Bytes& p) { OnParameterBlockReply(id, p); });
  tmProcessShow->OnTimer = [this](QObject* sender) { tmProcessShowTimer(sender); };
}

void TfmMain::tmProcessShowTimer(QObject*) {
  tmProcessShow->SetEnabled(false);
  if (fmProcess && !fmProcess->isVisible()) fmProcess->ShowModal();
}

void TfmMain::StartUpload(bool force) { SendChainRequest(CM_MCS_CMD(GetDeviceId(), kUploadStart), force); }

void TfmMain::RequestParameterBlock(int n) {
  SendChainRequest(CM_MCS_CMD(GetDeviceId(), kReadBlock, static_cast<std::uint8_t>(n)), true);
}

void TfmMain::OnUploadStartReply(std::uint8_t, const Bytes& payload) {
  SendChainRequest(CM_MCS_CMD(GetDeviceId(), kCurrentPreset), true);
  UnitControl->SetPresetFlags(payload);
  SetDefaultPresetNames();
  if (fmProcess) {
    fmProcess->StatusBar->showMessage(TranslateSid("SID_UPLOAD_PARAMETER"));
    fmProcess->ProgressBar->SetPosition(0);
    fmProcess->ProgressBar->SetMax(kBlockCount);
  }
  // The window is modal: it opens from a timer so that this handler, and
  // the link's hand-over with it, returns first.
  tmProcessShow->SetEnabled(true);
}

void TfmMain::OnCurrentPresetReply(std::uint8_t, const Bytes& payload) {
  // An empty reply keeps the number we had; the chain goes on regardless.
  if (!payload.empty()) CurrentPreset = payload[0];
  if (UsbProc) SendChainRequest(CM_MCS_CMD(GetDeviceId(), kDeviceIp), true);
  else SendChainRequest(CM_MCS_CMD(GetDeviceId(), kPresetName, 0), true);
}

void TfmMain::OnDeviceIpReply(std::uint8_t, const Bytes& payload) {
  if (payload.size() >= DeviceIp.size()) {
    std::copy_n(payload.begin(), DeviceIp.size(), DeviceIp.begin());
    if (fmNetworkSetup) fmNetworkSetup->ShowDeviceIp();
  }
  SendChainRequest(CM_MCS_CMD(GetDeviceId(), kPresetName, 0), true);
}

void TfmMain::OnPresetNameReply(std::uint8_t, const Bytes& payload) {
  if (payload.empty()) return;
  const int n = payload[0];
  if (n > kLastNameRequest) return;
  ShowStoredPresetName(n + 1, payload);
  if (n == CurrentPreset) UnitControl->SetPresetName(NameBytes(payload));
  if (n + 1 < kPresetCount)
    SendChainRequest(CM_MCS_CMD(GetDeviceId(), kPresetName, static_cast<std::uint8_t>(n + 1)), true);
  else
    SendChainRequest(CM_MCS_CMD(GetDeviceId(), kGroupCtrl, 0), true);
}

void TfmMain::OnGroupCtrlReply(std::uint8_t, const Bytes& payload) {
  UnitControl->ApplyGroupCtrl(payload);
  RequestParameterBlock(0);
}

void TfmMain::OnParameterBlockReply(std::uint8_t, const Bytes& payload) {
  if (payload.empty()) return;
  const int n = payload[0];
  QDir::setCurrent(QCoreApplication::applicationDirPath());
  UnitControl->ApplyParameterBlock(payload);
  if (n < kLastBlockNumber) {
    RequestParameterBlock(n + 1);
    SetProgressPosition(n);
    return;
  }
  // A block number past the last one names no block and ends nothing.
  if (n > kLastBlockNumber) return;

  SetProgressPosition(kBlockCount);
  RestoreOnlineLinkTimeout();
  SendCommand(CM_MCS_CMD(GetDeviceId(), kEndOfTransfer), false, true);
  // A transfer quicker than the show timer would otherwise open the window
  // after its end, with nothing left to close it.
  tmProcessShow->SetEnabled(false);
  if (fmProcess) fmProcess->SetModalResult(QDialog::Accepted);
  ++UploadRefreshCount;
  ApplyUnitModel();
  tmInLevelDet->SetEnabled(true);
  if (auto* button = FindControl<TUxBmpButton>("uxbMenuLink")) {
    button->SetEnabled(true);
    button->SetDown(false);
    button->SetDown(true);
  }
  if (auto* m = MenuItem("Connect")) m->SetEnabled(true);
}
