// Integers, booleans, text, code pages and file names of the runtime.
#include "SysUtils.h"

#include <cmath>
#include <cwctype>
#include <limits>

const TResStringRec SInvalidInteger{L"SInvalidInteger", L"'%s' is not a valid integer value"};
const TResStringRec SInvalidFloat{L"SInvalidFloat", L"'%s' is not a valid floating point value"};
const TResStringRec SInvalidBoolean{L"SInvalidBoolean", L"'%s' is not a valid boolean value"};
const TResStringRec SInvalidDate{L"SInvalidDate", L"'%s' is not a valid date"};
const TResStringRec SInvalidTime{L"SInvalidTime", L"'%s' is not a valid time"};
const TResStringRec SInvalidDateTime{L"SInvalidDateTime", L"'%s' is not a valid date and time"};
const TResStringRec SInvalidFormat{L"SInvalidFormat", L"Format '%s' invalid or incompatible with argument"};
const TResStringRec SArgumentMissing{L"SArgumentMissing", L"No argument for format '%s'"};
const TResStringRec SDateEncodeError{L"SDateEncodeError", L"Invalid argument to date encode"};
const TResStringRec STimeEncodeError{L"STimeEncodeError", L"Invalid argument to time encode"};
const TResStringRec SOutOfMemory{L"SOutOfMemory", L"Out of memory"};
const TResStringRec SDivByZero{L"SDivByZero", L"Division by zero"};
const TResStringRec SRangeError{L"SRangeError", L"Range check error"};
const TResStringRec SIntOverflow{L"SIntOverflow", L"Integer overflow"};
const TResStringRec SInvalidOp{L"SInvalidOp", L"Invalid floating point operation"};
const TResStringRec SZeroDivide{L"SZeroDivide", L"Floating point division by zero"};
const TResStringRec SOverflow{L"SOverflow", L"Floating point overflow"};
const TResStringRec SUnderflow{L"SUnderflow", L"Floating point underflow"};
const TResStringRec SOSError{L"SOSError", L"System Error.  Code: %d.\r\n%s"};
const TResStringRec SUnkOSError{L"SUnkOSError", L"A call to an OS function failed"};

// --- Platform hooks -------------------------------------------------------------------
namespace vamire_detail {
namespace {
const TSysUtilsPlatform* GPlatform = nullptr;
}
void SetSysUtilsPlatform(const TSysUtilsPlatform* platform) { GPlatform = platform; }
const TSysUtilsPlatform* SysUtilsPlatform() { return GPlatform; }
void RaiseConvertError(PResStringRec message, const String& text) {
  throw EConvertError(Format(LoadResString(message), {text}));
}
}  // namespace vamire_detail

using vamire_detail::SysUtilsPlatform;

// --- Format settings ------------------------------------------------------------------
TFormatSettings TFormatSettings::Invariant() {
  static const wchar_t* const shortMonths[12] = {L"Jan", L"Feb", L"Mar", L"Apr", L"May", L"Jun",
                                                 L"Jul", L"Aug", L"Sep", L"Oct", L"Nov", L"Dec"};
  static const wchar_t* const longMonths[12] = {L"January", L"February", L"March",     L"April",
                                                L"May",     L"June",     L"July",      L"August",
                                                L"September", L"October", L"November", L"December"};
  static const wchar_t* const shortDays[7] = {L"Sun", L"Mon", L"Tue", L"Wed", L"Thu", L"Fri", L"Sat"};
  static const wchar_t* const longDays[7] = {L"Sunday",   L"Monday", L"Tuesday", L"Wednesday",
                                             L"Thursday", L"Friday", L"Saturday"};
  TFormatSettings s;
  s.CurrencyString = L"$";
  s.ShortDateFormat = L"M/d/yyyy";
  s.LongDateFormat = L"dddd, MMMM d, yyyy";
  s.TimeAMString = L"AM";
  s.TimePMString = L"PM";
  s.ShortTimeFormat = L"h:mm AMPM";
  s.LongTimeFormat = L"h:mm:ss AMPM";
  for (int i = 0; i < 12; ++i) {
    s.ShortMonthNames[i] = shortMonths[i];
    s.LongMonthNames[i] = longMonths[i];
  }
  for (int i = 0; i < 7; ++i) {
    s.ShortDayNames[i] = shortDays[i];
    s.LongDayNames[i] = longDays[i];
  }
  return s;
}

