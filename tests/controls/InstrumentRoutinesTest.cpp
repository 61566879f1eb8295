// Drawing and utility routines, math and interpolation, value containers.
#include "controls/wDataTypes.h"
#include "controls/wDraw.h"
#include "controls/wException.h"
#include "controls/wMath.h"

#include <QImage>
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <string>
#include <vector>

using namespace platform;

namespace {

QImage Page(int w, int h, QColor fill = Qt::white) {
  QImage img(w, h, QImage::Format_RGB32);
  img.fill(fill);
  return img;
}

std::string ErrorOf(const std::function<void()>& run) {
  try {
    run();
  } catch (const TwException& e) {
    return e.what();
  }
  return "";
}

// ---- numbers, colours, paper, time -------------------------------------------

TEST(InstrumentRoutines, AutoPrecision) {
  struct Case { int precision; TwPrecisionStyle style; double min, max; int expected; };
  const Case cases[] = {
      {3, ipsSignificantDigits, 0, 100, 0},  {3, ipsSignificantDigits, 0, 0.5, 3},
      {3, ipsSignificantDigits, 0, 0.05, 4}, {3, ipsFixedDecimalPoints, 0, 100, 3},
      {0, ipsSignificantDigits, 0, 0.05, 0}, {3, ipsSignificantDigits, 5, 5, 0},
      {3, ipsSignificantDigits, 0, 1000, 0}, {4, ipsSignificantDigits, -1, 1, 3},
      // Places that keep the labels' larger end to 17 significant digits: a
      // tiny span keeps its three, a large offset cuts them.
      {3, ipsSignificantDigits, 0, 1e-300, 303},  {3, ipsSignificantDigits, 1e-20, 1.1e-20, 24},
      {3, ipsSignificantDigits, 1e10, 1e10 + 1e-5, 6}, {2000000000, ipsSignificantDigits, 0, 1, 16},
      {2000000000, ipsFixedDecimalPoints, 0, 100, 14}, {2000000000, ipsFixedDecimalPoints, 0, 0, 340},
      {2000000000, ipsFixedDecimalPoints, -1e300, 1e300, 0},
  };
  for (const Case& c : cases)
    EXPECT_EQ(CalcAutoPrecision(c.precision, c.style, c.min, c.max), c.expected) << c.precision << " " << c.max;
}

// Fixed texts hold at most the 17 significant digits of a double.
TEST(InstrumentRoutines, FixedText) {
  struct Case { double value; int decimals; std::string text; };
  const Case cases[] = {
      {2.5, 2, "2.50"},
      {0.1, 2000000000, "0.10000000000000001"},
      {123.456, 1, "123.5"},
      {-1e20, 5, "-100000000000000000000"},
      {std::ldexp(1.0, 100), 0, "1267650600228229400000000000000"},
      {0, 2000000000, "0." + std::string(340, '0')},
      {1e-300, 400, "0." + std::string(299, '0') + "10000000000000000"},
  };
  for (const Case& c : cases) EXPECT_EQ(FixedText(c.value, c.decimals), c.text) << c.value;
}

TEST(InstrumentRoutines, ColourArithmetic) {
  EXPECT_EQ(ScaleColor(RGB(90, 120, 255), 3), RGB(30, 40, 85));
  EXPECT_EQ(ScaleColor(RGB(100, 10, 0), -2), RGB(200, 20, 0));
  EXPECT_EQ(ScaleColor(RGB(200, 10, 0), -2), RGB(255, 20, 0));  // clamped
  EXPECT_EQ(ScaleColor(clBtnFace, 3), RGB(80, 80, 80));          // system colours resolve first
  EXPECT_EQ(ShiftColor(clWhite, 16), clWhite);
  EXPECT_EQ(ShiftColor(RGB(10, 100, 250), 20, false), RGB(0, 80, 230));
  EXPECT_EQ(Darken64(clBtnFace), RGB(176, 176, 176));
  EXPECT_EQ(ColorBlue(RGB(1, 2, 3)), 3);
}

TEST(InstrumentRoutines, PaperSizes) {
  struct Case { int code; double w, h; };
  const Case cases[] = {{0, 8.5, 11}, {9999, 8.5, 11}, {1, 8.5, 11}, {3, 11, 17}, {9, 210 / 25.4, 297 / 25.4}};
  for (const Case& c : cases) {
    double w = 0, h = 0;
    PaperSizeInches(c.code, w, h);
    EXPECT_NEAR(w, c.w, 1e-9) << c.code;
    EXPECT_NEAR(h, c.h, 1e-9) << c.code;
  }
  double w = 0, h = 0;
  GetPrinterPaperSizeInches(w, h);
  EXPECT_GT(w, 1);
  EXPECT_GT(h, 1);
}

TEST(InstrumentRoutines, DateTimeUnitsStayInRange) {
  EXPECT_EQ(DateTimeToMinutes(-1), 10000);
  EXPECT_EQ(DateTimeToMilliseconds(-0.5), INT_MAX);
  EXPECT_EQ(DateTimeToMilliseconds(1.5 / 24), 5400000);
  EXPECT_EQ(DateTimeToMilliseconds(30), INT_MAX);  // 2 592 000 000 does not fit
  EXPECT_EQ(DateTimeToMilliseconds(24), 2073600000);
  EXPECT_EQ(DateTimeToSeconds(30), 2592000);
  EXPECT_EQ(DateTimeToSeconds(30000), INT_MAX);  // about 82 years
  EXPECT_EQ(DateTimeToMinutes(1 + 0.5), 2160);
  EXPECT_EQ(DateTimeToHours(2.75), 66);
}

// ---- drawing ----------------------------------------------------------------

TEST(InstrumentRoutines, GradientEndsAndSingleStep) {
  struct Case { TwFillDirection dir; int w, h; QPoint first, last; };
  const Case cases[] = {
      {ifdTopBottom, 10, 10, {5, 0}, {5, 9}},  {ifdBottomTop, 10, 10, {5, 9}, {5, 0}},
      {ifdLeftRight, 10, 10, {0, 5}, {9, 5}},  {ifdRightLeft, 10, 10, {9, 5}, {0, 5}},
  };
  for (const Case& c : cases) {
    QImage img = Page(c.w, c.h);
    {
      Canvas canvas(&img);
      FillGradient(canvas, {0, 0, c.w, c.h}, c.dir, clRed, clBlue);
    }
    EXPECT_EQ(img.pixelColor(c.first), QColor(255, 0, 0)) << c.dir;
    EXPECT_EQ(img.pixelColor(c.last), QColor(0, 0, 255)) << c.dir;
  }
  // One row: a single step in the start colour, Color1 or (odd directions) Color2.
  for (TwFillDirection dir : {ifdTopBottom, ifdBottomTop}) {
    QImage img = Page(10, 1);
    {
      Canvas canvas(&img);
      FillGradient(canvas, {0, 0, 10, 1}, dir, clRed, clBlue);
    }
    const QColor want = dir == ifdTopBottom ? QColor(255, 0, 0) : QColor(0, 0, 255);
    for (int x = 0; x < 10; ++x) EXPECT_EQ(img.pixelColor(x, 0), want) << dir << " " << x;
  }
  // A rectangle too small for a step count, and nothing for an empty one.
  QImage small = Page(3, 3);
  {
    Canvas canvas(&small);
    FillGradient(canvas, {0, 0, 3, 3}, ifdRectangleOut, clRed, clBlue);
    FillGradient(canvas, {0, 0, 3, 0}, ifdTopBottom, clLime, clLime);
  }
  EXPECT_EQ(small.pixelColor(1, 1), QColor(255, 0, 0));
}

TEST(InstrumentRoutines, DisabledTextInBlackIsDrawnOnce) {
  auto draw = [](bool enabled, TColor color) {
    QImage img = Page(60, 20);
    Canvas canvas(&img);
    canvas.Font.Color = clBlack;
    canvas.BkMode = bkTransparent;
    TRect r{0, 0, 60, 20};
    DrawTextFlags(canvas, "Abc", r, color, enabled, itfSingleLine | itfVCenter);
    return img;
  };
  const QImage enabled = draw(true, clBlack);
  EXPECT_EQ(draw(false, clBlack), enabled);
  const QImage embossed = draw(false, clRed);
  EXPECT_NE(embossed, enabled);
  // The darkest ink is the shadow, ShiftColor(clBtnFace, -32) = 208: never the
  // black font colour.
  int darkest = 255;
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 60; ++x) darkest = std::min(darkest, qRed(embossed.pixel(x, y)));
  EXPECT_GE(darkest, 208);
  EXPECT_LT(darkest, 216);
}

