// Plot table: layout, rows shown and scrolling, cells by line, column
// colours, notifications.
#include <gtest/gtest.h>

#include <algorithm>

#include "RecordingDevice.h"
#include "plot/wXYPlot.h"

namespace {

struct TableFixture {
  TwXYPlot plot;
  TwPlotTable* table = plot.GetTable(plot.AddTable());
  RecordingDevice device{600, 400};

  TableFixture() { table->SetDrawRect({10, 10, 300, 300}); }
  std::vector<QString> Draw() {
    device.Clear();
    platform::Canvas canvas(&device);
    table->Draw(canvas, platform::clBlack);
    return device.Texts();
  }
  int Required() {
    platform::Canvas canvas(&device);
    return table->GetRequiredWidth(canvas);
  }
  bool Shows(const QString& text) {
    const auto texts = Draw();
    return std::find(texts.begin(), texts.end(), text) != texts.end();
  }
};

TEST(PlotTable, WithoutRowsOrColumnsNeedsNoRoomAndDrawsNothing) {
  TableFixture f;
  f.table->AddColumn("A");
  EXPECT_EQ(f.Required(), 0);
  f.Draw();
  EXPECT_TRUE(f.device.Ops().empty());
  f.table->RemoveAllColumns();
  f.table->AddRow();
  EXPECT_EQ(f.Required(), 0);
  f.Draw();
  EXPECT_TRUE(f.device.Ops().empty());
}

TEST(PlotTable, RowsMaxShowsSomeRowsAndTheButtonsScroll) {
  TableFixture f;
  f.table->AddColumn("Name");
  for (int i = 0; i < 3; ++i) f.table->SetRowText(f.table->AddRow(), QStringLiteral("row%1").arg(i));
  f.table->SetRowsMax(2);
  EXPECT_GT(f.Required(), 0);
  auto texts = f.Draw();
  EXPECT_EQ(texts, (std::vector<QString>{"Name", "row0", "row1"}));
  TwPlotTableButton* up = f.table->UpButton();
  TwPlotTableButton* down = f.table->DownButton();
  ASSERT_TRUE(up->Visible() && down->Visible());
  EXPECT_FALSE(up->Enabled());
  EXPECT_TRUE(down->Enabled());
  // Right of the grid, up by the first row and down by the last.
  EXPECT_EQ(up->Width(), 17);
  EXPECT_LT(up->Top(), down->Top());

  down->OnClick(down);
  texts = f.Draw();
  EXPECT_EQ(texts, (std::vector<QString>{"Name", "row1", "row2"}));
  EXPECT_TRUE(up->Enabled());
  EXPECT_FALSE(down->Enabled());

  // All rows fit: no buttons, back to the first row.
  f.table->SetRowsMax(0);
  texts = f.Draw();
  EXPECT_EQ(texts, (std::vector<QString>{"Name", "row0", "row1", "row2"}));
  EXPECT_FALSE(up->Visible());
  EXPECT_EQ(f.table->RowDisplayStartIndex(), 0);
}

TEST(PlotTable, LinesOfARowAreItsCells) {
  TableFixture f;
  f.table->AddColumn("A");
  f.table->AddColumn("B");
  f.table->AddColumn("C");
  f.table->SetRowText(f.table->AddRow(), "a1\nb1\r\nc1");
  f.table->SetRowText(f.table->AddRow(), "a2");
  EXPECT_EQ(f.table->GetCellText(1, 0), "b1");
  EXPECT_EQ(f.table->GetCellText(2, 0), "c1");
  EXPECT_EQ(f.table->GetCellText(1, 1), "");
  EXPECT_EQ(f.table->GetCellText(2, 1), "");
  EXPECT_EQ(f.Draw(), (std::vector<QString>{"A", "B", "C", "a1", "b1", "c1", "a2"}));
  // Cells of one row stand left to right in their columns.
  const auto ops = f.device.OfKind(RecordedOp::Text);
  EXPECT_LT(ops[3].points[0].x(), ops[4].points[0].x());
  EXPECT_LT(ops[4].points[0].x(), ops[5].points[0].x());
  EXPECT_GT(ops[6].points[0].y(), ops[3].points[0].y());
}

TEST(PlotTable, AColumnKeepsTheFontColoursItWasAddedWith) {
  TableFixture f;
  platform::TFont font = f.table->DataFont();
  ASSERT_EQ(font.Color, platform::clWhite);
  const int c = f.table->AddColumn("A");
  font.Color = platform::clRed;
  f.table->SetDataFont(font);
  EXPECT_EQ(f.table->Column(c).DataFontColor, platform::clWhite);
  EXPECT_EQ(f.table->Column(c).TitleFontColor, platform::clAqua);
  f.table->SetRowText(f.table->AddRow(), "x");
  f.Draw();
  const auto texts = f.device.OfKind(RecordedOp::Text);
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[1].pen.color(), QColor(Qt::white));
}

TEST(PlotTable, RowsNotifyColumnsDoNot) {
  TableFixture f;
  int changes = 0;
  f.table->OnChange = [&](TwPersistent*) { ++changes; };
  f.table->AddColumn("A");
  f.table->DeleteColumn(0);
  EXPECT_EQ(changes, 0);
  f.table->AddRow();
  EXPECT_EQ(changes, 1);
  f.table->SetRowText(0, "x");
  f.table->SetRowText(0, "x");
  EXPECT_EQ(changes, 2);
  f.table->DeleteRow(0);
  EXPECT_EQ(changes, 3);
}

TEST(PlotTable, NegativeRowsMaxShowsNoRowAndNeedsNoRoom) {
  TableFixture f;
  f.table->AddColumn("A");
  f.table->SetRowText(f.table->AddRow(), "x");
  f.table->SetRowsMax(-1);
  EXPECT_EQ(f.Required(), 0);
  f.Draw();
  EXPECT_TRUE(f.device.Ops().empty());
  EXPECT_FALSE(f.table->UpButton()->Visible());
}

}  // namespace
