// TwPlotAnnotation's drawing, one step per style.
#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>

#include "controls/CustomImageList.h"
#include "controls/wMath.h"
#include "plot/wPlotAnnotation.h"
#include "plot/wPlotAxis.h"
#include "plot/wPlotChannelCustom.h"
#include "plot/wPlotComponent.h"
#include "plot/wPlotDataView.h"

using platform::Canvas;
using platform::TPoint;
using platform::TRect;

namespace {
int Nearest(double v) { return int(std::nearbyint(v)); }

bool Intersects(const TRect& A, const TRect& B) {
  return A.Left < B.Right && B.Left < A.Right && A.Top < B.Bottom && B.Top < A.Bottom;
}

TRect Intersection(const TRect& A, const TRect& B) {
  TRect r{std::max(A.Left, B.Left), std::max(A.Top, B.Top), std::min(A.Right, B.Right), std::min(A.Bottom, B.Bottom)};
  return r.IsEmpty() ? TRect{} : r;
}
}  // namespace

TPoint TwPlotAnnotation::Oriented(int A, int B) const { return XYAxesReversed() ? TPoint{B, A} : TPoint{A, B}; }

TRect TwPlotAnnotation::OrientedRect(int X1, int Y1, int X2, int Y2) const {
  const TPoint p1 = Oriented(X1, Y1), p2 = Oriented(X2, Y2);
  return {std::min(p1.X, p2.X), std::min(p1.Y, p2.Y), std::max(p1.X, p2.X), std::max(p1.Y, p2.Y)};
}

TRect TwPlotAnnotation::ViewRect() const { return FDataView ? FDataView->DrawRect() : TRect{}; }

TRect TwPlotAnnotation::TextBlock(Canvas& Canvas, int X, int Y, int Width, int Height) const {
  const int cw = Canvas.TextWidth(QStringLiteral("A")), ch = Canvas.TextHeight(QStringLiteral("A"));
  TRect t{X - Width / 2, Y - Height / 2, X - Width / 2 + Width, Y - Height / 2 + Height};
  const int dx = Nearest(cw * FTextHorzMargin) + Width / 2, dy = Nearest(ch * FTextVertMargin) + Height / 2;
  if (FTextHorzAlignment == iahLeft) t = t.Offset(dx, 0);
  else if (FTextHorzAlignment == iahRight) t = t.Offset(-dx, 0);
  if (FTextVertAlignment == iavTop) t = t.Offset(0, dy);
  else if (FTextVertAlignment == iavBottom) t = t.Offset(0, -dy);
  return t;
}

void TwPlotAnnotation::drawText(Canvas& Canvas, int X, int Y) {
  Canvas.Font = FFont;
  int tw = MaxLineTextWidth(Canvas, FText), th = TextHeightCalc(Canvas, FText);
  const TPoint c = Oriented(X, Y);
  if (FTextRotation == ira090 || FTextRotation == ira270) std::swap(tw, th);
  const TRect t = TextBlock(Canvas, c.X, c.Y, tw, th);
  FClickRect = t;
  if (!Intersects(t, ViewRect())) return;
  FShowing = true;
  Canvas.Brush.Style = platform::bsClear;
  TRect out;
  DrawTextRotated(Canvas, FText, t, out, FFont.Color, Enabled(), FTextLineAlignment, FTextRotation);
}

void TwPlotAnnotation::drawTextBox(Canvas& Canvas, int X, int Y) {
  Canvas.Font = FFont;
  const int tw = MaxLineTextWidth(Canvas, FText), th = TextHeightCalc(Canvas, FText);
  const TPoint c = Oriented(X, Y);
  const TRect box = TextBlock(Canvas, c.X, c.Y, tw + 2 * FOuterMargin, th + 2 * FOuterMargin);
  FClickRect = box;
  if (!Intersects(box, ViewRect())) return;
  FShowing = true;
  Canvas.Rectangle(box);
  Canvas.Brush.Style = platform::bsClear;
  TRect out;
  DrawTextRotated(Canvas, FText, box.Inflated(-FOuterMargin, -FOuterMargin), out, FFont.Color, Enabled(),
                  FTextLineAlignment, FTextRotation);
}

void TwPlotAnnotation::drawLine(Canvas& Canvas, int X, int Y, int X2, int Y2) {
  const std::array<TPoint, 2> line{Oriented(X, Y), Oriented(X2, Y2)};
  if (LineIntersectsRect(line[0], line[1], ViewRect())) Canvas.Polyline(line);
}

