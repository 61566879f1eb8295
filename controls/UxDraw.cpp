// Colour arithmetic, theme colours, bitmaps with a transparent colour, the
// parent background, text helpers and the first versions' QPainter helpers.
// Frames are in UxDrawFrame.cpp, gradients in UxDrawGradient.cpp.
#include "controls/UxDraw.h"

#include <QEvent>
#include <QLinearGradient>
#include <QPainterPath>
#include <QWidget>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace uxdraw {

using platform::ColorToRGB;
using platform::GetBValue;
using platform::GetGValue;
using platform::GetRValue;

namespace {

// p / q for p >= 0, q > 0, halves to even.
std::int64_t RoundHalfEven(std::int64_t p, std::int64_t q) {
  const std::int64_t whole = p / q, rest = p % q;
  if (2 * rest > q || (2 * rest == q && (whole & 1))) return whole + 1;
  return whole;
}

// Gradient start, stop and frame colour of the three theme colour schemes.
struct TSchemeColors {
  TColor start, stop, frame;
};
constexpr std::array<TSchemeColors, 3> kSchemes = {{
    {platform::RGB(227, 239, 255), platform::RGB(153, 187, 234), platform::RGB(87, 127, 191)},   // blue
    {platform::RGB(255, 255, 237), platform::RGB(184, 199, 146), platform::RGB(127, 161, 119)},  // olive
    {platform::RGB(249, 249, 255), platform::RGB(189, 188, 208), platform::RGB(159, 159, 177)},  // silver
}};

int gThemeColorScheme = ReadThemeColorScheme();

const TSchemeColors& Scheme() { return kSchemes[std::size_t(std::clamp(gThemeColorScheme, 0, 2))]; }

}  // namespace

// ---- colours -------------------------------------------------------------------

// Worked in integers: every quantity is a fraction with a known denominator,
// so halves are real halves and round to even exactly.
THsl ColorToHsl(TColor color) {
  const TColor rgb = ColorToRGB(color);
  const int r = GetRValue(rgb), g = GetGValue(rgb), b = GetBValue(rgb);
  const int mx = std::max({r, g, b}), mn = std::min({r, g, b});
  THsl hsl;
  hsl.L = int(RoundHalfEven(std::int64_t(mx + mn) * 240, 510));
  if (mx == mn) return hsl;
  const int d = mx - mn;
  // L < 0.5 exactly when max + min < 255 (on the 0..255 scale).
  hsl.S = int(RoundHalfEven(std::int64_t(d) * 240, mx + mn < 255 ? mx + mn : 510 - mx - mn));
  // Hue in sixths of the circle: (g - b) / d, 2 + (b - r) / d or 4 + (r - g) / d.
  std::int64_t sixths = r == mx ? g - b : g == mx ? 2 * d + (b - r) : 4 * d + (r - g);
  if (sixths < 0) sixths += 6 * d;
  hsl.H = int(RoundHalfEven(sixths * 40, d));
  return hsl;
}

int HueOfColor(TColor color) { return ColorToHsl(color).H; }

TColor ColorFromHsl(int h, int s, int l) {
  // m1 and m2 in 57600ths (l and s are in 240ths).
  const std::int64_t L = l, S = s;
  const std::int64_t m2 = L >= 120 ? L * 240 + S * 240 - L * S : L * (240 + S);
  if (m2 <= 0) return platform::clBlack;
  const std::int64_t m1 = 2 * L * 240 - m2;
  // h6 = h * 6 / 239: t its whole part, f / 239 its fraction.
  const std::int64_t t = std::int64_t(h) * 6 / 239, f = std::int64_t(h) * 6 % 239;
  // Channels in (57600 * 239)ths.
  static constexpr std::int64_t kUnit = 57600 * 239;
  const std::int64_t hi = m2 * 239, lo = m1 * 239, rise = lo + (m2 - m1) * f, fall = hi - (m2 - m1) * f;
  std::int64_t red, green, blue;
  switch (t) {
    case 0: red = hi, green = rise, blue = lo; break;
    case 1: red = fall, green = hi, blue = lo; break;
    case 2: red = lo, green = hi, blue = rise; break;
    case 3: red = lo, green = fall, blue = hi; break;
    case 4: red = rise, green = lo, blue = hi; break;
    case 5: red = hi, green = lo, blue = fall; break;
    default: red = hi, green = rise, blue = lo; break;
  }
  auto channel = [](std::int64_t v) { return int(RoundHalfEven(std::clamp<std::int64_t>(v, 0, kUnit) * 255, kUnit)); };
  return platform::RGB(channel(red), channel(green), channel(blue));
}

