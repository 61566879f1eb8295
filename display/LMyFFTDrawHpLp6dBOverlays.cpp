// Overlays of the response plot (handle blocks, band display, marker line,
// text) and its mouse handling: handle hit-testing and drags for the owner,
// and the optional pan and zoom of the axes.
#include "display/LMyFFTDrawHpLp6dB.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

#include "controls/GdipObjects.h"
#include "platform/Format.h"

namespace display {

using platform::Canvas;
using platform::TColor;
using platform::TPoint;

namespace {

int Trunc(double v) {
    if (!std::isfinite(v))
        return v > 0 ? 1'000'000'000 : -1'000'000'000;
    return static_cast<int>(std::clamp(v, -1e9, 1e9));
}

constexpr TColor kBlockTextColour = platform::clWhite;
constexpr int kBlockNumberSize = 11;  // points
constexpr int kParamTextSize = 8;     // points
// The band fill: grey at the density of three layers of alpha 30, which is
// how dense the redraw of the plot area used to lay it; it is composed once.
constexpr int kBandFillAlpha = 80;
constexpr int kBandFillGrey = 128;
// Handle hit box: pixels across, axis units (dB) up and down.
constexpr int kHitHalfWidth = 5;
constexpr double kHitHalfHeight = 2.0;
// Ends of the band fill's closing lines, in axis units: left and right of
// every plot area the forms use.
constexpr double kFillLeftX = 10.0;
constexpr double kFillRightX = 20000.0;
constexpr double kMarkerLevel = -3.0;

bool ValidSlot(int index) {
    return index >= 0 && index < LMyFFTDrawHpLp6dB::BlockCount;
}

}  // namespace

// ---- Handle blocks ----

void LMyFFTDrawHpLp6dB::DrawBlock(double y, double x, TColor colour, int index, bool hidden, int kind) {
    if (!ValidSlot(index))
        return;
    blockX_[index] = x;
    blockY_[index] = y;
    blockColor_[index] = colour;
    SetBlockPosition(model_.ScreenX(x), model_.ScreenY(y), index);
    blockKind_[index] = kind;
    blockHidden_[index] = hidden;
    blockDrawn_[index] = true;
}

int LMyFFTDrawHpLp6dB::SetBlockParameter(int index, double frequency, double gain, double q, int filterType) {
    if (ValidSlot(index)) {
        blockFreq_[index] = frequency;
        blockGain_[index] = gain;
        blockQ_[index] = q;
        blockFilterType_[index] = filterType;
    }
    return index;
}

void LMyFFTDrawHpLp6dB::SetBlockPosition(double screenX, double screenY, int index) {
    if (!ValidSlot(index))
        return;
    blockScreenX_[index] = screenX;
    blockScreenY_[index] = screenY;
    blockPos_[index] = {Trunc(screenX), Trunc(screenY)};
}

TPoint LMyFFTDrawHpLp6dB::GetBlockPos(int index) const {
    return ValidSlot(index) ? blockPos_[index] : TPoint{};
}

bool LMyFFTDrawHpLp6dB::BlockDrawn(int index) const {
    return ValidSlot(index) && blockDrawn_[index];
}

bool LMyFFTDrawHpLp6dB::BlockHidden(int index) const {
    return ValidSlot(index) && blockHidden_[index];
}

void LMyFFTDrawHpLp6dB::drawBlock(Canvas& c, int j, int penWidth) {
    const int sx = Trunc(model_.ScreenX(blockX_[j])), sy = Trunc(model_.ScreenY(blockY_[j]));
    const int kind = blockKind_[j];
    if (kind < BlockSquare || kind > BlockHighPass)
        return;
    c.Pen = {blockColor_[j], penWidth, platform::psSolid, platform::pmCopy};
    c.Brush = {blockColor_[j], platform::bsCross};
    c.BkMode = platform::bkTransparent;
    if (kind == BlockCircle)
        c.Ellipse(sx - 3, sy - 3, sx + 3, sy + 3);
    else
        c.Rectangle(sx - 3, sy - 3, sx + 3, sy + 3);
    c.Font.Name = QStringLiteral("Tahoma");
    c.Font.Color = kBlockTextColour;
    if (kind == BlockSquare || kind == BlockCircle) {
        c.Font.SetSize(kBlockNumberSize);
        c.TextOut(sx - 3, sy - 23, std::to_string(j + 1));
    } else {
        c.Font.SetSize(kParamTextSize);
        c.TextOut(sx - 8, sy - 20, kind == BlockLowPass ? "LPF" : "HPF");
    }
}

void LMyFFTDrawHpLp6dB::drawBlocks(Canvas& c) {
    for (int j = 0; j < BlockCount; ++j) {
        // Slots never drawn stay off the picture whatever the axis range.
        if (!blockDrawn_[j] || blockHidden_[j])
            continue;
        c.SetAntialias(true);
        drawBlock(c, j, 5);
        c.SetAntialias(false);
        if (blockKind_[j] != BlockCircle || !parameterDisplay_)
            continue;
        // The band display already shows its own band's text.
        if (curveDisplay_ && curveX_ == blockX_[j] && curveGain_ == blockY_[j])
            continue;
        const double type = blockFilterType_[j];
        const int kind = type == 7 ? 5 : type == 17 ? 6 : Trunc(type - 1);
        drawParamText(c, ParamTexts(kind, blockGain_[j], blockX_[j], static_cast<float>(blockFreq_[j]), blockQ_[j]),
                      kBlockTextColour);
    }
}

// ---- Parameter texts ----

unsigned LMyFFTDrawHpLp6dB::ShowParamLines(int kind) const {
    if (kind <= 2)
        return LineQ | LineFrequency | LineGain;
    if (kind == 3 || kind == 5 || kind == 7)
        return LineFrequency;
    return LineQ | LineFrequency;
}

unsigned LMyFFTDrawHpLp6dB::BandDisplayLines(int kind) const {
    return ShowParamLines(kind);
}

std::vector<PlacedText> LMyFFTDrawHpLp6dB::PlaceParamLines(unsigned lines, double gain, double x, float frequency,
                                                           double q) const {
    std::vector<PlacedText> texts;
    if (lines == 0)
        return texts;
    const int sx = Trunc(model_.ScreenX(x) - 20.0);
    const double sy = model_.ScreenY(gain);
    // At or below 0 dB the text stands above the handle, otherwise below.
    const bool above = gain <= 0.0;
    auto at = [&](int offsetAbove, int offsetBelow) { return TPoint{sx, Trunc(sy + (above ? offsetAbove : offsetBelow))}; };
    const std::string freqText = frequency < 1000.0f ? platform::FormatC("%4.1fHz", frequency)
                                                     : platform::FormatC("%4.2fKHz", frequency / 1000.0);
    if (lines == LineFrequency) {
        texts.push_back({at(-43, 20), freqText});
        return texts;
    }
    if (lines & LineQ)
        texts.push_back({at(-69, 20), platform::FormatC("Q:%4.2f", q)});
    if (lines & LineFrequency)
        texts.push_back({at(-56, 33), freqText});
    if (lines & LineGain)
        texts.push_back({at(-43, 46), platform::FormatC("%4.1fdB", gain)});
    return texts;
}

std::vector<PlacedText> LMyFFTDrawHpLp6dB::ParamTexts(int kind, double gain, double x, float frequency,
                                                      double q) const {
    return PlaceParamLines(ShowParamLines(kind), gain, x, frequency, q);
}

std::vector<PlacedText> LMyFFTDrawHpLp6dB::BandDisplayTexts() const {
    return PlaceParamLines(BandDisplayLines(curveKind_), curveGain_, curveX_, curveFreq_, curveQ_);
}

void LMyFFTDrawHpLp6dB::drawParamText(Canvas& c, const std::vector<PlacedText>& lines, TColor colour) {
    c.Font.Name = QStringLiteral("Tahoma");
    c.Font.SetSize(kParamTextSize);
    c.Font.Color = colour;
    c.BkMode = platform::bkTransparent;
    // The lines keep their common left edge but stay inside the plot: a band
    // near either end of the axis has its text moved in, not cut.
    int left = 0, right = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int x = lines[i].At.X, w = c.TextWidth(lines[i].Text);
        left = i == 0 ? x : std::min(left, x);
        right = i == 0 ? x + w : std::max(right, x + w);
    }
    int shift = std::min(0, GetPlotWidth() - 1 - right);
    shift = std::max(shift, -left);
    for (const PlacedText& t : lines)
        c.TextOut(t.At.X + shift, t.At.Y, t.Text);
}

