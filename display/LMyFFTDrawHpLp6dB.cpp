// Layout, pages and rendering of the response plot: grid, ticks, axes,
// curves, labels and titles. Overlays and mouse handling are in
// LMyFFTDrawHpLp6dBOverlays.cpp.
#include "display/LMyFFTDrawHpLp6dB.h"

#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>
#include <QPen>
#include <QPolygon>
#include <QResizeEvent>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <tuple>
#include <utility>

#include "platform/Form.h"

namespace display {

using platform::Canvas;
using platform::TColor;
using platform::TPoint;
using platform::TRect;

namespace {

constexpr int kRightMargin = 10;
constexpr int kTopMarginWithoutTitle = 10;
constexpr double kXLabelRowHeights = 1.2;
// Decimal logarithms of the labelled frequencies: 20 Hz, 100 Hz, 1 kHz, 10 kHz,
// 20 kHz, then 50, 200, 500 Hz, 2 kHz, 5 kHz for plots wide enough.
constexpr double kFreqLabelTable[10] = {1.301029996, 2.0,         3.0,         4.0,         4.301029996,
                                        1.698970004, 2.301029996, 2.698970004, 3.301029996, 3.698970004};
constexpr int kNarrowFreqLabels = 4;
constexpr int kNarrowPlotWidth = 799;

// Truncation toward zero, safe for values no pixel can hold.
int Trunc(double v) {
    if (!std::isfinite(v))
        return v > 0 ? 1'000'000'000 : -1'000'000'000;
    return static_cast<int>(std::clamp(v, -1e9, 1e9));
}

platform::TFont ToTFont(const PlotFont& f) {
    platform::TFont font;
    font.Name = QString::fromStdString(f.Name);
    font.Height = f.Height;
    font.Color = f.Color;
    font.Style = (f.Bold ? platform::fsBold : 0u) | (f.Italic ? platform::fsItalic : 0u);
    return font;
}

QFontMetrics Metrics(const PlotFont& f) {
    return QFontMetrics(platform::ToQFont(ToTFont(f)));
}

int TextWidth(const PlotFont& f, const std::string& text) {
    return Metrics(f).horizontalAdvance(QString::fromStdString(text));
}

int TextHeight(const PlotFont& f) {
    return Metrics(f).height();
}

// The widest label any value can give: pi times every power of ten. Measured
// once per font and format: every plot lays out with the same few, and the
// 201 measurements are most of a layout's time.
int WidestLabel(const PlotFont& f, const std::string& prefix, TStringFloatFormat format, int precision,
                int digits) {
    using Key = std::tuple<std::string, int, bool, bool, std::string, int, int, int>;
    static std::map<Key, int> measured;
    const Key key{f.Name, f.Height, f.Bold, f.Italic, prefix, static_cast<int>(format), precision, digits};
    if (auto it = measured.find(key); it != measured.end())
        return it->second;
    const QFontMetrics m = Metrics(f);
    int widest = 0;
    for (int k = -100; k <= 100; ++k) {
        const std::string text = prefix + FormatLabelValue(std::pow(10.0, k) * M_PI, format, precision, digits);
        widest = std::max(widest, m.horizontalAdvance(QString::fromStdString(text)));
    }
    measured.emplace(key, widest);
    return widest;
}

std::string TrimZeros(std::string s) {
    if (s.find('.') == std::string::npos)
        return s;
    while (!s.empty() && s.back() == '0')
        s.pop_back();
    if (!s.empty() && s.back() == '.')
        s.pop_back();
    return s;
}

std::string Exponent(int e, bool plusSign, int digits) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%0*d", digits, std::abs(e));
    return std::string("E") + (e < 0 ? "-" : plusSign ? "+" : "") + buf;
}

std::string Grouped(const std::string& fixed) {
    const bool negative = !fixed.empty() && fixed[0] == '-';
    const std::string body = negative ? fixed.substr(1) : fixed;
    const std::size_t dot = std::min(body.find('.'), body.size());
    std::string out;
    for (std::size_t i = 0; i < dot; ++i) {
        if (i > 0 && (dot - i) % 3 == 0)
            out += ',';
        out += body[i];
    }
    return (negative ? "-" : "") + out + body.substr(dot);
}

}  // namespace