TColor DarkerColor(TColor color, int amount) {
  const THsl hsl = ColorToHsl(color);
  return ColorFromHsl(hsl.H, hsl.S, std::max(hsl.L - amount, 0));
}

TColor LighterColor(TColor color, int amount) {
  const THsl hsl = ColorToHsl(color);
  return ColorFromHsl(hsl.H, hsl.S, std::min(hsl.L + amount, 255));
}

TColor AdjustColorLightness(TColor color, int adjustment) {
  if (adjustment < 0) return DarkerColor(color, -adjustment);
  if (adjustment > 0) return LighterColor(color, adjustment);
  return color;
}

TColor BlendColors(TColor color1, TColor color2, int weight) {
  const TColor a = ColorToRGB(color1), b = ColorToRGB(color2);
  const float x = float(weight) / 255.0f;
  auto mix = [x](int p, int q) { return int(std::nearbyint(float(p) * x + float(q) * (1.0f - x))); };
  return platform::RGB(mix(GetRValue(a), GetRValue(b)), mix(GetGValue(a), GetGValue(b)),
                       mix(GetBValue(a), GetBValue(b)));
}

bool ColorsSimilar(TColor color1, TColor color2) {
  const THsl a = ColorToHsl(color1), b = ColorToHsl(color2);
  return std::abs(a.H - b.H) < 20 && std::abs(a.L - b.L) < 60;
}

TColor ComplementColor(TColor color, int lightness) {
  const int h = HueOfColor(color);
  return ColorFromHsl(h < 120 ? h + 120 : h - 120, 240, lightness);
}

bool UseThemes() { return false; }

TColor ThemeColor(int index) { return index >= 0 && index <= 7 ? platform::clBtnFace : platform::clWhite; }

int ReadThemeColorScheme() { return 0; }

int ThemeColorScheme() { return gThemeColorScheme; }
void SetThemeColorScheme(int scheme) { gThemeColorScheme = std::clamp(scheme, 0, 2); }

TGradientColors GradientColorsOfStyle(TUxGradientColorStyle style) {
  if (style == gcsMSOffice && UseThemes()) return {Scheme().start, Scheme().stop};
  return {platform::clWindow, DarkerColor(platform::clBtnFace, 10)};
}

TColor FlatColorOfStyle(TUxGradientColorStyle style) {
  if (style == gcsMSOffice && UseThemes()) return Scheme().frame;
  return LighterColor(platform::clBtnShadow, 30);
}

TBannerColors BannerColorsOfStyle(TUxGradientColorStyle style) {
  if (style == gcsMSOffice && UseThemes()) return {Scheme().start, Scheme().stop, Scheme().stop};
  return {platform::clWindow, DarkerColor(platform::clBtnFace, 20), DarkerColor(platform::clBtnFace, 40)};
}

bool HasFullColorDisplay() { return true; }

// ---- bitmaps and the parent background -------------------------------------------

