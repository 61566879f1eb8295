// A menu item whose check mark only the program sets: a click never toggles it,
// so the handler sees the old state and decides. Carries a Tag like controls.
#pragma once

#include <QAction>
#include <QString>

#include "platform/Form.h"

class QMenu;

namespace platform {

class MenuItem : public QAction {
 public:
  MenuItem(const QString& caption, QObject* parent);

  QString Caption() const { return text(); }
  void SetCaption(const QString& caption) { setText(caption); }
  bool Checked() const { return isChecked(); }
  void SetChecked(bool checked);
  bool Visible() const { return isVisible(); }
  void SetVisible(bool visible) { setVisible(visible); }
  bool Enabled() const { return isEnabled(); }
  void SetEnabled(bool enabled) { setEnabled(enabled); }
  // Runs OnClick as a user's choice would.
  void Click();

  Handler OnClick;
};

}  // namespace platform
