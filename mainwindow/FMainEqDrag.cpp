// Dragging handles on the response plots: every plot's press, move and
// release. A left press on a handle this plot has drawn starts a drag
// (DragPoint); each move to a new position then edits a band's frequency and
// gain, or a cut's frequency through its fader, and stores and sends it at
// once, while the 1 ms one-shots tmMouseEqCurve and tmHpLpCurve redraw with
// the last values. Without a drag a move only sets the hover cursor.
//
// The mouse is measured against the plot component's own plot area (its
// left and top edges and its size), so the mapping follows the layout the
// component made from its label widths; a plot without an area ignores the
// mouse.
#include <QLabel>
#include <QLineEdit>

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

#include "controls/ExTrackBar.h"
#include "controls/RoundEdit.h"
#include "controls/UxBmpButton.h"
#include "controls/UxComboBox.h"
#include "display/FilterDesign.h"
#include "display/LMyFFTDrawHpLp6dB.h"
#include "display/MyPEQAllpassBandPassStop.h"
#include "display/Plot.h"
#include "mainwindow/BandTexts.h"
#include "mainwindow/FMain.h"
#include "model/Codecs.h"
#include "model/Lunitcontrol.h"
#include "platform/Timer.h"

namespace {

constexpr int kLowCutHandle = 10;
constexpr int kHighCutHandle = 11;
constexpr int kNoRow = 15;            // a grid without a current row
constexpr int kHitColumns = 5;        // |px - bx| below this
constexpr int kHitLevels = 2;         // |yv - g| (truncated) below this
constexpr double kMaxDragGain = 12.0;
constexpr double kCurvePoints = 4096.0;
constexpr double kTopFrequency = 48000.0;
constexpr double kLowestFrequency = 19.7;
constexpr double kHighestFrequency = 20160.0;
const QColor kDraggedCutText(0, 128, 0);

bool EqChannel(int ch) { return (ch >= 0 && ch < 16) || ch == 18; }
int BandCount(int ch) { return ch >= 8 && ch < 16 ? kOutputPeqBands : kInputPeqBands; }

QString RoleSuffix(int ch) {
  if (ch == 18) return QStringLiteral("Eff");
  return (ch < 8 ? QStringLiteral("In") : QStringLiteral("Out")) + platform::ChannelSuffix(ch);
}
// The shared panel of the plot's side; the cut controls live there.
QString CutPanelSuffix(int ch) { return ch > 7 ? QStringLiteral("Out1") : QStringLiteral("InA"); }
QString CutRole(int handle) { return handle == kLowCutHandle ? QStringLiteral("LowCut") : QStringLiteral("HighCut"); }

int Trunc(double v) { return static_cast<int>(std::trunc(v)); }

void SetTextColour(TRoundEdit* box, const QColor& colour) {
  QPalette pal = box->Edit()->palette();
  pal.setColor(QPalette::Text, colour);
  box->Edit()->setPalette(pal);
}

// The mouse against a plot's area and axes: v the x value (curve point
// index), a the distance below the area's top edge in y units.
struct PlotMouse {
  double v, a, xMin, xMax, yMin, width;

  // The mouse column in plot-area pixels, scaled by factor before truncation.
  int Column(double factor) const { return Trunc(factor * width * (v - xMin) / (xMax - xMin)); }
  // A handle at column bx whose band has minus-gain g (0 for cuts).
  bool Hits(int bx, double g, double factor) const {
    double yv = Trunc(a) + yMin;
    if (g > 0) yv += 1;
    return std::abs(Column(factor) - Trunc(factor * bx)) < kHitColumns && Trunc(std::fabs(yv - g)) < kHitLevels;
  }
};

// Nothing when the plot has no area (or no x range) to divide by.
std::optional<PlotMouse> MapMouse(const display::LMyFFTDrawHpLp6dB& plot, int x, int y) {
  const display::ResponsePlotModel& m = plot.Model();
  const int w = plot.GetPlotWidth(), h = plot.GetPlotHeight();
  if (w <= 0 || h <= 0 || m.XMax() == m.XMin()) return std::nullopt;
  PlotMouse p;
  p.xMin = m.XMin();
  p.xMax = m.XMax();
  p.yMin = m.YMin();
  p.width = w;
  p.v = p.xMin + (x - m.PlotLeft()) / static_cast<double>(w) * (p.xMax - p.xMin);
  p.a = (y - m.PlotTop()) / static_cast<double>(h) * (m.YMax() - m.YMin());
  return p;
}

}  // namespace

