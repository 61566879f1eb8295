// The property registry: what the instrument and plot controls publish, for
// the routines that walk properties by name (property files and lists, the
// kind query, themes, item binding).
//
// Every class that publishes properties has one TwPropertyTable: its
// properties in declaration order, after those of its base table. Each entry
// has a name, a kind (TwTypeKind: Integer, Char, Enumeration with its value
// count, Float, String, Set with its element count, Class), a getter and a
// setter (values as QVariant: qlonglong for the ordinal kinds, double for
// Float, QString for String), an optional declared default (ordinal kinds)
// and an optional stored test. A Class entry links to its object's own table
// and reaches the object either by reference (the object lives in its owner)
// or by value (a copy is edited and written back through the owner's setter,
// as a platform::TFont is).
//
// A TwPropertyObject is an object seen through its table. Objects of QObject
// classes are found by class name: TwPropertyRegistry::Find walks the
// object's Qt class chain to the nearest registered table. The tables of the
// instrument controls (TwComponent, TwWinComponent, TwPositionComponent,
// TwScaleComponent, TwKnob, TwLed, TwLedRound, TwLedRectangle, TwSwitchLed)
// and of platform::TFont are built in; other classes (the plot's) add theirs
// with Register before their first lookup. For a QObject class the pointer a
// handle holds is the QObject*; for any other class, the object's own
// address.
//
// Colours: a property kept as QColor by its control is an Integer holding the
// RGB TColor value (red is 255); a system colour written to it resolves
// through the fixed system-colour table. A TColor property holds its value as
// stored, system colours included (clBtnFace is -16777201). Enumerations
// hold their ordinal and Booleans are two-valued enumerations (0 and 1).
// UI thread only; tables are immutable once built.
#pragma once

#include <QObject>
#include <QString>
#include <QVariant>

#include <functional>
#include <map>
#include <optional>
#include <type_traits>
#include <vector>

// The kinds of the kind query (GetPropertyKind); 0 for no property.
enum TwTypeKind {
  tkUnknown = 0,
  tkInteger = 1,
  tkChar = 2,
  tkEnumeration = 3,
  tkFloat = 4,
  tkString = 5,
  tkSet = 6,
  tkClass = 7,
};

class TwPropertyTable;

struct TwPropertyObject {
  void* Object = nullptr;
  const TwPropertyTable* Table = nullptr;
  explicit operator bool() const { return Object != nullptr && Table != nullptr; }
};

struct TwPropertyInfo {
  using Getter = std::function<QVariant(void* Object)>;
  using Setter = std::function<void(void* Object, const QVariant& Value)>;
  using StoredTest = std::function<bool(void* Object)>;
  // Class entries held by value: Fn gets a copy; with Write the copy is then
  // written back through the owner's setter.
  using ValueAccess = std::function<void(void* Owner, bool Write, const std::function<void(void*)>& Fn)>;

  QString Name;
  TwTypeKind Kind = tkUnknown;
  // Enumeration: the number of values; Set: the number of elements.
  int Count = 0;
  Getter Get;
  Setter Set;
  std::optional<qint64> Default;
  StoredTest Stored;
  // Class entries.
  const TwPropertyTable* ClassTable = nullptr;
  std::function<void*(void* Owner)> Reference;
  ValueAccess ByValue;

  bool HasSetter() const { return Kind == tkClass ? ClassTable != nullptr : bool(Set); }
  bool IsStored(void* Object) const { return !Stored || Stored(Object); }
  // Runs Fn on the nested object of a Class entry (nothing when it has
  // none); Write makes a by-value object go back to its owner.
  void WithObject(void* Owner, bool Write, const std::function<void(TwPropertyObject)>& Fn) const;
};

class TwPropertyTable {
 public:
  TwPropertyTable(QString ClassName, const TwPropertyTable* Base) : FClassName(std::move(ClassName)), FBase(Base) {}

  const QString& ClassName() const { return FClassName; }
  const TwPropertyTable* Base() const { return FBase; }
  // This class's own entries, in declaration order.
  const std::vector<TwPropertyInfo>& Own() const { return FOwn; }
  // Every entry, the base tables' first.
  std::vector<const TwPropertyInfo*> All() const;
  // The entry of that name (ignoring case), searching this class and its
  // bases; nullptr when none.
  const TwPropertyInfo* Find(const QString& Name) const;

  void Add(TwPropertyInfo Info) { FOwn.push_back(std::move(Info)); }
  // The entry added last, to adjust (its stored test, say).
  TwPropertyInfo& Last() { return FOwn.back(); }

