// The component stream: the filer with its reader and writer of the binary
// form format (signature "TPF0", value tags), the published-property tables
// through which the reader sets properties by name, and the event handlers a
// form class offers for binding by name. Needs no Win32.
#pragma once

#include <cstdint>
#include <functional>
#include <typeinfo>
#include <vector>

#include "Classes.h"
#include "GraphicsColors.h"

// --- Resource strings of the unit -------------------------------------------------------
extern const TResStringRec SInvalidImage;          // Invalid stream format
extern const TResStringRec SInvalidPropertyValue;  // Invalid property value
extern const TResStringRec SUnknownProperty;       // Property %s does not exist
extern const TResStringRec SPropertyError;         // Error reading %s.%s: %s
extern const TResStringRec SMethodNotFound;        // Method %s not found in %s
extern const TResStringRec SComponentNotFound;     // Component %s not found
extern const TResStringRec SAncestorNotFound;      // Ancestor for '%s' not found
extern const TResStringRec SNotAComponent;         // Class %s is not a component class
extern const TResStringRec SNestingTooDeep;        // Form data nested too deeply

// --- Value tags -------------------------------------------------------------------------
// One byte before every value of the stream.
enum TValueType : uint8_t {
  vaNull, vaList, vaInt8, vaInt16, vaInt32, vaExtended, vaString, vaIdent, vaFalse, vaTrue,
  vaBinary, vaSet, vaLString, vaNil, vaCollection, vaSingle, vaCurrency, vaDate, vaWString,
  vaInt64, vaUTF8String, vaDouble
};
constexpr uint8_t vaLast = vaDouble;

// The four bytes "TPF0" that open a component stream, read as a little-endian value.
constexpr uint32_t FilerSignature = 0x30465054u;

// A component's prefix flags: inherited from the ancestor form, read at a
// position among its parent's children, an inline frame. Written as one byte
// 0xF0 | flags when any is set.
enum TFilerFlag { ffInherited, ffChildPos, ffInline };
using TFilerFlags = TSet<TFilerFlag, 8>;

// Longest class name a component header can hold: its length byte comes where
// a prefix may stand, and a byte of 0xF0 or more there reads as the prefix.
constexpr size_t MaxClassNameLength = 0xEF;

// Deepest nesting of components, lists and nested objects the reader accepts.
constexpr int MaxFilerDepth = 128;

class TReader;
class TWriter;
using TReaderProc = TMethod<void(TReader* Reader)>;
using TWriterProc = TMethod<void(TWriter* Writer)>;
using TStreamProc = TMethod<void(TStream* Stream)>;

// The 80-bit extended float of vaExtended, converted in software so the stream
// means the same on every compiler.
void DoubleToExtended(double value, uint8_t out[10]);
double ExtendedToDouble(const uint8_t in[10]);

// --- Published properties ---------------------------------------------------------------
enum TPropKind { pkInteger, pkInt64, pkEnum, pkSet, pkString, pkBool, pkFloat, pkClass, pkComponent, pkMethod };

// The names of an enumeration's values, in ordinal order.
struct TEnumNames {
  const wchar_t* const* Names;
  int Count;
  // -1 when the name is unknown (compared ignoring case).
  int IndexOf(const String& name) const;
};

// Declares the names of enumeration E for streaming; put it beside E's declaration.
//   VAMIRE_ENUM_NAMES(TAlign, L"alNone", L"alTop", L"alBottom")
#define VAMIRE_ENUM_NAMES(E, ...)                                              \
  inline const TEnumNames& VamireEnumNames(E*) {                              \
    static const wchar_t* const names[] = {__VA_ARGS__};                       \
    static const TEnumNames table{names, int(sizeof(names) / sizeof(*names))}; \
    return table;                                                             \
  }

// Integers shown by name where they have one (colours, cursors).
struct TIdentMapper {
  bool (*ToInt)(const String& ident, int& value);
  bool (*ToIdent)(int value, String& ident);
};
extern const TIdentMapper ColorIdentMapper;
bool IdentToInt(const String& ident, int& value, const TIdentMapEntry* map, std::size_t count);
bool IntToIdent(int value, String& ident, const TIdentMapEntry* map, std::size_t count);

// One event handler of a form class: a method that the stream names ("BitBtn8Click").
struct THandlerInfo {
  String Name;
  const std::type_info* Type;                      // the TMethod type it makes
  std::function<void(TObject* root, void* method)> Make;  // stores TMethod<...> for root
};

