// The analog input gain and phantom power window (modeless). Per input
// (Tag 0-7) a fader of Min -32, Max 0 whose step s = -Position sets the
// input's analog potentiometer, a value box showing the step's level, and a
// "+48V" switch. Every change goes to the processor at once, unforced (0x55
// input, step; 0x56 input, on); the window neither reads nor changes the
// parameter image, so it shows what was set in it since start-up.
#pragma once

#include <QString>

#include "platform/Form.h"

class TUxGroupBox;

class TfmPhantomPotent : public platform::Form {
 public:
  TfmPhantomPotent();

  // The level in whole dB below 0 of step 0-32: 1 dB a step to 12, 2 dB a
  // step to 36 (step 24), 3 dB a step to 60 (step 32).
  static int StepLevel(int step);
  // "+ 0.0dB" for step 0, else "-%2d.0dB" of the level ("- 5.0dB", "-60.0dB").
  static QString StepText(int step);

  // The eight faders' change and the eight "+48V" switches' click.
  void isGainInAChange(QObject* Sender);
  void uxbGainPhantomInAClick(QObject* Sender);
};

extern TfmPhantomPotent* fmPhantomPotent;
