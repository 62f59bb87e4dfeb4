// Value types: for each kind of value a record may hold, how the value sits in
// its slot of a raw record buffer, how it compares, converts to and from a
// variant, shows as text and travels in a stream. Needs no Win32.
//
// Value types are classes used only as class references: the class object of
// each kind is the one instance of its C++ class, every operation is a const
// virtual of it, and operations call each other through `this`, so a kind that
// overrides one operation changes every operation built on it.
#pragma once

#include <cstdint>
#include <vector>

#include "Streams.h"
#include "System.h"
#include "Units.h"
#include "Variants.h"

// A stream whose texts are UTF-16 derives from this as well and answers true;
// texts in any other stream are 8-bit, in the ANSI code page.
class IcxWideTextStream {
 public:
  virtual bool HoldsWideText() const = 0;

 protected:
  ~IcxWideTextStream() = default;
};
bool cxStreamHoldsWideText(TStream* AStream);

class TcxValueType;
using TcxValueTypeClass = const TcxValueType*;

// A value buffer (B) is the slot of one value. The String, WideString and
// Variant kinds keep a pointer to a heap object there (null for no value); the
// Object kind an object reference; the others the value itself. A text buffer
// (P) is a pointer to a display text that StoreText makes and ReleaseTextBuffer
// frees.
class TcxValueType : public TMetaClass {
 public:
  static TcxValueTypeClass Class();

  virtual int CompareBuffers(const void* ABuffer1, const void* ABuffer2) const;
  virtual void ReleaseValueBuffer(void* ABuffer) const;
  virtual void ReleaseTextBuffer(void*& ABuffer) const;
  // Bytes of the value buffer.
  virtual int ValueSize() const;
  virtual void LoadValue(const void* ABuffer, Variant& AValue) const;
  // Empty when the value can't be turned into a text.
  virtual String ValueToText(const void* ABuffer) const;
  virtual String LoadText(const void* ABuffer) const;
  virtual void ReadValueFromStream(void* ABuffer, TStream* AStream) const;
  virtual void ReadTextFromStream(void*& ABuffer, TStream* AStream) const;
  virtual void StoreValue(void* ABuffer, const Variant& AValue) const;
  virtual void StoreText(void*& ABuffer, const String& AText) const;
  virtual void WriteValueToStream(const void* ABuffer, TStream* AStream) const;
  virtual void WriteTextToStream(const void* ABuffer, TStream* AStream) const;
  // The class name without "Tcx" and "ValueType": "String", "SQLTimeStamp".
  virtual String TypeCaption() const;
  // The two items are what CompareBuffers hands on: the buffers themselves, or
  // for the pointer kinds the pointers held in them.
  virtual int CompareItems(const void* AItem1, const void* AItem2) const;
  virtual void LoadValueFromPointer(const void* APointer, Variant& AValue) const;
  virtual TVarType VariantType() const;
  // Casts the value to VariantType (Null stays); false, with the value as it
  // was, when the cast raises a variant error.
  virtual bool CoerceVariant(Variant& AValue) const;
  // True for the string kinds.
  virtual bool HoldsText() const;
  // Pointer kinds: the buffer address becomes the pointer it holds.
  virtual void DerefValueBuffer(const void*& ABuffer) const;

 protected:
  TcxValueType(const wchar_t* AName, TClass AParent) : TMetaClass(AName, AParent, nullptr) {}
};

// 8-bit text in the original; here the program's text, so nothing is lost in memory.
class TcxStringValueType : public TcxValueType {
 public:
  static TcxValueTypeClass Class();
  int CompareBuffers(const void* ABuffer1, const void* ABuffer2) const override;
  void ReleaseValueBuffer(void* ABuffer) const override;
  int ValueSize() const override;
  void LoadValue(const void* ABuffer, Variant& AValue) const override;
  void ReadValueFromStream(void* ABuffer, TStream* AStream) const override;
  void StoreValue(void* ABuffer, const Variant& AValue) const override;
  void WriteValueToStream(const void* ABuffer, TStream* AStream) const override;
  int CompareItems(const void* AItem1, const void* AItem2) const override;
  void LoadValueFromPointer(const void* APointer, Variant& AValue) const override;
  TVarType VariantType() const override;
  bool HoldsText() const override;
  void DerefValueBuffer(const void*& ABuffer) const override;

