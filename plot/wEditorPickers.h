// The pickers of the plot's editor windows: buttons that open a dialog
// (plot/wPickerDialogs.h) or the value converter and take its answer. Values
// are written silently; a confirmed dialog stores the answer, calls the
// editor window's UserChange, repaints and fires OnChange. Cancel changes
// nothing and raises nothing.
//
// - TwComponentEditorColorPicker: a swatch of Color with a "..." button at
//   its right edge; the button or a double click on the swatch opens the
//   colour dialog.
// - TwComponentEditorFontPicker ("Font"): the font dialog on Font.
// - TwComponentEditorOpenPicker ("Open") and TwComponentEditorSavePicker
//   ("Save"): the file dialogs; a FileName ending in a folder separator
//   opens on "Untitled" in that folder. The open picker passes DefaultDir at
//   every opening, the save picker only at its first.
// - TwComponentEditorValueConverterPicker ("..."): sits at its Associate
//   edit's right edge and opens the value converter on the edit's value (or
//   DateTime without an edit); OK writes the value back into the edit as a
//   committed value.
#pragma once

#include <QPointer>
#include <QStringList>

#include <functional>

#include "plot/wEditorControls.h"

class TwComponentEditorEdit;
class TwValueConverterEditForm;

// "Untitled" after a FileName that ends in a folder separator.
QString EditorInitialFileName(const QString& FileName);

class TwComponentEditorColorPicker : public QWidget {
  Q_OBJECT
 public:
  explicit TwComponentEditorColorPicker(QWidget* parent = nullptr);
  platform::TColor Color() const { return FColor; }
  void SetColor(platform::TColor Value);
  QPushButton* Button() const { return FButton; }
  void Disable();
  void Enable();
  // Opens the colour dialog.
  void Pick();
  platform::Handler OnChange;

 protected:
  void paintEvent(QPaintEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;

 private:
  QPushButton* FButton;
  platform::TColor FColor = platform::clRed;
};

class TwComponentEditorFontPicker : public TwComponentEditorButton {
  Q_OBJECT
 public:
  explicit TwComponentEditorFontPicker(QWidget* parent = nullptr);
  const platform::TFont& Font() const { return FFont; }
  void SetFont(const platform::TFont& Value) { FFont = Value; }
  void Click() override;
  platform::Handler OnChange;

 private:
  platform::TFont FFont;
};

class TwComponentEditorOpenPicker : public TwComponentEditorButton {
  Q_OBJECT
 public:
  explicit TwComponentEditorOpenPicker(QWidget* parent = nullptr);
  QString FileName, Filter, DefaultExt, DefaultDir;
  bool FileMustExist = false;
  bool AllowMultiSelect = false;
  const QStringList& Files() const { return FFiles; }
  void Click() override;
  platform::Handler OnChange;

 private:
  QStringList FFiles;
};

class TwComponentEditorSavePicker : public TwComponentEditorButton {
  Q_OBJECT
 public:
  explicit TwComponentEditorSavePicker(QWidget* parent = nullptr);
  QString FileName, Filter, DefaultExt, DefaultDir;
  int FilterIndex = 1;
  // The filter entry the user chose at the last confirmed Execute (the
  // picker's own FilterIndex stays).
  int ChosenFilterIndex() const { return FChosenFilterIndex; }
  bool Execute();
  void Click() override;
  platform::Handler OnChange;

 private:
  bool FDefaultDirUsed = false;
  int FChosenFilterIndex = 1;
};

enum TwValueConverterPageType { ivcptInterval, ivcptDateTime, ivcptPrice32nd };
using TFormTranslationMethod = std::function<void(QWidget* AForm)>;

class TwComponentEditorValueConverterPicker : public TwComponentEditorButton {
  Q_OBJECT
 public:
  explicit TwComponentEditorValueConverterPicker(QWidget* parent = nullptr);
  TwComponentEditorEdit* Associate() const { return FAssociate; }
  void SetAssociate(TwComponentEditorEdit* Value);
  double DateTime = 0;
  TwValueConverterPageType DefaultPage = ivcptInterval;
  TFormTranslationMethod TranslationMethod;
  void Click() override;
  platform::Handler OnChange;

 private:
  QPointer<TwComponentEditorEdit> FAssociate;
};
