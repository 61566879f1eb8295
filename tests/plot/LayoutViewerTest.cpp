// The layout viewer: the schematic's geometry and painting, and the mouse's
// drags, merges and resizes.
#include "plot/wPlotLayoutViewer.h"

#include <QTest>

#include <gtest/gtest.h>

#include "plot/wPlotAxis.h"
#include "plot/wPlotKinds.h"
#include "plot/wXYPlot.h"

namespace {

struct ViewerFixture : ::testing::Test {
  TwXYPlot plot;
  TwPlotLayoutViewer viewer;
  int changes = 0;
  void SetUp() override {
    viewer.LayoutManager = plot.Master()->LayoutManager();
    viewer.resize(400, 300);
    viewer.show();
    QTest::qWaitForWindowExposed(&viewer);
    viewer.OnChange = [this](QObject*) { ++changes; };
    Paint();
  }
  QImage Paint() { return viewer.grab().toImage(); }
  static QPoint Mid(const platform::TRect& r) { return QPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2); }
  void Drag(QPoint from, QPoint to) {
    QTest::mouseMove(&viewer, from);
    QTest::mousePress(&viewer, Qt::LeftButton, {}, from);
    QTest::mouseMove(&viewer, to);
    QTest::mouseRelease(&viewer, Qt::LeftButton, {}, to);
    Paint();
  }
};

TEST_F(ViewerFixture, AxesSitOneCellAroundTheDataView) {
  const int c = viewer.CellWidth();
  ASSERT_GT(c, 0);
  const platform::TRect dv = viewer.DataViewRect();
  const platform::TRect x = plot.XAxis()->LayoutRect();
  const platform::TRect y = plot.YAxis()->LayoutRect();
  EXPECT_EQ(x.Top, dv.Bottom);
  EXPECT_EQ(x.Height(), c);
  EXPECT_EQ(x.Left, dv.Left);
  EXPECT_EQ(x.Right, dv.Right);
  EXPECT_EQ(y.Right, dv.Left);
  EXPECT_EQ(y.Width(), c);
  const QImage img = Paint();
  const QColor grey(0xC0, 0xC0, 0xC0);
  EXPECT_EQ(img.pixelColor(x.Left + 2, x.Top + 2), grey);
  EXPECT_EQ(img.pixelColor(y.Left + 2, y.Bottom - 3), grey);
  // A hidden object is cross-hatched: white shows between the grey lines.
  TwPlotLegend* legend = plot.Master()->LegendManager()->GetObject(0);
  legend->SetVisible(false);
  const QImage hatched = Paint();
  const platform::TRect l = legend->LayoutRect();
  int white = 0, greys = 0;
  for (int yy = l.Top + 1; yy < l.Top + 8; ++yy)
    for (int xx = l.Left + 1; xx < l.Left + 8; ++xx) {
      const QColor p = hatched.pixelColor(xx, yy);
      white += p == Qt::white;
      greys += p == grey;
    }
  EXPECT_GT(white, 0);
  EXPECT_GT(greys, 0);
}

TEST_F(ViewerFixture, LabelDroppedIntoTheMiddleThirdSharesTheRow) {
  plot.AddLabel();
  Paint();
  TwPlotLabel* title = plot.GetLabel(0);
  TwPlotLabel* other = plot.GetLabel(1);
  ASSERT_NE(title->ZOrder(), other->ZOrder());
  const platform::TRect t = title->LayoutRect();
  Drag(Mid(other->LayoutRect()), QPoint((t.Left + t.Right) / 2, t.Top + t.Height() / 2));
  EXPECT_EQ(other->ZOrder(), title->ZOrder());
  EXPECT_DOUBLE_EQ(other->StartPercent(), 50);
  EXPECT_DOUBLE_EQ(other->StopPercent(), 100);
  EXPECT_DOUBLE_EQ(title->StartPercent(), 0);
  EXPECT_DOUBLE_EQ(title->StopPercent(), 50);
  EXPECT_EQ(changes, 1);
}

TEST_F(ViewerFixture, AxisOverTheOtherOrientationDropsToNothing) {
  const int z = plot.XAxis()->ZOrder();
  const platform::TRect x = plot.XAxis()->LayoutRect();
  Drag(QPoint((x.Left + x.Right) / 2, (x.Top + x.Bottom) / 2), Mid(plot.YAxis()->LayoutRect()));
  EXPECT_TRUE(plot.XAxis()->Horizontal());
  EXPECT_EQ(plot.XAxis()->ZOrder(), z);
  EXPECT_EQ(changes, 0);
}

TEST_F(ViewerFixture, DraggingAnAxisEndResizesInSteps) {
  const platform::TRect x = plot.XAxis()->LayoutRect();
  const QPoint start(x.Left + 2, (x.Top + x.Bottom) / 2);
  QTest::mouseMove(&viewer, start);
  EXPECT_EQ(viewer.cursor().shape(), Qt::SizeHorCursor);
  const double before = plot.XAxis()->StartPercent();
  const int dx = int(std::lround(viewer.DataViewRect().Width() * 0.11));
  Drag(start, start + QPoint(dx, 0));
  EXPECT_DOUBLE_EQ(plot.XAxis()->StartPercent(), before + 11.25);
  EXPECT_EQ(changes, 1);
}

TEST_F(ViewerFixture, ToolBarsAndDataViewsStayPut) {
  TwPlotToolBar* bar = plot.Master()->ToolBarManager()->GetObject(0);
  const platform::TRect r = bar->LayoutRect();
  QTest::mouseMove(&viewer, QPoint(r.Left + 2, (r.Top + r.Bottom) / 2));
  EXPECT_EQ(viewer.cursor().shape(), Qt::ArrowCursor);
  QTest::mousePress(&viewer, Qt::LeftButton, {}, Mid(r));
  EXPECT_EQ(viewer.SelectedObject(), nullptr);
  QTest::mouseRelease(&viewer, Qt::LeftButton, {}, Mid(r));
  QTest::mousePress(&viewer, Qt::RightButton, {}, Mid(viewer.DataViewRect()));
  EXPECT_EQ(viewer.SelectedObject(), nullptr);
  QTest::mouseRelease(&viewer, Qt::RightButton, {}, Mid(viewer.DataViewRect()));
}

}  // namespace
