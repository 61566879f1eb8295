// TwPlotComponent's configuration file ("Plot Config") and annotations file.
//
// A configuration file holds "File Type = Plot Config", the object counts
// and the data-view placeholders' ZOrders, then one section of property
// lines per object (kinds in a fixed order, prefixes Channel0, XAxis0 ...),
// then the plot's own properties. Loading removes the objects of every kind
// but the toolbars, adds the counted objects and applies each section from
// the top of the file. Counts are checked before anything is removed; the
// layout manager and the update begun for the load end however it ends.
#include <QStringList>

#include <functional>

#include "controls/wPropertyFiles.h"
#include "plot/wPlotAxis.h"
#include "plot/wPlotChannelCustom.h"
#include "plot/wPlotComponent.h"
#include "plot/wPlotDataView.h"
#include "plot/wPlotKinds.h"
#include "plot/wPlotProperties.h"

namespace {

[[noreturn]] void Raise(const QString& Message) { throw TwException(Message.toStdString()); }

template <class F>
void Wrapped(const char* Prefix, F Body) {
  try {
    Body();
  } catch (const std::exception& e) {
    throw TwException(std::string(Prefix) + e.what());
  }
}

int IntegerValue(const QString& Text) {
  bool ok = false;
  const int v = Text.trimmed().toInt(&ok);
  if (!ok) Raise(QStringLiteral("'%1' is not a valid integer value").arg(Text));
  return v;
}

// Drops the lines at the top of Lines that belong to section Prefix.
void DropSection(const QString& Prefix, QStringList& Lines) {
  while (!Lines.isEmpty()) {
    QString name, value;
    SplitNameValue(Lines.first(), QLatin1Char('='), name, value);
    if (StripPathPrefix(Prefix, name) != Prefix) return;
    Lines.removeFirst();
  }
}

// The kinds of a configuration file, in file order.
struct Kind {
  const char* Count;
  const char* Prefix;
};
constexpr Kind kKinds[] = {{"ChannelCount", "Channel"},       {"XAxisCount", "XAxis"},   {"YAxisCount", "YAxis"},
                           {"ToolBarCount", "ToolBar"},       {"LegendCount", "Legend"}, {"TableCount", "Table"},
                           {"LabelCount", "Label"},           {"DataViewCount", "DataView"},
                           {"DataCursorCount", "DataCursor"}, {"LimitCount", "Limit"}};
constexpr int kKindCount = int(std::size(kKinds));

// Ends a load's layout and update on every way out.
struct LoadScope {
  TwPlotComponent* Plot;
  ~LoadScope() {
    Plot->EnableLayoutManager();
    Plot->EndUpdate();
  }
};

}  // namespace

int TwPlotComponent::KindCount(int Kind) const {
  TwPlotObjectManagerCustom* managers[kKindCount] = {
      FMaster->ChannelManager(), FMaster->XAxisManager(),  FMaster->YAxisManager(),    FMaster->ToolBarManager(),
      FMaster->LegendManager(),  FMaster->TableManager(),  FMaster->LabelManager(),    FMaster->DataViewManager(),
      FMaster->DataCursorManager(), FMaster->LimitManager()};
  return managers[Kind] ? managers[Kind]->Count() : 0;
}

TwPlotObject* TwPlotComponent::KindObject(int Kind, int Index) const {
  TwPlotObjectManagerCustom* managers[kKindCount] = {
      FMaster->ChannelManager(), FMaster->XAxisManager(),  FMaster->YAxisManager(),    FMaster->ToolBarManager(),
      FMaster->LegendManager(),  FMaster->TableManager(),  FMaster->LabelManager(),    FMaster->DataViewManager(),
      FMaster->DataCursorManager(), FMaster->LimitManager()};
  return managers[Kind]->GetPlotObject(Index);
}

// ---- configuration file ----

void TwPlotComponent::SavePropertiesToFile(const QString& FileName) {
  RegisterPlotProperties();
  Wrapped("Error Saving Properties - ", [&] {
    QStringList exclusions{QStringLiteral("Name")};
    if (!OptionSaveAllProperties())
      exclusions << QStringLiteral("Left") << QStringLiteral("Top") << QStringLiteral("Width")
                 << QStringLiteral("Height") << QStringLiteral("Align") << QStringLiteral("Cursor")
                 << QStringLiteral("ShowHint") << QStringLiteral("Tag") << QStringLiteral("Visible")
                 << QStringLiteral("Enabled") << QStringLiteral("Hint") << QStringLiteral("HelpContext")
                 << QStringLiteral("HelpKeyword");
    QStringList lines{QStringLiteral("File Type = Plot Config")};
    for (int k = 0; k < kKindCount; ++k) lines << QStringLiteral("%1 = %2").arg(kKinds[k].Count).arg(KindCount(k));
    lines << QStringLiteral("DataViewZHorz = %1").arg(DataViewZHorz())
          << QStringLiteral("DataViewZVert = %1").arg(DataViewZVert());
    for (int k = 0; k < kKindCount; ++k)
      for (int i = 0; i < KindCount(k); ++i)
        SavePropertiesToList(PlotObjectProperties(KindObject(k, i)),
                             QString::fromLatin1(kKinds[k].Prefix) + QString::number(i), lines,
                             FDifferentialPropertySave);
    SavePropertiesToList(TwPropertyRegistry::Of(this), QString(), lines, FDifferentialPropertySave, &exclusions);
    WritePropertyFile(FileName, lines);
  });
  FLastPropertiesFileName = FileName;
  if (OnAfterSaveProperties) OnAfterSaveProperties(this);
}

