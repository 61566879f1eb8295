// The fill appearance object: its eleven painting steps, faces and pictures,
// notifications, and its INI and clipboard forms.
#include "controls/GDIPFill.h"
#include "platform/IniFile.h"

#include <QBuffer>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QMimeData>
#include <QPainter>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <stdexcept>

namespace {

QImage Canvas(int w, int h, const QColor& fill) {
  QImage c(w, h, QImage::Format_ARGB32);
  c.fill(fill);
  return c;
}

// Fills r on a canvas with anti-aliasing on, as the controls call it.
QRectF Paint(const TGDIPFill& f, QImage& canvas, const QRectF& r) {
  QPainter p(&canvas);
  p.setRenderHint(QPainter::Antialiasing, true);
  return f.Fill(p, r);
}

QByteArray Png(const QImage& img) {
  QByteArray bytes;
  QBuffer buf(&bytes);
  buf.open(QIODevice::WriteOnly);
  img.save(&buf, "PNG");
  return bytes;
}

bool Near(const QColor& a, const QColor& b, int tol) {
  return std::abs(a.red() - b.red()) <= tol && std::abs(a.green() - b.green()) <= tol &&
         std::abs(a.blue() - b.blue()) <= tol;
}

TEST(Fill, PaintsShadowBodyHalvesAndFocus) {
  {
    TGDIPFill f;
    QImage c = Canvas(100, 40, Qt::white);
    EXPECT_EQ(Paint(f, c, QRectF(0, 0, 100, 40)), QRectF(0, 0, 100, 40));
    int previous = 256;
    for (int y = 1; y < 39; ++y) {
      const int v = c.pixelColor(50, y).red();
      EXPECT_LE(v, previous) << "row " << y;
      previous = v;
    }
    EXPECT_TRUE(Near(c.pixelColor(50, 2), QColor(192, 192, 192), 6)) << c.pixelColor(50, 2).name().toStdString();
    EXPECT_TRUE(Near(c.pixelColor(50, 37), QColor(128, 128, 128), 10)) << c.pixelColor(50, 37).name().toStdString();
    EXPECT_LT(c.pixelColor(50, 20).red(), 192);
  }
  const struct {
    TShadowType type;
    QRectF body;
  } shadows[] = {{stRightBottom, {0, 0, 96, 36}}, {stSurround, {4, 4, 92, 32}}, {stBottom, {0, 0, 100, 36}}};
  for (const auto& s : shadows) {
    TGDIPFill f;
    f.SetShadowOffset(4);
    f.SetShadowType(s.type);
    QImage c = Canvas(100, 40, Qt::white);
    EXPECT_EQ(Paint(f, c, QRectF(0, 0, 100, 40)), s.body) << s.type;
  }
  {
    TGDIPFill f;
    f.SetColorMirror(Qt::blue);
    QImage c = Canvas(100, 40, Qt::white);
    Paint(f, c, QRectF(0, 0, 100, 40));
    EXPECT_EQ(c.pixelColor(50, 30), QColor(Qt::blue));
    f.SetRounding(8);
    f.SetRoundingType(rtBoth);
    QImage r = Canvas(100, 40, Qt::white);
    Paint(f, r, QRectF(0, 0, 100, 40));
    EXPECT_EQ(r.pixelColor(1, 1), QColor(Qt::white));
    EXPECT_EQ(r.pixelColor(1, 38), QColor(Qt::white));
    EXPECT_EQ(r.pixelColor(1, 20), QColor(Qt::blue)) << "halves round only their outer corners";
  }
  {
    TGDIPFill f;
    f.SetFocus(true);
    f.SetBorderWidth(1);
    f.SetBorderColor(Qt::black);
    QImage c = Canvas(100, 40, Qt::white);
    Paint(f, c, QRectF(0, 0, 100, 40));
    EXPECT_EQ(f.FocusRect(), QRectF(1, 1, 98, 38));
  }
}

TEST(Fill, FacesPicturesAndInactivePainters) {
  // A value box's face.
  TGDIPFill face;
  const QColor cyan(223, 255, 255);
  for (auto set : {&TGDIPFill::SetColor, &TGDIPFill::SetColorTo, &TGDIPFill::SetColorMirror,
                   &TGDIPFill::SetColorMirrorTo})
    (face.*set)(cyan);
  face.SetBorderColor(Qt::black);
  face.SetRounding(6);
  QImage box = Canvas(60, 24, Qt::red);
  Paint(face, box, QRectF(0, 0, 59, 23));
  EXPECT_EQ(box.pixelColor(30, 12), cyan);
  EXPECT_EQ(box.pixelColor(30, 0), QColor(Qt::black));
  EXPECT_EQ(box.pixelColor(30, 23), QColor(Qt::black));
  EXPECT_EQ(box.pixelColor(0, 0), QColor(Qt::red));

  // The splash's fill: only its picture, at the bottom centre.
  const int w = 7, h = 5;
  QImage art(w, h, QImage::Format_ARGB32);
  art.fill(QColor(10, 200, 30));
  art.setPixelColor(0, 0, QColor(250, 20, 90));
  TZodOVODPicture picture;
  picture.LoadFromData(Png(art));
  TGDIPFill splash;
  for (auto set : {&TGDIPFill::SetColor, &TGDIPFill::SetColorTo, &TGDIPFill::SetColorMirror,
                   &TGDIPFill::SetColorMirrorTo})
    (splash.*set)(QColor());
  splash.SetPicture(&picture);
  splash.SetPicturePosition(ppBottomCenter);
  QImage c = Canvas(w + 2, h + 2, Qt::transparent);
  Paint(splash, c, QRectF(0, 0, w + 1, h + 1));
  EXPECT_EQ(c.pixelColor(0, 0).alpha(), 0);
  EXPECT_EQ(c.pixelColor(w, 1).alpha(), 0);
  EXPECT_EQ(c.pixelColor(0, 1), QColor(250, 20, 90));

  // An inactive painter paints nothing, also for a 1-pixel line.
  QImage idle = Canvas(10, 10, Qt::white);
  QPainter p;
  EXPECT_EQ(face.Fill(p, QRectF(0, 0, 10, 1)), QRectF(0, 0, 10, 1));
  EXPECT_EQ(face.Fill(p, QRectF(0, 0, 10, 10)), QRectF(0, 0, 10, 10));
  // A 1-pixel-high rectangle draws only its border line.
  QImage line = Canvas(10, 3, Qt::white);
  Paint(face, line, QRectF(0, 1, 10, 1));
  EXPECT_EQ(line.pixelColor(5, 0), QColor(Qt::white));
  EXPECT_LT(line.pixelColor(5, 1).red(), 128);
}

TEST(Fill, NotifiesOncePerChange) {
  TGDIPFill f;
  int changes = 0;
  f.OnChange = [&](QObject*) { ++changes; };
  f.SetPicturePosition(ppTopLeft);
  f.SetHatchStyle(HatchStyleHorizontal);
  EXPECT_EQ(changes, 0);
  f.BeginUpdate();
  f.SetPictureWidth(10);
  f.SetGlow(gmRadial);
  f.EndUpdate();
  EXPECT_EQ(changes, 0);
  TZodOVODPicture pic;
  pic.LoadFromData(Png(QImage(2, 2, QImage::Format_RGB32)));
  f.SetPicture(&pic);
  EXPECT_EQ(changes, 2);
  TGDIPFill g;
  g.SetPictureAspectRatio(true);
  g.SetShadowType(stSurround);
  g.SetFocus(true);
  f.Assign(&g);
  EXPECT_EQ(changes, 3);
  EXPECT_TRUE(f.PictureAspectRatio());
  EXPECT_EQ(f.ShadowType(), stSurround);
  EXPECT_FALSE(f.Focus());
  EXPECT_TRUE(f.Picture()->Empty());
}

// A colour is written as stored: a system colour keeps its name in the INI
// and clipboard forms, while drawing uses it resolved.
TEST(Fill, FilesKeepSystemColoursByName) {
  TGDIPFill f;
  f.SetStoredColor(fcColor, platform::clBtnFace);
  f.SetStoredColor(fcBorderColor, platform::clHighlightText);
  EXPECT_EQ(f.Color(), platform::ToQColor(platform::clBtnFace));
  platform::IniFile ini;
  f.SaveToFile(ini, QStringLiteral("F"));
  struct Key { const char* name; int value; };
  const Key keys[] = {{"Color", -16777201}, {"BorderColor", -16777202}, {"ColorTo", 8421504},
                      {"ColorMirror", 0x1FFFFFFF}, {"ShadowColor", 8421504}, {"GlowGradientColor", 16777215}};
  for (const Key& k : keys) EXPECT_EQ(ini.ReadInteger("F", k.name, 0), k.value) << k.name;

  TGDIPFill loaded;
  loaded.LoadFromFile(ini, QStringLiteral("F"));
  EXPECT_EQ(loaded.StoredColor(fcColor), platform::clBtnFace);
  EXPECT_EQ(loaded.Color(), platform::ToQColor(platform::clBtnFace));
  f.SaveToClipBoard();
  TGDIPFill pasted;
  pasted.LoadFromClipBoard();
  EXPECT_EQ(pasted.StoredColor(fcBorderColor), platform::clHighlightText);
  TGDIPFill copy;
  copy.Assign(&f);
  EXPECT_EQ(copy.StoredColor(fcColor), platform::clBtnFace);
  copy.SetColor(QColor(1, 2, 3));
  EXPECT_EQ(copy.StoredColor(fcColor), platform::RGB(1, 2, 3));
}

// A stretched picture with its aspect kept fills the width of a taller area
// and the height of a wider one, centred; a smaller picture in pmNormal keeps
// its own size.
TEST(Fill, StretchedPictureKeepsItsAspect) {
  QImage art(20, 10, QImage::Format_RGB32);
  art.fill(QColor(200, 0, 0));
  TZodOVODPicture picture;
  picture.LoadFromData(Png(art));
  struct Case {
    int w, h;
    TPictureMode mode;
    QRect shown;
  };
  const Case cases[] = {{100, 100, pmStretch, QRect(0, 25, 100, 50)},
                        {100, 40, pmStretch, QRect(10, 0, 80, 40)},
                        {100, 100, pmNormal, QRect(40, 45, 20, 10)},
                        {10, 40, pmNormal, QRect(0, 18, 10, 5)}};
  for (const Case& c : cases) {
    TGDIPFill f;
    f.SetColor(QColor());
    f.SetColorTo(QColor());
    f.SetPicture(&picture);
    f.SetPicturePosition(ppStretched);
    f.SetPictureAspectRatio(true);
    f.SetPictureAspectMode(c.mode);
    QImage canvas = Canvas(c.w, c.h, Qt::white);
    Paint(f, canvas, QRectF(0, 0, c.w, c.h));
    QRect red;
    for (int y = 0; y < c.h; ++y)
      for (int x = 0; x < c.w; ++x)
        if (canvas.pixelColor(x, y).red() > 150 && canvas.pixelColor(x, y).green() < 100) red |= QRect(x, y, 1, 1);
    EXPECT_EQ(red, c.shown) << c.w << " x " << c.h << " mode " << c.mode;
  }
}

TEST(Fill, IniAndClipboardForms) {
  QTemporaryDir dir;
  const QString file = dir.filePath(QStringLiteral("fill.ini"));
  TGDIPFill source;
  source.SetColor(QColor(1, 2, 3));
  source.SetColorMirror(QColor(200, 100, 50));
  source.SetOpacityTo(77);
  source.SetShadowType(stBottom);
  source.SetPictureAspectRatio(true);
  QByteArray three("\x89\x50\x4E", 3);
  QBuffer buf(&three);
  buf.open(QIODevice::ReadOnly);
  source.Picture()->LoadFromStream(&buf);
  source.SaveToFile(file, QStringLiteral("Fill"));

  platform::IniFile ini(file);
  EXPECT_EQ(ini.ReadString("Fill", "Picture", ""), "89504E");
  EXPECT_EQ(ini.ReadInteger("Fill", "PictureSize", -1), 6);
  EXPECT_EQ(ini.ReadInteger("Fill", "ColorMirrorTo", 0), int(0x1FFFFFFF));
  const QStringList keys = ini.Keys("Fill");
  const QStringList expected = {"Color", "ColorTo", "ColorMirror", "ColorMirrorTo", "GradientType",
      "GradientMirrorType", "HatchStyle", "HatchStyleMirror", "BackGroundPictureMode", "BackGroundPicturePosition",
      "BackGroundPictureLeft", "BackGroundPictureTop", "PicturePosition", "PictureLeft", "PictureTop", "PictureSize",
      "PictureWidth", "PictureHeight", "Opacity", "OpacityTo", "OpacityMirror", "OpacityMirrorTo", "BorderColor",
      "BorderOpacity", "BorderWidth", "Rounding", "RoundingType", "ShadowOffset", "ShadowColor", "Angle", "Glow",
      "GlowGradientColor", "GlowRadialColor", "Picture", "BackgroundPicture", "BackgroundPictureSize"};
  EXPECT_EQ(keys, expected);

  TGDIPFill target;
  target.SetPictureSize(psCustom);
  int changes = 0;
  target.OnChange = [&](QObject*) { ++changes; };
  target.LoadFromFile(file, QStringLiteral("Fill"));
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(target.Color(), QColor(1, 2, 3));
  EXPECT_EQ(target.ColorMirror(), QColor(200, 100, 50));
  EXPECT_FALSE(target.ColorMirrorTo().isValid());
  EXPECT_EQ(target.OpacityTo(), 77);
  EXPECT_EQ(target.Picture()->Data(), three);
  EXPECT_EQ(target.PictureSize(), psCustom);
  EXPECT_EQ(target.ShadowType(), stRightBottom) << "the INI form leaves the shadow type out";

  // An empty picture writes "" and 0 and loads as no change.
  TGDIPFill empty;
  empty.SaveToFile(file, QStringLiteral("Empty"));
  const platform::IniFile again(file);
  EXPECT_EQ(again.ReadString("Empty", "Picture", "x"), "");
  EXPECT_EQ(again.ReadInteger("Empty", "PictureSize", -1), 0);
  target.LoadFromFile(again, QStringLiteral("Empty"));
  EXPECT_EQ(target.Picture()->Data(), three);

  // A bad digit throws after what came before it; an unknown ordinal keeps the value.
  platform::IniFile bad;
  bad.SetContent("[F]\nColor=255\nGradientType=99\nOpacity=300\nPictureSize=2\nPicture=8G\n");
  try {
    target.LoadFromFile(bad, QStringLiteral("F"));
    ADD_FAILURE() << "no exception";
  } catch (const std::runtime_error& e) {
    EXPECT_STREQ(e.what(), "No Hex-Number");
  }
  EXPECT_EQ(target.Color(), QColor(255, 0, 0));
  EXPECT_EQ(target.GradientType(), gtVertical);
  EXPECT_EQ(target.Opacity(), 255);
  EXPECT_EQ(target.Picture()->Data(), three);
  QImage c = Canvas(20, 20, Qt::white);
  Paint(target, c, QRectF(0, 0, 20, 20));
  EXPECT_NE(c.pixelColor(10, 10), QColor(Qt::white));

  // The same keys from a UTF-16 copy; a key written again keeps its place.
  QFile in(file);
  ASSERT_TRUE(in.open(QIODevice::ReadOnly));
  const QString text = QString::fromUtf8(in.readAll());
  QFile out(dir.filePath("utf16.ini"));
  ASSERT_TRUE(out.open(QIODevice::WriteOnly));
  out.write(QByteArray("\xFF\xFE", 2) + QStringEncoder(QStringEncoder::Utf16LE)(text));
  out.close();
  platform::IniFile wide(out.fileName());
  EXPECT_EQ(wide.Keys("Fill"), expected);
  EXPECT_EQ(wide.ReadString("Fill", "Picture", ""), "89504E");
  wide.WriteInteger("Fill", "Color", 5);
  EXPECT_EQ(wide.Keys("Fill"), expected);
  ASSERT_TRUE(wide.UpdateFile());
  EXPECT_EQ(platform::IniFile(out.fileName()).ReadInteger("Fill", "Color", 0), 5);

  // The clipboard carries the shadow type, the aspect settings and the
  // picture size mode, whose INI key holds the picture text's length.
  source.SetPictureSize(psCustom);
  source.SaveToClipBoard();
  TGDIPFill pasted;
  pasted.LoadFromClipBoard();
  EXPECT_EQ(pasted.ShadowType(), stBottom);
  EXPECT_TRUE(pasted.PictureAspectRatio());
  EXPECT_EQ(pasted.PictureSize(), psCustom);
  EXPECT_EQ(pasted.Picture()->Data(), three);
  EXPECT_EQ(pasted.OpacityTo(), 77);
  QGuiApplication::clipboard()->setText("not a fill");
  pasted.LoadFromClipBoard();
  EXPECT_EQ(pasted.ShadowType(), stBottom);
  auto* junk = new QMimeData;
  junk->setData(kFillMimeType, "garbage");
  QGuiApplication::clipboard()->setMimeData(junk);
  EXPECT_THROW(pasted.LoadFromClipBoard(), std::runtime_error);
}

}  // namespace
