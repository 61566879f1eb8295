#include "platform/Canvas.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainterPath>
#include <QPen>
#include <QPolygon>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

namespace platform {

namespace {

constexpr int kDefaultFontPixels = 16;

QPainter::CompositionMode CompositionOf(TPenMode mode) {
  switch (mode) {
    case pmNot: return QPainter::RasterOp_NotDestination;
    case pmXor: return QPainter::RasterOp_SourceXorDestination;
    case pmNotXor: return QPainter::RasterOp_NotSourceXorDestination;
    case pmCopy: break;
  }
  return QPainter::CompositionMode_SourceOver;
}

Qt::BrushStyle QtBrushStyle(TBrushStyle style) {
  switch (style) {
    case bsSolid: return Qt::SolidPattern;
    case bsClear: return Qt::NoBrush;
    case bsHorizontal: return Qt::HorPattern;
    case bsVertical: return Qt::VerPattern;
    case bsFDiagonal: return Qt::FDiagPattern;
    case bsBDiagonal: return Qt::BDiagPattern;
    case bsCross: return Qt::CrossPattern;
    case bsDiagCross: return Qt::DiagCrossPattern;
  }
  return Qt::SolidPattern;
}

QPolygon ToQPolygon(std::span<const TPoint> points) {
  QPolygon polygon(int(points.size()));
  for (std::size_t i = 0; i < points.size(); ++i) polygon[int(i)] = QPoint(points[i].X, points[i].Y);
  return polygon;
}

// Qt's rectangle outlines cover width + 1 pixels; GDI's exclude the far edge.
QRect OutlineRect(int left, int top, int right, int bottom) {
  return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)).normalized().adjusted(0, 0, -1, -1);
}

// Parametric angle (degrees) on the ellipse where the ray from its centre
// through (x, y) meets it: the angle Qt's arcs are given in.
double RayAngle(const QRectF& box, int x, int y) {
  const double rx = box.width() / 2, ry = box.height() / 2;
  const double dx = x - box.center().x(), dy = box.center().y() - y;
  if (rx <= 0 || ry <= 0) return 0;
  return std::atan2(dy / ry, dx / rx) * 180.0 / std::numbers::pi;
}

QString NormalizedLineBreaks(QString text) {
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return text;
}

// Strokes are centred on pixel centres when smoothing; aliased strokes keep
// integer coordinates, which Qt puts on whole pixels.
class StrokeScope {
 public:
  StrokeScope(QPainter& painter, bool antialias) : painter_(painter), shifted_(antialias) {
    if (shifted_) painter_.translate(0.5, 0.5);
  }
  ~StrokeScope() {
    if (shifted_) painter_.translate(-0.5, -0.5);
  }

 private:
  QPainter& painter_;
  bool shifted_;
};

}  // namespace

Canvas::Canvas(QPaintDevice* device) : ownPainter_(std::make_unique<QPainter>(device)), painter_(ownPainter_.get()) {
  if (device && device->devType() == QInternal::Image) image_ = static_cast<QImage*>(device);
  painter_->setRenderHint(QPainter::Antialiasing, false);
  painter_->setRenderHint(QPainter::SmoothPixmapTransform, false);
}

Canvas::Canvas(QPainter& painter) : painter_(&painter) {
  painter_->save();
  QPaintDevice* device = painter_->device();
  if (device && device->devType() == QInternal::Image) image_ = static_cast<QImage*>(device);
  // Kept in device pixels so that ResetClip holds after origin moves.
  clipping_ = painter_->hasClipping();
  if (clipping_) clip_ = painter_->worldTransform().map(painter_->clipRegion());
  painter_->setRenderHint(QPainter::Antialiasing, false);
  painter_->setRenderHint(QPainter::SmoothPixmapTransform, false);
}

Canvas::~Canvas() {
  if (ownPainter_) {
    ownPainter_->end();
    return;
  }
  while (!saved_.empty()) Restore();
  painter_->restore();
}

void Canvas::SetAntialias(bool on) {
  antialias_ = on;
  painter_->setRenderHint(QPainter::Antialiasing, on);
  painter_->setRenderHint(QPainter::SmoothPixmapTransform, on);
}

