// TwPlotChannelCustom: the base of the plot's channels. A channel draws its
// points through the axes it names (XAxisName, YAxisName), in its Color; the
// channel manager names a new channel "Channel n", titles it so, gives it the
// next palette colour and the names of X axis 0 and Y axis 0. Clear empties
// its data (the plot's ClearAllData).
#pragma once

#include <QColor>
#include <QString>

#include "plot/wPlotObjects.h"

class TwPlotAxis;
class TwPlotDataCursor;

enum TwPlotDataPointStatus { ipdpsValid, ipdpsNull, ipdpsEmpty };

class TwPlotChannelCustom : public TwPlotManagerObject {
 public:
  TwPlotChannelCustom(TwPlotComponent* AOwner, TwNotifyEvent AOnChange, TwNotifyEvent AOnInsert,
                      TwNotifyEvent AOnRemove, TwNotifyEvent AOnRename);

  QString TitleText() const { return FTitleText; }
  void SetTitleText(const QString& v) { SetStringProperty(v, FTitleText, ipnChange); }
  QColor Color() const { return FColor; }
  void SetColor(const QColor& v);
  QString XAxisName() const { return FXAxisName; }
  void SetXAxisName(const QString& v) { SetStringProperty(v, FXAxisName, ipnChange); }
  QString YAxisName() const { return FYAxisName; }
  void SetYAxisName(const QString& v) { SetStringProperty(v, FYAxisName, ipnChange); }
  // The plot's axes of these names; null when absent.
  TwPlotAxis* XAxis() const;
  TwPlotAxis* YAxis() const;

  virtual void Clear() {}
  // Computes the cursor's values at its pointers and reports them to it.
  virtual void UpdateDataCursor(TwPlotDataCursor* /*DataCursor*/) {}
  void AddMenuItems(TwPlotPopupMenu* PopupMenu) override;
  // Axes renamed in the plot keep their channels.
  void NotificationRename(TwPersistent* Sender) override;

 private:
  QString FTitleText;
  QColor FColor{255, 0, 0};
  QString FXAxisName, FYAxisName;
};
