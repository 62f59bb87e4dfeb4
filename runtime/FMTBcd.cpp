// Decimal numbers: conversions go through a digit string, never through a
// wider integer type, so every value of up to 64 digits converts exactly.
#include "FMTBcd.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

const TResStringRec SInvalidBcdValue{L"SInvalidBcdValue", L"'%s' is not a valid BCD value"};

namespace {

constexpr int MaxBcdDigits = 64;
constexpr int MaxBcdPlaces = 63;

// value = 0.Digits x 10^Point; Digits has no leading or trailing zeros and is
// empty for zero.
struct TDecimal {
  bool Negative = false;
  std::string Digits;
  int Point = 0;
};

void Normalize(TDecimal& d) {
  size_t lead = 0;
  while (lead < d.Digits.size() && d.Digits[lead] == '0') ++lead;
  d.Digits.erase(0, lead);
  d.Point -= int(lead);
  while (!d.Digits.empty() && d.Digits.back() == '0') d.Digits.pop_back();
  if (d.Digits.empty()) {
    d.Negative = false;
    d.Point = 0;
  }
}

TDecimal Decode(const TBcd& bcd) {
  TDecimal d;
  const int precision = std::min<int>(bcd.Precision, MaxBcdDigits);
  const int places = bcd.SignSpecialPlaces & 0x3F;
  for (int i = 0; i < precision; ++i) {
    int nibble = i % 2 == 0 ? bcd.Fraction[i / 2] >> 4 : bcd.Fraction[i / 2] & 0x0F;
    d.Digits += char('0' + std::min(nibble, 9));
  }
  d.Negative = (bcd.SignSpecialPlaces & 0x80) != 0;
  d.Point = precision - places;
  Normalize(d);
  return d;
}

bool Encode(const TDecimal& d, TBcd& bcd) {
  // Integer digits (at least one, "0" for a pure fraction) and the places after the point.
  std::string integer = d.Point > 0 ? d.Digits.substr(0, size_t(std::min<int>(d.Point, int(d.Digits.size())))) : "";
  if (d.Point > int(d.Digits.size())) integer.append(size_t(d.Point) - d.Digits.size(), '0');
  std::string fraction = d.Point >= int(d.Digits.size()) ? "" : d.Point >= 0 ? d.Digits.substr(size_t(d.Point))
                                                                               : std::string(size_t(-d.Point), '0') + d.Digits;
  if (integer.empty()) integer = "0";
  const std::string all = integer + fraction;
  if (all.size() > size_t(MaxBcdDigits) || fraction.size() > size_t(MaxBcdPlaces)) return false;
  bcd = TBcd();
  bcd.Precision = uint8_t(all.size());
  bcd.SignSpecialPlaces = uint8_t(fraction.size()) | (d.Negative ? 0x80 : 0);
  for (size_t i = 0; i < all.size(); ++i)
    bcd.Fraction[i / 2] |= uint8_t((all[i] - '0') << (i % 2 == 0 ? 4 : 0));
  return true;
}

// Sign, digits with an optional decimal separator, an optional exponent.
bool Parse(const String& text, wchar_t separator, TDecimal& d) {
  String s = Trim(text);
  size_t i = 0;
  d = TDecimal();
  if (i < s.size() && (s[i] == L'-' || s[i] == L'+')) d.Negative = s[i++] == L'-';
  bool any = false, point = false;
  for (; i < s.size(); ++i) {
    const wchar_t c = s[i];
    if (IsAsciiDigit(c)) {
      any = true;
      d.Digits += char(c);
      if (!point) ++d.Point;
    } else if (c == separator && !point) {
      point = true;
    } else {
      break;
    }
  }
  if (!any) return false;
  if (i < s.size() && (s[i] == L'e' || s[i] == L'E')) {
    ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == L'-' || s[i] == L'+')) negative = s[i++] == L'-';
    int exponent = 0;
    bool digits = false;
    for (; i < s.size() && IsAsciiDigit(s[i]); ++i) {
      digits = true;
      exponent = exponent * 10 + (s[i] - L'0');
      if (exponent > 1000) return false;  // far beyond 64 digits either way
    }
    if (!digits) return false;
    d.Point += negative ? -exponent : exponent;
  }
  if (i != s.size()) return false;
  Normalize(d);
  return true;
}