void TwPlotComponent::LoadPropertiesFromFile(const QString& FileName) {
  RegisterPlotProperties();
  if (OnBeforeLoadProperties) OnBeforeLoadProperties(this);
  Wrapped("Error Loading Properties - ", [&] {
    QStringList lines = ReadPropertyFile(FileName);
    QString value;
    if (!ReadListValue(QStringLiteral("File Type"), value, lines) ||
        value.compare(QStringLiteral("Plot Config"), Qt::CaseInsensitive) != 0)
      Raise(QStringLiteral("Incompatible Plot Configuration File Type"));

    // Counts: every object writes at least its Name, so the sections cannot
    // hold more objects than there are lines left.
    int counts[kKindCount] = {};
    for (int k = 0; k < kKindCount; ++k)
      if (ReadListValue(QString::fromLatin1(kKinds[k].Count), value, lines)) counts[k] = IntegerValue(value);
    bool hasHorz = ReadListValue(QStringLiteral("DataViewZHorz"), value, lines);
    const int zHorz = hasHorz ? IntegerValue(value) : 0;
    QString vert;
    const bool hasVert = ReadListValue(QStringLiteral("DataViewZVert"), vert, lines);
    const int zVert = hasVert ? IntegerValue(vert) : 0;
    qint64 total = 0;
    for (int k = 0; k < kKindCount; ++k) {
      total += counts[k];
      if (counts[k] < 0 || total > lines.size())
        Raise(QStringLiteral("Count out of Range in Line \"%1 = %2\"").arg(kKinds[k].Count).arg(counts[k]));
    }

    DisableLayoutManager();
    BeginUpdate();
    LoadScope scope{this};
    if (hasHorz) SetDataViewZHorz(zHorz);
    if (hasVert) SetDataViewZVert(zVert);
    RemoveAllLegends();
    RemoveAllTables();
    RemoveAllLabels();
    RemoveAllLimits();
    RemoveAllXAxes();
    RemoveAllYAxes();
    RemoveAllDataViews();
    RemoveAllChannels();
    RemoveAllAnnotations();
    RemoveAllDataCursors();

    auto section = [&](int Kind, int Index) { return QString::fromLatin1(kKinds[Kind].Prefix) + QString::number(Index); };
    auto apply = [&](TwPlotObject* Object, int Kind, int Index) {
      LoadPropertiesFromList(PlotObjectProperties(Object), section(Kind, Index), lines);
    };
    const std::function<int()> add[kKindCount] = {
        [this] { return AddChannel(); },    [this] { return AddXAxis(); },   [this] { return AddYAxis(); },
        nullptr,                            [this] { return AddLegend(); },  [this] { return AddTable(); },
        [this] { return AddLabel(); },      [this] { return AddDataView(); }, [this] { return AddDataCursor(); },
        [this] { return AddLimit(); }};
    for (int k = 0; k < kKindCount; ++k) {
      for (int i = 0; i < counts[k]; ++i) {
        if (k == 3) {
          // Toolbars stay: each section goes to toolbar 0, or is dropped
          // without one.
          if (ToolBarCount()) apply(GetToolBar(0), k, i);
          else DropSection(section(k, i), lines);
          continue;
        }
        TwPlotObject* object = nullptr;
        if (k == 6 && i == 0 && LabelCount() > 0) object = GetLabel(0);
        else object = KindObject(k, add[k]());
        // A differential file leaves out red, the declared default.
        if (k == 0) SetPropertyFromString(PlotObjectProperties(object), QStringLiteral("Color"), QStringLiteral("255"));
        apply(object, k, i);
      }
    }
    LoadPropertiesFromList(TwPropertyRegistry::Of(this), QString(), lines);
  });
  FLastPropertiesFileName = FileName;
  if (OnAfterLoadProperties) OnAfterLoadProperties(this);
}

// ---- annotations file ----

void TwPlotComponent::SaveAnnotationsToFile(const QString& FileName) {
  Wrapped("Error Saving Annotations - ", [&] {
    QStringList lines{QStringLiteral("AnnotationCount = %1").arg(AnnotationCount())};
    for (int i = 0; i < AnnotationCount(); ++i)
      SavePropertiesToList(PlotObjectProperties(GetAnnotation(i)), QStringLiteral("Annotation%1").arg(i), lines, true);
    WritePropertyFile(FileName, lines);
  });
}

void TwPlotComponent::LoadAnnotationsFromFile(const QString& FileName) {
  Wrapped("Error Loading Annotations - ", [&] {
    QStringList lines = ReadPropertyFile(FileName);
    QString value;
    const bool counted = ReadListValue(QStringLiteral("AnnotationCount"), value, lines);
    const int count = counted ? IntegerValue(value) : 0;
    if (count < 0 || count > lines.size())
      Raise(QStringLiteral("Count out of Range in Line \"AnnotationCount = %1\"").arg(count));
    BeginUpdate();
    struct End {
      TwPlotComponent* Plot;
      ~End() { Plot->EndUpdate(); }
    } end{this};
    RemoveAllAnnotations();
    for (int i = 0; i < count; ++i)
      LoadPropertiesFromList(PlotObjectProperties(GetAnnotation(AddAnnotation())),
                             QStringLiteral("Annotation%1").arg(i), lines);
  });
}
