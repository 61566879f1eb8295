// The preset and unit file formats, the bulk load a preset file sends, the
// name rule and the saves through a temporary file.
#include <gtest/gtest.h>

#include <dirent.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>

#include "FakeUnitHost.h"
#include "model/Lunitcontrol.h"
#include "model/PresetFiles.h"

using namespace presetfiles;

namespace {

PresetImage NonDefaultImage() {
  PresetImage image = DefaultPresetImage();
  image.Inputs[2].Gain = 300;
  image.Outputs[5].Delay = 576;
  image.Outputs[7].Peq[6].Type = 4;
  image.OutputSubCtrl = 0x12345678;
  image.Effect.Aec[5] = 9;
  return image;
}

std::vector<std::string> FileNames(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) names.push_back(entry.path().filename());
  return names;
}

class TempFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/presetfiles-XXXXXX";
    folder = mkdtemp(pattern);
  }
  void TearDown() override {
    SetWriteCall({});
    std::filesystem::remove_all(folder);
  }
  std::string folder;
};

}  // namespace

TEST(PresetFile, WritesSignatureBodyAndLineEnd) {
  const FileBytes file = WritePresetFile(DefaultPresetImage());
  ASSERT_EQ(file.size(), 1524u);
  EXPECT_EQ(std::string(file.begin(), file.begin() + 16), "***QRV512V011***");
  EXPECT_EQ(std::string(file.begin() + 16, file.begin() + 30), "Default Preset");
  EXPECT_EQ(file[1522], 0x0D);
  EXPECT_EQ(file[1523], 0x0A);
  const StreamBytes stream = EncodeStream(DefaultPresetImage());
  EXPECT_TRUE(std::equal(file.begin() + 16, file.begin() + 1522, stream.begin() + 2));
}

TEST(PresetFile, RejectsWrongSizeOrSignatureAndIgnoresLineEnd) {
  FileBytes good = WritePresetFile(NonDefaultImage());
  FileBytes shortFile(good.begin(), good.end() - 1);
  FileBytes longFile = good;
  longFile.push_back(0);
  FileBytes badSignature = good;
  badSignature[15] = '+';
  FileBytes otherEnd = good;
  otherEnd[1522] = 'x';
  otherEnd[1523] = 'y';
  for (const FileBytes* bad : {&shortFile, &longFile, &badSignature}) {
    const PresetFileRead read = ReadPresetFile(*bad);
    ASSERT_NE(read.Error, nullptr);
    EXPECT_STREQ(read.Error, "SID_INFO_ERROR_FILE");
    EXPECT_TRUE(read.Body.empty());
  }
  EXPECT_EQ(ReadPresetFile(otherEnd).Error, nullptr);
  EXPECT_STREQ(ReadPresetFile(FileBytes{}).Error, "SID_INFO_ERROR_FILE");
}

TEST(PresetFile, RoundTripThroughTheUnitControlLeavesStreamBytes2To1507) {
  FakeUnitHost host;
  LUnitControl unit(&host);
  unit.LoadDefaults();
  unit.MutablePresetImage() = NonDefaultImage();
  const StreamBytes before = unit.EncodeStream();
  const FileBytes serialised = unit.SerializePreset();
  ASSERT_EQ(serialised.size(), 1522u);
  const PresetFileRead read = ReadPresetFile(WritePresetFile(unit.GetPresetImage()));
  ASSERT_EQ(read.Error, nullptr);

  LUnitControl other(&host);
  other.LoadDefaults();
  other.LoadPresetAndSend(read.Body);
  const StreamBytes after = other.EncodeStream();
  EXPECT_TRUE(std::equal(before.begin() + 2, before.begin() + 1508, after.begin() + 2));
}

