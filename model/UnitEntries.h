// The main window's set entries through which dialogs and pages change one
// value of the dynamics, effect, sub-control and group-control settings. Each
// reads the image's current words, replaces the one value and calls the
// matching LUnitControl setter. While the host is loading the image into its
// controls every entry returns at once, storing nothing -- except
// SetEffectVolume, which leaves that test to the setter.
//
// The main window forwards its own entries here; moving its own controls
// (such as the effect page's threshold slider) stays its business.
#pragma once

#include <cstdint>

#include "model/Lunitcontrol.h"

class UnitEntries {
 public:
  explicit UnitEntries(LUnitControl& unit) : unit_(unit) {}

  // Compressor of an output or 18: which 0 threshold (stored + 180),
  // 1 attack, 2 release, 3 ratio.
  void SetComp(int c, int which, int value);
  // AGC of an input: which 0 threshold (+ 180), 1 attack, 2 release, 3 ratio,
  // 4 target (+ 180).
  void SetAgc(int c, int which, int value);
  // Gate of an input: which 0 threshold (+ 180), 1 attack, 2 release.
  void SetGate(int c, int which, int value);
  void SetCameraGate(std::uint32_t wordA, std::uint32_t wordB, std::uint16_t on);
  void SetAutoMix(std::uint32_t wordA, std::uint32_t wordB, std::uint16_t on);
  void SetAutoMixWeight(int input, std::uint16_t weight);
  void SetAec(int index, std::uint8_t value);
  void SetSubCtrl(int side, std::uint32_t word);
  void SetGroupCtrl(int n, std::uint32_t value);
  // The stored effect-on byte with the new volume.
  void SetEffectVolume(std::uint8_t volume);

 private:
  LUnitControl& unit_;
};
