// The equaliser grids: value grids and formats, typed entries, the setters the
// main window uses, the current-row highlight, bypass, language, layout and
// the 0.2 dB variant.
#include "display/MyPEQAllpass2Steps.h"
#include "controls/UpDown.h"
#include "display/MyPEQAllpassBandPassStop.h"

#include "controls/UxButton.h"
#include "controls/UxComboBox.h"
#include "controls/UxLabel.h"
#include "support/UiFixture.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPainter>
#include <QWheelEvent>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

using namespace peqgrid;

namespace {

const QColor kGreen(0, 176, 0);
const QColor kBypassed(255, 128, 128);

QColor TextColour(QLineEdit* e) { return e->palette().color(QPalette::Text); }

void Leave(QLineEdit* e) {
  QFocusEvent ev(QEvent::FocusOut, Qt::TabFocusReason);
  QApplication::sendEvent(e, &ev);
}

void Type(QLineEdit* e, const QString& text) {
  e->clear();
  QTest::keyClicks(e, text);
}

// ---- value grids and formats ----

TEST(PeqValueGrid, FrequencyPositions) {
  struct Case { double hz; int p; };
  const Case cases[] = {{1000, 0}, {1200, 8}, {1180, 7}, {1250, 10}, {20158.7, 130}, {19.69, -170},
                        {977.24, -1}, {0.0, -170}, {-5.0, -170}, {1e9, 130}, {1.0, -170}};
  for (const Case& c : cases) EXPECT_EQ(FrequencyToPosition(c.hz), c.p) << c.hz;
  EXPECT_EQ(FrequencyToPosition(std::numeric_limits<double>::quiet_NaN()), -170);
  // Every grid frequency, also through single precision, gives its own position.
  for (int p = kFreqPosMin; p <= kFreqPosMax; ++p) {
    EXPECT_EQ(FrequencyToPosition(PositionToFrequency(p)), p);
    EXPECT_EQ(FrequencyToPosition(static_cast<float>(PositionToFrequency(p))), p);
  }
}

TEST(PeqValueGrid, TypedFrequencyCodes) {
  EXPECT_EQ(EditFrequencyToCode(1, true), 170);
  EXPECT_EQ(EditFrequencyToCode(1.5, true), 188);
  EXPECT_EQ(EditFrequencyToCode(440, false), 134);
  EXPECT_EQ(EditFrequencyToCode(19, false), 0);
  EXPECT_EQ(EditFrequencyToCode(25000, false), 300);
  EXPECT_EQ(EditFrequencyToCode(0, false), 0);
}

TEST(PeqValueGrid, QIndices) {
  for (int i = 0; i <= kQIndexMax; ++i) EXPECT_EQ(QToIndex(kQTable[i]), i) << kQTable[i];
  EXPECT_EQ(QToIndex(1.27), 20);
  EXPECT_EQ(QToIndex(3.3), 37);
  EXPECT_EQ(QToIndex(200), 100);
  EXPECT_EQ(QToIndex(0.1), 0);
  EXPECT_EQ(QToIndex(std::numeric_limits<double>::quiet_NaN()), 0);
}

TEST(PeqValueGrid, Formats) {
  EXPECT_EQ(FormatFrequency(PositionToFrequency(0)), "1.00KHz");
  EXPECT_EQ(FormatFrequency(PositionToFrequency(130)), "20.16KHz");
  EXPECT_EQ(FormatFrequency(PositionToFrequency(129)), "19.70KHz");
  EXPECT_EQ(FormatFrequency(PositionToFrequency(-1)), "977.2Hz");
  EXPECT_EQ(FormatFrequency(PositionToFrequency(-170)), "19.7Hz");
  EXPECT_EQ(FormatQ(0.4), "0.40");
  EXPECT_EQ(FormatQ(1.26), "1.26");
  EXPECT_EQ(FormatQ(10.1), "10.10");
  EXPECT_EQ(FormatQ(128), "128.00");
  EXPECT_EQ(FormatGain(0), "0dB");
  EXPECT_EQ(FormatGain(2.5), "2.5dB");
  EXPECT_EQ(FormatGain(-3 * 0.1), "-0.3dB");
  EXPECT_EQ(FormatGain(-120 * 0.1), "-12dB");
}

// ---- a shown input grid with an OnChange recorder ----

struct GridFixture : ::testing::Test {
  TMyPEQAllpassBandPassStop grid;
  std::vector<int> changes;  // NowIndex at every OnChange
  void SetUp() override {
    grid.resize(452, 260);
    grid.SetChannelNumber(5);
    grid.OnChange = [this](QObject* s) {
      EXPECT_EQ(s, &grid);
      changes.push_back(grid.GetNowIndex());
    };
    grid.show();
    testsupport::RunEventLoop(10);
  }
};

TEST_F(GridFixture, TypedEntries) {
  struct Case { int field; const char* typed; bool enter; const char* shown; int raw; };
  const Case cases[] = {
      {0, "1k", false, "1.00KHz", 0},       {0, "440", true, "435.3Hz", -36},
      {0, "25000", false, "20.16KHz", 130}, {0, "19", true, "19.7Hz", -170},
      {0, "1.5kHz", true, "1.52KHz", 18},   {0, "1,5", true, "19.7Hz", -170},
      {1, "200", true, "128.00", 100},      {1, "0.1", false, "0.40", 0},
      {1, "1.27", true, "1.26", 20},        {1, "3.3", false, "3.40", 37},
      {2, "3.25dB", true, "3.2dB", 32},     {2, "-15", false, "-12dB", -120},
      {2, "-0.35", true, "-0.3dB", -3},     {2, "3-", true, "3dB", 30},
      {2, "12.9", true, "12dB", 120},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    const int row = 3;
    QLineEdit* edit = c.field == 0 ? grid.FrequencyEdit(row) : c.field == 1 ? grid.QEdit(row) : grid.GainEdit(row);
    ASSERT_NE(edit, nullptr);
    changes.clear();
    Type(edit, c.typed);
    if (c.enter) QTest::keyClick(edit, Qt::Key_Return);
    else Leave(edit);
    EXPECT_EQ(edit->text(), c.shown);
    const int raw = c.field == 0 ? grid.GetFreqPosition(row) : c.field == 1 ? grid.GetQIndex(row) : grid.GetGainStep(row);
    EXPECT_EQ(raw, c.raw);
    EXPECT_EQ(changes, std::vector<int>{row});
  }
  EXPECT_DOUBLE_EQ(grid.GetGainValue(3), 12.0);
}

TEST(PeqGridKeys, FieldsKeepEnterFromTheWindowsDefaultButton) {
  QWidget window;
  window.resize(500, 300);
  TMyPEQAllpassBandPassStop grid(&window);
  grid.resize(452, 260);
  grid.SetChannelNumber(5);
  int changes = 0, defaults = 0;
  grid.OnChange = [&](QObject*) { ++changes; };
  TUxButton ok(&window);
  ok.move(0, 270);
  ok.SetDefault(true);
  ok.OnClick = [&](QObject*) { ++defaults; };
  window.show();
  testsupport::RunEventLoop(10);
  QLineEdit* edit = grid.GainEdit(1);
  Type(edit, "2.5");
  QTest::keyClick(edit, Qt::Key_Return);
  EXPECT_EQ(edit->text(), "2.5dB");
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(defaults, 0) << "the field used the key";
}

TEST_F(GridFixture, RefusedEntriesBringTheOldValueBack) {
  struct Case { int field; const char* typed; };
  const Case cases[] = {{0, "0"}, {0, "."}, {0, "abc"}, {0, "1.2.3"}, {1, "1..2"}, {1, "0"},
                        {2, "7."}, {2, "+3"}, {2, "--3"}, {2, "-"}, {2, "dB"}};
  grid.SetEqParamValue(1, 1200, 37, 2.5, 2, false);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    QLineEdit* edit = c.field == 0 ? grid.FrequencyEdit(1) : c.field == 1 ? grid.QEdit(1) : grid.GainEdit(1);
    const QString before = c.field == 0 ? "1.20KHz" : c.field == 1 ? "3.40" : "2.5dB";
    changes.clear();
    Type(edit, c.typed);
    Leave(edit);
    EXPECT_EQ(changes, std::vector<int>{1}) << "leaving fires even when refused";
    EXPECT_EQ(edit->cursorPosition(), edit->text().size());
    EXPECT_EQ(edit->text(), before);
  }
  EXPECT_EQ(grid.GetFreqPosition(1), 8);
  EXPECT_EQ(grid.GetQIndex(1), 37);
  EXPECT_EQ(grid.GetGainStep(1), 25);
}

