// The value box and its rounded panels: placement of the inner edit and of
// the embedded controls, the forwarded events, the embedded controls' clicks
// and states, and the painted face.
#include "controls/RoundEdit.h"

#include "PaintCounter.h"
#include "support/UiFixture.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

void Mouse(QWidget* w, QEvent::Type type, QPoint pos, Qt::MouseButton button = Qt::LeftButton) {
  const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
  QMouseEvent e(type, QPointF(pos), w->mapToGlobal(QPointF(pos)), button, held, Qt::NoModifier);
  QApplication::sendEvent(w, &e);
}
void Click(QWidget* w, QPoint pos) {
  Mouse(w, QEvent::MouseButtonPress, pos);
  Mouse(w, QEvent::MouseButtonRelease, pos);
}

QImage Square(const QColor& c, int size = 10) {
  QImage img(size, size, QImage::Format_RGB32);
  img.fill(c);
  return img;
}

// A picture button of the given colour at a position.
TRoundControl* AddControl(TRoundEdit& box, TControlPosition position, const QColor& colour = Qt::red,
                          bool dropDown = false) {
  TRoundControl* c = box.Controls()->Add();
  c->SetPosition(position);
  c->SetDropDown(dropDown);
  c->Picture()->Assign(Square(colour));
  return c;
}

bool Near(const QColor& a, const QColor& b, int tolerance) {
  return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
         std::abs(a.blue() - b.blue()) <= tolerance;
}

// A box on a plain blue parent, as the forms build them.
struct BoxFixture : ::testing::Test {
  QWidget parent;
  TRoundEdit* box = new TRoundEdit(&parent);
  void SetUp() override {
    parent.resize(120, 60);
    parent.setAutoFillBackground(true);
    QPalette pal = parent.palette();
    pal.setColor(QPalette::Window, QColor(0, 0, 200));
    parent.setPalette(pal);
    box->SetRounding(6);
    box->setGeometry(0, 0, 68, 50);
  }
  QImage Shot() { return parent.grab().toImage().convertToFormat(QImage::Format_RGB32); }
};

TEST_F(BoxFixture, HeightStaysAtTwentyFourAndTheEditSitsInsideTheRounding) {
  parent.show();  // Qt resizes hidden widgets only when they are shown
  EXPECT_EQ(box->size(), QSize(68, 24));
  EXPECT_EQ(box->Edit()->geometry().topLeft(), QPoint(6, 5));
  EXPECT_EQ(box->Edit()->width(), 54) << "W - 2 x Rounding - 2";
  box->resize(100, 30);
  EXPECT_EQ(box->height(), 24);
  EXPECT_EQ(box->Edit()->width(), 86);
  box->SetRounding(8);
  EXPECT_EQ(box->Edit()->geometry().x(), 8);
  EXPECT_EQ(box->Edit()->width(), 82);
}

TEST_F(BoxFixture, RightControlNarrowsTheEditAndClicksOnlyInsideItsSpan) {
  AddControl(*box, cpRightInControl);
  EXPECT_EQ(box->Edit()->width(), 42);
  EXPECT_EQ(box->ControlRect(0), QRect(51, 7, 12, 10)) << "x 51 to 62, y 7";
  std::vector<int> clicks;
  box->OnControlClick = [&](QObject* s, int index) {
    EXPECT_EQ(s, box);
    clicks.push_back(index);
  };
  Click(box, QPoint(55, 12));
  EXPECT_EQ(clicks, std::vector<int>{0});
  Click(box, QPoint(51, 12));  // on the left edge: not strictly inside
  Click(box, QPoint(63, 12));  // one past the right edge
  EXPECT_EQ(clicks, std::vector<int>{0});
  EXPECT_EQ(box->Controls()->Items(0)->State(), csNormal);
}

TEST(RoundEdit, FourGroupsPlaceControlsAndTheEdit) {
  TRoundEdit box;
  box.SetRounding(6);
  box.resize(100, 24);
  AddControl(box, cpLeft);
  AddControl(box, cpLeftInControl);
  AddControl(box, cpRightInControl);
  AddControl(box, cpRight);
  AddControl(box, cpRightInControl, Qt::green, true);  // 10 + 7 with the drop-down mark
  const TRoundControls& cs = *box.Controls();
  EXPECT_EQ(cs.LeftSize(), 12);
  EXPECT_EQ(cs.LeftControlSize(), 12);
  EXPECT_EQ(cs.RightControlSize(), 2 + 12 + 17);
  EXPECT_EQ(cs.RightSize(), 12);
  EXPECT_EQ(box.IndentLeft(), 12);
  EXPECT_EQ(box.IndentRight(), 12);
  struct Case { int index; QRect rect; };
  const Case cases[] = {
      {0, QRect(0, 7, 12, 10)},                   // cpLeft from 0
      {1, QRect(12 + 3, 7, 12, 10)},              // after the left group and half the rounding
      {2, QRect(100 - 12 - 31 - 3, 7, 12, 10)},   // before the right groups
      {3, QRect(100 - 12 + 2, 7, 12, 10)},        // outside the shape at the right
      {4, QRect(100 - 12 - 31 - 3 + 12, 7, 17, 10)},
  };
  for (const Case& c : cases) EXPECT_EQ(box.ControlRect(c.index), c.rect) << c.index;
  EXPECT_EQ(box.Edit()->geometry().x(), 12 + 6 + 12);
  EXPECT_EQ(box.Edit()->width(), 100 - 12 - (12 + 31 + 12 + 12));

  // Deleting controls gives the room back; the empty collection keeps its 2 pixels.
  box.Controls()->Clear();
  EXPECT_EQ(box.Edit()->geometry().x(), 6);
  EXPECT_EQ(box.Edit()->width(), 86);
  EXPECT_EQ(box.IndentLeft(), 0);
}

