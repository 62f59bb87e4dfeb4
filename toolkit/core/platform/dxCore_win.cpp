// The parts of dxCore that ask the system: code-page conversions, the running
// system's version, and locale items.
#include <windows.h>

#include "dxCore.h"

namespace {

int InputLength(std::size_t size, int length) {
  return length < 0 || std::size_t(length) > size ? int(size) : length;
}

int GFirstDayOfWeek = 0;

}  // namespace

void MultiByteToWideString(const AnsiString& bytes, unsigned codePage, int byteLength, String& result) {
  result.clear();
  const int n = InputLength(bytes.size(), byteLength);
  if (n == 0) return;
  int length = MultiByteToWideChar(codePage, 0, bytes.data(), n, nullptr, 0);
  if (length <= 0) return;
  result.resize(std::size_t(length));
  DWORD flags = codePage == CP_UTF8 ? 0 : MB_PRECOMPOSED;
  int written = MultiByteToWideChar(codePage, flags, bytes.data(), n, result.data(), length);
  // Some code pages refuse the precomposed flag; they convert without it.
  if (written <= 0 && flags && GetLastError() == ERROR_INVALID_FLAGS)
    written = MultiByteToWideChar(codePage, 0, bytes.data(), n, result.data(), length);
  result.resize(std::size_t(written > 0 ? written : 0));
}

void WideToMultiByteString(const String& text, unsigned codePage, int charLength, AnsiString& result) {
  result.clear();
  const int n = InputLength(text.size(), charLength);
  if (n == 0) return;
  int length = WideCharToMultiByte(codePage, 0, text.data(), n, nullptr, 0, nullptr, nullptr);
  if (length <= 0) return;
  result.resize(std::size_t(length));
  int written = WideCharToMultiByte(codePage, 0, text.data(), n, result.data(), length, nullptr, nullptr);
  result.resize(std::size_t(written > 0 ? written : 0));
}

String AnsiToWideString(const AnsiString& bytes, unsigned codePage) {
  String result;
  MultiByteToWideString(bytes, codePage, -1, result);
  return result;
}

AnsiString WideToAnsiString(const String& text, unsigned codePage) {
  AnsiString result;
  WideToMultiByteString(text, codePage, -1, result);
  return result;
}

OSVERSIONINFOW RunningSystemVersion() {
  // RtlGetVersion answers the true version; GetVersionEx may be shimmed.
  OSVERSIONINFOW info{};
  info.dwOSVersionInfoSize = sizeof(info);
  using TRtlGetVersion = LONG(WINAPI*)(OSVERSIONINFOW*);
  auto rtlGetVersion = reinterpret_cast<TRtlGetVersion>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "RtlGetVersion")));
  if (!rtlGetVersion || rtlGetVersion(&info) != 0) {
    info.dwOSVersionInfoSize = sizeof(info);
    GetVersionExW(&info);
  }
  return info;
}

void DetectWindowsVersion() {
  const OSVERSIONINFOW info = RunningSystemVersion();
  BOOL wow64 = FALSE;
  using TIsWow64Process = BOOL(WINAPI*)(HANDLE, BOOL*);
  auto isWow64Process = reinterpret_cast<TIsWow64Process>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "IsWow64Process")));
  if (isWow64Process && !isWow64Process(GetCurrentProcess(), &wow64)) wow64 = FALSE;
  DetectWindowsVersion(int(info.dwPlatformId), int(info.dwMajorVersion), int(info.dwMinorVersion), wow64 != FALSE);
}

String GetLocaleString(std::uint32_t locale, int item, const String& defaultText) {
  int length = GetLocaleInfoW(LCID(locale), LCTYPE(item), nullptr, 0);
  if (length <= 0) return defaultText;
  String text(std::size_t(length), L'\0');
  length = GetLocaleInfoW(LCID(locale), LCTYPE(item), text.data(), length);
  if (length <= 0) return defaultText;
  text.resize(std::size_t(length));
  while (!text.empty() && text.back() == L'\0') text.pop_back();
  return text.empty() ? defaultText : text;
}

int LocaleFirstDayOfWeek() { return GFirstDayOfWeek; }

void dxCore_Initialize() {
  DetectWindowsVersion();
  GFirstDayOfWeek =
      FirstDayOfWeekFromLocaleItem(GetLocaleString(GetThreadLocale(), LOCALE_IFIRSTDAYOFWEEK, L"0"));
}

const TUnitEntry dxCoreUnit{L"dxCore", dxCore_Initialize, dxCore_Finalize};
