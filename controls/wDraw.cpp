#include "controls/wDraw.h"

#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QTabWidget>
#include <QWidget>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/Format.h"

using platform::Canvas;
using platform::TColor;
using platform::TPoint;
using platform::TRect;

namespace {

// Pixel values round to the nearest integer, halves to even.
int Round(double v) { return int(std::nearbyint(v)); }
int Clamp255(int v) { return std::clamp(v, 0, 255); }

unsigned ToDrawTextFormat(TwTextFlags f) {
  unsigned dt = 0;
  if (f & itfCenter) dt |= platform::DT_CENTER;
  if (f & itfRight) dt |= platform::DT_RIGHT;
  if (f & itfVCenter) dt |= platform::DT_VCENTER;
  if (f & itfBottom) dt |= platform::DT_BOTTOM;
  if (f & itfWordBreak) dt |= platform::DT_WORDBREAK;
  if (f & itfSingleLine) dt |= platform::DT_SINGLELINE;
  if (f & itfExpandTabs) dt |= platform::DT_EXPANDTABS;
  if (f & itfNoClip) dt |= platform::DT_NOCLIP;
  if (!(f & itfPrefix)) dt |= platform::DT_NOPREFIX;
  if (f & itfCalcRect) dt |= platform::DT_CALCRECT;
  if (f & itfEndEllipsis) dt |= platform::DT_END_ELLIPSIS;
  if (f & itfPathEllipsis) dt |= platform::DT_PATH_ELLIPSIS;
  if (f & itfWordEllipsis) dt |= platform::DT_WORD_ELLIPSIS;
  // itfModifyString has no meaning for an immutable text.
  return dt;
}

TColor Mix(double w, TColor a, TColor b) {  // w * a + (1 - w) * b
  return platform::RGB(Round(w * ColorRed(a) + (1 - w) * ColorRed(b)),
                       Round(w * ColorGreen(a) + (1 - w) * ColorGreen(b)),
                       Round(w * ColorBlue(a) + (1 - w) * ColorBlue(b)));
}

// One side-line band of a frame: left and top in tl, right and bottom in br
// (which owns the top-right and bottom-left corners); r moves in by one.
void FrameBand(Canvas& c, TRect& r, TColor tl, TColor br) {
  c.Pen = platform::TPen{tl, 1, platform::psSolid, platform::pmCopy};
  c.MoveTo(r.Left, r.Top);
  c.LineTo(r.Left, r.Bottom);
  c.MoveTo(r.Left, r.Top);
  c.LineTo(r.Right, r.Top);
  c.Pen.Color = br;
  c.MoveTo(r.Right - 1, r.Top);
  c.LineTo(r.Right - 1, r.Bottom);
  c.MoveTo(r.Left, r.Bottom - 1);
  c.LineTo(r.Right, r.Bottom - 1);
  r = r.Inflated(-1, -1);
}

constexpr double kSqrt2 = 1.4142135623730950488;

// Whether the line from a to b lies wholly outside the clip (with a pixel to
// spare): its bounding box misses it.
bool Misses(const TRect& clip, TPoint a, TPoint b) {
  return std::max(a.X, b.X) < clip.Left - 1 || std::min(a.X, b.X) > clip.Right || std::max(a.Y, b.Y) < clip.Top - 1 ||
         std::min(a.Y, b.Y) > clip.Bottom;
}

}  // namespace

// ---- text -------------------------------------------------------------------

int DrawTextFlags(Canvas& Canvas, const QString& Text, TRect& Rect, TColor Color, bool Enabled, TwTextFlags Flags) {
  const unsigned format = ToDrawTextFormat(Flags);
  if (Enabled || (Flags & itfCalcRect) || Color == platform::clBlack) return Canvas.DrawText(Text, Rect, format);

  // Embossed: a light copy one pixel down-right, the shadow on top. The
  // background is left alone so the second pass cannot cover the first.
  const TColor fontColor = Canvas.Font.Color;
  const platform::TBkMode bkMode = Canvas.BkMode;
  Canvas.BkMode = platform::bkTransparent;
  TRect shifted = Rect.Offset(1, 1);
  Canvas.Font.Color = ShiftColor(platform::clBtnFace, 64);
  Canvas.DrawText(Text, shifted, format);
  Canvas.Font.Color = ShiftColor(platform::clBtnFace, -32);
  const int result = Canvas.DrawText(Text, Rect, format);
  Canvas.Font.Color = fontColor;
  Canvas.BkMode = bkMode;
  return result;
}