void TfmMain::BindEqDrag() {
  tmMouseEqCurve = new platform::Timer(this, 1);
  Register(tmMouseEqCurve, QStringLiteral("tmMouseEqCurve"));
  tmMouseEqCurve->OnTimer = [this](QObject* s) { tmMouseEqCurveTimer(s); };
  for (int i = 0; i < 19; ++i) {
    display::LMyFFTDrawHpLp6dB* plot = PlotWidget(i);
    if (!plot) continue;
    plot->OnMouseDown = [this](QObject* s, Qt::MouseButton b, Qt::KeyboardModifiers k, int x, int y) {
      fftDrawInAMouseDown(s, b, k, x, y);
    };
    plot->OnMouseMove = [this](QObject* s, Qt::KeyboardModifiers k, int x, int y) { fftDrawInAMouseMove(s, k, x, y); };
    plot->OnMouseUp = [this](QObject* s, Qt::MouseButton b, Qt::KeyboardModifiers k, int x, int y) {
      fftDrawInAMouseUp(s, b, k, x, y);
    };
  }
}

namespace {

// The handles drawn on this plot, highest number first: the channel's bands
// and, except on the effect plot, its two cuts. The Gain page's plots carry
// Tag 0 but are not input A's plot: they have none.
std::vector<int> DrawnHandles(const TfmMain& main, const display::LMyFFTDrawHpLp6dB* plot, int ch) {
  std::vector<int> handles;
  if (!EqChannel(ch) || main.PlotWidget(ch) != plot) return handles;
  for (int n = kHighCutHandle; n >= 0; --n) {
    if (n >= kLowCutHandle ? ch == 18 : n >= BandCount(ch)) continue;
    if (plot->BlockDrawn(n) && !plot->BlockHidden(n)) handles.push_back(n);
  }
  return handles;
}

// Minus the handle's band gain from its grid row; 0 for the cuts.
double MinusGain(const TMyPEQAllpassBandPassStop& grid, int handle) {
  return handle < kLowCutHandle ? -grid.GetGainValue(handle) : 0.0;
}

}  // namespace

void TfmMain::fftDrawInAMouseDown(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers, int X, int Y) {
  auto* plot = dynamic_cast<display::LMyFFTDrawHpLp6dB*>(Sender);
  if (!plot) return;
  const std::optional<PlotMouse> mouse = MapMouse(*plot, X, Y);
  if (!mouse) return;
  DragPoint = -1;
  const int ch = plot->Tag();
  TMyPEQAllpassBandPassStop* grid = EqChannel(ch) ? PeqGridOf(ch) : nullptr;
  if (!grid || Button != Qt::LeftButton) return;
  for (int n : DrawnHandles(*this, plot, ch)) {
    if (!mouse->Hits(plot->GetBlockPos(n).X, MinusGain(*grid, n), 1.0)) continue;
    DragPoint = n;
    if (n >= kLowCutHandle) break;
    // Every band hit is clicked in turn; the lowest number wins.
    if (TUxBmpButton* button = BandButton(ch, n)) {
      button->SetDown(true);
      button->Click();
    }
  }
}

