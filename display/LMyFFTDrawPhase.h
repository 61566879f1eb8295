// LMyFFTDrawPhase: the response plot's twin, the same control in every
// respect but the parameter texts, which leave out lines by other layout
// kinds (no window uses it; it is kept beside LMyFFTDrawHpLp6dB).
//
// ShowParam and the texts of circle blocks: 2 or less Q, frequency and gain;
// 3, 4, 6 Q and frequency; 5, 10, 11 the frequency; 7, 8, 9 and 12 or more
// nothing. The band display: 2 or less all three; 5, 10, 11 the frequency;
// any other kind Q and frequency.
#pragma once

#include "display/LMyFFTDrawHpLp6dB.h"

namespace display {

class LMyFFTDrawPhase : public LMyFFTDrawHpLp6dB {
    Q_OBJECT
public:
    explicit LMyFFTDrawPhase(QWidget* parent = nullptr);

protected:
    unsigned ShowParamLines(int kind) const override;
    unsigned BandDisplayLines(int kind) const override;
};

}  // namespace display
