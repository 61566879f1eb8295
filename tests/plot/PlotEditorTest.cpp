// The plot property editor: lists, enabling, loading and applying, title,
// stats, and the master manager's editor side.
#include <QApplication>
#include <QDir>
#include <QGridLayout>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>

#include "platform/Dialogs.h"
#include "plot/wEditorControls.h"
#include "plot/wEditorEdit.h"
#include "plot/wEditorListBox.h"
#include "plot/wPlot.h"
#include "plot/wPlotAxis.h"
#include "plot/wPlotChannelCustom.h"
#include "plot/wPlotEditorForm.h"
#include "plot/wPlotKinds.h"
#include "plot/wPlotLayoutViewer.h"
#include "plot/wPlotProperties.h"
#include "plot/wUpDown.h"
#include "plot/wXYPlot.h"
#include "plot/wXYPlotChannel.h"

namespace {

using K = TwPlotEditorForm;

struct EditorFixture : ::testing::Test {
  TwXYPlot plot;
  TwPlotEditorForm* f = nullptr;
  void Open() {
    plot.SetEditorFormStyle(ipfsStayOnTop);
    plot.Master()->EditProperties();
    f = plot.Master()->EditorForm();
    ASSERT_NE(f, nullptr);
  }
  void SetUp() override {
    plot.resize(400, 300);
    plot.SetEditorFormStyle(ipfsStayOnTop);
  }
  template <class T>
  T* C(const QString& name) {
    T* c = f->FindControl<T>(name);
    EXPECT_NE(c, nullptr) << name.toStdString();
    return c;
  }
  void Type(TwComponentEditorEdit* e, const QString& text) {
    e->selectAll();
    QTest::keyClicks(e, text);
    QTest::keyClick(e, Qt::Key_Return);
  }
};

// Every registered property of an object as text, nested objects included.
QStringList Dump(const TwPropertyObject& o) {
  QStringList out;
  for (const TwPropertyInfo* i : o.Table->All()) {
    if (i->Kind == tkClass) {
      i->WithObject(o.Object, false, [&](TwPropertyObject n) {
        for (const QString& s : Dump(n)) out << i->Name + "." + s;
      });
    } else {
      out << i->Name + "=" + i->Get(o.Object).toString();
    }
  }
  return out;
}

TEST_F(EditorFixture, EmptyKindsAreDisabledWithUsableAddButtons) {
  Open();
  for (const char* kind : {"Limit", "Table"}) {
    const QString p = QString::fromLatin1(kind);
    EXPECT_FALSE(C<QWidget>(p + "ListBox")->isEnabled()) << kind;
    EXPECT_TRUE(C<QWidget>("w" + p + "AddButton")->isEnabled()) << kind;
    EXPECT_FALSE(C<QWidget>(p + "RemoveButton")->isEnabled()) << kind;
  }
  EXPECT_FALSE(C<QWidget>("LimitLine1PositionEdit")->isEnabled());
  EXPECT_EQ(C<TwComponentEditorEdit>("LimitLine1PositionEdit")->text(), "");
  EXPECT_FALSE(C<QWidget>("LimitVisibleCheckBox")->isEnabled());
  EXPECT_EQ(C<TwComponentEditorComboBox>("LimitStyleComboBox")->currentIndex(), -1);
  EXPECT_FALSE(C<QWidget>("TableRowsMaxEdit")->isEnabled());
  EXPECT_EQ(C<TwComponentEditorEdit>("TableRowsMaxEdit")->text(), "");
  // The populated kinds are enabled and loaded.
  EXPECT_TRUE(C<QWidget>("XAxisSpanEdit")->isEnabled());
  EXPECT_EQ(C<TwComponentEditorEdit>("XAxisSpanEdit")->AsFloat(), plot.XAxis()->Span());
}

TEST_F(EditorFixture, AddAndRemoveLimitsKeepTheSelectionInStep) {
  Open();
  QTest::mouseClick(C<QWidget>("wLimitAddButton"), Qt::LeftButton);
  QTest::mouseClick(C<QWidget>("wLimitAddButton"), Qt::LeftButton);
  QTest::mouseClick(C<QWidget>("wLimitAddButton"), Qt::LeftButton);
  auto* list = f->List(K::ekLimit);
  ASSERT_EQ(plot.LimitCount(), 3);
  EXPECT_EQ(list->Count(), 3);
  EXPECT_EQ(list->ItemIndex(), 2);
  EXPECT_TRUE(C<QWidget>("LimitLine1PositionEdit")->isEnabled());
  EXPECT_EQ(C<TwComponentEditorEdit>("LimitNameEdit")->text(), plot.GetLimit(2)->Name());
  EXPECT_TRUE(C<QWidget>("LimitRemoveButton")->isEnabled());
  // The middle one: its place goes to the next.
  list->SetItemIndex(1);
  f->UpdateLimitEdit();
  const QString third = plot.GetLimit(2)->Name();
  QTest::mouseClick(C<QWidget>("LimitRemoveButton"), Qt::LeftButton);
  EXPECT_EQ(plot.LimitCount(), 2);
  EXPECT_EQ(list->ItemIndex(), 1);
  EXPECT_EQ(C<TwComponentEditorEdit>("LimitNameEdit")->text(), third);
  // The last one: the new last is selected.
  QTest::mouseClick(C<QWidget>("LimitRemoveButton"), Qt::LeftButton);
  EXPECT_EQ(list->ItemIndex(), 0);
  QTest::mouseClick(C<QWidget>("LimitRemoveButton"), Qt::LeftButton);
  EXPECT_EQ(plot.LimitCount(), 0);
  EXPECT_FALSE(C<QWidget>("LimitListBox")->isEnabled());
  EXPECT_FALSE(C<QWidget>("LimitRemoveButton")->isEnabled());
}

TEST_F(EditorFixture, TheTitleLabelCannotBeRemoved) {
  plot.AddLabel();
  Open();
  EXPECT_EQ(f->List(K::ekLabel)->ItemIndex(), 0);
  EXPECT_FALSE(C<QWidget>("LabelRemoveButton")->isEnabled());
  f->List(K::ekLabel)->SetItemIndex(1);
  f->UpdateLabelEdit();
  EXPECT_TRUE(C<QWidget>("LabelRemoveButton")->isEnabled());
}

TEST_F(EditorFixture, XYChannelClassLeavesOutTheTimeSeriesPages) {
  Open();
  auto* pc = f->PageControl(2);
  for (int i = 0; i < pc->count(); ++i) {
    const QString t = pc->tabText(i);
    const bool timeSeries = t == "Fill" || t == "Digital" || t == "High/Low" || t == "Bar";
    EXPECT_EQ(pc->isTabVisible(i), !timeSeries) << t.toStdString();
  }
  EXPECT_TRUE(C<QWidget>("ChannelFastDrawEnabledCheckBox")->isHidden());
  EXPECT_TRUE(C<QWidget>("ChannelInterpolationStyleComboBox")->isHidden());
  EXPECT_FALSE(C<QWidget>("ChannelClipToAxesCheckBox")->isHidden());
}

TEST_F(EditorFixture, LegendFontChangesWithoutChannels) {
  plot.RemoveAllChannels();
  Open();
  auto* picker = C<TwComponentEditorFontPicker>("LegendFontPicker");
  platform::TFont font = picker->Font();
  font.SetSize(17);
  picker->SetFont(font);
  f->LegendChange();
  EXPECT_EQ(plot.Master()->LegendManager()->GetObject(0)->Font().Size(), 17);
}

TEST_F(EditorFixture, ApplyingWritesTheControlsValues) {
  Open();
  // Malformed number text writes 0, which the axis keeps as its least span.
  Type(C<TwComponentEditorEdit>("XAxisSpanEdit"), "abc");
  EXPECT_EQ(plot.XAxis()->Span(), 1e-300);
  Type(C<TwComponentEditorEdit>("XAxisSpanEdit"), "50");
  EXPECT_EQ(plot.XAxis()->Span(), 50);
  // Name lists write their text, "<None>" included.
  auto* xName = C<TwComponentEditorComboBox>("ChannelXAxisNameComboBox");
  EXPECT_EQ(xName->itemText(0), "<None>");
  xName->setCurrentIndex(0);
  EXPECT_EQ(plot.GetChannel(0)->XAxisName(), "<None>");
  // Enumerations by item index.
  C<TwComponentEditorComboBox>("XAxisLabelsFormatStyleComboBox")->setCurrentIndex(2);
  EXPECT_EQ(plot.XAxis()->LabelsFormatStyle(), iptfPrefix);
  // An own date-time format typed into the editable list.
  auto* dt = C<TwComponentEditorComboBox>("XAxisDateTimeFormatComboBox");
  ASSERT_TRUE(dt->isEditable());
  dt->setEditText("yyyy hh");
  EXPECT_EQ(plot.XAxis()->DateTimeFormat(), "yyyy hh");
}

TEST_F(EditorFixture, UpDownBounds) {
  Open();
  struct Case {
    const char* name;
    int min, max;
  } cases[] = {
      {"OuterMarginLeftUpDown", 0, 0},        {"ChannelLayerUpDown", 0, 0},
      {"HintsPauseUpDown", 0, 0},             {"ControlLogBufferSizeEditUpDown", 0, 0},
      {"XAxisLabelsPrecisionUpDown", 0, 1000}, {"XAxisLegendPrecisionUpDown", 0, 1000},
      {"XAxisCursorPrecisionUpDown", 0, 20},  {"YAxisLabelsPrecisionUpDown", 0, 20},
      {"YAxisLegendPrecisionUpDown", 0, 20},  {"XAxisOuterMarginUpDown", -1000, 1000},
  };
  for (const Case& c : cases) {
    auto* u = C<TwUpDown>(c.name);
    if (!u) continue;
    EXPECT_EQ(u->Min(), c.min) << c.name;
    EXPECT_EQ(u->Max(), c.max) << c.name;
  }
}

TEST_F(EditorFixture, LoadingAndApplyingChangesNoProperty) {
  plot.AddLimit();
  plot.AddTable();
  plot.AddDataCursor();
  plot.AddLabel();
  Open();
  for (int k = 0; k < K::ekCount; ++k) {
    TwPlotObject* o = f->Selected(K::Kind(k));
    ASSERT_NE(o, nullptr) << k;
    const QStringList before = Dump(PlotObjectProperties(o));
    f->UpdateKind(K::Kind(k));
    f->ApplyKind(K::Kind(k));
    EXPECT_EQ(Dump(PlotObjectProperties(o)), before) << K::Prefix(K::Kind(k)).toStdString();
  }
}

TEST_F(EditorFixture, StatsShowTheChannelsFigures) {
  auto* ch = plot.GetChannel(0);
  ch->AddXY(1, 10);
  ch->AddXY(2, 20);
  ch->AddXY(3, 30);
  Open();
  QTest::mouseClick(C<QWidget>("ChannelStatsRefreshButton"), Qt::LeftButton);
  auto stat = [&](const QString& caption) {
    for (QLabel* l : f->findChildren<QLabel*>())
      if (l->text() == caption + " =") {
        auto* grid = static_cast<QGridLayout*>(l->parentWidget()->layout());
        int idx = grid->indexOf(l), r, c, rs, cs;
        grid->getItemPosition(idx, &r, &c, &rs, &cs);
        return static_cast<QLabel*>(grid->itemAtPosition(r, c + 1)->widget())->text();
      }
    return QString("?");
  };
  EXPECT_EQ(stat("Point Count"), "3");
  EXPECT_EQ(stat("Point Capacity"), "4");
  EXPECT_EQ(stat("Memory Used"), "96 Bytes");
  EXPECT_EQ(stat("Data Point Size"), "24 Bytes");
  EXPECT_EQ(stat("Max Data Points"), "89478485");
  EXPECT_EQ(stat("X-Min"), plot.XAxis()->GetLabelText(1));
  EXPECT_EQ(stat("X-Max"), plot.XAxis()->GetLabelText(3));
  EXPECT_EQ(stat("Y-Mean"), plot.YAxis()->GetLabelText(20));
  // Without X axis: the general number format.
  ch->SetXAxisName("nothing");
  f->ChannelStatsRefreshButtonClick();
  EXPECT_EQ(stat("X-Mean"), "2");
  // Another channel resets the figures.
  plot.AddChannel();
  EXPECT_EQ(stat("X-Mean"), "Click Refresh");
}

TEST_F(EditorFixture, EditOpensTheKindsPageWithTheObjectSelected) {
  plot.AddXAxis();
  TwPlotXAxis* second = plot.GetXAxis(1);
  second->OnEdit(second);
  f = plot.Master()->EditorForm();
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(f->MainPageControl()->currentWidget(), f->KindPage(K::ekXAxis));
  EXPECT_EQ(f->Selected(K::ekXAxis), second);
  EXPECT_EQ(C<TwComponentEditorEdit>("XAxisNameEdit")->text(), second->Name());
  // A second opening reuses the window.
  plot.Master()->EditProperties();
  EXPECT_EQ(plot.Master()->EditorForm(), f);
}

TEST_F(EditorFixture, RemovalAndRenameReachTheOpenEditor) {
  plot.AddXAxis();
  Open();
  auto* xName = C<TwComponentEditorComboBox>("ChannelXAxisNameComboBox");
  EXPECT_EQ(xName->count(), 3);
  plot.DeleteXAxis(1);
  EXPECT_EQ(f->List(K::ekXAxis)->Count(), 1);
  EXPECT_EQ(xName->count(), 2);
  // Renaming the channel's axis selects the new name.
  const QString old = plot.XAxis()->Name();
  EXPECT_EQ(xName->currentText(), old);
  plot.XAxis()->SetName("Time");
  EXPECT_EQ(xName->currentText(), "Time");
  EXPECT_EQ(xName->findText(old), -1);
}

TEST_F(EditorFixture, TabsAreTranslated) {
  plot.AddTranslation("Channels", QString::fromUtf8("Kanäle"));
  Open();
  auto* main = f->MainPageControl();
  EXPECT_EQ(main->tabText(main->indexOf(f->KindPage(K::ekChannel))), QString::fromUtf8("Kanäle"));
}

TEST_F(EditorFixture, TitlePageWithoutLabelsDoesNothing) {
  Open();
  plot.Master()->LabelManager()->GetObject(0);
  TwPlotObject::Free(plot.GetLabel(0));
  ASSERT_EQ(plot.LabelCount(), 0);
  Type(C<TwComponentEditorEdit>("TitleTextEdit"), "New Title");
  C<TwComponentEditorCheckBox>("TitleVisibleCheckBox")->SetChecked(false);
  EXPECT_EQ(plot.LabelCount(), 0);
}

TEST_F(EditorFixture, TitlePageWritesTheFirstLabel) {
  Open();
  Type(C<TwComponentEditorEdit>("TitleTextEdit"), "New Title");
  EXPECT_EQ(plot.GetLabel(0)->Caption(), "New Title");
  EXPECT_EQ(C<TwComponentEditorEdit>("LabelCaptionEdit")->text(), "New Title");
}

TEST_F(EditorFixture, ControlPageWritesThePlot) {
  Open();
  Type(C<TwComponentEditorEdit>("OuterMarginLeftEdit"), "17");
  EXPECT_EQ(plot.OuterMarginLeft(), 17);
  C<TwComponentEditorComboBox>("CopyToClipBoardFormatComboBox")->setCurrentIndex(2);
  EXPECT_EQ(plot.CopyToClipBoardFormat(), TwPlotExportFormat(2));
}

}  // namespace

