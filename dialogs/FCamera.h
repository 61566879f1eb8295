// The camera-tracking window: the position the processor reports, the
// threshold, attack and release faders, and the inputs that take part, each
// with its lamp. The default-camera group is hidden.
#pragma once

#include <cstdint>

#include "model/PresetImage.h"
#include "platform/Form.h"

class QObject;

class TfmCamera : public platform::Form {
 public:
  TfmCamera();
  void FormShow() override;

  void isThresholdChange(QObject* Sender);
  void isAttackChange(QObject* Sender);
  void isReleaseChange(QObject* Sender);
  void uxbAMatrixClick(QObject* Sender);
  void uxcCameraDefaultChange(QObject* Sender);

  // The meter reply's writes: the lamp of an input (lit only for an input on
  // the effect bus) and the camera input the processor reports (0 none).
  void ShowInputLed(int input, bool on);
  void ShowCameraPosition(int camera);

  // A copy of the camera record (word A attack | release << 16, word B
  // threshold + 180 | steering mask << 16, on flag), the inputs feeding the
  // effect bus, and the byte set while the main window moves the faders.
  MixSettings CameraState;
  std::uint32_t EffectBusMask = 0;
  std::uint8_t Loading = 0;
  void SetCameraState(const MixSettings& v) { CameraState = v; }
  void SetInputMask(std::uint32_t v) { EffectBusMask = v; }
  void SetLoading(std::uint8_t v) { Loading = v; }
};

extern TfmCamera* fmCamera;
