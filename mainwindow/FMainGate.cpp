// The gate page: the inputs' faders store, send and hand the change to the
// linked inputs; the curve area shows TfmMain.GateChannel.
#include <QLabel>

#include "controls/ExTrackBar.h"
#include "controls/RoundEdit.h"
#include "mainwindow/FMain.h"
#include "model/Dynamics.h"
#include "platform/Form.h"

namespace {

QString Name(const char* prefix, int channel) { return platform::ComposedName(QString::fromLatin1(prefix), channel); }

// Parameter k of the setters: 0 threshold, 1 attack, 2 release.
struct GateParam {
  const char* box;
  dynamics::TypedMember member;
};
const GateParam kGateParams[3] = {
    {"cvdGateThresholdIn", dynamics::TypedMember::Threshold},
    {"cvdGateAttackIn", dynamics::TypedMember::Time},
    {"cvdGateReleaseIn", dynamics::TypedMember::Time},
};

void GateChange(TfmMain& form, QObject* Sender, int k) {
  if (form.Updating) return;
  auto* fader = dynamic_cast<TExTrackBar*>(Sender);
  if (!fader) return;
  const int channel = fader->Tag();
  if (channel < 0 || channel > 7) return;
  auto* box = form.FindControl<TRoundEdit>(Name(kGateParams[k].box, channel));
  if (!box) return;
  const int p = fader->Position();
  box->SetText(QString::fromStdString(dynamics::TypedText(kGateParams[k].member, p)));
  // The heading follows too, so the meter bar and its caption name one input.
  form.SelectGateChannel(channel);
  form.GateChannel = channel;
  form.SetGate(channel, k, p);
  form.ApplyLinkedGate(channel, k, p);
}

}  // namespace

void TfmMain::SelectGateChannel(int channel) {
  if (channel < 0 || channel > 7) return;
  auto* threshold = FindControl<TExTrackBar>(Name("isGateThresholdIn", channel));
  auto* head = FindControl<QLabel>("lbHeadGateIn");
  auto* title = FindControl<QLabel>("lbGateName");
  if (!threshold || !head || !title) return;
  GateChannel = channel;
  if (!DrawTransferCurve("wpGate", dynamics::GateCurve(threshold->Position()))) return;
  const QString in = QStringLiteral("In %1").arg(channel + 1);
  title->setText(in + " " + TranslateSid("SID_GATE"));
  head->setText(in);
}

void TfmMain::isGateThresholdInAChange(QObject* Sender) { GateChange(*this, Sender, 0); }
void TfmMain::isGateAttackInAChange(QObject* Sender) { GateChange(*this, Sender, 1); }
void TfmMain::isGateReleaseInAChange(QObject* Sender) { GateChange(*this, Sender, 2); }

void TfmMain::isGateThresholdInAMouseDown(QObject* Sender, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {
  SelectGateChannel(platform::Tag(Sender));
}
void TfmMain::cvdGateThresholdInAMouseDown(QObject* Sender, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {
  SelectGateChannel(platform::Tag(Sender));
}
void TfmMain::lbGateInAMouseDown(QObject* Sender, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {
  SelectGateChannel(platform::Tag(Sender));
}

void TfmMain::lbMatrixGateInAClick(QObject*) { SelectPageByButton(QStringLiteral("uxbMenuGate")); }
