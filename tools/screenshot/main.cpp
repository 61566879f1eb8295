// dspshot: writes a PNG of the whole screen of the display it runs on (test
// support for whole-program runs under Xvfb).
//
//   dspshot FILE.png [-]
// With "-" it starts up first and grabs once a line arrives on its standard
// input, so a run can catch a state that lasts less than its start-up.
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc != 2 && !(argc == 3 && std::strcmp(argv[2], "-") == 0)) {
    std::fprintf(stderr, "usage: dspshot FILE.png [-]\n");
    return 2;
  }
  QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) {
    std::fprintf(stderr, "dspshot: no screen\n");
    return 1;
  }
  if (argc == 3) {
    char line[16];
    if (!std::fgets(line, sizeof line, stdin)) return 1;
  }
  if (!screen->grabWindow(0).save(QString::fromLocal8Bit(argv[1]), "PNG")) {
    std::fprintf(stderr, "dspshot: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