std::string FormatLabelValue(double value, TStringFloatFormat format, int precision, int digits) {
    precision = std::clamp(precision, 1, 18);
    digits = std::clamp(digits, 0, 18);
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value > 0 ? "INF" : "-INF";
    char buf[512];
    switch (format) {
    case TStringFloatFormat::sffGeneral: {
        if (value == 0.0)
            return "0";
        // Rounded to `precision` significant digits first: the exponent after
        // rounding decides between fixed and scientific.
        std::snprintf(buf, sizeof buf, "%.*e", precision - 1, value);
        const std::string sci = buf;
        const std::size_t e = sci.find('e');
        const int exp10 = std::atoi(sci.c_str() + e + 1);
        const int integerDigits = exp10 + 1;
        if (integerDigits > precision || integerDigits < -3)
            return TrimZeros(sci.substr(0, e)) + Exponent(exp10, false, digits);
        std::snprintf(buf, sizeof buf, "%.*f", std::max(precision - integerDigits, 0), value);
        std::string fixed = TrimZeros(buf);
        return fixed == "-0" ? "0" : fixed;
    }
    case TStringFloatFormat::sffExponent: {
        std::snprintf(buf, sizeof buf, "%.*e", precision - 1, value);
        const std::string sci = buf;
        const std::size_t e = sci.find('e');
        return sci.substr(0, e) + Exponent(std::atoi(sci.c_str() + e + 1), true, digits);
    }
    case TStringFloatFormat::sffFixed:
        std::snprintf(buf, sizeof buf, "%.*f", digits, value);
        return buf;
    case TStringFloatFormat::sffNumber:
        std::snprintf(buf, sizeof buf, "%.*f", digits, value);
        return Grouped(buf);
    case TStringFloatFormat::sffCurrency:
        std::snprintf(buf, sizeof buf, "%.*f", digits, std::fabs(value));
        return (value < 0 ? "-$" : "$") + Grouped(buf);
    }
    return {};
}

// ---- TPaintPage ----

void TPaintPage::Resize(int left, int top, int right, int bottom) {
    const int w = std::max(right - left, 0), h = std::max(bottom - top, 0);
    DestRect = {left, top, right, bottom};
    PageRect = {0, 0, w, h};
    bitmap_ = QImage();
    Drawn.reset();
}

QImage& TPaintPage::Bitmap() {
    if (bitmap_.isNull() && !Empty()) {
        bitmap_ = QImage(PageRect.Width(), PageRect.Height(), QImage::Format_RGB32);
        bitmap_.fill(0u);
    }
    return bitmap_;
}

void TPaintPage::DrawOn(QPainter& painter) const {
    const QRect dest = platform::ToQRect(DestRect);
    if (!bitmap_.isNull())
        painter.drawImage(dest.topLeft(), bitmap_);
    else if (!Empty())
        painter.fillRect(dest, QColor(0, 0, 0));
}

void TPaintPage::Clear(TColor colour) {
    Drawn.reset();
    if (!Empty())
        Bitmap().fill(platform::ToQColor(colour));
}

// ---- Construction ----

LMyFFTDrawHpLp6dB::LMyFFTDrawHpLp6dB(QWidget* parent)
    : QWidget(parent),
      pages_{&plotPage_,       &xLabelPage_,     &yLabelPage_,      &plotTitlePage_, &xTitlePage_,
             &yTitlePage_,     &rightMarginPage_, &yTitleTextPage_, &mouseCoordPage_},
      curveData_(CurveDataSize, 0.0) {
    // Every pixel is painted from the screen picture.
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Owners show a cross over handles while the mouse only hovers.
    setMouseTracking(true);
    resize(500, 250);
    model_.SetRedrawHandler([this](PlotRedraw step, int key) { OnModelRedraw(step, key); });
    model_.SetOverlayTarget(this);
}

LMyFFTDrawHpLp6dB::~LMyFFTDrawHpLp6dB() {
    model_.SetRedrawHandler(nullptr);
    model_.SetOverlayTarget(nullptr);
}

