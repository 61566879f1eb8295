#include "simproc/SimParameters.h"

#include <algorithm>

namespace simproc {
namespace {

using namespace layout;

constexpr int kEffectChannel = 18;

// Fields of an input record, an output record and the effect record.
struct Fields {
  int phantom, sensitivity, feedback, gate, agc, peq, lowCut, highCut, gain, polarity, link, routing, mix, comp, delay;
};
constexpr Fields kIn{8, 9, 10, 12, 18, 28, 58, 62, 66, 68, 70, -1, -1, -1, -1};
constexpr Fields kOut{-1, -1, -1, -1, -1, 36, 28, 32, 86, 88, 92, 8, 10, 78, 90};
// Effect record (stream offsets within it).
constexpr int kFxRouting = 8, kFxOn = 10, kFxVolume = 12, kFxCamera = 14, kFxWeights = 18, kFxAutoMix = 34,
              kFxMixGate = 44, kFxPeq = 54, kFxEcho = 84, kFxReverb = 92, kFxComp = 100, kFxAec = 108, kFxGain = 114;

class Writer {
 public:
  Writer(ParameterStream& s, const std::vector<std::uint8_t>& p) : s_(s), p_(p) {}

  unsigned Arg(std::size_t i) const { return i < p_.size() ? p_[i] : 0u; }
  unsigned Word(std::size_t i) const { return Arg(i) | Arg(i + 1) << 8; }
  unsigned Get16(int at) const { return s_[at] | s_[at + 1] << 8; }
  void Put16(int at, unsigned v) {
    s_[at] = static_cast<std::uint8_t>(v);
    s_[at + 1] = static_cast<std::uint8_t>(v >> 8);
  }
  // count payload bytes from payload index `from` to stream offset `at`.
  void Copy(int at, std::size_t from, int count) {
    for (int i = 0; i < count; ++i) s_[at + i] = static_cast<std::uint8_t>(Arg(from + i));
  }
  void SetBit(int at, int bit, bool on) { Put16(at, on ? Get16(at) | 1u << bit : Get16(at) & ~(1u << bit)); }

  static bool IsInput(int ch) { return ch >= 0 && ch < 8; }
  static bool IsOutput(int ch) { return ch >= 8 && ch < 16; }
  // Offset of a field of channel ch's record; -1 when the side has none.
  static int At(int ch, int Fields::*field) {
    if (IsInput(ch)) return kIn.*field < 0 ? -1 : kInputBase + kInputSize * ch + kIn.*field;
    if (IsOutput(ch)) return kOut.*field < 0 ? -1 : kOutputBase + kOutputSize * (ch - 8) + kOut.*field;
    return -1;
  }
  // The channels of ch's link group (the processor's rule), ascending.
  std::vector<int> Group(int ch) const {
    if (!IsInput(ch) && !IsOutput(ch)) return {};
    const int first = IsInput(ch) ? 0 : 8;
    const unsigned own = 1u << (ch - first);
    unsigned mask = own;
    if (Get16(At(ch, &Fields::link)) & own) {
      mask = Get16(At(ch, &Fields::link));
    } else {
      for (int lower = first; lower < ch; ++lower) {
        if (Get16(At(lower, &Fields::link)) & own) {
          mask = Get16(At(lower, &Fields::link));
          break;
        }
      }
    }
    std::vector<int> members;
    for (int k = 0; k < 8; ++k)
      if (mask >> k & 1u) members.push_back(first + k);
    return members;
  }
  // Writes `width` payload bytes from index 1 into the field of every member.
  void GroupField(int ch, int Fields::*field, int width) {
    for (int k : Group(ch))
      if (const int at = At(k, field); at >= 0) Copy(at, 1, width);
  }

