// Printing into a PDF file, the page rectangle and paper metrics, the
// clipboard copy, the snapshot and image files of the plot.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QPainter>
#include <QPicture>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <vector>

#include "platform/Dialogs.h"
#include "plot/wXYPlot.h"

namespace {

using namespace platform;

struct ProviderReset {
  ~ProviderReset() {
    SetFileProvider([](const FileRequest&) { return std::optional<QString>(); });
    SetPrintDialogProvider([](QPrinter&) { return false; });
    SetClipboardProvider([](const ClipboardData&) {});
    SetMessageProvider([](const MessageRequest& r) { return r.yesNo ? int(mrYes) : int(mrOk); });
  }
};

struct PrintFixture {
  QTemporaryDir dir;
  TwXYPlot plot;
  ProviderReset reset;
  struct Page {
    int index;
    bool last;
    double min;
  };
  std::vector<Page> pages;

  PrintFixture() {
    plot.resize(500, 200);
    plot.XAxis()->SetMin(0);
    plot.XAxis()->SetSpan(10);
    plot.PrintShowDialog = false;
    QPrinter* printer = plot.Printer();
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(Pdf());
    printer->setPageSize(QPageSize(QPageSize::Letter));
    plot.OnBeforePrintPage = [this](int index, bool last) { pages.push_back({index, last, plot.XAxis()->Min()}); };
  }
  QString Pdf() const { return dir.filePath(QStringLiteral("plot.pdf")); }
  int PdfPages() const {
    QFile f(Pdf());
    if (!f.open(QIODevice::ReadOnly)) return -1;
    return int(QString::fromLatin1(f.readAll()).count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))));
  }
};

TEST(PlotPrint, VisibleRangePrintsOnePageMarkedLast) {
  PrintFixture f;
  f.plot.PrintChart();
  ASSERT_EQ(f.pages.size(), 1u);
  EXPECT_EQ(f.pages[0].index, 1);
  EXPECT_TRUE(f.pages[0].last);
  EXPECT_EQ(f.PdfPages(), 1);
  EXPECT_DOUBLE_EQ(f.plot.PrintXStart, 0);
  EXPECT_DOUBLE_EQ(f.plot.PrintXStop, 10);
}

TEST(PlotPrint, NarrowedSpanPrintsOnePagePerSpanAndRestoresTheAxis) {
  PrintFixture f;
  int before = 0, after = 0;
  f.plot.OnBeforePrint = [&](QObject* sender) {
    EXPECT_EQ(sender, &f.plot);
    ++before;
    f.plot.XAxis()->SetSpan(2.5);
  };
  f.plot.OnAfterPrint = [&](QObject*) { ++after; };
  f.plot.PrintChart();
  ASSERT_EQ(f.pages.size(), 4u);
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(f.pages[i].index, i + 1);
    EXPECT_DOUBLE_EQ(f.pages[i].min, 2.5 * i);
    EXPECT_EQ(f.pages[i].last, i == 3) << i;
  }
  EXPECT_EQ(f.PdfPages(), 4);
  EXPECT_EQ(before, 1);
  EXPECT_EQ(after, 1);
  EXPECT_DOUBLE_EQ(f.plot.XAxis()->Min(), 0);
  EXPECT_DOUBLE_EQ(f.plot.XAxis()->Span(), 10);
  EXPECT_EQ(f.plot.size(), QSize(500, 200));
}

TEST(PlotPrint, PageRectangleScalesThePlotIntoTheMargins) {
  TwXYPlot plot;
  plot.resize(500, 200);
  // 600 dpi, 11 x 8.5 inches, 1-inch margins: scale min(5400 / 500, 3900 / 200) = 10.8.
  const TRect r = plot.PrintPageRect(600, 600, 25, 30, 6600, 5100);
  EXPECT_EQ(r.Left, 600 - 25);
  EXPECT_EQ(r.Top, 600 - 30);
  EXPECT_EQ(r.Width(), 5400);
  EXPECT_EQ(r.Height(), 2160);
}

