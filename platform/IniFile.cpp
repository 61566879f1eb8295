#include "platform/IniFile.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

namespace platform {

namespace {
bool Same(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }
}  // namespace

IniFile::IniFile(const QString& fileName) : fileName_(fileName) {
  if (fileName.isEmpty()) return;
  QFile f(fileName);
  if (f.open(QIODevice::ReadOnly)) SetContent(f.readAll());
}

void IniFile::SetContent(const QByteArray& bytes) {
  sections_.clear();
  QString text;
  if (bytes.startsWith("\xFF\xFE")) {
    encoding_ = Encoding::Utf16LE;
    text = QStringDecoder(QStringDecoder::Utf16LE)(bytes.mid(2));
  } else if (bytes.startsWith("\xFE\xFF")) {
    encoding_ = Encoding::Utf16BE;
    text = QStringDecoder(QStringDecoder::Utf16BE)(bytes.mid(2));
  } else {
    encoding_ = Encoding::Utf8;
    text = QString::fromUtf8(bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes);
  }
  Section* current = nullptr;
  for (QString line : text.split(QLatin1Char('\n'))) {
    if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
    const QString trimmed = line.trimmed();
    if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char(';'))) continue;
    if (trimmed.startsWith(QLatin1Char('[')) && trimmed.endsWith(QLatin1Char(']'))) {
      current = &FindOrAdd(trimmed.mid(1, trimmed.size() - 2).trimmed());
      continue;
    }
    const qsizetype eq = line.indexOf(QLatin1Char('='));
    if (!current || eq < 0) continue;
    const QString key = line.left(eq).trimmed();
    if (key.isEmpty()) continue;
    bool found = false;
    for (Entry& e : current->entries)
      if (Same(e.key, key)) {
        found = true;  // the first of two equal keys wins, as Windows reads it
        break;
      }
    if (!found) current->entries.push_back({key, line.mid(eq + 1).trimmed()});
  }
}

QByteArray IniFile::Content() const {
  QString text;
  for (const Section& s : sections_) {
    text += QLatin1Char('[') + s.name + QLatin1String("]\r\n");
    for (const Entry& e : s.entries) text += e.key + QLatin1Char('=') + e.value + QLatin1String("\r\n");
    text += QLatin1String("\r\n");
  }
  switch (encoding_) {
    case Encoding::Utf16LE: return QByteArray("\xFF\xFE", 2) + QStringEncoder(QStringEncoder::Utf16LE)(text);
    case Encoding::Utf16BE: return QByteArray("\xFE\xFF", 2) + QStringEncoder(QStringEncoder::Utf16BE)(text);
    case Encoding::Utf8: break;
  }
  return text.toUtf8();
}

bool IniFile::UpdateFile(QString* error) const {
  QSaveFile f(fileName_);
  if (!f.open(QIODevice::WriteOnly) || f.write(Content()) < 0 || !f.commit()) {
    if (error) *error = QStringLiteral("Unable to write to %1: %2").arg(fileName_, f.errorString());
    return false;
  }
  return true;
}

const IniFile::Section* IniFile::Find(const QString& section) const {
  for (const Section& s : sections_)
    if (Same(s.name, section)) return &s;
  return nullptr;
}

IniFile::Section& IniFile::FindOrAdd(const QString& section) {
  for (Section& s : sections_)
    if (Same(s.name, section)) return s;
  sections_.push_back({section, {}});
  return sections_.back();
}

bool IniFile::SectionExists(const QString& section) const { return Find(section) != nullptr; }

bool IniFile::ValueExists(const QString& section, const QString& key) const {
  if (const Section* s = Find(section))
    for (const Entry& e : s->entries)
      if (Same(e.key, key)) return true;
  return false;
}

QStringList IniFile::Sections() const {
  QStringList out;
  for (const Section& s : sections_) out << s.name;
  return out;
}

QStringList IniFile::Keys(const QString& section) const {
  QStringList out;
  if (const Section* s = Find(section))
    for (const Entry& e : s->entries) out << e.key;
  return out;
}

QString IniFile::ReadString(const QString& section, const QString& key, const QString& def) const {
  if (const Section* s = Find(section))
    for (const Entry& e : s->entries)
      if (Same(e.key, key)) return e.value;
  return def;
}

int IniFile::ReadInteger(const QString& section, const QString& key, int def) const {
  bool ok = false;
  const QString v = ReadString(section, key, QString());
  const int n = v.startsWith(QLatin1String("0x"), Qt::CaseInsensitive) ? int(v.mid(2).toUInt(&ok, 16)) : v.toInt(&ok);
  return ok ? n : def;
}

bool IniFile::ReadBool(const QString& section, const QString& key, bool def) const {
  return ReadInteger(section, key, def ? 1 : 0) != 0;
}

void IniFile::WriteString(const QString& section, const QString& key, const QString& value) {
  Section& s = FindOrAdd(section);
  for (Entry& e : s.entries)
    if (Same(e.key, key)) {
      e.value = value;
      return;
    }
  s.entries.push_back({key, value});
}

void IniFile::WriteInteger(const QString& section, const QString& key, int value) {
  WriteString(section, key, QString::number(value));
}

void IniFile::WriteBool(const QString& section, const QString& key, bool value) {
  WriteString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void IniFile::EraseSection(const QString& section) {
  std::erase_if(sections_, [&](const Section& s) { return Same(s.name, section); });
}

void IniFile::DeleteKey(const QString& section, const QString& key) {
  for (Section& s : sections_)
    if (Same(s.name, section)) std::erase_if(s.entries, [&](const Entry& e) { return Same(e.key, key); });
}

}  // namespace platform
