// Property files and lists of the instrument controls, the kind query, and
// the two text streams.
#include "controls/wException.h"
#include "controls/wKnob.h"
#include "controls/wLed.h"
#include "controls/wPropertyFiles.h"
#include "controls/wStreams.h"
#include "controls/wSwitchLed.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>

using namespace platform;

namespace {

// A knob that counts the repaint requests reaching Qt.
class CountingKnob : public TwKnob {
 public:
  int requests = 0;

 protected:
  void Invalidate() override {
    ++requests;
    TwKnob::Invalidate();
  }
};

// The automix dialog's knob settings.
void AutomixSettings(TwKnob& k) {
  k.resize(40, 40);
  k.SetPositionMin(-280);
  k.SetPositionMax(120);
  k.SetKnobRadius(20);
  k.SetKnobEdgeWidth(2);
  k.SetKnobStyle(iksRaisedEdge);
  k.SetIndicatorActiveColor(clMaroon);
  k.SetIndicatorInactiveColor(clGreen);
  k.SetIndicatorMargin(4);
  k.SetIndicatorSize(5);
  k.SetKeyArrowStepSize(0.5);
  k.SetKeyPageStepSize(10);
  k.SetOuterMargin(0);
  k.SetColor(clGray);
  k.SetTransparent(true);
  k.SetShowTicksMajor(false);
  k.SetShowTicksMinor(false);
  k.SetShowTickLabels(false);
}

QStringList FileLines(const QString& path) {
  QFile f(path);
  EXPECT_TRUE(f.open(QIODevice::ReadOnly));
  const QByteArray bytes = f.readAll();
  EXPECT_TRUE(bytes.endsWith("\r\n"));
  QStringList lines = QString::fromUtf8(bytes).split(QStringLiteral("\r\n"));
  lines.removeLast();
  return lines;
}

void WriteText(const QString& path, const QByteArray& text) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(text);
}

bool HasPath(const QStringList& lines, const QString& path) {
  for (const QString& l : lines)
    if (l.startsWith(path + " = ")) return true;
  return false;
}

QString LoadError(TwComponent& c, const QString& path) {
  try {
    c.LoadPropertiesFromFile(path);
  } catch (const TwException& e) {
    return QString::fromStdString(e.what());
  }
  return QString();
}

}  // namespace

TEST(PropertyFile, KnobFileHoldsItsClassAndSettings) {
  QTemporaryDir dir;
  TwKnob knob;
  knob.setObjectName("knbAutoA");
  AutomixSettings(knob);
  const QString path = dir.filePath("knob.txt");
  knob.SavePropertiesToFile(path);
  QStringList lines = FileLines(path);
  ASSERT_FALSE(lines.isEmpty());
  EXPECT_EQ(lines[0], "File Type = TwKnob");
  for (const char* missing : {"Name", "Left", "Width", "Visible", "Enabled", "Tag"})
    EXPECT_FALSE(HasPath(lines, missing)) << missing;
  for (const char* line : {"UseKeyboard = 1", "KnobStyle = 0", "PositionMin = -280", "PositionMax = 120",
                           "KeyArrowStepSize = 0.5", "IndicatorActiveColor = 128", "Color = 8421504",
                           "Transparent = 1", "TickLabelFont.Name = Tahoma", "TickLabelFont.Color = -16777208",
                           "TickMajorColor = 0", "BackGroundColor = -16777201"})  // clBtnFace as stored
    EXPECT_TRUE(lines.contains(line)) << line;
  EXPECT_FALSE(HasPath(lines, "TickLabelFont.Size"));  // Height holds it
  // The range before the position, so a load keeps the position in range.
  EXPECT_LT(lines.indexOf("PositionMax = 120"), lines.indexOf(QRegularExpression("Position = .*")));

  // A copy to read in a text editor.
  QDir().mkpath(DSP_TEST_OUT);
  knob.SavePropertiesToFile(DSP_TEST_OUT "/knob-automix-properties.txt");

  knob.SetOptionSaveAllProperties(true);
  knob.SavePropertiesToFile(path);
  lines = FileLines(path);
  EXPECT_TRUE(lines.contains("Left = 0"));
  EXPECT_TRUE(lines.contains("Width = 40"));
  EXPECT_FALSE(HasPath(lines, "Name"));
}

