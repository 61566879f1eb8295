// Panels, group boxes, labels, push buttons, value boxes and the progress bar.
#include "controls/ExProgressBar.h"
#include "controls/RoundEdit.h"
#include "controls/UxButton.h"
#include "controls/UxGroupBox.h"
#include "controls/UxLabel.h"
#include "controls/UxPanel.h"

#include <QLineEdit>
#include <QPainter>
#include <QtTest/QTest>
#include <gtest/gtest.h>

namespace {

TEST(Panel, TransparentContainersShowTheParent) {
  TUxGroupBox page;  // an opaque page frame
  page.SetGroupStyle(gsCustom);
  page.SetColor(QColor(137, 137, 137));
  page.resize(200, 100);
  auto* inner = new TUxGroupBox(&page);
  inner->SetGroupStyle(gsCustom);
  inner->SetTransparent(true);
  inner->setGeometry(10, 10, 80, 60);
  auto* panel = new TUxPanel(inner);
  panel->SetBorderOuter(fsNone);
  panel->SetTransparent(true);
  panel->setGeometry(5, 5, 40, 30);
  auto* opaque = new TUxPanel(&page);
  opaque->SetColor(QColor(0, 0, 200));
  opaque->setGeometry(120, 10, 60, 60);
  const QImage shot = page.grab().toImage();
  EXPECT_EQ(shot.pixelColor(30, 30), QColor(137, 137, 137)) << "two transparent levels deep";
  EXPECT_EQ(shot.pixelColor(150, 40), QColor(0, 0, 200));
  EXPECT_NE(shot.pixelColor(120, 10), QColor(0, 0, 200)) << "raised frame";
}

TEST(Panel, OnPaintRunsAfterPainting) {
  TUxGroupBox box;
  box.SetGroupStyle(gsCustom);
  box.resize(50, 50);
  int paints = 0;
  box.OnPaint = [&](QObject* s, QPainter& canvas) {
    EXPECT_EQ(s, &box);
    ++paints;
    canvas.fillRect(QRect(10, 10, 5, 5), Qt::red);
  };
  const QImage shot = box.grab().toImage();
  EXPECT_GE(paints, 1);
  EXPECT_EQ(shot.pixelColor(12, 12), QColor(Qt::red));
}

TEST(Button, NonThemedFaceUsesColourAndClickRunsOnClick) {
  TUxButton b;
  b.resize(60, 24);
  b.SetThemeAware(false);
  b.SetColor(QColor(200, 60, 60));
  EXPECT_EQ(b.FaceColor(), QColor(200, 60, 60));
  const QColor mid = b.grab().toImage().pixelColor(30, 12);
  EXPECT_GT(mid.red(), 150);
  EXPECT_LT(mid.green(), 110);
  int clicks = 0;
  b.OnClick = [&](QObject* s) { EXPECT_EQ(s, &b); ++clicks; };
  QTest::mouseClick(&b, Qt::LeftButton, {}, QPoint(30, 12));
  QTest::keyClick(&b, Qt::Key_Return);
  EXPECT_EQ(clicks, 2);
  b.SetEnabled(false);
  QTest::mouseClick(&b, Qt::LeftButton, {}, QPoint(30, 12));
  EXPECT_EQ(clicks, 2);
}

TEST(Label, AutoSizeFitsCaption) {
  TUxLabel l;
  l.SetCaption("In A  Gate");
  const int w = l.width();
  l.SetCaption("In A  Gate and much more");
  EXPECT_GT(l.width(), w);
  l.SetTag(4);
  EXPECT_EQ(l.property("Tag").toInt(), 4);
}

TEST(RoundEdit, TextEventsAndFixedHeight) {
  TRoundEdit e;
  e.resize(60, 40);
  EXPECT_EQ(e.height(), 24);
  int changes = 0;
  e.OnChange = [&](QObject* s) { EXPECT_EQ(s, &e); ++changes; };
  e.SetText("-12.5dB");
  e.SetText("-12.5dB");
  EXPECT_EQ(e.Text(), "-12.5dB");
  EXPECT_EQ(changes, 1);
  e.SetColor(QColor(223, 255, 255));
  EXPECT_EQ(e.grab().toImage().pixelColor(3, 12), QColor(223, 255, 255));
  EXPECT_EQ(e.Edit()->geometry().x(), 8) << "inside the rounding";
  EXPECT_EQ(e.Edit()->width(), 60 - 18);
  int keys = 0;
  e.OnKeyDown = [&](QObject* s, int& key, Qt::KeyboardModifiers) {
    EXPECT_EQ(s, &e);
    if (key == Qt::Key_Return) ++keys;
  };
  QTest::keyClick(e.Edit(), Qt::Key_Return);
  EXPECT_EQ(keys, 1);
}

TEST(ProgressBar, PositionWritesTable) {
  struct Case { int max, write, stored, percent; };
  const Case cases[] = {
      {31, 0, 0, 0}, {31, 10, 10, 32}, {31, 31, 31, 100}, {31, 40, 31, 100}, {31, -5, 0, 0},
      {8, 1, 1, 12}, {8, 3, 3, 38}, {0, 0, 0, 0},
  };
  for (const Case& c : cases) {
    TExProgressBar bar;
    bar.SetMax(c.max);
    bar.SetPosition(c.write);
    EXPECT_EQ(bar.Position(), c.stored) << c.max << "/" << c.write;
    EXPECT_EQ(bar.Percent(), c.percent) << c.max << "/" << c.write;
    EXPECT_EQ(bar.PositionText(), QString::number(c.percent) + "%");
  }
}

TEST(ProgressBar, FillColourFollowsLevel) {
  TExProgressBar bar;
  bar.resize(200, 18);
  bar.SetShowPosition(false);
  bar.SetShowGradient(false);
  bar.SetMax(100);
  bar.SetPosition(50);
  EXPECT_EQ(bar.grab().toImage().pixelColor(5, 9), QColor(0, 255, 0));
  bar.SetPosition(100);
  EXPECT_EQ(bar.grab().toImage().pixelColor(5, 9), QColor(255, 0, 0));
  bar.SetPosition(0);
  EXPECT_EQ(bar.grab().toImage().pixelColor(5, 9), QColor(255, 255, 255));
}

}  // namespace
