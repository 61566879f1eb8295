#include "dialogs/FGroupCtrl.h"

#include <QLabel>

#include "controls/UxBmpButton.h"
#include "controls/UxGroupBox.h"
#include "dialogs/CtrlStrip.h"
#include "dialogs/DialogLook.h"
#include "mainwindow/FMain.h"

TfmGroupCtrl* fmGroupCtrl = nullptr;

namespace {

// The suffix of group g (0-3) of a side: "InA".."InD" or "Out1".."Out4".
QString GroupSuffix(bool outputs, int g) {
  return outputs ? QStringLiteral("Out%1").arg(g + 1) : QStringLiteral("In") + QChar('A' + g);
}

}  // namespace

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
      const QString suffix = GroupSuffix(outputs, g);
      auto* box = Create<TUxGroupBox>(this, "uxgGroupCtrl" + suffix);
      dialogs::StyleGroupBox(box, QRect(8 + g * 202, top + 26, 196, 286));
      box->SetTag(outputs ? 4 + g : g);
      auto* title = Create<QLabel>(box, "lbGroupCtrl" + suffix);
      title->setGeometry(4, 6, 188, 20);
      title->setAlignment(Qt::AlignCenter);
      title->setText(dialogs::DesignText("SID_GROUP") + QString::number(g + 1));
      CtrlStripNames names;
      names.selectLabel = "lbGroupCtrlSel" + suffix;
      for (int i = 0; i < 8; ++i) {
        const QString channel = outputs ? QString::number(i + 1) : QString(QChar('A' + i));
        names.buttons << "uxbGroupCtrlSel" + channel + suffix;
        names.captions << (outputs ? QStringLiteral("Out") : QStringLiteral("In")) + QString::number(i + 1);
      }
      names.fader = "isGroupCtrlVol" + suffix;
      names.box = "cvdGroupCtrlVol" + suffix;
      names.volumeLabel = "lbGroupCtrlVol" + suffix;
      names.mute = "uxbGroupCtrlMute" + suffix;
      names.tag = outputs ? 4 + g : g;
      BuildCtrlStrip(*this, box, QPoint(2, 36), names);
    }
  }
}

void TfmGroupCtrl::FormShow() {
  if (!fmMain) return;
  setWindowTitle(fmMain->TranslateSid("SID_GROUP_CTRL_TITLE"));
  if (auto* l = FindControl<QLabel>("lbGroupCtrlIn")) l->setText(fmMain->TranslateSid("SID_IN"));
  if (auto* l = FindControl<QLabel>("lbGroupCtrlOut")) l->setText(fmMain->TranslateSid("SID_OUT"));
  for (bool outputs : {false, true})
    for (int g = 0; g < 4; ++g) {
      const QString suffix = GroupSuffix(outputs, g);
      if (auto* l = FindControl<QLabel>("lbGroupCtrl" + suffix))
        l->setText(fmMain->TranslateSid("SID_GROUP") + QString::number(g + 1));
      if (auto* l = FindControl<QLabel>("lbGroupCtrlSel" + suffix)) l->setText(fmMain->TranslateSid("SID_CH_SELECT"));
      if (auto* l = FindControl<QLabel>("lbGroupCtrlVol" + suffix)) l->setText(fmMain->TranslateSid("SID_GAIN"));
      if (auto* b = FindControl<TUxBmpButton>("uxbGroupCtrlMute" + suffix))
        b->SetCaption(fmMain->TranslateSid("SID_MUTE"));
    }
}
