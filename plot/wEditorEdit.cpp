#include "plot/wEditorEdit.h"

#include <QDateTime>
#include <QKeyEvent>
#include <QLocale>

#include <cmath>

#include "controls/wException.h"
#include "plot/wEditorForm.h"

namespace {

const QDateTime& DateTimeBase() {
  static const QDateTime base(QDate(1899, 12, 30), QTime(0, 0));
  return base;
}

QLocale NumberLocale() {
  QLocale locale;
  locale.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
  return locale;
}

}  // namespace

TwComponentEditorEdit::TwComponentEditorEdit(QWidget* parent) : QLineEdit(parent) {
  resize(width(), 21);
  connect(this, &QLineEdit::textChanged, this, [this] {
    if (OnChange) OnChange(this);
  });
  SetColor(platform::clWindow);
}

// ---- values -------------------------------------------------------------------

void TwComponentEditorEdit::SetSilently(const QString& Value) {
  EditorSilently(OnChange, FBlockingEvents, [&] {
    setText(Value);
    FOriginalText = text();
  });
}

void TwComponentEditorEdit::SetAsString(const QString& Value) { SetSilently(Value); }
void TwComponentEditorEdit::SetAsInteger(int Value) { SetSilently(QString::number(Value)); }
void TwComponentEditorEdit::SetAsFloat(double Value) { SetSilently(FloatText(Value)); }

void TwComponentEditorEdit::SetAsDateTime(double Value) {
  const QDateTime dt = DateTimeBase().addMSecs(qint64(std::llround(Value * 86400000.0)));
  const QLocale locale;
  QString s = locale.toString(dt.date(), QLocale::ShortFormat);
  if (dt.time() != QTime(0, 0)) s += QLatin1Char(' ') + locale.toString(dt.time(), QLocale::LongFormat);
  SetSilently(s);
}

int TwComponentEditorEdit::AsInteger() const {
  bool ok = false;
  const int v = text().trimmed().toInt(&ok, 10);
  return ok ? v : 0;
}

double TwComponentEditorEdit::AsFloat() const {
  bool ok = false;
  const double v = TextFloat(text(), &ok);
  return ok ? v : 0;
}

double TwComponentEditorEdit::AsDateTime() const {
  const QString s = text().trimmed();
  const QLocale locale;
  QDateTime dt = locale.toDateTime(s, QLocale::ShortFormat);
  if (!dt.isValid()) dt = locale.toDateTime(s, locale.dateFormat(QLocale::ShortFormat) + QStringLiteral(" ") +
                                                   locale.timeFormat(QLocale::LongFormat));
  if (!dt.isValid()) {
    const QDate d = locale.toDate(s, QLocale::ShortFormat);
    if (d.isValid()) dt = QDateTime(d, QTime(0, 0));
  }
  if (!dt.isValid()) throw TwException(QStringLiteral("'%1' is not a valid date and time").arg(s).toStdString());
  return double(DateTimeBase().msecsTo(dt)) / 86400000.0;
}

QString TwComponentEditorEdit::FloatText(double Value) { return NumberLocale().toString(Value, 'g', 15); }

double TwComponentEditorEdit::TextFloat(const QString& Text, bool* Ok) {
  const QString s = Text.trimmed();
  bool ok = !s.isEmpty();
  double v = ok ? NumberLocale().toDouble(s, &ok) : 0;
  if (!ok) v = 0;
  if (Ok) *Ok = ok;
  return v;
}

// ---- commits ------------------------------------------------------------------

void TwComponentEditorEdit::Commit() {
  if (text() == FOriginalText) return;
  FOriginalText = text();
  if (OnUpdate) OnUpdate(this);
  if (!FBlockingEvents) EditorUserChange(this);
}

void TwComponentEditorEdit::SetStringWithEvent(const QString& Value) {
  setText(Value);
  if (!FBlockingEvents) EditorUserChange(this);
  Commit();
}

void TwComponentEditorEdit::SetIntegerWithEvent(int Value) { SetStringWithEvent(QString::number(Value)); }
void TwComponentEditorEdit::SetDoubleWithEvent(double Value) { SetStringWithEvent(FloatText(Value)); }

void TwComponentEditorEdit::keyPressEvent(QKeyEvent* e) {
  switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (e->modifiers() & Qt::ControlModifier) {
        e->accept();  // line feed
        return;
      }
      Commit();
      selectAll();
      e->accept();
      return;
    case Qt::Key_Escape:
      EditorSilently(OnChange, FBlockingEvents, [this] { setText(FOriginalText); });
      selectAll();
      e->accept();
      return;
    default: QLineEdit::keyPressEvent(e);
  }
}

void TwComponentEditorEdit::focusOutEvent(QFocusEvent* e) {
  QLineEdit::focusOutEvent(e);
  Commit();
}

// ---- enabling -----------------------------------------------------------------

void TwComponentEditorEdit::SetColor(platform::TColor Value) {
  FColor = Value;
  QPalette p = palette();
  p.setColor(QPalette::Base, platform::ToQColor(Value));
  setPalette(p);
}

void TwComponentEditorEdit::changeEvent(QEvent* e) {
  QLineEdit::changeEvent(e);
  if (e->type() == QEvent::EnabledChange) SetColor(isEnabled() ? platform::clWindow : platform::clBtnFace);
}

void TwComponentEditorEdit::Disable() {
  EditorSilently(OnChange, FBlockingEvents, [this] {
    setEnabled(false);
    setText(QString());
    FOriginalText.clear();
  });
  SetColor(platform::clBtnFace);
}

void TwComponentEditorEdit::DisableNoClear() {
  EditorSilently(OnChange, FBlockingEvents, [this] { setEnabled(false); });
  SetColor(platform::clBtnFace);
}

void TwComponentEditorEdit::Enable() {
  setEnabled(true);
  SetColor(platform::clWindow);
}
