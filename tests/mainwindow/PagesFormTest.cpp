// The Delay, dynamics (Comp, Gate, AGC) and Matrix pages of the main window's
// form: every named control exists with its class, start values and the
// design geometry the layout rules give at 1126 x 725; each page is rendered
// into a PNG for a look by eye.
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <functional>
#include <string>
#include <vector>

#include "MainWindowFixture.h"
#include "controls/DvPowerButton.h"
#include "controls/ExTrackBar.h"
#include "controls/RoundEdit.h"
#include "controls/UpDown.h"
#include "controls/UxBmpButton.h"
#include "controls/UxGroupBox.h"
#include "controls/UxPanel.h"
#include "display/LProgressBar.h"
#include "platform/MenuItem.h"
#include "plot/wXYPlot.h"
#include "plot/wXYPlotChannel.h"
#include "plot/ChannelFixture.h"
#include "support/UiFixture.h"

namespace {

QString In(int i) { return platform::ChannelSuffix(i); }
QString Out(int k) { return platform::ChannelSuffix(8 + k); }

// Every name a family gives: prefix + each input letter or output digit.
QStringList Family(const QString& prefix, bool inputs) {
  QStringList names;
  for (int i = 0; i < 8; ++i) names << prefix + (inputs ? In(i) : Out(i));
  return names;
}

class PagesFormTest : public MainWindowTest {
 protected:
  TfmMain* main = nullptr;
  void SetUp() override {
    MainWindowTest::SetUp();
    main = CreateMain();
  }
  template <typename T>
  T* Find(const QString& name) const {
    return main->FindControl<T>(name);
  }
  QRect Geometry(const QString& name) const {
    QWidget* w = Find<QWidget>(name);
    return w ? w->geometry() : QRect(-1, -1, -1, -1);
  }
};

// ---- Names and classes -----------------------------------------------------------

struct ClassCheck {
  const char* what;
  std::function<bool(const TfmMain&, const QString&)> is;
};
template <typename T>
ClassCheck Is(const char* what) {
  return {what, [](const TfmMain& m, const QString& n) { return m.FindControl<T>(n) != nullptr; }};
}

TEST_F(PagesFormTest, EveryNamedControlExistsWithItsClass) {
  struct Row {
    QStringList names;
    ClassCheck check;
  };
  std::vector<Row> rows = {
      // Delay page.
      {{"plFftDelayIn", "plFftDelayOut", "uxpDelayIn", "uxpDelayOut"}, Is<TUxPanel>("TUxPanel")},
      {{"lbFftDelayIn", "lbFftDelayOut", "lbDelayUnit", "lbDelaySel", "lbDelayInput", "lbDelayOutput"},
       Is<QLabel>("label")},
      {{"uxbUnit0", "uxbUnit1", "uxbUnit2", "uxbDelaySelIn", "uxbDelaySelOut"}, Is<TUxBmpButton>("TUxBmpButton")},
      // Dynamics pages.
      {{"wpComp", "wpGate", "wpAgc"}, Is<TwXYPlot>("TwXYPlot")},
      {{"lbCompName", "lbGateName", "lbAgcName", "lbHeadCompOut", "lbHeadGateIn", "lbHeadAgcIn"}, Is<QLabel>("label")},
      {{"plLevelCompOut", "plLevelGateIn", "plLevelAgcIn"}, Is<TUxPanel>("TUxPanel")},
      {{"pbLevelCompOut", "pbLimitCompOut", "pbLevelGateIn", "pbLevelAgcIn"}, Is<LProgressBar>("LProgressBar")},
      // Matrix page.
      {{"pbMatrix", "AuxMixLine1", "AuxMixLine2", "AuxMixLine3", "AuxMixLine4"}, Is<QWidget>("widget")},
      {{"plMatrixEff"}, Is<TUxPanel>("TUxPanel")},
      {{"lbMatrixChNameEff", "lbMatrixMuteEff", "lbMatrixAecEff", "lbMatrixSelEff", "lbMatrixEfxEff", "lbMatrixPeqEff",
        "lbMatrixCompEff"},
       Is<QLabel>("label")},
  };
  auto perChannel = [&](std::initializer_list<const char*> prefixes, bool inputs, ClassCheck check) {
    QStringList names;
    for (const char* p : prefixes) names << Family(QString::fromLatin1(p), inputs);
    rows.push_back({names, check});
  };
  for (bool inputs : {true, false}) {
    const char* side = inputs ? "In" : "Out";
    auto with = [&](const char* role) { return QString::fromLatin1(role) + side; };
    QStringList labels = Family(with("lbDelayLine"), inputs) + Family(with("imDelay"), inputs) +
                         Family(with("lbFftDelayTime"), inputs) + Family(with("lbDelayShow"), inputs);
    rows.push_back({labels, Is<QLabel>("label")});
    rows.push_back({Family(with("isDelay"), inputs), Is<TExTrackBar>("TExTrackBar")});
    rows.push_back({Family(with("cvdDelay"), inputs), Is<TRoundEdit>("TRoundEdit")});
  }
  perChannel({"isCompThresholdOut", "isCompRatioOut", "isCompAttackOut", "isCompReleaseOut"}, false,
             Is<TExTrackBar>("TExTrackBar"));
  perChannel({"cvdCompThresholdOut", "cvdCompRatioOut", "cvdCompAttackOut", "cvdCompReleaseOut"}, false,
             Is<TRoundEdit>("TRoundEdit"));
  perChannel({"lbCompOut", "lbCompThresholdOut", "lbCompRatioOut", "lbCompAttackOut", "lbCompReleaseOut"}, false,
             Is<QLabel>("label"));
  perChannel(
      {"isGateThresholdIn", "isGateAttackIn", "isGateReleaseIn", "isAgcThresholdIn", "isAgcAttackIn", "isAgcReleaseIn"},
      true, Is<TExTrackBar>("TExTrackBar"));
  perChannel({"cvdGateThresholdIn", "cvdGateAttackIn", "cvdGateReleaseIn", "cvdAgcThresholdIn", "cvdAgcTargetIn",
              "cvdAgcRatioIn", "cvdAgcAttackIn", "cvdAgcReleaseIn"},
             true, Is<TRoundEdit>("TRoundEdit"));
  perChannel({"lbGateIn", "lbGateThresholdIn", "lbGateAttackIn", "lbGateReleaseIn", "lbAgcIn", "lbAgcThresholdIn",
              "lbAgcTargetIn", "lbAgcRatioIn", "lbAgcAttackIn", "lbAgcReleaseIn"},
             true, Is<QLabel>("label"));
  perChannel({"udAgcRatioIn", "udAgcTargetIn"}, true, Is<TUpDown>("up-down"));
  perChannel({"uxgGateIn", "uxgAgcIn"}, true, Is<TUxGroupBox>("TUxGroupBox"));
  perChannel({"uxgCompOut", "uxgMatrixOut"}, false, Is<TUxGroupBox>("TUxGroupBox"));
  perChannel({"plLevelCompOut"}, false, Is<TUxPanel>("TUxPanel"));
  perChannel({"plLevelGateIn", "plLevelAgcIn"}, true, Is<TUxPanel>("TUxPanel"));
  perChannel({"pbLevelCompOut", "pbLimitCompOut"}, false, Is<LProgressBar>("LProgressBar"));
  perChannel({"pbLevelGateIn", "pbLevelAgcIn"}, true, Is<LProgressBar>("LProgressBar"));
  for (const char* page : {"Comp", "Gate", "Agc"}) {
    const bool comp = QLatin1String(page) == "Comp";
    const QStringList roles = comp ? QStringList{"Limit", "Clip", "12", "5", "0", "N5", "N15", "N30", "N60"}
                                   : QStringList{"Clip", "12", "5", "0", "N5", "N15", "N20", "N30", "N60"};
    QStringList scale;
    const QString tail = QString::fromLatin1(page) + (comp ? "Out" : "In");
    for (const QString& role : roles) scale << "lb" + role + tail << Family("lb" + role + tail, !comp);
    rows.push_back({scale, Is<QLabel>("label")});
  }
  perChannel({"plMatrixIn"}, true, Is<TUxPanel>("TUxPanel"));
  perChannel({"plMatrixOut"}, false, Is<TUxPanel>("TUxPanel"));
  perChannel({"lbMatrixNameIn", "lbMatrixChNameIn", "lbMatrixGainIn", "lbMatrixGateIn", "lbMatrixHpLpIn",
              "lbMatrixPeqIn", "lbMatrixPhaseIn", "lbMatrixDelayIn"},
             true, Is<QLabel>("label"));
  perChannel({"lbMatrixXoverOut", "lbMatrixPeqOut", "lbMatrixGainOut", "lbMatrixCompOut", "lbMatrixPhaseOut",
              "lbMatrixDelayOut", "lbMatrixMuteOut", "lbMatrixNameOut", "lbMatrixChNameOut", "lbMatrixOut"},
             false, Is<QLabel>("label"));
  perChannel({"spMatrixNameIn"}, true, Is<QWidget>("shape"));
  perChannel({"spMatrixNameOut"}, false, Is<QWidget>("shape"));
  QStringList on, edits, steps;
  for (int o = 0; o < 8; ++o)
    for (int s = 0; s < 9; ++s) {
      const QString tail = (s < 8 ? In(s) : QStringLiteral("Aux")) + "MatrixOut" + QString::number(o + 1);
      on << "vr" + tail;
      edits << "ed" + tail;
      steps << "ud" + tail;
    }
  rows.push_back({on, Is<TDvPowerButton>("TDvPowerButton")});
  rows.push_back({edits, Is<QLineEdit>("edit")});
  rows.push_back({steps, Is<TUpDown>("up-down")});

  int checked = 0;
  for (const Row& row : rows)
    for (const QString& name : row.names) {
      EXPECT_TRUE(row.check.is(*main, name)) << name.toStdString() << " is no " << row.check.what;
      ++checked;
    }
  EXPECT_GT(checked, 900);
}

// ---- Start values ------------------------------------------------------------------
// The creation's refresh pass puts the default preset into the delay and
// dynamics controls; the rest keep the form's values.

TEST_F(PagesFormTest, FadersCarryTheirRangesStartPositionsAndChannels) {
  struct Case {
    const char* prefix;
    bool inputs;
    int min, max, position;
  };
  const Case cases[] = {
      {"isDelayIn", true, 0, 32640, 0},
      {"isDelayOut", false, 0, 32640, 0},
      {"isCompThresholdOut", false, -180, 40, 40},
      {"isCompRatioOut", false, 0, 15, 0},
      {"isCompAttackOut", false, 0, 998, 49},
      {"isCompReleaseOut", false, 0, 2999, 199},
      {"isGateThresholdIn", true, -180, 40, -180},
      {"isGateAttackIn", true, 0, 998, 0},
      {"isGateReleaseIn", true, 0, 2999, 2999},
      {"isAgcThresholdIn", true, -120, 0, 0},
      {"isAgcAttackIn", true, 0, 998, 49},
      {"isAgcReleaseIn", true, 9, 2999, 499},
  };
  for (const Case& c : cases)
    for (int i = 0; i < 8; ++i) {
      const QString name = QString::fromLatin1(c.prefix) + (c.inputs ? In(i) : Out(i));
      auto* fader = Find<TExTrackBar>(name);
      ASSERT_NE(fader, nullptr) << name.toStdString();
      EXPECT_EQ(fader->Orientation(), trVertical) << name.toStdString();
      EXPECT_EQ(fader->Min(), c.min) << name.toStdString();
      EXPECT_EQ(fader->Max(), c.max) << name.toStdString();
      EXPECT_EQ(fader->Position(), c.position) << name.toStdString();
      EXPECT_EQ(fader->Tag(), c.inputs ? i : 8 + i) << name.toStdString();
    }
  EXPECT_EQ(Find<TExTrackBar>("isDelayOut3")->PageSize(), 6);
  // Every control of a dynamics column carries its channel.
  for (const char* name : {"cvdCompReleaseOut4", "lbCompOut4", "lbCompRatioOut4"})
    EXPECT_EQ(platform::Tag(Find<QObject>(name)), 11) << name;
  for (const char* name : {"cvdAgcTargetInC", "udAgcRatioInC", "lbAgcInC", "cvdGateAttackInC", "lbGateInC"})
    EXPECT_EQ(platform::Tag(Find<QObject>(name)), 2) << name;
}

TEST_F(PagesFormTest, ValueBoxesAndUpDownsStartAtTheirDesignValues) {
  struct Case {
    const char* name;
    const char* text;
  };
  const Case boxes[] = {
      // The start-up refresh writes the delays in the image's unit and the
      // dynamics of the default preset.
      {"cvdDelayInA", "0.000ms"},         {"cvdDelayOut8", "0.000ms"},    {"cvdCompThresholdOut1", "+20.0dB"},
      {"cvdCompRatioOut2", "1:1.0"},      {"cvdCompAttackOut3", "50ms"}, {"cvdCompReleaseOut4", "200ms"},
      {"cvdGateThresholdInA", "-90.0dB"}, {"cvdGateAttackInB", "1ms"},   {"cvdGateReleaseInC", "3000ms"},
      {"cvdAgcThresholdInD", "+0.0dB"},   {"cvdAgcTargetInE", "0.0"},    {"cvdAgcRatioInF", "1:1.0"},
      {"cvdAgcAttackInG", "50ms"},        {"cvdAgcReleaseInH", "500ms"},
  };
  for (const Case& c : boxes) {
    auto* box = Find<TRoundEdit>(c.name);
    ASSERT_NE(box, nullptr) << c.name;
    EXPECT_EQ(box->Text(), c.text) << c.name;
    EXPECT_FALSE(box->ReadOnly()) << c.name;  // all of them take typed values
  }
  for (const char* name : {"lbFftDelayTimeInA", "lbFftDelayTimeOut8"})
    EXPECT_EQ(Find<QLabel>(name)->text(), "0.000ms") << name;
  auto* ratio = Find<TUpDown>("udAgcRatioInA");
  EXPECT_EQ(ratio->Min(), 0);
  EXPECT_EQ(ratio->Max(), 15);
  auto* target = Find<TUpDown>("udAgcTargetInH");
  EXPECT_EQ(target->Min(), -120);
  EXPECT_EQ(target->Max(), 0);
}

TEST_F(PagesFormTest, DelayButtonsFormTwoRadioGroupsWithMsAndInDown) {
  const char* units[] = {"uxbUnit0", "uxbUnit1", "uxbUnit2"};
  for (int i = 0; i < 3; ++i) {
    auto* b = Find<TUxBmpButton>(units[i]);
    EXPECT_EQ(b->GroupIndex(), 1);
    EXPECT_EQ(b->Tag(), i);
    EXPECT_EQ(b->Down(), i == 0);
  }
  EXPECT_EQ(Find<TUxBmpButton>("uxbUnit2")->Caption(), "ft");
  auto* in = Find<TUxBmpButton>("uxbDelaySelIn");
  auto* out = Find<TUxBmpButton>("uxbDelaySelOut");
  EXPECT_EQ(in->GroupIndex(), 1);
  EXPECT_EQ(out->Tag(), 1);
  EXPECT_TRUE(in->Down());
  // Both groups use GroupIndex 1: pressing a unit must leave the selector alone.
  Find<TUxBmpButton>("uxbUnit2")->SetDown(true);
  EXPECT_TRUE(in->Down());
  EXPECT_FALSE(Find<TUxBmpButton>("uxbUnit0")->Down());
  // Delay lines and handles carry their channel.
  EXPECT_EQ(platform::Tag(Find<QObject>("lbDelayLineInC")), 2);
  EXPECT_EQ(platform::Tag(Find<QObject>("lbDelayLineOut5")), 12);
  EXPECT_EQ(platform::Tag(Find<QObject>("imDelayOut5")), 12);
}

TEST_F(PagesFormTest, MetersHaveTheirSegmentZones) {
  struct Case {
    const char* name;
    int segments, max;
  };
  const Case cases[] = {
      {"pbLevelCompOut", 8, 8}, {"pbLevelCompOut5", 8, 8}, {"pbLimitCompOut", 1, 1}, {"pbLimitCompOut8", 1, 1},
      {"pbLevelGateIn", 9, 9},  {"pbLevelGateInH", 9, 9},  {"pbLevelAgcIn", 9, 9},   {"pbLevelAgcInA", 9, 9},
  };
  for (const Case& c : cases) {
    auto* m = Find<LProgressBar>(c.name);
    ASSERT_NE(m, nullptr) << c.name;
    EXPECT_EQ(m->SegmentCount(), c.segments) << c.name;
    EXPECT_EQ(m->GetMax(), c.max) << c.name;
    EXPECT_EQ(m->width(), 14) << c.name;
  }
}

TEST_F(PagesFormTest, TransferPlotsHoldTheirChannelsAndStartCurves) {
  // Start-up fills the curves; a missing marker channel would have thrown.
  struct Case {
    const char* plot;
    int channels, curvePoints;
  };
  for (const Case& c : {Case{"wpComp", 2, 3}, Case{"wpGate", 2, 3}, Case{"wpAgc", 3, 4}}) {
    auto* plot = Find<TwXYPlot>(c.plot);
    ASSERT_NE(plot, nullptr) << c.plot;
    EXPECT_EQ(plot->ChannelCount(), c.channels) << c.plot;
    EXPECT_EQ(plot->GetChannel(0)->Count(), c.curvePoints) << c.plot;
    EXPECT_EQ(plot->GetChannel(1)->Color(), platform::RGB(255, 128, 128)) << c.plot;
    EXPECT_DOUBLE_EQ(plot->XAxis()->Min(), -100);
    EXPECT_DOUBLE_EQ(plot->YAxis()->Max(), 20);
  }
  EXPECT_EQ(Find<TwXYPlot>("wpAgc")->GetChannel(2)->Color(), platform::RGB(255, 255, 128));
  EXPECT_EQ(Find<TwXYPlot>("wpComp")->GetChannel(0)->TraceLineWidth(), 2);
}

// The shapes the transfer curves draw, in pixels, on the laid-out plots.
TEST_F(PagesFormTest, TransferCurvesDrawTheirSegmentsAndMarkers) {
  using channeltest::DrawChannel;
  using channeltest::Shape;
  auto* gate = Find<TwXYPlot>("wpGate");
  ASSERT_NE(gate, nullptr);
  EXPECT_EQ(gate->size(), QSize(587, 230));
  gate->ReCalcLayout();
  const auto pixel = [gate](double x, double y) {
    return platform::TPoint{gate->XAxis()->PositionToPixels(x), gate->YAxis()->PositionToPixels(y)};
  };
  const std::vector<Shape> curve = DrawChannel(gate->GetChannel(0), 587, 230);
  ASSERT_EQ(curve.size(), 2u);
  for (const Shape& s : curve) {
    EXPECT_EQ(s.kind, Shape::Polyline);
    EXPECT_EQ(s.pen.Color, platform::clWhite);
    EXPECT_EQ(s.pen.Width, 2);
  }
  EXPECT_EQ(curve[0].points, (std::vector<platform::TPoint>{pixel(-90, -90), pixel(20, 20)}));
  EXPECT_EQ(curve[1].points, (std::vector<platform::TPoint>{pixel(-90, -90), pixel(-90, -100)}));

  const std::vector<Shape> marker = DrawChannel(gate->GetChannel(1), 587, 230);
  ASSERT_EQ(marker.size(), 1u);
  const platform::TPoint c = pixel(-89.8, -90.4);
  EXPECT_EQ(marker[0].kind, Shape::Ellipse);
  EXPECT_EQ(marker[0].rect, (platform::TRect{c.X - 5, c.Y - 5, c.X + 5, c.Y + 5}));
  EXPECT_EQ(marker[0].pen.Width, 3);
  EXPECT_EQ(marker[0].pen.Color, platform::RGB(255, 128, 128));

  auto* agc = Find<TwXYPlot>("wpAgc");
  ASSERT_NE(agc, nullptr);
  agc->ReCalcLayout();
  const std::vector<Shape> target = DrawChannel(agc->GetChannel(2), 587, 230);
  ASSERT_EQ(target.size(), 1u);
  EXPECT_EQ(target[0].pen.Color, platform::RGB(255, 255, 128));

  // The pages' update: delete the held points, add new ones.
  TwXYPlotChannel* ch = gate->GetChannel(0);
  ch->DeletePoints(3);
  for (auto [x, y] : {std::pair{20.0, 20.0}, {-40.0, -40.0}, {-40.0, -100.0}}) ch->AddXY(x, y);
  const std::vector<Shape> updated = DrawChannel(ch, 587, 230);
  ASSERT_EQ(updated.size(), 2u);
  EXPECT_EQ(updated[0].points, (std::vector<platform::TPoint>{pixel(-40, -40), pixel(20, 20)}));
  EXPECT_EQ(updated[1].points, (std::vector<platform::TPoint>{pixel(-40, -40), pixel(-40, -100)}));
}

TEST_F(PagesFormTest, GatePlotShowsStartCurveMarkerAndGridWithoutHiddenObjects) {
  auto* plot = Find<TwXYPlot>("wpGate");
  ASSERT_NE(plot, nullptr);
  const QImage img = plot->grab().toImage();
  auto pixel = [&](double x, double y) {
    return QPoint(plot->XAxis()->PositionToPixels(x), plot->YAxis()->PositionToPixels(y));
  };
  auto near = [&](QPoint p, const QColor& c) {
    for (int dy = -1; dy <= 1; ++dy)
      for (int dx = -1; dx <= 1; ++dx)
        if (img.pixelColor(p + QPoint(dx, dy)) == c) return true;
    return false;
  };
  EXPECT_TRUE(near(pixel(-35, -35), Qt::white));
  EXPECT_TRUE(near(pixel(-89.8, -90.4), QColor(255, 128, 128)));
  EXPECT_EQ(img.pixelColor(pixel(-60, -20) + QPoint(0, 3)), QColor(0, 128, 0));
  // Toolbar, legend and title are hidden and leave no room: the data view
  // reaches the outer margins but for the axes' label overhangs.
  for (auto* name : {"wpComp", "wpGate", "wpAgc"}) {
    auto* p = Find<TwXYPlot>(name);
    EXPECT_FALSE(p->GetToolBar(0)->Visible() || p->GetLegend(0)->Visible() || p->TitleVisible()) << name;
  }
  QImage scratch(1, 1, QImage::Format_ARGB32);
  platform::Canvas canvas(&scratch);
  const platform::TRect dv = plot->GetDataView(0)->DrawRect();
  EXPECT_EQ(dv.Top, plot->OuterMarginTop() + plot->YAxis()->GetEndsOverhang(canvas));
  EXPECT_EQ(dv.Right, plot->width() - plot->OuterMarginRight() - plot->XAxis()->GetEndsOverhang(canvas) - 1);
}

// The major labels of an axis's last tick build.
static QStringList MajorLabels(const TwPlotAxis* a) {
  QStringList labels;
  for (int i = 0; i < a->TickListCount(); ++i)
    if (a->TickListItem(i).TickType == ipttMajor) labels << a->TickListItem(i).Text;
  return labels;
}

TEST_F(PagesFormTest, GatePlotAxesAsTheFormSetsThem) {
  auto* plot = Find<TwXYPlot>("wpGate");
  ASSERT_NE(plot, nullptr);
  plot->resize(587, 230);
  for (int c = 0; c < plot->ChannelCount(); ++c) plot->GetChannel(c)->DeletePoints(plot->GetChannel(c)->Count());
  const QImage img = plot->grab().toImage();
  const QColor green(0, 128, 0);
  const platform::TRect dv = plot->GetDataView(0)->DrawRect();
  TwPlotAxis* x = plot->XAxis();
  TwPlotAxis* y = plot->YAxis();
  // X labelled every 20 dB, Y every 10 dB, each with its grid line.
  const QStringList every20{"-100", "-80", "-60", "-40", "-20", "0", "20"};
  const QStringList every10{"-100", "-90", "-80", "-70", "-60", "-50", "-40", "-30", "-20", "-10", "0", "10", "20"};
  EXPECT_EQ(MajorLabels(x), every20);
  EXPECT_EQ(MajorLabels(y), every10);
  for (int v = -100; v <= 20; v += 20)
    EXPECT_EQ(img.pixelColor(x->PositionToPixels(v), y->PositionToPixels(-55)), green) << "X line " << v;
  for (int v = -100; v <= 20; v += 10)
    EXPECT_EQ(img.pixelColor(x->PositionToPixels(-50), y->PositionToPixels(v)), green) << "Y line " << v;
  // No line between the majors.
  EXPECT_EQ(img.pixelColor(x->PositionToPixels(-50), y->PositionToPixels(-55)), QColor(0, 0, 0));
  // The frame on all four edges.
  const int midX = x->PositionToPixels(-50), midY = y->PositionToPixels(-55);
  for (QPoint p : {QPoint(dv.Left, midY), QPoint(dv.Right, midY), QPoint(midX, dv.Top), QPoint(midX, dv.Bottom)})
    EXPECT_EQ(img.pixelColor(p), green) << p.x() << "," << p.y();
  // Yellow labels beside every major line, and nothing white (scale line,
  // tick marks) outside the data view.
  // Text edges may be smoothed: yellow is red and green high, blue low.
  auto yellowish = [](QColor c) { return c.red() > 160 && c.green() > 160 && c.blue() < 80; };
  auto yellowIn = [&](QRect r) {
    for (int py = r.top(); py <= r.bottom(); ++py)
      for (int px = r.left(); px <= r.right(); ++px)
        if (img.rect().contains(px, py) && yellowish(img.pixelColor(px, py))) return true;
    return false;
  };
  for (int v = -100; v <= 20; v += 10) {
    const int px = x->PositionToPixels(v), py = y->PositionToPixels(v);
    if (v % 20 == 0)
      EXPECT_TRUE(yellowIn(QRect(QPoint(px - 4, dv.Bottom + 1), QPoint(px + 4, img.height() - 1)))) << "X label " << v;
    EXPECT_TRUE(yellowIn(QRect(QPoint(0, py - 2), QPoint(dv.Left - 1, py + 2)))) << "Y label " << v;
  }
  for (int py = 0; py < img.height(); ++py)
    for (int px = 0; px < img.width(); ++px)
      if (px < dv.Left || px > dv.Right || py < dv.Top || py > dv.Bottom)
        ASSERT_NE(img.pixelColor(px, py), QColor(255, 255, 255)) << px << "," << py;

  // A taller plot keeps them.
  plot->resize(587, 529);
  plot->grab();
  EXPECT_EQ(MajorLabels(y), every10);
  EXPECT_EQ(MajorLabels(x), every20);
}

TEST_F(PagesFormTest, MatrixCrosspointsCarrySourceAndOutput) {
  int active = 0;
  for (int o = 0; o < 8; ++o)
    for (int s = 0; s < 9; ++s) {
      const QString tail = (s < 8 ? In(s) : QStringLiteral("Aux")) + "MatrixOut" + QString::number(o + 1);
      auto* on = Find<TDvPowerButton>("vr" + tail);
      ASSERT_NE(on, nullptr) << tail.toStdString();
      EXPECT_EQ(on->Tag(), s);
      EXPECT_EQ(on->HelpContext(), o);
      EXPECT_EQ(on->Active(), s == o) << tail.toStdString();
      EXPECT_EQ(on->size(), QSize(45, 16));
      EXPECT_EQ(on->Caption(), s < 8 ? QStringLiteral("In%1").arg(s + 1) : QStringLiteral("Aux"));
      active += on->Active();
      for (const char* prefix : {"ed", "ud"}) {
        QObject* c = Find<QObject>(prefix + tail);
        EXPECT_EQ(platform::Tag(c), s) << prefix << tail.toStdString();
        EXPECT_EQ(c->property("HelpContext").toInt(), o) << prefix << tail.toStdString();
      }
      EXPECT_EQ(Find<QLineEdit>("ed" + tail)->text(), "+0.0dB");
      auto* ud = Find<TUpDown>("ud" + tail);
      EXPECT_EQ(ud->Min(), -280);
      EXPECT_EQ(ud->Max(), 0);
      EXPECT_EQ(ud->Position(), 0);
    }
  EXPECT_EQ(active, 8);
  EXPECT_EQ(platform::Tag(Find<QObject>("lbMatrixChNameInC")), 2);
  EXPECT_EQ(platform::Tag(Find<QObject>("lbMatrixChNameOut3")), 10);
  EXPECT_EQ(Find<QLabel>("lbMatrixDelayInA")->text(), "SEL");
  EXPECT_EQ(Find<QLabel>("lbMatrixHpLpInA")->text(), "AGC");
  EXPECT_EQ(Find<QLabel>("lbMatrixPhaseInA")->text(), "FBQ");
}

// A crosspoint is a power button without outline or bevel: only its 12 x 12
// LED at x 0, y 2 (a sunken edge, a black ring, the lamp) and its caption
// from x 14, on the light grey face.
TEST_F(PagesFormTest, MatrixCrosspointShowsItsLedAndCaptionWithoutAFrame) {
  const QColor face(216, 216, 216);
  for (const char* name : {"vrAMatrixOut1", "vrBMatrixOut1"}) {
    SCOPED_TRACE(name);
    auto* button = Find<TDvPowerButton>(name);
    ASSERT_NE(button, nullptr);
    const QImage image = button->grab().toImage();
    const QColor lamp = button->Active() ? QColor(255, 255, 0) : QColor(128, 128, 0);
    struct Pixel { int x, y; QColor colour; };
    const Pixel pixels[] = {
        {0, 0, face}, {44, 0, face}, {0, 15, face}, {44, 15, face}, {6, 1, face}, {6, 14, face},  // no frame
        {5, 2, button->ShadowColor()},  {0, 7, button->ShadowColor()},  // the sunken edge
        {5, 13, button->HighlightColor()}, {11, 7, button->HighlightColor()},
        {5, 3, Qt::black}, {1, 7, Qt::black}, {5, 12, Qt::black}, {10, 7, Qt::black},  // the ring
        {2, 4, lamp}, {9, 11, lamp}, {5, 7, lamp},
        {12, 8, face}, {13, 8, face},  // the gap before the caption
    };
    for (const Pixel& p : pixels) EXPECT_EQ(image.pixelColor(p.x, p.y), p.colour) << p.x << "," << p.y;
    int ink = 0;
    for (int y = 0; y < 16; ++y)
      for (int x = 14; x < 45; ++x) ink += image.pixelColor(x, y) != face;
    EXPECT_GT(ink, 20) << "the caption from x 14";
  }
}

// ---- Design geometry (the layout rules at no extra size) --------------------------

TEST_F(PagesFormTest, MeterPanelsAndScalesSitAtTheirDesignPlaces) {
  const int compRowTops[9] = {35, 58, 81, 105, 128, 151, 175, 198, 222};
  const int compPageTops[9] = {32, 56, 79, 102, 124, 149, 172, 195, 219};
  const int gateTops[9] = {36, 59, 82, 105, 129, 152, 175, 198, 222};
  const QStringList compRoles = {"Limit", "Clip", "12", "5", "0", "N5", "N15", "N30", "N60"};
  const QStringList gateRoles = {"Clip", "12", "5", "0", "N5", "N15", "N20", "N30", "N60"};
  for (int i = 0; i < 8; ++i) {
    for (const QString& panel : {"plLevelCompOut" + Out(i), "plLevelGateIn" + In(i), "plLevelAgcIn" + In(i)}) {
      EXPECT_EQ(Geometry(panel).left(), 659 + 53 * i) << panel.toStdString();
      EXPECT_EQ(Geometry(panel).height(), 247) << panel.toStdString();
    }
    EXPECT_EQ(Geometry("pbLevelCompOut" + Out(i)), QRect(Geometry("pbLevelCompOut" + Out(i)).left(), 55, 14, 185));
    EXPECT_EQ(Geometry("pbLimitCompOut" + Out(i)).height(), 22);
    for (const QString& bar : {"pbLevelGateIn" + In(i), "pbLevelAgcIn" + In(i)}) {
      EXPECT_EQ(Geometry(bar).top(), 32) << bar.toStdString();
      EXPECT_EQ(Geometry(bar).height(), 208) << bar.toStdString();
    }
    for (int n = 0; n < 9; ++n) {
      EXPECT_EQ(Geometry("lb" + compRoles[n] + "CompOut" + Out(i)).top(), compRowTops[n]);
      EXPECT_EQ(Geometry("lb" + gateRoles[n] + "GateIn" + In(i)).top(), gateTops[n]);
      EXPECT_EQ(Geometry("lb" + gateRoles[n] + "AgcIn" + In(i)).top(), gateTops[n]);
    }
  }
  EXPECT_EQ(Geometry("plLevelCompOut8").left(), 1030);
  for (int n = 0; n < 9; ++n) {
    EXPECT_EQ(Geometry("lb" + compRoles[n] + "CompOut").top(), compPageTops[n]);
    EXPECT_EQ(Geometry("lb" + gateRoles[n] + "GateIn").top(), gateTops[n]);
    EXPECT_EQ(Geometry("lb" + gateRoles[n] + "AgcIn").top(), gateTops[n]);
  }
  EXPECT_EQ(Geometry("pbLevelCompOut").top(), 54);
  EXPECT_EQ(Geometry("pbLevelCompOut").height(), 185);
  EXPECT_EQ(Geometry("pbLimitCompOut").height(), 22);
  for (const char* name : {"plLevelCompOut", "plLevelGateIn", "plLevelAgcIn"}) EXPECT_EQ(Geometry(name).height(), 247);
  for (const char* name : {"pbLevelGateIn", "pbLevelAgcIn"}) {
    EXPECT_EQ(Geometry(name).top(), 32);
    EXPECT_EQ(Geometry(name).height(), 208);
  }
  for (const char* name : {"wpComp", "wpGate", "wpAgc"}) EXPECT_EQ(Geometry(name).size(), QSize(587, 230)) << name;
  for (const char* name : {"lbCompName", "lbGateName", "lbAgcName"}) EXPECT_EQ(Geometry(name).width(), 538) << name;
}

TEST_F(PagesFormTest, DelayRowsSitAtTheirDesignPlaces) {
  EXPECT_EQ(Geometry("plFftDelayIn").size(), QSize(520, 234));
  EXPECT_EQ(Geometry("plFftDelayOut").size(), QSize(1055, 234));
  EXPECT_EQ(Geometry("lbFftDelayIn").width(), 520);
  EXPECT_EQ(Geometry("lbFftDelayOut").width(), 1055);
  for (int row = 0; row < 8; ++row) {
    for (bool inputs : {true, false}) {
      const QString side = inputs ? "In" + In(row) : "Out" + Out(row);
      const QRect line = Geometry("lbDelayLine" + side);
      const QRect image = Geometry("imDelay" + side);
      EXPECT_EQ(line.top(), 28 * row + 2) << side.toStdString();
      EXPECT_EQ(line.width(), inputs ? 475 : 1006) << side.toStdString();
      EXPECT_EQ(image, QRect(40, 28 * row + 2, 30, 30)) << side.toStdString();
      // The time label rides right of the handle, a quarter of its height down.
      EXPECT_EQ(Geometry("lbFftDelayTime" + side).topLeft(), QPoint(70, 28 * row + 2 + 7)) << side.toStdString();
      EXPECT_EQ(Geometry("lbDelayShow" + side).top(), 28 * row + 8) << side.toStdString();
      // Line and handle share the panel, so the drag arithmetic can mix their coordinates.
      EXPECT_EQ(Find<QWidget>("lbDelayLine" + side)->parentWidget(), Find<QWidget>("imDelay" + side)->parentWidget());
    }
  }
  EXPECT_EQ(Find<QWidget>("lbDelayLineInA")->parentWidget(), Find<QWidget>("plFftDelayIn"));
  EXPECT_EQ(Find<QWidget>("isDelayOut1")->parentWidget(), Find<QWidget>("uxpDelayOut"));
}

TEST_F(PagesFormTest, MatrixRowsAndCellsSitAtTheirDesignPlaces) {
  EXPECT_EQ(Geometry("pbMatrix"), QRect(465, 26, 97, 240));
  for (int i = 0; i < 8; ++i) {
    const QRect in = Geometry("plMatrixIn" + In(i));
    EXPECT_EQ(in.top(), 17 + 29 * i);
    EXPECT_EQ(in.width(), 415);
    const QRect out = Geometry("plMatrixOut" + Out(i));
    EXPECT_EQ(out.top(), 23 + 30 * i);
    EXPECT_EQ(out.left(), 561);
    EXPECT_EQ(out.width(), 510);
  }
  EXPECT_EQ(Geometry("plMatrixEff").top(), 249);
  EXPECT_EQ(Geometry("plMatrixEff").width(), 415);
  EXPECT_EQ(Geometry("AuxMixLine1").left(), 434);
  EXPECT_EQ(Geometry("AuxMixLine1").height(), 214);
  EXPECT_EQ(Geometry("AuxMixLine2").top(), 246);
  EXPECT_EQ(Geometry("AuxMixLine2").left(), 153);
  EXPECT_EQ(Geometry("AuxMixLine2").width(), 285);
  EXPECT_EQ(Geometry("AuxMixLine3").left(), 102);
  EXPECT_EQ(Geometry("AuxMixLine4").left(), 102);

  struct Cell {
    const char* role;
    int left, width;
  };
  const Cell inCells[] = {{"lbMatrixNameIn", 0, 70},  {"lbMatrixChNameIn", 0, 70},  {"spMatrixNameIn", 0, 58},
                          {"lbMatrixGainIn", 77, 50}, {"lbMatrixGateIn", 134, 50},  {"lbMatrixHpLpIn", 191, 50},
                          {"lbMatrixPeqIn", 248, 50}, {"lbMatrixPhaseIn", 305, 50}, {"lbMatrixDelayIn", 362, 50}};
  const Cell outCells[] = {{"lbMatrixXoverOut", 2, 50},  {"lbMatrixPeqOut", 61, 50},    {"lbMatrixGainOut", 121, 50},
                           {"lbMatrixCompOut", 180, 50}, {"lbMatrixPhaseOut", 240, 50}, {"lbMatrixDelayOut", 298, 50},
                           {"lbMatrixMuteOut", 359, 50}, {"lbMatrixNameOut", 418, 80},  {"lbMatrixChNameOut", 419, 80},
                           {"spMatrixNameOut", 416, 58}};
  for (int i = 0; i < 8; ++i) {
    for (const Cell& c : inCells) {
      const QString name = QString::fromLatin1(c.role) + In(i);
      EXPECT_EQ(Geometry(name).left(), c.left) << name.toStdString();
      EXPECT_EQ(Geometry(name).width(), c.width) << name.toStdString();
      EXPECT_EQ(Find<QWidget>(name)->parentWidget(), Find<QWidget>("plMatrixIn" + In(i))) << name.toStdString();
    }
    for (const Cell& c : outCells) {
      const QString name = QString::fromLatin1(c.role) + Out(i);
      EXPECT_EQ(Geometry(name).left(), c.left) << name.toStdString();
      EXPECT_EQ(Geometry(name).width(), c.width) << name.toStdString();
    }
  }
  const Cell effCells[] = {{"lbMatrixChNameEff", 0, 70}, {"lbMatrixAecEff", 134, 50}, {"lbMatrixSelEff", 191, 50},
                           {"lbMatrixEfxEff", 248, 50},  {"lbMatrixPeqEff", 305, 50}, {"lbMatrixCompEff", 362, 50}};
  for (const Cell& c : effCells) {
    EXPECT_EQ(Geometry(c.role).left(), c.left) << c.role;
    EXPECT_EQ(Geometry(c.role).width(), c.width) << c.role;
  }
}

// ---- Language pass and pictures -------------------------------------------------------

TEST_F(PagesFormTest, LanguagePassReachesThePagesLabels) {
  main->MenuItem("ChineseSimplified")->Click();
  for (const char* name : {"lbDelayUnit", "lbFftDelayOut", "lbCompReleaseOut8", "lbAgcTargetInH", "lbGateAttackInH"})
    EXPECT_TRUE(Find<QLabel>(name)->text().contains(QRegularExpression("[\\x{4e00}-\\x{9fff}]"))) << name;
  EXPECT_EQ(Find<TUxBmpButton>("uxbUnit2")->Caption(), main->TranslateSid("SID_UNIT_FT"));
  EXPECT_EQ(Find<QLabel>("lbCompName")->text(), "Out 1 " + main->TranslateSid("SID_COMP"));
  main->MenuItem("English")->Click();
  EXPECT_EQ(Find<QLabel>("lbGateName")->text(), "In 1 Gate");
  EXPECT_EQ(Find<QLabel>("lbCompReleaseOut8")->text(), "Release");
}

TEST_F(PagesFormTest, RendersEachPage) {
  main->show();
  testsupport::RunEventLoop(50);
  auto* frame = Find<QWidget>("uxgMain");
  ASSERT_NE(frame, nullptr);
  struct Page {
    const char* file;
    QStringList show;  // made visible and raised in this order
  };
  const Page pages[] = {
      {"page-delay-in.png", {"uxgParamDelay", "uxgFftDelay"}},
      {"page-delay-out.png", {"uxgParamDelay", "uxgFftDelay", "uxpDelayOut", "lbFftDelayOut", "plFftDelayOut"}},
      {"page-comp.png", {"uxgParamComp", "uxgFftComp"}},
      {"page-gate.png", {"uxgParamGate", "uxgFftGate"}},
      {"page-agc.png", {"uxgParamAgc", "uxgFftAgc"}},
      {"page-matrix.png", {"uxgParamMatrix", "uxgFftMatrix"}},
  };
  for (const Page& page : pages) {
    for (const QString& name : page.show) {
      QWidget* w = Find<QWidget>(name);
      ASSERT_NE(w, nullptr) << name.toStdString();
      w->show();
      w->raise();
    }
    testsupport::RunEventLoop(20);
    const QImage image = frame->grab().toImage();
    EXPECT_FALSE(image.isNull());
    EXPECT_TRUE(image.save(QString::fromStdString(testsupport::OutputPath(page.file)))) << page.file;
    for (const QString& name : page.show)
      if (name.startsWith("uxg")) Find<QWidget>(name)->hide();
  }
}

}  // namespace
