// Line/mic level and phantom power of the inputs, on the shared input panel
// and on the Gain page's mirror strips. The image's setters for these send
// even while Updating is set, and the handlers do not look at it: the refresh
// pass moves these controls without clicking them.
#include "controls/UpDown.h"
#include "controls/UxBmpButton.h"
#include "controls/UxComboBox.h"
#include "dialogs/FPhantomPotent.h"
#include "mainwindow/FMain.h"
#include "model/Lunitcontrol.h"
#include "platform/Format.h"

namespace {

constexpr int kZeroDbItem = 50;  // "0 dB", level byte 1

QString Mirror(const char* prefix, int input) { return platform::ComposedName(QString::fromLatin1(prefix), input); }

// The step's direction: a request beyond the up-down's range counts by where
// it lies, whatever the event says.
int StepDirection(const TUpDown* ud, int newValue, TUpDownDirection direction) {
  if (newValue > ud->Max()) return 1;
  if (newValue < ud->Min()) return -1;
  if (direction == TUpDownDirection::updUp) return 1;
  if (direction == TUpDownDirection::updDown) return -1;
  return 0;
}

// One dB more for up, one less for down; the ends hold.
void StepLevelItem(TUxComboBox* combo, int direction) {
  const int i = combo->ItemIndex();
  if (direction > 0 && i != 0) combo->SetItemIndex(i - 1);
  if (direction < 0 && i != kZeroDbItem) combo->SetItemIndex(i + 1);
}

}  // namespace

void TfmMain::uxbLineInAClick(QObject* Sender) {
  auto* button = dynamic_cast<TUxBmpButton*>(Sender);
  const int ch = CurrentChannel;
  if (!button || !UnitControl || ch < 0 || ch > 7) return;
  auto* mirrorLine = FindControl<TUxBmpButton>(Mirror("uxbLineBackupIn", ch));
  auto* mirrorStep = FindControl<TUpDown>(Mirror("udLineBackupIn", ch));
  auto* mirrorCombo = FindControl<TUxComboBox>(Mirror("uxcLineBackupIn", ch));
  auto* mirrorPhantom = FindControl<TUxBmpButton>(Mirror("uxbPhantomBackupIn", ch));
  auto* combo = FindControl<TUxComboBox>("uxcLineInA");
  auto* step = FindControl<TUpDown>("udLineInA");
  auto* phantom = FindControl<TUxBmpButton>("uxbPhantomInA");
  if (!mirrorLine || !mirrorStep || !mirrorCombo || !mirrorPhantom || !combo || !step || !phantom) return;
  combo->SetItemIndex(kZeroDbItem);
  mirrorCombo->SetItemIndex(combo->ItemIndex());
  mirrorLine->SetDown(button->Down());
  const bool mic = button->Down();
  button->SetCaption(TranslateSid(mic ? "SID_POTENT_MIC" : "SID_POTENT_LINE"));
  combo->setEnabled(mic);
  step->setEnabled(mic);
  phantom->setEnabled(mic);
  if (!mic) phantom->SetDown(false);
  const int level = mic ? 1 : 0;
  mirrorPhantom->SetDown(phantom->Down());
  mirrorPhantom->setEnabled(phantom->isEnabled());
  mirrorCombo->setEnabled(combo->isEnabled());
  mirrorStep->setEnabled(step->isEnabled());
  mirrorLine->SetCaption(button->Caption());
  UnitControl->SetLineMic(ch, static_cast<std::uint8_t>(level));
  ApplyLinkedLineMic(ch, level);
}

void TfmMain::uxbLineBackupInAClick(QObject* Sender) {
  auto* button = dynamic_cast<TUxBmpButton*>(Sender);
  if (!button || !UnitControl) return;
  const int ch = button->Tag();
  if (ch < 0 || ch > 7) return;
  auto* combo = FindControl<TUxComboBox>(Mirror("uxcLineBackupIn", ch));
  auto* phantom = FindControl<TUxBmpButton>(Mirror("uxbPhantomBackupIn", ch));
  auto* step = FindControl<TUpDown>(Mirror("udLineBackupIn", ch));
  if (!combo || !phantom || !step || !FindControl<QWidget>(Mirror("isGainBackupIn", ch))) return;
  combo->SetItemIndex(kZeroDbItem);
  const bool mic = button->Down();
  button->SetCaption(TranslateSid(mic ? "SID_POTENT_MIC" : "SID_POTENT_LINE"));
  combo->setEnabled(mic);
  step->setEnabled(mic);
  if (!mic) phantom->SetDown(false);
  phantom->setEnabled(mic);
  const int level = mic ? 1 : 0;
  UnitControl->SetLineMic(ch, static_cast<std::uint8_t>(level));
  ApplyLinkedLineMic(ch, level);
}

