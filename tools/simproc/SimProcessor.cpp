#include "simproc/SimProcessor.h"

#include "simproc/SimParameters.h"

#include <algorithm>
#include <cstring>

namespace {

using namespace simproc::layout;

void Put16(SimProcessor::Stream& s, int at, unsigned v) {
  s[at] = static_cast<std::uint8_t>(v);
  s[at + 1] = static_cast<std::uint8_t>(v >> 8);
}

void PutWords(SimProcessor::Stream& s, int at, std::initializer_list<unsigned> words) {
  for (unsigned w : words) {
    Put16(s, at, w);
    at += 2;
  }
}

void PutText(SimProcessor::Stream& s, int at, const char* text, int size, char pad) {
  const int n = static_cast<int>(std::strlen(text));
  for (int i = 0; i < size; ++i) s[at + i] = static_cast<std::uint8_t>(i < n ? text[i] : pad);
}

void PutBands(SimProcessor::Stream& s, int at, std::initializer_list<unsigned> frequencies) {
  for (unsigned f : frequencies) {
    PutWords(s, at, {120, f});
    s[at + 4] = 25;  // Q
    s[at + 5] = 0;   // type
    at += 6;
  }
}

bool IsInput(int ch) { return ch >= 0 && ch < 8; }
bool IsOutput(int ch) { return ch >= 8 && ch < 16; }

void SetBit(SimProcessor::Stream& s, int at, int bit, bool on) {
  unsigned word = s[at] | (s[at + 1] << 8);
  word = on ? (word | (1u << bit)) : (word & ~(1u << bit));
  Put16(s, at, word);
}

bool GetBit(const SimProcessor::Stream& s, int at, int bit) { return ((s[at] | (s[at + 1] << 8)) >> bit) & 1u; }

// The processor's own channel copy (0x2A): the source's settings onto the
// destination of the same side. Inputs from the phantom byte through the
// polarity, outputs from the low cut through the delay; the name, routing,
// mix levels and link mask stay the destination's. The band-bypass word and
// the channel's mute and equaliser-bypass bits follow the source.
struct SideLayout {
  int base, size, first, last, sideStart, bandBypass, mute, eqBypass;
};
constexpr SideLayout kInputLayout{kInputBase, kInputSize, 8, 70, 0, kInputBandBypass, kInputMuteMask, kInputEqBypass};
constexpr SideLayout kOutputLayout{kOutputBase, kOutputSize, 28, 92, 8, kOutputBandBypass, kOutputMuteMask,
                                   kOutputEqBypass};

void CopyChannel(SimProcessor::Stream& s, int from, int to) {
  if (from == to) return;
  const SideLayout* l = nullptr;
  if (IsInput(from) && IsInput(to)) l = &kInputLayout;
  if (IsOutput(from) && IsOutput(to)) l = &kOutputLayout;
  if (!l) return;
  const int f = from - l->sideStart;
  const int t = to - l->sideStart;
  std::copy(s.begin() + l->base + l->size * f + l->first, s.begin() + l->base + l->size * f + l->last,
            s.begin() + l->base + l->size * t + l->first);
  Put16(s, l->bandBypass + 2 * t, s[l->bandBypass + 2 * f] | (s[l->bandBypass + 2 * f + 1] << 8));
  SetBit(s, l->mute, t, GetBit(s, l->mute, f));
  SetBit(s, l->eqBypass, t, GetBit(s, l->eqBypass, f));
}

}  // namespace

SimProcessor::SimProcessor(std::uint8_t deviceId) : deviceId_(deviceId), current_(DefaultStream()) {
  for (auto& name : names_) name.fill(' ');
  for (int g = 0; g < 8; ++g) groups_[g * 3] = 100;
}

