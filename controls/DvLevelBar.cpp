#include "controls/DvLevelBar.h"

#include <QResizeEvent>

#include <algorithm>
#include <climits>
#include <utility>

using platform::Canvas;
using platform::TRect;

namespace {
struct LevelBarDefaults {
  QColor background = platform::ToQColor(platform::clBlack);
  QColor low2 = platform::ToQColor(platform::clOlive), high2 = platform::ToQColor(platform::clYellow);
  QColor low3 = platform::ToQColor(platform::clMaroon), high3 = platform::ToQColor(platform::clRed);
  platform::TColor bevelInnerColor = platform::clBlack;
  int bevelInnerWidth = 2;
  QSize size{20, 170};
};
const LevelBarDefaults& Defaults() {
  static const LevelBarDefaults d;
  return d;
}
}  // namespace

TDvLevelBar::TDvLevelBar(QWidget* parent) : TDvGraphicImageControl(parent) {
  const LevelBarDefaults& d = Defaults();
  SetColor(d.background);
  FPalette2.SetLow(d.low2);
  FPalette2.SetHigh(d.high2);
  FPalette3.SetLow(d.low3);
  FPalette3.SetHigh(d.high3);
  FBevel.SetInnerStyle(TDvBevelStyle::bsLowered);
  FBevel.SetInnerWidth(d.bevelInnerWidth);
  FBevel.SetInnerColor(d.bevelInnerColor);
  FBevelInset = BevelInset();
  for (TDvPalette* p : {&FPalette1, &FPalette2, &FPalette3}) p->OnChange = [this](QObject*) { PaletteChanged(); };
  FBevel.OnChange = [this](QObject*) { BevelChanged(); };
  SetBounds(x(), y(), d.size.width(), d.size.height());
}

// ---- setters ----

void TDvLevelBar::SetPosition(int v) {
  v = std::clamp(v, FMinValue, FMaxValue);
  if (v == FPosition) return;
  FPosition = v;
  UpdateControl();
  Change();
}

void TDvLevelBar::Change() {
  if (OnChange) OnChange(this);
  if (FPosition == FMinValue && OnMinValue) OnMinValue(this);
  if (FPosition == FMaxValue && OnMaxValue) OnMaxValue(this);
}

void TDvLevelBar::SetMinValue(int v) {
  if (v == FMinValue || v >= FMaxValue) return;
  FMinValue = v;
  if (FPosition < v)
    SetPosition(v);
  else
    UpdateControl();
}

void TDvLevelBar::SetMaxValue(int v) {
  if (v == FMaxValue || v <= FMinValue) return;
  FMaxValue = v;
  if (FPosition > v)
    SetPosition(v);
  else
    UpdateControl();
}

void TDvLevelBar::SetPercent1(int v) {
  if (!IsLoading() && v + FPercent2 > 100) v = 100 - FPercent2;
  FPercent1 = v;
  UpdateControl();
}

void TDvLevelBar::SetPercent2(int v) {
  if (FPercent1 + v > 100) return;
  FPercent2 = v;
  UpdateControl();
}

void TDvLevelBar::SetOrientation(TDvOrientation v) {
  if (v == FOrientation) return;
  FOrientation = v;
  if (!IsLoading()) SetBounds(x(), y(), height(), width());
  UpdateControl();
}

void TDvLevelBar::SetSpacing(int v) {
  if (v == FSpacing) return;
  FSpacing = v;
  Snap();
  UpdateControl();
}

void TDvLevelBar::SetTickHeight(int v) {
  if (v <= 0 || v == FTickHeight) return;
  FTickHeight = v;
  Snap();
  UpdateControl();
}

void TDvLevelBar::SetStyle(TDvLevelStyle v) {
  if (v == FStyle) return;
  FStyle = v;
  UpdateControl();
}

void TDvLevelBar::PaletteChanged() { UpdateControl(); }

void TDvLevelBar::BevelChanged() {
  const int inset = BevelInset();
  if (!IsLoading() && inset != FBevelInset) {
    // The view port keeps its size inside the new bevel.
    const int grow = 2 * (inset - FBevelInset);
    FBevelInset = inset;
    SetBounds(x(), y(), std::max(0, width() + grow), std::max(0, height() + grow));
  }
  FBevelInset = inset;
  UpdateControl();
}

// ---- geometry ----

int TDvLevelBar::BevelInset() const { return FBevel.GetVisibleArea(TRect{0, 0, 0, 0}).Left; }