TEST(PropertyFile, SavedKnobLoadsIntoANewOne) {
  QTemporaryDir dir;
  const QString path = dir.filePath("knob.txt");
  TwKnob saved;
  AutomixSettings(saved);
  saved.SetPositionMax(200);
  saved.SetPosition(150);
  saved.SetPositionDisplayUnits(" dB");
  saved.SavePropertiesToFile(path);

  CountingKnob loaded;
  loaded.requests = 0;
  loaded.LoadPropertiesFromFile(path);
  EXPECT_EQ(loaded.requests, 1);  // one repaint for the whole file
  EXPECT_EQ(loaded.PositionMin(), -280);
  EXPECT_EQ(loaded.PositionMax(), 200);
  EXPECT_EQ(loaded.Position(), 150);
  EXPECT_EQ(loaded.KnobStyle(), iksRaisedEdge);
  EXPECT_EQ(loaded.KeyArrowStepSize(), 0.5);
  EXPECT_EQ(loaded.Color(), QColor(128, 128, 128));
  EXPECT_EQ(loaded.PositionDisplayUnits(), "dB");  // values are read trimmed
  EXPECT_TRUE(loaded.Transparent());
  EXPECT_FALSE(loaded.ShowTicksMajor());
}

TEST(PropertyFile, LinesConvertByKind) {
  QTemporaryDir dir;
  const QString path = dir.filePath("in.txt");
  // Each file loads into a new knob; a CR before the LF is dropped.
  struct Case {
    QByteArray text;
    std::function<bool(TwKnob&)> holds;
  } cases[] = {
      {"File Type = TwKnob\r\nKnobStyle = 3\r\n", [](TwKnob& k) { return k.KnobStyle() == iksSunkenEdge; }},
      {"KeyArrowStepSize = 0,5\n", [](TwKnob& k) { return k.KeyArrowStepSize() == 0.5; }},
      {"keyarrowstepsize = 2.5E1\r\n", [](TwKnob& k) { return k.KeyArrowStepSize() == 25; }},
      {"UseKeyboard = 0\r\nKnobRadius = $10\r\n",
       [](TwKnob& k) { return !k.UseKeyboard() && k.KnobRadius() == 16; }},
      {"TickLabelFont.Height = -20\r\nTickLabelFont.Style = 3\r\n",
       [](TwKnob& k) { return k.TickLabelFont().Height == -20 && k.TickLabelFont().Style == (fsBold | fsItalic); }},
      {"BackGroundColor = -16777201\r\n", [](TwKnob& k) { return k.BackGroundColor() == QColor(240, 240, 240); }},
      {"NoSuchThing = 5\r\nTickLabelFont.NoSuch = 1\r\n", [](TwKnob&) { return true; }},
  };
  for (const Case& c : cases) {
    WriteText(path, c.text);
    TwKnob knob;
    EXPECT_EQ(LoadError(knob, path), "") << c.text.constData();
    EXPECT_TRUE(c.holds(knob)) << c.text.constData();
  }
}

TEST(PropertyFile, BadLinesStopTheLoadAfterTheLinesBefore) {
  QTemporaryDir dir;
  const QString path = dir.filePath("bad.txt");
  struct Case {
    QByteArray bad;
    QString message;
  } cases[] = {
      {"IndicatorSize = x", "Error Loading Properties - 'x' is not a valid integer value"},
      {"KnobStyle = 9", "Error Loading Properties - '9' is not a valid value of KnobStyle"},
      {"UseKeyboard = 2", "Error Loading Properties - '2' is not a valid value of UseKeyboard"},
      {"KeyPageStepSize = 1..5", "Error Loading Properties - '1..5' is not a valid floating point value"},
      {"KeyPageStepSize = inf", "Error Loading Properties - 'inf' is not a valid floating point value"},
      {"KeyArrowStepSize = -INF", "Error Loading Properties - '-INF' is not a valid floating point value"},
      {"Position = nan", "Error Loading Properties - 'nan' is not a valid floating point value"},
  };
  for (const Case& c : cases) {
    WriteText(path, "KnobRadius = 12\r\n" + c.bad + "\r\nIndicatorMargin = 9\r\n");
    CountingKnob knob;
    EXPECT_EQ(LoadError(knob, path), c.message);
    EXPECT_EQ(knob.KnobRadius(), 12);
    EXPECT_EQ(knob.IndicatorMargin(), 5);  // after the bad line: not applied
    EXPECT_EQ(knob.KnobStyle(), iksRaised);
    EXPECT_EQ(knob.IndicatorSize(), 4);
    knob.requests = 0;
    knob.SetKnobRadius(13);
    EXPECT_EQ(knob.requests, 1);  // the failed load left no deferral behind
  }
  TwKnob knob;
  const QString missing = LoadError(knob, dir.filePath("none.txt"));
  EXPECT_TRUE(missing.startsWith("Error Loading Properties - Cannot open file")) << missing.toStdString();
  try {
    knob.SavePropertiesToFile(dir.filePath("no/such/dir.txt"));
    ADD_FAILURE();
  } catch (const TwException& e) {
    EXPECT_TRUE(QString(e.what()).startsWith("Error Saving Properties - Cannot create file"));
  }
}