void DrawBitmapRectTransparent(Canvas& c, const QImage& bitmap, const TRect& dest, TColor transparent,
                               const TRect& source) {
  if (bitmap.isNull() || dest.IsEmpty() || source.IsEmpty()) return;
  // Scaled first, nearest pixel, so that keying sees only the bitmap's own colours.
  const QImage scaled = bitmap.copy(platform::ToQRect(source))
                            .scaled(dest.Width(), dest.Height(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
  c.DrawTransparent(dest.Left, dest.Top, scaled, transparent);
}

void StretchBitmapRectTransparent(Canvas& c, const QImage& bitmap, const TRect& dest, const TRect& source,
                                  TColor transparent) {
  DrawBitmapRectTransparent(c, bitmap, dest, transparent, source);
}

void StretchBitmapTransparent(Canvas& c, const QImage& bitmap, const TRect& dest, TColor transparent) {
  DrawBitmapRectTransparent(c, bitmap, dest, transparent, {0, 0, bitmap.width(), bitmap.height()});
}

void TileBitmapTransparent(Canvas& c, const QImage& bitmap, const TRect& dest, TColor transparent) {
  const int bw = bitmap.width(), bh = bitmap.height();
  if (bw <= 0 || bh <= 0) return;
  for (int y = dest.Top; y < dest.Bottom; y += bh)
    for (int x = dest.Left; x < dest.Right; x += bw) {
      const int w = std::min(bw, dest.Right - x), h = std::min(bh, dest.Bottom - y);
      DrawBitmapRectTransparent(c, bitmap, {x, y, x + w, y + h}, transparent, {0, 0, w, h});
    }
}

void PaintParentBackground(QWidget* control, QPainter& painter, bool /*invalidateParent*/) {
  QWidget* parent = control ? control->parentWidget() : nullptr;
  if (!parent) return;
  painter.save();
  painter.translate(-control->x(), -control->y());
  painter.setClipRect(QRect(0, 0, parent->width(), parent->height()), Qt::IntersectClip);
  parent->render(&painter, QPoint(), QRegion(parent->rect()), QWidget::DrawWindowBackground);
  painter.restore();
}

void PaintParentBackgroundToCanvas(QWidget* control, Canvas& c, bool invalidateParent) {
  PaintParentBackground(control, c.Painter(), invalidateParent);
}

void InvalidateTransparentChildren(QWidget* container) {
  if (!container) return;
  for (QWidget* child : container->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
    if (child->property("Transparent").toBool()) child->update();
}

// ---- text, fonts and the rest ------------------------------------------------------

int DrawTextInRect(Canvas& c, const QString& text, const TRect& r, unsigned flags) {
  TRect box = r;
  return c.DrawText(text, box, flags);
}

void DrawTextCentered(Canvas& c, const QString& text, const TRect& r) {
  TRect box = r;
  c.DrawText(text, box, platform::DT_SINGLELINE | platform::DT_VCENTER | platform::DT_CENTER);
}

platform::TFont CreateAngledFont(const platform::TFont& font, int angle) {
  platform::TFont angled = font;
  angled.Orientation = angle * 10;
  return angled;
}

bool IsTrueTypeFont(const platform::TFont&) { return true; }

QString StripAccelChars(const QString& text) {
  QString out;
  const qsizetype n = text.size();
  for (qsizetype i = 0; i + 1 < n; ++i)
    if (text[i] != QLatin1Char('&') || text[i + 1] == QLatin1Char('&')) out += text[i];
  if (n > 0) out += text[n - 1];
  return out;
}

QChar LastChar(const QString& text) { return text.isEmpty() ? QChar() : text.back(); }

void DrawDropDownArrow(Canvas& c, const TRect& r, int style, bool enabled) {
  if (IsOsVersionOrLater(wvWinVista)) style = 2;
  if (style < 0 || style > 2) return;
  TColor fill = platform::clBtnShadow;
  if (enabled) fill = ColorsSimilar(c.Brush.Color, platform::clBlack) ? platform::cl3DDkShadow : platform::clBlack;
  const platform::TPen pen = c.Pen;
  const platform::TBrush brush = c.Brush;
  c.Pen.Style = platform::psClear;
  c.Brush.Style = platform::bsSolid;
  c.Brush.Color = fill;
  const int cx = r.Left + (r.Right - r.Left) / 2;
  int cy = r.Top + (r.Bottom - r.Top) / 2;
  if ((r.Bottom - r.Top) % 2 == 0) cy -= 1;
  if (style == 1) {
    const std::array<platform::TPoint, 6> chevron{{{cx, cy + 4}, {cx - 4, cy - 1}, {cx - 3, cy - 3},
                                                    {cx, cy + 1}, {cx + 3, cy - 3}, {cx + 5, cy - 1}}};
    c.Polygon(chevron);
  } else {
    const std::array<platform::TPoint, 3> triangle{{{cx, cy + 2}, {cx - 3, cy - 2}, {cx + 4, cy - 2}}};
    c.Polygon(triangle);
  }
  c.Pen = pen;
  c.Brush = brush;
}

bool IsOsVersion(int version) { return version == wvWin7; }

bool IsOsVersionOrLater(int version) { return version >= wvWin95 && version <= wvWin7; }

// ---- the first versions' QPainter helpers ------------------------------------------

QColor Shade(const QColor& c, int amount) {
  if (!c.isValid()) return c;
  const int a = std::clamp(amount, -255, 255);
  auto mix = [a](int v) { return a >= 0 ? v + (255 - v) * a / 255 : v + v * a / 255; };
  return QColor(mix(c.red()), mix(c.green()), mix(c.blue()), c.alpha());
}

QColor ScaleColor(const QColor& c, int by) {
  if (!c.isValid() || by == 0) return c;
  return QColor(c.red() / by, c.green() / by, c.blue() / by, c.alpha());
}

void DrawBevel(QPainter& p, const QRect& r, TBevel bevel, int width, const QColor& light, const QColor& dark) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing, false);
  const QColor tl = bevel == TBevel::Raised ? light : dark;
  const QColor br = bevel == TBevel::Raised ? dark : light;
  QRect q = r;
  for (int i = 0; i < width; ++i) {
    p.setPen(tl);
    p.drawLine(q.topLeft(), q.topRight());
    p.drawLine(q.topLeft(), q.bottomLeft());
    p.setPen(br);
    p.drawLine(q.bottomLeft(), q.bottomRight());
    p.drawLine(q.topRight(), q.bottomRight());
    q.adjust(1, 1, -1, -1);
  }
  p.restore();
}

void DrawButtonFace(QPainter& p, const QRect& r, const QColor& face, bool sunken, bool hot, bool enabled) {
  if (r.width() <= 0 || r.height() <= 0) return;
  p.save();
  p.setRenderHint(QPainter::Antialiasing, true);
  const QColor base = !enabled ? Shade(face, 40) : hot && !sunken ? Shade(face, 35) : face;
  QLinearGradient g(r.topLeft(), r.bottomLeft());
  if (sunken) {
    g.setColorAt(0, Shade(base, -45));
    g.setColorAt(1, Shade(base, 10));
  } else {
    g.setColorAt(0, Shade(base, 70));
    g.setColorAt(0.5, base);
    g.setColorAt(1, Shade(base, -30));
  }
  QPainterPath path;
  path.addRoundedRect(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
  p.fillPath(path, g);
  p.setPen(QPen(Shade(base, -110), 1));
  p.drawPath(path);
  // Inner highlight line gives the raised look; a pressed face shows an inner shadow instead.
  QPainterPath inner;
  inner.addRoundedRect(QRectF(r).adjusted(1.5, 1.5, -1.5, -1.5), 2, 2);
  p.setPen(QPen(sunken ? Shade(base, -70) : Shade(base, 110), 1));
  p.setClipRect(QRect(r.left(), r.top(), r.width(), r.height() / 2));
  p.drawPath(inner);
  p.restore();
}

void DrawDropDownArrow(QPainter& p, const QRect& r, const QColor& color) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing, true);
  const QPointF c = QRectF(r).center();
  const qreal w = std::min<qreal>(8, r.width() * 0.5);
  const QPointF pts[3] = {{c.x() - w / 2, c.y() - w / 4}, {c.x() + w / 2, c.y() - w / 4}, {c.x(), c.y() + w / 4}};
  p.setPen(Qt::NoPen);
  p.setBrush(color);
  p.drawPolygon(pts, 3);
  p.restore();
}

void DrawTextCentered(QPainter& p, const QRect& r, const QString& text, const QColor& color, bool enabled,
                      int flags) {
  if (text.isEmpty()) return;
  p.save();
  if (!enabled) {
    p.setPen(Qt::white);
    p.drawText(r.translated(1, 1), flags, text);
    p.setPen(QColor(128, 128, 128));
  } else {
    p.setPen(color);
  }
  p.drawText(r, flags, text);
  p.restore();
}

}  // namespace uxdraw
