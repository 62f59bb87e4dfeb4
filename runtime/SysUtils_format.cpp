// Format and the float conversions of the runtime.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "SysUtils.h"

namespace {

// A float as decimal digits: value = 0.Digits x 10^Exponent. Digits carries no
// trailing zeros and is empty for zero.
struct TFloatRec {
  bool Negative = false;
  bool Special = false;  // infinite or not a number; Digits then holds its text
  int Exponent = 0;
  std::string Digits;
};

constexpr int MaxPrecision = 18;

// Rounds half away from zero at min(precision, Exponent + decimals) digits,
// from the first 18 significant digits of the value.
TFloatRec FloatToDecimal(double value, int precision, int decimals) {
  TFloatRec r;
  r.Negative = std::signbit(value);
  if (std::isnan(value) || std::isinf(value)) {
    r.Special = true;
    r.Digits = std::isnan(value) ? "NAN" : "INF";
    r.Negative = std::isinf(value) && value < 0;
    return r;
  }
  if (value == 0) {
    r.Negative = false;
    return r;
  }
  char buf[40];
  std::snprintf(buf, sizeof buf, "%.17e", std::fabs(value));
  std::string digits;
  const char* p = buf;
  for (; *p && *p != 'e'; ++p)
    if (*p >= '0' && *p <= '9') digits += *p;
  r.Exponent = std::atoi(p + 1) + 1;
  precision = std::clamp(precision, 1, MaxPrecision);
  long keep = std::min<long>(precision, long(r.Exponent) + decimals);
  if (keep < 0) {
    digits.clear();
  } else if (keep == 0) {
    if (digits[0] >= '5') {
      digits = "1";
      ++r.Exponent;
    } else {
      digits.clear();
    }
  } else if (size_t(keep) < digits.size()) {
    bool up = digits[size_t(keep)] >= '5';
    digits.resize(size_t(keep));
    for (size_t i = digits.size(); up && i-- > 0;) {
      if (digits[i] == '9') {
        digits[i] = '0';
      } else {
        ++digits[i];
        up = false;
      }
    }
    if (up) {
      digits.insert(digits.begin(), '1');
      digits.pop_back();
      ++r.Exponent;
    }
  }
  while (!digits.empty() && digits.back() == '0') digits.pop_back();
  if (digits.empty()) {
    r.Exponent = 0;
    r.Negative = false;
  }
  r.Digits = digits;
  return r;
}

wchar_t DigitAt(const TFloatRec& r, int i) {
  return i >= 0 && size_t(i) < r.Digits.size() ? wchar_t(r.Digits[size_t(i)]) : L'0';
}

// The integer digits of a decimal, grouped by thousands when a separator is given.
String IntegerPart(const TFloatRec& r, wchar_t thousands) {
  String s;
  int n = std::max(r.Exponent, 1);
  for (int i = 0; i < n; ++i) {
    if (thousands && i > 0 && (n - i) % 3 == 0) s += thousands;
    s += r.Exponent <= 0 ? L'0' : DigitAt(r, i);
  }
  return s;
}

String FractionPart(const TFloatRec& r, int decimals) {
  String s;
  for (int i = 0; i < decimals; ++i) s += DigitAt(r, r.Exponent + i);
  return s;
}

String ExponentText(int exponent, int minDigits, bool plus) {
  String s = exponent < 0 ? L"-" : plus ? L"+" : L"";
  String d = std::to_wstring(std::abs(exponent));
  if (int(d.size()) < minDigits) d.insert(0, size_t(minDigits) - d.size(), L'0');
  return s + d;
}

String SpecialText(const TFloatRec& r) {
  if (r.Digits == "NAN") return L"NAN";
  return r.Negative ? L"-INF" : L"INF";
}

String FormatGeneral(const TFloatRec& r, int precision, int digits, const TFormatSettings& fs) {
  if (r.Digits.empty()) return L"0";
  String s = r.Negative ? L"-" : L"";
  if (r.Exponent > precision || r.Exponent < -3) {
    s += wchar_t(r.Digits[0]);
    if (r.Digits.size() > 1) s += fs.DecimalSeparator + UTF8Decode(r.Digits.substr(1));
    return s + L'E' + ExponentText(r.Exponent - 1, digits, false);
  }
  s += IntegerPart(r, 0);
  int decimals = int(r.Digits.size()) - r.Exponent;
  if (decimals > 0) s += fs.DecimalSeparator + FractionPart(r, decimals);
  return s;
}

String FormatExponent(const TFloatRec& r, int precision, int digits, const TFormatSettings& fs) {
  String s = r.Negative ? L"-" : L"";
  s += DigitAt(r, 0);
  if (precision > 1) {
    s += fs.DecimalSeparator;
    for (int i = 1; i < precision; ++i) s += DigitAt(r, i);
  }
  return s + L'E' + ExponentText(r.Digits.empty() ? 0 : r.Exponent - 1, digits, true);
}

String CurrencyText(const String& number, bool negative, const TFormatSettings& fs) {
  const String& c = fs.CurrencyString;
  if (!negative) {
    switch (fs.CurrencyFormat) {
      case 1: return number + c;
      case 2: return c + L' ' + number;
      case 3: return number + L' ' + c;
      default: return c + number;
    }
  }
  switch (fs.NegCurrFormat) {
    case 1: return L'-' + c + number;
    case 2: return c + L'-' + number;
    case 3: return c + number + L'-';
    case 4: return L'(' + number + c + L')';
    case 5: return L'-' + number + c;
    case 6: return number + L'-' + c;
    case 7: return number + c + L'-';
    case 8: return L'-' + number + L' ' + c;
    case 9: return L'-' + c + L' ' + number;
    case 10: return number + L' ' + c + L'-';
    case 11: return c + L' ' + number + L'-';
    case 12: return c + L' ' + L'-' + number;
    case 13: return number + L'-' + L' ' + c;
    case 14: return L'(' + c + L' ' + number + L')';
    case 15: return L'(' + number + L' ' + c + L')';
    default: return L'(' + c + number + L')';
  }
}

}  // namespace

