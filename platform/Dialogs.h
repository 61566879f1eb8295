// Message boxes and file dialogs go through replaceable providers, so that no
// test ever waits in a real modal dialog. The defaults show Qt's dialogs.
#pragma once

#include <QString>

#include <functional>
#include <optional>

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
  QString filter;  // "Preset files (*.prs)"
  QString defaultSuffix;
  bool save = false;
};
// Returns the chosen path, or nothing when the user cancelled.
using FileProvider = std::function<std::optional<QString>(const FileRequest&)>;

int ShowMessage(const MessageRequest& request);
// Plain message box with an OK button.
void ShowMessage(const QString& text);
std::optional<QString> ChooseFile(const FileRequest& request);

// Replace the providers (tests); an empty function restores the default.
void SetMessageProvider(MessageProvider provider);
void SetFileProvider(FileProvider provider);

}  // namespace platform
