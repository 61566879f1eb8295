// The track bar: properties, geometry, SetPosition and the paint order.
// Interaction is in ExTrackBarInput.cpp, the drawing routines in
// ExTrackBarPaint.cpp.
#include "controls/ExTrackBar.h"

#include "controls/CustomImageList.h"
#include "controls/ExTrackBarDraw.h"
#include "controls/UxDraw.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "platform/Format.h"

using platform::TRect;
using trackbar::IsSet;

namespace {
// The rectangle "absent" marker of the tick bands.
const TRect kNoRect{-1, -1, -1, -1};
bool Absent(const TRect& r) { return r.Left == -1 && r.Top == -1 && r.Right == -1 && r.Bottom == -1; }

// A label format takes the position through at most one integer conversion;
// any other conversion would read an argument that is not there.
bool IsOneIntegerFormat(const QByteArray& f) {
  const int n = platform::CountConversions(std::string_view(f.constData(), f.size()), "diuxXoc");
  return n >= 0 && n <= 1;
}
}  // namespace

TCustomTrackBar::TCustomTrackBar(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(true);
  FThumb = new TTrackBarThumb(this);
  FSlider = CreateSlider();
  FTickMark = new TTrackBarTick(this);
  FButtons = new TTrackBarButtons(this);
  FTrackLabel = new TTrackBarLabel(this);
  FThumb->FExTrackBar = this;
  FSlider->FExTrackBar = this;
  FButtons->FExTrackBar = this;
  FThumb->OnChange = [this](QObject*) { Repaint(); };
  FSlider->OnChange = [this](QObject*) { Repaint(); };
  FButtons->OnChange = [this](QObject*) { Repaint(); };
  FTrackLabel->OnChange = [this](QObject*) { Repaint(); };
  FTickMark->OnChange = [this](QObject*) {
    RecalcTextHeight();
    Repaint();
  };
  for (TGDIPPicture* p : {&FIBackGround, &FIBackGroundDisabled, &FIRateActive, &FIRateInActive})
    p->OnChange = [this](QObject*) { Repaint(); };
  FTrackHint = false;
  FTrackHintWnd = new TTrackHintWindow(this);
  RecalcTextHeight();
  resize(150, 26);
}

TCustomTrackBar::~TCustomTrackBar() {
  // The hint window is a top-level window of its own.
  delete FTrackHintWnd;
}

QSize TCustomTrackBar::sizeHint() const {
  return FOrientation == trVertical ? QSize(27, 180) : QSize(180, 27);
}

int TCustomTrackBar::Tag() const { return uxdraw::ControlTag(this); }
void TCustomTrackBar::SetTag(int value) { uxdraw::SetControlTag(this, value); }

void TCustomTrackBar::SetMin(int value) {
  if (value == FMin) return;
  FMin = value;
  if (FPosition < FMin) SetPosition(FMin);
  Repaint();
}

void TCustomTrackBar::SetMax(int value) {
  if (value == FMax) return;
  FMax = value;
  if (FPosition > FMax) SetPosition(FMax);
  Repaint();
}

void TCustomTrackBar::SetOrientation(TTrackBarOrientation value) {
  if (value == FOrientation) return;
  FOrientation = value;
  Repaint();
}

void TCustomTrackBar::SetColor(const QColor& v) { if (trackbar::Store(FColor, v)) Repaint(); }
void TCustomTrackBar::SetColorTo(const QColor& v) { if (trackbar::Store(FColorTo, v)) Repaint(); }
void TCustomTrackBar::SetBorderColor(const QColor& v) { if (trackbar::Store(FBorderColor, v)) Repaint(); }
void TCustomTrackBar::SetDirection(TGradientDirection v) { if (trackbar::Store(FDirection, v)) Repaint(); }
void TCustomTrackBar::SetTransparent(bool v) { if (trackbar::Store(FTransparent, v)) Repaint(); }
void TCustomTrackBar::SetBackGroundStretched(bool v) { if (trackbar::Store(FBackGroundStretched, v)) Repaint(); }

