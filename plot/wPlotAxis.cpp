#include "plot/wPlotAxis.h"

#include <QFontMetrics>
#include <QPainter>

#include <cmath>

namespace {
struct AxisDefaults {
  QColor labels{255, 255, 255};
  QColor scaleLines{255, 255, 255};
  int labelGap = 3;
  int targetMajorTicks = 8;
};
const AxisDefaults kAxis;

// 1, 2 or 5 times a power of ten, near span / count.
double TidyStep(double span, int count) {
  if (span <= 0 || count <= 0) return 1;
  const double raw = span / count;
  const double mag = std::pow(10.0, std::floor(std::log10(raw)));
  const double m = raw / mag;
  return (m <= 1 ? 1 : m <= 2 ? 2 : m <= 5 ? 5 : 10) * mag;
}
}  // namespace

TwPlotAxis::TwPlotAxis(TwPlotComponent* AOwner, TwNotifyEvent AOnChange, TwNotifyEvent AOnInsert,
                       TwNotifyEvent AOnRemove, TwNotifyEvent AOnRename)
    : TwPlotLayoutObject(AOwner, std::move(AOnChange), std::move(AOnInsert), std::move(AOnRemove),
                         std::move(AOnRename)),
      FLabelsColor(kAxis.labels),
      FScaleLinesColor(kAxis.scaleLines) {}

void TwPlotAxis::SetCartesianStyle(TwPlotCartesianStyle v) {
  if (v == FCartesianStyle) return;
  FCartesianStyle = v;
  DoLayoutChange();
}

void TwPlotAxis::CalcScaleRect() {
  FScaleRect = DrawRect();
  if (IsHorz()) SetPixelRange(FScaleRect.Left, FScaleRect.Right);
  else SetPixelRange(FScaleRect.Bottom, FScaleRect.Top);
}

int TwPlotAxis::GetRequiredWidth(platform::Canvas&) { return RequiredWidth(QFontMetrics(FLabelsFont)); }

int TwPlotAxis::GetEndsOverhang(platform::Canvas&) {
  if (!Visible() || !FLabelsVisible) return 0;
  const QFontMetrics fm(FLabelsFont);
  if (!IsHorz()) return fm.height() / 2;
  int widest = 0;
  for (const TwPlotTick& t : Ticks())
    if (t.Major) widest = std::max(widest, fm.horizontalAdvance(t.Text));
  return widest / 2;
}

void TwPlotAxis::AddMenuItems(TwPlotPopupMenu* PopupMenu) {
  TwPlotLayoutObject::AddMenuItems(PopupMenu);
  AddEditMenuItem(PopupMenu);
}

void TwPlotAxis::Draw(platform::Canvas& Canvas, platform::TColor) {
  // The landed drawing reads the data view's edge: the axis's inner side.
  const QRect view = IsHorz() ? QRect(QPoint(Left(), Top() - 1), QPoint(Right(), Top()))
                              : QRect(QPoint(Right(), Top()), QPoint(Right() + 1, Bottom()));
  Draw(Canvas.Painter(), view);
}

void TwPlotAxis::SetMin(double v) { Store(FMin, v); }
void TwPlotAxis::SetSpan(double v) { Store(FSpan, v); }
void TwPlotAxis::SetMinSpan(double min, double span) {
  if (min == FMin && span == FSpan) return;
  FMin = min;
  FSpan = span;
  DoChange();
}
void TwPlotAxis::SetDesiredStart(double v) { Store(FDesiredStart, v); }
void TwPlotAxis::SetDesiredIncrement(double v) { Store(FDesiredIncrement, v); }
void TwPlotAxis::SetMinorCount(int v) { Store(FMinorCount, std::max(0, v)); }
void TwPlotAxis::SetMajorLength(int v) { Store(FMajorLength, v); }
void TwPlotAxis::SetMinorLength(int v) { Store(FMinorLength, v); }
void TwPlotAxis::SetReverseScale(bool v) { Store(FReverseScale, v); }
void TwPlotAxis::SetLabelsVisible(bool v) { Store(FLabelsVisible, v); }
void TwPlotAxis::SetLabelsColor(const QColor& v) { Store(FLabelsColor, v); }
void TwPlotAxis::SetLabelsFont(const QFont& v) { Store(FLabelsFont, v); }
void TwPlotAxis::SetScaleLinesColor(const QColor& v) { Store(FScaleLinesColor, v); }
void TwPlotAxis::SetTitle(const QString& v) { Store(FTitle, v); }
void TwPlotAxis::SetTitleShow(bool v) { Store(FTitleShow, v); }
void TwPlotAxis::SetGridLinesVisible(bool v) { Store(FGridLinesVisible, v); }

void TwPlotAxis::SetPixelRange(int minPixel, int maxPixel) {
  FMinPixel = minPixel;
  FMaxPixel = maxPixel;
}

int TwPlotAxis::PositionToPixels(double value) const {
  if (FSpan == 0) return (FMinPixel + FMaxPixel) / 2;
  const double f = (value - FMin) / FSpan;
  const int a = MinPixels(), b = MaxPixels();
  return int(std::nearbyint(a + f * (b - a)));
}

double TwPlotAxis::PixelsToPosition(int pixels) const {
  const int a = MinPixels(), b = MaxPixels();
  if (a == b) return FMin + FSpan / 2;
  return FMin + double(pixels - a) / (b - a) * FSpan;
}

