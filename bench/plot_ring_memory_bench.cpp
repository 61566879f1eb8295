// Memory of a plot configuration file that asks every channel for the
// largest ring (RingBufferSize = MaxDataPoints): the peak resident size
// (VmHWM) before and after the load, then after each channel is given a
// number of points. The store's slots should follow the points held, so the
// load itself should cost next to nothing. Arguments: channels (16), points
// per channel after the load (100000). Runs with the offscreen platform
// unless QT_QPA_PLATFORM says otherwise.
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

#include "controls/wPropertyFiles.h"
#include "plot/wXYPlot.h"

namespace {

// A field of /proc/self/status in kB ("VmHWM", "VmRSS"), or -1.
long StatusKb(const char* field) {
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly)) return -1;
  const QByteArray prefix = QByteArray(field) + ':';
  for (const QByteArray& line : status.readAll().split('\n'))
    if (line.startsWith(prefix)) return line.mid(prefix.size()).trimmed().split(' ').first().toLong();
  return -1;
}

void Report(const char* stage) {
  std::printf("%-34s VmHWM %9ld kB   VmRSS %9ld kB\n", stage, StatusKb("VmHWM"), StatusKb("VmRSS"));
}

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  const int channels = argc > 1 ? std::atoi(argv[1]) : 16;
  const int points = argc > 2 ? std::atoi(argv[2]) : 100000;
  QTemporaryDir dir;
  const QString file = dir.filePath(QStringLiteral("rings.txt"));
  int largest = 0;
  {
    // The file: a saved plot of that many channels, each section's ring
    // size raised to the largest the standard store takes.
    TwXYPlot plot;
    while (plot.ChannelCount() < channels) plot.AddChannel();
    largest = plot.GetChannel(0)->MaxDataPoints();
    plot.SavePropertiesToFile(file);
    QStringList lines = ReadPropertyFile(file);
    for (QString& line : lines)
      if (line.endsWith(QLatin1String(".RingBufferSize = 0")))
        line.replace(QLatin1String(" = 0"), QStringLiteral(" = %1").arg(largest));
    WritePropertyFile(file, lines);
  }
  std::printf("%d channels, RingBufferSize = %d each (%lld bytes of capacity each)\n", channels, largest,
              static_cast<long long>(largest) * 24);
  TwXYPlot plot;
  Report("before the load");
  QElapsedTimer timer;
  timer.start();
  plot.LoadPropertiesFromFile(file);
  const qint64 loadMs = timer.elapsed();
  Report("after the load");
  std::printf("load: %lld ms, %d channels, ring %d, slots allocated in channel 0: %d\n",
              static_cast<long long>(loadMs), plot.ChannelCount(), plot.GetChannel(0)->RingBufferSize(),
              plot.GetChannel(0)->DataList().Allocated());
  for (int i = 0; i < plot.ChannelCount(); ++i)
    for (int k = 0; k < points; ++k) plot.GetChannel(i)->AddXY(k, k % 100);
  Report("after the points");
  std::printf("%d points a channel (%lld bytes of records each), slots allocated in channel 0: %d\n", points,
              static_cast<long long>(points) * 24, plot.GetChannel(0)->DataList().Allocated());
  return 0;
}
