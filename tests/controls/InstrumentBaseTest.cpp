// The instrument base: repaint requests, paint, input hooks, the windowed
// layer's timer, bounds, painting elsewhere and image export.
#include "controls/wClock.h"
#include "controls/wException.h"
#include "controls/wWinComponent.h"

#include "support/UiFixture.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QFile>
#include <QImageReader>
#include <QKeyEvent>
#include <QPainter>
#include <QSvgRenderer>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include <functional>
#include <vector>

using namespace platform;

namespace {

// A control that counts what reaches Qt and paints by the cached protocol.
class Probe : public TwCustomComponent {
 public:
  explicit Probe(QWidget* parent = nullptr) : TwCustomComponent(parent) { resize(40, 30); }

  int requests = 0;
  int paints = 0;
  int value = 0;
  // Static part (cached) and moving part of the look.
  std::function<void(Canvas&)> drawStatic;
  std::function<void(Canvas&)> drawMoving;
  std::vector<QString> log;

  void SetValue(int v) { SetIntegerProperty(v, value, 0); }
  QImage& Background() { return GetBackGroundBitmap(); }
  bool UserGenerated() const { return FUserGenerated; }

 protected:
  void Invalidate() override {
    ++requests;
    TwCustomComponent::Invalidate();
  }
  void DoPaint(Canvas& c) override {
    ++paints;
    auto drawAll = [&](Canvas& on) {
      DrawBackGround(on, BackGroundColor());
      if (drawStatic) drawStatic(on);
    };
    if (CachedDrawing()) {
      if (BackGroundChanged()) {
        Canvas bg(&GetBackGroundBitmap());
        drawAll(bg);
        ClearBackGroundChanged();
      }
      DrawBackGroundBitmap(c);
    } else {
      drawAll(c);
    }
    if (drawMoving) drawMoving(c);
  }
  void DoKeyDown(int& Key, Qt::KeyboardModifiers) override {
    log.push_back(QStringLiteral("hook key %1 user %2").arg(Key).arg(FUserGenerated));
    if (Key == Qt::Key_Up) Key = 0;
  }
  void DoMouseDown(Qt::MouseButton, Qt::KeyboardModifiers, int X, int Y) override {
    log.push_back(QStringLiteral("hook down %1,%2 user %3").arg(X).arg(Y).arg(FUserGenerated));
  }
};

class FakeClock {
 public:
  FakeClock() { twclock::SetSource([this] { return now; }); }
  ~FakeClock() { twclock::SetSource({}); }
  std::int64_t now = 1'000'000;
};

QColor At(const QImage& img, int x, int y) { return img.pixelColor(x, y); }

// ---- repaint path -----------------------------------------------------------

TEST(InstrumentRepaint, BeginUpdateDefersToOneRequest) {
  FakeClock clock;
  Probe p;
  p.BeginUpdate();
  p.SetValue(1);
  p.SetValue(2);
  EXPECT_EQ(p.requests, 0);
  p.EndUpdate();
  EXPECT_EQ(p.requests, 1);

  p.BeginUpdate();
  p.BeginUpdate();  // not counted
  p.SetValue(3);
  p.EndUpdate();
  EXPECT_EQ(p.requests, 2);
  p.SetValue(4);
  EXPECT_EQ(p.requests, 3);
  p.SetValue(4);  // equal: nothing
  EXPECT_EQ(p.requests, 3);
}

TEST(InstrumentRepaint, FrameRateThrottlesAndSweepFlushes) {
  FakeClock clock;
  Probe p;
  p.SetAutoFrameRate(true);  // a background change within the first period
  EXPECT_EQ(p.requests, 0);
  clock.now += 20;
  p.SetValue(1);
  EXPECT_EQ(p.requests, 1);
  clock.now += 5;
  p.SetValue(2);
  EXPECT_EQ(p.requests, 1);
  EXPECT_TRUE(p.GetNeedsRepaint());
  TwUpdateObject::Get().Sweep();  // within the period: still pending
  EXPECT_EQ(p.requests, 1);
  clock.now += 1000;
  TwUpdateObject::Get().Sweep();
  EXPECT_EQ(p.requests, 2);
  EXPECT_FALSE(p.GetNeedsRepaint());
  TwUpdateObject::Get().Sweep();  // nothing pending
  EXPECT_EQ(p.requests, 2);

  // Rate 0: every change repaints, even at one instant.
  p.SetUpdateFrameRate(0);
  const int before = p.requests;
  p.SetValue(3);
  p.SetValue(4);
  EXPECT_EQ(p.requests, before + 2);
}

TEST(InstrumentRepaint, TurningFrameRateOffEndsDeferralAndPaints) {
  FakeClock clock;
  Probe p;
  p.SetAutoFrameRate(true);
  p.BeginUpdate();
  p.SetValue(1);
  EXPECT_EQ(p.requests, 0);
  p.SetAutoFrameRate(false);
  EXPECT_EQ(p.requests, 1);
  EXPECT_FALSE(p.GetUpdateActive());
  TwUpdateObject::Get().Sweep();
  EXPECT_EQ(p.requests, 1);
}

TEST(InstrumentRepaint, SweepTimerRunsWhileControlsAreRegistered) {
  ASSERT_TRUE(!TwUpdateObject::Existing() || TwUpdateObject::Existing()->Count() == 0);
  {
    Probe p;
    ASSERT_NE(TwUpdateObject::Existing(), nullptr);
    EXPECT_TRUE(TwUpdateObject::Existing()->TimerEnabled());
    {
      Probe q;
      EXPECT_EQ(TwUpdateObject::Existing()->Count(), 2);
    }
    EXPECT_TRUE(TwUpdateObject::Existing()->TimerEnabled());
  }
  EXPECT_EQ(TwUpdateObject::Existing()->Count(), 0);
  EXPECT_FALSE(TwUpdateObject::Existing()->TimerEnabled());
}

// ---- paint ------------------------------------------------------------------

TEST(InstrumentPaint, FailingPaintShowsItsMessageAndOnPaintRuns) {
  Probe p;
  p.resize(120, 40);
  p.drawMoving = [](Canvas&) { throw std::runtime_error("boom"); };
  int onPaint = 0;
  p.OnPaint = [&](QObject* s, Canvas&) {
    EXPECT_EQ(s, &p);
    ++onPaint;
  };
  const QImage img = p.grab().toImage();
  EXPECT_EQ(onPaint, 1);
  EXPECT_EQ(At(img, 119, 39), QColor(0, 0, 0));
  int white = 0;
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 60; ++x) white += At(img, x, y) == QColor(255, 255, 255);
  EXPECT_GT(white, 5);
}

