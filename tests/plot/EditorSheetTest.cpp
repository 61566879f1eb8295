// A sheet of the editor controls and windows, written to
// test-output/editor_sheet.png to look at: check boxes, a radio group, edits
// with an up-down, the object list, the pickers, the value converter and the
// preview settings window.
#include <gtest/gtest.h>

#include <QDir>
#include <QPainter>

#include "plot/wEditorControls.h"
#include "plot/wEditorListBox.h"
#include "plot/wEditorPickers.h"
#include "plot/wPlotPreviewForm.h"
#include "plot/wUpDown.h"
#include "plot/wValueConverterEditForm.h"

namespace {

TEST(EditorSheet, WritesTheSheet) {
  QWidget sheet;
  sheet.resize(720, 330);
  sheet.setAutoFillBackground(true);
  auto* check = new TwComponentEditorCheckBox(&sheet);
  check->move(10, 10);
  check->SetCaption(QStringLiteral("Visible"));
  check->SetAsBoolean(true);
  auto* left = new TwComponentEditorCheckBox(&sheet);
  left->move(10, 34);
  left->SetAlignment(taLeftJustify);
  left->SetCaption(QStringLiteral("Force Stacking"));
  auto* off = new TwComponentEditorCheckBox(&sheet);
  off->move(10, 58);
  off->SetCaption(QStringLiteral("Disabled"));
  off->Disable();
  auto* radio = new TwComponentEditorRadioGroup(&sheet);
  radio->setGeometry(10, 84, 180, 80);
  radio->SetCaption(QStringLiteral("Scale Type"));
  radio->SetItems({"Linear", "Log10", "Other", "More", "Last"});
  radio->SetColumns(2);
  radio->SetAsInteger(1);
  auto* edit = new TwComponentEditorEdit(&sheet);
  edit->setGeometry(10, 176, 60, 21);
  edit->SetAsInteger(42);
  auto* upDown = new TwUpDown(&sheet);
  upDown->SetAssociate(edit);
  auto* list = new TwComponentEditorListBox(&sheet);
  list->setGeometry(10, 206, 180, 100);
  for (const char* name : {"Channel 1", "Channel 2", "Channel 3"}) list->AddObject(name, nullptr);
  list->OnGetData = [](int index, bool&, platform::TColor& color, QString&) {
    color = index == 1 ? platform::clBlue : platform::clRed;
  };
  list->SetItemIndex(1);
  auto* color = new TwComponentEditorColorPicker(&sheet);
  color->move(110, 176);
  color->SetColor(platform::clLime);
  auto* font = new TwComponentEditorFontPicker(&sheet);
  font->move(200, 10);
  auto* open = new TwComponentEditorOpenPicker(&sheet);
  open->move(200, 40);

  TwValueConverterEditForm converter;
  converter.SetValue(1.5);
  TwPlotPreviewSettingsForm settings;
  settings.PrintOrientationRadioGroup->SetAsInteger(1);
  settings.PrintMarginTopEdit->SetAsFloat(1);
  settings.PrintMarginLeftEdit->SetAsFloat(1);
  settings.PrintMarginRightEdit->SetAsFloat(1);
  settings.PrintMarginBottomEdit->SetAsFloat(1);
  settings.PrintDocumentNameEdit->SetAsString(QStringLiteral("Untitled"));
  settings.PrintPaperSizeComboBox->SetAsInteger(0);

  QImage img(sheet.width() + converter.width() + settings.width() + 20,
             std::max({sheet.height(), converter.height(), settings.height()}), QImage::Format_RGB32);
  img.fill(Qt::gray);
  {
    QPainter p(&img);
    p.drawPixmap(0, 0, sheet.grab());
    p.drawPixmap(sheet.width() + 10, 0, converter.grab());
    p.drawPixmap(sheet.width() + converter.width() + 20, 0, settings.grab());
  }
  QDir().mkpath(DSP_TEST_OUT);
  const QString file = QStringLiteral(DSP_TEST_OUT) + "/editor_sheet.png";
  ASSERT_TRUE(img.save(file)) << file.toStdString();
  // The checked box's tick is black.
  const platform::TRect box = check->BoxRect();
  EXPECT_EQ(img.pixelColor(10 + box.Left + 5, 10 + box.Top + 8), QColor(0, 0, 0));
}

}  // namespace
