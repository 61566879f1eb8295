// Command objects and the device frame they travel in.
//
// A command is an LCmd: device ID, command code and payload bytes. One
// subclass per kind of command builds its payload from typed arguments; the
// subclasses add no fields, so any of them can be passed (or copied) as an
// LCmd. Commands are serialised with BuildFrame and read back from a received
// frame with ReadFrame or the parse constructor.
//
// Frame as the editor writes it (n = payload length, 0 to 254):
//   10 02 00 ID LEN CODE payload... 10 03 CHECK
// LEN = n + 1, the frame is LEN + 8 bytes, CHECK is the XOR of every byte
// before it. There is no byte stuffing: a receiver finds the end by LEN.
// Frames from the processor carry the device ID in byte 2 instead of byte 3;
// the reader takes it from there and never tests the check byte.
//
// Multi-byte values go low byte first. Plain C++, no Qt.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

// Frame geometry.
inline constexpr std::size_t kFrameOverhead = 8;    // frame size = LEN + 8
inline constexpr std::size_t kMaxPayload = 254;     // LEN is one byte
inline constexpr std::size_t kMaxFrameSize = kMaxPayload + 1 + kFrameOverhead;

class LCmd {
 public:
  LCmd() = default;
  LCmd(std::uint8_t deviceId, std::uint8_t code) : DeviceId(deviceId), Code(code) {}
  LCmd(std::uint8_t deviceId, std::uint8_t code, Bytes payload)
      : DeviceId(deviceId), Code(code), Payload(std::move(payload)) {}
  // Parse constructor. With framed = 1 reads a received frame (see ReadFrame);
  // anything that is not a whole frame, and framed != 1, gives ID 0, code 0
  // and no payload. Code 0 is no reply the processor sends.
  LCmd(std::span<const std::uint8_t> frame, int framed);
  virtual ~LCmd() = default;

  LCmd(const LCmd&) = default;
  LCmd& operator=(const LCmd&) = default;
  LCmd(LCmd&&) = default;
  LCmd& operator=(LCmd&&) = default;

  std::uint8_t GetDeviceId() const { return DeviceId; }
  std::uint8_t GetCode() const { return Code; }
  const Bytes& GetPayload() const { return Payload; }

  // framed = 1: the whole frame; framed = 0: the payload bytes alone; any
  // other value: empty. A payload longer than kMaxPayload cannot be framed
  // and gives an empty vector too.
  Bytes BuildFrame(int framed = 1) const;

 protected:
  void Add8(std::uint8_t value) { Payload.push_back(value); }
  void Add16(std::uint16_t value);
  void Add32(std::uint32_t value);
  // Appends exactly count bytes of data; missing bytes are sent as 0 so a
  // short buffer never makes the command read past it.
  void AddBytes(std::span<const std::uint8_t> data, std::size_t count);

  std::uint8_t DeviceId = 0;
  std::uint8_t Code = 0;
  Bytes Payload;
};

// Reads one frame from the start of bytes (ID from byte 2, code from byte 5,
// LEN - 1 payload bytes from byte 6). Gives nullopt unless the bytes start
// with 10 02, LEN is at least 1, all LEN + 8 bytes are at hand and 10 03
// stands right after the payload. Bytes past the frame are ignored.
std::optional<LCmd> ReadFrame(std::span<const std::uint8_t> bytes);

// The size a frame starting with these bytes will have once complete, or 0
// while fewer than 5 bytes are known or the head is not 10 02 with LEN >= 1.
std::size_t ExpectedFrameSize(std::span<const std::uint8_t> head);

// What a frame's command sets: its code and the leading payload bytes that
// select the channel (and the equaliser band), the output and source, the
// group, the side or the echo-canceller setting. Two waiting frames with equal
// targets set the same thing, so the later may take the earlier one's place.
// Commands whose payload selects nothing set one thing of the whole device
// (code alone); for codes not known here the whole payload counts, so only an
// identical frame has the same target. Bytes that are no frame are their own
// target.
Bytes FrameTarget(std::span<const std::uint8_t> frame);

