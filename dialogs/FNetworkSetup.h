// The ID and IP address setting: the device ID, the processor's four address
// bytes, Set and Exit. The manual/automatic choice is hidden; manual holds.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include <array>

#include "platform/Form.h"

class TUxBmpButton;
class TUxGroupBox;

class TfmNetworkSetup : public platform::Form {
 public:
  TfmNetworkSetup();
  void FormShow() override;

  // edId := the current device ID.
  void ShowDeviceId();
  // The address fields := the main window's processor address, and the TCP
  // client points at it.
  void ShowDeviceIp();
  // The main window's processor address, "%d.%d.%d.%d".
  QString DeviceIpText() const;
  void bnSetClick(QObject* Sender);
  void bnExitClick(QObject* Sender);

  QLabel* Image1;
  TUxGroupBox* gbIdSetting;
  QLabel* lbMessage;
  QLineEdit* edId;
  TUxGroupBox* gbIpSetting;
  std::array<QLineEdit*, 4> edIp{};  // edIp1..edIp4, first address byte first
  std::array<QLabel*, 3> Label{};    // Label1..Label3, the points between them
  QRadioButton* rbManualSetting;
  QRadioButton* rbAutoSetting;
  TUxBmpButton* bnSet;
  TUxBmpButton* bnExit;

 private:
  // The four fields as an address, each limited to 0..255.
  QString AddressFromFields() const;
};


extern TfmNetworkSetup* fmNetworkSetup;
