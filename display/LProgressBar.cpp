#include "display/LProgressBar.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {
struct MeterDefaults {
  QColor first{128, 0, 0};
  QColor second{128, 128, 0};
  QColor third{0, 128, 0};
  QColor litFirst{255, 0, 0};
  QColor litSecond{255, 255, 0};
  QColor litThird{0, 255, 0};
  QColor panel{0, 0, 0};
  QColor outline{0, 0, 0};
  QColor bevelShadow{128, 128, 128};
  QColor bevelHighlight{255, 255, 255};
};
const MeterDefaults kMeter;
}  // namespace

LProgressBar::LProgressBar(QWidget* parent)
    : QWidget(parent),
      FFirstColor(kMeter.first),
      FSecondColor(kMeter.second),
      FThirdColor(kMeter.third),
      FLFirstColor(kMeter.litFirst),
      FLSecondColor(kMeter.litSecond),
      FLThirdColor(kMeter.litThird),
      FColor(kMeter.panel) {
  resize(14, 132);
  Rebuild();
}

// ---- geometry -------------------------------------------------------------

QRect LProgressBar::SegmentRect(int i) const {
  const int n = SegmentCount();
  if (i < 0 || i >= n) return {};
  const int w = width(), h = height();
  const int top = static_cast<int>(std::trunc(static_cast<double>(h) / n * i)) - 1;
  return QRect(0, top, w, h / n + 2);
}

int LProgressBar::SegmentZone(int i) const {
  if (i < FFirstNum) return 1;
  if (i < FFirstNum + FSecondNum) return 2;
  return 3;
}

QColor LProgressBar::SegmentColor(int i) const {
  if (i < 0 || i >= SegmentCount()) return {};
  return FSegments[i];
}

int LProgressBar::LitCount() const {
  return static_cast<int>(std::count_if(FSegments.begin(), FSegments.end(), [this](const QColor& c) {
    return c == FLFirstColor || c == FLSecondColor || c == FLThirdColor;
  }));
}

QColor LProgressBar::UnlitColour(int zone) const {
  return zone == 1 ? FFirstColor : zone == 2 ? FSecondColor : FThirdColor;
}

// ---- position -------------------------------------------------------------

void LProgressBar::SetPosition(int v) {
  if (v == FPosition) return;
  FPosition = v > FMax ? FMax : v < FMin ? FMin : v;

  const int n = SegmentCount();
  int lit = 0;
  // A range that is not positive, or no segment, lights nothing rather than
  // dividing by zero.
  if (FMax > 0 && n > 0) {
    const float step = static_cast<float>(FMax) / static_cast<float>(n);
    lit = static_cast<int>(std::trunc(static_cast<double>(FPosition) / static_cast<double>(step)));
    lit = std::clamp(lit, 0, n);
    // Full scale lights every segment whatever the step's rounding.
    if (v >= FMax && lit < n) ++lit;
  }

  for (int i = n - 1; i >= n - lit; --i) {
    const QColor& c = FSegments[i];
    if (c == FFirstColor) Recolour(i, FLFirstColor);
    else if (c == FSecondColor) Recolour(i, FLSecondColor);
    else if (c == FThirdColor) Recolour(i, FLThirdColor);
  }
  for (int i = 0; i < n - lit; ++i) {
    const QColor& c = FSegments[i];
    if (c == FLFirstColor) Recolour(i, FFirstColor);
    else if (c == FLSecondColor) Recolour(i, FSecondColor);
    else if (c == FLThirdColor) Recolour(i, FThirdColor);
  }
}

void LProgressBar::Recolour(int i, const QColor& c) {
  if (FSegments[i] == c) return;
  FSegments[i] = c;
  update(SegmentRect(i));
}

// ---- zone counts ----------------------------------------------------------

void LProgressBar::ResizeZone(int at, int delta) {
  if (delta > 0) FSegments.insert(FSegments.begin() + at, delta, QColor());
  else if (delta < 0) FSegments.erase(FSegments.begin() + at + delta, FSegments.begin() + at);
}

