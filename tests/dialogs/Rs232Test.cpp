// The remote-control code builders and the protocol documentation windows.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QScrollBar>
#include <QTextDocument>
#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QPainter>
#include <QTimer>
#include <QWheelEvent>
#include <QtTest/QTest>

#include "DialogFixture.h"
#include "controls/RtfText.h"
#include "dialogs/FRs232Cmd.h"
#include "dialogs/FRs232CmdEnglish.h"
#include "dialogs/FRs232Code.h"
#include "dialogs/FRs232CodeEnglish.h"
#include "dialogs/Rs232Tables.h"
#include "support/UiFixture.h"

namespace rc = remotecode;

namespace {

// A user's pick of an item by its text.
void Pick(QComboBox* box, const QString& item) {
  const int index = box->findText(item);
  ASSERT_GE(index, 0) << item.toStdString() << " in " << box->objectName().toStdString();
  box->setCurrentIndex(index);
  emit box->activated(index);
}

QStringList LabelTexts(QWidget* parent) {
  QStringList texts;
  for (QLabel* l : parent->findChildren<QLabel*>()) texts << l->text();
  return texts;
}

QString OutPath(const QString& name) {
  QDir().mkpath(QStringLiteral(DSP_TEST_OUT));
  return QStringLiteral(DSP_TEST_OUT) + "/" + name;
}

}  // namespace

// The four windows alone: they need no main window but for the language.
class Rs232Test : public ::testing::Test {
 protected:
  void SetUp() override {
    forms.CreateForm(fmRs232Code);
    forms.CreateForm(fmRs232CodeEnglish);
    forms.CreateForm(fmRs232Cmd);
    forms.CreateForm(fmRs232CmdEnglish);
  }
  testsupport::FormCreator forms;
};

// With the main window, for its language and its menu command.
class Rs232MainTest : public DialogTest {
 protected:
  void SetUp() override {
    DialogTest::SetUp();
    forms.CreateForm(fmRs232Code);
    forms.CreateForm(fmRs232CodeEnglish);
    forms.CreateForm(fmRs232Cmd);
    forms.CreateForm(fmRs232CmdEnglish);
  }
};

