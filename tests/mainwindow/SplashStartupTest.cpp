// The main window's splash: it opens when the window is built, in the layered
// mode over the stand-in picture with the form's texts, and closes before the
// window shows.
#include <QApplication>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QTimer>

#include "controls/ExSplashScreen.h"
#include "controls/GdipObjects.h"
#include "controls/SplashScreenWindow.h"
#include "MainWindowFixture.h"
#include "support/UiFixture.h"

using namespace platform;

namespace {

bool IsWhite(QRgb c) { return qRed(c) > 225 && qGreen(c) > 225 && qBlue(c) > 225; }

int CountWhite(const QImage& image, QRect area) {
  int n = 0;
  area &= image.rect();
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) n += IsWhite(image.pixel(x, y));
  return n;
}

// The buffer and the picture agree over the area, the picture one row lower.
bool ShowsOnlyThePicture(const QImage& buffer, const QImage& picture, QRect area) {
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      if (buffer.pixel(x, y) != picture.pixel(x, y - 1)) return false;
  return true;
}

TEST_F(MainWindowTest, SplashOpensWhenTheWindowIsBuiltAndClosesBeforeItShows) {
  TfmMain* main = CreateMain();
  TExSplashScreen* splash = main->asScreen;
  ASSERT_NE(splash, nullptr);
  ASSERT_TRUE(splash->Showing());
  TSplashScreenWindow* window = splash->SplashWindow();
  ASSERT_NE(window, nullptr);
  const QImage picture = splash->Fill()->Picture()->Image();
  ASSERT_FALSE(picture.isNull());
  EXPECT_EQ(window->size(), picture.size() + QSize(2, 2));
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  EXPECT_EQ(window->pos(), QPoint((screen.width() - window->width()) / 2, (screen.height() - window->height()) / 2));
  EXPECT_TRUE(window->isVisible());
  EXPECT_TRUE(window->windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_TRUE(window->windowFlags() & Qt::FramelessWindowHint);
  EXPECT_FALSE(window->isActiveWindow());
  EXPECT_NE(QApplication::activeWindow(), window);
  EXPECT_TRUE(window->ForcedTransparent());
  EXPECT_EQ(window->Opacity(), 255) << "dsNormal: full opacity without fading";
  EXPECT_TRUE(splash->CloseTimer()->isActive());
  EXPECT_EQ(splash->CloseTimer()->interval(), 100);

  main->show();
  EXPECT_FALSE(splash->Showing());
  EXPECT_EQ(splash->SplashWindow(), nullptr);
  EXPECT_FALSE(splash->MainFormChained());
}

TEST_F(MainWindowTest, SplashShowsThePictureWithTheFormsTexts) {
  TfmMain* main = CreateMain();
  TExSplashScreen* splash = main->asScreen;
  ASSERT_NE(splash->SplashWindow(), nullptr);
  TSplashScreenWindow* window = splash->SplashWindow();
  const QImage buffer = window->MainBuffer().convertToFormat(QImage::Format_ARGB32);
  const QImage picture = splash->Fill()->Picture()->Image().convertToFormat(QImage::Format_ARGB32);
  ASSERT_EQ(buffer.size(), picture.size() + QSize(2, 2));

  EXPECT_EQ(qAlpha(buffer.pixel(0, 0)), 0);
  EXPECT_EQ(buffer.pixel(0, 1), picture.pixel(0, 0));

  QImage scratch(10, 10, QImage::Format_ARGB32_Premultiplied);
  QPainter painter(&scratch);
  TGPGraphics g(painter);
  const TProgramInfoPlacement p = window->PlaceProgramInfo(g);
  EXPECT_EQ(p.Name, (TPoint{60, 130}));
  EXPECT_GT(CountWhite(buffer, QRect(60, 130, p.N.cx, p.N.cy)), 50) << "the name";
  EXPECT_GT(CountWhite(buffer, QRect(p.Version.X, p.Version.Y, p.V.cx, p.V.cy)), 10) << "the version";
  const TRect line = splash->ListItems()->Items(0)->DisplayRect();
  EXPECT_EQ(line.Left, 180);
  EXPECT_EQ(line.Top, 210);
  EXPECT_GT(CountWhite(buffer, QRect(180, 210, 300, line.Height())), 50) << "Loading Program....";

  EXPECT_EQ(p.C, (TSize{0, 0}));
  EXPECT_TRUE(ShowsOnlyThePicture(buffer, picture, QRect(340, 340, 100, 20))) << "no copyright";
  EXPECT_TRUE(ShowsOnlyThePicture(buffer, picture, QRect(150, 215, 29, 25))) << "no progress bar";

  // What a user sees: the window over a mid-grey desktop.
  QImage shot(buffer.size(), QImage::Format_ARGB32_Premultiplied);
  shot.fill(QColor(128, 128, 128));
  QPainter(&shot).drawImage(0, 0, window->MainBuffer());
  EXPECT_TRUE(shot.save(QString::fromStdString(testsupport::OutputPath("splash.png"))));
}

// The form places name and version for its original face. Whatever face
// stands in on this machine, neither text covers the other and the version
// stays in the window; the form's places hold where they fit.
TEST_F(MainWindowTest, SplashNameAndVersionNeverOverlap) {
  TfmMain* main = CreateMain();
  TSplashScreenWindow* window = main->asScreen->SplashWindow();
  ASSERT_NE(window, nullptr);
  TBasicProgramInfo* info = main->asScreen->BasicProgramInfo();
  QImage scratch(10, 10, QImage::Format_ARGB32_Premultiplied);
  QPainter painter(&scratch);
  TGPGraphics g(painter);
  auto font = [](const char* face, int height, TFontStyles style) {
    TFont f;
    f.Name = QString::fromLatin1(face);
    f.Height = height;
    f.Style = style;
    return f;
  };
  auto boxes = [&] {
    const TProgramInfoPlacement p = window->PlaceProgramInfo(g);
    return std::pair{QRect(p.Name.X, p.Name.Y, p.N.cx, p.N.cy), QRect(p.Version.X, p.Version.Y, p.V.cx, p.V.cy)};
  };
  // A stand-in of each kind: sans, serif, monospaced (the widest), Chinese.
  for (const char* face : {"Tahoma", "Times New Roman", "Courier New", "SimSun"}) {
    info->ProgramName()->SetFont(font(face, -29, fsBold));
    info->ProgramVersion()->SetFont(font(face, -19, 0));
    const auto [name, version] = boxes();
    ASSERT_FALSE(name.isEmpty()) << face;
    ASSERT_FALSE(version.isEmpty()) << face;
    EXPECT_FALSE(name.intersects(version)) << face;
    EXPECT_TRUE(window->rect().contains(version)) << face;
    EXPECT_EQ(name.topLeft(), QPoint(60, 130)) << face;
  }
  info->ProgramName()->SetFont(font("Tahoma", -20, fsBold));
  info->ProgramVersion()->SetFont(font("Tahoma", -19, 0));
  const auto [name, version] = boxes();
  ASSERT_LT(name.right(), 515) << "a name that ends before the version";
  EXPECT_EQ(version.topLeft(), QPoint(515, 140)) << "keeps the form's place";
}

}  // namespace