TEST(PlotPrint, PaperMetricsComeFromTheLastPrint) {
  PrintFixture f;
  f.plot.PrintSizeToFillPage();  // before any print: nothing
  f.plot.PrintAdjustXSpanToMinutesPerMillimeter(1);
  EXPECT_EQ(f.plot.size(), QSize(500, 200));
  EXPECT_DOUBLE_EQ(f.plot.XAxis()->Span(), 10);

  f.plot.PrintOrientation = poLandscape;
  f.plot.PrintChart();
  EXPECT_DOUBLE_EQ(f.plot.PrinterPaperWidthInches(), 11);
  EXPECT_DOUBLE_EQ(f.plot.PrinterPaperHeightInches(), 8.5);
  EXPECT_DOUBLE_EQ(f.plot.PrinterPaperWidthCentimeters(), 27.94);
  EXPECT_EQ(f.plot.PrinterPaperWidthPixels(), 11 * f.plot.Printer()->resolution());
  f.plot.ReCalcLayout();  // the axis length the call measures, before its span changes the labels
  const int pixels = std::abs(f.plot.XAxis()->GetMaxPixels() - f.plot.XAxis()->GetMinPixels());
  f.plot.PrintAdjustXSpanToMinutesPerMillimeter(60);
  EXPECT_GT(pixels, 0);
  EXPECT_DOUBLE_EQ(f.plot.XAxis()->Span(), pixels * (8.5 - 2) / 200 * 25.4 * 60 / 1440);
  f.plot.PrintSizeToFillPage();
  EXPECT_EQ(f.plot.height(), 386);
}

TEST(PlotPrint, EachToolbarGetsItsOwnVisibilityBack) {
  PrintFixture f;
  f.plot.AddToolBar();
  f.plot.GetToolBar(0)->SetVisible(false);
  f.plot.GetToolBar(1)->SetVisible(true);
  f.plot.XAxis()->SetUserSelected(true);
  bool hiddenWhilePrinting = false;
  f.plot.OnBeforePrint = [&](QObject*) {
    hiddenWhilePrinting = !f.plot.GetToolBar(0)->Visible() && !f.plot.GetToolBar(1)->Visible() &&
                          !f.plot.XAxis()->UserSelected();
  };
  f.plot.PrintChart();
  EXPECT_TRUE(hiddenWhilePrinting);
  EXPECT_FALSE(f.plot.GetToolBar(0)->Visible());
  EXPECT_TRUE(f.plot.GetToolBar(1)->Visible());
}

TEST(PlotPrint, DialogCancelPrintsNothingAndItsAnswerIsUsed) {
  PrintFixture f;
  f.plot.PrintShowDialog = true;
  f.plot.PrintDocumentName = QStringLiteral("Gate curve");
  QString title;
  SetPrintDialogProvider([&](QPrinter& p) {
    title = p.docName();
    return false;
  });
  f.plot.PrintChart();
  EXPECT_EQ(title, QStringLiteral("Gate curve"));
  EXPECT_TRUE(f.pages.empty());
  EXPECT_FALSE(QFile::exists(f.Pdf()));
  SetPrintDialogProvider([](QPrinter&) { return true; });
  f.plot.PrintChart();
  EXPECT_EQ(f.PdfPages(), 1);
}

TEST(PlotPrint, FailuresComeWithTheirPrefix) {
  PrintFixture f;
  f.plot.RemoveAllXAxes();
  try {
    f.plot.PrintChart();
    ADD_FAILURE() << "no error";
  } catch (const std::exception& e) {
    EXPECT_EQ(std::string(e.what()).rfind("Error Printing : ", 0), 0u) << e.what();
  }
}

TEST(PlotClipboard, CopiesTheChosenFormatAndRestoresToolbarsAndSelection) {
  PrintFixture f;
  f.plot.AddToolBar();
  f.plot.GetToolBar(0)->SetVisible(false);
  f.plot.GetToolBar(1)->SetVisible(true);
  f.plot.XAxis()->SetUserSelected(true);
  std::vector<ClipboardData> copies;
  SetClipboardProvider([&](const ClipboardData& d) { copies.push_back(d); });
  f.plot.SetCopyToClipBoardFormat(ipefBitmap);
  f.plot.CopyToClipBoard();
  f.plot.SetCopyToClipBoardFormat(ipefJPEG);
  f.plot.CopyToClipBoard();
  f.plot.SetCopyToClipBoardFormat(ipefMetaFile);
  f.plot.CopyToClipBoard();
  ASSERT_EQ(copies.size(), 3u);
  EXPECT_EQ(copies[0].image.size(), QSize(500, 200));
  EXPECT_TRUE(copies[0].mimeType.isEmpty());
  EXPECT_EQ(copies[1].mimeType, QStringLiteral("image/jpeg"));
  EXPECT_TRUE(copies[1].bytes.startsWith("\xFF\xD8"));
  EXPECT_EQ(copies[2].mimeType, QStringLiteral("image/svg+xml"));
  EXPECT_TRUE(copies[2].bytes.contains("<title>Tavrin</title>"));
  EXPECT_TRUE(copies[2].bytes.contains("Strip Chart"));
  EXPECT_EQ(copies[2].image.size(), QSize(500, 200));
  EXPECT_FALSE(f.plot.GetToolBar(0)->Visible());
  EXPECT_TRUE(f.plot.GetToolBar(1)->Visible());
  EXPECT_FALSE(f.plot.XAxis()->UserSelected());
}

