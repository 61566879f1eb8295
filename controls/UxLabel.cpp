#include "controls/UxLabel.h"

#include "controls/UxPanel.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>

#include <cmath>
#include <numbers>

using platform::FromQColor;
using platform::TColor;

namespace {
QColor Q(TColor c) { return platform::ToQColor(platform::ColorToRGB(c)); }

struct LabelDefaults {
  TColor color = platform::clBtnFace;
  TColor font = platform::clWindowText;
  TColor blink = platform::clHighlight;
  TColor flyBy = platform::clHighlight;
  TColor highlight = platform::clBtnHighlight;
  TColor shadow = platform::clBtnShadow;
  TColor border = platform::clBtnFace;
  TColor flat = platform::clBtnShadow;
  TColor grayText = platform::clGrayText;
  TColor firstText = platform::clBlack;  // until the first font change
};
const LabelDefaults kLabel;

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

int Round(double v) { return int(std::lround(v)); }
}  // namespace

TUxLabel::TUxLabel(QWidget* parent)
    : QWidget(parent),
      FColor(Q(kLabel.color)),
      FFontColorValue(Q(kLabel.font)),
      FBlinkColor(Q(kLabel.blink)),
      FBorderColor(Q(kLabel.border)),
      FBorderHighlight(Q(kLabel.highlight)),
      FBorderShadow(Q(kLabel.shadow)),
      FFlatColor(Q(kLabel.flat)),
      FFontColor(Q(kLabel.firstText)),
      FFlyByColor(Q(kLabel.flyBy)),
      FHighlightColor(Q(kLabel.highlight)),
      FShadowColor(Q(kLabel.shadow)),
      FCurrentColor(Q(kLabel.firstText)) {
  EnsureBlinkingControlsList()->Add(this);
  resize(65, 17);
}

TUxLabel::~TUxLabel() {
  if (FFrameController) FFrameController->RemoveControl(this);
  if (TUxBlinkingControlsList* list = BlinkingControlsList()) list->Remove(this);
  ReleaseBlinkingControlsList();
}

int TUxLabel::Tag() const { return uxdraw::ControlTag(this); }
void TUxLabel::SetTag(int v) { uxdraw::SetControlTag(this, v); }

// ---- setters -------------------------------------------------------------------

#define UX_REPAINT_SETTER(Name, Type, Field) \
  void TUxLabel::Set##Name(Type v) {         \
    if (v == Field) return;                  \
    Field = v;                               \
    update();                                \
  }
#define UX_RESIZE_SETTER(Name, Type, Field) \
  void TUxLabel::Set##Name(Type v) {        \
    if (v == Field) return;                 \
    Field = v;                              \
    AdjustBounds();                         \
    update();                               \
  }

UX_REPAINT_SETTER(BlinkColor, const QColor&, FBlinkColor)
UX_REPAINT_SETTER(BorderColor, const QColor&, FBorderColor)
UX_REPAINT_SETTER(BorderHighlight, const QColor&, FBorderHighlight)
UX_REPAINT_SETTER(BorderShadow, const QColor&, FBorderShadow)
UX_REPAINT_SETTER(FlatColor, const QColor&, FFlatColor)
UX_REPAINT_SETTER(FlatColorAdjustment, int, FFlatColorAdjustment)
UX_REPAINT_SETTER(CenterPoint, TCenterPoint, FCenterPoint)
UX_REPAINT_SETTER(FlyByColor, const QColor&, FFlyByColor)
UX_REPAINT_SETTER(HighlightColor, const QColor&, FHighlightColor)
UX_REPAINT_SETTER(ShadowColor, const QColor&, FShadowColor)
UX_REPAINT_SETTER(ShadowDepth, int, FShadowDepth)
UX_REPAINT_SETTER(LightTextStyle, bool, FLightTextStyle)
UX_REPAINT_SETTER(TextMargin, int, FTextMargin)
UX_REPAINT_SETTER(TextStyle, uxdraw::TTextStyle, FTextStyle)
UX_REPAINT_SETTER(Transparent, bool, FTransparent)
UX_RESIZE_SETTER(BevelWidth, int, FBevelWidth)
UX_RESIZE_SETTER(BorderSides, uxdraw::TSides, FBorderSides)
UX_RESIZE_SETTER(BorderInner, TFrameStyleEx, FBorderInner)
UX_RESIZE_SETTER(BorderOuter, TFrameStyleEx, FBorderOuter)
UX_RESIZE_SETTER(BorderWidth, int, FBorderWidth)
UX_RESIZE_SETTER(WordWrap, bool, FWordWrap)
UX_RESIZE_SETTER(ShowAccelChar, bool, FShowAccelChar)
UX_REPAINT_SETTER(Layout, TTextLayout, FLayout)

