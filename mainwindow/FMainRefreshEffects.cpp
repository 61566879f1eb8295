// The refresh pass's steps for the dynamics pages, the effect page and the
// dialogs that mirror the image (see FMainRefresh.cpp for the pass). Each
// control's text is made from its position after the control has limited it.
// The transfer curves of input A and output 1 are redrawn, as their pages
// draw them, except during the main window's creation (Initialising); the
// pages' channels stay as they are, only the AGC page takes input A.
#include <QLabel>
#include <QRadioButton>

#include <algorithm>
#include <array>

#include "controls/ExTrackBar.h"
#include "controls/RoundEdit.h"
#include "controls/UpDown.h"
#include "controls/UxBmpButton.h"
#include "controls/UxComboBox.h"
#include "dialogs/FAec.h"
#include "dialogs/FAutoMix.h"
#include "dialogs/FGroupCtrl.h"
#include "dialogs/FSubCtrl.h"
#include "dialogs/FTest.h"
#include "display/LMyFFTDrawHpLp6dB.h"
#include "mainwindow/FMain.h"
#include "model/Dynamics.h"
#include "model/Lunitcontrol.h"
#include "platform/Format.h"
#include "platform/Graphics.h"
#include "platform/MenuItem.h"

namespace {

constexpr int kEffect = 18;

QString Name(const char* prefix, int channel) { return platform::ComposedName(QString::fromLatin1(prefix), channel); }
QString Text(const char* format, double v) { return QString::fromStdString(platform::FormatC(format, v)); }
QString HalfDb(int position) { return Text("%+1.1fdB", position * 0.5); }
QString Ms(int position) { return QString::fromStdString(platform::FormatC("%dms", position + 1)); }
QString Ratio(int position) {
  if (position == 15) return QStringLiteral("Limit");
  return position >= 0 && position < 15 ? "1:" + QString::fromLatin1(RatioTexts[position]) : QString();
}

// A fader or up-down at a position, and its box showing the text of where it
// ended up; false when either is missing.
template <typename Control>
bool Load(TfmMain& form, const QString& control, const QString& box, int position, QString (*text)(int)) {
  auto* c = form.FindControl<Control>(control);
  auto* b = form.FindControl<TRoundEdit>(box);
  if (!c || !b) return false;
  c->SetPosition(position);
  b->SetText(text(c->Position()));
  return true;
}

int Min(TfmMain& form, const QString& fader) {
  auto* f = form.FindControl<TExTrackBar>(fader);
  return f ? f->Min() : 0;
}

// An on/off switch of the effect page: Down and its caption.
bool LoadSwitch(TfmMain& form, const char* name, bool on) {
  auto* button = form.FindControl<TUxBmpButton>(QString::fromLatin1(name));
  if (!button) return false;
  button->SetDown(on);
  button->SetCaption(form.TranslateSid(on ? "SID_ON" : "SID_OFF"));
  return true;
}

}  // namespace

// 4.4, and the gate curve of input A.
bool TfmMain::RefreshGate(int i) {
  const GateWords gate = UnitControl->GetGate(i);
  const QString threshold = Name("isGateThresholdIn", i);
  if (!Load<TExTrackBar>(*this, threshold, Name("cvdGateThresholdIn", i), gate.Threshold + Min(*this, threshold),
                         HalfDb) ||
      !Load<TExTrackBar>(*this, Name("isGateAttackIn", i), Name("cvdGateAttackIn", i), gate.First & 0xFFFF, Ms) ||
      !Load<TExTrackBar>(*this, Name("isGateReleaseIn", i), Name("cvdGateReleaseIn", i), gate.First >> 16, Ms))
    return false;
  if (i != 0 || Initialising) return true;
  auto* fader = FindControl<TExTrackBar>(threshold);
  auto* title = FindControl<QLabel>("lbGateName");
  if (!title || !DrawTransferCurve("wpGate", dynamics::GateCurve(fader->Position()))) return false;
  title->setText("In A  " + TranslateSid("SID_GATE"));
  return true;
}