// The bulk load: 379 forced commands in the processor's order, first and last
// as the processor expects them, and the effect routing word sent whole
// before its narrowed byte.
TEST(PresetFile, LoadAndSendSendsTheWholePresetInOrder) {
  FakeUnitHost host;
  host.updating = true;  // the bulk load sends all the same
  LUnitControl unit(&host);
  unit.LoadDefaults();
  FileBytes body = ReadPresetFile(WritePresetFile(DefaultPresetImage())).Body;
  body[600 - 2] = 0x05;
  body[601 - 2] = 0x01;  // routing word 0x0105

  unit.LoadPresetAndSend(body);
  ASSERT_EQ(host.sent.size(), 379u);
  for (const SentCommand& s : host.sent) EXPECT_TRUE(s.Force);
  auto frame = [&](std::size_t i) { return ToHex(host.sent[i].Cmd.BuildFrame(1)); };
  EXPECT_EQ(frame(0), "10 02 00 01 02 68 01 10 03 6B");
  EXPECT_EQ(frame(1), "10 02 00 01 0F 26 44 65 66 61 75 6C 74 20 50 72 65 73 65 74 10 03 67");
  EXPECT_EQ(frame(378), "10 02 00 01 06 5B 01 64 00 00 00 10 03 38");

  std::map<std::uint8_t, int> perCode;
  std::vector<std::size_t> routing;
  for (std::size_t i = 0; i < host.sent.size(); ++i) {
    const LCmd& cmd = host.sent[i].Cmd;
    ++perCode[cmd.GetCode()];
    if (cmd.GetCode() == 0x3A && cmd.GetPayload()[0] == 18) routing.push_back(i);
  }
  EXPECT_EQ(perCode[0x33], 101);  // 8 x 5 + 5 + 8 x 7 bands
  EXPECT_EQ(perCode[0x65], 72);
  EXPECT_EQ(perCode[0x35], 17);
  EXPECT_EQ(perCode[0x3D], 17);
  ASSERT_EQ(routing.size(), 2u);
  EXPECT_EQ(host.sent[routing[0]].Cmd.GetPayload(), Hex("12 05 01"));
  EXPECT_EQ(host.sent[routing[1]].Cmd.GetPayload(), Hex("12 05 00"));
  EXPECT_EQ(unit.GetPresetImage().Effect.BusRouting, 0x05);

  host.sent.clear();
  unit.LoadPresetAndSend(std::span(body).first(1505));
  EXPECT_TRUE(host.sent.empty());
}

