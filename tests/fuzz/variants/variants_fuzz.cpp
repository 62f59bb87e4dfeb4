// Variants made from outside values (typed texts, stored numbers): every
// conversion, VarAsType to every simple type, the comparisons, and arrays with
// bounds and indices from outside. Conversions raise only variant and
// conversion errors; equality answers the same both ways round.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <iterator>

#include "FuzzSupport.h"
#include "Variants.h"

namespace {

const TVarType kTypes[] = {varEmpty, varNull, varSmallint, varInteger, varSingle, varDouble, varCurrency,
                           varDate, varOleStr, varBoolean, varShortInt, varByte, varWord, varLongWord,
                           varInt64, varString, varUString, varError, varVariant, varDispatch};

Variant AnyVariant(fuzz::TFuzzReader& in) {
  switch (in.Pick(12)) {
    case 0: return Variant();
    case 1: return Null();
    case 2: return Variant(in.Int<int8_t>());
    case 3: return Variant(in.Int<int16_t>());
    case 4: return Variant(in.Int<int32_t>());
    case 5: return Variant(in.Int<int64_t>());
    case 6: return Variant(in.Int<uint32_t>());
    case 7: {
      const uint64_t bits = in.Int<uint64_t>();
      double d;
      std::memcpy(&d, &bits, sizeof d);
      return in.Bool() ? Variant(d) : Variant::FromDate(d);
    }
    case 8: return Variant(Currency::FromScaled(in.Int<int64_t>()));
    case 9: return Variant(in.Bool());
    case 10: return Variant::OleStr(in.Text(40));
    default: return Variant(in.Text(40));
  }
}

template <class F>
void Try(F f) {
  try {
    f();
  } catch (const EVariantError&) {
  } catch (const EConvertError&) {
  } catch (const EMathError&) {
  } catch (const EIntError&) {
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 512) return 0;
  fuzz::TFuzzReader in(data, size);
  const Variant a = AnyVariant(in);
  const Variant b = AnyVariant(in);

  Try([&] { a.AsInteger(); });
  Try([&] { a.AsInt64(); });
  Try([&] { a.AsDouble(); });
  Try([&] { a.AsCurrency(); });
  Try([&] { a.AsDate(); });
  Try([&] { a.AsBoolean(); });
  Try([&] { a.AsString(); });
  Try([&] { VarToStr(a); });
  Try([&] { VarToDateTime(a); });
  for (TVarType t : kTypes) Try([&] { VarAsType(a, t); });
  VarTypeAsText(a.VarType());

  const TVariantRelationship ab = VarCompareValue(a, b), ba = VarCompareValue(b, a);
  fuzz::Check((ab == vrEqual) == (ba == vrEqual), "VarCompareValue equality is not symmetric");
  fuzz::Check(VarSameValue(a, b) == VarSameValue(b, a), "VarSameValue is not symmetric");
  Try([&] {
    bool eq = a == b;
    bool eq2 = false;
    Try([&] { eq2 = b == a; });
    fuzz::Check(eq == eq2, "variant equality is not symmetric");
  });
  Try([&] { (void)(a < b); });

  // An array with bounds from outside: small ones are made, the rest refused.
  const int dims = int(in.Pick(3)) + 1;
  int lo[3], hi[3];
  int64_t total = 1;
  bool beyondInt = false;  // a count no int holds must be refused, not wrapped
  for (int d = 0; d < dims; ++d) {
    lo[d] = in.Int<int32_t>();
    hi[d] = in.Int<int32_t>();
    const int64_t count = std::clamp<int64_t>(int64_t(hi[d]) - lo[d] + 1, 1, int64_t(1) << 20);
    beyondInt |= int64_t(hi[d]) - lo[d] + 1 > INT32_MAX;
    total *= count;
  }
  if (total > 4096 && !beyondInt) return 0;  // a large array is a caller's choice, not outside data
  const TVarType element = kTypes[in.Pick(std::size(kTypes))];
  Try([&] {
    Variant arr = dims == 1   ? VarArrayCreate({lo[0], hi[0]}, element)
                  : dims == 2 ? VarArrayCreate({lo[0], hi[0], lo[1], hi[1]}, element)
                              : VarArrayCreate({lo[0], hi[0], lo[1], hi[1], lo[2], hi[2]}, element);
    fuzz::Check(VarArrayDimCount(arr) == dims, "array has another dimension count");
    for (int d = 0; d < dims; ++d)
      fuzz::Check(VarArrayLowBound(arr, d + 1) == lo[d] && VarArrayHighBound(arr, d + 1) == hi[d],
                  "array bounds differ from those asked");
    const int i = in.Int<int32_t>(), j = in.Int<int32_t>(), k = in.Int<int32_t>();
    Try([&] {
      if (dims == 1) VarArrayPut(arr, a, {i});
      else if (dims == 2) VarArrayPut(arr, a, {i, j});
      else VarArrayPut(arr, a, {i, j, k});
    });
    Try([&] {
      if (dims == 1) VarArrayGet(arr, {i});
      else VarArrayGet(arr, {i, j});  // too few indices for three dimensions
    });
    Try([&] { (void)arr[i]; });
    Try([&] { VarArrayLowBound(arr, int(in.Int<int8_t>())); });
    const Variant copy = arr;
    Try([&] { VarToStr(arr); });
    Try([&] { (void)(copy == arr); });
  });
  return 0;
}
