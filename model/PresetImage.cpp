#include "model/PresetImage.h"

#include <cstring>
#include <string>

PeqBand PeqBand::FromWords(std::uint32_t bandWord, std::uint16_t shapeWord) {
  PeqBand band;
  band.Gain = static_cast<std::uint16_t>(bandWord);
  band.Frequency = static_cast<std::uint16_t>(bandWord >> 16);
  band.Q = static_cast<std::uint8_t>(shapeWord);
  band.Type = static_cast<std::uint8_t>(shapeWord >> 8);
  return band;
}

CutFilter CutFilter::FromWord(std::uint32_t word) {
  return CutFilter{static_cast<std::uint16_t>(word), static_cast<std::uint16_t>(word >> 16)};
}

namespace {

// ---- The layout, walked once for both directions ----------------------------
//
// Io is StreamWriter or StreamReader; Image is PresetImage or const
// PresetImage. Each call handles one field at the current stream offset and
// advances by its stream width.
template <class Io, class Image>
void WalkStream(Io& io, Image& p) {
  io.Byte(p.StoredMarker);
  io.Byte(p.Reserved);
  io.Bytes(p.Name);
  auto band = [&io](auto& b) {
    io.Word(b.Gain);
    io.Word(b.Frequency);
    io.Byte(b.Q);
    io.Byte(b.Type);
  };
  auto cut = [&io](auto& c) {
    io.Word(c.Slope);
    io.Word(c.Frequency);
  };
  auto mix = [&io](auto& m) {
    io.Long(m.WordA);
    io.Long(m.WordB);
    io.Word(m.On);
  };
  for (auto& in : p.Inputs) {
    io.Bytes(in.Name);
    io.Byte(in.Phantom);
    io.Byte(in.Sensitivity);
    io.Word(in.FeedbackLevel);
    for (auto& w : in.Gate) io.Word(w);
    for (auto& w : in.Agc) io.Word(w);
    for (auto& b : in.Peq) band(b);
    cut(in.LowCut);
    cut(in.HighCut);
    io.Word(in.Gain);
    io.Word(in.Polarity);
    io.Word(in.LinkMask);
  }
  auto& fx = p.Effect;
  io.Bytes(fx.Name);
  io.Widened(fx.BusRouting);
  io.Widened(fx.EffectOn);
  io.Widened(fx.EffectVolume);
  io.Widened(fx.CameraDefault);
  io.Bytes(fx.Reserved);
  for (auto& w : fx.AutoMixWeight) io.Word(w);
  mix(fx.AutoMix);
  mix(fx.Camera);
  for (auto& b : fx.Peq) band(b);
  for (auto& w : fx.Echo) io.Long(w);
  for (auto& w : fx.Reverb) io.Long(w);
  for (auto& w : fx.Comp) io.Word(w);
  io.Bytes(fx.Aec);
  io.Word(fx.Gain);
  for (auto& out : p.Outputs) {
    io.Bytes(out.Name);
    io.Word(out.Routing);
    for (auto& w : out.MixLevel) io.Word(w);
    cut(out.LowCut);
    cut(out.HighCut);
    for (auto& b : out.Peq) band(b);
    for (auto& w : out.Comp) io.Word(w);
    io.Word(out.Gain);
    io.Word(out.Polarity);
    io.Word(out.Delay);
    io.Word(out.LinkMask);
  }
  io.Word(p.InputMute);
  io.Word(p.EffectMute);
  io.Word(p.OutputMute);
  for (auto& w : p.InputBandBypass) io.Word(w);
  io.Word(p.EffectBandBypass);
  for (auto& w : p.OutputBandBypass) io.Word(w);
  io.Long(p.InputSubCtrl);
  io.Long(p.OutputSubCtrl);
  io.Word(p.TestSource);
  io.Word(p.SineFrequency);
  io.Word(p.DelayUnit);
  io.Word(p.MemorizeMode);
  io.Word(p.InputEqBypass);
  io.Word(p.OutputEqBypass);
  io.Word(p.EffectEqBypass);
}

class StreamWriter {
 public:
  explicit StreamWriter(StreamBytes& out) : out_(out) {}
  std::size_t Offset() const { return pos_; }

  void Byte(std::uint8_t v) { Put(v); }
  void Widened(std::uint8_t v) {
    Put(v);
    Put(0);
  }
  void Word(std::uint16_t v) {
    Put(static_cast<std::uint8_t>(v));
    Put(static_cast<std::uint8_t>(v >> 8));
  }
  void Long(std::uint32_t v) {
    for (int shift = 0; shift < 32; shift += 8) Put(static_cast<std::uint8_t>(v >> shift));
  }
  template <std::size_t N>
  void Bytes(const std::array<std::uint8_t, N>& v) {
    for (std::uint8_t b : v) Put(b);
  }

