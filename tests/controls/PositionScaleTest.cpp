// The position and scale components (through a knob) and the gauge pointers.
#include "controls/wGaugePointer.h"
#include "controls/wKnob.h"
#include "controls/wException.h"

#include <QImage>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace {

struct RangeKnob {
  TwKnob knob;
  std::vector<std::string> log;
  RangeKnob() {
    knob.SetMinMax(-280, 120);
    knob.OnPositionChange = [this](QObject*) { log.push_back("change"); };
    knob.OnPositionChangeUser = [this](QObject*) { log.push_back("user"); };
    knob.OnChangeProtected = [this](QObject*, const QString& name) { log.push_back("protected " + name.toStdString()); };
    knob.OnPositionOverLimit = [this](QObject*, int i) { log.push_back("over limit " + std::to_string(i)); };
  }
  std::vector<std::string> Take() { return std::exchange(log, {}); }
};

TEST(PositionComponent, WritesClampFireAndVeto) {
  RangeKnob k;
  using Log = std::vector<std::string>;
  const Log fired{"protected Position", "change"};
  struct Step { double write, stored; Log events; };
  const Step steps[] = {{150, 120, fired}, {120, 120, {}}, {-300, -280, fired}, {-280, -280, {}}};
  for (const Step& s : steps) {
    k.knob.SetPosition(s.write);
    EXPECT_DOUBLE_EQ(k.knob.Position(), s.stored) << s.write;
    EXPECT_EQ(k.Take(), s.events) << s.write;
  }

  k.knob.SetPosition(120);
  k.Take();
  k.knob.SetPositionMax(100);  // lowering the maximum moves the position with its events
  EXPECT_DOUBLE_EQ(k.knob.Position(), 100);
  EXPECT_EQ(k.Take(), fired);

  k.knob.SetPositionNoEvent(5);
  EXPECT_DOUBLE_EQ(k.knob.Position(), 5);
  EXPECT_EQ(k.Take(), Log{"protected Position"});
  ASSERT_TRUE(k.knob.OnPositionChange);  // handed back after the call

  k.knob.OnRequestEdit = [](QObject*, const QString& name, bool& canEdit) {
    EXPECT_EQ(name, "Position");
    canEdit = false;
  };
  k.knob.SetPosition(50);
  EXPECT_DOUBLE_EQ(k.knob.Position(), 5);
  EXPECT_EQ(k.Take(), Log{});
}

TEST(PositionComponent, LimitsAndTrackers) {
  RangeKnob k;
  EXPECT_THROW(
      try { k.knob.RemoveLimit(0); } catch (const TwException& e) {
        EXPECT_STREQ(e.what(), "Limit Index out of bounds");
        throw;
      },
      TwException);
  k.knob.AddLimit(8, 0, false, 50, -100, platform::clRed, platform::clBlue);
  ASSERT_EQ(k.knob.LimitCount(), 1);
  k.knob.SetPosition(60);
  EXPECT_EQ(k.Take(), (std::vector<std::string>{"over limit 0", "protected Position", "change"}));
  EXPECT_DOUBLE_EQ(k.knob.CurrentMax(), 60);
  k.knob.SetPosition(-20);
  EXPECT_DOUBLE_EQ(k.knob.CurrentMin(), -20);
  EXPECT_DOUBLE_EQ(k.knob.CurrentMax(), 60);
  k.knob.RemoveAllLimits();
  EXPECT_EQ(k.knob.LimitCount(), 0);
}

TEST(ScaleComponent, AutoScaleFindsTidyRangesAndCounts) {
  EXPECT_EQ(TwScaleComponent::TickCountForSpan(5, 6, 100), 5);
  EXPECT_EQ(TwScaleComponent::TickCountForSpan(5, 6, 90), 7);  // no tidy step: MaxCount + 1
  struct Case { double min, max, low, high; int ticks; };
  const Case cases[] = {{0, 87, 0, 100, 5}, {-280, 120, -300, 200, 6}};
  for (const Case& c : cases) {
    TwKnob knob;
    knob.SetMinMax(c.min, c.max);
    knob.SetAutoScaleEnabled(true);
    EXPECT_DOUBLE_EQ(knob.PositionMin(), c.low) << c.max;
    EXPECT_DOUBLE_EQ(knob.PositionMax(), c.high) << c.max;
    EXPECT_EQ(knob.TickMajorCount(), c.ticks) << c.max;
  }
}