SimProcessor::Stream SimProcessor::DefaultStream() {
  Stream s{};
  PutText(s, 2, "Default Preset", kNameSize, ' ');
  static const char* const kInNames[] = {"In1", "In2", "In3", "In4", "In5", "In6", "In7", "In8"};
  static const char* const kOutNames[] = {"Out1", "Out2", "Out3", "Out4", "Out5", "Out6", "Out7", "Out8"};
  for (int i = 0; i < 8; ++i) {
    const int base = kInputBase + kInputSize * i;
    PutText(s, base, kInNames[i], 8, '\0');
    PutWords(s, base + 12, {0, 2999, 0});
    PutWords(s, base + 18, {0, 49, 499, 180, 180});
    PutBands(s, base + 28, {49, 101, 148, 200, 255});
    PutWords(s, base + 62, {0, 300});
    PutWords(s, base + 70, {1u << i});
  }
  {
    const int base = kEffectBase;
    PutText(s, base, "Aux", 8, '\0');
    PutWords(s, base + 12, {55, 1});
    for (int i = 0; i < 8; ++i) Put16(s, base + 18 + 2 * i, 280);
    PutWords(s, base + 34, {26, 0, 0, 0, 0});
    PutWords(s, base + 44, {99, 2999, 180, 1, 0});
    PutBands(s, base + 54, {49, 101, 148, 200, 255});
    PutWords(s, base + 84, {10, 200, 60, 80});
    PutWords(s, base + 92, {50, 12, 139, 30});
    PutWords(s, base + 100, {0, 49, 199, 220});
    const std::uint8_t aec[] = {0, 0, 2, 4, 0, 0};
    std::copy(std::begin(aec), std::end(aec), s.begin() + base + 108);
    Put16(s, base + 114, 280);
  }
  for (int k = 0; k < 8; ++k) {
    const int base = kOutputBase + kOutputSize * k;
    PutText(s, base, kOutNames[k], 8, '\0');
    Put16(s, base + 8, 1u << k);
    for (int src = 0; src < 9; ++src) Put16(s, base + 10 + 2 * src, 280);
    PutWords(s, base + 32, {0, 300});
    PutBands(s, base + 36, {31, 71, 118, 161, 200, 240, 270});
    PutWords(s, base + 78, {0, 49, 199, 220});
    Put16(s, base + 86, 280);
    Put16(s, base + 92, 1u << k);
  }
  PutWords(s, 1500, {100, 0, 100, 0});
  Put16(s, kMemorizeMode, 1);
  return s;
}

Bytes SimProcessor::ReplyFrame(std::uint8_t id, std::uint8_t code, std::span<const std::uint8_t> payload) {
  const std::size_t n = std::min(payload.size(), kMaxPayload);
  Bytes frame{0x10, 0x02, id, 0x00, static_cast<std::uint8_t>(n + 1), code};
  frame.insert(frame.end(), payload.begin(), payload.begin() + static_cast<std::ptrdiff_t>(n));
  frame.push_back(0x10);
  frame.push_back(0x03);
  std::uint8_t check = 0;
  for (std::uint8_t b : frame) check ^= b;
  frame.push_back(check);
  return frame;
}

std::vector<Bytes> SimProcessor::Receive(std::span<const std::uint8_t> bytes) {
  std::vector<Bytes> frames;
  {
    std::lock_guard guard(lock_);
    frames = requests_.Push(bytes);
  }
  std::vector<Bytes> replies;
  for (const Bytes& frame : frames) {
    if (std::optional<Bytes> reply = Answer(frame)) replies.push_back(std::move(*reply));
  }
  return replies;
}

std::optional<Bytes> SimProcessor::Answer(std::span<const std::uint8_t> request) {
  std::optional<LCmd> cmd = ReadFrame(request);
  if (!cmd) return std::nullopt;
  std::lock_guard guard(lock_);
  const std::uint8_t id = request[3];  // requests carry the ID in byte 3
  log_.emplace_back(id, cmd->GetCode(), cmd->GetPayload());
  if (faults_.DelayFrom == cmd->GetCode()) faults_.DelayFrom = -1;
  // After a restart the link is down until the editor connects again.
  if (restarted_ && cmd->GetCode() != 0x10) return std::nullopt;
  restarted_ = false;
  std::optional<Bytes> reply = AnswerLocked(id, cmd->GetCode(), cmd->GetPayload());
  const bool silenced = faults_.SilentFrom > 0 && static_cast<int>(log_.size()) >= faults_.SilentFrom;
  if (faults_.Silent || silenced || !reply) return std::nullopt;
  ++repliesSinceFaults_;
  if (repliesSinceFaults_ == faults_.DropReply) return std::nullopt;
  if (repliesSinceFaults_ == faults_.MisnumberReply && reply->size() > 9) {
    const std::uint8_t was = (*reply)[6]++;
    reply->back() ^= static_cast<std::uint8_t>(was ^ (*reply)[6]);
  }
  if (repliesSinceFaults_ == faults_.ForeignIdReply) {
    const std::uint8_t was = (*reply)[2]++;
    reply->back() ^= static_cast<std::uint8_t>(was ^ (*reply)[2]);
  }
  return reply;
}