String Text(const TDecimal& d, wchar_t separator) {
  if (d.Digits.empty()) return L"0";
  String s = d.Negative ? L"-" : L"";
  const int n = int(d.Digits.size());
  if (d.Point <= 0) {
    s += L'0';
    s += separator;
    s.append(size_t(-d.Point), L'0');
    s.append(d.Digits.begin(), d.Digits.end());
    return s;
  }
  for (int i = 0; i < std::max(n, d.Point); ++i) {
    if (i == d.Point) s += separator;
    s += i < n ? wchar_t(d.Digits[size_t(i)]) : L'0';
  }
  return s;
}

int CompareMagnitude(const TDecimal& a, const TDecimal& b) {
  if (a.Digits.empty() || b.Digits.empty()) return a.Digits.empty() ? (b.Digits.empty() ? 0 : -1) : 1;
  if (a.Point != b.Point) return a.Point < b.Point ? -1 : 1;
  const size_t n = std::max(a.Digits.size(), b.Digits.size());
  for (size_t i = 0; i < n; ++i) {
    const char x = i < a.Digits.size() ? a.Digits[i] : '0', y = i < b.Digits.size() ? b.Digits[i] : '0';
    if (x != y) return x < y ? -1 : 1;
  }
  return 0;
}

[[noreturn]] void Overflow() { throw EBcdOverflowException(LoadResString(&SOverflow)); }

}  // namespace

bool TryStrToBcd(const String& s, TBcd& bcd) {
  TDecimal d;
  TBcd result;
  if (!Parse(s, FormatSettings().DecimalSeparator, d) || !Encode(d, result)) return false;
  bcd = result;
  return true;
}

TBcd StrToBcd(const String& s) {
  TBcd bcd;
  if (!TryStrToBcd(s, bcd)) throw EBcdException(Format(LoadResString(&SInvalidBcdValue), {s}));
  return bcd;
}

String BcdToStr(const TBcd& bcd) { return Text(Decode(bcd), FormatSettings().DecimalSeparator); }

int BcdCompare(const TBcd& a, const TBcd& b) {
  const TDecimal x = Decode(a), y = Decode(b);
  if (x.Negative != y.Negative) return x.Negative ? -1 : 1;
  const int r = CompareMagnitude(x, y);
  return x.Negative ? -r : r;
}

TBcd IntegerToBcd(int64_t value) {
  TDecimal d;
  Parse(IntToStr(value), L'.', d);
  TBcd bcd;
  Encode(d, bcd);
  return bcd;
}

TBcd DoubleToBcd(double value) {
  if (!std::isfinite(value)) Overflow();
  // The shortest text that reads back as the same double.
  char buf[40];
  for (int precision = 15; precision <= 17; ++precision) {
    std::snprintf(buf, sizeof buf, "%.*e", precision - 1, value);
    if (std::strtod(buf, nullptr) == value) break;
  }
  TDecimal d;
  TBcd bcd;
  if (!Parse(UTF8Decode(buf), L'.', d) || !Encode(d, bcd)) Overflow();
  return bcd;
}

double BcdToDouble(const TBcd& bcd) {
  const TDecimal d = Decode(bcd);
  if (d.Digits.empty()) return 0;
  const std::string text = (d.Negative ? "-0." : "0.") + d.Digits + "e" + std::to_string(d.Point);
  return std::strtod(text.c_str(), nullptr);
}

TBcd CurrToBcd(Currency value) {
  TDecimal d;
  d.Negative = value.Scaled < 0;
  // The magnitude as digits, computed unsigned so the most negative value has one too.
  uint64_t m = d.Negative ? 0 - uint64_t(value.Scaled) : uint64_t(value.Scaled);
  d.Digits = std::to_string(m);
  d.Point = int(d.Digits.size()) - 4;
  Normalize(d);
  TBcd bcd;
  Encode(d, bcd);
  return bcd;
}

