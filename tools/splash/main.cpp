// dspedit-splash: the editor's start-up as its main routine runs it, up to the
// moment the splash shows; the splash is then held open (its close timer
// stopped) until the window system has drawn it, the part of the screen it
// covers (with a margin of desktop around it) is written to a PNG, and the
// program ends. Whole-program pictures of the splash use it:
// the real splash closes before a screenshot can be taken (test support).
//
//   dspedit-splash FILE.png
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QThread>
#include <QTimer>

#include <cstdio>
#include <stdexcept>

#include "controls/ExSplashScreen.h"
#include "controls/SplashScreenWindow.h"
#include "mainwindow/FMain.h"
#include "mainwindow/StartupWindows.h"
#include "platform/Application.h"
#include "platform/Network.h"
#include "platform/Timer.h"

int main(int argc, char** argv) {
  platform::Application application(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: dspedit-splash FILE.png\n");
    return 2;
  }
  const QString file = QString::fromLocal8Bit(argv[1]);
  try {
    application.SetTitle(QString::fromLatin1(TfmMain::kApplicationTitle));
    TfmMain::StartEndpoints = platform::NetworkEndpoints::FromSystem();
    application.CreateForm(fmMain);
    TExSplashScreen* splash = fmMain->asScreen;
    if (!splash || !splash->SplashWindow()) {
      std::fprintf(stderr, "dspedit-splash: no splash\n");
      return 1;
    }
    splash->CloseTimer()->stop();
    fmMain->tmStartConnect->SetEnabled(false);
    // Let the window system map and draw the splash.
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 1500) {
      QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
      QThread::msleep(20);
    }
    const QRect area = splash->SplashWindow()->geometry().adjusted(-20, -20, 20, 20);
    if (!QGuiApplication::primaryScreen()->grabWindow(0, area.x(), area.y(), area.width(), area.height()).save(file, "PNG")) {
      std::fprintf(stderr, "dspedit-splash: cannot write %s\n", argv[1]);
      return 1;
    }
  } catch (const std::exception& error) {
    std::fprintf(stderr, "dspedit-splash: %s\n", error.what());
    return 1;
  }
  return 0;
}
