// TwPlotAxis: the tick builder (label pitch, increment choosers, log decades,
// placement), the program's own tick list and every text of an axis value.
#include <QDate>

#include <algorithm>
#include <cmath>

#include "controls/wMath.h"
#include "plot/wPlotAxis.h"
#include "plot/wPlotAxisFormat.h"
#include "plot/wPlotComponent.h"

using platform::Canvas;

namespace {
constexpr int kMaxTicks = 5000;

int RoundEven(double v) { return int(std::nearbyint(std::clamp(v, -1e9, 1e9))); }

// Whole months or years added to a date-time (days since 30 December 1899).
double AddMonths(double Value, int Months) {
  const QDate base = QDate(1899, 12, 30).addDays(qint64(std::floor(Value)));
  return double(QDate(1899, 12, 30).daysTo(base.addMonths(Months)));
}

QDate DateOf(double Value) { return QDate(1899, 12, 30).addDays(qint64(std::floor(Value))); }
double DaysOf(const QDate& Date) { return double(QDate(1899, 12, 30).daysTo(Date)); }
}  // namespace

// ---- tick list ----

void TwPlotAxis::FreeTicks() { FTickList.clear(); }

void TwPlotAxis::AddTick(TwPlotTickType Type, double Value, const QString& Text) {
  auto tick = std::make_unique<TwPlotTickObject>();
  tick->TickType = Type;
  tick->Position = Value;
  tick->Text = Text;
  FTickList.push_back(std::move(tick));
}

void TwPlotAxis::AddAutoTick(TwPlotTickType Type, double Value) {
  if (!PointOnScale(Value)) return;
  if (FScaleType != ipstLinear && Value <= 0) return;
  AddTick(Type, Value, Type == ipttMajor ? GetLabelText(Value) : QString());
}

void TwPlotAxis::TickListClear() {
  FreeTicks();
  DoChange();
}

int TwPlotAxis::TickListAdd(double Position, const QString& Label, TwPlotTickType Style) {
  if (FScaleType == ipstLog10 && Position <= 0)
    throw TwException("Log Scale Requires Position to be Greater Than Zero");
  AddTick(Style, Position, Label);
  DoChange();
  return TickListCount() - 1;
}

void TwPlotAxis::PlaceTicks() {
  for (const auto& t : FTickList) {
    t->Show = PointOnScale(t->Position);
    if (t->Show) t->PositionPixels = PositionToPixels(t->Position);
  }
}

// ---- builder ----

void TwPlotAxis::UpdateTicks(Canvas& Canvas) {
  FMonthModeEnabled = FYearModeEnabled = false;
  CalcScaleRect(Canvas);
  if (FTickListCustom) {
    PlaceTicks();
    return;
  }
  try {
    FreeTicks();
    Canvas.Font = FLabelsFont;
    const double w0 = MaxLineTextWidth(Canvas, QStringLiteral("0"));
    const double h0 = TextHeightCalc(Canvas, QStringLiteral("0"));
    const bool upright = FLabelsRotation == ira000 || FLabelsRotation == ira180;
    int pitch = IsHorz() == upright ? RoundEven(MaxLabelWidth(Canvas, FLabelsFont) + w0 * (FLabelSeparation + 1))
                                    : RoundEven(h0 * (FLabelSeparation + 1));
    pitch = std::max(pitch, 1);
    const int length = IsHorz() ? FScaleRect.Right - FScaleRect.Left : FScaleRect.Bottom - FScaleRect.Top;
    BuildTicks(std::max(length / pitch, 1));
  } catch (...) {
    PlaceTicks();
    throw;
  }
}

