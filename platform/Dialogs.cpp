#include "platform/Dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace platform {
namespace {

int defaultMessage(const MessageRequest& r) {
  QMessageBox box;
  box.setWindowTitle(r.title.isEmpty() ? QApplication::applicationName() : r.title);
  box.setText(r.text);
  switch (r.kind) {
    case MessageKind::Information: box.setIcon(QMessageBox::Information); break;
    case MessageKind::Warning: box.setIcon(QMessageBox::Warning); break;
    case MessageKind::Error: box.setIcon(QMessageBox::Critical); break;
    case MessageKind::Question: box.setIcon(QMessageBox::Question); break;
  }
  if (r.yesNo) {
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    return box.exec() == QMessageBox::Yes ? mrYes : mrNo;
  }
  box.setStandardButtons(QMessageBox::Ok);
  box.exec();
  return mrOk;
}

std::optional<QString> defaultFile(const FileRequest& r) {
  QFileDialog dialog(nullptr, r.title, QString(), r.filter);
  dialog.setAcceptMode(r.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(r.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  if (!r.defaultSuffix.isEmpty()) dialog.setDefaultSuffix(r.defaultSuffix);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().front();
}

MessageProvider& messageProvider() {
  static MessageProvider p;
  return p;
}
FileProvider& fileProvider() {
  static FileProvider p;
  return p;
}

}  // namespace

int ShowMessage(const MessageRequest& request) {
  return messageProvider() ? messageProvider()(request) : defaultMessage(request);
}

void ShowMessage(const QString& text) {
  ShowMessage(MessageRequest{QString(), text});
}

std::optional<QString> ChooseFile(const FileRequest& request) {
  return fileProvider() ? fileProvider()(request) : defaultFile(request);
}

void SetMessageProvider(MessageProvider provider) { messageProvider() = std::move(provider); }
void SetFileProvider(FileProvider provider) { fileProvider() = std::move(provider); }

}  // namespace platform
