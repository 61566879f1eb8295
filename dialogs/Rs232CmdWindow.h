// The serial remote-control code builder, in its two captionings (English
// and Chinese): the command type and device ID, three rows of parameter
// lists stacked at one place each (the front one is the row's list), the
// matrix check boxes over rows 2 and 3, and the read-only code box. The
// window is a view of its own RemoteCodeModel: a user's pick runs the
// model's handler for the list, then the window shows the model again.
// Selections made by code run no handler; a matrix box checked or unchecked
// by anyone runs ckb2In1Click. Showing the window changes nothing, so the
// selections and the code persist between openings.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include <array>

#include "model/RemoteCodeModel.h"
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

  remotecode::RemoteCodeModel& Model() { return model_; }
  QComboBox* List(remotecode::List list) const { return lists_[list]; }
  // The list a parameter row (1 to 3) shows in front; null under the matrix box.
  QComboBox* RowFront(int row) const;

 protected:
  explicit TRs232CmdWindow(bool chinese);

 private:
  // Shows the model: list indexes, each row's front list, the matrix box.
  void ShowModel();

  remotecode::RemoteCodeModel model_;
  std::array<QComboBox*, remotecode::ListCount> lists_{};
};