void LProgressBar::SetFirstNum(int v) {
  v = std::max(v, 0);
  if (v == FFirstNum) return;
  ResizeZone(FFirstNum, v - FFirstNum);
  FFirstNum = v;
  Rebuild();
}

void LProgressBar::SetSecondNum(int v) {
  v = std::max(v, 0);
  if (v == FSecondNum) return;
  ResizeZone(FFirstNum + FSecondNum, v - FSecondNum);
  FSecondNum = v;
  Rebuild();
}

void LProgressBar::SetThirdNum(int v) {
  v = std::max(v, 0);
  if (v == FThirdNum) return;
  ResizeZone(FFirstNum + FSecondNum + FThirdNum, v - FThirdNum);
  FThirdNum = v;
  Rebuild();
}

void LProgressBar::Rebuild() {
  FSegments.resize(WantedCount());
  for (int i = 0; i < SegmentCount(); ++i) FSegments[i] = UnlitColour(SegmentZone(i));
  update();
}

// ---- colours --------------------------------------------------------------

void LProgressBar::SetUnlit(QColor& field, int zone, const QColor& v) {
  if (v == field) return;
  field = v;
  for (int i = 0; i < SegmentCount(); ++i)
    if (SegmentZone(i) == zone) Recolour(i, v);
}

void LProgressBar::SetLit(QColor& field, int zone, const QColor& v) {
  if (v == field) return;
  for (int i = 0; i < SegmentCount(); ++i)
    if (SegmentZone(i) == zone && FSegments[i] == field) Recolour(i, v);
  field = v;
}

void LProgressBar::SetFirstColor(const QColor& v) { SetUnlit(FFirstColor, 1, v); }
void LProgressBar::SetSecondColor(const QColor& v) { SetUnlit(FSecondColor, 2, v); }
void LProgressBar::SetThirdColor(const QColor& v) { SetUnlit(FThirdColor, 3, v); }
void LProgressBar::SetLFirstColor(const QColor& v) { SetLit(FLFirstColor, 1, v); }
void LProgressBar::SetLSecondColor(const QColor& v) { SetLit(FLSecondColor, 2, v); }
void LProgressBar::SetLThirdColor(const QColor& v) { SetLit(FLThirdColor, 3, v); }

void LProgressBar::SetColor(const QColor& v) {
  if (v == FColor) return;
  FColor = v;
  update();
}

// ---- painting -------------------------------------------------------------

void LProgressBar::paintEvent(QPaintEvent* e) {
  QPainter p(this);
  p.setClipRegion(e->region());
  drawFrame(p, rect());
  for (int i = 0; i < SegmentCount(); ++i) drawSegment(p, SegmentRect(i), FSegments[i]);
}

// Panel face with an outer and an inner lowered bevel.
void LProgressBar::drawFrame(QPainter& p, const QRect& r) {
  p.fillRect(r, FColor);
  QRect b = r.adjusted(0, 0, -1, -1);
  for (int k = 0; k < 2 && b.width() > 0 && b.height() > 0; ++k) {
    p.setPen(kMeter.bevelShadow);
    p.drawLine(b.topLeft(), b.topRight());
    p.drawLine(b.topLeft(), b.bottomLeft());
    p.setPen(kMeter.bevelHighlight);
    p.drawLine(b.bottomLeft(), b.bottomRight());
    p.drawLine(b.topRight(), b.bottomRight());
    b.adjust(1, 1, -1, -1);
  }
}

// A filled rectangle with a one-pixel outline covering exactly r.
void LProgressBar::drawSegment(QPainter& p, const QRect& r, const QColor& colour) {
  if (r.width() < 1 || r.height() < 1) return;
  p.setPen(kMeter.outline);
  p.setBrush(colour);
  p.drawRect(r.adjusted(0, 0, -1, -1));
}
