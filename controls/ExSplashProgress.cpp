#include "controls/ExSplashProgress.h"

#include <QPainter>
#include <QTimer>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>
#include <memory>

#include "controls/GdipColors.h"
#include "controls/GdipObjects.h"
#include "platform/Format.h"

namespace {
bool IsNone(const QColor& c) { return !c.isValid() || c.alpha() == 0; }

// A format that takes exactly one floating-point argument, or nothing: any
// other conversion would read an argument that is not there.
bool IsOneFloatFormat(const QByteArray& f) {
  const int n = platform::CountConversions(std::string_view(f.constData(), f.size()), "fFeEgG");
  return n >= 0 && n <= 1;
}

QColor TableColor(platform::TColor c) {
  return c == platform::clNone ? QColor() : platform::ToQColor(platform::ColorToRGB(c));
}

void FillRect(TGPGraphics& g, const QRectF& r, ARGB from, ARGB to, int mode) {
  if (r.width() <= 0 || r.height() <= 0) return;
  TGPLinearGradientBrush brush(TGPRectF{float(r.x() - 1), float(r.y() - 1), float(r.width() + 2),
                                        float(r.height() + 2)},
                               from, to, mode);
  g.FillRectangle(&brush, TGPRectF::FromQt(r));
}
}  // namespace

// ---- TGDIPSplashProgress ----

TGDIPSplashProgress::TGDIPSplashProgress(QObject* parent) : QObject(parent) {
  FBackGroundFill.OnChange = [this](QObject*) { Changed(); };
  FProgressFill.OnChange = [this](QObject*) { Changed(); };
}

void TGDIPSplashProgress::Changed() {
  if (OnChange) OnChange(this);
}

void TGDIPSplashProgress::Assign(const TGDIPSplashProgress* s) {
  if (!s || s == this) return;
  const auto keep = OnChange;
  OnChange = nullptr;
  FBackGroundFill.Assign(&s->FBackGroundFill);
  FProgressFill.Assign(&s->FProgressFill);
  OnChange = keep;
  FValueFormat = s->FValueFormat; FValueType = s->FValueType; FValuePosition = s->FValuePosition;
  FValuePositionLeft = s->FValuePositionLeft; FValuePositionTop = s->FValuePositionTop;
  FValueVisible = s->FValueVisible;
  FFont = s->FFont; FProgressFont = s->FProgressFont;
  FVisible = s->FVisible;
  FLeft = s->FLeft; FTop = s->FTop; FWidth = s->FWidth; FHeight = s->FHeight;
  FStep = s->FStep; FMaximum = s->FMaximum; FMinimum = s->FMinimum; FPosition = s->FPosition;
  FProgressAnimation = s->FProgressAnimation; FGlowAnimation = s->FGlowAnimation;
  Changed();
}

void TGDIPSplashProgress::SetBackGroundFill(const TGDIPFill* v) {
  if (v == &FBackGroundFill) return;
  FBackGroundFill.Assign(v);
}
void TGDIPSplashProgress::SetProgressFill(const TGDIPFill* v) {
  if (v == &FProgressFill) return;
  FProgressFill.Assign(v);
}
void TGDIPSplashProgress::SetFont(const platform::TFont& v) { Store(FFont, v); }
void TGDIPSplashProgress::SetProgressFont(const platform::TFont& v) { Store(FProgressFont, v); }
void TGDIPSplashProgress::SetValueFormat(const QString& v) { Store(FValueFormat, v); }
void TGDIPSplashProgress::SetValueType(TGDIPProgressValueType v) { Store(FValueType, v); }
void TGDIPSplashProgress::SetValuePosition(TGDIPProgressValuePosition v) { Store(FValuePosition, v); }
void TGDIPSplashProgress::SetValuePositionLeft(int v) { Store(FValuePositionLeft, v); }
void TGDIPSplashProgress::SetValuePositionTop(int v) { Store(FValuePositionTop, v); }
void TGDIPSplashProgress::SetValueVisible(bool v) { Store(FValueVisible, v); }
void TGDIPSplashProgress::SetVisible(bool v) {
  FVisible = v;
  Changed();
}
void TGDIPSplashProgress::SetLeft(int v) { Store(FLeft, v); }
void TGDIPSplashProgress::SetTop(int v) { Store(FTop, v); }
void TGDIPSplashProgress::SetWidth(int v) { Store(FWidth, v); }
void TGDIPSplashProgress::SetHeight(int v) { Store(FHeight, v); }
void TGDIPSplashProgress::SetMinimum(double v) { Store(FMinimum, v); }
void TGDIPSplashProgress::SetMaximum(double v) { Store(FMaximum, v); }
void TGDIPSplashProgress::SetPosition(double v) { Store(FPosition, v); }

