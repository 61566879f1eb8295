// The echo and reverb window: four echo faders, four reverb faders and the
// effect volume, each with its value box and label.
#pragma once

#include <array>
#include <cstdint>

#include "platform/Form.h"

class TfmRvb : public platform::Form {
 public:
  TfmRvb();
  void FormShow() override;

  // Copies of the effect record's echo and reverb words (word 0, word 1),
  // and the byte set while the main window moves the faders to them.
  std::array<std::uint32_t, 2> EchoWords{};
  std::array<std::uint32_t, 2> ReverbWords{};
  std::uint8_t Loading = 0;
  void SetEchoWords(const std::array<std::uint32_t, 2>& v) { EchoWords = v; }
  void SetReverbWords(const std::array<std::uint32_t, 2>& v) { ReverbWords = v; }
  void SetLoading(std::uint8_t v) { Loading = v; }
};

extern TfmRvb* fmRvb;
