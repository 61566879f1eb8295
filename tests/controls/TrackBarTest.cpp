// Track bar: model, geometry, pixels, input, repaint regions, styles and the
// library look. A "system fader" is 27 x 180 with the windows' block: vertical,
// white-to-black groove 3 wide framed in clMedGray, a 16 x 29 thumb picture,
// no ticks, the focus outline.
#include "controls/ExTrackBar.h"
#include "controls/ExTrackBarDraw.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <limits>
#include <vector>

#include "support/UiFixture.h"

namespace {

using platform::FromQColor;
using trackbar::Tc;

// A 16 x 29 thumb whose corners are transparent.
QByteArray ThumbPng(const QColor& c, QSize size = QSize(16, 29)) {
  QImage img(size, QImage::Format_ARGB32);
  img.fill(c);
  img.setPixelColor(0, 0, Qt::transparent);
  img.setPixelColor(size.width() - 1, 0, Qt::transparent);
  QByteArray bytes;
  QBuffer buf(&bytes);
  buf.open(QIODevice::WriteOnly);
  img.save(&buf, "PNG");
  return bytes;
}

void ApplyFormsBlock(TCustomTrackBar& bar) {
  static TGDIPPicture* picture = [] {
    auto* p = new TGDIPPicture;
    p->LoadFromData(ThumbPng(QColor(200, 40, 40)));
    return p;
  }();
  bar.SetOrientation(trVertical);
  TTrackBarSlider* s = bar.Slider();
  s->SetColor(Tc(platform::clWhite));
  s->SetColorTo(Tc(platform::clBlack));
  s->SetSize(3);
  s->SetBorderColor(Tc(platform::clMedGray));
  bar.Thumb()->SetSize(16);
  bar.Thumb()->SetWidth(29);
  bar.Thumb()->SetPicture(picture);
  bar.TickMark()->SetStyle(tsNone);
  bar.SetShowFocus(true);
  bar.Loaded();
}

// Records every repaint request.
class ProbeBar : public TExTrackBar {
 public:
  using TExTrackBar::TExTrackBar;
  QRegion invalidated;
  using TCustomTrackBar::RepeatTimer;
  using TCustomTrackBar::TrackHintWindow;