// One published property. Built by Prop()/Handler() below, never by hand.
struct TPropInfo {
  String Name;
  TPropKind Kind = pkInteger;
  const TEnumNames* Names = nullptr;     // values of an enumeration, elements of a set
  const TIdentMapper* Idents = nullptr;  // identifiers of an integer
  bool HasDefault = true;                // false: always written
  int64_t Default = 0;                   // ordinal kinds
  String DefaultStr;                     // strings
  std::function<bool(TObject*)> Stored;  // empty: stored
  std::function<int64_t(TObject*)> GetOrd;
  std::function<void(TObject*, int64_t)> SetOrd;
  std::function<double(TObject*)> GetFloat;
  std::function<void(TObject*, double)> SetFloat;
  std::function<String(TObject*)> GetStr;
  std::function<void(TObject*, const String&)> SetStr;
  std::function<TObject*(TObject*)> GetObj;           // pkClass, pkComponent
  std::function<void(TObject*, TObject*)> SetObj;     // empty for objects changed in place
  TClass ObjClass = nullptr;
  // pkMethod: binds the handler (false when its signature differs), answers
  // whether the event is the handler made for root, and whether it is set.
  std::function<bool(TObject*, const THandlerInfo&, TObject* root)> Bind;
  std::function<bool(TObject*, const THandlerInfo&, TObject* root)> IsBound;
  std::function<bool(TObject*)> Assigned;

  bool IsStored(TObject* instance) const { return !Stored || Stored(instance); }
};

// One line of a class's table: a property with its options, or a handler.
struct TPublishedEntry {
  TPropInfo Prop;
  bool IsHandler = false;
  THandlerInfo HandlerInfo;

  TPublishedEntry&& Default(int64_t value) && {
    Prop.HasDefault = true;
    Prop.Default = value;
    return std::move(*this);
  }
  template <class E, int N>
  TPublishedEntry&& Default(TSet<E, N> value) && {
    return std::move(*this).Default(SetToBits(value));
  }
  // Always written, even when zero or empty.
  // The default of a string property (otherwise empty).
  TPublishedEntry&& Default(const wchar_t* value) && {
    Prop.HasDefault = true;
    Prop.DefaultStr = value;
    return std::move(*this);
  }
  TPublishedEntry&& NoDefault() && {
    Prop.HasDefault = false;
    Prop.Default = INT64_MIN;
    return std::move(*this);
  }
  TPublishedEntry&& Stored(bool value) && {
    Prop.Stored = [value](TObject*) { return value; };
    return std::move(*this);
  }
  template <class C>
  TPublishedEntry&& Stored(bool (C::*pred)() const) && {
    Prop.Stored = [pred](TObject* o) { return (static_cast<C*>(o)->*pred)(); };
    return std::move(*this);
  }
  template <class C>
  TPublishedEntry&& Stored(bool (C::*pred)()) && {
    Prop.Stored = [pred](TObject* o) { return (static_cast<C*>(o)->*pred)(); };
    return std::move(*this);
  }
  TPublishedEntry&& Idents(const TIdentMapper* mapper) && {
    Prop.Idents = mapper;
    return std::move(*this);
  }

  template <class E, int N>
  static int64_t SetToBits(TSet<E, N> s) {
    static_assert(N <= 64, "sets of more than 64 elements are not streamed");
    int64_t bits = 0;
    for (int i = 0; i < N; ++i)
      if (s.Contains(E(i))) bits |= int64_t(1) << i;
    return bits;
  }
  template <class E, int N>
  static TSet<E, N> BitsToSet(int64_t bits) {
    TSet<E, N> s;
    for (int i = 0; i < N; ++i)
      if (bits >> i & 1) s.Include(E(i));
    return s;
  }
};

