// The effect channel's page (channel 18): the inputs that feed the effect
// bus, the channel's gain, mute, EQ bypass and compressor threshold, the
// on/off switches of the effect, camera, automix and echo-cancellation blocks,
// and the "Set" buttons that load an effect dialog from the image and show it.
//
// A dialog is loaded under its Loading byte: the faders it moves fire their
// change handlers, which then only refresh their texts, so loading sends
// nothing. Loading and showing are apart so the loaded dialog can be looked
// at without a modal loop.
#include <QEvent>
#include <QLabel>
#include <QMouseEvent>

#include "controls/DvPowerButton.h"
#include "controls/ExTrackBar.h"
#include "controls/RoundEdit.h"
#include "controls/UxBmpButton.h"
#include "controls/UxComboBox.h"
#include "controls/wLed.h"
#include "dialogs/FAec.h"
#include "dialogs/FAutoMix.h"
#include "dialogs/FCamera.h"
#include "dialogs/FComp.h"
#include "dialogs/FRvb.h"
#include "display/LMyFFTDrawHpLp6dB.h"
#include "link/Lcmd.h"
#include "mainwindow/FMain.h"
#include "mainwindow/MatrixDiagram.h"
#include "model/Lunitcontrol.h"
#include "platform/Format.h"
#include "platform/Graphics.h"

namespace {

constexpr int kEffect = 18;

QString Letter(int input) { return platform::ChannelSuffix(input); }

void SetFontColour(QLabel* label, const QColor& colour) {
  QPalette pal = label->palette();
  pal.setColor(QPalette::WindowText, colour);
  label->setPalette(pal);
}

// A click on a label of the diagram: press and release over it.
class LabelClick : public QObject {
 public:
  LabelClick(QLabel* label, std::function<void(QObject*)> handler) : QObject(label), handler_(std::move(handler)) {
    label->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::MouseButtonPress) {
      pressed_ = static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
    } else if (event->type() == QEvent::MouseButtonRelease && pressed_) {
      pressed_ = false;
      const auto* e = static_cast<QMouseEvent*>(event);
      if (e->button() == Qt::LeftButton && static_cast<QWidget*>(watched)->rect().contains(e->position().toPoint()))
        handler_(watched);
    }
    return false;
  }

 private:
  std::function<void(QObject*)> handler_;
  bool pressed_ = false;
};

}  // namespace

// Effect-bus selection. The routing of an output that takes the effect
// return loses the input as it joins the bus, and the crosspoints follow the
// matrix page's interlock.
void TfmMain::uxbAMatrixEffClick(QObject* Sender) {
  auto* button = dynamic_cast<TUxBmpButton*>(Sender);
  if (!button || !UnitControl) return;
  const int i = button->Tag();
  if (i < 0 || i > 7) return;
  const std::uint16_t bit = static_cast<std::uint16_t>(1u << i);
  const bool on = button->Down();

  MixSettings automix = UnitControl->GetAutoMix();
  automix.WordB = on ? automix.WordB | (std::uint32_t{bit} << 16) : automix.WordB & ~(std::uint32_t{bit} << 16);
  UnitControl->SetAutoMix(automix.WordA, automix.WordB, automix.On);

  auto* label = FindControl<QLabel>("lbMatrixDelayIn" + Letter(i));
  if (!label) return;
  const std::uint16_t e = UnitControl->GetMatrix(kEffect) & 0xFF;
  const bool off = false;
  std::uint16_t bus;
  if (on) {
    bus = e | bit;
    SetFontColour(label, QColor(0, 255, 0));
    for (int o = 0; o < 8; ++o) {
      const std::uint16_t r = UnitControl->GetMatrix(8 + o);
      const bool direct = r & bit;
      const bool aux = r & 0x100;
      if (direct && aux) {
        if (!SetCrosspoint(o, i, false, &off)) return;
        UnitControl->SetMatrix(8 + o, static_cast<std::uint16_t>(r & ~bit));
      } else if (direct) {
        if (!SetCrosspoint(o, 8, false, nullptr)) return;
      } else if (aux) {
        if (!SetCrosspoint(o, i, false, nullptr)) return;
      }
    }
  } else {
    bus = e & static_cast<std::uint16_t>(~bit);
    SetFontColour(label, QColor(255, 255, 255));
    for (int o = 0; o < 8; ++o) {
      if (!SetCrosspoint(o, i, true, nullptr)) return;
      if (!(UnitControl->GetMatrix(8 + o) & bus) && !SetCrosspoint(o, 8, true, nullptr)) return;
    }
  }
  UnitControl->SetMatrix(kEffect, bus);
  DrawMatrix();
}

