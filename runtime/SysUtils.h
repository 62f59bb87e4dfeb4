// String, number, date and file-name routines of the runtime, with the runtime's
// own error texts. The unit needs no Win32: where the platform matters (code
// pages, locale comparison, the user's format settings) it asks the platform
// part (runtime/platform/SysUtils_win.cpp), and has a plain fallback natively.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

#include "System.h"

// --- Resource strings of the unit -----------------------------------------------------
extern const TResStringRec SInvalidInteger;    // '%s' is not a valid integer value
extern const TResStringRec SInvalidFloat;      // '%s' is not a valid floating point value
extern const TResStringRec SInvalidBoolean;    // '%s' is not a valid boolean value
extern const TResStringRec SInvalidDate;       // '%s' is not a valid date
extern const TResStringRec SInvalidTime;       // '%s' is not a valid time
extern const TResStringRec SInvalidDateTime;   // '%s' is not a valid date and time
extern const TResStringRec SInvalidFormat;     // Format '%s' invalid or incompatible with argument
extern const TResStringRec SArgumentMissing;   // No argument for format '%s'
extern const TResStringRec SDateEncodeError;
extern const TResStringRec STimeEncodeError;
extern const TResStringRec SOutOfMemory;
extern const TResStringRec SDivByZero;
extern const TResStringRec SRangeError;
extern const TResStringRec SIntOverflow;
extern const TResStringRec SInvalidOp;
extern const TResStringRec SZeroDivide;
extern const TResStringRec SOverflow;
extern const TResStringRec SUnderflow;
extern const TResStringRec SOSError;           // System Error.  Code: %d.\r\n%s
extern const TResStringRec SUnkOSError;

// --- Exceptions -----------------------------------------------------------------------
VAMIRE_EXCEPTION(EOutOfMemory, Exception)
VAMIRE_EXCEPTION(EExternal, Exception)
VAMIRE_EXCEPTION(EIntError, EExternal)
VAMIRE_EXCEPTION(EDivByZero, EIntError)
VAMIRE_EXCEPTION(ERangeError, EIntError)
VAMIRE_EXCEPTION(EIntOverflow, EIntError)
VAMIRE_EXCEPTION(EMathError, EExternal)
VAMIRE_EXCEPTION(EInvalidOp, EMathError)
VAMIRE_EXCEPTION(EZeroDivide, EMathError)
VAMIRE_EXCEPTION(EOverflow, EMathError)
VAMIRE_EXCEPTION(EUnderflow, EMathError)

// A failed call of the operating system; carries the system's error code.
class EOSError : public Exception {
  VAMIRE_CLASS(EOSError, Exception)
 public:
  EOSError() = default;
  EOSError(String message, uint32_t errorCode) : Exception(std::move(message)), FErrorCode(errorCode) {}
  EOSError(const EOSError&) = default;
  uint32_t ErrorCode() const { return FErrorCode; }

 private:
  uint32_t FErrorCode = 0;
};

// --- Currency -------------------------------------------------------------------------
// A fixed-point amount: the value times 10000 in a 64-bit integer.
struct Currency {
  int64_t Scaled = 0;

  static constexpr int64_t Scale = 10000;
  static constexpr Currency FromScaled(int64_t scaled) { return Currency{scaled}; }
  // Rounds to the nearest 1/10000, halves to even; EOverflow outside the range.
  static Currency FromDouble(double value);
  static constexpr Currency FromInt(int64_t value) { return Currency{value * Scale}; }
  double ToDouble() const { return double(Scaled) / double(Scale); }

  friend constexpr bool operator==(Currency a, Currency b) { return a.Scaled == b.Scaled; }
  friend constexpr auto operator<=>(Currency a, Currency b) { return a.Scaled <=> b.Scaled; }
};

// --- Format settings ------------------------------------------------------------------
struct TFormatSettings {
  String CurrencyString;
  uint8_t CurrencyFormat = 0;
  uint8_t NegCurrFormat = 0;
  uint8_t CurrencyDecimals = 2;
  wchar_t ThousandSeparator = L',';
  wchar_t DecimalSeparator = L'.';
  wchar_t DateSeparator = L'/';
  wchar_t TimeSeparator = L':';
  wchar_t ListSeparator = L',';
  String ShortDateFormat;
  String LongDateFormat;
  String TimeAMString;
  String TimePMString;
  String ShortTimeFormat;
  String LongTimeFormat;
  String ShortMonthNames[12];
  String LongMonthNames[12];
  String ShortDayNames[7];  // Sunday first
  String LongDayNames[7];
  int TwoDigitYearCenturyWindow = 50;

