#include "cxDataStorage.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include "Classes.h"
#include "FMTBcd.h"
#include "SqlTimeStamp.h"
#include "SysUtils.h"
#include "cxVariants.h"

namespace {

// Slots may sit anywhere in a record, so they are read and written bytewise.
template <class T>
T Get(const void* ABuffer) {
  T v;
  std::memcpy(&v, ABuffer, sizeof v);
  return v;
}

template <class T>
void Put(void* ABuffer, T AValue) {
  std::memcpy(ABuffer, &AValue, sizeof AValue);
}

template <class T>
int Order(T a, T b) {
  return a < b ? -1 : b < a ? 1 : 0;
}

// Null pointers sort first and equal each other; 2 means both are set.
int CompareNil(const void* AItem1, const void* AItem2) {
  if (!AItem1 || !AItem2) return AItem1 == AItem2 ? 0 : AItem1 ? 1 : -1;
  return 2;
}

String ReadText(TStream* AStream) {
  if (cxStreamHoldsWideText(AStream)) return ReadStreamWideString(AStream);
  return AnsiToString(ReadStreamAnsiString(AStream));
}

void WriteText(TStream* AStream, const String& AText) {
  if (cxStreamHoldsWideText(AStream)) WriteStreamWideString(AStream, AText);
  else WriteStreamAnsiString(AStream, StringToAnsi(AText));
}

// The wide-string block: a 4-byte character count, then the UTF-16 characters.
void* NewBlock(const String& AText) {
  auto* block = new uint8_t[4 + 2 * AText.size()];
  Put(block, uint32_t(AText.size()));
  for (size_t i = 0; i < AText.size(); ++i) Put(block + 4 + 2 * i, uint16_t(AText[i]));
  return block;
}

String BlockText(const void* ABlock) {
  if (!ABlock) return String();
  const auto* block = static_cast<const uint8_t*>(ABlock);
  String text(Get<uint32_t>(block), L'\0');
  for (size_t i = 0; i < text.size(); ++i) text[i] = wchar_t(Get<uint16_t>(block + 4 + 2 * i));
  return text;
}

void FreeBlock(void* ABlock) { delete[] static_cast<uint8_t*>(ABlock); }

void ReplaceBlock(void* ABuffer, void* ABlock) {
  FreeBlock(Get<void*>(ABuffer));
  Put(ABuffer, ABlock);
}

// The pointer kinds compare and load through the pointer the slot holds.
int ComparePointed(const TcxValueType* AType, const void* ABuffer1, const void* ABuffer2) {
  return AType->CompareItems(Get<const void*>(ABuffer1), Get<const void*>(ABuffer2));
}

void LoadPointed(const TcxValueType* AType, const void* APointer, Variant& AValue) {
  AType->LoadValue(&APointer, AValue);
}

}  // namespace

bool cxStreamHoldsWideText(TStream* AStream) {
  const auto* mark = dynamic_cast<const IcxWideTextStream*>(AStream);
  return mark && mark->HoldsWideText();
}

// --- TcxValueType -----------------------------------------------------------------------

TcxValueTypeClass TcxValueType::Class() {
  static const TcxValueType cls(L"TcxValueType", TObject::StaticClass());
  return &cls;
}

int TcxValueType::CompareBuffers(const void* ABuffer1, const void* ABuffer2) const {
  return CompareItems(ABuffer1, ABuffer2);
}

void TcxValueType::ReleaseValueBuffer(void*) const {}

void TcxValueType::ReleaseTextBuffer(void*& ABuffer) const {
  delete static_cast<String*>(ABuffer);
  ABuffer = nullptr;
}

int TcxValueType::ValueSize() const { return 0; }

void TcxValueType::LoadValue(const void*, Variant& AValue) const { AValue = Null(); }

String TcxValueType::ValueToText(const void* ABuffer) const {
  Variant value;
  LoadValue(ABuffer, value);
  try {
    return VarToStr(value);
  } catch (const EVariantError&) {
    return String();
  }
}

String TcxValueType::LoadText(const void* ABuffer) const {
  return ABuffer ? *static_cast<const String*>(ABuffer) : String();
}

void TcxValueType::ReadValueFromStream(void* ABuffer, TStream* AStream) const {
  StoreValue(ABuffer, ReadVariantFromStream(AStream));
}

void TcxValueType::ReadTextFromStream(void*& ABuffer, TStream* AStream) const {
  StoreText(ABuffer, ReadText(AStream));
}