// Every value of a preset file goes out in its own command, at its place in
// the processor's order. The body's bytes all differ from their neighbours,
// so any two values exchanged show; the list is written out from the order
// the processor expects, not from the loader.
TEST(PresetFile, LoadAndSendPutsEveryValueInItsPlace) {
  FakeUnitHost host;
  LUnitControl unit(&host);
  unit.LoadDefaults();
  FileBytes body(kPresetBodySize);
  for (std::size_t j = 0; j < body.size(); ++j) body[j] = static_cast<std::uint8_t>(j * 37 + 11);
  unit.LoadPresetAndSend(body);
  const PresetImage& p = unit.GetPresetImage();

  std::vector<std::pair<std::uint8_t, Bytes>> want;
  auto cmd = [&](std::uint8_t code) { want.push_back({code, {}}); };
  auto b = [&](unsigned v) { want.back().second.push_back(static_cast<std::uint8_t>(v)); };
  auto w = [&](unsigned v) { b(v), b(v >> 8); };
  auto l = [&](std::uint32_t v) { w(v), w(v >> 16); };
  auto bytes = [&](const auto& field) { for (std::uint8_t c : field) b(c); };
  auto cut = [&](std::uint8_t code, int ch, const CutFilter& f) { cmd(code), b(ch), w(f.Frequency), b(f.Slope); };
  auto mix = [&](std::uint8_t code, const MixSettings& m) { cmd(code), l(m.WordA), l(m.WordB), w(m.On); };

  cmd(0x68), b(1);
  cmd(0x26), bytes(p.Name);
  for (int i = 0; i < 8; ++i) {
    const InputChannelRecord& in = p.Inputs[i];
    cmd(0x3D), b(i), bytes(in.Name);
    cmd(0x56), b(i), b(in.Phantom);
    cmd(0x55), b(i), b(in.Sensitivity);
    cmd(0x61), b(i), b(in.FeedbackLevel);
    cmd(0x3E), b(i);
    for (auto v : in.Gate) w(v);
    cmd(0x3F), b(i);
    for (auto v : in.Agc) w(v);
    cut(0x32, i, in.LowCut);
    cut(0x31, i, in.HighCut);
    cmd(0x34), b(i), w(in.Gain);
    cmd(0x36), b(i), b(in.Polarity != 0);
    cmd(0x3B), b(i), b(in.LinkMask);
  }
  const EffectChannelRecord& fx = p.Effect;
  const std::size_t routing = kStreamEffectOffset + 8 - kStreamNameOffset;  // the stream's whole word
  cmd(0x3D), b(18), bytes(fx.Name);
  cmd(0x3A), b(18), b(body[routing]), b(body[routing + 1]);
  cmd(0x63), b(fx.EffectOn), b(fx.EffectVolume);
  cmd(0x57), b(fx.CameraDefault);
  cmd(0x3A), b(18), w(fx.BusRouting);
  for (int i = 0; i < 8; ++i) cmd(0x47), b(i), w(fx.AutoMixWeight[i]);
  mix(0x5A, fx.AutoMix);
  mix(0x64, fx.Camera);
  cmd(0x62), l(fx.Echo[0]), l(fx.Echo[1]);
  cmd(0x60), l(fx.Reverb[0]), l(fx.Reverb[1]);
  cmd(0x30), b(18);
  for (auto v : fx.Comp) w(v);
  for (int a = 0; a < 6; ++a) cmd(0x5C), b(a), b(fx.Aec[a]);
  cmd(0x34), b(18), w(fx.Gain);
  for (int k = 0; k < 8; ++k) {
    const OutputChannelRecord& out = p.Outputs[k];
    const int c = 8 + k;
    cmd(0x3D), b(c), bytes(out.Name);
    cmd(0x3A), b(c), w(out.Routing);
    for (int s = 0; s < 9; ++s) cmd(0x65), b(c), b(s), w(out.MixLevel[s]);
    cut(0x32, c, out.LowCut);
    cut(0x31, c, out.HighCut);
    cmd(0x30), b(c);
    for (auto v : out.Comp) w(v);
    cmd(0x34), b(c), w(out.Gain);
    cmd(0x36), b(c), b(out.Polarity != 0);
    cmd(0x38), b(c), w(out.Delay);
    cmd(0x3B), b(c), b(out.LinkMask);
  }
  for (int i = 0; i < 8; ++i) cmd(0x35), b(i), b(p.InputMute >> i & 1);
  cmd(0x35), b(18), b(p.EffectMute);
  for (int k = 0; k < 8; ++k) cmd(0x35), b(8 + k), b(p.OutputMute >> k & 1);
  auto bands = [&](int ch, const auto& peq, unsigned bypass) {
    for (int n = 0; n < int(peq.size()); ++n)
      cmd(0x33), b(ch), b(n), w(peq[n].Gain), w(peq[n].Frequency), b(peq[n].Q), b(peq[n].Type), b(bypass >> n & 1);
  };
  for (int i = 0; i < 8; ++i) bands(i, p.Inputs[i].Peq, p.InputBandBypass[i]);
  bands(18, fx.Peq, p.EffectBandBypass);
  for (int k = 0; k < 8; ++k) bands(8 + k, p.Outputs[k].Peq, p.OutputBandBypass[k]);
  cmd(0x5B), b(0), l(p.InputSubCtrl);
  cmd(0x5B), b(1), l(p.OutputSubCtrl);

  ASSERT_EQ(want.size(), 379u);
  ASSERT_EQ(host.sent.size(), want.size());
  for (std::size_t i = 0; i < want.size(); ++i) {
    const LCmd& sent = host.sent[i].Cmd;
    ASSERT_EQ(std::make_pair(sent.GetCode(), sent.GetPayload()), want[i]) << "command " << i;
  }
}

TEST(UnitFile, WritesStoredRecordsAndFillsTheRest) {
  SystemBytes system{};
  for (std::size_t i = 0; i < system.size(); ++i) system[i] = static_cast<std::uint8_t>(0xA0 + i);
  UnitRecords records{};
  for (int r : {2, 6}) {
    records[static_cast<std::size_t>(r)].fill(0x11);
    records[static_cast<std::size_t>(r)][0] = static_cast<std::uint8_t>(r + 1);
    records[static_cast<std::size_t>(r)][1] = 0xFF;
  }
  const FileBytes file = WriteUnitFile(system, records, [](int r) { return r == 2 || r == 6; });
  ASSERT_EQ(file.size(), 31955u);
  EXPECT_EQ(std::string(file.begin(), file.begin() + 16), "***QRV512V011***");
  EXPECT_TRUE(std::equal(system.begin(), system.end(), file.begin() + 16));
  for (int r = 0; r < 21; ++r) {
    const std::size_t at = 35 + 1520 * static_cast<std::size_t>(r);
    if (r == 2 || r == 6) {
      EXPECT_EQ(file[at], r + 1);
      EXPECT_EQ(file[at + 1], 0xFF);
    } else {
      EXPECT_TRUE(std::all_of(file.begin() + static_cast<long>(at), file.begin() + static_cast<long>(at + 1518),
                              [](std::uint8_t b) { return b == 0x64; }))
          << r;
    }
    EXPECT_EQ(file[at + 1518], 0x0D);
    EXPECT_EQ(file[at + 1519], 0x0A);
  }
  const UnitFileRead read = ReadUnitFile(file);
  ASSERT_EQ(read.Error, nullptr);
  EXPECT_EQ(read.Data.System, system);
  EXPECT_EQ(read.Data.Records[2], records[2]);
  EXPECT_EQ(read.Data.Records[0][0], 0x64);
}

