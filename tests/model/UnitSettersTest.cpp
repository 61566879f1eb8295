#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "FakeUnitHost.h"
#include "model/Lunitcontrol.h"
#include "model/UnitEntries.h"

namespace {

class Setters : public ::testing::Test {
 protected:
  Setters() : unit(&host) {}

  // Links inputs or outputs (side 0 or 8): the head holds every member's bit,
  // the members hold none.
  void Link(int side, std::uint16_t members) {
    int head = -1;
    for (int j = 0; j < 8; ++j) {
      if (!(members >> j & 1)) continue;
      auto& mask = side == 0 ? unit.MutablePresetImage().Inputs[j].LinkMask
                             : unit.MutablePresetImage().Outputs[j].LinkMask;
      mask = head < 0 ? members : 0;
      if (head < 0) head = j;
    }
  }

  std::string SentFrames() const {
    std::string out;
    for (const SentCommand& s : host.sent) out += ToHex(s.Cmd.BuildFrame(1)) + (s.Force ? " forced\n" : "\n");
    return out;
  }

  FakeUnitHost host;
  LUnitControl unit;
};

TEST_F(Setters, GainOnALinkedMemberStoresTheGroupAndSendsOneFrame) {
  Link(0, 0b011);  // A heads, B follows
  unit.SetGain(1, 0x78);
  EXPECT_EQ(unit.GetGain(0), 0x78);
  EXPECT_EQ(unit.GetGain(1), 0x78);
  EXPECT_EQ(unit.GetGain(2), 0);
  EXPECT_EQ(SentFrames(), "10 02 00 01 04 34 01 78 00 10 03 49\n");
}

TEST_F(Setters, UnlinkedAndEffectChannelsStandAlone) {
  unit.SetGain(0, 0x78);
  EXPECT_EQ(unit.GetGain(0), 0x78);
  EXPECT_EQ(unit.GetGain(1), 0);

  Link(0, 0xFF);
  Link(8, 0xFF);
  unit.SetGain(18, 300);
  EXPECT_EQ(unit.GetGain(18), 300);
  for (int c = 0; c < 16; ++c) EXPECT_EQ(unit.GetGain(c), c == 0 ? 0x78 : c < 8 ? 0 : 280) << c;
}

TEST_F(Setters, OutputGroupsFollowTheirHead) {
  Link(8, 0b1010'0000);  // outputs 6 and 8
  unit.SetDelay(15, 960);
  unit.SetMute(13, 1);
  EXPECT_EQ(unit.GetDelay(13), 960);
  EXPECT_EQ(unit.GetDelay(15), 960);
  EXPECT_EQ(unit.GetDelay(14), 0);
  EXPECT_TRUE(unit.GetMute(15));
  EXPECT_EQ(unit.GetPresetImage().OutputMute, 0b1010'0000);
  unit.SetMute(15, 0);
  EXPECT_EQ(unit.GetPresetImage().OutputMute, 0);
}

TEST(LinkGroups, MaskTable) {
  struct Case {
    const char* what;
    std::array<std::uint16_t, 8> masks;
    int channel;  // side-relative
    std::uint16_t group;
  };
  const Case cases[] = {
      {"default, own bit", {1, 2, 4, 8, 16, 32, 64, 128}, 3, 0x0008},
      {"head", {0x0003, 0, 4, 8, 16, 32, 64, 128}, 0, 0x0003},
      {"member", {0x0003, 0, 4, 8, 16, 32, 64, 128}, 1, 0x0003},
      {"member of a later head", {1, 0x00A2, 4, 8, 16, 0, 64, 0}, 7, 0x00A2},
      {"first holder wins", {0x0005, 0x0006, 0, 8, 16, 32, 64, 128}, 2, 0x0005},
      {"own bit beats a holder", {0x0003, 0x0002, 4, 8, 16, 32, 64, 128}, 1, 0x0002},
      {"held by nobody", {1, 2, 0, 8, 16, 32, 64, 128}, 2, 0x0004},
      {"first channel lacking its bit", {0x0006, 0, 0, 8, 16, 32, 64, 128}, 0, 0x0001},
      {"nobody holds it, neighbour below has a mask", {0x0001, 0x0001, 0, 8, 16, 32, 64, 128}, 1, 0x0002},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    for (int side : {0, 8}) {
      LUnitControl unit;
      for (int j = 0; j < 8; ++j) {
        if (side == 0) unit.MutablePresetImage().Inputs[j].LinkMask = c.masks[j];
        else unit.MutablePresetImage().Outputs[j].LinkMask = c.masks[j];
      }
      EXPECT_EQ(unit.LinkGroupMask(side + c.channel), c.group) << "side " << side;
    }
  }
  const LUnitControl unit;
  EXPECT_EQ(unit.LinkGroupMask(18), 0);
  EXPECT_EQ(unit.LinkGroupMask(16), 0);
}

TEST_F(Setters, AChannelNoGroupHoldsStillGetsItsValue) {
  // Input C's own mask lacks its bit and no lower row holds it; B's row holds
  // only B. The edit must land on C, and on C alone.
  auto& in = unit.MutablePresetImage().Inputs;
  in[1].LinkMask = 0x0002;
  in[2].LinkMask = 0x0000;
  unit.SetGain(2, 111);
  EXPECT_EQ(unit.GetGain(2), 111);
  EXPECT_EQ(unit.GetGain(1), 0);

  // A first channel whose mask lacks its own bit is alone too.
  in[0].LinkMask = 0x0006;
  unit.SetPolarity(0, 1);
  EXPECT_TRUE(unit.GetPolarity(0));
  EXPECT_FALSE(unit.GetPolarity(1));
  EXPECT_FALSE(unit.GetPolarity(2));
}

TEST_F(Setters, WhileLoadingOnlyTheExemptCommandsGoOut) {
  host.updating = true;
  const std::vector<std::function<void()>> all = {
      [&] { unit.SetGain(1, 100); },
      [&] { unit.SetMute(1, 1); },
      [&] { unit.SetPolarity(1, 1); },
      [&] { unit.SetPeqBand(1, 0, 0x00AA0078, 0x0119, 1); },
      [&] { unit.SetHighPass(1, 0x00500003, 0); },
      [&] { unit.SetLowPass(1, 0, 0x01000004); },
      [&] { unit.SetComp(9, 0x00310001, 0x00DC00C7); },
      [&] { unit.SetGate(1, 0x0BB70001, 100); },
      [&] { unit.SetAgc(1, 0x00310001, 0x00B401F3, 180); },
      [&] { unit.SetFeedbackLevel(1, 2); },
      [&] { unit.SetPhantom(1, 1); },
      [&] { unit.SetLineMic(1, 20); },
      [&] { unit.SetDelay(9, 48); },
      [&] { unit.SetDelayUnit(1); },
      [&] { unit.SetMixLevel(9, 8, 200); },
      [&] { unit.SetMatrix(9, 0x0103); },
      [&] { unit.SetLinkMask(1, 0); },
      [&] { unit.SetChannelNameText(1, "Vox"); },
      [&] { unit.SetSubCtrl(1, 0x00030050); },
      [&] { unit.SetGroupCtrl(2, 0x00030150); },
      [&] { unit.SetEffectState(1, 80); },
      [&] { unit.SetAutoMixWeight(3, 250); },
      [&] { unit.SetAutoMix(1, 2, 1); },
      [&] { unit.SetMixGate(3, 4, 1); },
      [&] { unit.SetCameraDefault(4); },
      [&] { unit.SetAec(2, 3); },
  };
  for (const auto& set : all) set();
  std::vector<int> codes;
  for (const SentCommand& s : host.sent) codes.push_back(s.Cmd.GetCode());
  EXPECT_EQ(codes, (std::vector<int>{0x56, 0x55, 0x5C}));
  // Everything was stored all the same.
  EXPECT_EQ(unit.GetGain(1), 100);
  EXPECT_EQ(unit.GetChannelNameText(1), "Vox");
  EXPECT_EQ(unit.GetAec()[2], 3);
  EXPECT_EQ(unit.GetMatrix(9), 0x0103);
  // The equaliser and cut setters mark the curve even while loading.
  EXPECT_EQ(host.dirty, (std::vector<int>{1, 1, 1}));
}

// Each setter's command: code, payload and force flag.
TEST_F(Setters, CommandTable) {
  struct Case {
    const char* what;
    std::function<void(LUnitControl&)> set;
    std::uint8_t code;
    const char* payload;
    bool force;
  };
  const std::vector<Case> cases = {
      {"gain", [](LUnitControl& u) { u.SetGain(9, 0x0190); }, 0x34, "09 90 01", false},
      {"mute keeps the byte", [](LUnitControl& u) { u.SetMute(2, 2); }, 0x35, "02 02", false},
      {"effect mute", [](LUnitControl& u) { u.SetMute(18, 1); }, 0x35, "12 01", false},
      {"polarity as 0/1", [](LUnitControl& u) { u.SetPolarity(3, 7); }, 0x36, "03 01", false},
      {"peq", [](LUnitControl& u) { u.SetPeqBand(12, 6, 0x010E00F0, 0x0864, 1); }, 0x33,
       "0C 06 F0 00 0E 01 64 08 01", false},
      {"high pass", [](LUnitControl& u) { u.SetHighPass(4, 0x00500003, 0xFFFFFFFF); }, 0x32, "04 50 00 03", false},
      {"low pass", [](LUnitControl& u) { u.SetLowPass(10, 0xFFFFFFFF, 0x012C0014); }, 0x31, "0A 2C 01 14", false},
      {"comp", [](LUnitControl& u) { u.SetComp(18, 0x00310002, 0x00DC00C7); }, 0x30,
       "12 02 00 31 00 C7 00 DC 00", false},
      {"gate", [](LUnitControl& u) { u.SetGate(5, 0x0BB70001, 0x0096); }, 0x3E, "05 01 00 B7 0B 96 00", false},
      {"agc", [](LUnitControl& u) { u.SetAgc(6, 0x00310001, 0x00B401F3, 0x00AA); }, 0x3F,
       "06 01 00 31 00 F3 01 B4 00 AA 00", false},
      {"feedback", [](LUnitControl& u) { u.SetFeedbackLevel(7, 4); }, 0x61, "07 04", false},
      {"phantom", [](LUnitControl& u) { u.SetPhantom(0, 1); }, 0x56, "00 01", false},
      {"line/mic", [](LUnitControl& u) { u.SetLineMic(0, 51); }, 0x55, "00 33", false},
      {"output delay", [](LUnitControl& u) { u.SetDelay(15, 0x1234); }, 0x38, "0F 34 12", false},
      {"delay unit", [](LUnitControl& u) { u.SetDelayUnit(2); }, 0x15, "02", false},
      {"mix level", [](LUnitControl& u) { u.SetMixLevel(11, 8, 0x0118); }, 0x65, "0B 08 18 01", false},
      {"matrix", [](LUnitControl& u) { u.SetMatrix(8, 0x0101); }, 0x3A, "08 01 01", true},
      {"link mask", [](LUnitControl& u) { u.SetLinkMask(9, 0x0306); }, 0x3B, "09 06", true},
      {"channel name", [](LUnitControl& u) { u.SetChannelNameText(18, "FX"); }, 0x3D,
       "12 46 58 00 00 00 00 00 00", true},
      {"sub ctrl", [](LUnitControl& u) { u.SetSubCtrl(1, 0x00FF0132); }, 0x5B, "01 32 01 FF 00", false},
      {"group ctrl", [](LUnitControl& u) { u.SetGroupCtrl(5, 0x00070150); }, 0x6B, "05 50 01 07", false},
      {"effect state", [](LUnitControl& u) { u.SetEffectState(1, 90); }, 0x63, "01 5A", false},
      {"automix weight", [](LUnitControl& u) { u.SetAutoMixWeight(7, 0x0190); }, 0x47, "07 90 01", false},
      {"automix", [](LUnitControl& u) { u.SetAutoMix(0x04030201, 0x08070605, 0x0A09); }, 0x5A,
       "01 02 03 04 05 06 07 08 09 0A", false},
      {"mix gate", [](LUnitControl& u) { u.SetMixGate(0x14131211, 0x18171615, 0x1A19); }, 0x64,
       "11 12 13 14 15 16 17 18 19 1A", false},
      {"camera default", [](LUnitControl& u) { u.SetCameraDefault(5); }, 0x57, "05", false},
      {"aec stored index", [](LUnitControl& u) { u.SetAec(5, 9); }, 0x5C, "05 09", false},
      {"aec index 6 is only sent", [](LUnitControl& u) { u.SetAec(6, 1); }, 0x5C, "06 01", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    FakeUnitHost fresh;
    fresh.deviceId = 0x2A;
    LUnitControl u(&fresh);
    c.set(u);
    ASSERT_EQ(fresh.sent.size(), 1u);
    const SentCommand& s = fresh.sent[0];
    EXPECT_EQ(s.Cmd.GetDeviceId(), 0x2A);
    EXPECT_EQ(s.Cmd.GetCode(), c.code);
    EXPECT_EQ(ToHex(s.Cmd.GetPayload()), c.payload);
    EXPECT_EQ(s.Force, c.force);
  }
}

TEST_F(Setters, EffectMatrixIsForcedAndTrimsAutomixAndCamera) {
  unit.SetAutoMix(0x00020005, 0x00FF1234, 1);
  unit.SetMixGate(0x00100020, 0x00F700B4, 1);
  host.sent.clear();
  unit.SetMatrix(18, 0x0005);
  EXPECT_EQ(SentFrames(), "10 02 00 01 04 3A 12 05 00 10 03 29 forced\n");
  EXPECT_EQ(unit.GetMatrix(18), 0x05);
  EXPECT_EQ(unit.GetAutoMix().WordB, 0x00051234u);  // only A and C left, low half kept
  EXPECT_EQ(unit.GetCamera().WordB, 0x000500B4u);
  EXPECT_EQ(unit.GetAutoMix().WordA, 0x00020005u);
}

TEST_F(Setters, LineLevelSwitchesOffTheGroupsPhantomPower) {
  Link(0, 0b1100);  // C and D
  unit.SetPhantom(3, 1);
  unit.SetLineMic(2, 10);
  EXPECT_EQ(unit.GetPhantom(2), 1);
  EXPECT_EQ(unit.GetInputSensitivity(3), 10);
  host.sent.clear();
  unit.SetLineMic(3, 0);
  EXPECT_EQ(unit.GetPhantom(2), 0);
  EXPECT_EQ(unit.GetPhantom(3), 0);
  EXPECT_EQ(unit.GetInputSensitivity(2), 0);
  EXPECT_EQ(SentFrames(), ToHex(CM_MCS_CMD(1, 0x55, 3, 0).BuildFrame(1)) + "\n");
}

TEST_F(Setters, PeqBandSharesTheMembersBypassWord) {
  Link(0, 0b0111);  // A, B, C
  unit.MutablePresetImage().InputBandBypass = {0x01, 0x10, 0x04, 0, 0, 0, 0, 0};
  unit.SetPeqBand(2, 3, 0x00C80080, 0x011E, 1);
  for (int c : {0, 1, 2}) {
    SCOPED_TRACE(c);
    EXPECT_EQ(unit.GetPresetImage().InputBandBypass[static_cast<std::size_t>(c)], 0x0C);
    EXPECT_EQ(unit.GetPeqBand(c, 3), (PeqBand{0x80, 0xC8, 0x1E, 1}));
    EXPECT_TRUE(unit.GetPeqBypass(c, 3));
  }
  EXPECT_EQ(unit.GetPeqBand(3, 3), DefaultPresetImage().Inputs[3].Peq[3]);
  EXPECT_EQ(SentFrames(), ToHex(CM_MCS_PEQ(1, 2, 3, 0x00C80080, 0x011E, 1).BuildFrame(1)) + "\n");
  EXPECT_EQ(host.dirty, std::vector<int>{2});

  // The effect channel has its own bands and bypass word.
  unit.SetPeqBand(18, 4, 0x00FF0000, 0x0001, 1);
  EXPECT_EQ(unit.GetPresetImage().EffectBandBypass, 0x10);
  EXPECT_EQ(unit.GetPeqBand(18, 4).Frequency, 0xFF);
}

TEST_F(Setters, CutFiltersStoreTheirOwnHalf) {
  Link(8, 0b0011);
  unit.SetHighPass(9, 0x00640005, 0x11111111);
  unit.SetLowPass(8, 0x22222222, 0x01040002);
  for (int c : {8, 9}) {
    EXPECT_EQ(unit.GetHighLowPass(c).LowCut, 0x00640005u);
    EXPECT_EQ(unit.GetHighLowPass(c).HighCut, 0x01040002u);
  }
  EXPECT_EQ(host.dirty, (std::vector<int>{9, 8}));
}

TEST_F(Setters, InputDelayIsSentButNotStored) {
  Link(0, 0xFF);
  unit.SetDelay(2, 480);
  const PresetImage before = unit.GetPresetImage();
  EXPECT_EQ(SentFrames(), ToHex(CM_MCS_DELAY(1, 2, 480).BuildFrame(1)) + "\n");
  EXPECT_EQ(unit.GetDelay(2), 0);
  EXPECT_TRUE(unit.GetPresetImage() == before);
}

TEST_F(Setters, RefuseChannelsAndBandsThatNameNoField) {
  const std::vector<std::function<void()>> stray = {
      [&] { unit.SetGain(16, 1); },         [&] { unit.SetGain(-1, 1); },
      [&] { unit.SetMute(17, 1); },         [&] { unit.SetPolarity(18, 1); },
      [&] { unit.SetPeqBand(0, 5, 0, 0, 1); }, [&] { unit.SetPeqBand(18, 5, 0, 0, 1); },
      [&] { unit.SetPeqBand(8, 7, 0, 0, 1); }, [&] { unit.SetPeqBand(3, -1, 0, 0, 1); },
      [&] { unit.SetHighPass(18, 1, 1); },  [&] { unit.SetComp(3, 1, 1); },
      [&] { unit.SetGate(8, 1, 1); },       [&] { unit.SetAgc(18, 1, 1, 1); },
      [&] { unit.SetPhantom(9, 1); },       [&] { unit.SetLineMic(8, 0); },
      [&] { unit.SetFeedbackLevel(12, 1); }, [&] { unit.SetDelay(18, 1); },
      [&] { unit.SetMixLevel(3, 0, 1); },   [&] { unit.SetMixLevel(8, 9, 1); },
      [&] { unit.SetMatrix(2, 1); },        [&] { unit.SetLinkMask(18, 1); },
      [&] { unit.SetChannelNameText(16, "x"); }, [&] { unit.SetGroupCtrl(8, 1); },
      [&] { unit.SetAutoMixWeight(8, 1); },
  };
  for (const auto& set : stray) set();
  EXPECT_TRUE(host.sent.empty()) << SentFrames();
  EXPECT_TRUE(unit.GetPresetImage() == DefaultPresetImage());
  EXPECT_TRUE(host.dirty.empty());
}

TEST(CopyChannel, OutputsKeepTheirNameRoutingMixAndLink) {
  LUnitControl unit;
  PresetImage& p = unit.MutablePresetImage();
  auto& src = p.Outputs[0];
  src.Name = ChannelNameToDevice("Main");
  src.Routing = 0x01FF;
  src.MixLevel.fill(100);
  src.LowCut = {3, 40};
  src.Peq[6] = {200, 280, 60, 2};
  src.Comp = {5, 10, 100, 200};
  src.Gain = 300;
  src.Polarity = 1;
  src.Delay = 960;
  src.LinkMask = 0x0003;
  p.OutputBandBypass[0] = 0x41;
  p.OutputMute = 0x01;
  p.OutputEqBypass = 0x01;
  const OutputChannelRecord dstBefore = p.Outputs[1];

  unit.CopyChannel(8, 9);
  const OutputChannelRecord& dst = p.Outputs[1];
  EXPECT_EQ(dst.Name, dstBefore.Name);
  EXPECT_EQ(dst.Routing, dstBefore.Routing);
  EXPECT_EQ(dst.MixLevel, dstBefore.MixLevel);
  EXPECT_EQ(dst.LinkMask, dstBefore.LinkMask);
  EXPECT_EQ(dst.LowCut, src.LowCut);
  EXPECT_EQ(dst.Peq, src.Peq);
  EXPECT_EQ(dst.Comp, src.Comp);
  EXPECT_EQ(dst.Gain, 300);
  EXPECT_EQ(dst.Polarity, 1);
  EXPECT_EQ(dst.Delay, 960);
  EXPECT_EQ(p.OutputBandBypass[1], 0x41);
  EXPECT_EQ(p.OutputMute, 0x03);
  EXPECT_EQ(p.OutputEqBypass, 0x03);

  // Copying an unmuted channel clears the destination's bits.
  unit.CopyChannel(10, 9);
  EXPECT_EQ(p.OutputMute, 0x01);
  EXPECT_EQ(p.OutputEqBypass, 0x01);
}

TEST(CopyChannel, InputsCopyEverythingButTheNameAndTheLinkMask) {
  FakeUnitHost host;
  LUnitControl unit(&host);
  PresetImage& p = unit.MutablePresetImage();
  p.Inputs[5].Phantom = 1;
  p.Inputs[5].Sensitivity = 40;
  p.Inputs[5].Agc = {1, 2, 3, 4, 5};
  p.Inputs[5].LinkMask = 0x00E0;
  p.InputBandBypass[5] = 0x1F;
  p.InputMute = 0x20;
  unit.CopyChannel(5, 2);
  InputChannelRecord expected = p.Inputs[5];
  expected.Name = DefaultPresetImage().Inputs[2].Name;
  expected.LinkMask = DefaultPresetImage().Inputs[2].LinkMask;  // C keeps leading itself
  EXPECT_EQ(p.Inputs[2], expected);
  EXPECT_EQ(p.InputBandBypass[2], 0x1F);
  EXPECT_EQ(p.InputMute, 0x24);

  // Mixed sides and stray channels are ignored; nothing is ever sent.
  const PresetImage before = p;
  unit.CopyChannel(5, 9);
  unit.CopyChannel(18, 2);
  unit.CopyChannel(2, 16);
  EXPECT_TRUE(p == before);
  EXPECT_TRUE(host.sent.empty());
}

TEST(NoHost, SettersOnlyStore) {
  LUnitControl unit;
  unit.SetGain(0, 99);
  unit.SetPeqBand(0, 0, 0x00100010, 0, 0);
  unit.SetAec(0, 1);
  EXPECT_EQ(unit.GetGain(0), 99);
  EXPECT_FALSE(unit.IsUpdating());
}

class Entries : public Setters {
 protected:
  Entries() : entries(unit) {}
  UnitEntries entries;
};

TEST_F(Entries, ReplaceOneWordAndSend) {
  entries.SetComp(9, 0, -20);  // threshold -20 -> 160
  entries.SetComp(9, 3, 7);    // ratio
  EXPECT_EQ(unit.GetComp(9).First, 7u | 49u << 16);
  EXPECT_EQ(unit.GetComp(9).Second, 199u | 160u << 16);
  EXPECT_EQ(ToHex(host.sent.back().Cmd.GetPayload()), "09 07 00 31 00 C7 00 A0 00");

  entries.SetAgc(2, 4, -10);   // target
  entries.SetAgc(2, 2, 300);   // release
  EXPECT_EQ(unit.GetAgc(2).Target, 170);
  EXPECT_EQ(unit.GetAgc(2).Second, 300u | 180u << 16);

  entries.SetGate(2, 0, -60);
  entries.SetGate(2, 1, 5);
  EXPECT_EQ(unit.GetGate(2).Threshold, 120);
  EXPECT_EQ(unit.GetGate(2).First, 5u | 2999u << 16);

  unit.SetEffectState(1, 10);
  entries.SetEffectVolume(66);
  EXPECT_EQ(ToHex(host.sent.back().Cmd.GetPayload()), "01 42");
}

TEST_F(Entries, DoNothingWhileLoading) {
  host.updating = true;
  entries.SetComp(9, 0, -20);
  entries.SetAgc(2, 4, -10);
  entries.SetGate(2, 0, -60);
  entries.SetCameraGate(1, 2, 3);
  entries.SetAutoMix(1, 2, 3);
  entries.SetAutoMixWeight(0, 1);
  entries.SetAec(0, 7);  // the setter would send this one even while loading
  entries.SetSubCtrl(0, 5);
  entries.SetGroupCtrl(0, 5);
  EXPECT_TRUE(unit.GetPresetImage() == DefaultPresetImage());
  EXPECT_EQ(unit.GetGroupCtrl(0), GroupCtrlEntry{});
  EXPECT_TRUE(host.sent.empty());

  // The volume entry leaves the test to the setter: stored, not sent.
  entries.SetEffectVolume(66);
  EXPECT_EQ(unit.GetPresetImage().Effect.EffectVolume, 66);
  EXPECT_TRUE(host.sent.empty());
}

}  // namespace
