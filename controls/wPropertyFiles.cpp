#include "controls/wPropertyFiles.h"

#include <QFile>
#include <QMetaObject>

#include <cmath>
#include <limits>

#include "controls/wComponent.h"
#include "controls/wException.h"

namespace {

[[noreturn]] void Raise(const QString& Message) { throw TwException(Message.toStdString()); }

qint64 ParseInteger(const QString& Text) {
  QString t = Text.trimmed();
  bool negative = false;
  if (t.startsWith('-') || t.startsWith('+')) {
    negative = t.startsWith('-');
    t.remove(0, 1);
  }
  bool ok = false;
  qint64 v = 0;
  if (t.startsWith('$'))
    v = t.mid(1).toLongLong(&ok, 16);
  else if (t.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
    v = t.mid(2).toLongLong(&ok, 16);
  else if (!t.isEmpty() && t[0].isDigit())
    v = t.toLongLong(&ok, 10);
  if (negative) v = -v;
  if (!ok || v < std::numeric_limits<qint32>::min() || v > qint64(std::numeric_limits<quint32>::max()))
    Raise(QStringLiteral("'%1' is not a valid integer value").arg(Text));
  return v;
}

double ParseFloat(const QString& Text) {
  bool ok = false;
  const double v = Text.trimmed().toDouble(&ok);
  // "inf" and "nan" read as numbers but are no value a control can hold.
  if (!ok || !std::isfinite(v)) Raise(QStringLiteral("'%1' is not a valid floating point value").arg(Text));
  return v;
}

}  // namespace

// The ordinal of Text for the property, refused outside its type.
qint64 PropertyOrdinalFromText(const TwPropertyInfo& p, const QString& Text) {
  const qint64 v = ParseInteger(Text);
  bool inType = true;
  if (p.Kind == tkEnumeration)
    inType = v >= 0 && v < p.Count;
  else if (p.Kind == tkSet)
    inType = v >= 0 && v < (qint64(1) << p.Count);
  else
    inType = v >= std::numeric_limits<qint32>::min() && v <= std::numeric_limits<qint32>::max();
  if (!inType) Raise(QStringLiteral("'%1' is not a valid value of %2").arg(Text, p.Name));
  return v;
}

// The first ',' is read as '.' (the other way round for a ',' separator).
double PropertyFloatFromText(const QString& Value, QChar Separator) {
  QString text = Value;
  if (Separator == QLatin1Char('.')) {
    const qsizetype c = text.indexOf(',');
    if (c >= 0) text[c] = '.';
  }
  return ParseFloat(text);
}

QString PropertyFloatText(double Value) { return QString::number(Value, 'g', 15); }

QString EscapeLineBreaks(const QString& Text) {
  QString s = Text;
  s.replace(QLatin1Char('\r'), QLatin1String("#13"));
  s.replace(QLatin1Char('\n'), QLatin1String("#10"));
  return s;
}

QString UnescapeLineBreaks(const QString& Text) {
  QString s = Text;
  s.replace(QLatin1String("#13"), QLatin1String("\r"));
  s.replace(QLatin1String("#10"), QLatin1String("\n"));
  return s;
}

void SavePropertiesToList(const TwPropertyObject& Object, const QString& Prefix, QStringList& Lines,
                          bool OnlyNonDefault, const QStringList* Exclusions) {
  if (!Object) return;
  for (const TwPropertyInfo* p : Object.Table->All()) {
    if (!p->HasSetter() || !p->IsStored(Object.Object)) continue;
    const QString path = Prefix.trimmed().isEmpty() ? p->Name : Prefix + '.' + p->Name;
    if (Exclusions && Exclusions->contains(path, Qt::CaseInsensitive)) continue;
    QString value;
    switch (p->Kind) {
      case tkInteger:
      case tkChar:
      case tkEnumeration:
      case tkSet: {
        const qint64 v = p->Get(Object.Object).toLongLong();
        if (OnlyNonDefault && p->Default && *p->Default == v) continue;
        value = QString::number(v);
        break;
      }
      case tkFloat:
        value = PropertyFloatText(p->Get(Object.Object).toDouble());
        break;
      case tkString:
        value = EscapeLineBreaks(p->Get(Object.Object).toString());
        break;
      case tkClass:
        p->WithObject(Object.Object, false, [&](TwPropertyObject nested) {
          SavePropertiesToList(nested, path, Lines, OnlyNonDefault, Exclusions);
        });
        continue;
      default:
        continue;
    }
    Lines.append(path + QLatin1String(" = ") + value);
  }
}

QString StripPathPrefix(const QString& Prefix, QString& Name) {
  if (Prefix.isEmpty()) return QString();
  const qsizetype dot = Name.indexOf('.');
  const QString first = dot < 0 ? Name : Name.left(dot);
  if (first.compare(Prefix, Qt::CaseInsensitive) != 0) return QString();
  Name = dot < 0 ? QString() : Name.mid(dot + 1);
  return first;
}

void LoadPropertiesFromList(const TwPropertyObject& Object, const QString& Prefix, QStringList& Lines) {
  const QChar separator = QLatin1Char('.');
  while (!Lines.isEmpty()) {
    QString name, value;
    SplitNameValue(Lines.first(), QLatin1Char('='), name, value);
    if (StripPathPrefix(Prefix, name) != Prefix) return;
    SetPropertyFromString(Object, name, value, separator);
    Lines.removeFirst();
  }
}

bool ReadListValue(const QString& Key, QString& Value, QStringList& Lines) {
  for (qsizetype i = 0; i < Lines.size(); ++i) {
    const qsizetype eq = Lines[i].indexOf('=');
    const QString name = (eq < 0 ? Lines[i] : Lines[i].left(eq)).trimmed();
    if (name.compare(Key, Qt::CaseInsensitive) != 0) continue;
    Value = eq < 0 ? QString() : Lines[i].mid(eq + 1).trimmed();
    Lines.removeAt(i);
    return true;
  }
  return false;
}

void SplitNameValue(const QString& Line, QChar Separator, QString& Name, QString& Value) {
  const qsizetype at = Line.indexOf(Separator);
  if (at < 0) {
    Name.clear();
    Value.clear();
    return;
  }
  Name = Line.left(at).trimmed();
  Value = Line.mid(at + 1).trimmed();
}

void SetPropertyFromString(const TwPropertyObject& Object, const QString& Path, const QString& Value,
                           QChar Separator) {
  if (!Object) return;
  const qsizetype dot = Path.indexOf('.');
  if (dot >= 0) {
    const TwPropertyInfo* p = Object.Table->Find(Path.left(dot));
    if (!p || p->Kind != tkClass) return;
    const QString rest = Path.mid(dot + 1);
    p->WithObject(Object.Object, true,
                  [&](TwPropertyObject nested) { SetPropertyFromString(nested, rest, Value, Separator); });
    return;
  }
  const TwPropertyInfo* p = Object.Table->Find(Path);
  if (!p || !p->HasSetter()) return;
  switch (p->Kind) {
    case tkInteger:
    case tkChar:
    case tkEnumeration:
    case tkSet:
      p->Set(Object.Object, QVariant(qlonglong(PropertyOrdinalFromText(*p, Value))));
      break;
    case tkFloat: {
      p->Set(Object.Object, QVariant(PropertyFloatFromText(Value, Separator)));
      break;
    }
    case tkString:
      p->Set(Object.Object, QVariant(UnescapeLineBreaks(Value)));
      break;
    default:
      break;
  }
}

TwPropertyObject GetObjectPropByName(const TwPropertyObject& Object, const QString& Name) {
  if (!Object) return {};
  const TwPropertyInfo* p = Object.Table->Find(Name);
  if (!p || p->Kind != tkClass || !p->Reference || !p->ClassTable) return {};
  void* o = p->Reference(Object.Object);
  return o ? TwPropertyObject{o, p->ClassTable} : TwPropertyObject{};
}

QStringList ReadPropertyFile(const QString& FileName) {
  QFile file(FileName);
  if (!file.open(QIODevice::ReadOnly)) Raise(QStringLiteral("Cannot open file \"%1\". %2").arg(FileName, file.errorString()));
  QString text = QString::fromUtf8(file.readAll());
  if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);
  QStringList lines = text.split('\n');
  if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();  // the last line's end
  for (QString& l : lines)
    if (l.endsWith('\r')) l.chop(1);
  return lines;
}

