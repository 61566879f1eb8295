#include "controls/RoundEdit.h"

#include <QApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QRegularExpressionValidator>

namespace {
struct RoundEditDefaults {
  QColor emptyText{128, 128, 128};
  QPoint emptyTextAt{3, 0};
  int height = 24;
  int editTop = 5;
  int editHeight = 16;
  QSize size{100, 24};
  int noLimit = 32767;  // the inner edit's length without MaxLength
};
const RoundEditDefaults kRound;
// Focus that comes from or goes to a popup or another window is not a move
// between the window's controls.
bool MovesWithinWindow(const QFocusEvent* e) {
  return e->reason() != Qt::PopupFocusReason && e->reason() != Qt::ActiveWindowFocusReason;
}
}  // namespace

// ---- TEmptyEdit ------------------------------------------------------------

TEmptyEdit::TEmptyEdit(QWidget* parent) : QLineEdit(parent) {}

void TEmptyEdit::SetEmptyText(const QString& v) {
  if (v == FEmptyText) return;
  FEmptyText = v;
  update();
}

void TEmptyEdit::paintEvent(QPaintEvent* e) {
  QLineEdit::paintEvent(e);
  if (!text().isEmpty() || FEmptyText.isEmpty()) return;
  QPainter p(this);
  p.setPen(kRound.emptyText);
  p.setFont(font());
  p.drawText(QRect(kRound.emptyTextAt, QSize(width() - kRound.emptyTextAt.x(), height())),
             Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, FEmptyText);
}

void TEmptyEdit::focusInEvent(QFocusEvent* e) {
  QLineEdit::focusInEvent(e);
  // QLineEdit selects everything on Tab; the edit does so only with AutoSelect.
  if (e->reason() != Qt::MouseFocusReason && e->reason() != Qt::ActiveWindowFocusReason &&
      e->reason() != Qt::PopupFocusReason) {
    if (FAutoSelect)
      selectAll();
    else if (e->reason() == Qt::TabFocusReason || e->reason() == Qt::BacktabFocusReason)
      deselect();
  }
  if (text().isEmpty() && !FEmptyText.isEmpty()) update();
}

void TEmptyEdit::focusOutEvent(QFocusEvent* e) {
  const int start = selectionStart(), length = selectionLength();
  const int cursor = cursorPosition();
  QLineEdit::focusOutEvent(e);
  // QLineEdit drops the selection; without HideSelection it stays.
  if (!FHideSelection && start >= 0 && length > 0 && !hasSelectedText()) {
    if (cursor == start)
      setSelection(start + length, -length);
    else
      setSelection(start, length);
  }
  if (text().isEmpty() && !FEmptyText.isEmpty()) update();
}

// ---- TRoundEdit ------------------------------------------------------------

TRoundEdit::TRoundEdit(QWidget* parent) : TRoundControlPanel(parent), FEdit(new TEmptyEdit(this)) {
  FEdit->setFrame(false);
  FEdit->setMouseTracking(true);
  FEdit->installEventFilter(this);
  setFocusProxy(FEdit);
  setFixedHeight(kRound.height);
  connect(FEdit, &QLineEdit::textChanged, this, [this] {
    if (OnChange) OnChange(this);
  });
  connect(FEdit, &QLineEdit::textEdited, this, [this] { ApplyCharCase(); });
  resize(kRound.size);
  TRoundEdit::Changed();
  UpdateControls();
}

QString TRoundEdit::Text() const { return FEdit->text(); }
void TRoundEdit::SetText(const QString& v) {
  if (v != FEdit->text()) FEdit->setText(v);
}
bool TRoundEdit::Enabled() const { return FEdit->isEnabled(); }
void TRoundEdit::SetEnabled(bool v) { FEdit->setEnabled(v); }
bool TRoundEdit::ReadOnly() const { return FEdit->isReadOnly(); }
void TRoundEdit::SetReadOnly(bool v) { FEdit->setReadOnly(v); }
Qt::Alignment TRoundEdit::Alignment() const { return FEdit->alignment(); }
void TRoundEdit::SetAlignment(Qt::Alignment v) { FEdit->setAlignment(v); }

int TRoundEdit::MaxLength() const { return FEdit->maxLength() >= kRound.noLimit ? 0 : FEdit->maxLength(); }
void TRoundEdit::SetMaxLength(int v) { FEdit->setMaxLength(v <= 0 ? kRound.noLimit : v); }

void TRoundEdit::SetCharCase(TEditCharCase v) {
  if (v == FCharCase) return;
  FCharCase = v;
  ApplyCharCase();
}

void TRoundEdit::ApplyCharCase() {
  if (FCharCase == ecNormal) return;
  const QString text = FEdit->text();
  const QString cased = FCharCase == ecUpperCase ? text.toUpper() : text.toLower();
  if (cased == text) return;
  const int cursor = FEdit->cursorPosition();
  FEdit->setText(cased);
  FEdit->setCursorPosition(cursor);
}

void TRoundEdit::SetNumbersOnly(bool v) {
  if (v == FNumbersOnly) return;
  FNumbersOnly = v;
  FEdit->setValidator(v ? new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), FEdit)
                        : nullptr);
}

void TRoundEdit::SetPasswordChar(QChar v) {
  FPasswordChar = v;
  FEdit->setEchoMode(v.isNull() ? QLineEdit::Normal : QLineEdit::Password);
}