platform::TRect TGDIPSplashProgress::InsideRect(const platform::TRect& r) const {
  platform::TRect i{r.Left, r.Top, r.Right - 1, r.Bottom - 1};
  const QColor border = FBackGroundFill.BorderColor();
  if (!IsNone(border)) {
    const int bw = FBackGroundFill.BorderWidth();
    const int d = bw == 1 ? 1 : (bw + 1) / 2;
    i = {i.Left + d, i.Top + d, i.Right - d, i.Bottom - d};
  }
  return i;
}

QRectF TGDIPSplashProgress::GetInsideRectF(const platform::TRect& r) const {
  const platform::TRect i = InsideRect(r);
  return QRectF(i.Left, i.Top, i.Right - i.Left, i.Bottom - i.Top);
}

QRectF TGDIPSplashProgress::CalculateProgressRectangle(const platform::TRect& r, double minimum, double maximum,
                                                       double position) const {
  const platform::TRect i = InsideRect(r);
  const bool border = !IsNone(FProgressFill.BorderColor()) && FProgressFill.BorderWidth() != 0;
  const int b = border ? FProgressFill.BorderWidth() : 0;
  const double full = double(i.Right - b - i.Left);
  const double w = maximum - minimum > 0 ? std::min(full, (position - minimum) / (maximum - minimum) * full) : 0.0;
  if (border) return QRectF(i.Left + b / 2.0, i.Top + b / 2.0, w, i.Bottom - b - i.Top);
  return QRectF(i.Left, i.Top, w, i.Bottom - i.Top);
}

QString TGDIPSplashProgress::ValueText(double minimum, double maximum, double position) const {
  position = std::max(minimum, std::min(position, maximum));
  double value = position;
  if (FValueType == vtPercentage)
    value = maximum > minimum ? (position - minimum) / (maximum - minimum) * 100 : maximum;
  const QByteArray format = FValueFormat.toUtf8();
  if (!IsOneFloatFormat(format)) return FValueFormat;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
  return QString::fromStdString(platform::FormatC(format.constData(), value));
#pragma GCC diagnostic pop
}

void TGDIPSplashProgress::drawEndShades(TGPGraphics& g, const QRectF& r) const {
  FillRect(g, QRectF(r.x(), r.y(), 10, r.height()), MakeARGB(30, 0, 0, 0), MakeARGB(0, 0, 0, 0),
           LinearGradientModeHorizontal);
  FillRect(g, QRectF(r.x() + r.width() - 10, r.y(), 10, r.height()), MakeARGB(0, 0, 0, 0), MakeARGB(30, 0, 0, 0),
           LinearGradientModeHorizontal);
}

void TGDIPSplashProgress::drawGloss(TGPGraphics& g, const QRectF& i) const {
  FillRect(g, QRectF(i.x(), i.y(), i.width(), i.height() / 2.5), MakeARGB(180, 255, 255, 255),
           MakeARGB(0, 255, 255, 255), LinearGradientModeVertical);
  FillRect(g, QRectF(i.x(), i.y() + i.height() - i.height() / 5, i.width(), i.height() / 5),
           MakeARGB(0, 255, 255, 255), MakeARGB(255, 255, 255, 255), LinearGradientModeVertical);
}

