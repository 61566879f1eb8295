// What the channel pages' value boxes and grid headings show at the fonts
// this machine resolves: each value box its widest text whole, each grid
// heading over its column.
#include <QFontMetrics>
#include <QImage>
#include <QLineEdit>
#include <QPainter>

#include <algorithm>
#include <functional>
#include <vector>

#include "MainWindowFixture.h"
#include "controls/RoundEdit.h"
#include "controls/UxButton.h"
#include "controls/UxComboBox.h"
#include "controls/UxLabel.h"
#include "display/MyPEQAllpassBandPassStop.h"
#include "mainwindow/BandTexts.h"
#include "mainwindow/ColumnHeadings.h"
#include "model/Codecs.h"
#include "platform/Timer.h"
#include "support/UiFixture.h"

namespace {

class PanelTextsTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    main = CreateMain();
    main->tmStartConnect->SetEnabled(false);
    main->show();
    testsupport::RunEventLoop(50);
  }
  template <typename T>
  T* Get(const QString& name) const {
    T* c = main->FindControl<T>(name);
    EXPECT_NE(c, nullptr) << name.toStdString();
    return c;
  }
  TfmMain* main = nullptr;
};

struct Ink {
  int left = -1, right = -1;  // columns holding dark pixels; -1 none
};

// Columns of `image` within [x0, x1) that hold a dark (text) pixel.
Ink InkColumns(const QImage& image, int x0, int x1) {
  Ink ink;
  for (int x = std::max(0, x0); x < std::min(image.width(), x1); ++x) {
    for (int y = 0; y < image.height(); ++y) {
      if (qGray(image.pixel(x, y)) < 140) {
        if (ink.left < 0) ink.left = x;
        ink.right = x;
        break;
      }
    }
  }
  return ink;
}

// The ink width of `text` drawn alone, unclipped, in `font`.
int InkWidth(const QString& text, const QFont& font) {
  QImage image(QFontMetrics(font).horizontalAdvance(text) + 40, 40, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter p(&image);
  p.setFont(font);
  p.setPen(Qt::black);
  p.drawText(20, 28, text);
  p.end();
  const Ink ink = InkColumns(image, 0, image.width());
  return ink.left < 0 ? 0 : ink.right - ink.left + 1;
}

QStringList Each(int first, int last, const std::function<QString(int)>& text) {
  QStringList texts;
  for (int i = first; i <= last; ++i) texts << text(i);
  return texts;
}

TEST_F(PanelTextsTest, EveryValueBoxShowsItsWidestTextWhole) {
  const QStringList gains = Each(-280, 120, TfmMain::FormatGain);
  const QStringList cuts = Each(kFrequencyCodeMin, kFrequencyCodeMax, TfmMain::FrequencyText);
  const QStringList bandFrequencies =
      Each(kFrequencyCodeMin, kFrequencyCodeMax, [](int c) { return bandtext::Frequency(CodeToFrequency(c)); });
  const QStringList bandQs = Each(0, kQCodeMax, bandtext::Q);
  const QStringList bandGains = Each(kEqGainCodeMin, kEqGainCodeMax, bandtext::Gain);
  QStringList delays;
  for (int unit = 0; unit < 3; ++unit)
    for (bool spaced : {true, false}) delays << TfmMain::DelayText(32640, unit, spaced);

  std::vector<std::pair<QString, QStringList>> boxes;
  for (const char* s : {"InA", "Out1", "Eff"}) {
    boxes.push_back({QStringLiteral("cvdEqFreq%1").arg(s), bandFrequencies});
    boxes.push_back({QStringLiteral("cvdEqBw%1").arg(s), bandQs});
    boxes.push_back({QStringLiteral("cvdEqGain%1").arg(s), bandGains});
  }
  for (const char* s : {"InA", "Out1"}) {
    boxes.push_back({QStringLiteral("cvdGain%1").arg(s), gains});
    boxes.push_back({QStringLiteral("cvdLowCutFreq%1").arg(s), cuts});
    boxes.push_back({QStringLiteral("cvdHighCutFreq%1").arg(s), cuts});
  }
  for (int ch = 0; ch < 16; ++ch) {
    boxes.push_back({platform::ComposedName(ch < 8 ? "cvdGainBackupIn" : "cvdGainBackupOut", ch), gains});
    boxes.push_back({platform::ComposedName(ch < 8 ? "cvdDelayIn" : "cvdDelayOut", ch), delays});
  }

  for (const auto& [name, texts] : boxes) {
    auto* box = Get<TRoundEdit>(name);
    ASSERT_NE(box, nullptr);
    const QFont font = box->Edit()->font();
    const QFontMetrics metrics(font);
    // The widest as measured here, and the sign the issue was about.
    QString widest = texts.front();
    for (const QString& t : texts)
      if (metrics.horizontalAdvance(t) > metrics.horizontalAdvance(widest)) widest = t;
    for (const QString& text : {widest, texts.contains("+12.0dB") ? QStringLiteral("+12.0dB") : widest}) {
      SCOPED_TRACE(name.toStdString() + " \"" + text.toStdString() + "\"");
      box->SetText(text);
      const QImage shot = box->grab().toImage();
      const QRect edit = box->Edit()->geometry();
      const Ink ink = InkColumns(shot, edit.left(), edit.right() + 1);
      ASSERT_GE(ink.left, 0);
      // Nothing cut at either edge of the edit, and every column of the text there.
      EXPECT_GT(ink.left, edit.left() + 1);
      EXPECT_LT(ink.right, edit.right() - 1);
      EXPECT_GE(ink.right - ink.left + 1, InkWidth(text, font) - 1);
    }
  }
}

// Each heading word stands over its column of the first row, on the input
// grids, on the wider output grids and on the Aux page's grid, in both
// languages.
TEST_F(PanelTextsTest, GridHeadingsStandOverTheirColumns) {
  for (const char* language : {"English", "ChineseGB"}) {
    main->Language = language;
    main->ApplyLanguage();
    for (const char* side : {"InA", "Out1", "Eff"}) {
      SCOPED_TRACE(std::string(language) + " " + side);
      auto* headings = Get<TColumnHeadings>(QStringLiteral("lbEq%1").arg(side));
      auto* grid = Get<TMyPEQAllpassBandPassStop>(QStringLiteral("peqPeq%1").arg(side));
      ASSERT_TRUE(headings && grid);
      EXPECT_EQ(headings->text(), main->TranslateSid(side == std::string("Eff") ? "SID_EFF_EQ_TITLE" : "SID_EQ_PARAM_TITLE"));
      const QWidget* columns[] = {grid->RowNumber(0), grid->FrequencyEdit(0), grid->QEdit(0),
                                  grid->GainEdit(0),  grid->TypeList(0),      grid->BypassButton(0)};
      ASSERT_EQ(headings->Words().size(), 6);
      for (int i = 0; i < 6; ++i) {
        // Both in window coordinates: the word's centre inside its column.
        const QRect word = headings->WordRect(i).translated(headings->mapTo(main, QPoint(0, 0)));
        const QRect column = columns[i]->geometry().translated(columns[i]->parentWidget()->mapTo(main, QPoint(0, 0)));
        EXPECT_GE(word.center().x(), column.left()) << headings->Words()[i].toStdString();
        EXPECT_LE(word.center().x(), column.right()) << headings->Words()[i].toStdString();
      }
    }
  }
  main->Language = "English";
  main->ApplyLanguage();
  EXPECT_TRUE(Get<QWidget>("uxgParamInA")->grab().toImage().save(
      QString::fromStdString(testsupport::OutputPath("panel-texts-input.png"))));
}

}  // namespace
