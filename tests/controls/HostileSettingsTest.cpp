// Hostile settings for the knob, the LEDs, the level bar, the progress bar
// and the track bar: values far past what a control can show, negative and
// huge sizes, empty and enormous ranges. Each load gives the file error or a
// bounded result, and each paint does work bounded by the canvas it paints
// (counted on the canvas, so a runaway loop fails instead of hanging).
#include "controls/DvLevelBar.h"
#include "controls/ExProgressBar.h"
#include "controls/ExTrackBar.h"
#include "controls/GDIPicture.h"
#include "controls/wException.h"
#include "controls/wKnob.h"
#include "controls/wLed.h"
#include "controls/wSwitchLed.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include <chrono>
#include <climits>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>

namespace {

constexpr int kCanvas = 200;
// Far more shapes, lines and fills than a kCanvas square can show apart, far
// fewer than a loop over a control's whole hostile size makes.
constexpr long kWorkBound = 20000;

struct TooMuchWork {};

// Counts what a paint draws; past kWorkBound it stops the paint.
class WorkCounter : public platform::CanvasObserver {
 public:
  long count = 0;
  void OnPolyline(const platform::Canvas&, std::span<const platform::TPoint>) override { Add(); }
  void OnPolygon(const platform::Canvas&, std::span<const platform::TPoint>) override { Add(); }
  void OnEllipse(const platform::Canvas&, const platform::TRect&) override { Add(); }
  void OnRectangle(const platform::Canvas&, const platform::TRect&) override { Add(); }
  void OnLineTo(const platform::Canvas&, platform::TPoint, platform::TPoint) override { Add(); }
  void OnFillRect(const platform::Canvas&, const platform::TRect&) override { Add(); }

 private:
  void Add() {
    if (++count > kWorkBound) throw TooMuchWork{};
  }
};

// Ends the run with a message when a paint outlasts a generous guard: for
// paints no canvas counter sees (pictures, the progress bar's own page).
class HangGuard {
 public:
  explicit HangGuard(std::string what) : what_(std::move(what)), thread_([this] { Watch(); }) {}
  ~HangGuard() {
    {
      std::lock_guard<std::mutex> lock(mutex_);
      done_ = true;
    }
    cv_.notify_one();
    thread_.join();
  }

