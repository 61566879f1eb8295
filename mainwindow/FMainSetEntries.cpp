// The main window's set entries: dialogs and pages change one dynamics,
// automix, camera, echo-cancellation, sub-control, group or effect-volume
// value here; the image's entries do the storing and sending.
#include "controls/ExTrackBar.h"
#include "mainwindow/FMain.h"
#include "model/Lunitcontrol.h"
#include "model/UnitEntries.h"

void TfmMain::SetComp(int channel, int which, int value) {
  if (!UnitControl || Updating) return;
  if (channel == 18 && which == 0) {
    // The effect page's threshold fader follows, silently.
    if (auto* fader = FindControl<TExTrackBar>("isCompThresholdEff")) {
      Updating = true;
      fader->SetPosition(value);
      Updating = false;
    }
  }
  UnitEntries(*UnitControl).SetComp(channel, which, value);
}

void TfmMain::SetAgc(int channel, int which, int value) {
  if (UnitControl) UnitEntries(*UnitControl).SetAgc(channel, which, value);
}

void TfmMain::SetGate(int channel, int which, int value) {
  if (UnitControl) UnitEntries(*UnitControl).SetGate(channel, which, value);
}

void TfmMain::SetCameraGate(std::uint32_t wordA, std::uint32_t wordB, std::uint16_t on) {
  if (UnitControl) UnitEntries(*UnitControl).SetCameraGate(wordA, wordB, on);
}

void TfmMain::SetAutoMix(std::uint32_t wordA, std::uint32_t wordB, std::uint16_t on) {
  if (UnitControl) UnitEntries(*UnitControl).SetAutoMix(wordA, wordB, on);
}

void TfmMain::SetAutoMixWeight(int input, std::uint16_t weight) {
  if (UnitControl) UnitEntries(*UnitControl).SetAutoMixWeight(input, weight);
}

void TfmMain::SetAec(int index, std::uint8_t value) {
  if (UnitControl) UnitEntries(*UnitControl).SetAec(index, value);
}

void TfmMain::SetSubCtrl(int side, std::uint32_t word) {
  if (UnitControl) UnitEntries(*UnitControl).SetSubCtrl(side, word);
}

void TfmMain::SetGroupCtrl(int n, std::uint32_t value) {
  if (UnitControl) UnitEntries(*UnitControl).SetGroupCtrl(n, value);
}

void TfmMain::SetEffectVolume(std::uint8_t volume) {
  if (UnitControl) UnitEntries(*UnitControl).SetEffectVolume(volume);
}

void TfmMain::SetCameraDefault(std::uint8_t input) {
  if (UnitControl && !Updating) UnitControl->SetCameraDefault(input);
}

void TfmMain::StoreEcho(std::uint32_t word0, std::uint32_t word1) {
  if (UnitControl) UnitControl->SetEchoWords(word0, word1);
}

void TfmMain::StoreReverb(std::uint32_t word0, std::uint32_t word1) {
  if (UnitControl) UnitControl->SetReverbWords(word0, word1);
}
