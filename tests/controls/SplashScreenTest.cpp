// The splash screen: its settings objects, the window's layout, opening and
// closing, the main form's show, fades and the component's fixed values.
#include "controls/ExSplashProgress.h"
#include "controls/ExSplashScreen.h"
#include "controls/GdipObjects.h"
#include "controls/SplashScreenWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPainter>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "support/UiFixture.h"

using namespace platform;

namespace {

// A splash in the normal mode with no picture: a 600 x 400 window.
std::unique_ptr<TExSplashScreen> NormalSplash(QObject* owner = nullptr) {
  auto s = std::make_unique<TExSplashScreen>(owner);
  s->SetDisplayStyle(dsNormal);
  s->SetCloseOnTimeout(false);
  return s;
}

// Notes when the application last delivered an event, while it lives.
class EventClock : public QObject {
 public:
  explicit EventClock(const QElapsedTimer& clock) : clock_(clock) {
    QCoreApplication::instance()->installEventFilter(this);
  }
  ~EventClock() override { QCoreApplication::instance()->removeEventFilter(this); }
  bool eventFilter(QObject*, QEvent*) override {
    last = clock_.elapsed();
    return false;
  }
  qint64 last = -1;

 private:
  const QElapsedTimer& clock_;
};

// A form that notes whether the splash still shows when it handles its show.
class RecordingForm : public QWidget {
 public:
  TExSplashScreen* splash = nullptr;
  std::vector<bool> showingAtShow;

