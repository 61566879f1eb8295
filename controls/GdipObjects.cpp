// Paths, regions and matrices of the GDI+ layer.
#include "controls/GdipObjects.h"

#include <cmath>

void AddCardinalSpline(QPainterPath& path, std::span<const QPointF> pts, double tension) {
  if (pts.empty()) return;
  if (path.elementCount() == 0) path.moveTo(pts[0]);
  else if (path.currentPosition() != pts[0]) path.lineTo(pts[0]);
  const double t = tension / 3.0;
  const std::size_t n = pts.size();
  for (std::size_t i = 0; i + 1 < n; ++i) {
    const QPointF& p0 = pts[i == 0 ? 0 : i - 1];
    const QPointF& p1 = pts[i];
    const QPointF& p2 = pts[i + 1];
    const QPointF& p3 = pts[i + 2 < n ? i + 2 : n - 1];
    path.cubicTo(p1 + t * (p2 - p0), p2 - t * (p3 - p1), p2);
  }
}

// ---- Paths ----

TGPGraphicsPath::TGPGraphicsPath(int fillMode) : nativePath(std::make_unique<gdipdetail::PathData>()) {
  if (fillMode != FillModeAlternate && fillMode != FillModeWinding) lastResult = InvalidParameter;
  nativePath->path.setFillRule(fillMode == FillModeWinding ? Qt::WindingFill : Qt::OddEvenFill);
}

TGPGraphicsPath::TGPGraphicsPath(std::unique_ptr<gdipdetail::PathData> path) : nativePath(std::move(path)) {}

TGPGraphicsPath::~TGPGraphicsPath() = default;

TStatus TGPGraphicsPath::SetStatus(TStatus status) {
  if (status != Ok) lastResult = status;
  return status;
}

TStatus TGPGraphicsPath::GetLastStatus() {
  const TStatus s = lastResult;
  lastResult = Ok;
  return s;
}

int TGPGraphicsPath::GetPointCount() const {
  if (!nativePath) return 0;
  // GDI+ keeps no point for the line that closes a figure.
  const QPainterPath& path = nativePath->path;
  int count = path.elementCount();
  int start = 0;
  for (int i = 0; i <= path.elementCount(); ++i) {
    if (i < path.elementCount() && (i == 0 || !path.elementAt(i).isMoveTo())) continue;
    const int last = i - 1;
    if (last - start >= 2 && path.elementAt(last).isLineTo() &&
        QPointF(path.elementAt(last)) == QPointF(path.elementAt(start)))
      --count;
    start = i;
  }
  return count;
}

void TGPGraphicsPath::JoinTo(const QPointF& p) {
  QPainterPath& path = nativePath->path;
  if (nativePath->newFigure) path.moveTo(p);
  else path.lineTo(p);
  nativePath->newFigure = false;
  nativePath->isEllipse = false;
}

void TGPGraphicsPath::AddClosed(const QPainterPath& figure) {
  const Qt::FillRule rule = nativePath->path.fillRule();
  nativePath->path.addPath(figure);
  nativePath->path.setFillRule(rule);
  nativePath->newFigure = true;
  nativePath->isEllipse = false;
}

TStatus TGPGraphicsPath::Reset() {
  const Qt::FillRule rule = nativePath->path.fillRule();
  nativePath->path = QPainterPath();
  nativePath->path.setFillRule(rule);
  nativePath->newFigure = true;
  nativePath->isEllipse = false;
  return Ok;
}

TStatus TGPGraphicsPath::CloseFigure() {
  if (!nativePath->newFigure) nativePath->path.closeSubpath();
  nativePath->newFigure = true;
  return Ok;
}

TStatus TGPGraphicsPath::AddLine(const TGPPointF& pt1, const TGPPointF& pt2) {
  JoinTo(pt1.ToQt());
  nativePath->path.lineTo(pt2.ToQt());
  return Ok;
}

TStatus TGPGraphicsPath::AddLine(float x1, float y1, float x2, float y2) {
  return AddLine(TGPPointF{x1, y1}, TGPPointF{x2, y2});
}

TStatus TGPGraphicsPath::AddLines(const TGPPoint* points, int count) {
  if (!points || count <= 0) return SetStatus(InvalidParameter);
  JoinTo(QPointF(points[0].ToQt()));
  for (int i = 1; i < count; ++i) nativePath->path.lineTo(QPointF(points[i].ToQt()));
  return Ok;
}

TStatus TGPGraphicsPath::AddRectangle(const TGPRectF& rect) {
  QPainterPath f;
  f.addRect(rect.ToQt());
  AddClosed(f);
  return Ok;
}