TEST_F(Rs232Test, BuildersStartAtTheFirstTypeWithTheirOwnTexts) {
  struct Edition {
    TRs232CmdWindow* window;
    const char* caption;
    const char* command;
    const char* rowLabel;
    const char* code;
    const char* decrease;
  };
  const Edition editions[] = {
      {fmRs232CmdEnglish, "RS232 Remote Control Code", " Command ", "Value3 : ", "Remote Control Code", "Decrease"},
      {fmRs232Cmd, "232通讯协议代码", " 命令 ", "数值3 : ", "通讯代码", "递減"},
  };
  for (const Edition& e : editions) {
    TRs232CmdWindow* w = e.window;
    SCOPED_TRACE(e.caption);
    EXPECT_EQ(w->size(), QSize(392, 405));
    EXPECT_EQ(w->windowTitle(), QString::fromUtf8(e.caption));
    EXPECT_EQ(w->gbCommand->title(), QString::fromUtf8(e.command));
    EXPECT_TRUE(LabelTexts(w).contains(QString::fromUtf8(e.rowLabel)));
    EXPECT_EQ(w->lbRemoteCtrl->text(), QString::fromUtf8(e.code));
    EXPECT_EQ(w->List(rc::cb2IncDecSel)->itemText(1), QString::fromUtf8(e.decrease));
    EXPECT_EQ(w->edRemoteCtrl->text(), "7B7D01400000007D7B");
    EXPECT_TRUE(w->edRemoteCtrl->isReadOnly());
    EXPECT_EQ(w->edRemoteCtrl->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(w->edRemoteCtrl->palette().color(QPalette::Base), QColor(223, 255, 255));
    EXPECT_EQ(w->edRemoteCtrl->palette().color(QPalette::Text), QColor(255, 0, 0));
    EXPECT_TRUE(w->edRemoteCtrl->font().bold());
    EXPECT_EQ(w->cbType->count(), 34);
    EXPECT_EQ(w->cbId->currentText(), "1");
    EXPECT_EQ(w->RowFront(1), w->List(rc::cb1FactoryUserSel));
    EXPECT_EQ(w->RowFront(2), w->List(rc::cb2F00Sel));
    EXPECT_EQ(w->RowFront(3), w->List(rc::cb3NullSel));
    EXPECT_FALSE(w->gbMatrix->isVisibleTo(w));
    // What lies in front at each row's place is that row's list.
    for (int row = 1; row <= 3; ++row) {
      QComboBox* front = w->RowFront(row);
      EXPECT_EQ(w->gbParameter->childAt(front->geometry().center()), front) << row;
    }
    EXPECT_FALSE(w->List(rc::cb2F00Sel)->isEnabled());
    for (int i = 0; i < w->List(rc::cb1FactoryUserSel)->count(); ++i) {
      const auto& items = rc::Items(rc::cb1FactoryUserSel, w == fmRs232Cmd);
      EXPECT_EQ(w->List(rc::cb1FactoryUserSel)->itemText(i), QString::fromStdString(items[i]));
    }
  }
  EXPECT_EQ(fmRs232CmdEnglish->cbType->itemText(13), "Get Now Level ");
  EXPECT_EQ(fmRs232Cmd->List(rc::cb3LevelSel)->itemText(0), QString::fromUtf8("關"));
}

TEST_F(Rs232Test, PicksRunTheHandlersAndCodeSelectionsDoNot) {
  TRs232CmdWindow* w = fmRs232CmdEnglish;
  Pick(w->cbType, "Input Volume Control");
  Pick(w->List(rc::cb1InChannelSel), "Input3");
  Pick(w->List(rc::cb2Volume), "+12.0dB");
  EXPECT_EQ(w->edRemoteCtrl->text(), "7B7D01440201907D7B");
  EXPECT_EQ(w->RowFront(2), w->List(rc::cb2Volume));
  EXPECT_TRUE(w->List(rc::cb2Volume)->isVisibleTo(w));
  EXPECT_FALSE(w->List(rc::cb2F00Sel)->isVisibleTo(w));
  // A selection made by code runs no handler.
  w->List(rc::cb2Volume)->setCurrentIndex(0);
  w->cbId->setCurrentIndex(9);
  EXPECT_EQ(w->edRemoteCtrl->text(), "7B7D01440201907D7B");
  Pick(w->cbId, "16");
  EXPECT_EQ(w->edRemoteCtrl->text(), "7B7D10440201907D7B");

  // The matrix box shows for two types only.
  for (int type = 0; type < rc::kTypeCount; ++type) {
    Pick(w->cbType, w->cbType->itemText(type));
    EXPECT_EQ(w->gbMatrix->isVisibleTo(w), type == 21 || type == 33) << type;
  }
  // A box changed by code runs the click handler.
  Pick(w->cbType, "Aux Ch Select Control");
  w->ckb2In[0]->setChecked(true);
  QTest::mouseClick(w->ckb2In[7], Qt::LeftButton);
  EXPECT_TRUE(w->ckb2In[7]->isChecked());
  EXPECT_EQ(w->edRemoteCtrl->text(), "7B7D10560000817D7B");
  Pick(w->cbType, "Gain Control");
  Pick(w->cbType, "Aux Ch Select Control");
  for (QCheckBox* box : w->ckb2In) EXPECT_FALSE(box->isChecked());
  EXPECT_EQ(w->edRemoteCtrl->text(), "7B7D10560000007D7B");
  // The mend: the increase/decrease list follows data 2 back to "Increase".
  Pick(w->cbType, "Sub Gain Control");
  Pick(w->List(rc::cb2IncDecSel), "Decrease");
  Pick(w->List(rc::cb1InOutSel), "Output");
  EXPECT_EQ(w->edRemoteCtrl->text(), "7B7D10470100007D7B");
  EXPECT_EQ(w->List(rc::cb2IncDecSel)->currentText(), "Increase");
  // The other window keeps its own state.
  EXPECT_EQ(fmRs232Cmd->edRemoteCtrl->text(), "7B7D01400000007D7B");
  EXPECT_EQ(fmRs232Cmd->cbType->currentIndex(), 0);
}

TEST_F(Rs232MainTest, ReopeningKeepsTheSelectionsAndTheMenuOpensTheLanguagesBuilder) {
  TRs232CmdWindow* w = fmRs232CmdEnglish;
  Pick(w->cbType, "Matrix Control");
  Pick(w->List(rc::cb1OutChannelSel), "Output5");
  Pick(w->List(rc::cb2InChMatrixSel), "Aux");
  RunModal(w, [w] { w->close(); });
  RunModal(w, [w] { w->close(); });
  EXPECT_EQ(w->edRemoteCtrl->text(), "7B7D014E0408007D7B");
  EXPECT_EQ(w->List(rc::cb1OutChannelSel)->currentText(), "Output5");
  EXPECT_EQ(w->RowFront(2), w->List(rc::cb2InChMatrixSel));

  for (const char* language : {"English", "ChineseGB"}) {
    fmMain->Language = QString::fromLatin1(language);
    QWidget* opened = nullptr;
    QTimer::singleShot(50, [&] {
      opened = QApplication::activeModalWidget();
      if (opened) opened->close();
    });
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] {
      if (QWidget* w = QApplication::activeModalWidget()) w->close();
    });
    guard.start(30000);
    fmMain->Rs232CodeClick(nullptr);
    EXPECT_EQ(opened, language == std::string("English") ? static_cast<QWidget*>(fmRs232CmdEnglish)
                                                         : static_cast<QWidget*>(fmRs232Cmd))
        << language;
  }
}

