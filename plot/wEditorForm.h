// TwCustomEditorForm: the base of the plot's editor windows (the property
// editor, the value converter). Every editor control reports a change made
// by the user through UserChange of the editor window it sits in, unless
// the control is loading a value silently; UserChange is empty here.
//
// EditorShowModal shows an editor window (or the print preview and its
// settings) modally; tests replace the modal loop by SetEditorModalRunner
// and answer the window themselves.
#pragma once

#include <functional>

#include "platform/Form.h"

class TwCustomEditorForm : public platform::Form {
 public:
  explicit TwCustomEditorForm(QWidget* parent = nullptr) : platform::Form(parent) {}
  virtual void UserChange() {}
};

// UserChange of the editor window holding Control, when there is one.
void EditorUserChange(QWidget* Control);

using TwModalRunner = std::function<int(platform::Form& Form)>;
// Form's modal result: from the runner when one is set, else ShowModal.
int EditorShowModal(platform::Form& Form);
// An empty runner restores the real modal loop.
void SetEditorModalRunner(TwModalRunner Runner);

// Runs Operation with Event cleared and Blocking set; both come back on
// every exit. The silent loading of every editor control.
template <class E, class F>
void EditorSilently(E& Event, bool& Blocking, F Operation) {
  E kept = std::move(Event);
  Event = nullptr;
  const bool wasBlocking = Blocking;
  Blocking = true;
  struct Restore {
    E& event;
    E& kept;
    bool& blocking;
    bool was;
    ~Restore() {
      event = std::move(kept);
      blocking = was;
    }
  } restore{Event, kept, Blocking, wasBlocking};
  Operation();
}