TEST(RoundEdit, ImageListSizesControlsUntilItIsDestroyed) {
  TRoundEdit box;
  box.SetRounding(6);
  box.resize(100, 24);
  TRoundControl* c = box.Controls()->Add();
  c->SetImageIndex(0);
  EXPECT_EQ(box.Controls()->ControlWidth(0), 2) << "no picture and no list";
  auto images = std::make_unique<TCustomImageList>(14, 14);
  images->Add(Square(Qt::magenta, 14));
  box.SetImages(images.get());
  EXPECT_EQ(box.Controls()->ControlWidth(0), 16);
  EXPECT_EQ(box.Edit()->width(), 100 - 12 - 18);
  EXPECT_EQ(box.grab().toImage().pixelColor(box.ControlRect(0).center()), QColor(Qt::magenta));
  images.reset();
  EXPECT_EQ(box.Images(), nullptr);
  EXPECT_EQ(box.Controls()->ControlWidth(0), 2);
  EXPECT_EQ(box.Edit()->width(), 100 - 12 - 4);
}

TEST_F(BoxFixture, PicturesFollowHoverAndPressAndTheDropDownMarkIsBlack) {
  TRoundControl* c = AddControl(*box, cpRightInControl, Qt::red, true);
  c->PictureHover()->Assign(Square(Qt::green));
  c->PictureDown()->Assign(Square(Qt::yellow));
  const QRect r = box->ControlRect(0);
  const QPoint middle = r.topLeft() + QPoint(5, 5);
  EXPECT_EQ(Shot().pixelColor(middle), QColor(Qt::red));
  Mouse(box, QEvent::MouseMove, middle, Qt::NoButton);
  EXPECT_EQ(c->State(), csHover);
  EXPECT_EQ(Shot().pixelColor(middle), QColor(Qt::green));
  Mouse(box, QEvent::MouseButtonPress, middle);
  EXPECT_EQ(c->State(), csDown);
  EXPECT_EQ(Shot().pixelColor(middle), QColor(Qt::yellow));
  Mouse(box, QEvent::MouseButtonRelease, middle);
  EXPECT_EQ(Shot().pixelColor(middle), QColor(Qt::red));
  // The triangle right of the picture: (x + 10 .. x + 16, y + 5 .. y + 9).
  EXPECT_TRUE(Near(Shot().pixelColor(r.x() + 13, r.y() + 6), Qt::black, 60));
  // Leaving the box ends the hover.
  Mouse(box, QEvent::MouseMove, middle, Qt::NoButton);
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(box, &leave);
  EXPECT_EQ(c->State(), csNormal);
}

TEST(RoundEdit, ControlsDropTheirDestroyedMenuAndCopyWithoutPictures) {
  TRoundEdit box;
  TRoundControl* c = box.Controls()->Add();
  auto menu = std::make_unique<QMenu>();
  c->SetPopupMenu(menu.get());
  c->SetHint("pick");
  c->SetImageIndexDown(3);
  c->Picture()->Assign(Square(Qt::red));
  menu.reset();
  EXPECT_EQ(c->PopupMenu(), nullptr);

  TRoundEdit other;
  other.SetControls(box.Controls());
  ASSERT_EQ(other.Controls()->Count(), 1);
  EXPECT_EQ(other.Controls()->Items(0)->Hint(), "pick");
  EXPECT_EQ(other.Controls()->Items(0)->ImageIndexDown(), 3);
  EXPECT_TRUE(other.Controls()->Items(0)->Picture()->Empty());
  EXPECT_EQ(other.Version(), "1.0.3.1");
  other.SetVersion("9");
  EXPECT_EQ(other.Version(), "1.0.3.1");
}

