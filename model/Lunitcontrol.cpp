// LUnitControl: construction, replies, staging, getters, link groups and the
// channel copy. The setters are in LunitcontrolSetters.cpp.
#include "model/Lunitcontrol.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr std::uint8_t kStoredFlag = 255;
constexpr int kLastBlock = kBlockCount - 1;

// Band count of a channel's equaliser; 0 for channels without one.
int BandCount(int c) {
  if (IsInputChannel(c) || c == kEffectChannel) return kInputPeqBands;
  if (IsOutputChannel(c)) return kOutputPeqBands;
  return 0;
}

const PeqBand* FindBand(const PresetImage& p, int c, int band) {
  if (band < 0 || band >= BandCount(c)) return nullptr;
  const auto b = static_cast<std::size_t>(band);
  if (IsInputChannel(c)) return &p.Inputs[static_cast<std::size_t>(c)].Peq[b];
  if (IsOutputChannel(c)) return &p.Outputs[static_cast<std::size_t>(c - kFirstOutput)].Peq[b];
  return &p.Effect.Peq[b];
}

}  // namespace

LUnitControl::LUnitControl(UnitControlHost* host) : host_(host) { LoadDefaults(); }

void LUnitControl::LoadDefaults() {
  preset_ = DefaultPresetImage();
  groups_.fill(GroupCtrlEntry{});
}

// ---- Replies ------------------------------------------------------------------

void LUnitControl::ApplyGroupCtrl(std::span<const std::uint8_t> payload) {
  const std::size_t n = std::min(payload.size(), kGroupCtrlCount * 3);
  for (std::size_t i = 0; i < n; ++i) {
    GroupCtrlEntry& e = groups_[i / 3];
    switch (i % 3) {
      case 0: e.Volume = payload[i]; break;
      case 1: e.Mute = payload[i]; break;
      default: e.Members = payload[i]; break;
    }
  }
}

int LUnitControl::Stage(std::span<const std::uint8_t> payload) {
  if (payload.empty()) return -1;
  const int block = payload[0];
  if (block > kLastBlock) return -1;  // would stage outside the buffer
  const std::size_t start = static_cast<std::size_t>(block) * kBlockSize;
  const std::span<const std::uint8_t> data = payload.subspan(1);
  const std::size_t count = std::min(data.size(), kStagingSize - start);
  std::copy_n(data.begin(), count, staging_.begin() + static_cast<std::ptrdiff_t>(start));
  return block;
}

void LUnitControl::ApplyParameterBlock(std::span<const std::uint8_t> payload) {
  if (Stage(payload) != kLastBlock) return;
  // Bytes 0 and 1 (stored marker, reserved) are the processor's, not the
  // current preset's.
  const std::span<const std::uint8_t> stream(staging_.data(), kStreamSize);
  ::DecodeStream(stream.subspan(kStreamNameOffset), kStreamNameOffset, preset_);
}

void LUnitControl::ApplyPresetBlock(int slot, std::span<const std::uint8_t> payload) {
  if (Stage(payload) != kLastBlock) return;
  if (slot < 1 || slot > kPresetCount) return;
  StoredPresetRecord& record = storedPresets_[static_cast<std::size_t>(slot - 1)];
  record[0] = static_cast<std::uint8_t>(slot);
  std::copy_n(staging_.begin(), kStoredPresetRecordSize - 1, record.begin() + 1);
}

void LUnitControl::ApplySystemBytes(std::span<const std::uint8_t> payload) {
  std::copy_n(payload.begin(), std::min(payload.size(), kSystemByteCount), systemBytes_.begin());
}

void LUnitControl::SetPresetFlags(std::span<const std::uint8_t> payload) {
  const std::size_t n = std::min(payload.size(), presetFlags_.size());
  for (std::size_t i = 0; i < n; ++i) presetFlags_[i] = payload[i] == kStoredFlag ? 1 : 0;
}

// ---- Presets --------------------------------------------------------------------

void LUnitControl::SetPresetName(std::span<const std::uint8_t> name) {
  preset_.Name.fill(' ');
  std::copy_n(name.begin(), std::min(name.size(), preset_.Name.size()), preset_.Name.begin());
}

bool LUnitControl::IsPresetStored(int n) const {
  return n >= 0 && n < kPresetCount && presetFlags_[static_cast<std::size_t>(n)] != 0;
}

void LUnitControl::MarkPresetStored(int n) {
  if (n >= 0 && n < kPresetCount) presetFlags_[static_cast<std::size_t>(n)] = 1;
}

const StoredPresetRecord& LUnitControl::GetStoredPresetRecord(int slot) const {
  static const StoredPresetRecord kEmpty{};
  if (slot < 1 || slot > kPresetCount) return kEmpty;
  return storedPresets_[static_cast<std::size_t>(slot - 1)];
}

void LUnitControl::DecodeStream(std::span<const std::uint8_t> bytes, std::size_t firstOffset) {
  ::DecodeStream(bytes, firstOffset, preset_);
}

