#include "controls/DvPowerButton.h"

#include <QEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMouseEvent>
#include <QShortcutEvent>

using platform::Canvas;
using platform::TColor;
using platform::TFont;
using platform::TRect;

namespace {
QColor Sys(TColor c) { return platform::ToQColor(c); }
TColor Gdi(const QColor& c) { return platform::FromQColor(c); }

TFont ArialBold12(TColor colour) {
  TFont f;
  f.Name = QStringLiteral("Arial");
  f.SetSize(12);
  f.Style = platform::fsBold;
  f.Color = colour;
  return f;
}

struct DvButtonDefaults {
  QColor focus = Sys(platform::clBlue);
  QColor outline = Sys(platform::clBlack);
  QColor highlight = Sys(platform::clBtnHighlight);
  QColor shadow = Sys(platform::clBtnShadow);
  QColor disabledText = Sys(platform::clInactiveCaption);
  QColor ledOutline = Sys(platform::clBlack);
  TFont fontEnter = ArialBold12(platform::clRed);
  TFont fontLeave = ArialBold12(platform::clBlack);
};
const DvButtonDefaults& Defaults() {
  static const DvButtonDefaults d;
  return d;
}

// Re-registers the caption's "&x" accelerator on the widget; returns its id.
int GrabAccelerator(QWidget* w, int previous, const QString& caption) {
  if (previous) w->releaseShortcut(previous);
  const QKeySequence key = QKeySequence::mnemonic(caption);
  return key.isEmpty() ? 0 : w->grabShortcut(key);
}

bool IsSpace(const QKeyEvent* e) { return e->key() == Qt::Key_Space && !e->isAutoRepeat(); }

template <typename T>
bool Store(T& field, const T& v) {
  if (field == v) return false;
  field = v;
  return true;
}
}  // namespace

// ---- TDvPowerButton --------------------------------------------------------

TDvPowerButton::TDvPowerButton(QWidget* parent)
    : TDvCustomImageControl(parent),
      FFocusColor(Defaults().focus),
      FOutlineColor(Defaults().outline),
      FHighlightColor(Defaults().highlight),
      FShadowColor(Defaults().shadow) {
  FPalette.OnChange = [this](QObject*) { UpdateControl(); };
  resize(125, 25);
  UpdateLayout();
}

void TDvPowerButton::SetActive(bool v) {
  if (!Store(FActive, v)) return;
  UpdateControl();
}

void TDvPowerButton::SetLedWidth(int v) {
  if (Store(FLedWidth, v)) UpdateLayout();
}
void TDvPowerButton::SetLedHeight(int v) {
  if (Store(FLedHeight, v)) UpdateLayout();
}
void TDvPowerButton::SetLayout(dvdraw::TDvImageLayout v) {
  if (Store(FLayout, v)) UpdateLayout();
}
void TDvPowerButton::SetMargin(int v) {
  if (Store(FMargin, v)) UpdateLayout();
}
void TDvPowerButton::SetSpacing(int v) {
  if (Store(FSpacing, v)) UpdateLayout();
}
void TDvPowerButton::SetFocusColor(const QColor& v) {
  if (Store(FFocusColor, v)) UpdateControl();
}
void TDvPowerButton::SetOutlineColor(const QColor& v) {
  if (Store(FOutlineColor, v)) UpdateControl();
}
void TDvPowerButton::SetHighlightColor(const QColor& v) {
  if (Store(FHighlightColor, v)) UpdateControl();
}
void TDvPowerButton::SetShadowColor(const QColor& v) {
  if (Store(FShadowColor, v)) UpdateControl();
}
// The frame widths move the area the LED and caption are placed in.
void TDvPowerButton::SetOutlineWidth(int v) {
  if (Store(FOutlineWidth, v)) UpdateLayout();
}
void TDvPowerButton::SetBevelWidth(int v) {
  if (Store(FBevelWidth, v)) UpdateLayout();
}

void TDvPowerButton::UpdateLayout() {
  Place();
  UpdateControl();
}

void TDvPowerButton::EnsureLayout() const {
  if (FLayoutSize != size()) Place();
}

platform::TRect TDvPowerButton::LedRect() const {
  EnsureLayout();
  return FLedRect;
}

platform::TRect TDvPowerButton::CaptionRect() const {
  EnsureLayout();
  return FCaptionRect;
}