TFormatSettings GetLocaleFormatSettings(uint32_t locale) {
  TFormatSettings s = TFormatSettings::Invariant();
  if (auto p = SysUtilsPlatform(); p && p->LoadLocale) p->LoadLocale(locale, s);
  return s;
}

TFormatSettings& FormatSettings() {
  static TFormatSettings settings = GetLocaleFormatSettings(0);
  return settings;
}

void GetFormatSettings() { FormatSettings() = GetLocaleFormatSettings(0); }

// --- Integers -------------------------------------------------------------------------
String IntToStr(int64_t value) { return std::to_wstring(value); }
String UIntToStr(uint64_t value) { return std::to_wstring(value); }

namespace {

String HexDigits(uint64_t value, int digits) {
  wchar_t buf[17];
  int n = 0;
  do {
    buf[16 - n++] = L"0123456789ABCDEF"[value & 15];
    value >>= 4;
  } while (value);
  String s(buf + 17 - n, buf + 17);
  if (int(s.size()) < digits) s.insert(0, size_t(digits) - s.size(), L'0');
  return s;
}

// Parses the runtime's integer syntax. `bits` is 32 or 64: decimal must fit the
// signed range, hexadecimal may use every bit of the width.
bool ParseInteger(const String& s, int bits, int64_t& result) {
  size_t i = 0, n = s.size();
  while (i < n && s[i] == L' ') ++i;
  bool negative = false;
  if (i < n && (s[i] == L'+' || s[i] == L'-')) negative = s[i++] == L'-';
  bool hex = false;
  if (i < n && s[i] == L'$') {
    hex = true;
    ++i;
  } else if (i < n && (s[i] == L'x' || s[i] == L'X')) {
    hex = true;
    ++i;
  } else if (i + 1 < n && s[i] == L'0' && (s[i + 1] == L'x' || s[i + 1] == L'X')) {
    hex = true;
    i += 2;
  }
  if (i >= n) return false;
  uint64_t value = 0;
  const uint64_t limit = hex ? (bits == 32 ? 0xFFFFFFFFull : ~0ull)
                             : (uint64_t(1) << (bits - 1)) - (negative ? 0 : 1);
  for (; i < n; ++i) {
    wchar_t c = s[i];
    unsigned d;
    if (IsAsciiDigit(c)) d = unsigned(c - L'0');
    else if (hex && c >= L'a' && c <= L'f') d = unsigned(c - L'a' + 10);
    else if (hex && c >= L'A' && c <= L'F') d = unsigned(c - L'A' + 10);
    else return false;
    const uint64_t base = hex ? 16 : 10;
    if (value > (limit - d) / base) return false;
    value = value * base + d;
  }
  if (hex && bits == 32) value = uint64_t(int64_t(int32_t(uint32_t(value))));
  result = negative ? int64_t(0 - value) : int64_t(value);
  return true;
}

}  // namespace

String IntToHex(int value, int digits) { return HexDigits(uint32_t(value), digits); }
String IntToHex(long long value, int digits) { return HexDigits(uint64_t(value), digits); }
String IntToHex(unsigned value, int digits) { return HexDigits(value, digits); }
String IntToHex(unsigned long long value, int digits) { return HexDigits(value, digits); }

bool TryStrToInt(const String& s, int32_t& value) {
  int64_t v;
  if (!ParseInteger(s, 32, v)) return false;
  value = int32_t(v);
  return true;
}

