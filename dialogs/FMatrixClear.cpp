#include "dialogs/FMatrixClear.h"

#include "mainwindow/FMain.h"

TfmMatrixClear* fmMatrixClear = nullptr;

TfmMatrixClear::TfmMatrixClear()
    : TConfirmationForm({"fmMatrixClear", "lbReset", "btnCancel", "Are you sure to CLEAR Matrix ?",
                         "SID_PEQRST", "SID_MATRIX_CLEAR_MSG", "SID_PEQRST_OK", "SID_PEQRST_CANCEL"}) {}

void TfmMatrixClear::btnOKClick(QObject*) {
  hide();
  if (fmMain) fmMain->ClearMatrix();
  close();
}
