// The Dv family: drawing routines, update brackets, and the power and demo
// buttons' toggling, clicking, layout and looks.
#include "controls/DvPowerButton.h"

#include "support/UiFixture.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <gtest/gtest.h>

#include <climits>
#include <vector>

using platform::TRect;

namespace {

// Mouse events sent straight to the widget, as a grabbed mouse delivers them.
void Mouse(QWidget* w, QEvent::Type type, QPoint pos, Qt::MouseButtons held = Qt::LeftButton) {
  QMouseEvent e(type, QPointF(pos), w->mapToGlobal(QPointF(pos)), Qt::LeftButton, held, Qt::NoModifier);
  QApplication::sendEvent(w, &e);
}
void Press(QWidget* w, QPoint p) { Mouse(w, QEvent::MouseButtonPress, p); }
void Move(QWidget* w, QPoint p) { Mouse(w, QEvent::MouseMove, p); }
void Release(QWidget* w, QPoint p) { Mouse(w, QEvent::MouseButtonRelease, p, Qt::NoButton); }
void Key(QWidget* w, QEvent::Type type, int key) {
  QKeyEvent e(type, key, Qt::NoModifier, key == Qt::Key_Space ? QStringLiteral(" ") : QString());
  QApplication::sendEvent(w, &e);
}

QImage Shot(QWidget* w) { return w->grab().toImage().convertToFormat(QImage::Format_RGB32); }

// Bounding box of the pixels of one colour.
QRect BoxOf(const QImage& img, QColor c) {
  QRect box;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x)
      if (img.pixelColor(x, y) == c) box |= QRect(x, y, 1, 1);
  return box;
}

// ---- drawing routines ----

TEST(DvDraw, PercentRoutines) {
  EXPECT_EQ(dvdraw::PercentOf(75, 60), 45);
  EXPECT_EQ(dvdraw::PercentOf(15, 60), 9);
  EXPECT_EQ(dvdraw::PercentDone(1, 80), 1);
  EXPECT_EQ(dvdraw::PercentDone(5, 0), 0);
  EXPECT_EQ(dvdraw::PercentDone(INT_MAX, INT_MAX), 100);  // no overflow on large parts
}

TEST(DvDraw, BevelFramePixels) {
  QImage img(6, 5, QImage::Format_RGB32);
  img.fill(Qt::white);
  TRect r{0, 0, 6, 5};
  {
    platform::Canvas c(&img);
    dvdraw::DrawBevelFrame(c, r, Qt::red, 2, Qt::blue);
  }
  EXPECT_EQ(r, (TRect{2, 2, 4, 3}));
  // Row by row: R red, B blue, . untouched.
  const char* expected[] = {"RRRRRB",
                            "RRRRBB",
                            "RR..BB",
                            "RBBBBB",
                            "BBBBBB"};
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 6; ++x) {
      const QColor px = img.pixelColor(x, y);
      const char got = px == QColor(Qt::red) ? 'R' : px == QColor(Qt::blue) ? 'B' : '.';
      EXPECT_EQ(got, expected[y][x]) << "pixel " << x << "," << y;
    }
}

