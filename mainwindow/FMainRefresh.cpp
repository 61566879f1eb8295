// The refresh pass: every control of the pages shows what the parameter image
// holds, after each transfer, a preset file, start-up and an offline copy or
// link change. It moves controls only, with Updating held from its first step
// to its tenth, so no handler stores or sends. Each step below is one small
// function in the pass's order; a control that is missing ends the pass (and
// Updating is cleared on that way out too), while a value outside a
// control's list only leaves that control as it was.
#include <QLabel>
#include <QLineEdit>

#include "controls/DvPowerButton.h"
#include "controls/ExTrackBar.h"
#include "controls/RoundEdit.h"
#include "controls/UpDown.h"
#include "controls/UxBmpButton.h"
#include "controls/UxComboBox.h"
#include "display/LMyFFTDrawHpLp6dB.h"
#include "dialogs/FLinkSel.h"
#include "display/MyPEQAllpassBandPassStop.h"
#include "mainwindow/FMain.h"
#include "model/Codecs.h"
#include "model/Lunitcontrol.h"
#include "platform/Format.h"
#include "platform/Graphics.h"

namespace {

QString Name(const char* prefix, int channel) { return platform::ComposedName(QString::fromLatin1(prefix), channel); }
QString Source(int s) { return s < 8 ? platform::ChannelSuffix(s) : QStringLiteral("Aux"); }

}  // namespace

QString TfmMain::GetChannelName(int channel) const {
  if (!UnitControl) return {};
  return QString::fromStdString(UnitControl->GetChannelNameText(channel));
}

void TfmMain::ApplyUnitModel() {
  // 1
  ClearEqSelection();
  Updating = true;
  const bool completed = RefreshControls();
  // 10: also when a missing control ended the pass.
  Updating = false;
  if (!completed) return;
  RefreshCurves();            // 11
  SelectFirstEqBands();       // 12
  if (CurrentPage == 21)      // 13
    RefreshGainOverlays();
  else
    RefreshChannelOverlays(CurrentPage);
}

// Steps 2 to 9.
bool TfmMain::RefreshControls() {
  if (!UnitControl) return false;
  if (!RefreshPresetLabels()) return false;
  MarkAllOverlays();
  for (int i = 0; i < 8; ++i)
    if (!RefreshInput(i)) return false;
  if (!RefreshEffect()) return false;  // 5
  for (int ch = 8; ch < 16; ++ch)
    if (!RefreshOutput(ch)) return false;
  if (!RefreshDelayUnit()) return false;
  if (!RefreshDialogs()) return false;  // 8
  // 9: the links onto the page buttons and overlay switches, and the dash
  // rows, once start-up has made the other windows.
  if (fmLinkSel) {
    fmLinkSel->RefreshMainButtons();
    fmLinkSel->RefreshMainCaptions();
    for (int ch = 0; ch < 16; ++ch) DrawDelayLine(ch);
  }
  return true;
}

// 2
bool TfmMain::RefreshPresetLabels() {
  auto* number = FindControl<QLabel>("lbPstNum");
  auto* name = FindControl<QLabel>("lbPstName");
  if (!number || !name) return false;
  number->setText(QString::fromStdString(platform::FormatC(CurrentPreset >= 1 ? "U%02d" : "F%02d", CurrentPreset)));
  name->setText(QString::fromStdString(UnitControl->GetPresetNameText()));
  return true;
}

// 3
void TfmMain::MarkAllOverlays() {
  for (int p = 0; p < 8; ++p) OverlayDirty[p] = 255;
  OverlayDirty[16] = 0xFFFF;
  OverlayDirty[17] = 0xFFFF;
  RefreshGainOverlays();
}

// 4
bool TfmMain::RefreshInput(int i) {
  if (!RefreshChannelName(i)) return false;        // 4.1
  if (!RefreshPeqRows(i)) return false;            // 4.2
  if (i == CurrentChannel && !SetPanelFromImage(i)) return false;  // 4.3
  if (!RefreshGate(i)) return false;               // 4.4
  if (!RefreshAgc(i)) return false;                // 4.5
  if (!RefreshDelay(i)) return false;              // 4.6
  if (!RefreshMirrorStrip(i)) return false;        // 4.7
  RefreshLinkRow(i);                               // 4.8
  MarkCurveDirty(i);
  return RefreshBypassText(i);                     // 4.9
}

