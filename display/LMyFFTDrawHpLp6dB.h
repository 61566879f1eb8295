// LMyFFTDrawHpLp6dB: the response plot of the main window. It shows the
// curves of its ResponsePlotModel against a logarithmic frequency axis with a
// grid and level labels, and on top of them the equaliser handle blocks, the
// selected band's parameter text with a translucent fill of its response, a
// marker line and one free text ("BYPASS").
//
// Drawing goes into off-screen pages (plot area, label rows, titles, right
// margin, mouse coordinates) laid out by ResizePaintPage. A finished page is
// copied into the widget's screen picture by UpdatePaintPage, and paintEvent
// repaints from that picture, so nineteen plots repaint cheaply. A repaint
// that covers the plot area first presents the plot area drawn since its last
// presentation (FFTDraw and the writers draw it without presenting it), so
// the screen always shows the latest finished picture; a plot that is hidden
// draws no curves until it is shown. The plot area page holds grid,
// axes and curves only: every presentation of it composes the overlays on top
// once, in the order handle blocks, marker line, text, band display, so
// overlays never pile up and a moved handle leaves no trace.
//
// Axis units: x is the curve's point index (see ResponsePlotModel), y the
// caller's unit (dB, or tens of degrees with YLabelScale 10 for phase).
//
// Mouse: every press, move, release and double click goes first to the
// owner's OnMouseDown/OnMouseMove/OnMouseUp/OnDblClick. A left press on a
// drawn, visible handle block starts a handle drag: OnHandlePress, then
// OnHandleDrag for every move to a new pixel, then OnHandleRelease, each with
// the handle and the axis values, frequency and gain under the mouse. The
// plot never moves a handle itself: the owner redraws it through its Plot.
// Panning and zooming the axes (MouseDown1 ...) is off unless SetPanZoom(true).
#pragma once

#include <QImage>
#include <QWidget>

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "display/ResponsePlotModel.h"
#include "platform/Canvas.h"
#include "platform/Graphics.h"

namespace display {

// The runtime's float-to-text conversion behind every axis label, in the C
// locale. General: the shorter of fixed and scientific with `precision`
// significant digits, trailing zeros dropped, the exponent at least `digits`
// wide ("20", "-12", "3.1416E-0100"). Exponent: "3.1416E+0100". Fixed,
// number (with thousands separators) and currency: `digits` decimals.
std::string FormatLabelValue(double value, TStringFloatFormat format, int precision, int digits);

// A text and the top-left corner of its cell, in the coordinates of the page
// it is drawn on.
struct PlacedText {
    platform::TPoint At;
    std::string Text;
    bool operator==(const PlacedText&) const = default;
};

// One off-screen page: a bitmap and where it lies in the control. The bitmap
// is made when something first draws on the page; until then the page reads
// as all bits zero (black), so a plot never shown holds no plot-area page.
struct TPaintPage {
    platform::TRect DestRect;  // in control pixels
    platform::TRect PageRect;  // (0, 0, width, height)

    // Sets both rectangles; the page reads as all zero again.
    void Resize(int left, int top, int right, int bottom);
    void Clear(platform::TColor colour);
    bool Empty() const { return PageRect.Width() <= 0 || PageRect.Height() <= 0; }
    // The bitmap to draw on, made (all zero) when first asked for; null when
    // the page is empty.
    QImage& Bitmap();
    // Draws the page at DestRect: its bitmap, or while it has none opaque
    // black (what all bits zero draw as).
    void DrawOn(QPainter& painter) const;

    // The label texts last drawn on the page, in their font on their
    // background; none once the page is cleared or resized.
    struct Texts {
        std::vector<PlacedText> Lines;
        PlotFont Font;
        platform::TColor Background = 0;
        bool operator==(const Texts&) const = default;
    };
    std::optional<Texts> Drawn;

private:
    QImage bitmap_;
};

// What the handle-drag events report: the handle (block slot), and the axis
// values under the mouse with x also as a frequency.
struct HandleDrag {
    int Handle = -1;
    double X = 0.0;          // axis units (curve point index)
    double Y = 0.0;          // axis units (dB in magnitude view)
    double Frequency = 0.0;  // Hz, from X
    double Gain = 0.0;       // = Y
};

class LMyFFTDrawHpLp6dB : public QWidget, public PlotOverlayTarget {
    Q_OBJECT
public:
    static constexpr int BlockCount = 50;
    static constexpr int CurveDataSize = 4096;

    // Block kinds: 0 numbered square, 1 numbered circle with parameter text,
    // 2 square "LPF", 3 square "HPF"; any other kind draws nothing.
    enum BlockKindId { BlockSquare = 0, BlockCircle = 1, BlockLowPass = 2, BlockHighPass = 3 };

    // Lines of a parameter text.
    enum ParamLine : unsigned { LineQ = 1, LineFrequency = 2, LineGain = 4 };

    explicit LMyFFTDrawHpLp6dB(QWidget* parent = nullptr);
    ~LMyFFTDrawHpLp6dB() override;

