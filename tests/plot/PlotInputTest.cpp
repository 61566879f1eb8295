// Plot input: which object takes the mouse, selection, the relays of the
// published events, the axis repetition and the hover hint on test time.
#include <gtest/gtest.h>

#include "PlotInputFixture.h"

namespace {

using Calls = std::vector<std::string>;

const QRect kBox(60, 60, 100, 80);  // where the overlapping fakes lie
const QPoint kIn(80, 80);           // inside kBox
const QPoint kOut(300, 200);        // on the data view only

TEST(PlotInput, PressGoesToTheSelectedThenTheFirstRegisteredObject) {
  InputPlot p;
  auto* axis = p.Add<Fake<TwPlotXAxis>>(kBox);
  auto* channel = p.Add<Fake<TwXYPlotChannel>>(kBox);
  TwPlotMouseData d;
  d.X = kIn.x();
  d.Y = kIn.y();
  EXPECT_EQ(p.GetObjectUnderMouse(d), axis);
  d.X = kOut.x();
  d.Y = kOut.y();
  EXPECT_EQ(p.GetObjectUnderMouse(d), p.GetDataView(0));

  channel->SetUserSelected(true);
  p.Click(kIn);
  EXPECT_EQ(channel->calls, (Calls{"left", "up"}));
  EXPECT_TRUE(axis->calls.empty());
  EXPECT_FALSE(axis->UserSelected());

  channel->SetUserSelected(false);
  channel->calls.clear();
  p.Click(kIn);
  EXPECT_EQ(axis->calls, (Calls{"left", "up"}));
  EXPECT_TRUE(axis->UserSelected());
  EXPECT_TRUE(channel->calls.empty());
}

TEST(PlotInput, RightPressClearsSelectionsThenSelectsWhatMayTakeTheFocus) {
  InputPlot p;
  auto* axis = p.Add<Fake<TwPlotXAxis>>(QRect(200, 60, 50, 50));
  auto* channel = p.Add<Fake<TwXYPlotChannel>>(kBox);
  int popups = 0;
  p.OnPopupMenuChannel = [&](int, bool& Cancel, int, int) {
    ++popups;
    Cancel = true;
  };
  axis->SetUserSelected(true);
  p.Click(kIn, Qt::RightButton);
  EXPECT_FALSE(axis->UserSelected());
  EXPECT_TRUE(channel->UserSelected());
  EXPECT_EQ(channel->calls, (Calls{"right", "up"}));  // to the target alone
  EXPECT_EQ(popups, 1);

  p.Click(kOut, Qt::RightButton);  // the data view may not take the focus
  EXPECT_FALSE(channel->UserSelected());
  EXPECT_FALSE(p.GetDataView(0)->UserSelected());
}

TEST(PlotInput, CtrlPressTogglesAnAxisAndMutesMovesUntilRelease) {
  InputPlot p;
  auto* axis = p.Add<Fake<TwPlotXAxis>>(kBox);
  auto* channel = p.Add<Fake<TwXYPlotChannel>>(QRect(200, 60, 50, 50));
  int moves = 0;
  p.OnMouseMoveXAxis = [&](int, Qt::KeyboardModifiers, int, int) { ++moves; };

  axis->SetUserSelected(true);
  p.Press(kIn, Qt::LeftButton, Qt::ControlModifier);
  EXPECT_FALSE(axis->UserSelected());
  p.Move(kIn + QPoint(5, 0));
  EXPECT_EQ(moves, 0);
  p.Release(kIn);
  p.Move(kIn + QPoint(6, 0));
  EXPECT_EQ(moves, 1);

  p.Press(QPoint(210, 70), Qt::LeftButton, Qt::ControlModifier);
  EXPECT_TRUE(channel->UserSelected());
  p.Release(QPoint(210, 70));
}

TEST(PlotInput, ToolbarButtonTakesThePressAloneAndTheWheelIsAlwaysTaken) {
  InputPlot p;
  auto* toolbar = p.Add<FakeToolBar>(QRect(10, 10, 200, 30));
  toolbar->button.SetDrawRect({20, 15, 40, 35});
  int clicks = 0;
  toolbar->button.OnClick = [&](TwPersistent*) { ++clicks; };
  p.Click(QPoint(25, 20));
  EXPECT_EQ(clicks, 1);
  EXPECT_FALSE(toolbar->UserSelected());
  EXPECT_TRUE(toolbar->calls.empty());

  EXPECT_TRUE(p.Wheel(kOut));
}

TEST(PlotInput, ClickAndDoubleClickRelays) {
  InputPlot p;
  auto* channel = p.Add<Fake<TwXYPlotChannel>>(kBox);
  std::vector<std::pair<char, int>> events;
  p.OnClickChannel = [&](int i) { events.push_back({'c', i}); };
  p.OnDblClickChannel = [&](int i) { events.push_back({'d', i}); };
  const int index = p.GetChannelIndexByName(channel->Name());
  ASSERT_EQ(index, 1);
  p.Click(kIn);
  EXPECT_EQ(events, (std::vector<std::pair<char, int>>{{'c', 1}}));
  p.DoubleClick(kIn);
  EXPECT_EQ(events, (std::vector<std::pair<char, int>>{{'c', 1}, {'c', 1}, {'d', 1}}));
  p.Click(kIn);
  EXPECT_EQ(events.back(), (std::pair<char, int>{'c', 1}));
  EXPECT_EQ(events.size(), 4u);

  // An object in no manager reports -1.
  Fake<TwXYPlotChannel> loose(&p);
  p.DoClickEvent(&loose);
  EXPECT_EQ(events.back(), (std::pair<char, int>{'c', -1}));
}

TEST(PlotInput, WhileLoadingOnlyTheDataCursorChangeFires) {
  InputPlot p;
  auto* channel = p.Add<Fake<TwXYPlotChannel>>(kBox);
  int fired = 0, cursor = -2;
  p.OnClickChannel = [&](int) { ++fired; };
  p.OnMouseDownChannel = [&](int, Qt::MouseButton, Qt::KeyboardModifiers, int, int) { ++fired; };
  p.OnXAxisMinChange = [&](int, double, double) { ++fired; };
  p.OnClickDataPoint = [&](int, int) { ++fired; };
  p.OnDataCursorChange = [&](int i) { cursor = i; };
  p.SetLoading(true);
  p.Click(kIn);
  p.DoXAxisMinChangeEvent(p.GetXAxis(0), 0, 1);
  p.DoClickDataPointEvent(channel, 3);
  p.DoDataCursorChangeEvent(p.GetDataCursor(0));
  EXPECT_EQ(fired, 0);
  EXPECT_EQ(cursor, 0);
  p.SetLoading(false);
  p.Click(kIn);
  EXPECT_EQ(fired, 2);
}

TEST(PlotInput, WheelFiresForTimeSeriesChannelsOnly) {
  InputPlot p;
  auto* xy = p.Add<Fake<TwXYPlotChannel>>(kBox);
  auto* series = p.Add<Fake<TwPlotChannel>>(kBox);
  std::vector<int> wheels;
  p.OnMouseWheelChannel = [&](int i, int delta, Qt::KeyboardModifiers, int, int) {
    wheels.push_back(i);
    EXPECT_EQ(delta, 120);
  };
  xy->SetUserSelected(true);
  EXPECT_TRUE(p.Wheel(kIn));
  EXPECT_EQ(xy->calls, Calls{"wheel"});
  EXPECT_TRUE(wheels.empty());
  xy->SetUserSelected(false);
  series->SetUserSelected(true);
  p.Wheel(kIn);
  EXPECT_EQ(wheels, std::vector<int>{2});
}

TEST(PlotInput, AxisRepetitionReachesEachOtherAxisOnce) {
  InputPlot p;
  auto* x1 = p.Add<Fake<TwPlotXAxis>>(QRect());
  auto* x2 = p.Add<Fake<TwPlotXAxis>>(QRect());
  auto* y1 = p.Add<Fake<TwPlotYAxis>>(QRect());
  for (auto* a : {x1, x2}) a->repeat = true;
  y1->repeat = true;
  TwPlotMouseData d;
  for (int round = 1; round <= 2; ++round) {  // the block ends with each repetition
    p.RepeatAxisMouseLeft(p.GetXAxis(0), d);
    EXPECT_EQ(x1->calls.size(), size_t(round));
    EXPECT_EQ(x2->calls.size(), size_t(round));
  }
  EXPECT_TRUE(y1->calls.empty());
}

TEST(PlotInput, CustomizeLabelTakesTheTextSetByTheHandler) {
  InputPlot p;
  p.OnXAxisCustomizeLabel = [&](int Index, double Value, QString&) {
    EXPECT_EQ(Index, 0);
    EXPECT_EQ(Value, 10);
    p.SetCustomizeLabelText("x");
  };
  QString label = "10";
  p.DoCustomizeLabelEvent(p.GetXAxis(0), label, 10);
  EXPECT_EQ(label, "x");
  p.OnYAxisCustomizeLabel = [](int, double, QString& l) { l += " dB"; };
  label = "-20";
  p.DoCustomizeLabelEvent(p.GetYAxis(0), label, -20);
  EXPECT_EQ(label, "-20 dB");
}

TEST(PlotInput, RemovedObjectsAreForgottenByTheInputState) {
  InputPlot p;
  auto* toolbar = p.Add<FakeToolBar>(QRect(10, 10, 200, 30));
  toolbar->button.SetDrawRect({20, 15, 40, 35});
  toolbar->hint = [](int) { return QString("tip"); };
  p.Press(QPoint(25, 20));
  p.DeleteToolBar(p.ToolBarCount() - 1);
  p.Move(QPoint(26, 20), Qt::LeftButton);  // the pressed button is gone with its toolbar
  p.Release(QPoint(26, 20));
  SUCCEED();
}

TEST(PlotInput, FocusAndCursorRelays) {
  InputPlot p;
  auto* channel = p.Add<Fake<TwXYPlotChannel>>(kBox);
  auto* limit = p.Add<Fake<TwPlotLimit>>(QRect(200, 60, 50, 50));
  std::vector<std::string> events;
  p.OnGotFocusChannel = [&](int i) { events.push_back("got " + std::to_string(i)); };
  p.OnLostFocusChannel = [&](int i) { events.push_back("lost " + std::to_string(i)); };
  channel->SetUserSelected(true);
  channel->SetUserSelected(false);
  limit->SetUserSelected(true);  // limits have no focus events
  EXPECT_EQ(events, (Calls{"got 1", "lost 1"}));

  channel->cursor = crSizeNS;
  p.OnGetMouseCursorChannel = [](int, TCursor& c) { c = crHandPoint; };
  p.Move(kIn);
  EXPECT_EQ(p.cursor().shape(), Qt::PointingHandCursor);
  p.OnGetMouseCursorChannel = nullptr;
  p.Move(kIn + QPoint(1, 0));
  EXPECT_EQ(p.cursor().shape(), Qt::SizeVerCursor);
}

// ---- hints ----

QColor Pixel(TwPlotComponent& p, QPoint at) { return p.grab().toImage().pixelColor(at); }
const QColor kInfoBk = platform::ToQColor(platform::ColorToRGB(platform::clInfoBk));

TEST(PlotInput, HintShowsAfterThePauseAndGoesAfterTheHidePause) {
  InputPlot p;
  auto* axis = p.Add<Fake<TwPlotXAxis>>(kBox);
  axis->hint = [](int) { return QString("abc"); };
  const QPoint boxCorner = kIn + QPoint(9, 9);
  p.Move(kIn);
  p.Advance(499);
  EXPECT_FALSE(p.HintData().Visible);
  p.Advance(1);
  EXPECT_TRUE(p.HintData().Visible);
  EXPECT_EQ(p.HintData().Text, "abc");
  const QImage shown = p.grab().toImage();
  EXPECT_TRUE(p.HintShowing());
  EXPECT_EQ(shown.pixelColor(boxCorner), kInfoBk);
  int dark = 0;
  for (int y = kIn.y() + 8; y < kIn.y() + 24; ++y)
    for (int x = kIn.x() + 8; x < kIn.x() + 48; ++x) dark += shown.pixelColor(x, y).lightness() < 100;
  EXPECT_GT(dark, 5);  // the text
  p.Advance(2499);
  EXPECT_TRUE(p.HintData().Visible);
  p.Advance(1);
  EXPECT_FALSE(p.HintData().Visible);
  EXPECT_NE(Pixel(p, boxCorner), kInfoBk);
  EXPECT_FALSE(p.HintShowing());

  // Back on the same object, away from where it showed: nothing until the
  // mouse was over empty space.
  p.Move(kIn + QPoint(20, 0));
  p.Advance(600);
  EXPECT_FALSE(p.HintData().Visible);
  p.Move(kOut);
  p.Move(kIn);
  p.Advance(500);
  EXPECT_TRUE(p.HintData().Visible);

  // A press hides it at once.
  p.Press(kIn);
  EXPECT_FALSE(p.HintData().Visible);
  EXPECT_FALSE(p.TimerActive());
  p.Release(kIn);
}

TEST(PlotInput, ChannelHintFollowsTheMouseAlongTheChannel) {
  InputPlot p;
  auto* channel = p.Add<Fake<TwXYPlotChannel>>(kBox);
  channel->hint = [](int X) { return QString("x=%1").arg(X); };
  p.Move(kIn);
  p.Advance(500);
  ASSERT_TRUE(p.HintData().Visible);
  p.Advance(2000);
  p.Move(kIn + QPoint(10, 0));
  EXPECT_TRUE(p.HintData().Visible);
  EXPECT_EQ(p.HintData().Text, "x=90");
  EXPECT_EQ(p.HintData().Left, 98);
  p.Advance(2000);  // the hide pause started again
  EXPECT_TRUE(p.HintData().Visible);
  p.Leave();
  EXPECT_FALSE(p.HintData().Visible);
}

TEST(PlotInput, AnotherObjectEndsThePendingHint) {
  InputPlot p;
  auto* a = p.Add<Fake<TwPlotXAxis>>(QRect(60, 60, 50, 50));
  auto* b = p.Add<Fake<TwPlotXAxis>>(QRect(110, 60, 50, 50));
  a->hint = [](int) { return QString("a"); };
  b->hint = [](int) { return QString("b"); };
  p.Move(QPoint(70, 70));
  p.Advance(300);
  p.Move(QPoint(120, 70));  // another object: the pending hint is dropped
  p.Advance(300);
  EXPECT_FALSE(p.HintData().Visible);
  p.Move(QPoint(121, 70));  // arms b
  p.Advance(500);
  EXPECT_TRUE(p.HintData().Visible);
  EXPECT_EQ(p.HintData().Text, "b");
}

TEST(PlotInput, ArrowKeysAreKeptAndReachTheSelectedObjects) {
  InputPlot p;
  int popups = 0;
  p.OnPopupMenuChannel = [&](int, bool& Cancel, int, int) {
    ++popups;
    Cancel = true;
  };
  auto* channel = p.Add<Fake<TwXYPlotChannel>>(kBox);
  channel->SetUserSelected(true);
  QKeyEvent f10(QEvent::KeyPress, Qt::Key_F10, Qt::ShiftModifier);
  QApplication::sendEvent(&p, &f10);
  EXPECT_EQ(popups, 1);
  QKeyEvent left(QEvent::KeyPress, Qt::Key_Left, Qt::NoModifier);
  left.setAccepted(false);
  QApplication::sendEvent(&p, &left);
  EXPECT_TRUE(left.isAccepted());
  QKeyEvent override(QEvent::ShortcutOverride, Qt::Key_Down, Qt::NoModifier);
  override.setAccepted(false);
  QApplication::sendEvent(&p, &override);
  EXPECT_TRUE(override.isAccepted());
}

}  // namespace
