#include "mainwindow/StartupWindows.h"

void CreateStartupWindows(platform::Application& application) { CreateStartupWindowsWith(application); }
