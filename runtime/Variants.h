// The runtime's tagged value: empty, null, the integer and float kinds,
// currency, date, strings, booleans and arrays of values, with the runtime's
// conversions and comparisons and the variant errors they raise.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <vector>

#include "SysUtils.h"

using TVarType = uint16_t;

constexpr TVarType varEmpty = 0x0000;
constexpr TVarType varNull = 0x0001;
constexpr TVarType varSmallint = 0x0002;
constexpr TVarType varInteger = 0x0003;
constexpr TVarType varSingle = 0x0004;
constexpr TVarType varDouble = 0x0005;
constexpr TVarType varCurrency = 0x0006;
constexpr TVarType varDate = 0x0007;
constexpr TVarType varOleStr = 0x0008;
constexpr TVarType varDispatch = 0x0009;
constexpr TVarType varError = 0x000A;
constexpr TVarType varBoolean = 0x000B;
constexpr TVarType varVariant = 0x000C;
constexpr TVarType varUnknown = 0x000D;
constexpr TVarType varShortInt = 0x0010;
constexpr TVarType varByte = 0x0011;
constexpr TVarType varWord = 0x0012;
constexpr TVarType varLongWord = 0x0013;
constexpr TVarType varInt64 = 0x0014;
constexpr TVarType varString = 0x0100;   // the program's own string
constexpr TVarType varUString = 0x0102;
// Codes of the custom variant types start here, handed out as the types are made.
constexpr TVarType varFirstCustom = 0x010F;
constexpr TVarType varTypeMask = 0x0FFF;
constexpr TVarType varArray = 0x2000;
constexpr TVarType varByRef = 0x4000;

// --- Errors ---------------------------------------------------------------------------
extern const TResStringRec SVarTypeCastError;  // Could not convert variant of type (%s) into type (%s)
extern const TResStringRec SVarOverflow;
extern const TResStringRec SVarInvalidOp;
extern const TResStringRec SVarArrayBounds;
extern const TResStringRec SVarArrayCreate;
extern const TResStringRec SVarNotArray;
extern const TResStringRec SVarBadType;

VAMIRE_EXCEPTION(EVariantError, Exception)
VAMIRE_EXCEPTION(EVariantTypeCastError, EVariantError)
VAMIRE_EXCEPTION(EVariantOverflowError, EVariantError)
VAMIRE_EXCEPTION(EVariantInvalidOpError, EVariantError)
VAMIRE_EXCEPTION(EVariantBadIndexError, EVariantError)
VAMIRE_EXCEPTION(EVariantArrayCreateError, EVariantError)
VAMIRE_EXCEPTION(EVariantNotAnArrayError, EVariantError)
VAMIRE_EXCEPTION(EVariantBadVarTypeError, EVariantError)

class Variant;

// The value of a custom variant type: made once, never changed, shared by copies.
class TCustomVariantData {
 public:
  virtual ~TCustomVariantData() = default;
};

// A variant type defined outside this unit (decimal numbers, SQL time stamps).
// Making the type object hands it the next free code from varFirstCustom up;
// type objects live for the whole run.
class TCustomVariantType {
 public:
  TCustomVariantType();
  virtual ~TCustomVariantType() = default;
  TCustomVariantType(const TCustomVariantType&) = delete;
  TCustomVariantType& operator=(const TCustomVariantType&) = delete;

  TVarType VarType() const { return FVarType; }
  // A value of this type converted to a built-in type; EVariantTypeCastError
  // (or EVariantOverflowError) when it can't be.
  virtual Variant CastTo(const Variant& Source, TVarType Target) const = 0;
  // Any value converted to this type; EVariantTypeCastError when it can't be.
  virtual Variant CastFrom(const Variant& Source) const = 0;
  // The order of two values of which at least one is of this type, neither
  // Null; raises an EVariantError when they can't be compared.
  virtual int Compare(const Variant& A, const Variant& B) const = 0;

 protected:
  Variant MakeValue(std::shared_ptr<const TCustomVariantData> Data) const;

 private:
  TVarType FVarType;
};

// The type object of a custom code, or null.
const TCustomVariantType* FindCustomVariantType(TVarType type);
// The data of a value of a custom type, or null for any other value.
const TCustomVariantData* VarCustomData(const Variant& v);

struct TVarArrayBound {
  int LowBound;
  int ElementCount;
};

// A variant has value semantics: copying copies an array's elements too.
class Variant {
 public:
  Variant() = default;  // Empty
  Variant(const Variant& other);
  Variant(Variant&& other) noexcept;
  Variant& operator=(const Variant& other);
  Variant& operator=(Variant&& other) noexcept;
  ~Variant();