// The extent of the pixels that are not white.
QRect Ink(const QImage& img) {
  QRect r;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x)
      if (img.pixel(x, y) != qRgb(255, 255, 255)) r |= QRect(x, y, 1, 1);
  return r;
}

TEST(InstrumentRoutines, RotatedTextStaysInItsOutRect) {
  for (TwRotationAngle angle : {ira090, ira180, ira270}) {
    QImage img = Page(80, 80);
    TRect out;
    {
      Canvas canvas(&img);
      canvas.Font.Color = clBlack;
      DrawTextRotated(canvas, "Level", {0, 0, 80, 80}, out, clBlack, true, iahCenter, angle);
    }
    const QRect ink = Ink(img);
    ASSERT_FALSE(ink.isEmpty()) << angle;
    EXPECT_TRUE(ToQRect(out.Inflated(2, 2)).contains(ink)) << angle;
    if (angle == ira180)
      EXPECT_GT(ink.width(), ink.height());
    else
      EXPECT_GT(ink.height(), ink.width()) << angle;
  }
  // At ira000 a text with a CR keeps its two lines.
  auto inkHeight = [](const QString& text) {
    QImage img = Page(80, 80);
    Canvas canvas(&img);
    canvas.Font.Color = clBlack;
    TRect out;
    DrawTextRotated(canvas, text, {0, 0, 80, 80}, out, clBlack, true, iahLeft, ira000);
    return Ink(img).height();
  };
  EXPECT_GT(inkHeight("Ab\rCd"), inkHeight("AbCd") + 5);
}

