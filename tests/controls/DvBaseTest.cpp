// The Dv family's base: the bevel object and the windowless image controls
// (update brackets, background, transparency, bounds refresh).
#include "controls/DvControl.h"

#include "support/UiFixture.h"

#include <QApplication>
#include <QPainter>
#include <QTest>
#include <gtest/gtest.h>

using namespace platform;

namespace {

constexpr TColor kUntouched = platform::RGB(1, 2, 3);

QImage Page(int w, int h) {
  QImage img(w, h, QImage::Format_RGB32);
  img.fill(ToQColor(kUntouched));
  return img;
}

TColor Px(const QImage& img, int x, int y) { return FromQColor(img.pixelColor(x, y)); }

TColor Grey(int v) { return platform::RGB(v, v, v); }

// ---- bevel ----

TEST(DvBevel, OneBlackOutline) {
  TDvBevel bevel;
  bevel.SetOuterStyle(TDvBevelStyle::bsNone);
  bevel.SetInnerStyle(TDvBevelStyle::bsNone);
  bevel.SetInnerSpace(0);
  ASSERT_EQ(bevel.BorderWidth(), 0);
  ASSERT_EQ(bevel.OuterOutline(), osOuter);
  ASSERT_EQ(bevel.InnerOutline(), osNone);
  QImage img = Page(10, 10);
  {
    Canvas c(&img);
    bevel.Paint(c, {0, 0, 10, 10});
  }
  EXPECT_EQ(Px(img, 0, 0), clBlack);
  EXPECT_EQ(Px(img, 9, 9), clBlack);
  EXPECT_EQ(Px(img, 1, 1), kUntouched);
  EXPECT_EQ(bevel.GetVisibleArea({0, 0, 10, 10}), (TRect{1, 1, 9, 9}));
}

TEST(DvBevel, LevelBarBevelBandsAndInset) {
  TDvBevel bevel;
  bevel.SetInnerStyle(TDvBevelStyle::bsLowered);
  bevel.SetInnerWidth(2);
  bevel.SetInnerColor(clBlack);
  EXPECT_EQ(bevel.GetVisibleArea({0, 0, 20, 30}), (TRect{5, 5, 15, 25}));
  QImage img = Page(20, 30);
  {
    Canvas c(&img);
    bevel.Paint(c, {0, 0, 20, 30});
  }
  // Outline, raised outer band, two lowered inner bands, the inner space.
  const TColor topLeft[] = {clBlack, clWhite, Grey(160), Grey(160), clBlack};
  const TColor bottomRight[] = {clBlack, Grey(160), clWhite, clWhite, clBlack};
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(Px(img, i, 10), topLeft[i]) << "band " << i;
    EXPECT_EQ(Px(img, 19 - i, 10), bottomRight[i]) << "band " << i;
  }
  EXPECT_EQ(Px(img, 5, 10), kUntouched);

  // Invisible: nothing drawn, nothing taken.
  bevel.SetVisible(false);
  img = Page(20, 30);
  {
    Canvas c(&img);
    bevel.Paint(c, {0, 0, 20, 30});
  }
  EXPECT_EQ(Px(img, 0, 0), kUntouched);
  EXPECT_EQ(bevel.GetVisibleArea({0, 0, 20, 30}), (TRect{0, 0, 20, 30}));
}

TEST(DvBevel, ChangesAndAssign) {
  TDvBevel a, b;
  int changes = 0;
  a.OnChange = [&](QObject*) { ++changes; };
  a.SetBorderWidth(0);  // unchanged
  EXPECT_EQ(changes, 0);
  a.SetBorderWidth(2);
  EXPECT_EQ(changes, 1);
  b.SetOuterOutline(osInner);
  b.SetInnerColor(clRed);
  b.SetVisible(false);
  changes = 0;
  a.Assign(&b);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(a.BorderWidth(), 0);
  EXPECT_EQ(a.OuterOutline(), osInner);
  EXPECT_EQ(a.InnerColor(), clRed);
  EXPECT_FALSE(a.Visible());
}

// ---- windowless image controls ----

class Probe : public TDvGraphicImageControl {
 public:
  using TDvGraphicImageControl::AutoSizeBounds;
  using TDvGraphicImageControl::TDvGraphicImageControl;
  int paints = 0;
  int snap = 0;  // widths snap to multiples of this when above 0

  void SetBounds(int left, int top, int width, int height) override {
    if (snap > 0) width -= width % snap;
    TDvGraphicImageControl::SetBounds(left, top, width, height);
  }

 protected:
  void Paint(Canvas& c) override {
    ++paints;
    ClearBitmapCanvas(c);
    c.Brush.Color = clBlue;
    c.FillRect({0, 0, 2, 2});
  }
};

struct Shown {
  QWidget parent;
  Probe* probe;
  Shown() : probe(new Probe(&parent)) {
    parent.setAutoFillBackground(true);
    QPalette pal = parent.palette();
    pal.setColor(QPalette::Window, Qt::red);
    parent.setPalette(pal);
    parent.resize(60, 40);
    probe->setGeometry(10, 10, 30, 20);
    parent.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&parent));
    testsupport::WaitFor([&] { return probe->paints > 0; });
  }
};

TEST(DvGraphicControl, UpdateBracketsGiveOneRepaintOnColor) {
  Shown s;
  EXPECT_EQ(s.probe->Version(), "1.4.5");
  EXPECT_EQ(s.probe->focusPolicy(), Qt::NoFocus);
  s.probe->paints = 0;
  s.probe->BeginUpdate();
  s.probe->SetColor(QColor(0, 128, 0));
  s.probe->SetColor(QColor(200, 100, 50));
  testsupport::RunEventLoop(50);
  EXPECT_EQ(s.probe->paints, 0);
  s.probe->EndUpdate();
  EXPECT_TRUE(testsupport::WaitFor([&] { return s.probe->paints > 0; }));
  testsupport::RunEventLoop(50);
  EXPECT_EQ(s.probe->paints, 1);
  const QImage shot = s.parent.grab().toImage();
  EXPECT_EQ(shot.pixelColor(25, 25), QColor(200, 100, 50));
  EXPECT_EQ(shot.pixelColor(10, 10), QColor(Qt::blue));
}

TEST(DvGraphicControl, TransparentShowsTheParent) {
  Shown s;
  s.probe->paints = 0;
  s.probe->SetTransparent(true);
  EXPECT_TRUE(testsupport::WaitFor([&] { return s.probe->paints > 0; }));
  const QImage shot = s.parent.grab().toImage();
  EXPECT_EQ(shot.pixelColor(25, 25), QColor(Qt::red));
  EXPECT_EQ(shot.pixelColor(10, 10), QColor(Qt::blue));
  EXPECT_EQ(qAlpha(s.probe->OffscreenBitmap().pixel(20, 10)), 0);
}

TEST(DvGraphicControl, AutoSizeReappliesBounds) {
  Shown s;
  s.probe->snap = 8;
  s.probe->SetAlign(TDvGraphicControl::alClient);
  s.probe->SetAutoSize(true);
  EXPECT_EQ(s.probe->width(), 30);  // alClient leaves the bounds alone
  s.probe->SetAutoSize(false);
  s.probe->SetAlign(TDvGraphicControl::alNone);
  s.probe->SetAutoSize(true);
  EXPECT_EQ(s.probe->geometry(), QRect(10, 10, 24, 20));
}

}  // namespace
