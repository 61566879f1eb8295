// The GDI+ object layer: colour conversions, the status rule, gradients,
// paths, matrices, pixel placement and text, on QImage targets at 96 dpi.
#include "controls/CustomImageList.h"
#include "controls/GdipColors.h"
#include "controls/GdipObjects.h"
#include "controls/ZodOVOD.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPainter>
#include <gtest/gtest.h>

#include <cmath>

using namespace platform;

namespace {

QImage White(int w, int h) {
  QImage img(w, h, QImage::Format_ARGB32);
  img.fill(Qt::white);
  return img;
}

QByteArray Encode(const QImage& img, const char* format) {
  QByteArray bytes;
  QBuffer buf(&bytes);
  buf.open(QIODevice::WriteOnly);
  img.save(&buf, format);
  return bytes;
}

TEST(GdipLayer, ConversionsAndStatus) {
  struct Case {
    ARGB got, want;
  } cases[] = {
      {ColorToARGB(clRed), 0xFFFF0000},
      {ColorToARGB(clNone), 0xFFFFFFFF},
      {ColorToARGB(clBtnFace), 0xFFF0F0F0},
      {AlphaColorToARGB(0, clWhite), 0x00FFFFFF},
      {MakeARGB(1, 2, 3, 4), 0x01020304},
      {ARGB(RedOfARGB(0x80C01020)), 0xC0},
  };
  for (const Case& c : cases) EXPECT_EQ(c.got, c.want) << std::hex << c.want;

  TGPGraphics none(static_cast<TGPImage*>(nullptr));
  EXPECT_EQ(none.GetLastStatus(), Ok) << "no native object, status Ok";
  EXPECT_EQ(none.GetSmoothingMode(), -1);
  EXPECT_NE(none.GetLastStatus(), Ok);
  EXPECT_EQ(none.GetLastStatus(), Ok) << "read and reset";

  QImage img = White(8, 8);
  QPainter p(&img);
  TGPGraphics g(p);
  TGPSolidBrush brush(0xFF00FF00);
  EXPECT_EQ(g.DrawImage(nullptr, 0, 0), InvalidParameter);
  EXPECT_EQ(g.FillRectangle(&brush, 0.0f, 0.0f, 4.0f, 4.0f), Ok);
  EXPECT_EQ(g.GetLastStatus(), InvalidParameter) << "a good call does not hide a failure";
  p.end();
  EXPECT_EQ(img.pixelColor(1, 1), QColor(0, 255, 0));

  TGPGraphicsPath line;
  line.AddLine(0.0f, 0.0f, 10.0f, 10.0f);
  TGPPathGradientBrush pg(&line);
  const ARGB colors[3] = {0xFF000000, 0xFF000000, 0xFF000000};
  int count = 3;
  EXPECT_EQ(pg.SetSurroundColors(colors, count), InvalidParameter);
  EXPECT_EQ(count, 3);
  TGPGraphicsPath shapes;
  shapes.AddRectangle(TGPRectF{0, 0, 4, 4});
  shapes.AddEllipse(0.0f, 0.0f, 4.0f, 4.0f);
  EXPECT_EQ(shapes.GetPointCount(), 4 + 13);

  struct FormatCase {
    QByteArray bytes;
    TGPImageFormat want;
  } formats[] = {{Encode(White(3, 3), "PNG"), ifPNG}, {Encode(White(3, 3), "BMP"), ifBMP}};
  for (const FormatCase& f : formats) {
    QBuffer buf;
    buf.setData(f.bytes);
    buf.open(QIODevice::ReadOnly);
    TGPImage image(&buf);
    EXPECT_EQ(int(image.GetFormat()), int(f.want));
    EXPECT_EQ(image.GetWidth(), 3u);
  }
  TGPBitmap memory(4, 4, PixelFormat32bppARGB);
  EXPECT_EQ(memory.GetFormat(), ifMemoryBMP);
  EXPECT_EQ(memory.GetPixelDepth(), 32);
  EXPECT_TRUE(memory.HasAlphaChannel());
  EXPECT_EQ(memory.SaveAdd(&memory), NotImplemented);
}

struct GradientCanvas {
  QImage img = White(128, 48);
  QPainter p{&img};
  TGPGraphics g{p};
  TGradientFillParams fp;
  GradientCanvas() {
    p.setRenderHint(QPainter::Antialiasing, false);
    fp.Graphics = &g;
    fp.Rect = MakeRectF(10, 10, 100, 20);
    fp.StartColor = clRed;
    fp.EndColor = clBlue;
  }
  QColor At(int x, int y) {
    if (p.isActive()) p.end();
    return img.pixelColor(x, y);
  }
};

TEST(GdipLayer, FillGdipGradientKinds) {
  {
    GradientCanvas c;
    c.fp.GradientType = gtVertical;
    FillGdipGradient(c.fp);
    const QColor top = c.At(60, 10), bottom = c.At(60, 29);
    EXPECT_GT(top.red(), 200);
    EXPECT_LT(top.blue(), 100);
    EXPECT_GT(bottom.blue(), 200);
    EXPECT_LT(bottom.red(), 100);
    EXPECT_EQ(c.At(60, 9), QColor(Qt::white));
  }
  {
    GradientCanvas c;
    c.fp.GradientType = gtVertical;
    c.fp.Mirror = true;
    FillGdipGradient(c.fp);
    EXPECT_EQ(c.At(60, 10), QColor(255, 0, 0)) << "the seam row takes the start colour";
    EXPECT_EQ(c.At(60, 9), QColor(Qt::white));
    EXPECT_EQ(c.At(60, 30), QColor(Qt::white));
  }
  {
    GradientCanvas c;
    c.fp.GradientType = gtRadial;
    c.fp.BorderColor = clLime;
    c.fp.BorderWidth = 1;
    FillGdipGradient(c.fp);
    EXPECT_EQ(c.At(10, 20), QColor(0, 255, 0));
    EXPECT_EQ(c.At(60, 10), QColor(0, 255, 0));
    EXPECT_EQ(c.At(60, 20), QColor(Qt::white)) << "radial fills are the caller's";
  }
  {
    GradientCanvas c;
    c.fp.GradientType = gtHatch;
    c.fp.HatchStyle = HatchStyleHorizontal;
    c.fp.StartColor = clBlack;
    c.fp.EndColor = clWhite;
    FillGdipGradient(c.fp);
    int dark = 0;
    for (int y = 10; y < 30; ++y) dark += c.At(60, y).red() < 128;
    EXPECT_GE(dark, 2);
    EXPECT_LE(dark, 3) << "one line every 8 pixels";
  }
}

TEST(GdipLayer, PathGradientPaintsOnlyInsideItsPath) {
  QImage img = White(60, 60);
  QPainter p(&img);
  TGPGraphics g(p);
  TGPGraphicsPath ellipse;
  ellipse.AddEllipse(10.0f, 10.0f, 40.0f, 40.0f);
  TGPPathGradientBrush brush(&ellipse);
  brush.SetCenterColor(0xFFFF0000);
  ARGB edge = 0xFF0000FF;
  int one = 1;
  EXPECT_EQ(brush.SetSurroundColors(&edge, one), Ok);
  g.FillRectangle(&brush, 0.0f, 0.0f, 60.0f, 60.0f);
  p.end();
  EXPECT_EQ(img.pixelColor(2, 2), QColor(Qt::white));
  const QColor centre = img.pixelColor(30, 30), rim = img.pixelColor(30, 12);
  EXPECT_GT(centre.red(), 200);
  EXPECT_GT(rim.blue(), 150);
}

TEST(GdipLayer, HalfPixelOffsetWhileAntialiased) {
  QImage img = White(20, 10);
  QPainter p(&img);
  TGPGraphics g(p);
  g.SetSmoothingMode(SmoothingModeAntiAlias);
  TGPSolidBrush black(0xFF000000);
  g.FillRectangle(&black, 2.0f, 2.0f, 4.0f, 4.0f);
  TGPBitmap dot(QImage(2, 2, QImage::Format_RGB32));
  dot.SetPixel(0, 0, 0xFF00FF00);
  dot.SetPixel(1, 0, 0xFF00FF00);
  dot.SetPixel(0, 1, 0xFF00FF00);
  dot.SetPixel(1, 1, 0xFF00FF00);
  g.DrawImage(&dot, 10, 2);
  p.end();
  // Pixel centres on integers: the edge pixels are half covered.
  EXPECT_NEAR(img.pixelColor(2, 4).red(), 128, 8);
  EXPECT_EQ(img.pixelColor(3, 4), QColor(Qt::black));
  EXPECT_NEAR(img.pixelColor(6, 4).red(), 128, 8);
  // Images at their own size land pixel for pixel.
  EXPECT_EQ(img.pixelColor(10, 2), QColor(0, 255, 0));
  EXPECT_EQ(img.pixelColor(11, 3), QColor(0, 255, 0));
  EXPECT_EQ(img.pixelColor(12, 3), QColor(Qt::white));
}

TEST(GdipLayer, ArcsRunClockwiseAndMatricesCompose) {
  TGPGraphicsPath arc;
  arc.AddArc(0.0f, 0.0f, 100.0f, 100.0f, 0.0f, 90.0f);
  const QPointF end = arc.Path().currentPosition();
  EXPECT_NEAR(end.x(), 50, 0.01);
  EXPECT_NEAR(end.y(), 100, 0.01) << "90 degrees clockwise ends at the bottom";

  struct Case {
    int order;
    float wantX;
  } cases[] = {{MatrixOrderAppend, 22}, {MatrixOrderPrepend, 12}};
  for (const Case& c : cases) {
    TGPMatrix m;
    m.Translate(10, 0);
    m.Scale(2, 2, c.order);
    TGPPointF pt{1, 0};
    m.TransformPoints(&pt);
    EXPECT_FLOAT_EQ(pt.X, c.wantX) << c.order;
  }
  TGPMatrix r;
  r.RotateAt(90, TGPPointF{10, 10}, MatrixOrderAppend);
  TGPPointF pt{20, 10};
  r.TransformPoints(&pt);
  EXPECT_NEAR(pt.X, 10, 1e-4);
  EXPECT_NEAR(pt.Y, 20, 1e-4);
}

TEST(GdipLayer, TextMeasuresAsGdiPlus) {
  QImage img = White(200, 60);
  QPainter p(&img);
  TGPGraphics g(p);
  TFont font;
  font.Name = QStringLiteral("Tahoma");
  font.SetSize(12);

  TRect spaced{0, 0, 100, 40}, withI{0, 0, 100, 40};
  g.DrawText("ab ", -1, spaced, font, DT_CALCRECT, clNone);
  g.DrawText("abi", -1, withI, font, DT_CALCRECT, clNone);
  EXPECT_EQ(spaced, withI) << "a trailing space measures as an i";
  EXPECT_EQ(g.TextWidth("", font), 0);

  // A face GDI+ does not find falls back to Arial: a name without a face,
  // and any name this machine stands in for.
  for (const char* name : {"", "   ", "No Such Face At All"}) {
    TFont unknown;
    unknown.Name = QString::fromLatin1(name);
    unknown.SetSize(12);
    unknown.Style = fsBold;
    std::unique_ptr<TGPFont> made(TGPGraphics::MakeFont(unknown));
    EXPECT_EQ(made->GetFamilyName(), StandInFontFamily(QStringLiteral("Arial"))) << '"' << name << '"';
    EXPECT_EQ(made->GetSize(), 12.0f) << '"' << name << '"';
    EXPECT_EQ(made->GetStyle(), FontStyleBold) << '"' << name << '"';
  }

  TFont big = font;
  big.SetSize(20);
  TRect loading{0, 0, 10, 10};
  g.DrawText("Loading", -1, loading, big, DT_CALCRECT, clNone);
  std::unique_ptr<TGPFont> bigFont(TGPGraphics::MakeFont(big));
  const double advance = QFontMetricsF(bigFont->Native()).horizontalAdvance(QStringLiteral("Loading"));
  EXPECT_NEAR(loading.Width(), advance, 2.0);

  // A length beyond the text draws the text.
  TGPSolidBrush ink(0xFF000000);
  std::unique_ptr<TGPFont> f(TGPGraphics::MakeFont(font));
  g.DrawString("ab", 100, f.get(), TGPPointF{0, 0}, &ink);
  p.end();
  QImage exact = White(200, 60);
  QPainter q(&exact);
  TGPGraphics h(q);
  h.DrawString("ab", 2, f.get(), TGPPointF{0, 0}, &ink);
  q.end();
  EXPECT_EQ(img, exact);
  EXPECT_NE(exact, White(200, 60));
}

TEST(GdipLayer, BitmapsAndImageLists) {
  TGPBitmap bmp(4, 2, PixelFormat32bppARGB);
  {
    TGPGraphics g(&bmp);
    TGPSolidBrush red(0xFFFF0000);
    EXPECT_EQ(g.FillRectangle(&red, 0.0f, 0.0f, 1.0f, 1.0f), Ok);
  }
  ARGB c = 0;
  bmp.GetPixel(0, 0, c);
  EXPECT_EQ(c, 0xFFFF0000u);
  bmp.GetPixel(1, 0, c);
  EXPECT_EQ(c, 0u) << "a new bitmap is transparent black";
  EXPECT_EQ(bmp.RotateFlip(Rotate90FlipNone), Ok);
  EXPECT_EQ(bmp.GetWidth(), 2u);
  EXPECT_EQ(bmp.GetHeight(), 4u);
  bmp.GetPixel(1, 0, c);
  EXPECT_EQ(c, 0xFFFF0000u) << "turned clockwise";
  std::unique_ptr<TGPImage> thumb(bmp.GetThumbnailImage(8, 16));
  EXPECT_EQ(thumb->GetWidth(), 8u);

  // A colour key makes a range of colours invisible.
  TGPImageAttributes keyed;
  keyed.SetColorKey(0xFFFF0000, 0xFFFF0000);
  EXPECT_EQ(keyed.SetOutputChannel(0), NotImplemented);
  QImage canvas = White(4, 4);
  QPainter p(&canvas);
  TGPGraphics g(p);
  g.DrawImage(&bmp, TGPRectF{0, 0, 2, 4}, 0, 0, 2, 4, UnitPixel, &keyed);
  // A GDI-style canvas on the same painter.
  Canvas* dc = g.GetHDC();
  ASSERT_NE(dc, nullptr);
  dc->Brush.Color = clLime;
  dc->FillRect(TRect{3, 3, 4, 4});
  g.ReleaseHDC(dc);
  p.end();
  EXPECT_EQ(canvas.pixelColor(1, 0), QColor(Qt::white));
  EXPECT_EQ(canvas.pixelColor(3, 3), QColor(0, 255, 0));

  TCustomImageList list(16, 16);
  QImage strip(40, 16, QImage::Format_ARGB32);
  strip.fill(QColor(0, 0, 255));
  EXPECT_EQ(list.Add(strip), 0);
  EXPECT_EQ(list.Count(), 2) << "one image per 16 pixels of the strip";
  QImage drawn = White(32, 16);
  QPainter q(&drawn);
  list.Draw(q, 0, 0, 1, true);
  list.Draw(q, 16, 0, 1, false);
  list.Draw(q, 0, 0, 5, true);
  q.end();
  EXPECT_EQ(drawn.pixelColor(4, 4), QColor(0, 0, 255));
  const QColor grey = drawn.pixelColor(20, 4);
  EXPECT_EQ(grey.red(), grey.blue()) << "disabled images are greyed";
}

TEST(GdipLayer, StringFormatsAlignAndPathsTakeText) {
  TGPFont font(QStringLiteral("Tahoma"), 10.0f);
  ASSERT_EQ(font.GetLastStatus(), Ok);
  QImage img = White(10, 10);
  QPainter p(&img);
  TGPGraphics g(p);
  TGPStringFormat centred;
  centred.SetAlignment(StringAlignmentCenter);
  centred.SetLineAlignment(StringAlignmentFar);
  TGPRectF near, box;
  g.MeasureString("abc", -1, &font, TGPRectF{0, 0, 200, 50}, nullptr, near);
  g.MeasureString("abc", -1, &font, TGPRectF{0, 0, 200, 50}, &centred, box);
  EXPECT_NEAR(box.X, (200 - near.Width) / 2, 0.01);
  EXPECT_NEAR(box.Y + box.Height, 50, 0.01);
  TGPStringFormat hidden;
  hidden.SetHotkeyPrefix(HotkeyPrefixHide);
  TGPRectF prefixed;
  g.MeasureString("&abc", -1, &font, TGPRectF{0, 0, 200, 50}, &hidden, prefixed);
  EXPECT_FLOAT_EQ(prefixed.Width, near.Width) << "the prefix mark takes no room";
  p.end();

  TGPGraphicsPath path;
  path.AddString("abc", -1, TGPFontFamily::GenericSansSerif(), FontStyleRegular, 20, TGPRectF{10, 10, 0, 0}, nullptr);
  const QRectF bounds = path.Path().boundingRect();
  EXPECT_FALSE(bounds.isEmpty());
  EXPECT_GT(bounds.left(), 10);
  EXPECT_LT(bounds.bottom(), 40);
}

}  // namespace
