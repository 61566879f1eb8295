// LUnitControl: the editor's copy of everything the processor holds -- the
// group controls, the current preset, which user presets are stored, 19
// system bytes of device memory and, while a unit file is prepared, the
// stored presets themselves. The main window owns exactly one; without a
// processor it is the only state (demo mode), filled from the default preset.
//
// Channels: 0-7 inputs A-H, 8-15 outputs 1-8, 18 the effect channel. Any other
// index reads as zero and makes a setter do nothing.
//
// Reading: replies from the processor arrive through the Apply... operations.
// Parameter streams come in 31 blocks of 50 bytes, block n staged at n * 50;
// block 30 completes the stream and triggers the decode.
//
// Writing: every setter stores the value into the edited channel and every
// channel of its link group, then, unless the host is loading the image into
// its controls, sends one command for the edited channel. Line/mic level,
// phantom power and echo-cancellation settings are sent even while loading.
// The processor links the same channels, so it only hears about the edited
// one. Setters do not clamp values; they only refuse channels, bands and
// indices that name no field.
//
// Only the user-interface thread touches it; there is no locking.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/PresetImage.h"
#include "model/UnitControlHost.h"

inline constexpr int kPresetCount = 21;  // U01-U21
inline constexpr std::size_t kSystemByteCount = 19;
inline constexpr std::size_t kBlockSize = 50;
inline constexpr int kBlockCount = 31;   // blocks 0-30
inline constexpr std::size_t kStagingSize = kBlockSize * kBlockCount;
inline constexpr std::size_t kGroupCtrlCount = 8;  // 0-3 input groups, 4-7 output groups
// Slot byte, then stream bytes 0-1516 of the stored preset.
inline constexpr std::size_t kStoredPresetRecordSize = 1518;

using StoredPresetRecord = std::array<std::uint8_t, kStoredPresetRecordSize>;

inline bool IsInputChannel(int c) { return c >= 0 && c < kInputCount; }
inline bool IsOutputChannel(int c) { return c >= kFirstOutput && c < kFirstOutput + kOutputCount; }

// One group control: also the layout of reply 0x6C and command 0x6B.
struct GroupCtrlEntry {
  std::uint8_t Volume = 100;  // percent
  std::uint8_t Mute = 0;
  std::uint8_t Members = 0;   // bit k = channel k of the group's side
  // Volume low byte, mute next, member mask next.
  std::uint32_t Word() const { return Volume | Mute << 8 | static_cast<std::uint32_t>(Members) << 16; }
  bool operator==(const GroupCtrlEntry&) const = default;
};

// The compressor's four words as two: ratio | attack << 16, release |
// (threshold + 180) << 16.
struct CompWords {
  std::uint32_t First = 0;
  std::uint32_t Second = 0;
};
// The gate: attack | release << 16, and threshold + 180.
struct GateWords {
  std::uint32_t First = 0;
  std::uint16_t Threshold = 0;
};
// The AGC: ratio | attack << 16, release | (threshold + 180) << 16, target + 180.
struct AgcWords {
  std::uint32_t First = 0;
  std::uint32_t Second = 0;
  std::uint16_t Target = 0;
};
// Low cut (high pass) and high cut (low pass), each slope | frequency << 16.
struct CutWords {
  std::uint32_t LowCut = 0;
  std::uint32_t HighCut = 0;
};

class LUnitControl {
 public:
  // host may be null (nothing is ever sent) and may be set later.
  explicit LUnitControl(UnitControlHost* host = nullptr);
  void SetHost(UnitControlHost* host) { host_ = host; }

  // The default preset into the current preset, the default header
  // (100, 0, 0 eight times) into the group controls.
  void LoadDefaults();

  // ---- Replies from the processor --------------------------------------------
  // Reply 0x6C: payload bytes 0-23 into the eight group entries.
  void ApplyGroupCtrl(std::span<const std::uint8_t> payload);
  // Reply 0x24: byte 0 the block number 0-30, then the block's bytes. Block 30
  // decodes stream bytes 2-1521 into the current preset.
  void ApplyParameterBlock(std::span<const std::uint8_t> payload);
  // Reply 0x28 while stored preset `slot` (1-21) is read: as above; block 30
  // fills the slot's record.
  void ApplyPresetBlock(int slot, std::span<const std::uint8_t> payload);
  // Reply 0x19: at most 19 bytes.
  void ApplySystemBytes(std::span<const std::uint8_t> payload);
  // Reply 0x22: flag n := (byte n == 255), n = 0-20.
  void SetPresetFlags(std::span<const std::uint8_t> payload);