String FloatToStrF(double value, TFloatFormat format, int precision, int digits, const TFormatSettings& fs) {
  precision = std::clamp(precision, 1, MaxPrecision);
  const bool fixedKind = format == ffFixed || format == ffNumber || format == ffCurrency;
  digits = fixedKind ? std::clamp(digits, 0, 18) : std::clamp(digits, 0, 4);
  TFloatRec r = FloatToDecimal(value, precision, fixedKind ? digits : 9999);
  if (r.Special) return SpecialText(r);
  if (fixedKind && r.Exponent > precision) return FormatGeneral(r, precision, 0, fs);
  switch (format) {
    case ffGeneral: return FormatGeneral(r, precision, digits, fs);
    case ffExponent: return FormatExponent(r, precision, digits, fs);
    default: break;
  }
  String number = IntegerPart(r, format == ffFixed ? 0 : fs.ThousandSeparator);
  if (digits > 0) number += fs.DecimalSeparator + FractionPart(r, digits);
  if (format == ffCurrency) return CurrencyText(number, r.Negative, fs);
  return r.Negative ? L'-' + number : number;
}

String FloatToStrF(double value, TFloatFormat format, int precision, int digits) {
  return FloatToStrF(value, format, precision, digits, FormatSettings());
}

String FloatToStr(double value, const TFormatSettings& fs) { return FloatToStrF(value, ffGeneral, 15, 0, fs); }
String FloatToStr(double value) { return FloatToStr(value, FormatSettings()); }

// --- Text to float --------------------------------------------------------------------
namespace {

// Checks the runtime's float syntax and rewrites it in C form ("-12.5e3").
bool NormalizeFloat(const String& s, const TFormatSettings& fs, std::string& plain) {
  String t = Trim(s);
  size_t i = 0;
  if (i < t.size() && (t[i] == L'+' || t[i] == L'-')) plain += char(t[i++]);
  bool digits = false, point = false;
  for (; i < t.size(); ++i) {
    wchar_t c = t[i];
    if (IsAsciiDigit(c)) {
      plain += char(c);
      digits = true;
    } else if (c == fs.DecimalSeparator && !point) {
      plain += '.';
      point = true;
    } else {
      break;
    }
  }
  if (!digits) return false;
  if (i < t.size() && (t[i] == L'e' || t[i] == L'E')) {
    plain += 'e';
    ++i;
    if (i < t.size() && (t[i] == L'+' || t[i] == L'-')) plain += char(t[i++]);
    bool expDigits = false;
    for (; i < t.size() && IsAsciiDigit(t[i]); ++i) {
      plain += char(t[i]);
      expDigits = true;
    }
    if (!expDigits) return false;
  }
  return i == t.size();
}

}  // namespace

