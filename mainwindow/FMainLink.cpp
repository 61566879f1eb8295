// Connection management: the open link, the connect routines of the three
// links, the identity check, disconnecting, link states and the link button.
#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QTcpSocket>

#include "controls/UxBmpButton.h"
#include "controls/UxComboBox.h"
#include "dialogs/FHidData.h"
#include "dialogs/FInformation.h"
#include "dialogs/FNetwork.h"
#include "dialogs/FNetworkSetup.h"
#include "dialogs/FProcess.h"
#include "link/LComm.h"
#include "link/Lnet.h"
#include "link/Lusb.h"
#include "mainwindow/FMain.h"

#include "platform/MenuItem.h"
#include "platform/Timer.h"

namespace {
const char kModelWord[] = "QRV512";
const char kModelAndVersion[] = "QRV512 V011";
}  // namespace

RequestReplyDiscipline* TfmMain::OpenLink() const {
  if (CommProc) return CommProc.get();
  if (UsbProc) return UsbProc.get();
  if (NetProc) return NetProc.get();
  return nullptr;
}

void TfmMain::SendCommand(const LCmd& cmd, bool force, bool framed) {
  RequestReplyDiscipline* link = OpenLink();
  if (!link) return;
  Bytes bytes = cmd.BuildFrame(framed ? 1 : 0);
  if (OnSubmit) OnSubmit(bytes, force);
  link->QueueFrame(std::move(bytes), force);
}

void TfmMain::SetLinkTimeout(int ms) {
  if (auto* link = OpenLink()) link->SetReplyTimeout(ms);
}

int TfmMain::OnlineLinkTimeout() const { return UsbProc ? 5000 : 1000; }

void TfmMain::RestoreOnlineLinkTimeout() { SetLinkTimeout(OnlineLinkTimeout()); }

void TfmMain::SetLinkRetries(int n) {
  if (auto* link = OpenLink()) link->SetRetryLimit(n);
}

void TfmMain::SetPollSuspended(bool suspended) {
  if (auto* link = OpenLink()) link->SetPollSuspended(suspended);
}

void TfmMain::SetDeviceId(int id) {
  if (id < 1 || id > 250 || id == DeviceId) return;
  DeviceId = id;
  if (auto* label = FindControl<QLabel>("lbShowIdNumber")) label->setText(QStringLiteral("ID : %1").arg(id));
  if (fmNetworkSetup) fmNetworkSetup->ShowDeviceId();
  if (auto* link = OpenLink()) link->SetPollDeviceId(static_cast<std::uint8_t>(id));
}

LinkOwner TfmMain::NewLinkOwner() {
  // Statuses are posted: one that arrives after its link was closed (and
  // perhaps another opened) belongs to no open link and is dropped.
  const int generation = ++linkGeneration_;
  LinkOwner owner;
  owner.OnFrame = [this](const Bytes& frame, const Bytes& answered) { OnDeviceReply(frame, answered); };
  owner.OnStatus = [this, generation](int status, int) {
    if (generation == linkGeneration_ && OpenLink()) OnLinkStateMessage(status);
  };
  owner.OnTraffic = [this, generation](const std::string& line) {
    if (generation == linkGeneration_) AddTrafficLine(QString::fromStdString(line));
  };
  owner.Receiver = uiReceiver_.Guard();
  return owner;
}

void TfmMain::AddTrafficLine(const QString& line) {
  if (fmHidData && OpenLink()) fmHidData->AddLine(line);
}

void TfmMain::CloseLinks() {
  ++linkGeneration_;
  AbandonTransfers();
  if (CommProc) CommProc->Close();
  CommProc.reset();
  if (UsbProc) UsbProc->Close();
  UsbProc.reset();
  if (NetProc) NetProc->Close();
  NetProc.reset();
}

void TfmMain::StartConnect(RequestReplyDiscipline& link, int replyTimeout) {
  AbandonTransfers();
  link.SetReplyTimeout(replyTimeout);
  link.SetRetryLimit(3);
  Connecting = true;
  SendChainRequest(CM_MCS_CMD(GetDeviceId(), 0x10), true);
}

void TfmMain::ConnectCom() {
  Online = false;
  if (CommProc) {
    ++linkGeneration_;
    CommProc->Close();
    CommProc.reset();
  }
  CommProc = std::make_unique<LCommProc>(NewLinkOwner(), GetDeviceId());
  if (!CommProc->Open(ComPortPath.toStdString())) {
    ++linkGeneration_;
    CommProc.reset();
    if (fmNetwork) fmNetwork->ReportLinkBroken();
    return;
  }
  StartConnect(*CommProc, 1000);
}

