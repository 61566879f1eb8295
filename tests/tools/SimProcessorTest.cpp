// The simulated processor: its answers, its state and its fault knobs.
#include "link/FrameAssembler.h"
#include "link/Lcmd.h"
#include "model/Codecs.h"
#include "model/Lunitcontrol.h"
#include "model/PresetImage.h"
#include "simproc/SimProcessor.h"
#include "simproc/SimReplyShaper.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// Requests as the editor writes them (ID in byte 3).
Bytes Request(const LCmd& cmd) { return cmd.BuildFrame(1); }

struct Reply {
  int id = -1;
  int code = -1;
  Bytes payload;
};

Reply Ask(SimProcessor& sim, const LCmd& cmd) {
  std::optional<Bytes> frame = sim.Answer(Request(cmd));
  if (!frame) return {};
  std::optional<LCmd> read = ReadFrame(*frame);
  EXPECT_TRUE(read) << "reply is a readable frame";
  if (!read) return {};
  return {read->GetDeviceId(), read->GetCode(), read->GetPayload()};
}

std::string Text(const Bytes& bytes, std::size_t from = 0) { return std::string(bytes.begin() + from, bytes.end()); }

TEST(SimProcessorTest, AnswersTheConnectAndUploadRequests) {
  SimProcessor sim(9);
  sim.StorePreset(5);
  struct Case {
    LCmd request;
    int replyCode;
    std::size_t payloadSize;
  } cases[] = {
      {CM_MCS_CMD(1, 0x10), 0x10, 0},     {CM_MCS_CMD(1, 0x13), 0x13, 11},   {CM_MCS_CMD(1, 0x14), 0x14, 1},
      {CM_MCS_CMD(1, 0x22), 0x22, 21},    {CM_MCS_CMD(1, 0x29, 5), 0x29, 15}, {CM_MCS_CMD(1, 0x6C, 0), 0x6C, 24},
      {CM_MCS_CMD(1, 0x27, 30), 0x24, 51}, {CM_MCS_CMD(1, 0xB0), 0xB0, 4},    {CM_MCS_CMD(1, 0x12), 0x01, 0},
      {CM_MCS_CMD(1, 0x11), 0x01, 0},     {CM_MCS_GAIN(1, 0, 280), 0x01, 0}, {CM_MCS_CMD(1, 0x40), 0x40, 33},
      {CM_MCS_CMD(1, 0x0F), 0x0F, 0},     {CM_MCS_CMD(1, 0x24, 6), 0x01, 0}, {CM_MCS_CMD(1, 0x28, 0), 0x28, 51},
  };
  for (const Case& c : cases) {
    const Reply reply = Ask(sim, c.request);
    EXPECT_EQ(reply.id, 9) << "request 0x" << std::hex << int(c.request.GetCode());
    EXPECT_EQ(reply.code, c.replyCode) << "request 0x" << std::hex << int(c.request.GetCode());
    EXPECT_EQ(reply.payload.size(), c.payloadSize) << "request 0x" << std::hex << int(c.request.GetCode());
  }
  EXPECT_EQ(Text(Ask(sim, CM_MCS_CMD(1, 0x13)).payload), "QRV512 V011");
  const Bytes flags = Ask(sim, CM_MCS_CMD(1, 0x22)).payload;
  EXPECT_EQ(std::count(flags.begin(), flags.end(), 255), 1);
  EXPECT_EQ(flags[5], 255);
  EXPECT_EQ(Text(Ask(sim, CM_MCS_CMD(1, 0x29, 5)).payload, 1), "Default Preset");
  EXPECT_EQ(Ask(sim, CM_MCS_CMD(1, 0x6C, 0)).payload[3], 100) << "group volume 100 %";
  EXPECT_EQ(sim.Requests().size(), std::size(cases) + 4);
}

TEST(SimProcessorTest, BlocksCarryTheDefaultStream) {
  SimProcessor sim;
  const SimProcessor::Stream s = SimProcessor::DefaultStream();
  EXPECT_EQ(std::string(s.begin() + 2, s.begin() + 16), "Default Preset");
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(s.data() + 16 + 72 * 2)), "In3");
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(s.data() + 708 + 94 * 7)), "Out8");
  EXPECT_EQ(s[16 + 72 * 3 + 70], 8) << "input D links itself";
  EXPECT_EQ(s[708 + 86] | (s[708 + 87] << 8), 280) << "output 1 gain 0 dB";
  EXPECT_EQ(s[592 + 12], 55) << "effect volume";
  EXPECT_EQ(s[1514], 1) << "memorize mode";
  Bytes all;
  for (int n = 0; n < SimProcessor::kBlocks; ++n) {
    const Reply block = Ask(sim, CM_MCS_CMD(1, 0x27, static_cast<std::uint8_t>(n)));
    ASSERT_EQ(block.payload[0], n);
    all.insert(all.end(), block.payload.begin() + 1, block.payload.end());
  }
  EXPECT_TRUE(std::equal(all.begin(), all.end(), s.begin(), s.end()));
}

