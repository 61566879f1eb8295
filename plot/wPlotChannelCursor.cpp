// TwPlotChannelCustom: the texts of a data cursor's readout.
#include "plot/wPlotChannelCustom.h"
#include "plot/wPlotDataCursor.h"

void TwPlotChannelCustom::BuildDataCursorText(TwPlotDataCursor* DataCursor, TwPlotDataPointStatus Status,
                                              double Y, double X) {
  DataCursorXText.clear();
  DataCursorYText.clear();
  DataCursorXValue = X;
  DataCursorYValue = Y;
  DataCursorStatus = Status;
  QString display;
  if (!XAxis()) {
    DataCursorXText = TranslateText(QStringLiteral("No X-Axis"));
    display = DataCursorXText;
  } else {
    QString yText;
    if (!YAxis()) yText = TranslateText(QStringLiteral("No Y-Axis"));
    else if (Status == ipdpsValid) yText = DataCursorValidYText(Y);
    else yText = TranslateText(Status == ipdpsNull ? QStringLiteral("Null") : QStringLiteral("Empty"));
    switch (DataCursor->Style()) {
      case ipcsValueXY:
        DataCursorXText = GetXValueText(X);
        DataCursorYText = yText;
        display = DataCursorXText + QStringLiteral(", ") + DataCursorYText;
        break;
      case ipcsValueX:
      case ipcsDeltaX:
        DataCursorXText = GetXValueText(X);
        display = DataCursorXText;
        break;
      case ipcsValueY:
        DataCursorYText = yText;
        display = DataCursorYText;
        break;
      case ipcsDeltaY:
        DataCursorYText = YAxis() ? GetYValueText(Y) : TranslateText(QStringLiteral("No Y-Axis"));
        display = DataCursorYText;
        break;
      case ipcsInverseDeltaX:
        DataCursorXText = X < 1e301 ? DataCursorInverseXText(X) : TranslateText(QStringLiteral("Infinite"));
        display = DataCursorXText;
        break;
    }
  }
  DataCursor->SetCursorDisplayText(display);
}