TEST(PropertyFile, SwitchCaptionsKeepLineBreaksAndLength) {
  QTemporaryDir dir;
  const QString path = dir.filePath("switch.txt");
  TwSwitchLed sw;
  sw.SetCaption("a\r\nb");
  sw.SavePropertiesToFile(path);
  const QStringList lines = FileLines(path);
  EXPECT_EQ(lines[0], "File Type = TwSwitchLed");
  EXPECT_TRUE(lines.contains("Caption = a#13#10b"));
  TwSwitchLed back;
  back.LoadPropertiesFromFile(path);
  EXPECT_EQ(back.Caption(), "a\r\nb");

  const QString longCaption = QString(300, 'x') + "end";
  sw.SetCaption(longCaption);
  sw.SavePropertiesToFile(path);
  back.LoadPropertiesFromFile(path);
  EXPECT_EQ(back.Caption(), longCaption);
}

TEST(PropertyFile, LedsRoundTrip) {
  QTemporaryDir dir;
  const QString path = dir.filePath("led.txt");
  TwLedRectangle led;
  led.SetActiveColor(clYellow);
  led.SetCenterLabelText("Lim");
  led.SetCenterLabelAlignment(iahRight);
  led.SetActive(true);
  led.SavePropertiesToFile(path);
  const QStringList lines = FileLines(path);
  EXPECT_EQ(lines[0], "File Type = TwLedRectangle");
  EXPECT_TRUE(lines.contains("ActiveColor = 65535"));
  EXPECT_TRUE(lines.contains("CenterLabelFont.Name = Tahoma"));
  TwLedRectangle back;
  back.LoadPropertiesFromFile(path);
  EXPECT_TRUE(back.Active());
  EXPECT_EQ(back.ActiveColor(), QColor(255, 255, 0));
  EXPECT_EQ(back.CenterLabelText(), "Lim");
  EXPECT_EQ(back.CenterLabelAlignment(), iahRight);
}

TEST(PropertyList, PrefixesSectionsDefaultsAndExclusions) {
  TwKnob knob;
  QStringList lines{"Channel0.Color = 255", "channel0.KnobRadius = 7", "Channel1.Color = 65280", "Channel0.Tag = 1"};
  LoadPropertiesFromList(TwPropertyRegistry::Of(&knob), "Channel0", lines);
  EXPECT_EQ(knob.Color(), QColor(255, 0, 0));
  EXPECT_EQ(knob.KnobRadius(), 35);  // "channel0" is another section: the load stops
  EXPECT_EQ(lines, QStringList({"channel0.KnobRadius = 7", "Channel1.Color = 65280", "Channel0.Tag = 1"}));

  QStringList saved;
  const QStringList exclusions{"pre.tickLabelFont", "Pre.Name"};
  knob.SetKnobRadius(20);
  SavePropertiesToList(TwPropertyRegistry::Of(&knob), "Pre", saved, true, &exclusions);
  EXPECT_TRUE(saved.contains("Pre.KnobRadius = 20"));
  EXPECT_TRUE(saved.contains("Pre.Color = 255"));
  EXPECT_FALSE(HasPath(saved, "Pre.KnobStyle"));  // the default
  EXPECT_FALSE(HasPath(saved, "Pre.TickLabelFont.Name"));
  EXPECT_FALSE(HasPath(saved, "Pre.Name"));
  EXPECT_TRUE(HasPath(saved, "Pre.PositionDisplayFont.Name"));
}