// ---- Getters ----------------------------------------------------------------------

ChannelNameField LUnitControl::GetChannelName(int c) const {
  if (IsInputChannel(c)) return preset_.Inputs[static_cast<std::size_t>(c)].Name;
  if (IsOutputChannel(c)) return preset_.Outputs[static_cast<std::size_t>(c - kFirstOutput)].Name;
  if (c == kEffectChannel) return preset_.Effect.Name;
  return ChannelNameField{};
}

std::uint16_t LUnitControl::GetGain(int c) const {
  if (IsInputChannel(c)) return preset_.Inputs[static_cast<std::size_t>(c)].Gain;
  if (IsOutputChannel(c)) return preset_.Outputs[static_cast<std::size_t>(c - kFirstOutput)].Gain;
  if (c == kEffectChannel) return preset_.Effect.Gain;
  return 0;
}

std::uint16_t LUnitControl::GetDelay(int c) const {
  return IsOutputChannel(c) ? preset_.Outputs[static_cast<std::size_t>(c - kFirstOutput)].Delay : 0;
}

bool LUnitControl::GetPeqBypass(int c, int band) const {
  if (band < 0 || band >= BandCount(c)) return false;
  std::uint16_t word = preset_.EffectBandBypass;
  if (IsInputChannel(c)) word = preset_.InputBandBypass[static_cast<std::size_t>(c)];
  if (IsOutputChannel(c)) word = preset_.OutputBandBypass[static_cast<std::size_t>(c - kFirstOutput)];
  return (word >> band & 1u) != 0;
}

PeqBand LUnitControl::GetPeqBand(int c, int band) const {
  const PeqBand* b = FindBand(preset_, c, band);
  return b ? *b : PeqBand{};
}

PeqBand LUnitControl::GetDefaultPeqBand(int c, int band) const {
  const PeqBand* b = FindBand(DefaultPresetImage(), c, band);
  return b ? *b : PeqBand{};
}

std::uint16_t LUnitControl::GetMatrix(int c) const {
  if (IsOutputChannel(c)) return preset_.Outputs[static_cast<std::size_t>(c - kFirstOutput)].Routing;
  if (c == kEffectChannel) return preset_.Effect.BusRouting;
  return 0;
}

CompWords LUnitControl::GetComp(int c) const {
  const std::array<std::uint16_t, 4>* comp = nullptr;
  if (IsOutputChannel(c)) comp = &preset_.Outputs[static_cast<std::size_t>(c - kFirstOutput)].Comp;
  if (c == kEffectChannel) comp = &preset_.Effect.Comp;
  if (!comp) return {};
  const auto& w = *comp;
  return {w[0] | static_cast<std::uint32_t>(w[1]) << 16, w[2] | static_cast<std::uint32_t>(w[3]) << 16};
}

AgcWords LUnitControl::GetAgc(int c) const {
  if (!IsInputChannel(c)) return {};
  const auto& w = preset_.Inputs[static_cast<std::size_t>(c)].Agc;
  return {w[0] | static_cast<std::uint32_t>(w[1]) << 16, w[2] | static_cast<std::uint32_t>(w[3]) << 16, w[4]};
}

GateWords LUnitControl::GetGate(int c) const {
  if (!IsInputChannel(c)) return {};
  const auto& w = preset_.Inputs[static_cast<std::size_t>(c)].Gate;
  return {w[0] | static_cast<std::uint32_t>(w[1]) << 16, w[2]};
}

CutWords LUnitControl::GetHighLowPass(int c) const {
  if (IsInputChannel(c)) {
    const auto& in = preset_.Inputs[static_cast<std::size_t>(c)];
    return {in.LowCut.Word(), in.HighCut.Word()};
  }
  if (IsOutputChannel(c)) {
    const auto& out = preset_.Outputs[static_cast<std::size_t>(c - kFirstOutput)];
    return {out.LowCut.Word(), out.HighCut.Word()};
  }
  return {};
}

bool LUnitControl::GetPolarity(int c) const {
  if (IsInputChannel(c)) return preset_.Inputs[static_cast<std::size_t>(c)].Polarity != 0;
  if (IsOutputChannel(c)) return preset_.Outputs[static_cast<std::size_t>(c - kFirstOutput)].Polarity != 0;
  return false;
}

bool LUnitControl::GetMute(int c) const {
  if (IsInputChannel(c)) return (preset_.InputMute >> c & 1u) != 0;
  if (IsOutputChannel(c)) return (preset_.OutputMute >> (c - kFirstOutput) & 1u) != 0;
  if (c == kEffectChannel) return preset_.EffectMute != 0;
  return false;
}

std::uint16_t LUnitControl::GetFbtLevel(int i) const {
  return IsInputChannel(i) ? preset_.Inputs[static_cast<std::size_t>(i)].FeedbackLevel : 0;
}

