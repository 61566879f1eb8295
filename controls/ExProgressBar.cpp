#include "controls/ExProgressBar.h"

#include <QEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace {
struct ProgressDefaults {
  QColor level[4] = {{0, 255, 0}, {255, 255, 0}, {255, 169, 83}, {255, 0, 0}};
  QColor levelTo[4] = {{225, 255, 225}, {255, 255, 202}, {255, 211, 168}, {255, 202, 202}};
  QColor background{255, 255, 255};
  QColor border{128, 128, 128};
  QColor text{0, 0, 0};
  int blockLength = 7;
  int blockGap = 2;
};
const ProgressDefaults kProgress;

int Nearest(double v) { return static_cast<int>(std::nearbyint(v)); }

QColor Mix(const QColor& a, const QColor& b, int i, int steps) {
  return QColor(a.red() + Nearest(double(i) * (b.red() - a.red()) / steps),
                a.green() + Nearest(double(i) * (b.green() - a.green()) / steps),
                a.blue() + Nearest(double(i) * (b.blue() - a.blue()) / steps));
}
}  // namespace

TExProgressBar::TExProgressBar(QWidget* parent)
    : QWidget(parent), FBackgroundColor(kProgress.background), FBorderColor(kProgress.border) {
  for (int i = 0; i < 4; ++i) {
    FLevelColor[i] = kProgress.level[i];
    FLevelColorTo[i] = kProgress.levelTo[i];
  }
  QFont f(QStringLiteral("Verdana"));
  f.setPointSize(10);
  setFont(f);
  resize(128, 18);
}

void TExProgressBar::SetLevelColor(int level, const QColor& c, const QColor& to) {
  FLevelColor[level & 3] = c;
  FLevelColorTo[level & 3] = to;
  update();
}

int TExProgressBar::PercentOf(int position) const {
  if (FMax == FMin) return 0;
  return Nearest(double(position) / (FMax - FMin) * 100.0);
}

int TExProgressBar::Percent() const { return PercentOf(FPosition); }

int TExProgressBar::LevelOf(int p) const {
  if (p < FLevel1Perc) return 0;
  if (p < FLevel2Perc) return 1;
  if (p > 99) return 3;
  return 2;
}

void TExProgressBar::SetMin(int v) {
  FMin = v;
  FMaxIncrement = (FMax - FMin) / 100;
  update();
}

void TExProgressBar::SetMax(int v) {
  FMax = v;
  FMaxIncrement = (FMax - FMin) / 100;
  update();
}

void TExProgressBar::SetPosition(int v) {
  if (v < FMin || v > FMax) {
    // Stored at the bound; shown by the next paint.
    FPosition = v < FMin ? FMin : FMax;
    return;
  }
  FPosition = v;
  const int p = PercentOf(v);
  const bool sameBlock = FMaxIncrement != 0 && v % FMaxIncrement != 0 && v / FMaxIncrement == FOldBlockPos;
  if (!(sameBlock && p == FOldPos)) repaint();
  FOldPos = p;
  if (FMaxIncrement != 0) FOldBlockPos = v / FMaxIncrement;
}

QString TExProgressBar::PositionText() const {
  return FShowPercentage ? QString::number(Percent()) + QLatin1Char('%') : QString::number(FPosition);
}

void TExProgressBar::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing, FRounded);
  const QRect r = rect();
  drawBackground(p, r);
  // Clip the fill to the rounded outline so that the corners stay clean.
  QPainterPath clip;
  clip.addRoundedRect(QRectF(r).adjusted(1, 1, -1, -1), FRounded ? 3 : 0, FRounded ? 3 : 0);
  p.save();
  p.setClipPath(clip);
  p.setRenderHint(QPainter::Antialiasing, false);
  drawFill(p, r, Percent());
  p.restore();
  drawText(p, r);
}

