// Data model of the response plot control: its curves, its published
// properties, the axis ranges with auto scale and the log-axis rules, and the
// mapping between axis values and plot-area pixels. It draws nothing: the
// widget that shows it registers a redraw handler and is asked for the
// drawing step each change needs, and tells the model where its plot area
// lies (SetPlotArea) after each layout.
//
// X axis units are grid points, not hertz: point i of an N-point curve stands
// for 10^(i log10(F) / N) Hz, N from `FFTNuimber`, F from `SampleRate`.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "display/PlotList.h"

namespace display {

enum class TMyAxisStyle { Box, Centered, CenteredBox, LB, None };
enum class TMyAxisFormat { Linear, Log };
enum class TFFTNumber { n256, n512, n1024, n2048, n4096 };
enum class TSampleRate { n48000, n96000, n192000 };
enum class TStringFloatFormat { sffGeneral, sffExponent, sffFixed, sffNumber, sffCurrency };

inline constexpr TColor clLime = 0x00FF00;
inline constexpr TColor clYellow = 0x00FFFF;

struct PlotFont {
    std::string Name = "Tahoma";
    int Height = -11;  // negative: character height in pixels
    TColor Color = clLime;
    bool Bold = false;
    bool Italic = false;

    bool operator==(const PlotFont&) const = default;
};

// The drawing step a change asks the widget for.
enum class PlotRedraw {
    Redraw,                   // everything, layout included
    Layout,                   // page sizes only (ResizePaintPage)
    PlotsAndLabels,
    PlotsAndLabelsNoUpdate,   // as PlotsAndLabels, without copying to the screen
    AllPlots,
    OnePlot,                  // the curve with the given key, then the screen
    Axis,
    Titles,
    MouseCoordinates,         // clear the coordinate page, then AllPlots
};

// Published properties with the values the control starts with.
struct ResponsePlotProperties {
    bool AutoRedraw = true;
    TColor AxisColor = 0x8C00;
    TMyAxisStyle AxisStyle = TMyAxisStyle::CenteredBox;
    TMyAxisFormat XAxisFormat = TMyAxisFormat::Linear;
    TMyAxisFormat YAxisFormat = TMyAxisFormat::Linear;
    bool ShowXLabel = true;
    bool ShowYLabel = true;
    bool YAutoScale = true;
    bool XAutoScale = true;
    double YLabelScale = 1.0;
    double YMax = 18.0;
    double YMin = -18.0;
    double XMax = 4130.0;
    double XMin = 1030.0;
    bool ShowCoordinates = true;
    int YLabelPrecision = 5;
    int XLabelPrecision = 4;
    int XLabelDigits = 4;
    int YLabelDigits = 4;
    TStringFloatFormat YLabelFormat = TStringFloatFormat::sffGeneral;
    TStringFloatFormat XLabelFormat = TStringFloatFormat::sffGeneral;
    int PointSize = 2;
    bool MouseControl = true;
    bool ShowVertGrid = true;
    bool ShowHorzGrid = true;
    bool ShowVertTicks = true;
    bool ShowHorzTicks = true;
    int VertTickLength = 0;
    int HorzTickLength = 0;
    int NumVertGrid = 10;
    int NumHorzGrid = 11;
    TColor GridColor = 0x4800;
    bool ShowXTitle = false;
    bool ShowYTitle = false;
    bool ShowPlotTitle = false;
    std::string XTitle = "Frequency ";
    std::string YTitle = "dB";
    std::string YLabel = "dB";
    std::string PlotTitle = "Frequency Response";
    PlotFont PlotTitleFont{};
    PlotFont AxisTitleFont{};
    PlotFont AxisLabelFont{.Color = clYellow};
    PlotFont MouseCoordFont{};
    TFFTNumber FFTNuimber = TFFTNumber::n4096;
    TSampleRate SampleRate = TSampleRate::n48000;
};

// What a Plot needs of the control besides its curves: the handle blocks and
// the selected band's parameter text and fill. The control registers itself
// with its model; a model without a control has none and draws nothing of it.
class PlotOverlayTarget {
public:
    virtual void DrawBlock(double y, double x, TColor colour, int index, bool hidden, int kind) = 0;
    virtual int SetBlockParameter(int index, double frequency, double gain, double q, int filterType) = 0;
    virtual void DrawParam(int kind, double gain, double x, float frequency, double q, TColor colour) = 0;
    virtual void DrawCurveFill(int kind, const double* values, int count) = 0;
    virtual bool SetCurveDisplay(bool value) = 0;

protected:
    ~PlotOverlayTarget() = default;
};

class ResponsePlotModel {
public:
    ResponsePlotModel() = default;
    // A copy of the other's curves (in reverse order) and properties.
    ResponsePlotModel(const ResponsePlotModel& other);
    ResponsePlotModel& operator=(const ResponsePlotModel&) = delete;

