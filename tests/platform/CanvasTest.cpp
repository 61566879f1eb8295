// The GDI conventions of the canvas, checked pixel by pixel on QImage pages.
#include "platform/Canvas.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QPixmap>

#include <string>
#include <vector>

namespace platform {
namespace {

// A white page and what was drawn on it.
class Page {
 public:
  Page(int width = 32, int height = 24) : image_(width, height, QImage::Format_RGB32) { image_.fill(Qt::white); }
  QImage& Image() { return image_; }
  TColor At(int x, int y) const { return FromQColor(QColor(image_.pixel(x, y))); }
  bool Inked(int x, int y) const { return At(x, y) != clWhite; }
  // Bounding box of the non-white pixels (empty when none) and their number.
  TRect InkBounds() const {
    TRect box{image_.width(), image_.height(), 0, 0};
    for (int y = 0; y < image_.height(); ++y)
      for (int x = 0; x < image_.width(); ++x)
        if (Inked(x, y)) box = {std::min(box.Left, x), std::min(box.Top, y), std::max(box.Right, x + 1),
                                std::max(box.Bottom, y + 1)};
    return box.IsEmpty() ? TRect{} : box;
  }
  int InkCount(TColor color) const {
    int n = 0;
    for (int y = 0; y < image_.height(); ++y)
      for (int x = 0; x < image_.width(); ++x) n += At(x, y) == color;
    return n;
  }
  int InkCount() const { return image_.width() * image_.height() - InkCount(clWhite); }