TEST(InstrumentRoutines, ThreeDBordersHaveTwoBands) {
  struct Case { int kind; QPoint at; QColor expected; };
  const Case cases[] = {
      {0, {0, 0}, QColor(160, 160, 160)}, {0, {9, 9}, QColor(255, 255, 255)},
      {0, {1, 1}, QColor(105, 105, 105)}, {0, {8, 8}, QColor(227, 227, 227)},
      {0, {9, 0}, QColor(255, 255, 255)}, {0, {5, 5}, QColor(0, 255, 0)},
      {1, {0, 0}, QColor(227, 227, 227)}, {1, {9, 9}, QColor(105, 105, 105)},
      {1, {1, 1}, QColor(255, 255, 255)}, {1, {8, 8}, QColor(160, 160, 160)},
      {3, {0, 0}, QColor(0, 255, 0)},
  };
  for (const Case& c : cases) {
    QImage img = Page(10, 10, Qt::green);
    {
      Canvas canvas(&img);
      DrawBorder3D(canvas, {0, 0, 10, 10}, c.kind);
    }
    EXPECT_EQ(img.pixelColor(c.at), c.expected) << c.kind << " at " << c.at.x() << "," << c.at.y();
  }
}

TEST(InstrumentRoutines, ShadedDiskLightsTopLeft) {
  QImage img = Page(40, 40, Qt::green);
  {
    Canvas canvas(&img);
    DrawRaisedDisk(canvas, RGB(100, 100, 100), {20, 20}, 15);
    DrawRaisedDisk(canvas, RGB(100, 100, 100), {20, 20}, 0);
  }
  EXPECT_GT(img.pixelColor(13, 13).red(), img.pixelColor(26, 26).red() + 20);
  EXPECT_EQ(img.pixelColor(20, 20).green(), img.pixelColor(20, 20).red());  // inside: grey
  EXPECT_EQ(img.pixelColor(1, 1), QColor(Qt::green));                       // outside: untouched
}