TEST(SimProcessorTest, StoreRecallAndStoredPresetReads) {
  SimProcessor sim;
  const std::uint8_t name[14] = {'L', 'e', 'c', 't', 'u', 'r', 'e', ' ', ' ', ' ', ' ', ' ', ' ', ' '};
  Ask(sim, CM_MCS_GAIN(1, 9, 300));
  Ask(sim, CM_MCS_PRESETNAME(1, name));
  Ask(sim, CM_MCS_MUTE(1, 2, 1));
  EXPECT_EQ(Ask(sim, CM_MCS_CMD(1, 0x21, 3)).code, 0x01);
  EXPECT_TRUE(sim.IsStored(2));
  EXPECT_EQ(sim.PresetName(2), "Lecture       ");
  EXPECT_EQ(sim.CurrentPreset(), 3);

  Ask(sim, CM_MCS_CMD(1, 0x20, 0));  // factory preset
  EXPECT_EQ(sim.CurrentStream(), SimProcessor::DefaultStream());
  Ask(sim, CM_MCS_CMD(1, 0x20, 3));
  const SimProcessor::Stream s = sim.CurrentStream();
  EXPECT_EQ(s[708 + 94 + 86] | (s[708 + 94 + 87] << 8), 300);
  EXPECT_EQ(s[1460], 0x04) << "input C muted";

  Ask(sim, CM_MCS_CMD(1, 0x24, 3));
  const Reply block = Ask(sim, CM_MCS_CMD(1, 0x28, 0));
  EXPECT_EQ(block.payload[1], 0xFF) << "stored marker";
  EXPECT_EQ(Text(Bytes(block.payload.begin() + 3, block.payload.begin() + 17)), "Lecture       ");

  const Bytes data(50, 0x77);
  EXPECT_EQ(Ask(sim, CM_MCS_DOWNLOAD(1, 20, 4, 50, data)).payload, Bytes{4});
  EXPECT_EQ(sim.StoredStream(20)[200], 0x77);
  Ask(sim, CM_MCS_WRITE_EEPROM(1, 1, 3, Bytes{7, 8, 9}));
  EXPECT_EQ(Ask(sim, CM_MCS_READ_EEPROM(1, 0, 4)).payload, (Bytes{0, 7, 8, 9}));
  Ask(sim, CM_MCS_CMD(1, 0xBB, 7));
  EXPECT_EQ(sim.DeviceId(), 7);
  Ask(sim, CM_MCS_CMD(1, 0x23));
  EXPECT_FALSE(sim.IsStored(2));
}

TEST(SimProcessorTest, PasswordAndMeters) {
  SimProcessor sim;
  const std::uint8_t pass[4] = {'a', 'b', 'c', 'd'};
  const std::uint8_t wrong[4] = {'a', 'b', 'c', 'x'};
  Ask(sim, CM_MCS_SET_LOCK(1, pass));
  EXPECT_EQ(Ask(sim, CM_MCS_PASS_SUBMIT(1, 0, wrong)).payload, (Bytes{0, 0}));
  EXPECT_EQ(Ask(sim, CM_MCS_PASS_SUBMIT(1, 0, pass)).payload, (Bytes{0, 1}));
  const Bytes first = Ask(sim, CM_MCS_CMD(1, 0x40)).payload;
  const Bytes second = Ask(sim, CM_MCS_CMD(1, 0x40)).payload;
  EXPECT_NE(first, second) << "levels move";
  for (std::size_t c = 0; c < 17; ++c) EXPECT_LE(static_cast<std::int8_t>(first[c]), 0);
}

