// The shared drawing routines on plain images: colour arithmetic, frames,
// gradients, keyed bitmaps, text helpers and the drop-down arrow.
#include "controls/UxDraw.h"

#include "support/UiFixture.h"

#include <QImage>
#include <QPainter>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

using namespace platform;
using namespace uxdraw;

namespace {

// A pixel that keeps this colour was not drawn.
constexpr TColor kUntouched = platform::RGB(1, 2, 3);

QImage Page(int w, int h, TColor fill = kUntouched) {
  QImage img(w, h, QImage::Format_RGB32);
  img.fill(ToQColor(fill));
  return img;
}

TColor Px(const QImage& img, int x, int y) { return FromQColor(img.pixelColor(x, y)); }

TColor Grey(int v) { return platform::RGB(v, v, v); }

const TColor kFace = platform::RGB(255, 128, 128);

// ---- colours ----

TEST(UxDrawColor, ArithmeticTable) {
  EXPECT_EQ(ColorToHsl(clRed), (THsl{0, 240, 120}));
  EXPECT_EQ(ColorToHsl(Grey(128)), (THsl{0, 0, 120}));
  EXPECT_EQ(ColorToHsl(clBtnFace), ColorToHsl(Grey(240)));  // system colours resolve first
  EXPECT_EQ(ColorFromHsl(0, 240, 120), clRed);
  const THsl red = ColorToHsl(clRed);
  EXPECT_EQ(ColorFromHsl(red.H, red.S, red.L), clRed);
  // Hues come back through the 239 divisor: green and blue round-trip too.
  for (TColor c : {clLime, clBlue, clYellow, clTeal, platform::RGB(12, 200, 90)}) {
    const THsl hsl = ColorToHsl(c);
    const TColor back = ColorFromHsl(hsl.H, hsl.S, hsl.L);
    EXPECT_LE(std::abs(GetRValue(back) - GetRValue(c)) + std::abs(GetGValue(back) - GetGValue(c)) +
                  std::abs(GetBValue(back) - GetBValue(c)),
              9)
        << std::hex << c;
  }

  struct Case {
    const char* what;
    TColor got, expected;
  };
  const Case cases[] = {
      {"L(grey 128, 30)", LighterColor(Grey(128), 30), Grey(159)},
      {"D(red, 255)", DarkerColor(clRed, 255), clBlack},
      {"D(white, 255)", DarkerColor(clWhite, 255), clBlack},
      {"D(face, 255)", DarkerColor(kFace, 255), clBlack},
      {"L(face, 100)", LighterColor(kFace, 100), clWhite},
      {"D(face, 100)", DarkerColor(kFace, 100), platform::RGB(170, 0, 0)},
      {"L(face, 40)", LighterColor(kFace, 40), platform::RGB(255, 212, 212)},  // 212.5 rounds to even
      {"D(face, 50)", DarkerColor(kFace, 50), platform::RGB(255, 21, 21)},
      {"L(face, 50)", LighterColor(kFace, 50), platform::RGB(255, 234, 234)},
      {"adjust +50", AdjustColorLightness(kFace, 50), platform::RGB(255, 234, 234)},
      {"adjust -50", AdjustColorLightness(kFace, -50), platform::RGB(255, 21, 21)},
      {"adjust 0 keeps a system colour", AdjustColorLightness(clBtnFace, 0), clBtnFace},
      {"blend 255", BlendColors(clRed, clBlue, 255), clRed},
      {"blend 0", BlendColors(clRed, clBlue, 0), clBlue},
      {"blend 128", BlendColors(clWhite, clBlack, 128), Grey(128)},
      {"complement of red", ComplementColor(clRed, 120), platform::RGB(0, 252, 255)},  // hue / 239
      {"flat colour", FlatColorOfStyle(gcsSystem), Grey(192)},
      {"flat colour, no themes", FlatColorOfStyle(gcsMSOffice), Grey(192)},
      {"gradient start", GradientColorsOfStyle(gcsSystem).Start, clWindow},
      {"gradient stop", GradientColorsOfStyle(gcsSystem).Stop, Grey(230)},
      {"theme colour 0", ThemeColor(0), clBtnFace},
      {"theme colour 8", ThemeColor(8), clWhite},
  };
  for (const Case& k : cases) EXPECT_EQ(k.got, k.expected) << k.what;

  EXPECT_TRUE(ColorsSimilar(Grey(10), clBlack));
  EXPECT_FALSE(ColorsSimilar(Grey(128), clBlack));
  EXPECT_FALSE(ColorsSimilar(clRed, clLime));
  EXPECT_EQ(ReadThemeColorScheme(), 0);
}

// ---- frames ----

TEST(UxDrawFrame, RaisedAndGrooveStyles) {
  QImage img = Page(10, 10);
  TRect in;
  {
    Canvas c(&img);
    in = DrawStyledFrameSides(c, {0, 0, 10, 10}, fsRaised, AllSides);
  }
  EXPECT_EQ(in, (TRect{2, 2, 8, 8}));
  EXPECT_EQ(Px(img, 0, 0), Grey(227));
  for (auto [x, y] : {std::pair{9, 0}, {0, 9}, {9, 9}}) EXPECT_EQ(Px(img, x, y), Grey(105)) << x << "," << y;
  EXPECT_EQ(Px(img, 1, 1), clWhite);
  for (auto [x, y] : {std::pair{8, 1}, {1, 8}, {8, 8}}) EXPECT_EQ(Px(img, x, y), Grey(160)) << x << "," << y;
  EXPECT_EQ(Px(img, 2, 2), kUntouched);

  img = Page(10, 10);
  {
    Canvas c(&img);
    EXPECT_EQ(DrawStyledFrame(c, {0, 0, 10, 10}, fsGroove), (TRect{2, 2, 8, 8}));
  }
  EXPECT_EQ(Px(img, 0, 0), Grey(160));
  EXPECT_EQ(Px(img, 8, 8), Grey(160));
  for (auto [x, y] : {std::pair{1, 1}, {9, 9}, {9, 0}, {0, 9}}) EXPECT_EQ(Px(img, x, y), clWhite) << x << "," << y;
  EXPECT_EQ(Px(img, 2, 2), kUntouched);
}

TEST(UxDrawFrame, TintedRaisedFrame) {
  QImage img = Page(10, 10);
  {
    Canvas c(&img);
    EXPECT_EQ(DrawTintedFrameSides(c, {0, 0, 10, 10}, kFace, AllSides, fsRaised), (TRect{2, 2, 8, 8}));
  }
  EXPECT_EQ(Px(img, 0, 0), platform::RGB(255, 234, 234));
  EXPECT_EQ(Px(img, 9, 9), platform::RGB(170, 0, 0));
  EXPECT_EQ(Px(img, 1, 1), clWhite);
  EXPECT_EQ(Px(img, 8, 8), platform::RGB(255, 21, 21));
}

TEST(UxDrawFrame, SidesLeftOutAndColoursNone) {
  QImage img = Page(10, 10);
  {
    Canvas c(&img);
    EXPECT_EQ(DrawFrameSides(c, {0, 0, 10, 10}, clNone, sdLeft | sdTop, clNone), (TRect{1, 1, 10, 10}));
    EXPECT_EQ(DrawStyledFrameSides(c, {0, 0, 10, 10}, fsNone, AllSides), (TRect{0, 0, 10, 10}));
  }
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 10; ++x) ASSERT_EQ(Px(img, x, y), kUntouched) << x << "," << y;

