// TwPlotComponent: the data files of all channels, the plot's log and
// AddDataArray. Text files have two columns per channel (text logs one X
// column and a Y column per channel); Compact Interval files hold 4-byte
// little-endian floats, X only in rows 0 and 1, 1e38 for a missing value and
// 2e38 at the end. Rows after the second read back at X0 + r * (X1 - X0) of
// their channel. A file is read whole before its points are added, so one
// that fails to read leaves the plot as it was.
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <vector>

#include "controls/wException.h"
#include "plot/wPlotChannel.h"
#include "plot/wPlotComponent.h"
#include "plot/wPlotTextFiles.h"
#include "plot/wXYPlotChannel.h"

namespace {

constexpr float kMissing = 1e38f;
constexpr float kEnd = 2e38f;

[[noreturn]] void Raise(const QString& Message) { throw TwException(Message.toStdString()); }

template <class F>
void Wrapped(const char* Prefix, F Body) {
  try {
    Body();
  } catch (const std::exception& e) {
    throw TwException(std::string(Prefix) + e.what());
  }
}

void PutFloat(QByteArray& Bytes, float Value) {
  char b[4];
  qToLittleEndian(Value, b);
  Bytes.append(b, 4);
}

// The Y cell of a point: its number, or "Null" / "Empty".
QString YCell(const TwPlotChannelCustom* Channel, int Index) {
  if (Channel->GetDataNull(Index)) return QStringLiteral("Null");
  if (Channel->GetDataEmpty(Index)) return QStringLiteral("Empty");
  return PlotNumberText(Channel->GetDataY(Index));
}

// A point read from a data file. The points of a file are added only once
// the whole file has been read, so that a file that fails adds nothing.
struct StagedPoint {
  int Channel;
  double X, Y;
  bool Null, Empty;
};
using StagedPoints = std::vector<StagedPoint>;

// Stages the point of an X and a Y cell (both normalised and not blank).
void AddCells(StagedPoints& Points, int Channel, double X, const QString& Y) {
  const QString upper = Y.trimmed().toUpper();
  if (upper == QLatin1String("NULL"))
    Points.push_back({Channel, X, 0, true, false});
  else if (upper == QLatin1String("EMPTY"))
    Points.push_back({Channel, X, 0, false, true});
  else
    Points.push_back({Channel, X, PlotNumberFromText(Y), false, false});
}

bool IsNullMarker(double v) { return v > 1e-301 && v < 1e-300; }
bool IsEmptyMarker(double v) { return v > 1e-302 && v < 1e-301; }

}  // namespace

// ---- setters ----

void TwPlotComponent::SetLogFileName(const QString& Value) {
  if (Value == FLogFileName) return;
  if (FLoggingActive) Raise(TranslateText(QStringLiteral("Log File Name can not be changed while logging is active.")));
  FLogFileName = Value;
}

void TwPlotComponent::SetDataFileColumnSeparator(TwPlotDataFileColumnSeparator Value) {
  if (Value == FDataFileColumnSeparator) return;
  if (FLoggingActive)
    Raise(TranslateText(QStringLiteral("Data File Column Seperator can not be changed while logging active")));
  FDataFileColumnSeparator = Value;
}

void TwPlotComponent::SetDataFileFormat(TwPlotDataFileFormat Value) {
  if (FLoggingActive) Raise(TranslateText(QStringLiteral("Data File Format can not be changed while logging active")));
  FDataFileFormat = Value;
}

void TwPlotComponent::ClearAllData() {
  if (FLoggingActive) LogDeactivate();
  FMaster->ClearAllData();
}

// ---- saving ----

