// Variant conversions, comparisons and arrays.
#include "Variants.h"

#include <cmath>
#include <limits>

const TResStringRec SVarTypeCastError{L"SVarTypeCastError", L"Could not convert variant of type (%s) into type (%s)"};
const TResStringRec SVarOverflow{L"SVarOverflow", L"Variant overflow"};
const TResStringRec SVarInvalidOp{L"SVarInvalidOp", L"Invalid variant operation"};
const TResStringRec SVarArrayBounds{L"SVarArrayBounds", L"Variant or safe array index out of bounds"};
const TResStringRec SVarArrayCreate{L"SVarArrayCreate", L"Error creating variant or safe array"};
const TResStringRec SVarNotArray{L"SVarNotArray", L"Variant is not an array"};
const TResStringRec SVarBadType{L"SVarBadType", L"Invalid variant type"};

struct Variant::TArray {
  TVarType ElementType;
  std::vector<TVarArrayBound> Bounds;
  std::vector<Variant> Items;
};

// Reaches the private parts for the free routines of the unit.
struct VariantAccess {
  static Variant::TArray* Array(const Variant& v) { return v.FArray.get(); }
  static Variant MakeArray(std::unique_ptr<Variant::TArray> a) {
    Variant v;
    v.FType = TVarType(varArray | a->ElementType);
    v.FArray.reset(a.release());
    return v;
  }
  static void SetType(Variant& v, TVarType t) { v.FType = t; }
  static int64_t Int(const Variant& v) { return v.FInt; }
  static double Float(const Variant& v) { return v.FFloat; }
  static const String& Str(const Variant& v) { return v.FStr; }
  static const TCustomVariantData* Custom(const Variant& v) { return v.FCustom.get(); }
  static Variant MakeCustom(TVarType t, std::shared_ptr<const TCustomVariantData> data) {
    Variant v;
    v.FType = t;
    v.FCustom = std::move(data);
    return v;
  }
};

// --- Custom types ---------------------------------------------------------------------
namespace {

std::vector<const TCustomVariantType*>& CustomTypes() {
  static std::vector<const TCustomVariantType*> types;
  return types;
}

// The type object of a value of a custom type, or null.
const TCustomVariantType* CustomOf(const Variant& v) {
  return VariantAccess::Custom(v) ? FindCustomVariantType(v.VarType()) : nullptr;
}

// The type that compares two values: the first one's when both are custom.
const TCustomVariantType* CustomOf(const Variant& a, const Variant& b) {
  const TCustomVariantType* t = CustomOf(a);
  return t ? t : CustomOf(b);
}

}  // namespace

TCustomVariantType::TCustomVariantType() : FVarType(TVarType(varFirstCustom + CustomTypes().size())) {
  CustomTypes().push_back(this);
}

Variant TCustomVariantType::MakeValue(std::shared_ptr<const TCustomVariantData> Data) const {
  return VariantAccess::MakeCustom(FVarType, std::move(Data));
}

const TCustomVariantType* FindCustomVariantType(TVarType type) {
  const auto& types = CustomTypes();
  if (type < varFirstCustom || size_t(type - varFirstCustom) >= types.size()) return nullptr;
  return types[size_t(type - varFirstCustom)];
}

const TCustomVariantData* VarCustomData(const Variant& v) { return VariantAccess::Custom(v); }

