// Themes of the instrument controls: theme folders, scheme files, applying
// schemes and setting properties by path.
#include "controls/wException.h"
#include "controls/wKnob.h"
#include "controls/wStreams.h"
#include "controls/wSwitchLed.h"
#include "controls/wThemes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class FixedPaths : public TwThemePathSource {
 public:
  FixedPaths(QString preset, QString user) : preset_(std::move(preset)), user_(std::move(user)) {}
  void ReadThemePaths(QString& PresetPath, QString& UserPath) const override {
    PresetPath = preset_;
    UserPath = user_;
  }

 private:
  QString preset_, user_;
};

// Installs fixed theme folders for one test.
class ThemeTest : public ::testing::Test {
 protected:
  void UsePaths(const QString& preset, const QString& user) {
    SetThemePathSource(std::make_shared<FixedPaths>(preset, user));
  }
  void TearDown() override { SetThemePathSource(nullptr); }

  static void Write(const QString& path, const QByteArray& text) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text);
  }
  QTemporaryDir dir;
};

QByteArray SchemeType(const QByteArray& category, const QByteArray& schemes) {
  return "<SchemeType>\r\n<Name>" + category + "</Name>\r\n" + schemes + "</SchemeType>\r\n";
}

QByteArray SchemeFile(const QByteArray& category, const QByteArray& schemes) {
  return "<SchemeTypes>\r\n" + SchemeType(category, schemes) + "</SchemeTypes>\r\n";
}

QByteArray Scheme(const QByteArray& name, const QByteArray& properties) {
  return "<Scheme>\r\n<Name>" + name + "</Name>\r\n<Properties>\r\n" + properties + "</Properties>\r\n</Scheme>\r\n";
}

}  // namespace

TEST_F(ThemeTest, NoFoldersNoFilesNoCategories) {
  UsePaths("", "");
  const QString cwd = QDir::currentPath();
  QDir::setCurrent(dir.path());  // an empty folder is the current one
  TwKnob knob;
  knob.LoadThemes();
  QDir::setCurrent(cwd);
  EXPECT_EQ(knob.GetThemeCategoryCount(), 0);
  UsePaths(dir.filePath("missing"), dir.filePath("missing too"));
  knob.LoadThemes();
  EXPECT_EQ(knob.GetThemeCategoryCount(), 0);
}

TEST_F(ThemeTest, PresetAndUserSchemesShareACategory) {
  QDir().mkpath(dir.filePath("preset"));
  QDir().mkpath(dir.filePath("user"));
  Write(dir.filePath("preset/TwKnob.xml"),
        "<SchemeTypes>\r\n" +
            SchemeType("Dark", Scheme("Night", "<KnobStyle>3</KnobStyle>\r\n") + Scheme("Dusk", "")) +
            SchemeType("Light", Scheme("Day", "<Color>65535</Color>\r\n")) + "</SchemeTypes>\r\n");
  Write(dir.filePath("user/TwKnobUser.xml"),
        SchemeFile("dark", Scheme("Mine", "<backgroundcolor>255</backgroundcolor>\r\n<UseKeyboard>False</UseKeyboard>\r\n"
                                          "<ticklabelfont.name>Arial</ticklabelfont.name>\r\n")));
  UsePaths(dir.filePath("preset"), dir.filePath("user"));  // no '/' at the end
  TwKnob knob;
  knob.LoadThemes();
  ASSERT_EQ(knob.GetThemeCategoryCount(), 2);
  EXPECT_EQ(knob.GetThemeCategoryName(0), "Dark");
  EXPECT_EQ(knob.GetThemeCategoryName(1), "Light");
  ASSERT_EQ(knob.GetThemeCategorySchemeCount(0), 3);
  const char* names[] = {"Night", "Dusk", "Mine"};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(knob.GetThemeCategorySchemeName(0, i), names[i]);
    EXPECT_EQ(knob.GetThemeCategorySchemeIsUser(0, i), i == 2);
  }
  EXPECT_FALSE(knob.GetThemeCategorySchemeIsUser(1, 0));
  EXPECT_THROW(knob.GetThemeCategorySchemeName(0, 3), TwException);

  knob.ApplyScheme(0, 0);
  EXPECT_EQ(knob.KnobStyle(), iksSunkenEdge);
  knob.ApplyScheme(0, 2);
  EXPECT_EQ(knob.BackGroundColor(), QColor(255, 0, 0));
  EXPECT_FALSE(knob.UseKeyboard());
  EXPECT_EQ(knob.TickLabelFont().Name, "Arial");

  knob.LoadThemes();  // again: the list starts over
  EXPECT_EQ(knob.GetThemeCategorySchemeCount(0), 3);
}

