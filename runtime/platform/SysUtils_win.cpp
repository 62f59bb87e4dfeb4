// The Win32 part of SysUtils: code pages, the user's locale, file existence,
// the command line and system error texts.
#include <windows.h>
#include <shellapi.h>

#include <vector>

#include "SysUtils.h"

namespace {

unsigned Resolve(unsigned codePage) { return codePage ? codePage : CP_ACP; }

String ToWide(const char* p, size_t n, unsigned codePage) {
  if (n == 0) return String();
  int len = MultiByteToWideChar(Resolve(codePage), 0, p, int(n), nullptr, 0);
  String r(size_t(len > 0 ? len : 0), L'\0');
  if (len > 0) MultiByteToWideChar(Resolve(codePage), 0, p, int(n), r.data(), len);
  return r;
}

AnsiString FromWide(const wchar_t* p, size_t n, unsigned codePage) {
  if (n == 0) return AnsiString();
  int len = WideCharToMultiByte(Resolve(codePage), 0, p, int(n), nullptr, 0, nullptr, nullptr);
  AnsiString r(size_t(len > 0 ? len : 0), '\0');
  if (len > 0) WideCharToMultiByte(Resolve(codePage), 0, p, int(n), r.data(), len, nullptr, nullptr);
  return r;
}

unsigned AnsiCodePage() { return GetACP(); }

int CompareLocale(const String& a, const String& b, bool ignoreCase) {
  int r = CompareStringW(LOCALE_USER_DEFAULT, ignoreCase ? NORM_IGNORECASE : 0, a.data(), int(a.size()), b.data(),
                         int(b.size()));
  return r - CSTR_EQUAL;
}

String MapCase(const String& s, bool upper) {
  String r(s);
  if (!r.empty()) {
    if (upper) CharUpperBuffW(r.data(), DWORD(r.size()));
    else CharLowerBuffW(r.data(), DWORD(r.size()));
  }
  return r;
}

String LocaleText(LCID locale, LCTYPE type, const String& def) {
  wchar_t buf[256];
  int n = GetLocaleInfoW(locale, type, buf, 256);
  return n > 1 ? String(buf, size_t(n - 1)) : def;
}

int LocaleInt(LCID locale, LCTYPE type, int def) {
  String s = LocaleText(locale, type, String());
  return StrToIntDef(s, def);
}

wchar_t LocaleChar(LCID locale, LCTYPE type, wchar_t def) {
  String s = LocaleText(locale, type, String());
  return s.empty() ? def : s[0];
}

void LoadLocale(uint32_t locale, TFormatSettings& s) {
  LCID id = locale == 0 ? GetThreadLocale() : LCID(locale);
  for (int i = 0; i < 12; ++i) {
    s.ShortMonthNames[i] = LocaleText(id, LOCALE_SABBREVMONTHNAME1 + LCTYPE(i), s.ShortMonthNames[i]);
    s.LongMonthNames[i] = LocaleText(id, LOCALE_SMONTHNAME1 + LCTYPE(i), s.LongMonthNames[i]);
  }
  // The locale lists Monday first; the runtime starts with Sunday.
  for (int i = 0; i < 7; ++i) {
    LCTYPE day = LCTYPE((i + 6) % 7);
    s.ShortDayNames[i] = LocaleText(id, LOCALE_SABBREVDAYNAME1 + day, s.ShortDayNames[i]);
    s.LongDayNames[i] = LocaleText(id, LOCALE_SDAYNAME1 + day, s.LongDayNames[i]);
  }
  s.CurrencyString = LocaleText(id, LOCALE_SCURRENCY, s.CurrencyString);
  s.CurrencyFormat = uint8_t(LocaleInt(id, LOCALE_ICURRENCY, 0));
  s.NegCurrFormat = uint8_t(LocaleInt(id, LOCALE_INEGCURR, 0));
  s.CurrencyDecimals = uint8_t(LocaleInt(id, LOCALE_ICURRDIGITS, 2));
  s.ThousandSeparator = LocaleChar(id, LOCALE_STHOUSAND, L',');
  s.DecimalSeparator = LocaleChar(id, LOCALE_SDECIMAL, L'.');
  s.DateSeparator = LocaleChar(id, LOCALE_SDATE, L'/');
  s.TimeSeparator = LocaleChar(id, LOCALE_STIME, L':');
  s.ListSeparator = LocaleChar(id, LOCALE_SLIST, L',');
  s.ShortDateFormat = LocaleText(id, LOCALE_SSHORTDATE, L"M/d/yyyy");
  s.LongDateFormat = LocaleText(id, LOCALE_SLONGDATE, L"dddd, MMMM d, yyyy");
  s.TimeAMString = LocaleText(id, LOCALE_S1159, L"AM");
  s.TimePMString = LocaleText(id, LOCALE_S2359, L"PM");
  // The time formats are built from the clock settings, not from LOCALE_STIMEFORMAT.
  String hour = LocaleInt(id, LOCALE_ITLZERO, 0) == 0 ? L"h" : L"hh";
  String prefix, postfix;
  if (LocaleInt(id, LOCALE_ITIME, 0) == 0) {
    if (LocaleInt(id, LOCALE_ITIMEMARKPOSN, 0) == 0) postfix = L" AMPM";
    else prefix = L"AMPM ";
  }
  s.ShortTimeFormat = prefix + hour + L":mm" + postfix;
  s.LongTimeFormat = prefix + hour + L":mm:ss" + postfix;
}

void LocalNow(int& year, int& month, int& day, int& hour, int& minute, int& second, int& msec) {
  SYSTEMTIME t;
  GetLocalTime(&t);
  year = t.wYear, month = t.wMonth, day = t.wDay;
  hour = t.wHour, minute = t.wMinute, second = t.wSecond, msec = t.wMilliseconds;
}

const vamire_detail::TSysUtilsPlatform GWin32 = {&ToWide,         &FromWide, &AnsiCodePage, &CompareLocale,
                                                 &MapCase,        &LoadLocale, &LocalNow};

// For programs that link this part without calling InstallPlatformSysUtils.
struct Installer {
  Installer() { InstallPlatformSysUtils(); }
} GInstaller;

}  // namespace

