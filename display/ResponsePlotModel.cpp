#include "display/ResponsePlotModel.h"

#include <algorithm>
#include <cmath>

namespace display {

namespace {

// A setter that changes nothing returns at once; otherwise it stores and
// tells the caller to go on with the follow-up steps.
template <typename T>
bool Store(T& field, const T& value) {
    if (field == value)
        return false;
    field = value;
    return true;
}

// Scale from [min, max] onto [0, pixels]; a zero span maps everything to 0.
double Scale(double v, double min, double max, int pixels) {
    const double span = max - min;
    return span == 0.0 ? 0.0 : pixels * (v - min) / span;
}

}  // namespace

ResponsePlotModel::ResponsePlotModel(const ResponsePlotModel& other) {
    AssignPlot(other);
}

// ---- Notifications ----

void ResponsePlotModel::SetRedrawHandler(std::function<void(PlotRedraw, int)> handler) {
    redraw_ = std::move(handler);
}

void ResponsePlotModel::Change() {
    if (OnChange)
        OnChange();
}

void ResponsePlotModel::Request(PlotRedraw step, int key) const {
    if (redraw_)
        redraw_(step, key);
}

void ResponsePlotModel::RequestIfAuto(PlotRedraw step, int key) const {
    if (p_.AutoRedraw)
        Request(step, key);
}

// ---- Properties ----

void ResponsePlotModel::SetAutoRedraw(bool value) {
    if (Store(p_.AutoRedraw, value) && value)
        Request(PlotRedraw::Redraw);
}

void ResponsePlotModel::SetAxisColor(TColor value) {
    if (Store(p_.AxisColor, value))
        Request(PlotRedraw::Axis);
}

void ResponsePlotModel::SetAxisStyle(TMyAxisStyle value) {
    if (Store(p_.AxisStyle, value))
        RequestIfAuto(PlotRedraw::PlotsAndLabels);
}

void ResponsePlotModel::SetXAxisFormat(TMyAxisFormat value) {
    if (!Store(p_.XAxisFormat, value))
        return;
    FindXMaxMin();
    if (value == TMyAxisFormat::Log)
        LogRangeFixX();
    RequestIfAuto(PlotRedraw::PlotsAndLabels);
}

void ResponsePlotModel::SetYAxisFormat(TMyAxisFormat value) {
    if (!Store(p_.YAxisFormat, value))
        return;
    FindYMaxMin();
    if (value == TMyAxisFormat::Log)
        LogRangeFixY();
    RequestIfAuto(PlotRedraw::PlotsAndLabels);
}

void ResponsePlotModel::LogRangeFixX() {
    if (p_.XMax <= 0.0) {
        p_.XMax = 10.0;
        p_.XMin = 1.0;
    } else if (p_.XMin <= 0.0) {
        p_.XMin = p_.XMax * 0.1;
    }
    logXMin_ = std::log10(p_.XMin);
    logXMax_ = std::log10(p_.XMax);
}

void ResponsePlotModel::LogRangeFixY() {
    if (p_.YMax <= 0.0) {
        p_.YMax = 10.0;
        p_.YMin = 1.0;
    } else if (p_.YMin <= 0.0) {
        p_.YMin = p_.YMax * 0.1;
    }
    logYMin_ = std::log10(p_.YMin);
    logYMax_ = std::log10(p_.YMax);
}

// Showing or hiding labels, titles or changing fonts moves the page borders.
#define DSP_LAYOUT_SETTER(Name, Type, Step)            \
    void ResponsePlotModel::Set##Name(Type value) {    \
        if (!Store(p_.Name, value))                    \
            return;                                    \
        Request(PlotRedraw::Layout);                   \
        RequestIfAuto(PlotRedraw::Step);               \
    }
