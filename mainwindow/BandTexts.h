// Texts of an equaliser band's values, the same wherever a band is shown as
// text (the panel's band boxes, the EQ faders' boxes). C locale.
#pragma once

#include <QString>

namespace bandtext {

// f >= 1000: "%4.2f" of f / 1000 + "KHz"; else " %4.1f" of f + "Hz".
QString Frequency(double hz);
// Gain code c: c >= 120 "+%3.1f", else "%4.1f", of (c - 120) * 0.1, + "dB".
QString Gain(int code);
// "%3.2f" of the table Q of the code.
QString Q(int code);

}  // namespace bandtext
