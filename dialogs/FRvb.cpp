#include "dialogs/FRvb.h"

#include <QLabel>

#include "controls/ExTrackBar.h"
#include "controls/RoundEdit.h"
#include "dialogs/DialogLook.h"
#include "mainwindow/FMain.h"

TfmRvb* fmRvb = nullptr;

namespace {

struct RvbFader {
  const char* role;  // isEcho.. / cvd.. / lb.. share it
  int tag, max;
  const char* key;
  const char* text;
};

constexpr RvbFader kFaders[9] = {
    {"EchoGain", 0, 100, "SID_ECHO", "  0"},          {"EchoRepeat", 1, 100, "SID_ECHO_REPEAT", "   0"},
    {"EchoDelay", 2, 400, "SID_ECHO_DELAY", "   0ms"}, {"EchoPreDelay", 3, 250, "SID_ECHO_PREDLY", "   0ms"},
    {"RvbGain", 0, 100, "SID_RVB", " 0"},             {"RvbReflect", 1, 100, "SID_RVB_REFLECT", " 0"},
    {"RvbTime", 2, 199, "SID_RVB_TIME", "0.1s"},      {"RvbPreDelay", 3, 250, "SID_RVB_PREDLY", "   0ms"},
    {"EffectVol", 3, 100, "SID_EFF_VOL", "0"},
};

}  // namespace

TfmRvb::TfmRvb() {
  setObjectName(QStringLiteral("fmRvb"));
  setWindowTitle(QStringLiteral("Effect Setting"));
  setFixedSize(400, 298);
  dialogs::ApplyDialogLook(this);
  for (int i = 0; i < 9; ++i) {
    const RvbFader& f = kFaders[i];
    const QString role = QString::fromLatin1(f.role);
    const int x = 6 + i * 43 + (i >= 4 ? 4 : 0) + (i >= 8 ? 4 : 0);
    auto* label = Create<QLabel>(this, "lb" + role);
    label->setGeometry(x - 2, 8, 44, 32);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    label->setText(dialogs::DesignText(f.key));
    auto* fader = Create<TExTrackBar>(this, "is" + role);
    dialogs::SetupFader(fader, QRect(x + 2, 44, 36, 206), 0, f.max, 0, f.tag);
    auto* box = Create<TRoundEdit>(this, "cvd" + role);
    dialogs::SetupValueBox(box, QRect(x - 1, 258, 42, 24), QString::fromLatin1(f.text));
  }
}

void TfmRvb::FormShow() {
  if (!fmMain) return;
  setWindowTitle(fmMain->TranslateSid("SID_EFFECT_TITLE"));
  for (const RvbFader& f : kFaders)
    if (auto* label = FindControl<QLabel>(QStringLiteral("lb") + f.role)) label->setText(fmMain->TranslateSid(f.key));
}
