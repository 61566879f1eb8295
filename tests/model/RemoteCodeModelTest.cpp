// The remote-control code builder's state and handlers, without widgets.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "model/RemoteCodeModel.h"

using namespace remotecode;

namespace {

constexpr int kBox = ListCount;  // a matrix box step: item "In3" checks, "-In3" unchecks

// One action of a case; when code is given, the code text after it.
struct Step {
  int list;
  const char* item;
  const char* code = nullptr;
};

int ItemIndex(List list, const std::string& item) {
  const auto& items = Items(list, false);
  for (std::size_t i = 0; i < items.size(); ++i)
    if (items[i] == item) return int(i);
  ADD_FAILURE() << "no item '" << item << "' in " << Info(list).name;
  return -1;
}

void Apply(RemoteCodeModel& m, const Step& step) {
  if (step.list == kBox) {
    const std::string item = step.item;
    const bool uncheck = item[0] == '-';
    m.SetMatrixBox(std::stoi(item.substr(uncheck ? 3 : 2)) - 1, !uncheck);
  } else {
    m.Select(List(step.list), ItemIndex(List(step.list), step.item));
  }
}

struct Case {
  const char* name;
  std::vector<Step> steps;
  const char* code;
  std::function<void(const RemoteCodeModel&)> also;
};

std::string TypeName(int type) { return CommandTypes()[type].english; }

}  // namespace