TEST(PropertyList, ListRoutines) {
  QStringList lines{"File Type = TwKnob", "KnobStyle = 3", "File Type = again"};
  QString value;
  EXPECT_TRUE(ReadListValue("file type", value, lines));
  EXPECT_EQ(value, "TwKnob");
  EXPECT_EQ(lines, QStringList({"KnobStyle = 3", "File Type = again"}));
  EXPECT_FALSE(ReadListValue("Missing", value, lines));

  QString name = "n", val = "v";
  SplitNameValue("a = b", '=', name, val);
  EXPECT_EQ(name, "a");
  EXPECT_EQ(val, "b");
  SplitNameValue(" x = y = z ", '=', name, val);
  EXPECT_EQ(name, "x");
  EXPECT_EQ(val, "y = z");
  SplitNameValue("no separator", '=', name, val);
  EXPECT_EQ(name, "");
  EXPECT_EQ(val, "");

  EXPECT_EQ(PropertyFloatText(0.1), "0.1");
  EXPECT_EQ(PropertyFloatText(-280), "-280");
  EXPECT_EQ(PropertyFloatText(1.0 / 3), "0.333333333333333");
  EXPECT_EQ(PropertyFloatText(1e20), "1e+20");

  TwKnob knob;
  TwPropertyObject o = TwPropertyRegistry::Of(&knob);
  EXPECT_FALSE(GetObjectPropByName(o, "KnobStyle"));
  EXPECT_FALSE(GetObjectPropByName(o, "Nothing"));
  EXPECT_FALSE(GetObjectPropByName(o, "TickLabelFont"));  // held by value
}

TEST(PropertyKind, KindsByPath) {
  TwKnob knob;
  TwSwitchLed sw;
  TwLedRound led;
  struct Case {
    TwComponent* control;
    const char* path;
    int kind;
  } cases[] = {
      {&knob, "KnobStyle", tkEnumeration},
      {&knob, "KeyArrowStepSize", tkFloat},
      {&knob, "TickLabelFont.Name", tkString},
      {&knob, "ticklabelfont.style", tkSet},
      {&knob, "Position", tkFloat},
      {&knob, "UseKeyboard", tkEnumeration},
      {&knob, "KnobRadius", tkInteger},
      {&knob, "TickLabelFont", tkUnknown},
      {&knob, "NoSuchProperty", tkUnknown},
      {&sw, "Caption", tkString},
      {&sw, "CaptionFont.Height", tkInteger},
      {&led, "ShowReflection", tkEnumeration},
      {&led, "Caption", tkUnknown},
  };
  for (const Case& c : cases) EXPECT_EQ(c.control->GetPropertyKind(c.path), c.kind) << c.path;
}

TEST(Streams, MemoryStream) {
  TwMemoryStream s;
  s.WriteStringCRLF("ab");
  EXPECT_EQ(s.Bytes(), QByteArray("ab\r\n"));
  try {
    s.WriteString(QString(256, 'x'));
    ADD_FAILURE();
  } catch (const TwException& e) {
    EXPECT_STREQ(e.what(), "String Exceeds 255 Characters");
  }
  s.WriteString(QString(255, 'x'));
  EXPECT_EQ(s.Size(), 4 + 255);
  s.SetPosition(s.Size() - 1);
  EXPECT_EQ(s.ReadChar(), 'x');
  try {
    s.ReadChar();
    ADD_FAILURE();
  } catch (const TwException& e) {
    EXPECT_STREQ(e.what(), "EOF");
  }
  TwMemoryStream bytes(QByteArray("\xE9", 1));
  EXPECT_EQ(static_cast<unsigned char>(bytes.ReadChar()), 0xE9);  // unchanged
}