int32_t StrToInt(const String& s) {
  int32_t v;
  if (!TryStrToInt(s, v)) vamire_detail::RaiseConvertError(&SInvalidInteger, s);
  return v;
}

int32_t StrToIntDef(const String& s, int32_t def) {
  int32_t v;
  return TryStrToInt(s, v) ? v : def;
}

bool TryStrToInt64(const String& s, int64_t& value) { return ParseInteger(s, 64, value); }

int64_t StrToInt64(const String& s) {
  int64_t v;
  if (!TryStrToInt64(s, v)) vamire_detail::RaiseConvertError(&SInvalidInteger, s);
  return v;
}

int64_t StrToInt64Def(const String& s, int64_t def) {
  int64_t v;
  return TryStrToInt64(s, v) ? v : def;
}

// --- Rounding -------------------------------------------------------------------------
namespace {
// Both ends are exact doubles: -2^63 is representable, 2^63 is the first value past the top.
bool FitsInt64(double v) { return v >= -9223372036854775808.0 && v < 9223372036854775808.0; }
}  // namespace

int64_t Round(double value) {
  double whole = std::floor(value);
  double rest = value - whole;
  if (rest > 0.5 || (rest == 0.5 && std::fmod(whole, 2.0) != 0.0)) whole += 1.0;
  if (!FitsInt64(whole)) throw EInvalidOp(LoadResString(&SInvalidOp));
  return int64_t(whole);
}

int64_t Trunc(double value) {
  double whole = std::trunc(value);
  if (!FitsInt64(whole)) throw EInvalidOp(LoadResString(&SInvalidOp));
  return int64_t(whole);
}

int Sign(double value) { return value > 0 ? 1 : value < 0 ? -1 : 0; }
int Sign(int64_t value) { return value > 0 ? 1 : value < 0 ? -1 : 0; }

int MulDivRounded(int number, int numerator, int denominator) {
  if (denominator == 0) return -1;
  const int64_t product = int64_t(number) * numerator;  // at most 2^62 in magnitude
  const int64_t divisor = denominator < 0 ? -int64_t(denominator) : int64_t(denominator);
  const int64_t magnitude = ((product < 0 ? -product : product) + divisor / 2) / divisor;
  const int64_t result = (product < 0) == (denominator < 0) ? magnitude : -magnitude;
  // The platform answers -1 from -INT_MAX - 1 on as well.
  return result > INT32_MAX || result < -INT32_MAX ? -1 : int(result);
}

Currency Currency::FromDouble(double value) {
  double scaled = value * double(Scale);
  if (!(std::fabs(scaled) < 9223372036854775807.0)) throw EOverflow(LoadResString(&SOverflow));
  return Currency{Round(scaled)};
}

// --- Booleans -------------------------------------------------------------------------
String BoolToStr(bool value, bool useBoolStrs) {
  if (useBoolStrs) return value ? L"True" : L"False";
  return value ? L"-1" : L"0";
}

bool TryStrToBool(const String& s, bool& value) {
  if (SameText(s, L"True")) value = true;
  else if (SameText(s, L"False")) value = false;
  else {
    double d;
    if (!TryStrToFloat(s, d)) return false;
    value = d != 0.0;
  }
  return true;
}

bool StrToBool(const String& s) {
  bool v;
  if (!TryStrToBool(s, v)) vamire_detail::RaiseConvertError(&SInvalidBoolean, s);
  return v;
}

bool StrToBoolDef(const String& s, bool def) {
  bool v;
  return TryStrToBool(s, v) ? v : def;
}

// --- Text -----------------------------------------------------------------------------
String Trim(const String& s) {
  size_t b = 0, e = s.size();
  while (b < e && s[b] <= L' ') ++b;
  while (e > b && s[e - 1] <= L' ') --e;
  return s.substr(b, e - b);
}

String TrimLeft(const String& s) {
  size_t b = 0;
  while (b < s.size() && s[b] <= L' ') ++b;
  return s.substr(b);
}