  // The settings the runtime uses when it knows no locale (United States English).
  static TFormatSettings Invariant();
};

// The runtime's current settings, used by every routine without a settings
// argument. Filled from the user's locale on first use when the platform part
// is installed; GetFormatSettings re-reads them.
TFormatSettings& FormatSettings();
// Re-reads the current settings from the user's locale (after WM_SETTINGCHANGE).
void GetFormatSettings();
// The settings of a locale (0 or 0x400: the user's default); defaults natively.
TFormatSettings GetLocaleFormatSettings(uint32_t locale = 0);

// --- Format ---------------------------------------------------------------------------
// One argument of Format: an integer, a float, a text, a character or a pointer.
// Texts are held by reference: the argument list lives only for the call.
class TVarRec {
 public:
  enum TKind : uint8_t { vtInteger, vtInt64, vtExtended, vtCurrency, vtWideChar, vtPWideChar,
                         vtUnicodeString, vtPChar, vtAnsiString, vtPointer };

  template <class T, std::enable_if_t<std::is_integral_v<T> && !std::is_same_v<T, bool> &&
                                          !std::is_same_v<T, char> && !std::is_same_v<T, wchar_t>,
                                      int> = 0>
  TVarRec(T value) : FKind(sizeof(T) < 4 || (sizeof(T) == 4 && std::is_signed_v<T>) ? vtInteger : vtInt64) {
    FInt = int64_t(value);  // 32-bit unsigned values travel as 64-bit ones, so they keep their value
  }
  TVarRec(bool) = delete;  // the runtime formats no booleans
  TVarRec(double value) : FKind(vtExtended), FFloat(value) {}
  TVarRec(float value) : FKind(vtExtended), FFloat(value) {}
  TVarRec(long double value) : FKind(vtExtended), FFloat(double(value)) {}
  TVarRec(Currency value) : FKind(vtCurrency), FInt(value.Scaled) {}
  TVarRec(wchar_t value) : FKind(vtWideChar), FChar(value) {}
  TVarRec(char value) : FKind(vtWideChar), FChar(wchar_t(static_cast<unsigned char>(value))) {}
  TVarRec(const wchar_t* value) : FKind(vtPWideChar), FPtr(value) {}
  TVarRec(const String& value) : FKind(vtUnicodeString), FPtr(&value) {}
  TVarRec(const char* value) : FKind(vtPChar), FPtr(value) {}
  TVarRec(const AnsiString& value) : FKind(vtAnsiString), FPtr(&value) {}
  TVarRec(const void* value) : FKind(vtPointer), FPtr(value) {}
  TVarRec(std::nullptr_t) : FKind(vtPointer), FPtr(nullptr) {}

  TKind Kind() const { return FKind; }
  bool IsInteger() const { return FKind == vtInteger || FKind == vtInt64; }
  int64_t AsInt64() const { return FInt; }
  double AsFloat() const { return FKind == vtCurrency ? double(FInt) / 10000.0 : FFloat; }
  bool IsText() const;
  String AsText() const;  // for the text kinds
  const void* AsPointer() const { return FPtr; }

 private:
  TKind FKind;
  union {
    int64_t FInt;
    double FFloat;
    wchar_t FChar;
    const void* FPtr;
  };
};

// Formats with the runtime's specifiers: %d %u %x %e %f %g %n %m %p %s %%, with
// "%[index:][-][width][.precision]type"; width and precision may be "*". Raises
// EConvertError on a bad format or an argument of the wrong kind.
String Format(const String& format, std::initializer_list<TVarRec> args);
String Format(const String& format, std::initializer_list<TVarRec> args, const TFormatSettings& settings);
String Format(const String& format, const TVarRec* args, size_t count, const TFormatSettings& settings);