 private:
  void Watch() {
    std::unique_lock<std::mutex> lock(mutex_);
    if (!cv_.wait_for(lock, std::chrono::seconds(60), [this] { return done_; })) {
      std::fprintf(stderr, "HangGuard: %s did not finish\n", what_.c_str());
      std::_Exit(1);
    }
  }
  std::string what_;
  std::mutex mutex_;
  std::condition_variable cv_;
  bool done_ = false;
  std::thread thread_;
};

template <class C>
struct Open : C {
  using C::PaintUncached;
};

struct OpenLevelBar : TDvLevelBar {
  using TDvLevelBar::Paint;
};

// Paints through a counter onto a kCanvas square (the control's top-left
// corner); a paint that stops with a control error counts as finished.
template <class F>
void PaintCounted(F paint, const std::string& what) {
  QImage image(kCanvas, kCanvas, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::white);
  platform::Canvas canvas(&image);
  WorkCounter counter;
  canvas.Observer = &counter;
  try {
    paint(canvas);
  } catch (const TooMuchWork&) {
    ADD_FAILURE() << what << ": more than " << kWorkBound << " shapes for a " << kCanvas << " pixel canvas";
  } catch (const std::exception&) {
  }
}

// Loads lines into c; "" or the load's error text.
QString Load(TwComponent& c, const QTemporaryDir& dir, const QByteArray& lines) {
  const QString path = dir.filePath("hostile.txt");
  QFile f(path);
  EXPECT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
  f.write("File Type = Test\r\n" + lines + "\r\n");
  f.close();
  try {
    c.LoadPropertiesFromFile(path);
  } catch (const TwException& e) {
    return QString::fromStdString(e.what());
  }
  return {};
}

TEST(HostileSettings, KnobFilesLoadBoundedAndPaintBounded) {
  struct Case { const char* lines; bool error; };
  const Case cases[] = {
      {"AutoSize = 0\r\nKnobRadius = 2000000000", false},
      {"AutoSize = 0\r\nKnobRadius = -2000000000", false},
      {"AutoSize = 0\r\nKnobStyle = 0\r\nKnobRadius = 2147483647\r\nKnobEdgeWidth = -2147483648", false},
      {"TickMajorLength = 2000000000", false},
      {"TickMajorLength = 2147483647\r\nTickMargin = 2147483647\r\nTickLabelMargin = 2147483647", false},
      {"OuterMargin = -2147483648", false},
      {"TickLabelPrecision = 2000000000", false},
      {"PrecisionStyle = 0\r\nTickLabelPrecision = 2000000000", false},
      {"ShowPostionDisplay = 1\r\nPositionDisplayPrecision = 2000000000", false},
      {"TickMinorCount = 2000000000\r\nTickMajorCount = 2000000000", false},
      {"PositionMin = -1E300\r\nPositionMax = 1E300\r\nShowPostionDisplay = 1", false},
      {"PositionMin = 0\r\nPositionMax = 1E-300\r\nPrecisionStyle = 0\r\nTickLabelPrecision = 3", false},
      {"PositionMin = 5\r\nPositionMax = 5", false},
      {"IndicatorSize = 2147483647\r\nIndicatorMargin = -2147483648\r\nIndicatorStyle = 3", false},
      {"RotationMaxDegrees = 2147483647\r\nAutoScaleEnabled = 1\r\nAutoScaleStyle = 1", false},
      {"AutoSize = 0\r\nKnobRadius = 2000000000\r\nAutoScaleEnabled = 1\r\nAutoScaleStyle = 1", false},
      {"Width = 2000000000\r\nHeight = -5", false},
      {"KnobRadius = 99999999999", true},
      {"TickLabelPrecision = 1e9", true},
  };
  QTemporaryDir dir;
  for (const Case& c : cases) {
    Open<TwKnob> knob;
    knob.resize(150, 150);
    knob.SetCachedDrawing(false);
    int longest = 0;
    knob.OnCustomizeTickLabel = [&](TwScaleObject*, int, QString& text) { longest = std::max(longest, int(text.size())); };
    const QString error = Load(knob, dir, c.lines);
    EXPECT_EQ(!error.isEmpty(), c.error) << c.lines << ": " << error.toStdString();
    if (c.error) EXPECT_TRUE(error.startsWith("Error Loading Properties - ")) << error.toStdString();
    EXPECT_LE(knob.TickMinorCount(), 100) << c.lines;
    EXPECT_LE(knob.TickMajorCount(), 100) << c.lines;
    PaintCounted([&](platform::Canvas& canvas) { knob.PaintUncached(canvas); }, c.lines);
    // A label or display holds at most a double's digits and its places.
    EXPECT_LE(longest, 400) << c.lines;
    EXPECT_LE(knob.PositionDisplayText().size(), 400) << c.lines;
  }
}

// The scale object keeps its tick counts to what a dial can show.
TEST(HostileSettings, TickCountsAreCapped) {
  TwKnob knob;
  for (int v : {2000000000, 101, -5}) {
    knob.SetTickMinorCount(v);
    knob.SetTickMajorCount(v);
    EXPECT_EQ(knob.TickMinorCount(), v < 1 ? 1 : 100) << v;
    EXPECT_EQ(knob.TickMajorCount(), v < 2 ? 2 : 100) << v;
  }
}

TEST(HostileSettings, LedFilesLoadAndHugeLedsPaintBounded) {
  QTemporaryDir dir;
  const QByteArray ledLines[] = {"BevelStyle = 1", "BevelStyle = 2\r\nShowReflection = 1", "Width = -20"};
  for (const QByteArray& lines : ledLines) {
    for (int size : {20000, 20}) {
      Open<TwLedRound> round;
      round.resize(size, size);
      EXPECT_EQ(Load(round, dir, lines), "");
      PaintCounted([&](platform::Canvas& canvas) { round.PaintUncached(canvas); }, "round LED " + lines.toStdString());
      Open<TwLedRectangle> rect;
      rect.resize(size, size);
      EXPECT_EQ(Load(rect, dir, lines + "\r\nCenterLabelText = On"), "");
      PaintCounted([&](platform::Canvas& canvas) { rect.PaintUncached(canvas); }, "LED " + lines.toStdString());
    }
  }
  const QByteArray switchLines[] = {
      "BorderSize = 2000000000",
      "BorderSize = 2147483647\r\nAutoLedSize = 0\r\nIndicatorWidth = 2147483647\r\nIndicatorHeight = 2147483647",
      "IndicatorMargin = -2147483648\r\nCaptionMargin = 2147483647\r\nWordWrap = 1\r\nCaption = A#13#10B",
      "BorderSize = 9999999999",
  };
  for (const QByteArray& lines : switchLines) {
    for (int size : {20000, 60}) {
      Open<TwSwitchLed> led;
      led.resize(size, size);
      const QString error = Load(led, dir, lines);
      EXPECT_EQ(error.isEmpty(), !lines.contains("9999999999")) << error.toStdString();
      PaintCounted([&](platform::Canvas& canvas) { led.PaintUncached(canvas); }, "switch LED " + lines.toStdString());
      led.setFocus();
      PaintCounted([&](platform::Canvas& canvas) { led.PaintUncached(canvas); }, "focused " + lines.toStdString());
    }
  }
}

// A control far larger than the screen holds and draws only what a paint
// exposes.
TEST(HostileSettings, HugeControlsPaintOnlyTheExposedPart) {
  const QRegion exposed(0, 0, kCanvas, kCanvas);
  QImage image(kCanvas, kCanvas, QImage::Format_ARGB32_Premultiplied);
  TwLedRound round;
  round.resize(20000, 20000);
  QSize painted;
  round.OnPaint = [&](QObject*, platform::Canvas& c) { painted = QSize(c.Painter().device()->width(), c.Painter().device()->height()); };
  {
    HangGuard guard("a 20000 pixel round LED");
    round.render(&image, QPoint(), exposed);
  }
  EXPECT_EQ(painted, QSize(kCanvas, kCanvas));

  TDvLevelBar bar;
  bar.resize(20000, 20000);
  bar.SetPosition(50);
  {
    HangGuard guard("a 20000 pixel level bar");
    bar.render(&image, QPoint(), exposed);
  }
  EXPECT_EQ(bar.OffscreenBitmap().size(), QSize(kCanvas, kCanvas));

  TExProgressBar progress;
  progress.resize(20000, 20000);
  progress.SetPosition(60);
  progress.SetShowGradient(true);
  progress.SetSteps(INT_MAX);
  {
    HangGuard guard("a 20000 pixel progress bar of INT_MAX steps");
    progress.render(&image, QPoint(), exposed);
  }
}

TEST(HostileSettings, LevelBarSettingsPaintBounded) {
  struct Case { int tickHeight, spacing, min, max, position; bool vertical; };
  const Case cases[] = {
      {1, 0, 0, 100, 100, true},           {INT_MAX, INT_MAX, 0, 100, 50, true},
      {2000000000, -1999999999, 0, 100, 50, false},  {1, -1, 0, 100, 50, true},
      {3, 1, INT_MIN, INT_MAX, INT_MAX, true},       {3, 1, -5, -5, 0, false},
  };
  for (const Case& c : cases) {
    OpenLevelBar bar;
    bar.SetOrientation(c.vertical ? voVertical : voHorizontal);
    bar.SetTickHeight(c.tickHeight);
    bar.SetSpacing(c.spacing);
    bar.SetMaxValue(c.max);
    bar.SetMinValue(c.min);
    bar.SetPosition(c.position);
    bar.resize(100000, 100000);
    EXPECT_GE(bar.GetFilledPercent(), 0);
    EXPECT_LE(bar.GetFilledPercent(), 100);
    PaintCounted([&](platform::Canvas& canvas) { bar.Paint(canvas); },
                 "level bar " + std::to_string(c.tickHeight) + "/" + std::to_string(c.spacing));
  }
}

TEST(HostileSettings, ProgressBarRangesAndStepsStayBounded) {
  struct Case { int min, max, position, steps; const char* format; };
  const Case cases[] = {
      {0, 100, 50, INT_MAX, "%d"},    {INT_MIN, INT_MAX, INT_MAX, 3, "%d of %d"},
      {5, 5, 5, -7, "%2147483647d"},  {0, 100, 200, 1000000, "%.100000000d"},
  };
  for (const Case& c : cases) {
    TExProgressBar bar;
    bar.SetMax(c.max);
    bar.SetMin(c.min);
    bar.SetPosition(c.position);
    bar.SetSteps(c.steps);
    bar.SetShowGradient(true);
    bar.SetShowPosition(true);
    bar.SetShowPercentage(false);
    bar.SetFormat(c.format);
    bar.resize(300, 40);
    EXPECT_LE(bar.PositionText().size(), 255) << c.format;
    HangGuard guard(std::string("progress bar ") + c.format);
    bar.grab();
  }
}

QByteArray Png(const QColor& c) {
  QImage img(10, 10, QImage::Format_ARGB32);
  img.fill(c);
  QByteArray bytes;
  QBuffer buf(&bytes);
  buf.open(QIODevice::WriteOnly);
  img.save(&buf, "PNG");
  return bytes;
}

// Rating mode lays out cells only as far as the track shows them: a range up
// to the largest int paints, moves and takes clicks at once.
TEST(HostileSettings, RatingModeOverTheWholeIntRange) {
  TGDIPPicture on, off;
  on.LoadFromData(Png(Qt::red));
  off.LoadFromData(Png(Qt::gray));
  TExTrackBar bar;
  bar.resize(200, 40);
  bar.SetMax(INT_MAX);
  bar.SetRateActive(&on);
  bar.SetRateInActive(&off);
  ASSERT_TRUE(bar.RatingMode());
  HangGuard guard("rating mode up to INT_MAX");
  const QRect first = bar.RateCellRect(1), second = bar.RateCellRect(2);
  ASSERT_FALSE(first.isEmpty());
  EXPECT_EQ(second.left(), first.right() + 1);
  EXPECT_TRUE(bar.RateCellRect(INT_MAX).isEmpty()) << "far past the track";
  bar.SetPosition(INT_MAX);
  EXPECT_EQ(bar.Position(), INT_MAX);
  const QImage img = bar.grab().toImage();
  EXPECT_EQ(img.pixelColor(first.center()), QColor(Qt::red));
  QTest::mouseClick(&bar, Qt::LeftButton, {}, second.center());
  EXPECT_EQ(bar.Position(), 2);
  EXPECT_EQ(bar.grab().toImage().pixelColor(bar.RateCellRect(3).center()), QColor(Qt::gray));
}

}  // namespace
