// Plot annotations: references and drawing by style, the channel reference
// by name, moving and resizing by mouse in select mode.
#include <gtest/gtest.h>

#include <cmath>

#include "PlotInputFixture.h"
#include "RecordingDevice.h"

namespace {

struct AnnotationFixture {
  InputPlot plot;
  TwPlotAnnotation* a = plot.GetAnnotation(plot.AddAnnotation());
  RecordingDevice device{400, 300};

  AnnotationFixture() {
    plot.XAxis()->SetMinSpan(0, 100);
    plot.YAxis()->SetMinSpan(0, 100);
    a->SetReference(iprtDataView);
    for (auto set : {&TwPlotAnnotation::SetReferencePositionX, &TwPlotAnnotation::SetReferencePositionY,
                     &TwPlotAnnotation::SetReferenceSizeX, &TwPlotAnnotation::SetReferenceSizeY})
      (a->*set)(ipriAuto);
  }
  std::vector<RecordedOp> Draw() {
    plot.ReCalcLayout();
    device.Clear();
    platform::Canvas canvas(&device);
    a->Draw(canvas, platform::clBlack);
    return device.Ops();
  }
  platform::TRect View() { return plot.GetDataView(0)->DrawRect(); }
  QPoint Centre(const platform::TRect& r) { return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2}; }
};

TEST(PlotAnnotation, DefaultTextSitsInTheMiddleOfTheDataView) {
  TwXYPlot plot;
  plot.resize(400, 300);
  TwPlotAnnotation* a = plot.GetAnnotation(plot.AddAnnotation());
  EXPECT_EQ(a->Style(), ipasText);
  EXPECT_EQ(a->Reference(), iprtDataView);
  a->SetX(50);
  a->SetY(50);
  a->SetText("Peak");
  plot.ReCalcLayout();
  RecordingDevice device(400, 300);
  {
    platform::Canvas canvas(&device);
    a->Draw(canvas, platform::clBlack);
  }
  EXPECT_EQ(device.Texts(), std::vector<QString>{"Peak"});
  const platform::TRect view = plot.GetDataView(0)->DrawRect(), text = a->ClickRect();
  EXPECT_NEAR((text.Left + text.Right) / 2.0, (view.Left + view.Right) / 2.0, 1.0);
  EXPECT_NEAR((text.Top + text.Bottom) / 2.0, (view.Top + view.Bottom) / 2.0, 1.0);
  EXPECT_TRUE(a->Showing());
}

TEST(PlotAnnotation, ChannelReferenceByNameFollowsRenamesAndNeedsTheChannel) {
  AnnotationFixture f;
  f.plot.SetToolBarSelectActive(true);
  f.a->SetReference(iprtChannel);
  f.a->SetStyle(ipasRectangle);
  f.a->SetX(50);
  f.a->SetY(50);
  f.a->SetWidth(20);
  f.a->SetHeight(20);
  f.a->SetChannelName("No such channel");
  EXPECT_TRUE(f.Draw().empty());
  EXPECT_FALSE(f.a->HitTest(f.Centre(f.View()).x(), f.Centre(f.View()).y()));

  f.a->SetChannelName("Channel 1");
  auto ops = f.Draw();
  ASSERT_FALSE(ops.empty());
  EXPECT_TRUE(f.a->HitTest(f.Centre(f.a->ClickRect()).x(), f.Centre(f.a->ClickRect()).y()));
  // 20 units of the channel's 0..100 axes.
  TwPlotAxis* x = f.plot.XAxis();
  EXPECT_NEAR(f.a->ClickRect().Right - f.a->ClickRect().Left,
              std::abs(x->PositionToPixels(60) - x->PositionToPixels(40)), 1);

  f.plot.GetChannel(0)->SetName("Output");
  EXPECT_EQ(f.a->ChannelName(), "Output");
  EXPECT_FALSE(f.Draw().empty());
}

TEST(PlotAnnotation, ShapesByStyle) {
  AnnotationFixture f;
  f.a->SetX(30);
  f.a->SetY(30);
  f.a->SetX2(60);
  f.a->SetY2(70);
  f.a->SetWidth(10);
  f.a->SetHeight(10);
  f.a->SetStyle(ipasEllipse);
  auto ops = f.Draw();
  ASSERT_EQ(ops.size(), 1u);
  EXPECT_EQ(ops[0].kind, RecordedOp::Ellipse);
  f.a->SetStyle(ipasLineY);
  ops = f.Draw();
  ASSERT_EQ(ops.size(), 1u);
  EXPECT_TRUE(ops[0].IsLine() && ops[0].Horizontal());
  // A line is drawn but never hit.
  f.plot.SetToolBarSelectActive(true);
  f.a->SetStyle(ipasLine);
  EXPECT_EQ(f.Draw().size(), 1u);
  EXPECT_FALSE(f.a->Showing());

  f.a->SetStyle(ipasPolygon);
  f.a->PolyPointAdd(10, 10);
  EXPECT_TRUE(f.Draw().empty());
  f.a->PolyPointAdd(50, 80);
  f.a->PolyPointAdd(90, 10);
  ops = f.Draw();
  ASSERT_EQ(ops.size(), 1u);
  EXPECT_EQ(ops[0].kind, RecordedOp::Polygon);
  EXPECT_EQ(ops[0].points.size(), 3);
}