  // Only the top side: a line along the top, left and right columns untouched below it.
  {
    Canvas c(&img);
    EXPECT_EQ(DrawFrameSides(c, {0, 0, 10, 10}, clRed, sdTop, clBlue), (TRect{0, 1, 10, 10}));
  }
  EXPECT_EQ(Px(img, 0, 0), clRed);
  EXPECT_EQ(Px(img, 9, 0), clRed);
  EXPECT_EQ(Px(img, 0, 1), kUntouched);
  EXPECT_EQ(Px(img, 9, 1), kUntouched);

  // The etched frame closes a left-out side with corner pixels.
  img = Page(10, 10);
  {
    Canvas c(&img);
    EXPECT_EQ(DrawStyledFrameSides(c, {0, 0, 10, 10}, fsGroove, sdTop | sdBottom), (TRect{0, 2, 10, 8}));
  }
  EXPECT_EQ(Px(img, 0, 1), clWhite);      // (Left, Top + 1): b where top lacks its left side
  EXPECT_EQ(Px(img, 9, 8), Grey(160));    // (Right - 1, Bottom - 2): a where bottom lacks its right side
  EXPECT_EQ(Px(img, 0, 5), kUntouched);
}

TEST(UxDrawFrame, Outlines) {
  QImage img = Page(10, 10);
  {
    Canvas c(&img);
    EXPECT_EQ(DrawDottedOutline(c, {0, 0, 10, 10}), (TRect{1, 1, 9, 9}));
  }
  for (auto [x, y] : {std::pair{0, 1}, {1, 0}, {9, 9}}) EXPECT_EQ(Px(img, x, y), clBlack) << x << "," << y;
  EXPECT_EQ(Px(img, 0, 0), kUntouched);
  EXPECT_EQ(Px(img, 0, 2), kUntouched);

  img = Page(10, 10);
  {
    Canvas c(&img);
    EXPECT_EQ(DrawRoundedOutline(c, {0, 0, 10, 10}, clRed, AllSides), (TRect{2, 2, 8, 8}));
  }
  for (auto [x, y] : {std::pair{1, 1}, {8, 1}, {8, 8}, {1, 8}, {0, 2}, {9, 7}}) EXPECT_EQ(Px(img, x, y), clRed);
  for (auto [x, y] : {std::pair{0, 0}, {1, 0}, {9, 9}, {0, 8}}) EXPECT_EQ(Px(img, x, y), kUntouched);

  img = Page(10, 10);
  {
    Canvas c(&img);
    EXPECT_EQ(DrawFlatOutline(c, {0, 0, 10, 10}, clBtnShadow), (TRect{1, 1, 9, 9}));
  }
  EXPECT_EQ(Px(img, 0, 0), Grey(160));
  EXPECT_EQ(Px(img, 9, 9), Grey(160));
  EXPECT_EQ(Px(img, 1, 1), kUntouched);
}

