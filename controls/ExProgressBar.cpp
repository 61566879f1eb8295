#include "controls/ExProgressBar.h"

#include "platform/Format.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cstring>
#include <optional>

using platform::Canvas;
using platform::TRect;

namespace {
struct ProgressDefaults {
  QColor level[4] = {{0, 255, 0}, {255, 255, 0}, {255, 169, 83}, {255, 0, 0}};
  QColor levelTo[4] = {{225, 255, 225}, {255, 255, 202}, {255, 211, 168}, {255, 202, 202}};
  QColor background{255, 255, 255};
  QColor border{128, 128, 128};
  int blockLength = 7;
  int blockGap = 2;
  int cornerEllipse = 6;
  int bandBefore = 10;  // the endless band reaches this far before its position
  int bandAfter = 12;   // and this far after it
  int bandStep = 4;
  int interval = 50;
  QSize size{128, 18};
};
const ProgressDefaults kProgress;

platform::TFont DefaultFont() {
  platform::TFont f;
  f.Name = QStringLiteral("Verdana");
  f.SetSize(10);
  return f;
}

// num / den rounded to the nearest integer, halves to even.
long long RoundHalfEven(long long num, long long den) {
  if (den < 0) {
    num = -num;
    den = -den;
  }
  long long q = num / den, r = num % den;
  if (r < 0) {  // floor division
    q -= 1;
    r += den;
  }
  if (2 * r > den || (2 * r == den && (q & 1))) ++q;
  return q;
}

int RoundDiv(long long num, long long den) { return static_cast<int>(RoundHalfEven(num, den)); }

bool IsNone(const QColor& c) { return !c.isValid() || c.alpha() == 0; }

platform::TColor Gdi(const QColor& c) { return platform::FromQColor(c); }

QColor Mix(const QColor& from, const QColor& to, int i, int steps) {
  return QColor(from.red() + RoundDiv((long long)i * (to.red() - from.red()), steps),
                from.green() + RoundDiv((long long)i * (to.green() - from.green()), steps),
                from.blue() + RoundDiv((long long)i * (to.blue() - from.blue()), steps));
}

// The Format text when every conversion is an integer one and there are at
// most two; nothing otherwise.
std::optional<QString> FormatPair(const QString& format, int a, int b) {
  const QByteArray f = format.toUtf8();
  const int n = platform::CountConversions(std::string_view(f.constData(), f.size()), "diuxXoc");
  if (n < 0 || n > 2) return std::nullopt;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
#pragma GCC diagnostic ignored "-Wformat-security"
  return QString::fromStdString(platform::FormatC(f.constData(), a, b));
#pragma GCC diagnostic pop
}
}  // namespace

TExProgressBar::TExProgressBar(QWidget* parent)
    : QWidget(parent), FBackgroundColor(kProgress.background), FBorderColor(kProgress.border), FFont(DefaultFont()) {
  for (int i = 0; i < 4; ++i) {
    FLevelColor[i] = kProgress.level[i];
    FLevelColorTo[i] = kProgress.levelTo[i];
  }
  setFont(platform::ToQFont(FFont));
  FTimer.setTimerType(Qt::PreciseTimer);  // never fires early
  FTimer.setInterval(kProgress.interval);
  connect(&FTimer, &QTimer::timeout, this, [this] { InfiniteTimer(); });
  resize(kProgress.size);
}

void TExProgressBar::SetLevelColor(int level, const QColor& c, const QColor& to) {
  FLevelColor[level & 3] = c;
  FLevelColorTo[level & 3] = to;
  update();
}

void TExProgressBar::SetLevelBkColor(int zone, const QColor& v) {
  if (v == FLevelBkColor[zone]) return;
  FLevelBkColor[zone] = v;
  update();
}

void TExProgressBar::SetFont(const platform::TFont& v) {
  FFont = v;
  setFont(platform::ToQFont(FFont));
  update();
}

void TExProgressBar::changeEvent(QEvent* e) {
  if (e->type() == QEvent::FontChange) update();
  QWidget::changeEvent(e);
}

// ---- the endless band ----

void TExProgressBar::SetInfinite(bool v) {
  FInfinite = v;
  if (v) FInfinitePos = 0;
  UpdateTimer();
  update();
}

void TExProgressBar::SetAnimated(bool v) {
  FAnimated = v;
  UpdateTimer();
}

void TExProgressBar::UpdateTimer() {
  if (FInfinite && FAnimated) {
    if (!FTimer.isActive()) FTimer.start();
  } else {
    FTimer.stop();
  }
}

void TExProgressBar::InfiniteTimer() {
  FInfinitePos += FInfiniteInc ? kProgress.bandStep : -kProgress.bandStep;
  if (FInfinitePos > 99) {
    FInfinitePos = 100;
    FInfiniteInc = false;
  } else if (FInfinitePos < 1) {
    FInfinitePos = 0;
    FInfiniteInc = true;
  }
  update();
}

