// The root of the runtime layer: the base object with its class objects,
// method-pointer events, the base exception and resource-string handles.
// Needs no Win32, so every platform-free unit can stand on it.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <type_traits>
#include <utility>

using String = std::wstring;     // text inside the program is UTF-16
using AnsiString = std::string;  // bytes in the platform's ANSI code page

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

template <class T>
constexpr TMetaClass::TCreator CreatorOf() {
  if constexpr (std::is_abstract_v<T>) return nullptr;
  else return &CreateInstance<T>;
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
class Exception : public TObject {
  VAMIRE_CLASS(Exception, TObject)
 public:
  using TCreateArg = void;
  Exception() = default;
  explicit Exception(String message) : FMessage(std::move(message)) {}
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
