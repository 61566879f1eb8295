#include "dialogs/FComp.h"

#include <QLabel>

#include "controls/ExTrackBar.h"
#include "controls/RoundEdit.h"
#include "controls/wLed.h"
#include "dialogs/DialogLook.h"
#include "mainwindow/FMain.h"
#include "mainwindow/FMainFormKit.h"
#include "model/Dynamics.h"
#include "platform/Format.h"
#include "plot/wXYPlot.h"

TfmComp* fmComp = nullptr;

namespace {

struct CompFader {
  const char* role;
  int min, max;
  const char* key;
  const char* text;
  int pageSize;
};
// The threshold is the effect channel's, as the effect page's fader.
constexpr CompFader kFaders[4] = {
    {"Threshold", -180, 40, "SID_COMP_THRESHOLD", " +20.0dB", mainform::kPageLevel},
    {"Attack", 0, 199, "SID_COMP_ATTACK", "  1ms", mainform::kPageAttack},
    {"Release", 0, 998, "SID_COMP_RELEASE", "  1ms", mainform::kPageRelease},
    {"Ratio", 0, 15, "SID_COMP_RATIO", "1:1.0", mainform::kPageRatio},
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
    dialogs::SetupFader(fader, QRect(x + 21, 34, mainform::kFaderWidth, 190), f.min, f.max, i == 0 ? f.max : f.min, i,
                        f.pageSize);
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
  SetupTransferChannels(plot, 2);

  using Change = void (TfmComp::*)(QObject*);
  const std::pair<const char*, Change> handlers[] = {{"isThreshold", &TfmComp::isThresholdChange},
                                                     {"isAttack", &TfmComp::isAttackChange},
                                                     {"isRelease", &TfmComp::isReleaseChange},
                                                     {"isRatio", &TfmComp::isRatioChange}};
  for (auto [name, change] : handlers)
    if (auto* f = FindControl<TExTrackBar>(QString::fromLatin1(name)))
      f->OnChange = [this, change = change](QObject* s) { (this->*change)(s); };
}

namespace {

void SetPoints(TwXYPlotChannel* channel, const std::vector<dynamics::XY>& points) {
  if (!channel) return;
  channel->DeletePoints(channel->Count());
  for (const dynamics::XY& p : points) channel->AddXY(p.x, p.y);
}

void SetBox(platform::Form& form, const char* name, const std::string& text) {
  if (auto* box = form.FindControl<TRoundEdit>(QString::fromLatin1(name))) box->SetText(QString::fromStdString(text));
}

}  // namespace

void TfmComp::FormCreate() {
  auto* plot = FindControl<TwXYPlot>("wpComp");
  if (!plot) return;
  SetPoints(plot->GetChannel(0), {{20, 20}, {-10, -10}, {-100, -100}});
  SetPoints(plot->GetChannel(1), {{19.8, 20.4}});
  plot->update();
}

void TfmComp::DrawCurve() {
  auto* plot = FindControl<TwXYPlot>("wpComp");
  auto* threshold = FindControl<TExTrackBar>("isThreshold");
  auto* ratio = FindControl<TExTrackBar>("isRatio");
  if (!plot || !threshold || !ratio) return;
  const dynamics::CurvePoints curve = dynamics::CompCurve(threshold->Position(), ratio->Position());
  for (int c = 0; c < 2 && c < static_cast<int>(curve.size()); ++c)
    SetPoints(plot->GetChannel(c), curve[static_cast<std::size_t>(c)]);
  plot->update();
}

void TfmComp::isThresholdChange(QObject* Sender) {
  auto* fader = dynamic_cast<TExTrackBar*>(Sender);
  if (!fader) return;
  SetBox(*this, "cvdThreshold", platform::FormatC(" %+5.1fdB", fader->Position() * 0.5));
  DrawCurve();
  if (!Loading && fmMain) fmMain->SetComp(18, 0, fader->Position());
}

void TfmComp::isAttackChange(QObject* Sender) {
  auto* fader = dynamic_cast<TExTrackBar*>(Sender);
  if (!fader) return;
  SetBox(*this, "cvdAttack", platform::FormatC("%3dms", fader->Position() + 1));
  if (!Loading && fmMain) fmMain->SetComp(18, 1, fader->Position());
}

void TfmComp::isReleaseChange(QObject* Sender) {
  auto* fader = dynamic_cast<TExTrackBar*>(Sender);
  if (!fader) return;
  SetBox(*this, "cvdRelease", platform::FormatC("%3dms", fader->Position() + 1));
  if (!Loading && fmMain) fmMain->SetComp(18, 2, fader->Position());
}

void TfmComp::isRatioChange(QObject* Sender) {
  auto* fader = dynamic_cast<TExTrackBar*>(Sender);
  if (!fader) return;
  SetBox(*this, "cvdRatio", dynamics::RatioText(fader->Position()));
  DrawCurve();
  if (!Loading && fmMain) fmMain->SetComp(18, 3, fader->Position());
}

void TfmComp::FormShow() {
  if (!fmMain) return;
  setWindowTitle(fmMain->TranslateSid("SID_COMP_TITLE"));
  for (const CompFader& f : kFaders)
    if (auto* l = FindControl<QLabel>(QStringLiteral("lb") + f.role)) l->setText(fmMain->TranslateSid(f.key));
  if (auto* l = FindControl<QLabel>("lbCompLed")) l->setText(fmMain->TranslateSid("SID_COMP_LED"));
}
