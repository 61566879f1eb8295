// The data cursor: styles and setters, drawing and the hint's placement,
// the mouse, the popup menu and the notifications.
#include <gtest/gtest.h>

#include <QMenu>

#include <cmath>

#include "CursorFixture.h"

namespace {

TEST(DataCursor, StylesSetThePointersOnXYAndTimeSeriesPlots) {
  CursorPlot p;
  TwPlotDataCursor* c = p.cursor;
  struct Row {
    TwPlotDataCursorStyle style;
    bool show1, show2;
    TwOrientation o1, o2, hint;
  };
  const auto V = ioVertical, H = ioHorizontal;
  const Row xy[] = {{ipcsValueXY, true, true, V, H, V},        {ipcsValueX, true, false, V, H, V},
                    {ipcsValueY, false, true, V, H, H},        {ipcsDeltaX, true, true, V, V, V},
                    {ipcsInverseDeltaX, true, true, V, V, V},  {ipcsDeltaY, true, true, H, H, H}};
  for (const Row& r : xy) {
    SCOPED_TRACE(int(r.style));
    c->SetStyle(r.style);
    EXPECT_EQ(c->Pointer1Show(), r.show1);
    EXPECT_EQ(c->Pointer2Show(), r.show2);
    if (r.show1) EXPECT_EQ(c->Pointer1Orientation(), r.o1);
    if (r.show2) EXPECT_EQ(c->Pointer2Orientation(), r.o2);
    EXPECT_EQ(c->HintOrientation(), r.hint);
  }
  // Reversed axes turn the pointers and the hint.
  c->SetStyle(ipcsValueXY);
  p.SetXYAxesReverse(true);
  EXPECT_EQ(c->Pointer1Orientation(), ioHorizontal);
  EXPECT_EQ(c->Pointer2Orientation(), ioVertical);
  EXPECT_EQ(c->HintOrientation(), ioHorizontal);

  SeriesPlot s;
  ASSERT_EQ(s.cursor->Style(), ipcsValueXY);
  EXPECT_TRUE(s.cursor->Pointer1Show());
  EXPECT_FALSE(s.cursor->Pointer2Show());
  EXPECT_EQ(s.cursor->Pointer1Orientation(), ioVertical);
  s.cursor->SetStyle(ipcsValueY);
  EXPECT_TRUE(s.cursor->Pointer1Show());
  EXPECT_FALSE(s.cursor->Pointer2Show());
}

TEST(DataCursor, NewCursorAndTheFormsSettings) {
  CursorPlot p;
  TwPlotDataCursor* c = p.cursor;
  EXPECT_EQ(c->Name(), "Cursor 1");
  EXPECT_EQ(c->ChannelName(), "Channel 1");
  EXPECT_EQ(c->Style(), ipcsValueXY);
  EXPECT_EQ(c->Pointer1Position(), 50.0);
  EXPECT_EQ(c->Pointer2Position(), 60.0);
  EXPECT_EQ(c->HintPosition(), 50.0);
  EXPECT_EQ(c->Color(), platform::clYellow);
  EXPECT_EQ(c->Font().Height, -11);
  EXPECT_EQ(c->Font().Name, "MS Sans Serif");
  TwXYPlot fresh;
  EXPECT_FALSE(fresh.GetDataCursor(0)->Visible());
  EXPECT_TRUE(fresh.GetDataCursor(0)->Enabled());
}

TEST(DataCursor, PointerSettersClampHintPositionIsStoredAsGiven) {
  CursorPlot p;
  TwPlotDataCursor* c = p.cursor;
  int changes = 0;
  c->OnChange = [&](TwPersistent*) { ++changes; };
  const struct {
    double in, stored;
  } rows[] = {{150, 100}, {-3, 0}, {std::nan(""), 0}, {42.5, 42.5}};
  for (const auto& r : rows) {
    c->SetPointer1Position(r.in);
    EXPECT_EQ(c->Pointer1Position(), r.stored) << r.in;
    c->SetPointer2Position(r.in);
    EXPECT_EQ(c->Pointer2Position(), r.stored) << r.in;
  }
  changes = 0;
  c->SetPointer1Position(42.5);
  EXPECT_EQ(changes, 0);

  c->SetHintPosition(150);
  EXPECT_EQ(c->HintPosition(), 150);
  p.Shot();
  ASSERT_TRUE(c->HintShowing());
  // A vertical hint at 150 % is pushed down to the data view's top.
  EXPECT_EQ(c->HintRect().Top, p.View()->Top());
  EXPECT_GT(c->HintRect().Bottom, c->HintRect().Top);
}

TEST(DataCursor, PointersAreDrawnWithFiveGrabPixelsEachSide) {
  CursorPlot p;
  TwPlotDataCursor* c = p.cursor;
  c->SetUseChannelColor(false);
  c->SetHintShow(false);
  const QImage img = p.Shot();
  const int x = p.PX(50), y = p.PY(60);
  EXPECT_EQ(c->Pointer1Rect().Left, x - 5);
  EXPECT_EQ(c->Pointer1Rect().Right, x + 6);
  EXPECT_EQ(c->Pointer1Rect().Top, p.View()->Top());
  EXPECT_EQ(c->Pointer2Rect().Top, y - 5);
  EXPECT_EQ(c->Pointer2Rect().Left, p.View()->Left());
  const QColor yellow(255, 255, 0);
  EXPECT_EQ(img.pixelColor(x, p.PY(20)), yellow);
  EXPECT_EQ(img.pixelColor(p.PX(20), y), yellow);
  EXPECT_FALSE(c->HintShowing());
}

TEST(DataCursor, VerticalHintTurnsAtTheRightEdgeAndStaysTurned) {
  CursorPlot p;
  TwPlotDataCursor* c = p.cursor;
  c->SetStyle(ipcsValueX);
  p.Shot();
  EXPECT_EQ(c->HintOrientationSide(), iosBottomRight);
  EXPECT_EQ(c->HintRect().Left, p.PX(50) + 5);
  c->SetPointer1Position(99);
  p.Shot();
  EXPECT_EQ(c->HintOrientationSide(), iosTopLeft);
  EXPECT_EQ(c->HintRect().Right, p.PX(99) - 5);
  c->SetPointer1Position(50);
  p.Shot();
  EXPECT_EQ(c->HintOrientationSide(), iosTopLeft);
  EXPECT_EQ(c->HintRect().Right, p.PX(50) - 5);
}

TEST(DataCursor, HintWiderThanTheDataViewEndsFlushWithItsRightEdge) {
  CursorPlot p;
  p.OnDataCursorCustomizeHint = [](int, QString& Text) { Text = QString(80, QLatin1Char('W')); };
  p.Shot();
  EXPECT_GT(p.cursor->HintRect().Right - p.cursor->HintRect().Left, p.View()->Width());
  EXPECT_EQ(p.cursor->HintRect().Right, p.View()->Right());
}

TEST(DataCursor, TwoPointerHintIsCentredBetweenTheLinesWithADottedConnector) {
  CursorPlot p;
  TwPlotDataCursor* c = p.cursor;
  c->SetStyle(ipcsDeltaX);
  c->SetUseChannelColor(false);
  c->SetPointer1Position(10);
  c->SetPointer2Position(90);
  c->SetHintOrientationSide(iosTopLeft);
  const QImage img = p.Shot();
  const platform::TRect h = c->HintRect();
  const int mid = (p.PX(10) + p.PX(90)) / 2;
  EXPECT_LE(std::abs((h.Left + h.Right) / 2 - mid), 1);
  const int row = (h.Top + h.Bottom) / 2;
  int lit = 0, dark = 0;
  for (int x = p.PX(10) + 2; x < h.Left - 1; ++x) (img.pixelColor(x, row) == QColor(255, 255, 0) ? lit : dark)++;
  EXPECT_GT(lit, 3);
  EXPECT_GT(dark, 3);  // dotted, not solid
}

TEST(DataCursor, DraggingPointerOneMovesItAndTheHintFollows) {
  CursorPlot p;
  TwPlotDataCursor* c = p.cursor;
  p.Shot();
  const int y = p.PY(30);
  p.Press(QPoint(p.PX(50) + 2, y));  // two pixels beside the line
  p.Move(QPoint(p.PX(75) + 2, y), Qt::LeftButton);
  p.Release(QPoint(p.PX(75) + 2, y));
  EXPECT_NEAR(c->Pointer1Position(), 75, 0.5);
  p.Shot();
  // The hint stands beside the moved line, on whichever side has room.
  const platform::TRect h = c->HintRect();
  const int x = (c->Pointer1Rect().Left + c->Pointer1Rect().Right) / 2;
  EXPECT_TRUE(h.Left == x + 5 || h.Right == x - 5) << h.Left << " " << h.Right << " " << x;
}

TEST(DataCursor, ClickWithoutMovingFiresOnceOnTheRelease) {
  CursorPlot p;
  p.Shot();
  int clicks = 0;
  p.OnClickDataCursor = [&](int Index) {
    EXPECT_EQ(Index, 0);
    ++clicks;
  };
  const QPoint at(p.PX(50), p.PY(20));
  p.Press(at);
  EXPECT_EQ(clicks, 0);
  p.Release(at);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(p.cursor->Pointer1Position(), 50);
}

TEST(DataCursor, PressOnAPointerInsideAHiddenHintsRectangleGrabsThePointer) {
  CursorPlot p;
  TwPlotDataCursor* c = p.cursor;
  c->SetStyle(ipcsValueX);
  p.Shot();
  const platform::TRect h = c->HintRect();
  const QPoint at(h.Left, (h.Top + h.Bottom) / 2);  // in the hint and in pointer 1's grab rectangle
  ASSERT_LT(at.x(), c->Pointer1Rect().Right);
  c->SetHintShow(false);
  p.Shot();
  p.Press(at);
  p.Move(at + QPoint(20, 0), Qt::LeftButton);
  p.Release(at + QPoint(20, 0));
  EXPECT_NEAR(c->Pointer1Position(), 60, 0.5);
  EXPECT_EQ(c->HintPosition(), 50);
  // While the hint shows, the same press takes the hint.
  c->SetHintShow(true);
  c->SetPointer1Position(50);
  p.Shot();
  p.Press(at);
  p.Move(at + QPoint(0, -20), Qt::LeftButton);
  p.Release(at + QPoint(0, -20));
  EXPECT_EQ(c->Pointer1Position(), 50);
  EXPECT_NEAR(c->HintPosition(), 50 + 100.0 * 20 / p.View()->Height(), 1);
}

TEST(DataCursor, HintHidesOnReleaseAndForAllChannels) {
  CursorPlot p;
  TwPlotDataCursor* c = p.cursor;
  c->SetHintHideOnRelease(true);
  p.Shot();
  EXPECT_FALSE(c->HintShowing());
  c->SetHintHideOnRelease(false);
  c->SetChannelName("<All>");
  p.Shot();
  EXPECT_FALSE(c->HintShowing());
  EXPECT_TRUE(p.GetLegend(0)->CursorAllChannels());
}

// Every item of a menu and its submenus, by caption path.
platform::MenuItem* FindItem(TwPlotPopupMenu& Menu, const QString& Top, const QString& Sub = {}) {
  for (int i = 0; i < Menu.Count(); ++i) {
    platform::MenuItem* item = Menu.Item(i);
    if (item->Caption() != Top) continue;
    if (Sub.isEmpty()) return item;
    if (!item->menu()) return nullptr;
    for (QAction* a : item->menu()->actions())
      if (a->text() == Sub) return static_cast<platform::MenuItem*>(a);
  }
  return nullptr;
}

TEST(DataCursor, PopupMenuChoosesChannelStyleAndOptions) {
  CursorPlot p;
  TwPlotDataCursor* c = p.cursor;
  p.AddChannel();
  p.GetChannel(1)->SetTitleText("Second\r\nCurve");
  p.SetUserCanEditObjects(true);
  TwPlotPopupMenu menu;
  c->AddMenuItems(&menu);
  ASSERT_NE(FindItem(menu, "Channel", "<All>"), nullptr);
  EXPECT_FALSE(FindItem(menu, "Channel", "<All>")->Checked());
  EXPECT_TRUE(FindItem(menu, "Channel", "Channel 1")->Checked());
  ASSERT_NE(FindItem(menu, "Channel", "SecondCurve"), nullptr);
  EXPECT_TRUE(FindItem(menu, "Style", "Value X-Y")->Checked());
  EXPECT_NE(FindItem(menu, "Options", "Flip Alignment"), nullptr);
  EXPECT_EQ(FindItem(menu, "Snap to Data-Point"), nullptr);  // XY plots do not snap
  EXPECT_NE(FindItem(menu, "Edit..."), nullptr);

  FindItem(menu, "Channel", "SecondCurve")->Click();
  EXPECT_EQ(c->ChannelName(), "Channel 2");
  EXPECT_TRUE(p.GetChannel(1)->UserSelected());
  FindItem(menu, "Style", "Period")->Click();
  EXPECT_EQ(c->Style(), ipcsDeltaX);
  FindItem(menu, "Options", "Use Channel Color")->Click();
  EXPECT_FALSE(c->UseChannelColor());
  FindItem(menu, "Options", "Flip Alignment")->Click();
  EXPECT_EQ(c->HintOrientationSide(), iosTopLeft);

  c->MenuUserCanChangeOptions = false;
  c->SetChannelAllowAll(false);
  c->AddMenuItems(&menu);
  EXPECT_EQ(FindItem(menu, "Options"), nullptr);
  EXPECT_EQ(FindItem(menu, "Channel", "<All>"), nullptr);

  c->SetChannelAllowAll(true);
  c->SetStyle(ipcsValueXY);
  c->AddMenuItems(&menu);
  FindItem(menu, "Channel", "<All>")->Click();
  EXPECT_EQ(c->ChannelName(), "<All>");
  EXPECT_FALSE(p.GetChannel(1)->UserSelected());
  c->MenuUserCanChangeOptions = true;
  c->AddMenuItems(&menu);
  EXPECT_TRUE(FindItem(menu, "Channel", "<All>")->Checked());
  EXPECT_FALSE(FindItem(menu, "Options", "Flip Alignment")->Enabled());

  SeriesPlot s;
  s.cursor->AddMenuItems(&menu);
  ASSERT_NE(FindItem(menu, "Snap to Data-Point"), nullptr);
  FindItem(menu, "Snap to Data-Point")->Click();
  EXPECT_TRUE(s.cursor->SnapToDataPoint);
}

TEST(DataCursor, FollowsItsChannelAndMovesToAnotherWhileSelected) {
  CursorPlot p;
  TwPlotDataCursor* c = p.cursor;
  p.AddChannel();
  ASSERT_EQ(c->GetChannel(), p.GetChannel(0));
  p.GetChannel(0)->SetName("Gate");
  EXPECT_EQ(c->ChannelName(), "Gate");
  // Selecting the cursor selects its channel; another channel takes the cursor.
  c->SetUserSelected(true);
  EXPECT_TRUE(p.GetChannel(0)->UserSelected());
  p.GetChannel(1)->SetUserSelected(true);
  EXPECT_EQ(c->ChannelName(), "Channel 2");
  EXPECT_TRUE(c->UserSelected());
  // Any other object selected deselects it.
  p.GetXAxis(0)->SetUserSelected(true);
  EXPECT_FALSE(c->UserSelected());
  p.DeleteChannel(1);
  EXPECT_EQ(c->GetChannel(), nullptr);
  EXPECT_EQ(c->ChannelName(), "Channel 2");
}

TEST(DataCursor, KeysMovePointersByPixels) {
  CursorPlot p;
  TwPlotDataCursor* c = p.cursor;
  int key = Qt::Key_PageUp;
  c->DoKeyDown(key, {}, nullptr);
  EXPECT_DOUBLE_EQ(c->Pointer1Position(), 52.5);
  key = Qt::Key_PageUp;
  c->DoKeyDown(key, Qt::ControlModifier, nullptr);
  EXPECT_NEAR(c->Pointer2Position(), 60 + 5 * 100.0 / p.View()->Height(), 1e-9);
  key = Qt::Key_End;
  c->DoKeyDown(key, {}, nullptr);
  EXPECT_EQ(c->Pointer1Position(), 100);
  key = Qt::Key_Right;
  c->DoKeyDown(key, {}, nullptr);
  EXPECT_EQ(c->Pointer1Position(), 100);  // clamped
  key = Qt::Key_Up;
  c->DoKeyDown(key, {}, nullptr);  // the vertical hint moves up
  EXPECT_NEAR(c->HintPosition(), 50 + 100.0 / p.View()->Height(), 1e-9);
  // Ctrl acts only on a pointer 2 that shows.
  c->SetStyle(ipcsValueX);
  const double before = c->Pointer2Position();
  key = Qt::Key_PageUp;
  c->DoKeyDown(key, Qt::ControlModifier, nullptr);
  EXPECT_EQ(c->Pointer2Position(), before);
  key = Qt::Key_Home;
  c->DoKeyDown(key, {}, nullptr);
  EXPECT_EQ(c->Pointer1Position(), 0);
}

}  // namespace
