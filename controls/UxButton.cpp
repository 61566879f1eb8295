#include "controls/UxButton.h"

#include "platform/Form.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QShortcutEvent>

using platform::Canvas;
using platform::FromQColor;
using platform::TColor;
using platform::TRect;

namespace {
QColor Q(TColor c) { return platform::ToQColor(platform::ColorToRGB(c)); }

struct ButtonDefaults {
  TColor face = platform::clBtnFace;
  TColor font = platform::clBtnText;
  TColor windowFrame = platform::clWindowFrame;
  TColor frame = platform::cl3DDkShadow;
  TColor highlight = platform::clHighlight;
  TColor hotTrack = platform::RGB(240, 155, 20);
  TColor textHighlight = platform::clBtnHighlight;
  TColor textShadow = platform::clBtnShadow;
  TColor grayText = platform::clGrayText;
  TColor darkGrayText = platform::cl3DDkShadow;
  TColor pattern = platform::clSilver;
  TColor patternOnSilver = platform::clGray;
  TColor white = platform::clWhite;
};
const ButtonDefaults kButton;

QChar AcceleratorOf(const QString& caption) {
  for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != QLatin1Char('&')) continue;
    if (caption[i + 1] != QLatin1Char('&')) return caption[i + 1].toLower();
    ++i;
  }
  return {};
}
}  // namespace

TUxButton::TUxButton(QWidget* parent)
    : QWidget(parent),
      FColor(Q(kButton.face)),
      FFontColor(Q(kButton.font)),
      FHotTrackColor(Q(kButton.hotTrack)),
      FHighlightColor(Q(kButton.highlight)),
      FTextHighlightColor(Q(kButton.textHighlight)),
      FTextShadowColor(Q(kButton.textShadow)),
      FFrameColor(Q(kButton.frame)) {
  setFocusPolicy(Qt::StrongFocus);
  resize(75, 25);
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { FocusMoved(now); });
}

int TUxButton::Tag() const { return uxdraw::ControlTag(this); }
void TUxButton::SetTag(int v) { uxdraw::SetControlTag(this, v); }

// ---- setters -------------------------------------------------------------------

#define UX_REPAINT_SETTER(Name, Type, Field) \
  void TUxButton::Set##Name(Type v) {        \
    if (v == Field) return;                  \
    Field = v;                               \
    update();                                \
  }

UX_REPAINT_SETTER(Color, const QColor&, FColor)
UX_REPAINT_SETTER(ThemeAware, bool, FThemeAware)
UX_REPAINT_SETTER(FontColor, const QColor&, FFontColor)
UX_REPAINT_SETTER(Alignment, TAlignment, FAlignment)
UX_REPAINT_SETTER(AlignmentVertical, uxdraw::TAlignmentVertical, FAlignmentVertical)
UX_REPAINT_SETTER(FrameColor, const QColor&, FFrameColor)
UX_REPAINT_SETTER(ShowDownPattern, bool, FShowDownPattern)
UX_REPAINT_SETTER(ShowFocusRect, bool, FShowFocusRect)
UX_REPAINT_SETTER(HighlightColor, const QColor&, FHighlightColor)
UX_REPAINT_SETTER(HotTrack, bool, FHotTrack)
UX_REPAINT_SETTER(HotTrackColor, const QColor&, FHotTrackColor)
UX_REPAINT_SETTER(HotTrackColorType, uxdraw::TUxHotTrackColorType, FHotTrackColorType)
UX_REPAINT_SETTER(LightTextStyle, bool, FLightTextStyle)
UX_REPAINT_SETTER(TextStyle, uxdraw::TTextStyle, FTextStyle)
UX_REPAINT_SETTER(TextHighlightColor, const QColor&, FTextHighlightColor)
UX_REPAINT_SETTER(TextShadowColor, const QColor&, FTextShadowColor)
UX_REPAINT_SETTER(TextShadowDepth, int, FTextShadowDepth)

#undef UX_REPAINT_SETTER

