// TGPGraphics: shapes, fills, images and clipping on the painter.
#include <QPainter>
#include <QPaintDevice>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

#include "controls/GdipColors.h"
#include "controls/GdipObjects.h"

namespace {

QPainterPath RectPath(const QRectF& r) {
  QPainterPath p;
  p.addRect(r);
  return p;
}

QPainterPath EllipsePath(const QRectF& r) {
  QPainterPath p;
  p.addEllipse(r);
  return p;
}

QColor Lerp(ARGB a, ARGB b, double t) {
  const QColor ca = QColor::fromRgba(a), cb = QColor::fromRgba(b);
  auto mix = [t](int x, int y) { return int(std::lround(x + (y - x) * t)); };
  return QColor(mix(ca.red(), cb.red()), mix(ca.green(), cb.green()), mix(ca.blue(), cb.blue()),
                mix(ca.alpha(), cb.alpha()));
}

// The surround colour a path gradient shades toward: one colour, or the mean
// of several (per-point colours are not interpolated along the edge).
ARGB SurroundColor(const gdipdetail::BrushData& b) {
  if (b.surroundColors.empty()) return 0xFFFFFFFF;
  double a = 0, r = 0, g = 0, bl = 0;
  for (ARGB c : b.surroundColors) {
    a += (c >> 24) & 0xFF; r += (c >> 16) & 0xFF; g += (c >> 8) & 0xFF; bl += c & 0xFF;
  }
  const double n = double(b.surroundColors.size());
  return MakeARGB(int(std::lround(a / n)), int(std::lround(r / n)), int(std::lround(g / n)), int(std::lround(bl / n)));
}

// Colour at t of a path gradient: 0 at the edge, 1 at the centre.
QColor PathGradientColorAt(const gdipdetail::BrushData& b, double t) {
  if (b.stops.size() >= 2) {
    const auto& s = b.stops;
    if (t <= s.front().first) return QColor::fromRgba(s.front().second);
    for (std::size_t i = 1; i < s.size(); ++i)
      if (t <= s[i].first) {
        const double span = s[i].first - s[i - 1].first;
        return Lerp(s[i - 1].second, s[i].second, span > 0 ? (t - s[i - 1].first) / span : 1.0);
      }
    return QColor::fromRgba(s.back().second);
  }
  return Lerp(SurroundColor(b), b.centerColor, t);
}

}  // namespace

TGPGraphics::TGPGraphics(QPainter& hdc) : nativeGraphics(&hdc) {}

TGPGraphics::TGPGraphics(TGPImage* image) {
  if (!image) return;
  auto* data = image->Native();
  if (!data || data->image.isNull()) {
    lastResult = InvalidParameter;
    return;
  }
  QImage& img = data->image;
  if (img.format() == QImage::Format_Indexed8 || img.format() == QImage::Format_Mono ||
      img.format() == QImage::Format_MonoLSB) {
    lastResult = OutOfMemory;  // GDI+ cannot draw on indexed images either
    return;
  }
  ownPainter_ = std::make_unique<QPainter>(&img);
  nativeGraphics = ownPainter_.get();
}

TGPGraphics::~TGPGraphics() {
  hdcs_.clear();
  if (ownPainter_) ownPainter_->end();
}

TStatus TGPGraphics::SetStatus(TStatus status) {
  if (status != Ok) lastResult = status;
  return status;
}

TStatus TGPGraphics::GetLastStatus() {
  const TStatus s = lastResult;
  lastResult = Ok;
  return s;
}

double TGPGraphics::Offset() const {
  return nativeGraphics && nativeGraphics->testRenderHint(QPainter::Antialiasing) ? 0.5 : 0.0;
}

void TGPGraphics::Flush(int) {}