void DrawTextRotated(Canvas& Canvas, const QString& Text, const TRect& Rect, TRect& OutRect, TColor Color,
                     bool Enabled, TwAlignmentHorizontal Alignment, TwRotationAngle Angle) {
  const int cx = (Rect.Left + Rect.Right) / 2;
  const int cy = (Rect.Top + Rect.Bottom) / 2;
  const int w = Canvas.TextWidth(Text);
  const int h = Canvas.TextHeight(Text);
  if (Angle == ira000) {
    TwTextFlags flags = Alignment == iahLeft ? 0x0211 : Alignment == iahRight ? 0x0214 : 0x0212;
    if (!Text.contains(QChar('\r'))) flags |= itfSingleLine;
    TRect r = Rect;
    DrawTextFlags(Canvas, Text, r, Color, Enabled, flags);
    OutRect = {cx - w / 2, cy - h / 2, cx + w / 2, cy + h / 2};
    return;
  }
  TPoint origin;
  int orientation = 0;
  switch (Angle) {
    case ira090:
      orientation = 900;
      origin = {cx - h / 2, cy + w / 2};
      OutRect = {cx - h / 2, cy - w / 2, cx + h / 2, cy + w / 2};
      break;
    case ira180:
      orientation = 1800;
      origin = {cx + w / 2, cy + h / 2};
      OutRect = {cx - w / 2, cy - h / 2, cx + w / 2, cy + h / 2};
      break;
    default:
      orientation = 2700;
      origin = {cx + h - h / 2, cy - w / 2};
      OutRect = {cx - h / 2, cy - w / 2, cx + h / 2, cy + w / 2};
      break;
  }
  // Single line, no prefix processing, unclipped: what TextOut draws.
  const platform::TFont font = Canvas.Font;
  Canvas.Font.Orientation = orientation;
  Canvas.TextOut(origin.X, origin.Y, Text);
  Canvas.Font = font;
}

QString NextTextLine(const QString& Text, int& Pos) {
  const int start = Pos;
  while (Pos < Text.size() && Text[Pos] != QChar('\r') && Text[Pos] != QChar('\n')) ++Pos;
  const QString line = Text.mid(start, Pos - start);
  if (Pos < Text.size() && Text[Pos] == QChar('\r')) ++Pos;
  if (Pos < Text.size() && Text[Pos] == QChar('\n')) ++Pos;
  return line;
}

int MaxLineTextWidth(Canvas& Canvas, const QString& Text) {
  int widest = 0;
  int pos = 0;
  while (pos < Text.size()) widest = std::max(widest, Canvas.TextWidth(NextTextLine(Text, pos)));
  return widest;
}

int TextHeightCalc(Canvas& Canvas, const QString& Text) {
  TRect r{0, 0, 0, 0};
  return DrawTextFlags(Canvas, Text, r, platform::clBlack, true, 0x0A00);
}

int TextHeightWrapped(Canvas& Canvas, const QString& Text, int Width) {
  TRect r{0, -800, Width, -100};
  return DrawTextFlags(Canvas, Text, r, platform::clBlack, true, 0x0049);
}

// ---- colours ----------------------------------------------------------------

TColor ScaleColor(TColor Color, int N) {
  const TColor c = platform::ColorToRGB(Color);
  auto scale = [N](int v) { return Clamp255(N >= 1 ? v / N : v * -N); };
  return platform::RGB(scale(ColorRed(c)), scale(ColorGreen(c)), scale(ColorBlue(c)));
}

TColor ShiftColor(TColor Color, int Amount, bool Up) {
  const TColor c = platform::ColorToRGB(Color);
  const int d = Up ? Amount : -Amount;
  return platform::RGB(Clamp255(ColorRed(c) + d), Clamp255(ColorGreen(c) + d), Clamp255(ColorBlue(c) + d));
}

// ---- fills and frames -------------------------------------------------------