void TGDIPSplashProgress::drawValue(TGPGraphics& g, const platform::TRect& r, double minimum, double maximum,
                                    double position) const {
  const QString text = ValueText(minimum, maximum, position);
  const QRectF inside = GetInsideRectF(r);
  const QRectF p = CalculateProgressRectangle(r, minimum, maximum, position);
  const std::unique_ptr<TGPFont> font(TGPGraphics::MakeFont(FFont));
  TGPRectF box;
  g.MeasureString(text, -1, font.get(), TGPRectF::FromQt(inside), box);
  const double tw = box.Width, th = box.Height;
  double y = (inside.height() - th) / 2, x = inside.x();
  switch (FValuePosition) {
    case vpProgressCenter: x = p.width() >= tw ? inside.x() + (p.width() - tw) / 2 : inside.x(); break;
    case vpProgressRight: x = p.width() >= tw ? inside.x() + p.width() - tw : inside.x(); break;
    case vpCenter: x = r.Left + (inside.width() - tw) / 2; break;
    case vpLeft: x = inside.x(); break;
    case vpRight: x = r.Left + inside.width() - tw; break;
    case vpCustom:
      x = r.Left + FValuePositionLeft;
      y = FValuePositionTop;
      break;
  }
  const bool over = p.x() + p.width() > x + tw / 2;
  const platform::TFont& chosen = over ? FProgressFont : FFont;
  const std::unique_ptr<TGPFont> drawFont(TGPGraphics::MakeFont(chosen));
  TGPSolidBrush brush(AlphaColorToARGB(255, chosen.Color));
  g.DrawString(text, -1, drawFont.get(), TGPPointF{float(x), float(r.Top + y)}, &brush);
}

void TGDIPSplashProgress::Draw(TGPGraphics& g, const platform::TRect& r, double minimum, double maximum,
                               double position) {
  QPainter* painter = g.Painter();
  if (!painter) return;
  FBackGroundFill.Fill(*painter, QRectF(r.Left, r.Top, r.Width() - 1, r.Height() - 1));
  const QRectF p = CalculateProgressRectangle(r, minimum, maximum, position);
  FProgressFill.Fill(*painter, p);
  if (p.width() > 0) drawEndShades(g, p);
  const QRectF inside = GetInsideRectF(r);
  drawEndShades(g, inside);
  if (FValueVisible) drawValue(g, r, minimum, maximum, position);
  drawGloss(g, inside);
}

// ---- TExSplashProgressBar ----

TExSplashProgressBar::TExSplashProgressBar(QWidget* parent)
    : QWidget(parent), FAppearance(new TGDIPSplashProgress(this)), FAnimationTimer(new QTimer(this)) {
  FAppearance->OnChange = [this](QObject*) { AppearanceChanged(); };
  FAnimationTimer->setTimerType(Qt::PreciseTimer);  // never fires early
  FAnimationTimer->setInterval(10);
  connect(FAnimationTimer, &QTimer::timeout, this, [this] { AnimationTick(); });
  FAnimationTimer->start();
  resize(150, 17);
}

TExSplashProgressBar::~TExSplashProgressBar() { FAppearance->OnChange = nullptr; }

void TExSplashProgressBar::Assign(const TExSplashProgressBar* s) {
  if (!s || s == this) return;
  SetStep(s->FStep);
  SetMinimum(s->FMinimum);
  SetMaximum(s->FMaximum);
  SetPosition(s->FPosition);
  SetGlowAnimation(s->FGlowAnimation);
  SetProgressAnimation(s->FProgressAnimation);
  SetAppearance(s->FAppearance);
  update();
}

void TExSplashProgressBar::SetAppearance(const TGDIPSplashProgress* v) {
  if (v != FAppearance) {
    const auto keep = FAppearance->OnChange;
    FAppearance->OnChange = nullptr;
    FAppearance->Assign(v);
    FAppearance->OnChange = keep;
  }
  AppearanceChanged();
}

