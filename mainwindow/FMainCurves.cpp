// The response plots' band selection and curve overlays: clearing and
// setting the selected band of every channel, rebuilding a plot's equaliser
// sections from its grid, and copying other channels' sum curves into a plot
// (lazily, by the OverlayDirty marks the image's setters leave).
#include <algorithm>

#include "controls/DvPowerButton.h"
#include "controls/UxBmpButton.h"
#include "display/FilterDesign.h"
#include "display/LMyFFTDrawHpLp6dB.h"
#include "display/MyPEQAllpassBandPassStop.h"
#include "display/Plot.h"
#include "mainwindow/FMain.h"
#include "model/Codecs.h"
#include "model/Lunitcontrol.h"

namespace {

// Role part of a channel's grid and band-button names: "InA", "Out3", "Eff".
QString RoleSuffix(int channel) {
  if (channel == 18) return QStringLiteral("Eff");
  return (channel < 8 ? QStringLiteral("In") : QStringLiteral("Out")) + platform::ChannelSuffix(channel);
}

}  // namespace

TMyPEQAllpassBandPassStop* TfmMain::PeqGridOf(int channel) const {
  return FindControl<TMyPEQAllpassBandPassStop>("peqPeq" + RoleSuffix(channel));
}

TUxBmpButton* TfmMain::BandButton(int channel, int band) const {
  return FindControl<TUxBmpButton>(QStringLiteral("uxbEq%1").arg(band + 1) + RoleSuffix(channel));
}

void TfmMain::ClearEqSelection() {
  for (int ch = 0; ch < 16; ++ch) {
    TMyPEQAllpassBandPassStop* grid = PeqGridOf(ch);
    if (!grid) return;
    // No selection is kept as row 15, which no grid shows: its button is 1.
    int row = grid->GetNowIndex();
    if (row < 0 || row >= grid->GetChannelNumber()) row = 0;
    TUxBmpButton* button = BandButton(ch, row);
    if (!button) return;
    button->SetDown(false);
    grid->SetNowIndex(15);
    grid->SetNowIndex(-1);
    if (display::Plot* plot = Plots[ch].get()) {
      plot->DrawSectionFilled(1, 0, 0.0f, 0.4f, false);
      plot->DrawSum(ch);
    }
    if (auto* widget = PlotWidget(ch)) widget->UpdateCurvePage();
  }
}

void TfmMain::SelectFirstEqBands() {
  if (!UnitControl) return;
  for (int ch : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 18}) {
    TMyPEQAllpassBandPassStop* grid = PeqGridOf(ch);
    TUxBmpButton* button = BandButton(ch, 0);
    display::Plot* plot = Plots[ch].get();
    if (!grid || !button || !plot) return;
    const PeqBand band = UnitControl->GetPeqBand(ch, 0);
    const float gain = static_cast<float>(CodeToGain(band.Gain));
    const float q = static_cast<float>(CodeToQ(band.Q));
    button->SetDown(true);
    grid->SetNowIndex(0);
    plot->DrawHandle(0, gain, 1);
    plot->DrawSectionFilled(band.Type, 0, gain, q, true);
    plot->DrawSum(ch);
    if (auto* widget = PlotWidget(ch)) widget->UpdateCurvePage();
  }
  // The panels show the band now selected, so a key or fader there steps
  // from the value the processor holds: the shown channel's side and the Aux
  // page's own panel.
  for (int ch : {CurrentChannel, 18}) {
    if ((ch < 0 || ch > 15) && ch != 18) continue;
    const PeqBand band = UnitControl->GetPeqBand(ch, 0);
    ShowEqBandControls(ch, true, CodeToQ(band.Q), CodeToGain(band.Gain), CodeToFrequency(band.Frequency));
  }
}

void TfmMain::RebuildPeqSections(display::LMyFFTDrawHpLp6dB* plotWidget) {
  if (!plotWidget) return;
  const int ch = plotWidget->Tag();
  TMyPEQAllpassBandPassStop* grid = PeqGridOf(ch > 15 ? 18 : ch);
  const int index = ch > 15 ? 18 : ch;
  display::Plot* plot = index >= 0 ? Plots[index].get() : nullptr;
  if (!grid || !plot) return;
  const int rows = std::min(grid->GetChannelNumber(), 10);  // sections 0-9 are bands
  for (int row = 0; row < rows; ++row) {
    const double f = grid->GetFreqValue(row);
    const double q = grid->GetQValue(row);
    const double gain = grid->GetGainValue(row);
    display::PlotSection& section = *plot->Sections[row];
    if (grid->GetBypassValue(row))
      section.SetFilter(0.0, f, q, display::PlotFilterType::Flat);
    else
      section.SetFilter(gain, f, q, display::PeqTypeToPlotFilterType(grid->GetTypeValue(row)));
    plot->DrawHandle(row, static_cast<float>(gain), 1);
  }
  plot->DrawSum(index);
}

void TfmMain::RefreshChannelOverlays(int channel) {
  if (channel < 0 || channel > 15) return;
  display::Plot* plot = Plots[channel].get();
  if (!plot) return;
  const int first = channel < 8 ? 0 : 8;
  const QString plotSuffix = (channel < 8 ? QStringLiteral("In") : QStringLiteral("Out")) +
                             platform::ChannelSuffix(channel);
  for (int s = first; s < first + 8; ++s) {
    if (s == channel) continue;
    auto* button = FindControl<TDvPowerButton>(platform::ComposedName("vrbShow", s) + plotSuffix);
    if (!button) break;
    const std::uint32_t bit = 1u << s;
    if (!(OverlayDirty[channel] & bit)) continue;
    OverlayDirty[channel] &= ~bit;
    const int section = 18 + (s - first);
    if (Plots[s]) plot->Sections[section]->Response = Plots[s]->Sections[display::Plot::SumSection]->Response;
    if (button->Active()) plot->DrawSection(section, display::ChannelCurveColour(s));
  }
  if (auto* widget = PlotWidget(channel)) widget->UpdateCurvePage();
}

void TfmMain::RefreshGainOverlays() {
  display::Plot* in = Plots[16].get();
  display::Plot* out = Plots[17].get();
  if (!in || !out) return;
  // Every sum is copied each time; only the dirty, shown ones are drawn.
  for (int ch = 0; ch < 16; ++ch)
    if (Plots[ch])
      (ch < 8 ? in : out)->Sections[ch]->Response = Plots[ch]->Sections[display::Plot::SumSection]->Response;
  [&] {
    for (int ch = 0; ch < 16; ++ch) {
      auto* button = FindControl<TDvPowerButton>(platform::ComposedName("vrbShow", ch) + "Gain");
      if (!button) return;
      std::uint32_t& dirty = OverlayDirty[ch < 8 ? 16 : 17];
      if (!button->Active() || !(dirty & (1u << ch))) continue;
      dirty &= ~(1u << ch);
      (ch < 8 ? in : out)->DrawSection(ch, display::ChannelCurveColour(ch));
    }
  }();
  for (int p : {16, 17})
    if (auto* widget = PlotWidget(p)) widget->UpdateCurvePage();
}
