#include "controls/RoundEdit.h"

#include "controls/GDIPFill.h"
#include "controls/UxDraw.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>

namespace {
struct RoundEditDefaults {
  QColor face{255, 255, 255};
  QColor border{128, 128, 128};
  QColor shadow{217, 217, 217};
  QColor disabledFace{240, 240, 240};
  int height = 24;
  int editTop = 5;
  int editHeight = 16;
};
const RoundEditDefaults kRound;
}  // namespace

TRoundEdit::TRoundEdit(QWidget* parent)
    : QWidget(parent),
      FEdit(new QLineEdit(this)),
      FColor(kRound.face),
      FBorderColor(kRound.border),
      FShadowColor(kRound.shadow) {
  FEdit->setFrame(false);
  FEdit->installEventFilter(this);
  setFocusProxy(FEdit);
  setFixedHeight(kRound.height);
  connect(FEdit, &QLineEdit::textChanged, this, [this] { if (OnChange) OnChange(this); });
  resize(100, kRound.height);
  SetColor(kRound.face);
  UpdateControls();
}

int TRoundEdit::Tag() const { return uxdraw::ControlTag(this); }
void TRoundEdit::SetTag(int v) { uxdraw::SetControlTag(this, v); }

QString TRoundEdit::Text() const { return FEdit->text(); }
void TRoundEdit::SetText(const QString& v) {
  if (v != FEdit->text()) FEdit->setText(v);
}
bool TRoundEdit::ReadOnly() const { return FEdit->isReadOnly(); }
void TRoundEdit::SetReadOnly(bool v) { FEdit->setReadOnly(v); }
Qt::Alignment TRoundEdit::Alignment() const { return FEdit->alignment(); }
void TRoundEdit::SetAlignment(Qt::Alignment v) { FEdit->setAlignment(v); }

void TRoundEdit::SetColor(const QColor& v) {
  if (v == FColor && FEdit->palette().color(QPalette::Base) == v) return;
  FColor = v;
  // The inner edit takes the face colour so that it blends with the box.
  QPalette pal = FEdit->palette();
  pal.setColor(QPalette::Base, v);
  pal.setColor(QPalette::Disabled, QPalette::Base, kRound.disabledFace);
  FEdit->setPalette(pal);
  update();
}

void TRoundEdit::SetBorderColor(const QColor& v) {
  if (v == FBorderColor) return;
  FBorderColor = v;
  update();
}

void TRoundEdit::SetRounding(int v) {
  if (v == FRounding) return;
  FRounding = v;
  UpdateControls();
  update();
}

void TRoundEdit::UpdateControls() {
  FEdit->setGeometry(FRounding, kRound.editTop, std::max(0, width() - 2 * FRounding - 2), kRound.editHeight);
}

void TRoundEdit::resizeEvent(QResizeEvent* e) {
  QWidget::resizeEvent(e);
  UpdateControls();
}

void TRoundEdit::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing, true);
  drawFace(p);
  drawShadow(p);
}

void TRoundEdit::drawFace(QPainter& p) {
  TGDIPFill fill;
  const QColor face = isEnabled() ? FColor : kRound.disabledFace;
  fill.SetBorderColor(FBorderColor);
  fill.SetRounding(FRounding);
  fill.SetRoundingType(rtBoth);
  fill.SetColor(face);
  fill.SetColorTo(face);
  fill.SetColorMirror(face);
  fill.SetColorMirrorTo(face);
  fill.Fill(p, QRectF(0, 0, width() - 1, height() - 1));
}

void TRoundEdit::drawShadow(QPainter& p) {
  if (!FShadowColor.isValid()) return;
  p.setPen(QPen(FShadowColor, 1));
  p.drawLine(QPointF(FRounding, 1.5), QPointF(width() - FRounding, 1.5));
  p.drawArc(QRectF(width() - FRounding - 3, 1, FRounding, FRounding), 90 * 16, -90 * 16);
}

bool TRoundEdit::eventFilter(QObject* watched, QEvent* event) {
  if (watched == FEdit) {
    switch (event->type()) {
      case QEvent::FocusIn: if (OnEnter) OnEnter(this); break;
      case QEvent::FocusOut: if (OnExit) OnExit(this); break;
      case QEvent::KeyPress:
        if (OnKeyDown) {
          auto* k = static_cast<QKeyEvent*>(event);
          int key = k->key();
          OnKeyDown(this, key, k->modifiers());
          if (key == 0) return true;  // the handler consumed the key
        }
        break;
      case QEvent::MouseButtonPress:
        if (OnMouseDown) {
          auto* m = static_cast<QMouseEvent*>(event);
          OnMouseDown(this, m->button(), m->modifiers(), int(m->position().x()), int(m->position().y()));
        }
        break;
      default: break;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void TRoundEdit::changeEvent(QEvent* e) {
  if (e->type() == QEvent::EnabledChange) update();
  if (e->type() == QEvent::FontChange) FEdit->setFont(font());
  QWidget::changeEvent(e);
}
