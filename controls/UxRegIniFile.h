// TUxRegIniFile: a non-visual settings store with the reads and writes of an
// INI file (section, name, default), kept in an INI file or in "registry"
// keys. Both modes store through platform::IniFile:
//
// - ptIniFile: the file is Path. With a SpecialFolder, the folder (user
//   configuration, user data, documents, or the first system data folder)
//   plus Path's directory part is created when missing and holds Path's name
//   (or the executable's) with the extension ".ini". A Path without a
//   directory lies in the executable's directory with ".ini"; an empty Path is
//   the executable's path with ".ini" appended.
// - ptRegistry: the key path is Path, or "\Software\Temp\" + the application
//   name (the executable's name without extension when there is none). The
//   keys live in one INI-format settings file in the user's configuration
//   folder (RegistryFileName), with the root key and the key path as the
//   section prefix: "HKEY_CURRENT_USER\Software\Temp\dspedit\Frames".
//
// The storage is opened before the first operation and again after any
// storage property changed (which only marks it); Path then holds the
// resolved path. Every write, EraseSection and DeleteKey writes the file at
// once: UTF-8 for feDefault and feUTF8, UTF-16 with a byte-order mark for
// feUnicode. A file that cannot be written throws std::runtime_error naming
// the file and the reason.
#pragma once

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QObject>
#include <QStringList>
#include <QTime>

#include <memory>

namespace platform {
class IniFile;
}

enum TUxPathType { ptIniFile, ptRegistry };
enum TUxRegKey {
  hkeyClassesRoot, hkeyCurrentUser, hkeyLocalMachine, hkeyUsers, hkeyPerformanceData, hkeyCurrentConfig, hkeyDynData
};
enum TUxRegAccessKey {
  keyQueryValue, keySetValue, keyCreateSubKey, keyEnumerateSubKeys, keyNotify, keyCreateLink, keyRead, keyWrite,
  keyExecute, keyAllAccess
};
// A set of TUxRegAccessKey, bit 1 << key.
using TUxRegAccess = unsigned;
enum TUxSpecialFolder { sfNone, sfUserAppDataRoaming, sfUserAppDataLocal, sfUserDocuments, sfProgramData };
enum TUxIniFileEncoding { feDefault, feUTF8, feUnicode };

class TUxRegIniFile : public QObject {
  Q_OBJECT
 public:
  explicit TUxRegIniFile(QObject* parent = nullptr);
  ~TUxRegIniFile() override;

  // The resolved path once the storage was opened.
  QString Path() const { return FPath; }
  virtual void SetPath(const QString& v);
  TUxPathType PathType() const { return FPathType; }
  virtual void SetPathType(TUxPathType v);
  TUxRegKey RegKey() const { return FRegKey; }
  virtual void SetRegKey(TUxRegKey v);
  TUxRegAccess RegAccess() const { return FRegAccess; }
  virtual void SetRegAccess(TUxRegAccess v);
  TUxSpecialFolder SpecialFolder() const { return FSpecialFolder; }
  virtual void SetSpecialFolder(TUxSpecialFolder v);
  TUxIniFileEncoding FileEncoding() const { return FFileEncoding; }
  virtual void SetFileEncoding(TUxIniFileEncoding v);

  // The file the storage is kept in (opens it first).
  QString FileName();
  // The OR of the access masks of the RegAccess flags.
  unsigned AccessMask() const;
  // The settings file of registry mode.
  static QString RegistryFileName();
  // The folder a special folder stands for (empty for sfNone).
  static QString SpecialFolderPath(TUxSpecialFolder folder);

  bool SectionExists(const QString& section);
  bool ValueExists(const QString& section, const QString& name);
  bool ReadBool(const QString& section, const QString& name, bool def);
  void WriteBool(const QString& section, const QString& name, bool value);
  QDate ReadDate(const QString& section, const QString& name, const QDate& def);
  void WriteDate(const QString& section, const QString& name, const QDate& value);
  QDateTime ReadDateTime(const QString& section, const QString& name, const QDateTime& def);
  void WriteDateTime(const QString& section, const QString& name, const QDateTime& value);
  double ReadFloat(const QString& section, const QString& name, double def);
  void WriteFloat(const QString& section, const QString& name, double value);
  int ReadInteger(const QString& section, const QString& name, int def);
  void WriteInteger(const QString& section, const QString& name, int value);
  QString ReadString(const QString& section, const QString& name, const QString& def);
  void WriteString(const QString& section, const QString& name, const QString& value);
  QTime ReadTime(const QString& section, const QString& name, const QTime& def);
  void WriteTime(const QString& section, const QString& name, const QTime& value);
  // Bytes as two hex digits each; a value that is no hex text reads empty.
  QByteArray ReadBinaryStream(const QString& section, const QString& name);
  void WriteBinaryStream(const QString& section, const QString& name, const QByteArray& value);
  // Names of a section's values, in file order (registry mode: name order).
  QStringList ReadSection(const QString& section);
  QStringList ReadSections();
  // "name=value" lines; registry mode in name order.
  QStringList ReadSectionValues(const QString& section);
  void EraseSection(const QString& section);
  void DeleteKey(const QString& section, const QString& name);

 private:
  void Open();
  void Changed();
  QString Section(const QString& section) const;
  void Flush();

  QString FPath;
  TUxPathType FPathType = ptIniFile;
  TUxRegKey FRegKey = hkeyCurrentUser;
  TUxRegAccess FRegAccess = 1u << keyAllAccess;
  TUxSpecialFolder FSpecialFolder = sfNone;
  TUxIniFileEncoding FFileEncoding = feDefault;
  bool FRefreshStorage = true;
  std::unique_ptr<platform::IniFile> FIni;
  QString FKeyPrefix;  // registry mode: root and key path
};