void TwPlotAnnotation::drawMarkerLine(Canvas& Canvas, int X, int Y) {
  const TRect d = ViewRect();
  const bool reversed = XYAxesReversed();
  std::array<TPoint, 2> line;
  if (FStyle == ipasLineX) {
    line = reversed ? std::array<TPoint, 2>{TPoint{d.Right, X}, TPoint{d.Left, X}}
                    : std::array<TPoint, 2>{TPoint{X, d.Top}, TPoint{X, d.Bottom}};
  } else {
    line = reversed ? std::array<TPoint, 2>{TPoint{Y, d.Top}, TPoint{Y, d.Bottom}}
                    : std::array<TPoint, 2>{TPoint{d.Left, Y}, TPoint{d.Right, Y}};
  }
  const bool vertical = line[0].X == line[1].X;
  FClickRect = vertical ? TRect{line[0].X - 5, d.Top, line[0].X + 6, d.Bottom}
                        : TRect{d.Left, line[0].Y - 5, d.Right, line[0].Y + 6};
  if (!Intersects(FClickRect, d)) return;
  FShowing = true;
  Canvas.Polyline(line);
}

void TwPlotAnnotation::UpdateHandles(const TRect& Rect) {
  const TRect d = ViewRect();
  auto handle = [&](int x, int y) { return Intersection({x - 3, y - 3, x + 4, y + 4}, d); };
  FSizeTopLeftRect = handle(Rect.Left, Rect.Top);
  FSizeTopRightRect = handle(Rect.Right, Rect.Top);
  FSizeBottomLeftRect = handle(Rect.Left, Rect.Bottom);
  FSizeBottomRightRect = handle(Rect.Right, Rect.Bottom);
  FHasHandles = true;
}

void TwPlotAnnotation::drawHandles(Canvas& Canvas) {
  if (!UserSelected() || !FShowFocusRect) return;
  if (Canvas.Pen.Style == platform::psSolid) Canvas.Brush.Color = Canvas.Pen.Color;
  // Inverted: white XOR flips every bit of the pixels underneath.
  Canvas.Pen = platform::TPen{platform::clWhite, 1, platform::psSolid, platform::pmXor};
  Canvas.Brush = platform::TBrush{platform::clWhite, platform::bsSolid};
  for (const TRect& r : {FSizeTopLeftRect, FSizeTopRightRect, FSizeBottomLeftRect, FSizeBottomRightRect})
    if (!r.IsEmpty()) Canvas.Rectangle(r);
  Canvas.Pen.Mode = platform::pmCopy;
}

void TwPlotAnnotation::drawShape(Canvas& Canvas, const TRect& Rect, bool Ellipse) {
  FDrawRect = Rect;
  FClickRect = Intersection(Rect, ViewRect());
  UpdateHandles(Rect);
  if (!Intersects(Rect, ViewRect())) return;
  FShowing = true;
  if (Ellipse) Canvas.Ellipse(Rect);
  else Canvas.Rectangle(Rect);
  drawHandles(Canvas);
}

void TwPlotAnnotation::drawTextRectangle(Canvas& Canvas, const TRect& Rect) {
  const platform::TPen pen = Canvas.Pen;
  drawShape(Canvas, Rect, false);
  if (!FShowing) return;
  Canvas.Pen = pen;
  Canvas.Font = FFont;
  const int tw = MaxLineTextWidth(Canvas, FText), th = TextHeightCalc(Canvas, FText);
  const int cw = Canvas.TextWidth(QStringLiteral("0")), ch = Canvas.TextHeight(QStringLiteral("A"));
  const int mx = Nearest(cw * FTextHorzMargin), my = Nearest(ch * FTextVertMargin);
  TRect t = Rect;
  if (FTextHorzAlignment == iahLeft) t.Right = (t.Left += mx) + tw;
  else if (FTextHorzAlignment == iahRight) t.Left = (t.Right -= mx) - tw;
  if (FTextVertAlignment == iavTop) t.Bottom = (t.Top += my) + th;
  else if (FTextVertAlignment == iavBottom) t.Top = (t.Bottom -= my) - th;
  Canvas.Brush.Style = platform::bsClear;
  TRect out;
  DrawTextRotated(Canvas, FText, t, out, FFont.Color, Enabled(), FTextLineAlignment, FTextRotation);
}