void TcxValueType::StoreValue(void*, const Variant&) const {}

void TcxValueType::StoreText(void*& ABuffer, const String& AText) const {
  if (!ABuffer) ABuffer = new String();
  *static_cast<String*>(ABuffer) = AText;
}

void TcxValueType::WriteValueToStream(const void* ABuffer, TStream* AStream) const {
  Variant value;
  LoadValue(ABuffer, value);
  WriteVariantToStream(AStream, value);
}

void TcxValueType::WriteTextToStream(const void* ABuffer, TStream* AStream) const {
  WriteText(AStream, LoadText(ABuffer));
}

String TcxValueType::TypeCaption() const {
  String caption = ClassName();
  if (caption.compare(0, 3, L"Tcx") == 0) caption.erase(0, 3);
  const size_t at = caption.find(L"ValueType");
  if (at != String::npos) caption.erase(at, 9);
  return caption;
}

int TcxValueType::CompareItems(const void* AItem1, const void* AItem2) const {
  Variant value1, value2;
  LoadValue(AItem1, value1);
  LoadValue(AItem2, value2);
  return CompareVariants(value1, value2);
}

void TcxValueType::LoadValueFromPointer(const void* APointer, Variant& AValue) const { LoadValue(APointer, AValue); }

TVarType TcxValueType::VariantType() const { return varVariant; }

bool TcxValueType::CoerceVariant(Variant& AValue) const {
  if (AValue.IsNull() || VariantType() == varVariant) return true;
  try {
    AValue = VarAsType(AValue, VariantType());
    return true;
  } catch (const EVariantError&) {
    return false;
  }
}

bool TcxValueType::HoldsText() const { return false; }

void TcxValueType::DerefValueBuffer(const void*&) const {}

// --- String -----------------------------------------------------------------------------

TcxValueTypeClass TcxStringValueType::Class() {
  static const TcxStringValueType cls(L"TcxStringValueType", TcxValueType::Class());
  return &cls;
}

int TcxStringValueType::CompareBuffers(const void* ABuffer1, const void* ABuffer2) const {
  return ComparePointed(this, ABuffer1, ABuffer2);
}

void TcxStringValueType::ReleaseValueBuffer(void* ABuffer) const {
  void* text = Get<void*>(ABuffer);
  ReleaseTextBuffer(text);
  Put(ABuffer, text);
}

int TcxStringValueType::ValueSize() const { return int(sizeof(void*)); }

void TcxStringValueType::LoadValue(const void* ABuffer, Variant& AValue) const {
  const void* text = Get<const void*>(ABuffer);
  AValue = text ? Variant(LoadText(text)) : Null();
}

void TcxStringValueType::ReadValueFromStream(void* ABuffer, TStream* AStream) const {
  void* text = Get<void*>(ABuffer);
  ReadTextFromStream(text, AStream);
  Put(ABuffer, text);
}

void TcxStringValueType::StoreValue(void* ABuffer, const Variant& AValue) const {
  const String value = VarToStr(AValue);
  void* text = Get<void*>(ABuffer);
  StoreText(text, value);
  Put(ABuffer, text);
}

void TcxStringValueType::WriteValueToStream(const void* ABuffer, TStream* AStream) const {
  WriteTextToStream(Get<const void*>(ABuffer), AStream);
}

int TcxStringValueType::CompareItems(const void* AItem1, const void* AItem2) const {
  if (int r = CompareNil(AItem1, AItem2); r != 2) return r;
  return Order(CompareStr(LoadText(AItem1), LoadText(AItem2)), 0);
}

void TcxStringValueType::LoadValueFromPointer(const void* APointer, Variant& AValue) const {
  LoadPointed(this, APointer, AValue);
}

TVarType TcxStringValueType::VariantType() const { return varString; }

bool TcxStringValueType::HoldsText() const { return true; }

void TcxStringValueType::DerefValueBuffer(const void*& ABuffer) const { ABuffer = Get<const void*>(ABuffer); }

// --- WideString -------------------------------------------------------------------------

TcxValueTypeClass TcxWideStringValueType::Class() {
  static const TcxWideStringValueType cls(L"TcxWideStringValueType", TcxStringValueType::Class());
  return &cls;
}

void TcxWideStringValueType::ReleaseValueBuffer(void* ABuffer) const { ReplaceBlock(ABuffer, nullptr); }