namespace {

// Tried as a user would: the toolbar's Edit button opens the editor, a new
// X span rescales the plot at once. Screenshots of both windows.
TEST(PlotEditorTryout, EditButtonOpensTheEditorAndSpanRescales) {
  TwXYPlot plot;
  plot.setWindowTitle("Plot editor try");
  plot.resize(640, 380);
  plot.SetEditorFormStyle(ipfsStayOnTop);
  plot.XAxis()->SetTrackingEnabled(false);
  for (int x = 0; x <= 100; x += 5) plot.GetChannel(0)->AddXY(x, 50 + 30 * std::sin(x / 12.0));
  plot.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&plot));
  QApplication::processEvents();
  TwPlotToolBar* bar = plot.Master()->ToolBarManager()->GetObject(0);
  const platform::TRect r = bar->Button(iptbbtEdit)->DrawRect();
  ASSERT_GT(r.Width(), 0);
  const QPoint at((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
  QTest::mouseMove(&plot, at);
  QTest::mouseClick(&plot, Qt::LeftButton, {}, at);
  TwPlotEditorForm* f = plot.Master()->EditorForm();
  ASSERT_NE(f, nullptr);
  ASSERT_TRUE(f->isVisible());
  f->MainPageControl()->setCurrentWidget(f->KindPage(TwPlotEditorForm::ekXAxis));
  QApplication::processEvents();
  const QImage before = plot.grab().toImage();
  auto* span = f->FindControl<TwComponentEditorEdit>("XAxisSpanEdit");
  span->setFocus();
  span->selectAll();
  QTest::keyClicks(span, "50");
  QTest::keyClick(span, Qt::Key_Return);
  EXPECT_EQ(plot.XAxis()->Span(), 50);
  QApplication::processEvents();
  const QImage after = plot.grab().toImage();
  EXPECT_NE(before, after);
  QDir().mkpath(QStringLiteral(DSP_TEST_OUT));
  EXPECT_TRUE(f->grab().toImage().save(QStringLiteral(DSP_TEST_OUT) + "/plot-editor-xaxes.png"));
  EXPECT_TRUE(after.save(QStringLiteral(DSP_TEST_OUT) + "/plot-editor-plot.png"));
  f->MainPageControl()->setCurrentWidget(f->KindPage(TwPlotEditorForm::ekChannel));
  QApplication::processEvents();
  EXPECT_TRUE(f->grab().toImage().save(QStringLiteral(DSP_TEST_OUT) + "/plot-editor-channels.png"));
}

}  // namespace

