// Plot core: default objects and names, paint order and the plot's services,
// the layout pass, and the objects' input entry points.
#include <gtest/gtest.h>

#include <QPainter>

#include <stdexcept>

#include "plot/wPlotLayoutManager.h"
#include "plot/wXYPlot.h"

namespace {

using platform::TRect;

std::string ErrorOf(const std::function<void()>& f) {
  try {
    f();
  } catch (const std::exception& e) {
    return e.what();
  }
  return "no error";
}

TEST(PlotCore, NewXYPlotHoldsItsDefaultObjectsNamedAndLinked) {
  TwXYPlot plot;
  EXPECT_EQ(plot.GetToolBar(0)->Name(), "Toolbar 1");
  EXPECT_EQ(plot.GetToolBar(0)->ZOrder(), 3);
  EXPECT_EQ(plot.GetLegend(0)->Name(), "Legend 1");
  EXPECT_EQ(plot.GetLegend(0)->ZOrder(), 2);
  EXPECT_EQ(plot.XAxis()->Name(), "X-Axis 1");
  EXPECT_EQ(plot.XAxis()->Title(), "X-Axis 1");
  EXPECT_EQ(plot.YAxis()->Name(), "Y-Axis 1");
  EXPECT_EQ(plot.YAxis()->Title(), "Y-Axis 1");
  TwXYPlotChannel* channel = plot.GetChannel(0);
  EXPECT_EQ(channel->Name(), "Channel 1");
  EXPECT_EQ(channel->Color(), platform::TColor(255));
  EXPECT_EQ(channel->XAxisName(), "X-Axis 1");
  EXPECT_EQ(channel->YAxisName(), "Y-Axis 1");
  EXPECT_EQ(plot.GetDataView(0)->Name(), "Data View 1");
  EXPECT_EQ(plot.GetDataView(0)->GridXAxisName(), "X-Axis 1");
  EXPECT_EQ(plot.GetDataView(0)->GridYAxisName(), "Y-Axis 1");
  EXPECT_EQ(plot.GetDataCursor(0)->Name(), "Cursor 1");
  EXPECT_EQ(plot.GetDataCursor(0)->DataView(), plot.GetDataView(0));
  EXPECT_EQ(plot.GetDataCursor(0)->ChannelName(), "Channel 1");
  EXPECT_EQ(plot.GetLabel(0)->Name(), "Title");
  EXPECT_EQ(plot.GetLabel(0)->Caption(), "Untitled");
  EXPECT_EQ(plot.GetLabel(0)->ZOrder(), 2);
  EXPECT_EQ(ErrorOf([&] { plot.GetChannel(1); }), "List index out of bounds (1)");

  EXPECT_EQ(plot.AddXAxis(), 1);
  EXPECT_EQ(plot.GetXAxis(1)->Name(), "X-Axis 2");
  EXPECT_EQ(plot.GetXAxis(1)->Title(), "X-Axis 2");
  EXPECT_EQ(plot.GetXAxisByName("x-axis 2"), plot.GetXAxis(1));
  EXPECT_EQ(plot.GetXAxisIndexByName("X-Axis 9"), -1);
  EXPECT_EQ(plot.GetChannel(plot.AddChannel())->Color(), platform::clYellow);
  EXPECT_EQ(plot.GetChannel(plot.AddChannel())->Color(), platform::clBlue);
}

TEST(PlotCore, NextNameCountsOnlyNumericTailsOfThePrefix) {
  struct Case {
    std::vector<QString> names;
    QString next;
  } cases[] = {
      {{"Channel 1", "Channel 7", "Channels 3", "Channel-2"}, "Channel 8"},
      {{"channel 4", "Channel x"}, "Channel 5"},
      // The largest tail that fits plus one, without wrapping.
      {{"Channel 2147483647"}, "Channel 2147483648"},
      {{"Channel 99999999999", "Channel 3"}, "Channel 4"},
  };
  for (const Case& c : cases) {
    TwXYPlot plot;
    for (size_t i = 0; i < c.names.size(); ++i) {
      if (i > 0) plot.AddChannel();
      plot.GetChannel(int(i))->SetName(c.names[i]);
    }
    EXPECT_EQ(plot.GetChannel(plot.AddChannel())->Name(), c.next) << c.names.front().toStdString();
  }
}

TEST(PlotCore, ManagersAndObjectsRefuseMissingOwnerOrHooks) {
  TwXYPlot plot;
  const TwNotifyEvent hook = [](TwPersistent*) {};
  EXPECT_EQ(ErrorOf([&] { TwPlotToolBarManager m(nullptr, hook, hook, hook, hook); }), "Owner must be Assigned");
  EXPECT_EQ(ErrorOf([&] { TwPlotToolBarManager m(&plot, hook, hook, hook, nullptr); }),
            "AOnRename event handler can not be null");
  EXPECT_EQ(ErrorOf([&] { TwPlotLegend l(nullptr, hook, hook, hook, hook); }), "Owner must be assigned");
  EXPECT_EQ(ErrorOf([&] { TwPlotLegend l(&plot, hook, nullptr, hook, hook); }),
            "OnInsert event handler can not be null");
}

// A channel that records when it is drawn.
std::vector<QString>* gDrawLog = nullptr;
class RecordingChannel : public TwXYPlotChannel {
 public:
  using TwXYPlotChannel::TwXYPlotChannel;
  void Draw(platform::Canvas&, platform::TColor) override {
    if (gDrawLog) gDrawLog->push_back(Name());
  }
};

struct RecordingPlot {
  TwXYPlot plot;
  std::vector<QString> log;
  RecordingPlot() {
    gDrawLog = &log;
    plot.Master()->SetChannelClass([](TwPlotComponent* o, TwNotifyEvent c, TwNotifyEvent i, TwNotifyEvent r,
                                      TwNotifyEvent n) -> TwPlotChannelCustom* {
      return new RecordingChannel(o, c, i, r, n);
    });
    plot.RemoveAllChannels();
    // A channel is drawn when it holds a point.
    plot.GetChannelCustom(plot.AddChannel())->AddXY(50, 50);
    plot.GetChannelCustom(plot.AddChannel())->AddXY(50, 50);
  }
  ~RecordingPlot() { gDrawLog = nullptr; }
  std::vector<QString> Paint() {
    log.clear();
    plot.ReCalcLayout();
    return log;
  }
};

TEST(PlotCore, LayerOrderDrawsEqualLayersInReverseIndexOrder) {
  RecordingPlot r;
  EXPECT_EQ(r.Paint(), (std::vector<QString>{"Channel 2", "Channel 1"}));
  r.plot.GetChannelCustom(1)->SetLayer(101);
  EXPECT_EQ(r.Paint(), (std::vector<QString>{"Channel 1", "Channel 2"}));
  EXPECT_EQ(r.plot.GetChannelCustom(1)->GetLayerKey(), "000101");
  r.plot.GetChannelCustom(1)->SetLayer(-5);
  EXPECT_EQ(r.plot.GetChannelCustom(1)->GetLayerKey(), "0000-5");
}

TEST(PlotCore, PaintNeedsToolbarLegendAndDataView) {
  RecordingPlot r;
  r.plot.DeleteLegend(0);
  EXPECT_TRUE(r.Paint().empty());
  r.plot.AddLegend();
  EXPECT_EQ(r.Paint().size(), 2u);
}

TEST(PlotCore, LabelZeroIsTheTitleAndStays) {
  TwXYPlot plot;
  EXPECT_EQ(ErrorOf([&] { plot.DeleteLabel(0); }), "Label Index 0 can not be Deleted (Resevered for Title)");
  plot.AddLabel();
  plot.AddLabel();
  EXPECT_EQ(plot.GetLabel(1)->Caption(), "Label 1");
  plot.RemoveAllLabels();
  ASSERT_EQ(plot.LabelCount(), 1);
  EXPECT_EQ(plot.GetLabel(0)->Name(), "Title");
  plot.SetTitleText("Gate");
  EXPECT_EQ(plot.GetLabel(0)->Caption(), "Gate");
}

TEST(PlotCore, CollisionListTakesTheFirstRectangleAnywhereLaterOnesInside) {
  TwXYPlot plot;
  plot.ReCalcLayout();
  const TRect dv = plot.GetDataView(0)->DrawRect();
  const TRect outside{dv.Right + 5, dv.Top, dv.Right + 15, dv.Top + 10};
  EXPECT_TRUE(plot.TryAddCollisionRect(outside));
  EXPECT_FALSE(plot.TryAddCollisionRect(outside.Offset(20, 0)));
  EXPECT_TRUE(plot.TryAddCollisionRect({dv.Left + 1, dv.Top + 1, dv.Left + 10, dv.Top + 10}));
  EXPECT_FALSE(plot.TryAddCollisionRect({dv.Left + 5, dv.Top + 5, dv.Left + 12, dv.Top + 12}));
}

TEST(PlotCore, ImageListCentresSmallerScalesLargerRefusesMixed) {
  TwXYPlot plot;
  QImage first(24, 24, QImage::Format_ARGB32);
  first.fill(Qt::white);
  plot.ImageListAdd(0, first);
  QImage small(16, 16, QImage::Format_ARGB32);
  small.fill(Qt::red);
  small.setPixelColor(0, 15, Qt::blue);  // the transparent colour
  plot.ImageListAdd(0, small);
  const QImage stored = plot.ImageList(0)->Image(1);
  EXPECT_EQ(stored.size(), QSize(24, 24));
  EXPECT_EQ(stored.pixelColor(4, 4), QColor(Qt::red));
  EXPECT_EQ(stored.pixelColor(3, 3), QColor(Qt::blue));
  EXPECT_EQ(stored.pixelColor(19, 19), QColor(Qt::red));
  EXPECT_EQ(stored.pixelColor(20, 19), QColor(Qt::blue));
  QImage large(48, 48, QImage::Format_ARGB32);
  large.fill(Qt::green);
  plot.ImageListAdd(0, large);
  EXPECT_EQ(plot.ImageList(0)->Image(2).pixelColor(12, 12), QColor(Qt::green));
  EXPECT_EQ(ErrorOf([&] { plot.ImageListAdd(0, QImage(30, 10, QImage::Format_ARGB32)); }),
            "Image Width and Height must be the same as other images, or both smaller, or both larger");
  EXPECT_EQ(ErrorOf([&] { plot.ImageListClear(3); }), "ImageList Index must be 0-2");
}

// Axes with fixed needs for the layout pass.
template <class Base, int Width, int Overhang = 0>
class StubAxis : public Base {
 public:
  using Base::Base;
  int GetRequiredWidth(platform::Canvas&) override { return Width; }
  int GetEndsOverhang(platform::Canvas&) override { return Overhang; }
};

TEST(PlotCore, LayoutPassStacksAxesAroundTheDataView) {
  TwXYPlot plot;
  SetupFormPlot(&plot);
  plot.resize(500, 200);
  TwPlotMasterManager* m = plot.Master();
  plot.DeleteXAxis(0);
  plot.DeleteYAxis(0);
  (new StubAxis<TwPlotXAxis, 30>(&plot, m->ChangeHook(), m->InsertHook(), m->RemoveHook(), m->RenameHook()))
      ->DoInsert();
  (new StubAxis<TwPlotYAxis, 40>(&plot, m->ChangeHook(), m->InsertHook(), m->RemoveHook(), m->RenameHook()))
      ->DoInsert();
  EXPECT_EQ(plot.DataViewZHorz(), 1);
  plot.ReCalcLayout();
  const TRect dv = plot.GetDataView(0)->DrawRect();
  EXPECT_EQ((std::array{dv.Left, dv.Top, dv.Right, dv.Bottom}), (std::array{45, 5, 494, 164}));
  EXPECT_EQ(plot.GetXAxis(0)->Top(), 164);
  EXPECT_EQ(plot.GetXAxis(0)->Bottom(), 194);
  EXPECT_EQ(plot.GetXAxis(0)->Left(), 45);
  EXPECT_EQ(plot.GetXAxis(0)->Right(), 494);
  EXPECT_EQ(plot.GetYAxis(0)->Left(), 5);
  EXPECT_EQ(plot.GetYAxis(0)->Right(), 45);
  EXPECT_EQ(plot.GetYAxis(0)->Top(), 5);
  EXPECT_EQ(plot.GetYAxis(0)->Bottom(), 164);

  // A second X axis over the same range cannot share row 0: the rows above move up.
  plot.AddXAxis();
  EXPECT_EQ(plot.GetXAxis(1)->ZOrder(), 0);
  EXPECT_EQ(plot.GetXAxis(0)->ZOrder(), 1);
  EXPECT_EQ(plot.DataViewZHorz(), 2);
  EXPECT_EQ(plot.DataViewZVert(), 1);
}

// Two X axes share the bottom row: the row is as thick as one of them, the
// ends where they meet are stacked, and only the outer ends' overhangs
// (the first axis' start, the second's stop) widen the sides.
TEST(PlotCore, LayoutPassSharesARowAndReservesOnlyItsOuterEnds) {
  TwXYPlot plot;
  SetupFormPlot(&plot);
  plot.resize(500, 200);
  TwPlotMasterManager* m = plot.Master();
  plot.DeleteXAxis(0);
  plot.DeleteYAxis(0);
  auto* a = new StubAxis<TwPlotXAxis, 30, 20>(&plot, m->ChangeHook(), m->InsertHook(), m->RemoveHook(),
                                              m->RenameHook());
  a->DoInsert();
  a->SetStopPercent(50);
  auto* b = new StubAxis<TwPlotXAxis, 30, 30>(&plot, m->ChangeHook(), m->InsertHook(), m->RemoveHook(),
                                              m->RenameHook());
  b->SetStartPercent(50);
  b->DoInsert();
  (new StubAxis<TwPlotYAxis, 10>(&plot, m->ChangeHook(), m->InsertHook(), m->RemoveHook(), m->RenameHook()))
      ->DoInsert();
  ASSERT_EQ(a->ZOrder(), b->ZOrder());
  plot.ReCalcLayout();
  EXPECT_FALSE(a->StartStacked());
  EXPECT_TRUE(a->StopStacked());
  EXPECT_TRUE(b->StartStacked());
  EXPECT_FALSE(b->StopStacked());
  // Left: a's overhang 20 over the Y axis' 10; right: b's 30; bottom: one row.
  const TRect dv = plot.GetDataView(0)->DrawRect();
  EXPECT_EQ((std::array{dv.Left, dv.Right, dv.Bottom}), (std::array{25, 464, 164}));
  EXPECT_EQ((std::array{a->Top(), a->Bottom(), b->Top(), b->Bottom()}), (std::array{164, 194, 164, 194}));
}

// An axis that leaves a row of its own closes the gap: the rows beyond move
// back; one that shared its row moves nothing.
TEST(PlotCore, RemovingTheLastObjectOfARowClosesTheGap) {
  TwXYPlot plot;
  const int label = plot.GetLabel(0)->ZOrder();
  plot.AddXAxis();  // takes row 0; the rest move up one
  ASSERT_EQ(plot.GetXAxis(0)->ZOrder(), 1);
  ASSERT_EQ(plot.DataViewZHorz(), 2);
  plot.DeleteXAxis(1);
  EXPECT_EQ(plot.GetXAxis(0)->ZOrder(), 0);
  EXPECT_EQ(plot.DataViewZHorz(), 1);
  EXPECT_EQ(plot.GetLabel(0)->ZOrder(), label);

  plot.GetXAxis(plot.AddXAxis())->SetStartPercent(50);
  plot.GetXAxis(0)->SetStopPercent(50);
  plot.Master()->LayoutManager()->RemoveZOrder(plot.GetXAxis(1));
  plot.Master()->LayoutManager()->InsertZOrder(plot.GetXAxis(1), 0, iidMerge);
  ASSERT_EQ(plot.GetXAxis(1)->ZOrder(), 0);
  ASSERT_EQ(plot.DataViewZHorz(), 1);
  plot.DeleteXAxis(1);
  EXPECT_EQ(plot.GetXAxis(0)->ZOrder(), 0);
  EXPECT_EQ(plot.DataViewZHorz(), 1);
}

TEST(PlotCore, PercentsClampAndHitTestLeavesOutRightAndBottomEdges) {
  TwXYPlot plot;
  TwPlotLegend* legend = plot.GetLegend(0);
  legend->SetStartPercent(99.5);
  EXPECT_EQ(legend->StartPercent(), 99);
  EXPECT_EQ(legend->StopPercent(), 100);
  legend->SetStartPercent(0);
  legend->SetStopPercent(0.5);
  EXPECT_EQ(legend->StartPercent(), 0);
  EXPECT_EQ(legend->StopPercent(), 1);
  legend->SetDrawRect({10, 10, 20, 30});
  EXPECT_TRUE(legend->HitTest(19, 29));
  EXPECT_FALSE(legend->HitTest(20, 15));
  EXPECT_FALSE(legend->HitTest(15, 30));
}

class RecordingMenu : public TwPlotPopupMenu {
 public:
  int popups = 0;
  QStringList captions;
  void Popup(int, int) override {
    ++popups;
    captions.clear();
    for (int i = 0; i < Count(); ++i) captions << Item(i)->Caption();
  }
};

// A right click in the middle of an object's draw rectangle.
void RightClick(TwPlotLayoutObject* o, RecordingMenu& menu) {
  const int x = (o->Left() + o->Right()) / 2, y = (o->Top() + o->Bottom()) / 2;
  o->wMouseDown(Qt::RightButton, {}, x, y, x, y, &menu);
  o->wMouseUp(Qt::RightButton, {}, x, y, x, y, false, &menu);
}

TEST(PlotCore, PopupMenuFollowsEnabledPopupEnabledAndUserCanEdit) {
  TwXYPlot plot;
  plot.ReCalcLayout();
  RecordingMenu menu;
  TwPlotXAxis* axis = plot.XAxis();
  RightClick(axis, menu);
  EXPECT_EQ(menu.popups, 1);
  const QStringList axisItems{"Tracking Enabled", "Update Resume Values", "Zoom to Fit"};
  EXPECT_EQ(menu.captions, axisItems + QStringList{"Edit..."});

  axis->SetEnabled(false);
  RightClick(axis, menu);
  EXPECT_FALSE(axis->MouseDown());
  axis->SetEnabled(true);
  axis->SetPopupEnabled(false);
  RightClick(axis, menu);
  EXPECT_EQ(menu.popups, 1);
  axis->SetPopupEnabled(true);

  // A release outside the object opens nothing.
  axis->wMouseDown(Qt::RightButton, {}, axis->Left() + 1, axis->Top() + 1, 0, 0, &menu);
  axis->wMouseUp(Qt::RightButton, {}, axis->Left() - 1, axis->Top() + 1, 0, 0, false, &menu);
  EXPECT_EQ(menu.popups, 1);

  plot.SetUserCanEditObjects(false);
  RightClick(axis, menu);
  EXPECT_EQ(menu.popups, 2);
  EXPECT_EQ(menu.captions, axisItems);
  plot.AddYAxis();
  plot.ReCalcLayout();
  RightClick(plot.GetYAxis(1), menu);
  EXPECT_EQ(menu.popups, 3);
  EXPECT_EQ(menu.captions, axisItems);
}

TEST(PlotCore, ButtonRepeatsAfter500ThenEvery50AndClicksOnlyInside) {
  TwXYPlot plot;
  TwPlotButton button(&plot);
  button.SetDrawRect({0, 0, 10, 10});
  int clicks = 0, invalidates = 0;
  button.OnClick = [&](TwPersistent*) { ++clicks; };
  button.OnInvalidate = [&](TwPersistent*) { ++invalidates; };

  button.SetEnabled(false);
  button.wMouseDown(Qt::LeftButton, {}, 5, 5, 0, 0, nullptr);
  button.wMouseUp(Qt::LeftButton, {}, 5, 5, 0, 0, false, nullptr);
  EXPECT_EQ(clicks + invalidates, 0);
  button.SetEnabled(true);

  button.SetTimerEnabled(true);
  button.wMouseDown(Qt::LeftButton, {}, 5, 5, 0, 0, nullptr);
  EXPECT_TRUE(button.RepeatActive());
  EXPECT_EQ(button.RepeatInterval(), 500);
  button.ClickRepeat();
  EXPECT_EQ(button.RepeatInterval(), 50);
  button.ClickRepeat();
  EXPECT_EQ(button.RepeatInterval(), 50);
  EXPECT_EQ(clicks, 2);
  button.wMouseUp(Qt::LeftButton, {}, 10, 5, 0, 0, false, nullptr);
  EXPECT_EQ(clicks, 2);
  EXPECT_FALSE(button.RepeatActive());
  button.wMouseDown(Qt::LeftButton, {}, 5, 5, 0, 0, nullptr);
  button.wMouseUp(Qt::LeftButton, {}, 9, 9, 0, 0, false, nullptr);
  EXPECT_EQ(clicks, 3);
}

TEST(PlotCore, MasterSwitchesReachEveryObjectAndEventsCarryIndexes) {
  TwXYPlot plot;
  std::vector<std::pair<char, int>> events;
  plot.OnAddChannel = [&](int i) { events.push_back({'+', i}); };
  plot.OnRemoveChannel = [&](int i) { events.push_back({'-', i}); };
  plot.AddChannel();
  plot.DeleteChannel(0);
  EXPECT_EQ(events, (std::vector<std::pair<char, int>>{{'+', 1}, {'-', 0}}));
  EXPECT_EQ(plot.GetChannel(0)->Name(), "Channel 2");

  plot.SetXYAxesReverse(true);
  EXPECT_FALSE(plot.XAxis()->Horizontal());
  EXPECT_TRUE(plot.YAxis()->Horizontal());
  EXPECT_TRUE(plot.GetChannel(0)->XYAxesReversed());
  EXPECT_EQ(plot.XAxis()->ZOrder(), 0);
  EXPECT_EQ(plot.YAxis()->ZOrder(), 0);

  plot.XAxis()->SetUserSelected(true);
  plot.GetDataView(0)->SetUserSelected(true);
  plot.Master()->DeSelectAll();
  EXPECT_FALSE(plot.XAxis()->UserSelected() || plot.GetDataView(0)->UserSelected());

  plot.GetChannel(0)->AddXY(1, 2);
  plot.ClearAllData();
  EXPECT_EQ(plot.GetChannel(0)->Count(), 0);

  // The forms' annotation defaults reach a new annotation, which stays unnamed.
  SetupFormPlot(&plot);
  TwPlotAnnotation* note = plot.GetAnnotation(plot.AddAnnotation());
  EXPECT_EQ(note->Reference(), iprtChannel);
  EXPECT_EQ(note->ReferenceSizeY(), ipriChannel);
  EXPECT_EQ(note->Font().Color, platform::clWhite);
  EXPECT_TRUE(note->Name().isEmpty());

  // Renaming an axis keeps the objects that name it.
  plot.YAxis()->SetName("Level");
  EXPECT_EQ(plot.GetChannel(0)->YAxisName(), "Level");
  EXPECT_EQ(plot.GetDataView(0)->GridYAxisName(), "Level");
}

}  // namespace
