#include "controls/UxShapeButton.h"

#include "controls/UxDraw.h"
#include "platform/Canvas.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QShortcutEvent>

#include <algorithm>
#include <vector>

using platform::FromQColor;
using platform::TColor;

namespace {
QColor Q(TColor c) { return platform::ToQColor(platform::ColorToRGB(c)); }

struct ShapeDefaults {
  TColor highlight = platform::clBtnHighlight;
  TColor shadow = platform::clBtnShadow;
  TColor border = platform::cl3DDkShadow;
  TColor font = platform::clBtnText;
};
const ShapeDefaults kShape;

QRgb Rgb(const QImage& image, int x, int y) { return image.pixel(x, y) & 0xFFFFFF; }

// One step darker, so a highlight never falls on the keyed-out colour.
QRgb OneStepDarker(QRgb c) {
  const int r = qRed(c), g = qGreen(c), b = qBlue(c);
  if (r + g + b == 0) return qRgb(1, 1, 1);
  return qRgb(std::max(r - 1, 0), std::max(g - 1, 0), std::max(b - 1, 0)) & 0xFFFFFF;
}

QChar AcceleratorOf(const QString& caption) {
  for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != QLatin1Char('&')) continue;
    if (caption[i + 1] != QLatin1Char('&')) return caption[i + 1].toLower();
    ++i;
  }
  return {};
}
}  // namespace

TUxShapeButton::TUxShapeButton(QWidget* parent)
    : QWidget(parent),
      FFontColor(Q(kShape.font)),
      FBevelHighlightColor(Q(kShape.highlight)),
      FBevelShadowColor(Q(kShape.shadow)),
      FBorderColor(Q(kShape.border)) {
  resize(80, 80);
}

int TUxShapeButton::Tag() const { return uxdraw::ControlTag(this); }
void TUxShapeButton::SetTag(int v) { uxdraw::SetControlTag(this, v); }

// ---- setters -------------------------------------------------------------------

void TUxShapeButton::SetCaption(const QString& v) {
  if (v == FCaption) return;
  FCaption = v;
  if (FAccelerator) releaseShortcut(FAccelerator);
  FAccelerator = 0;
  const QChar key = AcceleratorOf(FCaption);
  if (!key.isNull()) FAccelerator = grabShortcut(QKeySequence(QStringLiteral("Alt+") + key));
  update();
}

void TUxShapeButton::SetFontColor(const QColor& v) {
  if (v == FFontColor) return;
  FFontColor = v;
  update();
}

void TUxShapeButton::SetAutoSize(bool v) {
  if (v == FAutoSize) return;
  FAutoSize = v;
  ApplyAutoSize();
}

void TUxShapeButton::SetBitmap(const QImage& v) {
  FBitmap = v.isNull() ? QImage() : v.convertToFormat(QImage::Format_RGB32);
  BuildFaces();
}

#define UX_FACE_SETTER(Name, Type, Field) \
  void TUxShapeButton::Set##Name(Type v) { \
    if (v == Field) return;                \
    Field = v;                             \
    BuildFaces();                          \
  }

UX_FACE_SETTER(BevelHighlightColor, const QColor&, FBevelHighlightColor)
UX_FACE_SETTER(BevelShadowColor, const QColor&, FBevelShadowColor)
UX_FACE_SETTER(BorderStyle, TBorderStyle, FBorderStyle)
UX_FACE_SETTER(BorderColor, const QColor&, FBorderColor)

#undef UX_FACE_SETTER

void TUxShapeButton::SetBevelWidth(int v) {
  v = std::clamp(v, 0, 2);
  if (v == FBevelWidth) return;
  FBevelWidth = v;
  BuildFaces();
}

void TUxShapeButton::SetCaptionPosition(TUxCaptionPosition v) {
  if (v == FCaptionPosition) return;
  FCaptionPosition = v;
  update();
}