void TCustomTrackBar::SetTickImages(TCustomImageList* v) {
  if (FImages == v) return;
  if (FImages) disconnect(FImages, nullptr, this, nullptr);
  FImages = v;
  if (v) connect(v, &QObject::destroyed, this, [this] { Repaint(); });
  Repaint();
}

void TCustomTrackBar::RecalcTextHeight() {
  FTextHeight = QFontMetrics(platform::ToQFont(FTickMark->Font())).height() + 2 * FTickTextOffset;
}

void TCustomTrackBar::Loaded() {
  RecalcTextHeight();
  FButtons->TakeSizeFromPicture();
  FThumb->TakeSizeFromPicture();
}

// ---- SetPosition -------------------------------------------------------------

void TCustomTrackBar::SetPosition(int value) {
  if (value == FPosition) return;
  if (value < FMin) value = FMin;
  else if (value > FMax) value = FMax;
  const QRect before = ThumbRect();
  const int old = FPosition;
  FPosition = value;
  const QRect after = ThumbRect();
  if (RatingMode()) {
    QRegion cells;
    const long long last = std::min<long long>(std::max(old, value), (long long)FMin + RateCellsShown());
    for (long long v = std::min(old, value); v <= last; ++v) cells += RateCellRect(int(v));
    if (!cells.isEmpty()) InvalidateRegion(cells);
  } else {
    const QRect b = before.adjusted(-1, -1, 1, 1), a = after.adjusted(-1, -1, 1, 1);
    QRegion region(b);
    region += a;
    if (IsSet(FSlider->ColorCompleted()) || !FSlider->PictureCompleted()->Empty()) region += SliderRect();
    if (FTickMark->ShowImageAtThumbOnly()) {
      const QRect t = TrackRect();
      for (const QRect& g : {b, a}) {
        if (FOrientation == trVertical) region += QRect(t.left(), g.top(), t.width(), g.height());
        else region += QRect(g.left(), t.top(), g.width(), t.height());
      }
    }
    InvalidateRegion(region);
    InvalidateTrackLabel();
  }
  if (OnChange) OnChange(this);
}

void TCustomTrackBar::InvalidateTrackLabel() {
  if (!FTrackLabel->Visible()) return;
  const QRect r = TrackLabelRect();
  if (!r.isEmpty()) InvalidateRegion(QRegion(r));
}

void TCustomTrackBar::GetTrackLabelText(QString& Text) {
  const QByteArray format = FTrackLabel->Format().toUtf8();
  if (IsOneIntegerFormat(format)) {
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
#pragma GCC diagnostic ignored "-Wformat-security"
    Text = QString::fromStdString(platform::FormatC(format.constData(), FPosition));
#pragma GCC diagnostic pop
  } else {
    Text = FTrackLabel->Format();
  }
  if (OnGetTrackLabelText) OnGetTrackLabelText(this, FPosition, Text);
}

void TCustomTrackBar::StepDown() {
  if (FPosition > FMin) SetPosition(FPosition - FButtons->Step);
}

void TCustomTrackBar::StepUp() {
  if (FPosition < FMax) SetPosition(FPosition + FButtons->Step);
}

// ---- geometry ----------------------------------------------------------------

TRect TCustomTrackBar::TRectContent() const {
  const int in = FBorderWidth + FOffset;
  return {in, in, width() - in, height() - in};
}

TRect TCustomTrackBar::TRectMaxButton() const {
  const TRect c = TRectContent();
  const int s = FButtons->Size();
  if (FOrientation == trVertical) return {c.Left, c.Top, c.Right, c.Top + s};
  return {c.Right - s, c.Top, c.Right, c.Bottom};
}

TRect TCustomTrackBar::TRectMinButton() const {
  const TRect c = TRectContent();
  const int s = FButtons->Size();
  if (FOrientation == trVertical) return {c.Left, c.Bottom - s, c.Right, c.Bottom};
  return {c.Left, c.Top, c.Left + s, c.Bottom};
}