void TDvPowerButton::Place() const {
  FLayoutSize = size();
  QImage scratch(1, 1, QImage::Format_RGB32);  // a canvas only to measure the caption
  Canvas c(&scratch);
  c.Font = Font();
  const int inset = FBevelWidth + FOutlineWidth;
  const TRect area = TRect{0, 0, width(), height()}.Inflated(-inset, -inset);
  const dvdraw::TImageTextPlace place = dvdraw::CalcImageTextLayout(
      c, Caption(), area, {0, 0}, {FLedWidth, FLedHeight}, FSpacing, FMargin, FLayout);
  FLedRect = platform::Bounds(place.Image.X, place.Image.Y, FLedWidth, FLedHeight);
  FCaptionRect = place.Caption;
}

void TDvPowerButton::FontChanged() {
  TDvCustomImageControl::FontChanged();
  UpdateLayout();
}

void TDvPowerButton::TextChanged() {
  TDvCustomImageControl::TextChanged();
  FAccelerator = GrabAccelerator(this, FAccelerator, Caption());
  UpdateLayout();
}

void TDvPowerButton::resizeEvent(QResizeEvent* e) {
  TDvCustomImageControl::resizeEvent(e);
  UpdateLayout();
}

// ---- painting ----

void TDvPowerButton::Paint(Canvas& c) {
  ClearBitmapCanvas(c);
  TRect r{0, 0, width(), height()};
  drawOutline(c, r);
  drawBevel(c, r);
  PaintLed(c, LedRect());
  drawCaption(c, CaptionRect());
}

void TDvPowerButton::drawOutline(Canvas& c, TRect& r) {
  const QColor colour = hasFocus() ? FFocusColor : FOutlineColor;
  dvdraw::DrawBevelFrame(c, r, colour, FOutlineWidth, colour);
}

void TDvPowerButton::drawBevel(Canvas& c, TRect& r) {
  if (FPressed) {
    r = TRect{0, 0, width(), height()};
    dvdraw::DrawBevelFrame(c, r, FOutlineColor, FOutlineWidth, FHighlightColor);
    dvdraw::DrawBevelFrame(c, r, FShadowColor, FBevelWidth, FOutlineColor);
  } else {
    dvdraw::DrawBevelFrame(c, r, FHighlightColor, FBevelWidth, FShadowColor);
  }
}

void TDvPowerButton::PaintLed(Canvas& c, const TRect& led) {
  const QColor colour = !isEnabled() ? Color() : FActive ? FPalette.High() : FPalette.Low();
  TRect r = led;
  dvdraw::DrawBevelFrame(c, r, FShadowColor, 1, FHighlightColor);
  dvdraw::DrawBevelFrame(c, r, Defaults().ledOutline, 1, Defaults().ledOutline);
  c.Brush.Style = platform::bsSolid;
  c.Brush.Color = Gdi(colour);
  c.FillRect(r);
}

void TDvPowerButton::drawCaption(Canvas& c, const TRect& r) {
  c.Font = Font();
  dvdraw::DrawButtonText(c, Caption(), r, isEnabled());
}

// ---- interaction ----

void TDvPowerButton::SetPressed(bool v) {
  if (Store(FPressed, v)) UpdateControl();
}

void TDvPowerButton::Toggle() { SetActive(!FActive); }

bool TDvPowerButton::event(QEvent* e) {
  if (e->type() == QEvent::Shortcut && isEnabled()) {
    if (static_cast<QShortcutEvent*>(e)->shortcutId() == FAccelerator) {
      if (OnClick) OnClick(this);
      return true;
    }
  }
  return TDvCustomImageControl::event(e);
}

void TDvPowerButton::mousePressEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton) return;
  FDown = true;
  FPressed = true;
  if (TabStop()) setFocus(Qt::MouseFocusReason);
  UpdateControl();
}

// A quick second click is just another click.
void TDvPowerButton::mouseDoubleClickEvent(QMouseEvent* e) { mousePressEvent(e); }

// Leaving the button disarms it and coming back re-arms it; the mouse is
// grabbed while the button is held, so the position tells.
void TDvPowerButton::mouseMoveEvent(QMouseEvent* e) {
  if (!FDown) return;
  SetPressed(rect().contains(e->position().toPoint()));
}

void TDvPowerButton::mouseReleaseEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton || !FDown) return;
  FDown = false;
  if (!rect().contains(e->position().toPoint())) FPressed = false;
  if (!FPressed) return;
  FPressed = false;
  Toggle();
  UpdateControl();
  if (OnClick) OnClick(this);
}