TEST(PlotClipboard, SnapshotRecordsThePlotsPaint) {
  TwXYPlot plot;
  plot.resize(300, 150);
  const QPicture& picture = plot.GetSnapShotPicture();
  EXPECT_GT(picture.size(), 0u);
  EXPECT_EQ(&picture, &plot.GetSnapShotPicture());  // kept by the plot
}

TEST(PlotClipboard, SnapshotPlaysIntoItsRectangleOnAnyResolution) {
  TwXYPlot plot;
  plot.resize(500, 200);
  const QPicture& picture = plot.GetSnapShotPicture();
  for (int dpi : {72, 96, 600, 1200}) {
    QImage page(1000, 500, QImage::Format_RGB32);
    page.setDotsPerMeterX(qRound(dpi / 0.0254));
    page.setDotsPerMeterY(qRound(dpi / 0.0254));
    page.fill(Qt::white);
    QPainter painter(&page);
    TwPlotComponent::PlayPicture(painter, picture, {100, 50, 350, 150}, plot.size());
    painter.end();
    EXPECT_EQ(page.pixel(200, 100), qRgb(0, 0, 0)) << dpi;  // the plot's background
    EXPECT_EQ(page.pixel(360, 160), qRgb(255, 255, 255)) << dpi;
    EXPECT_EQ(page.pixel(95, 45), qRgb(255, 255, 255)) << dpi;
  }
}

// A plot whose legend shows two channel names, as a user sets one up.
void ShowLegendNames(TwXYPlot& plot) {
  plot.resize(500, 220);
  plot.AddChannel();
  plot.GetChannel(0)->SetTitleText("Gate");
  plot.GetChannel(1)->SetTitleText("Compressor");
  plot.GetLegend(0)->SetVisible(true);
  plot.show();
  QApplication::processEvents();
}

// The snapshot played back at the plot's own size is the screen: pixel for
// pixel in the legend, where the names are drawn with word break.
TEST(PlotClipboard, PlayedSnapshotMatchesTheScreenInTheLegend) {
  TwXYPlot plot;
  ShowLegendNames(plot);
  const QImage screen = plot.grab().toImage().convertToFormat(QImage::Format_RGB32);
  QImage played(plot.size(), QImage::Format_RGB32);
  played.fill(Qt::white);
  {
    QPainter painter(&played);
    TwPlotComponent::PlayPicture(painter, plot.GetSnapShotPicture(), {0, 0, plot.width(), plot.height()},
                                 plot.size());
  }
  const platform::TRect r = plot.GetLegend(0)->DrawRect();
  ASSERT_GT(r.Width(), 20);
  int inked = 0;
  for (int y = r.Top; y < r.Bottom; ++y)
    for (int x = r.Left; x < r.Right; ++x) {
      ASSERT_EQ(played.pixel(x, y), screen.pixel(x, y)) << x << "," << y;
      if (screen.pixel(x, y) != screen.pixel(r.Left + 1, r.Top + 1)) ++inked;
    }
  EXPECT_GT(inked, 50);  // the names are there to compare
  // Played at twice the size (a preview, a page) the names are there too.
  QImage large(plot.size() * 2, QImage::Format_RGB32);
  large.fill(Qt::white);
  {
    QPainter painter(&large);
    TwPlotComponent::PlayPicture(painter, plot.GetSnapShotPicture(), {0, 0, large.width(), large.height()},
                                 plot.size());
  }
  int inkedLarge = 0;
  for (int y = 2 * r.Top; y < 2 * r.Bottom; ++y)
    for (int x = 2 * r.Left; x < 2 * r.Right; ++x)
      if (large.pixel(x, y) != large.pixel(2 * r.Left + 2, 2 * r.Top + 2)) ++inkedLarge;
  EXPECT_GT(inkedLarge, 2 * inked);
}