 protected:
  using TcxValueType::TcxValueType;
};

// The slot points to a block: a 4-byte character count, then the UTF-16 characters.
class TcxWideStringValueType : public TcxStringValueType {
 public:
  static TcxValueTypeClass Class();
  void ReleaseValueBuffer(void* ABuffer) const override;
  void LoadValue(const void* ABuffer, Variant& AValue) const override;
  void ReadValueFromStream(void* ABuffer, TStream* AStream) const override;
  void StoreValue(void* ABuffer, const Variant& AValue) const override;
  void WriteValueToStream(const void* ABuffer, TStream* AStream) const override;
  int CompareItems(const void* AItem1, const void* AItem2) const override;
  TVarType VariantType() const override;

 protected:
  using TcxStringValueType::TcxStringValueType;
};

// The kinds whose slot holds a plain value with a fixed-size stream form.
// Traits (defined with the unit) say what the value is and how it converts,
// compares and travels; the class tree stays that of the kinds themselves.
template <class Traits>
class TcxScalarValueType : public TcxValueType {
 public:
  int ValueSize() const override;
  void LoadValue(const void* ABuffer, Variant& AValue) const override;
  void ReadValueFromStream(void* ABuffer, TStream* AStream) const override;
  void StoreValue(void* ABuffer, const Variant& AValue) const override;
  void WriteValueToStream(const void* ABuffer, TStream* AStream) const override;
  int CompareItems(const void* AItem1, const void* AItem2) const override;
  TVarType VariantType() const override;

 protected:
  using TcxValueType::TcxValueType;
};

struct TcxSmallintTraits;
struct TcxIntegerTraits;
struct TcxWordTraits;
struct TcxBooleanTraits;
struct TcxFloatTraits;
struct TcxCurrencyTraits;
struct TcxDateTimeTraits;
struct TcxLargeIntTraits;

class TcxSmallintValueType : public TcxScalarValueType<TcxSmallintTraits> {
 public:
  static TcxValueTypeClass Class();

 protected:
  using TcxScalarValueType::TcxScalarValueType;
};

class TcxIntegerValueType : public TcxScalarValueType<TcxIntegerTraits> {
 public:
  static TcxValueTypeClass Class();

 protected:
  using TcxScalarValueType::TcxScalarValueType;
};

class TcxWordValueType : public TcxScalarValueType<TcxWordTraits> {
 public:
  static TcxValueTypeClass Class();

 protected:
  using TcxScalarValueType::TcxScalarValueType;
};

class TcxBooleanValueType : public TcxScalarValueType<TcxBooleanTraits> {
 public:
  static TcxValueTypeClass Class();
  // "True" or "False".
  String ValueToText(const void* ABuffer) const override;

 protected:
  using TcxScalarValueType::TcxScalarValueType;
};

// A double in the slot, 80-bit extended in streams.
class TcxFloatValueType : public TcxScalarValueType<TcxFloatTraits> {
 public:
  static TcxValueTypeClass Class();

 protected:
  using TcxScalarValueType::TcxScalarValueType;
};

// The value times 10000 as a 64-bit integer; storing rounds to the nearest step.
class TcxCurrencyValueType : public TcxScalarValueType<TcxCurrencyTraits> {
 public:
  static TcxValueTypeClass Class();

 protected:
  using TcxScalarValueType::TcxScalarValueType;
};

class TcxDateTimeValueType : public TcxScalarValueType<TcxDateTimeTraits> {
 public:
  static TcxValueTypeClass Class();
  String ValueToText(const void* ABuffer) const override;

