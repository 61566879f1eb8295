// Reads any bytes as a unit file for a download, as the File menu does.
#include <algorithm>
#include <cstring>

#include "FuzzChecks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  presetfiles::SystemBytes system = fuzz::FixedSystemBytes();
  presetfiles::UnitRecords records = fuzz::FixedRecords();

  const presetfiles::UnitFileRead read = presetfiles::ReadUnitFile({data, size});
  if (read.Error) {
    fuzz::Require(std::strcmp(read.Error, presetfiles::kErrorDownload) == 0, "a rejected unit file gives another error");
    // A rejected read carries nothing of the file that could be stored.
    fuzz::Require(read.Data.System == presetfiles::SystemBytes{} && read.Data.Records == presetfiles::UnitRecords{},
                  "a rejected unit file hands on data");
    return 0;
  }
  system = read.Data.System;
  records = read.Data.Records;
  auto stored = [&](int r) { return records[static_cast<std::size_t>(r)][1] == presetfiles::kStoredMarker; };

  for (int r = 0; r < kPresetCount; ++r) {
    if (!stored(r)) continue;
    fuzz::RecordingHost host;
    LUnitControl unit(&host);
    const auto& record = records[static_cast<std::size_t>(r)];
    unit.DecodeStream(std::span(record).subspan(1), 0);
    fuzz::CheckCodes(unit.GetPresetImage());
    fuzz::Require(host.sent.empty(), "decoding a stored preset sent commands");
  }

  const presetfiles::FileBytes saved = presetfiles::WriteUnitFile(system, records, stored);
  fuzz::Require(saved.size() == presetfiles::kUnitFileSize, "a saved unit file has the wrong size");
  const presetfiles::UnitFileRead again = presetfiles::ReadUnitFile(saved);
  fuzz::Require(!again.Error && again.Data.System == system, "saving and reading again changes the system bytes");
  for (int r = 0; r < kPresetCount; ++r) {
    const auto& back = again.Data.Records[static_cast<std::size_t>(r)];
    if (stored(r))
      fuzz::Require(back == records[static_cast<std::size_t>(r)], "saving and reading again changes a stored preset");
    else
      fuzz::Require(std::all_of(back.begin(), back.end(), [](std::uint8_t b) { return b == presetfiles::kEmptyRecordByte; }),
                    "a preset that is not stored is not saved empty");
  }
  return 0;
}