void TExProgressBar::drawBackground(QPainter& p, const QRect& r) {
  p.setBrush(FBackgroundColor);
  p.setPen(FShowBorder ? FBorderColor : FBackgroundColor);
  const QRectF box = QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5);
  if (FRounded) p.drawRoundedRect(box, 3, 3);
  else p.drawRect(box);
}

void TExProgressBar::drawFill(QPainter& p, const QRect& r, int pc) {
  if (pc <= 0) return;
  const bool vertical = FOrientation == goVertical;
  const int c = (vertical ? r.height() : r.width()) - 2;
  // A segment [from, from + len) along the bar, from the left (or the bottom).
  auto seg = [&](int from, int len, int inset) -> QRect {
    if (vertical) return QRect(r.left() + inset, r.bottom() + 1 - from - len, r.width() - 2 * inset, len);
    return QRect(r.left() + from, r.top() + inset, len, r.height() - 2 * inset);
  };
  if (FStacked) {
    const int l0 = Nearest(std::min(pc, FLevel1Perc) / 100.0 * c);
    drawBlock(p, seg(2, l0, 1), 0);
    int at = 2 + l0;
    if (pc >= FLevel1Perc) {
      const int l1 = Nearest((std::min(pc, FLevel2Perc) - FLevel1Perc) / 100.0 * c);
      drawBlock(p, seg(at, l1, 1), 1);
      at += l1;
    }
    if (pc >= FLevel2Perc) {
      const int l2 = pc >= 100 ? c - at : Nearest((pc - FLevel2Perc) / 100.0 * c);
      drawBlock(p, seg(at, l2, 1), 2);
    }
    return;
  }
  const int level = LevelOf(pc);
  if (FCompletionSmooth) {
    drawBlock(p, seg(2, Nearest(pc / 100.0 * c) - 2, 2), level);
    return;
  }
  const int n = Nearest(double(c) * pc / 100.0);
  if (n < 10) {
    if (n > 1) drawBlock(p, seg(2, n - 1, 2), level);
    return;
  }
  const int pitch = kProgress.blockLength + kProgress.blockGap;
  for (int i = 0; i < n / pitch; ++i) drawBlock(p, seg(2 + i * pitch, kProgress.blockLength, 2), level);
  if (n % pitch > 2) drawBlock(p, seg(2 + (n / pitch) * pitch, n % pitch - 1, 2), level);
}

void TExProgressBar::drawBlock(QPainter& p, const QRect& b, int level) {
  if (b.width() <= 0 || b.height() <= 0) return;
  const QColor mid = FLevelColor[level], edge = FLevelColorTo[level];
  if (!FShowGradient) {
    p.fillRect(b, mid);
    return;
  }
  // Two halves across the bar, shaded from the edge colour to the full colour on the middle line.
  const bool vertical = FOrientation == goVertical;
  const int across = vertical ? b.width() : b.height();
  const int steps = std::max(1, FSteps);
  for (int k = 0; k < across; ++k) {
    const int half = across / 2;
    const int i = k < half ? (half ? k * steps / half : steps) : (across - half ? (across - 1 - k) * steps / (across - half) : steps);
    const QColor col = Mix(edge, mid, std::min(i, steps), steps);
    if (vertical) p.fillRect(QRect(b.left() + k, b.top(), 1, b.height()), col);
    else p.fillRect(QRect(b.left(), b.top() + k, b.width(), 1), col);
  }
}

void TExProgressBar::drawText(QPainter& p, const QRect& r) {
  if (!FShowPosition) return;
  p.setFont(font());
  p.setPen(kProgress.text);
  if (FOrientation == goVertical) {
    p.save();
    p.translate(r.center());
    p.rotate(-90);
    p.drawText(QRect(-r.height() / 2, -r.width() / 2, r.height(), r.width()), Qt::AlignCenter, PositionText());
    p.restore();
    return;
  }
  p.drawText(r, Qt::AlignCenter, PositionText());
}