bool TryStrToFloat(const String& s, double& value, const TFormatSettings& fs) {
  std::string plain;
  if (!NormalizeFloat(s, fs, plain)) return false;
  double v = std::strtod(plain.c_str(), nullptr);
  if (std::isinf(v)) return false;
  value = v;
  return true;
}

bool TryStrToFloat(const String& s, double& value) { return TryStrToFloat(s, value, FormatSettings()); }

double StrToFloat(const String& s, const TFormatSettings& fs) {
  double v;
  if (!TryStrToFloat(s, v, fs)) vamire_detail::RaiseConvertError(&SInvalidFloat, s);
  return v;
}

double StrToFloat(const String& s) { return StrToFloat(s, FormatSettings()); }

double StrToFloatDef(const String& s, double def) {
  double v;
  return TryStrToFloat(s, v) ? v : def;
}

// Currency texts are converted exactly, without passing through a double.
String CurrToStr(Currency value, const TFormatSettings& fs) {
  uint64_t magnitude = value.Scaled < 0 ? 0 - uint64_t(value.Scaled) : uint64_t(value.Scaled);
  String s = value.Scaled < 0 ? L"-" : L"";
  s += UIntToStr(magnitude / 10000);
  String frac = UIntToStr(magnitude % 10000 + 10000).substr(1);
  while (!frac.empty() && frac.back() == L'0') frac.pop_back();
  if (!frac.empty()) s += fs.DecimalSeparator + frac;
  return s;
}

String CurrToStr(Currency value) { return CurrToStr(value, FormatSettings()); }

namespace {

// No currency text needs an exponent beyond the range of the widest floating type:
// refusing it keeps the conversion linear in the text (a written 1e-2000000000 would
// otherwise mean two thousand million zeros) and the exponent sum free of overflow.
constexpr long MaxCurrencyExponent = 4932;

// The exponent written after the 'e' of a normalized float text, or false when its
// magnitude exceeds MaxCurrencyExponent.
bool ReadCurrencyExponent(const std::string& text, long& exponent) {
  size_t i = 0;
  bool negative = i < text.size() && text[i] == '-';
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
  long e = 0;
  for (; i < text.size(); ++i) {
    e = e * 10 + (text[i] - '0');
    if (e > MaxCurrencyExponent) return false;
  }
  exponent = negative ? -e : e;
  return true;
}

}  // namespace

bool TryStrToCurr(const String& s, Currency& value, const TFormatSettings& fs) {
  std::string plain;
  if (!NormalizeFloat(s, fs, plain)) return false;
  bool negative = !plain.empty() && plain[0] == '-';
  std::string digits;
  long exponent = 4;  // scaled by 10000
  bool point = false;
  size_t i = 0;
  for (; i < plain.size() && plain[i] != 'e'; ++i) {
    if (plain[i] == '.') point = true;
    else if (IsAsciiDigit(plain[i])) {
      digits += plain[i];
      if (point) --exponent;
    }
  }
  if (i < plain.size()) {
    long written;
    if (!ReadCurrencyExponent(plain.substr(i + 1), written)) return false;
    exponent += written;
  }
  digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size()));
  if (digits.empty()) {
    value = Currency{};
    return true;
  }
  long wholeDigits = long(digits.size()) + exponent;
  if (wholeDigits > 19) return false;
  // Every digit lies below a tenth of the smallest step: the value rounds to zero.
  if (wholeDigits < 0) {
    value = Currency{};
    return true;
  }
  // Whole part of digits x 10^exponent, then the rest rounded half to even.
  std::string whole = exponent >= 0 ? digits + std::string(size_t(exponent), '0') : digits.substr(0, size_t(wholeDigits));
  std::string rest = exponent >= 0 ? std::string() : digits.substr(whole.size());
  unsigned long long n = whole.empty() ? 0 : std::strtoull(whole.c_str(), nullptr, 10);
  if (!rest.empty()) {
    bool over = rest[0] > '5' || (rest[0] == '5' && rest.find_first_not_of('0', 1) != std::string::npos);
    bool half = rest[0] == '5' && !over;
    if (over || (half && n % 2 == 1)) ++n;
  }
  if (n > (negative ? 9223372036854775808ull : 9223372036854775807ull)) return false;
  value = Currency::FromScaled(negative ? int64_t(0 - n) : int64_t(n));
  return true;
}

