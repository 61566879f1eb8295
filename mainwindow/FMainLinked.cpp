// Linked-channel propagation: after the image's setter has stored an edit in
// the whole link group (and sent one command for the edited channel), these
// routines move the other members' controls, and for mute, polarity,
// line/mic and phantom store and send per member as well. Each walks the
// group's bits 0-7 in ascending order; a missing control ends it. The guarded
// ones hold Updating for their whole run, so the faders they move run no
// handler, and clear it on every way out.
#include <QLabel>

#include "controls/ExTrackBar.h"
#include "controls/RoundEdit.h"
#include "controls/UpDown.h"
#include "controls/UxBmpButton.h"
#include "controls/UxComboBox.h"
#include "mainwindow/FMain.h"
#include "model/Dynamics.h"
#include "model/Lunitcontrol.h"
#include "platform/Format.h"

namespace {

// Clears Updating when the guarded routine leaves, whichever way.
class UpdatingGuard {
 public:
  explicit UpdatingGuard(bool& flag) : flag_(flag) { flag_ = true; }
  ~UpdatingGuard() { flag_ = false; }
  UpdatingGuard(const UpdatingGuard&) = delete;
  UpdatingGuard& operator=(const UpdatingGuard&) = delete;

 private:
  bool& flag_;
};

QString Name(const char* prefix, int channel) { return platform::ComposedName(QString::fromLatin1(prefix), channel); }

QString HalfDb(int p) { return QString::fromStdString(platform::FormatC("%+1.1fdB", p * 0.5)); }
QString Ms(int p) { return QString::fromStdString(platform::FormatC("%dms", p + 1)); }

}  // namespace

QString TfmMain::DelayText(int samples, int unit, bool spaced) {
  const char* sp = spaced ? " " : "";
  switch (unit) {
    case 1:
      return QString::fromStdString(platform::FormatC("%4.3f%sm", samples * 343.5 / 48 * 0.001, sp));
    case 2:
      return QString::fromStdString(platform::FormatC("%4.3f%sft", samples * 343.5 / 48 * 3.2808 * 0.001, sp));
    default:
      return QString::fromStdString(platform::FormatC("%4.3f%sms", samples / 48.0, sp));
  }
}

QString TfmMain::RatioText(int p) { return QString::fromStdString(dynamics::RatioText(p)); }

template <typename Work>
bool TfmMain::ForEachLinked(int channel, bool skipEdited, Work work) {
  const int first = channel < 8 ? 0 : 8;
  const std::uint16_t group = GetLinkGroup(channel);
  for (int k = 0; k < 8; ++k) {
    if (!(group & (1u << k))) continue;
    const int member = first + k;
    if (skipEdited && member == channel) continue;
    if (!work(member)) return false;
  }
  return true;
}

void TfmMain::ApplyLinkedGain(int channel, int position) {
  if (!UnitControl || channel < 0 || channel > 15) return;
  UpdatingGuard guard(Updating);
  const QString text = FormatGain(position);
  ForEachLinked(channel, false, [&](int k) {
    auto* box = FindControl<TRoundEdit>(Name(k < 8 ? "cvdGainBackupIn" : "cvdGainBackupOut", k));
    auto* fader = FindControl<TExTrackBar>(Name(k < 8 ? "isGainBackupIn" : "isGainBackupOut", k));
    if (!box || !fader) return false;
    UnitControl->SetGain(k, static_cast<std::uint16_t>(position + 280));
    box->SetText(text);
    fader->SetPosition(position);
    return true;
  });
}

void TfmMain::ApplyLinkedDelay(int channel, int samples, int handleLeft) {
  if (!UnitControl || channel < 0 || channel > 15) return;
  UpdatingGuard guard(Updating);
  const QString text = DelayText(samples, UnitControl->GetDelayUnit(), false);
  const QString dashes = DelayDashes((handleLeft - 40) / 6);
  ForEachLinked(channel, false, [&](int k) {
    const bool in = k < 8;
    auto* handle = FindControl<QWidget>(Name(in ? "imDelayIn" : "imDelayOut", k));
    auto* time = FindControl<QLabel>(Name(in ? "lbFftDelayTimeIn" : "lbFftDelayTimeOut", k));
    auto* line = FindControl<QLabel>(Name(in ? "lbDelayLineIn" : "lbDelayLineOut", k));
    auto* box = FindControl<TRoundEdit>(Name(in ? "cvdDelayIn" : "cvdDelayOut", k));
    auto* fader = FindControl<TExTrackBar>(Name(in ? "isDelayIn" : "isDelayOut", k));
    if (!handle || !time || !line || !box || !fader) return false;
    handle->move(handleLeft, handle->y());
    time->move(handleLeft + handle->width(), time->y());
    line->setText(dashes);
    box->SetText(text);
    time->setText(text);
    fader->SetPosition(samples);
    return true;
  });
}

// One dynamics control of channel k: fader (or up-down) position and text.
bool TfmMain::SetDynamicsControl(const QString& fader, const QString& box, int position, const QString& text) {
  auto* f = FindControl<TExTrackBar>(fader);
  auto* b = FindControl<TRoundEdit>(box);
  if (!f || !b) return false;
  f->SetPosition(position);
  b->SetText(text);
  return true;
}