TEST(ScaleObject, ValueToPixels) {
  TwScaleObject s;
  s.SetRange(0, 100);
  s.SetPixels(10, 110, 0);
  EXPECT_EQ(s.ValueToPixels(25), 35);
  EXPECT_DOUBLE_EQ(s.PixelsToValue(35), 25);
  s.SetReverseScale(true);
  EXPECT_EQ(s.ValueToPixels(25), 85);
  s.SetRange(50, 50);
  EXPECT_EQ(s.ValueToPixels(25), 60);

  // Halves of a pixel go to the even neighbour.
  TwScaleObject halves;
  halves.SetRange(0, 10);
  halves.SetPixels(0, 5, 0);
  for (auto [value, pixel] : {std::pair{1.0, 0}, {3.0, 2}, {5.0, 2}, {7.0, 4}, {-1.0, 0}, {-3.0, -2}})
    EXPECT_EQ(halves.ValueToPixels(value), pixel) << value;
}

TEST(ScaleObject, StepsBetweenCountsWholeStepsUpToACap) {
  const double inf = std::numeric_limits<double>::infinity();
  struct Case { double from, to, step; int cap, steps; };
  const Case cases[] = {
      {0, 10, 2.5, 100, 4},   {0, 10, 3, 100, 3},     {0, 0.3, 0.1, 100, 3},  // 0.3 / 0.1 is 3
      {0, 10, 1, 6, 6},       {10, 0, 1, 100, 0},     {0, 10, 0, 100, 0},
      {0, inf, 1, 7, 7},      {-inf, 0, 1, 7, 0},     {0, 10, inf, 7, 0},
      {0, 10, std::nan(""), 7, 0},
  };
  for (const Case& c : cases)
    EXPECT_EQ(TwScaleObject::StepsBetween(c.from, c.to, c.step, c.cap), c.steps) << c.from << ".." << c.to << " by "
                                                                                  << c.step;
}

// Minor ticks continue past the fixed style's first and last major tick to
// the range ends. A step below the spacing of doubles at the value, or an
// endless range, once kept that walk going for ever.
TEST(ScaleObject, MinorTicksPastTheFixedEndsAlwaysEnd) {
  const double inf = std::numeric_limits<double>::infinity();
  struct Case { double min, max, firstTick, lastTick; };
  const Case cases[] = {{1e17, 1e17 + 96, 1e17, 1e17 + 80}, {0, inf, 0, 100}, {-inf, 0, -100, 0}};
  for (const Case& c : cases) {
    TwScaleObject s;
    s.AutoScaleEnabled = true;
    s.AutoScaleStyle = iassFixedMinMax;
    s.AutoScaleMinTick = c.firstTick;
    s.AutoScaleMaxTick = c.lastTick;
    s.SetRange(c.min, c.max);
    s.SetPixels(10, 210, 20);
    QImage image(240, 60, QImage::Format_RGB32);
    image.fill(Qt::white);
    platform::Canvas canvas(&image);
    s.Draw(canvas, true, platform::clWhite);
  }

  // The knob draws the same ticks around its dial.
  TwKnob tiny;
  tiny.resize(150, 150);
  tiny.SetMinMax(1e17, 1e17 + 96);
  tiny.SetAutoScaleStyle(iassFixedMinMax);
  tiny.SetAutoScaleEnabled(true);
  ASSERT_DOUBLE_EQ(tiny.AutoScaleMaxTick(), 1e17 + 80);
  ASSERT_EQ(1e17 + 80 + 80.0 / 3 / 5, 1e17 + 80) << "a minor step below the spacing of doubles";
  tiny.grab();
  TwKnob endless;
  endless.resize(150, 150);
  endless.SetMinMax(0, 87);
  endless.SetAutoScaleStyle(iassFixedMinMax);
  endless.SetAutoScaleEnabled(true);
  endless.SetPositionMax(inf);
  endless.grab();
}

// Counts the lines a paint draws in one pen colour.
class LinesOfColour : public platform::CanvasObserver {
 public:
  explicit LinesOfColour(platform::TColor colour) : colour_(colour) {}
  int lines = 0;
  void OnPolyline(const platform::Canvas&, std::span<const platform::TPoint>) override {}
  void OnPolygon(const platform::Canvas&, std::span<const platform::TPoint>) override {}
  void OnEllipse(const platform::Canvas&, const platform::TRect&) override {}
  void OnRectangle(const platform::Canvas&, const platform::TRect&) override {}
  void OnLineTo(const platform::Canvas& c, platform::TPoint, platform::TPoint) override {
    if (c.Pen.Color == colour_) ++lines;
  }

 private:
  platform::TColor colour_;
};

