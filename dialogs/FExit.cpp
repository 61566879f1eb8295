#include "dialogs/FExit.h"

#include "link/Lcmd.h"
#include "mainwindow/FMain.h"
#include "platform/Timer.h"

TfmExit* fmExit = nullptr;

TfmExit::TfmExit()
    : TConfirmationForm({"fmExit", "lbExit", "btnCancel", "Are you sure to quit ?",
                         "SID_INFO_TITLE", "SID_EXIT_QUIT", "SID_EXIT_OK", "SID_EXIT_CANCEL"}) {}

void TfmExit::btnOKClick(QObject*) {
  if (!fmMain) return;
  fmMain->SendCommand(CM_MCS_CMD(fmMain->GetDeviceId(), 0x11), true, true);
  fmMain->SetExitConfirmed(true);
  fmMain->tmClose->SetEnabled(true);
}

void TfmExit::bnCancelClick(QObject*) {
  close();
  if (fmMain) fmMain->SetExitConfirmed(false);
}
