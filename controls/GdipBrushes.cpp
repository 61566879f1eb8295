// Brushes and pens of the GDI+ layer.
#include "controls/GdipObjects.h"

#include <QLinearGradient>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

double ToLinear(double c) { return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); }
double ToSrgb(double c) { return c <= 0.0031308 ? c * 12.92 : 1.055 * std::pow(c, 1 / 2.4) - 0.055; }

QColor Mix(ARGB a, ARGB b, double t, bool gamma) {
  auto channel = [&](int shift) {
    const double x = ((a >> shift) & 0xFF) / 255.0, y = ((b >> shift) & 0xFF) / 255.0;
    if (shift == 24 || !gamma) return x + (y - x) * t;
    return ToSrgb(ToLinear(x) + (ToLinear(y) - ToLinear(x)) * t);
  };
  return QColor::fromRgbF(float(channel(16)), float(channel(8)), float(channel(0)), float(channel(24)));
}

QGradient::Spread SpreadOf(int wrapMode) {
  switch (wrapMode) {
    case WrapModeTile: return QGradient::RepeatSpread;
    case WrapModeClamp: return QGradient::PadSpread;
    default: return QGradient::ReflectSpread;
  }
}

// The basic hatch style a GDI+ hatch style draws as.
int BasicHatch(int style) {
  if (style >= HatchStyleHorizontal && style <= HatchStyleDiagonalCross) return style;
  switch (style) {
    case 18: case 20: case 22: case 30: return HatchStyleForwardDiagonal;   // downward diagonals
    case 19: case 21: case 23: case 31: case 38: return HatchStyleBackwardDiagonal;  // upward, diagonal brick
    case 24: case 26: case 28: case 33: return HatchStyleVertical;
    case 25: case 27: case 29: case 32: case 36: case 37: case 39: return HatchStyleHorizontal;
    case 43: case 48: case 49: case 50: return HatchStyleCross;  // grids and checkerboards
    default: return HatchStyleDiagonalCross;  // percentages, confetti, weaves, diamonds
  }
}

// One 8 x 8 cell of a hatch: 1-pixel lines every 8 pixels.
QImage HatchTile(int style, ARGB fore, ARGB back) {
  QImage tile(8, 8, QImage::Format_ARGB32);
  tile.fill(QColor::fromRgba(back));
  const QRgb f = fore;
  const int basic = BasicHatch(style);
  for (int i = 0; i < 8; ++i) {
    if (basic == HatchStyleHorizontal || basic == HatchStyleCross) tile.setPixel(i, 0, f);
    if (basic == HatchStyleVertical || basic == HatchStyleCross) tile.setPixel(0, i, f);
    if (basic == HatchStyleForwardDiagonal || basic == HatchStyleDiagonalCross) tile.setPixel(i, i, f);
    if (basic == HatchStyleBackwardDiagonal || basic == HatchStyleDiagonalCross) tile.setPixel(7 - i, i, f);
  }
  return tile;
}

// The texture tile for a wrap mode: flips repeat a mirrored copy.
QImage WrapTile(const QImage& image, int wrapMode) {
  const bool fx = wrapMode == WrapModeTileFlipX || wrapMode == WrapModeTileFlipXY;
  const bool fy = wrapMode == WrapModeTileFlipY || wrapMode == WrapModeTileFlipXY;
  if ((!fx && !fy) || image.isNull()) return image;
  const int w = image.width(), h = image.height();
  QImage tile(w * (fx ? 2 : 1), h * (fy ? 2 : 1), QImage::Format_ARGB32_Premultiplied);
  QPainter p(&tile);
  p.setCompositionMode(QPainter::CompositionMode_Source);
  p.drawImage(0, 0, image);
  if (fx) p.drawImage(w, 0, image.mirrored(true, false));
  if (fy) p.drawImage(0, h, image.mirrored(false, true));
  if (fx && fy) p.drawImage(w, h, image.mirrored(true, true));
  return tile;
}

std::unique_ptr<gdipdetail::BrushData> NewBrush(int type) {
  auto b = std::make_unique<gdipdetail::BrushData>();
  b->type = type;
  return b;
}

}  // namespace

// ---- Brushes ----