std::uint8_t LUnitControl::GetPhantom(int i) const {
  return IsInputChannel(i) && preset_.Inputs[static_cast<std::size_t>(i)].Phantom != 0 ? 1 : 0;
}

std::uint8_t LUnitControl::GetInputSensitivity(int i) const {
  return IsInputChannel(i) ? preset_.Inputs[static_cast<std::size_t>(i)].Sensitivity : 0;
}

std::uint16_t LUnitControl::GetChannelLinkMask(int c) const {
  if (IsInputChannel(c)) return preset_.Inputs[static_cast<std::size_t>(c)].LinkMask;
  if (IsOutputChannel(c)) return preset_.Outputs[static_cast<std::size_t>(c - kFirstOutput)].LinkMask;
  return 0;
}

std::uint16_t LUnitControl::GetEqBypassMask(int c) const {
  if (IsInputChannel(c)) return preset_.InputEqBypass;
  if (IsOutputChannel(c)) return preset_.OutputEqBypass;
  if (c == kEffectChannel) return preset_.EffectEqBypass;
  return 0;
}

void LUnitControl::SetEqBypassMask(int c, std::uint16_t mask) {
  if (IsInputChannel(c)) preset_.InputEqBypass = mask;
  if (IsOutputChannel(c)) preset_.OutputEqBypass = mask;
  if (c == kEffectChannel) preset_.EffectEqBypass = mask;
}

std::uint16_t LUnitControl::GetMixLevel(int c, int source) const {
  if (!IsOutputChannel(c) || source < 0 || source >= kMixSources) return 0;
  return preset_.Outputs[static_cast<std::size_t>(c - kFirstOutput)].MixLevel[static_cast<std::size_t>(source)];
}

GroupCtrlEntry LUnitControl::GetGroupCtrl(int n) const {
  if (n < 0 || n >= static_cast<int>(kGroupCtrlCount)) return {};
  return groups_[static_cast<std::size_t>(n)];
}

// ---- Link groups and copy ------------------------------------------------------------

std::uint16_t LUnitControl::LinkGroupMask(int c) const {
  if (!IsInputChannel(c) && !IsOutputChannel(c)) return 0;
  const bool input = IsInputChannel(c);
  const int self = input ? c : c - kFirstOutput;
  const auto maskOf = [&](int j) {
    return input ? preset_.Inputs[static_cast<std::size_t>(j)].LinkMask
                 : preset_.Outputs[static_cast<std::size_t>(j)].LinkMask;
  };
  const auto own = static_cast<std::uint16_t>(1u << self);
  if (maskOf(self) & own) return maskOf(self);
  for (int j = 0; j < self; ++j) {
    if (maskOf(j) & own) return maskOf(j);
  }
  // Held by no row: the channel stands alone rather than editing some
  // neighbour's group without itself.
  return own;
}

unsigned LUnitControl::GroupMembers(int c) const {
  const int self = IsOutputChannel(c) ? c - kFirstOutput : c;
  return (LinkGroupMask(c) & 0xFFu) | 1u << self;
}

bool LUnitControl::IsUpdating() const { return host_ && host_->IsUpdating(); }

void LUnitControl::CopyChannel(int source, int destination) {
  const auto copyBit = [](std::uint16_t& mask, int from, int to) {
    const auto bit = static_cast<std::uint16_t>(1u << to);
    mask = (mask >> from & 1u) ? static_cast<std::uint16_t>(mask | bit) : static_cast<std::uint16_t>(mask & ~bit);
  };
  if (IsInputChannel(source) && IsInputChannel(destination)) {
    const auto s = static_cast<std::size_t>(source);
    const auto d = static_cast<std::size_t>(destination);
    const ChannelNameField name = preset_.Inputs[d].Name;
    const std::uint16_t link = preset_.Inputs[d].LinkMask;
    preset_.Inputs[d] = preset_.Inputs[s];
    preset_.Inputs[d].Name = name;
    preset_.Inputs[d].LinkMask = link;
    preset_.InputBandBypass[d] = preset_.InputBandBypass[s];
    copyBit(preset_.InputMute, source, destination);
    copyBit(preset_.InputEqBypass, source, destination);
  } else if (IsOutputChannel(source) && IsOutputChannel(destination)) {
    const int sk = source - kFirstOutput;
    const int dk = destination - kFirstOutput;
    const auto& from = preset_.Outputs[static_cast<std::size_t>(sk)];
    auto& to = preset_.Outputs[static_cast<std::size_t>(dk)];
    to.LowCut = from.LowCut;
    to.HighCut = from.HighCut;
    to.Peq = from.Peq;
    to.Comp = from.Comp;
    to.Gain = from.Gain;
    to.Polarity = from.Polarity;
    to.Delay = from.Delay;
    preset_.OutputBandBypass[static_cast<std::size_t>(dk)] = preset_.OutputBandBypass[static_cast<std::size_t>(sk)];
    copyBit(preset_.OutputMute, sk, dk);
    copyBit(preset_.OutputEqBypass, sk, dk);
  }
}
