// Gradient fills. The two edge-to-edge layouts are filled one exact colour per
// row (column); the others are rendered into an off-screen picture in colour
// bands: channels accumulate in 16.16 fixed point, and neighbouring steps of
// one colour merge into one band. The linear layouts render an 8-pixel strip
// and replicate it, the box layouts render the upper-left quadrant and mirror
// it.
#include "controls/UxDraw.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <vector>

namespace uxdraw {

using namespace platform;

namespace {

constexpr int kStrip = 8;

// A colour stepped from `from` towards `to` in `steps` equal 16.16 steps.
class Ramp {
 public:
  Ramp(TColor from, TColor to, int steps) {
    const int a[3] = {GetRValue(from), GetGValue(from), GetBValue(from)};
    const int b[3] = {GetRValue(to), GetGValue(to), GetBValue(to)};
    for (int i = 0; i < 3; ++i) {
      acc_[i] = a[i] * 65536;
      delta_[i] = steps > 0 ? (b[i] - a[i]) * 65536 / steps : 0;
    }
  }
  TColor Color() const {
    auto ch = [](int v) { return std::clamp(v >> 16, 0, 255); };
    return RGB(ch(acc_[0]), ch(acc_[1]), ch(acc_[2]));
  }
  void Step() {
    for (int i = 0; i < 3; ++i) acc_[i] += delta_[i];
  }

