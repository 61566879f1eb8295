#include "controls/DvControl.h"

#include "platform/Form.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>

#include <array>
#include <cmath>

using platform::Canvas;
using platform::TColor;
using platform::TPoint;
using platform::TRect;
using platform::TSize;

namespace {
QColor Sys(TColor c) { return platform::ToQColor(c); }
TColor Gdi(const QColor& c) { return platform::FromQColor(c); }

struct DvDefaults {
  QColor paletteLow = Sys(platform::clGreen);
  QColor paletteHigh = Sys(platform::clLime);
  QColor highlight = Sys(platform::clBtnHighlight);
  QColor shadow = Sys(platform::clBtnShadow);
  QColor face = Sys(platform::clBtnFace);
};
const DvDefaults& Defaults() {
  static const DvDefaults d;
  return d;
}

// Paints the exposed part of a control into bitmap (held at that part's size,
// drawing in the control's coordinates) and shows it: a control far larger
// than the screen costs what shows, not its whole area.
template <typename F>
void PaintExposed(QWidget* control, const QRect& exposed, QImage::Format format, QImage& bitmap, F paint) {
  const QRect area = exposed & control->rect();
  if (area.isEmpty()) return;
  if (bitmap.size() != area.size() || bitmap.format() != format) bitmap = QImage(area.size(), format);
  {
    QPainter onto(&bitmap);
    onto.translate(-area.topLeft());
    if (area != control->rect()) onto.setClipRect(area);
    Canvas c(onto);
    paint(c);
  }
  QPainter p(control);
  p.drawImage(area.topLeft(), bitmap);
}
}  // namespace

// ---- persistent objects ----------------------------------------------------

void TDvPersistent::EndUpdate() {
  if (FUpdateCount > 0) --FUpdateCount;
  Changed();
}

void TDvPersistent::Changed() {
  if (FUpdateCount > 0) return;
  if (OnChange) OnChange(this);
}

TDvPalette::TDvPalette(QObject* parent)
    : TDvPersistent(parent), FLow(Defaults().paletteLow), FHigh(Defaults().paletteHigh) {}

void TDvPalette::SetLow(const QColor& v) {
  if (v == FLow) return;
  FLow = v;
  Changed();
}

void TDvPalette::SetHigh(const QColor& v) {
  if (v == FHigh) return;
  FHigh = v;
  Changed();
}

void TDvPalette::Assign(const TDvPalette* s) {
  if (!s || s == this) return;
  BeginUpdate();
  SetLow(s->FLow);
  SetHigh(s->FHigh);
  EndUpdate();
}

TDvFont3D::TDvFont3D(QObject* parent)
    : TDvPersistent(parent), FHighlightColor(Defaults().highlight), FShadowColor(Defaults().shadow) {}

void TDvFont3D::SetStyle(TDvFont3DStyle v) {
  if (v == FStyle) return;
  FStyle = v;
  Changed();
}

void TDvFont3D::SetHighlightColor(const QColor& v) {
  if (v == FHighlightColor) return;
  FHighlightColor = v;
  Changed();
}

void TDvFont3D::SetShadowColor(const QColor& v) {
  if (v == FShadowColor) return;
  FShadowColor = v;
  Changed();
}

void TDvFont3D::SetHighlightDepth(int v) {
  if (v == FHighlightDepth) return;
  FHighlightDepth = v;
  Changed();
}

void TDvFont3D::SetShadowDepth(int v) {
  if (v == FShadowDepth) return;
  FShadowDepth = v;
  Changed();
}

void TDvFont3D::Assign(const TDvFont3D* s) {
  if (!s || s == this) return;
  BeginUpdate();
  SetStyle(s->FStyle);
  SetHighlightColor(s->FHighlightColor);
  SetShadowColor(s->FShadowColor);
  SetHighlightDepth(s->FHighlightDepth);
  SetShadowDepth(s->FShadowDepth);
  EndUpdate();
}

