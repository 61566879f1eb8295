#include "dialogs/FAec.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "controls/ExTrackBar.h"
#include "controls/RoundEdit.h"
#include "controls/UxBmpButton.h"
#include "controls/UxButton.h"
#include "controls/UxGroupBox.h"
#include "dialogs/DialogLook.h"
#include "display/LProgressBar.h"
#include "mainwindow/FMain.h"

TfmAec* fmAec = nullptr;

namespace {

struct AecGain {
  const char* role;  // uxgAec<role>, lbAec<role>, isAecGain<role>, cvdAecGain<role>, pbAecLevel<role>
  int min, max, tag;
  const char* key;
  int x;
};

constexpr AecGain kGains[4] = {
    {"Input", -60, 0, 0, "SID_AEC_MIC_IN", 8},
    {"VcsIn", -2, 7, 2, "SID_AEC_VCS_IN", 122},
    {"VcsOut", -13, 1, 3, "SID_AEC_VCS_OUT", 236},
    {"Output", -80, 0, 1, "SID_AEC_SPK_OUT", 122},  // hidden, where the VCS input sits
};

}  // namespace

TfmAec::TfmAec() {
  setObjectName(QStringLiteral("fmAec"));
  setWindowTitle(QStringLiteral("Echo Cancellation Setting"));
  setFixedSize(495, 272);
  dialogs::ApplyDialogLook(this);

  for (const AecGain& g : kGains) {
    const QString role = QString::fromLatin1(g.role);
    auto* box = Create<TUxGroupBox>(this, "uxgAec" + role);
    dialogs::StyleGroupBox(box, QRect(g.x, 8, 110, 256));
    auto* label = Create<QLabel>(box, "lbAec" + role);
    label->setGeometry(4, 6, 102, 20);
    label->setAlignment(Qt::AlignCenter);
    label->setText(dialogs::DesignText(g.key));
    dialogs::SetupFader(Create<TExTrackBar>(box, "isAecGain" + role), QRect(14, 30, 40, 190), g.min, g.max, 0, g.tag);
    auto* level = Create<LProgressBar>(box, "pbAecLevel" + role);
    level->setGeometry(70, 34, 14, 180);
    level->SetMax(9);
    level->SetSecondNum(2);
    level->SetThirdNum(6);
    dialogs::SetupValueBox(Create<TRoundEdit>(box, "cvdAecGain" + role), QRect(4, 226, 102, 24),
                           QStringLiteral("+0.0dB"));
    if (role == QLatin1String("Output")) box->setVisible(false);
  }

  auto* aec = Create<TUxGroupBox>(this, "uxgAec");
  dialogs::StyleGroupBox(aec, QRect(350, 8, 137, 256));
  auto* ns = Create<QLabel>(aec, "lbAecNs");
  ns->setGeometry(4, 6, 129, 20);
  ns->setAlignment(Qt::AlignCenter);
  ns->setText(dialogs::DesignText("SID_AEC_NS"));
  const char* levels[5] = {"OFF", "6 dB", "9 dB", "12 dB", "15 dB"};
  for (int i = 0; i < 5; ++i) {
    auto* b = Create<TUxBmpButton>(aec, QStringLiteral("uxbAecLevel%1").arg(i));
    dialogs::SetButtonFaces(b, QRect(18, 36 + i * 40, 100, 30));
    b->SetCaption(QString::fromLatin1(levels[i]));
    b->SetTag(i);
    b->SetGroupIndex(1);
    if (i == 0) b->SetDown(true);
  }

  for (const char* name : {"lbMic0Level", "lbLineInLevel", "lbSpkOutLevel", "lbLineOutLevel"}) {
    auto* meter = Create<QLabel>(this, QString::fromLatin1(name));
    meter->setGeometry(8, 250, 80, 16);
    meter->setVisible(false);
  }

  // Engineering panels: placed beyond the client width on purpose, so that
  // only a widened window shows them.
  auto edit = [this](QWidget* parent, const char* name, const QRect& r, int maxLength, const char* text) {
    auto* e = Create<QLineEdit>(parent, QString::fromLatin1(name));
    e->setGeometry(r);
    e->setMaxLength(maxLength);
    e->setText(QString::fromLatin1(text));
  };
  auto push = [this](QWidget* parent, const char* name, const QRect& r, const char* caption) {
    auto* b = Create<TUxButton>(parent, QString::fromLatin1(name));
    b->setGeometry(r);
    b->SetCaption(QString::fromLatin1(caption));
  };
  auto* test = Create<QGroupBox>(this, "gbAecTest");
  test->setGeometry(511, 8, 190, 256);
  test->setTitle(QStringLiteral(" AEC Test "));
  edit(test, "edAddress", QRect(10, 24, 80, 24), 4, "2300");
  edit(test, "edData", QRect(100, 24, 80, 24), 4, "0010");
  push(test, "bnWrite", QRect(10, 56, 80, 25), "Write");
  push(test, "bnRead", QRect(100, 56, 80, 25), "Read");
  Create<QLabel>(test, "lbReadData")->setGeometry(10, 90, 170, 20);
  auto* bypass = Create<TUxBmpButton>(test, "uxbAecBypass");
  dialogs::SetButtonFaces(bypass, QRect(10, 124, 80, 28));
  bypass->SetCaption(dialogs::DesignText("SID_OFF"));
  bypass->SetGroupIndex(1);
  bypass->SetAllowAllUp(true);
  auto* process = Create<QLabel>(test, "lbAecProcess");
  process->setGeometry(100, 128, 80, 20);
  process->setText(dialogs::DesignText("SID_AEC_BYPASS"));

  auto* codec = Create<QGroupBox>(this, "gbCodecTest");
  codec->setGeometry(711, 8, 190, 256);
  codec->setTitle(QStringLiteral(" codec Test "));
  edit(codec, "edCsAddress", QRect(10, 24, 80, 24), 2, "00");
  edit(codec, "edCsData", QRect(100, 24, 80, 24), 2, "00");
  push(codec, "bnCsWrite", QRect(10, 56, 80, 25), "Write");
  push(codec, "bnCsRead", QRect(100, 56, 80, 25), "Read");
  Create<QLabel>(codec, "lbCsReadData")->setGeometry(10, 90, 170, 20);
}

void TfmAec::FormShow() {
  if (!fmMain) return;
  setWindowTitle(fmMain->TranslateSid("SID_AEC_TITLE"));
  for (const AecGain& g : kGains)
    if (auto* l = FindControl<QLabel>(QStringLiteral("lbAec") + g.role)) l->setText(fmMain->TranslateSid(g.key));
  if (auto* l = FindControl<QLabel>("lbAecNs")) l->setText(fmMain->TranslateSid("SID_AEC_NS"));
  if (auto* l = FindControl<QLabel>("lbAecProcess")) l->setText(fmMain->TranslateSid("SID_AEC_BYPASS"));
}
