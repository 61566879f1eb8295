// The test signal window: the source of the processor's inputs (analog, pink
// or white noise, a sine) and the sine's third-octave frequency.
#pragma once

#include <QRadioButton>

#include "platform/Form.h"

class TUxBmpButton;
class TUxComboBox;

class TfmTest : public platform::Form {
 public:
  TfmTest();
  void FormShow() override;

  QRadioButton* rbAnalogIn;
  QRadioButton* rbPinkNoise;
  QRadioButton* rbWhiteNoise;
  QRadioButton* rbSineWave;
  TUxComboBox* cbSineFreq;
  TUxBmpButton* bnExit;
};

extern TfmTest* fmTest;
