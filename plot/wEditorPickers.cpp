#include "plot/wEditorPickers.h"

#include <QMouseEvent>
#include <QPainter>

#include <memory>

#include "plot/wEditorEdit.h"
#include "plot/wEditorForm.h"
#include "plot/wPickerDialogs.h"
#include "plot/wValueConverterEditForm.h"

using namespace platform;

QString EditorInitialFileName(const QString& FileName) {
  if (FileName.endsWith(QLatin1Char('\\')) || FileName.endsWith(QLatin1Char('/')))
    return FileName + QStringLiteral("Untitled");
  return FileName;
}

// ---- colour -------------------------------------------------------------------

TwComponentEditorColorPicker::TwComponentEditorColorPicker(QWidget* parent) : QWidget(parent) {
  FButton = new QPushButton(QStringLiteral("..."), this);
  QFont bold = FButton->font();
  bold.setBold(true);
  FButton->setFont(bold);
  FButton->resize(21, 21);
  connect(FButton, &QPushButton::clicked, this, [this] { Pick(); });
  resize(47, 21);
}

void TwComponentEditorColorPicker::SetColor(TColor Value) {
  if (Value == FColor) return;
  FColor = Value;
  update();
}

void TwComponentEditorColorPicker::Pick() {
  TwColorDialog dialog(this);
  dialog.Color = FColor;
  if (!dialog.Execute()) return;
  FColor = dialog.Color;
  EditorUserChange(this);
  update();
  if (OnChange) OnChange(this);
}

void TwComponentEditorColorPicker::Disable() {
  setEnabled(false);
  update();
}

void TwComponentEditorColorPicker::Enable() {
  setEnabled(true);
  update();
}

void TwComponentEditorColorPicker::paintEvent(QPaintEvent*) {
  Canvas canvas(this);
  canvas.Pen = TPen{clBlack, 1, psSolid, pmCopy};
  canvas.Brush = TBrush{isEnabled() ? FColor : clBtnFace, bsSolid};
  canvas.Rectangle(0, 0, width() - FButton->width() - 1, height());
}

void TwComponentEditorColorPicker::resizeEvent(QResizeEvent* e) {
  QWidget::resizeEvent(e);
  FButton->setGeometry(width() - FButton->width(), 0, FButton->width(), height());
}

void TwComponentEditorColorPicker::mouseDoubleClickEvent(QMouseEvent*) { Pick(); }

// ---- font ---------------------------------------------------------------------

TwComponentEditorFontPicker::TwComponentEditorFontPicker(QWidget* parent) : TwComponentEditorButton(parent) {
  setText(QStringLiteral("Font"));
  resize(75, 25);
}

void TwComponentEditorFontPicker::Click() {
  TwComponentEditorButton::Click();
  TwFontDialog dialog(this);
  dialog.Font = FFont;
  if (!dialog.Execute()) return;
  FFont = dialog.Font;
  EditorUserChange(this);
  update();
  if (OnChange) OnChange(this);
}

// ---- open and save ------------------------------------------------------------

TwComponentEditorOpenPicker::TwComponentEditorOpenPicker(QWidget* parent) : TwComponentEditorButton(parent) {
  setText(QStringLiteral("Open"));
  resize(75, 25);
}

void TwComponentEditorOpenPicker::Click() {
  TwComponentEditorButton::Click();
  TwOpenDialog dialog(this);
  dialog.FileMustExist = FileMustExist;
  dialog.FileName = EditorInitialFileName(FileName);
  dialog.Filter = Filter;
  dialog.DefaultExt = DefaultExt;
  dialog.DefaultDir = DefaultDir;
  dialog.AllowMultiSelect = AllowMultiSelect;
  if (!dialog.Execute()) return;
  FileName = dialog.FileName;
  FFiles = dialog.Files;
  EditorUserChange(this);
  update();
  if (OnChange) OnChange(this);
}

TwComponentEditorSavePicker::TwComponentEditorSavePicker(QWidget* parent) : TwComponentEditorButton(parent) {
  setText(QStringLiteral("Save"));
  resize(75, 25);
}

bool TwComponentEditorSavePicker::Execute() {
  TwSaveDialog dialog(this);
  dialog.FileName = EditorInitialFileName(FileName);
  dialog.Filter = Filter;
  dialog.FilterIndex = FilterIndex;
  dialog.DefaultExt = DefaultExt;
  if (!FDefaultDirUsed) {
    dialog.DefaultDir = DefaultDir;
    FDefaultDirUsed = true;
  }
  if (!dialog.Execute()) return false;
  FileName = dialog.FileName;
  FChosenFilterIndex = dialog.FilterIndex;
  EditorUserChange(this);
  update();
  if (OnChange) OnChange(this);
  return true;
}

void TwComponentEditorSavePicker::Click() {
  TwComponentEditorButton::Click();
  Execute();
}

// ---- value converter ----------------------------------------------------------

TwComponentEditorValueConverterPicker::TwComponentEditorValueConverterPicker(QWidget* parent)
    : TwComponentEditorButton(parent) {
  setText(QStringLiteral("..."));
  resize(21, 21);
}

void TwComponentEditorValueConverterPicker::SetAssociate(TwComponentEditorEdit* Value) {
  FAssociate = Value;
  if (!Value) return;
  setGeometry(Value->x() + Value->width(), Value->y(), width(), Value->height());
}

void TwComponentEditorValueConverterPicker::Click() {
  TwComponentEditorButton::Click();
  auto form = std::make_unique<TwValueConverterEditForm>(this);
  form->ShowPage(DefaultPage);
  if (TranslationMethod) TranslationMethod(form.get());
  form->SetValue(FAssociate ? FAssociate->AsFloat() : DateTime);
  if (EditorShowModal(*form) != mrOk) return;
  DateTime = form->Value();
  if (FAssociate) FAssociate->SetDoubleWithEvent(DateTime);
  if (OnChange) OnChange(this);
}