bool TwPlotAxis::ValueOnScale(double value) const {
  const int px = PositionToPixels(value);
  return px >= std::min(FMinPixel, FMaxPixel) && px <= std::max(FMinPixel, FMaxPixel);
}

double TwPlotAxis::MajorIncrement() const {
  return FDesiredIncrement > 0 ? FDesiredIncrement : TidyStep(std::abs(FSpan), kAxis.targetMajorTicks);
}

QString TwPlotAxis::GetLabelText(double value) const {
  const double inc = MajorIncrement();
  int decimals = 0;
  while (decimals < 6 && std::abs(inc * std::pow(10.0, decimals) - std::round(inc * std::pow(10.0, decimals))) > 1e-9)
    ++decimals;
  if (std::abs(value) < inc * 1e-9) value = 0;  // no "-0"
  return QString::number(value, 'f', decimals);
}

std::vector<TwPlotTick> TwPlotAxis::Ticks() const {
  std::vector<TwPlotTick> ticks;
  const double inc = MajorIncrement();
  if (inc <= 0 || FSpan <= 0) return ticks;
  const double lo = FMin, hi = FMin + FSpan, eps = inc * 1e-9;
  const double base = FDesiredStart;  // one major tick lies here (0: multiples of the step)
  double first = base + std::ceil((lo - base - eps) / inc) * inc;
  const double minorStep = inc / (FMinorCount + 1);
  // Minor ticks below the first major tick.
  for (int j = FMinorCount; j >= 1; --j) {
    const double v = first - j * minorStep;
    if (v >= lo - eps) ticks.push_back({v, false, {}});
  }
  for (double v = first; v <= hi + eps; v += inc) {
    ticks.push_back({v, true, GetLabelText(v)});
    for (int j = 1; j <= FMinorCount; ++j) {
      const double m = v + j * minorStep;
      if (m <= hi + eps) ticks.push_back({m, false, {}});
    }
  }
  return ticks;
}

int TwPlotAxis::RequiredWidth(const QFontMetrics& fm) const {
  if (!Visible()) return 0;
  int w = FInnerMargin + std::max(FMajorLength, FMinorLength) + FOuterMargin;
  if (FLabelsVisible) {
    int label = 0;
    for (const TwPlotTick& t : Ticks())
      if (t.Major) label = std::max(label, IsHorz() ? fm.height() : fm.horizontalAdvance(t.Text));
    w += kAxis.labelGap + label;
  }
  if (FTitleShow) w += kAxis.labelGap + fm.height();
  return w;
}

void TwPlotAxis::Draw(QPainter& p, const QRect& view) const {
  if (!Visible()) return;
  p.save();
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setFont(FLabelsFont);
  const QFontMetrics fm = p.fontMetrics();
  // The scale line stands InnerMargin outside the data view, ticks point away from it.
  const int edge = IsHorz() ? view.bottom() + FInnerMargin : view.left() - FInnerMargin;
  p.setPen(FScaleLinesColor);
  if (IsHorz()) p.drawLine(PositionToPixels(FMin), edge, PositionToPixels(Max()), edge);
  else p.drawLine(edge, PositionToPixels(FMin), edge, PositionToPixels(Max()));
  for (const TwPlotTick& t : Ticks()) {
    const int px = PositionToPixels(t.Position);
    const int len = t.Major ? FMajorLength : FMinorLength;
    p.setPen(FScaleLinesColor);
    if (IsHorz()) p.drawLine(px, edge, px, edge + len);
    else p.drawLine(edge, px, edge - len, px);
    if (!t.Major || !FLabelsVisible) continue;
    p.setPen(FLabelsColor);
    const int w = fm.horizontalAdvance(t.Text), h = fm.height();
    const int gap = FMajorLength + kAxis.labelGap;
    if (IsHorz()) p.drawText(QRect(px - w / 2 - 1, edge + gap, w + 2, h), Qt::AlignCenter, t.Text);
    else p.drawText(QRect(edge - gap - w - 1, px - h / 2, w + 1, h), Qt::AlignRight | Qt::AlignVCenter, t.Text);
  }
  if (FTitleShow && !FTitle.isEmpty()) {
    p.setPen(FLabelsColor);
    const int mid = (PositionToPixels(FMin) + PositionToPixels(Max())) / 2;
    if (IsHorz()) {
      const int y = edge + FMajorLength + 2 * kAxis.labelGap + fm.height();
      p.drawText(QRect(mid - 200, y, 400, fm.height()), Qt::AlignCenter, FTitle);
    } else {
      p.translate(edge - RequiredWidth(fm) + FOuterMargin + fm.height() / 2, mid);
      p.rotate(-90);
      p.drawText(QRect(-200, -fm.height() / 2, 400, fm.height()), Qt::AlignCenter, FTitle);
    }
  }
  p.restore();
}

void TwPlotAxis::DrawGridLines(QPainter& p, const QRect& view, const QColor& color) const {
  if (!FGridLinesVisible) return;
  p.save();
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setPen(color);
  for (const TwPlotTick& t : Ticks()) {
    if (!t.Major) continue;
    const int px = PositionToPixels(t.Position);
    if (IsHorz()) p.drawLine(px, view.top(), px, view.bottom());
    else p.drawLine(view.left(), px, view.right(), px);
  }
  p.restore();
}
