#include "plot/wXYPlot.h"

#include <typeinfo>

#include "platform/Form.h"

namespace {
// Enables the layout manager again however construction ends.
struct LayoutEnabler {
  TwPlotComponent* plot;
  ~LayoutEnabler() { plot->EnableLayoutManager(); }
};
}  // namespace

TwXYPlot::TwXYPlot(QWidget* parent) : TwPlotComponent(parent) {
  Master()->SetChannelClass([](TwPlotComponent* o, TwNotifyEvent c, TwNotifyEvent i, TwNotifyEvent r,
                               TwNotifyEvent n) -> TwPlotChannelCustom* {
    return new TwXYPlotChannel(o, std::move(c), std::move(i), std::move(r), std::move(n));
  });
  DisableLayoutManager();
  LayoutEnabler enabler{this};
  AddStandardObjects();
}

TwXYPlotChannel* TwXYPlot::GetChannel(int Index) const {
  auto* channel = dynamic_cast<TwXYPlotChannel*>(GetChannelCustom(Index));
  if (!channel) throw std::bad_cast();
  return channel;
}

int TwXYPlot::Tag() const { return platform::Tag(this); }
void TwXYPlot::SetTag(int v) { platform::SetTag(this, v); }

void SetupFormPlot(TwXYPlot* Plot) {
  Plot->SetUserCanEditObjects(false);
  Plot->SetBorderStyle(ibsNone);
  Plot->SetDataViewZHorz(1);
  Plot->SetDataViewZVert(1);
  Plot->SetBackGroundGradientEnabled(false);
  Plot->SetCopyToClipBoardFormat(ipefMetaFile);
  Plot->SetEditorFormStyle(ipfsModal);
  Plot->AnnotationDefaultBrushColor = platform::clWhite;
  Plot->AnnotationDefaultPenColor = platform::clWhite;
  platform::TFont font = Plot->AnnotationDefaultFont();
  font.Color = platform::clWhite;
  Plot->SetAnnotationDefaultFont(font);
  Plot->AnnotationDefaultReference = iprtChannel;
  Plot->AnnotationDefaultReferencePositionX = ipriChannel;
  Plot->AnnotationDefaultReferencePositionY = ipriChannel;
  Plot->AnnotationDefaultReferenceSizeX = ipriChannel;
  Plot->AnnotationDefaultReferenceSizeY = ipriChannel;
  Plot->SetHintsShow(true);
  platform::TFont hintsFont = Plot->HintsFont();
  hintsFont.Name = QStringLiteral("MS Sans Serif");
  hintsFont.Color = platform::clWindowText;
  Plot->SetHintsFont(hintsFont);
  if (Plot->LabelCount()) {
    TwPlotLabel* title = Plot->GetLabel(0);
    title->SetCaption(QStringLiteral("Untitled"));
    title->SetVisible(false);
    title->SetHorizontal(true);
    title->SetZOrder(2);
    platform::TFont titleFont = title->Font();
    titleFont.Name = QStringLiteral("Arial");
    titleFont.Height = -19;
    titleFont.Style = platform::fsBold;
    titleFont.Color = platform::clWhite;
    title->SetFont(titleFont);
  }
  for (int i = 0; i < Plot->ToolBarCount(); ++i) Plot->GetToolBar(i)->SetVisible(false);
  for (int i = 0; i < Plot->LegendCount(); ++i) {
    TwPlotLegend* legend = Plot->GetLegend(i);
    legend->SetVisible(false);
    legend->SetHorizontal(false);
    legend->SetZOrder(2);
    legend->SetStopPercent(100);
    legend->SetEnabled(false);
    legend->SetPopupEnabled(false);
    legend->SetCanFocus(false);
    legend->SetMarginLeft(1.0);
    legend->SetMarginTop(1.0);
    legend->SetMarginRight(1.0);
    legend->SetMarginBottom(1.0);
    platform::TFont font = legend->Font();
    font.Name = QStringLiteral("MS Sans Serif");
    font.Height = -11;
    font.Color = platform::clWhite;
    legend->SetFont(font);
    platform::TFont selected = legend->SelectedItemFont();
    selected.Color = platform::clBlack;
    legend->SetSelectedItemFont(selected);
    platform::TFont titles = legend->ColumnTitlesFont();
    titles.Color = platform::clAqua;
    titles.Style = platform::fsBold;
    legend->SetColumnTitlesFont(titles);
    legend->SetColumnSpacing(0.5);
    legend->SetRowSpacing(0.25);
    legend->SetWrapColDesiredCount(1);
    legend->SetWrapColAutoCountEnabled(false);
    legend->SetWrapColAutoCountMax(100);
    legend->SetWrapColSpacingMin(2.0);
    legend->SetWrapColSpacingAuto(true);
    legend->SetWrapRowDesiredCount(5);
    legend->SetWrapRowAutoCountEnabled(true);
    legend->SetWrapRowAutoCountMax(100);
    legend->SetWrapRowSpacingMin(0.25);
    legend->SetWrapRowSpacingAuto(false);
    legend->SetLineColumnHeight(3);
    legend->SetCaptionColumnTitle(QStringLiteral("Title"));
    legend->SetCaptionColumnXAxisTitle(QStringLiteral("X-Axis"));
    legend->SetCaptionColumnYAxisTitle(QStringLiteral("Y-Axis"));
    legend->SetCaptionColumnXValue(QStringLiteral("X"));
    legend->SetCaptionColumnYValue(QStringLiteral("Y"));
    legend->SetCaptionColumnYMax(QStringLiteral("Y-Max"));
    legend->SetCaptionColumnYMin(QStringLiteral("Y-Min"));
    legend->SetCaptionColumnYMean(QStringLiteral("Y-Mean"));
  }
  for (int i = 0; i < Plot->DataCursorCount(); ++i) {
    TwPlotDataCursor* cursor = Plot->GetDataCursor(i);
    cursor->SetVisible(false);
    platform::TFont cursorFont = cursor->Font();
    cursorFont.Name = QStringLiteral("MS Sans Serif");
    cursorFont.Height = -11;
    cursorFont.Color = platform::clWindowText;
    cursor->SetFont(cursorFont);
  }
  for (int i = 0; i < Plot->XAxisCount() + Plot->YAxisCount(); ++i) {
    const bool x = i < Plot->XAxisCount();
    TwPlotAxis* axis = x ? static_cast<TwPlotAxis*>(Plot->GetXAxis(i)) : Plot->GetYAxis(i - Plot->XAxisCount());
    axis->SetRestoreValuesOnResume(false);
    axis->SetTrackingEnabled(false);
    axis->SetScrollMinMaxEnabled(false);
    axis->SetMasterUIInput(false);
    axis->SetMinSpan(-100, 120);
    axis->SetDesiredStart(20);
    axis->SetDesiredIncrement(10);
    axis->SetLabelsPrecision(2);
    axis->SetLabelsMargin(0.25);
    axis->SetLabelsMinLength(x ? 5 : 3);
    axis->SetTitleMargin(1);
    axis->SetStackingEndsMargin(x ? 1 : 0.5);
    axis->SetLabelSeparation(x ? 0 : 1);
    if (x) {
      axis->SetMajorLength(9);
      axis->SetMinorLength(13);
      axis->SetMinorCount(4);
    } else {
      axis->SetMinorLength(8);
    }
    // The forms' face at 10 pixels: 6-pixel digits, so that the dialog's
    // narrow X axis still labels every 20 dB.
    platform::TFont labels = axis->LabelsFont();
    labels.Name = QStringLiteral("MS Sans Serif");
    labels.Height = -10;
    labels.Color = platform::clYellow;
    axis->SetLabelsFont(labels);
    axis->SetScaleLinesShow(false);
    axis->SetGridLinesVisible(true);
    axis->SetTitleShow(false);
    axis->SetEnabled(false);
    axis->SetPopupEnabled(false);
    axis->SetCanFocus(false);
  }
  for (int i = 0; i < Plot->DataViewCount(); ++i) {
    TwPlotDataView* view = Plot->GetDataView(i);
    view->SetLayer(0);
    view->SetPopupEnabled(false);
    view->SetCanFocus(false);
    if (Plot->XAxisCount()) view->SetGridXAxisName(Plot->GetXAxis(0)->Name());
    if (Plot->YAxisCount()) view->SetGridYAxisName(Plot->GetYAxis(0)->Name());
    view->SetAxesControlEnabled(false);
    view->AxesControlMouseStyle = ipacsBoth;
    view->AxesControlWheelStyle = ipacsXAxis;
  }
}

void SetupTransferChannels(TwXYPlot* Plot, int Channels) {
  using platform::RGB;
  while (Plot->ChannelCount() < Channels) Plot->AddChannel();
  const platform::TColor markers[2] = {RGB(255, 128, 128), RGB(255, 255, 128)};
  for (int i = 0; i < Channels; ++i) {
    TwXYPlotChannel* channel = Plot->GetChannel(i);
    channel->SetDataStyle(ipdsStandard);
    channel->SetXAxisName(QStringLiteral("X-Axis 1"));
    channel->SetYAxisName(QStringLiteral("Y-Axis 1"));
    channel->SetMarkersTurnOffLimit(0);
    if (i == 0) {
      channel->SetColor(platform::clWhite);
      channel->SetTraceLineWidth(2);
      continue;
    }
    channel->SetColor(markers[(i - 1) % 2]);
    channel->SetTraceLineStyle(iplsDot);
    channel->SetTraceLineWidth(5);
    channel->SetMarkersVisible(true);
    channel->SetMarkersSize(5);
    channel->SetMarkersPenWidth(3);
    channel->SetMarkersAllowIndividual(true);
  }
}