String TrimRight(const String& s) {
  size_t e = s.size();
  while (e > 0 && s[e - 1] <= L' ') --e;
  return s.substr(0, e);
}

namespace {
int CompareOrdinal(std::wstring_view a, std::wstring_view b, wchar_t (*fold)(wchar_t)) {
  size_t n = std::min(a.size(), b.size());
  for (size_t i = 0; i < n; ++i) {
    wchar_t x = fold(a[i]), y = fold(b[i]);
    if (x != y) return int(x) - int(y);
  }
  return int(a.size()) - int(b.size());
}
wchar_t Same(wchar_t c) { return c; }
wchar_t WideUpper(wchar_t c) { return wchar_t(std::towupper(wint_t(c))); }
}  // namespace

String UpperCase(const String& s) {
  String r(s);
  for (auto& c : r) c = AsciiUpper(c);
  return r;
}

String LowerCase(const String& s) {
  String r(s);
  for (auto& c : r) c = AsciiLower(c);
  return r;
}

int CompareStr(const String& a, const String& b) { return CompareOrdinal(a, b, &Same); }
int CompareText(std::wstring_view a, std::wstring_view b) { return CompareOrdinal(a, b, &AsciiUpper); }
bool SameStr(const String& a, const String& b) { return a == b; }
bool SameText(std::wstring_view a, std::wstring_view b) { return a.size() == b.size() && CompareText(a, b) == 0; }

bool IsValidIdent(std::wstring_view s) {
  if (s.empty() || !(IsAsciiLetter(s[0]) || s[0] == L'_')) return false;
  for (wchar_t c : s)
    if (!IsAsciiLetter(c) && !IsAsciiDigit(c) && c != L'_') return false;
  return true;
}

String AnsiUpperCase(const String& s) {
  if (auto p = SysUtilsPlatform(); p && p->MapCase) return p->MapCase(s, true);
  String r(s);
  for (auto& c : r) c = WideUpper(c);
  return r;
}

String AnsiLowerCase(const String& s) {
  if (auto p = SysUtilsPlatform(); p && p->MapCase) return p->MapCase(s, false);
  String r(s);
  for (auto& c : r) c = wchar_t(std::towlower(wint_t(c)));
  return r;
}

int AnsiCompareStr(const String& a, const String& b) {
  if (auto p = SysUtilsPlatform(); p && p->CompareLocale) return p->CompareLocale(a, b, false);
  return CompareOrdinal(a, b, &Same);
}

int AnsiCompareText(const String& a, const String& b) {
  if (auto p = SysUtilsPlatform(); p && p->CompareLocale) return p->CompareLocale(a, b, true);
  return CompareOrdinal(a, b, &WideUpper);
}

bool AnsiSameStr(const String& a, const String& b) { return AnsiCompareStr(a, b) == 0; }
bool AnsiSameText(const String& a, const String& b) { return AnsiCompareText(a, b) == 0; }

String StringReplace(const String& s, const String& oldPattern, const String& newPattern, TReplaceFlags flags) {
  if (oldPattern.empty()) return s;
  const bool ignoreCase = flags & rfIgnoreCase;
  const String hay = ignoreCase ? AnsiUpperCase(s) : String();
  const String needle = ignoreCase ? AnsiUpperCase(oldPattern) : String();
  const String& searchIn = ignoreCase ? hay : s;
  const String& searchFor = ignoreCase ? needle : oldPattern;
  String result;
  size_t from = 0;
  while (true) {
    size_t at = searchIn.find(searchFor, from);
    if (at == String::npos) break;
    result.append(s, from, at - from).append(newPattern);
    from = at + searchFor.size();
    if (!(flags & rfReplaceAll)) break;
  }
  return result.append(s, from, String::npos);
}

String QuotedStr(const String& s) { return AnsiQuotedStr(s, L'\''); }

String AnsiQuotedStr(const String& s, wchar_t quote) {
  String r(1, quote);
  for (wchar_t c : s) {
    r += c;
    if (c == quote) r += c;
  }
  return r += quote;
}