QSize TDvLevelBar::SnappedSize(QSize s) const {
  const int inset = BevelInset();
  // In 64 bits: a tick height and spacing near the int limits must not wrap.
  const long long step = (long long)FTickHeight + FSpacing;
  const bool vertical = FOrientation == voVertical;
  const int length = vertical ? s.height() : s.width();
  const long long ticks = step > 0 ? std::max(0LL, (length - 2LL * inset + FSpacing) / step) : 0;
  const int snapped = int(std::clamp(2LL * inset + ticks * step - FSpacing, 0LL, (long long)INT_MAX));
  if (vertical)
    s.setHeight(snapped);
  else
    s.setWidth(snapped);
  return s;
}

void TDvLevelBar::Snap() {
  if (IsLoading()) return;
  const QSize s = SnappedSize(size());
  if (s != size()) resize(s);
}

void TDvLevelBar::SetBounds(int left, int top, int width, int height) {
  const QSize s = IsLoading() ? QSize(width, height) : SnappedSize(QSize(width, height));
  TDvGraphicImageControl::SetBounds(left, top, s.width(), s.height());
}

void TDvLevelBar::resizeEvent(QResizeEvent* e) {
  TDvGraphicImageControl::resizeEvent(e);
  Snap();
}

TRect TDvLevelBar::ViewPort() const { return FBevel.GetVisibleArea(TRect{0, 0, width(), height()}); }

int TDvLevelBar::TickCount() const {
  const TRect vp = ViewPort();
  const long long step = (long long)FTickHeight + FSpacing;
  const int length = FOrientation == voVertical ? vp.Height() : vp.Width();
  return step > 0 ? int(std::clamp((length + (long long)FSpacing) / step, 0LL, (long long)std::max(length, 0))) : 0;
}

TRect TDvLevelBar::TickRect(int i) const {
  const TRect vp = ViewPort();
  const long long along = i * ((long long)FTickHeight + FSpacing);
  // Ends held in int: a tick past the control is cut to just beyond it.
  auto fit = [](long long v) { return int(std::clamp(v, -(1LL << 30), 1LL << 30)); };
  if (FOrientation == voVertical) {
    const long long top = FStyle == psBottomLeft ? vp.Bottom - (long long)FTickHeight - along : vp.Top + along;
    return TRect{vp.Left, fit(top), vp.Right, fit(top + FTickHeight)};
  }
  const long long left = FStyle == psBottomLeft ? vp.Left + along : vp.Right - (long long)FTickHeight - along;
  return TRect{fit(left), vp.Top, fit(left + FTickHeight), vp.Bottom};
}

int TDvLevelBar::GetFilledPercent() const {
  // The range may span the whole int range: its width needs 64 bits.
  const long long part = (long long)FPosition - FMinValue, total = (long long)FMaxValue - FMinValue;
  return total == 0 ? 0 : int(part * 100 / total);
}

int TDvLevelBar::LitCount() const { return dvdraw::PercentOf(GetFilledPercent(), TickCount()); }

int TDvLevelBar::ZoneOf(int tick) const {
  const int ticks = TickCount();
  const int z1 = dvdraw::PercentOf(FPercent1, ticks);
  const int z12 = z1 + dvdraw::PercentOf(FPercent2, ticks);
  return tick < z1 ? 1 : tick < z12 ? 2 : 3;
}

// ---- painting ----

void TDvLevelBar::Paint(Canvas& c) {
  ClearBitmapCanvas(c);
  FBevel.Paint(c, TRect{0, 0, width(), height()});
  PaintTicks(c);
}

void TDvLevelBar::PaintTicks(Canvas& c) {
  const int ticks = TickCount();
  const int lit = LitCount();
  const TDvPalette* palettes[] = {&FPalette1, &FPalette2, &FPalette3};
  c.Brush.Style = platform::bsSolid;
  // Only the ticks that cross the clip: tick i starts i steps from one end.
  int first = 0, last = ticks - 1;
  const TRect clip = c.ClipRect();
  const long long step = (long long)FTickHeight + FSpacing;
  if (ticks > 0 && step > 0) {
    const TRect t0 = TickRect(0);
    const bool vertical = FOrientation == voVertical;
    const bool forward = vertical ? FStyle != psBottomLeft : FStyle == psBottomLeft;
    const long long start = vertical ? t0.Top : t0.Left;
    const long long lo = vertical ? clip.Top : clip.Left, hi = vertical ? clip.Bottom : clip.Right;
    // Tick i covers start ± i * step .. + FTickHeight.
    long long from = forward ? (lo - start - FTickHeight) / step : (start - hi) / step;
    long long to = forward ? (hi - start) / step : (start + FTickHeight - lo) / step;
    first = int(std::clamp(from - 1, 0LL, (long long)ticks));
    last = int(std::clamp(to + 1, -1LL, (long long)ticks - 1));
  }
  for (int i = first; i <= last; ++i) {
    const TDvPalette* palette = palettes[ZoneOf(i) - 1];
    c.Brush.Color = platform::FromQColor(i < lit ? palette->High() : palette->Low());
    c.FillRect(TickRect(i));
  }
}
