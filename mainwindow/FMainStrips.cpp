// The channel strips: gain, mute and polarity on the shared parameter panel
// and on the Gain page's sixteen mirror strips.
#include "mainwindow/FMain.h"
#include "platform/Format.h"

QString TfmMain::FormatGain(int position) {
  if (position >= 0) return QString::fromStdString(platform::FormatC("+%3.1fdB", position * 0.1));
  const int m = -position;
  // Single precision, as the value boxes have always shown it.
  const float x = m > 200 ? 20.0f + static_cast<float>(m - 200) * 0.5f : static_cast<float>(m) * 0.1f;
  return QString::fromStdString(platform::FormatC("-%3.1fdB", static_cast<double>(x)));
}
