// The channel panels' band faders and boxes: the band selected in a
// channel's PEQ grid shown on its side's frequency, Q and gain faders, and
// the loader that fills a shared panel when a channel page is chosen.
#include "controls/ExTrackBar.h"
#include "controls/RoundEdit.h"
#include "display/MyPEQAllpassBandPassStop.h"
#include "mainwindow/BandTexts.h"
#include "mainwindow/FMain.h"
#include "model/Codecs.h"
#include "model/Lunitcontrol.h"

void TfmMain::ShowEqBandControls(int channel, bool enabled, double q, double gain, double frequency) {
  if (Updating) return;
  const QString side = channel == 18 ? QStringLiteral("Eff") : channel > 7 ? QStringLiteral("Out1") : QStringLiteral("InA");
  auto* freq = FindControl<TExTrackBar>("isEqFreq" + side);
  auto* gainFader = FindControl<TExTrackBar>("isEqGain" + side);
  auto* qFader = FindControl<TExTrackBar>("isEqBw" + side);
  auto* freqBox = FindControl<TRoundEdit>("cvdEqFreq" + side);
  auto* gainBox = FindControl<TRoundEdit>("cvdEqGain" + side);
  auto* qBox = FindControl<TRoundEdit>("cvdEqBw" + side);
  if (!freq || !gainFader || !qFader || !freqBox || !gainBox || !qBox) return;
  // The faders' change handlers return while this is set: nothing is sent.
  Updating = true;
  freq->SetPosition(FrequencyToCode(frequency));
  freq->SetEnabled(enabled);
  freqBox->SetText(bandtext::Frequency(frequency));
  gainFader->SetPosition(GainToCode(gain));
  gainFader->SetEnabled(enabled);
  gainBox->SetText(bandtext::Gain(gainFader->Position()));
  qFader->SetPosition(QToCode(q));
  qFader->SetEnabled(enabled);
  qBox->SetText(bandtext::Q(qFader->Position()));
  Updating = false;
}

void TfmMain::LoadChannelToPanel(int channel) {
  if (channel == 18) {
    CurrentChannel = 18;
  } else {
    if (channel < 0 || channel > 15) return;
    CurrentChannel = channel;
    Updating = true;
    const bool loaded = SetPanelFromImage(channel);
    Updating = false;
    if (!loaded) return;
  }

  // The band selected in the channel's own grid; a grid without a current
  // band (cleared selection: -1 or 15) leaves the band faders as they are.
  TMyPEQAllpassBandPassStop* grid = PeqGridOf(channel);
  if (!grid || !UnitControl) return;
  const int band = grid->GetNowIndex();
  if (band < 0 || band >= (channel > 7 && channel < 16 ? 7 : 5)) return;
  const PeqBand b = UnitControl->GetPeqBand(channel, band);
  ShowEqBandControls(channel, true, CodeToQ(b.Q), CodeToGain(b.Gain), CodeToFrequency(b.Frequency));
}
