#include "display/MyPEQAllpass2Steps.h"

TMyPEQAllpass2Steps::TMyPEQAllpass2Steps(QWidget* parent)
    : TMyPEQAllpassBandPassStop(parent, Variant{7, 5, 20, false,
                                                {" Peak       ", " Low Shelf  ", " High Shelf ", " High Cut   ",
                                                 " Low Cut    ", " Allpass 1  ", " Allpass 2  ", "   BYPASS   "}}) {}
