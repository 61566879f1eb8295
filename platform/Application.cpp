#include "platform/Application.h"

#include "platform/Dialogs.h"
#include "platform/Network.h"

namespace platform {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
  setQuitOnLastWindowClosed(false);
  UseDirectConnections();
}

Application::~Application() {
  for (auto it = forms_.rbegin(); it != forms_.rend(); ++it) delete it->data();
}

int Application::Run() {
  if (!forms_.empty() && forms_.front()) {
    QWidget* main = forms_.front();
    main->show();
    // Closing the main window ends the program.
    main->setAttribute(Qt::WA_QuitOnClose, true);
    setQuitOnLastWindowClosed(true);
  }
  exec();
  return 0;
}

bool Application::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& error) {
    ShowException(error);
  } catch (...) {
    ShowException(std::runtime_error(""));
  }
  return false;
}

void Application::ShowException(const std::exception& error) {
  ShowMessage(MessageRequest{QString(), QString::fromUtf8(error.what()), MessageKind::Error});
}

}  // namespace platform