namespace {

[[noreturn]] void CastError(TVarType from, TVarType to) {
  throw EVariantTypeCastError(Format(LoadResString(&SVarTypeCastError), {VarTypeAsText(from), VarTypeAsText(to)}));
}

[[noreturn]] void Overflow() { throw EVariantOverflowError(LoadResString(&SVarOverflow)); }

bool IsIntegerType(TVarType t) {
  switch (t) {
    case varSmallint: case varInteger: case varShortInt: case varByte: case varWord: case varLongWord: case varInt64:
      return true;
    default:
      return false;
  }
}

bool IsFloatType(TVarType t) { return t == varSingle || t == varDouble || t == varDate; }
bool IsStringType(TVarType t) { return t == varString || t == varUString || t == varOleStr; }

int64_t RoundToInt64(double value) {
  if (!(std::fabs(value) < 9.2e18)) Overflow();
  return Round(value);
}

// The integer value of a variant, for conversions to `target`.
int64_t ToInt64(const Variant& v, TVarType target) {
  if (const TCustomVariantType* custom = CustomOf(v)) return ToInt64(custom->CastTo(v, varInt64), target);
  TVarType t = v.VarType();
  if (t == varEmpty) return 0;
  if (t == varBoolean) return VariantAccess::Int(v) ? -1 : 0;
  if (IsIntegerType(t)) return VariantAccess::Int(v);
  if (IsFloatType(t)) return RoundToInt64(VariantAccess::Float(v));
  if (t == varCurrency) return RoundToInt64(double(VariantAccess::Int(v)) / 10000.0);
  if (IsStringType(t)) {
    int64_t i;
    double d;
    if (TryStrToInt64(Trim(VariantAccess::Str(v)), i)) return i;
    if (TryStrToFloat(VariantAccess::Str(v), d)) return RoundToInt64(d);
  }
  CastError(t, target);
}

int64_t Ranged(int64_t value, int64_t low, int64_t high) {
  if (value < low || value > high) Overflow();
  return value;
}

bool IsNumberLike(TVarType t) {
  return t == varEmpty || t == varBoolean || IsIntegerType(t) || IsFloatType(t) || t == varCurrency;
}

// Three-way comparison with the runtime's operator rules. Raises for values the
// runtime could not compare; `unordered` is set for NaN.
int Compare(const Variant& a, const Variant& b, bool& unordered) {
  unordered = false;
  TVarType ta = a.VarType(), tb = b.VarType();
  if (a.IsArray() || b.IsArray()) throw EVariantInvalidOpError(LoadResString(&SVarInvalidOp));
  if (!IsNumberLike(ta) && !IsStringType(ta) && ta != varNull) throw EVariantInvalidOpError(LoadResString(&SVarInvalidOp));
  if (!IsNumberLike(tb) && !IsStringType(tb) && tb != varNull) throw EVariantInvalidOpError(LoadResString(&SVarInvalidOp));
  if ((IsStringType(ta) || ta == varEmpty) && (IsStringType(tb) || tb == varEmpty)) {
    if (ta == varEmpty && tb == varEmpty) return 0;
    return Sign(int64_t(AnsiCompareStr(a.AsString(), b.AsString())));
  }
  const bool ints = (ta == varEmpty || ta == varBoolean || IsIntegerType(ta)) &&
                    (tb == varEmpty || tb == varBoolean || IsIntegerType(tb));
  if (ints) {
    int64_t x = ToInt64(a, varInt64), y = ToInt64(b, varInt64);
    return x < y ? -1 : x > y ? 1 : 0;
  }
  double x = a.AsDouble(), y = b.AsDouble();
  if (std::isnan(x) || std::isnan(y)) {
    unordered = true;
    return 1;
  }
  return x < y ? -1 : x > y ? 1 : 0;
}

}  // namespace

// --- Variant --------------------------------------------------------------------------
Variant::Variant(const Variant& other)
    : FType(other.FType), FInt(other.FInt), FFloat(other.FFloat), FStr(other.FStr),
      FArray(other.FArray ? new TArray(*other.FArray) : nullptr), FCustom(other.FCustom) {}

void Variant::TArrayDeleter::operator()(TArray* a) const { delete a; }

Variant& Variant::operator=(const Variant& other) {
  if (this != &other) {
    Variant copy(other);
    *this = std::move(copy);
  }
  return *this;
}

Variant::Variant(Variant&& other) noexcept = default;
Variant& Variant::operator=(Variant&& other) noexcept = default;
Variant::~Variant() = default;

Variant Variant::Null() {
  Variant v;
  v.FType = varNull;
  return v;
}

Variant Variant::FromDate(TDateTime value) {
  Variant v(value);
  v.FType = varDate;
  return v;
}

Variant Variant::OleStr(const String& value) {
  Variant v(value);
  v.FType = varOleStr;
  return v;
}

int32_t Variant::AsInteger() const {
  return int32_t(Ranged(ToInt64(*this, varInteger), INT32_MIN, INT32_MAX));
}

int64_t Variant::AsInt64() const { return ToInt64(*this, varInt64); }

double Variant::AsDouble() const {
  if (const TCustomVariantType* custom = CustomOf(*this)) return custom->CastTo(*this, varDouble).AsDouble();
  if (FType == varEmpty) return 0;
  if (FType == varBoolean) return FInt ? -1 : 0;
  if (IsIntegerType(FType)) return double(FInt);
  if (IsFloatType(FType)) return FFloat;
  if (FType == varCurrency) return double(FInt) / 10000.0;
  double d;
  if (IsStringType(FType) && TryStrToFloat(FStr, d)) return d;
  CastError(FType, varDouble);
}