bool Canvas::PenVisible() const { return Pen.Style != psClear && Pen.Color != clNone; }
bool Canvas::BrushVisible() const { return Brush.Style != bsClear && Brush.Color != clNone; }
bool Canvas::TextOpaque() const {
  return BkMode == bkOpaque && Brush.Style == bsSolid && Brush.Color != clNone;
}

void Canvas::ApplyPen() {
  if (!PenVisible()) {
    painter_->setPen(Qt::NoPen);
  } else {
    QPen pen(ToQColor(Pen.Color));
    const bool thin = Pen.Width <= 1;
    pen.setWidth(thin ? 0 : Pen.Width);
    pen.setCapStyle(thin ? Qt::FlatCap : Qt::RoundCap);
    pen.setJoinStyle(thin ? Qt::MiterJoin : Qt::RoundJoin);
    if (thin) {
      // The dash lengths of Windows' cosmetic pens.
      switch (Pen.Style) {
        case psDash: pen.setDashPattern({18, 6}); break;
        case psDot: pen.setDashPattern({3, 3}); break;
        case psDashDot: pen.setDashPattern({9, 6, 3, 6}); break;
        case psDashDotDot: pen.setDashPattern({9, 3, 3, 3, 3, 3}); break;
        default: break;
      }
    }
    painter_->setPen(pen);
  }
  painter_->setCompositionMode(CompositionOf(Pen.Mode));
}

void Canvas::ApplyBrush() {
  if (!BrushVisible())
    painter_->setBrush(Qt::NoBrush);
  else
    painter_->setBrush(QBrush(ToQColor(Brush.Color), QtBrushStyle(Brush.Style)));
}

void Canvas::ApplyNoPen() {
  painter_->setPen(Qt::NoPen);
  painter_->setCompositionMode(CompositionOf(Pen.Mode));
}

void Canvas::ApplyNoBrush() { painter_->setBrush(Qt::NoBrush); }

void Canvas::DrawSegment(TPoint from, TPoint to) {
  const int dx = to.X - from.X, dy = to.Y - from.Y;
  const bool xMajor = std::abs(dx) >= std::abs(dy);
  if (antialias_ || Pen.Width > 1 || (xMajor ? dx > 0 : dy > 0)) {
    StrokeScope scope(*painter_, antialias_);
    painter_->drawLine(QPoint(from.X, from.Y), QPoint(to.X, to.Y));
    return;
  }
  // Qt's thin lines always keep the end with the smaller major coordinate and
  // drop the other; going left or up, slide the segment one step along itself
  // so that the kept and dropped ends are the start and the end again. The
  // quarter pixel across keeps Qt's fixed-point rounding on the same pixels.
  const QPointF step = xMajor ? QPointF(1.0, double(dy) / dx + 0.25) : QPointF(double(dx) / dy + 0.25, 1.0);
  painter_->drawLine(QPointF(to.X, to.Y) + step, QPointF(from.X, from.Y) + step);
}

void Canvas::LineTo(int x, int y) {
  const TPoint from = penPos_;
  penPos_ = {x, y};
  if (Observer) Observer->OnLineTo(*this, from, penPos_);
  if (!PenVisible() || (from.X == x && from.Y == y)) return;
  ApplyPen();
  DrawSegment(from, {x, y});
}

void Canvas::Polyline(std::span<const TPoint> points) {
  if (Observer) Observer->OnPolyline(*this, points);
  if (points.size() < 2 || !PenVisible()) return;
  ApplyPen();
  if (antialias_ || Pen.Width > 1) {
    StrokeScope scope(*painter_, antialias_);
    painter_->drawPolyline(ToQPolygon(points));
    return;
  }
  for (std::size_t i = 1; i < points.size(); ++i)
    if (points[i] != points[i - 1]) DrawSegment(points[i - 1], points[i]);
}

void Canvas::Rectangle(int left, int top, int right, int bottom) {
  if (Observer) Observer->OnRectangle(*this, TRect{left, top, right, bottom});
  if (left > right) std::swap(left, right);
  if (top > bottom) std::swap(top, bottom);
  if (right - left < 1 || bottom - top < 1) return;
  if (!PenVisible()) {
    // GDI: without an outline the fill stops one pixel short at right and bottom.
    FillRect({left, top, right - 1, bottom - 1});
    return;
  }
  if (BrushVisible() && right - left > 2 && bottom - top > 2) {
    ApplyNoPen();
    ApplyBrush();
    painter_->drawRect(QRect(left + 1, top + 1, right - left - 2, bottom - top - 2));
  }
  ApplyPen();
  ApplyNoBrush();
  StrokeScope scope(*painter_, antialias_);
  painter_->drawRect(OutlineRect(left, top, right, bottom));
}

