// LUnitControl setters: store into the edited channel and its link group, then
// send one command for the edited channel.
#include "model/Lunitcontrol.h"

namespace {

constexpr std::uint8_t kCmdLinkMask = 0x3B;
constexpr std::uint8_t kCmdAutoMixWeight = 0x47;
constexpr std::uint8_t kCmdLineMic = 0x55;
constexpr std::uint8_t kCmdPhantom = 0x56;
constexpr std::uint8_t kCmdCameraDefault = 0x57;
constexpr std::uint8_t kCmdAec = 0x5C;
constexpr std::uint8_t kCmdFeedbackLevel = 0x61;
constexpr std::uint8_t kCmdEffectState = 0x63;
constexpr int kAecStoredCount = 6;

std::uint8_t Lo(unsigned v) { return static_cast<std::uint8_t>(v); }
std::uint16_t Lo16(std::uint32_t v) { return static_cast<std::uint16_t>(v); }
std::uint16_t Hi16(std::uint32_t v) { return static_cast<std::uint16_t>(v >> 16); }

void SetBit(std::uint16_t& mask, int bit, bool on) {
  const auto b = static_cast<std::uint16_t>(1u << bit);
  mask = on ? static_cast<std::uint16_t>(mask | b) : static_cast<std::uint16_t>(mask & ~b);
}

// Keeps the low half of a settings word and ANDs its input mask (high half).
std::uint32_t KeepInputs(std::uint32_t word, std::uint16_t mask) {
  return (word & 0xFFFFu) | (word & static_cast<std::uint32_t>(mask) << 16);
}

// Runs store(j) for every side-relative member j of a link group.
template <class F>
void ForEachMember(unsigned members, F&& store) {
  for (std::size_t j = 0; j < 8; ++j) {
    if (members >> j & 1u) store(j);
  }
}

}  // namespace

std::uint8_t LUnitControl::DeviceId() const { return host_ ? host_->GetDeviceId() : 0; }

void LUnitControl::Send(const LCmd& cmd, bool force) {
  if (host_ && !host_->IsUpdating()) host_->SendCommand(cmd, force);
}

void LUnitControl::SendAlways(const LCmd& cmd, bool force) {
  if (host_) host_->SendCommand(cmd, force);
}

void LUnitControl::MarkCurveDirty(int c) {
  if (host_) host_->MarkCurveDirty(c);
}

void LUnitControl::SetGain(int c, std::uint16_t code) {
  if (IsInputChannel(c)) {
    ForEachMember(GroupMembers(c), [&](std::size_t j) { preset_.Inputs[j].Gain = code; });
  } else if (IsOutputChannel(c)) {
    ForEachMember(GroupMembers(c), [&](std::size_t j) { preset_.Outputs[j].Gain = code; });
  } else if (c == kEffectChannel) {
    preset_.Effect.Gain = code;
  } else {
    return;
  }
  Send(CM_MCS_GAIN(DeviceId(), Lo(c), code));
}

void LUnitControl::SetMute(int c, std::uint8_t on) {
  if (IsInputChannel(c)) {
    ForEachMember(GroupMembers(c), [&](std::size_t j) { SetBit(preset_.InputMute, static_cast<int>(j), on != 0); });
  } else if (IsOutputChannel(c)) {
    ForEachMember(GroupMembers(c), [&](std::size_t j) { SetBit(preset_.OutputMute, static_cast<int>(j), on != 0); });
  } else if (c == kEffectChannel) {
    preset_.EffectMute = on;
  } else {
    return;
  }
  Send(CM_MCS_MUTE(DeviceId(), Lo(c), on));
}

void LUnitControl::SetPolarity(int c, std::uint8_t flag) {
  if (IsInputChannel(c)) {
    ForEachMember(GroupMembers(c), [&](std::size_t j) { preset_.Inputs[j].Polarity = flag; });
  } else if (IsOutputChannel(c)) {
    ForEachMember(GroupMembers(c), [&](std::size_t j) { preset_.Outputs[j].Polarity = flag; });
  } else {
    return;
  }
  Send(CM_MCS_POLARITY(DeviceId(), Lo(c), flag));
}