Currency StrToCurr(const String& s) {
  Currency c;
  if (!TryStrToCurr(s, c, FormatSettings())) vamire_detail::RaiseConvertError(&SInvalidFloat, s);
  return c;
}

// --- FormatFloat ----------------------------------------------------------------------
namespace {

// One section of a FormatFloat pattern, split around its digit placeholders.
struct TFloatPattern {
  String Prefix, Suffix;
  int IntDigits = 0;     // placeholders before the decimal point
  int MinIntDigits = 0;  // from the first '0' before the point
  int MinDecimals = 0;   // up to the last '0' after the point
  int MaxDecimals = 0;
  bool Thousands = false;
  bool Scientific = false;
  bool ExpPlus = false;
  wchar_t ExpChar = L'E';
  int ExpDigits = 0;
};

// Splits a pattern at unquoted ';'.
std::vector<String> Sections(const String& format) {
  std::vector<String> out(1);
  wchar_t quote = 0;
  for (wchar_t c : format) {
    if (quote) {
      if (c == quote) quote = 0;
    } else if (c == L'\'' || c == L'"') {
      quote = c;
    } else if (c == L';') {
      out.emplace_back();
      continue;
    }
    out.back() += c;
  }
  return out;
}

TFloatPattern ParsePattern(const String& f) {
  TFloatPattern p;
  bool point = false, seenDigit = false, firstZero = false;
  String* literal = &p.Prefix;
  for (size_t i = 0; i < f.size(); ++i) {
    wchar_t c = f[i];
    if (c == L'\'' || c == L'"') {
      size_t end = f.find(c, i + 1);
      if (end == String::npos) end = f.size();
      literal->append(f, i + 1, end - i - 1);
      i = end;
    } else if ((c == L'0' || c == L'#') && !p.Scientific) {
      seenDigit = true;
      literal = &p.Suffix;
      if (!point) {
        ++p.IntDigits;
        if (c == L'0') firstZero = true;
        if (firstZero) ++p.MinIntDigits;
      } else {
        ++p.MaxDecimals;
        if (c == L'0') p.MinDecimals = p.MaxDecimals;
      }
    } else if (c == L'.' && !point && !p.Scientific) {
      point = true;
      literal = &p.Suffix;
    } else if (c == L',' && !p.Scientific) {
      p.Thousands = true;
    } else if ((c == L'E' || c == L'e') && seenDigit && !p.Scientific && i + 1 < f.size() &&
               (f[i + 1] == L'+' || f[i + 1] == L'-')) {
      p.Scientific = true;
      p.ExpChar = c;
      p.ExpPlus = f[++i] == L'+';
      while (i + 1 < f.size() && f[i + 1] == L'0') {
        ++p.ExpDigits;
        ++i;
      }
    } else {
      *literal += c;
    }
  }
  return p;
}

String ApplyPattern(const TFloatPattern& p, double value, bool withSign, const TFormatSettings& fs) {
  String body;
  bool negative = false;
  if (p.Scientific) {
    int sig = std::max(1, p.IntDigits) + p.MaxDecimals;
    TFloatRec r = FloatToDecimal(value, sig, 9999);
    negative = r.Negative;
    int shift = std::max(1, p.IntDigits);
    int exponent = r.Digits.empty() ? 0 : r.Exponent - shift;
    TFloatRec m = r;
    m.Exponent = r.Digits.empty() ? 0 : shift;
    body = IntegerPart(m, 0);
    String frac = FractionPart(m, p.MaxDecimals);
    while (int(frac.size()) > p.MinDecimals && frac.back() == L'0') frac.pop_back();
    if (!frac.empty()) body += fs.DecimalSeparator + frac;
    body += p.ExpChar + ExponentText(exponent, p.ExpDigits, p.ExpPlus);
  } else {
    TFloatRec r = FloatToDecimal(value, MaxPrecision, p.MaxDecimals);
    if (r.Special) return SpecialText(r);
    negative = r.Negative;
    String whole = r.Exponent > 0 ? IntegerPart(r, 0) : String();
    if (int(whole.size()) < p.MinIntDigits) whole.insert(0, size_t(p.MinIntDigits) - whole.size(), L'0');
    if (p.Thousands && fs.ThousandSeparator)
      for (int i = int(whole.size()) - 3; i > 0; i -= 3) whole.insert(size_t(i), 1, fs.ThousandSeparator);
    String frac = FractionPart(r, p.MaxDecimals);
    while (int(frac.size()) > p.MinDecimals && frac.back() == L'0') frac.pop_back();
    body = whole;
    if (!frac.empty()) body += fs.DecimalSeparator + frac;
  }
  if (negative && withSign) body = L'-' + body;
  return p.Prefix + body + p.Suffix;
}

}  // namespace