 protected:
  void InvalidateRegion(const QRegion& r) override {
    invalidated += r;
    TExTrackBar::InvalidateRegion(r);
  }
};

// A system fader on a parent filled (0, 128, 0).
struct Fader {
  QWidget parent;
  ProbeBar bar{&parent};
  int changes = 0;
  explicit Fader(int min = -280, int max = 120, int pos = 0) {
    parent.resize(60, 200);
    parent.setAutoFillBackground(true);
    QPalette pal = parent.palette();
    pal.setColor(QPalette::Window, QColor(0, 128, 0));
    parent.setPalette(pal);
    ApplyFormsBlock(bar);
    bar.setGeometry(0, 0, 27, 180);
    bar.SetMin(min);
    bar.SetMax(max);
    bar.SetPosition(pos);
    bar.OnChange = [this](QObject* s) {
      EXPECT_EQ(s, &bar);
      ++changes;
    };
  }
  QImage Grab() { return parent.grab(QRect(0, 0, 27, 180)).toImage(); }
};

QColor Rgb(int r, int g, int b) { return QColor(r, g, b); }
QColor Grey(int v) { return QColor(v, v, v); }

// ---- 1. model ----------------------------------------------------------------

TEST(TrackBar, ModelValuesGeometryAndEvents) {
  {
    TExTrackBar bar;
    EXPECT_EQ(bar.size(), QSize(150, 26));
    EXPECT_EQ(bar.Min(), 0);
    EXPECT_EQ(bar.Max(), 10);
    EXPECT_EQ(bar.Position(), 0);
    EXPECT_EQ(bar.PageSize(), 1);
    EXPECT_EQ(bar.Orientation(), trHorizontal);
    EXPECT_FALSE(bar.ShowFocus());
    EXPECT_TRUE(bar.Transparent());
    EXPECT_FALSE(trackbar::IsSet(bar.Color()));
    EXPECT_FALSE(trackbar::IsSet(bar.BorderColor()));
    EXPECT_EQ(bar.Version(), "1.6.3.0");
    EXPECT_EQ(bar.Thumb()->Size(), 15);
    EXPECT_EQ(bar.Thumb()->Width(), 10);
    EXPECT_EQ(FromQColor(bar.Thumb()->Color()), 15653832u);
    EXPECT_EQ(FromQColor(bar.Slider()->BorderColor()), 12752500u);
    EXPECT_EQ(bar.Slider()->Size(), 2);
    EXPECT_EQ(bar.Slider()->Offset(), 10);
    EXPECT_EQ(bar.TickMark()->Style(), tsAuto);
    EXPECT_EQ(bar.Buttons()->Size(), 20);
    EXPECT_FALSE(bar.Buttons()->Visible());
    EXPECT_EQ(bar.TrackLabel()->Format(), "Pos: %d");
  }
  {
    Fader f(-180, 40, 40);
    EXPECT_EQ(f.bar.ThumbRect(), QRect(6, 3, 16, 29));
    const struct { int pos, top; } tops[] = {{40, 3}, {-180, 148}, {-70, 76}};
    for (auto t : tops) {
      f.bar.SetPosition(t.pos);
      EXPECT_EQ(f.bar.ThumbRect().top(), t.top) << t.pos;
    }
  }
  {
    Fader f(0, 100, 50);
    struct Step { std::function<void()> act; int stored, events; const char* what; };
    const Step steps[] = {
        {[&] { f.bar.SetPosition(50); }, 50, 0, "equal write"},
        {[&] { f.bar.SetPosition(60); }, 60, 1, "in range"},
        {[&] { f.bar.SetPosition(500); }, 100, 1, "out of range"},
        {[&] { f.bar.SetPosition(500); }, 100, 1, "out of range at the bound already"},
        {[&] { f.bar.SetMax(70); }, 70, 1, "Max lowered below Position"},
        {[&] { f.bar.SetMin(-10); }, 70, 0, "a bound that leaves Position inside"},
    };
    for (const Step& s : steps) {
      f.changes = 0;
      s.act();
      EXPECT_EQ(f.bar.Position(), s.stored) << s.what;
      EXPECT_EQ(f.changes, s.events) << s.what;
    }
  }
  {
    TExTrackBar bar;
    bar.SetMin(50);
    bar.SetMax(10);
    bar.SetPosition(0);
    EXPECT_EQ(bar.Position(), 50);
    bar.SetPosition(30);  // still below Min
    EXPECT_EQ(bar.Position(), 50);
    bar.SetPosition(60);
    EXPECT_EQ(bar.Position(), 10);
  }
  {
    Fader f(5, 5, 5);
    EXPECT_EQ(f.bar.ThumbRect().top(), 148) << "Max = Min: the thumb at the Min end";
  }
  {
    Fader f;
    f.bar.Thumb()->SetSize(40);
    EXPECT_EQ(f.bar.Thumb()->Size(), 16) << "Size is locked while the thumb has a picture";
    TExTrackBar vertical, horizontal;
    vertical.SetOrientation(trVertical);
    TGDIPPicture pic;
    pic.LoadFromData(ThumbPng(Qt::blue));
    vertical.Thumb()->SetPicture(&pic);
    horizontal.Thumb()->SetPicture(&pic);
    EXPECT_EQ(vertical.Thumb()->Size(), 16);
    EXPECT_EQ(vertical.Thumb()->Width(), 29);
    EXPECT_EQ(horizontal.Thumb()->Size(), 29);
    EXPECT_EQ(horizontal.Thumb()->Width(), 16);
  }
}

// ---- 2. pixels -----------------------------------------------------------------

TEST(TrackBar, SystemFaderPixels) {
  Fader f(0, 100, 100);
  QImage img = f.Grab();
  EXPECT_EQ(img.pixelColor(13, 90), Rgb(160, 160, 164));
  EXPECT_EQ(img.pixelColor(14, 90), Grey(246));
  EXPECT_EQ(img.pixelColor(15, 90), Grey(246));
  EXPECT_EQ(img.pixelColor(2, 90), Rgb(0, 128, 0));
  const QRect thumb = f.bar.ThumbRect();
  EXPECT_EQ(img.pixelColor(thumb.topLeft()), Rgb(0, 128, 0)) << "transparent thumb pixel";
  EXPECT_EQ(img.pixelColor(thumb.center()), Rgb(200, 40, 40));

  f.bar.SetEnabled(false);
  img = f.Grab();
  EXPECT_EQ(img.pixelColor(13, 90), Grey(0));
  EXPECT_EQ(img.pixelColor(14, 90), Grey(230));
  f.bar.SetEnabled(true);

  f.parent.show();
  QApplication::setActiveWindow(&f.parent);
  f.bar.setFocus();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&f.parent));
  ASSERT_TRUE(f.bar.hasFocus());
  img = f.Grab();
  EXPECT_EQ(img.pixelColor(0, 0), Grey(0));
  EXPECT_EQ(img.pixelColor(1, 0), Rgb(0, 128, 0));
  EXPECT_EQ(img.pixelColor(2, 0), Grey(0));
  f.bar.clearFocus();

  f.bar.Slider()->SetBorderColor(Tc(platform::clNone));
  img = f.Grab();
  EXPECT_EQ(img.pixelColor(13, 90), Grey(191));
  EXPECT_EQ(img.pixelColor(14, 90), Grey(77));
  EXPECT_EQ(img.pixelColor(15, 90), Grey(13));
}