QBrush gdipdetail::BrushData::ToQBrush() const {
  switch (type) {
    case BrushTypeSolidColor: return QBrush(QColor::fromRgba(foreColor));
    case BrushTypeHatchFill: return QBrush(HatchTile(hatchStyle, foreColor, backColor));
    case BrushTypeTextureFill: {
      QBrush b(WrapTile(texture, wrapMode));
      b.setTransform(textureTransform);
      return b;
    }
    case BrushTypeLinearGradient: {
      QLinearGradient g(unitStart, unitEnd);
      g.setSpread(SpreadOf(wrapMode));
      // Gamma correction: intermediate stops computed in linear light.
      const int sub = gamma ? 16 : 1;
      for (std::size_t i = 0; i < stops.size(); ++i) {
        if (i == 0 || sub == 1) {
          g.setColorAt(std::clamp(stops[i].first, 0.0, 1.0), QColor::fromRgba(stops[i].second));
          continue;
        }
        for (int k = 1; k <= sub; ++k) {
          const double t = double(k) / sub;
          const double pos = stops[i - 1].first + (stops[i].first - stops[i - 1].first) * t;
          g.setColorAt(std::clamp(pos, 0.0, 1.0), Mix(stops[i - 1].second, stops[i].second, t, true));
        }
      }
      QBrush b(g);
      if (unitMapped) b.setTransform(QTransform(rect.width(), 0, 0, rect.height(), rect.x(), rect.y()));
      return b;
    }
    default: return QBrush(QColor::fromRgba(surroundColors.empty() ? centerColor : surroundColors.front()));
  }
}

TGPBrush::TGPBrush(std::unique_ptr<gdipdetail::BrushData> brush, TStatus status)
    : nativeBrush(std::move(brush)), lastResult(status) {}

TGPBrush::~TGPBrush() = default;

TGPBrush* TGPBrush::Clone() const {
  if (!nativeBrush) return nullptr;
  return new TGPBrush(std::make_unique<gdipdetail::BrushData>(*nativeBrush), Ok);
}

TStatus TGPBrush::SetStatus(TStatus status) {
  if (status != Ok) lastResult = status;
  return status;
}

TStatus TGPBrush::GetLastStatus() {
  const TStatus s = lastResult;
  lastResult = Ok;
  return s;
}

gdipdetail::BrushData* TGPBrush::Data() { return nativeBrush.get(); }

TGPSolidBrush::TGPSolidBrush(ARGB color) : TGPBrush(Ok) {
  nativeBrush = NewBrush(BrushTypeSolidColor);
  nativeBrush->foreColor = color;
}

TStatus TGPSolidBrush::GetColor(ARGB& color) {
  if (!Data()) return SetStatus(InvalidParameter);
  color = Data()->foreColor;
  return Ok;
}

TStatus TGPSolidBrush::SetColor(ARGB color) {
  if (!Data()) return SetStatus(InvalidParameter);
  Data()->foreColor = color;
  return Ok;
}

TGPHatchBrush::TGPHatchBrush(int hatchStyle, ARGB foreColor, ARGB backColor) : TGPBrush(Ok) {
  if (hatchStyle < HatchStyleHorizontal || hatchStyle >= HatchStyleTotal) {
    lastResult = InvalidParameter;
    return;
  }
  nativeBrush = NewBrush(BrushTypeHatchFill);
  nativeBrush->hatchStyle = hatchStyle;
  nativeBrush->foreColor = foreColor;
  nativeBrush->backColor = backColor;
}

int TGPHatchBrush::GetHatchStyle() {
  if (!Data()) {
    SetStatus(InvalidParameter);
    return -1;
  }
  return Data()->hatchStyle;
}

TStatus TGPHatchBrush::GetForegroundColor(ARGB& color) {
  if (!Data()) return SetStatus(InvalidParameter);
  color = Data()->foreColor;
  return Ok;
}

TStatus TGPHatchBrush::GetBackgroundColor(ARGB& color) {
  if (!Data()) return SetStatus(InvalidParameter);
  color = Data()->backColor;
  return Ok;
}

