#include "controls/wThemes.h"

#include <QFile>
#include <QStandardPaths>

#include "controls/wException.h"
#include "controls/wPropertyFiles.h"
#include "controls/wStreams.h"
#include "controls/wWinComponent.h"
#include "platform/IniFile.h"

namespace {

const QString kSection = QStringLiteral("Themes");
const QString kPresetKey = QStringLiteral("Tavrin Defined Theme Path");
const QString kUserKey = QStringLiteral("User Defined Theme Path");
const QString kSettingsFile = QStringLiteral("Tavrin/Themes.ini");

std::shared_ptr<const TwThemePathSource>& Source() {
  static std::shared_ptr<const TwThemePathSource> source;
  return source;
}

[[noreturn]] void Malformed() { throw TwException("Error Loading Scheme. XML File Malformed"); }

[[noreturn]] void OutOfBounds(int Index) {
  throw TwException(QStringLiteral("List index out of bounds (%1)").arg(Index).toStdString());
}

void SetFromText(const TwPropertyInfo& p, void* Object, const QString& Text) {
  switch (p.Kind) {
    case tkInteger:
    case tkChar:
    case tkSet:
      p.Set(Object, QVariant(qlonglong(PropertyOrdinalFromText(p, Text))));
      break;
    case tkEnumeration: {
      QString t = Text;
      if (t.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        t = QStringLiteral("1");
      else if (t.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        t = QStringLiteral("0");
      if (p.Count == 2) t = t == QLatin1String("0") ? QStringLiteral("0") : QStringLiteral("1");
      p.Set(Object, QVariant(qlonglong(PropertyOrdinalFromText(p, t))));
      break;
    }
    case tkFloat:
      p.Set(Object, QVariant(PropertyFloatFromText(Text)));
      break;
    case tkString:
      p.Set(Object, QVariant(Text));
      break;
    default:
      break;
  }
}

}  // namespace

// ---- theme folders --------------------------------------------------------------

TwIniThemePaths TwIniThemePaths::Standard() {
  const QStringList system = QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation);
  const QString user = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  const QString systemDir = system.size() > 1 ? system.last() : QStringLiteral("/etc/xdg");
  return TwIniThemePaths(systemDir + '/' + kSettingsFile, user + '/' + kSettingsFile);
}

void TwIniThemePaths::ReadThemePaths(QString& PresetPath, QString& UserPath) const {
  const platform::IniFile system(FSystemFile);
  PresetPath = system.ReadString(kSection, kPresetKey, QString()).trimmed();
  UserPath = system.ReadString(kSection, kUserKey, QString()).trimmed();
  const platform::IniFile user(FUserFile);
  const QString preset = user.ReadString(kSection, kPresetKey, QString()).trimmed();
  const QString own = user.ReadString(kSection, kUserKey, QString()).trimmed();
  if (!preset.isEmpty()) PresetPath = preset;
  if (!own.isEmpty()) UserPath = own;
}

void SetThemePathSource(std::shared_ptr<const TwThemePathSource> Source_) { Source() = std::move(Source_); }

const TwThemePathSource& ThemePathSource() {
  if (!Source()) Source() = std::make_shared<TwIniThemePaths>(TwIniThemePaths::Standard());
  return *Source();
}

// ---- setting by path ------------------------------------------------------------

void SetPropertyValue(const TwPropertyObject& Object, const QString& Prefix, const QVariant& Value,
                      const QString& Path) {
  if (!Object) return;
  for (const TwPropertyInfo* p : Object.Table->All()) {
    if (!p->HasSetter()) continue;
    const QString path = Prefix.trimmed().isEmpty() ? p->Name : Prefix + '.' + p->Name;
    if (p->Kind == tkClass) {
      // Only an object the path leads into is written back.
      if (!Path.startsWith(path + '.', Qt::CaseInsensitive)) continue;
      p->WithObject(Object.Object, true,
                    [&](TwPropertyObject nested) { SetPropertyValue(nested, path, Value, Path); });
    } else if (path.compare(Path, Qt::CaseInsensitive) == 0) {
      SetFromText(*p, Object.Object, Value.toString());
    }
  }
}

// ---- the control's theme list --------------------------------------------------------

void TwWinComponent::ClearThemes() { FThemeCategoryList.clear(); }

void TwWinComponent::GetThemePaths(QString& PresetPath, QString& UserPath) {
  ThemePathSource().ReadThemePaths(PresetPath, UserPath);
  for (QString* p : {&PresetPath, &UserPath}) {
    *p = p->trimmed();
    if (!p->isEmpty() && !p->endsWith('/')) *p += '/';
  }
}

void TwWinComponent::LoadThemes() {
  ClearThemes();
  QString preset, user;
  GetThemePaths(preset, user);
  const QString name = QString::fromLatin1(metaObject()->className());
  const struct {
    QString file;
    TwSchemeKind kind;
  } files[] = {{preset + name + ".xml", TwPresetSchemeList}, {user + name + "User.xml", TwUserSchemeList}};
  for (const auto& f : files) {
    if (!QFile::exists(f.file)) continue;
    TwXMLMemoryStream stream;
    stream.LoadFromFile(f.file);
    LoadSchemeFile(stream, f.kind);
  }
}

int TwWinComponent::GetThemeCategory(const QString& Name) {
  for (size_t i = 0; i < FThemeCategoryList.size(); ++i)
    if (FThemeCategoryList[i].Name.compare(Name, Qt::CaseInsensitive) == 0) return int(i);
  FThemeCategoryList.push_back(TwThemeCategory{Name, {}});
  return int(FThemeCategoryList.size()) - 1;
}

void TwWinComponent::LoadSchemeFile(TwXMLMemoryStream& Stream, TwSchemeKind Kind) {
  try {
    Stream.GotoElementStart(QStringLiteral("SchemeTypes"));
    while (Stream.PeekNextPiece() == QLatin1String("SchemeType")) {
      Stream.GetNextPiece();
      const int category = GetThemeCategory(Stream.GetElement(QStringLiteral("Name")));
      while (Stream.PeekNextPiece() == QLatin1String("Scheme")) {
        Stream.GetNextPiece();
        std::vector<TwScheme>& schemes = FThemeCategoryList[size_t(category)].Schemes;
        schemes.push_back(TwScheme{Stream.GetElement(QStringLiteral("Name")), Kind, {}});
        TwScheme& scheme = schemes.back();
        Stream.GotoElementStart(QStringLiteral("Properties"));
        while (Stream.PeekNextPiece() != QLatin1String("/Properties")) {
          const QString path = Stream.PeekNextPiece();
          const QString value = Stream.GetElement(path);
          if (!path.isEmpty()) scheme.Lines << path + QLatin1String(" = ") + value;
        }
        if (Stream.GetNextPiece() != QLatin1String("/Properties") || Stream.GetNextPiece() != QLatin1String("/Scheme"))
          Malformed();
      }
      if (Stream.GetNextPiece() != QLatin1String("/SchemeType")) Malformed();
    }
    if (Stream.GetNextPiece() != QLatin1String("/SchemeTypes")) Malformed();
  } catch (const TwException& e) {
    // A file that ends inside an element lacks its closing elements.
    if (QString::fromStdString(e.what()) == QLatin1String("EOF")) Malformed();
    throw;
  }
}

QString TwWinComponent::GetThemeCategoryName(int CategoryIndex) const {
  if (CategoryIndex < 0 || CategoryIndex >= GetThemeCategoryCount()) OutOfBounds(CategoryIndex);
  return FThemeCategoryList[size_t(CategoryIndex)].Name;
}

int TwWinComponent::GetThemeCategorySchemeCount(int CategoryIndex) const {
  if (CategoryIndex < 0 || CategoryIndex >= GetThemeCategoryCount()) OutOfBounds(CategoryIndex);
  return int(FThemeCategoryList[size_t(CategoryIndex)].Schemes.size());
}

QString TwWinComponent::GetThemeCategorySchemeName(int CategoryIndex, int SchemeIndex) const {
  if (SchemeIndex < 0 || SchemeIndex >= GetThemeCategorySchemeCount(CategoryIndex)) OutOfBounds(SchemeIndex);
  return FThemeCategoryList[size_t(CategoryIndex)].Schemes[size_t(SchemeIndex)].Name;
}

bool TwWinComponent::GetThemeCategorySchemeIsUser(int CategoryIndex, int SchemeIndex) const {
  if (SchemeIndex < 0 || SchemeIndex >= GetThemeCategorySchemeCount(CategoryIndex)) OutOfBounds(SchemeIndex);
  return FThemeCategoryList[size_t(CategoryIndex)].Schemes[size_t(SchemeIndex)].Kind == TwUserSchemeList;
}

void TwWinComponent::SplitSchemeLine(const QString& Line, QString& Name, QString& Value) {
  const qsizetype eq = Line.indexOf('=');
  if (eq < 0) {
    Name.clear();
    Value.clear();
    return;
  }
  Name = Line.left(eq).trimmed();
  Value = Line.mid(eq + 2);
}

void TwWinComponent::ApplyScheme(int CategoryIndex, int SchemeIndex) {
  if (SchemeIndex < 0 || SchemeIndex >= GetThemeCategorySchemeCount(CategoryIndex)) OutOfBounds(SchemeIndex);
  // A copy: a setter may reload the themes.
  const QStringList lines = FThemeCategoryList[size_t(CategoryIndex)].Schemes[size_t(SchemeIndex)].Lines;
  for (const QString& line : lines) {
    QString name, value;
    SplitSchemeLine(line, name, value);
    if (name.isEmpty()) continue;
    SetPropertyValue(TwPropertyRegistry::Of(this), QString(), QVariant(value), name);
  }
}

void TwWinComponent::SetPropertyValue(const TwPropertyObject& Object, const QString& Prefix, const QVariant& Value,
                                      const QString& Path) {
  ::SetPropertyValue(Object, Prefix, Value, Path);
}