  // Builders. C is the class the accessors take.
  template <class C>
  void Integer(const QString& Name, std::function<qint64(C&)> Get, std::function<void(C&, qint64)> Set,
               std::optional<qint64> Default = std::nullopt) {
    AddOrdinal<C>(Name, tkInteger, 0, std::move(Get), std::move(Set), Default);
  }
  template <class C>
  void Enumeration(const QString& Name, int Count, std::function<qint64(C&)> Get,
                   std::function<void(C&, qint64)> Set, std::optional<qint64> Default = std::nullopt) {
    AddOrdinal<C>(Name, tkEnumeration, Count, std::move(Get), std::move(Set), Default);
  }
  template <class C>
  void Boolean(const QString& Name, std::function<bool(C&)> Get, std::function<void(C&, bool)> Set,
               std::optional<bool> Default = std::nullopt) {
    AddOrdinal<C>(
        Name, tkEnumeration, 2, [Get](C& o) -> qint64 { return Get(o) ? 1 : 0; },
        [Set](C& o, qint64 v) { Set(o, v != 0); },
        Default ? std::optional<qint64>(*Default ? 1 : 0) : std::nullopt);
  }
  template <class C>
  void SetOf(const QString& Name, int Count, std::function<qint64(C&)> Get, std::function<void(C&, qint64)> Set,
             std::optional<qint64> Default = std::nullopt) {
    AddOrdinal<C>(Name, tkSet, Count, std::move(Get), std::move(Set), Default);
  }
  template <class C>
  void Float(const QString& Name, std::function<double(C&)> Get, std::function<void(C&, double)> Set) {
    TwPropertyInfo i;
    i.Name = Name;
    i.Kind = tkFloat;
    i.Get = [Get](void* o) { return QVariant(Get(Cast<C>(o))); };
    i.Set = [Set](void* o, const QVariant& v) { Set(Cast<C>(o), v.toDouble()); };
    Add(std::move(i));
  }
  template <class C>
  void String(const QString& Name, std::function<QString(C&)> Get, std::function<void(C&, const QString&)> Set) {
    TwPropertyInfo i;
    i.Name = Name;
    i.Kind = tkString;
    i.Get = [Get](void* o) { return QVariant(Get(Cast<C>(o))); };
    i.Set = [Set](void* o, const QVariant& v) { Set(Cast<C>(o), v.toString()); };
    Add(std::move(i));
  }
  // A class entry whose object lives in its owner.
  template <class C, class O>
  void ObjectRef(const QString& Name, const TwPropertyTable* Table, std::function<O*(C&)> Get) {
    TwPropertyInfo i;
    i.Name = Name;
    i.Kind = tkClass;
    i.ClassTable = Table;
    i.Reference = [Get](void* o) -> void* { return ToVoid<O>(Get(Cast<C>(o))); };
    Add(std::move(i));
  }
  // A class entry held by value: a copy is read and written back whole.
  template <class C, class O>
  void ObjectValue(const QString& Name, const TwPropertyTable* Table, std::function<O(C&)> Get,
                   std::function<void(C&, const O&)> Set) {
    TwPropertyInfo i;
    i.Name = Name;
    i.Kind = tkClass;
    i.ClassTable = Table;
    i.ByValue = [Get, Set](void* o, bool Write, const std::function<void(void*)>& Fn) {
      C& owner = Cast<C>(o);
      O copy = Get(owner);
      Fn(&copy);
      if (Write) Set(owner, copy);
    };
    Add(std::move(i));
  }

  template <class C>
  static C& Cast(void* p) {
    if constexpr (std::is_base_of_v<QObject, C>)
      return *static_cast<C*>(static_cast<QObject*>(p));
    else
      return *static_cast<C*>(p);
  }
  template <class C>
  static void* ToVoid(C* p) {
    if constexpr (std::is_base_of_v<QObject, C>)
      return static_cast<QObject*>(p);
    else
      return p;
  }

 private:
  template <class C>
  void AddOrdinal(const QString& Name, TwTypeKind Kind, int Count, std::function<qint64(C&)> Get,
                  std::function<void(C&, qint64)> Set, std::optional<qint64> Default) {
    TwPropertyInfo i;
    i.Name = Name;
    i.Kind = Kind;
    i.Count = Count;
    i.Default = Default;
    i.Get = [Get](void* o) { return QVariant(qlonglong(Get(Cast<C>(o)))); };
    i.Set = [Set](void* o, const QVariant& v) { Set(Cast<C>(o), v.toLongLong()); };
    Add(std::move(i));
  }

  QString FClassName;
  const TwPropertyTable* FBase;
  std::vector<TwPropertyInfo> FOwn;
};

class TwPropertyRegistry {
 public:
  // Adds a table under its class name (a later one of the same name wins).
  static void Register(const TwPropertyTable* Table);
  // The table registered under ClassName, or nullptr.
  static const TwPropertyTable* Find(const QString& ClassName);
  // The table of the object's class or its nearest registered base.
  static const TwPropertyTable* Find(const QObject* Object);
  // The object seen through its table (empty when none is registered).
  static TwPropertyObject Of(QObject* Object);

  // The built-in tables.
  static const TwPropertyTable& FontTable();
  static const TwPropertyTable& ComponentTable();
  static const TwPropertyTable& WinComponentTable();
  static const TwPropertyTable& PositionComponentTable();
  static const TwPropertyTable& ScaleComponentTable();
  static const TwPropertyTable& KnobTable();
  static const TwPropertyTable& LedTable();
  static const TwPropertyTable& LedRoundTable();
  static const TwPropertyTable& LedRectangleTable();
  static const TwPropertyTable& SwitchLedTable();

 private:
  static std::map<QString, const TwPropertyTable*>& Tables();
};

// The type kind of the property at the dotted Path (nested objects entered
// whatever the path), ignoring case; tkUnknown (0) when none has it.
int GetPropertyKind(const TwPropertyObject& Object, const QString& Path);