void TcxWideStringValueType::LoadValue(const void* ABuffer, Variant& AValue) const {
  const void* block = Get<const void*>(ABuffer);
  AValue = block ? Variant::OleStr(BlockText(block)) : Null();
}

void TcxWideStringValueType::ReadValueFromStream(void* ABuffer, TStream* AStream) const {
  ReplaceBlock(ABuffer, NewBlock(ReadStreamWideString(AStream)));
}

void TcxWideStringValueType::StoreValue(void* ABuffer, const Variant& AValue) const {
  // Converted first: a value that can't be a text leaves the slot as it was.
  ReplaceBlock(ABuffer, AValue.IsNull() ? nullptr : NewBlock(VarToStr(AValue)));
}

// The characters go as they are: narrowing them to 8 bits on the way would
// lose every one the ANSI code page lacks.
void TcxWideStringValueType::WriteValueToStream(const void* ABuffer, TStream* AStream) const {
  WriteStreamWideString(AStream, BlockText(Get<const void*>(ABuffer)));
}

int TcxWideStringValueType::CompareItems(const void* AItem1, const void* AItem2) const {
  if (int r = CompareNil(AItem1, AItem2); r != 2) return r;
  return Order(BlockText(AItem1).compare(BlockText(AItem2)), 0);
}

TVarType TcxWideStringValueType::VariantType() const { return varOleStr; }

// --- Scalar kinds -----------------------------------------------------------------------

namespace {
// Equal: 0; the first at or above the second: 1; else -1 (so NaN is below everything).
int CompareFloats(double a, double b) { return a == b ? 0 : a >= b ? 1 : -1; }
}  // namespace

struct TcxSmallintTraits {
  using T = int16_t;
  static constexpr TVarType VarType = varSmallint;
  static Variant Load(T v) { return Variant(v); }
  static T Store(const Variant& v) { return T(VarAsType(v, varSmallint).AsInteger()); }
  static T Read(TStream* s) { return ReadStreamSmallInt(s); }
  static void Write(TStream* s, T v) { WriteStreamSmallInt(s, v); }
  static int Compare(T a, T b) { return a - b; }
};

struct TcxIntegerTraits {
  using T = int32_t;
  static constexpr TVarType VarType = varInteger;
  static Variant Load(T v) { return Variant(v); }
  static T Store(const Variant& v) { return v.AsInteger(); }
  static T Read(TStream* s) { return ReadStreamInteger(s); }
  static void Write(TStream* s, T v) { WriteStreamInteger(s, v); }
  static int Compare(T a, T b) { return Order(a, b); }
};

struct TcxWordTraits {
  using T = uint16_t;
  static constexpr TVarType VarType = varWord;
  static Variant Load(T v) { return Variant(v); }
  static T Store(const Variant& v) { return T(VarAsType(v, varWord).AsInteger()); }
  static T Read(TStream* s) { return ReadStreamWord(s); }
  static void Write(TStream* s, T v) { WriteStreamWord(s, v); }
  static int Compare(T a, T b) { return int(a) - int(b); }
};

struct TcxBooleanTraits {
  using T = uint8_t;
  static constexpr TVarType VarType = varBoolean;
  static Variant Load(T v) { return Variant(v != 0); }
  static T Store(const Variant& v) { return v.AsBoolean() ? 1 : 0; }
  static T Read(TStream* s) { return ReadStreamByte(s); }
  static void Write(TStream* s, T v) { WriteStreamByte(s, v); }
  static int Compare(T a, T b) { return int(a) - int(b); }
};

struct TcxFloatTraits {
  using T = double;
  static constexpr TVarType VarType = varDouble;
  static Variant Load(T v) { return Variant(v); }
  static T Store(const Variant& v) { return v.AsDouble(); }
  static T Read(TStream* s) { return ReadStreamExtended(s); }
  static void Write(TStream* s, T v) { WriteStreamExtended(s, v); }
  static int Compare(T a, T b) { return CompareFloats(a, b); }
};

struct TcxCurrencyTraits {
  using T = int64_t;  // the scaled value
  static constexpr TVarType VarType = varCurrency;
  static Variant Load(T v) { return Variant(Currency::FromScaled(v)); }
  static T Store(const Variant& v) { return v.AsCurrency().Scaled; }
  static T Read(TStream* s) { return ReadStreamCurrency(s).Scaled; }
  static void Write(TStream* s, T v) { WriteStreamCurrency(s, Currency::FromScaled(v)); }
  static int Compare(T a, T b) { return Order(a, b); }
};

