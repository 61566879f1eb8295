// The application object: title, the windows created once in a fixed order
// into their globals, and the message loop. An exception that reaches the loop
// from an event handler is shown in a message box and the loop goes on.
#pragma once

#include <QApplication>
#include <QPointer>
#include <QWidget>

#include <exception>
#include <vector>

namespace platform {

class Application : public QApplication {
 public:
  Application(int& argc, char** argv);
  ~Application() override;

  // The application's own title. It is not the display name, which the
  // window system would append to every window's caption.
  static void SetTitle(const QString& title) { setApplicationName(title); }
  static QString Title() { return applicationName(); }

  // Creates the window, sets its global, then runs its creation handler. The
  // first window created is the main window: Run shows it. Windows belong to
  // the application and are destroyed, newest first, when it ends.
  template <typename T>
  T* CreateForm(T*& global) {
    T* form = new T();
    global = form;
    forms_.emplace_back(form);
    form->FormCreate();
    return form;
  }

  // Shows the main window and runs the loop; returns 0 when it ends.
  int Run();

  bool notify(QObject* receiver, QEvent* event) override;

  // The exception display: the message in a message box.
  static void ShowException(const std::exception& error);

 private:
  std::vector<QPointer<QWidget>> forms_;
};

}  // namespace platform
