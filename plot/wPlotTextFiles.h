// The text of the plot's and the channels' data and log files: UTF-8 without
// byte-order mark, lines ended by CR LF, numbers with "." whatever the locale
// (the shortest text of up to 15 significant digits, exponent form for very
// large or small values, as PropertyFloatText). Reading takes a byte-order
// mark when present and UTF-8 otherwise, and accepts "," as the decimal
// separator. File errors raise TwException ("Cannot open file ...").
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

QString PlotNumberText(double Value);
// Raises the conversion error for a text that is no number.
double PlotNumberFromText(const QString& Text);

// A line's cells: cut at every separator; a separator at the very end gives
// no empty last cell.
QStringList PlotSplitCells(const QString& Line, QChar Separator);

// The separator of data and log lines: TAB or ",".
QChar PlotColumnSeparator(bool Comma);

QStringList ReadPlotTextFile(const QString& FileName);
QByteArray ReadPlotBinaryFile(const QString& FileName);
// Replaces the file.
void WritePlotTextFile(const QString& FileName, const QStringList& Lines);
void WritePlotBinaryFile(const QString& FileName, const QByteArray& Bytes);
// Appends to an existing file (a missing file fails).
void AppendPlotTextFile(const QString& FileName, const QStringList& Lines);
void AppendPlotBinaryFile(const QString& FileName, const QByteArray& Bytes);
// LogActivate: Append checks that the file opens for writing; otherwise the
// file is created empty.
void PreparePlotLogFile(const QString& FileName, bool Append);
