// The print preview: sheet geometry per paper size and orientation, the
// picture inside the margins, the toolbar during the render, the settings
// window's OK and Cancel, and the start on Letter.
#include <gtest/gtest.h>

#include <QPrinter>

#include "platform/Dialogs.h"
#include "plot/wPlotPreviewForm.h"
#include "plot/wXYPlot.h"

namespace {

using namespace platform;

struct RunnerReset {
  ~RunnerReset() { SetEditorModalRunner(nullptr); }
};

struct PreviewFixture {
  RunnerReset reset;
  TwXYPlot plot;
  TwPlotPreviewForm form;
  PreviewFixture() {
    plot.resize(500, 200);
    form.wComponent = &plot;
  }
};

TEST(PlotPreview, A4PortraitSheetIsLimitedByTheHeight) {
  PreviewFixture f;
  f.form.PrintSize = 3;
  f.form.PrintOrientation = poPortrait;
  TwPreviewGeometry g = f.form.Geometry(828, 488, 500, 200);
  EXPECT_EQ(g.PH, 468);
  EXPECT_EQ(g.PW, 331);
  EXPECT_EQ(g.PPI, 40);
  EXPECT_EQ(g.Sheet.Left, 414 - 165 - 5);
  EXPECT_EQ(g.Sheet.Top, 244 - 234 - 5);

  f.form.PrintOrientation = poLandscape;
  const TwPreviewGeometry l = f.form.Geometry(828, 488, 500, 200);
  EXPECT_DOUBLE_EQ(l.PaperWidth, g.PaperHeight);
  EXPECT_DOUBLE_EQ(l.PaperHeight, g.PaperWidth);
  EXPECT_GT(l.PW, l.PH);
  // A wide plot fills the printable width.
  EXPECT_EQ(l.Picture.Width(), l.AW);
}

TEST(PlotPreview, PaperCodesOfTheFiveSizes) {
  const int codes[] = {1, 5, 8, 9, 11, 1};
  for (int size = 0; size < 6; ++size) EXPECT_EQ(TwPlotPreviewForm::PaperCode(size), codes[size]) << size;
}

TEST(PlotPreview, WithoutMarginsThePictureTouchesTheSheet) {
  PreviewFixture f;
  f.form.PrintMarginLeft = f.form.PrintMarginTop = f.form.PrintMarginRight = f.form.PrintMarginBottom = 0;
  f.form.PrintOrientation = poPortrait;
  const TwPreviewGeometry g = f.form.Geometry(828, 488, 500, 200);
  EXPECT_EQ(g.Picture.Left, g.Sheet.Left);
  EXPECT_EQ(g.Picture.Top, g.Sheet.Top);
  EXPECT_EQ(g.Picture.Width(), g.PW);
  EXPECT_LT(g.Picture.Height(), g.PH);
}

TEST(PlotPreview, MarginsWiderThanTheSheetDrawNoPicture) {
  PreviewFixture f;
  f.form.PrintMarginLeft = f.form.PrintMarginTop = f.form.PrintMarginRight = f.form.PrintMarginBottom = 6;
  const TwPreviewGeometry g = f.form.Geometry(828, 488, 500, 200);
  EXPECT_EQ(g.AW, 0);
  EXPECT_EQ(g.AH, 0);
  EXPECT_TRUE(g.Picture.IsEmpty());
  const QImage page = f.form.RenderPage(828, 488);
  for (int y = g.Sheet.Top + 1; y < g.Sheet.Bottom - 1; y += 7)
    for (int x = g.Sheet.Left + 1; x < g.Sheet.Right - 1; x += 7)
      ASSERT_EQ(page.pixel(x, y), qRgb(255, 255, 255)) << x << "," << y;
}

TEST(PlotPreview, TheFirstToolbarIsHiddenWhileRenderingOnly) {
  PreviewFixture f;
  f.plot.GetToolBar(0)->SetVisible(true);
  bool hidden = false;
  QObject* sender = nullptr;
  int after = 0;
  f.plot.OnBeforePrint = [&](QObject* s) {
    sender = s;
    hidden = !f.plot.GetToolBar(0)->Visible();
  };
  f.plot.OnAfterPrint = [&](QObject*) {
    ++after;
    EXPECT_TRUE(f.plot.GetToolBar(0)->Visible());
  };
  const QImage page = f.form.RenderPage(828, 488);
  EXPECT_TRUE(hidden);
  EXPECT_EQ(sender, &f.form);
  EXPECT_EQ(after, 1);
  EXPECT_TRUE(f.plot.GetToolBar(0)->Visible());
  // The picture is drawn: the plot's black background inside the margins.
  const TwPreviewGeometry g = f.form.Geometry(828, 488, 500, 200);
  EXPECT_EQ(page.pixel(g.Picture.Left + g.Picture.Width() / 2, g.Picture.Top + 3), qRgb(0, 0, 0));
  EXPECT_EQ(page.pixel(g.Sheet.Left + 2, g.Sheet.Top + 2), qRgb(255, 255, 255));
}

TEST(PlotPreview, SettingsCancelChangesNothingOkWritesThePlot) {
  PreviewFixture f;
  f.form.PrintDocumentName = QStringLiteral("Doc");
  SetEditorModalRunner([](Form& form) {
    auto& s = dynamic_cast<TwPlotPreviewSettingsForm&>(form);
    EXPECT_EQ(s.PrintMarginLeftEdit->AsFloat(), 1.0);
    EXPECT_EQ(s.PrintOrientationRadioGroup->AsInteger(), 1);
    EXPECT_EQ(s.PrintDocumentNameEdit->AsString(), QStringLiteral("Doc"));
    s.PrintMarginLeftEdit->SetStringWithEvent(QStringLiteral("0.5"));
    s.PrintMarginTopEdit->SetStringWithEvent(QStringLiteral("abc"));
    s.PrintOrientationRadioGroup->SetItemIndex(0);
    s.PrintDocumentNameEdit->SetStringWithEvent(QStringLiteral("Gate"));
    s.PrintPaperSizeComboBox->setCurrentIndex(3);
    return int(mrCancel);
  });
  f.form.SettingsButtonClick();
  EXPECT_DOUBLE_EQ(f.form.PrintMarginLeft, 1);
  EXPECT_EQ(f.form.PrintOrientation, poLandscape);
  EXPECT_EQ(f.form.PrintSize, 0);
  EXPECT_DOUBLE_EQ(f.plot.PrintMarginLeft, 1);
  EXPECT_EQ(f.plot.PrintDocumentName, QStringLiteral("Untitled"));

  SetEditorModalRunner([](Form& form) {
    auto& s = dynamic_cast<TwPlotPreviewSettingsForm&>(form);
    s.PrintMarginLeftEdit->SetStringWithEvent(QStringLiteral("0.5"));
    s.PrintMarginTopEdit->SetStringWithEvent(QStringLiteral("abc"));
    s.PrintOrientationRadioGroup->SetItemIndex(0);
    s.PrintDocumentNameEdit->SetStringWithEvent(QStringLiteral("Gate"));
    s.PrintPaperSizeComboBox->setCurrentIndex(3);
    return int(mrOk);
  });
  f.form.SettingsButtonClick();
  EXPECT_DOUBLE_EQ(f.plot.PrintMarginLeft, 0.5);
  EXPECT_DOUBLE_EQ(f.plot.PrintMarginTop, 0);  // malformed text reads 0
  EXPECT_EQ(f.plot.PrintOrientation, poPortrait);
  EXPECT_EQ(f.plot.PrintDocumentName, QStringLiteral("Gate"));
  EXPECT_EQ(f.form.PrintSize, 3);
  EXPECT_EQ(f.form.windowTitle(), QStringLiteral("Gate (Preview)"));
}

TEST(PlotPreview, PreviewChartCopiesThePrintSettingsAndStartsOnLetter) {
  RunnerReset reset;
  TwXYPlot plot;
  plot.PrintMarginLeft = 0.25;
  plot.PrintOrientation = poPortrait;
  plot.PrintDocumentName = QStringLiteral("Curve");
  int opened = 0;
  SetEditorModalRunner([&](Form& form) {
    if (auto* preview = dynamic_cast<TwPlotPreviewForm*>(&form)) {
      ++opened;
      EXPECT_EQ(preview->PrintSize, 0);
      EXPECT_EQ(preview->wComponent, &plot);
      EXPECT_DOUBLE_EQ(preview->PrintMarginLeft, 0.25);
      EXPECT_EQ(preview->PrintOrientation, poPortrait);
      EXPECT_EQ(preview->windowTitle(), QStringLiteral("Curve (Preview)"));
      preview->PrintSize = 4;
      return int(mrOk);
    }
    return int(mrCancel);
  });
  plot.PreviewChart();
  plot.PreviewChart();
  EXPECT_EQ(opened, 2);
}

}  // namespace