void TUxButton::SetCaption(const QString& v) {
  if (v == FCaption) return;
  FCaption = v;
  UpdateAccelerator();
  repaint();
}

void TUxButton::UpdateAccelerator() {
  if (FAccelerator) releaseShortcut(FAccelerator);
  FAccelerator = 0;
  const QChar key = AcceleratorOf(FCaption);
  if (!key.isNull()) FAccelerator = grabShortcut(QKeySequence(QStringLiteral("Alt+") + key));
}

void TUxButton::SetDefault(bool v) {
  if (v == FDefault) return;
  FDefault = v;
  WatchWindow();
  // The rule again for the window's current focus.
  QWidget* focus = window() ? window()->focusWidget() : nullptr;
  FocusMoved(focus && focus->hasFocus() ? focus : nullptr);
}

void TUxButton::SetCancel(bool v) {
  if (v == FCancel) return;
  FCancel = v;
  WatchWindow();
}

void TUxButton::WatchWindow() {
  QWidget* target = (FDefault || FCancel) && window() != this ? window() : nullptr;
  if (target == FWatchedWindow) return;
  if (FWatchedWindow) FWatchedWindow->removeEventFilter(this);
  FWatchedWindow = target;
  if (target) target->installEventFilter(this);
}

bool TUxButton::TakesDialogKey(const QKeyEvent* e) const {
  if (e->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)) return false;
  const bool enter = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
  if (!(enter ? FActive : e->key() == Qt::Key_Escape && FCancel)) return false;
  return isVisible() && isEnabled() && focusPolicy() != Qt::NoFocus;
}

bool TUxButton::eventFilter(QObject* watched, QEvent* e) {
  // A key event reaches the window itself only when the focused control
  // and its parents left it unused.
  if (watched != FWatchedWindow || e->type() != QEvent::KeyPress) return QWidget::eventFilter(watched, e);
  auto* key = static_cast<QKeyEvent*>(e);
  if (!TakesDialogKey(key)) return false;
  for (TUxButton* b : FWatchedWindow->findChildren<TUxButton*>())
    if (b->TakesDialogKey(key)) {
      if (b != this) return false;  // that button's own filter takes it
      break;
    }
  KeyClick(key->key() != Qt::Key_Escape);
  return true;
}

void TUxButton::KeyClick(bool enter) {
  FKeyWasPressed = enter && !FDropDownOnEnter;
  const QPointer<TUxButton> self = this;
  Click();
  if (self) FKeyWasPressed = false;
}

void TUxButton::SetActive(bool v) {
  if (v == FActive) return;
  FActive = v;
  update();
}

void TUxButton::FocusMoved(QWidget* now) {
  if (now && now->window() != window()) return;
  const bool onButton = qobject_cast<TUxButton*>(now) || qobject_cast<QPushButton*>(now);
  SetActive(onButton ? now == this : FDefault);
}

// ---- groups --------------------------------------------------------------------

void TUxButton::SetGroupIndex(int v) {
  if (v == FGroupIndex) return;
  FGroupIndex = v;
  AnnounceGroup();
  update();
}

void TUxButton::SetAllowAllUp(bool v) {
  if (v == FAllowAllUp) return;
  FAllowAllUp = v;
  AnnounceGroup();
}

void TUxButton::SetDown(bool v) {
  if (FGroupIndex == 0) v = false;
  if (v == FDown) return;
  if (FDown && !FAllowAllUp) return;  // a radio group keeps one button down
  FDown = v;
  update();
  if (v) AnnounceGroup();
}

void TUxButton::AnnounceGroup() {
  if (FGroupIndex == 0 || !parentWidget()) return;
  for (QObject* o : parentWidget()->children()) {
    auto* b = qobject_cast<TUxButton*>(o);
    if (b && b != this && b->FGroupIndex == FGroupIndex) b->GroupAnnounced(this);
  }
}

void TUxButton::GroupAnnounced(TUxButton* sender) {
  if (sender->FDown && FDown) {
    FDown = false;
    update();
  }
  FAllowAllUp = sender->FAllowAllUp;
}

