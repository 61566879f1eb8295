#include "controls/wSwitchLed.h"

#include <QKeyEvent>
#include <QKeySequence>
#include <QShortcutEvent>

#include <algorithm>

#include "controls/UxDraw.h"

using platform::Canvas;
using platform::TColor;
using platform::TRect;

namespace {
// Lengths past any widget (at most 2^24 - 1 pixels) are cut there, so that
// the layout's sums of margins and sizes stay in int.
int Far(int v) { return std::clamp(v, -(1 << 24), 1 << 24); }
}  // namespace

namespace {

TColor ToTColor(const QColor& c) { return platform::FromQColor(c); }
QColor ToColor(TColor c) { return platform::ToQColor(platform::ColorToRGB(c)); }

// Re-registers the caption's "&x" accelerator (with Alt) on the widget.
int GrabAccelerator(QWidget* w, int previous, const QString& caption) {
  if (previous) w->releaseShortcut(previous);
  const QKeySequence key = QKeySequence::mnemonic(caption);
  return key.isEmpty() ? 0 : w->grabShortcut(key);
}

}  // namespace

TwSwitchLed::TwSwitchLed(QWidget* parent) : TwCustomComponent(parent) {
  setFocusPolicy(Qt::StrongFocus);
  resize(40, 28);
  FAccelerator = GrabAccelerator(this, 0, FCaption);
}

int TwSwitchLed::Tag() const { return uxdraw::ControlTag(this); }
void TwSwitchLed::SetTag(int v) { uxdraw::SetControlTag(this, v); }

// ---- state ------------------------------------------------------------------

void TwSwitchLed::SetActive(bool v) {
  if (v == FActive) return;
  bool canEdit = true;
  if (OnRequestEdit) OnRequestEdit(this, QStringLiteral("Active"), canEdit);
  if (!canEdit) return;
  FActive = v;
  InvalidateChange();
  DoChange();
  OPCOutputData(QStringLiteral("Active"), QVariant(FActive));
}

void TwSwitchLed::DoChange() {
  if (IsLoading()) return;
  if (OnChangeProtected) OnChangeProtected(this, QStringLiteral("Active"));
  if (OnChange) OnChange(this);
  if (FUserGenerated && OnChangeUser) OnChangeUser(this);
}

void TwSwitchLed::SetActiveNoEvent(bool v) {
  platform::Handler keep = std::move(OnChange);
  OnChange = nullptr;
  struct Restore {
    platform::Handler& slot;
    platform::Handler& kept;
    ~Restore() { slot = std::move(kept); }
  } restore{OnChange, keep};
  SetActive(v);
}

void TwSwitchLed::UserSetActive(bool v) {
  struct Scope {
    bool& flag;
    ~Scope() { flag = false; }
  } scope{FUserGenerated};
  FUserGenerated = true;
  SetActive(v);
}

// ---- properties -------------------------------------------------------------

QColor TwSwitchLed::ActiveColor() const { return ToColor(FActiveColor); }
void TwSwitchLed::SetActiveColor(const QColor& v) { SetActiveColor(ToTColor(v)); }
QColor TwSwitchLed::BackGroundColor() const { return ToColor(TwCustomComponent::BackGroundColor()); }
void TwSwitchLed::SetBackGroundColor(const QColor& v) { TwCustomComponent::SetBackGroundColor(ToTColor(v)); }

void TwSwitchLed::SetCaption(const QString& v) {
  if (v == FCaption) return;
  FCaption = v;
  FAccelerator = GrabAccelerator(this, FAccelerator, FCaption);
  InvalidateChange();
}

void TwSwitchLed::SetCaptionFont(const platform::TFont& v) {
  if (v == FCaptionFont) return;
  FCaptionFont = v;
  BackGroundChange();
}

void TwSwitchLed::SetCaptionAlignment(TwSwitchLedCaptionAlignment v) {
  if (v == FCaptionAlignment) return;
  FCaptionAlignment = v;
  InvalidateChange();
}

void TwSwitchLed::SetIndicatorAlignment(TwSideAlignment v) {
  if (v == FIndicatorAlignment) return;
  FIndicatorAlignment = v;
  InvalidateChange();
}

void TwSwitchLed::SetMomentaryStyle(TwSwitchMomentaryStyle v) {
  if (v == FMomentaryStyle) return;
  FMomentaryStyle = v;
  InvalidateChange();
}

void TwSwitchLed::SetGlyph(const QImage& v) {
  FGlyph = v;
  InvalidateChange();
}

// ---- layout -----------------------------------------------------------------

TRect TwSwitchLed::InnerBox() const {
  // A border wider than half the button leaves an empty box, not an overflow.
  const int c = std::min(FBorderSize - 2, std::min(width(), height()) / 2);
  return {c, c, width() - c - 1, height() - c - 1};
}