TRect TCustomTrackBar::TRectTrack() const {
  TRect t = TRectContent();
  const bool vertical = FOrientation == trVertical;
  if (vertical) t.Left += FSlider->Offset();
  else t.Top += FSlider->Offset();
  if (FTrackLabel->Visible() && FTrackLabel->Position() <= lpTopRight) {
    const TRect band = TRectLabelBand();
    if (vertical) t.Left += band.Width() + 1;
    else t.Top += band.Height() + 1;
  }
  if (FButtons->Visible()) {
    const TRect mn = TRectMinButton(), mx = TRectMaxButton();
    const int sp = FButtons->Spacing();
    if (vertical) {
      t.Bottom = mn.Top - sp;
      t.Top = mx.Bottom + sp;
    } else {
      t.Left = mn.Right + sp;
      t.Right = mx.Left - sp;
    }
  }
  return t;
}

int TCustomTrackBar::TickOffset() const {
  const int w = FThumb->Width();
  if (w <= 0) return 0;
  switch (FThumb->ThumbPointer()) {
    case tpLeft: return 0;
    case tpCenter: return w / 2;
    case tpRight: return w;
  }
  return 0;
}

TRect TCustomTrackBar::TRectTopLeftTick() const {
  if (FTickMark->Style() == tsNone || FTickMark->Position() == tmBottomRight) return kNoRect;
  const TRect t = TRectTrack();
  const int e = TickOffset();
  const int depth = FTickMark->Size() + (FTickMark->ShowText() ? FTextHeight : 0);
  if (FOrientation == trVertical) return {t.Left, t.Top + e, t.Left + depth, t.Bottom - e};
  return {t.Left + e, t.Top, t.Right - e, t.Top + depth};
}

TRect TCustomTrackBar::TRectSlider() const {
  if (!SliderShown()) return {0, 0, 0, 0};
  const TRect t = TRectTrack();
  const TRect tl = TRectTopLeftTick();
  const bool band = !Absent(tl);
  const int s = FSlider->Size();
  if (FOrientation == trVertical) {
    const int x = band ? tl.Right + FTickMark->Spacing() : t.Left;
    return {x, t.Top, x + s, t.Bottom};
  }
  const int y = band ? tl.Bottom + FTickMark->Spacing() : t.Top;
  return {t.Left, y, t.Right, y + s};
}

TRect TCustomTrackBar::TRectBottomRightTick() const {
  if (FTickMark->Style() == tsNone || FTickMark->Position() == tmTopLeft) return kNoRect;
  const TRect t = TRectTrack();
  const TRect tl = TRectTopLeftTick();
  const int e = TickOffset();
  const int depth = FTickMark->Size() + (FTickMark->ShowText() ? FTextHeight : 0);
  const int sp = FTickMark->Spacing();
  const bool vertical = FOrientation == trVertical;
  int start;
  if (SliderShown()) {
    const TRect s = TRectSlider();
    start = (vertical ? s.Right : s.Bottom) - (FSlider->Border3D() ? 1 : 0) + sp;
  } else if (!Absent(tl)) {
    start = (vertical ? tl.Right : tl.Bottom) + 2 * sp;
  } else {
    start = vertical ? t.Left : t.Top;
  }
  if (vertical) return {start, t.Top + e, start + depth, t.Bottom - e};
  return {t.Left + e, start, t.Right - e, start + depth};
}

int TCustomTrackBar::TrackTravel() const {
  const TRect t = TRectTrack();
  return (FOrientation == trVertical ? t.Height() : t.Width()) - FThumb->Width();
}

