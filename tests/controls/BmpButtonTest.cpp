// Bitmap button: Down rule, groups, Click, user clicks and faces.
#include "controls/UxBmpButton.h"

#include "platform/Form.h"

#include <QApplication>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QTimer>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include <memory>

namespace {

// Three buttons sharing a parent and a group, with click counters.
struct Group {
  QWidget parent;
  TUxBmpButton* b[3];
  int clicks[3] = {0, 0, 0};
  explicit Group(bool allowAllUp = false) {
    for (int i = 0; i < 3; ++i) {
      b[i] = new TUxBmpButton(&parent);
      b[i]->setGeometry(i * 60, 0, 50, 24);
      b[i]->SetGroupIndex(7);
      b[i]->SetAllowAllUp(allowAllUp);
      b[i]->OnClick = [this, i](QObject* s) {
        EXPECT_EQ(s, b[i]);
        ++clicks[i];
      };
    }
    b[0]->SetDown(true);
  }
  bool Down(int i) const { return b[i]->Down(); }
};

TEST(BmpButton, SettingOneDownRaisesTheRestOfItsGroup) {
  Group g;
  ASSERT_TRUE(g.Down(0));
  g.b[1]->SetDown(true);
  EXPECT_FALSE(g.Down(0));
  EXPECT_TRUE(g.Down(1));
  EXPECT_FALSE(g.Down(2));
  EXPECT_EQ(g.clicks[0] + g.clicks[1] + g.clicks[2], 0) << "writing Down never clicks";
}

TEST(BmpButton, ClickRunsOnClickOnceAndLeavesGroupAlone) {
  Group g;
  g.b[2]->Click();
  EXPECT_EQ(g.clicks[2], 1);
  EXPECT_TRUE(g.Down(0));
  EXPECT_FALSE(g.Down(2));
}

TEST(BmpButton, UserClickMakesGroupButtonDownThenClicks) {
  Group g;
  bool downSeenInHandler = false;
  g.b[2]->OnClick = [&](QObject*) { downSeenInHandler = g.Down(2); };
  QTest::mouseClick(g.b[2], Qt::LeftButton, {}, QPoint(10, 10));
  EXPECT_TRUE(g.Down(2));
  EXPECT_FALSE(g.Down(0));
  EXPECT_TRUE(downSeenInHandler);
}

TEST(BmpButton, DownRuleTable) {
  // A down button of a radio group stays down when set up directly.
  Group radio;
  radio.b[0]->SetDown(false);
  EXPECT_TRUE(radio.Down(0));
  // Clicking the latched radio button still clicks but keeps it down.
  QTest::mouseClick(radio.b[0], Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_TRUE(radio.Down(0));
  EXPECT_EQ(radio.clicks[0], 1);

  // With AllowAllUp the group may be all up; a click toggles.
  Group toggles(true);
  toggles.b[0]->SetDown(false);
  EXPECT_FALSE(toggles.Down(0));
  QTest::mouseClick(toggles.b[1], Qt::LeftButton, {}, QPoint(5, 5));
  QTest::mouseClick(toggles.b[1], Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_FALSE(toggles.Down(1));
  EXPECT_EQ(toggles.clicks[1], 2);

  // A button without a group is never down; a click only clicks.
  TUxBmpButton plain;
  int clicks = 0;
  plain.OnClick = [&](QObject*) { ++clicks; };
  plain.SetDown(true);
  EXPECT_FALSE(plain.Down());
  QTest::mouseClick(&plain, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_FALSE(plain.Down());
  EXPECT_EQ(clicks, 1);
}

TEST(BmpButton, ReleaseOutsideIsNoClick) {
  Group g;
  QTest::mousePress(g.b[1], Qt::LeftButton, {}, QPoint(5, 5));
  QTest::mouseMove(g.b[1], QPoint(200, 5));
  QTest::mouseRelease(g.b[1], Qt::LeftButton, {}, QPoint(200, 5));
  EXPECT_EQ(g.clicks[1], 0);
  EXPECT_FALSE(g.Down(1));
}

TEST(BmpButton, DisabledButtonIgnoresClicks) {
  Group g;
  g.b[1]->SetEnabled(false);
  QTest::mouseClick(g.b[1], Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(g.clicks[1], 0);
  EXPECT_FALSE(g.Down(1));
}

TEST(BmpButton, FacesKeyOutTransparentColourAndFollowState) {
  QWidget parent;
  parent.setAutoFillBackground(true);
  QPalette pal;
  pal.setColor(QPalette::Window, QColor(10, 20, 30));
  parent.setPalette(pal);
  parent.resize(100, 40);
  auto* b = new TUxBmpButton(&parent);
  b->SetGroupIndex(1);
  b->SetAllowAllUp(true);
  b->SetButtonSize(bszStretchToButton);
  b->setGeometry(0, 0, 40, 20);
  QImage up(8, 4, QImage::Format_RGB32), stay(8, 4, QImage::Format_RGB32);
  up.fill(QColor(0, 200, 0));
  up.setPixelColor(0, 0, QColor(128, 128, 0));  // olive: transparent
  stay.fill(QColor(200, 0, 0));
  b->Bitmaps()->SetUp(up);
  b->Bitmaps()->SetStayDown(stay);
  EXPECT_EQ(b->size(), QSize(40, 20)) << "stretched, not resized to the bitmap";
  QImage shot = parent.grab().toImage();
  EXPECT_EQ(shot.pixelColor(20, 10), QColor(0, 200, 0));
  EXPECT_EQ(shot.pixelColor(1, 1), QColor(10, 20, 30)) << "keyed-out corner shows the parent";
  b->SetDown(true);
  EXPECT_EQ(parent.grab().toImage().pixelColor(20, 10), QColor(200, 0, 0));

  // The default size rule follows the Up bitmap.
  TUxBmpButton sized;
  sized.Bitmaps()->SetUp(up);
  EXPECT_EQ(sized.size(), up.size());
}

TEST(BmpButton, KeysDoubleClicksGroupsAndTheDownPattern) {
  // A toggle on a shown, active window, so that keys and shortcuts reach it.
  QWidget window;
  window.resize(300, 100);
  auto* toggle = new TUxBmpButton(&window);
  toggle->setGeometry(0, 0, 60, 24);
  toggle->SetGroupIndex(3);
  toggle->SetAllowAllUp(true);
  toggle->SetCaption("&Mute");
  std::vector<bool> clicksSawDown;
  int dbl = 0;
  toggle->OnClick = [&](QObject*) { clicksSawDown.push_back(toggle->Down()); };
  toggle->OnDblClick = [&](QObject* s) { EXPECT_EQ(s, toggle); ++dbl; };
  window.show();
  QApplication::setActiveWindow(&window);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  toggle->setFocus();

  QTest::keyClick(toggle, Qt::Key_Return);
  EXPECT_EQ(clicksSawDown, std::vector<bool>{false}) << "Enter clicks without a flip";
  QTest::keyClick(toggle, Qt::Key_Space);
  EXPECT_EQ(clicksSawDown, (std::vector<bool>{false, true})) << "Space flips, then clicks";
  QTest::keyClick(&window, Qt::Key_M, Qt::AltModifier);
  EXPECT_EQ(clicksSawDown, (std::vector<bool>{false, true, true})) << "Alt+M clicks without a flip";

  // The double click's own press and release toggle first; OnDblClick only on a button that is down.
  toggle->SetDown(false);
  QTest::mouseDClick(toggle, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(dbl, 0);
  toggle->SetDown(true);
  QTest::mouseDClick(toggle, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(dbl, 1);

  // The same group index under another parent is another group.
  Group a, b;
  b.b[1]->SetDown(true);
  EXPECT_TRUE(a.Down(0));
  EXPECT_TRUE(b.Down(1));
  EXPECT_FALSE(b.Down(0));

}

TEST(BmpButton, DownPatternIsMadeByALatchedPaintAndFreedWithTheLastButton) {
  ASSERT_EQ(TUxBmpButton::DownPattern(), nullptr);
  auto* other = new TUxBmpButton;
  {
    TUxBmpButton latched;
    latched.SetGroupIndex(1);
    latched.grab();
    EXPECT_EQ(TUxBmpButton::DownPattern(), nullptr) << "made on first use";
    latched.SetDown(true);
    latched.grab();
    ASSERT_NE(TUxBmpButton::DownPattern(), nullptr);
    const QImage& pattern = *TUxBmpButton::DownPattern();
    EXPECT_EQ(pattern.size(), QSize(8, 8));
    EXPECT_EQ(pattern.pixelColor(1, 1), QColor(Qt::white));
    EXPECT_EQ(pattern.pixelColor(1, 0), QColor(240, 240, 240));
  }
  EXPECT_NE(TUxBmpButton::DownPattern(), nullptr) << "another button lives";
  delete other;
  EXPECT_EQ(TUxBmpButton::DownPattern(), nullptr);
}

// Solid faces keyed on teal over a blue parent.
struct FacedButton {
  QWidget parent;
  TUxBmpButton* b;
  static QImage Face(const QColor& c, int w = 10, int h = 10) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(c);
    img.setPixelColor(0, 0, QColor(0, 128, 128));  // teal: the transparent colour
    return img;
  }
  FacedButton() {
    parent.setAutoFillBackground(true);
    QPalette pal;
    pal.setColor(QPalette::Window, Qt::blue);
    parent.setPalette(pal);
    parent.resize(60, 40);
    b = new TUxBmpButton(&parent);
    b->SetButtonSize(bszStretchToButton);
    b->setGeometry(0, 0, 40, 20);
    b->SetGroupIndex(1);
    b->SetAllowAllUp(true);
    b->Bitmaps()->SetTransparentColor(QColor(0, 128, 128));
  }
  void AllFaces() {
    b->Bitmaps()->SetUp(Face(Qt::red));
    b->Bitmaps()->SetHot(Face(Qt::green));
    b->Bitmaps()->SetDown(Face(QColor(128, 0, 0)));
    b->Bitmaps()->SetStayDown(Face(Qt::yellow));
  }
  QColor At(int x, int y) { return parent.grab().toImage().pixelColor(x, y); }
};

TEST(BmpButton, FacesByStateOverTheParent) {
  FacedButton f;
  f.AllFaces();
  EXPECT_EQ(f.At(0, 0), QColor(Qt::blue));
  EXPECT_EQ(f.At(20, 10), QColor(Qt::red));
  QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
  QApplication::sendEvent(f.b, &enter);
  EXPECT_EQ(f.At(20, 10), QColor(Qt::green)) << "mouse inside";
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(f.b, &leave);
  f.b->SetDown(true);
  EXPECT_EQ(f.At(20, 10), QColor(Qt::yellow)) << "latched";

  FacedButton onlyUp;
  onlyUp.b->Bitmaps()->SetUp(FacedButton::Face(Qt::red));
  onlyUp.b->SetEnabled(false);
  EXPECT_NE(onlyUp.At(20, 10), QColor(Qt::red)) << "disabled: an engraved face";

  FacedButton none;
  none.b->SetCaption("MMMM");
  QRect glyph, text;
  none.b->GetLayout(glyph, text);
  EXPECT_EQ(none.At(20, 10 + text.height() / 2 + 1), QColor(Qt::blue)) << "no face under the caption";
  const QImage shot = none.parent.grab().toImage();
  int ink = 0;
  for (int y = text.top(); y <= text.bottom(); ++y)
    for (int x = text.left(); x <= text.right(); ++x) ink += shot.pixelColor(x, y) != QColor(Qt::blue);
  EXPECT_GT(ink, 10) << "the caption is drawn";
}

// While pressed the face follows the pointer: Down inside, Up outside, and a
// release outside clicks nothing.
TEST(BmpButton, PressedLookFollowsThePointerWhileDragged) {
  FacedButton f;
  f.b->Bitmaps()->SetUp(FacedButton::Face(Qt::red));
  f.b->Bitmaps()->SetDown(FacedButton::Face(QColor(128, 0, 0)));
  int clicks = 0;
  f.b->OnClick = [&](QObject*) { ++clicks; };
  f.parent.show();
  f.parent.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&f.parent));
  const QColor up(Qt::red), pressed(128, 0, 0);
  auto drag = [&](QPoint at) {
    QMouseEvent e(QEvent::MouseMove, QPointF(at), f.b->mapToGlobal(QPointF(at)), Qt::NoButton, Qt::LeftButton,
                  Qt::NoModifier);
    QApplication::sendEvent(f.b, &e);
  };
  QTest::mousePress(f.b, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(f.At(20, 10), pressed);
  drag(QPoint(50, 30));
  EXPECT_EQ(f.At(20, 10), up) << "dragged outside";
  drag(QPoint(39, 19));
  EXPECT_EQ(f.At(20, 10), pressed) << "back inside";
  drag(QPoint(40, 5));
  EXPECT_EQ(f.At(20, 10), up) << "one pixel past the right edge";
  QTest::mouseRelease(f.b, Qt::LeftButton, {}, QPoint(40, 5));
  EXPECT_EQ(f.At(20, 10), up);
  EXPECT_EQ(clicks, 0);
  EXPECT_FALSE(f.b->Down());
}

// AllowAllUp belongs to the group: whichever button announces gives its
// value to the others of its parent and index.
TEST(BmpButton, AllowAllUpIsCopiedToTheWholeGroup) {
  Group g(false);
  QWidget elsewhere;
  auto* stranger = new TUxBmpButton(&elsewhere);
  stranger->SetGroupIndex(7);
  auto* otherIndex = new TUxBmpButton(&g.parent);
  otherIndex->SetGroupIndex(8);
  g.b[1]->SetAllowAllUp(true);
  EXPECT_TRUE(g.b[0]->AllowAllUp());
  EXPECT_TRUE(g.b[2]->AllowAllUp());
  EXPECT_FALSE(stranger->AllowAllUp()) << "another parent";
  EXPECT_FALSE(otherIndex->AllowAllUp()) << "another group index";
  EXPECT_TRUE(g.Down(0)) << "announcing AllowAllUp raises nobody";
  g.b[0]->SetDown(false);
  EXPECT_FALSE(g.Down(0)) << "the latched button may now be raised";
  g.b[2]->SetAllowAllUp(false);
  EXPECT_FALSE(g.b[0]->AllowAllUp());
  EXPECT_FALSE(g.b[1]->AllowAllUp());
}

TEST(BmpButton, StretchedFacesAreNeverBlended) {
  FacedButton f;
  QImage up(10, 10, QImage::Format_RGB32);
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 10; ++x) up.setPixelColor(x, y, (x + y) % 3 ? QColor(Qt::red) : QColor(0, 128, 128));
  f.b->Bitmaps()->SetUp(up);
  const QImage shot = f.parent.grab().toImage();
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 40; ++x) {
      const QColor c = shot.pixelColor(x, y);
      ASSERT_TRUE(c == QColor(Qt::red) || c == QColor(Qt::blue)) << x << "," << y;
    }
}

TEST(BmpButton, SizeRuleAndLayout) {
  QWidget parent;
  auto* b = new TUxBmpButton(&parent);
  b->Bitmaps()->SetUp(FacedButton::Face(Qt::red, 60, 20));
  parent.show();  // a hidden widget gets its resize only when shown
  b->resize(200, 50);
  EXPECT_EQ(b->size(), QSize(60, 20));
  b->SetButtonBorder(bbSingle);
  EXPECT_EQ(b->size(), QSize(62, 22));
  EXPECT_EQ(b->grab().toImage().pixelColor(0, 0), QColor(Qt::black));
  b->SetButtonBorder(bbButton);
  EXPECT_EQ(b->size(), QSize(64, 24));
  b->SetButtonStyle(bsWin31);
  EXPECT_EQ(b->size(), QSize(66, 26));

  // A channel tab: caption 24 pixels in, vertically centred.
  TUxBmpButton tab;
  tab.Bitmaps()->SetUp(FacedButton::Face(Qt::red, 80, 24));
  tab.SetMargin(24);
  tab.SetMargin(-5);
  EXPECT_EQ(tab.Margin(), 24) << "below -1 is ignored";
  tab.SetCaption("In A");
  QRect glyph, text;
  tab.GetLayout(glyph, text);
  EXPECT_TRUE(glyph.isEmpty());
  EXPECT_EQ(text.left(), 24);
  EXPECT_EQ(text.top(), 12 - text.height() / 2);

  // A natural-size glyph, centred.
  FacedButton f;
  f.b->SetButtonSize(bszNeither);
  f.b->setGeometry(0, 0, 80, 30);
  QImage glyphFace(16, 16, QImage::Format_RGB32);
  glyphFace.fill(Qt::red);
  f.b->Bitmaps()->SetUp(glyphFace);
  f.b->GetLayout(glyph, text);
  EXPECT_EQ(glyph, QRect(32, 7, 16, 16));
  EXPECT_EQ(f.At(32, 7), QColor(Qt::red));
  EXPECT_EQ(f.At(31, 7), QColor(Qt::blue));
  EXPECT_EQ(f.At(48, 23), QColor(Qt::blue));
}

TEST(BmpButton, ModalResultClosesOnlyAModalDialog) {
  platform::Form dialog;
  auto* ok = new TUxBmpButton(&dialog);
  ok->SetModalResult(1);
  bool openDuringClick = false;
  ok->OnClick = [&](QObject*) { openDuringClick = dialog.isVisible(); };
  QTimer::singleShot(0, ok, [ok] { ok->Click(); });
  EXPECT_EQ(dialog.ShowModal(), 1);
  EXPECT_TRUE(openDuringClick) << "closed after OnClick";

  platform::MainForm main;
  auto* five = new TUxBmpButton(&main);
  five->SetModalResult(5);
  main.show();
  five->Click();
  EXPECT_TRUE(main.isVisible());
  platform::Form modeless;
  auto* one = new TUxBmpButton(&modeless);
  one->SetModalResult(1);
  modeless.Show();
  one->Click();
  EXPECT_TRUE(modeless.isVisible());
}

TEST(BmpButton, TagIsTheSharedObjectProperty) {
  TUxBmpButton b;
  b.SetTag(12);
  EXPECT_EQ(b.Tag(), 12);
  EXPECT_EQ(b.property("Tag").toInt(), 12);
}

}  // namespace