TEST_F(GridFixture, OtherKeysDoNothingAndLeavingUnchangedFiresAgain) {
  QLineEdit* edit = grid.FrequencyEdit(2);
  changes.clear();
  QTest::keyClick(edit, Qt::Key_5);
  QTest::keyClick(edit, Qt::Key_Left);
  QTest::keyClick(edit, Qt::Key_Escape);
  EXPECT_TRUE(changes.empty());
  grid.SetFreqValue(2, 1000);
  changes.clear();
  Leave(edit);
  Leave(edit);
  EXPECT_EQ(changes, (std::vector<int>{2, 2}));
  EXPECT_EQ(grid.GetFreqPosition(2), 0);
}

TEST_F(GridFixture, FieldsTakeSevenTypedCharactersButShowLongerValues) {
  QLineEdit* edit = grid.FrequencyEdit(0);
  Type(edit, "123456789");
  EXPECT_EQ(edit->text(), "1234567");
  grid.SetFreqValue(0, 20000);
  EXPECT_EQ(edit->text(), "20.16KHz");
}

TEST_F(GridFixture, SettersWriteRowsAndFireOnce) {
  grid.SetNowIndex(4);
  changes.clear();
  grid.SetEqParamValue(0, 1000, 20, -0.3, 1, true);
  EXPECT_EQ(changes, std::vector<int>{4}) << "NowIndex untouched, one OnChange";
  EXPECT_EQ(grid.GetGainStep(0), -3);
  EXPECT_DOUBLE_EQ(grid.GetGainValue(0), -3 * 0.1);
  EXPECT_EQ(grid.GainEdit(0)->text(), "-0.3dB");
  EXPECT_EQ(grid.GetTypeValue(0), 1);
  EXPECT_TRUE(grid.GetBypassValue(0));
  EXPECT_EQ(grid.QEdit(0)->text(), "1.26");

  struct G { double db; int g; };
  for (G c : {G{1.26, 13}, G{1.25, 12}, G{-0.3, -3}, G{2.97, 30}, G{-2.97, -30}, G{12, 120}}) {
    grid.SetEqParamValue(1, 1000, 20, c.db, 0, false);
    EXPECT_EQ(grid.GetGainStep(1), c.g) << c.db;
  }

  changes.clear();
  grid.SetQValue(2, 20);
  EXPECT_EQ(grid.QEdit(2)->text(), "1.26");
  EXPECT_DOUBLE_EQ(grid.GetQValue(2), 1.26);
  grid.SetGainValue(2, 3.25);
  EXPECT_EQ(grid.GainEdit(2)->text(), "3.25dB") << "the field shows the value given";
  EXPECT_EQ(grid.GetGainStep(2), 32);
  grid.SetTypeValue(2, 8);
  EXPECT_EQ(grid.TypeList(2)->ItemIndex(), 8);
  grid.SetBypassValue(2, true);
  EXPECT_EQ(changes.size(), 4u);
}