struct TcxDateTimeTraits {
  using T = double;
  static constexpr TVarType VarType = varDate;
  static Variant Load(T v) { return VarFromDateTime(v); }
  static T Store(const Variant& v) { return v.AsDate(); }
  static T Read(TStream* s) { return ReadStreamDateTime(s); }
  static void Write(TStream* s, T v) { WriteStreamDateTime(s, v); }
  static int Compare(T a, T b) { return CompareFloats(a, b); }
};

struct TcxLargeIntTraits {
  using T = int64_t;
  static constexpr TVarType VarType = varInt64;
  static Variant Load(T v) { return Variant(v); }
  static T Store(const Variant& v) { return v.AsInt64(); }
  static T Read(TStream* s) { return ReadStreamInt64(s); }
  static void Write(TStream* s, T v) { WriteStreamInt64(s, v); }
  static int Compare(T a, T b) { return Order(a, b); }
};

template <class Traits>
int TcxScalarValueType<Traits>::ValueSize() const {
  return int(sizeof(typename Traits::T));
}
template <class Traits>
void TcxScalarValueType<Traits>::LoadValue(const void* ABuffer, Variant& AValue) const {
  AValue = Traits::Load(Get<typename Traits::T>(ABuffer));
}
template <class Traits>
void TcxScalarValueType<Traits>::ReadValueFromStream(void* ABuffer, TStream* AStream) const {
  Put(ABuffer, Traits::Read(AStream));
}
template <class Traits>
void TcxScalarValueType<Traits>::StoreValue(void* ABuffer, const Variant& AValue) const {
  Put(ABuffer, Traits::Store(AValue));
}
template <class Traits>
void TcxScalarValueType<Traits>::WriteValueToStream(const void* ABuffer, TStream* AStream) const {
  Traits::Write(AStream, Get<typename Traits::T>(ABuffer));
}
template <class Traits>
int TcxScalarValueType<Traits>::CompareItems(const void* AItem1, const void* AItem2) const {
  return Traits::Compare(Get<typename Traits::T>(AItem1), Get<typename Traits::T>(AItem2));
}
template <class Traits>
TVarType TcxScalarValueType<Traits>::VariantType() const {
  return Traits::VarType;
}

template class TcxScalarValueType<TcxSmallintTraits>;
template class TcxScalarValueType<TcxIntegerTraits>;
template class TcxScalarValueType<TcxWordTraits>;
template class TcxScalarValueType<TcxBooleanTraits>;
template class TcxScalarValueType<TcxFloatTraits>;
template class TcxScalarValueType<TcxCurrencyTraits>;
template class TcxScalarValueType<TcxDateTimeTraits>;
template class TcxScalarValueType<TcxLargeIntTraits>;

TcxValueTypeClass TcxSmallintValueType::Class() {
  static const TcxSmallintValueType cls(L"TcxSmallintValueType", TcxValueType::Class());
  return &cls;
}

TcxValueTypeClass TcxIntegerValueType::Class() {
  static const TcxIntegerValueType cls(L"TcxIntegerValueType", TcxValueType::Class());
  return &cls;
}

TcxValueTypeClass TcxWordValueType::Class() {
  static const TcxWordValueType cls(L"TcxWordValueType", TcxValueType::Class());
  return &cls;
}

TcxValueTypeClass TcxBooleanValueType::Class() {
  static const TcxBooleanValueType cls(L"TcxBooleanValueType", TcxValueType::Class());
  return &cls;
}

String TcxBooleanValueType::ValueToText(const void* ABuffer) const {
  return BoolToStr(Get<uint8_t>(ABuffer) != 0, true);
}

TcxValueTypeClass TcxFloatValueType::Class() {
  static const TcxFloatValueType cls(L"TcxFloatValueType", TcxValueType::Class());
  return &cls;
}

TcxValueTypeClass TcxCurrencyValueType::Class() {
  static const TcxCurrencyValueType cls(L"TcxCurrencyValueType", TcxValueType::Class());
  return &cls;
}

TcxValueTypeClass TcxDateTimeValueType::Class() {
  static const TcxDateTimeValueType cls(L"TcxDateTimeValueType", TcxValueType::Class());
  return &cls;
}

