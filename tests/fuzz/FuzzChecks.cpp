#include "FuzzChecks.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "display/FilterDesign.h"

namespace fuzz {
namespace {

bool KnownSectionCode(int code) {
  namespace T = display::PlotFilterType;
  return code == T::Peak || code == T::LowShelf || code == T::HighShelf || code == T::HighPass2 ||
         code == T::LowPass2 || code == T::Allpass1 || code == T::LowPass1 || code == T::HighPass1 ||
         code == T::Flat || code == T::Allpass2 || code == T::BandPass || code == T::BandStop;
}

void CheckBand(const PeqBand& band) {
  const double gain = CodeToGain(band.Gain);
  const double hz = CodeToFrequency(band.Frequency);
  const double q = CodeToQ(band.Q);
  Require(std::isfinite(gain) && std::isfinite(q) && q > 0.0 && hz > 0.0, "band codes decode to unusable values");
  const int type = display::PeqTypeToPlotFilterType(band.Type);
  Require(KnownSectionCode(type), "band type maps to no section code");
  const auto design = display::DesignBiquad({type, hz, gain, q, 0.0f, 0.0f});
  Require(design.has_value(), "an equaliser band has no design");
  for (double c : {design->b0, design->b1, design->b2, design->a1, design->a2})
    Require(std::isfinite(c), "a band design is not finite");
}

void CheckCut(const CutFilter& cut) {
  Require(std::isfinite(CodeToFrequency(cut.Frequency)), "cut frequency is not finite");
}

}  // namespace

void Require(bool ok, const char* what) {
  if (ok) return;
  std::fprintf(stderr, "fuzz check failed: %s\n", what);
  std::abort();
}

const PresetImage& FixedImage() {
  static const PresetImage image = [] {
    PresetImage p = DefaultPresetImage();
    p.Name = PresetNameToDevice("Fixed");
    p.Inputs[2].Gain = 0x0123;
    p.Outputs[5].Peq[3].Type = 4;
    p.OutputMute = 0x00A5;
    return p;
  }();
  return image;
}

const presetfiles::SystemBytes& FixedSystemBytes() {
  static const presetfiles::SystemBytes bytes = [] {
    presetfiles::SystemBytes b{};
    for (std::size_t i = 0; i < b.size(); ++i) b[i] = static_cast<std::uint8_t>(0x30 + i);
    return b;
  }();
  return bytes;
}

const presetfiles::UnitRecords& FixedRecords() {
  static const presetfiles::UnitRecords records = [] {
    presetfiles::UnitRecords r{};
    for (std::size_t i = 0; i < r.size(); ++i) r[i].fill(static_cast<std::uint8_t>(i * 7));
    return r;
  }();
  return records;
}

void CheckCodes(const PresetImage& image) {
  for (const auto& in : image.Inputs) {
    for (const auto& band : in.Peq) CheckBand(band);
    CheckCut(in.LowCut);
    CheckCut(in.HighCut);
  }
  for (const auto& band : image.Effect.Peq) CheckBand(band);
  for (const auto& out : image.Outputs) {
    for (const auto& band : out.Peq) CheckBand(band);
    CheckCut(out.LowCut);
    CheckCut(out.HighCut);
  }
}

void CheckFrames(const std::vector<LCmd>& sent) {
  for (const LCmd& cmd : sent) Require(!cmd.BuildFrame().empty(), "a bulk-load command does not frame");
}

}  // namespace fuzz