// The last record needs no line end; anything shorter would be read past.
TEST(UnitFile, NeedsAll21RecordsAndTheSignature) {
  const FileBytes full = WriteUnitFile({}, {}, {});
  struct Case {
    std::size_t size;
    bool accepted;
  };
  for (const Case c : {Case{31912, false}, Case{31913, false}, Case{31930, false}, Case{31952, false},
                       Case{31953, true}, Case{31955, true}, Case{40000, true}}) {
    FileBytes file = full;
    file.resize(c.size, 0x77);
    const UnitFileRead read = ReadUnitFile(file);
    EXPECT_EQ(read.Error == nullptr, c.accepted) << c.size;
    if (!c.accepted) {
      EXPECT_STREQ(read.Error, "SID_INFO_ERROR_DOWNLAOD");
    }
  }
  FileBytes badSignature = full;
  badSignature[0] = '#';
  EXPECT_STREQ(ReadUnitFile(badSignature).Error, "SID_INFO_ERROR_DOWNLAOD");
}

TEST(FileNames, ExtensionRuleCutsTheFileNameOnly) {
  struct Case {
    const char* in;
    const char* ext;
    const char* out;
  };
  for (const Case c : {Case{"a.UNT", "unt", "a.unt"}, Case{"a.Unt", "unt", "a.Unt.unt"},
                       Case{"a.unt", "unt", "a.unt"}, Case{"a", "unt", "a.unt"},
                       Case{"room.untitled.x", "unt", "room.unt"}, Case{"/x.untitled/b", "unt", "/x.untitled/b.unt"},
                       Case{"/home/u/p.PRS", "prs", "/home/u/p.prs"}, Case{"q.prs.bak", "prs", "q.prs"},
                       Case{"/d.prs/e", "prs", "/d.prs/e.prs"}}) {
    EXPECT_EQ(WithExtension(c.in, c.ext), c.out) << c.in;
  }
}

TEST_F(TempFolder, SaveReplacesTheFileAndLeavesNoTemporary) {
  const std::string path = folder + "/a.prs";
  const FileBytes first(100, 1), second(1524, 2);
  ASSERT_TRUE(SaveFileAtomically(path, first));
  ASSERT_TRUE(SaveFileAtomically(path, second));
  EXPECT_EQ(ReadWholeFile(path, 4096), second);
  EXPECT_EQ(FileNames(folder), std::vector<std::string>{"a.prs"});
  EXPECT_FALSE(ReadWholeFile(path, 1000).has_value());  // longer than the limit
  EXPECT_FALSE(ReadWholeFile(folder + "/missing", 4096).has_value());
}

TEST_F(TempFolder, FailedSaveKeepsTheOldFileAndRemovesTheTemporary) {
  const std::string path = folder + "/a.unt";
  const FileBytes old(31955, 7), fresh(31955, 9);
  ASSERT_TRUE(SaveFileAtomically(path, old));
  std::size_t written = 0;
  SetWriteCall([&written](int fd, const std::uint8_t* data, std::size_t size) -> long {
    if (written >= 10000) {
      errno = ENOSPC;
      return -1;
    }
    const std::size_t now = std::min<std::size_t>(size, 4000);
    written += now;
    return ::write(fd, data, now);
  });
  EXPECT_FALSE(SaveFileAtomically(path, fresh));
  EXPECT_EQ(ReadWholeFile(path, 40000), old);
  EXPECT_EQ(FileNames(folder), std::vector<std::string>{"a.unt"});
  SetWriteCall({});
  EXPECT_FALSE(SaveFileAtomically(folder + "/no/such/folder/a.unt", fresh));
}
