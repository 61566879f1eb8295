// The high and low cuts of the channel panels: the frequency faders (collected
// by the 1 ms one-shot tmHpLpCurve), the slope lists and bypass buttons, and
// the cascade that builds a cut's drawn response from up to five first- and
// second-order working sections (13-17) of the channel's plot.
#include <array>

#include "controls/ExTrackBar.h"
#include "controls/RoundEdit.h"
#include "controls/UxBmpButton.h"
#include "controls/UxComboBox.h"
#include "display/FilterDesign.h"
#include "display/LMyFFTDrawHpLp6dB.h"
#include "display/Plot.h"
#include "mainwindow/FMain.h"
#include "model/Codecs.h"
#include "model/Lunitcontrol.h"
#include "platform/Timer.h"

namespace {

namespace T = display::PlotFilterType;

// Slope code (0 bypassed, 1-20 the list's item + 1) to the cascade's row.
constexpr std::array<int, 21> kSlopeRow = {0, 1, 9, 2, 10, 17, 3, 11, 4, 12, 18, 5, 13, 6, 14, 19, 7, 15, 8, 16, 20};

// Butterworth orders 1-8 (rows 1-8): the first-order section's coefficient
// (odd orders), then the second-order sections' a (b = 1).
constexpr float kButterworth[8][5] = {
    {1.0f, 0, 0, 0, 0},           {0, 1.4142f, 0, 0, 0},
    {1.0f, 1.0f, 0, 0, 0},        {0, 0.7654f, 1.8478f, 0, 0},
    {1.0f, 0.6180f, 1.6180f, 0, 0}, {0, 0.5176f, 1.4142f, 1.9319f, 0},
    {1.0f, 0.4450f, 1.2470f, 1.8019f, 0}, {0, 0.3902f, 1.1111f, 1.6629f, 1.9616f}};

// Bessel orders 1-8 (rows 9-16): first-order coefficient, an unread 0, then
// (a, b) of up to four second-order sections.
constexpr float kBessel[8][10] = {
    {1.0f, 0, 0, 0, 0, 0, 0, 0, 0, 0},
    {0, 0, 1.3617f, 0.6180f, 0, 0, 0, 0, 0, 0},
    {0.7560f, 0, 0.9996f, 0.4772f, 0, 0, 0, 0, 0, 0},
    {0, 0, 1.3397f, 0.4889f, 0.7743f, 0.3890f, 0, 0, 0, 0},
    {0.6656f, 0, 1.1402f, 0.4128f, 0.6216f, 0.3245f, 0, 0, 0, 0},
    {0, 0, 1.2217f, 0.3887f, 0.9686f, 0.3505f, 0.5131f, 0.2756f, 0, 0},
    {0.5937f, 0, 1.0944f, 0.3395f, 0.8304f, 0.3011f, 0.4332f, 0.2381f, 0, 0},
    {0, 0, 1.1112f, 0.3126f, 0.9754f, 0.2979f, 0.7202f, 0.2621f, 0.3728f, 0.2087f}};

constexpr double kCutQ = 0.05;

QString PanelSuffix(int ch) { return ch > 7 ? QStringLiteral("Out1") : QStringLiteral("InA"); }
QString Role(bool lowCut) { return lowCut ? QStringLiteral("LowCut") : QStringLiteral("HighCut"); }

std::uint32_t Pair(int slope, int code) {
  return static_cast<std::uint32_t>(slope & 0xFFFF) | static_cast<std::uint32_t>(code & 0xFFFF) << 16;
}

}  // namespace