void InstallPlatformSysUtils() {
  if (vamire_detail::SysUtilsPlatform() == &GWin32) return;
  vamire_detail::SetSysUtilsPlatform(&GWin32);
  GetFormatSettings();
}

// --- Files ----------------------------------------------------------------------------
bool FileExists(const String& fileName) {
  DWORD a = GetFileAttributesW(fileName.c_str());
  return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

bool DirectoryExists(const String& directory) {
  DWORD a = GetFileAttributesW(directory.c_str());
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

String ExpandFileName(const String& fileName) {
  if (fileName.empty()) return GetCurrentDir();
  DWORD n = GetFullPathNameW(fileName.c_str(), 0, nullptr, nullptr);
  if (n == 0) return fileName;
  String r(n, L'\0');
  n = GetFullPathNameW(fileName.c_str(), n, r.data(), nullptr);
  r.resize(n);
  return r;
}

bool ForceDirectories(const String& directory) {
  if (directory.empty()) return false;
  String dir = ExcludeTrailingPathDelimiter(ExpandFileName(directory));
  if (DirectoryExists(dir)) return true;
  String parent = ExtractFilePath(dir);
  if (parent.size() < 3 || parent == dir) return CreateDirectoryW(dir.c_str(), nullptr) != 0;
  if (!ForceDirectories(parent)) return false;
  return CreateDirectoryW(dir.c_str(), nullptr) != 0 || GetLastError() == ERROR_ALREADY_EXISTS;
}

String GetCurrentDir() {
  DWORD n = GetCurrentDirectoryW(0, nullptr);
  String r(n, L'\0');
  n = GetCurrentDirectoryW(n, r.data());
  r.resize(n);
  return r;
}

// --- Command line ---------------------------------------------------------------------
namespace {
std::vector<String> CommandLineArgs() {
  std::vector<String> args;
  int n = 0;
  LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &n);
  if (!argv) return args;
  for (int i = 0; i < n; ++i) args.emplace_back(argv[i]);
  LocalFree(argv);
  return args;
}
}  // namespace

int ParamCount() {
  size_t n = CommandLineArgs().size();
  return n > 0 ? int(n - 1) : 0;
}

String ParamStr(int index) {
  if (index == 0) {
    std::vector<wchar_t> buf(MAX_PATH);
    for (;;) {
      DWORD n = GetModuleFileNameW(nullptr, buf.data(), DWORD(buf.size()));
      if (n < buf.size()) return String(buf.data(), n);
      buf.resize(buf.size() * 2);
    }
  }
  std::vector<String> args = CommandLineArgs();
  return index > 0 && size_t(index) < args.size() ? args[size_t(index)] : String();
}

String ProgramFolder() { return ExtractFilePath(ParamStr(0)); }

// --- System errors --------------------------------------------------------------------
String SysErrorMessage(uint32_t errorCode) {
  wchar_t* buf = nullptr;
  DWORD n = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                           nullptr, errorCode, 0, reinterpret_cast<LPWSTR>(&buf), 0, nullptr);
  String r;
  if (buf) {
    r.assign(buf, n);
    LocalFree(buf);
  }
  while (!r.empty() && (r.back() <= L' ' || r.back() == L'.')) r.pop_back();
  return r;
}

void RaiseLastOSError(uint32_t errorCode) {
  if (errorCode == 0) throw EOSError(LoadResString(&SUnkOSError), 0);
  throw EOSError(Format(LoadResString(&SOSError), {int64_t(errorCode), SysErrorMessage(errorCode)}), errorCode);
}

void RaiseLastOSError() { RaiseLastOSError(GetLastError()); }