TEST(InstrumentRoutines, Geometry) {
  EXPECT_EQ(CenteredRect(10, 10, 5, 4), (TRect{8, 8, 13, 12}));
  EXPECT_EQ(MakeOrderedRect(5, 1, 2, 7), (TRect{2, 1, 5, 7}));
  EXPECT_EQ(OrientedRect(true, 1, 2, 3, 4), (TRect{2, 1, 4, 3}));
  EXPECT_EQ(OrientedPoint(true, 1, 2), (TPoint{2, 1}));
  EXPECT_EQ(PolarPointF(0, 0, 10, 45), (TPoint{7, -7}));
  int a = 1, b = 2;
  SwapIntegers(a, b);
  EXPECT_EQ(a, 2);
  QString text = "ab\r\ncd\nlonger line\r";
  int pos = 0;
  EXPECT_EQ(NextTextLine(text, pos), "ab");
  EXPECT_EQ(NextTextLine(text, pos), "cd");
  QImage img = Page(10, 10);
  Canvas canvas(&img);
  EXPECT_EQ(MaxLineTextWidth(canvas, text), canvas.TextWidth("longer line"));
  EXPECT_EQ(MaxLineTextWidth(canvas, ""), 0);
  EXPECT_EQ(TextHeightCalc(canvas, "a\nb"), 2 * TextHeightCalc(canvas, "a"));
}

// ---- math -------------------------------------------------------------------

TEST(InstrumentMath, Interpolations) {
  const std::vector<double> xa{0, 1, 2, 3}, ya{0, 1, 4, 9};
  std::vector<double> y2a;
  SplineSecondDerivatives(xa, ya, 3, y2a);
  ASSERT_EQ(y2a.size(), 4u);
  EXPECT_DOUBLE_EQ(y2a[1], -2);
  EXPECT_DOUBLE_EQ(y2a[2], 4);
  EXPECT_DOUBLE_EQ(y2a[3], -2);
  EXPECT_DOUBLE_EQ(SplineInterpolate(xa, ya, y2a, 3, 2), 4);
  EXPECT_DOUBLE_EQ(SplineInterpolate(xa, ya, y2a, 3, 1.5), 2.375);

  const std::vector<double> px{0, 0, 1, 2}, py{0, 0, 1, 4};
  double y = 0, dy = 0;
  PolynomialInterpolate(px, py, 3, 1.5, y, dy);
  EXPECT_DOUBLE_EQ(y, 2.25);
  RationalInterpolate(xa, ya, 3, 2, y, dy);
  EXPECT_EQ(y, 4);
  EXPECT_EQ(dy, 0);
  // Through (1, 1), (2, 4), (3, 9) the diagonal rational function is
  // (11x - 6) / (6 - x): 43/7 at 2.5 and 7/3 at 1.5, not the parabola's values.
  RationalInterpolate(xa, ya, 3, 2.5, y, dy);
  EXPECT_DOUBLE_EQ(y, 43.0 / 7);
  RationalInterpolate(xa, ya, 3, 1.5, y, dy);
  EXPECT_DOUBLE_EQ(y, 7.0 / 3);
  EXPECT_DOUBLE_EQ(dy, 11.0 / 15);

  const std::string splint = "Splint Error - xa's must be distinct";
  const std::vector<double> equal{0, 1, 1, 3};
  EXPECT_EQ(ErrorOf([&] { SplineSecondDerivatives(equal, ya, 3, y2a); }), splint);
  EXPECT_EQ(ErrorOf([&] { SplineSecondDerivatives(xa, ya, 1, y2a); }), splint);
  EXPECT_EQ(ErrorOf([&] { SplineInterpolate(equal, ya, std::vector<double>(4, 0.0), 3, 0.5); }), splint);
  EXPECT_EQ(ErrorOf([&] { PolynomialInterpolate(equal, ya, 3, 2, y, dy); }),
            "Polynomial Interpolation Error - Pause in Routine Data");
  EXPECT_DOUBLE_EQ(MathLog10(1000), 3);
  EXPECT_NEAR(MathPower(2, 10), 1024, 1e-9);
  EXPECT_NEAR(RadToDegrees(DegreesToRad(30)), 30, 1e-12);
}

