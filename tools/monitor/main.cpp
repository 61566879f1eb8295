// dspedit-monitor: the editor started as its main routine starts it, with the
// traffic monitor opened through its menu item once the loop runs. The item
// is hidden in the editor's menu, so whole-program runs that want a picture
// of the monitor start this instead (test support).
#include <QTimer>

#include <stdexcept>

#include "mainwindow/FMain.h"
#include "mainwindow/StartupWindows.h"
#include "platform/Application.h"
#include "platform/MenuItem.h"
#include "platform/Network.h"

int main(int argc, char** argv) {
  platform::Application application(argc, argv);
  try {
    application.SetTitle(QString::fromLatin1(TfmMain::kApplicationTitle));
    TfmMain::StartEndpoints = platform::NetworkEndpoints::FromSystem();
    CreateStartupWindows(application);
    QTimer::singleShot(0, [] {
      if (platform::MenuItem* item = fmMain ? fmMain->MenuItem("HidData") : nullptr) item->Click();
    });
    application.Run();
  } catch (const std::exception& error) {
    platform::Application::ShowException(error);
  }
  return 0;
}
