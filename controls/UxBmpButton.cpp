#include "controls/UxBmpButton.h"

#include "controls/UxDraw.h"

#include <QEvent>
#include <QBitmap>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {
struct BmpButtonDefaults {
  QColor transparent{128, 128, 0};   // olive
  QColor face{240, 240, 240};        // button face
  QColor font{0, 0, 0};
  QColor focus{0, 0, 0};
};
const BmpButtonDefaults kBmp;

// The bitmap with its transparent colour keyed out.
QPixmap Keyed(const QImage& img, const QColor& key) {
  QPixmap pm = QPixmap::fromImage(img);
  if (key.isValid()) pm.setMask(QBitmap::fromImage(img.createMaskFromColor(key.rgb(), Qt::MaskInColor)));
  return pm;
}

// An engraved grey copy of the up face for a disabled button without its own bitmap.
QImage Engraved(const QImage& up, const QColor& key) {
  QImage out(up.size(), QImage::Format_ARGB32);
  out.fill(Qt::transparent);
  const QImage src = up.convertToFormat(QImage::Format_ARGB32);
  const QRgb k = key.isValid() ? (key.rgb() & 0x00FFFFFF) : 0xFFFFFFFF;
  auto dark = [&](int x, int y) {
    if (x < 0 || y < 0 || x >= src.width() || y >= src.height()) return false;
    const QRgb c = src.pixel(x, y);
    return (c & 0x00FFFFFF) != k && qAlpha(c) > 0 && qGray(c) < 160;
  };
  for (int y = 0; y < out.height(); ++y)
    for (int x = 0; x < out.width(); ++x) {
      const QRgb c = src.pixel(x, y);
      if ((c & 0x00FFFFFF) == k || qAlpha(c) == 0) continue;
      out.setPixel(x, y, qRgb(240, 240, 240));
      if (dark(x - 1, y - 1)) out.setPixel(x, y, qRgb(255, 255, 255));
      if (dark(x, y)) out.setPixel(x, y, qRgb(160, 160, 160));
    }
  return out;
}
}  // namespace

// ---- TUxButtonBitmaps ------------------------------------------------------

TUxButtonBitmaps::TUxButtonBitmaps(QObject* parent) : QObject(parent), FTransparentColor(kBmp.transparent) {}

void TUxButtonBitmaps::SetUp(const QImage& v) { FUp = v; Changed(); }
void TUxButtonBitmaps::SetUpAndFocused(const QImage& v) { FUpAndFocused = v; Changed(); }
void TUxButtonBitmaps::SetDisabled(const QImage& v) { FDisabled = v; Changed(); }
void TUxButtonBitmaps::SetDown(const QImage& v) { FDown = v; Changed(); }
void TUxButtonBitmaps::SetStayDown(const QImage& v) { FStayDown = v; Changed(); }
void TUxButtonBitmaps::SetHot(const QImage& v) { FHot = v; Changed(); }

void TUxButtonBitmaps::SetTransparentColor(const QColor& v) {
  if (v == FTransparentColor) return;
  FTransparentColor = v;
  Changed();
}

void TUxButtonBitmaps::Assign(const TUxButtonBitmaps* s) {
  if (!s || s == this) return;
  FUp = s->FUp; FUpAndFocused = s->FUpAndFocused; FDisabled = s->FDisabled;
  FDown = s->FDown; FStayDown = s->FStayDown; FHot = s->FHot;
  FTransparentColor = s->FTransparentColor;
  Changed();
}

void TUxButtonBitmaps::Changed() {
  if (OnChange) OnChange(this);
}

// ---- TUxBmpButton ----------------------------------------------------------

TUxBmpButton::TUxBmpButton(QWidget* parent) : QWidget(parent), FFontColor(kBmp.font), FColor(kBmp.face) {
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_Hover, true);
  FBitmaps.OnChange = [this](QObject*) {
    if (FButtonSize == bszButtonToBitmap) ApplySizeRule();
    update();
  };
  resize(80, 30);
}

int TUxBmpButton::Tag() const { return uxdraw::ControlTag(this); }
void TUxBmpButton::SetTag(int v) { uxdraw::SetControlTag(this, v); }

void TUxBmpButton::SetCaption(const QString& v) {
  if (v == FCaption) return;
  FCaption = v;
  update();
}

void TUxBmpButton::SetFontColor(const QColor& v) {
  if (v == FFontColor) return;
  FFontColor = v;
  update();
}