String TcxDateTimeValueType::ValueToText(const void* ABuffer) const {
  Variant value;
  LoadValue(ABuffer, value);
  try {
    return VarToStr(value);
  } catch (const EVariantError&) {
    return DateTimeToStr(Get<double>(ABuffer));
  }
}

TcxValueTypeClass TcxLargeIntValueType::Class() {
  static const TcxLargeIntValueType cls(L"TcxLargeIntValueType", TcxValueType::Class());
  return &cls;
}

// --- FMTBcd and SQL time stamps ---------------------------------------------------------

TcxValueTypeClass TcxFMTBcdValueType::Class() {
  static const TcxFMTBcdValueType cls(L"TcxFMTBcdValueType", TcxValueType::Class());
  return &cls;
}
int TcxFMTBcdValueType::ValueSize() const { return int(sizeof(TBcd)); }
void TcxFMTBcdValueType::LoadValue(const void* ABuffer, Variant& AValue) const {
  AValue = VarFMTBcdCreate(Get<TBcd>(ABuffer));
}
String TcxFMTBcdValueType::ValueToText(const void* ABuffer) const { return BcdToStr(Get<TBcd>(ABuffer)); }
void TcxFMTBcdValueType::StoreValue(void* ABuffer, const Variant& AValue) const { Put(ABuffer, VarToBcd(AValue)); }
int TcxFMTBcdValueType::CompareItems(const void* AItem1, const void* AItem2) const {
  return BcdCompare(Get<TBcd>(AItem1), Get<TBcd>(AItem2));
}
TVarType TcxFMTBcdValueType::VariantType() const { return VarFMTBcd(); }

TcxValueTypeClass TcxSQLTimeStampValueType::Class() {
  static const TcxSQLTimeStampValueType cls(L"TcxSQLTimeStampValueType", TcxValueType::Class());
  return &cls;
}
int TcxSQLTimeStampValueType::ValueSize() const { return int(sizeof(TSQLTimeStamp)); }
void TcxSQLTimeStampValueType::LoadValue(const void* ABuffer, Variant& AValue) const {
  AValue = VarFromDateTime(SQLTimeStampToDateTime(Get<TSQLTimeStamp>(ABuffer)));
}
void TcxSQLTimeStampValueType::StoreValue(void* ABuffer, const Variant& AValue) const {
  Put(ABuffer, VarToSQLTimeStamp(AValue));
}
// Field by field, the first difference decides. Fractions compare by order:
// their difference may not fit an int.
int TcxSQLTimeStampValueType::CompareItems(const void* AItem1, const void* AItem2) const {
  const TSQLTimeStamp a = Get<TSQLTimeStamp>(AItem1), b = Get<TSQLTimeStamp>(AItem2);
  const int fields[][2] = {{a.Year, b.Year},     {a.Month, b.Month},   {a.Day, b.Day},
                           {a.Hour, b.Hour},     {a.Minute, b.Minute}, {a.Second, b.Second}};
  for (const auto& f : fields)
    if (f[0] != f[1]) return f[0] - f[1];
  return Order(a.Fractions, b.Fractions);
}
TVarType TcxSQLTimeStampValueType::VariantType() const { return VarSQLTimeStamp(); }

// --- Variant ----------------------------------------------------------------------------

TcxValueTypeClass TcxVariantValueType::Class() {
  static const TcxVariantValueType cls(L"TcxVariantValueType", TcxValueType::Class());
  return &cls;
}
int TcxVariantValueType::CompareBuffers(const void* ABuffer1, const void* ABuffer2) const {
  return ComparePointed(this, ABuffer1, ABuffer2);
}
void TcxVariantValueType::ReleaseValueBuffer(void* ABuffer) const {
  delete Get<Variant*>(ABuffer);
  Put<Variant*>(ABuffer, nullptr);
}
int TcxVariantValueType::ValueSize() const { return int(sizeof(void*)); }
void TcxVariantValueType::LoadValue(const void* ABuffer, Variant& AValue) const {
  const Variant* value = Get<const Variant*>(ABuffer);
  AValue = value ? *value : Null();
}
void TcxVariantValueType::StoreValue(void* ABuffer, const Variant& AValue) const {
  Variant* value = Get<Variant*>(ABuffer);
  if (!value) {
    value = new Variant(AValue);
    Put(ABuffer, value);
  } else {
    *value = AValue;
  }
}
int TcxVariantValueType::CompareItems(const void* AItem1, const void* AItem2) const {
  if (int r = CompareNil(AItem1, AItem2); r != 2) return r;
  return CompareVariants(*static_cast<const Variant*>(AItem1), *static_cast<const Variant*>(AItem2));
}
void TcxVariantValueType::LoadValueFromPointer(const void* APointer, Variant& AValue) const {
  LoadPointed(this, APointer, AValue);
}
void TcxVariantValueType::DerefValueBuffer(const void*& ABuffer) const { ABuffer = Get<const void*>(ABuffer); }

