// The plot's texts: the translation list (lookup, files, the plot's
// operations) and the label (measure, picture or caption).
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "plot/wXYPlot.h"

namespace {

std::string ErrorOf(const std::function<void()>& f) {
  try {
    f();
  } catch (const std::exception& e) {
    return e.what();
  }
  return "no error";
}

void WriteFile(const QString& name, const QByteArray& bytes) {
  QFile f(name);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}

QByteArray ReadFile(const QString& name) {
  QFile f(name);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class RecordingPopup : public TwPlotPopupMenu {
 public:
  QStringList captions;
  void Popup(int, int) override {
    captions.clear();
    for (int i = 0; i < Count(); ++i) captions << Item(i)->Caption();
  }
};

// ---- translation ----

TEST(PlotTranslation, LoadedFileTranslatesThePopupMenu) {
  QTemporaryDir dir;
  const QString file = dir.filePath("de.txt");
  WriteFile(file, "Edit...\tBearbeiten...\r\n");  // a final line break adds nothing
  TwXYPlot plot;
  plot.LoadTranslationsFromFile(file);
  EXPECT_EQ(plot.TranslationCount(), 1);
  plot.ReCalcLayout();
  TwPlotXAxis* axis = plot.XAxis();
  const int x = (axis->Left() + axis->Right()) / 2, y = (axis->Top() + axis->Bottom()) / 2;
  RecordingPopup menu;
  axis->wMouseDown(Qt::RightButton, {}, x, y, x, y, &menu);
  axis->wMouseUp(Qt::RightButton, {}, x, y, x, y, false, &menu);
  EXPECT_EQ(menu.captions.last(), "Bearbeiten...");
}

TEST(PlotTranslation, NewestExactEntryWins) {
  TwXYPlot plot;
  plot.AddTranslation("Edit...", "old");
  EXPECT_EQ(plot.AddTranslation("Edit...", "new"), 0);
  EXPECT_EQ(plot.TranslateText("Edit..."), "new");
  EXPECT_EQ(plot.TranslateText("edit..."), "edit...");
  EXPECT_EQ(plot.TranslateText("Other"), "Other");
  plot.DeleteTranslation(0);
  EXPECT_EQ(plot.TranslateText("Edit..."), "old");
  plot.RemoveAllTranslations();
  EXPECT_EQ(plot.TranslationCount(), 0);
  EXPECT_EQ(plot.TranslateText("Edit..."), "Edit...");
}

TEST(PlotTranslation, FileLinesSplitAtTheFirstTabAndStopAtALineWithout) {
  QTemporaryDir dir;
  const QString file = dir.filePath("t.txt");
  TwXYPlot plot;
  WriteFile(file, "a\tb\tc\r\n");
  plot.LoadTranslationsFromFile(file);
  EXPECT_EQ(plot.TranslateText("a"), "b\tc");

  WriteFile(file, "x\t1\r\n\r\ny\t2\r\n");
  EXPECT_EQ(ErrorOf([&] { plot.LoadTranslationsFromFile(file); }),
            "Error Loading Data - Invalid Format - Tab Deliminator Missing");
  EXPECT_EQ(plot.TranslationCount(), 1);
  EXPECT_EQ(plot.TranslateText("x"), "1");

  // A file that cannot be read leaves the list as it was.
  const std::string missing = ErrorOf([&] { plot.LoadTranslationsFromFile(dir.filePath("none.txt")); });
  EXPECT_EQ(missing.rfind("Error Loading Data - Cannot open file", 0), 0u) << missing;
  EXPECT_EQ(plot.TranslationCount(), 1);
}

TEST(PlotTranslation, SavingAndLoadingAgainReversesTheOrder) {
  QTemporaryDir dir;
  const QString file = dir.filePath("t.txt");
  TwXYPlot plot;
  plot.AddTranslation("a", "1");
  plot.AddTranslation("b", "2");
  EXPECT_EQ(plot.GetTranslationOriginalString(0), "b");
  plot.SaveTranslationsToFile(file);
  EXPECT_EQ(ReadFile(file), "b\t2\r\na\t1\r\n");
  plot.LoadTranslationsFromFile(file);
  EXPECT_EQ(plot.TranslationCount(), 2);
  EXPECT_EQ(plot.GetTranslationOriginalString(0), "a");
  EXPECT_EQ(plot.GetTranslationReplacementString(1), "2");
  const std::string error = ErrorOf([&] { plot.SaveTranslationsToFile(dir.filePath("no/such/dir.txt")); });
  EXPECT_EQ(error.rfind("Error Saving Translation Data - ", 0), 0u) << error;
}

TEST(PlotTranslation, ManagerNeedsBothHooks) {
  const TwNotifyEvent hook = [](TwPersistent*) {};
  EXPECT_EQ(ErrorOf([&] { TwPlotTranslationManager m({}, {}); }), "OnInsert event handler can not be null");
  EXPECT_EQ(ErrorOf([&] { TwPlotTranslationManager m(hook, {}); }), "OnRemove event handler can not be null");
}

// ---- label ----

struct LabelCanvas {
  QImage image{300, 100, QImage::Format_ARGB32};
  LabelCanvas() { image.fill(Qt::black); }
};

int TextHeightOf(const platform::TFont& font, const QString& text) {
  QImage scratch(10, 10, QImage::Format_ARGB32);
  platform::Canvas canvas(&scratch);
  canvas.Font = font;
  return TextHeightCalc(canvas, text);
}

TEST(PlotLabel, RequiredWidthIsTheCaptionHeightPlusMarginsInCells) {
  TwXYPlot plot;
  TwPlotLabel* label = plot.GetLabel(plot.AddLabel());
  label->SetCaption("Gain");
  QImage scratch(10, 10, QImage::Format_ARGB32);
  platform::Canvas canvas(&scratch);
  const int caption = TextHeightOf(label->Font(), "Gain");
  EXPECT_EQ(label->GetRequiredWidth(canvas), caption);

  platform::TFont font = label->Font();
  font.Name = "Times New Roman";
  font.Height = 21;
  ASSERT_EQ(TextHeightOf(font, "0"), 22);  // a "0" 22 pixels high
  label->SetFont(font);
  const int base = label->GetRequiredWidth(canvas);
  label->SetMarginTop(0.5);
  EXPECT_EQ(label->GetRequiredWidth(canvas), base + 11);
}

TEST(PlotLabel, DrawsBitmapBeforeListImageBeforeCaption) {
  TwXYPlot plot;
  QImage red(24, 24, QImage::Format_ARGB32);
  red.fill(Qt::red);
  plot.ImageListAdd(0, red);
  TwPlotLabel* label = plot.GetLabel(plot.AddLabel());
  label->SetCaption("Title");
  label->SetImageListIndex(0);
  label->SetDrawRect({0, 0, 300, 60});
  QImage bitmap(20, 20, QImage::Format_ARGB32);
  bitmap.fill(Qt::blue);
  bitmap.setPixelColor(0, 19, Qt::green);  // the transparent colour
  label->SetImage(bitmap);

  auto draw = [&] {
    LabelCanvas c;
    platform::Canvas canvas(&c.image);
    label->Draw(canvas, platform::clBlack);
    return c.image;
  };
  QImage img = draw();
  EXPECT_EQ(img.pixelColor(150, 5), QColor(Qt::blue));  // centred, at the top
  EXPECT_EQ(img.pixelColor(140, 19), QColor(Qt::black));  // transparent corner
  label->ImageClear();
  img = draw();
  EXPECT_EQ(img.pixelColor(150, 5), QColor(Qt::red));
  label->SetImageIndex(1);  // beyond the list: the caption
  img = draw();
  EXPECT_NE(img.pixelColor(150, 5), QColor(Qt::red));
  int white = 0;
  for (int y = 0; y < 60; ++y)
    for (int x = 0; x < 300; ++x) white += img.pixelColor(x, y) == QColor(Qt::white);
  EXPECT_GT(white, 20);
}

TEST(PlotLabel, ImageClearWithoutBitmapNotifiesNothing) {
  TwXYPlot plot;
  int changes = 0;
  const TwNotifyEvent none = [](TwPersistent*) {};
  TwPlotLabel label(&plot, [&](TwPersistent*) { ++changes; }, none, none, none);
  changes = 0;
  label.ImageClear();
  EXPECT_EQ(changes, 0);
  QImage bitmap(4, 4, QImage::Format_ARGB32);
  bitmap.fill(Qt::blue);
  label.SetImage(bitmap);
  label.ImageClear();
  EXPECT_EQ(changes, 2);
  EXPECT_EQ(label.Image(), nullptr);
}

TEST(PlotLabel, NewPlotDrawsItsTitleCentredUnderTheToolbar) {
  TwXYPlot plot;
  plot.resize(500, 200);
  ASSERT_TRUE(plot.TitleVisible());
  const QImage img = plot.grab().toImage();
  const TwPlotLabel* title = plot.GetLabel(0);
  EXPECT_GE(title->Top(), plot.GetToolBar(0)->Bottom());
  int left = 500, right = -1, top = 200, bottom = -1;
  // The upper half of the row: the scale's top label reaches into the lower.
  for (int y = title->Top(); y < (title->Top() + title->Bottom()) / 2; ++y)
    for (int x = title->Left(); x < title->Right(); ++x)
      if (img.pixelColor(x, y) == QColor(Qt::white)) {
        left = std::min(left, x);
        right = std::max(right, x);
        top = std::min(top, y);
        bottom = std::max(bottom, y);
      }
  ASSERT_GE(right, left);
  EXPECT_NEAR((left + right) / 2.0, (title->Left() + title->Right()) / 2.0, 3);
  // The caption's extent matches "Untitled" in the title font.
  QImage scratch(10, 10, QImage::Format_ARGB32);
  platform::Canvas canvas(&scratch);
  canvas.Font = title->Font();
  EXPECT_NEAR(right - left + 1, canvas.TextWidth("Untitled"), 8);  // ink within the advance
}

TEST(PlotLabel, VerticalCaptionReadsUpwards) {
  TwXYPlot plot;
  TwPlotLabel* label = plot.GetLabel(plot.AddLabel());
  label->SetCaption("Level");
  label->SetHorizontal(false);
  label->SetDrawRect({100, 0, 140, 100});
  LabelCanvas c;
  {
    platform::Canvas canvas(&c.image);
    label->Draw(canvas, platform::clBlack);
  }
  int left = 300, right = -1, top = 100, bottom = -1;
  for (int y = 0; y < 100; ++y)
    for (int x = 0; x < 300; ++x)
      if (c.image.pixelColor(x, y) == QColor(Qt::white)) {
        left = std::min(left, x);
        right = std::max(right, x);
        top = std::min(top, y);
        bottom = std::max(bottom, y);
      }
  ASSERT_GE(right, left);
  EXPECT_GT(bottom - top, right - left);
  EXPECT_GE(left, 100);
  EXPECT_LT(right, 140);
}

}  // namespace