void TfmMain::ConnectUsb() {
  Online = false;
  if (UsbProc) {
    ++linkGeneration_;
    UsbProc->Close();
    UsbProc.reset();
  }
  UsbProc = std::make_unique<LUsbProc>(NewLinkOwner(), GetDeviceId(),
                                       [this](std::span<const std::uint8_t> frame, int stopFd) {
                                         return WriteUsbFrame(frame, stopFd);
                                       });
  if (!UsbProc->Open()) {
    ++linkGeneration_;
    UsbProc.reset();
    if (fmNetwork) fmNetwork->ReportConnectResult(0);
    return;
  }
  StartConnect(*UsbProc, 100);
}

void TfmMain::ConnectNet() {
  Online = false;
  if (NetProc) {
    ++linkGeneration_;
    NetProc->Close();
    NetProc.reset();
  }
  NetProc = std::make_unique<LNetProc>(NewLinkOwner(), GetDeviceId(),
                                       [this](std::span<const std::uint8_t> frame) { return WriteNetFrame(frame); });
  if (!NetProc->Open()) {
    ++linkGeneration_;
    NetProc.reset();
    if (fmNetwork) fmNetwork->ReportConnectResult(0);
    return;
  }
  ActivateClientSocket();
  StartConnect(*NetProc, 4000);
}

void TfmMain::OnConnectReply(std::uint8_t, const Bytes&) {
  Connecting = false;
  Online = true;
  if (auto* list = FindControl<QWidget>("uxcIpAddress")) list->setEnabled(false);
  if (auto* scan = FindControl<QWidget>("sbIpScan")) scan->setEnabled(false);
  SendChainRequest(CM_MCS_CMD(GetDeviceId(), 0x13), true);
  SetPollSuspended(false);
  SetLinkRetries(3);
  SetLinkTimeout(5000);
}

void TfmMain::OnIdentityReply(std::uint8_t, const Bytes& payload) {
  const std::string text(payload.begin(), payload.end());
  const char* error = nullptr;
  if (text.compare(0, 6, kModelWord) != 0 || text.size() < 6) error = "SID_INFO_ERROR_UNIT";
  else if (text.size() < 11 || text.compare(0, 11, kModelAndVersion) != 0) error = "SID_INFO_ERROR_VERSION";
  if (error) {
    SendCommand(CM_MCS_CMD(GetDeviceId(), 0x11), true, true);
    SetPollSuspended(true);
    if (fmNetwork) fmNetwork->hide();
    Online = false;
    if (fmInformation) {
      fmInformation->lbMessage->setText(TranslateSid(error));
      fmInformation->ShowModal();
    }
    tmDisconnect->SetEnabled(true);
    return;
  }
  SetCaption("uxbMenuLink", TranslateSid("SID_ONLINE"));
  if (auto* m = MenuItem("Connect")) m->SetCaption(TranslateSid("SID_DISCONNECT"));
  if (auto* m = MenuItem("Connected")) m->SetCaption(TranslateSid("SID_DISCONNECT"));
  setWindowTitle(QString::fromLatin1(kWindowTitle) + " " + kVersionText);
  if (auto* label = FindControl<QLabel>("lbShowIp")) {
    if (CommProc) label->setText(ComPortName);
    else if (UsbProc) label->setText(QStringLiteral("USB"));
    else label->setText(QStringLiteral("IP : ") + DeviceIpText());
  }
  if (auto* button = FindControl<TUxBmpButton>("uxbMenuLink")) button->SetDown(true);
  IdentityAccepted = true;
  RestoreOnlineLinkTimeout();
  StartUpload(false);
}

void TfmMain::Disconnect() {
  const bool wasNet = NetProc != nullptr;
  CloseLinks();
  if (wasNet) CloseClientSocket();
  disconnectWaits_ = 0;
  // The online state always ends with the link; the captions only change
  // when a processor had answered.
  Online = false;
  Connecting = false;
  tmInLevelDet->SetEnabled(false);
  if (fmNetwork && fmNetwork->LinkOk == 0) return;
  QDir::setCurrent(QCoreApplication::applicationDirPath());
  RescanUsbDevices();
  if (auto* m = MenuItem("Connect")) m->SetCaption(TranslateSid("SID_CONNECT"));
  if (auto* m = MenuItem("Connected")) m->SetCaption(TranslateSid("SID_CONNECT"));
  SetCaption("uxbMenuLink", TranslateSid("SID_OFFLINE"));
  setWindowTitle(QString::fromLatin1(kWindowTitle) + " " + kVersionText);
  if (auto* list = FindControl<QWidget>("uxcIpAddress")) list->setEnabled(true);
  if (auto* scan = FindControl<QWidget>("sbIpScan")) scan->setEnabled(true);
  if (auto* label = FindControl<QLabel>("lbShowIp")) label->setText(QStringLiteral("Disconnected"));
  if (auto* button = FindControl<TUxBmpButton>("uxbMenuLink")) {
    button->SetEnabled(true);
    button->SetDown(false);
  }
  if (auto* m = MenuItem("Connect")) m->SetEnabled(true);
  IdentityAccepted = false;
  setEnabled(true);
  ResetMeters();
}