DSP_LAYOUT_SETTER(ShowXLabel, bool, Redraw)
DSP_LAYOUT_SETTER(ShowYLabel, bool, Redraw)
DSP_LAYOUT_SETTER(ShowXTitle, bool, Redraw)
DSP_LAYOUT_SETTER(ShowYTitle, bool, Redraw)
DSP_LAYOUT_SETTER(ShowPlotTitle, bool, Redraw)
DSP_LAYOUT_SETTER(YTitle, const std::string&, Titles)
DSP_LAYOUT_SETTER(YLabel, const std::string&, PlotsAndLabels)
DSP_LAYOUT_SETTER(PlotTitleFont, const PlotFont&, Redraw)
DSP_LAYOUT_SETTER(AxisTitleFont, const PlotFont&, Redraw)
DSP_LAYOUT_SETTER(AxisLabelFont, const PlotFont&, Redraw)
DSP_LAYOUT_SETTER(MouseCoordFont, const PlotFont&, PlotsAndLabels)
#undef DSP_LAYOUT_SETTER

// Label formats change the label widths: the same steps as showing the labels
// of their own axis again.
#define DSP_LABEL_SETTER(Name, Type)                   \
    void ResponsePlotModel::Set##Name(Type value) {    \
        if (!Store(p_.Name, value))                    \
            return;                                    \
        Request(PlotRedraw::Layout);                   \
        RequestIfAuto(PlotRedraw::Redraw);             \
    }
DSP_LABEL_SETTER(YLabelPrecision, int)
DSP_LABEL_SETTER(XLabelPrecision, int)
DSP_LABEL_SETTER(XLabelDigits, int)
DSP_LABEL_SETTER(YLabelDigits, int)
DSP_LABEL_SETTER(YLabelFormat, TStringFloatFormat)
DSP_LABEL_SETTER(XLabelFormat, TStringFloatFormat)
#undef DSP_LABEL_SETTER

#define DSP_PLAIN_SETTER(Name, Type, Step)             \
    void ResponsePlotModel::Set##Name(Type value) {    \
        if (Store(p_.Name, value))                     \
            RequestIfAuto(PlotRedraw::Step);           \
    }
DSP_PLAIN_SETTER(YLabelScale, double, PlotsAndLabels)
DSP_PLAIN_SETTER(ShowVertGrid, bool, AllPlots)
DSP_PLAIN_SETTER(ShowHorzGrid, bool, AllPlots)
DSP_PLAIN_SETTER(ShowVertTicks, bool, AllPlots)
DSP_PLAIN_SETTER(ShowHorzTicks, bool, AllPlots)
DSP_PLAIN_SETTER(GridColor, TColor, AllPlots)
DSP_PLAIN_SETTER(XTitle, const std::string&, Titles)
DSP_PLAIN_SETTER(PlotTitle, const std::string&, Titles)
DSP_PLAIN_SETTER(ShowCoordinates, bool, MouseCoordinates)
#undef DSP_PLAIN_SETTER

void ResponsePlotModel::SetYAutoScale(bool value) {
    if (!Store(p_.YAutoScale, value))
        return;
    FindYMaxMin();
    RequestIfAuto(PlotRedraw::PlotsAndLabels);
}

void ResponsePlotModel::SetXAutoScale(bool value) {
    if (!Store(p_.XAutoScale, value))
        return;
    FindXMaxMin();
    RequestIfAuto(PlotRedraw::PlotsAndLabels);
}

void ResponsePlotModel::RangeChanged() {
    CompareMaxMin();
    CalculateLogMaxMin();
    RequestIfAuto(PlotRedraw::PlotsAndLabels);
}

void ResponsePlotModel::SetYMax(double value) {
    if (Store(p_.YMax, value))
        RangeChanged();
}

void ResponsePlotModel::SetYMin(double value) {
    if (Store(p_.YMin, value))
        RangeChanged();
}

void ResponsePlotModel::SetXMax(double value) {
    if (Store(p_.XMax, value))
        RangeChanged();
}

void ResponsePlotModel::SetXMin(double value) {
    if (Store(p_.XMin, value))
        RangeChanged();
}

void ResponsePlotModel::SetPointSize(int value) {
    if (Store(p_.PointSize, std::clamp(value, 1, 10)))
        RequestIfAuto(PlotRedraw::AllPlots);
}