 private:
  QImage image_;
};

TEST(GraphicsTest, ColoursKeepRedInTheLowByte) {
  EXPECT_EQ(RGB(255, 0, 0), clRed);
  EXPECT_EQ(RGB(0, 0, 255), clBlue);
  EXPECT_EQ(RGB(0, 255, 255), clAqua);
  EXPECT_EQ(RGB(166, 202, 240), clSkyBlue);
  EXPECT_EQ(RGB(192, 220, 192), clMoneyGreen);
  EXPECT_EQ(RGB(255, 251, 240), clCream);
  EXPECT_EQ(GetRValue(RGB(1, 2, 3)), 1);
  EXPECT_EQ(GetGValue(RGB(1, 2, 3)), 2);
  EXPECT_EQ(GetBValue(RGB(1, 2, 3)), 3);
}

TEST(GraphicsTest, SystemColoursResolveThroughTheTable) {
  struct Case {
    TColor color;
    TColor rgb;
  };
  const Case cases[] = {
      {clBtnFace, RGB(240, 240, 240)},    {clWindow, clWhite},
      {clWindowText, clBlack},            {clHighlight, RGB(51, 153, 255)},
      {clBtnShadow, RGB(160, 160, 160)},  {clBtnHighlight, clWhite},
      {clGrayText, RGB(109, 109, 109)},   {cl3DDkShadow, RGB(105, 105, 105)},
      {cl3DLight, RGB(227, 227, 227)},    {clInfoBk, RGB(255, 255, 225)},
      {clActiveBorder, RGB(180, 180, 180)}, {clGradientActiveCaption, RGB(185, 209, 234)},
      {clSystemColor | 200, clBlack},  // beyond the table
      {RGB(1, 2, 3), RGB(1, 2, 3)},       {clNone, clNone},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.color);
    EXPECT_EQ(ColorToRGB(c.color), c.rgb);
  }
  EXPECT_TRUE(IsSystemColor(clBtnFace));
  EXPECT_FALSE(IsSystemColor(clNone));
  EXPECT_FALSE(IsSystemColor(clWhite));
}

TEST(GraphicsTest, QColorConversion) {
  EXPECT_EQ(ToQColor(clRed), QColor(255, 0, 0));
  EXPECT_EQ(ToQColor(clBtnShadow), QColor(160, 160, 160));
  EXPECT_EQ(ToQColor(clNone).alpha(), 0);
  EXPECT_EQ(FromQColor(QColor(10, 20, 30)), RGB(10, 20, 30));
  EXPECT_EQ(FromQColor(QColor(Qt::transparent)), clNone);
  EXPECT_EQ(FromQColor(QColor()), clNone);
}

TEST(GraphicsTest, MulDivRoundsHalfAwayFromZero) {
  EXPECT_EQ(MulDiv(8, 96, 72), 11);  // 10.67
  EXPECT_EQ(MulDiv(-11, 72, 96), -8);  // -8.25
  EXPECT_EQ(MulDiv(3, 1, 2), 2);
  EXPECT_EQ(MulDiv(-3, 1, 2), -2);
  EXPECT_EQ(MulDiv(1, 1, 0), -1);
}

TEST(GraphicsTest, FontSizeAndHeightFollowEachOther) {
  TFont font;
  font.SetSize(8);
  EXPECT_EQ(font.Height, -11);
  font.SetSize(9);
  EXPECT_EQ(font.Height, -12);
  font.Height = -13;
  EXPECT_EQ(font.Size(), 10);
}

TEST(CanvasTest, FillRectExcludesRightAndBottomEdge) {
  Page page;
  {
    Canvas canvas(&page.Image());
    canvas.Brush.Color = clBlue;
    canvas.FillRect({2, 3, 10, 10});
  }
  EXPECT_EQ(page.InkBounds(), (TRect{2, 3, 10, 10}));
  EXPECT_EQ(page.InkCount(clBlue), 8 * 7);
}

TEST(CanvasTest, RectangleFramesWithPenAndFillsWithBrush) {
  Page page;
  {
    Canvas canvas(&page.Image());
    canvas.Pen.Color = clRed;
    canvas.Brush.Color = clBlue;
    canvas.Rectangle(2, 2, 10, 8);
  }
  EXPECT_EQ(page.InkBounds(), (TRect{2, 2, 10, 8}));
  for (const TPoint p : {TPoint{2, 2}, TPoint{9, 2}, TPoint{2, 7}, TPoint{9, 7}, TPoint{5, 2}, TPoint{9, 4}})
    EXPECT_EQ(page.At(p.X, p.Y), clRed) << p.X << "," << p.Y;
  EXPECT_EQ(page.InkCount(clBlue), 6 * 4);
  EXPECT_EQ(page.At(3, 3), clBlue);
  EXPECT_EQ(page.At(8, 6), clBlue);
}

TEST(CanvasTest, RectangleWithoutPenFillsOnePixelLess) {
  for (const auto& hidePen : {+[](TPen& pen) { pen.Style = psClear; }, +[](TPen& pen) { pen.Color = clNone; }}) {
    Page page;
    {
      Canvas canvas(&page.Image());
      hidePen(canvas.Pen);
      canvas.Brush.Color = clBlue;
      canvas.Rectangle(TRect{2, 2, 10, 8});
    }
    EXPECT_EQ(page.InkBounds(), (TRect{2, 2, 9, 7}));
    EXPECT_EQ(page.InkCount(clBlue), 7 * 5);
  }
}

TEST(CanvasTest, FrameRectIsOnePixelInsideInBrushColour) {
  Page page;
  {
    Canvas canvas(&page.Image());
    canvas.Brush.Color = clGreen;
    canvas.FrameRect({1, 1, 6, 5});
  }
  EXPECT_EQ(page.InkBounds(), (TRect{1, 1, 6, 5}));
  EXPECT_EQ(page.InkCount(clGreen), 2 * 5 + 2 * 2);
  EXPECT_FALSE(page.Inked(3, 3));
}

TEST(CanvasTest, LineToOmitsItsEndPointInEveryDirection) {
  // Every end point on the border of a 41 x 41 page, seen from its centre.
  const TPoint start{20, 20};
  std::vector<TPoint> ends;
  for (int i = 0; i < 40; ++i) {
    ends.push_back({i, 0});
    ends.push_back({40, i});
    ends.push_back({40 - i, 40});
    ends.push_back({0, 40 - i});
  }
  ends.push_back({21, 20});
  ends.push_back({19, 19});
  for (const TPoint end : ends) {
    SCOPED_TRACE(std::to_string(end.X) + "," + std::to_string(end.Y));
    Page page(41, 41);
    {
      Canvas canvas(&page.Image());
      canvas.MoveTo(start.X, start.Y);
      canvas.LineTo(end.X, end.Y);
      EXPECT_EQ(canvas.PenPos(), end);
    }
    EXPECT_TRUE(page.Inked(start.X, start.Y));
    EXPECT_FALSE(page.Inked(end.X, end.Y));
    EXPECT_EQ(page.InkCount(), std::max(std::abs(end.X - start.X), std::abs(end.Y - start.Y)));
  }
}

TEST(CanvasTest, JoinedLinesLeaveOnlyTheLastPointOut) {
  Page page;
  {
    Canvas canvas(&page.Image());
    canvas.MoveTo(2, 2);
    canvas.LineTo(10, 2);
    canvas.LineTo(10, 8);
    canvas.LineTo(10, 8);  // to the current position: nothing
    const TPoint points[] = {{14, 2}, {20, 2}, {20, 8}};
    canvas.Polyline(points);
  }
  EXPECT_TRUE(page.Inked(10, 2));
  EXPECT_TRUE(page.Inked(10, 7));
  EXPECT_FALSE(page.Inked(10, 8));
  EXPECT_EQ(page.InkCount(), 8 + 6 + 6 + 6);
  EXPECT_TRUE(page.Inked(20, 2));
  EXPECT_FALSE(page.Inked(20, 8));
}

TEST(CanvasTest, PolygonWithoutPenExcludesRightAndBottomEdge) {
  Page page;
  {
    Canvas canvas(&page.Image());
    canvas.Pen.Style = psClear;
    canvas.Brush.Color = clBlue;
    const TPoint square[] = {{2, 2}, {10, 2}, {10, 8}, {2, 8}};
    canvas.Polygon(square);
  }
  EXPECT_EQ(page.InkBounds(), (TRect{2, 2, 10, 8}));
}

TEST(CanvasTest, EllipseStaysInsideItsRectangle) {
  Page page;
  {
    Canvas canvas(&page.Image());
    canvas.Brush.Color = clBlue;
    canvas.Ellipse(4, 4, 20, 14);
  }
  EXPECT_EQ(page.InkBounds(), (TRect{4, 4, 20, 14}));
  EXPECT_EQ(page.At(12, 9), clBlue);
  EXPECT_FALSE(page.Inked(4, 4));
}

TEST(CanvasTest, ArcRunsCounterClockwiseFromStartRayToEndRay) {
  Page page;
  {
    Canvas canvas(&page.Image());
    // From the ray to the right (3 o'clock) to the ray upwards (12 o'clock).
    canvas.Arc(4, 2, 24, 22, 30, 12, 14, 0);
  }
  const TRect ink = page.InkBounds();
  EXPECT_GE(ink.Left, 13);
  EXPECT_LE(ink.Bottom, 13);
  EXPECT_GT(page.InkCount(), 10);
}

TEST(CanvasTest, NothingIsPaintedInClNone) {
  Page page;
  {
    Canvas canvas(&page.Image());
    canvas.Brush.Color = clNone;
    canvas.FillRect({0, 0, 32, 24});
    canvas.FrameRect({0, 0, 32, 24});
    canvas.Pen.Color = clNone;
    canvas.Rectangle(1, 1, 20, 20);
    canvas.Ellipse(1, 1, 20, 20);
    canvas.MoveTo(0, 0);
    canvas.LineTo(20, 20);
    canvas.SetPixel(3, 3, clNone);
    canvas.Font.Color = clNone;
    canvas.TextOut(2, 2, "Text");
    TRect r{0, 0, 32, 24};
    canvas.DrawText("Text", r, DT_LEFT);
  }
  EXPECT_EQ(page.InkCount(), 0);
}

TEST(CanvasTest, SystemColoursPaintTheirTableColour) {
  Page page;
  {
    Canvas canvas(&page.Image());
    canvas.Brush.Color = clBtnFace;
    canvas.FillRect({0, 0, 4, 4});
    canvas.Pen.Color = clHighlight;
    canvas.MoveTo(0, 10);
    canvas.LineTo(8, 10);
    canvas.SetPixel(20, 20, cl3DDkShadow);
  }
  EXPECT_EQ(page.At(1, 1), RGB(240, 240, 240));
  EXPECT_EQ(page.At(3, 10), RGB(51, 153, 255));
  EXPECT_EQ(page.At(20, 20), RGB(105, 105, 105));
}

TEST(CanvasTest, TransparentColourIsLeftOut) {
  // 3 x 2 bitmap: fuchsia is the see-through colour.
  QImage bitmap(3, 2, QImage::Format_RGB32);
  bitmap.fill(QColor(255, 0, 255));
  bitmap.setPixel(0, 0, qRgb(255, 0, 0));
  bitmap.setPixel(2, 1, qRgb(0, 0, 255));
  EXPECT_EQ(AutoTransparentColor(bitmap), clFuchsia);

  Page page;
  {
    Canvas canvas(&page.Image());
    canvas.Brush.Color = clLime;
    canvas.FillRect({0, 0, 32, 24});
    canvas.DrawTransparent(1, 1, bitmap, clFuchsia);
    // Stretched twice as large, from the whole bitmap.
    canvas.DrawTransparent({10, 10, 16, 14}, bitmap, {0, 0, 3, 2}, clFuchsia);
    // clNone keys nothing out.
    canvas.DrawTransparent(20, 1, bitmap, clNone);
  }
  EXPECT_EQ(page.At(1, 1), clRed);
  EXPECT_EQ(page.At(2, 1), clLime);
  EXPECT_EQ(page.At(3, 2), clBlue);
  EXPECT_EQ(page.At(1, 2), clLime);
  EXPECT_EQ(page.InkCount(clRed), 1 + 4 + 1);
  EXPECT_EQ(page.At(11, 11), clRed);
  EXPECT_EQ(page.At(12, 11), clLime);
  EXPECT_EQ(page.At(15, 13), clBlue);
  EXPECT_EQ(page.At(14, 12), clBlue);
  EXPECT_EQ(page.At(13, 12), clLime);
  EXPECT_EQ(page.At(21, 1), clFuchsia);
}

TEST(CanvasTest, DrawAndStretchDrawCopyPixels) {
  QImage bitmap(2, 2, QImage::Format_RGB32);
  bitmap.fill(qRgb(0, 0, 255));
  bitmap.setPixel(1, 1, qRgb(255, 0, 0));
  Page page;
  {
    Canvas canvas(&page.Image());
    canvas.Draw(0, 0, bitmap);
    canvas.StretchDraw({10, 0, 14, 4}, bitmap);
  }
  EXPECT_EQ(page.At(1, 1), clRed);
  EXPECT_EQ(page.At(0, 1), clBlue);
  EXPECT_EQ(page.InkBounds(), (TRect{0, 0, 14, 4}));
  EXPECT_EQ(page.InkCount(clRed), 1 + 4);
  EXPECT_EQ(page.At(13, 3), clRed);
}

TEST(CanvasTest, TextHasWidthAndInkInsideItsCell) {
  Page page(80, 40);
  TSize extent;
  {
    Canvas canvas(&page.Image());
    canvas.Font.Color = clBlack;
    canvas.Brush.Style = bsClear;
    EXPECT_GT(canvas.TextWidth("Hg"), 0);
    EXPECT_GT(canvas.TextWidth("Hg Hg"), canvas.TextWidth("Hg"));
    EXPECT_EQ(canvas.TextWidth(""), 0);
    extent = canvas.TextExtent(std::string("Hg"));
    EXPECT_GE(extent.cy, 11);
    EXPECT_LE(extent.cy, 16);
    EXPECT_EQ(canvas.TextHeight("x"), extent.cy);
    canvas.TextOut(10, 20, "Hg");
    EXPECT_EQ(canvas.PenPos(), (TPoint{10 + extent.cx, 20}));
  }
  const TRect ink = page.InkBounds();
  ASSERT_FALSE(ink.IsEmpty());
  EXPECT_GE(ink.Left, 10);
  EXPECT_GE(ink.Top, 20);
  EXPECT_LE(ink.Right, 10 + extent.cx);
  EXPECT_LE(ink.Bottom, 20 + extent.cy);
  // The "g" reaches below the "H", which stands on the baseline.
  EXPECT_GT(ink.Bottom - ink.Top, 8);
}

TEST(CanvasTest, OpaqueTextFillsItsCellWithTheBrush) {
  Page page(80, 40);
  TSize extent;
  {
    Canvas canvas(&page.Image());
    canvas.Brush.Color = clYellow;
    canvas.Font.Color = clBlack;
    extent = canvas.TextExtent("Ab");
    canvas.TextOut(5, 6, "Ab");
  }
  EXPECT_EQ(page.InkBounds(), (TRect{5, 6, 5 + extent.cx, 6 + extent.cy}));
  EXPECT_EQ(page.At(5, 6), clYellow);
  Page transparent(80, 40);
  {
    Canvas canvas(&transparent.Image());
    canvas.Brush.Color = clYellow;
    canvas.BkMode = bkTransparent;
    canvas.TextOut(5, 6, "Ab");
  }
  EXPECT_EQ(transparent.InkCount(clYellow), 0);
  EXPECT_GT(transparent.InkCount(), 0);
}

TEST(CanvasTest, ChineseTextIsDrawn) {
  Page page(80, 40);
  {
    Canvas canvas(&page.Image());
    canvas.Font.Name = QStringLiteral("宋体");
    canvas.Font.Height = -16;
    canvas.Brush.Style = bsClear;
    EXPECT_GT(canvas.TextWidth("通道"), 20);
    canvas.TextOut(2, 2, std::string("通道"));
  }
  EXPECT_GT(page.InkCount(), 20);
}

TEST(CanvasTest, StandInFontFamilies) {
  const std::pair<const char*, const char*> cases[] = {
      {"Tahoma", "DejaVu Sans"},
      {"MS Sans Serif", "DejaVu Sans"},
      {"Arial", "DejaVu Sans"},
      {"Verdana", "DejaVu Sans"},
      {"宋体", "WenQuanYi Micro Hei"},
      {"新細明體", "WenQuanYi Micro Hei"},
      {"SimSun", "WenQuanYi Micro Hei"},
      {"Times New Roman", "DejaVu Serif"},
      {"courier new", "DejaVu Sans Mono"},
      {"", "DejaVu Sans"},
  };
  for (const auto& [windows, standIn] : cases)
    EXPECT_EQ(StandInFontFamily(QString::fromUtf8(windows)), QString::fromUtf8(standIn)) << windows;
}

TEST(CanvasTest, DrawTextAlignsInItsRectangle) {
  struct Case {
    unsigned flags;
    int expectedLeft;   // -1: centred
    int expectedRight;  // -1: not checked
  };
  const TRect box{10, 5, 90, 35};
  const Case cases[] = {
      {DT_LEFT | DT_SINGLELINE | DT_VCENTER, 10, -1},
      {DT_CENTER | DT_SINGLELINE | DT_VCENTER, -1, -1},
      {DT_RIGHT | DT_SINGLELINE | DT_VCENTER, -1, 90},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.flags);
    Page page(100, 40);
    int width = 0;
    {
      Canvas canvas(&page.Image());
      canvas.Brush.Style = bsClear;
      width = canvas.TextWidth("HH");
      TRect r = box;
      canvas.DrawText("HH", r, c.flags);
      EXPECT_EQ(r, box);
    }
    const TRect ink = page.InkBounds();
    ASSERT_FALSE(ink.IsEmpty());
    // The vertical middle of capital letters sits near the box's middle.
    EXPECT_NEAR((ink.Top + ink.Bottom) / 2.0, (box.Top + box.Bottom) / 2.0, 3.0);
    if (c.expectedLeft >= 0) {
      EXPECT_NEAR(ink.Left, c.expectedLeft, 2);
    }
    if (c.expectedRight >= 0) {
      EXPECT_NEAR(ink.Right, c.expectedRight, 2);
    }
    if (c.expectedLeft < 0 && c.expectedRight < 0) {
      EXPECT_NEAR((ink.Left + ink.Right) / 2.0, (box.Left + box.Right) / 2.0, 2.0);
    }
    EXPECT_LE(ink.Right - ink.Left, width);
  }
}

