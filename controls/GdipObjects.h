// The GDI+ object layer: graphics, pens, brushes, paths, regions, matrices,
// images, image attributes, fonts and string formats in the GDI+ shape, drawn
// through QPainter. Panels, pictures, fills and the splash screen paint through
// these wrappers.
//
// Every wrapper holds one native object (the Qt value it stands for) and the
// status of its last failed call. Nothing throws: an operation returns its
// status, and only a status other than Ok is kept, so a later good call does
// not hide an earlier failure. GetLastStatus (graphics, matrix, image
// attributes) returns the kept status and resets it to Ok.
//
// Drawing rules, as GDI+ draws:
// - Pixel centres sit on integer coordinates. While anti-aliasing is on, half a
//   pixel is added to the coordinates of each path, line and fill call (never
//   to the painter's transform, so wrappers nested on one painter do not add it
//   twice). Images at their own size on integer positions land pixel for pixel.
// - A TGPGraphics keeps no drawing state besides its status: smoothing, clip
//   and transform live in the painter it draws on.
// - Pens have flat caps, miter joins (limit 10) and the GDI+ dash patterns.
// - Angles are degrees, clockwise from the positive x axis.
// - Text: a measured box is the advance without trailing spaces plus 1/6 em on
//   each side; DrawString starts its glyphs 1/6 em right of its origin. Face
//   names pass through platform::StandInFontFamily; a face whose stand-in is not
//   installed is FontFamilyNotFound.
// - Operations with no Qt counterpart (output channels, colour profiles,
//   adjusted palettes, GetHBITMAP, SaveAdd) return NotImplemented.
#pragma once

#include <QByteArray>
#include <QFont>
#include <QImage>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QTransform>

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "platform/Canvas.h"
#include "platform/Graphics.h"

class QIODevice;
class QPainter;

// GDI+ status codes.
enum TStatus : int {
  Ok = 0, GenericError, InvalidParameter, OutOfMemory, ObjectBusy, InsufficientBuffer, NotImplemented,
  Win32Error, WrongState, Aborted, FileNotFound, ValueOverflow, AccessDenied, UnknownImageFormat,
  FontFamilyNotFound, FontStyleNotFound, NotTrueTypeFont, UnsupportedGdiplusVersion, GdiplusNotInitialized,
  PropertyNotFound, PropertyNotSupported
};

// A GDI+ colour: alpha in bits 24-31, then red, green, blue.
using ARGB = std::uint32_t;

// GDI+ enumerations, with their GDI+ numbers.
enum TGPImageFormat { ifUndefined, ifMemoryBMP, ifBMP, ifEMF, ifWMF, ifJPEG, ifPNG, ifGIF, ifTIFF, ifEXIF, ifIcon };
enum { SmoothingModeInvalid = -1, SmoothingModeDefault = 0, SmoothingModeHighSpeed = 1, SmoothingModeHighQuality = 2,
       SmoothingModeNone = 3, SmoothingModeAntiAlias = 4 };
enum { TextRenderingHintSystemDefault = 0, TextRenderingHintSingleBitPerPixelGridFit = 1,
       TextRenderingHintSingleBitPerPixel = 2, TextRenderingHintAntiAliasGridFit = 3,
       TextRenderingHintAntiAlias = 4, TextRenderingHintClearTypeGridFit = 5 };
enum { CompositingQualityDefault = 0 };
enum { FillModeAlternate = 0, FillModeWinding = 1 };
enum { CombineModeReplace = 0, CombineModeIntersect = 1, CombineModeUnion = 2, CombineModeXor = 3,
       CombineModeExclude = 4, CombineModeComplement = 5 };
enum { MatrixOrderPrepend = 0, MatrixOrderAppend = 1 };
enum { UnitWorld = 0, UnitDisplay = 1, UnitPixel = 2, UnitPoint = 3, UnitInch = 4, UnitDocument = 5,
       UnitMillimeter = 6 };
enum { DashStyleSolid = 0, DashStyleDash = 1, DashStyleDot = 2, DashStyleDashDot = 3, DashStyleDashDotDot = 4,
       DashStyleCustom = 5 };
enum { LineCapFlat = 0, LineCapSquare = 1, LineCapRound = 2, LineCapTriangle = 3 };
enum { BrushTypeSolidColor = 0, BrushTypeHatchFill = 1, BrushTypeTextureFill = 2, BrushTypePathGradient = 3,
       BrushTypeLinearGradient = 4 };
enum { PenTypeSolidColor = 0, PenTypeHatchFill = 1, PenTypeTextureFill = 2, PenTypePathGradient = 3,
       PenTypeLinearGradient = 4, PenTypeUnknown = -1 };
enum { WrapModeTile = 0, WrapModeTileFlipX = 1, WrapModeTileFlipY = 2, WrapModeTileFlipXY = 3, WrapModeClamp = 4 };
enum { LinearGradientModeHorizontal = 0, LinearGradientModeVertical = 1, LinearGradientModeForwardDiagonal = 2,
       LinearGradientModeBackwardDiagonal = 3 };
