#include "dialogs/FAutoMix.h"

#include <QLabel>

#include "controls/DvLevelBar.h"
#include "controls/ExTrackBar.h"
#include "controls/RoundEdit.h"
#include "controls/UxBmpButton.h"
#include "controls/UxGroupBox.h"
#include "controls/wKnob.h"
#include "controls/wSwitchLed.h"
#include "dialogs/DialogLook.h"
#include "mainwindow/FMain.h"

TfmAutoMix* fmAutoMix = nullptr;

namespace {

QLabel* CaptionLabel(platform::Form& form, QWidget* parent, const QString& name, const QRect& r, const QString& text) {
  auto* l = form.Create<QLabel>(parent, name);
  l->setGeometry(r);
  l->setAlignment(Qt::AlignCenter);
  l->setText(text);
  return l;
}

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
    CaptionLabel(*this, strip, "lbGainIn" + nn, QRect(2, 100, 56, 18), QStringLiteral("+0.0dB"));
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
  dialogs::SetupFader(gain, QRect(block + 14, 30, 40, 210), -280, 120, 0, 0);
  auto* gainBox = Create<TRoundEdit>(this, "cvdGainAux");
  dialogs::SetupValueBox(gainBox, QRect(block, 250, 68, 24), QStringLiteral("+0.0dB"));
  CaptionLabel(*this, this, "lbGainNameAux", QRect(block, 6, 68, 20), dialogs::DesignText("SID_GAIN"));

  // Time first, so that the ratio group lies on top of it.
  const QRect share(block + 72, 6, 84, 273);
  auto* time = Create<TUxGroupBox>(this, "uxgShareTime");
  dialogs::StyleGroupBox(time, share);
  CaptionLabel(*this, time, "lbShareTime", QRect(2, 4, 80, 18), dialogs::DesignText("SID_AUTOMIX_TIME"));
  dialogs::SetupFader(Create<TExTrackBar>(time, "isShareTime"), QRect(22, 26, 40, 200), 3, 3749, 3, 0);
  dialogs::SetupValueBox(Create<TRoundEdit>(time, "cvdShareTime"), QRect(4, 236, 76, 24), QStringLiteral("0.3ms"));

  auto* ratio = Create<TUxGroupBox>(this, "uxgShareRatio");
  dialogs::StyleGroupBox(ratio, share);
  CaptionLabel(*this, ratio, "lbShareRatio", QRect(2, 4, 80, 18), dialogs::DesignText("SID_AUTOMIX_RATIO"));
  dialogs::SetupFader(Create<TExTrackBar>(ratio, "isShareRatio"), QRect(22, 26, 40, 170), 1, 10, 1, 0);
  dialogs::SetupValueBox(Create<TRoundEdit>(ratio, "cvdShareRatio"), QRect(4, 202, 76, 24), QStringLiteral("1"));
  auto* automix = Create<TUxBmpButton>(ratio, "uxbShareAuto");
  dialogs::SetButtonFaces(automix, QRect(12, 236, 60, 26));
  automix->SetCaption(QStringLiteral("Auto"));
  automix->SetGroupIndex(1);
  automix->SetAllowAllUp(true);
  ratio->raise();
}

void TfmAutoMix::FormShow() {
  if (!fmMain) return;
  setWindowTitle(fmMain->TranslateSid("SID_AUTOMIX_TITLE"));
  const std::pair<const char*, const char*> captions[] = {
      {"lbGainNameAux", "SID_GAIN"}, {"lbShareRatio", "SID_AUTOMIX_RATIO"}, {"lbShareTime", "SID_AUTOMIX_TIME"}};
  for (auto [name, key] : captions)
    if (auto* l = FindControl<QLabel>(QString::fromLatin1(name))) l->setText(fmMain->TranslateSid(key));
}