// --- Object -----------------------------------------------------------------------------

TcxValueTypeClass TcxObjectValueType::Class() {
  static const TcxObjectValueType cls(L"TcxObjectValueType", TcxIntegerValueType::Class());
  return &cls;
}
void TcxObjectValueType::ReleaseValueBuffer(void* ABuffer) const {
  if (TObject* object = Get<TObject*>(ABuffer)) object->Free();
  Put<TObject*>(ABuffer, nullptr);
}
int TcxObjectValueType::ValueSize() const { return int(sizeof(TObject*)); }
void TcxObjectValueType::LoadValue(const void* ABuffer, Variant& AValue) const {
  AValue = Variant(reinterpret_cast<intptr_t>(Get<TObject*>(ABuffer)));
}
void TcxObjectValueType::ReadValueFromStream(void*, TStream*) const {}
void TcxObjectValueType::StoreValue(void* ABuffer, const Variant& AValue) const {
  Put(ABuffer, reinterpret_cast<TObject*>(intptr_t(AValue.AsInt64())));
}
void TcxObjectValueType::WriteValueToStream(const void*, TStream*) const {}
int TcxObjectValueType::CompareItems(const void* AItem1, const void* AItem2) const {
  return Order(reinterpret_cast<intptr_t>(Get<TObject*>(AItem1)), reinterpret_cast<intptr_t>(Get<TObject*>(AItem2)));
}
// A pointer-sized integer: varInteger in the 32-bit program.
TVarType TcxObjectValueType::VariantType() const { return sizeof(void*) == 4 ? varInteger : varInt64; }

// --- Registry ---------------------------------------------------------------------------

void TcxValueTypeClassList::RegisterItem(TcxValueTypeClass AValueTypeClass) {
  if (std::find(FItems.begin(), FItems.end(), AValueTypeClass) == FItems.end()) FItems.push_back(AValueTypeClass);
}

void TcxValueTypeClassList::UnregisterItem(TcxValueTypeClass AValueTypeClass) {
  auto it = std::find(FItems.begin(), FItems.end(), AValueTypeClass);
  if (it != FItems.end()) FItems.erase(it);
}

TcxValueTypeClass TcxValueTypeClassList::Items(int AIndex) const {
  if (AIndex < 0 || AIndex >= Count())
    throw EListError(Format(LoadResString(&SListIndexError), {AIndex}));
  return FItems[size_t(AIndex)];
}

namespace {

std::unique_ptr<TcxValueTypeClassList> GValueTypes;

TcxValueTypeClass (*const GKinds[])() = {
    &TcxStringValueType::Class,   &TcxWideStringValueType::Class, &TcxSmallintValueType::Class,
    &TcxIntegerValueType::Class,  &TcxWordValueType::Class,       &TcxBooleanValueType::Class,
    &TcxFloatValueType::Class,    &TcxCurrencyValueType::Class,   &TcxDateTimeValueType::Class,
    &TcxLargeIntValueType::Class, &TcxFMTBcdValueType::Class,     &TcxSQLTimeStampValueType::Class,
    &TcxVariantValueType::Class,  &TcxObjectValueType::Class};

}  // namespace

TcxValueTypeClassList* cxValueTypeClassList() {
  if (!GValueTypes && !IsFinalizing()) GValueTypes = std::make_unique<TcxValueTypeClassList>();
  return GValueTypes.get();
}

void cxDataStorage_Initialize() {
  for (auto kind : GKinds) cxValueTypeClassList()->RegisterItem(kind());
}

void cxDataStorage_Finalize() {
  if (!GValueTypes) return;
  for (size_t i = std::size(GKinds); i-- > 0;) GValueTypes->UnregisterItem(GKinds[i]());
  GValueTypes.reset();
}

const TUnitEntry cxDataStorageUnit{L"cxDataStorage", cxDataStorage_Initialize, cxDataStorage_Finalize};
