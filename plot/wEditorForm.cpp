#include "plot/wEditorForm.h"

namespace {

TwModalRunner& Runner() {
  static TwModalRunner runner;
  return runner;
}

}  // namespace

void EditorUserChange(QWidget* Control) {
  for (QWidget* w = Control ? Control->parentWidget() : nullptr; w; w = w->parentWidget()) {
    if (auto* form = dynamic_cast<TwCustomEditorForm*>(w)) {
      form->UserChange();
      return;
    }
  }
}

int EditorShowModal(platform::Form& Form) {
  if (Runner()) {
    Form.FormShow();
    return Runner()(Form);
  }
  return Form.ShowModal();
}

void SetEditorModalRunner(TwModalRunner Runner_) { Runner() = std::move(Runner_); }
