// Themes of the windowed instrument and plot controls: named schemes (sets
// of "name = value" lines) grouped in categories, read from two XML files per
// control class, one in the preset theme folder and one in the user's.
//
// Files: the preset folder + class name + ".xml" (TwKnob.xml) and the user
// folder + class name + "User.xml", each
//   <SchemeTypes> <SchemeType> <Name>category</Name>
//     <Scheme> <Name>scheme</Name> <Properties> <Path>value</Path> ...
//     </Properties> </Scheme> ... </SchemeType> ... </SchemeTypes>
// read with TwXMLMemoryStream. The control's theme list and its loading and
// applying are TwWinComponent members (LoadThemes, ApplyScheme, ...).
//
// Theme folders come from a TwThemePathSource. The standard one reads the
// settings file "Tavrin/Themes.ini" (section "Themes", keys "Tavrin Defined
// Theme Path" and "User Defined Theme Path") at system scope (the last XDG
// config folder, /etc/xdg) and then at user scope (~/.config); each user
// value that is not blank wins. Tests install their own source.
//
// SetPropertyValue sets, from a variant's text, every published property of
// the object whose path matches (ignoring case), nested objects included:
// ordinals as integers, with "True"/"False" as 1/0 and, for two-valued
// enumerations (Booleans), any text but "0" as 1; floats (the first ',' read
// as '.'); strings as they are. A bad text raises TwException.
#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>

#include <memory>
#include <vector>

#include "controls/wProperties.h"

// Which file a scheme came from.
enum TwSchemeKind { TwPresetSchemeList, TwUserSchemeList };

struct TwScheme {
  QString Name;
  TwSchemeKind Kind = TwPresetSchemeList;
  QStringList Lines;  // "name = value"
};

struct TwThemeCategory {
  QString Name;
  std::vector<TwScheme> Schemes;
};

class TwThemePathSource {
 public:
  virtual ~TwThemePathSource() = default;
  // The two folders as configured (trimmed, possibly empty).
  virtual void ReadThemePaths(QString& PresetPath, QString& UserPath) const = 0;
};

class TwIniThemePaths : public TwThemePathSource {
 public:
  TwIniThemePaths(QString SystemFile, QString UserFile)
      : FSystemFile(std::move(SystemFile)), FUserFile(std::move(UserFile)) {}
  // The settings files at the standard system and user places.
  static TwIniThemePaths Standard();
  void ReadThemePaths(QString& PresetPath, QString& UserPath) const override;

 private:
  QString FSystemFile;
  QString FUserFile;
};

// The source every control asks; nullptr restores the standard one.
void SetThemePathSource(std::shared_ptr<const TwThemePathSource> Source);
const TwThemePathSource& ThemePathSource();

void SetPropertyValue(const TwPropertyObject& Object, const QString& Prefix, const QVariant& Value,
                      const QString& Path);