TEST_F(Rs232Test, DocumentColumnStaysCentredOnResize) {
  for (TRs232CodeWindow* w : {static_cast<TRs232CodeWindow*>(fmRs232CodeEnglish),
                              static_cast<TRs232CodeWindow*>(fmRs232Code)}) {
    w->Show();
    for (auto [width, left] : {std::pair{740, 50}, {749, 50}, {750, 50}, {754, 52}, {755, 52}, {1000, 175}}) {
      w->SetOuterSize(QSize(width, 600));
      EXPECT_EQ(w->RTFLabel->x(), left) << width;
      for (TExImage* image : w->ExImage) EXPECT_EQ(image->x(), left) << width << " " << image->objectName().toStdString();
    }
    w->close();
  }
  // Closing left them 755 wide.
  EXPECT_EQ(fmRs232Code->RTFLabel->geometry(), QRect(52, 8, 630, 5000));
  EXPECT_EQ(fmRs232CodeEnglish->ExImage[28]->geometry(), QRect(52, 209, 630, 81));
  EXPECT_EQ(fmRs232Code->ExImage[29]->geometry(), QRect(52, 3144, 630, 98));
}

// A window the platform has framed: 8-pixel borders, a 31-pixel title bar.
template <typename Window>
class Framed : public Window {
 protected:
  QMargins FrameMargins() const override { return {8, 31, 8, 8}; }
};

// The sizes the window keeps are outer sizes: the client area is smaller by
// the frame, and the column is placed and the page turned by the outer size.
template <typename Window>
void CheckOuterSizes(const QSize& design) {
  const QSize frame(16, 39);
  Framed<Window> w;
  w.Show();
  EXPECT_EQ(w.size(), design - frame);
  EXPECT_EQ(w.OuterSize(), design);
  EXPECT_EQ(w.RTFLabel->x(), design.width() < 750 ? 50 : (design.width() - 750) / 2 + 50);
  QScrollBar* bar = w.Page->verticalScrollBar();
  bar->setValue(100);
  QTest::keyClick(&w, Qt::Key_PageDown);
  EXPECT_EQ(bar->value(), 100 + design.height());
  w.resize(QSize(1000, 600) - frame);
  EXPECT_EQ(w.RTFLabel->x(), 175);
  w.resize(QSize(749, 600) - frame);
  EXPECT_EQ(w.RTFLabel->x(), 50);
  w.close();
  EXPECT_EQ(w.size(), QSize(755, 666) - frame);
  w.Show();
  EXPECT_EQ(w.OuterSize(), QSize(755, 666));
  w.close();
}