void TDvPowerButton::keyPressEvent(QKeyEvent* e) {
  if (!IsSpace(e)) {
    TDvCustomImageControl::keyPressEvent(e);
    return;
  }
  FSpaceDown = true;
  SetPressed(true);
}

void TDvPowerButton::keyReleaseEvent(QKeyEvent* e) {
  if (!IsSpace(e)) {
    TDvCustomImageControl::keyReleaseEvent(e);
    return;
  }
  // A release whose press went to another control is not a click.
  if (!FSpaceDown) return;
  FSpaceDown = false;
  FPressed = false;
  Toggle();
  UpdateControl();
  if (OnClick) OnClick(this);
}

void TDvPowerButton::focusInEvent(QFocusEvent* e) {
  TDvCustomImageControl::focusInEvent(e);
  UpdateControl();
}

void TDvPowerButton::focusOutEvent(QFocusEvent* e) {
  TDvCustomImageControl::focusOutEvent(e);
  FSpaceDown = false;
  SetPressed(FDown && FPressed);
  UpdateControl();
}

// ---- TDvDemoButton ---------------------------------------------------------

TDvDemoButton::TDvDemoButton(QWidget* parent)
    : TDvCustomImageControl(parent),
      FFontEnter(Defaults().fontEnter),
      FFontLeave(Defaults().fontLeave),
      FOutlineColor(Defaults().outline),
      FShadowColor(Defaults().shadow),
      FHighlightColor(Defaults().highlight),
      FDisabledTextColor(Defaults().disabledText),
      FFocusColor(Defaults().focus) {
  FFont3D.OnChange = [this](QObject*) { UpdateControl(); };
  resize(150, 25);
}

void TDvDemoButton::SetFontEnter(const TFont& v) {
  if (Store(FFontEnter, v)) UpdateControl();
}
void TDvDemoButton::SetFontLeave(const TFont& v) {
  if (Store(FFontLeave, v)) UpdateControl();
}
void TDvDemoButton::SetBitmap(const QImage& v) {
  if (v == FBitmap) return;
  FBitmap = v;
  UpdateControl();
}
void TDvDemoButton::SetOutlineColor(const QColor& v) {
  if (Store(FOutlineColor, v)) UpdateControl();
}
void TDvDemoButton::SetShadowColor(const QColor& v) {
  if (Store(FShadowColor, v)) UpdateControl();
}
void TDvDemoButton::SetHighlightColor(const QColor& v) {
  if (Store(FHighlightColor, v)) UpdateControl();
}
void TDvDemoButton::SetBevelWidth(int v) {
  if (Store(FBevelWidth, v)) UpdateControl();
}
void TDvDemoButton::SetOutlineWidth(int v) {
  if (Store(FOutlineWidth, v)) UpdateControl();
}
void TDvDemoButton::SetTextAlignment(TDvTextAlignment v) {
  if (Store(FTextAlignment, v)) UpdateControl();
}
void TDvDemoButton::SetDisabledTextColor(const QColor& v) {
  if (Store(FDisabledTextColor, v)) UpdateControl();
}
void TDvDemoButton::SetFocusColor(const QColor& v) {
  if (Store(FFocusColor, v)) UpdateControl();
}
void TDvDemoButton::SetFlat(bool v) {
  if (Store(FFlat, v)) UpdateControl();
}

unsigned TDvDemoButton::AlignmentFormat(TDvTextAlignment a) {
  using namespace platform;
  switch (a) {
    case vtaLeft: return DT_VCENTER | DT_LEFT;
    case vtaCenter: return DT_VCENTER | DT_CENTER;
    case vtaRight: return DT_VCENTER | DT_RIGHT;
    case vtaTopLeft: return DT_TOP | DT_LEFT;
    case vtaTop: return DT_CENTER;
    case vtaTopRight: return DT_RIGHT;
    case vtaBottomLeft: return DT_BOTTOM | DT_LEFT;
    case vtaBottom: return DT_BOTTOM | DT_CENTER;
    case vtaBottomRight: return DT_BOTTOM | DT_RIGHT;
  }
  return DT_VCENTER | DT_CENTER;
}

// ---- painting ----

