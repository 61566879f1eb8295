#include "controls/wLed.h"

#include <QPainter>
#include <QPainterPath>
#include <QResizeEvent>

#include "controls/UxDraw.h"

using platform::Canvas;
using platform::TColor;
using platform::TRect;

namespace {

TColor ToTColor(const QColor& c) { return platform::FromQColor(c); }
QColor ToColor(TColor c) { return platform::ToQColor(platform::ColorToRGB(c)); }

}  // namespace

TwLed::TwLed(QWidget* parent) : TwCustomComponent(parent) { resize(20, 20); }

int TwLed::Tag() const { return uxdraw::ControlTag(this); }
void TwLed::SetTag(int v) { uxdraw::SetControlTag(this, v); }

void TwLed::SetActive(bool v) {
  if (v == FActive) return;
  bool canEdit = true;
  if (OnRequestEdit) OnRequestEdit(this, QStringLiteral("Active"), canEdit);
  if (!canEdit) return;
  FActive = v;
  BackGroundChange();
  if (OnChangeProtected) OnChangeProtected(this, QStringLiteral("Active"));
  if (OnChange) OnChange(this);
}

void TwLed::SetActiveNoEvent(bool v) {
  platform::Handler keep = std::move(OnChange);
  OnChange = nullptr;
  struct Restore {
    platform::Handler& slot;
    platform::Handler& kept;
    ~Restore() { slot = std::move(kept); }
  } restore{OnChange, keep};
  SetActive(v);
}

QColor TwLed::ActiveColor() const { return ToColor(FActiveColor); }
void TwLed::SetActiveColor(const QColor& v) { SetActiveColor(ToTColor(v)); }
QColor TwLed::InactiveColor() const { return ToColor(FInactiveColor); }
void TwLed::SetInactiveColor(const QColor& v) { SetInactiveColor(ToTColor(v)); }

void TwLed::SetBevelStyle(TwBevelStyle v) {
  if (v == FBevelStyle) return;
  FBevelStyle = v;
  BackGroundChange();
}

TColor TwLed::LampTColor() const {
  if (FActive) return FActiveColor;
  return FAutoInactiveColor ? ScaleColor(FActiveColor, 3) : FInactiveColor;
}

QColor TwLed::LampColor() const { return ToColor(LampTColor()); }

// ---- TwLedRound -------------------------------------------------------------

void TwLedRound::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  if (!IsLoading()) {
    if (AWidth != width())
      AHeight = AWidth;
    else if (AHeight != height())
      AWidth = AHeight;
  }
  TwCustomComponent::SetBounds(ALeft, ATop, AWidth, AHeight);
}

void TwLedRound::resizeEvent(QResizeEvent* e) {
  // Resizes that bypass SetBounds (setGeometry, resize, layouts) keep the rule.
  const QSize s = e->size(), o = e->oldSize();
  if (!IsLoading() && s.width() != s.height()) {
    const int side = o.isValid() && s.width() == o.width() ? s.height() : s.width();
    resize(side, side);
    return;
  }
  TwLed::resizeEvent(e);
}

void TwLedRound::DoPaint(Canvas& Canvas) {
  DrawBackGround(Canvas, BackGroundColor());
  TRect r{0, 0, width(), height()};
  DrawBezel(Canvas, r);
  DrawLamp(Canvas, r);
  DrawReflection(Canvas, r);
}

void TwLedRound::DrawBezel(Canvas& Canvas, TRect& R) {
  if (BevelStyle() == ibsNone) return;
  const TColor light = Lighten32(platform::clBtnFace), dark = Darken64(platform::clBtnFace);
  QPainter& p = Canvas.Painter();
  p.save();
  // A clip path is laid out over the device only; an elliptic region would
  // hold a span for every row of the whole LED, however large.
  QPainterPath disk;
  disk.addEllipse(QRectF(platform::ToQRect(R)));
  p.setClipPath(disk, Qt::IntersectClip);
  if (BevelStyle() == ibsRaised)
    FillGradient(Canvas, R, ifdTopLeftBottomRight, light, dark);
  else
    FillGradient(Canvas, R, ifdTopLeftBottomRight, dark, light);
  p.restore();
  R = TRect{2, 2, width() - 3, height() - 3};
}