void FillGradient(Canvas& Canvas, const TRect& Rect, TwFillDirection Direction, TColor Color1, TColor Color2) {
  if (Rect.IsEmpty()) return;  // nothing to fill
  const int W = Rect.Right - Rect.Left;
  const int H = Rect.Bottom - Rect.Top;
  const int M = std::max(Rect.Right, Rect.Bottom);
  int N = 0, penWidth = 1;
  switch (Direction) {
    case ifdTopBottom:
    case ifdBottomTop: N = H - 1; break;
    case ifdLeftRight:
    case ifdRightLeft: N = W - 1; break;
    case ifdTopLeftBottomRight:
    case ifdBottomRightTopLeft:
    case ifdBottomLeftTopRight:
    case ifdTopRightBottomLeft: N = 2 * (M - 1); break;
    case ifdRectangleOut:
    case ifdRectangleIn: N = (M - 1) / 3, penWidth = 2; break;
    case ifdCircleOut:
    case ifdCircleIn: N = (M - 1) / 8, penWidth = 16; break;
  }
  if (N < 0) return;

  const TColor c1 = platform::ColorToRGB(Color1), c2 = platform::ColorToRGB(Color2);
  const bool even = Direction % 2 == 0;
  const platform::TPen pen = Canvas.Pen;
  const platform::TBrush brush = Canvas.Brush;
  Canvas.Brush.Style = platform::bsClear;
  Canvas.Pen = platform::TPen{c1, penWidth, platform::psSolid, platform::pmCopy};
  const double right = Rect.Right - 1, bottom = Rect.Bottom - 1;
  const double cx = right / 2, cy = bottom / 2;
  // Only the lines that can cross the clip are drawn: a fill far larger than
  // the canvas costs no more than the canvas.
  int from = 0, to = N;
  const TRect clip = Canvas.ClipRect();
  // The steps i with lo <= i <= hi, widened by a pixel's worth and two steps.
  auto keep = [&](double lo, double hi, double pixel = 0) {
    from = int(std::clamp(std::floor(lo - pixel) - 2, 0.0, double(N) + 1));
    to = int(std::clamp(std::ceil(hi + pixel) + 2, -1.0, double(N)));
  };
  switch (Direction) {
    case ifdTopBottom:
    case ifdBottomTop: keep(double(clip.Top) - Rect.Top, double(clip.Bottom) - Rect.Top); break;
    case ifdLeftRight:
    case ifdRightLeft: keep(double(clip.Left) - Rect.Left, double(clip.Right) - Rect.Left); break;
    case ifdTopLeftBottomRight:
    case ifdBottomRightTopLeft:
      // Step i draws near x / right + y / bottom = 2i / N.
      if (right > 0 && bottom > 0)
        keep((clip.Left / right + clip.Top / bottom) * N / 2, ((clip.Right + 1) / right + clip.Bottom / bottom) * N / 2,
             (1 / right + 1 / bottom) * N / 2);
      break;
    case ifdBottomLeftTopRight:
    case ifdTopRightBottomLeft:
      // Step i draws near x / right + (bottom - y) / bottom = 2i / N.
      if (right > 0 && bottom > 0)
        keep((clip.Left / right + (bottom - clip.Bottom) / bottom) * N / 2,
             (clip.Right / right + (bottom - clip.Top) / bottom) * N / 2, (1 / right + 1 / bottom) * N / 2);
      break;
    default: break;
  }
  for (int i = from; i <= to; ++i) {
    // A single step (N = 0) is drawn in the start colour.
    const double f = N == 0 ? 0.0 : double(i) / N;
    Canvas.Pen.Color = even ? Mix(f, c2, c1) : Mix(f, c1, c2);
    switch (Direction) {
      case ifdTopBottom:
      case ifdBottomTop:
        Canvas.MoveTo(Rect.Left, Rect.Top + i);
        Canvas.LineTo(Rect.Right, Rect.Top + i);
        break;
      case ifdLeftRight:
      case ifdRightLeft:
        Canvas.MoveTo(Rect.Left + i, Rect.Top);
        Canvas.LineTo(Rect.Left + i, Rect.Bottom);
        break;
      case ifdTopLeftBottomRight:
      case ifdBottomRightTopLeft: {
        const TPoint a{Round(2 * f * right) - 1, 0}, b{-1, Round(2 * f * bottom)};
        if (!Misses(clip, a, b)) {
          Canvas.MoveTo(a.X, a.Y);
          Canvas.LineTo(b.X, b.Y);
        }
        break;
      }
      case ifdBottomLeftTopRight:
      case ifdTopRightBottomLeft: {
        const TPoint a{0, int(bottom) - Round(2 * f * bottom)}, b{Round(2 * f * right), int(bottom)};
        if (!Misses(clip, a, b)) {
          Canvas.MoveTo(a.X, a.Y);
          Canvas.LineTo(b.X, b.Y);
        }
        break;
      }
      default: {
        const double s = Direction >= ifdCircleOut ? f * 1.414 : f;
        const int l = Round(cx - s * right / 2), t = Round(cy - s * bottom / 2);
        const int r = Round(cx + s * right / 2), b = Round(cy + s * bottom / 2);
        if (Direction >= ifdCircleOut)
          Canvas.Ellipse(l, t, r, b);
        else
          Canvas.Rectangle(l, t, r, b);
        break;
      }
    }
  }
  if (Direction == ifdRectangleOut) Canvas.SetPixel(Round(cx), Round(cy), c1);
  if (Direction == ifdRectangleIn) Canvas.SetPixel(Round(cx), Round(cy), c2);
  Canvas.Pen = pen;
  Canvas.Brush = brush;
}

