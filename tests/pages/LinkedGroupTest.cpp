// The nine propagation routines over one link group: each moves the controls
// of every member of the edited channel's group (the edited one too, but for
// line/mic, whose own strip its handler has set) and of no other channel.
#include <QLabel>
#include <QString>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "RecordingMainFixture.h"
#include "controls/ExTrackBar.h"
#include "controls/RoundEdit.h"
#include "controls/UpDown.h"
#include "controls/UxBmpButton.h"
#include "controls/UxComboBox.h"
#include "model/Lunitcontrol.h"

namespace {

class LinkedGroupTest : public RecordingMainTest {
 protected:
  QString Name(const char* prefix, int ch) const { return platform::ComposedName(prefix, ch); }
  QString Fader(const char* prefix, int ch) const {
    return QString::number(Find<TExTrackBar>(Name(prefix, ch))->Position());
  }
  QString Box(const char* prefix, int ch) const { return Find<TRoundEdit>(Name(prefix, ch))->Text(); }
  QString Down(const char* prefix, int ch) const { return Find<TUxBmpButton>(Name(prefix, ch))->Down() ? "down" : "up"; }
};

TEST_F(LinkedGroupTest, EveryRoutineReachesEachMemberAndNoOtherChannel) {
  // Inputs B, C, E under B; outputs 2 and 5 under 2. The edits name a member
  // further down (C, output 5), whose group the routine has to find.
  Image().Inputs[1].LinkMask = 0x0016;
  Image().Inputs[2].LinkMask = 0;
  Image().Inputs[4].LinkMask = 0;
  Image().Outputs[1].LinkMask = 0x0012;
  Image().Outputs[4].LinkMask = 0;
  main->ApplyUnitModel();
  const std::vector<int> inputs = {1, 2, 4}, outputs = {9, 12};

  struct Routine {
    const char* name;
    int edited;
    bool editedToo;  // the edited channel's own controls move as well
    std::function<void(int edited)> apply;
    std::function<QString(int k)> probe;  // what channel k shows
  };
  const Routine routines[] = {
      {"gain", 2, true, [&](int c) { main->ApplyLinkedGain(c, 77); },
       [&](int k) { return Fader("isGainBackupIn", k) + Box("cvdGainBackupIn", k); }},
      {"output gain", 12, true, [&](int c) { main->ApplyLinkedGain(c, -13); },
       [&](int k) { return Fader("isGainBackupOut", k) + Box("cvdGainBackupOut", k); }},
      {"delay", 2, true, [&](int c) { main->ApplyLinkedDelay(c, 4800, 200); },
       [&](int k) {
         return Fader("isDelayIn", k) + Box("cvdDelayIn", k) + QString::number(Find<QWidget>(Name("imDelayIn", k))->x()) +
                Find<QLabel>(Name("lbFftDelayTimeIn", k))->text();
       }},
      {"output delay", 12, true, [&](int c) { main->ApplyLinkedDelay(c, 960, 120); },
       [&](int k) { return Fader("isDelayOut", k) + Box("cvdDelayOut", k) + Find<QLabel>(Name("lbDelayLineOut", k))->text(); }},
      {"compressor", 12, true, [&](int c) { main->ApplyLinkedComp(c, 0, -40); },
       [&](int k) { return Fader("isCompThresholdOut", k) + Box("cvdCompThresholdOut", k); }},
      {"gate", 2, true, [&](int c) { main->ApplyLinkedGate(c, 1, 55); },
       [&](int k) { return Fader("isGateAttackIn", k) + Box("cvdGateAttackIn", k); }},
      {"AGC", 2, true, [&](int c) { main->ApplyLinkedAgc(c, 4, 13); },
       [&](int k) { return Box("cvdAgcTargetIn", k); }},
      {"polarity", 2, true, [&](int c) { main->ApplyLinkedPolarity(c, true); },
       [&](int k) { return Down("uxbPhaseBackupIn", k) + Find<TUxBmpButton>(Name("uxbPhaseBackupIn", k))->Caption(); }},
      {"line/mic", 2, false, [&](int c) { main->ApplyLinkedLineMic(c, 12); },
       [&](int k) {
         auto* combo = Find<TUxComboBox>(Name("uxcLineBackupIn", k));
         return Down("uxbLineBackupIn", k) + QString::number(combo->ItemIndex()) + (combo->isEnabled() ? "on" : "off");
       }},
      {"mute", 12, true, [&](int c) { main->ApplyLinkedMute(c, true); }, [&](int k) { return Down("uxbMuteBackupOut", k); }},
      {"phantom", 2, true, [&](int c) { main->ApplyLinkedPhantom(c, true); },
       [&](int k) { return Down("uxbPhantomBackupIn", k); }},
  };
  for (const Routine& r : routines) {
    SCOPED_TRACE(r.name);
    const int first = r.edited < 8 ? 0 : 8;
    const std::vector<int>& members = r.edited < 8 ? inputs : outputs;
    std::vector<QString> before;
    for (int k = first; k < first + 8; ++k) before.push_back(r.probe(k));
    r.apply(r.edited);
    for (int k = first; k < first + 8; ++k) {
      const bool member = std::find(members.begin(), members.end(), k) != members.end();
      const bool moves = member && (r.editedToo || k != r.edited);
      const QString after = r.probe(k);
      if (moves)
        EXPECT_NE(after, before[static_cast<std::size_t>(k - first)]) << "channel " << k << " stays " << after.toStdString();
      else
        EXPECT_EQ(after, before[static_cast<std::size_t>(k - first)]) << "channel " << k;
    }
    // Every member shows the same.
    for (int k : members)
      if (r.editedToo || k != r.edited) EXPECT_EQ(r.probe(k), r.probe(members.back())) << "channel " << k;
    EXPECT_FALSE(main->Updating);
  }
}

}  // namespace
