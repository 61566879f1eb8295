// The echo and reverb window: four echo faders, four reverb faders and the
// effect volume, each with its value box and label.
#pragma once

#include <array>
#include <cstdint>

#include <QString>

#include "platform/Form.h"

class QObject;

class TfmRvb : public platform::Form {
 public:
  TfmRvb();
  void FormShow() override;

  // The four echo faders and the four reverb faders, told apart by Tag.
  void isEchoGainChange(QObject* Sender);
  void isRvbGainChange(QObject* Sender);
  void isEffectVolChange(QObject* Sender);

  // Copies of the effect record's echo and reverb words (word 0, word 1),
  // and the byte set while the main window moves the faders to them.
  std::array<std::uint32_t, 2> EchoWords{};
  std::array<std::uint32_t, 2> ReverbWords{};
  std::uint8_t Loading = 0;
  void SetEchoWords(const std::array<std::uint32_t, 2>& v) { EchoWords = v; }
  void SetReverbWords(const std::array<std::uint32_t, 2>& v) { ReverbWords = v; }
  void SetLoading(std::uint8_t v) { Loading = v; }
};

// The reverb time text of step s: (s + 1)^2 x 0.1 ms in single precision.
QString ReverbTimeText(int step);

extern TfmRvb* fmRvb;