void TUxShapeButton::SetCaptionXY(int x, int y) {
  bool changed = false;
  if (x != FCaptionX) FCaptionX = x, changed = true;
  if (y != FCaptionY) FCaptionY = y, changed = true;
  if (!changed) return;
  FCaptionPosition = cpXY;
  update();
}

QColor TUxShapeButton::TransparentColor() const {
  return FBitmap.isNull() ? QColor() : QColor(platform::ToQColor(platform::AutoTransparentColor(FBitmap)));
}

// ---- faces ---------------------------------------------------------------------

QImage TUxShapeButton::BuildFace(bool down) const {
  const int w = FBitmap.width(), h = FBitmap.height();
  const QRgb key = Rgb(FBitmap, 0, h - 1);
  QImage face = FBitmap.copy();
  const int rings = FBevelWidth + (FBorderStyle == bsSingle ? 1 : 0);
  QRgb highlight = FBevelHighlightColor.rgb() & 0xFFFFFF;
  if (highlight == key) highlight = OneStepDarker(highlight);
  const QRgb shadow = FBevelShadowColor.rgb() & 0xFFFFFF;
  auto opaque = [&](int x, int y) { return x >= 0 && y >= 0 && x < w && y < h && Rgb(FBitmap, x, y) != key; };
  for (int i = 1; i <= rings; ++i) {
    for (int side = 0; side < 2; ++side) {  // bottom-right first
      const bool bottomRight = side == 0;
      if (down && bottomRight && i == rings) continue;
      QRgb color;
      if (FBorderStyle == bsSingle && i == rings) color = FBorderColor.rgb() & 0xFFFFFF;
      else if (bottomRight) color = down ? highlight : shadow;
      else color = down ? shadow : highlight;
      // The side's offsets on the square of radius i.
      std::vector<QPoint> offsets;
      for (int dy = -i; dy <= i; ++dy)
        for (int dx = -i; dx <= i; ++dx) {
          if (std::max(std::abs(dx), std::abs(dy)) != i) continue;
          const bool br = dx == i || dy == i;
          if (br == bottomRight) offsets.emplace_back(dx, dy);
        }
      std::vector<QPoint> hits;
      for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
          if (Rgb(face, x, y) != key) continue;
          for (const QPoint& d : offsets)
            if (opaque(x - d.x(), y - d.y())) {
              hits.emplace_back(x, y);
              break;
            }
        }
      for (const QPoint& p : hits) face.setPixel(p, 0xFF000000 | color);
    }
  }
  return face;
}

void TUxShapeButton::BuildFaces() {
  ApplyAutoSize();
  if (FBitmap.isNull()) {
    FBitmapUp = FBitmapDown = FHitTestMask = QImage();
    update();
    return;
  }
  FBitmapUp = BuildFace(false);
  FBitmapDown = BuildFace(true);
  const QRgb key = Rgb(FBitmap, 0, FBitmap.height() - 1);
  FHitTestMask = QImage(FBitmap.size(), QImage::Format_Mono);
  FHitTestMask.fill(0);
  for (int y = 0; y < FBitmapUp.height(); ++y)
    for (int x = 0; x < FBitmapUp.width(); ++x)
      if (Rgb(FBitmapUp, x, y) != key) FHitTestMask.setPixel(x, y, 1);
  update();
}

bool TUxShapeButton::PtInMask(int x, int y) const {
  if (FHitTestMask.isNull()) return true;
  if (x < 0 || y < 0 || x >= FHitTestMask.width() || y >= FHitTestMask.height()) return false;
  return FHitTestMask.pixelIndex(x, y) == 1;
}

void TUxShapeButton::ApplyAutoSize() {
  if (!FAutoSize || FBitmap.isNull()) return;
  const QSize want = FBitmap.size() + QSize(4, 4);
  if (size() != want) resize(want);
}

void TUxShapeButton::resizeEvent(QResizeEvent* e) {
  QWidget::resizeEvent(e);
  ApplyAutoSize();
}

// ---- painting ------------------------------------------------------------------

