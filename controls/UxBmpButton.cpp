#include "controls/UxBmpButton.h"

#include "controls/UxDraw.h"
#include "platform/Form.h"

#include <QEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QShortcutEvent>

using platform::Canvas;
using platform::FromQColor;
using platform::FromQRect;
using platform::TColor;
using platform::TRect;
using platform::ToQRect;

namespace {
struct BmpButtonDefaults {
  TColor transparent = platform::clOlive;
  TColor face = platform::clBtnFace;
  TColor font = platform::clBlack;
  TColor disabledText = platform::RGB(128, 128, 128);
  TColor disabledLight = platform::clWhite;
  TColor shadow = platform::clBtnShadow;
};
const BmpButtonDefaults kBmp;

QColor Q(TColor c) { return platform::ToQColor(platform::ColorToRGB(c)); }

// The shared down pattern and the count of live buttons that keeps it.
QImage* gDownPattern = nullptr;
int gButtonCount = 0;

const QImage& DownPatternImage() {
  if (!gDownPattern) {
    gDownPattern = new QImage(8, 8, QImage::Format_RGB32);
    gDownPattern->fill(Q(platform::clBtnFace));
    for (int y = 0; y < 8; ++y)
      for (int x = 0; x < 8; ++x)
        if (x % 2 == y % 2) gDownPattern->setPixelColor(x, y, Qt::white);
  }
  return *gDownPattern;
}

// An engraved face of the up bitmap's size for a disabled button without its
// own bitmap: button face, the up bitmap's dark pixels in white one pixel down
// and right, then in button shadow at their place.
QImage Engraved(const QImage& up) {
  const QImage src = up.convertToFormat(QImage::Format_ARGB32);
  QImage out(up.size(), QImage::Format_ARGB32);
  out.fill(Q(platform::clBtnFace));
  auto dark = [&](int x, int y) {
    const QRgb c = src.pixel(x, y);
    return qAlpha(c) > 0 && qGray(c) < 128;
  };
  for (int y = 0; y + 1 < out.height(); ++y)
    for (int x = 0; x + 1 < out.width(); ++x)
      if (dark(x, y)) out.setPixel(x + 1, y + 1, Q(kBmp.disabledLight).rgb());
  for (int y = 0; y < out.height(); ++y)
    for (int x = 0; x < out.width(); ++x)
      if (dark(x, y)) out.setPixel(x, y, Q(kBmp.shadow).rgb());
  return out;
}

// The mnemonic character of "&x" in a caption, lower-cased; null for none.
QChar AcceleratorOf(const QString& caption) {
  for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != QLatin1Char('&')) continue;
    if (caption[i + 1] != QLatin1Char('&')) return caption[i + 1].toLower();
    ++i;
  }
  return {};
}
}  // namespace

// ---- TUxButtonBitmaps ------------------------------------------------------

TUxButtonBitmaps::TUxButtonBitmaps(QObject* parent) : QObject(parent), FTransparentColor(Q(kBmp.transparent)) {}

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

TUxBmpButton::TUxBmpButton(QWidget* parent) : QWidget(parent), FFontColor(Q(kBmp.font)), FColor(Q(kBmp.face)) {
  ++gButtonCount;
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_Hover, true);
  FBitmaps.OnChange = [this](QObject*) {
    if (FButtonSize == bszButtonToBitmap) ApplySizeRule();
    update();
  };
  resize(80, 30);
}

TUxBmpButton::~TUxBmpButton() {
  if (--gButtonCount == 0) {
    delete gDownPattern;
    gDownPattern = nullptr;
  }
}

const QImage* TUxBmpButton::DownPattern() { return gDownPattern; }

int TUxBmpButton::Tag() const { return uxdraw::ControlTag(this); }
void TUxBmpButton::SetTag(int v) { uxdraw::SetControlTag(this, v); }

void TUxBmpButton::SetCaption(const QString& v) {
  if (v == FCaption) return;
  FCaption = v;
  UpdateAccelerator();
  update();
}

