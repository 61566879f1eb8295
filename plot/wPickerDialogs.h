// The dialogs the editor pickers open: colour, font, open file and save
// file, thin wrappers over the platform providers (platform/Dialogs.h), each
// made for one use by its picker (the owner) and freed afterwards. Execute
// returns True when the user confirmed.
//
// - TwColorDialog starts on Color (system colours resolved) with sixteen
//   white custom colours, fresh at every call.
// - TwFontDialog starts on Font and takes its name, height, style and colour
//   back.
// - TwOpenDialog and TwSaveDialog need a window above their owner (without
//   one Execute returns False). Filter is "Description|pattern|..."; the
//   dialog starts in DefaultDir ("." when empty) on FileName. Open gives
//   Files (full paths; FileName the first); Save gives FileName and the
//   chosen FilterIndex, and appends the chosen pattern's extension
//   (ReturnExt) unless the name already ends in exactly that pattern's
//   extension (ignoring case); ".*" patterns append nothing, and there a
//   name without an extension takes DefaultExt. When the file so named
//   exists, Save asks before replacing it; No goes back to the window.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include "platform/Canvas.h"

// "Config (*.cfg)|*.cfg|All Files (*.*)|*.*" as Qt's name filters.
QString EditorFilterToQt(const QString& Filter);

class TwColorDialog : public QObject {
  Q_OBJECT
 public:
  using QObject::QObject;
  platform::TColor Color = platform::clBlack;
  bool Execute();
};

class TwFontDialog : public QObject {
  Q_OBJECT
 public:
  using QObject::QObject;
  platform::TFont Font;
  bool Execute();
};

class TwOpenDialog : public QObject {
  Q_OBJECT
 public:
  using QObject::QObject;
  QString FileName, Filter, DefaultExt, DefaultDir;
  bool FileMustExist = false;
  bool AllowMultiSelect = false;
  QStringList Files;
  bool Execute();
};

class TwSaveDialog : public QObject {
  Q_OBJECT
 public:
  using QObject::QObject;
  QString FileName, Filter, DefaultExt, DefaultDir;
  int FilterIndex = 1;
  QString ReturnExt() const { return FReturnExt; }
  bool Execute();
  // The extension rule, on FileName, Filter and FilterIndex.
  void ApplyExtensionRule();

 private:
  QStringList FFilterList;
  QString FReturnExt;
};
