// Opens any bytes as a preset file over a fixed image, as the File menu does.
#include <algorithm>
#include <cstring>

#include "FuzzChecks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::RecordingHost host;
  LUnitControl unit(&host);
  unit.MutablePresetImage() = fuzz::FixedImage();
  const StreamBytes before = unit.EncodeStream();

  const presetfiles::PresetFileRead read = presetfiles::ReadPresetFile({data, size});
  if (read.Error) {
    fuzz::Require(std::strcmp(read.Error, presetfiles::kErrorFile) == 0, "a rejected preset file gives another error");
    // Whatever a rejected read hands on must not load: fed to the loader, it
    // leaves the image as it was and sends nothing.
    unit.LoadPresetAndSend(read.Body);
    fuzz::Require(unit.EncodeStream() == before && host.sent.empty(), "a rejected preset file changed the image");
    return 0;
  }
  fuzz::Require(read.Body.size() == presetfiles::kPresetBodySize, "an accepted preset body has the wrong size");
  unit.LoadPresetAndSend(read.Body);
  fuzz::Require(host.sent.size() == 379, "a bulk load is not 379 commands");
  fuzz::CheckFrames(host.sent);

  fuzz::CheckCodes(unit.GetPresetImage());

  // A few fields are kept narrower than the stream carries them, so the test
  // is that saving and opening again gives the same image.
  const presetfiles::FileBytes saved = presetfiles::WritePresetFile(unit.GetPresetImage());
  const presetfiles::PresetFileRead again = presetfiles::ReadPresetFile(saved);
  fuzz::Require(!again.Error, "a saved preset file does not open");
  fuzz::RecordingHost reloadHost;
  LUnitControl reloaded(&reloadHost);
  reloaded.LoadPresetAndSend(again.Body);
  fuzz::Require(reloaded.GetPresetImage() == unit.GetPresetImage(), "saving and opening again changes the preset");
  return 0;
}
