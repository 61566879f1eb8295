// Push button: classic faces in Color, pressing by mouse and keys, groups;
// shape button: faces, rings, mask and mouse.
#include "controls/UxButton.h"
#include "controls/UxShapeButton.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QtTest/QTest>
#include <gtest/gtest.h>

namespace {

struct Push {
  TUxButton b;
  int clicks = 0;
  Push() {
    b.resize(75, 25);
    b.SetThemeAware(false);
    b.OnClick = [this](QObject* s) {
      EXPECT_EQ(s, &b);
      ++clicks;
    };
  }
  QColor At(int x, int y) { return b.grab().toImage().pixelColor(x, y); }
};

TEST(PushButton, TintedFaceOfAColour) {
  Push p;
  EXPECT_EQ(p.b.size(), QSize(75, 25));
  p.b.SetColor(QColor(255, 128, 128));
  struct Case { int x, y; QColor want; };
  for (const Case& c : {Case{0, 0, Qt::white}, Case{74, 24, QColor(170, 0, 0)}, Case{1, 1, QColor(255, 212, 212)},
                        Case{73, 23, QColor(255, 21, 21)}, Case{4, 12, QColor(255, 128, 128)}})
    EXPECT_EQ(p.At(c.x, c.y), c.want) << c.x << "," << c.y;
  p.b.SetColor(QColor(240, 240, 240));  // clBtnFace: the plain push frame
  for (const Case& c : {Case{0, 0, Qt::white}, Case{74, 24, QColor(105, 105, 105)}, Case{1, 1, QColor(227, 227, 227)},
                        Case{73, 23, QColor(160, 160, 160)}})
    EXPECT_EQ(p.At(c.x, c.y), c.want) << c.x << "," << c.y;
}

TEST(PushButton, MousePressReleaseAndKeys) {
  QWidget window;
  window.resize(200, 60);
  Push p;
  p.b.setParent(&window);
  window.show();
  QApplication::setActiveWindow(&window);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

  QTest::mousePress(&p.b, Qt::LeftButton, {}, QPoint(10, 10));
  EXPECT_TRUE(p.b.ShowDownVersion());
  EXPECT_EQ(p.At(74, 24), QColor(0, 0, 0)) << "pressed: the down frame";
  QTest::mouseMove(&p.b, QPoint(150, 10));
  EXPECT_FALSE(p.b.ShowDownVersion()) << "the pressed look follows the pointer";
  QTest::mouseRelease(&p.b, Qt::LeftButton, {}, QPoint(150, 10));
  EXPECT_EQ(p.clicks, 0) << "released outside";
  QTest::mouseClick(&p.b, Qt::LeftButton, {}, QPoint(10, 10));
  EXPECT_EQ(p.clicks, 1);

  ASSERT_TRUE(p.b.hasFocus());
  EXPECT_TRUE(p.b.Active()) << "a focused push button is the active default";
  EXPECT_EQ(p.At(0, 0), QColor(100, 100, 100)) << "focused: the window-frame ring";
  QTest::keyPress(&p.b, Qt::Key_Space);
  EXPECT_TRUE(p.b.ShowDownVersion());
  EXPECT_EQ(p.clicks, 1) << "Space clicks on release";
  QTest::keyRelease(&p.b, Qt::Key_Space);
  EXPECT_EQ(p.clicks, 2);
  EXPECT_FALSE(p.b.ShowDownVersion());
  QTest::keyClick(&p.b, Qt::Key_Return);
  EXPECT_EQ(p.clicks, 3);
  QTest::keyClick(&p.b, Qt::Key_Escape);
  EXPECT_EQ(p.clicks, 3) << "Escape only on a Cancel button";
  p.b.SetCancel(true);
  QTest::keyClick(&p.b, Qt::Key_Escape);
  EXPECT_EQ(p.clicks, 4);

  p.b.SetEnabled(false);
  QTest::mouseClick(&p.b, Qt::LeftButton, {}, QPoint(10, 10));
  EXPECT_EQ(p.clicks, 4);
}

TEST(PushButton, DefaultFollowsTheFocus) {
  QWidget window;
  window.resize(200, 60);
  auto* ok = new TUxButton(&window);
  auto* other = new TUxButton(&window);
  auto* edit = new QWidget(&window);
  edit->setFocusPolicy(Qt::StrongFocus);
  ok->SetDefault(true);
  window.show();
  QApplication::setActiveWindow(&window);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  edit->setFocus();
  EXPECT_TRUE(ok->Active());
  other->setFocus();
  EXPECT_FALSE(ok->Active()) << "the focused button is the default while a button has the focus";
  EXPECT_TRUE(other->Active());
  edit->setFocus();
  EXPECT_TRUE(ok->Active());
  EXPECT_FALSE(other->Active());
}

// An edit that uses Enter and Escape itself (as the EQ grids' fields use Enter).
class KeepsKeys : public QLineEdit {
 public:
  using QLineEdit::QLineEdit;
  int used = 0;

