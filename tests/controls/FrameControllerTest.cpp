// Frame controller: linking, update brackets, the panel's rule, Load/Save
// through the settings store, and the store's paths and encodings.
#include "controls/UxFrameController.h"
#include "controls/UxGroupBox.h"
#include "controls/UxPanel.h"
#include "controls/UxRegIniFile.h"
#include "platform/IniFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

using platform::TColor;

QColor Q(TColor c) { return platform::ToQColor(platform::ColorToRGB(c)); }

struct Client : QWidget, IFrameControllerClient {
  int pushes = 0;
  void UpdateFromFrameController() override { ++pushes; }
};

TEST(FrameController, AddingTwicePushesOnce) {
  TUxFrameController fc;
  Client c;
  fc.AddControl(&c);
  fc.AddControl(&c);
  EXPECT_EQ(c.pushes, 1);
  EXPECT_EQ(fc.ControlCount(), 1);
  fc.SetFrameStyle(fsLowered);
  EXPECT_EQ(c.pushes, 2) << "a setter pushes its setting";
  fc.SetFrameStyle(fsLowered);
  EXPECT_EQ(c.pushes, 2) << "an unchanged value pushes nothing";
  fc.RemoveControl(&c);
  EXPECT_EQ(fc.ControlCount(), 0);
  {
    Client gone;
    fc.AddControl(&gone);
  }
  EXPECT_EQ(fc.ControlCount(), 0) << "a destroyed control leaves the list";
}

TEST(FrameController, UpdatesPushOnceAtTheOutermostEnd) {
  TUxFrameController fc;
  Client a, b;
  fc.AddControl(&a);
  fc.AddControl(&b);
  fc.BeginUpdate();
  fc.BeginUpdate();
  fc.SetColor(platform::clRed);
  fc.SetFrameVisible(true);
  fc.SetFrameSides(uxdraw::sdTop);
  fc.EndUpdate();
  EXPECT_EQ(a.pushes, 1);
  fc.EndUpdate();
  EXPECT_EQ(a.pushes, 2);
  EXPECT_EQ(b.pushes, 2);
  fc.EndUpdate();  // unbalanced: counts back to 0 and pushes again
  EXPECT_EQ(a.pushes, 3);
}

TEST(FrameController, ColourSetterRules) {
  TUxFrameController fc;
  fc.SetParentColor(true);
  fc.SetColor(platform::clAqua);
  EXPECT_FALSE(fc.ParentColor()) << "a colour clears ParentColor";
  EXPECT_EQ(fc.FocusColor(), platform::clAqua) << "a focus colour equal to the colour follows it";
  fc.SetFocusColor(platform::clYellow);
  fc.SetColor(platform::clRed);
  EXPECT_EQ(fc.FocusColor(), platform::clYellow);
  fc.SetFrameSides(uxdraw::sdLeft);
  fc.SetFrameHotTrack(true);
  EXPECT_TRUE(fc.FrameVisible());
  EXPECT_EQ(fc.FrameSides(), uxdraw::AllSides);
}

TEST(FrameController, PanelTakesFrameAndColours) {
  TUxFrameController fc;
  TUxPanel panel;
  panel.SetFrameController(&fc);
  EXPECT_EQ(panel.BorderOuter(), fsRaised) << "nothing is taken while FrameVisible is off";
  const TColor c = platform::RGB(200, 100, 50);
  fc.BeginUpdate();
  fc.SetColor(c);
  fc.SetFrameStyle(fsFlat);
  fc.SetFrameColor(platform::RGB(1, 2, 3));
  fc.SetFrameVisible(true);
  fc.EndUpdate();
  EXPECT_EQ(panel.Color(), Q(c));
  EXPECT_EQ(panel.BorderHighlight(), Q(uxdraw::LighterColor(c, 100)));
  EXPECT_EQ(panel.BorderShadow(), Q(uxdraw::DarkerColor(c, 50)));
  EXPECT_EQ(panel.BorderOuter(), fsFlat);
  EXPECT_EQ(panel.FlatColor(), QColor(1, 2, 3));
  EXPECT_EQ(panel.FlatColorAdjustment(), 0);

  // Only the flags the panel lets through.
  TUxPanel picky;
  picky.SetFrameControllerNotifications(FrameNotification(fcpFrameStyle));
  picky.SetFrameController(&fc);
  EXPECT_EQ(picky.BorderOuter(), fsFlat);
  EXPECT_NE(picky.Color(), Q(c));

  // A group box only while gsCustom.
  TUxGroupBox box;
  box.SetFrameController(&fc);
  EXPECT_NE(box.Color(), Q(c));
  box.SetGroupStyle(gsCustom);
  fc.UpdateControls();
  EXPECT_EQ(box.Color(), Q(c));
}

TEST(FrameController, PanelDropsAFreedController) {
  TUxPanel panel;
  {
    TUxFrameController fc;
    panel.SetFrameController(&fc);
    EXPECT_EQ(panel.FrameController(), &fc);
  }
  EXPECT_EQ(panel.FrameController(), nullptr);
}

TEST(FrameController, LoadAndSaveNeedAStore) {
  TUxFrameController fc;
  try {
    fc.Load("Frames");
    FAIL() << "no exception";
  } catch (const ENoRegIniFile& e) {
    EXPECT_STREQ(e.what(), "Cannot load Custom Framing settings--No TUxRegIniFile component specified");
  }
  try {
    fc.Save("Frames");
    FAIL() << "no exception";
  } catch (const ENoRegIniFile& e) {
    EXPECT_STREQ(e.what(), "Cannot save Custom Framing settings--No TUxRegIniFile component specified");
  }
}