TEST(DvDraw, ImageTextLayout) {
  QImage scratch(1, 1, QImage::Format_RGB32);
  platform::Canvas c(&scratch);
  const TRect area{10, 20, 110, 40};  // 100 x 20
  const int tw = c.TextExtent("Text").cx, th = c.TextExtent("Text").cy;
  struct Case { dvdraw::TDvImageLayout layout; int spacing, margin; int imageX, imageY, textX; };
  const Case cases[] = {
      {dvdraw::ImageLeft, 2, 0, 10, 24, 24},
      {dvdraw::ImageLeft, 5, -1, 10 + (100 - 12 - 5 - tw + 1) / 2, 24, 10 + (100 - 12 - 5 - tw + 1) / 2 + 17},
      {dvdraw::ImageLeft, -1, -1, 10 + (100 - 12 - tw) / 3, 24, 10 + 2 * ((100 - 12 - tw) / 3) + 12},
      {dvdraw::ImageLeft, -1, 4, 14, 24, 14 + 12 + (100 - 4 - 12 - tw) / 2},
      {dvdraw::ImageRight, 2, 0, 98, 24, 98 - 2 - tw},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(testing::Message() << "layout " << k.layout << " spacing " << k.spacing << " margin " << k.margin);
    const auto place = dvdraw::CalcImageTextLayout(c, "Text", area, {0, 0}, {12, 12}, k.spacing, k.margin, k.layout);
    EXPECT_EQ(place.Image.X, k.imageX);
    EXPECT_EQ(place.Image.Y, k.imageY);
    EXPECT_EQ(place.Caption.Left, k.textX);
    EXPECT_EQ(place.Caption.Width(), tw);
  }
  // Stacked layouts centre across and run down; the offset moves both.
  const auto top = dvdraw::CalcImageTextLayout(c, "Text", TRect{0, 0, 40, 60}, {3, 1}, {12, 12}, 2, 0, dvdraw::ImageTop);
  EXPECT_EQ(top.Image.X, (40 - 12 + 1) / 2 + 3);
  EXPECT_EQ(top.Image.Y, 1);
  EXPECT_EQ(top.Caption.Top, 1 + 12 + 2);
  const auto bottom = dvdraw::CalcImageTextLayout(c, "Text", TRect{0, 0, 40, 60}, {0, 0}, {12, 12}, 2, 0,
                                                  dvdraw::ImageBottom);
  EXPECT_EQ(bottom.Image.Y, 48);
  EXPECT_EQ(bottom.Caption.Top, 48 - 2 - th);
  // No caption: no spacing, and the image alone is centred.
  const auto alone = dvdraw::CalcImageTextLayout(c, "", area, {0, 0}, {12, 12}, 5, -1, dvdraw::ImageLeft);
  EXPECT_EQ(alone.Image.X, 10 + (100 - 12 + 1) / 2);
}

TEST(DvDraw, RaisedTextHasShadowBelowRightAndHighlightAboveLeft) {
  QImage img(80, 40, QImage::Format_RGB32);
  img.fill(Qt::white);
  TDvFont3D f3d;
  f3d.SetStyle(f3dRaised);
  f3d.SetShadowColor(Qt::blue);
  f3d.SetHighlightColor(Qt::red);
  {
    platform::Canvas c(&img);
    c.Font.Height = -24;
    c.Font.Color = platform::clBlack;
    f3d.Paint(c, TRect{0, 0, 80, 40}, platform::DT_CENTER | platform::DT_VCENTER | platform::DT_SINGLELINE, "II");
    EXPECT_EQ(c.Font.Color, platform::clBlack);
  }
  const QRect text = BoxOf(img, Qt::black), shadow = BoxOf(img, Qt::blue), light = BoxOf(img, Qt::red);
  ASSERT_FALSE(text.isEmpty());
  EXPECT_EQ(shadow.bottomRight(), text.bottomRight() + QPoint(1, 1));
  EXPECT_EQ(light.topLeft(), text.topLeft() - QPoint(1, 1));
}

// ---- persistent objects and update brackets ----

TEST(DvPersistent, EndUpdateNeverGoesBelowZeroAndFiresWhenReleased) {
  TDvPalette pal;
  int changes = 0;
  pal.OnChange = [&](QObject* s) { EXPECT_EQ(s, &pal); ++changes; };
  pal.BeginUpdate();
  pal.BeginUpdate();
  pal.SetLow(Qt::red);
  pal.SetHigh(Qt::blue);
  pal.EndUpdate();
  EXPECT_EQ(changes, 0);
  pal.EndUpdate();
  EXPECT_EQ(changes, 1);
  pal.EndUpdate();  // unmatched: stays at 0 and still reports
  EXPECT_EQ(pal.UpdateCount(), 0);
  EXPECT_EQ(changes, 2);
  pal.SetLow(Qt::red);  // unchanged
  EXPECT_EQ(changes, 2);
  EXPECT_EQ(pal.GetColor(0), QColor(Qt::red));
  EXPECT_EQ(pal.GetColor(-3), QColor(Qt::red));
  EXPECT_EQ(pal.GetColor(1), QColor(Qt::blue));
}

