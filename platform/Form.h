// Base of every window: controls looked up by name, tags, show and close
// handlers with the semantics the windows rely on.
//
// Controls are created with Create<T>(parent, name), which names and registers
// them. FindControl<T>(name) ignores letter case, returns null on a miss or when
// the control is of another class, and is backed by a hash; Controls() lists the
// registered controls in creation order.
//
// FormShow runs only for shows the program asks for (Show, ShowModal), never for
// a window manager's restore. FormClose may set the action to Keep so the
// window stays open.
#pragma once

#include <QCloseEvent>
#include <QDialog>
#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <QString>

#include <functional>
#include <vector>

#include "platform/Dialogs.h"


namespace platform {

// Every control, menu item and timer carries an integer Tag; it lives in the
// object's "Tag" property so any QObject can have one.
int Tag(const QObject* object);
void SetTag(QObject* object, int tag);

// One handler serves a whole row of like controls and receives the sender.
using Handler = std::function<void(QObject* Sender)>;

// Suffix of a channel in composed control names: inputs 0-7 "A".."H",
// outputs 8-15 "1".."8", the effect channel 18 "Eff"; empty otherwise.
QString ChannelSuffix(int channel);
// Role prefix plus the channel's suffix, e.g. ("uxbMuteIn", 1) -> "uxbMuteInB".
QString ComposedName(const QString& prefix, int channel);

enum class CloseAction { Keep, Hide, Free };

class ControlRegistry {
 public:
  void Register(QObject* control, const QString& name);
  QObject* Find(const QString& name) const;
  std::vector<QObject*> Controls() const;

 private:
  QHash<QString, QPointer<QObject>> byName_;
  std::vector<QPointer<QObject>> order_;
};

template <typename Base>
class FormT : public Base {
 public:
  explicit FormT(QWidget* parent = nullptr) : Base(parent) {}

  template <typename T, typename... Args>
  T* Create(QWidget* parent, const QString& name, Args&&... args) {
    T* control = new T(std::forward<Args>(args)..., parent);
    Register(control, name);
    return control;
  }
  void Register(QObject* control, const QString& name) { registry_.Register(control, name); }

  template <typename T = QObject>
  T* FindControl(const QString& name) const {
    return dynamic_cast<T*>(registry_.Find(name));
  }
  std::vector<QObject*> Controls() const { return registry_.Controls(); }

  // Creation handler: runs after the window's global has been set.
  virtual void FormCreate() {}
  // Runs before every show the program asks for.
  virtual void FormShow() {}
  // Runs on every close request; set action to Keep to keep the window open.
  virtual void FormClose(CloseAction& action) { (void)action; }

  void Show() {
    FormShow();
    Base::show();
    Base::raise();
    Base::activateWindow();
  }

 protected:
  void closeEvent(QCloseEvent* event) override {
    CloseAction action = CloseAction::Hide;
    FormClose(action);
    if (action == CloseAction::Keep) {
      event->ignore();
      return;
    }
    Base::closeEvent(event);
  }

 private:
  ControlRegistry registry_;
};

// A dialog window. ShowModal runs FormShow, then the modal loop, and returns
// the modal result that closed it.
class Form : public FormT<QDialog> {
 public:
  explicit Form(QWidget* parent = nullptr);
  int ShowModal();
  // Closes a modal dialog with the given result (ModalResult in the forms).
  void SetModalResult(int result);
  bool IsModal() const { return modal_; }

 private:
  bool modal_ = false;
};

// The main window.
class MainForm : public FormT<QMainWindow> {
 public:
  explicit MainForm(QWidget* parent = nullptr) : FormT<QMainWindow>(parent) {}
};

}  // namespace platform