 protected:
  using TcxScalarValueType::TcxScalarValueType;
};

class TcxLargeIntValueType : public TcxScalarValueType<TcxLargeIntTraits> {
 public:
  static TcxValueTypeClass Class();

 protected:
  using TcxScalarValueType::TcxScalarValueType;
};

// A TBcd in the slot; streams carry it as its text.
class TcxFMTBcdValueType : public TcxValueType {
 public:
  static TcxValueTypeClass Class();
  int ValueSize() const override;
  void LoadValue(const void* ABuffer, Variant& AValue) const override;
  String ValueToText(const void* ABuffer) const override;
  void StoreValue(void* ABuffer, const Variant& AValue) const override;
  int CompareItems(const void* AItem1, const void* AItem2) const override;
  TVarType VariantType() const override;

 protected:
  using TcxValueType::TcxValueType;
};

// A TSQLTimeStamp in the slot; it loads as a date, and streams carry that date.
class TcxSQLTimeStampValueType : public TcxValueType {
 public:
  static TcxValueTypeClass Class();
  int ValueSize() const override;
  void LoadValue(const void* ABuffer, Variant& AValue) const override;
  void StoreValue(void* ABuffer, const Variant& AValue) const override;
  int CompareItems(const void* AItem1, const void* AItem2) const override;
  TVarType VariantType() const override;

 protected:
  using TcxValueType::TcxValueType;
};

class TcxVariantValueType : public TcxValueType {
 public:
  static TcxValueTypeClass Class();
  int CompareBuffers(const void* ABuffer1, const void* ABuffer2) const override;
  void ReleaseValueBuffer(void* ABuffer) const override;
  int ValueSize() const override;
  void LoadValue(const void* ABuffer, Variant& AValue) const override;
  void StoreValue(void* ABuffer, const Variant& AValue) const override;
  int CompareItems(const void* AItem1, const void* AItem2) const override;
  void LoadValueFromPointer(const void* APointer, Variant& AValue) const override;
  void DerefValueBuffer(const void*& ABuffer) const override;

 protected:
  using TcxValueType::TcxValueType;
};

// An object reference that the slot owns: releasing the buffer frees the
// object. Its variant is the reference as a pointer-sized integer; nothing of
// it goes to a stream.
class TcxObjectValueType : public TcxIntegerValueType {
 public:
  static TcxValueTypeClass Class();
  void ReleaseValueBuffer(void* ABuffer) const override;
  int ValueSize() const override;
  void LoadValue(const void* ABuffer, Variant& AValue) const override;
  void ReadValueFromStream(void* ABuffer, TStream* AStream) const override;
  void StoreValue(void* ABuffer, const Variant& AValue) const override;
  void WriteValueToStream(const void* ABuffer, TStream* AStream) const override;
  int CompareItems(const void* AItem1, const void* AItem2) const override;
  TVarType VariantType() const override;

 protected:
  using TcxIntegerValueType::TcxIntegerValueType;
};

// The registered kinds, in order of registration.
class TcxValueTypeClassList : public TObject {
  VAMIRE_CLASS(TcxValueTypeClassList, TObject)
 public:
  TcxValueTypeClassList() = default;
  // Adds a kind not yet listed.
  void RegisterItem(TcxValueTypeClass AValueTypeClass);
  void UnregisterItem(TcxValueTypeClass AValueTypeClass);
  int Count() const { return int(FItems.size()); }
  TcxValueTypeClass Items(int AIndex) const;

 private:
  std::vector<TcxValueTypeClass> FItems;
};

// The one list, created on first use; null once the units are ending.
TcxValueTypeClassList* cxValueTypeClassList();

// Unit start registers the fourteen kinds; unit end unregisters them in
// reverse and frees the list.
void cxDataStorage_Initialize();
void cxDataStorage_Finalize();
extern const TUnitEntry cxDataStorageUnit;
