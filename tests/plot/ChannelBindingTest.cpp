// XY channel item binding: X and Y from two items of one group per channel.
#include <QCoreApplication>
#include <gtest/gtest.h>

#include <memory>

#include "controls/wOPCFake.h"
#include "controls/wOPCItem.h"
#include "controls/wOPCManager.h"
#include "plot/wXYPlot.h"

namespace {

void Deliver() { QCoreApplication::processEvents(); }

TEST(ChannelBinding, WithoutTheLibraryAChannelIsInsertedSilently) {
  TwOPCBinding::Uninstall();
  TwXYPlot plot;
  TwXYPlotChannel* ch = nullptr;
  ASSERT_NO_THROW(ch = plot.GetChannel(plot.AddChannel()));
  EXPECT_TRUE(ch->OPCAutoConnect());
  EXPECT_FALSE(ch->OPCActive());
  EXPECT_EQ(ch->OPCUpdateRate(), 500);
  EXPECT_EQ(ch->OPCItem(1)->PropertyName(), "Data");
}

class ChannelBindingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fake = std::make_shared<TwOPCFakeLibrary>();
    TwOPCBinding::Install(fake);
  }
  void TearDown() override { TwOPCBinding::Uninstall(); }
  std::shared_ptr<TwOPCFakeLibrary> fake;
};

TEST_F(ChannelBindingTest, EachChannelHasAGroupOfItsOwn) {
  TwXYPlot plot;  // channel 0 connects on insertion
  TwXYPlotChannel* a = plot.GetChannel(0);
  TwXYPlotChannel* b = plot.GetChannel(plot.AddChannel());
  ASSERT_EQ(fake->Groups().size(), 2u);
  const QString ga = fake->Groups().begin()->second.Name;
  const QString gb = std::next(fake->Groups().begin())->second.Name;
  EXPECT_NE(ga, gb);
  EXPECT_EQ(a->OPCItem(0)->GroupName(), a->OPCManager()->Group(0)->Name());
  EXPECT_EQ(a->OPCItem(1)->GroupName(), a->OPCManager()->Group(0)->Name());
  EXPECT_EQ(b->OPCItem(0)->GroupName(), b->OPCManager()->Group(0)->Name());
  EXPECT_NE(a->OPCItem(0)->GroupName(), b->OPCItem(0)->GroupName());
  // Activating again replaces the channel's group.
  a->OPCActivate();
  EXPECT_EQ(a->OPCManager()->GroupCount(), 1);
}

TEST_F(ChannelBindingTest, CompletedGroupUpdateAddsThePoint) {
  TwXYPlot plot;
  TwXYPlotChannel* ch = plot.GetChannel(0);
  ch->SetOPCItemName("X");
  ch->SetOPCItem2Name("Y");
  ch->OPCActivate();
  EXPECT_TRUE(ch->OPCActive());
  fake->PushData(fake->HandleOf("X"), QVariant(5), 0xC0);
  fake->PushData(fake->HandleOf("Y"), QVariant(7), 0xC0);
  Deliver();
  EXPECT_EQ(ch->Count(), 0) << "points come with the group update";
  fake->EndGroupUpdate(ch->OPCManager()->Group(0)->DLLGroupHandle());
  Deliver();
  ASSERT_EQ(ch->Count(), 1);
  EXPECT_EQ(ch->GetDataX(0), 5);
  EXPECT_EQ(ch->GetDataY(0), 7);
  EXPECT_TRUE(ch->OPCQualityGood());

  ch->OPCDeactivate();
  EXPECT_FALSE(ch->OPCActive());
}

}  // namespace
