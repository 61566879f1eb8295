// Item binding of the instrument controls: without the binding library (the
// normal case) and with the fake library.
#include "controls/wException.h"
#include "controls/wKnob.h"
#include "controls/wOPCFake.h"
#include "controls/wOPCManager.h"
#include "controls/wSwitchLed.h"

#include <QCoreApplication>
#include <QTreeWidget>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include <functional>

namespace {

std::string Raised(const std::function<void()>& f) {
  try {
    f();
  } catch (const TwException& e) {
    return e.what();
  }
  return "nothing raised";
}

void Deliver() { QCoreApplication::processEvents(); }

// Binds item Index of the control to PropertyName at "Server" / ItemName.
int Bind(TwWinComponent& c, const QString& PropertyName, const QString& ItemName) {
  const int i = c.OPCAddItem();
  c.SetOPCItemPropertyName(i, PropertyName);
  c.SetOPCItemServerName(i, "Server");
  c.SetOPCItemItemName(i, ItemName);
  c.OPCItemActivate(i);
  return i;
}

// The fake library, installed for one test.
class BindingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fake = std::make_shared<TwOPCFakeLibrary>();
    TwOPCBinding::Install(fake);
  }
  void TearDown() override { TwOPCBinding::Uninstall(); }
  std::vector<QString> SentTexts() const {
    std::vector<QString> out;
    for (const auto& s : fake->SentData()) {
      QString item;
      for (const auto& [h, sig] : fake->Signals())
        if (h == s.Handle) item = sig.ItemName;
      out.push_back(item + "=" + s.Value.toString());
    }
    return out;
  }
  std::shared_ptr<TwOPCFakeLibrary> fake;
};

}  // namespace

TEST(ItemBindingMissing, NothingBindsAndNothingRaises) {
  ASSERT_TRUE(OPCLibraryMissing());
  TwKnob knob;
  const int i = Bind(knob, "Position", "Tag1");
  EXPECT_EQ(knob.OPCItemCount(), 1);
  EXPECT_EQ(knob.OPCItemManager().GetItem(i)->SignalHandle(), 0);
  EXPECT_FALSE(knob.OPCItemManager().GetItem(i)->Active());
  knob.SetOPCItemData(i, 5);
  knob.OPCItemLoaded(i);
  knob.OPCItemUpdateSuspend(i);
  knob.OPCItemDeactivate(i);
  quint16 quality = 7;
  EXPECT_FALSE(knob.OPCItemManager().GetItem(i)->GetDataNow(quality).isValid());

  knob.SetPosition(30);
  EXPECT_EQ(knob.Position(), 30);
  EXPECT_FALSE(knob.OPCOutputData("Position", 30.0));
  TwSwitchLed sw;
  QTest::mouseClick(&sw, Qt::LeftButton, {}, QPoint(20, 14));
  EXPECT_TRUE(sw.Active());
  EXPECT_EQ(sw.OPCSpecialList(), QStringList{"{MouseDown}"});
  EXPECT_TRUE(knob.OPCSpecialList().isEmpty());

  TwOPCManager manager;
  EXPECT_FALSE(manager.FirstInstance());
  EXPECT_EQ(manager.GroupAdd("G", "Local", "Server", 100), 0);
  EXPECT_EQ(manager.Group(0)->DLLGroupHandle(), 0);
  const std::string notFound = "Tavrin OPC DLL Not Found.";
  EXPECT_EQ(Raised([&] { manager.ExplorerShow(); }), notFound);
  EXPECT_EQ(TwOPCManager::Explorer(), nullptr);  // no half-built window
  EXPECT_EQ(Raised([] { TwOPCBinding::SignalRemove(1); }), notFound);
  EXPECT_EQ(Raised([] { TwOPCBinding::ServerConnectionGetCount(); }), notFound);
  EXPECT_EQ(Raised([] { EnsureOPCLibrary(); }), notFound);
  EXPECT_EQ(TwOPCBinding::GetLastCallErrorString(), "");
}