void TUxShapeButton::paintEvent(QPaintEvent*) {
  QPainter p(this);
  TButtonState state = FState;
  if (!isEnabled() || state == bsExclusive || state == bsDisabled) state = bsUp;
  const QImage& face = state == bsUp ? FBitmapUp : FBitmapDown;
  const int shift = state == bsDown ? 1 : 0;
  if (!face.isNull()) {
    platform::Canvas c(p);
    c.DrawTransparent(shift, shift, face, platform::AutoTransparentColor(FBitmap));
  }
  if (!FCaption.isEmpty()) {
    p.setFont(font());
    QRect r = GetCaptionRect(p, FCaption, rect());
    DrawCaption(p, FCaption, state, r.translated(shift, shift));
  }
}

QRect TUxShapeButton::GetCaptionRect(QPainter& p, const QString& text, const QRect& r) const {
  if (FCaptionPosition == cpCentered) return r;
  const QRect measured =
      p.fontMetrics().boundingRect(QRect(0, 0, r.width(), 0), Qt::TextSingleLine | Qt::TextShowMnemonic, text);
  return QRect(FCaptionX, FCaptionY, measured.width(), measured.height());
}

void TUxShapeButton::DrawCaption(QPainter& p, const QString& text, TButtonState, const QRect& r) {
  p.setPen(FFontColor);
  p.drawText(r, Qt::AlignCenter | Qt::TextSingleLine | Qt::TextShowMnemonic, text);
}

// ---- mouse ---------------------------------------------------------------------

void TUxShapeButton::Click() {
  if (OnClick) OnClick(this);
}

bool TUxShapeButton::Inside(const QPoint& pt) const {
  return FPreciseClick ? PtInMask(pt.x(), pt.y()) : rect().contains(pt);
}

bool TUxShapeButton::event(QEvent* e) {
  if (e->type() == QEvent::Shortcut && static_cast<QShortcutEvent*>(e)->shortcutId() == FAccelerator) {
    if (isEnabled()) Click();
    return true;
  }
  return QWidget::event(e);
}

void TUxShapeButton::mousePressEvent(QMouseEvent* e) {
  const QPoint pt = e->position().toPoint();
  // Off the shape the press belongs to what lies beneath.
  if (!isEnabled() || (FPreciseClick && !PtInMask(pt.x(), pt.y()))) return e->ignore();
  if (e->button() != Qt::LeftButton) return;
  FState = bsDown;
  repaint();
  FDragging = true;
}

void TUxShapeButton::mouseMoveEvent(QMouseEvent* e) {
  if (!isEnabled()) return;
  const QPoint pt = e->position().toPoint();
  const bool onShape = PtInMask(pt.x(), pt.y());
  if (!onShape && FPreciseShowHint) {
    if (!FPrevShowHintSaved) {
      FPrevToolTip = toolTip();
      FPrevShowHintSaved = true;
      setToolTip(QString());
    }
  } else if (!onShape && FPreciseClick) {
    if (!FPrevCursorSaved) {
      FPrevCursorSaved = true;
      setCursor(Qt::ArrowCursor);
    }
  } else {
    if (FPrevShowHintSaved) setToolTip(FPrevToolTip), FPrevShowHintSaved = false;
    if (FPrevCursorSaved) unsetCursor(), FPrevCursorSaved = false;
  }
  if (!FDragging) return;
  const TButtonState want = Inside(pt) ? bsDown : bsUp;
  if (want == FState) return;
  FState = want;
  repaint();
}

void TUxShapeButton::mouseReleaseEvent(QMouseEvent* e) {
  if (!FDragging || e->button() != Qt::LeftButton) return;
  FDragging = false;
  if (FState == bsDown) {
    FState = bsUp;
    repaint();
  }
  if (isEnabled() && Inside(e->position().toPoint())) Click();
}

void TUxShapeButton::changeEvent(QEvent* e) {
  if (e->type() == QEvent::FontChange || e->type() == QEvent::EnabledChange) update();
  QWidget::changeEvent(e);
}