Currency BcdToCurr(const TBcd& bcd) {
  const TDecimal d = Decode(bcd);
  if (d.Digits.empty()) return Currency();
  const int keep = d.Point + 4;  // digits up to the fourth place
  if (keep > 19) Overflow();
  uint64_t m = 0;
  for (int i = 0; i < keep; ++i) m = m * 10 + uint64_t(i < int(d.Digits.size()) ? d.Digits[size_t(i)] - '0' : 0);
  if (keep >= 0 && size_t(keep) < d.Digits.size()) {
    // Halves to even: the first dropped digit decides, the rest only break a tie.
    const char first = d.Digits[size_t(keep)];
    const bool more = size_t(keep) + 1 < d.Digits.size();
    if (first > '5' || (first == '5' && (more || m % 2 == 1))) ++m;
  } else if (keep < 0) {
    m = 0;  // below half of the last place
  }
  const uint64_t limit = d.Negative ? uint64_t(INT64_MAX) + 1 : uint64_t(INT64_MAX);
  if (m > limit) Overflow();
  return Currency::FromScaled(d.Negative ? int64_t(0 - m) : int64_t(m));
}

// --- The variant type -------------------------------------------------------------------

namespace {

struct TBcdData : TCustomVariantData {
  explicit TBcdData(const TBcd& value) : Value(value) {}
  TBcd Value;
};

class TFMTBcdVariantType : public TCustomVariantType {
 public:
  Variant Create(const TBcd& bcd) const { return MakeValue(std::make_shared<TBcdData>(bcd)); }

  Variant CastTo(const Variant& Source, TVarType Target) const override {
    const TBcd& bcd = static_cast<const TBcdData*>(VarCustomData(Source))->Value;
    switch (Target) {
      case varString: case varUString: case varOleStr: return VarAsType(Variant(BcdToStr(bcd)), Target);
      case varCurrency:
        try {
          return Variant(BcdToCurr(bcd));
        } catch (const EBcdOverflowException&) {
          throw EVariantOverflowError(LoadResString(&SVarOverflow));
        }
      case varBoolean: return Variant(!Decode(bcd).Digits.empty());
      default: return VarAsType(Variant(BcdToDouble(bcd)), Target);
    }
  }

  Variant CastFrom(const Variant& Source) const override { return Create(VarToBcd(Source)); }

  int Compare(const Variant& A, const Variant& B) const override { return BcdCompare(VarToBcd(A), VarToBcd(B)); }
};

const TFMTBcdVariantType& BcdType() {
  static const TFMTBcdVariantType type;
  return type;
}

[[noreturn]] void CastError(const Variant& v) {
  throw EVariantTypeCastError(Format(LoadResString(&SVarTypeCastError), {VarTypeAsText(v.VarType()), L"FMTBcd"}));
}

}  // namespace

TVarType VarFMTBcd() { return BcdType().VarType(); }

Variant VarFMTBcdCreate(const TBcd& bcd) { return BcdType().Create(bcd); }

TBcd VarToBcd(const Variant& v) {
  if (v.VarType() == VarFMTBcd()) return static_cast<const TBcdData*>(VarCustomData(v))->Value;
  if (v.IsNull() || v.IsArray()) CastError(v);
  if (VarIsStr(v)) {
    TBcd bcd;
    if (!TryStrToBcd(v.AsString(), bcd)) CastError(v);
    return bcd;
  }
  if (v.VarType() == varCurrency) return CurrToBcd(v.AsCurrency());
  if (VarIsOrdinal(v) || v.IsEmpty()) return IntegerToBcd(v.AsInt64());
  try {
    return DoubleToBcd(v.AsDouble());
  } catch (const EBcdException&) {
    CastError(v);
  }
}