    // ---- Data model and plain properties ----
    // Curves, published properties, ranges and the axis mapping. Its setters
    // ask this widget for the drawing step each change needs.
    ResponsePlotModel& Model() { return model_; }
    const ResponsePlotModel& Model() const { return model_; }

    // Background of every page; black at construction.
    platform::TColor Color() const { return color_; }
    void SetColor(platform::TColor value);
    int Tag() const;
    void SetTag(int value);
    // Pan and zoom by mouse (MouseDown1 ...); off at construction.
    bool PanZoom() const { return panZoom_; }
    void SetPanZoom(bool value) { panZoom_ = value; }

    // ---- Layout and pages ----
    // Lays the pages out for the current size and moves every handle block.
    void ResizePaintPage();
    void Redraw();                      // plots, labels and titles
    void DrawPlotsAndLabels();          // ... and presents the plot area
    void DrawPlotsAndLabelsNoUpdate();  // ... presenting only the label rows
    void DrawAllPlots();                // grid, ticks, axes, curves; not presented
    void DrawOnePlot(int key);
    void DrawAxis();
    void DrawXAxisLabels();
    void DrawYAxisLabels();
    void DrawTitles();
    // Copies the plot area, with the overlays composed on it, to the screen.
    void UpdateCurvePage();
    // Copies every shown page to the screen.
    void RedrawScreen();
    // Clears the shown pages without presenting them.
    void ClearPlot();

    int GetPlotWidth() const { return model_.GetPlotWidth(); }
    int GetPlotHeight() const { return model_.GetPlotHeight(); }
    // Page rectangles in control pixels (empty before the first layout).
    platform::TRect PlotRect() const { return plotPage_.DestRect; }
    platform::TRect XLabelRect() const { return xLabelPage_.DestRect; }
    platform::TRect YLabelRect() const { return yLabelPage_.DestRect; }
    platform::TRect MouseCoordRect() const { return mouseCoordPage_.DestRect; }

    // The labels as drawn, in their page's coordinates (empty when the row is
    // hidden or has no room).
    std::vector<PlacedText> XAxisLabels() const;
    std::vector<PlacedText> YAxisLabels() const;

    // The composed picture of the control, as the screen shows it.
    const QImage& ScreenImage() const { return screen_; }

    // ---- Handle blocks ----
    // Stores the block's axis values, colour, kind and hidden flag and its
    // position; it appears with the next presentation of the plot area.
    void DrawBlock(double y, double x, platform::TColor colour, int index, bool hidden, int kind) override;
    int SetBlockParameter(int index, double frequency, double gain, double q, int filterType) override;
    void SetBlockPosition(double screenX, double screenY, int index);
    // Position in plot-area pixels as of the last DrawBlock or layout; (0, 0)
    // for a slot never drawn before the first layout.
    platform::TPoint GetBlockPos(int index) const;
    // True once DrawBlock has stored the slot.
    bool BlockDrawn(int index) const;
    bool BlockHidden(int index) const;
    // Circle blocks show their parameter text (at the next presentation).
    void SetParameterDisplay(bool value) { parameterDisplay_ = value; }
    bool ParameterDisplay() const { return parameterDisplay_; }

    // ---- Band display ----
    // Stores the selected band's text anchor and parameters.
    void DrawParam(int kind, double gain, double x, float frequency, double q, platform::TColor colour) override;
    // Stores the band's response (at most 4096 values), the outline of the fill.
    void DrawCurveFill(int kind, const double* values, int count) override;
    bool SetCurveDisplay(bool value) override;
    bool CurveDisplay() const { return curveDisplay_; }

    // The parameter text of ShowParam at anchor (x, gain), in plot-area
    // pixels: the lines ShowParamLines(kind) selects. Above the anchor at or
    // below 0 dB, below it otherwise.
    std::vector<PlacedText> ParamTexts(int kind, double gain, double x, float frequency, double q) const;
    // The same for the band display's own line choice.
    std::vector<PlacedText> BandDisplayTexts() const;

    // ---- Marker line and text overlay ----
    void DrawLine(double x, platform::TColor colour, bool marker);
    // An empty text removes the overlay.
    void DrawTextA(int x, int y, int size, platform::TColor colour, const std::string& fontName,
                   const std::string& text);
    const std::string& OverlayText() const { return overlayText_; }
    QPoint OverlayTextPoint() const { return QPoint(textX_, textY_); }

    // ---- Mouse ----
    // The handle block under a control pixel, -1 for none: drawn, not hidden,
    // within 5 pixels across and 2 axis units up or down of the block. Slots
    // are tried from the highest down; a square (cut) handle ends the search,
    // otherwise the lowest-numbered circle hit wins.
    int HandleAt(int x, int y) const;
    // The handle being dragged, -1 for none.
    int DraggedHandle() const { return dragHandle_; }
    // The axis values and frequency under a control pixel.
    HandleDrag MapMouse(int handle, int x, int y) const;

