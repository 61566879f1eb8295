// TwPlotAxis: properties, scale geometry, value and pixel mapping, the
// extents the layout reads, drawing, references, hint and popup menu.
#include "plot/wPlotAxis.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "controls/wMath.h"
#include "plot/wPlotComponent.h"

using platform::Canvas;
using platform::TColor;
using platform::TRect;

namespace {

int RoundEven(double v) {
  if (std::isnan(v)) return 0;
  v = std::clamp(v, double(INT_MIN / 2), double(INT_MAX / 2));
  return int(std::nearbyint(v));
}

bool SameName(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

}  // namespace

TwPlotAxis::TwPlotAxis(TwPlotComponent* AOwner, TwNotifyEvent AOnChange, TwNotifyEvent AOnInsert,
                       TwNotifyEvent AOnRemove, TwNotifyEvent AOnRename)
    : TwPlotLayoutObject(AOwner, std::move(AOnChange), std::move(AOnInsert), std::move(AOnRemove),
                         std::move(AOnRename)) {
  FLabelsFont.Color = platform::clWhite;
  FTitleFont.Name = QStringLiteral("Arial");
  FTitleFont.SetSize(10);
  FTitleFont.Style = platform::fsBold;
  FTitleFont.Color = platform::clWhite;
}

TwPlotAxis::~TwPlotAxis() = default;

TwPlotXAxis::TwPlotXAxis(TwPlotComponent* AOwner, TwNotifyEvent AOnChange, TwNotifyEvent AOnInsert,
                         TwNotifyEvent AOnRemove, TwNotifyEvent AOnRename)
    : TwPlotAxis(AOwner, std::move(AOnChange), std::move(AOnInsert), std::move(AOnRemove), std::move(AOnRename)) {
  // A time-series plot would scroll smoothly; the XY plot scales.
  FTrackingStyle = iptsScaleMinMax;
  FTrackingAlignFirstStyle = ipafsAuto;
}

TwPlotYAxis::TwPlotYAxis(TwPlotComponent* AOwner, TwNotifyEvent AOnChange, TwNotifyEvent AOnInsert,
                         TwNotifyEvent AOnRemove, TwNotifyEvent AOnRename)
    : TwPlotAxis(AOwner, std::move(AOnChange), std::move(AOnInsert), std::move(AOnRemove), std::move(AOnRename)) {
  FTrackingStyle = iptsScaleMinMax;
  FTrackingAlignFirstStyle = ipafsNone;
}

bool TwPlotAxis::IsXAxis() const { return dynamic_cast<const TwPlotXAxis*>(this) != nullptr; }

// ---- plain setters ----

namespace {
template <class T>
bool StoreIfChanged(T& Field, const T& Value) {
  if (Field == Value) return false;
  Field = Value;
  return true;
}
}  // namespace

void TwPlotAxis::SetScaleType(TwPlotScaleType Value) {
  if (!StoreIfChanged(FScaleType, Value)) return;
  if (FScaleType == ipstLog10 && FMin <= 0) FMin = 1.0;
  DoChange();
}

void TwPlotAxis::SetReverseScale(bool Value) {
  if (StoreIfChanged(FReverseScale, Value)) DoChange();
}
void TwPlotAxis::SetLabelsFont(const platform::TFont& Value) {
  if (StoreIfChanged(FLabelsFont, Value)) DoChange();
}
void TwPlotAxis::SetTitleFont(const platform::TFont& Value) {
  if (StoreIfChanged(FTitleFont, Value)) DoChange();
}
void TwPlotAxis::SetLabelsRotation(TwRotationAngle Value) {
  if (StoreIfChanged(FLabelsRotation, Value)) DoChange();
}
void TwPlotAxis::SetLabelsPrecisionStyle(TwPrecisionStyle Value) {
  if (StoreIfChanged(FLabelsPrecisionStyle, Value)) DoChange();
}
void TwPlotAxis::SetLabelsFormatStyle(TwPlotTextFormat Value) {
  if (StoreIfChanged(FLabelsFormatStyle, Value)) DoChange();
}
void TwPlotAxis::SetTrackingStyle(TwPlotTrackingStyle Value) {
  if (StoreIfChanged(FTrackingStyle, Value)) DoChange();
}
void TwPlotAxis::SetTrackingIncrementStyle(TwPlotTrackingIncrementStyle Value) {
  if (StoreIfChanged(FTrackingIncrementStyle, Value)) DoChange();
}
void TwPlotAxis::SetTrackingAlignFirstStyle(TwPlotAlignFirstStyle Value) {
  if (StoreIfChanged(FTrackingAlignFirstStyle, Value)) DoChange();
}

void TwPlotAxis::SetCartesianStyle(TwPlotCartesianStyle Value) {
  if (StoreIfChanged(FCartesianStyle, Value)) DoLayoutChange();
}

void TwPlotAxis::SetCartesianChildRefAxisName(const QString& Value) {
  FCartesianRefAxis = nullptr;
  SetStringProperty(Value, FCartesianChildRefAxisName, ipnChange);
}

void TwPlotAxis::SetAlignRefAxisName(const QString& Value) {
  FAlignRefAxis = nullptr;
  SetStringProperty(Value, FAlignRefAxisName, ipnChange);
}

// ---- references ----

TwPlotAxis* TwPlotAxis::GetCartesianRefAxis() {
  if (!FCartesianRefAxis && Owner()) {
    if (IsXAxis()) FCartesianRefAxis = Owner()->GetYAxisByName(FCartesianChildRefAxisName);
    else FCartesianRefAxis = Owner()->GetXAxisByName(FCartesianChildRefAxisName);
  }
  return FCartesianRefAxis;
}

TwPlotAxis* TwPlotAxis::GetAlignRefAxis() {
  if (!FAlignRefAxis && Owner()) {
    if (IsXAxis()) FAlignRefAxis = Owner()->GetXAxisByName(FAlignRefAxisName);
    else FAlignRefAxis = Owner()->GetYAxisByName(FAlignRefAxisName);
    if (FAlignRefAxis == this) FAlignRefAxis = nullptr;
  }
  return FAlignRefAxis;
}

void TwPlotAxis::NotificationRemove(TwPersistent* Sender) {
  if (Sender == FCartesianRefAxis) FCartesianRefAxis = nullptr;
  if (Sender == FAlignRefAxis) FAlignRefAxis = nullptr;
}

void TwPlotAxis::NotificationRename(TwPersistent* Sender) {
  if (Sender && Sender == FCartesianRefAxis) FCartesianChildRefAxisName = FCartesianRefAxis->Name();
}

void TwPlotAxis::NotificationSetFocus(TwPersistent* Sender) {
  if (Sender == this) return;
  const bool multi = ShiftState() & (Qt::ShiftModifier | Qt::ControlModifier);
  if (dynamic_cast<TwPlotAxis*>(Sender) && multi) return;
  if (UserSelected()) SetUserSelected(false);
}

// ---- scale geometry ----

int TwPlotAxis::LabelExtent(Canvas& Canvas, bool Across) {
  Canvas.Font = FLabelsFont;
  const bool upright = FLabelsRotation == ira000 || FLabelsRotation == ira180;
  // Along a horizontal axis an upright label spans its width; across it its height.
  const bool width = IsHorz() ? (upright != Across) : (upright == Across);
  return width ? MaxLabelWidth(Canvas, FLabelsFont) : TextHeightCalc(Canvas, GetLabelText(FMin));
}

void TwPlotAxis::CalcScaleRect(Canvas& Canvas) {
  if (IsCartesian()) FQuadSide = IsHorz() ? iqsBottom : iqsRight;
  else if (IsHorz()) FQuadSide = ReverseSide() ? iqsTop : iqsBottom;
  else FQuadSide = ReverseSide() ? iqsRight : iqsLeft;
  Canvas.Font = FLabelsFont;
  const TRect draw = DrawRect();
  if (IsHorz()) {
    FScaleRect.Top = draw.Top;
    FScaleRect.Bottom = draw.Bottom;
    FFocusRect.Top = draw.Top + 2;
    FFocusRect.Bottom = draw.Bottom - 2;
    const int e = FLabelsVisible ? LabelExtent(Canvas, false) : 0;
    const int w0 = MaxLineTextWidth(Canvas, QStringLiteral("0"));
    const int d = IsCartesian() ? 0 : RoundEven(e / 2.0) + RoundEven(w0 * FStackingEndsMargin);
    FScaleRect.Left = StartStacked() ? draw.Left + d : draw.Left;
    FScaleRect.Right = StopStacked() ? draw.Right - d : draw.Right;
    FFocusRect.Left = FScaleRect.Left - d;
    FFocusRect.Right = FScaleRect.Right + d;
    FActualStart = FScaleRect.Left;
    FActualStop = FScaleRect.Right;
  } else {
    FScaleRect.Left = draw.Left;
    FScaleRect.Right = draw.Right;
    FFocusRect.Left = draw.Left + 2;
    FFocusRect.Right = draw.Right - 2;
    // Measured also without labels: stacked vertical ends keep their inset.
    const int e = LabelExtent(Canvas, false);
    const int h0 = TextHeightCalc(Canvas, QStringLiteral("0"));
    const int d = IsCartesian() ? 0 : (e + RoundEven(h0 * FStackingEndsMargin)) / 2;
    FScaleRect.Bottom = StartStacked() ? draw.Bottom - d : draw.Bottom;
    FScaleRect.Top = StopStacked() ? draw.Top + d : draw.Top;
    FFocusRect.Bottom = FScaleRect.Bottom + d;
    FFocusRect.Top = FScaleRect.Top - d;
    FActualStart = FScaleRect.Bottom;
    FActualStop = FScaleRect.Top;
  }
  if (FReverseScale) std::swap(FActualStart, FActualStop);
}

double TwPlotAxis::PixelsPerSpanUnit() const {
  // From the current Span, so that a range changed since the last layout maps at once.
  const double p = (FActualStart - FActualStop) / FSpan;
  return std::isnan(p) || std::fabs(p) > 1e300 ? 0 : p;
}

// ---- values and pixels ----

int TwPlotAxis::PositionToPixels(double Value) const {
  if (FActualStart == FActualStop || FSpan <= 1e-300) return (FActualStart + FActualStop) / 2;
  if (FScaleType == ipstLinear) {
    const double offset = (Value - FMin) * PixelsPerSpanUnit();
    if (std::isnan(offset)) return (FActualStart + FActualStop) / 2;
    const long long r = std::llrint(std::clamp(offset, -1e15, 1e15));
    return int(std::clamp<long long>(FActualStart - r, -32000, 32000));
  }
  const double m = FMin <= 0 ? 1 : FMin;
  const double s = FSpan <= 0 ? 1 : FSpan;
  const double L = MathLog10(m + s) - MathLog10(m);
  if (L == 0) return 0;
  const double v = Value <= 0 ? 1 : Value;
  return FActualStart - RoundEven((MathLog10(v) - MathLog10(m)) * (FActualStart - FActualStop) / L);
}

double TwPlotAxis::PixelsToPosition(int Pixels) const {
  double f;
  if (IsHorz()) {
    const double w = FScaleRect.Right - FScaleRect.Left;
    if (w == 0) return FMin;
    f = FReverseScale ? (FScaleRect.Right - Pixels) / w : (Pixels - FScaleRect.Left) / w;
  } else {
    const double h = FScaleRect.Bottom - FScaleRect.Top;
    if (h == 0) return FMin;
    f = FReverseScale ? (Pixels - FScaleRect.Top) / h : (FScaleRect.Bottom - Pixels) / h;
  }
  if (FScaleType == ipstLinear) return FMin + FSpan * f;
  // A Min set to 0 or below counts as 1, as in PositionToPixels.
  const double m = FMin <= 0 ? 1 : FMin;
  const double s = FSpan <= 0 ? 1 : FSpan;
  return MathPower(10, MathLog10(m) + (MathLog10(m + s) - MathLog10(m)) * f);
}

int TwPlotAxis::WidthToPixels(double Value) const {
  return std::abs(PositionToPixels(FMin + Value) - PositionToPixels(FMin));
}

bool TwPlotAxis::PointOnScale(double Value) const {
  const int p = PositionToPixels(Value);
  if (IsHorz()) return p >= FScaleRect.Left && p <= FScaleRect.Right;
  return p >= FScaleRect.Top && p <= FScaleRect.Bottom;
}

double TwPlotAxis::PositionToPercent(double Value) const {
  return FReverseScale ? (Max() - Value) / FSpan : (Value - FMin) / FSpan;
}

double TwPlotAxis::PercentToPosition(double Fraction) const {
  const double delta = StopPercent() - StartPercent();
  if (delta <= 0) return 0;
  if (FScaleType == ipstLinear) {
    if (FReverseScale) return Max() - Fraction * FSpan;
    return ((Fraction * 100 - StartPercent()) / delta) * FSpan + FMin;
  }
  const double x = FReverseScale ? 1 - Fraction : Fraction;
  return MathPower(10, MathLog10(FMin) + x * (MathLog10(Max()) - MathLog10(FMin)));
}

// ---- extents for the layout ----

int TwPlotAxis::MaxLabelWidth(Canvas& Canvas, const platform::TFont& Font) {
  Canvas.Font = Font;
  int widest = RoundEven(Canvas.TextWidth("0") * FLabelsMinLength);
  const double sample = FSpan != 0 ? std::trunc(FMin / FSpan) * FSpan + FSpan : FMin;
  FAllowLabelMinAdjust = true;
  QString text;
  try {
    text = GetLabelText(sample);
  } catch (...) {
    FAllowLabelMinAdjust = false;
    throw;
  }
  FAllowLabelMinAdjust = false;
  Canvas.Font = Font;
  widest = std::max(widest, MaxLineTextWidth(Canvas, text));
  for (const auto& t : FTickList) widest = std::max(widest, MaxLineTextWidth(Canvas, t->Text));
  return widest;
}

int TwPlotAxis::LegendMinWidth(Canvas& Canvas, const platform::TFont& Font) {
  Canvas.Font = Font;
  const double n = LegendUseDefaultFormat ? FLabelsMinLength : LegendMinLength;
  return RoundEven(MaxLineTextWidth(Canvas, QStringLiteral("0")) * n);
}

int TwPlotAxis::CursorMinWidth(Canvas& Canvas, const platform::TFont& Font) {
  Canvas.Font = Font;
  const double n = CursorUseDefaultFormat ? FLabelsMinLength : CursorMinLength;
  return RoundEven(MaxLineTextWidth(Canvas, QStringLiteral("0")) * n);
}

int TwPlotAxis::GetRequiredWidth(Canvas& Canvas) {
  int t = 0;
  if (FTitleShow && !IsCartesian()) {
    Canvas.Font = FTitleFont;
    const int h = TextHeightCalc(Canvas, FTitle);
    const int a = FTitleRotated ? MaxLineTextWidth(Canvas, FTitle) : h;
    t = RoundEven(h * FTitleMargin + a);
  }
  const int k = FScaleLinesShow ? std::max(std::max(FMajorLength, 0), FMinorLength) : 0;
  int m = 0, x = 0;
  if (FLabelsVisible) {
    Canvas.Font = FLabelsFont;
    m = RoundEven(Canvas.TextHeight("A") * FLabelsMargin);
    x = LabelExtent(Canvas, true);
  }
  FTitleOffset = k + FInnerMargin + m + x;
  FRequiredWidth = FInnerMargin + FOuterMargin + k + m + x + t;
  return FRequiredWidth;
}

int TwPlotAxis::GetEndsOverhang(Canvas& Canvas) {
  if (!FLabelsVisible) return 0;
  Canvas.Font = FLabelsFont;
  const bool upright = FLabelsRotation == ira000 || FLabelsRotation == ira180;
  if (IsHorz() != upright) return TextHeightCalc(Canvas, QStringLiteral("XYZ")) / 2;
  return MaxLabelWidth(Canvas, FLabelsFont) / 2;
}

// ---- drawing ----

void TwPlotAxis::PrepareDraw(Canvas& Canvas) {
  TwPlotLayoutObject::PrepareDraw(Canvas);
  if (!IsCartesian() || !Owner()) return;
  const TRect& s = FScaleRect;
  TRect r;
  switch (FQuadSide) {
    case iqsLeft: r = {s.Right, s.Top, s.Right + 1, s.Bottom + 1}; break;
    case iqsTop: r = {s.Left, s.Bottom, s.Right, s.Bottom + 1}; break;
    case iqsRight: r = {s.Left, s.Top, s.Left + 1, s.Bottom + 1}; break;
    case iqsBottom: r = {s.Left, s.Top, s.Right + 1, s.Top + 1}; break;
  }
  Owner()->AddCollisionRect(r);
}

void TwPlotAxis::Draw(Canvas& Canvas, TColor) {
  if (!Visible()) return;
  PlaceTicks();
  if (FLabelsVisible)
    for (const auto& t : FTickList)
      if (t->Show && t->TickType == ipttMajor) DrawLabel(Canvas, *t);
  if (FScaleLinesShow) DrawScale(Canvas);
  if (IsCartesian()) {
    const int start = (IsHorz() ? Top() : Left()) - (FMajorLength + 1) / 2 - 5;
    if (IsHorz()) {
      FFocusRect.Top = start;
      FFocusRect.Bottom = start + FRequiredWidth;
    } else {
      FFocusRect.Left = start;
      FFocusRect.Right = start + FRequiredWidth;
    }
  } else {
    DrawTitle(Canvas);
  }
  if (UserSelected()) {
    Canvas.Font.Color = platform::clWhite;
    DrawFocusRectangle(Canvas, {FFocusRect.Left, FFocusRect.Top, FFocusRect.Right + 1, FFocusRect.Bottom + 1});
  }
}

void TwPlotAxis::DrawScale(Canvas& Canvas) {
  Canvas.Brush.Style = platform::bsSolid;
  Canvas.Pen = platform::TPen{FScaleLinesColor, 1, platform::psSolid, platform::pmCopy};
  if (FScaleLineShow) DrawScaleLine(Canvas);
  for (const auto& t : FTickList)
    if (t->Show) DrawTickMark(Canvas, *t);
}

void TwPlotAxis::DrawScaleLine(Canvas& Canvas) {
  Canvas.Pen = platform::TPen{FScaleLinesColor, 1, platform::psSolid, platform::pmCopy};
  const int i = IsCartesian() ? 0 : FInnerMargin;
  const TRect& s = FScaleRect;
  switch (FQuadSide) {
    case iqsLeft: Canvas.MoveTo(s.Right - i, s.Top); Canvas.LineTo(s.Right - i, s.Bottom + 1); break;
    case iqsTop: Canvas.MoveTo(s.Left, s.Bottom - i); Canvas.LineTo(s.Right, s.Bottom - i); break;
    case iqsRight: Canvas.MoveTo(s.Left + i, s.Top); Canvas.LineTo(s.Left + i, s.Bottom + 1); break;
    case iqsBottom: Canvas.MoveTo(s.Left, s.Top + i); Canvas.LineTo(s.Right + 1, s.Top + i); break;
  }
}

void TwPlotAxis::DrawTickMark(Canvas& Canvas, const TwPlotTickObject& Tick) {
  const int length = Tick.TickType == ipttMajor ? FMajorLength : FMinorLength;
  int from, to;
  if (IsCartesian()) {
    const int h = (length + 1) / 2;
    from = -h;
    to = h;
  } else {
    from = FInnerMargin;
    to = FInnerMargin + length;
  }
  const int p = Tick.PositionPixels;
  // Distances from the inner edge, outward.
  auto line = [&](int x1, int y1, int x2, int y2) {
    Canvas.MoveTo(x1, y1);
    Canvas.LineTo(x2, y2);
  };
  TRect mark;
  switch (FQuadSide) {
    case iqsLeft: line(Right() - from, p, Right() - to, p); mark = {Right() - to, p, Right() - from, p + 1}; break;
    case iqsTop: line(p, Bottom() - from, p, Bottom() - to); mark = {p, Bottom() - to, p + 1, Bottom() - from}; break;
    case iqsRight: line(Left() + from, p, Left() + to, p); mark = {Left() + from, p, Left() + to, p + 1}; break;
    case iqsBottom: line(p, Top() + from, p, Top() + to); mark = {p, Top() + from, p + 1, Top() + to}; break;
  }
  if (IsCartesian() && Owner()) Owner()->AddCollisionRect(mark);
}

void TwPlotAxis::DrawLabel(Canvas& Canvas, const TwPlotTickObject& Tick) {
  Canvas.Brush.Style = platform::bsClear;
  Canvas.Font = FLabelsFont;
  const QString& text = Tick.Text;
  const int m = RoundEven(TextHeightCalc(Canvas, QStringLiteral("A")) * FLabelsMargin);
  const int h = TextHeightCalc(Canvas, text), w = MaxLineTextWidth(Canvas, text);
  const int W = w / 2, H = h / 2;
  int g;
  if (IsCartesian()) g = m + (FMajorLength + 1) / 2;
  else if (FScaleLinesShow) g = FInnerMargin + FMajorLength + m;
  else g = FInnerMargin + m;
  const int p = Tick.PositionPixels;
  const bool upright = FLabelsRotation == ira000 || FLabelsRotation == ira180;
  const int R = Right(), B = Bottom(), L = Left(), T = Top();
  TRect r;
  switch (FQuadSide) {
    case iqsLeft: r = upright ? TRect{R - g - w, p - H, R - g, p + H} : TRect{R - g - h, p - W, R - g, p + W}; break;
    case iqsTop: r = upright ? TRect{p - W, B - g - h, p + W, B - g} : TRect{p - H, B - g - w, p + H, B - g}; break;
    case iqsRight: r = upright ? TRect{L + g, p - H, L + g + w, p + H} : TRect{L + g, p - W, L + g + h, p + W}; break;
    case iqsBottom: r = upright ? TRect{p - W, T + g, p + W, T + g + h} : TRect{p - H, T + g, p + H, T + g + w}; break;
  }
  if (IsCartesian() && Owner() && !Owner()->TryAddCollisionRect(r)) return;
  TRect out;
  DrawTextRotated(Canvas, text, r, out, platform::clBtnFace, true, iahCenter, FLabelsRotation);
}

void TwPlotAxis::DrawTitle(Canvas& Canvas) {
  if (!FTitleShow || FTitle.trimmed().isEmpty()) return;
  Canvas.Font = FTitleFont;
  Canvas.Brush.Style = platform::bsClear;
  int a, b;
  if (FTitleRotated) {
    a = MaxLineTextWidth(Canvas, FTitle);
    b = TextHeightCalc(Canvas, FTitle);
  } else {
    a = TextHeightCalc(Canvas, FTitle);
    b = MaxLineTextWidth(Canvas, FTitle);
  }
  const TRect& s = FScaleRect;
  const int c = (s.Top + s.Bottom) / 2, b2 = b / 2;
  TRect r;
  TwRotationAngle angle;
  switch (FQuadSide) {
    case iqsTop:
      r = {s.Left, s.Top + FOuterMargin, s.Right, s.Top + FOuterMargin + a};
      angle = FTitleRotated ? ira090 : ira000;
      break;
    case iqsBottom:
      r = {s.Left, s.Bottom - FOuterMargin - a, s.Right, s.Bottom - FOuterMargin};
      angle = FTitleRotated ? ira090 : ira000;
      break;
    case iqsLeft:
      r = {s.Left + FOuterMargin, c - b2, s.Left + FOuterMargin + a, c + b2};
      angle = FTitleRotated ? ira000 : ira090;
      break;
    case iqsRight:
    default:
      r = {s.Right - FOuterMargin - a, c - b2, s.Right - FOuterMargin, c + b2};
      angle = FTitleRotated ? ira000 : ira090;
      break;
  }
  TRect out;
  DrawTextRotated(Canvas, FTitle, r, out, platform::clBtnFace, true, iahCenter, angle);
}

void TwPlotAxis::DrawGridLines(Canvas& Canvas, const TRect& Rect, int MinorWidth, int MajorWidth, TColor MinorColor,
                               TColor MajorColor, TwPlotGridLineStyle MinorStyle, TwPlotGridLineStyle MajorStyle,
                               bool ShowMinors, bool ShowMajors) {
  if (!FGridLinesVisible) return;
  auto penStyle = [](TwPlotGridLineStyle s) {
    return s == ipglsDash ? platform::psDash : s == ipglsDot ? platform::psDot : platform::psSolid;
  };
  for (const auto& t : FTickList) {
    if (!t->Show) continue;
    const bool major = t->TickType == ipttMajor;
    if (major ? !ShowMajors : !ShowMinors) continue;
    Canvas.Pen = major ? platform::TPen{MajorColor, MajorWidth, penStyle(MajorStyle), platform::pmCopy}
                       : platform::TPen{MinorColor, MinorWidth, penStyle(MinorStyle), platform::pmCopy};
    const int p = t->PositionPixels;
    if (IsHorz()) {
      Canvas.MoveTo(p, Rect.Top);
      Canvas.LineTo(p, Rect.Bottom);
    } else {
      Canvas.MoveTo(Rect.Left, p);
      Canvas.LineTo(Rect.Right, p);
    }
  }
}

// ---- hit, hint, menu ----

bool TwPlotAxis::DoHitTest(const TwPlotMouseData& MouseData) {
  const TRect& f = FFocusRect;
  return MouseData.X >= f.Left && MouseData.X < f.Right && MouseData.Y >= f.Top && MouseData.Y < f.Bottom;
}

void TwPlotAxis::DoMouseHint(const TwPlotMouseData& MouseData, TwHintData& HintData) {
  if (!FTitleShow && Owner()) {
    HintData.Text = FTitle;
    HintData.Left = MouseData.X;
    HintData.Top = MouseData.Y - 20;
    const QFontMetrics fm(platform::ToQFont(Owner()->HintsFont()));
    HintData.Width = fm.horizontalAdvance(FTitle) + 4;
    HintData.Height = fm.height() + 4;
  }
  DoMouseCustomizeHint(HintData.Text);
}

void TwPlotAxis::DoMouseCustomizeHint(QString& Text) {
  if (!Owner()) return;
  if (IsXAxis()) Owner()->DoXAxisCustomizeHintEvent(this, Text);
  else Owner()->DoYAxisCustomizeHintEvent(this, Text);
}

void TwPlotAxis::AddMenuItems(TwPlotPopupMenu* PopupMenu) {
  TwPlotLayoutObject::AddMenuItems(PopupMenu);
  AddEditMenuItem(PopupMenu);
  platform::MenuItem* tracking = PopupMenu->Insert(0, TranslateText(QStringLiteral("Tracking Enabled")));
  tracking->SetChecked(FTrackingEnabled);
  tracking->OnClick = [this](QObject*) { SetTrackingEnabled(!FTrackingEnabled); };
  platform::MenuItem* resume = PopupMenu->Insert(1, TranslateText(QStringLiteral("Update Resume Values")));
  resume->SetEnabled(!FTrackingEnabled && (FMin != FPreviousMin || FSpan != FPreviousSpan));
  resume->OnClick = [this](QObject*) { UpdateResumeValues(); };
  platform::MenuItem* fit = PopupMenu->Insert(2, TranslateText(QStringLiteral("Zoom to Fit")));
  fit->OnClick = [this](QObject*) { ZoomToFit(); };
}
