// The family of confirmation windows (factory reset, clear matrix, EQ reset,
// quit): a question picture, the message, OK and Cancel. The names of the
// message label and the Cancel button, the texts and what OK does differ per
// window; each sets its texts from the active language when shown.
#pragma once

#include <QLabel>

#include "platform/Form.h"

class TUxBmpButton;

class TConfirmationForm : public platform::Form {
 public:
  struct Texts {
    const char* windowName;    // "fmExit"
    const char* messageName;   // "lbExit"
    const char* cancelName;    // "btnCancel" or "bnCancel"
    const char* designMessage; // shown before the first show
    const char* captionKey;    // "SID_INFO_TITLE"
    const char* messageKey;    // "SID_EXIT_QUIT"
    const char* okKey;
    const char* cancelKey;
  };
  explicit TConfirmationForm(const Texts& texts);
  void FormShow() override;
  virtual void btnOKClick(QObject* Sender) = 0;
  // Closes the window.
  virtual void bnCancelClick(QObject* Sender);

  QLabel* Image1;
  QLabel* Message;
  TUxBmpButton* btnOK;
  TUxBmpButton* Cancel;

 private:
  Texts texts_;
};
