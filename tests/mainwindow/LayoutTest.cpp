// The main window's layout on resize: the rules as plain arithmetic, and the
// window applying them (scroll bars below the design size).
#include <QScrollArea>
#include <QScrollBar>

#include "MainWindowFixture.h"
#include "controls/ExTrackBar.h"
#include "controls/UxBmpButton.h"
#include "mainwindow/MainLayout.h"
#include "support/UiFixture.h"

namespace {

using mainlayout::Field;
using mainlayout::Find;

struct Expect {
  const char* name;
  Field field;
  int value;
};

void ExpectRules(const std::vector<mainlayout::Rule>& rules, std::initializer_list<Expect> cases) {
  for (const Expect& e : cases)
    EXPECT_EQ(Find(rules, QString::fromLatin1(e.name), e.field), e.value) << e.name << " field " << int(e.field);
}

TEST(LayoutRules, AtTheDesignSize) {
  const auto rules = mainlayout::Rules(0, 0);
  ExpectRules(rules, {
                         {"fftDrawInA", Field::Height, 255},
                         {"fftDrawOut8", Field::Height, 255},
                         {"fftDrawGainOut", Field::Height, 255},
                         {"plLevelGateInA", Field::Left, 659},
                         {"plLevelAgcInC", Field::Left, 659 + 2 * 53},
                         {"plLevelCompOut8", Field::Left, 1030},
                         {"plMatrixEff", Field::Top, 249},
                         {"uxgPreset", Field::Top, 624},
                         {"uxgMain", Field::Width, 1112},
                         {"lbMatrixDelayInA", Field::Left, 362},
                         {"lbMatrixNameOut1", Field::Left, 418},
                     });
}

TEST(LayoutRules, AtTwelveEightyByTenTwentyFour) {
  const auto rules = mainlayout::Rules(154, 299);
  ExpectRules(rules, {
                         {"uxgMain", Field::Width, 1266},
                         {"uxgMain", Field::Height, 928},
                         {"fftDrawInA", Field::Width, 1224},
                         {"fftDrawInA", Field::Height, 555},
                         {"fftDrawOut3", Field::Height, 555},
                         {"uxgParamInA", Field::Left, 97},
                         {"uxgParamInA", Field::Top, 591},
                         {"uxgParamMatrix", Field::Left, 97},
                         {"uxgParamAgc", Field::Top, 591},
                         {"pbLevelGateInA", Field::Height, 473},
                         {"pbLevelGateInA", Field::Top, 65},
                         {"lbN60GateInA", Field::Top, 521},
                         {"lbN15CompOut", Field::Top, (7 * 299) / 9 + 172},
                         {"lbN20AgcInH", Field::Top, (7 * 299) / 9 + 175},
                         // (dh div 9)·(i + 1) is not (dh·(i + 1)) div 9.
                         {"plMatrixInC", Field::Top, 33 * 3 + 29 * 2 + 17},
                         {"AuxMixLine1", Field::Height, (8 * 299) / 9 + 214},
                         {"lbDelayLineOut2", Field::Top, (299 / 8) * 2 + 28 + 2},
                         // Matrix cells, t = 154 div 3 = 51.
                         {"lbMatrixPeqOut1", Field::Left, 51 / 9 + 61},
                         {"lbMatrixPeqOut1", Field::Width, 50 + 51 / 8},
                         {"lbMatrixGateInD", Field::Left, (3 * 51) / 8 + 134},
                         {"spMatrixNameOut5", Field::Left, (7 * 51) / 9 + 416},
                     });
}

TEST(LayoutRules, PlotsAreAlwaysOddInHeight) {
  for (auto [dh, height] : {std::pair{1, 257}, {2, 257}, {3, 259}, {0, 255}})
    EXPECT_EQ(Find(mainlayout::Rules(0, dh), "fftDrawEff", Field::Height), height) << "dh " << dh;
}

TEST(LayoutRules, ADirectionBelowTheDesignIsLeftOut) {
  const auto narrow = mainlayout::Rules(-1, 10);
  EXPECT_EQ(Find(narrow, "uxgMain", Field::Width), -1);
  EXPECT_EQ(Find(narrow, "uxgMain", Field::Height), 639);
  const auto low = mainlayout::Rules(10, -1);
  EXPECT_EQ(Find(low, "uxgMain", Field::Height), -1);
  EXPECT_EQ(Find(low, "uxgMain", Field::Width), 1122);
}

TEST(LayoutRules, TheDelayIndicatorFollowsItsSlider) {
  const auto full = mainlayout::PlaceDelayIndicator(32640, 32640, 475, 2, 24);
  EXPECT_EQ(full.imageLeft, 425);
  EXPECT_EQ(full.timeLeft, 455);
  EXPECT_EQ(full.timeTop, 8);
  EXPECT_EQ(mainlayout::PlaceDelayIndicator(0, 32640, 475, 2, 24).imageLeft, 40);
  EXPECT_EQ(mainlayout::PlaceDelayIndicator(16320, 32640, 1006, 2, 24).imageLeft, 16320 * 916 / 32640 + 40);
}

class LayoutWindowTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    main = CreateMain();
    main->show();
    testsupport::RunEventLoop(20);
  }
  QRect Geometry(const char* name) const { return main->FindControl<QWidget>(QString::fromLatin1(name))->geometry(); }
  // To an outer size.
  void ResizeTo(int w, int h) {
    main->SetOuterSize(QSize(w, h));
    testsupport::WaitFor([&] { return main->OuterSize() == QSize(w, h); }, 1000);
    main->FormResize(main);
  }
  bool ScrollBarsOn() const {
    auto* area = main->FindControl<QScrollArea>("fmMainScroll");
    return area->horizontalScrollBarPolicy() != Qt::ScrollBarAlwaysOff;
  }
  TfmMain* main = nullptr;
};

