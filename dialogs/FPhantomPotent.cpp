#include "dialogs/FPhantomPotent.h"

#include <QLabel>

#include "controls/ExTrackBar.h"
#include "controls/RoundEdit.h"
#include "controls/UxBmpButton.h"
#include "controls/UxGroupBox.h"
#include "dialogs/DialogLook.h"
#include "link/Lcmd.h"
#include "mainwindow/FMain.h"
#include "mainwindow/FMainFormKit.h"
#include "platform/Format.h"

TfmPhantomPotent* fmPhantomPotent = nullptr;

namespace {

constexpr std::uint8_t kAnalogGain = 0x55;
constexpr std::uint8_t kPhantomPower = 0x56;

}  // namespace

TfmPhantomPotent::TfmPhantomPotent() {
  setObjectName(QStringLiteral("fmPhantomPotent"));
  setWindowTitle(QStringLiteral("Phantom and  Potentiometer Control"));
  setFixedSize(8 * 76 + 16, 300);
  dialogs::ApplyDialogLook(this);
  for (int ch = 0; ch < 8; ++ch) {
    const QString x(QChar('A' + ch));
    auto* strip = Create<TUxGroupBox>(this, "uxgGainIn" + x);
    dialogs::StyleGroupBox(strip, QRect(8 + ch * 76, 8, 72, 284));
    strip->SetTag(ch);
    auto* label = Create<QLabel>(strip, "lbGainIn" + x);
    label->setGeometry(4, 6, 64, 20);
    label->setAlignment(Qt::AlignCenter);
    label->setText(QStringLiteral("In%1").arg(ch + 1));
    auto* fader = Create<TExTrackBar>(strip, "isGainIn" + x);
    dialogs::SetupFader(fader, QRect(22, 30, mainform::kFaderWidth, 170), -32, 0, 0, ch, mainform::kPageLevel);
    fader->OnChange = [this](QObject* s) { isGainInAChange(s); };
    auto* box = Create<TRoundEdit>(strip, "cvdGainIn" + x);
    dialogs::SetupValueBox(box, QRect(4, 206, 64, 24), QStringLiteral("+ 0.0dB"));
    box->SetTag(ch);
    auto* phantom = Create<TUxBmpButton>(strip, "uxbGainPhantomIn" + x);
    dialogs::SetButtonFaces(phantom, QRect(6, 244, 60, 28));
    phantom->SetCaption(QStringLiteral("+48V"));
    phantom->SetTag(ch);
    phantom->SetGroupIndex(5);
    phantom->SetAllowAllUp(true);
    phantom->OnClick = [this](QObject* s) { uxbGainPhantomInAClick(s); };
  }
}

int TfmPhantomPotent::StepLevel(int s) {
  if (s <= 12) return s;
  if (s <= 24) return 12 + 2 * (s - 12);
  return 36 + 3 * (s - 24);
}

QString TfmPhantomPotent::StepText(int step) {
  if (step == 0) return QString::fromStdString(platform::FormatC("+%2d.0dB", 0));
  return QString::fromStdString(platform::FormatC("-%2d.0dB", StepLevel(step)));
}

void TfmPhantomPotent::isGainInAChange(QObject* Sender) {
  auto* fader = dynamic_cast<TExTrackBar*>(Sender);
  if (!fader) return;
  const int ch = fader->Tag();
  auto* box = FindControl<TRoundEdit>(platform::ComposedName("cvdGainIn", ch));
  if (ch < 0 || ch > 7 || !box) return;
  const int step = -fader->Position();
  box->SetText(StepText(step));
  // The payload carries the step, not the level.
  if (fmMain)
    fmMain->SendCommand(CM_MCS_CMD(fmMain->GetDeviceId(), kAnalogGain, static_cast<std::uint8_t>(ch),
                                   static_cast<std::uint8_t>(step)),
                        false);
}

void TfmPhantomPotent::uxbGainPhantomInAClick(QObject* Sender) {
  auto* button = dynamic_cast<TUxBmpButton*>(Sender);
  if (!button || !fmMain) return;
  const int ch = button->Tag();
  if (ch < 0 || ch > 7) return;
  fmMain->SendCommand(CM_MCS_CMD(fmMain->GetDeviceId(), kPhantomPower, static_cast<std::uint8_t>(ch),
                                 static_cast<std::uint8_t>(button->Down() ? 1 : 0)),
                      false);
}