class CountingPowerButton : public TDvPowerButton {
 public:
  int paints = 0;

 protected:
  void Paint(platform::Canvas& c) override {
    ++paints;
    TDvPowerButton::Paint(c);
  }
};

TEST(DvControl, NoRepaintBetweenBeginAndEndUpdate) {
  CountingPowerButton b;
  b.show();
  testsupport::RunEventLoop(30);
  b.paints = 0;
  b.BeginUpdate();
  b.SetActive(true);
  b.SetCaption("Held");
  b.SetOutlineColor(Qt::red);
  testsupport::RunEventLoop(30);
  EXPECT_EQ(b.paints, 0);
  b.EndUpdate();
  testsupport::RunEventLoop(30);
  EXPECT_EQ(b.paints, 1);
}

// ---- power button ----

struct PowerFixture : ::testing::Test {
  TDvPowerButton b;
  int clicks = 0;
  bool activeInHandler = false;
  void SetUp() override {
    b.resize(47, 16);
    b.SetCaption("B");
    b.OnClick = [this](QObject* s) {
      EXPECT_EQ(s, &b);
      ++clicks;
      activeInHandler = b.Active();
    };
  }
  QColor LedCentre() { return Shot(&b).pixelColor(platform::ToQRect(b.LedRect()).center()); }
};

TEST_F(PowerFixture, SetActiveRepaintsWithoutClicking) {
  b.Palette()->SetLow(QColor(128, 128, 0));
  b.Palette()->SetHigh(QColor(255, 255, 0));
  EXPECT_EQ(LedCentre(), QColor(128, 128, 0));
  b.SetActive(true);
  EXPECT_EQ(LedCentre(), QColor(255, 255, 0));
  EXPECT_EQ(clicks, 0);
}

TEST_F(PowerFixture, MouseClickTogglesThenRunsOnClick) {
  struct Step { QPoint press; std::vector<QPoint> moves; QPoint release; bool clicked; };
  const Step steps[] = {
      {{5, 5}, {}, {6, 6}, true},                   // plain click
      {{5, 5}, {{60, 5}}, {60, 5}, false},          // dragged out, released outside
      {{5, 5}, {{60, 5}, {10, 8}}, {10, 8}, true},  // out and back in
      {{5, 5}, {}, {-3, 5}, false},                 // released outside without a move
  };
  bool active = false;
  for (const Step& s : steps) {
    const int before = clicks;
    Press(&b, s.press);
    EXPECT_TRUE(b.IsPressed());
    for (QPoint m : s.moves) Move(&b, m);
    Release(&b, s.release);
    EXPECT_FALSE(b.IsDown());
    EXPECT_FALSE(b.IsPressed());
    if (s.clicked) active = !active;
    EXPECT_EQ(b.Active(), active);
    EXPECT_EQ(clicks - before, s.clicked ? 1 : 0);
    if (s.clicked) {
      EXPECT_EQ(activeInHandler, active) << "the handler sees the new state";
    }
  }
}

