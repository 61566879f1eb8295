#include "controls/UxRegIniFile.h"

#include "platform/IniFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStringDecoder>
#include <QStringEncoder>

#include <cctype>
#include <stdexcept>

namespace {

const char* const kRootNames[] = {"HKEY_CLASSES_ROOT", "HKEY_CURRENT_USER",   "HKEY_LOCAL_MACHINE", "HKEY_USERS",
                                  "HKEY_PERFORMANCE_DATA", "HKEY_CURRENT_CONFIG", "HKEY_DYN_DATA"};
const unsigned kAccessMasks[] = {0x1, 0x2, 0x4, 0x8, 0x10, 0x20, 0x20019, 0x20006, 0x20019, 0xF003F};

QString ExecutablePath() { return QCoreApplication::applicationFilePath(); }

// The name with its last extension replaced by ".ini".
QString WithIniExtension(const QString& path) {
  const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
  const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
  return (dot > slash ? path.left(dot) : path) + QStringLiteral(".ini");
}

QString DateText(const QDate& d) { return d.toString(QStringLiteral("yyyy-MM-dd")); }
QString TimeText(const QTime& t) { return t.toString(QStringLiteral("HH:mm:ss")); }

}  // namespace

TUxRegIniFile::TUxRegIniFile(QObject* parent) : QObject(parent) {}
TUxRegIniFile::~TUxRegIniFile() = default;

void TUxRegIniFile::Changed() { FRefreshStorage = true; }

void TUxRegIniFile::SetPath(const QString& v) {
  if (v == FPath) return;
  FPath = v;
  Changed();
}
void TUxRegIniFile::SetPathType(TUxPathType v) {
  if (v == FPathType) return;
  FPathType = v;
  Changed();
}
void TUxRegIniFile::SetRegKey(TUxRegKey v) {
  if (v == FRegKey) return;
  FRegKey = v;
  Changed();
}
void TUxRegIniFile::SetRegAccess(TUxRegAccess v) {
  if (v == FRegAccess) return;
  FRegAccess = v;
  Changed();
}
void TUxRegIniFile::SetSpecialFolder(TUxSpecialFolder v) {
  if (v == FSpecialFolder) return;
  FSpecialFolder = v;
  Changed();
}
void TUxRegIniFile::SetFileEncoding(TUxIniFileEncoding v) {
  if (v == FFileEncoding) return;
  FFileEncoding = v;
  Changed();
}

unsigned TUxRegIniFile::AccessMask() const {
  unsigned mask = 0;
  for (int k = keyQueryValue; k <= keyAllAccess; ++k)
    if (FRegAccess & (1u << k)) mask |= kAccessMasks[k];
  return mask;
}

QString TUxRegIniFile::RegistryFileName() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/UxRegistry.ini");
}

QString TUxRegIniFile::SpecialFolderPath(TUxSpecialFolder folder) {
  switch (folder) {
    case sfNone: return {};
    case sfUserAppDataRoaming: return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    case sfUserAppDataLocal: return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    case sfUserDocuments: return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    case sfProgramData: {
      // The first data folder after the user's own.
      const QStringList all = QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation);
      return all.size() > 1 ? all[1] : QString();
    }
  }
  return {};
}

void TUxRegIniFile::Open() {
  if (!FRefreshStorage && FIni) return;
  FIni.reset();
  if (FPathType == ptIniFile) {
    QString path = FPath;
    const QString folder = SpecialFolderPath(FSpecialFolder);
    if (!folder.isEmpty()) {
      const QFileInfo info(FPath);
      const QString sub = FPath.contains(QLatin1Char('/')) ? info.path() : QString();
      const QString dir = sub.isEmpty() ? folder : folder + QLatin1Char('/') + sub;
      QDir().mkpath(dir);
      const QString name = FPath.isEmpty() ? QFileInfo(ExecutablePath()).fileName() : info.fileName();
      path = dir + QLatin1Char('/') + WithIniExtension(name);
    }
    if (path.isEmpty())
      path = ExecutablePath() + QStringLiteral(".ini");
    else if (!path.contains(QLatin1Char('/')))
      path = QFileInfo(ExecutablePath()).absolutePath() + QLatin1Char('/') + WithIniExtension(path);
    FIni = std::make_unique<platform::IniFile>(path);
    FPath = path;
    FKeyPrefix.clear();
  } else {
    QString key = FPath;
    if (key.isEmpty()) {
      QString title = QCoreApplication::applicationName();
      if (title.isEmpty()) title = QFileInfo(ExecutablePath()).completeBaseName();
      key = QStringLiteral("\\Software\\Temp\\") + title;
    }
    FIni = std::make_unique<platform::IniFile>(RegistryFileName());
    FPath = key;
    FKeyPrefix = QString::fromLatin1(kRootNames[FRegKey]) + (key.startsWith(QLatin1Char('\\')) ? key : "\\" + key);
    if (!FKeyPrefix.endsWith(QLatin1Char('\\'))) FKeyPrefix += QLatin1Char('\\');
  }
  FRefreshStorage = false;
}

QString TUxRegIniFile::FileName() {
  Open();
  return FIni->FileName();
}

QString TUxRegIniFile::Section(const QString& section) const {
  return FPathType == ptRegistry ? FKeyPrefix + section : section;
}