#undef UX_REPAINT_SETTER
#undef UX_RESIZE_SETTER

void TUxLabel::SetCaption(const QString& v) {
  if (v == FCaption) return;
  FCaption = v;
  AdjustBounds();
  repaint();  // a text change shows at once
}

Qt::Alignment TUxLabel::Alignment() const {
  const Qt::Alignment vertical = FLayout == tlCenter ? Qt::AlignVCenter : FLayout == tlBottom ? Qt::AlignBottom : Qt::AlignTop;
  return FAlignment | vertical;
}

void TUxLabel::SetAlignment(Qt::Alignment v) {
  if (v & Qt::AlignVCenter) SetLayout(tlCenter);
  else if (v & Qt::AlignBottom) SetLayout(tlBottom);
  else if (v & Qt::AlignTop) SetLayout(tlTop);
  const Qt::Alignment h = v & Qt::AlignRight ? Qt::AlignRight : v & Qt::AlignHCenter ? Qt::AlignHCenter : Qt::AlignLeft;
  if (h == FAlignment) return;
  FAlignment = h;
  AdjustBounds();
  update();
}

void TUxLabel::SetAutoSize(bool v) {
  if (v == FAutoSize) return;
  FAutoSize = v;
  AdjustBounds();
}

QColor TUxLabel::Color() const {
  if (!FParentColor || !parentWidget()) return FColor;
  if (auto* panel = qobject_cast<const TUxCustomPanel*>(parentWidget())) return panel->Color();
  return parentWidget()->palette().color(parentWidget()->backgroundRole());
}

void TUxLabel::SetColor(const QColor& v) {
  if (v == FColor && !FParentColor) return;
  FColor = v;
  FParentColor = false;
  update();
}

void TUxLabel::SetParentColor(bool v) {
  if (v == FParentColor) return;
  FParentColor = v;
  update();
}

void TUxLabel::SetFontColor(const QColor& v) {
  if (v == FFontColorValue) return;
  FFontColorValue = v;
  FontChanged();
}

void TUxLabel::SetFontSize(int points) {
  QFont f = font();
  f.setPointSize(points);
  setFont(f);
}

void TUxLabel::SetAngle(int v) {
  v = v < 0 ? 360 + v % 360 : v % 360;
  if (v == 360) v = 0;
  if (v == FAngle) return;
  FAngle = v;
  if (FAngle != 0 && FRotation == roNone) FRotation = roFlat;
  AdjustBounds();
  repaint();
}

void TUxLabel::SetRotation(TRotation v) {
  if (v == FRotation) return;
  FRotation = v;
  if (v == roNone) FAngle = 0;
  if (v == roFlat) {
    FAngle = 0;
    FCenterPoint = cpCenter;
  }
  update();
}

void TUxLabel::SetBlinking(bool v) {
  if (v == FBlinking) return;
  FBlinking = v;
  if (!v) {
    FBlinkState = uxdraw::bsOff;
    FCurrentColor = FFontColor;
    repaint();
  }
}

int TUxLabel::BlinkIntervalOn() const { return EnsureBlinkingControlsList()->IntervalOn(); }
void TUxLabel::SetBlinkIntervalOn(int v) { EnsureBlinkingControlsList()->SetIntervalOn(v); }
int TUxLabel::BlinkIntervalOff() const { return EnsureBlinkingControlsList()->IntervalOff(); }
void TUxLabel::SetBlinkIntervalOff(int v) { EnsureBlinkingControlsList()->SetIntervalOff(v); }

void TUxLabel::SetFlyByEnabled(bool v) {
  if (v == FFlyByEnabled) return;
  FFlyByEnabled = v;
  if (!v && FOrigColor.isValid()) {
    SetFontColor(FOrigColor);
    FOrigColor = QColor();
  }
  update();
}

void TUxLabel::SetCondenseCaption(TUxCondenseCaption v) {
  if (v == FCondenseCaption) return;
  FCondenseCaption = v;
  if (v != ccNone) SetAutoSize(false);
  update();
}

void TUxLabel::SetFrameController(TUxFrameController* v) { LinkFrameController(this, FFrameController, v); }

void TUxLabel::Blink(bool show) {
  FBlinkState = show ? uxdraw::bsOn : uxdraw::bsOff;
  FCurrentColor = show ? FBlinkColor : FFontColor;
  repaint();
}

