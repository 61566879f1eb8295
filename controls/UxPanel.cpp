#include "controls/UxPanel.h"

#include <QCursor>
#include <QEvent>
#include <QPainter>

#include <algorithm>

using platform::Canvas;
using platform::FromQColor;
using platform::FromQRect;
using platform::TColor;
using platform::TRect;

namespace {
QColor Q(TColor c) { return platform::ToQColor(platform::ColorToRGB(c)); }

struct PanelDefaults {
  TColor color = platform::clBtnFace;
  TColor font = platform::clWindowText;
  TColor flat = platform::clBtnShadow;
  TColor border = platform::clBtnFace;
  TColor highlight = platform::clBtnHighlight;
  TColor shadow = platform::clBtnShadow;
  TColor gradientStart = platform::clWhite;
  TColor gradientStop = platform::clBtnFace;
  TColor grid = platform::clBtnShadow;
  TColor grayText = platform::clGrayText;
};
const PanelDefaults kPanel;

// Thickness of a frame style on each side it is drawn on.
int FrameThickness(TFrameStyleEx style, int bevelWidth) {
  switch (style) {
    case fsNone: return 0;
    case fsFlat: return 1;
    case fsStatus:
    case fsPopup: return bevelWidth;
    default: return 2;
  }
}

QRect Shrunk(const QRect& r, uxdraw::TSides sides, int by) {
  return r.adjusted(sides & uxdraw::sdLeft ? by : 0, sides & uxdraw::sdTop ? by : 0,
                    sides & uxdraw::sdRight ? -by : 0, sides & uxdraw::sdBottom ? -by : 0);
}
}  // namespace

TUxCustomPanel::TUxCustomPanel(QWidget* parent)
    : QWidget(parent),
      FFontColor(Q(kPanel.font)),
      FBorderColor(Q(kPanel.border)),
      FBorderHighlight(Q(kPanel.highlight)),
      FBorderShadow(Q(kPanel.shadow)),
      FColor(Q(kPanel.color)),
      FFlatColor(Q(kPanel.flat)),
      FGradientColorStart(Q(kPanel.gradientStart)),
      FGradientColorStop(Q(kPanel.gradientStop)),
      FGridColor(Q(kPanel.grid)) {
  resize(185, 41);
  Realign();
}

TUxCustomPanel::~TUxCustomPanel() {
  if (FFrameController) FFrameController->RemoveControl(this);
}

int TUxCustomPanel::Tag() const { return uxdraw::ControlTag(this); }
void TUxCustomPanel::SetTag(int v) { uxdraw::SetControlTag(this, v); }

// Setters: store and repaint; Frame ones also realign, gradient ones also
// repaint the transparent children.
#define UX_REPAINT_SETTER(Name, Type, Field) \
  void TUxCustomPanel::Set##Name(Type v) {   \
    if (v == Field) return;                  \
    Field = v;                               \
    update();                                \
  }
#define UX_REALIGN_SETTER(Name, Type, Field) \
  void TUxCustomPanel::Set##Name(Type v) {   \
    if (v == Field) return;                  \
    Field = v;                               \
    Realign();                               \
    update();                                \
  }
#define UX_GRADIENT_SETTER(Name, Type, Field)   \
  void TUxCustomPanel::Set##Name(Type v) {      \
    if (v == Field) return;                     \
    Field = v;                                  \
    update();                                   \
    uxdraw::InvalidateTransparentChildren(this); \
  }

