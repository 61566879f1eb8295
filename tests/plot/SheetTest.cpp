// Renders every control of the set on one sheet and writes it to a PNG for review.
#include "controls/ExProgressBar.h"
#include "controls/ExTrackBar.h"
#include "controls/RoundEdit.h"
#include "controls/UxBmpButton.h"
#include "controls/UxButton.h"
#include "controls/UxComboBox.h"
#include "controls/UxGroupBox.h"
#include "controls/UxLabel.h"
#include "controls/UxPanel.h"
#include "controls/wKnob.h"
#include "controls/wLed.h"
#include "controls/wSwitchLed.h"
#include "plot/wXYPlot.h"

#include <QDir>
#include <QImage>
#include <gtest/gtest.h>

namespace {

TUxLabel* Caption(QWidget* parent, const QString& text, int x, int y) {
  auto* l = new TUxLabel(parent);
  l->move(x, y);
  l->SetCaption(text);
  return l;
}

TEST(Sheet, AllControlsRenderToPng) {
  TUxGroupBox sheet;
  sheet.SetGroupStyle(gsCustom);
  sheet.SetColor(QColor(212, 214, 220));
  sheet.resize(1000, 560);

  // Buttons: a radio group of tabs, toggles and push buttons.
  auto* buttons = new TUxGroupBox(&sheet);
  buttons->SetGroupStyle(gsStandard);
  buttons->SetTransparent(true);
  buttons->SetCaption("Buttons");
  buttons->setGeometry(10, 10, 300, 150);
  const char* tabs[] = {"Gain", "Gate", "Comp"};
  for (int i = 0; i < 3; ++i) {
    auto* b = new TUxBmpButton(buttons);
    b->setGeometry(10 + i * 70, 24, 64, 26);
    b->SetCaption(tabs[i]);
    b->SetGroupIndex(1);
    b->SetDown(i == 1);
  }
  auto* mute = new TUxBmpButton(buttons);
  mute->setGeometry(10, 60, 64, 26);
  mute->SetCaption("Mute");
  mute->SetColor(QColor(230, 120, 90));
  mute->SetGroupIndex(2);
  mute->SetAllowAllUp(true);
  mute->SetDown(true);
  auto* off = new TUxBmpButton(buttons);
  off->setGeometry(80, 60, 64, 26);
  off->SetCaption("Phase");
  off->SetEnabled(false);
  auto* push = new TUxButton(buttons);
  push->setGeometry(150, 60, 64, 26);
  push->SetCaption("Set");
  push->SetThemeAware(false);
  push->SetColor(QColor(170, 200, 240));
  auto* ok = new TUxButton(buttons);
  ok->setGeometry(220, 60, 64, 26);
  ok->SetCaption("OK");
  auto* sw = new TwSwitchLed(buttons);
  sw->setGeometry(10, 100, 45, 28);
  sw->SetCaption("Auto");
  sw->SetActive(true);
  auto* sw2 = new TwSwitchLed(buttons);
  sw2->setGeometry(62, 100, 45, 28);
  sw2->SetCaption("Auto");

  // Value boxes, combo boxes, labels, progress bar.
  auto* values = new TUxGroupBox(&sheet);
  values->SetGroupStyle(gsFlat);
  values->SetTransparent(true);
  values->SetCaption("Values");
  values->setGeometry(320, 10, 330, 150);
  auto* edit = new TRoundEdit(values);
  edit->setGeometry(10, 24, 90, 24);
  edit->SetRounding(6);
  edit->SetAlignment(Qt::AlignCenter);
  edit->SetText("-12.5dB");
  auto* ro = new TRoundEdit(values);
  ro->setGeometry(110, 24, 90, 24);
  ro->SetRounding(6);
  ro->SetColor(QColor(223, 255, 255));
  ro->SetAlignment(Qt::AlignCenter);
  ro->SetText("1000Hz");
  auto* slope = new TUxComboBox(values);
  slope->setGeometry(10, 58, 110, 21);
  slope->SetStyle(csOwnerDrawFixed);
  slope->SetColor(QColor(223, 255, 255));
  for (const char* t : {"BW -6", "BL -12", "LK -24"}) slope->Add(t);
  slope->SetItemIndex(1);
  auto* cam = new TUxComboBox(values);
  cam->setGeometry(130, 58, 90, 21);
  cam->SetStyle(csDropDown);
  for (const char* t : {"InA", "InB"}) cam->Add(t);
  cam->SetItemIndex(0);
  auto* title = Caption(values, "In A  Gate", 230, 60);
  title->SetFontColor(QColor(0, 0, 128));
  auto* bar = new TExProgressBar(values);
  bar->setGeometry(10, 92, 310, 20);
  bar->SetMax(31);
  bar->SetPosition(23);
  auto* bar2 = new TExProgressBar(values);
  bar2->setGeometry(10, 118, 310, 20);
  bar2->SetPosition(96);

  // Faders with LEDs and knobs.
  auto* strip = new TUxGroupBox(&sheet);
  strip->SetGroupStyle(gsBanner);
  strip->SetCaption("Faders, LEDs, knobs");
  strip->setGeometry(660, 10, 330, 260);
  const int positions[] = {0, 120, -180};
  for (int i = 0; i < 3; ++i) {
    auto* f = new TExTrackBar(strip);
    f->SetOrientation(trVertical);
    f->setGeometry(10 + i * 40, 30, 27, 180);
    f->SetMin(-280);
    f->SetMax(120);
    f->SetPosition(positions[i]);
    if (i == 2) f->SetEnabled(false);
  }
  for (int i = 0; i < 4; ++i) {
    auto* led = new TwLedRound(strip);
    led->setGeometry(140 + i * 18, 34, 12, 12);
    led->SetActive(i % 2 == 0);
  }
  auto* comp = new TwLedRectangle(strip);
  comp->setGeometry(140, 56, 30, 14);
  comp->SetActiveColor(QColor(255, 255, 0));
  comp->SetActive(true);
  auto* comp2 = new TwLedRectangle(strip);
  comp2->setGeometry(176, 56, 30, 14);
  comp2->SetActiveColor(QColor(255, 255, 0));
  auto* big = new TwKnob(strip);
  big->setGeometry(140, 80, 120, 120);
  big->SetMinMax(-280, 120);
  big->SetTickLabelPrecision(0);
  big->SetPosition(-40);
  auto* small = new TwKnob(strip);
  small->setGeometry(270, 80, 40, 40);
  small->SetMinMax(-280, 120);
  small->SetShowTicksMajor(false);
  small->SetShowTicksMinor(false);
  small->SetShowTickLabels(false);
  small->SetOuterMargin(0);
  small->SetKnobStyle(iksRaisedEdge);
  small->SetKnobEdgeWidth(2);
  small->SetColor(QColor(128, 128, 128));
  small->SetIndicatorInactiveColor(QColor(0, 128, 0));
  small->SetIndicatorMargin(4);
  small->SetIndicatorSize(5);
  small->SetTransparent(true);
  small->SetPosition(0);

  // The gate transfer curve.
  auto* plotBox = new TUxPanel(&sheet);
  plotBox->SetBorderOuter(fsLowered);
  plotBox->setGeometry(10, 280, 597, 240);
  auto* plot = new TwXYPlot(plotBox);
  plot->setGeometry(5, 5, 587, 230);
  plot->GetToolBar(0)->SetVisible(false);  // as on the forms
  plot->XAxis()->SetMinSpan(-100, 120);
  plot->XAxis()->SetDesiredStart(20);
  plot->XAxis()->SetDesiredIncrement(20);
  plot->YAxis()->SetMinSpan(-100, 120);
  plot->YAxis()->SetDesiredStart(20);
  plot->YAxis()->SetDesiredIncrement(10);
  plot->AddChannel();
  TwXYPlotChannel* curve = plot->GetChannel(0);
  curve->SetColor(platform::clWhite);
  curve->SetTraceLineWidth(2);
  for (QPointF p : {QPointF(20, 20), QPointF(-60, -60), QPointF(-60, -100)}) curve->AddXY(p.x(), p.y());
  TwXYPlotChannel* marker = plot->GetChannel(1);
  marker->SetColor(platform::RGB(255, 128, 128));
  marker->SetTraceLineStyle(iplsDot);
  marker->SetTraceLineWidth(5);
  marker->SetMarkersVisible(true);
  marker->SetMarkersSize(5);
  marker->SetMarkersPenWidth(3);
  marker->AddXY(-59.8, -60.4);

  auto* note = new TUxPanel(&sheet);
  note->setGeometry(620, 280, 370, 240);
  note->SetBorderOuter(fsGroove);
  note->SetCaption("Panel with a groove frame");

  const QImage img = sheet.grab().toImage();
  ASSERT_FALSE(img.isNull());
  QDir().mkpath(DSP_TEST_OUT);
  const QString file = QStringLiteral(DSP_TEST_OUT) + "/controls_sheet.png";
  ASSERT_TRUE(img.save(file)) << file.toStdString();
  // The sheet is not blank: the plot's black field and the lit LED are there.
  EXPECT_EQ(img.pixelColor(100, 300), QColor(0, 0, 0));  // beside the title
}

}  // namespace
