// Plot axes: value and pixel mapping, the tick builder with the label count
// given, the value texts, and the range: events, tracking, zoom and scroll.
#include <QDate>
#include <QImage>
#include <QLocale>

#include <gtest/gtest.h>

#include <cmath>

#include "plot/wXYPlot.h"

namespace {

class AxisTest : public ::testing::Test {
 protected:
  void SetUp() override { QLocale::setDefault(QLocale::c()); }

  // Sets the axis's draw rectangle and computes its scale from it.
  void Scale(TwPlotAxis* a, platform::TRect r) {
    a->SetDrawRect(r);
    platform::Canvas canvas(&image);
    a->CalcScaleRect(canvas);
  }
  static QStringList Texts(TwPlotAxis* a, TwPlotTickType type) {
    QStringList out;
    for (int i = 0; i < a->TickListCount(); ++i)
      if (a->TickListItem(i).TickType == type) out << QString::number(a->TickListItem(i).Position);
    return out;
  }
  static QStringList Labels(TwPlotAxis* a) {
    QStringList out;
    for (int i = 0; i < a->TickListCount(); ++i)
      if (a->TickListItem(i).TickType == ipttMajor) out << a->TickListItem(i).Text;
    return out;
  }

  QImage image{600, 400, QImage::Format_ARGB32};
  TwXYPlot plot;
  TwPlotAxis* x = plot.XAxis();
  TwPlotAxis* y = plot.YAxis();
};

// ---- mapping ----

TEST_F(AxisTest, LinearMappingRoundsHalvesToEvenAndClamps) {
  Scale(x, {10, 0, 110, 20});
  EXPECT_EQ(x->PositionToPixels(50), 60);
  EXPECT_DOUBLE_EQ(x->PixelsToPosition(60), 50);
  EXPECT_EQ(x->PositionToPixels(1e9), 32000);
  EXPECT_EQ(x->PositionToPixels(-1e9), -32000);
  EXPECT_TRUE(x->PointOnScale(100));
  EXPECT_FALSE(x->PointOnScale(101));

  y->SetSpan(50);
  Scale(y, {0, 100, 30, 200});
  EXPECT_EQ(y->PositionToPixels(25), 150);
  EXPECT_EQ(y->PositionToPixels(0), 200);

  x->SetSpan(40);
  Scale(x, {0, 0, 100, 20});
  EXPECT_EQ(x->PositionToPixels(1), 2) << "2.5 pixels from the start rounds to even";
  EXPECT_EQ(x->WidthToPixels(1), 2);

  x->SetReverseScale(true);
  Scale(x, {0, 0, 100, 20});
  EXPECT_EQ(x->PositionToPixels(x->Min()), x->ScaleRect().Right);
  EXPECT_DOUBLE_EQ(x->PixelsToPosition(100), 0);

  x->SetReverseScale(false);
  x->SetSpan(1e-300);
  Scale(x, {0, 0, 100, 20});
  for (double v : {-1e6, 0.0, 5.0, 1e6}) EXPECT_EQ(x->PositionToPixels(v), 50);
}

TEST_F(AxisTest, LogScaleTakesMinOneAndStaysFinite) {
  x->SetMin(-100);
  x->SetScaleType(ipstLog10);
  EXPECT_EQ(x->Min(), 1);
  x->SetSpan(999);
  Scale(x, {0, 0, 300, 20});
  EXPECT_EQ(x->PositionToPixels(1), 0);
  EXPECT_EQ(x->PositionToPixels(10), 100);
  EXPECT_EQ(x->PositionToPixels(1000), 300);
  EXPECT_NEAR(x->PixelsToPosition(200), 100, 1e-9);
  // The plain setter lets a log axis's Min go below zero; it counts as 1.
  x->SetMin(-5);
  EXPECT_TRUE(std::isfinite(x->PixelsToPosition(150)));
  EXPECT_NEAR(x->PixelsToPosition(0), 1, 1e-9);
}

TEST_F(AxisTest, StackedEndsInsetByLabels) {
  for (TwPlotAxis* a : {x, y}) {
    a->SetStackingEndsMargin(0);
    a->SetLabelsVisible(false);
    a->SetStartStacked(true);
    a->SetStopStacked(true);
  }
  Scale(x, {10, 0, 310, 30});
  EXPECT_EQ(x->ScaleRect().Left, 10) << "a horizontal axis without labels is not inset";
  EXPECT_EQ(x->ScaleRect().Right, 310);
  Scale(y, {0, 10, 30, 310});
  EXPECT_LT(y->ScaleRect().Bottom, 310) << "a vertical axis insets by its label height anyway";
  EXPECT_GT(y->ScaleRect().Top, 10);
  x->SetLabelsVisible(true);
  Scale(x, {10, 0, 310, 30});
  EXPECT_GT(x->ScaleRect().Left, 10);
}

// ---- ticks ----

struct TickCase {
  double min, span, start, increment;
  int minorCount, c;
  QStringList majors;
};

TEST_F(AxisTest, TickBuilderTable) {
  const TickCase cases[] = {
      {-100, 120, 20, 20, 4, 7, {"-100", "-80", "-60", "-40", "-20", "0", "20"}},
      {-100, 120, 20, 20, 4, 3, {"-80", "-30", "20"}},
      {-100, 120, 20, 10, 1, 8, {"-100", "-80", "-60", "-40", "-20", "0", "20"}},
      {-100, 120, 20, 10, 1, 13, {"-100", "-90", "-80", "-70", "-60", "-50", "-40", "-30", "-20", "-10", "0", "10", "20"}},
      {0, 100, 0, 0, 1, 5, {"0", "20", "40", "60", "80", "100"}},
      {0, 100, 0, 0, 0, 5, {"0", "20", "40", "60", "80", "100"}},
  };
  for (const TickCase& t : cases) {
    x->SetMinSpan(t.min, t.span);
    x->SetDesiredStart(t.start);
    x->SetDesiredIncrement(t.increment);
    x->SetMinorCount(t.minorCount);
    Scale(x, {0, 0, 600, 30});
    x->BuildTicks(t.c);
    EXPECT_EQ(Labels(x), t.majors) << "c " << t.c << " increment " << t.increment;
  }
  // MinorCount 0: majors only.
  EXPECT_TRUE(Texts(x, ipttMinor).isEmpty());
}

TEST_F(AxisTest, MinorsEveryFourAndNoneOffTheScale) {
  x->SetMinSpan(-100, 120);
  x->SetDesiredStart(20);
  x->SetDesiredIncrement(20);
  x->SetMinorCount(4);
  Scale(x, {0, 0, 600, 30});
  x->BuildTicks(7);
  QStringList minors;
  for (int v = -96; v <= 16; v += 4)
    if (v % 20) minors << QString::number(v);
  EXPECT_EQ(Texts(x, ipttMinor), minors);
  EXPECT_FALSE(Texts(x, ipttMajor).contains("40"));
  // Room for three: a 50 step through 20, with a minor on -100.
  x->BuildTicks(3);
  EXPECT_TRUE(Texts(x, ipttMinor).contains("-100"));
  EXPECT_DOUBLE_EQ(x->MajorIncrement(), 50);
}

TEST_F(AxisTest, LogDecadesAndCustomTicks) {
  x->SetScaleType(ipstLog10);
  x->SetMinSpan(1, 999);
  Scale(x, {0, 0, 600, 30});
  x->BuildTicks(20);
  EXPECT_EQ(Texts(x, ipttMajor), QStringList({"1", "10", "100", "1000"}));
  QStringList minors;
  for (int decade : {1, 10, 100})
    for (int k = 2; k <= 9; ++k) minors << QString::number(k * decade);
  EXPECT_EQ(Texts(x, ipttMinor), minors);
  try {
    x->TickListAdd(0, "zero", ipttMajor);
    ADD_FAILURE() << "no exception";
  } catch (const TwException& e) {
    EXPECT_STREQ(e.what(), "Log Scale Requires Position to be Greater Than Zero");
  }

  x->SetScaleType(ipstLinear);
  x->TickListClear();
  x->SetTickListCustom(true);
  EXPECT_EQ(x->TickListAdd(33, "a", ipttMajor), 0);
  x->TickListAdd(2000, "off", ipttMajor);
  platform::Canvas canvas(&image);
  x->UpdateTicks(canvas);
  ASSERT_EQ(x->TickListCount(), 2);
  EXPECT_EQ(x->TickListItem(0).Text, "a");
  EXPECT_TRUE(x->TickListItem(0).Show);
  EXPECT_EQ(x->TickListItem(0).PositionPixels, x->PositionToPixels(33));
  EXPECT_FALSE(x->TickListItem(1).Show);
}

TEST_F(AxisTest, DateTimeStepsInMonthsAndYearsAndTheTickGuard) {
  const double march15 = QDate(1899, 12, 30).daysTo(QDate(2020, 3, 15));
  x->SetLabelsFormatStyle(iptfDateTime);
  x->SetDateTimeFormat("mmm");
  x->SetMinSpan(march15, 120);
  Scale(x, {0, 0, 600, 30});
  x->BuildTicks(5);
  EXPECT_EQ(Labels(x), QStringList({"Apr", "May", "Jun", "Jul"}));
  x->SetDateTimeFormat("yyyy");
  x->SetSpan(1095);
  x->BuildTicks(5);
  EXPECT_EQ(Labels(x), QStringList({"2021", "2022", "2023"}));
  x->SetDateTimeFormat("hh:nn");
  x->SetMinSpan(0, 0.25);
  x->BuildTicks(7);
  EXPECT_EQ(Labels(x), QStringList({"00:00", "01:00", "02:00", "03:00", "04:00", "05:00", "06:00"}));

  // More than 5000 ticks: one major in the middle.
  x->SetLabelsFormatStyle(iptfValue);
  x->SetMinSpan(0, 100000);
  x->SetDesiredIncrement(1);
  x->BuildTicks(200000);
  ASSERT_EQ(x->TickListCount(), 1);
  EXPECT_EQ(x->TickListItem(0).Position, 50000);
}

TEST_F(AxisTest, TrackingAlignsToTheLastMajorIncrement) {
  x->SetMinSpan(0, 100);
  x->SetTrackingIncrementStyle(iptisMajor);
  x->NewTrackingData(50);
  x->NewTrackingData(105);
  EXPECT_EQ(x->Max(), 105) << "no tick build yet: nothing to align to";
  x->SetMinSpan(0, 100);
  Scale(x, {0, 0, 600, 30});
  x->BuildTicks(5);
  ASSERT_EQ(x->MajorIncrement(), 20);
  x->NewTrackingData(105);
  EXPECT_EQ(x->Min(), 0);
  EXPECT_EQ(x->Max(), 120);
}

// ---- texts ----

struct TextCase {
  TwPlotTextFormat style;
  QString pattern;
  double span, value;
  TwPrecisionStyle precisionStyle;
  int precision;
  QString text;
};

TEST_F(AxisTest, FormatterTable) {
  const TextCase cases[] = {
      {iptfValue, "", 120, -100, ipsSignificantDigits, 2, "-100"},
      {iptfValue, "", 120, 20, ipsSignificantDigits, 2, "20"},
      {iptfValue, "", 120, -1e-13, ipsSignificantDigits, 2, "0"},
      {iptfValue, "", 0.5, 0.25, ipsSignificantDigits, 2, "0.25"},
      {iptfExponent, "", 120, 12345, ipsSignificantDigits, 3, "1.23E+004"},
      {iptfPrefix, "", 120, 1500, ipsSignificantDigits, 3, "1.50K"},
      {iptfPrefix, "", 120, 0.0005, ipsSignificantDigits, 3, "0.500m"},
      {iptfPrefix, "", 120, 0.002, ipsSignificantDigits, 3, "0.00200"},
      {iptfPrefix, "", 120, 0, ipsSignificantDigits, 3, "0"},
      {iptfPrefix, "", 120, 0, ipsFixedDecimalPoints, 2, "0.00"},
      {iptfPrice32nds, "", 120, 101.5, ipsSignificantDigits, 3, "101.160"},
      {iptfThousands, "", 120, 1234567, ipsSignificantDigits, 3, "1,234,567"},
      {iptfDateTime, "Jhh:nn", 120, 2.5, ipsSignificantDigits, 3, "2 12:00"},
      {iptfDateTime, "dd mmm yyyy hh:nn am/pm", 120, 2.75, ipsSignificantDigits, 3, "01 Jan 1900 06:00 pm"},
      {iptfValue, "", 120, std::nan(""), ipsSignificantDigits, 2, "Error"},
      // At most the 17 significant digits a double holds, whatever the span
      // or the precision asks for.
      {iptfValue, "", 1e-300, 5, ipsSignificantDigits, 3, "5.0000000000000000"},
      // A zero keeps its neighbours' places: 2.5e-301 needs 303.
      {iptfValue, "", 1e-300, 0, ipsSignificantDigits, 3, "0." + QString(303, QLatin1Char('0'))},
      {iptfValue, "", 120, -std::ldexp(1.0, 100), ipsSignificantDigits, 3, "-1267650600228229400000000000000"},
      {iptfThousands, "", 120, 1.5e20, ipsSignificantDigits, 3, "150,000,000,000,000,000,000"},
      {iptfThousands, "", 1e-300, 1234, ipsSignificantDigits, 3, "1,234.0000000000000"},
      {iptfValue, "", 120, 123.5, ipsFixedDecimalPoints, 1000, "123.50000000000000"},
  };
  for (const TextCase& t : cases) {
    x->SetSpan(t.span);
    double minLength = 5;
    EXPECT_EQ(x->FormatAxisValue(t.style, t.pattern, t.value, t.precisionStyle, t.precision, false, minLength), t.text)
        << t.value;
  }
  x->SetScaleType(ipstLog10);
  double minLength = 5;
  EXPECT_EQ(x->FormatAxisValue(iptfValue, "", 0, ipsSignificantDigits, 3, false, minLength), "Unknown");
}

// Digits from the first to the last non-zero one.
int SignificantDigits(const QString& text) {
  QString digits;
  for (QChar c : text)
    if (c.isDigit()) digits += c;
  while (digits.startsWith(QLatin1Char('0'))) digits.remove(0, 1);
  while (digits.endsWith(QLatin1Char('0'))) digits.chop(1);
  return int(digits.size());
}

// Labels a quarter span apart read differently over any span and offset,
// each with no more than the 17 significant digits a double holds.
TEST_F(AxisTest, LabelsOfAnySpanDifferWithinSeventeenDigits) {
  for (TwPlotTextFormat style : {iptfValue, iptfThousands}) {
    for (int e = -300; e <= 300; e += 10) {
      const double span = std::pow(10.0, e);
      for (double offset : {0.0, -span, 0.37 * span, 1e6 * span, -1e9 * span}) {
        if (!std::isfinite(offset)) continue;
        x->SetMinSpan(offset, span);
        QStringList labels;
        for (int k = 0; k <= 4; ++k) {
          double minLength = 0;
          labels << x->FormatAxisValue(style, "", offset + k * span / 4, ipsSignificantDigits, 3, false, minLength);
        }
        for (int k = 0; k <= 4; ++k) {
          EXPECT_LE(SignificantDigits(labels[k]), 17) << labels[k].toStdString();
          if (k > 0) EXPECT_NE(labels[k], labels[k - 1]) << "span 1e" << e << " offset " << offset;
        }
      }
    }
  }
}

TEST_F(AxisTest, CustomizedLabelReachesTheCursorOnOneLine) {
  int calls = 0;
  plot.OnXAxisCustomizeLabel = [&](int index, double value, QString& label) {
    ++calls;
    EXPECT_EQ(index, 0);
    EXPECT_EQ(value, 7);
    label = "a\r\nb";
  };
  EXPECT_EQ(x->GetLabelText(7), "a\r\nb");
  EXPECT_EQ(x->GetCursorText(7), "a b");
  plot.OnXAxisCustomizeLabel = [&](int, double, QString&) { x->SetCustomizeLabelEventText("set"); };
  EXPECT_EQ(x->GetLegendText(7), "set");
  EXPECT_EQ(calls, 2);
}

// ---- range ----

struct Counter {
  int min = 0, span = 0, minSpan = 0;
  explicit Counter(TwXYPlot& plot) {
    plot.OnXAxisMinChange = [this](int, double, double) { ++min; };
    plot.OnXAxisSpanChange = [this](int, double, double) { ++span; };
    plot.OnXAxisMinSpanChange = [this](int, double, double, double, double) { ++minSpan; };
  }
};

TEST_F(AxisTest, SetMinSpanFiresOneSetOfEvents) {
  Counter n(plot);
  x->SetMinSpan(x->Min(), x->Span());
  EXPECT_EQ(n.min + n.span + n.minSpan, 0);
  x->SetMinSpan(-3, x->Span());
  EXPECT_EQ(n.min, 1);
  EXPECT_EQ(n.minSpan, 1);
  EXPECT_EQ(n.span, 0);
  x->SetSpan(-1);
  EXPECT_EQ(x->Span(), 1e-300);
  x->SetMin(std::nan(""));
  EXPECT_EQ(x->Min(), 1e300);
  x->SetDesiredIncrement(-2);
  EXPECT_EQ(x->DesiredIncrement(), 0);
}

struct TrackCase {
  TwPlotTrackingStyle style;
  double maxMargin, value, min, span;
};

TEST_F(AxisTest, TrackingTable) {
  const TrackCase cases[] = {
      {iptsScrollSmooth, 0, 12, 2, 10},  {iptsScrollSmooth, 0, -1, -1, 10}, {iptsScrollPage, 0, 12, 10, 10},
      {iptsScaleMax, 0, 15, 0, 15},      {iptsScaleMax, 0, -5, 0, 10},      {iptsScaleMinMax, 1, 9.5, 0, 10.5},
      {iptsExpandMinMax, 0, -2, -2, 12},
  };
  for (const TrackCase& t : cases) {
    x->SetMinSpan(0, 10);
    x->SetTrackingStyle(t.style);
    x->SetTrackingMaxMargin(t.maxMargin);
    x->ResetFirstAlign();
    x->NewTrackingData(5);  // the first value lies inside: nothing moves
    ASSERT_EQ(x->Min(), 0);
    x->NewTrackingData(t.value);
    EXPECT_DOUBLE_EQ(x->Min(), t.min) << t.style << " " << t.value;
    EXPECT_DOUBLE_EQ(x->Span(), t.span) << t.style << " " << t.value;
  }
  // Outside, the first value moves Min there; switched off, nothing moves.
  x->ResetFirstAlign();
  x->NewTrackingData(50);
  EXPECT_EQ(x->Min(), 50);
  x->SetTrackingEnabled(false);
  x->NewTrackingData(500);
  EXPECT_EQ(x->Min(), 50);
}

TEST_F(AxisTest, ResumeValuesReturnWhenTrackingIsOnAgain) {
  x->SetMinSpan(0, 10);
  x->SetTrackingEnabled(false);
  x->SetMinSpan(40, 5);
  x->SetTrackingEnabled(true);
  EXPECT_EQ(x->Min(), 0);
  EXPECT_EQ(x->Span(), 10);
  plot.DisableAllTracking();
  EXPECT_FALSE(x->TrackingEnabled());
  EXPECT_FALSE(y->TrackingEnabled());
}

TEST_F(AxisTest, ZoomWheelAndScrollLimits) {
  x->SetMinSpan(0, 10);
  try {
    x->Zoom(0);
    ADD_FAILURE() << "no exception";
  } catch (const TwException& e) {
    EXPECT_STREQ(e.what(), "Linear Scale Zoom Factor must be Greater than Zero");
  }
  x->Zoom(2);
  EXPECT_DOUBLE_EQ(x->Min(), -5);
  EXPECT_DOUBLE_EQ(x->Span(), 20);

  x->SetMinSpan(0, 10);
  x->DoMouseWheel(120, {}, 0, 0);
  EXPECT_DOUBLE_EQ(x->Min(), 0.5);
  EXPECT_DOUBLE_EQ(x->Span(), 10);
  EXPECT_FALSE(x->TrackingEnabled());
  x->DoMouseWheel(120, Qt::ControlModifier, 0, 0);
  EXPECT_NEAR(x->Span(), 10 / std::pow(10, 0.025), 1e-9);
  EXPECT_NEAR(x->Mid(), 5.5, 1e-9);

  x->SetMinSpan(0, 10);
  x->SetScrollMinMaxEnabled(true);
  x->SetScrollMax(100);
  x->ScrollBy(x->Min(), x->Span(), x->Max(), -0.5);
  EXPECT_EQ(x->Min(), 0);
  x->ScrollBy(x->Min(), x->Span(), x->Max(), 50);
  EXPECT_EQ(x->Min(), 90);
  EXPECT_EQ(x->Max(), 100);
}

TEST_F(AxisTest, KeysCursorsAndTheMasterAxisRepetition) {
  x->SetMinSpan(0, 10);
  int finished = 0;
  plot.OnXAxisMinSpanChangeFinished = [&](int, double oldMin, double, double newMin, double) {
    ++finished;
    EXPECT_EQ(oldMin, 0);
    EXPECT_EQ(newMin, 10);
  };
  int key = Qt::Key_PageUp;
  x->DoKeyDown(key, {}, nullptr);
  EXPECT_EQ(x->Min(), 10);
  EXPECT_EQ(finished, 1);
  EXPECT_EQ(x->GetMouseCursor({}), crHandPoint);
  x->SetMode(ipamZoom);
  EXPECT_EQ(x->GetMouseCursor({}), crSizeWE);
  EXPECT_EQ(y->GetMouseCursor({}), crHandPoint);
  y->SetMode(ipamZoom);
  EXPECT_EQ(y->GetMouseCursor({}), crSizeNS);

  // A master axis's wheel turns every X axis, once each.
  TwPlotAxis* other = plot.GetXAxis(plot.AddXAxis());
  other->SetMinSpan(0, 10);
  x->SetMode(ipamScroll);
  x->SetMinSpan(0, 10);
  x->SetMasterUIInput(true);
  x->DoMouseWheel(120, {}, 0, 0);
  EXPECT_DOUBLE_EQ(x->Min(), 0.5);
  EXPECT_DOUBLE_EQ(other->Min(), 0.5);
  EXPECT_EQ(y->Min(), 0);

  // ClearAllData lets the next tracked value align the axis again.
  other->SetTrackingEnabled(true);
  other->NewTrackingData(5);
  other->NewTrackingData(50);
  EXPECT_DOUBLE_EQ(other->Max(), 50);
  plot.ClearAllData();
  other->NewTrackingData(200);
  EXPECT_EQ(other->Min(), 200);
}

// A channel stand-in with fixed extents.
class FitChannel : public TwPlotChannelCustom {
 public:
  FitChannel(TwPlotComponent* Plot, double Lo, double Hi)
      : TwPlotChannelCustom(Plot, Plot->Master()->ChangeHook(), Plot->Master()->InsertHook(),
                            Plot->Master()->RemoveHook(), Plot->Master()->RenameHook()),
        lo(Lo), hi(Hi) {
    DoInsert();
  }
  void CalcDrawStartIndex() override {}
  void CalcDrawStopIndex() override {}
  double GetFitXMin() override { return lo; }
  double GetFitXMax() override { return hi; }
  double GetFitYMin() override { return lo; }
  double GetFitYMax() override { return hi; }
  double RunningXMin() const override { return lo - 1; }
  double RunningXMax() const override { return hi + 1; }
  double RunningYMin() const override { return lo; }
  double RunningYMax() const override { return hi; }
  double lo, hi;
};

TEST_F(AxisTest, ZoomToFitReadsTheChannelsOnTheAxis) {
  auto* a = new FitChannel(&plot, -3, 4);
  auto* b = new FitChannel(&plot, 1, 8);
  a->SetXAxisName(x->Name().toUpper());
  b->SetXAxisName(x->Name());
  auto* other = new FitChannel(&plot, -100, 100);
  other->SetXAxisName("elsewhere");
  x->SetTrackingMinMargin(1);
  x->ZoomToFit();
  EXPECT_DOUBLE_EQ(x->Min(), -4);
  EXPECT_DOUBLE_EQ(x->Span(), 12);
  x->ZoomToFitFast();
  EXPECT_DOUBLE_EQ(x->Min(), -5);
  EXPECT_DOUBLE_EQ(x->Span(), 14);
  // All data at one value: nothing changes.
  a->lo = a->hi = b->lo = b->hi = 2;
  x->SetTrackingSpanMinimum(50);
  x->ZoomToFit();
  EXPECT_DOUBLE_EQ(x->Min(), -5);
}

}  // namespace
