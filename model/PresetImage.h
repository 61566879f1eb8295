// The parameters of one preset: the in-memory PresetImage and the parameter
// stream, the byte layout that carries a preset between the editor, the
// processor's memory and both file formats. Plain C++, no Qt.
//
// Stream offsets are part of the device protocol: 2 preset name, 16 + 72 i
// input i, 592 effect, 708 + 94 k output k, 1460 mute masks, 1466 band-bypass
// words, 1500 sub-control words, 1508 test signal, 1512 delay unit, 1514
// memorize mode, 1516 equaliser-bypass masks; 1522 bytes in all. Values wider
// than a byte are little-endian. The image mirrors the stream field by field
// except that four effect fields (bus routing, effect on, volume, camera
// default input) are single bytes in memory and 16-bit words on the stream,
// high byte 0. The layout is walked in one place (PresetImage.cpp), which both
// the encoder and the decoder use.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "model/Codecs.h"

inline constexpr int kInputCount = 8;       // channels 0-7, inputs A-H
inline constexpr int kOutputCount = 8;      // channels 8-15, outputs 1-8
inline constexpr int kFirstOutput = 8;
inline constexpr int kEffectChannel = 18;   // shown as "Aux"
inline constexpr int kInputPeqBands = 5;    // inputs and the effect channel
inline constexpr int kOutputPeqBands = 7;
inline constexpr int kMixSources = 9;       // inputs A-H, then the effect return

// One equaliser band: 6 bytes on the stream.
struct PeqBand {
  std::uint16_t Gain = 0;       // EQ gain code
  std::uint16_t Frequency = 0;  // frequency code
  std::uint8_t Q = 0;           // Q code, kept raw even above 100
  std::uint8_t Type = 0;        // PeqType, kept raw even when unknown

  // Gain code low, frequency code high.
  std::uint32_t BandWord() const { return Gain | static_cast<std::uint32_t>(Frequency) << 16; }
  // Q code low, type high.
  std::uint16_t ShapeWord() const { return static_cast<std::uint16_t>(Q | Type << 8); }
  static PeqBand FromWords(std::uint32_t bandWord, std::uint16_t shapeWord);
  bool operator==(const PeqBand&) const = default;
};

// A high- or low-cut filter: slope 0 = bypassed, 1-20 = slope type.
struct CutFilter {
  std::uint16_t Slope = 0;
  std::uint16_t Frequency = 0;  // frequency code

  std::uint32_t Word() const { return Slope | static_cast<std::uint32_t>(Frequency) << 16; }
  static CutFilter FromWord(std::uint32_t word);
  bool operator==(const CutFilter&) const = default;
};

// Two 32-bit words and a 16-bit word: the automix and camera (mix gate)
// settings, whose bits belong to their dialogs.
struct MixSettings {
  std::uint32_t WordA = 0;
  std::uint32_t WordB = 0;  // high half: a mask of inputs
  std::uint16_t On = 0;
  bool operator==(const MixSettings&) const = default;
};

// 72 bytes on the stream.
struct InputChannelRecord {
  ChannelNameField Name{};
  std::uint8_t Phantom = 0;        // 0 off, 1 on
  std::uint8_t Sensitivity = 0;    // 0 line; 1-51 microphone, s - 1 dB of gain
  std::uint16_t FeedbackLevel = 0; // 0 off, 1-4
  std::array<std::uint16_t, 3> Gate{};  // attack, release, threshold + 180
  std::array<std::uint16_t, 5> Agc{};   // ratio, attack, release, threshold + 180, target + 180
  std::array<PeqBand, kInputPeqBands> Peq{};
  CutFilter LowCut;   // high pass
  CutFilter HighCut;  // low pass
  std::uint16_t Gain = 0;      // channel gain code, 280 = 0 dB
  std::uint16_t Polarity = 0;  // nonzero inverted
  std::uint16_t LinkMask = 0;  // bit j = input j in this channel's link row
  bool operator==(const InputChannelRecord&) const = default;
};