// ---- 3. input ------------------------------------------------------------------

TEST(TrackBar, HeldPressPagesTowardThePressAndStopsThere) {
  Fader f(0, 998, 0);
  f.bar.SetPageSize(10);
  const QPoint press(14, 100);
  QTest::mousePress(&f.bar, Qt::LeftButton, {}, press);
  EXPECT_EQ(f.bar.Position(), 10) << "one page at once";
  QTimer* timer = f.bar.RepeatTimer();
  ASSERT_NE(timer, nullptr);
  EXPECT_TRUE(timer->isActive());
  EXPECT_EQ(timer->interval(), 400);
  for (int i = 0; i < 80; ++i) {
    QMetaObject::invokeMethod(timer, "timeout");
    EXPECT_EQ(timer->interval(), 100);
    EXPECT_GE(f.bar.Position(), 10 + std::min(i, 31) * 10) << "never falls back";
  }
  EXPECT_EQ(f.bar.Position(), 330);
  EXPECT_EQ(f.changes, 33);
  EXPECT_LE(f.bar.ThumbRect().top(), press.y());
  QTest::mouseRelease(&f.bar, Qt::LeftButton, {}, press);
  EXPECT_FALSE(timer->isActive());
  QMetaObject::invokeMethod(timer, "timeout");
  EXPECT_EQ(f.bar.Position(), 330) << "a tick after release does nothing";
}

// The repeats come InitRepeatPause after the press and then every
// RepeatPause. The press pages once just before it starts the timer, so that
// step bounds the start from below; the clock gives lower bounds only, since
// a loaded machine makes the repeats late.
TEST(TrackBar, HeldPressNeverRepeatsBeforeItsPauses) {
  Fader f(0, 998, 0);
  f.bar.SetPageSize(10);
  QElapsedTimer clock;
  std::vector<qint64> steps;
  f.bar.OnChange = [&](QObject*) { steps.push_back(clock.elapsed()); };
  const QPoint press(14, 100);
  clock.start();
  QTest::mousePress(&f.bar, Qt::LeftButton, {}, press);
  ASSERT_TRUE(testsupport::WaitFor([&] { return steps.size() >= 8; }, 60000));
  const std::vector<qint64> held(steps.begin(), steps.begin() + 8);
  QTest::mouseRelease(&f.bar, Qt::LeftButton, {}, press);
  qint64 due = held[0] + 400;
  for (std::size_t k = 1; k < held.size(); ++k, due += 100) EXPECT_GE(held[k], due) << "step " << k;
}