Currency Variant::AsCurrency() const {
  if (const TCustomVariantType* custom = CustomOf(*this)) return custom->CastTo(*this, varCurrency).AsCurrency();
  if (FType == varCurrency) return Currency::FromScaled(FInt);
  if (FType == varNull || IsArray()) CastError(FType, varCurrency);
  if (IsStringType(FType)) {
    Currency c;
    if (TryStrToCurr(FStr, c, FormatSettings())) return c;
    // A number too large for a currency overflows; any other refused text (a
    // malformed one, or one whose exponent is out of range) is no currency value.
    double d;
    if (TryStrToFloat(FStr, d) && !(std::fabs(d) < 922337203685477.5808)) Overflow();
    CastError(FType, varCurrency);
  }
  if (IsIntegerType(FType) && FInt >= -922337203685477 && FInt <= 922337203685477) return Currency::FromInt(FInt);
  double d = AsDouble();
  if (!(std::fabs(d) < 922337203685477.0)) Overflow();
  return Currency::FromDouble(d);
}

TDateTime Variant::AsDate() const {
  if (const TCustomVariantType* custom = CustomOf(*this)) return custom->CastTo(*this, varDate).AsDate();
  if (IsStringType(FType)) {
    TDateTime d;
    if (TryStrToDateTime(FStr, d, FormatSettings())) return d;
    CastError(FType, varDate);
  }
  if (FType == varNull || IsArray()) CastError(FType, varDate);
  return AsDouble();
}

bool Variant::AsBoolean() const {
  if (const TCustomVariantType* custom = CustomOf(*this)) return custom->CastTo(*this, varBoolean).AsBoolean();
  if (FType == varEmpty) return false;
  if (FType == varBoolean || IsIntegerType(FType) || FType == varCurrency) return FInt != 0;
  if (IsFloatType(FType)) return FFloat != 0;
  bool b;
  if (IsStringType(FType) && TryStrToBool(FStr, b)) return b;
  CastError(FType, varBoolean);
}

String Variant::AsString() const {
  if (const TCustomVariantType* custom = CustomOf(*this)) return custom->CastTo(*this, varString).AsString();
  if (IsStringType(FType)) return FStr;
  if (FType == varEmpty) return String();
  if (FType == varBoolean) return BoolToStr(FInt != 0, true);
  if (IsIntegerType(FType)) return IntToStr(FInt);
  if (FType == varSingle || FType == varDouble) return FloatToStr(FFloat);
  if (FType == varCurrency) return CurrToStr(Currency::FromScaled(FInt));
  if (FType == varDate) return DateTimeToStr(FFloat);
  CastError(FType, varString);
}

const Variant& Variant::operator[](int index) const { return VarArrayGet(*this, {index}); }

bool operator==(const Variant& a, const Variant& b) {
  if (a.IsNull() || b.IsNull()) return a.IsNull() && b.IsNull();
  if (const TCustomVariantType* custom = CustomOf(a, b)) return custom->Compare(a, b) == 0;
  bool unordered;
  return Compare(a, b, unordered) == 0 && !unordered;
}

bool operator<(const Variant& a, const Variant& b) {
  if (a.IsNull() || b.IsNull()) return a.IsNull() && !b.IsNull();
  if (const TCustomVariantType* custom = CustomOf(a, b)) return custom->Compare(a, b) < 0;
  bool unordered;
  return Compare(a, b, unordered) < 0 && !unordered;
}

// --- Free routines --------------------------------------------------------------------
TVarType VarType(const Variant& v) { return v.VarType(); }
bool VarIsNull(const Variant& v) { return v.IsNull(); }
bool VarIsEmpty(const Variant& v) { return v.IsEmpty(); }
bool VarIsStr(const Variant& v) { return IsStringType(v.VarType()); }
bool VarIsOrdinal(const Variant& v) { return v.VarType() == varBoolean || IsIntegerType(v.VarType()); }
bool VarIsFloat(const Variant& v) {
  return v.VarType() == varSingle || v.VarType() == varDouble || v.VarType() == varCurrency;
}
bool VarIsNumeric(const Variant& v) { return VarIsOrdinal(v) || VarIsFloat(v); }
bool VarIsArray(const Variant& v) { return v.IsArray(); }