void TUxBmpButton::SetColor(const QColor& v) {
  if (v == FColor) return;
  FColor = v;
  update();
}

void TUxBmpButton::SetGroupIndex(int v) {
  if (v == FGroupIndex) return;
  FGroupIndex = v;
  AnnounceGroup();
}

void TUxBmpButton::SetAllowAllUp(bool v) {
  if (v == FAllowAllUp) return;
  FAllowAllUp = v;
  AnnounceGroup();
}

void TUxBmpButton::SetDown(bool v) {
  if (FGroupIndex == 0) v = false;
  if (v == FDown) return;
  if (FDown && !FAllowAllUp) return;  // a radio group keeps one button down
  FDown = v;
  SetState(v ? bsExclusive : bsUp);
  if (v) AnnounceGroup();
}

void TUxBmpButton::SetCaptionDownOffset(int v) {
  if (v == FCaptionDownOffset) return;
  FCaptionDownOffset = v;
  update();
}

void TUxBmpButton::SetShowFocus(bool v) {
  if (v == FShowFocus) return;
  FShowFocus = v;
  update();
}

void TUxBmpButton::SetButtonSize(TBtnSize v) {
  if (v == FButtonSize) return;
  FButtonSize = v;
  ApplySizeRule();
  update();
}

void TUxBmpButton::Click() {
  if (OnClick) OnClick(this);
}

void TUxBmpButton::SetState(TButtonState s) {
  if (s == FState) return;
  FState = s;
  update();
}

void TUxBmpButton::AnnounceGroup() {
  if (FGroupIndex == 0 || !parentWidget()) {
    SetState(FDown ? bsExclusive : bsUp);
    return;
  }
  for (QObject* o : parentWidget()->children()) {
    auto* b = qobject_cast<TUxBmpButton*>(o);
    if (b && b != this && b->FGroupIndex == FGroupIndex) b->GroupAnnounced(this);
  }
}

void TUxBmpButton::GroupAnnounced(TUxBmpButton* sender) {
  if (sender->FDown && FDown) {
    FDown = false;
    FState = bsUp;
    update();
  }
  FAllowAllUp = sender->FAllowAllUp;
}

void TUxBmpButton::ApplySizeRule() {
  if (FButtonSize != bszButtonToBitmap || FBitmaps.Up().isNull()) return;
  if (size() != FBitmaps.Up().size()) resize(FBitmaps.Up().size());
}

// ---- painting --------------------------------------------------------------

QImage TUxBmpButton::FaceBitmap() const {
  const TUxButtonBitmaps& b = FBitmaps;
  if (b.Up().isNull()) return !isEnabled() ? b.Disabled() : QImage();
  if (!isEnabled()) return b.Disabled().isNull() ? Engraved(b.Up(), b.TransparentColor()) : b.Disabled();
  switch (FState) {
    case bsDown: return b.Down().isNull() ? b.Up() : b.Down();
    case bsExclusive: return !b.StayDown().isNull() ? b.StayDown() : !b.Down().isNull() ? b.Down() : b.Up();
    default:
      if (FMouseOverButton && !b.Hot().isNull()) return b.Hot();
      if (hasFocus() && FShowFocus && !b.UpAndFocused().isNull()) return b.UpAndFocused();
      return b.Up();
  }
}

void TUxBmpButton::paintEvent(QPaintEvent*) {
  // A disabled button ends any press; a re-enabled one returns to its resting look.
  if (!isEnabled()) {
    FState = bsDisabled;
    FDragging = false;
  } else if (FState == bsDisabled) {
    FState = FDown ? bsExclusive : bsUp;
  }
  QPainter p(this);
  const QRect r = rect();
  drawFace(p, r);
  drawCaption(p, r);
  drawFocus(p, r);
}

void TUxBmpButton::drawFace(QPainter& p, const QRect& r) {
  const QImage face = FaceBitmap();
  if (face.isNull()) {
    const bool sunken = FState == bsDown || FState == bsExclusive;
    QColor c = FColor;
    if (FState == bsExclusive) c = uxdraw::Shade(c, -30);  // latched: visibly darker than pressed
    uxdraw::DrawButtonFace(p, r, c, sunken, FMouseOverButton, isEnabled());
    return;
  }
  const QPixmap pm = Keyed(face, FBitmaps.TransparentColor());
  p.setRenderHint(QPainter::SmoothPixmapTransform, true);
  switch (FButtonSize) {
    case bszNeither: p.drawPixmap(QRect(QPoint((r.width() - pm.width()) / 2, (r.height() - pm.height()) / 2), pm.size()), pm); break;
    case bszTileToButton: p.drawTiledPixmap(r, pm); break;
    default: p.drawPixmap(r, pm); break;
  }
}