namespace {

// Mouse input as the window system delivers it to the layout viewer: a right
// press opens the popup through the context menu event, and the popup takes
// the mouse, so the release never reaches the viewer.
void SendMouse(QWidget* w, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
  QMouseEvent e(type, at, w->mapToGlobal(at), button, held, Qt::NoModifier);
  QApplication::sendEvent(w, &e);
}

void MoveTo(QWidget* w, QPoint at) { SendMouse(w, QEvent::MouseMove, at, Qt::NoButton, Qt::NoButton); }

void RightClickWithPopup(QWidget* w, QPoint at) {
  SendMouse(w, QEvent::MouseButtonPress, at, Qt::RightButton, Qt::RightButton);
  QContextMenuEvent menu(QContextMenuEvent::Mouse, at, w->mapToGlobal(at));
  QApplication::sendEvent(w, &menu);
}

struct LayoutPopupFixture : EditorFixture {
  TwPlotLayoutViewer* v = nullptr;
  void OpenLayout() {
    Open();
    f->MainPageControl()->setCurrentIndex(1);
    f->show();
    QApplication::processEvents();
    v = f->LayoutViewer();
    v->grab();
  }
  QAction* Item(const QString& text) {
    for (QAction* a : f->LayoutPopupMenu()->actions())
      if (a->text() == text) return a;
    return nullptr;
  }
  // The user picks an item: the popup closes, then the item acts.
  void Choose(const QString& text) {
    f->LayoutPopupMenu()->hide();
    Item(text)->trigger();
  }
  static QPoint Mid(const platform::TRect& r) { return QPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2); }
};