void TGPTextureBrush::Make(TGPImage* image, int wrapMode, const QRectF& dstRect,
                           const TGPImageAttributes* attributes) {
  if (!image || image->Image().isNull() || wrapMode < WrapModeTile || wrapMode > WrapModeClamp) {
    lastResult = InvalidParameter;
    return;
  }
  QImage tex = image->Image();
  if (!dstRect.isNull()) {
    const QRect part = dstRect.toAlignedRect().intersected(tex.rect());
    if (part.isEmpty()) {
      lastResult = OutOfMemory;
      return;
    }
    tex = tex.copy(part);
  }
  if (attributes && attributes->Native()) tex = attributes->Native()->Apply(tex);
  nativeBrush = NewBrush(BrushTypeTextureFill);
  nativeBrush->texture = tex;
  nativeBrush->wrapMode = wrapMode;
}

TGPTextureBrush::TGPTextureBrush(TGPImage* image, int wrapMode) : TGPBrush(Ok) { Make(image, wrapMode, {}, nullptr); }

TGPTextureBrush::TGPTextureBrush(TGPImage* image, int wrapMode, const TGPRectF& dstRect) : TGPBrush(Ok) {
  Make(image, wrapMode, dstRect.ToQt(), nullptr);
}

TGPTextureBrush::TGPTextureBrush(TGPImage* image, int wrapMode, float dstX, float dstY, float dstWidth,
                                 float dstHeight)
    : TGPBrush(Ok) {
  Make(image, wrapMode, QRectF(dstX, dstY, dstWidth, dstHeight), nullptr);
}

TGPTextureBrush::TGPTextureBrush(TGPImage* image, int wrapMode, const TGPRect& dstRect) : TGPBrush(Ok) {
  Make(image, wrapMode, QRectF(dstRect.ToQt()), nullptr);
}

TGPTextureBrush::TGPTextureBrush(TGPImage* image, int wrapMode, int dstX, int dstY, int dstWidth, int dstHeight)
    : TGPBrush(Ok) {
  Make(image, wrapMode, QRectF(dstX, dstY, dstWidth, dstHeight), nullptr);
}

TGPTextureBrush::TGPTextureBrush(TGPImage* image, const TGPRectF& dstRect, const TGPImageAttributes* imageAttributes)
    : TGPBrush(Ok) {
  Make(image, WrapModeTile, dstRect.ToQt(), imageAttributes);
}

TGPTextureBrush::TGPTextureBrush(TGPImage* image, const TGPRect& dstRect, const TGPImageAttributes* imageAttributes)
    : TGPBrush(Ok) {
  Make(image, WrapModeTile, QRectF(dstRect.ToQt()), imageAttributes);
}

TStatus TGPTextureBrush::Transform(const QTransform& op, int order) {
  if (!Data()) return SetStatus(InvalidParameter);
  QTransform& m = Data()->textureTransform;
  m = order == MatrixOrderAppend ? m * op : op * m;
  return Ok;
}

TStatus TGPTextureBrush::ResetTransform() {
  if (!Data()) return SetStatus(InvalidParameter);
  Data()->textureTransform.reset();
  return Ok;
}

TStatus TGPTextureBrush::TranslateTransform(float dx, float dy, int order) {
  return Transform(QTransform::fromTranslate(dx, dy), order);
}

TStatus TGPTextureBrush::ScaleTransform(float sx, float sy, int order) {
  return Transform(QTransform::fromScale(sx, sy), order);
}

TStatus TGPTextureBrush::RotateTransform(float angle, int order) { return Transform(QTransform().rotate(angle), order); }

TStatus TGPTextureBrush::SetWrapMode(int wrapMode) {
  if (!Data() || wrapMode < WrapModeTile || wrapMode > WrapModeClamp) return SetStatus(InvalidParameter);
  Data()->wrapMode = wrapMode;
  return Ok;
}

int TGPTextureBrush::GetWrapMode() {
  if (!Data()) {
    SetStatus(InvalidParameter);
    return -1;
  }
  return Data()->wrapMode;
}

TGPImage* TGPTextureBrush::GetImage() {
  if (!Data()) SetStatus(InvalidParameter);
  auto img = std::make_unique<gdipdetail::ImageData>();
  if (Data()) {
    img->image = Data()->texture;
    img->format = ifMemoryBMP;
    img->pixelFormat = PixelFormat32bppARGB;
  }
  return new TGPImage(std::move(img), lastResult);
}