TEST(CanvasTest, DrawTextVerticalAlignmentNeedsSingleLine) {
  Page page(100, 60);
  {
    Canvas canvas(&page.Image());
    canvas.Brush.Style = bsClear;
    TRect r{0, 0, 100, 60};
    canvas.DrawText("HH", r, DT_VCENTER | DT_BOTTOM);
  }
  EXPECT_LT(page.InkBounds().Bottom, 20);
}

TEST(CanvasTest, DrawTextCalcRectAndPrefixes) {
  Page page;
  Canvas canvas(&page.Image());
  TRect r{5, 5, 5, 5};
  const int height = canvas.DrawText("Save", r, DT_CALCRECT | DT_SINGLELINE);
  EXPECT_EQ(height, canvas.TextHeight("Save"));
  EXPECT_EQ(r, (TRect{5, 5, 5 + canvas.TextWidth("Save"), 5 + height}));

  TRect prefixed{0, 0, 0, 0};
  canvas.DrawText("&Save", prefixed, DT_CALCRECT | DT_SINGLELINE);
  EXPECT_EQ(prefixed.Width(), canvas.TextWidth("Save"));
  TRect literal{0, 0, 0, 0};
  canvas.DrawText("&Save", literal, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
  EXPECT_EQ(literal.Width(), canvas.TextWidth("&Save"));

  TRect wrapped{0, 0, canvas.TextWidth("word") + 2, 0};
  const int wrappedHeight = canvas.DrawText("word word word", wrapped, DT_CALCRECT | DT_WORDBREAK);
  EXPECT_GE(wrappedHeight, 3 * canvas.TextHeight("word") - 3);
  EXPECT_EQ(page.InkCount(), 0);
}

TEST(CanvasTest, DrawTextClipsUnlessNoClip) {
  for (const bool noClip : {false, true}) {
    Page page(100, 30);
    {
      Canvas canvas(&page.Image());
      canvas.Brush.Style = bsClear;
      TRect r{0, 0, 12, 30};
      canvas.DrawText("WWWWWWWW", r, DT_LEFT | DT_SINGLELINE | (noClip ? DT_NOCLIP : 0));
    }
    EXPECT_EQ(page.InkBounds().Right > 12, noClip);
  }
}

TEST(CanvasTest, PixelsReadBackThroughOriginAndClip) {
  Page page;
  Canvas canvas(&page.Image());
  canvas.SetPixel(3, 4, clRed);
  EXPECT_EQ(canvas.Pixel(3, 4), clRed);
  EXPECT_EQ(canvas.Pixel(4, 4), clWhite);
  EXPECT_EQ(canvas.Pixel(-1, 0), clNone);
  EXPECT_EQ(canvas.Pixel(32, 0), clNone);
  canvas.OffsetOrigin(2, 2);
  EXPECT_EQ(canvas.Pixel(1, 2), clRed);
  canvas.SetPixel(0, 0, clBlue);
  EXPECT_EQ(page.At(2, 2), clBlue);
  canvas.IntersectClipRect({0, 0, 5, 5});
  EXPECT_EQ(canvas.Pixel(10, 10), clNone);

  // Only images can be read.
  QPixmap pixmap(4, 4);
  pixmap.fill(Qt::white);
  Canvas onPixmap(&pixmap);
  EXPECT_EQ(onPixmap.Pixel(1, 1), clNone);
}

TEST(CanvasTest, ClipRectanglesLimitPainting) {
  Page page;
  {
    Canvas canvas(&page.Image());
    EXPECT_EQ(canvas.ClipRect(), (TRect{0, 0, 32, 24}));
    canvas.Brush.Color = clBlue;
    canvas.IntersectClipRect({4, 4, 20, 16});
    EXPECT_EQ(canvas.ClipRect(), (TRect{4, 4, 20, 16}));
    canvas.ExcludeClipRect({8, 8, 12, 12});
    canvas.FillRect({0, 0, 32, 24});
    canvas.ResetClip();
    canvas.Brush.Color = clRed;
    canvas.FillRect({30, 22, 32, 24});
  }
  EXPECT_EQ(page.InkCount(clBlue), 16 * 12 - 4 * 4);
  EXPECT_FALSE(page.Inked(9, 9));
  EXPECT_EQ(page.InkCount(clRed), 4);
}

TEST(CanvasTest, SaveAndRestoreBringBackTheDrawingState) {
  Page page;
  Canvas canvas(&page.Image());
  canvas.Pen.Color = clRed;
  canvas.MoveTo(1, 2);
  canvas.Save();
  canvas.Pen = {clBlue, 3, psDash, pmXor};
  canvas.Brush.Style = bsClear;
  canvas.Font.Style = fsBold;
  canvas.SetAntialias(true);
  canvas.IntersectClipRect({0, 0, 2, 2});
  canvas.MoveTo(5, 5);
  canvas.Restore();
  EXPECT_EQ(canvas.Pen, (TPen{clRed, 1, psSolid, pmCopy}));
  EXPECT_EQ(canvas.Brush.Style, bsSolid);
  EXPECT_EQ(canvas.Font.Style, 0u);
  EXPECT_FALSE(canvas.Antialias());
  EXPECT_EQ(canvas.PenPos(), (TPoint{1, 2}));
  EXPECT_EQ(canvas.ClipRect(), (TRect{0, 0, 32, 24}));
}

TEST(CanvasTest, CallersPainterIsLeftAsFound) {
  Page page;
  QPainter painter(&page.Image());
  painter.setClipRect(QRect(0, 0, 10, 10));
  painter.setPen(QColor(1, 2, 3));
  {
    Canvas canvas(painter);
    canvas.Brush.Color = clBlue;
    canvas.SetAntialias(true);
    canvas.ResetClip();
    canvas.FillRect({0, 0, 32, 24});  // still bounded by the caller's clip
    canvas.SetClipRect({20, 20, 30, 30});
    canvas.FillRect({0, 0, 32, 24});
  }
  EXPECT_EQ(painter.pen().color(), QColor(1, 2, 3));
  EXPECT_EQ(painter.clipBoundingRect().toRect(), QRect(0, 0, 10, 10));
  EXPECT_FALSE(painter.testRenderHint(QPainter::Antialiasing));
  painter.end();
  EXPECT_EQ(page.InkBounds(), (TRect{0, 0, 10, 10}));
}

TEST(CanvasTest, AntialiasingIsOffUntilSwitchedOn) {
  const auto greys = [](bool antialias) {
    Page page;
    {
      Canvas canvas(&page.Image());
      canvas.SetAntialias(antialias);
      canvas.MoveTo(1, 1);
      canvas.LineTo(30, 13);
    }
    return page.InkCount() - page.InkCount(clBlack);
  };
  EXPECT_EQ(greys(false), 0);
  EXPECT_GT(greys(true), 0);
}

TEST(CanvasTest, XorPenDrawnTwiceLeavesNoTrace) {
  Page page;
  {
    Canvas canvas(&page.Image());
    canvas.Pen.Mode = pmNotXor;
    canvas.Brush.Style = bsClear;
    canvas.Rectangle(2, 2, 20, 15);
    canvas.Rectangle(2, 2, 20, 15);
  }
  EXPECT_EQ(page.InkCount(), 0);
}

}  // namespace
}  // namespace platform