  Variant(bool value) : FType(varBoolean), FInt(value ? 1 : 0) {}
  template <class T, std::enable_if_t<std::is_integral_v<T> && !std::is_same_v<T, bool> &&
                                          !std::is_same_v<T, char> && !std::is_same_v<T, wchar_t>,
                                      int> = 0>
  Variant(T value) : FType(IntegerType<T>()), FInt(int64_t(value)) {}
  Variant(float value) : FType(varSingle), FFloat(value) {}
  Variant(double value) : FType(varDouble), FFloat(value) {}
  Variant(Currency value) : FType(varCurrency), FInt(value.Scaled) {}
  Variant(const String& value) : FType(varString), FStr(value) {}
  Variant(String&& value) : FType(varString), FStr(std::move(value)) {}
  Variant(const wchar_t* value) : FType(varString), FStr(value ? value : L"") {}
  // No pointer may silently become a boolean.
  template <class T>
  Variant(const T*) = delete;

  static Variant Null();
  static Variant FromDate(TDateTime value);
  static Variant OleStr(const String& value);

  TVarType VarType() const { return FType; }
  bool IsEmpty() const { return FType == varEmpty; }
  bool IsNull() const { return FType == varNull; }
  bool IsArray() const { return (FType & varArray) != 0; }

  // Conversions as the runtime made them; EVariantTypeCastError where it refused
  // (Null to a number or string, a text that is no number, an array).
  int32_t AsInteger() const;
  int64_t AsInt64() const;
  double AsDouble() const;
  Currency AsCurrency() const;
  TDateTime AsDate() const;
  bool AsBoolean() const;
  String AsString() const;

  // Element of a one-dimensional array (EVariantBadIndexError outside the bounds).
  const Variant& operator[](int index) const;

  // The runtime's relational operators: they raise EVariantError for values that
  // cannot be compared (an array, a text that is no number against a number).
  // Null equals only Null and is less than any other value.
  friend bool operator==(const Variant& a, const Variant& b);
  friend bool operator<(const Variant& a, const Variant& b);
  friend bool operator!=(const Variant& a, const Variant& b) { return !(a == b); }
  friend bool operator>(const Variant& a, const Variant& b) { return b < a; }

  struct TArray;  // the elements of an array; opaque outside the unit
  struct TArrayDeleter {
    void operator()(TArray* a) const;
  };

 private:
  friend struct VariantAccess;

  template <class T>
  static constexpr TVarType IntegerType() {
    if constexpr (std::is_signed_v<T>) {
      return sizeof(T) == 1 ? varShortInt : sizeof(T) == 2 ? varSmallint : sizeof(T) == 4 ? varInteger : varInt64;
    } else {
      return sizeof(T) == 1 ? varByte : sizeof(T) == 2 ? varWord : sizeof(T) == 4 ? varLongWord : varInt64;
    }
  }

  TVarType FType = varEmpty;
  int64_t FInt = 0;     // integers, booleans, currency (scaled)
  double FFloat = 0;    // single, double, date
  String FStr;          // strings
  std::unique_ptr<TArray, TArrayDeleter> FArray;
  std::shared_ptr<const TCustomVariantData> FCustom;  // values of custom types
};

inline Variant Null() { return Variant::Null(); }
inline Variant Unassigned() { return Variant(); }

TVarType VarType(const Variant& v);
bool VarIsNull(const Variant& v);
bool VarIsEmpty(const Variant& v);
bool VarIsStr(const Variant& v);
bool VarIsOrdinal(const Variant& v);  // the integer kinds and boolean
bool VarIsFloat(const Variant& v);    // single, double, currency
bool VarIsNumeric(const Variant& v);  // ordinal or float
bool VarIsArray(const Variant& v);
// "Integer", "OleStr", "Array Variant" ...
String VarTypeAsText(TVarType type);

// Null gives the empty text; other values convert as AsString.
String VarToStr(const Variant& v);
String VarToStrDef(const Variant& v, const String& def);
Variant VarFromDateTime(TDateTime value);
TDateTime VarToDateTime(const Variant& v);
// The value converted to another type; EVariantTypeCastError when it can't be.
Variant VarAsType(const Variant& v, TVarType type);

enum TVariantRelationship { vrEqual, vrLessThan, vrGreaterThan, vrNotEqual };
// Never raises: values that cannot be compared are vrNotEqual.
TVariantRelationship VarCompareValue(const Variant& a, const Variant& b);
// Same type kind and value; never raises.
bool VarSameValue(const Variant& a, const Variant& b);

// Arrays. `bounds` holds low, high pairs, one pair per dimension; elements of a
// typed array are converted to its element type when stored.
Variant VarArrayCreate(std::initializer_list<int> bounds, TVarType elementType);
Variant VarArrayOf(std::initializer_list<Variant> values);
// A one-dimensional array of variants, bounds 0..size-1, taking the values over.
Variant VarArrayOf(std::vector<Variant>&& values);
int VarArrayDimCount(const Variant& v);
int VarArrayLowBound(const Variant& v, int dim);
int VarArrayHighBound(const Variant& v, int dim);
const Variant& VarArrayGet(const Variant& v, std::initializer_list<int> indices);
void VarArrayPut(Variant& v, const Variant& value, std::initializer_list<int> indices);
