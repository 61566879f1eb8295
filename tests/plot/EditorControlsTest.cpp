// Editor controls: the edit's commit step and silent loading, number
// reading, the up-down's stepping and repeat, and the object list.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFocusEvent>
#include <QTest>

#include "plot/wEditorControls.h"
#include "plot/wEditorEdit.h"
#include "plot/wEditorForm.h"
#include "plot/wEditorListBox.h"
#include "plot/wUpDown.h"
#include "support/UiFixture.h"

namespace {

class CountingForm : public TwCustomEditorForm {
 public:
  int userChanges = 0;
  void UserChange() override { ++userChanges; }
};

struct EditFixture {
  CountingForm form;
  TwComponentEditorEdit* edit = new TwComponentEditorEdit(&form);
  int updates = 0;
  EditFixture() {
    edit->setGeometry(10, 10, 60, 21);
    edit->OnUpdate = [this](QObject*) { ++updates; };
  }
  void LeaveEdit() {
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(edit, &out);
  }
};

TEST(EditorEdit, EscapeAndUnchangedEnterRaiseNothingAChangedEnterCommitsOnce) {
  EditFixture f;
  f.edit->SetAsString(QStringLiteral("abc"));
  QTest::keyClicks(f.edit, QStringLiteral("xy"));
  QTest::keyClick(f.edit, Qt::Key_Escape);
  EXPECT_EQ(f.edit->text(), QStringLiteral("abc"));
  QTest::keyClick(f.edit, Qt::Key_Return);
  f.LeaveEdit();
  EXPECT_EQ(f.updates, 0);
  EXPECT_EQ(f.form.userChanges, 0);

  QTest::keyClicks(f.edit, QStringLiteral("d"));
  QTest::keyClick(f.edit, Qt::Key_Return);
  EXPECT_EQ(f.updates, 1);
  EXPECT_EQ(f.form.userChanges, 1);
  EXPECT_EQ(f.edit->OriginalText(), f.edit->text());
  f.LeaveEdit();  // already committed
  EXPECT_EQ(f.updates, 1);
}

TEST(EditorEdit, SilentWritesRaiseNothingEvenWhenTheEditIsLeft) {
  EditFixture f;
  int changes = 0;
  f.edit->OnChange = [&](QObject*) { ++changes; };
  f.edit->SetAsInteger(5);
  f.edit->SetAsFloat(2.5);
  f.LeaveEdit();
  EXPECT_EQ(f.edit->text(), QStringLiteral("2.5"));
  EXPECT_EQ(changes, 0);
  EXPECT_EQ(f.updates, 0);
  EXPECT_EQ(f.form.userChanges, 0);
  f.edit->SetDoubleWithEvent(3.25);  // the writer with event does report
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(f.updates, 1);
  EXPECT_EQ(f.form.userChanges, 2);  // its own, then the commit's
}

TEST(EditorEdit, NumbersReadMalformedTextAsZero) {
  TwComponentEditorEdit edit;
  const struct {
    const char* text;
    int asInteger;
    double asFloat;
  } cases[] = {{" 12 ", 12, 12}, {"", 0, 0}, {"1.5", 0, 1.5}, {"abc", 0, 0}, {"-7", -7, -7}};
  for (const auto& c : cases) {
    edit.SetAsString(QString::fromUtf8(c.text));
    EXPECT_EQ(edit.AsInteger(), c.asInteger) << c.text;
    EXPECT_DOUBLE_EQ(edit.AsFloat(), c.asFloat) << c.text;
  }
}

TEST(EditorEdit, DisableEmptiesAndGreysEnableRestoresTheColour) {
  TwComponentEditorEdit edit;
  edit.SetAsString(QStringLiteral("9"));
  edit.DisableNoClear();
  EXPECT_EQ(edit.text(), QStringLiteral("9"));
  edit.Disable();
  EXPECT_FALSE(edit.isEnabled());
  EXPECT_TRUE(edit.text().isEmpty());
  EXPECT_EQ(edit.Color(), platform::clBtnFace);
  edit.Enable();
  EXPECT_EQ(edit.Color(), platform::clWindow);
}

struct UpDownFixture : EditFixture {
  TwUpDown* upDown = new TwUpDown(&form);
  UpDownFixture() { upDown->SetAssociate(edit); }
  void Press(bool up) { QTest::mousePress(upDown, Qt::LeftButton, {}, PointOn(up)); }
  QPoint PointOn(bool up) const {
    const platform::TRect r = up ? upDown->UpButtonRect() : upDown->DownButtonRect();
    return QPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
  }
};

TEST(UpDown, SitsAtTheEditsRightEdgeAndStepsWithinItsRange) {
  UpDownFixture f;
  EXPECT_EQ(f.upDown->geometry(), QRect(70, 10, 15, 21));
  f.upDown->SetMin(0);
  f.upDown->SetMax(0);
  f.edit->SetAsInteger(100);
  f.Press(true);
  QTest::mouseRelease(f.upDown, Qt::LeftButton, {}, f.PointOn(true));
  EXPECT_EQ(f.edit->AsInteger(), 101);  // unbounded

  f.upDown->SetMax(100);
  f.edit->SetAsInteger(100);
  f.updates = 0;
  f.form.userChanges = 0;
  f.Press(true);
  QTest::mouseRelease(f.upDown, Qt::LeftButton, {}, f.PointOn(true));
  EXPECT_EQ(f.edit->AsInteger(), 100);
  EXPECT_EQ(f.form.userChanges, 1);
  EXPECT_EQ(f.updates, 0);  // the text did not change

  f.upDown->SetAsInteger(300);  // the program's write: limited and silent
  EXPECT_EQ(f.edit->AsInteger(), 100);
  EXPECT_EQ(f.form.userChanges, 1);
}

TEST(UpDown, HeldButtonRepeatsAfter500ThenEvery50AndFollowsThePointer) {
  UpDownFixture f;
  f.edit->SetAsInteger(10);
  f.Press(true);  // 0 ms
  EXPECT_EQ(f.edit->AsInteger(), 11);
  EXPECT_TRUE(f.upDown->TimerActive());
  EXPECT_EQ(f.upDown->TimerInterval(), 500);
  f.upDown->TimerTick();  // 500 ms
  EXPECT_EQ(f.upDown->TimerInterval(), 50);
  f.upDown->TimerTick();  // 550 ms
  f.upDown->TimerTick();  // 600 ms
  EXPECT_EQ(f.edit->AsInteger(), 14);
  QMouseEvent move(QEvent::MouseMove, f.PointOn(false), f.upDown->mapToGlobal(f.PointOn(false)), Qt::NoButton,
                   Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(f.upDown, &move);
  f.upDown->TimerTick();
  EXPECT_EQ(f.edit->AsInteger(), 13);
  QTest::mouseRelease(f.upDown, Qt::LeftButton, {}, f.PointOn(false));
  EXPECT_FALSE(f.upDown->TimerActive());
}

// Each step is seen when it has happened, never before: the times can only
// read late, so the pauses hold as lower bounds on a busy machine.
TEST(UpDown, HeldButtonNeverRepeatsBeforeItsPauses) {
  UpDownFixture f;
  f.edit->SetAsInteger(0);
  QElapsedTimer clock;
  std::vector<qint64> steps;
  clock.start();
  f.Press(true);
  steps.push_back(0);
  ASSERT_TRUE(testsupport::WaitFor(
      [&] {
        while (int(steps.size()) < f.edit->AsInteger()) steps.push_back(clock.elapsed());
        return steps.size() >= 8;
      },
      60000));
  QTest::mouseRelease(f.upDown, Qt::LeftButton, {}, f.PointOn(true));
  qint64 due = 500;
  for (std::size_t k = 1; k < 8; ++k, due += 50) EXPECT_GE(steps[k], due) << "step " << k;
}

TEST(UpDown, DisablingEmptiesTheEditAndWithoutAssociateNothingChanges) {
  UpDownFixture f;
  f.edit->SetAsInteger(4);
  f.upDown->Disable();
  EXPECT_TRUE(f.edit->text().isEmpty());
  EXPECT_FALSE(f.edit->isEnabled());
  TwUpDown lone;
  lone.SetAsInteger(5);
  EXPECT_EQ(lone.AsInteger(), 0);
}

struct ListFixture {
  TwComponentEditorListBox list;
  int freed = 0;
  int values[4] = {0, 1, 2, 3};
  explicit ListFixture(int n) {
    list.resize(120, 200);
    for (int i = 0; i < n; ++i)
      list.AddObject(QStringLiteral("Item %1").arg(i), &values[i], [this](void*) { ++freed; });
  }
};

TEST(EditorListBox, DeletingKeepsASelectionWhileEntriesRemain) {
  ListFixture f(3);
  f.list.SelectLast();
  f.list.DeleteSelectedObject();
  EXPECT_EQ(f.list.Count(), 2);
  EXPECT_EQ(f.list.ItemIndex(), 1);
  EXPECT_EQ(f.freed, 1);
  f.list.SetItemIndex(0);
  f.list.DeleteSelectedObject();
  EXPECT_EQ(f.list.ItemIndex(), 0);
  EXPECT_EQ(f.list.Strings(0), QStringLiteral("Item 1"));

  ListFixture one(1);
  one.list.SelectLast();
  one.list.DeleteSelectedObject();
  EXPECT_EQ(one.list.Count(), 0);
  EXPECT_EQ(one.list.ItemIndex(), -1);
}

TEST(EditorListBox, OnlyTheUsersSelectionClicks) {
  ListFixture f(3);
  f.list.show();
  int clicks = 0;
  f.list.OnClick = [&](QObject*) { ++clicks; };
  f.list.SetItemIndex(1);
  f.list.DeleteSelectedObject();
  EXPECT_EQ(clicks, 0);
  const QRect row = f.list.visualItemRect(f.list.item(0));
  QTest::mouseClick(f.list.viewport(), Qt::LeftButton, {}, row.center());
  EXPECT_EQ(f.list.ItemIndex(), 0);
  EXPECT_EQ(clicks, 1);
}

TEST(EditorListBox, WithoutSelectionNothingIsDeleted) {
  ListFixture f(3);
  f.list.SetItemIndex(-1);
  f.list.DeleteSelectedObject();
  EXPECT_EQ(f.list.Count(), 3);
  EXPECT_EQ(f.freed, 0);
}

TEST(EditorListBox, DeleteObjectIndexKeepsTheObjectAndTheIndex) {
  ListFixture f(3);
  f.list.SetItemIndex(2);
  f.list.DeleteObjectIndex(&f.values[0]);
  EXPECT_EQ(f.freed, 0);
  EXPECT_EQ(f.list.Count(), 2);
  EXPECT_EQ(f.list.ItemIndex(), 1);  // 2 is no longer valid: the last
  f.list.DeleteObjectIndex(&f.values[3]);  // not in the list
  EXPECT_EQ(f.list.Count(), 2);
}

TEST(EditorListBox, DropBelowTheLastEntryMovesTheDraggedOneToTheEnd) {
  ListFixture f(3);
  int moves = 0;
  f.list.OnItemMove = [&](QObject*) { ++moves; };
  f.list.SetItemIndex(0);
  f.list.DropAt(f.list.ItemHeight() * 10);
  EXPECT_EQ(f.list.Strings(2), QStringLiteral("Item 0"));
  EXPECT_EQ(f.list.Objects(2), &f.values[0]);
  EXPECT_EQ(f.list.ItemIndex(), 2);
  f.list.DropAt(f.list.ItemHeight() * 2 + 1);  // onto itself
  EXPECT_EQ(moves, 1);
}

}  // namespace
