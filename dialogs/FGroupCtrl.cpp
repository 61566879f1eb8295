#include "dialogs/FGroupCtrl.h"

#include <QLabel>

#include "controls/ExTrackBar.h"
#include "controls/RoundEdit.h"
#include "controls/UxBmpButton.h"
#include "controls/UxGroupBox.h"
#include "dialogs/CtrlStrip.h"
#include "dialogs/DialogLook.h"
#include "mainwindow/FMain.h"

TfmGroupCtrl* fmGroupCtrl = nullptr;

QString TfmGroupCtrl::GroupSuffix(int group) {
  return group >= 4 ? QStringLiteral("Out%1").arg(group - 3) : QStringLiteral("In") + QChar('A' + group);
}

QString TfmGroupCtrl::SelectName(int group, int channel) {
  const QString c = group >= 4 ? QString::number(channel + 1) : QString(QChar('A' + channel));
  return "uxbGroupCtrlSel" + c + GroupSuffix(group);
}

TfmGroupCtrl::TfmGroupCtrl() {
  setObjectName(QStringLiteral("fmGroupCtrl"));
  setWindowTitle(QStringLiteral("Group Control Setting"));
  setFixedSize(817, 666);
  dialogs::ApplyDialogLook(this);
  for (bool outputs : {false, true}) {
    const int top = outputs ? 340 : 10;
    auto* heading = Create<QLabel>(this, outputs ? "lbGroupCtrlOut" : "lbGroupCtrlIn");
    heading->setGeometry(12, top, 200, 22);
    heading->setText(dialogs::DesignText(outputs ? "SID_OUT" : "SID_IN"));
    for (int g = 0; g < 4; ++g) {
      const int group = outputs ? 4 + g : g;
      const QString suffix = GroupSuffix(group);
      auto* box = Create<TUxGroupBox>(this, "uxgGroupCtrl" + suffix);
      dialogs::StyleGroupBox(box, QRect(8 + g * 202, top + 26, 196, 286));
      box->SetTag(group);
      auto* title = Create<QLabel>(box, "lbGroupCtrl" + suffix);
      title->setGeometry(4, 6, 188, 20);
      title->setAlignment(Qt::AlignCenter);
      title->setText(dialogs::DesignText("SID_GROUP") + QString::number(g + 1));
      CtrlStripNames names;
      names.selectLabel = "lbGroupCtrlSel" + suffix;
      for (int i = 0; i < 8; ++i) {
        names.buttons << SelectName(group, i);
        names.captions << (outputs ? QStringLiteral("Out") : QStringLiteral("In")) + QString::number(i + 1);
      }
      names.fader = "isGroupCtrlVol" + suffix;
      names.box = "cvdGroupCtrlVol" + suffix;
      names.volumeLabel = "lbGroupCtrlVol" + suffix;
      names.mute = "uxbGroupCtrlMute" + suffix;
      names.tag = group;
      BuildCtrlStrip(*this, box, QPoint(2, 36), names);
      if (auto* fader = FindControl<TExTrackBar>(names.fader))
        fader->OnChange = [this](QObject* s) { isGroupCtrlVolInAChange(s); };
      if (auto* mute = FindControl<TUxBmpButton>(names.mute))
        mute->OnClick = [this](QObject* s) { uxbGroupCtrlMuteInAClick(s); };
      for (const QString& name : names.buttons)
        if (auto* b = FindControl<TUxBmpButton>(name)) b->OnClick = [this](QObject* s) { uxbGroupCtrlSelAInAClick(s); };
    }
  }
}

void TfmGroupCtrl::FormCreate() {
  for (int first : {0, 4}) {
    auto* source = FindControl<TUxBmpButton>(SelectName(first, 0));
    if (!source) continue;
    for (int group = first; group < first + 4; ++group)
      for (int i = 0; i < 8; ++i) {
        auto* b = FindControl<TUxBmpButton>(SelectName(group, i));
        if (!b || b == source) continue;
        b->Bitmaps()->SetDown(source->Bitmaps()->Down());
        b->Bitmaps()->SetHot(source->Bitmaps()->Hot());
        b->Bitmaps()->SetStayDown(source->Bitmaps()->StayDown());
      }
  }
  GroupCtrlEntries.fill(100);
}