void TUxLabel::UpdateFromFrameController() {
  if (!FFrameController || !FFrameController->FrameVisible()) return;
  const TUxFrameController& fc = *FFrameController;
  const TUxFrameControllerNotifications n = FFrameControllerNotifications;
  if (n & FrameNotification(fcpFrameStyle)) FBorderOuter = fc.FrameStyle();
  if (n & FrameNotification(fcpFrameSides)) FBorderSides = fc.FrameSides();
  if (n & FrameNotification(fcpFrameColor)) {
    FFlatColor = Q(fc.FrameColor());
    FFlatColorAdjustment = 0;
  }
  if (n & FrameNotification(fcpColor)) FColor = Q(fc.Color()), FParentColor = false;
  if (n & FrameNotification(fcpParentColor)) FParentColor = fc.ParentColor();
  if (n & FrameNotification(fcpColor)) {
    const TColor color = FromQColor(Color());
    FBorderHighlight = Q(uxdraw::LighterColor(color, 100));
    FBorderShadow = Q(uxdraw::DarkerColor(color, 50));
  }
  update();
}

void TUxLabel::FontChanged() {
  if (!FBlinking) FFontColor = FCurrentColor = FFontColorValue;
  AdjustBounds();
  update();
}

// ---- geometry ------------------------------------------------------------------

QRect TUxLabel::AdjustRectForBorders(const QRect& r, bool withBorderWidth) const {
  QRect out = r;
  if (withBorderWidth) out.adjust(FBorderWidth, FBorderWidth, -FBorderWidth, -FBorderWidth);
  out = Shrunk(out, FBorderSides, FrameThickness(FBorderOuter, FBevelWidth));
  return Shrunk(out, FBorderSides, FrameThickness(FBorderInner, FBevelWidth));
}

QRect TUxLabel::ExpandRectForBorders(const QRect& r) const {
  int w = r.width(), h = r.height();
  auto frame = [&](TFrameStyleEx style) {
    const int t = FrameThickness(style, FBevelWidth);
    if (FBorderSides & uxdraw::sdLeft) w += t;
    if (FBorderSides & uxdraw::sdRight) w += t;
    if (FBorderSides & uxdraw::sdTop) h += t;
    if (FBorderSides & uxdraw::sdBottom) h += t;
  };
  frame(FBorderOuter);
  w += 2 * FBorderWidth;
  h += 2 * FBorderWidth;
  w += 2 * FTextMargin;
  h += 2 * FTextMargin;
  frame(FBorderInner);
  if (FRotation == roNone && FTextStyle == uxdraw::tsShadow) {
    w += FShadowDepth;
    h += FShadowDepth;
  } else if (FRotation == roFlat && FAngle != 0 && FAngle != 180) {
    if (FTextStyle == uxdraw::tsShadow) {
      w += FShadowDepth / 2;
      h += FShadowDepth / 2;
    }
    double b = (FAngle % 90) * std::numbers::pi / 180;
    if (FAngle == 90 || FAngle == 270) b += std::numbers::pi / 2;
    const int w2 = Round(std::cos(b) * w + std::sin(b) * h);
    const int h2 = Round(std::sin(b) * w + std::cos(b) * h);
    w = w2;
    h = h2;
  }
  return QRect(r.topLeft(), QSize(w, h));
}

int TUxLabel::TextFlags() const {
  int flags = int(FAlignment) | Qt::AlignTop | Qt::TextExpandTabs;
  if (FWordWrap) flags |= Qt::TextWordWrap;
  if (FShowAccelChar) flags |= Qt::TextShowMnemonic;
  return flags;
}

QSize TUxLabel::AutoSizeExtent() const {
  const QRect client = AdjustRectForBorders(rect(), true);
  const QFontMetrics fm(font());
  // An empty caption still measures one line.
  const QString text = FCaption.isEmpty() ? QStringLiteral(" ") : FCaption;
  const int flags = Qt::TextExpandTabs | (FShowAccelChar ? Qt::TextShowMnemonic : 0);
  QSize s = FWordWrap ? fm.boundingRect(QRect(0, 0, std::max(client.width(), 1), 0x7FFF), flags | Qt::TextWordWrap, text).size()
                      : fm.size(flags, text);
  return ExpandRectForBorders(QRect(QPoint(0, 0), s)).size();
}

void TUxLabel::AdjustBounds() {
  if (!FAutoSize) return;
  const QSize s = AutoSizeExtent();
  if (s == size()) return;
  const int left = FAlignment & Qt::AlignRight ? x() + width() - s.width() : x();
  setGeometry(left, y(), s.width(), s.height());
}