void LUnitControl::SetPeqBand(int c, int band, std::uint32_t bandWord, std::uint16_t shapeWord,
                              std::uint8_t bypass) {
  const PeqBand value = PeqBand::FromWords(bandWord, shapeWord);
  if (IsInputChannel(c) && band >= 0 && band < kInputPeqBands) {
    auto& word = preset_.InputBandBypass[static_cast<std::size_t>(c)];
    SetBit(word, band, bypass != 0);
    const std::uint16_t shared = word;
    ForEachMember(GroupMembers(c), [&](std::size_t j) {
      preset_.Inputs[j].Peq[static_cast<std::size_t>(band)] = value;
      preset_.InputBandBypass[j] = shared;
    });
  } else if (IsOutputChannel(c) && band >= 0 && band < kOutputPeqBands) {
    auto& word = preset_.OutputBandBypass[static_cast<std::size_t>(c - kFirstOutput)];
    SetBit(word, band, bypass != 0);
    const std::uint16_t shared = word;
    ForEachMember(GroupMembers(c), [&](std::size_t j) {
      preset_.Outputs[j].Peq[static_cast<std::size_t>(band)] = value;
      preset_.OutputBandBypass[j] = shared;
    });
  } else if (c == kEffectChannel && band >= 0 && band < kInputPeqBands) {
    preset_.Effect.Peq[static_cast<std::size_t>(band)] = value;
    SetBit(preset_.EffectBandBypass, band, bypass != 0);
  } else {
    return;
  }
  Send(CM_MCS_PEQ(DeviceId(), Lo(c), Lo(band), bandWord, shapeWord, bypass));
  MarkCurveDirty(c);
}

void LUnitControl::SetHighPass(int c, std::uint32_t lowCut, std::uint32_t /*highCut*/) {
  const CutFilter value = CutFilter::FromWord(lowCut);
  if (IsInputChannel(c)) {
    ForEachMember(GroupMembers(c), [&](std::size_t j) { preset_.Inputs[j].LowCut = value; });
  } else if (IsOutputChannel(c)) {
    ForEachMember(GroupMembers(c), [&](std::size_t j) { preset_.Outputs[j].LowCut = value; });
  } else {
    return;
  }
  Send(CM_MCS_HIGH_PASS(DeviceId(), Lo(c), value.Frequency, Lo(value.Slope)));
  MarkCurveDirty(c);
}

void LUnitControl::SetLowPass(int c, std::uint32_t /*lowCut*/, std::uint32_t highCut) {
  const CutFilter value = CutFilter::FromWord(highCut);
  if (IsInputChannel(c)) {
    ForEachMember(GroupMembers(c), [&](std::size_t j) { preset_.Inputs[j].HighCut = value; });
  } else if (IsOutputChannel(c)) {
    ForEachMember(GroupMembers(c), [&](std::size_t j) { preset_.Outputs[j].HighCut = value; });
  } else {
    return;
  }
  Send(CM_MCS_LOW_PASS(DeviceId(), Lo(c), value.Frequency, Lo(value.Slope)));
  MarkCurveDirty(c);
}

void LUnitControl::SetComp(int c, std::uint32_t first, std::uint32_t second) {
  const std::array<std::uint16_t, 4> words = {Lo16(first), Hi16(first), Lo16(second), Hi16(second)};
  if (IsOutputChannel(c)) {
    ForEachMember(GroupMembers(c), [&](std::size_t j) { preset_.Outputs[j].Comp = words; });
  } else if (c == kEffectChannel) {
    preset_.Effect.Comp = words;
  } else {
    return;
  }
  Send(CM_MCS_COMP(DeviceId(), Lo(c), words[0], words[1], words[2], words[3]));
}