void TDvDemoButton::Paint(Canvas& c) {
  ClearBitmapCanvas(c);
  drawBackground(c);
  TRect r{0, 0, width(), height()};
  drawOutline(c, r);
  drawBevel(c, r);
  drawCaption(c, r);
}

void TDvDemoButton::drawBackground(Canvas& c) {
  TRect r{0, 0, width(), height()};
  if (FDown) r = r.Offset(1, 1);
  dvdraw::TileBitmap(c, r, FBitmap);
}

void TDvDemoButton::drawOutline(Canvas& c, TRect& r) {
  const QColor colour = hasFocus() ? FFocusColor : FOutlineColor;
  dvdraw::DrawBevelFrame(c, r, colour, FOutlineWidth, colour);
}

void TDvDemoButton::drawBevel(Canvas& c, TRect& r) {
  if (FDown)
    dvdraw::DrawBevelFrame(c, r, FShadowColor, FBevelWidth, FHighlightColor);
  else if (!FFlat || FMouseInside)
    dvdraw::DrawBevelFrame(c, r, FHighlightColor, FBevelWidth, FShadowColor);
  else
    r = r.Inflated(-FBevelWidth, -FBevelWidth);
}

void TDvDemoButton::drawCaption(Canvas& c, const TRect& r) {
  c.Font = FMouseInside && isEnabled() ? FFontEnter : FFontLeave;
  if (!isEnabled()) c.Font.Color = Gdi(FDisabledTextColor);
  c.Brush.Style = platform::bsClear;
  const TRect t = FDown ? r.Offset(1, 1) : r;
  FFont3D.Paint(c, t, AlignmentFormat(FTextAlignment) | platform::DT_SINGLELINE, Caption());
}

// ---- interaction ----

void TDvDemoButton::TextChanged() {
  TDvCustomImageControl::TextChanged();
  FAccelerator = GrabAccelerator(this, FAccelerator, Caption());
}

void TDvDemoButton::MouseEnter() {
  FMouseInside = true;
  UpdateControl();
  TDvCustomImageControl::MouseEnter();
}

void TDvDemoButton::MouseLeave() {
  FMouseInside = false;
  UpdateControl();
  TDvCustomImageControl::MouseLeave();
}

void TDvDemoButton::Press(const QPoint& pt) {
  if (!rect().contains(pt)) return;
  FPressed = true;
  FDown = true;
  if (TabStop()) setFocus(Qt::MouseFocusReason);
  UpdateControl();
}

bool TDvDemoButton::event(QEvent* e) {
  if (e->type() == QEvent::Shortcut && isEnabled()) {
    if (static_cast<QShortcutEvent*>(e)->shortcutId() == FAccelerator) {
      if (OnClick) OnClick(this);
      return true;
    }
  }
  return TDvCustomImageControl::event(e);
}

void TDvDemoButton::mousePressEvent(QMouseEvent* e) {
  if (e->button() == Qt::LeftButton) Press(e->position().toPoint());
}

void TDvDemoButton::mouseDoubleClickEvent(QMouseEvent* e) { mousePressEvent(e); }

void TDvDemoButton::mouseMoveEvent(QMouseEvent* e) {
  if (!FPressed) return;
  if (Store(FDown, rect().contains(e->position().toPoint()))) UpdateControl();
}

void TDvDemoButton::mouseReleaseEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton) return;
  // The release point decides, whatever moves were seen before it.
  const bool click = FPressed && rect().contains(e->position().toPoint());
  FDown = false;
  FPressed = false;
  UpdateControl();
  if (click && OnClick) OnClick(this);
}

void TDvDemoButton::keyPressEvent(QKeyEvent* e) {
  if (!IsSpace(e)) {
    TDvCustomImageControl::keyPressEvent(e);
    return;
  }
  if (!FDown) Press(QPoint(0, 0));
}

void TDvDemoButton::keyReleaseEvent(QKeyEvent* e) {
  if (!IsSpace(e)) {
    TDvCustomImageControl::keyReleaseEvent(e);
    return;
  }
  const bool click = FPressed && FDown;
  FDown = false;
  FPressed = false;
  UpdateControl();
  if (click && OnClick) OnClick(this);
}

void TDvDemoButton::focusInEvent(QFocusEvent* e) {
  TDvCustomImageControl::focusInEvent(e);
  UpdateControl();
}

void TDvDemoButton::focusOutEvent(QFocusEvent* e) {
  TDvCustomImageControl::focusOutEvent(e);
  UpdateControl();
}
