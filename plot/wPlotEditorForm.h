// TwPlotEditorForm: the run-time property editor of a plot. One dialog with
// a page per kind of plot object (Control, Layout, Channels, Cursors, Limits,
// Labels, X-Axes, Y-Axes, Legend, Tables, ToolBar, Data View); every value
// the user commits is written into the plot object at once, with no Apply or
// Cancel. The master manager (TwPlotMasterManager::EditProperties) creates
// the window, fills its ten object lists and mirrors later insertions,
// removals and renames into them.
//
// Controls are created through the form's registry and named prefix +
// property + kind (XAxisSpanEdit edits Span of the selected X axis); the
// kind's prefix ("XAxis", "Channel", ...) drives the enabling rule:
// DisableByPrefix / EnableByPrefix walk the controls in creation order and
// switch those whose name starts with the prefix (page controls, tabs and
// labels excepted). An empty list disables its kind's controls, the list and
// its Remove button; the Add buttons (wChannelAddButton, XAxesAddButton, ...)
// stay usable.
//
// Loading (UpdateKind and the named Update...Edit loaders) copies every
// bound property of the selected object into its control through the
// controls' silent setters, so loading never raises a change handler.
// Applying (ApplyKind and the named ...Change handlers) reads every control
// of the kind and writes the selected object through the property registry
// (plot/wPlotProperties.h), fonts last; it does nothing without a selection.
// Properties the object's class does not publish are skipped, so the
// class-dependent channel pages wait for a channel class that has them.
//
// The Title page edits the plot's first label; while the plot has no label
// its handler does nothing. The Stats page shows a channel's store figures
// and running minima, maxima and means after "Refresh".
#pragma once

#include <QPointer>

#include <functional>
#include <vector>

#include "plot/wEditorForm.h"
#include "plot/wEditorPickers.h"

class QLabel;
class QMenu;
class QAction;
class TwComponentEditorEdit;
class TwComponentEditorListBox;
class TwComponentEditorPageControl;
class TwPlotComponent;
class TwPlotLayoutObject;
class TwPlotLayoutViewer;
class TwPlotMasterManager;
class TwPlotObject;
class TwUpDown;
struct TwPropertyObject;

class TwPlotEditorForm : public TwCustomEditorForm {
  Q_OBJECT
 public:
  // The ten object lists, in the order the manager fills them.
  enum Kind { ekToolBar, ekLegend, ekTable, ekXAxis, ekYAxis, ekDataView, ekChannel, ekDataCursor, ekLimit, ekLabel,
              ekCount };
  // The fourteen remembered page controls.
  enum { PageControlCount = 14 };

  explicit TwPlotEditorForm(TwPlotComponent* APlot);
  ~TwPlotEditorForm() override;

  TwPlotMasterManager* Master = nullptr;
  TwPlotComponent* PlotComponent = nullptr;
  bool IsClosing() const { return FIsClosing; }
  // The manager's close handler; runs after the window's own.
  std::function<void()> OnClose;

  static QString Prefix(Kind K);
  // The list kind of a plot object; ekCount for annotations.
  static Kind KindOf(TwPlotObject* Object);
  TwComponentEditorListBox* List(Kind K) const { return FLists[K]; }
  TwPlotObject* Selected(Kind K) const;
  TwComponentEditorPageControl* PageControl(int Index) const { return FPageControls[Index]; }
  TwComponentEditorPageControl* MainPageControl() const { return FPageControls[0]; }
  // The main page of a kind (X-Axes for ekXAxis ...).
  QWidget* KindPage(Kind K) const { return FKindPages[K]; }
  TwPlotLayoutViewer* LayoutViewer() const { return FLayoutViewer; }
  // Adds Object to its kind's list and selects it.
  void AddListObject(TwPlotObject* Object);

  void UpdateAll();
  void UpdateKind(Kind K);
  void UpdateToolBarEdit() { UpdateKind(ekToolBar); }
  void UpdateLegendEdit() { UpdateKind(ekLegend); }
  void UpdateTableEdit() { UpdateKind(ekTable); }
  void UpdateXAxesEdit() { UpdateKind(ekXAxis); }
  void UpdateYAxesEdit() { UpdateKind(ekYAxis); }
  void UpdateDataViewEdit() { UpdateKind(ekDataView); }
  void UpdateChannelEdit() { UpdateKind(ekChannel); }
  void UpdateDataCursorEdit() { UpdateKind(ekDataCursor); }
  void UpdateLimitEdit() { UpdateKind(ekLimit); }
  void UpdateLabelEdit() { UpdateKind(ekLabel); }

