#include "dialogs/FPeqRst.h"

#include "mainwindow/FMain.h"

TfmPeqRst* fmPeqRst = nullptr;

TfmPeqRst::TfmPeqRst()
    : TConfirmationForm({"fmPeqRst", "lbReset", "btnCancel", "Are you sure to RESET EQ ?",
                         "SID_PEQRST", "SID_PEQRST_RESET", "SID_PEQRST_OK", "SID_PEQRST_CANCEL"}) {}

void TfmPeqRst::btnOKClick(QObject*) {
  hide();
  if (fmMain) fmMain->ResetChannelEq(Channel);
  close();
}