String VarTypeAsText(TVarType type) {
  static const wchar_t* const names[] = {L"Empty",    L"Null",    L"Smallint", L"Integer", L"Single",  L"Double",
                                         L"Currency", L"Date",    L"OleStr",   L"Dispatch", L"Error",  L"Boolean",
                                         L"Variant",  L"Unknown", L"Decimal",  L"$000F",    L"ShortInt", L"Byte",
                                         L"Word",     L"LongWord", L"Int64",   L"UInt64"};
  TVarType base = type & varTypeMask;
  String name;
  if (base < sizeof(names) / sizeof(names[0])) name = names[base];
  else if (base == varString) name = L"String";
  else if (base == varUString) name = L"UnicodeString";
  else name = L"$" + IntToHex(int(base), 4);
  if (type & varArray) name = L"Array " + name;
  if (type & varByRef) name = L"Ref " + name;
  return name;
}

String VarToStr(const Variant& v) { return v.IsNull() ? String() : v.AsString(); }
String VarToStrDef(const Variant& v, const String& def) { return v.IsNull() ? def : v.AsString(); }
Variant VarFromDateTime(TDateTime value) { return Variant::FromDate(value); }
TDateTime VarToDateTime(const Variant& v) { return v.AsDate(); }

Variant VarAsType(const Variant& v, TVarType type) {
  if (type == v.VarType() || type == varVariant) return v;
  if (type == varEmpty) return Variant();
  if (type == varNull) return Variant::Null();
  if (v.IsNull() || v.IsArray()) CastError(v.VarType(), type);
  if (const TCustomVariantType* target = FindCustomVariantType(type)) return target->CastFrom(v);
  if (const TCustomVariantType* custom = CustomOf(v)) return VarAsType(custom->CastTo(v, type), type);
  switch (type) {
    case varSmallint: return Variant(int16_t(Ranged(ToInt64(v, type), INT16_MIN, INT16_MAX)));
    case varInteger: return Variant(int32_t(Ranged(ToInt64(v, type), INT32_MIN, INT32_MAX)));
    case varShortInt: return Variant(int8_t(Ranged(ToInt64(v, type), INT8_MIN, INT8_MAX)));
    case varByte: return Variant(uint8_t(Ranged(ToInt64(v, type), 0, UINT8_MAX)));
    case varWord: return Variant(uint16_t(Ranged(ToInt64(v, type), 0, UINT16_MAX)));
    case varLongWord: return Variant(uint32_t(Ranged(ToInt64(v, type), 0, UINT32_MAX)));
    case varInt64: return Variant(ToInt64(v, type));
    case varSingle: {
      try {
        return Variant(float(v.AsDouble()));
      } catch (const EVariantTypeCastError&) {
        CastError(v.VarType(), type);
      }
    }
    case varDouble: return Variant(v.AsDouble());
    case varCurrency: return Variant(v.AsCurrency());
    case varDate: return Variant::FromDate(v.AsDate());
    case varBoolean: return Variant(v.AsBoolean());
    case varOleStr: return Variant::OleStr(v.AsString());
    case varString:
    case varUString: {
      Variant s(v.AsString());
      VariantAccess::SetType(s, type);
      return s;
    }
    default: throw EVariantBadVarTypeError(LoadResString(&SVarBadType));
  }
}

TVariantRelationship VarCompareValue(const Variant& a, const Variant& b) {
  const bool aNone = a.IsNull() || a.IsEmpty(), bNone = b.IsNull() || b.IsEmpty();
  if (aNone || bNone) return aNone && bNone && a.VarType() == b.VarType() ? vrEqual : vrNotEqual;
  try {
    if (const TCustomVariantType* custom = CustomOf(a, b)) {
      const int r = custom->Compare(a, b);
      return r < 0 ? vrLessThan : r > 0 ? vrGreaterThan : vrEqual;
    }
    bool unordered;
    int r = Compare(a, b, unordered);
    if (unordered) return vrNotEqual;
    return r < 0 ? vrLessThan : r > 0 ? vrGreaterThan : vrEqual;
  } catch (const EVariantError&) {
    return vrNotEqual;
  }
}