UX_REPAINT_SETTER(FontColor, const QColor&, FFontColor)
UX_REPAINT_SETTER(Alignment, TAlignment, FAlignment)
UX_REPAINT_SETTER(AlignmentVertical, uxdraw::TAlignmentVertical, FAlignmentVertical)
UX_REALIGN_SETTER(BorderOuter, TFrameStyleEx, FBorderOuter)
UX_REALIGN_SETTER(BorderInner, TFrameStyleEx, FBorderInner)
UX_REALIGN_SETTER(BorderSides, uxdraw::TSides, FBorderSides)
UX_REALIGN_SETTER(BorderWidth, int, FBorderWidth)
UX_REALIGN_SETTER(BevelWidth, int, FBevelWidth)
UX_REPAINT_SETTER(BorderColor, const QColor&, FBorderColor)
UX_REPAINT_SETTER(BorderHighlight, const QColor&, FBorderHighlight)
UX_REPAINT_SETTER(BorderShadow, const QColor&, FBorderShadow)
UX_REPAINT_SETTER(FlatColor, const QColor&, FFlatColor)
UX_REPAINT_SETTER(FlatColorAdjustment, int, FFlatColorAdjustment)
UX_REPAINT_SETTER(GradientColorStyle, uxdraw::TUxGradientColorStyle, FGradientColorStyle)
UX_GRADIENT_SETTER(GradientColorStart, const QColor&, FGradientColorStart)
UX_GRADIENT_SETTER(GradientColorStop, const QColor&, FGradientColorStop)
UX_GRADIENT_SETTER(GradientDirection, uxdraw::TGradientDirection, FGradientDirection)
UX_REPAINT_SETTER(GridColor, const QColor&, FGridColor)
UX_REPAINT_SETTER(GridStyle, TUxGridStyle, FGridStyle)
UX_REPAINT_SETTER(ShowGrid, bool, FShowGrid)
UX_REPAINT_SETTER(PaintClientArea, bool, FPaintClientArea)
UX_REPAINT_SETTER(TextMargin, int, FTextMargin)
UX_REPAINT_SETTER(TextMarginVertical, int, FTextMarginVertical)
UX_REPAINT_SETTER(VisualStyle, uxdraw::TUxVisualStyle, FVisualStyle)
UX_REPAINT_SETTER(WordWrap, bool, FWordWrap)

#undef UX_REPAINT_SETTER
#undef UX_REALIGN_SETTER
#undef UX_GRADIENT_SETTER

void TUxCustomPanel::SetColor(const QColor& v) {
  if (v == FColor && !FParentColor) return;
  FColor = v;
  FParentColor = false;
  update();
}

void TUxCustomPanel::SetParentColor(bool v) {
  if (v == FParentColor) return;
  FParentColor = v;
  update();
}

void TUxCustomPanel::SetFrameController(TUxFrameController* v) { LinkFrameController(this, FFrameController, v); }

// Written straight into the fields, without the setters.
void TUxCustomPanel::UpdateFromFrameController() {
  if (!FFrameController || !FFrameController->FrameVisible()) return;
  const TUxFrameController& fc = *FFrameController;
  const TUxFrameControllerNotifications n = FFrameControllerNotifications;
  if (n & FrameNotification(fcpFrameStyle)) FBorderOuter = fc.FrameStyle();
  if (n & FrameNotification(fcpFrameSides)) FBorderSides = fc.FrameSides();
  if (n & FrameNotification(fcpFrameColor)) {
    FFlatColor = Q(fc.FrameColor());
    FFlatColorAdjustment = 0;
  }
  if (n & FrameNotification(fcpColor)) FColor = Q(fc.Color());
  if (n & FrameNotification(fcpParentColor)) FParentColor = fc.ParentColor();
  if (n & FrameNotification(fcpColor)) {
    const TColor color = FromQColor(FColor);
    FBorderHighlight = Q(uxdraw::LighterColor(color, 100));
    FBorderShadow = Q(uxdraw::DarkerColor(color, 50));
  }
  Realign();
  update();
}

void TUxCustomPanel::SetCaption(const QString& v) {
  if (v == FCaption) return;
  FCaption = v;
  Realign();  // a group box's client rectangle may follow its caption
  update();
}

// The pitches are 16-bit unsigned.
void TUxCustomPanel::SetGridXSize(int v) {
  v = std::clamp(v, 0, 0xFFFF);
  if (v == FGridXSize) return;
  FGridXSize = v;
  update();
}

void TUxCustomPanel::SetGridYSize(int v) {
  v = std::clamp(v, 0, 0xFFFF);
  if (v == FGridYSize) return;
  FGridYSize = v;
  update();
}

void TUxCustomPanel::SetGridSize(int xSize, int ySize) {
  SetGridXSize(xSize);
  SetGridYSize(ySize);
}

void TUxCustomPanel::SetTransparent(bool v) {
  if (v == FTransparent) return;
  FTransparent = v;
  update();
  for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) child->update();
}

// ---- geometry ----------------------------------------------------------------