    // ---- Notifications ----
    // Called with the step to draw (and the curve key for OnePlot).
    void SetRedrawHandler(std::function<void(PlotRedraw, int key)> handler);
    std::function<void()> OnChange;
    // Calls OnChange if set; the model never calls it itself.
    void Change();
    // The control's handle blocks and band display; a copy has none.
    void SetOverlayTarget(PlotOverlayTarget* target) { overlays_ = target; }
    PlotOverlayTarget* OverlayTarget() const { return overlays_; }

    // ---- Properties (setters store, then repair or redraw as documented) ----
    const ResponsePlotProperties& Properties() const { return p_; }

    bool AutoRedraw() const { return p_.AutoRedraw; }
    void SetAutoRedraw(bool value);
    TColor AxisColor() const { return p_.AxisColor; }
    void SetAxisColor(TColor value);
    TMyAxisStyle AxisStyle() const { return p_.AxisStyle; }
    void SetAxisStyle(TMyAxisStyle value);
    TMyAxisFormat XAxisFormat() const { return p_.XAxisFormat; }
    void SetXAxisFormat(TMyAxisFormat value);
    TMyAxisFormat YAxisFormat() const { return p_.YAxisFormat; }
    void SetYAxisFormat(TMyAxisFormat value);
    bool ShowXLabel() const { return p_.ShowXLabel; }
    void SetShowXLabel(bool value);
    bool ShowYLabel() const { return p_.ShowYLabel; }
    void SetShowYLabel(bool value);
    bool YAutoScale() const { return p_.YAutoScale; }
    void SetYAutoScale(bool value);
    bool XAutoScale() const { return p_.XAutoScale; }
    void SetXAutoScale(bool value);
    double YLabelScale() const { return p_.YLabelScale; }
    void SetYLabelScale(double value);
    double YMax() const { return p_.YMax; }
    void SetYMax(double value);
    double YMin() const { return p_.YMin; }
    void SetYMin(double value);
    double XMax() const { return p_.XMax; }
    void SetXMax(double value);
    double XMin() const { return p_.XMin; }
    void SetXMin(double value);
    bool ShowCoordinates() const { return p_.ShowCoordinates; }
    void SetShowCoordinates(bool value);
    int YLabelPrecision() const { return p_.YLabelPrecision; }
    void SetYLabelPrecision(int value);
    int XLabelPrecision() const { return p_.XLabelPrecision; }
    void SetXLabelPrecision(int value);
    int XLabelDigits() const { return p_.XLabelDigits; }
    void SetXLabelDigits(int value);
    int YLabelDigits() const { return p_.YLabelDigits; }
    void SetYLabelDigits(int value);
    TStringFloatFormat YLabelFormat() const { return p_.YLabelFormat; }
    void SetYLabelFormat(TStringFloatFormat value);
    TStringFloatFormat XLabelFormat() const { return p_.XLabelFormat; }
    void SetXLabelFormat(TStringFloatFormat value);
    int PointSize() const { return p_.PointSize; }
    void SetPointSize(int value);  // kept within 1..10
    bool MouseControl() const { return p_.MouseControl; }
    void SetMouseControl(bool value) { p_.MouseControl = value; }
    bool ShowVertGrid() const { return p_.ShowVertGrid; }
    void SetShowVertGrid(bool value);
    bool ShowHorzGrid() const { return p_.ShowHorzGrid; }
    void SetShowHorzGrid(bool value);
    bool ShowVertTicks() const { return p_.ShowVertTicks; }
    void SetShowVertTicks(bool value);
    bool ShowHorzTicks() const { return p_.ShowHorzTicks; }
    void SetShowHorzTicks(bool value);
    int VertTickLength() const { return p_.VertTickLength; }
    void SetVertTickLength(int value);  // kept within 0..Height
    int HorzTickLength() const { return p_.HorzTickLength; }
    void SetHorzTickLength(int value);  // kept within 0..Width
    int NumVertGrid() const { return p_.NumVertGrid; }
    void SetNumVertGrid(int value);  // negative: 0
    int NumHorzGrid() const { return p_.NumHorzGrid; }
    void SetNumHorzGrid(int value);  // negative: 0
    TColor GridColor() const { return p_.GridColor; }
    void SetGridColor(TColor value);
    bool ShowXTitle() const { return p_.ShowXTitle; }
    void SetShowXTitle(bool value);
    bool ShowYTitle() const { return p_.ShowYTitle; }
    void SetShowYTitle(bool value);
    bool ShowPlotTitle() const { return p_.ShowPlotTitle; }
    void SetShowPlotTitle(bool value);
    const std::string& XTitle() const { return p_.XTitle; }
    void SetXTitle(const std::string& value);
    const std::string& YTitle() const { return p_.YTitle; }
    void SetYTitle(const std::string& value);
    const std::string& YLabel() const { return p_.YLabel; }
    void SetYLabel(const std::string& value);
    const std::string& PlotTitle() const { return p_.PlotTitle; }
    void SetPlotTitle(const std::string& value);
    const PlotFont& PlotTitleFont() const { return p_.PlotTitleFont; }
    void SetPlotTitleFont(const PlotFont& value);
    const PlotFont& AxisTitleFont() const { return p_.AxisTitleFont; }
    void SetAxisTitleFont(const PlotFont& value);
    const PlotFont& AxisLabelFont() const { return p_.AxisLabelFont; }
    void SetAxisLabelFont(const PlotFont& value);
    const PlotFont& MouseCoordFont() const { return p_.MouseCoordFont; }
    void SetMouseCoordFont(const PlotFont& value);
    TFFTNumber FFTNuimber() const { return p_.FFTNuimber; }
    void SetFFTNuimber(TFFTNumber value) { p_.FFTNuimber = value; }
    TSampleRate SampleRate() const { return p_.SampleRate; }
    void SetSampleRate(TSampleRate value) { p_.SampleRate = value; }

