#include "display/LMyFFTDrawPhase.h"

namespace display {

namespace {

bool FrequencyOnly(int kind) {
    return kind == 5 || kind == 10 || kind == 11;
}

}  // namespace

LMyFFTDrawPhase::LMyFFTDrawPhase(QWidget* parent) : LMyFFTDrawHpLp6dB(parent) {}

unsigned LMyFFTDrawPhase::ShowParamLines(int kind) const {
    if (kind <= 2)
        return LineQ | LineFrequency | LineGain;
    if (kind == 3 || kind == 4 || kind == 6)
        return LineQ | LineFrequency;
    if (FrequencyOnly(kind))
        return LineFrequency;
    return 0;
}

unsigned LMyFFTDrawPhase::BandDisplayLines(int kind) const {
    if (kind <= 2)
        return LineQ | LineFrequency | LineGain;
    if (FrequencyOnly(kind))
        return LineFrequency;
    return LineQ | LineFrequency;
}

}  // namespace display