// The six basic hatch styles; higher GDI+ styles draw as the nearest of them.
enum { HatchStyleHorizontal = 0, HatchStyleVertical = 1, HatchStyleForwardDiagonal = 2,
       HatchStyleBackwardDiagonal = 3, HatchStyleCross = 4, HatchStyleDiagonalCross = 5, HatchStyleTotal = 53 };
enum { FontStyleRegular = 0, FontStyleBold = 1, FontStyleItalic = 2, FontStyleBoldItalic = 3,
       FontStyleUnderline = 4, FontStyleStrikeout = 8 };
enum { StringAlignmentNear = 0, StringAlignmentCenter = 1, StringAlignmentFar = 2 };
enum { StringFormatFlagsMeasureTrailingSpaces = 0x800, StringFormatFlagsNoWrap = 0x1000 };
enum { HotkeyPrefixNone = 0, HotkeyPrefixShow = 1, HotkeyPrefixHide = 2 };
enum { StringTrimmingNone = 0 };
enum { ColorAdjustTypeDefault = 0, ColorAdjustTypeBitmap = 1, ColorAdjustTypeBrush = 2, ColorAdjustTypePen = 3,
       ColorAdjustTypeText = 4, ColorAdjustTypeCount = 5 };
enum { ColorMatrixFlagsDefault = 0 };
enum { ColorChannelFlagsLast = 4 };
enum { RotateNoneFlipNone = 0, Rotate90FlipNone = 1, Rotate180FlipNone = 2, Rotate270FlipNone = 3,
       RotateNoneFlipX = 4, Rotate90FlipX = 5, Rotate180FlipX = 6, Rotate270FlipX = 7 };

// GDI+ pixel formats: depth in bits 8-15, indexed bit 16, alpha bit 18.
enum : int {
  PixelFormatIndexed = 0x00010000, PixelFormatGDI = 0x00020000, PixelFormatAlpha = 0x00040000,
  PixelFormatPAlpha = 0x00080000, PixelFormatExtended = 0x00100000, PixelFormatCanonical = 0x00200000,
  PixelFormatUndefined = 0,
  PixelFormat1bppIndexed = 0x00030101, PixelFormat4bppIndexed = 0x00030402, PixelFormat8bppIndexed = 0x00030803,
  PixelFormat16bppGrayScale = 0x00101004, PixelFormat16bppRGB555 = 0x00021005, PixelFormat16bppRGB565 = 0x00021006,
  PixelFormat16bppARGB1555 = 0x00061007, PixelFormat24bppRGB = 0x00021808, PixelFormat32bppRGB = 0x00022009,
  PixelFormat32bppARGB = 0x0026200A, PixelFormat32bppPARGB = 0x000E200B, PixelFormat48bppRGB = 0x0010300C,
  PixelFormat64bppARGB = 0x0034400D, PixelFormat64bppPARGB = 0x001C400E
};

struct TGPPointF {
  float X = 0, Y = 0;
  QPointF ToQt() const { return {X, Y}; }
  static TGPPointF FromQt(const QPointF& p) { return {float(p.x()), float(p.y())}; }
};
struct TGPPoint {
  int X = 0, Y = 0;
  QPoint ToQt() const { return {X, Y}; }
  static TGPPoint FromQt(const QPoint& p) { return {p.x(), p.y()}; }
};
struct TGPRectF {
  float X = 0, Y = 0, Width = 0, Height = 0;
  QRectF ToQt() const { return {X, Y, Width, Height}; }
  static TGPRectF FromQt(const QRectF& r) { return {float(r.x()), float(r.y()), float(r.width()), float(r.height())}; }
};
struct TGPRect {
  int X = 0, Y = 0, Width = 0, Height = 0;
  QRect ToQt() const { return {X, Y, Width, Height}; }
  static TGPRect FromQt(const QRect& r) { return {r.x(), r.y(), r.width(), r.height()}; }
};

// A 5 x 5 colour matrix acting on (r, g, b, a, 1) rows of 0..1 values.
struct TColorMatrix {
  float m[5][5] = {};
};
struct TColorMap {
  ARGB oldColor = 0, newColor = 0;
};

// A cardinal spline through points as cubic Bezier pieces (GDI+ tension 0.5
// is the default). An empty path starts at the first point; otherwise the
// current figure runs on to it.
void AddCardinalSpline(QPainterPath& path, std::span<const QPointF> points, double tension = 0.5);

class TGPBrush;
class TGPImage;
class TGPImageAttributes;
class TGPFont;
class TGPFontFamily;
class TGPFontCollection;
class TGPStringFormat;
class TGPGraphicsPath;
class TGPRegion;
class TGPMatrix;
class TGPPen;