TEST(TrackBar, ClicksAndDrags) {
  {
    Fader f(0, 998, 500);
    f.bar.SetPageSize(10);
    const QRect thumb = f.bar.ThumbRect();
    QTest::mouseClick(&f.bar, Qt::LeftButton, {}, QPoint(14, thumb.bottom() + 1));
    EXPECT_EQ(f.bar.Position(), 490) << "a click one pixel below the thumb";
    QTest::mouseClick(&f.bar, Qt::LeftButton, {}, QPoint(14, 10));
    EXPECT_EQ(f.bar.Position(), 500);
  }
  {
    Fader f(0, 145, 0);  // one unit per pixel of travel
    const QRect thumb = f.bar.ThumbRect();
    const QPoint grab(thumb.center().x(), thumb.top());
    QTest::mousePress(&f.bar, Qt::LeftButton, {}, grab);
    QTest::mouseMove(&f.bar, grab);
    EXPECT_EQ(f.bar.Position(), 0) << "grabbing by the top edge must not jump";
    QTest::mouseMove(&f.bar, grab - QPoint(0, 40));
    EXPECT_EQ(f.bar.Position(), 40);
    QTest::mouseRelease(&f.bar, Qt::LeftButton, {}, grab - QPoint(0, 40));
    EXPECT_FALSE(f.bar.RepeatTimer() && f.bar.RepeatTimer()->isActive());
  }
  {
    Fader f(0, 100, 0);
    int seen = -1;
    f.bar.OnMouseDown = [&](QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) { seen = f.bar.Position(); };
    QTest::mouseClick(&f.bar, Qt::LeftButton, {}, QPoint(14, 10));
    EXPECT_EQ(seen, 0) << "OnMouseDown runs before the step";
    EXPECT_GT(f.bar.Position(), 0);
  }
}

TEST(TrackBar, KeysAndWheel) {
  struct Case { TTrackBarOrientation o; int start; Qt::Key key; Qt::KeyboardModifiers mods; int expect, events; };
  const Case cases[] = {
      {trVertical, 5, Qt::Key_Home, {}, 10, 1},        {trVertical, 5, Qt::Key_End, {}, 0, 1},
      {trHorizontal, 5, Qt::Key_Home, {}, 0, 1},       {trHorizontal, 5, Qt::Key_End, {}, 10, 1},
      {trVertical, 5, Qt::Key_Down, Qt::ShiftModifier, 5, 0},
      {trVertical, 5, Qt::Key_Home, Qt::ShiftModifier, 5, 0},
      {trVertical, 10, Qt::Key_PageUp, {}, 10, 1},     {trVertical, 10, Qt::Key_Up, {}, 10, 0},
      {trHorizontal, 0, Qt::Key_Left, {}, 0, 0},       {trHorizontal, 3, Qt::Key_Right, {}, 4, 1},
      {trHorizontal, 5, Qt::Key_PageUp, {}, 8, 1},     {trVertical, 5, Qt::Key_PageDown, {}, 2, 1},
  };
  for (const Case& c : cases) {
    TExTrackBar bar;
    bar.SetOrientation(c.o);
    bar.SetPageSize(3);
    bar.SetPosition(c.start);
    int events = 0;
    bar.OnChange = [&](QObject*) { ++events; };
    QTest::keyClick(&bar, c.key, c.mods);
    EXPECT_EQ(bar.Position(), c.expect) << c.o << " key " << c.key;
    EXPECT_EQ(events, c.events) << c.o << " key " << c.key;
  }
  Fader f(0, 10, 10);
  QWheelEvent up(QPointF(13, 90), QPointF(13, 90), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                 Qt::NoScrollPhase, false);
  up.setAccepted(false);
  QApplication::sendEvent(&f.bar, &up);
  EXPECT_TRUE(up.isAccepted());
  EXPECT_EQ(f.changes, 0);
  EXPECT_EQ(f.bar.Position(), 10);
  // The wheel steps one: down lowers the position, up raises it.
  for (int delta : {-120, -120, 120}) {
    QWheelEvent turn(QPointF(13, 90), QPointF(13, 90), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                     Qt::NoScrollPhase, false);
    QApplication::sendEvent(&f.bar, &turn);
  }
  EXPECT_EQ(f.bar.Position(), 9);
}

// A page past the int range stops at the range's end instead of wrapping.
TEST(TrackBar, PageKeysHoldTheRangeEnds) {
  struct Case { int min, max, page, start; Qt::Key key; int expect; };
  const Case cases[] = {
      {0, INT_MAX, INT_MAX, INT_MAX - 1, Qt::Key_PageUp, INT_MAX},
      {INT_MIN, 0, INT_MAX, INT_MIN + 1, Qt::Key_PageDown, INT_MIN},
      {INT_MIN, INT_MAX, INT_MAX, -5, Qt::Key_PageDown, INT_MIN},
      {INT_MIN, INT_MAX, INT_MAX, 7, Qt::Key_PageUp, INT_MAX},
  };
  for (const Case& c : cases) {
    TExTrackBar bar;
    bar.SetMax(c.max);
    bar.SetMin(c.min);
    bar.SetPageSize(c.page);
    bar.SetPosition(c.start);
    QTest::keyClick(&bar, c.key);
    EXPECT_EQ(bar.Position(), c.expect) << c.start << " key " << c.key;
  }
}

