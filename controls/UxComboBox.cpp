#include "controls/UxComboBox.h"

#include "controls/UxDraw.h"

#include <QEvent>
#include <QAbstractItemView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QWheelEvent>

namespace {
struct ComboDefaults {
  QColor normal{255, 255, 255};
  QColor focus{255, 255, 255};
  QColor disabled{240, 240, 240};
  QColor readOnly{255, 255, 225};  // info background
  QColor frame{160, 160, 160};
  QColor frameHot{100, 100, 100};
  QColor text{0, 0, 0};
  QColor disabledText{128, 128, 128};
  QColor arrow{0, 0, 0};
  int buttonWidth = 16;
};
const ComboDefaults kCombo;
}  // namespace

TUxCustomComboBox::TUxCustomComboBox(QWidget* parent)
    : QComboBox(parent),
      FNormalColor(kCombo.normal),
      FFocusColor(kCombo.focus),
      FDisabledColor(kCombo.disabled),
      FReadOnlyColor(kCombo.readOnly),
      FFrameColor(kCombo.frame) {
  setEditable(true);
  setInsertPolicy(QComboBox::NoInsert);
  setFocusPolicy(Qt::StrongFocus);
  // Only the user's pick reaches OnChange; programmatic selection stays silent.
  connect(this, qOverload<int>(&QComboBox::activated), this, [this](int) { Change(); });
  UpdateEditColors();
  resize(145, 21);
}

int TUxCustomComboBox::Tag() const { return uxdraw::ControlTag(this); }
void TUxCustomComboBox::SetTag(int v) { uxdraw::SetControlTag(this, v); }

void TUxCustomComboBox::SetItemIndex(int v) {
  if (v < -1 || v >= count()) v = -1;
  if (v == currentIndex()) return;
  setCurrentIndex(v);
}

QStringList TUxCustomComboBox::Items() const {
  QStringList list;
  for (int i = 0; i < count(); ++i) list << itemText(i);
  return list;
}

// Adding to an empty list must not select the new entry (the platform would).
int TUxCustomComboBox::Add(const QString& text) {
  const bool none = currentIndex() < 0;
  addItem(text);
  if (none) setCurrentIndex(-1);
  return count() - 1;
}

void TUxCustomComboBox::Insert(int index, const QString& text) {
  const bool none = currentIndex() < 0;
  insertItem(index, text);
  if (none) setCurrentIndex(-1);
}
void TUxCustomComboBox::Delete(int index) { removeItem(index); }

void TUxCustomComboBox::ClearItems() {
  clear();
  if (lineEdit()) lineEdit()->clear();
}

int TUxCustomComboBox::IndexOf(const QString& text) const {
  for (int i = 0; i < count(); ++i)
    if (itemText(i).compare(text, Qt::CaseInsensitive) == 0) return i;
  return -1;
}

bool TUxCustomComboBox::FindItem(const QString& text) {
  const int i = IndexOf(text);
  if (i < 0) return false;
  SetItemIndex(i);
  return true;
}

void TUxCustomComboBox::SetStyle(TComboBoxStyle v) {
  if (v == FStyle) return;
  FStyle = v;
  const bool editable = v == csDropDown || v == csSimple;
  const int keep = currentIndex();
  setEditable(editable);
  setCurrentIndex(keep);
  UpdateEditColors();
  update();
}

void TUxCustomComboBox::SetColor(const QColor& v) {
  if (v == FNormalColor) return;
  if (FFocusColor == FNormalColor) FFocusColor = v;  // a focus colour equal to the face follows it
  FNormalColor = v;
  UpdateEditColors();
  update();
}

void TUxCustomComboBox::SetFocusColor(const QColor& v) { if (v != FFocusColor) { FFocusColor = v; UpdateEditColors(); update(); } }
void TUxCustomComboBox::SetDisabledColor(const QColor& v) { if (v != FDisabledColor) { FDisabledColor = v; UpdateEditColors(); update(); } }
void TUxCustomComboBox::SetReadOnlyColor(const QColor& v) { if (v != FReadOnlyColor) { FReadOnlyColor = v; UpdateEditColors(); update(); } }
void TUxCustomComboBox::SetFrameColor(const QColor& v) { if (v != FFrameColor) { FFrameColor = v; update(); } }

void TUxCustomComboBox::SetReadOnly(bool v) {
  if (v == FReadOnly) return;
  FReadOnly = v;
  if (lineEdit()) lineEdit()->setReadOnly(v);
  UpdateEditColors();
  update();
}

QColor TUxCustomComboBox::FaceColor() const {
  if (!isEnabled()) return FDisabledColor;
  if (hasFocus()) return FFocusColor;
  return FReadOnly ? FReadOnlyColor : FNormalColor;
}

void TUxCustomComboBox::UpdateEditColors() {
  if (!lineEdit()) return;
  lineEdit()->setFrame(false);
  QPalette pal = lineEdit()->palette();
  pal.setColor(QPalette::Base, FaceColor());
  pal.setColor(QPalette::Text, kCombo.text);
  pal.setColor(QPalette::Disabled, QPalette::Text, kCombo.disabledText);
  lineEdit()->setPalette(pal);
  lineEdit()->setReadOnly(FReadOnly);
}