// ---- Band display ----

void LMyFFTDrawHpLp6dB::DrawParam(int kind, double gain, double x, float frequency, double q, TColor colour) {
    curveKind_ = kind;
    curveGain_ = gain;
    curveX_ = x;
    curveFreq_ = frequency;
    curveQ_ = q;
    curveColor_ = colour;
}

void LMyFFTDrawHpLp6dB::DrawCurveFill(int /*kind*/, const double* values, int count) {
    if (!values)
        return;
    const int n = std::clamp(count, 0, CurveDataSize);
    std::copy(values, values + n, curveData_.begin());
}

bool LMyFFTDrawHpLp6dB::SetCurveDisplay(bool value) {
    curveDisplay_ = value;
    return value;
}

void LMyFFTDrawHpLp6dB::drawBandDisplay(Canvas& c) {
    if (!curveDisplay_)
        return;
    drawParamText(c, BandDisplayTexts(), curveColor_);

    const ResponsePlotProperties& p = model_.Properties();
    const double W = GetPlotWidth(), H = GetPlotHeight();
    const double xSpan = p.XMax - p.XMin, ySpan = p.YMax - p.YMin;
    if (xSpan == 0.0 || ySpan == 0.0)
        return;
    std::vector<QPointF> pts;
    pts.reserve(curveData_.size());
    for (std::size_t i = 0; i < curveData_.size(); ++i) {
        const double v = std::isfinite(curveData_[i]) ? curveData_[i] : 0.0;
        pts.emplace_back(Trunc(W * (static_cast<double>(i) - p.XMin) / xSpan),
                         Trunc(H - H * (v - p.YMin) / ySpan));
    }
    QPainterPath spline;
    AddCardinalSpline(spline, pts);

    auto X = [&](double v) { return static_cast<double>(Trunc(model_.ScreenX(v))); };
    auto Y = [&](double v) { return static_cast<double>(Trunc(model_.ScreenY(v))); };
    const double e = curveGain_ >= 0.0 ? p.YMax : p.YMin;
    QPainterPath area = spline;
    if (curveKind_ == 0) {
        area.lineTo(X(kFillLeftX), Y(0));
        area.lineTo(X(kFillRightX), Y(0));
    } else if (curveKind_ == 1) {
        area.lineTo(X(kFillRightX), Y(0));
        area.lineTo(X(kFillLeftX), Y(0));
        area.lineTo(X(kFillLeftX), Y(e));
    } else if (curveKind_ == 2) {
        area.lineTo(X(kFillRightX), Y(e));
        area.lineTo(X(kFillRightX), Y(0));
        area.lineTo(X(kFillLeftX), Y(0));
    } else if (curveKind_ >= 3) {
        area.lineTo(X(kFillRightX), Y(0));
        area.lineTo(X(kFillRightX), Y(p.YMin));
        area.lineTo(X(kFillLeftX), Y(p.YMin));
    }
    area.closeSubpath();

    const QColor grey(kBandFillGrey, kBandFillGrey, kBandFillGrey, kBandFillAlpha);
    QPainter& painter = c.Painter();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(grey, 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(spline);
    painter.setPen(Qt::NoPen);
    painter.setBrush(grey);
    area.setFillRule(Qt::OddEvenFill);
    painter.drawPath(area);
    painter.restore();
}

// ---- Marker line and text overlay ----

void LMyFFTDrawHpLp6dB::DrawLine(double x, TColor colour, bool marker) {
    lineX_ = x;
    lineColor_ = colour;
    lineMarker_ = marker;
    lineVisible_ = true;
}

void LMyFFTDrawHpLp6dB::drawMarkerLine(Canvas& c) {
    if (!lineVisible_)
        return;
    const int sx = Trunc(model_.ScreenX(lineX_));
    c.Pen = {platform::clRed, 1, platform::psDot, platform::pmCopy};
    c.MoveTo(sx, 0);
    c.LineTo(sx, height() - 10);
    c.Pen.Style = platform::psSolid;
    if (lineMarker_) {
        const int y = Trunc(model_.ScreenY(kMarkerLevel));
        c.Pen.Color = platform::clYellow;
        c.Brush.Style = platform::bsClear;
        c.Rectangle(sx - 4, y - 4, sx + 4, y + 4);
        linePixelX_ = sx;
    }
}

void LMyFFTDrawHpLp6dB::DrawTextA(int x, int y, int size, TColor colour, const std::string& fontName,
                                  const std::string& text) {
    textX_ = x;
    textY_ = y;
    textSize_ = size;
    textColor_ = colour;
    textFontName_ = fontName;
    overlayText_ = text;
}

void LMyFFTDrawHpLp6dB::drawTextOverlay(Canvas& c) {
    if (overlayText_.empty())
        return;
    c.Font.Name = QString::fromStdString(textFontName_);
    if (textSize_ > 0)
        c.Font.SetSize(textSize_);
    else
        c.Font.Height = 0;
    c.Font.Color = textColor_;
    c.BkMode = platform::bkTransparent;
    c.TextOut(textX_, textY_, overlayText_);
}

void LMyFFTDrawHpLp6dB::ComposeOverlays(QPainter& painter) {
    Canvas c(painter);
    drawBlocks(c);
    drawMarkerLine(c);
    drawTextOverlay(c);
    drawBandDisplay(c);
}

// ---- Mouse: handles ----

int LMyFFTDrawHpLp6dB::HandleAt(int x, int y) const {
    if (!HasArea() || GetPlotWidth() <= 0 || GetPlotHeight() <= 0)
        return -1;
    const int mx = x - model_.PlotLeft();
    const double value = model_.PlotY(y);
    int hit = -1;
    for (int j = BlockCount - 1; j >= 0; --j) {
        if (!blockDrawn_[j] || blockHidden_[j] || blockKind_[j] < BlockSquare || blockKind_[j] > BlockHighPass)
            continue;
        if (std::abs(mx - blockPos_[j].X) >= kHitHalfWidth || std::fabs(value - blockY_[j]) >= kHitHalfHeight)
            continue;
        hit = j;
        // A cut handle takes the press; among bands the lowest number wins.
        if (blockKind_[j] != BlockCircle)
            break;
    }
    return hit;
}

HandleDrag LMyFFTDrawHpLp6dB::MapMouse(int handle, int x, int y) const {
    HandleDrag d;
    d.Handle = handle;
    d.X = model_.PlotX(x);
    d.Y = model_.PlotY(y);
    d.Frequency = model_.XToFrequency(d.X);
    d.Gain = d.Y;
    return d;
}

void LMyFFTDrawHpLp6dB::ReportHandle(const std::function<void(QObject*, const HandleDrag&)>& event, int x, int y) {
    if (event)
        event(this, MapMouse(dragHandle_, x, y));
}

void LMyFFTDrawHpLp6dB::mousePressEvent(QMouseEvent* event) {
    const int x = event->position().toPoint().x(), y = event->position().toPoint().y();
    if (OnMouseDown)
        OnMouseDown(this, event->button(), event->modifiers(), x, y);
    if (panZoom_)
        MouseDown1(event->button(), event->modifiers(), x, y);
    if (event->button() != Qt::LeftButton || dragHandle_ >= 0)
        return;
    const int handle = HandleAt(x, y);
    if (handle < 0)
        return;
    dragHandle_ = handle;
    dragLastX_ = x;
    dragLastY_ = y;
    ReportHandle(OnHandlePress, x, y);
}

void LMyFFTDrawHpLp6dB::mouseMoveEvent(QMouseEvent* event) {
    const int x = event->position().toPoint().x(), y = event->position().toPoint().y();
    if (OnMouseMove)
        OnMouseMove(this, event->modifiers(), x, y);
    if (panZoom_)
        MouseMove1(event->modifiers(), x, y);
    if (dragHandle_ < 0 || (x == dragLastX_ && y == dragLastY_))
        return;
    dragLastX_ = x;
    dragLastY_ = y;
    ReportHandle(OnHandleDrag, x, y);
}

void LMyFFTDrawHpLp6dB::mouseReleaseEvent(QMouseEvent* event) {
    const int x = event->position().toPoint().x(), y = event->position().toPoint().y();
    if (OnMouseUp)
        OnMouseUp(this, event->button(), event->modifiers(), x, y);
    if (panZoom_)
        MouseUp1(event->button(), event->modifiers(), x, y);
    if (dragHandle_ < 0 || event->button() != Qt::LeftButton)
        return;
    ReportHandle(OnHandleRelease, x, y);
    dragHandle_ = -1;
}

void LMyFFTDrawHpLp6dB::mouseDoubleClickEvent(QMouseEvent* event) {
    if (OnDblClick)
        OnDblClick(this);
    if (panZoom_)
        DblClick1();
    QWidget::mouseDoubleClickEvent(event);
}

// ---- Mouse: pan and zoom ----

void LMyFFTDrawHpLp6dB::MouseDown1(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y) {
    if (button == Qt::LeftButton) {
        if (shift == Qt::AltModifier)
            zooming_ = true;
        else if (shift == Qt::ControlModifier)
            rubberBanding_ = true;
        else
            panning_ = true;
    }
    if (rubberBanding_ && model_.MouseControl()) {
        zoomRect_ = QRect(x, y, 2, 2);
        zoomAnchorX_ = x;
        zoomAnchorY_ = y;
        update();
    }
    lastMouseX_ = x;
    lastMouseY_ = y;
}

void LMyFFTDrawHpLp6dB::MouseMove1(Qt::KeyboardModifiers /*shift*/, int x, int y) {
    const int dx = x - lastMouseX_, dy = y - lastMouseY_;
    lastMouseX_ = x;
    lastMouseY_ = y;
    const ResponsePlotProperties& p = model_.Properties();
    const int W = GetPlotWidth(), H = GetPlotHeight();
    if (model_.MouseControl() && W > 0 && H > 0) {
        const bool logX = p.XAxisFormat == TMyAxisFormat::Log, logY = p.YAxisFormat == TMyAxisFormat::Log;
        const double rx = dx * (logX ? model_.LogXMax() - model_.LogXMin() : p.XMax - p.XMin) / W;
        const double ry = dy * (logY ? model_.LogYMax() - model_.LogYMin() : p.YMax - p.YMin) / H;
        const double fx = std::pow(10.0, rx), fy = std::pow(10.0, ry);
        if (panning_)
            model_.SetXYMinMax(logX ? p.XMin / fx : p.XMin - rx, logX ? p.XMax / fx : p.XMax - rx,
                               logY ? p.YMin * fy : p.YMin + ry, logY ? p.YMax * fy : p.YMax + ry);
        else if (zooming_)
            model_.SetXYMinMax(logX ? p.XMin * fx : p.XMin + rx, logX ? p.XMax / fx : p.XMax - rx,
                               logY ? p.YMin / fy : p.YMin - ry, logY ? p.YMax * fy : p.YMax + ry);
        else if (rubberBanding_) {
            zoomRect_ = QRect(std::min(zoomAnchorX_, x), std::min(zoomAnchorY_, y), std::abs(x - zoomAnchorX_),
                              std::abs(y - zoomAnchorY_));
            update();
        }
    }
    model_.SetMouseCoordinates(model_.PlotX(x), model_.PlotY(y));
    if (!panning_ && !zooming_)
        DrawMouseCoord();
}

void LMyFFTDrawHpLp6dB::MouseUp1(Qt::MouseButton /*button*/, Qt::KeyboardModifiers /*shift*/, int /*x*/,
                                 int /*y*/) {
    panning_ = false;
    zooming_ = false;
    if (rubberBanding_ && model_.MouseControl()) {
        const QRect r = zoomRect_;
        zoomRect_ = QRect();
        update();
        // A band of no size would give an empty range: nothing to zoom to.
        if (r.width() > 0 && r.height() > 0)
            model_.SetXYMinMax(model_.PlotX(r.left()), model_.PlotX(r.left() + r.width()),
                               model_.PlotY(r.top() + r.height()), model_.PlotY(r.top()));
    }
    rubberBanding_ = false;
}

void LMyFFTDrawHpLp6dB::DblClick1() {
    if (!model_.MouseControl())
        return;
    model_.FindYMaxMin();
    model_.FindXMaxMin();
    DrawPlotsAndLabels();
}

void LMyFFTDrawHpLp6dB::DrawMouseCoord() {
    const ResponsePlotProperties& p = model_.Properties();
    if (!p.ShowCoordinates || !isVisible() || mouseCoordPage_.Empty())
        return;
    mouseCoordPage_.Clear(color_);
    {
        Canvas c(&mouseCoordPage_.Bitmap());
        c.Font.Name = QString::fromStdString(p.MouseCoordFont.Name);
        c.Font.Height = p.MouseCoordFont.Height;
        c.Font.Color = p.MouseCoordFont.Color;
        c.BkMode = platform::bkTransparent;
        const std::string xs = "x = " + FormatLabelValue(model_.MouseX(), p.XLabelFormat, p.XLabelPrecision,
                                                         p.XLabelDigits);
        const std::string ys = "y = " + FormatLabelValue(model_.MouseY(), p.YLabelFormat, p.YLabelPrecision,
                                                         p.YLabelDigits);
        c.TextOut(0, 0, xs);
        c.TextOut(0, c.TextHeight(xs) + 3, ys);
    }
    UpdatePaintPage(MouseCoordPageId);
}

}  // namespace display
