// Panels, group boxes, labels, push buttons, value boxes and the progress bar.
#include "controls/ExProgressBar.h"
#include "controls/RoundEdit.h"
#include "controls/UxButton.h"
#include "controls/UxGroupBox.h"
#include "controls/UxLabel.h"
#include "controls/UxPanel.h"

#include <QApplication>
#include <QLabel>
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

TEST(Panel, FillsFramesAndClientRectangles) {
  TUxGroupBox grey;
  grey.SetGroupStyle(gsCustom);
  grey.SetColor(platform::ToQColor(9013641));
  grey.resize(40, 40);
  QImage shot = grey.grab().toImage();
  EXPECT_EQ(shot.pixelColor(20, 20), QColor(137, 137, 137));
  EXPECT_EQ(shot.pixelColor(0, 0), QColor(137, 137, 137)) << "no frame";
  TUxGroupBox plain;
  plain.SetGroupStyle(gsCustom);
  EXPECT_EQ(plain.grab().toImage().pixelColor(0, 0), QColor(240, 240, 240));

  TUxPanel panel;
  panel.resize(50, 30);
  shot = panel.grab().toImage();
  EXPECT_EQ(shot.pixelColor(0, 0), QColor(227, 227, 227));
  EXPECT_EQ(shot.pixelColor(1, 1), QColor(255, 255, 255));
  EXPECT_EQ(panel.contentsRect(), QRect(2, 2, 46, 26));

  TUxGroupBox captioned;
  captioned.SetGroupStyle(gsCustom);
  captioned.resize(100, 60);
  EXPECT_EQ(captioned.contentsRect(), QRect(2, 2, 96, 56));
  captioned.SetCaption("Gain");
  const int h = QFontMetrics(captioned.font()).height();
  EXPECT_EQ(captioned.contentsRect(), QRect(2, h + 2, 96, 56 - h));
  EXPECT_EQ(captioned.ClientRect(), captioned.contentsRect());
}

TEST(Panel, TransparentBoxesShowTheParentsPattern) {
  QImage pattern(80, 80, QImage::Format_RGB32);
  for (int y = 0; y < 80; ++y)
    for (int x = 0; x < 80; ++x) pattern.setPixelColor(x, y, x % 2 ? QColor(Qt::magenta) : QColor(Qt::white));
  QLabel parent;
  parent.setPixmap(QPixmap::fromImage(pattern));
  parent.resize(80, 80);
  auto* outer = new TUxGroupBox(&parent);
  outer->SetGroupStyle(gsCustom);
  outer->SetTransparent(true);
  outer->setGeometry(10, 10, 60, 60);
  auto* inner = new TUxGroupBox(outer);
  inner->SetGroupStyle(gsCustom);
  inner->SetTransparent(true);
  inner->setGeometry(10, 10, 40, 40);
  const QImage shot = parent.grab().toImage();
  EXPECT_EQ(shot.pixelColor(31, 30), QColor(Qt::magenta));
  EXPECT_EQ(shot.pixelColor(30, 30), QColor(Qt::white));

  // A gradient is for opaque boxes only.
  inner->SetVisualStyle(uxdraw::vsGradient);
  inner->SetGradientDirection(uxdraw::gdSquareBox);
  inner->SetGradientColorStyle(uxdraw::gcsCustom);
  inner->SetGradientColorStart(Qt::red);
  inner->SetGradientColorStop(Qt::blue);
  EXPECT_EQ(parent.grab().toImage().pixelColor(31, 30), QColor(Qt::magenta));
  inner->SetTransparent(false);
  const QImage box = inner->grab().toImage();
  // The corner band is one colour step short of the start colour.
  EXPECT_GE(box.pixelColor(0, 0).red(), 240);
  EXPECT_LE(box.pixelColor(0, 0).blue(), 15);
  EXPECT_EQ(box.pixelColor(19, 19), QColor(Qt::blue));
}

TEST(Panel, EnablingRestoresAChildDisabledOnItsOwn) {
  TUxGroupBox box;
  auto* off = new TUxPanel(&box);
  auto* on = new TUxPanel(&box);
  off->SetEnabled(false);
  box.SetEnabled(false);
  EXPECT_FALSE(on->Enabled());
  box.SetEnabled(true);
  EXPECT_FALSE(off->Enabled());
  EXPECT_TRUE(on->Enabled());
}