TEST_F(LayoutPopupFixture, LayoutPopupFollowsTheObjectUnderThePress) {
  OpenLayout();
  RightClickWithPopup(v, Mid(plot.GetLabel(0)->LayoutRect()));
  EXPECT_TRUE(f->LayoutPopupMenu()->isVisible());
  EXPECT_FALSE(Item("Delete")->isEnabled());
  EXPECT_TRUE(Item("Visible")->isChecked());
  EXPECT_TRUE(Item("Edit")->isEnabled());
  QTest::keyClick(f->LayoutPopupMenu(), Qt::Key_Escape);
  EXPECT_FALSE(f->LayoutPopupMenu()->isVisible());
  RightClickWithPopup(v, Mid(plot.XAxis()->LayoutRect()));
  EXPECT_TRUE(Item("Delete")->isEnabled());
  Choose("Edit");
  EXPECT_EQ(f->MainPageControl()->currentWidget(), f->KindPage(TwPlotEditorForm::ekXAxis));
  f->MainPageControl()->setCurrentIndex(1);
  RightClickWithPopup(v, Mid(plot.XAxis()->LayoutRect()));
  Choose("Visible");
  EXPECT_FALSE(plot.XAxis()->Visible());
  RightClickWithPopup(v, Mid(plot.XAxis()->LayoutRect()));
  Choose("XY-Axes Reverse");
  EXPECT_TRUE(plot.Master()->XYAxesReverse());
}

