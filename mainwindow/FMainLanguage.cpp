// Language: the text lookup, the language pass over the main window's menus
// and controls, and the Language menu.
#include <QLabel>

#include "controls/UxBmpButton.h"
#include "mainwindow/FMain.h"
#include "mainwindow/LanguageTables.h"
#include "platform/MenuItem.h"
#if __has_include("display/MyPEQAllpassBandPassStop.h")
#include "display/MyPEQAllpassBandPassStop.h"
#define DSP_HAVE_PEQ_GRID 1
#endif

QString TfmMain::TranslateSid(const QString& key) const {
  return LookupSid(Language == QLatin1String("ChineseGB") ? SimplifiedTable() : EnglishTable(), key);
}

namespace {

// One caption of the language pass. A button with an up key shows the first
// key while it is down and the up key while it is up.
struct Caption {
  const char* name;
  const char* key;
  const char* upKey = nullptr;
};

enum class Family { None, Inputs, Outputs };

struct Step {
  Family family;
  std::vector<Caption> captions;
};

// The pass in its order; a family step runs channel by channel, appending the
// channel's letter or digit to each name.
const std::vector<Step>& languageSteps() {
  static const std::vector<Step> steps = {
      {Family::None,
       {{"File", "SID_FILE"}, {"Open", "SID_OPEN"}, {"Save", "SID_SAVE"}, {"Upload", "SID_UPLOAD"},
        {"Download", "SID_DOWNLOAD"}, {"FactoryDefault", "SID_RETRUN_FACTORY"}, {"Exit", "SID_FILE_EXIT"},
        {"BlockDiagram", "SID_BLOCK"}}},
      {Family::None, {{"Connected", "@connect"}}},
      {Family::None,
       {{"Connect", "SID_CONNECT"}, {"ConnectHelp", "SID_CONNECT_HELP"}, {"Lock", "SID_LOCK"},
        {"LockSetup", "SID_LOCK_SETUP"}, {"WorkingStatus", "SID_WORK_STATUS"}, {"Memorize", "SID_MEMORIZE"},
        {"Forget", "SID_FORGET"}, {"U01", "SID_U01"}, {"SettingID", "SID_SET_ID"},
        {"NetworkSetup", "SID_SET_NETWORK"}, {"TestTone", "SID_TEST_TONE"}, {"Link", "SID_LINK"},
        {"Copy", "SID_COPY"}, {"ChNameList", "SID_CH_NAME_LIST"}, {"SubCtrl", "SID_SUB_CTRL"},
        {"GroupCtrl", "SID_GROUP_CTRL"}, {"LanguageSel", "SID_LANGUAGE"},
        {"ChineseSimplified", "SID_CHINESE_SIMPLIFIED"}, {"ChineseTraditional", "SID_CHINESE_TRODITIONAL"},
        {"English", "SID_ENGLISH"}, {"Help", "SID_HELP"}, {"Rs232Code", "SID_RS232_CODE"},
        {"ClearMatrix", "SID_MATRIX_CLEAR"}, {"About", "SID_ABOUT"}}},
      {Family::None, {{"uxbMenuLink", "@online"}}},
      {Family::None,
       {{"lAddress", "SID_ADDRESS"}, {"lPreset", "SID_PRESET"}, {"bStore", "SID_BT_STORE"},
        {"bRecall", "SID_BT_RECALL"}}},
      {Family::Inputs,
       {{"uxbMuteBackupIn", "SID_MUTE"},
        {"uxbPhaseBackupIn", "SID_PHASE_ON", "SID_PHASE_OFF"},
        {"uxbLineBackupIn", "SID_POTENT_MIC", "SID_POTENT_LINE"},
        {"peqPeqIn", "@grid"}}},
      {Family::Outputs,
       {{"uxbMuteBackupOut", "SID_MUTE"}, {"uxbPhaseBackupOut", "SID_PHASE_ON", "SID_PHASE_OFF"},
        {"peqPeqOut", "@grid"}}},
      {Family::None,
       {{"lbGainInput", "SID_IN"}, {"lbGainOutput", "SID_OUT"}, {"lbGainSel", "SID_CH_SELECT"},
        {"uxbGainSelIn", "SID_IN"}, {"uxbGainSelOut", "SID_OUT"}, {"lbDelaySel", "SID_CH_SELECT"},
        {"uxbDelaySelIn", "SID_IN"}, {"uxbDelaySelOut", "SID_OUT"}, {"lbDelayInput", "SID_IN"},
        {"lbDelayOutput", "SID_OUT"}, {"lbDelayUnit", "SID_DELAY_UNIT"}, {"lbFftDelayIn", "SID_IN_DELAY"},
        {"lbFftDelayOut", "SID_OUT_DELAY"}, {"uxbUnit0", "SID_UNIT_MS"}, {"uxbUnit1", "SID_UNIT_M"},
        {"uxbUnit2", "SID_UNIT_FT"}, {"lbFftGainIn", "SID_IN"}, {"lbFftGainOut", "SID_OUT"}}},
      {Family::Inputs,
       {{"lbFftParamIn", "SID_PARAM_KEY"}, {"vrbEqShowAllIn", "SID_SHOW_ALL_EQ"},
        {"vrbEqResetIn", "SID_RESET_EQ"}, {"vrbEqBypassIn", "SID_BYPASS_EQ"}}},
      {Family::Outputs,
       {{"lbFftParamOut", "SID_PARAM_KEY"}, {"vrbEqShowAllOut", "SID_SHOW_ALL_EQ"},
        {"vrbEqResetOut", "SID_RESET_EQ"}, {"vrbEqBypassOut", "SID_BYPASS_EQ"}}},
      {Family::None,
       {{"lbGainInA", "SID_GAIN"}, {"uxbMuteInA", "SID_MUTE"}, {"uxbPhaseInA", "SID_PHASE_ON", "SID_PHASE_OFF"},
        {"uxbLineInA", "SID_POTENT_MIC", "SID_POTENT_LINE"}, {"lbEqParamInA", "SID_EQ_PARAM"},
        {"lbEqFreqInA", "SID_EQ_FREQ"}, {"lbEqBwInA", "SID_EQ_BW"}, {"lbEqGainInA", "SID_EQ_GAIN"},
        {"lbEqInA", "SID_EQ_PARAM_TITLE"}, {"lbLowCutFreqInA", "SID_HPF"}, {"lbLowCutSlopInA", "SID_HLP_SLOP"},
        {"uxbLowCutBypassInA", "SID_HLP_BYPASS"}, {"lbHighCutFreqInA", "SID_LPF"},
        {"lbHighCutSlopInA", "SID_HLP_SLOP"}, {"uxbHighCutBypassInA", "SID_HLP_BYPASS"},
        {"lbFbtInA", "SID_MIC_FBQ"}, {"uxbFbtLevel0InA", "SID_MIC_FBT0"}, {"uxbFbtLevel1InA", "SID_MIC_FBT1"},
        {"uxbFbtLevel2InA", "SID_MIC_FBT2"}, {"uxbFbtLevel3InA", "SID_MIC_FBT3"},
        {"uxbFbtLevel4InA", "SID_MIC_FBT4"}, {"lbGateName", "@gate"}, {"lbAgcName", "@agc"}}},
      {Family::Inputs,
       {{"lbGateThresholdIn", "SID_COMP_THRESHOLD"}, {"lbGateAttackIn", "SID_COMP_ATTACK"},
        {"lbGateReleaseIn", "SID_COMP_RELEASE"}}},
      {Family::Inputs,
       {{"lbAgcRatioIn", "SID_COMP_RATIO"}, {"lbAgcThresholdIn", "SID_COMP_THRESHOLD"},
        {"lbAgcAttackIn", "SID_COMP_ATTACK"}, {"lbAgcReleaseIn", "SID_COMP_RELEASE"},
        {"lbAgcTargetIn", "SID_AGC_TARGET"}}},
      {Family::None,
       {{"lbGainEff", "SID_GAIN"}, {"uxbMuteEff", "SID_MUTE"}, {"lbMatrixEff", "SID_CH_SELECT"},
        {"lbCompEff", "SID_EFF_COMP"}, {"uxbCompSetEff", "SID_SETUP"}, {"uxbEffectSetEff", "SID_SETUP"},
        {"lbEffectEff", "SID_EFFECT"}, {"uxbOnOffEff", "SID_ON", "SID_OFF"}, {"uxbAutoMixSetEff", "SID_SETUP"},
        {"lbAutoMixEff", "SID_EFF_MIX"}, {"uxbAutoMixOnOffEff", "SID_ON", "SID_OFF"},
        {"uxbCameraSetEff", "SID_SETUP"}, {"lbCameraEff", "SID_EFF_CAMERA"},
        {"uxbCameraOnOffEff", "SID_ON", "SID_OFF"}, {"lbAecEff", "SID_AEC_AEC"}, {"uxbAecSetEff", "SID_SETUP"},
        {"uxbAecOnOffEff", "SID_ON", "SID_OFF"}, {"lbEqParamEff", "SID_EQ_PARAM"}, {"lbEqFreqEff", "SID_EQ_FREQ"},
        {"lbEqBwEff", "SID_EQ_BW"}, {"lbEqGainEff", "SID_EQ_GAIN"}, {"lbEqEff", "SID_EFF_EQ_TITLE"},
        {"peqPeqEff", "@grid"}, {"lbFftParamEff", "SID_PARAM_KEY"}, {"vrbEqShowAllEff", "SID_SHOW_ALL_EQ"},
        {"vrbEqResetEff", "SID_RESET_EQ"}, {"vrbEqBypassEff", "SID_BYPASS_EQ"}, {"lbGainOut1", "SID_GAIN"},
        {"uxbMuteOut1", "SID_MUTE"}, {"uxbPhaseOut1", "SID_PHASE_ON", "SID_PHASE_OFF"},
        {"lbEqParamOut1", "SID_EQ_PARAM"}, {"lbEqFreqOut1", "SID_EQ_FREQ"}, {"lbEqBwOut1", "SID_EQ_BW"},
        {"lbEqGainOut1", "SID_EQ_GAIN"}, {"lbEqOut1", "SID_EQ_PARAM_TITLE"}, {"lbLowCutFreqOut1", "SID_HPF"},
        {"lbLowCutSlopOut1", "SID_HLP_SLOP"}, {"uxbLowCutBypassOut1", "SID_HLP_BYPASS"},
        {"lbHighCutFreqOut1", "SID_LPF"}, {"lbHighCutSlopOut1", "SID_HLP_SLOP"},
        {"uxbHighCutBypassOut1", "SID_HLP_BYPASS"}}},
      {Family::Outputs,
       {{"lbCompRatioOut", "SID_COMP_RATIO"}, {"lbCompThresholdOut", "SID_COMP_THRESHOLD"},
        {"lbCompAttackOut", "SID_COMP_ATTACK"}, {"lbCompReleaseOut", "SID_COMP_RELEASE"}}},
      {Family::None, {{"lbCompName", "@comp"}}},
  };
  return steps;
}

}  // namespace

