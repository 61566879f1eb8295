// The effect channel's compressor window: threshold, attack, release and
// ratio faders with their value boxes, the activity lamp and the transfer
// curve plot (channel 0 the curve, channel 1 the marker).
#pragma once

#include <cstdint>

#include "platform/Form.h"

class QObject;

class TfmComp : public platform::Form {
 public:
  TfmComp();
  void FormCreate() override;
  void FormShow() override;

  void isThresholdChange(QObject* Sender);
  void isAttackChange(QObject* Sender);
  void isReleaseChange(QObject* Sender);
  void isRatioChange(QObject* Sender);

  // Set while the main window moves the faders to the stored words: the
  // change handlers then only refresh their texts and the curve.
  std::uint8_t Loading = 0;
  void SetLoading(std::uint8_t v) { Loading = v; }

 private:
  // Redraws the curve and the knee marker from the threshold and ratio faders.
  void DrawCurve();
};

extern TfmComp* fmComp;
