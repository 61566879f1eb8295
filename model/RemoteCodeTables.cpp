// The builder's lists, command types, level texts and captions as data.
#include <cstdio>

#include "model/RemoteCodeModel.h"

namespace remotecode {

namespace {

std::vector<std::string> Numbered(const std::string& prefix, int first, int last) {
  std::vector<std::string> items;
  for (int i = first; i <= last; ++i) items.push_back(prefix + std::to_string(i));
  return items;
}

std::vector<std::string> Presets() {
  std::vector<std::string> items;
  char text[8];
  for (int i = 1; i <= 21; ++i) {
    std::snprintf(text, sizeof text, "U%02d", i);
    items.push_back(text);
  }
  return items;
}

std::vector<std::string> Levels() {
  std::vector<std::string> items;
  for (int i = 0; i < kLevelCount; ++i) items.push_back(LevelText(i));
  return items;
}

std::vector<std::string> Plus(std::vector<std::string> items, const std::string& last) {
  items.push_back(last);
  return items;
}

std::vector<std::string> Concat(std::vector<std::string> a, const std::vector<std::string>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

std::vector<ListInfo> MakeLists() {
  std::vector<std::string> types, typesChinese;
  for (const CommandType& t : CommandTypes()) {
    types.push_back(t.english);
    typesChinese.push_back(t.chinese);
  }
  const auto inputs = Numbered("Input", 1, 8), inputsChinese = Numbered("输入通道", 1, 8);
  const auto outputs = Numbered("Output", 1, 8), outputsChinese = Numbered("输出通道", 1, 8);
  const std::vector<std::string> incDec{"Increase", "Decrease"}, incDecChinese{"递增", "递減"};
  const std::vector<std::string> mute{"UnMute", "Mute"}, muteChinese{"静音取消", "静音设置"};
  const std::vector<std::string> auxCamMix{"Aux", "Camera", "AutoMix"}, auxCamMixChinese{"辅助", "摄像跟踪", "自动混音"};
  const auto levels = Levels();
  const auto ids = Numbered("", 1, 250);
  const auto gains = Numbered("", 0, 100);
  const auto presets = Presets();

  std::vector<ListInfo> lists(ListCount);
  lists[cbType] = {"cbType", 0, false, types, typesChinese};
  lists[cbId] = {"cbId", 0, false, ids, ids};
  lists[cb1NullSel] = {"cb1NullSel", 1, true, {}, {}};
  lists[cb1FactoryUserSel] = {"cb1FactoryUserSel", 1, false, {"Factory", "User"}, {"出厂预设", "使用者预设"}};
  lists[cb1InOutSel] = {"cb1InOutSel", 1, false, {"Input", "Output"}, {"输入", "输出"}};
  lists[cb1InOutAuxSel] = {"cb1InOutAuxSel", 1, false, {"Input", "Output", "Aux"}, {"输入", "输出", "辅助"}};
  lists[cb1InChannelSel] = {"cb1InChannelSel", 1, false, inputs, inputsChinese};
  lists[cb1OutChannelSel] = {"cb1OutChannelSel", 1, false, outputs, outputsChinese};
  lists[cb1GroupSel] = {"cb1GroupSel", 1, false,
                        Concat(Numbered("Group Input", 1, 4), Numbered("Group Output", 1, 4)),
                        Concat(Numbered("输入群组", 1, 4), Numbered("输出群组", 1, 4))};
  lists[cb1AuxEffSel] = {"cb1AuxEffSel", 1, true, {"Aux"}, {"辅助"}};
  lists[cb1Show02lSel] = {"cb1Show02lSel", 1, true, {"02"}, {"02"}};
  lists[cb1AuxCameraMixEffSel] = {"cb1AuxCameraMixEffSel", 1, false, auxCamMix, auxCamMixChinese};
  lists[cb2NullSel] = {"cb2NullSel", 2, true, {}, {}};
  lists[cb2F00Sel] = {"cb2F00Sel", 2, true, {"F00"}, {"F00"}};
  lists[cb2PresetSel] = {"cb2PresetSel", 2, false, presets, presets};
  lists[cb2InChSel] = {"cb2InChSel", 2, false, inputs, inputsChinese};
  lists[cb2OutChSel] = {"cb2OutChSel", 2, false, outputs, outputsChinese};
  lists[cb2InChMatrixSel] = {"cb2InChMatrixSel", 2, false, Plus(inputs, "Aux"), Plus(inputsChinese, "辅助")};
  lists[cb2Volume] = {"cb2Volume", 2, false, levels, levels};
  lists[cb2Gain] = {"cb2Gain", 2, false, gains, gains};
  lists[cb2IncDecSel] = {"cb2IncDecSel", 2, false, incDec, incDecChinese};
  lists[cb2MuteSel] = {"cb2MuteSel", 2, false, mute, muteChinese};
  lists[cb2CameraMixEff] = {"cb2CameraMixEff", 2, false, {"Effect", "Camera", "AutoMix", "AEC", "NR"},
                            {"效果", "摄像跟踪", "自动混音", "回声消除", "降噪"}};
  lists[cb2AuxCameraMixEffSel] = {"cb2AuxCameraMixEffSel", 2, false, auxCamMix, auxCamMixChinese};
  lists[cb3NullSel] = {"cb3NullSel", 3, true, {}, {}};
  lists[cb3IncDecSel] = {"cb3IncDecSel", 3, false, incDec, incDecChinese};
  lists[cb3MuteSel] = {"cb3MuteSel", 3, false, mute, muteChinese};
  lists[cb3OnOffSel] = {"cb3OnOffSel", 3, false, {"Off", "On"}, {"关", "开"}};
  lists[cb3LevelSel] = {"cb3LevelSel", 3, false, {"Off", "Level1", "Level2", "Level3", "Level4"},
                        {"關", "1 檔", "2 檔", "3 檔", "4 檔"}};
  return lists;
}

}  // namespace

const ListInfo& Info(List list) {
  static const std::vector<ListInfo> lists = MakeLists();
  return lists[list];
}

const std::vector<std::string>& Items(List list, bool chinese) {
  return chinese ? Info(list).chinese : Info(list).english;
}

const std::array<CommandType, kTypeCount>& CommandTypes() {
  constexpr int M = kMatrixBox;
  static const std::array<CommandType, kTypeCount> types = {{
      {"Load Preset Matrix", "调用预设矩阵", 0x40, {cb1FactoryUserSel, cb2F00Sel, cb3NullSel}, {0, 0, 0}},
      {"Gain Control", "增益控制", 0x41, {cb1InOutSel, cb2InChSel, cb3IncDecSel}, {0, 0, 0}},
      {"Mute Control", "静音控制", 0x42, {cb1InOutSel, cb2InChSel, cb3MuteSel}, {0, 0, 0}},
      {"Load Preset Control", "调用预设控制", 0x43, {cb1FactoryUserSel, cb2F00Sel, cb3NullSel}, {0, 0, 0}},
      {"Input Volume Control", "输入音量控制", 0x44, {cb1InChannelSel, cb2Volume, cb3NullSel}, {0, 0, 0}},
      {"Output Volume Control", "输出音量控制", 0x45, {cb1OutChannelSel, cb2Volume, cb3NullSel}, {0, 0, 0}},
      {"Sub Volume Control", "编组音量控制", 0x46, {cb1InOutSel, cb2Gain, cb3NullSel}, {0, 0, 0}},
      {"Sub Gain Control", "编组增益控制", 0x47, {cb1InOutSel, cb2IncDecSel, cb3NullSel}, {0, 0, 0}},
      {"Get Now Gain", "读取增益码值", 0x48, {cb1InOutSel, cb2InChSel, cb3NullSel}, {0, 0, 0}},
      {"Get Mute", "读取静音码值", 0x49, {cb1InOutSel, cb2InChSel, cb3NullSel}, {0, 0, 0}},
      {"Get Now Preset", "读取预设码值", 0x4A, {cb1NullSel, cb2NullSel, cb3NullSel}, {0, 0, 0}},
      {"Get Now Sub Parameter", "读取编组码值", 0x4B, {cb1InOutSel, cb2NullSel, cb3NullSel}, {0, 0, 0}},
      {"Sub Mute Control", "编组静音控制", 0x4C, {cb1InOutSel, cb2MuteSel, cb3NullSel}, {0, 0, 0}},
      {"Get Now Level ", "读取电平值", 0x4D, {cb1InOutAuxSel, cb2InChSel, cb3NullSel}, {0, 0, 0}},
      {"Matrix Control", "矩阵控制", 0x4E, {cb1OutChannelSel, cb2InChMatrixSel, cb3OnOffSel}, {0, 0, 0}},
      {"Get Matrix", "读取矩阵码值", 0x4F, {cb1OutChannelSel, cb2InChMatrixSel, cb3NullSel}, {0, 0, 0}},
      {"Aux Gain Control", "辅助增益控制", 0x51, {cb1AuxEffSel, cb2NullSel, cb3IncDecSel}, {2, 0, 0}},
      {"Aux Mute Control", "辅助静音控制", 0x52, {cb1AuxEffSel, cb2NullSel, cb3MuteSel}, {2, 0, 0}},
      {"Aux Volume Control", "辅助音量控制", 0x53, {cb1AuxEffSel, cb2Volume, cb3NullSel}, {2, 0, 0}},
      {"Volume Step Control", "音量增减控制", 0x54, {cb1InOutSel, cb2InChSel, cb3IncDecSel}, {0, 0, 0}},
      {"Aux On Off Control", "辅助开关控制", 0x55, {cb1Show02lSel, cb2CameraMixEff, cb3OnOffSel}, {2, 0, 0}},
      {"Aux Ch Select Control", "辅助输入选择控制", 0x56, {cb1AuxCameraMixEffSel, M, M}, {0, 0, 0}},
      {"In FBQ Control", "輸入反馈抑制", 0x57, {cb1NullSel, cb2InChSel, cb3LevelSel}, {0, 0, 0}},
      {"Get Aux Now Gain", "读取辅助增益码值", 0x58, {cb1AuxEffSel, cb2NullSel, cb3NullSel}, {2, 0, 0}},
      {"Get Aux Mute", "读取辅助静音码值", 0x59, {cb1AuxEffSel, cb2NullSel, cb3NullSel}, {2, 0, 0}},
      {"Get Aux On Off", "读取辅助开关码值", 0x5B, {cb1Show02lSel, cb2CameraMixEff, cb3NullSel}, {2, 0, 0}},
      {"Get Aux Ch Select", "读取辅助输入选择码值", 0x5C, {cb1Show02lSel, cb2AuxCameraMixEffSel, cb3NullSel}, {2, 0, 0}},
      {"Get In FBQ", "读取輸入反馈抑制码值", 0x5E, {cb1NullSel, cb2InChSel, cb3NullSel}, {0, 0, 0}},
      {"Get Full Matrix", "读取全矩阵码值", 0x61, {cb1NullSel, cb2NullSel, cb3NullSel}, {0, 0, 0}},
      {"Get Group Parameter", "读取群组参数", 0x63, {cb1GroupSel, cb2NullSel, cb3NullSel}, {0, 0, 0}},
      {"Group Voume Control", "群组音量控制", 0x66, {cb1GroupSel, cb2Gain, cb3NullSel}, {0, 0, 0}},
      {"Group Gain Control", "群组增益控制", 0x67, {cb1GroupSel, cb2IncDecSel, cb3NullSel}, {0, 0, 0}},
      {"Group Mute Control", "群组静音控制", 0x68, {cb1GroupSel, cb2MuteSel, cb3NullSel}, {0, 0, 0}},
      {"Group Matrix Control", "群组输入选择控制", 0x69, {cb1GroupSel, M, M}, {0, 0, 0}},
  }};
  return types;
}

int LevelTenths(int entry) { return entry <= 80 ? -600 + 5 * entry : -200 + (entry - 80); }

std::string LevelText(int entry) {
  const int tenths = LevelTenths(entry);
  const int magnitude = tenths < 0 ? -tenths : tenths;
  const std::string number = std::to_string(magnitude / 10) + "." + std::to_string(magnitude % 10);
  if (tenths >= 0) return "+" + number + "dB";
  if (tenths <= -100) return "-" + number + "dB";
  return "- " + number + "dB";
}

const Captions& WindowCaptions(bool chinese) {
  static const Captions english{"RS232 Remote Control Code", " Command ",   "Type  : ",
                                "   ID  : ",                 " Parameters ", {"Value1 : ", "Value2 : ", "Value3 : "},
                                "Remote Control Code"};
  static const Captions simplified{"232通讯协议代码", " 命令 ", "类别  : ", "位址  : ", " 参数 ",
                                   {"数值1 : ", "数值2 : ", "数值3 : "}, "通讯代码"};
  return chinese ? simplified : english;
}

std::string Hex2(int value) {
  char text[4];
  std::snprintf(text, sizeof text, "%02X", value & 0xFF);
  return text;
}

}  // namespace remotecode