// --- Integers -------------------------------------------------------------------------
String IntToStr(int64_t value);
String UIntToStr(uint64_t value);
// Upper-case hex with at least `digits` digits; negative values as two's complement
// of their own width (32 bits for int, 64 for 64-bit types).
String IntToHex(int value, int digits);
String IntToHex(unsigned value, int digits);
String IntToHex(long long value, int digits);
String IntToHex(unsigned long long value, int digits);
inline String IntToHex(long value, int digits) {
  return sizeof(long) == 4 ? IntToHex(int(value), digits) : IntToHex((long long)value, digits);
}
inline String IntToHex(unsigned long value, int digits) {
  return sizeof(long) == 4 ? IntToHex(unsigned(value), digits) : IntToHex((unsigned long long)value, digits);
}
// Decimal with optional sign, or hexadecimal written "$1F", "0x1F" or "x1F"
// (hexadecimal may fill the whole 32 bits: "$FFFFFFFF" is -1). Leading blanks are
// skipped; anything else raises EConvertError "'%s' is not a valid integer value".
int32_t StrToInt(const String& s);
int32_t StrToIntDef(const String& s, int32_t def);
bool TryStrToInt(const String& s, int32_t& value);
int64_t StrToInt64(const String& s);
int64_t StrToInt64Def(const String& s, int64_t def);
bool TryStrToInt64(const String& s, int64_t& value);

// --- Floats ---------------------------------------------------------------------------
enum TFloatFormat { ffGeneral, ffExponent, ffFixed, ffNumber, ffCurrency };

// Accepts blanks around, a sign, the settings' decimal separator and an exponent.
double StrToFloat(const String& s);
double StrToFloat(const String& s, const TFormatSettings& settings);
double StrToFloatDef(const String& s, double def);
bool TryStrToFloat(const String& s, double& value);
bool TryStrToFloat(const String& s, double& value, const TFormatSettings& settings);
String FloatToStr(double value);
String FloatToStr(double value, const TFormatSettings& settings);
String FloatToStrF(double value, TFloatFormat format, int precision, int digits);
String FloatToStrF(double value, TFloatFormat format, int precision, int digits, const TFormatSettings& settings);
// Patterns of "0", "#", ".", ",", "E+00", quoted literals and up to three
// sections "positive;negative;zero".
String FormatFloat(const String& format, double value);
String FormatFloat(const String& format, double value, const TFormatSettings& settings);
// Exact: currency texts never pass through a double. Halves round to even.
String CurrToStr(Currency value);
String CurrToStr(Currency value, const TFormatSettings& settings);
Currency StrToCurr(const String& s);
bool TryStrToCurr(const String& s, Currency& value, const TFormatSettings& settings);

// Rounds halves to even, as the runtime did; EInvalidOp outside the 64-bit range.
int64_t Round(double value);
// Toward zero; EInvalidOp outside the 64-bit range.
int64_t Trunc(double value);
int Sign(double value);
int Sign(int64_t value);
// number * numerator / denominator as the platform's MulDiv answers it, for code
// without Win32: the product in 64 bits, halves rounded away from zero; -1 when
// the result leaves the integer range or the denominator is 0.
int MulDivRounded(int number, int numerator, int denominator);

// --- Booleans -------------------------------------------------------------------------
// "True"/"False" with useBoolStrs, otherwise "-1"/"0".
String BoolToStr(bool value, bool useBoolStrs = false);
// "True"/"False" in any case, or a number (non-zero is true).
bool StrToBool(const String& s);
bool StrToBoolDef(const String& s, bool def);
bool TryStrToBool(const String& s, bool& value);

// --- Text -----------------------------------------------------------------------------
// ASCII character tests and case mapping. Identifiers, numbers, masks and
// format letters are ASCII whatever the locale: a Chinese or accented letter is
// none of these, and maps to itself.
constexpr bool IsAsciiLetter(wchar_t c) { return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z'); }
constexpr bool IsAsciiDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }
constexpr wchar_t AsciiUpper(wchar_t c) { return c >= L'a' && c <= L'z' ? wchar_t(c - 32) : c; }
constexpr wchar_t AsciiLower(wchar_t c) { return c >= L'A' && c <= L'Z' ? wchar_t(c + 32) : c; }
// A letter or '_', then letters, digits or '_' (component and property names).
bool IsValidIdent(std::wstring_view s);

// Trimming removes blanks and control characters (everything up to ' ').
String Trim(const String& s);
String TrimLeft(const String& s);
String TrimRight(const String& s);
// ASCII letters only.
String UpperCase(const String& s);
String LowerCase(const String& s);
int CompareStr(const String& a, const String& b);   // ordinal, case-sensitive
// Ordinal, ASCII letters folded: names of classes, components, properties,
// enumeration values and identifiers compare this way.
int CompareText(std::wstring_view a, std::wstring_view b);
bool SameStr(const String& a, const String& b);
bool SameText(std::wstring_view a, std::wstring_view b);
// The user's locale: case mapping and linguistic comparison (CompareStringW).
String AnsiUpperCase(const String& s);
String AnsiLowerCase(const String& s);
int AnsiCompareStr(const String& a, const String& b);
int AnsiCompareText(const String& a, const String& b);
bool AnsiSameStr(const String& a, const String& b);
bool AnsiSameText(const String& a, const String& b);