 private:
  int acc_[3];
  int delta_[3];
};

int MinBandWidth(int granularity, int divisor) {
  const int g = std::max(granularity, 1);
  return std::max(g <= 8 ? g : divisor / g + 1, 1);
}

void Fill(QImage& bitmap, const TRect& r, TColor color) {
  if (r.IsEmpty()) return;
  QPainter p(&bitmap);
  p.fillRect(ToQRect(r), ToQColor(color));
}

// Rows (columns) from `start` to `stop` exclusive, each in one colour.
void FillEndGradient(Canvas& c, const TRect& r, bool rows, TColor start, TColor stop) {
  const int extent = rows ? r.Height() : r.Width();
  if (r.IsEmpty()) return;
  const TBrush brush = c.Brush;
  c.Brush.Style = bsSolid;
  const int s[3] = {GetRValue(start), GetGValue(start), GetBValue(start)};
  const int e[3] = {GetRValue(stop), GetGValue(stop), GetBValue(stop)};
  for (int i = 0; i < extent; ++i) {
    auto ch = [&](int k) { return s[k] + (e[k] - s[k]) * i / extent; };
    c.Brush.Color = RGB(ch(0), ch(1), ch(2));
    c.FillRect(rows ? TRect{r.Left, r.Top + i, r.Right, r.Top + i + 1}
                    : TRect{r.Left + i, r.Top, r.Left + i + 1, r.Bottom});
  }
  c.Brush = brush;
}

// One pass of linear bands over the positions hi down to lo.
void LinearPass(QImage& bitmap, bool alongRows, int hi, int lo, TColor from, TColor to, int steps, int minWidth) {
  Ramp ramp(from, to, steps);
  int pos = hi;
  while (pos >= lo) {
    const TColor band = ramp.Color();
    const int first = pos;
    int width = 0;
    do {
      ramp.Step();
      --pos;
      ++width;
    } while (pos >= lo && (ramp.Color() == band || width < minWidth));
    Fill(bitmap, alongRows ? TRect{0, pos + 1, kStrip, first + 1} : TRect{pos + 1, 0, first + 1, kStrip}, band);
  }
}

}  // namespace

void RenderLinearGradientBands(QImage& bitmap, bool alongRows, int split, int granularity, TColor a, TColor b,
                               int extent) {
  const int minWidth = MinBandWidth(granularity, 255);
  if (split >= 0) {
    LinearPass(bitmap, alongRows, split, 0, a, b, split + 1, minWidth);
    LinearPass(bitmap, alongRows, extent - 1, split + 1, b, a, extent - split - 1, minWidth);
  } else {
    LinearPass(bitmap, alongRows, extent - 1, 0, a, b, extent, minWidth);
  }
}

void RenderBoxGradientBands(QImage& bitmap, int w, int h, int granularity, TColor a, TColor b, int yInset,
                            int xInset) {
  if (a == b || w < 5 || h < 5) {
    Fill(bitmap, {0, 0, w + 1, h + 1}, b);
    return;
  }
  const int minWidth = MinBandWidth(granularity, 256);
  const int hw = (w - 1) / 2, hh = (h - 1) / 2;
  const int sx = std::max(hw - xInset, 0), sy = std::max(hh - yInset, 0);
  const int steps = std::max(sx, sy) + 1;
  Ramp ramp(a, b, steps);
  long long px = (long long)sx << 16, py = (long long)sy << 16;
  const long long dx = ((long long)sx << 16) / steps, dy = ((long long)sy << 16) / steps;
  int prevX = hw + 1, prevY = hh + 1;
  auto outside = [&] { return px < 0 && py < 0; };
  // Each band covers the steps from its first to the last one before its
  // colour changes; the one that runs out past the corner is left unfilled.
  for (int guard = 0; !outside() && guard <= 2 * steps + 2; ++guard) {
    const TColor band = ramp.Color();
    long long edgeX = px, edgeY = py;
    int width = 0;
    bool ranOut = false;
    for (;;) {
      ramp.Step();
      px -= dx;
      py -= dy;
      ++width;
      if (outside()) {
        ranOut = true;
        break;
      }
      if (ramp.Color() != band && width >= minWidth) break;
      edgeX = px;
      edgeY = py;
    }
    if (ranOut) break;
    const int nx = int(edgeX >> 16), ny = int(edgeY >> 16);
    if (ny != prevY) Fill(bitmap, {nx, ny, hw + 1, prevY}, band);
    if (nx != prevX) Fill(bitmap, {nx, prevY, prevX, hh + 1}, band);
    prevX = nx;
    prevY = ny;
  }
}

void RenderDiagonalGradientBands(QImage& bitmap, int w, int h, int granularity, TColor a, TColor b) {
  const int width = std::abs(w);
  if (width == 0 || h <= 0) return;
  const TColor from = w > 0 ? b : a, to = w > 0 ? a : b;
  const int steps = int(std::sqrt(double(width) * width + double(h) * h)) + 1;
  const int half = std::max(steps / 2, 1);
  // Per step the sweep line's ends advance this far (16.16) across and up.
  const double ax = double((long long)width * 65536 / half) / 65536.0;
  const double ay = double((long long)h * 65536 / half) / 65536.0;
  // The colour of each step once neighbouring steps of one colour are merged.
  const int minWidth = MinBandWidth(granularity, 255);
  std::vector<TColor> bandOfStep(static_cast<std::size_t>(steps));
  Ramp ramp(from, to, steps);
  for (int k = 0; k < steps;) {
    const TColor band = ramp.Color();
    int count = 0;
    do {
      bandOfStep[std::size_t(k++)] = band;
      ramp.Step();
      ++count;
    } while (k < steps && (ramp.Color() == band || count < minWidth));
  }
  // Every sweep line runs parallel to the diagonal it crosses at half way;
  // a pixel takes the band between the two lines that enclose its centre.
  const int cols = std::min(width, bitmap.width()), rows = std::min(h, bitmap.height());
  for (int y = 0; y < rows; ++y) {
    QRgb* line = reinterpret_cast<QRgb*>(bitmap.scanLine(y));
    for (int x = 0; x < cols; ++x) {
      const double near = w > 0 ? x + 0.5 : width - x - 0.5;  // distance from the near vertical edge
      const double step = (ax > 0 ? near / ax : 0) + (ay > 0 ? (h - y - 0.5) / ay : 0);
      const TColor c = bandOfStep[std::size_t(std::clamp(int(step), 0, steps - 1))];
      line[x] = qRgb(GetRValue(c), GetGValue(c), GetBValue(c));
    }
  }
}

void ReplicateStrip(QImage& bitmap, int x0, int y0, int w, int h, int stripWidth, int stripHeight) {
  int bw = std::min(stripWidth, w), bh = std::min(stripHeight, h);
  if (bw <= 0 || bh <= 0) return;
  QPainter p(&bitmap);
  bool lastBelow = false;
  while (bh < h || bw < w) {
    const QImage block = bitmap.copy(x0, y0, bw, bh);
    if (bh < h && (!lastBelow || bw >= w)) {
      const int add = std::min(bh, h - bh);
      p.drawImage(QPoint(x0, y0 + bh), block, QRect(0, 0, bw, add));
      bh += add;
      lastBelow = true;
    } else {
      const int add = std::min(bw, w - bw);
      p.drawImage(QPoint(x0 + bw, y0), block, QRect(0, 0, add, bh));
      bw += add;
      lastBelow = false;
    }
  }
}

// The quadrant holds the centre row and column of an odd size; the halves
// are copied unscaled, pixel for pixel, so both mirror lines are exact.
void MirrorQuadrant(QImage& bitmap, int x0, int y0, int w, int h) {
  const int hw = w / 2, hh = h / 2;
  QPainter p(&bitmap);
  if (hh > 0 && w - hw > 0) {
    // The upper-left quadrant, upside down, into the lower left.
    const QImage lower = bitmap.copy(x0, y0, w - hw, hh).mirrored(false, true);
    p.drawImage(QPoint(x0, y0 + h - hh), lower);
  }
  if (hw > 0 && h > 0) {
    // The left half, left to right, into the right half.
    const QImage right = bitmap.copy(x0, y0, hw, h).mirrored(true, false);
    p.drawImage(QPoint(x0 + w - hw, y0), right);
  }
}

void RenderGradientBitmap(Canvas& c, const TRect& r, TGradientDirection direction, TColor start, TColor stop,
                          int granularity) {
  const int w = std::abs(r.Right - r.Left), h = std::abs(r.Bottom - r.Top);
  if (w == 0 || h == 0 || start == clNone || stop == clNone) return;
  const TColor s = ColorToRGB(start), e = ColorToRGB(stop);
  QImage bitmap(w, h, QImage::Format_RGB32);
  // Every layout starts from a plain start colour; the band renderers leave
  // their outermost band to it when its colour never changed.
  bitmap.fill(ToQColor(s));
  switch (direction) {
    case gdDiagonalUp:
      if (s != e) RenderDiagonalGradientBands(bitmap, w, h, granularity, e, s);
      break;
    case gdDiagonalDown:
      if (s != e) RenderDiagonalGradientBands(bitmap, -w, h, granularity, e, s);
      break;
    case gdHorizontalCenter:
      RenderLinearGradientBands(bitmap, true, h / 2, granularity, e, s, h);
      ReplicateStrip(bitmap, 0, 0, w, h, kStrip, h);
      break;
    case gdVerticalCenter:
      RenderLinearGradientBands(bitmap, false, w / 2, granularity, e, s, w);
      ReplicateStrip(bitmap, 0, 0, w, h, w, kStrip);
      break;
    case gdHorizontalBox:
      RenderBoxGradientBands(bitmap, w, h, granularity, e, s, 0, w / 4);
      MirrorQuadrant(bitmap, 0, 0, w, h);
      break;
    case gdVerticalBox:
      RenderBoxGradientBands(bitmap, w, h, granularity, e, s, h / 4, 0);
      MirrorQuadrant(bitmap, 0, 0, w, h);
      break;
    case gdSquareBox:
      RenderBoxGradientBands(bitmap, w, h, granularity, e, s, 0, 0);
      MirrorQuadrant(bitmap, 0, 0, w, h);
      break;
    case gdBigSquareBox:
      RenderBoxGradientBands(bitmap, w, h, granularity, e, s, h / 4, w / 4);
      MirrorQuadrant(bitmap, 0, 0, w, h);
      break;
    case gdHorizontalEnd:
    case gdVerticalEnd: {
      Canvas page(&bitmap);
      FillEndGradient(page, {0, 0, w, h}, direction == gdHorizontalEnd, s, e);
      break;
    }
  }
  c.Draw(r.Left, r.Top, bitmap);
}

void DrawGradientRect(Canvas& c, const TRect& r, TGradientDirection direction, TColor start, TColor stop,
                      int granularity) {
  if (direction == gdHorizontalEnd || direction == gdVerticalEnd) {
    if (start == clNone || stop == clNone) return;
    FillEndGradient(c, r, direction == gdHorizontalEnd, ColorToRGB(start), ColorToRGB(stop));
    return;
  }
  RenderGradientBitmap(c, r, direction, start, stop, granularity);
}

void DrawGradientRing(Canvas& c, const TRect& r, TGradientDirection direction, TColor start, TColor stop) {
  if (!HasFullColorDisplay()) return;
  c.Save();
  c.ExcludeClipRect(r.Inflated(-2, -2));
  DrawGradientRect(c, r, direction, start, stop, 1);
  c.Restore();
}

}  // namespace uxdraw
