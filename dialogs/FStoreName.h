// The preset name window, modeless over the preset list that opened it. In
// store mode it asks for the name of the user preset to store (the name is
// editable and selected on activation); in confirm mode it shows the chosen
// preset's name read-only and recalls that preset. OK (or Enter in the name)
// takes the name as at most 14 bytes of the device code page -- cut at a
// character boundary, padded with blanks -- writes it back, closes the window
// and its list, then stores (and names both list rows, also offline) or
// recalls through the main window. Cancel closes only this window.
#pragma once

#include <QLabel>
#include <QLineEdit>

#include <string>

#include "platform/Form.h"

class TUxBmpButton;

class TfmStoreName : public platform::Form {
 public:
  TfmStoreName();
  void FormShow() override;

  // A 14-character name, shown without its trailing blanks and line ends.
  void ShowPresetName(const QString& name);
  // Store mode: 0-20 for U01-U21; confirm mode: 0-21 for F00, U01-U21.
  void SetPresetIndex(int n) { PresetIndex = n; }
  void SetStoreMode(bool store) { StoreMode = store; }
  int GetPresetIndex() const { return PresetIndex; }
  bool IsStoreMode() const { return StoreMode; }
  void FormActivate();
  void btnOKClick(QObject* Sender);
  void bnCancelClick(QObject* Sender);
  // The 14 device bytes OK takes from a typed name.
  static std::string PresetNameBytes(const QString& text);

  QLabel* lblPresetName;
  QLabel* lTitle;
  QLineEdit* edName;
  TUxBmpButton* btnOK;
  TUxBmpButton* bnCancel;

 protected:
  bool event(QEvent* e) override;

 private:
  int PresetIndex = 0;
  bool StoreMode = false;
};

extern TfmStoreName* fmStoreName;