void WritePropertyFile(const QString& FileName, const QStringList& Lines) {
  QByteArray bytes;
  for (const QString& l : Lines) bytes += l.toUtf8() + "\r\n";
  QFile file(FileName);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
    Raise(QStringLiteral("Cannot create file \"%1\". %2").arg(FileName, file.errorString()));
}

// ---- the controls' own files --------------------------------------------------

int TwComponent::GetPropertyKind(const QString& Path) { return ::GetPropertyKind(TwPropertyRegistry::Of(this), Path); }

void TwComponent::SavePropertiesToFile(const QString& FileName) {
  try {
    QStringList lines{QStringLiteral("File Type = ") + QString::fromLatin1(metaObject()->className())};
    QStringList exclusions{QStringLiteral("Name")};
    if (!OptionSaveAllProperties())
      exclusions << QStringLiteral("Left") << QStringLiteral("Top") << QStringLiteral("Width")
                 << QStringLiteral("Height") << QStringLiteral("Align") << QStringLiteral("Cursor")
                 << QStringLiteral("ShowHint") << QStringLiteral("Tag") << QStringLiteral("Visible")
                 << QStringLiteral("Enabled") << QStringLiteral("Hint") << QStringLiteral("HelpContext");
    SavePropertiesToList(TwPropertyRegistry::Of(this), QString(), lines, false, &exclusions);
    WritePropertyFile(FileName, lines);
  } catch (const std::exception& e) {
    Raise(QStringLiteral("Error Saving Properties - ") + QString::fromStdString(e.what()));
  }
}

void TwComponent::LoadPropertiesFromFile(const QString& FileName) {
  try {
    QStringList lines = ReadPropertyFile(FileName);
    // One repaint at the end, also when a line fails.
    struct Update {
      TwComponent* c;
      explicit Update(TwComponent* c) : c(c) { c->BeginUpdate(); }
      ~Update() { c->EndUpdate(); }
    } update(this);
    LoadPropertiesFromList(TwPropertyRegistry::Of(this), QString(), lines);
  } catch (const std::exception& e) {
    Raise(QStringLiteral("Error Loading Properties - ") + QString::fromStdString(e.what()));
  }
}