void LMyFFTDrawHpLp6dB::SetColor(TColor value) {
    if (color_ == value)
        return;
    color_ = value;
    stale_ = true;
    update();
}

int LMyFFTDrawHpLp6dB::Tag() const {
    return platform::Tag(this);
}

void LMyFFTDrawHpLp6dB::SetTag(int value) {
    platform::SetTag(this, value);
}

void LMyFFTDrawHpLp6dB::OnModelRedraw(PlotRedraw step, int key) {
    if (inLayout_)
        return;
    switch (step) {
    case PlotRedraw::Redraw: Redraw(); break;
    case PlotRedraw::Layout: ResizePaintPage(); break;
    case PlotRedraw::PlotsAndLabels: DrawPlotsAndLabels(); break;
    case PlotRedraw::PlotsAndLabelsNoUpdate: DrawPlotsAndLabelsNoUpdate(); break;
    case PlotRedraw::AllPlots: DrawAllPlots(); break;
    case PlotRedraw::OnePlot:
        DrawOnePlot(key);
        RedrawScreen();
        break;
    case PlotRedraw::Axis: DrawAxis(); break;
    case PlotRedraw::Titles: DrawTitles(); break;
    case PlotRedraw::MouseCoordinates:
        if (isVisible()) {
            mouseCoordPage_.Clear(color_);
            UpdatePaintPage(MouseCoordPageId);
            DrawAllPlots();
        }
        break;
    }
}

bool LMyFFTDrawHpLp6dB::HasArea() const {
    return width() > 0 && height() > 0;
}

bool LMyFFTDrawHpLp6dB::CanDrawPlotArea() const {
    return HasArea() && !plotPage_.Empty() && (isVisible() || inPaint_);
}

// ---- Layout ----

void LMyFFTDrawHpLp6dB::ResizePaintPage() {
    const int W = width(), H = height();
    lastWidth_ = W;
    lastHeight_ = H;
    model_.SetSize(W, H);
    stale_ = true;
    if (screen_.width() != W || screen_.height() != H) {
        screen_ = W > 0 && H > 0 ? QImage(W, H, QImage::Format_RGB32) : QImage();
        if (!screen_.isNull())
            screen_.fill(platform::ToQColor(color_));
    }
    if (!HasArea()) {
        // Nothing to draw into and nothing to hit.
        for (TPaintPage* page : pages_)
            page->Resize(0, 0, 0, 0);
        model_.SetPlotArea(0, 0, 0, 0);
        return;
    }

    inLayout_ = true;
    bool rowsDropped = false, columnsDropped = false;
    for (;;) {
        const ResponsePlotProperties& p = model_.Properties();
        int left = -30, xLabelTop = H, xTitleTop = H, top = 0, yTitleWidth = 0;
        int yTitleTextWidth = 0, yTitleTextHeight = 0;
        if (p.ShowXLabel) {
            const int h = TextHeight(p.AxisLabelFont);
            xLabelTop = Trunc(xLabelTop - kXLabelRowHeights * h);
        }
        if (p.ShowXTitle) {
            const int h = TextHeight(p.AxisTitleFont);
            xLabelTop -= 2 * h;
            xTitleTop -= 2 * h;
        }
        if (p.ShowYLabel) {
            const int s = WidestLabel(p.AxisLabelFont, "", p.XLabelFormat,
                                      std::max(p.XLabelPrecision, p.YLabelPrecision),
                                      std::max(p.XLabelDigits, p.YLabelDigits));
            left += s + 4;
        }
        if (p.ShowYTitle) {
            const int h = TextHeight(p.AxisTitleFont);
            left += 2 * h;
            yTitleWidth += 2 * h;
            yTitleTextWidth = TextWidth(p.AxisTitleFont, p.YTitle);
            yTitleTextHeight = h;
        }
        top += p.ShowPlotTitle ? 2 * TextHeight(p.PlotTitleFont) : kTopMarginWithoutTitle;
        int coordWidth = 0, coordHeight = 0;
        if (p.ShowCoordinates) {
            coordWidth = WidestLabel(p.MouseCoordFont, "x = ", p.YLabelFormat, p.YLabelPrecision, p.YLabelDigits);
            coordHeight = TextHeight(p.MouseCoordFont);
        }

        if (top < xLabelTop && left < W) {
            plotPage_.Resize(left, top, W - kRightMargin, xLabelTop);
            xLabelPage_.Resize(left, xLabelTop, W - kRightMargin, xTitleTop);
            xTitlePage_.Resize(left, xTitleTop, W - kRightMargin, H);
            yLabelPage_.Resize(yTitleWidth, top, left, H);
            yTitlePage_.Resize(0, top, yTitleWidth, H);
            yTitleTextPage_.Resize(0, 0, yTitleTextWidth, yTitleTextHeight);
            plotTitlePage_.Resize(0, 0, W - kRightMargin, top);
            rightMarginPage_.Resize(W - kRightMargin, 0, W, H);
            if (p.ShowCoordinates)
                mouseCoordPage_.Resize(W - coordWidth - 5, top + 4, W - 5, top + 2 * coordHeight + 12);
            model_.SetPlotArea(left, top, W - kRightMargin, xLabelTop);
        }
        // Rows that leave no room are dropped once each; a plot too small even
        // without them keeps its pages rather than trying again forever.
        if (xLabelTop < top && !rowsDropped) {
            rowsDropped = true;
            model_.SetShowPlotTitle(false);
            model_.SetShowXLabel(false);
            model_.SetShowXTitle(false);
            continue;
        }
        if (W < left && !columnsDropped) {
            columnsDropped = true;
            model_.SetShowYLabel(false);
            model_.SetShowYTitle(false);
            continue;
        }
        break;
    }
    inLayout_ = false;

    for (int j = 0; j < BlockCount; ++j)
        SetBlockPosition(model_.ScreenX(blockX_[j]), model_.ScreenY(blockY_[j]), j);
}

