#include "platform/MenuItem.h"

namespace platform {

MenuItem::MenuItem(const QString& caption, QObject* parent) : QAction(caption, parent) {
  connect(this, &QAction::triggered, this, [this](bool checked) {
    // Qt has already toggled a checkable item: put the old state back first.
    if (isCheckable()) {
      QSignalBlocker block(this);
      setChecked(!checked);
    }
    Click();
  });
}

void MenuItem::SetChecked(bool checked) {
  setCheckable(true);
  setChecked(checked);
}

void MenuItem::Click() {
  if (OnClick) OnClick(this);
}

}  // namespace platform
