// The AGC page: faders and up-downs store, send and hand the change to the
// linked inputs; the curve is redrawn by the one-shot tmAgcDisp once the
// change (and the up-down's own step) is done. The threshold never rises
// above the target.
#include <QLabel>

#include "controls/ExTrackBar.h"
#include "controls/RoundEdit.h"
#include "controls/UpDown.h"
#include "mainwindow/FMain.h"
#include "model/Dynamics.h"
#include "platform/Form.h"
#include "platform/Timer.h"

namespace {

QString Name(const char* prefix, int channel) { return platform::ComposedName(QString::fromLatin1(prefix), channel); }

void StartAgcRedraw(TfmMain& form, int channel) {
  form.AgcRedrawChannel = channel;
  form.AgcChannel = channel;
  if (form.tmAgcDisp) form.tmAgcDisp->SetEnabled(true);
}

void AgcStore(TfmMain& form, int channel, int k, int p) {
  StartAgcRedraw(form, channel);
  form.SetAgc(channel, k, p);
  form.ApplyLinkedAgc(channel, k, p);
}

}  // namespace

void TfmMain::SelectAgcChannel(int channel) {
  if (channel < 0 || channel > 7) return;
  auto* threshold = FindControl<TExTrackBar>(Name("isAgcThresholdIn", channel));
  auto* target = FindControl<TUpDown>(Name("udAgcTargetIn", channel));
  auto* ratio = FindControl<TUpDown>(Name("udAgcRatioIn", channel));
  auto* head = FindControl<QLabel>("lbHeadAgcIn");
  auto* title = FindControl<QLabel>("lbAgcName");
  if (!threshold || !target || !ratio || !head || !title) return;
  if (!DrawTransferCurve("wpAgc", dynamics::AgcCurve(threshold->Position(), target->Position(), ratio->Position())))
    return;
  const QString in = QStringLiteral("In %1").arg(channel + 1);
  head->setText(in);
  title->setText(in + " " + TranslateSid("SID_AGC"));
  AgcChannel = channel;
}

void TfmMain::tmAgcDispTimer(QObject*) {
  tmAgcDisp->SetEnabled(false);
  SelectAgcChannel(AgcRedrawChannel);
}

void TfmMain::isAgcThresholdInAChange(QObject* Sender) {
  if (Updating) return;
  auto* fader = dynamic_cast<TExTrackBar*>(Sender);
  if (!fader) return;
  const int channel = fader->Tag();
  auto* target = FindControl<TUpDown>(Name("udAgcTargetIn", channel));
  if (channel < 0 || channel > 7 || !target) return;
  int p = fader->Position();
  if (target->Position() < p) {
    // Moving the fader runs this handler again with the target's position.
    fader->SetPosition(target->Position());
    p = target->Position();
  }
  AgcStore(*this, channel, 0, p);
}

void TfmMain::isAgcAttackInAChange(QObject* Sender) {
  if (Updating) return;
  auto* fader = dynamic_cast<TExTrackBar*>(Sender);
  if (!fader || fader->Tag() < 0 || fader->Tag() > 7) return;
  AgcStore(*this, fader->Tag(), 1, fader->Position());
}

void TfmMain::isAgcReleaseInAChange(QObject* Sender) {
  if (Updating) return;
  auto* fader = dynamic_cast<TExTrackBar*>(Sender);
  if (!fader || fader->Tag() < 0 || fader->Tag() > 7) return;
  AgcStore(*this, fader->Tag(), 2, fader->Position());
}

void TfmMain::udAgcRatioInAChangingEx(QObject* Sender, bool& AllowChange, int NewValue, int) {
  if (Updating) return;
  const int channel = platform::Tag(Sender);
  if (NewValue < 0 || NewValue > 15 || channel < 0 || channel > 7) {
    AllowChange = false;
    return;
  }
  auto* box = FindControl<TRoundEdit>(Name("cvdAgcRatioIn", channel));
  if (!box) return;
  box->SetText(RatioText(NewValue));
  AgcStore(*this, channel, 3, NewValue);
}

void TfmMain::udAgcTargetInAChangingEx(QObject* Sender, bool& AllowChange, int NewValue, int) {
  if (Updating) return;
  auto* target = dynamic_cast<TUpDown*>(Sender);
  const int channel = platform::Tag(Sender);
  if (!target || NewValue < -120 || NewValue > 0 || channel < 0 || channel > 7) {
    AllowChange = false;
    return;
  }
  auto* threshold = FindControl<TExTrackBar>(Name("isAgcThresholdIn", channel));
  if (!threshold) return;
  int p = NewValue;
  if (p < threshold->Position()) {
    // The target stays at the threshold: the up-down is set here, not stepped.
    p = threshold->Position();
    target->SetPosition(p);
    AllowChange = false;
  }
  AgcStore(*this, channel, 4, p);
}

void TfmMain::cvdAgcThresholdInAMouseDown(QObject* Sender, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {
  SelectAgcChannel(platform::Tag(Sender));
}
void TfmMain::lbAgcInAMouseDown(QObject* Sender, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {
  SelectAgcChannel(platform::Tag(Sender));
}