TStatus TGPGraphics::Clear(ARGB color) {
  if (!nativeGraphics) return SetStatus(InvalidParameter);
  QPaintDevice* dev = nativeGraphics->device();
  nativeGraphics->save();
  nativeGraphics->resetTransform();
  nativeGraphics->setCompositionMode(QPainter::CompositionMode_Source);
  nativeGraphics->fillRect(QRect(0, 0, dev->width(), dev->height()), QColor::fromRgba(color));
  nativeGraphics->restore();
  return Ok;
}

platform::Canvas* TGPGraphics::GetHDC() {
  if (!nativeGraphics) {
    SetStatus(InvalidParameter);
    return nullptr;
  }
  hdcs_.push_back(std::make_unique<platform::Canvas>(*nativeGraphics));
  return hdcs_.back().get();
}

void TGPGraphics::ReleaseHDC(platform::Canvas* hdc) {
  auto it = std::find_if(hdcs_.begin(), hdcs_.end(), [hdc](const auto& c) { return c.get() == hdc; });
  if (it == hdcs_.end()) {
    SetStatus(InvalidParameter);
    return;
  }
  hdcs_.erase(it);
}

TStatus TGPGraphics::SetSmoothingMode(int mode) {
  if (!nativeGraphics || mode < SmoothingModeDefault || mode > 6) return SetStatus(InvalidParameter);
  const bool on = mode == SmoothingModeHighQuality || mode >= SmoothingModeAntiAlias;
  nativeGraphics->setRenderHint(QPainter::Antialiasing, on);
  return Ok;
}

int TGPGraphics::GetSmoothingMode() {
  if (!nativeGraphics) {
    SetStatus(InvalidParameter);
    return SmoothingModeInvalid;
  }
  return nativeGraphics->testRenderHint(QPainter::Antialiasing) ? SmoothingModeAntiAlias : SmoothingModeNone;
}

TStatus TGPGraphics::SetTextRenderingHint(int hint) {
  if (!nativeGraphics || hint < TextRenderingHintSystemDefault || hint > TextRenderingHintClearTypeGridFit)
    return SetStatus(InvalidParameter);
  // Single-bit hints draw aliased glyphs; the others greyscale anti-aliasing.
  const bool aliased = hint == TextRenderingHintSingleBitPerPixelGridFit || hint == TextRenderingHintSingleBitPerPixel;
  nativeGraphics->setRenderHint(QPainter::TextAntialiasing, !aliased);
  return Ok;
}

int TGPGraphics::GetTextRenderingHint() {
  if (!nativeGraphics) {
    SetStatus(InvalidParameter);
    return -1;
  }
  return nativeGraphics->testRenderHint(QPainter::TextAntialiasing) ? TextRenderingHintAntiAliasGridFit
                                                                    : TextRenderingHintSingleBitPerPixelGridFit;
}

TStatus TGPGraphics::SetCompositingQuality(int quality) {
  if (!nativeGraphics || quality < CompositingQualityDefault || quality > 4) return SetStatus(InvalidParameter);
  return Ok;  // Qt composes one way
}

int TGPGraphics::GetCompositingQuality() {
  if (!nativeGraphics) {
    SetStatus(InvalidParameter);
    return -1;
  }
  return CompositingQualityDefault;
}

TStatus TGPGraphics::SetTransform(const TGPMatrix* matrix) {
  if (!nativeGraphics || !matrix || !matrix->Native()) return SetStatus(InvalidParameter);
  nativeGraphics->setWorldTransform(*matrix->Native());
  return Ok;
}

TStatus TGPGraphics::ResetTransform() {
  if (!nativeGraphics) return SetStatus(InvalidParameter);
  nativeGraphics->resetTransform();
  return Ok;
}

