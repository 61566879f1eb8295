// Typed values in the dynamics pages' value boxes: leaving a box or pressing
// Return/Enter in it moves its companion fader or up-down to the typed value
// (whose change handler stores and sends) and writes the value back; an
// invalid or unchanged text gets the current value back, with the caret at
// its end, and nothing is sent.
#include <QLineEdit>

#include "controls/ExTrackBar.h"
#include "controls/RoundEdit.h"
#include "controls/UpDown.h"
#include "mainwindow/FMain.h"
#include "model/Dynamics.h"
#include "platform/Form.h"

using dynamics::TypedMember;

void TfmMain::TypedEntry(QObject* Sender, int memberIndex, const char* companion) {
  auto* box = dynamic_cast<TRoundEdit*>(Sender);
  if (!box) return;
  const auto member = static_cast<TypedMember>(memberIndex);
  const int channel = box->Tag();
  const QString name = platform::ComposedName(QString::fromLatin1(companion), channel);
  auto* fader = FindControl<TExTrackBar>(name);
  auto* upDown = fader ? nullptr : FindControl<TUpDown>(name);
  if (!fader && !upDown) return;
  int agcThreshold = -120;
  if (member == TypedMember::AgcTarget) {
    auto* threshold = FindControl<TExTrackBar>(platform::ComposedName(QStringLiteral("isAgcThresholdIn"), channel));
    if (!threshold) return;
    agcThreshold = threshold->Position();
  }
  auto position = [&] { return fader ? fader->Position() : upDown->Position(); };
  const int min = fader ? fader->Min() : upDown->Min();
  const int max = fader ? fader->Max() : upDown->Max();
  const std::optional<int> q =
      dynamics::TypedPosition(member, box->Text().toStdString(), min, max, agcThreshold);
  if (q && *q != position()) {
    if (fader)
      fader->SetPosition(*q);
    else
      upDown->RequestPosition(*q);
    box->SetText(QString::fromStdString(dynamics::TypedText(member, position())));
    return;
  }
  box->SetText(QString::fromStdString(dynamics::TypedText(member, position())));
  box->Edit()->end(false);
}

namespace {

bool IsEnter(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter; }

}  // namespace

#define TYPED_ENTRY(box, member, companion)                                                    \
  void TfmMain::box##Exit(QObject* Sender) { TypedEntry(Sender, int(member), companion); }     \
  void TfmMain::box##KeyDown(QObject* Sender, int& Key, Qt::KeyboardModifiers) {                \
    if (IsEnter(Key)) TypedEntry(Sender, int(member), companion);                              \
  }

TYPED_ENTRY(cvdCompThresholdOut1, TypedMember::Threshold, "isCompThresholdOut")
TYPED_ENTRY(cvdCompRatioOut1, TypedMember::CompRatio, "isCompRatioOut")
TYPED_ENTRY(cvdCompAttackOut1, TypedMember::Time, "isCompAttackOut")
TYPED_ENTRY(cvdCompReleaseOut1, TypedMember::Time, "isCompReleaseOut")
TYPED_ENTRY(cvdGateThresholdInA, TypedMember::Threshold, "isGateThresholdIn")
TYPED_ENTRY(cvdGateAttackInA, TypedMember::Time, "isGateAttackIn")
TYPED_ENTRY(cvdGateReleaseInA, TypedMember::Time, "isGateReleaseIn")
TYPED_ENTRY(cvdAgcThresholdInA, TypedMember::Threshold, "isAgcThresholdIn")
TYPED_ENTRY(cvdAgcAttackInA, TypedMember::Time, "isAgcAttackIn")
TYPED_ENTRY(cvdAgcReleaseInA, TypedMember::Time, "isAgcReleaseIn")
TYPED_ENTRY(cvdAgcRatioInA, TypedMember::AgcRatio, "udAgcRatioIn")
TYPED_ENTRY(cvdAgcTargetInA, TypedMember::AgcTarget, "udAgcTargetIn")

#undef TYPED_ENTRY