QString TfmMain::DynamicsTitle(const char* prefix, int number, const char* separator, const char* key) const {
  return QString::fromLatin1(prefix) + QString::number(number) + QString::fromLatin1(separator) + TranslateSid(key);
}

bool TfmMain::ApplyCaption(const QString& name, const char* key, const char* upKey) {
  QObject* control = FindControl(name);
  const QString k = QString::fromLatin1(key);
  QString text;
  if (k == "@connect") text = TranslateSid(IdentityAccepted ? "SID_DISCONNECT" : "SID_CONNECT");
  else if (k == "@online") text = TranslateSid(IdentityAccepted ? "SID_ONLINE" : "SID_OFFLINE");
  else if (k == "@gate") text = DynamicsTitle("In ", GateChannel + 1, " ", "SID_GATE");
  else if (k == "@agc") text = DynamicsTitle("In ", AgcChannel + 1, " ", "SID_AGC");
  else if (k == "@comp") text = DynamicsTitle("Out ", CompChannel - 7, " ", "SID_COMP");
  else if (k == "@grid") return ApplyGridLanguage(control);
  else if (upKey) {
    auto* button = dynamic_cast<TUxBmpButton*>(control);
    if (!button) return false;
    text = TranslateSid(button->Down() ? k : QString::fromLatin1(upKey));
  } else {
    text = TranslateSid(k);
  }
  if (auto* m = dynamic_cast<platform::MenuItem*>(control)) m->SetCaption(text);
  else if (auto* b = dynamic_cast<TUxBmpButton*>(control)) b->SetCaption(text);
  else if (auto* l = dynamic_cast<QLabel*>(control)) l->setText(text);
  else if (auto* w = dynamic_cast<QWidget*>(control); w && w->property("Caption").isValid())
    w->setProperty("Caption", text);
  else return false;
  return true;
}

