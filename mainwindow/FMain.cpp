#include "mainwindow/FMain.h"
#include "mainwindow/MainLayout.h"

#include <QCoreApplication>
#include <QLabel>
#include <QMenuBar>
#include <QTcpSocket>
#include <QUdpSocket>

#include "dialogs/FExit.h"
#include "display/Plot.h"
#include "link/LComm.h"
#include "link/Lnet.h"
#include "link/Lusb.h"
#include "model/Lunitcontrol.h"
#include "platform/MenuItem.h"
#include "platform/Timer.h"

TfmMain* fmMain = nullptr;
platform::NetworkEndpoints TfmMain::StartEndpoints;

TfmMain::TfmMain() : Endpoints(StartEndpoints) {
  setObjectName(QStringLiteral("fmMain"));
  BuildMenus();
  BuildTimers();
  CreateHidController();
  BuildForm();
  BindLinkControls();
  BindNavigation();
  BindStripHandlers();
  BindDynamicsHandlers();
  BindEqEditing();
  BindCutEditing();
  BindOverlaySwitches();
  BindEqDrag();
  BindLevelHandlers();
  BindDelayHandlers();
  BindNameCommands();
  BindLockCommands();
  InstallReplyHandlers();
  InstallUploadHandlers();
  InstallMeterHandlers();
  InstallPresetHandlers();
  BuildSplash();
}

TfmMain::~TfmMain() {
  // Nothing posted for the window runs from here on. The links stop first:
  // their workers write through the USB device and the sockets. The device
  // is checked in, and the controller and sockets go, while the window is
  // still whole, since their handlers refer to it.
  uiReceiver_.End();
  CloseLinks();
  HidDevice.reset();
  delete HidCtl;
  HidCtl = nullptr;
  delete ClientSocket;
  ClientSocket = nullptr;
  delete UdpServer;
  UdpServer = nullptr;
}

void TfmMain::BuildTimers() {
  auto timer = [this](platform::Timer*& field, const char* name, int interval, void (TfmMain::*handler)(QObject*)) {
    field = new platform::Timer(this, interval);
    Register(field, QString::fromLatin1(name));
    if (handler) field->OnTimer = [this, handler](QObject* sender) { (this->*handler)(sender); };
  };
  timer(tmStartConnect, "tmStartConnect", 300, &TfmMain::tmStartConnectTimer);
  timer(tmClose, "tmClose", 300, &TfmMain::tmCloseTimer);
  timer(tmDisconnect, "tmDisconnect", 300, &TfmMain::tmDisconnectTimer);
  timer(tmComScan, "tmComScan", 1, &TfmMain::tmComScanTimer);
  timer(tmInLevelDet, "tmInLevelDet", 300, nullptr);
  timer(tmProcessShow, "tmProcessShow", 100, nullptr);
  timer(tmUpload, "tmUpload", 300, nullptr);
}

void TfmMain::FormCreate() {
  // 1-3
  setWindowTitle(QString::fromLatin1(kWindowTitle) + " " + kVersionText);
  Hint = QString::fromLatin1(kWindowTitle);
  SetDeviceId(1);
  DragPoint = -1;
  CurrentPage = 21;
  CompChannel = 8;
  GateChannel = 0;
  AgcChannel = 0;

  // 4
  if (auto* w = FindControl<QWidget>("uxgFftInA")) w->setVisible(true);
  if (auto* w = FindControl<QWidget>("uxgParamGain")) w->setVisible(true);
  SetOuterSize(QSize(mainlayout::kDesignWidth, mainlayout::kDesignHeight));
  FormResize(this);  // a hidden window gets its resize event only when shown
  if (auto* w = FindControl<QWidget>("uxgPreset")) w->move(w->x(), 624);
  ExtraHeight = 0;

  // 5: one model per response plot, all in magnitude mode.
  for (int i = 0; i < 19; ++i) {
    Plots[i] = std::make_unique<display::Plot>(PlotModel(i));
    Plots[i]->SetPhaseMode(0);
  }

  // 6
  Language = QStringLiteral("English");
  if (auto* m = MenuItem("ChineseSimplified")) m->SetChecked(false);
  if (auto* m = MenuItem("ChineseTraditional")) m->SetChecked(false);
  if (auto* m = MenuItem("English")) m->SetChecked(true);
  ApplyLanguage();

  // 7-11
  UnitControl = std::make_unique<LUnitControl>(this);
  Initialising = true;
  ClearEqSelection();
  ApplyUnitModel();
  Initialising = false;

  // 12
  if (auto* w = FindControl<QWidget>("uxgFftGain")) w->raise();
  if (auto* w = FindControl<QWidget>("uxgParamGain")) w->raise();
  tmStartConnect->SetEnabled(true);

  // 13
  RefreshGainOverlays();
  Plots[16]->DrawSection(0, display::ChannelCurveColour(0));
  Plots[17]->DrawSection(8, display::ChannelCurveColour(8));

  // 14
  DrawTransferCurveStartPoints();

  // 15-16
  OpenSockets();
  FindLocalAddress();
  SendDiscovery();

  // 17
  if (auto* m = MenuItem("NetworkSetup")) m->SetVisible(true);

  // 18
  CopyTemplatePictures();
}

void TfmMain::FormClose(platform::CloseAction& action) {
  if (fmExit) fmExit->Show();
  if (!ExitConfirmed) {
    action = platform::CloseAction::Keep;
    return;
  }
  action = platform::CloseAction::Free;
  const bool wasNet = NetProc != nullptr;
  CloseLinks();
  if (wasNet) CloseClientSocket();  // the end command goes out first
  QCoreApplication::quit();
}

void TfmMain::tmCloseTimer(QObject*) {
  tmClose->SetEnabled(false);
  close();
}


void TfmMain::MarkCurveDirty(int channel) {
  // Inputs redraw on plots 0-7 and the Gain page's input plot (16); outputs
  // on plots 8-15 and 17.
  if (channel < 0 || channel > 15) return;
  const int first = channel < 8 ? 0 : 8;
  for (int plot = first; plot < first + 8; ++plot) OverlayDirty[plot] |= 1u << channel;
  OverlayDirty[channel < 8 ? 16 : 17] |= 1u << channel;
}

platform::MenuItem* TfmMain::MenuItem(const QString& name) const { return FindControl<platform::MenuItem>(name); }