TEST_F(ThemeTest, MalformedFileKeepsWhatWasRead) {
  TwKnob knob;
  const QByteArray good = Scheme("One", "<KnobRadius>9</KnobRadius>\r\n");
  const QByteArray cases[] = {
      SchemeFile("Cat", good + "<Scheme>\r\n<Name>Two</Name>\r\n<Properties>\r\n</Properties>\r\n"),
      "<SchemeTypes>\r\n<SchemeType>\r\n<Name>Cat</Name>\r\n" + good + "</SchemeTypes>\r\n",
      "<SchemeTypes>\r\n<SchemeType>\r\n<Name>Cat</Name>\r\n" + good + "</SchemeType>\r\n",
      "<SchemeTypes>\r\n<SchemeType>\r\n<Name>Cat</Name>\r\n" + good +
          "<Scheme>\r\n<Name>Two</Name>\r\n<Properties>\r\n<KnobRadius>4",
  };
  for (const QByteArray& text : cases) {
    knob.ClearThemes();
    TwXMLMemoryStream stream(text);
    try {
      knob.LoadSchemeFile(stream, TwPresetSchemeList);
      ADD_FAILURE() << text.constData();
    } catch (const TwException& e) {
      EXPECT_STREQ(e.what(), "Error Loading Scheme. XML File Malformed");
    }
    ASSERT_EQ(knob.GetThemeCategoryCount(), 1);
    EXPECT_EQ(knob.GetThemeCategorySchemeName(0, 0), "One");
  }
}

TEST(SchemeLines, SetPropertyValueByKind) {
  TwKnob knob;
  TwSwitchLed sw;
  struct Case {
    TwWinComponent* control;
    QString path;
    QVariant value;
    std::function<bool()> holds;
  } cases[] = {
      {&knob, "UseKeyboard", "0", [&] { return !knob.UseKeyboard(); }},
      {&knob, "USEKEYBOARD", "True", [&] { return knob.UseKeyboard(); }},
      {&knob, "UseKeyboard", "false", [&] { return !knob.UseKeyboard(); }},
      {&knob, "UseKeyboard", "7", [&] { return knob.UseKeyboard(); }},
      {&knob, "KnobStyle", "2", [&] { return knob.KnobStyle() == iksSunken; }},
      {&knob, "KeyPageStepSize", "2,5", [&] { return knob.KeyPageStepSize() == 2.5; }},
      {&knob, "Position", QVariant(42.0), [&] { return knob.Position() == 42; }},
      {&knob, "PositionDisplayFont.Height", QVariant(-20), [&] { return knob.PositionDisplayFont().Height == -20; }},
      {&sw, "Active", QVariant(true), [&] { return sw.Active(); }},
      {&sw, "Caption", "Go", [&] { return sw.Caption() == "Go"; }},
      {&sw, "NoSuchThing", "1", [] { return true; }},
  };
  for (const Case& c : cases) {
    c.control->SetPropertyValue(TwPropertyRegistry::Of(c.control), QString(), c.value, c.path);
    EXPECT_TRUE(c.holds()) << c.path.toStdString() << " = " << c.value.toString().toStdString();
  }
  EXPECT_THROW(knob.SetPropertyValue(TwPropertyRegistry::Of(&knob), QString(), "x", "KnobRadius"), TwException);
  EXPECT_THROW(knob.SetPropertyValue(TwPropertyRegistry::Of(&knob), QString(), "9", "KnobStyle"), TwException);

  QString name, value;
  TwWinComponent::SplitSchemeLine("Caption = a = b", name, value);
  EXPECT_EQ(name, "Caption");
  EXPECT_EQ(value, "a = b");
  TwWinComponent::SplitSchemeLine("no separator", name, value);
  EXPECT_EQ(name, "");
}

TEST_F(ThemeTest, IniPathsUserScopeWins) {
  const QString system = dir.filePath("system.ini"), user = dir.filePath("user.ini");
  Write(system, "[Themes]\r\nTavrin Defined Theme Path= /usr/share/themes \r\nUser Defined Theme Path=/srv/user\r\n");
  Write(user, "[Themes]\r\nTavrin Defined Theme Path=  \r\nUser Defined Theme Path=/home/me/themes/\r\n");
  SetThemePathSource(std::make_shared<TwIniThemePaths>(system, user));
  TwKnob knob;
  QString preset, own;
  knob.GetThemePaths(preset, own);
  EXPECT_EQ(preset, "/usr/share/themes/");
  EXPECT_EQ(own, "/home/me/themes/");

  SetThemePathSource(std::make_shared<TwIniThemePaths>(dir.filePath("none.ini"), dir.filePath("none2.ini")));
  knob.GetThemePaths(preset, own);
  EXPECT_EQ(preset, "");
  EXPECT_EQ(own, "");
}
