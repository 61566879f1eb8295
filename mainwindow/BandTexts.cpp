#include "mainwindow/BandTexts.h"

#include <cstdint>

#include "model/Codecs.h"
#include "platform/Format.h"

namespace bandtext {

QString Frequency(double hz) {
  if (hz >= 1000) return QString::fromStdString(platform::FormatC("%4.2fKHz", hz / 1000));
  return QString::fromStdString(platform::FormatC(" %4.1fHz", hz));
}

QString Gain(int code) {
  const double db = (code - 120) * 0.1;
  return QString::fromStdString(platform::FormatC(code >= 120 ? "+%3.1fdB" : "%4.1fdB", db));
}

QString Q(int code) {
  const int c = code < 0 ? 0 : code > 255 ? 255 : code;
  return QString::fromStdString(platform::FormatC("%3.2f", CodeToQ(static_cast<std::uint8_t>(c))));
}

}  // namespace bandtext