TStatus TGPGraphicsPath::AddRectangle(const TGPRect& rect) { return AddRectangle(TGPRectF::FromQt(QRectF(rect.ToQt()))); }

TStatus TGPGraphicsPath::AddArc(const TGPRectF& rect, float startAngle, float sweepAngle) {
  // Qt turns counter-clockwise: the angles change sign.
  const QRectF r = rect.ToQt();
  QPainterPath probe;
  probe.arcMoveTo(r, -startAngle);
  JoinTo(probe.currentPosition());
  nativePath->path.arcTo(r, -startAngle, -sweepAngle);
  return Ok;
}

TStatus TGPGraphicsPath::AddArc(float x, float y, float width, float height, float startAngle, float sweepAngle) {
  return AddArc(TGPRectF{x, y, width, height}, startAngle, sweepAngle);
}

TStatus TGPGraphicsPath::AddEllipse(const TGPRectF& rect) {
  const bool empty = nativePath->path.elementCount() == 0;
  QPainterPath f;
  f.addEllipse(rect.ToQt());
  AddClosed(f);
  nativePath->isEllipse = empty;
  nativePath->ellipseRect = rect.ToQt();
  return Ok;
}

TStatus TGPGraphicsPath::AddEllipse(float x, float y, float width, float height) {
  return AddEllipse(TGPRectF{x, y, width, height});
}

TStatus TGPGraphicsPath::AddPie(const TGPRectF& rect, float startAngle, float sweepAngle) {
  const QRectF r = rect.ToQt();
  QPainterPath f;
  f.moveTo(r.center());
  f.arcTo(r, -startAngle, -sweepAngle);
  f.closeSubpath();
  AddClosed(f);
  return Ok;
}

TStatus TGPGraphicsPath::AddPie(float x, float y, float width, float height, float startAngle, float sweepAngle) {
  return AddPie(TGPRectF{x, y, width, height}, startAngle, sweepAngle);
}

TStatus TGPGraphicsPath::AddPolygon(const TGPPointF* points, int count) {
  if (!points || count < 3) return SetStatus(InvalidParameter);
  QPolygonF poly;
  for (int i = 0; i < count; ++i) poly << points[i].ToQt();
  QPainterPath f;
  f.addPolygon(poly);
  f.closeSubpath();
  AddClosed(f);
  return Ok;
}

TStatus TGPGraphicsPath::AddPolygon(const TGPPoint* points, int count) {
  if (!points || count < 3) return SetStatus(InvalidParameter);
  std::vector<TGPPointF> f(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) f[std::size_t(i)] = {float(points[i].X), float(points[i].Y)};
  return AddPolygon(f.data(), count);
}

TStatus TGPGraphicsPath::AddCurve(const TGPPointF* points, int count) {
  if (!points || count < 2) return SetStatus(InvalidParameter);
  std::vector<QPointF> pts;
  for (int i = 0; i < count; ++i) pts.push_back(points[i].ToQt());
  JoinTo(pts[0]);
  AddCardinalSpline(nativePath->path, pts);
  return Ok;
}

TStatus TGPGraphicsPath::AddCurve(const TGPPoint* points, int count) { return AddCurve(points, count, 0.5f); }

TStatus TGPGraphicsPath::AddCurve(const TGPPoint* points, int count, float tension) {
  if (!points || count < 2) return SetStatus(InvalidParameter);
  std::vector<QPointF> pts;
  for (int i = 0; i < count; ++i) pts.push_back(QPointF(points[i].ToQt()));
  JoinTo(pts[0]);
  AddCardinalSpline(nativePath->path, pts, tension);
  return Ok;
}

TStatus TGPGraphicsPath::AddBezier(const TGPPointF& pt1, const TGPPointF& pt2, const TGPPointF& pt3,
                                   const TGPPointF& pt4) {
  JoinTo(pt1.ToQt());
  nativePath->path.cubicTo(pt2.ToQt(), pt3.ToQt(), pt4.ToQt());
  return Ok;
}

TStatus TGPGraphicsPath::AddBezier(const TGPPoint& pt1, const TGPPoint& pt2, const TGPPoint& pt3,
                                   const TGPPoint& pt4) {
  auto f = [](const TGPPoint& p) { return TGPPointF{float(p.X), float(p.Y)}; };
  return AddBezier(f(pt1), f(pt2), f(pt3), f(pt4));
}

TStatus TGPGraphicsPath::AddBezier(float x1, float y1, float x2, float y2, float x3, float y3, float x4, float y4) {
  return AddBezier(TGPPointF{x1, y1}, TGPPointF{x2, y2}, TGPPointF{x3, y3}, TGPPointF{x4, y4});
}