void DrawBorder3D(Canvas& Canvas, const TRect& Rect, int Kind) {
  using namespace platform;
  const TPen pen = Canvas.Pen;
  TRect r = Rect;
  switch (Kind) {
    case 0:
      FrameBand(Canvas, r, clBtnShadow, clBtnHighlight);
      FrameBand(Canvas, r, cl3DDkShadow, cl3DLight);
      break;
    case 1:
      FrameBand(Canvas, r, cl3DLight, cl3DDkShadow);
      FrameBand(Canvas, r, clBtnHighlight, clBtnShadow);
      break;
    case 2: {
      Canvas.Pen = TPen{clBtnShadow, 1, psSolid, pmCopy};
      const TPoint pts[] = {{Rect.Left, Rect.Top},
                            {Rect.Right - 1, Rect.Top},
                            {Rect.Right - 1, Rect.Bottom - 1},
                            {Rect.Left, Rect.Bottom - 1}};
      Canvas.Polygon(pts);
      break;
    }
    default: break;
  }
  Canvas.Pen = pen;
}

void DrawFocusRectangle(Canvas& Canvas, const TRect& Rect) {
  if (Rect.IsEmpty()) return;
  QPainter& p = Canvas.Painter();
  p.save();
  if (p.device() && p.device()->devType() == QInternal::Image)
    p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  // Every other pixel of the frame, on the even pixels of the canvas.
  auto dot = [&p](int x, int y) {
    if (((x + y) & 1) == 0) p.drawRect(x, y, 1, 1);
  };
  for (int x = Rect.Left; x < Rect.Right; ++x) {
    dot(x, Rect.Top);
    if (Rect.Bottom - 1 > Rect.Top) dot(x, Rect.Bottom - 1);
  }
  for (int y = Rect.Top + 1; y < Rect.Bottom - 1; ++y) {
    dot(Rect.Left, y);
    if (Rect.Right - 1 > Rect.Left) dot(Rect.Right - 1, y);
  }
  p.restore();
}

void FillFocusRectangle(Canvas& Canvas, const TRect& Rect, TColor Color) {
  Canvas.Pen.Color = Color;
  Canvas.Brush.Color = Color;
  DrawFocusRectangle(Canvas, Rect);
}