TEST_F(BindingTest, IncomingValueIsScaledAndNotEchoed) {
  TwKnob knob;
  const int i = Bind(knob, "Position", "Level");
  TwOPCItem* item = knob.OPCItemManager().GetItem(i);
  item->SetScalar(2);
  item->SetOffset(1);
  const int handle = fake->HandleOf("Level");
  ASSERT_NE(handle, 0);
  EXPECT_EQ(item->SignalHandle(), handle);
  EXPECT_EQ(fake->Signals().at(handle).DataType, 0);
  EXPECT_EQ(fake->Signals().at(handle).ComputerName, "Local");

  std::vector<int> events;
  knob.OnBeforeNewOPCData = [&](QObject*, int Index, QVariant&) { events.push_back(Index); };
  knob.OnNewOPCData = [&](QObject*, int Index) { events.push_back(100 + Index); };
  fake->PushData(handle, QVariant(int(5)), 0xC0);
  EXPECT_EQ(knob.Position(), 0);  // queued to the event loop
  Deliver();
  EXPECT_EQ(knob.Position(), 11);
  EXPECT_EQ(item->Data(), QVariant(int(11)));  // its type kept
  EXPECT_TRUE(fake->SentData().empty());
  EXPECT_EQ(events, (std::vector<int>{0, 100}));

  // A value that changes nothing sends nothing, and the next change of the
  // program's own is sent.
  fake->PushData(handle, QVariant(int(5)), 0xC0);
  Deliver();
  knob.SetPosition(20);
  EXPECT_EQ(SentTexts(), std::vector<QString>{"Level=20"});

  // Scaling by type: floats stay floats, texts are left alone.
  fake->PushData(handle, QVariant(2.25), 0xC0);
  Deliver();
  EXPECT_EQ(knob.Position(), 5.5);
  item->SetScalar(0.5);
  item->SetOffset(0);
  fake->PushData(handle, QVariant(int(5)), 0xC0);  // 2.5 rounds half to even
  Deliver();
  EXPECT_EQ(knob.Position(), 2);
}

TEST_F(BindingTest, BadQualityIsNotAppliedAndShowsTheError) {
  TwKnob knob;
  const int i = Bind(knob, "Position", "Level");
  TwOPCItem* item = knob.OPCItemManager().GetItem(i);
  item->SetAutoError(true);
  EXPECT_TRUE(knob.ErrorActive());  // active, and no good value yet
  fake->PushData(fake->HandleOf("Level"), QVariant(int(40)), 0xC0);
  Deliver();
  EXPECT_FALSE(knob.ErrorActive());
  knob.SetPosition(0);
  fake->PushData(fake->HandleOf("Level"), QVariant(int(40)), 0);
  Deliver();
  EXPECT_EQ(knob.Position(), 0);
  EXPECT_TRUE(knob.ErrorActive());
  fake->PushData(fake->HandleOf("Level"), QVariant(int(40)), 0xC0);
  Deliver();
  EXPECT_EQ(knob.Position(), 40);
  EXPECT_FALSE(knob.ErrorActive());
}

TEST_F(BindingTest, UserChangesAreSentOnce) {
  TwKnob knob;
  knob.resize(40, 40);
  knob.SetKeyArrowStepSize(0.5);
  Bind(knob, "position", "Level");  // names match ignoring case
  QTest::keyPress(&knob, Qt::Key_Up);
  EXPECT_TRUE(fake->SentData().empty());
  QTest::keyRelease(&knob, Qt::Key_Up);
  EXPECT_EQ(SentTexts(), std::vector<QString>{"Level=0.5"});

  TwSwitchLed sw;
  Bind(sw, "{MouseDown}", "Pressed");
  Bind(sw, "Active", "Running");
  fake->ClearSentData();
  QTest::mouseClick(&sw, Qt::LeftButton, {}, QPoint(20, 14));
  EXPECT_EQ(SentTexts(), (std::vector<QString>{"Pressed=true", "Pressed=false", "Running=true"}));
}

