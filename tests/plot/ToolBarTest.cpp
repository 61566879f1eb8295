// The plot toolbar: its buttons, their actions and events, the group rule,
// the down states, drawing states, sizes and the hover hint.
#include <gtest/gtest.h>

#include <QDir>

#include "PlotInputFixture.h"
#include "platform/Dialogs.h"
#include "plot/wPlotAxis.h"

namespace {

using Calls = std::vector<std::string>;

// The forms' plot with its toolbar shown and laid out.
struct ToolBarPlot : InputPlot {
  ToolBarPlot() {
    bar = GetToolBar(0);
    bar->SetVisible(true);
    EnableAllTracking();  // the forms switch it off
    ReCalcLayout();
    OnBeforeToolBarButtonClick = [this](int, TwPlotToolBarButtonType t, bool& Cancel) {
      calls.push_back("before " + std::to_string(int(t)));
      if (t == cancel) Cancel = true;
    };
    OnToolBarButtonClick = [this](int, TwPlotToolBarButtonType t) { calls.push_back("after " + std::to_string(int(t))); };
  }
  QPoint Centre(TwPlotToolBarButtonType t) {
    const platform::TRect r = bar->Button(t)->DrawRect();
    return QPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
  }
  void ClickButton(TwPlotToolBarButtonType t) { Click(Centre(t)); }
  static std::string Ev(const char* what, TwPlotToolBarButtonType t) { return std::string(what) + " " + std::to_string(int(t)); }

