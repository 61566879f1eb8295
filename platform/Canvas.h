// Canvas: GDI-style drawing over QPainter, so that drawing code written in
// the terms of a Windows canvas (pen, brush, font, MoveTo/LineTo, Rectangle,
// TextOut, DrawText, bitmaps with a transparent colour) paints the same pixels
// on any QPaintDevice: a QWidget inside its paintEvent, or a QImage used as an
// off-screen page.
//
// Conventions, as in GDI:
// - Coordinates are integer pixels. A TRect excludes its right and bottom
//   edge: FillRect(TRect{0, 0, 10, 10}) fills the pixels 0..9 both ways.
// - Rectangle, Ellipse, RoundRect, Polygon and Pie draw their outline with
//   Pen and fill the inside with Brush. Rectangle's frame covers Left..Right-1
//   and Top..Bottom-1; with an invisible pen the fill is one pixel narrower and
//   lower (Left..Right-2, Top..Bottom-2), as in GDI.
// - LineTo draws from PenPos up to, but not including, its end point and then
//   moves PenPos there; Polyline omits its last point likewise. A line to the
//   current position draws nothing.
// - A pen is invisible with psClear or clNone, a brush with bsClear or clNone,
//   text with a font colour of clNone: the part is simply not painted.
// - Pens wider than one pixel are always solid, with round ends and joins
//   (Windows draws styled pens only one pixel wide). Width 0 means 1.
//   The gaps of dashed pens are never filled.
// - Text: TextOut(x, y) puts the top-left corner of the text cell at (x, y)
//   and moves PenPos to the end of the text. Text is drawn opaque (its cell
//   filled with Brush.Color) when BkMode is bkOpaque and the brush is solid;
//   Brush.Style = bsClear or BkMode = bkTransparent make it transparent.
//   Font.Orientation turns TextOut's text about (x, y).
// - Fonts are sized in pixels at 96 pixels per inch whatever the device's
//   resolution, so a form's "Tahoma, height -11" is 11 pixels everywhere.
//   Windows face names are replaced by installed stand-ins (StandInFontFamily).
// - Anti-aliasing is off by default (GDI); SetAntialias(true) gives the
//   smoothed look of GDI+ drawing, shapes and stretched images alike.
// - Colours are TColor (platform/Graphics.h); system colours are resolved
//   through the fixed system-colour table when drawn.
//
// A Canvas made on a device begins a QPainter and ends it when destroyed; one
// made on a caller's QPainter leaves that painter's state as it found it.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QRegion>
#include <QString>

#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Graphics.h"

class QPaintDevice;

namespace platform {

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
// How the pen and brush combine with what is there: pmNotXor draws a rubber
// band that a second identical drawing erases (raster devices only).
enum TPenMode { pmCopy, pmNot, pmXor, pmNotXor };
// Hatched brushes paint only their lines, in Brush.Color.
enum TBrushStyle { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };
enum TFontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
using TFontStyles = unsigned;  // a set of TFontStyle bits
enum TBkMode { bkOpaque, bkTransparent };

struct TPen {
  TColor Color = clBlack;
  int Width = 1;
  TPenStyle Style = psSolid;
  TPenMode Mode = pmCopy;
  friend bool operator==(const TPen&, const TPen&) = default;
};

struct TBrush {
  TColor Color = clWhite;
  TBrushStyle Style = bsSolid;
  friend bool operator==(const TBrush&, const TBrush&) = default;
};

struct TFont {
  QString Name = QStringLiteral("Tahoma");
  // Pixels: negative is the character (em) height, positive the cell height
  // (ascent plus descent), 0 the default of 16 pixels.
  int Height = -11;
  TColor Color = clWindowText;
  TFontStyles Style = 0;
  // Tenths of a degree, counter-clockwise; honoured by TextOut.
  int Orientation = 0;

