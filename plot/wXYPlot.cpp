#include "plot/wXYPlot.h"

#include "platform/Form.h"

#include <QFontMetrics>
#include <QPainter>

#include <stdexcept>

namespace {
struct PlotDefaults {
  QColor background{0, 0, 0};
  QColor grid{0, 128, 0};
  int outerMargin = 5;
};
const PlotDefaults kPlot;
}  // namespace

TwXYPlot::TwXYPlot(QWidget* parent)
    : QWidget(parent),
      FXAxis(std::make_unique<TwPlotXAxis>(QStringLiteral("X-Axis 1"))),
      FYAxis(std::make_unique<TwPlotYAxis>(QStringLiteral("Y-Axis 1"))),
      FBackGroundColor(kPlot.background),
      FGridLineColor(kPlot.grid) {
  setAttribute(Qt::WA_OpaquePaintEvent, true);
  FXAxis->OnChange = [this](QObject*) { ObjectChanged(); };
  FYAxis->OnChange = [this](QObject*) { ObjectChanged(); };
  AddChannel();
  resize(500, 200);
}

TwXYPlot::~TwXYPlot() = default;

int TwXYPlot::Tag() const { return platform::Tag(this); }
void TwXYPlot::SetTag(int v) { platform::SetTag(this, v); }

TwXYPlotChannel* TwXYPlot::GetChannel(int index) const {
  if (index < 0 || index >= ChannelCount())
    throw std::out_of_range("List index out of bounds (" + std::to_string(index) + ")");
  return FChannels[index].get();
}

int TwXYPlot::AddChannel() {
  auto ch = std::make_unique<TwXYPlotChannel>(QStringLiteral("Channel %1").arg(FNextChannelNumber++));
  ch->OnChange = [this](QObject*) { ObjectChanged(); };
  FChannels.push_back(std::move(ch));
  update();
  return ChannelCount() - 1;
}

void TwXYPlot::DeleteChannel(int index) {
  GetChannel(index);  // range check
  FChannels.erase(FChannels.begin() + index);
  update();
}

void TwXYPlot::SetBackGroundColor(const QColor& v) { if (v != FBackGroundColor) { FBackGroundColor = v; update(); } }
void TwXYPlot::SetGridShow(bool v) { if (v != FGridShow) { FGridShow = v; update(); } }
void TwXYPlot::SetGridLineColor(const QColor& v) { if (v != FGridLineColor) { FGridLineColor = v; update(); } }

QRect TwXYPlot::DataViewRect() const {
  const QFontMetrics fmx(FXAxis->LabelsFont()), fmy(FYAxis->LabelsFont());
  const int m = kPlot.outerMargin;
  // Room for the half labels that overhang the data view's ends.
  const int top = m + fmy.height() / 2;
  const int right = m + fmx.horizontalAdvance(FXAxis->GetLabelText(FXAxis->Max())) / 2 + 1;
  const int left = m + FYAxis->RequiredWidth(fmy);
  const int bottom = m + FXAxis->RequiredWidth(fmx);
  return QRect(QPoint(left, top), QPoint(width() - 1 - right, height() - 1 - bottom));
}

void TwXYPlot::Layout() {
  const QRect v = DataViewRect();
  FXAxis->SetPixelRange(v.left(), v.right());
  FYAxis->SetPixelRange(v.bottom(), v.top());
}

void TwXYPlot::resizeEvent(QResizeEvent* e) {
  QWidget::resizeEvent(e);
  Layout();
}

void TwXYPlot::paintEvent(QPaintEvent*) {
  Layout();
  QPainter p(this);
  const QRect view = DataViewRect();
  drawBackground(p);
  drawDataView(p, view);
  drawChannels(p, view);
  drawAxes(p, view);
}

void TwXYPlot::drawBackground(QPainter& p) { p.fillRect(rect(), FBackGroundColor); }

void TwXYPlot::drawDataView(QPainter& p, const QRect& view) {
  if (!FGridShow) return;
  FXAxis->DrawGridLines(p, view, FGridLineColor);
  FYAxis->DrawGridLines(p, view, FGridLineColor);
  p.setPen(FGridLineColor);
  p.setBrush(Qt::NoBrush);
  p.drawRect(view);
}

void TwXYPlot::drawChannels(QPainter& p, const QRect& view) {
  p.save();
  p.setClipRect(view.adjusted(0, 0, 1, 1));
  for (const auto& ch : FChannels) ch->Draw(p, *FXAxis, *FYAxis);
  p.restore();
}

void TwXYPlot::drawAxes(QPainter& p, const QRect& view) {
  FXAxis->Draw(p, view);
  FYAxis->Draw(p, view);
}