void TwPlotAnnotation::drawImage(Canvas& Canvas, int X, int Y) {
  const TPoint c = Oriented(X, Y);
  if (FImage) {
    const TRect r{c.X - FImage->width() / 2, c.Y - FImage->height() / 2, c.X - FImage->width() / 2 + FImage->width(),
                  c.Y - FImage->height() / 2 + FImage->height()};
    FClickRect = r;
    if (!Intersects(r, ViewRect())) return;
    FShowing = true;
    Canvas.DrawTransparent(r.Left, r.Top, *FImage, platform::AutoTransparentColor(*FImage));
    return;
  }
  TCustomImageList* list = Owner()->ImageList(FImageListIndex == 0 || FImageListIndex == 1 ? FImageListIndex : 2);
  if (FImageIndex < 0 || FImageIndex >= list->Count()) return;
  const TRect r{c.X - list->Width() / 2, c.Y - list->Height() / 2, c.X - list->Width() / 2 + list->Width(),
                c.Y - list->Height() / 2 + list->Height()};
  FClickRect = r;
  if (!Intersects(r, ViewRect())) return;
  FShowing = true;
  list->Draw(Canvas.Painter(), r.Left, r.Top, FImageIndex, Enabled());
}

void TwPlotAnnotation::drawPolygon(Canvas& Canvas) {
  if (FPolyPoints.size() < 2) return;
  std::vector<TPoint> points;
  for (const TwPlotAnnotationPoint& p : FPolyPoints)
    points.push_back(Oriented(PositionXToPixels(p.X), PositionYToPixels(p.Y)));
  TRect box{points[0].X, points[0].Y, points[0].X, points[0].Y};
  for (const TPoint& p : points) {
    box.Left = std::min(box.Left, p.X);
    box.Top = std::min(box.Top, p.Y);
    box.Right = std::max(box.Right, p.X + 1);
    box.Bottom = std::max(box.Bottom, p.Y + 1);
  }
  FDrawRect = box;
  FClickRect = Intersection(box, ViewRect());
  UpdateHandles(box);
  if (!Intersects(box, ViewRect())) return;
  FShowing = true;
  Canvas.Polygon(points);
  drawHandles(Canvas);
}

void TwPlotAnnotation::Draw(Canvas& Canvas, platform::TColor BackGroundColor) {
  FShowing = false;
  FHasHandles = false;
  FClickRect = TRect{};
  if (!Visible() || !FDataView) return;
  const bool onChannel = PositionXOnChannel() || PositionYOnChannel() || SizeXOnChannel() || SizeYOnChannel();
  TwPlotAxis *xAxis = nullptr, *yAxis = nullptr;
  const bool axes = ChannelAxes(xAxis, yAxis);
  if (onChannel && !axes) return;

  const int x = PositionXToPixels(FX), y = PositionYToPixels(FY);
  const int x2 = PositionXToPixels(FX2), y2 = PositionYToPixels(FY2);
  const int w = SizeToPixels(FWidth, SizeXOnChannel(), true) / 2, h = SizeToPixels(FHeight, SizeYOnChannel(), false) / 2;
  const TRect centred = OrientedRect(x - w, y - h, x + w, y + h);

  if ((FClipToAxes || (FReference == iprtChannel && Owner()->ClipAnnotationsToAxes())) && axes) {
    const TRect clip = OrientedRect(xAxis->PositionToPixels(xAxis->Min()), yAxis->PositionToPixels(yAxis->Min()),
                                    xAxis->PositionToPixels(xAxis->Max()), yAxis->PositionToPixels(yAxis->Max()));
    Canvas.IntersectClipRect({clip.Left, clip.Top, clip.Right + 1, clip.Bottom + 1});
  }
  const bool line = FStyle == ipasLine || FStyle == ipasLineX || FStyle == ipasLineY;
  Canvas.Pen = platform::TPen{FPenColor, FPenWidth, FPenStyle};
  Canvas.Brush = line ? platform::TBrush{BackGroundColor, platform::bsSolid} : platform::TBrush{FBrushColor, FBrushStyle};
  Canvas.BkMode = platform::bkTransparent;

  switch (FStyle) {
    case ipasText: drawText(Canvas, x, y); break;
    case ipasTextBox: drawTextBox(Canvas, x, y); break;
    case ipasLine: drawLine(Canvas, x, y, x2, y2); break;
    case ipasLineX:
    case ipasLineY: drawMarkerLine(Canvas, x, y); break;
    case ipasRectangle: drawShape(Canvas, centred, false); break;
    case ipasEllipse2: drawShape(Canvas, centred, true); break;
    case ipasRectangle2: drawShape(Canvas, OrientedRect(x, y, x2, y2), false); break;
    case ipasEllipse: drawShape(Canvas, OrientedRect(x, y, x2, y2), true); break;
    case ipasTextRectangle: drawTextRectangle(Canvas, centred); break;
    case ipasImage: drawImage(Canvas, x, y); break;
    case ipasPolygon: drawPolygon(Canvas); break;
  }
}
