// Label: grid-made row number, automatic size, angles, disabled and condensed
// text, fly-by colour, and the blinking list that drives every label.
#include "controls/UxLabel.h"
#include "controls/UxPanel.h"

#include <QElapsedTimer>
#include <QEnterEvent>
#include <QFontMetrics>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <vector>

#include "support/UiFixture.h"

namespace {

const QColor kRed(200, 0, 0);
const QColor kGray(109, 109, 109);  // clGrayText

QFont Crisp(QFont f) {
  f.setStyleStrategy(QFont::NoAntialias);
  return f;
}

TEST(Label, RowNumberAsTheGridsMakeIt) {
  TUxPanel panel;
  panel.resize(60, 40);
  panel.SetBorderOuter(fsNone);
  panel.SetColor(QColor(20, 40, 60));
  auto* number = new TUxLabel(&panel);
  number->setFont(Crisp(number->font()));
  number->SetCaption("7");
  number->SetFontSize(12);
  number->SetAutoSize(false);
  number->SetTransparent(true);
  number->SetAlignment(Qt::AlignCenter);
  number->SetFontColor(kRed);
  number->setGeometry(10, 5, 20, 30);
  EXPECT_EQ(number->CurrentColor(), kRed) << "the font colour is the text colour";
  const QImage img = panel.grab().toImage();
  EXPECT_EQ(img.pixelColor(10, 5), QColor(20, 40, 60)) << "a transparent label shows its parent";
  int digit = 0;
  for (int y = 5; y < 35; ++y)
    for (int x = 10; x < 30; ++x) digit += img.pixelColor(x, y) == kRed;
  EXPECT_GT(digit, 5) << "the digit is drawn in its colour";
}

TEST(Label, NewLabelIsOpaqueInItsParentsColour) {
  TUxPanel panel;
  panel.SetColor(QColor(90, 10, 10));
  TUxLabel* l = new TUxLabel(&panel);
  EXPECT_FALSE(l->Transparent());
  EXPECT_EQ(l->Color(), QColor(90, 10, 10));
  EXPECT_EQ(l->grab().toImage().pixelColor(1, 1), QColor(90, 10, 10));
  l->SetColor(QColor(1, 2, 3));
  EXPECT_FALSE(l->ParentColor());
  EXPECT_EQ(l->grab().toImage().pixelColor(1, 1), QColor(1, 2, 3));
}

TEST(Label, AutoSizeTakesTheMeasuredTextPlusMargins) {
  TUxLabel l;
  l.move(30, 7);
  l.SetCaption("12");
  const QSize text = QFontMetrics(l.font()).size(Qt::TextExpandTabs | Qt::TextShowMnemonic, "12");
  EXPECT_EQ(l.size(), text);
  EXPECT_EQ(l.pos(), QPoint(30, 7)) << "left and top stay";
  l.SetTextMargin(3);
  l.SetAutoSize(false);
  l.SetAutoSize(true);
  EXPECT_EQ(l.size(), text + QSize(6, 6));
  l.SetBorderOuter(fsFlat);  // one pixel on every side
  EXPECT_EQ(l.size(), text + QSize(8, 8));
  // A right-aligned label keeps its right edge.
  const int right = l.x() + l.width();
  l.SetAlignment(Qt::AlignRight);
  l.SetCaption("1234");
  EXPECT_EQ(l.x() + l.width(), right);
}

TEST(Label, AngleAndRotation) {
  TUxLabel l;
  l.SetAngle(-30);
  EXPECT_EQ(l.Angle(), 330);
  EXPECT_EQ(l.Rotation(), roFlat) << "a turned text needs roFlat";
  l.SetAngle(400);
  EXPECT_EQ(l.Angle(), 40);
  l.SetRotation(roCurve);
  EXPECT_EQ(l.Angle(), 40);
  l.SetRotation(roFlat);
  EXPECT_EQ(l.Angle(), 0);
  EXPECT_EQ(l.CenterPoint(), cpCenter);
  // Turned by 90 degrees the automatic size swaps width and height.
  l.SetCaption("Wide caption");
  const QSize flat = l.size();
  l.SetAngle(90);
  EXPECT_EQ(l.size(), flat.transposed());
}

TEST(Label, DisabledShadowTextIsOnlyGrey) {
  TUxLabel l;
  l.setFont(Crisp(l.font()));
  l.SetColor(Qt::white);
  l.SetCaption("Gain");
  l.SetFontColor(kRed);
  l.SetShadowColor(QColor(0, 0, 255));
  l.SetTextStyle(uxdraw::tsShadow);
  l.SetEnabled(false);
  std::set<QRgb> colours;
  const QImage img = l.grab().toImage();
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) colours.insert(img.pixel(x, y));
  EXPECT_EQ(colours, (std::set<QRgb>{QColor(Qt::white).rgb(), kGray.rgb()}));
  l.SetEnabled(true);
  const QImage on = l.grab().toImage();
  colours.clear();
  for (int y = 0; y < on.height(); ++y)
    for (int x = 0; x < on.width(); ++x) colours.insert(on.pixel(x, y));
  EXPECT_TRUE(colours.count(QColor(0, 0, 255).rgb())) << "enabled, the shadow copy is drawn";
}