TEST(Streams, XmlReading) {
  TwXMLMemoryStream a(QByteArray("<a><b>5</b></a>"));
  EXPECT_EQ(a.GetElement("b"), "5");

  TwXMLMemoryStream b(QByteArray("</x><y attr=\"1\">v<z>"));
  EXPECT_EQ(b.GetNameElementStart(), "y");
  EXPECT_EQ(b.GetElementValue(), "v");
  EXPECT_EQ(b.PeekNextPiece(), "z");
  EXPECT_EQ(b.GetNextPiece(), "z");
  EXPECT_EQ(b.GetNextPiece(), "");

  struct Case {
    QByteArray text;
    const char* message;
  } stops[] = {{"x", "XML Parsing Error - \"<\" not Found"}, {"<x>", "XML Parsing Error - \"/\" not Found"}};
  for (const Case& c : stops) {
    TwXMLMemoryStream s(c.text);
    try {
      s.GetNameElementStop();
      ADD_FAILURE() << c.text.constData();
    } catch (const TwException& e) {
      EXPECT_STREQ(e.what(), c.message);
    }
  }
  TwXMLMemoryStream c(QByteArray("\r\n<Scheme>\r\ntext<"));
  EXPECT_EQ(c.GetNextPiece(), "Scheme");
  EXPECT_EQ(c.GetNextPiece(), "text");
  EXPECT_THROW(c.PeekNextPiece(), TwException);  // an unclosed tag at the end
}

TEST(Streams, XmlWriting) {
  TwXMLMemoryStream s;
  s.StartElement("Properties");
  s.WriteElement("Caption", "Auto");
  s.EndElement("Properties");
  EXPECT_EQ(s.Bytes(), QByteArray("<Properties>\r\n<Caption>Auto</Caption>\r\n</Properties>\r\n"));
  s.SetPosition(0);
  EXPECT_EQ(s.GetElement("Caption"), "Auto");
}

namespace {

// Plain classes registered the way the plot registers its objects.
struct Pen {
  int Width = 1;
  QString Style = "solid";
};
struct Trace {
  double Scale = 1;
  Pen Line;
  Pen* Marker = nullptr;  // none until made
};

const TwPropertyTable& PenTable() {
  static const TwPropertyTable* t = [] {
    auto* t = new TwPropertyTable("TestPen", nullptr);
    t->Integer<Pen>("Width", [](Pen& p) -> qint64 { return p.Width; }, [](Pen& p, qint64 v) { p.Width = int(v); }, 1);
    t->String<Pen>("Style", [](Pen& p) { return p.Style; }, [](Pen& p, const QString& v) { p.Style = v; });
    return t;
  }();
  return *t;
}

const TwPropertyTable& TraceTable() {
  static const TwPropertyTable* t = [] {
    auto* t = new TwPropertyTable("TestTrace", nullptr);
    t->Float<Trace>("Scale", [](Trace& o) { return o.Scale; }, [](Trace& o, double v) { o.Scale = v; });
    t->ObjectRef<Trace, Pen>("Line", &PenTable(), [](Trace& o) { return &o.Line; });
    t->ObjectRef<Trace, Pen>("Marker", &PenTable(), [](Trace& o) { return o.Marker; });
    return t;
  }();
  return *t;
}

}  // namespace

TEST(PropertyRegistry, PlainObjectsByReference) {
  TwPropertyRegistry::Register(&TraceTable());
  ASSERT_EQ(TwPropertyRegistry::Find("TestTrace"), &TraceTable());
  EXPECT_EQ(TwPropertyRegistry::Find("TwKnob"), &TwPropertyRegistry::KnobTable());
  EXPECT_EQ(TwPropertyRegistry::Find("Nothing"), nullptr);

  Trace trace;
  trace.Scale = 0.25;
  trace.Line.Width = 3;
  const TwPropertyObject o{&trace, &TraceTable()};
  QStringList lines;
  SavePropertiesToList(o, "Channel0", lines, true);
  EXPECT_EQ(lines, QStringList({"Channel0.Scale = 0.25", "Channel0.Line.Width = 3", "Channel0.Line.Style = solid"}));

  Trace back;
  lines << "Channel1.Scale = 9";
  LoadPropertiesFromList({&back, &TraceTable()}, "Channel0", lines);
  EXPECT_EQ(back.Scale, 0.25);
  EXPECT_EQ(back.Line.Width, 3);
  EXPECT_EQ(lines, QStringList{"Channel1.Scale = 9"});

  const TwPropertyObject line = GetObjectPropByName(o, "line");
  EXPECT_EQ(line.Object, &trace.Line);
  EXPECT_EQ(line.Table, &PenTable());
  EXPECT_FALSE(GetObjectPropByName(o, "Marker"));  // no object yet
  EXPECT_EQ(GetPropertyKind(o, "Line.Style"), tkString);
  EXPECT_EQ(GetPropertyKind(o, "Marker.Width"), tkUnknown);
}
