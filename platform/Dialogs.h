// Message boxes, file, colour, font and print dialogs and the clipboard go
// through replaceable providers, so that no test ever waits in a real modal
// dialog or touches the desktop's clipboard. The defaults show Qt's dialogs
// (QMessageBox, QFileDialog, QColorDialog, QFontDialog, QPrintDialog) over
// the window the user is in (DialogParent) and write QClipboard.
//
// File dialogs: a FileProvider answers with one path (the form every window
// of the editor uses); a FileChoiceProvider answers with the chosen files and
// the chosen filter entry, for multi-select and filter-driven extensions.
// Either kind of provider serves both ChooseFile and ChooseFiles: a plain
// provider's path becomes a one-file choice with the filter index as given.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

#include "platform/Canvas.h"

class QPrinter;
class QWidget;

namespace platform {

// Results of modal windows and message boxes.
enum ModalResult { mrNone = 0, mrOk = 1, mrCancel = 2, mrYes = 6, mrNo = 7 };

enum class MessageKind { Information, Warning, Error, Question };
struct MessageRequest {
  QString title;
  QString text;
  MessageKind kind = MessageKind::Information;
  bool yesNo = false;  // Yes/No instead of OK
};
using MessageProvider = std::function<int(const MessageRequest&)>;

struct FileRequest {
  QString title;
  QString filter;  // Qt's form: "Preset files (*.prs);;All files (*)"
  QString defaultSuffix;
  bool save = false;
  QString directory;      // the folder the dialog starts in; empty: its own choice
  QString fileName;       // the name shown at first
  int filterIndex = 1;    // the filter entry shown at first, from 1
  bool multiSelect = false;
  bool mustExist = false;  // open: only existing files
  // save: the dialog asks before the chosen file is replaced; off for a
  // caller that changes the name afterwards and asks about the final one.
  bool confirmOverwrite = true;
};
// Returns the chosen path, or nothing when the user cancelled.
using FileProvider = std::function<std::optional<QString>(const FileRequest&)>;

struct FileChoice {
  QStringList files;    // full paths; at least one
  int filterIndex = 1;  // the filter entry in use when the user confirmed
};
using FileChoiceProvider = std::function<std::optional<FileChoice>(const FileRequest&)>;

struct ColorRequest {
  TColor color = clBlack;            // an RGB value
  std::vector<TColor> customColors;  // the dialog's custom colour slots
};
// The chosen RGB colour, or nothing on Cancel.
using ColorProvider = std::function<std::optional<TColor>(const ColorRequest&)>;

// The chosen font, or nothing on Cancel. Name, Height, Style and Color.
using FontProvider = std::function<std::optional<TFont>(const TFont&)>;

// May set up the printer (name, pages, output); false on Cancel.
using PrintDialogProvider = std::function<bool(QPrinter& printer)>;

// What goes on the clipboard: an image, and raw bytes of one MIME type
// (each may be empty).
struct ClipboardData {
  QImage image;
  QString mimeType;
  QByteArray bytes;
};
using ClipboardProvider = std::function<void(const ClipboardData&)>;

// The window a default dialog belongs to: the active window, else the shown
// main window, else none. The dialog opens centred over it, and the window
// manager gives it no task-bar entry of its own.
QWidget* DialogParent();

int ShowMessage(const MessageRequest& request);
// Plain message box with an OK button.
void ShowMessage(const QString& text);
std::optional<QString> ChooseFile(const FileRequest& request);
std::optional<FileChoice> ChooseFiles(const FileRequest& request);
std::optional<TColor> ChooseColor(const ColorRequest& request);
std::optional<TFont> ChooseFont(const TFont& font);
bool ShowPrintDialog(QPrinter& printer);
void SetClipboard(const ClipboardData& data);

// Replace the providers (tests); an empty function restores the default.
void SetMessageProvider(MessageProvider provider);
void SetFileProvider(FileProvider provider);
void SetFileChoiceProvider(FileChoiceProvider provider);
void SetColorProvider(ColorProvider provider);
void SetFontProvider(FontProvider provider);
void SetPrintDialogProvider(PrintDialogProvider provider);
void SetClipboardProvider(ClipboardProvider provider);

}  // namespace platform