// ---- clicking ------------------------------------------------------------------

void TUxButton::Click() {
  // The dialog is closed only after OnClick: a handler may still read it.
  const QPointer<platform::Form> form = dynamic_cast<platform::Form*>(window());
  const int result = FModalResult;
  if (OnClick) OnClick(this);
  if (form && form->IsModal() && result != 0) form->SetModalResult(result);
}

void TUxButton::DoClick() {
  if (Grouped()) SetDown(!FDown);
  else RepaintButton();
  const QPointer<TUxButton> self = this;
  FClicking = true;
  Click();
  if (self) FClicking = false;
}

bool TUxButton::event(QEvent* e) {
  if (e->type() == QEvent::Shortcut && static_cast<QShortcutEvent*>(e)->shortcutId() == FAccelerator) {
    if (isEnabled() && isVisible()) Click();
    return true;
  }
  if (e->type() == QEvent::ParentChange) WatchWindow();
  return QWidget::event(e);
}

void TUxButton::mousePressEvent(QMouseEvent* e) {
  QWidget::mousePressEvent(e);
  if (e->button() != Qt::LeftButton || !isEnabled()) return;
  setFocus(Qt::MouseFocusReason);
  // A window that is not active takes the focus later; the press counts.
  if (window()->focusWidget() != this) return;
  FDragging = true;
  FShowDownVersion = true;
  RepaintButton();
}

void TUxButton::mouseMoveEvent(QMouseEvent* e) {
  QWidget::mouseMoveEvent(e);
  if (!FDragging) return;
  const bool inside = rect().contains(e->position().toPoint());
  if (inside == FShowDownVersion) return;
  FShowDownVersion = inside;
  RepaintButton();
}

void TUxButton::mouseReleaseEvent(QMouseEvent* e) {
  QWidget::mouseReleaseEvent(e);
  if (!FDragging || e->button() != Qt::LeftButton) return;
  FDragging = false;
  FShowDownVersion = false;
  const QPointer<TUxButton> self = this;
  if (rect().contains(e->position().toPoint())) DoClick();
  if (self) RepaintButton();
}

void TUxButton::keyPressEvent(QKeyEvent* e) {
  const bool plain = !(e->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier));
  if (e->key() == Qt::Key_Space && !(e->modifiers() & Qt::AltModifier)) {
    if (!e->isAutoRepeat()) {
      FKeyToggle = true;
      FShowDownVersion = true;
      RepaintButton();
    }
    return;
  }
  // The key reached the button, so it holds the focus and is the active default.
  const bool enter = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
  if (plain && isEnabled() && (enter || (e->key() == Qt::Key_Escape && FCancel))) {
    KeyClick(enter);
    return;
  }
  QWidget::keyPressEvent(e);
}

void TUxButton::keyReleaseEvent(QKeyEvent* e) {
  if (e->key() != Qt::Key_Space || e->isAutoRepeat()) return QWidget::keyReleaseEvent(e);
  FShowDownVersion = false;
  const QPointer<TUxButton> self = this;
  if (FKeyToggle) {
    FKeyToggle = false;
    DoClick();
  }
  if (self) RepaintButton();
}

void TUxButton::focusInEvent(QFocusEvent* e) {
  FKeyToggle = false;
  update();
  QWidget::focusInEvent(e);
}

void TUxButton::focusOutEvent(QFocusEvent* e) {
  FKeyToggle = false;
  FShowDownVersion = false;
  update();
  QWidget::focusOutEvent(e);
}

void TUxButton::enterEvent(QEnterEvent* e) {
  FMouseOverButton = true;
  if (FHotTrack) update();
  QWidget::enterEvent(e);
}

void TUxButton::leaveEvent(QEvent* e) {
  FMouseOverButton = false;
  if (FHotTrack) update();
  QWidget::leaveEvent(e);
}

void TUxButton::changeEvent(QEvent* e) {
  if (e->type() == QEvent::EnabledChange || e->type() == QEvent::FontChange) update();
  QWidget::changeEvent(e);
}

