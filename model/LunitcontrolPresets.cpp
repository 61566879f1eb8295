// LUnitControl and preset files: the serialised preset and the bulk load that
// stores a preset file's body and sends every parameter.
#include "model/Lunitcontrol.h"
#include "model/PresetFiles.h"

namespace {

constexpr std::uint8_t kCmdBulkLoadStart = 0x68;
constexpr std::uint8_t kCmdFeedbackLevel = 0x61;
constexpr std::uint8_t kCmdLineMic = 0x55;
constexpr std::uint8_t kCmdPhantom = 0x56;
constexpr std::uint8_t kCmdLinkMask = 0x3B;
constexpr std::uint8_t kCmdEffectState = 0x63;
constexpr std::uint8_t kCmdCameraDefault = 0x57;
constexpr std::uint8_t kCmdAutoMixWeight = 0x47;
constexpr std::uint8_t kCmdAec = 0x5C;
// The effect record's bus-routing word, whose high byte the image drops.
constexpr std::size_t kStreamBusRoutingOffset = kStreamEffectOffset + 8;

std::uint8_t Lo(unsigned v) { return static_cast<std::uint8_t>(v); }

}  // namespace

std::vector<std::uint8_t> LUnitControl::SerializePreset() const { return presetfiles::SerializePreset(preset_); }