namespace vamire_detail {

template <class T>
struct IsTSet : std::false_type {};
template <class E, int N>
struct IsTSet<TSet<E, N>> : std::true_type {
  using Element = E;
  static constexpr int Size = N;
};
template <class T>
struct IsTMethod : std::false_type {};
template <class S>
struct IsTMethod<TMethod<S>> : std::true_type {};

template <class M>
struct MemberOf;
template <class C, class M>
struct MemberOf<M C::*> {
  using Class = C;
};

template <class C, class G>
using ValueOf = std::remove_cvref_t<std::invoke_result_t<G, C&>>;

// Fills the accessors of `p` for a value of type T read through get and written through set.
template <class T, class C, class Get, class Set>
void Bind(TPropInfo& p, Get get, Set set) {
  auto self = [](TObject* o) -> C& { return *static_cast<C*>(o); };
  if constexpr (std::is_same_v<T, bool>) {
    p.Kind = pkBool;
    p.HasDefault = true;
    p.GetOrd = [=](TObject* o) -> int64_t { return get(self(o)) ? 1 : 0; };
    p.SetOrd = [=](TObject* o, int64_t v) { set(self(o), v != 0); };
  } else if constexpr (std::is_enum_v<T>) {
    p.Kind = pkEnum;
    p.Names = &VamireEnumNames(static_cast<T*>(nullptr));
    p.GetOrd = [=](TObject* o) -> int64_t { return int64_t(get(self(o))); };
    p.SetOrd = [=](TObject* o, int64_t v) { set(self(o), T(v)); };
  } else if constexpr (IsTSet<T>::value) {
    using E = typename IsTSet<T>::Element;
    p.Kind = pkSet;
    p.HasDefault = true;
    p.Names = &VamireEnumNames(static_cast<E*>(nullptr));
    p.GetOrd = [=](TObject* o) { return TPublishedEntry::SetToBits(get(self(o))); };
    p.SetOrd = [=](TObject* o, int64_t v) { set(self(o), TPublishedEntry::BitsToSet<E, IsTSet<T>::Size>(v)); };
  } else if constexpr (std::is_integral_v<T>) {
    p.Kind = sizeof(T) > 4 ? pkInt64 : pkInteger;
    p.HasDefault = true;
    p.GetOrd = [=](TObject* o) -> int64_t { return int64_t(get(self(o))); };
    p.SetOrd = [=](TObject* o, int64_t v) { set(self(o), T(v)); };
  } else if constexpr (std::is_floating_point_v<T>) {
    p.Kind = pkFloat;
    p.GetFloat = [=](TObject* o) -> double { return double(get(self(o))); };
    p.SetFloat = [=](TObject* o, double v) { set(self(o), T(v)); };
  } else if constexpr (std::is_same_v<T, String>) {
    p.Kind = pkString;
    p.GetStr = [=](TObject* o) -> String { return get(self(o)); };
    p.SetStr = [=](TObject* o, const String& v) { set(self(o), v); };
  } else if constexpr (std::is_pointer_v<T>) {
    using O = std::remove_pointer_t<T>;
    static_assert(std::is_base_of_v<TPersistent, O>, "object properties hold persistent objects");
    p.Kind = std::is_base_of_v<TComponent, O> ? pkComponent : pkClass;
    p.ObjClass = O::StaticClass();
    p.GetObj = [=](TObject* o) -> TObject* { return get(self(o)); };
    if constexpr (!std::is_same_v<Set, std::nullptr_t>)
      p.SetObj = [=](TObject* o, TObject* v) { set(self(o), static_cast<O*>(v)); };
  } else if constexpr (IsTMethod<T>::value) {
    p.Kind = pkMethod;
    p.Bind = [=](TObject* o, const THandlerInfo& h, TObject* root) {
      if (*h.Type != typeid(T)) return false;
      T m;
      h.Make(root, &m);
      set(self(o), m);
      return true;
    };
    p.IsBound = [=](TObject* o, const THandlerInfo& h, TObject* root) {
      if (*h.Type != typeid(T)) return false;
      T m;
      h.Make(root, &m);
      return get(self(o)) == m;
    };
    p.Assigned = [=](TObject* o) { return bool(get(self(o))); };
  } else {
    static_assert(sizeof(T) == 0, "this property type is not streamed");
  }
}

}  // namespace vamire_detail

// A property read through getter and written through setter (member functions).
// Setter may be nullptr for an object property changed in place (Font).
template <class G, class S>
TPublishedEntry Prop(const wchar_t* name, G getter, S setter) {
  using C = typename vamire_detail::MemberOf<G>::Class;
  using T = vamire_detail::ValueOf<C, G>;
  TPublishedEntry e;
  e.Prop.Name = name;
  auto get = [getter](C& c) -> T { return (c.*getter)(); };
  if constexpr (std::is_same_v<S, std::nullptr_t>) {
    vamire_detail::Bind<T, C>(e.Prop, get, nullptr);
  } else {
    using CS = typename vamire_detail::MemberOf<S>::Class;
    auto set = [setter](C& c, T v) { (static_cast<CS&>(c).*setter)(v); };
    vamire_detail::Bind<T, C>(e.Prop, get, set);
  }
  return e;
}

