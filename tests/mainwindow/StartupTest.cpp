#include <QApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QTest>
#include <QToolTip>

#include "controls/UxBmpButton.h"
#include "controls/UxComboBox.h"

#include "display/Plot.h"
#include "mainwindow/LanguageTables.h"
#include "MainWindowFixture.h"
#include "platform/MenuItem.h"
#include "platform/Timer.h"
#include "support/UiFixture.h"

TEST_F(MainWindowTest, StartsInItsStartingState) {
  TfmMain* main = CreateMain();
  EXPECT_EQ(main->windowTitle(), "VELMORA QRV-512 DSP Processor Editor V1.1");
  ASSERT_NE(main->FindControl<QLabel>("lbShowIdNumber"), nullptr);
  EXPECT_EQ(main->FindControl<QLabel>("lbShowIdNumber")->text(), "ID : 1");
  EXPECT_EQ(main->DeviceId, 1);
  EXPECT_EQ(main->CurrentPage, 21);
  EXPECT_EQ(main->DragPoint, -1);
  EXPECT_EQ(main->CompChannel, 8);
  EXPECT_FALSE(main->Initialising);
  EXPECT_EQ(main->OuterSize(), QSize(1126, 725));

  EXPECT_TRUE(main->MenuItem("English")->Checked());
  EXPECT_FALSE(main->MenuItem("ChineseSimplified")->Checked());
  EXPECT_FALSE(main->MenuItem("ChineseTraditional")->Checked());
  EXPECT_TRUE(main->MenuItem("NetworkSetup")->Visible());

  for (const auto& plot : main->Plots) {
    ASSERT_NE(plot, nullptr);
    EXPECT_EQ(plot->PhaseMode, 0);
  }
  EXPECT_TRUE(main->tmStartConnect->Enabled());
  EXPECT_EQ(main->tmStartConnect->Interval(), 300);
  EXPECT_FALSE(main->tmClose->Enabled());
}

TEST_F(MainWindowTest, SendsOneDiscoveryToTheInjectedTargetsOnly) {
  CreateMain();
  const QByteArray expected("Discovery: Who is out there?\0", 29);
  ASSERT_TRUE(testsupport::WaitFor([&] { return multicast.hasPendingDatagrams() && broadcast.hasPendingDatagrams(); }));
  testsupport::RunEventLoop(50);
  EXPECT_EQ(Datagrams(multicast), QList<QByteArray>{expected});
  EXPECT_EQ(Datagrams(broadcast), QList<QByteArray>{expected});
}

TEST_F(MainWindowTest, KeepsItsHintButShowsNoTooltip) {
  TfmMain* main = CreateMain();
  EXPECT_EQ(main->Hint, "VELMORA QRV-512 DSP Processor Editor");
  main->show();
  // A tooltip request over a plot goes up to the window when no control
  // on the way has a tooltip of its own.
  for (const char* name : {"fftDrawGainIn", "uxgFftGain"}) {
    QWidget* control = main->FindControl<QWidget>(name);
    ASSERT_NE(control, nullptr);
    QHelpEvent help(QEvent::ToolTip, QPoint(100, 100), control->mapToGlobal(QPoint(100, 100)));
    QApplication::sendEvent(control, &help);
    EXPECT_FALSE(QToolTip::isVisible()) << name << ": " << QToolTip::text().toStdString();
    QToolTip::hideText();
  }
}

TEST_F(MainWindowTest, ScanEmptiesTheListAndSendsDiscoveryAgain) {
  TfmMain* main = CreateMain();
  ASSERT_TRUE(testsupport::WaitFor([&] { return multicast.hasPendingDatagrams() && broadcast.hasPendingDatagrams(); }));
  testsupport::RunEventLoop(50);
  Datagrams(multicast);  // the discovery of the start
  Datagrams(broadcast);
  auto* scan = main->FindControl<TUxBmpButton>("sbIpScan");
  ASSERT_NE(scan, nullptr);
  EXPECT_FALSE(scan->isEnabled());
  main->AddDiscoveredAddress(QHostAddress("127.0.0.9"));  // a processor answered
  ASSERT_TRUE(scan->isEnabled());

  QTest::mouseClick(scan, Qt::LeftButton);
  const QByteArray expected("Discovery: Who is out there?\0", 29);
  ASSERT_TRUE(testsupport::WaitFor([&] { return multicast.hasPendingDatagrams() && broadcast.hasPendingDatagrams(); }));
  testsupport::RunEventLoop(50);
  EXPECT_EQ(Datagrams(multicast), QList<QByteArray>{expected});
  EXPECT_EQ(Datagrams(broadcast), QList<QByteArray>{expected});
  EXPECT_EQ(main->FindControl<TUxComboBox>("uxcIpAddress")->Count(), 0);
}

TEST_F(MainWindowTest, TranslateSidFollowsTheActiveLanguage) {
  TfmMain* main = CreateMain();
  struct Case {
    const char* key;
    const char* english;
    const char* chinese;
  };
  const Case cases[] = {
      {"SID_EXIT", "Exit", "取消"},
      {"sid_mute", "Mute", "静音"},
      {"SID_LANGUAGE", "语言", "Language"},
      {"SID_NO_SUCH_KEY", "//---------------------- Menu ------------------------",
       "//---------------------- Menu ------------------------"},
  };
  for (const Case& c : cases) EXPECT_EQ(main->TranslateSid(c.key), QString::fromUtf8(c.english)) << c.key;
  main->MenuItem("ChineseSimplified")->Click();
  EXPECT_EQ(main->Language, "ChineseGB");
  EXPECT_TRUE(main->MenuItem("ChineseSimplified")->Checked());
  EXPECT_FALSE(main->MenuItem("English")->Checked());
  for (const Case& c : cases) EXPECT_EQ(main->TranslateSid(c.key), QString::fromUtf8(c.chinese)) << c.key;
  EXPECT_EQ(main->MenuItem("File")->Caption(), "文件");
  main->MenuItem("English")->Click();
  EXPECT_EQ(main->MenuItem("File")->Caption(), "File");
}
