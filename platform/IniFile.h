// IniFile: an INI file held in memory. Sections and keys keep their file
// order; a key written again keeps its place, a new key goes to the end of
// its section, a new section to the end of the file. Names match without
// regard to case; values may be of any length. Reads UTF-8 files and UTF-16
// files with a byte-order mark; UpdateFile writes the file back in the
// encoding it was read in (UTF-8 for a new file).
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

namespace platform {

class IniFile {
 public:
  // Reads the file when it exists; a missing file is an empty one.
  explicit IniFile(const QString& fileName = QString());

  const QString& FileName() const { return fileName_; }
  // Replaces the content with the text of the bytes (same rules as a file).
  void SetContent(const QByteArray& bytes);
  // The file's text in its encoding.
  QByteArray Content() const;
  // Writes Content to FileName; false with the reason in error on failure.
  bool UpdateFile(QString* error = nullptr) const;

  bool SectionExists(const QString& section) const;
  bool ValueExists(const QString& section, const QString& key) const;
  QStringList Sections() const;
  QStringList Keys(const QString& section) const;

  QString ReadString(const QString& section, const QString& key, const QString& def) const;
  // A value that is no decimal number (in the C locale) gives def.
  int ReadInteger(const QString& section, const QString& key, int def) const;
  bool ReadBool(const QString& section, const QString& key, bool def) const;
  void WriteString(const QString& section, const QString& key, const QString& value);
  void WriteInteger(const QString& section, const QString& key, int value);
  void WriteBool(const QString& section, const QString& key, bool value);
  void EraseSection(const QString& section);
  void DeleteKey(const QString& section, const QString& key);

 private:
  struct Entry {
    QString key, value;
  };
  struct Section {
    QString name;
    std::vector<Entry> entries;
  };
  const Section* Find(const QString& section) const;
  Section& FindOrAdd(const QString& section);

  QString fileName_;
  std::vector<Section> sections_;
  enum class Encoding { Utf8, Utf16LE, Utf16BE } encoding_ = Encoding::Utf8;
};

}  // namespace platform
