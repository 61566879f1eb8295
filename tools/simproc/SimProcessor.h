// A simulated processor for tests and for running the editor without
// hardware. It takes request bytes and gives reply frames, independent of any
// transport (SimSerialServer puts it on a pseudo-terminal or a serial port).
//
// State: device ID, IP address, current preset number, the current preset as
// its parameter stream (31 blocks of 50 bytes), 21 stored presets with their
// stored flags and names, the group controls, 256 bytes of device memory
// (the system bytes are its first 19), the operation-lock password and the
// echo-canceller and codec registers. Every parameter command that has a
// place in the stream is written into the current preset as the processor
// does, for the whole link group of its channel (SimParameters.h), and the
// channel copy 0x2A copies one channel's settings onto another there (the
// destination keeps its name, routing, mix levels and link mask); the others
// are only acknowledged.
//
// Replies (each frame 10 02 ID 00 LEN CODE payload 10 03 CHECK, the ID in the
// third byte as the editor's reader expects):
//   0x10 connect               -> 0x10, no payload
//   0x13 identity              -> 0x13 "QRV512 V011"
//   0x14 current preset        -> 0x14 [number]
//   0x22 start of upload       -> 0x22 [21 stored flags, 255 = stored]
//   0x29 n preset name         -> 0x29 [n, 14 name bytes]
//   0x6C group controls        -> 0x6C [24 bytes, 3 per group]
//   0x27 n current block       -> 0x24 [n, 50 stream bytes from n * 50]
//   0x24 s select stored       -> 0x01 (0x24 is also the reply code of 0x27)
//   0x28 n stored block        -> 0x28 [n, 50 bytes of the selected preset]
//   0x19 read memory           -> 0x19 [the bytes read]
//   0x25 preset block written  -> 0x25 [block]
//   0x0F end of file download  -> 0x0F
//   0x04 restart               -> nothing; the link is down (no answers) until
//                                 the next connect request 0x10
//   0x40 meter poll            -> 0x40 [33 bytes, levels that move each poll]
//   0xB0 IP address            -> 0xB0 [4 bytes, first octet first]
//   0x2D password submit       -> 0x2D [0, 1 accepted / 0 wrong]
//   0x54 [1, reg] codec read   -> 0x54 [value]
//   0x5F AEC register read     -> 0x5F [value low, high]
// Every other request, where no reply of its own is known, gets the plain
// acknowledgement 0x01 (no payload) - among them the keep-alive 0x12, the end
// command 0x11, store 0x21, recall 0x20, factory reset 0x23, memory writes
// 0x1A, ID 0xBB and IP 0xB8 changes and all parameter commands.
//
// The simulator answers requests whatever device ID they carry (over USB the
// editor learns the ID from the replies). Fault knobs: no answers at all,
// answers with another device ID, one reply lost or misnumbered (a name
// reply for 5 that says 6), silence from a chosen request on (a link that
// breaks mid-transfer); the byte-level knobs (pieces, replies run
// together, delay, garbage) are applied by SimReplyShaper.
#pragma once

#include "link/FrameAssembler.h"
#include "link/Lcmd.h"

#include <array>
#include <cstdint>
#include <mutex>
#include <optional>
#include <span>
#include <string>
#include <vector>

struct SimFaults {
  bool Silent = false;        // answer nothing
  int ReplyDeviceId = -1;     // 0-255: answer with this ID instead of the own
  int SplitPieces = 1;        // each reply write is cut into this many pieces
  int PieceGapMs = 2;         // pause between two pieces
  int RunTogether = 1;        // hold replies until this many go out in one write
  int DelayMs = 0;            // pause before each reply write
  int DelayFrom = -1;         // 0-255: no pause before the first request with this code came
  int GarbageBytes = 0;       // bytes that start no frame, ahead of each write
  bool AnswerUdpCopies = false;  // network: the UDP copy of a command is answered on TCP too
  int DropReply = 0;          // n > 0: the nth reply from the setting of the faults is lost
  int MisnumberReply = 0;     // n > 0: the nth reply carries its first payload byte plus one
  int ForeignIdReply = 0;     // n > 0: the nth reply carries another device ID (its own plus one)
  int SilentFrom = 0;         // n > 0: requests from the nth received on are carried out, not answered
};

