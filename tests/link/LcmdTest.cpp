// Frames written by the command classes, and frames read back.
#include "HexBytes.h"
#include "link/FrameAssembler.h"
#include "link/Lcmd.h"

#include <gtest/gtest.h>

#include <array>

namespace {

struct BuildCase {
  const char* name;
  LCmd command;
  const char* frame;
};

TEST(LcmdTest, CommandsWriteTheirFrames) {
  const std::array<std::uint8_t, 4> password{'1', '2', '3', '4'};
  const std::array<std::uint8_t, 14> presetName{'M', 'y', ' ', 'P', 'r', 'e', 's', 'e', 't', ' ', ' ', ' ', ' ', ' '};
  const std::array<std::uint8_t, 3> shortName{'M', 'i', 'c'};
  const BuildCase cases[] = {
      {"gain", CM_MCS_GAIN(1, 0, 0x0078), "10 02 00 01 04 34 00 78 00 10 03 48"},
      {"keep-alive", LCmd(1, 0x12), "10 02 00 01 01 12 10 03 13"},
      {"generic no payload", CM_MCS_CMD(1, 0x12), "10 02 00 01 01 12 10 03 13"},
      {"generic four bytes", CM_MCS_CMD(7, 0xB8, 192, 168, 1, 50), "10 02 00 07 05 B8 C0 A8 01 32 10 03 E0"},
      {"payload 10 03 unstuffed", CM_MCS_CMD(1, 0x3B, 0x10, 0x03), "10 02 00 01 03 3B 10 03 10 03 2B"},
      {"polarity 2 sends 1", CM_MCS_POLARITY(1, 3, 2), "10 02 00 01 03 36 03 01 10 03 37"},
      {"mute 2 sends 2", CM_MCS_MUTE(1, 3, 2), "10 02 00 01 03 35 03 02 10 03 37"},
      {"peq", CM_MCS_PEQ(1, 9, 2, 0x00C80078, 0x0119, 1), "10 02 00 01 0A 33 09 02 78 00 C8 00 19 01 01 10 03 9B"},
      {"group keeps three low bytes", CM_MCS_GROUP_CTRL(1, 4, 0xAA030064), "10 02 00 01 05 6B 04 64 00 03 10 03 0D"},
      {"sub control", CM_MCS_DSP_SUB_CTRL(1, 1, 0x04030201), "10 02 00 01 06 5B 01 01 02 03 04 10 03 58"},
      {"download block before slot", CM_MCS_DOWNLOAD(1, 5, 30, 2, Bytes{0xAB, 0xCD}), "10 02 00 01 05 25 1E 05 AB CD 10 03 5D"},
      {"read eeprom", CM_MCS_READ_EEPROM(1, 0x0100, 19), "10 02 00 01 04 19 00 01 13 10 03 0F"},
      {"set lock", CM_MCS_SET_LOCK(1, password), "10 02 00 01 05 2F 31 32 33 34 10 03 2E"},
      {"pass submit", CM_MCS_PASS_SUBMIT(1, 0, password), "10 02 00 01 06 2D 00 31 32 33 34 10 03 2F"},
      {"work mode", CM_MCS_WORK_MODE(1, 3, 17), "10 02 00 01 03 39 03 11 10 03 28"},
      {"short channel name padded", CM_MCS_CHANNEL_NAME(1, 8, shortName),
       "10 02 00 01 0A 3D 08 4D 69 63 00 00 00 00 00 10 03 78"},
      {"preset name", CM_MCS_PRESETNAME(2, presetName),
       "10 02 00 02 0F 26 4D 79 20 50 72 65 73 65 74 20 20 20 20 20 10 03 3B"},
  };
  for (const BuildCase& c : cases) EXPECT_EQ(ToHex(c.command.BuildFrame(1)), c.frame) << c.name;
}

TEST(LcmdTest, PayloadWidthsFollowTheCommandTable) {
  const Bytes data(18, 0x55);
  const CM_MCS_WRITE_EEPROM eeprom(1, 1, 18, data);
  EXPECT_EQ(eeprom.GetPayload().size(), 21u);
  EXPECT_EQ(eeprom.BuildFrame(1).size(), 30u);
  // A data buffer shorter than the count given is padded, never overread.
  EXPECT_EQ(CM_MCS_DOWNLOAD(1, 0, 30, 8, Bytes{1, 2}).GetPayload(), (Bytes{30, 0, 1, 2, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(CM_MCS_COMP(1, 18, 1, 2, 3, 4).GetPayload().size(), 9u);
  EXPECT_EQ(CM_MCS_AGC(1, 0, 1, 2, 3, 4, 5).GetPayload().size(), 11u);
  EXPECT_EQ(CM_MCS_GATE(1, 0, 1, 2, 3).GetPayload().size(), 7u);
  EXPECT_EQ(CM_MCS_AUTO_MIX(1, 0x04030201, 0x08070605, 0x0A09).GetPayload(),
            (Bytes{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
  EXPECT_EQ(CM_MCS_MIX_GATE(1, 1, 2, 3).GetPayload().size(), 10u);
  EXPECT_EQ(CM_MCS_ECHO(1, 1, 2).GetPayload().size(), 8u);
  EXPECT_EQ(CM_MCS_RVB(1, 1, 2).GetPayload().size(), 8u);
  EXPECT_EQ(CM_MCS_MIX(1, 9, 8, 280).GetPayload(), (Bytes{9, 8, 0x18, 0x01}));
  EXPECT_EQ(CM_MCS_LOW_PASS(1, 2, 300, 4).GetPayload(), (Bytes{2, 0x2C, 0x01, 4}));
  EXPECT_EQ(CM_MCS_HIGH_PASS(1, 2, 300, 4).GetCode(), 0x32);
  EXPECT_EQ(CM_MCS_DELAY(1, 9, 480).GetPayload(), (Bytes{9, 0xE0, 0x01}));
  EXPECT_EQ(CM_MCS_MATRIX(1, 18, 0x01FF).GetPayload(), (Bytes{18, 0xFF, 0x01}));
  EXPECT_EQ(CM_MCS_DELAYUNIT(1, 2).GetPayload(), (Bytes{2}));
  EXPECT_TRUE(CM_MCS_MCU_RESET(1).GetPayload().empty());
}

TEST(LcmdTest, BuildFrameModes) {
  const CM_MCS_GAIN gain(1, 0, 0x78);
  EXPECT_EQ(gain.BuildFrame(0), (Bytes{0, 0x78, 0}));
  EXPECT_TRUE(gain.BuildFrame(2).empty());
  EXPECT_TRUE(LCmd(1, 0x99, Bytes(255, 0)).BuildFrame(1).empty()) << "LEN would not fit a byte";
  EXPECT_EQ(LCmd(1, 0x99, Bytes(254, 0)).BuildFrame(1).size(), 263u);
}

struct ReadCase {
  const char* name;
  const char* bytes;
  bool isFrame;
  int id;
  int code;
  const char* payload;
};

TEST(LcmdTest, ReaderTakesIdFromByteTwoAndTrustsNoLength) {
  const ReadCase cases[] = {
      {"reply, any check byte", "10 02 05 00 01 01 10 03 77", true, 5, 0x01, ""},
      {"payload with 10 03 inside", "10 02 01 00 03 3B 10 03 10 03 00", true, 1, 0x3B, "10 03"},
      {"bytes after the frame ignored", "10 02 01 00 02 14 03 10 03 00 10 02", true, 1, 0x14, "03"},
      {"LEN 0", "10 02 01 00 00 01 10 03 00", false, 0, 0, ""},
      {"LEN beyond the bytes", "10 02 01 00 09 01 10 03 00", false, 0, 0, ""},
      {"LEN 255 beyond the bytes", "10 02 01 00 FF 01 10 03 00", false, 0, 0, ""},
      {"truncated head", "10 02 01 00", false, 0, 0, ""},
      {"empty", "", false, 0, 0, ""},
      {"missing 10 03", "10 02 01 00 01 01 10 04 00", false, 0, 0, ""},
      {"wrong start", "10 03 01 00 01 01 10 03 00", false, 0, 0, ""},
  };
  for (const ReadCase& c : cases) {
    const Bytes bytes = Hex(c.bytes);
    std::optional<LCmd> read = ReadFrame(bytes);
    ASSERT_EQ(read.has_value(), c.isFrame) << c.name;
    const LCmd parsed(bytes, 1);
    if (c.isFrame) {
      EXPECT_EQ(read->GetDeviceId(), c.id) << c.name;
      EXPECT_EQ(read->GetCode(), c.code) << c.name;
      EXPECT_EQ(ToHex(read->GetPayload()), c.payload) << c.name;
      EXPECT_EQ(parsed.GetCode(), c.code) << c.name;
    } else {
      EXPECT_EQ(parsed.GetCode(), 0) << c.name;
      EXPECT_TRUE(parsed.GetPayload().empty()) << c.name;
    }
  }
  EXPECT_EQ(LCmd(Hex("10 02 05 00 01 01 10 03 77"), 0).GetCode(), 0) << "framed 0 reads nothing";
}

TEST(LcmdTest, WrittenFrameReadsBack) {
  const Bytes frame = CM_MCS_PEQ(1, 9, 2, 0x00C80078, 0x0119, 1).BuildFrame(1);
  std::optional<LCmd> read = ReadFrame(frame);
  ASSERT_TRUE(read);
  EXPECT_EQ(read->GetCode(), 0x33);
  EXPECT_EQ(read->GetPayload().size(), 9u);
  EXPECT_EQ(read->GetDeviceId(), 0) << "the editor's own frames carry the ID in byte 3";
}

TEST(LcmdTest, ReplyAnswersByCodeAndTheNumberAsked) {
  // Replies as the processor frames them: its own code, and for the numbered
  // requests the number asked for; every other command gets 0x01.
  const std::array<std::uint8_t, 50> block{};
  struct Case {
    const char* name;
    LCmd request;
    LCmd reply;
    bool answers;
  };
  const Case cases[] = {
      {"name 5, reply 5", CM_MCS_CMD(1, 0x29, 5), LCmd(1, 0x29, {5, 'N'}), true},
      {"name 5, reply 6", CM_MCS_CMD(1, 0x29, 5), LCmd(1, 0x29, {6, 'N'}), false},
      {"block 3 of the current preset", CM_MCS_CMD(1, 0x27, 3), LCmd(1, 0x24, {3, 0}), true},
      {"block 3 of the current preset, reply 4", CM_MCS_CMD(1, 0x27, 3), LCmd(1, 0x24, {4, 0}), false},
      {"stored block 2", CM_MCS_CMD(1, 0x28, 2), LCmd(1, 0x28, {2, 0}), true},
      {"stored block 2, reply 3", CM_MCS_CMD(1, 0x28, 2), LCmd(1, 0x28, {3, 0}), false},
      {"download block 7", CM_MCS_DOWNLOAD(1, 2, 7, 50, block), LCmd(1, 0x25, {7}), true},
      {"download block 7, reply 8", CM_MCS_DOWNLOAD(1, 2, 7, 50, block), LCmd(1, 0x25, {8}), false},
      {"download block 7, reply the slot", CM_MCS_DOWNLOAD(1, 2, 7, 50, block), LCmd(1, 0x25, {2}), false},
      {"identity", CM_MCS_CMD(1, 0x13), LCmd(1, 0x13, {'Q'}), true},
      {"identity, acknowledged", CM_MCS_CMD(1, 0x13), LCmd(1, 0x01, {}), false},
      {"mute, acknowledged", CM_MCS_MUTE(1, 0, 1), LCmd(1, 0x01, {}), true},
      {"mute, another code", CM_MCS_MUTE(1, 0, 1), LCmd(1, 0x35, {}), false},
  };
  for (const Case& c : cases) EXPECT_EQ(ReplyAnswers(c.request, c.reply), c.answers) << c.name;
}

struct AssembleCase {
  const char* name;
  std::vector<const char*> pieces;
  std::vector<const char*> frames;
};

TEST(FrameAssemblerTest, AssemblesByCountingLen) {
  const AssembleCase cases[] = {
      {"one frame in three pieces", {"10 02 01", "00 02 14 03", "10 03 00"}, {"10 02 01 00 02 14 03 10 03 00"}},
      {"two frames together", {"10 02 01 00 01 10 10 03 00 10 02 01 00 01 13 10 03 00"},
       {"10 02 01 00 01 10 10 03 00", "10 02 01 00 01 13 10 03 00"}},
      {"garbage before", {"FF 00 10 05 10 10 02 01 00 01 01 10 03 00"}, {"10 02 01 00 01 01 10 03 00"}},
      {"raw control bytes in payload", {"10 02 01 00 05 3B 11 13 0D 0A 10 03 00"}, {"10 02 01 00 05 3B 11 13 0D 0A 10 03 00"}},
      {"LEN 0 dropped, next frame found", {"10 02 01 00 00 10 02 01 00 01 01 10 03 00"}, {"10 02 01 00 01 01 10 03 00"}},
      {"damaged LEN costs one frame only",
       {"10 02 01 00 09 01 10 03 00", "10 02 01 00 01 12 10 03 00"},
       {"10 02 01 00 01 12 10 03 00"}},
      {"no end marker", {"10 02 01 00 01 01 00 00 00"}, {}},
  };
  for (const AssembleCase& c : cases) {
    FrameAssembler assembler;
    std::vector<std::string> got;
    for (const char* piece : c.pieces) {
      for (const Bytes& frame : assembler.Push(Hex(piece))) got.push_back(ToHex(frame));
    }
    std::vector<std::string> want(c.frames.begin(), c.frames.end());
    EXPECT_EQ(got, want) << c.name;
  }
}

TEST(FrameAssemblerTest, FrameLargerThanTheLinkHoldsIsDropped) {
  FrameAssembler assembler(128);
  Bytes big = LCmd(1, 0x24, Bytes(200, 0x55)).BuildFrame(1);
  big[2] = 1;
  EXPECT_TRUE(assembler.Push(big).empty());
  EXPECT_LT(assembler.PendingSize(), 128u);
  EXPECT_EQ(assembler.Push(Hex("10 02 01 00 01 01 10 03 00")).size(), 1u);
}

}  // namespace