QRect TUxCustomPanel::AdjustRectForBorders(const QRect& r, bool withBorderWidth) const {
  QRect out = r;
  if (withBorderWidth) out.adjust(FBorderWidth, FBorderWidth, -FBorderWidth, -FBorderWidth);
  out = Shrunk(out, FBorderSides, FrameThickness(FBorderOuter, FBevelWidth));
  return Shrunk(out, FBorderSides, FrameThickness(FBorderInner, FBevelWidth));
}

QRect TUxCustomPanel::ClientRect() const { return AdjustRectForBorders(rect(), true); }

void TUxCustomPanel::Realign() {
  const QRect all = rect(), client = ClientRect();
  setContentsMargins(client.left() - all.left(), client.top() - all.top(), all.right() - client.right(),
                     all.bottom() - client.bottom());
}

QPoint TUxCustomPanel::GetCursorClientPos() const { return mapFromGlobal(QCursor::pos()); }

void TUxCustomPanel::GetGradientColors(QColor& start, QColor& stop) const {
  if (FGradientColorStyle == uxdraw::gcsCustom) {
    start = FGradientColorStart;
    stop = FGradientColorStop;
    return;
  }
  const uxdraw::TGradientColors c = uxdraw::GradientColorsOfStyle(FGradientColorStyle);
  start = Q(c.Start);
  stop = Q(c.Stop);
}

void TUxCustomPanel::GetFlatColor(QColor& color, int& adjustment) const {
  if (FVisualStyle == uxdraw::vsGradient && FGradientColorStyle != uxdraw::gcsCustom) {
    color = Q(uxdraw::FlatColorOfStyle(FGradientColorStyle));
    adjustment = 0;
    return;
  }
  color = FFlatColor;
  adjustment = FFlatColorAdjustment;
}

QColor TUxCustomPanel::ParentColor() const {
  const QWidget* parent = parentWidget();
  if (auto* panel = qobject_cast<const TUxCustomPanel*>(parent)) return panel->Color();
  return parent ? parent->palette().color(parent->backgroundRole()) : FColor;
}

// ---- painting ----------------------------------------------------------------

void TUxCustomPanel::paintEvent(QPaintEvent*) {
  QPainter p(this);
  Paint(p);
  if (OnPaint) OnPaint(this, p);
}

void TUxCustomPanel::Paint(QPainter& p) {
  Canvas c(p);
  QColor flat;
  int adjustment = 0;
  GetFlatColor(flat, adjustment);
  const TColor flatColor = FromQColor(flat);
  TRect r = uxdraw::DrawPanelFrame(c, FromQRect(GetControlRect()), FBorderOuter, false, FTransparent,
                                   FromQColor(ParentColor()), FromQColor(FColor), adjustment, flatColor,
                                   FromQColor(FBorderShadow), FromQColor(FBorderHighlight),
                                   FromQColor(FBorderColor), FBevelWidth, FBorderSides, FBorderWidth, FBorderInner);
  if (!FTransparent && FPaintClientArea) {
    const bool rounded = (FBorderOuter == fsFlatRounded && FBorderInner == fsNone && FBorderWidth == 0) ||
                         FBorderInner == fsFlatRounded;
    TRect fill = r;
    if (rounded) {
      if (FBorderSides & uxdraw::sdLeft) --fill.Left;
      if (FBorderSides & uxdraw::sdTop) --fill.Top;
      if (FBorderSides & uxdraw::sdRight) ++fill.Right;
      if (FBorderSides & uxdraw::sdBottom) ++fill.Bottom;
    }
    if (FVisualStyle == uxdraw::vsGradient) {
      QColor start, stop;
      GetGradientColors(start, stop);
      uxdraw::DrawGradientRect(c, fill, FGradientDirection, FromQColor(start), FromQColor(stop), 1);
    } else {
      c.Brush.Color = FromQColor(FParentColor ? ParentColor() : FColor);
      c.Brush.Style = platform::bsSolid;
      c.FillRect(fill);
    }
    if (rounded) {
      const TColor corner = uxdraw::AdjustColorLightness(flatColor, adjustment);
      auto has = [&](unsigned a, unsigned b) { return (FBorderSides & a) && (FBorderSides & b); };
      if (has(uxdraw::sdLeft, uxdraw::sdTop)) c.SetPixel(fill.Left, fill.Top, corner);
      if (has(uxdraw::sdRight, uxdraw::sdTop)) c.SetPixel(fill.Right - 1, fill.Top, corner);
      if (has(uxdraw::sdRight, uxdraw::sdBottom)) c.SetPixel(fill.Right - 1, fill.Bottom - 1, corner);
      if (has(uxdraw::sdLeft, uxdraw::sdBottom)) c.SetPixel(fill.Left, fill.Bottom - 1, corner);
    }
  }
  const QRect inside = platform::ToQRect(r);
  if (FShowGrid) DrawGrid(c, inside);
  DrawCaptionText(c, inside);
}

