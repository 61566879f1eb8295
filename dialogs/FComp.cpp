#include "dialogs/FComp.h"

#include <QLabel>

#include "controls/ExTrackBar.h"
#include "controls/RoundEdit.h"
#include "controls/wLed.h"
#include "dialogs/DialogLook.h"
#include "mainwindow/FMain.h"
#include "plot/wXYPlot.h"

TfmComp* fmComp = nullptr;

namespace {

struct CompFader {
  const char* role;
  int min, max;
  const char* key;
  const char* text;
};
constexpr CompFader kFaders[4] = {
    {"Threshold", -180, 40, "SID_COMP_THRESHOLD", " +20.0dB"},
    {"Attack", 0, 199, "SID_COMP_ATTACK", "  1ms"},
    {"Release", 0, 998, "SID_COMP_RELEASE", "  1ms"},
    {"Ratio", 0, 15, "SID_COMP_RATIO", "1:1.0"},
};

}  // namespace

TfmComp::TfmComp() {
  setObjectName(QStringLiteral("fmComp"));
  setWindowTitle(QStringLiteral("Compressor Setting"));
  setFixedSize(625, 298);
  dialogs::ApplyDialogLook(this);
  for (int i = 0; i < 4; ++i) {
    const CompFader& f = kFaders[i];
    const QString role = QString::fromLatin1(f.role);
    const int x = 10 + i * 74;
    auto* label = Create<QLabel>(this, "lb" + role);
    label->setGeometry(x, 10, 70, 20);
    label->setAlignment(Qt::AlignCenter);
    label->setText(dialogs::DesignText(f.key));
    auto* fader = Create<TExTrackBar>(this, "is" + role);
    dialogs::SetupFader(fader, QRect(x + 15, 34, 40, 190), f.min, f.max, i == 0 ? f.max : f.min, i);
    auto* box = Create<TRoundEdit>(this, "cvd" + role);
    dialogs::SetupValueBox(box, QRect(x, 230, 70, 24), QString::fromLatin1(f.text));
  }
  auto* led = Create<TwLedRectangle>(this, "wlrCompLed");
  led->setGeometry(40, 266, 30, 14);
  led->SetActiveColor(platform::clYellow);
  led->SetInactiveColor(platform::clOlive);
  auto* ledLabel = Create<QLabel>(this, "lbCompLed");
  ledLabel->setGeometry(78, 262, 100, 22);
  ledLabel->setText(dialogs::DesignText("SID_COMP_LED"));

  auto* plot = Create<TwXYPlot>(this, "wpComp");
  plot->setGeometry(327, 12, 288, 274);
  SetupFormPlot(plot);
  plot->XAxis()->SetMinSpan(-100, 120);
  plot->YAxis()->SetMinSpan(-100, 120);
  while (plot->ChannelCount() < 2) plot->AddChannel();
}

void TfmComp::FormShow() {
  if (!fmMain) return;
  setWindowTitle(fmMain->TranslateSid("SID_COMP_TITLE"));
  for (const CompFader& f : kFaders)
    if (auto* l = FindControl<QLabel>(QStringLiteral("lb") + f.role)) l->setText(fmMain->TranslateSid(f.key));
  if (auto* l = FindControl<QLabel>("lbCompLed")) l->setText(fmMain->TranslateSid("SID_COMP_LED"));
}