    // Pan (plain drag), zoom (Alt) and rubber-band zoom (Ctrl) of the axes.
    void MouseDown1(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void MouseMove1(Qt::KeyboardModifiers shift, int x, int y);
    void MouseUp1(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void DblClick1();
    void DrawMouseCoord();

    // ---- Events ----
    std::function<void(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y)>
        OnMouseDown;
    std::function<void(QObject* Sender, Qt::KeyboardModifiers Shift, int X, int Y)> OnMouseMove;
    std::function<void(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y)>
        OnMouseUp;
    std::function<void(QObject* Sender)> OnDblClick;
    std::function<void(QObject* Sender, const HandleDrag& Drag)> OnHandlePress;
    std::function<void(QObject* Sender, const HandleDrag& Drag)> OnHandleDrag;
    std::function<void(QObject* Sender, const HandleDrag& Drag)> OnHandleRelease;

protected:
    // Which lines ShowParam draws for a layout kind: 2 or less Q, frequency
    // and gain; 3, 5, 7 the frequency; 4, 6, 8 and above Q and frequency.
    virtual unsigned ShowParamLines(int kind) const;
    // The band display's lines; the same as ShowParam's here.
    virtual unsigned BandDisplayLines(int kind) const;

    // Drawing steps into the plot area's canvas.
    virtual void drawGrid(platform::Canvas& c);
    virtual void drawTicks(platform::Canvas& c);
    virtual void drawAxis(platform::Canvas& c);
    virtual void drawCurve(platform::Canvas& c, const TPlotListMember& curve);
    // Overlay steps, composed on every presentation of the plot area.
    virtual void drawBlocks(platform::Canvas& c);
    virtual void drawBlock(platform::Canvas& c, int index, int penWidth);
    virtual void drawParamText(platform::Canvas& c, const std::vector<PlacedText>& lines, platform::TColor colour);
    virtual void drawMarkerLine(platform::Canvas& c);
    virtual void drawTextOverlay(platform::Canvas& c);
    virtual void drawBandDisplay(platform::Canvas& c);

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    enum PageId {
        PlotPageId, XLabelPageId, YLabelPageId, PlotTitlePageId, XTitlePageId, YTitlePageId,
        RightMarginPageId, YTitleTextPageId, MouseCoordPageId, PageCount
    };

    void OnModelRedraw(PlotRedraw step, int key);
    void UpdatePaintPage(PageId page);
    void DrawLabelPage(TPaintPage& page, TPaintPage::Texts texts);
    void ComposeOverlays(QPainter& painter);
    bool CanDrawPlotArea() const;
    bool HasArea() const;
    std::vector<PlacedText> PlaceParamLines(unsigned lines, double gain, double x, float frequency, double q) const;
    std::vector<double> VerticalGridX() const;
    std::vector<double> HorizontalGridY() const;
    void ApplyFont(platform::Canvas& c, const PlotFont& font) const;
    void ReportHandle(const std::function<void(QObject*, const HandleDrag&)>& event, int x, int y);

    ResponsePlotModel model_;
    platform::TColor color_ = platform::clBlack;
    bool panZoom_ = false;

    TPaintPage plotPage_, xLabelPage_, yLabelPage_, plotTitlePage_, xTitlePage_, yTitlePage_, rightMarginPage_,
        yTitleTextPage_, mouseCoordPage_;
    std::array<TPaintPage*, PageCount> pages_;
    QImage screen_;  // the finished picture paintEvent shows
    int lastWidth_ = 0, lastHeight_ = 0;
    bool stale_ = true;      // the plot area must be drawn again before it is shown
    bool unshown_ = false;   // the plot area was drawn since it was last presented
    bool inPaint_ = false;   // no update() requests from inside paintEvent
    bool inLayout_ = false;  // the layout's own row switches ask for nothing

    // Handle blocks.
    std::array<double, BlockCount> blockX_{}, blockY_{}, blockFreq_{}, blockGain_{}, blockQ_{}, blockFilterType_{};
    std::array<double, BlockCount> blockScreenX_{}, blockScreenY_{};
    std::array<platform::TColor, BlockCount> blockColor_{};
    std::array<platform::TPoint, BlockCount> blockPos_{};
    std::array<bool, BlockCount> blockHidden_{}, blockDrawn_{};
    std::array<int, BlockCount> blockKind_{};
    bool parameterDisplay_ = false;

    // Band display.
    bool curveDisplay_ = false;
    int curveKind_ = 0;
    double curveGain_ = 0.0, curveX_ = 0.0, curveQ_ = 0.0;
    float curveFreq_ = 0.0f;
    platform::TColor curveColor_ = platform::clYellow;
    std::vector<double> curveData_;

    // Marker line.
    double lineX_ = 0.0;
    int linePixelX_ = 0;
    platform::TColor lineColor_ = platform::clRed;
    bool lineMarker_ = false, lineVisible_ = false;

    // Text overlay.
    int textX_ = 0, textY_ = 0, textSize_ = 0;
    std::string textFontName_;
    platform::TColor textColor_ = platform::clWhite;
    std::string overlayText_;

    // Mouse.
    int lastMouseX_ = 0, lastMouseY_ = 0, zoomAnchorX_ = 0, zoomAnchorY_ = 0;
    bool panning_ = false, zooming_ = false, rubberBanding_ = false;
    QRect zoomRect_;
    int dragHandle_ = -1;
    int dragLastX_ = 0, dragLastY_ = 0;
};

}  // namespace display
