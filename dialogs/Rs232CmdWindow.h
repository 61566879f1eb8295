// The serial remote-control code builder, in its two captionings (English
// and Chinese): the command type and device ID, three rows of parameter
// lists stacked at one place each (the front one is the row's list), the
// matrix check boxes over rows 2 and 3, and the code box.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include <array>

#include "platform/Form.h"

class TRs232CmdWindow : public platform::Form {
 public:
  QLabel* imLinkSelIn;
  QGroupBox* gbCommand;
  QComboBox* cbType;
  QComboBox* cbId;
  QGroupBox* gbParameter;
  QGroupBox* gbMatrix;
  std::array<QCheckBox*, 8> ckb2In{};
  QLabel* lbRemoteCtrl;
  QLineEdit* edRemoteCtrl;

 protected:
  explicit TRs232CmdWindow(bool chinese);
};
