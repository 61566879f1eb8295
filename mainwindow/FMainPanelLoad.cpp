// Loading one channel of the image into the shared parameter panel
// (uxgParamInA for inputs, uxgParamOut1 for outputs). The refresh pass and the
// page change both use it; it only shows values, and the callers bracket it
// with Updating and set CurrentChannel themselves.
#include <QWidget>

#include "controls/ExTrackBar.h"
#include "controls/RoundEdit.h"
#include "controls/UxBmpButton.h"
#include "controls/UxComboBox.h"
#include "mainwindow/FMain.h"
#include "model/Codecs.h"
#include "model/Lunitcontrol.h"
#include "platform/Format.h"

namespace {

constexpr int kSlopeItems = 20;  // slope codes 1-20 are the combo's items 0-19
constexpr int kLevelItems = 51;  // sensitivity 1-51 is item 51 - s; line is item 50

}  // namespace

QString TfmMain::FrequencyText(int code) {
  const double f = CodeToFrequency(code);
  if (f >= 1000) return QString::fromStdString(platform::FormatC("%4.2fKHz", f / 1000));
  return QString::fromStdString(platform::FormatC("%4.1fHz", f));
}

QString TfmMain::PhaseCaption(bool inverted) const {
  return TranslateSid(inverted ? "SID_PHASE_ON" : "SID_PHASE_OFF");
}

// Low cut or high cut: the frequency fader (which clamps), its text from the
// clamped position, and the slope. A slope outside the list puts the bypass
// down like slope 0 and leaves the combo's item alone.
bool TfmMain::SetPanelCut(const QString& role, const QString& suffix, std::uint32_t pair) {
  auto* fader = FindControl<TExTrackBar>("is" + role + "Freq" + suffix);
  auto* text = FindControl<TRoundEdit>("cvd" + role + "Freq" + suffix);
  auto* slope = FindControl<TUxComboBox>("uxc" + role + "Slop" + suffix);
  auto* bypass = FindControl<TUxBmpButton>("uxb" + role + "Bypass" + suffix);
  if (!fader || !text || !slope || !bypass) return false;
  fader->SetPosition(static_cast<int>(pair >> 16));
  text->SetText(FrequencyText(fader->Position()));
  const int s = static_cast<int>(pair & 0xFFFF);
  if (s >= 1 && s <= kSlopeItems) {
    slope->SetItemIndex(s - 1);
    bypass->SetDown(false);
  } else {
    bypass->SetDown(true);
  }
  return true;
}

bool TfmMain::SetPanelFromImage(int channel) {
  if (!UnitControl) return false;
  const LUnitControl& uc = *UnitControl;
  const bool input = IsInputChannel(channel);
  if (!input && !IsOutputChannel(channel)) return false;
  const QString s = input ? QStringLiteral("InA") : QStringLiteral("Out1");

  if (input) {
    // A level outside 0-4 names no button: that button alone is skipped.
    const int level = uc.GetFbtLevel(channel);
    if (level >= 0 && level <= 4) {
      auto* fbt = FindControl<TUxBmpButton>(QStringLiteral("uxbFbtLevel%1InA").arg(level));
      if (!fbt) return false;
      fbt->SetDown(true);
    }
  }
  const CutWords cuts = uc.GetHighLowPass(channel);
  if (!SetPanelCut("LowCut", s, cuts.LowCut)) return false;
  if (!SetPanelCut("HighCut", s, cuts.HighCut)) return false;

  if (input) {
    auto* phantom = FindControl<TUxBmpButton>("uxbPhantomInA");
    auto* line = FindControl<TUxBmpButton>("uxbLineInA");
    auto* level = FindControl<TUxComboBox>("uxcLineInA");
    auto* step = FindControl<QWidget>("udLineInA");
    if (!phantom || !line || !level || !step) return false;
    phantom->SetDown(uc.GetPhantom(channel) != 0);
    const int sens = uc.GetInputSensitivity(channel);
    if (sens == 0) {
      line->SetDown(false);
      level->SetItemIndex(kLevelItems - 1);
    } else {
      line->SetDown(true);
      // A sensitivity beyond the list leaves the combo's item as it was.
      if (sens <= kLevelItems) level->SetItemIndex(kLevelItems - sens);
    }
    const bool mic = line->Down();
    line->SetCaption(TranslateSid(mic ? "SID_POTENT_MIC" : "SID_POTENT_LINE"));
    if (!mic) phantom->SetDown(false);
    phantom->setEnabled(mic);
    level->setEnabled(mic);
    step->setEnabled(mic);
  }

  auto* gain = FindControl<TExTrackBar>("isGain" + s);
  auto* gainText = FindControl<TRoundEdit>("cvdGain" + s);
  if (!gain || !gainText) return false;
  gain->SetPosition(uc.GetGain(channel) + gain->Min());
  gainText->SetText(FormatGain(gain->Position()));

  auto* phase = FindControl<TUxBmpButton>("uxbPhase" + s);
  if (!phase) return false;
  phase->SetDown(uc.GetPolarity(channel));
  phase->SetCaption(PhaseCaption(phase->Down()));

  auto* mute = FindControl<TUxBmpButton>("uxbMute" + s);
  if (!mute) return false;
  mute->SetDown(uc.GetMute(channel));
  return true;
}