void DrawShadedDisk(Canvas& Canvas, TColor LightColor, TColor DarkColor, bool Sunken, int Radius, TPoint Centre) {
  if (Radius <= 0) return;
  const TColor light = platform::ColorToRGB(LightColor), dark = platform::ColorToRGB(DarkColor);
  const double R = Radius;
  const double limit = R / kSqrt2 + 2;
  const int k = int(limit);
  // The chord at p lies where x + y = Centre.X + Centre.Y + 2p: only those
  // crossing the clip are drawn, so a disk far larger than the canvas costs
  // no more than the canvas's diagonal.
  const TRect clip = Canvas.ClipRect();
  const double c = double(Centre.X) + Centre.Y;
  const double first = std::max(-double(k), std::floor((double(clip.Left) + clip.Top - c) / 2) - 2);
  const double last = std::min(limit, std::ceil((double(clip.Right) + clip.Bottom - c) / 2) + 3);
  const platform::TPen pen = Canvas.Pen;
  Canvas.Pen = platform::TPen{light, 1, platform::psSolid, platform::pmCopy};
  // (p, p) walks the top-left to bottom-right diagonal; each chord crosses it
  // at right angles.
  for (double p = -k + std::max(0.0, std::ceil((first + k) * 2) / 2); p < last; p += 0.5) {
    const double t = std::fabs(p) * kSqrt2;
    if (t > R) continue;
    const double half = std::sqrt(R * R - t * t) / kSqrt2;
    const double w = (R + p) / (2 * R);
    Canvas.Pen.Color = Sunken ? Mix(w, light, dark) : Mix(w, dark, light);
    const double x = Centre.X + p, y = Centre.Y + p;
    // The chord runs at 45 degrees: cut to a few pixels around the clip, it
    // keeps its pixels and its ends stay in int.
    const double from = std::max(x - half, clip.Left - 4.0), to = std::min(x + half, clip.Right + 4.0);
    if (from > to) continue;
    const double fromY = from == x - half ? y + half : x + y - from, toY = to == x + half ? y - half : x + y - to;
    const TPoint chord[] = {{Round(from) - 1, Round(fromY) - 1}, {Round(to) - 1, Round(toY) - 1}};
    Canvas.Polyline(chord);
  }
  Canvas.Pen = pen;
}

void DrawRaisedDisk(Canvas& Canvas, TColor Color, TPoint Centre, int Radius) {
  DrawShadedDisk(Canvas, Lighten32(Color), Darken64(Color), false, Radius, Centre);
}

void DrawSunkenDisk(Canvas& Canvas, TColor Color, TPoint Centre, int Radius) {
  DrawShadedDisk(Canvas, Lighten32(Color), Darken64(Color), true, Radius, Centre);
}

// ---- geometry ---------------------------------------------------------------

TRect CenteredRect(int X, int Y, int Width, int Height) {
  return {X - Width / 2, Y - Height / 2, X + Width - Width / 2, Y + Height - Height / 2};
}

TRect MakeOrderedRect(int X1, int Y1, int X2, int Y2) {
  return {std::min(X1, X2), std::min(Y1, Y2), std::max(X1, X2), std::max(Y1, Y2)};
}

TRect OrientedRect(bool Vertical, int X1, int Y1, int X2, int Y2) {
  return Vertical ? MakeOrderedRect(Y1, X1, Y2, X2) : MakeOrderedRect(X1, Y1, X2, Y2);
}

TPoint OrientedPoint(bool Vertical, int A, int B) { return Vertical ? TPoint{B, A} : TPoint{A, B}; }
TPoint TransposePoint(bool Vertical, int A, int B) { return OrientedPoint(Vertical, A, B); }

TPoint PolarPointF(double X, double Y, double Radius, double Degrees) {
  const double a = Degrees * M_PI / 180.0;
  return {int(std::trunc(X + Radius * std::cos(a))), int(std::trunc(Y - Radius * std::sin(a)))};
}

TwDoublePoint DoublePoint(double X, double Y) { return {X, Y}; }

void SwapIntegers(int& A, int& B) { std::swap(A, B); }

// ---- numbers and time -------------------------------------------------------

int SignificantDecimals(double Magnitude, int Decimals) {
  const double m = std::fabs(Magnitude);
  int cap = kMaxDecimals;
  // Digits past the 17th of a double are noise; a zero has none to lose.
  if (m > 0 && std::isfinite(m)) cap = std::min(cap, 17 - (int(std::floor(std::log10(m))) + 1));
  return std::clamp(Decimals, 0, std::max(cap, 0));
}

std::string FixedText(double Value, int Decimals) {
  const int d = SignificantDecimals(Value, Decimals);
  if (!(std::fabs(Value) >= 1e17) || !std::isfinite(Value)) return platform::FormatC("%.*f", d, Value);
  // Printf writes a large double's whole binary expansion; its 17 leading
  // digits, rounded, then zeros, are what the double holds.
  const std::string e = platform::FormatC("%.16e", Value);  // "-d.dddddddddddddddde+NNN"
  const std::size_t mark = e.find('e');
  const bool negative = e[0] == '-';
  std::string digits = e.substr(negative ? 1 : 0, mark - (negative ? 1 : 0));
  digits.erase(1, 1);  // the point
  const int exponent = std::atoi(e.c_str() + mark + 1);
  digits.append(std::size_t(std::max(0, exponent + 1 - int(digits.size()))), '0');
  return (negative ? "-" : "") + digits;
}