// ---- 4. repaint region ---------------------------------------------------------

TEST(TrackBar, MoveRepaintsOnlyTheOldAndNewThumb) {
  Fader f(0, 100, 0);
  const QRect before = f.bar.ThumbRect().adjusted(-1, -1, 1, 1);
  f.bar.invalidated = QRegion();
  f.bar.SetPosition(100);
  const QRect after = f.bar.ThumbRect().adjusted(-1, -1, 1, 1);
  EXPECT_EQ(f.bar.invalidated, QRegion(before) + after);

  f.bar.invalidated = QRegion();
  f.bar.SetPosition(100);
  EXPECT_TRUE(f.bar.invalidated.isEmpty()) << "an equal write";

  f.bar.Slider()->SetColorCompleted(Qt::red);
  f.bar.invalidated = QRegion();
  f.bar.SetPosition(50);
  EXPECT_EQ(f.bar.invalidated.intersected(f.bar.SliderRect()), QRegion(f.bar.SliderRect()));
}

// ---- 5. styles -----------------------------------------------------------------

TEST(TrackBar, ComponentStyles) {
  TExTrackBar bar;
  bar.SetComponentStyle(tsOffice2003Blue);
  EXPECT_EQ(FromQColor(bar.Thumb()->Color()), 15653832u);
  EXPECT_EQ(FromQColor(bar.Thumb()->BorderColor()), 14727579u);
  EXPECT_EQ(FromQColor(bar.Thumb()->ColorHot()), 13432063u);
  EXPECT_EQ(FromQColor(bar.Slider()->BorderColor()), 12752500u);
  EXPECT_EQ(FromQColor(bar.TickMark()->Color()), 12752500u);
  EXPECT_EQ(FromQColor(bar.Buttons()->Color()), 16706781u);

  bar.SetComponentStyle(TAppearanceStyle(10));
  EXPECT_FALSE(trackbar::IsSet(bar.Thumb()->ColorMirror()));
  EXPECT_EQ(FromQColor(bar.Buttons()->ColorMirror()), 16776697u);

  TGDIPPicture pic;
  pic.LoadFromData(ThumbPng(Qt::blue, QSize(5, 20)));
  for (int ordinal : {8, 99}) {
    TExTrackBar b;
    b.SetComponentStyle(tsWindows7);
    b.Thumb()->SetPicture(&pic);
    b.Thumb()->SetShape(tsRound);
    b.TickMark()->SetPosition(tmBoth);
    b.Slider()->SetOffset(3);
    b.Buttons()->SetSpacing(9);
    b.SetComponentStyle(TAppearanceStyle(ordinal));
    EXPECT_TRUE(b.Thumb()->Picture()->Empty()) << ordinal;
    EXPECT_EQ(b.Thumb()->Shape(), tsPointer);
    EXPECT_EQ(b.TickMark()->Position(), tmBottomRight);
    EXPECT_EQ(b.Slider()->Offset(), 10);
    EXPECT_EQ(b.Buttons()->Spacing(), 2);
    EXPECT_EQ(FromQColor(b.Thumb()->Color()), 16575452u) << "colours stay those of the last style";
  }

  TExTrackBar v;
  v.SetOrientation(trVertical);
  v.Slider()->SetPicture(&pic);
  EXPECT_EQ(v.Slider()->Size(), 5);
  EXPECT_FALSE(trackbar::IsSet(v.Slider()->BorderColor()));
}

// ---- 6. library look -----------------------------------------------------------