String AnsiDequotedStr(const String& s, wchar_t quote) {
  if (s.empty() || s[0] != quote) return s;
  String r;
  size_t i = 1;
  for (; i < s.size(); ++i) {
    if (s[i] == quote) {
      if (i + 1 < s.size() && s[i + 1] == quote) {
        r += quote;
        ++i;
      } else {
        break;
      }
    } else {
      r += s[i];
    }
  }
  // Unterminated, or text after the closing quote: the runtime kept it as it was.
  if (i != s.size() - 1) return s;
  return r;
}

// --- Code pages -----------------------------------------------------------------------
unsigned DefaultSystemCodePage() {
  if (auto p = SysUtilsPlatform(); p && p->AnsiCodePage) return p->AnsiCodePage();
  return 1252;
}

std::string UTF8Encode(const String& s) {
  std::string r;
  r.reserve(s.size());
  for (size_t i = 0; i < s.size(); ++i) {
    uint32_t c = uint32_t(s[i]) & (sizeof(wchar_t) == 2 ? 0xFFFF : 0x1FFFFF);
    if (sizeof(wchar_t) == 2 && c >= 0xD800 && c < 0xDC00 && i + 1 < s.size() && s[i + 1] >= 0xDC00 &&
        s[i + 1] < 0xE000)
      c = 0x10000 + ((c - 0xD800) << 10) + (uint32_t(s[++i]) - 0xDC00);
    if (c < 0x80) {
      r += char(c);
    } else if (c < 0x800) {
      r += char(0xC0 | (c >> 6));
      r += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      r += char(0xE0 | (c >> 12));
      r += char(0x80 | ((c >> 6) & 0x3F));
      r += char(0x80 | (c & 0x3F));
    } else {
      r += char(0xF0 | (c >> 18));
      r += char(0x80 | ((c >> 12) & 0x3F));
      r += char(0x80 | ((c >> 6) & 0x3F));
      r += char(0x80 | (c & 0x3F));
    }
  }
  return r;
}

String UTF8Decode(const std::string& s) {
  String r;
  r.reserve(s.size());
  for (size_t i = 0; i < s.size();) {
    unsigned char b = static_cast<unsigned char>(s[i]);
    int extra = b < 0x80 ? 0 : (b & 0xE0) == 0xC0 ? 1 : (b & 0xF0) == 0xE0 ? 2 : (b & 0xF8) == 0xF0 ? 3 : -1;
    uint32_t c = extra == 0 ? b : extra == 1 ? (b & 0x1F) : extra == 2 ? (b & 0x0F) : (b & 0x07);
    bool ok = extra >= 0 && i + size_t(extra) < s.size();
    for (int k = 1; ok && k <= extra; ++k) {
      unsigned char t = static_cast<unsigned char>(s[i + size_t(k)]);
      if ((t & 0xC0) != 0x80) ok = false;
      else c = (c << 6) | (t & 0x3F);
    }
    if (!ok) {  // a broken sequence becomes one replacement character
      r += wchar_t(0xFFFD);
      ++i;
      continue;
    }
    i += size_t(extra) + 1;
    if (c >= 0x10000 && sizeof(wchar_t) == 2) {
      c -= 0x10000;
      r += wchar_t(0xD800 + (c >> 10));
      r += wchar_t(0xDC00 + (c & 0x3FF));
    } else {
      r += wchar_t(c);
    }
  }
  return r;
}

std::u16string StringToUTF16(const String& s) {
  std::u16string r;
  r.reserve(s.size());
  for (wchar_t w : s) {
    const uint32_t c = uint32_t(w);
    if (sizeof(wchar_t) == 2 || c < 0x10000) {
      r += char16_t(c);
    } else if (c <= 0x10FFFF) {
      r += char16_t(0xD800 + ((c - 0x10000) >> 10));
      r += char16_t(0xDC00 + ((c - 0x10000) & 0x3FF));
    } else {
      r += char16_t(0xFFFD);
    }
  }
  return r;
}