void ResponsePlotModel::SetVertTickLength(int value) {
    if (Store(p_.VertTickLength, std::clamp(value, 0, std::max(height_, 0))))
        RequestIfAuto(PlotRedraw::AllPlots);
}

void ResponsePlotModel::SetHorzTickLength(int value) {
    if (Store(p_.HorzTickLength, std::clamp(value, 0, std::max(width_, 0))))
        RequestIfAuto(PlotRedraw::AllPlots);
}

void ResponsePlotModel::SetNumVertGrid(int value) {
    if (Store(p_.NumVertGrid, std::max(value, 0)))
        RequestIfAuto(PlotRedraw::PlotsAndLabels);
}

void ResponsePlotModel::SetNumHorzGrid(int value) {
    if (Store(p_.NumHorzGrid, std::max(value, 0)))
        RequestIfAuto(PlotRedraw::PlotsAndLabels);
}

void ResponsePlotModel::SetMouseCoordinates(double x, double y) {
    mouseX_ = x;
    mouseY_ = y;
}

void ResponsePlotModel::SetSize(int width, int height) {
    width_ = width;
    height_ = height;
}

void ResponsePlotModel::SetLineSize(int value) {
    lineSize_ = value;
}

// ---- Curves ----

void ResponsePlotModel::CurvesChanged(PlotRedraw step) {
    FindXMaxMin();
    FindYMaxMin();
    RequestIfAuto(step);
}

bool ResponsePlotModel::FFTDraw(const double* y, int count, int key, TColor colour, TMyPlotStyle style) {
    // Every plot redraws its curves of 4096 points on each edit: keep the
    // indices instead of rebuilding them.
    for (std::size_t i = indices_.size(); i < static_cast<std::size_t>(std::max(count, 0)); ++i)
        indices_.push_back(static_cast<double>(i));
    return FFTDraw(indices_.data(), y, count, key, colour, style);
}

bool ResponsePlotModel::FFTDraw(const double* x, const double* y, int count, int key, TColor colour,
                                TMyPlotStyle style) {
    const bool replaced = list_.AddOrReplace(x, y, count, key, colour, style);
    CurvesChanged(PlotRedraw::PlotsAndLabelsNoUpdate);
    return replaced;
}

bool ResponsePlotModel::FFTDraw(const double* y, int count, double firstX, double lastX, int key, TColor colour,
                                TMyPlotStyle style) {
    std::vector<double> x(static_cast<std::size_t>(std::max(count, 0)));
    // A single point has no spacing: it stands at firstX.
    const double step = count > 1 ? (lastX - firstX) / (count - 1) : 0.0;
    for (std::size_t i = 0; i < x.size(); ++i)
        x[i] = firstX + step * static_cast<double>(i);
    return FFTDraw(x.data(), y, count, key, colour, style);
}

bool ResponsePlotModel::RemovePlot(int key) {
    if (!list_.Remove(key))
        return false;
    CurvesChanged(PlotRedraw::PlotsAndLabelsNoUpdate);
    return true;
}

bool ResponsePlotModel::GetPlotStyle(TMyPlotStyle& style, int key) const {
    const TPlotListMember* m = list_.Find(key);
    if (m)
        style = m->PlotStyle;
    return m != nullptr;
}

bool ResponsePlotModel::GetPlotColor(TColor& colour, int key) const {
    const TPlotListMember* m = list_.Find(key);
    if (m)
        colour = m->PlotColor;
    return m != nullptr;
}

bool ResponsePlotModel::GetPlotNumPoints(int& count, int key) const {
    const TPlotListMember* m = list_.Find(key);
    if (m)
        count = m->NumPoints();
    return m != nullptr;
}

bool ResponsePlotModel::GetPlotX(std::vector<double>& x, int key) const {
    const TPlotListMember* m = list_.Find(key);
    if (m)
        x = m->XValues;
    return m != nullptr;
}