class TGdiplusBase {
 public:
  virtual ~TGdiplusBase() = default;
  TGdiplusBase() = default;
  TGdiplusBase(const TGdiplusBase&) = delete;
  TGdiplusBase& operator=(const TGdiplusBase&) = delete;
};

// A drawing surface: a caller's painter (a paint event's, or one on a QImage)
// or its own painter on a TGPImage.
class TGPGraphics : public TGdiplusBase {
 public:
  explicit TGPGraphics(QPainter& hdc);
  // nullptr gives no native object and status Ok; every call then fails.
  explicit TGPGraphics(TGPImage* image);
  ~TGPGraphics() override;
  static TGPGraphics* FromImage(TGPImage* image) { return new TGPGraphics(image); }

  QPainter* Painter() const { return nativeGraphics; }

  void Flush(int intention = 0);
  TStatus Clear(ARGB color);
  // A GDI-style canvas on the same painter, until ReleaseHDC.
  platform::Canvas* GetHDC();
  void ReleaseHDC(platform::Canvas* hdc);
  TStatus SetSmoothingMode(int mode);
  int GetSmoothingMode();
  TStatus SetTextRenderingHint(int hint);
  int GetTextRenderingHint();
  TStatus SetCompositingQuality(int quality);
  int GetCompositingQuality();
  TStatus SetTransform(const TGPMatrix* matrix);
  TStatus ResetTransform();
  TStatus SetClip(const TGPRegion* region, int combineMode = CombineModeReplace);
  TStatus SetClip(const TGPGraphicsPath* path, int combineMode = CombineModeReplace);
  TStatus ExcludeClip(const TGPRectF& rect);
  TStatus ExcludeClip(const TGPRegion* region);
  TStatus ResetClip();

  TStatus DrawLine(const TGPPen* pen, float x1, float y1, float x2, float y2);
  TStatus DrawArc(const TGPPen* pen, float x, float y, float width, float height, float startAngle, float sweepAngle);
  TStatus DrawArc(const TGPPen* pen, const TGPRectF& rect, float startAngle, float sweepAngle);
  TStatus DrawRectangle(const TGPPen* pen, const TGPRectF& rect);
  TStatus DrawRectangle(const TGPPen* pen, float x, float y, float width, float height);
  TStatus DrawEllipse(const TGPPen* pen, const TGPRectF& rect);
  TStatus DrawEllipse(const TGPPen* pen, float x, float y, float width, float height);
  TStatus DrawEllipse(const TGPPen* pen, const TGPRect& rect);
  TStatus DrawEllipse(const TGPPen* pen, int x, int y, int width, int height);
  TStatus DrawPath(const TGPPen* pen, const TGPGraphicsPath* path);
  TStatus FillRectangle(const TGPBrush* brush, const TGPRectF& rect);
  TStatus FillRectangle(const TGPBrush* brush, float x, float y, float width, float height);
  TStatus FillEllipse(const TGPBrush* brush, const TGPRectF& rect);
  TStatus FillEllipse(const TGPBrush* brush, float x, float y, float width, float height);
  TStatus FillEllipse(const TGPBrush* brush, const TGPRect& rect);
  TStatus FillEllipse(const TGPBrush* brush, int x, int y, int width, int height);
  TStatus FillPolygon(const TGPBrush* brush, const TGPPointF* points, int count, int fillMode = FillModeAlternate);
  TStatus FillPolygon(const TGPBrush* brush, const TGPPoint* points, int count, int fillMode = FillModeAlternate);
  TStatus FillPath(const TGPBrush* brush, const TGPGraphicsPath* path);

  TStatus DrawImage(TGPImage* image, float x, float y, float width, float height);
  TStatus DrawImage(TGPImage* image, const TGPRectF& rect);
  TStatus DrawImage(TGPImage* image, int x, int y);
  TStatus DrawImageRect(TGPImage* image, int x, int y, int w, int h);
  TStatus DrawImageRect(TGPImage* image, const TGPRectF& rect);
  TStatus DrawImage(TGPImage* image, const TGPRectF& destRect, float srcx, float srcy, float srcwidth,
                    float srcheight, int srcUnit, const TGPImageAttributes* imageAttributes = nullptr,
                    void* callback = nullptr, void* callbackData = nullptr);

  // length -1: the whole string; a length beyond the text is cut to it.
  TStatus DrawString(const QString& string, int length, const TGPFont* font, const TGPPointF& origin,
                     const TGPBrush* brush);
  TStatus DrawString(const QString& string, int length, const TGPFont* font, const TGPPointF& origin,
                     const TGPStringFormat* stringFormat, const TGPBrush* brush);
  TStatus DrawString(const QString& string, int length, const TGPFont* font, const TGPRectF& layoutRect,
                     const TGPStringFormat* stringFormat, const TGPBrush* brush);
  TStatus MeasureString(const QString& string, int length, const TGPFont* font, const TGPRectF& layoutRect,
                        const TGPStringFormat* stringFormat, TGPRectF& boundingBox, int* codepointsFitted = nullptr,
                        int* linesFilled = nullptr);
  TStatus MeasureString(const QString& string, int length, const TGPFont* font, const TGPPointF& origin,
                        const TGPStringFormat* stringFormat, TGPRectF& boundingBox);
  TStatus MeasureString(const QString& string, int length, const TGPFont* font, const TGPRectF& layoutRect,
                        TGPRectF& boundingBox);