TEST_F(Rs232Test, SizesAreOuterSizesWithTheFrame) {
  CheckOuterSizes<TfmRs232CodeEnglish>(QSize(754, 662));
  CheckOuterSizes<TfmRs232Code>(QSize(746, 661));
}

TEST_F(Rs232Test, KeysAndWheelScrollThePage) {
  TRs232CodeWindow* w = fmRs232CodeEnglish;
  w->Show();
  w->SetOuterSize(QSize(754, 662));
  QScrollBar* bar = w->Page->verticalScrollBar();
  ASSERT_GT(bar->maximum(), 4000);
  bar->setValue(100);
  QTest::keyClick(w, Qt::Key_Down);
  EXPECT_EQ(bar->value(), 130);
  QTest::keyClick(w, Qt::Key_Up);
  EXPECT_EQ(bar->value(), 100);
  QTest::keyClick(w, Qt::Key_PageDown);
  EXPECT_EQ(bar->value(), 100 + 662);
  QTest::keyClick(w, Qt::Key_PageUp);
  EXPECT_EQ(bar->value(), 100);
  QTest::keyClick(w, Qt::Key_End);
  QTest::keyClick(w, Qt::Key_Home);
  QTest::keyClick(w, Qt::Key_Escape);
  EXPECT_EQ(bar->value(), 100);
  EXPECT_TRUE(w->isVisible());
  // At the end Page Down stays at the end.
  bar->setValue(bar->maximum() - 10);
  QTest::keyClick(w, Qt::Key_PageDown);
  EXPECT_EQ(bar->value(), bar->maximum());
  QTest::keyClick(w, Qt::Key_PageDown);
  EXPECT_EQ(bar->value(), bar->maximum());
  // The wheel: 30 pixels a notch.
  bar->setValue(300);
  auto wheel = [w](int delta) {
    const QPointF at(100, 100);
    QWheelEvent event(at, w->Page->viewport()->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(w->Page->viewport(), &event);
  };
  wheel(-120);
  EXPECT_EQ(bar->value(), 330);
  wheel(120);
  wheel(120);
  EXPECT_EQ(bar->value(), 270);
  wheel(60);
  EXPECT_EQ(bar->value(), 270);
  wheel(60);
  EXPECT_EQ(bar->value(), 240);
  // Left and right move the horizontal position in a narrow window.
  w->resize(500, 600);
  QScrollBar* across = w->Page->horizontalScrollBar();
  ASSERT_GT(across->maximum(), 30);
  QTest::keyClick(w, Qt::Key_Right);
  EXPECT_EQ(across->value(), 30);
  QTest::keyClick(w, Qt::Key_Left);
  EXPECT_EQ(across->value(), 0);
  w->close();
}

TEST_F(Rs232MainTest, ShowTakesTheCaptionOfTheLanguageAndCloseRestoresTheSize) {
  fmMain->Language = QStringLiteral("ChineseGB");
  fmRs232CodeEnglish->FormShow();
  EXPECT_EQ(fmRs232CodeEnglish->windowTitle(), QString::fromUtf8("232通讯协议代码表"));
  fmMain->Language = QStringLiteral("English");
  fmRs232Code->FormShow();
  EXPECT_EQ(fmRs232Code->windowTitle(), "RS232 Remote Control Code");
  for (TRs232CodeWindow* w : {static_cast<TRs232CodeWindow*>(fmRs232CodeEnglish),
                              static_cast<TRs232CodeWindow*>(fmRs232Code)}) {
    w->Show();
    w->resize(900, 500);
    w->setWindowState(Qt::WindowMaximized);
    w->close();
    EXPECT_EQ(w->OuterSize(), QSize(755, 666));
    EXPECT_EQ(w->windowState(), Qt::WindowNoState);
  }
}

TEST_F(Rs232Test, PicturesLieOverBlankPartsOfTheDocument) {
  for (TRs232CodeWindow* w : {static_cast<TRs232CodeWindow*>(fmRs232CodeEnglish),
                              static_cast<TRs232CodeWindow*>(fmRs232Code)}) {
    SCOPED_TRACE(w->objectName().toStdString());
    // The label's own rendering, alone, must leave every picture's place blank.
    QImage text(w->RTFLabel->size(), QImage::Format_ARGB32);
    text.fill(Qt::transparent);
    {
      QPainter p(&text);
      w->RTFLabel->PaintTo(p);
    }
    const QPoint origin = w->RTFLabel->pos();
    for (TExImage* image : w->ExImage) {
      const QRect place = image->geometry().translated(-origin).intersected(text.rect());
      int inked = 0;
      for (int y = place.top(); y <= place.bottom(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(text.constScanLine(y));
        for (int x = place.left(); x <= place.right(); ++x) inked += qAlpha(line[x]) != 0;
      }
      EXPECT_EQ(inked, 0) << image->objectName().toStdString();
    }
    int inkedRows = 0;
    for (int y = 0; y < text.height(); ++y) {
      const QRgb* line = reinterpret_cast<const QRgb*>(text.constScanLine(y));
      inkedRows += std::any_of(line, line + text.width(), [](QRgb c) { return qAlpha(c) != 0; });
    }
    QTextDocument doc;
    rtf::Read(w->RTFLabel->RichTextBytes(), &doc);
    int lines = 0;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) lines += !b.text().trimmed().isEmpty();
    EXPECT_GT(inkedRows, 600);
    EXPECT_GT(lines, 50);
    // Every picture holds a PNG file and lies over the label.
    for (TExImage* image : w->ExImage) {
      EXPECT_EQ(image->parentWidget()->childAt(image->geometry().center()), image);
      EXPECT_EQ(image->focusPolicy(), Qt::NoFocus);
      ASSERT_FALSE(image->Picture()->GetEmpty());
      EXPECT_TRUE(image->Picture()->Data().startsWith("\x89PNG"));
      EXPECT_TRUE(image->Picture()->GetImageSizes());
      EXPECT_LE(image->Picture()->Height(), image->height());
    }
  }
}

// Pictures of the four windows for a person to read.
TEST_F(Rs232Test, WritesPicturesOfTheWindows) {
  Pick(fmRs232CmdEnglish->cbType, "Group Matrix Control");
  Pick(fmRs232CmdEnglish->List(rc::cb1GroupSel), "Group Output4");
  fmRs232CmdEnglish->ckb2In[0]->setChecked(true);
  fmRs232CmdEnglish->ckb2In[6]->setChecked(true);
  Pick(fmRs232Cmd->cbType, fmRs232Cmd->cbType->itemText(4));
  Pick(fmRs232Cmd->List(rc::cb1InChannelSel), fmRs232Cmd->List(rc::cb1InChannelSel)->itemText(2));
  Pick(fmRs232Cmd->List(rc::cb2Volume), "+0.0dB");
  EXPECT_TRUE(fmRs232CmdEnglish->grab().save(OutPath("rs232-builder-english.png")));
  // The table pictures as the files the windows hold.
  for (int position = 0; position < rs232doc::kPictureCount; ++position)
    for (bool chinese : {false, true}) {
      const rs232doc::PicturePlace& place = rs232doc::Place(position);
      QFile file(OutPath(QStringLiteral("rs232-table-%1-%2.png").arg(position + 1).arg(chinese ? "zh" : "en")));
      ASSERT_TRUE(file.open(QIODevice::WriteOnly));
      file.write(rs232doc::TablePng(position, chinese, chinese ? place.chineseHeight : place.englishHeight));
    }
  EXPECT_TRUE(fmRs232Cmd->grab().save(OutPath("rs232-builder-chinese.png")));
  for (auto [w, name] : {std::pair{static_cast<TRs232CodeWindow*>(fmRs232CodeEnglish), "english"},
                         std::pair{static_cast<TRs232CodeWindow*>(fmRs232Code), "chinese"}}) {
    w->Show();
    for (int page = 0; page < 3; ++page) {
      w->Page->verticalScrollBar()->setValue(page * 1600);
      QApplication::processEvents();
      EXPECT_TRUE(w->grab().save(OutPath(QStringLiteral("rs232-document-%1-%2.png").arg(name).arg(page + 1))));
    }
    w->close();
  }
}