    // Axis values under the mouse, written by the widget's mouse handling.
    double MouseX() const { return mouseX_; }
    double MouseY() const { return mouseY_; }
    void SetMouseCoordinates(double x, double y);

    // The control's size (500 x 250 at construction); bounds the tick lengths.
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetSize(int width, int height);

    void SetLineSize(int value);
    int LineSize() const { return lineSize_; }

    // ---- Curves ----
    const TPlotList& PlotList() const { return list_; }
    // x values 0, 1, ... count - 1. True if a curve with this key was replaced
    // (which keeps its first colour and style).
    bool FFTDraw(const double* y, int count, int key, TColor colour, TMyPlotStyle style);
    bool FFTDraw(const double* x, const double* y, int count, int key, TColor colour, TMyPlotStyle style);
    // x values spread evenly from firstX to lastX.
    bool FFTDraw(const double* y, int count, double firstX, double lastX, int key, TColor colour,
                 TMyPlotStyle style);
    bool RemovePlot(int key);
    bool GetPlotStyle(TMyPlotStyle& style, int key) const;
    bool GetPlotColor(TColor& colour, int key) const;
    bool GetPlotNumPoints(int& count, int key) const;
    bool GetPlotX(std::vector<double>& x, int key) const;
    bool GetPlotY(std::vector<double>& y, int key) const;
    bool SetPlotStyle(TMyPlotStyle style, int key);
    bool SetPlotColor(TColor colour, int key);

    void AssignPlot(const ResponsePlotModel& other);
    void AssignPlotData(const ResponsePlotModel& other);
    void AppendPlotData(const ResponsePlotModel& other);
    void AssignPlotProperties(const ResponsePlotModel& other);

    // ---- Ranges ----
    void SetXYMinMax(double xMin, double xMax, double yMin, double yMax);
    void FindXMaxMin();
    void FindYMaxMin();
    void CompareMaxMin();
    void CalculateLogMaxMin();
    double LogXMin() const { return logXMin_; }
    double LogXMax() const { return logXMax_; }
    double LogYMin() const { return logYMin_; }
    double LogYMax() const { return logYMax_; }

    // ---- Mapping ----
    // Where the plot area lies in the control, set by the widget's layout.
    void SetPlotArea(int left, int top, int right, int bottom);
    int PlotLeft() const { return plotLeft_; }
    int PlotTop() const { return plotTop_; }
    int GetPlotWidth() const { return plotWidth_; }
    int GetPlotHeight() const { return plotHeight_; }
    bool SetPlotWidth(int width);

    // Axis value to plot-area pixel (unrounded; drawing truncates toward 0).
    double ScreenX(double x) const;
    double ScreenY(double y) const;
    double FFTScreenX(double x) const { return ScreenX(x); }
    double FFTScreenY(double y) const { return ScreenY(y); }
    // Control pixel to axis value. With no plot area yet: the axis minimum.
    double PlotX(double px) const;
    double PlotY(double py) const;

    // Frequency axis: curve points N, top frequency F, and f <-> x.
    int PointCount() const;
    double TopFrequency() const;
    double FrequencyToX(double frequency) const;
    double XToFrequency(double x) const;

private:
    void Request(PlotRedraw step, int key = 0) const;
    void RequestIfAuto(PlotRedraw step, int key = 0) const;
    void RangeChanged();
    void LogRangeFixX();
    void LogRangeFixY();
    void CurvesChanged(PlotRedraw step);

    ResponsePlotProperties p_;
    TPlotList list_;
    std::function<void(PlotRedraw, int)> redraw_;
    PlotOverlayTarget* overlays_ = nullptr;
    double mouseX_ = 0.0, mouseY_ = 0.0;
    int width_ = 500, height_ = 250;
    int lineSize_ = 0;
    double logXMin_ = 0.0, logXMax_ = 0.0, logYMin_ = 0.0, logYMax_ = 0.0;
    int plotLeft_ = 0, plotTop_ = 0, plotWidth_ = 0, plotHeight_ = 0;
    std::vector<double> indices_;  // 0, 1, 2, ... for the x values of FFTDraw
};

}  // namespace display