void TDvFont3D::Paint(Canvas& c, const TRect& r, unsigned format, const QString& text) const {
  const TColor fontColour = c.Font.Color;
  const platform::TBrushStyle brush = c.Brush.Style;
  c.Brush.Style = platform::bsClear;
  auto at = [&](int dx, int dy, TColor colour) {
    TRect moved = r.Offset(dx, dy);
    c.Font.Color = colour;
    c.DrawText(text, moved, format);
  };
  switch (FStyle) {
    case f3dRaised:
      at(FShadowDepth, FShadowDepth, Gdi(FShadowColor));
      at(-FHighlightDepth, -FHighlightDepth, Gdi(FHighlightColor));
      break;
    case f3dSunken:
      at(FHighlightDepth, FHighlightDepth, Gdi(FHighlightColor));
      at(-FShadowDepth, -FShadowDepth, Gdi(FShadowColor));
      break;
    case f3dShadow:
      at(FShadowDepth, FShadowDepth, Gdi(FShadowColor));
      break;
    case f3dNone:
      break;
  }
  at(0, 0, fontColour);
  c.Font.Color = fontColour;
  c.Brush.Style = brush;
}

void TDvBevel::Assign(const TDvBevel* s) {
  if (!s || s == this) return;
  BeginUpdate();
  SetBorderWidth(s->FBorderWidth);
  SetBorderColor(s->FBorderColor);
  SetInnerShadow(s->FInnerShadow);
  SetInnerHighlight(s->FInnerHighlight);
  SetInnerWidth(s->FInnerWidth);
  SetInnerStyle(s->FInnerStyle);
  SetInnerOutline(s->FInnerOutline);
  SetInnerSpace(s->FInnerSpace);
  SetInnerColor(s->FInnerColor);
  SetOuterShadow(s->FOuterShadow);
  SetOuterHighlight(s->FOuterHighlight);
  SetOuterWidth(s->FOuterWidth);
  SetOuterStyle(s->FOuterStyle);
  SetOuterOutline(s->FOuterOutline);
  SetOuterSpace(s->FOuterSpace);
  SetOuterColor(s->FOuterColor);
  SetVisible(s->FVisible);
  EndUpdate();
}

void TDvBevel::Paint(Canvas& c, const TRect& r) const {
  if (!FVisible) return;
  TRect q = r;
  auto bands = [&](TColor topLeft, int count, TColor bottomRight) {
    dvdraw::DrawBevelFrame(c, q, Sys(topLeft), count, Sys(bottomRight));
  };
  auto part = [&](TDvBevelOutline outline, TDvBevelStyle style, int width, TColor shadow, TColor highlight,
                  int space, TColor spaceColor) {
    if (outline == osOuter) bands(platform::clBlack, 1, platform::clBlack);
    if (style == TDvBevelStyle::bsLowered) bands(shadow, width, highlight);
    if (style == TDvBevelStyle::bsRaised) bands(highlight, width, shadow);
    if (outline == osInner) bands(platform::clBlack, 1, platform::clBlack);
    bands(spaceColor, space, spaceColor);
  };
  bands(FBorderColor, FBorderWidth, FBorderColor);
  part(FOuterOutline, FOuterStyle, FOuterWidth, FOuterShadow, FOuterHighlight, FOuterSpace, FOuterColor);
  part(FInnerOutline, FInnerStyle, FInnerWidth, FInnerShadow, FInnerHighlight, FInnerSpace, FInnerColor);
}

TRect TDvBevel::GetVisibleArea(const TRect& r) const {
  if (!FVisible) return r;
  const int inset = (FOuterOutline != osNone ? 1 : 0) + (FInnerOutline != osNone ? 1 : 0) + FBorderWidth +
                    FInnerSpace + FOuterSpace + (FInnerStyle != TDvBevelStyle::bsNone ? FInnerWidth : 0) +
                    (FOuterStyle != TDvBevelStyle::bsNone ? FOuterWidth : 0);
  return r.Inflated(-inset, -inset);
}

