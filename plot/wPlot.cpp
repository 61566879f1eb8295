#include "plot/wPlot.h"

#include <typeinfo>

namespace {
// Ends the deferral and enables the layout manager however construction ends.
struct ConstructionGuard {
  TwPlotComponent* plot;
  ~ConstructionGuard() {
    plot->EnableLayoutManager();
    plot->EndUpdate();
  }
};
}  // namespace

TwPlot::TwPlot(QWidget* parent) : TwPlotComponent(parent) {
  BeginUpdate();
  Master()->SetChannelClass([](TwPlotComponent* o, TwNotifyEvent c, TwNotifyEvent i, TwNotifyEvent r,
                               TwNotifyEvent n) -> TwPlotChannelCustom* {
    return new TwPlotChannel(o, std::move(c), std::move(i), std::move(r), std::move(n));
  });
  DisableLayoutManager();
  ConstructionGuard guard{this};
  AddStandardObjects();
}

TwPlotChannel* TwPlot::GetChannel(int Index) const {
  auto* channel = dynamic_cast<TwPlotChannel*>(GetChannelCustom(Index));
  if (!channel) throw std::bad_cast();
  return channel;
}