  // The GDI+ font of a canvas font (point size and style); the caller frees it.
  static TGPFont* MakeFont(const platform::TFont& font);
  int TextWidth(const QString& string, const platform::TFont& font);
  int TextHeight(const QString& string, const platform::TFont& font);
  // Measures as DrawText with DT_CALCRECT would (returning rect's height) and,
  // without DT_CALCRECT, draws the string at rect's top-left; a background
  // colour other than clNone fills the measured box first.
  int DrawText(const QString& string, int len, platform::TRect& rect, const platform::TFont& font, unsigned style,
               platform::TColor bkColor);

  TStatus GetLastStatus();

 private:
  TStatus SetStatus(TStatus status);
  TStatus Check(bool ok) { return SetStatus(ok ? Ok : InvalidParameter); }
  double Offset() const;
  TStatus StrokeShape(const TGPPen* pen, const QPainterPath& shape);
  TStatus FillShape(const TGPBrush* brush, const QPainterPath& shape);
  TStatus CombineClip(const QPainterPath& shape, int combineMode);
  TStatus DrawImageImpl(TGPImage* image, const QRectF& dest, const QRectF& source, const TGPImageAttributes* attr);

  QPainter* nativeGraphics = nullptr;
  TStatus lastResult = Ok;
  std::unique_ptr<QPainter> ownPainter_;
  std::vector<std::unique_ptr<platform::Canvas>> hdcs_;
};

namespace gdipdetail {
// What a brush paints with; path gradients are painted by the graphics.
struct BrushData {
  int type = BrushTypeSolidColor;
  QBrush brush;
  // Linear gradients: the brush rectangle and the gradient across its unit square.
  QRectF rect;
  QPointF unitStart{0, 0}, unitEnd{1, 0};
  bool unitMapped = true;
  std::vector<std::pair<double, ARGB>> stops;
  bool gamma = false;
  int wrapMode = WrapModeTile;
  // Hatch.
  int hatchStyle = 0;
  ARGB foreColor = 0, backColor = 0;
  // Texture.
  QImage texture;
  QTransform textureTransform;
  // Path gradient.
  QPainterPath path;
  bool pathIsEllipse = false;
  QRectF ellipseRect;
  int pathPointCount = 0;
  QPointF centerPoint;
  ARGB centerColor = 0xFFFFFFFF;
  std::vector<ARGB> surroundColors;

  // The brush Qt paints with (path gradients: their surround colour).
  QBrush ToQBrush() const;
};
struct PathData {
  QPainterPath path;
  bool newFigure = true;
  // Set while the path is a single ellipse (path gradients shade it radially).
  bool isEllipse = false;
  QRectF ellipseRect;
};
}  // namespace gdipdetail

class TGPBrush : public TGdiplusBase {
 public:
  // An empty brush whose status is NotImplemented.
  TGPBrush() : lastResult(NotImplemented) {}
  TGPBrush(std::unique_ptr<gdipdetail::BrushData> brush, TStatus status);
  ~TGPBrush() override;
  TGPBrush* Clone() const;
  int GetType() const { return nativeBrush ? nativeBrush->type : -1; }
  TStatus GetLastStatus();
  const gdipdetail::BrushData* Native() const { return nativeBrush.get(); }

 protected:
  explicit TGPBrush(TStatus status) : lastResult(status) {}
  TStatus SetStatus(TStatus status);
  gdipdetail::BrushData* Data();

  std::unique_ptr<gdipdetail::BrushData> nativeBrush;
  TStatus lastResult = Ok;
  friend class TGPPen;
};

class TGPSolidBrush : public TGPBrush {
 public:
  TGPSolidBrush() : TGPBrush(Ok) {}
  explicit TGPSolidBrush(ARGB color);
  TStatus GetColor(ARGB& color);
  TStatus SetColor(ARGB color);
};

class TGPHatchBrush : public TGPBrush {
 public:
  TGPHatchBrush() : TGPBrush(Ok) {}
  TGPHatchBrush(int hatchStyle, ARGB foreColor, ARGB backColor = 0xFF000000);
  int GetHatchStyle();
  TStatus GetForegroundColor(ARGB& color);
  TStatus GetBackgroundColor(ARGB& color);
};

