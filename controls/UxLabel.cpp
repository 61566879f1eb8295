#include "controls/UxLabel.h"

#include "controls/UxDraw.h"

#include <QEvent>
#include <QPainter>

namespace {
struct LabelDefaults {
  QColor color{240, 240, 240};
  QColor font{0, 0, 0};
};
const LabelDefaults kLabel;
}  // namespace

TUxLabel::TUxLabel(QWidget* parent) : QWidget(parent), FColor(kLabel.color), FFontColor(kLabel.font) {
  resize(40, 13);
}

int TUxLabel::Tag() const { return uxdraw::ControlTag(this); }
void TUxLabel::SetTag(int v) { uxdraw::SetControlTag(this, v); }

void TUxLabel::SetCaption(const QString& v) {
  if (v == FCaption) return;
  FCaption = v;
  ApplyAutoSize();
  update();
}

void TUxLabel::SetAlignment(Qt::Alignment v) { if (v != FAlignment) { FAlignment = v; update(); } }
void TUxLabel::SetTransparent(bool v) { if (v != FTransparent) { FTransparent = v; update(); } }
void TUxLabel::SetColor(const QColor& v) { if (v != FColor) { FColor = v; update(); } }
void TUxLabel::SetFontColor(const QColor& v) { if (v != FFontColor) { FFontColor = v; update(); } }
void TUxLabel::SetWordWrap(bool v) { if (v != FWordWrap) { FWordWrap = v; update(); } }

void TUxLabel::SetAutoSize(bool v) {
  if (v == FAutoSize) return;
  FAutoSize = v;
  ApplyAutoSize();
}

void TUxLabel::SetFontSize(int points) {
  QFont f = font();
  f.setPointSize(points);
  setFont(f);
}

QSize TUxLabel::sizeHint() const {
  const QSize s = fontMetrics().size(Qt::TextSingleLine, FCaption.isEmpty() ? QStringLiteral(" ") : FCaption);
  return s + QSize(2, 0);
}

void TUxLabel::ApplyAutoSize() {
  if (!FAutoSize || FWordWrap) return;
  // A centred or right-aligned label keeps its anchor point while it grows.
  const QSize s = sizeHint();
  int x = this->x();
  if (FAlignment & Qt::AlignHCenter) x += (width() - s.width()) / 2;
  else if (FAlignment & Qt::AlignRight) x += width() - s.width();
  setGeometry(x, y(), s.width(), s.height());
}

void TUxLabel::paintEvent(QPaintEvent*) {
  QPainter p(this);
  drawBackground(p);
  drawCaption(p);
}

void TUxLabel::drawBackground(QPainter& p) {
  if (!FTransparent) p.fillRect(rect(), FColor);
}

void TUxLabel::drawCaption(QPainter& p) {
  p.setFont(font());
  const int flags = int(FAlignment) | (FWordWrap ? Qt::TextWordWrap : Qt::TextSingleLine);
  uxdraw::DrawTextCentered(p, rect(), FCaption, FFontColor, isEnabled(), flags);
}

void TUxLabel::changeEvent(QEvent* e) {
  if (e->type() == QEvent::FontChange) ApplyAutoSize();
  if (e->type() == QEvent::FontChange || e->type() == QEvent::EnabledChange) update();
  QWidget::changeEvent(e);
}
