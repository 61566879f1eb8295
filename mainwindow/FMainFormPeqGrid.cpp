// The PEQ grids of the channel panels and the Aux page, with the band buttons
// the form lays over each grid's row numbers.
#include "mainwindow/FMainFormKit.h"

#include "controls/UxBmpButton.h"
#include "controls/UxLabel.h"
#include "display/MyPEQAllpassBandPassStop.h"
#include "mainwindow/FMain.h"
#include "platform/Canvas.h"
#include "platform/Graphics.h"

namespace mainform {

void PeqGrid(TfmMain& form, QWidget* parent, const QString& gridName, const QString& bandSuffix, const QRect& r,
             int channel, int rows) {
  auto* grid = form.Create<TMyPEQAllpassBandPassStop>(parent, gridName);
  // The row count first: a grid builds a row's controls when it first lays
  // the row out, and the setters below lay out every shown row.
  grid->SetChannelNumber(rows);
  grid->SetTag(channel);
  grid->SetGroupStyle(gsCustom);
  grid->SetTransparent(true);
  grid->SetUpdownVisable(false);
  grid->SetLabelColor(platform::ToQColor(platform::clBackground));
  grid->SetEditBackColor(platform::ToQColor(platform::clWhite));
  grid->SetBypassBackColor(platform::ToQColor(platform::clSilver));
  // The design's face, 13 pixels high; its stand-in is WenQuanYi.
  platform::TFont face;
  face.Name = QStringLiteral("新細明體");
  face.Height = -13;
  grid->setFont(platform::ToQFont(face));
  grid->setGeometry(r);
  grid->show();
  // Lay the rows out now so the band buttons can cover their numbers.
  grid->RePaint();

  // One band button over each row number; a channel's buttons are one choice.
  for (int band = 0; band < rows; ++band) {
    const QRect number = grid->RowNumber(band)->geometry();
    const QRect at(number.left() - 4, number.top() - 1, 28, number.height() + 2);
    Button(form, grid, QStringLiteral("uxbEq%1").arg(band + 1) + bandSuffix, at, QString::number(band + 1),
           Keys().band, ButtonKind::Radio, channel + 1, band);
  }
}

}  // namespace mainform