  ParameterStream& s_;
  const std::vector<std::uint8_t>& p_;
};

void Band(Writer& w, int ch) {
  const int band = static_cast<int>(w.Arg(1));
  const bool bypass = w.Arg(8) != 0;
  if (ch == kEffectChannel) {
    if (band >= 5) return;
    w.Copy(kEffectBase + kFxPeq + 6 * band, 2, 6);
    w.SetBit(kEffectBandBypass, band, bypass);
    return;
  }
  const bool in = Writer::IsInput(ch);
  if (!in && !Writer::IsOutput(ch)) return;
  if (band >= (in ? 5 : 7)) return;
  const int words = in ? kInputBandBypass : kOutputBandBypass;
  const int own = words + 2 * (ch - (in ? 0 : 8));
  w.SetBit(own, band, bypass);
  const unsigned shared = w.Get16(own);
  for (int k : w.Group(ch)) {
    w.Copy(Writer::At(k, &Fields::peq) + 6 * band, 2, 6);
    w.Put16(words + 2 * (k - (in ? 0 : 8)), shared);
  }
}

void Cut(Writer& w, int ch, int Fields::*field) {
  for (int k : w.Group(ch)) {
    const int at = Writer::At(k, field);
    w.Put16(at, w.Arg(3));        // slope
    w.Put16(at + 2, w.Word(1));   // frequency code
  }
}

// A bit of a side's mask word for every member (inputs and outputs), or the
// effect's own word.
void GroupBit(Writer& w, int ch, int inputs, int outputs, int effect, bool on) {
  if (ch == kEffectChannel) {
    w.Put16(effect, on ? 1 : 0);
    return;
  }
  for (int k : w.Group(ch)) w.SetBit(Writer::IsInput(k) ? inputs : outputs, k % 8, on);
}

}  // namespace

bool ApplyParameterCommand(ParameterStream& stream, std::uint8_t code, const std::vector<std::uint8_t>& payload) {
  Writer w(stream, payload);
  const int ch = static_cast<int>(w.Arg(0));
  const int fx = kEffectBase;
  switch (code) {
    case 0x15: w.Put16(kDelayUnit, w.Arg(0)); break;
    case 0x26: w.Copy(2, 0, 14); break;
    case 0x30:  // compressor
      if (ch == kEffectChannel) w.Copy(fx + kFxComp, 1, 8); else if (Writer::IsOutput(ch)) w.GroupField(ch, &Fields::comp, 8);
      break;
    case 0x31: Cut(w, ch, &Fields::highCut); break;
    case 0x32: Cut(w, ch, &Fields::lowCut); break;
    case 0x33: Band(w, ch); break;
    case 0x34:  // gain
      if (ch == kEffectChannel) w.Copy(fx + kFxGain, 1, 2); else w.GroupField(ch, &Fields::gain, 2);
      break;
    case 0x35: GroupBit(w, ch, kInputMuteMask, kOutputMuteMask, kEffectMute, w.Arg(1) != 0); break;
    case 0x36:
      for (int k : w.Group(ch)) w.Put16(Writer::At(k, &Fields::polarity), w.Arg(1));
      break;
    case 0x38:
      if (Writer::IsOutput(ch)) w.GroupField(ch, &Fields::delay, 2);
      break;
    case 0x39:
      w.Put16(kTestSource, w.Arg(0));
      w.Put16(kSineIndex, w.Arg(1));
      break;
    case 0x3A:  // routing
      if (Writer::IsOutput(ch)) {
        w.Copy(Writer::At(ch, &Fields::routing), 1, 2);
      } else if (ch == kEffectChannel) {
        w.Put16(fx + kFxRouting, w.Arg(1));
        // Inputs taken off the effect bus leave automix and camera tracking.
        for (int masks : {fx + kFxAutoMix + 6, fx + kFxMixGate + 6}) w.Put16(masks, w.Get16(masks) & w.Word(1));
      }
      break;
    case 0x3B:
      if (const int at = Writer::At(ch, &Fields::link); at >= 0) w.Put16(at, w.Arg(1));
      break;
    case 0x3C: GroupBit(w, ch, kInputEqBypass, kOutputEqBypass, kEffectEqBypass, w.Arg(1) != 0); break;
    case 0x3D: {  // channel name
      const int at = ch == kEffectChannel ? fx : Writer::IsInput(ch) ? kInputBase + kInputSize * ch
                                              : Writer::IsOutput(ch) ? kOutputBase + kOutputSize * (ch - 8) : -1;
      if (at >= 0) w.Copy(at, 1, 8);
      break;
    }
    case 0x3E:
      if (Writer::IsInput(ch)) w.GroupField(ch, &Fields::gate, 6);
      break;
    case 0x3F:
      if (Writer::IsInput(ch)) w.GroupField(ch, &Fields::agc, 10);
      break;
    case 0x47:
      if (Writer::IsInput(ch)) w.Copy(fx + kFxWeights + 2 * ch, 1, 2);
      break;
    case 0x55:  // line/mic; line level carries no phantom power
      if (!Writer::IsInput(ch)) break;
      for (int k : w.Group(ch)) {
        w.s_[Writer::At(k, &Fields::sensitivity)] = static_cast<std::uint8_t>(w.Arg(1));
        if (w.Arg(1) == 0) w.s_[Writer::At(k, &Fields::phantom)] = 0;
      }
      break;
    case 0x56:
      if (Writer::IsInput(ch)) w.GroupField(ch, &Fields::phantom, 1);
      break;
    case 0x57: w.Put16(fx + kFxCamera, w.Arg(0)); break;
    case 0x5A: w.Copy(fx + kFxAutoMix, 0, 10); break;
    case 0x5B: w.Copy(kSubCtrl + (ch == 0 ? 0 : 4), 1, 4); break;
    case 0x5C:
      if (ch < 6) w.s_[fx + kFxAec + ch] = static_cast<std::uint8_t>(w.Arg(1));
      break;
    case 0x60: w.Copy(fx + kFxReverb, 0, 8); break;
    case 0x61:
      if (Writer::IsInput(ch))
        for (int k : w.Group(ch)) w.Put16(Writer::At(k, &Fields::feedback), w.Arg(1));
      break;
    case 0x62: w.Copy(fx + kFxEcho, 0, 8); break;
    case 0x63:
      w.Put16(fx + kFxOn, w.Arg(0));
      w.Put16(fx + kFxVolume, w.Arg(1));
      break;
    case 0x64: w.Copy(fx + kFxMixGate, 0, 10); break;
    case 0x65:
      if (Writer::IsOutput(ch) && w.Arg(1) < 9) w.Copy(Writer::At(ch, &Fields::mix) + 2 * static_cast<int>(w.Arg(1)), 2, 2);
      break;
    case 0x6A: w.Put16(kMemorizeMode, w.Arg(0)); break;
    default:
      return false;
  }
  return true;
}

}  // namespace simproc
