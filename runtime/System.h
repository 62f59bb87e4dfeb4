// The root of the runtime layer: the base object with its class objects,
// method-pointer events, the base exception and resource-string handles.
// Needs no Win32, so every platform-free unit can stand on it.
#pragma once

#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <string>
#include <type_traits>
#include <utility>

using String = std::wstring;     // text inside the program is UTF-16
using AnsiString = std::string;  // bytes in the platform's ANSI code page

// --- Sets -----------------------------------------------------------------------------
// A set over an enumeration (ordinals 0..N-1), as the runtime's `set of` types.
template <class E, int N = 64>
class TSet {
 public:
  constexpr TSet() = default;
  constexpr TSet(std::initializer_list<E> items) {
    for (E e : items) Include(e);
  }

  constexpr bool Contains(E e) const {
    const unsigned i = unsigned(e);
    return i < unsigned(N) && (FBits[i / 64] >> (i % 64) & 1u) != 0;
  }
  constexpr TSet& Include(E e) {
    const unsigned i = unsigned(e);
    if (i < unsigned(N)) FBits[i / 64] |= uint64_t(1) << (i % 64);
    return *this;
  }
  constexpr TSet& Exclude(E e) {
    const unsigned i = unsigned(e);
    if (i < unsigned(N)) FBits[i / 64] &= ~(uint64_t(1) << (i % 64));
    return *this;
  }
  constexpr bool Empty() const {
    for (uint64_t w : FBits)
      if (w) return false;
    return true;
  }

  constexpr TSet& operator+=(const TSet& o) {
    for (int i = 0; i < kWords; ++i) FBits[i] |= o.FBits[i];
    return *this;
  }
  constexpr TSet& operator-=(const TSet& o) {
    for (int i = 0; i < kWords; ++i) FBits[i] &= ~o.FBits[i];
    return *this;
  }
  constexpr TSet& operator*=(const TSet& o) {
    for (int i = 0; i < kWords; ++i) FBits[i] &= o.FBits[i];
    return *this;
  }
  friend constexpr TSet operator+(TSet a, const TSet& b) { return a += b; }
  friend constexpr TSet operator-(TSet a, const TSet& b) { return a -= b; }
  friend constexpr TSet operator*(TSet a, const TSet& b) { return a *= b; }
  friend constexpr bool operator==(const TSet& a, const TSet& b) = default;
  // Subset test, as `a <= b` on the runtime's sets.
  friend constexpr bool operator<=(const TSet& a, const TSet& b) { return (a - b).Empty(); }

 private:
  static constexpr int kWords = (N + 63) / 64;
  uint64_t FBits[kWords] = {};
};

// --- Interfaces -----------------------------------------------------------------------
struct TGUID {
  uint32_t D1 = 0;
  uint16_t D2 = 0, D3 = 0;
  uint8_t D4[8] = {};

  // Reads "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}"; usable in constant expressions.
  static constexpr TGUID Parse(const char* s) {
    TGUID g;
    int pos = 1;  // after '{'
    auto hex = [&](int digits) {
      uint32_t v = 0;
      for (int i = 0; i < digits; ++i, ++pos) {
        if (s[pos] == '-') ++pos;
        const char c = s[pos];
        const uint32_t d = c >= '0' && c <= '9' ? uint32_t(c - '0')
                           : c >= 'a' && c <= 'f' ? uint32_t(c - 'a' + 10)
                           : c >= 'A' && c <= 'F' ? uint32_t(c - 'A' + 10)
                                                  : throw "invalid GUID text";
        v = v << 4 | d;
      }
      return v;
    };
    if (s[0] != '{') throw "invalid GUID text";
    g.D1 = hex(8);
    g.D2 = uint16_t(hex(4));
    g.D3 = uint16_t(hex(4));
    for (auto& b : g.D4) b = uint8_t(hex(2));
    return g;
  }
  String ToString() const;  // the braced text form, upper-case digits
  friend constexpr bool operator==(const TGUID& a, const TGUID& b) = default;
};

// QueryInterface results (the platform's S_OK and E_NOINTERFACE values; those
// names are macros of the Win32 headers).
constexpr int32_t QI_OK = 0;
constexpr int32_t QI_NOINTERFACE = int32_t(0x80004002u);