void LUnitControl::LoadPresetAndSend(std::span<const std::uint8_t> body) {
  if (body.size() != presetfiles::kPresetBodySize) return;
  ::DecodeStream(body, kStreamNameOffset, preset_);
  const std::size_t routingAt = kStreamBusRoutingOffset - kStreamNameOffset;
  const auto routingWord = static_cast<std::uint16_t>(body[routingAt] | body[routingAt + 1] << 8);

  const std::uint8_t id = DeviceId();
  auto send = [this](const LCmd& cmd) { SendAlways(cmd, true); };
  const PresetImage& p = preset_;

  send(CM_MCS_CMD(id, kCmdBulkLoadStart, 1));
  send(CM_MCS_PRESETNAME(id, p.Name));
  for (int i = 0; i < kInputCount; ++i) {
    const InputChannelRecord& in = p.Inputs[static_cast<std::size_t>(i)];
    const std::uint8_t c = Lo(i);
    send(CM_MCS_CHANNEL_NAME(id, c, in.Name));
    send(CM_MCS_CMD(id, kCmdPhantom, c, in.Phantom));
    send(CM_MCS_CMD(id, kCmdLineMic, c, in.Sensitivity));
    send(CM_MCS_CMD(id, kCmdFeedbackLevel, c, Lo(in.FeedbackLevel)));
    send(CM_MCS_GATE(id, c, in.Gate[0], in.Gate[1], in.Gate[2]));
    send(CM_MCS_AGC(id, c, in.Agc[0], in.Agc[1], in.Agc[2], in.Agc[3], in.Agc[4]));
    send(CM_MCS_HIGH_PASS(id, c, in.LowCut.Frequency, Lo(in.LowCut.Slope)));
    send(CM_MCS_LOW_PASS(id, c, in.HighCut.Frequency, Lo(in.HighCut.Slope)));
    send(CM_MCS_GAIN(id, c, in.Gain));
    send(CM_MCS_POLARITY(id, c, in.Polarity != 0 ? 1 : 0));
    send(CM_MCS_CMD(id, kCmdLinkMask, c, Lo(in.LinkMask)));
  }

  const EffectChannelRecord& fx = p.Effect;
  const std::uint8_t e = kEffectChannel;
  send(CM_MCS_CHANNEL_NAME(id, e, fx.Name));
  send(CM_MCS_MATRIX(id, e, routingWord));
  send(CM_MCS_CMD(id, kCmdEffectState, fx.EffectOn, fx.EffectVolume));
  send(CM_MCS_CMD(id, kCmdCameraDefault, fx.CameraDefault));
  send(CM_MCS_MATRIX(id, e, fx.BusRouting));
  for (int i = 0; i < kInputCount; ++i) {
    const std::uint16_t w = fx.AutoMixWeight[static_cast<std::size_t>(i)];
    send(CM_MCS_CMD(id, kCmdAutoMixWeight, Lo(i), Lo(w), Lo(w >> 8)));
  }
  send(CM_MCS_AUTO_MIX(id, fx.AutoMix.WordA, fx.AutoMix.WordB, fx.AutoMix.On));
  send(CM_MCS_MIX_GATE(id, fx.Camera.WordA, fx.Camera.WordB, fx.Camera.On));
  send(CM_MCS_ECHO(id, fx.Echo[0], fx.Echo[1]));
  send(CM_MCS_RVB(id, fx.Reverb[0], fx.Reverb[1]));
  send(CM_MCS_COMP(id, e, fx.Comp[0], fx.Comp[1], fx.Comp[2], fx.Comp[3]));
  for (std::size_t a = 0; a < fx.Aec.size(); ++a) send(CM_MCS_CMD(id, kCmdAec, Lo(a), fx.Aec[a]));
  send(CM_MCS_GAIN(id, e, fx.Gain));

  for (int k = 0; k < kOutputCount; ++k) {
    const OutputChannelRecord& out = p.Outputs[static_cast<std::size_t>(k)];
    const std::uint8_t c = Lo(kFirstOutput + k);
    send(CM_MCS_CHANNEL_NAME(id, c, out.Name));
    send(CM_MCS_MATRIX(id, c, out.Routing));
    for (int s = 0; s < kMixSources; ++s) send(CM_MCS_MIX(id, c, Lo(s), out.MixLevel[static_cast<std::size_t>(s)]));
    send(CM_MCS_HIGH_PASS(id, c, out.LowCut.Frequency, Lo(out.LowCut.Slope)));
    send(CM_MCS_LOW_PASS(id, c, out.HighCut.Frequency, Lo(out.HighCut.Slope)));
    send(CM_MCS_COMP(id, c, out.Comp[0], out.Comp[1], out.Comp[2], out.Comp[3]));
    send(CM_MCS_GAIN(id, c, out.Gain));
    send(CM_MCS_POLARITY(id, c, out.Polarity != 0 ? 1 : 0));
    send(CM_MCS_DELAY(id, c, out.Delay));
    send(CM_MCS_CMD(id, kCmdLinkMask, c, Lo(out.LinkMask)));
  }

  for (int i = 0; i < kInputCount; ++i) send(CM_MCS_MUTE(id, Lo(i), Lo(p.InputMute >> i & 1u)));
  send(CM_MCS_MUTE(id, e, Lo(p.EffectMute)));
  for (int k = 0; k < kOutputCount; ++k) send(CM_MCS_MUTE(id, Lo(kFirstOutput + k), Lo(p.OutputMute >> k & 1u)));

  for (int i = 0; i < kInputCount; ++i) {
    const std::uint16_t bypass = p.InputBandBypass[static_cast<std::size_t>(i)];
    for (int b = 0; b < kInputPeqBands; ++b) {
      const PeqBand& band = p.Inputs[static_cast<std::size_t>(i)].Peq[static_cast<std::size_t>(b)];
      send(CM_MCS_PEQ(id, Lo(i), Lo(b), band.BandWord(), band.ShapeWord(), Lo(bypass >> b & 1u)));
    }
  }
  for (int b = 0; b < kInputPeqBands; ++b) {
    const PeqBand& band = fx.Peq[static_cast<std::size_t>(b)];
    send(CM_MCS_PEQ(id, e, Lo(b), band.BandWord(), band.ShapeWord(), Lo(p.EffectBandBypass >> b & 1u)));
  }
  for (int k = 0; k < kOutputCount; ++k) {
    const std::uint16_t bypass = p.OutputBandBypass[static_cast<std::size_t>(k)];
    for (int b = 0; b < kOutputPeqBands; ++b) {
      const PeqBand& band = p.Outputs[static_cast<std::size_t>(k)].Peq[static_cast<std::size_t>(b)];
      send(CM_MCS_PEQ(id, Lo(kFirstOutput + k), Lo(b), band.BandWord(), band.ShapeWord(), Lo(bypass >> b & 1u)));
    }
  }
  send(CM_MCS_DSP_SUB_CTRL(id, 0, p.InputSubCtrl));
  send(CM_MCS_DSP_SUB_CTRL(id, 1, p.OutputSubCtrl));
}

bool LUnitControl::SaveUnitFile(const std::string& path) const {
  const presetfiles::FileBytes file =
      presetfiles::WriteUnitFile(systemBytes_, storedPresets_, [this](int r) { return IsPresetStored(r); });
  return presetfiles::SaveFileAtomically(path, file);
}