TEST(InstrumentPaint, TransparentControlShowsItsParent) {
  QWidget parent;
  parent.resize(100, 60);
  parent.setAutoFillBackground(true);
  QPalette pal;
  pal.setColor(QPalette::Window, Qt::red);
  parent.setPalette(pal);
  Probe p(&parent);
  p.setGeometry(10, 10, 40, 30);
  p.drawMoving = [](Canvas& c) {
    c.Brush = TBrush{clBlue, bsSolid};
    c.FillRect({0, 0, 5, 5});
  };
  const QImage opaque = parent.grab().toImage();
  EXPECT_EQ(At(opaque, 30, 30), QColor(240, 240, 240));  // BackGroundColor
  p.SetTransparent(true);
  const QImage img = parent.grab().toImage();
  EXPECT_EQ(At(img, 30, 30), QColor(255, 0, 0));
  EXPECT_EQ(At(img, 12, 12), QColor(0, 0, 255));
}

TEST(InstrumentPaint, PolarPointRoundsEachOffset) {
  struct Case { double degrees; TPoint expected; };
  for (const Case& c : {Case{90, {0, -10}}, Case{0, {10, 0}}, Case{45, {7, -7}}, Case{180, {-10, 0}}, Case{30, {9, -5}}})
    EXPECT_EQ(TwComponent::PolarPoint({0, 0}, 10, c.degrees), c.expected) << c.degrees;
  Probe p;
  p.resize(41, 30);
  p.SetOffsetX(3);
  EXPECT_EQ(p.GetCenterPoint(), (TPoint{23, 15}));
}

// ---- input ------------------------------------------------------------------

TEST(InstrumentInput, KeysGoToUserThenHookAndUnclaimedKeysPropagate) {
  struct Parent : QWidget {
    std::vector<int> keys;
    void keyPressEvent(QKeyEvent* e) override { keys.push_back(e->key()); }
  } parent;
  Probe p(&parent);
  p.OnKeyDown = [&](QObject*, int& key, Qt::KeyboardModifiers) {
    p.log.push_back(QStringLiteral("user key %1 user %2").arg(key).arg(p.UserGenerated()));
  };
  QTest::keyClick(&p, Qt::Key_Up);
  QTest::keyClick(&p, Qt::Key_A);
  ASSERT_EQ(p.log.size(), 4u);
  EXPECT_EQ(p.log[0], QStringLiteral("user key %1 user 1").arg(int(Qt::Key_Up)));
  EXPECT_EQ(p.log[1], QStringLiteral("hook key %1 user 1").arg(int(Qt::Key_Up)));
  EXPECT_EQ(parent.keys, std::vector<int>{Qt::Key_A});  // Up was claimed
  EXPECT_FALSE(p.UserGenerated());
}