void TExSplashProgressBar::AppearanceChanged() {
  const TGDIPSplashProgress& a = *FAppearance;
  setGeometry(a.FLeft, a.FTop, a.FWidth, a.FHeight);
  setVisible(a.FVisible);
  SetStep(a.FStep);
  SetMinimum(a.FMinimum);
  SetMaximum(a.FMaximum);
  SetPosition(a.FPosition);
  SetGlowAnimation(a.FGlowAnimation);
  SetProgressAnimation(a.FProgressAnimation);
  update();
}

void TExSplashProgressBar::StorePosition(double v) {
  if (v == FPosition) return;
  FPosition = v;
  if (OnChange) OnChange(this);
}

void TExSplashProgressBar::SetPosition(double v) {
  StorePosition(std::max(FMinimum, std::min(v, FMaximum)));
  if (FProgressAnimation) {
    FPositionTo = FPosition;
    return;
  }
  FPositionTo = FPositionTemp = FPosition;
  if (OnPositionChanged) OnPositionChanged(this, FPosition);
  update();
}

void TExSplashProgressBar::SetMaximum(double v) {
  if (v == FMaximum) return;
  FMaximum = v;
  if (v < FPosition) {
    if (!FProgressAnimation) {
      FPositionTemp = v;
      StorePosition(v);
    }
    FPositionTo = v;
  }
  update();
}

void TExSplashProgressBar::SetMinimum(double v) {
  if (v == FMinimum) return;
  FMinimum = v;
  if (v > FPosition) {
    if (!FProgressAnimation) {
      FPositionTemp = v;
      StorePosition(v);
    }
    FPositionTo = v;
  }
  update();
}

void TExSplashProgressBar::SetStep(double v) {
  if (v == FStep) return;
  FStep = v;
  update();
}

void TExSplashProgressBar::SetGlowAnimation(bool v) {
  if (v == FGlowAnimation) return;
  FGlowAnimation = v;
  update();
}

void TExSplashProgressBar::SetProgressAnimation(bool v) {
  if (v == FProgressAnimation) return;
  FProgressAnimation = v;
  update();
  if (!v) SetPosition(FPosition);
}

bool TExSplashProgressBar::AnimationInProgress() const {
  return FProgressAnimation && std::abs(FPositionTemp - FPositionTo) >= 0.001;
}

void TExSplashProgressBar::AnimationTick() {
  if (FProgressAnimation) {
    const double rest = std::abs(FPositionTo - FPositionTemp);
    const double before = FPositionTemp;
    if (rest < 1e-6) {
      FPositionTemp = FPositionTo;
    } else {
      const double d = std::max(rest / 15, 1e-6);
      FPositionTemp += FPositionTo > FPositionTemp ? d : -d;
    }
    StorePosition(FPositionTemp);
    if (OnPositionChanged) OnPositionChanged(this, FPosition);
    if (FPositionTemp != before) update();
  }
  if (FPosition > FMinimum && FGlowAnimation) {
    if (FGlowCount >= 1500) FGlowPos += 3;
    const QRectF p = FAppearance->CalculateProgressRectangle(FRect, FMinimum, FMaximum, FPosition);
    if (p.width() >= FGlowPos) {
      FGlowCount += 10;
    } else {
      FGlowCount = 0;
      FGlowPos = -40;
    }
    update();
  }
}

