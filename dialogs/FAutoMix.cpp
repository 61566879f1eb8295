#include "dialogs/FAutoMix.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>

#include "controls/DvLevelBar.h"
#include "controls/ExTrackBar.h"
#include "controls/RoundEdit.h"
#include "controls/UxBmpButton.h"
#include "controls/UxGroupBox.h"
#include "controls/wKnob.h"
#include "controls/wSwitchLed.h"
#include "controls/wLed.h"
#include "dialogs/DialogLook.h"
#include "mainwindow/FMain.h"
#include "mainwindow/FMainFormKit.h"
#include "platform/Format.h"

TfmAutoMix* fmAutoMix = nullptr;

namespace {

QString TwoDigits(int n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); }
QString Text(const char* format, double v) { return QString::fromStdString(platform::FormatC(format, v)); }

QLabel* CaptionLabel(platform::Form& form, QWidget* parent, const QString& name, const QRect& r, const QString& text) {
  auto* l = form.Create<QLabel>(parent, name);
  l->setGeometry(r);
  l->setAlignment(Qt::AlignCenter);
  l->setText(text);
  return l;
}

// A read-only value box whose face follows its edit's enabled state: the
// cyan face while enabled, the button face while disabled, so a box that
// takes no value does not look as if it showed one.
class DisabledFace : public QObject {
 public:
  DisabledFace(TRoundEdit* box, QColor enabled) : QObject(box), FBox(box), FEnabled(enabled) {
    box->Edit()->installEventFilter(this);
  }
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::EnabledChange && watched == FBox->Edit())
      FBox->SetColor(FBox->Enabled() ? FEnabled : platform::ToQColor(platform::clBtnFace));
    return false;
  }

 private:
  TRoundEdit* FBox;
  QColor FEnabled;
};

}  // namespace

