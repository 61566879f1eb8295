// The traffic monitor: a plain, resizable window whose list shows one line
// per frame written to or read from the processor, in hex, while it is shown.
#pragma once

#include <QListWidget>

#include "platform/Form.h"

class TUxButton;

class TfmHidData : public platform::Form {
 public:
  TfmHidData();
  // Appends a line while the window is shown and selects it (the list
  // scrolls to it); otherwise the line is dropped. UI thread.
  void AddLine(const QString& line);
  void bnClearClick(QObject* Sender);

  QListWidget* hbHidData;
  TUxButton* bnClear;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void PlaceControls();
};

extern TfmHidData* fmHidData;