// A property that is a data member (events, plain fields).
template <class C, class T>
TPublishedEntry Prop(const wchar_t* name, T C::*field) {
  TPublishedEntry e;
  e.Prop.Name = name;
  vamire_detail::Bind<T, C>(e.Prop, [field](C& c) -> T { return c.*field; },
                            [field](C& c, T v) { c.*field = v; });
  return e;
}

// An event handler of a form class, bound by name from the stream.
template <class C, class R, class... A>
TPublishedEntry Handler(const wchar_t* name, R (C::*method)(A...)) {
  using M = TMethod<R(A...)>;
  TPublishedEntry e;
  e.IsHandler = true;
  e.HandlerInfo.Name = name;
  e.HandlerInfo.Type = &typeid(M);
  e.HandlerInfo.Make = [method](TObject* root, void* out) {
    *static_cast<M*>(out) = M(static_cast<C*>(root), method);
  };
  return e;
}

// The published table of a class: registered once, found by class object.
using TPublishedProvider = std::vector<TPublishedEntry> (*)();
void RegisterPublished(TClass (*cls)(), TPublishedProvider provider);
// The properties of the class and its ancestors, ancestors' first.
const std::vector<const TPropInfo*>& PublishedProperties(TClass cls);
// Case-insensitive; searches the class and its ancestors. Null when absent.
const TPropInfo* FindPublished(TClass cls, const String& name);
const THandlerInfo* FindHandler(TClass cls, const String& name);
// The name of the handler of root's class that the event of instance holds, or empty.
String HandlerNameOf(TObject* instance, const TPropInfo& prop, TObject* root);

namespace vamire_detail {
// Restores a filer field when a scope ends, also through an exception.
template <class T>
struct TSaved {
  T& Ref;
  T Old;
  explicit TSaved(T& ref) : Ref(ref), Old(ref) {}
  ~TSaved() { Ref = Old; }
};

struct TPublishedRegistrar {
  TPublishedRegistrar(TClass (*cls)(), TPublishedProvider provider) { RegisterPublished(cls, provider); }
};
}  // namespace vamire_detail

// The published table of class C, in one .cpp file:
//   VAMIRE_PUBLISHED(TCheckBox,
//     Prop(L"Checked", &TCheckBox::Checked, &TCheckBox::SetChecked).Default(false),
//     Prop(L"OnClick", &TCheckBox::OnClick))
// The entries are built the first time the class is streamed.
#define VAMIRE_PUBLISHED(C, ...)                                                   \
  static const vamire_detail::TPublishedRegistrar VamirePublished_##C(           \
      &C::StaticClass, []() -> std::vector<TPublishedEntry> { return {__VA_ARGS__}; });

// --- Streamed classes of a unit ----------------------------------------------------------
// A unit names the classes it streams once, in a list; each class's published
// table stands beside the list; the unit's start registers every listed class
// (by name, for the reader) with its table, and its end takes both back.
//   VAMIRE_STREAMED_CLASSES(cxEditStreamed, TcxEditButton, TcxEditStyle)
//   VAMIRE_STREAMED_TABLE(cxEditStreamed, TcxEditButton,
//     Prop(L"Kind", &TcxEditButton::Kind, &TcxEditButton::SetKind).Default(bkDown))
//   VAMIRE_STREAMED_TABLE(cxEditStreamed, TcxEditStyle, ...)
//   ...and in the unit's start and end: cxEditStreamed::Register(), cxEditStreamed::Unregister().
// Both go at global scope. A listed class that has no class object of its own
// (VAMIRE_CLASS) or no table, and a table whose class is not in the list, do
// not compile.

// A class registered through such a list, with what makes a fresh instance of it.
struct TStreamedClassInfo {
  TClass Class;
  TObject* (*CreateFresh)();  // null when the class cannot be made without arguments
};
void RegisterStreamedClass(TClass (*cls)(), TPublishedProvider provider, TObject* (*fresh)());
void UnregisterStreamedClass(TClass (*cls)());
// Every class the started units registered, in registration order.
std::vector<TStreamedClassInfo> StreamedClasses();
// Takes a table back: the class and its descendants show their ancestors' properties again.
void UnregisterPublished(TClass (*cls)());
// The published values of Instance that differ from its table's defaults, as
// "Class.Name: value, default" lines (ordinal, boolean, enumeration, set and
// string properties that have a default).
std::vector<String> PublishedDefaultMismatches(TObject* Instance);

