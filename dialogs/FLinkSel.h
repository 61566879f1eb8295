// The channel link matrix: for the eight inputs and the eight outputs a
// triangle of buttons in which every channel's row picks the channel whose
// link group it joins (the diagonal: it leads its own). Each row is one radio
// group; at design every diagonal button is down.
#pragma once

#include "platform/Form.h"

class TUxBmpButton;
class TUxGroupBox;

class TfmLinkSel : public platform::Form {
 public:
  TfmLinkSel();
  void FormShow() override;

  TUxBmpButton* bnSet;
  TUxBmpButton* bnExit;

  // The matrix button of a side's row and column (0-7, column <= row);
  // null elsewhere.
  TUxBmpButton* MatrixButton(bool outputs, int row, int column) const;
};

extern TfmLinkSel* fmLinkSel;