  void ApplyKind(Kind K);
  void XAxisChange() { ApplyKind(ekXAxis); }
  void YAxisChange() { ApplyKind(ekYAxis); }
  void ChannelChange() { ApplyKind(ekChannel); }
  void LegendChange() { ApplyKind(ekLegend); }
  void LimitChange() { ApplyKind(ekLimit); }
  void LabelChange() { ApplyKind(ekLabel); }
  void TableChange() { ApplyKind(ekTable); }
  void TitleChange();
  void GeneralChanged();

  // The Control page: loaded from and written to the plot.
  void LoadPlotSettings();
  void ApplyPlotSettings();
  void UpdateLogButtons();

  void DisableByPrefix(const QString& APrefix);
  void EnableByPrefix(const QString& APrefix);

  void XAxisNameComboBoxDropDown();
  void YAxisNameComboBoxDropDown();
  void DataViewGridXAxisNameComboBoxDropDown();
  void DataViewGridYAxisNameComboBoxDropDown();
  void DataCursorChannelNameComboBoxDropDown();
  void ChannelNameComboBoxDropDown();

  void AddObject(Kind K);
  void RemoveObject(Kind K);

  void ChannelStatsRefreshButtonClick();
  // "Click Refresh", or empty without a selected channel.
  void ResetStats();
  // Copies the "(Default)" label format of an axis into its Cursor
  // (Legend false) or Legend controls, then applies the axis.
  void CopyDefault(Kind AxisKind, bool Legend);

  void SetFormTranslationMethod(TFormTranslationMethod Value);
  // The editor's channel pages leave out the time-series pages.
  bool XYChannelClass() const;

  TwPlotLayoutObject* RightClickObject() const { return FRightClickObject; }
  // A plot object is going away: the popup's object and the layout viewer
  // forget it (the manager calls this for every removal).
  void ObjectRemoved(const TwPlotObject* AObject);
  // The Layout page's popup menu: set up for the object under the last
  // press (FRightClickObject) each time it opens.
  QMenu* LayoutPopupMenu() const { return FLayoutPopupMenu; }
  void LayoutPopupMenuPopup();

 protected:
  void FormClose(platform::CloseAction& Action) override;
  void changeEvent(QEvent* e) override;

 private:
  struct Binding {
    QString Property;
    QWidget* Control = nullptr;
    bool Text = false;            // a combo whose text is the value
    bool ClassDependent = false;  // time-series channels only
  };
  friend struct TwEditorPageBuilder;

  void BuildPages();
  void BuildControlPage(QWidget* Page);
  void BuildChannelPages(QWidget* Page);
  void BuildAxisPages(QWidget* Page, Kind K);
  void BuildObjectPages();
  void BuildLegendPages();
  void BuildLayoutPage(QWidget* Page);
  void BindControlFiles();
  void BindChannelFiles();
  void ListGetData(Kind K, int Index, bool& DrawColorBox, platform::TColor& AColor, QString& AText);
  QWidget* ListSide(QWidget* Page, Kind K, const QString& AddName, bool Hidden);

  void LoadBindings(const std::vector<Binding>& Bindings, const TwPropertyObject& Object, bool Channel);
  void ApplyBindings(const std::vector<Binding>& Bindings, const TwPropertyObject& Object, bool Channel);
  void AfterApply(Kind K);
  void FillNames(const QString& ComboName, const QString& First, Kind Names, const QString& Last);
  void RefreshListBox(Kind K);
  void UpdateChannelClassPages();
  void UpdateChannelLogControls();

  bool FIsClosing = false;
  TwPlotLayoutObject* FRightClickObject = nullptr;
  TwComponentEditorListBox* FLists[ekCount] = {};
  QWidget* FKindPages[ekCount] = {};
  std::vector<Binding> FBindings[ekCount];
  std::vector<Binding> FPlotBindings;
  TwComponentEditorPageControl* FPageControls[PageControlCount] = {};
  TwPlotLayoutViewer* FLayoutViewer = nullptr;
  std::vector<QLabel*> FStatsLabels;
  QLabel* FInterpolationLabel = nullptr;
  QMenu* FLayoutPopupMenu = nullptr;
  QAction *FReverseItem = nullptr, *FDeleteItem = nullptr, *FVisibleItem = nullptr, *FEditItem = nullptr;
};
