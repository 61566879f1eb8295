#include "model/UnitEntries.h"

namespace {

constexpr int kLevelOffset = 180;  // thresholds and targets are stored + 180

std::uint32_t Pack(std::uint16_t low, std::uint16_t high) { return low | static_cast<std::uint32_t>(high) << 16; }
std::uint16_t Lo16(std::uint32_t v) { return static_cast<std::uint16_t>(v); }
std::uint16_t Hi16(std::uint32_t v) { return static_cast<std::uint16_t>(v >> 16); }
std::uint16_t Level(int value) { return static_cast<std::uint16_t>(value + kLevelOffset); }
std::uint16_t Word(int value) { return static_cast<std::uint16_t>(value); }

}  // namespace

void UnitEntries::SetComp(int c, int which, int value) {
  if (unit_.IsUpdating()) return;
  const CompWords now = unit_.GetComp(c);
  std::uint16_t ratio = Lo16(now.First), attack = Hi16(now.First);
  std::uint16_t release = Lo16(now.Second), threshold = Hi16(now.Second);
  switch (which) {
    case 0: threshold = Level(value); break;
    case 1: attack = Word(value); break;
    case 2: release = Word(value); break;
    case 3: ratio = Word(value); break;
    default: return;
  }
  unit_.SetComp(c, Pack(ratio, attack), Pack(release, threshold));
}

void UnitEntries::SetAgc(int c, int which, int value) {
  if (unit_.IsUpdating()) return;
  const AgcWords now = unit_.GetAgc(c);
  std::uint16_t ratio = Lo16(now.First), attack = Hi16(now.First);
  std::uint16_t release = Lo16(now.Second), threshold = Hi16(now.Second);
  std::uint16_t target = now.Target;
  switch (which) {
    case 0: threshold = Level(value); break;
    case 1: attack = Word(value); break;
    case 2: release = Word(value); break;
    case 3: ratio = Word(value); break;
    case 4: target = Level(value); break;
    default: return;
  }
  unit_.SetAgc(c, Pack(ratio, attack), Pack(release, threshold), target);
}

void UnitEntries::SetGate(int c, int which, int value) {
  if (unit_.IsUpdating()) return;
  const GateWords now = unit_.GetGate(c);
  std::uint16_t attack = Lo16(now.First), release = Hi16(now.First);
  std::uint16_t threshold = now.Threshold;
  switch (which) {
    case 0: threshold = Level(value); break;
    case 1: attack = Word(value); break;
    case 2: release = Word(value); break;
    default: return;
  }
  unit_.SetGate(c, Pack(attack, release), threshold);
}

void UnitEntries::SetCameraGate(std::uint32_t wordA, std::uint32_t wordB, std::uint16_t on) {
  if (!unit_.IsUpdating()) unit_.SetMixGate(wordA, wordB, on);
}

void UnitEntries::SetAutoMix(std::uint32_t wordA, std::uint32_t wordB, std::uint16_t on) {
  if (!unit_.IsUpdating()) unit_.SetAutoMix(wordA, wordB, on);
}

void UnitEntries::SetAutoMixWeight(int input, std::uint16_t weight) {
  if (!unit_.IsUpdating()) unit_.SetAutoMixWeight(input, weight);
}

void UnitEntries::SetAec(int index, std::uint8_t value) {
  if (!unit_.IsUpdating()) unit_.SetAec(index, value);
}

void UnitEntries::SetSubCtrl(int side, std::uint32_t word) {
  if (!unit_.IsUpdating()) unit_.SetSubCtrl(side, word);
}

void UnitEntries::SetGroupCtrl(int n, std::uint32_t value) {
  if (!unit_.IsUpdating()) unit_.SetGroupCtrl(n, value);
}

void UnitEntries::SetEffectVolume(std::uint8_t volume) { unit_.SetEffectState(unit_.GetEffectOn(), volume); }
