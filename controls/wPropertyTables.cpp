// The built-in property tables of the instrument controls and of TFont, and
// the registry that finds them.
#include "controls/wProperties.h"

#include <QMetaObject>

#include "controls/wKnob.h"
#include "controls/wLed.h"
#include "controls/wSwitchLed.h"
#include "platform/Canvas.h"
#include "platform/Form.h"

using platform::TColor;
using platform::TFont;

namespace {

// A TColor as the signed 32-bit value the files hold.
qint64 Signed(TColor c) { return qint64(qint32(c)); }
TColor Unsigned(qint64 v) { return TColor(quint32(qint32(v))); }

// A control's QColor as its RGB value; a system colour written to it
// resolves through the fixed table.
qint64 FromColor(const QColor& c) { return Signed(platform::FromQColor(c)); }
QColor ToColor(qint64 v) { return platform::ToQColor(platform::ColorToRGB(Unsigned(v))); }

// Delphi's Visible: true unless hidden on purpose.
bool Shown(const QWidget& w) {
  return !(w.testAttribute(Qt::WA_WState_ExplicitShowHide) && w.testAttribute(Qt::WA_WState_Hidden));
}
void SetShown(QWidget& w, bool v) {
  if (v == Shown(w)) return;
  w.setVisible(v);
}

bool TabStop(const QWidget& w) { return (w.focusPolicy() & Qt::TabFocus) != 0; }
void SetTabStop(QWidget& w, bool v) { w.setFocusPolicy(v ? Qt::StrongFocus : Qt::ClickFocus); }

// Builders for the usual Name()/SetName(v) accessor pairs.
#define W_INT(C, T, N, D) \
  T.Integer<C>(#N, [](C& o) -> qint64 { return o.N(); }, [](C& o, qint64 v) { o.Set##N(int(v)); }, D)
#define W_BOOL(C, T, N, D) T.Boolean<C>(#N, [](C& o) { return bool(o.N()); }, [](C& o, bool v) { o.Set##N(v); }, D)
#define W_FLOAT(C, T, N) T.Float<C>(#N, [](C& o) { return double(o.N()); }, [](C& o, double v) { o.Set##N(v); })
#define W_STRING(C, T, N) \
  T.String<C>(#N, [](C& o) { return QString(o.N()); }, [](C& o, const QString& v) { o.Set##N(v); })
#define W_ENUM(C, T, N, E, Count, D) \
  T.Enumeration<C>(#N, Count, [](C& o) -> qint64 { return o.N(); }, [](C& o, qint64 v) { o.Set##N(E(v)); }, D)
#define W_TCOLOR(C, T, N, D)                                                                  \
  T.Integer<C>(#N, [](C& o) { return Signed(o.N()); }, [](C& o, qint64 v) { o.Set##N(Unsigned(v)); }, \
               Signed(D))
#define W_QCOLOR(C, T, N, D)                                                                      \
  T.Integer<C>(#N, [](C& o) { return FromColor(o.N()); }, [](C& o, qint64 v) { o.Set##N(ToColor(v)); }, \
               Signed(platform::ColorToRGB(D)))
#define W_FONT(C, T, N)                                                                          \
  T.ObjectValue<C, TFont>(#N, &TwPropertyRegistry::FontTable(), [](C& o) { return o.N(); }, \
                          [](C& o, const TFont& v) { o.Set##N(v); })

TwPropertyTable* BuildFont() {
  auto* t = new TwPropertyTable("TFont", nullptr);
  t->Integer<TFont>("Color", [](TFont& f) { return Signed(f.Color); }, [](TFont& f, qint64 v) { f.Color = Unsigned(v); });
  t->Integer<TFont>("Height", [](TFont& f) -> qint64 { return f.Height; }, [](TFont& f, qint64 v) { f.Height = int(v); });
  t->String<TFont>("Name", [](TFont& f) { return f.Name; }, [](TFont& f, const QString& v) { f.Name = v; });
  t->Integer<TFont>("Orientation", [](TFont& f) -> qint64 { return f.Orientation; },
                    [](TFont& f, qint64 v) { f.Orientation = int(v); }, 0);
  t->Integer<TFont>("Size", [](TFont& f) -> qint64 { return f.Size(); }, [](TFont& f, qint64 v) { f.SetSize(int(v)); });
  t->Last().Stored = [](void*) { return false; };  // Height holds it
  t->SetOf<TFont>("Style", 4, [](TFont& f) -> qint64 { return f.Style; },
                  [](TFont& f, qint64 v) { f.Style = platform::TFontStyles(v); });
  return t;
}

TwPropertyTable* BuildComponent() {
  auto* t = new TwPropertyTable("TwComponent", nullptr);
  using C = TwComponent;
  t->String<C>("Name", [](C& o) { return o.objectName(); }, [](C& o, const QString& v) { o.setObjectName(v); });
  t->Integer<C>("Tag", [](C& o) -> qint64 { return platform::Tag(&o); },
                [](C& o, qint64 v) { platform::SetTag(&o, int(v)); }, 0);
  t->Integer<C>("Left", [](C& o) -> qint64 { return o.x(); }, [](C& o, qint64 v) { o.move(int(v), o.y()); });
  t->Integer<C>("Top", [](C& o) -> qint64 { return o.y(); }, [](C& o, qint64 v) { o.move(o.x(), int(v)); });
  t->Integer<C>("Width", [](C& o) -> qint64 { return o.width(); },
                [](C& o, qint64 v) { o.resize(int(v), o.height()); });
  t->Integer<C>("Height", [](C& o) -> qint64 { return o.height(); },
                [](C& o, qint64 v) { o.resize(o.width(), int(v)); });
  t->String<C>("Hint", [](C& o) { return o.toolTip(); }, [](C& o, const QString& v) { o.setToolTip(v); });
  t->Boolean<C>("Visible", [](C& o) { return Shown(o); }, [](C& o, bool v) { SetShown(o, v); }, true);
  t->Boolean<C>("Enabled", [](C& o) { return o.isEnabled(); }, [](C& o, bool v) { o.setEnabled(v); }, true);
  W_BOOL(C, (*t), OptionSaveAllProperties, false);
  W_BOOL(C, (*t), AutoFrameRate, false);
  W_INT(C, (*t), UpdateFrameRate, 60);
  return t;
}

// The TwComponent settings a control publishes as it needs them. The
// background colour is written as stored: clBtnFace as -16777201.
template <class C>
void BackGround(TwPropertyTable& t) {
  t.Integer<C>("BackGroundColor", [](C& o) { return Signed(o.TwComponent::BackGroundColor()); },
               [](C& o, qint64 v) { o.TwComponent::SetBackGroundColor(Unsigned(v)); }, Signed(platform::clBtnFace));
}
template <class C>
void Offsets(TwPropertyTable& t) {
  W_INT(C, t, OffsetX, 0);
  W_INT(C, t, OffsetY, 0);
}
template <class C>
void TransparentProp(TwPropertyTable& t) {
  W_BOOL(C, t, Transparent, false);
}
template <class C>
void TabStopProp(TwPropertyTable& t) {
  t.Boolean<C>("TabStop", [](C& o) { return TabStop(o); }, [](C& o, bool v) { SetTabStop(o, v); }, true);
}

TwPropertyTable* BuildPosition() {
  auto* t = new TwPropertyTable("TwPositionComponent", &TwPropertyRegistry::WinComponentTable());
  using C = TwPositionComponent;
  // The range and the trackers come before Position, so a file loads its
  // position into the range it was saved with.
  W_FLOAT(C, (*t), PositionMin);
  W_FLOAT(C, (*t), PositionMax);
  W_FLOAT(C, (*t), CurrentMin);
  W_FLOAT(C, (*t), CurrentMax);
  W_FLOAT(C, (*t), Position);
  W_BOOL(C, (*t), MinMaxFixed, false);
  return t;
}

TwPropertyTable* BuildScale() {
  auto* t = new TwPropertyTable("TwScaleComponent", &TwPropertyRegistry::PositionComponentTable());
  using C = TwScaleComponent;
  // The scale object's settings, under the names the knob publishes.
  auto& T = *t;
#define S_BOOL(N, D) \
  T.Boolean<C>(#N, [](C& o) { return o.ScaleObject().N(); }, [](C& o, bool v) { o.ScaleObject().Set##N(v); }, D)
#define S_INT(N, D)                                                                \
  T.Integer<C>(#N, [](C& o) -> qint64 { return o.ScaleObject().N(); },          \
               [](C& o, qint64 v) { o.ScaleObject().Set##N(int(v)); }, D)
#define S_TCOLOR(N, D)                                                                 \
  T.Integer<C>(#N, [](C& o) { return Signed(o.ScaleObject().N()); },                \
               [](C& o, qint64 v) { o.ScaleObject().Set##N(Unsigned(v)); }, Signed(D))
  S_BOOL(ShowTicksMajor, true);
  S_BOOL(ShowTicksMinor, true);
  S_BOOL(ShowTickLabels, true);
  S_INT(TickMajorCount, 5);
  S_TCOLOR(TickMajorColor, platform::clBlack);
  S_INT(TickMajorLength, 7);
  T.Enumeration<C>("TickMinorAlignment", 3, [](C& o) -> qint64 { return o.ScaleObject().TickMinorAlignment(); },
                   [](C& o, qint64 v) { o.ScaleObject().SetTickMinorAlignment(TwTickMinorAlignment(v)); },
                   itmnaInside);
  S_INT(TickMinorCount, 4);
  S_TCOLOR(TickMinorColor, platform::clGray);
  S_INT(TickMinorLength, 3);
  S_INT(TickMargin, 5);
  S_INT(TickLabelMargin, 15);
  T.ObjectValue<C, TFont>("TickLabelFont", &TwPropertyRegistry::FontTable(),
                          [](C& o) { return o.ScaleObject().TickLabelFont(); },
                          [](C& o, const TFont& v) { o.ScaleObject().SetTickLabelFont(v); });
  S_INT(TickLabelPrecision, 0);
  T.Enumeration<C>("PrecisionStyle", 2, [](C& o) -> qint64 { return o.ScaleObject().PrecisionStyle(); },
                   [](C& o, qint64 v) { o.ScaleObject().SetPrecisionStyle(TwPrecisionStyle(v)); },
                   ipsFixedDecimalPoints);
#undef S_BOOL
#undef S_INT
#undef S_TCOLOR
  W_BOOL(C, T, AutoScaleEnabled, false);
  W_INT(C, T, AutoScaleDesiredTicks, 5);
  W_INT(C, T, AutoScaleMaxTicks, 6);
  W_ENUM(C, T, AutoScaleStyle, TwAutoScaleStyle, 2, iassAutoMinMax);
  return t;
}

TwPropertyTable* BuildKnob() {
  auto* t = new TwPropertyTable("TwKnob", &TwPropertyRegistry::ScaleComponentTable());
  using C = TwKnob;
  auto& T = *t;
  W_FONT(C, T, PositionDisplayFont);
  W_INT(C, T, PositionDisplayPrecision, 1);
  W_STRING(C, T, PositionDisplayUnits);
  W_QCOLOR(C, T, IndicatorActiveColor, platform::clAqua);
  W_QCOLOR(C, T, IndicatorInactiveColor, platform::clRed);
  W_INT(C, T, IndicatorMargin, 5);
  W_INT(C, T, IndicatorSize, 4);
  W_ENUM(C, T, IndicatorStyle, TwKnobIndicatorStyle, 6, ikisDotLowered);
  W_FLOAT(C, T, KeyArrowStepSize);
  W_FLOAT(C, T, KeyPageStepSize);
  W_FLOAT(C, T, MouseWheelStepSize);
  W_INT(C, T, KnobEdgeWidth, 3);
  W_INT(C, T, KnobRadius, 35);
  W_ENUM(C, T, KnobStyle, TwKnobStyle, 4, iksRaised);
  W_INT(C, T, RotationMaxDegrees, 270);
  W_INT(C, T, RotationStartDegrees, 225);
  W_BOOL(C, T, ShowFocusRect, true);
  W_BOOL(C, T, ShowPostionDisplay, false);
  W_BOOL(C, T, AutoSize, true);
  W_INT(C, T, OuterMargin, 2);
  W_BOOL(C, T, UseKeyboard, true);
  W_BOOL(C, T, ShowDisabledState, true);
  BackGround<C>(T);
  Offsets<C>(T);
  TransparentProp<C>(T);
  W_BOOL(C, T, CachedDrawing, true);
  TabStopProp<C>(T);
  W_QCOLOR(C, T, Color, platform::clWindow);
  return t;
}

TwPropertyTable* BuildLed() {
  auto* t = new TwPropertyTable("TwLed", &TwPropertyRegistry::WinComponentTable());
  using C = TwLed;
  auto& T = *t;
  W_BOOL(C, T, Active, false);
  W_QCOLOR(C, T, ActiveColor, platform::clLime);
  W_BOOL(C, T, AutoInactiveColor, true);
  W_QCOLOR(C, T, InactiveColor, platform::RGB(0, 85, 0));
  W_ENUM(C, T, BevelStyle, TwBevelStyle, 3, ibsLowered);
  return t;
}

TwPropertyTable* BuildLedRound() {
  auto* t = new TwPropertyTable("TwLedRound", &TwPropertyRegistry::LedTable());
  using C = TwLedRound;
  W_BOOL(C, (*t), ShowReflection, true);
  BackGround<C>(*t);
  TransparentProp<C>(*t);
  return t;
}

TwPropertyTable* BuildLedRectangle() {
  auto* t = new TwPropertyTable("TwLedRectangle", &TwPropertyRegistry::LedTable());
  using C = TwLedRectangle;
  auto& T = *t;
  W_STRING(C, T, CenterLabelText);
  W_FONT(C, T, CenterLabelFont);
  W_QCOLOR(C, T, CenterLabelFontActiveColor, platform::clBlack);
  W_QCOLOR(C, T, CenterLabelFontInactiveColor, platform::clWhite);
  W_BOOL(C, T, CenterLabelWordWrap, false);
  W_INT(C, T, CenterLabelEndsMargin, 5);
  W_ENUM(C, T, CenterLabelAlignment, TwAlignmentHorizontal, 3, iahCenter);
  W_BOOL(C, T, ShowReflection, true);
  return t;
}

TwPropertyTable* BuildSwitchLed() {
  auto* t = new TwPropertyTable("TwSwitchLed", &TwPropertyRegistry::WinComponentTable());
  using C = TwSwitchLed;
  auto& T = *t;
  W_BOOL(C, T, Active, false);
  W_QCOLOR(C, T, ActiveColor, platform::clLime);
  W_BOOL(C, T, AutoLedSize, true);
  W_STRING(C, T, Caption);
  W_FONT(C, T, CaptionFont);
  W_INT(C, T, CaptionMargin, 2);
  W_ENUM(C, T, CaptionAlignment, TwSwitchLedCaptionAlignment, 2, islcaIndicator);
  W_ENUM(C, T, IndicatorAlignment, TwSideAlignment, 4, isaBottom);
  W_ENUM(C, T, MomentaryStyle, TwSwitchMomentaryStyle, 2, ismsNone);
  W_INT(C, T, IndicatorHeight, 4);
  W_INT(C, T, IndicatorMargin, 5);
  W_INT(C, T, IndicatorWidth, 10);
  W_BOOL(C, T, ShowFocusRect, true);
  W_BOOL(C, T, WordWrap, false);
  W_INT(C, T, BorderSize, 2);
  W_TCOLOR(C, T, BorderHighlightColor, platform::clBtnHighlight);
  W_TCOLOR(C, T, BorderShadowColor, platform::clBtnShadow);
  TabStopProp<C>(T);
  BackGround<C>(T);
  return t;
}

}  // namespace

// ---- TwPropertyInfo, TwPropertyTable ---------------------------------------

void TwPropertyInfo::WithObject(void* Owner, bool Write, const std::function<void(TwPropertyObject)>& Fn) const {
  if (Kind != tkClass || !ClassTable) return;
  if (Reference) {
    if (void* o = Reference(Owner)) Fn({o, ClassTable});
  } else if (ByValue) {
    ByValue(Owner, Write, [&](void* o) { Fn({o, ClassTable}); });
  }
}

std::vector<const TwPropertyInfo*> TwPropertyTable::All() const {
  std::vector<const TwPropertyInfo*> all = FBase ? FBase->All() : std::vector<const TwPropertyInfo*>{};
  for (const TwPropertyInfo& i : FOwn) all.push_back(&i);
  return all;
}

const TwPropertyInfo* TwPropertyTable::Find(const QString& Name) const {
  for (const TwPropertyInfo& i : FOwn)
    if (i.Name.compare(Name, Qt::CaseInsensitive) == 0) return &i;
  return FBase ? FBase->Find(Name) : nullptr;
}

// ---- registry ----------------------------------------------------------------

std::map<QString, const TwPropertyTable*>& TwPropertyRegistry::Tables() {
  static std::map<QString, const TwPropertyTable*> tables = [] {
    std::map<QString, const TwPropertyTable*> m;
    for (const TwPropertyTable* t :
         {&FontTable(), &ComponentTable(), &WinComponentTable(), &PositionComponentTable(), &ScaleComponentTable(),
          &KnobTable(), &LedTable(), &LedRoundTable(), &LedRectangleTable(), &SwitchLedTable()})
      m[t->ClassName()] = t;
    return m;
  }();
  return tables;
}

void TwPropertyRegistry::Register(const TwPropertyTable* Table) { Tables()[Table->ClassName()] = Table; }

const TwPropertyTable* TwPropertyRegistry::Find(const QString& ClassName) {
  auto& tables = Tables();
  auto it = tables.find(ClassName);
  return it == tables.end() ? nullptr : it->second;
}

const TwPropertyTable* TwPropertyRegistry::Find(const QObject* Object) {
  if (!Object) return nullptr;
  for (const QMetaObject* m = Object->metaObject(); m; m = m->superClass())
    if (const TwPropertyTable* t = Find(QString::fromLatin1(m->className()))) return t;
  return nullptr;
}

TwPropertyObject TwPropertyRegistry::Of(QObject* Object) {
  const TwPropertyTable* t = Find(Object);
  return t ? TwPropertyObject{static_cast<void*>(Object), t} : TwPropertyObject{};
}

#define W_TABLE(Fn, Build)          \
  const TwPropertyTable& TwPropertyRegistry::Fn() { \
    static const TwPropertyTable* t = Build;         \
    return *t;                                      \
  }
W_TABLE(FontTable, BuildFont())
W_TABLE(ComponentTable, BuildComponent())
W_TABLE(WinComponentTable, (new TwPropertyTable("TwWinComponent", &ComponentTable())))
W_TABLE(PositionComponentTable, BuildPosition())
W_TABLE(ScaleComponentTable, BuildScale())
W_TABLE(KnobTable, BuildKnob())
W_TABLE(LedTable, BuildLed())
W_TABLE(LedRoundTable, BuildLedRound())
W_TABLE(LedRectangleTable, BuildLedRectangle())
W_TABLE(SwitchLedTable, BuildSwitchLed())
#undef W_TABLE

// ---- kind query --------------------------------------------------------------

namespace {

bool KindSearch(const TwPropertyObject& Object, const QString& Prefix, const QString& Path, int& Kind) {
  for (const TwPropertyInfo* p : Object.Table->All()) {
    if (!p->HasSetter()) continue;
    const QString path = Prefix.trimmed().isEmpty() ? p->Name : Prefix + '.' + p->Name;
    if (p->Kind == tkClass) {
      bool found = false;
      p->WithObject(Object.Object, false,
                    [&](TwPropertyObject nested) { found = KindSearch(nested, path, Path, Kind); });
      if (found) return true;
    } else if (path.compare(Path, Qt::CaseInsensitive) == 0) {
      Kind = p->Kind;
      return true;
    }
  }
  return false;
}

}  // namespace

int GetPropertyKind(const TwPropertyObject& Object, const QString& Path) {
  int kind = tkUnknown;
  if (Object) KindSearch(Object, QString(), Path, kind);
  return kind;
}
