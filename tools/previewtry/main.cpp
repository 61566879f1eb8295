// dspplotpreview: a window with a transfer-curve plot and a "Preview" button
// that opens the plot's print preview, for trying the preview and printing
// as a user would (tools/previewshots.sh). Printing goes into a PDF file,
// without the print dialog.
//
//   dspplotpreview FILE.pdf
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

#include <cmath>
#include <cstdio>

#include "platform/Application.h"
#include "plot/wXYPlot.h"

int main(int argc, char** argv) {
  // The program's own application class: an error raised by a handler (the
  // plot editor's, say) is shown in a message box instead of being lost.
  platform::Application app(argc, argv);
  app.setQuitOnLastWindowClosed(true);
  if (argc != 2) {
    std::fprintf(stderr, "usage: dspplotpreview FILE.pdf\n");
    return 2;
  }
  QWidget window;
  window.setWindowTitle(QStringLiteral("Plot preview try"));
  auto* layout = new QVBoxLayout(&window);
  auto* plot = new TwXYPlot(&window);
  plot->setMinimumSize(500, 250);
  plot->SetTitleText(QStringLiteral("Gate"));
  plot->SetTitleVisible(true);
  plot->XAxis()->SetMin(-80);
  plot->XAxis()->SetSpan(80);
  plot->YAxis()->SetMin(-80);
  plot->YAxis()->SetSpan(80);
  TwXYPlotChannel* channel = plot->GetChannel(0);
  channel->SetTitleText(QStringLiteral("Gate curve"));
  plot->GetLegend(0)->SetVisible(true);
  for (int x = -80; x <= 0; x += 2) channel->AddXY(x, x < -50 ? -80 + (x + 80) * 0.2 + (x + 50) : x);
  plot->PrintShowDialog = false;
  plot->PrintDocumentName = QStringLiteral("Gate curve");
  plot->Printer()->setOutputFormat(QPrinter::PdfFormat);
  plot->Printer()->setOutputFileName(QString::fromLocal8Bit(argv[1]));
  auto* preview = new QPushButton(QStringLiteral("Preview"), &window);
  QObject::connect(preview, &QPushButton::clicked, plot, [plot] { plot->PreviewChart(); });
  layout->addWidget(plot, 1);
  layout->addWidget(preview);
  window.resize(540, 330);
  window.show();
  return app.exec();
}