TEST_F(GridFixture, OutOfRangeArgumentsAreKeptInRange) {
  changes.clear();
  grid.SetFreqValue(50, 1000);
  grid.SetQValue(-1, 20);
  grid.SetEqParamValue(99, 1000, 20, 0, 0, false);
  EXPECT_TRUE(changes.empty());
  EXPECT_EQ(grid.GetTypeValue(50), -1);
  EXPECT_DOUBLE_EQ(grid.GetQValue(-3), 0.0);

  grid.SetQValue(0, 500);
  EXPECT_EQ(grid.GetQIndex(0), 100);
  grid.SetQValue(0, -7);
  EXPECT_EQ(grid.GetQIndex(0), 0);
  grid.SetEqParamValue(0, 0.0, std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(), 12,
                       false);
  EXPECT_EQ(grid.GetFreqPosition(0), -170);
  EXPECT_EQ(grid.GetQIndex(0), 0);
  EXPECT_EQ(grid.GetTypeValue(0), -1);
  // Hidden rows keep their values.
  grid.SetEqParamValue(30, 2000, 50, 1.5, 3, true);
  EXPECT_EQ(grid.FrequencyEdit(30), nullptr);
  EXPECT_EQ(grid.GetFreqPosition(30), 30);
  EXPECT_EQ(grid.GetQIndex(30), 50);
  EXPECT_EQ(grid.GetGainStep(30), 15);
}

