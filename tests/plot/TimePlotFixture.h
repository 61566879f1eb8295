// Time-series plot tests: a TwPlot whose axes map fixed ranges onto known
// pixels, without tracking.
#pragma once

#include <QImage>

#include <functional>
#include <string>

#include "ChannelFixture.h"
#include "controls/wException.h"
#include "plot/wPlot.h"

namespace timetest {

// X Min .. Min + Span onto pixels x0 .. x1, Y onto y0 (bottom) .. y1.
struct TimeAxesPlot {
  TwPlot plot;
  TwPlotChannel* channel;
  TimeAxesPlot(double xMin, double xSpan, double yMin, double ySpan, int x0 = 0, int x1 = 500, int y0 = 500,
               int y1 = 0) {
    plot.GetXAxis(0)->SetTrackingEnabled(false);
    plot.GetYAxis(0)->SetTrackingEnabled(false);
    plot.GetXAxis(0)->SetMinSpan(xMin, xSpan);
    plot.GetYAxis(0)->SetMinSpan(yMin, ySpan);
    QImage scratch(1, 1, QImage::Format_RGB32);
    platform::Canvas canvas(&scratch);
    plot.GetXAxis(0)->SetDrawRect({x0, 0, x1, 10});
    plot.GetXAxis(0)->CalcScaleRect(canvas);
    plot.GetYAxis(0)->SetDrawRect({0, y1, 10, y0});
    plot.GetYAxis(0)->CalcScaleRect(canvas);
    plot.DisableAllTracking();
    channel = plot.GetChannel(0);
    channel->SetMarkersVisible(false);
  }
  platform::TPoint Pixel(double x, double y) const {
    return {plot.GetXAxis(0)->PositionToPixels(x), plot.GetYAxis(0)->PositionToPixels(y)};
  }
};

inline std::string ErrorOf(const std::function<void()>& f) {
  try {
    f();
  } catch (const std::exception& e) {
    return e.what();
  }
  return {};
}

}  // namespace timetest
