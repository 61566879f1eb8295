// The device ID dialog: a fixed window without system buttons holding the ID
// input group, Set and Exit.
#pragma once

#include <QLabel>
#include <QLineEdit>

#include "platform/Form.h"

class TUxBmpButton;
class TUxGroupBox;

class TfmIdSelect : public platform::Form {
 public:
  TfmIdSelect();
  void FormShow() override;
  void bnSetClick(QObject* Sender);

  QLabel* imBase;
  TUxGroupBox* gnIdNumer;
  QLabel* lbMessage;
  QLineEdit* edId;
  TUxBmpButton* bnSet;
  TUxBmpButton* bnExit;
};

extern TfmIdSelect* fmIdSelect;
