// The simulated processor's parameter commands: each one written into the
// current preset's parameter stream as the processor keeps it, so a later
// reading of the state gives the edit back.
//
// A command names one channel; like the processor, which links the same
// channels as the editor, it applies a per-channel value to the whole link
// group of that channel, found from the link masks in the stream (the
// channel's own mask when it holds its own bit, else the first lower mask of
// its side that holds it, else the channel alone). The effect channel (18),
// the delay unit, the device-wide settings and the routing, link, name and
// mix-level commands change one place only.
//
// Commands and what they change (payload after the code; words little-endian):
//   0x30 c, 4 words  compressor (outputs, 18)  0x31 c, freq, slope  high cut
//   0x32 c, freq, slope  low cut               0x33 c, band, gain, freq, Q,
//        type, bypass: the band, the channel's band-bypass bit, then the
//        group's band-bypass words := the channel's
//   0x34 c, gain     0x35 c, on  mute           0x36 c, flag  polarity
//   0x38 c, samples  delay (outputs; an input's is not in the stream)
//   0x39 source, sine  0x3A c, mask  routing (18: the effect bus; inputs
//        taken off it leave automix and camera tracking)
//   0x3B c, mask  link mask (low byte)          0x3C c, on  equaliser bypass
//   0x3D c, 8 bytes  name   0x3E c, 3 words gate   0x3F c, 5 words AGC
//   0x47 i, weight  automix weight   0x55 c, level  line/mic (0 clears
//        phantom)   0x56 c, on  phantom   0x57 input  camera default
//   0x5A automix   0x5B side, word  sub control   0x5C index, value  echo
//        cancellation   0x60 reverb   0x61 c, level  feedback suppression
//   0x62 echo   0x63 on, volume  effect state   0x64 camera (mix gate)
//   0x65 c, source, level  mix level   0x15 delay unit   0x26 preset name
//   0x6A memorize mode
// Any other code changes nothing; the result says whether the code is one of
// these.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace simproc {

using ParameterStream = std::array<std::uint8_t, 31 * 50>;

// Where the parameter stream keeps the records and the device-wide words.
namespace layout {
constexpr int kInputBase = 16;
constexpr int kInputSize = 72;
constexpr int kEffectBase = 592;
constexpr int kOutputBase = 708;
constexpr int kOutputSize = 94;
constexpr int kInputMuteMask = 1460;
constexpr int kEffectMute = 1462;
constexpr int kOutputMuteMask = 1464;
constexpr int kInputBandBypass = 1466;   // one word per input
constexpr int kEffectBandBypass = 1482;
constexpr int kOutputBandBypass = 1484;  // one word per output
constexpr int kSubCtrl = 1500;           // inputs' word, then the outputs'
constexpr int kTestSource = 1508;
constexpr int kSineIndex = 1510;
constexpr int kDelayUnit = 1512;
constexpr int kMemorizeMode = 1514;
constexpr int kInputEqBypass = 1516;
constexpr int kOutputEqBypass = 1518;
constexpr int kEffectEqBypass = 1520;
}  // namespace layout

bool ApplyParameterCommand(ParameterStream& stream, std::uint8_t code, const std::vector<std::uint8_t>& payload);

}  // namespace simproc
