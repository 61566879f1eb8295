#include "plot/wPlotTextFiles.h"

#include <QFile>
#include <QStringConverter>
#include <QStringDecoder>

#include "controls/wException.h"
#include "controls/wPropertyFiles.h"

namespace {

[[noreturn]] void Raise(const QString& Message) { throw TwException(Message.toStdString()); }

QByteArray Joined(const QStringList& Lines) {
  QByteArray bytes;
  for (const QString& l : Lines) bytes += l.toUtf8() + "\r\n";
  return bytes;
}

void Write(const QString& FileName, const QByteArray& Bytes, QIODevice::OpenMode Mode, const char* Verb) {
  QFile file(FileName);
  if ((Mode & QIODevice::Append) && !file.exists())
    Raise(QStringLiteral("Cannot open file \"%1\". No such file").arg(FileName));
  if (!file.open(Mode) || file.write(Bytes) != Bytes.size())
    Raise(QStringLiteral("Cannot %1 file \"%2\". %3").arg(QLatin1String(Verb), FileName, file.errorString()));
}

}  // namespace

QString PlotNumberText(double Value) { return PropertyFloatText(Value); }

double PlotNumberFromText(const QString& Text) { return PropertyFloatFromText(Text.trimmed()); }

QStringList PlotSplitCells(const QString& Line, QChar Separator) {
  QStringList cells = Line.split(Separator);
  if (cells.size() > 1 && cells.last().isEmpty()) cells.removeLast();
  return cells;
}

QChar PlotColumnSeparator(bool Comma) { return Comma ? QLatin1Char(',') : QLatin1Char('\t'); }

QByteArray ReadPlotBinaryFile(const QString& FileName) {
  QFile file(FileName);
  if (!file.open(QIODevice::ReadOnly)) Raise(QStringLiteral("Cannot open file \"%1\". %2").arg(FileName, file.errorString()));
  return file.readAll();
}

QStringList ReadPlotTextFile(const QString& FileName) {
  const QByteArray bytes = ReadPlotBinaryFile(FileName);
  const auto encoding = QStringConverter::encodingForData(bytes);
  QStringDecoder decoder(encoding.value_or(QStringConverter::Utf8));
  QString text = decoder(bytes);
  if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);
  QStringList lines = text.split('\n');
  if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
  for (QString& l : lines)
    if (l.endsWith('\r')) l.chop(1);
  return lines;
}

void WritePlotTextFile(const QString& FileName, const QStringList& Lines) {
  WritePlotBinaryFile(FileName, Joined(Lines));
}

void WritePlotBinaryFile(const QString& FileName, const QByteArray& Bytes) {
  Write(FileName, Bytes, QIODevice::WriteOnly | QIODevice::Truncate, "create");
}

void AppendPlotTextFile(const QString& FileName, const QStringList& Lines) {
  AppendPlotBinaryFile(FileName, Joined(Lines));
}

void AppendPlotBinaryFile(const QString& FileName, const QByteArray& Bytes) {
  Write(FileName, Bytes, QIODevice::WriteOnly | QIODevice::Append, "open");
}

void PreparePlotLogFile(const QString& FileName, bool Append) {
  if (Append)
    AppendPlotBinaryFile(FileName, {});
  else
    WritePlotBinaryFile(FileName, {});
}