TEST(Panel, WritingTheSameTransparencyDoesNotRepaint) {
  QWidget window;
  window.resize(100, 100);
  auto* box = new TUxGroupBox(&window);
  box->SetGroupStyle(gsCustom);
  int paints = 0;
  box->OnPaint = [&](QObject*, QPainter&) { ++paints; };
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  QApplication::processEvents();
  const int before = paints;
  box->SetTransparent(false);
  QApplication::processEvents();
  EXPECT_EQ(paints, before);
  box->SetTransparent(true);
  QTRY_VERIFY(paints > before);
}

TEST(Panel, GridDotsAndLines) {
  TUxPanel panel;
  panel.SetBorderOuter(fsNone);
  panel.resize(40, 40);
  panel.SetShowGrid(true);
  panel.SetGridColor(Qt::red);
  QImage shot = panel.grab().toImage();
  EXPECT_EQ(shot.pixelColor(7, 7), QColor(Qt::red));
  EXPECT_EQ(shot.pixelColor(6, 6), QColor(240, 240, 240));
  EXPECT_EQ(shot.pixelColor(7, 6), QColor(240, 240, 240));
  panel.SetGridStyle(gsSolidLines);
  panel.SetGridXSize(0);
  shot = panel.grab().toImage();
  EXPECT_EQ(shot.pixelColor(3, 7), QColor(Qt::red)) << "rows";
  EXPECT_EQ(shot.pixelColor(7, 3), QColor(240, 240, 240)) << "no columns";
}

TEST(GroupBox, FlatStyleOutlineHasCutCorners) {
  TUxGroupBox box;  // gsFlat by default
  box.resize(60, 50);
  const int top = QFontMetrics(box.CaptionFont()).height() / 2 - 1;
  const QImage shot = box.grab().toImage();
  const QColor outline(192, 192, 192), face(240, 240, 240);
  EXPECT_EQ(shot.pixelColor(0, 20), outline);
  EXPECT_EQ(shot.pixelColor(30, top), outline);
  EXPECT_EQ(shot.pixelColor(59, 20), outline);
  EXPECT_EQ(shot.pixelColor(30, 49), outline);
  EXPECT_EQ(shot.pixelColor(0, top), face) << "corner cut";
  EXPECT_EQ(shot.pixelColor(1, top + 1), outline);
  EXPECT_EQ(shot.pixelColor(58, 48), outline);
  EXPECT_EQ(box.contentsRect().left(), 1);
}

TEST(GroupBox, ClientRectangleByGroupStyleAndTheCaptionFont) {
  TUxGroupBox box;
  box.resize(100, 80);
  box.SetCaption("Levels");
  const int h = QFontMetrics(box.font()).height();
  struct Case { TUxGroupBoxStyle style; int banner; QRect client; };
  const Case cases[] = {
      {gsStandard, 0, QRect(2, h + 2, 96, 80 - h - 4)}, {gsFlat, 0, QRect(1, h + 1, 98, 80 - h - 2)},
      {gsTopLine, 0, QRect(0, h, 100, 80 - h)},         {gsBanner, 0, QRect(0, h + 8, 100, 80 - h - 8)},
      {gsBanner, 20, QRect(0, 20, 100, 60)},            {gsUnderline, 0, QRect(0, h + 4, 100, 80 - h - 4)},
  };
  for (const Case& c : cases) {
    box.SetGroupStyle(c.style);
    box.SetBannerHeight(c.banner);
    EXPECT_EQ(box.contentsRect(), c.client) << int(c.style) << "/" << c.banner;
  }

  // The caption font follows the font until it is set on its own.
  QFont big = box.font();
  big.setPixelSize(30);
  box.setFont(big);
  EXPECT_EQ(box.CaptionFont().pixelSize(), 30);
  EXPECT_FALSE(box.CaptionFontChanged());
  QFont small = big;
  small.setPixelSize(9);
  box.SetCaptionFont(small);
  big.setPixelSize(40);
  box.setFont(big);
  EXPECT_EQ(box.CaptionFont().pixelSize(), 9);
  EXPECT_TRUE(box.CaptionFontChanged());
}

TEST(GroupBox, CaptionAcceleratorFocusesTheFirstChild) {
  QWidget window;
  auto* box = new TUxGroupBox(&window);
  box->SetCaption("&Levels");
  auto* first = new QLineEdit(box);
  auto* second = new QLineEdit(box);
  auto* outside = new QLineEdit(&window);
  (void)first;
  window.show();
  QApplication::setActiveWindow(&window);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  outside->setFocus();
  QTest::keyClick(&window, Qt::Key_L, Qt::AltModifier);
  EXPECT_TRUE(first->hasFocus());
  EXPECT_FALSE(second->hasFocus());
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
