// Pictures as files: sizes from headers, form data, URLs, colour-keyed
// bitmaps and blending; the picture container and the hint info.
#include "controls/ExHintInfo.h"
#include "controls/GDIPPictureContainer.h"
#include "controls/GDIPicture.h"
#include "controls/ImageSizeReaders.h"
#include "controls/ZodOVOD.h"

#include <QBuffer>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

QByteArray Hex(const char* hex) { return QByteArray::fromHex(hex); }

void Put32(QByteArray& b, int at, quint32 v) {
  for (int i = 0; i < 4; ++i) b[at + i] = char((v >> (8 * i)) & 0xFF);
}

// A 24-bit bottom-up BMP: red, with magenta at the bottom-left (the key) and
// at the top-right.
QByteArray KeyedBmp(int w = 16, int h = 29) {
  const int stride = (w * 3 + 3) & ~3;
  QByteArray b(54 + stride * h, '\0');
  b[0] = 'B';
  b[1] = 'M';
  Put32(b, 2, quint32(b.size()));
  Put32(b, 10, 54);
  Put32(b, 14, 40);
  Put32(b, 18, quint32(w));
  Put32(b, 22, quint32(h));
  b[26] = 1;
  b[28] = 24;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const bool key = (x == 0 && y == h - 1) || (x == w - 1 && y == 0);
      const int at = 54 + (h - 1 - y) * stride + x * 3;
      b[at] = char(key ? 255 : 0);  // blue
      b[at + 1] = 0;
      b[at + 2] = char(255);  // red
    }
  return b;
}

QByteArray Png(const QImage& img) {
  QByteArray bytes;
  QBuffer buf(&bytes);
  buf.open(QIODevice::WriteOnly);
  img.save(&buf, "PNG");
  return bytes;
}

QImage Filled(int w, int h, const QColor& c) {
  QImage img(w, h, QImage::Format_ARGB32);
  img.fill(c);
  return img;
}

QString Write(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
  const QString path = dir.filePath(name);
  QFile f(path);
  EXPECT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(bytes);
  return path;
}

TEST(ImageSizeReaders, SizesFromHeaders) {
  QTemporaryDir dir;
  const QByteArray png = Png(Filled(0x0123, 0x45, Qt::red));
  const QByteArray jpeg = Hex("FFD8FFE00010") + QByteArray(14, '\0') + Hex("FFC200110800200040");
  QByteArray bmpTopDown = KeyedBmp().left(54);
  Put32(bmpTopDown, 22, quint32(-29));
  // Two tags of type SHORT at offset 8: width 300, height 200.
  const QByteArray tiff = Hex("49492A0008000000") + Hex("0200") + Hex("00010300010000002C010000") +
                          Hex("0101030001000000C8000000");
  // A colour table full of 2C bytes must be skipped, not searched.
  const QByteArray gifTable = Hex("474946383961010001008100") + Hex("00") + QByteArray(12, '\x2C') +
                              Hex("2C000000002100160000") + Hex("02");
  const QByteArray gifPlain = Hex("474946383961010001000000") + Hex("00") + Hex("2C00000000210016000002") + Hex("00");
  struct Case {
    const char* name;
    QByteArray bytes;
    int w, h;
    bool empty;
  } cases[] = {
      {"a.png", png, 291, 69, false},
      {"b.JPG", jpeg, 64, 32, false},
      {"c.bmp", bmpTopDown, 16, 65507, false},
      {"d.tiff", tiff, 300, 200, false},
      {"e.gif", gifTable, 33, 22, false},
      {"f.gif", gifPlain, 33, 22, false},
      {"g.tif", png, 0, 0, false},
      {"h.png", png.left(20), 0, 0, false},
      {"i.jpeg", jpeg.left(24), 0, 0, false},
      {"j.jpg", Hex("FFD8FFE00000FFC200110800200040"), 0, 0, false},
      {"k.tiff", tiff.left(20), 0, 0, false},
      {"l.gif", gifPlain.left(16), 0, 0, false},
      {"m.gif", gifPlain.left(20), 0, 0, false},
      {"n.bmp", QByteArray("BM0123456789"), 0, 0, true},
  };
  for (const Case& c : cases) {
    TZodOVODPicture pic;
    int changes = 0;
    pic.OnChange = [&](QObject*) { ++changes; };
    pic.LoadFromFile(Write(dir, c.name, c.bytes));
    EXPECT_EQ(pic.Width(), c.w) << c.name;
    EXPECT_EQ(pic.Height(), c.h) << c.name;
    EXPECT_EQ(pic.Empty(), c.empty) << c.name;
    EXPECT_EQ(changes, c.empty ? 0 : 1) << c.name;
    if (!c.empty) {
      EXPECT_EQ(pic.Data(), c.bytes) << c.name;
    }
  }
  TZodOVODPicture tif;
  tif.LoadFromFile(dir.filePath("g.tif"));
  ASSERT_TRUE(tif.GetImageSizes());
  EXPECT_EQ(tif.Width(), 291) << "decoding measures what the extension hid";
}

