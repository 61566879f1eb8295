// dspedit-automix: the editor started as its main routine starts it, with
// the automix window made and shown once the loop runs. No control of the
// main window opens that window yet, so whole-program runs that try its
// knobs start this instead (test support).
#include <QTimer>

#include <stdexcept>

#include "dialogs/FAutoMix.h"
#include "mainwindow/FMain.h"
#include "mainwindow/StartupWindows.h"
#include "platform/Application.h"
#include "platform/Network.h"

int main(int argc, char** argv) {
  platform::Application application(argc, argv);
  try {
    application.SetTitle(QString::fromLatin1(TfmMain::kApplicationTitle));
    TfmMain::StartEndpoints = platform::NetworkEndpoints::FromSystem();
    CreateStartupWindows(application);
    QTimer::singleShot(0, [] {
      if (!fmAutoMix) fmAutoMix = new TfmAutoMix();
      fmAutoMix->Show();
    });
    application.Run();
  } catch (const std::exception& error) {
    platform::Application::ShowException(error);
  }
  return 0;
}