TEST_F(BoxFixture, TextChangeFiresOnceAndTheBorderFiresNoMouseEvents) {
  int changes = 0, mouse = 0;
  box->OnChange = [&](QObject* s) {
    EXPECT_EQ(s, box);
    ++changes;
  };
  box->OnMouseDown = [&](QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) { ++mouse; };
  box->OnMouseUp = [&](QObject*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) { ++mouse; };
  box->OnClick = [&](QObject*) { ++mouse; };
  box->SetText("-12.5dB");
  box->SetText("-12.5dB");
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(box->Text(), "-12.5dB");
  Click(box, QPoint(2, 12));
  EXPECT_EQ(mouse, 0);
}

TEST_F(BoxFixture, EveryEventComesFromTheInnerEditWithTheBoxAsSender) {
  std::vector<std::string> seen;
  auto note = [&](const char* what) {
    return [&, what](QObject* s) {
      EXPECT_EQ(s, box) << what;
      seen.push_back(what);
    };
  };
  box->OnClick = note("Click");
  box->OnDblClick = note("DblClick");
  box->OnEnter = note("Enter");
  box->OnExit = note("Exit");
  box->OnMouseEnter = note("MouseEnter");
  box->OnMouseLeave = note("MouseLeave");
  box->OnMouseDown = [&](QObject* s, Qt::MouseButton b, Qt::KeyboardModifiers, int x, int y) {
    EXPECT_EQ(s, box);
    seen.push_back("MouseDown " + std::to_string(b == Qt::LeftButton) + " " + std::to_string(x) + "," +
                   std::to_string(y));
  };
  box->OnMouseUp = [&](QObject* s, Qt::MouseButton, Qt::KeyboardModifiers, int x, int y) {
    EXPECT_EQ(s, box);
    seen.push_back("MouseUp " + std::to_string(x) + "," + std::to_string(y));
  };
  box->OnMouseMove = [&](QObject* s, Qt::KeyboardModifiers, int x, int y) {
    EXPECT_EQ(s, box);
    seen.push_back("MouseMove " + std::to_string(x) + "," + std::to_string(y));
  };
  box->OnKeyDown = [&](QObject* s, int& key, Qt::KeyboardModifiers) {
    EXPECT_EQ(s, box);
    seen.push_back("KeyDown " + std::to_string(key));
    if (key == Qt::Key_X) key = 0;  // swallowed
  };
  box->OnKeyPress = [&](QObject* s, QChar& key) {
    EXPECT_EQ(s, box);
    seen.push_back(std::string("KeyPress ") + char(key.unicode()));
    if (key == QLatin1Char('a')) key = QLatin1Char('b');
  };
  box->OnKeyUp = [&](QObject* s, int& key, Qt::KeyboardModifiers) {
    EXPECT_EQ(s, box);
    seen.push_back("KeyUp " + std::to_string(key));
  };
  QWidget* edit = box->Edit();
  QWidget other(&parent);
  other.setFocusPolicy(Qt::StrongFocus);
  other.setGeometry(80, 0, 20, 20);
  parent.show();
  parent.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&parent));
  other.setFocus();
  seen.clear();
  QEvent enter(QEvent::Enter);
  QApplication::sendEvent(edit, &enter);
  Mouse(edit, QEvent::MouseMove, QPoint(4, 6), Qt::NoButton);
  Mouse(edit, QEvent::MouseButtonPress, QPoint(4, 6));
  Mouse(edit, QEvent::MouseButtonRelease, QPoint(4, 6));
  Mouse(edit, QEvent::MouseButtonDblClick, QPoint(4, 6));
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(edit, &leave);
  const std::vector<std::string> mouse = {"MouseEnter",  "MouseMove 4,6",      "MouseDown 1 4,6", "Click",
                                          "MouseUp 4,6", "MouseDown 1 4,6", "DblClick",        "MouseLeave"};
  EXPECT_EQ(seen, mouse);

  seen.clear();
  other.setFocus();
  box->SetFocus();
  EXPECT_TRUE(edit->hasFocus());
  QTest::keyClick(edit, Qt::Key_A);
  QTest::keyClick(edit, Qt::Key_X);
  other.setFocus();
  const std::vector<std::string> keys = {"Enter",
                                         "KeyDown " + std::to_string(Qt::Key_A), "KeyPress a",
                                         "KeyUp " + std::to_string(Qt::Key_A),
                                         "KeyDown " + std::to_string(Qt::Key_X),
                                         "KeyUp " + std::to_string(Qt::Key_X), "Exit"};
  EXPECT_EQ(seen, keys);
  EXPECT_EQ(box->Text(), "b") << "the changed character is typed, the swallowed one is not";
}