struct PaintCounter : QObject {
  int paints = 0;
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint) ++paints;
    return false;
  }
};

TEST_F(LayoutPopupFixture, ItemsOfThePopupRepaintTheViewer) {
  OpenLayout();
  PaintCounter counter;
  v->installEventFilter(&counter);
  for (const char* item : {"Add X-Axis", "Add Label"}) {
    RightClickWithPopup(v, QPoint(1, 1));
    QApplication::processEvents();
    counter.paints = 0;
    Choose(item);
    QApplication::processEvents();
    EXPECT_GT(counter.paints, 0) << item;
  }
  EXPECT_EQ(plot.XAxisCount(), 2);
}

// An object removed while the left button drags its end (by code, or a
// keyboard-opened popup): the viewer lets go of it.
TEST_F(LayoutPopupFixture, ObjectRemovedDuringAResizeIsLetGo) {
  const int i = plot.AddXAxis();
  OpenLayout();
  const platform::TRect r = plot.GetXAxis(i)->LayoutRect();
  const QPoint end(r.Left + 2, (r.Top + r.Bottom) / 2);
  MoveTo(v, end);
  SendMouse(v, QEvent::MouseButtonPress, end, Qt::LeftButton, Qt::LeftButton);
  ASSERT_EQ(v->SelectedObject(), plot.GetXAxis(i));
  plot.DeleteXAxis(i);
  EXPECT_EQ(v->SelectedObject(), nullptr);
  int changes = 0;
  v->OnChange = [&](QObject*) { ++changes; };
  SendMouse(v, QEvent::MouseMove, end + QPoint(40, 0), Qt::NoButton, Qt::LeftButton);
  SendMouse(v, QEvent::MouseButtonRelease, end + QPoint(40, 0), Qt::LeftButton, Qt::NoButton);
  EXPECT_EQ(changes, 0);
}

