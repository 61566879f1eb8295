// Channel data files, logs and configuration files.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <functional>

#include "TimePlotFixture.h"
#include "controls/wPropertyFiles.h"

namespace {

using timetest::ErrorOf;
using timetest::TimeAxesPlot;

QByteArray Bytes(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void Write(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}

int Lines(const QString& path) { return int(Bytes(path).count("\r\n")); }

struct ChannelFiles : ::testing::Test {
  QTemporaryDir dir;
  TimeAxesPlot f{0, 10, 0, 10};
  TwPlotChannel* ch = f.channel;
  QString Path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
};

TEST_F(ChannelFiles, SaveWritesValidAndNullPoints) {
  ch->AddXY(1, 2);
  ch->AddXNull(3);
  ch->AddXEmpty(4);
  ch->SaveDataToFile(Path("d.txt"));
  EXPECT_EQ(Bytes(Path("d.txt")), QByteArray("1\t2\r\n3\tNull\r\n"));
  f.plot.SetDataFileColumnSeparator(ipdfcsComma);
  ch->AddXY(0.25, -1.5e-301);
  ch->SaveDataToFile(Path("d.txt"));
  EXPECT_EQ(Bytes(Path("d.txt")), QByteArray("1,2\r\n3,Null\r\n0.25,-1.5e-301\r\n"));
  TimeAxesPlot g(0, 10, 0, 10);
  g.channel->LoadDataFromFile(Path("d.txt"), true);
  ASSERT_EQ(g.channel->Count(), 3);
  EXPECT_EQ(g.channel->GetDataY(2), -1.5e-301);
}

TEST_F(ChannelFiles, LoadDetectsSeparatorAndNull) {
  Write(Path("in.txt"), "0,5\r\n7,null\r\n\r\n8, 9\n");
  ch->AddXY(-1, -1);
  ch->LoadDataFromFile(Path("in.txt"), true);
  ASSERT_EQ(ch->Count(), 3);
  EXPECT_EQ(ch->GetDataX(0), 0);
  EXPECT_EQ(ch->GetDataY(0), 5);
  EXPECT_EQ(ch->GetDataX(1), 7);
  EXPECT_TRUE(ch->GetDataNull(1));
  EXPECT_EQ(ch->GetDataY(2), 9);
  // With a byte-order mark and a tab.
  Write(Path("bom.txt"), "\xEF\xBB\xBF" "1\t2\r\n");
  ch->LoadDataFromFile(Path("bom.txt"), false);
  EXPECT_EQ(ch->Count(), 4);
  EXPECT_EQ(ch->GetDataY(3), 2);
}

TEST_F(ChannelFiles, LogBuffersAndFlushes) {
  ch->SetLogFileName(Path("log.txt"));
  ch->SetLogBufferSize(3);
  ch->LogActivate(false);
  for (int i = 0; i < 7; ++i) ch->AddXY(i, 10 * i);
  EXPECT_EQ(Lines(Path("log.txt")), 6);
  ch->LogDeactivate();
  EXPECT_EQ(Lines(Path("log.txt")), 7);
  EXPECT_TRUE(Bytes(Path("log.txt")).endsWith("6\t60\r\n"));
  EXPECT_EQ(ErrorOf([&] { ch->LogDeactivate(); }), "Logging not Active");
}

TEST_F(ChannelFiles, LogActivateRules) {
  EXPECT_EQ(ErrorOf([&] { ch->LogActivate(false); }), "Log File Name not Defined");
  ch->SetLogFileName(Path("missing.txt"));
  EXPECT_NE(ErrorOf([&] { ch->LogActivate(true); }), "");
  EXPECT_FALSE(ch->LoggingActive());
  Write(Path("old.txt"), "old\r\n");
  ch->SetLogFileName(Path("old.txt"));
  ch->LogActivate(false);
  EXPECT_EQ(Bytes(Path("old.txt")), QByteArray());
  EXPECT_EQ(ErrorOf([&] { ch->LogActivate(false); }), "Logging Already Active");
  EXPECT_EQ(ErrorOf([&] { ch->SetLogFileName(Path("x.txt")); }),
            "Log File Name can not be changed while logging is active.");
  ch->AddXNull(1);
  EXPECT_EQ(Bytes(Path("old.txt")), QByteArray("1\t0\r\n"));
  // Clear ends logging.
  ch->Clear();
  EXPECT_FALSE(ch->LoggingActive());
}

TEST_F(ChannelFiles, LogSurvivesDeleteAndRingOverwrite) {
  ch->SetLogFileName(Path("log.txt"));
  ch->SetLogBufferSize(4);
  ch->LogActivate(false);
  for (int i = 0; i < 3; ++i) ch->AddXY(i, i);
  ch->DeletePoints(2);
  EXPECT_EQ(Lines(Path("log.txt")), 3);
  for (int i = 3; i < 7; ++i) ch->AddXY(i, i);
  EXPECT_EQ(Lines(Path("log.txt")), 7);
  ch->LogDeactivate();

  TimeAxesPlot g(0, 10, 0, 10);
  g.channel->SetRingBufferSize(2);
  g.channel->SetLogFileName(Path("ring.txt"));
  g.channel->SetLogBufferSize(5);
  g.channel->LogActivate(false);
  for (int i = 0; i < 5; ++i) g.channel->AddXY(i, i);
  g.channel->LogDeactivate();
  EXPECT_EQ(Bytes(Path("ring.txt")), QByteArray("0\t0\r\n1\t1\r\n2\t2\r\n3\t3\r\n4\t4\r\n"));
}

// Changing the store while points wait in the log buffer writes them first:
// the new store may no longer hold them.
TEST_F(ChannelFiles, LogKeepsPendingPointsAcrossStoreChanges) {
  const struct {
    const char* name;
    std::function<void(TwPlotChannel*)> change;
  } cases[] = {
      {"RingBufferSize", [](TwPlotChannel* c) { c->SetRingBufferSize(2); }},
      {"Count", [](TwPlotChannel* c) { c->SetCount(1); }},
      {"DataStyle", [](TwPlotChannel* c) { c->SetDataStyle(ipdsFullFeature); }},
  };
  for (const auto& c : cases) {
    TimeAxesPlot g(0, 10, 0, 10);
    g.channel->SetLogFileName(Path("log.txt"));
    g.channel->SetLogBufferSize(10);
    g.channel->LogActivate(false);
    for (int i = 0; i < 3; ++i) g.channel->AddXY(i, i);
    c.change(g.channel);
    g.channel->AddXY(3, 3);
    g.channel->LogDeactivate();
    EXPECT_EQ(Bytes(Path("log.txt")), QByteArray("0\t0\r\n1\t1\r\n2\t2\r\n3\t3\r\n")) << c.name;
  }
}

TEST_F(ChannelFiles, ConfigurationFiles) {
  ch->SetTitleText("Pressure");
  ch->SetInterpolationStyle(ipistCubicSpline);
  ch->SetHighLowBarWidth(2.5);
  ch->SavePropertiesToFile(Path("c.txt"));
  const QByteArray text = Bytes(Path("c.txt"));
  EXPECT_TRUE(text.startsWith("File Type = Plot Channel Config\r\n"));
  EXPECT_TRUE(text.contains("Channel.InterpolationStyle = 1\r\n"));
  EXPECT_FALSE(text.contains("Channel.Name ="));

  TimeAxesPlot g(0, 10, 0, 10);
  Write(Path("lower.txt"), QByteArray(text).replace("Plot Channel Config", "plot channel config"));
  g.channel->LoadPropertiesFromFile(Path("lower.txt"));
  EXPECT_EQ(g.channel->TitleText(), "Pressure");
  EXPECT_EQ(g.channel->InterpolationStyle(), ipistCubicSpline);
  EXPECT_EQ(g.channel->HighLowBarWidth(), 2.5);

  Write(Path("other.txt"), "File Type = Plot Config\r\n");
  EXPECT_EQ(ErrorOf([&] { g.channel->LoadPropertiesFromFile(Path("other.txt")); }),
            "Error Loading Properties - Incompatible Plot Channel Configuration File Type");
}

TEST_F(ChannelFiles, XYChannelConfigurationCarriesItsBinding) {
  TwXYPlot plot;
  TwXYPlotChannel* xy = plot.GetChannel(0);
  xy->SetOPCItem2Name("Level");
  xy->SavePropertiesToFile(Path("xy.txt"));
  const QByteArray text = Bytes(Path("xy.txt"));
  EXPECT_TRUE(text.contains("Channel.OPCItem2Name = Level\r\n"));
  EXPECT_FALSE(text.contains("FastDrawEnabled"));
}

}  // namespace