// 4.5, and the AGC page on input A.
bool TfmMain::RefreshAgc(int i) {
  const AgcWords agc = UnitControl->GetAgc(i);
  const int threshold = static_cast<int>(agc.Second >> 16) - 180;
  if (!Load<TExTrackBar>(*this, Name("isAgcThresholdIn", i), Name("cvdAgcThresholdIn", i), threshold, HalfDb) ||
      !Load<TUpDown>(*this, Name("udAgcRatioIn", i), Name("cvdAgcRatioIn", i), agc.First & 0xFFFF, Ratio) ||
      !Load<TExTrackBar>(*this, Name("isAgcAttackIn", i), Name("cvdAgcAttackIn", i), agc.First >> 16, Ms) ||
      !Load<TExTrackBar>(*this, Name("isAgcReleaseIn", i), Name("cvdAgcReleaseIn", i), agc.Second & 0xFFFF, Ms) ||
      !Load<TUpDown>(*this, Name("udAgcTargetIn", i), Name("cvdAgcTargetIn", i), agc.Target - 180,
                     [](int p) { return Text("%1.1f", p * 0.5); }))
    return false;
  if (i == 0 && !Initialising) SelectAgcChannel(0);
  return true;
}

// 6.5, and the compressor curve of output 1.
bool TfmMain::RefreshComp(int ch) {
  const CompWords comp = UnitControl->GetComp(ch);
  const QString threshold = Name("isCompThresholdOut", ch);
  const QString ratio = Name("isCompRatioOut", ch);
  if (!Load<TExTrackBar>(*this, threshold, Name("cvdCompThresholdOut", ch),
                         static_cast<int>(comp.Second >> 16) + Min(*this, threshold), HalfDb) ||
      !Load<TExTrackBar>(*this, ratio, Name("cvdCompRatioOut", ch), comp.First & 0xFFFF, Ratio) ||
      !Load<TExTrackBar>(*this, Name("isCompAttackOut", ch), Name("cvdCompAttackOut", ch), comp.First >> 16, Ms) ||
      !Load<TExTrackBar>(*this, Name("isCompReleaseOut", ch), Name("cvdCompReleaseOut", ch), comp.Second & 0xFFFF,
                         Ms))
    return false;
  if (ch != 8 || Initialising) return true;
  auto* t = FindControl<TExTrackBar>(threshold);
  auto* r = FindControl<TExTrackBar>(ratio);
  auto* title = FindControl<QLabel>("lbCompName");
  if (!title) return false;
  const double T = t->Position() * 0.5;
  const int rp = r->Position();
  const double offset = rp == r->Max() || rp < 0 || rp > 15 ? 0 : (20 - T) / RatioValues[rp];
  if (!DrawTransferCurve("wpComp", {{{20, T + offset}, {T, T}, {-100, -100}}, {{T + 0.2, T - 0.4}}})) return false;
  title->setText("Out 1  " + TranslateSid("SID_COMP"));
  return true;
}

// 5: the effect channel's page, in the order of its rows.
bool TfmMain::RefreshEffect() {
  auto* name = FindControl<QLabel>("lbMatrixChNameEff");
  auto* menu = FindControl<TUxBmpButton>("uxbMenuEff");
  if (!name || !menu) return false;
  name->setText(GetChannelName(kEffect));
  menu->SetHint(GetChannelName(kEffect));

  const std::uint16_t bus = UnitControl->GetMatrix(kEffect);
  for (int i = 0; i < 8; ++i) {
    auto* button = FindControl<TUxBmpButton>("uxb" + platform::ChannelSuffix(i) + "MatrixEff");
    auto* label = FindControl<QLabel>("lbMatrixDelayIn" + platform::ChannelSuffix(i));
    if (!button || !label) return false;
    const bool on = bus >> i & 1;
    button->SetDown(on);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, on ? QColor(0, 255, 0) : QColor(255, 255, 255));
    label->setPalette(pal);
  }

  const EffectChannelRecord& fx = UnitControl->GetPresetImage().Effect;
  if (!LoadSwitch(*this, "uxbOnOffEff", UnitControl->GetEffectOn() != 0) ||
      !LoadSwitch(*this, "uxbAutoMixOnOffEff", UnitControl->GetAutoMix().On != 0) ||
      !LoadSwitch(*this, "uxbCameraOnOffEff", UnitControl->GetCamera().On != 0) ||
      !LoadSwitch(*this, "uxbAecOnOffEff", fx.Aec[5] != 0))
    return false;
  if (!RefreshPeqRows(kEffect)) return false;
  if (!Load<TExTrackBar>(*this, "isCompThresholdEff", "cvdCompThresholdEff",
                         static_cast<int>(UnitControl->GetComp(kEffect).Second >> 16) +
                             Min(*this, "isCompThresholdEff"),
                         HalfDb) ||
      !Load<TExTrackBar>(*this, "isGainEff", "cvdGainEff", UnitControl->GetGain(kEffect) + Min(*this, "isGainEff"),
                         &TfmMain::FormatGain))
    return false;
  auto* mute = FindControl<TUxBmpButton>("uxbMuteEff");
  display::LMyFFTDrawHpLp6dB* plot = PlotWidget(kEffect);
  if (!mute || !plot) return false;
  mute->SetDown(UnitControl->GetMute(kEffect));
  plot->DrawTextA(plot->GetPlotWidth() / 3, plot->GetPlotHeight() / 4, 60, platform::clBtnFace, "Times New Roman",
                  UnitControl->GetEqBypassMask(kEffect) != 0 ? "BYPASS" : "");
  return true;
}

