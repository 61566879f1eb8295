// The splash's progress bar: geometry, value text, drawing, easing and the control's values.
#include "controls/ExSplashProgress.h"
#include "controls/GdipObjects.h"

#include <QDir>
#include <QElapsedTimer>
#include <QPainter>
#include <gtest/gtest.h>

#include <vector>

#include "support/UiFixture.h"

namespace {

class Bar : public TExSplashProgressBar {
 public:
  using TExSplashProgressBar::AnimationTick;
};

void Solid(TGDIPFill* f, const QColor& c) {
  f->SetColor(c);
  f->SetColorTo(QColor());
}

TEST(SplashProgress, GeometryAndValueText) {
  TGDIPSplashProgress a;
  const platform::TRect r{0, 0, 300, 17};
  EXPECT_EQ(a.GetInsideRectF(r), QRectF(0, 0, 299, 16));
  EXPECT_DOUBLE_EQ(a.CalculateProgressRectangle(r, 0, 100, 50).width(), 149.5);
  EXPECT_DOUBLE_EQ(a.CalculateProgressRectangle(r, 0, 100, 200).width(), 299) << "limited to the inside";
  EXPECT_EQ(a.CalculateProgressRectangle(r, 5, 5, 5).width(), 0);
  a.BackGroundFill()->SetBorderColor(QColor(128, 128, 128));
  EXPECT_EQ(a.GetInsideRectF(r), QRectF(1, 1, 297, 14));

  a.SetValueType(vtPercentage);
  EXPECT_EQ(a.ValueText(0, 200, 50), "25%");
  EXPECT_EQ(a.ValueText(0, 100, 150), "100%") << "clamped";
  a.SetValueType(vtAbsolute);
  a.SetValueFormat("%.1f units");
  EXPECT_EQ(a.ValueText(0, 200, 50), "50.0 units");
  a.SetValueFormat("%s");
  EXPECT_EQ(a.ValueText(0, 200, 50), "%s") << "a format that reads no number is shown as it stands";

  int changes = 0;
  a.OnChange = [&](QObject*) { ++changes; };
  a.SetStep(3);
  a.SetWidth(300);
  EXPECT_EQ(changes, 0);
  a.SetVisible(false);
  a.ProgressFill()->SetColor(Qt::red);
  EXPECT_EQ(changes, 2);
}

TEST(SplashProgress, DrawLayers) {
  TGDIPSplashProgress a;
  Solid(a.BackGroundFill(), Qt::white);
  Solid(a.ProgressFill(), Qt::red);
  QImage img(150, 17, QImage::Format_ARGB32);
  img.fill(Qt::white);
  {
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    TGPGraphics g(p);
    a.Draw(g, {0, 0, 150, 17}, 0, 100, -20);
  }
  for (int x = 0; x < 150; ++x)
    for (int y = 0; y < 17; ++y) ASSERT_GE(img.pixelColor(x, y).green(), 200) << x << "," << y;
}

TEST(SplashProgress, ControlValuesAndEasing) {
  Bar bar;
  Solid(bar.Appearance()->BackGroundFill(), Qt::white);
  Solid(bar.Appearance()->ProgressFill(), Qt::red);
  bar.resize(150, 17);
  EXPECT_EQ(bar.Version(), "1.2.0.0");
  int changes = 0;
  bar.OnChange = [&](QObject*) { ++changes; };
  bar.SetPosition(25);
  EXPECT_EQ(changes, 1);
  const QImage shot = bar.grab().toImage();
  EXPECT_GT(shot.pixelColor(30, 8).red(), 200);
  EXPECT_LT(shot.pixelColor(30, 8).green(), 60);
  EXPECT_EQ(shot.pixelColor(45, 8), QColor(Qt::white));

  bar.SetPosition(500);
  EXPECT_EQ(bar.Position(), 100);
  bar.SetMaximum(60);
  EXPECT_EQ(bar.Position(), 60);
  bar.SetMaximum(100);
  bar.Previous();
  EXPECT_EQ(bar.Position(), 50);
  bar.GoToStart();
  EXPECT_EQ(bar.Position(), 0);

  bar.SetProgressAnimation(true);
  std::vector<double> seen;
  bar.OnPositionChanged = [&](QObject*, double v) { seen.push_back(v); };
  bar.GoToEnd();
  EXPECT_TRUE(bar.AnimationInProgress());
  bar.AnimationTick();
  EXPECT_NEAR(bar.Position(), 6.67, 0.01);
  bar.AnimationTick();
  EXPECT_NEAR(bar.Position(), 12.89, 0.01);
  for (int i = 0; i < 400; ++i) bar.AnimationTick();
  EXPECT_EQ(bar.Position(), 100);
  EXPECT_FALSE(bar.AnimationInProgress());
  EXPECT_EQ(seen.size(), 402u) << "every tick reports while animating";

  TGDIPFill before;
  before.Assign(bar.Appearance()->ProgressFill());
  bar.SetComponentStyle(8);
  EXPECT_EQ(bar.Appearance()->ProgressFill()->Color(), before.Color());
  bar.SetComponentStyle(4);
  EXPECT_EQ(bar.Appearance()->ProgressFill()->ColorMirror(), platform::ToQColor(16765357));
  EXPECT_EQ(bar.Appearance()->ProgressFill()->GradientMirrorType(), gtVertical);
}

// The animation timer runs from construction; the clock gives lower bounds
// only, since a loaded machine makes the ticks late.
TEST(SplashProgress, AnimationTicksNeverComeEarly) {
  QElapsedTimer clock;
  clock.start();
  Bar bar;
  bar.SetProgressAnimation(true);
  std::vector<qint64> ticks;
  bar.OnPositionChanged = [&](QObject*, double) { ticks.push_back(clock.elapsed()); };
  ASSERT_TRUE(testsupport::WaitFor([&] { return ticks.size() >= 20; }, 60000));
  for (std::size_t k = 0; k < ticks.size(); ++k) EXPECT_GE(ticks[k], 10 * qint64(k + 1)) << "tick " << k;
}

TEST(SplashProgress, WritesTheSplashBar) {
  TGDIPSplashProgress a;
  a.BackGroundFill()->SetColor(QColor());
  a.BackGroundFill()->SetColorTo(QColor());
  a.BackGroundFill()->SetBorderColor(QColor(128, 128, 128));
  a.ProgressFill()->SetColor(Qt::white);
  a.ProgressFill()->SetColorTo(platform::ToQColor(16764057));
  a.SetValueVisible(true);
  a.SetValueType(vtPercentage);
  QImage img(320, 24, QImage::Format_ARGB32);
  img.fill(QColor(40, 60, 90));
  {
    QPainter p(&img);
    TGPGraphics g(p);
    g.SetSmoothingMode(SmoothingModeAntiAlias);
    a.Draw(g, {10, 6, 310, 18}, 0, 100, 60);
  }
  QDir().mkpath(DSP_TEST_OUT);
  EXPECT_TRUE(img.save(QString(DSP_TEST_OUT) + "/progress.png"));
  EXPECT_GT(img.pixelColor(100, 12).blue(), img.pixelColor(250, 12).blue()) << "filled part over the empty one";
}

}  // namespace
