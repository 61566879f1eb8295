// Plot data view: percentages, the grid through its axes, and the mouse and
// wheel on the axes (drag, zoom box, Escape).
#include <QImage>

#include <gtest/gtest.h>

#include "plot/wXYPlot.h"

namespace {

class DataViewTest : public ::testing::Test {
 protected:
  DataViewTest() {
    plot.resize(587, 230);
    plot.ReCalcLayout();
    view = plot.GetDataView(0);
  }
  // A press, moves and a release on the view, as the plot hands them on.
  void Drag(Qt::MouseButton button, QPoint from, QPoint to, bool release = true) {
    view->wMouseDown(button, {}, from.x(), from.y(), 0, 0, nullptr);
    view->wMouseMove(hint, {}, to.x(), to.y(), 0, 0, false);
    if (release) view->wMouseUp(button, {}, to.x(), to.y(), 0, 0, false, nullptr);
  }
  QPoint Middle() const { return {(view->Left() + view->Right()) / 2, (view->Top() + view->Bottom()) / 2}; }
  bool Unmoved() const {
    return plot.XAxis()->Min() == 0 && plot.XAxis()->Span() == 100 && plot.YAxis()->Min() == 0 &&
           plot.YAxis()->Span() == 100;
  }

  TwXYPlot plot;
  TwPlotDataView* view = nullptr;
  TwHintData hint;
};

TEST_F(DataViewTest, PercentagesRunFromTheLeftAndTheBottom) {
  EXPECT_DOUBLE_EQ(view->PixelsYToPositionPercent(view->Bottom()), 0);
  EXPECT_DOUBLE_EQ(view->PixelsYToPositionPercent(view->Top()), 100);
  EXPECT_DOUBLE_EQ(view->PixelsXToPositionPercent(view->Left()), 0);
  EXPECT_DOUBLE_EQ(view->PixelsXToPositionPercent(view->Right()), 100);
  EXPECT_EQ(view->PositionPercentToPixelsY(0), view->Bottom());
  EXPECT_EQ(view->PositionPercentToPixelsX(100), view->Right());
}

TEST_F(DataViewTest, GridOfAllXAxesOrOnlyTheFrame) {
  const int second = plot.AddXAxis();
  plot.GetXAxis(second)->SetMinSpan(0, 70);
  plot.GetXAxis(second)->SetDesiredIncrement(35);
  plot.XAxis()->SetDesiredIncrement(25);
  view->SetGridYAxisName("none");
  auto greenColumns = [&] {
    const QImage img = plot.grab().toImage();
    QList<int> columns;
    const int y = view->Top() + 7;
    for (int px = view->Left() + 1; px < view->Right(); ++px)
      if (img.pixelColor(px, y) == QColor(0, 128, 0)) columns << px;
    return std::pair{columns, img};
  };
  view->SetGridXAxisName("<all>");
  auto [all, img] = greenColumns();
  for (TwPlotAxis* a : {static_cast<TwPlotAxis*>(plot.XAxis()), static_cast<TwPlotAxis*>(plot.GetXAxis(second))})
    for (int i = 0; i < a->TickListCount(); ++i) {
      const TwPlotTickObject& t = a->TickListItem(i);
      if (t.TickType == ipttMajor && t.Show && t.PositionPixels > view->Left() && t.PositionPixels < view->Right())
        EXPECT_TRUE(all.contains(t.PositionPixels)) << t.Position;
    }
  EXPECT_TRUE(all.contains(plot.GetXAxis(second)->PositionToPixels(35)));
  view->SetGridXAxisName("no such axis");
  auto [none, frame] = greenColumns();
  EXPECT_TRUE(none.isEmpty());
  // The frame stays, on all four edges.
  EXPECT_EQ(frame.pixelColor(view->Left(), view->Top() + 7), QColor(0, 128, 0));
  EXPECT_EQ(frame.pixelColor(view->Right(), view->Top() + 7), QColor(0, 128, 0));
  EXPECT_EQ(frame.pixelColor(view->Left() + 7, view->Top()), QColor(0, 128, 0));
  EXPECT_EQ(frame.pixelColor(view->Left() + 7, view->Bottom()), QColor(0, 128, 0));
}

TEST_F(DataViewTest, RightDragStartsAZoomBoxPastFivePixels) {
  view->SetAxesControlEnabled(true);
  const QPoint m = Middle();
  Drag(Qt::RightButton, m, m + QPoint(5, 5), false);
  EXPECT_FALSE(view->ZoomBoxActive());
  view->wMouseMove(hint, {}, m.x() + 5, m.y() + 6, 0, 0, false);
  EXPECT_TRUE(view->ZoomBoxActive());
  EXPECT_FALSE(plot.XAxis()->TrackingEnabled());
  // Escape drops it.
  int key = Qt::Key_Escape;
  view->DoKeyDown(key, {}, nullptr);
  EXPECT_FALSE(view->ZoomBoxActive());
}

TEST_F(DataViewTest, ZoomBoxDraggedDownRightZoomsBothAxes) {
  view->SetAxesControlEnabled(true);
  const QPoint m = Middle();
  // Up and left: dropped.
  Drag(Qt::RightButton, m, m - QPoint(40, 40));
  EXPECT_TRUE(Unmoved());
  // Cancelled by the plot's handler.
  int asked = 0;
  plot.OnBeforeZoomBox = [&](platform::TRect&, bool& cancel) {
    ++asked;
    cancel = true;
  };
  Drag(Qt::RightButton, m, m + QPoint(40, 40));
  EXPECT_EQ(asked, 1);
  EXPECT_TRUE(Unmoved());
  plot.OnBeforeZoomBox = nullptr;
  const double x0 = plot.XAxis()->PixelsToPosition(m.x()), x1 = plot.XAxis()->PixelsToPosition(m.x() + 40);
  const double y1 = plot.YAxis()->PixelsToPosition(m.y()), y0 = plot.YAxis()->PixelsToPosition(m.y() + 40);
  Drag(Qt::RightButton, m, m + QPoint(40, 40));
  EXPECT_DOUBLE_EQ(plot.XAxis()->Min(), x0);
  EXPECT_DOUBLE_EQ(plot.XAxis()->Max(), x1);
  EXPECT_DOUBLE_EQ(plot.YAxis()->Min(), y0);
  EXPECT_NEAR(plot.YAxis()->Max(), y1, 1e-9);
  EXPECT_FALSE(view->ZoomBoxActive());
}

TEST_F(DataViewTest, LeftDragAndWheelMoveTheAxesOnlyUnderAxesControl) {
  const QPoint m = Middle();
  Drag(Qt::LeftButton, m, m + QPoint(30, 20));
  Drag(Qt::RightButton, m, m + QPoint(40, 40));
  view->wMouseWheel(120, {}, m);
  EXPECT_TRUE(Unmoved());

  view->SetAxesControlEnabled(true);
  const double step = 30.0 / (plot.XAxis()->ScaleRect().Right - plot.XAxis()->ScaleRect().Left) * 100;
  Drag(Qt::LeftButton, m, m + QPoint(30, 0));
  EXPECT_NEAR(plot.XAxis()->Min(), -step, 1e-9) << "the scale follows the mouse";
  EXPECT_EQ(plot.YAxis()->Min(), 0);
  // The wheel moves the X axes, with Shift the Y axes.
  view->wMouseWheel(120, {}, m);
  EXPECT_NEAR(plot.XAxis()->Min(), -step + 5, 1e-9);
  view->wMouseWheel(-120, Qt::ShiftModifier, m);
  EXPECT_DOUBLE_EQ(plot.YAxis()->Min(), -5);
}

}  // namespace
