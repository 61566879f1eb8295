// The plot's configuration and annotations files: layout of the file,
// round trips, the differential switch, and the failures of a load.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "controls/wPropertyFiles.h"
#include "plot/wXYPlot.h"

namespace {

std::string ErrorOf(const std::function<void()>& f) {
  try {
    f();
  } catch (const std::exception& e) {
    return e.what();
  }
  return "no error";
}

struct FilesFixture {
  QTemporaryDir dir;
  QString File(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
  QStringList Lines(const QString& file) const { return ReadPropertyFile(file); }
  void Write(const QString& file, const QStringList& lines) const { WritePropertyFile(file, lines); }
  static int Index(const QStringList& lines, const QString& prefix) {
    for (int i = 0; i < lines.size(); ++i)
      if (lines[i].startsWith(prefix)) return i;
    return -1;
  }
  static bool Has(const QStringList& lines, const QString& prefix) { return Index(lines, prefix) >= 0; }
};

TEST(PlotFiles, ConfigurationFileLayoutAndRoundTrip) {
  FilesFixture f;
  TwXYPlot plot;
  plot.GetToolBar(0)->SetZOrder(5);
  const QString file = f.File("plot.txt");
  plot.SavePropertiesToFile(file);
  EXPECT_EQ(plot.LastPropertiesFileName(), file);
  const QStringList lines = f.Lines(file);
  const QStringList header{"File Type = Plot Config", "ChannelCount = 1",  "XAxisCount = 1",     "YAxisCount = 1",
                           "ToolBarCount = 1",        "LegendCount = 1",   "TableCount = 0",     "LabelCount = 1",
                           "DataViewCount = 1",       "DataCursorCount = 1", "LimitCount = 0",   "DataViewZHorz = 1",
                           "DataViewZVert = 1"};
  ASSERT_GT(lines.size(), header.size());
  EXPECT_EQ(lines.mid(0, header.size()), header);
  EXPECT_TRUE(lines[header.size()].startsWith("Channel0."));
  EXPECT_TRUE(lines.contains("Channel0.Name = Channel 1"));
  EXPECT_TRUE(lines.contains("ToolBar0.ZOrder = 5"));
  // The plot's own lines come last, without Name or the window's place.
  EXPECT_FALSE(FilesFixture::Has(lines, "Name ="));
  EXPECT_FALSE(FilesFixture::Has(lines, "Left ="));
  // Sections in kind order.
  const char* order[] = {"Channel0.", "XAxis0.", "YAxis0.", "ToolBar0.", "Legend0.",
                         "Label0.",   "DataView0.", "DataCursor0.", "OptionSaveAllProperties"};
  for (size_t i = 1; i < std::size(order); ++i)
    EXPECT_LT(FilesFixture::Index(lines, order[i - 1]), FilesFixture::Index(lines, order[i])) << order[i];

  TwXYPlot other;
  other.AddChannel();
  other.AddLimit();
  other.GetXAxis(0)->SetTitle("changed");
  int before = 0, after = 0;
  other.OnBeforeLoadProperties = [&](QObject*) { ++before; };
  other.OnAfterLoadProperties = [&](QObject*) { ++after; };
  other.LoadPropertiesFromFile(file);
  EXPECT_EQ(other.ChannelCount(), 1);
  EXPECT_EQ(other.LimitCount(), 0);
  EXPECT_EQ(other.XAxisCount(), 1);
  EXPECT_EQ(other.ToolBarCount(), 1);
  EXPECT_EQ(other.LabelCount(), 1);
  EXPECT_EQ(other.DataCursorCount(), 1);
  EXPECT_EQ(other.GetChannel(0)->Name(), "Channel 1");
  EXPECT_EQ(other.GetXAxis(0)->Title(), plot.GetXAxis(0)->Title());
  EXPECT_EQ(other.GetToolBar(0)->ZOrder(), 5);
  EXPECT_EQ(before, 1);
  EXPECT_EQ(after, 1);
  EXPECT_EQ(other.LastPropertiesFileName(), file);

  // Without a toolbar the toolbar sections are dropped and the later ones
  // still apply.
  plot.GetLegend(0)->SetZOrder(7);
  plot.SavePropertiesToFile(file);
  TwXYPlot bare;
  bare.RemoveAllToolBars();
  bare.LoadPropertiesFromFile(file);
  EXPECT_EQ(bare.ToolBarCount(), 0);
  EXPECT_EQ(bare.GetLegend(0)->ZOrder(), 7);
}

// What a load restores, a save writes again: the second file matches the
// first byte for byte, for a plot with objects of every kind moved off their
// defaults, in both save styles.
TEST(PlotFiles, SaveLoadSaveGivesTheSameBytes) {
  for (bool differential : {false, true}) {
    FilesFixture f;
    TwXYPlot plot;
    plot.SetDifferentialPropertySave(differential);
    plot.AddChannel();
    plot.GetChannel(1)->SetTitleText("Second");
    plot.GetChannel(1)->SetColor(platform::TColor(0x123456));
    plot.GetChannel(1)->SetXAxisName("X-Axis 2");
    plot.AddXAxis();
    plot.GetXAxis(1)->SetStartPercent(50);
    plot.GetXAxis(1)->SetMinSpan(-3.25, 7.5);
    plot.GetYAxis(0)->SetTitle("Level");
    plot.AddLimit();
    plot.AddTable();
    plot.AddLabel();
    plot.GetLabel(1)->SetCaption("Note");
    plot.GetLegend(0)->SetVisible(true);
    plot.GetToolBar(0)->SetZOrder(5);
    plot.SetDataFileFormat(ipdffCompactInterval);
    plot.SetOuterMarginLeft(9);
    const QString first = f.File("first.txt"), second = f.File("second.txt");
    plot.SavePropertiesToFile(first);
    TwXYPlot other;
    other.SetDifferentialPropertySave(differential);
    other.LoadPropertiesFromFile(first);
    other.SavePropertiesToFile(second);
    QFile a(first), b(second);
    ASSERT_TRUE(a.open(QIODevice::ReadOnly));
    ASSERT_TRUE(b.open(QIODevice::ReadOnly));
    const QByteArray bytesA = a.readAll(), bytesB = b.readAll();
    EXPECT_EQ(bytesA, bytesB) << "differential " << differential;
    if (bytesA != bytesB) {
      const QStringList la = f.Lines(first), lb = f.Lines(second);
      for (int i = 0; i < std::min(la.size(), lb.size()); ++i)
        if (la[i] != lb[i]) {
          ADD_FAILURE() << "first difference: " << la[i].toStdString() << " | " << lb[i].toStdString();
          break;
        }
    }
  }
}

TEST(PlotFiles, FileTypeIsCheckedIgnoringCaseBeforeAnythingGoes) {
  FilesFixture f;
  TwXYPlot plot;
  const QString file = f.File("plot.txt");
  plot.SavePropertiesToFile(file);
  QStringList lines = f.Lines(file);
  lines[0] = "File Type = plot config";
  f.Write(file, lines);
  TwXYPlot other;
  other.AddLimit();
  EXPECT_EQ(ErrorOf([&] { other.LoadPropertiesFromFile(file); }), "no error");
  EXPECT_EQ(other.LimitCount(), 0);

  lines.removeFirst();
  f.Write(file, lines);
  other.AddLimit();
  EXPECT_EQ(ErrorOf([&] { other.LoadPropertiesFromFile(file); }),
            "Error Loading Properties - Incompatible Plot Configuration File Type");
  EXPECT_EQ(other.LimitCount(), 1);
}

TEST(PlotFiles, DifferentialSaveLeavesOutDefaultsAndLoadsThemBack) {
  FilesFixture f;
  TwXYPlot plot;
  plot.SetDifferentialPropertySave(true);
  plot.GetTable(plot.AddTable())->SetColumnTitlesVisible(false);
  plot.GetLegend(0)->SetLineColumnHeight(13);
  const QString file = f.File("plot.txt");
  plot.SavePropertiesToFile(file);
  const QStringList lines = f.Lines(file);
  EXPECT_FALSE(FilesFixture::Has(lines, "Channel0.Color"));
  EXPECT_TRUE(lines.contains("Channel0.Name = Channel 1"));
  // Away from its declared default at creation, so always written.
  EXPECT_TRUE(lines.contains("Table0.ColumnTitlesVisible = 0"));
  EXPECT_TRUE(lines.contains("Legend0.LineColumnHeight = 13"));

  TwXYPlot other;
  other.GetChannel(0)->SetColor(platform::clBlue);
  other.LoadPropertiesFromFile(file);
  EXPECT_EQ(other.GetChannel(0)->Color(), platform::clRed);
  ASSERT_EQ(other.TableCount(), 1);
  EXPECT_FALSE(other.GetTable(0)->ColumnTitlesVisible());
  EXPECT_EQ(other.GetLegend(0)->LineColumnHeight(), 13);
}

// Channels are red before their sections apply: a differential file leaves
// red out, and the second channel must not take the next colour of the
// palette (yellow) that adding it gave it.
TEST(PlotFiles, DifferentialFileGivesEveryChannelRed) {
  FilesFixture f;
  TwXYPlot plot;
  plot.SetDifferentialPropertySave(true);
  plot.AddChannel();
  plot.AddChannel();
  for (int i = 0; i < plot.ChannelCount(); ++i) plot.GetChannel(i)->SetColor(platform::clRed);
  const QString file = f.File("plot.txt");
  plot.SavePropertiesToFile(file);
  ASSERT_FALSE(FilesFixture::Has(f.Lines(file), "Channel1.Color"));
  TwXYPlot other;
  other.LoadPropertiesFromFile(file);
  ASSERT_EQ(other.ChannelCount(), 3);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(other.GetChannel(i)->Color(), platform::clRed) << i;
}

// A file may ask every channel for the largest ring: the load takes memory
// for the points held, none for the capacity asked.
TEST(PlotFiles, LargestRingInEveryChannelTakesNoMemoryUntilPointsCome) {
  FilesFixture f;
  TwXYPlot plot;
  for (int i = 1; i < 4; ++i) plot.AddChannel();
  const int largest = plot.GetChannel(0)->MaxDataPoints();
  const QString file = f.File("plot.txt");
  plot.SavePropertiesToFile(file);
  QStringList lines = f.Lines(file);
  int rings = 0;
  for (QString& line : lines)
    if (line.endsWith(".RingBufferSize = 0")) {
      line.replace(" = 0", QStringLiteral(" = %1").arg(largest));
      ++rings;
    }
  ASSERT_EQ(rings, 4);
  f.Write(file, lines);

  TwXYPlot other;
  other.LoadPropertiesFromFile(file);
  ASSERT_EQ(other.ChannelCount(), 4);
  for (int i = 0; i < 4; ++i) {
    TwXYPlotChannel* c = other.GetChannel(i);
    EXPECT_EQ(c->RingBufferSize(), largest) << i;
    EXPECT_EQ(c->DataList().Allocated(), 0) << i;
    for (int k = 0; k < 1000; ++k) c->AddXY(k, k);
    EXPECT_EQ(c->Count(), 1000) << i;
    EXPECT_GE(c->DataList().Allocated(), 1000) << i;
    EXPECT_LE(c->DataList().Allocated(), 1250) << i;  // one growth step at most
  }
}

TEST(PlotFiles, SaveAllPropertiesWritesThePlacesButNeverTheName) {
  FilesFixture f;
  TwXYPlot plot;
  plot.SetOptionSaveAllProperties(true);
  const QString file = f.File("plot.txt");
  plot.SavePropertiesToFile(file);
  const QStringList lines = f.Lines(file);
  EXPECT_TRUE(FilesFixture::Has(lines, "Left = "));
  EXPECT_TRUE(FilesFixture::Has(lines, "Width = "));
  EXPECT_FALSE(FilesFixture::Has(lines, "Name = "));
}

TEST(PlotFiles, FailedLoadsEndTheirUpdateAndBadCountsFailFirst) {
  FilesFixture f;
  TwXYPlot plot;
  const QString file = f.File("plot.txt");
  plot.SavePropertiesToFile(file);
  QStringList lines = f.Lines(file);
  const int zorder = FilesFixture::Index(lines, "Legend0.ZOrder");
  ASSERT_GE(zorder, 0);
  QStringList bad = lines;
  bad[zorder] = "Legend0.ZOrder = two";
  f.Write(file, bad);
  TwXYPlot other;
  EXPECT_EQ(ErrorOf([&] { other.LoadPropertiesFromFile(file); }),
            "Error Loading Properties - 'two' is not a valid integer value");
  EXPECT_TRUE(other.Master()->LayoutManager()->Enabled());
  EXPECT_FALSE(other.GetUpdateActive());

  for (const char* count : {"ChannelCount = 100000000", "ChannelCount = -1"}) {
    bad = lines;
    bad[1] = count;
    f.Write(file, bad);
    TwXYPlot target;
    target.AddLimit();
    EXPECT_EQ(ErrorOf([&] { target.LoadPropertiesFromFile(file); }),
              QStringLiteral("Error Loading Properties - Count out of Range in Line \"%1\"").arg(count).toStdString());
    EXPECT_EQ(target.LimitCount(), 1);
    EXPECT_EQ(target.ChannelCount(), 1);
  }
}

TEST(PlotFiles, AnnotationsFile) {
  FilesFixture f;
  TwXYPlot plot;
  TwPlotAnnotation* a = plot.GetAnnotation(plot.AddAnnotation());
  a->SetStyle(ipasRectangle);
  a->SetX(12.5);
  a->SetText("two\nlines");
  plot.AddAnnotation();
  const QString file = f.File("notes.txt");
  plot.SaveAnnotationsToFile(file);
  const QStringList lines = f.Lines(file);
  EXPECT_EQ(lines.first(), "AnnotationCount = 2");
  EXPECT_TRUE(lines.contains("Annotation0.X = 12.5"));
  EXPECT_TRUE(lines.contains("Annotation0.Text = two#10lines"));
  // Only values away from their defaults.
  EXPECT_FALSE(FilesFixture::Has(lines, "Annotation1.Style ="));
  EXPECT_TRUE(FilesFixture::Has(lines, "Annotation0.Style = 2"));

  TwXYPlot other;
  other.LoadAnnotationsFromFile(file);
  ASSERT_EQ(other.AnnotationCount(), 2);
  EXPECT_EQ(other.GetAnnotation(0)->Style(), ipasRectangle);
  EXPECT_EQ(other.GetAnnotation(0)->Text(), "two\nlines");

  f.Write(file, QStringList{"Annotation0.X = 3"});
  other.LoadAnnotationsFromFile(file);
  EXPECT_EQ(other.AnnotationCount(), 0);
}

}  // namespace
