// The automix window: the settings of the processor's gain-sharing automixer.
// Per input a strip with the "Auto" switch (the input takes part), the weight
// knob (-60 dB to +12 dB, 0.1 dB steps from -20 dB up, 0.5 dB below) with its
// text, and the level bar the meter reply feeds; beside them the effect
// channel's gain, into which the automixer sums, and the ratio (1-10, or
// automatic with "Auto" pressed) and time settings (the time group lies
// beneath the ratio group).
//
// The main window loads the window before showing it (the effect page's
// "Set", the refresh pass): the automix record, the inputs on the effect bus
// and, under Loading, the knobs and faders, whose handlers then only write
// their texts. Every other change goes to the image at once through the main
// window's set entries: the record through SetAutoMix, a weight through
// SetAutoMixWeight, the gain by moving the effect page's own gain fader.
// Only inputs on the effect bus can be edited; the others' strips are
// disabled when the window is shown.
#pragma once

#include <cstdint>

#include "model/PresetImage.h"
#include "platform/Form.h"

class QObject;

class TfmAutoMix : public platform::Form {
 public:
  TfmAutoMix();
  void FormShow() override;

  void isShareTimeChange(QObject* Sender);
  void isShareRatioChange(QObject* Sender);
  void uxbShareAutoClick(QObject* Sender);
  // The user's switch of any of the eight "Auto" switches (Tag = input).
  void slShareAutoIn01ChangeUser(QObject* Sender);
  // Any of the eight knobs (Tag = input): the weight text, and unless
  // Loading the weight code (0-400) sent.
  void kbShareWeightIn01PositionChange(QObject* Sender);
  // A drag settles the knob on a whole step.
  void kbShareWeightIn01MouseMove(QObject* Sender, Qt::KeyboardModifiers Shift, int X, int Y);
  void isGainAuxChange(QObject* Sender);

  // Knob of input 0-7 to the weight code - 280.
  void ShowWeight(int input, int code);
  // The level bar of input 0-7: level + 20 while the record's on flag is set,
  // else -100 (the bar clamps to -60..20).
  void ShowInputLevel(int input, int level);
  // The lamp "wledIn" + two digits of input 0-7, lit when on and the input is
  // on the effect bus. This window carries no such lamps: nothing changes.
  void ShowInputLed(int input, bool on);

  // The automix record (word A time | ratio << 16, word B carried low half |
  // "Auto" mask << 16, on flag), the inputs on the effect bus, and the byte
  // set while the main window loads the controls.
  MixSettings AutoMixState;
  std::uint32_t EffectBusMask = 0;
  std::uint8_t Loading = 0;
  void SetAutoMixState(const MixSettings& v) { AutoMixState = v; }
  void SetInputMask(std::uint32_t v) { EffectBusMask = v; }
  void SetLoading(std::uint8_t v) { Loading = v; }

 private:
  void SendState();
};

extern TfmAutoMix* fmAutoMix;