// 6
bool TfmMain::RefreshOutput(int ch) {
  if (!RefreshChannelName(ch)) return false;       // 6.1
  if (!RefreshMixLevels(ch)) return false;         // 6.2
  if (!RefreshAuxMatrixView(ch - 8)) return false;
  if (ch == CurrentChannel && !SetPanelFromImage(ch)) return false;  // 6.3
  if (!RefreshPeqRows(ch)) return false;           // 6.4
  if (!RefreshComp(ch)) return false;              // 6.5
  if (!RefreshDelay(ch)) return false;             // 6.6
  if (!RefreshMirrorStrip(ch)) return false;       // 6.7
  RefreshLinkRow(ch);                              // 6.8
  MarkCurveDirty(ch);
  return RefreshBypassText(ch);                    // 6.9
}

bool TfmMain::RefreshChannelName(int ch) {
  auto* label = FindControl<QLabel>(Name(ch < 8 ? "lbMatrixChNameIn" : "lbMatrixChNameOut", ch));
  auto* menu = FindControl<TUxBmpButton>(Name(ch < 8 ? "uxbMenuIn" : "uxbMenuOut", ch));
  if (!label || !menu) return false;
  const QString name = GetChannelName(ch);
  label->setText(name);
  menu->SetHint(name);
  return true;
}

// Current row 0, then one row per band; the grid keeps out-of-table values
// (Q above 100, unknown types) in range itself, and the decoders read gain and
// frequency codes beyond their ends as the ends.
bool TfmMain::RefreshPeqRows(int ch) {
  TMyPEQAllpassBandPassStop* grid = PeqGridOf(ch);
  if (!grid) return false;
  grid->SetNowIndex(0);
  const int bands = ch < 8 || ch == 18 ? kInputPeqBands : kOutputPeqBands;
  for (int b = 0; b < bands; ++b) {
    const PeqBand band = UnitControl->GetPeqBand(ch, b);
    const float hz = static_cast<float>(CodeToFrequency(band.Frequency));
    grid->SetEqParamValue(b, hz, band.Q, CodeToGain(band.Gain), band.Type, UnitControl->GetPeqBypass(ch, b));
  }
  return true;
}

bool TfmMain::RefreshDelay(int ch) {
  const bool in = ch < 8;
  auto* fader = FindControl<TExTrackBar>(Name(in ? "isDelayIn" : "isDelayOut", ch));
  auto* handle = FindControl<QWidget>(Name(in ? "imDelayIn" : "imDelayOut", ch));
  auto* line = FindControl<QWidget>(Name(in ? "lbDelayLineIn" : "lbDelayLineOut", ch));
  if (!fader || !handle || !line) return false;
  fader->SetPosition(UnitControl->GetDelay(ch));
  const int max = fader->Max() > 0 ? fader->Max() : 1;
  handle->move(fader->Position() * (line->width() - 90) / max + 40, handle->y());
  return true;
}

bool TfmMain::RefreshMirrorStrip(int ch) {
  const bool in = ch < 8;
  if (in) {
    auto* phantom = FindControl<TUxBmpButton>(Name("uxbPhantomBackupIn", ch));
    auto* line = FindControl<TUxBmpButton>(Name("uxbLineBackupIn", ch));
    auto* combo = FindControl<TUxComboBox>(Name("uxcLineBackupIn", ch));
    auto* step = FindControl<QWidget>(Name("udLineBackupIn", ch));
    if (!phantom || !line || !combo || !step) return false;
    phantom->SetDown(UnitControl->GetPhantom(ch) != 0);
    SetLevelControls(line, combo, phantom, step, UnitControl->GetInputSensitivity(ch));
  }
  auto* fader = FindControl<TExTrackBar>(Name(in ? "isGainBackupIn" : "isGainBackupOut", ch));
  auto* text = FindControl<TRoundEdit>(Name(in ? "cvdGainBackupIn" : "cvdGainBackupOut", ch));
  auto* phase = FindControl<TUxBmpButton>(Name(in ? "uxbPhaseBackupIn" : "uxbPhaseBackupOut", ch));
  auto* mute = FindControl<TUxBmpButton>(Name(in ? "uxbMuteBackupIn" : "uxbMuteBackupOut", ch));
  if (!fader || !text || !phase || !mute) return false;
  fader->SetPosition(UnitControl->GetGain(ch) + fader->Min());
  text->SetText(FormatGain(fader->Position()));
  phase->SetDown(UnitControl->GetPolarity(ch));
  phase->SetCaption(PhaseCaption(phase->Down()));
  mute->SetDown(UnitControl->GetMute(ch));
  return true;
}