// ---- painting ------------------------------------------------------------------

bool TUxButton::FaceIsBtnFace() const { return FromQColor(FColor) == platform::ColorToRGB(kButton.face); }

QRect TUxButton::FocusRect() const {
  QRect r = rect().adjusted(4, 4, -4, -4);
  if (FHotTrack) r = rect().adjusted(3, 3, -3, -3);
  if (Grouped() && (FShowDownVersion || FDown)) r.translate(1, 1);
  return r;
}

QRect TUxButton::GetCaptionRect() const {
  QRect r = rect().adjusted(5, 5, -5, -5);
  if (!FHotTrack && (FShowDownVersion || (Grouped() && FDown))) r.translate(1, 1);
  return r;
}

QImage TUxButton::CreateDownPattern() const {
  const TColor face = FromQColor(FColor);
  const TColor dots = face == kButton.pattern ? kButton.patternOnSilver : kButton.pattern;
  QImage pattern(8, 8, QImage::Format_RGB32);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) pattern.setPixelColor(x, y, (x % 2) == (y % 2) ? Q(dots) : FColor);
  return pattern;
}

void TUxButton::paintEvent(QPaintEvent*) {
  QPainter p(this);
  {
    Canvas c(p);
    TRect r = platform::FromQRect(rect());
    if (FHotTrack) {
      drawHotTrackFace(c, r);
    } else {
      drawFocusRing(c, r);
      drawFace(c, r);
      if (Grouped() && FDown && FShowDownPattern) drawDownPattern(c, r);
    }
  }
  PaintCaption(p);
  Canvas c(p);
  drawFocusOutline(c);
}

void TUxButton::drawFocusRing(Canvas& c, TRect& r) {
  if (Grouped()) return;
  if (((FActive || hasFocus()) && !FShowDownVersion) || FClicking)
    r = uxdraw::DrawFrameSides(c, r, kButton.windowFrame, uxdraw::AllSides, kButton.windowFrame);
}

void TUxButton::drawFace(Canvas& c, TRect& r) {
  const TColor face = FromQColor(FColor);
  const bool lowered = FShowDownVersion || FDown;
  if (FaceIsBtnFace()) {
    if (Grouped()) r = uxdraw::DrawStyledFrame(c, r, lowered ? fsLowered : fsButtonUp);
    else r = uxdraw::DrawPushFrame(c, r, FShowDownVersion);
  } else if (!Grouped()) {
    r = uxdraw::DrawTintedPushFrame(c, r, face, FShowDownVersion);
  } else if (lowered) {
    r = uxdraw::DrawTintedFrame(c, r, face, fsLowered);
  } else {
    r = uxdraw::DrawTintedPushFrame(c, r, face, false);
  }
  c.Brush.Color = face;
  c.Brush.Style = platform::bsSolid;
  c.FillRect(r);
}

void TUxButton::drawDownPattern(Canvas& c, const TRect& r) {
  const QImage pattern = CreateDownPattern();
  c.Painter().fillRect(platform::ToQRect(r), QBrush(pattern));
}