void TfmGroupCtrl::FormShow() {
  if (!fmMain) return;
  setWindowTitle(fmMain->TranslateSid("SID_GROUP_CTRL_TITLE"));
  if (auto* l = FindControl<QLabel>("lbGroupCtrlIn")) l->setText(fmMain->TranslateSid("SID_IN"));
  if (auto* l = FindControl<QLabel>("lbGroupCtrlOut")) l->setText(fmMain->TranslateSid("SID_OUT"));
  for (int group = 0; group < 8; ++group) {
    const QString suffix = GroupSuffix(group);
    if (auto* l = FindControl<QLabel>("lbGroupCtrl" + suffix))
      l->setText(fmMain->TranslateSid("SID_GROUP") + QString::number(group % 4 + 1));
    if (auto* l = FindControl<QLabel>("lbGroupCtrlSel" + suffix)) l->setText(fmMain->TranslateSid("SID_CH_SELECT"));
    if (auto* l = FindControl<QLabel>("lbGroupCtrlVol" + suffix)) l->setText(fmMain->TranslateSid("SID_GAIN"));
    if (auto* b = FindControl<TUxBmpButton>("uxbGroupCtrlMute" + suffix)) b->SetCaption(fmMain->TranslateSid("SID_MUTE"));
  }
  // Loading is cleared on every way out.
  Loading = 1;
  for (int group = 0; group < 8; ++group) {
    const std::uint32_t entry = GroupCtrlEntries[static_cast<std::size_t>(group)];
    auto* mute = FindControl<TUxBmpButton>("uxbGroupCtrlMute" + GroupSuffix(group));
    auto* fader = FindControl<TExTrackBar>("isGroupCtrlVol" + GroupSuffix(group));
    if (!mute || !fader) break;
    mute->SetDown((entry >> 8 & 0xFF) != 0);
    fader->SetPosition(static_cast<int>(entry & 0xFF));
    bool complete = true;
    for (int i = 0; i < 8 && complete; ++i) {
      auto* b = FindControl<TUxBmpButton>(SelectName(group, i));
      if (b) b->SetDown(entry >> (16 + i) & 1);
      complete = b != nullptr;
    }
    if (!complete) break;
  }
  Loading = 0;
}

void TfmGroupCtrl::isGroupCtrlVolInAChange(QObject* Sender) {
  auto* fader = dynamic_cast<TExTrackBar*>(Sender);
  if (!fader || fader->Tag() < 0 || fader->Tag() > 7) return;
  const int group = fader->Tag();
  auto* box = FindControl<TRoundEdit>("cvdGroupCtrlVol" + GroupSuffix(group));
  if (!box) return;
  box->SetText(QStringLiteral(" %1%").arg(fader->Position(), 3));
  if (Loading || !fmMain) return;
  std::uint32_t& entry = GroupCtrlEntries[static_cast<std::size_t>(group)];
  entry = (entry & ~0xFFu) | static_cast<std::uint8_t>(fader->Position());
  fmMain->SetGroupCtrl(group, entry);
}

void TfmGroupCtrl::uxbGroupCtrlMuteInAClick(QObject* Sender) {
  auto* button = dynamic_cast<TUxBmpButton*>(Sender);
  if (!button || button->Tag() < 0 || button->Tag() > 7 || Loading || !fmMain) return;
  const int group = button->Tag();
  std::uint32_t& entry = GroupCtrlEntries[static_cast<std::size_t>(group)];
  entry = (entry & ~0xFF00u) | (button->Down() ? 1u : 0u) << 8;
  fmMain->SetGroupCtrl(group, entry);
}

void TfmGroupCtrl::uxbGroupCtrlSelAInAClick(QObject* Sender) {
  auto* button = dynamic_cast<TUxBmpButton*>(Sender);
  if (!button || button->Tag() < 0 || button->Tag() > 7 || button->GroupIndex() < 1 || button->GroupIndex() > 8 ||
      !fmMain)
    return;
  const int group = button->Tag();
  const std::uint32_t bit = 1u << (16 + button->GroupIndex() - 1);
  std::uint32_t& entry = GroupCtrlEntries[static_cast<std::size_t>(group)];
  entry = button->Down() ? entry | bit : entry & ~bit;
  fmMain->SetGroupCtrl(group, entry);
}
