#include "link/Lcmd.h"

#include <algorithm>

namespace {

constexpr std::uint8_t kDle = 0x10;
constexpr std::uint8_t kStx = 0x02;
constexpr std::uint8_t kEtx = 0x03;

}  // namespace

LCmd::LCmd(std::span<const std::uint8_t> frame, int framed) {
  if (framed != 1) return;
  if (std::optional<LCmd> read = ReadFrame(frame)) *this = std::move(*read);
}

void LCmd::Add16(std::uint16_t value) {
  Payload.push_back(static_cast<std::uint8_t>(value));
  Payload.push_back(static_cast<std::uint8_t>(value >> 8));
}

void LCmd::Add32(std::uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) Payload.push_back(static_cast<std::uint8_t>(value >> shift));
}

void LCmd::AddBytes(std::span<const std::uint8_t> data, std::size_t count) {
  for (std::size_t i = 0; i < count; ++i) Payload.push_back(i < data.size() ? data[i] : 0);
}

Bytes LCmd::BuildFrame(int framed) const {
  if (framed == 0) return Payload;
  if (framed != 1 || Payload.size() > kMaxPayload) return {};
  Bytes frame;
  frame.reserve(Payload.size() + 1 + kFrameOverhead);
  frame.insert(frame.end(), {kDle, kStx, 0x00, DeviceId, static_cast<std::uint8_t>(Payload.size() + 1), Code});
  frame.insert(frame.end(), Payload.begin(), Payload.end());
  frame.push_back(kDle);
  frame.push_back(kEtx);
  std::uint8_t check = 0;
  for (std::uint8_t b : frame) check ^= b;
  frame.push_back(check);
  return frame;
}

std::size_t ExpectedFrameSize(std::span<const std::uint8_t> head) {
  if (head.size() < 5 || head[0] != kDle || head[1] != kStx || head[4] == 0) return 0;
  return head[4] + kFrameOverhead;
}

namespace {

// Payload bytes that select what a command sets; -1: not known.
int TargetBytes(std::uint8_t code) {
  switch (code) {
    case 0x12:  // keep-alive
    case 0x15:  // delay unit
    case 0x26:  // current preset's name
    case 0x40:  // meter poll
    case 0x57:  // camera default input
    case 0x5A:  // automix
    case 0x60:  // reverb
    case 0x62:  // echo
    case 0x63:  // effect state
    case 0x64:  // automix gate
    case 0x6A:  // memorize mode
      return 0;
    case 0x30: case 0x31: case 0x32: case 0x34: case 0x35: case 0x36: case 0x38:
    case 0x3A: case 0x3B: case 0x3C: case 0x3D: case 0x3E: case 0x3F:
    case 0x47: case 0x55: case 0x56: case 0x61:  // channel
    case 0x5B:  // side
    case 0x5C:  // echo-cancellation setting
    case 0x6B:  // group
      return 1;
    case 0x33:  // channel, band
    case 0x65:  // output, source
      return 2;
    default:
      return -1;
  }
}

}  // namespace

Bytes FrameTarget(std::span<const std::uint8_t> frame) {
  const std::size_t size = ExpectedFrameSize(frame);
  if (size == 0 || size != frame.size()) return Bytes(frame.begin(), frame.end());
  const std::uint8_t code = frame[5];
  const std::size_t payload = size - kFrameOverhead - 1;
  const int width = TargetBytes(code);
  const std::size_t take = width < 0 ? payload : std::min(payload, static_cast<std::size_t>(width));
  Bytes target{code};
  target.insert(target.end(), frame.begin() + 6, frame.begin() + 6 + static_cast<std::ptrdiff_t>(take));
  return target;
}

namespace {

// The reply code a request is answered with: the requests that read
// something come back with their own code (a block of the current preset,
// asked with 0x27, as 0x24; a codec register only when it is read), every
// other command with the plain acknowledgement 0x01.
std::uint8_t AnswerCode(const LCmd& request) {
  const Bytes& p = request.GetPayload();
  switch (request.GetCode()) {
    case 0x27:
      return 0x24;
    case 0x0F: case 0x10: case 0x13: case 0x14: case 0x19: case 0x22: case 0x25:
    case 0x28: case 0x29: case 0x2D: case 0x40: case 0x5F: case 0x6C: case 0xB0:
      return request.GetCode();
    case 0x54:
      return !p.empty() && p[0] == 1 ? 0x54 : 0x01;
    default:
      return 0x01;
  }
}

// Requests whose answer repeats the number asked for (a name, a block read
// or a block written) in its first payload byte.
bool IsNumbered(std::uint8_t code) { return code == 0x25 || code == 0x27 || code == 0x28 || code == 0x29; }

}  // namespace