void Canvas::FillRect(const TRect& r) {
  if (Observer) Observer->OnFillRect(*this, r);
  if (r.IsEmpty() || !BrushVisible()) return;
  ApplyNoPen();
  painter_->setCompositionMode(QPainter::CompositionMode_SourceOver);
  ApplyBrush();
  painter_->drawRect(ToQRect(r));
}

void Canvas::FrameRect(const TRect& r) {
  if (r.IsEmpty() || !BrushVisible()) return;
  const QColor color = ToQColor(Brush.Color);
  painter_->setCompositionMode(QPainter::CompositionMode_SourceOver);
  const QRect q = ToQRect(r);
  painter_->fillRect(QRect(q.left(), q.top(), q.width(), 1), color);
  painter_->fillRect(QRect(q.left(), q.bottom(), q.width(), 1), color);
  painter_->fillRect(QRect(q.left(), q.top(), 1, q.height()), color);
  painter_->fillRect(QRect(q.right(), q.top(), 1, q.height()), color);
}

void Canvas::Ellipse(int left, int top, int right, int bottom) {
  if (Observer) Observer->OnEllipse(*this, TRect{left, top, right, bottom});
  if (!PenVisible() && !BrushVisible()) return;
  ApplyPen();
  ApplyBrush();
  StrokeScope scope(*painter_, antialias_);
  painter_->drawEllipse(OutlineRect(left, top, right, bottom));
}

void Canvas::RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight) {
  if (!PenVisible() && !BrushVisible()) return;
  ApplyPen();
  ApplyBrush();
  StrokeScope scope(*painter_, antialias_);
  painter_->drawRoundedRect(OutlineRect(left, top, right, bottom), cornerWidth / 2.0, cornerHeight / 2.0);
}

void Canvas::Polygon(std::span<const TPoint> points) {
  if (Observer) Observer->OnPolygon(*this, points);
  if (points.size() < 2 || (!PenVisible() && !BrushVisible())) return;
  ApplyPen();
  ApplyBrush();
  StrokeScope scope(*painter_, antialias_);
  painter_->drawPolygon(ToQPolygon(points), Qt::OddEvenFill);
}

void Canvas::DrawArcShape(bool pie, int left, int top, int right, int bottom, int x3, int y3, int x4, int y4) {
  if (!PenVisible() && !(pie && BrushVisible())) return;
  const QRect box = OutlineRect(left, top, right, bottom);
  const QRectF boxF(box);
  const double start = RayAngle(boxF, x3, y3);
  double span = RayAngle(boxF, x4, y4) - start;
  while (span <= 0) span += 360;
  if (std::abs(span - 360) < 1e-9) span = 360;
  ApplyPen();
  if (pie)
    ApplyBrush();
  else
    ApplyNoBrush();
  StrokeScope scope(*painter_, antialias_);
  const int a = int(std::lround(start * 16)), s = int(std::lround(span * 16));
  if (pie)
    painter_->drawPie(box, a, s);
  else
    painter_->drawArc(box, a, s);
}

void Canvas::Arc(int left, int top, int right, int bottom, int x3, int y3, int x4, int y4) {
  DrawArcShape(false, left, top, right, bottom, x3, y3, x4, y4);
}

void Canvas::Pie(int left, int top, int right, int bottom, int x3, int y3, int x4, int y4) {
  DrawArcShape(true, left, top, right, bottom, x3, y3, x4, y4);
}

TColor Canvas::Pixel(int x, int y) const {
  if (!image_) return clNone;
  if (painter_->hasClipping() && !painter_->clipRegion().contains(QPoint(x, y))) return clNone;
  const QPoint device = painter_->worldTransform().map(QPoint(x, y));
  if (!image_->rect().contains(device)) return clNone;
  const QRgb pixel = image_->pixel(device);  // its alpha means nothing to GDI code
  return RGB(qRed(pixel), qGreen(pixel), qBlue(pixel));
}