TEST(TrackBar, RatingMode) {
  TGDIPPicture on, off;
  on.LoadFromData(ThumbPng(Qt::red, QSize(10, 10)));
  off.LoadFromData(ThumbPng(Qt::gray, QSize(10, 10)));
  TExTrackBar bar;
  bar.resize(80, 26);
  bar.SetMax(5);
  bar.SetPosition(3);
  bar.SetRateActive(&on);
  bar.SetRateInActive(&off);
  const QImage img = bar.grab().toImage();
  int active = 0, cells = 0;
  for (int v = 1; v <= 5; ++v) {
    const QRect cell = bar.RateCellRect(v);
    ASSERT_FALSE(cell.isEmpty()) << v;
    ++cells;
    if (img.pixelColor(cell.center()) == QColor(Qt::red)) ++active;
  }
  EXPECT_EQ(cells, 5);
  EXPECT_EQ(active, 3);
  const QRect first = bar.RateCellRect(1), last = bar.RateCellRect(5);
  QTest::mouseClick(&bar, Qt::LeftButton, {}, QPoint(last.right() + 2, last.center().y()));
  EXPECT_EQ(bar.Position(), 3);
  QTest::mouseClick(&bar, Qt::LeftButton, {}, QPoint(first.left() - 2, first.center().y()));
  EXPECT_EQ(bar.Position(), 0);
}

TEST(TrackBar, DrawnThumbsAndTicks) {
  {
    TExTrackBar bar;
    bar.SetOrientation(trVertical);
    bar.resize(40, 120);
    bar.Thumb()->SetShape(tsLine);
    bar.SetPosition(5);
    const QRect r = bar.ThumbRect();
    const int mid = r.top() + r.height() / 2, x = r.left() + 2;
    const QImage img = bar.grab().toImage();
    const QColor c = bar.Thumb()->Color();
    EXPECT_EQ(img.pixelColor(x, mid - 1), bar.Thumb()->ColorTo());
    EXPECT_EQ(img.pixelColor(x, mid), c);
    EXPECT_EQ(img.pixelColor(x, mid + 1), trackbar::Blend(c, Qt::white, 60));
    EXPECT_EQ(img.pixelColor(x, mid + 2), trackbar::Blend(c, Qt::white, 10));
  }
  {
    // Ticks: tsAuto draws in the band, tsManual keeps the band empty.
    TExTrackBar bar;
    bar.resize(150, 40);
    bar.TickMark()->SetColor(Qt::red);
    auto redIn = [&](const QRect& band) {
      const QImage img = bar.grab().toImage();
      int n = 0;
      for (int y = band.top(); y <= band.bottom(); ++y)
        for (int x = band.left(); x <= band.right(); ++x) n += img.pixelColor(x, y) == QColor(Qt::red);
      return n;
    };
    const QRect band = bar.BottomRightTickRect();
    EXPECT_GT(redIn(band), 0);
    bar.TickMark()->SetStyle(tsManual);
    EXPECT_EQ(bar.BottomRightTickRect(), band) << "the band stays reserved";
    EXPECT_EQ(redIn(band), 0);
  }
  {
    Fader f(0, 10, 0);
    f.bar.Thumb()->SetShowAtMinMax(false);
    const QPoint mid = f.bar.ThumbRect().center();
    EXPECT_NE(f.Grab().pixelColor(mid), Rgb(200, 40, 40)) << "hidden at Min";
    f.bar.SetPosition(10);
    EXPECT_NE(f.Grab().pixelColor(f.bar.ThumbRect().center()), Rgb(200, 40, 40)) << "hidden at Max";
    f.bar.SetPosition(5);
    EXPECT_EQ(f.Grab().pixelColor(f.bar.ThumbRect().center()), Rgb(200, 40, 40));
  }
}

