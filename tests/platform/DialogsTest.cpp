// The dialog providers: both kinds of file provider serve both entry points,
// and the defaults are replaced and restored per provider. The default
// message box and file window open over the window the user is in.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QMainWindow>
#include <QMessageBox>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "platform/Dialogs.h"

using namespace platform;

namespace {

struct ProviderReset {
  ~ProviderReset() {
    SetMessageProvider([](const MessageRequest& r) { return r.yesNo ? int(mrYes) : int(mrOk); });
    SetFileProvider([](const FileRequest&) { return std::optional<QString>(); });
    SetColorProvider([](const ColorRequest&) { return std::optional<TColor>(); });
    SetPrintDialogProvider([](QPrinter&) { return false; });
    SetClipboardProvider([](const ClipboardData&) {});
  }
};

// Closes the next dialog shown from inside its own loop, noting the window it
// belongs to and where it stood. Gives up after a bounded number of looks.
class ModalCloser : public QObject {
 public:
  ModalCloser() {
    connect(&timer_, &QTimer::timeout, this, [this] { Look(); });
    timer_.start(10);
  }
  bool closed = false;
  QString className;
  QWidget* parent = nullptr;
  QRect geometry;

 private:
  void Look() {
    QDialog* shown = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets())
      if (auto* dialog = qobject_cast<QDialog*>(window); dialog && dialog->isVisible()) shown = dialog;
    if (!shown) {
      if (++looks_ > 3000) timer_.stop();
      return;
    }
    timer_.stop();
    closed = true;
    className = QString::fromLatin1(shown->metaObject()->className());
    parent = shown->parentWidget();
    geometry = shown->frameGeometry();
    shown->reject();
  }
  QTimer timer_;
  int looks_ = 0;
};

}  // namespace

TEST(DefaultDialogs, OpenOverTheActiveWindowElseTheShownMainWindow) {
  ProviderReset reset;
  SetMessageProvider(nullptr);
  SetFileProvider(nullptr);
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());

  QMainWindow main;
  main.setGeometry(40, 40, 500, 400);
  QWidget other;
  other.setGeometry(300, 200, 300, 200);

  enum class Shown { Nothing, MainOnly, MainAndActiveOther };
  const struct {
    Shown shown;
    QWidget* owner;
  } cases[] = {{Shown::Nothing, nullptr}, {Shown::MainOnly, &main}, {Shown::MainAndActiveOther, &other}};
  for (const auto& c : cases) {
    SCOPED_TRACE(int(c.shown));
    // Closing a dialog hands activation back to some window: set it anew each time.
    const auto prepare = [&] {
      main.setVisible(c.shown != Shown::Nothing);
      other.setVisible(c.shown == Shown::MainAndActiveOther);
      if (c.owner != &other) {
        QApplication::setActiveWindow(nullptr);
        return true;
      }
      other.activateWindow();
      QApplication::setActiveWindow(&other);
      return QTest::qWaitForWindowActive(&other);
    };
    ASSERT_TRUE(prepare());
    EXPECT_EQ(DialogParent(), c.owner);
    {
      ModalCloser closer;
      EXPECT_EQ(ShowMessage(MessageRequest{QStringLiteral("t"), QStringLiteral("text"), MessageKind::Warning, true}),
                mrNo);
      ASSERT_TRUE(closer.closed);
      EXPECT_EQ(closer.className, QStringLiteral("QMessageBox"));
      EXPECT_EQ(closer.parent, c.owner);
      // Centred over its window (Qt keeps it a few pixels off for odd sizes).
      if (c.owner) EXPECT_LE((closer.geometry.center() - c.owner->frameGeometry().center()).manhattanLength(), 4);
    }
    ASSERT_TRUE(prepare());
    {
      ModalCloser closer;
      FileRequest request{QStringLiteral("Open"), QStringLiteral("Preset files (*.prs)")};
      request.directory = folder.path();
      EXPECT_FALSE(ChooseFile(request));
      ASSERT_TRUE(closer.closed);
      EXPECT_EQ(closer.className, QStringLiteral("QFileDialog"));
      EXPECT_EQ(closer.parent, c.owner);
    }
  }
}

TEST(DialogProviders, PlainFileProviderAnswersAChoiceWithTheGivenFilterIndex) {
  ProviderReset reset;
  FileRequest seen;
  SetFileProvider([&](const FileRequest& r) {
    seen = r;
    return std::optional<QString>(QStringLiteral("/tmp/a.cfg"));
  });
  // The callers' four-field form still builds.
  FileRequest request{QStringLiteral("t"), QStringLiteral("*.cfg"), QStringLiteral("cfg"), true};
  request.filterIndex = 2;
  request.directory = QStringLiteral("/tmp");
  const std::optional<FileChoice> choice = ChooseFiles(request);
  ASSERT_TRUE(choice);
  EXPECT_EQ(choice->files, QStringList{QStringLiteral("/tmp/a.cfg")});
  EXPECT_EQ(choice->filterIndex, 2);
  EXPECT_EQ(seen.directory, QStringLiteral("/tmp"));
  EXPECT_TRUE(seen.save);
}

TEST(DialogProviders, ChoiceProviderServesChooseFileWithItsFirstFile) {
  ProviderReset reset;
  SetFileChoiceProvider([](const FileRequest& r) -> std::optional<FileChoice> {
    if (!r.multiSelect) return std::nullopt;
    return FileChoice{{QStringLiteral("/d/1"), QStringLiteral("/d/2")}, 3};
  });
  FileRequest request;
  EXPECT_FALSE(ChooseFile(request));
  request.multiSelect = true;
  EXPECT_EQ(ChooseFile(request), std::optional<QString>(QStringLiteral("/d/1")));
  EXPECT_EQ(ChooseFiles(request)->filterIndex, 3);
}

TEST(DialogProviders, ColourPrintAndClipboardReachTheirProviders) {
  ProviderReset reset;
  ColorRequest seen;
  SetColorProvider([&](const ColorRequest& r) {
    seen = r;
    return std::optional<TColor>(RGB(1, 2, 3));
  });
  EXPECT_EQ(ChooseColor({clRed, std::vector<TColor>(16, clWhite)}), std::optional<TColor>(RGB(1, 2, 3)));
  EXPECT_EQ(seen.color, clRed);
  EXPECT_EQ(seen.customColors.size(), 16u);

  QPrinter printer;
  SetPrintDialogProvider([](QPrinter& p) {
    p.setDocName(QStringLiteral("answered"));
    return true;
  });
  EXPECT_TRUE(ShowPrintDialog(printer));
  EXPECT_EQ(printer.docName(), QStringLiteral("answered"));

  ClipboardData got;
  SetClipboardProvider([&](const ClipboardData& d) { got = d; });
  SetClipboard({QImage(4, 3, QImage::Format_RGB32), QStringLiteral("image/jpeg"), QByteArray("xy")});
  EXPECT_EQ(got.image.size(), QSize(4, 3));
  EXPECT_EQ(got.mimeType, QStringLiteral("image/jpeg"));
  EXPECT_EQ(got.bytes, QByteArray("xy"));
}