TEST(GDIPPictureFile, FormDataMeasuringAndEvents) {
  const QByteArray bmp = KeyedBmp();
  ASSERT_EQ(bmp.size(), 1446);
  TGDIPPicture pic;
  std::vector<std::string> events;
  pic.OnChange = [&](QObject*) { events.push_back("change"); };
  pic.OnClear = [&](QObject*) { events.push_back("clear"); };
  QBuffer in;
  in.setData(bmp);
  in.open(QIODevice::ReadOnly);
  pic.ReadData(&in);
  EXPECT_FALSE(pic.Empty());
  EXPECT_EQ(QSize(pic.Width(), pic.Height()), QSize(0, 0));
  EXPECT_TRUE(events.empty());
  ASSERT_TRUE(pic.GetImageSizes());
  EXPECT_EQ(QSize(pic.Width(), pic.Height()), QSize(16, 29));
  QBuffer out;
  out.open(QIODevice::WriteOnly);
  pic.WriteData(&out);
  EXPECT_EQ(out.data(), bmp);

  pic.Assign(nullptr);
  EXPECT_EQ(events, (std::vector<std::string>{"change", "clear"}));
  EXPECT_TRUE(pic.Empty());
  EXPECT_EQ(QSize(pic.Width(), pic.Height()), QSize(16, 29)) << "assigning nothing keeps the size";

  TZodOVODPicture zod;
  int zodEvents = 0;
  zod.OnChange = [&](QObject*) { ++zodEvents; };
  QBuffer nothing;
  nothing.open(QIODevice::ReadOnly);
  zod.LoadFromStream(&nothing);
  zod.ReadData(&nothing);
  EXPECT_TRUE(zod.Empty());
  EXPECT_EQ(zodEvents, 0);
}

// Deferred form data reads as ReadData of the same bytes, made once and only
// when something reads, measures or draws the picture.
TEST(GDIPPictureFile, DeferredFormDataIsMadeOnceWhenFirstNeeded) {
  const QByteArray bmp = KeyedBmp();
  for (int reader = 0; reader < 3; ++reader) {
    TGDIPPicture pic;
    int events = 0, made = 0;
    pic.OnChange = pic.OnClear = [&](QObject*) { ++events; };
    pic.ReadDeferred([&] {
      ++made;
      return bmp;
    });
    EXPECT_FALSE(pic.Empty());
    EXPECT_EQ(QSize(pic.Width(), pic.Height()), QSize(0, 0));
    EXPECT_EQ(made, 0);
    switch (reader) {
      case 0: EXPECT_EQ(pic.Data(), bmp); break;
      case 1: ASSERT_TRUE(pic.GetImageSizes()); break;
      case 2: EXPECT_EQ(pic.Image().size(), QSize(16, 29)); break;
    }
    EXPECT_EQ(made, 1) << reader;
    EXPECT_EQ(pic.Data(), bmp);
    ASSERT_TRUE(pic.GetImageSizes());
    EXPECT_EQ(QSize(pic.Width(), pic.Height()), QSize(16, 29));
    EXPECT_EQ(made, 1) << reader;
    EXPECT_EQ(events, 0);

    // New bytes replace the deferred ones for good.
    TGDIPPicture other;
    other.ReadDeferred([&] {
      ++made;
      return QByteArray("never");
    });
    other.LoadFromData(bmp);
    EXPECT_EQ(other.Data(), bmp);
    EXPECT_EQ(made, 1);
  }
}

TEST(GDIPPictureFile, UrlsLoadFilesOnly) {
  QTemporaryDir dir;
  const QString path = Write(dir, "thumb.bmp", KeyedBmp());
  TGDIPPicture pic;
  std::vector<std::string> events;
  pic.OnChange = [&](QObject*) { events.push_back("change"); };
  pic.OnClear = [&](QObject*) { events.push_back("clear"); };
  pic.LoadFromURL("http://" + path);
  pic.LoadFromURL("file://");
  EXPECT_TRUE(pic.Empty());
  EXPECT_TRUE(events.empty());
  pic.LoadFromURL("file://" + path);
  EXPECT_FALSE(pic.Empty());
  EXPECT_EQ(QSize(pic.Width(), pic.Height()), QSize(16, 29));
  EXPECT_EQ(events, (std::vector<std::string>{"clear", "change"}));
  EXPECT_FALSE(pic.LoadFromFile(dir.filePath("missing.png")));
  EXPECT_TRUE(pic.Empty());
}