// True when reply answers request. The requests that read something are
// answered with their own code (a parameter block asked with 0x27 comes as
// 0x24, a codec register 0x54 only when read), every other command with the
// plain acknowledgement 0x01; the answer to a name, a block read or a block
// written (0x29, 0x27, 0x28, 0x25) carries the number asked for in its first
// payload byte. Acknowledgements carry nothing, so any one answers any
// acknowledged command.
bool ReplyAnswers(const LCmd& request, const LCmd& reply);

// ---- Command classes: constructor arguments after the device ID ----------

class CM_MCS_MCU_RESET : public LCmd {  // 0x04, device restart
 public:
  explicit CM_MCS_MCU_RESET(std::uint8_t id);
};

class CM_MCS_DELAYUNIT : public LCmd {  // 0x15
 public:
  CM_MCS_DELAYUNIT(std::uint8_t id, std::uint8_t unit);
};

class CM_MCS_READ_EEPROM : public LCmd {  // 0x19
 public:
  CM_MCS_READ_EEPROM(std::uint8_t id, std::uint16_t address, std::uint8_t length);
};

class CM_MCS_WRITE_EEPROM : public LCmd {  // 0x1A: address, length, length data bytes
 public:
  CM_MCS_WRITE_EEPROM(std::uint8_t id, std::uint16_t address, std::uint8_t length,
                      std::span<const std::uint8_t> data);
};

class CM_MCS_DOWNLOAD : public LCmd {  // 0x25: block, slot, count data bytes
 public:
  CM_MCS_DOWNLOAD(std::uint8_t id, std::uint8_t slot, std::uint8_t block, std::uint8_t count,
                  std::span<const std::uint8_t> data);
};

class CM_MCS_PRESETNAME : public LCmd {  // 0x26: the 14 name bytes unchanged
 public:
  static constexpr std::size_t kNameSize = 14;
  CM_MCS_PRESETNAME(std::uint8_t id, std::span<const std::uint8_t> name);
};

class CM_MCS_COMP : public LCmd {  // 0x30
 public:
  CM_MCS_COMP(std::uint8_t id, std::uint8_t channel, std::uint16_t v1, std::uint16_t v2,
              std::uint16_t v3, std::uint16_t v4);
};

class CM_MCS_LOW_PASS : public LCmd {  // 0x31
 public:
  CM_MCS_LOW_PASS(std::uint8_t id, std::uint8_t channel, std::uint16_t frequency,
                  std::uint8_t slope);
};

class CM_MCS_HIGH_PASS : public LCmd {  // 0x32
 public:
  CM_MCS_HIGH_PASS(std::uint8_t id, std::uint8_t channel, std::uint16_t frequency,
                   std::uint8_t slope);
};

// 0x33. bandWord: gain code in the low, frequency code in the high 16 bits;
// shapeWord: Q code in the low byte, filter type in the high byte.
class CM_MCS_PEQ : public LCmd {
 public:
  CM_MCS_PEQ(std::uint8_t id, std::uint8_t channel, std::uint8_t band, std::uint32_t bandWord,
             std::uint16_t shapeWord, std::uint8_t bypass);
};

class CM_MCS_GAIN : public LCmd {  // 0x34
 public:
  CM_MCS_GAIN(std::uint8_t id, std::uint8_t channel, std::uint16_t gain);
};

class CM_MCS_MUTE : public LCmd {  // 0x35: state byte sent unchanged
 public:
  CM_MCS_MUTE(std::uint8_t id, std::uint8_t channel, std::uint8_t state);
};

class CM_MCS_POLARITY : public LCmd {  // 0x36: 1 for any non-zero state
 public:
  CM_MCS_POLARITY(std::uint8_t id, std::uint8_t channel, std::uint8_t state);
};

class CM_MCS_DELAY : public LCmd {  // 0x38: delay in samples at 48 kHz
 public:
  CM_MCS_DELAY(std::uint8_t id, std::uint8_t channel, std::uint16_t samples);
};