bool ReplyAnswers(const LCmd& request, const LCmd& reply) {
  if (reply.GetCode() != AnswerCode(request)) return false;
  if (!IsNumbered(request.GetCode())) return true;
  const Bytes& asked = request.GetPayload();
  const Bytes& got = reply.GetPayload();
  return !asked.empty() && !got.empty() && asked[0] == got[0];
}

std::optional<LCmd> ReadFrame(std::span<const std::uint8_t> bytes) {
  const std::size_t size = ExpectedFrameSize(bytes);
  if (size == 0 || bytes.size() < size) return std::nullopt;
  const std::size_t payloadLen = bytes[4] - 1u;
  if (bytes[6 + payloadLen] != kDle || bytes[7 + payloadLen] != kEtx) return std::nullopt;
  return LCmd(bytes[2], bytes[5], Bytes(bytes.begin() + 6, bytes.begin() + 6 + payloadLen));
}

CM_MCS_MCU_RESET::CM_MCS_MCU_RESET(std::uint8_t id) : LCmd(id, 0x04) {}

CM_MCS_DELAYUNIT::CM_MCS_DELAYUNIT(std::uint8_t id, std::uint8_t unit) : LCmd(id, 0x15) { Add8(unit); }

CM_MCS_READ_EEPROM::CM_MCS_READ_EEPROM(std::uint8_t id, std::uint16_t address, std::uint8_t length)
    : LCmd(id, 0x19) {
  Add16(address);
  Add8(length);
}

CM_MCS_WRITE_EEPROM::CM_MCS_WRITE_EEPROM(std::uint8_t id, std::uint16_t address, std::uint8_t length,
                                         std::span<const std::uint8_t> data)
    : LCmd(id, 0x1A) {
  Add16(address);
  Add8(length);
  AddBytes(data, length);
}

CM_MCS_DOWNLOAD::CM_MCS_DOWNLOAD(std::uint8_t id, std::uint8_t slot, std::uint8_t block, std::uint8_t count,
                                 std::span<const std::uint8_t> data)
    : LCmd(id, 0x25) {
  Add8(block);
  Add8(slot);
  AddBytes(data, count);
}

CM_MCS_PRESETNAME::CM_MCS_PRESETNAME(std::uint8_t id, std::span<const std::uint8_t> name) : LCmd(id, 0x26) {
  AddBytes(name, kNameSize);
}

CM_MCS_COMP::CM_MCS_COMP(std::uint8_t id, std::uint8_t channel, std::uint16_t v1, std::uint16_t v2,
                         std::uint16_t v3, std::uint16_t v4)
    : LCmd(id, 0x30) {
  Add8(channel);
  for (std::uint16_t v : {v1, v2, v3, v4}) Add16(v);
}

CM_MCS_LOW_PASS::CM_MCS_LOW_PASS(std::uint8_t id, std::uint8_t channel, std::uint16_t frequency,
                                 std::uint8_t slope)
    : LCmd(id, 0x31) {
  Add8(channel);
  Add16(frequency);
  Add8(slope);
}

CM_MCS_HIGH_PASS::CM_MCS_HIGH_PASS(std::uint8_t id, std::uint8_t channel, std::uint16_t frequency,
                                   std::uint8_t slope)
    : LCmd(id, 0x32) {
  Add8(channel);
  Add16(frequency);
  Add8(slope);
}

CM_MCS_PEQ::CM_MCS_PEQ(std::uint8_t id, std::uint8_t channel, std::uint8_t band, std::uint32_t bandWord,
                       std::uint16_t shapeWord, std::uint8_t bypass)
    : LCmd(id, 0x33) {
  Add8(channel);
  Add8(band);
  Add32(bandWord);  // gain low, high, frequency low, high
  Add16(shapeWord);  // Q, type
  Add8(bypass);
}

CM_MCS_GAIN::CM_MCS_GAIN(std::uint8_t id, std::uint8_t channel, std::uint16_t gain) : LCmd(id, 0x34) {
  Add8(channel);
  Add16(gain);
}

CM_MCS_MUTE::CM_MCS_MUTE(std::uint8_t id, std::uint8_t channel, std::uint8_t state) : LCmd(id, 0x35) {
  Add8(channel);
  Add8(state);
}

CM_MCS_POLARITY::CM_MCS_POLARITY(std::uint8_t id, std::uint8_t channel, std::uint8_t state)
    : LCmd(id, 0x36) {
  Add8(channel);
  Add8(state != 0 ? 1 : 0);
}

CM_MCS_DELAY::CM_MCS_DELAY(std::uint8_t id, std::uint8_t channel, std::uint16_t samples) : LCmd(id, 0x38) {
  Add8(channel);
  Add16(samples);
}

CM_MCS_MATRIX::CM_MCS_MATRIX(std::uint8_t id, std::uint8_t channel, std::uint16_t sourceMask)
    : LCmd(id, 0x3A) {
  Add8(channel);
  Add16(sourceMask);
}