 private:
  void Put(std::uint8_t b) {
    if (pos_ < out_.size()) out_[pos_] = b;
    ++pos_;
  }
  StreamBytes& out_;
  std::size_t pos_ = 0;
};

class StreamReader {
 public:
  StreamReader(std::span<const std::uint8_t> bytes, std::size_t firstOffset)
      : bytes_(bytes), first_(firstOffset) {}
  std::size_t Offset() const { return pos_; }

  void Byte(std::uint8_t& v) {
    if (Fits(1)) v = At(0);
    pos_ += 1;
  }
  // The low byte is the value; the high byte is skipped.
  void Widened(std::uint8_t& v) {
    if (Fits(2)) v = At(0);
    pos_ += 2;
  }
  void Word(std::uint16_t& v) {
    if (Fits(2)) v = static_cast<std::uint16_t>(At(0) | At(1) << 8);
    pos_ += 2;
  }
  void Long(std::uint32_t& v) {
    if (Fits(4)) {
      v = 0;
      for (int i = 3; i >= 0; --i) v = v << 8 | At(static_cast<std::size_t>(i));
    }
    pos_ += 4;
  }
  template <std::size_t N>
  void Bytes(std::array<std::uint8_t, N>& v) {
    if (Fits(N)) std::memcpy(v.data(), bytes_.data() + (pos_ - first_), N);
    pos_ += N;
  }

 private:
  // The field at pos_ lies wholly within the given bytes.
  bool Fits(std::size_t width) const {
    return pos_ >= first_ && pos_ - first_ + width <= bytes_.size();
  }
  std::uint8_t At(std::size_t i) const { return bytes_[pos_ - first_ + i]; }

  std::span<const std::uint8_t> bytes_;
  std::size_t first_;
  std::size_t pos_ = 0;
};

PresetImage MakeDefaultPresetImage() {
  PresetImage p;
  p.Name = PresetNameToDevice("Default Preset");

  constexpr std::array<std::uint16_t, kInputPeqBands> kInputBandFreq = {49, 101, 148, 200, 255};
  constexpr std::array<std::uint16_t, kOutputPeqBands> kOutputBandFreq = {31, 71, 118, 161, 200, 240, 270};
  auto band = [](std::uint16_t frequency) { return PeqBand{kEqGainCodeZero, frequency, 25, 0}; };

  for (int i = 0; i < kInputCount; ++i) {
    auto& in = p.Inputs[static_cast<std::size_t>(i)];
    in.Name = ChannelNameToDevice("In" + std::to_string(i + 1));
    in.Gate = {0, 2999, 0};
    in.Agc = {0, 49, 499, 180, 180};
    for (int b = 0; b < kInputPeqBands; ++b) in.Peq[b] = band(kInputBandFreq[b]);
    in.LowCut = {0, 0};
    in.HighCut = {0, 300};
    in.Gain = 0;
    in.LinkMask = static_cast<std::uint16_t>(1u << i);
  }

  auto& fx = p.Effect;
  fx.Name = ChannelNameToDevice("Aux");
  fx.EffectVolume = 55;
  fx.CameraDefault = 1;
  fx.AutoMixWeight.fill(280);
  fx.AutoMix = {26, 0, 0};
  fx.Camera = {99u | 2999u << 16, 180u | 1u << 16, 0};
  for (int b = 0; b < kInputPeqBands; ++b) fx.Peq[b] = band(kInputBandFreq[b]);
  fx.Echo = {10u | 200u << 16, 60u | 80u << 16};
  fx.Reverb = {50u | 12u << 16, 139u | 30u << 16};
  fx.Comp = {0, 49, 199, 220};
  fx.Aec = {0, 0, 2, 4, 0, 0};
  fx.Gain = 280;

  for (int k = 0; k < kOutputCount; ++k) {
    auto& out = p.Outputs[static_cast<std::size_t>(k)];
    out.Name = ChannelNameToDevice("Out" + std::to_string(k + 1));
    out.Routing = static_cast<std::uint16_t>(1u << k);
    out.MixLevel.fill(280);
    out.LowCut = {0, 0};
    out.HighCut = {0, 300};
    for (int b = 0; b < kOutputPeqBands; ++b) out.Peq[b] = band(kOutputBandFreq[b]);
    out.Comp = {0, 49, 199, 220};
    out.Gain = 280;
    out.LinkMask = static_cast<std::uint16_t>(1u << k);
  }

  p.InputSubCtrl = 100;
  p.OutputSubCtrl = 100;
  p.MemorizeMode = 1;
  return p;
}

}  // namespace

const PresetImage& DefaultPresetImage() {
  static const PresetImage image = MakeDefaultPresetImage();
  return image;
}

StreamBytes EncodeStream(const PresetImage& image) {
  StreamBytes out{};
  StreamWriter writer(out);
  WalkStream(writer, image);
  return out;
}

void DecodeStream(std::span<const std::uint8_t> bytes, std::size_t firstOffset, PresetImage& image) {
  StreamReader reader(bytes, firstOffset);
  WalkStream(reader, image);
}