TEST(InstrumentInput, MouseGoesToHookThenUser) {
  Probe p;
  int clicks = 0;
  p.OnMouseDown = [&](QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int X, int Y) {
    p.log.push_back(QStringLiteral("user down %1,%2").arg(X).arg(Y));
  };
  p.OnClick = [&](QObject*) { ++clicks; };
  QTest::mouseClick(&p, Qt::LeftButton, {}, QPoint(5, 6));
  ASSERT_EQ(p.log.size(), 2u);
  EXPECT_EQ(p.log[0], QStringLiteral("hook down 5,6 user 1"));
  EXPECT_EQ(p.log[1], QStringLiteral("user down 5,6"));
  EXPECT_EQ(clicks, 1);
  EXPECT_FALSE(p.UserGenerated());
}

// ---- windowed layer ---------------------------------------------------------

TEST(InstrumentWindow, TimerWaitsFirstDelayThenTicksAtInterval) {
  Probe p;
  QElapsedTimer clock;
  std::vector<qint64> ticks;
  p.OnInternalTimer = [&](QObject* s) {
    EXPECT_EQ(s, &p);
    ticks.push_back(clock.elapsed());
  };
  clock.start();
  p.TimerStart(500, 100);
  p.TimerStart(10, 10);  // running: changes nothing
  EXPECT_TRUE(p.TimerActive());
  testsupport::WaitFor([&] { return ticks.size() >= 4; }, 30000);
  p.TimerStop();
  EXPECT_FALSE(p.TimerActive());
  ASSERT_GE(ticks.size(), 4u);
  // A tick never comes early, so tick i comes at least 500 + 100 i ms after the
  // start; a late tick may make the next gap short, so gaps are not bounded one
  // by one. The mean gap tells the interval from the first delay unless the
  // event loop stalls for most of a second.
  for (std::size_t i = 0; i < ticks.size(); ++i) EXPECT_GE(ticks[i], 500 + 100 * qint64(i)) << i;
  EXPECT_LT(double(ticks.back() - ticks.front()) / double(ticks.size() - 1), 400);
}

TEST(InstrumentWindow, SameBoundsMakeNoRequestNewOnesResizeTheBackground) {
  Probe p;
  p.SetBounds(0, 0, 40, 30);
  p.Background();  // made at the current size
  p.requests = 0;
  p.SetBounds(0, 0, 40, 30);
  EXPECT_EQ(p.requests, 0);
  p.SetBounds(5, 0, 60, 20);
  EXPECT_EQ(p.requests, 1);
  EXPECT_EQ(p.Background().size(), QSize(60, 20));
  p.resize(30, 30);  // not through SetBounds: seen before the next paint
  p.grab();
  EXPECT_EQ(p.Background().size(), QSize(30, 30));
}

TEST(InstrumentWindow, PaintToPainterAtOffsetWithOrWithoutBackground) {
  Probe p;
  p.resize(10, 10);
  p.drawMoving = [](Canvas& c) { c.SetPixel(9, 9, clBlue); };
  for (bool transparent : {false, true}) {
    QImage img(40, 40, QImage::Format_RGB32);
    img.fill(Qt::green);
    {
      QPainter painter(&img);
      p.wPaintToDC(painter, 10, 10, transparent);
    }
    EXPECT_EQ(At(img, 15, 15), transparent ? QColor(Qt::green) : QColor(240, 240, 240));
    EXPECT_EQ(At(img, 19, 19), QColor(Qt::blue));
    EXPECT_EQ(At(img, 9, 9), QColor(Qt::green));
    EXPECT_EQ(At(img, 20, 20), QColor(Qt::green));
  }
  EXPECT_TRUE(p.CachedDrawing());
  p.SetTransparent(true);  // no parent image to show: BackGroundColor
  QImage img(40, 40, QImage::Format_RGB32);
  img.fill(Qt::green);
  {
    QPainter painter(&img);
    p.wPaintToDC(painter, 10, 10, false);
  }
  EXPECT_EQ(At(img, 15, 15), QColor(240, 240, 240));
}