// The box is left only when another control of its window takes the focus:
// a context menu or another window borrows it and fires neither event.
TEST_F(BoxFixture, ExitOnlyWhenTheFocusMovesWithinTheWindow) {
  std::vector<std::string> seen;
  box->OnEnter = [&](QObject*) { seen.push_back("Enter"); };
  box->OnExit = [&](QObject*) { seen.push_back("Exit"); };
  QWidget other(&parent);
  other.setFocusPolicy(Qt::StrongFocus);
  other.setGeometry(80, 0, 20, 20);
  parent.show();
  parent.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&parent));
  other.setFocus();
  seen.clear();
  box->SetFocus();
  ASSERT_EQ(seen, std::vector<std::string>{"Enter"});
  seen.clear();

  QMenu menu;
  menu.addAction(QStringLiteral("Copy"));
  menu.popup(parent.mapToGlobal(QPoint(10, 30)));
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&menu));
  menu.close();
  EXPECT_TRUE(box->Edit()->hasFocus());
  EXPECT_EQ(seen, std::vector<std::string>{}) << "a context menu";

  QWidget window;
  window.resize(50, 50);
  window.show();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  parent.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&parent));
  EXPECT_TRUE(box->Edit()->hasFocus());
  EXPECT_EQ(seen, std::vector<std::string>{}) << "another window and back";

  box->Edit()->clearFocus();
  ASSERT_EQ(QApplication::focusWidget(), nullptr);
  EXPECT_EQ(seen, std::vector<std::string>{}) << "no control takes the focus";
  box->SetFocus();
  seen.clear();

  other.setFocus(Qt::MouseFocusReason);
  EXPECT_EQ(seen, std::vector<std::string>{"Exit"}) << "another control of the window";
}

TEST_F(BoxFixture, FaceBorderAndCornersOnTheParent) {
  box->SetColor(QColor(223, 255, 255));
  box->SetBorderColor(QColor(200, 0, 0));
  const QImage img = Shot();
  EXPECT_EQ(img.pixelColor(0, 0), QColor(0, 0, 200)) << "the corner shows the parent";
  EXPECT_EQ(img.pixelColor(3, 12), QColor(223, 255, 255));
  EXPECT_TRUE(Near(img.pixelColor(34, 0), QColor(200, 0, 0), 40)) << img.pixelColor(34, 0).name().toStdString();
  EXPECT_EQ(img.pixelColor(34, 1), QColor(217, 217, 217)) << "the inner top shadow";
  EXPECT_EQ(box->Edit()->palette().color(QPalette::Base), QColor(223, 255, 255));
}

TEST_F(BoxFixture, SameColourDoesNotRepaint) {
  parent.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&parent));
  box->SetColor(QColor(1, 2, 3));
  testsupport::RunEventLoop(10);
  PaintCounter counter(box);
  box->SetColor(QColor(1, 2, 3));
  testsupport::RunEventLoop(10);
  EXPECT_EQ(counter.paints, 0);
  box->SetColor(QColor(4, 5, 6));
  testsupport::RunEventLoop(10);
  EXPECT_GT(counter.paints, 0);
}

TEST(RoundEdit, EmptyTextIsGreyWhileTheEditIsEmpty) {
  TRoundEdit box;
  box.resize(80, 24);
  box.SetEmptyText("WWW");
  auto greyPixels = [&] {
    const QImage img = box.Edit()->grab().toImage();
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
      for (int x = 0; x < img.width(); ++x) n += img.pixelColor(x, y) == QColor(128, 128, 128);
    return n;
  };
  EXPECT_GT(greyPixels(), 5);
  box.SetText("1");
  EXPECT_EQ(greyPixels(), 0);
}

TEST(RoundEdit, EditPropertiesLiveInTheInnerEdit) {
  TRoundEdit box;
  box.SetEnabled(false);
  EXPECT_FALSE(box.Edit()->isEnabled());
  EXPECT_FALSE(box.Enabled());
  box.SetEnabled(true);
  box.SetMaxLength(3);
  box.SetText("12345");
  EXPECT_EQ(box.Text(), "123");
  box.SetMaxLength(0);
  EXPECT_EQ(box.MaxLength(), 0);
  box.SetTextHint("8");
  EXPECT_EQ(box.Edit()->placeholderText(), "8");
  box.SetTabStop(false);
  EXPECT_EQ(box.Edit()->focusPolicy(), Qt::ClickFocus);
  box.SetCharCase(ecUpperCase);
  box.SetText("");
  QTest::keyClicks(box.Edit(), "ab");
  EXPECT_EQ(box.Text(), "AB");
  box.SetNumbersOnly(true);
  box.SetText("");
  QTest::keyClicks(box.Edit(), "1x2");
  EXPECT_EQ(box.Text(), "12");
  box.SetFont(platform::TFont{.Name = "Tahoma", .Height = -11, .Color = platform::clRed});
  EXPECT_EQ(box.Edit()->font().pixelSize(), 11);
  EXPECT_EQ(box.Edit()->palette().color(QPalette::Text), QColor(255, 0, 0));
}

}  // namespace
