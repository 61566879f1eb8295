// Status codes, enumerations and value records of the GDI+ layer (GDI+
// numbering throughout), and the root of every wrapper class.
#pragma once

#include <QPainterPath>
#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QRectF>

#include <cstdint>
#include <span>


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
