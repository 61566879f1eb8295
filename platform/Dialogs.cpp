#include "platform/Dialogs.h"

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QMainWindow>
#include <QMessageBox>
#include <QMimeData>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>

namespace platform {
namespace {

// A default dialog lives on the heap, since its parent may be destroyed while
// it is open: the parent then deletes it and exec() returns Rejected.
template <typename Dialog>
class ParentedDialog {
 public:
  explicit ParentedDialog(Dialog* dialog) : dialog_(dialog) {}
  ~ParentedDialog() { delete dialog_.data(); }
  ParentedDialog(const ParentedDialog&) = delete;
  ParentedDialog& operator=(const ParentedDialog&) = delete;

  Dialog* operator->() const { return dialog_.data(); }
  // Runs the dialog; Rejected when its parent took it away.
  int Exec() { return dialog_->exec(); }
  bool Alive() const { return !dialog_.isNull(); }

 private:
  QPointer<Dialog> dialog_;
};

int defaultMessage(const MessageRequest& r) {
  ParentedDialog box(new QMessageBox(DialogParent()));
  box->setWindowTitle(r.title.isEmpty() ? QApplication::applicationName() : r.title);
  box->setText(r.text);
  switch (r.kind) {
    case MessageKind::Information: box->setIcon(QMessageBox::Information); break;
    case MessageKind::Warning: box->setIcon(QMessageBox::Warning); break;
    case MessageKind::Error: box->setIcon(QMessageBox::Critical); break;
    case MessageKind::Question: box->setIcon(QMessageBox::Question); break;
  }
  if (r.yesNo) {
    box->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    return box.Exec() == QMessageBox::Yes ? mrYes : mrNo;
  }
  box->setStandardButtons(QMessageBox::Ok);
  box.Exec();
  return mrOk;
}

std::optional<FileChoice> defaultFiles(const FileRequest& r) {
  ParentedDialog dialog(new QFileDialog(DialogParent(), r.title, r.directory, r.filter));
  dialog->setAcceptMode(r.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  if (r.save)
    dialog->setFileMode(QFileDialog::AnyFile);
  else if (r.multiSelect)
    dialog->setFileMode(QFileDialog::ExistingFiles);
  else
    dialog->setFileMode(r.mustExist || r.fileName.isEmpty() ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  if (r.save && !r.confirmOverwrite) dialog->setOption(QFileDialog::DontConfirmOverwrite);
  if (!r.defaultSuffix.isEmpty()) dialog->setDefaultSuffix(r.defaultSuffix);
  const QStringList filters = dialog->nameFilters();
  if (r.filterIndex >= 1 && r.filterIndex <= filters.size()) dialog->selectNameFilter(filters[r.filterIndex - 1]);
  if (!r.fileName.isEmpty()) dialog->selectFile(r.fileName);
  if (dialog.Exec() != QDialog::Accepted || !dialog.Alive() || dialog->selectedFiles().isEmpty())
    return std::nullopt;
  return FileChoice{dialog->selectedFiles(), int(filters.indexOf(dialog->selectedNameFilter())) + 1};
}

// The static dialog functions delete their dialog themselves when the parent
// goes first.
std::optional<TColor> defaultColor(const ColorRequest& r) {
  for (int i = 0; i < int(r.customColors.size()) && i < QColorDialog::customCount(); ++i)
    QColorDialog::setCustomColor(i, ToQColor(r.customColors[i]));
  const QColor c = QColorDialog::getColor(ToQColor(r.color), DialogParent());
  if (!c.isValid()) return std::nullopt;
  return RGB(c.red(), c.green(), c.blue());
}

std::optional<TFont> defaultFont(const TFont& font) {
  bool ok = false;
  const QFont chosen = QFontDialog::getFont(&ok, ToQFont(font), DialogParent());
  if (!ok) return std::nullopt;
  TFont result = font;
  result.Name = chosen.family();
  if (chosen.pixelSize() > 0)
    result.Height = -chosen.pixelSize();
  else
    result.SetSize(qRound(chosen.pointSizeF()));
  result.Style = (chosen.bold() ? fsBold : 0) | (chosen.italic() ? fsItalic : 0) |
                 (chosen.underline() ? fsUnderline : 0) | (chosen.strikeOut() ? fsStrikeOut : 0);
  return result;
}

bool defaultPrintDialog(QPrinter& printer) {
  ParentedDialog dialog(new QPrintDialog(&printer, DialogParent()));
  return dialog.Exec() == QDialog::Accepted;
}

void defaultClipboard(const ClipboardData& data) {
  auto* mime = new QMimeData;
  if (!data.image.isNull()) mime->setImageData(data.image);
  if (!data.mimeType.isEmpty()) mime->setData(data.mimeType, data.bytes);
  QApplication::clipboard()->setMimeData(mime);
}

MessageProvider& messageProvider() {
  static MessageProvider p;
  return p;
}
FileChoiceProvider& fileProvider() {
  static FileChoiceProvider p;
  return p;
}
ColorProvider& colorProvider() {
  static ColorProvider p;
  return p;
}
FontProvider& fontProvider() {
  static FontProvider p;
  return p;
}
PrintDialogProvider& printDialogProvider() {
  static PrintDialogProvider p;
  return p;
}
ClipboardProvider& clipboardProvider() {
  static ClipboardProvider p;
  return p;
}

}  // namespace

QWidget* DialogParent() {
  if (QWidget* active = QApplication::activeWindow()) return active;
  for (QWidget* window : QApplication::topLevelWidgets())
    if (qobject_cast<QMainWindow*>(window) && window->isVisible()) return window;
  return nullptr;
}

int ShowMessage(const MessageRequest& request) {
  return messageProvider() ? messageProvider()(request) : defaultMessage(request);
}

void ShowMessage(const QString& text) {
  ShowMessage(MessageRequest{QString(), text});
}

std::optional<QString> ChooseFile(const FileRequest& request) {
  const std::optional<FileChoice> choice = ChooseFiles(request);
  if (!choice || choice->files.isEmpty()) return std::nullopt;
  return choice->files.front();
}

std::optional<FileChoice> ChooseFiles(const FileRequest& request) {
  return fileProvider() ? fileProvider()(request) : defaultFiles(request);
}

std::optional<TColor> ChooseColor(const ColorRequest& request) {
  return colorProvider() ? colorProvider()(request) : defaultColor(request);
}

std::optional<TFont> ChooseFont(const TFont& font) {
  return fontProvider() ? fontProvider()(font) : defaultFont(font);
}

bool ShowPrintDialog(QPrinter& printer) {
  return printDialogProvider() ? printDialogProvider()(printer) : defaultPrintDialog(printer);
}

void SetClipboard(const ClipboardData& data) {
  if (clipboardProvider())
    clipboardProvider()(data);
  else
    defaultClipboard(data);
}

void SetMessageProvider(MessageProvider provider) { messageProvider() = std::move(provider); }

void SetFileProvider(FileProvider provider) {
  if (!provider) {
    fileProvider() = nullptr;
    return;
  }
  fileProvider() = [p = std::move(provider)](const FileRequest& r) -> std::optional<FileChoice> {
    const std::optional<QString> path = p(r);
    if (!path) return std::nullopt;
    return FileChoice{QStringList{*path}, r.filterIndex};
  };
}

void SetFileChoiceProvider(FileChoiceProvider provider) { fileProvider() = std::move(provider); }
void SetColorProvider(ColorProvider provider) { colorProvider() = std::move(provider); }
void SetFontProvider(FontProvider provider) { fontProvider() = std::move(provider); }
void SetPrintDialogProvider(PrintDialogProvider provider) { printDialogProvider() = std::move(provider); }
void SetClipboardProvider(ClipboardProvider provider) { clipboardProvider() = std::move(provider); }

}  // namespace platform