  TwPlotToolBar* bar;
  Calls calls;
  int cancel = -1;
};

TEST(PlotToolBar, ButtonsInDisplayOrderWithHintsAndGroups) {
  ToolBarPlot p;
  struct Row {
    TwPlotToolBarButtonStyle style;
    const char* hint;
    const char* image;
    int group;
  };
  const Row rows[] = {
      {iptbbsButton, "Resume All (Tracking)", "AUTO", 0}, {iptbbsButton, "Pause All (Tracking)", "PAUSE", 0},
      {iptbbsSpacer, "", "", 0},
      {iptbbsButton, "Scroll (Axes)", "SCROLL", 2},       {iptbbsButton, "Zoom (Axes)", "ZOOM", 2},
      {iptbbsSpacer, "", "", 0},
      {iptbbsButton, "Zoom Out All Axes", "ZOOMOUT", 0},  {iptbbsButton, "Zoom In All Axes", "ZOOMIN", 0},
      {iptbbsSpacer, "", "", 0},
      {iptbbsButton, "Select", "SELECT", -1},             {iptbbsButton, "Zoom Box", "SCROLLBOX", -1},
      {iptbbsButton, "Cursor", "CURSOR", -2},             {iptbbsSpacer, "", "", 0},
      {iptbbsButton, "Properties", "PROPERTIES", 0},      {iptbbsSpacer, "", "", 0},
      {iptbbsButton, "Copy to Clipboard", "COPY", 0},     {iptbbsButton, "Save to File", "SAVE", 0},
      {iptbbsButton, "Print", "PRINTER", 0},              {iptbbsButton, "Preview", "PREVIEW", 0}};
  ASSERT_EQ(p.bar->ButtonCount(), int(std::size(rows)));
  for (int i = 0; i < p.bar->ButtonCount(); ++i) {
    SCOPED_TRACE(i);
    TwPlotToolBarButton* b = p.bar->ButtonAt(i);
    EXPECT_EQ(b->Style(), rows[i].style);
    EXPECT_EQ(b->Hint(), rows[i].hint);
    EXPECT_EQ(b->ImageName(), rows[i].image);
    EXPECT_EQ(b->GroupIndex(), rows[i].group);
    if (rows[i].style == iptbbsButton) EXPECT_FALSE(TwPlotToolBarImage(rows[i].image).isNull());
  }
  EXPECT_TRUE(p.bar->Horizontal());
  EXPECT_TRUE(p.bar->Button(iptbbtScrollAxesMode)->Down());
  EXPECT_FALSE(p.bar->ShowSelectButton());
  EXPECT_FALSE(p.bar->ShowPreviewButton());
  EXPECT_TRUE(p.bar->ShowCursorButton());
  EXPECT_EQ(p.bar->ZoomInOutFactor(), 2.0);
}

TEST(PlotToolBar, ZoomInOutFactorBelowOneStoresOne) {
  ToolBarPlot p;
  for (double v : {0.5, -3.0, std::nan("")}) {
    p.bar->SetZoomInOutFactor(v);
    EXPECT_EQ(p.bar->ZoomInOutFactor(), 1.0) << v;
    p.bar->SetZoomInOutFactor(3);
  }
}

TEST(PlotToolBar, ZoomInPausesFirstAndHalvesTheLinearSpan) {
  ToolBarPlot p;
  TwPlotAxis* x = p.XAxis();
  x->SetMinSpan(0, 100);
  ASSERT_TRUE(x->TrackingEnabled());
  p.ClickButton(iptbbtZoomIn);
  EXPECT_DOUBLE_EQ(x->Span(), 50);
  EXPECT_DOUBLE_EQ(x->Min(), 25);
  EXPECT_FALSE(x->TrackingEnabled());
  EXPECT_EQ(p.calls, (Calls{ToolBarPlot::Ev("before", iptbbtZoomIn), ToolBarPlot::Ev("before", iptbbtPause),
                            ToolBarPlot::Ev("after", iptbbtPause), ToolBarPlot::Ev("after", iptbbtZoomIn)}));
  p.bar->DoButtonClickZoomOut();
  EXPECT_DOUBLE_EQ(x->Span(), 100);
  // A logarithmic axis zooms by a decade.
  x->SetMinSpan(1, 99);
  x->SetScaleType(ipstLog10);
  p.bar->DoButtonClickZoomOut();
  EXPECT_GT(x->Span(), 99);
}

TEST(PlotToolBar, CancelledClickStopsTheActionAndItsAfterEvent) {
  ToolBarPlot p;
  p.cancel = iptbbtZoomIn;
  const double span = p.XAxis()->Span();
  p.bar->DoButtonClickZoomIn();
  EXPECT_DOUBLE_EQ(p.XAxis()->Span(), span);
  EXPECT_TRUE(p.XAxis()->TrackingEnabled());
  EXPECT_EQ(p.calls, (Calls{ToolBarPlot::Ev("before", iptbbtZoomIn)}));

  p.calls.clear();
  p.cancel = iptbbtCursor;
  p.ClickButton(iptbbtCursor);
  EXPECT_FALSE(p.bar->CursorActive());
  EXPECT_EQ(p.calls, (Calls{ToolBarPlot::Ev("before", iptbbtCursor)}));
}

TEST(PlotToolBar, SelectAndZoomBoxRaiseEachOther) {
  ToolBarPlot p;
  p.bar->SetShowSelectButton(true);
  p.ReCalcLayout();
  p.ClickButton(iptbbtSelect);
  EXPECT_TRUE(p.bar->SelectActive());
  EXPECT_TRUE(p.GetToolBarSelectActive());
  p.ClickButton(iptbbtZoomBox);
  EXPECT_TRUE(p.bar->ZoomBoxActive());
  EXPECT_FALSE(p.bar->SelectActive());
  p.ClickButton(iptbbtSelect);
  EXPECT_TRUE(p.bar->SelectActive());
  EXPECT_FALSE(p.bar->ZoomBoxActive());
  // The axes-mode pair excludes each other the same way.
  p.ClickButton(iptbbtZoomAxesMode);
  EXPECT_TRUE(p.bar->Button(iptbbtZoomAxesMode)->Down());
  EXPECT_FALSE(p.bar->Button(iptbbtScrollAxesMode)->Down());
  EXPECT_EQ(p.XAxis()->Mode(), ipamZoom);
  // The plot's switch clicks toolbar 0's select button.
  p.calls.clear();
  p.SetToolBarSelectActive(false);
  EXPECT_FALSE(p.bar->SelectActive());
  EXPECT_EQ(p.calls, (Calls{ToolBarPlot::Ev("before", iptbbtSelect), ToolBarPlot::Ev("after", iptbbtSelect)}));
}

TEST(PlotToolBar, CursorButtonShowsEveryCursorStopsTrackingAndSelectsCursorZero) {
  ToolBarPlot p;
  p.AddDataCursor();
  ASSERT_EQ(p.DataCursorCount(), 2);
  p.ClickButton(iptbbtCursor);
  EXPECT_TRUE(p.bar->CursorActive());
  EXPECT_TRUE(p.GetDataCursor(0)->Visible());
  EXPECT_TRUE(p.GetDataCursor(1)->Visible());
  EXPECT_TRUE(p.GetDataCursor(0)->UserSelected());
  EXPECT_FALSE(p.XAxis()->TrackingEnabled());
  EXPECT_FALSE(p.YAxis()->TrackingEnabled());
  // Resume turns the cursor off and tracking on again.
  p.ReCalcLayout();
  ASSERT_TRUE(p.bar->Button(iptbbtResume)->Enabled());
  EXPECT_FALSE(p.bar->Button(iptbbtPause)->Enabled());
  p.ClickButton(iptbbtResume);
  EXPECT_FALSE(p.bar->CursorActive());
  EXPECT_FALSE(p.GetDataCursor(0)->Visible());
  EXPECT_FALSE(p.GetDataCursor(0)->UserSelected());
  EXPECT_TRUE(p.XAxis()->TrackingEnabled());
  p.bar->DoButtonClickCursor();
  p.bar->TurnOffCursor();
  EXPECT_FALSE(p.GetDataCursor(1)->Visible());
}

TEST(PlotToolBar, EditAndOutputButtonsRunTheirHooks) {
  ToolBarPlot p;
  Calls hooks;
  p.bar->OnEditAction = [&](TwPersistent*) { hooks.push_back("edit"); };
  p.bar->OnCopyAction = [&](TwPersistent*) { hooks.push_back("copy"); };
  p.bar->OnSaveAction = [&](TwPersistent*) { hooks.push_back("save"); };
  p.bar->OnPrintAction = [&](TwPersistent*) { hooks.push_back("print"); };
  p.ClickButton(iptbbtEdit);
  p.ClickButton(iptbbtCopy);
  p.ClickButton(iptbbtSave);
  p.ClickButton(iptbbtPrint);
  EXPECT_EQ(hooks, (Calls{"edit", "copy", "save", "print"}));
  // The edit action fires no after-click event.
  EXPECT_EQ(p.calls[0], ToolBarPlot::Ev("before", iptbbtEdit));
  EXPECT_EQ(p.calls[1], ToolBarPlot::Ev("before", iptbbtCopy));
}

TEST(PlotToolBar, CopyButtonCopiesThePlotUnlessAProgramTakesItOver) {
  ToolBarPlot p;
  std::vector<platform::ClipboardData> copies;
  platform::SetClipboardProvider([&](const platform::ClipboardData& d) { copies.push_back(d); });
  p.ClickButton(iptbbtCopy);
  ASSERT_EQ(copies.size(), 1u);
  EXPECT_EQ(copies[0].image.size(), p.size());
  p.bar->OnCopyAction = nullptr;
  p.ClickButton(iptbbtCopy);
  EXPECT_EQ(copies.size(), 1u);
  platform::SetClipboardProvider([](const platform::ClipboardData&) {});  // the tests' default
}

TEST(PlotToolBar, SpacersFollowTheirGroupsAndButtonsLieInARow) {
  ToolBarPlot p;
  p.bar->SetShowResumeButton(false);
  p.bar->SetShowPauseButton(false);
  p.ReCalcLayout();
  EXPECT_FALSE(p.bar->ButtonAt(2)->Visible());
  EXPECT_TRUE(p.bar->ButtonAt(5)->Visible());
  // The first visible button is the scroll button, 3 pixels inside.
  const platform::TRect r = p.bar->Button(iptbbtScrollAxesMode)->DrawRect();
  EXPECT_EQ(r.Left, p.bar->Left() + 3);
  EXPECT_EQ(r.Top, p.bar->Top() + 3);
  EXPECT_EQ(r.Right - r.Left, 30);
  EXPECT_EQ(p.bar->Button(iptbbtZoomAxesMode)->DrawRect().Left, r.Left + 30);
  EXPECT_EQ(p.bar->Button(iptbbtZoomOut)->DrawRect().Left, r.Left + 70);  // after a 10-pixel spacer
  p.bar->SetShowZoomBoxButton(false);
  p.bar->SetShowCursorButton(false);
  p.bar->SetShowEditButton(false);
  p.ReCalcLayout();
  EXPECT_FALSE(p.bar->ButtonAt(12)->Visible());
  EXPECT_FALSE(p.bar->ButtonAt(14)->Visible());
}

TEST(PlotToolBar, SmallButtonsNeed28PixelsAndReloadSmallImages) {
  ToolBarPlot p;
  QImage scratch(1, 1, QImage::Format_RGB32);
  platform::Canvas canvas(&scratch);
  EXPECT_EQ(p.bar->GetRequiredWidth(canvas), 36);
  EXPECT_EQ(p.bar->Images()->Width(), 24);
  EXPECT_GE(p.bar->Button(iptbbtCursor)->ImageIndex(), 0);
  p.bar->SetSmallButtons(true);
  EXPECT_EQ(p.bar->GetRequiredWidth(canvas), 28);
  EXPECT_EQ(p.bar->Images()->Width(), 16);
  EXPECT_EQ(p.bar->Images()->Height(), 16);
  EXPECT_EQ(p.bar->Button(iptbbtCursor)->ImageName(), "SMALLCURSOR");
  EXPECT_EQ(p.bar->Button(iptbbtCursor)->ImageIndex(), -1);
  p.ReCalcLayout();
  EXPECT_GE(p.bar->Button(iptbbtCursor)->ImageIndex(), 0);
  EXPECT_EQ(p.bar->Button(iptbbtCursor)->DrawRect().Right - p.bar->Button(iptbbtCursor)->DrawRect().Left, 22);
  // The key colour is transparent in the loaded image.
  const QImage image = p.bar->Images()->Image(p.bar->Button(iptbbtCursor)->ImageIndex());
  EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
}

TEST(PlotToolBar, TrackingButtonsFollowTheAxes) {
  ToolBarPlot p;
  EXPECT_FALSE(p.bar->Button(iptbbtResume)->Enabled());
  EXPECT_TRUE(p.bar->Button(iptbbtPause)->Enabled());
  p.XAxis()->SetTrackingEnabled(false);
  p.ReCalcLayout();
  EXPECT_TRUE(p.bar->Button(iptbbtResume)->Enabled());
  EXPECT_TRUE(p.bar->Button(iptbbtPause)->Enabled());
}

TEST(PlotToolBar, HoverShowsTheTranslatedHintThreePixelsBelowTheButton) {
  ToolBarPlot p;
  p.AddTranslation("Cursor", "Curseur");
  QString customized;
  p.OnToolBarCustomizeHint = [&](int Index, QString& Text) {
    EXPECT_EQ(Index, 0);
    customized = Text;
  };
  const platform::TRect r = p.bar->Button(iptbbtCursor)->DrawRect();
  p.Move(p.Centre(iptbbtCursor));
  p.Advance(p.HintsPause());
  ASSERT_TRUE(p.HintData().Visible);
  EXPECT_EQ(p.HintData().Text, "Curseur");
  EXPECT_EQ(customized, "Curseur");
  EXPECT_EQ(p.HintData().Left, r.Left);
  EXPECT_EQ(p.HintData().Top, r.Bottom + 3);
  EXPECT_GT(p.HintData().Width, 4);
  EXPECT_TRUE(p.bar->Button(iptbbtCursor)->MouseOver());
  p.Move(QPoint(300, 150));
  EXPECT_FALSE(p.bar->Button(iptbbtCursor)->MouseOver());
}

}  // namespace