TEST(InstrumentWindow, ByteExportsCarryTheirFormats) {
  Probe p;
  const QByteArray png = p.GetBytesPNG(9);
  ASSERT_GE(png.size(), 8);
  EXPECT_EQ(png.left(8), QByteArray::fromHex("89504E470D0A1A0A"));
  EXPECT_EQ(QImage::fromData(png).size(), QSize(40, 30));
  const QByteArray progressive = p.GetBytesJPEG(80, true);
  const QByteArray baseline = p.GetBytesJPEG(80, false);
  EXPECT_TRUE(progressive.contains(QByteArray::fromHex("FFC2")));
  EXPECT_TRUE(baseline.contains(QByteArray::fromHex("FFC0")));
  EXPECT_FALSE(baseline.contains(QByteArray::fromHex("FFC2")));
  EXPECT_EQ(QImage::fromData(p.CreateJPEGImage(50, false)).size(), QSize(40, 30));
}

TEST(InstrumentWindow, CompressionOutOfRangeFailsBeforePainting) {
  Probe p;
  const QString file = QString::fromStdString(testsupport::OutputPath("instrument-bad-compression"));
  QFile::remove(file);
  const std::string jpeg = "Compression must be in the range of 1-100";
  const std::string png = "Compression must be in the range of 0-9";
  struct Case { std::function<void()> run; std::string message; };
  const Case cases[] = {
      {[&] { p.SaveImageToJPEG(file, 0, false); }, jpeg},
      {[&] { p.SaveImageToJPEG(file, 101, true); }, jpeg},
      {[&] { p.GetBytesJPEG(0, false); }, jpeg},
      {[&] { p.CreateJPEGImage(101, false); }, jpeg},
      {[&] { p.SaveImageToPNG(file, 10); }, png},
      {[&] { p.SaveImageToPNG(file, -1); }, png},
      {[&] { p.GetBytesPNG(10); }, png},
  };
  for (const Case& c : cases) {
    try {
      c.run();
      ADD_FAILURE() << "no exception for " << c.message;
    } catch (const TwException& e) {
      EXPECT_EQ(e.what(), c.message);
    }
  }
  EXPECT_EQ(p.paints, 0);
  EXPECT_FALSE(QFile::exists(file));
}

// A raised disk on the button face, saved in every format, looks the same
// when each file is read back.
TEST(InstrumentWindow, SavedFilesShowTheSameDisk) {
  Probe p;
  p.resize(80, 80);
  p.SetBorderStyle(ibsLowered);
  p.drawStatic = [](Canvas& c) { DrawRaisedDisk(c, clBtnFace, {40, 40}, 30); };
  const QImage shown = p.grab().toImage();
  const QString base = QString::fromStdString(testsupport::OutputPath("instrument-disk"));
  p.SaveImageToBitmap(base + ".bmp");
  p.SaveImageToPNG(base + ".png", 6);
  p.SaveImageToJPEG(base + ".jpg", 95, false);
  p.SaveImageToMetaFile(base + ".svg");

  QImage svg(80, 80, QImage::Format_RGB32);
  svg.fill(Qt::white);
  {
    QSvgRenderer renderer(base + ".svg");
    ASSERT_TRUE(renderer.isValid());
    QPainter painter(&svg);
    renderer.render(&painter);
  }
  QFile svgFile(base + ".svg");
  ASSERT_TRUE(svgFile.open(QIODevice::ReadOnly));
  const QByteArray svgText = svgFile.readAll();
  EXPECT_TRUE(svgText.contains("<title>Tavrin</title>"));
  EXPECT_FALSE(svgText.contains("<desc>"));

  struct Read { const char* name; QImage image; int tolerance; };
  const Read files[] = {{"bmp", QImage(base + ".bmp"), 0},
                        {"png", QImage(base + ".png"), 0},
                        {"jpg", QImage(base + ".jpg"), 10},
                        {"svg", svg, 24}};
  const QPoint spots[] = {{20, 20}, {56, 56}, {40, 40}, {4, 4}, {0, 0}, {79, 79}};
  for (const Read& f : files) {
    ASSERT_EQ(f.image.size(), QSize(80, 80)) << f.name;
    for (QPoint s : spots) {
      const QColor want = shown.pixelColor(s), got = f.image.pixelColor(s);
      EXPECT_NEAR(got.red(), want.red(), f.tolerance) << f.name << " at " << s.x() << "," << s.y();
      EXPECT_NEAR(got.blue(), want.blue(), f.tolerance) << f.name << " at " << s.x() << "," << s.y();
    }
  }
  // Lighter at the top left than at the bottom right.
  EXPECT_GT(shown.pixelColor(20, 20).red(), shown.pixelColor(56, 56).red() + 40);
}

TEST(InstrumentWindow, TransparentExportShowsBackGroundColor) {
  Probe p;
  p.SetTransparent(true);
  p.SetBackGroundColor(RGB(0, 0, 255));
  const QImage img = QImage::fromData(p.GetBytesPNG(1));
  EXPECT_EQ(img.pixelColor(20, 15), QColor(0, 0, 255));
}

}  // namespace