void TUxBmpButton::UpdateAccelerator() {
  if (FAccelerator) releaseShortcut(FAccelerator);
  FAccelerator = 0;
  const QChar key = AcceleratorOf(FCaption);
  if (!key.isNull()) FAccelerator = grabShortcut(QKeySequence(QStringLiteral("Alt+") + key));
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
  FState = v ? bsExclusive : bsUp;
  update();
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

void TUxBmpButton::SetShowDownPattern(bool v) {
  if (v == FShowDownPattern) return;
  FShowDownPattern = v;
  update();
}

void TUxBmpButton::SetButtonSize(TBtnSize v) {
  if (v == FButtonSize) return;
  FButtonSize = v;
  ApplySizeRule();
  update();
}

void TUxBmpButton::SetButtonBorder(TButtonBorder v) {
  if (v == FButtonBorder) return;
  FButtonBorder = v;
  ApplySizeRule();
  update();
}

void TUxBmpButton::SetButtonStyle(TButtonStyle v) {
  if (v == FButtonStyle) return;
  FButtonStyle = v;
  ApplySizeRule();
  update();
}

void TUxBmpButton::SetLayout(TButtonLayout v) {
  if (v == FLayout) return;
  FLayout = v;
  update();
}

void TUxBmpButton::SetMargin(int v) {
  if (v == FMargin || v < -1) return;
  FMargin = v;
  update();
}

void TUxBmpButton::SetSpacing(int v) {
  if (v == FSpacing) return;
  FSpacing = v;
  update();
}

void TUxBmpButton::Click() {
  // The dialog is closed only after OnClick: a handler may still read it.
  const QPointer<platform::Form> form = dynamic_cast<platform::Form*>(window());
  const int result = FModalResult;
  if (OnClick) OnClick(this);
  if (form && form->IsModal() && result != 0) form->SetModalResult(result);
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

int TUxBmpButton::BorderWidth() const {
  switch (FButtonBorder) {
    case bbSingle: return 1;
    case bbButton: return NewStyle() ? 2 : 3;
    default: return 0;
  }
}

void TUxBmpButton::ApplySizeRule() {
  if (FButtonSize == bszNeither || FBitmaps.Up().isNull()) return;
  if (FButtonSize == bszButtonToBitmap) {
    const int b = BorderWidth();
    const QSize want = FBitmaps.Up().size() + QSize(2 * b, 2 * b);
    if (size() != want) resize(want);
  }
  update();
}

// ---- painting --------------------------------------------------------------

QImage TUxBmpButton::FaceBitmap() const {
  const TUxButtonBitmaps& b = FBitmaps;
  if (b.Up().isNull()) return FState == bsDisabled ? b.Disabled() : QImage();
  switch (FState) {
    case bsDisabled: return b.Disabled().isNull() ? Engraved(b.Up()) : b.Disabled();
    case bsDown: return b.Down().isNull() ? b.Up() : b.Down();
    case bsExclusive: return !b.StayDown().isNull() ? b.StayDown() : !b.Down().isNull() ? b.Down() : b.Up();
    default:
      if (FMouseOverButton && !b.Hot().isNull()) return b.Hot();
      if (!hasFocus()) return b.Up();
      if (FShowFocus && !b.UpAndFocused().isNull()) return b.UpAndFocused();
      return b.Up();
  }
}

// The client area inside the border.
QRect TUxBmpButton::FaceRect() const {
  const int inset = FButtonBorder == bbNone ? 0 : 1;
  return rect().adjusted(inset, inset, -inset, -inset);
}

void TUxBmpButton::GetLayout(QRect& glyph, QRect& text) const { LayoutIn(FaceRect(), FaceBitmap(), glyph, text); }

void TUxBmpButton::LayoutIn(const QRect& r, const QImage& face, QRect& glyph, QRect& text) const {
  // All halvings truncate toward zero, as C++ division does.
  const QPoint client(r.width(), r.height());
  const QPoint glyphSize = FButtonSize == bszNeither && !face.isNull() ? QPoint(face.width(), face.height()) : QPoint();
  QPoint textSize;
  if (!FCaption.isEmpty()) {
    const QRect m = fontMetrics().boundingRect(QRect(0, 0, client.x(), 0), Qt::TextShowMnemonic, FCaption);
    textSize = QPoint(m.width(), m.height());
  }
  const bool across = FLayout == blGlyphLeft || FLayout == blGlyphRight;
  QPoint glyphPos, textPos;
  // Centred on the other axis.
  auto other = [&](QPoint& pos, const QPoint& size) {
    if (across) pos.setY(client.y() / 2 - size.y() / 2);
    else pos.setX(client.x() / 2 - size.x() / 2);
  };
  other(glyphPos, glyphSize);
  other(textPos, textSize);
  auto axis = [&](const QPoint& p) { return across ? p.x() : p.y(); };
  const int cs = axis(client), gs = axis(glyphSize), ts = axis(textSize);
  int spacing = FSpacing, margin = FMargin;
  if (textSize.x() == 0 || glyphSize.x() == 0) spacing = 0;
  if (margin == -1) {
    if (spacing == -1) {
      margin = (cs - (gs + ts)) / 3;
      spacing = margin;
    } else {
      margin = cs / 2 - (gs + spacing + ts) / 2;
    }
  } else if (spacing == -1) {
    spacing = (cs - margin - gs) / 2 - ts / 2;
  }
  switch (FLayout) {
    case blGlyphLeft: glyphPos.setX(margin); textPos.setX(margin + gs + spacing); break;
    case blGlyphRight: glyphPos.setX(cs - margin - gs); textPos.setX(glyphPos.x() - spacing - ts); break;
    case blGlyphTop: glyphPos.setY(margin); textPos.setY(margin + gs + spacing); break;
    case blGlyphBottom: glyphPos.setY(cs - margin - gs); textPos.setY(glyphPos.y() - spacing - ts); break;
  }
  text = QRect(r.topLeft() + textPos, QSize(textSize.x(), textSize.y()));
  glyph = glyphSize.x() > 0 && glyphSize.y() > 0 ? QRect(r.topLeft() + glyphPos, QSize(glyphSize.x(), glyphSize.y()))
                                                  : QRect();
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
  Canvas c(p);
  QRect r = rect();
  drawBorder(c, r);
  if (FState == bsExclusive) drawDownPattern(c, r);
  const QImage face = FaceBitmap();
  QRect glyph, text;
  LayoutIn(r, face, glyph, text);
  if (!face.isNull()) drawFace(c, glyph.isEmpty() ? r : glyph, face);
  if (!FCaption.isEmpty()) {
    drawCaption(c, text);
    if (hasFocus() && FShowFocus) drawFocus(c, text);
  }
}

void TUxBmpButton::drawBorder(Canvas& c, QRect& r) {
  // bbNone: Qt has painted the parent under the button already.
  if (FButtonBorder == bbNone) return;
  const TRect whole = FromQRect(r);
  c.Brush.Color = FromQColor(FColor);
  c.FillRect(whole);
  if (FButtonBorder == bbSingle) {
    uxdraw::DrawFlatOutline(c, whole, platform::clBlack);
  } else {
    TRect face = whole;
    if (hasFocus() && FShowFocus) face = uxdraw::DrawFlatOutline(c, face, platform::clBlack);
    if (!NewStyle()) {
      // Old style: a black outline with rounded corners around the bevel.
      face = uxdraw::DrawRoundedOutline(c, face, platform::clBlack, uxdraw::AllSides);
      face = {face.Left - 1, face.Top - 1, face.Right + 1, face.Bottom + 1};
    }
    const bool sunken = FState == bsDown || FState == bsExclusive;
    uxdraw::DrawTintedPushFrame(c, face, FromQColor(FColor), sunken);
  }
  r.adjust(1, 1, -1, -1);
}

void TUxBmpButton::drawDownPattern(Canvas& c, const QRect& r) {
  if (!FShowDownPattern) return;
  const QImage& pattern = DownPatternImage();
  if (FButtonBorder == bbNone) return;
  const int bevel = NewStyle() ? 1 : 2;
  const int pull = NewStyle() ? 2 : 1;
  const QRect fill = r.adjusted(-bevel, -bevel, bevel - pull, bevel - pull);
  c.Painter().fillRect(fill, QBrush(pattern));
}

void TUxBmpButton::drawFace(Canvas& c, const QRect& r, const QImage& face) {
  const TColor key = FromQColor(FBitmaps.TransparentColor());
  const TRect dest = FromQRect(r);
  const TRect whole{0, 0, face.width(), face.height()};
  switch (FButtonSize) {
    case bszNeither: uxdraw::DrawBitmapRectTransparent(c, face, dest, key, whole); break;
    case bszButtonToBitmap: uxdraw::StretchBitmapRectTransparent(c, face, dest, whole, key); break;
    case bszStretchToButton: uxdraw::StretchBitmapTransparent(c, face, dest, key); break;
    case bszTileToButton: uxdraw::TileBitmapTransparent(c, face, dest, key); break;
  }
}

void TUxBmpButton::drawCaption(Canvas& c, const QRect& text) {
  QPainter& p = c.Painter();
  p.save();
  p.setFont(font());
  const int flags = Qt::AlignCenter | Qt::TextSingleLine | Qt::TextShowMnemonic | Qt::TextDontClip;
  if (FState == bsDisabled) {
    p.setPen(Q(kBmp.disabledLight));
    p.drawText(text.translated(1, 1), flags, FCaption);
    p.setPen(Q(kBmp.disabledText));
    p.drawText(text, flags, FCaption);
  } else {
    const int d = FState == bsDown || FState == bsExclusive ? FCaptionDownOffset : 0;
    p.setPen(FFontColor);
    p.drawText(text.translated(d, d), flags, FCaption);
  }
  p.restore();
}

void TUxBmpButton::drawFocus(Canvas& c, const QRect& text) {
  QPainter& p = c.Painter();
  p.save();
  p.setPen(QPen(Qt::black, 1, Qt::DotLine));
  p.setBrush(Qt::NoBrush);
  p.drawRect(text.adjusted(-2, -2, 1, 1));
  p.restore();
}

// ---- input -----------------------------------------------------------------

bool TUxBmpButton::event(QEvent* e) {
  if (e->type() == QEvent::Shortcut && static_cast<QShortcutEvent*>(e)->shortcutId() == FAccelerator) {
    if (isEnabled()) Click();
    return true;
  }
  return QWidget::event(e);
}

void TUxBmpButton::mousePressEvent(QMouseEvent* e) {
  const QPoint pt = e->position().toPoint();
  if (OnMouseDown) OnMouseDown(this, e->button(), e->modifiers(), pt.x(), pt.y());
  if (!isEnabled()) return;
  if (!hasFocus() && isVisible()) setFocus(Qt::MouseFocusReason);
  // Qt gives no focus to a window that is not active; the press counts anyway.
  if (e->button() != Qt::LeftButton) return;
  if (!FDown) {
    FState = bsDown;
    repaint();
  }
  FDragging = true;
}

void TUxBmpButton::mouseDoubleClickEvent(QMouseEvent* e) {
  mousePressEvent(e);
  if (FDown && OnDblClick) OnDblClick(this);
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
    if (!FDown) {
      FState = bsDown;
      repaint();
    }
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
  if (!FBitmaps.Hot().isNull()) update();
  if (OnMouseEnter) OnMouseEnter(this);
  QWidget::enterEvent(e);
}

void TUxBmpButton::leaveEvent(QEvent* e) {
  FMouseOverButton = false;
  if (!FBitmaps.Hot().isNull()) update();
  if (OnMouseLeave) OnMouseLeave(this);
  QWidget::leaveEvent(e);
}

void TUxBmpButton::changeEvent(QEvent* e) {
  if (e->type() == QEvent::EnabledChange || e->type() == QEvent::FontChange ||
      e->type() == QEvent::PaletteChange)
    update();
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
