#include "mainwindow/MainLayout.h"

#include <algorithm>

#include "platform/Form.h"

namespace mainlayout {

namespace {

QString In(int i) { return platform::ChannelSuffix(i); }
QString Out(int k) { return platform::ChannelSuffix(8 + k); }

const char* const kUpperPages[] = {"Gain", "Delay", "Comp", "Gate", "Agc", "Matrix", "Eff"};
const char* const kLowerPages[] = {"InA", "Out1", "Gain", "Delay", "Comp", "Gate", "Agc", "Matrix", "Eff"};

class Builder {
 public:
  void Add(const QString& name, Field field, int value) { rules.push_back({name, field, value}); }
  // The eight inputs' (or outputs') controls of one family, with the row index.
  template <typename F>
  void Inputs(const QString& prefix, Field field, F value) {
    for (int i = 0; i < 8; ++i) Add(prefix + In(i), field, value(i));
  }
  template <typename F>
  void Outputs(const QString& prefix, Field field, F value) {
    for (int k = 0; k < 8; ++k) Add(prefix + Out(k), field, value(k));
  }
  template <typename F>
  void Channels(const QString& inPrefix, const QString& outPrefix, Field field, F value) {
    Inputs(inPrefix, field, value);
    Outputs(outPrefix, field, value);
  }
  std::vector<Rule> rules;
};

}  // namespace

std::vector<Rule> VerticalRules(int dh) {
  Builder b;
  const auto H = Field::Height;
  const auto T = Field::Top;
  auto fixed = [](int v) { return [v](int) { return v; }; };

  // Pages and plots.
  b.Add("uxgMain", H, 629 + dh);
  b.Channels("uxgFftIn", "uxgFftOut", H, fixed(284 + dh));
  for (const char* page : kUpperPages) b.Add(QStringLiteral("uxgFft") + page, H, 284 + dh);
  for (const char* page : kLowerPages) b.Add(QStringLiteral("uxgParam") + page, T, 292 + dh);
  const int plotHeight = ((dh + 255) / 2) * 2 + 1;
  b.Channels("fftDrawIn", "fftDrawOut", H, fixed(plotHeight));
  for (const char* plot : {"fftDrawGainIn", "fftDrawGainOut", "fftDrawEff"}) b.Add(plot, H, plotHeight);
  for (const char* plot : {"wpComp", "wpGate", "wpAgc"}) b.Add(plot, H, 230 + dh);
  for (const char* panel : {"plFftDelayIn", "plFftDelayOut"}) b.Add(panel, H, 234 + dh);
  auto delayRow = [dh](int base) { return [dh, base](int row) { return (dh / 8) * (row + 1) + 28 * row + base; }; };
  b.Channels("imDelayIn", "imDelayOut", T, delayRow(2));
  b.Channels("lbDelayLineIn", "lbDelayLineOut", T, delayRow(2));
  b.Channels("lbDelayShowIn", "lbDelayShowOut", T, delayRow(8));
  b.Add("pbMatrix", T, dh / 9 + 26);
  b.Add("pbMatrix", H, 240 + dh);
  b.Inputs("plMatrixIn", T, [dh](int i) { return (dh / 9) * (i + 1) + 29 * i + 17; });
  b.Outputs("plMatrixOut", T, [dh](int k) { return (dh / 9) * (k + 1) + 30 * k + 23; });
  b.Add("plMatrixEff", T, (dh / 9) * 9 + 249);
  b.Add("AuxMixLine1", H, (8 * dh) / 9 + 214);
  b.Add("AuxMixLine2", T, (9 * dh) / 10 + 246);
  // The bus turns down into the effect row wherever the two come to lie.
  const int busTop = (9 * dh) / 10 + 246;
  for (const char* line : {"AuxMixLine3", "AuxMixLine4"}) b.Add(line, T, busTop);
  b.Add("AuxMixLine4", H, std::max(6, (dh / 9) * 9 + 249 + 3 - busTop));
  for (const char* image : {"imLeftUpBase", "imRightUpBase"}) b.Add(image, H, 256 + dh);
  for (const char* image : {"imLeftDownBase", "imRightDownBase"}) b.Add(image, T, 256 + dh);
  b.Add("uxgPreset", T, 624 + dh);

  // Level meters: the page's own panel and bar, then the eight channels'.
  auto pageAndRows = [&b](const QString& prefix, bool inputs, Field field, int value) {
    b.Add(prefix, field, value);
    if (inputs)
      b.Inputs(prefix, field, [value](int) { return value; });
    else
      b.Outputs(prefix, field, [value](int) { return value; });
  };
  for (const char* panel : {"plLevelGateIn", "plLevelAgcIn"}) pageAndRows(panel, true, H, 247 + dh);
  pageAndRows("plLevelCompOut", false, H, 247 + dh);
  for (const char* bar : {"pbLevelGateIn", "pbLevelAgcIn"}) {
    pageAndRows(bar, true, H, (8 * dh) / 9 + 208);
    pageAndRows(bar, true, T, dh / 9 + 32);
  }
  b.Add("pbLevelCompOut", H, (8 * dh) / 9 + 185);
  b.Add("pbLevelCompOut", T, dh / 9 + 54);
  b.Outputs("pbLevelCompOut", H, fixed((8 * dh) / 9 + 185));
  b.Outputs("pbLevelCompOut", T, fixed(dh / 9 + 55));
  pageAndRows("pbLimitCompOut", false, H, dh / 9 + 22);

  // Scale labels, n = 1 (top) ... 9 (bottom).
  struct Scale {
    const char* comp;  // compressor page and rows
    int compPage, compRows;
    const char* gate;  // gate and AGC pages and rows
    int gateBase;
  };
  const Scale scales[9] = {
      {"lbLimit", 32, 35, "lbClip", 36}, {"lbClip", 56, 58, "lb12", 59},   {"lb12", 79, 81, "lb5", 82},
      {"lb5", 102, 105, "lb0", 105},     {"lb0", 124, 128, "lbN5", 129},   {"lbN5", 149, 151, "lbN15", 152},
      {"lbN15", 172, 175, "lbN20", 175}, {"lbN30", 195, 198, "lbN30", 198}, {"lbN60", 219, 222, "lbN60", 222},
  };
  for (int n = 1; n <= 9; ++n) {
    const Scale& s = scales[n - 1];
    const int step = (n * dh) / 9;
    const QString comp = QString::fromLatin1(s.comp) + "CompOut";
    b.Add(comp, T, step + s.compPage);
    b.Outputs(comp, T, fixed(step + s.compRows));
    for (const char* page : {"GateIn", "AgcIn"}) pageAndRows(QString::fromLatin1(s.gate) + page, true, T, step + s.gateBase);
  }
  return b.rules;
}

std::vector<Rule> HorizontalRules(int dw) {
  Builder b;
  const auto L = Field::Left;
  const auto W = Field::Width;
  auto fixed = [](int v) { return [v](int) { return v; }; };

  b.Add("uxbMenuLink", L, 1052 + dw);
  b.Add("uxgFunction", W, 1115 + dw);
  b.Add("uxgMain", W, 1112 + dw);
  b.Channels("uxgFftIn", "uxgFftOut", W, fixed(1112 + dw));
  for (const char* page : kUpperPages) b.Add(QStringLiteral("uxgFft") + page, W, 1112 + dw);
  for (const char* page : kLowerPages) b.Add(QStringLiteral("uxgParam") + page, L, 20 + dw / 2);
  b.Channels("fftDrawIn", "fftDrawOut", W, fixed(1070 + dw));
  b.Add("fftDrawEff", W, 1070 + dw);
  const struct {
    const char* role;
    int left;
  } plotButtons[] = {{"vrbEqBypass", 776}, {"vrbEqReset", 857}, {"vrbEqShowAll", 934}};
  for (const auto& button : plotButtons) {
    const QString role = QString::fromLatin1(button.role);
    b.Channels(role + "In", role + "Out", L, fixed(button.left + dw));
    b.Add(role + "Eff", L, button.left + dw);
  }
  b.Channels("uxgFftShowChIn", "uxgFftShowChOut", L, fixed(420 + dw / 2));
  b.Add("fftDrawGainIn", W, 530 + dw / 2);
  b.Add("fftDrawGainOut", W, 530 + dw / 2);
  b.Add("fftDrawGainOut", L, 550 + dw / 2);
  b.Add("uxgFftShowChIn", L, 130 + dw / 2);
  b.Add("uxgFftShowChOut", L, 662 + dw);
  b.Add("lbFftGainOut", L, 600 + dw / 2);
  for (const char* name : {"plFftDelayIn", "lbFftDelayIn"}) b.Add(name, W, 520 + dw / 2);
  for (const char* name : {"plFftDelayOut", "lbFftDelayOut"}) b.Add(name, W, 1055 + dw);
  b.Inputs("lbDelayLineIn", W, fixed(475 + dw / 2));
  b.Outputs("lbDelayLineOut", W, fixed(1006 + dw));
  for (const char* plot : {"wpComp", "wpGate", "wpAgc"}) b.Add(plot, W, 587 + dw);
  for (const char* name : {"lbCompName", "lbGateName", "lbAgcName"}) b.Add(name, W, 538 + dw);
  auto meterLeft = [dw](int i) { return 659 + 53 * i + dw; };
  b.Inputs("plLevelGateIn", L, meterLeft);
  b.Inputs("plLevelAgcIn", L, meterLeft);
  b.Outputs("plLevelCompOut", L, meterLeft);
  b.Add("pbMatrix", L, 465 + dw / 3);
  b.Add("pbMatrix", W, 97 + dw / 3);
  b.Add("AuxMixLine1", L, 434 + dw / 3);
  b.Add("AuxMixLine2", L, 153 + dw / 8);
  b.Add("AuxMixLine2", W, 285 + dw / 5);
  for (const char* line : {"AuxMixLine3", "AuxMixLine4"}) b.Add(line, L, 102 + dw / 8);
  b.Inputs("plMatrixIn", W, fixed(415 + dw / 3));
  b.Add("plMatrixEff", W, 415 + dw / 3);
  b.Outputs("plMatrixOut", L, fixed(561 + (2 * dw) / 3));
  b.Outputs("plMatrixOut", W, fixed(510 + dw / 3));
  for (const char* image : {"imRightUpBase", "imRightDownBase"}) b.Add(image, L, 1077 + dw);
  for (const char* image : {"imLeftUpBase", "imLeftDownBase"}) b.Add(image, W, 1082 + dw);
  b.Add("uxgPreset", L, 10 + dw / 2);

  // Matrix overview cells: a label and the shape of the same name behind it.
  const int t = dw / 3;
  auto cell = [&b](const QString& name, int width, int left) {
    for (const char* kind : {"lb", "sp"}) {
      b.Add(kind + name, W, width);
      b.Add(kind + name, L, left);
    }
  };
  for (int i = 0; i < 8; ++i) {
    const QString x = In(i);
    for (const char* name : {"lbMatrixNameIn", "lbMatrixChNameIn"}) {
      b.Add(name + x, W, 70 + t / 7);
      b.Add(name + x, L, t / 8);
    }
    b.Add("spMatrixNameIn" + x, W, 58 + t / 7);
    b.Add("spMatrixNameIn" + x, L, t / 8);
  }
  b.Add("lbMatrixChNameEff", W, 70 + t / 7);
  b.Add("lbMatrixChNameEff", L, t / 8);
  const struct {
    const char* input;
    const char* effect;  // the effect row's cell in the same column, if any
    int c, base;
  } inColumns[] = {{"Gain", nullptr, 2, 77}, {"Gate", "Aec", 3, 134}, {"HpLp", "Sel", 4, 191},
                   {"Peq", "Efx", 5, 248},   {"Phase", "Peq", 6, 305}, {"Delay", "Comp", 7, 362}};
  for (const auto& col : inColumns) {
    const int left = (col.c * t) / 8 + col.base;
    for (int i = 0; i < 8; ++i) cell(QStringLiteral("Matrix%1In").arg(col.input) + In(i), 50 + t / 7, left);
    if (col.effect) cell(QStringLiteral("Matrix%1Eff").arg(col.effect), 50 + t / 7, left);
  }
  const struct {
    const char* role;
    int c, base;
  } outColumns[] = {{"Peq", 1, 61}, {"Gain", 2, 121}, {"Comp", 3, 180}, {"Phase", 4, 240}, {"Delay", 5, 298},
                    {"Mute", 6, 359}};
  for (int k = 0; k < 8; ++k) {
    const QString n = Out(k);
    cell("MatrixXoverOut" + n, 50 + t / 8, 2);
    for (const auto& col : outColumns)
      cell(QStringLiteral("Matrix%1Out").arg(col.role) + n, 50 + t / 8, (col.c * t) / 9 + col.base);
    b.Add("lbMatrixNameOut" + n, W, 80 + t / 8);
    b.Add("lbMatrixNameOut" + n, L, (7 * t) / 9 + 418);
    b.Add("lbMatrixChNameOut" + n, W, 80 + t / 8);
    b.Add("lbMatrixChNameOut" + n, L, (7 * t) / 9 + 419);
    b.Add("spMatrixNameOut" + n, W, 58 + t / 8);
    b.Add("spMatrixNameOut" + n, L, (7 * t) / 9 + 416);
  }
  return b.rules;
}

std::vector<Rule> Rules(int dw, int dh) {
  std::vector<Rule> rules;
  if (dh >= 0) rules = VerticalRules(dh);
  if (dw >= 0) {
    std::vector<Rule> h = HorizontalRules(dw);
    rules.insert(rules.end(), h.begin(), h.end());
  }
  return rules;
}

int Find(const std::vector<Rule>& rules, const QString& name, Field field, int missing) {
  for (auto it = rules.rbegin(); it != rules.rend(); ++it)
    if (it->field == field && it->name == name) return it->value;
  return missing;
}

DelayIndicator PlaceDelayIndicator(int position, int maximum, int lineWidth, int imageTop, int imageHeight) {
  const int span = lineWidth - 90;
  const int left = maximum > 0 ? position * span / maximum + 40 : 40;
  return {left, left + 30, imageTop + imageHeight / 4};
}

}  // namespace mainlayout