void TwLedRound::DrawLamp(Canvas& Canvas, const TRect& R) {
  const TColor c = LampTColor();
  Canvas.Pen = platform::TPen{c, 1, platform::psSolid};
  Canvas.Brush = platform::TBrush{c, platform::bsSolid};
  Canvas.Ellipse(R);
}

void TwLedRound::DrawReflection(Canvas& Canvas, const TRect& R) {
  if (!ShowReflection()) return;
  Canvas.Pen = platform::TPen{platform::clWhite, 1, platform::psSolid};
  const int q = width() / 4;
  for (int inset : {q, q + 1}) {
    const TRect a{R.Left + inset, R.Top + inset, R.Right - inset, R.Bottom - inset};
    const int cx = (a.Left + a.Right) / 2, cy = (a.Top + a.Bottom) / 2;
    // Counter-clockwise from the top to the left: the upper-left quarter.
    Canvas.Arc(a.Left, a.Top, a.Right, a.Bottom, cx, a.Top, a.Left, cy);
  }
}

// ---- TwLedRectangle ---------------------------------------------------------

TwLedRectangle::TwLedRectangle(QWidget* parent) : TwLed(parent) {}

QColor TwLedRectangle::CenterLabelFontActiveColor() const { return ToColor(FCenterLabelFontActiveColor); }
void TwLedRectangle::SetCenterLabelFontActiveColor(const QColor& v) {
  SetColorProperty(ToTColor(v), FCenterLabelFontActiveColor, 1);
}
QColor TwLedRectangle::CenterLabelFontInactiveColor() const { return ToColor(FCenterLabelFontInactiveColor); }
void TwLedRectangle::SetCenterLabelFontInactiveColor(const QColor& v) {
  SetColorProperty(ToTColor(v), FCenterLabelFontInactiveColor, 1);
}

void TwLedRectangle::SetCenterLabelFont(const platform::TFont& v) {
  if (v == FCenterLabelFont) return;
  FCenterLabelFont = v;
  BackGroundChange();
}

void TwLedRectangle::SetCenterLabelAlignment(TwAlignmentHorizontal v) {
  if (v == FCenterLabelAlignment) return;
  FCenterLabelAlignment = v;
  BackGroundChange();
}

void TwLedRectangle::DoPaint(Canvas& Canvas) {
  const TRect r{0, 0, width(), height()};
  DrawLamp(Canvas, r);
  DrawLabel(Canvas, r);
}

void TwLedRectangle::DrawLamp(Canvas& Canvas, const TRect& R) {
  Canvas.Brush = platform::TBrush{LampTColor(), platform::bsSolid};
  Canvas.FillRect(R);
  if (BevelStyle() == ibsRaised)
    DrawBorder3D(Canvas, R, 1);
  else if (BevelStyle() == ibsLowered)
    DrawBorder3D(Canvas, R, 0);
  if (ShowReflection()) {
    Canvas.Pen = platform::TPen{platform::clWhite, 1, platform::psSolid};
    Canvas.MoveTo(3, 3);
    Canvas.LineTo(5, 3);
  }
}

void TwLedRectangle::DrawLabel(Canvas& Canvas, const TRect& R) {
  if (FCenterLabelText.trimmed().isEmpty()) return;
  Canvas.Brush.Style = platform::bsClear;
  Canvas.BkMode = platform::bkTransparent;
  Canvas.Font = FCenterLabelFont;
  Canvas.Font.Color = Active() ? FCenterLabelFontActiveColor : FCenterLabelFontInactiveColor;
  TwTextFlags flags = itfVCenter | itfNoClip;
  if (FCenterLabelWordWrap) flags |= itfWordBreak;
  flags |= FCenterLabelAlignment == iahLeft ? itfLeft : FCenterLabelAlignment == iahRight ? itfRight : itfCenter;
  const TRect box{R.Left + FCenterLabelEndsMargin + 2, R.Top + 2, R.Right - FCenterLabelEndsMargin - 2,
                  R.Bottom - 2};
  TRect measured = box;
  const int h = DrawTextFlags(Canvas, FCenterLabelText, measured, BackGroundColor(), true, flags | itfCalcRect);
  const int cy = GetCenterPoint().Y;
  TRect text{box.Left, cy - h / 2, box.Right, cy + h / 2};
  DrawTextFlags(Canvas, FCenterLabelText, text, BackGroundColor(), true, flags);
}