class TGPTextureBrush : public TGPBrush {
 public:
  TGPTextureBrush() : TGPBrush(Ok) {}
  TGPTextureBrush(TGPImage* image, int wrapMode = WrapModeTile);
  TGPTextureBrush(TGPImage* image, int wrapMode, const TGPRectF& dstRect);
  TGPTextureBrush(TGPImage* image, int wrapMode, float dstX, float dstY, float dstWidth, float dstHeight);
  TGPTextureBrush(TGPImage* image, int wrapMode, const TGPRect& dstRect);
  TGPTextureBrush(TGPImage* image, int wrapMode, int dstX, int dstY, int dstWidth, int dstHeight);
  TGPTextureBrush(TGPImage* image, const TGPRectF& dstRect, const TGPImageAttributes* imageAttributes);
  TGPTextureBrush(TGPImage* image, const TGPRect& dstRect, const TGPImageAttributes* imageAttributes);
  TStatus ResetTransform();
  TStatus TranslateTransform(float dx, float dy, int order = MatrixOrderPrepend);
  TStatus ScaleTransform(float sx, float sy, int order = MatrixOrderPrepend);
  TStatus RotateTransform(float angle, int order = MatrixOrderPrepend);
  TStatus SetWrapMode(int wrapMode);
  int GetWrapMode();
  // A new image of the brush's texture; the caller frees it.
  TGPImage* GetImage();

 private:
  void Make(TGPImage* image, int wrapMode, const QRectF& dstRect, const TGPImageAttributes* attributes);
  TStatus Transform(const QTransform& op, int order);
};

class TGPLinearGradientBrush : public TGPBrush {
 public:
  // Status NotImplemented, as GDI+ leaves a brush made without arguments.
  TGPLinearGradientBrush() : TGPBrush(NotImplemented) {}
  TGPLinearGradientBrush(const TGPPointF& point1, const TGPPointF& point2, ARGB color1, ARGB color2);
  TGPLinearGradientBrush(const TGPPoint& point1, const TGPPoint& point2, ARGB color1, ARGB color2);
  TGPLinearGradientBrush(const TGPRectF& rect, ARGB color1, ARGB color2, int mode);
  TGPLinearGradientBrush(const TGPRect& rect, ARGB color1, ARGB color2, int mode);
  TGPLinearGradientBrush(const TGPRectF& rect, ARGB color1, ARGB color2, float angle, bool isAngleScalable = false);
  TGPLinearGradientBrush(const TGPRect& rect, ARGB color1, ARGB color2, float angle, bool isAngleScalable = false);
  TStatus SetGammaCorrection(bool useGammaCorrection);
  TStatus SetInterpolationColors(const ARGB* presetColors, const float* blendPositions, int count);
  TStatus SetWrapMode(int wrapMode);

 private:
  void MakeFromRect(const QRectF& rect, ARGB color1, ARGB color2, QPointF unitStart, QPointF unitEnd);
};

class TGPPathGradientBrush : public TGPBrush {
 public:
  explicit TGPPathGradientBrush(const TGPGraphicsPath* path);
  TStatus SetCenterColor(ARGB color);
  TStatus GetCenterColor(ARGB& color);
  TStatus SetCenterPoint(const TGPPointF& point);
  TStatus SetCenterPoint(const TGPPoint& point);
  TStatus GetCenterPoint(TGPPointF& point);
  TStatus GetCenterPoint(TGPPoint& point);
  int GetPointCount();
  // count: in, the colours given; out, the colours taken (read).
  TStatus SetSurroundColors(const ARGB* colors, int& count);
  TStatus GetSurroundColors(ARGB* colors, int& count);
  TStatus SetInterpolationColors(const ARGB* presetColors, const float* blendPositions, int count);
  TStatus SetGammaCorrection(bool useGammaCorrection);
  TStatus SetWrapMode(int wrapMode);
};

class TGPPen : public TGdiplusBase {
 public:
  TGPPen(ARGB color, float width = 1.0f);
  TGPPen(const TGPBrush* brush, float width = 1.0f);
  ~TGPPen() override;
  TStatus SetDashStyle(int dashStyle);
  int GetDashStyle();
  TStatus SetEndCap(int endCap);
  TStatus SetBrush(const TGPBrush* brush);
  int GetPenType();
  // A new brush of the pen's fill; the caller frees it.
  TGPBrush* GetBrush();
  TStatus GetLastStatus();
  // The Qt pen it strokes with.
  const QPen* Native() const { return nativePen.get(); }

 private:
  TStatus SetStatus(TStatus status);
  void ApplyDash();

  std::unique_ptr<QPen> nativePen;
  TStatus lastResult = Ok;
  int dashStyle_ = DashStyleSolid;
  std::unique_ptr<gdipdetail::BrushData> brush_;
};

class TGPGraphicsPath : public TGdiplusBase {
 public:
  explicit TGPGraphicsPath(int fillMode = FillModeAlternate);
  explicit TGPGraphicsPath(std::unique_ptr<gdipdetail::PathData> nativePath);
  ~TGPGraphicsPath() override;

