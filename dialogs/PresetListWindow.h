// The preset list shared by the store and the recall windows: a heading, the
// two-column list of preset numbers and names, and Cancel. The store list
// holds U01..U21, the recall list F00 and then U01..U21.
#pragma once

#include <QLabel>
#include <QTableWidget>

#include "platform/Form.h"

class TUxBmpButton;

class TPresetListWindow : public platform::Form {
 public:
  void FormShow() override;

  QLabel* lPresetSelect;
  QTableWidget* vledPresetName;
  TUxBmpButton* bnCancel;

 protected:
  // titleKey names the window's caption and heading.
  TPresetListWindow(bool withFactory, const char* titleKey, const QString& title);

 private:
  const char* titleKey_;
};