TStatus TGPGraphics::CombineClip(const QPainterPath& shape, int combineMode) {
  if (!nativeGraphics) return SetStatus(InvalidParameter);
  QPainter& p = *nativeGraphics;
  if (combineMode == CombineModeReplace) {
    p.setClipPath(shape, Qt::ReplaceClip);
    return Ok;
  }
  if (combineMode == CombineModeIntersect) {
    p.setClipPath(shape, Qt::IntersectClip);
    return Ok;
  }
  QPainterPath current;
  if (p.hasClipping()) {
    current = p.clipPath();
  } else {
    const QRectF device(0, 0, p.device()->width(), p.device()->height());
    current.addRect(p.worldTransform().inverted().mapRect(device).adjusted(-1, -1, 1, 1));
  }
  QPainterPath result;
  switch (combineMode) {
    case CombineModeUnion: result = current.united(shape); break;
    case CombineModeXor: result = current.united(shape).subtracted(current.intersected(shape)); break;
    case CombineModeExclude: result = current.subtracted(shape); break;
    case CombineModeComplement: result = shape.subtracted(current); break;
    default: return SetStatus(InvalidParameter);
  }
  p.setClipPath(result, Qt::ReplaceClip);
  return Ok;
}

TStatus TGPGraphics::SetClip(const TGPRegion* region, int combineMode) {
  if (!region || !region->Native()) return SetStatus(InvalidParameter);
  return CombineClip(*region->Native(), combineMode);
}

TStatus TGPGraphics::SetClip(const TGPGraphicsPath* path, int combineMode) {
  if (!path || !path->Native()) return SetStatus(InvalidParameter);
  return CombineClip(path->Path(), combineMode);
}

TStatus TGPGraphics::ExcludeClip(const TGPRectF& rect) { return CombineClip(RectPath(rect.ToQt()), CombineModeExclude); }

TStatus TGPGraphics::ExcludeClip(const TGPRegion* region) { return SetClip(region, CombineModeExclude); }

TStatus TGPGraphics::ResetClip() {
  if (!nativeGraphics) return SetStatus(InvalidParameter);
  nativeGraphics->setClipping(false);
  return Ok;
}

TStatus TGPGraphics::StrokeShape(const TGPPen* pen, const QPainterPath& shape) {
  if (!nativeGraphics || !pen || !pen->Native()) return SetStatus(InvalidParameter);
  const double off = Offset();
  nativeGraphics->strokePath(shape.translated(off, off), *pen->Native());
  return Ok;
}

TStatus TGPGraphics::FillShape(const TGPBrush* brush, const QPainterPath& shape) {
  if (!nativeGraphics || !brush || !brush->Native()) return SetStatus(InvalidParameter);
  const gdipdetail::BrushData& b = *brush->Native();
  const double off = Offset();
  QPainter& p = *nativeGraphics;
  if (b.type != BrushTypePathGradient) {
    p.fillPath(shape.translated(off, off), b.ToQBrush());
    return Ok;
  }
  // Path gradients paint only inside their own path.
  const QPainterPath area = shape.intersected(b.path).translated(off, off);
  if (area.isEmpty()) return Ok;
  p.save();
  if (b.pathIsEllipse && b.ellipseRect.width() > 0 && b.ellipseRect.height() > 0) {
    // A focal radial gradient on the unit circle, mapped onto the ellipse.
    const QRectF& e = b.ellipseRect;
    const double rx = e.width() / 2, ry = e.height() / 2;
    const QPointF c = e.center();
    QPointF focal((b.centerPoint.x() - c.x()) / rx, (b.centerPoint.y() - c.y()) / ry);
    const double len = std::hypot(focal.x(), focal.y());
    if (len > 0.999) focal *= 0.999 / len;
    QRadialGradient g(QPointF(0, 0), 1.0, focal);
    for (int i = 0; i <= 16; ++i) {
      const double t = i / 16.0;  // 0 at the focus
      g.setColorAt(t, PathGradientColorAt(b, 1.0 - t));
    }
    QBrush qb(g);
    qb.setTransform(QTransform(rx, 0, 0, ry, c.x() + off, c.y() + off));
    p.fillPath(area, qb);
  } else {
    // Nested copies of the path shrunk toward the centre point.
    p.setClipPath(area, Qt::IntersectClip);
    const QPointF c = b.centerPoint + QPointF(off, off);
    const QPainterPath edge = b.path.translated(off, off);
    constexpr int kSteps = 32;
    for (int k = kSteps; k >= 1; --k) {
      const double s = double(k) / kSteps;
      const QTransform t = QTransform::fromTranslate(c.x(), c.y()).scale(s, s).translate(-c.x(), -c.y());
      const QPainterPath ring = t.map(edge);
      p.fillPath(k == kSteps ? area : ring, PathGradientColorAt(b, 1.0 - s + 1.0 / kSteps / 2));
    }
  }
  p.restore();
  return Ok;
}