TEST_F(PowerFixture, DragOutDisarmsAndShowsRaised) {
  b.SetBevelWidth(2);
  b.SetOutlineWidth(1);
  b.SetHighlightColor(Qt::white);
  b.SetShadowColor(Qt::darkGray);
  b.SetOutlineColor(Qt::black);
  // Raised: highlight just inside the outline at the top-left.
  EXPECT_EQ(Shot(&b).pixelColor(1, 1), QColor(Qt::white));
  Press(&b, {5, 5});
  EXPECT_EQ(Shot(&b).pixelColor(1, 1), QColor(Qt::darkGray)) << "sunken while armed";
  Move(&b, {80, 5});
  EXPECT_FALSE(b.IsPressed());
  EXPECT_EQ(Shot(&b).pixelColor(1, 1), QColor(Qt::white));
  Release(&b, {80, 5});
}

TEST_F(PowerFixture, SpaceTogglesAndClicks) {
  b.SetTabStop(true);
  Key(&b, QEvent::KeyPress, Qt::Key_Space);
  EXPECT_TRUE(b.IsPressed());
  Key(&b, QEvent::KeyRelease, Qt::Key_Space);
  EXPECT_TRUE(b.Active());
  EXPECT_EQ(clicks, 1);
  Key(&b, QEvent::KeyRelease, Qt::Key_Space);  // a release without its press
  EXPECT_TRUE(b.Active());
  EXPECT_EQ(clicks, 1);
}

TEST_F(PowerFixture, DisabledLedTakesTheButtonColour) {
  b.SetColor(QColor(216, 216, 216));
  b.SetActive(true);
  b.setEnabled(false);
  EXPECT_EQ(LedCentre(), QColor(216, 216, 216));
  Press(&b, {5, 5});
  Release(&b, {5, 5});
  EXPECT_TRUE(b.Active());
  EXPECT_EQ(clicks, 0);
}

TEST(DvPowerButton, CrosspointLayoutAndNoFrames) {
  TDvPowerButton b;
  b.resize(45, 16);
  b.SetBevelWidth(0);
  b.SetOutlineWidth(0);
  b.SetMargin(0);
  b.SetSpacing(2);
  platform::TFont f;
  f.Style = platform::fsBold;
  b.SetFont(f);
  b.SetCaption("In1");
  b.SetColor(QColor(216, 216, 216));
  EXPECT_EQ(b.LedRect(), (TRect{0, 2, 12, 14}));
  EXPECT_EQ(b.CaptionRect().Left, 14);
  const QImage img = Shot(&b);
  // No frame: the corners away from the LED show the face colour.
  EXPECT_EQ(img.pixelColor(44, 0), QColor(216, 216, 216));
  EXPECT_EQ(img.pixelColor(44, 15), QColor(216, 216, 216));
  EXPECT_EQ(img.pixelColor(0, 0), QColor(216, 216, 216));
  // The LED: sunken frame, black frame, colour inside.
  EXPECT_EQ(img.pixelColor(1, 3), QColor(0, 0, 0));
  EXPECT_EQ(img.pixelColor(6, 8), platform::ToQColor(platform::clGreen));
}

TEST(DvPowerButton, CaptionIsAPropertyForForms) {
  TDvPowerButton b;
  b.resize(45, 16);
  b.SetMargin(0);
  b.SetSpacing(2);
  ASSERT_TRUE(b.setProperty("Caption", QStringLiteral("Aux")));
  EXPECT_EQ(b.Caption(), "Aux");
  EXPECT_GT(b.CaptionRect().Width(), 0) << "the caption is laid out";
  TDvDemoButton d;
  d.setProperty("Caption", QStringLiteral("EQ Reset"));
  EXPECT_EQ(d.Caption(), "EQ Reset");
}

TEST(DvPowerButton, LayoutFollowsResizeAndLayoutSetters) {
  TDvPowerButton b;  // 125 x 25, BevelWidth 2, OutlineWidth 1
  b.SetCaption("Show");
  const TRect before = b.LedRect();
  EXPECT_EQ(before.Top, 3 + (19 - 12 + 1) / 2);
  b.resize(200, 25);
  EXPECT_GT(b.LedRect().Left, before.Left) << "the pair stays centred";
  b.SetLayout(dvdraw::ImageRight);
  EXPECT_GT(b.LedRect().Left, b.CaptionRect().Right);
  b.SetLedWidth(20);
  EXPECT_EQ(b.LedRect().Width(), 20);
}