TEST(InstrumentMath, SegmentsAndRectangles) {
  EXPECT_FALSE(SegmentsCross({0, 0}, {10, 10}, {0, 5}, {10, 15}));
  EXPECT_TRUE(SegmentsCross({0, 0}, {10, 10}, {0, 10}, {10, 0}));
  EXPECT_FALSE(SegmentsCross({0, 0}, {4, 4}, {6, 4}, {10, 0}));  // lines meet at x 5, outside both
  const TRect r{0, 0, 100, 100};
  EXPECT_TRUE(LineIntersectsRect({10, 10}, {20, 30}, r));
  EXPECT_TRUE(LineIntersectsRect({-10, 50}, {50, 60}, r));
  EXPECT_FALSE(LineIntersectsRect({110, 10}, {130, 40}, r));
  double slope = 0, intercept = 0;
  LineSlopeIntercept({3, 1}, {3, 9}, slope, intercept);
  EXPECT_EQ(slope, 1e30);
}

// ---- containers -------------------------------------------------------------

TEST(InstrumentContainers, LimitListGrowsAndChecks) {
  TwLimitDataList list;
  std::vector<int> capacities;
  for (int i = 0; i < 118; ++i) {
    EXPECT_EQ(list.Add(i, i + 1, i - 1), i);
    if (capacities.empty() || capacities.back() != list.Capacity()) capacities.push_back(list.Capacity());
  }
  EXPECT_EQ(capacities, (std::vector<int>{4, 8, 12, 28, 44, 60, 76, 95, 118}));
  EXPECT_EQ(list.GetUpperLimit(117), 118);
  EXPECT_EQ(ErrorOf([&] { list.GetUpperLimit(list.Count()); }), "Index out of Bounds");
  EXPECT_EQ(ErrorOf([&] { list.GetPosition(-1); }), "Index out of Bounds");
  EXPECT_EQ(ErrorOf([&] { list.SetCapacity(134217728); }), "Exceed Maximum List Size");
  EXPECT_EQ(list.Count(), 118);

  TwLimitDataList five;
  for (int i = 0; i < 5; ++i) five.Add(i * 10, 0, 0);
  five.SetCapacity(2);
  EXPECT_EQ(five.Count(), 2);
  EXPECT_EQ(five.GetPosition(1), 10);
  five.Clear();
  EXPECT_EQ(five.Count(), 0);
  EXPECT_EQ(five.Capacity(), 0);
}

TEST(InstrumentContainers, MinMaxPointAndDigitalStep) {
  TwPlotMinMaxPoint m;
  m.AddData(1.5, 5, 7);
  m.AddData(2.5, -2, 8);
  m.AddData(3.5, 3, 9);
  EXPECT_EQ(m.YFirst, 5);
  EXPECT_EQ(m.YMax, 5);
  EXPECT_EQ(m.YMin, -2);
  EXPECT_EQ(m.YLast, 3);
  EXPECT_EQ(m.XValue, 1.5);
  EXPECT_EQ(m.XPixels, 7);
  m.Clear();
  m.AddData(0, 100, 0);
  EXPECT_EQ(m.YMin, 100);
  EXPECT_EQ(m.YMax, 100);

  TDigitalSequenceData d;
  d.StartSet = d.StopSet = true;
  d.StartXValue = 4;
  d.Clear();
  EXPECT_FALSE(d.StartSet || d.StopSet || d.TransitionSet);
  EXPECT_EQ(d.StartXValue, 4);
}

}  // namespace