void TwPlotAxis::BuildTicks(int c) {
  FreeTicks();
  FMonthModeEnabled = FYearModeEnabled = false;
  struct Place {
    TwPlotAxis* axis;
    ~Place() { axis->PlaceTicks(); }
  } place{this};
  c = std::max(c, 1);
  if (FScaleType == ipstLog10 && MathLog10(Max()) - MathLog10(FMin) > 1) {
    AddLogTicks(c);
    return;
  }
  int n = 0;
  FMajorIncrement = 0;
  if (FSpan <= 1e-299) {
    n = 1;
    FMajorIncrement = FSpan;
  }
  const double length = IsHorz() ? FScaleRect.Right - FScaleRect.Left : FScaleRect.Bottom - FScaleRect.Top;
  if (FDesiredIncrement != 0 && n == 0) {
    const double steps = FSpan / FDesiredIncrement;
    if ((!FLabelsVisible && steps < length / (FMinorCount + 1)) || c > steps) {
      n = RoundEven(steps);
      FMajorIncrement = FDesiredIncrement;
      c = n;
    }
    c = std::max(c, 1);
  }
  if (n == 0) {
    if (FLabelsFormatStyle == iptfDateTime) ChooseDateTimeIncrement(c, n);
    else if (FLabelsFormatStyle == iptfPrice32nds) ChoosePrice32ndsIncrement(c, n);
    else ChooseNiceIncrement(c, n);
  }
  if (n < 2 && c > 1) {
    FMajorIncrement /= 2;
    n = 2;
  }
  if (c < n) {
    n = c;
    FMajorIncrement = FSpan / c;
  }
  FMinorIncrement = FMajorIncrement / (FMinorCount + 1);
  if (FMajorIncrement <= 0 || !std::isfinite(FMajorIncrement)) return;

  // The first position.
  double s;
  const int r = std::max(RoundEven(FMajorIncrement), 1);
  if (FDesiredStart != 0 && FMin <= FDesiredStart && FDesiredStart <= Max()) {
    s = FDesiredStart;
    while (s > FMin) {
      const double lower = s - FMajorIncrement;
      if (lower == s) break;
      s = lower;
    }
  } else if (FMonthModeEnabled || FYearModeEnabled) {
    FMin = std::clamp(FMin, FYearModeEnabled ? -182625.0 : 0.0, 2593224.0);
    FSpan = std::min(FSpan, 36525.0);
    FMajorIncrement = std::max(FMajorIncrement, 1.0);
    const QDate d = DateOf(FMin);
    if (FMonthModeEnabled) {
      const int k = std::max(d.month() / r * r, 1);
      s = AddMonths(DaysOf(QDate(d.year(), k, 1)), -r);
    } else {
      const int year = d.year() / r * r;
      s = DaysOf(QDate(year - r, 1, 1));
    }
  } else {
    s = std::trunc(FMin / FMajorIncrement) * FMajorIncrement - FMajorIncrement;
  }

  const bool minors = FMinorCount >= 1 && !FMonthModeEnabled && !FYearModeEnabled && FMinorIncrement != 0;
  while (s <= Max() + FMajorIncrement) {
    AddAutoTick(ipttMajor, s);
    bool stalled = false;
    if (minors) {
      for (int k = 0; k < FMinorCount; ++k) {
        s += FMinorIncrement;
        AddAutoTick(ipttMinor, s);
      }
    } else if (FMonthModeEnabled) {
      s = AddMonths(s, r);
    } else if (FYearModeEnabled) {
      s = AddMonths(s, 12 * r);
    } else {
      if (s + FMajorIncrement == s) break;
      s += FMajorIncrement;
    }
    if (s + FMinorIncrement == s) stalled = true;
    if (TickListCount() > kMaxTicks || stalled) {
      FreeTicks();
      AddAutoTick(ipttMajor, FMin + FSpan / 2);
      return;
    }
    if (minors) s += FMinorIncrement;
  }
}

void TwPlotAxis::ChooseNiceIncrement(int c, int& n) {
  const int d0 = int(std::trunc(MathLog10(FSpan) - 1 - MathLog10(c)));
  for (int d = d0; d < d0 + 700; ++d) {
    const double p = plotformat::Power10(d);
    for (double f : {1.0, 2.0, 5.0}) {
      const double inc = f * p;
      if (c >= FSpan / inc) {
        FMajorIncrement = inc;
        n = RoundEven(FSpan / inc);
        return;
      }
    }
  }
  FMajorIncrement = FSpan;
  n = 1;
}

namespace {
int DivAtLeastOne(long long u, long long s) { return int(std::max<long long>(u / s, 1)); }
}  // namespace

