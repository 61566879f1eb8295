// Writes the editor's icon (mainwindow/AppIcon.h) as the PNG files of an icon
// theme: DIR/<n>x<n>/apps/dspedit.png for every size it is drawn in.
//
//   dspicon DIR
#include <QDir>
#include <QImageWriter>

#include <cstdio>

#include "mainwindow/AppIcon.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: dspicon DIR\n");
    return 2;
  }
  const QString root = QString::fromLocal8Bit(argv[1]);
  for (int size : appicon::kSizes) {
    const QString folder = QStringLiteral("%1/%2x%2/apps").arg(root).arg(size);
    const QString file = folder + QStringLiteral("/dspedit.png");
    QImageWriter writer(file, "png");
    if (!QDir().mkpath(folder) || !writer.write(appicon::Draw(size))) {
      std::fprintf(stderr, "dspicon: cannot write %s: %s\n", qPrintable(file), qPrintable(writer.errorString()));
      return 1;
    }
  }
  return 0;
}
