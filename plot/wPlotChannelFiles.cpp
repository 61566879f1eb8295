// TwPlotChannelCustom: the data file, the log and the configuration file.
#include <algorithm>

#include "controls/wException.h"
#include "controls/wPropertyFiles.h"
#include "plot/wPlotChannelCustom.h"
#include "plot/wPlotComponent.h"
#include "plot/wPlotProperties.h"
#include "plot/wPlotTextFiles.h"

namespace {

[[noreturn]] void Raise(const QString& Message) { throw TwException(Message.toStdString()); }

template <class F>
void Wrapped(const char* Prefix, F Body) {
  try {
    Body();
  } catch (const std::exception& e) {
    throw TwException(std::string(Prefix) + e.what());
  }
}

QChar SeparatorOf(const TwPlotComponent* Plot) {
  return PlotColumnSeparator(Plot && Plot->DataFileColumnSeparator() == ipdfcsComma);
}

}  // namespace

void TwPlotChannelCustom::SaveDataToFile(const QString& FileName) {
  const QChar sep = SeparatorOf(Owner());
  QStringList lines;
  for (int i = 0; i < Count(); ++i) {
    double x, y;
    bool empty, null;
    GetXYEmptyNull(i, x, y, empty, null);
    if (empty) continue;
    lines << PlotNumberText(x) + sep + (null ? QStringLiteral("Null") : PlotNumberText(y));
  }
  WritePlotTextFile(FileName, lines);
}

void TwPlotChannelCustom::LoadDataFromFile(const QString& FileName, bool ClearPreviousData) {
  if (FLoggingActive) LogDeactivate();
  const QStringList lines = ReadPlotTextFile(FileName);
  if (ClearPreviousData) Clear();
  const QChar sep = !lines.isEmpty() && lines.first().contains('\t') ? QLatin1Char('\t') : QLatin1Char(',');
  for (const QString& line : lines) {
    const qsizetype at = line.indexOf(sep);
    const QString left = at < 0 ? QString() : line.left(at).trimmed();
    const QString right = at < 0 ? line.trimmed() : line.mid(at + 1).trimmed();
    if (left.isEmpty()) continue;
    if (right.toUpper() == QLatin1String("NULL"))
      AddPoint(PlotNumberFromText(left), 0, true, false);
    else
      AddPoint(PlotNumberFromText(left), PlotNumberFromText(right), false, false);
  }
}

void TwPlotChannelCustom::LogActivate(bool Append) {
  if (FLogFileName.trimmed().isEmpty()) Raise(QStringLiteral("Log File Name not Defined"));
  if (FLoggingActive) Raise(QStringLiteral("Logging Already Active"));
  PreparePlotLogFile(FLogFileName, Append);
  FLoggingActive = true;
  FLogBufferCount = 0;
}

void TwPlotChannelCustom::LogDeactivate() {
  if (!FLoggingActive) Raise(QStringLiteral("Logging not Active"));
  FLoggingActive = false;
  if (FLogBufferCount > 0) FlushLog();
}

void TwPlotChannelCustom::FlushLog() {
  const QChar sep = SeparatorOf(Owner());
  const int n = std::min(FLogBufferCount, Count());
  QStringList lines;
  for (int i = Count() - n; i < Count(); ++i) {
    double x, y;
    bool empty, null;
    GetXYEmptyNull(i, x, y, empty, null);
    lines << (PlotNumberText(x) + sep + PlotNumberText(y)).left(253);
  }
  AppendPlotTextFile(FLogFileName, lines);
  FLogBufferCount = 0;
}

void TwPlotChannelCustom::SavePropertiesToFile(const QString& FileName) {
  Wrapped("Error Saving Properties - ", [&] {
    QStringList lines{QStringLiteral("File Type = Plot Channel Config")};
    const QStringList exclusions{QStringLiteral("Channel.Name")};
    SavePropertiesToList(PlotObjectProperties(this), QStringLiteral("Channel"), lines,
                         Owner() && Owner()->DifferentialPropertySave(), &exclusions);
    WritePropertyFile(FileName, lines);
  });
}

void TwPlotChannelCustom::LoadPropertiesFromFile(const QString& FileName) {
  Wrapped("Error Loading Properties - ", [&] {
    QStringList lines = ReadPropertyFile(FileName);
    QString type;
    if (!ReadListValue(QStringLiteral("File Type"), type, lines) ||
        type.compare(QLatin1String("Plot Channel Config"), Qt::CaseInsensitive) != 0)
      Raise(QStringLiteral("Incompatible Plot Channel Configuration File Type"));
    LoadPropertiesFromList(PlotObjectProperties(this), QStringLiteral("Channel"), lines);
  });
}
