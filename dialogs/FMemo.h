// The message list: a modeless window with a multi-line text that starts with
// the one line "Memo"; Clear empties it. Nothing else writes into it.
#pragma once

#include <QPlainTextEdit>

#include "platform/Form.h"

class TUxBmpButton;

class TfmMemo : public platform::Form {
 public:
  TfmMemo();
  void bnClearMemoClick(QObject* Sender);

  QPlainTextEdit* Memo;
  TUxBmpButton* bnClearMemo;
};

extern TfmMemo* fmMemo;