void TfmMain::BindCutEditing() {
  tmHpLpCurve = new platform::Timer(this, 1);
  Register(tmHpLpCurve, QStringLiteral("tmHpLpCurve"));
  tmHpLpCurve->OnTimer = [this](QObject* s) { tmHpLpCurveTimer(s); };
  for (const char* side : {"InA", "Out1"}) {
    const QString s = QString::fromLatin1(side);
    if (auto* f = FindControl<TExTrackBar>("isLowCutFreq" + s)) f->OnChange = [this](QObject* o) { isLowCutFreqInAChange(o); };
    if (auto* f = FindControl<TExTrackBar>("isHighCutFreq" + s)) f->OnChange = [this](QObject* o) { isHighCutFreqInAChange(o); };
    if (auto* c = FindControl<TUxComboBox>("uxcLowCutSlop" + s)) {
      c->OnChange = [this](QObject* o) { uxcLowCutSlopInAChange(o); };
      c->OnMouseWheel = [this](QObject* o, Qt::KeyboardModifiers k, int d, QPoint p, bool& h) {
        uxcLowCutSlopInAMouseWheel(o, k, d, p, h);
      };
    }
    if (auto* c = FindControl<TUxComboBox>("uxcHighCutSlop" + s)) {
      c->OnChange = [this](QObject* o) { uxcHighCutSlopInAChange(o); };
      c->OnMouseWheel = [this](QObject* o, Qt::KeyboardModifiers k, int d, QPoint p, bool& h) {
        uxcHighCutSlopInAMouseWheel(o, k, d, p, h);
      };
    }
    if (auto* b = FindControl<TUxBmpButton>("uxbLowCutBypass" + s)) b->OnClick = [this](QObject* o) { uxbLowCutBypassInAClick(o); };
    if (auto* b = FindControl<TUxBmpButton>("uxbHighCutBypass" + s)) b->OnClick = [this](QObject* o) { uxbHighCutBypassInAClick(o); };
  }
  // The level lists take no wheel either.
  QStringList levels = {QStringLiteral("uxcLineInA")};
  for (int i = 0; i < 8; ++i) levels << platform::ComposedName("uxcLineBackupIn", i);
  for (const QString& name : levels)
    if (auto* c = FindControl<TUxComboBox>(name))
      c->OnMouseWheel = [this](QObject* o, Qt::KeyboardModifiers k, int d, QPoint p, bool& h) {
        uxcLowCutSlopInAMouseWheel(o, k, d, p, h);
      };
}

void TfmMain::uxcLowCutSlopInAMouseWheel(QObject*, Qt::KeyboardModifiers, int, QPoint, bool& Handled) { Handled = true; }
void TfmMain::uxcHighCutSlopInAMouseWheel(QObject*, Qt::KeyboardModifiers, int, QPoint, bool& Handled) { Handled = true; }

void TfmMain::isLowCutFreqInAChange(QObject*) { CutFaderChange(true); }
void TfmMain::isHighCutFreqInAChange(QObject*) { CutFaderChange(false); }

void TfmMain::CutFaderChange(bool lowCut) {
  if (Updating || !UnitControl) return;
  const QString s = PanelSuffix(CurrentChannel);
  auto* fader = FindControl<TExTrackBar>("is" + Role(lowCut) + "Freq" + s);
  auto* box = FindControl<TRoundEdit>("cvd" + Role(lowCut) + "Freq" + s);
  auto* combo = FindControl<TUxComboBox>("uxc" + Role(lowCut) + "Slop" + s);
  auto* bypass = FindControl<TUxBmpButton>("uxb" + Role(lowCut) + "Bypass" + s);
  if (!fader || !box || !combo || !bypass) return;
  const int code = fader->Position();
  box->SetText(FrequencyText(code));
  CutWords pairs = UnitControl->GetHighLowPass(CurrentChannel);
  const int slope = bypass->Down() ? 0 : combo->ItemIndex() + 1;
  (lowCut ? pairs.LowCut : pairs.HighCut) = Pair(slope, code);
  tmHpLpCurve->SetEnabled(true);
  PendingCurve.kind = lowCut ? 1 : 0;
  PendingCurve.channel = EditChannel;
  PendingCurve.frequency = static_cast<float>(CodeToFrequency(code));
  PendingCurve.slope = slope;
  if (lowCut)
    UnitControl->SetHighPass(EditChannel, pairs.LowCut, pairs.HighCut);
  else
    UnitControl->SetLowPass(EditChannel, pairs.LowCut, pairs.HighCut);
}