void TfmMain::OnLinkStateMessage(int status) {
  if (status == kLinkNoReply && Connecting) {
    CloseLinks();
    Connecting = false;
    if (fmNetwork) fmNetwork->ReportConnectResult(0);
    return;
  }
  if (Online) {
    Disconnect();
    if (fmNetwork) {
      fmNetwork->SetScanPosition(0);
      fmNetwork->ReportLinkBroken();
      fmNetwork->ShowModal();
    }
  }
}

void TfmMain::uxbMenuLinkClick(QObject*) {
  auto* button = FindControl<TUxBmpButton>("uxbMenuLink");
  if (button) {
    button->SetEnabled(false);
    button->SetDown(false);
  }
  if (auto* m = MenuItem("Connect")) m->SetEnabled(false);
  if (IdentityAccepted) {
    SendCommand(CM_MCS_CMD(GetDeviceId(), 0x11), true, true);
    if (auto* m = MenuItem("Connect")) m->SetCaption(TranslateSid("SID_CONNECT"));
    tmDisconnect->SetEnabled(true);
    return;
  }
  if (!fmNetwork) return;
  fmNetwork->btnOKClick(fmNetwork->btnOK);
  if (auto* m = MenuItem("Connect")) m->SetCaption(TranslateSid("SID_DISCONNECT"));
  fmNetwork->ShowModal();
}

void TfmMain::tmStartConnectTimer(QObject*) {
  tmStartConnect->SetEnabled(false);
  if (auto* button = FindControl<TUxBmpButton>("uxbMenuLink")) button->Click();
}

void TfmMain::tmDisconnectTimer(QObject*) {
  tmDisconnect->SetEnabled(false);
  RequestReplyDiscipline* link = OpenLink();
  if (!link) return;
  // The end command or the restart may still wait behind a frame in flight:
  // the link gets a little longer to write it, not for ever.
  constexpr int kMaxWaits = 5;
  if (!link->AllWritten() && ++disconnectWaits_ <= kMaxWaits) {
    tmDisconnect->SetEnabled(true);
    return;
  }
  Disconnect();
  if (fmNetwork) fmNetwork->ReportLinkBroken();
}

void TfmMain::tmComScanTimer(QObject*) {
  tmComScan->SetEnabled(false);
  if (!fmNetwork || !fmNetwork->isVisible()) return;
  for (bool open = OpenLink() != nullptr; open; open = OpenLink() != nullptr) {
    if (CommProc) {
      CommProc->Close();
      CommProc.reset();
    } else if (UsbProc) {
      UsbProc->Close();
      UsbProc.reset();
    } else {
      NetProc->Close();
      NetProc.reset();
    }
    ++linkGeneration_;
    fmNetwork->ReportConnectResult(0);
  }
}

void TfmMain::SetComPortName(const QString& name, const QString& path) {
  ComPortName = name;
  ComPortPath = path.isEmpty() ? name : path;
}

void TfmMain::SetCaption(const QString& name, const QString& text) {
  if (auto* button = FindControl<TUxBmpButton>(name)) button->SetCaption(text);
}

void TfmMain::BindLinkControls() {
  if (auto* button = FindControl<TUxBmpButton>("uxbMenuLink"))
    button->OnClick = [this](QObject* s) { uxbMenuLinkClick(s); };
  if (auto* scan = FindControl<TUxBmpButton>("sbIpScan")) scan->OnClick = [this](QObject* s) { sbIpScanClick(s); };
  if (auto* list = FindControl<TUxComboBox>("uxcIpAddress"))
    list->OnChange = [this](QObject* s) { uxcIpAddressChange(s); };
  if (auto* item = MenuItem("NetworkSetup")) item->OnClick = [this](QObject* s) { NetworkSetupClick(s); };
  if (auto* item = MenuItem("Connected"))
    item->OnClick = [this](QObject*) {
      if (auto* button = FindControl<TUxBmpButton>("uxbMenuLink")) button->Click();
    };
  if (auto* item = MenuItem("HidData"))
    item->OnClick = [](QObject*) {
      if (fmHidData) fmHidData->Show();
    };
}
