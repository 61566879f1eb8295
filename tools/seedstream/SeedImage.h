// The preset image of the seeded whole-program runs: the factory preset with
// every value the refresh reaches on the dynamics pages, the effect page and
// the dialogs changed (dspseed writes it as a parameter stream; tests read it
// back through the editor). The editor's texts for it:
//   input A gate threshold -40.0dB, attack 10ms, release 100ms; input A AGC
//   ratio 1:4.0, threshold -15.0dB, target -5.0, attack 20ms, release 200ms;
//   input B AGC ratio Limit; output 1 compressor ratio Limit, threshold
//   -20.0dB, attack 5ms, release 50ms; the effect channel with inputs 1-4 on
//   its bus, echo/reverb on, compressor threshold -20.0dB, gain -3.0dB, EQ
//   bypassed; automix on, time step 200 (268.0ms), ratio 4, inputs 1 and 3
//   on "Auto", weights +5.0dB, -0.0dB, -8.0dB, -18.0dB; echo cancellation on,
//   gains input -6, far-end in +3, far-end out -2, noise reduction level 2;
//   sub controls: inputs A and C at 70 % muted, output 8 at 40 %; test source
//   white noise at 2KHz; memorize mode "Memorize".
// The group controls, which lie outside the stream, as dspsim --groups takes
// them: input group A 50 % muted with In1 and In2, output group 2 30 % with
// Out1 and Out8, the others 100 % with nothing selected.
#pragma once

#include "model/PresetImage.h"

inline constexpr const char* kSeededGroupControls = "3201036400006400006400006400001e0081640000640000";

inline PresetImage SeededPresetImage() {
  PresetImage im = DefaultPresetImage();
  im.Inputs[0].Gate = {9, 99, 100};
  im.Inputs[0].Agc = {9, 19, 199, 150, 170};
  im.Inputs[1].Agc[0] = 15;
  im.Outputs[0].Comp = {15, 4, 49, 140};
  EffectChannelRecord& fx = im.Effect;
  fx.BusRouting = 0x0F;
  fx.EffectOn = 1;
  fx.Comp[3] = 140;
  fx.Gain = 250;
  fx.AutoMix = {200u | 4u << 16, 0x00050000u, 1};
  fx.AutoMixWeight = {330, 280, 200, 100, 280, 280, 280, 280};
  fx.Aec = {6, 0, 5, 3, 2, 1};
  im.EffectEqBypass = 1;
  im.InputSubCtrl = 70u | 1u << 8 | 0x05u << 16;
  im.OutputSubCtrl = 40u | 0x80u << 16;
  im.TestSource = 2;
  im.SineFrequency = 20;
  im.MemorizeMode = 0;
  return im;
}

// The seeded image with values the effect windows show at their faders'
// ends (dspseed --edges): camera threshold word 80 (" -50.0dB", that fader's
// start), reverb time step 0 ("0.1ms"), AEC-out byte 1 ("+ 6.0dB", that
// fader's start), echo delay 200 ms (" 200ms") and reverb pre-delay 250 ms.
inline PresetImage EdgesPresetImage() {
  PresetImage im = SeededPresetImage();
  EffectChannelRecord& fx = im.Effect;
  fx.Camera.WordB = (fx.Camera.WordB & 0xFFFF0000u) | 80u;
  fx.Echo[0] = 200u << 16 | 20u;
  fx.Reverb = {60u << 16 | 250u, 0u | 70u << 16};
  fx.Aec[3] = 1;
  return im;
}