Bytes SimProcessor::Reply(std::uint8_t code, std::span<const std::uint8_t> payload) const {
  const std::uint8_t id =
      faults_.ReplyDeviceId >= 0 ? static_cast<std::uint8_t>(faults_.ReplyDeviceId) : deviceId_;
  return ReplyFrame(id, code, payload);
}

std::optional<Bytes> SimProcessor::AnswerLocked(std::uint8_t, std::uint8_t code, const Bytes& p) {
  auto arg = [&p](std::size_t i) -> int { return i < p.size() ? p[i] : 0; };
  switch (code) {
    case 0x10:
      return Reply(0x10);
    case 0x13: {
      const std::string text = kIdentity;
      return Reply(0x13, Bytes(text.begin(), text.end()));
    }
    case 0x14:
      return Reply(0x14, Bytes{static_cast<std::uint8_t>(currentPreset_)});
    case 0x22: {
      Bytes flags;
      for (const Stream& s : stored_) flags.push_back(s[0] == 0xFF ? 255 : 0);
      return Reply(0x22, flags);
    }
    case 0x29: {
      const int n = arg(0);
      Bytes out{static_cast<std::uint8_t>(n)};
      if (n < kPresets) {
        out.insert(out.end(), names_[n].begin(), names_[n].end());
      } else {
        out.insert(out.end(), kNameSize, ' ');
      }
      return Reply(0x29, out);
    }
    case 0x6C:
      return Reply(0x6C, groups_);
    case 0x27:
    case 0x28: {
      const int n = arg(0);
      const Stream& source = code == 0x27 ? current_ : stored_[selectedSlot_ - 1];
      Bytes out{static_cast<std::uint8_t>(n)};
      if (n < kBlocks) out.insert(out.end(), source.begin() + n * kBlockSize, source.begin() + (n + 1) * kBlockSize);
      return Reply(code == 0x27 ? 0x24 : 0x28, out);
    }
    case 0x24:
      if (arg(0) >= 1 && arg(0) <= kPresets) selectedSlot_ = arg(0);
      return Reply(0x01);
    case 0x19: {
      const int address = arg(0) | (arg(1) << 8);
      Bytes out;
      for (int i = 0; i < arg(2); ++i) out.push_back(address + i < kMemorySize ? memory_[address + i] : 0);
      return Reply(0x19, out);
    }
    case 0x1A: {
      const int address = arg(0) | (arg(1) << 8);
      for (int i = 0; i < arg(2) && 3 + static_cast<std::size_t>(i) < p.size(); ++i) {
        if (address + i < kMemorySize) memory_[address + i] = p[3 + i];
      }
      return Reply(0x01);
    }
    case 0x25: {
      const int block = arg(0);
      const int slot = arg(1);
      if (slot < kPresets && block < kBlocks) {
        for (std::size_t i = 2; i < p.size() && (i - 2) < static_cast<std::size_t>(kBlockSize); ++i) {
          stored_[slot][block * kBlockSize + (i - 2)] = p[i];
        }
        if (block == 0) std::copy_n(stored_[slot].begin() + 2, kNameSize, names_[slot].begin());
      }
      return Reply(0x25, Bytes{static_cast<std::uint8_t>(block)});
    }
    case 0x20: {
      const int n = arg(0);
      if (n == 0) {
        current_ = DefaultStream();
      } else if (n <= kPresets && stored_[n - 1][0] == 0xFF) {
        current_ = stored_[n - 1];
        current_[0] = 0;
      }
      if (n <= kPresets) currentPreset_ = n;
      return Reply(0x01);
    }
    case 0x21:
      if (arg(0) >= 1 && arg(0) <= kPresets) {
        const int slot = arg(0) - 1;
        stored_[slot] = current_;
        stored_[slot][0] = 0xFF;
        std::copy_n(current_.begin() + 2, kNameSize, names_[slot].begin());
        currentPreset_ = arg(0);
      }
      return Reply(0x01);
    case 0x23:
      stored_ = {};
      for (auto& name : names_) name.fill(' ');
      current_ = DefaultStream();
      return Reply(0x01);
    case 0x0F:
      return Reply(0x0F);
    case 0x04:
      restarted_ = true;
      ++restarts_;
      return std::nullopt;
    case 0x40:
      return Reply(0x40, MeterPayload());
    case 0xB0:
      return Reply(0xB0, ip_);
    case 0xB8:
      if (p.size() >= 4) std::copy_n(p.begin(), 4, ip_.begin());
      return Reply(0x01);
    case 0xBB:
      if (arg(0) >= 1 && arg(0) <= 250) deviceId_ = static_cast<std::uint8_t>(arg(0));
      return Reply(0x01);
    case 0x2F:
      for (int i = 0; i < 4; ++i) password_[i] = static_cast<std::uint8_t>(arg(i));
      locked_ = true;
      return Reply(0x01);
    case 0x2D: {
      const bool match = p.size() >= 5 && std::equal(password_.begin(), password_.end(), p.begin() + 1);
      if (match) locked_ = false;
      return Reply(0x2D, Bytes{0, static_cast<std::uint8_t>(match ? 1 : 0)});
    }
    case 0x54:
      if (arg(0) == 1) return Reply(0x54, Bytes{codec_[arg(1)]});
      codec_[arg(1)] = static_cast<std::uint8_t>(arg(2));
      return Reply(0x01);
    case 0x5E:
      aec_[(arg(0) | (arg(1) << 8)) % aec_.size()] = static_cast<std::uint16_t>(arg(2) | (arg(3) << 8));
      return Reply(0x01);
    case 0x5F: {
      const std::uint16_t v = aec_[(arg(0) | (arg(1) << 8)) % aec_.size()];
      return Reply(0x5F, Bytes{static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8)});
    }
    default:
      ApplyParameter(code, p);
      return Reply(0x01);
  }
}

