// The channel strips: gain, mute and polarity on the shared parameter panel
// and on the Gain page's sixteen mirror strips. A user's change on either
// strip moves the other, goes to the image (which stores it for the link
// group and sends it), and then the linked channels' mirror strips follow.
#include "controls/ExTrackBar.h"
#include "controls/RoundEdit.h"
#include "controls/UxBmpButton.h"
#include "mainwindow/FMain.h"
#include "model/Lunitcontrol.h"
#include "platform/Format.h"

QString TfmMain::FormatGain(int position) {
  if (position >= 0) return QString::fromStdString(platform::FormatC("+%3.1fdB", position * 0.1));
  const int m = -position;
  // Single precision, as the value boxes have always shown it.
  const float x = m > 200 ? 20.0f + static_cast<float>(m - 200) * 0.5f : static_cast<float>(m) * 0.1f;
  return QString::fromStdString(platform::FormatC("-%3.1fdB", static_cast<double>(x)));
}

namespace {

QString Suffix(int channel) { return platform::ChannelSuffix(channel); }
const char* Side(int channel, const char* in, const char* out) { return channel < 8 ? in : out; }

}  // namespace

std::uint16_t TfmMain::GetLinkGroup(int channel) const {
  if (!UnitControl || channel < 0 || channel > 15) return 0;
  const int first = channel < 8 ? 0 : 8;
  const std::uint16_t bit = static_cast<std::uint16_t>(1u << (channel - first));
  const std::uint16_t own = UnitControl->GetChannelLinkMask(channel);
  if (own & bit) return own;
  for (int k = first; k < channel; ++k) {
    const std::uint16_t mask = UnitControl->GetChannelLinkMask(k);
    if (mask & bit) return mask;
  }
  // No mask holds it: the channel stands alone, as the image's setters take it.
  return bit;
}

void TfmMain::isGainInAChange(QObject* Sender) {
  if (Updating || !UnitControl) return;
  auto* fader = dynamic_cast<TExTrackBar*>(Sender);
  const int ch = CurrentChannel;
  if (!fader || ch < 0 || ch > 15) return;
  const bool input = ch < 8;
  auto* text = FindControl<TRoundEdit>(input ? "cvdGainInA" : "cvdGainOut1");
  auto* mirrorText = FindControl<TRoundEdit>(Side(ch, "cvdGainBackupIn", "cvdGainBackupOut") + Suffix(ch));
  auto* mirror = FindControl<TExTrackBar>(Side(ch, "isGainBackupIn", "isGainBackupOut") + Suffix(ch));
  if (!text || !mirrorText || !mirror) return;
  if (input && !FindControl<TUxBmpButton>("uxbLineInA")) return;
  const int p = fader->Position();
  text->SetText(FormatGain(p));
  // Updating is clear: a changed mirror runs its own handler (store, send,
  // propagate) before this one goes on.
  mirror->SetPosition(p);
  mirrorText->SetText(text->Text());
  UnitControl->SetGain(ch, static_cast<std::uint16_t>(p - fader->Min()));
  ApplyLinkedGain(ch, p);
}

void TfmMain::isGainBackupInAChange(QObject* Sender) {
  if (Updating || !UnitControl) return;
  auto* fader = dynamic_cast<TExTrackBar*>(Sender);
  if (!fader) return;
  const int ch = fader->Tag();
  if (ch < 0 || ch > 15) return;
  auto* text = FindControl<TRoundEdit>(Side(ch, "cvdGainBackupIn", "cvdGainBackupOut") + Suffix(ch));
  if (!text) return;
  if (ch < 8 && !FindControl<TUxBmpButton>("uxbLineBackupIn" + Suffix(ch))) return;
  const int p = fader->Position();
  text->SetText(FormatGain(p));
  UnitControl->SetGain(ch, static_cast<std::uint16_t>(p - fader->Min()));
  ApplyLinkedGain(ch, p);
}

