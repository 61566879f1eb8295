// Pictures keep image files' bytes and draw them; the fill record's defaults, notifications and painting.
#include "controls/GDIPFill.h"
#include "controls/GDIPicture.h"
#include "controls/ZodOVOD.h"

#include <QBuffer>
#include <QPainter>

#include <string>
#include <gtest/gtest.h>

namespace {

QByteArray Encode(const QImage& img, const char* format) {
  QByteArray bytes;
  QBuffer buf(&bytes);
  buf.open(QIODevice::WriteOnly);
  img.save(&buf, format);
  return bytes;
}

QImage TwoTone(int w, int h) {
  QImage img(w, h, QImage::Format_RGB32);
  img.fill(QColor(0, 0, 255));
  img.setPixelColor(0, h - 1, QColor(255, 0, 255));  // bottom-left: the BMP's key colour
  img.setPixelColor(w - 1, 0, QColor(255, 0, 255));
  return img;
}

QImage Canvas(int w, int h, const QColor& fill = Qt::white) {
  QImage c(w, h, QImage::Format_ARGB32);
  c.fill(fill);
  return c;
}

TEST(Picture, DecodesEachFormatAndDraws) {
  for (const char* fmt : {"PNG", "JPEG", "BMP"}) {
    TGDIPPicture pic;
    int changes = 0;
    pic.OnChange = [&](QObject* s) { EXPECT_EQ(s, &pic); ++changes; };
    EXPECT_TRUE(pic.GetEmpty());
    EXPECT_FALSE(pic.GetImageSizes());
    pic.LoadFromData(Encode(TwoTone(12, 7), fmt));
    EXPECT_EQ(changes, 1);
    EXPECT_FALSE(pic.GetEmpty());
    ASSERT_TRUE(pic.GetImageSizes()) << fmt;
    EXPECT_EQ(pic.Width(), 12);
    EXPECT_EQ(pic.Height(), 7);
    QImage canvas = Canvas(24, 14);
    QPainter p(&canvas);
    pic.Draw(p, QRectF(0, 0, 24, 14));
    p.end();
    const QColor mid = canvas.pixelColor(12, 7);
    EXPECT_LT(mid.red(), 40) << fmt;
    EXPECT_GT(mid.blue(), 200) << fmt;
  }
}

TEST(Picture, BmpKeysOutItsBottomLeftColour) {
  TGDIPPicture pic;
  pic.LoadFromData(Encode(TwoTone(4, 4), "BMP"));
  QImage canvas = Canvas(4, 4, QColor(0, 255, 0));
  QPainter p(&canvas);
  pic.Draw(p, QRectF(0, 0, 4, 4));
  p.end();
  EXPECT_EQ(canvas.pixelColor(0, 3), QColor(0, 255, 0));
  EXPECT_EQ(canvas.pixelColor(3, 0), QColor(0, 255, 0));
  EXPECT_EQ(canvas.pixelColor(1, 1), QColor(0, 0, 255));
}

TEST(Picture, UndecodableOrEmptyDrawsNothing) {
  TGDIPPicture pic;
  pic.LoadFromData(QByteArray("not an image at all"));
  EXPECT_TRUE(pic.GetImageSizes()) << "bytes were there to open";
  EXPECT_EQ(QSize(pic.Width(), pic.Height()), QSize(0, 0));
  QImage canvas = Canvas(8, 8);
  QPainter p(&canvas);
  pic.Draw(p, QRectF(0, 0, 8, 8));
  TZodOVODPicture empty;
  empty.GDIPDraw(p, QRectF(0, 0, 8, 8));
  p.end();
  EXPECT_EQ(canvas, Canvas(8, 8));
}

TEST(Picture, AssignCopiesBytesIndependently) {
  TGDIPPicture a, b;
  a.LoadFromData(Encode(TwoTone(5, 5), "PNG"));
  b.Assign(&a);
  EXPECT_EQ(b.Data(), a.Data());
  a.LoadFromData(Encode(TwoTone(9, 9), "PNG"));
  ASSERT_TRUE(b.GetImageSizes());
  EXPECT_EQ(b.Width(), 5);
  b.Assign(static_cast<const TGDIPPicture*>(nullptr));
  EXPECT_TRUE(b.GetEmpty());

  TZodOVODPicture z, y;
  int changes = 0;
  y.OnChange = [&](QObject*) { ++changes; };
  z.Assign(TwoTone(3, 2));
  y.Assign(&z);
  EXPECT_EQ(changes, 1);
  ASSERT_TRUE(y.GetImageSizes());
  EXPECT_EQ(QSize(y.Width(), y.Height()), QSize(3, 2));
}

TEST(Picture, CopiesShareOneDecode) {
  // Copies of one picture hold the same bytes and show the same pixels
  // without decoding them again; a BMP shares its keyed image too.
  for (const char* fmt : {"PNG", "BMP"}) {
    SCOPED_TRACE(fmt);
    TGDIPPicture a, b, c;
    a.LoadFromData(Encode(TwoTone(6, 4), fmt));
    b.Assign(&a);
    c.Assign(&b);
    const QImage ia = a.Image(), ib = b.Image(), ic = c.Image();
    ASSERT_FALSE(ia.isNull());
    EXPECT_EQ(ib.constBits(), ia.constBits());
    EXPECT_EQ(ic.constBits(), ia.constBits());
    EXPECT_EQ(ic.pixel(0, 3) >> 24, std::string(fmt) == "BMP" ? 0u : 255u);

    // Equal bytes in another buffer decode on their own, and new bytes in a
    // copy leave the others' pixels alone.
    TGDIPPicture d;
    d.LoadFromData(QByteArray(a.Data().constData(), a.Data().size()));
    EXPECT_NE(d.Image().constBits(), ia.constBits());
    EXPECT_EQ(d.Image(), ia);
    b.LoadFromData(Encode(TwoTone(3, 3), fmt));
    EXPECT_EQ(b.Image().size(), QSize(3, 3));
    EXPECT_EQ(c.Image().constBits(), ia.constBits());
    EXPECT_EQ(a.Image().size(), QSize(6, 4));
  }
}

TEST(Fill, NewFillDefaults) {
  TGDIPFill f;
  EXPECT_EQ(f.Color(), QColor(192, 192, 192));
  EXPECT_EQ(f.ColorTo(), QColor(128, 128, 128));
  EXPECT_FALSE(f.ColorMirror().isValid());
  EXPECT_FALSE(f.ColorMirrorTo().isValid());
  EXPECT_EQ(f.GradientType(), gtVertical);
  EXPECT_EQ(f.GradientMirrorType(), gtSolid);
  EXPECT_EQ(f.Opacity(), 255);
  EXPECT_EQ(f.OpacityMirrorTo(), 255);
  EXPECT_FALSE(f.BorderColor().isValid());
  EXPECT_EQ(f.BorderWidth(), 1);
  EXPECT_EQ(f.Rounding(), 0);
  EXPECT_EQ(f.RoundingType(), rtBoth);
  EXPECT_EQ(f.ShadowOffset(), 0);
  EXPECT_EQ(f.Glow(), gmNone);
  EXPECT_TRUE(f.Picture()->Empty());
}

TEST(Fill, SettersNotifyOnlyOnChange) {
  TGDIPFill f;
  int changes = 0;
  f.OnChange = [&](QObject* s) { EXPECT_EQ(s, &f); ++changes; };
  f.SetColor(QColor(192, 192, 192));
  f.SetRounding(0);
  f.SetRoundingType(rtBoth);
  EXPECT_EQ(changes, 0);
  f.SetBorderColor(Qt::red);
  f.SetColor(Qt::white);
  f.SetColorTo(Qt::white);
  f.SetColorMirror(Qt::white);
  f.SetColorMirrorTo(Qt::white);
  f.SetRounding(6);
  f.SetRoundingType(rtTop);
  EXPECT_EQ(changes, 7);
  f.BeginUpdate();
  f.SetRounding(2);
  f.EndUpdate();
  EXPECT_EQ(changes, 7);
}

TEST(Fill, FlatRoundedFillWithBorder) {
  TGDIPFill f;
  const QColor face(223, 255, 255);
  for (auto set : {&TGDIPFill::SetColor, &TGDIPFill::SetColorTo, &TGDIPFill::SetColorMirror, &TGDIPFill::SetColorMirrorTo})
    (f.*set)(face);
  f.SetBorderColor(QColor(0, 0, 0));
  f.SetRounding(6);
  QImage canvas = Canvas(60, 24, QColor(255, 0, 0));
  QPainter p(&canvas);
  p.setRenderHint(QPainter::Antialiasing, true);
  f.Fill(p, QRectF(0, 0, 59, 23));
  p.end();
  EXPECT_EQ(canvas.pixelColor(30, 12), face);
  EXPECT_EQ(canvas.pixelColor(30, 23).red(), 0) << "bottom border";
  EXPECT_EQ(canvas.pixelColor(0, 0), QColor(255, 0, 0)) << "rounded corner leaves the background";
}

TEST(Fill, GradientHalvesAndOpacityOverride) {
  TGDIPFill f;
  f.SetColor(QColor(255, 255, 255));
  f.SetColorTo(QColor(0, 0, 0));
  f.SetColorMirror(QColor(0, 0, 255));
  QImage canvas = Canvas(20, 40, QColor(0, 0, 0));
  QPainter p(&canvas);
  f.Fill(p, QRectF(0, 0, 20, 40));
  p.end();
  EXPECT_GT(canvas.pixelColor(10, 1).red(), canvas.pixelColor(10, 18).red()) << "upper half darkens downward";
  EXPECT_EQ(canvas.pixelColor(10, 30), QColor(0, 0, 255)) << "solid mirror half";

  QImage half = Canvas(10, 10, QColor(0, 0, 0));
  QPainter q(&half);
  f.SetColorMirror(QColor());
  f.SetColorTo(QColor());
  f.Fill(q, QRectF(0, 0, 10, 10), 255, 128);
  q.end();
  EXPECT_NEAR(half.pixelColor(5, 5).red(), 128, 2);
}

}  // namespace