namespace {

int RowCount(const TwPlotComponent* Plot) {
  int rows = 0;
  for (int i = 0; i < Plot->ChannelCount(); ++i) rows = std::max(rows, Plot->GetChannelCustom(i)->Count());
  return rows;
}

// One row of a compact file or log: X when WithX, then Y, per channel.
void CompactRow(const TwPlotComponent* Plot, int Row, bool WithX, QByteArray& Bytes) {
  for (int i = 0; i < Plot->ChannelCount(); ++i) {
    const TwPlotChannelCustom* c = Plot->GetChannelCustom(i);
    const bool has = Row >= 0 && Row < c->Count();
    if (WithX) PutFloat(Bytes, has ? float(c->GetDataX(Row)) : kMissing);
    PutFloat(Bytes, has ? float(c->GetDataY(Row)) : kMissing);
  }
}

QByteArray CompactHeader(const TwPlotComponent* Plot) {
  return QByteArray("Compact Interval\r\n") + QByteArray::number(Plot->ChannelCount()) + "\r\n";
}

}  // namespace

void TwPlotComponent::SaveDataToFile(const QString& FileName) {
  Wrapped("Error Saving Data - ", [&] {
    const int rows = RowCount(this);
    if (FDataFileFormat == ipdffCompactInterval) {
      QByteArray bytes = CompactHeader(this);
      for (int r = 0; r < rows; ++r) CompactRow(this, r, r < 2, bytes);
      PutFloat(bytes, kEnd);
      WritePlotBinaryFile(FileName, bytes);
    } else {
      const QChar sep = PlotColumnSeparator(FDataFileColumnSeparator == ipdfcsComma);
      QStringList lines, header;
      for (int i = 0; i < ChannelCount(); ++i) {
        const QString title = GetChannelCustom(i)->TitleText();
        header << title + QStringLiteral("(X)") << title + QStringLiteral("(Y)");
      }
      lines << header.join(sep);
      for (int r = 0; r < rows; ++r) {
        QStringList cells;
        for (int i = 0; i < ChannelCount(); ++i) {
          const TwPlotChannelCustom* c = GetChannelCustom(i);
          if (r < c->Count())
            cells << PlotNumberText(c->GetDataX(r)) << YCell(c, r);
          else
            cells << QString() << QString();
        }
        lines << cells.join(sep);
      }
      WritePlotTextFile(FileName, lines);
    }
  });
  FLastDataFileName = FileName;
  if (OnAfterSaveData) OnAfterSaveData(this);
}

// ---- loading ----