// The basic interface. Interfaces derive from it virtually, so that one
// implementation of its three operations serves every interface of a class:
//   class IFoo : public virtual IInterface {
//     VAMIRE_INTERFACE(IFoo, IInterface, "{...}")
//    public:
//     virtual void Bar() = 0;
//   };
class IInterface {
 public:
  using InterfaceParent = void;
  static constexpr TGUID IID = TGUID::Parse("{00000000-0000-0000-C000-000000000046}");
  // On success stores the interface and takes a reference, as COM does.
  virtual int32_t QueryInterface(const TGUID& iid, void** obj) = 0;
  virtual int32_t _AddRef() = 0;
  virtual int32_t _Release() = 0;

 protected:
  ~IInterface() = default;
};

#define VAMIRE_INTERFACE(Self, Parent, Guid)                   \
 public:                                                       \
  using InterfaceParent = Parent;                              \
  static constexpr TGUID IID = TGUID::Parse(Guid);             \
                                                               \
 private:

namespace vamire_detail {
template <class I, class P>
bool MatchInterface(P* self, const TGUID& iid, void** obj) {
  if constexpr (std::is_void_v<I>) {
    return false;
  } else {
    I* intf = static_cast<I*>(self);
    if (I::IID == iid) {
      *obj = intf;
      return true;
    }
    return MatchInterface<typename I::InterfaceParent>(intf, iid, obj);
  }
}
}  // namespace vamire_detail

// The interface table of a class: put it in its GetInterface override,
//   return InterfaceTable<IFoo, IBar>(this, iid, obj) || inherited::GetInterface(iid, obj);
// An interface also answers for the interfaces it derives from.
template <class... I, class C>
bool InterfaceTable(C* self, const TGUID& iid, void** obj) {
  return (vamire_detail::MatchInterface<I>(self, iid, obj) || ...);
}

class TObject;
class TMetaClass;
// A class reference: the class object of a class (never null for a live object).
using TClass = const TMetaClass*;

// The class object of one class: name, parent, virtual constructor. Families
// whose class references carry class-level virtual operations derive from it.
class TMetaClass {
 public:
  using TCreator = TObject* (*)(TObject* arg);

  TMetaClass(const wchar_t* name, TClass parent, TCreator creator)
      : FName(name), FParent(parent), FCreator(creator) {}
  virtual ~TMetaClass() = default;
  TMetaClass(const TMetaClass&) = delete;
  TMetaClass& operator=(const TMetaClass&) = delete;

  const String& ClassName() const { return FName; }
  TClass ClassParent() const { return FParent; }
  bool InheritsFrom(TClass ancestor) const {
    for (TClass c = this; c; c = c->FParent)
      if (c == ancestor) return true;
    return false;
  }
  // False for abstract classes and classes without a usable constructor.
  bool CanCreate() const { return FCreator != nullptr; }
  // The virtual constructor. `arg` is what the family's constructor takes
  // (the owner of a component, the collection of an item), or null.
  TObject* Create(TObject* arg = nullptr) const;

 private:
  String FName;
  TClass FParent;
  TCreator FCreator;
};

class TObject {
 public:
  // Classes created through their class object name the type their
  // constructor takes here (TComponent: the owner).
  using TCreateArg = void;

  TObject() = default;
  virtual ~TObject() = default;
  TObject(const TObject&) = delete;
  TObject& operator=(const TObject&) = delete;

  static TClass StaticClass();
  virtual TClass ClassType() const { return StaticClass(); }
  const String& ClassName() const { return ClassType()->ClassName(); }
  TClass ClassParent() const { return ClassType()->ClassParent(); }
  bool InheritsFrom(TClass ancestor) const { return ClassType()->InheritsFrom(ancestor); }

  // The interface `iid` implemented by this object, without taking a
  // reference; false when the class does not implement it (see InterfaceTable).
  virtual bool GetInterface(const TGUID& iid, void** obj);

  // Runs before the destructors of any class: descendants mark themselves as
  // being destroyed here. Free() calls it, then deletes.
  virtual void BeforeDestruction() {}
  void Free() {
    BeforeDestruction();
    delete this;
  }
};