// The label takes the position through one integer conversion; any other
// format shows as it stands ("%s" once read a string that was not there).
TEST(TrackBar, LabelFormatTakesOneIntegerConversion) {
  struct Case { const char* format; const char* shown; };
  const Case cases[] = {{"Pos: %d", "Pos: -42"}, {"%5i dB", "  -42 dB"}, {"%x", "ffffffd6"}, {"100%%", "100%"},
                        {"Pos: %s %s", "Pos: %s %s"}, {"%d of %d", "%d of %d"}, {"%f", "%f"}, {"%ld", "%ld"},
                        {"%n", "%n"}, {"%*d", "%*d"}, {"50%", "50%"},
                        // A width or precision past a line of text is refused, not filled.
                        {"%100000000d", "%100000000d"}, {"%.2147483647d", "%.2147483647d"},
                        {"%256d", "%256d"}, {"%.4d", "-0042"}};
  for (const Case& c : cases) {
    TExTrackBar bar;
    bar.resize(150, 60);
    bar.SetMin(-100);
    bar.SetPosition(-42);
    bar.TrackLabel()->SetVisible(true);
    bar.TrackLabel()->SetFormat(QString::fromLatin1(c.format));
    QString text;
    bar.OnGetTrackLabelText = [&](QObject*, int, QString& v) { text = v; };
    bar.grab();
    EXPECT_EQ(text, QString::fromLatin1(c.shown)) << c.format;
  }
  TExTrackBar bar;
  bar.TrackLabel()->SetVisible(true);
  bar.TrackLabel()->SetFormat("%255d");
  QString text;
  bar.OnGetTrackLabelText = [&](QObject*, int, QString& v) { text = v; };
  bar.grab();
  EXPECT_EQ(text.size(), 255) << "the widest field accepted";
}

// Without a draw handler only ticks more than a pixel apart are considered.
// The values chosen are those a walk through every value chooses, and a
// range up to the largest int is drawn at once.
TEST(TrackBar, TickValuesOverAnyIntegerRange) {
  auto prepare = [](TExTrackBar& bar, int min, int max) {
    bar.resize(300, 60);
    bar.SetMax(max);
    bar.SetMin(min);
  };
  auto chosen = [&](int min, int max) {
    TExTrackBar bar;
    prepare(bar, min, max);
    bar.TickMark()->SetShowText(true);
    std::vector<int> values;
    bar.OnGetTickMarkText = [&](QObject*, int v, QString&) { values.push_back(v); };
    bar.grab();
    return values;
  };
  // Every value through the draw handler, with the one-pixel rule applied here.
  auto walked = [&](int min, int max) {
    TExTrackBar bar;
    prepare(bar, min, max);
    const int left = bar.BottomRightTickRect().left();
    std::vector<int> values;
    int previous = -100;
    bar.OnDrawTick = [&](QObject*, platform::Canvas&, QPoint at, int v, TTickMark, int&, QColor&, QColor&, QString&,
                         bool& draw) {
      draw = false;
      if (at.x() - left <= previous + 1) return;
      previous = at.x() - left;
      values.push_back(v);
    };
    bar.grab();
    return values;
  };
  for (auto [min, max] : {std::pair{0, 2000}, {-300, 77}, {0, 7}, {-50000, 50000}})
    EXPECT_EQ(chosen(min, max), walked(min, max)) << min << ".." << max;

  const int most = std::numeric_limits<int>::max(), least = std::numeric_limits<int>::min();
  for (auto [min, max] : {std::pair{0, most}, {least, most}, {most - 3, most}}) {
    const std::vector<int> values = chosen(min, max);
    ASSERT_FALSE(values.empty());
    EXPECT_EQ(values.front(), min);
    EXPECT_TRUE(std::is_sorted(values.begin(), values.end()));
    EXPECT_LE(values.size(), 300u);
    EXPECT_GE(values.back(), max - (max - double(min)) / 100) << "ticks reach the Max end";
  }
}

TEST(TrackBar, DragHintFollowsThePointerInsideTheScreen) {
  Fader f(0, 145, 0);
  f.bar.SetTrackHint(true);
  f.parent.show();
  const QRect thumb = f.bar.ThumbRect();
  const QPoint grab = thumb.center();
  QTest::mousePress(&f.bar, Qt::LeftButton, {}, grab);
  QTest::mouseMove(&f.bar, grab - QPoint(0, 20));
  TTrackHintWindow* hint = f.bar.TrackHintWindow();
  ASSERT_TRUE(hint->isVisible());
  EXPECT_EQ(hint->Text(), QString::number(f.bar.Position()));
  EXPECT_EQ(hint->geometry().topLeft(), f.bar.mapToGlobal(grab - QPoint(0, 20)) + QPoint(10, 0));
  QTest::mouseRelease(&f.bar, Qt::LeftButton, {}, grab - QPoint(0, 20));
  EXPECT_FALSE(hint->isVisible());

  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  hint->ActivateHint(QRect(QPoint(screen.right() - 3, 10), QSize(1, 1)), "12345");
  EXPECT_EQ(hint->geometry().right(), screen.right() - 2);
  hint->hide();
}