String FormatFloat(const String& format, double value, const TFormatSettings& fs) {
  std::vector<String> sections = Sections(format);
  if (format.empty()) return FloatToStrF(value, ffGeneral, 15, 0, fs);
  size_t which = 0;
  if (value < 0 && sections.size() > 1 && !sections[1].empty()) which = 1;
  else if (value == 0 && sections.size() > 2 && !sections[2].empty()) which = 2;
  TFloatPattern p = ParsePattern(sections[which]);
  if (p.IntDigits == 0 && p.MaxDecimals == 0 && !p.Scientific) return p.Prefix + p.Suffix;
  // The negative section carries its own sign.
  return ApplyPattern(p, which == 1 ? -value : value, which == 0, fs);
}

String FormatFloat(const String& format, double value) { return FormatFloat(format, value, FormatSettings()); }

// --- Format ---------------------------------------------------------------------------
bool TVarRec::IsText() const {
  return FKind == vtWideChar || FKind == vtPWideChar || FKind == vtUnicodeString || FKind == vtPChar ||
         FKind == vtAnsiString;
}

String TVarRec::AsText() const {
  switch (FKind) {
    case vtWideChar: return String(1, FChar);
    case vtPWideChar: return FPtr ? String(static_cast<const wchar_t*>(FPtr)) : String();
    case vtUnicodeString: return *static_cast<const String*>(FPtr);
    case vtPChar: return FPtr ? AnsiToString(static_cast<const char*>(FPtr)) : String();
    case vtAnsiString: return AnsiToString(*static_cast<const AnsiString*>(FPtr));
    default: return String();
  }
}

namespace {

class TFormatter {
 public:
  TFormatter(const String& format, const TVarRec* args, size_t count, const TFormatSettings& fs)
      : F(format), Args(args), Count(count), FS(fs) {}

  String Run() {
    String out;
    for (size_t i = 0; i < F.size(); ++i) {
      if (F[i] != L'%') {
        out += F[i];
        continue;
      }
      if (++i >= F.size()) Invalid();
      if (F[i] == L'%') {
        out += L'%';
        continue;
      }
      out += Specifier(i);
    }
    return out;
  }

 private:
  [[noreturn]] void Invalid() const { throw EConvertError(Format(LoadResString(&SInvalidFormat), {F})); }

  const TVarRec& Next() {
    if (ArgIndex >= Count) throw EConvertError(Format(LoadResString(&SArgumentMissing), {F}));
    return Args[ArgIndex++];
  }

  // Digits or '*' (taken from the arguments); -1 when there is neither.
  int Number(size_t& i) {
    if (i < F.size() && F[i] == L'*') {
      ++i;
      const TVarRec& a = Next();
      // Bounded as written digits are: a width argument of millions is no format.
      if (a.Kind() != TVarRec::vtInteger || a.AsInt64() > 0xFFFF) Invalid();
      return int(a.AsInt64());
    }
    if (i >= F.size() || !IsAsciiDigit(F[i])) return -1;
    long n = 0;
    while (i < F.size() && IsAsciiDigit(F[i])) {
      n = n * 10 + (F[i++] - L'0');
      if (n > 0xFFFF) Invalid();
    }
    return int(n);
  }

