// The compressor page: the outputs' faders store, send and hand the change
// to the linked outputs; the curve area shows TfmMain.CompChannel.
#include <QLabel>

#include "controls/ExTrackBar.h"
#include "controls/RoundEdit.h"
#include "mainwindow/FMain.h"
#include "model/Dynamics.h"
#include "platform/Form.h"

namespace {

QString Name(const char* prefix, int channel) { return platform::ComposedName(QString::fromLatin1(prefix), channel); }

// Parameter k of the setters (0 threshold, 1 attack, 2 release, 3 ratio) with
// its fader, box and text rule.
struct CompParam {
  const char* fader;
  const char* box;
  dynamics::TypedMember member;
};
const CompParam kCompParams[4] = {
    {"isCompThresholdOut", "cvdCompThresholdOut", dynamics::TypedMember::Threshold},
    {"isCompAttackOut", "cvdCompAttackOut", dynamics::TypedMember::Time},
    {"isCompReleaseOut", "cvdCompReleaseOut", dynamics::TypedMember::Time},
    {"isCompRatioOut", "cvdCompRatioOut", dynamics::TypedMember::CompRatio},
};

}  // namespace

void TfmMain::SelectCompChannel(int channel) {
  if (channel < 8 || channel > 15) return;
  auto* threshold = FindControl<TExTrackBar>(Name("isCompThresholdOut", channel));
  auto* ratio = FindControl<TExTrackBar>(Name("isCompRatioOut", channel));
  auto* head = FindControl<QLabel>("lbHeadCompOut");
  auto* title = FindControl<QLabel>("lbCompName");
  if (!threshold || !ratio || !head || !title) return;
  if (!DrawTransferCurve("wpComp", dynamics::CompCurve(threshold->Position(), ratio->Position()))) return;
  const QString out = QStringLiteral("Out %1").arg(channel - 7);
  head->setText(out);
  title->setText(out + " " + TranslateSid("SID_COMP"));
  CompChannel = channel;
}

namespace {

void CompChange(TfmMain& form, QObject* Sender, int k) {
  if (form.Updating) return;
  auto* fader = dynamic_cast<TExTrackBar*>(Sender);
  if (!fader) return;
  const int channel = fader->Tag();
  if (channel < 8 || channel > 15) return;
  auto* box = form.FindControl<TRoundEdit>(Name(kCompParams[k].box, channel));
  if (!box) return;
  const int p = fader->Position();
  form.CompChannel = channel;
  box->SetText(QString::fromStdString(dynamics::TypedText(kCompParams[k].member, p)));
  form.SelectCompChannel(channel);
  form.SetComp(channel, k, p);
  form.ApplyLinkedComp(channel, k, p);
}

}  // namespace

void TfmMain::isCompThresholdOut1Change(QObject* Sender) { CompChange(*this, Sender, 0); }
void TfmMain::isCompAttackOut1Change(QObject* Sender) { CompChange(*this, Sender, 1); }
void TfmMain::isCompReleaseOut1Change(QObject* Sender) { CompChange(*this, Sender, 2); }
void TfmMain::isCompRatioOut1Change(QObject* Sender) { CompChange(*this, Sender, 3); }

void TfmMain::isCompThresholdOut1MouseDown(QObject* Sender, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {
  SelectCompChannel(platform::Tag(Sender));
}
void TfmMain::cvdCompThresholdOut1MouseDown(QObject* Sender, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {
  SelectCompChannel(platform::Tag(Sender));
}
void TfmMain::lbCompOut1MouseDown(QObject* Sender, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {
  SelectCompChannel(platform::Tag(Sender));
}