void Canvas::SetPixel(int x, int y, TColor color) {
  if (color == clNone) return;
  painter_->setCompositionMode(QPainter::CompositionMode_SourceOver);
  painter_->fillRect(QRect(x, y, 1, 1), ToQColor(color));
}

// ---- text ----

const QFont& Canvas::CurrentFont() const {
  if (!fontValid_ || !(fontKey_ == Font)) {
    fontKey_ = Font;
    font_ = ToQFont(Font);
    fontValid_ = true;
  }
  return font_;
}

int Canvas::TextWidth(const CanvasText& text) const { return TextExtent(text).cx; }

int Canvas::TextHeight(const CanvasText& text) const { return TextExtent(text).cy; }

TSize Canvas::TextExtent(const CanvasText& text) const {
  const QFontMetrics metrics(CurrentFont());
  return {metrics.horizontalAdvance(text.str()), metrics.height()};
}

void Canvas::TextOut(int x, int y, const CanvasText& text) {
  const QFontMetrics metrics(CurrentFont());
  const int width = metrics.horizontalAdvance(text.str());
  penPos_ = {x + width, y};
  if (text.str().isEmpty()) return;
  painter_->save();
  painter_->setCompositionMode(QPainter::CompositionMode_SourceOver);
  painter_->translate(x, y);
  if (Font.Orientation != 0) painter_->rotate(-Font.Orientation / 10.0);
  if (TextOpaque()) painter_->fillRect(QRect(0, 0, width, metrics.height()), ToQColor(Brush.Color));
  if (Font.Color != clNone) {
    painter_->setFont(CurrentFont());
    painter_->setPen(ToQColor(Font.Color));
    painter_->drawText(QPoint(0, metrics.ascent()), text.str());
  }
  painter_->restore();
}

void Canvas::TextRect(const TRect& r, int x, int y, const CanvasText& text) {
  painter_->save();
  painter_->setClipRect(ToQRect(r), Qt::IntersectClip);
  if (TextOpaque()) {
    painter_->setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter_->fillRect(ToQRect(r), ToQColor(Brush.Color));
  }
  const TBkMode mode = BkMode;
  BkMode = bkTransparent;
  TextOut(x, y, text);
  BkMode = mode;
  painter_->restore();
}

int Canvas::DrawText(const CanvasText& text, TRect& r, unsigned flags) {
  const bool singleLine = flags & DT_SINGLELINE;
  int qtFlags = (flags & DT_CENTER) ? Qt::AlignHCenter : (flags & DT_RIGHT) ? Qt::AlignRight : Qt::AlignLeft;
  if (singleLine && (flags & DT_VCENTER))
    qtFlags |= Qt::AlignVCenter;
  else if (singleLine && (flags & DT_BOTTOM))
    qtFlags |= Qt::AlignBottom;
  else
    qtFlags |= Qt::AlignTop;
  if (singleLine)
    qtFlags |= Qt::TextSingleLine;
  else if (flags & DT_WORDBREAK)
    qtFlags |= Qt::TextWordWrap;
  if (flags & DT_EXPANDTABS) qtFlags |= Qt::TextExpandTabs;
  if (!(flags & DT_NOPREFIX)) qtFlags |= Qt::TextShowMnemonic;
  if ((flags & DT_NOCLIP) || (flags & DT_CALCRECT)) qtFlags |= Qt::TextDontClip;

  const QFont& font = CurrentFont();
  const QFontMetrics metrics(font);
  QString shown = singleLine ? text.str() : NormalizedLineBreaks(text.str());
  if (singleLine && (flags & (DT_END_ELLIPSIS | DT_WORD_ELLIPSIS | DT_PATH_ELLIPSIS)))
    shown = metrics.elidedText(shown, (flags & DT_PATH_ELLIPSIS) ? Qt::ElideMiddle : Qt::ElideRight, r.Width(),
                               qtFlags & Qt::TextShowMnemonic);

  const QRect area = ToQRect(r);
  QRect bounds;
  if (flags & DT_CALCRECT) {
    // Unwrapped text is measured on an open-ended line; wrapped text keeps the width.
    const QRect measureIn(area.left(), area.top(), (qtFlags & Qt::TextWordWrap) ? area.width() : 0, 0);
    bounds = metrics.boundingRect(measureIn, (qtFlags & ~Qt::AlignVertical_Mask & ~Qt::AlignHorizontal_Mask) |
                                                 Qt::AlignLeft | Qt::AlignTop,
                                  shown);
    if (shown.isEmpty()) bounds.setHeight(singleLine ? metrics.height() : 0);
    r.Right = r.Left + bounds.width();
    r.Bottom = r.Top + bounds.height();
    return bounds.height();
  }

  bounds = metrics.boundingRect(area, qtFlags, shown);
  if (!shown.isEmpty()) {
    painter_->save();
    painter_->setCompositionMode(QPainter::CompositionMode_SourceOver);
    if (!(qtFlags & Qt::TextDontClip)) painter_->setClipRect(area, Qt::IntersectClip);
    if (TextOpaque()) painter_->fillRect(bounds, ToQColor(Brush.Color));
    if (Font.Color != clNone) {
      painter_->setFont(font);
      painter_->setPen(ToQColor(Font.Color));
      painter_->drawText(area, qtFlags, shown);
    }
    painter_->restore();
  }
  if (singleLine && (flags & (DT_VCENTER | DT_BOTTOM))) return bounds.bottom() + 1 - area.top();
  return shown.isEmpty() ? 0 : bounds.height();
}