TEST(UxDrawFrame, PanelFrameStacksOuterBorderAndInner) {
  QImage img = Page(20, 20);
  TRect in;
  {
    Canvas c(&img);
    // Raised outer (2), a border band of 3 and a flat inner band (1).
    in = DrawPanelFrame(c, {0, 0, 20, 20}, fsRaised, false, false, clBtnFace, clBtnFace, 0, clRed, clBtnShadow,
                        clBtnHighlight, clBlue, 1, AllSides, 3, fsFlat);
  }
  EXPECT_EQ(in, (TRect{6, 6, 14, 14}));
  EXPECT_EQ(Px(img, 0, 0), Grey(227));
  EXPECT_EQ(Px(img, 2, 2), clBlue);
  EXPECT_EQ(Px(img, 4, 10), clBlue);
  EXPECT_EQ(Px(img, 5, 5), clRed);
  EXPECT_EQ(Px(img, 6, 6), kUntouched);

  // A status outer frame of bevel width 2 in the given colours, nothing else.
  img = Page(20, 20);
  {
    Canvas c(&img);
    in = DrawPanelFrame(c, {0, 0, 20, 20}, fsStatus, false, false, clBtnFace, clBtnFace, 0, clRed, clLime, clBlue,
                        clBlack, 2, AllSides, 0, fsNone);
  }
  EXPECT_EQ(in, (TRect{2, 2, 18, 18}));
  EXPECT_EQ(Px(img, 1, 1), clLime);
  EXPECT_EQ(Px(img, 18, 18), clBlue);
}