TEST(RemoteCodeModel, HandlersComposeTheCode) {
  const std::vector<Case> cases = {
      {"fresh", {}, "7B7D01400000007D7B",
       [](const RemoteCodeModel& m) {
         EXPECT_EQ(m.RowList(1), cb1FactoryUserSel);
         EXPECT_EQ(m.RowList(2), cb2F00Sel);
         EXPECT_EQ(m.RowList(3), cb3NullSel);
         EXPECT_FALSE(m.MatrixVisible());
         EXPECT_EQ(m.Index(cbId), 0);
         EXPECT_EQ(m.Index(cb2Volume), 0);
         EXPECT_EQ(m.Index(cb3NullSel), -1);
       }},
      {"id 250", {{cbId, "1", "7B7D01400000007D7B"}, {cbId, "250"}}, "7B7DFA400000007D7B", nullptr},
      {"input volume",
       {{cbType, "Input Volume Control"},
        {cb1InChannelSel, "Input3"},
        {cb2Volume, "+0.0dB", "7B7D01440201187D7B"},
        {cb2Volume, "-60.0dB", "7B7D01440200007D7B"},
        {cb2Volume, "+12.0dB"}},
       "7B7D01440201907D7B", nullptr},
      {"load preset control",
       {{cbType, "Load Preset Control"}, {cb1FactoryUserSel, "User"}, {cb2PresetSel, "U21", "7B7D01430114007D7B"}},
       "7B7D01430114007D7B",
       [](const RemoteCodeModel& m) { EXPECT_EQ(m.RowList(2), cb2PresetSel); }},
      {"back to factory",
       {{cbType, "Load Preset Control"}, {cb1FactoryUserSel, "User"}, {cb2PresetSel, "U21"},
        {cb1FactoryUserSel, "Factory"}},
       "7B7D01430000007D7B",
       [](const RemoteCodeModel& m) {
         EXPECT_EQ(m.RowList(2), cb2F00Sel);
         EXPECT_EQ(m.Index(cb2PresetSel), 0);
       }},
      {"aux ch select",
       {{cbType, "Aux Ch Select Control"},
        {kBox, "In1"},
        {kBox, "In8", "7B7D01560000817D7B"},
        {cb1AuxCameraMixEffSel, "AutoMix", "7B7D01560200817D7B"},
        {cbType, "Gain Control", "7B7D01410000007D7B"},
        {cbType, "Aux Ch Select Control"}},
       "7B7D01560000007D7B",
       [](const RemoteCodeModel& m) {
         for (int tag = 0; tag < 8; ++tag) EXPECT_FALSE(m.MatrixBox(tag)) << tag;
         EXPECT_EQ(m.MatrixMask, 0);
         EXPECT_EQ(m.MatrixUpdating, 0);
         EXPECT_TRUE(m.MatrixVisible());
       }},
      {"group matrix",
       {{cbType, "Group Matrix Control"}, {cb1GroupSel, "Group Output4"}, {kBox, "In1"}, {kBox, "In2"},
        {kBox, "In3"}, {kBox, "In4"}, {kBox, "In5"}, {kBox, "In6"}, {kBox, "In7"},
        {kBox, "In8", "7B7D01690700FF7D7B"}, {kBox, "-In1"}},
       "7B7D01690700FE7D7B", nullptr},
      {"matrix control output resets the input",
       {{cbType, "Matrix Control"}, {cb1OutChannelSel, "Output5"}, {cb2InChMatrixSel, "Aux"},
        {cb3OnOffSel, "On", "7B7D014E0408017D7B"}, {cb1OutChannelSel, "Output2"}},
       "7B7D014E0100017D7B",
       [](const RemoteCodeModel& m) { EXPECT_EQ(m.Index(cb2InChMatrixSel), 0); }},
      {"get matrix keeps the input",
       {{cbType, "Get Matrix"}, {cb1OutChannelSel, "Output5"}, {cb2InChMatrixSel, "Aux", "7B7D014F0408007D7B"},
        {cb1OutChannelSel, "Output2"}},
       "7B7D014F0108007D7B",
       [](const RemoteCodeModel& m) { EXPECT_EQ(m.Index(cb2InChMatrixSel), 8); }},
      {"get now level aux",
       {{cbType, "Get Now Level "}, {cb1InOutAuxSel, "Aux", "7B7D014D0200007D7B"}},
       "7B7D014D0200007D7B",
       [](const RemoteCodeModel& m) { EXPECT_EQ(m.RowList(2), cb2NullSel); }},
      {"get now level output",
       {{cbType, "Get Now Level "}, {cb1InOutAuxSel, "Aux"}, {cb1InOutAuxSel, "Output"}, {cb2OutChSel, "Output8"}},
       "7B7D014D0107007D7B",
       [](const RemoteCodeModel& m) { EXPECT_EQ(m.RowList(2), cb2OutChSel); }},
      {"sub volume",
       {{cbType, "Sub Volume Control"}, {cb1InOutSel, "Output"}, {cb2Gain, "100", "7B7D01460164007D7B"},
        {cb1InOutSel, "Input"}},
       "7B7D01460000007D7B",
       [](const RemoteCodeModel& m) {
         EXPECT_EQ(m.RowList(2), cb2Gain);
         EXPECT_EQ(m.Index(cb2Gain), 0);
       }},
      {"gain control output",
       {{cbType, "Gain Control"}, {cb2InChSel, "Input3"}, {cb3IncDecSel, "Decrease", "7B7D01410002017D7B"},
        {cb1InOutSel, "Output"}},
       "7B7D01410100007D7B",
       [](const RemoteCodeModel& m) {
         EXPECT_EQ(m.RowList(2), cb2OutChSel);
         EXPECT_EQ(m.Index(cb3IncDecSel), 0);
       }},
      {"id keeps the rest",
       {{cbType, "Matrix Control"}, {cb1OutChannelSel, "Output5"}, {cb2InChMatrixSel, "Aux"}, {cb3OnOffSel, "On"},
        {cbId, "16"}},
       "7B7D104E0408017D7B", nullptr},
      {"aux volume", {{cbType, "Aux Volume Control"}, {cb2Volume, "+0.0dB"}}, "7B7D01530201187D7B", nullptr},
      {"fbq", {{cbType, "In FBQ Control"}, {cb2InChSel, "Input8"}, {cb3LevelSel, "Level4"}}, "7B7D01570007047D7B",
       nullptr},
      {"aux on off", {{cbType, "Aux On Off Control"}, {cb2CameraMixEff, "NR"}, {cb3OnOffSel, "On"}},
       "7B7D01550204017D7B", nullptr},
      {"sub gain decrease then output",
       {{cbType, "Sub Gain Control"}, {cb2IncDecSel, "Decrease", "7B7D01470001007D7B"}, {cb1InOutSel, "Output"}},
       "7B7D01470100007D7B",
       [](const RemoteCodeModel& m) {
         EXPECT_EQ(m.Index(cb2IncDecSel), 0);  // "Increase", as data 2 = 00 says
         EXPECT_EQ(m.RowList(2), cb2IncDecSel);
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    RemoteCodeModel m;
    for (const Step& step : c.steps) {
      Apply(m, step);
      if (step.code) {
        EXPECT_EQ(m.CodeText, step.code) << "after " << step.item;
      }
    }
    EXPECT_EQ(m.CodeText, c.code);
    if (c.also) c.also(m);
  }
}

TEST(RemoteCodeModel, EveryTypeGivesItsDefaultCodeAndRows) {
  struct Row {
    const char* english;
    const char* chinese;
    int code;
    std::array<int, 3> rows;
    const char* data;
  };
  constexpr int M = kMatrixBox;
  const Row table[kTypeCount] = {
      {"Load Preset Matrix", "调用预设矩阵", 0x40, {cb1FactoryUserSel, cb2F00Sel, cb3NullSel}, "000000"},
      {"Gain Control", "增益控制", 0x41, {cb1InOutSel, cb2InChSel, cb3IncDecSel}, "000000"},
      {"Mute Control", "静音控制", 0x42, {cb1InOutSel, cb2InChSel, cb3MuteSel}, "000000"},
      {"Load Preset Control", "调用预设控制", 0x43, {cb1FactoryUserSel, cb2F00Sel, cb3NullSel}, "000000"},
      {"Input Volume Control", "输入音量控制", 0x44, {cb1InChannelSel, cb2Volume, cb3NullSel}, "000000"},
      {"Output Volume Control", "输出音量控制", 0x45, {cb1OutChannelSel, cb2Volume, cb3NullSel}, "000000"},
      {"Sub Volume Control", "编组音量控制", 0x46, {cb1InOutSel, cb2Gain, cb3NullSel}, "000000"},
      {"Sub Gain Control", "编组增益控制", 0x47, {cb1InOutSel, cb2IncDecSel, cb3NullSel}, "000000"},
      {"Get Now Gain", "读取增益码值", 0x48, {cb1InOutSel, cb2InChSel, cb3NullSel}, "000000"},
      {"Get Mute", "读取静音码值", 0x49, {cb1InOutSel, cb2InChSel, cb3NullSel}, "000000"},
      {"Get Now Preset", "读取预设码值", 0x4A, {cb1NullSel, cb2NullSel, cb3NullSel}, "000000"},
      {"Get Now Sub Parameter", "读取编组码值", 0x4B, {cb1InOutSel, cb2NullSel, cb3NullSel}, "000000"},
      {"Sub Mute Control", "编组静音控制", 0x4C, {cb1InOutSel, cb2MuteSel, cb3NullSel}, "000000"},
      {"Get Now Level ", "读取电平值", 0x4D, {cb1InOutAuxSel, cb2InChSel, cb3NullSel}, "000000"},
      {"Matrix Control", "矩阵控制", 0x4E, {cb1OutChannelSel, cb2InChMatrixSel, cb3OnOffSel}, "000000"},
      {"Get Matrix", "读取矩阵码值", 0x4F, {cb1OutChannelSel, cb2InChMatrixSel, cb3NullSel}, "000000"},
      {"Aux Gain Control", "辅助增益控制", 0x51, {cb1AuxEffSel, cb2NullSel, cb3IncDecSel}, "020000"},
      {"Aux Mute Control", "辅助静音控制", 0x52, {cb1AuxEffSel, cb2NullSel, cb3MuteSel}, "020000"},
      {"Aux Volume Control", "辅助音量控制", 0x53, {cb1AuxEffSel, cb2Volume, cb3NullSel}, "020000"},
      {"Volume Step Control", "音量增减控制", 0x54, {cb1InOutSel, cb2InChSel, cb3IncDecSel}, "000000"},
      {"Aux On Off Control", "辅助开关控制", 0x55, {cb1Show02lSel, cb2CameraMixEff, cb3OnOffSel}, "020000"},
      {"Aux Ch Select Control", "辅助输入选择控制", 0x56, {cb1AuxCameraMixEffSel, M, M}, "000000"},
      {"In FBQ Control", "輸入反馈抑制", 0x57, {cb1NullSel, cb2InChSel, cb3LevelSel}, "000000"},
      {"Get Aux Now Gain", "读取辅助增益码值", 0x58, {cb1AuxEffSel, cb2NullSel, cb3NullSel}, "020000"},
      {"Get Aux Mute", "读取辅助静音码值", 0x59, {cb1AuxEffSel, cb2NullSel, cb3NullSel}, "020000"},
      {"Get Aux On Off", "读取辅助开关码值", 0x5B, {cb1Show02lSel, cb2CameraMixEff, cb3NullSel}, "020000"},
      {"Get Aux Ch Select", "读取辅助输入选择码值", 0x5C, {cb1Show02lSel, cb2AuxCameraMixEffSel, cb3NullSel}, "020000"},
      {"Get In FBQ", "读取輸入反馈抑制码值", 0x5E, {cb1NullSel, cb2InChSel, cb3NullSel}, "000000"},
      {"Get Full Matrix", "读取全矩阵码值", 0x61, {cb1NullSel, cb2NullSel, cb3NullSel}, "000000"},
      {"Get Group Parameter", "读取群组参数", 0x63, {cb1GroupSel, cb2NullSel, cb3NullSel}, "000000"},
      {"Group Voume Control", "群组音量控制", 0x66, {cb1GroupSel, cb2Gain, cb3NullSel}, "000000"},
      {"Group Gain Control", "群组增益控制", 0x67, {cb1GroupSel, cb2IncDecSel, cb3NullSel}, "000000"},
      {"Group Mute Control", "群组静音控制", 0x68, {cb1GroupSel, cb2MuteSel, cb3NullSel}, "000000"},
      {"Group Matrix Control", "群组输入选择控制", 0x69, {cb1GroupSel, M, M}, "000000"},
  };
  ASSERT_EQ(Items(cbType, false).size(), std::size_t(kTypeCount));
  for (int type = 0; type < kTypeCount; ++type) {
    SCOPED_TRACE(TypeName(type));
    const Row& row = table[type];
    EXPECT_EQ(Items(cbType, false)[type], row.english);
    EXPECT_EQ(Items(cbType, true)[type], row.chinese);
    RemoteCodeModel m;
    // From a used state: the type resets every list and data byte.
    m.Select(cbType, 14);
    m.Select(cb1OutChannelSel, 6);
    m.Select(cb3OnOffSel, 1);
    m.Select(cbType, type);
    EXPECT_EQ(m.CodeText, "7B7D01" + Hex2(row.code) + row.data + "7D7B");
    const bool matrix = row.rows[1] == M;
    EXPECT_EQ(m.MatrixVisible(), matrix);
    EXPECT_EQ(m.RowList(1), row.rows[0]);
    if (!matrix) {
      EXPECT_EQ(m.RowList(2), row.rows[1]);
      EXPECT_EQ(m.RowList(3), row.rows[2]);
    }
    EXPECT_EQ(m.Index(cb1OutChannelSel), 0);
    EXPECT_EQ(m.Index(cb3OnOffSel), 0);
  }
  // The spot checks of the type table.
  const std::pair<int, const char*> spots[] = {{15, "7B7D014F0000007D7B"}, {16, "7B7D01510200007D7B"},
                                               {25, "7B7D015B0200007D7B"}, {27, "7B7D015E0000007D7B"},
                                               {28, "7B7D01610000007D7B"}, {33, "7B7D01690000007D7B"}};
  for (auto [type, code] : spots) {
    RemoteCodeModel m;
    m.Select(cbType, type);
    EXPECT_EQ(m.CodeText, code) << type;
  }
}

TEST(RemoteCodeModel, LevelEntriesTextsAndBytes) {
  struct Entry {
    int entry;
    const char* bytes;
    const char* text;
  };
  const Entry entries[] = {{0, "0000", "-60.0dB"},   {79, "004F", "-20.5dB"},  {80, "0050", "-20.0dB"},
                           {81, "0051", "-19.9dB"},  {180, "00B4", "-10.0dB"}, {181, "00B5", "- 9.9dB"},
                           {200, "00C8", "- 8.0dB"}, {279, "0117", "- 0.1dB"}, {280, "0118", "+0.0dB"},
                           {400, "0190", "+12.0dB"}};
  ASSERT_EQ(Items(cb2Volume, false).size(), std::size_t(kLevelCount));
  for (const Entry& e : entries) {
    EXPECT_EQ(Items(cb2Volume, false)[e.entry], e.text) << e.entry;
    EXPECT_EQ(Items(cb2Volume, true)[e.entry], e.text) << e.entry;
    RemoteCodeModel m;
    m.Select(cbType, 5);
    m.Select(cb2Volume, e.entry);
    EXPECT_EQ(m.CodeText.substr(10, 4), e.bytes) << e.entry;
    EXPECT_EQ(m.CodeText.substr(0, 10), "7B7D014500");
    EXPECT_EQ(m.CodeText.substr(14), "7D7B");
  }
}

TEST(RemoteCodeModel, TypeChangeUnchecksTheBoxesWithoutTheirHandlerWriting) {
  RemoteCodeModel m;
  std::vector<std::string> shown;
  std::vector<std::pair<int, bool>> boxes;
  m.OnCodeShown = [&](const std::string& code) { shown.push_back(code); };
  m.OnMatrixBox = [&](int tag, bool checked) { boxes.push_back({tag, checked}); };
  m.Select(cbType, kAuxChSelect);
  m.SetMatrixBox(0, true);
  m.SetMatrixBox(7, true);
  m.SetMatrixBox(7, true);  // no change: no click
  EXPECT_EQ(shown.size(), 3u);
  m.Select(cbType, 1);
  shown.clear();
  boxes.clear();
  m.Select(cbType, kAuxChSelect);
  EXPECT_EQ(shown, std::vector<std::string>{"7B7D01560000007D7B"});
  EXPECT_EQ(boxes, (std::vector<std::pair<int, bool>>{{0, false}, {7, false}}));
  // A sender that is no box does nothing.
  m.ckb2In1Click(8);
  m.ckb2In1Click(-1);
  EXPECT_EQ(shown.size(), 1u);
}

TEST(RemoteCodeModel, ListsAndCaptionsOfBothWindows) {
  EXPECT_EQ(Items(cbId, false).size(), 250u);
  EXPECT_EQ(Items(cbId, false).back(), "250");
  EXPECT_EQ(Items(cb2PresetSel, false).front(), "U01");
  EXPECT_EQ(Items(cb2PresetSel, false).back(), "U21");
  EXPECT_EQ(Items(cb2Gain, false).size(), 101u);
  EXPECT_EQ(Items(cb2IncDecSel, true)[1], "递減");
  EXPECT_EQ(Items(cb3LevelSel, true), (std::vector<std::string>{"關", "1 檔", "2 檔", "3 檔", "4 檔"}));
  EXPECT_EQ(Items(cb1GroupSel, false)[4], "Group Output1");
  EXPECT_EQ(Items(cb1GroupSel, true)[3], "输入群组4");
  EXPECT_EQ(Items(cb2InChMatrixSel, true).back(), "辅助");
  EXPECT_EQ(Items(cb1AuxEffSel, true), std::vector<std::string>{"辅助"});
  EXPECT_TRUE(Info(cb2F00Sel).grey);
  EXPECT_TRUE(Items(cb3NullSel, false).empty());
  EXPECT_STREQ(WindowCaptions(false).window, "RS232 Remote Control Code");
  EXPECT_STREQ(WindowCaptions(true).window, "232通讯协议代码");
  EXPECT_STREQ(WindowCaptions(false).id, "   ID  : ");
  EXPECT_STREQ(WindowCaptions(true).rows[2], "数值3 : ");
}
