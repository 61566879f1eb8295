#include "dialogs/FPhantomPotent.h"

#include <QLabel>

#include "controls/ExTrackBar.h"
#include "controls/RoundEdit.h"
#include "controls/UxBmpButton.h"
#include "controls/UxGroupBox.h"
#include "dialogs/DialogLook.h"

TfmPhantomPotent* fmPhantomPotent = nullptr;

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
    dialogs::SetupFader(fader, QRect(16, 30, 40, 170), -32, 0, 0, ch);
    auto* box = Create<TRoundEdit>(strip, "cvdGainIn" + x);
    dialogs::SetupValueBox(box, QRect(4, 206, 64, 24), QStringLiteral("+ 0.0dB"));
    box->SetTag(ch);
    auto* phantom = Create<TUxBmpButton>(strip, "uxbGainPhantomIn" + x);
    dialogs::SetButtonFaces(phantom, QRect(6, 244, 60, 28));
    phantom->SetCaption(QStringLiteral("+48V"));
    phantom->SetTag(ch);
    phantom->SetGroupIndex(5);
    phantom->SetAllowAllUp(true);
  }
}
