#include "plot/wPlotAxisFormat.h"

#include <QDate>
#include <QLocale>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "controls/wException.h"

namespace plotformat {

namespace {

void CheckFinite(double Value) {
  if (!std::isfinite(Value)) throw TwException("Value is not a number");
}

// Drops the sign of a text that shows only zeros.
QString NoNegativeZero(QString Text) {
  if (!Text.startsWith(QLatin1Char('-')) && !Text.startsWith(QChar(0x2212))) return Text;
  for (int i = 1; i < Text.size(); ++i)
    if (Text[i].isDigit() && Text[i] != QLatin1Char('0')) return Text;
  return Text.mid(1);
}

// Value with Decimals places and the default locale's separators, showing at
// most the 17 significant digits a double holds: decimals beyond them, and a
// large value's whole digits beyond them, are noise.
QString LocaleFixed(double Value, int Decimals, bool Grouped) {
  QLocale locale;
  locale.setNumberOptions(Grouped ? QLocale::DefaultNumberOptions : QLocale::OmitGroupSeparator);
  if (std::fabs(Value) < 1e17) return locale.toString(Value, 'f', SignificantDecimals(Value, Decimals));
  QString digits = QString::fromStdString(FixedText(Value, 0));
  const bool negative = digits.startsWith(QLatin1Char('-'));
  if (negative) digits.remove(0, 1);
  if (Grouped)
    for (qsizetype i = digits.size() - 3; i > 0; i -= 3) digits.insert(i, locale.groupSeparator());
  return (negative ? locale.negativeSign() : QString()) + digits;
}

}  // namespace

double Power10(int Exponent) {
  double p = 1;
  if (Exponent >= 0) {
    for (int i = 0; i < Exponent && p < 1e308; ++i) p *= 10;
    return p;
  }
  for (int i = 0; i < -Exponent && p < 1e308; ++i) p *= 10;
  return 1 / p;
}

QString Fixed(double Value, int Decimals) {
  CheckFinite(Value);
  return NoNegativeZero(LocaleFixed(Value, Decimals, false).trimmed());
}

QString Exponent(double Value, int Digits) {
  CheckFinite(Value);
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*E", std::max(Digits - 1, 0), Value);
  QString text = QString::fromLatin1(buffer);
  // At least three exponent digits.
  const int e = int(text.indexOf(QLatin1Char('E')));
  if (e >= 0 && e + 2 <= text.size()) {
    QString digits = text.mid(e + 2);
    while (digits.size() < 3) digits.prepend(QLatin1Char('0'));
    text = text.left(e + 2) + digits;
  }
  const QLocale locale;
  text.replace(QLatin1Char('.'), locale.decimalPoint());
  return text.trimmed();
}

QString Prefix(double Value, int Precision, TwPrecisionStyle Style, int& Decimals) {
  CheckFinite(Value);
  int k = 0;
  if (Value != 0) k = int(std::trunc(std::trunc(std::log10(std::fabs(Value)) / 3) * 3));
  struct Entry {
    int k;
    const char16_t* prefix;
  };
  static constexpr Entry table[] = {{24, u"Y"}, {21, u"Z"},  {18, u"E"},  {15, u"P"},  {12, u"T"},  {9, u"G"},
                                    {6, u"M"},  {3, u"K"},   {0, u""},    {-3, u"m"},  {-6, u"\u00B5"},
                                    {-9, u"n"}, {-12, u"p"}, {-15, u"f"}, {-18, u"a"}, {-21, u"z"}, {-24, u"y"}};
  for (const Entry& e : table) {
    if (e.k != k) continue;
    const double scaled = Value / Power10(k);
    Decimals = CalcAutoPrecision(Precision, Style, scaled, 0);
    return Fixed(scaled, Decimals) + QString::fromUtf16(e.prefix);
  }
  Decimals = 0;
  return {};
}

QString Price32nds(double Value) {
  CheckFinite(Value);
  const double v = Value + 1.0 / 512;
  const double whole = std::trunc(v);
  const double f = v - whole;
  const long long q = std::llrint(f * 1024);
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.0f", whole);
  return NoNegativeZero(QString::fromLatin1(buffer)) + QLocale().decimalPoint() +
         QStringLiteral("%1").arg(std::llabs(q / 32), 2, 10, QLatin1Char('0')) +
         QString::number(std::llabs((q % 32) / 4));
}

QString Thousands(double Value, int Decimals) {
  CheckFinite(Value);
  return NoNegativeZero(LocaleFixed(Value, Decimals, true).trimmed());
}

namespace {

// A pattern token at i (case-insensitive) and its length, or 0.
int Match(const QString& Pattern, int i, const char* Token) {
  const int n = int(std::strlen(Token));
  if (i + n > Pattern.size()) return 0;
  return Pattern.mid(i, n).compare(QLatin1String(Token), Qt::CaseInsensitive) == 0 ? n : 0;
}

}  // namespace

QString DateTime(const QString& Pattern, double Value) {
  CheckFinite(Value);
  double days = std::trunc(Value);
  long long ms = std::llrint(std::fabs(Value - days) * 86400000.0);
  if (ms >= 86400000) {
    days += Value < 0 ? -1 : 1;
    ms -= 86400000;
  }
  if (std::fabs(days) > 1e7) throw TwException("Date out of range");
  const QDate date = QDate(1899, 12, 30).addDays(qint64(days));
  const int hour = int(ms / 3600000), minute = int(ms / 60000 % 60), second = int(ms / 1000 % 60),
            milli = int(ms % 1000);
  const bool twelve = Pattern.contains(QLatin1String("am/pm"), Qt::CaseInsensitive);
  const QLocale c = QLocale::c();
  auto two = [](int v) { return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0')); };
  QString out;
  for (int i = 0; i < Pattern.size();) {
    int n;
    if ((n = Match(Pattern, i, "yyyy"))) out += QString::number(date.year());
    else if ((n = Match(Pattern, i, "yy"))) out += two(date.year() % 100);
    else if ((n = Match(Pattern, i, "mmmm"))) out += c.monthName(date.month());
    else if ((n = Match(Pattern, i, "mmm"))) out += c.monthName(date.month(), QLocale::ShortFormat);
    else if ((n = Match(Pattern, i, "mm"))) out += two(date.month());
    else if ((n = Match(Pattern, i, "m"))) out += QString::number(date.month());
    else if ((n = Match(Pattern, i, "dd"))) out += two(date.day());
    else if ((n = Match(Pattern, i, "d"))) out += QString::number(date.day());
    else if ((n = Match(Pattern, i, "hh"))) out += two(twelve ? (hour + 11) % 12 + 1 : hour);
    else if ((n = Match(Pattern, i, "h"))) out += QString::number(twelve ? (hour + 11) % 12 + 1 : hour);
    else if ((n = Match(Pattern, i, "nn"))) out += two(minute);
    else if ((n = Match(Pattern, i, "ss"))) out += two(second);
    else if ((n = Match(Pattern, i, "zzz"))) out += QStringLiteral("%1").arg(milli, 3, 10, QLatin1Char('0'));
    else if ((n = Match(Pattern, i, "am/pm"))) {
      const QString marker = hour < 12 ? Pattern.mid(i, 2) : Pattern.mid(i + 3, 2);
      out += marker;
    } else {
      out += Pattern[i];
      n = 1;
    }
    i += n;
  }
  return out;
}

}  // namespace plotformat