  // ---- Presets ---------------------------------------------------------------
  // Copies up to 14 bytes into the preset name; a shorter name is padded with
  // blanks.
  void SetPresetName(std::span<const std::uint8_t> name);
  PresetNameField GetPresetName() const { return preset_.Name; }
  std::string GetPresetNameText() const { return PresetNameToUtf8(preset_.Name); }
  bool IsPresetStored(int n) const;  // n 0-20
  void MarkPresetStored(int n);
  // The record of stored preset slot 1-21 (all zero for any other slot).
  const StoredPresetRecord& GetStoredPresetRecord(int slot) const;
  const std::array<std::uint8_t, kSystemByteCount>& GetSystemBytes() const { return systemBytes_; }

  // ---- Preset files -----------------------------------------------------------
  // The signature followed by stream bytes 2-1507 of the current preset.
  std::vector<std::uint8_t> SerializePreset() const;
  // body holds stream bytes 2-1507 (a preset file from its offset 16). Stores
  // every field into the current preset and sends every parameter, forced, in
  // the processor's bulk-load order: 379 commands, opened by 0x68 1. Sends
  // even while the host is loading the image. A body of another size is
  // ignored.
  void LoadPresetAndSend(std::span<const std::uint8_t> body);
  // Writes the unit file of the stored presets read last: the system bytes,
  // then each stored preset's record, 0x64 bytes for the others. False, with
  // any old file untouched, when it cannot be written.
  bool SaveUnitFile(const std::string& path) const;

  // ---- The whole current preset ---------------------------------------------
  const PresetImage& GetPresetImage() const { return preset_; }
  // For the bulk loaders and the dialogs that keep fields of their own (echo,
  // reverb): stores without sending.
  PresetImage& MutablePresetImage() { return preset_; }
  StreamBytes EncodeStream() const { return ::EncodeStream(preset_); }
  // Fields wholly inside bytes (stream from firstOffset on) replace the
  // current preset's; see ::DecodeStream.
  void DecodeStream(std::span<const std::uint8_t> bytes, std::size_t firstOffset);

  // ---- Getters -----------------------------------------------------------------
  ChannelNameField GetChannelName(int c) const;
  std::string GetChannelNameText(int c) const { return ChannelNameToUtf8(GetChannelName(c)); }
  std::uint16_t GetGain(int c) const;
  std::uint16_t GetDelay(int c) const;  // outputs only
  bool GetPeqBypass(int c, int band) const;
  PeqBand GetPeqBand(int c, int band) const;
  PeqBand GetDefaultPeqBand(int c, int band) const;
  std::uint16_t GetMatrix(int c) const;  // outputs: routing; 18: effect-bus byte
  CompWords GetComp(int c) const;        // outputs and 18
  AgcWords GetAgc(int c) const;          // inputs
  GateWords GetGate(int c) const;        // inputs
  CutWords GetHighLowPass(int c) const;  // inputs and outputs
  bool GetPolarity(int c) const;
  bool GetMute(int c) const;
  std::uint16_t GetFbtLevel(int i) const;
  std::uint8_t GetPhantom(int i) const;  // 0 or 1
  std::uint8_t GetInputSensitivity(int i) const;
  std::uint16_t GetChannelLinkMask(int c) const;
  std::uint16_t GetEqBypassMask(int c) const;  // the mask of c's side; 18 the effect word
  void SetEqBypassMask(int c, std::uint16_t mask);  // stores only
  std::uint8_t GetEffectOn() const { return preset_.Effect.EffectOn; }
  MixSettings GetAutoMix() const { return preset_.Effect.AutoMix; }
  MixSettings GetCamera() const { return preset_.Effect.Camera; }
  std::array<std::uint8_t, 6> GetAec() const { return preset_.Effect.Aec; }
  std::uint16_t GetMixLevel(int c, int source) const;
  std::uint32_t GetSubCtrl(int side) const { return side == 0 ? preset_.InputSubCtrl : preset_.OutputSubCtrl; }
  GroupCtrlEntry GetGroupCtrl(int n) const;
  std::uint16_t GetDelayUnit() const { return preset_.DelayUnit; }
  std::uint16_t GetTestSource() const { return preset_.TestSource; }
  std::uint16_t GetSineFrequency() const { return preset_.SineFrequency; }
  std::uint16_t GetMemorizeMode() const { return preset_.MemorizeMode; }
  void SetMemorizeMode(std::uint16_t mode) { preset_.MemorizeMode = mode; }  // stores only

  // ---- Link groups ---------------------------------------------------------
  // The link group of an input or output as a mask of its side (bit j =
  // channel j of the side): c's own mask when it holds c's bit, else the mask
  // of the first lower channel of the side that holds it, else c alone.
  // 0 for any other channel.
  std::uint16_t LinkGroupMask(int c) const;
  bool IsUpdating() const;

  // Copies settings between two inputs or two outputs (anything else is
  // ignored); sends nothing. Inputs: everything but the name and the link
  // mask; outputs: cut filters through delay (not the name, routing, mix
  // levels or link mask). Also the band-bypass word and the channel's bits of
  // the mute and equaliser-bypass masks. The destination keeps its own link
  // mask on both sides: a copied mask would put it into a group nobody made.
  void CopyChannel(int source, int destination);