TfmAutoMix::TfmAutoMix() {
  setObjectName(QStringLiteral("fmAutoMix"));
  setWindowTitle(QStringLiteral("AutoMix Setting"));
  setFixedSize(688, 285);
  dialogs::ApplyDialogLook(this);

  // The scale beside the level bars.
  const char* scale[] = {"Clip", "+12", "0", "-10", "-20", "-30", "-40", "-50", "-60"};
  for (int i = 0; i < 9; ++i) {
    auto* l = new QLabel(QString::fromLatin1(scale[i]), this);
    l->setGeometry(2, 138 + i * 15 - 6, 28, 12);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QFont small = l->font();
    small.setPixelSize(9);
    l->setFont(small);
  }
  for (int ch = 0; ch < 8; ++ch) {
    const QString nn = QStringLiteral("%1").arg(ch + 1, 2, 10, QLatin1Char('0'));
    auto* strip = Create<TUxGroupBox>(this, "uxgShareIn" + nn);
    dialogs::StyleGroupBox(strip, QRect(32 + ch * 62, 6, 60, 273));
    strip->SetTag(ch);
    CaptionLabel(*this, strip, "lbShareIn" + nn, QRect(2, 4, 56, 18), QStringLiteral("In %1").arg(ch + 1));
    auto* automix = Create<TwSwitchLed>(strip, "slShareAutoIn" + nn);
    automix->setGeometry(7, 24, 45, 28);
    automix->SetCaption(QStringLiteral("Auto"));
    automix->SetCaptionMargin(2);
    automix->SetBorderSize(2);
    automix->SetTag(ch);
    automix->OnChangeUser = [this](QObject* s) { slShareAutoIn01ChangeUser(s); };
    auto* knob = Create<TwKnob>(strip, "kbShareWeightIn" + nn);
    knob->setGeometry(10, 56, 40, 40);
    knob->SetMinMax(-280, 120);
    knob->SetKnobRadius(20);
    knob->SetKnobEdgeWidth(2);
    knob->SetKnobStyle(iksRaisedEdge);
    knob->SetIndicatorActiveColor(platform::clMaroon);
    knob->SetIndicatorInactiveColor(platform::clGreen);
    knob->SetIndicatorMargin(4);
    knob->SetIndicatorSize(5);
    knob->SetOuterMargin(0);
    knob->SetColor(platform::clGray);
    knob->SetTransparent(true);
    knob->SetShowTicksMajor(false);
    knob->SetShowTicksMinor(false);
    knob->SetShowTickLabels(false);
    knob->SetKeyArrowStepSize(0.5);
    knob->SetKeyPageStepSize(10);
    knob->SetMouseWheelStepSize(1);
    knob->SetPositionNoEvent(0);
    knob->SetTag(ch);
    knob->OnPositionChange = [this](QObject* s) { kbShareWeightIn01PositionChange(s); };
    knob->OnMouseMove = [this](QObject* s, Qt::KeyboardModifiers k, int x, int y) {
      kbShareWeightIn01MouseMove(s, k, x, y);
    };
    CaptionLabel(*this, strip, "lbGainIn" + nn, QRect(2, 100, 56, 18), QStringLiteral("-0.0dB"));
    auto* level = Create<TDvLevelBar>(strip, "pbLevelIn" + nn);
    TDvBevel* bevel = level->Bevel();
    bevel->BeginUpdate();
    bevel->SetInnerStyle(TDvBevelStyle::bsNone);
    bevel->SetOuterStyle(TDvBevelStyle::bsNone);
    bevel->SetInnerWidth(1);
    bevel->SetInnerSpace(0);
    bevel->SetOuterOutline(osOuter);
    bevel->EndUpdate();
    level->SetBounds(24, 126, 12, 121);
    level->SetMinValue(-60);
    level->SetMaxValue(20);
    level->SetPosition(-60);
    level->SetPercent1(75);
    level->SetPercent2(15);
  }

  const int block = 32 + 8 * 62 + 4;
  auto* gain = Create<TExTrackBar>(this, "isGainAux");
  dialogs::SetupFader(gain, QRect(block + 20, 30, mainform::kFaderWidth, 210), -280, 120, 0, 0, mainform::kPageLevel);
  auto* gainBox = Create<TRoundEdit>(this, "cvdGainAux");
  dialogs::SetupValueBox(gainBox, QRect(block, 250, 68, 24), QStringLiteral("+0.0dB"));
  CaptionLabel(*this, this, "lbGainNameAux", QRect(block, 6, 68, 20), dialogs::DesignText("SID_GAIN"));

  // Time first, so that the ratio group lies on top of it.
  const QRect share(block + 72, 6, 84, 273);
  auto* time = Create<TUxGroupBox>(this, "uxgShareTime");
  dialogs::StyleGroupBox(time, share);
  CaptionLabel(*this, time, "lbShareTime", QRect(2, 4, 80, 18), dialogs::DesignText("SID_AUTOMIX_TIME"));
  dialogs::SetupFader(Create<TExTrackBar>(time, "isShareTime"), QRect(28, 26, mainform::kFaderWidth, 200), 3, 3749, 3, 0,
                      mainform::kPageRelease);
  dialogs::SetupValueBox(Create<TRoundEdit>(time, "cvdShareTime"), QRect(4, 236, 76, 24), QStringLiteral("5.3ms"));

  auto* ratio = Create<TUxGroupBox>(this, "uxgShareRatio");
  dialogs::StyleGroupBox(ratio, share);
  CaptionLabel(*this, ratio, "lbShareRatio", QRect(2, 4, 80, 18), dialogs::DesignText("SID_AUTOMIX_RATIO"));
  dialogs::SetupFader(Create<TExTrackBar>(ratio, "isShareRatio"), QRect(28, 26, mainform::kFaderWidth, 170), 1, 10, 1, 0,
                      mainform::kPageRatio);
  auto* ratioBox = Create<TRoundEdit>(ratio, "cvdShareRatio");
  dialogs::SetupValueBox(ratioBox, QRect(4, 202, 76, 24), QStringLiteral("1"));
  // "Auto" disables the box: its text then greys, as a disabled edit's does.
  QPalette greyed = ratioBox->Edit()->palette();
  greyed.setColor(QPalette::Disabled, QPalette::Text, platform::ToQColor(platform::clGrayText));
  ratioBox->Edit()->setPalette(greyed);
  new DisabledFace(ratioBox, ratioBox->Color());
  auto* automix = Create<TUxBmpButton>(ratio, "uxbShareAuto");
  dialogs::SetButtonFaces(automix, QRect(12, 236, 60, 26));
  automix->SetCaption(QStringLiteral("Auto"));
  automix->SetGroupIndex(1);
  automix->SetAllowAllUp(true);
  ratio->raise();

  using Change = void (TfmAutoMix::*)(QObject*);
  const std::pair<const char*, Change> faders[] = {{"isGainAux", &TfmAutoMix::isGainAuxChange},
                                                   {"isShareRatio", &TfmAutoMix::isShareRatioChange},
                                                   {"isShareTime", &TfmAutoMix::isShareTimeChange}};
  for (auto [name, change] : faders)
    if (auto* f = FindControl<TExTrackBar>(QString::fromLatin1(name)))
      f->OnChange = [this, change = change](QObject* s) { (this->*change)(s); };
  automix->OnClick = [this](QObject* s) { uxbShareAutoClick(s); };
}