TRect TCustomTrackBar::TRectThumb() const {
  const bool vertical = FOrientation == trVertical;
  const TRect t = TRectTrack();
  const int size = FThumb->Size();
  int across;
  if (SliderShown()) {
    const TRect s = TRectSlider();
    across = vertical ? s.Left + s.Width() / 2 - size / 2 : s.Top + s.Height() / 2 - size / 2;
  } else {
    const TRect tl = TRectTopLeftTick(), br = TRectBottomRightTick();
    if (!Absent(tl)) across = (vertical ? tl.Left : tl.Top) + FTickMark->Spacing() - size / 2;
    else if (!Absent(br)) across = vertical ? br.Left : br.Top;
    else across = vertical ? t.Left : t.Top;
  }
  const long double span = (long double)FMax - FMin;
  // SetMin and SetMax ask for the old thumb while the position lies outside
  // the new range: it is drawn at the nearer end.
  const long double along = FMax == FMin ? 0 : std::clamp(((long double)FPosition - FMin) / span, 0.0L, 1.0L);
  const int offset = int(std::nearbyint((long double)TrackTravel() * along));
  TRect r;
  if (vertical) {
    r = {across, t.Bottom - offset - FThumb->Width(), across + size, t.Bottom - offset};
  } else {
    r = {t.Left + offset, across, t.Left + offset + FThumb->Width(), across + size};
  }
  if (FThumb->Shape() == tsLine && FThumb->Picture()->Empty()) {
    const TRect c = TRectContent();
    if (vertical) {
      r.Left = c.Left;
      r.Right = width() - FBorderWidth;
    } else {
      r.Top = c.Top;
      r.Bottom = height() - FBorderWidth;
    }
  }
  return r;
}

QRect TCustomTrackBar::ContentRect() const { return platform::ToQRect(TRectContent()); }
QRect TCustomTrackBar::TrackRect() const { return platform::ToQRect(TRectTrack()); }
QRect TCustomTrackBar::SliderRect() const { return platform::ToQRect(TRectSlider()); }
QRect TCustomTrackBar::ThumbRect() const { return platform::ToQRect(TRectThumb()); }
QRect TCustomTrackBar::MinButtonRect() const { return platform::ToQRect(TRectMinButton()); }
QRect TCustomTrackBar::MaxButtonRect() const { return platform::ToQRect(TRectMaxButton()); }
QRect TCustomTrackBar::TopLeftTickRect() const { return platform::ToQRect(TRectTopLeftTick()); }
QRect TCustomTrackBar::BottomRightTickRect() const { return platform::ToQRect(TRectBottomRightTick()); }
QRect TCustomTrackBar::TrackLabelRect() const { return platform::ToQRect(TRectLabelText()); }

// ---- rating mode -------------------------------------------------------------

bool TCustomTrackBar::RatingMode() const { return !FIRateActive.Empty() && !FIRateInActive.Empty(); }

QSize TCustomTrackBar::RateCellSize() const {
  auto* self = const_cast<TCustomTrackBar*>(this);
  self->FIRateActive.GetImageSizes();
  self->FIRateInActive.GetImageSizes();
  return {std::max(FIRateActive.Width(), FIRateInActive.Width()),
          std::max(FIRateActive.Height(), FIRateInActive.Height())};
}

QRect TCustomTrackBar::RateCellRect(int value) const {
  if (!RatingMode() || value <= FMin || value > FMax) return {};
  const QSize cell = RateCellSize();
  if (cell.width() <= 0 || cell.height() <= 0) return {};
  const TRect t = TRectTrack();
  // Cells fill rows left to right; when not even one fits a row, each cell
  // takes a row of its own, starting one row down.
  const long long k = (long long)value - FMin - 1;
  const long long perRow = std::max(0, t.Right - t.Left) / cell.width();
  const long long row = perRow > 0 ? k / perRow : k + 1;
  const long long col = perRow > 0 ? k % perRow : 0;
  const long long y = t.Top + row * cell.height();
  if (y > t.Bottom) return {};
  return {int(t.Left + col * cell.width()), int(y), cell.width(), cell.height()};
}

int TCustomTrackBar::RateCellsShown() const {
  const QSize cell = RateCellSize();
  if (!RatingMode() || cell.width() <= 0 || cell.height() <= 0) return 0;
  const TRect t = TRectTrack();
  if (t.Bottom < t.Top) return 0;
  const long long perRow = std::max(0, t.Right - t.Left) / cell.width();
  const long long rows = ((long long)t.Bottom - t.Top) / cell.height() + 1;
  const long long shown = perRow > 0 ? rows * perRow : rows - 1;
  return int(std::min<long long>(shown, (long long)FMax - FMin));
}