void TfmMain::isGainEffChange(QObject* Sender) {
  if (Updating || !UnitControl) return;
  auto* fader = dynamic_cast<TExTrackBar*>(Sender);
  auto* text = FindControl<TRoundEdit>("cvdGainEff");
  if (!fader || !text) return;
  text->SetText(FormatGain(fader->Position()));
  UnitControl->SetGain(kEffect, static_cast<std::uint16_t>(fader->Position() - fader->Min()));
}

void TfmMain::uxbMuteEffClick(QObject* Sender) {
  auto* button = dynamic_cast<TUxBmpButton*>(Sender);
  if (button && UnitControl) UnitControl->SetMute(kEffect, button->Down() ? 1 : 0);
}

void TfmMain::vrbEqBypassEffClick(QObject* Sender) {
  auto* plot = FindControl<display::LMyFFTDrawHpLp6dB>("fftDrawEff");
  if (!plot || !UnitControl) return;
  const int ch = platform::Tag(Sender);
  const bool bypassed = UnitControl->GetEqBypassMask(ch) != 0;
  plot->DrawTextA(plot->GetPlotWidth() / 3, plot->GetPlotHeight() / 4, 60, platform::clBtnFace, "Times New Roman",
                  bypassed ? "" : "BYPASS");
  const std::uint8_t state = bypassed ? 0 : 1;
  UnitControl->SetEqBypassMask(ch, state);
  plot->update();
  SendCommand(CM_MCS_CMD(GetDeviceId(), 0x3C, static_cast<std::uint8_t>(ch), state), false);
}

void TfmMain::isCompThresholdEffChange(QObject* Sender) {
  auto* fader = dynamic_cast<TExTrackBar*>(Sender);
  auto* text = FindControl<TRoundEdit>("cvdCompThresholdEff");
  if (!fader || !text) return;
  text->SetText(QString::fromStdString(platform::FormatC(" %+5.1fdB", fader->Position() * 0.5)));
  if (!Updating) SetComp(kEffect, 0, fader->Position());
}

namespace {

// The switch's caption for its new state; true when it is down.
bool SwitchCaption(TfmMain& form, QObject* sender) {
  auto* button = dynamic_cast<TUxBmpButton*>(sender);
  if (!button) return false;
  button->SetCaption(form.TranslateSid(button->Down() ? "SID_ON" : "SID_OFF"));
  return button->Down();
}

}  // namespace

void TfmMain::uxbOnOffEffClick(QObject* Sender) {
  const bool on = SwitchCaption(*this, Sender);
  if (UnitControl) UnitControl->SetEffectState(on ? 1 : 0, UnitControl->GetPresetImage().Effect.EffectVolume);
}

void TfmMain::uxbCameraOnOffEffClick(QObject* Sender) {
  const bool on = SwitchCaption(*this, Sender);
  if (!UnitControl) return;
  const MixSettings camera = UnitControl->GetCamera();
  UnitControl->SetMixGate(camera.WordA, camera.WordB, on ? 1 : 0);
}

void TfmMain::uxbAutoMixOnOffEffClick(QObject* Sender) {
  const bool on = SwitchCaption(*this, Sender);
  if (!UnitControl) return;
  const MixSettings automix = UnitControl->GetAutoMix();
  UnitControl->SetAutoMix(automix.WordA, automix.WordB, on ? 1 : 0);
}

void TfmMain::uxbAecOnOffEffClick(QObject* Sender) {
  const bool on = SwitchCaption(*this, Sender);
  SetAec(5, on ? 1 : 0);
}