CM_MCS_CHANNEL_NAME::CM_MCS_CHANNEL_NAME(std::uint8_t id, std::uint8_t channel,
                                         std::span<const std::uint8_t> name)
    : LCmd(id, 0x3D) {
  Add8(channel);
  AddBytes(name, kNameSize);
}

CM_MCS_GATE::CM_MCS_GATE(std::uint8_t id, std::uint8_t channel, std::uint16_t v1, std::uint16_t v2,
                         std::uint16_t v3)
    : LCmd(id, 0x3E) {
  Add8(channel);
  for (std::uint16_t v : {v1, v2, v3}) Add16(v);
}

CM_MCS_AGC::CM_MCS_AGC(std::uint8_t id, std::uint8_t channel, std::uint16_t v1, std::uint16_t v2,
                       std::uint16_t v3, std::uint16_t v4, std::uint16_t v5)
    : LCmd(id, 0x3F) {
  Add8(channel);
  for (std::uint16_t v : {v1, v2, v3, v4, v5}) Add16(v);
}

CM_MCS_AUTO_MIX::CM_MCS_AUTO_MIX(std::uint8_t id, std::uint32_t v1, std::uint32_t v2, std::uint16_t v3)
    : LCmd(id, 0x5A) {
  Add32(v1);
  Add32(v2);
  Add16(v3);
}

CM_MCS_DSP_SUB_CTRL::CM_MCS_DSP_SUB_CTRL(std::uint8_t id, std::uint8_t side, std::uint32_t value)
    : LCmd(id, 0x5B) {
  Add8(side);
  Add32(value);
}

CM_MCS_RVB::CM_MCS_RVB(std::uint8_t id, std::uint32_t v1, std::uint32_t v2) : LCmd(id, 0x60) {
  Add32(v1);
  Add32(v2);
}

CM_MCS_ECHO::CM_MCS_ECHO(std::uint8_t id, std::uint32_t v1, std::uint32_t v2) : LCmd(id, 0x62) {
  Add32(v1);
  Add32(v2);
}

CM_MCS_MIX_GATE::CM_MCS_MIX_GATE(std::uint8_t id, std::uint32_t v1, std::uint32_t v2, std::uint16_t v3)
    : LCmd(id, 0x64) {
  Add32(v1);
  Add32(v2);
  Add16(v3);
}

CM_MCS_MIX::CM_MCS_MIX(std::uint8_t id, std::uint8_t output, std::uint8_t source, std::uint16_t level)
    : LCmd(id, 0x65) {
  Add8(output);
  Add8(source);
  Add16(level);
}

CM_MCS_GROUP_CTRL::CM_MCS_GROUP_CTRL(std::uint8_t id, std::uint8_t index, std::uint32_t word)
    : LCmd(id, 0x6B) {
  Add8(index);
  Add8(static_cast<std::uint8_t>(word));
  Add8(static_cast<std::uint8_t>(word >> 8));
  Add8(static_cast<std::uint8_t>(word >> 16));
}

CM_MCS_PASS_SUBMIT::CM_MCS_PASS_SUBMIT(std::uint8_t id, std::uint8_t lead,
                                       std::span<const std::uint8_t> password)
    : LCmd(id, 0x2D) {
  Add8(lead);
  AddBytes(password, 4);
}

CM_MCS_SET_LOCK::CM_MCS_SET_LOCK(std::uint8_t id, std::span<const std::uint8_t> password)
    : LCmd(id, 0x2F) {
  AddBytes(password, 4);
}

CM_MCS_WORK_MODE::CM_MCS_WORK_MODE(std::uint8_t id, std::uint8_t source, std::uint8_t index)
    : LCmd(id, 0x39) {
  Add8(source);
  Add8(index);
}

CM_MCS_CMD::CM_MCS_CMD(std::uint8_t id, std::uint8_t code) : LCmd(id, code) {}

CM_MCS_CMD::CM_MCS_CMD(std::uint8_t id, std::uint8_t code, std::uint8_t b1) : LCmd(id, code, {b1}) {}

CM_MCS_CMD::CM_MCS_CMD(std::uint8_t id, std::uint8_t code, std::uint8_t b1, std::uint8_t b2)
    : LCmd(id, code, {b1, b2}) {}

CM_MCS_CMD::CM_MCS_CMD(std::uint8_t id, std::uint8_t code, std::uint8_t b1, std::uint8_t b2, std::uint8_t b3)
    : LCmd(id, code, {b1, b2, b3}) {}

CM_MCS_CMD::CM_MCS_CMD(std::uint8_t id, std::uint8_t code, std::uint8_t b1, std::uint8_t b2, std::uint8_t b3,
                       std::uint8_t b4)
    : LCmd(id, code, {b1, b2, b3, b4}) {}