// ---- paint -------------------------------------------------------------------

void TCustomTrackBar::paintEvent(QPaintEvent*) {
  platform::Canvas c(this);
  DrawBackground(c);
  if (RatingMode()) {
    DrawRating(c);
    return;
  }
  DrawTrackLabel(c);
  DrawSlider(c);
  DrawTicks(c);
  DrawThumb(c);
  DrawButtons(c);
  DrawFocus(c);
}

void TCustomTrackBar::DrawBackground(platform::Canvas& c) {
  const bool on = isEnabled();
  TGDIPPicture* pic = on || FIBackGroundDisabled.Empty() ? &FIBackGround : &FIBackGroundDisabled;
  const QColor border = on ? FBorderColor : FBorderColorDisabled;
  const QColor from = on ? FColor : FColorDisabled;
  const QColor to = on ? FColorTo : FColorDisabledTo;
  const TRect client{0, 0, width(), height()};
  if (!pic->Empty()) {
    pic->GetImageSizes();
    const QImage image = pic->Image();
    if (!image.isNull()) {
      if (FBackGroundStretched) c.StretchDraw(client, image);
      else c.Draw(0, 0, image);
    }
  } else if (!FTransparent) {
    if (IsSet(from) && IsSet(to)) trackbar::DirectedGradient(c, from, to, FDirection, client, 80);
    else if (IsSet(from) || IsSet(to)) trackbar::FillSolid(c, client, IsSet(from) ? from : to);
  }
  if (IsSet(border) && FBorderWidth >= 1) {
    for (int i = 0; i < FBorderWidth; ++i)
      trackbar::FrameRect(c, {i, i, width() - i, height() - i}, border);
  }
}

void TCustomTrackBar::DrawRating(platform::Canvas& c) {
  const int shown = RateCellsShown();
  for (int k = 1; k <= shown; ++k) {
    const int v = FMin + k;
    const QRect cell = RateCellRect(v);
    if (cell.isEmpty()) continue;
    const QImage image = (v <= FPosition ? FIRateActive : FIRateInActive).Image();
    if (!image.isNull()) c.Draw(cell.left(), cell.top(), image);
  }
}

