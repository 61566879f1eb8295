#include "dialogs/CtrlStrip.h"

#include <QLabel>

#include "controls/ExTrackBar.h"
#include "controls/RoundEdit.h"
#include "controls/UxBmpButton.h"
#include "dialogs/DialogLook.h"
#include "mainwindow/FMainFormKit.h"

void BuildCtrlStrip(platform::Form& form, QWidget* parent, const QPoint& o, const CtrlStripNames& n) {
  auto* select = form.Create<QLabel>(parent, n.selectLabel);
  select->setGeometry(o.x(), o.y(), 116, 18);
  select->setAlignment(Qt::AlignCenter);
  select->setText(dialogs::DesignText("SID_CH_SELECT"));
  for (int i = 0; i < 8; ++i) {
    auto* button = form.Create<TUxBmpButton>(parent, n.buttons[i]);
    dialogs::SetButtonFaces(button, QRect(o.x() + (i % 2) * 60, o.y() + 22 + (i / 2) * 28, 56, 24));
    button->SetCaption(n.captions[i]);
    button->SetTag(n.tag);
    button->SetGroupIndex(i + 1);
    button->SetAllowAllUp(true);
  }
  auto* mute = form.Create<TUxBmpButton>(parent, n.mute);
  dialogs::SetButtonFaces(mute, QRect(o.x(), o.y() + 140, 116, 28));
  mute->SetCaption(dialogs::DesignText("SID_MUTE"));
  mute->SetTag(n.tag);
  mute->SetGroupIndex(9);
  mute->SetAllowAllUp(true);
  auto* volume = form.Create<QLabel>(parent, n.volumeLabel);
  volume->setGeometry(o.x() + 124, o.y(), 68, 18);
  volume->setAlignment(Qt::AlignCenter);
  volume->setText(dialogs::DesignText("SID_GAIN"));
  dialogs::SetupFader(form.Create<TExTrackBar>(parent, n.fader),
                      QRect(o.x() + 138, o.y() + 22, mainform::kFaderWidth, 176), 0, 100, 100, n.tag,
                      mainform::kPageLevel);
  auto* box = form.Create<TRoundEdit>(parent, n.box);
  dialogs::SetupValueBox(box, QRect(o.x() + 124, o.y() + 206, 68, 24), QStringLiteral(" 100%"));
  box->SetTag(n.tag);
}