// ---- gradients ----

TEST(UxDrawGradient, SquareBoxPlainFillsAndLayout) {
  for (auto [size, start, stop] : {std::tuple{4, clRed, clBlue}, {40, clTeal, clTeal}}) {
    QImage img = Page(size, size);
    {
      Canvas c(&img);
      DrawGradientRect(c, {0, 0, size, size}, gdSquareBox, start, stop, 1);
    }
    for (int y = 0; y < size; ++y)
      for (int x = 0; x < size; ++x) ASSERT_EQ(Px(img, x, y), start) << size << ": " << x << "," << y;
  }

  // Start in the corners, stop in the centre, symmetric both ways.
  const TColor s = Grey(250), e = Grey(50);
  QImage img = Page(40, 40);
  {
    Canvas c(&img);
    DrawGradientRect(c, {0, 0, 40, 40}, gdSquareBox, s, e, 1);
  }
  EXPECT_EQ(Px(img, 19, 19), e);
  // The band renderer's last step stops one step short of the start colour.
  EXPECT_LE(std::abs(GetRValue(Px(img, 0, 0)) - GetRValue(s)), (250 - 50) / 20);
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 40; ++x) {
      ASSERT_EQ(Px(img, x, y), Px(img, 39 - x, y)) << x << "," << y;
      ASSERT_EQ(Px(img, x, y), Px(img, x, 39 - y)) << x << "," << y;
    }
  // Darker towards the centre along the diagonal.
  for (int i = 1; i < 20; ++i) EXPECT_LE(GetRValue(Px(img, i, i)), GetRValue(Px(img, i - 1, i - 1))) << i;
}

TEST(UxDrawGradient, HorizontalEndRowsAreExact) {
  const TColor s = platform::RGB(200, 20, 0), e = platform::RGB(10, 220, 90);
  QImage img = Page(7, 30);
  {
    Canvas c(&img);
    DrawGradientRect(c, {0, 0, 7, 30}, gdHorizontalEnd, s, e, 1);
  }
  EXPECT_EQ(Px(img, 0, 0), s);
  for (int y = 0; y < 30; ++y) {
    for (int x = 1; x < 7; ++x) ASSERT_EQ(Px(img, x, y), Px(img, 0, y)) << "row " << y;
    if (y == 0) continue;
    const TColor up = Px(img, 0, y - 1), here = Px(img, 0, y);
    EXPECT_LE(GetRValue(here), GetRValue(up));
    EXPECT_GE(GetGValue(here), GetGValue(up));
    EXPECT_GE(GetBValue(here), GetBValue(up));
  }
  const TColor last = Px(img, 0, 29);
  EXPECT_LE(std::abs(GetRValue(last) - GetRValue(e)), (200 - 10) / 30 + 1);
  EXPECT_LE(std::abs(GetGValue(last) - GetGValue(e)), (220 - 20) / 30 + 1);
  EXPECT_LE(std::abs(GetBValue(last) - GetBValue(e)), 90 / 30 + 1);

  // The vertical counterpart runs across the columns.
  img = Page(30, 3);
  {
    Canvas c(&img);
    DrawGradientRect(c, {0, 0, 30, 3}, gdVerticalEnd, s, e, 1);
  }
  EXPECT_EQ(Px(img, 0, 2), s);
  EXPECT_EQ(Px(img, 29, 0), Px(img, 29, 2));
  EXPECT_NE(Px(img, 29, 0), s);
}