  TStatus Reset();
  TStatus CloseFigure();
  TStatus AddLine(const TGPPointF& pt1, const TGPPointF& pt2);
  TStatus AddLine(float x1, float y1, float x2, float y2);
  TStatus AddLines(const TGPPoint* points, int count);
  TStatus AddRectangle(const TGPRectF& rect);
  TStatus AddRectangle(const TGPRect& rect);
  TStatus AddArc(const TGPRectF& rect, float startAngle, float sweepAngle);
  TStatus AddArc(float x, float y, float width, float height, float startAngle, float sweepAngle);
  TStatus AddEllipse(const TGPRectF& rect);
  TStatus AddEllipse(float x, float y, float width, float height);
  TStatus AddPie(const TGPRectF& rect, float startAngle, float sweepAngle);
  TStatus AddPie(float x, float y, float width, float height, float startAngle, float sweepAngle);
  TStatus AddPolygon(const TGPPointF* points, int count);
  TStatus AddPolygon(const TGPPoint* points, int count);
  TStatus AddCurve(const TGPPointF* points, int count);
  TStatus AddCurve(const TGPPoint* points, int count);
  TStatus AddCurve(const TGPPoint* points, int count, float tension);
  TStatus AddBezier(const TGPPointF& pt1, const TGPPointF& pt2, const TGPPointF& pt3, const TGPPointF& pt4);
  TStatus AddBezier(const TGPPoint& pt1, const TGPPoint& pt2, const TGPPoint& pt3, const TGPPoint& pt4);
  TStatus AddBezier(float x1, float y1, float x2, float y2, float x3, float y3, float x4, float y4);
  TStatus AddString(const QString& string, int length, const TGPFontFamily* family, int style, float emSize,
                    const TGPRectF& layoutRect, const TGPStringFormat* format);
  int GetPointCount() const;
  TStatus GetLastStatus();

  const QPainterPath& Path() const { return nativePath->path; }
  const gdipdetail::PathData* Native() const { return nativePath.get(); }

 private:
  TStatus SetStatus(TStatus status);
  // Starts a figure at p, or joins the open one with a line to p.
  void JoinTo(const QPointF& p);
  void AddClosed(const QPainterPath& figure);

  std::unique_ptr<gdipdetail::PathData> nativePath;
  TStatus lastResult = Ok;
};

class TGPRegion : public TGdiplusBase {
 public:
  explicit TGPRegion(const TGPRectF& rect);
  explicit TGPRegion(const TGPGraphicsPath* path);
  ~TGPRegion() override;
  TStatus Exclude(const TGPGraphicsPath* path);
  TStatus Union(const TGPRegion* region);
  TStatus GetLastStatus();
  const QPainterPath* Native() const { return nativeRegion.get(); }

 private:
  TStatus SetStatus(TStatus status);
  std::unique_ptr<QPainterPath> nativeRegion;
  TStatus lastResult = Ok;
};

class TGPMatrix : public TGdiplusBase {
 public:
  TGPMatrix();
  TGPMatrix(float m11, float m12, float m21, float m22, float dx, float dy);
  // Maps rect onto the parallelogram of dstplg's three points.
  TGPMatrix(const TGPRectF& rect, const TGPPointF* dstplg);
  TGPMatrix(const TGPRect& rect, const TGPPoint* dstplg);
  ~TGPMatrix() override;
  // A copy, or nullptr when this matrix has no native object.
  TGPMatrix* Clone() const;
  TStatus GetElements(float* m);
  TStatus SetElements(float m11, float m12, float m21, float m22, float dx, float dy);
  TStatus Reset();
  float OffsetX();
  float OffsetY();
  TStatus Multiply(const TGPMatrix* matrix, int order = MatrixOrderPrepend);
  TStatus Translate(float offsetX, float offsetY, int order = MatrixOrderPrepend);
  TStatus Scale(float scaleX, float scaleY, int order = MatrixOrderPrepend);
  TStatus Rotate(float angle, int order = MatrixOrderPrepend);
  TStatus RotateAt(float angle, const TGPPointF& center, int order = MatrixOrderPrepend);
  TStatus Shear(float shearX, float shearY, int order = MatrixOrderPrepend);
  TStatus Invert();
  TStatus TransformPoints(TGPPointF* pts, int count = 1);
  TStatus TransformPoints(TGPPoint* pts, int count = 1);
  TStatus TransformVectors(TGPPointF* pts, int count = 1);
  TStatus TransformVectors(TGPPoint* pts, int count = 1);
  bool IsInvertible();
  bool IsIdentity();
  TStatus GetLastStatus();
  const QTransform* Native() const { return nativeMatrix.get(); }

 private:
  TStatus SetStatus(TStatus status);
  TStatus Combine(const QTransform& op, int order);

  std::unique_ptr<QTransform> nativeMatrix;
  TStatus lastResult = Ok;
};