// ---- images ----

void Canvas::Draw(int x, int y, const QImage& image) {
  painter_->setCompositionMode(QPainter::CompositionMode_SourceOver);
  painter_->drawImage(QPoint(x, y), image);
}

void Canvas::StretchDraw(const TRect& dest, const QImage& image) {
  CopyRect(dest, image, {0, 0, image.width(), image.height()});
}

void Canvas::CopyRect(const TRect& dest, const QImage& image, const TRect& source) {
  if (dest.IsEmpty() || source.IsEmpty() || image.isNull()) return;
  painter_->setCompositionMode(QPainter::CompositionMode_SourceOver);
  painter_->drawImage(ToQRect(dest), image, ToQRect(source));
}

void Canvas::DrawTransparent(int x, int y, const QImage& image, TColor transparent) {
  Draw(x, y, TransparentCopy(image, transparent));
}

void Canvas::DrawTransparent(const TRect& dest, const QImage& image, const TRect& source, TColor transparent) {
  CopyRect(dest, TransparentCopy(image, transparent), source);
}

// ---- clip, state, origin ----

TRect Canvas::ClipRect() const {
  const QPaintDevice* device = painter_->device();
  const QRect whole(0, 0, device ? device->width() : 0, device ? device->height() : 0);
  const QRect shown = painter_->worldTransform().inverted().mapRect(whole);
  // Nothing outside the device can be painted, whatever the clip allows.
  if (painter_->hasClipping()) return FromQRect(painter_->clipBoundingRect().toAlignedRect() & shown);
  return FromQRect(shown);
}

void Canvas::SetClipRect(const TRect& r) {
  // A new clip is still bounded by the one the canvas was given.
  if (clipping_) {
    painter_->setClipRegion(painter_->worldTransform().inverted().map(clip_));
    painter_->setClipRect(ToQRect(r), Qt::IntersectClip);
  } else {
    painter_->setClipRect(ToQRect(r));
  }
}

void Canvas::IntersectClipRect(const TRect& r) {
  if (painter_->hasClipping())
    painter_->setClipRect(ToQRect(r), Qt::IntersectClip);
  else
    painter_->setClipRect(ToQRect(r));
}

void Canvas::ExcludeClipRect(const TRect& r) {
  const QRegion current = painter_->hasClipping() ? painter_->clipRegion() : QRegion(ToQRect(ClipRect()));
  painter_->setClipRegion(current.subtracted(QRegion(ToQRect(r))));
}

void Canvas::ResetClip() {
  if (clipping_)
    painter_->setClipRegion(painter_->worldTransform().inverted().map(clip_));
  else
    painter_->setClipping(false);
}

void Canvas::Save() {
  saved_.push_back({Pen, Brush, Font, BkMode, penPos_, antialias_});
  painter_->save();
}