void TfmMain::fftDrawInAMouseMove(QObject* Sender, Qt::KeyboardModifiers, int X, int Y) {
  auto* plot = dynamic_cast<display::LMyFFTDrawHpLp6dB*>(Sender);
  if (!plot) return;
  const std::optional<PlotMouse> mouse = MapMouse(*plot, X, Y);
  if (!mouse || QPoint(X, Y) == LastMousePos) return;
  LastMousePos = QPoint(X, Y);
  const int ch = plot->Tag();
  TMyPEQAllpassBandPassStop* grid = EqChannel(ch) ? PeqGridOf(ch) : nullptr;
  if (!grid) return;

  if (DragPoint == -1) {
    plot->setCursor(Qt::ArrowCursor);
    const double factor = plot->logicalDpiX() == 96 ? 1.5 : 1.0;
    for (int n : DrawnHandles(*this, plot, ch))
      if (mouse->Hits(plot->GetBlockPos(n).X, MinusGain(*grid, n), factor)) {
        plot->setCursor(Qt::CrossCursor);
        break;
      }
    return;
  }
  if (!UnitControl || !EqChannel(ch) || !Plots[ch]) return;

  // A band below 0 dB follows 1 dB under the cursor.
  const int n = DragPoint;
  double y = mouse->a + mouse->yMin;
  if (n < kLowCutHandle && MinusGain(*grid, n) > 0) y += 1;
  y = std::clamp(y, -kMaxDragGain, kMaxDragGain);
  const double gain = std::trunc(-y * 10) * 0.1;
  double f = std::pow(10.0, std::log10(kTopFrequency) * mouse->v / kCurvePoints);
  f = CodeToFrequency(FrequencyToCode(f));
  if (f < 19.6) f = kLowestFrequency;
  if (f > kHighestFrequency) f = kHighestFrequency;

  if (n < kLowCutHandle) {
    TUxBmpButton* button = BandButton(ch, n);
    auto* hint = FindControl<QLabel>("lbFftParam" + RoleSuffix(ch));
    if (!button || !hint || n >= BandCount(ch)) return;
    const double q = grid->GetQValue(n);
    int type = grid->GetTypeValue(n);
    if (type < 0) type = UnitControl->GetPeqBand(ch, n).Type;  // a type the grid cannot show
    grid->SetFreqValue(n, f);  // the grid's change handler ignores these while dragging
    grid->SetGainValue(n, gain);
    button->SetDown(true);
    const bool bypass = grid->GetBypassValue(n);
    tmMouseEqCurve->SetEnabled(true);
    PendingCurve.channel = ch;
    PendingCurve.frequency = static_cast<float>(f);
    PendingCurve.gain = gain;
    PendingCurve.q = static_cast<float>(q);
    PendingCurve.type = type;
    PendingCurve.band = n;
    PendingCurve.bypass = bypass ? 1 : 0;
    const int freqCode = std::min(FrequencyToCode(f), kFrequencyCodeMax);
    const std::uint32_t bandWord =
        static_cast<std::uint32_t>(GainToCode(gain)) | static_cast<std::uint32_t>(freqCode) << 16;
    const std::uint16_t shapeWord = static_cast<std::uint16_t>(QToCode(q) | (type & 0xFF) << 8);
    grid->SetNowIndex(n);
    UnitControl->SetPeqBand(ch, n, bandWord, shapeWord, bypass ? 1 : 0);
    return;
  }

  const QString s = CutPanelSuffix(ch), role = CutRole(n);
  auto* box = FindControl<TRoundEdit>("cvd" + role + "Freq" + s);
  auto* bypass = FindControl<TUxBmpButton>("uxb" + role + "Bypass" + s);
  auto* combo = FindControl<TUxComboBox>("uxc" + role + "Slop" + s);
  auto* fader = FindControl<TExTrackBar>("is" + role + "Freq" + s);
  if (!box || !bypass || !combo || !fader) return;
  box->SetText(bandtext::Frequency(f));
  fader->SetPosition(FrequencyToCode(f));  // its own change handler stores and sends too
  tmHpLpCurve->SetEnabled(true);
  PendingCurve.channel = ch;
  PendingCurve.frequency = static_cast<float>(f);
  PendingCurve.slope = bypass->Down() ? 0 : combo->ItemIndex() + 1;
  PendingCurve.kind = n == kLowCutHandle ? 1 : 0;
  CutWords pairs = UnitControl->GetHighLowPass(ch);
  std::uint32_t& pair = n == kLowCutHandle ? pairs.LowCut : pairs.HighCut;
  pair = (pair & 0xFFFFu) | static_cast<std::uint32_t>(fader->Position() & 0xFFFF) << 16;
  if (n == kLowCutHandle)
    UnitControl->SetHighPass(ch, pairs.LowCut, pairs.HighCut);
  else
    UnitControl->SetLowPass(ch, pairs.LowCut, pairs.HighCut);
  const int row = grid->GetNowIndex();
  if (row != kNoRow) {
    grid->SetNowIndex(-1);
    if (TUxBmpButton* button = BandButton(ch, row)) button->SetDown(false);
  }
  SetTextColour(box, kDraggedCutText);
}

void TfmMain::fftDrawInAMouseUp(QObject* Sender, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {
  // The release maps nothing, so it ends a drag even on a plot without an area.
  auto* plot = dynamic_cast<display::LMyFFTDrawHpLp6dB*>(Sender);
  if (!plot) return;
  const QString s = CutPanelSuffix(plot->Tag());
  auto* low = FindControl<TRoundEdit>("cvdLowCutFreq" + s);
  auto* high = FindControl<TRoundEdit>("cvdHighCutFreq" + s);
  if (low) SetTextColour(low, Qt::black);
  if (high) SetTextColour(high, Qt::black);
  if (low && high) DragPoint = -1;
}

void TfmMain::tmMouseEqCurveTimer(QObject*) {
  tmMouseEqCurve->SetEnabled(false);
  const PendingCurveRecord p = PendingCurve;
  const int ch = p.channel;
  if (!EqChannel(ch) || !Plots[ch] || p.band < 0 || p.band >= BandCount(ch)) return;
  ShowEqBandControls(ch, true, p.q, p.gain, p.frequency);
  FocusEqFreqEdit(ch);
  display::Plot& plot = *Plots[ch];
  display::PlotSection& section = *plot.Sections[p.band];
  if (p.bypass)
    section.SetFilter(0.0, p.frequency, p.q, display::PlotFilterType::Flat);
  else
    section.SetFilter(p.gain, p.frequency, p.q, display::PeqTypeToPlotFilterType(p.type));
  plot.DrawHandle(p.band, static_cast<float>(p.gain), 1);
  plot.DrawSectionFilled(p.type, p.band, static_cast<float>(p.gain), p.q, true);
  plot.DrawSum(ch);
  auto* hint = FindControl<QLabel>("lbFftParam" + RoleSuffix(ch));
  if (!hint) return;
  hint->setVisible(true);
  if (auto* widget = PlotWidget(ch)) widget->UpdateCurvePage();
}