TEST_F(GridFixture, CurrentRowHighlight) {
  const QColor normal = TextColour(grid.FrequencyEdit(1));
  grid.SetNowIndex(15);  // no band selected, as after clearing the selection
  // A user edit in row 0, selected by the main window, then one in row 2.
  QTest::keyClick(grid.FrequencyEdit(0), Qt::Key_Return);
  grid.SetNowIndex(0);
  EXPECT_EQ(TextColour(grid.FrequencyEdit(0)), kGreen);
  QTest::keyClick(grid.GainEdit(2), Qt::Key_Return);
  EXPECT_EQ(grid.GetNowIndex(), 2);
  EXPECT_EQ(grid.GetPrevIndex(), 0);
  grid.SetNowIndex(2);
  EXPECT_EQ(TextColour(grid.FrequencyEdit(0)), normal);
  for (QLineEdit* e : {grid.FrequencyEdit(2), grid.QEdit(2), grid.GainEdit(2)}) EXPECT_EQ(TextColour(e), kGreen);
  grid.SetNowIndex(2);  // again: nothing changes
  EXPECT_EQ(TextColour(grid.FrequencyEdit(2)), kGreen);
  EXPECT_EQ(grid.GetPrevIndex(), 2);

  grid.SetNowIndex(15);
  grid.SetNowIndex(-1);
  EXPECT_EQ(grid.GetNowIndex(), 15);
  for (int r = 0; r < 5; ++r) EXPECT_EQ(TextColour(grid.QEdit(r)), normal) << r;
}

TEST_F(GridFixture, MousePressInAFieldSelectsTheRowWithoutOnChange) {
  int calls = 0;
  grid.OnEditMouseDown = [&](QObject* s, Qt::MouseButton b, Qt::KeyboardModifiers, int x, int y) {
    EXPECT_EQ(s, &grid);
    EXPECT_EQ(b, Qt::LeftButton);
    EXPECT_EQ(grid.GetNowIndex(), 3);
    EXPECT_EQ(x, 4);
    EXPECT_EQ(y, 5);
    ++calls;
  };
  grid.QEdit(3)->setFocus();  // focus moving out of another field is an edit of that field
  changes.clear();
  QTest::mousePress(grid.QEdit(3), Qt::LeftButton, {}, QPoint(4, 5));
  EXPECT_EQ(calls, 1);
  EXPECT_TRUE(changes.empty());
  EXPECT_EQ(grid.GetNowIndex(), 3);
}