// ---- Drawing steps ----

void LMyFFTDrawHpLp6dB::Redraw() {
    DrawPlotsAndLabels();
    DrawTitles();
}

void LMyFFTDrawHpLp6dB::DrawPlotsAndLabels() {
    DrawPlotsAndLabelsNoUpdate();
    UpdatePaintPage(PlotPageId);
}

void LMyFFTDrawHpLp6dB::DrawPlotsAndLabelsNoUpdate() {
    DrawAllPlots();
    DrawXAxisLabels();
    DrawYAxisLabels();
}

void LMyFFTDrawHpLp6dB::DrawAllPlots() {
    if (!CanDrawPlotArea()) {
        // Drawn when the plot is next shown.
        stale_ = true;
        return;
    }
    plotPage_.Clear(color_);
    Canvas c(&plotPage_.Bitmap());
    drawGrid(c);
    drawTicks(c);
    drawAxis(c);
    for (const TPlotListMember& curve : model_.PlotList().Members())
        drawCurve(c, curve);
    stale_ = false;
    unshown_ = true;
}

void LMyFFTDrawHpLp6dB::DrawOnePlot(int key) {
    const TPlotListMember* curve = model_.PlotList().Find(key);
    if (!curve || !CanDrawPlotArea())
        return;
    Canvas c(&plotPage_.Bitmap());
    drawCurve(c, *curve);
    unshown_ = true;
}

void LMyFFTDrawHpLp6dB::DrawAxis() {
    if (!CanDrawPlotArea())
        return;
    Canvas c(&plotPage_.Bitmap());
    drawAxis(c);
    unshown_ = true;
}

std::vector<double> LMyFFTDrawHpLp6dB::HorizontalGridY() const {
    const ResponsePlotProperties& p = model_.Properties();
    // More lines than pixel rows draw nothing new.
    const int n = std::min(p.NumHorzGrid, std::max(GetPlotHeight(), 0));
    std::vector<double> ys;
    if (p.YAxisFormat == TMyAxisFormat::Linear) {
        const double d = (p.YMax - p.YMin) / (n + 1);
        for (int i = 1; i <= n; ++i)
            ys.push_back(model_.ScreenY(p.YMin + i * d));
    } else {
        for (double e = std::floor(model_.LogYMin()); e < model_.LogYMax(); e += 1.0) {
            const double lo = std::pow(10.0, e), hi = std::pow(10.0, e + 1.0);
            ys.push_back(model_.ScreenY(lo));
            for (int i = 1; i <= n; ++i)
                ys.push_back(model_.ScreenY(lo + i * (hi - lo) / (n + 1)));
        }
    }
    return ys;
}