void TfmMain::RefreshLinkRow(int ch) {
  if (fmLinkSel) fmLinkSel->UpdateRow(ch, UnitControl->GetChannelLinkMask(ch));
}

bool TfmMain::RefreshBypassText(int ch) {
  display::LMyFFTDrawHpLp6dB* plot = PlotWidget(ch);
  if (!plot) return false;
  const bool bypassed = UnitControl->GetEqBypassMask(ch) & (1u << (ch % 8));
  plot->DrawTextA(plot->GetPlotWidth() / 3, plot->GetPlotHeight() / 4, 60, platform::clBtnFace, "Times New Roman",
                  bypassed ? "BYPASS" : "");
  return true;
}

// 6.2: each up-down with the level text beside it (writing an up-down's
// position runs nothing).
bool TfmMain::RefreshMixLevels(int ch) {
  const QString out = "MatrixOut" + platform::ChannelSuffix(ch);
  for (int s = 0; s < kMixSources; ++s) {
    auto* ud = FindControl<TUpDown>("ud" + Source(s) + out);
    auto* text = FindControl<QLineEdit>("ed" + Source(s) + out);
    if (!ud || !text) return false;
    ud->SetPosition(UnitControl->GetMixLevel(ch, s) + ud->Min());
    text->setText(FormatGain(ud->Position()));
  }
  return true;
}

// 7: the unit's button runs its click, which writes every delay text; a unit
// that names no button shows in ms.
bool TfmMain::RefreshDelayUnit() {
  auto* button = FindControl<TUxBmpButton>(QStringLiteral("uxbUnit%1").arg(DelayDisplayUnit()));
  if (!button) return false;
  button->SetDown(true);
  button->Click();
  return true;
}

// 11
void TfmMain::RefreshCurves() {
  for (int ch = 0; ch < 16; ++ch) {
    RebuildPeqSections(PlotWidget(ch));
    RefreshLowCutCurve(PlotWidget(ch));
    RefreshHighCutCurve(PlotWidget(ch));
  }
  RebuildPeqSections(PlotWidget(18));
}

bool TfmMain::SetCrosspoint(int output, int source, bool enabled, const bool* active) {
  const QString tail = Source(source) + "MatrixOut" + QString::number(output + 1);
  auto* button = FindControl<TDvPowerButton>("vr" + tail);
  auto* text = FindControl<QWidget>("ed" + tail);
  auto* ud = FindControl<QWidget>("ud" + tail);
  if (!button || !text || !ud) return false;
  button->setEnabled(enabled);
  text->setEnabled(enabled);
  ud->setEnabled(enabled);
  if (active) button->SetActive(*active);
  return true;
}

bool TfmMain::RefreshAuxMatrixView(int output) {
  if (!UnitControl || output < 0 || output > 7) return false;
  const std::uint16_t r = UnitControl->GetMatrix(8 + output);
  const std::uint16_t e = UnitControl->GetMatrix(18);
  const bool on = true, off = false;
  if (r & 0x100) {
    // The effect return reaches this output: inputs on the effect bus lock.
    if (!SetCrosspoint(output, 8, true, &on)) return false;
    for (int i = 0; i < 8; ++i) {
      const bool routed = r & (1u << i);
      const bool locked = e & (1u << i);
      if (!SetCrosspoint(output, i, !locked, locked ? &off : &routed)) return false;
    }
    return true;
  }
  for (int i = 0; i < 8; ++i) {
    const bool routed = r & (1u << i);
    if (!SetCrosspoint(output, i, true, &routed)) return false;
  }
  const bool shared = (r & e & 0xFF) != 0;
  return SetCrosspoint(output, 8, !shared, shared ? &off : nullptr);
}

void TfmMain::ClearMatrix() {
  if (!UnitControl) return;
  const bool off = false;
  for (int o = 0; o < 8; ++o) {
    UnitControl->SetMatrix(8 + o, 0);
    for (int s = 0; s < kMixSources; ++s) {
      auto* button = FindControl<TDvPowerButton>("vr" + Source(s) + "MatrixOut" + QString::number(o + 1));
      if (!button) return;
      button->setEnabled(true);
      button->SetActive(off);
    }
  }
  if (auto* box = FindControl<QWidget>("pbMatrix")) box->update();
}
