// The number and date-time texts of plot axes: fixed decimals, exponent
// notation (upper-case E, at least three exponent digits: "1.23E+004"),
// engineering prefixes ("1.50K", "0.500m"), 32nds of a price ("101.160"),
// thousands separators and date-time patterns. Decimal and group separators
// come from the default QLocale. A value that is not finite raises
// TwException; the axis shows "Error" then.
//
// Date-time values count days since 30 December 1899. Pattern letters (any
// case): yyyy or yy (year), mmmm, mmm, mm, m (month name, short name, number),
// dd or d (day), hh or h (hour), nn (minutes), ss (seconds), zzz
// (milliseconds), am/pm (12-hour clock, the marker in the pattern's case);
// anything else is copied.
#pragma once

#include <QString>

#include "controls/wDraw.h"

namespace plotformat {

// "-0" never appears: a negative value that rounds to zero loses its sign.
QString Fixed(double Value, int Decimals);
QString Exponent(double Value, int Digits);
// The prefix text, with the precision chosen on the scaled value; an empty
// string when the exponent lies beyond +-24. Decimals receives the places used.
QString Prefix(double Value, int Precision, TwPrecisionStyle Style, int& Decimals);
QString Price32nds(double Value);
QString Thousands(double Value, int Decimals);
QString DateTime(const QString& Pattern, double Value);
// 10^Exponent, exact for every power a double holds exactly.
double Power10(int Exponent);

}  // namespace plotformat