// Captions, then the switches and strips under Loading: a strip is usable
// only for an input on the effect bus (its switch then shows inactive; the
// record keeps its mask).
void TfmAutoMix::FormShow() {
  if (!fmMain) return;
  setWindowTitle(fmMain->TranslateSid("SID_AUTOMIX_TITLE"));
  const std::pair<const char*, const char*> captions[] = {
      {"lbGainNameAux", "SID_GAIN"}, {"lbShareRatio", "SID_AUTOMIX_RATIO"}, {"lbShareTime", "SID_AUTOMIX_TIME"}};
  for (auto [name, key] : captions)
    if (auto* l = FindControl<QLabel>(QString::fromLatin1(name))) l->setText(fmMain->TranslateSid(key));
  Loading = 1;
  for (int i = 0; i < 8; ++i) {
    auto* automix = FindControl<TwSwitchLed>("slShareAutoIn" + TwoDigits(i + 1));
    auto* strip = FindControl<TUxGroupBox>("uxgShareIn" + TwoDigits(i + 1));
    if (!automix || !strip) break;
    automix->SetActive(AutoMixState.WordB >> (16 + i) & 1);
    const bool onBus = EffectBusMask >> i & 1;
    strip->setEnabled(onBus);
    if (!onBus) automix->SetActive(false);
  }
  Loading = 0;
}

void TfmAutoMix::SendState() {
  if (fmMain) fmMain->SetAutoMix(AutoMixState.WordA, AutoMixState.WordB, AutoMixState.On);
}

// Step T is (T + 1) x 64 samples at 48 kHz.
void TfmAutoMix::isShareTimeChange(QObject* Sender) {
  auto* fader = dynamic_cast<TExTrackBar*>(Sender);
  auto* box = FindControl<TRoundEdit>("cvdShareTime");
  if (!fader || !box) return;
  box->SetText(Text("%3.1fms", (fader->Position() + 1) * 64 / 48.0));
  if (Loading) return;
  AutoMixState.WordA = (AutoMixState.WordA & 0xFFFF0000u) | static_cast<std::uint16_t>(fader->Position());
  SendState();
}

void TfmAutoMix::isShareRatioChange(QObject* Sender) {
  auto* fader = dynamic_cast<TExTrackBar*>(Sender);
  auto* box = FindControl<TRoundEdit>("cvdShareRatio");
  if (!fader || !box) return;
  box->SetText(fader->Position() == 0 ? QStringLiteral("Auto") : QString::number(fader->Position()));
  if (Loading) return;
  AutoMixState.WordA = (AutoMixState.WordA & 0xFFFFu) | static_cast<std::uint32_t>(fader->Position()) << 16;
  SendState();
}