// ---- Regions ----

TGPRegion::TGPRegion(const TGPRectF& rect) : nativeRegion(std::make_unique<QPainterPath>()) {
  nativeRegion->addRect(rect.ToQt());
}

TGPRegion::TGPRegion(const TGPGraphicsPath* path) {
  if (!path || !path->Native()) {
    lastResult = InvalidParameter;
    return;
  }
  nativeRegion = std::make_unique<QPainterPath>(path->Path());
}

TGPRegion::~TGPRegion() = default;

TStatus TGPRegion::SetStatus(TStatus status) {
  if (status != Ok) lastResult = status;
  return status;
}

TStatus TGPRegion::GetLastStatus() {
  const TStatus s = lastResult;
  lastResult = Ok;
  return s;
}

TStatus TGPRegion::Exclude(const TGPGraphicsPath* path) {
  if (!nativeRegion || !path || !path->Native()) return SetStatus(InvalidParameter);
  *nativeRegion = nativeRegion->subtracted(path->Path());
  return Ok;
}

TStatus TGPRegion::Union(const TGPRegion* region) {
  if (!nativeRegion || !region || !region->Native()) return SetStatus(InvalidParameter);
  *nativeRegion = nativeRegion->united(*region->Native());
  return Ok;
}

// ---- Matrices ----
// GDI+ and Qt both map row vectors: A * B applies A first. Prepend puts the
// operation before the matrix, append after it.

TGPMatrix::TGPMatrix() : nativeMatrix(std::make_unique<QTransform>()) {}

TGPMatrix::TGPMatrix(float m11, float m12, float m21, float m22, float dx, float dy)
    : nativeMatrix(std::make_unique<QTransform>(m11, m12, m21, m22, dx, dy)) {}

TGPMatrix::TGPMatrix(const TGPRectF& rect, const TGPPointF* dstplg) {
  if (!dstplg || rect.Width == 0 || rect.Height == 0) {
    lastResult = InvalidParameter;
    return;
  }
  const double w = rect.Width, h = rect.Height;
  const double m11 = (dstplg[1].X - dstplg[0].X) / w, m12 = (dstplg[1].Y - dstplg[0].Y) / w;
  const double m21 = (dstplg[2].X - dstplg[0].X) / h, m22 = (dstplg[2].Y - dstplg[0].Y) / h;
  nativeMatrix = std::make_unique<QTransform>(m11, m12, m21, m22, dstplg[0].X - m11 * rect.X - m21 * rect.Y,
                                              dstplg[0].Y - m12 * rect.X - m22 * rect.Y);
}

TGPMatrix::TGPMatrix(const TGPRect& rect, const TGPPoint* dstplg) {
  if (!dstplg) {
    lastResult = InvalidParameter;
    return;
  }
  const TGPPointF f[3] = {{float(dstplg[0].X), float(dstplg[0].Y)}, {float(dstplg[1].X), float(dstplg[1].Y)},
                          {float(dstplg[2].X), float(dstplg[2].Y)}};
  TGPMatrix m(TGPRectF::FromQt(QRectF(rect.ToQt())), f);
  lastResult = m.lastResult;
  nativeMatrix = std::move(m.nativeMatrix);
}

TGPMatrix::~TGPMatrix() = default;

TStatus TGPMatrix::SetStatus(TStatus status) {
  if (status != Ok) lastResult = status;
  return status;
}

TStatus TGPMatrix::GetLastStatus() {
  const TStatus s = lastResult;
  lastResult = Ok;
  return s;
}

TGPMatrix* TGPMatrix::Clone() const {
  if (!nativeMatrix) return nullptr;
  const QTransform& t = *nativeMatrix;
  return new TGPMatrix(float(t.m11()), float(t.m12()), float(t.m21()), float(t.m22()), float(t.dx()), float(t.dy()));
}

TStatus TGPMatrix::GetElements(float* m) {
  if (!nativeMatrix || !m) return SetStatus(InvalidParameter);
  const QTransform& t = *nativeMatrix;
  const double e[6] = {t.m11(), t.m12(), t.m21(), t.m22(), t.dx(), t.dy()};
  for (int i = 0; i < 6; ++i) m[i] = float(e[i]);
  return Ok;
}

TStatus TGPMatrix::SetElements(float m11, float m12, float m21, float m22, float dx, float dy) {
  if (!nativeMatrix) return SetStatus(InvalidParameter);
  *nativeMatrix = QTransform(m11, m12, m21, m22, dx, dy);
  return Ok;
}