TRect TwSwitchLed::LampRect() const {
  const TRect box = InnerBox();
  const int bw = box.Right - box.Left, bh = box.Bottom - box.Top, m = Far(FIndicatorMargin);
  const bool horizontal = FIndicatorAlignment == isaBottom || FIndicatorAlignment == isaTop;
  int w = Far(FIndicatorWidth), h = Far(FIndicatorHeight);
  if (!FGlyph.isNull()) {
    w = FGlyph.width();
    h = FGlyph.height();
  } else if (FAutoLedSize) {
    if (horizontal)
      w = bw - 2 * m;
    else
      h = bh - 2 * m;
  }
  const platform::TPoint c = GetCenterPoint();
  switch (FIndicatorAlignment) {
    case isaBottom: return {c.X - w / 2, box.Bottom - m - h, c.X + w / 2, box.Bottom - m};
    case isaTop: return {c.X - w / 2, box.Top + m, c.X + w / 2, box.Top + m + h};
    case isaLeft: return {box.Left + m, c.Y - h / 2, box.Left + m + w, c.Y + h / 2};
    case isaRight: return {box.Right - m - w, c.Y - h / 2, box.Right - m, c.Y + h / 2};
  }
  return box;
}

TRect TwSwitchLed::CaptionBox(TwTextFlags& Flags) const {
  const TRect box = InnerBox(), lamp = LampRect();
  const int cm = Far(FCaptionMargin);
  const bool nearLamp = FCaptionAlignment == islcaIndicator;
  switch (FIndicatorAlignment) {
    case isaBottom:
      Flags = itfCenter | (nearLamp ? itfBottom : itfTop);
      return nearLamp ? TRect{box.Left, box.Top, box.Right, lamp.Top - cm}
                      : TRect{box.Left, box.Top + cm, box.Right, lamp.Top};
    case isaTop:
      Flags = itfCenter | (nearLamp ? itfTop : itfBottom);
      return nearLamp ? TRect{box.Left, lamp.Bottom + cm, box.Right, box.Bottom}
                      : TRect{box.Left, lamp.Bottom, box.Right, box.Bottom - cm};
    case isaLeft:
      Flags = itfVCenter | (nearLamp ? itfLeft : itfRight);
      return nearLamp ? TRect{lamp.Right + cm, box.Top, box.Right, box.Bottom}
                      : TRect{lamp.Right, box.Top, box.Right - cm, box.Bottom};
    case isaRight:
      Flags = itfVCenter | (nearLamp ? itfRight : itfLeft);
      return nearLamp ? TRect{box.Left, box.Top, lamp.Left - cm, box.Bottom}
                      : TRect{box.Left + cm, box.Top, lamp.Left, box.Bottom};
  }
  return box;
}

TRect TwSwitchLed::CaptionRect() const {
  TwTextFlags flags = 0;
  return CaptionBox(flags);
}

// ---- paint ------------------------------------------------------------------

void TwSwitchLed::DoPaint(Canvas& Canvas) {
  DrawBackGround(Canvas, TwCustomComponent::BackGroundColor());
  DrawButtonBorder(Canvas);
  DrawCaption(Canvas);
  DrawLamp(Canvas);
  if (FShowFocusRect && HasFocus()) {
    const TRect box = InnerBox();
    FillFocusRectangle(Canvas, {box.Left + 3, box.Top + 3, box.Right - 3, box.Bottom - 3},
                       TwCustomComponent::BackGroundColor());
  }
}

void TwSwitchLed::DrawButtonBorder(Canvas& Canvas) {
  const int W = width(), H = height();
  // Bands past the middle of the button draw nothing new, and a band whose
  // four lines all miss the clip draws nothing at all.
  const int bands = std::min(FBorderSize, std::min(W, H) / 2 + 1);
  const TRect clip = Canvas.ClipRect();
  auto within = [](int v, int lo, int hi) { return v >= lo - 1 && v <= hi; };
  auto shown = [&](int a) {
    return within(a, clip.Left, clip.Right) || within(W - 1 - a, clip.Left, clip.Right) ||
           within(a, clip.Top, clip.Bottom) || within(H - 1 - a, clip.Top, clip.Bottom);
  };
  Canvas.Brush.Style = platform::bsClear;
  auto topLeft = [&](int a, TColor color) {
    Canvas.Pen = platform::TPen{color, 1, platform::psSolid};
    Canvas.MoveTo(a, a);
    Canvas.LineTo(W - 1 - a, a);
    Canvas.MoveTo(a, a);
    Canvas.LineTo(a, H - 1 - a);
  };
  auto bottomRight = [&](int a, TColor color) {
    Canvas.Pen = platform::TPen{color, 1, platform::psSolid};
    Canvas.MoveTo(W - 1 - a, H - 1 - a);
    Canvas.LineTo(W - 1 - a, a - 1);
    Canvas.MoveTo(W - 1 - a, H - 1 - a);
    Canvas.LineTo(a - 1, H - 1 - a);
  };
  if (!HasFocus()) {
    topLeft(0, platform::clBtnHighlight);
    bottomRight(0, platform::clBlack);
    for (int a = 1; a < bands; ++a) {
      if (!shown(a)) continue;
      topLeft(a, FBorderHighlightColor);
      bottomRight(a, FBorderShadowColor);
    }
  } else if (Pressed()) {
    topLeft(0, platform::clBlack);
    bottomRight(0, platform::clBlack);
    topLeft(1, platform::cl3DDkShadow);
    bottomRight(1, platform::cl3DDkShadow);
    for (int a = 2; a < bands; ++a) {
      if (!shown(a)) continue;
      topLeft(a, FBorderShadowColor);
      bottomRight(a, FBorderHighlightColor);
    }
  } else {
    topLeft(0, platform::cl3DDkShadow);
    bottomRight(0, platform::clBlack);
    for (int a = 1; a < bands; ++a) {
      if (!shown(a)) continue;
      topLeft(a, FBorderHighlightColor);
      bottomRight(a, FBorderShadowColor);
    }
    bottomRight(bands, FBorderShadowColor);
  }
}