TStatus TGPGraphics::DrawLine(const TGPPen* pen, float x1, float y1, float x2, float y2) {
  QPainterPath p;
  p.moveTo(x1, y1);
  p.lineTo(x2, y2);
  return StrokeShape(pen, p);
}

TStatus TGPGraphics::DrawArc(const TGPPen* pen, float x, float y, float width, float height, float startAngle,
                             float sweepAngle) {
  QPainterPath p;
  const QRectF r(x, y, width, height);
  p.arcMoveTo(r, -startAngle);
  p.arcTo(r, -startAngle, -sweepAngle);
  return StrokeShape(pen, p);
}

TStatus TGPGraphics::DrawArc(const TGPPen* pen, const TGPRectF& rect, float startAngle, float sweepAngle) {
  return DrawArc(pen, rect.X, rect.Y, rect.Width, rect.Height, startAngle, sweepAngle);
}

TStatus TGPGraphics::DrawRectangle(const TGPPen* pen, const TGPRectF& rect) {
  return StrokeShape(pen, RectPath(rect.ToQt()));
}

TStatus TGPGraphics::DrawRectangle(const TGPPen* pen, float x, float y, float width, float height) {
  return DrawRectangle(pen, TGPRectF{x, y, width, height});
}

TStatus TGPGraphics::DrawEllipse(const TGPPen* pen, const TGPRectF& rect) {
  return StrokeShape(pen, EllipsePath(rect.ToQt()));
}

TStatus TGPGraphics::DrawEllipse(const TGPPen* pen, float x, float y, float width, float height) {
  return DrawEllipse(pen, TGPRectF{x, y, width, height});
}

TStatus TGPGraphics::DrawEllipse(const TGPPen* pen, const TGPRect& rect) {
  return StrokeShape(pen, EllipsePath(QRectF(rect.ToQt())));
}

TStatus TGPGraphics::DrawEllipse(const TGPPen* pen, int x, int y, int width, int height) {
  return DrawEllipse(pen, TGPRect{x, y, width, height});
}

TStatus TGPGraphics::DrawPath(const TGPPen* pen, const TGPGraphicsPath* path) {
  if (!path || !path->Native()) return SetStatus(InvalidParameter);
  return StrokeShape(pen, path->Path());
}

TStatus TGPGraphics::FillRectangle(const TGPBrush* brush, const TGPRectF& rect) {
  return FillShape(brush, RectPath(rect.ToQt()));
}

TStatus TGPGraphics::FillRectangle(const TGPBrush* brush, float x, float y, float width, float height) {
  return FillRectangle(brush, TGPRectF{x, y, width, height});
}

TStatus TGPGraphics::FillEllipse(const TGPBrush* brush, const TGPRectF& rect) {
  return FillShape(brush, EllipsePath(rect.ToQt()));
}

TStatus TGPGraphics::FillEllipse(const TGPBrush* brush, float x, float y, float width, float height) {
  return FillEllipse(brush, TGPRectF{x, y, width, height});
}

TStatus TGPGraphics::FillEllipse(const TGPBrush* brush, const TGPRect& rect) {
  return FillShape(brush, EllipsePath(QRectF(rect.ToQt())));
}

TStatus TGPGraphics::FillEllipse(const TGPBrush* brush, int x, int y, int width, int height) {
  return FillEllipse(brush, TGPRect{x, y, width, height});
}