namespace gdipdetail {
struct ImageData {
  QImage image;
  TGPImageFormat format = ifUndefined;
  int pixelFormat = PixelFormatUndefined;
};
// Decodes an image file's bytes; format ifUndefined and a null image when no
// reader accepts them (EMF and WMF are recognised but measure 0 x 0).
ImageData DecodeImage(const QByteArray& bytes);
// The raw format named by an image file's first bytes.
TGPImageFormat SniffFormat(const QByteArray& bytes);
}  // namespace gdipdetail

class TGPImage : public TGdiplusBase {
 public:
  TGPImage(const QString& filename, bool useEmbeddedColorManagement = false);
  // Reads the stream from its current position to its end.
  TGPImage(QIODevice* stream, bool useEmbeddedColorManagement = false);
  TGPImage(std::unique_ptr<gdipdetail::ImageData> nativeImage, TStatus status);
  ~TGPImage() override;

  unsigned GetWidth();
  unsigned GetHeight();
  int GetPixelFormat();
  int GetPixelDepth() { return (GetPixelFormat() >> 8) & 0xFF; }
  bool HasAlphaChannel() { return (GetPixelFormat() & PixelFormatAlpha) != 0; }
  bool HasPalette() { return (GetPixelFormat() & PixelFormatIndexed) != 0; }
  TGPImageFormat GetFormat();
  // A new image scaled to the size; the caller frees it.
  TGPImage* GetThumbnailImage(unsigned thumbWidth, unsigned thumbHeight, void* callback = nullptr,
                              void* callbackData = nullptr);
  // encoder: an image MIME type ("image/png", "image/bmp", "image/jpeg" ...).
  TStatus Save(const QString& filename, const QByteArray& encoder, const void* encoderParams = nullptr);
  TStatus Save(QIODevice* stream, const QByteArray& encoder, const void* encoderParams = nullptr);
  TStatus SaveAdd(TGPImage* newImage, const void* encoderParams = nullptr);
  TStatus RotateFlip(int rotateFlipType);
  TStatus GetLastStatus();

  // The decoded pixels (null when there are none).
  const QImage& Image() const;
  gdipdetail::ImageData* Native() { return nativeImage.get(); }

 protected:
  TGPImage() = default;
  TStatus SetStatus(TStatus status);

  std::unique_ptr<gdipdetail::ImageData> nativeImage;
  TStatus lastResult = Ok;
};

class TGPBitmap : public TGPImage {
 public:
  TGPBitmap(QIODevice* stream, bool useEmbeddedColorManagement = false);
  TGPBitmap(int width, int height, int format = PixelFormat32bppARGB);
  explicit TGPBitmap(const QImage& image);
  static TGPBitmap* FromStream(QIODevice* stream, bool useEmbeddedColorManagement = false) {
    return new TGPBitmap(stream, useEmbeddedColorManagement);
  }
  TStatus GetHBITMAP(ARGB colorBackground, void** hbmReturn);
  TStatus GetPixel(int x, int y, ARGB& color);
  TStatus SetPixel(int x, int y, ARGB color);
};

namespace gdipdetail {
struct AdjustData {
  bool matrixOn = false;
  TColorMatrix matrix;
  bool thresholdOn = false;
  float threshold = 0;
  bool gammaOn = false;
  float gamma = 1;
  bool noOp = false;
  bool keyOn = false;
  ARGB keyLow = 0, keyHigh = 0;
  std::vector<TColorMap> remap;
};
struct ImageAttrData {
  std::array<AdjustData, ColorAdjustTypeCount> adjust;
  int wrapMode = WrapModeClamp;
  ARGB wrapColor = 0;
  // The image with the adjustments for bitmaps (or, when none are set, the
  // default ones) applied.
  QImage Apply(const QImage& image) const;
};
}  // namespace gdipdetail