TEST_F(GridFixture, BypassClicksToggleColourAndFlag) {
  TUxButton* b = grid.BypassButton(1);
  const QColor back = b->Color();
  changes.clear();
  b->Click();
  EXPECT_TRUE(grid.GetBypassValue(1));
  EXPECT_EQ(b->Color(), kBypassed);
  b->Click();
  EXPECT_FALSE(grid.GetBypassValue(1));
  EXPECT_EQ(b->Color(), back);
  EXPECT_EQ(changes, (std::vector<int>{1, 1}));

  grid.SetBypassValue(2, true);
  EXPECT_EQ(grid.BypassButton(2)->Color(), kBypassed) << "OnChange recolours every shown row";
  grid.OnChange = nullptr;
  grid.SetBypassValue(3, true);
  EXPECT_TRUE(grid.GetBypassValue(3));
  EXPECT_EQ(grid.BypassButton(3)->Color(), back) << "without a handler nothing is recoloured";
}

TEST_F(GridFixture, TypeListPickAndWheel) {
  TUxComboBox* list = grid.TypeList(4);
  ASSERT_EQ(list->Count(), 9);
  EXPECT_EQ(list->Item(8), " Band Stop  ");
  EXPECT_EQ(grid.BypassButton(4)->Caption(), "   BYPASS   ");

  auto wheel = [&] {
    QWheelEvent ev(QPointF(5, 5), list->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120), Qt::NoButton,
                   Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(list, &ev);
  };
  int wheels = 0;
  grid.OnPeqTypeMouseWheel = [&](QObject* s, Qt::KeyboardModifiers, int delta, QPoint, bool& handled) {
    EXPECT_EQ(s, list);
    EXPECT_EQ(delta, -120);
    handled = true;
    ++wheels;
  };
  changes.clear();
  wheel();
  EXPECT_EQ(wheels, 1);
  EXPECT_EQ(grid.GetTypeValue(4), 0);
  EXPECT_TRUE(changes.empty());

  grid.OnPeqTypeMouseWheel = nullptr;  // unhandled: the list moves on, as a pick
  wheel();
  EXPECT_EQ(grid.GetTypeValue(4), 1);
  EXPECT_EQ(changes, std::vector<int>{4});
}

TEST_F(GridFixture, ChangeLanguageKeepsTypes) {
  for (int r = 0; r < 5; ++r) grid.SetTypeValue(r, r + 2);
  const char* names[] = {"Peak", "Low Shelf", "High Shelf", "Low Pass", "High Pass", "Allpass 1", "Allpass 2",
                         "Band Pass", "Band Stop"};
  for (int i = 0; i < 9; ++i) grid.SetEqTypeString(i, QString("x ") + names[i]);
  grid.SetBypassString("Bypass!");
  EXPECT_EQ(grid.TypeList(0)->Item(3), " High Cut   ") << "lists change only at ChangeLanguage";
  grid.ChangeLanguage();
  for (int r = 0; r < 5; ++r) {
    EXPECT_EQ(grid.GetTypeValue(r), r + 2);
    EXPECT_EQ(grid.TypeList(r)->ItemIndex(), r + 2);
    EXPECT_EQ(grid.TypeList(r)->Item(3), "x Low Pass");
    EXPECT_EQ(grid.BypassButton(r)->Caption(), "Bypass!");
  }
  grid.SetEqTypeString(10, "ignored");
  EXPECT_EQ(grid.EqTypeString(9), "Bypass!");
}

TEST_F(GridFixture, ChannelNumberLimitsAndHidesRows) {
  changes.clear();
  grid.SetChannelNumber(3);
  EXPECT_EQ(changes.size(), 1u);
  EXPECT_FALSE(grid.FrequencyEdit(4)->isVisible());
  EXPECT_TRUE(grid.FrequencyEdit(2)->isVisible());
  grid.SetChannelNumber(60);
  EXPECT_EQ(grid.GetChannelNumber(), 50);
  grid.SetColor(4, Qt::red);  // shown again now
  EXPECT_EQ(TextColour(grid.QEdit(4)), QColor(Qt::red));
  grid.SetChannelNumber(5);
  grid.SetColor(7, Qt::red);  // not shown: ignored
  EXPECT_EQ(TextColour(grid.QEdit(7)), TextColour(grid.QEdit(6)));
  for (int fewer : {0, -3}) {  // the layout divides by the row count
    grid.SetChannelNumber(fewer);
    EXPECT_EQ(grid.GetChannelNumber(), 1) << fewer;
  }
}