bool VarSameValue(const Variant& a, const Variant& b) {
  const bool aNone = a.IsNull() || a.IsEmpty(), bNone = b.IsNull() || b.IsEmpty();
  if (aNone || bNone) return a.VarType() == b.VarType();
  return VarCompareValue(a, b) == vrEqual;
}

// --- Arrays ---------------------------------------------------------------------------
namespace {

const Variant::TArray& ArrayOf(const Variant& v) {
  const Variant::TArray* a = VariantAccess::Array(v);
  if (!a) throw EVariantNotAnArrayError(LoadResString(&SVarNotArray));
  return *a;
}

size_t Offset(const Variant::TArray& a, std::initializer_list<int> indices) {
  if (indices.size() != a.Bounds.size()) throw EVariantBadIndexError(LoadResString(&SVarArrayBounds));
  size_t offset = 0;
  auto bound = a.Bounds.begin();
  for (int i : indices) {
    int64_t k = int64_t(i) - bound->LowBound;
    if (k < 0 || k >= bound->ElementCount) throw EVariantBadIndexError(LoadResString(&SVarArrayBounds));
    offset = offset * size_t(bound->ElementCount) + size_t(k);
    ++bound;
  }
  return offset;
}

const TVarArrayBound& BoundOf(const Variant& v, int dim) {
  const Variant::TArray& a = ArrayOf(v);
  if (dim < 1 || size_t(dim) > a.Bounds.size()) throw EVariantBadIndexError(LoadResString(&SVarArrayBounds));
  return a.Bounds[size_t(dim - 1)];
}

}  // namespace

Variant VarArrayCreate(std::initializer_list<int> bounds, TVarType elementType) {
  if (bounds.size() == 0 || bounds.size() % 2 != 0 || elementType == varEmpty || elementType == varNull ||
      (elementType & ~varTypeMask))
    throw EVariantArrayCreateError(LoadResString(&SVarArrayCreate));
  auto a = std::make_unique<Variant::TArray>();
  a->ElementType = elementType;
  size_t total = 1;
  for (auto p = bounds.begin(); p != bounds.end(); p += 2) {
    int64_t count = int64_t(p[1]) - p[0] + 1;
    if (count < 0 || count > 0x7FFFFFF) throw EVariantArrayCreateError(LoadResString(&SVarArrayCreate));
    a->Bounds.push_back({p[0], int(count)});
    total *= size_t(count);
    if (total > 0x7FFFFFF) throw EVariantArrayCreateError(LoadResString(&SVarArrayCreate));
  }
  Variant zero = elementType == varVariant ? Variant() : VarAsType(Variant(0), elementType);
  a->Items.assign(total, zero);
  return VariantAccess::MakeArray(std::move(a));
}

Variant VarArrayOf(std::initializer_list<Variant> values) {
  auto a = std::make_unique<Variant::TArray>();
  a->ElementType = varVariant;
  a->Bounds.push_back({0, int(values.size())});
  a->Items.assign(values.begin(), values.end());
  return VariantAccess::MakeArray(std::move(a));
}

Variant VarArrayOf(std::vector<Variant>&& values) {
  auto a = std::make_unique<Variant::TArray>();
  a->ElementType = varVariant;
  a->Bounds.push_back({0, int(values.size())});
  a->Items = std::move(values);
  return VariantAccess::MakeArray(std::move(a));
}

int VarArrayDimCount(const Variant& v) {
  const Variant::TArray* a = VariantAccess::Array(v);
  return a ? int(a->Bounds.size()) : 0;
}

int VarArrayLowBound(const Variant& v, int dim) { return BoundOf(v, dim).LowBound; }

int VarArrayHighBound(const Variant& v, int dim) {
  const TVarArrayBound& b = BoundOf(v, dim);
  // In 64 bits: an array may end at the largest int, where low + count passes it.
  return int(int64_t(b.LowBound) + b.ElementCount - 1);
}

const Variant& VarArrayGet(const Variant& v, std::initializer_list<int> indices) {
  const Variant::TArray& a = ArrayOf(v);
  return a.Items[Offset(a, indices)];
}

void VarArrayPut(Variant& v, const Variant& value, std::initializer_list<int> indices) {
  Variant::TArray& a = const_cast<Variant::TArray&>(ArrayOf(v));
  Variant& item = a.Items[Offset(a, indices)];
  item = a.ElementType == varVariant ? value : VarAsType(value, a.ElementType);
}