QByteArray Head(const QString& file) {
  QFile f(file);
  return f.open(QIODevice::ReadOnly) ? f.read(4) : QByteArray();
}

TEST(PlotSave, FormatFollowsTheExtensionInAnyCaseOrTheChosenFilter) {
  PrintFixture f;
  FileRequest seen;
  QString answer;
  int answerIndex = 4;
  SetFileChoiceProvider([&](const FileRequest& r) -> std::optional<FileChoice> {
    seen = r;
    return FileChoice{{answer}, answerIndex};
  });
  f.plot.DefaultSaveImageFormat = ipifPNG;
  f.plot.DefaultSaveImageDirectory = f.dir.path();
  answer = f.dir.filePath(QStringLiteral("PLOT.PNG"));
  f.plot.Save();
  EXPECT_EQ(seen.filterIndex, 4);
  EXPECT_EQ(seen.fileName, QStringLiteral("Untitled"));
  EXPECT_EQ(seen.directory, f.dir.path());
  EXPECT_TRUE(Head(answer).startsWith("\x89PNG"));

  answer = f.dir.filePath(QStringLiteral("plot"));  // no extension: the PNG filter's
  f.plot.Save();
  EXPECT_TRUE(Head(f.dir.filePath(QStringLiteral("plot.png"))).startsWith("\x89PNG"));

  f.plot.SaveImageFile(f.dir.filePath(QStringLiteral("plot.jpeg")), 4);
  EXPECT_TRUE(Head(f.dir.filePath(QStringLiteral("plot.jpeg"))).startsWith("\xFF\xD8"));
  f.plot.SaveImageFile(f.dir.filePath(QStringLiteral("PLOT.BMP")), 4);
  EXPECT_TRUE(Head(f.dir.filePath(QStringLiteral("PLOT.BMP"))).startsWith("BM"));
  f.plot.SaveImageFile(f.dir.filePath(QStringLiteral("shot")), 2);
  EXPECT_TRUE(Head(f.dir.filePath(QStringLiteral("shot.svg"))).startsWith("<?xm"));

  SetFileChoiceProvider([](const FileRequest&) { return std::optional<FileChoice>(); });
  f.plot.Save();  // cancelled: nothing more
  EXPECT_EQ(QDir(f.dir.path()).entryList(QDir::Files).size(), 5);
}

// The name typed is "shot"; the file written is shot.bmp. When that file
// exists, Save asks about it: No goes back to the window (here cancelled)
// and leaves the file alone, Yes replaces it. A new name is not asked about.
TEST(PlotSave, AskedBeforeReplacingTheFileWritten) {
  PrintFixture f;
  const QString shot = f.dir.filePath(QStringLiteral("shot.bmp"));
  {
    QFile old(shot);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old");
  }
  std::vector<FileRequest> windows;
  QString typed = f.dir.filePath(QStringLiteral("shot"));
  SetFileChoiceProvider([&](const FileRequest& r) -> std::optional<FileChoice> {
    windows.push_back(r);
    if (windows.size() > 1) return std::nullopt;  // the second window is cancelled
    return FileChoice{{typed}, 1};
  });
  std::vector<MessageRequest> questions;
  int answer = mrNo;
  SetMessageProvider([&](const MessageRequest& r) {
    questions.push_back(r);
    return answer;
  });

  f.plot.Save();
  ASSERT_EQ(questions.size(), 1u);
  EXPECT_TRUE(questions[0].yesNo);
  EXPECT_TRUE(questions[0].text.startsWith(QStringLiteral("shot.bmp already exists."))) << questions[0].text.toStdString();
  ASSERT_EQ(windows.size(), 2u) << "No goes back to the window";
  EXPECT_FALSE(windows[0].confirmOverwrite) << "the window would ask about shot, not shot.bmp";
  EXPECT_EQ(windows[1].fileName, typed);
  EXPECT_EQ(Head(shot), QByteArray("old"));

  windows.clear();
  questions.clear();
  answer = mrYes;
  f.plot.Save();
  EXPECT_EQ(questions.size(), 1u);
  EXPECT_TRUE(Head(shot).startsWith("BM"));

  windows.clear();
  questions.clear();
  typed = f.dir.filePath(QStringLiteral("fresh"));
  f.plot.Save();
  EXPECT_TRUE(questions.empty());
  EXPECT_TRUE(Head(f.dir.filePath(QStringLiteral("fresh.bmp"))).startsWith("BM"));
}

}  // namespace
