// Creates windows the way the application does (new window, global set, then
// its creation handler) for tests, whose QApplication is the test main's.
// Destroys them newest first and sets their globals back to null, so the
// next test starts with no window.
#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>
#include <vector>

namespace testsupport {

class FormCreator {
 public:
  FormCreator() = default;
  FormCreator(const FormCreator&) = delete;
  FormCreator& operator=(const FormCreator&) = delete;
  ~FormCreator() {
    for (auto it = forms_.rbegin(); it != forms_.rend(); ++it) delete it->data();
    for (auto& reset : resets_) reset();
  }

  template <typename T>
  T* CreateForm(T*& global) {
    T* form = new T();
    global = form;
    forms_.emplace_back(form);
    resets_.emplace_back([&global] { global = nullptr; });
    form->FormCreate();
    return form;
  }

  // Object names of the windows in creation order.
  std::vector<QString> Names() const {
    std::vector<QString> names;
    for (const auto& f : forms_) names.push_back(f ? f->objectName() : QString());
    return names;
  }
  const std::vector<QPointer<QWidget>>& Forms() const { return forms_; }

 private:
  std::vector<QPointer<QWidget>> forms_;
  std::vector<std::function<void()>> resets_;
};

}  // namespace testsupport
