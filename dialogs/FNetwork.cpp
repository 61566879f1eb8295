#include "dialogs/FNetwork.h"

#include "controls/ExProgressBar.h"
#include "controls/UxBmpButton.h"
#include "controls/UxComboBox.h"
#include "dialogs/FProcess.h"
#include "dialogs/DialogLook.h"
#include "mainwindow/FMain.h"
#include "platform/MenuItem.h"
#include "platform/Timer.h"

TfmNetwork* fmNetwork = nullptr;

TfmNetwork::TfmNetwork() {
  setObjectName(QStringLiteral("fmNetwork"));
  setWindowTitle(QStringLiteral("Connect"));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint);
  setFixedSize(359, 150);
  dialogs::ApplyDialogLook(this);

  imBase = Create<QLabel>(this, "imBase");
  dialogs::SetPicture(imBase, dialogs::Picture::Panel, QRect(0, 0, 360, 150));
  lblScan = Create<QLabel>(this, "lblScan");
  lblScan->setGeometry(33, 14, 293, 22);
  lblDeviceID = Create<QLabel>(this, "lblDeviceID");
  lblDeviceID->setGeometry(33, 38, 293, 20);
  lblDeviceID->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  pbScan = Create<TExProgressBar>(this, "pbScan");
  pbScan->setGeometry(33, 60, 293, 21);
  pbScan->SetCompletionSmooth(true);
  pbScan->SetPosition(0);
  cbCOM = Create<QComboBox>(this, "cbCOM");
  cbCOM->setGeometry(33, 60, 100, 21);
  cbCOM->setVisible(false);
  btnOK = Create<TUxBmpButton>(this, "btnOK");
  dialogs::SetButtonFaces(btnOK, QRect(33, 100, 90, 33));
  btnId = Create<TUxBmpButton>(this, "btnId");
  dialogs::SetButtonFaces(btnId, QRect(134, 100, 90, 33));
  btnExit = Create<TUxBmpButton>(this, "btnExit");
  dialogs::SetButtonFaces(btnExit, QRect(236, 100, 90, 33));

  auto timer = [this](const char* name, int interval) {
    auto* t = new platform::Timer(this, interval);
    Register(t, QString::fromLatin1(name));
    return t;
  };
  tmRunUsbConnect = timer("tmRunUsbConnect", 100);
  tmRunNetConnect = timer("tmRunNetConnect", 100);
  tmRunComConnect = timer("tmRunComConnect", 100);
  tmWatchDog = timer("tmWatchDog", 6000);
  tmConnect = timer("tmConnect", 100);
  tmLinkBroken = timer("tmLinkBroken", 100);
  BindHandlers();
}

void TfmNetwork::FormShow() {
  if (!fmMain) return;
  setWindowTitle(fmMain->TranslateSid("SID_CONNECT"));
  btnOK->SetCaption(fmMain->TranslateSid("SID_START_SCAN"));
  btnExit->SetCaption(fmMain->TranslateSid("SID_DEMO"));
  btnId->SetCaption(fmMain->TranslateSid("SID_SET"));
}

std::function<std::vector<platform::SerialPortInfo>()> TfmNetwork::PortLister = [] {
  return platform::ListSerialPorts();
};

void TfmNetwork::BindHandlers() {
  btnOK->OnClick = [this](QObject* s) { btnOKClick(s); };
  btnId->OnClick = [this](QObject* s) { btnIdClick(s); };
  btnExit->OnClick = [this](QObject* s) { btnExitClick(s); };
  tmRunUsbConnect->OnTimer = [this](QObject*) {
    tmRunUsbConnect->SetEnabled(false);
    if (fmMain) fmMain->ConnectUsb();
  };
  tmRunNetConnect->OnTimer = [this](QObject*) {
    tmRunNetConnect->SetEnabled(false);
    if (fmMain) fmMain->ConnectNet();
  };
  tmRunComConnect->OnTimer = [this](QObject*) {
    tmRunComConnect->SetEnabled(false);
    if (fmMain) fmMain->ConnectCom();
  };
  tmWatchDog->OnTimer = [this](QObject*) {
    tmWatchDog->SetEnabled(false);
    tmConnect->SetEnabled(true);
  };
  tmConnect->OnTimer = [this](QObject* s) { tmConnectTimer(s); };
  tmLinkBroken->OnTimer = [this](QObject* s) { tmLinkBrokenTimer(s); };
}

void TfmNetwork::EnableButtons(bool on) {
  btnOK->SetEnabled(on);
  btnId->SetEnabled(on);
  btnExit->SetEnabled(on);
}

void TfmNetwork::SetScanPosition(int position) { pbScan->SetPosition(position); }

void TfmNetwork::StartScan() {
  ExtraSteps = 0;
  EnableButtons(false);
  BuildPortListAndScan();
}

