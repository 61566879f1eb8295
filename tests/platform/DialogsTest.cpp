// The dialog providers: both kinds of file provider serve both entry points,
// and the defaults are replaced and restored per provider.
#include <gtest/gtest.h>

#include <QPrinter>

#include "platform/Dialogs.h"

using namespace platform;

namespace {

struct ProviderReset {
  ~ProviderReset() {
    SetFileProvider([](const FileRequest&) { return std::optional<QString>(); });
    SetColorProvider([](const ColorRequest&) { return std::optional<TColor>(); });
    SetPrintDialogProvider([](QPrinter&) { return false; });
    SetClipboardProvider([](const ClipboardData&) {});
  }
};

}  // namespace

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
