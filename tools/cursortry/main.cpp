// dspplotcursor: a window with the gate's transfer-curve plot and its toolbar
// shown, for trying the toolbar and the data cursor as a user would
// (tools/cursorshots.sh). Once shown it prints, in window pixels, where the
// cursor button is and where the data view's 50 %, 75 % and 20 % lie:
//   button X Y
//   pointer X50 X75 Y20
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>

#include <cstdio>

#include "platform/Application.h"
#include "plot/wPlotDataView.h"
#include "plot/wXYPlot.h"

int main(int argc, char** argv) {
  // The program's own application class: an error raised by a handler (the
  // plot editor's, say) is shown in a message box instead of being lost.
  platform::Application app(argc, argv);
  app.setQuitOnLastWindowClosed(true);
  QWidget window;
  window.setWindowTitle(QStringLiteral("Plot cursor try"));
  auto* layout = new QVBoxLayout(&window);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* plot = new TwXYPlot(&window);
  SetupFormPlot(plot);
  plot->GetToolBar(0)->SetVisible(true);
  plot->EnableAllTracking();
  plot->XAxis()->SetMinSpan(-100, 120);
  plot->YAxis()->SetMinSpan(-100, 120);
  SetupTransferChannels(plot, 1);
  TwXYPlotChannel* curve = plot->GetChannel(0);
  for (auto [x, y] : {std::pair{20.0, 20.0}, {-60.0, -60.0}, {-60.0, -100.0}}) curve->AddXY(x, y);
  layout->addWidget(plot);
  window.resize(520, 320);
  window.show();
  QTimer::singleShot(200, plot, [plot] {
    plot->ReCalcLayout();
    const platform::TRect b = plot->GetToolBar(0)->Button(iptbbtCursor)->DrawRect();
    TwPlotDataView* dv = plot->GetDataView(0);
    std::printf("button %d %d\n", (b.Left + b.Right) / 2, (b.Top + b.Bottom) / 2);
    std::printf("pointer %d %d %d\n", dv->PositionPercentToPixelsX(50), dv->PositionPercentToPixelsX(75),
                dv->PositionPercentToPixelsY(20));
    std::fflush(stdout);
  });
  return app.exec();
}