bool ResponsePlotModel::GetPlotY(std::vector<double>& y, int key) const {
    const TPlotListMember* m = list_.Find(key);
    if (m)
        y = m->YValues;
    return m != nullptr;
}

bool ResponsePlotModel::SetPlotStyle(TMyPlotStyle style, int key) {
    TPlotListMember* m = list_.Find(key);
    if (!m)
        return false;
    m->PlotStyle = style;
    RequestIfAuto(PlotRedraw::AllPlots);
    return true;
}

bool ResponsePlotModel::SetPlotColor(TColor colour, int key) {
    TPlotListMember* m = list_.Find(key);
    if (!m)
        return false;
    m->PlotColor = colour;
    Request(PlotRedraw::OnePlot, key);
    return true;
}

void ResponsePlotModel::AssignPlot(const ResponsePlotModel& other) {
    if (&other == this)
        return;
    list_ = TPlotList(other.list_);
    AssignPlotProperties(other);
    FindXMaxMin();
    FindYMaxMin();
    Request(PlotRedraw::Layout);
    RequestIfAuto(PlotRedraw::Redraw);
}

void ResponsePlotModel::AssignPlotData(const ResponsePlotModel& other) {
    if (&other == this)
        return;
    list_ = TPlotList(other.list_);
    FindXMaxMin();
    FindYMaxMin();
    Request(PlotRedraw::Layout);
    RequestIfAuto(PlotRedraw::Redraw);
}

void ResponsePlotModel::AppendPlotData(const ResponsePlotModel& other) {
    list_.Append(other.list_);
    FindXMaxMin();
    FindYMaxMin();
    Request(PlotRedraw::Layout);
    RequestIfAuto(PlotRedraw::Redraw);
}

void ResponsePlotModel::AssignPlotProperties(const ResponsePlotModel& other) {
    const TSampleRate ownRate = p_.SampleRate;
    p_ = other.p_;
    p_.SampleRate = ownRate;
    // As if written through the setters: clamps against this control's size
    // and the range repairs.
    p_.VertTickLength = std::clamp(p_.VertTickLength, 0, std::max(height_, 0));
    p_.HorzTickLength = std::clamp(p_.HorzTickLength, 0, std::max(width_, 0));
    CompareMaxMin();
    CalculateLogMaxMin();
    RequestIfAuto(PlotRedraw::Redraw);
}

// ---- Ranges ----

void ResponsePlotModel::SetXYMinMax(double xMin, double xMax, double yMin, double yMax) {
    p_.XMin = xMin;
    p_.XMax = xMax;
    p_.YMin = yMin;
    p_.YMax = yMax;
    CalculateLogMaxMin();
    CompareMaxMin();
    RequestIfAuto(PlotRedraw::PlotsAndLabels);
}

namespace {

// Extremes of every finite value of one coordinate of every curve; false when
// there is none (no curves, empty curves, or only infinite values).
template <typename Values>
bool FindExtremes(const TPlotList& list, Values values, double& max, double& min) {
    bool any = false;
    for (const TPlotListMember& m : list.Members())
        for (double v : values(m)) {
            if (!std::isfinite(v))
                continue;
            if (!any) {
                max = min = v;
                any = true;
            }
            max = std::max(max, v);
            min = std::min(min, v);
        }
    return any;
}

}  // namespace

void ResponsePlotModel::FindXMaxMin() {
    if (!p_.XAutoScale)
        return;
    if (!FindExtremes(list_, [](const TPlotListMember& m) -> const auto& { return m.XValues; }, p_.XMax, p_.XMin)) {
        p_.XMax = 1.0;
        p_.XMin = -1.0;
    }
    CompareMaxMin();
    CalculateLogMaxMin();
}

void ResponsePlotModel::FindYMaxMin() {
    if (!p_.YAutoScale)
        return;
    if (!FindExtremes(list_, [](const TPlotListMember& m) -> const auto& { return m.YValues; }, p_.YMax, p_.YMin)) {
        p_.YMax = 1.0;
        p_.YMin = -1.0;
    }
    CompareMaxMin();
    CalculateLogMaxMin();
}

