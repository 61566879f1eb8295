// The text of the protocol document in both editions, composed as RTF with
// exact line heights so that each section sits in the gap above its table
// picture.
#include <string>
#include <vector>

#include "dialogs/Rs232Tables.h"
#include "platform/TextCodec.h"

namespace rs232doc {

namespace {

// One section: a heading and the lines under it, in each edition. Section k
// stands above picture k; the last one below the last picture.
struct Section {
  const char* english;
  std::vector<const char*> englishLines;
  const char* chinese;
  std::vector<const char*> chineseLines;
};

const std::vector<Section>& Sections() {
  static const std::vector<Section> sections = {
      {"RS232 Remote Control Protocol",
       {"Packets of nine bytes: 7B 7D, device ID, command, data 1, data 2, data 3, 7D 7B."},
       "RS232 中控通讯协议",
       {"每个封包九个字节：7B 7D、机台位址、命令、数据1、数据2、数据3、7D 7B。"}},
      {"0x40  Load Preset Matrix", {}, "0x40  调用预设矩阵", {}},
      {"0x41  Gain Control",
       {"Steps the gain of one input or output channel up or down.", "Data 1: input 0, output 1."},
       "0x41  增益控制",
       {"将一个输入或输出通道的增益递增或递减。", "数据1：输入 0，输出 1。"}},
      {"0x42  Mute Control", {"Mutes or unmutes one channel.", "Data 3: 0 unmute, 1 mute."}, "0x42  静音控制",
       {"设置或取消一个通道的静音。", "数据3：0 取消，1 静音。"}},
      {"0x43  Load Preset Control", {"Recalls the factory preset F00 or a user preset.", "Data 2: U01 = 00."},
       "0x43  调用预设控制", {"调用出厂预设 F00 或使用者预设。", "数据2：U01 = 00。"}},
      {"0x44  Input Volume Control",
       {"Sets an input's level: data 2 and 3 hold the level entry,", "high byte first (0118 = +0.0 dB)."},
       "0x44  输入音量控制", {"设置输入通道的电平：数据2、3 为电平值，", "高字节在前（0118 = +0.0 dB）。"}},
      {"0x45  Output Volume Control", {"Sets an output's level, as 0x44."}, "0x45  输出音量控制",
       {"设置输出通道的电平，同 0x44。"}},
      {"0x46  Sub Volume Control", {"Sets the sub volume, 0 to 100."}, "0x46  编组音量控制",
       {"设置编组音量，0 至 100。"}},
      {"0x47  Sub Gain Control", {"Steps the sub gain up or down."}, "0x47  编组增益控制", {"编组增益递增或递减。"}},
      {"0x48  Get Now Gain", {"Asks for a channel's gain."}, "0x48  读取增益码值", {"读取一个通道的增益。"}},
      {"0x49  Get Mute", {"Asks for a channel's mute state.", "The processor answers with a packet of its own."},
       "0x49  读取静音码值", {"读取一个通道的静音状态。", "机台以封包回复。"}},
      {"0x4A  Get Now Preset", {"Asks for the current preset."}, "0x4A  读取预设码值", {"读取目前的预设。"}},
      {"0x4B  Get Now Sub Parameter", {"Asks for the sub settings."}, "0x4B  读取编组码值", {"读取编组参数。"}},
      {"0x4C  Sub Mute Control", {"Mutes or unmutes the sub."}, "0x4C  编组静音控制", {"设置或取消编组静音。"}},
      {"0x4D  Get Now Level", {}, "0x4D  读取电平值", {}},
      {"0x4E  Matrix Control",
       {"Routes an input (08 the aux return) to an output or", "takes it off: data 3 = 1 on, 0 off.",
        "Data 1 is the output, data 2 the input."},
       "0x4E  矩阵控制",
       {"将输入（08 为辅助）接到输出或断开：", "数据3 = 1 接通，0 断开。", "数据1 为输出，数据2 为输入。"}},
      {"0x4F  Get Matrix", {}, "0x4F  读取矩阵码值", {}},
      {"0x51  Aux Gain Control", {"Steps the aux gain up or down."}, "0x51  辅助增益控制", {"辅助增益递增或递减。"}},
      {"0x52  Aux Mute Control", {}, "0x52  辅助静音控制", {}},
      {"0x53  Aux Volume Control", {}, "0x53  辅助音量控制", {}},
      {"0x54  Volume Step Control", {}, "0x54  音量增减控制", {}},
      {"0x55  Aux On Off Control", {"Switches the effect, camera tracking, automix, AEC or NR.", "Data 2: 0 to 4."},
       "0x55  辅助开关控制", {"开关效果、摄像跟踪、自动混音、回声消除或降噪。", "数据2：0 至 4。"}},
      {"0x56  Aux Ch Select Control",
       {"Chooses the inputs of the aux, camera or automix bus:", "data 3 holds one bit per input, In1 = bit 0.",
        "Data 2 stays 00.", "Example: In1 and In8 give data 3 = 81."},
       "0x56  辅助输入选择控制",
       {"选择辅助、摄像跟踪或自动混音的输入：", "数据3 每位一个输入，输入1 = 位0。", "数据2 为 00。",
        "例：输入1 与输入8 得数据3 = 81。"}},
      {"0x57  In FBQ Control", {"Sets an input's feedback suppression, off or level 1 to 4.", "Data 3: 0 to 4."},
       "0x57  输入反馈抑制", {"设置输入的反馈抑制，关或 1 至 4 档。", "数据3：0 至 4。"}},
      {"0x58  Get Aux Now Gain", {}, "0x58  读取辅助增益码值", {}},
      {"0x59  Get Aux Mute", {"Asks for the aux mute state."}, "0x59  读取辅助静音码值", {"读取辅助静音状态。"}},
      {"0x5B  Get Aux On Off", {"Asks whether a function is on."}, "0x5B  读取辅助开关码值", {"读取功能开关。"}},
      {"0x5C  Get Aux Ch Select", {"Asks for the inputs of a bus.", "Data 2: 0 aux, 1 camera, 2 automix."},
       "0x5C  读取辅助输入选择码值", {"读取总线的输入。", "数据2：0 辅助，1 摄像跟踪，2 自动混音。"}},
      {"0x5E  Get In FBQ", {"Asks for an input's feedback suppression."}, "0x5E  读取输入反馈抑制码值",
       {"读取输入的反馈抑制。"}},
      {"0x61  Get Full Matrix", {}, "0x61  读取全矩阵码值", {}},
      {"Line settings", {"Leave at least 200 ms between packets."}, "通讯参数", {"封包之间至少间隔 200 ms。"}},
      {"The editor composes these codes in its RS232 Remote Control Code window;",
       {"it never sends them itself."}, "编辑软件的 232通讯协议代码 窗口可组成这些代码；", {"软件本身不发送。"}},
  };
  return sections;
}

constexpr int kLine = 20;  // pixels; every line is exactly this high (300 twips)

void Escape(std::string& out, const std::string& utf8) {
  const std::string gbk = platform::Utf8ToDeviceString(utf8);
  char hex[8];
  for (const char c : gbk) {
    const unsigned char b = static_cast<unsigned char>(c);
    if (b == '\\' || b == '{' || b == '}') {
      out += '\\';
      out += char(b);
    } else if (b < 0x80) {
      out += char(b);
    } else {
      std::snprintf(hex, sizeof hex, "\\'%02x", b);
      out += hex;
    }
  }
}

// One paragraph of one exact-height line, spaceBefore pixels below the last.
void Line(std::string& out, const std::string& utf8, int spaceBefore, bool heading, bool title) {
  out += "\\pard\\ql\\sl-" + std::to_string(kLine * 15);
  if (spaceBefore > 0) out += "\\sb" + std::to_string(spaceBefore * 15);
  out += title ? "{\\f1\\fs28\\b\\cf1 " : heading ? "{\\f1\\fs20\\b\\cf2 " : "{\\f0\\fs19 ";
  Escape(out, utf8);
  out += "}\\par\n";
}

}  // namespace

QByteArray Document(bool chinese) {
  const int labelTop = chinese ? 8 : 24;
  const int labelHeight = chinese ? 5000 : 4850;
  std::string out = "{\\rtf1\\ansi\\ansicpg936\\deff0{\\fonttbl";
  out += chinese ? "{\\f0\\fnil\\fcharset134 \\'cb\\'ce\\'cc\\'e5;}" : "{\\f0\\fswiss\\fcharset0 Tahoma;}";
  out +=
      "{\\f1\\fswiss\\fcharset0 Arial;}}\n"
      "{\\colortbl ;\\red0\\green51\\blue153;\\red128\\green0\\blue0;}\n\\viewkind4\\uc1 ";
  int y = 0;  // the bottom of the text so far, in the label
  int gapTop = 0;
  const auto& sections = Sections();
  for (std::size_t k = 0; k < sections.size(); ++k) {
    const bool last = k >= std::size_t(kPictureCount);
    const PicturePlace& place = Place(std::min<int>(int(k), kPictureCount - 1));
    const int pictureTop = (chinese ? place.chineseTop : place.englishTop) - labelTop;
    const int gapBottom = last ? labelHeight : pictureTop;
    const Section& s = sections[k];
    std::vector<std::string> lines{chinese ? s.chinese : s.english};
    for (const char* line : chinese ? s.chineseLines : s.englishLines) lines.push_back(line);
    // As many lines as the gap holds, the heading first, centred in the gap.
    const int room = std::max(0, (gapBottom - gapTop - 2) / kLine);
    if (int(lines.size()) > room) lines.resize(room);
    const int start = gapTop + (gapBottom - gapTop - int(lines.size()) * kLine) / 2;
    for (std::size_t i = 0; i < lines.size(); ++i) {
      const int before = i == 0 ? std::max(0, start - y) : 0;
      Line(out, lines[i], before, i == 0, k == 0 && i == 0);
      y += before + kLine;
    }
    if (!last) gapTop = pictureTop + (chinese ? place.chineseHeight : place.englishHeight);
  }
  out += "}\n";
  return QByteArray::fromStdString(out);
}

}  // namespace rs232doc