TEST(SimProcessorTest, StartPasswordIsTheOneChecked) {
  SimProcessor sim;
  const std::uint8_t zeros[4] = {'0', '0', '0', '0'};
  const std::uint8_t given[4] = {'1', '2', 0, 0};
  sim.SetPassword({'1', '2', 0, 0});
  EXPECT_EQ(Ask(sim, CM_MCS_PASS_SUBMIT(1, 0, zeros)).payload, (Bytes{0, 0}));
  EXPECT_EQ(Ask(sim, CM_MCS_PASS_SUBMIT(1, 0, given)).payload, (Bytes{0, 1}));
  Ask(sim, CM_MCS_SET_LOCK(1, zeros));
  EXPECT_EQ(sim.Password(), (std::array<std::uint8_t, 4>{'0', '0', '0', '0'}));
}

TEST(SimProcessorTest, FaultsAndByteStream) {
  SimProcessor sim(3);
  const Bytes connect = Request(CM_MCS_CMD(1, 0x10));
  // Requests may arrive in any pieces, several at once.
  Bytes two = connect;
  two.insert(two.end(), connect.begin(), connect.end());
  EXPECT_TRUE(sim.Receive(std::span(two).first(4)).empty());
  EXPECT_EQ(sim.Receive(std::span(two).subspan(4)).size(), 2u);

  SimFaults faults;
  faults.ReplyDeviceId = 8;
  sim.SetFaults(faults);
  EXPECT_EQ(Ask(sim, CM_MCS_CMD(1, 0x10)).id, 8);
  faults.Silent = true;
  sim.SetFaults(faults);
  EXPECT_FALSE(sim.Answer(connect));
  EXPECT_EQ(sim.Requests().size(), 4u) << "silence still hears";

  // A delay from the read's first request on: the connect goes at full speed.
  faults = SimFaults();
  faults.DelayMs = 2500;
  faults.DelayFrom = 0x22;
  sim.SetFaults(faults);
  Ask(sim, CM_MCS_CMD(1, 0x10));
  EXPECT_EQ(sim.Faults().DelayMs, 0);
  Ask(sim, CM_MCS_CMD(1, 0x22));
  EXPECT_EQ(sim.Faults().DelayMs, 2500);
}

TEST(SimReplyShaperTest, PiecesRunTogetherGarbageAndDelay) {
  const Bytes a = SimProcessor::ReplyFrame(1, 0x10);
  const Bytes b = SimProcessor::ReplyFrame(1, 0x13, Bytes{'Q', 'R', 'V'});
  SimReplyShaper shaper;
  SimFaults faults;
  faults.SplitPieces = 3;
  faults.PieceGapMs = 7;
  faults.DelayMs = 40;
  auto chunks = shaper.Shape({b}, faults);
  ASSERT_EQ(chunks.size(), 3u);
  EXPECT_EQ(chunks[0].DelayMs, 40);
  EXPECT_EQ(chunks[2].DelayMs, 7);
  Bytes joined;
  for (const auto& c : chunks) joined.insert(joined.end(), c.Data.begin(), c.Data.end());
  EXPECT_EQ(joined, b);

  faults = SimFaults();
  faults.RunTogether = 2;
  EXPECT_TRUE(shaper.Shape({a}, faults).empty());
  EXPECT_EQ(shaper.Held(), 1u);
  chunks = shaper.Shape({b}, faults);
  ASSERT_EQ(chunks.size(), 1u);
  Bytes both = a;
  both.insert(both.end(), b.begin(), b.end());
  EXPECT_EQ(chunks[0].Data, both);

  // Garbage holds DLE bytes and false starts, and a reader still finds
  // exactly the replies behind it, however much of it comes first.
  faults = SimFaults();
  for (int count : {1, 2, 5, 40, 500}) {
    faults.GarbageBytes = count;
    chunks = shaper.Shape({a, b}, faults);
    ASSERT_EQ(chunks.size(), 2u);
    const Bytes& first = chunks[0].Data;
    ASSERT_EQ(first.size(), std::size_t(count) + a.size());
    EXPECT_TRUE(std::equal(a.begin(), a.end(), first.begin() + count));
    FrameAssembler reader(1024);
    Bytes stream = first;
    stream.insert(stream.end(), chunks[1].Data.begin(), chunks[1].Data.end());
    EXPECT_EQ(reader.Push(stream), (std::vector<Bytes>{a, b})) << count;
  }
  faults.GarbageBytes = 500;
  const Bytes noise = shaper.Shape({a}, faults)[0].Data;
  const auto end = noise.begin() + 500;
  EXPECT_GT(std::count(noise.begin(), end, 0x10), 20);
  const Bytes falseStart{0x10, 0x02};
  EXPECT_NE(std::search(noise.begin(), end, falseStart.begin(), falseStart.end()), end);
}

}  // namespace