namespace {

void ReadPairColumns(int Channels, const QStringList& Lines, QChar Sep, StagedPoints& Points) {
  for (int l = 1; l < Lines.size(); ++l) {
    const QStringList cells = PlotSplitCells(Lines[l], Sep);
    for (int i = 0; i < cells.size() / 2 && i < Channels; ++i) {
      const QString x = cells[2 * i].trimmed(), y = cells[2 * i + 1].trimmed();
      if (x.isEmpty() || y.isEmpty()) continue;
      AddCells(Points, i, PlotNumberFromText(x), y);
    }
  }
}

void ReadLogColumns(int Channels, const QStringList& Lines, QChar Sep, StagedPoints& Points) {
  for (int l = 1; l < Lines.size(); ++l) {
    const QStringList cells = PlotSplitCells(Lines[l], Sep);
    if (cells.isEmpty() || cells[0].trimmed().isEmpty()) continue;
    const double x = PlotNumberFromText(cells[0]);
    for (int i = 0; i + 1 < cells.size() && i < Channels; ++i)
      if (!cells[i + 1].trimmed().isEmpty()) AddCells(Points, i, x, cells[i + 1]);
  }
}

bool IsEnd(double v) { return v > 1.5e38; }
bool IsValue(double v) { return std::isfinite(v) && v < 9e37; }

void ReadCompactInterval(int Channels, const QByteArray& Bytes, StagedPoints& Points) {
  qsizetype at = 0;
  auto line = [&] {
    QByteArray text;
    while (at < Bytes.size() && Bytes[at] != '\n') {
      if (Bytes[at] != '\r') text += Bytes[at];
      ++at;
    }
    if (at < Bytes.size()) ++at;
    return text;
  };
  auto next = [&] {
    if (Bytes.size() - at < 4) Raise(QStringLiteral("Invalid Data"));
    const float v = qFromLittleEndian<float>(Bytes.constData() + at);
    at += 4;
    return double(v);
  };
  line();
  const int n = line().trimmed().toInt();
  // A file without points holds only the end marker; any other holds at
  // least row 0, X and Y of every channel, which bounds the count.
  if (n <= 0 || n > (Bytes.size() - at) / 8) {
    if (at < Bytes.size() && !IsEnd(next())) Raise(QStringLiteral("Invalid Data"));
    return;
  }
  std::vector<double> x0(std::size_t(n), 0.0), x1(std::size_t(n), 0.0);
  for (int r = 0; at < Bytes.size(); ++r) {
    for (int i = 0; i < n; ++i) {
      double x = 0;
      if (r < 2) {
        // The marker comes where an X is due when no channel has a row 2.
        x = next();
        if (IsEnd(x)) return;
      }
      const double y = next();
      if (IsEnd(y)) return;
      if (r == 0) x0[std::size_t(i)] = x;
      if (r == 1) x1[std::size_t(i)] = x;
      if (r >= 2) x = x0[std::size_t(i)] + r * (x1[std::size_t(i)] - x0[std::size_t(i)]);
      // 1e38 marks a missing value; NaN and -inf, which no text file can
      // hold, add nothing either.
      if (IsValue(x) && IsValue(y) && i < Channels) Points.push_back({i, x, y, false, false});
    }
  }
}

// Ends the update begun for a load however it ends.
struct UpdateGuard {
  TwPlotComponent* plot;
  ~UpdateGuard() { plot->EndUpdate(); }
};

}  // namespace

void TwPlotComponent::LoadDataFromFile(const QString& FileName) {
  BeginUpdate();
  {
    UpdateGuard guard{this};
    Wrapped("Error Loading Data - ", [&] {
      StagedPoints points;
      const QStringList lines = ReadPlotTextFile(FileName);
      if (lines.isEmpty()) return;
      if (lines.first().compare(QLatin1String("Compact Interval"), Qt::CaseInsensitive) == 0) {
        ReadCompactInterval(ChannelCount(), ReadPlotBinaryFile(FileName), points);
      } else {
        const QChar sep = lines.first().contains('\t') ? QLatin1Char('\t') : QLatin1Char(',');
        // A log's header starts "(X)"; a pair file whose first title is empty
        // does too, but has later cells ending in "(X)".
        const QStringList header = PlotSplitCells(lines.first(), sep);
        bool log = lines.first().startsWith(QLatin1String("(X)"));
        for (int i = 1; log && i < header.size(); ++i)
          if (header[i].trimmed().endsWith(QLatin1String("(X)"))) log = false;
        if (log)
          ReadLogColumns(ChannelCount(), lines, sep, points);
        else
          ReadPairColumns(ChannelCount(), lines, sep, points);
      }
      for (const StagedPoint& p : points) {
        TwPlotChannelCustom* c = GetChannelCustom(p.Channel);
        const int i = c->AddXY(p.X, p.Y);
        if (p.Null) c->SetDataNull(i, true);
        if (p.Empty) c->SetDataEmpty(i, true);
      }
    });
  }
  FLastDataFileName = FileName;
  if (OnAfterLoadData) OnAfterLoadData(this);
}

// ---- the log ----