bool TfmMain::LoadCompDialog() {
  if (!fmComp || !UnitControl) return false;
  auto* threshold = fmComp->FindControl<TExTrackBar>("isThreshold");
  auto* attack = fmComp->FindControl<TExTrackBar>("isAttack");
  auto* release = fmComp->FindControl<TExTrackBar>("isRelease");
  auto* ratio = fmComp->FindControl<TExTrackBar>("isRatio");
  auto* led = fmComp->FindControl<TwLed>("wlrCompLed");
  if (!threshold || !attack || !release || !ratio || !led) return false;
  const auto& words = UnitControl->GetPresetImage().Effect.Comp;
  fmComp->SetLoading(1);
  threshold->SetPosition(threshold->Min() + words[3]);
  attack->SetPosition(words[1]);
  release->SetPosition(words[2]);
  ratio->SetPosition(words[0]);
  fmComp->SetLoading(0);
  led->SetActive(false);
  return true;
}

bool TfmMain::LoadRvbDialog() {
  if (!fmRvb || !UnitControl) return false;
  // In loading order, each with the half of the words it shows.
  const char* const names[] = {"isEchoGain", "isEchoRepeat", "isEchoDelay", "isEchoPreDelay", "isRvbGain",
                               "isRvbReflect", "isRvbTime", "isRvbPreDelay", "isEffectVol"};
  TExTrackBar* faders[9];
  for (int k = 0; k < 9; ++k)
    if (!(faders[k] = fmRvb->FindControl<TExTrackBar>(QString::fromLatin1(names[k])))) return false;
  const EffectChannelRecord& fx = UnitControl->GetPresetImage().Effect;
  const auto low = [](std::uint32_t w) { return static_cast<int>(w & 0xFFFF); };
  const auto high = [](std::uint32_t w) { return static_cast<int>(w >> 16); };
  const int positions[9] = {high(fx.Echo[1]),   low(fx.Echo[1]),   high(fx.Echo[0]),
                            low(fx.Echo[0]),    high(fx.Reverb[1]), high(fx.Reverb[0]),
                            low(fx.Reverb[1]),  low(fx.Reverb[0]), fx.EffectVolume};
  fmRvb->SetEchoWords(fx.Echo);
  fmRvb->SetReverbWords(fx.Reverb);
  fmRvb->SetLoading(1);
  for (int k = 0; k < 9; ++k) faders[k]->SetPosition(positions[k]);
  fmRvb->SetLoading(0);
  return true;
}

bool TfmMain::LoadCameraDialog() {
  if (!fmCamera || !UnitControl) return false;
  auto* threshold = fmCamera->FindControl<TExTrackBar>("isThreshold");
  auto* attack = fmCamera->FindControl<TExTrackBar>("isAttack");
  auto* release = fmCamera->FindControl<TExTrackBar>("isRelease");
  auto* fallback = fmCamera->FindControl<TUxComboBox>("uxcCameraDefault");
  if (!threshold || !attack || !release || !fallback) return false;
  const MixSettings camera = UnitControl->GetCamera();
  fmCamera->SetCameraState(camera);
  fmCamera->SetInputMask(UnitControl->GetMatrix(kEffect));
  fmCamera->SetLoading(1);
  threshold->SetPosition(static_cast<int>(camera.WordB & 0xFFFF) - 180);
  attack->SetPosition(static_cast<int>(camera.WordA & 0xFFFF));
  release->SetPosition(static_cast<int>(camera.WordA >> 16));
  fallback->SetItemIndex(UnitControl->GetPresetImage().Effect.CameraDefault - 1);
  fmCamera->SetLoading(0);
  return true;
}

