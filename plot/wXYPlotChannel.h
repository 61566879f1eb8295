// TwXYPlotChannel: the channel of the XY plot: a free sequence of (X, Y)
// points drawn in the order they were added, each joined to the next by a
// straight segment (the point-to-point trace of TwPlotChannelCustom), with
// markers. Its draw range is the whole store: a ring buffer draws oldest
// first and never across its seam.
//
// The plot draws it when both axes resolve, it is Visible and holds a point
// (one point shows only its marker). With ClipToAxes the drawing is clipped
// to the rectangle of the two axes' ranges, and segments to the Y range.
// AddNull and AddEmpty append a Null (gap) or Empty (placeholder) point at
// (0, 0) straight to the store, without statistics or tracking.
//
// Zoom to fit: GetFitXMax ... GetFitYMin give the extents of the valid points
// widened by their markers (-1e300 for a maximum and 1e300 for a minimum when
// there is nothing to fit).
//
// Item binding: two "Data" items of an OPC server feed the channel, item 0
// its X (OPCComputerName, OPCServerName, OPCItemName, OPCUpdateRate,
// OPCScalar, OPCOffset, OPCAutoConnect) and item 1 its Y (OPCItem2Name,
// OPCScalar2, OPCOffset2). OPCActivate puts both items in one group of the
// channel's own OPC manager, named by that manager's address (so unique per
// channel); every completed group update adds the point (item 0, item 1). A
// channel inserted into a plot activates itself when OPCAutoConnect is set.
// Without the binding library nothing is bound and OPCActive stays false.
#pragma once

#include <memory>

#include "plot/wPlotChannelCustom.h"

class TwOPCItem;
class TwOPCItemManager;
class TwOPCManager;

class TwXYPlotChannel : public TwPlotChannelCustom {
 public:
  TwXYPlotChannel(TwPlotComponent* AOwner, TwNotifyEvent AOnChange, TwNotifyEvent AOnInsert,
                  TwNotifyEvent AOnRemove, TwNotifyEvent AOnRename);
  ~TwXYPlotChannel() override;

  int AddNull();
  int AddEmpty();

  // ---- item binding ----
  QString OPCComputerName() const;
  void SetOPCComputerName(const QString& Value);
  QString OPCServerName() const;
  void SetOPCServerName(const QString& Value);
  QString OPCItemName() const;
  void SetOPCItemName(const QString& Value);
  int OPCUpdateRate() const;
  void SetOPCUpdateRate(int Value);
  double OPCScalar() const;
  void SetOPCScalar(double Value);
  double OPCOffset() const;
  void SetOPCOffset(double Value);
  double OPCScalar2() const;
  void SetOPCScalar2(double Value);
  double OPCOffset2() const;
  void SetOPCOffset2(double Value);
  bool OPCAutoConnect() const;
  void SetOPCAutoConnect(bool Value);
  QString OPCItem2Name() const;
  void SetOPCItem2Name(const QString& Value);
  bool OPCActive() const;
  bool OPCQualityGood() const;
  void OPCActivate();
  void OPCActivateSuspend();
  void OPCDeactivate();
  void OPCUpdateSuspend();
  void OPCUpdateResume();
  TwOPCManager* OPCManager() const { return FOPCManager.get(); }
  TwOPCItem* OPCItem(int Index) const;

  void DoInsert() override;

  void PrepareDraw(platform::Canvas& Canvas) override;
  void Draw(platform::Canvas& Canvas, platform::TColor BackGroundColor) override;
  void CalcDrawStartIndex() override;
  void CalcDrawStopIndex() override;
  double GetFitXMax() override;
  double GetFitXMin() override;
  double GetFitYMax() override;
  double GetFitYMin() override;
  // The X and Y under the cursor's pointers by its style, through the axes
  // (wXYPlotChannelCursor.cpp).
  void UpdateDataCursor(TwPlotDataCursor* DataCursor) override;

 private:
  // The extreme of Value(i) over the valid points; Start when there is none
  // or nothing to fit.
  template <class F>
  double Fit(double Start, F Value, bool Larger);
  // Each completed group update: the point of the two items' data.
  void OPCAfterGroupUpdate();

  std::unique_ptr<TwOPCManager> FOPCManager;
  std::unique_ptr<TwOPCItemManager> FOPCItemManager;
};
