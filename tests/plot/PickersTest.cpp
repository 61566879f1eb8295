// Picker dialogs and the value converter: the converter's pages, the save
// dialog's extension rule, multi-select, the colour dialog's custom colours,
// the "Untitled" start name and the converter picker's round trip.
#include <gtest/gtest.h>

#include <QWidget>

#include "platform/Dialogs.h"
#include "plot/wEditorEdit.h"
#include "plot/wEditorPickers.h"
#include "plot/wPickerDialogs.h"
#include "plot/wValueConverterEditForm.h"

namespace {

using namespace platform;

struct ProviderReset {
  ~ProviderReset() {
    SetFileProvider([](const FileRequest&) { return std::optional<QString>(); });
    SetColorProvider([](const ColorRequest&) { return std::optional<TColor>(); });
    SetEditorModalRunner(nullptr);
  }
};

struct Pages {
  qint64 days, weeks;
  int h, m, s, ms;
  qint64 integer;
  int n32, n256;
};

Pages Read(const TwValueConverterEditForm& f) {
  return {f.DaysEdit->text().toLongLong(), f.WeeksEdit->text().toLongLong(), f.HoursEdit->AsInteger(),
          f.MinutesEdit->AsInteger(),     f.SecondsEdit->AsInteger(),       f.MilliSecondsEdit->AsInteger(),
          f.PriceIntegerEdit->text().toLongLong(), f.Price32ndsEdit->AsInteger(), f.Price256thsEdit->AsInteger()};
}

TEST(ValueConverter, ValueSpreadsOverEveryPage) {
  TwValueConverterEditForm form;
  form.SetValue(1.5);
  Pages p = Read(form);
  EXPECT_EQ(p.days, 1);
  EXPECT_EQ(p.weeks, 0);
  EXPECT_EQ(p.h, 12);
  EXPECT_EQ(p.m, 0);
  EXPECT_EQ(p.s, 0);
  EXPECT_EQ(p.ms, 0);
  EXPECT_EQ(p.integer, 1);
  EXPECT_EQ(p.n32, 16);
  EXPECT_EQ(p.n256, 0);
  EXPECT_EQ(form.DatePicker->date(), QDate(1899, 12, 31));
  EXPECT_EQ(form.TimePicker->time(), QTime(12, 0));

  form.SetValue(100.78125);
  p = Read(form);
  EXPECT_EQ(p.integer, 100);
  EXPECT_EQ(p.n32, 25);
  EXPECT_EQ(p.n256, 0);
  EXPECT_EQ(p.weeks, 14);
  form.SetValue(100.79);
  p = Read(form);
  EXPECT_EQ(p.n32, 25);
  EXPECT_EQ(p.n256, 2);
  EXPECT_DOUBLE_EQ(form.Value(), 100.79);
}

TEST(ValueConverter, AboveTenToTheFourteenOnlyTheFractionReachesIntervalAndDate) {
  TwValueConverterEditForm form;
  form.SetValue(2e14 + 0.25);
  const Pages p = Read(form);
  EXPECT_EQ(p.days, 0);
  EXPECT_EQ(p.h, 6);
  EXPECT_EQ(form.DatePicker->date(), QDate(1899, 12, 30));
  EXPECT_EQ(p.integer, 200000000000000LL);
  EXPECT_EQ(p.n32, 8);
}

// Values a 64-bit integer cannot hold: the value and the fields that can
// hold it show; the whole-number fields stay empty.
TEST(ValueConverter, BeyondSixtyFourBitsTheWholeNumberFieldsStayEmpty) {
  const struct {
    double value;
    bool days;  // the interval's whole part fits
  } cases[] = {{1e20, true}, {-1e20, false}, {9.3e18, true}, {-9.3e18, false}};
  for (const auto& c : cases) {
    TwValueConverterEditForm form;
    form.SetValue(c.value);
    EXPECT_EQ(form.Value(), c.value) << c.value;
    EXPECT_EQ(form.PriceIntegerEdit->text(), QString()) << c.value;
    EXPECT_EQ(form.Price32ndsEdit->AsInteger(), 0) << c.value;
    EXPECT_EQ(form.DaysEdit->text(), c.days ? QStringLiteral("0") : QString()) << c.value;
    EXPECT_EQ(form.WeeksEdit->text(), c.days ? QStringLiteral("0") : QString()) << c.value;
  }
  // The largest whole numbers that fit still show.
  TwValueConverterEditForm form;
  form.SetValue(-9223372036854775808.0);
  EXPECT_EQ(form.PriceIntegerEdit->text(), QStringLiteral("-9223372036854775808"));
  form.SetValue(9e18);
  EXPECT_EQ(form.PriceIntegerEdit->text(), QStringLiteral("9000000000000000000"));
  // 2^63 is one past the largest.
  form.SetValue(9223372036854775808.0);
  EXPECT_EQ(form.PriceIntegerEdit->text(), QString());
}

TEST(ValueConverter, PageEditsRebuildTheValue) {
  TwValueConverterEditForm form;
  form.SetValue(0);
  form.HoursEdit->SetStringWithEvent(QStringLiteral("6"));
  EXPECT_DOUBLE_EQ(form.Value(), 0.25);
  form.WeeksEdit->SetStringWithEvent(QStringLiteral("2"));
  EXPECT_DOUBLE_EQ(form.Value(), 14.25);
  EXPECT_EQ(form.DaysEdit->AsInteger(), 14);
  form.Price32ndsEdit->SetStringWithEvent(QStringLiteral("16"));
  EXPECT_DOUBLE_EQ(form.Value(), 14.5);  // the price page rebuilds without refreshing
  EXPECT_EQ(form.HoursEdit->AsInteger(), 6);
  form.SetAllTo0Button->click();
  EXPECT_DOUBLE_EQ(form.Value(), 0);
}

TEST(SaveDialog, ExtensionRuleAppendsTheChosenPatternsExtension) {
  const QString filter = QStringLiteral("Config (*.cfg)|*.cfg|All Files (*.*)|*.*");
  const struct {
    int index;
    const char* name;
    const char* result;
  } cases[] = {{1, "data", "data.cfg"},       {1, "data.cfg", "data.cfg"}, {1, "data.CFG", "data.CFG"},
               {1, "data.txt", "data.txt.cfg"}, {2, "data", "data"},       {2, "data.txt", "data.txt"}};
  for (const auto& c : cases) {
    TwSaveDialog dialog;
    dialog.Filter = filter;
    dialog.FilterIndex = c.index;
    dialog.FileName = QString::fromUtf8(c.name);
    dialog.ApplyExtensionRule();
    EXPECT_EQ(dialog.FileName, QString::fromUtf8(c.result)) << c.index << " " << c.name;
  }
}

TEST(SaveDialog, ExecuteTakesTheProvidersFileAndFilterEntry) {
  ProviderReset reset;
  FileRequest seen;
  SetFileChoiceProvider([&](const FileRequest& r) -> std::optional<FileChoice> {
    seen = r;
    return FileChoice{{QStringLiteral("/tmp/data")}, 1};
  });
  QWidget window;
  TwSaveDialog dialog(&window);
  dialog.Filter = QStringLiteral("Config (*.cfg)|*.cfg|All Files (*.*)|*.*");
  dialog.FilterIndex = 2;
  ASSERT_TRUE(dialog.Execute());
  EXPECT_EQ(dialog.FileName, QStringLiteral("/tmp/data.cfg"));
  EXPECT_EQ(dialog.FilterIndex, 1);
  EXPECT_EQ(dialog.ReturnExt(), QStringLiteral(".cfg"));
  EXPECT_EQ(seen.filterIndex, 2);
  EXPECT_EQ(seen.filter, QStringLiteral("Config (*.cfg);;All Files (*)"));
  EXPECT_EQ(seen.directory, QStringLiteral("."));
  EXPECT_TRUE(seen.save);
  TwSaveDialog orphan;  // no window above it
  EXPECT_FALSE(orphan.Execute());
}

// One name, one extension: with the annotations' filter and default
// extension "dat", a typed "notes" becomes notes.ano, never notes.dat.ano.
TEST(SaveDialog, TypedNameGetsOneExtension) {
  ProviderReset reset;
  const struct {
    const char* typed;
    int index;
    const char* result;
  } cases[] = {{"/d/notes", 1, "/d/notes.ano"},
               {"/d/notes", 2, "/d/notes.dat"},
               {"/d/notes.ano", 1, "/d/notes.ano"},
               {"/d/notes.txt", 2, "/d/notes.txt"}};
  for (const auto& c : cases) {
    // The provider behaves as the file dialog: a default suffix goes onto a
    // name typed without one.
    SetFileChoiceProvider([&](const FileRequest& r) -> std::optional<FileChoice> {
      QString name = QString::fromUtf8(c.typed);
      if (!r.defaultSuffix.isEmpty() && !name.section('/', -1).contains('.')) name += '.' + r.defaultSuffix;
      return FileChoice{{name}, c.index};
    });
    QWidget window;
    TwSaveDialog dialog(&window);
    dialog.Filter = QStringLiteral("Annotations (*.ano)|*.ano|All Files (*.*)|*.*");
    dialog.DefaultExt = QStringLiteral("dat");
    ASSERT_TRUE(dialog.Execute());
    EXPECT_EQ(dialog.FileName, QString::fromUtf8(c.result)) << c.typed << " " << c.index;
  }
}

TEST(OpenPicker, MultiSelectGivesEveryPathAndStartsOnUntitled) {
  ProviderReset reset;
  FileRequest seen;
  SetFileChoiceProvider([&](const FileRequest& r) -> std::optional<FileChoice> {
    seen = r;
    return FileChoice{{"/d/a.txt", "/d/b.txt", "/d/c.txt"}, 1};
  });
  QWidget window;
  auto* picker = new TwComponentEditorOpenPicker(&window);
  picker->AllowMultiSelect = true;
  picker->FileName = QStringLiteral("/data/");
  int changes = 0;
  picker->OnChange = [&](QObject*) { ++changes; };
  picker->click();
  EXPECT_EQ(seen.fileName, QStringLiteral("/data/Untitled"));
  EXPECT_TRUE(seen.multiSelect);
  EXPECT_EQ(picker->Files(), (QStringList{"/d/a.txt", "/d/b.txt", "/d/c.txt"}));
  EXPECT_EQ(picker->FileName, QStringLiteral("/d/a.txt"));
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(EditorInitialFileName(QStringLiteral("C:\\data\\")), QStringLiteral("C:\\data\\Untitled"));
  EXPECT_EQ(EditorInitialFileName(QString()), QString());

  SetFileChoiceProvider([](const FileRequest&) { return std::optional<FileChoice>(); });
  picker->click();  // cancelled: nothing changes
  EXPECT_EQ(picker->Files().size(), 3);
  EXPECT_EQ(changes, 1);
}

TEST(ColorPicker, DialogStartsWithSixteenWhiteCustomColoursEveryTime) {
  ProviderReset reset;
  std::vector<ColorRequest> seen;
  SetColorProvider([&](const ColorRequest& r) {
    seen.push_back(r);
    return std::optional<TColor>(RGB(0, 128, 0));
  });
  QWidget window;
  auto* picker = new TwComponentEditorColorPicker(&window);
  picker->SetColor(clBtnFace);
  int changes = 0;
  picker->OnChange = [&](QObject*) { ++changes; };
  picker->Button()->click();
  picker->Button()->click();
  ASSERT_EQ(seen.size(), 2u);
  for (const ColorRequest& r : seen) EXPECT_EQ(r.customColors, std::vector<TColor>(16, clWhite));
  EXPECT_EQ(seen[0].color, RGB(240, 240, 240));  // system colour resolved
  EXPECT_EQ(picker->Color(), RGB(0, 128, 0));
  EXPECT_EQ(changes, 2);
}

TEST(ValueConverterPicker, OkWritesTheValueIntoTheEditAsACommit) {
  ProviderReset reset;
  QWidget window;
  auto* edit = new TwComponentEditorEdit(&window);
  edit->setGeometry(5, 5, 80, 21);
  auto* picker = new TwComponentEditorValueConverterPicker(&window);
  picker->SetAssociate(edit);
  EXPECT_EQ(picker->x(), 85);
  picker->DefaultPage = ivcptPrice32nd;
  edit->SetAsFloat(1.5);
  int updates = 0;
  edit->OnUpdate = [&](QObject*) { ++updates; };
  int shownPage = -1;
  SetEditorModalRunner([&](Form& form) {
    auto& converter = dynamic_cast<TwValueConverterEditForm&>(form);
    shownPage = converter.PageControl->currentIndex();
    EXPECT_DOUBLE_EQ(converter.Value(), 1.5);
    converter.Price256thsEdit->SetStringWithEvent(QStringLiteral("2"));
    return int(mrOk);
  });
  picker->click();
  EXPECT_EQ(shownPage, 2);
  EXPECT_DOUBLE_EQ(edit->AsFloat(), 1.5078125);
  EXPECT_EQ(updates, 1);
}

}  // namespace
