// Paint time of a time-series plot channel by the points it stores and the
// points in view: a smooth trace (spline, polynomial, rational) should cost
// what the visible points cost, as the straight line does. Arguments:
// points stored, points visible. Runs with the offscreen platform unless
// QT_QPA_PLATFORM says otherwise.
#include <benchmark/benchmark.h>

#include <QApplication>

#include <cmath>

#include "plot/wPlot.h"
#include "plot/wPlotAxis.h"
#include "plot/wPlotChannel.h"

namespace {

// The plot's paint into an image, as an export paints it.
struct PaintedPlot : TwPlot {
  using TwPlot::PaintImage;
};

void PaintChannel(benchmark::State& state, TwPlotInterpolationStyle style) {
  const int stored = int(state.range(0)), visible = int(state.range(1));
  PaintedPlot plot;
  plot.resize(600, 400);
  plot.DisableAllTracking();
  TwPlotChannel* channel = plot.GetChannel(0);
  channel->SetInterpolationStyle(style);
  channel->SetCount(stored);
  for (int i = 0; i < stored; ++i) channel->AddXY(i, std::sin(i / 10.0));
  plot.XAxis()->SetMinSpan(stored / 2, visible - 1);
  plot.YAxis()->SetMinSpan(-1.5, 3);
  for (auto _ : state) benchmark::DoNotOptimize(plot.PaintImage());
  state.counters["stored"] = stored;
  state.counters["visible"] = visible;
}

void StraightLine(benchmark::State& state) { PaintChannel(state, ipistStraightLine); }
void CubicSpline(benchmark::State& state) { PaintChannel(state, ipistCubicSpline); }
void Polynomial(benchmark::State& state) { PaintChannel(state, ipistPolynomial); }
void Rational(benchmark::State& state) { PaintChannel(state, ipistRational); }

BENCHMARK(StraightLine)->Args({1000000, 20})->Unit(benchmark::kMillisecond);
BENCHMARK(CubicSpline)
    ->Args({10000, 20})
    ->Args({1000000, 20})
    ->Args({1000000, 200})
    ->Args({1000000, 2000})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(Polynomial)->Args({1000, 21})->Args({4000, 21})->Args({4000, 100})->Unit(benchmark::kMillisecond);
BENCHMARK(Rational)->Args({1000, 21})->Args({4000, 21})->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