String UTF16ToString(const std::u16string& s) {
  String r;
  r.reserve(s.size());
  for (size_t i = 0; i < s.size(); ++i) {
    const uint32_t c = s[i];
    if (sizeof(wchar_t) > 2 && c >= 0xD800 && c < 0xDC00 && i + 1 < s.size() && s[i + 1] >= 0xDC00 &&
        s[i + 1] < 0xE000) {
      r += wchar_t(0x10000 + ((c - 0xD800) << 10) + (uint32_t(s[++i]) - 0xDC00));
    } else {
      r += wchar_t(c);
    }
  }
  return r;
}

String AnsiToString(const AnsiString& s, unsigned codePage) {
  if (auto p = SysUtilsPlatform(); p && p->ToWide) return p->ToWide(s.data(), s.size(), codePage);
  if (codePage == 65001) return UTF8Decode(s);
  String r;  // Latin-1 stands in for every single-byte code page natively
  for (char c : s) r += wchar_t(static_cast<unsigned char>(c));
  return r;
}

AnsiString StringToAnsi(const String& s, unsigned codePage) {
  if (auto p = SysUtilsPlatform(); p && p->FromWide) return p->FromWide(s.data(), s.size(), codePage);
  if (codePage == 65001) return UTF8Encode(s);
  AnsiString r;
  for (wchar_t c : s) r += unsigned(c) < 256 ? char(c) : '?';
  return r;
}

// --- File names -----------------------------------------------------------------------
namespace {
bool IsDelimiter(wchar_t c) { return c == L'\\' || c == L'/'; }
// Index after the last path delimiter or drive colon (0 when there is none).
size_t NameStart(const String& f) {
  size_t i = f.size();
  while (i > 0 && !IsDelimiter(f[i - 1]) && f[i - 1] != DriveDelim) --i;
  return i;
}
}  // namespace

String IncludeTrailingPathDelimiter(const String& s) {
  if (!s.empty() && IsDelimiter(s.back())) return s;
  return s + PathDelim;
}

String ExcludeTrailingPathDelimiter(const String& s) {
  if (!s.empty() && IsDelimiter(s.back())) return s.substr(0, s.size() - 1);
  return s;
}

String ExtractFilePath(const String& fileName) { return fileName.substr(0, NameStart(fileName)); }

String ExtractFileDir(const String& fileName) {
  size_t i = NameStart(fileName);
  // Keep the delimiter of a root ("C:\", "\") and of a bare drive.
  if (i > 1 && IsDelimiter(fileName[i - 1]) && !IsDelimiter(fileName[i - 2]) && fileName[i - 2] != DriveDelim) --i;
  return fileName.substr(0, i);
}

String ExtractFileName(const String& fileName) { return fileName.substr(NameStart(fileName)); }

String ExtractFileExt(const String& fileName) {
  size_t start = NameStart(fileName);
  size_t dot = fileName.rfind(L'.');
  if (dot == String::npos || dot < start) return String();
  return fileName.substr(dot);
}

String ExtractFileDrive(const String& fileName) {
  if (fileName.size() >= 2 && fileName[1] == DriveDelim) return fileName.substr(0, 2);
  if (fileName.size() >= 2 && IsDelimiter(fileName[0]) && IsDelimiter(fileName[1])) {
    // \\server\share
    size_t n = 0, i = 2;
    for (; i < fileName.size(); ++i)
      if (IsDelimiter(fileName[i]) && ++n == 2) break;
    return fileName.substr(0, i);
  }
  return String();
}

String ChangeFileExt(const String& fileName, const String& extension) {
  size_t start = NameStart(fileName);
  size_t dot = fileName.rfind(L'.');
  if (dot == String::npos || dot < start) dot = fileName.size();
  return fileName.substr(0, dot) + extension;
}