namespace vamire_detail {
// Defined only by VAMIRE_STREAMED_TABLE: a listed class without one leaves it incomplete.
template <class L, class C>
struct TStreamedTable;

template <class C>
constexpr bool OwnsClassObject = std::is_same_v<typename MemberOf<decltype(&C::ClassType)>::Class, C>;

// A class that needs arguments to be made offers `static TObject* CreateFresh()`.
template <class C>
TObject* FreshInstance() {
  if constexpr (requires { C::CreateFresh(); }) {
    return C::CreateFresh();
  } else if constexpr (std::is_abstract_v<C>) {
    return nullptr;
  } else if constexpr (std::is_constructible_v<C, std::nullptr_t>) {
    return new C(nullptr);
  } else if constexpr (std::is_default_constructible_v<C>) {
    return new C();
  } else {
    return nullptr;
  }
}

template <class L, class... Cs>
struct TStreamedClassList {
  static_assert((OwnsClassObject<Cs> && ...), "a listed class needs a class object of its own (VAMIRE_CLASS)");
  template <class C>
  static constexpr bool Lists = (std::is_same_v<C, Cs> || ...);
  static void Register() {
    (RegisterStreamedClass(&Cs::StaticClass, &TStreamedTable<L, Cs>::Entries, &FreshInstance<Cs>), ...);
  }
  static void Unregister() { (UnregisterStreamedClass(&Cs::StaticClass), ...); }
};
}  // namespace vamire_detail

#define VAMIRE_STREAMED_CLASSES(L, ...) \
  struct L : vamire_detail::TStreamedClassList<L, __VA_ARGS__> {};

#define VAMIRE_STREAMED_TABLE(L, C, ...)                                                     \
  template <>                                                                               \
  struct vamire_detail::TStreamedTable<L, C> {                                              \
    static_assert(L::Lists<C>, "the class of this table is not in the unit's list");       \
    static std::vector<TPublishedEntry> Entries() { return {__VA_ARGS__}; }                 \
  };

// --- Filer --------------------------------------------------------------------------------
class TFiler : public TObject {
  VAMIRE_CLASS(TFiler, TObject)
 public:
  explicit TFiler(TStream* Stream) : FStream(Stream) {}

  // Defines a property that is not published: ReadData/WriteData handle its
  // value, HasData says whether it is written.
  virtual void DefineProperty(const String& Name, TReaderProc ReadData, TWriterProc WriteData, bool HasData) = 0;
  virtual void DefineBinaryProperty(const String& Name, TStreamProc ReadData, TStreamProc WriteData,
                                    bool HasData) = 0;

  TStream* Stream() const { return FStream; }
  TComponent* Root() const { return FRoot; }
  virtual void SetRoot(TComponent* Value) { FRoot = Value; }
  TComponent* LookupRoot() const { return FLookupRoot; }
  // The object the one being written is compared with (null: compare with defaults).
  TPersistent* Ancestor() const { return FAncestor; }
  void SetAncestor(TPersistent* Value) { FAncestor = Value; }
  bool IgnoreChildren() const { return FIgnoreChildren; }
  void SetIgnoreChildren(bool Value) { FIgnoreChildren = Value; }

 protected:
  TStream* FStream;
  TComponent* FRoot = nullptr;
  TComponent* FLookupRoot = nullptr;
  TPersistent* FAncestor = nullptr;
  bool FIgnoreChildren = false;
};

// --- Reader -------------------------------------------------------------------------------
class TReader : public TFiler {
  VAMIRE_CLASS(TReader, TFiler)
 public:
  explicit TReader(TStream* Stream) : TFiler(Stream) {}

  void DefineProperty(const String& Name, TReaderProc ReadData, TWriterProc WriteData, bool HasData) override;
  void DefineBinaryProperty(const String& Name, TStreamProc ReadData, TStreamProc WriteData,
                            bool HasData) override;

  // Reads a whole stream into Root (created from the stream's class when null)
  // and answers it: properties, owned components, fixups, then Loaded on each.
  TComponent* ReadRootComponent(TComponent* Root);
  // Reads one component (created from its class, owned by Owner()).
  TComponent* ReadComponent(TComponent* Component);
  void ReadSignature();
  void ReadPrefix(TFilerFlags& Flags, int& AChildPos);
  void ReadCollection(TCollection* Collection);
  // The component's properties, then its children (TComponent::ReadState).
  void ReadData(TComponent* Instance);
  void ReadProperty(TPersistent* Instance);