// Where a sign of an end button is centred (Buttons' Size across).
QPoint SignCentre(TExTrackBar& bar, bool maxEnd) {
  const QRect strip = maxEnd ? bar.MaxButtonRect() : bar.MinButtonRect();
  const int size = bar.Buttons()->Size();
  QRectF face(strip);
  if (bar.Buttons()->Shape() == bsRound)
    face = QRectF(strip.left() + (strip.width() - size) / 2, strip.top(), size, size);
  return QPoint(int(face.center().x()), int(face.center().y())) + bar.pos();
}

int DarkPixels(const QImage& image, const QRect& area) {
  int n = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) n += qGray(image.pixel(x, y)) < 110;
  return n;
}

TEST(TrackBar, PictureOfEveryShapeTicksButtonsAndLabels) {
  std::vector<TExTrackBar*> verticals, horizontals;
  QWidget sheet;
  sheet.resize(10 * 60 + 20, 2 * 150 + 20);
  sheet.setAutoFillBackground(true);
  const TThumbShape shapes[] = {tsPointer, tsRectangle, tsRoundRect, tsRound, tsLine, tsPointerLeftUp,
                                tsPointerRightUp, tsTriangle, tsTriangleLeft, tsTriangleRight};
  for (int i = 0; i < 10; ++i) {
    auto* v = new TExTrackBar(&sheet);
    v->SetOrientation(trVertical);
    v->setGeometry(10 + i * 60, 10, 56, 140);
    v->Thumb()->SetShape(shapes[i]);
    v->Thumb()->SetSize(18);
    v->TickMark()->SetPosition(tmBoth);
    v->Buttons()->SetVisible(true);
    v->Buttons()->SetSize(14);
    v->SetPosition(4);
    verticals.push_back(v);
    auto* h = new TExTrackBar(&sheet);
    h->setGeometry(10 + i * 60, 160, 56, 150);
    h->SetComponentStyle(TAppearanceStyle(i));
    h->Thumb()->SetShape(shapes[i]);
    h->TickMark()->SetShowText(i % 2 == 0);
    h->TrackLabel()->SetVisible(true);
    h->TrackLabel()->SetPosition(i % 2 ? lpBottomCenter : lpTopLeft);
    h->SetPosition(6);
    horizontals.push_back(h);
  }
  const QImage img = sheet.grab().toImage();
  QDir().mkpath(DSP_TEST_OUT);
  EXPECT_TRUE(img.save(QString(DSP_TEST_OUT) + "/trackbars.png"));

  // The end buttons' signs: two lines in the border colour, 5 pixels long;
  // the plus crosses a second pair over the first, both unbroken. On these
  // vertical bars (RotateText) the minus stands upright.
  for (TExTrackBar* v : verticals) {
    SCOPED_TRACE(v->Thumb()->Shape());
    ASSERT_TRUE(v->Buttons()->RotateText());
    const QRgb border = v->Buttons()->BorderColor().rgb();
    const QPoint plus = SignCentre(*v, true), minus = SignCentre(*v, false);
    auto check = [&](QPoint at, bool lined) {
      EXPECT_EQ(img.pixel(at) == border, lined) << "at " << at.x() - v->x() << "," << at.y() - v->y();
    };
    for (int d = -2; d <= 2; ++d)
      for (QPoint at : {plus + QPoint(d, -1), plus + QPoint(d, 0), plus + QPoint(-1, d), plus + QPoint(0, d),
                        minus + QPoint(-1, d), minus + QPoint(0, d)})
        check(at, true);
    check(minus + QPoint(-2, -1), false);
    check(minus + QPoint(2, 0), false);
  }
  // The labels, and the tick texts of every other horizontal bar.
  for (int i = 0; i < 10; ++i) {
    const TExTrackBar* h = horizontals[std::size_t(i)];
    EXPECT_GT(DarkPixels(img, h->TrackLabelRect().translated(h->pos())), 8) << "label " << i;
    if (i % 2 == 0) {
      EXPECT_GT(DarkPixels(img, h->BottomRightTickRect().translated(h->pos())), 8) << "tick texts " << i;
    }
  }
}

}  // namespace