namespace vamire_detail {

template <class T>
TObject* CreateInstance(TObject* arg) {
  if constexpr (std::is_abstract_v<T>) {
    return nullptr;
  } else if constexpr (!std::is_void_v<typename T::TCreateArg> &&
                       std::is_constructible_v<T, typename T::TCreateArg*>) {
    return new T(arg ? &dynamic_cast<typename T::TCreateArg&>(*arg) : nullptr);
  } else if constexpr (std::is_default_constructible_v<T>) {
    return new T();
  } else {
    return nullptr;
  }
}

// Null for classes without a constructor the class object can call, so that
// CanCreate answers false and Create raises instead of answering null.
template <class T>
constexpr TMetaClass::TCreator CreatorOf() {
  if constexpr (std::is_abstract_v<T>) return nullptr;
  else if constexpr (!std::is_void_v<typename T::TCreateArg> && std::is_constructible_v<T, typename T::TCreateArg*>)
    return &CreateInstance<T>;
  else if constexpr (std::is_default_constructible_v<T>) return &CreateInstance<T>;
  else return nullptr;
}

}  // namespace vamire_detail

// Declares the class object of a class; put it first in the class body.
// Meta names the class-object type for families with class-level operations.
#define VAMIRE_CLASS_META(Self, Parent, Meta)                                              \
 public:                                                                                 \
  using inherited = Parent;                                                              \
  static TClass StaticClass() {                                                          \
    static const Meta cls(L## #Self, Parent::StaticClass(), vamire_detail::CreatorOf<Self>()); \
    return &cls;                                                                         \
  }                                                                                      \
  TClass ClassType() const override { return StaticClass(); }                            \
                                                                                         \
 private:

#define VAMIRE_CLASS(Self, Parent) VAMIRE_CLASS_META(Self, Parent, TMetaClass)

// --- Events ---------------------------------------------------------------------------
// A method pointer: an object and one of its member functions. Null by default,
// callable, and equal to another when both name the same object and method.
template <class Sig>
class TMethod;

template <class R, class... A>
class TMethod<R(A...)> {
 public:
  TMethod() = default;
  TMethod(std::nullptr_t) {}

  template <class C, class M>
  TMethod(C* object, M C::*method) : FObject(object), FThunk(&Call<C, M C::*>) {
    static_assert(sizeof(method) <= sizeof(FCode), "member pointer too large");
    std::memcpy(FCode, &method, sizeof(method));
  }

  explicit operator bool() const { return FObject != nullptr; }
  R operator()(A... args) const { return FThunk(FObject, FCode, std::forward<A>(args)...); }
  void* Data() const { return FObject; }

  friend bool operator==(const TMethod& a, const TMethod& b) {
    return a.FObject == b.FObject && a.FThunk == b.FThunk && std::memcmp(a.FCode, b.FCode, sizeof a.FCode) == 0;
  }

 private:
  template <class C, class P>
  static R Call(void* object, const unsigned char* code, A... args) {
    P method;
    std::memcpy(&method, code, sizeof(method));
    return (static_cast<C*>(object)->*method)(std::forward<A>(args)...);
  }

  void* FObject = nullptr;
  R (*FThunk)(void*, const unsigned char*, A...) = nullptr;
  alignas(void*) unsigned char FCode[2 * sizeof(void*)] = {};
};

using TNotifyEvent = TMethod<void(TObject* Sender)>;

// --- Exceptions -----------------------------------------------------------------------
class TVarRec;  // an argument of Format (SysUtils.h)
struct TResStringRec;

class Exception : public TObject {
  VAMIRE_CLASS(Exception, TObject)
 public:
  using TCreateArg = void;
  Exception() = default;
  explicit Exception(String message) : FMessage(std::move(message)) {}
  // The message formatted by SysUtils' Format (include SysUtils.h to pass
  // arguments), from a text or from a resource string.
  Exception(const String& format, std::initializer_list<TVarRec> args);
  explicit Exception(const TResStringRec* res);
  Exception(const TResStringRec* res, std::initializer_list<TVarRec> args);
  Exception(const Exception& other) : TObject(), FMessage(other.FMessage), FHelpContext(other.FHelpContext) {}

  const String& Message() const { return FMessage; }
  void SetMessage(const String& value) { FMessage = value; }
  int HelpContext() const { return FHelpContext; }
  void SetHelpContext(int value) { FHelpContext = value; }

 private:
  String FMessage;
  int FHelpContext = 0;
};

// Declares an exception class that takes its message as the base does.
#define VAMIRE_EXCEPTION(Self, Parent)   \
  class Self : public Parent {           \
    VAMIRE_CLASS(Self, Parent)           \
   public:                               \
    using Parent::Parent;                \
    Self() = default;                    \
    Self(const Self&) = default;         \
  };

VAMIRE_EXCEPTION(EAbort, Exception)
VAMIRE_EXCEPTION(EConvertError, Exception)
VAMIRE_EXCEPTION(EInvalidOperation, Exception)
VAMIRE_EXCEPTION(EInvalidCast, Exception)
VAMIRE_EXCEPTION(EOutOfResources, Exception)
VAMIRE_EXCEPTION(EAssertionFailed, Exception)

// Raised when a class object cannot build an instance.
VAMIRE_EXCEPTION(EClassCreateError, Exception)

// --- Resource strings -----------------------------------------------------------------
// The handle of a localisable text: its identifier and the text built in. The
// program's string table may replace the text (see SetResStringLoader).
struct TResStringRec {
  const wchar_t* Identifier;
  const wchar_t* Text;
  unsigned Id = 0;  // string-table id; 0 when the text is only built in
};
using PResStringRec = const TResStringRec*;

String LoadResString(PResStringRec res);
// The platform layer installs the loader that reads the program's string table.
using TResStringLoader = bool (*)(PResStringRec res, String& text);
void SetResStringLoader(TResStringLoader loader);

// --- Interface implementations --------------------------------------------------------
// An object freed when the last reference to one of its interfaces is released.
// Hold it through InterfacePtr; never delete it directly while referenced.
class TInterfacedObject : public TObject, public virtual IInterface {
  VAMIRE_CLASS(TInterfacedObject, TObject)
 public:
  int32_t QueryInterface(const TGUID& iid, void** obj) override;
  int32_t _AddRef() override;
  int32_t _Release() override;
  int32_t RefCount() const { return FRefCount; }
  bool GetInterface(const TGUID& iid, void** obj) override;

 private:
  int32_t FRefCount = 0;
};

// A counted reference to an interface (takes a reference on copy, releases on
// destruction), for interfaces whose implementation is freed by reference count.
template <class I>
class InterfacePtr {
 public:
  InterfacePtr() = default;
  InterfacePtr(std::nullptr_t) {}
  InterfacePtr(I* p) : FPtr(p) {
    if (FPtr) FPtr->_AddRef();
  }
  InterfacePtr(const InterfacePtr& o) : InterfacePtr(o.FPtr) {}
  InterfacePtr(InterfacePtr&& o) noexcept : FPtr(std::exchange(o.FPtr, nullptr)) {}
  ~InterfacePtr() { Reset(); }
  InterfacePtr& operator=(InterfacePtr o) noexcept {
    std::swap(FPtr, o.FPtr);
    return *this;
  }
  void Reset() {
    if (I* p = std::exchange(FPtr, nullptr)) p->_Release();
  }
  // Takes over a reference already held (as QueryInterface hands one out).
  static InterfacePtr Adopt(I* p) {
    InterfacePtr r;
    r.FPtr = p;
    return r;
  }
  I* Get() const { return FPtr; }
  I* operator->() const { return FPtr; }
  explicit operator bool() const { return FPtr != nullptr; }
  friend bool operator==(const InterfacePtr& a, const InterfacePtr& b) { return a.FPtr == b.FPtr; }

 private:
  I* FPtr = nullptr;
};

// Whether `instance` (an object or an interface) implements interface I.
// The raw result borrows: it takes no reference. The InterfacePtr form holds one.
template <class I, class T>
bool Supports(T* instance, I*& intf) {
  intf = nullptr;
  if (!instance) return false;
  void* p = nullptr;
  if constexpr (std::is_base_of_v<TObject, T>) {
    if (!instance->GetInterface(I::IID, &p)) return false;
  } else {
    if (instance->QueryInterface(I::IID, &p) != QI_OK) return false;
    static_cast<I*>(p)->_Release();  // the caller's own reference keeps it alive
  }
  intf = static_cast<I*>(p);
  return true;
}

template <class I, class T>
bool Supports(T* instance, InterfacePtr<I>& intf) {
  I* p = nullptr;
  bool found = Supports<I>(instance, p);
  intf = InterfacePtr<I>(p);
  return found;
}

template <class I, class T>
bool Supports(T* instance) {
  I* p = nullptr;
  return Supports<I>(instance, p);
}

// --- Locale-aware comparison ----------------------------------------------------------
// Compares two texts by the user's locale (sign of the result as strcmp): by
// default SysUtils' AnsiCompareStr/AnsiCompareText, which use the Win32
// comparison once the platform part is installed and code units natively.
using TLocaleCompare = int (*)(const String& a, const String& b, bool ignoreCase);
int LocaleCompare(const String& a, const String& b, bool ignoreCase);
// Installs `compare` (null restores the built-in one); returns the previous one.
TLocaleCompare SetLocaleCompare(TLocaleCompare compare);