void TfmMain::tmHpLpCurveTimer(QObject*) {
  tmHpLpCurve->SetEnabled(false);
  const int ch = PendingCurve.channel;
  if (ch < 0 || ch > 15 || !Plots[ch]) return;
  const bool lowCut = PendingCurve.kind == 1;
  ComputeHpLpCurve(lowCut, PendingCurve.slope, PendingCurve.frequency, 10, ch);
  display::Plot& plot = *Plots[ch];
  plot.DrawSectionFilled(lowCut ? 5 : 6, lowCut ? 10 : 11, 0.0f, 0.0f, true);
  plot.DrawSum(ch);
  if (auto* widget = PlotWidget(ch)) widget->UpdateCurvePage();
}

void TfmMain::uxcLowCutSlopInAChange(QObject*) { CutSlopeOrBypass(true, false); }
void TfmMain::uxcHighCutSlopInAChange(QObject*) { CutSlopeOrBypass(false, false); }
void TfmMain::uxbLowCutBypassInAClick(QObject*) { CutSlopeOrBypass(true, true); }
void TfmMain::uxbHighCutBypassInAClick(QObject*) { CutSlopeOrBypass(false, true); }

void TfmMain::CutSlopeOrBypass(bool lowCut, bool bypassClick) {
  if (Updating || !UnitControl) return;
  const QString s = PanelSuffix(CurrentChannel);
  auto* fader = FindControl<TExTrackBar>("is" + Role(lowCut) + "Freq" + s);
  auto* combo = FindControl<TUxComboBox>("uxc" + Role(lowCut) + "Slop" + s);
  auto* bypass = FindControl<TUxBmpButton>("uxb" + Role(lowCut) + "Bypass" + s);
  if (!fader || !combo || !bypass) return;
  const int ch = EditChannel;
  if (ch < 0 || ch > 15 || !Plots[ch]) return;
  CutWords pairs = UnitControl->GetHighLowPass(CurrentChannel);
  const int slope = bypass->Down() ? 0 : combo->ItemIndex() + 1;
  const int code = fader->Position();
  (lowCut ? pairs.LowCut : pairs.HighCut) = Pair(slope, code);

  display::Plot& plot = *Plots[ch];
  ComputeHpLpCurve(lowCut, slope, static_cast<float>(CodeToFrequency(code)), 10, ch);
  plot.DrawSectionFilled(lowCut ? 5 : 6, lowCut ? 10 : 11, 0.0f, 0.0f, true);
  plot.DrawSum(bypassClick && !lowCut ? ch : CurrentChannel);
  if (auto* widget = PlotWidget(ch)) widget->UpdateCurvePage();
  if (Updating) return;
  if (lowCut)
    UnitControl->SetHighPass(ch, pairs.LowCut, pairs.HighCut);
  else
    UnitControl->SetLowPass(ch, pairs.LowCut, pairs.HighCut);
}