void TUxCustomPanel::DrawCaptionText(Canvas& c, const QRect& rect) {
  if (FCaption.isEmpty()) return;
  QPainter& p = c.Painter();
  p.save();
  p.setFont(font());
  QRect r = rect.adjusted(FTextMargin, FTextMarginVertical, -FTextMargin, -FTextMarginVertical);
  int flags = Qt::AlignTop | Qt::TextExpandTabs | Qt::TextShowMnemonic;
  flags |= FAlignment == taLeftJustify ? Qt::AlignLeft : FAlignment == taRightJustify ? Qt::AlignRight : Qt::AlignHCenter;
  flags |= FWordWrap ? Qt::TextWordWrap : Qt::TextSingleLine;
  const int h = p.fontMetrics().boundingRect(r, flags, FCaption).height();
  switch (FAlignmentVertical) {
    case uxdraw::avTop: r.setBottom(std::min(r.bottom(), r.top() + h - 1)); break;
    case uxdraw::avCenter: {
      const int top = (r.top() + r.bottom() + 1 - h) / 2;
      const int bottom = std::min(r.bottom() + 1, top + h);
      r = QRect(r.left(), top, r.width(), bottom - top);
      break;
    }
    case uxdraw::avBottom: r.setTop(std::max(r.top(), r.bottom() + 1 - h - 1)); break;
  }
  p.setPen(isEnabled() ? FFontColor : Q(kPanel.grayText));
  p.drawText(r, flags, FCaption);
  p.restore();
}

void TUxCustomPanel::DrawGrid(Canvas& c, const QRect& rect) {
  const TRect r = FromQRect(rect);
  const int nx = FGridXSize ? r.Width() / FGridXSize : 0;
  const int ny = FGridYSize ? r.Height() / FGridYSize : 0;
  const TColor color = FromQColor(FGridColor);
  auto column = [&](int i) { return r.Left + i * FGridXSize - 1; };
  auto row = [&](int j) { return r.Top + j * FGridYSize - 1; };
  switch (FGridStyle) {
    case gsDots:
      for (int i = 1; i <= nx; ++i)
        for (int j = 1; j <= ny; ++j) c.SetPixel(column(i), row(j), color);
      break;
    case gsDottedLines:
      for (int i = 1; i <= nx; ++i)
        for (int y = r.Top + 1; y < r.Bottom; y += 2) c.SetPixel(column(i), y, color);
      for (int j = 1; j <= ny; ++j)
        for (int x = r.Left + 1; x < r.Right; x += 2) c.SetPixel(x, row(j), color);
      break;
    case gsSolidLines: {
      const platform::TPen saved = c.Pen;
      c.Pen = platform::TPen{color, 1, platform::psSolid, platform::pmCopy};
      for (int i = 1; i <= nx; ++i) {
        c.MoveTo(column(i), r.Top);
        c.LineTo(column(i), r.Bottom);
      }
      for (int j = 1; j <= ny; ++j) {
        c.MoveTo(r.Left, row(j));
        c.LineTo(r.Right, row(j));
      }
      c.Pen = saved;
      break;
    }
  }
}

void TUxCustomPanel::changeEvent(QEvent* e) {
  if (e->type() == QEvent::FontChange) Realign();
  if (e->type() == QEvent::EnabledChange || e->type() == QEvent::FontChange) update();
  QWidget::changeEvent(e);
}

void TUxCustomPanel::resizeEvent(QResizeEvent* e) {
  QWidget::resizeEvent(e);
  Realign();
}
