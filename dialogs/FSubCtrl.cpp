#include "dialogs/FSubCtrl.h"

#include <QLabel>

#include "controls/UxBmpButton.h"
#include "controls/UxGroupBox.h"
#include "dialogs/CtrlStrip.h"
#include "dialogs/DialogLook.h"
#include "mainwindow/FMain.h"

TfmSubCtrl* fmSubCtrl = nullptr;

TfmSubCtrl::TfmSubCtrl() {
  setObjectName(QStringLiteral("fmSubCtrl"));
  setWindowTitle(QStringLiteral("Sub Control Setting"));
  setFixedSize(411, 304);
  dialogs::ApplyDialogLook(this);
  for (int side = 0; side < 2; ++side) {
    const QString io = side == 0 ? QStringLiteral("In") : QStringLiteral("Out");
    auto* box = new TUxGroupBox(this);
    dialogs::StyleGroupBox(box, QRect(8 + side * 201, 8, 194, 288));
    auto* heading = Create<QLabel>(box, "lb" + io + "SubCtrl");
    heading->setGeometry(4, 6, 186, 20);
    heading->setAlignment(Qt::AlignCenter);
    heading->setText(dialogs::DesignText(side == 0 ? "SID_IN" : "SID_OUT"));
    CtrlStripNames names;
    names.selectLabel = "lb" + io + "SubCtrlSel";
    for (int i = 0; i < 8; ++i) {
      names.buttons << "uxb" + io + "SubCtrlSel" + QChar('A' + i);
      names.captions << io + QString::number(i + 1);
    }
    names.fader = "is" + io + "SubCtrlVol";
    names.box = "cvd" + io + "SubCtrlVol";
    names.volumeLabel = "lb" + io + "SubCtrlVol";
    names.mute = "uxb" + io + "SubCtrlMute";
    names.tag = side;
    BuildCtrlStrip(*this, box, QPoint(2, 36), names);
  }
}

void TfmSubCtrl::FormShow() {
  if (!fmMain) return;
  setWindowTitle(fmMain->TranslateSid("SID_SUB_CTRL_TITLE"));
  for (const char* io : {"In", "Out"}) {
    const QString side = QString::fromLatin1(io);
    const std::pair<QString, const char*> captions[] = {{"lb" + side + "SubCtrl", side == "In" ? "SID_IN" : "SID_OUT"},
                                                        {"lb" + side + "SubCtrlSel", "SID_CH_SELECT"},
                                                        {"lb" + side + "SubCtrlVol", "SID_GAIN"}};
    for (const auto& [name, key] : captions)
      if (auto* l = FindControl<QLabel>(name)) l->setText(fmMain->TranslateSid(key));
    if (auto* mute = FindControl<TUxBmpButton>("uxb" + side + "SubCtrlMute"))
      mute->SetCaption(fmMain->TranslateSid("SID_MUTE"));
  }
}
