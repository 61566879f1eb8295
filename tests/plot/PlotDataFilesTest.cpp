// The plot's data files (text and Compact Interval), its log and AddDataArray.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include <algorithm>
#include <clocale>
#include <cmath>
#include <limits>
#include <vector>

#include "TimePlotFixture.h"

namespace {

using timetest::ErrorOf;

QByteArray Bytes(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

// Little-endian 4-byte floats, as a Compact Interval file holds them.
QByteArray floats(std::initializer_list<float> values) {
  QByteArray b;
  for (float v : values) {
    char c[4];
    qToLittleEndian(v, c);
    b.append(c, 4);
  }
  return b;
}

void Write(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}

// A plot with channels "A" (0, 10), (1, 11), (2, 12) and "B" (0, 20).
struct TwoChannels {
  TwPlot plot;
  TwPlotChannel* a;
  TwPlotChannel* b;
  TwoChannels() {
    plot.DisableAllTracking();
    plot.AddChannel();
    a = plot.GetChannel(0);
    b = plot.GetChannel(1);
    a->SetTitleText("A");
    b->SetTitleText("B");
    for (int i = 0; i < 3; ++i) a->AddXY(i, 10 + i);
    b->AddXY(0, 20);
  }
};

struct PlotDataFiles : ::testing::Test {
  QTemporaryDir dir;
  QString Path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
};

TEST_F(PlotDataFiles, TextPairColumnsRoundTrip) {
  TwoChannels f;
  bool saved = false;
  f.plot.OnAfterSaveData = [&](QObject*) { saved = true; };
  f.plot.SaveDataToFile(Path("d.txt"));
  EXPECT_TRUE(saved);
  EXPECT_EQ(f.plot.LastDataFileName(), Path("d.txt"));
  EXPECT_EQ(Bytes(Path("d.txt")), QByteArray("A(X)\tA(Y)\tB(X)\tB(Y)\r\n0\t10\t0\t20\r\n1\t11\t\t\r\n2\t12\t\t\r\n"));
  TwoChannels g;
  g.plot.ClearAllData();
  g.plot.LoadDataFromFile(Path("d.txt"));
  EXPECT_EQ(g.a->Count(), 3);
  EXPECT_EQ(g.b->Count(), 1);
  EXPECT_EQ(g.a->GetDataY(2), 12);
}

TEST_F(PlotDataFiles, NullEmptyAndCommaFiles) {
  Write(Path("c.txt"), "A(X),A(Y),B(X),B(Y)\r\n1,null,2,EMPTY\r\n3,4,,5\r\n");
  TwoChannels g;
  g.plot.ClearAllData();
  g.plot.LoadDataFromFile(Path("c.txt"));
  ASSERT_EQ(g.a->Count(), 2);
  ASSERT_EQ(g.b->Count(), 1);
  EXPECT_TRUE(g.a->GetDataNull(0));
  EXPECT_TRUE(g.b->GetDataEmpty(0));
  EXPECT_EQ(g.a->GetDataY(1), 4);
}

TEST_F(PlotDataFiles, LogHeaderAndEmptyFirstTitle) {
  // A log: one X column.
  Write(Path("log.txt"), "(X)\tA(Y)\tB(Y)\r\n5\t1\t2\r\n");
  TwoChannels g;
  g.plot.ClearAllData();
  g.plot.LoadDataFromFile(Path("log.txt"));
  ASSERT_EQ(g.b->Count(), 1);
  EXPECT_EQ(g.b->GetDataX(0), 5);
  EXPECT_EQ(g.b->GetDataY(0), 2);
  // Pair columns whose first title is empty.
  Write(Path("pairs.txt"), "(X)\t(Y)\tB(X)\tB(Y)\r\n5\t1\t6\t2\r\n");
  TwoChannels h;
  h.plot.ClearAllData();
  h.plot.LoadDataFromFile(Path("pairs.txt"));
  ASSERT_EQ(h.b->Count(), 1);
  EXPECT_EQ(h.b->GetDataX(0), 6);
}

TEST_F(PlotDataFiles, CompactIntervalBytes) {
  TwoChannels f;
  f.plot.SetDataFileFormat(ipdffCompactInterval);
  f.plot.SaveDataToFile(Path("c.bin"));
  const QByteArray expected = QByteArray("Compact Interval\r\n2\r\n") +
                              QByteArray::fromHex("00000000000020410000000000 00a041"
                                                  "0000803f0000304199769 67e99769 67e"
                                                  "0000404199769 67e"
                                                  "99761 67f");
  EXPECT_EQ(Bytes(Path("c.bin")).size(), 65);
  EXPECT_EQ(Bytes(Path("c.bin")).toHex(' '), expected.toHex(' '));
  TwoChannels g;
  g.plot.ClearAllData();
  g.plot.LoadDataFromFile(Path("c.bin"));
  ASSERT_EQ(g.a->Count(), 3);
  ASSERT_EQ(g.b->Count(), 1);
  EXPECT_EQ(g.a->GetDataX(2), 2);
  EXPECT_EQ(g.a->GetDataY(2), 12);
}

TEST_F(PlotDataFiles, CompactIntervalFaults) {
  const struct {
    QByteArray bytes;
    std::string error;
  } cases[] = {
      {QByteArray("Compact Interval\r\n0\r\n") + QByteArray(8, '\0'), "Error Loading Data - Invalid Data"},
      {QByteArray("Compact Interval\r\n1\r\n") + QByteArray(6, '\0'), "Error Loading Data - Invalid Data"},
      {QByteArray("Compact Interval\r\n0\r\n"), ""},
  };
  for (const auto& c : cases) {
    Write(Path("bad.bin"), c.bytes);
    TwoChannels g;
    EXPECT_EQ(ErrorOf([&] { g.plot.LoadDataFromFile(Path("bad.bin")); }), c.error) << c.bytes.toHex().constData();
  }
}

// Every file the writer makes reads back, also without a row 2 (the end
// marker then stands where row 1's X would be) and without any point.
// Channel B is one point shorter than A, so its last row is missing: X is
// still computed there, but the missing Y (1e38) adds no point.
TEST_F(PlotDataFiles, CompactIntervalRoundTripsAnyRowCount) {
  for (int rows : {0, 1, 2, 3, 5}) {
    const int shorter = std::max(rows - 1, 0);
    TwoChannels f;
    f.plot.ClearAllData();
    for (int i = 0; i < rows; ++i) f.a->AddXY(0.5 * i, 10 + i);
    for (int i = 0; i < shorter; ++i) f.b->AddXY(7 + i, 20 + i);
    f.plot.SetDataFileFormat(ipdffCompactInterval);
    f.plot.SaveDataToFile(Path("r.bin"));
    TwoChannels g;
    g.plot.ClearAllData();
    EXPECT_EQ(ErrorOf([&] { g.plot.LoadDataFromFile(Path("r.bin")); }), "") << rows;
    ASSERT_EQ(g.a->Count(), rows);
    ASSERT_EQ(g.b->Count(), shorter) << rows;
    for (int i = 0; i < rows; ++i) {
      EXPECT_EQ(g.a->GetDataX(i), 0.5 * i) << rows;
      EXPECT_EQ(g.a->GetDataY(i), 10 + i) << rows;
    }
    for (int i = 0; i < shorter; ++i) {
      EXPECT_EQ(g.b->GetDataX(i), 7 + i) << rows;
      EXPECT_EQ(g.b->GetDataY(i), 20 + i) << rows;
    }
  }
  TwPlot none;
  none.RemoveAllChannels();
  none.SetDataFileFormat(ipdffCompactInterval);
  none.SaveDataToFile(Path("none.bin"));
  EXPECT_EQ(ErrorOf([&] { none.LoadDataFromFile(Path("none.bin")); }), "");
}

// A file that fails to read adds nothing. A channel count needs at least a
// whole row 0 (8 bytes a channel) after the header unless only the end
// marker follows, so an absurd count fails before anything is sized by it.
TEST_F(PlotDataFiles, FileThatFailsLeavesThePlotAsItWas) {
  const struct {
    const char* name;
    QByteArray bytes;
  } cases[] = {
      {"truncated row", QByteArray("Compact Interval\r\n1\r\n") + floats({1, 2, 3}) + QByteArray(2, '\0')},
      {"absurd count", QByteArray("Compact Interval\r\n50000000\r\n") + QByteArray(1, '\0')},
      {"count beyond the bytes", QByteArray("Compact Interval\r\n3\r\n") + floats({1, 2, 2e38f})},
      {"bad cell", QByteArray("A(X)\tA(Y)\r\n1\t2\r\n3\tx\r\n")},
  };
  for (const auto& c : cases) {
    Write(Path("bad.bin"), c.bytes);
    TwoChannels g;
    const std::string error = ErrorOf([&] { g.plot.LoadDataFromFile(Path("bad.bin")); });
    EXPECT_EQ(error.rfind("Error Loading Data - ", 0), 0u) << c.name << ": " << error;
    EXPECT_EQ(g.a->Count(), 3) << c.name;
    EXPECT_EQ(g.b->Count(), 1) << c.name;
  }
  // Only the end marker after the header: no points, whatever the count.
  Write(Path("end.bin"), QByteArray("Compact Interval\r\n50000000\r\n") + floats({2e38f}));
  TwoChannels g;
  EXPECT_EQ(ErrorOf([&] { g.plot.LoadDataFromFile(Path("end.bin")); }), "");
  EXPECT_EQ(g.a->Count(), 3);
}

// A compact file may hold floats no text file can: -inf, NaN. They add no
// point, so whatever a compact file loads saves as text and loads back.
TEST_F(PlotDataFiles, CompactIntervalSkipsValuesTextCannotHold) {
  const float inf = std::numeric_limits<float>::infinity(), nan = std::numeric_limits<float>::quiet_NaN();
  // Two channels: rows 0 and 1 with X, then Y only.
  const struct {
    const char* name;
    QByteArray rows;
    std::vector<double> ax, ay, bx, by;
  } cases[] = {
      {"-inf and NaN Y", floats({0, -inf, 0, 1, 1, 11, 1, nan, 12, -inf, 2e38f}), {1, 2}, {11, 12}, {0}, {1}},
      {"-inf X in row 0", floats({-inf, 10, 0, 1, 1, 11, 1, 2, 12, 3, 2e38f}), {1}, {11}, {0, 1, 2}, {1, 2, 3}},
      {"NaN X in row 1", floats({0, 10, 0, 1, nan, 11, 1, 2, 12, 3, 2e38f}), {0}, {10}, {0, 1, 2}, {1, 2, 3}},
      {"large negative values stay", floats({0, -3e38f, 0, -1e38f, 1, 11, 1, 2, 2e38f}), {0, 1}, {-3e38f, 11},
       {0, 1}, {-1e38f, 2}},
  };
  for (const auto& c : cases) {
    Write(Path("c.bin"), QByteArray("Compact Interval\r\n2\r\n") + c.rows);
    TwoChannels g;
    g.plot.ClearAllData();
    ASSERT_EQ(ErrorOf([&] { g.plot.LoadDataFromFile(Path("c.bin")); }), "") << c.name;
    auto points = [](const TwPlotChannel* ch, bool x) {
      std::vector<double> v;
      for (int i = 0; i < ch->Count(); ++i) v.push_back(x ? ch->GetDataX(i) : ch->GetDataY(i));
      return v;
    };
    EXPECT_EQ(points(g.a, true), c.ax) << c.name;
    EXPECT_EQ(points(g.a, false), c.ay) << c.name;
    EXPECT_EQ(points(g.b, true), c.bx) << c.name;
    EXPECT_EQ(points(g.b, false), c.by) << c.name;
    g.plot.SaveDataToFile(Path("c.txt"));
    TwoChannels h;
    h.plot.ClearAllData();
    EXPECT_EQ(ErrorOf([&] { h.plot.LoadDataFromFile(Path("c.txt")); }), "") << c.name;
    // Text keeps 15 digits.
    auto near = [](const std::vector<double>& v, const std::vector<double>& w) {
      if (v.size() != w.size()) return false;
      for (std::size_t i = 0; i < v.size(); ++i)
        if (std::fabs(v[i] - w[i]) > 1e-14 * std::fabs(w[i])) return false;
      return true;
    };
    EXPECT_TRUE(near(points(h.a, false), c.ay)) << c.name;
    EXPECT_TRUE(near(points(h.b, false), c.by)) << c.name;
  }
}

TEST_F(PlotDataFiles, DecimalCommaLocale) {
  const char* old = std::setlocale(LC_NUMERIC, nullptr);
  const std::string saved = old ? old : "C";
  const bool german = std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr;
  QLocale::setDefault(QLocale(QLocale::German));
  TwoChannels f;
  f.a->SetDataY(0, 1.5);
  f.plot.SaveDataToFile(Path("d.txt"));
  EXPECT_TRUE(Bytes(Path("d.txt")).contains("0\t1.5\t"));
  TwoChannels g;
  g.plot.ClearAllData();
  g.plot.LoadDataFromFile(Path("d.txt"));
  EXPECT_EQ(g.a->GetDataY(0), 1.5);
  QLocale::setDefault(QLocale::c());
  if (german) std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST_F(PlotDataFiles, AddDataArray) {
  TwXYPlot plot;
  plot.AddChannel();
  plot.AddChannel();
  plot.DisableAllTracking();
  plot.AddDataArray(10, std::vector<double>{5, 1.5e-301, 7});
  EXPECT_EQ(plot.GetChannel(0)->GetDataX(0), 10);
  EXPECT_EQ(plot.GetChannel(0)->GetDataY(0), 5);
  EXPECT_TRUE(plot.GetChannel(1)->GetDataNull(0));
  EXPECT_EQ(plot.GetChannel(2)->GetDataY(0), 7);

  TwoChannels f;
  f.plot.ClearAllData();
  f.plot.AddDataArray(1, std::vector<std::vector<double>>{{1, 2, 3}, {4, 5, 6}});
  ASSERT_EQ(f.b->Count(), 3);
  EXPECT_EQ(f.b->GetDataX(2), 2);
  EXPECT_EQ(f.b->GetDataY(2), 6);
  EXPECT_THROW(f.plot.AddDataArray(1, std::vector<double>{1, 2, 3}), std::out_of_range);
}

TEST_F(PlotDataFiles, LogRowsAndSetterRefusals) {
  TwoChannels f;
  f.plot.ClearAllData();
  EXPECT_EQ(ErrorOf([&] { f.plot.LogActivate(false); }), "Log File Name not Defined");
  EXPECT_EQ(ErrorOf([&] { f.plot.LogDeactivate(); }), "Logging not Active");
  f.plot.SetLogFileName(Path("log.txt"));
  f.plot.LogActivate(false);
  EXPECT_EQ(ErrorOf([&] { f.plot.LogActivate(false); }), "Logging Already Active");
  EXPECT_EQ(ErrorOf([&] { f.plot.SetLogFileName(Path("x")); }),
            "Log File Name can not be changed while logging is active.");
  EXPECT_EQ(ErrorOf([&] { f.plot.SetDataFileColumnSeparator(ipdfcsComma); }),
            "Data File Column Seperator can not be changed while logging active");
  EXPECT_EQ(ErrorOf([&] { f.plot.SetDataFileFormat(ipdffText); }),
            "Data File Format can not be changed while logging active");
  f.plot.AddDataArray(1, std::vector<double>{2, 3});
  f.plot.AddDataArray(2, std::vector<double>{1.5e-302, 4});
  f.plot.ClearAllData();  // ends the log
  EXPECT_FALSE(f.plot.LoggingActive());
  EXPECT_EQ(Bytes(Path("log.txt")), QByteArray("(X)\tA(Y)\tB(Y)\r\n1\t2\t3\r\n2\tEmpty\t4\r\n"));
}

TEST_F(PlotDataFiles, CompactLogContinuedWithAppend) {
  TwoChannels f;
  f.plot.ClearAllData();
  f.plot.SetDataFileFormat(ipdffCompactInterval);
  f.plot.SetLogFileName(Path("log.bin"));
  f.plot.LogActivate(false);
  f.plot.AddDataArray(0, std::vector<double>{10, 20});
  f.plot.AddDataArray(1, std::vector<double>{11, 21});
  f.plot.LogDeactivate();
  // The file holds rows 0 and 1: what is appended carries no X.
  f.plot.LogActivate(true);
  f.plot.AddDataArray(2, std::vector<double>{12, 22});
  f.plot.LogDeactivate();
  // 21 header bytes, row 0 and 1 with X (16 each), row 2 Y only (8).
  EXPECT_EQ(Bytes(Path("log.bin")).size(), 21 + 16 + 16 + 8);
  TwoChannels g;
  g.plot.ClearAllData();
  g.plot.LoadDataFromFile(Path("log.bin"));
  ASSERT_EQ(g.b->Count(), 3);
  EXPECT_EQ(g.b->GetDataX(2), 2);
  EXPECT_EQ(g.b->GetDataY(2), 22);
}

}  // namespace

namespace {

TEST_F(PlotDataFiles, ConfigurationCarriesFileSettings) {
  TwPlot plot;
  plot.SetDataFileFormat(ipdffCompactInterval);
  plot.SetDataFileColumnSeparator(ipdfcsComma);
  plot.SetLogFileName("run.log");
  plot.SavePropertiesToFile(Path("p.txt"));
  TwPlot other;
  other.LoadPropertiesFromFile(Path("p.txt"));
  EXPECT_EQ(other.DataFileFormat(), ipdffCompactInterval);
  EXPECT_EQ(other.DataFileColumnSeparator(), ipdfcsComma);
  EXPECT_EQ(other.LogFileName(), "run.log");
}

}  // namespace