void TGPLinearGradientBrush::MakeFromRect(const QRectF& rect, ARGB color1, ARGB color2, QPointF unitStart,
                                          QPointF unitEnd) {
  if (rect.width() <= 0 || rect.height() <= 0) {
    lastResult = OutOfMemory;  // as GDI+ answers an empty rectangle
    return;
  }
  nativeBrush = NewBrush(BrushTypeLinearGradient);
  nativeBrush->rect = rect;
  nativeBrush->unitStart = unitStart;
  nativeBrush->unitEnd = unitEnd;
  nativeBrush->stops = {{0.0, color1}, {1.0, color2}};
}

TGPLinearGradientBrush::TGPLinearGradientBrush(const TGPPointF& point1, const TGPPointF& point2, ARGB color1,
                                               ARGB color2)
    : TGPBrush(Ok) {
  if (point1.X == point2.X && point1.Y == point2.Y) {
    lastResult = OutOfMemory;
    return;
  }
  nativeBrush = NewBrush(BrushTypeLinearGradient);
  nativeBrush->unitMapped = false;
  nativeBrush->unitStart = point1.ToQt();
  nativeBrush->unitEnd = point2.ToQt();
  nativeBrush->rect = QRectF(point1.ToQt(), point2.ToQt()).normalized();
  nativeBrush->stops = {{0.0, color1}, {1.0, color2}};
}

TGPLinearGradientBrush::TGPLinearGradientBrush(const TGPPoint& point1, const TGPPoint& point2, ARGB color1,
                                               ARGB color2)
    : TGPLinearGradientBrush(TGPPointF{float(point1.X), float(point1.Y)}, TGPPointF{float(point2.X), float(point2.Y)},
                             color1, color2) {}

TGPLinearGradientBrush::TGPLinearGradientBrush(const TGPRectF& rect, ARGB color1, ARGB color2, int mode)
    : TGPBrush(Ok) {
  // The gradient runs across the unit square that maps onto the rectangle.
  switch (mode) {
    case LinearGradientModeHorizontal: MakeFromRect(rect.ToQt(), color1, color2, {0, 0}, {1, 0}); break;
    case LinearGradientModeVertical: MakeFromRect(rect.ToQt(), color1, color2, {0, 0}, {0, 1}); break;
    case LinearGradientModeForwardDiagonal: MakeFromRect(rect.ToQt(), color1, color2, {0, 0}, {1, 1}); break;
    case LinearGradientModeBackwardDiagonal: MakeFromRect(rect.ToQt(), color1, color2, {1, 0}, {0, 1}); break;
    default: lastResult = InvalidParameter;
  }
}

TGPLinearGradientBrush::TGPLinearGradientBrush(const TGPRect& rect, ARGB color1, ARGB color2, int mode)
    : TGPLinearGradientBrush(TGPRectF::FromQt(QRectF(rect.ToQt())), color1, color2, mode) {}

TGPLinearGradientBrush::TGPLinearGradientBrush(const TGPRectF& rect, ARGB color1, ARGB color2, float angle,
                                               bool isAngleScalable)
    : TGPBrush(Ok) {
  // The gradient line at the angle, from the corner it meets first to the one it
  // meets last: in the unit square when the angle scales with the rectangle.
  const QRectF r = rect.ToQt();
  const double a = angle * M_PI / 180.0;
  const QPointF d(std::cos(a), std::sin(a));
  const QRectF space = isAngleScalable ? QRectF(0, 0, 1, 1) : r;
  double lo = 1e300, hi = -1e300;
  for (const QPointF& c : {space.topLeft(), space.topRight(), space.bottomLeft(), space.bottomRight()}) {
    const double t = c.x() * d.x() + c.y() * d.y();
    lo = std::min(lo, t);
    hi = std::max(hi, t);
  }
  MakeFromRect(r, color1, color2, d * lo, d * hi);
  if (nativeBrush) nativeBrush->unitMapped = isAngleScalable;
}

TGPLinearGradientBrush::TGPLinearGradientBrush(const TGPRect& rect, ARGB color1, ARGB color2, float angle,
                                               bool isAngleScalable)
    : TGPLinearGradientBrush(TGPRectF::FromQt(QRectF(rect.ToQt())), color1, color2, angle, isAngleScalable) {}

TStatus TGPLinearGradientBrush::SetGammaCorrection(bool useGammaCorrection) {
  if (!Data()) return SetStatus(InvalidParameter);
  Data()->gamma = useGammaCorrection;
  return Ok;
}

