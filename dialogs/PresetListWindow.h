// The preset list shared by the store and the recall windows: a heading, the
// two-column list of preset numbers and names, and Cancel. The store list
// holds U01..U21, the recall list F00 and then U01..U21. Rows are addressed
// by index, so a name of any width never moves another row.
//
// Choosing a row (mouse or keyboard, either column; the current row again
// too) fills the name window with the row's preset and shows it modeless on
// top of the list, whose child it becomes so it stays usable beside the
// modal list: in store mode from the store list, in confirm mode from the
// recall list.
#pragma once

#include <QLabel>
#include <QTableWidget>

#include "platform/Form.h"

class TUxBmpButton;

class TPresetListWindow : public platform::Form {
 public:
  void FormShow() override;
  // Replaces the name of a row; the key stays. Rows the list does not have
  // are ignored.
  void SetRowName(int row, const QString& name);
  // The name shown in a row (without the blanks that keep it off the key).
  QString RowName(int row) const;
  // A cell of the row was chosen (row and column from 0).
  void vledPresetNameSelectCell(int column, int row);
  void bnCancelClick(QObject* Sender);

  QLabel* lPresetSelect;
  QTableWidget* vledPresetName;
  TUxBmpButton* bnCancel;

 protected:
  // titleKey names the window's caption and heading.
  TPresetListWindow(bool withFactory, const char* titleKey, const QString& title);

 private:
  const char* titleKey_;
  bool withFactory_;
};