void TwSwitchLed::DrawCaption(Canvas& Canvas) {
  TwTextFlags flags = 0;
  TRect r = CaptionBox(flags);
  if (Pressed() && isEnabled()) r = {r.Left + 1, r.Top + 1, r.Right + 1, r.Bottom + 1};
  flags |= itfPrefix | itfNoClip | (FWordWrap ? itfWordBreak : itfSingleLine);
  Canvas.Font = FCaptionFont;
  Canvas.Brush.Style = platform::bsClear;
  Canvas.BkMode = platform::bkTransparent;
  DrawTextFlags(Canvas, FCaption, r, TwCustomComponent::BackGroundColor(), isEnabled(), flags);
}

void TwSwitchLed::DrawLamp(Canvas& Canvas) {
  if (!((FIndicatorHeight > 1 && FIndicatorWidth > 1) || !FGlyph.isNull())) return;
  TRect l = LampRect();
  if (Pressed()) l = {l.Left + 1, l.Top + 1, l.Right + 1, l.Bottom + 1};
  Canvas.Brush = platform::TBrush{FActive ? FActiveColor : ScaleColor(FActiveColor, 3), platform::bsSolid};
  Canvas.Pen = platform::TPen{platform::clBlack, 1, platform::psSolid};
  if (!FGlyph.isNull()) {
    Canvas.DrawTransparent(l.Left, l.Top, FGlyph, platform::AutoTransparentColor(FGlyph));
    return;
  }
  Canvas.Rectangle(l.Left, l.Top, l.Right + 1, l.Bottom + 1);
  Canvas.Pen.Color = platform::clWhite;
  Canvas.MoveTo(l.Left, l.Bottom);
  Canvas.LineTo(l.Right, l.Bottom);
  Canvas.LineTo(l.Right, l.Top - 1);
}

// ---- input ------------------------------------------------------------------

void TwSwitchLed::DoMouseDown(Qt::MouseButton Button, Qt::KeyboardModifiers, int, int) {
  if (Button != Qt::LeftButton) return;
  setFocus(Qt::MouseFocusReason);
  FMouseDown = true;
  InvalidateChange();
  if (FMomentaryStyle == ismsSimple) UserSetActive(true);
  OPCOutputData(QStringLiteral("{MouseDown}"), QVariant(true));
}

void TwSwitchLed::DoMouseUp(Qt::MouseButton, Qt::KeyboardModifiers, int X, int Y) {
  if (!FMouseDown) return;
  OPCOutputData(QStringLiteral("{MouseDown}"), QVariant(false));
  InvalidateChange();
  FMouseDown = false;
  if (FMomentaryStyle == ismsNone) {
    if (X >= 0 && Y >= 0 && X < width() && Y < height()) UserSetActive(!FActive);
  } else {
    UserSetActive(false);
  }
}

void TwSwitchLed::DoKeyDown(int& Key, Qt::KeyboardModifiers) {
  if (Key != Qt::Key_Space) return;
  FMouseDown = false;
  FKeyDown = true;
  InvalidateChange();
  Key = 0;
}

void TwSwitchLed::DoKeyUp(int& Key, Qt::KeyboardModifiers) {
  if (Key != Qt::Key_Space || !FKeyDown) return;
  InvalidateChange();
  FMouseDown = false;
  FKeyDown = false;
  UserSetActive(!FActive);
  Key = 0;
}

void TwSwitchLed::keyReleaseEvent(QKeyEvent* e) {
  // A held key repeats presses only; the toggle comes with the real release.
  if (e->isAutoRepeat()) {
    e->accept();
    return;
  }
  TwCustomComponent::keyReleaseEvent(e);
}

void TwSwitchLed::DoKillFocus() {
  if (FMouseDown) OPCOutputData(QStringLiteral("{MouseDown}"), QVariant(false));
  FMouseDown = false;
  FKeyDown = false;
  InvalidateChange();
  TwCustomComponent::DoKillFocus();
}

bool TwSwitchLed::event(QEvent* e) {
  if (e->type() == QEvent::Shortcut && isEnabled() && FAccelerator != 0 &&
      static_cast<QShortcutEvent*>(e)->shortcutId() == FAccelerator) {
    setFocus(Qt::ShortcutFocusReason);
    InvalidateChange();
    UserSetActive(!FActive);
    return true;
  }
  return TwCustomComponent::event(e);
}
