// The test signal window: the source of the processor's inputs (analog, pink
// or white noise, a sine) and the sine's third-octave frequency, 31 items from
// "20Hz" to "20KHz". A click on a source sends CM_MCS_WORK_MODE (source, the
// list's index) forced; picking a frequency selects the sine -- running the
// sine button's click when it was not selected, so the command goes twice
// then -- and sends (3, index) forced. While the main window loads the image
// both do nothing, so the refresh pass can set the controls silently. Exit
// closes; the last source stays active in the processor. The controls keep
// their state between showings.
#pragma once

#include <QRadioButton>

#include "platform/Form.h"

class TUxBmpButton;
class TUxComboBox;

class TfmTest : public platform::Form {
 public:
  static constexpr int kFrequencyCount = 31;

  TfmTest();
  void FormShow() override;
  // The click of all four source buttons; the source is the sender's Tag.
  void rbAnalogInClick(QObject* Sender);
  void cbSineFreqSelect(QObject* Sender);
  void bnExitClick(QObject* Sender);

  QRadioButton* rbAnalogIn;
  QRadioButton* rbPinkNoise;
  QRadioButton* rbWhiteNoise;
  QRadioButton* rbSineWave;
  TUxComboBox* cbSineFreq;
  TUxBmpButton* bnExit;
};

extern TfmTest* fmTest;