namespace {

TEST(SimProcessorSeed, CurrentPresetAndStreamAsSet) {
  SimProcessor sim;
  sim.SetCurrentPreset(7);
  EXPECT_EQ(Ask(sim, CM_MCS_CMD(1, 0x14)).payload, Bytes{7});
  SimProcessor::Stream s = SimProcessor::DefaultStream();
  s[16 + 72 * 2 + 9] = 0;  // input C at line level
  s[16 + 72 * 2 + 8] = 1;  // phantom byte
  sim.SetCurrentStream(s);
  const Reply block = Ask(sim, CM_MCS_CMD(1, 0x27, 3));
  ASSERT_EQ(block.payload.size(), 51u);
  EXPECT_TRUE(std::equal(block.payload.begin() + 1, block.payload.end(), s.begin() + 150));
  EXPECT_EQ(sim.CurrentStream(), s);
}

TEST(SimProcessorSeed, GroupControlsFromHexAsReported) {
  SimProcessor sim;
  EXPECT_EQ(Ask(sim, CM_MCS_CMD(1, 0x6C, 0)).payload[0], 100);
  const std::string hex = "3201030a0080" + std::string(36, '0');
  const auto groups = SimProcessor::ParseGroupControls(hex);
  ASSERT_TRUE(groups);
  sim.SetGroupControls(*groups);
  const Bytes reply = Ask(sim, CM_MCS_CMD(1, 0x6C, 0)).payload;
  ASSERT_EQ(reply.size(), 24u);
  EXPECT_EQ(Bytes(reply.begin(), reply.begin() + 6), (Bytes{0x32, 0x01, 0x03, 0x0A, 0x00, 0x80}));
  EXPECT_TRUE(SimProcessor::ParseGroupControls("3201030A0080" + std::string(36, 'F')));
  for (const std::string& bad : {hex.substr(1), hex + "0", "3201030g0080" + std::string(36, '0'), std::string()})
    EXPECT_FALSE(SimProcessor::ParseGroupControls(bad)) << bad;
}

}  // namespace

namespace {

// The processor's channel copy: settings, band-bypass word and the mute and
// equaliser-bypass bits go over; the destination keeps its name, routing,
// mix levels and link mask. Other sides and stray channels change nothing.
TEST(SimProcessorCopy, CopiesTheSettingsOfOneChannelOntoAnother) {
  SimProcessor sim;
  SimProcessor::Stream s = SimProcessor::DefaultStream();
  const int inA = 16, inC = 16 + 72 * 2;
  for (int i = 8; i < 70; ++i) s[inA + i] = static_cast<std::uint8_t>(i);
  s[1466] = 0x15;                   // input A's band-bypass word
  s[1460] = 0x01;                   // input A muted
  s[1516] = 0x01;                   // input A's equaliser bypassed
  const int out1 = 708, out2 = 708 + 94;
  for (int i = 8; i < 92; ++i) s[out1 + i] = static_cast<std::uint8_t>(200 - i);
  sim.SetCurrentStream(s);

  EXPECT_EQ(Ask(sim, CM_MCS_CMD(1, 0x2A, 0, 2)).code, 0x01);
  EXPECT_EQ(Ask(sim, CM_MCS_CMD(1, 0x2A, 8, 9)).code, 0x01);
  const SimProcessor::Stream after = sim.CurrentStream();
  EXPECT_TRUE(std::equal(after.begin() + inC + 8, after.begin() + inC + 70, s.begin() + inA + 8));
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(after.data() + inC)), "In3");
  EXPECT_EQ(after[inC + 70], 0x04) << "C keeps its link mask";
  EXPECT_EQ(after[1466 + 4], 0x15);
  EXPECT_EQ(after[1460], 0x05);
  EXPECT_EQ(after[1516], 0x05);
  EXPECT_TRUE(std::equal(after.begin() + out2 + 28, after.begin() + out2 + 92, s.begin() + out1 + 28));
  EXPECT_TRUE(std::equal(after.begin() + out2, after.begin() + out2 + 28, s.begin() + out2))
      << "name, routing and mix levels stay";
  EXPECT_EQ(after[out2 + 92], s[out2 + 92]) << "output link mask stays";

  for (auto [from, to] : {std::pair{0, 9}, {9, 0}, {2, 2}, {18, 3}, {3, 16}}) {
    const SimProcessor::Stream before = sim.CurrentStream();
    Ask(sim, CM_MCS_CMD(1, 0x2A, static_cast<std::uint8_t>(from), static_cast<std::uint8_t>(to)));
    EXPECT_EQ(sim.CurrentStream(), before) << from << " -> " << to;
  }
}

}  // namespace