TEST(UxDrawGradient, CentreAndDiagonalLayouts) {
  const TColor s = clBlack, e = clWhite;
  QImage img = Page(60, 40);
  {
    Canvas c(&img);
    DrawGradientRect(c, {0, 0, 60, 40}, gdHorizontalCenter, s, e, 1);
  }
  // Stop on the middle row, start at the bottom; every column alike.
  EXPECT_EQ(Px(img, 0, 20), e);
  EXPECT_EQ(Px(img, 0, 39), s);
  EXPECT_LT(GetRValue(Px(img, 0, 0)), 16);
  for (int y = 0; y < 40; ++y) ASSERT_EQ(Px(img, 59, y), Px(img, 0, y)) << y;  // replicated past the strip

  img = Page(60, 40);
  {
    Canvas c(&img);
    DrawGradientRect(c, {0, 0, 60, 40}, gdDiagonalUp, s, e, 1);
  }
  EXPECT_LT(GetRValue(Px(img, 0, 39)), 16);
  EXPECT_GT(GetRValue(Px(img, 59, 0)), 240);
  img = Page(60, 40);
  {
    Canvas c(&img);
    DrawGradientRect(c, {0, 0, 60, 40}, gdDiagonalDown, s, e, 1);
  }
  EXPECT_LT(GetRValue(Px(img, 0, 0)), 16);
  EXPECT_GT(GetRValue(Px(img, 59, 39)), 240);
}

TEST(UxDrawGradient, RingColoursOnlyTheEdge) {
  QImage img = Page(20, 20);
  {
    Canvas c(&img);
    DrawGradientRing(c, {0, 0, 20, 20}, gdHorizontalEnd, clRed, clBlue);
    c.Brush.Color = clLime;
    c.FillRect({8, 8, 10, 10});  // the clip is back afterwards
  }
  EXPECT_EQ(Px(img, 0, 0), clRed);
  EXPECT_NE(Px(img, 1, 1), kUntouched);
  EXPECT_EQ(Px(img, 5, 5), kUntouched);
  EXPECT_EQ(Px(img, 8, 8), clLime);
}

// ---- bitmaps ----

// 8 x 8: a teal ring around a 4 x 4 yellow square with one blue pixel.
QImage Keyed() {
  QImage bmp = Page(8, 8, clTeal);
  for (int y = 2; y < 6; ++y)
    for (int x = 2; x < 6; ++x) bmp.setPixelColor(x, y, ToQColor(clYellow));
  bmp.setPixelColor(3, 3, ToQColor(clBlue));
  return bmp;
}

TEST(UxDrawBitmap, TealIsSeeThrough) {
  QImage img = Page(8, 8, clRed);
  {
    Canvas c(&img);
    DrawBitmapRectTransparent(c, Keyed(), {0, 0, 8, 8}, clTeal, {0, 0, 8, 8});
  }
  EXPECT_EQ(Px(img, 0, 0), clRed);
  EXPECT_EQ(Px(img, 7, 7), clRed);
  EXPECT_EQ(Px(img, 2, 2), clYellow);
  EXPECT_EQ(Px(img, 3, 3), clBlue);

  // Stretched 4 x 4 to 12 x 12: nearest pixels, no blends.
  QImage small = Keyed().copy(2, 2, 4, 4);
  small.setPixelColor(0, 0, ToQColor(clTeal));
  img = Page(12, 12, clRed);
  {
    Canvas c(&img);
    StretchBitmapTransparent(c, small, {0, 0, 12, 12}, clTeal);
  }
  std::set<TColor> seen;
  for (int y = 0; y < 12; ++y)
    for (int x = 0; x < 12; ++x) seen.insert(Px(img, x, y));
  EXPECT_EQ(seen, (std::set<TColor>{clRed, clYellow, clBlue}));
  EXPECT_EQ(Px(img, 0, 0), clRed);
  EXPECT_EQ(Px(img, 3, 3), clBlue);
  EXPECT_EQ(Px(img, 11, 11), clYellow);
}