int CalcAutoPrecision(int Precision, TwPrecisionStyle Style, double Min, double Max) {
  // The labels run from Min to Max: their largest magnitude sets how many
  // places still hold significant digits.
  const double magnitude = std::max(std::fabs(Min), std::fabs(Max));
  if (Style == ipsFixedDecimalPoints) return SignificantDecimals(magnitude, Precision);
  if (Style != ipsSignificantDigits || Precision <= 0) return 0;
  const double s = std::fabs(Max - Min);
  if (s == 0) return 0;
  int places = std::min(Precision, 17) - (int(std::trunc(std::log10(s))) + 1);
  if (s < 1) ++places;
  return SignificantDecimals(magnitude, places);
}

namespace {

// Whole units (unitMs milliseconds each) in a date-time, in 64 bits.
int DateTimeToUnits(double DateTime, std::int64_t unitMs, int negative) {
  if (!(DateTime >= 0)) return negative;
  const double days = std::trunc(DateTime + 1e-15);
  if (days > 1e9) return INT_MAX;  // far beyond any Integer result
  std::int64_t ms = std::int64_t(days) * 86400000 + std::llround((DateTime - days) * 86400000.0);
  if (ms < 0) return negative;
  const std::int64_t units = ms / unitMs;
  return units > INT_MAX ? INT_MAX : int(units);
}

}  // namespace

int DateTimeToMilliseconds(double DateTime) { return DateTimeToUnits(DateTime, 1, INT_MAX); }
int DateTimeToSeconds(double DateTime) { return DateTimeToUnits(DateTime, 1000, INT_MAX); }
int DateTimeToMinutes(double DateTime) { return DateTimeToUnits(DateTime, 60000, 10000); }
int DateTimeToHours(double DateTime) { return DateTimeToUnits(DateTime, 3600000, INT_MAX); }

// ---- keys, focus, forms -----------------------------------------------------

bool ShiftKeyDown() { return QGuiApplication::queryKeyboardModifiers() & Qt::ShiftModifier; }
bool CtrlKeyDown() { return QGuiApplication::queryKeyboardModifiers() & Qt::ControlModifier; }
bool AltKeyDown() { return QGuiApplication::queryKeyboardModifiers() & Qt::AltModifier; }

void FocusHandle(QWidget* Control) {
  if (Control) Control->setFocus();
}

QWidget* FindOwnerForm(QObject* Component) {
  QWidget* last = nullptr;
  for (QObject* o = Component ? Component->parent() : nullptr; o; o = o->parent()) {
    if (auto* w = qobject_cast<QWidget*>(o)) {
      if (w->isWindow()) return w;
      last = w;
    }
  }
  return last;
}

void PageControlSetPageIndex(QTabWidget* PageControl, int Index) {
  if (PageControl && Index >= 0 && Index < PageControl->count()) PageControl->setCurrentIndex(Index);
}

int PageControlGetPageIndex(QTabWidget* PageControl) { return PageControl ? PageControl->currentIndex() : -1; }

// ---- printer ----------------------------------------------------------------

double MillimetresToInches(double Value) { return Value / 25.4; }

void PaperSizeInches(int PaperCode, double& Width, double& Height) {
  const QPageSize::PageSizeId id = QPageSize::id(PaperCode);
  if (id == QPageSize::Custom || PaperCode <= 0) {
    Width = 8.5;
    Height = 11;
    return;
  }
  const QSizeF size = QPageSize::definitionSize(id);
  switch (QPageSize::definitionUnits(id)) {
    case QPageSize::Millimeter:
      Width = MillimetresToInches(size.width());
      Height = MillimetresToInches(size.height());
      break;
    case QPageSize::Inch:
      Width = size.width();
      Height = size.height();
      break;
    default: {
      const QSizeF inches = QPageSize::size(id, QPageSize::Inch);
      Width = inches.width();
      Height = inches.height();
      break;
    }
  }
}

void GetPrinterPaperSizeInches(double& Width, double& Height) {
  QPrinter printer;
  const QPageLayout layout = printer.pageLayout();
  PaperSizeInches(layout.pageSize().windowsId(), Width, Height);
  if (layout.orientation() == QPageLayout::Landscape) std::swap(Width, Height);
}