// ---- demo button ----

struct DemoFixture : ::testing::Test {
  TDvDemoButton b;
  int clicks = 0;
  void SetUp() override {
    b.resize(65, 17);
    b.SetCaption("EQ Reset");
    b.OnClick = [this](QObject* s) {
      EXPECT_EQ(s, &b);
      ++clicks;
    };
  }
};

TEST_F(DemoFixture, ClicksOnlyWhenReleasedOverIt) {
  struct Step { QPoint press; std::vector<QPoint> moves; QPoint release; bool clicked; };
  const Step steps[] = {
      {{5, 5}, {}, {6, 6}, true},
      {{5, 5}, {{90, 5}}, {90, 5}, false},
      {{5, 5}, {{90, 5}, {20, 5}}, {20, 5}, true},
      {{5, 5}, {}, {5, 40}, false},
      {{-5, 5}, {{5, 5}}, {5, 5}, false},  // a press outside never arms
  };
  for (const Step& s : steps) {
    const int before = clicks;
    Press(&b, s.press);
    for (QPoint m : s.moves) Move(&b, m);
    Release(&b, s.release);
    EXPECT_EQ(clicks - before, s.clicked ? 1 : 0);
    EXPECT_FALSE(b.IsDown());
    EXPECT_FALSE(b.IsPressed());
  }
}

TEST_F(DemoFixture, DownFollowsTheMouseWhilePressed) {
  Press(&b, {5, 5});
  EXPECT_TRUE(b.IsDown());
  Move(&b, {100, 5});
  EXPECT_FALSE(b.IsDown());
  EXPECT_TRUE(b.IsPressed());
  Move(&b, {10, 5});
  EXPECT_TRUE(b.IsDown());
  Release(&b, {10, 5});
  EXPECT_EQ(clicks, 1);
}

TEST_F(DemoFixture, SpaceClicks) {
  Key(&b, QEvent::KeyPress, Qt::Key_Space);
  EXPECT_TRUE(b.IsDown());
  Key(&b, QEvent::KeyRelease, Qt::Key_Space);
  EXPECT_EQ(clicks, 1);
  Key(&b, QEvent::KeyRelease, Qt::Key_Space);
  EXPECT_EQ(clicks, 1);
}

TEST_F(DemoFixture, FlatBevelShowsOnlyWithTheMouseInside) {
  b.SetFlat(true);
  b.SetColor(Qt::black);
  b.SetHighlightColor(Qt::white);
  b.SetBevelWidth(1);
  EXPECT_EQ(Shot(&b).pixelColor(1, 5), QColor(Qt::black));
  QEvent leave(QEvent::Leave);
  QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), b.mapToGlobal(QPointF(5, 5)));
  QApplication::sendEvent(&b, &enter);
  EXPECT_TRUE(b.MouseInside());
  EXPECT_EQ(Shot(&b).pixelColor(1, 5), QColor(Qt::white));
  QApplication::sendEvent(&b, &leave);
  EXPECT_FALSE(b.MouseInside());
  EXPECT_EQ(Shot(&b).pixelColor(1, 5), QColor(Qt::black));
}