TStatus TGPLinearGradientBrush::SetInterpolationColors(const ARGB* presetColors, const float* blendPositions,
                                                       int count) {
  if (count <= 0 || !presetColors || !blendPositions || !Data()) return SetStatus(InvalidParameter);
  if (count < 2 || blendPositions[0] != 0.0f || blendPositions[count - 1] != 1.0f) return SetStatus(InvalidParameter);
  Data()->stops.clear();
  for (int i = 0; i < count; ++i) Data()->stops.emplace_back(blendPositions[i], presetColors[i]);
  return Ok;
}

TStatus TGPLinearGradientBrush::SetWrapMode(int wrapMode) {
  if (!Data() || wrapMode < WrapModeTile || wrapMode > WrapModeClamp) return SetStatus(InvalidParameter);
  Data()->wrapMode = wrapMode;
  return Ok;
}

TGPPathGradientBrush::TGPPathGradientBrush(const TGPGraphicsPath* path) : TGPBrush(Ok) {
  if (!path || !path->Native() || path->GetPointCount() == 0) {
    lastResult = path ? OutOfMemory : InvalidParameter;
    return;
  }
  nativeBrush = NewBrush(BrushTypePathGradient);
  nativeBrush->path = path->Path();
  nativeBrush->pathIsEllipse = path->Native()->isEllipse;
  nativeBrush->ellipseRect = path->Native()->ellipseRect;
  nativeBrush->pathPointCount = path->GetPointCount();
  nativeBrush->centerPoint = path->Path().boundingRect().center();
  nativeBrush->surroundColors = {0xFFFFFFFF};
}

TStatus TGPPathGradientBrush::SetCenterColor(ARGB color) {
  if (!Data()) SetStatus(InvalidParameter);
  else Data()->centerColor = color;
  return lastResult;
}

TStatus TGPPathGradientBrush::GetCenterColor(ARGB& color) {
  if (!Data()) SetStatus(InvalidParameter);
  else color = Data()->centerColor;
  return lastResult;
}

TStatus TGPPathGradientBrush::SetCenterPoint(const TGPPointF& point) {
  if (!Data()) return SetStatus(InvalidParameter);
  Data()->centerPoint = point.ToQt();
  return Ok;
}

TStatus TGPPathGradientBrush::SetCenterPoint(const TGPPoint& point) {
  return SetCenterPoint(TGPPointF{float(point.X), float(point.Y)});
}

TStatus TGPPathGradientBrush::GetCenterPoint(TGPPointF& point) {
  if (!Data()) return SetStatus(InvalidParameter);
  point = TGPPointF::FromQt(Data()->centerPoint);
  return Ok;
}

TStatus TGPPathGradientBrush::GetCenterPoint(TGPPoint& point) {
  if (!Data()) return SetStatus(InvalidParameter);
  point = {int(std::lround(Data()->centerPoint.x())), int(std::lround(Data()->centerPoint.y()))};
  return Ok;
}

int TGPPathGradientBrush::GetPointCount() {
  if (!Data()) {
    SetStatus(InvalidParameter);
    return 0;
  }
  return Data()->pathPointCount;
}

TStatus TGPPathGradientBrush::SetSurroundColors(const ARGB* colors, int& count) {
  const int points = GetPointCount();
  if (!colors || points == 0 || count > points || count <= 0) return SetStatus(InvalidParameter);
  Data()->surroundColors.assign(colors, colors + count);
  return lastResult;
}

TStatus TGPPathGradientBrush::GetSurroundColors(ARGB* colors, int& count) {
  if (!colors) return SetStatus(InvalidParameter);
  if (!Data()) return SetStatus(InvalidParameter);
  const int have = int(Data()->surroundColors.size());
  if (have == 0 || have > count) return SetStatus(InsufficientBuffer);
  std::copy(Data()->surroundColors.begin(), Data()->surroundColors.end(), colors);
  count = have;
  return lastResult;
}

TStatus TGPPathGradientBrush::SetInterpolationColors(const ARGB* presetColors, const float* blendPositions,
                                                     int count) {
  if (count <= 0 || !presetColors || !blendPositions || !Data()) return SetStatus(InvalidParameter);
  Data()->stops.clear();
  for (int i = 0; i < count; ++i) Data()->stops.emplace_back(blendPositions[i], presetColors[i]);
  return Ok;
}

