// The channel copy window (modal): one input onto another, or one output onto
// another, through the main window's CopyChannel with the refresh flag set
// (online the processor copies and everything is read again; offline the
// image copies and every page is refreshed). The window stays open after a
// copy; Exit, Escape and the close box close it.
#pragma once

#include "platform/Form.h"

class TUxBmpButton;
class TUxComboBox;

class TfmCopy : public platform::Form {
 public:
  TfmCopy();
  void FormShow() override;
  // Both Copy buttons: Tag 0 the inputs' lists, Tag 1 the outputs'.
  void bnInChCopyClick(QObject* Sender);
  void bnExitClick(QObject* Sender);

  TUxComboBox* cbInSource;
  TUxComboBox* cbInDestination;
  TUxBmpButton* bnInChCopy;
  TUxComboBox* cbOutSource;
  TUxComboBox* cbOutDestination;
  TUxBmpButton* bnOutChCopy;
  TUxBmpButton* bnExit;

 protected:
  void reject() override;
};

extern TfmCopy* fmCopy;