// The hot-tracked look, in outline: rounded rings from the parent's colour and
// FrameColor, a gradient face, a hot ring while the mouse is over it.
void TUxButton::drawHotTrackFace(Canvas& c, TRect& r) {
  const QWidget* parent = parentWidget();
  const TColor parentColor =
      parent ? FromQColor(parent->palette().color(parent->backgroundRole())) : platform::ColorToRGB(kButton.face);
  const TColor face = FromQColor(FColor);
  r = uxdraw::DrawRoundedOutline(c, r, uxdraw::DarkerColor(parentColor, 20), uxdraw::AllSides);
  if (!isEnabled()) {
    c.Brush.Color = face;
    c.FillRect(r);
    return;
  }
  r = uxdraw::DrawFrameSides(c, r, FromQColor(FFrameColor), uxdraw::AllSides, FromQColor(FFrameColor));
  if (FShowDownVersion) {
    c.Brush.Color = uxdraw::DarkerColor(face, 10);
    c.FillRect(r);
    return;
  }
  if (uxdraw::HasFullColorDisplay())
    uxdraw::DrawGradientRect(c, r, uxdraw::gdHorizontalEnd, uxdraw::DarkerColor(face, 10), uxdraw::LighterColor(face, 30),
                             1);
  else {
    c.Brush.Color = face;
    c.FillRect(r);
  }
  const TColor hot = FromQColor(FHotTrackColor);
  if (FMouseOverButton) {
    if (FHotTrackColorType == uxdraw::htctActual)
      uxdraw::DrawGradientRing(c, r, uxdraw::gdHorizontalEnd, uxdraw::BlendColors(hot, kButton.white, 190), hot);
    else {
      const TColor complement = uxdraw::ComplementColor(hot, 180);
      uxdraw::DrawGradientRing(c, r, uxdraw::gdHorizontalEnd, complement, uxdraw::DarkerColor(complement, 30));
    }
  } else if (FActive) {
    TColor highlight = FromQColor(FHighlightColor);
    if (uxdraw::ColorsSimilar(highlight, kButton.face)) highlight = uxdraw::DarkerColor(highlight, 30);
    const TColor light = uxdraw::LighterColor(face, 30);
    uxdraw::DrawGradientRing(c, r, uxdraw::gdHorizontalEnd, uxdraw::BlendColors(highlight, light, 160),
                             uxdraw::BlendColors(highlight, light, 60));
  }
}

void TUxButton::PaintCaption(QPainter& p) {
  p.save();
  p.setFont(font());
  const bool rtl = layoutDirection() == Qt::RightToLeft;
  TAlignment a = FAlignment;
  if (rtl && a != taCenter) a = a == taLeftJustify ? taRightJustify : taLeftJustify;
  int flags = Qt::TextWordWrap | Qt::TextExpandTabs | Qt::TextShowMnemonic;
  flags |= a == taLeftJustify ? Qt::AlignLeft : a == taRightJustify ? Qt::AlignRight : Qt::AlignHCenter;
  DrawCaption(p, GetCaptionRect(), flags);
  p.restore();
}

void TUxButton::DrawCaption(QPainter& p, const QRect& rect, int flags) {
  QRect r = rect;
  const int h = p.fontMetrics().boundingRect(r, flags, FCaption).height();
  switch (FAlignmentVertical) {
    case uxdraw::avTop: break;
    case uxdraw::avCenter: r.moveTop((r.top() + r.bottom() + 1 - h) / 2); break;
    case uxdraw::avBottom: r.moveTop(r.bottom() + 1 - h - 1); break;
  }
  r.setHeight(h);
  auto text = [&](const QColor& color, int dx, int dy) {
    p.setPen(color);
    p.drawText(r.translated(dx, dy), flags, FCaption);
  };
  if (!isEnabled()) {
    const bool similar = uxdraw::ColorsSimilar(FromQColor(FColor), kButton.grayText);
    text(Q(similar ? kButton.darkGrayText : kButton.grayText), 0, 0);
    return;
  }
  const bool right = flags & Qt::AlignRight;
  switch (FTextStyle) {
    case uxdraw::tsRaised:
      if (!FLightTextStyle) text(FTextShadowColor, 1, 1);
      text(FTextHighlightColor, -1, -1);
      break;
    case uxdraw::tsRecessed:
      text(FTextHighlightColor, 1, 1);
      if (!FLightTextStyle) text(FTextShadowColor, -1, -1);
      break;
    case uxdraw::tsShadow:
      text(FTextShadowColor, right ? 0 : FTextShadowDepth, FTextShadowDepth);
      break;
    case uxdraw::tsNormal: break;
  }
  text(FFontColor, right ? -FTextShadowDepth : 0, 0);
}

void TUxButton::drawFocusOutline(Canvas& c) {
  if (hasFocus() && FShowFocusRect) uxdraw::DrawDottedOutline(c, platform::FromQRect(FocusRect()));
}
