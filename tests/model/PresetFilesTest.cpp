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