TEST_F(BindingTest, ItemSettingsAndLibraryErrors) {
  TwSwitchLed sw;
  const int i = Bind(sw, "Caption", "Text");
  TwOPCItem* item = sw.OPCItemManager().GetItem(i);
  const int first = item->SignalHandle();
  EXPECT_EQ(fake->Signals().at(first).DataType, 8);  // a string property
  sw.SetOPCItemUpdateRate(i, 250);  // an active item binds again
  EXPECT_NE(item->SignalHandle(), first);
  EXPECT_EQ(fake->Signals().count(first), 0u);
  EXPECT_EQ(fake->Signals().at(item->SignalHandle()).UpdateRate, 250);
  item->UpdateSuspend();
  EXPECT_TRUE(item->UpdateSuspended());
  item->UpdateResume();
  EXPECT_FALSE(item->UpdateSuspended());
  fake->PushData(item->SignalHandle(), "Go#13", 0xC0);
  Deliver();
  EXPECT_EQ(sw.Caption(), "Go#13");  // set as it is

  const int incomplete = sw.OPCAddItem();
  sw.SetOPCItemPropertyName(incomplete, "Active");
  sw.OPCItemActivate(incomplete);  // no server, group or item name
  EXPECT_EQ(sw.OPCItemManager().GetItem(incomplete)->SignalHandle(), 0);

  sw.OPCDeleteItem(i);
  EXPECT_EQ(fake->Signals().size(), 0u);
  EXPECT_EQ(Raised([&] { sw.OPCDeleteItem(5); }), "List index out of bounds (5)");

  fake->SetLastError("Server not reachable");
  EXPECT_EQ(Raised([] { TwOPCBinding::CloseAllServerConnections(); }), "Server not reachable");
  fake->RemoveExport("SignalAdd");
  TwKnob knob;
  EXPECT_EQ(Raised([&] { Bind(knob, "Position", "Level"); }),
            "Function \"SignalAdd\" not found in \"vAZI2.dll\".");
}

TEST_F(BindingTest, GroupManagerAndExplorer) {
  std::vector<QString> updates;
  {
    TwOPCManager manager;
    TwOPCManager second;
    EXPECT_TRUE(manager.FirstInstance());
    EXPECT_FALSE(second.FirstInstance());
    manager.OnBeforeGroupUpdate = [&](QObject*, const QString& g) { updates.push_back("before " + g); };
    manager.OnAfterGroupUpdate = [&](QObject*, const QString& g) { updates.push_back("after " + g); };
    EXPECT_EQ(manager.GroupAdd("Fast", "Local", "Server", 100), 0);
    EXPECT_EQ(manager.GroupAdd("Slow", "Local", "Server", 1000), 1);
    EXPECT_EQ(manager.GetGroupIndex("slow"), 1);
    EXPECT_EQ(manager.GetGroupIndex("none"), -1);
    const int slow = manager.Group(1)->DLLGroupHandle();
    manager.Group(1)->SetUpdateRate(2000);
    EXPECT_EQ(fake->Groups().at(slow).UpdateRate, 2000);
    manager.Group(1)->Suspend();
    EXPECT_TRUE(fake->Groups().at(slow).Suspended);
    fake->BeginGroupUpdate(slow);
    fake->EndGroupUpdate(slow);
    Deliver();
    manager.BeforeGroupUpdate(999);
    manager.GroupDelete(0);
    EXPECT_EQ(fake->Groups().size(), 1u);

    fake->SetServerConnections({"Local\\Server.1", "Remote\\Server.2"});
    manager.ExplorerShow();
    TwOPCExplorerForm* explorer = TwOPCManager::Explorer();
    ASSERT_NE(explorer, nullptr);
    EXPECT_EQ(explorer->windowTitle(), "Tavrin OPC Explorer");
    QTreeWidget* tree = explorer->Tree();
    ASSERT_EQ(tree->topLevelItemCount(), 2);
    EXPECT_EQ(tree->topLevelItem(0)->text(0), "Servers Connections");
    EXPECT_EQ(tree->topLevelItem(1)->text(0), "Groups");
    ASSERT_EQ(tree->topLevelItem(0)->childCount(), 2);
    EXPECT_EQ(tree->topLevelItem(0)->child(1)->text(0), "Remote\\Server.2");
    manager.ExplorerShow();
    EXPECT_EQ(TwOPCManager::Explorer(), explorer);  // made once
    explorer->close();
    delete explorer;
  }
  EXPECT_EQ(updates, (std::vector<QString>{"before Slow", "after Slow", "before "}));
  EXPECT_EQ(fake->Groups().size(), 0u);
  EXPECT_EQ(fake->ManagersDestroyed(), 1);
}