TEST(PeqGridLayout, FormSizes) {
  struct Case { int w, h, rows; int c, pitch; };
  for (Case k : {Case{452, 260, 5, 76, 45}, Case{536, 266, 7, 93, 33}}) {
    TMyPEQAllpassBandPassStop grid;
    grid.resize(k.w, k.h);
    grid.SetChannelNumber(k.rows);
    grid.show();
    testsupport::RunEventLoop(10);
    for (int r = 0; r < k.rows; ++r) {
      const int top = 15 + r * k.pitch + 8;
      EXPECT_EQ(grid.RowNumber(r)->y(), top);
      EXPECT_EQ(grid.FrequencyEdit(r)->geometry().topLeft(), QPoint(40, top - 1));
      EXPECT_EQ(grid.QEdit(r)->x(), k.c + 48);
      EXPECT_EQ(grid.GainEdit(r)->x(), 2 * k.c + 56);
      EXPECT_EQ(grid.GainEdit(r)->width(), k.c);
      EXPECT_EQ(grid.TypeList(r)->geometry().left(), 3 * k.c + 64);
      EXPECT_EQ(grid.TypeList(r)->width(), k.c + 8);
      EXPECT_EQ(grid.BypassButton(r)->x(), 4 * k.c + 78);
      EXPECT_EQ(grid.BypassButton(r)->width(), k.c - 14);
      EXPECT_EQ(grid.BypassButton(r)->height(), grid.GainEdit(r)->height());
      EXPECT_FALSE(grid.UpDown(r, 0)->isVisible());
    }
    EXPECT_EQ(grid.FrequencyEdit(k.rows), nullptr) << "rows beyond the shown ones have no controls";
    EXPECT_FALSE(grid.Title(1)->isVisible());
  }
}

TEST(PeqGridLayout, UpDownsStepTheValue) {
  TMyPEQAllpassBandPassStop grid;
  grid.resize(452, 260);
  grid.SetChannelNumber(5);
  grid.SetUpdownVisable(true);
  grid.SetTitleVisable(true);
  grid.show();
  testsupport::RunEventLoop(10);
  EXPECT_EQ(grid.FrequencyEdit(0)->width(), 76 - 20);
  EXPECT_EQ(grid.RowNumber(0)->y(), 15 + 13 + 8);
  EXPECT_TRUE(grid.Title(3)->isVisible());
  EXPECT_EQ(grid.Title(3)->x(), 8 * 3 + 2 * 76 + 33);
  int changes = 0;
  grid.UpDown(1, 0)->setFocus();
  grid.OnChange = [&](QObject*) { ++changes; };
  QWidget* up = grid.UpDown(1, 0);
  ASSERT_TRUE(up->isVisible());
  EXPECT_EQ(up->x(), 40 + 56);
  QTest::mouseClick(up, Qt::LeftButton, {}, QPoint(5, 2));
  EXPECT_EQ(grid.GetFreqPosition(1), 1);
  EXPECT_EQ(grid.FrequencyEdit(1)->text(), "1.02KHz");
  EXPECT_EQ(grid.UpDown(1, 0)->Position(), 1) << "each up-down stands at its field's value";
  EXPECT_EQ(grid.GetNowIndex(), 1);
  QTest::mouseClick(grid.UpDown(1, 2), Qt::LeftButton, {}, QPoint(5, grid.UpDown(1, 2)->height() - 2));
  EXPECT_EQ(grid.GainEdit(1)->text(), "-0.1dB");
  grid.SetQValue(1, 100);
  EXPECT_EQ(grid.UpDown(1, 1)->Position(), 100);
  QTest::mouseClick(grid.UpDown(1, 1), Qt::LeftButton, {}, QPoint(5, 2));
  EXPECT_EQ(grid.GetQIndex(1), 100) << "stays within its range";
  EXPECT_EQ(changes, 4);
}