void TwPlotAxis::ChooseDateTimeIncrement(int c, int& n) {
  const long long g = c - 1;
  struct Unit {
    int (*convert)(double);
    std::initializer_list<int> steps;
    double perDay;
  };
  const Unit units[] = {{DateTimeToMilliseconds, {1, 2, 5, 10, 20, 50, 100, 200, 500}, 86400000.0},
                        {DateTimeToSeconds, {1, 2, 5, 10, 15, 20, 30}, 86400.0},
                        {DateTimeToMinutes, {1, 2, 5, 10, 15, 20, 30}, 1440.0},
                        {DateTimeToHours, {1, 2, 4, 6, 12}, 24.0}};
  for (const Unit& unit : units) {
    const long long u = unit.convert(FSpan);
    for (int s : unit.steps) {
      if (g >= u / s) {
        n = DivAtLeastOne(u, s);
        FMajorIncrement = s / unit.perDay;
        return;
      }
    }
  }
  const long long days = (long long)std::trunc(FSpan);
  for (int s : {1, 7, 14}) {
    if (g >= days / s) {
      n = DivAtLeastOne(days, s);
      FMajorIncrement = s;
      return;
    }
  }
  const std::pair<int, int> months[] = {{31, 1}, {61, 2}, {92, 3}, {183, 6}};
  for (auto [s, m] : months) {
    if (g >= days / s) {
      FMonthModeEnabled = true;
      n = DivAtLeastOne(days, s);
      FMajorIncrement = m;
      return;
    }
  }
  FYearModeEnabled = true;
  for (long long scale = 1; scale < 1000000000LL; scale *= 10) {
    for (auto [s, y] : {std::pair<long long, long long>{365, 1}, {730, 2}, {1825, 5}}) {
      if (g >= days / (s * scale)) {
        n = DivAtLeastOne(days, s * scale);
        FMajorIncrement = double(y * scale);
        return;
      }
    }
  }
  n = 1;
  FMajorIncrement = FSpan;
}

void TwPlotAxis::ChoosePrice32ndsIncrement(int c, int& n) {
  for (double inc : {1.0 / 256, 1.0 / 128, 1.0 / 64, 1.0 / 32, 1.0 / 16, 1.0 / 8, 1.0 / 4, 1.0 / 2}) {
    if (c >= FSpan / inc) {
      FMajorIncrement = inc;
      n = int(std::trunc(FSpan / inc));
      return;
    }
  }
  for (int d = 0; d < 310; ++d) {
    const double p = plotformat::Power10(d);
    for (double f : {1.0, 2.0, 5.0}) {
      if (c >= FSpan / (f * p)) {
        FMajorIncrement = f * p;
        n = int(std::trunc(FSpan / FMajorIncrement));
        return;
      }
    }
  }
  FMajorIncrement = FSpan;
  n = 1;
}

void TwPlotAxis::AddLogTicks(int c) {
  const double base = FMin <= 0 ? 1 : FMin;
  const double D = MathLog10(Max()) - MathLog10(FMin);
  int step = 1, e;
  if (c < D) {
    step = 200;
    for (int s : {1, 2, 5, 10, 20, 50, 100, 200}) {
      if (c >= D / s) {
        step = s;
        break;
      }
    }
    e = int(std::trunc(MathLog10(base)));
  } else {
    e = int(std::trunc(MathLog10(FMin))) - 1;
  }
  while (base + FSpan >= plotformat::Power10(e) && e < 400) {
    const double p = plotformat::Power10(e);
    AddAutoTick(ipttMajor, p);
    if (step == 1)
      for (int k = 2; k <= 9; ++k) AddAutoTick(ipttMinor, k * p);
    e += step;
  }
}

// ---- texts ----

