// Response arithmetic timings: one band edit, one channel from scratch (27
// sections and the sum) and all 19 plots from scratch, in magnitude and phase
// mode. Every section gets a real design, so none is the cheap flat case.
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "display/Plot.h"
#include "display/ResponsePlotModel.h"

namespace {

using namespace display;

constexpr int kPlots = 19;

// The plot model as the main window sets it up: fixed ranges, so drawing a
// curve costs the copy into the curve list and nothing else.
std::unique_ptr<ResponsePlotModel> MainWindowModel() {
    auto model = std::make_unique<ResponsePlotModel>();
    model->SetYAutoScale(false);
    model->SetXAutoScale(false);
    model->SetAutoRedraw(false);
    return model;
}

// Sets all 27 sections of a channel and draws the sum.
void SetChannel(Plot& plot, int channel, double detune) {
    static const int kBandCodes[] = {1, 2, 3, 1, 1, 17, 18, 19, 7, 1};
    for (int band = 0; band < 10; ++band)
        plot.Sections[band]->SetFilter(band % 2 ? -4.5 : 6.0, 40.0 * (band + 1) * (band + 1) * detune, 1.4,
                                       kBandCodes[band]);
    plot.Sections[10]->SetCutFilter(0.0, 60.0 * detune, 0.05, PlotFilterType::LowCut2, 0.7654f, 0.0f);
    plot.Sections[11]->SetCutFilter(0.0, 16000.0 * detune, 0.05, PlotFilterType::HighCut2, 1.8478f, 0.0f);
    for (int s = 13; s <= 17; ++s)
        plot.Sections[s]->SetCutFilter(0.0, 100.0 * detune, 0.05, PlotFilterType::LowCut2b, 1.3617f, 0.618f);
    for (int s = 18; s < Plot::SectionCount; ++s)
        plot.Sections[s]->SetFilter(3.0, 500.0 * (s - 17) * detune, 0.7, PlotFilterType::Peak);
    plot.Sections[12]->SetFilter(1.0, 1000.0, 1.0, PlotFilterType::Peak);
    plot.DrawSum(channel);
}

struct Rig {
    std::vector<std::unique_ptr<ResponsePlotModel>> models;
    std::vector<std::unique_ptr<Plot>> plots;
    explicit Rig(int count, bool phase) {
        for (int i = 0; i < count; ++i) {
            models.push_back(MainWindowModel());
            plots.push_back(std::make_unique<Plot>(models.back().get()));
            plots.back()->SetPhaseMode(phase ? 1 : 0);
            SetChannel(*plots.back(), i, 1.0);
        }
    }
};

void BM_BandEdit(benchmark::State& state) {
    Rig rig(1, state.range(0) != 0);
    Plot& plot = *rig.plots[0];
    double gain = 0.0;
    for (auto _ : state) {
        gain = gain > 12.0 ? -12.0 : gain + 0.1;
        plot.Sections[3]->SetFilter(gain, 1000.0, 1.0, PlotFilterType::Peak);
        plot.DrawSum(0);
        benchmark::DoNotOptimize(plot.Sections[12]->Response.data());
    }
}
BENCHMARK(BM_BandEdit)->ArgName("phase")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_ChannelFromScratch(benchmark::State& state) {
    Rig rig(1, state.range(0) != 0);
    double detune = 1.0;
    for (auto _ : state) {
        detune = detune > 1.1 ? 0.9 : detune + 0.001;
        SetChannel(*rig.plots[0], 0, detune);
        benchmark::DoNotOptimize(rig.plots[0]->Sections[12]->Response.data());
    }
}
BENCHMARK(BM_ChannelFromScratch)->ArgName("phase")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_AllPlotsFromScratch(benchmark::State& state) {
    Rig rig(kPlots, state.range(0) != 0);
    double detune = 1.0;
    for (auto _ : state) {
        detune = detune > 1.1 ? 0.9 : detune + 0.001;
        for (int i = 0; i < kPlots; ++i)
            SetChannel(*rig.plots[i], i, detune);
        benchmark::DoNotOptimize(rig.plots[kPlots - 1]->Sections[12]->Response.data());
    }
}
BENCHMARK(BM_AllPlotsFromScratch)->ArgName("phase")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// What start-up pays: 19 new plots of 27 flat sections each.
void BM_CreateAllPlots(benchmark::State& state) {
    for (auto _ : state) {
        std::vector<std::unique_ptr<Plot>> plots;
        for (int i = 0; i < kPlots; ++i)
            plots.push_back(std::make_unique<Plot>(nullptr));
        benchmark::DoNotOptimize(plots.back()->Sections[0]->Response.data());
    }
}
BENCHMARK(BM_CreateAllPlots)->Unit(benchmark::kMillisecond);

}  // namespace
