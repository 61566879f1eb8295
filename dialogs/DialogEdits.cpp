#include "dialogs/DialogEdits.h"

#include <QApplication>

#include <QLineEdit>
#include <QRegularExpressionValidator>

#include "platform/Dialogs.h"

namespace dialogs {

void MakeUpperCaseEdit(QLineEdit* edit, int maxLength) {
  edit->setMaxLength(maxLength);
  QObject::connect(edit, &QLineEdit::textEdited, edit, [edit](const QString& text) {
    const QString upper = text.toUpper();
    if (upper == text) return;
    const int cursor = edit->cursorPosition();
    edit->setText(upper);
    edit->setCursorPosition(cursor);
  });
}

void MakePasswordEdit(QLineEdit* edit, int maxLength) {
  MakeUpperCaseEdit(edit, maxLength);
  edit->setEchoMode(QLineEdit::Password);
  edit->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));
}

void MakeDigitEdit(QLineEdit* edit, int maxLength, bool centred) {
  edit->setMaxLength(maxLength);
  edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
  if (centred) edit->setAlignment(Qt::AlignCenter);
}

void LimitOnExit(QLineEdit* edit, int lo, int hi) {
  auto limit = [edit, lo, hi] {
    bool ok = false;
    const int v = edit->text().toInt(&ok);
    if (ok && (v < lo || v > hi)) edit->setText(QString::number(v < lo ? lo : hi));
    edit->selectAll();
  };
  QObject::connect(edit, &QLineEdit::returnPressed, edit, limit);
  QObject::connect(edit, &QLineEdit::editingFinished, edit, [edit, limit] {
    if (edit->isModified()) limit();
    edit->setModified(false);
  });
}

std::optional<int> FieldNumber(const QLineEdit* edit) {
  bool ok = false;
  const int v = edit->text().toInt(&ok);
  if (ok) return v;
  platform::ShowMessage(platform::MessageRequest{
      QString(), QStringLiteral("'%1' is not a valid integer value").arg(edit->text()), platform::MessageKind::Error});
  return std::nullopt;
}

void SetInputEnabled(QWidget* input, bool enabled) {
  if (!input) return;
  input->setEnabled(enabled);
  QPalette palette = input->palette();
  palette.setColor(QPalette::Base, enabled ? QApplication::palette().color(QPalette::Base) : QColor(192, 192, 192));
  // Disabled means seen but not changed: the text keeps its colour.
  palette.setColor(QPalette::Disabled, QPalette::Text, palette.color(QPalette::Active, QPalette::Text));
  input->setPalette(palette);
}

}  // namespace dialogs