 protected:
  void showEvent(QShowEvent* e) override {
    if (splash) showingAtShow.push_back(splash->Showing());
    QWidget::showEvent(e);
  }
};

TEST(SplashItems, StartValuesAndCollectionEvents) {
  TListItemsRect rect;
  EXPECT_EQ(rect.GetRect(), (TRect{30, 150, 330, 350}));

  TSplashItems items(nullptr);
  TSplashItem* item = items.Add();
  EXPECT_EQ(item->PosX(), 80);
  EXPECT_EQ(item->PosY(), 130);
  EXPECT_EQ(item->ImageIndex(), -1);
  EXPECT_TRUE(item->Text().isEmpty());

  TSplashListItems lines(nullptr);
  int changes = 0;
  std::vector<int> deleted;
  lines.OnChange = [&](QObject*) { ++changes; };
  lines.FOnDeleteItem = [&](QObject*, int index) { deleted.push_back(index); };
  for (int i = 0; i < 3; ++i) lines.Add()->SetHTMLText(QString::number(i));
  EXPECT_EQ(lines.Items(0)->DisplayRect(), (TRect{-1, -1, -1, -1}));
  lines.Delete(1);
  EXPECT_EQ(changes, 0) << "deleting one of several fires nothing";
  EXPECT_EQ(deleted, std::vector<int>{1});
  EXPECT_EQ(lines.Items(1)->HTMLText(), "2");
  lines.Clear();
  EXPECT_EQ(changes, 1) << "clearing fires once";
  EXPECT_EQ(lines.Count(), 0);
  lines.Add()->Refresh();
  EXPECT_EQ(changes, 2) << "a line's Refresh fires the collection's change";
}

TEST(SplashItems, HeadingsNotifyOnlyForTheirTextAndCopyIn) {
  TBasicProgramInfo info;
  EXPECT_EQ(info.ProgramName()->Font().Size(), 14);
  EXPECT_TRUE(info.ProgramName()->Font().Style & fsBold);
  EXPECT_EQ(info.ProgramVersion()->PosX(), 80);
  EXPECT_EQ(info.ProgramVersion()->PosY(), 100);
  EXPECT_EQ(info.CopyRightPosY(), 130);
  int changes = 0;
  info.OnChange = [&](QObject* sender) {
    EXPECT_EQ(sender, &info);
    ++changes;
  };
  info.ProgramName()->SetPosX(5);
  info.ProgramName()->SetColorEnd(clRed);
  EXPECT_EQ(changes, 0);
  info.ProgramVersion()->SetText("V2");
  info.ProgramVersion()->SetText("V2");
  EXPECT_EQ(changes, 1);

  TBasicProgramInfo copy;
  copy.SetCopyRight("(c)");
  copy.ProgramName()->SetText("Name");
  copy.ProgramName()->SetLocation(ilBottomRight);
  info.Assign(&copy);
  EXPECT_EQ(info.CopyRight(), "(c)");
  EXPECT_EQ(info.ProgramName()->Text(), "Name");
  EXPECT_EQ(info.ProgramName()->Location(), ilBottomRight);
  EXPECT_NE(info.ProgramName(), copy.ProgramName()) << "copied, not shared";

  TExSplashHTMLText text(nullptr);
  EXPECT_EQ(text.Location(), cpTopLeft);
  text.SetLocation(cpCenterLeft);
  EXPECT_EQ(text.Location(), cpCenterLeft);
}

TEST(SplashLayout, VersionFollowsTheNameAtTopLeft) {
  auto s = NormalSplash();
  s->BasicProgramInfo()->ProgramName()->SetText("Name");
  s->BasicProgramInfo()->ProgramVersion()->SetText("V1");
  TFont small = s->BasicProgramInfo()->ProgramVersion()->Font();
  small.SetSize(8);
  s->BasicProgramInfo()->ProgramVersion()->SetFont(small);
  s->BasicProgramInfo()->ProgramVersion()->SetLocation(ilTopLeft);
  s->Show();
  TSplashScreenWindow* w = s->SplashWindow();
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(w->size(), QSize(600, 400));
  QImage scratch(10, 10, QImage::Format_ARGB32_Premultiplied);
  QPainter painter(&scratch);
  TGPGraphics g(painter);
  const TProgramInfoPlacement p = w->PlaceProgramInfo(g);
  EXPECT_EQ(p.A, (TRect{0, 0, 599 - 5, 399}));
  ASSERT_GT(p.N.cx, 0);
  EXPECT_GT(p.N.cy, p.V.cy);
  EXPECT_EQ(p.Name, (TPoint{0, 0}));
  EXPECT_EQ(p.Version, (TPoint{p.N.cx + 1, (p.N.cy - p.V.cy) / 2}));
  EXPECT_EQ(p.C, (TSize{0, 0})) << "an empty copyright measures nothing";

  s->BasicProgramInfo()->ProgramName()->SetLocation(ilBottomRight);
  s->BasicProgramInfo()->ProgramVersion()->SetLocation(ilBottomRight);
  const TProgramInfoPlacement q = w->PlaceProgramInfo(g);
  EXPECT_EQ(q.Name, (TPoint{594 - q.N.cx - q.V.cx - 1, 399 - q.N.cy}));
  EXPECT_EQ(q.Version, (TPoint{594 - q.V.cx, 399 - q.N.cy}));
  EXPECT_EQ(TSplashScreenWindow::LocateInRect(10, 20, 100, 50, cpBottomRight, 10, 30), (TPoint{80, 60}));
  EXPECT_EQ(TSplashScreenWindow::LocateInRect(10, 20, 100, 50, cpCenterCenter, 10, 30), (TPoint{45, 40}));
}

TEST(SplashLayout, OverflowingListShowsTheNewestLinesAtTheTop) {
  auto s = NormalSplash();
  TListItemsRect* rect = s->ListItemsSettings()->Rect();
  rect->SetLeft(20);
  rect->SetTop(40);
  rect->SetHeight(60);
  for (int i = 0; i < 3; ++i) s->ListItems()->Add()->SetHTMLText("<FONT size=\"20\">line</FONT>");
  s->Show();
  QImage scratch(10, 10, QImage::Format_ARGB32_Premultiplied);
  QPainter painter(&scratch);
  TGPGraphics g(painter);
  s->SplashWindow()->LayoutListItems(g);
  EXPECT_EQ(s->ListItems()->Items(0)->DisplayRect().Top, -1);
  EXPECT_EQ(s->ListItems()->Items(1)->DisplayRect().Top, -1);
  const TRect last = s->ListItems()->Items(2)->DisplayRect();
  EXPECT_EQ(last.Top, 40);
  EXPECT_EQ(last.Left, 20);
  EXPECT_GT(last.Height(), 30);

  rect->SetHeight(300);
  s->SplashWindow()->LayoutListItems(g);
  EXPECT_EQ(s->ListItems()->Items(0)->DisplayRect().Top, 40) << "all fit: no scrolling";
  EXPECT_EQ(s->ListItems()->Items(1)->DisplayRect().Top, 40 + last.Height() + 8);
}

TEST(SplashLifecycle, OpensOnLoadedOrShowAndClosesOnce) {
  auto s = NormalSplash();
  int closes = 0, before = 0;
  s->OnClose = [&](QObject*) { ++closes; };
  s->OnBeforeShow = [&](QObject*) { ++before; };
  s->Hide();
  EXPECT_EQ(closes, 0) << "Hide while closed";
  s->SetAutoShow(false);
  s->Loaded();
  EXPECT_FALSE(s->Showing());
  EXPECT_EQ(s->SplashWindow(), nullptr);
  s->Show();
  EXPECT_TRUE(s->Showing());
  EXPECT_EQ(before, 1);
  ASSERT_NE(s->SplashWindow(), nullptr);
  EXPECT_TRUE(s->SplashWindow()->isVisible());
  EXPECT_FALSE(s->SplashWindow()->ForcedTransparent());
  s->Show();
  EXPECT_EQ(before, 1) << "already showing";
  s->Hide();
  EXPECT_FALSE(s->Showing());
  EXPECT_EQ(s->SplashWindow(), nullptr);
  s->Hide();
  EXPECT_EQ(closes, 1);

  s->SetAutoShow(true);
  s->Loaded();
  EXPECT_TRUE(s->Showing()) << "Loaded shows with AutoShow";
  s.reset();  // destroyed while showing: the window goes, OnClose does not fire
  EXPECT_EQ(closes, 1);
}

TEST(SplashLifecycle, ClosesByItsTimeOut) {
  auto s = NormalSplash();
  int closes = 0;
  s->OnClose = [&](QObject*) { ++closes; };
  s->SetCloseOnTimeout(true);
  s->SetTimeOut(100);
  QElapsedTimer clock;
  clock.start();
  s->Show();
  // The time-out set, not the default one, runs; the clock only gives a lower
  // bound, since a loaded machine delays the tick.
  EXPECT_EQ(s->CloseTimer()->interval(), 100);
  ASSERT_TRUE(testsupport::WaitFor([&] { return !s->Showing(); }, 30000));
  EXPECT_GE(clock.elapsed(), 100);
  testsupport::RunEventLoop(150);
  EXPECT_EQ(closes, 1);
  EXPECT_FALSE(s->CloseTimer()->isActive());
}

// The clock gives lower bounds only: a loaded machine makes a tick late, a
// coarse timer may make it early, and the repeats make that likely to show.
TEST(SplashLifecycle, CloseAndFocusTimersNeverFireEarly) {
  QWidget form;
  auto s = NormalSplash(&form);
  s->SetCloseOnTimeout(true);
  s->SetTimeOut(100);
  s->SetFocusParentForm(true);
  QElapsedTimer clock;
  clock.start();
  std::vector<qint64> shown, closed, focused;
  s->OnClose = [&](QObject*) { closed.push_back(clock.elapsed()); };
  QObject::connect(s->FocusTimer(), &QTimer::timeout, [&] { focused.push_back(clock.elapsed()); });
  for (std::size_t k = 0; k < 8; ++k) {
    // Show ends by starting the close timer, just after the last event it
    // delivers: the time of that event bounds the start closely from below.
    {
      EventClock events(clock);
      s->Show();
      shown.push_back(events.last);
    }
    ASSERT_TRUE(testsupport::WaitFor([&] { return focused.size() > k; }, 30000));
  }
  ASSERT_EQ(closed.size(), 8u);
  for (std::size_t k = 0; k < 8; ++k) {
    EXPECT_GE(closed[k], shown[k] + 100) << "run " << k;
    EXPECT_GE(focused[k], closed[k] + 20) << "run " << k << ": the focus timer starts on closing";
  }

  std::vector<qint64> asked, formFocused;
  for (std::size_t k = 0; k < 8; ++k) {
    asked.push_back(clock.elapsed());
    s->SetFocusToForm(&form);
    if (k == 0)
      QObject::connect(s->FocusFormTimer(), &QTimer::timeout, [&] { formFocused.push_back(clock.elapsed()); });
    ASSERT_TRUE(testsupport::WaitFor([&] { return formFocused.size() > k; }, 30000));
  }
  for (std::size_t k = 0; k < 8; ++k) EXPECT_GE(formFocused[k], asked[k] + 20) << "run " << k;
}

TEST(SplashLifecycle, ClosesBeforeTheMainFormHandlesItsShow) {
  RecordingForm form;
  auto s = NormalSplash(&form);
  form.splash = s.get();
  s->Show();
  EXPECT_EQ(s->MainForm(), &form);
  EXPECT_TRUE(s->MainFormChained());
  form.show();
  EXPECT_EQ(form.showingAtShow, std::vector<bool>{false});
  EXPECT_FALSE(s->MainFormChained()) << "the filter is removed on closing";
  form.hide();

  s->SetCloseOnMainFormShow(false);
  s->Show();
  EXPECT_FALSE(s->MainFormChained());
  form.show();
  EXPECT_TRUE(s->Showing()) << "the form's show no longer closes it";
  s->Hide();
  EXPECT_FALSE(s->MainFormChained());
  form.splash = nullptr;
}

TEST(SplashLifecycle, LayeredModeRendersIntoItsBufferAndFades) {
  auto s = NormalSplash();
  s->Fill()->SetOpacity(249);
  s->SetWidth(120);
  s->SetHeight(80);
  s->SetDisplayStyle(dsFadeInOut);
  s->Show();
  TSplashScreenWindow* w = s->SplashWindow();
  ASSERT_NE(w, nullptr);
  EXPECT_TRUE(w->ForcedTransparent());
  EXPECT_EQ(w->Opacity(), 255) << "the layered fade ends at 255";
  EXPECT_TRUE(w->windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_EQ(w->MainBuffer().size(), QSize(120, 80));

  std::vector<int> steps;
  w->OnUpdateLayered = [&](int opacity) { steps.push_back(opacity); };
  w->SetOpacity(5);
  w->RenderLayered();
  w->FadeInLayered(20, 5, 255);
  std::vector<int> expected;
  for (int v = 5; v < 255; v += 20) expected.push_back(v);
  expected.push_back(255);
  EXPECT_EQ(steps, expected);

  steps.clear();
  s->Hide();  // fades out by 20 down to 10
  ASSERT_FALSE(steps.empty());
  EXPECT_EQ(steps.front(), 235);
  EXPECT_EQ(steps.back(), 10);
}

TEST(SplashComponent, FixedValuesAndStyles) {
  TExSplashScreen s;
  EXPECT_EQ(s.Version(), "1.2.0.0");
  s.SetVersion("9");
  EXPECT_EQ(s.Version(), "1.2.0.0");
  EXPECT_EQ(s.GetThemeID(), "TExSplashScreen");
  EXPECT_EQ(s.TimeOut(), 1000);
  EXPECT_EQ(s.DisplayStyle(), dsFadeInOut);
  EXPECT_EQ(s.Width(), 600);
  EXPECT_EQ(s.PictureGap(), 5);
  s.EndUpdate();  // without BeginUpdate: stays at 0
  s.BeginUpdate();
  s.EndUpdate();

  s.Fill()->SetGradientType(gtHatch);
  const QColor before = s.Fill()->Color();
  s.SetComponentStyle(tsCustom);
  EXPECT_EQ(s.Fill()->GradientType(), gtVertical);
  EXPECT_EQ(s.Fill()->Color(), before) << "the custom style only sets the gradient";
  s.SetComponentStyle(tsOffice2007Luna);
  EXPECT_EQ(s.Fill()->Color(), ToQColor(16445929));
  EXPECT_EQ(s.Fill()->BorderColor(), ToQColor(14922381));
  EXPECT_EQ(s.Fill()->GradientMirrorType(), gtVertical);
}

}  // namespace

namespace {

int CountColour(const QImage& image, QRect area, QRgb colour) {
  int n = 0;
  area &= image.rect();
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) n += (image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF);
  return n;
}

TEST(SplashPainting, PanelsAndItemsPaintInBothModes) {
  for (const bool layered : {false, true}) {
    auto s = NormalSplash();
    s->SetWidth(200);
    s->SetHeight(150);
    s->Fill()->SetColor(QColor(Qt::white));
    s->Fill()->SetColorTo(QColor());
    s->Fill()->SetBorderColor(QColor());
    if (layered) s->Fill()->SetOpacity(250);
    TExSplashTopLayerItem* panel = s->TopLayerItems()->Add();
    panel->SetLeft(20);
    panel->SetTop(30);
    panel->SetWidth(40);
    panel->SetHeight(20);
    panel->Fill()->SetColor(QColor(255, 0, 0));
    panel->Fill()->SetColorTo(QColor());
    panel->Fill()->SetBorderColor(QColor());
    TSplashItem* item = s->Items()->Add();
    item->SetPosX(100);
    item->SetPosY(100);
    item->SetText("Item");
    TFont font = item->Font();
    font.Color = clBlue;
    item->SetFont(font);
    s->Show();
    ASSERT_NE(s->SplashWindow(), nullptr);
    const QImage image = layered ? s->SplashWindow()->MainBuffer().convertToFormat(QImage::Format_ARGB32)
                                 : s->SplashWindow()->grab().toImage().convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(CountColour(image, QRect(22, 32, 36, 16), qRgb(255, 0, 0)), 36 * 16) << "panel, layered " << layered;
    EXPECT_EQ(CountColour(image, QRect(70, 32, 20, 16), qRgb(255, 0, 0)), 0);
    int blue = 0;
    for (int y = 100; y < 125; ++y)
      for (int x = 100; x < 140; ++x) blue += qBlue(image.pixel(x, y)) > 150 && qRed(image.pixel(x, y)) < 100;
    EXPECT_GT(blue, 5) << "item text, layered " << layered;
    panel->SetVisible(false);
    s->Refresh();
    const QImage after = layered ? s->SplashWindow()->MainBuffer().convertToFormat(QImage::Format_ARGB32)
                                 : s->SplashWindow()->grab().toImage().convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(CountColour(after, QRect(22, 32, 36, 16), qRgb(255, 0, 0)), 0) << "hidden panel";
  }
}

}  // namespace