  // ---- Setters (group: c's link group; 18 always alone) ----------------------
  void SetGain(int c, std::uint16_t code);                 // 0x34, group
  void SetMute(int c, std::uint8_t on);                    // 0x35, group
  void SetPolarity(int c, std::uint8_t flag);              // 0x36, group (inputs, outputs)
  // bandWord: gain | frequency << 16; shapeWord: Q | type << 8. Stores the band
  // for the group, sets or clears bit `band` of c's band-bypass word and gives
  // that word to the whole group; 0x33; marks c's curve dirty.
  void SetPeqBand(int c, int band, std::uint32_t bandWord, std::uint16_t shapeWord,
                  std::uint8_t bypass);
  void SetHighPass(int c, std::uint32_t lowCut, std::uint32_t highCut);  // 0x32, stores lowCut
  void SetLowPass(int c, std::uint32_t lowCut, std::uint32_t highCut);   // 0x31, stores highCut
  void SetComp(int c, std::uint32_t first, std::uint32_t second);  // 0x30, outputs group, 18
  void SetGate(int c, std::uint32_t first, std::uint16_t threshold);  // 0x3E, inputs group
  void SetAgc(int c, std::uint32_t first, std::uint32_t second, std::uint16_t target);  // 0x3F
  void SetFeedbackLevel(int c, std::uint16_t level);       // 0x61, inputs group
  void SetPhantom(int c, std::uint8_t on);                 // 0x56, inputs group, always sent
  // 0x55, inputs group, always sent; a sensitivity of 0 (line) also switches
  // phantom power off.
  void SetLineMic(int c, std::uint8_t sensitivity);
  // 0x38; outputs group. An input keeps no delay but the command still goes.
  void SetDelay(int c, std::uint16_t samples);
  void SetDelayUnit(std::uint16_t unit);                   // 0x15
  void SetMixLevel(int c, int source, std::uint16_t level);  // 0x65, output c only
  // 0x3A forced. Outputs: the routing mask. 18: the effect-bus byte; inputs
  // taken off the bus also leave automix and camera tracking.
  void SetMatrix(int c, std::uint16_t mask);
  void SetLinkMask(int c, std::uint16_t mask);             // 0x3B forced, c only
  void SetChannelName(int c, const ChannelNameField& name);  // 0x3D forced, c only
  void SetChannelNameText(int c, std::string_view utf8) { SetChannelName(c, ChannelNameToDevice(utf8)); }
  void SetSubCtrl(int side, std::uint32_t word);           // 0x5B
  void SetGroupCtrl(int n, std::uint32_t value);           // 0x6B: volume, mute, members
  void SetEffectState(std::uint8_t on, std::uint8_t volume);  // 0x63
  void SetAutoMixWeight(int input, std::uint16_t weight);  // 0x47
  void SetAutoMix(std::uint32_t wordA, std::uint32_t wordB, std::uint16_t on);  // 0x5A
  void SetMixGate(std::uint32_t wordA, std::uint32_t wordB, std::uint16_t on);  // 0x64
  void SetCameraDefault(std::uint8_t input);               // 0x57
  // The echo and reverb words (word 0, word 1); store only, the effect
  // window sends its own command.
  void SetEchoWords(std::uint32_t word0, std::uint32_t word1) { preset_.Effect.Echo = {word0, word1}; }
  void SetReverbWords(std::uint32_t word0, std::uint32_t word1) { preset_.Effect.Reverb = {word0, word1}; }
  // 0x5C, always sent; index 0-5 is stored, any other index is only sent.
  void SetAec(int index, std::uint8_t value);

 private:
  std::uint8_t DeviceId() const;
  // Sends unless the host is loading the image.
  void Send(const LCmd& cmd, bool force = false);
  // Sends even while the host is loading the image.
  void SendAlways(const LCmd& cmd, bool force = false);
  void MarkCurveDirty(int c);
  // Stages one block; returns its number, or -1 when it names no block.
  int Stage(std::span<const std::uint8_t> payload);
  // The side-relative members of c's group (bits 0-7), c's own bit included.
  unsigned GroupMembers(int c) const;

  UnitControlHost* host_ = nullptr;
  std::array<GroupCtrlEntry, kGroupCtrlCount> groups_{};
  PresetImage preset_;
  std::array<std::uint8_t, kPresetCount> presetFlags_{};
  std::array<std::uint8_t, kSystemByteCount> systemBytes_{};
  // Kept apart from the records so a current-parameter transfer never
  // disturbs a unit upload in progress.
  std::array<std::uint8_t, kStagingSize> staging_{};
  std::array<StoredPresetRecord, kPresetCount> storedPresets_{};
};
