#include "model/Lunitcontrol.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "FakeUnitHost.h"

namespace {

// A current-parameter stream (1550 bytes as the processor sends it) of an
// image that differs from the default everywhere it can be seen.
std::vector<std::uint8_t> SampleStream() {
  PresetImage p = DefaultPresetImage();
  p.Name = PresetNameToDevice("Stage Left");
  p.Inputs[4].Gain = 250;
  p.Outputs[6].Delay = 480;
  p.Effect.EffectVolume = 70;
  p.TestSource = 3;
  p.MemorizeMode = 2;
  p.EffectEqBypass = 1;
  const StreamBytes s = EncodeStream(p);
  std::vector<std::uint8_t> stream(kStagingSize, 0);
  std::copy(s.begin(), s.end(), stream.begin());
  stream[0] = 0xFF;  // the processor's marker bytes never enter the image
  stream[1] = 0x33;
  return stream;
}

Bytes Block(const std::vector<std::uint8_t>& stream, int n, std::size_t size = kBlockSize) {
  Bytes payload{static_cast<std::uint8_t>(n)};
  const std::size_t start = static_cast<std::size_t>(n) * kBlockSize;
  for (std::size_t i = 0; i < size; ++i) payload.push_back(start + i < stream.size() ? stream[start + i] : 0);
  return payload;
}

TEST(UnitControl, FreshImageAnswersTheDefaults) {
  const LUnitControl unit;
  EXPECT_EQ(unit.GetGain(8), 280);
  EXPECT_EQ(unit.GetGain(0), 0);
  EXPECT_EQ(unit.GetGain(18), 280);
  EXPECT_EQ(unit.GetChannelLinkMask(3), 8);
  const PeqBand band = unit.GetPeqBand(0, 2);
  EXPECT_EQ(band.BandWord(), 120u | 148u << 16);
  EXPECT_EQ(band.ShapeWord(), 25);
  EXPECT_EQ(unit.GetPresetNameText(), "Default Preset");
  EXPECT_EQ(unit.GetChannelNameText(18), "Aux");
  EXPECT_EQ(unit.GetMatrix(10), 4);
  EXPECT_EQ(unit.GetHighLowPass(9).HighCut, 300u << 16);
  EXPECT_EQ(unit.GetComp(18).Second, 199u | 220u << 16);
  EXPECT_EQ(unit.GetAgc(2).First, 0u | 49u << 16);
  EXPECT_EQ(unit.GetAgc(2).Target, 180);
  EXPECT_EQ(unit.GetGate(2).First, 0u | 2999u << 16);
  EXPECT_EQ(unit.GetMixLevel(15, 8), 280);
  EXPECT_EQ(unit.GetSubCtrl(0), 100u);
  EXPECT_EQ(unit.GetMemorizeMode(), 1);
  EXPECT_EQ(unit.GetGroupCtrl(7), (GroupCtrlEntry{100, 0, 0}));
  EXPECT_EQ(unit.GetDefaultPeqBand(12, 6).Frequency, 270);
  EXPECT_FALSE(unit.IsPresetStored(0));
}

TEST(UnitControl, ChannelsThatNameNoFieldReadAsZero) {
  const LUnitControl unit;
  for (int c : {-1, 16, 17, 19, 255}) {
    SCOPED_TRACE(c);
    EXPECT_EQ(unit.GetGain(c), 0);
    EXPECT_EQ(unit.GetChannelLinkMask(c), 0);
    EXPECT_EQ(unit.GetPeqBand(c, 0), PeqBand{});
    EXPECT_FALSE(unit.GetMute(c));
    EXPECT_EQ(unit.GetChannelName(c), ChannelNameField{});
  }
  EXPECT_EQ(unit.GetPeqBand(0, 5), PeqBand{});   // inputs have bands 0-4
  EXPECT_EQ(unit.GetPeqBand(8, 6).Frequency, 270);
  EXPECT_EQ(unit.GetPeqBand(8, 7), PeqBand{});
  EXPECT_EQ(unit.GetDelay(3), 0);                // inputs keep no delay
  EXPECT_EQ(unit.GetMixLevel(8, 9), 0);
  EXPECT_EQ(unit.GetGroupCtrl(8), GroupCtrlEntry{});
}

TEST(UnitControl, RawCodesStayInTheImage) {
  // Codes outside the tables are kept; only their display is clamped.
  LUnitControl unit;
  std::vector<std::uint8_t> stream = SampleStream();
  const std::size_t band = kStreamInputOffset + 28;  // input 0, band 0
  stream[band + 4] = 0xC8;                           // Q code 200
  stream[band + 5] = 0x2A;                           // type 42
  for (int n = 0; n < kBlockCount; ++n) unit.ApplyParameterBlock(Block(stream, n));
  const PeqBand b = unit.GetPeqBand(0, 0);
  EXPECT_EQ(b.Q, 200);
  EXPECT_EQ(b.Type, 42);
  EXPECT_EQ(CodeToQ(b.Q), 128.0);
}

TEST(ParameterBlocks, DecodeOnlyWhenBlock30Arrives) {
  LUnitControl unit;
  const std::vector<std::uint8_t> stream = SampleStream();
  std::vector<int> order(30);
  for (int n = 0; n < 30; ++n) order[static_cast<std::size_t>(n)] = n;
  std::shuffle(order.begin(), order.end(), std::mt19937(30));
  for (int n : order) {
    unit.ApplyParameterBlock(Block(stream, n));
    ASSERT_TRUE(unit.GetPresetImage() == DefaultPresetImage()) << "decoded early at block " << n;
  }
  unit.ApplyParameterBlock(Block(stream, 30));

  PresetImage expected;
  DecodeStream(std::span(stream).subspan(0, kStreamSize), 0, expected);
  expected.StoredMarker = 0;
  expected.Reserved = 0;
  EXPECT_TRUE(unit.GetPresetImage() == expected);
  EXPECT_EQ(unit.GetPresetNameText(), "Stage Left");
  EXPECT_EQ(unit.GetGain(4), 250);
  EXPECT_EQ(unit.GetDelay(14), 480);
  EXPECT_EQ(unit.GetTestSource(), 3);     // fields after 1507 come too
  EXPECT_EQ(unit.GetMemorizeMode(), 2);
  EXPECT_EQ(unit.GetEqBypassMask(18), 1);
  EXPECT_EQ(unit.GetPresetImage().StoredMarker, 0);
}

TEST(ParameterBlocks, StrayBlocksNeverWriteOutsideTheBuffer) {
  LUnitControl unit;
  const std::vector<std::uint8_t> stream = SampleStream();
  for (int n = 0; n < 30; ++n) unit.ApplyParameterBlock(Block(stream, n));

  // Neither a block number past 30 nor an oversized payload may reach past
  // the staging buffer (the sanitiser build checks the memory).
  Bytes stray(300, 0xAB);
  stray[0] = 200;
  unit.ApplyParameterBlock(stray);
  stray[0] = 31;
  unit.ApplyParameterBlock(stray);
  unit.ApplyParameterBlock({});
  unit.ApplyPresetBlock(5, stray);
  EXPECT_TRUE(unit.GetPresetImage() == DefaultPresetImage());
  EXPECT_EQ(unit.GetStoredPresetRecord(5), StoredPresetRecord{});

  // Block 30 with 300 bytes: the 50 that fit are taken.
  Bytes last = Block(stream, 30);
  last.resize(301, 0xCD);
  unit.ApplyParameterBlock(last);
  EXPECT_EQ(unit.GetGain(4), 250);
  EXPECT_EQ(unit.GetEqBypassMask(18), 1);
}

TEST(PresetBlocks, FillTheSlotRecordAndLeaveTheCurrentPreset) {
  LUnitControl unit;
  std::vector<std::uint8_t> stream = SampleStream();
  for (int n = 0; n < 30; ++n) unit.ApplyPresetBlock(3, Block(stream, n));
  EXPECT_EQ(unit.GetStoredPresetRecord(3), StoredPresetRecord{});
  unit.ApplyPresetBlock(3, Block(stream, 30, 8));  // stored presets end at 1507

  const StoredPresetRecord& record = unit.GetStoredPresetRecord(3);
  EXPECT_EQ(record[0], 3);
  // Stream bytes 0-1507 as sent; the record's tail keeps what staging held.
  EXPECT_TRUE(std::equal(record.begin() + 1, record.begin() + 1 + kPresetStreamSize, stream.begin()));
  EXPECT_EQ(record[1], 0xFF);  // the stored marker is kept here
  EXPECT_TRUE(unit.GetPresetImage() == DefaultPresetImage());

  // A current-parameter transfer afterwards does not disturb the record.
  const StoredPresetRecord copy = record;
  const std::vector<std::uint8_t> other(kStagingSize, 0x5A);
  for (int n = 0; n < kBlockCount; ++n) unit.ApplyParameterBlock(Block(other, n));
  EXPECT_EQ(unit.GetStoredPresetRecord(3), copy);

  // Slots outside 1-21 are ignored.
  for (int slot : {0, 22, -1}) {
    unit.ApplyPresetBlock(slot, Block(stream, 30, 8));
    EXPECT_EQ(unit.GetStoredPresetRecord(slot), StoredPresetRecord{});
  }
}

TEST(Replies, SystemBytesFlagsAndGroupControls) {
  LUnitControl unit;
  Bytes system(25);
  for (std::size_t i = 0; i < system.size(); ++i) system[i] = static_cast<std::uint8_t>(i + 1);
  unit.ApplySystemBytes(system);
  EXPECT_EQ(unit.GetSystemBytes().front(), 1);
  EXPECT_EQ(unit.GetSystemBytes().back(), 19);

  Bytes flags(30, 0);
  flags[0] = 255;
  flags[2] = 1;  // only 255 means stored
  flags[20] = 255;
  flags[21] = 255;  // no preset 22
  unit.SetPresetFlags(flags);
  EXPECT_TRUE(unit.IsPresetStored(0));
  EXPECT_FALSE(unit.IsPresetStored(2));
  EXPECT_TRUE(unit.IsPresetStored(20));
  EXPECT_FALSE(unit.IsPresetStored(21));
  unit.MarkPresetStored(2);
  unit.MarkPresetStored(21);
  EXPECT_TRUE(unit.IsPresetStored(2));

  Bytes groups(24);
  for (std::size_t i = 0; i < groups.size(); ++i) groups[i] = static_cast<std::uint8_t>(10 + i);
  unit.ApplyGroupCtrl(groups);
  EXPECT_EQ(unit.GetGroupCtrl(0), (GroupCtrlEntry{10, 11, 12}));
  EXPECT_EQ(unit.GetGroupCtrl(7), (GroupCtrlEntry{31, 32, 33}));
  unit.ApplyGroupCtrl(Bytes{50, 1});  // short: the rest stays
  EXPECT_EQ(unit.GetGroupCtrl(0), (GroupCtrlEntry{50, 1, 12}));

  const Bytes name = {'N', 'e', 'w'};
  unit.SetPresetName(name);
  EXPECT_EQ(unit.GetPresetNameText(), "New");
  unit.LoadDefaults();
  EXPECT_EQ(unit.GetGroupCtrl(0), (GroupCtrlEntry{100, 0, 0}));
  EXPECT_EQ(unit.GetPresetNameText(), "Default Preset");
}

}  // namespace
