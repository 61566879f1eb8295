#include "plot/wEditorControls.h"

#include <QLineEdit>
#include <QMouseEvent>

#include "plot/wEditorForm.h"

using namespace platform;

// ---- button -------------------------------------------------------------------

TwComponentEditorButton::TwComponentEditorButton(QWidget* parent) : QPushButton(parent) {
  connect(this, &QPushButton::clicked, this, [this] { Click(); });
}

void TwComponentEditorButton::Click() {
  if (OnClick) OnClick(this);
}

// ---- check box ----------------------------------------------------------------

TwComponentEditorCheckBox::TwComponentEditorCheckBox(QWidget* parent) : TwCheckBox(parent) { resize(97, 17); }

void TwComponentEditorCheckBox::DoChange() {
  TwCheckBox::DoChange();
  if (!FBlockingEvents) EditorUserChange(this);
  platform::Handler& click = FReleaseClick ? *FReleaseClick : OnClick;
  if (click) click(this);
}

// The base raises OnClick for every click inside; here OnClick follows the
// change instead, once.
void TwComponentEditorCheckBox::mouseReleaseEvent(QMouseEvent* e) {
  platform::Handler kept = std::move(OnClick);
  OnClick = nullptr;
  FReleaseClick = &kept;
  struct Restore {
    TwComponentEditorCheckBox* self;
    platform::Handler& kept;
    ~Restore() {
      self->OnClick = std::move(kept);
      self->FReleaseClick = nullptr;
    }
  } restore{this, kept};
  TwCheckBox::mouseReleaseEvent(e);
}

void TwComponentEditorCheckBox::SetAsBoolean(bool Value) {
  EditorSilently(OnClick, FBlockingEvents, [&] { SetChecked(Value); });
}

void TwComponentEditorCheckBox::Disable() {
  EditorSilently(OnClick, FBlockingEvents, [&] {
    setEnabled(false);
    SetChecked(false);
  });
}

// ---- radio group --------------------------------------------------------------

TwComponentEditorRadioGroup::TwComponentEditorRadioGroup(QWidget* parent) : TwRadioGroup(parent) {
  resize(97, 17);
}

void TwComponentEditorRadioGroup::mouseReleaseEvent(QMouseEvent* e) {
  const bool click = e->button() == Qt::LeftButton && rect().contains(e->position().toPoint());
  TwRadioGroup::mouseReleaseEvent(e);
  if (click && !FBlockingEvents) EditorUserChange(this);
}

void TwComponentEditorRadioGroup::SetAsInteger(int Value) {
  EditorSilently(OnClick, FBlockingEvents, [&] {
    EditorSilently(OnChange, FBlockingEvents, [&] { SetItemIndex(Value); });
  });
}

void TwComponentEditorRadioGroup::Disable() {
  EditorSilently(OnClick, FBlockingEvents, [&] {
    EditorSilently(OnChange, FBlockingEvents, [&] {
      setEnabled(false);
      SetItemIndex(-1);
    });
  });
}

// ---- combo box ----------------------------------------------------------------

TwComponentEditorComboBox::TwComponentEditorComboBox(QWidget* parent) : QComboBox(parent) {
  connect(this, &QComboBox::activated, this, [this] {
    if (!FBlockingEvents) EditorUserChange(this);
  });
  connect(this, &QComboBox::currentIndexChanged, this, [this] {
    if (OnChange) OnChange(this);
  });
  connect(this, &QComboBox::editTextChanged, this, [this] {
    if (OnChange) OnChange(this);
  });
}

void TwComponentEditorComboBox::SetAsInteger(int Value) {
  EditorSilently(OnChange, FBlockingEvents, [&] { setCurrentIndex(Value < count() ? Value : -1); });
}

void TwComponentEditorComboBox::SetAsString(const QString& Value) {
  EditorSilently(OnChange, FBlockingEvents, [&] {
    const int i = findText(Value);
    if (isEditable())
      setEditText(Value);
    else
      setCurrentIndex(i);
  });
}

void TwComponentEditorComboBox::SetColor(TColor Value) {
  QPalette p = palette();
  p.setColor(QPalette::Base, ToQColor(Value));
  setPalette(p);
}

void TwComponentEditorComboBox::Disable() {
  EditorSilently(OnChange, FBlockingEvents, [&] {
    setEnabled(false);
    setCurrentIndex(-1);
    if (isEditable()) setEditText(QString());
  });
  SetColor(clBtnFace);
}

void TwComponentEditorComboBox::Enable() {
  setEnabled(true);
  SetColor(clWindow);
}

// ---- paint box ----------------------------------------------------------------

TwPaintBox::TwPaintBox(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void TwPaintBox::paintEvent(QPaintEvent*) {
  Canvas canvas(this);
  if (OnPaint) OnPaint(this, canvas);
}