namespace {

// The editor's image as the reference of where each command lands: every
// setter sends its command on to the simulated processor.
class ForwardingHost : public UnitControlHost {
 public:
  explicit ForwardingHost(SimProcessor& sim) : sim_(sim) {}
  std::uint8_t GetDeviceId() const override { return 1; }
  bool IsUpdating() const override { return false; }
  void SendCommand(const LCmd& cmd, bool) override { sim_.Answer(cmd.BuildFrame(1)); }
  void MarkCurveDirty(int) override {}

 private:
  SimProcessor& sim_;
};

// Stream bytes 2-1521 of both, with the first differing offset named.
void ExpectSameStream(const SimProcessor& sim, const LUnitControl& image) {
  const SimProcessor::Stream got = sim.CurrentStream();
  const StreamBytes want = image.EncodeStream();
  for (std::size_t i = kStreamNameOffset; i < kStreamSize; ++i)
    ASSERT_EQ(got[i], want[i]) << "stream byte " << i;
}

}  // namespace

TEST(SimProcessorParameters, EveryParameterCommandLandsWhereTheImageStoresIt) {
  SimProcessor sim;
  ForwardingHost host(sim);
  LUnitControl image(&host);
  // Inputs B, C, D under B; outputs 3 and 6 under 3: the commands name one
  // channel of a group and change all of it.
  image.SetLinkMask(1, 0x000E);
  image.SetLinkMask(2, 0);
  image.SetLinkMask(3, 0);
  image.SetLinkMask(10, 0x0024);
  image.SetLinkMask(13, 0);
  for (int c : {2, 13, 18}) {  // a member, a member, the effect channel
    image.SetGain(c, 333);
    image.SetMute(c, 1);
    image.SetPeqBand(c, 3, 0x01230045u, 0x0541, 1);
    image.SetPeqBand(c, 1, 0x00FA00EFu, 0x0764, 0);
    image.SetComp(c, 0x00220011u, 0x00440033u);
  }
  for (int c : {3, 10}) {
    image.SetPolarity(c, 1);
    image.SetHighPass(c, 0x00C80007u, 0);
    image.SetLowPass(c, 0, 0x012C0014u);
  }
  image.SetGate(2, 0x00220011u, 0x0099);
  image.SetAgc(3, 0x00020001u, 0x00040003u, 0x0005);
  image.SetFeedbackLevel(1, 3);
  image.SetLineMic(2, 17);
  image.SetPhantom(3, 1);
  image.SetLineMic(5, 9);
  image.SetPhantom(5, 1);
  image.SetLineMic(5, 0);  // line level drops the phantom power
  image.SetDelay(13, 12345);
  image.SetDelay(4, 999);  // an input's delay has no place in the stream
  image.SetDelayUnit(2);
  image.SetMixLevel(11, 8, 155);
  image.SetMatrix(9, 0x0103);
  image.SetAutoMix(0x00110022u, 0x00FF0033u, 0x0044);
  image.SetMixGate(0x00550066u, 0x00FF0077u, 0x0088);
  image.SetMatrix(18, 0x0035);  // automix and camera keep only the bus inputs
  image.SetChannelName(7, ChannelNameToDevice("Podium"));
  image.SetSubCtrl(1, 0x12345678u);
  image.SetEffectState(1, 77);
  image.SetAutoMixWeight(6, 301);
  image.SetCameraDefault(4);
  image.SetAec(2, 9);
  image.SetGroupCtrl(5, 0x00030150u);
  image.SetLinkMask(6, 0x00C0);
  ExpectSameStream(sim, image);
  EXPECT_EQ(sim.GroupControls()[15], 0x50);

  // The equaliser bypass is sent by its page for the group the image marks.
  ForwardingHost(sim).SendCommand(CM_MCS_CMD(1, 0x3C, 2, 1), false);
  image.SetEqBypassMask(2, 0x000E);
  ForwardingHost(sim).SendCommand(CM_MCS_CMD(1, 0x3C, 13, 1), false);
  image.SetEqBypassMask(13, 0x0024);
  ExpectSameStream(sim, image);
}