TEST(FrameController, SaveAndLoadThroughAnIniFile) {
  QTemporaryDir dir;
  TUxRegIniFile store;
  store.SetPath(dir.filePath("frames.ini"));
  TUxFrameController fc;
  fc.SetRegIniFile(&store);
  fc.SetColor(platform::RGB(10, 20, 30));
  fc.SetFrameSides(uxdraw::sdLeft | uxdraw::sdBottom);
  fc.SetFrameStyle(fsLowered);
  fc.SetFrameVisible(true);
  fc.Save("Frames");
  QFile f(dir.filePath("frames.ini"));
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  const QString text = QString::fromUtf8(f.readAll());
  EXPECT_TRUE(text.startsWith("[Frames]\r\nColor=1971210\r\nFlatButtonColor=-16777201\r\nFlatButtons=1\r\n"))
      << text.toStdString();
  EXPECT_TRUE(text.contains("FrameSides_Left=1\r\nFrameSides_Top=0\r\nFrameSides_Right=0\r\nFrameSides_Bottom=1\r\n"
                            "FrameStyle=4\r\nFrameVisible=1\r\nFramingPreference=1\r\n"));

  TUxFrameController other;
  other.SetRegIniFile(&store);
  Client c;
  other.AddControl(&c);
  other.Load("Frames");
  EXPECT_EQ(c.pushes, 2) << "one push for the whole load";
  EXPECT_EQ(other.Color(), platform::RGB(10, 20, 30));
  EXPECT_EQ(other.FrameSides(), uxdraw::sdLeft | uxdraw::sdBottom);
  EXPECT_EQ(other.FrameStyle(), fsLowered);
  EXPECT_TRUE(other.FrameVisible());

  // A section without keys gives the defaults, with all four sides.
  other.Load("Empty");
  EXPECT_EQ(other.Color(), platform::clWindow);
  EXPECT_EQ(other.FrameSides(), uxdraw::AllSides);
  EXPECT_EQ(other.FrameStyle(), fsFlat);
  EXPECT_EQ(other.FrameHotStyle(), fsFlatBold);
  EXPECT_EQ(other.ReadOnlyColor(), platform::clInfoBk);
  EXPECT_EQ(other.DisabledColor(), platform::clWindow);
  EXPECT_FALSE(other.FrameVisible());
  EXPECT_TRUE(other.FlatButtons());
  EXPECT_EQ(other.FramingPreference(), uxdraw::fpXPThemes);
}

TEST(RegIniFile, Paths) {
  TUxRegIniFile store;
  const QString exe = QCoreApplication::applicationFilePath();
  EXPECT_EQ(store.FileName(), exe + ".ini") << "an empty Path is the executable's with .ini";
  EXPECT_EQ(store.Path(), exe + ".ini");
  TUxRegIniFile bare;
  bare.SetPath("settings.cfg");
  EXPECT_EQ(bare.FileName(), QFileInfo(exe).absolutePath() + "/settings.ini");
  EXPECT_EQ(store.AccessMask(), 0xF003Fu);
}

TEST(RegIniFile, EncodingsAndValues) {
  QTemporaryDir dir;
  TUxRegIniFile store;
  store.SetPath(dir.filePath("a.ini"));
  store.SetFileEncoding(feUnicode);
  store.WriteString("S", "Name", QString::fromUtf8("音量"));
  store.WriteFloat("S", "Gain", -2.5);
  store.WriteBinaryStream("S", "Blob", QByteArray("\x01\xAB", 2));
  QFile f(dir.filePath("a.ini"));
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_TRUE(f.readAll().startsWith("\xFF\xFE[\0S\0]\0")) << "UTF-16 with a byte-order mark";
  TUxRegIniFile again;
  again.SetPath(dir.filePath("a.ini"));
  EXPECT_EQ(again.ReadString("S", "Name", ""), QString::fromUtf8("音量"));
  EXPECT_EQ(again.ReadFloat("S", "Gain", 0), -2.5);
  EXPECT_EQ(again.ReadBinaryStream("S", "Blob"), QByteArray("\x01\xAB", 2));
  EXPECT_EQ(again.ReadSection("S"), QStringList({"Name", "Gain", "Blob"}));
  again.DeleteKey("S", "Gain");
  EXPECT_FALSE(again.ValueExists("S", "Gain"));
  again.EraseSection("S");
  EXPECT_FALSE(again.SectionExists("S"));
}

TEST(RegIniFile, RegistryModeKeepsKeysUnderTheRootAndKeyPath) {
  QStandardPaths::setTestModeEnabled(true);
  QFile::remove(TUxRegIniFile::RegistryFileName());
  TUxRegIniFile store;
  store.SetPathType(ptRegistry);
  store.SetPath("\\Software\\Test");
  store.WriteInteger("Frames", "Zeta", 1);
  store.WriteInteger("Frames", "Alpha", 2);
  EXPECT_EQ(store.ReadSectionValues("Frames"), QStringList({"Alpha=2", "Zeta=1"})) << "in name order";
  EXPECT_EQ(store.ReadSections(), QStringList({"Frames"}));
  platform::IniFile file(TUxRegIniFile::RegistryFileName());
  EXPECT_EQ(file.ReadInteger("HKEY_CURRENT_USER\\Software\\Test\\Frames", "Alpha", 0), 2);
  QFile::remove(TUxRegIniFile::RegistryFileName());
  QStandardPaths::setTestModeEnabled(false);
}

}  // namespace