// A right click at an axis' end, where the cursor offers a resize: the popup
// neither arms a resize nor leaves the viewer or the editor holding the axis
// once "Delete" frees it (under AddressSanitizer a stale pointer is a crash).
TEST_F(LayoutPopupFixture, RightClickAtAnEndNeitherResizesNorOutlivesTheObject) {
  TwPlotXAxis* second = plot.GetXAxis(plot.AddXAxis());
  OpenLayout();
  auto atEnd = [&] {
    const platform::TRect r = second->LayoutRect();
    return QPoint(r.Left + 2, (r.Top + r.Bottom) / 2);
  };
  MoveTo(v, atEnd());
  ASSERT_EQ(v->cursor().shape(), Qt::SizeHorCursor);
  const double start = second->StartPercent(), stop = second->StopPercent();
  RightClickWithPopup(v, atEnd());
  EXPECT_EQ(v->SelectedObject(), nullptr);  // a right press picks nothing up
  QTest::keyClick(f->LayoutPopupMenu(), Qt::Key_Escape);
  MoveTo(v, atEnd() + QPoint(v->DataViewRect().Width() / 3, 0));
  EXPECT_EQ(second->StartPercent(), start);
  EXPECT_EQ(second->StopPercent(), stop);
  EXPECT_EQ(v->SelectedObject(), nullptr);
  // A left press whose release some popup took: the next move, without the
  // button, resizes nothing.
  MoveTo(v, atEnd());
  SendMouse(v, QEvent::MouseButtonPress, atEnd(), Qt::LeftButton, Qt::LeftButton);
  MoveTo(v, atEnd() + QPoint(v->DataViewRect().Width() / 3, 0));
  EXPECT_EQ(second->StartPercent(), start);
  EXPECT_EQ(v->SelectedObject(), nullptr);

  MoveTo(v, atEnd());
  RightClickWithPopup(v, atEnd());
  ASSERT_EQ(f->RightClickObject(), second);
  const QPoint at = atEnd();
  const int axes = plot.XAxisCount();
  Choose("Delete");
  EXPECT_EQ(plot.XAxisCount(), axes - 1);
  EXPECT_EQ(f->RightClickObject(), nullptr);
  MoveTo(v, at + QPoint(v->DataViewRect().Width() / 3, 0));
  SendMouse(v, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
  MoveTo(v, at + QPoint(5, 0));
  SendMouse(v, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
  v->grab();
  // The popup now offers only what needs no object.
  RightClickWithPopup(v, QPoint(1, 1));
  EXPECT_FALSE(Item("Delete")->isEnabled());
  f->LayoutPopupMenu()->hide();

  // The popup's object removed elsewhere, then the popup opened from the
  // keyboard (no press to look again): nothing is offered for it.
  const int third = plot.AddXAxis();
  v->grab();
  RightClickWithPopup(v, Mid(plot.GetXAxis(third)->LayoutRect()));
  QTest::keyClick(f->LayoutPopupMenu(), Qt::Key_Escape);
  ASSERT_EQ(f->RightClickObject(), plot.GetXAxis(third));
  plot.DeleteXAxis(third);
  QContextMenuEvent key(QContextMenuEvent::Keyboard, QPoint(1, 1), v->mapToGlobal(QPoint(1, 1)));
  QApplication::sendEvent(v, &key);
  EXPECT_EQ(f->RightClickObject(), nullptr);
  EXPECT_FALSE(Item("Delete")->isEnabled());
  f->LayoutPopupMenu()->hide();
}

}  // namespace

namespace {

TEST_F(EditorFixture, ModalWindowIsFreedAndItsPagesRemembered) {
  plot.SetEditorFormStyle(ipfsModal);
  int opened = 0;
  plot.OnAfterOpenEditor = [&](QObject*) { ++opened; };
  SetEditorModalRunner([&](platform::Form& form) {
    auto* e = dynamic_cast<TwPlotEditorForm*>(&form);
    e->MainPageControl()->setCurrentWidget(e->KindPage(TwPlotEditorForm::ekLimit));
    return 0;
  });
  plot.Master()->EditProperties();
  SetEditorModalRunner(nullptr);
  EXPECT_EQ(plot.Master()->EditorForm(), nullptr);
  EXPECT_EQ(opened, 1);
  // The next opening shows the page last shown.
  plot.SetEditorFormStyle(ipfsStayOnTop);
  Open();
  EXPECT_EQ(f->MainPageControl()->currentWidget(), f->KindPage(TwPlotEditorForm::ekLimit));
}

TEST_F(EditorFixture, StayOnTopWindowReloadsOnActivation) {
  Open();
  plot.XAxis()->SetSpan(42);
  EXPECT_NE(C<TwComponentEditorEdit>("XAxisSpanEdit")->AsFloat(), 42);
  QApplication::setActiveWindow(f);
  QApplication::processEvents();
  if (!f->isActiveWindow()) GTEST_SKIP() << "no window activation on this platform";
  EXPECT_EQ(C<TwComponentEditorEdit>("XAxisSpanEdit")->AsFloat(), 42);
}

}  // namespace

namespace {

// The editor on a time-series plot, with file dialogs answered by a name in
// a temporary folder.
struct TimeSeriesEditor : ::testing::Test {
  TwPlot plot;
  TwPlotEditorForm* f = nullptr;
  QTemporaryDir dir;
  QString answer;
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    platform::SetFileProvider([this](const platform::FileRequest&) { return std::optional<QString>(answer); });
    plot.resize(400, 300);
    plot.SetEditorFormStyle(ipfsStayOnTop);
    plot.Master()->EditProperties();
    f = plot.Master()->EditorForm();
    ASSERT_NE(f, nullptr);
  }
  void TearDown() override {
    platform::SetFileProvider([](const platform::FileRequest&) { return std::optional<QString>(); });
  }
  template <class T>
  T* C(const QString& name) {
    T* c = f->FindControl<T>(name);
    EXPECT_NE(c, nullptr) << name.toStdString();
    return c;
  }
  // Answers the next file dialog with Name in the temporary folder.
  QString Pick(const QString& Picker, const QString& Name) {
    answer = dir.filePath(Name);
    C<TwComponentEditorButton>(Picker)->Click();
    return answer;
  }
  void Press(const QString& Button) {
    auto* b = C<TwComponentEditorButton>(Button);
    ASSERT_TRUE(b->isEnabled()) << Button.toStdString();
    b->Click();
  }
  static QString Read(const QString& Path) {
    QFile file(Path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
  }
};

TEST_F(TimeSeriesEditor, ChannelLogButtonsStartAndStopTheLogNamedByThePicker) {
  TwPlotChannel* c = plot.GetChannel(0);
  const QString path = Pick("ChannelLogFileNamePicker", "channel.log");
  EXPECT_EQ(c->LogFileName(), path);
  EXPECT_EQ(C<TwComponentEditorEdit>("ChannelLogFileNameEdit")->AsString(), path);
  EXPECT_FALSE(C<QWidget>("ChannelLogDeactivateButton")->isEnabled());

  Press("ChannelLogActivateButton");
  EXPECT_TRUE(c->LoggingActive());
  EXPECT_TRUE(QFile::exists(path));
  EXPECT_FALSE(C<QWidget>("ChannelLogActivateButton")->isEnabled());
  EXPECT_FALSE(C<QWidget>("ChannelLogFileNameEdit")->isEnabled());
  EXPECT_FALSE(C<QWidget>("ChannelLogFileNamePicker")->isEnabled());
  c->AddXY(1, 2);
  c->AddXY(3, 4);

  Press("ChannelLogDeactivateButton");
  EXPECT_FALSE(c->LoggingActive());
  EXPECT_TRUE(C<QWidget>("ChannelLogActivateButton")->isEnabled());
  EXPECT_FALSE(C<QWidget>("ChannelLogDeactivateButton")->isEnabled());
  EXPECT_TRUE(C<QWidget>("ChannelLogFileNameEdit")->isEnabled());
  const QString text = Read(path);
  EXPECT_TRUE(text.contains('3') && text.contains('4')) << text.toStdString();

  // A name typed into the edit becomes the picker's start name.
  auto* name = C<TwComponentEditorEdit>("ChannelLogFileNameEdit");
  name->selectAll();
  QTest::keyClicks(name, dir.filePath("typed.log"));
  QTest::keyClick(name, Qt::Key_Return);
  EXPECT_EQ(c->LogFileName(), dir.filePath("typed.log"));
  EXPECT_EQ(C<TwComponentEditorOpenPicker>("ChannelLogFileNamePicker")->FileName, dir.filePath("typed.log"));
  name->selectAll();
  QTest::keyClicks(name, path);
  QTest::keyClick(name, Qt::Key_Return);

  // Activate starts a new file.
  Press("ChannelLogActivateButton");
  Press("ChannelLogDeactivateButton");
  EXPECT_FALSE(Read(path).contains('4')) << Read(path).toStdString();
}

TEST_F(TimeSeriesEditor, ChannelDataAndPropertyFilesGoThroughTheFileIOPickers) {
  TwPlotChannel* c = plot.GetChannel(0);
  c->AddXY(1, 10);
  c->AddXY(2, 20);
  const QString data = Pick("ChannelDataSavePicker", "channel.dat");
  ASSERT_TRUE(QFile::exists(data));
  c->AddXY(3, 30);
  Pick("ChannelDataLoadPicker", "channel.dat");
  ASSERT_EQ(c->Count(), 2);  // the previous points were cleared
  EXPECT_EQ(c->GetDataY(1), 20);

  c->SetFillReference(4.5);
  Pick("ChannelPropertiesSavePicker", "channel.cfg");
  c->SetFillReference(0);
  Pick("ChannelPropertiesLoadPicker", "channel.cfg");
  EXPECT_EQ(c->FillReference(), 4.5);
  EXPECT_EQ(C<TwComponentEditorEdit>("ChannelFillReferenceEdit")->AsFloat(), 4.5);
}

TEST_F(TimeSeriesEditor, ControlPageLogAndDataFiles) {
  const QString log = Pick("ControlLogFileNamePicker", "plot.log");
  EXPECT_EQ(plot.LogFileName(), log);
  EXPECT_FALSE(C<QWidget>("ControlLogDeactivateButton")->isEnabled());
  Press("ControlLogActivateButton");
  EXPECT_TRUE(plot.LoggingActive());
  EXPECT_TRUE(QFile::exists(log));
  EXPECT_FALSE(C<QWidget>("ControlLogActivateButton")->isEnabled());
  EXPECT_FALSE(C<QWidget>("ControlLogFileNameEdit")->isEnabled());
  Press("ControlLogDeactivateButton");
  EXPECT_FALSE(plot.LoggingActive());
  EXPECT_TRUE(C<QWidget>("ControlLogActivateButton")->isEnabled());

  // The frame-rate controls and the column separator are written with the
  // plot's settings.
  auto* rate = C<TwComponentEditorEdit>("UpdateFrameRateEdit");
  EXPECT_EQ(rate->AsInteger(), plot.UpdateFrameRate());
  rate->selectAll();
  QTest::keyClicks(rate, "25");
  QTest::keyClick(rate, Qt::Key_Return);
  EXPECT_EQ(plot.UpdateFrameRate(), 25);
  QTest::mouseClick(C<TwComponentEditorCheckBox>("AutoFrameRateCheckBox"), Qt::LeftButton);
  EXPECT_FALSE(plot.AutoFrameRate());
  auto* sep = C<TwComponentEditorComboBox>("FileColumnSeparatorComboBox");
  sep->setCurrentIndex(1);
  EXPECT_EQ(plot.DataFileColumnSeparator(), ipdfcsComma);

  TwPlotChannel* c = plot.GetChannel(0);
  c->AddXY(1, 10);
  c->AddXY(2, 20);
  const QString data = Pick("DataSavePicker", "plot.dat");
  EXPECT_TRUE(Read(data).contains(',')) << Read(data).toStdString();
  c->AddXY(3, 30);
  Pick("DataLoadPicker", "plot.dat");
  ASSERT_EQ(plot.GetChannel(0)->Count(), 2);
  EXPECT_EQ(plot.GetChannel(0)->GetDataY(1), 20);
}

TEST_F(TimeSeriesEditor, TimeSeriesChannelPagesLoadAndApply) {
  auto* pc = f->PageControl(2);
  for (int i = 0; i < pc->count(); ++i)
    if (QStringList{"Fill", "Digital", "High/Low", "Bar"}.contains(pc->tabText(i)))
      EXPECT_TRUE(pc->isTabVisible(i)) << pc->tabText(i).toStdString();
  EXPECT_FALSE(C<QWidget>("ChannelFastDrawEnabledCheckBox")->isHidden());
  EXPECT_FALSE(C<QWidget>("ChannelInterpolationStyleComboBox")->isHidden());

  TwPlotChannel* c = plot.GetChannel(0);
  c->SetFillEnabled(true);
  c->SetFillReference(2.5);
  c->SetDigitalReferenceHigh(80);
  c->SetInterpolationStyle(ipistCubicSpline);
  f->UpdateChannelEdit();
  EXPECT_TRUE(C<TwComponentEditorCheckBox>("ChannelFillEnabledCheckBox")->AsBoolean());
  EXPECT_EQ(C<TwComponentEditorEdit>("ChannelFillReferenceEdit")->AsFloat(), 2.5);
  EXPECT_EQ(C<TwComponentEditorEdit>("ChannelDigitalReferenceHighEdit")->AsFloat(), 80);
  EXPECT_EQ(C<TwComponentEditorComboBox>("ChannelInterpolationStyleComboBox")->AsInteger(), int(ipistCubicSpline));

  auto* e = C<TwComponentEditorEdit>("ChannelFillReferenceEdit");
  e->selectAll();
  QTest::keyClicks(e, "7");
  QTest::keyClick(e, Qt::Key_Return);
  EXPECT_EQ(c->FillReference(), 7);
  QTest::mouseClick(C<TwComponentEditorCheckBox>("ChannelFillEnabledCheckBox"), Qt::LeftButton);
  EXPECT_FALSE(c->FillEnabled());
  C<TwComponentEditorComboBox>("ChannelInterpolationStyleComboBox")->setCurrentIndex(int(ipistStraightLine));
  EXPECT_EQ(c->InterpolationStyle(), ipistStraightLine);
}

}  // namespace
