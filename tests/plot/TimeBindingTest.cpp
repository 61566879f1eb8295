// Time-series channel item binding: Y from item 0 with X by OPCXValueSource,
// or (X, Y) from two items of one group.
#include <QCoreApplication>
#include <gtest/gtest.h>

#include <memory>

#include "controls/wOPCFake.h"
#include "controls/wOPCItem.h"
#include "controls/wOPCManager.h"
#include "plot/wPlot.h"

namespace {

void Deliver() { QCoreApplication::processEvents(); }

TEST(TimeBinding, WithoutTheLibraryAChannelIsInsertedSilently) {
  TwOPCBinding::Uninstall();
  TwPlot plot;
  TwPlotChannel* ch = nullptr;
  ASSERT_NO_THROW(ch = plot.GetChannel(plot.AddChannel()));
  EXPECT_TRUE(ch->OPCAutoConnect());
  EXPECT_FALSE(ch->OPCActive());
  EXPECT_EQ(ch->OPCUpdateRate(), 500);
  EXPECT_EQ(ch->OPCXValueSource(), iopcxvsOPCServerTimeStamp);
}

class TimeBindingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    fake = std::make_shared<TwOPCFakeLibrary>();
    TwOPCBinding::Install(fake);
  }
  void TearDown() override { TwOPCBinding::Uninstall(); }
  std::shared_ptr<TwOPCFakeLibrary> fake;
};

TEST_F(TimeBindingTest, ServerTimeStampGivesX) {
  TwPlot plot;
  TwPlotChannel* ch = plot.GetChannel(0);
  ch->SetOPCServerName("Fake.Server");
  ch->SetOPCItemName("Level");
  ch->OPCActivate();
  ASSERT_TRUE(ch->OPCActive());
  // 31 December 1899, 12:00 local time: day 1.5.
  const QDateTime t(QDate(1899, 12, 31), QTime(12, 0));
  fake->PushData(fake->HandleOf("Level"), QVariant(3), 0xC0, t);
  Deliver();
  ASSERT_EQ(ch->Count(), 1);
  EXPECT_NEAR(ch->GetDataX(0), 1.5, 1e-9);
  EXPECT_EQ(ch->GetDataY(0), 3);
}

TEST_F(TimeBindingTest, ElapsedSecondsGivesX) {
  TwPlot plot;
  TwPlotChannel* ch = plot.GetChannel(0);
  ch->SetOPCServerName("Fake.Server");
  ch->SetOPCItemName("Level");
  ch->SetOPCXValueSource(iopcxvsElapsedSeconds);
  ch->SetElapsedStartTime(PlotNow() - 10.0 / 86400);
  ch->OPCActivate();
  fake->PushData(fake->HandleOf("Level"), QVariant(3), 0xC0);
  Deliver();
  ASSERT_EQ(ch->Count(), 1);
  EXPECT_NEAR(ch->GetDataX(0), 10, 1);
  EXPECT_EQ(ch->GetDataY(0), 3);
}

TEST_F(TimeBindingTest, ItemSourceAddsOnGroupUpdate) {
  TwPlot plot;
  TwPlotChannel* ch = plot.GetChannel(0);
  ch->SetOPCXValueSource(iopcxvsOPCItem);
  ch->SetOPCServerName("Fake.Server");
  ch->SetOPCItemName("X");
  ch->SetOPCItem2Name("Y");
  ch->OPCActivate();
  ASSERT_EQ(ch->OPCManager()->GroupCount(), 1);
  EXPECT_EQ(ch->OPCItem(1)->GroupName(), ch->OPCItem(0)->GroupName());
  fake->PushData(fake->HandleOf("X"), QVariant(5), 0xC0);
  fake->PushData(fake->HandleOf("Y"), QVariant(7), 0xC0);
  Deliver();
  EXPECT_EQ(ch->Count(), 0) << "points come with the group update";
  fake->EndGroupUpdate(ch->OPCManager()->Group(0)->DLLGroupHandle());
  Deliver();
  ASSERT_EQ(ch->Count(), 1);
  EXPECT_EQ(ch->GetDataX(0), 5);
  EXPECT_EQ(ch->GetDataY(0), 7);
}

}  // namespace