// On a linear x axis (point indices) the lines stand at 1..10 times every
// decade from 10 Hz; the first of each decade is in the axis colour.
std::vector<double> LMyFFTDrawHpLp6dB::VerticalGridX() const {
    const ResponsePlotProperties& p = model_.Properties();
    std::vector<double> xs;
    if (p.XAxisFormat == TMyAxisFormat::Linear) {
        const double n = model_.PointCount(), logTop = std::log10(model_.TopFrequency());
        for (int a = 1; a <= 14; ++a)
            for (int i = 1; i <= 10; ++i)
                xs.push_back(model_.ScreenX(n * std::log10(i * std::pow(10.0, a)) / logTop));
    } else {
        const int n = std::min(p.NumVertGrid, std::max(GetPlotWidth(), 0));
        for (double e = std::floor(model_.LogXMin()); e < model_.LogXMax(); e += 1.0) {
            const double lo = std::pow(10.0, e), hi = std::pow(10.0, e + 1.0);
            xs.push_back(model_.ScreenX(lo));
            for (int i = 1; i <= n; ++i)
                xs.push_back(model_.ScreenX(lo + i * (hi - lo) / (n + 1)));
        }
    }
    return xs;
}

void LMyFFTDrawHpLp6dB::drawGrid(Canvas& c) {
    const ResponsePlotProperties& p = model_.Properties();
    const int w = plotPage_.PageRect.Width(), h = plotPage_.PageRect.Height();
    c.Pen = {p.GridColor, 1, platform::psSolid, platform::pmCopy};
    if (p.ShowHorzGrid)
        for (double y : HorizontalGridY()) {
            c.MoveTo(0, Trunc(y));
            c.LineTo(w, Trunc(y));
        }
    if (p.ShowVertGrid) {
        const std::vector<double> xs = VerticalGridX();
        const bool decades = p.XAxisFormat == TMyAxisFormat::Linear;
        for (std::size_t k = 0; k < xs.size(); ++k) {
            c.Pen.Color = decades && k % 10 == 0 ? p.AxisColor : p.GridColor;
            c.MoveTo(Trunc(xs[k]), 0);
            c.LineTo(Trunc(xs[k]), h);
        }
    }
}

void LMyFFTDrawHpLp6dB::drawTicks(Canvas& c) {
    const ResponsePlotProperties& p = model_.Properties();
    const int h = plotPage_.PageRect.Height();
    c.Pen = {p.AxisColor, 1, platform::psSolid, platform::pmCopy};
    if (p.ShowHorzTicks)
        for (double y : HorizontalGridY()) {
            c.MoveTo(0, Trunc(y));
            c.LineTo(p.HorzTickLength, Trunc(y));
        }
    if (p.ShowVertTicks)
        for (double x : VerticalGridX()) {
            c.MoveTo(Trunc(x), h);
            c.LineTo(Trunc(x), h - p.VertTickLength - 2);
        }
}

void LMyFFTDrawHpLp6dB::drawAxis(Canvas& c) {
    const ResponsePlotProperties& p = model_.Properties();
    const int w = plotPage_.PageRect.Width(), h = plotPage_.PageRect.Height();
    c.Pen = {p.AxisColor, 1, platform::psSolid, platform::pmCopy};
    c.Brush = {p.AxisColor, platform::bsSolid};
    const bool box = p.AxisStyle == TMyAxisStyle::Box || p.AxisStyle == TMyAxisStyle::CenteredBox;
    const bool centred = p.AxisStyle == TMyAxisStyle::Centered || p.AxisStyle == TMyAxisStyle::CenteredBox;
    if (box)
        c.FrameRect(plotPage_.PageRect);
    if (centred) {
        if (p.YMax != p.YMin) {
            const int y0 = Trunc(model_.ScreenY(0.0));
            c.MoveTo(0, y0);
            c.LineTo(w, y0);
        }
        if (p.XMax != p.XMin) {
            const int x0 = Trunc(model_.ScreenX(0.0));
            c.MoveTo(x0, 0);
            c.LineTo(x0, h);
        }
    }
    if (p.AxisStyle == TMyAxisStyle::LB) {
        c.MoveTo(0, 0);
        c.LineTo(0, h - 1);
        c.LineTo(w, h - 1);
    }
}