  // Size in points (96 pixels per inch): Height = -MulDiv(Size, 96, 72).
  int Size() const { return -MulDiv(Height, 72, 96); }
  void SetSize(int points) { Height = -MulDiv(points, 96, 72); }
  friend bool operator==(const TFont&, const TFont&) = default;
};

// DrawText format flags (the Windows DT_ values). Vertical alignment applies
// only with DT_SINGLELINE, as in Windows; without DT_NOPREFIX "&x" underlines
// x and "&&" shows "&"; the ellipsis flags act on single lines.
constexpr unsigned DT_TOP = 0x0;
constexpr unsigned DT_LEFT = 0x0;
constexpr unsigned DT_CENTER = 0x1;
constexpr unsigned DT_RIGHT = 0x2;
constexpr unsigned DT_VCENTER = 0x4;
constexpr unsigned DT_BOTTOM = 0x8;
constexpr unsigned DT_WORDBREAK = 0x10;
constexpr unsigned DT_SINGLELINE = 0x20;
constexpr unsigned DT_EXPANDTABS = 0x40;
constexpr unsigned DT_NOCLIP = 0x100;
constexpr unsigned DT_CALCRECT = 0x400;
constexpr unsigned DT_NOPREFIX = 0x800;
constexpr unsigned DT_PATH_ELLIPSIS = 0x4000;
constexpr unsigned DT_END_ELLIPSIS = 0x8000;
constexpr unsigned DT_WORD_ELLIPSIS = 0x40000;

// Text argument of the canvas: a QString, UTF-8 std::string or a literal.
class CanvasText {
 public:
  CanvasText(const QString& text) : text_(text) {}
  CanvasText(const std::string& utf8) : text_(QString::fromStdString(utf8)) {}
  CanvasText(std::string_view utf8) : text_(QString::fromUtf8(utf8.data(), qsizetype(utf8.size()))) {}
  CanvasText(const char* utf8) : text_(QString::fromUtf8(utf8)) {}
  const QString& str() const { return text_; }

 private:
  QString text_;
};

class Canvas;

// Sees the shapes a canvas is asked to draw, with their arguments in pixels
// and the canvas's pen and brush at the call (tests record drawing this way).
class CanvasObserver {
 public:
  virtual ~CanvasObserver() = default;
  virtual void OnPolyline(const Canvas& canvas, std::span<const TPoint> points) = 0;
  virtual void OnPolygon(const Canvas& canvas, std::span<const TPoint> points) = 0;
  virtual void OnEllipse(const Canvas& canvas, const TRect& r) = 0;
  virtual void OnRectangle(const Canvas& canvas, const TRect& r) = 0;
  // Lines drawn by LineTo and areas filled by FillRect, for observers that
  // count the work of a paint.
  virtual void OnLineTo(const Canvas&, TPoint /*from*/, TPoint /*to*/) {}
  virtual void OnFillRect(const Canvas&, const TRect&) {}
};

class Canvas {
 public:
  explicit Canvas(QPaintDevice* device);
  explicit Canvas(QPainter& painter);
  ~Canvas();
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  // Drawing state, read at every drawing call; assign freely.
  TPen Pen;
  TBrush Brush;
  TFont Font;
  TBkMode BkMode = bkOpaque;

  // Told of every Polyline, Polygon, Ellipse, Rectangle, LineTo and
  // FillRect; null for none.
  CanvasObserver* Observer = nullptr;

  // The painter underneath, for drawing this class does not offer.
  QPainter& Painter() { return *painter_; }

  bool Antialias() const { return antialias_; }
  void SetAntialias(bool on);

  // Lines.
  TPoint PenPos() const { return penPos_; }
  void MoveTo(int x, int y) { penPos_ = {x, y}; }
  void LineTo(int x, int y);
  void Polyline(std::span<const TPoint> points);

  // Shapes.
  void Rectangle(int left, int top, int right, int bottom);
  void Rectangle(const TRect& r) { Rectangle(r.Left, r.Top, r.Right, r.Bottom); }
  // Fills r with Brush, without an outline.
  void FillRect(const TRect& r);
  // A one-pixel frame just inside r, in Brush.Color.
  void FrameRect(const TRect& r);
  void Ellipse(int left, int top, int right, int bottom);
  void Ellipse(const TRect& r) { Ellipse(r.Left, r.Top, r.Right, r.Bottom); }
  // cornerWidth and cornerHeight size the ellipse that rounds each corner.
  void RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight);
  // Closed and filled with the odd-even rule.
  void Polygon(std::span<const TPoint> points);
  // Arc and Pie run counter-clockwise on the ellipse of the rectangle from its
  // intersection with the ray from the centre through (x3, y3) to that with
  // the ray through (x4, y4); equal rays give the whole ellipse.
  void Arc(int left, int top, int right, int bottom, int x3, int y3, int x4, int y4);
  void Pie(int left, int top, int right, int bottom, int x3, int y3, int x4, int y4);