void TfmMain::ComputeHpLpCurve(bool lowCut, int slope, float frequency, int firstSection, int plotIndex) {
  if (plotIndex < 0 || plotIndex >= static_cast<int>(Plots.size()) || !Plots[plotIndex]) return;
  display::Plot& plot = *Plots[plotIndex];
  const int total = lowCut ? firstSection : firstSection + 1;
  const int first = lowCut ? T::LowCut1 : T::HighCut1;
  const int second = lowCut ? T::LowCut2 : T::HighCut2;
  const int general = lowCut ? T::LowCut2b : T::HighCut2b;
  const double f = frequency;
  auto set = [&](int section, int type, float a, float b) {
    plot.Sections[section]->SetCutFilter(0.0, f, kCutQ, type, a, b);
  };
  auto flat = [&](int section) { plot.Sections[section]->SetCutFilter(0.0, 1000.0, kCutQ, T::Flat, 0, 0); };

  for (int s = 13; s <= 17; ++s) plot.Sections[s]->SetCutFilter(0.0, 1000.0, 0.0, T::Flat, 0, 0);
  // A code no list item gives (a stored image may hold one) draws flat.
  const int row = slope >= 0 && slope <= 20 ? kSlopeRow[static_cast<std::size_t>(slope)] : 0;
  int lastType = T::Flat;
  float lastA = 0, lastB = 0;
  auto cascade = [&](int section, int type, float a, float b) {
    set(section, type, a, b);
    lastType = type;
    lastA = a;
    lastB = b;
  };
  if (row == 0) {
    set(total, T::Flat, 0, 0);
  } else if (row == 1) {
    set(total, first, 1.0f, 0);
  } else {
    if (row <= 8) {
      const float* e = kButterworth[row - 1];
      if (e[0] == 1.0f) cascade(13, first, 1.0f, 0); else flat(13);
      for (int i = 1; i <= 4; ++i)
        if (e[i] != 0) cascade(13 + i, second, e[i], 1.0f); else flat(13 + i);
    } else if (row <= 16) {
      const float* e = kBessel[row - 9];
      if (e[0] != 0) cascade(13, first, e[0], 0); else flat(13);
      for (int i = 1; i <= 4; ++i) {
        const float a = e[2 * i], b = e[2 * i + 1];
        if (a != 0) cascade(13 + i, general, a, b); else flat(13 + i);
      }
    } else if (row <= 18) {
      for (int i = 0; i < 2; ++i) {
        if (row == 17) cascade(13 + i, first, 1.0f, 0); else cascade(13 + i, second, 1.4142f, 1.0f);
        flat(15 + i);
      }
    } else {
      for (int i = 0; i < 2; ++i) {
        if (row == 19) {
          cascade(13 + i, first, 1.0f, 0);
          cascade(15 + i, second, 1.0f, 1.0f);
        } else {
          cascade(13 + i, second, 1.8478f, 1.0f);
          cascade(15 + i, second, 0.7654f, 1.0f);
        }
      }
      flat(17);
    }
    set(total, lastType, lastA, lastB);
    display::ResponseCurve& sum = plot.Sections[total]->Response;
    for (std::size_t i = 0; i < sum.size(); ++i) {
      double v = 0;
      for (int s = 13; s <= 17; ++s) v += plot.Sections[s]->Response[i];
      sum[i] = v;
    }
  }
  plot.DrawHandle(total, 0.0f, lowCut ? 3 : 2);
}

void TfmMain::RefreshLowCutCurve(display::LMyFFTDrawHpLp6dB* plotWidget) {
  if (!plotWidget || !UnitControl) return;
  const int ch = plotWidget->Tag();
  if (ch < 0 || ch > 15 || !Plots[ch]) return;
  const std::uint32_t pair = UnitControl->GetHighLowPass(ch).LowCut;
  ComputeHpLpCurve(true, static_cast<int>(pair & 0xFFFF), static_cast<float>(CodeToFrequency(static_cast<int>(pair >> 16))), 10, ch);
  Plots[ch]->DrawSum(ch);
}

void TfmMain::RefreshHighCutCurve(display::LMyFFTDrawHpLp6dB* plotWidget) {
  if (!plotWidget || !UnitControl) return;
  const int ch = plotWidget->Tag();
  if (ch < 0 || ch > 15 || !Plots[ch]) return;
  const std::uint32_t pair = UnitControl->GetHighLowPass(ch).HighCut;
  ComputeHpLpCurve(false, static_cast<int>(pair & 0xFFFF), static_cast<float>(CodeToFrequency(static_cast<int>(pair >> 16))), 10, ch);
  Plots[ch]->DrawSum(ch);
}
