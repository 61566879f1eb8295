#include "model/PresetImage.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <vector>

#include "FakeUnitHost.h"

namespace {

std::string StreamHex(const StreamBytes& s, std::size_t offset, std::size_t count) {
  return ToHex(Bytes(s.begin() + static_cast<std::ptrdiff_t>(offset),
                     s.begin() + static_cast<std::ptrdiff_t>(offset + count)));
}

// A field set in the image must appear at its protocol offset on the stream.
TEST(ParameterStream, FieldsLandAtTheirOffsets) {
  struct Case {
    const char* field;
    std::function<void(PresetImage&)> set;
    std::size_t offset;
    const char* bytes;
  };
  const std::vector<Case> cases = {
      {"stored marker", [](PresetImage& p) { p.StoredMarker = 0xFF; }, 0, "FF"},
      {"preset name", [](PresetImage& p) { p.Name[0] = 'Q'; p.Name[13] = 'Z'; }, 2, "51"},
      {"preset name end", [](PresetImage& p) { p.Name[13] = 'Z'; }, 15, "5A"},
      {"input 0 name", [](PresetImage& p) { p.Inputs[0].Name[0] = 'A'; }, 16, "41"},
      {"input 2 phantom, sensitivity", [](PresetImage& p) { p.Inputs[2].Phantom = 1; p.Inputs[2].Sensitivity = 33; },
       16 + 144 + 8, "01 21"},
      {"input 1 feedback", [](PresetImage& p) { p.Inputs[1].FeedbackLevel = 0x0304; }, 16 + 72 + 10, "04 03"},
      {"input 1 gate threshold", [](PresetImage& p) { p.Inputs[1].Gate[2] = 0x0A0B; }, 16 + 72 + 16, "0B 0A"},
      {"input 1 agc target", [](PresetImage& p) { p.Inputs[1].Agc[4] = 0x0C0D; }, 16 + 72 + 26, "0D 0C"},
      {"input 1 band 4", [](PresetImage& p) { p.Inputs[1].Peq[4] = {0x0102, 0x0304, 0x05, 0x06}; },
       16 + 72 + 28 + 24, "02 01 04 03 05 06"},
      {"input 1 cuts", [](PresetImage& p) { p.Inputs[1].LowCut = {7, 0x0809}; p.Inputs[1].HighCut = {0x0A, 0x0B}; },
       16 + 72 + 58, "07 00 09 08 0A 00 0B 00"},
      {"input 3 gain", [](PresetImage& p) { p.Inputs[3].Gain = 0x1234; }, 16 + 216 + 66, "34 12"},
      {"input 7 polarity, link", [](PresetImage& p) { p.Inputs[7].Polarity = 1; p.Inputs[7].LinkMask = 0xABCD; },
       16 + 504 + 68, "01 00 CD AB"},
      {"effect name", [](PresetImage& p) { p.Effect.Name[0] = 'X'; }, 592, "58"},
      {"effect widened bytes",
       [](PresetImage& p) { p.Effect.BusRouting = 0x81; p.Effect.EffectOn = 1; p.Effect.EffectVolume = 0x64; p.Effect.CameraDefault = 8; },
       600, "81 00 01 00 64 00 08 00"},
      {"effect reserved", [](PresetImage& p) { p.Effect.Reserved = {0xEE, 0xDD}; }, 608, "EE DD"},
      {"effect weight 7", [](PresetImage& p) { p.Effect.AutoMixWeight[7] = 0x0190; }, 592 + 32, "90 01"},
      {"effect automix", [](PresetImage& p) { p.Effect.AutoMix = {0x04030201, 0x08070605, 0x0A09}; },
       592 + 34, "01 02 03 04 05 06 07 08 09 0A"},
      {"effect camera", [](PresetImage& p) { p.Effect.Camera = {0x14131211, 0x18171615, 0x1A19}; },
       592 + 44, "11 12 13 14 15 16 17 18 19 1A"},
      {"effect band 0", [](PresetImage& p) { p.Effect.Peq[0] = {0x0078, 0x0031, 25, 2}; }, 592 + 54, "78 00 31 00 19 02"},
      {"effect echo, reverb", [](PresetImage& p) { p.Effect.Echo = {0x21, 0x22}; p.Effect.Reverb = {0x23, 0x24000000}; },
       592 + 84, "21 00 00 00 22 00 00 00 23 00 00 00 00 00 00 24"},
      {"effect comp", [](PresetImage& p) { p.Effect.Comp = {1, 2, 3, 4}; }, 592 + 100, "01 00 02 00 03 00 04 00"},
      {"effect aec, gain", [](PresetImage& p) { p.Effect.Aec = {1, 2, 3, 4, 5, 6}; p.Effect.Gain = 0x0118; },
       592 + 108, "01 02 03 04 05 06 18 01"},
      {"output 0 name", [](PresetImage& p) { p.Outputs[0].Name[0] = 'O'; }, 708, "4F"},
      {"output 1 routing, first mix", [](PresetImage& p) { p.Outputs[1].Routing = 0x0101; p.Outputs[1].MixLevel[0] = 0x0203; },
       708 + 94 + 8, "01 01 03 02"},
      {"output 1 effect mix", [](PresetImage& p) { p.Outputs[1].MixLevel[8] = 0x0405; }, 708 + 94 + 26, "05 04"},
      {"output 1 cuts", [](PresetImage& p) { p.Outputs[1].LowCut = {1, 2}; p.Outputs[1].HighCut = {3, 4}; },
       708 + 94 + 28, "01 00 02 00 03 00 04 00"},
      {"output 4 band 6", [](PresetImage& p) { p.Outputs[4].Peq[6] = {0xF0, 0x010E, 0x64, 8}; },
       708 + 376 + 36 + 36, "F0 00 0E 01 64 08"},
      {"output 5 comp", [](PresetImage& p) { p.Outputs[5].Comp = {5, 6, 7, 8}; }, 708 + 470 + 78, "05 00 06 00 07 00 08 00"},
      {"output 2 gain..delay", [](PresetImage& p) { p.Outputs[2].Gain = 0x190; p.Outputs[2].Polarity = 1; p.Outputs[2].Delay = 0x0304; },
       708 + 188 + 86, "90 01 01 00 04 03"},
      {"output 7 link mask", [](PresetImage& p) { p.Outputs[7].LinkMask = 0x00C0; }, 708 + 658 + 92, "C0 00"},
      {"mute masks", [](PresetImage& p) { p.InputMute = 0x81; p.EffectMute = 1; p.OutputMute = 0x42; },
       1460, "81 00 01 00 42 00"},
      {"band bypass words", [](PresetImage& p) { p.InputBandBypass[0] = 0x11; p.InputBandBypass[7] = 0x12; },
       1466, "11 00"},
      {"input 7 band bypass", [](PresetImage& p) { p.InputBandBypass[7] = 0x12; }, 1480, "12 00"},
      {"effect band bypass", [](PresetImage& p) { p.EffectBandBypass = 0x13; }, 1482, "13 00"},
      {"output band bypass", [](PresetImage& p) { p.OutputBandBypass[0] = 0x14; p.OutputBandBypass[7] = 0x15; },
       1484, "14 00"},
      {"output 7 band bypass", [](PresetImage& p) { p.OutputBandBypass[7] = 0x15; }, 1498, "15 00"},
      {"sub-control words", [](PresetImage& p) { p.InputSubCtrl = 0x00FF0164; p.OutputSubCtrl = 0x01000050; },
       1500, "64 01 FF 00 50 00 00 01"},
      {"tail words",
       [](PresetImage& p) {
         p.TestSource = 3; p.SineFrequency = 9; p.DelayUnit = 2; p.MemorizeMode = 0;
         p.InputEqBypass = 0x80; p.OutputEqBypass = 0x01; p.EffectEqBypass = 1;
       },
       1508, "03 00 09 00 02 00 00 00 80 00 01 00 01 00"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.field);
    PresetImage image;
    c.set(image);
    const StreamBytes stream = EncodeStream(image);
    const Bytes expected = Hex(c.bytes);
    EXPECT_EQ(StreamHex(stream, c.offset, expected.size()), c.bytes);

    // And the field comes back from that stream.
    PresetImage back;
    DecodeStream(stream, 0, back);
    EXPECT_TRUE(back == image);
  }
}

TEST(ParameterStream, DefaultEffectBytesAreWidened) {
  const StreamBytes stream = EncodeStream(DefaultPresetImage());
  EXPECT_EQ(StreamHex(stream, 600, 8), "00 00 00 00 37 00 01 00");
  PresetImage back;
  DecodeStream(stream, 0, back);
  EXPECT_TRUE(back == DefaultPresetImage());
}

TEST(ParameterStream, HighBytesOfWidenedFieldsAreSkipped) {
  StreamBytes stream = EncodeStream(DefaultPresetImage());
  stream[600] = 0x05;
  stream[601] = 0x7F;
  stream[605] = 0x01;  // volume 55 stays 55
  PresetImage image = DefaultPresetImage();
  DecodeStream(stream, 0, image);
  EXPECT_EQ(image.Effect.BusRouting, 0x05);
  EXPECT_EQ(image.Effect.EffectVolume, 55);
}

// Any stream whose widened high bytes are zero survives decode and encode.
TEST(ParameterStream, RandomStreamsRoundTrip) {
  std::mt19937 rng(6);
  for (int round = 0; round < 20; ++round) {
    StreamBytes stream;
    for (auto& b : stream) b = static_cast<std::uint8_t>(rng());
    for (std::size_t hi : {601u, 603u, 605u, 607u}) stream[hi] = 0;
    PresetImage image;
    DecodeStream(stream, 0, image);
    EXPECT_EQ(EncodeStream(image), stream);
  }
}

TEST(ParameterStream, PartialRangesLeaveOtherFieldsAlone) {
  PresetImage source;
  source.InputSubCtrl = 0x00010032;
  source.Name = PresetNameToDevice("Loaded");
  source.Outputs[7].LinkMask = 0x0080;
  source.OutputSubCtrl = 0x12345678;
  source.TestSource = 2;
  source.MemorizeMode = 0;
  const StreamBytes stream = EncodeStream(source);

  // A preset file body: stream bytes 2-1507.
  PresetImage image = DefaultPresetImage();
  DecodeStream(std::span(stream).subspan(2, 1506), 2, image);
  EXPECT_EQ(image.Name, source.Name);
  EXPECT_EQ(image.Outputs[7].LinkMask, 0x0080);
  EXPECT_EQ(image.OutputSubCtrl, 0x12345678u);
  EXPECT_EQ(image.TestSource, 0);    // after 1507: kept
  EXPECT_EQ(image.MemorizeMode, 1);  // kept
  EXPECT_EQ(image.StoredMarker, 0);

  // A field cut by the end of the bytes is kept whole, not half-written.
  PresetImage cut = DefaultPresetImage();
  DecodeStream(std::span(stream).subspan(0, 1506), 0, cut);
  EXPECT_EQ(cut.InputSubCtrl, source.InputSubCtrl);   // 1500-1503 complete
  EXPECT_EQ(cut.OutputSubCtrl, 100u);                 // 1504-1507 cut in half
}

TEST(DefaultPreset, MatchesTheFactoryValues) {
  const PresetImage& p = DefaultPresetImage();
  EXPECT_EQ(PresetNameToUtf8(p.Name), "Default Preset");
  EXPECT_EQ(ChannelNameToUtf8(p.Inputs[0].Name), "In1");
  EXPECT_EQ(ChannelNameToUtf8(p.Inputs[7].Name), "In8");
  EXPECT_EQ(ChannelNameToUtf8(p.Outputs[7].Name), "Out8");
  EXPECT_EQ(ChannelNameToUtf8(p.Effect.Name), "Aux");
  EXPECT_EQ(p.Inputs[3].LinkMask, 8);
  EXPECT_EQ(p.Outputs[2].LinkMask, 4);
  EXPECT_EQ(p.Outputs[2].Routing, 4);
  EXPECT_EQ(p.Inputs[5].Gate, (std::array<std::uint16_t, 3>{0, 2999, 0}));
  EXPECT_EQ(p.Inputs[5].Agc, (std::array<std::uint16_t, 5>{0, 49, 499, 180, 180}));
  EXPECT_EQ(p.Outputs[5].Comp, (std::array<std::uint16_t, 4>{0, 49, 199, 220}));
  EXPECT_EQ(p.Inputs[0].HighCut, (CutFilter{0, 300}));
  EXPECT_EQ(p.Outputs[6].Peq[6], (PeqBand{120, 270, 25, 0}));
  EXPECT_EQ(p.Effect.Peq[4], (PeqBand{120, 255, 25, 0}));
  EXPECT_EQ(p.Effect.AutoMixWeight[3], 280);
  EXPECT_EQ(p.Effect.Aec, (std::array<std::uint8_t, 6>{0, 0, 2, 4, 0, 0}));
  const StreamBytes s = EncodeStream(p);
  EXPECT_EQ(StreamHex(s, 592 + 34, 10), "1A 00 00 00 00 00 00 00 00 00");              // automix 26,0,0,0,0
  EXPECT_EQ(StreamHex(s, 592 + 44, 10), "63 00 B7 0B B4 00 01 00 00 00");              // camera 99,2999,180,1,0
  EXPECT_EQ(StreamHex(s, 592 + 84, 16), "0A 00 C8 00 3C 00 50 00 32 00 0C 00 8B 00 1E 00");  // echo, reverb
  EXPECT_EQ(StreamHex(s, 1500, 8), "64 00 00 00 64 00 00 00");
  EXPECT_EQ(StreamHex(s, 1514, 2), "01 00");
}

}  // namespace