TEST(GDIPPictureFile, KeyedBitmapAndBlendedPng) {
  TGDIPPicture pic;
  pic.LoadFromData(KeyedBmp());
  QImage canvas = Filled(16, 29, Qt::blue);
  QPainter p(&canvas);
  pic.Draw(p, QRectF(0, 0, 16, 29));
  p.end();
  EXPECT_EQ(canvas.pixelColor(0, 28), QColor(Qt::blue));
  EXPECT_EQ(canvas.pixelColor(15, 0), QColor(Qt::blue));
  EXPECT_EQ(canvas.pixelColor(5, 5), QColor(Qt::red));

  TGDIPPicture half;
  half.LoadFromData(Png(Filled(4, 4, QColor(255, 0, 0, 128))));
  QImage white = Filled(4, 4, Qt::white);
  QPainter q(&white);
  half.Draw(q, QRectF(0, 0, 4, 4));
  q.end();
  const QColor c = white.pixelColor(2, 2);
  EXPECT_EQ(c.red(), 255);
  EXPECT_NEAR(c.green(), 127, 2);
  EXPECT_NEAR(c.blue(), 127, 2);
}

TEST(ZodOVODPictureFile, TransparentBitmapDrawsAtItsOwnSizeOrStretched) {
  TZodOVODPicture pic;
  pic.LoadFromData(KeyedBmp());
  pic.SetTransparent(true);
  {
    QImage canvas = Filled(120, 120, Qt::blue);
    QPainter p(&canvas);
    TGPGraphics g(p);
    pic.GDIPDraw(g, platform::TRect{0, 0, 100, 100});
    p.end();
    EXPECT_EQ(canvas.pixelColor(5, 5), QColor(Qt::red));
    EXPECT_EQ(canvas.pixelColor(0, 28), QColor(Qt::blue)) << "the key is invisible";
    EXPECT_EQ(canvas.pixelColor(25, 50), QColor(Qt::blue)) << "own size, not the rectangle's";
    EXPECT_EQ(pic.PixelDepth(), 24);
    EXPECT_FALSE(pic.HasAlpha());
  }
  {
    QImage canvas = Filled(120, 120, Qt::blue);
    QPainter p(&canvas);
    TGPGraphics g(p);
    pic.GDIPDraw(g, TGPRectF{0, 0, 32, 58});
    p.end();
    EXPECT_EQ(canvas.pixelColor(25, 50), QColor(Qt::red)) << "stretched into the rectangle";
    EXPECT_EQ(canvas.pixelColor(40, 50), QColor(Qt::blue));
  }
  {
    pic.SetBitmapTransparentMode(tmFixed);
    pic.SetBitmapTransparentColor(platform::clRed);
    QImage canvas = Filled(40, 40, Qt::blue);
    QPainter p(&canvas);
    TGPGraphics g(p);
    pic.GDIPDraw(g, platform::TRect{0, 0, 40, 40});
    p.end();
    EXPECT_EQ(canvas.pixelColor(5, 5), QColor(Qt::blue)) << "the fixed key colour is invisible";
    EXPECT_EQ(canvas.pixelColor(0, 28), QColor(Qt::magenta));
  }
}

TEST(PictureContainer, FindPictureAndHintInfo) {
  TGDIPPictureContainer box;
  EXPECT_EQ(box.Version(), QStringLiteral("1.0.0.0"));
  EXPECT_EQ(box.FindPicture("logo"), nullptr);
  TPictureItem* first = box.Items()->Add();
  first->SetName("logo");
  TPictureItem* second = box.Items()->Add();
  second->SetName("Logo");
  box.Items()->Add()->SetName("other");
  EXPECT_EQ(box.FindPicture("LOGO"), first->Picture());
  EXPECT_EQ(box.FindPicture("nothing"), nullptr);
  EXPECT_EQ(box.Items()->Owner(), &box);

  TExHintInfo hint;
  hint.Picture()->LoadFromData(KeyedBmp());
  EXPECT_TRUE(hint.IsEmpty()) << "the picture does not count";
  TExHintInfo full;
  full.SetTitle("Title");
  full.SetNotes({"a", "b"});
  full.SetShowHelp(true);
  hint.Assign(&full);
  EXPECT_FALSE(hint.IsEmpty());
  EXPECT_EQ(hint.Notes(), full.Notes());
  EXPECT_TRUE(hint.ShowHelp());
  EXPECT_TRUE(hint.Picture()->Empty()) << "the picture is copied too";
  hint.Assign(&box);
  EXPECT_EQ(hint.Title(), QStringLiteral("Title")) << "another class changes nothing";
}

}  // namespace