void TUxBmpButton::drawCaption(QPainter& p, const QRect& r) {
  if (FCaption.isEmpty()) return;
  p.setFont(font());
  QRect tr = r;
  if (isEnabled() && (FState == bsDown || FState == bsExclusive)) tr.translate(FCaptionDownOffset, FCaptionDownOffset);
  uxdraw::DrawTextCentered(p, tr, FCaption, FFontColor, isEnabled(), Qt::AlignCenter | Qt::TextSingleLine);
}

void TUxBmpButton::drawFocus(QPainter& p, const QRect& r) {
  if (!FShowFocus || !hasFocus() || FCaption.isEmpty()) return;
  const QRect text = p.fontMetrics().boundingRect(r, Qt::AlignCenter, FCaption).adjusted(-2, -2, 2, 2);
  p.save();
  p.setPen(QPen(kBmp.focus, 1, Qt::DotLine));
  p.setBrush(Qt::NoBrush);
  p.drawRect(text);
  p.restore();
}

// ---- input -----------------------------------------------------------------

void TUxBmpButton::mousePressEvent(QMouseEvent* e) {
  if (!isEnabled()) return;
  if (!hasFocus()) setFocus(Qt::MouseFocusReason);
  if (e->button() != Qt::LeftButton) return;
  if (!FDown) {
    FState = bsDown;
    repaint();
  }
  FDragging = true;
}

void TUxBmpButton::mouseMoveEvent(QMouseEvent* e) {
  if (!FDragging) return;
  const QPoint pt = e->position().toPoint();
  const bool inside = pt.x() >= 0 && pt.x() < width() && pt.y() >= 0 && pt.y() <= height();
  const TButtonState want = FDown ? bsExclusive : inside ? bsDown : bsUp;
  if (want != FState) {
    FState = want;
    repaint();
  }
}

void TUxBmpButton::mouseReleaseEvent(QMouseEvent* e) {
  if (!FDragging || e->button() != Qt::LeftButton) return;
  FDragging = false;
  const QPoint pt = e->position().toPoint();
  const bool click = pt.x() >= 0 && pt.x() < width() && pt.y() >= 0 && pt.y() <= height();
  AnnounceGroup();
  if (FGroupIndex == 0) {
    update();
  } else if (click) {
    SetDown(!FDown);
    // A latched radio button refused to rise: keep the latched look.
    SetState(FDown ? bsExclusive : bsUp);
  } else {
    SetState(FDown ? bsExclusive : bsUp);
  }
  if (click) Click();
}

void TUxBmpButton::keyPressEvent(QKeyEvent* e) {
  if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
    Click();
    return;
  }
  if (e->key() == Qt::Key_Space && !e->isAutoRepeat() && isEnabled()) {
    if (!FDown) SetState(bsDown);
    FDragging = true;
    return;
  }
  QWidget::keyPressEvent(e);
}

void TUxBmpButton::keyReleaseEvent(QKeyEvent* e) {
  if (e->isAutoRepeat() || !FDragging) return QWidget::keyReleaseEvent(e);
  FDragging = false;
  if (!FDown) SetState(bsUp);
  if (FGroupIndex != 0) {
    SetDown(!FDown);
    SetState(FDown ? bsExclusive : bsUp);
  } else {
    update();
  }
  Click();
}

void TUxBmpButton::enterEvent(QEnterEvent* e) {
  FMouseOverButton = true;
  update();
  QWidget::enterEvent(e);
}

void TUxBmpButton::leaveEvent(QEvent* e) {
  FMouseOverButton = false;
  update();
  QWidget::leaveEvent(e);
}

void TUxBmpButton::changeEvent(QEvent* e) {
  if (e->type() == QEvent::EnabledChange || e->type() == QEvent::FontChange) update();
  QWidget::changeEvent(e);
}

void TUxBmpButton::resizeEvent(QResizeEvent* e) {
  QWidget::resizeEvent(e);
  ApplySizeRule();
}

void TUxBmpButton::focusInEvent(QFocusEvent* e) {
  update();
  QWidget::focusInEvent(e);
}

void TUxBmpButton::focusOutEvent(QFocusEvent* e) {
  update();
  QWidget::focusOutEvent(e);
}