TEST(UxDrawBitmap, TilesCutAtTheEdge) {
  QImage bmp = Page(8, 8, clYellow);
  bmp.setPixelColor(7, 7, ToQColor(clBlue));  // the tile's last pixel
  bmp.setPixelColor(0, 0, ToQColor(clTeal));
  QImage img = Page(24, 12, clRed);
  {
    Canvas c(&img);
    TileBitmapTransparent(c, bmp, {0, 0, 20, 10}, clTeal);
  }
  EXPECT_EQ(Px(img, 7, 7), clBlue);
  EXPECT_EQ(Px(img, 15, 7), clBlue);
  EXPECT_EQ(Px(img, 8, 8), clRed);   // second row's keyed corner
  EXPECT_EQ(Px(img, 19, 9), clYellow);
  EXPECT_EQ(Px(img, 20, 0), clRed);  // the last column is cut at 20
  EXPECT_EQ(Px(img, 0, 10), clRed);  // the last row at 10
}

// ---- text and the rest ----

TEST(UxDrawText, AccelCharsAndVersions) {
  struct Case {
    const char* in;
    const char* out;
  };
  for (const Case& k : {Case{"&&A&b&", "&Ab&"}, Case{"&File", "File"}, Case{"", ""}, Case{"x&&y", "x&y"}})
    EXPECT_EQ(StripAccelChars(QString::fromUtf8(k.in)), QString::fromUtf8(k.out)) << k.in;
  EXPECT_EQ(LastChar("abc"), QChar('c'));
  EXPECT_TRUE(LastChar("").isNull());

  EXPECT_TRUE(IsOsVersionOrLater(wvWinVista));
  EXPECT_TRUE(IsOsVersionOrLater(wvWinXP));
  EXPECT_FALSE(IsOsVersion(wvWinXP));
  EXPECT_FALSE(IsOsVersion(wvWinVista));
  EXPECT_FALSE(IsOsVersionOrLater(9));

  TFont font;
  font.Style = fsBold;
  const TFont angled = CreateAngledFont(font, 90);
  EXPECT_EQ(angled.Orientation, 900);
  EXPECT_EQ(angled.Style, TFontStyles(fsBold));
}

TEST(UxDrawText, DropDownArrow) {
  for (bool enabled : {true, false}) {
    QImage img = Page(16, 20);
    {
      Canvas c(&img);
      c.Brush.Color = clWhite;
      DrawDropDownArrow(c, {0, 0, 16, 20}, 0, enabled);
      EXPECT_EQ(c.Brush.Color, clWhite);
      EXPECT_EQ(c.Pen.Style, psSolid);
    }
    EXPECT_EQ(Px(img, 8, 8), enabled ? clBlack : Grey(160)) << enabled;
    EXPECT_EQ(Px(img, 2, 2), kUntouched);
    EXPECT_EQ(Px(img, 8, 13), kUntouched);
  }
  // Over a near-black brush the arrow takes the dark shadow.
  QImage img = Page(16, 20);
  {
    Canvas c(&img);
    c.Brush.Color = Grey(5);
    DrawDropDownArrow(c, {0, 0, 16, 20}, 2, true);
  }
  EXPECT_EQ(Px(img, 8, 8), Grey(105));
}

// ---- the parent background ----

class Striped : public QWidget {
 public:
  using QWidget::QWidget;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    for (int x = 0; x < width(); ++x) p.fillRect(x, 0, 1, height(), QColor(x * 4, 0, 255 - x * 4));
  }
};

TEST(UxDrawParent, RendersTheParentsOwnPaintingUnderTheControl) {
  Striped parent;
  parent.resize(50, 30);
  QWidget* control = new QWidget(&parent);
  control->setGeometry(5, 7, 20, 10);
  control->setAutoFillBackground(true);  // the control's own face must not appear
  QWidget* sibling = new QWidget(&parent);
  sibling->setGeometry(10, 7, 5, 5);
  sibling->setAutoFillBackground(true);
  control->setProperty("Transparent", true);
  QImage img = Page(20, 10, clLime);
  {
    Canvas c(&img);
    PaintParentBackgroundToCanvas(control, c, true);
  }
  EXPECT_EQ(img.pixelColor(0, 0), QColor(5 * 4, 0, 255 - 5 * 4));
  EXPECT_EQ(img.pixelColor(19, 9), QColor(24 * 4, 0, 255 - 24 * 4));
  EXPECT_EQ(img.pixelColor(6, 1), QColor(11 * 4, 0, 255 - 11 * 4));  // no sibling over it

  // Without a parent nothing is drawn.
  QWidget orphan;
  img = Page(4, 4, clLime);
  {
    Canvas c(&img);
    PaintParentBackgroundToCanvas(&orphan, c, false);
  }
  EXPECT_EQ(Px(img, 0, 0), clLime);
}