void LMyFFTDrawHpLp6dB::drawCurve(Canvas& c, const TPlotListMember& curve) {
    const int w = plotPage_.PageRect.Width(), h = plotPage_.PageRect.Height();
    const int style = curve.PlotStyle;
    const bool lines = style == 0 || style == 3 || style == 4;
    const bool squares = style >= 1 && style <= 4;
    const int size = model_.PointSize();
    const QColor colour = platform::ToQColor(curve.PlotColor);

    QPainter& painter = c.Painter();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(colour, 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);

    // Points far outside the page only move the pen: the polyline breaks there.
    QPolygon run;
    auto flush = [&] {
        if (run.size() > 1)
            painter.drawPolyline(run);
        run.clear();
    };
    std::vector<QPoint> marks;
    const int n = std::min(curve.NumPoints(), static_cast<int>(curve.XValues.size()));
    for (int i = 0; i < n; ++i) {
        const double fx = model_.FFTScreenX(curve.XValues[i]), fy = model_.FFTScreenY(curve.YValues[i]);
        const int x = Trunc(fx), y = Trunc(fy);
        const bool far = !std::isfinite(fx) || !std::isfinite(fy) || x < -2 * w || x >= 3 * w || y < -2 * h ||
                         y >= 3 * h;
        if (far) {
            flush();
            continue;
        }
        if (lines && (run.isEmpty() || run.last() != QPoint(x, y)))
            run.append(QPoint(x, y));
        if (squares)
            marks.emplace_back(x, y);
    }
    if (lines && run.size() == 1)
        painter.drawPoint(run.first());
    flush();
    if (squares) {
        const bool filled = style == 1 || style == 3;
        painter.setBrush(filled ? QBrush(colour) : QBrush(platform::ToQColor(color_)));
        for (const QPoint& m : marks)
            painter.drawRect(QRect(m.x() - size, m.y() - size, 2 * size, 2 * size));
    }
    painter.restore();
}

// ---- Labels ----

std::vector<PlacedText> LMyFFTDrawHpLp6dB::XAxisLabels() const {
    const ResponsePlotProperties& p = model_.Properties();
    std::vector<PlacedText> labels;
    if (!p.ShowXLabel || xLabelPage_.Empty())
        return labels;
    const int count = width() <= kNarrowPlotWidth ? kNarrowFreqLabels : 10;
    const double n = model_.PointCount(), logTop = std::log10(model_.TopFrequency());
    for (int k = 0; k < count; ++k) {
        const double v = kFreqLabelTable[k];
        const double pos = model_.ScreenX(n * v / logTop);
        const double f = std::pow(10.0, v);
        const std::string text =
            f < 1000.0 ? FormatLabelValue(f, p.XLabelFormat, p.XLabelPrecision, p.XLabelDigits) + "Hz"
                       : FormatLabelValue(f * 0.001, p.XLabelFormat, p.XLabelPrecision, p.XLabelDigits) + "KHz";
        labels.push_back({{Trunc(pos - 0.5 * TextWidth(p.AxisLabelFont, text)), 1}, text});
    }
    return labels;
}