void LUnitControl::SetGate(int c, std::uint32_t first, std::uint16_t threshold) {
  if (!IsInputChannel(c)) return;
  const std::array<std::uint16_t, 3> words = {Lo16(first), Hi16(first), threshold};
  ForEachMember(GroupMembers(c), [&](std::size_t j) { preset_.Inputs[j].Gate = words; });
  Send(CM_MCS_GATE(DeviceId(), Lo(c), words[0], words[1], words[2]));
}

void LUnitControl::SetAgc(int c, std::uint32_t first, std::uint32_t second, std::uint16_t target) {
  if (!IsInputChannel(c)) return;
  const std::array<std::uint16_t, 5> words = {Lo16(first), Hi16(first), Lo16(second), Hi16(second), target};
  ForEachMember(GroupMembers(c), [&](std::size_t j) { preset_.Inputs[j].Agc = words; });
  Send(CM_MCS_AGC(DeviceId(), Lo(c), words[0], words[1], words[2], words[3], words[4]));
}

void LUnitControl::SetFeedbackLevel(int c, std::uint16_t level) {
  if (!IsInputChannel(c)) return;
  ForEachMember(GroupMembers(c), [&](std::size_t j) { preset_.Inputs[j].FeedbackLevel = level; });
  Send(CM_MCS_CMD(DeviceId(), kCmdFeedbackLevel, Lo(c), Lo(level)));
}

void LUnitControl::SetPhantom(int c, std::uint8_t on) {
  if (!IsInputChannel(c)) return;
  ForEachMember(GroupMembers(c), [&](std::size_t j) { preset_.Inputs[j].Phantom = on; });
  SendAlways(CM_MCS_CMD(DeviceId(), kCmdPhantom, Lo(c), preset_.Inputs[static_cast<std::size_t>(c)].Phantom));
}

void LUnitControl::SetLineMic(int c, std::uint8_t sensitivity) {
  if (!IsInputChannel(c)) return;
  ForEachMember(GroupMembers(c), [&](std::size_t j) {
    preset_.Inputs[j].Sensitivity = sensitivity;
    if (sensitivity == 0) preset_.Inputs[j].Phantom = 0;  // line level carries no phantom power
  });
  SendAlways(CM_MCS_CMD(DeviceId(), kCmdLineMic, Lo(c), preset_.Inputs[static_cast<std::size_t>(c)].Sensitivity));
}

void LUnitControl::SetDelay(int c, std::uint16_t samples) {
  if (IsOutputChannel(c)) {
    ForEachMember(GroupMembers(c), [&](std::size_t j) { preset_.Outputs[j].Delay = samples; });
  } else if (!IsInputChannel(c)) {
    return;
  }
  // An input's delay lives only in the processor.
  Send(CM_MCS_DELAY(DeviceId(), Lo(c), samples));
}

void LUnitControl::SetDelayUnit(std::uint16_t unit) {
  preset_.DelayUnit = unit;
  Send(CM_MCS_DELAYUNIT(DeviceId(), Lo(unit)));
}

void LUnitControl::SetMixLevel(int c, int source, std::uint16_t level) {
  if (!IsOutputChannel(c) || source < 0 || source >= kMixSources) return;
  preset_.Outputs[static_cast<std::size_t>(c - kFirstOutput)].MixLevel[static_cast<std::size_t>(source)] = level;
  Send(CM_MCS_MIX(DeviceId(), Lo(c), Lo(source), level));
}

void LUnitControl::SetMatrix(int c, std::uint16_t mask) {
  if (IsOutputChannel(c)) {
    preset_.Outputs[static_cast<std::size_t>(c - kFirstOutput)].Routing = mask;
  } else if (c == kEffectChannel) {
    auto& fx = preset_.Effect;
    fx.BusRouting = Lo(mask);
    // Inputs taken off the effect bus leave automix and camera tracking.
    fx.AutoMix.WordB = KeepInputs(fx.AutoMix.WordB, mask);
    fx.Camera.WordB = KeepInputs(fx.Camera.WordB, mask);
  } else {
    return;
  }
  Send(CM_MCS_MATRIX(DeviceId(), Lo(c), mask), true);
}