void TfmNetwork::BuildPortListAndScan() {
  cbCOM->clear();
  portPaths_.clear();
  // The system's list comes ordered by port number; names without a number
  // come first and never stop the scan.
  for (const platform::SerialPortInfo& port : PortLister()) {
    cbCOM->addItem(QString::fromStdString(port.name));
    portPaths_.push_back(port.path);
  }
  if (cbCOM->count() > 0) cbCOM->setCurrentIndex(0);
  if (fmMain && fmMain->HasUsbProcessor()) {
    ExtraSteps = 1;
    firstStep_ = StepKind::Usb;
  } else if (fmMain && fmMain->DeviceIp != std::array<std::uint8_t, 4>{0, 0, 0, 0}) {
    ExtraSteps = 1;
    firstStep_ = StepKind::Net;
    fmMain->ActivateClientSocket();
  } else {
    ExtraSteps = 0;
    firstStep_ = StepKind::Com;
    if (cbCOM->count() == 0) {
      ShowNoDevice();
      tmConnect->SetEnabled(true);
      return;
    }
  }
  ScanStep = 1;
  StartStep();
}

void TfmNetwork::ArmWatchDog(int ms) {
  tmWatchDog->SetEnabled(false);
  tmWatchDog->SetInterval(ms);
  tmWatchDog->SetEnabled(true);
}

void TfmNetwork::StartStep() {
  const int n = StepCount();
  lblDeviceID->setText(QStringLiteral("%1/%2").arg(ScanStep).arg(n));
  pbScan->SetMax(n);
  pbScan->SetPosition(ScanStep);
  const bool extra = ScanStep <= ExtraSteps;
  if (extra && firstStep_ == StepKind::Usb) {
    lblScan->setText(fmMain ? fmMain->TranslateSid("SID_SCAN_USB") : QString());
    ArmWatchDog(6000);
    tmRunUsbConnect->SetEnabled(true);
  } else if (extra && firstStep_ == StepKind::Net) {
    lblScan->setText(fmMain ? fmMain->TranslateSid("SID_SCAN_NET") : QString());
    ArmWatchDog(2000);
    tmRunNetConnect->SetEnabled(true);
  } else {
    const int k = ScanStep - ExtraSteps;  // from 1
    const QString name = cbCOM->itemText(k - 1);
    lblScan->setText((fmMain ? fmMain->TranslateSid("SID_SCAN") : QString()) + name + " ......");
    if (fmMain) fmMain->SetComPortName(name, QString::fromStdString(portPaths_[k - 1]));
    ArmWatchDog(10000);
    tmRunComConnect->SetEnabled(true);
  }
}

void TfmNetwork::ShowNoDevice() {
  pbScan->SetPosition(pbScan->Max());
  lblScan->setText(fmMain ? fmMain->TranslateSid("SID_NO_DEVICE") : QString());
  lblDeviceID->clear();
}

void TfmNetwork::ReportConnectResult(std::uint8_t ok) {
  LinkOk = ok;
  tmConnect->SetEnabled(true);
}

void TfmNetwork::ReportLinkBroken() {
  LinkOk = 0;
  tmLinkBroken->SetEnabled(true);
  if (fmProcess && fmProcess->isVisible()) fmProcess->close();
}

void TfmNetwork::tmConnectTimer(QObject*) {
  tmConnect->SetEnabled(false);
  if (LinkOk == 1) {
    SetModalResult(platform::mrOk);
    return;
  }
  if (fmMain) fmMain->Disconnect();
  if (ScanStep >= StepCount()) {
    EnableButtons(true);
    ShowNoDevice();
    return;
  }
  ++ScanStep;
  StartStep();
}

void TfmNetwork::tmLinkBrokenTimer(QObject*) {
  tmLinkBroken->SetEnabled(false);
  EnableButtons(true);
  lblScan->setText(fmMain ? fmMain->TranslateSid("SID_LINK_BROKEN") : QString());
  lblDeviceID->clear();
}

void TfmNetwork::btnOKClick(QObject*) {
  if (fmMain) {
    auto* list = fmMain->FindControl<TUxComboBox>("uxcIpAddress");
    if (!list || list->ItemIndex() < 0) fmMain->SendDiscovery();
    fmMain->RescanUsbDevices();
    fmMain->RecheckoutHidDevice();
  }
  StartScan();
}

void TfmNetwork::btnIdClick(QObject*) {
  if (fmMain) fmMain->NetworkSetupClick(fmMain);
}

void TfmNetwork::btnExitClick(QObject*) {
  if (fmMain) {
    if (auto* link = fmMain->FindControl<TUxBmpButton>("uxbMenuLink")) link->SetEnabled(true);
    if (auto* item = fmMain->MenuItem("Connect")) item->SetEnabled(true);
  }
  SetModalResult(platform::mrCancel);
}
