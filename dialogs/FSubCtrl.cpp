#include "dialogs/FSubCtrl.h"

#include <QLabel>

#include "controls/ExTrackBar.h"
#include "controls/RoundEdit.h"
#include "controls/UxBmpButton.h"
#include "controls/UxGroupBox.h"
#include "dialogs/CtrlStrip.h"
#include "dialogs/DialogLook.h"
#include "mainwindow/FMain.h"

TfmSubCtrl* fmSubCtrl = nullptr;

namespace {

QString Side(int side) { return side == 0 ? QStringLiteral("In") : QStringLiteral("Out"); }
QString SelectName(int side, int channel) { return "uxb" + Side(side) + "SubCtrlSel" + QChar('A' + channel); }

}  // namespace

TfmSubCtrl::TfmSubCtrl() {
  setObjectName(QStringLiteral("fmSubCtrl"));
  setWindowTitle(QStringLiteral("Sub Control Setting"));
  setFixedSize(411, 304);
  dialogs::ApplyDialogLook(this);
  for (int side = 0; side < 2; ++side) {
    const QString io = Side(side);
    auto* box = new TUxGroupBox(this);
    dialogs::StyleGroupBox(box, QRect(8 + side * 201, 8, 194, 288));
    auto* heading = Create<QLabel>(box, "lb" + io + "SubCtrl");
    heading->setGeometry(4, 6, 186, 20);
    heading->setAlignment(Qt::AlignCenter);
    heading->setText(dialogs::DesignText(side == 0 ? "SID_IN" : "SID_OUT"));
    CtrlStripNames names;
    names.selectLabel = "lb" + io + "SubCtrlSel";
    for (int i = 0; i < 8; ++i) {
      names.buttons << SelectName(side, i);
      names.captions << io + QString::number(i + 1);
    }
    names.fader = "is" + io + "SubCtrlVol";
    names.box = "cvd" + io + "SubCtrlVol";
    names.volumeLabel = "lb" + io + "SubCtrlVol";
    names.mute = "uxb" + io + "SubCtrlMute";
    names.tag = side;
    BuildCtrlStrip(*this, box, QPoint(2, 36), names);
    if (auto* fader = FindControl<TExTrackBar>(names.fader))
      fader->OnChange = [this](QObject* s) { isInSubCtrlVolChange(s); };
    if (auto* mute = FindControl<TUxBmpButton>(names.mute))
      mute->OnClick = [this](QObject* s) { uxbInSubCtrlMuteClick(s); };
    for (const QString& name : names.buttons)
      if (auto* b = FindControl<TUxBmpButton>(name)) b->OnClick = [this](QObject* s) { uxbInSubCtrlSelAClick(s); };
  }
}

void TfmSubCtrl::FormCreate() {
  for (int side = 0; side < 2; ++side) {
    auto* source = FindControl<TUxBmpButton>(SelectName(side, 0));
    if (!source) continue;
    for (int i = 1; i < 8; ++i)
      if (auto* b = FindControl<TUxBmpButton>(SelectName(side, i))) {
        b->Bitmaps()->SetDown(source->Bitmaps()->Down());
        b->Bitmaps()->SetHot(source->Bitmaps()->Hot());
        b->Bitmaps()->SetStayDown(source->Bitmaps()->StayDown());
      }
  }
  SubCtrlWords = {100, 100};
}

void TfmSubCtrl::FormShow() {
  if (!fmMain) return;
  setWindowTitle(fmMain->TranslateSid("SID_SUB_CTRL_TITLE"));
  for (int side = 0; side < 2; ++side) {
    const QString io = Side(side);
    const std::pair<QString, const char*> captions[] = {{"lb" + io + "SubCtrl", side == 0 ? "SID_IN" : "SID_OUT"},
                                                        {"lb" + io + "SubCtrlSel", "SID_CH_SELECT"},
                                                        {"lb" + io + "SubCtrlVol", "SID_GAIN"}};
    for (const auto& [name, key] : captions)
      if (auto* l = FindControl<QLabel>(name)) l->setText(fmMain->TranslateSid(key));
    if (auto* mute = FindControl<TUxBmpButton>("uxb" + io + "SubCtrlMute"))
      mute->SetCaption(fmMain->TranslateSid("SID_MUTE"));
  }
  // Loading is cleared on every way out, so a missing control never leaves
  // later edits unsent.
  Loading = 1;
  for (int side = 0; side < 2; ++side) {
    const std::uint32_t word = SubCtrlWords[static_cast<std::size_t>(side)];
    const QString io = Side(side);
    auto* mute = FindControl<TUxBmpButton>("uxb" + io + "SubCtrlMute");
    auto* fader = FindControl<TExTrackBar>("is" + io + "SubCtrlVol");
    if (!mute || !fader) break;
    mute->SetDown((word >> 8 & 0xFF) != 0);
    fader->SetPosition(static_cast<int>(word & 0xFF));
    bool complete = true;
    for (int i = 0; i < 8 && complete; ++i) {
      auto* b = FindControl<TUxBmpButton>(SelectName(side, i));
      if (b) b->SetDown(word >> (16 + i) & 1);
      complete = b != nullptr;
    }
    if (!complete) break;
  }
  Loading = 0;
}

void TfmSubCtrl::isInSubCtrlVolChange(QObject* Sender) {
  auto* fader = dynamic_cast<TExTrackBar*>(Sender);
  if (!fader || fader->Tag() < 0 || fader->Tag() > 1) return;
  const int side = fader->Tag();
  auto* box = FindControl<TRoundEdit>("cvd" + Side(side) + "SubCtrlVol");
  if (!box) return;
  box->SetText(QStringLiteral(" %1%").arg(fader->Position(), 3));
  if (Loading || !fmMain) return;
  std::uint32_t& word = SubCtrlWords[static_cast<std::size_t>(side)];
  word = (word & ~0xFFu) | static_cast<std::uint8_t>(fader->Position());
  fmMain->SetSubCtrl(side, word);
}

void TfmSubCtrl::uxbInSubCtrlMuteClick(QObject* Sender) {
  auto* button = dynamic_cast<TUxBmpButton*>(Sender);
  if (!button || button->Tag() < 0 || button->Tag() > 1 || Loading || !fmMain) return;
  const int side = button->Tag();
  std::uint32_t& word = SubCtrlWords[static_cast<std::size_t>(side)];
  word = (word & ~0xFF00u) | (button->Down() ? 1u : 0u) << 8;
  fmMain->SetSubCtrl(side, word);
}

void TfmSubCtrl::uxbInSubCtrlSelAClick(QObject* Sender) {
  auto* button = dynamic_cast<TUxBmpButton*>(Sender);
  if (!button || button->Tag() < 0 || button->Tag() > 1 || button->GroupIndex() < 1 || button->GroupIndex() > 8 ||
      !fmMain)
    return;
  const int side = button->Tag();
  const std::uint32_t bit = 1u << (16 + button->GroupIndex() - 1);
  std::uint32_t& word = SubCtrlWords[static_cast<std::size_t>(side)];
  word = button->Down() ? word | bit : word & ~bit;
  fmMain->SetSubCtrl(side, word);
}