TStatus TGPPathGradientBrush::SetGammaCorrection(bool useGammaCorrection) {
  if (!Data()) return SetStatus(InvalidParameter);
  Data()->gamma = useGammaCorrection;
  return Ok;
}

TStatus TGPPathGradientBrush::SetWrapMode(int wrapMode) {
  if (!Data() || wrapMode < WrapModeTile || wrapMode > WrapModeClamp) return SetStatus(InvalidParameter);
  Data()->wrapMode = wrapMode;
  return Ok;
}

// ---- Pens ----

TGPPen::TGPPen(ARGB color, float width) {
  nativePen = std::make_unique<QPen>(QBrush(QColor::fromRgba(color)), width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
  nativePen->setMiterLimit(10);
  brush_ = NewBrush(BrushTypeSolidColor);
  brush_->foreColor = color;
}

TGPPen::TGPPen(const TGPBrush* brush, float width) {
  if (!brush || !brush->Native()) {
    lastResult = InvalidParameter;
    return;
  }
  nativePen = std::make_unique<QPen>(brush->Native()->ToQBrush(), width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
  nativePen->setMiterLimit(10);
  brush_ = std::make_unique<gdipdetail::BrushData>(*brush->Native());
}

TGPPen::~TGPPen() = default;

TStatus TGPPen::SetStatus(TStatus status) {
  if (status != Ok) lastResult = status;
  return status;
}

TStatus TGPPen::GetLastStatus() {
  const TStatus s = lastResult;
  lastResult = Ok;
  return s;
}

void TGPPen::ApplyDash() {
  switch (dashStyle_) {
    case DashStyleDash: nativePen->setDashPattern({3, 1}); break;
    case DashStyleDot: nativePen->setDashPattern({1, 1}); break;
    case DashStyleDashDot: nativePen->setDashPattern({3, 1, 1, 1}); break;
    case DashStyleDashDotDot: nativePen->setDashPattern({3, 1, 1, 1, 1, 1}); break;
    default: nativePen->setStyle(Qt::SolidLine);
  }
}

TStatus TGPPen::SetDashStyle(int dashStyle) {
  if (!nativePen || dashStyle < DashStyleSolid || dashStyle > DashStyleCustom) return SetStatus(InvalidParameter);
  dashStyle_ = dashStyle;
  ApplyDash();
  return Ok;
}

int TGPPen::GetDashStyle() {
  if (!nativePen) {
    SetStatus(InvalidParameter);
    return -1;
  }
  return dashStyle_;
}

TStatus TGPPen::SetEndCap(int endCap) {
  if (!nativePen) return SetStatus(InvalidParameter);
  // Qt has one cap for both ends; anchors draw as their plain counterparts.
  switch (endCap & 0x0F) {
    case LineCapSquare: nativePen->setCapStyle(Qt::SquareCap); break;
    case LineCapRound: nativePen->setCapStyle(Qt::RoundCap); break;
    default: nativePen->setCapStyle(Qt::FlatCap);
  }
  return Ok;
}

TStatus TGPPen::SetBrush(const TGPBrush* brush) {
  if (!nativePen || !brush || !brush->Native()) return SetStatus(InvalidParameter);
  nativePen->setBrush(brush->Native()->ToQBrush());
  brush_ = std::make_unique<gdipdetail::BrushData>(*brush->Native());
  return Ok;
}

int TGPPen::GetPenType() {
  if (!nativePen || !brush_) {
    SetStatus(InvalidParameter);
    return PenTypeUnknown;
  }
  return brush_->type;
}

TGPBrush* TGPPen::GetBrush() {
  TGPBrush* brush = nullptr;
  switch (GetPenType()) {
    case PenTypeSolidColor: brush = new TGPSolidBrush(); break;
    case PenTypeHatchFill: brush = new TGPHatchBrush(); break;
    case PenTypeTextureFill: brush = new TGPTextureBrush(); break;
    case PenTypePathGradient: brush = new TGPBrush(); break;
    case PenTypeLinearGradient: brush = new TGPLinearGradientBrush(); break;
    default: return nullptr;
  }
  brush->nativeBrush = std::make_unique<gdipdetail::BrushData>(*brush_);
  return brush;
}