void TCustomTrackBar::DrawSlider(platform::Canvas& c) {
  if (RatingMode() || !SliderShown()) return;
  const bool on = isEnabled();
  TTrackBarSlider* s = FSlider;
  TGDIPPicture* pic = on || s->PictureDisabled()->Empty() ? s->Picture() : s->PictureDisabled();
  TGDIPPicture* picDone = on ? s->PictureCompleted() : s->PictureCompletedDisabled();
  const QColor border = on ? s->BorderColor() : s->BorderColorDisabled();
  const QColor color = on ? s->Color() : s->ColorDisabled();
  const QColor colorTo = on ? s->ColorTo() : s->ColorDisabledTo();
  const QColor done = on ? s->ColorCompleted() : s->ColorCompletedDisabled();
  const QColor doneTo = on ? s->ColorCompletedTo() : s->ColorCompletedDisabledTo();
  const TRect S = TRectSlider();
  const bool vertical = FOrientation == trVertical;

  TRect completed{0, 0, 0, 0}, rest = S;
  const bool hasCompleted = IsSet(done) || !picDone->Empty();
  if (hasCompleted) {
    const TRect th = TRectThumb();
    const int m = (vertical ? th.Top : th.Left) + FThumb->Width() / 2;
    if (vertical) {
      completed = {S.Left, m, S.Right, S.Bottom};
      rest = {S.Left, S.Top, S.Right, m + 1};
    } else {
      completed = {S.Left, S.Top, m, S.Bottom};
      rest = {m - 1, S.Top, S.Right, S.Bottom};
    }
  }
  const bool rounded = s->Rounded() && pic->Empty();
  QPainter& p = c.Painter();
  p.save();
  if (rounded) {
    QPainterPath clip;
    clip.addRoundedRect(QRectF(platform::ToQRect(S)), 3.5, 3.5);
    p.setClipPath(clip, Qt::IntersectClip);
  }
  auto paintPart = [&](const TRect& r, const QColor& a, const QColor& b) {
    if (r.Width() <= 0 || r.Height() <= 0) return;
    if (IsSet(a) && IsSet(b)) trackbar::DirectedGradient(c, a, b, s->Direction(), r, s->Steps());
    else if (IsSet(a) || IsSet(b)) trackbar::FillSolid(c, r, IsSet(a) ? a : b);
  };
  auto paintPicture = [&](TGDIPPicture* picture, const TRect& part) {
    if (part.Width() <= 0 || part.Height() <= 0) return;
    picture->GetImageSizes();
    const QImage image = picture->Image();
    if (image.isNull()) return;
    if (s->PictureStretched()) {
      c.StretchDraw(part, image);
    } else if (part.Left > 0 && part.Right > 0) {
      p.save();
      p.setClipRect(platform::ToQRect(part), Qt::IntersectClip);
      p.drawImage(QPoint(S.Left, S.Top), image);
      p.restore();
    }
  };
  if (pic->Empty()) {
    if (hasCompleted) paintPart(completed, done, doneTo);
    paintPart(rest, color, colorTo);
  } else {
    if (hasCompleted && !picDone->Empty()) paintPicture(picDone, completed);
    paintPicture(pic, rest);
  }
  p.restore();

  if (!IsSet(border)) return;
  if (s->Rounded()) {
    trackbar::RoundOutline(c, S, border);
    if (s->Border3D()) trackbar::RoundOutline(c, {S.Left + 1, S.Top + 1, S.Right - 1, S.Bottom - 1}, Qt::white);
  } else if (s->Border3D()) {
    trackbar::TwoColourFrame(c, S, border);
  } else {
    trackbar::FrameRect(c, S, border);
  }
}

void TCustomTrackBar::DrawThumb(platform::Canvas& c) {
  if (RatingMode() || FThumb->Size() < 1) return;
  if (!FThumb->ShowAtMinMax() && (FPosition == FMin || FPosition == FMax)) return;
  TGDIPPicture* pic = FThumb->Picture();
  if (FThumbDown && !FThumb->PictureDown()->Empty()) pic = FThumb->PictureDown();
  else if (FThumbHot && !FThumb->PictureHot()->Empty()) pic = FThumb->PictureHot();
  if (!isEnabled() && !FThumb->PictureDisabled()->Empty()) pic = FThumb->PictureDisabled();
  const TRect r = TRectThumb();
  if (!pic->Empty()) {
    pic->GetImageSizes();
    const QImage image = pic->Image();
    if (!image.isNull()) c.Painter().drawImage(QPoint(r.Left, r.Top), image);
    return;
  }
  DrawThumbShape(c, r);
}

void TCustomTrackBar::DrawFocus(platform::Canvas& c) {
  if (!FShowFocus || !hasFocus()) return;
  // Every other pixel of the outline, starting with the first.
  const int r = width() - 2, b = height() - 2;
  if (r < 0 || b < 0) return;
  std::vector<QPoint> path;
  for (int x = 0; x < r; ++x) path.emplace_back(x, 0);
  for (int y = 0; y < b; ++y) path.emplace_back(r, y);
  for (int x = r; x > 0; --x) path.emplace_back(x, b);
  for (int y = b; y > 0; --y) path.emplace_back(0, y);
  for (size_t i = 0; i < path.size(); i += 2) c.SetPixel(path[i].x(), path[i].y(), platform::clBlack);
}

void TCustomTrackBar::changeEvent(QEvent* e) {
  if (e->type() == QEvent::EnabledChange) Repaint();
  QWidget::changeEvent(e);
}