void SimProcessor::ApplyParameter(std::uint8_t code, const Bytes& p) {
  auto arg = [&p](std::size_t i) -> unsigned { return i < p.size() ? p[i] : 0; };
  const int ch = static_cast<int>(arg(0));
  switch (code) {
    case 0x2A:  // channel copy: source, destination
      CopyChannel(current_, ch, static_cast<int>(arg(1)));
      break;
    case 0x6B:  // group control
      if (ch < 8) {
        for (int i = 0; i < 3; ++i) groups_[ch * 3 + i] = static_cast<std::uint8_t>(arg(1 + i));
      }
      break;
    default:
      simproc::ApplyParameterCommand(current_, code, p);
      break;
  }
}

Bytes SimProcessor::MeterPayload() {
  // Levels sweep through the meters' range so every bar moves between polls.
  ++meterPhase_;
  auto level = [this](unsigned channel) {
    return static_cast<std::uint8_t>(static_cast<std::int8_t>(-66 + static_cast<int>((meterPhase_ * 5 + channel * 9) % 64)));
  };
  Bytes m(33, 0);
  for (unsigned c = 0; c < 17; ++c) m[c] = level(c);
  m[17] = 0;
  m[18] = static_cast<std::uint8_t>(~(1u << (meterPhase_ % 8)));  // one input active at a time
  m[19] = static_cast<std::uint8_t>(((meterPhase_ % 8) + 1) << 4);
  for (unsigned c = 0; c < 4; ++c) m[20 + c] = level(20 + c);
  for (unsigned c = 0; c < 8; ++c) m[25 + c] = level(25 + c);
  return m;
}