void TRoundEdit::SetPopupMenu(QMenu* v) {
  FPopupMenu = v;
  FEdit->setContextMenuPolicy(v ? Qt::CustomContextMenu : Qt::DefaultContextMenu);
  disconnect(FEdit, &QWidget::customContextMenuRequested, this, nullptr);
  if (v) {
    connect(FEdit, &QWidget::customContextMenuRequested, this, [this](const QPoint& pt) {
      if (FPopupMenu) FPopupMenu->popup(FEdit->mapToGlobal(pt));
    });
  }
}

bool TRoundEdit::TabStop() const { return FEdit->focusPolicy() == Qt::StrongFocus; }
void TRoundEdit::SetTabStop(bool v) { FEdit->setFocusPolicy(v ? Qt::StrongFocus : Qt::ClickFocus); }

void TRoundEdit::SetFont(const platform::TFont& v) {
  FFont = v;
  setFont(platform::ToQFont(v));  // reaches the inner edit through changeEvent
  QPalette pal = FEdit->palette();
  pal.setColor(QPalette::Text, platform::ToQColor(v.Color));
  FEdit->setPalette(pal);
}

void TRoundEdit::SetFocus() { FEdit->setFocus(); }

void TRoundEdit::Changed() {
  TRoundControlPanel::Changed();
  QPalette pal = FEdit->palette();
  pal.setColor(QPalette::All, QPalette::Base, Color());
  FEdit->setPalette(pal);
}

void TRoundEdit::UpdateControls() {
  const TRoundControls& cs = *Controls();
  const int sides = cs.RightSize() + cs.RightControlSize() + cs.LeftSize() + cs.LeftControlSize();
  FEdit->setGeometry(cs.LeftSize() + Rounding() + cs.LeftControlSize(), kRound.editTop,
                     std::max(0, width() - 2 * Rounding() - sides), kRound.editHeight);
}

void TRoundEdit::resizeEvent(QResizeEvent* e) {
  TRoundControlPanel::resizeEvent(e);
  UpdateControls();
}

void TRoundEdit::changeEvent(QEvent* e) {
  if (e->type() == QEvent::FontChange) FEdit->setFont(font());
  if (e->type() == QEvent::LayoutDirectionChange) FEdit->setLayoutDirection(layoutDirection());
  TRoundControlPanel::changeEvent(e);
}

// ---- forwarded events ----

bool TRoundEdit::ForwardKey(QEvent* event) {
  auto* k = static_cast<QKeyEvent*>(event);
  int key = k->key();
  if (event->type() == QEvent::KeyRelease) {
    if (!OnKeyUp) return false;
    OnKeyUp(this, key, k->modifiers());
    return key == 0;
  }
  if (OnKeyDown) {
    OnKeyDown(this, key, k->modifiers());
    if (key == 0) return true;  // the handler consumed the key
  }
  if (!OnKeyPress || k->text().isEmpty()) return false;
  const QChar typed = k->text().at(0);
  QChar ch = typed;
  OnKeyPress(this, ch);
  if (ch == typed) return false;
  if (!ch.isNull() && ch.isPrint() && !FEdit->isReadOnly()) FEdit->insert(QString(ch));
  return true;
}

bool TRoundEdit::ForwardMouse(QEvent* event) {
  auto* m = static_cast<QMouseEvent*>(event);
  const int x = int(m->position().x()), y = int(m->position().y());
  switch (event->type()) {
    case QEvent::MouseButtonPress:
      if (OnMouseDown) OnMouseDown(this, m->button(), m->modifiers(), x, y);
      break;
    case QEvent::MouseButtonDblClick:
      if (OnMouseDown) OnMouseDown(this, m->button(), m->modifiers(), x, y);
      if (OnDblClick) OnDblClick(this);
      break;
    case QEvent::MouseButtonRelease:
      if (m->button() == Qt::LeftButton && FEdit->rect().contains(m->position().toPoint()) && OnClick) OnClick(this);
      if (OnMouseUp) OnMouseUp(this, m->button(), m->modifiers(), x, y);
      break;
    case QEvent::MouseMove:
      if (OnMouseMove) OnMouseMove(this, m->modifiers(), x, y);
      break;
    default:
      break;
  }
  return false;
}

bool TRoundEdit::eventFilter(QObject* watched, QEvent* event) {
  if (watched == FEdit) {
    switch (event->type()) {
      case QEvent::FocusIn:
        if (OnEnter && MovesWithinWindow(static_cast<QFocusEvent*>(event))) OnEnter(this);
        break;
      case QEvent::FocusOut:
        // A context menu or another window only borrows the focus: the box is
        // left when another control of its window takes it.
        if (OnExit && MovesWithinWindow(static_cast<QFocusEvent*>(event))) {
          const QWidget* next = QApplication::focusWidget();
          if (next && next->window() == window()) OnExit(this);
        }
        break;
      case QEvent::KeyPress:
      case QEvent::KeyRelease:
        if (ForwardKey(event)) return true;
        break;
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonDblClick:
      case QEvent::MouseButtonRelease:
      case QEvent::MouseMove:
        ForwardMouse(event);
        break;
      case QEvent::Enter:
        if (OnMouseEnter) OnMouseEnter(this);
        break;
      case QEvent::Leave:
        if (OnMouseLeave) OnMouseLeave(this);
        break;
      default:
        break;
    }
  }
  return TRoundControlPanel::eventFilter(watched, event);
}
