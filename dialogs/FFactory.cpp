#include "dialogs/FFactory.h"

#include "mainwindow/FMain.h"

TfmFactory* fmFactory = nullptr;

TfmFactory::TfmFactory()
    : TConfirmationForm({"fmFactory", "lbMessage", "bnCancel", "Are you Sure to Return Factory Default?",
                         "SID_INFO_TITLE", "SID_FACTORY_DEFAULT", "SID_EXIT_OK", "SID_EXIT_CANCEL"}) {}

void TfmFactory::btnOKClick(QObject*) {
  if (fmMain) fmMain->SendFactoryReset();
  close();
}