void ResponsePlotModel::CompareMaxMin() {
    if (p_.YMax == p_.YMin)
        p_.YMax = p_.YAxisFormat == TMyAxisFormat::Log ? p_.YMin * 10.0 : p_.YMax + 1.0;
    if (p_.XMax == p_.XMin)
        p_.XMax = p_.XAxisFormat == TMyAxisFormat::Log ? p_.XMin * 10.0 : p_.XMax + 1.0;
}

void ResponsePlotModel::CalculateLogMaxMin() {
    if (p_.XAxisFormat == TMyAxisFormat::Log) {
        if (p_.XMax <= 0.0)
            p_.XMax = 10.0;
        if (p_.XMin <= 0.0)
            p_.XMin = p_.XMax * 0.1;
        logXMax_ = std::log10(p_.XMax);
        logXMin_ = std::log10(p_.XMin);
    }
    if (p_.YAxisFormat == TMyAxisFormat::Log) {
        if (p_.YMax <= 0.0)
            p_.YMax = 10.0;
        if (p_.YMin <= 0.0)
            p_.YMin = p_.YMax * 0.01;
        logYMax_ = std::log10(p_.YMax);
        logYMin_ = std::log10(p_.YMin);
    }
}

// ---- Mapping ----

void ResponsePlotModel::SetPlotArea(int left, int top, int right, int bottom) {
    plotLeft_ = left;
    plotTop_ = top;
    plotWidth_ = right - left;
    plotHeight_ = bottom - top;
}

bool ResponsePlotModel::SetPlotWidth(int width) {
    plotWidth_ = width;
    return true;
}

double ResponsePlotModel::ScreenX(double x) const {
    if (p_.XAxisFormat == TMyAxisFormat::Log) {
        const double v = x > 0.0 ? std::log10(x) : std::log10(p_.XMin * 0.1);
        return Scale(v, logXMin_, logXMax_, plotWidth_);
    }
    return Scale(x, p_.XMin, p_.XMax, plotWidth_);
}

double ResponsePlotModel::ScreenY(double y) const {
    if (p_.YAxisFormat == TMyAxisFormat::Log) {
        const double v = y > 0.0 ? std::log10(y) : std::log10(p_.YMin * 0.1);
        return plotHeight_ - Scale(v, logYMin_, logYMax_, plotHeight_);
    }
    return plotHeight_ - Scale(y, p_.YMin, p_.YMax, plotHeight_);
}

double ResponsePlotModel::PlotX(double px) const {
    // Before the first layout there is no plot area to measure against.
    const double fraction = plotWidth_ > 0 ? (px - plotLeft_) / plotWidth_ : 0.0;
    if (p_.XAxisFormat == TMyAxisFormat::Log)
        return std::pow(10.0, logXMin_ + fraction * (logXMax_ - logXMin_));
    return p_.XMin + fraction * (p_.XMax - p_.XMin);
}

double ResponsePlotModel::PlotY(double py) const {
    const double fraction = plotHeight_ > 0 ? (plotHeight_ - (py - plotTop_)) / plotHeight_ : 0.0;
    if (p_.YAxisFormat == TMyAxisFormat::Log)
        return std::pow(10.0, fraction * (logYMax_ - logYMin_) + logYMin_);
    return fraction * (p_.YMax - p_.YMin) + p_.YMin;
}

int ResponsePlotModel::PointCount() const {
    return 256 << static_cast<int>(p_.FFTNuimber);
}

double ResponsePlotModel::TopFrequency() const {
    return 24000.0 * (static_cast<int>(p_.SampleRate) + 1);
}

double ResponsePlotModel::FrequencyToX(double frequency) const {
    return PointCount() * std::log10(frequency) / std::log10(TopFrequency());
}

double ResponsePlotModel::XToFrequency(double x) const {
    return std::pow(10.0, x * std::log10(TopFrequency()) / PointCount());
}

}  // namespace display