// The knobs, the gain and time faders and the "Auto" button from the image;
// the bars start silent.
bool TfmMain::LoadAutoMixDialog() {
  if (!fmAutoMix || !UnitControl) return false;
  auto* gain = fmAutoMix->FindControl<TExTrackBar>("isGainAux");
  auto* time = fmAutoMix->FindControl<TExTrackBar>("isShareTime");
  auto* ratio = fmAutoMix->FindControl<TExTrackBar>("isShareRatio");
  auto* ratioBox = fmAutoMix->FindControl<TRoundEdit>("cvdShareRatio");
  auto* automatic = fmAutoMix->FindControl<TUxBmpButton>("uxbShareAuto");
  if (!gain || !time || !ratio || !ratioBox || !automatic) return false;
  const MixSettings automix = UnitControl->GetAutoMix();
  const EffectChannelRecord& fx = UnitControl->GetPresetImage().Effect;
  fmAutoMix->SetAutoMixState(automix);
  fmAutoMix->SetInputMask(UnitControl->GetMatrix(kEffect));
  fmAutoMix->SetLoading(1);
  for (int i = 0; i < 8; ++i) {
    fmAutoMix->ShowWeight(i, fx.AutoMixWeight[static_cast<std::size_t>(i)]);
    fmAutoMix->ShowInputLevel(i, -100);
  }
  gain->SetPosition(gain->Min() + UnitControl->GetGain(kEffect));
  time->SetPosition(static_cast<int>(automix.WordA & 0xFFFF));
  const int r = static_cast<int>(automix.WordA >> 16);
  automatic->SetDown(r == 0);
  ratio->setEnabled(r != 0);
  ratioBox->SetEnabled(r != 0);
  if (r != 0) ratio->SetPosition(r);
  fmAutoMix->SetLoading(0);
  return true;
}

void TfmMain::uxbAutoMixSetEffClick(QObject*) {
  if (LoadAutoMixDialog()) fmAutoMix->ShowModal();
}

void TfmMain::uxbCompSetEffClick(QObject*) {
  if (LoadCompDialog()) fmComp->ShowModal();
}

void TfmMain::uxbEffectSetEffClick(QObject*) {
  if (LoadRvbDialog()) fmRvb->ShowModal();
}

void TfmMain::uxbCameraSetEffClick(QObject*) {
  if (LoadCameraDialog()) fmCamera->ShowModal();
}

// Its controls are loaded by the refresh pass.
void TfmMain::uxbAecSetEffClick(QObject*) {
  if (fmAec) fmAec->ShowModal();
}

void TfmMain::lbMatrixCompEffClick(QObject*) { SelectPageByButton(QStringLiteral("uxbMenuEff")); }

void TfmMain::BindEffectHandlers() {
  using Click = void (TfmMain::*)(QObject*);
  auto button = [this](const QString& name, Click click) {
    if (auto* b = FindControl<TUxBmpButton>(name)) b->OnClick = [this, click](QObject* s) { (this->*click)(s); };
  };
  auto fader = [this](const QString& name, Click change) {
    if (auto* f = FindControl<TExTrackBar>(name)) f->OnChange = [this, change](QObject* s) { (this->*change)(s); };
  };
  for (int i = 0; i < 8; ++i) button("uxb" + Letter(i) + "MatrixEff", &TfmMain::uxbAMatrixEffClick);
  fader("isGainEff", &TfmMain::isGainEffChange);
  fader("isCompThresholdEff", &TfmMain::isCompThresholdEffChange);
  button("uxbMuteEff", &TfmMain::uxbMuteEffClick);
  button("uxbOnOffEff", &TfmMain::uxbOnOffEffClick);
  button("uxbCameraOnOffEff", &TfmMain::uxbCameraOnOffEffClick);
  button("uxbAutoMixOnOffEff", &TfmMain::uxbAutoMixOnOffEffClick);
  button("uxbAecOnOffEff", &TfmMain::uxbAecOnOffEffClick);
  button("uxbCompSetEff", &TfmMain::uxbCompSetEffClick);
  button("uxbEffectSetEff", &TfmMain::uxbEffectSetEffClick);
  button("uxbCameraSetEff", &TfmMain::uxbCameraSetEffClick);
  button("uxbAecSetEff", &TfmMain::uxbAecSetEffClick);
  button("uxbAutoMixSetEff", &TfmMain::uxbAutoMixSetEffClick);
  if (auto* b = FindControl<TDvDemoButton>("vrbEqBypassEff"))
    b->OnClick = [this](QObject* s) { vrbEqBypassEffClick(s); };
  for (const char* role : {"Mute", "Efx", "Peq", "Comp", "Sel", "Aec"})
    if (auto* label = FindControl<QLabel>("lbMatrix" + QString::fromLatin1(role) + "Eff"))
      new LabelClick(label, [this](QObject* s) { lbMatrixCompEffClick(s); });
}