  // Values. Each raises EReadError when the next value is of another kind.
  TValueType ReadValue();
  TValueType NextValue();
  void SkipValue();
  bool EndOfList();
  void ReadListBegin();
  void ReadListEnd();
  int32_t ReadInteger();
  int64_t ReadInt64();
  bool ReadBoolean();
  double ReadFloat();
  String ReadString();
  String ReadIdent();
  // A property or class name: a length byte and the characters.
  String ReadStr();
  // The bytes of a vaBinary value.
  std::vector<uint8_t> ReadBinary();

  TComponent* Owner() const { return FOwner; }
  void SetOwner(TComponent* Value) { FOwner = Value; }
  TComponent* Parent() const { return FParent; }
  void SetParent(TComponent* Value) { FParent = Value; }

 private:
  struct TFixup {
    TPersistent* Instance;
    const TPropInfo* Prop;
    String Name;
    String Context;  // component name for messages
  };

  void ReadPropValue(TPersistent* Instance, const TPropInfo& Prop);
  void ReadPersistentPath(TPersistent* Instance, const String& Path, const String& FullName);
  void ReadStrings(TStrings* Strings);
  int64_t ReadOrdinal();
  int64_t ReadSet(const TEnumNames* Names);
  void ReadBytes(void* Buffer, int64_t Count);
  int64_t ReadLength(int Bytes, int UnitSize);
  void ResolveFixups();
  [[noreturn]] void InvalidValue();
  void Enter();
  void Leave() { --FDepth; }

  TComponent* FOwner = nullptr;
  TComponent* FParent = nullptr;
  std::vector<TComponent*> FLoaded;
  std::vector<TFixup> FFixups;
  String FPropName;       // the property a definition pass looks for
  bool FCanHandle = false;
  int FDepth = 0;
  String FContext;        // the component being read, for messages
};

// --- Writer -------------------------------------------------------------------------------
class TWriter : public TFiler {
  VAMIRE_CLASS(TWriter, TFiler)
 public:
  explicit TWriter(TStream* Stream) : TFiler(Stream) {}

  void DefineProperty(const String& Name, TReaderProc ReadData, TWriterProc WriteData, bool HasData) override;
  void DefineBinaryProperty(const String& Name, TStreamProc ReadData, TStreamProc WriteData,
                            bool HasData) override;

  // The whole stream of Root: signature, Root, its properties and children.
  void WriteRootComponent(TComponent* Root);
  // As WriteRootComponent, writing only what differs from Ancestor (a form of
  // the same kind the stream's form derives from); null writes everything.
  void WriteDescendent(TComponent* Root, TComponent* AAncestor);
  void WriteComponent(TComponent* Component);
  void WriteSignature();
  void WriteCollection(TCollection* Value);
  // The component's properties, then its children (TComponent::WriteState).
  void WriteData(TComponent* Instance);

  void WriteListBegin();
  void WriteListEnd();
  void WriteInteger(int64_t Value);
  void WriteBoolean(bool Value);
  void WriteFloat(double Value);
  void WriteString(const String& Value);
  void WriteIdent(const String& Ident);
  void WriteStr(const String& Value);
  void WriteValue(TValueType Value);
  void WriteBinary(const void* Data, int32_t Count);
  void WritePrefix(TFilerFlags Flags, int ChildPos);

 private:
  void WriteProperties(TPersistent* Instance, TPersistent* AncestorObj, const String& Prefix);
  void WriteProperty(TPersistent* Instance, TPersistent* AncestorObj, const TPropInfo& Prop, const String& Prefix);
  void WriteChild(TComponent* Child);
  void WritePropName(const String& Name);
  String ComponentRefName(TComponent* Value);
  void WriteBytes(const void* Buffer, int32_t Count) { FStream->WriteBuffer(Buffer, Count); }

  String FPropPath;         // prefix of defined properties ("Font.")
  TComponent* FRootAncestor = nullptr;
  int FDepth = 0;
};

// Reads a whole form stream into Instance (or a new object of the stream's class).
TComponent* ReadComponentFromStream(TStream* Stream, TComponent* Instance);
void WriteComponentToStream(TStream* Stream, TComponent* Instance);
// Platform layer: reads the program's RCDATA resource ResName into Instance;
// false when there is none.
bool ReadComponentRes(const String& ResName, TComponent* Instance);
// Streams into Instance the form resources named after each class from the
// one below RootAncestor (TForm) down to Instance's own, the oldest first, as
// a form's constructor does. False when none of them exists.
bool InitInheritedComponent(TComponent* Instance, TClass RootAncestor);
// Whether two collections stream the same items (compared as written).
bool CollectionsEqual(TCollection* C1, TCollection* C2);