std::vector<PlacedText> LMyFFTDrawHpLp6dB::YAxisLabels() const {
    const ResponsePlotProperties& p = model_.Properties();
    std::vector<PlacedText> labels;
    if (!p.ShowYLabel || yLabelPage_.Empty())
        return labels;
    const int pageWidth = yLabelPage_.PageRect.Width();
    const int th = TextHeight(p.AxisLabelFont);
    auto F = [&](double v) { return FormatLabelValue(v, p.YLabelFormat, p.YLabelPrecision, p.YLabelDigits); };
    auto place = [&](const std::string& text, int y) {
        labels.push_back({{pageWidth - TextWidth(p.AxisLabelFont, text) - 2, y}, text});
    };
    if (p.YAxisFormat == TMyAxisFormat::Linear) {
        place("+" + F(p.YMax * p.YLabelScale) + p.YLabel, 0);
        place(F(p.YMin * p.YLabelScale) + p.YLabel, Trunc(model_.ScreenY(p.YMin) - th));
        const double d = (p.YMax - p.YMin) / (p.NumHorzGrid + 1);
        const int n = std::min(p.NumHorzGrid, std::max(GetPlotHeight(), 0));
        for (int k = 2; k <= n; k += 2) {
            const std::string sign = p.YMin + k * d > 0 ? "+" : "";
            place(sign + F(d * p.YLabelScale * k + p.YMin * p.YLabelScale) + p.YLabel,
                  Trunc(model_.ScreenY(p.YMin + k * d) - th / 2));
        }
    } else {
        for (double k = std::floor(model_.LogYMin()) + 1; k < model_.LogYMax(); k += 1.0)
            place(F(std::pow(10.0, k * p.YLabelScale)) + p.YLabel,
                  Trunc(model_.ScreenY(std::pow(10.0, k)) - th / 2));
    }
    return labels;
}

void LMyFFTDrawHpLp6dB::ApplyFont(Canvas& c, const PlotFont& font) const {
    c.Font = ToTFont(font);
    c.BkMode = platform::bkTransparent;
}

void LMyFFTDrawHpLp6dB::DrawXAxisLabels() {
    const ResponsePlotProperties& p = model_.Properties();
    if (!p.ShowXLabel || xLabelPage_.Empty())
        return;
    DrawLabelPage(xLabelPage_, {XAxisLabels(), p.AxisLabelFont, color_});
    UpdatePaintPage(XLabelPageId);
}

// Every curve change draws the label rows again with the same texts: a page
// that already shows them, in the same font on the same background, stays.
void LMyFFTDrawHpLp6dB::DrawLabelPage(TPaintPage& page, TPaintPage::Texts texts) {
    if (page.Drawn == texts)
        return;
    page.Clear(texts.Background);
    {
        Canvas c(&page.Bitmap());
        ApplyFont(c, texts.Font);
        for (const PlacedText& t : texts.Lines)
            c.TextOut(t.At.X, t.At.Y, t.Text);
    }
    page.Drawn = std::move(texts);
}

void LMyFFTDrawHpLp6dB::DrawYAxisLabels() {
    const ResponsePlotProperties& p = model_.Properties();
    if (!p.ShowYLabel || yLabelPage_.Empty())
        return;
    DrawLabelPage(yLabelPage_, {YAxisLabels(), p.AxisLabelFont, color_});
    UpdatePaintPage(YLabelPageId);
}

void LMyFFTDrawHpLp6dB::DrawTitles() {
    const ResponsePlotProperties& p = model_.Properties();
    plotTitlePage_.Clear(color_);
    if (p.ShowPlotTitle && !plotTitlePage_.Empty()) {
        Canvas c(&plotTitlePage_.Bitmap());
        ApplyFont(c, p.PlotTitleFont);
        const TPoint size{c.TextWidth(p.PlotTitle), c.TextHeight(p.PlotTitle)};
        c.TextOut((GetPlotWidth() - size.X) / 2 + plotPage_.DestRect.Left,
                  plotTitlePage_.PageRect.Height() - (3 * size.Y) / 2, p.PlotTitle);
    }
    UpdatePaintPage(PlotTitlePageId);
    if (p.ShowXTitle && !xTitlePage_.Empty()) {
        xTitlePage_.Clear(color_);
        {
            Canvas c(&xTitlePage_.Bitmap());
            ApplyFont(c, p.AxisTitleFont);
            const TPoint size{c.TextWidth(p.XTitle), c.TextHeight(p.XTitle)};
            c.TextOut((xTitlePage_.PageRect.Width() - size.X) / 2,
                      xTitlePage_.PageRect.Height() - (3 * size.Y) / 2, p.XTitle);
        }
        UpdatePaintPage(XTitlePageId);
    }
    if (p.ShowYTitle && !yTitlePage_.Empty()) {
        yTitlePage_.Clear(color_);
        yTitleTextPage_.Clear(color_);
        if (!yTitleTextPage_.Empty()) {
            Canvas t(&yTitleTextPage_.Bitmap());
            ApplyFont(t, p.AxisTitleFont);
            t.TextOut(0, 0, p.YTitle);
        }
        {
            Canvas c(&yTitlePage_.Bitmap());
            ApplyFont(c, p.AxisTitleFont);
            const TPoint size{c.TextWidth(p.YTitle), c.TextHeight(p.YTitle)};
            c.TextOut(size.Y / 2, (GetPlotHeight() - size.X) / 2, p.YTitle);
        }
        UpdatePaintPage(YTitlePageId);
    }
    rightMarginPage_.Clear(color_);
    UpdatePaintPage(RightMarginPageId);
}