QString TwPlotAxis::FormatAxisValue(TwPlotTextFormat Style, const QString& ADateTimeFormat, double Value,
                                    TwPrecisionStyle PrecisionStyle, int Precision, bool AutoAdjust,
                                    double& MinLength) {
  QString text = QStringLiteral("Unknown");
  try {
    switch (Style) {
      case iptfValue:
        if (FScaleType == ipstLinear) {
          text = plotformat::Fixed(Value, CalcAutoPrecision(Precision, PrecisionStyle, FSpan, 0));
        } else if (!std::isfinite(Value)) {
          throw TwException("Value is not a number");
        } else if (Value > 0) {
          const int d = PrecisionStyle == ipsFixedDecimalPoints
                            ? Precision
                            : std::max(Precision - 1 - int(std::trunc(MathLog10(Value))), 0);
          text = plotformat::Fixed(Value, d);
        }
        break;
      case iptfExponent:
        text = plotformat::Exponent(Value, PrecisionStyle == ipsSignificantDigits ? Precision : Precision + 1);
        break;
      case iptfPrefix: {
        int d = 0;
        const QString prefixed = plotformat::Prefix(Value, Precision, PrecisionStyle, d);
        if (!prefixed.isEmpty()) text = prefixed;
        if (FSpan > 1e-10 && Value > -1e-12 && Value < 1e-12)
          text = d > 0 ? QStringLiteral("0.") + QString(d, QLatin1Char('0')) : QStringLiteral("0");
        break;
      }
      case iptfDateTime:
        if (ADateTimeFormat.startsWith(QLatin1Char('J'), Qt::CaseInsensitive))
          text = (QString::number(std::trunc(Value), 'f', 0) + QLatin1Char(' ') +
                  plotformat::DateTime(ADateTimeFormat.mid(1), Value))
                     .trimmed();
        else
          text = plotformat::DateTime(ADateTimeFormat, Value).trimmed();
        break;
      case iptfPrice32nds:
        text = plotformat::Price32nds(Value);
        break;
      case iptfThousands:
        text = plotformat::Thousands(Value, CalcAutoPrecision(Precision, PrecisionStyle, FSpan, 0));
        break;
    }
  } catch (...) {
    text = QStringLiteral("Error");
  }
  if (Owner()) {
    FCustomizeLabelEventModified = false;
    FCustomizeLabelEventText = text;
    Owner()->DoCustomizeLabelEvent(this, text, Value);
    if (FCustomizeLabelEventModified) text = FCustomizeLabelEventText;
  }
  if (AutoAdjust && FAllowLabelMinAdjust && text.size() > MinLength) MinLength = text.size();
  return text;
}

void TwPlotAxis::SetCustomizeLabelEventText(const QString& Text) {
  FCustomizeLabelEventText = Text;
  FCustomizeLabelEventModified = true;
  if (Owner()) Owner()->SetCustomizeLabelText(Text);
}

namespace {
QString OneLine(QString Text) {
  Text.replace(QLatin1String("\r\n"), QLatin1String(" "));
  Text.replace(QLatin1Char('\r'), QLatin1Char(' '));
  return Text;
}
}  // namespace

QString TwPlotAxis::GetLabelText(double Value) {
  return FormatAxisValue(FLabelsFormatStyle, FDateTimeFormat, Value, FLabelsPrecisionStyle, FLabelsPrecision,
                         FLabelsMinLengthAutoAdjust, FLabelsMinLength);
}

QString TwPlotAxis::GetCursorText(double Value) {
  if (CursorUseDefaultFormat) return OneLine(GetLabelText(Value));
  return OneLine(FormatAxisValue(CursorFormatStyle, CursorDateTimeFormat, Value, CursorPrecisionStyle,
                                 CursorPrecision, CursorMinLengthAutoAdjust, CursorMinLength));
}

QString TwPlotAxis::GetLegendText(double Value) {
  if (LegendUseDefaultFormat) return OneLine(GetLabelText(Value));
  return OneLine(FormatAxisValue(LegendFormatStyle, LegendDateTimeFormat, Value, LegendPrecisionStyle,
                                 LegendPrecision, LegendMinLengthAutoAdjust, LegendMinLength));
}

QString TwPlotAxis::GetCursorValueText(double Value) {
  if (CursorUseDefaultFormat)
    return OneLine(FormatAxisValue(iptfValue, QString(), Value, FLabelsPrecisionStyle, FLabelsPrecision,
                                   FLabelsMinLengthAutoAdjust, FLabelsMinLength));
  return OneLine(FormatAxisValue(iptfValue, QString(), Value, CursorPrecisionStyle, CursorPrecision,
                                 CursorMinLengthAutoAdjust, CursorMinLength));
}
