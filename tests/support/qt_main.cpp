// Test main for programs that need a QApplication (offscreen, no display).
// Sockets may reach loopback only, and no real modal dialog ever opens
// (every provider cancels) and the desktop's clipboard is left alone. The
// application goes and Qt's worker threads have ended before the program
// returns, so the leak check at exit never meets a thread half-way out.
#include <QApplication>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "support/ThreadExit.h"
#include "platform/Dialogs.h"
#include "platform/Network.h"

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  int result = 0;
  {
    QApplication app(argc, argv);
    platform::UseDirectConnections();
    platform::SetLoopbackOnly(true);
    platform::SetMessageProvider([](const platform::MessageRequest& r) {
      std::fprintf(stderr, "[message box] %s\n", r.text.toUtf8().constData());
      return r.yesNo ? int(platform::mrYes) : int(platform::mrOk);
    });
    platform::SetFileProvider([](const platform::FileRequest&) { return std::optional<QString>(); });
    platform::SetColorProvider([](const platform::ColorRequest&) { return std::optional<platform::TColor>(); });
    platform::SetFontProvider([](const platform::TFont&) { return std::optional<platform::TFont>(); });
    platform::SetPrintDialogProvider([](QPrinter&) { return false; });
    platform::SetClipboardProvider([](const platform::ClipboardData&) {});
    ::testing::InitGoogleTest(&argc, argv);
    result = RUN_ALL_TESTS();
  }
  testsupport::JoinWorkerThreads();
  return result;
}