class CM_MCS_MATRIX : public LCmd {  // 0x3A
 public:
  CM_MCS_MATRIX(std::uint8_t id, std::uint8_t channel, std::uint16_t sourceMask);
};

class CM_MCS_CHANNEL_NAME : public LCmd {  // 0x3D: channel, 8 name bytes
 public:
  static constexpr std::size_t kNameSize = 8;
  CM_MCS_CHANNEL_NAME(std::uint8_t id, std::uint8_t channel, std::span<const std::uint8_t> name);
};

class CM_MCS_GATE : public LCmd {  // 0x3E
 public:
  CM_MCS_GATE(std::uint8_t id, std::uint8_t channel, std::uint16_t v1, std::uint16_t v2,
              std::uint16_t v3);
};

class CM_MCS_AGC : public LCmd {  // 0x3F
 public:
  CM_MCS_AGC(std::uint8_t id, std::uint8_t channel, std::uint16_t v1, std::uint16_t v2,
             std::uint16_t v3, std::uint16_t v4, std::uint16_t v5);
};

class CM_MCS_AUTO_MIX : public LCmd {  // 0x5A
 public:
  CM_MCS_AUTO_MIX(std::uint8_t id, std::uint32_t v1, std::uint32_t v2, std::uint16_t v3);
};

class CM_MCS_DSP_SUB_CTRL : public LCmd {  // 0x5B: side 0 inputs, 1 outputs
 public:
  CM_MCS_DSP_SUB_CTRL(std::uint8_t id, std::uint8_t side, std::uint32_t value);
};

class CM_MCS_RVB : public LCmd {  // 0x60
 public:
  CM_MCS_RVB(std::uint8_t id, std::uint32_t v1, std::uint32_t v2);
};

class CM_MCS_ECHO : public LCmd {  // 0x62
 public:
  CM_MCS_ECHO(std::uint8_t id, std::uint32_t v1, std::uint32_t v2);
};

class CM_MCS_MIX_GATE : public LCmd {  // 0x64
 public:
  CM_MCS_MIX_GATE(std::uint8_t id, std::uint32_t v1, std::uint32_t v2, std::uint16_t v3);
};

class CM_MCS_MIX : public LCmd {  // 0x65
 public:
  CM_MCS_MIX(std::uint8_t id, std::uint8_t output, std::uint8_t source, std::uint16_t level);
};

// 0x6B: index, then the three low bytes of word (volume, mute, member mask).
class CM_MCS_GROUP_CTRL : public LCmd {
 public:
  CM_MCS_GROUP_CTRL(std::uint8_t id, std::uint8_t index, std::uint32_t word);
};

// 0x2D: leading byte, then the first four password bytes.
class CM_MCS_PASS_SUBMIT : public LCmd {
 public:
  CM_MCS_PASS_SUBMIT(std::uint8_t id, std::uint8_t lead, std::span<const std::uint8_t> password);
};

// 0x2F: the first four password bytes.
class CM_MCS_SET_LOCK : public LCmd {
 public:
  CM_MCS_SET_LOCK(std::uint8_t id, std::span<const std::uint8_t> password);
};

class CM_MCS_WORK_MODE : public LCmd {  // 0x39: source, sine frequency index
 public:
  CM_MCS_WORK_MODE(std::uint8_t id, std::uint8_t source, std::uint8_t index);
};

// Any code with 0 to 4 payload bytes given one by one.
class CM_MCS_CMD : public LCmd {
 public:
  CM_MCS_CMD(std::uint8_t id, std::uint8_t code);
  CM_MCS_CMD(std::uint8_t id, std::uint8_t code, std::uint8_t b1);
  CM_MCS_CMD(std::uint8_t id, std::uint8_t code, std::uint8_t b1, std::uint8_t b2);
  CM_MCS_CMD(std::uint8_t id, std::uint8_t code, std::uint8_t b1, std::uint8_t b2,
             std::uint8_t b3);
  CM_MCS_CMD(std::uint8_t id, std::uint8_t code, std::uint8_t b1, std::uint8_t b2,
             std::uint8_t b3, std::uint8_t b4);
};