void TwPlotComponent::LogActivate(bool Append) {
  if (FLogFileName.trimmed().isEmpty()) Raise(QStringLiteral("Log File Name not Defined"));
  if (FLoggingActive) Raise(QStringLiteral("Logging Already Active"));
  if (Append) {
    PreparePlotLogFile(FLogFileName, true);
    // An appended compact log already holds the rows with X.
    FLogRowsWritten = 2;
  } else if (FDataFileFormat == ipdffCompactInterval) {
    WritePlotBinaryFile(FLogFileName, CompactHeader(this));
    FLogRowsWritten = 0;
  } else {
    const QChar sep = PlotColumnSeparator(FDataFileColumnSeparator == ipdfcsComma);
    QString header = QStringLiteral("(X)");
    for (int i = 0; i < ChannelCount(); ++i) header += sep + GetChannelCustom(i)->TitleText() + QStringLiteral("(Y)");
    WritePlotTextFile(FLogFileName, {header});
    FLogRowsWritten = 0;
  }
  FLoggingActive = true;
  FLogBufferCount = 0;
}

void TwPlotComponent::LogDeactivate() {
  if (!FLoggingActive) Raise(QStringLiteral("Logging not Active"));
  FLoggingActive = false;
  if (FLogBufferCount > 0) FlushLog();
}

void TwPlotComponent::FlushLog() {
  const int count = ChannelCount() ? GetChannelCustom(0)->Count() : 0;
  const int first = std::max(0, count - FLogBufferCount);
  if (FDataFileFormat == ipdffCompactInterval) {
    QByteArray bytes;
    int written = FLogRowsWritten;
    for (int p = first; p < count; ++p, ++written) CompactRow(this, p, written < 2, bytes);
    AppendPlotBinaryFile(FLogFileName, bytes);
    FLogRowsWritten = written;
  } else {
    const QChar sep = PlotColumnSeparator(FDataFileColumnSeparator == ipdfcsComma);
    QStringList lines;
    for (int p = first; p < count; ++p) {
      QString line = PlotNumberText(GetChannelCustom(0)->GetDataX(p));
      for (int i = 0; i < ChannelCount(); ++i) {
        const TwPlotChannelCustom* c = GetChannelCustom(i);
        line += sep;
        if (p < c->Count()) line += YCell(c, p);
      }
      lines << line;
    }
    AppendPlotTextFile(FLogFileName, lines);
  }
  FLogBufferCount = 0;
}

// ---- rows ----

void TwPlotComponent::AddDataArray(double XValue, const std::vector<double>& Data) {
  for (std::size_t k = 0; k < Data.size(); ++k) {
    TwPlotChannelCustom* c = GetChannelCustom(int(k));
    const double v = Data[k];
    auto* time = dynamic_cast<TwPlotChannel*>(c);
    auto* xy = dynamic_cast<TwXYPlotChannel*>(c);
    if (IsNullMarker(v)) {
      if (time)
        time->AddXNull(XValue);
      else if (xy)
        xy->AddNull();
      else
        c->SetDataNull(c->AddXY(XValue, 0), true);
    } else if (IsEmptyMarker(v)) {
      if (time)
        time->AddXEmpty(XValue);
      else if (xy)
        xy->AddEmpty();
      else
        c->SetDataEmpty(c->AddXY(XValue, 0), true);
    } else {
      c->AddXY(XValue, v);
    }
  }
  ++FLogBufferCount;
  if (FLoggingActive && FLogBufferCount >= FLogBufferSize) FlushLog();
}

void TwPlotComponent::AddDataArray(double XValue, const std::vector<std::vector<double>>& Data) {
  std::size_t samples = 0;
  for (const auto& row : Data) samples = std::max(samples, row.size());
  for (std::size_t s = 0; s < samples; ++s)
    for (std::size_t ci = 0; ci < Data.size(); ++ci) {
      TwPlotChannelCustom* c = GetChannelCustom(int(ci));
      const double x = c->Count() ? c->XLast() + XValue : 0.0;
      c->AddXY(x, s < Data[ci].size() ? Data[ci][s] : 0.0);
    }
  FLogBufferCount += int(samples);
  if (FLoggingActive && FLogBufferCount >= FLogBufferSize) FlushLog();
}