// ---- position ----

int TExProgressBar::PercentOf(int position) const {
  if (FMax == FMin) return 0;
  return RoundDiv((static_cast<long long>(position) - FMin) * 100, static_cast<long long>(FMax) - FMin);
}

int TExProgressBar::Percent() const { return PercentOf(FPosition); }

int TExProgressBar::LevelOf(int p, int level1, int level2) const {
  if (p < level1) return 0;
  if (p < level2) return 1;
  if (p > 99) return 3;
  return 2;
}

void TExProgressBar::SetMin(int v) {
  FMin = v;
  FMaxIncrement = int(((long long)FMax - FMin) / 100);
  update();
}

void TExProgressBar::SetMax(int v) {
  FMax = v;
  FMaxIncrement = int(((long long)FMax - FMin) / 100);
  update();
}

void TExProgressBar::SetPosition(int v) {
  if (v < FMin || v > FMax) {
    FPosition = v < FMin ? FMin : FMax;
    update();
    return;
  }
  FPosition = v;
  const int p = PercentOf(v);
  // Large ranges repaint only when the block or the percentage moves.
  const bool sameBlock = FMaxIncrement != 0 && v % FMaxIncrement != 0 && v / FMaxIncrement == FOldBlockPos;
  if (!(sameBlock && p == FOldPos)) update();
  FOldPos = p;
  if (FMaxIncrement != 0) FOldBlockPos = v / FMaxIncrement;
}

QString TExProgressBar::PositionText() const {
  if (!FFormat.isEmpty()) return FormatPair(FFormat, FPosition, FMax).value_or(FFormat);
  return FShowPercentage ? QString::number(FInfinite ? 100 : Percent()) + QLatin1Char('%') : QString::number(FPosition);
}

// ---- painting ----

TRect TExProgressBar::Span(const TRect& r, int from, int len, int inset) const {
  if (FOrientation == goVertical) return TRect{r.Left + inset, r.Bottom - from - len, r.Right - inset, r.Bottom - from};
  return TRect{r.Left + from, r.Top + inset, r.Left + from + len, r.Bottom - inset};
}

void TExProgressBar::paintEvent(QPaintEvent* e) {
  if (width() <= 0 || height() <= 0) return;
  // One off-screen picture per paint; what stays transparent (the rounded
  // corners) shows the parent.
  // Only the exposed part is held: a bar far larger than the screen costs
  // what shows.
  const QRect area = e->rect() & rect();
  if (area.isEmpty()) return;
  QImage page(area.size(), QImage::Format_ARGB32_Premultiplied);
  page.fill(Qt::transparent);
  {
    QPainter onto(&page);
    onto.translate(-area.topLeft());
    if (area != rect()) onto.setClipRect(area);
    Canvas c(onto);
    const TRect r{0, 0, width(), height()};
    const int p = FInfinite ? 100 : Percent();
    drawFrame(c, r);
    const int length = (FOrientation == goVertical ? r.Height() : r.Width()) - 2;
    drawZones(c, r, length);
    if (p > 0) drawFill(c, r, length, p);
    if (FInfinite) drawBand(c, r, length);
    drawText(c, r, p);
  }
  QPainter painter(this);
  painter.drawImage(area.topLeft(), page);
}

void TExProgressBar::drawFrame(Canvas& c, const TRect& r) {
  c.Brush.Style = platform::bsSolid;
  c.Brush.Color = Gdi(FBackgroundColor);
  c.Pen.Style = platform::psSolid;
  c.Pen.Color = Gdi(FShowBorder ? FBorderColor : FBackgroundColor);
  if (FRounded)
    c.RoundRect(r.Left, r.Top, r.Right, r.Bottom, kProgress.cornerEllipse, kProgress.cornerEllipse);
  else
    c.Rectangle(r);
}

void TExProgressBar::drawZones(Canvas& c, const TRect& r, int length) {
  if (std::all_of(std::begin(FLevelBkColor), std::end(FLevelBkColor), IsNone)) return;
  const int zone0 = RoundDiv(static_cast<long long>(FLevel1Perc) * length, 100);
  const int zone1 = RoundDiv(static_cast<long long>(FLevel2Perc - FLevel1Perc) * length, 100);
  const int ends[3] = {zone0, zone0 + zone1, length + 1};
  int from = 2;
  c.Brush.Style = platform::bsSolid;
  for (int z = 0; z < 3; ++z) {
    if (!IsNone(FLevelBkColor[z]) && ends[z] > from) {
      c.Brush.Color = Gdi(FLevelBkColor[z]);
      c.FillRect(Span(r, from, ends[z] - from, 1));
    }
    from = std::max(from, ends[z]);
  }
}