class SimProcessor {
 public:
  static constexpr const char* kIdentity = "QRV512 V011";
  static constexpr int kPresets = 21;
  static constexpr int kBlocks = 31;
  static constexpr int kBlockSize = 50;
  static constexpr int kStreamSize = kBlocks * kBlockSize;
  static constexpr int kNameSize = 14;
  static constexpr int kGroupBytes = 24;
  static constexpr int kMemorySize = 256;
  static constexpr int kSystemBytes = 19;

  using Stream = std::array<std::uint8_t, kStreamSize>;

  explicit SimProcessor(std::uint8_t deviceId = 1);

  // Request bytes as they arrive, in any pieces; gives the reply frames due.
  std::vector<Bytes> Receive(std::span<const std::uint8_t> bytes);
  // One whole request frame (device ID in byte 3); the reply, if any.
  std::optional<Bytes> Answer(std::span<const std::uint8_t> request);

  void SetFaults(const SimFaults& faults);
  SimFaults Faults() const;

  // A reply frame: 10 02 id 00 LEN code payload 10 03 check.
  static Bytes ReplyFrame(std::uint8_t id, std::uint8_t code, std::span<const std::uint8_t> payload = {});
  // The factory preset's parameter stream.
  static Stream DefaultStream();

  // State, for tests and the program's report.
  std::uint8_t DeviceId() const;
  void SetDeviceId(std::uint8_t id);
  int CurrentPreset() const;
  // The number reply 0x18 reports (0 factory, 1-21 U01-U21).
  void SetCurrentPreset(int number);
  Stream CurrentStream() const;
  // The parameter stream the processor sends when its state is read.
  void SetCurrentStream(const Stream& stream);
  bool IsStored(int slot) const;  // slot 0-20 = U01-U21
  Stream StoredStream(int slot) const;
  // Stores the current preset into slot 0-20 under its current name.
  void StorePreset(int slot);
  std::string PresetName(int slot) const;
  // The operation-lock password 0x2F sets and 0x2D is checked against
  // ("0000" at start).
  void SetPassword(const std::array<std::uint8_t, 4>& password);
  std::array<std::uint8_t, 4> Password() const;
  // How many restarts (0x04) it has had.
  int Restarts() const;
  std::array<std::uint8_t, kGroupBytes> GroupControls() const;
  // The group controls reply 0x6C reports (volume, mute, member mask per
  // group; 100, 0, 0 each at start). They lie outside the parameter stream.
  void SetGroupControls(const std::array<std::uint8_t, kGroupBytes>& groups);
  // The 24 bytes written as 48 hexadecimal digits (either case), group 0's
  // volume first; none for any other text.
  static std::optional<std::array<std::uint8_t, kGroupBytes>> ParseGroupControls(const std::string& hex);
  std::array<std::uint8_t, kMemorySize> Memory() const;
  // Every request answered or not, in order of arrival (ID from byte 3).
  std::vector<LCmd> Requests() const;
  void ClearRequests();

 private:
  std::optional<Bytes> AnswerLocked(std::uint8_t id, std::uint8_t code, const Bytes& p);
  void ApplyParameter(std::uint8_t code, const Bytes& p);
  Bytes MeterPayload();
  Bytes Reply(std::uint8_t code, std::span<const std::uint8_t> payload = {}) const;

  mutable std::mutex lock_;
  SimFaults faults_;
  FrameAssembler requests_;
  std::vector<LCmd> log_;

  std::uint8_t deviceId_;
  std::array<std::uint8_t, 4> ip_{192, 168, 1, 101};
  int currentPreset_ = 1;
  Stream current_;
  std::array<Stream, kPresets> stored_{};
  std::array<std::array<std::uint8_t, kNameSize>, kPresets> names_{};
  std::array<std::uint8_t, kGroupBytes> groups_{};
  std::array<std::uint8_t, kMemorySize> memory_{};
  int selectedSlot_ = 1;  // 1-21, chosen by 0x24
  std::array<std::uint8_t, 4> password_{'0', '0', '0', '0'};
  bool locked_ = false;
  std::array<std::uint8_t, 256> codec_{};
  std::array<std::uint16_t, 1024> aec_{};
  unsigned meterPhase_ = 0;
  int repliesSinceFaults_ = 0;
  bool restarted_ = false;
  int restarts_ = 0;
};
