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

#include <QPainterPath>
#include <QTransform>

#include <memory>
#include <vector>

#include "controls/GdipImages.h"
#include "controls/GdipText.h"
#include "controls/GdipTypes.h"
#include "platform/Canvas.h"

class QPainter;

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