// ---- Presenting ----

void LMyFFTDrawHpLp6dB::UpdatePaintPage(PageId id) {
    const TPaintPage& page = *pages_[id];
    if (page.Empty() || screen_.isNull())
        return;
    const QRect dest = platform::ToQRect(page.DestRect);
    if (id == PlotPageId)
        unshown_ = false;
    {
        QPainter painter(&screen_);
        page.DrawOn(painter);
        if (id == PlotPageId) {
            painter.setClipRect(dest);
            painter.translate(dest.topLeft());
            ComposeOverlays(painter);
        }
    }
    if (!inPaint_)
        update(dest);
}

void LMyFFTDrawHpLp6dB::UpdateCurvePage() {
    UpdatePaintPage(PlotPageId);
}

void LMyFFTDrawHpLp6dB::RedrawScreen() {
    const ResponsePlotProperties& p = model_.Properties();
    if (p.ShowXLabel)
        UpdatePaintPage(XLabelPageId);
    if (p.ShowXTitle)
        UpdatePaintPage(XTitlePageId);
    if (p.ShowYLabel)
        UpdatePaintPage(YLabelPageId);
    if (p.ShowYTitle)
        UpdatePaintPage(YTitlePageId);
    if (p.ShowPlotTitle)
        UpdatePaintPage(PlotTitlePageId);
    UpdatePaintPage(RightMarginPageId);
    UpdatePaintPage(PlotPageId);
}

void LMyFFTDrawHpLp6dB::ClearPlot() {
    const ResponsePlotProperties& p = model_.Properties();
    if (p.ShowXLabel)
        xLabelPage_.Clear(color_);
    if (p.ShowXTitle)
        xTitlePage_.Clear(color_);
    if (p.ShowYLabel)
        yLabelPage_.Clear(color_);
    if (p.ShowYTitle) {
        yTitlePage_.Clear(color_);
        yTitleTextPage_.Clear(color_);
    }
    if (p.ShowPlotTitle)
        plotTitlePage_.Clear(color_);
    rightMarginPage_.Clear(color_);
    plotPage_.Clear(color_);
}

void LMyFFTDrawHpLp6dB::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    ResizePaintPage();
    update();
}

void LMyFFTDrawHpLp6dB::paintEvent(QPaintEvent* event) {
    if (!HasArea())
        return;
    inPaint_ = true;
    if (width() != lastWidth_ || height() != lastHeight_)
        ResizePaintPage();
    // A plot changed while hidden, or resized, draws again; otherwise the
    // finished picture is shown, with a plot area drawn since it was last
    // presented brought in first.
    const QRect plotArea = platform::ToQRect(plotPage_.DestRect);
    bool presentedInPart = false;
    if (stale_) {
        Redraw();
    } else if (unshown_ && event->region().intersects(plotArea)) {
        UpdatePaintPage(PlotPageId);
        presentedInPart = !event->region().contains(plotArea);
    }
    inPaint_ = false;

    QPainter painter(this);
    painter.drawImage(event->rect(), screen_, event->rect());
    if (rubberBanding_ && !zoomRect_.isNull()) {
        painter.setPen(QPen(Qt::white, 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(zoomRect_);
    }
    // The rest of the plot area shows the new picture too.
    if (presentedInPart)
        update(plotArea);
}

}  // namespace display