QPoint TUxLabel::RotationCenter() const {
  const int b = FBorderWidth, w = width(), h = height();
  if (FRotation == roFlat) return QPoint(w / 2, h / 2);
  switch (FCenterPoint) {
    case cpUpperLeft: return QPoint(b, b);
    case cpUpperCenter: return QPoint(w / 2, b);
    case cpUpperRight: return QPoint(w - b, b);
    case cpLeftCenter: return QPoint(b, h / 2);
    case cpCenter: return QPoint(w / 2, h / 2);
    case cpRightCenter: return QPoint(w - b, h / 2);
    case cpLowerLeft: return QPoint(b, h - b);
    case cpLowerCenter: return QPoint(w / 2, h - b);
    case cpLowerRight: return QPoint(w - b, h - b);
  }
  return QPoint(w / 2, h / 2);
}

QPoint TUxLabel::CurveExtent() const {
  const int b2 = 2 * FBorderWidth, w = width(), h = height();
  switch (FCenterPoint) {
    case cpUpperCenter:
    case cpLowerCenter: return QPoint(w / 2 - b2, h - b2);
    case cpLeftCenter:
    case cpRightCenter: return QPoint(w - b2, h / 2 - b2);
    case cpCenter: return QPoint(w / 2 - b2, h / 2 - b2);
    default: return QPoint(w - b2, h - b2);
  }
}

// ---- painting ------------------------------------------------------------------

void TUxLabel::paintEvent(QPaintEvent*) {
  QPainter p(this);
  {
    platform::Canvas c(p);
    QRect r = rect();
    drawFrame(c, r);
  }
  p.setFont(font());
  if (FRotation == roCurve) drawCurvedText(p);
  else drawLabelText(p);
}

void TUxLabel::drawFrame(platform::Canvas& c, QRect& r) {
  const TColor color = FromQColor(Color());
  const TColor parent = parentWidget() ? FromQColor(parentWidget()->palette().color(parentWidget()->backgroundRole()))
                                       : color;
  const platform::TRect inside = uxdraw::DrawPanelFrame(
      c, platform::FromQRect(r), FBorderOuter, false, FTransparent, parent, color, FFlatColorAdjustment,
      FromQColor(FFlatColor), FromQColor(FBorderShadow), FromQColor(FBorderHighlight), FromQColor(FBorderColor),
      FBevelWidth, FBorderSides, FBorderWidth, FBorderInner);
  r = platform::ToQRect(inside);
  if (!FTransparent) {
    c.Brush.Color = color;
    c.Brush.Style = platform::bsSolid;
    c.FillRect(inside);
  }
}

QString TUxLabel::ShownText(const QFontMetrics& fm, const QRect& r) const {
  if (FCondenseCaption == ccNone || FWordWrap) return FCaption;
  return fm.elidedText(FCaption, FCondenseCaption == ccAtEnd ? Qt::ElideRight : Qt::ElideMiddle, r.width(),
                       FShowAccelChar ? Qt::TextShowMnemonic : 0);
}

QString TUxLabel::DisplayedText() const {
  const QRect t = AdjustRectForBorders(rect(), true).adjusted(FTextMargin, FTextMargin, -FTextMargin, -FTextMargin);
  return ShownText(QFontMetrics(font()), t);
}

QRect TUxLabel::PlacedTextRect(const QFontMetrics& fm, QRect t, int flags) const {
  if (FLayout != tlTop) {
    const int h = fm.boundingRect(t, flags, FCaption).height();
    const int spare = t.height() - h;
    t.translate(0, FLayout == tlCenter ? spare / 2 : spare);
  }
  if (FTextStyle == uxdraw::tsShadow) {
    if (FAlignment & Qt::AlignRight) t.translate(-FShadowDepth, 0);
    if (FLayout == tlBottom) t.translate(0, -FShadowDepth);
  }
  return t;
}

void TUxLabel::DrawTextCopy(QPainter& p, const QRect& r, int flags, const QString& text, const QColor& color, int dx,
                            int dy) {
  p.setPen(color);
  p.drawText(r.translated(dx, dy), flags, text);
}