TEST_F(LayoutWindowTest, EveryRuleNamesAControlOfTheForm) {
  QStringList missing;
  for (const auto& rule : mainlayout::Rules(0, 0))
    if (!main->FindControl<QWidget>(rule.name) && !missing.contains(rule.name)) missing << rule.name;
  EXPECT_TRUE(missing.isEmpty()) << missing.join(' ').toStdString();
}

// The design size is the window's outer size, frame included; at it and at
// a full 1920 x 1080 the form fills the window: the content is the area
// under the menu bar, the preset bar ends 2 pixels above its foot.
TEST_F(LayoutWindowTest, TheFormFillsTheWindowAtTheDesignSizeAndAtFullHd) {
  EXPECT_EQ(main->OuterSize(), QSize(1126, 725));
  for (QSize outer : {QSize(1126, 725), QSize(1920, 1080)}) {
    SCOPED_TRACE(outer.width());
    ResizeTo(outer.width(), outer.height());
    EXPECT_FALSE(ScrollBarsOn());
    auto* area = main->FindControl<QScrollArea>("fmMainScroll");
    const QWidget* client = area->widget();
    testsupport::WaitFor([&] { return area->size() == client->size(); }, 1000);
    EXPECT_EQ(client->size(), area->size()) << "no scrolling, no bare background";
    EXPECT_EQ(area->height(), main->height() - main->menuWidget()->height());
    const QRect preset = Geometry("uxgPreset");
    EXPECT_EQ(client->height() - 1 - preset.bottom(), 2);
    EXPECT_EQ(Geometry("uxgFunction").right(), client->width() - 1);
  }
  ResizeTo(1126, 725);
  EXPECT_EQ(Geometry("fftDrawInA").height(), 255);
}

TEST_F(LayoutWindowTest, LargerSpreadsTheRulesAndBelowTheDesignOnlyTheWidthRulesApply) {
  ResizeTo(1280, 1024);
  EXPECT_FALSE(ScrollBarsOn());
  EXPECT_EQ(main->ExtraHeight, 299);
  EXPECT_EQ(Geometry("uxgMain").size(), QSize(1266, 928));
  EXPECT_EQ(Geometry("fftDrawOut5").size(), QSize(1224, 555));
  EXPECT_EQ(Geometry("uxgParamOut1").topLeft(), QPoint(97, 591));
  EXPECT_EQ(Geometry("pbLevelGateInA").top(), 65);
  // The row under each response plot stays under it.
  for (const char* row : {"rbShowGainOut5", "uxgFftShowChOut5", "vrbEqResetOut5", "lbFftChannelOut5",
                          "vrbEqBypassEff", "lbFftGainIn", "uxgFftShowChOut"})
    EXPECT_GE(Geometry(row).top(), 1 + 555) << row;

  ResizeTo(1200, 700);
  EXPECT_TRUE(ScrollBarsOn());
  EXPECT_EQ(main->ExtraHeight, 299) << "the last dh stays";
  EXPECT_EQ(Geometry("uxgMain").size(), QSize(1112 + 74, 928));
  EXPECT_EQ(Geometry("fftDrawOut5").height(), 555);
  EXPECT_EQ(Geometry("uxgParamOut1").topLeft(), QPoint(20 + 37, 591));

  ResizeTo(1126, 725);
  EXPECT_FALSE(ScrollBarsOn());
  EXPECT_EQ(Geometry("uxgMain").size(), QSize(1112, 629));
  EXPECT_EQ(Geometry("fftDrawOut5").size(), QSize(1070, 255));
}

TEST_F(LayoutWindowTest, TheDelayIndicatorsFollowTheirSlidersOnResize) {
  main->FindControl<TExTrackBar>("isDelayInA")->SetPosition(32640);
  ResizeTo(1126, 725);
  EXPECT_EQ(Geometry("lbDelayLineInA").width(), 475);
  EXPECT_EQ(Geometry("imDelayInA").left(), 425);
  EXPECT_EQ(Geometry("lbFftDelayTimeInA").left(), 455);
}

// The Matrix diagram's effect row lies inside the page's upper panel at any
// size: no frame line crosses the row, the line between the halves runs below
// it, and the effect bus turns down into it.
TEST_F(LayoutWindowTest, TheMatrixEffectRowStaysInsideTheUpperPanel) {
  main->FindControl<TUxBmpButton>("uxbMenuMatrix")->Click();
  for (QSize size : {QSize(1126, 725), QSize(1280, 1024)}) {
    ResizeTo(size.width(), size.height());
    auto* upper = main->FindControl<QWidget>("uxgFftMatrix");
    const QImage page = upper->grab().toImage();
    const QRect row = Geometry("plMatrixEff");
    const QRgb fill = QColor(33, 41, 50).rgb();
    // Left of the rows, inside the frame: nothing but the panel's fill from the
    // top of the row down to the foot, where the line between the halves is.
    for (int y = row.top() - 20; y < upper->height() - 3; ++y)
      ASSERT_EQ(page.pixel(20, y), fill) << size.height() << " y " << y;
    EXPECT_NE(page.pixel(20, upper->height() - 2), fill) << size.height();
    EXPECT_LT(row.bottom(), upper->height() - 3) << size.height();
    EXPECT_EQ(Geometry("AuxMixLine3").top(), Geometry("AuxMixLine2").top()) << size.height();
    EXPECT_GE(Geometry("AuxMixLine4").bottom(), row.top()) << size.height();
  }
}

}  // namespace