TEST(Label, RaisedTextDrawsTheLightCopyOnlyWithLightTextStyle) {
  TUxLabel l;
  l.setFont(Crisp(l.font()));
  l.SetColor(Qt::white);
  l.SetCaption("Hi");
  l.SetHighlightColor(QColor(0, 200, 0));
  l.SetShadowColor(QColor(0, 0, 255));
  l.SetTextStyle(uxdraw::tsRaised);
  auto has = [&](const QColor& c) {
    const QImage img = l.grab().toImage();
    for (int y = 0; y < img.height(); ++y)
      for (int x = 0; x < img.width(); ++x)
        if (img.pixelColor(x, y) == c) return true;
    return false;
  };
  EXPECT_TRUE(has(QColor(0, 0, 255)));
  l.SetLightTextStyle(true);
  EXPECT_FALSE(has(QColor(0, 0, 255)));
  EXPECT_TRUE(has(QColor(0, 200, 0)));
}

TEST(Label, CondensedCaptionEndsInAnEllipsis) {
  TUxLabel l;
  l.SetCaption("A caption far too long for the label");
  l.SetCondenseCaption(ccAtEnd);
  EXPECT_FALSE(l.AutoSize());
  l.resize(60, 20);
  EXPECT_TRUE(l.DisplayedText().endsWith(QChar(0x2026))) << l.DisplayedText().toStdString();
  EXPECT_LT(QFontMetrics(l.font()).horizontalAdvance(l.DisplayedText()), 61);
}

TEST(Label, FlyByColourWhileTheMouseIsOver) {
  TUxLabel l;
  l.SetFontColor(kRed);
  l.SetFlyByEnabled(true);
  l.SetFlyByColor(QColor(0, 0, 255));
  QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
  QApplication::sendEvent(&l, &enter);
  EXPECT_EQ(l.FontColor(), QColor(0, 0, 255));
  EXPECT_EQ(l.CurrentColor(), QColor(0, 0, 255));
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(&l, &leave);
  EXPECT_EQ(l.FontColor(), kRed);
  QApplication::sendEvent(&l, &enter);
  l.SetFlyByEnabled(false);
  EXPECT_EQ(l.FontColor(), kRed) << "turning fly-by off restores the colour";
}

TEST(BlinkingList, PhasesFollowTheTwoIntervals) {
  ASSERT_EQ(BlinkingControlsList(), nullptr);
  TUxLabel l, quiet;
  TUxBlinkingControlsList* list = BlinkingControlsList();
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->Count(), 2);
  l.SetBlinkIntervalOn(200);
  l.SetBlinkIntervalOff(800);
  EXPECT_EQ(quiet.BlinkIntervalOn(), 200) << "the intervals are shared";
  l.SetFontColor(kRed);
  quiet.SetFontColor(kRed);
  l.SetBlinkColor(QColor(0, 0, 255));
  l.SetBlinking(true);
  list->TimerFired();
  EXPECT_EQ(l.CurrentColor(), kRed);
  EXPECT_EQ(list->TimerInterval(), 800);
  list->TimerFired();
  EXPECT_EQ(l.CurrentColor(), QColor(0, 0, 255));
  EXPECT_EQ(l.BlinkState(), uxdraw::bsOn);
  EXPECT_EQ(list->TimerInterval(), 200);
  EXPECT_EQ(quiet.CurrentColor(), kRed) << "a label that does not blink keeps its colour";
  list->TimerFired();
  EXPECT_EQ(l.CurrentColor(), kRed);
  list->TimerFired();
  EXPECT_EQ(l.CurrentColor(), QColor(0, 0, 255));
  l.SetBlinking(false);
  EXPECT_EQ(l.CurrentColor(), kRed) << "off restores the font colour at once";
  EXPECT_EQ(l.BlinkState(), uxdraw::bsOff);
}

// The first tick (500 ms after the list is made) ends the rest phase; then
// the font colour lasts IntervalOff and the blink colour IntervalOn. The clock
// gives lower bounds only, since a loaded machine makes the ticks late.
TEST(BlinkingList, PhasesNeverEndEarly) {
  ASSERT_EQ(BlinkingControlsList(), nullptr);
  QElapsedTimer clock;
  clock.start();
  TUxLabel l;
  l.SetBlinkIntervalOn(110);
  l.SetBlinkIntervalOff(130);
  l.SetFontColor(kRed);
  l.SetBlinkColor(QColor(0, 0, 255));
  l.SetBlinking(true);
  QColor shown = l.CurrentColor();
  ASSERT_EQ(shown, kRed);
  std::vector<qint64> flips;
  ASSERT_TRUE(testsupport::WaitForChanges([&] { return l.CurrentColor(); }, 6, clock, flips));
  qint64 due = 500 + 130;
  for (std::size_t k = 0; k < flips.size(); ++k) {
    EXPECT_GE(flips[k], due) << "flip " << k;
    due += k % 2 == 0 ? 110 : 130;
  }
}

TEST(BlinkingList, LastLabelFreesTheList) {
  ASSERT_EQ(BlinkingControlsList(), nullptr);
  auto a = std::make_unique<TUxLabel>();
  auto b = std::make_unique<TUxLabel>();
  a->SetBlinkIntervalOn(200);
  a.reset();
  EXPECT_NE(BlinkingControlsList(), nullptr);
  EXPECT_EQ(BlinkingControlsList()->Count(), 1);
  b.reset();
  EXPECT_EQ(BlinkingControlsList(), nullptr);
  TUxLabel c;
  ASSERT_NE(BlinkingControlsList(), nullptr);
  EXPECT_EQ(c.BlinkIntervalOn(), 500);
  EXPECT_EQ(c.BlinkIntervalOff(), 500);
  EXPECT_EQ(BlinkingControlsList()->TimerInterval(), 500);
}

}  // namespace