// ---- drawing routines ------------------------------------------------------

namespace dvdraw {

int PercentOf(int percent, int total) { return static_cast<int>(std::trunc(total * percent * 0.01)); }

int PercentDone(int part, int total) {
  if (total == 0) return 0;
  return static_cast<int>(static_cast<long long>(part) * 100 / total);
}

void DrawBevelFrame(Canvas& c, TRect& r, const QColor& topLeft, int count, const QColor& bottomRight) {
  const platform::TPen pen = c.Pen;
  c.Pen.Width = 1;
  c.Pen.Style = platform::psSolid;
  // Lines end one pixel short of their end point, so the frame's right and
  // bottom edge sit on Right - 1 and Bottom - 1.
  TRect f{r.Left, r.Top, r.Right - 1, r.Bottom - 1};
  for (int k = 0; k < count; ++k) {
    c.Pen.Color = Gdi(topLeft);
    const std::array<TPoint, 3> first{TPoint{f.Left, f.Bottom}, TPoint{f.Left, f.Top}, TPoint{f.Right, f.Top}};
    c.Polyline(first);
    c.Pen.Color = Gdi(bottomRight);
    const std::array<TPoint, 3> second{TPoint{f.Right, f.Top}, TPoint{f.Right, f.Bottom},
                                       TPoint{f.Left - 1, f.Bottom}};
    c.Polyline(second);
    f = f.Inflated(-1, -1);
  }
  c.Pen = pen;
  if (count > 0) r = r.Inflated(-count, -count);
}

void DrawButtonText(Canvas& c, const QString& text, const TRect& r, bool enabled) {
  const platform::TBrushStyle brush = c.Brush.Style;
  const TColor colour = c.Font.Color;
  c.Brush.Style = platform::bsClear;
  constexpr unsigned kFormat = platform::DT_CENTER | platform::DT_VCENTER | platform::DT_SINGLELINE;
  if (enabled) {
    TRect t = r;
    c.DrawText(text, t, kFormat);
  } else {
    TRect t = r.Offset(1, 1);
    c.Font.Color = platform::clBtnHighlight;
    c.DrawText(text, t, kFormat);
    t = r;
    c.Font.Color = platform::clBtnShadow;
    c.DrawText(text, t, kFormat);
  }
  c.Font.Color = colour;
  c.Brush.Style = brush;
}

void TileBitmap(Canvas& c, const TRect& r, const QImage& bitmap) {
  if (bitmap.isNull() || bitmap.width() <= 0 || bitmap.height() <= 0) return;
  for (int y = r.Top; y < r.Bottom; y += bitmap.height())
    for (int x = r.Left; x < r.Right; x += bitmap.width()) c.Draw(x, y, bitmap);
}

TImageTextPlace CalcImageTextLayout(Canvas& c, const QString& caption, const TRect& area, TPoint offset, TSize image,
                                    int spacing, int margin, TDvImageLayout layout) {
  const TSize client{area.Width(), area.Height()};
  const TSize text = caption.isEmpty() ? TSize{0, 0} : c.TextExtent(caption);
  TPoint img, txt;
  const bool horizontal = layout == ImageLeft || layout == ImageRight;
  if (horizontal) {
    img.Y = (client.cy - image.cy + 1) / 2;
    txt.Y = (client.cy - text.cy + 1) / 2;
  } else {
    img.X = (client.cx - image.cx + 1) / 2;
    txt.X = (client.cx - text.cx + 1) / 2;
  }
  if (text.cx == 0 || image.cx == 0) spacing = 0;

  // Everything runs along one axis: x for left/right, y for top/bottom.
  const int room = horizontal ? client.cx : client.cy;
  const int imageLen = horizontal ? image.cx : image.cy;
  const int textLen = horizontal ? text.cx : text.cy;
  if (margin == -1) {
    if (spacing == -1) {
      margin = (room - imageLen - textLen) / 3;
      spacing = margin;
    } else {
      margin = (room - imageLen - spacing - textLen + 1) / 2;
    }
  } else if (spacing == -1) {
    spacing = (room - margin - imageLen - textLen) / 2;
  }

  int imagePos = 0, textPos = 0;
  switch (layout) {
    case ImageLeft:
    case ImageTop:
      imagePos = margin;
      textPos = imagePos + imageLen + spacing;
      break;
    case ImageRight:
    case ImageBottom:
      imagePos = room - margin - imageLen;
      textPos = imagePos - spacing - textLen;
      break;
  }
  if (horizontal) {
    img.X = imagePos;
    txt.X = textPos;
  } else {
    img.Y = imagePos;
    txt.Y = textPos;
  }

  const int dx = area.Left + offset.X, dy = area.Top + offset.Y;
  TImageTextPlace place;
  place.Image = {img.X + dx, img.Y + dy};
  place.Caption = platform::Bounds(txt.X + dx, txt.Y + dy, text.cx, text.cy);
  return place;
}

}  // namespace dvdraw