TEST_F(DemoFixture, CaptionColourByMouseAndEnabled) {
  platform::TFont enter, leave;
  enter.Name = leave.Name = "Arial";
  enter.Height = leave.Height = -11;
  enter.Color = platform::clRed;
  leave.Color = platform::clLime;
  b.SetFontEnter(enter);
  b.SetFontLeave(leave);
  b.SetColor(Qt::black);
  EXPECT_FALSE(BoxOf(Shot(&b), QColor(0, 255, 0)).isEmpty());
  QEnterEvent ev(QPointF(5, 5), QPointF(5, 5), b.mapToGlobal(QPointF(5, 5)));
  QApplication::sendEvent(&b, &ev);
  EXPECT_FALSE(BoxOf(Shot(&b), QColor(255, 0, 0)).isEmpty());
  b.SetDisabledTextColor(QColor(0, 0, 255));
  b.setEnabled(false);
  const QImage off = Shot(&b);
  EXPECT_FALSE(BoxOf(off, QColor(0, 0, 255)).isEmpty());
  EXPECT_TRUE(BoxOf(off, QColor(255, 0, 0)).isEmpty());
}

TEST(DvDemoButton, AlignmentFormats) {
  using namespace platform;
  EXPECT_EQ(TDvDemoButton::AlignmentFormat(vtaCenter), DT_VCENTER | DT_CENTER);
  EXPECT_EQ(TDvDemoButton::AlignmentFormat(vtaTop), DT_CENTER);
  EXPECT_EQ(TDvDemoButton::AlignmentFormat(vtaBottomRight), DT_BOTTOM | DT_RIGHT);
  EXPECT_EQ(TDvDemoButton::AlignmentFormat(vtaTopRight), DT_RIGHT);
}

// ---- picture sheet ----

TEST(DvButtons, Sheet) {
  QImage sheet(300, 140, QImage::Format_RGB32);
  sheet.fill(QColor(240, 240, 240));
  QPainter p(&sheet);
  auto power = [&](int x, int y, int w, const char* caption, bool active, bool enabled, bool crosspoint) {
    TDvPowerButton b;
    b.resize(w, crosspoint ? 16 : 25);
    if (crosspoint) {
      b.SetBevelWidth(0);
      b.SetOutlineWidth(0);
      b.SetMargin(0);
      b.SetSpacing(2);
      b.SetColor(QColor(216, 216, 216));
      platform::TFont f;
      f.Style = platform::fsBold;
      b.SetFont(f);
      b.Palette()->SetLow(platform::ToQColor(platform::clOlive));
      b.Palette()->SetHigh(platform::ToQColor(platform::clYellow));
    }
    b.SetCaption(caption);
    b.SetActive(active);
    b.setEnabled(enabled);
    p.drawImage(x, y, Shot(&b));
  };
  power(10, 10, 45, "In1", true, true, true);
  power(60, 10, 45, "Aux", false, true, true);
  power(110, 10, 118, "Show All EQ", true, true, true);
  power(10, 35, 125, "Power", false, true, false);
  power(140, 35, 125, "Power", true, false, false);
  auto demo = [&](int x, int y, const char* caption, bool flat, bool inside, bool down) {
    TDvDemoButton b;
    b.resize(65, 17);
    b.SetBevelWidth(1);
    b.SetColor(Qt::black);
    platform::TFont f;
    f.Name = "Arial";
    f.Height = -11;
    f.Color = platform::clActiveBorder;
    b.SetFontEnter(f);
    b.SetFontLeave(f);
    b.SetFlat(flat);
    b.SetCaption(caption);
    if (inside) {
      QEnterEvent ev(QPointF(5, 5), QPointF(5, 5), b.mapToGlobal(QPointF(5, 5)));
      QApplication::sendEvent(&b, &ev);
    }
    if (down) Press(&b, {5, 5});
    p.drawImage(x, y, Shot(&b));
  };
  demo(10, 70, "EQ Reset", false, false, false);
  demo(80, 70, "EQ Bypass", false, false, true);
  demo(150, 70, "EQ Reset", true, false, false);
  TDvDemoButton big;
  big.SetCaption("Demo");
  big.Font3D()->SetStyle(f3dRaised);
  p.drawImage(10, 100, Shot(&big));
  p.end();
  EXPECT_TRUE(sheet.save(QString::fromStdString(testsupport::OutputPath("dv_buttons_sheet.png"))));
}

}  // namespace