// Pressed: the ratio is automatic (0); released: the fader's again. Sent
// whatever Loading says.
void TfmAutoMix::uxbShareAutoClick(QObject* Sender) {
  auto* button = dynamic_cast<TUxBmpButton*>(Sender);
  auto* fader = FindControl<TExTrackBar>("isShareRatio");
  auto* box = FindControl<TRoundEdit>("cvdShareRatio");
  if (!button || !fader || !box) return;
  fader->setEnabled(!button->Down());
  box->SetEnabled(!button->Down());
  const std::uint32_t ratio = button->Down() ? 0u : static_cast<std::uint32_t>(fader->Position());
  AutoMixState.WordA = (AutoMixState.WordA & 0xFFFFu) | ratio << 16;
  SendState();
}

void TfmAutoMix::slShareAutoIn01ChangeUser(QObject* Sender) {
  auto* automix = dynamic_cast<TwSwitchLed*>(Sender);
  if (!automix || automix->Tag() < 0 || automix->Tag() > 7) return;
  const std::uint32_t bit = 1u << (16 + automix->Tag());
  AutoMixState.WordB = automix->Active() ? AutoMixState.WordB | bit : AutoMixState.WordB & ~bit;
  if (!Loading) SendState();
}

void TfmAutoMix::kbShareWeightIn01PositionChange(QObject* Sender) {
  auto* knob = dynamic_cast<TwKnob*>(Sender);
  if (!knob || knob->Tag() < 0 || knob->Tag() > 7) return;
  const int input = knob->Tag();
  auto* label = FindControl<QLabel>("lbGainIn" + TwoDigits(input + 1));
  if (!label) return;
  const int a = static_cast<int>(knob->Position());
  if (a > 0) {
    label->setText(Text("+%3.1fdB", a * 0.1));
  } else {
    const int v = -a;
    label->setText(Text("-%3.1fdB", v <= 200 ? v * 0.1 : 20 + (v - 200) * 0.5));
  }
  if (Loading || !fmMain) return;
  fmMain->SetAutoMixWeight(input, static_cast<std::uint16_t>(static_cast<int>(knob->Position() - knob->PositionMin())));
}

void TfmAutoMix::kbShareWeightIn01MouseMove(QObject* Sender, Qt::KeyboardModifiers, int, int) {
  if (auto* knob = dynamic_cast<TwKnob*>(Sender)) knob->SetPosition(static_cast<int>(knob->Position()));
}

void TfmAutoMix::isGainAuxChange(QObject* Sender) {
  auto* fader = dynamic_cast<TExTrackBar*>(Sender);
  auto* box = FindControl<TRoundEdit>("cvdGainAux");
  if (!fader || !box) return;
  box->SetText(TfmMain::FormatGain(fader->Position()));
  if (Loading || !fmMain) return;
  if (auto* gain = fmMain->FindControl<TExTrackBar>("isGainEff")) gain->SetPosition(fader->Position());
}

void TfmAutoMix::ShowWeight(int input, int code) {
  if (input < 0 || input > 7) return;
  if (auto* knob = FindControl<TwKnob>("kbShareWeightIn" + TwoDigits(input + 1))) knob->SetPosition(code - 280);
}

void TfmAutoMix::ShowInputLevel(int input, int level) {
  if (input < 0 || input > 7) return;
  if (auto* bar = FindControl<TDvLevelBar>("pbLevelIn" + TwoDigits(input + 1)))
    bar->SetPosition(AutoMixState.On != 0 ? level + 20 : -100);
}

void TfmAutoMix::ShowInputLed(int input, bool on) {
  if (input < 0 || input > 7) return;
  if (auto* led = FindControl<TwLed>("wledIn" + TwoDigits(input + 1)))
    led->SetActive(on && (EffectBusMask >> input & 1));
}