// ---- TDvCustomControl ------------------------------------------------------

TDvCustomControl::TDvCustomControl(QWidget* parent) : QWidget(parent), FColor(Defaults().face) {
  setFocusPolicy(Qt::NoFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void TDvCustomControl::SetCaption(const QString& v) {
  if (v == FCaption) return;
  FCaption = v;
  TextChanged();
  UpdateControl();
}

void TDvCustomControl::SetColor(const QColor& v) {
  if (v == FColor) return;
  FColor = v;
  UpdateControl();
}

void TDvCustomControl::SetFont(const platform::TFont& v) {
  if (v == FFont) return;
  FFont = v;
  FontChanged();
  UpdateControl();
}

void TDvCustomControl::SetTabStop(bool v) {
  if (v == FTabStop) return;
  FTabStop = v;
  setFocusPolicy(v ? Qt::StrongFocus : Qt::NoFocus);
}

int TDvCustomControl::Tag() const { return platform::Tag(this); }
void TDvCustomControl::SetTag(int v) { platform::SetTag(this, v); }

void TDvCustomControl::EndUpdate() {
  if (FUpdateCount > 0) --FUpdateCount;
  UpdateControl();
}

void TDvCustomControl::UpdateControl() {
  if (FUpdateCount > 0) return;
  update();
}

void TDvCustomControl::MouseEnter() {
  if (OnMouseEnter) OnMouseEnter(this);
}
void TDvCustomControl::MouseLeave() {
  if (OnMouseLeave) OnMouseLeave(this);
}
void TDvCustomControl::FontChanged() {
  if (OnFontChanged) OnFontChanged(this);
}
void TDvCustomControl::TextChanged() {
  if (OnTextChanged) OnTextChanged(this);
}

void TDvCustomControl::enterEvent(QEnterEvent*) { MouseEnter(); }
void TDvCustomControl::leaveEvent(QEvent*) { MouseLeave(); }

void TDvCustomControl::changeEvent(QEvent* e) {
  if (e->type() == QEvent::EnabledChange) UpdateControl();
  QWidget::changeEvent(e);
}

// ---- TDvCustomImageControl -------------------------------------------------

TDvCustomImageControl::TDvCustomImageControl(QWidget* parent) : TDvCustomControl(parent) {}

void TDvCustomImageControl::ClearBitmapCanvas(Canvas& c) {
  c.Brush.Color = Gdi(Color());
  c.Brush.Style = platform::bsSolid;
  c.FillRect({0, 0, width(), height()});
}

void TDvCustomImageControl::paintEvent(QPaintEvent* e) {
  PaintExposed(this, e->rect(), QImage::Format_RGB32, FBitmap, [this](Canvas& c) {
    c.Font = Font();
    Paint(c);
  });
}

// ---- TDvGraphicControl -----------------------------------------------------

TDvGraphicControl::TDvGraphicControl(QWidget* parent) : QWidget(parent), FColor(Defaults().face) {
  setFocusPolicy(Qt::NoFocus);
}

void TDvGraphicControl::SetCaption(const QString& v) {
  if (v == FCaption) return;
  FCaption = v;
  TextChanged();
  UpdateControl();
}

void TDvGraphicControl::SetColor(const QColor& v) {
  if (v == FColor) return;
  FColor = v;
  UpdateControl();
}

void TDvGraphicControl::SetFont(const platform::TFont& v) {
  if (v == FFont) return;
  FFont = v;
  FontChanged();
  UpdateControl();
}

int TDvGraphicControl::Tag() const { return platform::Tag(this); }
void TDvGraphicControl::SetTag(int v) { platform::SetTag(this, v); }

void TDvGraphicControl::SetAutoSize(bool v) {
  if (v == FAutoSize) return;
  FAutoSize = v;
  AutoSizeBounds();
}

void TDvGraphicControl::SetBounds(int left, int top, int width, int height) {
  setGeometry(left, top, width, height);
}

void TDvGraphicControl::EndUpdate() {
  if (FUpdateCount > 0) --FUpdateCount;
  UpdateControl();
}

void TDvGraphicControl::UpdateControl() {
  if (IsLoading() || FUpdateCount > 0) return;
  update();
}

void TDvGraphicControl::AutoSizeBounds() {
  if (FAutoSize && FAlign >= alNone && FAlign <= alRight)
    RefreshBounds();
  else
    UpdateControl();
}

void TDvGraphicControl::RefreshBounds() {
  if (IsLoading()) return;
  const QRect before = geometry();
  SetBounds(x(), y(), width(), height());
  if (geometry() != before) update();
}

void TDvGraphicControl::MouseEnter() {
  if (OnMouseEnter) OnMouseEnter(this);
}
void TDvGraphicControl::MouseLeave() {
  if (OnMouseLeave) OnMouseLeave(this);
}
void TDvGraphicControl::FontChanged() {
  if (OnFontChanged) OnFontChanged(this);
}
void TDvGraphicControl::TextChanged() {
  if (OnTextChanged) OnTextChanged(this);
}

void TDvGraphicControl::enterEvent(QEnterEvent*) { MouseEnter(); }
void TDvGraphicControl::leaveEvent(QEvent*) { MouseLeave(); }

void TDvGraphicControl::changeEvent(QEvent* e) {
  if (e->type() == QEvent::EnabledChange) UpdateControl();
  QWidget::changeEvent(e);
}

// ---- TDvGraphicImageControl ------------------------------------------------

TDvGraphicImageControl::TDvGraphicImageControl(QWidget* parent) : TDvGraphicControl(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void TDvGraphicImageControl::SetTransparent(bool v) {
  if (v == FTransparent) return;
  FTransparent = v;
  // Qt paints the parent beneath a control that is not opaque.
  setAttribute(Qt::WA_OpaquePaintEvent, !v);
  UpdateControl();
}

void TDvGraphicImageControl::ClearBitmapCanvas(Canvas& c) {
  if (FTransparent) {
    QPainter& p = c.Painter();
    const QPainter::CompositionMode mode = p.compositionMode();
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.fillRect(QRect(0, 0, width(), height()), Qt::transparent);
    p.setCompositionMode(mode);
    return;
  }
  c.Brush.Color = Gdi(Color());
  c.Brush.Style = platform::bsSolid;
  c.FillRect({0, 0, width(), height()});
}

void TDvGraphicImageControl::paintEvent(QPaintEvent* e) {
  const QImage::Format format = FTransparent ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32;
  PaintExposed(this, e->rect(), format, FBitmap, [this](Canvas& c) {
    c.Font = Font();
    Paint(c);
  });
}