// ---- the 0.2 dB variant ----

TEST(PeqGrid2Steps, GainInFifthsAndSevenTypes) {
  TMyPEQAllpass2Steps grid;
  grid.resize(452, 260);
  grid.SetChannelNumber(5);
  grid.show();
  testsupport::RunEventLoop(10);
  ASSERT_EQ(grid.TypeList(0)->Count(), 7);
  EXPECT_EQ(grid.TypeList(0)->Item(6), " Allpass 2  ");
  EXPECT_EQ(grid.BypassButton(0)->Caption(), "   BYPASS   ");

  struct Case { const char* typed; const char* shown; double db; };
  for (Case c : {Case{"1.1", "1dB", 1.0}, Case{"1.2", "1.2dB", 1.2}, Case{"0.3", "0.2dB", 0.2},
                 Case{"0.5", "0.4dB", 0.4}, Case{"-25", "-20dB", -20.0}, Case{"19.9", "19.8dB", 19.8}}) {
    Type(grid.GainEdit(2), c.typed);
    QTest::keyClick(grid.GainEdit(2), Qt::Key_Return);
    EXPECT_EQ(grid.GainEdit(2)->text(), c.shown) << c.typed;
    EXPECT_NEAR(grid.GetGainValue(2), c.db, 1e-9) << c.typed;
  }
  grid.SetGainValue(1, -3.4);
  EXPECT_EQ(grid.GetGainStep(1), -17);
  EXPECT_NEAR(grid.GetGainValue(1), -3.4, 1e-12);
  grid.SetEqParamValue(1, 1000, 20, 1.39, 8, false);
  EXPECT_EQ(grid.GetGainStep(1), 6) << "no hundredths rounding in this variant";
  EXPECT_EQ(grid.GetTypeValue(1), -1) << "band stop is not in this list";
  grid.SetEqTypeString(7, "Off");
  grid.SetBypassString("Bypassed");
  grid.ChangeLanguage();
  EXPECT_EQ(grid.BypassButton(0)->Caption(), "Bypassed");
}

// ---- picture sheet ----

TEST(PeqGridSheet, Sheet) {
  QImage sheet(560, 560, QImage::Format_RGB32);
  sheet.fill(QColor(212, 208, 200));
  QPainter p(&sheet);
  {
    QWidget host;
    host.resize(452, 260);
    auto* grid = new TMyPEQAllpassBandPassStop(&host);
    grid->resize(452, 260);
    grid->SetChannelNumber(5);
    grid->SetEditBackColor(Qt::white);
    grid->SetBypassBackColor(QColor(192, 192, 192));
    host.show();
    testsupport::RunEventLoop(10);
    grid->SetNowIndex(0);
    grid->SetEqParamValue(0, 63, 20, -3.5, 1, false);
    grid->SetEqParamValue(1, 250, 40, 2, 0, true);
    grid->SetEqParamValue(2, 1000, 60, 6, 0, false);
    grid->SetEqParamValue(3, 4000, 20, -12, 6, false);
    grid->SetEqParamValue(4, 16000, 0, 0, 2, false);
    grid->OnChange = [](QObject*) {};
    grid->SetBypassValue(1, true);
    grid->SetNowIndex(2);
    p.drawPixmap(0, 0, host.grab());
  }
  {
    TMyPEQAllpass2Steps grid;
    grid.resize(536, 266);
    grid.SetChannelNumber(7);
    grid.SetUpdownVisable(true);
    grid.SetTitleVisable(true);
    grid.show();
    testsupport::RunEventLoop(10);
    for (int r = 0; r < 7; ++r) grid.SetEqParamValue(r, 100.0 * (r + 1) * (r + 1), 20 + r * 10, (r * 14 - 40) / 10.0, r, false);
    p.drawPixmap(0, 280, grid.grab());
  }
  p.end();
  EXPECT_TRUE(sheet.save(QString::fromStdString(testsupport::OutputPath("peq_grid_sheet.png"))));
}

}  // namespace