TStatus TGPMatrix::Reset() { return SetElements(1, 0, 0, 1, 0, 0); }

float TGPMatrix::OffsetX() {
  float m[6];
  return GetElements(m) == Ok ? m[4] : 0.0f;
}

float TGPMatrix::OffsetY() {
  float m[6];
  return GetElements(m) == Ok ? m[5] : 0.0f;
}

TStatus TGPMatrix::Combine(const QTransform& op, int order) {
  if (!nativeMatrix || (order != MatrixOrderPrepend && order != MatrixOrderAppend)) return SetStatus(InvalidParameter);
  *nativeMatrix = order == MatrixOrderAppend ? *nativeMatrix * op : op * *nativeMatrix;
  return Ok;
}

TStatus TGPMatrix::Multiply(const TGPMatrix* matrix, int order) {
  if (!matrix || !matrix->Native()) return SetStatus(InvalidParameter);
  return Combine(*matrix->Native(), order);
}

TStatus TGPMatrix::Translate(float offsetX, float offsetY, int order) {
  return Combine(QTransform::fromTranslate(offsetX, offsetY), order);
}

TStatus TGPMatrix::Scale(float scaleX, float scaleY, int order) {
  return Combine(QTransform::fromScale(scaleX, scaleY), order);
}

TStatus TGPMatrix::Rotate(float angle, int order) { return Combine(QTransform().rotate(angle), order); }

TStatus TGPMatrix::RotateAt(float angle, const TGPPointF& center, int order) {
  if (order == MatrixOrderAppend) {
    Translate(-center.X, -center.Y, MatrixOrderAppend);
    Rotate(angle, MatrixOrderAppend);
    return Translate(center.X, center.Y, MatrixOrderAppend);
  }
  Translate(center.X, center.Y, MatrixOrderPrepend);
  Rotate(angle, MatrixOrderPrepend);
  return Translate(-center.X, -center.Y, MatrixOrderPrepend);
}

TStatus TGPMatrix::Shear(float shearX, float shearY, int order) {
  return Combine(QTransform(1, shearY, shearX, 1, 0, 0), order);
}

TStatus TGPMatrix::Invert() {
  if (!nativeMatrix || !nativeMatrix->isInvertible()) return SetStatus(InvalidParameter);
  *nativeMatrix = nativeMatrix->inverted();
  return Ok;
}

TStatus TGPMatrix::TransformPoints(TGPPointF* pts, int count) {
  if (!nativeMatrix || !pts || count <= 0) return SetStatus(InvalidParameter);
  for (int i = 0; i < count; ++i) pts[i] = TGPPointF::FromQt(nativeMatrix->map(pts[i].ToQt()));
  return Ok;
}

TStatus TGPMatrix::TransformPoints(TGPPoint* pts, int count) {
  if (!nativeMatrix || !pts || count <= 0) return SetStatus(InvalidParameter);
  for (int i = 0; i < count; ++i) {
    const QPointF p = nativeMatrix->map(QPointF(pts[i].ToQt()));
    pts[i] = {int(std::lround(p.x())), int(std::lround(p.y()))};
  }
  return Ok;
}

TStatus TGPMatrix::TransformVectors(TGPPointF* pts, int count) {
  if (!nativeMatrix || !pts || count <= 0) return SetStatus(InvalidParameter);
  const QTransform& t = *nativeMatrix;
  for (int i = 0; i < count; ++i) {
    const double x = pts[i].X, y = pts[i].Y;
    pts[i] = {float(x * t.m11() + y * t.m21()), float(x * t.m12() + y * t.m22())};
  }
  return Ok;
}

TStatus TGPMatrix::TransformVectors(TGPPoint* pts, int count) {
  if (!nativeMatrix || !pts || count <= 0) return SetStatus(InvalidParameter);
  const QTransform& t = *nativeMatrix;
  for (int i = 0; i < count; ++i) {
    const double x = pts[i].X, y = pts[i].Y;
    pts[i] = {int(std::lround(x * t.m11() + y * t.m21())), int(std::lround(x * t.m12() + y * t.m22()))};
  }
  return Ok;
}

bool TGPMatrix::IsInvertible() {
  if (!nativeMatrix) {
    SetStatus(InvalidParameter);
    return false;
  }
  return nativeMatrix->isInvertible();
}

bool TGPMatrix::IsIdentity() {
  if (!nativeMatrix) {
    SetStatus(InvalidParameter);
    return false;
  }
  return nativeMatrix->isIdentity();
}