struct OpenKnob : TwKnob {
  using TwKnob::PaintUncached;
};

// In the fixed style minor ticks go on past the last major tick up to
// PositionMax and below the first down to PositionMin, on a straight scale
// and around the knob's dial.
TEST(ScaleObject, MinorTicksContinuePastTheFixedEnds) {
  const platform::TColor minorColour = platform::RGB(1, 2, 3);
  auto scaleLines = [&](bool fixed) {
    TwScaleObject s;
    s.SetTickMinorColor(minorColour);
    s.SetTickMinorStyle(ibsNone);
    s.AutoScaleEnabled = fixed;
    s.AutoScaleStyle = iassFixedMinMax;
    s.AutoScaleMinTick = 10;
    s.AutoScaleMaxTick = 90;
    s.SetRange(fixed ? 0 : 10, fixed ? 100 : 90);
    s.SetPixels(10, 210, 20);
    QImage image(240, 60, QImage::Format_RGB32);
    platform::Canvas canvas(&image);
    LinesOfColour counter(minorColour);
    canvas.Observer = &counter;
    s.Draw(canvas, true, platform::clWhite);
    return counter.lines;
  };
  // Majors 20 apart with 4 minors between: 94 and 98 above, 6 and 2 below.
  const int inner = scaleLines(false);
  ASSERT_GT(inner, 0);
  EXPECT_EQ(scaleLines(true), inner * 20 / 16);

  OpenKnob knob;
  knob.resize(150, 150);
  knob.SetTickMinorColor(minorColour);
  knob.SetMinMax(0, 87);
  knob.SetAutoScaleStyle(iassFixedMinMax);
  knob.SetAutoScaleEnabled(true);
  const double lo = knob.AutoScaleMinTick(), hi = knob.AutoScaleMaxTick();
  const double minor = (hi - lo) / (knob.TickMajorCount() - 1) / (knob.TickMinorCount() + 1);
  const int past = int(std::floor((87 - hi) / minor + 1e-9)) + int(std::floor((lo - 0) / minor + 1e-9));
  ASSERT_GT(past, 0) << "the range reaches past the major ticks";
  QImage image(150, 150, QImage::Format_RGB32);
  platform::Canvas canvas(&image);
  LinesOfColour counter(minorColour);
  canvas.Observer = &counter;
  knob.PaintUncached(canvas);
  EXPECT_EQ(counter.lines, (knob.TickMajorCount() - 1) * knob.TickMinorCount() + past);
}

TEST(GaugePointer, ManagerHandlersAndNotifications) {
  std::vector<std::pair<std::string, void*>> log;
  auto record = [&log](const char* what) { return [&log, what](void* s) { log.emplace_back(what, s); }; };
  try {
    TwGaugePointerManager bad(record("change"), nullptr, record("remove"));
    FAIL() << "a manager without OnInsert was made";
  } catch (const TwException& e) {
    EXPECT_STREQ(e.what(), "OnInsert event handler can not be null");
  }
  log.clear();

  TwGaugePointerManager m(record("change"), record("insert"), record("remove"), record("moved"));
  ASSERT_EQ(log.size(), 1u);
  EXPECT_EQ(log[0], std::make_pair(std::string("insert"), static_cast<void*>(&m)));
  m.Add();
  m.Add();
  ASSERT_EQ(m.GetCount(), 2);
  TwGaugePointer* p = m.GetItem(1);
  log.clear();
  p->SetPosition(0);  // its position already
  EXPECT_TRUE(log.empty());
  p->SetPosition(5);
  EXPECT_EQ(log, (std::vector<std::pair<std::string, void*>>{{"change", p}, {"moved", p}}));
  log.clear();
  m.Delete(1);
  EXPECT_EQ(log, (std::vector<std::pair<std::string, void*>>{{"remove", p}, {"change", p}}));
  EXPECT_EQ(m.GetCount(), 1);
}

TEST(GaugePointer, HitTestAndDrawColour) {
  TwGaugePointer p;
  EXPECT_FALSE(p.wMouseHitTest(3, 3));  // no region yet
  p.SetRegion(QRegion(0, 0, 10, 10));
  EXPECT_TRUE(p.wMouseHitTest(3, 3));
  EXPECT_FALSE(p.wMouseHitTest(12, 3));
  p.SetEnabled(false);
  EXPECT_FALSE(p.wMouseHitTest(3, 3));
  EXPECT_EQ(p.GetColorDraw(), platform::clBlue);
  p.SetUseDisabledColor(true);
  EXPECT_EQ(p.GetColorDraw(), platform::clGray);
}

}  // namespace
