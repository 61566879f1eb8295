// Writes the seed corpus of both fuzz targets: good files and near misses.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "FuzzChecks.h"

namespace {

void Write(const std::filesystem::path& path, const presetfiles::FileBytes& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  fuzz::Require(out.good(), "a seed could not be written");
}

presetfiles::FileBytes Cut(presetfiles::FileBytes bytes, std::size_t size) {
  bytes.resize(size);
  return bytes;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: fuzz_seeds FOLDER\n");
    return 2;
  }
  const std::filesystem::path root = argv[1];
  std::filesystem::create_directories(root / "preset");
  std::filesystem::create_directories(root / "unit");

  const presetfiles::FileBytes preset = presetfiles::WritePresetFile(fuzz::FixedImage());
  Write(root / "preset" / "default.prs", presetfiles::WritePresetFile(DefaultPresetImage()));
  Write(root / "preset" / "fixed.prs", preset);
  Write(root / "preset" / "short.prs", Cut(preset, preset.size() - 1));
  presetfiles::FileBytes signature = preset;
  signature[3] ^= 0x20;
  Write(root / "preset" / "signature.prs", signature);
  presetfiles::FileBytes odd = preset;  // raw codes past every range
  for (std::size_t i = 40; i < odd.size() - 2; i += 5) odd[i] = 0xFF;
  Write(root / "preset" / "odd-codes.prs", odd);

  presetfiles::UnitRecords records{};
  for (std::size_t r = 0; r < records.size(); ++r) {
    records[r][0] = static_cast<std::uint8_t>(r + 1);
    const StreamBytes stream = EncodeStream(r % 3 ? DefaultPresetImage() : fuzz::FixedImage());
    std::copy_n(stream.begin(), kStoredPresetRecordSize - 1, records[r].begin() + 1);
    records[r][1] = presetfiles::kStoredMarker;
  }
  auto every = [](int) { return true; };
  auto some = [](int r) { return r == 2 || r == 6; };
  const presetfiles::FileBytes unit = presetfiles::WriteUnitFile(fuzz::FixedSystemBytes(), records, every);
  Write(root / "unit" / "all.unt", unit);
  Write(root / "unit" / "two.unt", presetfiles::WriteUnitFile(fuzz::FixedSystemBytes(), records, some));
  Write(root / "unit" / "no-last-line-end.unt", Cut(unit, presetfiles::kUnitFileMinSize));
  Write(root / "unit" / "short.unt", Cut(unit, 31930));
  Write(root / "unit" / "longer.unt", [&] {
    presetfiles::FileBytes b = unit;
    b.insert(b.end(), 1520, 0x42);
    return b;
  }());
  return 0;
}