void TExProgressBar::drawFill(Canvas& c, const TRect& r, int length, int p) {
  const int level1 = FInfinite ? 101 : FLevel1Perc;
  const int level2 = FInfinite ? 101 : FLevel2Perc;
  auto along = [&](long long percent) { return RoundDiv(percent * length, 100); };
  if (FStacked) {
    const int l0 = along(std::min(p, level1));
    drawBlock(c, r, 2, l0, 1, 0);
    int at = 2 + l0;
    if (p >= level1) {
      const int l1 = along(std::min(p, level2) - level1);
      drawBlock(c, r, at, l1, 1, 1);
      at += l1;
    }
    if (p >= level2) drawBlock(c, r, at, p == 100 ? length + 1 - at : along(p - level2), 1, 2);
    return;
  }
  const int level = LevelOf(p, level1, level2);
  if (FCompletionSmooth) {
    drawBlock(c, r, 2, along(p) - 2, 2, level);
    return;
  }
  const int n = along(p);
  if (n < 10) {
    if (n > 1) drawBlock(c, r, 2, n - 1, 2, level);
    return;
  }
  const int pitch = kProgress.blockLength + kProgress.blockGap;
  for (int i = 0; i < n / pitch; ++i) drawBlock(c, r, 2 + i * pitch, kProgress.blockLength, 2, level);
  if (n % pitch > 2) drawBlock(c, r, 2 + (n / pitch) * pitch, n % pitch - 1, 2, level);
}

void TExProgressBar::drawBlock(Canvas& c, const TRect& r, int from, int len, int inset, int level) {
  const TRect b = Span(r, from, len, inset);
  if (b.Width() <= 0 || b.Height() <= 0) return;
  const TRect clip = c.ClipRect();
  if (b.Right <= clip.Left || b.Left >= clip.Right || b.Bottom <= clip.Top || b.Top >= clip.Bottom) return;
  const QColor full = FLevelColor[level & 3], edge = FLevelColorTo[level & 3];
  c.Brush.Style = platform::bsSolid;
  if (!FShowGradient) {
    c.Brush.Color = Gdi(full);
    c.FillRect(b);
    return;
  }
  // Two halves across the bar: edge colour to full colour, then back.
  const bool vertical = FOrientation == goVertical;
  const int across = vertical ? b.Width() : b.Height();
  const int steps = std::max(1, FSteps);
  auto stripe = [&](int at, int len, const QColor& from, const QColor& to, int i) {
    const int a0 = int(at + (long long)i * len / steps), a1 = int(at + ((long long)i + 1) * len / steps);
    if (a1 <= a0) return;
    c.Brush.Color = Gdi(Mix(from, to, i, steps));
    c.FillRect(vertical ? TRect{b.Left + a0, b.Top, b.Left + a1, b.Bottom}
                        : TRect{b.Left, b.Top + a0, b.Right, b.Top + a1});
  };
  const int first = across / 2;
  // Only the stripes over the clip's pixels: each pixel a of a half lies in
  // the first stripe i whose end (i + 1) * len / steps passes it.
  const int shownFrom = vertical ? clip.Left - b.Left : clip.Top - b.Top;
  const int shownTo = vertical ? clip.Right - b.Left : clip.Bottom - b.Top;
  auto stripes = [&](int at, int len, const QColor& from, const QColor& to) {
    const int lo = std::max(0, shownFrom - at), hi = std::min(len, shownTo - at);
    for (int a = lo, last = -1; a < hi; ++a) {
      const long long reach = ((long long)a + 1) * steps;
      const int i = int(reach / len + (reach % len != 0) - 1);
      if (i != last) stripe(at, len, from, to, i);
      last = i;
    }
  };
  stripes(0, first, edge, full);
  stripes(first, across - first, full, edge);
}

void TExProgressBar::drawBand(Canvas& c, const TRect& r, int length) {
  const int at = length < 5 ? 0 : RoundDiv(static_cast<long long>(FInfinitePos) * (length - 2), 100);
  c.Brush.Style = platform::bsSolid;
  c.Brush.Color = Gdi(FBackgroundColor);
  const int before = at - kProgress.bandBefore, after = at + kProgress.bandAfter, end = length + 1;
  if (before > 2) c.FillRect(Span(r, 2, before - 2, 1));
  if (after < end) c.FillRect(Span(r, std::max(after, 2), end - std::max(after, 2), 1));
}

void TExProgressBar::drawText(Canvas& c, const TRect& r, int) {
  if (!FShowPosition) return;
  const QString text = PositionText();
  c.Font = FFont;
  c.Brush.Style = platform::bsClear;
  if (FOrientation == goVertical) {
    // Reading upward, centred: TextOut turns the text about its origin.
    c.Font.Orientation = 900;
    const platform::TSize extent = c.TextExtent(text);
    c.TextOut((r.Left + r.Right - extent.cy) / 2, (r.Top + r.Bottom + extent.cx) / 2, text);
    return;
  }
  TRect t = r;
  c.DrawText(text, t, platform::DT_CENTER | platform::DT_VCENTER | platform::DT_SINGLELINE | platform::DT_NOPREFIX);
}