void TUxCustomComboBox::Change() {
  if (OnChange) OnChange(this);
}

// ---- painting --------------------------------------------------------------

QRect TUxCustomComboBox::ButtonRect() const {
  return QRect(width() - kCombo.buttonWidth - 2, 2, kCombo.buttonWidth, height() - 4);
}

void TUxCustomComboBox::paintEvent(QPaintEvent*) {
  QPainter p(this);
  drawFace(p);
  if (!isEditable()) drawText(p);
  drawButton(p);
  drawFrame(p);
}

void TUxCustomComboBox::drawFace(QPainter& p) { p.fillRect(rect(), FaceColor()); }

void TUxCustomComboBox::drawText(QPainter& p) {
  const QRect r = QRect(4, 0, ButtonRect().left() - 6, height());
  p.setPen(isEnabled() ? kCombo.text : kCombo.disabledText);
  p.setFont(font());
  p.drawText(r, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine, currentText());
  if (hasFocus() && !FReadOnly) {
    p.setPen(QPen(kCombo.text, 1, Qt::DotLine));
    p.drawRect(r.adjusted(-2, 2, 1, -3));
  }
}

void TUxCustomComboBox::drawButton(QPainter& p) {
  const QRect b = ButtonRect();
  p.fillRect(b, FaceColor());
  if (FReadOnly) return;  // a read-only box shows no button
  if (isEnabled() && (FOverControl || hasFocus()))
    uxdraw::DrawBevel(p, b, view()->isVisible() ? uxdraw::TBevel::Lowered : uxdraw::TBevel::Raised);
  uxdraw::DrawDropDownArrow(p, b, isEnabled() ? kCombo.arrow : kCombo.disabledText);
}

void TUxCustomComboBox::drawFrame(QPainter& p) {
  p.setPen(FOverControl && isEnabled() ? kCombo.frameHot : FFrameColor);
  p.setBrush(Qt::NoBrush);
  p.drawRect(rect().adjusted(0, 0, -1, -1));
}

// ---- input -----------------------------------------------------------------

void TUxCustomComboBox::wheelEvent(QWheelEvent* e) {
  e->accept();
  const int delta = e->angleDelta().y();
  bool handled = false;
  if (OnMouseWheel) OnMouseWheel(this, e->modifiers(), delta, e->position().toPoint(), handled);
  if (handled || FReadOnly || !isEnabled() || delta == 0 || count() == 0) return;
  const int i = currentIndex();
  if (delta < 0) {
    if (i + 1 < count()) {
      setCurrentIndex(i + 1);
      Change();
    }
  } else if (i <= 0) {
    setCurrentIndex(0);  // to the first item, silently
  } else {
    setCurrentIndex(i - 1);
    Change();
  }
}

void TUxCustomComboBox::mousePressEvent(QMouseEvent* e) {
  if (FReadOnly) return;
  QComboBox::mousePressEvent(e);
}

void TUxCustomComboBox::keyPressEvent(QKeyEvent* e) {
  if (FReadOnly) return;
  QComboBox::keyPressEvent(e);
}

void TUxCustomComboBox::enterEvent(QEnterEvent* e) {
  FOverControl = true;
  update();
  QComboBox::enterEvent(e);
}

void TUxCustomComboBox::leaveEvent(QEvent* e) {
  FOverControl = false;
  update();
  QComboBox::leaveEvent(e);
}

void TUxCustomComboBox::focusInEvent(QFocusEvent* e) {
  QComboBox::focusInEvent(e);
  UpdateEditColors();
  update();
}

void TUxCustomComboBox::focusOutEvent(QFocusEvent* e) {
  QComboBox::focusOutEvent(e);
  UpdateEditColors();
  update();
}

void TUxCustomComboBox::changeEvent(QEvent* e) {
  QComboBox::changeEvent(e);
  if (e->type() == QEvent::EnabledChange) {
    UpdateEditColors();
    update();
  }
}

// ---- TUxComboBox -----------------------------------------------------------

TUxComboBox::TUxComboBox(QWidget* parent) : TUxCustomComboBox(parent) {}

int TUxComboBox::AddItemValue(const QString& text, const QString& value) {
  const int i = Add(text);
  while (FValues.size() < i) FValues << QString();
  FValues.insert(i, value);
  return i;
}

void TUxComboBox::InsertItemValue(int index, const QString& text, const QString& value) {
  Insert(index, text);
  while (FValues.size() < index) FValues << QString();
  FValues.insert(index, value);
}

void TUxComboBox::DeleteItemValue(int index) {
  Delete(index);
  if (index >= 0 && index < FValues.size()) FValues.removeAt(index);
}

void TUxComboBox::ClearItemsValues() {
  ClearItems();
  FValues.clear();
}

QString TUxComboBox::GetItemValue(int index) const {
  if (index >= 0 && index < FValues.size() && !FValues[index].isEmpty()) return FValues[index];
  if (index >= 0 && index < count()) return itemText(index);
  return {};
}