  // The RGB colour of a pixel; clNone outside the clip or the device, and on
  // devices that cannot be read (widgets): only QImage targets are readable.
  TColor Pixel(int x, int y) const;
  void SetPixel(int x, int y, TColor color);

  // Text.
  int TextWidth(const CanvasText& text) const;
  int TextHeight(const CanvasText& text) const;
  TSize TextExtent(const CanvasText& text) const;
  void TextOut(int x, int y, const CanvasText& text);
  // TextOut clipped to r; an opaque background fills all of r.
  void TextRect(const TRect& r, int x, int y, const CanvasText& text);
  // Windows DrawText: lays the text out in r by the DT_ flags and returns its
  // height (with DT_VCENTER or DT_BOTTOM, the offset from r.Top to the text's
  // bottom). DT_CALCRECT draws nothing and sets r to the text's extent.
  int DrawText(const CanvasText& text, TRect& r, unsigned flags);

  // Images. Stretching is nearest-pixel unless anti-aliasing is on.
  void Draw(int x, int y, const QImage& image);
  void StretchDraw(const TRect& dest, const QImage& image);
  void CopyRect(const TRect& dest, const QImage& image, const TRect& source);
  // As Draw / CopyRect, leaving out the image's pixels of the transparent
  // colour (clNone: none left out).
  void DrawTransparent(int x, int y, const QImage& image, TColor transparent);
  void DrawTransparent(const TRect& dest, const QImage& image, const TRect& source, TColor transparent);

  // Clipping, in the canvas's coordinates. ClipRect is the bounding rectangle
  // of what may be painted (the clip's within the device; the whole device
  // when nothing clips);
  // ResetClip returns to the clip the canvas started with.
  TRect ClipRect() const;
  void SetClipRect(const TRect& r);
  void IntersectClipRect(const TRect& r);
  void ExcludeClipRect(const TRect& r);
  void ResetClip();

  // SaveDC/RestoreDC: pen, brush, font, background mode, pen position,
  // anti-aliasing, clip and origin.
  void Save();
  void Restore();
  // Moves the origin: later coordinates are relative to (dx, dy) of the
  // current ones.
  void OffsetOrigin(int dx, int dy);

 private:
  struct SavedState {
    TPen pen;
    TBrush brush;
    TFont font;
    TBkMode bkMode;
    TPoint penPos;
    bool antialias;
  };

  bool PenVisible() const;
  bool BrushVisible() const;
  bool TextOpaque() const;
  void ApplyPen();
  void ApplyBrush();
  void ApplyNoPen();
  void ApplyNoBrush();
  const QFont& CurrentFont() const;
  void DrawSegment(TPoint from, TPoint to);
  void DrawArcShape(bool pie, int left, int top, int right, int bottom, int x3, int y3, int x4, int y4);

  std::unique_ptr<QPainter> ownPainter_;
  QPainter* painter_;
  QImage* image_ = nullptr;  // the device when it is readable
  bool clipping_ = false;    // the clip the canvas started with
  QRegion clip_;
  bool antialias_ = false;
  TPoint penPos_;
  std::vector<SavedState> saved_;
  mutable TFont fontKey_;
  mutable QFont font_;
  mutable bool fontValid_ = false;
};

// Conversions between this layer's types and Qt's.
QColor ToQColor(TColor color);  // clNone gives a fully transparent colour
TColor FromQColor(const QColor& color);  // alpha 0 gives clNone
inline QRect ToQRect(const TRect& r) { return QRect(r.Left, r.Top, r.Width(), r.Height()); }
inline TRect FromQRect(const QRect& r) { return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()}; }
QFont ToQFont(const TFont& font);

// The installed family that stands in for a Windows face name: Chinese faces
// (宋体/SimSun, 新細明體, SimHei, Microsoft YaHei ...) and any non-Latin name map to
// WenQuanYi Micro Hei, serif faces (Times New Roman ...) to DejaVu Serif,
// fixed-pitch faces (Courier New ...) to DejaVu Sans Mono, every other face
// (Tahoma, MS Sans Serif, Arial, Verdana ...) to DejaVu Sans.
QString StandInFontFamily(const QString& windowsName);

// The colour a bitmap with an automatic transparent colour keys out: its
// bottom-left pixel.
TColor AutoTransparentColor(const QImage& image);
// A copy of the image with the pixels of the transparent colour made fully
// transparent.
QImage TransparentCopy(const QImage& image, TColor transparent);

}  // namespace platform