void TfmMain::ApplyLinkedComp(int channel, int kind, int position) {
  if (!UnitControl || channel < 8 || channel > 15) return;
  UpdatingGuard guard(Updating);
  ForEachLinked(channel, false, [&](int k) {
    switch (kind) {
      case 0: return SetDynamicsControl(Name("isCompThresholdOut", k), Name("cvdCompThresholdOut", k), position, HalfDb(position));
      case 1: return SetDynamicsControl(Name("isCompAttackOut", k), Name("cvdCompAttackOut", k), position, Ms(position));
      case 2: return SetDynamicsControl(Name("isCompReleaseOut", k), Name("cvdCompReleaseOut", k), position, Ms(position));
      case 3: return SetDynamicsControl(Name("isCompRatioOut", k), Name("cvdCompRatioOut", k), position, RatioText(position));
      default: return false;
    }
  });
}

void TfmMain::ApplyLinkedGate(int channel, int kind, int position) {
  if (!UnitControl || channel < 0 || channel > 7) return;
  UpdatingGuard guard(Updating);
  ForEachLinked(channel, false, [&](int k) {
    switch (kind) {
      case 0: return SetDynamicsControl(Name("isGateThresholdIn", k), Name("cvdGateThresholdIn", k), position, HalfDb(position));
      case 1: return SetDynamicsControl(Name("isGateAttackIn", k), Name("cvdGateAttackIn", k), position, Ms(position));
      case 2: return SetDynamicsControl(Name("isGateReleaseIn", k), Name("cvdGateReleaseIn", k), position, Ms(position));
      default: return false;
    }
  });
}

void TfmMain::ApplyLinkedAgc(int channel, int kind, int position) {
  if (!UnitControl || channel < 0 || channel > 7) return;
  UpdatingGuard guard(Updating);
  ForEachLinked(channel, false, [&](int k) {
    switch (kind) {
      case 0: return SetDynamicsControl(Name("isAgcThresholdIn", k), Name("cvdAgcThresholdIn", k), position, HalfDb(position));
      case 1: return SetDynamicsControl(Name("isAgcAttackIn", k), Name("cvdAgcAttackIn", k), position, Ms(position));
      case 2: return SetDynamicsControl(Name("isAgcReleaseIn", k), Name("cvdAgcReleaseIn", k), position, Ms(position));
      case 3:
      case 4: {
        // The edited channel's up-down stays where the user left it.
        auto* ud = FindControl<TUpDown>(Name(kind == 3 ? "udAgcRatioIn" : "udAgcTargetIn", k));
        auto* box = FindControl<TRoundEdit>(Name(kind == 3 ? "cvdAgcRatioIn" : "cvdAgcTargetIn", k));
        if (!ud || !box) return false;
        if (k != channel) ud->SetPosition(position);
        box->SetText(kind == 3 ? RatioText(position)
                               : QString::fromStdString(platform::FormatC("%1.1f", position * 0.5)));
        return true;
      }
      default: return false;
    }
  });
}

void TfmMain::ApplyLinkedPolarity(int channel, bool on) {
  if (!UnitControl || channel < 0 || channel > 15) return;
  const QString caption = PhaseCaption(on);
  ForEachLinked(channel, false, [&](int k) {
    auto* b = FindControl<TUxBmpButton>(Name(k < 8 ? "uxbPhaseBackupIn" : "uxbPhaseBackupOut", k));
    if (!b) return false;
    UnitControl->SetPolarity(k, on);
    b->SetDown(on);
    b->SetCaption(caption);
    return true;
  });
}

void TfmMain::ApplyLinkedLineMic(int channel, int level) {
  if (!UnitControl || channel < 0 || channel > 7) return;
  ForEachLinked(channel, true, [&](int k) {
    auto* line = FindControl<TUxBmpButton>(Name("uxbLineBackupIn", k));
    auto* combo = FindControl<TUxComboBox>(Name("uxcLineBackupIn", k));
    auto* phantom = FindControl<TUxBmpButton>(Name("uxbPhantomBackupIn", k));
    auto* step = FindControl<QWidget>(Name("udLineBackupIn", k));
    if (!line || !combo || !phantom || !step) return false;
    UnitControl->SetLineMic(k, static_cast<std::uint8_t>(level));
    SetLevelControls(line, combo, phantom, step, level);
    return true;
  });
}

// The line/mic group of a strip for a level byte: mic levels press the button
// and enable the rest; line (0) releases it and greys the rest with phantom up.
// A level beyond the list leaves the combo's item as it was.
void TfmMain::SetLevelControls(TUxBmpButton* line, TUxComboBox* combo, TUxBmpButton* phantom, QWidget* step,
                               int level) {
  const bool mic = level != 0;
  line->SetCaption(TranslateSid(mic ? "SID_POTENT_MIC" : "SID_POTENT_LINE"));
  line->SetDown(mic);
  if (!mic) combo->SetItemIndex(50);
  else if (level >= 1 && level <= 51) combo->SetItemIndex(51 - level);
  if (!mic) phantom->SetDown(false);
  combo->setEnabled(mic);
  phantom->setEnabled(mic);
  step->setEnabled(mic);
}

void TfmMain::ApplyLinkedMute(int channel, bool on) {
  if (!UnitControl || channel < 0 || channel > 15) return;
  ForEachLinked(channel, false, [&](int k) {
    auto* b = FindControl<TUxBmpButton>(Name(k < 8 ? "uxbMuteBackupIn" : "uxbMuteBackupOut", k));
    if (!b) return false;
    UnitControl->SetMute(k, on);
    b->SetDown(on);
    return true;
  });
}

void TfmMain::ApplyLinkedPhantom(int channel, bool on) {
  if (!UnitControl || channel < 0 || channel > 7) return;
  ForEachLinked(channel, false, [&](int k) {
    auto* b = FindControl<TUxBmpButton>(Name("uxbPhantomBackupIn", k));
    if (!b) return false;
    UnitControl->SetPhantom(k, on);
    b->SetDown(on);
    return true;
  });
}
