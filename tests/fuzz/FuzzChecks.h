// Shared by the file-reader fuzz targets and their seed generator: a
// recording host for the parameter image, the fixed data an input is loaded
// over, and the checks that stop the run on the first broken property.
#pragma once

#include <cstdint>
#include <vector>

#include "model/Lunitcontrol.h"
#include "model/PresetFiles.h"

namespace fuzz {

class RecordingHost : public UnitControlHost {
 public:
  std::uint8_t GetDeviceId() const override { return 1; }
  bool IsUpdating() const override { return false; }
  void SendCommand(const LCmd& cmd, bool) override { sent.push_back(cmd); }
  void MarkCurveDirty(int) override {}

  std::vector<LCmd> sent;
};

// Prints what failed and aborts, so libFuzzer keeps the input.
void Require(bool ok, const char* what);

// The image a preset file is opened over: the default preset with a name and
// a few edited fields.
const PresetImage& FixedImage();
// What the window holds before a unit file is downloaded.
const presetfiles::SystemBytes& FixedSystemBytes();
const presetfiles::UnitRecords& FixedRecords();

// Decodes every band and cut of the image as the editor shows and draws them:
// gain, frequency and Q through the codecs, the type through the section-code
// map, and designs each band whose codes lie in their documented ranges.
void CheckCodes(const PresetImage& image);

// Every command of a bulk load frames.
void CheckFrames(const std::vector<LCmd>& sent);

}  // namespace fuzz
