// The editor's main routine: the application with its title and icon, every
// window created in its fixed order, then the message loop. An exception escaping
// creation or the loop is shown and the program still returns 0.
#include <stdexcept>

#include "mainwindow/AppIcon.h"
#include "mainwindow/FMain.h"
#include "mainwindow/StartupWindows.h"
#include "platform/Application.h"
#include "platform/Network.h"

int main(int argc, char** argv) {
  platform::Application application(argc, argv);
  // Set before any window exists, so every window and dialog shows it.
  application.setWindowIcon(AppIcon());
  try {
    application.SetTitle(QString::fromLatin1(TfmMain::kApplicationTitle));
    TfmMain::StartEndpoints = platform::NetworkEndpoints::FromSystem();
    CreateStartupWindows(application);
    application.Run();
  } catch (const std::exception& error) {
    platform::Application::ShowException(error);
  } catch (...) {
    platform::Application::ShowException(std::runtime_error(""));
  }
  return 0;
}