class TGPImageAttributes : public TGdiplusBase {
 public:
  TGPImageAttributes();
  TGPImageAttributes(std::unique_ptr<gdipdetail::ImageAttrData> imageAttr, TStatus status);
  ~TGPImageAttributes() override;
  TGPImageAttributes* Clone() const;
  TStatus SetToIdentity(int type = ColorAdjustTypeDefault);
  TStatus Reset(int type = ColorAdjustTypeDefault);
  TStatus SetColorMatrix(const TColorMatrix& colorMatrix, int mode = ColorMatrixFlagsDefault,
                         int type = ColorAdjustTypeDefault);
  TStatus ClearColorMatrix(int type = ColorAdjustTypeDefault);
  TStatus SetColorMatrices(const TColorMatrix& colorMatrix, const TColorMatrix& grayMatrix,
                           int mode = ColorMatrixFlagsDefault, int type = ColorAdjustTypeDefault);
  TStatus ClearColorMatrices(int type = ColorAdjustTypeDefault);
  TStatus SetThreshold(float threshold, int type = ColorAdjustTypeDefault);
  TStatus ClearThreshold(int type = ColorAdjustTypeDefault);
  TStatus SetGamma(float gamma, int type = ColorAdjustTypeDefault);
  TStatus ClearGamma(int type = ColorAdjustTypeDefault);
  TStatus SetNoOp(int type = ColorAdjustTypeDefault);
  TStatus ClearNoOp(int type = ColorAdjustTypeDefault);
  TStatus SetColorKey(ARGB colorLow, ARGB colorHigh, int type = ColorAdjustTypeDefault);
  TStatus ClearColorKey(int type = ColorAdjustTypeDefault);
  TStatus SetOutputChannel(int channelFlags, int type = ColorAdjustTypeDefault);
  TStatus ClearOutputChannel(int type = ColorAdjustTypeDefault);
  TStatus SetOutputChannelColorProfile(const QString& colorProfileFilename, int type = ColorAdjustTypeDefault);
  TStatus ClearOutputChannelColorProfile(int type = ColorAdjustTypeDefault);
  TStatus SetRemapTable(int mapSize, const TColorMap* map, int type = ColorAdjustTypeDefault);
  TStatus ClearRemapTable(int type = ColorAdjustTypeDefault);
  TStatus SetBrushRemapTable(int mapSize, const TColorMap* map);
  TStatus ClearBrushRemapTable();
  TStatus SetWrapMode(int wrap, ARGB color = 0xFF000000, bool clamp = false);
  TStatus GetAdjustedPalette(void* colorPalette, int colorAdjustType);
  TStatus GetLastStatus();
  const gdipdetail::ImageAttrData* Native() const { return nativeImageAttr.get(); }

 private:
  TStatus SetStatus(TStatus status);
  gdipdetail::AdjustData* Adjust(int type);

  std::unique_ptr<gdipdetail::ImageAttrData> nativeImageAttr;
  TStatus lastResult = Ok;
};

// Never filled; families made in it are looked up among the installed ones.
class TGPFontCollection : public TGdiplusBase {
 public:
  TGPFontCollection() = default;
};

class TGPFontFamily : public TGdiplusBase {
 public:
  // FontFamilyNotFound when the face's stand-in is not installed.
  explicit TGPFontFamily(const QString& name, const TGPFontCollection* fontCollection = nullptr);
  TGPFontFamily(const QString& nativeOrig, TStatus status);
  ~TGPFontFamily() override;
  // Process-wide families; the caller never frees them.
  static TGPFontFamily* GenericSansSerif();
  static TGPFontFamily* GenericSerif();
  static TGPFontFamily* GenericMonospace();
  // The installed family drawn with, empty without a native object.
  QString GetFamilyName() const { return nativeFamily; }
  TStatus GetLastStatus();

 private:
  QString nativeFamily;
  TStatus lastResult = Ok;
};

class TGPFont : public TGdiplusBase {
 public:
  TGPFont(const TGPFontFamily* family, float emSize, int style = FontStyleRegular, int unit = UnitPoint);
  // Falls back to the generic sans-serif family when the face is not there.
  TGPFont(const QString& familyName, float emSize, int style = FontStyleRegular, int unit = UnitPoint,
          const TGPFontCollection* fontCollection = nullptr);
  ~TGPFont() override;
  // The Qt font at 96 pixels per inch (its size in pixels may be fractional).
  const QFont& Native() const { return nativeFont; }
  bool IsValid() const { return valid_; }
  QString GetFamilyName() const { return valid_ ? nativeFont.family() : QString(); }
  float GetSize() const { return emSize_; }
  int GetStyle() const { return style_; }
  int GetUnit() const { return unit_; }
  // The em height in pixels.
  double EmPixels() const;
  TStatus GetLastStatus();

 private:
  void Make(const QString& family, float emSize, int style, int unit);

  QFont nativeFont;
  bool valid_ = false;
  float emSize_ = 0;
  int style_ = 0;
  int unit_ = UnitPoint;
  TStatus lastResult = Ok;
};

class TGPStringFormat : public TGdiplusBase {
 public:
  explicit TGPStringFormat(int formatFlags = 0, int language = 0);
  explicit TGPStringFormat(const TGPStringFormat* format);
  ~TGPStringFormat() override;
  TStatus SetAlignment(int align);
  int GetAlignment() const { return alignment_; }
  TStatus SetLineAlignment(int align);
  int GetLineAlignment() const { return lineAlignment_; }
  TStatus SetFormatFlags(int flags);
  int GetFormatFlags() const { return flags_; }
  TStatus SetTrimming(int trimming);
  int GetTrimming() const { return trimming_; }
  TStatus SetHotkeyPrefix(int hotkeyPrefix);
  int GetHotkeyPrefix() const { return hotkeyPrefix_; }
  TStatus GetLastStatus();

 private:
  TStatus SetStatus(TStatus status);

  int flags_ = 0;
  int language_ = 0;
  int alignment_ = StringAlignmentNear;
  int lineAlignment_ = StringAlignmentNear;
  int trimming_ = 1;  // StringTrimmingCharacter
  int hotkeyPrefix_ = HotkeyPrefixNone;
  TStatus lastError = Ok;
};