class PaintCounter : public QWidget {
 public:
  using QWidget::QWidget;
  int paints = 0;

 protected:
  void paintEvent(QPaintEvent*) override { ++paints; }
};

TEST(UxDrawParent, InvalidatesOnlyTransparentChildren) {
  QWidget parent;
  parent.resize(60, 20);
  auto* clear = new PaintCounter(&parent);
  clear->setGeometry(0, 0, 20, 20);
  clear->setProperty("Transparent", true);
  auto* solid = new PaintCounter(&parent);
  solid->setGeometry(30, 0, 20, 20);
  solid->setProperty("Transparent", false);
  parent.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&parent));
  testsupport::WaitFor([&] { return clear->paints > 0 && solid->paints > 0; });
  clear->paints = solid->paints = 0;
  InvalidateTransparentChildren(&parent);
  EXPECT_TRUE(testsupport::WaitFor([&] { return clear->paints > 0; }));
  EXPECT_EQ(solid->paints, 0);
}

// ---- a sheet to look at ----

// Frames in both colourings, the gradient layouts and a keyed bitmap, written
// to the test output for a person to judge.
TEST(UxDrawSheet, WritesThePicture) {
  QImage sheet = Page(10 * 66 + 6, 3 * 46 + 50 + 6, clBtnFace);
  {
    Canvas c(&sheet);
    for (int s = fsNone; s <= fsFlatRounded; ++s) {
      const auto style = TFrameStyleEx(s);
      const TRect system = Bounds(6 + s * 50, 6, 44, 30), tinted = Bounds(6 + s * 50, 42, 44, 30);
      c.Brush.Color = clBtnFace;
      c.FillRect(system);
      DrawPanelFrame(c, system, style, false, false, clBtnFace, clBtnFace, 0, clBtnShadow, clBtnShadow,
                     clBtnHighlight, clBtnFace, 1, AllSides, 0, fsNone);
      c.Brush.Color = kFace;
      c.FillRect(tinted);
      DrawTintedFrame(c, tinted, kFace, style);
    }
    for (int d = gdDiagonalUp; d <= gdBigSquareBox; ++d)
      DrawGradientRect(c, Bounds(6 + d * 66, 82, 60, 40), TGradientDirection(d), platform::RGB(30, 60, 160),
                       platform::RGB(240, 245, 255), 1);
    for (int x = 0; x < 60; x += 6)
      for (int y = 0; y < 40; y += 6) {
        c.Brush.Color = (x + y) % 12 ? clWhite : clSilver;
        c.FillRect(Bounds(6 + x, 130 + y, 6, 6));
      }
    StretchBitmapTransparent(c, Keyed(), Bounds(6, 130, 40, 40), clTeal);
    DrawGradientRing(c, Bounds(72, 130, 60, 40), gdVerticalEnd, clRed, clBlue);
    DrawDropDownArrow(c, Bounds(140, 130, 16, 20), 2, true);
  }
  const std::string path = testsupport::OutputPath("drawing-routines.png");
  // Twice the size, pixel for pixel, so single-pixel bands can be judged.
  EXPECT_TRUE(sheet.scaled(sheet.size() * 2).save(QString::fromStdString(path)));
  EXPECT_EQ(Px(sheet, 6 + 6 * 50, 6), Grey(227));  // fsRaised's outer corner
  EXPECT_EQ(Px(sheet, 6, 130), clSilver);         // the keyed ring shows the pattern
}

}  // namespace