void Canvas::Restore() {
  if (saved_.empty()) return;
  painter_->restore();
  const SavedState& state = saved_.back();
  Pen = state.pen;
  Brush = state.brush;
  Font = state.font;
  BkMode = state.bkMode;
  penPos_ = state.penPos;
  antialias_ = state.antialias;
  saved_.pop_back();
}

void Canvas::OffsetOrigin(int dx, int dy) { painter_->translate(dx, dy); }

// ---- conversions ----

QColor ToQColor(TColor color) {
  if (color == clNone) return QColor(0, 0, 0, 0);
  const TColor rgb = ColorToRGB(color);
  return QColor(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}

TColor FromQColor(const QColor& color) {
  if (!color.isValid() || color.alpha() == 0) return clNone;
  return RGB(color.red(), color.green(), color.blue());
}

QString StandInFontFamily(const QString& windowsName) {
  static const QString kSans = QStringLiteral("DejaVu Sans");
  static const QString kSerif = QStringLiteral("DejaVu Serif");
  static const QString kMono = QStringLiteral("DejaVu Sans Mono");
  static const QString kChinese = QStringLiteral("WenQuanYi Micro Hei");
  const QString name = windowsName.trimmed().toLower();
  for (const QChar c : name)
    if (c.unicode() > 0x7F) return kChinese;  // 宋体, 新細明體, 微软雅黑 ...
  static const char* const kChineseFaces[] = {"simsun", "nsimsun", "simhei", "microsoft yahei", "microsoft jhenghei",
                                              "pmingliu", "mingliu", "kaiti", "fangsong", "dfkai-sb", "simkai"};
  for (const char* face : kChineseFaces)
    if (name == QLatin1String(face)) return kChinese;
  static const char* const kSerifFaces[] = {"times new roman", "times", "georgia", "garamond", "book antiqua",
                                            "palatino linotype", "ms serif", "cambria", "bookman old style"};
  for (const char* face : kSerifFaces)
    if (name == QLatin1String(face)) return kSerif;
  static const char* const kMonoFaces[] = {"courier new", "courier", "lucida console", "consolas", "fixedsys",
                                           "terminal", "ms gothic"};
  for (const char* face : kMonoFaces)
    if (name == QLatin1String(face)) return kMono;
  return kSans;
}

QFont ToQFont(const TFont& spec) {
  QFont font;
  // Chinese text in a Latin face still finds its glyphs.
  font.setFamilies({StandInFontFamily(spec.Name), QStringLiteral("WenQuanYi Micro Hei")});
  int pixels = kDefaultFontPixels;
  if (spec.Height < 0) {
    pixels = -spec.Height;
  } else if (spec.Height > 0) {
    // A cell height: scale to the em size by the face's ascent plus descent.
    QFont probe = font;
    probe.setPixelSize(100);
    const QFontMetricsF metrics(probe);
    const double cell = metrics.ascent() + metrics.descent();
    pixels = cell > 0 ? std::max(1, int(std::lround(spec.Height * 100.0 / cell))) : spec.Height;
  }
  font.setPixelSize(pixels);
  font.setBold(spec.Style & fsBold);
  font.setItalic(spec.Style & fsItalic);
  font.setUnderline(spec.Style & fsUnderline);
  font.setStrikeOut(spec.Style & fsStrikeOut);
  return font;
}

TColor AutoTransparentColor(const QImage& image) {
  if (image.isNull()) return clNone;
  const QRgb pixel = image.pixel(0, image.height() - 1);
  return RGB(qRed(pixel), qGreen(pixel), qBlue(pixel));
}

QImage TransparentCopy(const QImage& image, TColor transparent) {
  if (transparent == clNone || image.isNull()) return image;
  QImage copy = image.convertToFormat(QImage::Format_ARGB32);
  const TColor key = ColorToRGB(transparent);
  const QRgb keyRgb = qRgb(GetRValue(key), GetGValue(key), GetBValue(key)) & 0xFFFFFF;
  for (int y = 0; y < copy.height(); ++y) {
    QRgb* line = reinterpret_cast<QRgb*>(copy.scanLine(y));
    for (int x = 0; x < copy.width(); ++x)
      if ((line[x] & 0xFFFFFF) == keyRgb) line[x] = 0;
  }
  return copy;
}

}  // namespace platform