void TExSplashProgressBar::drawGlow(TGPGraphics& g) const {
  QPainter& painter = *g.Painter();
  const QRectF p = FAppearance->CalculateProgressRectangle(FRect, FMinimum, FMaximum, FPosition);
  if (p.width() <= 0 || p.height() <= 0) return;
  const QRectF inside = FAppearance->GetInsideRectF(FRect);
  painter.save();
  TGPGraphicsPath clip;
  clip.AddRectangle(TGPRectF::FromQt(p));
  g.SetClip(&clip, CombineModeIntersect);
  FillRect(g, QRectF(FGlowPos - 30, inside.y(), 30, inside.height()), MakeARGB(0, 255, 255, 255),
           MakeARGB(120, 255, 255, 255), LinearGradientModeHorizontal);
  FillRect(g, QRectF(FGlowPos, inside.y(), 30, inside.height()), MakeARGB(120, 255, 255, 255),
           MakeARGB(0, 255, 255, 255), LinearGradientModeHorizontal);
  painter.restore();
}

void TExSplashProgressBar::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  TGPGraphics g(painter);
  g.SetSmoothingMode(SmoothingModeAntiAlias);
  g.SetTextRenderingHint(TextRenderingHintClearTypeGridFit);
  FRect = platform::TRect{0, 0, width(), height()};
  FAppearance->Draw(g, FRect, FMinimum, FMaximum, FPosition);
  if (FGlowAnimation && FPosition > 0) drawGlow(g);
}

void TExSplashProgressBar::resizeEvent(QResizeEvent* e) {
  QWidget::resizeEvent(e);
  update();
}

void TExSplashProgressBar::SetComponentStyle(int style) {
  using platform::clNone;
  constexpr platform::TColor btnFace = platform::clBtnFace;
  struct Row {
    platform::TColor bg, bgTo, bgBorder, color, colorTo, mirror, mirrorTo, border;
    bool verticalMirror;
  };
  static const Row rows[] = {
      {16765615, 16765615, 12632256, 16572875, 14722429, clNone, clNone, 9841920, true},
      {15128792, 15128792, 12632256, 15524577, 11769496, clNone, clNone, 9731196, true},
      {13627626, 13627626, 12632256, 13627626, 9224369, clNone, clNone, 5800032, true},
      {15921906, 15921906, 12632256, 16777215, 13226453, clNone, clNone, 8421504, true},
      {16765615, 16765615, 12632256, 16773091, 16768452, 16765357, 16767936, 16765357, true},
      {6050636, 6050636, 12632256, 16382200, 15000287, 13749191, 14868187, 0, true},
      {11974326, 11974326, 12632256, 16777215, btnFace, clNone, clNone, 0, true},
      {16120314, 16120314, 12632256, 16120314, 11059392, clNone, clNone, 9841920, true},
      {},  // the custom style
      {13287866, 13287866, 12632256, 16445163, 15064023, 14866644, 13748165, 0, true},
      {16644337, 16644337, 16637593, 16710128, 16642263, clNone, clNone, 16703386, true},
      {16644337, 16644337, 16637593, 16575452, 16571329, clNone, clNone, 13542013, true},
      {btnFace, btnFace, 8421504, 16777215, 16777215, clNone, clNone, 8421504, false},
      {16643823, 15784647, 13087391, 15588301, clNone, clNone, clNone, 5978398, true},
      {16765615, 16765615, 12632256, 15591909, clNone, clNone, clNone, 8154470, true},
      {12566463, 9539985, 14145494, 8553090, clNone, clNone, clNone, 7171437, true},
  };
  constexpr int kCustom = 8;
  if (style < 0 || style >= int(std::size(rows)) || style == kCustom) return;
  const Row& row = rows[style];
  TGDIPFill* bg = FAppearance->BackGroundFill();
  TGDIPFill* progress = FAppearance->ProgressFill();
  bg->SetColor(TableColor(row.bg));
  bg->SetColorTo(TableColor(row.bgTo));
  bg->SetBorderColor(TableColor(row.bgBorder));
  progress->SetColor(TableColor(row.color));
  progress->SetColorTo(TableColor(row.colorTo));
  progress->SetColorMirror(TableColor(row.mirror));
  progress->SetColorMirrorTo(TableColor(row.mirrorTo));
  progress->SetBorderColor(TableColor(row.border));
  if (row.verticalMirror) progress->SetGradientMirrorType(gtVertical);
}