void TfmMain::uxbMuteInAClick(QObject* Sender) {
  if (Updating || !UnitControl) return;
  auto* button = dynamic_cast<TUxBmpButton*>(Sender);
  const int ch = CurrentChannel;
  if (!button || ch < 0 || ch > 15) return;
  auto* mirror = FindControl<TUxBmpButton>(Side(ch, "uxbMuteBackupIn", "uxbMuteBackupOut") + Suffix(ch));
  if (!mirror) return;
  const bool on = button->Down();
  mirror->SetDown(on);
  UnitControl->SetMute(ch, on);
  ApplyLinkedMute(ch, on);
}

void TfmMain::uxbPhaseInAClick(QObject* Sender) {
  if (Updating || !UnitControl) return;
  auto* button = dynamic_cast<TUxBmpButton*>(Sender);
  const int ch = CurrentChannel;
  if (!button || ch < 0 || ch > 15) return;
  auto* mirror = FindControl<TUxBmpButton>(Side(ch, "uxbPhaseBackupIn", "uxbPhaseBackupOut") + Suffix(ch));
  if (!mirror) return;
  const bool on = button->Down();
  mirror->SetDown(on);
  button->SetCaption(PhaseCaption(on));
  mirror->SetCaption(button->Caption());
  UnitControl->SetPolarity(ch, on);
  ApplyLinkedPolarity(ch, on);
}

// The mirror buttons' clicks come from the user only (the refresh pass sets
// Down without a click), so they do not look at Updating.
void TfmMain::uxbMuteBackupInAClick(QObject* Sender) {
  auto* button = dynamic_cast<TUxBmpButton*>(Sender);
  if (!button || !UnitControl) return;
  const int ch = button->Tag();
  if (ch < 0 || ch > 15) return;
  UnitControl->SetMute(ch, button->Down());
  ApplyLinkedMute(ch, button->Down());
}

void TfmMain::uxbPhaseBackupInAClick(QObject* Sender) {
  auto* button = dynamic_cast<TUxBmpButton*>(Sender);
  if (!button || !UnitControl) return;
  const int ch = button->Tag();
  if (ch < 0 || ch > 15) return;
  button->SetCaption(PhaseCaption(button->Down()));
  UnitControl->SetPolarity(ch, button->Down());
  ApplyLinkedPolarity(ch, button->Down());
}

void TfmMain::uxbGainSelInClick(QObject* Sender) {
  const bool outputs = platform::Tag(Sender) != 0;
  if (auto* panel = FindControl<QWidget>(outputs ? "uxpGainOut" : "uxpGainIn")) panel->raise();
}

void TfmMain::BindStripHandlers() {
  auto bindFader = [this](const QString& name, void (TfmMain::*handler)(QObject*)) {
    if (auto* f = FindControl<TExTrackBar>(name)) f->OnChange = [this, handler](QObject* s) { (this->*handler)(s); };
  };
  auto bindButton = [this](const QString& name, void (TfmMain::*handler)(QObject*)) {
    if (auto* b = FindControl<TUxBmpButton>(name)) b->OnClick = [this, handler](QObject* s) { (this->*handler)(s); };
  };
  for (const char* s : {"InA", "Out1"}) {
    const QString suffix = QString::fromLatin1(s);
    bindFader("isGain" + suffix, &TfmMain::isGainInAChange);
    bindButton("uxbMute" + suffix, &TfmMain::uxbMuteInAClick);
    bindButton("uxbPhase" + suffix, &TfmMain::uxbPhaseInAClick);
  }
  for (int ch = 0; ch < 16; ++ch) {
    bindFader(Side(ch, "isGainBackupIn", "isGainBackupOut") + Suffix(ch), &TfmMain::isGainBackupInAChange);
    bindButton(Side(ch, "uxbMuteBackupIn", "uxbMuteBackupOut") + Suffix(ch), &TfmMain::uxbMuteBackupInAClick);
    bindButton(Side(ch, "uxbPhaseBackupIn", "uxbPhaseBackupOut") + Suffix(ch), &TfmMain::uxbPhaseBackupInAClick);
  }
  bindButton("uxbGainSelIn", &TfmMain::uxbGainSelInClick);
  bindButton("uxbGainSelOut", &TfmMain::uxbGainSelInClick);
}