TEST(PlotAnnotation, MovingARectangle2KeepsItsSize) {
  AnnotationFixture f;
  f.a->SetStyle(ipasRectangle2);
  f.a->SetX(20);
  f.a->SetY(20);
  f.a->SetX2(40);
  f.a->SetY2(50);
  f.a->SetUserCanMove(true);
  f.plot.SetToolBarSelectActive(true);
  f.Draw();
  int moves = 0, finished = 0;
  f.plot.OnAnnotationMoveUser = [&](int) { ++moves; };
  f.plot.OnAnnotationCoordinatesChangeFinished = [&](int) { ++finished; };
  const QPoint c = f.Centre(f.a->ClickRect());
  f.plot.Press(c);
  f.plot.Move(c + QPoint(13, -7), Qt::LeftButton);
  f.plot.Move(c + QPoint(27, -19), Qt::LeftButton);
  f.plot.Release(c + QPoint(27, -19));
  EXPECT_GT(f.a->X(), 20);
  EXPECT_GT(f.a->Y(), 20);
  EXPECT_NEAR(f.a->X2() - f.a->X(), 20, 1e-9);
  EXPECT_NEAR(f.a->Y2() - f.a->Y(), 30, 1e-9);
  EXPECT_EQ(moves, 2);
  EXPECT_EQ(finished, 1);
}

TEST(PlotAnnotation, SizingPastTheOppositeCornerKeepsTheSizePositive) {
  AnnotationFixture f;
  f.a->SetStyle(ipasRectangle);
  f.a->SetX(50);
  f.a->SetY(50);
  f.a->SetWidth(20);
  f.a->SetHeight(20);
  f.a->SetUserCanSize(true);
  f.plot.SetToolBarSelectActive(true);
  f.Draw();
  const platform::TRect r = f.a->ClickRect();
  const QPoint topLeft(r.Left, r.Top);
  int resizes = 0;
  f.plot.OnAnnotationResizeUser = [&](int) { ++resizes; };
  f.plot.Press(topLeft);
  ASSERT_TRUE(f.a->UserSelected());
  f.plot.Move(topLeft + QPoint(r.Right - r.Left + 30, r.Bottom - r.Top + 20), Qt::LeftButton);
  f.plot.Release(topLeft + QPoint(r.Right - r.Left + 30, r.Bottom - r.Top + 20));
  EXPECT_EQ(resizes, 1);
  EXPECT_GT(f.a->Width(), 0);
  EXPECT_GT(f.a->Height(), 0);
  EXPECT_GT(f.a->X(), 50);
  EXPECT_LT(f.a->Y(), 50);
}

TEST(PlotAnnotation, OutsideSelectModeClicksPassThrough) {
  AnnotationFixture f;
  f.a->SetStyle(ipasRectangle);
  f.a->SetX(50);
  f.a->SetY(50);
  f.a->SetWidth(20);
  f.a->SetHeight(20);
  f.Draw();
  int clicks = 0;
  f.plot.OnClickAnnotation = [&](int) { ++clicks; };
  const QPoint c = f.Centre(f.a->ClickRect());
  f.plot.Click(c);
  EXPECT_EQ(clicks, 0);
  EXPECT_FALSE(f.a->UserSelected());
  f.plot.SetToolBarSelectActive(true);
  f.Draw();
  f.plot.Click(c);
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(f.a->UserSelected());
}

TEST(PlotAnnotation, SelectedHandlesAreInverted) {
  AnnotationFixture f;
  f.a->SetStyle(ipasRectangle);
  f.a->SetX(50);
  f.a->SetY(50);
  f.a->SetWidth(20);
  f.a->SetHeight(20);
  f.a->SetBrushStyle(platform::bsClear);
  f.a->SetPenColor(platform::clRed);
  f.Draw();
  QImage image(400, 300, QImage::Format_RGB32);
  auto paint = [&] {
    image.fill(Qt::black);
    platform::Canvas canvas(&image);
    f.a->Draw(canvas, platform::clBlack);
  };
  paint();
  const platform::TRect r = f.a->ClickRect();
  // Outside the shape, inside the top-left handle.
  EXPECT_EQ(image.pixelColor(r.Left - 2, r.Top - 2), QColor(Qt::black));
  f.a->SetUserSelected(true);
  paint();
  EXPECT_EQ(image.pixelColor(r.Left - 2, r.Top - 2), QColor(Qt::white));
  // The red outline under the handle turns cyan.
  EXPECT_EQ(image.pixelColor(r.Left + 2, r.Top), QColor(Qt::cyan));
}

}  // namespace