 protected:
  void keyPressEvent(QKeyEvent* e) override {
    QLineEdit::keyPressEvent(e);
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Escape) {
      ++used;
      e->accept();
    }
  }
};

TEST(PushButton, EnterAndEscapeFromOtherControlsReachDefaultAndCancel) {
  QWidget window, other;
  window.resize(300, 100);
  auto* panel = new QWidget(&window);  // the keys climb through parents
  auto* edit = new QLineEdit(panel);
  auto* keeper = new KeepsKeys(&window);
  int ok = 0, cancel = 0, second = 0, elsewhere = 0;
  const auto counting = [](QWidget* parent, int& clicks) {
    auto* b = new TUxButton(parent);
    b->OnClick = [&clicks](QObject*) { ++clicks; };
    return b;
  };
  TUxButton* bnOK = counting(&window, ok);
  TUxButton* bnCancel = counting(&window, cancel);
  TUxButton* bnSecond = counting(&window, second);  // a later Default button
  TUxButton* bnOther = counting(&other, elsewhere);  // another window's
  bnOK->SetDefault(true);
  bnCancel->SetCancel(true);
  bnSecond->SetDefault(true);
  bnOther->SetDefault(true);
  bnOther->SetCancel(true);
  other.setAttribute(Qt::WA_ShowWithoutActivating);
  other.show();
  window.show();
  QApplication::setActiveWindow(&window);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  edit->setFocus();

  QTest::keyClick(edit, Qt::Key_Return);
  QTest::keyClick(edit, Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_EQ(ok, 2) << "the first active default in child order";
  EXPECT_EQ(second, 0);
  QTest::keyClick(edit, Qt::Key_Escape);
  EXPECT_EQ(cancel, 1);
  for (auto modifier : {Qt::ShiftModifier, Qt::ControlModifier, Qt::AltModifier}) {
    QTest::keyClick(edit, Qt::Key_Return, modifier);
    QTest::keyClick(edit, Qt::Key_Escape, modifier);
  }
  EXPECT_EQ(ok, 2) << "not with Shift, Ctrl or Alt";
  EXPECT_EQ(cancel, 1);
  EXPECT_EQ(elsewhere, 0) << "keys stay in their window";

  keeper->setFocus();
  QTest::keyClick(keeper, Qt::Key_Return);
  QTest::keyClick(keeper, Qt::Key_Escape);
  EXPECT_EQ(keeper->used, 2);
  EXPECT_EQ(ok, 2) << "a control that uses the key keeps it";
  EXPECT_EQ(cancel, 1);

  edit->setFocus();
  bnOK->setEnabled(false);
  QTest::keyClick(edit, Qt::Key_Return);
  EXPECT_EQ(second, 1) << "a disabled default button passes the key on";
  bnOK->setEnabled(true);
  bnOK->SetDefault(false);
  QTest::keyClick(edit, Qt::Key_Return);
  EXPECT_EQ(ok, 2);
  EXPECT_EQ(second, 2);
  bnCancel->hide();
  QTest::keyClick(edit, Qt::Key_Escape);
  EXPECT_EQ(cancel, 1) << "a hidden Cancel button takes nothing";
  bnCancel->show();

  bnOK->setFocus();
  QTest::keyClick(bnOK, Qt::Key_Return);
  EXPECT_EQ(ok, 3) << "a focused button is the active default itself";
  EXPECT_EQ(second, 2);
  QTest::keyClick(bnOK, Qt::Key_Escape);
  EXPECT_EQ(cancel, 2) << "Escape on a focused plain button goes to Cancel";

  bnCancel->setParent(&other);  // moved to another window: watches that one
  bnCancel->show();
  bnOther->SetCancel(false);
  edit->setFocus();
  QTest::keyClick(edit, Qt::Key_Escape);
  EXPECT_EQ(cancel, 2);
  QTest::keyClick(&other, Qt::Key_Escape);
  EXPECT_EQ(cancel, 3);
}

TEST(PushButton, GroupedButtonsLatchLikeRadioButtons) {
  QWidget parent;
  auto* a = new TUxButton(&parent);
  auto* b = new TUxButton(&parent);
  auto* bmp = new TUxBmpButton(&parent);  // the bitmap buttons' groups are their own
  bmp->SetGroupIndex(1);
  bmp->SetDown(true);
  a->SetGroupIndex(1);
  b->SetGroupIndex(1);
  a->resize(75, 25);
  QTest::mouseClick(a, Qt::LeftButton, {}, QPoint(10, 10));
  EXPECT_TRUE(a->Down());
  EXPECT_TRUE(bmp->Down());
  b->SetDown(true);
  EXPECT_TRUE(b->Down());
  EXPECT_FALSE(a->Down()) << "setting one down raises the other";
  b->SetDown(false);
  EXPECT_TRUE(b->Down()) << "without AllowAllUp a down button stays down";
  b->SetAllowAllUp(true);
  b->SetDown(false);
  EXPECT_FALSE(b->Down());
  TUxButton lone;
  lone.SetDown(true);
  EXPECT_FALSE(lone.Down()) << "a button without a group is never down";
}

// A 20 x 10 picture: olive background keyed on its bottom-left pixel, a red
// block in the middle.
QImage ShapePicture() {
  QImage img(20, 10, QImage::Format_RGB32);
  img.fill(QColor(128, 128, 0));
  for (int y = 3; y < 7; ++y)
    for (int x = 5; x < 15; ++x) img.setPixelColor(x, y, QColor(255, 0, 0));
  return img;
}

TEST(ShapeButton, SizeFacesAndMask) {
  QWidget parent;
  parent.setAutoFillBackground(true);
  QPalette pal = parent.palette();
  pal.setColor(QPalette::Window, QColor(0, 0, 200));
  parent.setPalette(pal);
  parent.resize(60, 40);
  auto* s = new TUxShapeButton(&parent);
  s->SetBitmap(ShapePicture());
  EXPECT_EQ(s->size(), QSize(24, 14));
  EXPECT_EQ(s->BevelWidth(), 2);
  // Up face: the bottom-right offsets (which take the diagonal corners too)
  // first in the shadow colour, the rest in the highlight, then the border.
  EXPECT_EQ(s->BitmapUp().pixelColor(10, 7), QColor(160, 160, 160));
  EXPECT_EQ(s->BitmapUp().pixelColor(10, 2), QColor(160, 160, 160));
  EXPECT_EQ(s->BitmapUp().pixelColor(4, 3), QColor(255, 255, 255));
  EXPECT_EQ(s->BitmapUp().pixelColor(10, 0), QColor(105, 105, 105)) << "outermost ring: BorderColor";
  EXPECT_EQ(s->BitmapDown().pixelColor(10, 7), QColor(255, 255, 255)) << "down face: colours swapped";
  EXPECT_EQ(s->BitmapDown().pixelColor(4, 3), QColor(160, 160, 160));
  EXPECT_EQ(s->BitmapDown().pixelColor(10, 9), QColor(128, 128, 0)) << "no bottom-right border ring";
  EXPECT_FALSE(s->PtInMask(0, 9));
  EXPECT_TRUE(s->PtInMask(10, 5));
  EXPECT_TRUE(s->PtInMask(10, 0)) << "the rings belong to the shape";
  const QImage img = parent.grab().toImage();
  EXPECT_EQ(img.pixelColor(0, 9), QColor(0, 0, 200)) << "a keyed pixel shows the parent";
  EXPECT_EQ(img.pixelColor(10, 5), QColor(255, 0, 0));

  s->SetBevelWidth(5);
  EXPECT_EQ(s->BevelWidth(), 2);
  s->SetBevelWidth(0);
  s->SetBorderStyle(bsNone);
  EXPECT_EQ(s->BitmapUp(), s->Bitmap());
  EXPECT_EQ(s->BitmapDown(), s->Bitmap());
}

TEST(ShapeButton, ClicksOnlyOnTheShapeAndNotWhenDisabled) {
  QWidget parent;
  auto* s = new TUxShapeButton(&parent);
  s->SetBitmap(ShapePicture());
  int clicks = 0;
  s->OnClick = [&](QObject*) { ++clicks; };
  QTest::mousePress(s, Qt::LeftButton, {}, QPoint(10, 5));
  EXPECT_EQ(s->State(), bsDown);
  QTest::mouseRelease(s, Qt::LeftButton, {}, QPoint(10, 5));
  EXPECT_EQ(clicks, 1);
  QTest::mouseClick(s, Qt::LeftButton, {}, QPoint(1, 9));
  EXPECT_EQ(clicks, 1) << "off the shape";
  const QImage before = s->grab().toImage();
  s->SetEnabled(false);
  EXPECT_EQ(s->grab().toImage(), before) << "disabled, the face is unchanged";
  QTest::mouseClick(s, Qt::LeftButton, {}, QPoint(10, 5));
  EXPECT_EQ(clicks, 1);
}

}  // namespace