void TfmMain::udLineInAChangingEx(QObject* Sender, bool&, int NewValue, TUpDownDirection Direction) {
  auto* ud = dynamic_cast<TUpDown*>(Sender);
  const int ch = CurrentChannel;
  if (!ud || !UnitControl || ch < 0 || ch > 7) return;
  auto* combo = FindControl<TUxComboBox>("uxcLineInA");
  auto* mirror = FindControl<TUxComboBox>(Mirror("uxcLineBackupIn", ch));
  if (!combo || !mirror) return;
  StepLevelItem(combo, StepDirection(ud, NewValue, Direction));
  mirror->SetItemIndex(combo->ItemIndex());
  const int level = 51 - combo->ItemIndex();
  UnitControl->SetLineMic(ch, static_cast<std::uint8_t>(level));
  ApplyLinkedLineMic(ch, level);
}

void TfmMain::udLineBackupInAChangingEx(QObject* Sender, bool&, int NewValue, TUpDownDirection Direction) {
  auto* ud = dynamic_cast<TUpDown*>(Sender);
  if (!ud || !UnitControl) return;
  const int ch = ud->Tag();
  if (ch < 0 || ch > 7) return;
  auto* combo = FindControl<TUxComboBox>(Mirror("uxcLineBackupIn", ch));
  if (!combo) return;
  StepLevelItem(combo, StepDirection(ud, NewValue, Direction));
  const int level = 51 - combo->ItemIndex();
  UnitControl->SetLineMic(ch, static_cast<std::uint8_t>(level));
  ApplyLinkedLineMic(ch, level);
}

void TfmMain::uxbPhantomInAClick(QObject* Sender) {
  auto* button = dynamic_cast<TUxBmpButton*>(Sender);
  const int ch = CurrentChannel;
  if (!button || !UnitControl || ch < 0 || ch > 7) return;
  auto* mirror = FindControl<TUxBmpButton>(Mirror("uxbPhantomBackupIn", ch));
  if (!mirror) return;
  const bool on = button->Down();
  mirror->SetDown(on);
  UnitControl->SetPhantom(ch, on ? 1 : 0);
  ApplyLinkedPhantom(ch, on);
}

void TfmMain::uxbPhantomBackupInAClick(QObject* Sender) {
  auto* button = dynamic_cast<TUxBmpButton*>(Sender);
  if (!button || !UnitControl) return;
  const int ch = button->Tag();
  if (ch < 0 || ch > 7 || !FindControl<TUxBmpButton>("uxbPhantomInA")) return;
  const bool on = button->Down();
  UnitControl->SetPhantom(ch, on ? 1 : 0);
  ApplyLinkedPhantom(ch, on);
}

// The menu item that opens the window stays hidden; nothing else opens it.
void TfmMain::PhantomPotentClick(QObject*) {
  if (fmPhantomPotent) fmPhantomPotent->Show();
}

void TfmMain::BindLevelHandlers() {
  auto bindButton = [this](const QString& name, void (TfmMain::*handler)(QObject*)) {
    if (auto* b = FindControl<TUxBmpButton>(name)) b->OnClick = [this, handler](QObject* s) { (this->*handler)(s); };
  };
  auto bindStep = [this](const QString& name, void (TfmMain::*handler)(QObject*, bool&, int, TUpDownDirection)) {
    if (auto* ud = FindControl<TUpDown>(name))
      ud->OnChangingEx = [this, handler](QObject* s, bool& allow, int value, TUpDownDirection d) {
        (this->*handler)(s, allow, value, d);
      };
  };
  bindButton("uxbLineInA", &TfmMain::uxbLineInAClick);
  bindButton("uxbPhantomInA", &TfmMain::uxbPhantomInAClick);
  bindStep("udLineInA", &TfmMain::udLineInAChangingEx);
  for (int ch = 0; ch < 8; ++ch) {
    bindButton(Mirror("uxbLineBackupIn", ch), &TfmMain::uxbLineBackupInAClick);
    bindButton(Mirror("uxbPhantomBackupIn", ch), &TfmMain::uxbPhantomBackupInAClick);
    bindStep(Mirror("udLineBackupIn", ch), &TfmMain::udLineBackupInAChangingEx);
  }
}
