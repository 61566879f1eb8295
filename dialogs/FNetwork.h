// The connect and scan dialog: tries USB or Ethernet, then every serial port,
// each under a watchdog, and shows what it tries and the outcome. A fixed,
// always-on-top window without system buttons: only its own buttons close it,
// so neither Escape nor the window manager can leave it. While a scan runs
// its buttons are disabled and the user cannot leave it at all: a window gone
// mid-scan would leave the link button disabled for good.
#pragma once

#include <QComboBox>
#include <QLabel>

#include "platform/Form.h"
#include "platform/SerialPort.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class TExProgressBar;
class TUxBmpButton;
namespace platform {
class Timer;
}

class TfmNetwork : public platform::Form {
 public:
  TfmNetwork();
  void FormShow() override;
  // Escape and close requests end here and are refused.
  void reject() override {}

  // The outcome of the last connect operation: 1 the processor answered.
  std::uint32_t LinkOk = 0;
  int ScanStep = 0;    // the step in progress, from 1
  int ExtraSteps = 0;  // 1 when the scan begins with a USB or Ethernet step

  void StartScan();
  void ReportConnectResult(std::uint8_t ok);
  void ReportLinkBroken();
  void SetScanText(const QString& text) { lblScan->setText(text); }
  void SetScanPosition(int position);
  // The serial ports to try, as shown by the scan, in order; tests replace
  // the system's list.
  static std::function<std::vector<platform::SerialPortInfo>()> PortLister;

  void btnOKClick(QObject* Sender);
  void btnIdClick(QObject* Sender);
  void btnExitClick(QObject* Sender);

  QLabel* imBase;
  TExProgressBar* pbScan;
  QLabel* lblScan;
  QLabel* lblDeviceID;
  QComboBox* cbCOM;
  TUxBmpButton* btnOK;
  TUxBmpButton* btnId;
  TUxBmpButton* btnExit;
  platform::Timer* tmRunUsbConnect;
  platform::Timer* tmRunNetConnect;
  platform::Timer* tmRunComConnect;
  platform::Timer* tmWatchDog;
  platform::Timer* tmConnect;
  platform::Timer* tmLinkBroken;

 private:
  enum class StepKind { Usb, Net, Com };
  void BindHandlers();
  void BuildPortListAndScan();
  void StartStep();
  int StepCount() const { return cbCOM->count() + ExtraSteps; }
  void ArmWatchDog(int ms);
  void EnableButtons(bool on);
  void ShowNoDevice();
  void tmConnectTimer(QObject* Sender);
  void tmLinkBrokenTimer(QObject* Sender);

  StepKind firstStep_ = StepKind::Com;
  std::vector<std::string> portPaths_;  // parallel to cbCOM
};

extern TfmNetwork* fmNetwork;