// 116 bytes on the stream, 112 in memory.
struct EffectChannelRecord {
  ChannelNameField Name{};
  std::uint8_t BusRouting = 0;     // bit i = input i feeds the effect bus
  std::uint8_t EffectOn = 0;
  std::uint8_t EffectVolume = 0;
  std::uint8_t CameraDefault = 0;
  std::array<std::uint8_t, 2> Reserved{};
  std::array<std::uint16_t, kInputCount> AutoMixWeight{};  // channel gain codes
  MixSettings AutoMix;
  MixSettings Camera;
  std::array<PeqBand, kInputPeqBands> Peq{};
  std::array<std::uint32_t, 2> Echo{};
  std::array<std::uint32_t, 2> Reverb{};
  std::array<std::uint16_t, 4> Comp{};  // ratio, attack, release, threshold + 180
  std::array<std::uint8_t, 6> Aec{};
  std::uint16_t Gain = 0;
  bool operator==(const EffectChannelRecord&) const = default;
};

// 94 bytes on the stream.
struct OutputChannelRecord {
  ChannelNameField Name{};
  std::uint16_t Routing = 0;  // bit i = source i feeds the output
  std::array<std::uint16_t, kMixSources> MixLevel{};  // channel gain codes
  CutFilter LowCut;
  CutFilter HighCut;
  std::array<PeqBand, kOutputPeqBands> Peq{};
  std::array<std::uint16_t, 4> Comp{};  // ratio, attack, release, threshold + 180
  std::uint16_t Gain = 0;
  std::uint16_t Polarity = 0;
  std::uint16_t Delay = 0;     // samples at 48 kHz
  std::uint16_t LinkMask = 0;  // bit j = output j in this channel's link row
  bool operator==(const OutputChannelRecord&) const = default;
};

struct PresetImage {
  std::uint8_t StoredMarker = 0;  // 0xFF when a stored preset holds data
  std::uint8_t Reserved = 0;
  PresetNameField Name{};
  std::array<InputChannelRecord, kInputCount> Inputs{};
  EffectChannelRecord Effect;
  std::array<OutputChannelRecord, kOutputCount> Outputs{};
  std::uint16_t InputMute = 0;   // bit i = input i muted
  std::uint16_t EffectMute = 0;
  std::uint16_t OutputMute = 0;
  std::array<std::uint16_t, kInputCount> InputBandBypass{};  // bit b = band b bypassed
  std::uint16_t EffectBandBypass = 0;
  std::array<std::uint16_t, kOutputCount> OutputBandBypass{};
  std::uint32_t InputSubCtrl = 0;
  std::uint32_t OutputSubCtrl = 0;
  std::uint16_t TestSource = 0;     // 0 analog, 1 pink, 2 white, 3 sine
  std::uint16_t SineFrequency = 0;  // item of the test dialog's list
  std::uint16_t DelayUnit = 0;      // DelayDisplayUnit
  std::uint16_t MemorizeMode = 0;   // 0 memorize, 1 forget, 2 forget and start with U01
  std::uint16_t InputEqBypass = 0;  // bit i = whole equaliser of input i bypassed
  std::uint16_t OutputEqBypass = 0;
  std::uint16_t EffectEqBypass = 0;
  bool operator==(const PresetImage&) const = default;
};

// The built-in default preset (demo mode and LoadDefaults).
const PresetImage& DefaultPresetImage();

// ---- Parameter stream ------------------------------------------------------------
inline constexpr std::size_t kStreamSize = 1522;          // bytes 0-1521 carry fields
inline constexpr std::size_t kStreamNameOffset = 2;
inline constexpr std::size_t kStreamInputOffset = 16;     // + 72 i
inline constexpr std::size_t kStreamInputSize = 72;
inline constexpr std::size_t kStreamEffectOffset = 592;
inline constexpr std::size_t kStreamEffectSize = 116;
inline constexpr std::size_t kStreamOutputOffset = 708;   // + 94 k
inline constexpr std::size_t kStreamOutputSize = 94;
inline constexpr std::size_t kStreamMuteOffset = 1460;
inline constexpr std::size_t kStreamTestSourceOffset = 1508;
// A stored preset is stream bytes 0-1507; a preset file body is bytes 2-1507.
inline constexpr std::size_t kPresetStreamSize = 1508;

using StreamBytes = std::array<std::uint8_t, kStreamSize>;

// Stream bytes 0-1521 of the image.
StreamBytes EncodeStream(const PresetImage& image);

// Decodes bytes, which hold the stream from stream offset firstOffset on,
// into image. Only fields that lie wholly inside the given bytes are
// replaced; every other field keeps its value. A preset file body is
// DecodeStream(body, 2, image).
void DecodeStream(std::span<const std::uint8_t> bytes, std::size_t firstOffset, PresetImage& image);