void SimProcessor::SetFaults(const SimFaults& faults) {
  std::lock_guard guard(lock_);
  faults_ = faults;
  repliesSinceFaults_ = 0;
}

SimFaults SimProcessor::Faults() const {
  std::lock_guard guard(lock_);
  SimFaults faults = faults_;
  if (faults.DelayFrom >= 0) faults.DelayMs = 0;  // not yet
  return faults;
}

std::uint8_t SimProcessor::DeviceId() const {
  std::lock_guard guard(lock_);
  return deviceId_;
}

void SimProcessor::SetDeviceId(std::uint8_t id) {
  std::lock_guard guard(lock_);
  deviceId_ = id;
}

int SimProcessor::CurrentPreset() const {
  std::lock_guard guard(lock_);
  return currentPreset_;
}

void SimProcessor::SetCurrentPreset(int number) {
  std::lock_guard guard(lock_);
  currentPreset_ = number;
}

void SimProcessor::SetCurrentStream(const Stream& stream) {
  std::lock_guard guard(lock_);
  current_ = stream;
}

SimProcessor::Stream SimProcessor::CurrentStream() const {
  std::lock_guard guard(lock_);
  return current_;
}

bool SimProcessor::IsStored(int slot) const {
  std::lock_guard guard(lock_);
  return slot >= 0 && slot < kPresets && stored_[slot][0] == 0xFF;
}

SimProcessor::Stream SimProcessor::StoredStream(int slot) const {
  std::lock_guard guard(lock_);
  return slot >= 0 && slot < kPresets ? stored_[slot] : Stream{};
}

void SimProcessor::SetPassword(const std::array<std::uint8_t, 4>& password) {
  std::lock_guard guard(lock_);
  password_ = password;
}

std::array<std::uint8_t, 4> SimProcessor::Password() const {
  std::lock_guard guard(lock_);
  return password_;
}

int SimProcessor::Restarts() const {
  std::lock_guard guard(lock_);
  return restarts_;
}

void SimProcessor::StorePreset(int slot) {
  std::lock_guard guard(lock_);
  if (slot < 0 || slot >= kPresets) return;
  stored_[slot] = current_;
  stored_[slot][0] = 0xFF;
  std::copy_n(current_.begin() + 2, kNameSize, names_[slot].begin());
}

std::string SimProcessor::PresetName(int slot) const {
  std::lock_guard guard(lock_);
  if (slot < 0 || slot >= kPresets) return {};
  return std::string(names_[slot].begin(), names_[slot].end());
}

std::array<std::uint8_t, SimProcessor::kGroupBytes> SimProcessor::GroupControls() const {
  std::lock_guard guard(lock_);
  return groups_;
}

void SimProcessor::SetGroupControls(const std::array<std::uint8_t, kGroupBytes>& groups) {
  std::lock_guard guard(lock_);
  groups_ = groups;
}

std::optional<std::array<std::uint8_t, SimProcessor::kGroupBytes>> SimProcessor::ParseGroupControls(
    const std::string& hex) {
  if (hex.size() != 2 * kGroupBytes) return std::nullopt;
  auto digit = [](char c) -> int {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
  };
  std::array<std::uint8_t, kGroupBytes> out{};
  for (int i = 0; i < kGroupBytes; ++i) {
    const int hi = digit(hex[2 * i]), lo = digit(hex[2 * i + 1]);
    if (hi < 0 || lo < 0) return std::nullopt;
    out[i] = static_cast<std::uint8_t>(hi << 4 | lo);
  }
  return out;
}

std::array<std::uint8_t, SimProcessor::kMemorySize> SimProcessor::Memory() const {
  std::lock_guard guard(lock_);
  return memory_;
}

std::vector<LCmd> SimProcessor::Requests() const {
  std::lock_guard guard(lock_);
  return log_;
}

void SimProcessor::ClearRequests() {
  std::lock_guard guard(lock_);
  log_.clear();
}