void TUxRegIniFile::Flush() {
  if (FPathType == ptRegistry) QDir().mkpath(QFileInfo(FIni->FileName()).absolutePath());
  // The INI class writes in the encoding it read; the store writes in its own.
  const QByteArray raw = FIni->Content();
  QString text;
  if (raw.startsWith("\xFF\xFE")) text = QStringDecoder(QStringDecoder::Utf16LE)(raw.mid(2));
  else if (raw.startsWith("\xFE\xFF")) text = QStringDecoder(QStringDecoder::Utf16BE)(raw.mid(2));
  else text = QString::fromUtf8(raw);
  const QByteArray bytes = FFileEncoding == feUnicode
                               ? QByteArray("\xFF\xFE", 2) + QByteArray(QStringEncoder(QStringEncoder::Utf16LE)(text))
                               : text.toUtf8();
  QSaveFile f(FIni->FileName());
  if (!f.open(QIODevice::WriteOnly) || f.write(bytes) < 0 || !f.commit())
    throw std::runtime_error(
        QStringLiteral("Unable to write to %1: %2").arg(FIni->FileName(), f.errorString()).toStdString());
}

bool TUxRegIniFile::SectionExists(const QString& section) {
  Open();
  return FIni->SectionExists(Section(section));
}

bool TUxRegIniFile::ValueExists(const QString& section, const QString& name) {
  Open();
  return FIni->ValueExists(Section(section), name);
}

bool TUxRegIniFile::ReadBool(const QString& section, const QString& name, bool def) {
  Open();
  return FIni->ReadBool(Section(section), name, def);
}

void TUxRegIniFile::WriteBool(const QString& section, const QString& name, bool value) {
  Open();
  FIni->WriteBool(Section(section), name, value);
  Flush();
}

int TUxRegIniFile::ReadInteger(const QString& section, const QString& name, int def) {
  Open();
  return FIni->ReadInteger(Section(section), name, def);
}

void TUxRegIniFile::WriteInteger(const QString& section, const QString& name, int value) {
  Open();
  FIni->WriteInteger(Section(section), name, value);
  Flush();
}

QString TUxRegIniFile::ReadString(const QString& section, const QString& name, const QString& def) {
  Open();
  return FIni->ReadString(Section(section), name, def);
}

void TUxRegIniFile::WriteString(const QString& section, const QString& name, const QString& value) {
  Open();
  FIni->WriteString(Section(section), name, value);
  Flush();
}

double TUxRegIniFile::ReadFloat(const QString& section, const QString& name, double def) {
  bool ok = false;
  const double v = ReadString(section, name, QString()).toDouble(&ok);  // C locale
  return ok ? v : def;
}

void TUxRegIniFile::WriteFloat(const QString& section, const QString& name, double value) {
  WriteString(section, name, QString::number(value, 'g', 15));
}

QDate TUxRegIniFile::ReadDate(const QString& section, const QString& name, const QDate& def) {
  const QDate d = QDate::fromString(ReadString(section, name, QString()), QStringLiteral("yyyy-MM-dd"));
  return d.isValid() ? d : def;
}

void TUxRegIniFile::WriteDate(const QString& section, const QString& name, const QDate& value) {
  WriteString(section, name, DateText(value));
}

QDateTime TUxRegIniFile::ReadDateTime(const QString& section, const QString& name, const QDateTime& def) {
  const QDateTime d = QDateTime::fromString(ReadString(section, name, QString()), QStringLiteral("yyyy-MM-dd HH:mm:ss"));
  return d.isValid() ? d : def;
}

void TUxRegIniFile::WriteDateTime(const QString& section, const QString& name, const QDateTime& value) {
  WriteString(section, name, DateText(value.date()) + QLatin1Char(' ') + TimeText(value.time()));
}

QTime TUxRegIniFile::ReadTime(const QString& section, const QString& name, const QTime& def) {
  const QTime t = QTime::fromString(ReadString(section, name, QString()), QStringLiteral("HH:mm:ss"));
  return t.isValid() ? t : def;
}

void TUxRegIniFile::WriteTime(const QString& section, const QString& name, const QTime& value) {
  WriteString(section, name, TimeText(value));
}

QByteArray TUxRegIniFile::ReadBinaryStream(const QString& section, const QString& name) {
  const QString text = ReadString(section, name, QString());
  if (text.size() % 2 != 0) return {};
  for (QChar ch : text)
    if (!std::isxdigit(ch.toLatin1())) return {};
  return QByteArray::fromHex(text.toLatin1());
}

void TUxRegIniFile::WriteBinaryStream(const QString& section, const QString& name, const QByteArray& value) {
  WriteString(section, name, QString::fromLatin1(value.toHex().toUpper()));
}

QStringList TUxRegIniFile::ReadSection(const QString& section) {
  Open();
  QStringList names = FIni->Keys(Section(section));
  if (FPathType == ptRegistry) names.sort(Qt::CaseInsensitive);
  return names;
}

QStringList TUxRegIniFile::ReadSections() {
  Open();
  const QStringList all = FIni->Sections();
  if (FPathType == ptIniFile) return all;
  // The direct subkeys of the key.
  QStringList out;
  for (const QString& s : all) {
    if (!s.startsWith(FKeyPrefix, Qt::CaseInsensitive)) continue;
    const QString sub = s.mid(FKeyPrefix.size()).section(QLatin1Char('\\'), 0, 0);
    if (!sub.isEmpty() && !out.contains(sub, Qt::CaseInsensitive)) out << sub;
  }
  return out;
}

QStringList TUxRegIniFile::ReadSectionValues(const QString& section) {
  QStringList lines;
  for (const QString& name : ReadSection(section))
    lines << name + QLatin1Char('=') + FIni->ReadString(Section(section), name, QString());
  return lines;
}

void TUxRegIniFile::EraseSection(const QString& section) {
  Open();
  FIni->EraseSection(Section(section));
  Flush();
}

void TUxRegIniFile::DeleteKey(const QString& section, const QString& name) {
  Open();
  FIni->DeleteKey(Section(section), name);
  Flush();
}