void LUnitControl::SetLinkMask(int c, std::uint16_t mask) {
  if (IsInputChannel(c)) {
    preset_.Inputs[static_cast<std::size_t>(c)].LinkMask = mask;
  } else if (IsOutputChannel(c)) {
    preset_.Outputs[static_cast<std::size_t>(c - kFirstOutput)].LinkMask = mask;
  } else {
    return;
  }
  Send(CM_MCS_CMD(DeviceId(), kCmdLinkMask, Lo(c), Lo(mask)), true);
}

void LUnitControl::SetChannelName(int c, const ChannelNameField& name) {
  if (IsInputChannel(c)) {
    preset_.Inputs[static_cast<std::size_t>(c)].Name = name;
  } else if (IsOutputChannel(c)) {
    preset_.Outputs[static_cast<std::size_t>(c - kFirstOutput)].Name = name;
  } else if (c == kEffectChannel) {
    preset_.Effect.Name = name;
  } else {
    return;
  }
  Send(CM_MCS_CHANNEL_NAME(DeviceId(), Lo(c), name), true);
}

void LUnitControl::SetSubCtrl(int side, std::uint32_t word) {
  (side == 0 ? preset_.InputSubCtrl : preset_.OutputSubCtrl) = word;
  Send(CM_MCS_DSP_SUB_CTRL(DeviceId(), Lo(side), word));
}

void LUnitControl::SetGroupCtrl(int n, std::uint32_t value) {
  if (n < 0 || n >= static_cast<int>(kGroupCtrlCount)) return;
  GroupCtrlEntry& e = groups_[static_cast<std::size_t>(n)];
  e.Volume = Lo(value);
  e.Mute = Lo(value >> 8);
  e.Members = Lo(value >> 16);
  Send(CM_MCS_GROUP_CTRL(DeviceId(), Lo(n), value));
}

void LUnitControl::SetEffectState(std::uint8_t on, std::uint8_t volume) {
  preset_.Effect.EffectOn = on;
  preset_.Effect.EffectVolume = volume;
  Send(CM_MCS_CMD(DeviceId(), kCmdEffectState, on, volume));
}

void LUnitControl::SetAutoMixWeight(int input, std::uint16_t weight) {
  if (!IsInputChannel(input)) return;
  preset_.Effect.AutoMixWeight[static_cast<std::size_t>(input)] = weight;
  Send(CM_MCS_CMD(DeviceId(), kCmdAutoMixWeight, Lo(input), Lo(weight), Lo(weight >> 8)));
}

void LUnitControl::SetAutoMix(std::uint32_t wordA, std::uint32_t wordB, std::uint16_t on) {
  preset_.Effect.AutoMix = {wordA, wordB, on};
  Send(CM_MCS_AUTO_MIX(DeviceId(), wordA, wordB, on));
}

void LUnitControl::SetMixGate(std::uint32_t wordA, std::uint32_t wordB, std::uint16_t on) {
  preset_.Effect.Camera = {wordA, wordB, on};
  Send(CM_MCS_MIX_GATE(DeviceId(), wordA, wordB, on));
}

void LUnitControl::SetCameraDefault(std::uint8_t input) {
  preset_.Effect.CameraDefault = input;
  Send(CM_MCS_CMD(DeviceId(), kCmdCameraDefault, input));
}

void LUnitControl::SetAec(int index, std::uint8_t value) {
  if (index >= 0 && index < kAecStoredCount) preset_.Effect.Aec[static_cast<std::size_t>(index)] = value;
  SendAlways(CM_MCS_CMD(DeviceId(), kCmdAec, Lo(index), value));
}