TStatus TGPGraphics::FillPolygon(const TGPBrush* brush, const TGPPointF* points, int count, int fillMode) {
  if (!points || count <= 0) return SetStatus(InvalidParameter);
  QPolygonF poly;
  for (int i = 0; i < count; ++i) poly << points[i].ToQt();
  QPainterPath p;
  p.setFillRule(fillMode == FillModeWinding ? Qt::WindingFill : Qt::OddEvenFill);
  p.addPolygon(poly);
  p.closeSubpath();
  return FillShape(brush, p);
}

TStatus TGPGraphics::FillPolygon(const TGPBrush* brush, const TGPPoint* points, int count, int fillMode) {
  if (!points || count <= 0) return SetStatus(InvalidParameter);
  std::vector<TGPPointF> f(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) f[std::size_t(i)] = {float(points[i].X), float(points[i].Y)};
  return FillPolygon(brush, f.data(), count, fillMode);
}

TStatus TGPGraphics::FillPath(const TGPBrush* brush, const TGPGraphicsPath* path) {
  if (!path || !path->Native()) return SetStatus(InvalidParameter);
  return FillShape(brush, path->Path());
}

TStatus TGPGraphics::DrawImageImpl(TGPImage* image, const QRectF& dest, const QRectF& source,
                                   const TGPImageAttributes* attr) {
  if (!nativeGraphics || !image || !image->Native() || image->Image().isNull()) return SetStatus(InvalidParameter);
  const QImage& img = image->Image();
  const QImage drawn = attr && attr->Native() ? attr->Native()->Apply(img) : img;
  QPainter& p = *nativeGraphics;
  const bool scaled = std::abs(dest.width() - source.width()) > 1e-6 || std::abs(dest.height() - source.height()) > 1e-6 ||
                      dest.x() != std::floor(dest.x()) || dest.y() != std::floor(dest.y());
  const bool smooth = p.testRenderHint(QPainter::SmoothPixmapTransform);
  if (scaled) p.setRenderHint(QPainter::SmoothPixmapTransform, true);
  p.drawImage(dest, drawn, source);
  if (scaled) p.setRenderHint(QPainter::SmoothPixmapTransform, smooth);
  return Ok;
}

TStatus TGPGraphics::DrawImage(TGPImage* image, float x, float y, float width, float height) {
  if (!image) return SetStatus(InvalidParameter);
  const QImage& img = image->Image();
  return DrawImageImpl(image, QRectF(x, y, width, height), QRectF(img.rect()), nullptr);
}

TStatus TGPGraphics::DrawImage(TGPImage* image, const TGPRectF& rect) {
  return DrawImage(image, rect.X, rect.Y, rect.Width, rect.Height);
}

TStatus TGPGraphics::DrawImage(TGPImage* image, int x, int y) {
  if (!image) return SetStatus(InvalidParameter);
  const QImage& img = image->Image();
  return DrawImageImpl(image, QRectF(QPointF(x, y), QSizeF(img.size())), QRectF(img.rect()), nullptr);
}

TStatus TGPGraphics::DrawImageRect(TGPImage* image, int x, int y, int w, int h) {
  return DrawImage(image, float(x), float(y), float(w), float(h));
}

TStatus TGPGraphics::DrawImageRect(TGPImage* image, const TGPRectF& rect) {
  return DrawImageRect(image, int(std::nearbyint(rect.X)), int(std::nearbyint(rect.Y)),
                       int(std::nearbyint(rect.Width)), int(std::nearbyint(rect.Height)));
}

TStatus TGPGraphics::DrawImage(TGPImage* image, const TGPRectF& destRect, float srcx, float srcy, float srcwidth,
                               float srcheight, int srcUnit, const TGPImageAttributes* imageAttributes, void*,
                               void*) {
  if (srcUnit != UnitPixel && srcUnit != UnitWorld && srcUnit != UnitDisplay) return SetStatus(NotImplemented);
  return DrawImageImpl(image, destRect.ToQt(), QRectF(srcx, srcy, srcwidth, srcheight), imageAttributes);
}