  String Specifier(size_t& i) {
    bool left = false;
    int width = -1, precision = -1;
    if (i < F.size() && F[i] == L'-') {
      left = true;
      ++i;
    } else {
      width = Number(i);
      if (i < F.size() && F[i] == L':') {
        if (width < 0) width = 0;
        ArgIndex = size_t(width);
        width = -1;
        ++i;
        if (i < F.size() && F[i] == L'-') {
          left = true;
          ++i;
        }
      }
    }
    if (width < 0) width = Number(i);
    if (i < F.size() && F[i] == L'.') {
      ++i;
      precision = Number(i);
      if (precision < 0) precision = 0;
    }
    if (i >= F.size()) Invalid();
    String text = Convert(F[i], precision);
    if (width > int(text.size())) {
      if (left) text.append(size_t(width) - text.size(), L' ');
      else text.insert(0, size_t(width) - text.size(), L' ');
    }
    return text;
  }

  String Convert(wchar_t type, int precision) {
    const TVarRec& a = Next();
    switch (type | 0x20) {
      case L'd':
      case L'u': {
        if (!a.IsInteger()) Invalid();
        int64_t v = a.AsInt64();
        bool neg = false;
        String digits;
        if ((type | 0x20) == L'u')
          digits = UIntToStr(a.Kind() == TVarRec::vtInteger ? uint64_t(uint32_t(v)) : uint64_t(v));
        else if (v < 0)
          neg = true, digits = UIntToStr(0 - uint64_t(v));
        else
          digits = IntToStr(v);
        if (precision > int(digits.size())) digits.insert(0, size_t(precision) - digits.size(), L'0');
        return neg ? L'-' + digits : digits;
      }
      case L'x': {
        if (!a.IsInteger()) Invalid();
        int64_t v = a.AsInt64();
        return a.Kind() == TVarRec::vtInteger ? IntToHex(int(v), precision) : IntToHex((long long)v, precision);
      }
      case L'p': {
        if (a.Kind() != TVarRec::vtPointer) Invalid();
        return IntToHex((unsigned long long)(reinterpret_cast<uintptr_t>(a.AsPointer())), int(sizeof(void*) * 2));
      }
      case L's': {
        if (!a.IsText()) Invalid();
        String s = a.AsText();
        if (precision >= 0 && size_t(precision) < s.size()) s.resize(size_t(precision));
        return s;
      }
      case L'e': case L'f': case L'g': case L'n': case L'm': {
        if (a.Kind() != TVarRec::vtExtended && a.Kind() != TVarRec::vtCurrency) Invalid();
        double v = a.AsFloat();
        switch (type | 0x20) {
          case L'e': return FloatToStrF(v, ffExponent, precision < 0 ? 15 : precision, 3, FS);
          case L'g': return FloatToStrF(v, ffGeneral, precision < 0 ? 15 : precision, 0, FS);
          case L'f': return FloatToStrF(v, ffFixed, MaxPrecision, precision < 0 ? 2 : precision, FS);
          case L'n': return FloatToStrF(v, ffNumber, MaxPrecision, precision < 0 ? 2 : precision, FS);
          default:
            return FloatToStrF(v, ffCurrency, MaxPrecision, precision < 0 ? FS.CurrencyDecimals : precision, FS);
        }
      }
      default: Invalid();
    }
  }

  const String& F;
  const TVarRec* Args;
  size_t Count;
  const TFormatSettings& FS;
  size_t ArgIndex = 0;
};

}  // namespace

String Format(const String& format, const TVarRec* args, size_t count, const TFormatSettings& settings) {
  return TFormatter(format, args, count, settings).Run();
}

String Format(const String& format, std::initializer_list<TVarRec> args, const TFormatSettings& settings) {
  return Format(format, args.begin(), args.size(), settings);
}

String Format(const String& format, std::initializer_list<TVarRec> args) {
  return Format(format, args.begin(), args.size(), FormatSettings());
}