namespace {

TEST(PlotToolBar, DrawsAButtonFaceRowWithTheImages) {
  ToolBarPlot p;
  p.ReCalcLayout();
  const QImage img = p.grab().toImage();
  QDir().mkpath(DSP_TEST_OUT);
  img.save(QStringLiteral(DSP_TEST_OUT) + "/plot_toolbar.png");
  const QColor face(240, 240, 240);
  const platform::TRect spacer = p.bar->ButtonAt(2)->DrawRect();
  EXPECT_EQ(img.pixelColor(spacer.Left + 5, spacer.Top + 10), face);
  // The cursor image's red cross lies in the middle of its button.
  const QPoint c = p.Centre(iptbbtCursor);
  EXPECT_EQ(img.pixelColor(c.x(), c.y() - 8), QColor(192, 0, 0));
  // A disabled button is greyed: the resume triangle loses its green.
  const QPoint r = p.Centre(iptbbtResume);
  ASSERT_FALSE(p.bar->Button(iptbbtResume)->Enabled());
  EXPECT_NE(img.pixelColor(r.x() - 2, r.y()), QColor(0, 128, 0));
  p.XAxis()->SetTrackingEnabled(false);
  p.ReCalcLayout();
  EXPECT_EQ(p.grab().toImage().pixelColor(r.x() - 2, r.y()), QColor(0, 128, 0));
}

}  // namespace