bool TfmMain::ApplyGridLanguage(QObject* control) {
#ifdef DSP_HAVE_PEQ_GRID
  auto* grid = dynamic_cast<TMyPEQAllpassBandPassStop*>(control);
  if (!grid) return false;
  for (int i = 0; i < 9; ++i) grid->SetEqTypeString(i, TranslateSid(QStringLiteral("SID_EQ_TYPE%1").arg(i)));
  grid->SetBypassString(TranslateSid("SID_EQ_BYPASS"));
  grid->ChangeLanguage();
  return true;
#else
  (void)control;
  return true;
#endif
}

void TfmMain::ApplyLanguage() {
  // The menu bar's new texts may change its height: the window keeps its outer size.
  const QSize outer = OuterSize();
  [&] {
    for (const Step& step : languageSteps()) {
      const int first = step.family == Family::Outputs ? 8 : 0;
      const int count = step.family == Family::None ? 1 : 8;
      for (int ch = first; ch < first + count; ++ch) {
        const QString suffix = step.family == Family::None ? QString() : platform::ChannelSuffix(ch);
        for (const Caption& c : step.captions)
          if (!ApplyCaption(QString::fromLatin1(c.name) + suffix, c.key, c.upKey)) return;
      }
    }
  }();
  if (OuterSize() != outer) SetOuterSize(outer);
}

void TfmMain::ChineseSimplifiedClick(QObject* Sender) { LanguageItemClick(Sender); }
void TfmMain::EnglishClick(QObject* Sender) { LanguageItemClick(Sender); }

void TfmMain::LanguageItemClick(QObject* Sender) {
  auto* item = dynamic_cast<platform::MenuItem*>(Sender);
  if (!item) return;
  const int tag = platform::Tag(item);
  Language = tag == 0 ? QStringLiteral("ChineseGB") : QStringLiteral("English");
  if (item->Checked()) return;
  for (const char* name : {"ChineseSimplified", "ChineseTraditional", "English"})
    if (auto* m = MenuItem(QString::fromLatin1(name))) m->SetChecked(m == item);
  ApplyLanguage();
  if (auto* grid = FindControl<QWidget>("peqPeqInA")) grid->update();
}
