// The overlay switches of the channel plots and of the Gain page's two plots,
// the show-all switch of the band texts and each channel plot's Mag/Phase
// choice. A switch draws the copy its plot holds; copies are made by the
// overlay refreshes (FMainCurves.cpp).
#include <QRadioButton>

#include "controls/DvPowerButton.h"
#include "display/LMyFFTDrawHpLp6dB.h"
#include "display/MyPEQAllpassBandPassStop.h"
#include "display/Plot.h"
#include "mainwindow/FMain.h"

namespace {

QString PlotSuffix(int ch) {
  if (ch == 18) return QStringLiteral("Eff");
  return (ch < 8 ? QStringLiteral("In") : QStringLiteral("Out")) + platform::ChannelSuffix(ch);
}

void PaintChoice(QRadioButton* button, bool chosen) {
  QPalette pal = button->palette();
  pal.setColor(QPalette::WindowText, chosen ? QColor(255, 255, 0) : QColor(192, 192, 192));
  button->setPalette(pal);
}

}  // namespace

void TfmMain::BindOverlaySwitches() {
  for (int ch = 0; ch < 16; ++ch) {
    const int first = ch < 8 ? 0 : 8;
    for (int s = first; s < first + 8; ++s)
      if (auto* b = FindControl<TDvPowerButton>(platform::ComposedName("vrbShow", s) + PlotSuffix(ch)))
        b->OnClick = [this](QObject* o) { vrbShowBInAClick(o); };
    if (auto* b = FindControl<TDvPowerButton>(platform::ComposedName("vrbShow", ch) + "Gain"))
      b->OnClick = [this, ch](QObject* o) { ch < 8 ? vrbShowAGainClick(o) : vrbShow1GainClick(o); };
  }
  for (int ch : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 18}) {
    const QString s = PlotSuffix(ch);
    if (auto* b = FindControl<TDvPowerButton>("vrbEqShowAll" + s)) b->OnClick = [this](QObject* o) { vrbEqShowAllInAClick(o); };
    if (auto* r = FindControl<QRadioButton>("rbShowGain" + s))
      QObject::connect(r, &QRadioButton::clicked, this, [this, r] { rbShowGainInAClick(r); });
    if (auto* r = FindControl<QRadioButton>("rbShowPhase" + s))
      QObject::connect(r, &QRadioButton::clicked, this, [this, r] { rbShowPhaseInAClick(r); });
  }
}

void TfmMain::vrbShowBInAClick(QObject* Sender) {
  auto* button = dynamic_cast<TDvPowerButton*>(Sender);
  if (!button) return;
  const int s = button->Tag();
  // The plot's channel: the switch's name ends in the plot's suffix.
  int plot = -1;
  for (int ch = s < 8 ? 0 : 8; ch < (s < 8 ? 8 : 16); ++ch)
    if (ch != s && button->objectName() == platform::ComposedName("vrbShow", s) + PlotSuffix(ch)) plot = ch;
  if (plot < 0 || !Plots[plot]) return;
  OverlayDirty[plot] &= ~(1u << s);
  const int section = 18 + (s % 8);
  if (button->Active())
    Plots[plot]->DrawSection(section, display::ChannelCurveColour(s));
  else
    Plots[plot]->RemoveCurve(section);
  if (auto* w = PlotWidget(plot)) w->UpdateCurvePage();
}

void TfmMain::vrbShowAGainClick(QObject* Sender) {
  auto* button = dynamic_cast<TDvPowerButton*>(Sender);
  if (!button || !Plots[16]) return;
  const int s = button->Tag();
  if (s < 0 || s > 7) return;
  OverlayDirty[16] &= ~(1u << s);
  if (button->Active()) Plots[16]->DrawSection(s, display::ChannelCurveColour(s)); else Plots[16]->RemoveCurve(s);
  if (auto* w = PlotWidget(16)) w->UpdateCurvePage();
}

void TfmMain::vrbShow1GainClick(QObject* Sender) {
  auto* button = dynamic_cast<TDvPowerButton*>(Sender);
  if (!button || !Plots[17]) return;
  const int s = button->Tag();
  if (s < 8 || s > 15) return;
  OverlayDirty[17] &= ~(1u << s);
  if (button->Active()) Plots[17]->DrawSection(s, display::ChannelCurveColour(s)); else Plots[17]->RemoveCurve(s);
  if (auto* w = PlotWidget(17)) w->UpdateCurvePage();
}

void TfmMain::vrbEqShowAllInAClick(QObject* Sender) {
  auto* button = dynamic_cast<TDvPowerButton*>(Sender);
  if (!button) return;
  const int ch = button->Tag();
  if (!((ch >= 0 && ch < 16) || ch == 18)) return;
  display::LMyFFTDrawHpLp6dB* plot = PlotWidget(ch);
  auto* group = FindControl<QWidget>("uxgFft" + PlotSuffix(ch));
  if (!plot || !group) return;
  plot->SetParameterDisplay(button->Active());
  plot->UpdateCurvePage();
  group->update();
}

void TfmMain::rbShowGainInAClick(QObject* Sender) { SetPlotMode(Sender, 0); }
void TfmMain::rbShowPhaseInAClick(QObject* Sender) { SetPlotMode(Sender, 1); }

void TfmMain::SetPlotMode(QObject* Sender, int mode) {
  const int ch = platform::Tag(Sender);
  if (!((ch >= 0 && ch < 16) || ch == 18) || !Plots[ch]) return;
  display::Plot& plot = *Plots[ch];
  if (plot.PhaseMode == mode) return;
  plot.SetPhaseMode(static_cast<std::uint8_t>(mode));
  const QString s = PlotSuffix(ch);
  display::LMyFFTDrawHpLp6dB* widget = PlotWidget(ch);
  TMyPEQAllpassBandPassStop* grid = PeqGridOf(ch);
  auto* group = FindControl<QWidget>("uxgFft" + s);
  auto* clicked = dynamic_cast<QRadioButton*>(Sender);
  auto* other = FindControl<QRadioButton>((mode ? "rbShowGain" : "rbShowPhase") + s);
  if (!widget || !grid || !group || !clicked || !other) return;
  PaintChoice(clicked, true);
  PaintChoice(other, false);
  RebuildPeqSections(widget);
  if (ch != 18) {
    RefreshLowCutCurve(widget);
    RefreshHighCutCurve(widget);
  }
  display::ResponsePlotModel& model = widget->Model();
  model.SetNumHorzGrid(mode ? 7 : 11);
  model.SetYLabel(mode ? "" : "dB");
  model.SetYLabelScale(mode ? 10.0 : 1.0);
  model.SetYMax(18);
  model.SetYMin(-18);
  const int row = grid->GetNowIndex();
  if (row >= 0 && row < grid->GetChannelNumber())
    plot.DrawSectionFilled(grid->GetTypeValue(row), row, static_cast<float>(grid->GetGainValue(row)),
                           static_cast<float>(grid->GetQValue(row)), true);
  widget->UpdateCurvePage();
  group->update();
  MarkCurveDirty(ch);
  RefreshChannelOverlays(ch);
}
