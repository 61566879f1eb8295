// The combo box's keys (typed prefix search, auto-completion), wheel, mouse,
// focus and popup.
#include "controls/UxComboBox.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QKeyEvent>
#include <QLayout>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>
#include <QWheelEvent>

#include <algorithm>

namespace {
bool IsEnter(const QKeyEvent* e) { return e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter; }

bool IsNavigation(int key) {
  switch (key) {
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_End:
    case Qt::Key_Home:
    case Qt::Key_Left:
    case Qt::Key_Up:
    case Qt::Key_Right:
    case Qt::Key_Down: return true;
    default: return false;
  }
}

// The typed character of a key without Ctrl or Alt; null for none.
QChar TypedChar(const QKeyEvent* e) {
  if (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return {};
  const QString text = e->text();
  if (text.isEmpty() || text[0].unicode() < 32 || text[0].unicode() == 127) return {};
  return text[0];
}
}  // namespace

// ---- events of the box ---------------------------------------------------------

void TUxCustomComboBox::InvalidKeyPressed() {
  if (!FBeepOnInvalidKey) return;
  if (BeepHook) BeepHook();
  else QApplication::beep();
}

void TUxCustomComboBox::KeyPress(QChar& key) {
  if (OnKeyPress) OnKeyPress(this, key);
}
void TUxCustomComboBox::Match() {
  if (OnMatch) OnMatch(this);
}
void TUxCustomComboBox::NotInList() {
  if (OnNotInList) OnNotInList(this);
}
void TUxCustomComboBox::SelEndOk() {
  if (OnSelEndOk) OnSelEndOk(this);
}
void TUxCustomComboBox::SelEndCancel() {
  if (OnSelEndCancel) OnSelEndCancel(this);
}
void TUxCustomComboBox::Click() {
  if (OnClick) OnClick(this);
}
void TUxCustomComboBox::Change() {
  if (OnChange) OnChange(this);
}

// A pick from the list (or a keyboard move the platform reports).
void TUxCustomComboBox::Picked() {
  if (FDropped && lineEdit()) {
    FTyping = true;
    FSearchString = Text();
    SelEndOk();
  }
  FDropped = false;
  Click();
  Change();
}

// ---- typed prefix search (list styles) -----------------------------------------

void TUxCustomComboBox::SelectByPrefix(const QString& text) {
  const int i = FindClosest(text);
  if (i < 0) {
    InvalidKeyPressed();  // the search string keeps its value: the key is dropped
    return;
  }
  SetItemIndex(i);
  FSearchString = text;
  if (view()->isVisible()) view()->setCurrentIndex(model()->index(i, modelColumn()));
  Click();
  Change();
  QChar key = text.isEmpty() ? QChar() : text.back();
  KeyPress(key);
}

bool TUxCustomComboBox::ListChar(QChar ch) {
  if (ch.unicode() > 255) return false;  // no search on wide characters
  ++FKeyCount;
  SelectByPrefix(FSearchString + ch);
  FTimer.start();
  FKeyCount = 0;
  return true;
}

void TUxCustomComboBox::ListBackspace() {
  if (FSearchString.isEmpty()) {
    InvalidKeyPressed();
    SelectByPrefix(QString());  // every item begins with it: the first one
    return;
  }
  FSearchString.chop(1);
  if (!FSearchString.isEmpty()) {
    SelectByPrefix(FSearchString);
    return;
  }
  SetItemIndex(0);
  Click();
  Change();
  FSearchString.clear();
  QChar key(Qt::Key_Backspace);
  KeyPress(key);
}

void TUxCustomComboBox::ListKey(QKeyEvent* e) {
  if (e->key() == Qt::Key_Backspace) return ListBackspace();
  if (e->key() == Qt::Key_Escape || IsNavigation(e->key())) FSearchString.clear();
  const QChar ch = TypedChar(e);
  if (!ch.isNull()) {
    ListChar(ch);  // Qt's own keyboard search stays off
    return;
  }
  QComboBox::keyPressEvent(e);
}

void TUxCustomComboBox::SearchTimerFired() {
  if (FKeyCount != 0) return;
  FTimer.stop();
  FSearchString.clear();
}

// ---- auto-completion (csDropDown) ----------------------------------------------

bool TUxCustomComboBox::AutoCompleteText(const QString& text) {
  const int i = FindClosest(text);
  if (i < 0) return false;
  const int before = ItemIndex();
  const QString item = itemText(i);
  if (FKeepSearchCase) {
    FTyping = true;
    SetEditTextQuietly(text + item.mid(text.size()));
    FTyping = false;
  } else {
    setCurrentIndex(-1);
    setCurrentIndex(i);
    SetEditTextQuietly(item);
  }
  FSearchString = text;
  Click();
  Change();
  if (QLineEdit* ed = lineEdit()) {
    const int length = int(ed->text().size());
    ed->setSelection(length, int(text.size()) - length);  // caret after the typed text, the rest selected
  }
  if (ItemIndex() != before) Match();
  return true;
}

void TUxCustomComboBox::EditChar(QKeyEvent* e) {
  QChar key = TypedChar(e);
  KeyPress(key);
  if (key.isNull()) return;  // cancelled by the handler
  QLineEdit* ed = lineEdit();
  if (FMaxLength > 0 && ed->text().size() >= FMaxLength && !ed->hasSelectedText()) {
    InvalidKeyPressed();
    return;
  }
  const QString previous = FSearchString;
  const int caret = ed->hasSelectedText() ? ed->selectionStart() : ed->cursorPosition();
  QString search = FSearchString;
  if (ed->hasSelectedText()) search.remove(ed->selectionStart(), ed->selectedText().size());
  search.insert(std::min<qsizetype>(caret, search.size()), key);
  if (AutoCompleteText(search)) return;
  if (!FAllowEdit) {
    InvalidKeyPressed();
    FSearchString = previous;
    return;
  }
  // Kept as typed.
  SetEditTextQuietly(previous);
  ed->setCursorPosition(std::min<int>(caret, int(previous.size())));
  ed->insert(QString(key));
  FSearchString = ed->text();
}

void TUxCustomComboBox::EditBackspace() {
  if (FSearchString.isEmpty()) {
    InvalidKeyPressed();
    return;
  }
  QLineEdit* ed = lineEdit();
  QString s = FSearchString;
  const int caret = ed->cursorPosition();
  if (ed->hasSelectedText() && ed->selectionStart() < s.size()) s.remove(ed->selectionStart(), ed->selectedText().size());
  else if (caret >= s.size()) s.chop(1);
  else if (caret > 0) s.remove(caret - 1, 1);
  FSearchString = s;
  Change();
  if (s.isEmpty()) {
    SetItemIndex(-1);
    SetEditTextQuietly(QString());
    FSearchString.clear();
    Click();
    Change();
    QChar key(Qt::Key_Backspace);
    KeyPress(key);
    return;  // an emptied box stays empty
  }
  if (!AutoCompleteText(s)) {
    SetEditTextQuietly(s);
    ed->setCursorPosition(int(s.size()));
  }
}

// true when the key was handled here.
bool TUxCustomComboBox::EditKey(QKeyEvent* e) {
  QLineEdit* ed = lineEdit();
  const bool dropped = view()->isVisible();
  const int key = e->key();
  if (key == Qt::Key_PageUp || key == Qt::Key_PageDown || key == Qt::Key_Up || key == Qt::Key_Down) {
    FTyping = true;
    FSearchString.clear();
    return false;
  }
  if (key == Qt::Key_End || key == Qt::Key_Home || key == Qt::Key_Left || key == Qt::Key_Right) {
    FSearchString = Text();
    return false;
  }
  if (key == Qt::Key_Backspace) {
    EditBackspace();
    return true;
  }
  if (key == Qt::Key_Delete) {
    QString s = Text();
    if (ed->hasSelectedText()) s.remove(ed->selectionStart(), ed->selectedText().size());
    else s.remove(ed->cursorPosition(), 1);
    FSearchString = s;
    const bool whole = ed->selectedText().size() == ed->text().size() && !ed->text().isEmpty();
    return !FAllowEdit && !whole;  // dropped
  }
  const bool paste = e->matches(QKeySequence::Paste) || (key == Qt::Key_Insert && (e->modifiers() & Qt::ShiftModifier));
  if (paste || e->matches(QKeySequence::Cut)) {
    if (!FAllowEdit) return true;
    QComboBox::keyPressEvent(e);
    FSearchString = Text();
    AutoCompleteText(FSearchString);
    return true;
  }
  if (IsEnter(e)) {
    if (dropped) SelEndOk();
    FEnterPressed = true;
    return false;
  }
  if (key == Qt::Key_Escape) {
    FSearchString.clear();
    return !dropped;  // swallowed unless the list is open
  }
  if (!TypedChar(e).isNull()) {
    EditChar(e);
    return true;
  }
  return false;
}

// ---- keys ----------------------------------------------------------------------

void TUxCustomComboBox::keyPressEvent(QKeyEvent* e) {
  const bool dropped = view()->isVisible();
  if (IsEnter(e) && FTabOnEnter && !dropped) {
    focusNextChild();
    return;
  }
  if (FReadOnly) {
    if (lineEdit() && e->matches(QKeySequence::Copy)) QComboBox::keyPressEvent(e);
    return;  // every other key is swallowed, F4 included
  }
  if (!IsEnter(e)) FEnterPressed = false;
  if (ListStyle()) {
    ListKey(e);
  } else if (FStyle == csDropDown && FAutoComplete) {
    if (!EditKey(e)) QComboBox::keyPressEvent(e);
  } else {
    const QChar ch = TypedChar(e);
    if (!ch.isNull() && FMaxLength > 0 && lineEdit() && lineEdit()->text().size() >= FMaxLength &&
        !lineEdit()->hasSelectedText())
      InvalidKeyPressed();
    else
      QComboBox::keyPressEvent(e);
  }
  AfterKeyPress(e);
}

void TUxCustomComboBox::AfterKeyPress(QKeyEvent* e) {
  if (!FAutoDropDown) return;
  const bool dropped = view()->isVisible();
  if (e->key() == Qt::Key_Tab) {
    if (dropped) hidePopup();
  } else if (e->key() != Qt::Key_Backspace && e->key() != Qt::Key_Escape && !dropped) {
    showPopup();
  }
}

// ---- wheel and mouse -----------------------------------------------------------

void TUxCustomComboBox::wheelEvent(QWheelEvent* e) {
  e->accept();
  const int delta = e->angleDelta().y();
  bool handled = false;
  if (OnMouseWheel) OnMouseWheel(this, e->modifiers(), delta, e->position().toPoint(), handled);
  if (handled || FReadOnly || !isEnabled() || delta == 0 || count() == 0) return;
  if (view()->isVisible()) {
    QScrollBar* bar = view()->verticalScrollBar();
    const int lines = QApplication::wheelScrollLines();
    bar->setValue(delta < 0 ? bar->value() + lines : std::max(bar->value() - lines, 0));
    return;
  }
  const int i = currentIndex();
  if (delta < 0) {
    if (i + 1 < count()) {
      setCurrentIndex(i + 1);
      Click();
      Change();
    }
  } else if (i <= 0) {
    setCurrentIndex(0);  // to the first item, silently
  } else {
    setCurrentIndex(i - 1);
    Click();
    Change();
  }
}

void TUxCustomComboBox::mousePressEvent(QMouseEvent* e) {
  if (FReadOnly) return;  // the list cannot be opened by mouse
  QComboBox::mousePressEvent(e);
}

void TUxCustomComboBox::mouseDoubleClickEvent(QMouseEvent* e) {
  if (FReadOnly) return;
  QComboBox::mouseDoubleClickEvent(e);
}

bool TUxCustomComboBox::eventFilter(QObject* watched, QEvent* e) {
  if (watched == view() && e->type() == QEvent::KeyPress && ListStyle()) {
    auto* key = static_cast<QKeyEvent*>(e);
    const QChar ch = TypedChar(key);
    if (!ch.isNull()) {
      ListChar(ch);
      return true;
    }
    if (key->key() == Qt::Key_Backspace) {
      ListBackspace();
      return true;
    }
    if (key->key() == Qt::Key_Escape) FSearchString.clear();
  }
  if (lineEdit() && watched == lineEdit() &&
      (e->type() == QEvent::MouseButtonPress || e->type() == QEvent::MouseButtonDblClick)) {
    if (FReadOnly) return true;
    if (static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton) FSearchString = Text();
  }
  return QComboBox::eventFilter(watched, e);
}

// ---- focus, hot state, popup ---------------------------------------------------

void TUxCustomComboBox::enterEvent(QEnterEvent* e) {
  UpdateFrame(true, true);
  QComboBox::enterEvent(e);
}

void TUxCustomComboBox::leaveEvent(QEvent* e) {
  UpdateFrame(true, false);
  QComboBox::leaveEvent(e);
}

void TUxCustomComboBox::focusInEvent(QFocusEvent* e) {
  QComboBox::focusInEvent(e);
  UpdateFrame(false, true);
}

void TUxCustomComboBox::focusOutEvent(QFocusEvent* e) {
  QComboBox::focusOutEvent(e);
  if (e->reason() == Qt::PopupFocusReason) return;  // the list took it for a while
  FSearchString.clear();
  FEnterPressed = false;
  UpdateFrame(false, false);
  if (FStyle == csDropDown && !Text().isEmpty() && IndexOf(Text()) < 0) NotInList();
}

void TUxCustomComboBox::changeEvent(QEvent* e) {
  QComboBox::changeEvent(e);
  if (e->type() == QEvent::EnabledChange) UpdateColors();
}

void TUxCustomComboBox::resizeEvent(QResizeEvent* e) {
  QComboBox::resizeEvent(e);
  update();
}

int TUxCustomComboBox::ActualDropDownWidth() const {
  if (FDropDownWidth > 0) return FDropDownWidth;
  int widest = 0;
  for (int i = 0; i < count(); ++i) widest = std::max(widest, fontMetrics().horizontalAdvance(itemText(i)));
  if (count() > maxVisibleItems()) widest += ScrollBarWidth();
  return std::max(widest + 8, width());
}

void TUxCustomComboBox::showPopup() {
  if (FReadOnly) return;
  const int w = ActualDropDownWidth();
  FDropped = true;
  QComboBox::showPopup();
  // The list opens at the selected item, on its top row where the list is
  // long enough: the platform scrolled it for its own geometry, not this one.
  auto atSelected = [this] {
    if (currentIndex() >= 0) view()->scrollTo(model()->index(currentIndex(), modelColumn()), QAbstractItemView::PositionAtTop);
  };
  // DropDownCount items high, ActualDropDownWidth wide.
  QWidget* popup = view()->window();
  if (popup != window()) {
    const int extra = popup->height() - view()->viewport()->height();
    const int rows = std::min(count(), maxVisibleItems());
    const int h = rows > 0 ? rows * ItemHeight() + extra : popup->height();
    // The list drops below the box (above it when the screen ends first).
    QPoint at = mapToGlobal(QPoint(layoutDirection() == Qt::RightToLeft ? width() - w : 0, height()));
    if (const QScreen* s = screen(); s && at.y() + h > s->geometry().bottom() + 1) at.setY(mapToGlobal(QPoint(0, 0)).y() - h);
    popup->setGeometry(QRect(at, QSize(w, h)));
    // Which scroll arrows show depends on where the list stands.
    atSelected();
    if (popup->layout()) popup->layout()->activate();
    // Scroll arrows or margins the list gained take their room from the rows.
    const int missing = rows * ItemHeight() - view()->viewport()->height();
    if (rows > 0 && missing > 0) popup->resize(w, h + missing);
  }
  atSelected();
  update();
}

void TUxCustomComboBox::hidePopup() {
  QComboBox::hidePopup();
  update();  // closing the list repaints the box
  // A pick reports itself right after the list closes; without one, the
  // selection was cancelled.
  QTimer::singleShot(0, this, [this] {
    if (!FDropped) return;
    FDropped = false;
    if (lineEdit()) SelEndCancel();
  });
}