enum TReplaceFlags : unsigned { rfNone = 0, rfReplaceAll = 1, rfIgnoreCase = 2 };
constexpr TReplaceFlags operator|(TReplaceFlags a, TReplaceFlags b) { return TReplaceFlags(unsigned(a) | unsigned(b)); }
String StringReplace(const String& s, const String& oldPattern, const String& newPattern, TReplaceFlags flags);

// 'text' with inner quotes doubled.
String QuotedStr(const String& s);
String AnsiQuotedStr(const String& s, wchar_t quote);
// Removes the quotes and undoubles inner ones; a text not starting with the
// quote comes back unchanged.
String AnsiDequotedStr(const String& s, wchar_t quote);

// --- Code pages -----------------------------------------------------------------------
// codePage 0 means the platform's ANSI code page (936 for the console, D-1).
String AnsiToString(const AnsiString& s, unsigned codePage = 0);
AnsiString StringToAnsi(const String& s, unsigned codePage = 0);
unsigned DefaultSystemCodePage();
std::string UTF8Encode(const String& s);
String UTF8Decode(const std::string& s);
// A String as UTF-16 code units and back. On Windows each is a copy; built natively,
// where a wchar_t holds a whole code point, characters beyond U+FFFF become surrogate
// pairs and pairs become one character again.
std::u16string StringToUTF16(const String& s);
String UTF16ToString(const std::u16string& s);

// --- File names -----------------------------------------------------------------------
constexpr wchar_t PathDelim = L'\\';
constexpr wchar_t DriveDelim = L':';
String IncludeTrailingPathDelimiter(const String& s);
String ExcludeTrailingPathDelimiter(const String& s);
String ExtractFilePath(const String& fileName);  // with the trailing delimiter
String ExtractFileDir(const String& fileName);   // without it
String ExtractFileName(const String& fileName);
String ExtractFileExt(const String& fileName);   // with the dot
String ExtractFileDrive(const String& fileName);
String ChangeFileExt(const String& fileName, const String& extension);

// --- Operating system (platform part only: not available to native builds) ----------
bool FileExists(const String& fileName);
bool DirectoryExists(const String& directory);
bool ForceDirectories(const String& directory);
String ExpandFileName(const String& fileName);
String GetCurrentDir();
int ParamCount();
String ParamStr(int index);  // 0: the program's own full path
String ProgramFolder();      // ExtractFilePath(ParamStr(0))
String SysErrorMessage(uint32_t errorCode);
// Raises EOSError with GetLastError and its text, both taken at once.
[[noreturn]] void RaiseLastOSError();
[[noreturn]] void RaiseLastOSError(uint32_t errorCode);

// --- Platform hooks -------------------------------------------------------------------
// The Win32 part installs these (see InstallPlatformSysUtils); unset, the unit
// uses plain fallbacks (Latin-1 and UTF-8 code pages, ordinal comparison).
namespace vamire_detail {
struct TSysUtilsPlatform {
  String (*ToWide)(const char* p, size_t n, unsigned codePage);
  AnsiString (*FromWide)(const wchar_t* p, size_t n, unsigned codePage);
  unsigned (*AnsiCodePage)();
  int (*CompareLocale)(const String& a, const String& b, bool ignoreCase);
  String (*MapCase)(const String& s, bool upper);
  void (*LoadLocale)(uint32_t locale, TFormatSettings& settings);
  void (*LocalNow)(int& year, int& month, int& day, int& hour, int& minute, int& second, int& msec);
};
void SetSysUtilsPlatform(const TSysUtilsPlatform* platform);
const TSysUtilsPlatform* SysUtilsPlatform();
// Raises EConvertError with a message of the form "'%s' is not a valid ...".
[[noreturn]] void RaiseConvertError(PResStringRec message, const String& text);
}  // namespace vamire_detail

// Installs the Win32 part (platform library). The unit start list calls it
// before anything converts text; calling it again does nothing.
void InstallPlatformSysUtils();

#include "DateTime.h"