// 8: the test window, the matrix diagram, the memorize marks, then the
// automix, sub-control, group-control and echo-cancellation windows, each
// only once start-up has made it.
bool TfmMain::RefreshDialogs() {
  if (fmTest) {
    QRadioButton* sources[] = {fmTest->rbAnalogIn, fmTest->rbPinkNoise, fmTest->rbWhiteNoise, fmTest->rbSineWave};
    const int source = UnitControl->GetTestSource();
    if (source < 4) {
      sources[source]->setChecked(true);
    } else {
      // An exclusive group never lets the program clear its last choice.
      for (QRadioButton* r : sources) {
        r->setAutoExclusive(false);
        r->setChecked(false);
        r->setAutoExclusive(true);
      }
    }
    // A frequency beyond the list shows its last item, as a fader stops at
    // its end, so that the next source click sends a frequency it has.
    fmTest->cbSineFreq->SetItemIndex(std::min<int>(UnitControl->GetSineFrequency(), TfmTest::kFrequencyCount - 1));
  }
  if (auto* box = FindControl<QWidget>("pbMatrix")) box->update();
  const int mode = UnitControl->GetMemorizeMode();
  for (const char* name : {"Memorize", "Forget", "U01"})
    if (auto* m = MenuItem(QString::fromLatin1(name))) m->SetChecked(platform::Tag(m) == mode);
  if (fmAutoMix) {
    fmAutoMix->SetAutoMixState(UnitControl->GetAutoMix());
    fmAutoMix->SetInputMask(UnitControl->GetMatrix(kEffect));
  }
  if (fmSubCtrl) {
    fmSubCtrl->SetSubCtrlWord(0, UnitControl->GetSubCtrl(0));
    fmSubCtrl->SetSubCtrlWord(1, UnitControl->GetSubCtrl(1));
  }
  if (fmGroupCtrl)
    for (int n = 0; n < 8; ++n) fmGroupCtrl->SetGroupCtrlEntry(n, UnitControl->GetGroupCtrl(n).Word());
  return !fmAec || RefreshAecDialog();
}

bool TfmMain::RefreshAecDialog() {
  const char* const faders[] = {"isAecGainInput", "isAecGainOutput", "isAecGainVcsIn", "isAecGainVcsOut"};
  TExTrackBar* f[4];
  for (int k = 0; k < 4; ++k)
    if (!(f[k] = fmAec->FindControl<TExTrackBar>(QString::fromLatin1(faders[k])))) return false;
  const std::array<std::uint8_t, 6> b = UnitControl->GetAec();
  fmAec->SetLoading(1);
  f[0]->SetPosition(-b[0]);
  f[1]->SetPosition(-b[1]);
  f[2]->SetPosition(b[2] - 2);
  f[3]->SetPosition(1 - b[3]);
  bool found = true;
  if (b[4] < 5) {
    auto* level = fmAec->FindControl<TUxBmpButton>(QStringLiteral("uxbAecLevel%1").arg(b[4]));
    if (level) level->SetDown(true);
    found = level != nullptr;
  }
  fmAec->SetLoading(0);
  return found;
}