void TUxLabel::drawLabelText(QPainter& p) {
  const QFontMetrics fm(font());
  const int flags = TextFlags();
  QRect t = AdjustRectForBorders(rect(), true).adjusted(FTextMargin, FTextMargin, -FTextMargin, -FTextMargin);
  const QString text = ShownText(fm, t);
  p.save();
  int main = 0;  // the main text's offset (roFlat shadow)
  if (FRotation == roFlat) {
    // The text is laid out centred on the label's centre and turned about it.
    const QSize s = fm.size(flags & ~int(Qt::AlignHorizontal_Mask), text);
    const QPoint c = RotationCenter();
    p.translate(c);
    p.rotate(-FAngle);
    t = QRect(-s.width() / 2, -s.height() / 2, s.width(), s.height());
    if (FTextStyle == uxdraw::tsShadow) main = -(FShadowDepth / 2);
  } else {
    t = PlacedTextRect(fm, t, flags);
  }
  if (!isEnabled()) {
    DrawTextCopy(p, t, flags, text, Q(kLabel.grayText), 0, 0);
    p.restore();
    return;
  }
  switch (FTextStyle) {
    case uxdraw::tsRaised:
      if (!FLightTextStyle) DrawTextCopy(p, t, flags, text, FShadowColor, 1, 1);
      DrawTextCopy(p, t, flags, text, FHighlightColor, -1, -1);
      break;
    case uxdraw::tsRecessed:
      DrawTextCopy(p, t, flags, text, FHighlightColor, 1, 1);
      if (!FLightTextStyle) DrawTextCopy(p, t, flags, text, FShadowColor, -1, -1);
      break;
    case uxdraw::tsShadow: {
      const int d = FRotation == roFlat ? FShadowDepth / 2 : FShadowDepth;
      DrawTextCopy(p, t, flags, text, FShadowColor, d, d);
      break;
    }
    case uxdraw::tsNormal: break;
  }
  DrawTextCopy(p, t, flags, text, FCurrentColor, main, main);
  p.restore();
}

void TUxLabel::drawCurvedText(QPainter& p) {
  const QFontMetrics fm(font());
  const QPoint c = RotationCenter();
  const QPoint e = CurveExtent();
  const int yy = fm.height();
  double theta = FAngle * std::numbers::pi / 180;
  auto glyph = [&](const QString& ch, int x, int y, double turn, const QColor& color) {
    p.save();
    p.translate(x, y);
    p.rotate(-turn * 180 / std::numbers::pi);
    p.setPen(color);
    // Baseline and horizontal centre at the point.
    p.drawText(QPointF(-fm.horizontalAdvance(ch) / 2.0, 0), ch);
    p.restore();
  };
  for (const QChar ch : FCaption) {
    const QString s(ch);
    const int x = c.x() - Round((e.x() - yy) * std::sin(theta));
    const int y = c.y() - Round((e.y() - yy) * std::cos(theta));
    if (!isEnabled()) {
      glyph(s, x + 1, y + 1, theta, Q(platform::clBtnHighlight));
      glyph(s, x, y, theta, Q(platform::clBtnShadow));
    } else {
      switch (FTextStyle) {
        case uxdraw::tsRaised:
          if (!FLightTextStyle) glyph(s, x + 1, y + 1, theta, FShadowColor);
          glyph(s, x - 1, y - 1, theta, FHighlightColor);
          break;
        case uxdraw::tsRecessed:
          glyph(s, x + 1, y + 1, theta, FHighlightColor);
          if (!FLightTextStyle) glyph(s, x - 1, y - 1, theta, FShadowColor);
          break;
        case uxdraw::tsShadow: glyph(s, x + FShadowDepth, y + FShadowDepth, theta, FShadowColor); break;
        case uxdraw::tsNormal: break;
      }
      glyph(s, x, y, theta, FCurrentColor);
    }
    if (e.x() > 0) theta -= (fm.horizontalAdvance(QLatin1Char('w')) + 2.0) / e.x();
  }
}

// ---- events --------------------------------------------------------------------

void TUxLabel::changeEvent(QEvent* e) {
  if (e->type() == QEvent::FontChange) FontChanged();
  if (e->type() == QEvent::EnabledChange || e->type() == QEvent::PaletteChange) update();
  QWidget::changeEvent(e);
}

void TUxLabel::enterEvent(QEnterEvent* e) {
  if (FFlyByEnabled) {
    FOrigColor = FFontColorValue;
    SetFontColor(FFlyByColor);
  }
  QWidget::enterEvent(e);
}

void TUxLabel::leaveEvent(QEvent* e) {
  if (FFlyByEnabled && FOrigColor.isValid()) {
    SetFontColor(FOrigColor);
    FOrigColor = QColor();
  }
  QWidget::leaveEvent(e);
}
