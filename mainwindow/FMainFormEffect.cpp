// The Aux page (page 18, the effect channel): above, the effect channel's
// response plot; below, the inputs that feed the effect bus, the channel's
// gain, its compressor, the effect, automix, camera and echo-cancellation
// switches with their setup buttons, and its PEQ grid with the band faders.
#include <QLabel>

#include "controls/ExTrackBar.h"
#include "controls/RoundEdit.h"
#include "controls/UxBmpButton.h"
#include "controls/wLed.h"
#include "display/MyPEQAllpassBandPassStop.h"
#include "mainwindow/FMain.h"
#include "mainwindow/FMainFormKit.h"

using namespace mainform;

namespace {

constexpr int kEffectChannel = 18;
constexpr QSize kGrid(452, 260);
constexpr int kGridLeft = 436;
constexpr int kEqFadersLeft = 892;

QFont Bold(const QFont& base) {
  QFont f = base;
  f.setBold(true);
  return f;
}

// The inputs on the effect bus: each a switch of its own.
void BuildBusInputs(TfmMain& form, QWidget* panel) {
  Label(form, panel, "lbMatrixEff", QRect(0, 2, 100, 16), form.TranslateSid("SID_CH_SELECT"), Qt::AlignCenter)
      ->setFont(Bold(panel->font()));
  for (int i = 0; i < 8; ++i) {
    Button(form, panel, platform::ComposedName("uxb", i) + "MatrixEff", QRect(10, 22 + 30 * i, 80, 26),
           QStringLiteral("In%1").arg(i + 1), Keys().on, ButtonKind::Toggle, 1 + i, i);
  }
}

void BuildGain(TfmMain& form, QWidget* panel) {
  Label(form, panel, "lbGainEff", QRect(104, 2, 86, 16), form.TranslateSid("SID_GAIN"), Qt::AlignCenter)
      ->setFont(Bold(panel->font()));
  Fader(form, panel, "isGainEff", QRect(112, 22, kFaderWidth, 196), -280, 120, 6, 0, kEffectChannel);
  Meter(form, panel, "pbLevelEff", QRect(144, 28, 14, 184), MeterKind::Input);
  ValueBox(form, panel, "cvdGainEff", QRect(108, 224, 78, kBoxHeight), "+0.0dB", true, kEffectChannel);
  Button(form, panel, "uxbMuteEff", QRect(108, 252, 78, 26), form.TranslateSid("SID_MUTE"), Keys().mute,
         ButtonKind::Toggle, 9, kEffectChannel);
}

void BuildCompressor(TfmMain& form, QWidget* panel) {
  Label(form, panel, "lbCompEff", QRect(196, 2, 90, 16), form.TranslateSid("SID_EFF_COMP"), Qt::AlignCenter)
      ->setFont(Bold(panel->font()));
  Fader(form, panel, "isCompThresholdEff", QRect(204, 22, kFaderWidth, 170), -180, 40, 6, 40, 3, true);
  auto* led = form.Create<TwLedRectangle>(panel, "wlrCompLedEff");
  led->SetActiveColor(QColor(255, 255, 0));
  led->SetInactiveColor(QColor(128, 128, 0));
  led->setGeometry(244, 30, 30, 14);
  led->show();
  ValueBox(form, panel, "cvdCompThresholdEff", QRect(198, 196, 86, kBoxHeight), QString(), true);
  Button(form, panel, "uxbCompSetEff", QRect(198, 224, 86, 26), form.TranslateSid("SID_SETUP"), Keys().select);
}

// Effect, automix, camera and echo cancellation: a title, an On/Off switch
// of its own and the button that opens the setup window.
void BuildFunctions(TfmMain& form, QWidget* panel) {
  struct Function {
    const char* role;
    const char* titleName;
    const char* key;
  };
  const Function functions[] = {{"", "lbEffectEff", "SID_EFFECT"},
                                {"AutoMix", "lbAutoMixEff", "SID_EFF_MIX"},
                                {"Camera", "lbCameraEff", "SID_EFF_CAMERA"},
                                {"Aec", "lbAecEff", "SID_AEC_AEC"}};
  for (int row = 0; row < 4; ++row) {
    const Function& f = functions[row];
    const QString role = QString::fromLatin1(f.role);
    const int top = 2 + 60 * row;
    Label(form, panel, f.titleName, QRect(292, top, 140, 16), form.TranslateSid(f.key), Qt::AlignCenter)
        ->setFont(Bold(panel->font()));
    Button(form, panel, "uxb" + role + "OnOffEff", QRect(292, top + 18, 68, 26), form.TranslateSid("SID_OFF"),
           Keys().on, ButtonKind::Toggle, 11 + row);
    // The effect's setup button is uxbEffectSetEff; the others carry their role.
    Button(form, panel, "uxb" + (role.isEmpty() ? QStringLiteral("Effect") : role) + "SetEff",
           QRect(364, top + 18, 68, 26), form.TranslateSid("SID_SETUP"), Keys().select);
  }
}

}  // namespace

void TfmMain::BuildEffectPage() {
  auto* upper = FindControl<QWidget>("uxgFftEff");
  BuildPlotRow(*this, upper, "Eff", kEffectChannel);
  Caption(upper, QRect(26, 262, 46, 18), "Aux", Qt::AlignLeft | Qt::AlignVCenter, true);

  auto* lower = FindControl<QWidget>("uxgParamEff");
  BuildBusInputs(*this, lower);
  BuildGain(*this, lower);
  BuildCompressor(*this, lower);
  BuildFunctions(*this, lower);

  PeqGrid(*this, lower, "peqPeqEff", "Eff", QRect(QPoint(kGridLeft, 20), kGrid), kEffectChannel, 5);
  GridHeadings(*this, lower, "lbEqEff", TranslateSid("SID_EFF_EQ_TITLE"), QRect(kGridLeft, 2, kGrid.width(), 16),
               *FindControl<TMyPEQAllpassBandPassStop>("peqPeqEff"));
  BuildEqFaders(*this, lower, "Eff", kEqFadersLeft);
}
